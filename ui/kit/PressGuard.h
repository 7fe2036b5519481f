// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QEvent>
#include <QPointer>
#include <QSignalBlocker>
#include <QWidget>

namespace kit {

// Whether a box stands open over the control's window: the mouse and the keys cannot reach the
// control then, and a screen reader's press must not either.
bool blockedByBox(const QWidget *control);

// One action at a time per control. What a press starts may open a box, and events go on under
// it; a second press that reaches the control meanwhile (a screen reader's press is not held
// back by the box as the mouse is) does nothing.
class PressGuard
{
public:
    bool busy() const { return busy_; }

    // Runs `action` as the control's action, unless one is running already.
    template <typename Action> void run(QObject *control, Action &&action)
    {
        if (busy_)
            return;
        busy_ = true;
        const QPointer<QObject> alive(control);
        action();
        if (alive) // the action may have ended the control, and the guard with it
            busy_ = false;
    }

    // For a button, whose click Qt makes while handling an event (a release, a key, the timer of
    // a screen reader's press): such an event is handled without a click while the button's
    // action runs, and the timer's while a box stands over it.
    template <typename Handle> bool event(QWidget *control, QEvent *event, Handle &&handle)
    {
        if (mayClick(event->type()) && (busy_ || (event->type() == QEvent::Timer && blockedByBox(control)))) {
            const QSignalBlocker noClick(control);
            return handle();
        }
        if (busy_ || !mayClick(event->type()))
            return handle();
        bool handled = false;
        run(control, [&] { handled = handle(); });
        return handled;
    }

private:
    static bool mayClick(QEvent::Type type)
    {
        return type == QEvent::Timer || type == QEvent::MouseButtonRelease || type == QEvent::KeyPress ||
               type == QEvent::KeyRelease || type == QEvent::Shortcut;
    }

    bool busy_ = false;
};

} // namespace kit
