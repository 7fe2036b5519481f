// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

namespace kit {

class Clock;
class Dialogs;
class FileDialogs;
class Reading;
class Speech;

// What the windows ask of the machine they run on and a test cannot drive. The top of the
// program makes one and hands it to every window; tests hand in their doubles.
class Platform
{
public:
    Platform();
    virtual ~Platform();
    Platform(const Platform &) = delete;
    Platform &operator=(const Platform &) = delete;

    // The message boxes: the machine's own, each said as it appears while reading aloud is on.
    Dialogs &dialogs();
    // Reading aloud, switched for this run.
    Reading &reading();

    virtual Clock &clock() = 0;
    virtual FileDialogs &fileDialogs() = 0;
    virtual Speech &speech() = 0;
    // Ends the program at once: windows close without running their own closing code.
    virtual void endProgram() = 0;

protected:
    // The machine's message boxes as they are.
    virtual Dialogs &machineDialogs() = 0;

private:
    class SpokenDialogs;
    std::unique_ptr<Reading> reading_;
    std::unique_ptr<SpokenDialogs> spokenDialogs_;
};

} // namespace kit
