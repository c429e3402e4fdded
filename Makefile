# make run: set up (Debian packages, configure, build) and start tessary.
# make test: set up and run every test (unit, headless frame, end-to-end under Xvfb), then the
#            Windows build's tests under Wine (skipped, with one line, where Wine cannot be had),
#            then the browser build's tests under node and in Chromium.
# make bench: build the benchmarks in Release and print their table.
# make bench-web: the browser build's redraw times beside the native Release build's.
# make windows: build the Windows program, build/windows/tessary.exe, with mingw-w64.
# make web: build the page, build/web/ (index.html, tessary.js, tessary.wasm, the icon), with em++.
# make run-web: build the page and serve it on 127.0.0.1 until Ctrl+C.
# make fuzz: fuzz the knot and degree texts with libFuzzer (clang) for FUZZ_SECONDS seconds.
# make package: the Debian package build/release/tessary_<version>_amd64.deb, made by CPack.
# make pictures: the README's pictures in docs/, made by the Linux program, tessary.exe and the page.

PACKAGES := cmake make g++ pkg-config libfltk1.3-dev libcairo2-dev libx11-dev fonts-dejavu-core
# Only the tests need these: GoogleTest, Boost's exact integers, an X server with the tools that
# drive it, and lintian for the package.
TEST_PACKAGES := libgtest-dev libboost-dev xvfb xauth xdotool imagemagick x11-utils openbox wmctrl lintian
# CPack finds the package's dependencies with file and dpkg-shlibdeps.
PACKAGE_PACKAGES := dpkg-dev file
BENCH_PACKAGES := libbenchmark-dev
# The Windows build and its tests under Wine.
WINDOWS_PACKAGES := g++-mingw-w64-x86-64-posix wine wine64 fonts-wine
# The browser build (em++ finds Debian's acorn through NODE_PATH), the server of make run-web,
# and the browser its tests drive.
WEB_PACKAGES := cmake make emscripten node-acorn python3
WEB_TEST_PACKAGES := chromium
WEB_ENV := NODE_PATH=/usr/share/nodejs
WEB_BUILD_DIR := build/emscripten
WEB_DIR := build/web
WEB_PORT ?= 8023
DEBUG_DIR := build/debug
RELEASE_DIR := build/release
WINDOWS_DIR := build/windows
JOBS := $(shell nproc 2>/dev/null || echo 2)
FUZZ_DIR := build/fuzz
FUZZ_SECONDS ?= 60

.PHONY: run test bench bench-web fuzz deps test-deps bench-deps debug release windows windows-deps windows-configure \
        test-windows web web-deps web-configure run-web test-web package package-deps test-package pictures clean

# The display is checked first, so that nothing is built for a program that cannot start.
run:
	@if [ -z "$$DISPLAY" ]; then \
		echo "tessary needs a display: run 'make run' on a desktop, or headless as 'xvfb-run -a make run'"; \
		exit 1; \
	fi
	@$(MAKE) --no-print-directory release
	./$(RELEASE_DIR)/tessary

test: debug
	cd $(DEBUG_DIR) && ctest --output-on-failure -j1
	@grep -h '^stress: \|^fuzz: \|^random: ' $(DEBUG_DIR)/Testing/Temporary/LastTest.log
	@mkdir -p build
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=10 >build/fuzz.log 2>&1 || { tail -n 40 build/fuzz.log; exit 1; }
	@echo "knot text fuzzer, 10 s: $$(grep -a '^Done' build/fuzz.log)"
	@$(MAKE) --no-print-directory test-package
	@$(MAKE) --no-print-directory test-windows
	@$(MAKE) --no-print-directory test-web

bench: bench-deps release
	cmake --build $(RELEASE_DIR) -j$(JOBS) --target benchmarks
	bash bench/run.sh $(RELEASE_DIR)

# The browser build's redraw times beside the native ones.
bench-web: bench-deps release web
	cmake --build $(RELEASE_DIR) -j$(JOBS) --target benchmarks
	$(WEB_ENV) cmake --build $(WEB_BUILD_DIR) -j$(JOBS) --target web_redraw_times
	bash bench/web.sh $(RELEASE_DIR) $(WEB_BUILD_DIR)

fuzz: deps
	@$(call install_missing,clang libclang-rt-14-dev,)
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=OFF \
		-DTESSARY_FUZZ=ON >/dev/null
	cmake --build $(FUZZ_DIR) -j$(JOBS) --target knot_text_fuzzer
	mkdir -p $(FUZZ_DIR)/corpus
	$(FUZZ_DIR)/tests/fuzz/knot_text_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=255 $(FUZZ_DIR)/corpus

