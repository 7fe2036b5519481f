// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/speech/QtSpeech.h"

#include "ui/speech/SpeechDispatcher.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QMutex>
#include <QMutexLocker>
#include <QTextToSpeech>
#include <QThread>
#include <atomic>
#include <limits>

namespace kit {

namespace {

// A silent voice is asked again by a later text after this long, twice as long after each
// failure up to the longest wait; by the switch (prepare) after a second.
constexpr qint64 firstRetryMs = 2000;
constexpr qint64 longestRetryMs = 60000;
constexpr qint64 retryByHandMs = 1000;

qint64 now()
{
    static const QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return clock.elapsed();
}

} // namespace

struct QtSpeech::Speaker
{
    QString engine;
    std::atomic<Status> status{Status::NotStarted};
    std::atomic<Speech::Voice> silentBecause{Speech::Voice::Unknown};
    std::atomic<bool> busy{false}; // inside a call to the speech service
    std::atomic<qint64> failedAt{0};
    std::atomic<qint64> retryAfter{0}; // how long after failedAt a text may try again

    QMutex mutex;
    QString pending;           // the newest text not yet said
    bool posted = false;       // a call to sayPending is on its way
    QObject *outbox = nullptr; // on the windows' thread; gone once the voice is shut down
    std::function<void()> *watcher = nullptr; // called there, by way of the outbox

    // Touched only on the voice's thread.
    QObject *inbox = nullptr;
    QTextToSpeech *tts = nullptr;
    SpeechDispatcher dispatcher;
    qint64 nextRetryMs = firstRetryMs;

    Speech::Voice voice() const;
    bool mayTryAgain(qint64 afterMs) const;
    void sayPending();
    void sayNewest();
    void startQtEngine();
    bool connect();
    void ready();
    void fail(Speech::Voice why, bool forGood = false);
    void told(Status status, Speech::Voice why);
};

Speech::Voice QtSpeech::Speaker::voice() const
{
    switch (status.load()) {
    case Status::Ready:
        return Speech::Voice::German;
    case Status::Silent:
        return silentBecause;
    case Status::NotStarted:
    case Status::Starting:
        break;
    }
    return Speech::Voice::Unknown;
}

bool QtSpeech::Speaker::mayTryAgain(qint64 afterMs) const
{
    const qint64 wait = retryAfter;
    return wait != std::numeric_limits<qint64>::max() && now() - failedAt >= qMin(afterMs, wait);
}

void QtSpeech::Speaker::told(Status newStatus, Speech::Voice why)
{
    const Speech::Voice before = voice();
    silentBecause = why;
    status = newStatus;
    if (voice() == before)
        return;
    QMutexLocker lock(&mutex);
    if (outbox) {
        QMetaObject::invokeMethod(
            outbox,
            [watcher = watcher] {
                if (*watcher)
                    (*watcher)();
            },
            Qt::QueuedConnection);
    }
}

void QtSpeech::Speaker::ready()
{
    nextRetryMs = firstRetryMs;
    told(Status::Ready, Speech::Voice::German);
}

void QtSpeech::Speaker::fail(Speech::Voice why, bool forGood)
{
    dispatcher.close();
    failedAt = now();
    retryAfter = forGood ? std::numeric_limits<qint64>::max() : nextRetryMs;
    nextRetryMs = qMin(nextRetryMs * 2, longestRetryMs);
    told(Status::Silent, why);
}

bool QtSpeech::Speaker::connect()
{
    switch (dispatcher.open()) {
    case SpeechDispatcher::Opened::Yes:
        break;
    case SpeechDispatcher::Opened::NotInstalled:
        fail(Speech::Voice::NotInstalled);
        return false;
    case SpeechDispatcher::Opened::NoAnswer:
        fail(Speech::Voice::NoAnswer);
        return false;
    }
    switch (dispatcher.hasGermanVoice()) {
    case SpeechDispatcher::German::Yes:
        ready();
        return true;
    case SpeechDispatcher::German::No:
        // Another language's voice would read our German words wrongly: better none.
        fail(Speech::Voice::NoGermanVoice);
        return false;
    case SpeechDispatcher::German::NoAnswer:
        break;
    }
    fail(Speech::Voice::NoAnswer);
    return false;
}

void QtSpeech::Speaker::startQtEngine()
{
    const QStringList engines = QTextToSpeech::availableEngines();
    if (!engines.contains(engine)) {
        fail(Speech::Voice::NotInstalled, true);
        return;
    }
    tts = new QTextToSpeech(engine);
    const std::optional<QLocale> german =
        tts->state() == QTextToSpeech::Error ? std::nullopt : germanLocale(tts->availableLocales());
    if (!german) {
        const bool broken = tts->state() == QTextToSpeech::Error;
        delete tts;
        tts = nullptr;
        fail(broken ? Speech::Voice::NoAnswer : Speech::Voice::NoGermanVoice, true);
        return;
    }
    tts->setLocale(*german);
    // A little slower than grown-ups talk.
    tts->setRate(-0.15);
    ready();
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
    if (!engine.isEmpty() && engine != QLatin1String("speechd")) {
        if (status == Status::Starting)
            startQtEngine();
        if (!tts)
            return;
        if (tts->state() == QTextToSpeech::Speaking)
            tts->stop(QTextToSpeech::BoundaryHint::Immediate);
        if (!text.isEmpty())
            tts->say(text);
        return;
    }
    // A text that came while the last try was failing waits for the next one.
    if (status == Status::Silent && !mayTryAgain(retryByHandMs))
        return;
    if (!dispatcher.isOpen() && !connect())
        return;
    if (dispatcher.say(text))
        return;
    // The service went away since the last text (it died, or was restarted): once more, anew.
    if (connect() && !dispatcher.say(text))
        fail(Speech::Voice::NoAnswer);
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
        voice_->dispatcher.close();
    }

private:
    std::shared_ptr<QtSpeech::Speaker> voice_;
};

} // namespace

QtSpeech::QtSpeech(const QString &engine) : engine_(engine) {}

QtSpeech::~QtSpeech()
{
    shutDown();
    delete outbox_;
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
    // News of the voice reach the windows' thread through an object of its own, which takes
    // news still on their way with it when it goes.
    outbox_ = new QObject;
    voice_->outbox = outbox_;
    voice_->watcher = &watcher_;
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
    // A silent voice drops the text, unless it is time to ask the service again.
    if (voice_->status == Status::Silent && !voice_->mayTryAgain(std::numeric_limits<qint64>::max()))
        return;
    post(text, true);
}

void QtSpeech::post(const QString &text, bool replace)
{
    QMutexLocker lock(&voice_->mutex);
    if (replace)
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
    if (shutDown_ || !QCoreApplication::instance())
        return;
    // The empty text connects and says nothing; a voice already asked for needs nothing more,
    // unless it gave up, when it is asked again.
    if (!voice_)
        speak(QString());
    else if (voice_->status == Status::Silent && voice_->mayTryAgain(retryByHandMs))
        post(QString(), false);
}

void QtSpeech::watchVoice(std::function<void()> changed)
{
    watcher_ = std::move(changed);
}

Speech::Voice QtSpeech::voice() const
{
    return voice_ ? voice_->voice() : Speech::Voice::Unknown;
}

void QtSpeech::shutDown()
{
    shutDown_ = true;
    if (voice_) {
        QMutexLocker lock(&voice_->mutex);
        voice_->outbox = nullptr;
    }
    if (!thread_)
        return;
    thread_->quit();
    // An idle voice ends at once. One inside a call may be held there by a stuck speech service,
    // for its time limit at most.
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
