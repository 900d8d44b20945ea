// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PlayOptions.h"

#include "platform/ProgramZoom.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QRegularExpression>

namespace {

const QString zoomOption = QStringLiteral("zoom");

// "2", "1.5", "0.75": a plain decimal number, nothing else.
std::optional<double> zoomValue(const QString& text)
{
    static const QRegularExpression decimal(QStringLiteral("^[0-9]{1,2}(\\.[0-9]{1,3})?$"));
    if (!decimal.match(text).hasMatch())
        return std::nullopt;
    const double zoom = text.toDouble();
    if (zoom < SMALLEST_ZOOM || zoom > LARGEST_ZOOM)
        return std::nullopt;
    return zoom;
}

} // namespace

void AddPlayOptions(QCommandLineParser& parser)
{
    parser.addOption(QCommandLineOption(zoomOption, QString(), QStringLiteral("F")));
}

QString PlayUsageText()
{
    return QStringLiteral(
        "  --zoom F\n"
        "      画面の大きさを F 倍（0.5〜4）にきめます。ないときは画面に合わせ、まどの大きさに\n"
        "      ついていきます。\n"
        "      Fix the windows' zoom at F (0.5 to 4); without it the zoom suits the screen and\n"
        "      follows the window's size.\n");
}

std::variant<PlayRequest, QString> ReadPlayOptions(const QCommandLineParser& parser)
{
    PlayRequest request;
    if (parser.isSet(zoomOption)) {
        const QString value = parser.value(zoomOption);
        request.zoom = zoomValue(value);
        if (!request.zoom)
            return QStringLiteral("--zoom: \"%1\" is not a number from %2 to %3")
                .arg(value)
                .arg(SMALLEST_ZOOM)
                .arg(LARGEST_ZOOM);
    }
    return request;
}
