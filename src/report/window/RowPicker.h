// A small dialog that lists rows (of the memory, of the expression list) with check boxes
// and gives back the ones the user ticked.
#pragma once

#include <QDialog>
#include <QStringList>

#include <vector>

class QCheckBox;
class QListWidget;
class QPushButton;

namespace zul {

class RowPicker : public QDialog {
    Q_OBJECT
public:
    RowPicker(const QString& title, const QStringList& rows, QWidget* parent = nullptr);

    // The ticked rows, 0-based, in order.
    std::vector<int> Chosen() const;

private:
    QListWidget* ListRows = nullptr;
    QCheckBox* ChBoxAll = nullptr;
    QPushButton* BBtnAdd = nullptr;
    QPushButton* BBtnCancel = nullptr;
};

// Shows the dialog modally; the ticked rows, or none when cancelled.
std::vector<int> PickRows(QWidget* parent, const QString& title, const QStringList& rows);

}  // namespace zul
