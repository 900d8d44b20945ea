#include "QtPrinting.h"
#include "ScratchAssetDirectory.h"
#include "SoundPlayer.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QSoundEffect>
#include <QTest>
#include <QUrl>
#include <QtMath>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// One second of a soft tone: 16-bit PCM, mono, 22050 Hz.
QByteArray toneWav()
{
    constexpr int rate = 22050;
    QByteArray samples;
    QDataStream out(&samples, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    for (int i = 0; i < rate; ++i)
        out << qint16(4000 * qSin(2 * M_PI * 660 * i / rate));

    QByteArray wav;
    QDataStream header(&wav, QIODevice::WriteOnly);
    header.setByteOrder(QDataStream::LittleEndian);
    header.writeRawData("RIFF", 4);
    header << quint32(36 + samples.size());
    header.writeRawData("WAVEfmt ", 8);
    header << quint32(16) << quint16(1) << quint16(1) << quint32(rate) << quint32(rate * 2)
           << quint16(2) << quint16(16);
    header.writeRawData("data", 4);
    header << quint32(samples.size());
    return wav + samples;
}

struct SoundCase {
    const char* label;
    QByteArray contents; // empty: the file is not there
    bool found;
    friend void PrintTo(const SoundCase& row, std::ostream* out) { *out << row.label; }
};

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetSoundRecorder([this](const QString& name, bool found) { heard_.emplace_back(name, found); });
    }
    void TearDown() override { SetSoundRecorder({}); }

    ScratchAssetDirectory scratch_;
    std::vector<std::pair<QString, bool>> heard_;
};

class PlaySound : public SoundTest, public ::testing::WithParamInterface<SoundCase> {
};

TEST_P(PlaySound, ReportsTheFileAndNeverWaitsOrThrows)
{
    const SoundCase& sound = GetParam();
    if (sound.contents.isEmpty())
        scratch_.remove("maru1.wav");
    else
        scratch_.write("maru1.wav", sound.contents);

    QElapsedTimer timer;
    timer.start();
    EXPECT_NO_THROW(PlaySoundFile("maru1.wav"));
    EXPECT_NO_THROW(PlaySoundFile("maru1.wav"));
    EXPECT_LT(timer.elapsed(), 500) << "played a one-second sound to its end";

    const std::vector<std::pair<QString, bool>> expected(2, {QStringLiteral("maru1.wav"), sound.found});
    EXPECT_EQ(heard_, expected);
}

INSTANTIATE_TEST_SUITE_P(Files, PlaySound,
                         ::testing::Values(SoundCase{"missing", {}, false},
                                           SoundCase{"tone", toneWav(), true},
                                           SoundCase{"not_a_sound", "just some text", true}));

TEST_F(SoundTest, KeepsOneEffectPerFile)
{
    scratch_.write("maru1.wav", toneWav());
    scratch_.write("batu1.wav", toneWav());
    const auto effects = [] {
        return QCoreApplication::instance()->findChildren<QSoundEffect*>().size();
    };
    const qsizetype before = effects();
    for (const char* name : {"maru1.wav", "batu1.wav", "maru1.wav", "batu1.wav"})
        PlaySoundFile(name);
    EXPECT_EQ(effects(), before + 2);
}

// The effect playing the file of that name in this test's directory.
QSoundEffect* effectPlaying(const ScratchAssetDirectory& scratch, const QString& name)
{
    const QUrl source = QUrl::fromLocalFile(scratch.path() + '/' + name);
    for (QSoundEffect* effect : QCoreApplication::instance()->findChildren<QSoundEffect*>()) {
        if (effect->source() == source)
            return effect;
    }
    return nullptr;
}

TEST_F(SoundTest, ANewSoundCutsOffTheOneStillPlaying)
{
    scratch_.write("maru1.wav", toneWav());
    scratch_.write("batu1.wav", toneWav());
    PlaySoundFile("maru1.wav");
    QSoundEffect* maru = effectPlaying(scratch_, "maru1.wav");
    ASSERT_NE(maru, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([maru] { return maru->isPlaying(); }, 2000));

    PlaySoundFile("batu1.wav");
    EXPECT_FALSE(maru->isPlaying());
    QSoundEffect* batu = effectPlaying(scratch_, "batu1.wav");
    ASSERT_NE(batu, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([batu] { return batu->isPlaying(); }, 2000));
}

} // namespace
