#include "engine/ExerciseState.h"
#include "engine/RandomSource.h"
#include "model_answer_window/TForm2.h"
#include "platform/ApplicationHelp.h"
#include "platform/ApplicationTitle.h"
#include "practice_window/TForm1.h"
#include "worksheet/WorksheetCommand.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

int main(int argc, char* argv[])
{
    // The command line is read before any application object exists: the
    // worksheet mode makes its own, with no display when it writes a file.
    QCommandLineParser parser;
    AddWorksheetOptions(parser);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "porominka: %s\n", qUtf8Printable(parser.errorText()));
        return 2;
    }
    if (WorksheetOptionsGiven(parser))
        return RunWorksheetCommand(parser, argc, argv);

    QApplication application(argc, argv);
    SetApplicationTitle(QStringLiteral("ぽろみんか"));
    SetApplicationHelpFile(QStringLiteral("zumirano.hlp"));

    ExerciseState state;
    RandomSource random;
    TForm1 form1(state, random);
    form1.show();
    TForm2 form2(state);
    form1.SetModelAnswerWindow(&form2);

    // Closing the practice window ends the program; the model-answer window
    // and the help viewer do not keep it alive.
    return application.exec();
}
