// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader finds in every window, walked as it walks them: through the
// accessibility interfaces, not the widgets.

#include "app/FontViewer.h"
#include "app/StartPage.h"
#include "exercises/ExerciseScreen.h"
#include "exercises/NumberPicturesScreen.h"
#include "exercises/NumberWordsScreen.h"
#include "games/MemoryGame.h"
#include "games/ShootingGallery.h"
#include "games/SlalomDrive.h"
#include "support/ScriptedDialogs.h"
#include "support/TestWindows.h"
#include "ui/Controls.h"

#include <QAccessible>
#include <QtTest>
#include <memory>

using kit::Label;

namespace {

bool pressable(QAccessible::Role role)
{
    return role == QAccessible::Button || role == QAccessible::CheckBox || role == QAccessible::RadioButton ||
           role == QAccessible::ButtonDropDown || role == QAccessible::ButtonMenu;
}

// A picture block: one character over and over, perhaps in two rows.
bool isPictureRun(QString name)
{
    name.remove(QLatin1Char('\n'));
    return name.size() >= 3 && name.count(name.front()) == name.size();
}

bool reactsToClicks(QObject *object)
{
    if (qobject_cast<QAbstractButton *>(object))
        return true;
    auto *label = qobject_cast<Label *>(object);
    return label && label->reactsToClicks();
}

bool takesKeys(QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    return widget && !widget->isWindow() && (widget->focusPolicy() & Qt::TabFocus) != 0;
}

// Every fault found below `node`, one line each.
void walk(QAccessibleInterface *node, QStringList &faults)
{
    if (!node)
        return;
    QObject *object = node->object();
    const QString name = node->text(QAccessible::Name);
    const QString what = (object ? object->objectName() : QString()) + QStringLiteral(" \"") + name + u'"';
    if (isPictureRun(name))
        faults << what + QStringLiteral(": named by its picture characters");
    if (reactsToClicks(object)) {
        QAccessibleActionInterface *actions = node->actionInterface();
        if (!pressable(node->role()))
            faults << what + QStringLiteral(": reacts to a click, role %1").arg(int(node->role()));
        if (!actions || !actions->actionNames().contains(QAccessibleActionInterface::pressAction()))
            faults << what + QStringLiteral(": no press action");
    }
    if ((reactsToClicks(object) || takesKeys(object)) && name.trimmed().isEmpty())
        faults << what + QStringLiteral(": no name");
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), faults);
}

QWidget *window(const QString &name)
{
    if (name == QLatin1String("form1"))
        return &form1();
    if (name == QLatin1String("Form2"))
        return &openExercise(Exercise::NumberLine);
    if (name == QLatin1String("Form3"))
        return &openExercise(Exercise::NumberSets);
    if (name == QLatin1String("Form4"))
        return &openExercise(Exercise::Completing);
    if (name == QLatin1String("Form5"))
        return &openExercise(Exercise::Sequences);
    if (name == QLatin1String("Form6"))
        return &openExercise(Exercise::Calculating);
    if (name == QLatin1String("Form7"))
        return &Form7();
    if (name == QLatin1String("Form8"))
        return &Form8();
    if (name == QLatin1String("Form9"))
        return &Form9();
    if (name == QLatin1String("memo"))
        return &memo();
    if (name == QLatin1String("schiess"))
        return &schiess();
    return &slalom();
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

private slots:
    void init() { world = std::make_unique<TestWorld>(); }
    void cleanup() { world.reset(); }

    void everyControlIsNamedAndPressable_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"form1", "Form2", "Form3", "Form4", "Form5", "Form6", "Form7", "Form8", "Form9",
                                 "memo", "schiess", "slalom"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void everyControlIsNamedAndPressable()
    {
        QFETCH(QString, name);
        QWidget *shown = window(name);
        shown->show();
        QStringList faults;
        walk(QAccessible::queryAccessibleInterface(shown), faults);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // A label that acts is pressed as a screen reader presses it, and does what a click does;
    // what it shows keeps its name in step.
    void pressingALabelClicksIt()
    {
        StartPage &page = form1();
        QAccessibleInterface *door = QAccessible::queryAccessibleInterface(page.Bezeichnung1);
        QCOMPARE(door->role(), QAccessible::Button);
        QCOMPARE(door->text(QAccessible::Name), QStringLiteral("Ausgang"));
        door->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(world->dialogs.count(), 1);
        QCOMPARE(world->dialogs.last().text, QStringLiteral("Dieses Programm jetzt beenden?\r"));

        shared().rewardRoundsChanged(3);
        QCOMPARE(QAccessible::queryAccessibleInterface(page.Bezeichnung11)->text(QAccessible::Name),
                 QStringLiteral("Belohnungsrunden: 3"));
        QCOMPARE(page.Bezeichnung11->caption(), QStringLiteral("3"));
    }

    // The answer bar's description is the task, said as F2 says it, and follows every task and
    // every step of one.
    void answerBarDescribesTheTask_data()
    {
        QTest::addColumn<Exercise>("exercise");
        QTest::newRow("number line") << Exercise::NumberLine;
        QTest::newRow("number sets") << Exercise::NumberSets;
        QTest::newRow("completing") << Exercise::Completing;
        QTest::newRow("sequences") << Exercise::Sequences;
        QTest::newRow("calculating") << Exercise::Calculating;
        QTest::newRow("reversing") << Exercise::Reversing;
    }
    void answerBarDescribesTheTask()
    {
        QFETCH(Exercise, exercise);
        ExerciseScreen &screen = openExercise(exercise);
        QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(screen.HBildlauf1);
        for (int answer = 0; answer < 3; ++answer) {
            QTest::keyClick(&screen, Qt::Key_F2);
            QVERIFY(!world->speech.said.isEmpty());
            QCOMPARE(bar->text(QAccessible::Description), world->speech.said.last());
            screen.HBildlauf1->setValue(shared().expectedAnswer);
            screen.checkAnswer();
        }
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
