# Two entry points on a fresh Debian 12 machine (as root, or with sudo):
#   make run   installs what is missing, builds and starts the program
#   make test  installs what is missing, builds and runs every test (and again under the sanitizers)
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
SUDO       := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

PACKAGES := cmake make g++ pkg-config qt6-base-dev qt6-webengine-dev libqt6sql6-sqlite qt6-pdf-dev \
            libgl-dev libbenchmark-dev fonts-liberation xvfb xauth mdbtools-dev libmdb3 libglib2.0-dev \
            poppler-utils python3-markdown appstream desktop-file-utils postgresql libqt6sql6-psql \
            libxml2-utils libsaxonhe-java default-jre-headless libqpdf-dev qpdf icc-profiles-free libsqlite3-dev

.PHONY: deps build run test test-asan format clean

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./tools/run.sh $(BUILD)

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)
	$(MAKE) test-asan

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTALLYWICK_SANITIZE=ON -DTALLYWICK_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 QT_QPA_PLATFORM=offscreen \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j$(JOBS) -LE webengine

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
