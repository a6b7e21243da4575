// The function list lines and the about box texts.
#include "reference/FunctionListData.h"

#include "Version.h"

namespace zul {
namespace {

constexpr std::string_view kFunctionLines[] = {
    "sin(x)  - синус значения (x)",
    "cos(x)  - косинус значения (x)",
    "tg(x)  - тангенс значения (x)",
    "ctg(x)  - котангенс значения (x)",
    "arcsin(x)  - арксинус значения (x)",
    "arccos(x) - арккосинус значения (x)",
    "arctg(x)  - арктангенс значения (x)",
    "arcctg(x)  - арккотангенс значения (x)",
    "sh(x)  - синус гиперболический значения (x)",
    "ch(x)  - косинус гиперболический значения (x)",
    "tgh(x)  - тангенс гиперболический значения (x)",
    "ctgh(x)  - котангенс гиперболический значения (x)",
    "lg(x)  - логарифм по основанию \"10\" значения (x)",
    "ln(x)  - логарифм по основанию \"е\" значения (x)",
    "exp(x)  - е в степени значения (x)",
    "abs(x)  - абсолютное значение числа (x)",
    "sec(x)  - секанс значения (x)",
    "cosec(x)  - косеканс значения (x)",
    "(x)^(y)  - возведение в степень (y) значения (x)",
    "x!  - факториал числа (x):  1*2*3*...x",
};

const std::string kAboutVersion = AboutVersionText();

const AboutRow kAboutRows[] = {
    {"Имя:", "ЗУЛ - калькулятор для проектирования инженерных систем"},
    {"Версия:", kAboutVersion},
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

std::span<const std::string_view> FunctionListLines() { return kFunctionLines; }
std::span<const AboutRow> AboutRows() { return kAboutRows; }
std::span<const std::string_view> AboutNoteLines() { return kNoteLines; }

}  // namespace zul
