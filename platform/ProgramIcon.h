// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The program's icon, the mascot's head, in every size the desktop menus get
// it in; at 32 pixels the window's own sixteen-colour icon.
QIcon ProgramIcon();
