// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ErrorBox.h"
#include "platform/SoundPlayer.h"

#include <utility>
#include <vector>

// While it lives, each call the program makes to `setRecorder`'s recorder is
// appended to a list instead of blocking the test on a modal box or going
// unseen; afterwards the program's own behaviour is back.
template <auto setRecorder, typename Second>
class Recorded {
public:
    using List = std::vector<std::pair<QString, Second>>;
    explicit Recorded(List& list)
    {
        setRecorder([&list](const QString& first, const Second& second) { list.emplace_back(first, second); });
    }
    ~Recorded() { setRecorder({}); }

    Recorded(const Recorded&) = delete;
    Recorded& operator=(const Recorded&) = delete;
};

// Each error box as its title and text.
using RecordedErrorBoxes = Recorded<SetErrorBoxRecorder, QString>;
using ErrorBoxes = RecordedErrorBoxes::List;
// Each sound asked for, as its file name and whether it was there; the
// sounds still play.
using RecordedSounds = Recorded<SetSoundRecorder, bool>;
using SoundRequests = RecordedSounds::List;
