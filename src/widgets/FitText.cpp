// Font steps, line breaks and hyphenation for texts of fixed width.
#include "widgets/FitText.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace zul {

namespace {

bool IsVowel(QChar c) {
    static const QString kVowels = QStringLiteral("аеёиоуыэюяaeiouy");
    return kVowels.contains(c.toLower());
}

// Places where a word may break: after a vowel that a consonant follows, leaving at least
// two letters on each side and a vowel in the second part ("Види-мость"). Nearest to the
// middle first.
std::vector<qsizetype> HyphenPlaces(const QString& word) {
    std::vector<qsizetype> places;
    for (qsizetype i = 2; i + 2 <= word.size(); ++i) {
        if (!IsVowel(word[i - 1]) || IsVowel(word[i]) || !word[i].isLetter()) continue;
        const QString rest = word.mid(i);
        if (std::any_of(rest.begin(), rest.end(), IsVowel)) places.push_back(i);
    }
    const qsizetype middle = word.size() / 2;
    std::stable_sort(places.begin(), places.end(), [middle](qsizetype a, qsizetype b) {
        return std::abs(a - middle) < std::abs(b - middle);
    });
    return places;
}

// Two-line forms of the text, the most even first.
std::vector<QStringList> TwoLineForms(const QString& text) {
    std::vector<QStringList> forms;
    const qsizetype middle = text.size() / 2;
    std::vector<qsizetype> blanks;
    for (qsizetype i = 1; i + 1 < text.size(); ++i)
        if (text[i] == QLatin1Char(' ')) blanks.push_back(i);
    std::stable_sort(blanks.begin(), blanks.end(), [middle](qsizetype a, qsizetype b) {
        return std::abs(a - middle) < std::abs(b - middle);
    });
    for (qsizetype at : blanks) forms.push_back({text.left(at), text.mid(at + 1)});
    if (blanks.empty())
        for (qsizetype at : HyphenPlaces(text)) forms.push_back({text.left(at) + QLatin1Char('-'), text.mid(at)});
    return forms;
}

bool Fits(const QFontMetrics& metrics, const QStringList& lines, int width) {
    return std::all_of(lines.begin(), lines.end(),
                       [&](const QString& line) { return metrics.horizontalAdvance(line) <= width; });
}

}  // namespace

FittedText FitText(const QString& text, const QFont& font, int width, int minPixels, int maxLines) {
    const int base = font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
    const int floor = std::min(base, std::max(1, minPixels));
    QFont f = font;
    for (int lines = 1; lines <= std::max(1, maxLines); ++lines) {
        const std::vector<QStringList> forms = lines == 1 ? std::vector<QStringList>{{text}} : TwoLineForms(text);
        if (forms.empty()) continue;
        for (int px = base; px >= floor; --px) {
            f.setPixelSize(px);
            const QFontMetrics metrics(f);
            for (const QStringList& form : forms)
                if (Fits(metrics, form, width)) return {f, form, true};
        }
    }
    f.setPixelSize(floor);
    return {f, {QFontMetrics(f).elidedText(text, Qt::ElideRight, width)}, false};
}

bool FitLabelFont(QLabel* label, const QFont& font, int minPixels) {
    const QRect room = label->contentsRect();
    const int width = room.width() - std::max(0, label->indent()) - 2 * label->margin();
    const FittedText fitted = FitText(label->text(), font, width, minPixels);
    label->setFont(fitted.font);
    label->setToolTip(fitted.whole ? QString() : label->text());
    return fitted.whole;
}

}  // namespace zul
