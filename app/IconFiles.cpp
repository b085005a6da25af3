// IconFiles.cpp - a build tool: writes the icon theme's files, a scalable SVG and PNGs, from the window icon's drawing.
// SPDX-License-Identifier: MIT
#include "app/Pictures.h"
#include "report/Product.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>
#include <cstdlib>

namespace {

// The drawing's own square, in the units the SVG keeps.
constexpr int kDesignSize = 32;

QString IconPath(const QString& themeFolder, const QString& sizeFolder, const QString& fileName)
{
    const QString folder = themeFolder + u'/' + sizeFolder + QStringLiteral("/apps");
    QDir().mkpath(folder);
    return folder + u'/' + fileName;
}

bool WriteSvg(const QString& path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(kDesignSize, kDesignSize));
    svg.setViewBox(QRect(0, 0, kDesignSize, kDesignSize));
    svg.setTitle(quil::ProductName());
    svg.setDescription(QStringLiteral("Three stacked volumes with a tick"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    quil::PaintWindowIcon(painter, kDesignSize);
    return painter.end();
}

bool WritePng(const QString& path, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    quil::PaintWindowIcon(painter, size);
    painter.end();
    return image.save(path, "PNG");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "Usage: %s THEME_FOLDER ICON_NAME SIZE...\n", argv[0]);
        return 2;
    }
    const QString theme = QFile::decodeName(argv[1]);
    const QString name = QFile::decodeName(argv[2]);
    QStringList failed;
    if (const QString svg = IconPath(theme, QStringLiteral("scalable"), name + QStringLiteral(".svg")); !WriteSvg(svg))
        failed << svg;
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QString png = IconPath(theme, QStringLiteral("%1x%1").arg(size), name + QStringLiteral(".png"));
        if (size <= 0 || !WritePng(png, size))
            failed << png;
    }
    for (const QString& path : failed)
        std::fprintf(stderr, "%s: could not write %s\n", argv[0], qPrintable(path));
    return failed.isEmpty() ? 0 : 1;
}
