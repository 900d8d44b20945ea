// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WavSound.h"
#include "tools/AssetFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <gtest/gtest.h>

#include <optional>

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

// Each file is what the generator draws today, committed and, for the art
// and the icons, built into the platform library, where a program that merely
// links it must find them: a change to the art that was not regenerated, or an
// edit by hand, shows up here. A twin for screens at 200 % is exactly twice
// its picture, or it is not used; an icon is as large as its name says; a
// sound must be over before the next answer can be judged.
TEST(AssetArtTest, CommittedAndBuiltInFilesAreUpToDateAndFitTheirUse)
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
        const QSize drawn = QImage::fromData(file.bytes).size();
        if (file.path.contains("@2x")) {
            EXPECT_EQ(drawn, QImage(root.filePath(QString(file.path).remove("@2x"))).size() * 2);
        }
        if (file.path.startsWith("desktop/icons/") && file.path.endsWith(".png")) {
            EXPECT_EQ(drawn, QSize(1, 1) * QFileInfo(file.path).baseName().toInt());
        }
        if (file.path.endsWith(".wav")) {
            const std::optional<WavSound> sound = ReadWavFile(root.filePath(file.path));
            ASSERT_TRUE(sound.has_value());
            EXPECT_LE(sound->samples.size(), sound->sampleRate * sound->channels * sound->bitsPerSample / 8);
        }
    }
}

} // namespace
