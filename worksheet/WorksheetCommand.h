#pragma once

#include "worksheet/WorksheetOptions.h"

class QCommandLineParser;

// The sheet mode as the program's entry runs it. The entry adds the options
// with AddWorksheetOptions before it parses the command line, and hands over
// before it creates any application object:
//
//   if (WorksheetOptionsGiven(parser))
//       return RunWorksheetCommand(parser, argc, argv);

// Creates the application object the sheet mode needs and runs it: with a
// file, writes the PDF with no display at all (a relative name counts from
// POROMINKA_CALLER_DIR when the launcher sets it); without one, opens the
// "プリント" window. Gives the exit status: 0, or 2 for bad input or a file
// that cannot be written, after one line on standard error.
int RunWorksheetCommand(const QCommandLineParser& parser, int& argc, char** argv);
