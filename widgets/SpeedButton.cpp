// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/SpeedButton.h"

#include "platform/WindowZoom.h"

#include <QMouseEvent>
#include <QPainter>

SpeedButton::SpeedButton(QWidget* parent)
    : QPushButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAutoDefault(false);
}

void SpeedButton::SetGlyph(const QPixmap& glyph)
{
    glyph_ = glyph;
    update();
}

void SpeedButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    if (glyph_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSize size = ZoomedRect(QRect(QPoint(), glyph_.deviceIndependentSize().toSize()), ZoomOf(this)).size();
    const int shift = isDown() ? 1 : 0;
    painter.drawPixmap(QRect(QPoint(shift, (height() - size.height()) / 2 + shift), size), glyph_);
}

void SpeedButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!actsOncePerDoubleClick_) {
        QPushButton::mouseDoubleClickEvent(event);
        return;
    }
    // Never pushed down, the button lets the release that follows pass too.
    event->accept();
}
