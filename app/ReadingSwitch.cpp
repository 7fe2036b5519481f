// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ReadingSwitch.h"

#include "ui/kit/PictureButton.h"
#include "ui/speech/Accessibility.h"
#include "ui/speech/Reading.h"

#include <QEvent>
#include <utility>

using kit::Speech;

ReadingSwitch::ReadingSwitch(kit::PictureButton *loudspeaker, kit::Reading &reading)
    : QObject(loudspeaker), loudspeaker_(loudspeaker), reading_(reading)
{
    connect(loudspeaker_, &kit::PictureButton::clicked, this, &ReadingSwitch::toggle);
    connect(&reading_, &kit::Reading::switched, this, &ReadingSwitch::show);
    // Queued: the news may come while reading is busy saying something.
    connect(&reading_, &kit::Reading::voiceChanged, this, &ReadingSwitch::voiceChanged, Qt::QueuedConnection);
    loudspeaker_->installEventFilter(this);
    if (reading_.isOn())
        reading_.prepare();
    // The voice may have been lost before the page was there (reading from the start).
    voiceChanged();
}

QString ReadingSwitch::nameFor(bool on, Speech::Voice voice)
{
    switch (voice) {
    case Speech::Voice::NotInstalled:
        return QStringLiteral("Vorlesen aus: kein Sprachdienst");
    case Speech::Voice::NoAnswer:
        return QStringLiteral("Vorlesen aus: Der Sprachdienst antwortet nicht");
    case Speech::Voice::NoGermanVoice:
        return QStringLiteral("Vorlesen aus: keine deutsche Stimme");
    case Speech::Voice::Unknown:
    case Speech::Voice::German:
        break;
    }
    return on ? QStringLiteral("Vorlesen an") : QStringLiteral("Vorlesen aus");
}

QString ReadingSwitch::hint() const
{
    const QString again = QStringLiteral(" Ein Klick versucht es noch einmal.");
    switch (reading_.voice()) {
    case Speech::Voice::NotInstalled:
        return QStringLiteral("Vorlesen geht auf diesem Rechner nicht: Es fehlt der Sprachdienst "
                              "(zum Beispiel das Paket speech-dispatcher).") +
               again;
    case Speech::Voice::NoAnswer:
        return QStringLiteral("Vorlesen geht gerade nicht: Der Sprachdienst (speech-dispatcher) ist da, "
                              "antwortet aber nicht.") +
               again;
    case Speech::Voice::NoGermanVoice:
        return QStringLiteral("Vorlesen geht auf diesem Rechner nicht: Der Sprachdienst hat keine deutsche Stimme "
                              "(zum Beispiel aus dem Paket speech-dispatcher-espeak-ng).") +
               again;
    case Speech::Voice::Unknown:
    case Speech::Voice::German:
        break;
    }
    if (reading_.isOn())
        return QStringLiteral("Vorlesen ist an: Meldungen, Aufgaben und Namen werden vorgelesen. "
                              "Ein Klick schaltet es aus.");
    return QStringLiteral("Vorlesen einschalten: Meldungen, Aufgaben und Namen werden vorgelesen.");
}

bool ReadingSwitch::canSpeak() const
{
    const Speech::Voice voice = reading_.voice();
    return voice == Speech::Voice::Unknown || voice == Speech::Voice::German;
}

bool ReadingSwitch::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != loudspeaker_)
        return false;
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::FocusIn:
        // The speech service is asked only when someone comes near the switch, so a run that never
        // reads aloud never starts it; by the time the tooltip shows, the answer is mostly there.
        reading_.prepare();
        break;
    case QEvent::ToolTip:
        loudspeaker_->setToolTip(hint());
        break;
    default:
        break;
    }
    return false;
}

void ReadingSwitch::toggle()
{
    reading_.prepare();
    // Without a voice the click asks the service again; reading comes on once it answers.
    if (!canSpeak()) {
        wanted_ = true;
        return;
    }
    wanted_ = false;
    reading_.setOn(!reading_.isOn());
}

void ReadingSwitch::voiceChanged()
{
    if (!canSpeak()) {
        if (reading_.isOn()) {
            wanted_ = true;
            reading_.setOn(false); // shows it
            return;
        }
    } else if (reading_.voice() == Speech::Voice::German && std::exchange(wanted_, false)) {
        reading_.setOn(true);
        return;
    }
    show(reading_.isOn());
}

void ReadingSwitch::show(bool on)
{
    const Speech::Voice voice = reading_.voice();
    loudspeaker_->setPicture(on ? QStringLiteral("loudspeaker_on.svg") : QStringLiteral("loudspeaker_off.svg"),
                             nameFor(on, voice));
    loudspeaker_->setToolTip(hint());
    kit::setSwitchState(loudspeaker_, on);
}
