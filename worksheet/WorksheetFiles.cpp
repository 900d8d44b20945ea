// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/WorksheetFiles.h"

#include "worksheet/Worksheet.h"
#include "worksheet/WorksheetPrinting.h"

#include <QFile>

#include <algorithm>
#include <iterator>

namespace {

// The pages of the sheet's own file for each choice, and whether the key
// has a file of its own.
struct KeyLayout {
    AnswerKey key;
    SheetParts sheet;
    bool keyFile;
};

constexpr KeyLayout keyLayouts[] = {
    {AnswerKey::After, SheetParts::ProblemsAndKey, false},
    {AnswerKey::Separate, SheetParts::Problems, true},
    {AnswerKey::None, SheetParts::Problems, false},
};

QString failed(const QString& path, const QSaveFile& file)
{
    return QStringLiteral("\"%1\": %2").arg(path, file.errorString());
}

} // namespace

QString AnswerKeyFile(const QString& sheetPath)
{
    const QString pdf = QStringLiteral(".pdf");
    const QString base = sheetPath.endsWith(pdf, Qt::CaseInsensitive) ? sheetPath.chopped(pdf.size()) : sheetPath;
    return base + QStringLiteral("-こたえ.pdf");
}

WorksheetFiles::WorksheetFiles(const QString& path, AnswerKey key)
{
    const KeyLayout& layout = *std::find_if(std::begin(keyLayouts), std::end(keyLayouts),
                                            [&](const KeyLayout& row) { return row.key == key; });
    copies_.push_back({path, layout.sheet, std::make_unique<QSaveFile>(path)});
    if (layout.keyFile)
        copies_.push_back({AnswerKeyFile(path), SheetParts::Key, std::make_unique<QSaveFile>(AnswerKeyFile(path))});
}

QString WorksheetFiles::Open()
{
    for (Copy& copy : copies_)
        if (!copy.file->open(QIODevice::WriteOnly))
            return failed(copy.path, *copy.file);
    return {};
}

QString WorksheetFiles::Write(Worksheet sheet)
{
    for (Copy& copy : copies_) {
        sheet.parts = copy.parts;
        WriteWorksheetPdf(*copy.file, sheet);
    }
    for (auto copy = copies_.begin(); copy != copies_.end(); ++copy) {
        if (!copy->file->commit()) {
            for (auto written = copies_.begin(); written != copy; ++written)
                QFile::remove(written->path);
            return failed(copy->path, *copy->file);
        }
    }
    return {};
}
