// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/kit/Screens.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace kit::screens {

namespace {

const QScreen *screenOf(const QWidget *window)
{
    const QScreen *screen = window ? window->screen() : nullptr;
    return screen ? screen : QGuiApplication::primaryScreen();
}

} // namespace

bool placesWindows()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QRect freeArea(const QWidget *window)
{
    const QScreen *screen = screenOf(window);
    return screen ? screen->availableGeometry() : QRect();
}

QRect wholeScreen(const QWidget *window)
{
    const QScreen *screen = screenOf(window);
    return screen ? screen->geometry() : QRect();
}

} // namespace kit::screens
