// The help page: the guide sections, then every topic and calculation of the tree written
// from the catalogue and the formula templates, then zulc.
#include "HelpWriter.h"

#include <map>
#include <string>

#include "HelpSections.h"
#include "calc/Catalogue.h"
#include "calc/Selection.h"
#include "insert/FormulaTemplates.h"

namespace zul::datagen {
namespace {

// The arguments of a hint line: "[Расход, м3/ч] [Диаметр, мм]" -> two texts.
std::vector<std::string> HintArguments(std::string_view hint) {
    std::vector<std::string> out;
    std::size_t open = hint.find('[');
    while (open != std::string_view::npos) {
        const std::size_t close = hint.find(']', open);
        if (close == std::string_view::npos) break;
        out.emplace_back(hint.substr(open + 1, close - open - 1));
        open = hint.find('[', close);
    }
    return out;
}

// Settings texts of a template written as the names of the settings window's fields.
std::string ReadableTemplate(std::string_view pattern) {
    static const std::map<std::string, std::string> kNames = {
        {"{Ro-Voda}", "ρв"}, {"{Cm-Voda}", "Cв"}, {"{Cm-Vozd}", "Cр"}, {"{Cv-Vozd}", "Cv"}, {"{RoMatTrub}", "ρм"}};
    std::string text(pattern);
    for (const auto& [from, to] : kNames)
        for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) text.replace(at, from.size(), to);
    return text;
}

// The calculations whose formula does not fit one line, described in words.
std::string ComplexFormula(int code) {
    switch (code) {
        case 5001:
            return "L = 10·lg Σ 10^(0.1·(Li + Ki)), где Li — уровни в октавных полосах 62.5 ... 8000 Гц, "
                   "Ki — поправки шумомера из настроек (характеристика A).";
        case 5002:
            return "L = 10·lg Σ 10^(0.1·Li) по всем введенным полосам.";
        case 6003:
            return "PN = q·U / (q0·3600); q = 5·q0·α(PN), где α — коэффициент расчета 6011.";
        case 6011:
            return "α = 0.2 при PN < 0.015, иначе α = 0.777·(PN − 0.015)^0.686 + 0.2.";
        case 50026:
            return "S = √(p·(p − a)·(p − b)·(p − c)), p = (a + b + c)/2.";
        case 50301:
            return "Сложение и вычитание значений времени, см. раздел «Сложение значений времени».";
    }
    return {};
}

// The node's text, with its parents' while it begins in lower case ("по диаметру" under
// "Скорость воздуха" reads "Скорость воздуха по диаметру").
std::string NodeTitle(int index) {
    std::string text = NodeByIndex(index)->text;
    auto lower = [](const std::string& t) {
        // Lower-case Cyrillic letters start with the bytes D0 B0..BF or D1 80..8F in UTF-8.
        const unsigned char a = t.empty() ? 0 : static_cast<unsigned char>(t[0]);
        const unsigned char b = t.size() > 1 ? static_cast<unsigned char>(t[1]) : 0;
        return (a >= 'a' && a <= 'z') || (a == 0xD0 && b >= 0xB0) || (a == 0xD1 && b <= 0x8F);
    };
    for (int parent = ParentIndex(index); parent >= 0 && lower(text); parent = ParentIndex(parent))
        text = std::string(NodeByIndex(parent)->text) + " " + text;
    return text;
}

std::string CalculationEntry(int index) {
    const CatalogueRow* node = NodeByIndex(index);
    const FormulaTemplate* tpl = FindFormulaTemplate(node->code);
    std::string h = "<div class=\"calc\" id=\"calc-" + std::to_string(node->code) + "\">\n";
    h += "<h4>" + Escape(NodeTitle(index)) + " <span class=\"code\">код " + std::to_string(node->code) + "</span></h4>\n";
    h += "<img src=\"Pict/" + Escape(node->picture) + ".jpg\" width=\"301\" height=\"179\" alt=\"\">\n";
    if (tpl) h += "<p class=\"title\">" + Escape(tpl->title) + "</p>\n";
    h += "<p>Ввод: <code>" + Escape(BracketTemplate(node->code)) + "</code></p>\n<ol>\n";
    const std::vector<std::string> args = HintArguments(node->hint);
    for (std::size_t k = 0; k < args.size(); ++k) {
        std::string caption = args[k];
        if (tpl && k < 6 && static_cast<int>(k) < tpl->fieldCount && !tpl->captions[k].empty())
            caption = std::string(tpl->captions[k]);
        h += "<li>" + Escape(caption) + "</li>\n";
    }
    if (args.empty()) h += "<li>" + Escape(node->hint) + "</li>\n";
    h += "</ol>\n";
    const std::string complex = ComplexFormula(node->code);
    if (tpl && !tpl->pattern.empty())
        h += "<p>Формула: <code>" + Escape(ReadableTemplate(tpl->pattern)) + "</code></p>\n";
    else if (!complex.empty())
        h += "<p>Формула: " + Escape(complex) + "</p>\n";
    return h + "</div>\n";
}

std::string GroupEntry(int index) {
    const CatalogueRow* node = NodeByIndex(index);
    std::string h = "<div class=\"group\" id=\"group-" + std::to_string(node->code) + "\">\n<h4>" + Escape(NodeTitle(index)) +
                    "</h4>\n<p>" + Escape(node->hint) + "</p>\n</div>\n";
    return h;
}

}  // namespace

