// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SoundPlayer.h"

#include "platform/SoundThread.h"
#include "platform/WavSound.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

bool muted = false;

SoundRecorder& recorder()
{
    static SoundRecorder value;
    return value;
}

// How long the program, as it ends, waits for the sound thread.
constexpr int finishPatienceMs = 250;

SoundThread*& runningThread()
{
    static SoundThread* thread = nullptr;
    return thread;
}

// False when the thread is still caught in the audio system. It is then left
// running: deleting a running thread would abort the program, and the
// pointer to it stays, so the memory is not lost either.
bool finishSoundThread()
{
    SoundThread*& thread = runningThread();
    if (thread && !thread->Finish(QDeadlineTimer(finishPatienceMs)))
        return false;
    delete thread;
    thread = nullptr;
    return true;
}

SoundThread& soundThread()
{
    SoundThread*& thread = runningThread();
    if (!thread) {
        thread = new SoundThread;
        thread->start(QThread::LowPriority);
        // Programs that never call EndSound (tests) finish it here.
        qAddPostRoutine([] { finishSoundThread(); });
    }
    return *thread;
}

// Waits for the window's first paint, starts the sound thread just after it,
// and goes.
class FirstPaintWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, [] { soundThread(); });
            deleteLater();
        }
        return false;
    }
};

} // namespace

void SetSoundRecorder(SoundRecorder newRecorder)
{
    recorder() = std::move(newRecorder);
}

void SetSoundMuted(bool on)
{
    muted = on;
}

void EndSound(int status)
{
    if (finishSoundThread())
        return;
    std::fflush(nullptr);
    std::_Exit(status);
}

void StartSoundAfterFirstPaint(QWidget* window)
{
    // A muted program never loads the audio libraries at all.
    if (muted)
        return;
    window->installEventFilter(new FirstPaintWatcher(window));
}

void PlaySoundFile(const QString& bareName)
{
    if (muted)
        return;
    std::optional<WavSound> sound = ReadWavFile(bareName);
    if (recorder())
        recorder()(bareName, sound.has_value());
    if (!sound) {
        QApplication::beep();
        return;
    }
    soundThread().Play(std::move(*sound));
}
