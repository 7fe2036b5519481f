// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "games/SlalomDriveRules.h"
#include "ui/kit/Canvas.h"
#include "ui/kit/Context.h"
#include "ui/kit/Form.h"

namespace kit {
class Button;
class GameTimer;
class Label;
class Picture;
}

// The drive home between hidden nails: the third reward game.
class SlalomDrive : public kit::Form
{
    Q_OBJECT
    kit::Context context_; // first: members made after it may use it

public:
    explicit SlalomDrive(const kit::Context &context);

    kit::Button *Befehl1 = nullptr;     // "Ende"
    kit::Button *Befehl2 = nullptr;     // "links"
    kit::Button *Befehl3 = nullptr;     // "rechts"
    kit::Button *Befehl4 = nullptr;     // "hoch"
    kit::Button *Befehl5 = nullptr;     // "runter"
    kit::Label *Bezeichnung4 = nullptr; // status text
    kit::Label *Bezeichnung5 = nullptr; // "X": the nail place being shown
    kit::Picture *Bild1 = nullptr;      // the traveller
    kit::Picture *Bild6 = nullptr;      // the house
    kit::GameTimer *Zeit1 = nullptr;    // paces the listing, once a second

    kit::Canvas &canvas() { return canvas_; }
    const SlalomDriveRules &rules() const { return rules_; }

    // The launch from the reward list: a finished drive makes way for a new one, a drive under
    // way goes on where it was left.
    void open();
    // New nails, the car on the start cell, then the nail places are listed.
    void prepareDrive();
    void prepareDriveWith(const QList<slalomdrive::Place> &nails);
    void move(SlalomDriveRules::Direction direction);
    void tick();
    void leaveGame();

protected:
    bool previewKey(QKeyEvent *event) override;
    void closeRequested() override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void drawRoad();
    void showMove(const SlalomDriveRules::Move &move);
    void showTraveller();
    void drawNail(slalomdrive::Place place);
    void drawAllNails();
    void updateListingClock();
    // The rule and the way back, said as the game opens.
    QString openingWords() const;

    kit::Canvas canvas_;
    SlalomDriveRules rules_;
    bool openingSaid_ = false; // the nails' box that opens the game said them already
};
