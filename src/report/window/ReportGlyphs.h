// The pictures of the export commands of the note window, painted like the other glyphs.
#pragma once

#include <QIcon>

namespace zul {

enum class ReportGlyph { Pdf, Print, Odf, Html, Copy };

QIcon ReportGlyphIcon(ReportGlyph glyph);

}  // namespace zul
