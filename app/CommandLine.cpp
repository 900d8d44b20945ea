// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

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
    // The mode the option asks for; options that change how the drill plays
    // leave it at Play.
    CommandLine::Mode mode;
};

// In the order --help lists them, which is also the order in which one
// option wins over another given with it.
const std::vector<OptionRow>& optionRows()
{
    static const std::vector<OptionRow> rows = {
        {{"h", "help"}, "この説明を出して終わります。", "Show this help and exit.", CommandLine::Mode::Help},
        {{"v", "version"}, "バージョンを出して終わります。", "Show the version and exit.",
         CommandLine::Mode::Version},
        {{"check"},
         "絵・音・ヘルプのファイルがすべて開けるか調べます。開けないファイルを1行ずつ出し、"
         "1つでもあれば 1、なければ 0 で終わります。",
         "Open every picture, sound and the help file from the working directory; print one line per "
         "file that fails; exit 1 if any failed, else 0.",
         CommandLine::Mode::Check},
        {{"mute"}, "音を出しません（ビープ音も鳴りません）。", "Play no sound at all, not even a beep.",
         CommandLine::Mode::Play},
    };
    return rows;
}

QString usageError(const QString& japanese, const QString& english, const QString& what)
{
    return QStringLiteral("porominka: %1: %3\nporominka: %2: %3").arg(japanese, english, what);
}

// Qt's own words for anything else, e.g. a value given to a switch.
QString errorOf(const QCommandLineParser& parser)
{
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString name = parser.unknownOptionNames().constFirst();
        return usageError(QStringLiteral("知らないオプションです"), QStringLiteral("unknown option"),
                          (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
    }
    return usageError(QStringLiteral("オプションの書き方がちがいます"), QStringLiteral("bad option"),
                      parser.errorText());
}

// --worksheet and its options: a file to write, the window, or one line
// saying what is wrong.
CommandLine worksheetCommand(const QCommandLineParser& parser)
{
    CommandLine command;
    const auto read = ReadWorksheetOptions(parser);
    if (const QString* refusal = std::get_if<QString>(&read)) {
        command.mode = CommandLine::Mode::WorksheetRefused;
        command.error = QStringLiteral("porominka: ") + *refusal;
        return command;
    }
    command.worksheet = std::get<WorksheetRequest>(read);
    command.mode = command.worksheet.file.isEmpty() ? CommandLine::Mode::WorksheetWindow
                                                    : CommandLine::Mode::WorksheetFile;
    return command;
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    std::vector<QCommandLineOption> options;
    for (const OptionRow& row : optionRows()) {
        options.emplace_back(row.names);
        parser.addOption(options.back());
    }
    AddWorksheetOptions(parser);

    CommandLine command;
    if (!parser.parse(arguments)) {
        command.mode = CommandLine::Mode::UsageError;
        command.error = errorOf(parser);
        return command;
    }
    // The worksheet's file is its one argument; the drill takes none.
    if (!parser.positionalArguments().isEmpty() && !parser.isSet(QStringLiteral("worksheet"))) {
        command.mode = CommandLine::Mode::UsageError;
        command.error = usageError(QStringLiteral("よけいな引数です"), QStringLiteral("unexpected argument"),
                                   parser.positionalArguments().constFirst());
        return command;
    }
    command.muted = parser.isSet(QStringLiteral("mute"));
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (optionRows()[i].mode != CommandLine::Mode::Play && parser.isSet(options[i])) {
            command.mode = optionRows()[i].mode;
            break;
        }
    }
    if (command.mode == CommandLine::Mode::Play && WorksheetOptionsGiven(parser))
        return worksheetCommand(parser);
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
            names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        text += QStringLiteral("  %1\n      %2\n      %3\n")
                    .arg(names.join(QStringLiteral(", ")), QString::fromUtf8(row.japanese),
                         QString::fromUtf8(row.english));
    }
    return text + WorksheetUsageText();
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
