// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowZoom.h"

#include "platform/ZoomedStyle.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLayout>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// What a control had at the laid-out size, kept on the control itself.
constexpr char laidOutGeometry[] = "drillLaidOutGeometry";
constexpr char laidOutFontPixels[] = "drillLaidOutFontPixels";
constexpr char laidOutLineWidth[] = "drillLaidOutLineWidth";
constexpr char laidOutMargins[] = "drillLaidOutMargins";
constexpr char laidOutSpacing[] = "drillLaidOutSpacing";
// On the window: its zoom and where its content stands.
constexpr char windowZoom[] = "drillZoom";
constexpr char windowOffset[] = "drillZoomOffset";

// What a product like 12 × 1.5 may fall short of 18 by.
constexpr double roundingSlack = 1e-9;

int zoomed(int length, double zoom)
{
    return static_cast<int>(std::lround(length * zoom));
}

// Reads a value the first time, and gives the one read first ever after.
template <class Value, class Read>
Value laidOut(QObject* object, const char* name, Read read)
{
    const QVariant kept = object->property(name);
    if (kept.isValid())
        return kept.value<Value>();
    const Value value = read();
    object->setProperty(name, QVariant::fromValue(value));
    return value;
}

// The window placed the controls it named; a layout or Qt itself places the
// others (a radio item in its group, the parts of a scroll bar).
bool placedByWindow(const QWidget* control)
{
    const QString name = control->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

QPoint offsetFor(const QWidget* control)
{
    const QWidget* parent = control->parentWidget();
    return parent && parent->isWindow() ? parent->property(windowOffset).toPoint() : QPoint();
}

void zoomPlace(QWidget* control, double zoom)
{
    const QRect geometry = laidOut<QRect>(control, laidOutGeometry, [&] { return control->geometry(); });
    control->setGeometry(ZoomedRect(geometry, zoom).translated(offsetFor(control)));
}

// Only a font of the control's own is scaled; the others follow their parent.
void zoomFont(QWidget* control, double zoom)
{
    if (!control->isWindow() && !control->testAttribute(Qt::WA_SetFont))
        return;
    const int pixels = laidOut<int>(control, laidOutFontPixels, [&] { return control->font().pixelSize(); });
    if (pixels <= 0)
        return;
    // The Gothic faces come in whole pixels; rounded up, a caption laid out
    // to the pixel would no longer fit its place, so the size is rounded down.
    QFont font = control->font();
    font.setPixelSize(std::max(1, static_cast<int>(std::floor(pixels * zoom + roundingSlack))));
    control->setFont(font);
}

void zoomFrame(QWidget* control, double zoom)
{
    auto* frame = qobject_cast<QFrame*>(control);
    if (!frame)
        return;
    const int width = laidOut<int>(frame, laidOutLineWidth, [&] { return frame->lineWidth(); });
    frame->setLineWidth(std::max(width > 0 ? 1 : 0, zoomed(width, zoom)));
}

void zoomLayout(QWidget* control, double zoom)
{
    QLayout* layout = control->layout();
    if (!layout)
        return;
    const QMargins margins = laidOut<QMargins>(layout, laidOutMargins, [&] { return layout->contentsMargins(); });
    const int spacing = laidOut<int>(layout, laidOutSpacing, [&] { return layout->spacing(); });
    layout->setContentsMargins(zoomed(margins.left(), zoom), zoomed(margins.top(), zoom),
                               zoomed(margins.right(), zoom), zoomed(margins.bottom(), zoom));
    if (spacing >= 0)
        layout->setSpacing(zoomed(spacing, zoom));
}

} // namespace

QRect ZoomedRect(const QRect& laidOut, double zoom)
{
    const int left = zoomed(laidOut.left(), zoom);
    const int top = zoomed(laidOut.top(), zoom);
    return QRect(left, top, zoomed(laidOut.left() + laidOut.width(), zoom) - left,
                 zoomed(laidOut.top() + laidOut.height(), zoom) - top);
}

double ZoomOf(const QWidget* control)
{
    const QVariant zoom = control->window()->property(windowZoom);
    return zoom.isValid() ? zoom.toDouble() : 1.0;
}

void ZoomContent(QWidget* window, double zoom, QPoint offset)
{
    window->setProperty(windowZoom, zoom);
    window->setProperty(windowOffset, offset);
    zoomFont(window, zoom);
    zoomLayout(window, zoom);
    const QList<QWidget*> controls = window->findChildren<QWidget*>();
    for (QWidget* control : controls) {
        // Another window, such as a dialog owned by this one, keeps its own zoom.
        if (control->window() != window)
            continue;
        if (control->style() != ZoomedStyle())
            control->setStyle(ZoomedStyle());
        if (placedByWindow(control)) {
            zoomPlace(control, zoom);
            zoomFrame(control, zoom);
        }
        zoomFont(control, zoom);
        zoomLayout(control, zoom);
    }
    QEvent change(ZoomChangeEvent());
    for (QWidget* control : controls) {
        if (control->window() == window)
            QCoreApplication::sendEvent(control, &change);
    }
}

void ResizeLaidOut(QWidget* control, QSize laidOutSize)
{
    QRect geometry = laidOut<QRect>(control, laidOutGeometry, [&] { return control->geometry(); });
    geometry.setSize(laidOutSize);
    control->setProperty(laidOutGeometry, geometry);
    control->setGeometry(ZoomedRect(geometry, ZoomOf(control)).translated(offsetFor(control)));
}

QEvent::Type ZoomChangeEvent()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}
