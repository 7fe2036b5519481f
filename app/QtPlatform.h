// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/Platform.h"

#include <memory>

class Faces;
namespace kit {
class Display;
}

// The machine itself, through Qt: message boxes, the system clock, Qt's file dialog, the German
// voice (or silence), the default printer or PDF files, and QSaveFile for the settings.
class QtPlatform final : public Platform
{
public:
    enum class Voice { Speaking, Silent };

    // Silent for runs with no one to listen; the caller decides. Boxes belong to the window the
    // display has in front; sheets are measured and drawn in faces. Both outlive the platform.
    QtPlatform(Voice voice, Faces &faces, const kit::Display *display = nullptr);
    ~QtPlatform() override;

    kit::Clock &clock() override;
    kit::FileDialogs &fileDialogs() override;
    kit::Speech &speech() override;
    void endProgram() override;
    worksheets::Outputs &printOutputs() override;
    settingsfile::Writer &settingsWriter() override;

protected:
    kit::Dialogs &machineDialogs() override;

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};
