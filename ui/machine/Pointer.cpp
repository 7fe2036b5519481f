// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/machine/Pointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace kit {

namespace {
mousepointer::Shape shown = mousepointer::Shape::Default;
}

namespace mousepointer {

void set(Shape shape)
{
    if (shape == shown)
        return;
    // Only one override of ours is ever on Qt's stack, so restoring it gives back whatever the
    // widgets show of their own.
    if (shape == Shape::Default)
        QGuiApplication::restoreOverrideCursor();
    else if (shown == Shape::Default)
        QGuiApplication::setOverrideCursor(QCursor(Qt::CrossCursor));
    shown = shape;
}

Shape current()
{
    return shown;
}

} // namespace mousepointer

} // namespace kit
