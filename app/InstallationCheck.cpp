// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InstallationCheck.h"

#include "platform/FileOpenError.h"
#include "platform/PictureFile.h"
#include "platform/ProgramFileCheck.h"
#include "session/Wording.h"

namespace InstallationCheck {

QStringList ProgramFiles()
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
    return pictures + sounds + QStringList{QString::fromLatin1(HELP_FILE)};
}

QStringList Failures()
{
    QStringList failures;
    for (const QString& name : ProgramFiles())
        if (!ProgramUsesFile(name))
            failures << FileOpenError(name).message() + QStringLiteral("。");
    return failures;
}

} // namespace InstallationCheck
