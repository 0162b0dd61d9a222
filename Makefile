# `make run` and `make test`; both install what is missing, configure and build first. `make bench`
# builds the program and the benchmark (nothing else builds the benchmark) and runs it; RUNS=n sets
# the number of runs of each side.
BUILD ?= build
JOBS  ?= $(shell nproc)
RUNS  ?= 7

.PHONY: run test bench build setup clean

setup:
	@bash scripts/setup

$(BUILD)/CMakeCache.txt: | setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: setup $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD) && ./Zelvaro浏览器 $(ARGS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: setup $(BUILD)/CMakeCache.txt
	cmake -S . -B $(BUILD) > /dev/null
	cmake --build $(BUILD) -j $(JOBS) --target zv_bench
	$(BUILD)/bench/zv-bench --runs $(RUNS)

clean:
	rm -rf $(BUILD)
