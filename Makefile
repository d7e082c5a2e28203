# The two commands a fresh machine needs: `make run` and `make test`.
BUILD_DIR ?= build
GENERATOR ?= Ninja
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench install dist package package-deps clean translations

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G $(GENERATOR) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

run: build
	@$(BUILD_DIR)/app/morvelin

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j2

bench: build
	@$(BUILD_DIR)/bench/engine_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_display_aggregates_only=true
	@$(BUILD_DIR)/bench/startup_bench

# The translation sources (translations/*.ts) brought up to date with the texts in the code.
translations:
	@scripts/update-translations

# The program, its menu entry, icons and AppStream file under PREFIX (DESTDIR is honoured too).
PREFIX ?= /usr/local
install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The release tarball $(BUILD_DIR)/morvelin-VERSION.tar.xz, made from the last commit.
dist:
	@scripts/dist $(BUILD_DIR) >/dev/null

# The Debian source package (3.0 (quilt), from the release tarball) and the .deb built from it by
# debhelper, with the engine tests and the offscreen window suite run on the way; written to
# $(BUILD_DIR), built under $(BUILD_DIR)/debian-build.
package: package-deps
	@scripts/build-package $(BUILD_DIR)

package-deps:
	@scripts/install-deps --package

clean:
	@rm -rf $(BUILD_DIR)

# The engine's and the paste reader's fuzzers (clang++ and libFuzzer), each run for FUZZ_SECONDS
# on a fresh copy of its committed corpus, so that nothing a run finds is written into the tree. A crash stops the target,
# its input left in $(FUZZ_DIR)/artifacts/.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: fuzz
fuzz:
	@cmake -S tests/fuzz -B $(FUZZ_DIR) -G $(GENERATOR) -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	@cmake --build $(FUZZ_DIR)
	@rm -rf $(FUZZ_DIR)/corpus && mkdir -p $(FUZZ_DIR)/corpus $(FUZZ_DIR)/artifacts
	@cp tests/fuzz/corpus/* $(FUZZ_DIR)/corpus/
	@echo "fuzz: engine_fuzzer for $(FUZZ_SECONDS) s"
	@$(FUZZ_DIR)/engine_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=4096 -timeout=10 -print_final_stats=1 \
	  -artifact_prefix=$(FUZZ_DIR)/artifacts/ -dict=tests/fuzz/engine.dict $(FUZZ_DIR)/corpus
	@rm -rf $(FUZZ_DIR)/paste_corpus && mkdir -p $(FUZZ_DIR)/paste_corpus
	@cp tests/fuzz/paste_corpus/* $(FUZZ_DIR)/paste_corpus/
	@echo "fuzz: paste_fuzzer for $(FUZZ_SECONDS) s"
	@$(FUZZ_DIR)/paste_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=1002 -timeout=10 -print_final_stats=1 \
	  -artifact_prefix=$(FUZZ_DIR)/artifacts/ $(FUZZ_DIR)/paste_corpus

# Every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer in a build folder
# of its own; the first finding stops the run.
SANITIZE_DIR ?= build-sanitize
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer

.PHONY: test-sanitize leak-check lint
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DMORVELIN_BENCH=OFF \
	  "-DCMAKE_CXX_FLAGS=$(SANITIZE_FLAGS)" $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(SANITIZE_DIR)
	@cd $(SANITIZE_DIR) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j2

# The window tests under valgrind memcheck.
leak-check: build
	@scripts/leak-check $(BUILD_DIR)

# clang-format, clang-tidy and cppcheck over the tree.
lint: build
	@scripts/lint $(BUILD_DIR)
