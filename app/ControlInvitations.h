// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/Invitations.h"

#include <QObject>
#include <QString>

class QWidget;
struct SharedValues;

// Hands the program's table of invitations to the controls: each window's controls carry their
// sentence as the description a screen reader gives, refreshed whenever the window shows (some
// sentences follow the number range), and reading aloud asks here what to say for a control.
class ControlInvitations final : public QObject
{
public:
    explicit ControlInvitations(const SharedValues &shared);

    // What a control is, or one of a list's rows counted from 1 (0: the control): what the
    // control tells itself, else what its window's and its own name say.
    static Invitation invitationOf(const QWidget *control, int row);
    // The sentence for a control or a row.
    QString sentenceFor(const QWidget *control, int row) const;
    // Keeps the window's controls described from now on.
    void watch(QWidget *window);
    void describe(QWidget *window) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const SharedValues &shared_;
};
