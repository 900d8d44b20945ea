// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/PictureBox.h"

#include "platform/FileOpenError.h"
#include "platform/PictureFile.h"
#include "platform/WindowZoom.h"
#include "widgets/TouchInput.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

// Drawn larger than this, a picture is drawn from its twin.
constexpr double twinFrom = 1.5;

} // namespace

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
}

void PictureBox::LoadFromFile(const QString& bareName)
{
    // The plain picture is read first, so that its absence is reported
    // whether or not a twin is at hand.
    const QPixmap plain = LoadPictureFile(bareName);
    showPicture(wantsTwin() ? LoadTwinPicture(bareName, plain).value_or(plain) : plain);
    fileName_ = bareName;
}

bool PictureBox::wantsTwin() const
{
    return devicePixelRatioF() * ZoomOf(this) > twinFrom;
}

void PictureBox::SetPicture(const QPixmap& picture)
{
    showPicture(picture);
    fileName_.clear();
}

void PictureBox::SetAutoSize(bool on)
{
    autoSize_ = on;
    if (autoSize_ && !picture_.isNull())
        ResizeLaidOut(this, picture_.deviceIndependentSize().toSize());
}

void PictureBox::showPicture(const QPixmap& picture)
{
    picture_ = picture;
    if (autoSize_)
        ResizeLaidOut(this, picture_.deviceIndependentSize().toSize());
    update();
}

bool PictureBox::event(QEvent* event)
{
    // The picture read afresh suits the new zoom, twin or plain; one that
    // can no longer be read stays as it was.
    const bool showsTwin = picture_.devicePixelRatio() > 1;
    if (event->type() == ZoomChangeEvent() && !fileName_.isEmpty() && wantsTwin() != showsTwin) {
        try {
            LoadFromFile(fileName_);
        } catch (const FileOpenError&) {
        }
    }
    return QWidget::event(event);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect laidOut(QPoint(), picture_.deviceIndependentSize().toSize());
    painter.drawPixmap(ZoomedRect(laidOut, ZoomOf(this)), picture_);
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        leftPressed_ = true;
    event->accept();
}

// The second press of a double click does not start a click of its own: a
// quick double click counts once, as it did in the toolkit.
void PictureBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !leftPressed_)
        return;
    leftPressed_ = false;
    if (!rect().contains(event->position().toPoint()))
        return;
    if (ComesFromTouch(*event))
        emit tapped();
    else
        emit clicked();
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (!ComesFromTouch(*event))
        emit mouseMoved();
}
