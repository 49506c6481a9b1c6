# Quick start: `make run` or `make test`. Both install what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps build run test bench boot-check package clean

all: build

deps:
	@./tools/install-deps.sh

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}" ] && [ -z "$${QT_QPA_PLATFORM:-}" ]; then \
	  echo "No display found: start it under a virtual one with: xvfb-run -a $(BUILD)/bin/quillon"; \
	else \
	  $(BUILD)/bin/quillon; \
	fi

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; $$b; done

# What Quillon writes, booted in QEMU (SeaBIOS and OVMF), as root: sticks from
# `quillon burn` in every style, and an image saved by `quillon edit` beside
# the original. Some minutes, so not part of `make test`.
boot-check: build
	@./tools/install-deps.sh --boot-check
	./tools/boot-check.py
	tools/edit-boot-check.sh $(BUILD)

# The Debian source and binary packages (with -dbgsym) through dpkg-buildpackage,
# into $(BUILD)/package; see packaging/build-package.sh.
package: deps
	QUILLON_JOBS=$(JOBS) packaging/build-package.sh $(BUILD)/package

clean:
	rm -rf $(BUILD)
