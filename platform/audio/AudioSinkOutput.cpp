// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio/AudioSinkOutput.h"

#include <QMediaDevices>

extern "C" Q_DECL_EXPORT SoundOutput* CreateSoundOutput()
{
    return new AudioSinkOutput;
}

// Asking for the output once reaches the audio server ahead of the first
// sound.
AudioSinkOutput::AudioSinkOutput()
{
    QMediaDevices::defaultAudioOutput();
}

void AudioSinkOutput::Play(const WavSound& sound)
{
    sink_.reset();
    samples_.reset();
    // Looked up at each sound, so a headset plugged in meanwhile is used.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    QAudioFormat format;
    format.setSampleRate(sound.sampleRate);
    format.setChannelCount(sound.channels);
    // 8-bit samples are unsigned in a WAV, wider ones signed.
    const QAudioFormat::SampleFormat integer = sound.bitsPerSample == 8 ? QAudioFormat::UInt8
        : sound.bitsPerSample == 16                                      ? QAudioFormat::Int16
                                                                         : QAudioFormat::Int32;
    format.setSampleFormat(sound.floating ? QAudioFormat::Float : integer);
    samples_ = std::make_unique<QBuffer>();
    samples_->setData(sound.samples);
    samples_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->start(samples_.get());
}
