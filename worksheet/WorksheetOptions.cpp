// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/WorksheetOptions.h"

#include "layout/SettingItems.h"
#include "mistakes/FocusedProblems.h"
#include "worksheet/Worksheet.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QRegularExpression>

#include <algorithm>
#include <limits>
#include <optional>
#include <random>

namespace {

// The values of each choice in the order of its radio items, so a value's
// place is the item index.
struct Choice {
    const char* option;
    QStringList values;
    std::int32_t SettingItems::*item;
};

const Choice choices[] = {
    {"range", {"10", "20", "100", "1000", "9999"}, &SettingItems::range},
    {"carry", {"none", "always", "mixed"}, &SettingItems::carryMode},
    {"operation", {"add", "subtract"}, &SettingItems::kind},
};

// In the order of AnswerKey.
const QStringList answerKeys{"after", "separate", "none"};

std::optional<quint64> wholeNumber(const QString& text, quint64 highest)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,10}$"));
    if (!digits.match(text).hasMatch() || text.toULongLong() > highest)
        return std::nullopt;
    return text.toULongLong();
}

// The options of its own besides --worksheet itself and the settings, which
// the drill takes too.
const QStringList& sheetOptions()
{
    static const QStringList options{"problems", "seed", "focus", "key"};
    return options;
}

QString notOneOf(const QString& option, const QString& value, const QString& allowed)
{
    return QStringLiteral("--%1: \"%2\" is not %3").arg(option, value, allowed);
}

QString misconceptionIds()
{
    QStringList ids;
    for (const Misconception& misconception : Misconceptions())
        ids << QString::fromUtf8(misconception.id.data(), static_cast<qsizetype>(misconception.id.size()));
    return ids.join(QStringLiteral(", "));
}

// A sheet for one misconception: each setting not given is the one where the
// misconception shows, and the sheet is refused when its settings cannot
// fill it with problems that expose it.
std::optional<QString> readFocus(const QCommandLineParser& parser, WorksheetRequest& request)
{
    if (!parser.isSet(QStringLiteral("focus")))
        return std::nullopt;
    const QString id = parser.value(QStringLiteral("focus"));
    const Misconception* misconception = FindMisconception(id.toStdString());
    if (!misconception)
        return notOneOf(QStringLiteral("focus"), id, QStringLiteral("one of ") + misconceptionIds());
    request.settings.focus = std::string(misconception->id);
    const SettingItems fitting = ItemsOf(FittingSetting(*misconception));
    SettingItems items = ItemsOf(request.settings.drill);
    for (const Choice& choice : choices)
        if (!parser.isSet(QString::fromLatin1(choice.option)))
            items.*choice.item = fitting.*choice.item;
    request.settings.drill = SettingsFromItems(items.range, items.carryMode, items.kind);
    const auto drawn = DrawWorksheet(request.settings).problems.size();
    if (drawn < static_cast<std::size_t>(request.settings.problemCount))
        return QStringLiteral("--focus: these settings pose only %1 of the %2 problems that show %3")
            .arg(drawn)
            .arg(request.settings.problemCount)
            .arg(id);
    return std::nullopt;
}

} // namespace

std::optional<QString> ReadSettingOptions(const QCommandLineParser& parser, WorksheetSettings& settings)
{
    SettingItems items = ItemsOf(settings.drill);
    for (const Choice& choice : choices) {
        const QString option = QString::fromLatin1(choice.option);
        if (!parser.isSet(option))
            continue;
        const QString value = parser.value(option);
        const auto index = choice.values.indexOf(value);
        if (index < 0)
            return notOneOf(option, value, QStringLiteral("one of ") + choice.values.join(QStringLiteral(", ")));
        items.*choice.item = static_cast<std::int32_t>(index);
    }
    settings.drill = SettingsFromItems(items.range, items.carryMode, items.kind);
    return std::nullopt;
}

bool SettingOptionsGiven(const QCommandLineParser& parser)
{
    return std::any_of(std::begin(choices), std::end(choices),
                       [&](const Choice& choice) { return parser.isSet(QString::fromLatin1(choice.option)); });
}

