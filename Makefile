# make run   builds and starts Veltrane
# make test  builds and runs the test suite
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: run test build configure clean

configure:
	@scripts/ensure-deps.sh build
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j2

run:
	@scripts/ensure-deps.sh run
	$(MAKE) build
	$(BUILD)/bin/veltrane

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

clean:
	rm -rf $(BUILD)
