# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Regenbogen authors
# Front door of the project. Every target installs what it needs first, and
# only that: `make run` what building and running the programs needs.
#   make run [APP=tavrin|prisma|streu]   build the three programs and start one
#   make test                            build and run every test headless
#   make gallery                         screenshots of every window state
#   make translations                    bring the translation file up to date
#   make bench                           benchmarks (optimised build)
#   make soak                            the long robustness run
#   make asan                            tests in the sanitizer build
#   make tsan                            the tests of threaded code under the
#                                        thread sanitizer
#   make install [PREFIX=..] [DESTDIR=..] install the programs, launchers, icons,
#                                        metadata and manual pages
#   make package                         the Debian package (debian/), in $(BUILD)

BUILD      ?= build
ASAN_BUILD ?= build-asan
TSAN_BUILD ?= build-tsan
# The tests whose code under test runs threads of its own.
TSAN_TESTS ?= optics_test wavemodel_test sunlight_test
BENCH_BUILD?= build-bench
APP        ?= tavrin
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=
PREFIX     ?= /usr/local
DESTDIR    ?=
SCREENS    := $(CURDIR)/tests/screens
PROGRAMS   := tavrin prisma streu
VERSION     = $(shell dpkg-parsechangelog -S Version)

.PHONY: all deps test-deps build programs run test gallery translations bench soak asan tsan install package clean

all: build

deps:
	@scripts/install-deps

test-deps:
	@scripts/install-deps --test

# A first configuration by `make run` leaves the tests out (GoogleTest need
# not be there); `make test` and the others turn them on.
$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREGENBOGEN_TESTS=OFF $(CMAKE_ARGS)

programs: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS) --target $(PROGRAMS)

# Everything: the programs, their data, the tests and the gallery.
build: test-deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREGENBOGEN_TESTS=ON $(CMAKE_ARGS)
	cmake --build $(BUILD) -j$(JOBS)

run: programs
	@BUILD=$(BUILD) scripts/run-app $(APP)

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

gallery: build
	@rm -rf $(BUILD)/gallery
	QT_QPA_PLATFORM=offscreen:configfile=$(SCREENS)/1920x1080.json $(BUILD)/bin/regenbogen_gallery $(BUILD)/gallery
	QT_QPA_PLATFORM=offscreen:configfile=$(SCREENS)/1920x1080@2.json $(BUILD)/bin/regenbogen_gallery $(BUILD)/gallery @2x
	QT_QPA_PLATFORM=offscreen:configfile=$(SCREENS)/1366x768.json $(BUILD)/bin/regenbogen_gallery $(BUILD)/gallery -1366x768
	QT_QPA_PLATFORM=offscreen:configfile=$(SCREENS)/1024x768.json $(BUILD)/bin/regenbogen_gallery $(BUILD)/gallery -1024x768
	QT_QPA_PLATFORM=offscreen:configfile=$(SCREENS)/1920x1080.json $(BUILD)/bin/regenbogen_gallery $(BUILD)/gallery -zoom2 2

translations: build
	cmake --build $(BUILD) --target update_translations

bench:
	@scripts/install-deps --bench
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DREGENBOGEN_BENCH=ON $(CMAKE_ARGS)
	cmake --build $(BENCH_BUILD) -j$(JOBS)
	QT_QPA_PLATFORM=offscreen:configfile=$(SCREENS)/1920x1080.json $(BENCH_BUILD)/bin/regenbogen_bench

soak: build
	QT_QPA_PLATFORM=offscreen:configfile=$(SCREENS)/1920x1080.json scripts/robustness $(BUILD) 100000

asan: test-deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREGENBOGEN_SANITIZE=ON -DREGENBOGEN_TESTS=ON $(CMAKE_ARGS)
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j$(JOBS)

tsan: test-deps
	cmake -S . -B $(TSAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREGENBOGEN_TSAN=ON -DREGENBOGEN_TESTS=ON $(CMAKE_ARGS)
	cmake --build $(TSAN_BUILD) -j$(JOBS) --target $(TSAN_TESTS)
	for t in $(TSAN_TESTS); do TSAN_OPTIONS=halt_on_error=1 $(TSAN_BUILD)/bin/$$t || exit 1; done

install: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# dpkg-buildpackage builds in a folder of its own (obj-*), with Debian's
# flags, runs the headless tests, and leaves the packages beside the source
# folder; they are moved into $(BUILD). The build folder itself is made too,
# for scripts/check-package's staging install.
package: build
	@scripts/install-deps --package
	dpkg-buildpackage -us -uc -b -j$(JOBS)
	mv ../regenbogen_$(VERSION)_*.deb ../regenbogen-dbgsym_$(VERSION)_*.deb \
	   ../regenbogen_$(VERSION)_*.buildinfo ../regenbogen_$(VERSION)_*.changes $(BUILD)/

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(TSAN_BUILD) $(BENCH_BUILD)
