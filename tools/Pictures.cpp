// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/Pictures.h"

#include "tools/ArtPalette.h"
#include "tools/Mascot.h"

#include <QBuffer>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <QVector>
#include <algorithm>
#include <cmath>

namespace {

QImage paper(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(ArtPalette::ground);
    return image;
}

// A judgement-sized sheet of paper with a painter at work on the 81 x 81
// design grid, whatever the scale.
struct ResultSheet {
    explicit ResultSheet(int scale)
        : image(paper(Pictures::resultSize * scale))
        , painter(&image)
    {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
    }
    QImage finished()
    {
        painter.end();
        return image;
    }

    QImage image;
    QPainter painter;
};

QImage clear(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A question mark drawn with a round pen: a hook round `bowlCentre`, a short
// stem, a gap and a round dot, all in proportion to the hook's radius.
void paintQuestionMark(QPainter& painter, QPointF bowlCentre, double radius, double pen,
                       const QColor& colour)
{
    const double x = bowlCentre.x();
    const double stemEnd = bowlCentre.y() + 1.6 * radius;
    const double dotRadius = 0.62 * pen;
    const QRectF bowl(x - radius, bowlCentre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath hook;
    hook.arcMoveTo(bowl, 160);
    hook.arcTo(bowl, 160, -220);
    // The control point lies where the arc's last direction meets the middle
    // line, so the hook bends smoothly into the upright stem.
    hook.quadTo({x, bowlCentre.y() + 1.155 * radius}, {x, stemEnd});
    painter.setPen(QPen(colour, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(hook);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(x, stemEnd + pen + dotRadius), dotRadius, dotRadius);
}

// A four-pointed twinkle.
void paintSparkle(QPainter& painter, QPointF at, double size)
{
    const double waist = size * 0.22;
    QPainterPath star({at.x(), at.y() - size});
    star.quadTo({at.x() + waist, at.y() - waist}, {at.x() + size, at.y()});
    star.quadTo({at.x() + waist, at.y() + waist}, {at.x(), at.y() + size});
    star.quadTo({at.x() - waist, at.y() + waist}, {at.x() - size, at.y()});
    star.quadTo({at.x() - waist, at.y() - waist}, {at.x(), at.y() - size});
    painter.setPen(Qt::NoPen);
    painter.setBrush(ArtPalette::sparkle);
    painter.drawPath(star);
}

// A small icon in a handful of flat colours, the way a sixteen-colour icon
// looks: drawn without antialiasing, then stored with just those colours.
QImage flattened(const QImage& image, const QVector<QColor>& colours)
{
    QVector<QRgb> table{qRgba(0, 0, 0, 0)};
    for (const QColor& colour : colours)
        table.append(colour.rgb());
    return image.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither);
}

QImage mascotIn(Mascot::Pose pose, int scale)
{
    ResultSheet sheet(scale);
    Mascot::paint(sheet.painter, pose);
    return sheet.finished();
}

// The head centred in a square of `side` pixels, as large as fits. Without
// antialiasing the eyes look alike only when they land a whole number of
// pixels apart; otherwise one of them seems to wink.
void paintHeadFitting(QPainter& painter, int side)
{
    const QRectF head = Mascot::headBounds();
    const double fit = std::min(side / head.width(), side / head.height());
    const double scale = std::floor(fit * Mascot::eyeSpacing) / Mascot::eyeSpacing;
    painter.translate((side - head.width() * scale) / 2, (side - head.height() * scale) / 2);
    painter.scale(scale, scale);
    painter.translate(-head.topLeft());
    Mascot::paintHead(painter);
}

} // namespace

namespace Pictures {

QImage mascot(int scale)
{
    return mascotIn(Mascot::Pose::Standing, scale);
}

QImage startup()
{
    return mascotIn(Mascot::Pose::Waving, 1);
}

QImage maru(int scale)
{
    ResultSheet sheet(scale);
    sheet.painter.setPen(QPen(ArtPalette::maru, 9.0));
    sheet.painter.setBrush(Qt::NoBrush);
    sheet.painter.drawEllipse(QPointF(39.5, 42.5), 28.0, 28.0);
    paintSparkle(sheet.painter, {69.0, 12.0}, 8.0);
    paintSparkle(sheet.painter, {76.0, 26.0}, 4.0);
    return sheet.finished();
}

QImage batu(int scale)
{
    ResultSheet sheet(scale);
    sheet.painter.setPen(QPen(ArtPalette::batu, 10.0, Qt::SolidLine, Qt::RoundCap));
    sheet.painter.drawLine(QPointF(17.0, 17.0), QPointF(64.0, 64.0));
    sheet.painter.drawLine(QPointF(64.0, 17.0), QPointF(17.0, 64.0));
    return sheet.finished();
}

QImage hatena(int scale)
{
    ResultSheet sheet(scale);
    sheet.painter.setPen(Qt::NoPen);
    sheet.painter.setBrush(ArtPalette::hatenaBack);
    sheet.painter.drawEllipse(QPointF(40.5, 40.5), 36.0, 36.0);
    paintQuestionMark(sheet.painter, {40.5, 27.0}, 15.0, 9.0, ArtPalette::hatena);
    return sheet.finished();
}

QImage icon(int side)
{
    QImage image = clear({side, side});
    QPainter painter(&image);
    const bool flat = side <= iconSize.width();
    painter.setRenderHint(QPainter::Antialiasing, !flat);
    paintHeadFitting(painter, side);
    painter.end();
    if (!flat)
        return image;
    return flattened(image, {ArtPalette::mascotBody, ArtPalette::mascotLine,
                             ArtPalette::mascotCheek, ArtPalette::mascotMouth,
                             ArtPalette::mascotTongue, ArtPalette::white});
}

QByteArray scalableIcon()
{
    constexpr int side = 256;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize({side, side});
    svg.setViewBox(QRect(0, 0, side, side));
    // The size is written in millimetres; at the web's 96 dots per inch they
    // come back as the same number of pixels.
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("porominka"));
    QPainter painter(&svg);
    painter.setRenderHint(QPainter::Antialiasing);
    // The drawing holds no text, yet every group names a font: a real one
    // keeps the attributes valid.
    painter.setFont(QFont(QStringLiteral("sans-serif"), 12));
    paintHeadFitting(painter, side);
    painter.end();
    return bytes;
}

QImage helpButton()
{
    QImage image = clear(helpButtonSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(2.0, 1.5, 29.0, 24.5), 9.0, 9.0);
    QPainterPath tail({7.0, 22.0});
    tail.lineTo(5.0, 31.5);
    tail.lineTo(15.0, 24.0);
    tail.closeSubpath();
    painter.setPen(QPen(ArtPalette::ink, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(ArtPalette::white);
    painter.drawPath(bubble.united(tail));
    paintQuestionMark(painter, {16.5, 9.8}, 4.5, 3.2, ArtPalette::hatena);
    return image;
}

} // namespace Pictures
