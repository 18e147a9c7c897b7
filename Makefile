# The two commands of the README: `make run` and `make test`.
# Both install what is missing, configure and build before doing their job.
#
#   make test              normal build and its suite, then the sanitizer build and its suite
#   make test SANITIZE=0   normal build only
#   make test SANITIZE=1   sanitizer build (AddressSanitizer + UBSan) only
#   make bench             builds and runs the benchmarks
#   make mapdata           makes the two finest coastline levels (installs GMT)
#   make fuzz              runs the fuzz targets (codec, pictures) FUZZ_SECONDS each (600)
#   make tsan              the threaded tests (interpolation worker, transfer threads, mail send) under ThreadSanitizer

SANITIZE ?= both
JOBS ?= $(shell nproc)
CMAKE_TYPE ?= RelWithDebInfo

FUZZ_SECONDS ?= 600

.PHONY: all deps configure build build-asan build-fuzz run mapdata test test-normal test-asan \
        test-suites fuzz tsan bench clean

all: build

deps:
	@sh tools/install-deps.sh

configure: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=$(CMAKE_TYPE)

build: configure
	cmake --build build -j $(JOBS)

build-asan: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQUENBREL_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)

# The fuzz targets want clang's libFuzzer: a build of their own.
build-fuzz: deps
	CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DQUENBREL_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS)

fuzz: build-fuzz
	sh tests/fuzz.sh build-fuzz $(FUZZ_SECONDS)

# The worker thread and the GUI thread share the log, the flag and the
# paths; the transfer threads share the slots, lockdir/ and the history:
# their tests under ThreadSanitizer, in a build of its own.
tsan: deps
	cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DQUENBREL_TSAN=ON
	cmake --build build-tsan -j $(JOBS) --target gribdata_interpolation transport_http \
	    transport_smtp
	cd build-tsan/tests/gribdata/gribdata_interpolation.d && \
	    TSAN_OPTIONS=halt_on_error=1 ../gribdata_interpolation --gtest_filter='*Thread*'
	cd build-tsan/tests/transport/transport_http.d && env -u DISPLAY TSAN_OPTIONS=halt_on_error=1 \
	    ../transport_http --gtest_filter='Canaux.*:EnvoiDirect.*:SystemeHttp.*:*Dripped*:Reponses.AWholeAnswerIsFiledThoughTheServerStaysOpen'
	cd build-tsan/tests/transport/transport_smtp.d && env -u DISPLAY TSAN_OPTIONS=halt_on_error=1 \
	    ../transport_smtp --gtest_filter='EnvoiSmtp.*'

# Builds the program alone (tests and benchmarks wait for `make test` and
# `make bench`). The two finest coastline levels are too large for the
# repository: the first run makes them. The program runs without them
# (coarser coasts at deep zoom), so a failure here does not stop it.
run: configure
	cmake --build build -j $(JOBS) --target quenbrel2
	@[ -f data/img/data4.dat.gz ] && [ -f data/img/data5.dat.gz ] || \
	    $(MAKE) --no-print-directory mapdata || \
	    echo "coastline levels 4 and 5 not made: deep zooms show level 3"
	@sh tools/run.sh build

mapdata: configure
	cmake --build build -j $(JOBS) --target cotes
	sh tools/cotes/donnees.sh build 4 5

# Every test runs under one X server; headless tests have DISPLAY removed by CTest.
# The search for a free display starts at a random number, so that suites run
# side by side on one machine do not race for the same one; -noreset keeps the
# server from resetting whenever its last client leaves, which refuses the
# tests that connect at that moment.
define run_suite
	cd $(1) && xvfb-run -a -n $$(shuf -i 100-30000 -n 1) -s "-screen 0 1280x1024x24 -noreset" \
	    ctest --output-on-failure --timeout 300 -j $(JOBS)
endef

test-normal: build
	$(call run_suite,build)

test-asan: build-asan
	$(call run_suite,build-asan)

ifeq ($(SANITIZE),1)
test: test-asan
else ifeq ($(SANITIZE),0)
test: test-normal
else
# Both suites, while the fuzz targets run 15 s each beside them.
test: build-fuzz
	@rm -f build-fuzz/court.rc
	@(sh tests/fuzz.sh build-fuzz 15 > build-fuzz/court.log 2>&1; \
	  echo $$? > build-fuzz/court.rc) &
	$(MAKE) --no-print-directory test-suites
	@while [ ! -f build-fuzz/court.rc ]; do sleep 1; done; cat build-fuzz/court.log; \
	  exit $$(cat build-fuzz/court.rc)

test-suites: test-normal
	$(MAKE) --no-print-directory test-asan
endif

bench: build
	@sh tools/install-deps.sh bench
	sh bench/run.sh build

clean:
	rm -rf build build-asan build-fuzz build-tsan
