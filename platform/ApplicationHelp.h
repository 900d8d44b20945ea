// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class HelpViewer;

// The program's help file and the one help window that shows it.
void SetApplicationHelpFile(const QString& path);
QString ApplicationHelpFile();

// Opens the help file at its contents page, in the shared help window
// (made on first use and reused after).
void ShowHelpContents();

// The shared help window, or nullptr before help was first asked for.
HelpViewer* ApplicationHelpViewer();
