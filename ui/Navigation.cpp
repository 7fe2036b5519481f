// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Navigation.h"

#include <utility>

namespace {

std::function<void()> &startPageHandler()
{
    static std::function<void()> handler;
    return handler;
}

std::function<void()> &giveKeysHandler()
{
    static std::function<void()> handler;
    return handler;
}

} // namespace

namespace navigation {

void showStartPage()
{
    if (startPageHandler())
        startPageHandler()();
}

void setStartPageHandler(std::function<void()> handler)
{
    startPageHandler() = std::move(handler);
}

void giveKeysBack()
{
    if (giveKeysHandler())
        giveKeysHandler()();
}

void setGiveKeysHandler(std::function<void()> handler)
{
    giveKeysHandler() = std::move(handler);
}

} // namespace navigation
