// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/worksheet/PdfText.h"

#include "tests/support/ProcessRun.h"

#include <QDir>
#include <QRegularExpression>

SheetText ReadSheet(const QString& path)
{
    static const QRegularExpression problem(QStringLiteral("\\((\\d+)\\)(.*?)(?=\\(\\d+\\)|$)"));
    const QStringList arguments{QStringLiteral("-raw"), path, QStringLiteral("-")};
    const QString text = RunProcess(QStringLiteral("pdftotext"), arguments, QDir::tempPath()).out;
    QStringList pages = QString(text).remove(QRegularExpression(QStringLiteral("[ \\n]"))).split(u'\f');
    pages.removeLast(); // after the last page's form feed
    SheetText sheet{pages.size(), {}, {}, {}, {}};
    for (const QString& page : pages) {
        const bool key = page.startsWith(QStringLiteral("こたえ"));
        auto& problems = key ? sheet.worked : sheet.posed;
        (key ? sheet.keyHeaders : sheet.problemHeaders) << page.left(page.indexOf(problem));
        for (QRegularExpressionMatchIterator it = problem.globalMatch(page); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            problems.append({match.captured(1).toInt(), match.captured(2)});
        }
    }
    return sheet;
}
