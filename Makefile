# make run   installs what is missing (Debian 12), builds, and starts Tambrel
# make test  the same, then runs the whole test suite headless
# make package  the same build, then the Debian package build/tambrel_<version>_<arch>.deb
# make bench the same, then measures speed, start-up and memory against their aims
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

# The Debian packages, read from packaging/debian-packages: group NAME... gives its packages.
packages = $(shell sed -n 's/^\($(subst $(eval) ,\|,$(1))\): *//p' packaging/debian-packages)
PACKAGES := $(call packages,build depends recommends test)

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

BENCH_PACKAGES := $(call packages,bench)

.PHONY: run test build package deps clean bench

run: build
	./$(BUILD_DIR)/tambrel

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

package: build
	cd $(BUILD_DIR) && cpack -G DEB

bench: PACKAGES += $(BENCH_PACKAGES)
bench: CMAKE_FLAGS += -DTAMBREL_BUILD_BENCH=ON
bench: build
	bench/run.sh $(BUILD_DIR)

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Installs only the Debian packages that are missing.
deps:
	@missing=""; for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	    echo "Installing:$$missing"; \
	    $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

clean:
	rm -rf $(BUILD_DIR)
