#include "exercises/NumberLineScreen.h"

#include "ui/Controls.h"
#include "engine/SharedValues.h"
#include "engine/Launchers.h"
#include "engine/Task.h"
#include "engine/TextHelpers.h"

namespace {

constexpr int zeroTagLeft = 250; // the tag centred over the tick of 0
constexpr int faceStart = 240;
constexpr int barStart = 255;
constexpr int raceStep = 300;
constexpr int raceGoal = 8100;

const QColor darkRed(192, 0, 0);
const QColor yellow(255, 255, 0);

} // namespace

NumberLineScreen::NumberLineScreen()
    : ExerciseScreen(QStringLiteral("Form2"), QSize(9285, 4965), Qt::white, Reseed::OnActivation)
{
    Befehl3 = addModeButton(QStringLiteral("Befehl3"), QRect(120, 360, 2055, 375), QStringLiteral("Zahlenwert"), 1);

    Bezeichnung2 = new Label(this, QStringLiteral("Bezeichnung2"), QRect(2280, 360, 4695, 495));
    Bezeichnung2->setFontSpec(QStringLiteral("Verdana"), 16.5, true);
    Bezeichnung2->setTextColour(darkRed);
    Bezeichnung2->setBackgroundColour(Qt::white);
    Bezeichnung2->setCentred();

    Befehl4 = addModeButton(QStringLiteral("Befehl4"), QRect(7080, 360, 2055, 375), QStringLiteral("Zahlposition"), 2);

    Figur1 = addShape(QStringLiteral("Figur1"), QRect(120, 960, 9015, 1455));
    Figur1->setBorder(QColor(0, 0, 128), 1);

    Bezeichnung1 = new Label(this, QStringLiteral("Bezeichnung1"), QRect(8280, 1080, 495, 495), QStringLiteral("20"));
    Bezeichnung1->setBackgroundColour(QColor(255, 0, 0));
    Bezeichnung1->setSingleBorder(true);
    Bezeichnung1->setFontSpec(QStringLiteral("MS Sans Serif"), 18, false);
    // Centred both ways: the box is hardly taller than its 18 pt number.
    Bezeichnung1->setAlignment(Qt::AlignCenter);
    Bezeichnung1->setAccessibleDescription(QStringLiteral("Zahlenschild"));

    buildCommonControls(QRect(1920, 2760, 1095, 375), QRect(3120, 2760, 2535, 375), QRect(5760, 2760, 1095, 375),
                        QRect(6960, 2760, 375, 375), QStringLiteral("Befehl5"));

    // The track first, so that the bars lie on it.
    Figur4 = addShape(QStringLiteral("Figur4"), QRect(0, 3600, 9255, 1335));
    Figur4->setNoBorder();
    Figur4->setFill(QColor(192, 255, 192));
    Figur2 = addShape(QStringLiteral("Figur2"), QRect(120, 3840, barStart, 255));
    Figur2->setFill(yellow);
    Figur3 = addShape(QStringLiteral("Figur3"), QRect(120, 4440, barStart, 255));
    Figur3->setFill(yellow);

    Bild2 = new Picture(this, QStringLiteral("Bild2"), QRect(faceStart, 3720, 495, 495),
                        QStringLiteral("face_smiling.svg"), QStringLiteral("lachendes Gesicht"));
    Bild1 = new Picture(this, QStringLiteral("Bild1"), QRect(8640, 3720, 495, 495), QStringLiteral("leaf.svg"),
                        QStringLiteral("Blatt"));
    Bild3 = new Picture(this, QStringLiteral("Bild3"), QRect(faceStart, 4320, 495, 495),
                        QStringLiteral("face_neutral.svg"), QStringLiteral("neutrales Gesicht"));
    Bild4 = new Picture(this, QStringLiteral("Bild4"), QRect(8640, 4320, 495, 495), QStringLiteral("bird.svg"),
                        QStringLiteral("Vogel"));
}

void NumberLineScreen::placeTag(int number)
{
    Bezeichnung1->setLeftTwips(zeroTagLeft + number * numberLineStep(shared().numberRange));
}

void NumberLineScreen::applyTask(const Task &task)
{
    if (task.kind == 2) {
        HBildlauf1->setValue(0);
        placeTag(0);
        Bezeichnung1->setCaption(text::plain(task.n));
        Bezeichnung2->setCaption(QStringLiteral("Wo steht diese Zahl?"));
    } else {
        placeTag(task.n);
        HBildlauf1->setValue(0);
        Bezeichnung1->setCaption(QString());
        Bezeichnung2->setCaption(QStringLiteral("Wie heißt diese Zahl?"));
    }
}

void NumberLineScreen::showEntry()
{
    const int value = HBildlauf1->value();
    focusAnswer();
    if (shared().taskKind == 2)
        placeTag(value);
    else
        Bezeichnung1->setCaption(text::plain(value));
}

void NumberLineScreen::showHelp()
{
    static const QString scale =
        QStringLiteral("  0- 1- 2- 3- 4- 5- 6- 7- 8- 9-10-11-12-13-14-15-16-17-18-19-20");
    const int n = shared().expectedAnswer;
    showHelpText(scale.left(3 * (n + 1)) + text::CR + text::CR, QStringLiteral("Hilfe: Zahlenstrahl"));
}

void NumberLineScreen::rightAnswerMove()
{
    Figur2->setWidthTwips(Figur2->widthTwips() + raceStep);
    Bild2->setLeftTwips(Bild2->leftTwips() + raceStep);
    if (Bild2->leftTwips() >= raceGoal)
        winRun();
}

void NumberLineScreen::wrongAnswerMove()
{
    Figur3->setWidthTwips(Figur3->widthTwips() + raceStep);
    Bild3->setLeftTwips(Bild3->leftTwips() + raceStep);
    if (Bild3->leftTwips() >= raceGoal)
        loseRun(QStringLiteral("Pick!"),
                QStringLiteral("Pech, du hast verloren und") + text::CR + QStringLiteral("musst von vorn anfangen!") +
                    text::CR);
}

void NumberLineScreen::resetGame()
{
    Figur2->setWidthTwips(barStart);
    Bild2->setLeftTwips(faceStart);
    Figur3->setWidthTwips(barStart);
    Bild3->setLeftTwips(faceStart);
}
