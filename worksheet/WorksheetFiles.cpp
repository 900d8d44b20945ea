// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/WorksheetFiles.h"

#include "platform/NativeName.h"
#include "worksheet/Worksheet.h"

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

QString failed(const QString& path, const WrittenFile& file)
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

WorksheetFiles::WorksheetFiles(const QString& path, AnswerKey key, const QByteArray& directory)
{
    const KeyLayout& layout = *std::find_if(std::begin(keyLayouts), std::end(keyLayouts),
                                            [&](const KeyLayout& row) { return row.key == key; });
    copies_.push_back({path, layout.sheet, std::make_unique<WrittenFile>(NameToBytes(path), directory)});
    if (layout.keyFile)
        copies_.push_back({AnswerKeyFile(path), SheetParts::Key,
                           std::make_unique<WrittenFile>(NameToBytes(AnswerKeyFile(path)), directory)});
}

QStringList WorksheetFiles::Paths() const
{
    QStringList paths;
    for (const Copy& copy : copies_)
        paths << copy.path;
    return paths;
}

QString WorksheetFiles::Open()
{
    for (Copy& copy : copies_)
        if (!copy.file->open())
            return failed(copy.path, *copy.file);
    return {};
}

QString WorksheetFiles::Write(Worksheet sheet, const QPageLayout& layout)
{
    for (Copy& copy : copies_) {
        sheet.parts = copy.parts;
        if (!copy.file->store(WorksheetPdf(sheet, layout)))
            return failed(copy.path, *copy.file);
    }
    for (Copy& copy : copies_)
        if (!copy.file->place())
            return failed(copy.path, *copy.file);
    return {};
}
