# The two commands of the README:
#   make run   installs what is missing, builds and starts ZEL3
#   make test  installs what is missing, builds and runs every test, then the core tests
#              once more under AddressSanitizer and UndefinedBehaviorSanitizer
# and to install it the way Debian does:
#   make package  builds the Debian package $(BUILD)/zel3_<version>_amd64.deb
# and for bad-input hunting (not part of the tests):
#   make fuzz  runs each libFuzzer target of fuzz/ for FUZZ_SECONDS (same build as the
#              sanitizer tests, which also replay every seed of fuzz/corpus/)
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_SECONDS ?= 30
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: run test deps build package asan fuzz bench clean

run: deps build
	./scripts/run.sh $(BUILD)

test: deps build asan
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

deps:
	./scripts/install-deps.sh

build:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

# CPack's Debian generator over the install rules; dependencies from dpkg-shlibdeps.
package: deps build
	cd $(BUILD) && cpack -G DEB

# Core library, GoogleTest binary and fuzz targets only, built once with clang for both the
# sanitizer tests and the fuzzing; -O1 keeps the compile short and the run fast enough.
asan:
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DZEL3_SANITIZE=ON -DZEL3_FUZZ=ON \
	  -DZEL3_BUILD_GUI=OFF -DZEL3_BUILD_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)

fuzz: deps asan
	./scripts/run-fuzzers.sh $(ASAN_BUILD) $(FUZZ_SECONDS)

bench: deps build
	./scripts/run-benchmarks.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
