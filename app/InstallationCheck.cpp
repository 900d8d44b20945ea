// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InstallationCheck.h"

#include "engine/JudgeOutcome.h"
#include "platform/FileOpenError.h"
#include "platform/PictureFile.h"
#include "platform/ProgramFileCheck.h"
#include "widgets/DigitTables.h"

namespace InstallationCheck {

QStringList ProgramFiles()
{
    QStringList pictures;
    for (int value = -1; value <= 9; ++value)
        pictures << DigitPictureFile(value);
    for (int value = 0; value <= 9; ++value)
        pictures << StruckDigitPictureFile(value);
    pictures << QStringLiteral("plus.bmp") << QStringLiteral("minus.bmp") << QStringLiteral("mascot.bmp");
    QStringList sounds;
    for (const bool answerRight : {true, false}) {
        for (const bool marksRight : {true, false}) {
            const OutcomePresentation& outcome = PresentationFor({answerRight, marksRight});
            pictures << QString::fromLatin1(outcome.pictureFile);
            sounds << QString::fromLatin1(outcome.soundFile);
        }
    }
    pictures.removeDuplicates();
    sounds.removeDuplicates();
    // The sharper twins a screen scaled to 200 % shows belong to a whole
    // installation too, though the program falls back to the plain pictures.
    for (const QString& picture : QStringList(pictures))
        pictures << TwinPictureFile(picture);
    return pictures + sounds + QStringList{QStringLiteral("zumirano.hlp")};
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
