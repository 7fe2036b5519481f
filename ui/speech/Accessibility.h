// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QAbstractButton;
class QComboBox;
class QWidget;

namespace kit {

// Tells the accessibility layer (AT-SPI, and so screen readers such as Orca) what the kit's own
// controls are: a label given an action is a button it can press, and a combo box handed to
// nameComboBoxItself() is called by its own name rather than by the row it shows. Every other
// control of the process, those of Qt's own dialogs included, stays as Qt makes it. Once, before
// the first window.
void installAccessibleControls();

// Makes the combo box one of the program's own for screen readers: called by its accessible
// name, its row shown as its value and text, a new row said. Before a screen reader first asks
// for it; once is enough, more is harmless.
void nameComboBoxItself(QComboBox *box);

// Has a screen reader read the numbers a combo box of Qt's own shows ("53.3%" in the print
// preview's zoom) as German writes them ("53,3 %"), in its field and its list; what is shown and
// typed stays as Qt has it. Makes it one of the program's own boxes, as nameComboBoxItself().
void readNumbersInGerman(QComboBox *box);

// Makes a button a switch for screen readers: it says whether it is on (checked) and says so
// again when that changes, while it looks and clicks as before.
void setSwitchState(QAbstractButton *button, bool on);

// Has a screen reader read a picture that moves (a race figure) by its name and where it stands
// now ("kleiner Fisch, noch 3 Schritte bis zum Ziel"), and tells it when that changes; the same
// words again raise nothing. The widget's own accessible name stays as it is.
void setStand(QWidget *figure, const QString &stand);

// Has a screen reader say `words` now, as the consequence of what was just done in `focused`
// (an answer judged): an announcement where Qt has one, else a notification of the window that
// appears with the words (lastAnnouncement() tells them).
void announce(QWidget *focused, const QString &words);
// The words of the notification announce() showed last in `window`; empty where Qt announces.
QString lastAnnouncement(const QWidget *window);

} // namespace kit
