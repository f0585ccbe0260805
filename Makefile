BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all setup build run test bench package clean

all: build

setup:
	@scripts/setup

build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

# Builds the application directory and starts the suite's entry program in it.
run: build
	@scripts/run-app $(BUILD)/app

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) --timeout 600

# The Debian package build/zelmora_<version>_<arch>.deb (see packaging/): builds only
# what the package holds.
package: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS) --target deb

bench: build
	@bench/run $(BUILD)

clean:
	rm -rf $(BUILD)
