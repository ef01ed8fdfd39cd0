# The two set-up commands of the README: `make run` and `make test`.
JOBS ?= $(shell nproc)
BUILD_DIR ?= build
ASAN_DIR ?= build-asan

.PHONY: all deps build build-asan run test test-plain test-asan bench format clean

all: build

deps:
	./scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DSEGMO_SANITIZE=ON
	cmake --build $(ASAN_DIR) -j $(JOBS)

run: build
	./scripts/run-demo.sh $(BUILD_DIR)/bin

test-plain: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

test-asan: build-asan
	cd $(ASAN_DIR) && ctest --output-on-failure -j $(JOBS)

# Every test runs twice: once plain, once under AddressSanitizer and
# UndefinedBehaviorSanitizer.
test: test-plain test-asan

bench: build
	$(BUILD_DIR)/bin/download-bench
	$(BUILD_DIR)/bin/startup-bench

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
