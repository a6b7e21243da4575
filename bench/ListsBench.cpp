// "Вычислить все" over a list of 10,000 short lines, half of them referring to the line
// above: the whole pass, as the lists window runs it.
#include <benchmark/benchmark.h>

#include <string>

#include "lists/ExpressionList.h"

namespace {

zul::ExpressionList MakeList(int lines) {
    zul::ExpressionList list;
    list.ResizeLines(lines);
    for (int n = 1; n <= lines; ++n) {
        const bool reference = n > 1 && n % 2 == 0;
        std::string& expression = list.MutableLine(n).expression;
        if (reference) {
            expression.append(1, '[').append(std::to_string(n - 1)).append("]*2+1");
        } else {
            expression.append(std::to_string(n % 97)).append(".5*3-1");
        }
    }
    return list;
}

void BM_ComputeAllTenThousandLines(benchmark::State& state) {
    const zul::EvalContext context;
    for (auto _ : state) {
        state.PauseTiming();
        zul::ExpressionList list = MakeList(10000);
        state.ResumeTiming();
        list.ComputeAll(context);
        benchmark::DoNotOptimize(list.Line(10000).result);
    }
}
BENCHMARK(BM_ComputeAllTenThousandLines)->Unit(benchmark::kMillisecond);

}  // namespace
