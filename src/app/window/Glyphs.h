// The small pictures on the tool buttons and bit buttons, drawn at run time so that the
// program needs no image files of its own.
#pragma once

#include <QIcon>

namespace zul {

enum class Glyph {
    Open, Save, CloseFile, Options, Lists, Memory, PreviousExpression, PreviousCalculation,
    InsertFormula, Literature, Reference, Functions, About, Compute, Help, Exit, Continue, Abort,
    Folder
};

QIcon GlyphIcon(Glyph glyph);

}  // namespace zul
