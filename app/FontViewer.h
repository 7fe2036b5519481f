// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/kit/Context.h"
#include "ui/kit/Form.h"

namespace kit {
class Button;
class Label;
class ListBox;
}

// The symbol font viewer: every installed font family once, and a sample of letters, umlauts,
// digits and signs in the one clicked. It changes nothing outside its own window.
class FontViewer : public kit::Form
{
    Q_OBJECT
    kit::Context context_; // first: members made after it may use it

public:
    explicit FontViewer(const kit::Context &context);

    kit::Button *Befehl1 = nullptr;     // "E n d e"
    kit::Button *Befehl2 = nullptr;     // "Sichern": the sample as a picture in the documents folder
    kit::ListBox *Liste1 = nullptr;     // the font families
    kit::Label *Bezeichnung1 = nullptr; // the sample

    static QString sampleText();

    // Coming to the front: the list is built anew from the fonts installed now.
    void fillFontList();
    void showFont(const QString &family);
    // Saves the sample as a PNG picture under a free name and says where; returns the file
    // written ("" on failure, and then nothing is left behind).
    QString saveSample();
    void leaveViewer();

protected:
    void closeRequested() override;
    void zoomChanged() override;
};
