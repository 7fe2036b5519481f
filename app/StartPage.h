// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/kit/Form.h"

#include <QPointer>

namespace kit {
class Label;
class ListBox;
class Picture;
class PictureButton;
class ScrollBar;
class Dialogs;
class Shape;
}
class Platform;
class Windows;
namespace worksheets {
struct ClassSet;
}

// The start page: login, number range, and the classroom scene whose pictures open everything
// else. It is loaded first, lives for the whole run and is the only way out of the program.
class StartPage : public kit::Form
{
    Q_OBJECT
public:
    explicit StartPage(Windows &windows);
    ~StartPage() override;

    static constexpr QSize sizeTwips{9090, 7095};

    kit::Label *Bezeichnung1 = nullptr;   // the door "Ausgang": ends the program
    kit::Label *Bezeichnung2 = nullptr;   // the title
    kit::Label *Bezeichnung8 = nullptr;   // the number range as text
    kit::Label *Bezeichnung9 = nullptr;   // "Zahlen bis"
    kit::Label *Bezeichnung11 = nullptr;  // rewardRounds as text
    kit::Label *Bezeichnung12 = nullptr;  // the child's name; click to log in
    kit::ScrollBar *HBildlauf1 = nullptr; // chooses the number range
    kit::ListBox *Liste1 = nullptr;       // the worksheets
    kit::ListBox *Liste2 = nullptr;       // the reward games
    kit::Shape *Figur1 = nullptr;         // the door frame around "Ausgang"

    kit::Picture *Bild1 = nullptr;        // the chalkboard
    kit::PictureButton *Bild2 = nullptr;  // red book: author
    kit::PictureButton *Bild3 = nullptr;  // number line strip: Form2
    kit::PictureButton *Bild4 = nullptr;  // printer: worksheet list
    kit::PictureButton *Bild5 = nullptr;  // dartboard: reward list
    kit::PictureButton *Bild6 = nullptr;  // table: number pictures
    kit::PictureButton *Bild7 = nullptr;  // screwdriver: author
    kit::PictureButton *Bild8 = nullptr;  // fountain pen: symbol fonts
    kit::PictureButton *Bild9 = nullptr;  // ABC block: number words
    kit::PictureButton *Bild10 = nullptr; // notepad: number pictures
    kit::PictureButton *Bild11 = nullptr; // counting discs: Form3
    kit::PictureButton *Bild12 = nullptr; // sequence note: Form5
    kit::PictureButton *Bild13 = nullptr; // "3 + 2 = ?" note: Form6 calculating
    kit::PictureButton *Bild14 = nullptr; // "1 + ? = 5" note: Form4
    kit::PictureButton *Bild15 = nullptr; // "? + 2 = 5" note: Form6 reversing
    kit::PictureButton *loudspeaker = nullptr; // switches reading aloud for this run

    // Reads the settings file into numberRange and moves the range scroll bar to it.
    void loadSettings();
    // Asks whether to end; on Yes writes the settings file and ends the program.
    void exitProgram();
    // Prints the worksheet of the selected row of Liste1.
    void printSelectedWorksheet();
    // The worksheet rows' context menu: a preview, a PDF file, a class set of different sheets.
    void previewSelectedWorksheet();
    void saveSelectedWorksheetAsPdf();
    // Asks for the class set's groups in a dialog, then prints it.
    void printClassSet();
    void printClassSet(const worksheets::ClassSet &set);

protected:
    bool event(QEvent *event) override;
    bool previewKey(QKeyEvent *event) override;
    void closeRequested() override;
    void zoomChanged() override;

private:
    Windows &windows_;             // every other window, and the platform they share
    QPointer<QWidget> keysHeldBy_; // the control that had the keyboard when the page last lost it

    Platform &platform() const;
    kit::Dialogs &dialogs() const;
    void buildScene();
    void setKeyboardOrder();
    void connectScene();

    void changeRange(int value);
    void login();
    // The plate shows the name logged in, and says it to a screen reader.
    void showLoggedIn(const QString &name);
    void toggleWorksheetList();
    // Hides a list; the keyboard it held goes back to the picture that opened it, not to the
    // next control in the chain, which the child never chose.
    void closeList(kit::ListBox *list, kit::PictureButton *opener);
    void connectWorksheetMenu();
    void showWorksheetMenu(const QPoint &position);
    void toggleRewardList();
    void startSelectedRewardGame();
    void showAuthor();
    void openNumberPictures();
};
