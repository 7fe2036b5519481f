#include "app/Windows.h"

#include "app/StartPage.h"
#include "engine/Rewards.h"
#include "ui/Controls.h"
#include "ui/Navigation.h"
#include "exercises/CalculationScreen.h"
#include "exercises/CompletingScreen.h"
#include "exercises/NumberLineScreen.h"
#include "exercises/NumberSetScreen.h"
#include "exercises/SequenceScreen.h"
#include "games/MemoryGame.h"

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
};

Registry &registry()
{
    static Registry windows = [] {
        // Every window that ends comes back here, whoever opened it.
        navigation::setStartPageHandler([] { form1().showWindow(); });
        return Registry();
    }();
    return windows;
}

template <typename Window>
Window &instance(std::unique_ptr<Window> &slot)
{
    // The window's constructor is its load code; it may itself ask for other windows.
    if (!slot)
        slot = std::make_unique<Window>();
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

QList<Form *> loadedWindows()
{
    Registry &r = registry();
    QList<Form *> windows;
    for (Form *window : std::initializer_list<Form *>{r.startPage.get(), r.numberLine.get(), r.numberSet.get(),
                                                       r.completing.get(), r.sequence.get(), r.calculation.get(),
                                                       r.memory.get()})
        if (window)
            windows.append(window);
    return windows;
}

bool isStartPageLoaded()
{
    return registry().startPage != nullptr;
}

bool isForm6Loaded()
{
    return registry().calculation != nullptr;
}

void unloadAllWindows()
{
    Registry &r = registry();
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
    // The shooting gallery and the slalom drive are not part of the program yet: their rows
    // open nothing and cost nothing.
    if (game != RewardGame::Memory)
        return;
    takeRewardRound();
    form1().hide();
    memo().showWindow();
}
