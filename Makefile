# Everything a fresh Debian 12 machine needs: `make run` starts Kestrove, `make test` runs the suite.
BUILD_DIR ?= build/dev
ASAN_DIR ?= build/asan
JOBS ?= 2
# The journeys spend most of their time waiting on windows and files: four at a time keep two
# cores busy.
TEST_JOBS ?= 4

.PHONY: all deps build run test test-asan format format-check validate-data package bench fuzz clean

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	@bash scripts/run-kestrove.sh $(BUILD_DIR)/src/app/kestrove $(ARGS)

# `make test SUBJECT=playback` builds and runs one subject's tests (a folder under tests/, or e2e).
ifdef SUBJECT
test: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD_DIR) -j$(JOBS) --target tests_$(SUBJECT)
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j$(TEST_JOBS) -L '^$(SUBJECT)$$'
else
test: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j$(TEST_JOBS)
endif

test-asan: deps
	@cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DKESTROVE_SANITIZE=ON -DKESTROVE_BENCH=OFF >/dev/null
	@cmake --build $(ASAN_DIR) -j$(JOBS)
	@ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --test-dir $(ASAN_DIR) --output-on-failure -j$(JOBS)

SOURCES = $(shell git ls-files --cached --others --exclude-standard 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' 'fuzz/*.cpp')

format:
	@clang-format -i $(SOURCES)

format-check: deps
	@clang-format --dry-run -Werror $(SOURCES)

# The desktop entry and the AppStream metainfo as desktops and software centres read them.
validate-data: deps
	@desktop-file-validate data/org.kestrove.Kestrove.desktop
	@appstreamcli validate --no-net data/org.kestrove.Kestrove.metainfo.xml

PACKAGE_DIR ?= build/package

# A Debian package of a release build: `apt install ./kestrove_*.deb` installs it.
package: deps
	@cmake -S . -B $(PACKAGE_DIR) -DCMAKE_BUILD_TYPE=Release -DKESTROVE_TESTS=OFF -DKESTROVE_BENCH=OFF >/dev/null
	@cmake --build $(PACKAGE_DIR) -j$(JOBS)
	@cd $(PACKAGE_DIR) && cpack -G DEB
	@cp $(PACKAGE_DIR)/kestrove_*.deb .
	@ls kestrove_*.deb

FUZZ_SECONDS ?= 600

# The header readers under libFuzzer for FUZZ_SECONDS (clang is installed for it on request).
fuzz: deps
	@bash scripts/install-deps.sh clang
	@cmake -S fuzz -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build build/fuzz -j$(JOBS)
	@mkdir -p build/fuzz/corpus build/fuzz/midi-corpus build/fuzz/facts-corpus
	@build/fuzz/fuzz_riff_headers -max_total_time=$(FUZZ_SECONDS) build/fuzz/corpus
	@build/fuzz/fuzz_midi_timing -max_total_time=$(FUZZ_SECONDS) build/fuzz/midi-corpus
	@build/fuzz/fuzz_picture_facts -max_total_time=$(FUZZ_SECONDS) build/fuzz/facts-corpus

bench: build
	@bash bench/run $(NAME)

clean:
	rm -rf build
