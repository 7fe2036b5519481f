// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace kit {

// Hands every key pressed in a window of the program to that window first (Form::windowKey),
// before the focused control: one filter for the whole application, installed while it lives.
class KeyRouter final : public QObject
{
public:
    KeyRouter();
    ~KeyRouter() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace kit
