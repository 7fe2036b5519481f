// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/speech/Speech.h"

#include <QList>
#include <QLocale>
#include <functional>
#include <memory>
#include <optional>

class QThread;

namespace kit {

// The machine's German voice: straight through speech-dispatcher, or through Qt TextToSpeech for
// an engine named on purpose (Qt's own speech-dispatcher engine uses the service's library, which
// ends the process on an answer it does not expect, so it is never taken unasked).
//
// Connecting to the speech service can take seconds (it may have to start first) or hang when
// the service is stuck, so the voice lives on a thread of its own, started by the first text:
// the windows never wait for it. Texts said while the voice is still busy starting are not
// queued up; only the newest one is said. The voice is ready only once the service has shown it
// can speak German, so no foreign voice ever reads a word. A service that went away (it died or
// was restarted) is connected to again once; when that fails too the voice is silent and says
// why, and a later text, no more often than every few seconds, tries again.
class QtSpeech final : public Speech
{
public:
    enum class Status { NotStarted, Starting, Ready, Silent };

    // An empty engine name (or "speechd") talks to speech-dispatcher; another one is Qt's engine
    // of that name.
    explicit QtSpeech(const QString &engine = QString());
    ~QtSpeech() override;

    void speak(const QString &text) override;
    Voice voice() const override;
    void prepare() override;
    void watchVoice(std::function<void()> changed) override;
    Status status() const;
    // Ends the voice's thread; waits only briefly for a stuck speech service, then leaves it.
    void shutDown();

    // The German locale to speak in: Germany's first, then any other German one.
    static std::optional<QLocale> germanLocale(const QList<QLocale> &offered);

    struct Speaker; // the part that lives on the voice's thread

private:
    // Starts the voice's thread and its connection to the speech service, once.
    void start();

    // Hands the text to the voice's thread unless a text is already on its way there.
    void post(const QString &text, bool replace);

    QString engine_;
    std::shared_ptr<Speaker> voice_;
    QThread *thread_ = nullptr;
    QObject *outbox_ = nullptr; // receives the voice's news on the windows' thread
    std::function<void()> watcher_;
    bool shutDown_ = false;
};

} // namespace kit
