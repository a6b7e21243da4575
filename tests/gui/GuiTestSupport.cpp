// The QApplication of the window tests and the fixture that starts the calculator.
#include "GuiTestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include "widgets/Controls.h"
#include "widgets/Panels.h"
#include "widgets/Translations.h"

#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdio>
#include <stdexcept>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

namespace zul::test {

namespace {

// gtest_main runs the tests; the application object lives for the whole run.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "zul_tests_gui";
        static char* argv[] = {name, nullptr};
        app_ = new QApplication(argc, argv);
        InstallQtTranslations(*app_);  // as the program does
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void TearDown() override {
        delete app_;
        app_ = nullptr;
    }

private:
    QApplication* app_ = nullptr;
};

[[maybe_unused]] ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

QObject& FindOwnChild(const QObject& window, const QString& name, const QMetaObject& type) {
    const auto fail = [&](const QString& why) {
        throw std::logic_error(
            ToStd(window.objectName() + QStringLiteral(": ") + name + QLatin1Char(' ') + why));
    };
    const std::vector<QObject*> own = OwnControls(window, name);
    if (own.empty()) fail(QStringLiteral("not found"));
    if (own.size() > 1) fail(QStringLiteral("is not unique"));
    if (!own.front()->inherits(type.className()))
        fail(QStringLiteral("is a %1, not a %2")
                 .arg(own.front()->metaObject()->className(), type.className()));
    return *own.front();
}

QComboBox* InsertField(const QObject& dialog, int k) {
    return Child<QComboBox>(dialog, QStringLiteral("CombDat%1").arg(k));
}

CaptionPanel* InsertCaption(const QObject& dialog, int k) {
    return Child<CaptionPanel>(dialog, QStringLiteral("PanDat%1").arg(k));
}

GuiFixture::GuiFixture() : GuiFixture(true) {}

GuiFixture::GuiFixture(bool start) {
    if (start) Start();
}

GuiFixture::~GuiFixture() {
    windows.reset();
    calculator.reset();
}

void GuiFixture::Start() {
    calculator = std::make_unique<Calculator>(CreateCalculator(ToStd(dir.path())));
    windows = CreateWindows(*calculator, platform, busy);
    windows->factory.SetModalRunner([this](QDialog& window) { opened.push_back(window.objectName()); });
}

std::string GuiFixture::Path(const QString& name) const { return ToStd(dir.filePath(name)); }

void GuiFixture::WriteFile(const QString& name, const QByteArray& bytes) const {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray GuiFixture::ReadFile(const QString& name) const {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QComboBox* GuiFixture::InputLine() { return Child<QComboBox>(face(), "CBoxMainStr"); }

QString GuiFixture::InputText() { return InputLine()->currentText(); }

void GuiFixture::SetInputText(const QString& text) {
    QLineEdit* line = InputLine()->lineEdit();
    line->clear();
    QTest::keyClicks(line, text);
}

void GuiFixture::Compute(const QString& text) {
    SetInputText(text);
    QTest::keyClick(InputLine()->lineEdit(), Qt::Key_Return);
}

void GuiFixture::SelectNode(const QString& nodeText) {
    auto* tree = Child<QTreeWidget>(face(), "TViewTip");
    const auto found = tree->findItems(nodeText, Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_FALSE(found.isEmpty()) << ToStd(nodeText);
    tree->setCurrentItem(found.first());
}

void GuiFixture::ShowFace() {
    face().show();
    QApplication::setActiveWindow(&face());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&face()));
}

QByteArray MakeJpeg(int width, int height, unsigned char red, unsigned char green, unsigned char blue) {
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(width) * 3);
    for (int x = 0; x < width; ++x) {
        row[static_cast<std::size_t>(x) * 3] = red;
        row[static_cast<std::size_t>(x) * 3 + 1] = green;
        row[static_cast<std::size_t>(x) * 3 + 2] = blue;
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW line = row.data();
        jpeg_write_scanlines(&info, &line, 1);
    }
    jpeg_finish_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return bytes;
}

}  // namespace zul::test
