// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// Every picture, sound and the help file the program opens from its working
// directory, each judged as the program judges it when it uses it. Pictures
// need a QGuiApplication (any platform, offscreen included).
namespace InstallationCheck {

// The bare names of all the files, each once.
QStringList ProgramFiles();
// For each file the program would not use, the words its error box shows.
QStringList Failures();

} // namespace InstallationCheck
