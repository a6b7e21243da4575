// The note window "Расчётная записка" as the user drives it: opened from the main window
// after two computes, its entries edited, and the document exported to PDF (read back with
// pdftotext), to a printer, to ODF (content.xml read back with unzip), to HTML (the same
// bytes as `zulc --report`) and to the clipboard.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include "GuiTestSupport.h"
#include "calc/Catalogue.h"
#include "app/FileCommands.h"
#include "settings/ProgramIni.h"
#include "lists/ExpressionList.h"
#include "lists/window/UVichStr.h"
#include "report/window/JournalModel.h"
#include "report/window/UZapiska.h"
#include "widgets/FitText.h"
#include "widgets/FitTextDelegate.h"

namespace zul::test {
namespace {

const QByteArray kLiterature =
    "[Program]\r\nName=ZUL (ver 1.4)\r\n[LitPoints]\r\nLP-1=3:12-15/\r\n"
    "[Literature]\r\nLit-03=Шевелев Ф. А. Таблицы для гидравлического расчёта водопроводных труб\r\n";
const QByteArray kProgramIni =
    "[Program]\r\nName=ZUL (ver 1.4)\r\n[Report]\r\nObject=Жилой дом на Садовой\r\nSection=ВК\r\n";

// A started calculator whose folder holds the literature, the picture of code 1 and a
// program INI with the note's heading; it has computed 2+3 and the velocity of code 1.
struct ComputedFixture {
    GuiFixture f{false};
    ComputedFixture() {
        f.WriteFile(QStringLiteral("Zul.lit"), kLiterature);
        f.WriteFile(QStringLiteral("Zul.ini"), kProgramIni);
        QDir(f.dir.path()).mkdir(QStringLiteral("Pict"));
        f.WriteFile(QStringLiteral("Pict/") + ToQ(NodeByCode(1)->picture) + QStringLiteral(".jpg"),
                    MakeJpeg(60, 36, 0, 90, 200));
        f.Start();
        f.Compute(QStringLiteral("2+3"));
        f.SelectNode(ToQ(NodeByCode(1)->text));
        f.Compute(QStringLiteral("[12.5] [80]"));
    }
    // Opens the note window from the main window's menu and runs the test's steps on it.
    void Open(const std::function<void(TFormZapiska&)>& steps) {
        bool opened = false;
        f.windows->factory.SetModalRunner([&](QDialog& window) {
            auto* note = qobject_cast<TFormZapiska*>(&window);
            ASSERT_NE(note, nullptr);
            opened = true;
            steps(*note);
        });
        auto* item = f.face().findChild<QAction*>(QStringLiteral("NZapiska"));
        ASSERT_NE(item, nullptr);
        item->trigger();
        EXPECT_TRUE(opened);
    }
    std::string Export(TFormZapiska& note, void (TFormZapiska::*command)(), const QString& name) {
        const std::string path = f.Path(name);
        f.platform.QueueFile(path);
        (note.*command)();
        return path;
    }
};

// The output of a tool, or nothing when the tool is not installed.
std::optional<QString> RunTool(const QString& tool, const QStringList& args, const QString& folder = {}) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) return std::nullopt;
    QProcess process;
    if (!folder.isEmpty()) process.setWorkingDirectory(folder);
    process.start(program, args);
    EXPECT_TRUE(process.waitForFinished(60000)) << ToStd(tool);
    EXPECT_EQ(process.exitCode(), 0) << ToStd(tool) << ": " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

void ExpectAll(const QString& text, const QStringList& parts, const char* what) {
    for (const QString& part : parts) EXPECT_TRUE(text.contains(part)) << what << " lacks " << ToStd(part);
}

TEST(Zapiska, OpensFromTheFileMenuWithItsShortcutAndHint) {
    GuiFixture f;
    QAction* item = f.face().findChild<QAction*>(QStringLiteral("NZapiska"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QStringLiteral("Расчётная записка..."));
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::Key_F11));
    EXPECT_FALSE(item->statusTip().isEmpty());
    item->trigger();
    EXPECT_EQ(f.opened, std::vector<QString>{QStringLiteral("FormZapiska")});
}

