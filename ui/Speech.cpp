// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Speech.h"

#include "ui/QtSpeech.h"

#include <QGuiApplication>

namespace {

Speech *currentSpeech = nullptr;

class Silence final : public Speech
{
public:
    void speak(const QString &) override {}
};

// Runs without a screen (tests, CI, the package check) have no one to listen either: they never
// start the speech service.
bool headless()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

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
    static Silence silence;
    if (currentSpeech)
        return *currentSpeech;
    return headless() ? static_cast<Speech &>(silence) : systemSpeech();
}

void setSpeech(Speech *replacement)
{
    currentSpeech = replacement;
}

} // namespace seams
