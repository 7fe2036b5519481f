// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

// A window that ends asks the top of the program for the start page; it never reaches the start
// page itself. The top installs what "back to the start page" means: the start page comes back
// only when no window that takes its place is showing; otherwise that window keeps the child.
namespace navigation {

void showStartPage();
void setStartPageHandler(std::function<void()> handler); // empty: asking does nothing

// A window that goes away beside the start page hands the keyboard back: to the start page, or to
// the window that has taken its place. Without this a child with no mouse would be left with no
// window taking the keys.
void giveKeysBack();
void setGiveKeysHandler(std::function<void()> handler);

} // namespace navigation
