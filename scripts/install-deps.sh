#!/usr/bin/env bash
# Installs the Debian packages the build needs; does nothing when all are present.
set -euo pipefail

pkgs=(
  cmake g++ make pkg-config
  libtsan2 # ThreadSanitizer's runtime for g++ (make test-tsan)
  protobuf-compiler libprotobuf-dev
  libtinyxml2-dev
  libboost-thread-dev libboost-system-dev
  libcurl4-openssl-dev
  libgtest-dev libgmock-dev googletest
  libbenchmark-dev
  python3
  clang libclang-rt-14-dev
)

missing=()
for p in "${pkgs[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
