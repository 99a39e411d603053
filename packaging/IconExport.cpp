// Writes the program icon as the PNG sizes of the freedesktop hicolor theme
// and as a scalable SVG, for installation with the desktop entry.
//
//   dentiplot_icon_export <output folder>
//
// creates <output>/<N>x<N>/apps/org.example.Dentiplot.png for every size and
// <output>/scalable/apps/org.example.Dentiplot.svg.

#include "resources/Glyphs.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

namespace {

constexpr const char* kIconName = "org.example.Dentiplot";
constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool WritePng(const QString& folder, int size) {
    const QString dir = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        PaintProgramIcon(painter, QRectF(0, 0, size, size));
    }
    return QDir().mkpath(dir) && image.save(QStringLiteral("%1/%2.png").arg(dir, kIconName));
}

bool WriteSvg(const QString& folder) {
    const QString dir = folder + QStringLiteral("/scalable/apps");
    if (!QDir().mkpath(dir)) {
        return false;
    }
    QSvgGenerator svg;
    svg.setFileName(QStringLiteral("%1/%2.svg").arg(dir, kIconName));
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("Dentiplot"));
    QPainter painter(&svg);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintProgramIcon(painter, QRectF(0, 0, 256, 256));
    return painter.end();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: dentiplot_icon_export <output folder>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (const int size : kSizes) {
        if (!WritePng(folder, size)) {
            std::fprintf(stderr, "dentiplot_icon_export: cannot write the %d pixel icon\n", size);
            return 1;
        }
    }
    if (!WriteSvg(folder)) {
        std::fprintf(stderr, "dentiplot_icon_export: cannot write the scalable icon\n");
        return 1;
    }
    return 0;
}
