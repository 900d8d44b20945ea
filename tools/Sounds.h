// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <vector>

// The two judgement sounds, synthesised as 16-bit mono samples.
namespace Sounds {

inline constexpr int sampleRate = 22050;

// Right: a bright chime rising over three notes.
std::vector<qint16> maru();
// Wrong: a soft, low "boo" falling over two notes.
std::vector<qint16> batu();

} // namespace Sounds
