// The topic tree as the main window shows it: the hint line, the enabled commands, the
// bracket template, and the pictures with their fall-backs and broken files.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "GuiTestSupport.h"
#include "widgets/JpegPicture.h"
#include "widgets/Panels.h"

namespace zul::test {
namespace {

TEST(MainTree, HoldsTheWholeCatalogueInOrder) {
    GuiFixture f;
    QTreeWidget* tree = Child<QTreeWidget>(f.face(), "TViewTip");
    EXPECT_EQ(tree->topLevelItemCount(), 10);
    int count = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        EXPECT_EQ((*it)->data(0, kNodeIndexRole).toInt(), count);  // depth-first order
        ++count;
    }
    EXPECT_EQ(count, 143);
    EXPECT_EQ(tree->topLevelItem(2)->text(0), QStringLiteral("Гидравлика"));
}

TEST(MainTree, CommandsDisabledUntilANodeIsSelected) {
    GuiFixture f;
    EXPECT_FALSE(Child<QAction>(f.face(), "NVstFunc")->isEnabled());
    EXPECT_FALSE(Child<QAction>(f.face(), "NVstLiter")->isEnabled());
    EXPECT_FALSE(Child<QToolButton>(f.face(), "SpButtonIncFunc")->isEnabled());
    EXPECT_FALSE(Child<QToolButton>(f.face(), "SpButtonliterature")->isEnabled());
    EXPECT_TRUE(Child<CaptionPanel>(f.face(), "PanelPodsk")->text().isEmpty());
}

struct SelectionCase {
    const char* node;
    const char* hint;
    bool insertFormula;  // a calculation node
    int code;
};

const SelectionCase kSelections[] = {
    {"Скорость жидкости", "[Расход, м3/ч] [Диаметр трубопровода, мм]", true, 1},
    {"Гидравлика", "Течение жидкостей по трубопроводам", false, 0},
    {"Аэродинамика", "Перемещение газов и воздуха", false, 1000},
    {"Интерполяция (линейная)", "[M1] [N1] [M2] [N2] [Y]", true, 50001},
};

TEST(MainTree, SelectionSetsHintCommandsAndCode) {
    for (const SelectionCase& c : kSelections) {
        SCOPED_TRACE(c.node);
        GuiFixture f;
        f.SelectNode(QString::fromUtf8(c.node));
        EXPECT_EQ(Child<CaptionPanel>(f.face(), "PanelPodsk")->text(), QString::fromUtf8(c.hint));
        EXPECT_EQ(Child<QToolButton>(f.face(), "SpButtonIncFunc")->isEnabled(), c.insertFormula);
        EXPECT_EQ(Child<QAction>(f.face(), "NVstFunc")->isEnabled(), c.insertFormula);
        EXPECT_TRUE(Child<QToolButton>(f.face(), "SpButtonliterature")->isEnabled());
        EXPECT_EQ(f.calculator->main.topic.calculationCode, c.code);
        EXPECT_TRUE(f.calculator->main.settingsFile.modified);
    }
}

TEST(MainTree, LiquidVelocityComputesAndIsRecorded) {
    GuiFixture f;
    f.SelectNode(QStringLiteral("Скорость жидкости"));
    f.Compute(QStringLiteral("[12.5] [80]"));
    EXPECT_EQ(f.InputText(), QStringLiteral("0.690776662725"));
    ASSERT_EQ(Child<QComboBox>(f.face(), "ComBoxSelRas")->count(), 1);
    EXPECT_EQ(Child<QComboBox>(f.face(), "ComBoxSelRas")->itemText(0), QStringLiteral("№1. =0.690776662725"));
    EXPECT_EQ(f.InputLine()->itemText(0), QStringLiteral("[12.5] [80]"));
}

TEST(MainTree, PreviousCalculationReselectsItsNode) {
    GuiFixture f;
    f.SelectNode(QStringLiteral("Скорость жидкости"));
    f.Compute(QStringLiteral("[12.5] [80]"));
    f.SelectNode(QStringLiteral("Гидравлика"));
    QTest::mouseClick(Child<QToolButton>(f.face(), "SpButtonLastR"), Qt::LeftButton);
    EXPECT_EQ(Child<QTreeWidget>(f.face(), "TViewTip")->currentItem()->text(0),
              QStringLiteral("Скорость жидкости"));
    EXPECT_EQ(f.calculator->main.topic.calculationCode, 1);
}

struct TemplateCase {
    const char* node;
    const char* firstPress;   // the input line after one press
    const char* secondPress;  // and after the second
    bool hintYellow;
};

const TemplateCase kTemplates[] = {
    {"Скорость жидкости", "[] []", "", true},
    {"Сложение значений времени: [чч:мм:сс]", "[00:00:00] [00:00:00] [-00:00:00]", "", true},
    {"Аэродинамика", "x", "x", true},  // a group node: only the hint line turns yellow
    {"Гидравлика", "x", "x", false},   // code 0: nothing at all
};

TEST(MainTree, BracketTemplateToggles) {
    for (const TemplateCase& c : kTemplates) {
        SCOPED_TRACE(c.node);
        GuiFixture f;
        f.SelectNode(QString::fromUtf8(c.node));
        f.SetInputText(QStringLiteral("x"));
        QTest::mouseClick(Child<QPushButton>(f.face(), "BitBtnIncParSk"), Qt::LeftButton);
        EXPECT_EQ(f.InputText(), QString::fromUtf8(c.firstPress));
        Child<QAction>(f.face(), "PMIncParSk")->trigger();
        EXPECT_EQ(f.InputText(), QString::fromUtf8(c.secondPress));
        EXPECT_EQ(Child<CaptionPanel>(f.face(), "PanelPodsk")->panelColor() == Yellow(), c.hintYellow);
    }
}

// Pictures: which file the window shows for a node, given what the folder "Pict" holds.
struct PictureCase {
    const char* name;
    std::vector<const char*> files;  // good JPEGs in Pict
    std::vector<const char*> broken; // files in Pict that are not JPEGs (or are cut short)
    const char* node;                // selected after start; "" for none
    const char* shown;               // file name shown; "" for no picture at all
};

const PictureCase kPictures[] = {
    {"start picture", {"Zast-001.jpg"}, {}, "", "Zast-001.jpg"},
    {"node picture", {"Zast-001.jpg", "ZSkor.jpg"}, {}, "Скорость жидкости", "ZSkor.jpg"},
    {"missing falls back", {"Zast-001.jpg"}, {}, "Гидравлика", "Zast-001.jpg"},
    {"broken falls back", {"Zast-001.jpg"}, {"ZSkor.jpg"}, "Скорость жидкости", "Zast-001.jpg"},
    {"both broken", {}, {"Zast-001.jpg", "ZSkor.jpg"}, "Скорость жидкости", ""},
    {"no folder", {}, {}, "Скорость жидкости", ""},
};

TEST(MainPictures, FallBackRules) {
    for (const PictureCase& c : kPictures) {
        SCOPED_TRACE(c.name);
        GuiFixture f(false);
        if (!c.files.empty() || !c.broken.empty()) {
            ASSERT_TRUE(QDir(f.dir.path()).mkdir(QStringLiteral("Pict")));
        }
        for (const char* name : c.files)
            f.WriteFile(QStringLiteral("Pict/") + QString::fromUtf8(name), MakeJpeg(40, 24, 200, 30, 30));
        for (const char* name : c.broken) {
            const QByteArray good = MakeJpeg(40, 24, 30, 200, 30);
            f.WriteFile(QStringLiteral("Pict/") + QString::fromUtf8(name), good.left(20));  // cut in the header
        }
        f.Start();
        if (*c.node) f.SelectNode(QString::fromUtf8(c.node));
        const QString shown = f.face().shownPictureFile();
        if (*c.shown) {
            EXPECT_TRUE(shown.endsWith(QStringLiteral("/Pict/") + QString::fromUtf8(c.shown))) << ToStd(shown);
            EXPECT_FALSE(f.face().shownPicture().isNull());
        } else {
            EXPECT_TRUE(shown.isEmpty()) << ToStd(shown);
        }
    }
}

// The decoder itself: good files decode, anything else gives a null image and never ends
// the process.
TEST(JpegDecoder, GoodAndBadBytes) {
    const QByteArray good = MakeJpeg(64, 32, 10, 20, 30);
    struct Case {
        const char* name;
        QByteArray bytes;
        bool decodes;
    };
    const Case cases[] = {
        {"good", good, true},
        {"empty", QByteArray(), false},
        {"garbage", QByteArray(5000, 'x'), false},
        {"header only", good.left(20), false},
        {"png signature", QByteArray("\x89PNG\r\n\x1a\n", 8), false},
        {"cut in the scan", good.left(good.size() - 40), true},  // libjpeg pads the rest grey
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString error;
        const QImage image = DecodeJpeg(c.bytes, {}, &error);
        EXPECT_EQ(!image.isNull(), c.decodes) << ToStd(error);
        if (c.decodes) {
            EXPECT_EQ(image.size(), QSize(64, 32));
        } else {
            EXPECT_FALSE(error.isEmpty());
        }
    }
}

// A header that announces a huge image is refused before any pixel memory is taken.
TEST(JpegDecoder, RefusesHugeDimensions) {
    QByteArray bytes = MakeJpeg(16, 16, 1, 2, 3);
    const qsizetype frame = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(frame, 0);
    const char huge[4] = {'\xEA', '\x60', '\xEA', '\x60'};  // 60000 x 60000
    bytes.replace(frame + 5, 4, QByteArray(huge, 4));
    QString error;
    EXPECT_TRUE(DecodeJpeg(bytes, {}, &error).isNull());
    EXPECT_FALSE(error.isEmpty());
}

// A dense screen takes the picture drawn at twice the size when it is there and decodes.
struct DenseCase {
    qreal ratio;
    std::vector<const char*> files;  // good JPEGs; "@2x" ones are twice the size
    const char* shown;
};

const DenseCase kDense[] = {
    {1, {"ZSkor.jpg", "ZSkor@2x.jpg"}, "ZSkor.jpg"},
    {2, {"ZSkor.jpg", "ZSkor@2x.jpg"}, "ZSkor@2x.jpg"},
    {2, {"ZSkor.jpg"}, "ZSkor.jpg"},
};

TEST(JpegDecoder, DenseScreensTakeThePictureDrawnAtTwiceTheSize) {
    for (const DenseCase& c : kDense) {
        SCOPED_TRACE(c.shown);
        QTemporaryDir dir;
        for (const char* name : c.files) {
            QFile file(dir.filePath(QString::fromUtf8(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            const int scale = QString::fromUtf8(name).contains(QStringLiteral("@2x")) ? 2 : 1;
            file.write(MakeJpeg(301 * scale, 179 * scale, 10, 20, 30));
        }
        QString shown;
        const QImage image = LoadPicture(dir.filePath(QStringLiteral("ZSkor.jpg")), QSize(301, 179), c.ratio, &shown);
        EXPECT_EQ(shown, dir.filePath(QString::fromUtf8(c.shown)));
        EXPECT_EQ(image.width(), shown.contains(QStringLiteral("@2x")) ? 602 : 301);
    }
}

TEST(JpegDecoder, ScalesDownOnlyWhileLargerThanTheTarget) {
    const QByteArray big = MakeJpeg(1200, 720, 0, 0, 0);
    EXPECT_EQ(DecodeJpeg(big, QSize(301, 179)).size(), QSize(600, 360));
    EXPECT_EQ(DecodeJpeg(big, QSize(100, 60)).size(), QSize(150, 90));
    EXPECT_EQ(DecodeJpeg(big).size(), QSize(1200, 720));
}

}  // namespace
}  // namespace zul::test
