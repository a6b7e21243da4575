// The file dialogs as the calculator shows them: wide enough for their columns, and every
// column in Russian, the sizes and dates included.
#pragma once

class QFileDialog;

namespace zul {

// Sizes the dialog and its columns so that no column is cut, and shows sizes, dates and
// folder types in Russian whatever the desktop's own language. Call before showing.
void DressFileDialog(QFileDialog& dialog);

}  // namespace zul
