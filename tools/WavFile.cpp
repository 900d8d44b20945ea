// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/WavFile.h"

#include <QtEndian>

namespace {

template <typename T>
void put(QByteArray& bytes, T value)
{
    const T little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&little), sizeof little);
}

} // namespace

namespace WavFile {

QByteArray encode(const std::vector<qint16>& samples, int sampleRate)
{
    constexpr quint16 channels = 1;
    constexpr quint16 bitsPerSample = 16;
    constexpr quint16 blockAlign = channels * bitsPerSample / 8;
    const auto dataSize = static_cast<quint32>(samples.size() * blockAlign);

    QByteArray bytes;
    bytes.append("RIFF");
    put<quint32>(bytes, 36 + dataSize);
    bytes.append("WAVE");
    bytes.append("fmt ");
    put<quint32>(bytes, 16);
    put<quint16>(bytes, 1); // PCM
    put<quint16>(bytes, channels);
    put<quint32>(bytes, static_cast<quint32>(sampleRate));
    put<quint32>(bytes, static_cast<quint32>(sampleRate) * blockAlign);
    put<quint16>(bytes, blockAlign);
    put<quint16>(bytes, bitsPerSample);
    bytes.append("data");
    put<quint32>(bytes, dataSize);
    for (const qint16 sample : samples)
        put<qint16>(bytes, sample);
    return bytes;
}

} // namespace WavFile
