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
        // The name typed, the file it names, and whether that was there.
        const char* typed;
        const char* written;
        bool existing, replace, fullDisk;
        // Whether the parent is asked about the file, and whether it then
        // holds the new sheet.
        bool asked, sheet;
    } rows[] = {
        {"a new name without .pdf", false, "new", "new.pdf", false, true, false, false, true},
        {"an old NAME.pdf, typed NAME, kept", false, "old", "old.pdf", true, false, false, true, false},
        {"an old NAME.pdf, typed in full, replaced", false, "old.pdf", "old.pdf", true, true, false, true, true},
        {"a full disk under 「PDF に する」", false, "old.pdf", "old.pdf", true, true, true, true, false},
        {"printed to a new file", true, "new.pdf", "new.pdf", false, true, false, false, true},
        {"printed over an old file on a full disk", true, "old.pdf", "old.pdf", true, true, true, false, false},
    };
    WorksheetWindow window({DrillSettings{}, 12, 7}, AnswerKey::After);
    window.show();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const QTemporaryDir directory;
        const QDir dir(directory.path());
        QFile file(dir.filePath(row.written));
        ASSERT_TRUE(!row.existing || (file.open(QIODevice::WriteOnly) && file.write(old) == old.size()));
        file.close();
        // The questions and error boxes, in the order the parent sees them.
        QStringList told;
        SetQuestionAnswerer([&](const QString& question) {
            told << question;
            return row.replace;
        });
        ErrorBoxes boxes;
        {
            const RecordedErrorBoxes recording(boxes);
            std::optional<FileSizeLimit> limit;
            if (row.fullDisk)
                limit.emplace(4096);
            answerNextDialog(dir.filePath(row.typed));
            (row.print ? window.PrintButton : window.PdfButton)->click();
        }
        SetQuestionAnswerer({});
        for (const auto& [title, text] : boxes)
            told << text;
        QStringList expected;
        if (row.asked)
            expected << file.fileName() + " は もう あります。おきかえますか？";
        if (row.fullDisk)
            expected << QStringLiteral("%1 に かけません（\"%1\": File too large）。").arg(file.fileName());
        EXPECT_EQ(told.join(u'\n').toStdString(), expected.join(u'\n').toStdString());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(bytes.startsWith("%PDF"), row.sheet);
        EXPECT_EQ(bytes == old, row.existing && !row.sheet);
        EXPECT_EQ(dir.entryList(QDir::Files | QDir::Hidden), QStringList{row.written});
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
