#pragma once

// Before the first task of an exercise: the screen's caption names the exercise and the range,
// and its answer scroll bar stops at the range.
void setUpNumberLineScreen();
void setUpNumberSetScreen();
void setUpCompletingScreen();
void setUpSequenceScreen();
void setUpCalculatingScreen();
void setUpReversingScreen();

// Distance between two numbers on the number line: wide for range 10, narrow above.
int numberLineStep(int range);
