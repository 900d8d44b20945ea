// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/WorksheetCommand.h"

#include "platform/CallerDirectory.h"
#include "worksheet/Worksheet.h"
#include "worksheet/WorksheetFiles.h"

#include <QGuiApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

int cannotWrite(const QString& reason)
{
    std::fprintf(stderr, "porominka: --worksheet: cannot write %s / プリントを かけません。\n", qUtf8Printable(reason));
    return 2;
}

} // namespace

int WriteWorksheetFile(const WorksheetRequest& request)
{
    const std::optional<QByteArray> callerDirectory = CallerDirectoryFor(request.file);
    if (!callerDirectory)
        return cannotWrite(QStringLiteral("\"%1\": the directory it was started from has no name").arg(request.file));
    WorksheetFiles files(request.file, request.key, *callerDirectory);
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
    // A seed the caller never saw could not make the same sheet again.
    if (!request.seedGiven && (std::printf("seed: %u\n", request.settings.seed) < 0 || std::fflush(stdout) != 0))
        return cannotWrite(QStringLiteral("\"seed: %1\": %2")
                               .arg(request.settings.seed)
                               .arg(QString::fromLocal8Bit(std::strerror(errno))));
    return 0;
}
