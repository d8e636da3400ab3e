# make run   installs what is missing, builds and starts the game
# make test  installs what is missing, builds and runs every test, headless
# make bench builds and runs the benchmarks

BUILD ?= build
BENCH_BUILD ?= build-bench
JOBS ?= $(shell nproc)

.PHONY: deps build run test bench contact-sheet clean

deps:
	@./tools/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release > /dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/quarvelin

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DQUARVELIN_TESTS=OFF -DQUARVELIN_BENCH=ON > /dev/null
	@cmake --build $(BENCH_BUILD) -j $(JOBS)
	@for b in $(BENCH_BUILD)/bench/bench_*; do \
		[ -f "$$b" ] && [ -x "$$b" ] || continue; \
		echo "== $$b"; QT_QPA_PLATFORM=$${QT_QPA_PLATFORM:-offscreen} "$$b" || exit 1; \
	done

contact-sheet: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release > /dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target contact_sheet
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/assets/contact_sheet contact-sheet

clean:
	rm -rf $(BUILD) $(BENCH_BUILD)
