#include "engine/Rewards.h"

#include "app/Controls.h"
#include "app/Seams.h"
#include "app/SharedValues.h"
#include "app/StartPage.h"
#include "app/Windows.h"
#include "engine/TextHelpers.h"
#include "games/MemoryGame.h"

#include <limits>

namespace {

void showRewardCount()
{
    form1().Bezeichnung11->setCaption(text::plain(shared().rewardRounds));
}

} // namespace

void awardReward()
{
    const QChar cr = text::CR;
    seams::dialogs().message(QStringLiteral("Prima, zur Belohnung gibt es eine") + cr +
                                 QStringLiteral("Spielrunde geschenkt!  Du kannst") + cr +
                                 QStringLiteral("weitermachen oder aber aufhören") + cr +
                                 QStringLiteral("und dir deine Belohnung abholen!") + cr,
                             QStringLiteral("Belohnung"));
    SharedValues &values = shared();
    // A 16-bit counter: stop at its top instead of overflowing.
    if (values.rewardRounds < std::numeric_limits<qint16>::max())
        ++values.rewardRounds;
    showRewardCount();
}

void startRewardGame()
{
    const int game = form1().Liste2->listIndex() + 1; // 0 when no row is selected
    // The shooting gallery and the slalom drive are not part of the program yet: their rows
    // open nothing and cost nothing.
    if (game == 2 || game == 3)
        return;

    SharedValues &values = shared();
    if (values.rewardRounds > std::numeric_limits<qint16>::min())
        --values.rewardRounds;
    showRewardCount();
    form1().hide();
    memo().showWindow();
}
