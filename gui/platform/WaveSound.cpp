#include "platform/WaveSound.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace vantorel {

void PlayWave(const QString& resource) {
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    auto* effect = new QSoundEffect(QCoreApplication::instance());
    effect->setSource(QUrl(QStringLiteral("qrc") + resource));
    QObject::connect(effect, &QSoundEffect::playingChanged, effect, [effect] {
        if (!effect->isPlaying())
            effect->deleteLater();
    });
    effect->play();
}

} // namespace vantorel
