// The function list lines and the about box texts.
#include "reference/FunctionListData.h"

#include <vector>

#include "Version.h"
#include "eval/Functions.h"

namespace zul {
namespace {


// The row "Версия:" is filled in from the program's version.
constexpr AboutRow kAboutRows[] = {
    {"Имя:", "ЗУЛ - калькулятор для проектирования инженерных систем"},
    {"Версия:", ""},
    {"Назначение:",
     "Наиболее распространенные математические вычисления, а также различные простейшие инженерные "
     "расчеты преимущественно в области проектирования инженерных сооружений и санитарно-технических "
     "систем. Особенно полезен инженерам и проектировщикам!"},
    // The project has no company, no named author and no mail box: the rows say so plainly.
    {"Разработка:", "открытый проект ЗУЛ, написанный на C++20 с Qt 6 для Debian"},
    {"Права:", "участники открытого проекта ЗУЛ"},
    {"Связь:", "замечания и предложения - через репозиторий проекта"},
};

constexpr std::string_view kNoteLines[] = {
    "ЗУЛ - открытый проект: программа собирается из исходных",
    "текстов (C++20, Qt 6) под Debian и распространяется вместе",
    "с ними. Она не требует установки других программ,",
    "кроме библиотек Qt 6 и libjpeg из архива Debian.",
    "Проверяйте исходные данные и результаты расчетов.",
};

}  // namespace

std::string AboutVersionText() { return std::string(kVersion) + ".  (17.10.1999)"; }
std::string VersionItemText() { return "Zul.exe (ver. " + std::string(kVersion) + ")"; }
std::string VersionMenuCaption() { return VersionItemText() + ",   [101 расчет]"; }

std::span<const std::string_view> FunctionListLines() {
    // The functions' lines, in the order of the evaluator's function table, then the operators.
    static const std::vector<std::string_view> lines = [] {
        std::vector<std::string_view> l;
        for (const FunctionInfo& f : FunctionTable()) l.push_back(f.listLine);
        l.push_back("(x)^(y)  - возведение в степень (y) значения (x)");
        l.push_back("x!  - факториал числа (x):  1*2*3*...x");
        return l;
    }();
    return lines;
}

std::span<const AboutRow> AboutRows() {
    static const std::string version = AboutVersionText();
    static const std::vector<AboutRow> rows = [] {
        std::vector<AboutRow> r(std::begin(kAboutRows), std::end(kAboutRows));
        r[1].text = version;
        return r;
    }();
    return rows;
}
std::span<const std::string_view> AboutNoteLines() { return kNoteLines; }

}  // namespace zul
