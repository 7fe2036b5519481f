// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QTimer>

namespace kit {
class PictureButton;
class Reading;
}

// The loudspeaker on the start page: a click switches reading aloud for this run. Its picture and
// name say whether reading is on; its tooltip says what it does, or that the machine has no
// German voice, in which case the click does nothing.
class ReadingSwitch final : public QObject
{
public:
    ReadingSwitch(kit::PictureButton *loudspeaker, kit::Reading &reading);

    static QString nameFor(bool on);
    // The tooltip, as things stand now: what a click does, or which of the speech service and
    // its German voice the machine lacks.
    QString hint() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void toggle();
    bool canSpeak() const;
    void show(bool on);
    // The speech service answers in its own time: while reading is on and the answer is still
    // out, the switch looks again now and then, and goes off if there is no German voice after all.
    void watchVoice();
    void lookAtVoice();

    kit::PictureButton *loudspeaker_;
    kit::Reading &reading_;
    QTimer watch_;
    int looks_ = 0;
};
