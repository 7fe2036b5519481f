// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/machine/Pointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace kit {

namespace mousepointer {

void set(Shape shape)
{
    const Shape shown = current();
    if (shape == shown)
        return;
    // Only one override of ours is ever on Qt's stack, so restoring it gives back whatever the
    // widgets show of their own.
    if (shape == Shape::Default)
        QGuiApplication::restoreOverrideCursor();
    else if (shown == Shape::Default)
        QGuiApplication::setOverrideCursor(QCursor(Qt::CrossCursor));
}

Shape current()
{
    // Qt keeps the pointer for the whole screen; what is shown is read there, not kept twice.
    const QCursor *over = QGuiApplication::overrideCursor();
    return over && over->shape() == Qt::CrossCursor ? Shape::Crosshair : Shape::Default;
}

} // namespace mousepointer

} // namespace kit
