// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RefusalWords.h"

#include <QRegularExpression>

namespace {

// Each English wording and its Japanese, the pattern's captures in order.
struct Wording {
    QRegularExpression english;
    const char* japanese;
};

const Wording wordings[] = {
    {QRegularExpression(QStringLiteral(R"re(^--(\w+): "(.*)" is not one of (.*)$)re")),
     "--%1: 「%2」は つかえません（%3 の どれか）"},
    {QRegularExpression(QStringLiteral(R"re(^--(\w+): "(.*)" is not a whole number from (\d+) to (\d+)$)re")),
     "--%1: 「%2」は つかえません（%3 から %4 までの せいすう）"},
    {QRegularExpression(QStringLiteral(R"re(^--(\w+): "(.*)" is not a number from ([\d.]+) to ([\d.]+)$)re")),
     "--%1: 「%2」は つかえません（%3 から %4 までの かず）"},
    {QRegularExpression(QStringLiteral(R"re(^--(\w+): goes with --worksheet$)re")),
     "--%1 は --worksheet と いっしょに つかいます"},
    {QRegularExpression(QStringLiteral(R"re(^--check: goes with no option of the drill$)re")),
     "--check は ドリルの オプションと いっしょに つかえません"},
    {QRegularExpression(
         QStringLiteral(R"re(^--focus: these settings pose only (\d+) of the (\d+) problems that show (.*)$)re")),
     "--focus: この せっていでは %3 の でる もんだいが %2 もんの うち %1 もんしか つくれません"},
    {QRegularExpression(QStringLiteral(R"re(^--worksheet: takes one FILE.pdf, not (\d+) \((.*)\)$)re")),
     "--worksheet: FILE.pdf は 1つだけです（%1 こ: %2）"},
};

} // namespace

QString InEnglishAndJapanese(const QString& refusal)
{
    for (const Wording& wording : wordings) {
        const QRegularExpressionMatch match = wording.english.match(refusal);
        if (!match.hasMatch())
            continue;
        // Each %n in one pass, so that a value holding "%2" stays as typed.
        static const QRegularExpression placeholder(QStringLiteral("%(\\d)"));
        const QString wordingJa = QString::fromUtf8(wording.japanese);
        QString japanese;
        qsizetype from = 0;
        for (const QRegularExpressionMatch& mark : placeholder.globalMatch(wordingJa)) {
            japanese += wordingJa.mid(from, mark.capturedStart() - from) + match.captured(mark.captured(1).toInt());
            from = mark.capturedEnd();
        }
        return refusal + QStringLiteral(" / ") + japanese + wordingJa.mid(from);
    }
    return refusal;
}
