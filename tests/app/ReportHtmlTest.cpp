// The HTML of the calculation note against golden files in tests/golden/report, and the
// pictures it refers to. ZUL_UPDATE_GOLDEN=1 rewrites the golden files from the output.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "TempFolder.h"
#include "app/ReportHtml.h"

namespace zul {
namespace {

std::filesystem::path GoldenFolder() {
    const char* data = std::getenv("ZUL_TEST_DATA");
    return std::filesystem::path(data ? data : "tests/data") / ".." / "golden" / "report";
}

void ExpectGolden(const std::string& name, const std::string& html) {
    const std::filesystem::path path = GoldenFolder() / name;
    if (std::getenv("ZUL_UPDATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << html;
        return;
    }
    const std::string expected = testing::TempFolder::Read(path.string());
    ASSERT_FALSE(expected.empty()) << "missing golden file " << path;
    EXPECT_EQ(html, expected) << "differs from " << path;
}

const ReportHeading kHeading = {"Жилой дом на ул. Садовой", "ОВ", "Иванов И. И.", "31.01.2025"};

// Pictures that every name has, at a fixed address.
std::optional<PictureRef> FixedPicture(std::string_view name) {
    return PictureRef{"Pict/" + std::string(name) + ".jpg", 301, 179};
}

JournalEntry VelocityEntry() {
    JournalEntry e;
    e.kind = EntryKind::Calculation;
    e.stamp = {"31.01.2025", "14:05:09"};
    e.text = "[12.5] [80]";
    e.result = "0.690776662725";
    e.code = 1;
    e.name = "Скорость жидкости";
    e.title = "Скорость перемещения жидкости по трубопроводу,  м/с";
    e.picture = "ZSkor";
    e.arguments = {{"12.5", "12.5", "Расход", "м3/ч"}, {"80", "80", "Диаметр трубопровода", "мм"}};
    e.literature = {{"Шевелев Ф. А. Таблицы для гидравлического расчета водопроводных труб.", "12-15"},
                    {"Справочник проектировщика. Ч. 2. Водопровод и канализация.", ""}};
    e.note = "Подающий трубопровод, участок 1";
    return e;
}

TEST(ReportHtml, MatchesGoldenFiles) {
    JournalEntry withoutLiterature;
    withoutLiterature.kind = EntryKind::Calculation;
    withoutLiterature.text = "[2]";
    withoutLiterature.result = "0";
    withoutLiterature.code = 2002;
    withoutLiterature.name = "Эквивалентный диаметр — по 2-ум размерам";
    withoutLiterature.title = "Вычисление эквивалентного диаметра трубопровода (по двум размерам)";
    withoutLiterature.picture = "ED-01";
    withoutLiterature.arguments = {{"2", "2", "Размер А", ""}, {"", "0", "Размер Б", ""}, {"7", "7", "", ""}};

    JournalEntry expression;
    expression.text = "2+3*4";
    expression.result = "14";

    JournalEntry timeSum;
    timeSum.kind = EntryKind::TimeSum;
    timeSum.text = "[01:30:00] [00:45:30] [-00:20:00]";
    timeSum.timeGroups = {"[01:30:00]", "[00:45:30]", "[-00:20:00]"};
    timeSum.result = "[01:55:30]";
    timeSum.note = "Продолжительность наладки";

    JournalEntry escaped = VelocityEntry();
    escaped.name = "Имя <b>&amp;</b> \"в кавычках\" и 'апострофах'";
    escaped.title = "Величина <x>, \"ед\"";
    escaped.arguments = {{"1<2 & 3>2", "1", "Подпись & <i>", "м'с"}};
    escaped.literature = {{"ГОСТ <12> & \"Шум\"", "с. 5 & 6"}};
    escaped.note = "строка 1\nстрока 2 <script>alert('x')</script> //! = [Journal]";
    const ReportHeading awkwardHeading = {"Объект <А&Б>", "\"ОВ\"", "", "'сегодня'"};
    const auto noPicture = [](std::string_view) { return std::optional<PictureRef>(); };

    struct Case {
        const char* file;
        ReportHeading heading;
        std::vector<JournalEntry> entries;
        PictureResolver pictures;
    };
    const Case cases[] = {
        {"calculation_with_literature.html", kHeading, {VelocityEntry()}, FixedPicture},
        {"calculation_without_literature.html", kHeading, {withoutLiterature}, noPicture},
        {"expression.html", {}, {expression}, FixedPicture},
        {"time_sum.html", kHeading, {timeSum}, nullptr},
        {"escaping.html", awkwardHeading, {escaped}, [](std::string_view) {
             return std::optional<PictureRef>(PictureRef{"Pict/a&b \"c\".jpg", 10, 20});
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        ExpectGolden(c.file, BuildReportHtml(c.heading, c.entries, c.pictures));
    }
}

TEST(ReportHtml, NumbersOnlyTheEntriesInTheDocument) {
    JournalEntry out = VelocityEntry();
    out.inDocument = false;
    out.name = "Не в записке";
    JournalEntry second;
    second.text = "1+1";
    second.result = "2";
    const std::vector<JournalEntry> entries = {out, VelocityEntry(), second};
    const std::string html = BuildReportHtml(kHeading, entries, nullptr);
    EXPECT_EQ(html.find("Не в записке"), std::string::npos);
    EXPECT_NE(html.find("<h2>1. Скорость жидкости</h2>"), std::string::npos);
    EXPECT_NE(html.find("<h2>2. Вычисление</h2>"), std::string::npos);
    EXPECT_EQ(html.find("<img"), std::string::npos);

    const std::string empty = BuildReportHtml({}, std::vector<JournalEntry>{out}, nullptr);
    EXPECT_NE(empty.find("В записку не включено ни одной записи."), std::string::npos);
    EXPECT_EQ(empty.find("<table"), std::string::npos);  // no heading block without fields
}

TEST(EscapeHtml, EscapesMarkupAndKeepsText) {
    struct Case { const char* text; const char* html; };
    const Case cases[] = {
        {"a<b>&c", "a&lt;b&gt;&amp;c"}, {"\"'", "&quot;&#39;"}, {"1\r\n2\n3\r4", "1<br>2<br>3<br>4"},
        {"a\tb\x01\x7f", "a b"},        {"Привет", "Привет"},    {"&amp;", "&amp;amp;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(EscapeHtml(c.text), c.html);
    }
}

// A JPEG header as small as the size reader needs: SOI, an APP0 segment, SOF0, EOI.
std::string TinyJpeg(int width, int height) {
    std::string b = "\xFF\xD8\xFF\xE0";
    b += std::string("\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 16);
    b += std::string("\xFF\xC0\x00\x11\x08", 5);
    b += static_cast<char>(height >> 8);
    b += static_cast<char>(height & 0xFF);
    b += static_cast<char>(width >> 8);
    b += static_cast<char>(width & 0xFF);
    b += std::string(12, '\x01');
    b += "\xFF\xD9";
    return b;
}

TEST(ReportPictures, HighDensityFirstMissingOrBrokenLeftOut) {
    testing::TempFolder folder;
    std::filesystem::create_directories(folder.File("Pict"));
    folder.Write("Pict/ZSkor.jpg", TinyJpeg(301, 179));
    folder.Write("Pict/ZSkor@2x.jpg", TinyJpeg(602, 358));
    folder.Write("Pict/ZDiam.jpg", TinyJpeg(301, 179));
    folder.Write("Pict/ZRash.jpg", "not a picture");
    folder.Write("Pict/ZTP@2x.jpg", "broken");  // falls back to the plain picture
    folder.Write("Pict/ZTP.jpg", TinyJpeg(300, 200));
    folder.Write("Pict/Secret.jpg", TinyJpeg(10, 10));  // not a picture of the table

    const PictureResolver files = MakePictureResolver(folder.File(""), PictureEmbedding::FileUrl);
    const std::optional<PictureRef> skor = files("ZSkor");
    ASSERT_TRUE(skor);
    EXPECT_EQ(skor->width, 301);
    EXPECT_EQ(skor->height, 179);
    EXPECT_EQ(skor->src, FileUrl(folder.File("Pict/ZSkor@2x.jpg")));
    EXPECT_EQ(files("ZDiam")->src, FileUrl(folder.File("Pict/ZDiam.jpg")));
    EXPECT_EQ(files("ZTP")->width, 300);
    for (const char* name : {"ZRash", "Diam-01", "Secret", "../Pict/ZSkor", ""}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(files(name));
    }

    const PictureResolver embedded = MakePictureResolver(folder.File(""), PictureEmbedding::DataUri);
    EXPECT_EQ(embedded("ZDiam")->src, "data:image/jpeg;base64," + Base64(TinyJpeg(301, 179)));
}

TEST(ReportPictures, Base64AndFileUrl) {
    const std::pair<const char*, const char*> vectors[] = {
        {"", ""},        {"f", "Zg=="},        {"fo", "Zm8="},
        {"foo", "Zm9v"}, {"foob", "Zm9vYg=="}, {"foobar", "Zm9vYmFy"}};
    for (const auto& [in, out] : vectors) EXPECT_EQ(Base64(in), out) << in;
    EXPECT_EQ(FileUrl("/tmp/Мои файлы/a#b.jpg"),
              "file:///tmp/%D0%9C%D0%BE%D0%B8%20%D1%84%D0%B0%D0%B9%D0%BB%D1%8B/a%23b.jpg");
    int w = 0, h = 0;
    EXPECT_FALSE(JpegSize("\xFF\xD8", w, h));
    EXPECT_FALSE(JpegSize(TinyJpeg(301, 179).substr(0, 26), w, h));  // cut inside the frame header
}

}  // namespace
}  // namespace zul
