// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSaveFile>
#include <QString>

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
// it goes apart. They appear together, whole, or not at all; an existing file
// is replaced only by a complete new one.
class WorksheetFiles {
public:
    WorksheetFiles(const QString& path, AnswerKey key);

    // Opens every file before anything is written, so that a name that
    // cannot be written leaves nothing behind. Gives the reason, naming the
    // file, or an empty text.
    QString Open();
    // Writes the sheet into each file; should one fail to be completed, those
    // completed before it are taken away again. Gives the reason, naming the
    // file, or an empty text.
    QString Write(Worksheet sheet);

private:
    struct Copy {
        QString path;
        SheetParts parts;
        std::unique_ptr<QSaveFile> file;
    };
    std::vector<Copy> copies_;
};
