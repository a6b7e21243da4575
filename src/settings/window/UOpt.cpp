// TFormOptions construction: widgets, geometry, texts and fonts.
#include "settings/window/UOpt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSlider>

#include "widgets/FitText.h"
#include "widgets/Glyphs.h"
#include "widgets/Panels.h"
#include "app/FileCommands.h"
#include "app/SettingsModelCommands.h"
#include "settings/SettingsModel.h"
#include "settings/UserConstants.h"
#include "widgets/FrozenGrid.h"

namespace zul {

namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 452;
constexpr int kBlockHeight = 52;

// The suffix of the names of the panels around each field, in field order.
constexpr const char* kPanelSuffix[kConstantFieldCount] = {"PV", "TVM", "TVzdM", "TVzdV", "PMatTr", "HaraktShum"};

QByteArray PanelName(const char* prefix, ConstantField field) {
    return QByteArray(prefix) + kPanelSuffix[static_cast<int>(field) - 1];
}

}  // namespace

TFormOptions::TFormOptions(Calculator& calculator, Platform& platform, QWidget* parent)
    : QDialog(parent, DialogFlags()),
      calc_(calculator),
      platform_(platform),
      commands_(std::make_unique<SettingsCommands>(calculator, platform)),
      files_(std::make_unique<FileCommands>(calculator, platform)) {
    setObjectName(QStringLiteral("FormOptions"));
    setModal(true);
    setFixedSize(kWidth, kHeight);
    createWidgets();
    setTexts();
    setFonts();
    createConnections();
    RefreshFromModel();
}

// An editor still open when the window goes commits as it closes: by then the commands are gone.
TFormOptions::~TFormOptions() { StrGridConst->disconnect(this); }

void TFormOptions::createFieldBlock(QWidget* box, ConstantField field, int top) {
    FieldWidgets& w = fields_[static_cast<std::size_t>(field) - 1];
    w.field = field;
    const bool noise = field == ConstantField::HaraktShum;
    w.text = new CaptionPanel(box);
    w.text->setObjectName(QString::fromLatin1(PanelName("PanText", field)));
    w.text->setGeometry(0, top, 300, 20);
    w.text->setFrameStyle(QFrame::NoFrame);
    w.text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    w.text->setIndent(4);
    w.symbol = new CaptionPanel(box);
    w.symbol->setObjectName(QString::fromLatin1(PanelName("PanSym", field)));
    w.symbol->setGeometry(0, top + 22, 36, 26);
    w.edit = Named(new QLineEdit(box), FieldInfo(field).widget);
    w.edit->setGeometry(38, top + 22, noise ? 214 : 170, 26);
    w.unit = new CaptionPanel(box);
    w.unit->setObjectName(QString::fromLatin1(PanelName("PanEd", field)));
    w.unit->setGeometry(noise ? 254 : 210, top + 22, noise ? 46 : 90, 26);
    for (CaptionPanel* p : {w.symbol, w.unit}) {
        p->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        p->setLineWidth(2);
    }
}

