// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/speech/Speech.h"

#include <QObject>

namespace kit {
class PictureButton;
class Reading;
}

// The loudspeaker on the start page: a click switches reading aloud for this run. Its picture and
// name say whether reading is on, and when the machine cannot speak, why not; its tooltip says
// what a click does, or what the machine lacks. Where the voice is lost (the speech service died,
// hangs or has no German voice) reading goes off; a click asks the service again, and a voice
// that comes back brings reading back as it was.
class ReadingSwitch final : public QObject
{
public:
    ReadingSwitch(kit::PictureButton *loudspeaker, kit::Reading &reading);

    // The name for reading on or off; off for a reason where the machine cannot speak.
    static QString nameFor(bool on, kit::Speech::Voice voice = kit::Speech::Voice::Unknown);
    // The tooltip, as things stand now: what a click does, or which of the speech service and
    // its German voice the machine lacks.
    QString hint() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void toggle();
    bool canSpeak() const;
    void show(bool on);
    // The speech service has answered, or gone away, or come back.
    void voiceChanged();

    kit::PictureButton *loudspeaker_;
    kit::Reading &reading_;
    bool wanted_ = false; // reading was on, or asked for, when the voice failed
};
