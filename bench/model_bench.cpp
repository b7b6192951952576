#include "model/parameters.h"

#include <benchmark/benchmark.h>

#include <string>

// Lookups by key on a menu-sized and a drive-sized collection: the views do this constantly.
static void BM_ParameterLookupByKey(benchmark::State& state)
{
    kpd::Parameters params;
    const int count = static_cast<int>(state.range(0));
    for (int i = 0; i < count; ++i) params.Add("p" + std::to_string(i));
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(&params.Item("p" + std::to_string(i)));
        i = (i + 1) % count;
    }
}
BENCHMARK(BM_ParameterLookupByKey)->Arg(60)->Arg(8192);
