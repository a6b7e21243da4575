// The row picker of the note window.
#include "report/window/RowPicker.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/Glyphs.h"
#include "widgets/Panels.h"

namespace zul {

RowPicker::RowPicker(const QString& title, const QStringList& rows, QWidget* parent)
    : QDialog(parent, DialogFlags()) {
    setObjectName(QStringLiteral("FormRowPicker"));
    setWindowTitle(title);
    setModal(true);
    resize(560, 360);

    ListRows = Named(new QListWidget(this), "ListRows");
    ListRows->setFont(TimesBold(15));
    for (const QString& row : rows) {
        auto* item = new QListWidgetItem(row, ListRows);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
    ChBoxAll = Named(new QCheckBox(QStringLiteral("Отметить все"), this), "ChBoxAll");
    ChBoxAll->setFont(TimesBold(15));
    BBtnAdd = BitButton(this, "BBtnAdd", QRect(0, 0, 120, 30), GlyphIcon(Glyph::Continue));
    BBtnAdd->setText(QStringLiteral("Добавить"));
    SetHint(BBtnAdd, QStringLiteral("Добавить отмеченные строки в расчётную записку"));
    BBtnCancel = BitButton(this, "BBtnCancel", QRect(0, 0, 120, 30), GlyphIcon(Glyph::Abort));
    BBtnCancel->setText(QStringLiteral("Отмена"));
    for (QPushButton* b : {BBtnAdd, BBtnCancel}) {
        b->setFont(TimesBold(15));
        b->setMinimumSize(120, 30);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ChBoxAll);
    buttons->addStretch(1);
    buttons->addWidget(BBtnAdd);
    buttons->addWidget(BBtnCancel);
    auto* content = new QVBoxLayout;
    content->setContentsMargins(9, 9, 9, 9);
    content->addWidget(ListRows, 1);
    content->addLayout(buttons);
    QFrame* line = LimeLine(this, "PanLine1", 0, 0);
    line->setFixedHeight(6);
    auto* layout = new QVBoxLayout(this);  // the lime line closes the window's whole width
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(content, 1);
    layout->addWidget(line);

    connect(ChBoxAll, &QCheckBox::toggled, this, [this](bool all) {
        for (int i = 0; i < ListRows->count(); ++i) ListRows->item(i)->setCheckState(all ? Qt::Checked : Qt::Unchecked);
    });
    connect(BBtnAdd, &QPushButton::clicked, this, &QDialog::accept);
    connect(BBtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::vector<int> RowPicker::Chosen() const {
    std::vector<int> chosen;
    for (int i = 0; i < ListRows->count(); ++i)
        if (ListRows->item(i)->checkState() == Qt::Checked) chosen.push_back(i);
    return chosen;
}

std::vector<int> PickRows(QWidget* parent, const QString& title, const QStringList& rows) {
    RowPicker picker(title, rows, parent);
    if (picker.exec() != QDialog::Accepted) return {};
    return picker.Chosen();
}

}  // namespace zul
