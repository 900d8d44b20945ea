// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/Tiles.h"

#include "tools/ArtPalette.h"
#include "tools/DigitGlyphs.h"

#include <QPainter>

namespace {

// The strike gets a thin rim of paper colour so that it stays readable where
// it crosses the dark ink of the digit.
constexpr double strikeWidth = 4.0;
constexpr double strikeRim = 1.0;

QImage inked(const QPainterPath& glyph, int scale)
{
    QImage image = Tiles::blank(scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.strokePath(glyph, QPen(ArtPalette::ink, DigitGlyphs::penWidth, Qt::SolidLine,
                                   Qt::RoundCap, Qt::RoundJoin));
    return image;
}

} // namespace

namespace Tiles {

QImage digit(int value, int scale)
{
    return inked(DigitGlyphs::digit(value), scale);
}

QImage struckDigit(int value, int scale)
{
    QImage image = digit(value, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    const QPainterPath stroke = DigitGlyphs::strike();
    painter.strokePath(stroke, QPen(ArtPalette::ground, strikeWidth + 2 * strikeRim,
                                    Qt::SolidLine, Qt::RoundCap));
    painter.strokePath(stroke, QPen(ArtPalette::strike, strikeWidth, Qt::SolidLine,
                                    Qt::RoundCap));
    return image;
}

QImage blank(int scale)
{
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(ArtPalette::ground);
    return image;
}

QImage plus(int scale)
{
    return inked(DigitGlyphs::plus(), scale);
}

QImage minus(int scale)
{
    return inked(DigitGlyphs::minus(), scale);
}

QImage placeholder()
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(ArtPalette::placeholder);
    QPainter painter(&image);
    painter.setPen(ArtPalette::placeholderEdge);
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    return image;
}

} // namespace Tiles
