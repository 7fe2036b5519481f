// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/kit/ActivationWatch.h"

#include "ui/kit/Form.h"

#include <QApplication>
#include <QEvent>

namespace kit {

ActivationWatch::ActivationWatch(QWidget *window) : QObject(window), window_(window)
{
    window->installEventFilter(this);
}

bool ActivationWatch::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window_) {
        switch (event->type()) {
        case QEvent::Show:
            countNext_ = true;
            break;
        case QEvent::WindowDeactivate:
            // By now the application knows which window takes over: only another window of the
            // program makes the next return an activation, a message box or another program not.
            countNext_ = qobject_cast<Form *>(QApplication::activeWindow()) != nullptr;
            break;
        case QEvent::WindowActivate:
            if (countNext_) {
                countNext_ = false;
                emit activated();
            }
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kit
