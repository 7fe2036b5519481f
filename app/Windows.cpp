// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Windows.h"

#include "app/FontViewer.h"
#include "app/StartPage.h"
#include "engine/Random.h"
#include "engine/Rewards.h"
#include "ui/Controls.h"
#include "ui/Navigation.h"
#include "ui/Seams.h"
#include "exercises/CalculationScreen.h"
#include "exercises/CompletingScreen.h"
#include "exercises/NumberLineScreen.h"
#include "exercises/NumberPicturesScreen.h"
#include "exercises/NumberSetScreen.h"
#include "exercises/NumberWordsScreen.h"
#include "exercises/SequenceScreen.h"
#include "games/MemoryGame.h"
#include "games/ShootingGallery.h"
#include "games/SlalomDrive.h"

#include <memory>

namespace {

struct Registry
{
    // Destroyed in reverse order of declaration: the start page last.
    std::unique_ptr<StartPage> startPage;
    std::unique_ptr<NumberLineScreen> numberLine;
    std::unique_ptr<NumberSetScreen> numberSet;
    std::unique_ptr<CompletingScreen> completing;
    std::unique_ptr<SequenceScreen> sequence;
    std::unique_ptr<CalculationScreen> calculation;
    std::unique_ptr<MemoryGame> memory;
    std::unique_ptr<NumberWordsScreen> numberWords;
    std::unique_ptr<NumberPicturesScreen> numberPictures;
    std::unique_ptr<FontViewer> fontViewer;
    std::unique_ptr<ShootingGallery> shootingGallery;
    std::unique_ptr<SlalomDrive> slalomDrive;
    // Every window made so far, in the order it was made: how the program is walked as a whole.
    QList<Form *> loaded;
};

Registry &registry();

// The window that has taken the start page's place, if one is showing: an exercise, the number
// pictures or a reward game. Windows not made yet are not made by asking.
Form *windowInPlaceOfStartPage()
{
    Registry &r = registry();
    Form *const candidates[] = {r.numberLine.get(), r.numberSet.get(),       r.completing.get(),
                                r.sequence.get(),   r.calculation.get(),     r.numberPictures.get(),
                                r.memory.get(),     r.shootingGallery.get(), r.slalomDrive.get()};
    for (Form *window : candidates)
        if (window && window->isVisible())
            return window;
    return nullptr;
}

void backToStartPage()
{
    // The number words and the fonts stay open when an exercise or a game hides the start page.
    // Leaving them then must not put a second hub beside that window, where the child's next
    // click would land on the start page: the window in its place keeps the child.
    if (Form *inPlace = windowInPlaceOfStartPage()) {
        inPlace->activateWindow();
        return;
    }
    form1().showWindow();
}

void giveKeysBack()
{
    if (StartPage *start = registry().startPage.get(); start && start->isVisible())
        start->activateWindow();
    else if (Form *inPlace = windowInPlaceOfStartPage())
        inPlace->activateWindow();
}

Registry &registry()
{
    static Registry windows = [] {
        // Every window that ends comes back here, whoever opened it.
        navigation::setStartPageHandler(backToStartPage);
        navigation::setGiveKeysHandler(giveKeysBack);
        // The generator is seeded from the platform's clock, which tests can stop.
        setTimeOfDaySource([] { return seams::clock().secondsSinceMidnight(); });
        return Registry();
    }();
    return windows;
}

template <typename Window>
Window &instance(std::unique_ptr<Window> &slot)
{
    // The window's constructor is its load code; it may itself ask for other windows.
    if (!slot) {
        slot = std::make_unique<Window>();
        registry().loaded.append(slot.get());
    }
    return *slot;
}

} // namespace

StartPage &form1() { return instance(registry().startPage); }
NumberLineScreen &Form2() { return instance(registry().numberLine); }
NumberSetScreen &Form3() { return instance(registry().numberSet); }
CompletingScreen &Form4() { return instance(registry().completing); }
SequenceScreen &Form5() { return instance(registry().sequence); }
CalculationScreen &Form6() { return instance(registry().calculation); }
MemoryGame &memo() { return instance(registry().memory); }
NumberWordsScreen &Form7() { return instance(registry().numberWords); }
NumberPicturesScreen &Form8() { return instance(registry().numberPictures); }
FontViewer &Form9() { return instance(registry().fontViewer); }
ShootingGallery &schiess() { return instance(registry().shootingGallery); }
SlalomDrive &slalom() { return instance(registry().slalomDrive); }

QList<Form *> loadedWindows()
{
    QList<Form *> windows = registry().loaded;
    // The start page first, wherever the run began.
    if (Form *start = registry().startPage.get(); start && windows.removeOne(start))
        windows.prepend(start);
    return windows;
}

void unloadAllWindows()
{
    Registry &r = registry();
    r.loaded.clear();
    r.fontViewer.reset();
    r.numberPictures.reset();
    r.numberWords.reset();
    r.slalomDrive.reset();
    r.shootingGallery.reset();
    r.memory.reset();
    r.calculation.reset();
    r.sequence.reset();
    r.completing.reset();
    r.numberSet.reset();
    r.numberLine.reset();
    r.startPage.reset();
}

void startRewardGame()
{
    const RewardGame game = rewardGameForRow(form1().Liste2->listIndex() + 1); // 0 when no row is selected
    takeRewardRound();
    form1().hide();
    switch (game) {
    case RewardGame::ShootingGallery:
        schiess().showWindow();
        break;
    case RewardGame::Slalom:
        slalom().open();
        break;
    case RewardGame::Memory:
        memo().showWindow();
        break;
    }
}
