// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WavSound.h"
#include "tools/AssetFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <gtest/gtest.h>

#include <map>

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a file holds once decoded: the pixels of a picture, the format and
// samples of a sound, the text of anything else. An encoder that writes the
// same picture with other bytes changes nothing here.
QByteArray decoded(const QString& path, const QByteArray& bytes)
{
    if (path.endsWith(QStringLiteral(".bmp")) || path.endsWith(QStringLiteral(".png"))) {
        const QImage image = QImage::fromData(bytes).convertToFormat(QImage::Format_ARGB32);
        return QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes())
            + QByteArray::number(image.width()) + 'x' + QByteArray::number(image.height());
    }
    if (path.endsWith(QStringLiteral(".wav")))
        return bytes.mid(20, 16) + bytes.mid(44);
    return bytes;
}

// The committed files are what the generator draws today, so a change to the
// art that was not regenerated (or an edit by hand) shows up here; so are the
// art and the icons built into the platform library, which must be found from
// a program that merely links it.
TEST(AssetArtTest, CommittedAndBuiltInFilesAreUpToDate)
{
    const QDir root(QStringLiteral(DRILL_REPOSITORY_ROOT));
    for (const AssetFiles::File& file : AssetFiles::all()) {
        SCOPED_TRACE(file.path.toStdString());
        EXPECT_TRUE(decoded(file.path, contents(root.filePath(file.path))) == decoded(file.path, file.bytes))
            << "run the `assets` target and commit the result";
        if (file.path.endsWith(".png")) {
            const QByteArray builtIn = contents(":/" + file.path.section(u'/', -2));
            EXPECT_TRUE(decoded(file.path, builtIn) == decoded(file.path, file.bytes));
        }
    }
}

// A twin for screens at 200 % is exactly twice its picture, or it is not
// used; an icon is as large as its name says. The sounds are played as they
// are, and each must be over before the next answer can be judged.
TEST(AssetArtTest, EveryFileFitsItsUse)
{
    std::map<QString, QSize> drawn;
    for (const AssetFiles::File& file : AssetFiles::all())
        drawn[file.path] = QImage::fromData(file.bytes).size();
    for (const auto& [path, size] : drawn) {
        SCOPED_TRACE(path.toStdString());
        if (path.contains("@2x")) {
            EXPECT_EQ(size, drawn.at(QString(path).remove("@2x")) * 2);
        }
        if (path.startsWith("desktop/icons/") && path.endsWith(".png")) {
            EXPECT_EQ(size, QSize(1, 1) * QFileInfo(path).baseName().toInt());
        }
        if (path.endsWith(".wav")) {
            const std::optional<WavSound> sound = ReadWavFile(QStringLiteral(DRILL_REPOSITORY_ROOT "/") + path);
            ASSERT_TRUE(sound.has_value());
            EXPECT_EQ(sound->channels, 1);
            EXPECT_LE(sound->samples.size(), sound->sampleRate * sound->bitsPerSample / 8);
        }
    }
}

} // namespace
