// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WavFile.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace {

constexpr qint64 largestSoundFile = 16 << 20;
constexpr quint16 integerPcm = 1;

template <class T>
T readLittle(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<T>(bytes.constData() + at);
}

bool formatPlayable(const QByteArray& bytes, qsizetype at, quint32 size)
{
    if (size < 16)
        return false;
    const quint16 channels = readLittle<quint16>(bytes, at + 2);
    const quint16 bits = readLittle<quint16>(bytes, at + 14);
    return readLittle<quint16>(bytes, at) == integerPcm && (channels == 1 || channels == 2)
        && (bits == 8 || bits == 16) && readLittle<quint32>(bytes, at + 4) > 0;
}

} // namespace

bool IsPlayableWavFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > largestSoundFile)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.read(largestSoundFile);
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return false;
    // RIFF chunks: a four-letter name, a little-endian size, the body padded
    // to an even length. The format must come before the sound itself.
    bool formatSeen = false;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray name = bytes.mid(at, 4);
        const quint32 size = readLittle<quint32>(bytes, at + 4);
        const qsizetype body = at + 8;
        if (size > bytes.size() - body)
            return false;
        if (name == "fmt ") {
            if (!formatPlayable(bytes, body, size))
                return false;
            formatSeen = true;
        }
        if (name == "data")
            return formatSeen && size > 0;
        at = body + size + (size & 1);
    }
    return false;
}
