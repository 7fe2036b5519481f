#include "exercises/CalculationScreen.h"

#include "ui/Controls.h"
#include "engine/SharedValues.h"
#include "engine/Task.h"
#include "engine/TextHelpers.h"

namespace {

const QColor darkBlue(0, 0, 128);    // palette colour 1
const QColor headingBlue(0, 0, 192);
const QColor water(128, 255, 255);

bool isCalculating(int kind)
{
    return kind == 10 || kind == 11;
}

bool isReversing(int kind)
{
    return kind == 12 || kind == 13;
}

// One of the five boxes of the equation row.
Label *equationLabel(QWidget *parent, const QString &name, int left, const QString &caption, bool box)
{
    auto *label = new Label(parent, name, QRect(left, 2400, 735, 615), caption);
    label->setFontSpec(QStringLiteral("MS Sans Serif"), 24, true);
    label->setTextColour(darkBlue);
    label->setCentred();
    label->setSingleBorder(box);
    return label;
}

} // namespace

QString calculationHelpText(int p, int q)
{
    const QString symbols = text::repeated(QStringLiteral("o"), p) + text::repeated(QStringLiteral("x"), q);
    QString help;
    for (int i = 1; i <= symbols.size(); ++i) {
        help += symbols.at(i - 1);
        help += QLatin1Char(' ');
        // A gap after every five makes the quantity easy to count.
        if (i % 5 == 0)
            help += QStringLiteral("  ");
    }
    return help + text::CR + text::CR;
}

CalculationScreen::CalculationScreen()
    : ExerciseScreen(QStringLiteral("Form6"), QSize(6525, 5115), kit::systemWindowColour(), Reseed::OnLoad)
{
    // Created in the order they lie on the screen, so the Tab key runs top to bottom.
    Befehl3 = new Button(this, QStringLiteral("Befehl3"), QRect(120, 360, 1455, 495), QStringLiteral("p l u s"));
    Befehl3->setAccessibleName(QStringLiteral("plus"));
    Bezeichnung6 = new Label(this, QStringLiteral("Bezeichnung6"), QRect(1680, 360, 3135, 495),
                             QStringLiteral("Rechne aus!"));
    Bezeichnung6->setFontSpec(QStringLiteral("MS Sans Serif"), 18, true);
    Bezeichnung6->setTextColour(headingBlue);
    Bezeichnung6->setCentred();
    Befehl4 = new Button(this, QStringLiteral("Befehl4"), QRect(4920, 360, 1455, 495), QStringLiteral("m i n u s"));
    Befehl4->setAccessibleName(QStringLiteral("minus"));

    Figur1 = addShape(QStringLiteral("Figur1"), QRect(120, 1080, 6255, 2175));
    Figur1->setBorder(darkBlue, 2);

    // Tall enough for two rows of 24 pt pictures (a range above ten), and still clear of the
    // equation row below.
    Bezeichnung8 = new Label(this, QStringLiteral("Bezeichnung8"), QRect(240, 1200, 6015, 1155));
    Bezeichnung8->setFontSpec(QStringLiteral("Arial"), 24, false);
    Bezeichnung8->setCentred();
    Bezeichnung8->setWordWrap(true);

    const QString unknown = QStringLiteral("?");
    Bezeichnung1 = equationLabel(this, QStringLiteral("Bezeichnung1"), 1200, unknown, true);
    Bezeichnung2 = equationLabel(this, QStringLiteral("Bezeichnung2"), 2040, QStringLiteral("+"), false);
    Bezeichnung3 = equationLabel(this, QStringLiteral("Bezeichnung3"), 2880, unknown, true);
    Bezeichnung3->setBackgroundColour(Qt::white);
    Bezeichnung4 = equationLabel(this, QStringLiteral("Bezeichnung4"), 3720, QStringLiteral("="), false);
    Bezeichnung5 = equationLabel(this, QStringLiteral("Bezeichnung5"), 4560, unknown, true);
    Bezeichnung5->setBackgroundColour(Qt::white);

    Bezeichnung7 = new Label(this, QStringLiteral("Bezeichnung7"), QRect(5400, 2760, 375, 255));
    Bezeichnung7->hide();

    buildCommonControls(QRect(480, 3480, 1095, 375), QRect(1680, 3480, 2655, 375), QRect(4440, 3480, 1095, 375),
                        QRect(5640, 3480, 375, 375), QStringLiteral("Befehl5"));
    Befehl5 = helpButton;

    Figur2 = addShape(QStringLiteral("Figur2"), QRect(120, 4440, 6255, 495));
    Figur2->setNoBorder();
    Figur2->setFill(water);
    Bild3 = new Picture(this, QStringLiteral("Bild3"), QRect(5880, 4440, 495, 495), QStringLiteral("seaweed.svg"),
                        QStringLiteral("Seetang"));
    Bild1 = new Picture(this, QStringLiteral("Bild1"), QRect(predatorStart, 4440, 495, 495),
                        QStringLiteral("fish_predator.svg"), QStringLiteral("Raubfisch"));
    Bild1->setBackgroundColour(water);
    // The small fish swims above the predator when they meet.
    Bild2 = new Picture(this, QStringLiteral("Bild2"), QRect(fishStart, 4440, 495, 495),
                        QStringLiteral("fish_small.svg"), QStringLiteral("kleiner Fisch"));
    Bild2->setBackgroundColour(water);

    connect(Befehl3, &QPushButton::clicked, this, [this] { choosePlus(); });
    connect(Befehl4, &QPushButton::clicked, this, [this] { chooseMinus(); });
}

