// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The help file as the help window has it: not there, there but not to be
// shown, or a page to show.
struct HelpPage {
    enum class State { Missing, Unshowable, Shown };
    State state = State::Missing;
    // For Shown: the page written anew in the help's own markup.
    QString html;
};

// Reads the help file at `path`; where the path formed from the working
// directory cannot be opened (its name is not text, or too long), the
// file's bare name is tried. A file is refused without a byte read when it
// is not a regular file or larger than any help page (64 KiB); it is not
// shown unless it is UTF-8 text without control characters, within the
// help's markup.
HelpPage ReadHelpPage(const QString& path);
