#include "engine/ExerciseState.h"
#include "engine/RandomSource.h"
#include "model_answer_window/TForm2.h"
#include "platform/ApplicationHelp.h"
#include "platform/ApplicationTitle.h"
#include "platform/SoundPlayer.h"
#include "practice_window/TForm1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    SetApplicationTitle(QStringLiteral("ぽろみんか"));
    SetApplicationHelpFile(QStringLiteral("zumirano.hlp"));

    ExerciseState state;
    RandomSource random;
    TForm1 form1(state, random);
    form1.show();
    StartSoundAfterFirstPaint(&form1);
    TForm2 form2(state);
    form1.SetModelAnswerWindow(&form2);

    // Closing the practice window ends the program; the model-answer window
    // and the help viewer do not keep it alive, nor does the sound.
    const int status = application.exec();
    EndSound(status);
    return status;
}
