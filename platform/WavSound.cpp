// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WavSound.h"

#include "platform/BoundedFile.h"

#include <QtEndian>

#include <algorithm>
#include <iterator>

namespace {

// Three minutes of CD sound; the program's own sounds last a second.
constexpr qint64 largestSoundFile = 16 << 20;

constexpr quint16 integerSamples = 1;
constexpr quint16 floatingSamples = 3;

struct SampleLayout {
    quint16 tag;
    quint16 bits;
};
constexpr SampleLayout playableLayouts[] = {
    {integerSamples, 8}, {integerSamples, 16}, {integerSamples, 32}, {floatingSamples, 32}};

template <class T>
T readLittle(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<T>(bytes.constData() + at);
}

// The "fmt " chunk: sample layout, channels, rate and frame size.
bool readFormat(const QByteArray& bytes, qsizetype at, quint32 size, WavSound& sound, int& frameBytes)
{
    if (size < 16)
        return false;
    const quint16 tag = readLittle<quint16>(bytes, at);
    sound.channels = readLittle<quint16>(bytes, at + 2);
    const quint32 rate = readLittle<quint32>(bytes, at + 4);
    frameBytes = readLittle<quint16>(bytes, at + 12);
    sound.bitsPerSample = readLittle<quint16>(bytes, at + 14);
    sound.floating = tag == floatingSamples;
    const bool playable = std::any_of(std::begin(playableLayouts), std::end(playableLayouts), [&](SampleLayout l) {
        return l.tag == tag && l.bits == sound.bitsPerSample;
    });
    if (rate < 8000 || rate > 192000)
        return false;
    sound.sampleRate = int(rate);
    return playable && (sound.channels == 1 || sound.channels == 2)
        && frameBytes == sound.channels * sound.bitsPerSample / 8;
}

// RIFF chunks: a four-letter name, a little-endian size, the body, padded
// to an even length. A chunk that claims more than the file holds means the
// file was cut short.
std::optional<WavSound> parseWav(const QByteArray& bytes)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    WavSound sound;
    int frameBytes = 0;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray name = bytes.mid(at, 4);
        const quint32 size = readLittle<quint32>(bytes, at + 4);
        const qsizetype body = at + 8;
        if (size > bytes.size() - body)
            return std::nullopt;
        if (name == "fmt " && !readFormat(bytes, body, size, sound, frameBytes))
            return std::nullopt;
        if (name == "data") {
            if (frameBytes == 0 || size == 0 || size % quint32(frameBytes) != 0)
                return std::nullopt;
            sound.samples = bytes.mid(body, size);
            return sound;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

} // namespace

std::optional<WavSound> ReadWavFile(const QString& bareName)
{
    const std::optional<QByteArray> bytes = ReadBoundedFile(bareName, largestSoundFile);
    return bytes ? parseWav(*bytes) : std::nullopt;
}
