// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Speech.h"

#include <QList>
#include <QLocale>
#include <memory>
#include <optional>

class QThread;

namespace kit {

// The machine's German voice: straight through speech-dispatcher where this build has its
// library, else through Qt TextToSpeech.
//
// Connecting to the speech service can take seconds (it may have to start first) or hang when
// the service is stuck, so the voice lives on a thread of its own, started by the first text:
// the windows never wait for it. Texts said while the voice is still busy starting are not
// queued up; only the newest one is said.
class QtSpeech final : public Speech
{
public:
    enum class Status { NotStarted, Starting, Ready, Silent };

    // An empty engine name takes speech-dispatcher where there is one, else whatever Qt offers.
    explicit QtSpeech(const QString &engine = QString());
    ~QtSpeech() override;

    void speak(const QString &text) override;
    Voice voice() const override;
    void prepare() override;
    Status status() const;
    // Ends the voice's thread; waits only briefly for a stuck speech service, then leaves it.
    void shutDown();

    // The German locale to speak in: Germany's first, then any other German one.
    static std::optional<QLocale> germanLocale(const QList<QLocale> &offered);

    struct Speaker; // the part that lives on the voice's thread

private:
    // Starts the voice's thread and its connection to the speech service, once.
    void start();

    QString engine_;
    std::shared_ptr<Speaker> voice_;
    QThread *thread_ = nullptr;
    bool shutDown_ = false;
};

} // namespace kit
