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

// Every file an installation under the prefix holds, as its permissions and
// its path from the staging directory ("-rwxr-xr-x usr/bin/porominka"), sorted.
QStringList expectedFiles(const QString& prefix)
{
    QStringList files{"libexec/porominka/libdrill_audio.so", "share/applications/" + id + ".desktop",
                      "share/metainfo/" + id + ".metainfo.xml", "share/icons/hicolor/scalable/apps/" + id + ".svg",
                      "share/man/man1/porominka.1.gz", "share/doc/porominka/copyright"};
    for (const int side : {16, 32, 48, 64, 128, 256})
        files << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(side).arg(id);
    for (const QString& name : InstallationCheck::ProgramFiles())
        files << "share/porominka/" + name;
    for (QString& file : files)
        file = "-rw-r--r-- " + prefix.mid(1) + u'/' + file;
    // The command and the program it starts are the only executables.
    for (const char* program : {"bin/porominka", "libexec/porominka/porominka"})
        files << "-rwxr-xr-x " + prefix.mid(1) + u'/' + program;
    files.sort();
    return files;
}

// Installed by `cmake --install` under any prefix into a scratch staging
// directory (DESTDIR), as a packager installs it, the tree holds exactly the
// program and its files and passes each checker the distributions run on it.
// The command, started elsewhere, finds every file, names one that is gone,
// and starts the program in the data directory, telling it where it was
// started from and handing on every argument as it was given.
TEST(InstalledTree, HoldsThePromisedFilesAndCommandUnderAnyPrefix)
{
    for (const QString prefix : {"/usr", "/opt/porominka"}) {
        SCOPED_TRACE(prefix.toStdString());
        const QTemporaryDir staging;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DESTDIR"), staging.path());
        const ProcessRun install =
            RunProcess(CMAKE_PROGRAM, {"--install", BUILD_DIR, "--prefix", prefix}, staging.path(), environment);
        ASSERT_EQ(install.exitCode, 0) << install.out.toStdString() << install.err.toStdString();
        const QStringList everyFile{".", "!", "-type", "d", "-printf", "%M %P\\n"};
        QStringList files = RunProcess("find", everyFile, staging.path()).out.split(u'\n', Qt::SkipEmptyParts);
        files.sort();
        EXPECT_EQ(files, expectedFiles(prefix));
        const QString tree = staging.path() + prefix + u'/';
        const std::pair<QString, QStringList> checkers[] = {
            {DESKTOP_FILE_VALIDATE, {tree + "share/applications/" + id + ".desktop"}},
            {APPSTREAMCLI, {"validate", "--no-net", "--pedantic", tree + "share/metainfo/" + id + ".metainfo.xml"}},
            {APPSTREAMCLI, {"validate-tree", "--no-net", tree}},
            {MAN_PROGRAM, {"--warnings", "-E", "UTF-8", "-l", tree + "share/man/man1/porominka.1.gz"}},
            {GROFF_PROGRAM, {"-ww", "-man", "-Tutf8", "-z", MAN_PAGE_SOURCE}},
        };
        for (const auto& [checker, arguments] : checkers) {
            const ProcessRun run = RunProcess(checker, arguments, staging.path());
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
}

// `cpack -G DEB` gives porominka_<version>_<arch>.deb, named after its own
// fields, in the education section, holding the installed tree, all owned by
// root, with the Japanese fonts among its dependencies.
TEST(DebianPackage, HoldsTheInstalledTree)
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
    QStringList files;
    for (const QString& line : dpkgDeb({"--contents", deb}).split(u'\n')) {
        const QStringList columns = line.split(u' ', Qt::SkipEmptyParts);
        EXPECT_EQ(columns.at(1), "root/root") << line.toStdString();
        if (!columns.first().startsWith(u'd'))
            files << columns.first() + u' ' + columns.last().mid(2);
    }
    files.sort();
    EXPECT_EQ(files, expectedFiles(QStringLiteral("/usr")));
}

} // namespace
