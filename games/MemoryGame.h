#pragma once

#include "app/Form.h"

// Memory: nine pairs of digits face down; the first reward game.
class MemoryGame : public Form
{
    Q_OBJECT
public:
    MemoryGame();
};
