// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PracticeRecord.h"
#include "record/JudgedProblem.h"
#include "record/RecordChoices.h"
#include "record/RecordStore.h"
#include "tests/support/DrillWindowsFixture.h"
#include "tests/support/PaperRows.h"
#include "widgets/SpeedButton.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

using PracticeRecordRun = DrillWindowsFixture;

// The practice window with the private record: two earlier first tries of a
// child who borrows without lowering the next digit are kept. The same slip
// again shows the hint only where the parent chose hints, and its first
// judgement joins the record unless --no-record; an unusable record leaves
// the drill as it is.
TEST_F(PracticeRecordRun, KeepsEachFirstJudgementAndHintsAsTheParentChose)
{
    const struct {
        const char* name;
        bool usable, wanted, hints;
        int kept;
        const char* secondLine;
    } rows[] = {
        {"recording, hints chosen", true, true, true, 3, "かりたら 1 へらそう。"},
        {"recording, no hints", true, true, false, 3, "上のなおしかたがちがうよ。"},
        {"--no-record", true, false, true, 2, "上のなおしかたがちがうよ。"},
        {"unusable record", false, true, true, 0, "上のなおしかたがちがうよ。"},
    };
    const DrillSettings settings{Range::UpTo1000, CarryMode::Always, Operation::Subtraction};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QTemporaryDir directory;
        const QString path = row.usable ? directory.filePath(QStringLiteral("record.sqlite"))
                                        : QStringLiteral("/proc/porominka/record.sqlite");
        if (row.usable) {
            RecordStore earlier(path);
            for (const auto& [sum, answer] : {std::pair{"143-28", ".125"}, std::pair{"352-17", ".345"}}) {
                ExerciseState sheet = posed(sum);
                sheet.EnteredAnswer = paperRow<4>(answer);
                ASSERT_TRUE(earlier.Add(FirstTryOf(sheet, settings, 1, 9)));
            }
            ChooseHint(earlier, row.hints);
        }
        const PracticeRecord record(session, form, row.wanted, path);
        // A fresh run, so that the sum below is a first try.
        click(form.Button12);
        pose(Operation::Subtraction, 61, 5);
        writeAnswer(66);
        click(form.SpeedButton1);
        EXPECT_EQ(form.Edit13->text(), QString::fromUtf8(row.secondLine));
        if (row.usable) {
            EXPECT_EQ(RecordStore(path).All().size(), static_cast<std::size_t>(row.kept));
        }
    }
}

} // namespace
