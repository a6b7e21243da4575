// The insert-formula dialog's host over the calculator's state.
#include "app/CalculatorInsertHost.h"

#include "app/Calculator.h"
#include "calc/Dispatch.h"
#include "eval/Evaluator.h"
#include "insert/InsertFormula.h"

namespace zul {

namespace {

class CalculatorInsertHost : public InsertFormulaHost {
public:
    CalculatorInsertHost(Calculator& calculator, BusyIndicator* busy) : calc_(calculator), busy_(busy) {}

    int CalculationCode() const override { return calc_.main.topic.calculationCode; }
    bool TimeSumMode() const override { return calc_.main.topic.timeSumMode; }

    bool Evaluate(std::string_view text, Extended& value) override {
        return EvaluateExpression(text, value, Context());
    }
    bool Dispatch(std::string_view text, Extended& value) override {
        return CalculationDispatch(text, CalculationCode(), calc_.settings.constants, Context(), value);
    }
    bool TimeSum(std::string_view text, std::string& result) override {
        return zul::TimeSum(text, CalculationCode(), result);
    }
    void RecordRecentCalculation(const std::string& entryText) override {
        calc_.main.recent.Record(entryText, calc_.main.topic.selectedNodeIndex);
    }

private:
    // The user constants and the angle unit as the settings hold them at this moment.
    EvalContext Context() const {
        EvalContext context = calc_.settings.MakeEvalContext();
        context.busy = busy_;
        return context;
    }

    Calculator& calc_;
    BusyIndicator* busy_;
};

}  // namespace

std::unique_ptr<InsertFormulaHost> MakeCalculatorInsertHost(Calculator& calculator, BusyIndicator* busy) {
    return std::make_unique<CalculatorInsertHost>(calculator, busy);
}

}  // namespace zul
