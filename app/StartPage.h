#pragma once

#include "app/Form.h"

class Label;
class ListBox;
class ScrollBar;

// The start page: login, number range, and the picture buttons that open everything else.
class StartPage : public Form
{
    Q_OBJECT
public:
    StartPage();

    Label *Bezeichnung8 = nullptr;   // the number range as text
    Label *Bezeichnung11 = nullptr;  // rewardRounds as text
    ScrollBar *HBildlauf1 = nullptr; // chooses the number range
    ListBox *Liste2 = nullptr;       // the reward games
};
