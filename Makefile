# make test  - builds the native, x86_64 and i686 configurations and runs every test
# make demo  - builds everything and runs QernoDemo.exe under Wine; output in out/demo/
# make dist  - lays out dist/win32 and dist/win64 for host developers
# make example - builds examples/host from the x86_64 SDK and runs it under Wine
# make docs - the API reference of include/ in out/docs/html; any Doxygen warning fails it
SHELL := /bin/bash
BUILD ?= $(CURDIR)/build
RESGEN := $(BUILD)/native/bin/qerno_resgen
JOBS ?= $(shell nproc)
export QERNO_WINE_DIR := $(BUILD)/wine
# Comparison programs under Wine, beside log_record_cost.exe.
WINE_BENCHMARKS := curve_vs_gdi.exe mci_query_cost.exe fill_vs_gdi.exe fancy_vs_gdi.exe \
    bar_paint_vs_blit.exe waveout_vs_bare.exe

.PHONY: all setup native win64 win32 test demo dist example bench docs clean

all: win32 win64

setup:
	@scripts/setup.sh

native: setup
	@cmake -S . -B $(BUILD)/native -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	@cmake --build $(BUILD)/native -j $(JOBS)

win64: TRIPLE := x86_64-w64-mingw32
win32: TRIPLE := i686-w64-mingw32
win64 win32: native
	@cmake -S . -B $(BUILD)/$@ -G Ninja -DCMAKE_BUILD_TYPE=Release \
	    $(if $(wildcard $(BUILD)/$@/CMakeCache.txt),,-DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-$(TRIPLE).cmake) \
	    -DQERNO_RESGEN=$(RESGEN) >/dev/null
	@cmake --build $(BUILD)/$@ -j $(JOBS)

test: native win64 win32
	ctest --test-dir $(BUILD)/native --output-on-failure
	scripts/wine-session.sh ctest --test-dir $(BUILD)/win64 --output-on-failure
	ctest --test-dir $(BUILD)/win32 --output-on-failure
	$(example-host)
	scripts/check-package-arch.sh $(BUILD)

demo: win64
	@mkdir -p out/demo
	@scripts/register-sample-plugins.sh
	cd $(BUILD)/win64/bin && $(CURDIR)/scripts/wine-session.sh \
	    /usr/lib/wine/wine64 QernoDemo.exe --out 'Z:$(subst /,\,$(CURDIR)/out/demo)'
	@cp $(BUILD)/win64/resources/generated/contact_sheet.png out/demo/resources-contact-sheet.png
	@ls out/demo

# Native benchmarks without sanitizers, then the Wine comparison programs.
bench: win64
	@cmake -S . -B $(BUILD)/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQERNO_SANITIZE=OFF \
	    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	@cmake --build $(BUILD)/bench -j $(JOBS)
	$(BUILD)/bench/bin/qerno_benchmarks
	cd $(BUILD)/win64/bin && $(CURDIR)/scripts/wine-session.sh \
	    bash -c 'for program in log_record_cost.exe $(WINE_BENCHMARKS); do /usr/lib/wine/wine64 $$program; done'

dist: win32 win64
	@rm -rf dist
	cmake --install $(BUILD)/win32 --prefix dist/win32 --component sdk
	cmake --install $(BUILD)/win64 --prefix dist/win64 --component sdk

# The example host is built the way a host developer builds it: from the SDK's CMake package
# alone. Its SDK is laid out under $(BUILD), so that the user's dist/ is left alone.
define example-host
	@cmake --install $(BUILD)/win64 --prefix $(BUILD)/dist/win64 --component sdk >/dev/null
	@cmake -S examples/host -B $(BUILD)/example -G Ninja -DCMAKE_BUILD_TYPE=Release \
	    $(if $(wildcard $(BUILD)/example/CMakeCache.txt),,-DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/toolchain-x86_64-w64-mingw32.cmake) \
	    -DCMAKE_PREFIX_PATH=$(BUILD)/dist/win64 >/dev/null
	@cmake --build $(BUILD)/example
	cd $(BUILD)/example && $(CURDIR)/scripts/wine-session.sh /usr/lib/wine/wine64 host.exe
endef

example: win64
	$(example-host)

# Doxygen alone is installed when missing: the reference needs no compiler.
docs:
	@scripts/setup.sh doxygen
	@mkdir -p out/docs
	doxygen docs/Doxyfile
	@echo "out/docs/html/index.html"

clean:
	rm -rf $(BUILD) out dist
