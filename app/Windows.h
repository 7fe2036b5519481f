// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every window exists once: created (and loaded) the first time it is asked for, afterwards only
// hidden and shown until the program ends.

#include <QList>

class Form;
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

// Takes one reward round off the count and opens the game selected in the start page's reward list.
void startRewardGame();

// Every window created so far, the start page first.
QList<Form *> loadedWindows();

// Destroys every window without running its closing code: at program end, and between tests.
void unloadAllWindows();
