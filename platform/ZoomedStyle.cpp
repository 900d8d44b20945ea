// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ZoomedStyle.h"

#include "platform/WindowZoom.h"

#include <QApplication>
#include <QProxyStyle>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// The sizes the style draws by itself within the controls' places.
constexpr QStyle::PixelMetric scaledMetrics[] = {
    QStyle::PM_ExclusiveIndicatorWidth, QStyle::PM_ExclusiveIndicatorHeight,
    QStyle::PM_IndicatorWidth,          QStyle::PM_IndicatorHeight,
    QStyle::PM_RadioButtonLabelSpacing, QStyle::PM_CheckBoxLabelSpacing,
    QStyle::PM_DefaultFrameWidth,       QStyle::PM_ButtonMargin,
};

class ZoomingProxy : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const int laidOut = QProxyStyle::pixelMetric(metric, option, widget);
        if (!widget || std::find(std::begin(scaledMetrics), std::end(scaledMetrics), metric) == std::end(scaledMetrics))
            return laidOut;
        return static_cast<int>(std::lround(laidOut * ZoomOf(widget)));
    }
};

} // namespace

QStyle* ZoomedStyle()
{
    // Made on the application's style as it stands when first asked for.
    static ZoomingProxy* const style = [] {
        auto* proxy = new ZoomingProxy(QApplication::style()->name());
        proxy->setParent(qApp);
        return proxy;
    }();
    return style;
}
