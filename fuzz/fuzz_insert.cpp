// libFuzzer target: the insert-formula dialog. Pieces of the input are the template and the
// six fields; the substitution is linear in its result and never substitutes into a value;
// preview and insert run against the calculator.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "FuzzSupport.h"
#include "app/Calculator.h"
#include "app/CalculatorInsertHost.h"
#include "calc/Catalogue.h"
#include "eval/Extended.h"
#include "insert/InsertFormula.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zul;
    using zul::fuzz::Require;
    if (size < 1 || size > 4096) return 0;
    const std::vector<std::string> pieces = zul::fuzz::Pieces(data + 1, size - 1, 7);
    const std::string& templ = pieces[0];
    std::array<std::string, 6> fields;
    for (std::size_t i = 1; i < pieces.size(); ++i) fields[i - 1] = pieces[i];
    const int shown = 1 + data[0] % 6;
    std::array<bool, 6> visible{};
    for (int i = 0; i < shown; ++i) visible[static_cast<std::size_t>(i)] = true;
    const int codes[] = {1, 5001, 5002, 6003, 6011, 50026, 50301, 8012};
    const int code = codes[(data[0] / 6) % 8];

    std::size_t longest = 0;
    for (const std::string& f : fields) longest = std::max(longest, WrapValue(f).size());
    const SubstitutionResult r = SubstituteFields(templ, fields, visible, code);
    if (!templ.empty()) {
        Require(r.text.size() <= templ.size() + (templ.size() / 2) * longest, "linear substitution", templ);
    }
    for (int c : codes) (void)BuildArgumentGroups(c, fields);

    Calculator calculator;
    const int index = IndexOfCode(code);
    if (index >= 0) {
        const auto selection = SelectTopicNode(index);
        if (selection) calculator.main.topic = selection->state;
    }
    const std::unique_ptr<InsertFormulaHost> host = MakeCalculatorInsertHost(calculator);
    InsertFormulaDialog dialog;
    TMasDatStr setup;
    setup.count = static_cast<std::uint8_t>(shown);
    setup.strings[0] = templ;
    if (!dialog.Configure("fuzz", setup, calculator.main.topic.calculationCode)) return 0;
    for (int k = 1; k <= shown; ++k) dialog.SetFieldText(k, fields[static_cast<std::size_t>(k - 1)]);
    try {
        dialog.Preview(*host);
        dialog.Insert(*host);
    } catch (const ArithmeticFault&) {
    }
    return 0;
}
