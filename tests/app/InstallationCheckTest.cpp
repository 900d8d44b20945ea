// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InstallationCheck.h"
#include "tests/support/DrillWindowsFixture.h"
#include "tests/support/ScratchAssetDirectory.h"

#include <QDir>
#include <gtest/gtest.h>

#include <optional>

namespace {

// The check knows every file the drill ships, and no other.
TEST(InstallationCheck, KnowsEveryShippedFile)
{
    QStringList known = InstallationCheck::ProgramFiles();
    known.sort();
    EXPECT_EQ(known, QDir(QStringLiteral(DRILL_ASSETS_DIR)).entryList(QDir::Files, QDir::Name));
}

TEST(InstallationCheck, NamesEachFileThatDoesNotOpen)
{
    struct Row {
        QStringList missing;
        // A file replaced by one that is not what its name says.
        std::optional<QString> damaged;
        QStringList failures;
    };
    const auto line = [](const char* name) { return QStringLiteral("ﾌｧｲﾙ %1 は開けません。").arg(name); };
    const Row rows[] = {
        {{}, {}, {}},
        {{"n7.bmp"}, {}, {line("n7.bmp")}},
        {{"b0.bmp", "zumirano.hlp", "nb.bmp"}, {}, {line("nb.bmp"), line("b0.bmp"), line("zumirano.hlp")}},
        {{"batu1.wav"}, {}, {line("batu1.wav")}},
        {{}, "mascot.bmp", {line("mascot.bmp")}},
        {{}, "maru1.wav", {line("maru1.wav")}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.missing.join(u' ').toStdString() + row.damaged.value_or("").toStdString());
        const ScratchAssetDirectory assets(row.missing);
        if (row.damaged)
            assets.write(*row.damaged, "BM0123456789 not what it seems");
        EXPECT_EQ(InstallationCheck::Failures(), row.failures);
    }
}

} // namespace
