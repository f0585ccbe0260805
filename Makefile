BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all setup build run test bench package fuzz clean

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

# The libFuzzer programs, built with Clang in a folder of their own (see fuzz/CMakeLists.txt).
fuzz: setup
	cmake -S . -B $(BUILD)-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
	  -DCMAKE_CXX_COMPILER=clang++ -DSUITE_FUZZ=ON -DSUITE_BENCHMARKS=OFF
	cmake --build $(BUILD)-fuzz -j $(JOBS) --target fuzz_targets

bench: build
	@bench/run $(BUILD)

clean:
	rm -rf $(BUILD)
