// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// Every picture, sound and the help file the program opens from its working
// directory, opened the way the program opens it. Pictures need a
// QGuiApplication (any platform, offscreen included).
namespace InstallationCheck {

// The bare names of all the files, each once.
QStringList ProgramFiles();
// For each file that cannot be opened, the words its error box shows.
QStringList Failures();

} // namespace InstallationCheck
