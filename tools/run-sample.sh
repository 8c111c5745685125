#!/usr/bin/env bash
# Runs Dravik against the stand-in database agent in a sample working folder:
#   tools/run-sample.sh [BUILD_DIR]      (RUN_SECONDS=N sets how long, default 10)
# Writes BUILD_DIR/sample/ (Config/ from the fixture writer, XmlConfig/benchmark_config.xml
# with two servers on loopback, RuntimeData/65535/Log/), starts the agent, starts Dravik
# with a name mark, shows the agent's per-second lines, then stops both and shows Dravik's
# output; Ctrl-C ends the run the same way, only sooner.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
seconds="${RUN_SECONDS:-10}"
dravik="$build/Server/Robot/Dravik/Dravik"
agent="$build/tools/agent/dravik_agent"
fixtures="$build/tools/fixtures/dravik_fixtures"
for exe in "$dravik" "$agent" "$fixtures"; do
  if [ ! -x "$exe" ]; then
    echo "run-sample: $exe is missing; build first (make build)" >&2
    exit 1
  fi
done

sample="$build/sample"
rm -rf "$sample"
mkdir -p "$sample/XmlConfig" "$sample/RuntimeData/65535/Log"
"$fixtures" --out "$sample" --rows 3 >/dev/null

agent_pid=""
dravik_pid=""
sleep_pid=""
stop() {
  if [ -n "$sleep_pid" ]; then
    kill "$sleep_pid" 2>/dev/null || true
  fi
  if [ -n "$dravik_pid" ] && kill -0 "$dravik_pid" 2>/dev/null; then
    kill "$dravik_pid" 2>/dev/null || true
    wait "$dravik_pid" 2>/dev/null || true
  fi
  if [ -n "$agent_pid" ] && kill -0 "$agent_pid" 2>/dev/null; then
    kill -TERM "$agent_pid" 2>/dev/null || true
    wait "$agent_pid" 2>/dev/null || true
  fi
}
# The end of a run, timed or by Ctrl-C: both programs stopped, then Dravik's output.
finish() {
  stop
  echo "run-sample: Dravik's output:"
  cat "$sample/dravik.out"
  echo "run-sample: stopped; logs in $sample/RuntimeData/65535/Log/"
}
interrupted() {
  trap - EXIT INT TERM
  if [ -n "$dravik_pid" ]; then
    finish
  else
    stop
  fi
  exit 130
}
trap stop EXIT
trap interrupted INT TERM

# The agent picks a free loopback port and writes it down.
rm -f "$sample/agent.port"
"$agent" --host 127.0.0.1 --port 0 --port-file "$sample/agent.port" &
agent_pid=$!
for _ in $(seq 1 100); do
  [ -s "$sample/agent.port" ] && break
  sleep 0.05
done
if [ ! -s "$sample/agent.port" ]; then
  echo "run-sample: the stand-in agent did not start" >&2
  exit 1
fi
port="$(cat "$sample/agent.port")"

cat > "$sample/XmlConfig/benchmark_config.xml" <<XML
<?xml version="1.0"?>
<benchmarkconfig>
  <benchmark serverid="1" dbserverhost="127.0.0.1" dbserverport="$port" playernum="3" accprefix="robot_a"/>
  <benchmark serverid="2" dbserverhost="127.0.0.1" dbserverport="$port" playernum="4" accprefix="robot_b"/>
  <!-- milliseconds of the robot's processor time; -1 switches a kind off -->
  <test type="createchar" interval="500"/>
  <test type="usersave" interval="200"/>
  <test type="userload" interval="100"/>
</benchmarkconfig>
XML

echo "run-sample: working folder $sample, agent on 127.0.0.1:$port, running for $seconds s"
(cd "$sample" && exec "$dravik" sample-mark) > "$sample/dravik.out" 2>&1 &
dravik_pid=$!
# In the background, so that a signal to this script alone is handled at once too.
sleep "$seconds" &
sleep_pid=$!
wait "$sleep_pid"
sleep_pid=""
if ! kill -0 "$dravik_pid" 2>/dev/null; then
  echo "run-sample: Dravik ended early; its output:" >&2
  cat "$sample/dravik.out" >&2
  exit 1
fi
trap - EXIT INT TERM
finish
