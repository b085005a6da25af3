// test_icon_files.cpp - the icon theme's files the build draws: the window's picture, the SVG alike at every size.
// SPDX-License-Identifier: MIT
#include "app/Pictures.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

namespace {

const QString kTheme = QStringLiteral(QUILLANE_ICON_THEME);

QImage Argb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The largest difference of any channel of any pixel.
int LargestDifference(const QImage& a, const QImage& b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            for (const int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q), qAlpha(p) - qAlpha(q)})
                largest = std::max(largest, std::abs(d));
        }
    return largest;
}

}  // namespace

class IconFilesTest : public QObject {
    Q_OBJECT
private slots:
    void pngsAreTheWindowIconAndTheSvgDrawsThemAlike_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
            QTest::addRow("%d px", size) << size;
    }
    void pngsAreTheWindowIconAndTheSvgDrawsThemAlike()
    {
        QFETCH(int, size);
        const QImage png = Argb(QImage(kTheme + QStringLiteral("/%1x%1/apps/quillane.png").arg(size)));
        QCOMPARE(png.size(), QSize(size, size));
        if (QList<int>{16, 32, 48, 64}.contains(size))  // the sizes the window icon holds
            QCOMPARE(png, Argb(quil::WindowIcon().pixmap(size, size).toImage()));

        QSvgRenderer svg(kTheme + QStringLiteral("/scalable/apps/quillane.svg"));
        QVERIFY(svg.isValid());
        QImage drawn(size, size, QImage::Format_ARGB32);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        QVERIFY2(LargestDifference(png, drawn) <= 8, qPrintable(QString::number(LargestDifference(png, drawn))));
    }
};

QTEST_MAIN(IconFilesTest)
#include "test_icon_files.moc"
