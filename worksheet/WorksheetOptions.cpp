#include "worksheet/WorksheetOptions.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <algorithm>
#include <limits>
#include <optional>

namespace {

// The values of each choice in the order of its radio items, so a value's
// place is the item index.
struct Choice {
    const char* option;
    QStringList values;
    std::int32_t WorksheetSettings::*setting;
};

const Choice choices[] = {
    {"range", {"10", "20", "100", "1000", "9999"}, &WorksheetSettings::selectedRange},
    {"carry", {"none", "always", "mixed"}, &WorksheetSettings::selectedCarry},
    {"operation", {"add", "subtract"}, &WorksheetSettings::selectedKind},
};

std::optional<quint64> wholeNumber(const QString& text, quint64 highest)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,10}$"));
    if (!digits.match(text).hasMatch() || text.toULongLong() > highest)
        return std::nullopt;
    return text.toULongLong();
}

const QStringList& sheetOptions()
{
    static const QStringList options{"range", "carry", "operation", "problems", "seed"};
    return options;
}

QString notOneOf(const QString& option, const QString& value, const QString& allowed)
{
    return QStringLiteral("--%1: \"%2\" is not %3").arg(option, value, allowed);
}

} // namespace

void AddWorksheetOptions(QCommandLineParser& parser)
{
    parser.addOption({QStringLiteral("worksheet"),
                      QStringLiteral("Make a worksheet with its answer key: write FILE.pdf, or without a file "
                                     "open the \"プリント\" window.")});
    parser.addPositionalArgument(QStringLiteral("FILE.pdf"), QStringLiteral("The worksheet to write."),
                                 QStringLiteral("[FILE.pdf]"));
    for (const Choice& choice : choices)
        parser.addOption({QString::fromLatin1(choice.option),
                          QStringLiteral("Worksheet: %1 (default %2).")
                              .arg(choice.values.join(QLatin1Char('|')), choice.values.first()),
                          QStringLiteral("value")});
    parser.addOption({QStringLiteral("problems"),
                      QStringLiteral("Worksheet: number of problems, %1 to %2 (default 12).")
                          .arg(MIN_PROBLEM_COUNT)
                          .arg(MAX_PROBLEM_COUNT),
                      QStringLiteral("N")});
    parser.addOption({QStringLiteral("seed"),
                      QStringLiteral("Worksheet: the same seed gives the same sheet (default: a random one, "
                                     "printed)."),
                      QStringLiteral("S")});
}

bool WorksheetOptionsGiven(const QCommandLineParser& parser)
{
    return parser.isSet(QStringLiteral("worksheet")) || !parser.positionalArguments().isEmpty()
        || std::any_of(sheetOptions().begin(), sheetOptions().end(),
                       [&](const QString& option) { return parser.isSet(option); });
}

std::variant<WorksheetRequest, QString> ReadWorksheetOptions(const QCommandLineParser& parser)
{
    if (!parser.isSet(QStringLiteral("worksheet"))) {
        for (const QString& option : sheetOptions())
            if (parser.isSet(option))
                return QStringLiteral("--%1: goes with --worksheet").arg(option);
        return QStringLiteral("\"%1\": a file goes with --worksheet").arg(parser.positionalArguments().value(0));
    }
    WorksheetRequest request;
    for (const Choice& choice : choices) {
        const QString option = QString::fromLatin1(choice.option);
        if (!parser.isSet(option))
            continue;
        const QString value = parser.value(option);
        const auto index = choice.values.indexOf(value);
        if (index < 0)
            return notOneOf(option, value, QStringLiteral("one of ") + choice.values.join(QStringLiteral(", ")));
        request.settings.*choice.setting = static_cast<std::int32_t>(index);
    }
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
    if (request.seedGiven) {
        const QString value = parser.value(QStringLiteral("seed"));
        constexpr auto highest = std::numeric_limits<std::uint32_t>::max();
        const auto seed = wholeNumber(value, highest);
        if (!seed)
            return notOneOf(QStringLiteral("seed"), value, QStringLiteral("a whole number from 0 to %1").arg(highest));
        request.settings.seed = static_cast<std::uint32_t>(*seed);
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return QStringLiteral("--worksheet: takes one FILE.pdf, not %1 (%2)")
            .arg(files.size())
            .arg(files.join(QStringLiteral(", ")));
    request.file = files.value(0);
    return request;
}
