// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InstallationCheck.h"

#include "session/Wording.h"
#include "platform/CurrentDirectory.h"
#include "platform/FileOpenError.h"
#include "platform/PictureFile.h"
#include "widgets/DigitTables.h"

#include <QDir>
#include <QFile>

#include <vector>

namespace {

bool pictureOpens(const QString& name)
{
    try {
        LoadPictureFile(name);
        return true;
    } catch (const FileOpenError&) {
        return false;
    }
}

// The sound player hands the file to Qt, which plays RIFF WAVE files only.
bool soundOpens(const QString& name)
{
    QFile file(QDir::current().absoluteFilePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(12);
    return header.startsWith("RIFF") && header.mid(8) == "WAVE";
}

// The help button opens the file under the directory recorded at start-up.
bool helpOpens(const QString& name)
{
    return QFile(CurrentDirectoryWithSeparator() + name).open(QIODevice::ReadOnly);
}

struct FileGroup {
    QStringList names;
    bool (*opens)(const QString& name);
};

std::vector<FileGroup> fileGroups()
{
    QStringList pictures;
    for (const std::string& picture : PictureFiles())
        pictures << QString::fromStdString(picture);
    QStringList sounds;
    for (const std::string& sound : SoundFiles())
        sounds << QString::fromStdString(sound);
    // The sharper twins a screen scaled to 200 % shows belong to a whole
    // installation too, though the program falls back to the plain pictures.
    for (const QString& picture : QStringList(pictures))
        pictures << TwinPictureFile(picture);
    return {{pictures, pictureOpens}, {sounds, soundOpens}, {{QString::fromLatin1(HELP_FILE)}, helpOpens}};
}

} // namespace

namespace InstallationCheck {

QStringList ProgramFiles()
{
    QStringList names;
    for (const FileGroup& group : fileGroups())
        names << group.names;
    return names;
}

QStringList Failures()
{
    QStringList failures;
    for (const FileGroup& group : fileGroups()) {
        for (const QString& name : group.names) {
            if (!group.opens(name))
                failures << FileOpenError(name).message() + QStringLiteral("。");
        }
    }
    return failures;
}

} // namespace InstallationCheck
