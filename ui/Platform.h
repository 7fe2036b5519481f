// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kit {

class Clock;
class Dialogs;
class FileDialogs;
class Speech;

// What the windows ask of the machine they run on and a test cannot drive. The top of the
// program makes one and hands it to every window; tests hand in their doubles.
class Platform
{
public:
    virtual ~Platform() = default;
    virtual Dialogs &dialogs() = 0;
    virtual Clock &clock() = 0;
    virtual FileDialogs &fileDialogs() = 0;
    virtual Speech &speech() = 0;
    // Ends the program at once: windows close without running their own closing code.
    virtual void endProgram() = 0;
};

} // namespace kit
