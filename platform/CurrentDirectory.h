// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The process's working directory as the system reports it, however long,
// with one "/" appended whatever it ends in (so "/" itself gives "//").
QString CurrentDirectoryWithSeparator();
