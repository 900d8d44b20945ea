// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InstallationCheck.h"
#include "tests/packaging/InstalledTree.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

// Installed under any prefix, the tree holds exactly the program and its
// files, and the command, started elsewhere, finds every one of them.
TEST(InstalledTree, HoldsThePromisedFilesUnderAnyPrefix)
{
    for (const QString prefix : {"/usr", "/opt/porominka"}) {
        SCOPED_TRACE(prefix.toStdString());
        const InstalledTree tree(prefix);
        ASSERT_TRUE(tree.installed()) << tree.installLog().toStdString();
        EXPECT_EQ(InstalledTree::FilesUnder(tree.root()), InstalledTree::Expected(prefix));

        const QTemporaryDir elsewhere;
        const ProcessRun run = tree.runCommand({QStringLiteral("--check")}, elsewhere.path());
        EXPECT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
        EXPECT_TRUE(run.out.contains(
            QStringLiteral("All %1 files are in place.").arg(InstallationCheck::ProgramFiles().size())))
            << run.out.toStdString();
    }
}

TEST(InstalledTree, CheckNamesAMissingPicture)
{
    const InstalledTree tree;
    ASSERT_TRUE(tree.installed()) << tree.installLog().toStdString();
    ASSERT_TRUE(QFile::remove(tree.path(QStringLiteral("share/porominka/n7.bmp"))));
    const QTemporaryDir elsewhere;
    const ProcessRun run = tree.runCommand({QStringLiteral("--check")}, elsewhere.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out.toStdString(), "ﾌｧｲﾙ n7.bmp は開けません。\n");
}

// The command starts the program in the data directory, tells it where it
// was started from, and hands on every argument as it was given.
TEST(InstalledTree, CommandStartsTheProgramInItsDataDirectory)
{
    const InstalledTree tree;
    ASSERT_TRUE(tree.installed()) << tree.installLog().toStdString();
    QFile program(tree.path(QStringLiteral("libexec/porominka/porominka")));
    ASSERT_TRUE(program.open(QIODevice::WriteOnly | QIODevice::Truncate));
    program.write("#!/bin/sh\npwd\necho \"$POROMINKA_CALLER_DIR\"\nprintf '%s\\n' \"$@\"\n");
    program.close();

    const QTemporaryDir caller;
    const ProcessRun run = tree.runCommand({"--mute", "two  words", "*"}, caller.path());
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList expected{QDir(tree.path(QStringLiteral("share/porominka"))).canonicalPath(),
                               QDir(caller.path()).canonicalPath(), "--mute", "two  words", "*", ""};
    EXPECT_EQ(run.out.split(u'\n'), expected);
}

} // namespace
