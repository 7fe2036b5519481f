// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kit {

// A window that ends asks the top of the program for the start page; it never reaches the start
// page itself. The start page comes back only when no window that takes its place is showing;
// otherwise that window keeps the child.
class Navigation
{
public:
    virtual ~Navigation() = default;
    virtual void showStartPage() = 0;
    // A window that goes away beside the start page hands the keyboard back: to the start page,
    // or to the window that has taken its place. Without this a child with no mouse would be left
    // with no window taking the keys.
    virtual void giveKeysBack() = 0;
};

} // namespace kit
