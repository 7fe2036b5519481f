// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/StartPage.h"

#include "app/FontViewer.h"
#include "app/OpenExercise.h"
#include "app/Platform.h"
#include "app/ProgramEnd.h"
#include "app/ReadingSwitch.h"
#include "app/SettingsFile.h"
#include "app/Windows.h"
#include "engine/Random.h"
#include "engine/Rewards.h"
#include "engine/SharedValues.h"
#include "engine/TextHelpers.h"
#include "exercises/NumberPicturesScreen.h"
#include "exercises/NumberWordsScreen.h"
#include "ui/kit/CaptionWords.h"
#include "ui/kit/Controls.h"
#include "ui/machine/Seams.h"

#include <QKeyEvent>


using kit::Dialogs;
using kit::Form;
using kit::Label;
using kit::ListBox;
using kit::PictureButton;

StartPage::StartPage(Windows &windows)
    : Form(windows.zoom(), windows.drawer(), QStringLiteral("form1"), sizeTwips, QColor(224, 224, 224)),
      windows_(windows)
{
    setCaption(QStringLiteral("Q U A R I M O :  Startseite"));
    buildScene();
    connectScene();
    setKeyPreview(true);

    centreOnScreen();
    windows_.shared().numberRange = 10;
    windows_.random().seedWithTimeOfDay(platform().clock().secondsSinceMidnight());
    loadSettings();
    windows_.shared().rewardRoundsChanged = [this](qint16 rounds) { Bezeichnung11->setCaption(captions::plain(rounds)); };
}

StartPage::~StartPage()
{
    windows_.shared().rewardRoundsChanged = {};
}

Platform &StartPage::platform() const
{
    return windows_.platform();
}

Dialogs &StartPage::dialogs() const
{
    return platform().dialogs();
}

void StartPage::connectScene()
{
    connect(HBildlauf1, &QScrollBar::valueChanged, this, &StartPage::changeRange);
    Bezeichnung1->onClick(this, &StartPage::exitProgram);
    Bezeichnung12->onClick(this, &StartPage::login);
    connect(Bild4, &PictureButton::clicked, this, &StartPage::toggleWorksheetList);
    connect(Bild5, &PictureButton::clicked, this, &StartPage::toggleRewardList);
    // The note over the dartboard hides most of it; children click the number they earned.
    Bezeichnung11->onClick(this, &StartPage::toggleRewardList);
    connect(Liste1, &ListBox::doubleClicked, this, &StartPage::printSelectedWorksheet);
    connectWorksheetMenu();
    connect(Liste2, &ListBox::doubleClicked, this, &StartPage::startSelectedRewardGame);
    connect(Bild2, &PictureButton::clicked, this, &StartPage::showAuthor);
    connect(Bild7, &PictureButton::clicked, this, &StartPage::showAuthor);

    connect(Bild3, &PictureButton::clicked, this, [this] { openExercise(windows_, Exercise::NumberLine); });
    connect(Bild11, &PictureButton::clicked, this, [this] { openExercise(windows_, Exercise::NumberSets); });
    connect(Bild14, &PictureButton::clicked, this, [this] { openExercise(windows_, Exercise::Completing); });
    connect(Bild12, &PictureButton::clicked, this, [this] { openExercise(windows_, Exercise::Sequences); });
    connect(Bild13, &PictureButton::clicked, this, [this] { openExercise(windows_, Exercise::Calculating); });
    connect(Bild15, &PictureButton::clicked, this, [this] { openExercise(windows_, Exercise::Reversing); });
    // Number pictures take the start page's place; number words and the fonts open beside it.
    connect(Bild6, &PictureButton::clicked, this, [this] { openNumberPictures(); });
    connect(Bild10, &PictureButton::clicked, this, [this] { openNumberPictures(); });
    connect(Bild9, &PictureButton::clicked, this, [this] { windows_.Form7().showWindow(); });
    connect(Bild8, &PictureButton::clicked, this, [this] { windows_.Form9().showWindow(); });
    new ReadingSwitch(loudspeaker, platform().reading());
}

void StartPage::loadSettings()
{
    const std::optional<int> range = settingsfile::readSettings(settingsfile::fileName());
    if (!range) {
        dialogs().message(QStringLiteral("Datei 'QUARIMO.INI' fehlt.") + captions::CR, QStringLiteral("Zahlenraum"));
        return;
    }
    windows_.shared().numberRange = qint16(*range);
    HBildlauf1->setValue(*range);
}

void StartPage::changeRange(int value)
{
    windows_.shared().numberRange = qint16(value);
    Bezeichnung8->setCaption(captions::plain(value));
}

void StartPage::exitProgram()
{
    const QString title = QStringLiteral("Q U A R I M O");
    if (dialogs().question(QStringLiteral("Dieses Programm jetzt beenden?") + captions::CR, title) != Dialogs::Answer::Yes)
        return;
    if (!keepRange(platform(), windows_.shared())) {
        // Say so before the program is gone, or the chosen range is silently lost next time.
        dialogs().message(QStringLiteral("Die Datei 'QUARIMO.INI' konnte nicht geschrieben werden.") + captions::CR +
                              QStringLiteral("Der Zahlenraum wird beim nächsten Start nicht übernommen.") + captions::CR,
                          title);
    }
    platform().endProgram();
}

