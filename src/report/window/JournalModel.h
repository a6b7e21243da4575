// The entries of the session journal as the rows of the note window's table: the number
// with the check box "in the document", the time, what was computed, the result and the
// note, which the user edits.
#pragma once

#include <QAbstractTableModel>

namespace zul {

class Journal;

class JournalModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kNumber, kTime, kCaption, kResult, kNote, kColumnCount };

    explicit JournalModel(Journal& journal, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // After the journal changed as a whole (moved, deleted, cleared, added to).
    void Reload();

signals:
    // The user changed an entry: its check box or its note.
    void entryEdited();

private:
    Journal& journal_;
};

}  // namespace zul
