// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/kit/Button.h"

#include "ui/kit/Fonts.h"

namespace kit {

Button::Button(QWidget *parent, const QString &name, const QRect &twips, const QString &caption)
    : QPushButton(caption, parent), TwipsPlaced(this)
{
    setObjectName(name);
    setFont(kit::fontAt(zoomValue(), QStringLiteral("MS Sans Serif"), 12, true));
    setAutoDefault(false);
    setRectTwips(twips);
}

bool Button::event(QEvent *event)
{
    return guard_.event(this, event, [&] { return QPushButton::event(event); });
}

} // namespace kit
