// TFormEdIzm: the unit reference "Справочник", five pages of conversion lines and the table
// of physical constants, opened on the page and cell where it was last closed.
#pragma once

#include <QDialog>
#include <array>
#include <vector>

class QFrame;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace zul {

class TFormEdIzm : public QDialog {
    Q_OBJECT
public:
    // The remembered position (page, row, column) lives in the main window for the run:
    // page 1..6 (7 before the first closing), row and column of the constants grid.
    explicit TFormEdIzm(std::array<int, 3>& rememberedPosition, QWidget* parent = nullptr);

    // "Закрыть": stores the page and the cell, then closes. The close box stores nothing.
    void BBtnExitFuncClick();
    // Any change of a value cell puts every cell back as the table gives it.
    void FillConstantsTable();

private:
    // Controls, named as the system names them (the same text is the objectName; the
    // conversion lines of pages 1 to 5 are EditConv1, EditConv2, ... page by page).
    QTabWidget* PageConEdIzm = nullptr;
    QTableWidget* StrGridConst = nullptr;
    QPushButton* BBtnExitFunc = nullptr;
    QFrame* PanLine1 = nullptr;

    void createWidgets();
    QWidget* createConversionPage(int pageIndex);
    void createConstantsPage();
    void setTexts();
    void ApplyRememberedPosition();

    std::array<int, 3>& remembered_;  // page 1..6 (7 before the first closing), row, column
    int conversionLines_ = 0;  // made so far
    bool filling_ = false;
};

}  // namespace zul
