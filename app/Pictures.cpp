// Pictures.cpp - the program's own pictures, drawn at start-up: status icons, window icon, help button, banner.
// SPDX-License-Identifier: MIT
#include "app/Pictures.h"

#include "report/Product.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace quil {

namespace {

const QColor kStatusRed(0xd0, 0x1c, 0x1c);
const QColor kTickBlue(0x1f, 0x5f, 0xd6);
const QColor kShadowGrey(0x90, 0x90, 0x90);
const QColor kNavy(0x12, 0x2a, 0x4e);
const QColor kTeal(0x1d, 0x7a, 0x8c);
// A light rim around each status picture keeps it apart from a dark list; on a light one it hardly shows.
const QColor kHalo(0xff, 0xff, 0xff, 0xd0);
constexpr qreal kHaloWidth = 1.0;

QPixmap TransparentPixmap(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPen RoundPen(const QColor& color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPainterPath TickPath()
{
    QPainterPath tick;
    tick.moveTo(3, 8.5);
    tick.lineTo(6.5, 12);
    tick.lineTo(13, 3.5);
    return tick;
}

QPainterPath LetterS()
{
    QPainterPath s;
    s.moveTo(11.5, 4.5);
    s.cubicTo(10, 2, 4, 2.2, 4.5, 5.5);
    s.cubicTo(5, 8, 11.5, 7.5, 11.8, 10.5);
    s.cubicTo(12, 14, 5.5, 14.2, 4, 11.5);
    return s;
}

// Draws the status picture's strokes; with a `halo`, wider strokes of that colour to lie beneath them.
void DrawStatus(QPainter& painter, int iconIndex, const QColor* halo = nullptr)
{
    const auto pen = [halo](const QColor& color, qreal width) {
        return halo ? RoundPen(*halo, width + 2 * kHaloWidth) : RoundPen(color, width);
    };
    switch (iconIndex) {
    case 1:
        painter.setPen(pen(kShadowGrey, 2.6));
        painter.drawPath(TickPath().translated(1.2, 1.2));
        painter.setPen(pen(kTickBlue, 2.6));
        painter.drawPath(TickPath());
        break;
    case 2:
        painter.setPen(pen(kStatusRed, 2.6));
        painter.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        painter.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
        break;
    case 3:
        painter.setPen(pen(kStatusRed, 2.4));
        painter.drawArc(QRectF(3, 2.5, 10, 11), 40 * 16, 280 * 16);
        break;
    case 4:
        painter.setPen(pen(kStatusRed, 2.4));
        painter.drawPath(LetterS());
        break;
    case 5:
        // A tick half ringed: what was checked passed, and part was out of reach.
        painter.setPen(pen(kShadowGrey, 1.4));
        painter.drawArc(QRectF(1.5, 1.5, 13, 13), 90 * 16, 180 * 16);
        painter.setPen(pen(kTickBlue, 2.2));
        painter.drawPath(TickPath());
        break;
    default:
        break;
    }
}

void DrawVolumes(QPainter& painter, qreal scale)
{
    painter.scale(scale, scale);
    const QColor faces[] = {QColor(0x5b, 0x8d, 0xb8), QColor(0x3f, 0x70, 0x9c), kNavy};
    for (int i = 0; i < 3; ++i) {
        const QRectF volume(2 + i * 3, 4 + i * 6, 20, 8);
        painter.setPen(QPen(Qt::white, 0.8));
        painter.setBrush(faces[i]);
        painter.drawRoundedRect(volume, 2, 2);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(RoundPen(QColor(0x2e, 0xb8, 0x4a), 3.2));
    QPainterPath tick;
    tick.moveTo(17, 20);
    tick.lineTo(22, 26);
    tick.lineTo(30, 10);
    painter.drawPath(tick);
}

QLinearGradient NightGradient(const QRectF& area)
{
    QLinearGradient gradient(area.topLeft(), area.topRight());
    gradient.setColorAt(0, kNavy);
    gradient.setColorAt(1, kTeal);
    return gradient;
}

}  // namespace

QPixmap StatusIcon(int iconIndex)
{
    if (iconIndex < 1 || iconIndex > 5)
        return {};
    QPixmap pixmap = TransparentPixmap(16, 16);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // All of the halo first, so no halo covers a stroke drawn before it (the tick's shadow).
    DrawStatus(painter, iconIndex, &kHalo);
    DrawStatus(painter, iconIndex);
    return pixmap;
}

void PaintWindowIcon(QPainter& painter, qreal size)
{
    painter.setRenderHint(QPainter::Antialiasing);
    DrawVolumes(painter, size / 32.0);
}

QIcon WindowIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        QPixmap pixmap = TransparentPixmap(size, size);
        QPainter painter(&pixmap);
        PaintWindowIcon(painter, size);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPixmap HelpPicture()
{
    QPixmap pixmap = TransparentPixmap(32, 32);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kTickBlue);
    painter.drawEllipse(QRectF(2, 2, 28, 28));
    painter.setPen(RoundPen(Qt::white, 3.4));
    painter.setBrush(Qt::NoBrush);
    QPainterPath hook;
    hook.moveTo(11.5, 12);
    hook.cubicTo(11.5, 6.5, 20.5, 6.5, 20.5, 11.5);
    hook.cubicTo(20.5, 15, 16, 15, 16, 19);
    painter.drawPath(hook);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(16, 24.5), 2.1, 2.1);
    return pixmap;
}

QPixmap BannerPicture()
{
    QPixmap pixmap(297, 43);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(pixmap.rect(), NightGradient(pixmap.rect()));
    painter.save();
    painter.translate(6, 3);
    DrawVolumes(painter, 1.15);
    painter.restore();
    QFont title(QStringLiteral("DejaVu Sans"));
    title.setBold(true);
    title.setPixelSize(20);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(50, 2, 240, 26), Qt::AlignLeft | Qt::AlignVCenter, ProductName());
    QFont tagline(QStringLiteral("DejaVu Sans"));
    tagline.setPixelSize(10);
    painter.setFont(tagline);
    painter.setPen(QColor(0xd6, 0xe8, 0xf0));
    painter.drawText(QRectF(51, 26, 240, 14), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("archive series checker"));
    return pixmap;
}

QPixmap StripPicture()
{
    QPixmap pixmap(297, 35);
    QPainter painter(&pixmap);
    painter.fillRect(pixmap.rect(), NightGradient(pixmap.rect()));
    painter.setPen(QColor(255, 255, 255, 28));
    for (int x = -35; x < 297; x += 9)
        painter.drawLine(x, 35, x + 35, 0);
    return pixmap;
}

}  // namespace quil