// Results show whole in their column, the longest ones (an exponent, a unit) in a smaller font.
TEST(Zapiska, LongResultsShowWhole) {
    GuiFixture f;
    for (const char* input : {"-1234.5/7", "-1234.5/7*1E20", "2^0.5/1E20"}) f.Compute(QString::fromUtf8(input));
    f.SelectNode(ToQ(NodeByCode(1012)->text));
    f.Compute(QStringLiteral("[45000.5] [5.3]"));
    bool opened = false;
    f.windows->factory.SetModalRunner([&](QDialog& window) {
        opened = true;
        window.show();
        auto* grid = window.findChild<QTableView*>(QStringLiteral("GridZapiska"));
        ASSERT_NE(grid, nullptr);
        ASSERT_EQ(grid->model()->rowCount(), 4);
        auto* fit = qobject_cast<FitTextDelegate*>(grid->itemDelegateForColumn(JournalModel::kResult));
        ASSERT_NE(fit, nullptr);
        for (int row = 0; row < 4; ++row) {
            const QModelIndex cell = grid->model()->index(row, JournalModel::kResult);
            SCOPED_TRACE(ToStd(cell.data().toString()));
            QStyleOptionViewItem option;
            option.font = grid->font();
            option.rect = grid->visualRect(cell);
            const FittedText fitted = fit->Fit(option, cell);
            EXPECT_TRUE(fitted.whole);
            EXPECT_GE(fitted.font.pixelSize(), 10);
        }
        EXPECT_TRUE(grid->model()->index(3, JournalModel::kResult).data().toString().endsWith(QStringLiteral(" мм")));
        window.hide();
    });
    f.face().findChild<QAction*>(QStringLiteral("NZapiska"))->trigger();
    EXPECT_TRUE(opened);
}

TEST(Zapiska, ExportsTheComputedEntries) {
    ComputedFixture c;
    c.Open([&](TFormZapiska& note) {
        auto* grid = note.findChild<QTableView*>(QStringLiteral("GridZapiska"));
        ASSERT_EQ(grid->model()->rowCount(), 2);
        const std::string name = c.f.calculator->report.journal.At(1)->name;
        EXPECT_FALSE(name.empty());
        EXPECT_EQ(note.findChild<QLineEdit*>(QStringLiteral("EditObject"))->text(),
                  QStringLiteral("Жилой дом на Садовой"));

        // The HTML export and zulc write the same bytes for the same entries.
        const std::string html = c.Export(note, &TFormZapiska::NExportHtmlClick, QStringLiteral("note.html"));
        const std::optional<QString> zulc = RunTool(QStringLiteral(ZULC_PATH),
                                                {"--code", "1", "--report", "zulc.html", "2+3", "[12.5] [80]"},
                                                c.f.dir.path());
        ASSERT_TRUE(zulc);
        EXPECT_EQ(c.f.ReadFile(QStringLiteral("zulc.html")), c.f.ReadFile(QStringLiteral("note.html")));
        EXPECT_TRUE(c.f.ReadFile(QStringLiteral("note.html")).contains("data:image/jpeg;base64,"));

        grid->model()->setData(grid->model()->index(1, 4), QStringLiteral("Участок 1 <подающий>"));
        const std::string pdf = c.Export(note, &TFormZapiska::NExportPdfClick, QStringLiteral("note.pdf"));
        const std::string odt = c.Export(note, &TFormZapiska::NExportOdfClick, QStringLiteral("note.odt"));
        note.SetPrintRunner([&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(c.f.dir.filePath(QStringLiteral("printed.pdf")));
            return true;
        });
        note.NPrintClick();
        note.NCopyClick();
        EXPECT_EQ(c.f.platform.MessageTexts(),
                  std::vector<std::string>{"Расчётная записка скопирована в буфер обмена."});

        const QStringList shown = {QStringLiteral("Жилой дом на Садовой"), ToQ(name), QStringLiteral("Расход"),
                                   QStringLiteral("м3/ч"), QStringLiteral("12.5"), QStringLiteral("80"),
                                   QStringLiteral("0.690776662725"), QStringLiteral("м/с"), QStringLiteral("Шевелев"),
                                   QStringLiteral("12-15"), QStringLiteral("Участок 1 <подающий>")};
        const std::optional<QString> pdfText = RunTool(QStringLiteral("pdftotext"), {ToQ(pdf), QStringLiteral("-")});
        if (!pdfText) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: scripts/setup test installs it";
        ExpectAll(*pdfText, shown + QStringList{QStringLiteral("2+3 = 5"), QStringLiteral("Страница 1 из 1")}, "PDF");
        const std::optional<QString> fonts = RunTool(QStringLiteral("pdffonts"), {ToQ(pdf)});
        ASSERT_TRUE(fonts);
        const QStringList fontLines = fonts->split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
        EXPECT_FALSE(fontLines.isEmpty());
        for (const QString& line : fontLines) {  // ... emb sub uni object generation
            const QStringList columns = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            ASSERT_GE(columns.size(), 5);
            EXPECT_EQ(columns[columns.size() - 5], QStringLiteral("yes")) << "not embedded: " << ToStd(line);
        }
        const std::optional<QString> printed =
            RunTool(QStringLiteral("pdftotext"), {c.f.dir.filePath(QStringLiteral("printed.pdf")), QStringLiteral("-")});
        ExpectAll(*printed, {QStringLiteral("0.690776662725"), QStringLiteral("Страница 1 из 1")}, "printout");

        const std::optional<QString> content = RunTool(QStringLiteral("unzip"), {"-p", ToQ(odt), "content.xml"});
        if (!content) GTEST_SKIP() << "unzip is not installed: scripts/setup test installs it";
        ExpectAll(*content, shown.mid(1, 8) + QStringList{QStringLiteral("Участок 1 &lt;подающий&gt;")}, "ODF");

        const QMimeData* copied = QApplication::clipboard()->mimeData();
        ASSERT_NE(copied, nullptr);
        EXPECT_TRUE(copied->html().contains(QStringLiteral("<table")));
        ExpectAll(copied->text(), shown.mid(1, 8), "plain text");
    });
}

