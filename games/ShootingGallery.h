// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "games/ShootingGalleryRules.h"
#include "ui/kit/Canvas.h"
#include "ui/kit/Context.h"
#include "ui/kit/Form.h"

namespace kit {
class GameTimer;
class Label;
}

// The shooting gallery: for 40 seconds a coloured square appears every 200 ms; shooting the black
// ones scores. The second reward game.
class ShootingGallery : public kit::Form
{
    Q_OBJECT
    kit::Context context_; // first: members made after it may use it

public:
    explicit ShootingGallery(const kit::Context &context);
    ~ShootingGallery() override;

    kit::Label *Bezeichnung1 = nullptr; // "E N D E"
    kit::Label *Bezeichnung2 = nullptr; // "S T A R T"
    kit::Label *Bezeichnung3 = nullptr; // points
    kit::Label *Bezeichnung4 = nullptr; // time
    kit::Label *Bezeichnung5 = nullptr; // plain bar
    kit::GameTimer *Zeit1 = nullptr;    // 200 ms while a game runs

    kit::Canvas &canvas() { return canvas_; }
    const ShootingGalleryRules &rules() const { return rules_; }

    void startGame();
    void endGame(); // "E N D E": asks, and leaves unless the answer is No
    void tick();
    void shoot(QPoint twips);

protected:
    void closeRequested() override;
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    kit::Label *addBarLabel(const QString &name, int left, int width, const QString &caption);
    void stopClock();
    void leaveGame();

    kit::Canvas canvas_;
    ShootingGalleryRules rules_;
};
