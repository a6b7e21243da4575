// TFormEdIzm: the unit reference window.
#include "reference/window/UEdIzm.h"

#include <QFrame>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <algorithm>

#include "widgets/Glyphs.h"
#include "widgets/Panels.h"
#include "widgets/QtText.h"
#include "reference/UnitReference.h"

namespace zul {

namespace {

constexpr int kClientWidth = 560;
constexpr int kClientHeight = 440;
constexpr int kLineHeight = 26;
constexpr int kGap = 18;

// A value can be selected and copied in its editor, but what the user types is put back
// at once: the table is a reference, not a form.
class SnapBackDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        const QString stored = index.data(Qt::EditRole).toString();
        connect(editor, &QLineEdit::textEdited, editor, [editor, stored] {
            editor->setText(stored);
            editor->selectAll();
        });
        return editor;
    }
};

// The lines are named EditConv1, EditConv2, ... in the order of the pages and their lines.
QLineEdit* ConversionLine(QWidget* page, int number, std::string_view text, int left, int top, int width,
                          bool editable) {
    auto* line = new QLineEdit(page);
    line->setObjectName(QStringLiteral("EditConv%1").arg(number));
    line->setGeometry(left, top, width, kLineHeight - 2);
    line->setFrame(false);
    line->setReadOnly(!editable);
    line->setText(ToQ(text));
    line->setCursorPosition(0);
    // On the page's own colour, so that the lines read as text that can be copied.
    QPalette p = line->palette();
    p.setColor(QPalette::Base, Qt::transparent);
    line->setPalette(p);
    return line;
}

}  // namespace

TFormEdIzm::TFormEdIzm(std::array<int, 3>& rememberedPosition, QWidget* parent)
    : QDialog(parent, DialogFlags()),
      remembered_(rememberedPosition) {
    setObjectName(QStringLiteral("FormEdIzm"));
    setModal(true);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(TimesBold(14));
    createWidgets();
    setTexts();
    FillConstantsTable();
    ApplyRememberedPosition();
    connect(BBtnExitFunc, &QPushButton::clicked, this, [this] { BBtnExitFuncClick(); });
    connect(StrGridConst, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!filling_ && item->column() == 2) FillConstantsTable();
    });
}

void TFormEdIzm::createWidgets() {
    PageConEdIzm = Named(new QTabWidget(this), "PageConEdIzm");
    PageConEdIzm->setGeometry(6, 6, kClientWidth - 12, 380);
    for (int i = 0; i < static_cast<int>(ConversionPages().size()); ++i) {
        PageConEdIzm->addTab(createConversionPage(i),
                             ToQ(ConversionPages()[static_cast<std::size_t>(i)].title));
    }
    createConstantsPage();

    BBtnExitFunc =
        BitButton(this, "BBtnExitFunc", QRect(6, 392, kClientWidth - 12, 36), GlyphIcon(Glyph::Exit));
    PanLine1 = LimeLine(this, "PanLine1", kClientHeight - 6, kClientWidth);
}

QWidget* TFormEdIzm::createConversionPage(int pageIndex) {
    const ConversionPage& data = ConversionPages()[static_cast<std::size_t>(pageIndex)];
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet%1").arg(pageIndex + 1));
    const bool twoColumns = !data.rightColumn.empty();
    const int fullWidth = kClientWidth - 32;
    const int leftWidth = twoColumns ? 236 : fullWidth;
    int top = 12;
    for (std::string_view text : data.lines) {
        ConversionLine(page, ++conversionLines_, text, 8, top, leftWidth, data.editable);
        top += kLineHeight;
    }
    if (!data.linesAfterGap.empty()) top += kGap;
    for (std::string_view text : data.linesAfterGap) {
        ConversionLine(page, ++conversionLines_, text, 8, top, fullWidth, data.editable);
        top += kLineHeight;
    }
    // The right column stands beside the last lines of the left one.
    int rightTop = top - kLineHeight * static_cast<int>(data.rightColumn.size());
    for (std::string_view text : data.rightColumn) {
        ConversionLine(page, ++conversionLines_, text, 8 + leftWidth + 6, rightTop, fullWidth - leftWidth - 6,
                       false);
        rightTop += kLineHeight;
    }
    return page;
}

void TFormEdIzm::createConstantsPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet6"));
    StrGridConst = Named(new QTableWidget(kConstantsRowCount - 1, 4, page), "StrGridConst");
    StrGridConst->setGeometry(4, 4, kClientWidth - 28, 340);
    StrGridConst->verticalHeader()->hide();
    StrGridConst->verticalHeader()->setDefaultSectionSize(22);
    StrGridConst->setSelectionMode(QAbstractItemView::SingleSelection);
    StrGridConst->setWordWrap(false);
    StrGridConst->horizontalHeader()->setHighlightSections(false);
    StrGridConst->setItemDelegateForColumn(2, new SnapBackDelegate(StrGridConst));
    StrGridConst->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                  QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    StrGridConst->setFont(TimesBold(13));
    StrGridConst->horizontalHeader()->setFont(TimesBold(12));
    StrGridConst->horizontalHeader()->setTextElideMode(Qt::ElideRight);
    // "№п.п." is wider than its 26 px column; its beginning is what should show.
    StrGridConst->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 0; c < 4; ++c)
        StrGridConst->setColumnWidth(c, kConstantsColumnWidths[static_cast<std::size_t>(c)]);
    PageConEdIzm->addTab(page, ToQ(kConstantsPageTitle));
}

// Every Russian text of the window (the lines and the table come with the program's data).
void TFormEdIzm::setTexts() {
    setWindowTitle(ToQ(kUnitReferenceCaption));
    BBtnExitFunc->setText(QStringLiteral("Закрыть"));
    SetHint(BBtnExitFunc, QStringLiteral("Закрыть это окно"));
}

void TFormEdIzm::FillConstantsTable() {
    filling_ = true;
    const auto cells = zul::FillConstantsTable();
    QStringList headers;
    for (const std::string& header : cells.front()) headers << ToQ(header);
    StrGridConst->setHorizontalHeaderLabels(headers);
    for (std::size_t r = 1; r < cells.size(); ++r) {
        for (int c = 0; c < 4; ++c) {
            const int row = static_cast<int>(r) - 1;
            QTableWidgetItem* item = StrGridConst->item(row, c);
            if (item == nullptr) {
                item = new QTableWidgetItem;
                StrGridConst->setItem(row, c, item);
            }
            item->setText(ToQ(cells[r][static_cast<std::size_t>(c)]));
            // StrGridConstSelectCell: only a value cell opens an editor.
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (ConstantsCellEditable(c)) flags |= Qt::ItemIsEditable;
            item->setFlags(flags);
        }
    }
    filling_ = false;
}

void TFormEdIzm::ApplyRememberedPosition() {
    PageConEdIzm->setCurrentIndex(ReferenceStartPage(remembered_[0]) - 1);
    const int row = std::clamp(remembered_[1], 1, kConstantsRowCount - 1) - 1;
    const int column = std::clamp(remembered_[2], 0, 3);
    StrGridConst->setCurrentCell(row, column);
    StrGridConst->scrollToItem(StrGridConst->item(row, column), QAbstractItemView::PositionAtTop);
}

void TFormEdIzm::BBtnExitFuncClick() {
    remembered_[0] = PageConEdIzm->currentIndex() + 1;
    remembered_[1] = StrGridConst->currentRow() + 1;
    remembered_[2] = StrGridConst->currentColumn();
    accept();
}

}  // namespace zul
