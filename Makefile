# Entry points. `make test` is what CI runs.
JOBS ?= $(shell nproc)
BUILD ?= build
BUILD_ASAN ?= build-asan

.PHONY: deps build test test-normal test-asan bench run clean

deps:
	./scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

# The whole suite twice: a normal build, then AddressSanitizer + UndefinedBehaviorSanitizer.
test: test-normal test-asan

test-normal: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(BUILD_ASAN) -DCMAKE_BUILD_TYPE=Debug -DDRAVIK_SANITIZE=ON -DDRAVIK_BENCH=OFF >/dev/null
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	cd $(BUILD_ASAN) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j $(JOBS)

# Dravik against the stand-in agent in a sample working folder (RUN_SECONDS=N, default 10).
run: build
	./tools/run-sample.sh $(BUILD)

# The benchmark programs of bench/ (never part of the tests).
bench: build
	./tools/run-bench.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(BUILD_ASAN)

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
test: test-fuzz
test-fuzz: fuzz-build
	./fuzz/run-fuzzers.sh $(BUILD_FUZZ) 5 ci

clean: clean-fuzz
clean-fuzz:
	rm -rf $(BUILD_FUZZ)
