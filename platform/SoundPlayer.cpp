// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SoundPlayer.h"

#include "platform/WavFile.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QHash>
#include <QPointer>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>

namespace {

bool muted = false;

SoundRecorder& recorder()
{
    static SoundRecorder value;
    return value;
}

// One effect per file, kept for the life of the application (which owns
// them), so a sound played again is not decoded again.
QHash<QString, QPointer<QSoundEffect>>& effects()
{
    static QHash<QString, QPointer<QSoundEffect>> cache;
    return cache;
}

// Qt 6.4's sample cache can hang the program at exit when a sound file is
// still being read by its loading thread (the cache's destructor holds the
// lock that thread needs). So, as the application goes down, an effect still
// loading is given the moment it needs to finish.
void finishLoading()
{
    const QDeadlineTimer deadline(2000);
    for (const QPointer<QSoundEffect>& effect : std::as_const(effects())) {
        while (effect && effect->status() == QSoundEffect::Loading && !deadline.hasExpired()) {
            // Word that the file is read comes as a queued call to the
            // effect's own helper objects.
            for (QObject* helper : effect->children())
                QCoreApplication::sendPostedEvents(helper, QEvent::MetaCall);
            QThread::msleep(1);
        }
    }
}

QSoundEffect* effectFor(const QString& path)
{
    static bool exitGuarded = false;
    if (!exitGuarded) {
        qAddPostRoutine(finishLoading);
        exitGuarded = true;
    }
    QPointer<QSoundEffect>& effect = effects()[path];
    if (!effect) {
        effect = new QSoundEffect(QCoreApplication::instance());
        effect->setSource(QUrl::fromLocalFile(path));
    }
    return effect;
}

} // namespace

void SetSoundRecorder(SoundRecorder newRecorder)
{
    recorder() = std::move(newRecorder);
}

void SetSoundMuted(bool on)
{
    muted = on;
}

void PlaySoundFile(const QString& bareName)
{
    if (muted)
        return;
    const QString path = QDir::current().absoluteFilePath(bareName);
    // A file that cannot be played is no better than a missing one; it is
    // looked at afresh each time, so a mended file plays at the next try.
    const bool found = IsPlayableWavFile(path);
    if (recorder())
        recorder()(bareName, found);
    if (!found) {
        QApplication::beep();
        return;
    }
    // Whatever still plays is cut off, this file's own effect included, so a
    // sound asked for again starts from its beginning.
    for (QSoundEffect* playing : std::as_const(effects())) {
        if (playing)
            playing->stop();
    }
    effectFor(path)->play();
}
