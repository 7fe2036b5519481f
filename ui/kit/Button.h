// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/kit/PressGuard.h"
#include "ui/kit/Twips.h"

#include <QPushButton>

namespace kit {

// A command button with a letter-spaced caption and the program's 12 pt bold face.
class Button : public QPushButton, public TwipsPlaced
{
    Q_OBJECT
public:
    Button(QWidget *parent, const QString &name, const QRect &twips, const QString &caption);

    QString caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }

protected:
    bool event(QEvent *event) override;

private:
    PressGuard guard_;
};

} // namespace kit
