// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/kit/PressGuard.h"

#include <QApplication>

namespace kit {

bool blockedByBox(const QWidget *control)
{
    const QWidget *box = QApplication::activeModalWidget();
    return box && control && box != control->window() && !box->isAncestorOf(control);
}

} // namespace kit
