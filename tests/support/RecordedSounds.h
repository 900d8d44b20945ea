// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SoundPlayer.h"

#include <utility>
#include <vector>

using SoundRequests = std::vector<std::pair<QString, bool>>;

// While it lives, every sound asked for is appended to `sounds` (file name,
// whether it was there); the sounds still play.
class RecordedSounds {
public:
    explicit RecordedSounds(SoundRequests& sounds)
    {
        SetSoundRecorder([&sounds](const QString& name, bool found) { sounds.emplace_back(name, found); });
    }
    ~RecordedSounds() { SetSoundRecorder({}); }

    RecordedSounds(const RecordedSounds&) = delete;
    RecordedSounds& operator=(const RecordedSounds&) = delete;
};
