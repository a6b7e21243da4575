// TFormFace: the topic tree, its selection, the bracket template and the pictures.
#include "app/window/UMain.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QPixmap>
#include <QToolButton>
#include <QTreeWidget>

#include "app/Calculator.h"
#include "app/MainWindowRules.h"
#include "widgets/JpegPicture.h"
#include "widgets/Panels.h"
#include "calc/Selection.h"

namespace zul {

QTreeWidgetItem* TFormFace::itemByIndex(int index) const {
    if (index < 0 || index >= static_cast<int>(nodes_.size())) return nullptr;
    return nodes_[static_cast<std::size_t>(index)];
}

void TFormFace::TViewTipChange(QTreeWidgetItem* item) {
    const std::optional<TopicSelection> selection =
        ApplyTopicNode(calc_, item->data(0, kNodeIndexRole).toInt());
    if (selection) ShowSelection(*selection);
}

void TFormFace::SelectNodeByIndex(int index) {
    QTreeWidgetItem* item = itemByIndex(index);
    if (item == nullptr) return;
    if (TViewTip->currentItem() == item) {
        TViewTipChange(item);  // selecting the selected node again still applies it
    } else {
        TViewTip->setCurrentItem(item);  // the selection handler runs
    }
    TViewTip->scrollToItem(item);
}

void TFormFace::ShowSelection(const TopicSelection& selection) {
    PanelPodsk->setText(QString::fromStdString(selection.hint));
    NVstFunc->setEnabled(selection.insertFormulaEnabled);
    SpButtonIncFunc->setEnabled(selection.insertFormulaEnabled);
    NVstLiter->setEnabled(selection.literatureEnabled);
    SpButtonliterature->setEnabled(selection.literatureEnabled);
    ShowPicture(selection.pictureIndex);
}

void TFormFace::TViewTipDblClick() {
    const BracketTemplateEffect effect =
        BracketTemplateCommand(calc_.main.topic.calculationCode, CBoxMainStr->currentText().toStdString());
    if (effect.setInput) ShowInputText(effect.inputText);
    if (effect.focusInput) {
        CBoxMainStr->setFocus();
        CaretToEnd();
    }
    if (effect.paintHintYellow) PanelPodsk->setPanelColor(Yellow());
}

void TFormFace::PanelPodskClick() {
    CBoxMainStr->setFocus();
    if (calc_.main.topic.selectedNodeIndex > 0) PanelPodsk->setPanelColor(Yellow());
    CaretToEnd();
}

// The picture of the node, else the start picture, else what is shown stays. A file that
// cannot be decoded counts as missing. A dense screen shows the picture's twice-sized form.
void TFormFace::ShowPicture(int index) {
    for (const std::string& path : PictureCandidates(dataFolders_.pictures, index)) {
        const QString file = QString::fromStdString(path);
        if (!QFile::exists(file)) continue;
        QString shown;
        QImage image = LoadPicture(file, ImageF->size(), ImageF->devicePixelRatioF(), &shown);
        if (image.isNull()) continue;
        picture_ = image;
        shownPictureFile_ = shown;
        ImageF->setPixmap(QPixmap::fromImage(image));
        return;
    }
}

}  // namespace zul
