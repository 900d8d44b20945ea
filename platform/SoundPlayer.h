// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

// Plays a WAV from the current directory without waiting for it. A new sound
// cuts off one still playing; a missing file, or one that cannot be played,
// gives the system's beep instead; nothing here ever throws.
void PlaySoundFile(const QString& bareName);

// While muted, PlaySoundFile does nothing at all: no sound, no beep, and the
// recorder hears of no request. For a shared room ("--mute").
void SetSoundMuted(bool muted);

// Tests watch which sound was asked for and whether a playable file was there.
// The recorder only observes: the sound still plays.
using SoundRecorder = std::function<void(const QString& bareName, bool fileFound)>;
void SetSoundRecorder(SoundRecorder recorder);
