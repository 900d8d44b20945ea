// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// A PCM sound read whole from a WAV file, every byte its header declares at
// hand, so that nothing past this point waits for more of the file.
struct WavSound {
    int sampleRate = 0;
    int channels = 0;
    // 8 (unsigned), 16 or 32 (signed integers), or 32 with `floating`.
    int bitsPerSample = 0;
    bool floating = false;
    // Interleaved frames, a whole number of them.
    QByteArray samples;
};

// Reads a WAV from the current directory by its bare name, afresh on every
// call. Nothing comes back for a file that is missing, not a regular file,
// larger than any sound of the program (16 MiB), not a WAV, in a format the
// program does not play, empty of sound, or cut short of what its header
// declares.
std::optional<WavSound> ReadWavFile(const QString& bareName);
