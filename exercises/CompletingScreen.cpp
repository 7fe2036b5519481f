#include "exercises/CompletingScreen.h"

#include "ui/Controls.h"
#include "engine/SharedValues.h"
#include "engine/Task.h"
#include "engine/TextHelpers.h"

namespace {

const QColor questionBlue(0, 0, 192);
const QColor darkBlue(0, 0, 128);
const QColor lightYellow(255, 255, 128);

Label *equationLabel(QWidget *parent, const QString &name, const QRect &twips, const QString &caption = QString())
{
    auto *label = new Label(parent, name, twips, caption);
    label->setFontSpec(QStringLiteral("MS Sans Serif"), 24, true);
    return label;
}

Label *numberBox(QWidget *parent, const QString &name, const QRect &twips)
{
    Label *label = equationLabel(parent, name, twips);
    label->setBackgroundColour(Qt::white);
    label->setSingleBorder(true);
    return label;
}

} // namespace

CompletingScreen::CompletingScreen()
    : ExerciseScreen(QStringLiteral("Form4"), QSize(7470, 5865), Qt::white, Reseed::OnLoad)
{
    Befehl5 = addModeButton(QStringLiteral("Befehl5"), QRect(120, 360, 2055, 495), QStringLiteral("Z e h n e r"), 5);
    Befehl5->setAccessibleName(QStringLiteral("Zehner"));

    Bezeichnung2 = new Label(this, QStringLiteral("Bezeichnung2"), QRect(2160, 360, 3135, 495));
    Bezeichnung2->setFontSpec(QStringLiteral("MS Sans Serif"), 18, true);
    Bezeichnung2->setTextColour(questionBlue);
    Bezeichnung2->setBackgroundColour(Qt::white);
    Bezeichnung2->setCentred();

    Befehl3 = addModeButton(QStringLiteral("Befehl3"), QRect(5280, 360, 975, 495), QStringLiteral("plus"), 6);
    Befehl4 = addModeButton(QStringLiteral("Befehl4"), QRect(6360, 360, 975, 495), QStringLiteral("minus"), 7);

    Figur1 = addShape(QStringLiteral("Figur1"), QRect(120, 1080, 7215, 2175));
    Figur1->setBorder(questionBlue, 1);

    Bezeichnung1 = new Label(this, QStringLiteral("Bezeichnung1"), QRect(240, 1200, 6975, 1095));
    Bezeichnung1->setFontSpec(QStringLiteral("Arial"), 24, false);
    Bezeichnung1->setCentred();
    Bezeichnung1->setWordWrap(true);
    Bezeichnung1->setAccessibleName(QStringLiteral("Bilder"));

    Bezeichnung3 = numberBox(this, QStringLiteral("Bezeichnung3"), QRect(1560, 2520, 975, 615));
    Bezeichnung3->setCentred();
    Bezeichnung4 = equationLabel(this, QStringLiteral("Bezeichnung4"), QRect(2640, 2520, 495, 615), QStringLiteral("+"));
    Bezeichnung4->setCentred();
    Bezeichnung5 = equationLabel(this, QStringLiteral("Bezeichnung5"), QRect(3240, 2520, 975, 615));
    Bezeichnung5->setTextColour(darkBlue);
    Bezeichnung5->setBackgroundColour(lightYellow);
    Bezeichnung5->setSingleBorder(true);
    // Centred like the first number, so the child's digit sits in the middle of the gap.
    Bezeichnung5->setCentred();
    Bezeichnung6 = equationLabel(this, QStringLiteral("Bezeichnung6"), QRect(4320, 2520, 495, 615), QStringLiteral("="));
    Bezeichnung7 = numberBox(this, QStringLiteral("Bezeichnung7"), QRect(4920, 2520, 975, 615));
    Bezeichnung7->setCentred();

    buildCommonControls(QRect(960, 3480, 1095, 375), QRect(2160, 3480, 2655, 375), QRect(4920, 3480, 1095, 375),
                        QRect(6120, 3480, 375, 375), QStringLiteral("Befehl6"));
    Befehl6 = helpButton;

    Bild1 = new Picture(this, QStringLiteral("Bild1"), QRect(raceStart, 4440, 495, 495),
                        QStringLiteral("spider_plus.svg"), QStringLiteral("Spinne mit Plus"));
    Bild2 = new Picture(this, QStringLiteral("Bild2"), QRect(raceStart, 4920, 495, 495),
                        QStringLiteral("spider_minus.svg"), QStringLiteral("Spinne mit Minus"));
    Bild2->setBackgroundColour(lightYellow);
    Bild3 = new Picture(this, QStringLiteral("Bild3"), QRect(6120, 4200, 1335, 1455),
                        QStringLiteral("spider_finish.svg"), QStringLiteral("Ziel"));
    Bild3->lower(); // the spiders run onto the finish picture
}

