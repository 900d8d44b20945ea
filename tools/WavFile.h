// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <vector>

namespace WavFile {

// A complete RIFF/WAVE file holding the samples as 16-bit PCM, mono.
QByteArray encode(const std::vector<qint16>& samples, int sampleRate);

} // namespace WavFile
