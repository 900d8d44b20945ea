#include "SoundPlayer.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace {

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

QSoundEffect* effectFor(const QString& path)
{
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

void PlaySoundFile(const QString& bareName)
{
    const QString path = QDir::current().absoluteFilePath(bareName);
    const bool found = QFileInfo(path).isFile();
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
