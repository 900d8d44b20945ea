// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InstallationCheck.h"
#include "tests/support/DrillWindowsFixture.h"
#include "tests/support/ScratchAssetDirectory.h"

#include <gtest/gtest.h>

namespace {

// Each file that does not open, whether missing or replaced by one that is
// not what its name says, is named once: pictures, then sounds, then help.
// (A whole installation, named by none, is checked where it is installed.)
TEST(InstallationCheck, NamesEachFileThatDoesNotOpen)
{
    const ScratchAssetDirectory assets({"b0.bmp", "zumirano.hlp", "nb.bmp", "batu1.wav"});
    for (const char* damaged : {"mascot.bmp", "maru1.wav"})
        assets.write(damaged, "BM0123456789 not what it seems");
    QStringList failures;
    for (const char* name : {"nb.bmp", "b0.bmp", "mascot.bmp", "maru1.wav", "batu1.wav", "zumirano.hlp"})
        failures << QStringLiteral("ﾌｧｲﾙ %1 は開けません。").arg(name);
    EXPECT_EQ(InstallationCheck::Failures(), failures);
}

} // namespace
