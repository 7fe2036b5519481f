// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/machine/Platform.h"

namespace worksheets {
class Outputs;
}
namespace settingsfile {
class Writer;
}

// Everything the program asks of the machine that a test cannot drive: what the windows ask
// (message boxes, clock, file dialog, speech, the end of the program) and what only the top
// asks (where sheets are printed, how the settings file is written). QtPlatform is the real one;
// the tests have one double.
class Platform : public kit::Platform
{
public:
    virtual worksheets::Outputs &printOutputs() = 0;
    virtual settingsfile::Writer &settingsWriter() = 0;
};
