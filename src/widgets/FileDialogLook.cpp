// The columns of Qt's own file dialog, in Russian and uncut.
#include "widgets/FileDialogLook.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QScreen>
#include <QSplitter>
#include <QTreeView>

#include <algorithm>

namespace zul {

namespace {

// Qt writes a file's size and date in the desktop's language and names a folder "Folder"
// where its catalogue lacks the word; this model speaks Russian in those three columns.
class RussianFileColumns : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || files == nullptr || !index.isValid())
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        const QLocale russian(QLocale::Russian, QLocale::Russia);
        switch (index.column()) {
            case 1:
                if (files->isDir(source)) return QString();
                if (files->size(source) < 1024) return QStringLiteral("%1 байт").arg(files->size(source));
                return russian.formattedDataSize(files->size(source), 1, QLocale::DataSizeTraditionalFormat);
            case 2:
                if (files->isDir(source)) return QStringLiteral("Папка");
                break;
            case 3:
                return russian.toString(files->lastModified(source), QStringLiteral("dd.MM.yyyy HH:mm"));
            default:
                break;
        }
        return QIdentityProxyModel::data(index, role);
    }
};

}  // namespace

void DressFileDialog(QFileDialog& dialog) {
    dialog.setProxyModel(new RussianFileColumns(&dialog));
    // Room for the columns, within the screen (a small or a magnified one).
    QSize size(std::max(dialog.width(), 780), std::max(dialog.height(), 460));
    if (const QScreen* screen = dialog.screen())
        size = size.boundedTo(screen->availableGeometry().size() - QSize(40, 60));
    dialog.resize(size);
    if (auto* splitter = dialog.findChild<QSplitter*>(QStringLiteral("splitter"))) {
        const int places = std::clamp(size.width() / 5, 110, 170);  // "Компьютер" and the home folder
        splitter->setSizes({places, size.width() - places});
    }
    if (auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* header = details->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < header->count(); ++column)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
}

}  // namespace zul
