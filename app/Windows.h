// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/kit/Context.h"
#include "ui/kit/KeyRouter.h"
#include "ui/kit/Navigation.h"

#include <QList>
#include <memory>

namespace kit {
class Drawer;
class Form;
class Zoom;
} // namespace kit
class Platform;
class Random;
struct SharedValues;
class StartPage;
class NumberLineScreen;
class NumberSetScreen;
class CompletingScreen;
class SequenceScreen;
class CalculationScreen;
class MemoryGame;
class NumberWordsScreen;
class NumberPicturesScreen;
class FontViewer;
class ShootingGallery;
class SlalomDrive;

// The registry of the program's windows, and the way between them. Every window exists once:
// made (and loaded) the first time it is asked for, afterwards only hidden and shown until the
// registry goes. Each is handed the platform, the shared values, the generator, the zoom it is
// drawn at, the thread that draws its pictures ahead and this registry as its way back to the
// start page.
class ControlInvitations;

class Windows final : private kit::Navigation
{
public:
    Windows(Platform &platform, SharedValues &shared, Random &random, kit::Zoom &zoom, kit::Drawer &drawer);
    ~Windows() override;
    Windows(const Windows &) = delete;
    Windows &operator=(const Windows &) = delete;

    Platform &platform() const { return platform_; }
    SharedValues &shared() const { return shared_; }
    Random &random() const { return random_; }
    kit::Zoom &zoom() const { return zoom_; }
    kit::Drawer &drawer() const { return drawer_; }

    StartPage &form1();
    NumberLineScreen &Form2();
    NumberSetScreen &Form3();
    CompletingScreen &Form4();
    SequenceScreen &Form5();
    CalculationScreen &Form6();
    MemoryGame &memo();
    NumberWordsScreen &Form7();
    NumberPicturesScreen &Form8();
    FontViewer &Form9();
    ShootingGallery &schiess();
    SlalomDrive &slalom();

    // Takes one reward round off the count and opens the game selected in the start page's
    // reward list.
    void startRewardGame();

    // Every window made so far, the start page first.
    QList<kit::Form *> loadedWindows() const;

    // Destroys every window without running its closing code: at program end, and between tests.
    void unloadAll();

private:
    struct Slots;

    void showStartPage() override;
    void giveKeysBack() override;
    kit::Form *windowInPlaceOfStartPage() const;
    kit::Context context();
    template <typename Window, typename Argument> Window &instance(std::unique_ptr<Window> &slot, Argument &&argument);

    Platform &platform_;
    SharedValues &shared_;
    Random &random_;
    kit::Zoom &zoom_;
    kit::Drawer &drawer_;
    kit::KeyRouter keys_; // every window's keys, while the windows exist
    std::unique_ptr<ControlInvitations> invitations_;
    std::unique_ptr<Slots> slots_;
};
