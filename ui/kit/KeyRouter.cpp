// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/kit/KeyRouter.h"

#include "ui/kit/Form.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace kit {

KeyRouter::KeyRouter()
{
    QCoreApplication::instance()->installEventFilter(this);
}

KeyRouter::~KeyRouter()
{
    if (QCoreApplication *application = QCoreApplication::instance())
        application->removeEventFilter(this);
}

bool KeyRouter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        if (auto *window = qobject_cast<Form *>(static_cast<QWidget *>(watched)->window()))
            return window->windowKey(static_cast<QKeyEvent *>(event));
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kit
