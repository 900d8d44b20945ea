// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/DrillRecorder.h"
#include "record/RecordChoices.h"
#include "record/RecordStore.h"
#include "tests/support/PaperRows.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// Whether the drill records, and what it says: a usable record with
// recording on keeps every first try once and says nothing; --no-record or the
// parent's choice keep nothing and say nothing; a record that cannot be
// used keeps nothing and says so once, however many problems follow.
TEST(DrillRecorder, RecordsOrSaysOnceWhyNot)
{
    const struct { const char* name; bool usable, wanted, chosen; std::size_t kept; int lines; } cases[] = {
        {"recording", true, true, true, 3, 0},
        {"--no-record", true, false, true, 0, 0},
        {"turned off", true, true, false, 0, 0},
        {"unusable", false, true, true, 0, 1},
        {"unusable, --no-record", false, false, true, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QTemporaryDir directory;
        RecordStore store(c.usable ? directory.filePath(QStringLiteral("record.sqlite"))
                                   : QStringLiteral("/proc/porominka/record.sqlite"));
        ChooseRecording(store, c.chosen);
        char* told = nullptr;
        std::size_t toldSize = 0;
        std::FILE* tell = open_memstream(&told, &toldSize);
        DrillRecorder recorder(store, c.wanted, tell);
        // Each sheet drawn three times: once as shown, twice after its
        // first judgement.
        std::int32_t sheet = 0;
        for (const char* sum : {"143-28", "47+35", "305-8"}) {
            SessionView view;
            view.sheetNumber = ++sheet;
            for (const bool judged : {false, true, true}) {
                view.firstTryJudged = judged;
                recorder.SheetDrawn(view, posed(sum), {Range::UpTo1000, CarryMode::Either, Operation::Subtraction});
            }
        }
        EXPECT_EQ(store.All().size(), c.kept);
        EXPECT_EQ(recorder.KeptFirstTries().size(), c.kept);
        std::fclose(tell);
        EXPECT_EQ(std::count(told, told + toldSize, '\n'), c.lines) << told;
        std::free(told);
    }
}

} // namespace
