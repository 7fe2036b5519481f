// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "games/MemoryGame.h"

#include "engine/Invitations.h"
#include "engine/NumberWords.h"
#include "engine/Random.h"
#include "engine/TextHelpers.h"
#include "ui/kit/Controls.h"
#include "ui/kit/Navigation.h"
#include "ui/machine/Platform.h"
#include "ui/machine/Seams.h"
#include "ui/speech/Reading.h"

#include <QKeyEvent>
#include <QPainter>

using kit::Button;
using kit::Dialogs;
using kit::Form;
using kit::Label;

namespace {

const QColor cardBack(0, 0, 192);
const QColor cardBackAfterGame(0, 0, 128);
const QColor foundCard(255, 255, 255);

// A card: clicked with the mouse, or reached with Tab or the arrow keys and turned with Space or Enter.
class CardLabel : public Label
{
public:
    CardLabel(QWidget *parent, int number, const QRect &twips)
        : Label(parent, QStringLiteral("Bezeichnung") + captions::plain(number), twips), number_(number)
    {
        // A found card keeps only this frame.
        setSingleBorder(true);
        setKeyboardClickable();
        keepClearOfFocusMark();
    }

    // The digits keep clear of the focus mark, at every zoom.
    void keepClearOfFocusMark()
    {
        const int margin = kit::twips::toPixelsAt(75, zoomValue());
        setContentsMargins(margin, margin, margin, margin);
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        // The arrows walk the board as it lies: six cards a row, three rows.
        int row = (number_ - 1) / 6;
        int column = (number_ - 1) % 6;
        switch (event->key()) {
        case Qt::Key_Left:
            column = qMax(0, column - 1);
            break;
        case Qt::Key_Right:
            column = qMin(5, column + 1);
            break;
        case Qt::Key_Up:
            row = qMax(0, row - 1);
            break;
        case Qt::Key_Down:
            row = qMin(memorygame::cardCount / 6 - 1, row + 1);
            break;
        default:
            Label::keyPressEvent(event);
            return;
        }
        event->accept();
        const QString neighbour = QStringLiteral("Bezeichnung") + captions::plain(row * 6 + column + 1);
        if (auto *card = parentWidget()->findChild<QWidget *>(neighbour, Qt::FindDirectChildrenOnly))
            card->setFocus(Qt::TabFocusReason);
    }

private:
    int number_;
};

// Our stand-in for the window font runs wider than the original face: narrow the letters until the
// wrapped caption fits the label's height, so no line is cut off.
void condenseToFit(Label *label)
{
    QFont f = label->font();
    for (int stretch : {100, 90, 85, 80, 75, 70}) {
        f.setStretch(stretch);
        const QRect room = label->contentsRect();
        const QRect needed =
            QFontMetrics(f).boundingRect(QRect(0, 0, room.width(), 10000), Qt::TextWordWrap, label->text());
        if (needed.height() <= room.height())
            break;
    }
    label->setFont(f);
}

} // namespace

MemoryGame::MemoryGame(const kit::Context &context)
    : Form(context.zoom, context.drawer, QStringLiteral("memo"), QSize(5805, 5325), Qt::white), context_(context)
{
    setCaption(QStringLiteral("Memory"));
    setFont(kit::fontAt(zoomValue(), QStringLiteral("MS Sans Serif"), 8.25, true));

    auto *instructions = new Label(this, QStringLiteral("Bezeichnung19"), QRect(360, 120, 4335, 495));
    instructions->setSingleBorder(true);
    instructions->setCaption(QStringLiteral(" Immer zwei Felder haben die gleiche Zahl, klicke   jedes Einzelfeld an "
                                            "und suche alle Zahlenpaare !"));
    instructions->setFontSpec(QStringLiteral("MS Sans Serif"), 8.25, true);
    instructions->setBackgroundColour(QColor(192, 192, 192));
    instructions->setTextColour(QColor(0, 0, 192));
    instructions->setCentred(false);
    instructions->setWordWrap(true);
    condenseToFit(instructions);
    Bezeichnung19 = instructions;

    Befehl1 = new Button(this, QStringLiteral("Befehl1"), QRect(4680, 120, 735, 495), QStringLiteral("STOP"));
    invitations::declare(*Befehl1, Invitation::MemoryStop);
    Befehl1->setFont(font());
    connect(Befehl1, &QPushButton::clicked, this, [this] { stopGame(); });

    for (int n = 1; n <= memorygame::cardCount; ++n) {
        const int row = (n - 1) / 6;
        const int column = (n - 1) % 6;
        auto *card = new CardLabel(this, n, QRect(480 + 840 * column, 1080 + 1320 * row, 615, 1095));
        card->setFontSpec(QStringLiteral("MS Sans Serif"), 13.5, true);
        card->setBackgroundColour(cardBack);
        card->setTextColour(Qt::white);
        card->setCentred(false);
        card->setWordWrap(true);
        card->onClick(this, [this, n] { revealCard(n); });
        cards_[n - 1] = card;
        describeCard(n);
    }

    centreOnScreen();
}