TEST(Zapiska, EntriesAreMovedDeletedClearedAndAddedFromMemoryAndList) {
    GuiFixture f;
    f.Compute(QStringLiteral("1+1"));
    f.Compute(QStringLiteral("2+2"));
    f.calculator->main.settingsFile.currentFile = f.Path(QStringLiteral("s.ini"));
    f.calculator->main.settingsFile.modified = false;
    f.windows->lists->list().SetCell(1, kColumnExpression, "7*6");
    f.windows->lists->list().SetCell(1, kColumnResult, "42");
    const Journal& journal = f.calculator->report.journal;
    const auto texts = [&journal] {
        std::vector<std::string> out;
        for (const JournalEntry& e : journal.Entries()) out.push_back(e.text);
        return out;
    };
    f.windows->factory.SetModalRunner([&](QDialog& window) {
        auto& note = *qobject_cast<TFormZapiska*>(&window);
        auto* grid = note.findChild<QTableView*>(QStringLiteral("GridZapiska"));
        auto* preview = note.findChild<QTextBrowser*>(QStringLiteral("TextPreview"));
        EXPECT_EQ(grid->currentIndex().row(), 1);  // the newest entry
        note.SpButUpClick();
        EXPECT_EQ(texts(), (std::vector<std::string>{"2+2", "1+1"}));
        EXPECT_TRUE(f.calculator->main.settingsFile.modified);

        // Out of the document: not in the preview, still in the journal.
        grid->model()->setData(grid->model()->index(1, 0), Qt::Unchecked, Qt::CheckStateRole);
        note.RefreshPreview();
        EXPECT_FALSE(preview->toPlainText().contains(QStringLiteral("1+1")));
        EXPECT_TRUE(preview->toPlainText().contains(QStringLiteral("2+2 = 4")));

        f.platform.QueueMessageResult(MessageResult::No);
        note.BBtnDelClick();
        EXPECT_EQ(journal.Size(), 2u);
        f.platform.QueueMessageResult(MessageResult::Yes);
        note.BBtnDelClick();  // the selected entry, moved up before
        EXPECT_EQ(texts(), (std::vector<std::string>{"1+1"}));
        EXPECT_EQ(f.platform.MessageTexts().back(), "Удалить запись №1?");

        std::vector<QStringList> offered;
        note.SetPickRunner([&](const QString&, const QStringList& rows) {
            offered.push_back(rows);
            return std::vector<int>{static_cast<int>(rows.size()) - 1};
        });
        note.BBtnAddMemClick();
        note.BBtnAddListClick();
        ASSERT_EQ(offered.size(), 2u);
        EXPECT_EQ(offered[0], (QStringList{QStringLiteral("1. 1+1 = 2"), QStringLiteral("2. 2+2 = 4")}));
        EXPECT_EQ(offered[1], QStringList{QStringLiteral("1. 7*6 = 42")});
        EXPECT_EQ(texts(), (std::vector<std::string>{"1+1", "2+2", "7*6"}));

        auto* object = note.findChild<QLineEdit*>(QStringLiteral("EditObject"));
        object->setFocus();
        QTest::keyClicks(object, QStringLiteral("School 5 & <gym>"));
        note.RefreshPreview();
        EXPECT_TRUE(preview->toPlainText().contains(QStringLiteral("School 5 & <gym>")));

        f.platform.QueueMessageResult(MessageResult::Yes);
        note.SpButClearClick();
        EXPECT_TRUE(journal.Empty());
    });
    f.face().findChild<QAction*>(QStringLiteral("NZapiska"))->trigger();
    EXPECT_TRUE(f.platform.ScriptUsedUp());

    // The heading is remembered in the program INI at exit.
    ASSERT_TRUE(f.face().close());
    EXPECT_EQ(ReadProgramIni(ToStd(f.dir.path())).reportHeading.object, "School 5 & <gym>");
}

