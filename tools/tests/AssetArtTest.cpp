#include "ArtPalette.h"
#include "AssetFiles.h"
#include "Sounds.h"
#include "Tiles.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>

namespace {

std::map<QString, QByteArray> generated()
{
    std::map<QString, QByteArray> files;
    for (const AssetFiles::File& file : AssetFiles::all())
        files.emplace(file.path, file.bytes);
    return files;
}

// The rows and columns holding any pixel noticeably darker than the paper.
struct InkBox {
    int top = 1000, bottom = -1, left = 1000, right = -1;
    int height() const { return bottom - top + 1; }
    double middleX() const { return (left + right) / 2.0; }
    double middleY() const { return (top + bottom) / 2.0; }
};

InkBox inkBox(const QImage& image)
{
    InkBox box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) > 200)
                continue;
            box.top = std::min(box.top, y);
            box.bottom = std::max(box.bottom, y);
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
        }
    }
    return box;
}

bool isStrikeRed(QRgb pixel)
{
    return qRed(pixel) > 180 && qGreen(pixel) < 110 && qBlue(pixel) < 110;
}

int strikePixels(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += isStrikeRed(image.pixel(x, y)) ? 1 : 0;
    return count;
}

TEST(AssetArtTest, EveryPictureHasItsNameAndSize)
{
    const QSize tile(41, 35);
    const QSize result(81, 81);
    std::vector<std::pair<QString, QSize>> expected{
        {"assets/nb.bmp", tile},          {"assets/plus.bmp", tile},
        {"assets/minus.bmp", tile},       {"assets/mascot.bmp", result},
        {"assets/maru1.bmp", result},     {"assets/batu1.bmp", result},
        {"assets/hatena1.bmp", result},   {"platform/art/startup.png", result},
        {"platform/art/icon.png", {32, 32}}, {"platform/art/help_button.png", {33, 33}},
        {"platform/art/placeholder.png", tile}};
    for (int value = 0; value <= 9; ++value) {
        expected.emplace_back(QStringLiteral("assets/n%1.bmp").arg(value), tile);
        expected.emplace_back(QStringLiteral("assets/b%1.bmp").arg(value), tile);
    }
    const auto files = generated();
    for (const auto& [path, size] : expected) {
        SCOPED_TRACE(path.toStdString());
        const auto found = files.find(path);
        ASSERT_NE(found, files.end());
        const QImage image = QImage::fromData(found->second);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), size);
        // The column's pictures are loaded from disk and must lie on one paper.
        if (path.endsWith(".bmp")) {
            EXPECT_EQ(image.pixel(0, 0), ArtPalette::ground.rgb());
            EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1), ArtPalette::ground.rgb());
        }
    }
}

TEST(AssetArtTest, DigitsFillTheHeightAndStandCentred)
{
    for (int value = 0; value <= 9; ++value) {
        SCOPED_TRACE(value);
        const InkBox box = inkBox(Tiles::digit(value));
        EXPECT_GE(box.height(), 29);
        EXPECT_LE(box.height(), 31);
        EXPECT_NEAR(box.middleX(), 20.0, 1.5);
        EXPECT_NEAR(box.middleY(), 17.0, 1.5);
    }
    for (const QImage& sign : {Tiles::plus(), Tiles::minus()}) {
        EXPECT_NEAR(inkBox(sign).middleX(), 20.0, 1.0);
        EXPECT_NEAR(inkBox(sign).middleY(), 17.0, 1.0);
    }
}

TEST(AssetArtTest, StruckDigitsCarryAStrokeFromLowerLeftToUpperRight)
{
    const QRect lowerLeft(0, 18, 20, 17);
    const QRect upperRight(21, 0, 20, 17);
    const QRect upperLeft(0, 0, 16, 12);
    for (int value = 0; value <= 9; ++value) {
        SCOPED_TRACE(value);
        const QImage plain = Tiles::digit(value);
        const QImage struck = Tiles::struckDigit(value);
        EXPECT_EQ(strikePixels(plain, plain.rect()), 0);
        EXPECT_GT(strikePixels(struck, lowerLeft), 20);
        EXPECT_GT(strikePixels(struck, upperRight), 20);
        EXPECT_EQ(strikePixels(struck, upperLeft), 0);
    }
}

