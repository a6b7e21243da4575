// The literature references of a calculation, read from "Zul.lit" in the start directory
// and built into the text of one message box.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zul {

class IniDocument;

inline constexpr std::string_view kLitFileName = "Zul.lit";
inline constexpr std::string_view kNotLiteratureFileText =
    "Этот файл не является файлом со ссылками на используемую литературу для программы ЗУЛ.";

// What FindLiterature finds for the literature command (SpButtonliteratureClick). Line breaks
// in the text are carriage returns ("\r").
struct LiteratureMessage {
    enum class Kind { None, NotLiteratureFile, Information };
    Kind kind = Kind::None;
    std::string text;  // the error text or the references
};

// The start directory joined with "Zul.lit".
std::string LiteraturePath(const std::string& startDirectory);

// The section Literature key of a source number text: "5" -> "Lit-05", "12" -> "Lit-12",
// "x" -> "Lit-00".
std::string LiteratureKey(std::string_view numberText);

// Looks a source text up by key; nothing when the key is missing.
using SourceLookup = std::function<std::optional<std::string>(const std::string& key)>;

// The message text of a reference list: "3:12-15/7:/" -> source 03, "(12-15)", a blank
// line, source 07 and an empty line. Free text (no ":", or the first ":" beyond the fourth
// character) comes back unchanged.
std::string ExpandReferenceList(std::string_view references, const SourceLookup& lookup);

// The whole command for a loaded literature file and a calculation code.
LiteratureMessage BuildLiteratureMessage(const IniDocument& file, int code);

// Reads the file in the start directory; a missing file shows nothing.
LiteratureMessage FindLiterature(const std::string& startDirectory, int code);

}  // namespace zul
