// SPDX-License-Identifier: GPL-3.0-or-later
#include "model_answer_window/TForm2.h"
#include "platform/ApplicationTitle.h"
#include "platform/ErrorBox.h"
#include "practice_window/TForm1.h"
#include "session/PracticeSession.h"
#include "widgets/EntryCell.h"
#include "widgets/KeypadKey.h"
#include "widgets/SpeedButton.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

// Both windows as the program starts them, working in the asset directory.
struct Drill {
    PracticeSession session{20240};
    TForm1 form{session};
    TForm2 form2;

    Drill()
    {
        form.SetModelAnswerWindow(&form2);
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            throw std::runtime_error("the practice window never came up");
    }
};

Drill& drill()
{
    static Drill* shown = new Drill; // lives until the program ends
    return *shown;
}

QPoint centre(const QWidget* control)
{
    return control->mapTo(control->window(), control->rect().center());
}

void click(const QWidget* control)
{
    QTest::mouseClick(control->window()->windowHandle(), Qt::LeftButton, {}, centre(control));
}

// "はじめる" / "つぎをやる": a problem drawn and laid out with its pictures.
void nextProblemPress(benchmark::State& run)
{
    Drill& d = drill();
    for (auto _ : run) {
        run.PauseTiming();
        d.session.ShowWorkedAnswer();
        d.session.PutAwayWorkedAnswer();
        d.form.Refresh();
        run.ResumeTiming();
        click(d.form.SpeedButton1);
    }
}

// "はんてい" on a wrong answer, which leaves the problem open to be judged
// again: messages, result picture, sound file read and handed over.
void judgingPress(benchmark::State& run)
{
    Drill& d = drill();
    click(d.form.Button12);
    for (auto _ : run)
        click(d.form.SpeedButton1);
}

// "せいかいを見る": the model-answer window drawn and shown.
void showingModelAnswer(benchmark::State& run)
{
    Drill& d = drill();
    click(d.form.Button12);
    for (auto _ : run) {
        run.PauseTiming();
        d.session.PutAwayWorkedAnswer();
        d.form.Refresh();
        run.ResumeTiming();
        click(d.form.Button14);
    }
    d.session.PutAwayWorkedAnswer();
    d.form.Refresh();
}

// A digit carried from the keypad lands on an answer cell.
void dropOnCell(benchmark::State& run)
{
    Drill& d = drill();
    click(d.form.Button12);
    QWindow* window = d.form.windowHandle();
    for (auto _ : run) {
        run.PauseTiming();
        click(d.form.Button5);
        run.ResumeTiming();
        QTest::mouseMove(window, centre(d.form.Edit12));
        run.PauseTiming();
        QTest::mouseMove(window, centre(d.form.Button5));
        run.ResumeTiming();
    }
}

} // namespace

BENCHMARK(nextProblemPress)->Unit(benchmark::kMicrosecond);
BENCHMARK(judgingPress)->Unit(benchmark::kMicrosecond);
BENCHMARK(showingModelAnswer)->Unit(benchmark::kMicrosecond);
BENCHMARK(dropOnCell)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    SetApplicationTitle(QStringLiteral("ぽろみんか"));
    // A box would wait for a click: any failure ends the run.
    SetErrorBoxRecorder([](const QString&, const QString& text) { qFatal("%s", qPrintable(text)); });
    QDir::setCurrent(QStringLiteral(DRILL_ASSETS_DIR));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
