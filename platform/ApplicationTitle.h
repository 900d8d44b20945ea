// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The program's name as it captions its error boxes. Kept apart from Qt's
// application display name, which Qt would append to every window title.
void SetApplicationTitle(const QString& title);
QString ApplicationTitle();