void CalculationScreen::applyTask(const Task &task)
{
    const int s = task.s;
    const int b = task.b;
    switch (task.kind) {
    case 10:
        Bezeichnung1->setCaption(text::plain(s - b));
        Bezeichnung3->setCaption(text::plain(b));
        Bezeichnung5->setCaption(QString());
        break;
    case 11:
        Bezeichnung1->setCaption(text::plain(s));
        Bezeichnung3->setCaption(text::plain(b));
        Bezeichnung5->setCaption(QString());
        break;
    case 12:
        Bezeichnung1->setCaption(QString());
        Bezeichnung3->setCaption(text::plain(b));
        Bezeichnung5->setCaption(text::plain(s));
        break;
    case 13:
        Bezeichnung1->setCaption(QString());
        Bezeichnung3->setCaption(text::plain(b));
        Bezeichnung5->setCaption(text::plain(s - b));
        break;
    default:
        return;
    }
    // A counting aid of as many pictures as the range.
    Bezeichnung8->setCaption(text::pictureBlock(task.picture, shared().numberRange));
    // Last: when the value really changes, showEntry puts the 0 into the entry box.
    HBildlauf1->setValue(0);
}

void CalculationScreen::showEntry()
{
    const int value = HBildlauf1->value();
    focusAnswer();
    const int kind = shared().taskKind;
    if (isCalculating(kind))
        Bezeichnung5->setCaption(text::plain(value));
    else if (isReversing(kind))
        Bezeichnung1->setCaption(text::plain(value));
}

void CalculationScreen::showHelp()
{
    const int kind = shared().taskKind;
    const int expected = shared().expectedAnswer;
    auto number = [](const Label *label) { return text::captionNumber(label->caption()); };
    int p = 0;
    int q = 0;
    switch (kind) {
    case 10:
        p = number(Bezeichnung1);
        q = number(Bezeichnung3);
        break;
    case 11:
        p = number(Bezeichnung3);
        q = expected;
        break;
    case 12:
        p = expected;
        q = number(Bezeichnung3);
        break;
    case 13:
        p = number(Bezeichnung3);
        q = number(Bezeichnung5);
        break;
    default:
        return;
    }
    const QString name = isCalculating(kind) ? QStringLiteral("Rechnen") : QStringLiteral("Umkehren");
    showHelpText(calculationHelpText(p, q), QStringLiteral("Hilfe: ") + name);
}

void CalculationScreen::resetGame()
{
    Bild1->setLeftTwips(predatorStart);
    Bild2->setLeftTwips(fishStart);
}

void CalculationScreen::choosePlus()
{
    chooseOperator(QStringLiteral("+"), 10, 12);
}

void CalculationScreen::chooseMinus()
{
    chooseOperator(QStringLiteral("-"), 11, 13);
}

void CalculationScreen::chooseOperator(const QString &sign, int calculateKind, int reverseKind)
{
    Bezeichnung2->setCaption(sign);
    const QString marker = Bezeichnung7->caption();
    if (marker == QLatin1String("r"))
        shared().taskKind = calculateKind;
    else if (marker == QLatin1String("u"))
        shared().taskKind = reverseKind;
    newTask();
    focusAnswer();
}

void CalculationScreen::rightAnswerMove()
{
    Bild2->setLeftTwips(Bild2->leftTwips() + swimStep);
    if (Bild2->leftTwips() >= fishGoal)
        winRun();
}

void CalculationScreen::wrongAnswerMove()
{
    Bild1->setLeftTwips(Bild1->leftTwips() + swimStep);
    if (Bild1->leftTwips() + catchDistance > Bild2->leftTwips()) {
        const QChar cr = text::CR;
        loseRun(QStringLiteral("Schmatz"), QStringLiteral("Pech, du bist aufgefressen worden!") + cr +
                                               QStringLiteral("Probier es noch einmal, viel Glück!") + cr);
    }
}