Label *MemoryGame::card(int number) const
{
    if (number < 1 || number > memorygame::cardCount)
        return nullptr;
    return cards_[number - 1];
}

void MemoryGame::zoomChanged()
{
    for (Label *card : cards_)
        if (auto *turnable = dynamic_cast<CardLabel *>(card))
            turnable->keepClearOfFocusMark();
}

void MemoryGame::revealCard(int number)
{
    const MemoryBoard::Turn turn = board_.reveal(number, context_.random);
    if (turn.ignored)
        return;
    if (turn.hiddenFirst > 0)
        hideOpenPair(turn.hiddenFirst, turn.hiddenSecond);
    const QChar digit = board_.digitOn(turn.shown);
    card(turn.shown)->setCaption(memorygame::faceCaption(digit));
    describeCard(turn.shown);
    QString words = numberwords::word(digit.digitValue());
    // Read aloud, the second card of a turn also says how the turn went.
    if (context_.platform.reading().isOn()) {
        if (turn.foundFirst > 0)
            words += QStringLiteral(". Richtig, ein Paar!");
        else if (turn.unmatched)
            words += QStringLiteral(". Noch nicht: kein Paar.");
    }
    context_.platform.reading().speakNow(words);
    if (turn.foundFirst > 0)
        markPairFound(turn.foundFirst, turn.foundSecond);
    if (turn.gameOver)
        endGame();
}

void MemoryGame::hideOpenPair(int first, int second)
{
    for (int n : {first, second}) {
        card(n)->setCaption(QString());
        describeCard(n);
    }
}

void MemoryGame::markPairFound(int first, int second)
{
    // White on white: the pair vanishes, only the frames stay.
    for (int n : {first, second}) {
        card(n)->setBackgroundColour(foundCard);
        describeCard(n);
    }
}

void MemoryGame::endGame()
{
    context_.platform.dialogs().message(QStringLiteral("  Das Spiel ist beendet!") + captions::CR,
                                        QStringLiteral("Memory"));
    resetBoard();
}

void MemoryGame::resetBoard()
{
    board_.reset();
    for (Label *c : cards_) {
        c->setBackgroundColour(cardBackAfterGame);
        c->setCaption(QString());
    }
    for (int n = 1; n <= memorygame::cardCount; ++n)
        describeCard(n);
    leaveGame();
}

void MemoryGame::stopGame()
{
    const Dialogs::Answer answer = context_.platform.dialogs().question(
        QStringLiteral("Dieses Spiel jetzt beenden?") + captions::CR, QStringLiteral("M e m o r y"));
    if (answer != Dialogs::Answer::No)
        leaveGame();
}

void MemoryGame::showEvent(QShowEvent *event)
{
    Form::showEvent(event);
    // A child who cannot read the line above the cards hears how to play, and how to stop.
    context_.platform.reading().say(
        QStringLiteral("Memory. Dreh immer zwei Karten um. Finde zwei mit der gleichen Zahl. ") +
        kit::Reading::wayBack(Befehl1));
}

void MemoryGame::closeRequested()
{
    // The frame's close control leaves like STOP, without asking: the game waits for the next visit.
    leaveGame();
}

void MemoryGame::leaveGame()
{
    hide();
    context_.navigation.showStartPage();
}

void MemoryGame::describeCard(int number)
{
    // What a screen reader says; the child sees the card itself.
    QString name = QStringLiteral("Karte ") + captions::plain(number);
    Invitation state = Invitation::MemoryCard;
    if (board_.isFound(number)) {
        name += QStringLiteral(", gefunden");
        state = Invitation::MemoryCardFound;
    } else if (!card(number)->caption().isEmpty()) {
        name += QStringLiteral(": ") + QString(board_.digitOn(number));
        state = Invitation::MemoryCardOpen;
    }
    card(number)->setAccessibleName(name);
    // Read aloud, a card says whether it lies face down, is turned or was found.
    invitations::declare(*card(number), state);
}
