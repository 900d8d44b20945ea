// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Whether a file is a whole PCM WAV that can be played: a regular file of at
// most 16 MiB (the program's own sounds last a second), RIFF WAVE with an
// integer PCM format of 8 or 16 bits, one or two channels, and a data chunk
// holding every byte its header declares. Anything else, a file cut short or
// empty, is treated like a missing sound, before the sound system sees it.
bool IsPlayableWavFile(const QString& path);
