# make test  - builds the native, x86_64 and i686 configurations and runs every test
# make show  - builds everything, exports the sample show's slides to out/show/ and plays it
#              under Wine (ARCH=win64 for the 64-bit build)
# make demo  - builds everything and runs QernoDemo.exe under Wine; output in out/demo/
#              (ARCH=win64 runs the 64-bit build, into out/demo-win64/)
# make soak  - runs QernoSoak.exe of both builds under Wine, 2000 cycles of each media kind, and
#              checks what the process holds stays flat; figures in out/soak/
# make dist  - lays out dist/win32 and dist/win64 for host developers, the reference included
# make example - builds examples/host and the README's host from both SDKs and runs each under Wine
# make docs - the API reference of include/ in out/docs/html, with pictures the library draws
#             under Wine; any Doxygen warning fails it
SHELL := /bin/bash
BUILD ?= $(CURDIR)/build
RESGEN := $(BUILD)/native/bin/qerno_resgen
JOBS ?= $(shell nproc)
export QERNO_WINE_DIR := $(BUILD)/wine
# Wine's loader for each build's programs.
WINE_win64 := /usr/lib/wine/wine64
WINE_win32 := /usr/lib/wine/wine
# The product is the 32-bit build.
ARCH ?= win32
DEMO_OUT := out/demo$(if $(filter win64,$(ARCH)),-win64)
# Comparison programs under Wine, beside log_record_cost.exe.
WINE_BENCHMARKS := curve_vs_gdi.exe mci_query_cost.exe fill_vs_gdi.exe fancy_vs_gdi.exe \
    bar_paint_vs_blit.exe waveout_vs_bare.exe

.PHONY: all setup native win64 win32 test wine-checks show soak demo dist example hosts bench docs \
    clean

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

# Both builds' Wine tests and the hosts share one session: a Wine start costs seconds.
test: native win64 win32
	ctest --test-dir $(BUILD)/native --output-on-failure
	scripts/wine-session.sh $(MAKE) --no-print-directory wine-checks
	scripts/check-package-arch.sh $(BUILD)

# wine-checks and hosts expect the builds made; run outside a session, each program opens one.
wine-checks:
	ctest --test-dir $(BUILD)/win64 --output-on-failure
	ctest --test-dir $(BUILD)/win32 --output-on-failure
	$(MAKE) --no-print-directory hosts

# The sample show's media path leads from its folder to the generated media.
show: $(ARCH)
	@mkdir -p out/show
	@scripts/register-sample-plugins.sh $(ARCH)
	cd $(BUILD)/$(ARCH)/bin && $(CURDIR)/scripts/wine-session.sh bash -c \
	    '$(WINE_$(ARCH)) QernoShow.exe --export "Z:$(subst /,\,$(CURDIR)/out/show)" shows/sample/sample.ini && \
	    $(WINE_$(ARCH)) QernoShow.exe shows/sample/sample.ini'
	@ls out/show

soak: win64 win32
	@mkdir -p out/soak
	scripts/wine-session.sh bash -c 'set -o pipefail; status=0; \
	    $(WINE_win64) $(BUILD)/win64/bin/QernoSoak.exe | tee out/soak/win64.txt || status=1; \
	    $(WINE_win32) $(BUILD)/win32/bin/QernoSoak.exe | tee out/soak/win32.txt || status=1; \
	    exit $$status'

demo: $(ARCH)
	@mkdir -p $(DEMO_OUT)
	@scripts/register-sample-plugins.sh $(ARCH)
	cd $(BUILD)/$(ARCH)/bin && $(CURDIR)/scripts/wine-session.sh \
	    $(WINE_$(ARCH)) QernoDemo.exe --out 'Z:$(subst /,\,$(CURDIR)/$(DEMO_OUT))'
	@cp $(BUILD)/$(ARCH)/resources/generated/contact_sheet.png $(DEMO_OUT)/resources-contact-sheet.png
	@ls $(DEMO_OUT)

# Native benchmarks without sanitizers, then the Wine comparison programs of both builds, their
# output in out/bench/BUILD.txt and their ratios gathered in out/bench/ratios.tsv.
bench: win64 win32
	@cmake -S . -B $(BUILD)/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQERNO_SANITIZE=OFF \
	    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	@cmake --build $(BUILD)/bench -j $(JOBS)
	$(BUILD)/bench/bin/qerno_benchmarks
	@mkdir -p out/bench
	$(CURDIR)/scripts/wine-session.sh bash -c '$(foreach arch,win64 win32,echo "== $(arch)"; \
	    cd $(BUILD)/$(arch)/bin; \
	    for program in log_record_cost.exe $(WINE_BENCHMARKS); do \
	    $(CURDIR)/scripts/bench-quiet-run.sh $(WINE_$(arch)) $$program; \
	    done | tee $(CURDIR)/out/bench/$(arch).txt;)'
	scripts/bench-ratios.sh out/bench/win64.txt out/bench/win32.txt >out/bench/ratios.tsv
	@cat out/bench/ratios.tsv

# Each SDK carries the reference, pictures and all.
dist: win32 win64 docs
	@rm -rf dist
	cmake --install $(BUILD)/win32 --prefix dist/win32 --component sdk
	cmake --install $(BUILD)/win64 --prefix dist/win64 --component sdk
	mkdir -p dist/win32/share/doc/Qerno dist/win64/share/doc/Qerno
	cp -R out/docs/html dist/win32/share/doc/Qerno/
	cp -R out/docs/html dist/win64/share/doc/Qerno/

# The example host is built the way a host developer builds it: from the SDK's CMake package
# alone, $(1) with the toolchain file it ships for $(2). Its SDK is laid out under $(BUILD), so
# that the user's dist/ is left alone.
define example-host
	@cmake --install $(BUILD)/$(1) --prefix $(BUILD)/dist/$(1) --component sdk >/dev/null
	@cmake -S examples/host -B $(BUILD)/example-$(1) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	    $(if $(wildcard $(BUILD)/example-$(1)/CMakeCache.txt),,-DCMAKE_TOOLCHAIN_FILE=$(BUILD)/dist/$(1)/lib/cmake/Qerno/toolchain-$(2).cmake) \
	    -DCMAKE_PREFIX_PATH=$(BUILD)/dist/$(1) >/dev/null
	@cmake --build $(BUILD)/example-$(1)
	cd $(BUILD)/example-$(1) && $(CURDIR)/scripts/wine-session.sh $(WINE_$(1)) host.exe
endef

example: win64 win32
	scripts/wine-session.sh $(MAKE) --no-print-directory hosts

hosts:
	$(call example-host,win64,x86_64-w64-mingw32)
	$(call example-host,win32,i686-w64-mingw32)
	scripts/readme-host.sh $(BUILD) win64 win32

# The library draws the reference's pictures itself, under Wine, before Doxygen takes them up.
docs: $(ARCH)
	@scripts/setup.sh doxygen
	@rm -rf out/docs
	@mkdir -p out/docs/pictures
	@scripts/register-sample-plugins.sh $(ARCH)
	cd $(BUILD)/$(ARCH)/bin && $(CURDIR)/scripts/wine-session.sh \
	    $(WINE_$(ARCH)) ReferencePictures.exe 'Z:$(subst /,\,$(CURDIR)/out/docs/pictures)'
	doxygen docs/Doxyfile
	@echo "out/docs/html/index.html"

clean:
	rm -rf $(BUILD) out dist
