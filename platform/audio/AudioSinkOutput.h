// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SoundOutput.h"

#include <QAudioSink>
#include <QBuffer>

#include <memory>

// Plays sounds on the system's default audio output through Qt Multimedia.
class AudioSinkOutput : public SoundOutput {
public:
    // Reaches the audio server and finds its output, which may take long
    // when the server is slow to answer.
    AudioSinkOutput();

    void Play(const WavSound& sound) override;

private:
    // The sink reads from the buffer, so it goes first.
    std::unique_ptr<QBuffer> samples_;
    std::unique_ptr<QAudioSink> sink_;
};
