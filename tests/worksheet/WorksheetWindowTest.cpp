// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QuestionBox.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/Recorded.h"
#include "worksheet/WorksheetWindow.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <optional>

namespace {

// The next modal dialog, once it is up: given the file name as a parent
// types it, and closed as with its OK button.
void answerNextDialog(const QString& typed)
{
    QTimer::singleShot(0, [typed] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            files->selectFile(typed);
            QMetaObject::invokeMethod(files, "accept");
        } else if (auto* print = qobject_cast<QPrintDialog*>(modal)) {
            print->printer()->setOutputFormat(QPrinter::PdfFormat);
            print->printer()->setOutputFileName(typed);
            print->done(QDialog::Accepted);
        }
    });
}

// 「PDF に する」 and 「いんさつ」 to a file, over a file already there or not:
// any question is about the very file written, a refusal leaves the old
// file as it was, and a disk that fills up leaves the old file whole, no
// temporary beside it, and the parent an error box naming the file.
TEST(WorksheetWindow, WritesTheFileItAskedAboutAndTellsOfAFailure)
{
    const QByteArray old(2200, 'o');
    const struct {
        const char* what;
        bool print;
        const char* typed;
        bool existing;
        bool replace;
        rlim_t fileSizeLimit;
        // The question asked, by the file it names; then whether the file
        // afterwards is the new sheet, and the error box.
        const char* askedAbout;
        bool sheet;
        const char* box;
    } rows[] = {
        {"a new name without .pdf", false, "new", false, true, 0, nullptr, true, nullptr},
        {"an old NAME.pdf, typed NAME, kept", false, "old", true, false, 0, "old.pdf", false, nullptr},
        {"an old NAME.pdf, typed NAME, replaced", false, "old", true, true, 0, "old.pdf", true, nullptr},
        {"an old NAME.pdf, typed in full, replaced", false, "old.pdf", true, true, 0, "old.pdf", true, nullptr},
        {"a full disk under 「PDF に する」", false, "old.pdf", true, true, 4096, "old.pdf", false,
         "old.pdf に かけません（File too large）。"},
        {"printed to a new file", true, "new.pdf", false, true, 0, nullptr, true, nullptr},
        {"printed over an old file on a full disk", true, "old.pdf", true, true, 4096, nullptr, false,
         "old.pdf に かけません（File too large）。"},
    };
    WorksheetWindow window({0, 0, 0, 12, 7});
    window.show();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const QTemporaryDir directory;
        const QDir dir(directory.path());
        const QString written = dir.filePath(row.typed).endsWith(".pdf") ? dir.filePath(row.typed)
                                                                          : dir.filePath(row.typed) + ".pdf";
        QFile file(written);
        if (row.existing) {
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
            file.close();
        }
        QStringList questions;
        SetQuestionAnswerer([&](const QString& question) {
            questions << question;
            return row.replace;
        });
        ErrorBoxes boxes;
        {
            const RecordedErrorBoxes recording(boxes);
            std::optional<FileSizeLimit> limit;
            if (row.fileSizeLimit)
                limit.emplace(row.fileSizeLimit);
            answerNextDialog(dir.filePath(row.typed));
            (row.print ? window.PrintButton : window.PdfButton)->click();
        }
        SetQuestionAnswerer({});
        const QString asked = row.askedAbout ? dir.filePath(row.askedAbout) + " は もう あります。おきかえますか？" : "";
        EXPECT_EQ(questions.join(u'\n').toStdString(), asked.toStdString());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(bytes.startsWith("%PDF"), row.sheet);
        EXPECT_EQ(bytes == old, row.existing && !row.sheet);
        EXPECT_EQ(boxes.size(), row.box ? 1u : 0u);
        if (row.box && !boxes.empty()) {
            EXPECT_EQ(boxes.front().second, dir.filePath(row.box));
        }
        EXPECT_EQ(dir.entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(written).fileName()});
    }
}

} // namespace
