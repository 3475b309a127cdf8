# Three commands on a fresh Debian machine:
#   make release  builds what users get: build/release/Clearwell.exe and its installer
#                 build/release/Clearwell-2.10-setup.exe
#   make run      builds what is needed and runs the release under Wine (the demo)
#   make test     builds every build and runs every test
# Everything that is missing is installed first (scripts/install-deps.sh).

BUILD      := build
# Several checkouts may test side by side on one machine: each takes its own SLOT (0-9),
# which picks the local test server's port and the Xvfb display.
SLOT       ?= 0
TEST_PORT  := $(shell expr 18321 + 10 \* $(SLOT))
export CW_TEST_HTTP_PORT := $(TEST_PORT)
export CW_TEST_DISPLAY := :$(shell expr 90 + $(SLOT))
CMAKE_GEN  := -G Ninja
HOST_FLAGS := -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=g++ -DCMAKE_C_COMPILER=gcc
# The test build talks to the local test server instead of the maker's.
TARGET_FLAGS := -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686-posix.cmake \
	-DCW_SERVER_URL=http://127.0.0.1:$(TEST_PORT) \
	-DCW_CONNECTION_TEST_URL=http://127.0.0.1:$(TEST_PORT)/ \
	-DCW_RELAY_MS_PER_SECOND=100 -DCW_SCHEDULER_INTERVAL_MS=1000 \
	-DCW_UPDATE_PUBLIC_KEY=tests/keys/test-public.pem
# The release: the maker's server, the real waits and the 10 s schedule timer, as
# CMakeLists.txt sets them, and the maker's public key (-U drops values a test configuration
# may have left in the cache).
RELEASE_FLAGS := -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
	-DCW_RELEASE=ON -UCW_SERVER_URL -UCW_CONNECTION_TEST_URL -UCW_MAKER_WEB_ADDRESS \
	-UCW_RELAY_MS_PER_SECOND -UCW_SCHEDULER_INTERVAL_MS -UCW_UPDATE_PUBLIC_KEY
FUZZ_FLAGS := -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang \
	-DCW_FUZZ=ON

.PHONY: all deps host target target64 release test run fuzz fuzz-build bench format clean sign

all: host target

deps:
	@scripts/install-deps.sh

host: deps
	@cmake -S . -B $(BUILD)/host $(CMAKE_GEN) $(HOST_FLAGS) >/dev/null
	@cmake --build $(BUILD)/host

target: deps
	@cmake -S . -B $(BUILD)/target $(CMAKE_GEN) $(TARGET_FLAGS) >/dev/null
	@cmake --build $(BUILD)/target

# The same test build for 64-bit Windows, for machines that cannot run 32-bit programs: the
# Wine tests then run it under wine64 (scripts/wine-arch.sh).
target64: deps
	@cmake -S . -B $(BUILD)/target64 $(CMAKE_GEN) $(TARGET_FLAGS) \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake >/dev/null
	@cmake --build $(BUILD)/target64

release: deps
	@cmake -S . -B $(BUILD)/release $(CMAKE_GEN) $(RELEASE_FLAGS) >/dev/null
	@cmake --build $(BUILD)/release
	@scripts/sign-release.sh $(BUILD)/release/Clearwell.exe

test: host target release fuzz-build
	@if [ "$$(scripts/wine-arch.sh)" = win64 ]; then $(MAKE) --no-print-directory target64; fi
	@python3 scripts/run-tests.py

run: target release
	@scripts/run.sh

fuzz-build: deps
	@cmake -S . -B $(BUILD)/fuzz $(CMAKE_GEN) $(FUZZ_FLAGS) >/dev/null
	@cmake --build $(BUILD)/fuzz

# Every fuzz target for FUZZ_SECONDS (default 60) each; make test runs them for 10 s.
fuzz: fuzz-build
	@scripts/run-fuzz.sh $(BUILD)/fuzz

# The benchmarks (scripts/run-bench.sh): the test build of the Wine this machine runs.
bench: deps
	@if [ "$$(scripts/wine-arch.sh)" = win64 ]; then $(MAKE) --no-print-directory target64; \
	else $(MAKE) --no-print-directory target; fi
	@scripts/run-bench.sh

# Signs build/release/Clearwell.exe as Clearwell.sig with the maker's private key:
#   make sign CW_SIGNING_KEY=/path/to/maker-private.pem
sign:
	@scripts/sign-release.sh

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)
