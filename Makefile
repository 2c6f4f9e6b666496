# Thin wrapper over CMake + Ninja. The two newcomer commands are `make demo` and `make test`.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=

.PHONY: all deps configure build test test-unit demo format clean

all: build

deps:
	@bash scripts/install-deps.sh --if-missing

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR)

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j2

test-unit: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j2 -L unit

demo: build
	bash scripts/demo.sh $(BUILD_DIR)

format:
	git ls-files '*.h' '*.cpp' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR)
