#include "ui/Speech.h"

#include "ui/QtSpeech.h"

#include <QCoreApplication>

namespace {

Speech *currentSpeech = nullptr;

QtSpeech &systemSpeech()
{
    static QtSpeech voice;
    static bool watchingQuit = false;
    if (!watchingQuit && QCoreApplication::instance()) {
        // The voice's thread ends with the event loop, while the application is still there.
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, [] { voice.shutDown(); });
        watchingQuit = true;
    }
    return voice;
}

} // namespace

namespace seams {

Speech &speech()
{
    return currentSpeech ? *currentSpeech : systemSpeech();
}

void setSpeech(Speech *replacement)
{
    currentSpeech = replacement;
}

} // namespace seams
