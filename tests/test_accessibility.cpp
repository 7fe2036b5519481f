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
#include "ui/Accessibility.h"
#include "ui/Controls.h"

#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <QtTest>
#include <memory>
#include <typeinfo>

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

    // Two presses on the door, the second while the first one's question is open (or both before
    // it opens): one question, as with a double click.
    void aSecondPressWhileTheQuestionIsOpenIsIgnored_data()
    {
        QTest::addColumn<bool>("bothAtOnce");
        QTest::newRow("the second while the question is open") << false;
        QTest::newRow("both before the question opens") << true;
    }
    void aSecondPressWhileTheQuestionIsOpenIsIgnored()
    {
        QFETCH(bool, bothAtOnce);
        QAccessibleActionInterface *door =
            QAccessible::queryAccessibleInterface(form1().Bezeichnung1)->actionInterface();
        world->dialogs.onNextQuestion([&] {
            if (!bothAtOnce)
                door->doAction(QAccessibleActionInterface::pressAction());
            QCoreApplication::processEvents(); // as the open box's own event loop does
        });
        door->doAction(QAccessibleActionInterface::pressAction());
        if (bothAtOnce)
            door->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(world->dialogs.count(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(world->dialogs.count(), 1);
        QCOMPARE(world->dialogs.last().text, QStringLiteral("Dieses Programm jetzt beenden?\r"));
    }

    // Every kind of control the kit makes acts once at a time: a press that comes while its
    // action runs (here an event loop, as a box runs one) does nothing, and the next one after
    // it acts again.
    void everyControlActsOnceAtATime_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"label", "button", "picture"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void everyControlActsOnceAtATime()
    {
        QFETCH(QString, kind);
        QWidget window;
        QAccessibleActionInterface *press = nullptr;
        int actions = 0;
        bool pressedAgain = false;
        const auto act = [&] {
            ++actions;
            if (pressedAgain)
                return;
            pressedAgain = true;
            press->doAction(QAccessibleActionInterface::pressAction());
            QTest::qWait(400); // longer than a button's pressed look
        };
        const QRect place(0, 0, 900, 900);
        QWidget *control = nullptr;
        if (kind == QLatin1String("label")) {
            auto *label = new Label(&window, kind, place, QStringLiteral("Los"));
            label->onClick(this, act);
            control = label;
        } else {
            QAbstractButton *button =
                kind == QLatin1String("button")
                    ? static_cast<QAbstractButton *>(new kit::Button(&window, kind, place, QStringLiteral("Los")))
                    : new kit::PictureButton(&window, kind, place, QStringLiteral("bird.svg"), QStringLiteral("Los"));
            connect(button, &QAbstractButton::clicked, this, act);
            control = button;
        }
        window.show();
        press = QAccessible::queryAccessibleInterface(control)->actionInterface();
        press->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(actions, 1);
        QTest::qWait(400);
        QCOMPARE(actions, 1);
        press->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(actions, 2);
    }

    // While a box stands over the start page, a press on its door does nothing: the mouse could
    // not reach it either.
    void aPressUnderABoxIsIgnored()
    {
        StartPage &page = form1();
        page.showWindow();
        QDialog box(&page);
        QTimer::singleShot(0, &box, [&] {
            QAccessible::queryAccessibleInterface(page.Bezeichnung1)
                ->actionInterface()
                ->doAction(QAccessibleActionInterface::pressAction());
            QCoreApplication::processEvents();
            box.reject();
        });
        box.exec();
        QCoreApplication::processEvents();
        QCOMPARE(world->dialogs.count(), 0);
    }

    // Only the program's own controls are changed for screen readers: a combo box it has not
    // taken as its own is as Qt makes it, and a label is a button only when given an action,
    // whatever listens to it.
    void onlyOwnControlsAreChanged()
    {
        QComboBox plain;
        QComboBox own;
        for (QComboBox *box : {&plain, &own}) {
            box->addItems({QStringLiteral("Plusrechnen"), QStringLiteral("Minusrechnen")});
            box->setAccessibleName(QStringLiteral("Blatt"));
        }
        kit::nameComboBoxItself(&own);
        kit::nameComboBoxItself(&own);
        QAccessibleInterface *ours = QAccessible::queryAccessibleInterface(&own);
        QAccessibleInterface *qts = QAccessible::queryAccessibleInterface(&plain);
        QCOMPARE(ours->text(QAccessible::Name), QStringLiteral("Blatt"));
        QVERIFY(ours->textInterface());
        QVERIFY(typeid(*qts) != typeid(*ours));

        Label listened(nullptr, QStringLiteral("L"), QRect(0, 0, 900, 300), QStringLiteral("5"));
        QSignalSpy spy(&listened, &Label::clicked);
        QCOMPARE(QAccessible::queryAccessibleInterface(&listened)->role(), QAccessible::StaticText);
        QVERIFY(!QAccessible::queryAccessibleInterface(&listened)->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
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
