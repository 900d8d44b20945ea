// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SoundThread.h"

#include <QCoreApplication>
#include <QLibrary>

namespace {

std::unique_ptr<SoundOutput> loadOutput(const QStringList& candidates)
{
    for (const QString& candidate : candidates) {
        // Never unloaded: the audio libraries keep threads of their own.
        QLibrary module(candidate);
        if (const auto create = reinterpret_cast<CreateSoundOutputFunction>(module.resolve(createSoundOutputName)))
            return std::unique_ptr<SoundOutput>(create());
    }
    return nullptr;
}

} // namespace

// The module is looked for beside the program first, then where it was built.
SoundThread::SoundThread()
    : modules_{QCoreApplication::applicationDirPath() + QStringLiteral("/" DRILL_AUDIO_MODULE_NAME),
               QStringLiteral(DRILL_AUDIO_MODULE_PATH)}
{
}

void SoundThread::Play(WavSound sound)
{
    const QMutexLocker lock(&mutex_);
    pending_ = std::move(sound);
    if (receiver_)
        QMetaObject::invokeMethod(receiver_, [this] { playPending(); }, Qt::QueuedConnection);
}

bool SoundThread::Finish(QDeadlineTimer deadline)
{
    // Told before its event loop has begun, the thread leaves it at once.
    quit();
    return wait(deadline);
}

void SoundThread::run()
{
    QObject receiver;
    {
        const QMutexLocker lock(&mutex_);
        receiver_ = &receiver;
    }
    output_ = loadOutput(modules_);
    playPending();
    exec();
    {
        const QMutexLocker lock(&mutex_);
        receiver_ = nullptr;
    }
    output_.reset();
}

void SoundThread::playPending()
{
    std::optional<WavSound> sound;
    {
        const QMutexLocker lock(&mutex_);
        sound.swap(pending_);
    }
    if (sound && output_)
        output_->Play(*sound);
}
