// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowPlacement.h"

#include <QEvent>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace {

constexpr char laidOutOuter[] = "drillLaidOutOuter";
constexpr char fitterName[] = "drillFrameFitter";

bool isFramed(const QWidget* window)
{
    return window->frameGeometry() != window->geometry();
}

QSize frameExtra(const QWidget* window)
{
    return window->frameGeometry().size() - window->geometry().size();
}

struct Placement {
    QRect outer;
    double zoom;
    std::optional<QRect> keptWithin;
};

void fitFrame(QWidget* window, const Placement& placement)
{
    const QSize extra = frameExtra(window);
    const QSize client = (placement.outer.size() - extra) * placement.zoom;
    QRect frame(placement.outer.topLeft(), client + extra);
    if (placement.keptWithin)
        frame = KeptOnScreen(frame, *placement.keptWithin);
    window->resize(client);
    window->move(frame.topLeft()); // a window's pos is its frame's
}

// Waits for the first moment the window is framed, fits it once, and goes.
class FrameFitter : public QObject {
public:
    FrameFitter(QWidget* window, const Placement& placement)
        : QObject(window)
        , window_(window)
        , placement_(placement)
    {
        setObjectName(QLatin1String(fitterName));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const bool mayBeFramed = event->type() == QEvent::Show || event->type() == QEvent::Move
            || event->type() == QEvent::Resize;
        if (watched == window_ && mayBeFramed && isFramed(window_)) {
            window_->removeEventFilter(this);
            fitFrame(window_, placement_);
            deleteLater();
        }
        return false;
    }

private:
    QWidget* window_;
    Placement placement_;
};

} // namespace

void PlaceWindowByOuterGeometry(QWidget* window, const QRect& outer, double zoom, std::optional<QRect> keptWithin)
{
    if (!window->property(laidOutOuter).isValid())
        window->setProperty(laidOutOuter, outer);
    // A later placement before the frame came replaces the earlier one.
    qDeleteAll(window->findChildren<QObject*>(QLatin1String(fitterName), Qt::FindDirectChildrenOnly));
    const Placement placement{outer, zoom, keptWithin};
    fitFrame(window, placement);
    if (!isFramed(window))
        window->installEventFilter(new FrameFitter(window, placement));
}

QRect LaidOutOuterGeometry(const QWidget* window)
{
    return window->property(laidOutOuter).toRect();
}

QSize LaidOutClientSize(const QWidget* window)
{
    return LaidOutOuterGeometry(window).size() - frameExtra(window);
}

QRect KeptOnScreen(const QRect& outer, const QRect& available)
{
    // Past the far edge first, so that the near edge wins when it does not fit.
    const int left = std::max(available.left(), std::min(outer.left(), available.right() + 1 - outer.width()));
    const int top = std::max(available.top(), std::min(outer.top(), available.bottom() + 1 - outer.height()));
    return QRect(QPoint(left, top), outer.size());
}
