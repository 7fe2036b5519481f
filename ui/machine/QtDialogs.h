// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/machine/Seams.h"

#include <QFont>

namespace kit {

class Display;

// Message and input boxes as the child sees them: German buttons, CRs shown as line breaks.
class QtDialogs final : public Dialogs
{
public:
    // A box belongs to the window in front, which the display knows; without one, to the active
    // window.
    explicit QtDialogs(const Display *display = nullptr) : display_(display) {}

    void message(const QString &text, const QString &title) override;
    Answer question(const QString &text, const QString &title) override;
    QString inputBox(const QString &prompt, const QString &title, const QString &proposed) override;
    void beep() override;
    void help(const QString &text, const QString &title, const QString &sentence) override;

    // The program's texts end lines with CR alone; Qt breaks lines on LF.
    static QString displayText(const QString &text);
    // The boxes' face, grown with the windows' zoom.
    static QFont dialogFont(double zoom);

private:
    QWidget *dialogParent() const;
    // The zoom the windows are drawn at, which the display knows; 1 without one.
    double zoom() const;

    const Display *display_;
};

} // namespace kit
