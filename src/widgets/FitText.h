// Fitting a text into a fixed width: the cells and headers of the grids and the captions
// whose widths the windows keep. A text that is too wide first takes a smaller font, then
// (where two lines are allowed) a second line, and only then is cut with "…".
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

class QLabel;

namespace zul {

struct FittedText {
    QFont font;
    QStringList lines;  // what is painted, one entry per line
    bool whole = true;  // false: the text was cut
};

// Fits `text` into `width` pixels. The font steps down one pixel at a time from the pixel
// size of `font` to `minPixels`; with maxLines 2 a text that still does not fit on one
// line breaks at a blank or, for a single word, hyphenated between syllables.
FittedText FitText(const QString& text, const QFont& font, int width, int minPixels, int maxLines = 1);

// A one-line label's font stepped down from the size of `font` to `minPixels` until its text
// fits the label's contents (less its indent and margin); a text that is cut even so gets
// its whole text as the label's tooltip. False when the text was cut.
bool FitLabelFont(QLabel* label, const QFont& font, int minPixels);

}  // namespace zul
