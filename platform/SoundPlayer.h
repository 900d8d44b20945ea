// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QWidget;

// Plays a WAV from the current directory by its bare name without waiting
// for it: the file is read and checked here, and the sound handed to the
// sound thread. A new sound cuts off one still playing. A file that is
// missing or cannot be played gives the system's beep instead, and is read
// afresh the next time it is asked for. Nothing here ever throws or waits
// on the audio system.
void PlaySoundFile(const QString& bareName);

// While muted, PlaySoundFile does nothing at all: no sound, no beep, and the
// recorder hears of no request. For a shared room ("--mute").
void SetSoundMuted(bool muted);

// Starts the sound thread once the window has first been painted, so that the
// audio libraries load and the audio server is reached off the way to the
// first picture, and before the first judgement.
void StartSoundAfterFirstPaint(QWidget* window);

// As the program ends: stops the sound thread, waiting a moment for it at
// most. A thread caught in an audio server that never answers cannot be
// waited for, and the audio libraries would wait for it as the process
// unwinds its static objects; so the process ends here and now, with
// `status`. The windows are gone and nothing is kept between runs.
void EndSound(int status);

// Tests watch which sound was asked for and whether its file could be
// played. The recorder only observes: the sound still plays, or beeps.
using SoundRecorder = std::function<void(const QString& bareName, bool playable)>;
void SetSoundRecorder(SoundRecorder recorder);
