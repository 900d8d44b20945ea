// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QuestionBox.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/Recorded.h"
#include "widgets/RadioGroup.h"
#include "worksheet_window/WorksheetWindow.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
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
        bool box;
    } rows[] = {
        {"a new name without .pdf", false, "new", false, true, 0, nullptr, true, false},
        {"an old NAME.pdf, typed NAME, kept", false, "old", true, false, 0, "old.pdf", false, false},
        {"an old NAME.pdf, typed NAME, replaced", false, "old", true, true, 0, "old.pdf", true, false},
        {"an old NAME.pdf, typed in full, replaced", false, "old.pdf", true, true, 0, "old.pdf", true, false},
        {"a full disk under 「PDF に する」", false, "old.pdf", true, true, 4096, "old.pdf", false, true},
        {"printed to a new file", true, "new.pdf", false, true, 0, nullptr, true, false},
        {"printed over an old file on a full disk", true, "old.pdf", true, true, 4096, nullptr, false, true},
    };
    WorksheetWindow window({DrillSettings{}, 12, 7}, AnswerKey::After);
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
        const QString box = QStringLiteral("%1 に かけません（\"%1\": File too large）。").arg(written);
        QStringList told;
        for (const auto& [title, text] : boxes)
            told << text;
        EXPECT_EQ(told.join(u'\n').toStdString(), row.box ? box.toStdString() : "");
        EXPECT_EQ(dir.entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(written).fileName()});
    }
}

// The window opens with the key where the command line put it; 「べつの
// もんだい」 draws a new number, and the preview shows its other problems at
// once.
TEST(WorksheetWindow, OtherProblemsShowAtOnceInThePreview)
{
    WorksheetWindow window({DrillSettings{}, 12, 7}, AnswerKey::Separate);
    EXPECT_EQ(window.KeyGroup->ItemIndex(), 1);
    const QImage before = window.Preview->pixmap().toImage();
    QTest::mouseClick(window.OtherProblemsButton, Qt::LeftButton);
    EXPECT_NE(window.SeedBox->text(), QStringLiteral("7"));
    EXPECT_NE(window.Preview->pixmap().toImage(), before);
}

} // namespace
