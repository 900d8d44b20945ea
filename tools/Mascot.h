// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPainter;
class QRectF;

// The mascot, a round little creature that keeps the child company. It is
// drawn on an 81 x 81 design grid; scale the painter for other sizes.
namespace Mascot {

enum class Pose { Standing, Waving };

// How far apart the eyes are on the design grid.
inline constexpr double eyeSpacing = 19.0;

void paint(QPainter& painter, Pose pose);
// Just the head with its ears, for the small window icon.
void paintHead(QPainter& painter);
// The part of the design grid the head fills, ears included.
QRectF headBounds();

} // namespace Mascot
