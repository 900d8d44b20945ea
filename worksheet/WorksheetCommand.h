// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "worksheet/WorksheetOptions.h"

// Writes the sheet into its file with no display at all. The file is opened
// before anything else starts, and only then is an offscreen application
// object created for the fonts; so the entry creates none for this. The
// file's name keeps the caller's bytes; a relative one counts from
// POROMINKA_CALLER_DIR when the launcher sets it, else from the working
// directory. Gives 0, or 2 after one line on standard error when the file
// cannot be written (see WrittenFile). A seed drawn at random is printed
// once the sheet is written.
int WriteWorksheetFile(const WorksheetRequest& request);
