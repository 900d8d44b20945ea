#include "tools/Tiles.h"

#include "tools/ArtPalette.h"
#include "tools/DigitGlyphs.h"

#include <QPainter>

namespace {

// The strike gets a thin rim of paper colour so that it stays readable where
// it crosses the dark ink of the digit.
constexpr double strikeWidth = 4.0;
constexpr double strikeRim = 1.0;

QImage inked(const QPainterPath& glyph)
{
    QImage image = Tiles::blank();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(glyph, QPen(ArtPalette::ink, DigitGlyphs::penWidth, Qt::SolidLine,
                                   Qt::RoundCap, Qt::RoundJoin));
    return image;
}

} // namespace

namespace Tiles {

QImage digit(int value)
{
    return inked(DigitGlyphs::digit(value));
}

QImage struckDigit(int value)
{
    QImage image = digit(value);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath stroke = DigitGlyphs::strike();
    painter.strokePath(stroke, QPen(ArtPalette::ground, strikeWidth + 2 * strikeRim,
                                    Qt::SolidLine, Qt::RoundCap));
    painter.strokePath(stroke, QPen(ArtPalette::strike, strikeWidth, Qt::SolidLine,
                                    Qt::RoundCap));
    return image;
}

QImage blank()
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(ArtPalette::ground);
    return image;
}

QImage plus()
{
    return inked(DigitGlyphs::plus());
}

QImage minus()
{
    return inked(DigitGlyphs::minus());
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
