#include "engine/Launchers.h"

#include "ui/Controls.h"
#include "engine/SharedValues.h"
#include "app/Windows.h"
#include "engine/TextHelpers.h"
#include "exercises/CalculationScreen.h"
#include "exercises/CompletingScreen.h"
#include "exercises/NumberLineScreen.h"
#include "exercises/NumberSetScreen.h"
#include "exercises/SequenceScreen.h"

namespace {

void setUp(ExerciseScreen &screen, const QString &captionPrefix)
{
    const int range = shared().numberRange;
    screen.setCaption(captionPrefix + text::signedNumber(range));
    screen.HBildlauf1->setMaximum(range);
}

} // namespace

int numberLineStep(int range)
{
    return range == 10 ? 800 : 400;
}

void setUpNumberLineScreen()
{
    NumberLineScreen &screen = Form2();
    const int range = shared().numberRange;
    screen.setCaption(QStringLiteral("Z a h l e n s t r a h l   b i s  ") + text::signedNumber(range));
    screen.HBildlauf1->setValue(0);
    screen.HBildlauf1->setMaximum(range);

    DrawingSurface &surface = screen.surface();
    surface.clear();
    surface.line(QPoint(500, 1800), QPoint(9000, 1800));
    const int step = numberLineStep(range);
    for (int x = 500; x <= 8500; x += step) {
        const int i = (x - 500) / step;
        const bool isLong = i % 5 == 0;
        surface.line(QPoint(x, 1600), QPoint(x, isLong ? 1950 : 1850));
    }
    surface.print(QPoint(300, 1900), QStringLiteral("0"), 20);
    surface.print(QPoint(300 + 10 * step, 1900), QStringLiteral("10"), 20);
    if (range > 10)
        surface.print(QPoint(300 + 20 * step, 1900), QStringLiteral("20"), 20);
}

void setUpNumberSetScreen()
{
    setUp(Form3(), QStringLiteral("Z a h l e n m e n g e n   b i s  "));
}

void setUpCompletingScreen()
{
    setUp(Form4(), QStringLiteral("E r g ä n z e n   b i s  "));
}

void setUpSequenceScreen()
{
    setUp(Form5(), QStringLiteral("Z a h l f o l g e n   b i s  "));
}

void setUpCalculatingScreen()
{
    setUp(Form6(), QStringLiteral("R e c h n e n   b i s  "));
}

void setUpReversingScreen()
{
    setUp(Form6(), QStringLiteral("U m k e h r e n   b i s  "));
}
