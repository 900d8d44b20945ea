// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/packaging/InstalledTree.h"

#include "app/InstallationCheck.h"

#include <QDir>
#include <QDirIterator>

InstalledTree::InstalledTree(const QString& prefix)
    : prefix_(prefix)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DESTDIR"), staging_.path());
    install_ = RunProcess(QStringLiteral(CMAKE_PROGRAM),
                          {QStringLiteral("--install"), QStringLiteral(BUILD_DIR), QStringLiteral("--prefix"), prefix},
                          staging_.path(), environment);
}

QString InstalledTree::path(const QString& relative) const
{
    return staging_.path() + prefix_ + QLatin1Char('/') + relative;
}

ProcessRun InstalledTree::runCommand(const QStringList& arguments, const QString& workingDirectory) const
{
    return RunProcess(path(QStringLiteral("bin/porominka")), arguments, workingDirectory);
}

QStringList InstalledTree::Expected(const QString& prefix)
{
    const QString id = QStringLiteral(POROMINKA_APP_ID);
    QStringList files{
        "bin/porominka",
        "libexec/porominka/porominka",
        "libexec/porominka/libdrill_audio.so",
        "share/applications/" + id + ".desktop",
        "share/metainfo/" + id + ".metainfo.xml",
        "share/icons/hicolor/scalable/apps/" + id + ".svg",
        "share/man/man1/porominka.1.gz",
        "share/doc/porominka/copyright",
    };
    for (const int side : {16, 32, 48, 64, 128, 256})
        files << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(side).arg(id);
    for (const QString& name : InstallationCheck::ProgramFiles())
        files << "share/porominka/" + name;
    for (QString& file : files)
        file = prefix.mid(1) + QLatin1Char('/') + file;
    files.sort();
    return files;
}

QStringList InstalledTree::FilesUnder(const QString& directory)
{
    QStringList files;
    const QDir base(directory);
    QDirIterator it(directory, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << base.relativeFilePath(it.next());
    files.sort();
    return files;
}
