// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SoundOutput.h"
#include "platform/WavSound.h"

#include <QDeadlineTimer>
#include <QMutex>
#include <QStringList>
#include <QThread>

#include <memory>
#include <optional>

class QObject;

// The thread the sound system lives on. The audio module is loaded and the
// audio server reached from here, so a server that is slow or never answers
// holds this thread alone, never the window's.
class SoundThread : public QThread {
public:
    SoundThread();

    // Hands a sound over and returns at once. Only the latest sound counts:
    // one still waiting for the thread is dropped for it.
    void Play(WavSound sound);

    // Asks the thread to end and waits for it until the deadline. False when
    // it is still busy inside the audio system.
    bool Finish(QDeadlineTimer deadline);

protected:
    void run() override;

private:
    void playPending();

    const QStringList modules_;
    QMutex mutex_;
    std::optional<WavSound> pending_;
    // Lives on the thread while it runs; a sound handed over is announced
    // to it as a queued call.
    QObject* receiver_ = nullptr;
    // Touched on the thread only.
    std::unique_ptr<SoundOutput> output_;
};
