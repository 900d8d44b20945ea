// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/PictureBox.h"

#include "platform/PictureFile.h"
#include "widgets/TouchInput.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
}

void PictureBox::LoadFromFile(const QString& bareName)
{
    // The plain picture is read first, so that its absence is reported
    // whether or not a twin is at hand.
    const QPixmap plain = LoadPictureFile(bareName);
    showPicture(devicePixelRatioF() > 1 ? LoadTwinPicture(bareName, plain).value_or(plain) : plain);
    fileName_ = bareName;
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
        resize(picture_.deviceIndependentSize().toSize());
}

void PictureBox::showPicture(const QPixmap& picture)
{
    picture_ = picture;
    if (autoSize_)
        resize(picture_.deviceIndependentSize().toSize());
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(0, 0, picture_);
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
