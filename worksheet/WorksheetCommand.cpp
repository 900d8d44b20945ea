// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/WorksheetCommand.h"

#include "platform/NativeName.h"
#include "platform/WrittenFile.h"
#include "worksheet/Worksheet.h"
#include "worksheet/WorksheetPrinting.h"
#include "worksheet/WorksheetWindow.h"

#include <QApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

int cannotWrite(const QString& file, const QString& reason)
{
    std::fprintf(stderr, "porominka: --worksheet: cannot write \"%s\": %s\n", qUtf8Printable(file),
                 qUtf8Printable(reason));
    return 2;
}

} // namespace

int WriteWorksheetFile(const WorksheetRequest& request)
{
    // The launcher names the caller's directory; a launcher that could not
    // (the directory was deleted) leaves the name empty, and a relative file
    // then has nowhere it belongs.
    const QByteArray callerDirectory = qgetenv("POROMINKA_CALLER_DIR");
    if (qEnvironmentVariableIsSet("POROMINKA_CALLER_DIR") && callerDirectory.isEmpty()
        && !request.file.startsWith(u'/'))
        return cannotWrite(request.file, QStringLiteral("the directory it was started from has no name"));
    WrittenFile file(NameToBytes(request.file), callerDirectory);
    if (!file.open())
        return cannotWrite(request.file, file.errorString());
    // Drawing text needs the fonts of a GUI application, but no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "porominka";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    if (!file.commit(WorksheetPdf(DrawWorksheet(request.settings))))
        return cannotWrite(request.file, file.errorString());
    // A seed the caller never saw could not make the same sheet again.
    if (!request.seedGiven && (std::printf("seed: %u\n", request.settings.seed) < 0 || std::fflush(stdout) != 0))
        return cannotWrite(QStringLiteral("seed: %1").arg(request.settings.seed), QString::fromLocal8Bit(std::strerror(errno)));
    return 0;
}

int OpenWorksheetWindow(const WorksheetRequest& request)
{
    WorksheetWindow window(request.settings);
    window.show();
    return QApplication::exec();
}
