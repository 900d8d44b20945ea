// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramFileCheck.h"

#include "platform/CurrentDirectory.h"
#include "platform/FileOpenError.h"
#include "platform/HelpPage.h"
#include "platform/PictureFile.h"
#include "platform/WavSound.h"

#include <algorithm>
#include <iterator>
#include <optional>

namespace {

std::optional<QPixmap> picture(const QString& name)
{
    try {
        return LoadPictureFile(name);
    } catch (const FileOpenError&) {
        return std::nullopt;
    }
}

bool pictureUsed(const QString& name)
{
    return picture(name).has_value();
}

// A twin is judged beside its plain picture; where that one cannot be shown
// it is told of itself, and the twin is judged on its own.
bool twinUsed(const QString& name)
{
    const QString plainName = name.chopped(QLatin1String("@2x.bmp").size()) + QStringLiteral(".bmp");
    const std::optional<QPixmap> plain = picture(plainName);
    return plain ? LoadTwinPicture(plainName, *plain).has_value() : pictureUsed(name);
}

bool soundUsed(const QString& name)
{
    return ReadWavFile(name).has_value();
}

// The help button opens the file under the directory recorded at start-up.
bool helpUsed(const QString& name)
{
    return ReadHelpPage(CurrentDirectoryWithSeparator() + name).state == HelpPage::State::Shown;
}

struct FileKind {
    const char* ending;
    bool (*used)(const QString& name);
};

// The first ending that fits tells the kind.
constexpr FileKind fileKinds[] = {
    {"@2x.bmp", twinUsed}, {".bmp", pictureUsed}, {".wav", soundUsed}, {".hlp", helpUsed}};

} // namespace

bool ProgramUsesFile(const QString& bareName)
{
    const FileKind* kind = std::find_if(std::begin(fileKinds), std::end(fileKinds),
                                        [&](const FileKind& k) { return bareName.endsWith(QLatin1String(k.ending)); });
    return kind != std::end(fileKinds) && kind->used(bareName);
}
