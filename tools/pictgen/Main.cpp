// zul_pictgen: draws the pictures of the picture table into a folder, two JPEGs per name:
// "Name.jpg" (301 x 179) and "Name@2x.jpg" (602 x 358) for screens of twice the density.
// Usage: zul_pictgen OUTPUT_FOLDER [NAME...]   (no names: all 125)
#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <vector>

#include "Compose.h"
#include "JpegWriter.h"
#include "calc/Catalogue.h"
#include "calc/Pictures.h"

namespace {

using namespace zul;
using namespace zul::pictgen;

QImage Render(const QString& name, int scale, QString* error) {
    if (PictureIndex(name.toStdString()) == kStartPicture) return StartPicture(scale);
    std::vector<int> calculations;
    std::vector<int> groups;
    for (int i = 0; i < kCatalogueSize; ++i) {
        const CatalogueRow* node = NodeByIndex(i);
        if (name != QString::fromUtf8(node->picture)) continue;
        if (IsGroupIndex(i))
            groups.push_back(i);
        else
            calculations.push_back(node->code);
    }
    if (!calculations.empty()) return CalculationPicture(name, calculations, error, scale);
    if (!groups.empty()) return TopicPicture(name, groups, scale);
    if (error) *error = QStringLiteral("no node shows this picture");
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    // The pictures are drawn off screen; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: zul_pictgen OUTPUT_FOLDER [NAME...]\n");
        return 2;
    }
    const QDir out(args[1]);
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "zul_pictgen: cannot create %s\n", qPrintable(out.path()));
        return 1;
    }
    QStringList names = args.mid(2);
    if (names.isEmpty())
        for (int i = 1; i <= kPictureCount; ++i) names << QString::fromUtf8(PictureName(i).data(), static_cast<qsizetype>(PictureName(i).size()));
    int failures = 0;
    for (const QString& name : names) {
        for (int scale : {1, 2}) {
            const QString file = name + (scale == 1 ? QStringLiteral(".jpg") : QStringLiteral("@2x.jpg"));
            QString error;
            const QImage image = Render(name, scale, &error);
            if (image.isNull() || !WriteJpeg(image, out.filePath(file), 93, &error)) {
                std::fprintf(stderr, "zul_pictgen: %s: %s\n", qPrintable(file), qPrintable(error));
                ++failures;
            }
        }
    }
    return failures == 0 ? 0 : 1;
}
