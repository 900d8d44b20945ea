// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ZoomedHtml.h"

#include <QRegularExpression>

#include <cmath>

namespace {

// `text` with what `pattern` matches handed through `change`.
template <class Change>
QString replaced(const QString& text, const QRegularExpression& pattern, Change change)
{
    QString result;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& match : pattern.globalMatch(text)) {
        result += QStringView(text).mid(from, match.capturedStart() - from);
        result += change(match);
        from = match.capturedEnd();
    }
    return result + text.mid(from);
}

} // namespace

QString ZoomedHtml(const QString& html, double zoom)
{
    static const QRegularExpression attribute(QStringLiteral(R"re(\b(style|cellpadding)="([^"]*)")re"),
                                              QRegularExpression::CaseInsensitiveOption);
    // A style's lengths: "15pt", "18px"; a cell padding is pixels alone: "6".
    static const QRegularExpression styleLength(QStringLiteral(R"((?<![\w#.])(\d+(?:\.\d+)?)(pt|px)\b)"));
    static const QRegularExpression padding(QStringLiteral(R"(^\s*(\d+)()\s*$)"));
    return replaced(html, attribute, [&](const QRegularExpressionMatch& match) {
        const bool isStyle = match.captured(1).compare(QLatin1String("style"), Qt::CaseInsensitive) == 0;
        const QString value = replaced(match.captured(2), isStyle ? styleLength : padding,
                                       [&](const QRegularExpressionMatch& number) {
                                           return QString::number(std::lround(number.captured(1).toDouble() * zoom))
                                               + number.captured(2);
                                       });
        return match.captured(1) + QStringLiteral("=\"") + value + QLatin1Char('"');
    });
}
