// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

// A worksheet PDF read back with pdftotext in the order it was drawn, without
// any white space: how many pages it has, and its problems as posed, then as
// the key works them, each the text after its "(n)" up to the next, keyed by
// n; and each page's header, the text before its first problem.
struct SheetText {
    qsizetype pageCount = 0;
    QList<std::pair<int, QString>> posed;
    QList<std::pair<int, QString>> worked;
    QStringList problemHeaders;
    QStringList keyHeaders;
};

SheetText ReadSheet(const QString& path);