void CompletingScreen::applyTask(const Task &task)
{
    const int range = shared().numberRange;
    const QString question = QStringLiteral("Wie viel fehlt?");
    switch (task.kind) {
    case 5:
        HBildlauf1->setValue(0);
        Bezeichnung1->setCaption(text::pictureBlock(task.picture, range));
        Befehl5->setCaption(QStringLiteral("z u m ") + text::signedNumber(range) + QStringLiteral(" e r"));
        Befehl5->setAccessibleName(QStringLiteral("zum ") + text::plain(range) + QStringLiteral("er"));
        Bezeichnung2->setCaption(question);
        Bezeichnung7->setCaption(text::plain(range));
        Bezeichnung3->setCaption(text::plain(task.a));
        Bezeichnung4->setCaption(QStringLiteral("+"));
        break;
    case 6:
    case 7: {
        const bool plus = task.kind == 6;
        HBildlauf1->setValue(0);
        Bezeichnung1->setCaption(text::pictureBlock(task.picture, task.t));
        Bezeichnung2->setCaption(question);
        (plus ? Bezeichnung7 : Bezeichnung3)->setCaption(text::plain(task.t));
        (plus ? Bezeichnung3 : Bezeichnung7)->setCaption(text::plain(task.t - task.a));
        Bezeichnung4->setCaption(plus ? QStringLiteral("+") : QStringLiteral("-"));
        break;
    }
    default:
        break;
    }
}

void CompletingScreen::showEntry()
{
    const int value = HBildlauf1->value();
    focusAnswer();
    Bezeichnung5->setCaption(text::plain(value));
}

void CompletingScreen::showHelp()
{
    const int missing = shared().expectedAnswer;
    const int afterEquals = text::captionNumber(Bezeichnung7->caption());
    const QString blank = QStringLiteral(" ");
    const QString o = QStringLiteral("o");
    const QString x = QStringLiteral("x");
    QString part;
    switch (shared().taskKind) {
    case 5:
    case 6:
        part = text::repeated(o, afterEquals - missing) + blank + text::repeated(x, missing);
        break;
    case 7:
        part = text::repeated(o, missing) + blank + text::repeated(x, afterEquals);
        break;
    default:
        break;
    }
    const QString line = Bezeichnung3->caption() + blank + Bezeichnung4->caption() + QStringLiteral(" __ = ") +
                         Bezeichnung7->caption();
    showHelpText(line + text::CR + text::CR + part + text::CR, QStringLiteral("Hilfe: Ergänzen"));
}

void CompletingScreen::resetGame()
{
    Bild1->setLeftTwips(raceStart);
    Bild2->setLeftTwips(raceStart);
}

void CompletingScreen::rightAnswerMove()
{
    Bild1->setLeftTwips(Bild1->leftTwips() + raceStep);
    if (Bild1->leftTwips() >= raceGoal)
        winRun();
}

void CompletingScreen::wrongAnswerMove()
{
    Bild2->setLeftTwips(Bild2->leftTwips() + raceStep);
    if (Bild2->leftTwips() >= raceGoal)
        loseRun(QStringLiteral("Klack"), QStringLiteral("Pech, die falsche Spinne hat gewonnen!") + text::CR +
                                             QStringLiteral("Probier es bitte noch einmal! Viel Glück!") + text::CR);
}
