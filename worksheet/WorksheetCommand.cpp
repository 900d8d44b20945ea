// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/WorksheetCommand.h"

#include "worksheet/Worksheet.h"
#include "worksheet/WorksheetFiles.h"
#include "worksheet/WorksheetPrinting.h"

#include <QGuiApplication>
#include <QDir>

#include <cstdio>

namespace {

int cannotWrite(const QString& reason)
{
    std::fprintf(stderr, "porominka: --worksheet: cannot write %s\n", qUtf8Printable(reason));
    return 2;
}

// The launcher starts the program in its own directory; a file named on the
// command line belongs where the caller was. Without the launcher the
// variable is unset, and a QDir of no path is the current directory.
QString callersPath(const QString& file)
{
    return QDir(qEnvironmentVariable("POROMINKA_CALLER_DIR")).absoluteFilePath(file);
}

} // namespace

int WriteWorksheetFile(const WorksheetRequest& request)
{
    WorksheetFiles files(callersPath(request.file), request.key);
    if (const QString failure = files.Open(); !failure.isEmpty())
        return cannotWrite(failure);
    // Drawing text needs the fonts of a GUI application, but no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "porominka";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    if (const QString failure = files.Write(DrawWorksheet(request.settings)); !failure.isEmpty())
        return cannotWrite(failure);
    if (!request.seedGiven)
        std::printf("seed: %u\n", request.settings.seed);
    return 0;
}
