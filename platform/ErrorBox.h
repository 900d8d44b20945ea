// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

// The toolkit's standard error box: critical icon, the program's title, the
// message with a full stop, one OK button.
void ShowErrorBox(const QString& message);

// While set, error boxes go to the recorder instead of the screen, so tests
// never block on a modal box. An empty function brings the real box back.
using ErrorBoxRecorder = std::function<void(const QString& title, const QString& text)>;
void SetErrorBoxRecorder(ErrorBoxRecorder recorder);
