# The two commands of the README:
#   make run   installs what is missing, builds and starts ZEL3
#   make test  installs what is missing, builds and runs every test
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: run test deps build bench clean

run: deps build
	./scripts/run.sh $(BUILD)

test: deps build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

deps:
	./scripts/install-deps.sh

build:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

bench: deps build
	./scripts/run-benchmarks.sh $(BUILD)

clean:
	rm -rf $(BUILD)