# Installs those of the Debian packages $(1) that are missing, with the apt-get options $(2).
define install_missing
	missing=""; \
	for p in $(1); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
		echo "installing:$$missing"; \
		sudo=""; [ "$$(id -u)" -ne 0 ] && sudo=sudo; \
		$$sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y -qq $(2) $$missing; \
	fi
endef

deps:
	@$(call install_missing,$(PACKAGES),)

test-deps:
	@$(call install_missing,$(TEST_PACKAGES),)

package-deps:
	@$(call install_missing,$(PACKAGE_PACKAGES),)

bench-deps:
	@$(call install_missing,$(BENCH_PACKAGES),)

windows-deps:
	@$(call install_missing,$(WINDOWS_PACKAGES),--no-install-recommends)

debug: deps test-deps
	cmake -S . -B $(DEBUG_DIR) -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON >/dev/null
	cmake --build $(DEBUG_DIR) -j$(JOBS)

release: deps
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
	cmake --build $(RELEASE_DIR) -j$(JOBS) --target tessary

package: release package-deps
	rm -f $(RELEASE_DIR)/tessary_*.deb
	cd $(RELEASE_DIR) && cpack

test-package: package test-deps
	bash tests/package.sh $(RELEASE_DIR)/tessary_*.deb

# The Windows picture runs in the tests' Wine prefix.
pictures: release test-deps windows web
	bash docs/pictures.sh $(RELEASE_DIR)/tessary
	bash tests/windows/prefix.sh $(CURDIR)/$(WINDOWS_DIR)/wine
	ONE_PICTURE=windows bash tests/windows/e2e.sh $(CURDIR)/$(WINDOWS_DIR)/wine docs/pictures.sh $(WINDOWS_DIR)/tessary.exe
	@$(call install_missing,$(WEB_TEST_PACKAGES),--no-install-recommends)
	ONE_PICTURE=web WEB_PAGE_DIR=$(CURDIR)/$(WEB_DIR) bash docs/pictures.sh tests/web/page.sh

# The program alone, or with its tests for test-windows (WINDOWS_TESTS=ON).
WINDOWS_TESTS ?= OFF
windows-configure: deps windows-deps
	cmake -S . -B $(WINDOWS_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
		-DBUILD_TESTING=$(WINDOWS_TESTS) >/dev/null

windows: windows-configure
	cmake --build $(WINDOWS_DIR) -j$(JOBS) --target tessary

# The Windows programs and tests under Wine. Where Wine cannot be installed (no package,
# no disk), one line says so and nothing is counted as passed.
test-windows: deps test-deps
	@mkdir -p build
	@if $(MAKE) --no-print-directory windows-deps >build/windows-deps.log 2>&1; then \
		$(MAKE) --no-print-directory windows-configure WINDOWS_TESTS=ON && \
		cmake --build $(WINDOWS_DIR) -j$(JOBS) && \
		cd $(WINDOWS_DIR) && ctest --output-on-failure -j1; \
	else \
		echo "SKIPPED: Windows tests: cannot install $(WINDOWS_PACKAGES) (see build/windows-deps.log)"; \
	fi

web-deps:
	@$(call install_missing,$(WEB_PACKAGES),--no-install-recommends)

# The page alone, or with the tests of test-web (WEB_TESTS=ON).
WEB_TESTS ?= OFF
web-configure: web-deps
	$(WEB_ENV) emcmake cmake -S . -B $(WEB_BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=$(WEB_TESTS) \
		-DTESSARY_PAGE_DIR=$(CURDIR)/$(WEB_DIR) >/dev/null

web: web-configure
	$(WEB_ENV) cmake --build $(WEB_BUILD_DIR) -j$(JOBS) --target tessary

run-web: web
	@echo "tessary: http://127.0.0.1:$(WEB_PORT)/ (Ctrl+C ends the server)"
	python3 -m http.server --bind 127.0.0.1 --directory $(WEB_DIR) $(WEB_PORT)

# The mathematics' unit tests under node, the end-to-end scripts against the page in Chromium.
test-web: deps test-deps web-deps
	@$(call install_missing,$(WEB_TEST_PACKAGES),--no-install-recommends)
	$(MAKE) --no-print-directory web-configure WEB_TESTS=ON
	$(WEB_ENV) cmake --build $(WEB_BUILD_DIR) -j$(JOBS)
	cd $(WEB_BUILD_DIR) && $(WEB_ENV) ctest --output-on-failure -j1
	@grep -h '^random: ' $(WEB_BUILD_DIR)/Testing/Temporary/LastTest.log

clean:
	rm -rf build
