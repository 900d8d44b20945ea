// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InstallationCheck.h"
#include "tests/support/ProcessRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString id = QStringLiteral(POROMINKA_APP_ID);

// Every file the package installs, as its permissions and its path from
// where it was unpacked ("-rwxr-xr-x usr/bin/porominka"), sorted.
QStringList expectedFiles()
{
    QStringList files{"libexec/porominka/libdrill_audio.so", "share/applications/" + id + ".desktop",
                      "share/metainfo/" + id + ".metainfo.xml", "share/icons/hicolor/scalable/apps/" + id + ".svg",
                      "share/man/man1/porominka.1.gz", "share/doc/porominka/copyright"};
    for (const int side : {16, 32, 48, 64, 128, 256})
        files << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(side).arg(id);
    for (const QString& name : InstallationCheck::ProgramFiles())
        files << "share/porominka/" + name;
    for (QString& file : files)
        file = "-rw-r--r-- usr/" + file;
    // The command and the program it starts are the only executables.
    for (const char* program : {"bin/porominka", "libexec/porominka/porominka"})
        files << QStringLiteral("-rwxr-xr-x usr/") + program;
    files.sort();
    return files;
}

// `cpack -G DEB`, which installs the tree as a packager does, gives
// porominka_<version>_<arch>.deb, named after its own fields, in the
// education section, with the Japanese fonts among its dependencies, all
// owned by root. Unpacked anywhere, its tree under /usr holds exactly the
// program and its files and passes each checker the distributions run on
// it. The command, started elsewhere, finds every file, names one that is
// gone, and starts the program in the data directory, telling it where it
// was started from and handing on every argument as it was given.
TEST(DebianPackage, HoldsAWorkingInstallation)
{
    const QTemporaryDir out;
    const ProcessRun pack = RunProcess(CPACK_PROGRAM,
                                       {"-G", "DEB", "-B", out.path(), "--config", BUILD_DIR "/CPackConfig.cmake"},
                                       out.path());
    ASSERT_EQ(pack.exitCode, 0) << pack.out.toStdString() << pack.err.toStdString();
    const QString arch = RunProcess(DPKG_PROGRAM, {"--print-architecture"}, out.path()).out.trimmed();
    const QString deb = out.filePath(QStringLiteral("porominka_%1_%2.deb").arg(PROJECT_VERSION, arch));
    ASSERT_TRUE(QFileInfo::exists(deb)) << QDir(out.path()).entryList().join(u' ').toStdString();

    const auto dpkgDeb = [&](const QStringList& arguments) {
        return RunProcess(DPKG_DEB_PROGRAM, arguments, out.path()).out.trimmed();
    };
    EXPECT_EQ(dpkgDeb({"--field", deb, "Section"}), "education");
    const QString depends = dpkgDeb({"--field", deb, "Depends"});
    for (const char* package :
         {"fonts-ipafont-gothic", "qt6-translations-l10n", "libqt6sql6-sqlite", "libqt6widgets6", "libqt6multimedia6",
          "libc6"})
        EXPECT_TRUE(depends.contains(QRegularExpression(QStringLiteral("(^|, )%1( |,|$)").arg(package))))
            << package << " not in " << depends.toStdString();
    // "-rwxr-xr-x root/root 1234 2026-01-01 00:00 ./usr/bin/porominka"
    for (const QString& line : dpkgDeb({"--contents", deb}).split(u'\n'))
        EXPECT_EQ(line.split(u' ', Qt::SkipEmptyParts).at(1), "root/root") << line.toStdString();
    const QTemporaryDir unpacked;
    const QString staging = unpacked.path();
    ASSERT_EQ(RunProcess(DPKG_DEB_PROGRAM, {"--extract", deb, staging}, out.path()).exitCode, 0);
    const QStringList everyFile{".", "!", "-type", "d", "-printf", "%M %P\\n"};
    QStringList files = RunProcess("find", everyFile, staging).out.split(u'\n', Qt::SkipEmptyParts);
    files.sort();
    EXPECT_EQ(files, expectedFiles());
    const QString tree = staging + "/usr/";
    const std::pair<QString, QStringList> checkers[] = {
        {DESKTOP_FILE_VALIDATE, {tree + "share/applications/" + id + ".desktop"}},
        {APPSTREAMCLI, {"validate", "--no-net", "--pedantic", tree + "share/metainfo/" + id + ".metainfo.xml"}},
        {APPSTREAMCLI, {"validate-tree", "--no-net", tree}},
        {MAN_PROGRAM, {"--warnings", "-E", "UTF-8", "-l", tree + "share/man/man1/porominka.1.gz"}},
        {GROFF_PROGRAM, {"-ww", "-man", "-Tutf8", "-z", MAN_PAGE_SOURCE}},
    };
    for (const auto& [checker, arguments] : checkers) {
        const ProcessRun run = RunProcess(checker, arguments, staging);
        EXPECT_EQ(run.exitCode, 0) << checker.toStdString() << run.out.toStdString() << run.err.toStdString();
        EXPECT_EQ(run.err.toStdString(), "") << checker.toStdString();
    }

    const QTemporaryDir caller;
    const QString command = tree + "bin/porominka";
    const ProcessRun whole = RunProcess(command, {"--check"}, caller.path());
    EXPECT_EQ(whole.exitCode, 0) << whole.out.toStdString() << whole.err.toStdString();
    const qsizetype fileCount = InstallationCheck::ProgramFiles().size();
    EXPECT_TRUE(whole.out.contains(QStringLiteral("All %1 files are in place.").arg(fileCount)))
        << whole.out.toStdString();
    ASSERT_TRUE(QFile::remove(tree + "share/porominka/n7.bmp"));
    const ProcessRun lacking = RunProcess(command, {"--check"}, caller.path());
    EXPECT_EQ(lacking.exitCode, 1);
    EXPECT_EQ(lacking.out.toStdString(), "ﾌｧｲﾙ n7.bmp は開けません。\n");

    QFile program(tree + "libexec/porominka/porominka");
    ASSERT_TRUE(program.open(QIODevice::WriteOnly | QIODevice::Truncate));
    program.write("#!/bin/sh\npwd\necho \"$POROMINKA_CALLER_DIR\"\nprintf '%s\\n' \"$@\"\n");
    program.close();
    const ProcessRun run = RunProcess(command, {"--mute", "two  words", "*"}, caller.path());
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList started{QDir(tree + "share/porominka").canonicalPath(),
                              QDir(caller.path()).canonicalPath(), "--mute", "two  words", "*", ""};
    EXPECT_EQ(run.out.split(u'\n'), started);
}

} // namespace