TEST(Zapiska, AFolderThatCannotBeWrittenIsReportedAndGetsNothing) {
    ComputedFixture c;
    c.Open([&](TFormZapiska& note) {
        const QString folder = c.f.dir.filePath(QStringLiteral("missing"));
        for (auto command : {&TFormZapiska::NExportPdfClick, &TFormZapiska::NExportOdfClick,
                             &TFormZapiska::NExportHtmlClick}) {
            c.f.platform.QueueFile(ToStd(folder + QStringLiteral("/note.out")));
            (note.*command)();
        }
    });
    const std::vector<std::string> messages = c.f.platform.MessageTexts();
    ASSERT_EQ(messages.size(), 3u);
    for (const std::string& m : messages)
        EXPECT_EQ(m.rfind("Не удалось сохранить расчётную записку в файле:\n" +
                              ToStd(c.f.dir.filePath(QStringLiteral("missing/note.out"))) + "\n", 0), 0u) << m;
    // Nothing beside what the folder had, no temporary file either.
    EXPECT_EQ(QDir(c.f.dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("Pict"), QStringLiteral("Zul.ini"), QStringLiteral("Zul.lit")}));
}

// With ZUL_SCREENSHOT_DIR set (scripts/screenshots-secondary) the window and the first page
// of its PDF are written there as PNG files, with the shipped pictures and literature.
TEST(ZapiskaScreenshots, WindowAndFirstPdfPage) {
    GuiFixture f(false);
    const QDir data(QStringLiteral(ZUL_DATA_DIR));
    const QString pict = ToQ(NodeByCode(1)->picture) + QStringLiteral(".jpg");
    QDir(f.dir.path()).mkdir(QStringLiteral("Pict"));
    if (data.exists(QStringLiteral("Pict/") + pict)) {
        for (const QString& name : QDir(data.filePath(QStringLiteral("Pict"))).entryList(QDir::Files))
            QFile::copy(data.filePath(QStringLiteral("Pict/") + name), f.dir.filePath(QStringLiteral("Pict/") + name));
        QFile::copy(data.filePath(QStringLiteral("Zul.lit")), f.dir.filePath(QStringLiteral("Zul.lit")));
    } else {
        f.WriteFile(QStringLiteral("Pict/") + pict, MakeJpeg(301, 179, 0, 90, 200));
        f.WriteFile(QStringLiteral("Zul.lit"), kLiterature);
    }
    f.WriteFile(QStringLiteral("Zul.ini"), "[Program]\r\nName=ZUL (ver 1.4)\r\n[Report]\r\n"
                                           "Object=Жилой дом на ул. Садовой, 5\r\nSection=ОВ, ВК\r\n"
                                           "Author=Иванов И. И.\r\nDate=12.03.2026\r\n");
    f.Start();
    f.SelectNode(ToQ(NodeByCode(1)->text));
    f.Compute(QStringLiteral("[12.5] [80]"));
    f.SelectNode(ToQ(NodeByCode(1012)->text));
    f.Compute(QStringLiteral("[4500] [5]"));
    f.Compute(QStringLiteral("2.5*1.15+0.3"));
    f.calculator->report.journal.At(0)->note = "Подающий трубопровод, участок 1";
    f.calculator->report.journal.At(1)->note = "Приточная система П1";

    const QString dir = qEnvironmentVariable("ZUL_SCREENSHOT_DIR");
    f.windows->factory.SetModalRunner([&](QDialog& window) {
        auto* note = qobject_cast<TFormZapiska*>(&window);
        ASSERT_NE(note, nullptr);
        note->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(note));
        note->findChild<QTableView*>(QStringLiteral("GridZapiska"))->selectRow(1);
        const QPixmap shot = note->grab();
        EXPECT_FALSE(shot.isNull());
        f.platform.QueueFile(f.Path(QStringLiteral("note.pdf")));
        note->NExportPdfClick();
        note->hide();
        if (dir.isEmpty()) return;
        QDir().mkpath(dir);
        EXPECT_TRUE(shot.save(QDir(dir).filePath(QStringLiteral("zapiska.png")), "PNG"));
        const QString prefix = QDir(dir).filePath(QStringLiteral("zapiska-pdf"));
        ASSERT_TRUE(RunTool(QStringLiteral("pdftoppm"), {"-png", "-r", "70", "-f", "1", "-l", "1", "-singlefile",
                                                         f.dir.filePath(QStringLiteral("note.pdf")), prefix}));
    });
    f.face().findChild<QAction*>(QStringLiteral("NZapiska"))->trigger();
    EXPECT_TRUE(f.platform.messages().empty());
}

}  // namespace
}  // namespace zul::test
