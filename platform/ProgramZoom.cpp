// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramZoom.h"

#include "platform/WindowPlacement.h"
#include "platform/WindowZoom.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// The share of the screen's width and height the main window takes at start-up.
constexpr double startupShare = 0.8;

double programZoom = 1;

void setProgramZoom(double zoom)
{
    if (zoom == programZoom)
        return;
    programZoom = zoom;
    QEvent change(ProgramZoomChangeEvent());
    for (QWidget* window : QApplication::topLevelWidgets())
        QCoreApplication::sendEvent(window, &change);
}

QSize zoomedSize(QSize size, double zoom)
{
    return ZoomedRect(QRect(QPoint(), size), zoom).size();
}

constexpr char followerName[] = "drillContentFollowsSize";

// Scales the main window's content to its client area as it is resized.
class ContentFollowsSize : public QObject {
public:
    explicit ContentFollowsSize(QWidget* window)
        : QObject(window)
        , window_(window)
    {
        setObjectName(QLatin1String(followerName));
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::Resize)
            follow();
        return false;
    }

private:
    void follow()
    {
        const QSize laidOut = LaidOutClientSize(window_);
        const QSize client = window_->size();
        if (laidOut.isEmpty())
            return;
        // A client made for the zoom keeps it exactly, rounding and all.
        double zoom = ZoomOf(window_);
        if (client != zoomedSize(laidOut, zoom))
            zoom = std::min(double(client.width()) / laidOut.width(), double(client.height()) / laidOut.height());
        const QSize content = zoomedSize(laidOut, zoom);
        const QPoint offset((client.width() - content.width()) / 2, (client.height() - content.height()) / 2);
        ZoomContent(window_, zoom, QPoint(std::max(0, offset.x()), std::max(0, offset.y())));
        setProgramZoom(zoom);
    }

    QWidget* window_;
};

void zoomSecondary(QWidget* window, const QRect& outer)
{
    const double zoom = ProgramZoom();
    ZoomContent(window, zoom);
    PlaceWindowByOuterGeometry(window, outer, zoom, window->screen()->availableGeometry());
}

// Scales a secondary window again when the program's zoom has changed.
class SecondaryFollowsProgram : public QObject {
public:
    explicit SecondaryFollowsProgram(QWidget* window)
        : QObject(window)
        , window_(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const bool shownOrChanged = event->type() == QEvent::Show
            || (event->type() == ProgramZoomChangeEvent() && window_->isVisible());
        if (watched == window_ && shownOrChanged && ZoomOf(window_) != ProgramZoom())
            zoomSecondary(window_, QRect(window_->frameGeometry().topLeft(), LaidOutOuterGeometry(window_).size()));
        return false;
    }

private:
    QWidget* window_;
};

} // namespace

double StartupZoom(QSize outer, QSize available)
{
    const double zoom = startupShare * std::min(double(available.width()) / outer.width(),
                                                double(available.height()) / outer.height());
    return std::min(zoom, LARGEST_ZOOM);
}

double ProgramZoom()
{
    return programZoom;
}

QFont AtProgramZoom(QFont font)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * programZoom))));
    else if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * programZoom);
    return font;
}

QEvent::Type ProgramZoomChangeEvent()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void ZoomMainWindow(QWidget* window, std::optional<double> fixedZoom)
{
    // Zoomed anew, the window follows its size only if told so again.
    qDeleteAll(window->findChildren<QObject*>(QLatin1String(followerName), Qt::FindDirectChildrenOnly));
    const QRect outer = LaidOutOuterGeometry(window);
    const double zoom = fixedZoom.value_or(StartupZoom(outer.size(), window->screen()->availableGeometry().size()));
    ZoomContent(window, zoom);
    setProgramZoom(zoom);
    PlaceWindowByOuterGeometry(window, outer, zoom);
    if (!fixedZoom)
        new ContentFollowsSize(window);
}

void PlaceSecondaryWindow(QWidget* window, const QRect& outer)
{
    zoomSecondary(window, outer);
    new SecondaryFollowsProgram(window);
}
