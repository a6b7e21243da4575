// Calculation speed: a two-group calculation, an eight-band noise sum and a time sum.
#include <benchmark/benchmark.h>

#include <string>

#include "calc/Dispatch.h"
#include "calc/TimeSum.h"

namespace {

void Dispatch(benchmark::State& state, int code, const char* line) {
    zul::EvalContext context;
    zul::ConstantsArray constants;
    for (auto _ : state) {
        zul::Extended v = 0;
        bool ok = zul::CalculationDispatch(line, code, constants, context, v);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(v);
    }
}

BENCHMARK_CAPTURE(Dispatch, velocity_1, 1, "[12.5] [80]");
BENCHMARK_CAPTURE(Dispatch, noise_5002_eight_bands, 5002, "[80] [75] [70] [68] [65] [60] [55] [50]");
BENCHMARK_CAPTURE(Dispatch, fail_condition_1, 1, "[12.5] [0]");

void TimeSumOf(benchmark::State& state) {
    std::string text;
    for (auto _ : state) {
        bool ok = zul::TimeSum("[01:30:00] [00:45:30] [-00:20:00]", zul::kTimeSumCode, text);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(TimeSumOf);

}  // namespace
