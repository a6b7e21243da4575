// The journal table of the note window.
#include "report/window/JournalModel.h"

#include "app/Journal.h"
#include "app/SessionReport.h"
#include "widgets/QtText.h"

namespace zul {

JournalModel::JournalModel(Journal& journal, QObject* parent) : QAbstractTableModel(parent), journal_(journal) {}

int JournalModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(journal_.Size());
}

int JournalModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant JournalModel::data(const QModelIndex& index, int role) const {
    const JournalEntry* entry = journal_.At(static_cast<std::size_t>(index.row()));
    if (!index.isValid() || entry == nullptr) return {};
    if (role == Qt::CheckStateRole && index.column() == kNumber)
        return entry->inDocument ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::ToolTipRole && index.column() == kTime) return ToQ(entry->stamp.date);
    if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::ToolTipRole) return {};
    switch (index.column()) {
        case kNumber: return QString::number(index.row() + 1) + QLatin1Char('.');
        case kTime: return ToQ(entry->stamp.timeOfDay);
        case kCaption: return ToQ(EntryCaption(*entry));
        case kResult: return ToQ(EntryResult(*entry));
        case kNote: return ToQ(entry->note);
        default: return {};
    }
}

QVariant JournalModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case kNumber: return QStringLiteral("№п.п.");
        case kTime: return QStringLiteral("Время");
        case kCaption: return QStringLiteral("Расчёт, выражение");
        case kResult: return QStringLiteral("Результат");
        case kNote: return QStringLiteral("Примечания");
        default: return {};
    }
}

Qt::ItemFlags JournalModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == kNumber) f |= Qt::ItemIsUserCheckable;
    if (index.column() == kNote) f |= Qt::ItemIsEditable;
    return f;
}

bool JournalModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    JournalEntry* entry = journal_.At(static_cast<std::size_t>(index.row()));
    if (!index.isValid() || entry == nullptr) return false;
    if (role == Qt::CheckStateRole && index.column() == kNumber) {
        entry->inDocument = value.toInt() == Qt::Checked;
    } else if (role == Qt::EditRole && index.column() == kNote) {
        const std::string note = ToStd(value.toString());
        if (note == entry->note) return true;
        entry->note = note;
    } else {
        return false;
    }
    emit dataChanged(index, index);
    emit entryEdited();
    return true;
}

void JournalModel::Reload() {
    beginResetModel();
    endResetModel();
}

}  // namespace zul
