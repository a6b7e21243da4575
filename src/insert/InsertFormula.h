// The insert-formula dialog without its widgets: the fields, the preview, the insert and
// the value lists that the window TFormIncFunc shows and forwards its events to.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "calc/TimeSum.h"
#include "eval/Extended.h"
#include "insert/FormulaTemplates.h"
#include "insert/SetupRecord.h"

namespace zul {

// What the dialog asks of the main window. Arithmetic faults of these calls leave as
// ArithmeticFault and end the command that ran them.
class InsertFormulaHost {
public:
    virtual ~InsertFormulaHost() = default;
    virtual int CalculationCode() const = 0;
    virtual bool TimeSumMode() const = 0;
    virtual bool Evaluate(std::string_view text, Extended& value) = 0;     // EvaluateExpression
    virtual bool Dispatch(std::string_view text, Extended& value) = 0;     // for CalculationCode()
    virtual bool TimeSum(std::string_view text, std::string& result) = 0;
    virtual void RecordRecentCalculation(const std::string& entryText) = 0;
};

inline constexpr std::string_view kNoSingleFormulaText =
    "Расчет имеет несколько формул или формула слишком сложная...";
inline constexpr std::string_view kTimePreset = "[00:00:00]";

// "12.5" -> "12.5", "-3" -> "(-3)", "2*pi" -> "(2*pi)", "+5" -> "+5".
std::string WrapValue(std::string_view value);

// The argument-group text of the six calculations without a template; empty for others.
// Field texts are trimmed first. 5001/5002: "62 65 70" -> "[62] [65] [70]".
std::string BuildArgumentGroups(int code, const std::array<std::string, 6>& fields);

struct SubstitutionResult {
    std::string text;    // substituted template, or the argument groups without a template
    int firstEmpty = 0;  // 1..6: the first used field that is empty; 0 when none
};

// SubstituteFields: puts the field values (wrapped) in place of X1..X6 of the template in
// one pass; the values themselves are not searched, so "X2" typed into field 1 stays
// "X2". A field whose placeholder does not occur is neither checked nor used; an invisible
// field from 2 on ends the substitution.
SubstitutionResult SubstituteFields(std::string_view templ, const std::array<std::string, 6>& fields,
                                    const std::array<bool, 6>& visible, int code);

// Where ArrangeFields puts the exit button and the bottom strip, in pixels.
struct FieldGeometryInput {
    int count = 1;                    // fields shown
    long long desktopPixels = 0;      // width times height
    int desktopHeight = 0;
    int insertButtonTop = 0;          // top of "Вставить"
    int exitButtonHeight = 0;
    std::array<int, 6> comboTops{};   // tops of CombDat1..6
    int comboHeight = 0;
};
struct FieldGeometry {
    int exitButtonTop = 0;
    int lineTop = 0;                  // PanLine2
    int windowHeight = 0;
    int windowTop = 0;
};
FieldGeometry ArrangeFieldGeometry(const FieldGeometryInput& in);

// FormActivate: a window at least as tall as the desktop goes to the top edge.
int ActivatedWindowTop(int windowTop, int windowHeight, int desktopHeight);

class InsertFormulaDialog {
public:
    enum InsertStateValue { kNothingInserted = 0, kInserted = 1, kPreviewed = 2 };

    // RunDialog steps 1 to 4: false when the record has nothing to show (count 0).
    bool Configure(const std::string& title, const TMasDatStr& setup, int calculationCode);
    // RunDialog step 6, after the modal showing has ended.
    DialogOutcome Finish() const;

    // CombDat1Change (any field): the preview line returns to "=".
    void SetFieldText(int field, std::string text);
    // BBtnRezClick. Faults of the computation propagate; "= Error" then stays.
    void Preview(InsertFormulaHost& host);
    // BBtnIncFClick: true when the dialog closes.
    bool Insert(InsertFormulaHost& host);
    // BBtnCanselClick. The close box changes nothing.
    void Leave() { insertState_ = kNothingInserted; }

    const std::string& Title() const { return title_; }
    const std::string& ReadFunc() const { return readFunc_; }
    const std::string& ReadRez() const { return readRez_; }
    int InsertState() const { return insertState_; }
    int FieldCount() const { return setup_.count; }
    bool FieldVisible(int field) const { return visible_.at(Index(field)); }
    const std::string& FieldText(int field) const { return fields_.at(Index(field)); }
    const std::string& FieldCaption(int field) const { return setup_.Caption(field); }
    // Drop-down items of a field position, newest first; kept across showings.
    const std::vector<std::string>& ValueList(int field) const { return valueLists_.at(Index(field)); }
    // The field the window should focus after a preview or insert found it empty; 0: none.
    int FocusRequest() const { return focusRequest_; }

private:
    static std::size_t Index(int field) { return static_cast<std::size_t>(field - 1); }
    void ArrangeFields();
    void RememberFieldValues();
    bool HasTemplate() const { return !template_.empty(); }

    TMasDatStr setup_;
    std::string title_;
    std::string template_;
    int insertState_ = kNothingInserted;
    std::string readFunc_;
    std::string readRez_;
    int focusRequest_ = 0;
    std::array<std::string, 6> fields_;
    std::array<bool, 6> visible_{};
    std::array<std::vector<std::string>, 6> valueLists_;
};

}  // namespace zul
