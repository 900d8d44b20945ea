// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/RecordStore.h"
#include "tests/record/SampleRecord.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A run killed with SIGKILL at a moment when it is writing keeps every
// problem it had committed, and the record opens whole; at most the one
// being written is lost. Killed at several moments.
TEST(KilledRun, LosesAtMostTheProblemBeingJudged)
{
    const auto sample = SampleRecord(5000);
    for (const int killAfter : {1, 17, 60, 151}) {
        SCOPED_TRACE(killAfter);
        const QTemporaryDir directory;
        const QString path = directory.filePath(QStringLiteral("record.sqlite"));
        QProcess writer;
        writer.start(QStringLiteral(RECORD_WRITER), {path});
        int committed = 0;
        while (committed < killAfter && writer.waitForReadyRead(30000))
            while (writer.canReadLine())
                committed = writer.readLine().trimmed().toInt();
        writer.kill();
        writer.waitForFinished();
        while (writer.canReadLine())
            committed = writer.readLine().trimmed().toInt();
        ASSERT_GE(committed, killAfter);

        const RecordStore store(path);
        ASSERT_TRUE(store.IsOpen()) << store.Problem().toStdString();
        const auto kept = store.All();
        ASSERT_GE(kept.size(), static_cast<std::size_t>(committed));
        ASSERT_LE(kept.size(), static_cast<std::size_t>(committed) + 1);
        for (std::size_t i = 0; i < kept.size(); ++i)
            ASSERT_EQ(kept[i], sample[i]) << i;
    }
}

} // namespace
