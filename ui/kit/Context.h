// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The rules' own, made once by the top of the program (engine/).
struct SharedValues;
class Random;

namespace kit {

class Navigation;
class Drawer;
class Platform;
class Zoom;

// What every window is handed when it is made.
struct Context
{
    Platform &platform;
    Navigation &navigation;
    SharedValues &shared; // numberRange, taskKind, expectedAnswer, rewardRounds
    Random &random;       // the program's one generator
    Zoom &zoom;           // the one every window is drawn at
    Drawer &drawer;       // draws the windows' pictures ahead on a second core
};

} // namespace kit
