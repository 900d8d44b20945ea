// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The text of a PDF as pdftotext gives it in the order it was drawn, one
// entry per page, without any white space.
QStringList PdfPages(const QString& path);

// The problems of one page, each the text after its "(n)" up to the next,
// keyed by n; the page's header, before the first problem, is left out.
QList<std::pair<int, QString>> ProblemsOnPage(const QString& page);

// A whole number in full-width digits, as the sheet writes it.
QString FullWidth(long long number);
