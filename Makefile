# make run   installs what is missing, builds and starts the game
# make test  installs what is missing, builds and runs every test, headless
# make bench builds and runs the benchmarks
# make sanitize builds every test with AddressSanitizer and
#               UndefinedBehaviorSanitizer and runs them
# make soak  plays 100,000 hands on the real table, offscreen, checking it
#            after every handler (SEED=, HANDS=, TRACE=, DUMP=: see
#            tools/soak/README.md)
# make monkey sends random input to the real table, offscreen, for ten
#            minutes (SEED=, SECONDS=: see tools/soak/README.md)

BUILD ?= build
BENCH_BUILD ?= build-bench
SAN_BUILD ?= build-sanitize
SAN_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
JOBS ?= $(shell nproc)
HANDS ?= 100000
SECONDS ?= 600

.PHONY: deps build run test bench sanitize soak monkey contact-sheet clean

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

# Any report of either sanitizer fails the test that caused it.
sanitize: deps
	@cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="-O1 $(SAN_FLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$(SAN_FLAGS)" > /dev/null
	@cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

soak: build
	QT_QPA_PLATFORM=$${QT_QPA_PLATFORM:-offscreen} ./$(BUILD)/tools/soak/soak --hands $(HANDS) \
		$(if $(SEED),--seed $(SEED)) $(if $(TRACE),--trace $(TRACE)) $(if $(DUMP),--dump $(DUMP))

monkey: build
	QT_QPA_PLATFORM=$${QT_QPA_PLATFORM:-offscreen} ./$(BUILD)/tools/soak/monkey --seconds $(SECONDS) \
		$(if $(SEED),--seed $(SEED))

contact-sheet: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release > /dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target contact_sheet contact_sheet_table
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/assets/contact_sheet contact-sheet
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/render/contact_sheet_table contact-sheet

clean:
	rm -rf $(BUILD) $(BENCH_BUILD) $(SAN_BUILD)
