// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ErrorBox.h"

#include <utility>
#include <vector>

using ErrorBoxes = std::vector<std::pair<QString, QString>>;

// While it lives, error boxes are appended to `boxes` (title, text) instead
// of blocking the test on a modal box; afterwards the real box is back.
class RecordedErrorBoxes {
public:
    explicit RecordedErrorBoxes(ErrorBoxes& boxes)
    {
        SetErrorBoxRecorder([&boxes](const QString& title, const QString& text) { boxes.emplace_back(title, text); });
    }
    ~RecordedErrorBoxes() { SetErrorBoxRecorder({}); }

    RecordedErrorBoxes(const RecordedErrorBoxes&) = delete;
    RecordedErrorBoxes& operator=(const RecordedErrorBoxes&) = delete;
};
