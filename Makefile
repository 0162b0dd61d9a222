# `make run` and `make test`; both install what is missing, configure and build first. `make bench`
# builds the program and the benchmark (nothing else builds the benchmark) and runs it; RUNS=n sets
# the number of runs of each side, BENCH_ARGS further options of the benchmark (bench/README.md).
# For developers: `make test-sanitize` (the suite under AddressSanitizer and UndefinedBehaviorSanitizer)
# and `make fuzz` (the parsers' fuzz targets, FUZZ_TIME seconds each).
BUILD ?= build
JOBS  ?= $(shell nproc)
RUNS  ?= 7
BENCH_ARGS ?=
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_TIME ?= 20
FUZZ_TARGETS = settings gbk favorites registry desktop numbers pictures

.PHONY: run test bench build setup clean test-sanitize fuzz fuzz-build fuzz-setup

setup:
	@bash scripts/setup

$(BUILD)/CMakeCache.txt: | setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: setup $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD) && ./Zelvaro浏览器 $(ARGS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -L case

bench: setup $(BUILD)/CMakeCache.txt
	cmake -S . -B $(BUILD) > /dev/null
	cmake --build $(BUILD) -j $(JOBS) --target zv_bench
	$(BUILD)/bench/zv-bench --runs $(RUNS) $(BENCH_ARGS)

# The whole suite built with -fsanitize=address,undefined in its own folder; any finding fails its test.
# Leak checking is off: the page engine's own allocations are still held at exit. Built at -O1 with line
# tables only (the sanitizers' usual level: a third of the compile time, stack traces keep their lines),
# and run as one process per test program (`ctest -L whole`), every case of the suite included.
$(SANITIZE_BUILD)/CMakeCache.txt: | setup
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" -DZV_SANITIZE=ON

test-sanitize: setup $(SANITIZE_BUILD)/CMakeCache.txt
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS) -L whole

# libFuzzer targets built with clang. Each runs FUZZ_TIME seconds (all at once), starting from its seed
# corpus in fuzz/corpus/<target>; what it finds new goes to $(FUZZ_BUILD)/corpus, a failing input to
# $(FUZZ_BUILD)/crashes.
fuzz-setup:
	@bash scripts/setup fuzz

$(FUZZ_BUILD)/CMakeCache.txt: | fuzz-setup
	cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo

fuzz-build: fuzz-setup $(FUZZ_BUILD)/CMakeCache.txt
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

fuzz: fuzz-build
	@bash scripts/fuzz $(FUZZ_BUILD) $(FUZZ_TIME) $(FUZZ_TARGETS)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
