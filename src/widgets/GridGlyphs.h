// The pictures of the row commands of the memory and list windows (add, delete, move,
// switch a line off and on, compute), painted at run time like the main window's glyphs.
#pragma once

#include <QIcon>

namespace zul {

enum class GridGlyph { Add, Delete, Copy, Clear, Up, Down, LineOff, LineOn, ComputeLine, ComputeAll, Insert };

QIcon GridGlyphIcon(GridGlyph glyph);

}  // namespace zul
