// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/PracticeSession.h"
#include "session/SessionView.h"

#include <functional>
#include <string>
#include <vector>

// The picture files a screen showing `drawn` must read to show `next`, in
// the order it reads them, each once: for a new sheet the result picture,
// the sign and every digit of the sum; otherwise only what changed; and
// "おてほん"'s sign and digits whenever it comes up with new content.
std::vector<std::string> PicturesToRead(const SessionView& drawn, const SessionView& next);

// Reads a picture for the screen; false when it cannot be read.
using PictureReader = std::function<bool(const std::string& file)>;

// The view to draw after an event, every picture it needs read beforehand
// with `read`. A picture that cannot be read is reported to the session,
// which takes the event back as far as it needed it; the view then drawn
// names the file, and holds no sound.
SessionView ViewToDraw(PracticeSession& session, const SessionView& drawn, const PictureReader& read);
