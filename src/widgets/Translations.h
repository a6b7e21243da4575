// Qt's own texts (file dialogs, the context menus of edit lines, standard buttons) in
// Russian, like every other text of the calculator.
#pragma once

class QCoreApplication;

namespace zul {

// Loads Qt's Russian catalogue "qtbase_ru" from Qt's translations folder and installs it
// for the application; Qt's locale-aware texts (dates and sizes in the file dialogs)
// follow Russian as well. Without the catalogue (the translations package is not
// installed) Qt keeps its English texts and the program runs all the same: false then.
bool InstallQtTranslations(QCoreApplication& application);

}  // namespace zul
