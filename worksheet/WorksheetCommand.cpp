#include "worksheet/WorksheetCommand.h"

#include "platform/ApplicationTitle.h"
#include "worksheet/Worksheet.h"
#include "worksheet/WorksheetOptions.h"
#include "worksheet/WorksheetPrinting.h"
#include "worksheet/WorksheetWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QSaveFile>

#include <cstdio>
#include <random>

namespace {

constexpr int badInput = 2;

int refuse(const QString& line)
{
    std::fprintf(stderr, "porominka: %s\n", qUtf8Printable(line));
    return badInput;
}

int cannotWrite(const QSaveFile& file)
{
    return refuse(QStringLiteral("--worksheet: cannot write \"%1\": %2").arg(file.fileName(), file.errorString()));
}

// The launcher starts the program in its own directory; a file named on the
// command line belongs where the caller was. Without the launcher the
// variable is unset, and a QDir of no path is the current directory.
QString callersPath(const QString& file)
{
    return QDir(qEnvironmentVariable("POROMINKA_CALLER_DIR")).absoluteFilePath(file);
}

int writeFile(const WorksheetRequest& request, int& argc, char** argv)
{
    // A file that cannot be written is refused before anything else starts.
    QSaveFile file(callersPath(request.file));
    if (!file.open(QIODevice::WriteOnly))
        return cannotWrite(file);
    // Drawing text needs the fonts of a GUI application, but no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    WriteWorksheetPdf(file, DrawWorksheet(request.settings));
    if (!file.commit())
        return cannotWrite(file);
    // A seed drawn at random is told, so the same sheet can be made again.
    if (!request.seedGiven)
        std::printf("seed: %u\n", request.settings.seed);
    return 0;
}

int openWindow(const WorksheetRequest& request, int& argc, char** argv)
{
    QApplication application(argc, argv);
    SetApplicationTitle(QStringLiteral("ぽろみんか"));
    WorksheetWindow window(request.settings);
    window.show();
    return application.exec();
}

} // namespace

int RunWorksheetCommand(const QCommandLineParser& parser, int& argc, char** argv)
{
    const auto read = ReadWorksheetOptions(parser);
    if (const QString* message = std::get_if<QString>(&read))
        return refuse(*message);
    WorksheetRequest request = std::get<WorksheetRequest>(read);
    if (!request.seedGiven)
        request.settings.seed = std::random_device{}();
    return request.file.isEmpty() ? openWindow(request, argc, argv) : writeFile(request, argc, argv);
}
