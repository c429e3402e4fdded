# make run: set up (Debian packages, configure, build) and start tessary.
# make test: set up and run every test (unit, headless frame, end-to-end under Xvfb).
# make bench: build the benchmarks in Release and print their table.
# make fuzz: fuzz the knot and degree texts with libFuzzer (clang) for FUZZ_SECONDS seconds.

PACKAGES := cmake make g++ pkg-config libfltk1.3-dev libcairo2-dev libx11-dev libgtest-dev libbenchmark-dev \
            xvfb xauth xdotool imagemagick x11-utils openbox wmctrl fonts-dejavu-core
DEBUG_DIR := build/debug
RELEASE_DIR := build/release
JOBS := $(shell nproc 2>/dev/null || echo 2)

FUZZ_DIR := build/fuzz
FUZZ_SECONDS ?= 60

.PHONY: run test bench fuzz deps debug release clean

run: release
	@if [ -z "$$DISPLAY" ]; then \
		echo "tessary needs a display: run 'make run' on a desktop, or headless as 'xvfb-run -a make run'"; \
		exit 1; \
	fi
	./$(RELEASE_DIR)/tessary

test: debug
	cd $(DEBUG_DIR) && ctest --output-on-failure -j1

bench: release
	cmake --build $(RELEASE_DIR) -j$(JOBS) --target benchmarks
	bash bench/run.sh $(RELEASE_DIR)

fuzz:
	@$(MAKE) --no-print-directory deps PACKAGES="clang libclang-rt-14-dev"
	mkdir -p $(FUZZ_DIR)/corpus
	clang++ -std=c++17 -g -O1 -ffp-contract=off -fsanitize=fuzzer,address,undefined \
		-Isrc/splines -Isrc/curves -Isrc/widgets -Isrc/frame -Isrc/frame/platform \
		tests/fuzz/KnotTextFuzzer.cpp src/splines/KnotText.cpp src/splines/Tokenizer.cpp \
		src/splines/DeBoorCurve.cpp -o $(FUZZ_DIR)/knot_text
	$(FUZZ_DIR)/knot_text -max_total_time=$(FUZZ_SECONDS) -max_len=255 $(FUZZ_DIR)/corpus

deps:
	@missing=""; \
	for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
		echo "installing:$$missing"; \
		sudo=""; [ "$$(id -u)" -ne 0 ] && sudo=sudo; \
		$$sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y -qq $$missing; \
	fi

debug: deps
	cmake -S . -B $(DEBUG_DIR) -DCMAKE_BUILD_TYPE=Debug >/dev/null
	cmake --build $(DEBUG_DIR) -j$(JOBS)

release: deps
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(RELEASE_DIR) -j$(JOBS) --target tessary

clean:
	rm -rf build
