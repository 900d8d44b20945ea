// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PlayOptions.h"

#include "platform/ProgramZoom.h"
#include "worksheet/WorksheetOptions.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QRegularExpression>

namespace {

const QString zoomOption = QStringLiteral("zoom");
const QString lockOption = QStringLiteral("lock");

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
    parser.addOption(QCommandLineOption(lockOption));
}

bool PlayOptionsGiven(const QCommandLineParser& parser)
{
    return parser.isSet(zoomOption) || parser.isSet(lockOption) || SettingOptionsGiven(parser);
}

QString PlayUsageText()
{
    return QStringLiteral(
        "  --range 10|20|100|1000|9999, --carry none|always|mixed, --operation add|subtract\n"
        "      はじめの「はんい」「くりあがり」「しゅるい」をえらびます（ことばは --worksheet と おなじ）。\n"
        "      The practice window's settings at start-up, in the words --worksheet takes.\n"
        "  --lock\n"
        "      「はんい」「くりあがり」「しゅるい」を さわれないように します（クラスで れべるを きめるとき）。\n"
        "      Grey the three settings out for the whole run, so that a teacher fixes the level.\n"
        "  --zoom F\n"
        "      画面の大きさを F 倍（0.5〜4）にきめます。ないときは画面に合わせ、まどの大きさに\n"
        "      ついていきます。\n"
        "      Fix the windows' zoom at F (0.5 to 4); without it the zoom suits the screen and\n"
        "      follows the window's size.\n");
}

std::variant<PlayRequest, QString> ReadPlayOptions(const QCommandLineParser& parser)
{
    PlayRequest request;
    if (const auto refusal = ReadSettingOptions(parser, request.settings))
        return *refusal;
    request.locked = parser.isSet(lockOption);
    if (parser.isSet(zoomOption)) {
        const QString value = parser.value(zoomOption);
        request.zoom = zoomValue(value);
        if (!request.zoom)
            return QStringLiteral("--zoom: \"%1\" is not a number from %2 to %3")
                .arg(value, QString::number(SMALLEST_ZOOM), QString::number(LARGEST_ZOOM));
    }
    return request;
}
