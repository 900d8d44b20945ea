// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/WrittenFile.h"
#include "worksheet/WorksheetPrinting.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

struct Worksheet;
enum class SheetParts;

// Where the answer key goes: after the problems in the same file, in a file
// of its own beside it, for the teacher alone, or nowhere.
enum class AnswerKey { After, Separate, None };

// The key's own file beside the sheet's: "sheet.pdf" → "sheet-こたえ.pdf".
QString AnswerKeyFile(const QString& sheetPath);

// The PDF files one sheet is written to: the sheet's, and the key's own when
// it goes apart, each a WrittenFile. The path keeps the caller's bytes (see
// NativeName); a relative one counts from `directory` when one is given. The
// files appear together and whole: every one is on the disk before any takes
// its place, and a failure leaves every old file as it was.
class WorksheetFiles {
public:
    WorksheetFiles(const QString& path, AnswerKey key, const QByteArray& directory = {});

    // The files, as their paths were given.
    QStringList Paths() const;
    // Opens every file before anything is written, so that a name that
    // cannot be written leaves nothing behind. Gives the reason, naming the
    // file, or an empty text.
    QString Open();
    // Writes the sheet into each file. Gives the reason, naming the file, or
    // an empty text.
    QString Write(Worksheet sheet, const QPageLayout& layout = SheetPdfLayout());

private:
    struct Copy {
        QString path;
        SheetParts parts;
        std::unique_ptr<WrittenFile> file;
    };
    std::vector<Copy> copies_;
};
