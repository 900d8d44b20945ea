// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/DigitGlyphs.h"

#include <QTransform>
#include <array>

namespace {

// The box the centre lines keep to. The pen adds half its width all round,
// so a digit is 30 px tall. Edges sit on half pixels so that the straight
// strokes of an odd-width pen land on whole pixels and stay crisp.
constexpr double left = 13.5;
constexpr double right = 27.5;
constexpr double top = 5.5;
constexpr double bottom = 30.5;
constexpr double width = right - left;
constexpr double height = bottom - top;
constexpr double centreX = (left + right) / 2;
// The signs' bar sits on the pixel row nearest the middle of the digits.
constexpr double middleRow = (top + bottom) / 2 - 0.5;

QPainterPath zero()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(left, top, width, height), width / 2, width / 2);
    return path;
}

QPainterPath one()
{
    const double stem = centreX + 2;
    QPainterPath path({stem - 5, top + 4.5});
    path.lineTo(stem, top);
    path.lineTo(stem, bottom);
    return path;
}

QPainterPath two()
{
    QPainterPath path;
    path.arcMoveTo(QRectF(left, top, width, width), 160);
    path.arcTo(QRectF(left, top, width, width), 160, -200);
    path.cubicTo({right - 1, top + 13}, {left + 1, bottom - 6}, {left, bottom});
    path.lineTo(right + 0.5, bottom);
    return path;
}

QPainterPath three()
{
    const double waist = top + 11.5;
    const QRectF upper(left + 1, top, width - 2, waist - top);
    const QRectF lower(left, waist, width, bottom - waist);
    QPainterPath path;
    path.arcMoveTo(upper, 155);
    path.arcTo(upper, 155, -245);
    path.arcTo(lower, 90, -245);
    return path;
}

QPainterPath four()
{
    const double bar = bottom - 7;
    const double stem = right - 2;
    QPainterPath path({right + 1.5, bar});
    path.lineTo(left - 0.5, bar);
    path.lineTo(stem, top);
    path.lineTo(stem, bottom);
    return path;
}

QPainterPath five()
{
    const QRectF bowl(left - 0.5, top + 9, width + 1.5, bottom - top - 9);
    QPainterPath path({right, top});
    path.lineTo(left + 1, top);
    path.lineTo(left, top + 11);
    path.arcTo(bowl, 140, -290);
    return path;
}

QPainterPath six()
{
    const double loopHeight = 15;
    const QRectF loop(left, bottom - loopHeight, width, loopHeight);
    QPainterPath path({right - 1.5, top});
    path.cubicTo({left + 3, top + 2}, {left, top + 8}, {left, loop.center().y()});
    path.arcTo(loop, 180, 360);
    return path;
}

QPainterPath seven()
{
    QPainterPath path({left, top});
    path.lineTo(right, top);
    path.cubicTo({right - 2, top + 7}, {centreX - 2, top + 14}, {centreX - 2.5, bottom});
    return path;
}

QPainterPath eight()
{
    const double waist = top + 11.5;
    QPainterPath path;
    path.addEllipse(QRectF(left + 1.5, top, width - 3, waist - top));
    path.addEllipse(QRectF(left, waist, width, bottom - waist));
    return path;
}

// A nine is a six turned upside down about the middle of the digit box.
QPainterPath nine()
{
    QTransform turn;
    const QPointF middle((left + right) / 2, (top + bottom) / 2);
    turn.translate(middle.x(), middle.y());
    turn.rotate(180);
    turn.translate(-middle.x(), -middle.y());
    return turn.map(six());
}

} // namespace

namespace DigitGlyphs {

QPainterPath digit(int value)
{
    static const std::array<QPainterPath (*)(), 10> builders{
        zero, one, two, three, four, five, six, seven, eight, nine};
    return builders.at(static_cast<std::size_t>(value))();
}

// The signs sit level with the middle of the digits and are a little smaller
// than them, as printed signs are.
QPainterPath plus()
{
    QPainterPath path = minus();
    path.moveTo(centreX, middleRow - 9);
    path.lineTo(centreX, middleRow + 9);
    return path;
}

QPainterPath minus()
{
    QPainterPath path({centreX - 9, middleRow});
    path.lineTo(centreX + 9, middleRow);
    return path;
}

// The strike leans less steeply than the strokes of 1, 4 and 7, so that it
// never hides in them.
QPainterPath strike()
{
    QPainterPath path({centreX - 11, bottom - 2});
    path.lineTo(centreX + 11, top + 2);
    return path;
}

} // namespace DigitGlyphs
