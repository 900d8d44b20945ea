// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Whether the program would use the file of this bare name from the working
// directory, judged by the very readers it uses it with: a picture as it is
// shown, a double-resolution twin ("n3@2x.bmp") as a screen scaled to 200 %
// shows it beside its plain picture (on its own where the plain one fails),
// a sound as it is played, the help file as the help window shows it. Pictures need a QGuiApplication (any
// platform, offscreen included).
bool ProgramUsesFile(const QString& bareName);
