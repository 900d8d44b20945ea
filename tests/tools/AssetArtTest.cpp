// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/AssetFiles.h"
#include "tools/Sounds.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSvgRenderer>
#include <QtEndian>
#include <gtest/gtest.h>

#include <map>

namespace {

std::map<QString, QByteArray> generated()
{
    std::map<QString, QByteArray> files;
    for (const AssetFiles::File& file : AssetFiles::all())
        files.emplace(file.path, file.bytes);
    return files;
}

TEST(AssetArtTest, EveryPictureIsDrawnAtItsSize)
{
    const QSize tile(41, 35), result(81, 81);
    std::map<QString, QSize> expected{
        {"assets/nb.bmp", tile}, {"assets/plus.bmp", tile}, {"assets/minus.bmp", tile},
        {"assets/mascot.bmp", result}, {"assets/maru1.bmp", result}, {"assets/batu1.bmp", result},
        {"assets/hatena1.bmp", result}, {"platform/art/startup.png", result},
        {"platform/art/help_button.png", {33, 33}}, {"desktop/icons/scalable.svg", {256, 256}},
        {"platform/art/placeholder.png", tile}};
    for (int value = 0; value <= 9; ++value) {
        expected.emplace(QStringLiteral("assets/n%1.bmp").arg(value), tile);
        expected.emplace(QStringLiteral("assets/b%1.bmp").arg(value), tile);
    }
    for (const auto& [path, size] : std::map(expected)) // twins for screens at 200 %
        if (path.startsWith("assets/"))
            expected.emplace(QString(path).replace(".bmp", "@2x.bmp"), size * 2);
    for (const int side : {16, 32, 48, 64, 128, 256})
        expected.emplace(QStringLiteral("desktop/icons/%1.png").arg(side), QSize(side, side));
    const auto files = generated();
    for (const auto& [path, size] : expected) {
        SCOPED_TRACE(path.toStdString());
        ASSERT_TRUE(files.count(path));
        const QByteArray& bytes = files.at(path);
        EXPECT_EQ(path.endsWith(".svg") ? QSvgRenderer(bytes).viewBox().size() : QImage::fromData(bytes).size(), size);
    }
}

// The program plays them with QSoundEffect, which wants plain PCM; a sound
// must be over before the next answer can be judged.
TEST(AssetArtTest, SoundsAreMonoPcmOfAtMostOneSecond)
{
    const auto files = generated();
    for (const char* path : {"assets/maru1.wav", "assets/batu1.wav"}) {
        SCOPED_TRACE(path);
        ASSERT_TRUE(files.count(path));
        const QByteArray& wav = files.at(path);
        ASSERT_GE(wav.size(), 44);
        const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(wav.constData() + at); };
        const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(wav.constData() + at); };
        EXPECT_EQ(wav.left(4), "RIFF");
        EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(wav.mid(36, 4), "data");
        EXPECT_EQ(u32(4), quint32(wav.size() - 8));
        EXPECT_EQ(u32(40), quint32(wav.size() - 44));
        EXPECT_EQ(u16(20), 1) << "PCM";
        EXPECT_EQ(u16(22), 1) << "channels";
        EXPECT_EQ(u32(24), quint32(Sounds::sampleRate));
        EXPECT_EQ(u16(34), 16) << "bits per sample";
        EXPECT_GT(u32(40), 0u);
        EXPECT_LE(u32(40), quint32(Sounds::sampleRate * 2));
    }
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
// art that was not regenerated (or an edit by hand) shows up here.
TEST(AssetArtTest, CommittedFilesAreUpToDate)
{
    const QDir root(QStringLiteral(DRILL_REPOSITORY_ROOT));
    for (const auto& [path, bytes] : generated()) {
        SCOPED_TRACE(path.toStdString());
        QFile committed(root.filePath(path));
        ASSERT_TRUE(committed.open(QIODevice::ReadOnly));
        EXPECT_TRUE(decoded(path, committed.readAll()) == decoded(path, bytes))
            << "run the `assets` target and commit the result";
    }
}

} // namespace
