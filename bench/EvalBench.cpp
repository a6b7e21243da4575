// Evaluator speed: short successful and failing expressions.
#include <benchmark/benchmark.h>

#include "eval/Evaluator.h"
#include "eval/NumberText.h"

namespace {

void Evaluate(benchmark::State& state, const char* text) {
    zul::EvalContext context;
    for (auto _ : state) {
        zul::Extended v = 0;
        bool ok = false;
        try {
            ok = zul::EvaluateExpression(text, v, context);
        } catch (const zul::ArithmeticFault&) {
        }
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(v);
    }
}

BENCHMARK_CAPTURE(Evaluate, ok_2_plus_3_times_4, "2+3*4");
BENCHMARK_CAPTURE(Evaluate, ok_sin_cos_power, "sin(0.5)+cos(0.5)*2^3");
BENCHMARK_CAPTURE(Evaluate, ok_plain_number, "12.5");
BENCHMARK_CAPTURE(Evaluate, ok_signs_and_negative_base, "ln(2)*-2+(1-4)^2");
BENCHMARK_CAPTURE(Evaluate, fail_2_plus_times_3, "2+*3");
BENCHMARK_CAPTURE(Evaluate, fail_abc, "abc");
BENCHMARK_CAPTURE(Evaluate, fail_1_div_0, "1/0");

void ResultTextOf(benchmark::State& state) {
    zul::Extended v = 2.0L / 3;
    for (auto _ : state) benchmark::DoNotOptimize(zul::ResultText(v));
}
BENCHMARK(ResultTextOf);

}  // namespace

BENCHMARK_MAIN();
