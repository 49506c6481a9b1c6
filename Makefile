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

# An image saved by `quillon edit` booted in QEMU beside the original (CD and
# disk, SeaBIOS and OVMF); not part of `make test`: it needs qemu-system-x86
# and ovmf, which the set-up does not install.
boot-check: build
	tools/edit-boot-check.sh $(BUILD)

# The Debian source and binary packages (with -dbgsym) through dpkg-buildpackage,
# into $(BUILD)/package; see packaging/build-package.sh.
package: deps
	QUILLON_JOBS=$(JOBS) packaging/build-package.sh $(BUILD)/package

clean:
	rm -rf $(BUILD)
