// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/worksheet/PdfText.h"

#include <QProcess>
#include <QRegularExpression>

QStringList PdfPages(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished() || pdftotext.exitCode() != 0)
        return {};
    QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    text.remove(QRegularExpression(QStringLiteral("[ \\n]")));
    QStringList pages = text.split(QLatin1Char('\f'));
    pages.removeLast();  // after the last page's form feed
    return pages;
}

QList<std::pair<int, QString>> ProblemsOnPage(const QString& page)
{
    static const QRegularExpression number(QStringLiteral("\\((\\d+)\\)"));
    QList<QRegularExpressionMatch> numbers;
    for (QRegularExpressionMatchIterator it = number.globalMatch(page); it.hasNext();)
        numbers.append(it.next());
    QList<std::pair<int, QString>> problems;
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        const qsizetype end = i + 1 < numbers.size() ? numbers[i + 1].capturedStart() : page.size();
        problems.append({numbers[i].captured(1).toInt(),
                         page.mid(numbers[i].capturedEnd(), end - numbers[i].capturedEnd())});
    }
    return problems;
}

QString FullWidth(long long number)
{
    QString digits = QString::number(number);
    for (QChar& digit : digits)
        digit = QChar(u'０' + (digit.unicode() - u'0'));
    return digits;
}
