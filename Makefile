# The two commands a fresh machine needs: `make run` and `make test`.
BUILD_DIR ?= build
GENERATOR ?= Ninja
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G $(GENERATOR) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

run: build
	@echo "The engine is built; the window comes with the next step."

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j2

bench: build
	@$(BUILD_DIR)/bench/engine_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_display_aggregates_only=true

clean:
	@rm -rf $(BUILD_DIR)
