// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/kit/Twips.h"

#include <QScrollBar>

namespace kit {

// The answer picker: a horizontal scroll bar whose Right and Up keys raise the value.
class ScrollBar : public QScrollBar, public TwipsPlaced
{
    Q_OBJECT
public:
    ScrollBar(QWidget *parent, const QString &name, const QRect &twips, int minimum, int maximum);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace kit
