# kavro: the two commands of the README, and their parts.
#   make test   installs what is missing, builds, runs every test under Wine
#   make demo   installs what is missing, builds, runs the gallery
BUILD_DIR ?= build
JOBS ?= 2
CTEST_ARGS ?=
SHOTS_DIR ?= $(BUILD_DIR)/screenshots

.PHONY: all deps configure build test approve-pictures demo bench install format clean help

all: build

help:
	@echo "make test    - install missing packages, build, run all tests under Wine"
	@echo "make demo    - install missing packages, build, run the gallery (screenshots when headless)"
	@echo "make build   - build only;  make install PREFIX=dir - write the relocatable package"
	@echo "make bench   - run the benchmarks (they print ratios)"
	@echo "make format  - put every C++ source into the house style (tools/format.sh)"
	@echo "make approve-pictures - write the tests' approved pictures anew (look at what changed)"
	@echo "variables: BUILD_DIR=$(BUILD_DIR) JOBS=$(JOBS) CTEST_ARGS='-L afx_tests' GTEST_FILTER='Dialog.*'"

deps:
	@tools/bootstrap.sh

configure: deps
	@test -f $(BUILD_DIR)/build.ninja || cmake --preset mingw -B $(BUILD_DIR)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	tools/run-tests.sh $(BUILD_DIR) -j 1 $(CTEST_ARGS)

# Writes the pictures the tests compare with (tests/*/pictures/<dpi>/*.png)
# from what the controls draw now. Look at every picture that changed before
# committing it.
approve-pictures: build
	KAVRO_APPROVE_PICTURES=1 tools/run-tests.sh $(BUILD_DIR) -j 1 $(CTEST_ARGS)
	git status --short -- 'tests/*/pictures'

demo: build
	tools/run-demo.sh $(BUILD_DIR) $(SHOTS_DIR)

# Benchmarks print ratios; they are not part of the test suite. Headless,
# as the tests run.
# DIRTREE_BENCH_FOLDERS: folders in the smaller directory-tree run (10000).
# codepage-bench runs itself in code pages 1252 and 932 and prints the ratios.
bench: build
	DISPLAY= $(BUILD_DIR)/wine-run.sh $(BUILD_DIR)/bin/dirlist-bench.exe
	DISPLAY= $(BUILD_DIR)/wine-run.sh $(BUILD_DIR)/bin/static-paint-bench.exe
	DISPLAY= $(BUILD_DIR)/wine-run.sh $(BUILD_DIR)/bin/tree-width-bench.exe
	DISPLAY= $(BUILD_DIR)/wine-run.sh $(BUILD_DIR)/bin/dirtree-bench.exe $(DIRTREE_BENCH_FOLDERS)
	DISPLAY= $(BUILD_DIR)/wine-run.sh $(BUILD_DIR)/bin/progress-step-bench.exe
	DISPLAY= $(BUILD_DIR)/wine-run.sh $(BUILD_DIR)/bin/button-paint-bench.exe
	DISPLAY= $(BUILD_DIR)/wine-run.sh $(BUILD_DIR)/bin/clipboard-bench.exe
	DISPLAY= $(BUILD_DIR)/wine-run.sh $(BUILD_DIR)/bin/edit-large-text-bench.exe
	DISPLAY= $(BUILD_DIR)/wine-run.sh $(BUILD_DIR)/bin/list-scroll-bench.exe
	DISPLAY= $(BUILD_DIR)/wine-run.sh $(BUILD_DIR)/bin/form-fields-bench.exe
	DISPLAY= $(BUILD_DIR)/wine-run.sh $(BUILD_DIR)/bin/codepage-bench.exe

PREFIX ?= $(BUILD_DIR)/package
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

format: deps
	tools/format.sh

clean:
	rm -rf $(BUILD_DIR)
