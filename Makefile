# Entry points. `make test` is what CI runs.
JOBS ?= $(shell nproc)
BUILD ?= build
BUILD_ASAN ?= build-asan
BUILD_TSAN ?= build-tsan
# g++ 12's ThreadSanitizer maps its shadow at fixed places: on a kernel with more than 28
# bits of mmap randomisation it needs the address space unrandomised, where that is allowed.
TSAN_WRAP := $(shell [ "$$(cat /proc/sys/vm/mmap_rnd_bits 2>/dev/null || echo 28)" -gt 28 ] && \
	setarch $$(uname -m) -R true 2>/dev/null && echo "setarch $$(uname -m) -R")

.PHONY: deps configure build test test-normal test-asan test-tsan bench run clean

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The whole suite twice: a normal build, then AddressSanitizer + UndefinedBehaviorSanitizer;
# then the suites that start threads under ThreadSanitizer; then every fuzz target briefly.
test: test-normal test-asan test-tsan test-fuzz

test-normal: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(BUILD_ASAN) -DCMAKE_BUILD_TYPE=Debug -DDRAVIK_SANITIZE=ON -DDRAVIK_BENCH=OFF >/dev/null
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	cd $(BUILD_ASAN) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j $(JOBS)

# Only the suites that start threads, with the Dravik program that the end-to-end tests
# run as a child (its worker threads are checked too). Every process writes its reports
# to $(BUILD_TSAN)/tsan-reports/, so a race in a child fails the run as well.
test-tsan: deps
	cmake -S . -B $(BUILD_TSAN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRAVIK_TSAN=ON -DDRAVIK_BENCH=OFF >/dev/null
	cmake --build $(BUILD_TSAN) -j $(JOBS) --target dravik_tsan_suites
	rm -rf $(BUILD_TSAN)/tsan-reports && mkdir -p $(BUILD_TSAN)/tsan-reports
	cd $(BUILD_TSAN) || exit 1; status=0; \
	TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 log_path=$(abspath $(BUILD_TSAN))/tsan-reports/report" \
		$(TSAN_WRAP) ctest --output-on-failure -j $(JOBS) || status=$$?; \
	if ls tsan-reports/report.* >/dev/null 2>&1; then \
		cat tsan-reports/report.*; echo "test-tsan: ThreadSanitizer reports above" >&2; status=1; \
	fi; \
	exit $$status

# Dravik against the stand-in agent in a sample working folder (RUN_SECONDS=N, default 10);
# only the three programs it runs are built.
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target Dravik dravik_agent dravik_fixtures
	./tools/run-sample.sh $(BUILD)

# The benchmark programs of bench/ (never part of the tests).
bench: build
	./tools/run-bench.sh $(BUILD)

clean: clean-fuzz
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_TSAN)

# ---- Fuzzing (fuzz/, README "Hardening") ----
BUILD_FUZZ ?= build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: fuzz fuzz-build test-fuzz clean-fuzz

# The fuzz targets with clang and libFuzzer, instrumented with ASan and UBSan; only the
# libraries they use are built.
fuzz-build: deps
	cmake -S . -B $(BUILD_FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
		-DCMAKE_CXX_COMPILER=clang++ -DDRAVIK_FUZZ=ON -DDRAVIK_TESTS=OFF -DDRAVIK_BENCH=OFF >/dev/null
	cmake --build $(BUILD_FUZZ) -j $(JOBS) --target dravik_fuzzers

# Every target on its seeds, then FUZZ_SECONDS seconds of fuzzing each (FUZZ_JOBS at once,
# default 3); the working corpus stays in $(BUILD_FUZZ)/fuzz-corpus/.
fuzz: fuzz-build
	./fuzz/run-fuzzers.sh $(BUILD_FUZZ) $(FUZZ_SECONDS)

# Part of `make test`: every target builds, replays its seeds and fuzzes for 5 seconds.
test-fuzz: fuzz-build
	./fuzz/run-fuzzers.sh $(BUILD_FUZZ) 5 ci

clean-fuzz:
	rm -rf $(BUILD_FUZZ)