bool StartPage::event(QEvent *event)
{
    // The platform may activate the page late, after it has already been hidden for an exercise;
    // finding its focused control hidden, it passes the keyboard to the next one in the chain: a
    // picture the child never chose, which would come forward over the next open list. So the
    // page keeps the control that had the keyboard while it was on screen and gives it back.
    switch (event->type()) {
    case QEvent::Hide:
        keysHeldBy_ = focusWidget();
        break;
    case QEvent::WindowDeactivate:
        if (isVisible())
            keysHeldBy_ = focusWidget();
        break;
    case QEvent::Show:
    case QEvent::WindowActivate:
        if (event->type() == QEvent::WindowActivate && !isVisible())
            break; // the late activation of a hidden page: what it did to the focus is undone on showing
        if (keysHeldBy_ && keysHeldBy_->isVisibleTo(this) && keysHeldBy_->isEnabled() && focusWidget() != keysHeldBy_)
            keysHeldBy_->setFocus(Qt::ActiveWindowFocusReason);
        break;
    default:
        break;
    }
    return Form::event(event);
}

bool StartPage::previewKey(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape)
        return false;
    exitProgram();
    return true;
}

void StartPage::closeRequested()
{
    // The frame's close control is one more way out, with the same question and the same saving.
    exitProgram();
}

void StartPage::login()
{
    const QString name = dialogs().inputBox(QStringLiteral("Gib deinen Namen ein:"), QStringLiteral("Anmeldung"),
                                            QStringLiteral("Gast"));
    if (!name.isEmpty())
        showLoggedIn(name);
}

void StartPage::showLoggedIn(const QString &name)
{
    Bezeichnung12->setCaption(name);
    // A screen reader says who is logged in, not only what a click on the plate does.
    Bezeichnung12->setAccessibleName(QStringLiteral("Angemeldet: ") + name);
    Bezeichnung12->setAccessibleDescription(QStringLiteral("Ein Klick meldet jemand anderen an."));
}

void StartPage::toggleWorksheetList()
{
    if (!Liste1->isHidden()) {
        closeList(Liste1, Bild4);
        return;
    }
    const QString suffix = QStringLiteral(" bis") + captions::signedNumber(windows_.shared().numberRange);
    const QStringList kinds = {
        QStringLiteral("Zahlenstrahl"),    QStringLiteral("Bilder zählen"),  QStringLiteral("Bilder malen"),
        QStringLiteral("Zahlfolgen"),      QStringLiteral("Plusrechnen"),    QStringLiteral("Minusrechnen"),
        QStringLiteral("Zahlenraum ergänzen"), QStringLiteral("Plus-Ergänzen"), QStringLiteral("Minus-Ergänzen"),
        QStringLiteral("Plus-Umkehren"),   QStringLiteral("Minus-Umkehren"), QStringLiteral("Verm. Rechnen"),
        QStringLiteral("Verm. Ergänzen"),  QStringLiteral("Verm. Umkehren"),
    };
    Liste1->clear();
    for (int row = 0; row < kinds.size(); ++row)
        Liste1->addItem(row == 6 ? kinds.at(row) : kinds.at(row) + suffix);
    Liste1->setListIndex(0);
    Liste1->show();
    Liste1->raise();
    // Opened from the keyboard, the arrows and Enter go on in the list.
    if (Bild4->hasFocus())
        Liste1->setFocus(Qt::TabFocusReason);
}

void StartPage::toggleRewardList()
{
    if (!Liste2->isHidden()) {
        closeList(Liste2, Bild5);
        return;
    }
    // The count on the page shows the new rounds only after the next game or reward.
    windows_.shared().rewardRounds = 5;
    Liste2->clear();
    Liste2->addItem(QStringLiteral("M e m o r y"));
    Liste2->item(0)->setData(Qt::AccessibleTextRole, kit::captionWords(Liste2->item(0)->text()));
    Liste2->addItem(QStringLiteral("Schießbude"));
    Liste2->addItem(QStringLiteral("Slalomfahrt"));
    Liste2->setListIndex(-1);
    Liste2->show();
    Liste2->raise();
    if (Bild5->hasFocus())
        Liste2->setFocus(Qt::TabFocusReason);
}

void StartPage::closeList(ListBox *list, PictureButton *opener)
{
    // Qt would pass the focus of a hidden list on to the next control in the chain (the number
    // line strip after the worksheets), which would then come forward over the next open list.
    if (list->isAncestorOf(focusWidget()) || list->hasFocus())
        opener->setFocus(Qt::OtherFocusReason);
    list->hide();
}

void StartPage::startSelectedRewardGame()
{
    closeList(Liste2, Bild5);
    windows_.startRewardGame();
}

void StartPage::showAuthor()
{
    dialogs().message(QStringLiteral("Die quarimo-Entwickler") + captions::CR + captions::CR +
                          QStringLiteral("https://quarimo.example.org") + captions::CR,
                      QStringLiteral("Autor"));
}

void StartPage::openNumberPictures()
{
    hide();
    windows_.Form8().showWindow();
}
