// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/QtSpeech.h"

#include "ui/SpeechDispatcher.h"

#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QTextToSpeech>
#include <QThread>
#include <atomic>

namespace kit {

struct QtSpeech::Speaker
{
    QString engine;
    std::atomic<Status> status{Status::NotStarted};
    std::atomic<bool> busy{false}; // inside a call to the speech service
    std::atomic<bool> noService{false}; // silent because there is no speech service at all

    QMutex mutex;
    QString pending;     // the newest text not yet said
    bool posted = false; // a call to sayPending is on its way

    // Touched only on the voice's thread.
    QObject *inbox = nullptr;
    QTextToSpeech *tts = nullptr;
    std::unique_ptr<SpeechDispatcher> dispatcher; // instead of tts where this build has it
    bool voiceLookedFor = false;

    void start();
    void lookForGermanVoice();
    void sayPending();
    void sayNewest();
};

void QtSpeech::Speaker::start()
{
    if (SpeechDispatcher::available() && (engine.isEmpty() || engine == QLatin1String("speechd"))) {
        dispatcher = std::make_unique<SpeechDispatcher>();
        if (dispatcher->open()) {
            status = Status::Ready;
        } else {
            dispatcher.reset();
            noService = true;
            status = Status::Silent;
        }
        return;
    }
    const QStringList engines = QTextToSpeech::availableEngines();
    QString name = engine;
    if (name.isEmpty())
        name = engines.contains(QStringLiteral("speechd")) ? QStringLiteral("speechd") : engines.value(0);
    if (name.isEmpty() || !engines.contains(name)) {
        noService = true;
        status = Status::Silent;
        return;
    }
    tts = new QTextToSpeech(name);
    if (tts->state() == QTextToSpeech::Error)
        noService = true;
    const std::optional<QLocale> german =
        tts->state() == QTextToSpeech::Error ? std::nullopt : germanLocale(tts->availableLocales());
    if (!german) {
        // Another language's voice would read our German words wrongly: better none.
        delete tts;
        tts = nullptr;
        status = Status::Silent;
        return;
    }
    tts->setLocale(*german);
    // A little slower than grown-ups talk.
    tts->setRate(-0.15);
    status = Status::Ready;
}

void QtSpeech::Speaker::sayPending()
{
    busy = true;
    sayNewest();
    busy = false;
}

void QtSpeech::Speaker::sayNewest()
{
    QString text;
    {
        QMutexLocker lock(&mutex);
        text = pending;
        pending.clear();
        posted = false;
    }
    if (status == Status::Starting)
        start();
    if (dispatcher) {
        dispatcher->say(text);
        // Said first, looked at after: the first word need not wait for the answer.
        if (!text.isEmpty() && !voiceLookedFor) {
            voiceLookedFor = true;
            lookForGermanVoice();
        }
        return;
    }
    if (!tts)
        return;
    if (tts->state() == QTextToSpeech::Speaking)
        tts->stop(QTextToSpeech::BoundaryHint::Immediate);
    if (!text.isEmpty())
        tts->say(text);
}

void QtSpeech::Speaker::lookForGermanVoice()
{
    if (!dispatcher)
        return;
    if (dispatcher->hasGermanVoice())
        return;
    // Another language's voice would read our German words wrongly: better none.
    dispatcher->say(QString());
    dispatcher.reset();
    status = Status::Silent;
}

namespace {

// The voice's thread: an event loop for the texts, and the engine put away on the same thread.
class VoiceThread final : public QThread
{
public:
    explicit VoiceThread(std::shared_ptr<QtSpeech::Speaker> voice) : voice_(std::move(voice)) {}

protected:
    void run() override
    {
        exec();
        delete voice_->tts;
        voice_->tts = nullptr;
        voice_->dispatcher.reset();
    }

private:
    std::shared_ptr<QtSpeech::Speaker> voice_;
};

} // namespace

QtSpeech::QtSpeech(const QString &engine) : engine_(engine) {}

QtSpeech::~QtSpeech()
{
    shutDown();
}

QtSpeech::Status QtSpeech::status() const
{
    return voice_ ? voice_->status.load() : Status::NotStarted;
}

void QtSpeech::start()
{
    voice_ = std::make_shared<Speaker>();
    voice_->engine = engine_;
    voice_->status = Status::Starting;
    thread_ = new VoiceThread(voice_);
    thread_->setObjectName(QStringLiteral("Stimme"));
    voice_->inbox = new QObject;
    voice_->inbox->moveToThread(thread_);
    thread_->start(QThread::LowPriority);
}

void QtSpeech::speak(const QString &text)
{
    if (shutDown_ || !QCoreApplication::instance())
        return;
    if (!voice_)
        start();
    if (voice_->status == Status::Silent)
        return;
    QMutexLocker lock(&voice_->mutex);
    voice_->pending = text;
    if (voice_->posted)
        return;
    voice_->posted = true;
    std::shared_ptr<Speaker> voice = voice_;
    QMetaObject::invokeMethod(
        voice_->inbox, [voice] { voice->sayPending(); }, Qt::QueuedConnection);
}

void QtSpeech::prepare()
{
    // The empty text connects and says nothing; a voice already asked for needs nothing more.
    if (!voice_)
        speak(QString());
}

Speech::Voice QtSpeech::voice() const
{
    switch (status()) {
    case Status::Ready:
        return Speech::Voice::German;
    case Status::Silent:
        return voice_->noService ? Speech::Voice::NoService : Speech::Voice::None;
    case Status::NotStarted:
    case Status::Starting:
        break;
    }
    return Speech::Voice::Unknown;
}

void QtSpeech::shutDown()
{
    shutDown_ = true;
    if (!thread_)
        return;
    thread_->quit();
    // An idle voice ends at once. One inside a call may be held there by a stuck speech service.
    if (!voice_->busy && thread_->wait(QDeadlineTimer(250))) {
        delete voice_->inbox;
        delete thread_;
    }
    // Otherwise the thread is left to the end of the process rather than make the child wait for
    // the window to close.
    thread_ = nullptr;
}

std::optional<QLocale> QtSpeech::germanLocale(const QList<QLocale> &offered)
{
    std::optional<QLocale> found;
    for (const QLocale &locale : offered) {
        if (locale.language() != QLocale::German)
            continue;
        if (locale.territory() == QLocale::Germany)
            return locale;
        if (!found)
            found = locale;
    }
    return found;
}

} // namespace kit
