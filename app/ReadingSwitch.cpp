// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ReadingSwitch.h"

#include "ui/PictureButton.h"
#include "ui/Reading.h"

#include <QEvent>

using kit::Speech;

ReadingSwitch::ReadingSwitch(kit::PictureButton *loudspeaker, kit::Reading &reading)
    : QObject(loudspeaker), loudspeaker_(loudspeaker), reading_(reading)
{
    connect(loudspeaker_, &kit::PictureButton::clicked, this, &ReadingSwitch::toggle);
    connect(&reading_, &kit::Reading::switched, this, &ReadingSwitch::show);
    loudspeaker_->installEventFilter(this);
    watch_.setInterval(200);
    connect(&watch_, &QTimer::timeout, this, &ReadingSwitch::lookAtVoice);
    show(reading_.isOn());
    if (reading_.isOn())
        watchVoice();
}

QString ReadingSwitch::nameFor(bool on)
{
    return on ? QStringLiteral("Vorlesen an") : QStringLiteral("Vorlesen aus");
}

QString ReadingSwitch::hint() const
{
    switch (reading_.voice()) {
    case Speech::Voice::NoService:
        return QStringLiteral("Vorlesen geht auf diesem Rechner nicht: Es fehlt der Sprachdienst "
                              "(zum Beispiel das Paket speech-dispatcher).");
    case Speech::Voice::None:
        return QStringLiteral("Vorlesen geht auf diesem Rechner nicht: Der Sprachdienst hat keine deutsche Stimme "
                              "(zum Beispiel aus dem Paket speech-dispatcher-espeak-ng).");
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
    return voice != Speech::Voice::None && voice != Speech::Voice::NoService;
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
    // Without a German voice the switch stays as it is; the tooltip says why.
    if (!canSpeak())
        return;
    reading_.prepare();
    reading_.setOn(!reading_.isOn());
    if (reading_.isOn())
        watchVoice();
}

void ReadingSwitch::watchVoice()
{
    reading_.prepare();
    looks_ = 0;
    lookAtVoice();
    if (reading_.voice() == Speech::Voice::Unknown)
        watch_.start();
}

void ReadingSwitch::lookAtVoice()
{
    // A stuck speech service never answers: after half a minute the switch stops asking.
    constexpr int mostLooks = 150;
    switch (reading_.voice()) {
    case Speech::Voice::Unknown:
        if (++looks_ < mostLooks)
            return;
        break;
    case Speech::Voice::None:
    case Speech::Voice::NoService:
        if (reading_.isOn())
            reading_.setOn(false);
        show(false);
        break;
    case Speech::Voice::German:
        break;
    }
    watch_.stop();
}

void ReadingSwitch::show(bool on)
{
    loudspeaker_->setPicture(on ? QStringLiteral("loudspeaker_on.svg") : QStringLiteral("loudspeaker_off.svg"),
                             nameFor(on));
    loudspeaker_->setToolTip(hint());
}
