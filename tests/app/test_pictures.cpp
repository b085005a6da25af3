// test_pictures.cpp - the status pictures stand out on a dark list as on a light one.
// SPDX-License-Identifier: MIT
#include "app/Pictures.h"

#include <QPainter>
#include <QtTest>

#include <cmath>

using namespace quil;

namespace {

// The relative luminance of a colour, as contrast ratios are worked out from it.
double Luminance(QColor color)
{
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) + 0.0722 * linear(color.blueF());
}

double Contrast(QColor a, QColor b)
{
    const double first = Luminance(a);
    const double second = Luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The mean contrast with `ground` of the picture's rim: its mostly opaque pixels beside mostly clear ones,
// as they show over `ground`.
double RimContrast(const QImage& picture, QColor ground)
{
    QImage shown(picture.size(), QImage::Format_ARGB32);
    shown.fill(ground);
    QPainter(&shown).drawImage(0, 0, picture);
    const auto solid = [&picture](int x, int y) { return picture.valid(x, y) && qAlpha(picture.pixel(x, y)) >= 128; };
    double sum = 0;
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (solid(x, y) && !(solid(x - 1, y) && solid(x + 1, y) && solid(x, y - 1) && solid(x, y + 1))) {
                sum += Contrast(shown.pixelColor(x, y), ground);
                ++count;
            }
    return count ? sum / count : 0;
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void statusPicturesKeepTheirContrast_data()
    {
        QTest::addColumn<int>("iconIndex");
        QTest::addColumn<QColor>("ground");
        for (int index = 1; index <= 5; ++index) {
            QTest::addRow("%d on a dark list", index) << index << QColor(0x1e, 0x1e, 0x1e);
            QTest::addRow("%d on a dark blue list", index) << index << QColor(0x1a, 0x23, 0x3a);
        }
    }
    void statusPicturesKeepTheirContrast()
    {
        QFETCH(int, iconIndex);
        QFETCH(QColor, ground);
        const QImage picture = StatusIcon(iconIndex).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(picture.size(), QSize(16, 16));
        const double contrast = RimContrast(picture, ground);
        QVERIFY2(contrast >= 4.5, qPrintable(QString::number(contrast)));
    }

    // The rim goes around the picture: its middle keeps the status colour.
    void statusPicturesKeepTheirColours_data()
    {
        QTest::addColumn<int>("iconIndex");
        QTest::addColumn<QPoint>("inside");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("tick") << 1 << QPoint(6, 11) << QColor(0x1f, 0x5f, 0xd6);
        QTest::newRow("cross") << 2 << QPoint(8, 8) << QColor(0xd0, 0x1c, 0x1c);
        QTest::newRow("C") << 3 << QPoint(3, 8) << QColor(0xd0, 0x1c, 0x1c);
        QTest::newRow("half-ringed tick") << 5 << QPoint(6, 11) << QColor(0x1f, 0x5f, 0xd6);
    }
    void statusPicturesKeepTheirColours()
    {
        QFETCH(int, iconIndex);
        QFETCH(QPoint, inside);
        QFETCH(QColor, colour);
        QCOMPARE(StatusIcon(iconIndex).toImage().pixelColor(inside), colour);
    }

    void otherIndexesHaveNoPicture()
    {
        QVERIFY(StatusIcon(0).isNull());
        QVERIFY(StatusIcon(6).isNull());
    }
};

QTEST_MAIN(PicturesTest)
#include "test_pictures.moc"
