# The two commands of the README: `make run` and `make test`. Both install what they need first.
# `make test` runs the tests, then runs them again built with ASan and UBSan (`make sanitize`,
# a few minutes more); `make fuzz` builds the fuzz targets.
BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
JOBS ?= $(shell nproc)
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: run test build deps bench format clean sanitize fuzz

deps:
	@tools/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release > $(BUILD_DIR).configure.log || \
	  (cat $(BUILD_DIR).configure.log; exit 1)
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -LE slow
	@$(MAKE) --no-print-directory sanitize

# Every test, built with AddressSanitizer and UBSan (GCC); any report fails the test it is in.
sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DVONTRASK_SANITIZE=ON \
	  -DVONTRASK_BENCH=OFF > $(SANITIZE_DIR).configure.log || (cat $(SANITIZE_DIR).configure.log; exit 1)
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)
	@cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# The libFuzzer targets (clang) in build-fuzz/, each replayed once over its seeds; campaigns:
# tools/fuzz.sh --seconds N [target...].
fuzz:
	@tools/install-deps.sh fuzz
	@tools/fuzz.sh

run: build
	@tools/run-example.sh $(BUILD_DIR)

bench: build
	@for b in $(BUILD_DIR)/bench/*_bench; do echo "== $$b"; $$b; done

format:
	@clang-format -i $$(git ls-files 'src/*.h' 'src/*.cpp' 'tests/*.h' 'tests/*.cpp' 'bench/*.cpp' 'fuzz/*.h' 'fuzz/*.cpp')

clean:
	@rm -rf $(BUILD_DIR) $(BUILD_DIR).configure.log $(SANITIZE_DIR) $(SANITIZE_DIR).configure.log \
	  build-fuzz build-fuzz.configure.log
