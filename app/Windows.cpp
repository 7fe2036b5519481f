// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Windows.h"

#include "app/ControlInvitations.h"
#include "app/FontViewer.h"
#include "app/Platform.h"
#include "app/StartPage.h"
#include "engine/Rewards.h"
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
#include "ui/kit/Controls.h"
#include "ui/speech/Reading.h"

using kit::Form;

struct Windows::Slots
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

Windows::Windows(Platform &platform, SharedValues &shared, Random &random, kit::Zoom &zoom, kit::Drawer &drawer)
    : platform_(platform), shared_(shared), random_(random), zoom_(zoom), drawer_(drawer),
      invitations_(std::make_unique<ControlInvitations>(shared)), slots_(std::make_unique<Slots>())
{
    // Reading aloud says what a control does, not only its name.
    platform_.reading().setInvitation(
        [invitations = invitations_.get()](const QWidget *control, int row) {
            return invitations->sentenceFor(control, row);
        });
}

Windows::~Windows()
{
    unloadAll();
    platform_.reading().setInvitation(nullptr);
}

kit::Context Windows::context()
{
    return {platform_, *this, shared_, random_, zoom_, drawer_};
}

template <typename Window, typename Argument>
Window &Windows::instance(std::unique_ptr<Window> &slot, Argument &&argument)
{
    // The window's constructor is its load code; it may itself ask for other windows.
    if (!slot) {
        slot = std::make_unique<Window>(std::forward<Argument>(argument));
        slots_->loaded.append(slot.get());
        invitations_->watch(slot.get());
    }
    return *slot;
}

StartPage &Windows::form1()
{
    return instance(slots_->startPage, *this);
}

NumberLineScreen &Windows::Form2()
{
    return instance(slots_->numberLine, context());
}

NumberSetScreen &Windows::Form3()
{
    return instance(slots_->numberSet, context());
}

CompletingScreen &Windows::Form4()
{
    return instance(slots_->completing, context());
}

SequenceScreen &Windows::Form5()
{
    return instance(slots_->sequence, context());
}

CalculationScreen &Windows::Form6()
{
    return instance(slots_->calculation, context());
}

MemoryGame &Windows::memo()
{
    return instance(slots_->memory, context());
}

NumberWordsScreen &Windows::Form7()
{
    return instance(slots_->numberWords, context());
}

NumberPicturesScreen &Windows::Form8()
{
    return instance(slots_->numberPictures, context());
}

FontViewer &Windows::Form9()
{
    return instance(slots_->fontViewer, context());
}

ShootingGallery &Windows::schiess()
{
    return instance(slots_->shootingGallery, context());
}

SlalomDrive &Windows::slalom()
{
    return instance(slots_->slalomDrive, context());
}

QList<Form *> Windows::loadedWindows() const
{
    QList<Form *> windows = slots_->loaded;
    // The start page first, wherever the run began.
    if (Form *start = slots_->startPage.get(); start && windows.removeOne(start))
        windows.prepend(start);
    return windows;
}

void Windows::unloadAll()
{
    Slots &r = *slots_;
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

// The window that has taken the start page's place, if one is showing: an exercise, the number
// pictures or a reward game. Windows not made yet are not made by asking.
Form *Windows::windowInPlaceOfStartPage() const
{
    const Slots &r = *slots_;
    Form *const candidates[] = {r.numberLine.get(), r.numberSet.get(),       r.completing.get(),
                                r.sequence.get(),   r.calculation.get(),     r.numberPictures.get(),
                                r.memory.get(),     r.shootingGallery.get(), r.slalomDrive.get()};
    for (Form *window : candidates)
        if (window && window->isVisible())
            return window;
    return nullptr;
}

void Windows::showStartPage()
{
    // The number words and the fonts stay open when an exercise or a game hides the start page.
    // Leaving them then must not put a second hub beside that window, where the child's next
    // click would land on the start page: the window in its place keeps the child.
    if (Form *inPlace = windowInPlaceOfStartPage()) {
        inPlace->activateWindow();
        return;
    }
    StartPage &start = form1();
    const bool returning = !start.isVisible();
    start.showWindow();
    // The number words and the fonts were opened beside the start page and stayed open: they
    // come back above it, as they stood before, also where no window manager keeps the order. The
    // one in front takes the keys, so a key goes to the window the child sees on top.
    if (returning) {
        Form *front = nullptr;
        for (Form *beside : {static_cast<Form *>(slots_->numberWords.get()), static_cast<Form *>(slots_->fontViewer.get())})
            if (beside && beside->isVisible()) {
                beside->raise();
                front = beside;
            }
        if (front)
            front->activateWindow();
    }
    // A child who cannot read hears that it is back where it started.
    if (returning)
        platform_.reading().say(kit::Reading::welcomeBack());
}

void Windows::giveKeysBack()
{
    if (StartPage *start = slots_->startPage.get(); start && start->isVisible())
        start->activateWindow();
    else if (Form *inPlace = windowInPlaceOfStartPage())
        inPlace->activateWindow();
}

void Windows::startRewardGame()
{
    const RewardGame game = rewardGameForRow(form1().Liste2->listIndex() + 1); // 0 when no row is selected
    takeRewardRound(shared_);
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
