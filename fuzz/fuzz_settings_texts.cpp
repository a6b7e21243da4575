// libFuzzer target: the texts of the settings window. The noise text, the constant fields
// and the user-constants grid take any text; repaired texts are valid and stay as they are.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "settings/ConstantFields.h"
#include "settings/ConstantsNumber.h"
#include "settings/ConstantsOption.h"
#include "settings/NoiseText.h"
#include "settings/UserConstants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zul;
    using zul::fuzz::Require;
    if (size < 1 || size > 4096) return 0;
    const std::vector<std::string> pieces = zul::fuzz::Pieces(data + 1, size - 1, 16);

    // Noise text: a repaired text passes the check, and repairing it again changes nothing.
    std::string noise = pieces[0];
    (void)CheckNoiseText(noise);
    (void)ParseNoiseCorrections(noise);
    RepairNoiseText(noise);
    Require(CheckNoiseText(noise), "a repaired noise text is valid", pieces[0]);
    const std::string repaired = noise;
    Require(!RepairNoiseText(noise) && noise == repaired, "repairing twice changes nothing", pieces[0]);

    // Constant fields: after ApplyConstantFields every field is valid.
    ConstantFieldTexts fields;
    int i = 0;
    for (const ConstantFieldInfo& info : ConstantFieldTable())
        fields[info.field] = pieces[static_cast<std::size_t>(i++) % pieces.size()];
    std::uint8_t bad = 0;
    (void)ValidateOptions(fields, bad, {});
    ConstantsArray constants;
    ApplyConstantFields(fields, constants);
    Require(ValidateOptions(fields, bad, {}), "applied fields are valid", pieces[0]);
    (void)RepairConstantField(fields, static_cast<std::uint8_t>(data[0] % 8));
    std::string error;
    (void)ApplyConstantOption(pieces[0], fields, constants, error);

    // User constants: edits of any cell, then the tidy step of closing the window.
    UserConstantsGrid grid;
    for (std::size_t p = 1; p < pieces.size(); ++p) {
        const int row = static_cast<int>((data[0] + p) % 8);
        const int column = static_cast<int>(p % 4);
        (void)grid.SetEditText(column, row, pieces[p]);
        (void)IsNumber(pieces[p]);
        float value = 0;
        (void)ReadConstantValue(pieces[p], value);
    }
    (void)grid.TidyAndCheck();
    Require(grid.CurrentRow() >= UserConstantsGrid::kFirstUserRow && grid.CurrentRow() < grid.RowCount(),
            "the current row is a user row or the blank row");
    for (int r = 0; r < grid.RowCount(); ++r)
        for (int c = 0; c < 3; ++c) (void)grid.Cell(r, c);
    return 0;
}
