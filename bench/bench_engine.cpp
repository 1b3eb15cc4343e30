#include "engine/module1.h"
#include "tests/support/wiredhandtables.h"

#include <benchmark/benchmark.h>

namespace {

HandTables *tables;
HandTables &window() {
    return *tables;
}

void setUp() {
    static WiredHandTables shared;
    tables = &shared;
    Module1::setWindowAccessor(window);
    Module1::initialise();
}

void MakeHand(benchmark::State &state) {
    setUp();
    for (auto _ : state)
        Module1::MakeHand();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(MakeHand);

void MakeHand2(benchmark::State &state) {
    setUp();
    for (auto _ : state)
        Module1::MakeHand2();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(MakeHand2);

void ShuffleAlone(benchmark::State &state) {
    setUp();
    Module1::getHand();
    for (auto _ : state)
        Module1::Cards.Shuffle();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ShuffleAlone);

} // namespace

BENCHMARK_MAIN();