struct WavSound {
    int channels, sampleRate, bitsPerSample;
    std::vector<qint16> samples;
};

std::optional<WavSound> parseWav(const QByteArray& bytes)
{
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 8) != "WAVEfmt "
        || bytes.mid(36, 4) != "data" || u32(4) != quint32(bytes.size() - 8) || u16(20) != 1
        || u32(40) != quint32(bytes.size() - 44))
        return std::nullopt;
    WavSound sound{u16(22), int(u32(24)), u16(34), {}};
    for (int at = 44; at + 1 < bytes.size(); at += 2)
        sound.samples.push_back(qFromLittleEndian<qint16>(bytes.constData() + at));
    return sound;
}

// The pitch of the stretch from `from` to `to` seconds, from how often the
// wave crosses zero; the voices' overtones are too weak to add crossings.
double pitch(const WavSound& sound, double from, double to)
{
    const auto first = std::size_t(from * sound.sampleRate);
    const auto last = std::size_t(to * sound.sampleRate);
    int crossings = 0;
    for (std::size_t i = first + 1; i < last; ++i)
        crossings += (sound.samples[i - 1] < 0) != (sound.samples[i] < 0) ? 1 : 0;
    return crossings / 2.0 / (to - from);
}

int loudest(const WavSound& sound, std::size_t from, std::size_t count)
{
    int peak = 0;
    for (std::size_t i = from; i < from + count; ++i)
        peak = std::max(peak, std::abs(int(sound.samples[i])));
    return peak;
}

TEST(AssetArtTest, SoundsAreShortGentleAndMoveTheRightWay)
{
    struct Case {
        QString path;
        double early, late;             // the middle of a stretch near each end
        double earlyPitch, latePitch;   // Hz
    };
    const std::vector<Case> cases{
        {"assets/maru1.wav", 0.05, 0.55, 1046.5, 1568.0}, // rising C6 .. G6
        {"assets/batu1.wav", 0.17, 0.62, 293.7, 220.0},   // falling D4 .. A3
    };
    const auto files = generated();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const auto sound = parseWav(files.at(c.path));
        ASSERT_TRUE(sound.has_value());
        EXPECT_EQ(sound->channels, 1);
        EXPECT_EQ(sound->sampleRate, 22050);
        EXPECT_EQ(sound->bitsPerSample, 16);
        EXPECT_LE(sound->samples.size(), std::size_t(Sounds::sampleRate));
        const std::size_t edge = Sounds::sampleRate / 1000; // 1 ms
        const int peak = loudest(*sound, 0, sound->samples.size());
        EXPECT_GT(peak, 32767 / 4);
        EXPECT_LT(peak, 32767 * 3 / 4);
        // Starts and ends in silence and swells and fades, so neither end clicks.
        EXPECT_LT(std::abs(int(sound->samples.front())), peak / 50);
        EXPECT_LT(std::abs(int(sound->samples.back())), peak / 50);
        EXPECT_LT(loudest(*sound, 0, edge), peak / 2);
        EXPECT_LT(loudest(*sound, sound->samples.size() - edge, edge), peak / 10);
        EXPECT_NEAR(pitch(*sound, c.early - 0.03, c.early + 0.03), c.earlyPitch, c.earlyPitch * 0.03);
        EXPECT_NEAR(pitch(*sound, c.late - 0.05, c.late + 0.05), c.latePitch, c.latePitch * 0.03);
    }
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
        EXPECT_TRUE(committed.readAll() == bytes) << "run the `assets` target and commit the result";
    }
}

} // namespace
