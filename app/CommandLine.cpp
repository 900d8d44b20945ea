// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "app/RefusalWords.h"
#include "platform/ProgramVersion.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <variant>
#include <vector>

namespace {

struct OptionRow {
    QStringList names;
    const char* japanese;
    const char* english;
    // What the option takes, for those that take a value.
    const char* value = nullptr;
};

// In the order --help lists them.
const std::vector<OptionRow>& optionRows()
{
    static const std::vector<OptionRow> rows = {
        {{"h", "help"}, "この説明を出して終わります。", "Show this help and exit."},
        {{"v", "version"}, "バージョンを出して終わります。", "Show the version and exit."},
        {{"check"},
         "絵・音・ヘルプのファイルがすべて開けるか調べます。開けないファイルを1行ずつ出し、"
         "1つでもあれば 1、なければ 0 で終わります。",
         "Open every picture, sound and the help file from the working directory; print one line per "
         "file that fails; exit 1 if any failed, else 0."},
        {{"mute"}, "音を出しません（ビープ音も鳴りません）。", "Play no sound at all, not even a beep."},
        {{"record"}, "おうちの かた むけの「きろく」を ひらきます。",
         "Open \"きろく\", the private record for parents."},
        {{"no-record"}, "この回は きろく（はんていした問題）をのこしません。",
         "Keep nothing of this run in the private record."},
        {{"export-record"},
         "この機械の きろくを すべて JSON ファイルに書き出します。",
         "Write the whole private record of this device into FILE.json.", "FILE.json"},
        {{"import-record"},
         "書き出した きろくを とりこみます。もうあるものは 2 回入りません。こわれたファイルや "
         "ほかのファイルなら 2 で終わり、何も変えません。",
         "Merge a record written by --export-record; problems already held are not added twice. A damaged "
         "or foreign file exits 2 and changes nothing.", "FILE.json"},
    };
    return rows;
}

// The options that each ask for a mode of their own, by their long names.
// A run has one mode, so at most one of these may be given. The worksheet's
// own options then choose between its file and its window.
struct ModeOption {
    const char* option;
    CommandLine::Mode mode;
};

constexpr ModeOption modeOptions[] = {
    {"help", CommandLine::Mode::Help},
    {"version", CommandLine::Mode::Version},
    {"check", CommandLine::Mode::Check},
    {"worksheet", CommandLine::Mode::WorksheetWindow},
    {"record", CommandLine::Mode::RecordWindow},
    {"export-record", CommandLine::Mode::ExportRecord},
    {"import-record", CommandLine::Mode::ImportRecord},
};

QString usageError(const QString& japanese, const QString& english, const QString& what)
{
    return QStringLiteral("porominka: %1: %3\nporominka: %2: %3").arg(japanese, english, what);
}

QString dashed(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// Qt's own words for anything else, e.g. a value given to a switch.
QString errorOf(const QCommandLineParser& parser)
{
    if (!parser.unknownOptionNames().isEmpty())
        return usageError(QStringLiteral("知らないオプションです"), QStringLiteral("unknown option"),
                          dashed(parser.unknownOptionNames().constFirst()));
    return usageError(QStringLiteral("オプションの書き方がちがいます"), QStringLiteral("bad option"),
                      parser.errorText());
}

// An option as --help names it first: -h is --help.
QString longName(const QString& name)
{
    for (const OptionRow& row : optionRows())
        if (row.names.contains(name))
            return row.names.constLast();
    return name;
}

// Each rule below gives the usage error of arguments Qt parsed without
// complaint, or nothing when they keep it. Bundled short options are read
// letter by letter, so -hv is both --help and --version, and -hx names an
// unknown -x.
using UsageRule = QString (*)(const QCommandLineParser& parser, const QStringList& arguments);

QString optionGivenTwice(const QCommandLineParser& parser, const QStringList&)
{
    QStringList seen;
    for (const QString& name : parser.optionNames()) {
        if (seen.contains(longName(name)))
            return usageError(QStringLiteral("同じオプションが2回あります"), QStringLiteral("option given twice"),
                              dashed(longName(name)));
        seen << longName(name);
    }
    return {};
}

QString modesTogether(const QCommandLineParser& parser, const QStringList&)
{
    QStringList given;
    for (const ModeOption& mode : modeOptions)
        if (parser.isSet(QString::fromLatin1(mode.option)))
            given << dashed(QString::fromLatin1(mode.option));
    if (given.size() < 2)
        return {};
    return usageError(QStringLiteral("いっしょに使えないオプションです"),
                      QStringLiteral("options that exclude each other"), given.join(QStringLiteral(", ")));
}

QString emptyArgument(const QCommandLineParser& parser, const QStringList&)
{
    if (!parser.positionalArguments().contains(QString()))
        return {};
    return usageError(QStringLiteral("空の引数です"), QStringLiteral("empty argument"), QStringLiteral("\"\""));
}

// "--" ends the options only to let an argument that starts with a dash follow.
QString nothingAfterTheOptions(const QCommandLineParser& parser, const QStringList& arguments)
{
    if (!arguments.mid(1).contains(QStringLiteral("--")) || !parser.positionalArguments().isEmpty())
        return {};
    return usageError(QStringLiteral("-- のあとに引数がありません"), QStringLiteral("no argument after"),
                      QStringLiteral("--"));
}

// The worksheet's file is its one argument; the drill takes none.
QString argumentWithoutAFile(const QCommandLineParser& parser, const QStringList&)
{
    if (parser.positionalArguments().isEmpty() || parser.isSet(QStringLiteral("worksheet")))
        return {};
    return usageError(QStringLiteral("よけいな引数です"), QStringLiteral("unexpected argument"),
                      parser.positionalArguments().constFirst());
}

constexpr UsageRule usageRules[] = {optionGivenTwice, modesTogether, emptyArgument, nothingAfterTheOptions,
                                    argumentWithoutAFile};

// Whether reading options refused a value; the command then says so in one
// line naming the option and the values it takes.
CommandLine refused(CommandLine command, const QString& refusal)
{
    command.mode = CommandLine::Mode::OptionRefused;
    command.error = QStringLiteral("porominka: ") + InEnglishAndJapanese(refusal);
    return command;
}

template <class Request>
bool refuses(const std::variant<Request, QString>& read, CommandLine& command)
{
    const QString* refusal = std::get_if<QString>(&read);
    if (refusal)
        command = refused(command, *refusal);
    return refusal != nullptr;
}

// --worksheet and its options: a file to write, the window, or one line
// saying what is wrong.
CommandLine worksheetCommand(const QCommandLineParser& parser)
{
    CommandLine command;
    const auto read = ReadWorksheetOptions(parser);
    if (refuses(read, command))
        return command;
    command.worksheet = std::get<WorksheetRequest>(read);
    command.mode = command.worksheet.file.isEmpty() ? CommandLine::Mode::WorksheetWindow
                                                    : CommandLine::Mode::WorksheetFile;
    return command;
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    for (const OptionRow& row : optionRows())
        parser.addOption(QCommandLineOption(row.names, QString(), QString::fromLatin1(row.value)));
    AddWorksheetOptions(parser);
    AddPlayOptions(parser);

    CommandLine command;
    command.mode = CommandLine::Mode::UsageError;
    if (!parser.parse(arguments)) {
        command.error = errorOf(parser);
        return command;
    }
    for (const UsageRule rule : usageRules) {
        command.error = rule(parser, arguments);
        if (!command.error.isEmpty())
            return command;
    }
    // The worksheet's own options decide between its file and its window,
    // and refuse to go with any other mode.
    if (WorksheetOptionsGiven(parser))
        return worksheetCommand(parser);
    command.mode = CommandLine::Mode::Play;
    command.muted = parser.isSet(QStringLiteral("mute"));
    command.recording = !parser.isSet(QStringLiteral("no-record"));
    for (const ModeOption& mode : modeOptions)
        if (parser.isSet(QString::fromLatin1(mode.option))) {
            command.mode = mode.mode;
            command.recordFile = parser.value(QString::fromLatin1(mode.option));
        }
    // The check opens no window: how the drill would start means nothing to it.
    if (command.mode == CommandLine::Mode::Check && PlayOptionsGiven(parser))
        return refused(command, QStringLiteral("--check: goes with no option of the drill"));
    if (command.mode != CommandLine::Mode::Play)
        return command;
    const auto play = ReadPlayOptions(parser);
    if (refuses(play, command))
        return command;
    command.play = std::get<PlayRequest>(play);
    return command;
}

QString UsageText()
{
    QString text = QStringLiteral(
        "つかいかた / Usage: porominka [オプション / options]\n"
        "\n"
        "たし算・ひき算の筆算を練習するドリルです（小学1〜3年生向け）。\n"
        "A drill in column addition and subtraction for first to third graders.\n"
        "\n"
        "オプション / Options:\n");
    for (const OptionRow& row : optionRows()) {
        QStringList names;
        for (const QString& name : row.names)
            names << dashed(name) + (row.value ? QLatin1Char(' ') + QString::fromLatin1(row.value) : QString());
        text += QStringLiteral("  %1\n      %2\n      %3\n")
                    .arg(names.join(QStringLiteral(", ")), QString::fromUtf8(row.japanese),
                         QString::fromUtf8(row.english));
    }
    return text + PlayUsageText() + WorksheetUsageText();
}

QString VersionText()
{
    return QStringLiteral(
               "ぽろみんか (porominka) %1\n"
               "ライセンス / License: GPL-3.0-or-later <https://www.gnu.org/licenses/gpl-3.0.html>\n"
               "これはフリーソフトウェアです。変更・再配布は自由です。法律で認められる範囲で、"
               "いっさい保証はありません。\n"
               "This is free software: you are free to change and redistribute it.\n"
               "There is NO WARRANTY, to the extent permitted by law.\n")
        .arg(QLatin1String(ProgramVersion));
}
