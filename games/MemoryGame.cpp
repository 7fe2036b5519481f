#include "games/MemoryGame.h"

MemoryGame::MemoryGame() : Form(QStringLiteral("memo"), QSize(5805, 5325), Qt::white)
{
    setCaption(QStringLiteral("Memory"));
    centreOnScreen();
}
