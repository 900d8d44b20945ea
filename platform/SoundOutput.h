// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/WavSound.h"

// Where sounds are heard: the audio device. Made, used and destroyed on the
// sound thread only.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;

    // Starts the sound and returns; whatever still plays is cut off.
    virtual void Play(const WavSound& sound) = 0;
};

// The audio module makes its output through this function, found by name:
// the program loads the module, and the audio libraries it pulls in, only
// once the window is up.
using CreateSoundOutputFunction = SoundOutput* (*)();
inline constexpr char createSoundOutputName[] = "CreateSoundOutput";
