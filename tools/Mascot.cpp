// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/Mascot.h"

#include "tools/ArtPalette.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace {

constexpr QPointF centre{40.5, 45.0};
constexpr double radius = 27.0;
constexpr double lineWidth = 2.2;

QPen outline()
{
    return QPen(ArtPalette::mascotLine, lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void paintEars(QPainter& painter)
{
    for (const double side : {-1.0, 1.0}) {
        const QPointF ear(centre.x() + side * 18.5, centre.y() - 21.5);
        painter.setPen(outline());
        painter.setBrush(ArtPalette::mascotBody);
        painter.drawEllipse(ear, 8.0, 8.0);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ArtPalette::mascotCheek);
        painter.drawEllipse(ear + QPointF(side * 0.5, 0.5), 4.0, 4.0);
    }
}

void paintFace(QPainter& painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(ArtPalette::mascotCheek);
    for (const double side : {-1.0, 1.0})
        painter.drawEllipse(QPointF(centre.x() + side * 17.5, centre.y() + 7.0), 5.0, 3.4);

    for (const double side : {-1.0, 1.0}) {
        const QPointF eye(centre.x() + side * Mascot::eyeSpacing / 2, centre.y() - 3.0);
        painter.setBrush(ArtPalette::mascotLine);
        painter.drawEllipse(eye, 3.4, 4.4);
        painter.setBrush(ArtPalette::white);
        painter.drawEllipse(eye + QPointF(1.1, -1.6), 1.4, 1.4);
    }

    // An open, laughing mouth with a little tongue showing.
    QPainterPath mouth({centre.x() - 7.0, centre.y() + 5.0});
    mouth.cubicTo(centre + QPointF(-6.0, 15.0), centre + QPointF(6.0, 15.0),
                  centre + QPointF(7.0, 5.0));
    mouth.closeSubpath();
    painter.setPen(outline());
    painter.setBrush(ArtPalette::mascotMouth);
    painter.drawPath(mouth);
    painter.save();
    painter.setClipPath(mouth);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ArtPalette::mascotTongue);
    painter.drawEllipse(centre + QPointF(0.0, 13.0), 5.0, 3.6);
    painter.restore();
}

void paintFeet(QPainter& painter)
{
    painter.setPen(outline());
    painter.setBrush(ArtPalette::mascotShade);
    for (const double side : {-1.0, 1.0})
        painter.drawEllipse(QPointF(centre.x() + side * 11.0, centre.y() + 28.0), 7.5, 4.5);
}

constexpr double armLength = 13.0;

// An arm hangs down from its shoulder, turned by `angle` degrees clockwise.
void paintArm(QPainter& painter, QPointF shoulder, double angle)
{
    painter.save();
    painter.translate(shoulder);
    painter.rotate(angle);
    painter.setPen(outline());
    painter.setBrush(ArtPalette::mascotShade);
    painter.drawEllipse(QPointF(0.0, armLength - 7.0), 4.0, 7.0);
    painter.restore();
}

// Two short arcs around the raised hand, so that it reads as waving.
void paintWaveLines(QPainter& painter, QPointF hand)
{
    painter.setPen(QPen(ArtPalette::mascotShade, 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (const double r : {5.0, 9.0})
        painter.drawArc(QRectF(hand.x() - r, hand.y() - r, 2 * r, 2 * r), 35 * 16, 90 * 16);
}

} // namespace

namespace Mascot {

void paintHead(QPainter& painter)
{
    painter.save();
    paintEars(painter);
    painter.setPen(outline());
    painter.setBrush(ArtPalette::mascotBody);
    painter.drawEllipse(centre, radius, radius);
    paintFace(painter);
    painter.restore();
}

void paint(QPainter& painter, Pose pose)
{
    painter.save();
    paintFeet(painter);
    paintArm(painter, centre + QPointF(-radius + 1.5, 6.0), 35.0);
    if (pose == Pose::Waving) {
        const QPointF shoulder = centre + QPointF(radius - 3.0, -4.0);
        const double raised = -145.0;
        paintArm(painter, shoulder, raised);
        paintWaveLines(painter, shoulder + QTransform().rotate(raised).map(QPointF(0.0, armLength)));
    } else {
        paintArm(painter, centre + QPointF(radius - 1.5, 6.0), -35.0);
    }
    paintHead(painter);
    painter.restore();
}

QRectF headBounds()
{
    const double earTop = centre.y() - 21.5 - 8.0 - lineWidth / 2;
    const double side = radius + lineWidth / 2;
    return QRectF(QPointF(centre.x() - side, earTop), QPointF(centre.x() + side, centre.y() + side));
}

} // namespace Mascot
