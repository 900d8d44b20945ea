// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowPlacement.h"

#include <QEvent>
#include <QWidget>

#include <algorithm>

namespace {

bool isFramed(const QWidget* window)
{
    return window->frameGeometry() != window->geometry();
}

void fitFrame(QWidget* window, const QRect& outer)
{
    const QSize frameExtra = window->frameGeometry().size() - window->geometry().size();
    window->resize(outer.size() - frameExtra);
    window->move(outer.topLeft()); // a window's pos is its frame's
}

// Waits for the first moment the window is framed, fits it once, and goes.
class FrameFitter : public QObject {
public:
    FrameFitter(QWidget* window, const QRect& outer)
        : QObject(window)
        , window_(window)
        , outer_(outer)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const bool mayBeFramed = event->type() == QEvent::Show || event->type() == QEvent::Move
            || event->type() == QEvent::Resize;
        if (watched == window_ && mayBeFramed && isFramed(window_)) {
            window_->removeEventFilter(this);
            fitFrame(window_, outer_);
            deleteLater();
        }
        return false;
    }

private:
    QWidget* window_;
    QRect outer_;
};

} // namespace

void PlaceWindowByOuterGeometry(QWidget* window, const QRect& outer)
{
    if (isFramed(window)) {
        fitFrame(window, outer);
        return;
    }
    window->resize(outer.size());
    window->move(outer.topLeft());
    window->installEventFilter(new FrameFitter(window, outer));
}

QRect KeptOnScreen(const QRect& outer, const QRect& available)
{
    // Past the far edge first, so that the near edge wins when it does not fit.
    const int left = std::max(available.left(), std::min(outer.left(), available.right() + 1 - outer.width()));
    const int top = std::max(available.top(), std::min(outer.top(), available.bottom() + 1 - outer.height()));
    return QRect(QPoint(left, top), outer.size());
}