void AddWorksheetOptions(QCommandLineParser& parser)
{
    parser.addOption(QCommandLineOption(QStringLiteral("worksheet")));
    for (const QString& option : sheetOptions())
        parser.addOption(QCommandLineOption(option, QString(), QStringLiteral("value")));
    for (const Choice& choice : choices)
        parser.addOption(QCommandLineOption(QString::fromLatin1(choice.option), QString(), QStringLiteral("value")));
}

QString WorksheetUsageText()
{
    return QStringLiteral(
        "  --worksheet [FILE.pdf] [--range 10|20|100|1000|9999] [--carry none|always|mixed]\n"
        "              [--operation add|subtract] [--problems 1-40] [--seed S] [--focus ID]\n"
        "              [--key after|separate|none]\n"
        "      問題と答えのプリントを PDF に書き出します（画面はいりません）。FILE がなければ\n"
        "      「プリント」の画面を開きます。同じ --seed なら同じプリントになります。\n"
        "      Write a worksheet and its answer key to FILE.pdf, with no display; without FILE,\n"
        "      open the \"プリント\" window. The same --seed gives the same sheet.\n"
        "      --key: こたえを あとのページに（after）、べつの ファイル FILE-こたえ.pdf に（separate）、\n"
        "      つけない（none）。 The answer key after the problems, in FILE-こたえ.pdf beside it, or none.\n"
        "      --focus ID: 1つのまちがいの れんしゅう。そのまちがいで答えがかわる問題だけを出します。\n"
        "      --range・--carry・--operation のないものは、そのまちがいが出やすい せっていにします。\n"
        "      Practice for one misconception: only problems whose answer it changes; --range,\n"
        "      --carry and --operation left out are set where it shows. IDs:\n")
         + QStringLiteral("      ") + misconceptionIds() + QLatin1Char('\n');
}

bool WorksheetOptionsGiven(const QCommandLineParser& parser)
{
    return parser.isSet(QStringLiteral("worksheet"))
        || std::any_of(sheetOptions().begin(), sheetOptions().end(),
                       [&](const QString& option) { return parser.isSet(option); });
}

std::variant<WorksheetRequest, QString> ReadWorksheetOptions(const QCommandLineParser& parser)
{
    for (const QString& option : sheetOptions())
        if (parser.isSet(option) && !parser.isSet(QStringLiteral("worksheet")))
            return QStringLiteral("--%1: goes with --worksheet").arg(option);
    WorksheetRequest request;
    if (const auto refusal = ReadSettingOptions(parser, request.settings))
        return *refusal;
    if (parser.isSet(QStringLiteral("problems"))) {
        const QString value = parser.value(QStringLiteral("problems"));
        const auto count = wholeNumber(value, MAX_PROBLEM_COUNT);
        if (!count || *count < MIN_PROBLEM_COUNT)
            return notOneOf(
                QStringLiteral("problems"), value,
                QStringLiteral("a whole number from %1 to %2").arg(MIN_PROBLEM_COUNT).arg(MAX_PROBLEM_COUNT));
        request.settings.problemCount = static_cast<int>(*count);
    }
    request.seedGiven = parser.isSet(QStringLiteral("seed"));
    request.settings.seed = std::random_device{}();
    if (request.seedGiven) {
        const QString value = parser.value(QStringLiteral("seed"));
        constexpr auto highest = std::numeric_limits<std::uint32_t>::max();
        const auto seed = wholeNumber(value, highest);
        if (!seed)
            return notOneOf(QStringLiteral("seed"), value, QStringLiteral("a whole number from 0 to %1").arg(highest));
        request.settings.seed = static_cast<std::uint32_t>(*seed);
    }
    if (parser.isSet(QStringLiteral("key"))) {
        const QString value = parser.value(QStringLiteral("key"));
        const auto index = answerKeys.indexOf(value);
        if (index < 0)
            return notOneOf(QStringLiteral("key"), value,
                            QStringLiteral("one of ") + answerKeys.join(QStringLiteral(", ")));
        request.key = static_cast<AnswerKey>(index);
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return QStringLiteral("--worksheet: takes one FILE.pdf, not %1 (%2)")
            .arg(files.size())
            .arg(files.join(QStringLiteral(", ")));
    request.file = files.value(0);
    if (const auto refusal = readFocus(parser, request))
        return *refusal;
    return request;
}