Section CalculationsSection() {
    Section s{"calc", "Инженерные расчеты", "", {}};
    std::string b;
    b += "<p>Расчет выбирается в дереве «Область вычислений». Под деревом появляется строка подсказки — "
         "список аргументов в квадратных скобках с единицами, справа — картинка с формулой. Аргументы "
         "вводятся в строку ввода группами в том же порядке: <code>[12.5] [80]</code>. Каждая группа — "
         "обычное выражение: <code>[3600/4] [2*40]</code> тоже годится. Двойной щелчок по дереву (или "
         "кнопка рядом с заголовком «Область вычислений») вставляет пустые пары скобок расчета.</p>\n"
         "<p>Если аргумент недопустим (например нулевой диаметр), расчет не выполняется и строка "
         "остается без изменений. Раздел «Гидравлика» имеет код 0: при его выборе строка с «[» не "
         "вычисляется. Формулы ниже записаны так, как их вставляет команда «Вставить формулу...»; "
         "X1, X2, ... — аргументы по порядку, ρв, Cв, Cр, Cv, ρм — константы из окна «Настройки...».</p>\n";
    const auto rows = CatalogueRows();
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const CatalogueRow& node = rows[static_cast<std::size_t>(i)];
        if (node.level == 1) {
            const std::string anchor = "topic-" + std::to_string(node.code);
            b += "<h3 id=\"" + anchor + "\">" + Escape(node.text) + "</h3>\n<p>" + Escape(node.hint) + "</p>\n";
            s.entries.emplace_back(anchor, node.text);
            continue;
        }
        b += IsGroupIndex(i) ? GroupEntry(i) : CalculationEntry(i);
    }
    s.body = b;
    return s;
}

Section TimeSumSection() {
    Section s{"time", "Сложение значений времени", "", {}};
    s.body =
        "<p>Расчет «Сложение значений времени: [чч:мм:сс]» (раздел «Математика», код 50301) складывает и "
        "вычитает промежутки времени. Каждое значение записывается в скобках как часы, минуты и секунды "
        "через двоеточие; вычитаемое — со знаком минус после скобки. Результат записывается в том же "
        "виде.</p>\n" +
        Table({{"Ввод", "Результат"},
               {"[01:30:00] [00:45:30]", "[02:15:30]"},
               {"[00:00:59] [00:00:02]", "[00:01:01]"},
               {"[01:00:00] [-00:20:00]", "[00:40:00]"},
               {"[00:10:00] [-00:20:00]", "[-00:10:00]"},
               {"[1:2:3]", "[01:02:03]"}}) +
        "<p>Значение, которое не состоит из трех целых чисел (например <code>[01:xx:00]</code>), "
        "делает весь расчет невыполнимым.</p>\n";
    return s;
}

std::string HelpHtml(const std::string& zulcUsage) {
    const std::vector<Section> sections = {AboutSection(),    InputSection(),    SyntaxSection(),
                                           CalculationsSection(), TimeSumSection(), InsertSection(),
                                           MemorySection(),   ListsSection(),    ZapiskaSection(),
                                           SettingsSection(),
                                           KeysSection(),     FilesSection(),    ZulcSection(zulcUsage)};
    std::string html =
        "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<title>ЗУЛ — калькулятор для проектирования инженерных систем. Справка</title>\n<style>\n"
        "body{font-family:'DejaVu Sans','Liberation Sans',Arial,sans-serif;max-width:60em;margin:1em auto;"
        "padding:0 1em;line-height:1.45;color:#1e2430}\n"
        "h1{color:#1c4682}h2{border-bottom:2px solid #1c4682;padding-bottom:.2em;margin-top:2em}\n"
        "h3{color:#1c4682;margin-top:1.6em}h4{margin:.2em 0}\n"
        "code,kbd,pre{font-family:'DejaVu Sans Mono','Liberation Mono',monospace;background:#f1f3f6;padding:0 .2em}\n"
        "pre{padding:.6em;overflow-x:auto}\n"
        "table{border-collapse:collapse;margin:.6em 0}td,th{border:1px solid #c8ccd4;padding:.25em .6em;"
        "text-align:left}th{background:#e6ebf2}\n"
        ".calc{border:1px solid #d6dae2;border-radius:6px;padding:.6em .8em;margin:.8em 0;overflow:hidden}\n"
        ".calc img{float:right;margin:0 0 .4em 1em;border:1px solid #d6dae2}\n"
        ".group{margin:1em 0 .4em;padding-left:.6em;border-left:4px solid #1c4682}\n"
        ".code{font-weight:normal;color:#6a7080;font-size:.85em}.title{font-style:italic}\n"
        "nav ol{columns:2}nav li{margin:.1em 0}\n</style>\n</head>\n<body>\n"
        "<h1>ЗУЛ — калькулятор для проектирования инженерных систем</h1>\n"
        "<nav>\n<h2 id=\"contents\">Содержание</h2>\n<ol>\n";
    for (const Section& s : sections) {
        html += "<li><a href=\"#" + s.anchor + "\">" + Escape(s.title) + "</a>";
        if (!s.entries.empty()) {
            html += "\n<ul>\n";
            for (const auto& [anchor, title] : s.entries)
                html += "<li><a href=\"#" + anchor + "\">" + Escape(title) + "</a></li>\n";
            html += "</ul>\n";
        }
        html += "</li>\n";
    }
    html += "</ol>\n</nav>\n";
    for (const Section& s : sections)
        html += "<section>\n<h2 id=\"" + s.anchor + "\">" + Escape(s.title) + "</h2>\n" + s.body +
                "<p><a href=\"#contents\">К содержанию</a></p>\n</section>\n";
    return html + "</body>\n</html>\n";
}

}  // namespace zul::datagen