void TFormOptions::createWidgets() {
    ScrollBox1 = Named(new QScrollArea(this), "ScrollBox1");
    ScrollBox1->setGeometry(4, 4, 320, 330);
    ScrollBox1->setFocusPolicy(Qt::NoFocus);
    auto* box = new QWidget;
    box->setObjectName(QStringLiteral("ScrollBox1Content"));
    box->setFixedSize(302, kConstantFieldCount * kBlockHeight + 4);
    // The fields stand in the order of their bad-field codes, which is also the tab order.
    for (const ConstantFieldInfo& info : ConstantFieldTable()) {
        const int position = static_cast<int>(info.field) - 1;
        createFieldBlock(box, info.field, 2 + position * kBlockHeight);
    }
    ScrollBox1->setWidget(box);
    EditPlotnVoda = Field(ConstantField::PlotnVoda).edit;
    EditTeplMVoda = Field(ConstantField::TeplMVoda).edit;
    EditTeplMVozd = Field(ConstantField::TeplMVozd).edit;
    EditTeplVVozd = Field(ConstantField::TeplVVozd).edit;
    EditPlotnMatTr = Field(ConstantField::PlotnMatTr).edit;
    EditHaraktShum = Field(ConstantField::HaraktShum).edit;
    for (int i = 0; i + 1 < kConstantFieldCount; ++i) setTabOrder(fields_[static_cast<std::size_t>(i)].edit, fields_[static_cast<std::size_t>(i) + 1].edit);

    PanelConst = Named(new CaptionPanel(this), "PanelConst");
    PanelConst->setGeometry(330, 4, 266, 36);
    PanelConst->setWordWrap(true);
    PanelConst->setContentsMargins(6, 2, 6, 2);  // the two lines keep clear of the edges
    // The header row, pi, g, e and the numbers stay in place; the user rows scroll.
    StrGridConst = Named(new FrozenGrid(UserConstantsGrid::kFirstUserRow, 1, this), "StrGridConst");
    StrGridConst->setGeometry(330, 42, 266, 136);
    StrGridConst->setColumnCount(UserConstantsGrid::kColumns);
    StrGridConst->SetRowHeight(20);
    StrGridConst->SetColumnWidths({40, 80, 134});
    // The settings file's name in row 0 shows whole where a smaller font lets it.
    StrGridConst->SetShrinkColumn(0, 10);
    StrGridConst->setSelectionMode(QAbstractItemView::SingleSelection);
    StrGridConst->setEditTriggers(QAbstractItemView::AllEditTriggers);

    GrBoxUgls = Named(new QGroupBox(this), "GrBoxUgls");
    GrBoxUgls->setGeometry(330, 182, 266, 50);
    RButtonRad = Named(new QRadioButton(GrBoxUgls), "RButtonRad");
    RButtonRad->setGeometry(8, 22, 86, 22);
    RButtonGradus = Named(new QRadioButton(GrBoxUgls), "RButtonGradus");
    RButtonGradus->setGeometry(96, 22, 86, 22);
    RButtonGrad = Named(new QRadioButton(GrBoxUgls), "RButtonGrad");
    RButtonGrad->setGeometry(186, 22, 74, 22);

    PanelNVir = Named(new CaptionPanel(this), "PanelNVir");
    PanelNVir->setGeometry(330, 238, 266, 22);
    PanelNVir->setContentsMargins(6, 0, 6, 0);
    TrBarNVir = Named(new QSlider(Qt::Horizontal, this), "TrBarNVir");
    TrBarNVir->setGeometry(330, 262, 266, 30);
    TrBarNVir->setRange(SettingsModel::kTrackBarMin, SettingsModel::kTrackBarMax);
    TrBarNVir->setSingleStep(5);
    TrBarNVir->setPageStep(5);
    TrBarNVir->setTickInterval(10);
    TrBarNVir->setTickPosition(QSlider::TicksBelow);

    PanExit = Named(new CaptionPanel(this), "PanExit");
    PanExit->setGeometry(330, 296, 266, 38);
    PanExit->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ChBoxEscExit = Named(new QCheckBox(PanExit), "ChBoxEscExit");
    ChBoxEscExit->setGeometry(6, 2, 256, 17);
    ChBoxAskExit = Named(new QCheckBox(PanExit), "ChBoxAskExit");
    ChBoxAskExit->setGeometry(6, 19, 256, 17);

    CBoxIniFile = Named(new QComboBox(this), "CBoxIniFile");
    CBoxIniFile->setGeometry(4, 342, 490, 26);
    BBtnIniFile = BitButton(this, "BBtnIniFile", QRect(498, 340, 98, 30), GlyphIcon(Glyph::Open));
    ChBoxAutoLoad = Named(new QCheckBox(this), "ChBoxAutoLoad");
    ChBoxAutoLoad->setGeometry(6, 378, 20, 22);
    EditFAutoLoad = Named(new QLineEdit(this), "EditFAutoLoad");
    EditFAutoLoad->setGeometry(28, 376, 326, 26);
    BBtnAutoLoad = BitButton(this, "BBtnAutoLoad", QRect(358, 374, 238, 30), GlyphIcon(Glyph::Folder));

    BBtnHelp = BitButton(this, "BBtnHelp", QRect(4, 410, 130, 32), GlyphIcon(Glyph::Help));
    BBtnExitOpt = BitButton(this, "BBtnExitOpt", QRect(466, 410, 130, 32), GlyphIcon(Glyph::Exit));

    PanelLine = LimeLine(this, "PanelLine1", kHeight - 6, kWidth);
}

