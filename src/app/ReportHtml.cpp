// Building the HTML of the calculation note.
#include "app/ReportHtml.h"

#include "app/HintCaptions.h"

namespace zul {
namespace {

constexpr std::string_view kTableAttributes =
    R"(border="1" cellspacing="0" cellpadding="4" style="border-collapse: collapse; margin-bottom: 6pt;")";
constexpr std::string_view kNone = "—";

// Text for an attribute value: as EscapeHtml, with line breaks as blanks.
std::string EscapeAttribute(std::string_view text) {
    std::string flat(text);
    for (char& c : flat)
        if (c == '\r' || c == '\n') c = ' ';
    return EscapeHtml(flat);
}

// Escaped text, or the dash for an empty one (a table cell is never left blank).
std::string CellText(std::string_view text) { return text.empty() ? std::string(kNone) : EscapeHtml(text); }

void AppendHead(std::string& html) {
    html += "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n<title>";
    html += kReportTitle;
    html += "</title>\n</head>\n<body style=\"font-family: 'Times New Roman', serif; font-size: 12pt;\">\n";
    html += "<h1 style=\"text-align: center;\">";
    html += kReportTitle;
    html += "</h1>\n";
}

void AppendHeading(std::string& html, const ReportHeading& heading) {
    const std::pair<std::string_view, const std::string*> rows[] = {
        {"Объект", &heading.object}, {"Раздел", &heading.section},
        {"Составил", &heading.author}, {"Дата", &heading.date}};
    std::string body;
    for (const auto& [label, value] : rows) {
        if (value->empty()) continue;
        body += "<tr><td><b>" + std::string(label) + ":</b></td><td>" + EscapeHtml(*value) + "</td></tr>\n";
    }
    if (!body.empty()) html += "<table cellspacing=\"0\" cellpadding=\"2\">\n" + body + "</table>\n";
}

void AppendPicture(std::string& html, const JournalEntry& entry, const PictureResolver& pictures) {
    if (!pictures || entry.picture.empty()) return;
    const std::optional<PictureRef> picture = pictures(entry.picture);
    if (!picture) return;
    html += "<p><img src=\"" + EscapeAttribute(picture->src) + "\" width=\"" +
            std::to_string(picture->width) + "\" height=\"" + std::to_string(picture->height) + "\" alt=\"" +
            EscapeAttribute(entry.name) + "\"></p>\n";
}

void AppendArguments(std::string& html, const JournalEntry& entry) {
    if (entry.arguments.empty()) return;
    html += "<h3>Исходные данные</h3>\n<table ";
    html += kTableAttributes;
    html += ">\n<tr><th>Величина</th><th>Единица измерения</th><th>Введено</th><th>Значение</th></tr>\n";
    for (std::size_t i = 0; i < entry.arguments.size(); ++i) {
        const ArgumentRecord& a = entry.arguments[i];
        const std::string caption = a.caption.empty()
                                        ? "Группа " + std::to_string(i + 1) + " (в формуле не используется)"
                                        : EscapeHtml(a.caption);
        const std::string typed = a.text.empty() ? "не задано" : EscapeHtml(a.text);
        html += "<tr><td>" + caption + "</td><td>" + CellText(a.unit) + "</td><td>" + typed + "</td><td>" +
                CellText(a.valueText) + "</td></tr>\n";
    }
    html += "</table>\n";
}

void AppendResult(std::string& html, const JournalEntry& entry) {
    const QuantityCaption quantity = SplitCaptionUnit(entry.title.empty() ? entry.name : entry.title);
    html += "<p><b>Результат:</b> ";
    if (!quantity.caption.empty()) html += EscapeHtml(quantity.caption) + " = ";
    html += "<b>" + CellText(entry.result) + "</b>";
    if (!quantity.unit.empty()) html += " " + EscapeHtml(quantity.unit);
    html += "</p>\n";
}

void AppendLiterature(std::string& html, const JournalEntry& entry) {
    html += "<h3>Литература</h3>\n";
    if (entry.literature.empty()) {
        html += "<p>Литература к этому расчёту не указана.</p>\n";
        return;
    }
    html += "<ol>\n";
    for (const LiteratureReference& r : entry.literature) {
        html += "<li>" + EscapeHtml(r.source);
        if (!r.pages.empty()) html += " (" + EscapeHtml(r.pages) + ")";
        html += "</li>\n";
    }
    html += "</ol>\n";
}

void AppendNote(std::string& html, const JournalEntry& entry) {
    if (entry.note.empty()) return;
    html += "<p><b>Примечание:</b> " + EscapeHtml(entry.note) + "</p>\n";
}

void AppendEntry(std::string& html, const JournalEntry& entry, int number, const PictureResolver& pictures) {
    const std::string prefix = "<h2>" + std::to_string(number) + ". ";
    switch (entry.kind) {
        case EntryKind::Calculation:
            html += prefix + CellText(entry.name) + "</h2>\n";
            AppendPicture(html, entry, pictures);
            AppendArguments(html, entry);
            AppendResult(html, entry);
            AppendLiterature(html, entry);
            break;
        case EntryKind::Expression:
            html += prefix + "Вычисление</h2>\n<p>" + CellText(entry.text) + " = <b>" +
                    CellText(entry.result) + "</b></p>\n";
            break;
        case EntryKind::TimeSum: {
            html += prefix + "Сложение значений времени</h2>\n<p>Слагаемые: ";
            for (std::size_t i = 0; i < entry.timeGroups.size(); ++i)
                html += (i > 0 ? "; " : "") + EscapeHtml(entry.timeGroups[i]);
            if (entry.timeGroups.empty()) html += CellText(entry.text);
            html += "</p>\n<p>Сумма: <b>" + CellText(entry.result) + "</b></p>\n";
            break;
        }
    }
    AppendNote(html, entry);
}

}  // namespace

std::string EscapeHtml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '&': out += "&amp;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&#39;"; break;
            case '\r':
                if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
                out += "<br>";
                break;
            case '\n': out += "<br>"; break;
            case '\t': out += ' '; break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) out += c;
        }
    }
    return out;
}

std::string BuildReportHtml(const ReportHeading& heading, std::span<const JournalEntry> entries,
                            const PictureResolver& pictures) {
    std::string html;
    AppendHead(html);
    AppendHeading(html, heading);
    int number = 0;
    for (const JournalEntry& entry : entries)
        if (entry.inDocument) AppendEntry(html, entry, ++number, pictures);
    if (number == 0) html += "<p>В записку не включено ни одной записи.</p>\n";
    html += "</body>\n</html>\n";
    return html;
}

}  // namespace zul
