// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/packaging/InstalledTree.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

QString trimmedOutput(const QString& program, const QStringList& arguments)
{
    return RunProcess(program, arguments, QDir::tempPath()).out.trimmed();
}

// Each desktop file passes the checker the distributions run on it.
TEST(DesktopFiles, PassTheirCheckers)
{
    const InstalledTree tree;
    ASSERT_TRUE(tree.installed()) << tree.installLog().toStdString();
    const QString id = QStringLiteral(POROMINKA_APP_ID);
    struct Row {
        QString program;
        QStringList arguments;
    };
    const Row rows[] = {
        {DESKTOP_FILE_VALIDATE, {tree.path("share/applications/" + id + ".desktop")}},
        {APPSTREAMCLI, {"validate", "--no-net", "--pedantic", tree.path("share/metainfo/" + id + ".metainfo.xml")}},
        {APPSTREAMCLI, {"validate-tree", "--no-net", tree.path("")}},
        {MAN_PROGRAM, {"--warnings", "-E", "UTF-8", "-l", tree.path("share/man/man1/porominka.1.gz")}},
        {GROFF_PROGRAM, {"-ww", "-man", "-Tutf8", "-z", MAN_PAGE_SOURCE}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE((QFileInfo(row.program).fileName() + u' ' + row.arguments.constFirst()).toStdString());
        const ProcessRun run = RunProcess(row.program, row.arguments, tree.root());
        EXPECT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
        EXPECT_EQ(run.err.toStdString(), "");
    }
}

// `cpack -G DEB` gives porominka_<version>_<arch>.deb holding the installed
// tree, with the Japanese fonts among its dependencies.
TEST(DebianPackage, HoldsTheInstalledTree)
{
    const QTemporaryDir out;
    const ProcessRun pack = RunProcess(CPACK_PROGRAM,
                                       {"-G", "DEB", "-B", out.path(), "--config", BUILD_DIR "/CPackConfig.cmake"},
                                       out.path());
    ASSERT_EQ(pack.exitCode, 0) << pack.out.toStdString() << pack.err.toStdString();
    const QString arch = trimmedOutput(DPKG_PROGRAM, {"--print-architecture"});
    const QString deb = out.filePath(QStringLiteral("porominka_%1_%2.deb").arg(PROJECT_VERSION, arch));
    ASSERT_TRUE(QFileInfo::exists(deb)) << QDir(out.path()).entryList().join(u' ').toStdString();

    const auto field = [&](const char* name) { return trimmedOutput(DPKG_DEB_PROGRAM, {"--field", deb, name}); };
    EXPECT_EQ(field("Package"), "porominka");
    EXPECT_EQ(field("Version"), PROJECT_VERSION);
    EXPECT_EQ(field("Architecture"), arch);
    EXPECT_EQ(field("Section"), "education");
    const QStringList depends = field("Depends").split(QRegularExpression(QStringLiteral(",\\s*")));
    for (const char* package : {"fonts-ipafont-gothic", "libqt6widgets6", "libqt6multimedia6", "libc6"}) {
        const auto named = [&](const QString& d) { return d.startsWith(QLatin1String(package) + u' ') || d == package; };
        EXPECT_TRUE(std::any_of(depends.begin(), depends.end(), named)) << package << " not in " << field("Depends").toStdString();
    }

    // "-rwxr-xr-x root/root 1234 2026-01-01 00:00 ./usr/bin/porominka"
    QStringList files, executables;
    const QString contents = trimmedOutput(DPKG_DEB_PROGRAM, {"--contents", deb});
    for (const QString& line : contents.split(u'\n')) {
        const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        if (fields.first().startsWith(u'd'))
            continue;
        EXPECT_EQ(fields.at(1), "root/root") << line.toStdString();
        files << fields.last().mid(2);
        if (fields.first() == "-rwxr-xr-x")
            executables << fields.last().mid(2);
        else
            EXPECT_EQ(fields.first(), "-rw-r--r--") << line.toStdString();
    }
    files.sort();
    executables.sort();
    EXPECT_EQ(files, InstalledTree::Expected(QStringLiteral("/usr")));
    EXPECT_EQ(executables, (QStringList{"usr/bin/porominka", "usr/libexec/porominka/porominka"}));
}

} // namespace
