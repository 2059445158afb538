# Quick start: `make run` and `make test`. Both install what is missing, configure and build.
BUILD ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)
BIN := $(BUILD)/bin

.PHONY: all deps configure build test run package format clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# Only the program and the tool it needs: the first start does not wait for the test suite.
run: configure
	@cmake --build $(BUILD) -j$(JOBS) --target quarvel quarvel-db
	@[ -f $(BIN)/Products.db ] || $(BIN)/quarvel-db init --sample $(BIN)/Products.db
	$(BIN)/quarvel

# The Debian package quarvel_<version>_<arch>.deb in $(BUILD), from the same build.
package: build
	cd $(BUILD) && cpack -G DEB

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
