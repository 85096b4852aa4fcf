# The two commands of the README: `make run` and `make test`. Both install what they need first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: run test build deps bench format clean

deps:
	@tools/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release > $(BUILD_DIR).configure.log || \
	  (cat $(BUILD_DIR).configure.log; exit 1)
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -LE slow

run: build
	@tools/run-example.sh $(BUILD_DIR)

bench: build
	@for b in $(BUILD_DIR)/bench/*_bench; do echo "== $$b"; $$b; done

format:
	@clang-format -i $$(git ls-files 'src/*.h' 'src/*.cpp' 'tests/*.h' 'tests/*.cpp' 'bench/*.cpp')

clean:
	@rm -rf $(BUILD_DIR) $(BUILD_DIR).configure.log
