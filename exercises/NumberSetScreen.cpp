#include "exercises/NumberSetScreen.h"

#include "ui/Controls.h"
#include "engine/SharedValues.h"
#include "engine/Task.h"
#include "engine/TextHelpers.h"

namespace {

constexpr int carStart = 120;
constexpr int raceStep = 300;
constexpr int raceGoal = 7600;

const QColor darkRed(192, 0, 0);

} // namespace

NumberSetScreen::NumberSetScreen()
    : ExerciseScreen(QStringLiteral("Form3"), QSize(8535, 4725), kit::systemWindowColour(), Reseed::OnLoad)
{
    Befehl3 = addModeButton(QStringLiteral("Befehl3"), QRect(120, 360, 1935, 375), QStringLiteral("Zahlen"), 3);

    Bezeichnung2 = new Label(this, QStringLiteral("Bezeichnung2"), QRect(2160, 360, 4215, 495));
    Bezeichnung2->setFontSpec(QStringLiteral("Verdana"), 18, true);
    Bezeichnung2->setTextColour(darkRed);
    Bezeichnung2->setCentred();

    Befehl4 = addModeButton(QStringLiteral("Befehl4"), QRect(6480, 360, 1935, 375), QStringLiteral("Bilder"), 4);

    Figur1 = addShape(QStringLiteral("Figur1"), QRect(120, 960, 975, 1215));

    // As wide as the frame allows: a two-digit number in 31.5 pt bold needs more than 735 twips.
    Bezeichnung3 = new Label(this, QStringLiteral("Bezeichnung3"), QRect(150, 1200, 915, 735));
    Bezeichnung3->setFontSpec(QStringLiteral("Verdana"), 31.5, true);
    Bezeichnung3->setTextColour(darkRed);
    Bezeichnung3->setBackgroundColour(Qt::white);
    Bezeichnung3->setCentred();

    Bezeichnung1 = new Label(this, QStringLiteral("Bezeichnung1"), QRect(1080, 960, 7335, 1215));
    Bezeichnung1->setFontSpec(QStringLiteral("Arial"), 24, false);
    Bezeichnung1->setTextColour(Qt::black);
    Bezeichnung1->setCentred();
    Bezeichnung1->setSingleBorder(true);
    Bezeichnung1->setWordWrap(true);

    buildCommonControls(QRect(1560, 2520, 1095, 375), QRect(2760, 2520, 2655, 375), QRect(5520, 2520, 1095, 375),
                        QRect(6720, 2520, 375, 375), QStringLiteral("Befehl5"));

    Figur2 = addShape(QStringLiteral("Figur2"), QRect(0, 3360, 8535, 1335));
    Figur2->setNoBorder();
    Figur2->setFill(QColor(224, 224, 224));

    Bild1 = new Picture(this, QStringLiteral("Bild1"), QRect(carStart, 3720, 495, 495), QStringLiteral("car_plus.svg"),
                        QStringLiteral("blaues Auto mit Plus"));
    Bild2 = new Picture(this, QStringLiteral("Bild2"), QRect(carStart, 4080, 495, 495),
                        QStringLiteral("car_minus.svg"), QStringLiteral("rotes Auto mit Minus"));
    Bild3 = new Picture(this, QStringLiteral("Bild3"), QRect(7920, 3480, 495, 1095), QStringLiteral("stop_sign.svg"),
                        QStringLiteral("STOP-Schild"));
}

void NumberSetScreen::applyTask(const Task &task)
{
    if (task.kind == 4) {
        HBildlauf1->setMinimum(1);
        HBildlauf1->setValue(1);
        Bezeichnung1->setCaption(QString(task.picture));
        Bezeichnung2->setCaption(QStringLiteral("Stelle die Bilder ein!"));
        Bezeichnung3->setCaption(text::plain(task.n));
    } else {
        HBildlauf1->setMinimum(0);
        HBildlauf1->setValue(0);
        Bezeichnung1->setCaption(text::pictureBlock(task.picture, task.n));
        Bezeichnung2->setCaption(QStringLiteral("Wie viele sind das?"));
        Bezeichnung3->setCaption(QStringLiteral("0"));
    }
}

void NumberSetScreen::showEntry()
{
    const int value = HBildlauf1->value();
    focusAnswer();
    if (shared().taskKind == 4) {
        const QString picture = Bezeichnung1->caption().left(1);
        if (value > 10)
            Bezeichnung1->setCaption(text::repeated(picture, 10) + text::CR + text::repeated(picture, value - 10));
        else
            Bezeichnung1->setCaption(text::repeated(picture, value));
    } else {
        Bezeichnung3->setCaption(text::plain(value));
    }
}

void NumberSetScreen::showHelp()
{
    QString help;
    for (int i = 1; i <= shared().expectedAnswer; ++i) {
        help += QLatin1Char('x');
        if (i % 5 == 0)
            help += QLatin1Char(' ');
    }
    showHelpText(help + text::CR + text::CR, QStringLiteral("Hilfe: Zahlmengen"));
}

void NumberSetScreen::rightAnswerMove()
{
    Bild1->setLeftTwips(Bild1->leftTwips() + raceStep);
    if (Bild1->leftTwips() >= raceGoal)
        winRun();
}

void NumberSetScreen::wrongAnswerMove()
{
    Bild2->setLeftTwips(Bild2->leftTwips() + raceStep);
    if (Bild2->leftTwips() >= raceGoal)
        loseRun(QStringLiteral("E N D E"), QStringLiteral("Pech, der falsche Wagen hat gewonnen!") + text::CR +
                                               QStringLiteral("Probier es doch noch einmal! Viel Glück!") +
                                               text::CR);
}

void NumberSetScreen::resetGame()
{
    Bild1->setLeftTwips(carStart);
    Bild2->setLeftTwips(carStart);
}
