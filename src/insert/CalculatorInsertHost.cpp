// The insert-formula dialog's host over the calculator's state.
#include "insert/CalculatorInsertHost.h"

#include "app/RecentCalculations.h"
#include "calc/Dispatch.h"
#include "eval/Evaluator.h"
#include "insert/InsertFormula.h"
#include "settings/SettingsModel.h"

namespace zul {

namespace {

class CalculatorInsertHost : public InsertFormulaHost {
public:
    explicit CalculatorInsertHost(const InsertHostState& state) : state_(state) {}

    int CalculationCode() const override { return state_.calculationCode; }
    bool TimeSumMode() const override { return state_.timeSumMode; }

    bool Evaluate(std::string_view text, Extended& value) override {
        return EvaluateExpression(text, value, Context());
    }
    bool Dispatch(std::string_view text, Extended& value) override {
        return CalculationDispatch(text, state_.calculationCode, state_.settings.constants, Context(), value);
    }
    bool TimeSum(std::string_view text, std::string& result) override {
        return zul::TimeSum(text, state_.calculationCode, result);
    }
    void RecordRecentCalculation(const std::string& entryText) override {
        state_.recent.Record(entryText, state_.selectedNodeIndex);
    }

private:
    // The constants and the angle unit as the settings hold them at this moment.
    EvalContext Context() const {
        EvalContext context = state_.settings.MakeEvalContext();
        context.busy = state_.busy;
        return context;
    }

    InsertHostState state_;
};

}  // namespace

std::unique_ptr<InsertFormulaHost> MakeCalculatorInsertHost(const InsertHostState& state) {
    return std::make_unique<CalculatorInsertHost>(state);
}

}  // namespace zul