// Every Russian text of the settings window; the field captions come from the fields table.
void TFormOptions::setTexts() {
    setWindowTitle(QStringLiteral("Настройки"));
    for (FieldWidgets& w : fields_) {
        const ConstantFieldInfo& info = FieldInfo(w.field);
        w.text->setText(QString::fromUtf8(info.description));
        w.symbol->setText(QString::fromUtf8(info.symbol));
        w.unit->setText(QString::fromUtf8(info.unit));
    }
    // The noise corrections have no caption of their own in the fields table.
    Field(ConstantField::HaraktShum).text->setText(QStringLiteral("Поправки шумомера (63 ... 8000 Гц)."));
    Field(ConstantField::HaraktShum).symbol->setText(QStringLiteral("dL"));
    PanelConst->setText(QStringLiteral("Определение пользовательских и системных констант"));
    GrBoxUgls->setTitle(QStringLiteral("Ед. изм. углов"));
    RButtonRad->setText(QStringLiteral("Радианы"));
    SetHint(RButtonRad, QStringLiteral("1 рад = 180°/pi"));
    RButtonGradus->setText(QStringLiteral("Градусы"));
    SetHint(RButtonGradus, QStringLiteral("1° = pi/180 рад "));
    RButtonGrad->setText(QStringLiteral("Грады"));
    SetHint(RButtonGrad, QStringLiteral("в круге 400°"));
    SetHint(TrBarNVir, QStringLiteral("При записи текущего состояния В ФАЙЛ"));
    BBtnIniFile->setText(QStringLiteral("Файл"));
    SetHint(BBtnIniFile, QStringLiteral("Открыть файл с настройками"));
    BBtnAutoLoad->setText(QStringLiteral("Автозагрузка параметров"));
    SetHint(BBtnAutoLoad, QStringLiteral("Автозагрузка файла с настройками при запуске Программы"));
    ChBoxEscExit->setText(QStringLiteral("Выход из Программы по \"Esc\""));
    ChBoxAskExit->setText(QStringLiteral("Вопрос при выходе из Программы"));
    BBtnHelp->setText(QStringLiteral("Помощь"));
    BBtnExitOpt->setText(QStringLiteral("Закрыть"));
    SetHint(BBtnExitOpt, QStringLiteral("Закрыть это окно"));
}

void TFormOptions::setFonts() {
    const QFont caption = TimesBold(13);
    const QFont field = TimesBold(15);
    for (FieldWidgets& w : fields_) {
        w.text->setFont(caption);
        w.symbol->setFont(caption);
        w.unit->setFont(caption);
        w.edit->setFont(field);
    }
    EditHaraktShum->setFont(TimesBold(14));
    for (QWidget* w : std::initializer_list<QWidget*>{PanelConst, StrGridConst, GrBoxUgls, RButtonRad, RButtonGradus,
                                                      RButtonGrad, PanelNVir, ChBoxEscExit, ChBoxAskExit, CBoxIniFile,
                                                      EditFAutoLoad})
        w->setFont(caption);
    for (QWidget* w : std::initializer_list<QWidget*>{BBtnIniFile, BBtnAutoLoad, BBtnHelp, BBtnExitOpt})
        w->setFont(TimesBold(15));
    // The caption of the track bar keeps one size from 10 to 255, the size of its longest text.
    PanelNVir->setFont(FitText(QStringLiteral("Количество запоминаемых выражений = 255"), caption,
                               PanelNVir->contentsRect().width(), 11)
                           .font);
}

}  // namespace zul
