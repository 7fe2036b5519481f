// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/NumberPictures.h"
#include "ui/kit/Context.h"
#include "ui/kit/Form.h"

namespace kit {
class Button;
}
class NumberPicturesCanvas;

// Number pictures: join the numbers of a template in order and a picture appears; a drawing of
// at least 26 clicks earns a reward round.
class NumberPicturesScreen : public kit::Form
{
    Q_OBJECT
    kit::Context context_; // first: members made after it may use it

public:
    explicit NumberPicturesScreen(const kit::Context &context);

    NumberPicturesCanvas *Bild1 = nullptr; // the drawing area
    kit::Button *Befehl1 = nullptr;             // "<<": template 1
    kit::Button *Befehl2 = nullptr;             // ">>": template 2
    kit::Button *Befehl3 = nullptr;             // "E n d e"
    kit::Button *Befehl4 = nullptr;             // "?"
    kit::Button *Befehl5 = nullptr;             // "UnDo"
    kit::Button *Befehl6 = nullptr;             // "N e u"

    const numberpictures::Drawing &drawing() const { return drawing_; }
    int templateShown() const { return template_; }

    void showTemplate(int which);
    void drawTo(QPoint twips);
    void undo();
    void newDrawing();
    void showHelp();
    void leaveScreen();

protected:
    void closeRequested() override;
    void showEvent(QShowEvent *event) override;

private:
    void pointCheck();
    void refreshLines();

    numberpictures::Drawing drawing_;
    int template_ = 1;
};
