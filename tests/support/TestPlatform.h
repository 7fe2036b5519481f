// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/Platform.h"
#include "app/QtPlatform.h"
#include "print/FaceMetrics.h"

#include <functional>

// The tests' platform: the doubles a test hands in, and for the rest the machine's own (with no
// voice) until a test replaces it too.
class TestPlatform final : public Platform
{
public:
    TestPlatform(kit::Dialogs &dialogs, kit::Clock &clock, kit::Speech &speech);
    ~TestPlatform() override;

    // The faces the test's sheets are measured and drawn in.
    Faces faces;

private:
    QtPlatform machine_{QtPlatform::Voice::Silent, faces}; // the parts below may point into it

public:
    struct Parts
    {
        kit::Dialogs *dialogs;
        kit::Clock *clock;
        kit::Speech *speech;
        kit::FileDialogs *fileDialogs;
        worksheets::Outputs *outputs;
        settingsfile::Writer *settingsWriter;
    };
    Parts use;
    std::function<void()> onEndProgram; // what ending the program does instead

    kit::Clock &clock() override { return *use.clock; }
    kit::FileDialogs &fileDialogs() override { return *use.fileDialogs; }
    kit::Speech &speech() override { return *use.speech; }
    void endProgram() override;
    worksheets::Outputs &printOutputs() override { return *use.outputs; }
    settingsfile::Writer &settingsWriter() override { return *use.settingsWriter; }

protected:
    kit::Dialogs &machineDialogs() override { return *use.dialogs; }
};
