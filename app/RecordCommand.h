// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The private record moved in and out as one JSON file, with no display. A
// name relative to POROMINKA_CALLER_DIR, when the launcher sets it, counts
// from there. Only regular files are read, and written as worksheets are:
// whole or not at all, never through a link or into a device or a FIFO.
// Each gives 0, or 2 after one line on standard error; an import that gives
// 2 has changed nothing.
int ExportRecordFile(const QString& file);
int ImportRecordFile(const QString& file);

// Opens "きろく" and runs it until it is closed; the entry has created the
// application object.
int OpenRecordWindow();
