// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kit {

class Navigation;
class Platform;

// What every window is handed when it is made.
struct Context
{
    Platform &platform;
    Navigation &navigation;
};

} // namespace kit
