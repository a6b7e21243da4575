// libFuzzer target: the literature file. Any file gives a message or none, for any code,
// in time linear in what it shows.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "calc/Catalogue.h"
#include "insert/Literature.h"
#include "settings/IniDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zul;
    if (size < 1 || size > 65536) return 0;
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    IniDocument file;
    file.Parse(bytes);
    const auto rows = CatalogueRows();
    const int code = rows[data[0] % rows.size()].code;
    for (int c : {code, 0, -1}) (void)BuildLiteratureMessage(file, c);

    // The reference list itself, with a lookup that finds every source.
    const auto lookup = [](const std::string& key) -> std::optional<std::string> {
        if (key.size() > 6) return std::nullopt;
        return "source " + key;
    };
    (void)ExpandReferenceList(bytes, lookup);
    (void)LiteratureKey(bytes.substr(0, 40));
    return 0;
}
