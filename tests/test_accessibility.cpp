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
#include "ui/kit/CaptionWords.h"
#include "ui/kit/Controls.h"
#include "ui/machine/QtDialogs.h"
#include "ui/speech/Accessibility.h"
#include "ui/speech/Reading.h"

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

// A caption set letter by letter ("H i l f e", "o o o o o   o x"): read sign by sign.
bool isLetterSpaced(const QString &name)
{
    static const QRegularExpression spaced(QStringLiteral("(^|\\s)(\\S ){2,}\\S(\\s|$)"));
    return spaced.match(name).hasMatch();
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
    if (isLetterSpaced(name))
        faults << what + QStringLiteral(": named letter by letter");
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

// What the accessibility layer was told, as a screen reader would hear it: announcements, or
// notifications that appear.
QStringList announced;

void recordAnnouncement(QAccessibleEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event->type() == QAccessible::Announcement) {
        announced << static_cast<QAccessibleAnnouncementEvent *>(event)->message();
        return;
    }
#endif
    if (event->type() == QAccessible::ObjectShow && event->accessibleInterface()->role() == QAccessible::Notification)
        announced << event->accessibleInterface()->text(QAccessible::Name);
}

// Names raised for the race figures while a screen reader listens.
int figureEvents = 0;

void countFigureEvents(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::NameChanged && qobject_cast<kit::Picture *>(event->object()))
        ++figureEvents;
}

} // namespace

// One data row for each race screen; "Umkehren" only where the test asks for it.
static void exerciseRows(bool withReversing)
{
    QTest::addColumn<Exercise>("exercise");
    QTest::newRow("number line") << Exercise::NumberLine;
    QTest::newRow("number sets") << Exercise::NumberSets;
    QTest::newRow("completing") << Exercise::Completing;
    QTest::newRow("sequences") << Exercise::Sequences;
    QTest::newRow("calculating") << Exercise::Calculating;
    if (withReversing)
        QTest::newRow("reversing") << Exercise::Reversing;
}

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
        exerciseRows(true);
    }
    void answerBarDescribesTheTask()
    {
        QFETCH(Exercise, exercise);
        ExerciseScreen &screen = openExercise(exercise);
        QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(screen.HBildlauf1);
        for (int answer = 0; answer < 3; ++answer) {
            QTest::keyClick(&screen, Qt::Key_F2);
            QVERIFY(!world->speech.said.isEmpty());
            QVERIFY2(bar->text(QAccessible::Description) == world->speech.said.last(),
                     qPrintable(bar->text(QAccessible::Description)));
            screen.HBildlauf1->setValue(shared().expectedAnswer);
            screen.checkAnswer();
        }
    }

    // Every window and box is called by words: the captions set letter by letter on screen are
    // said as words.
    void lettersSpacedOnScreenAreSaidAsWords_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("words");
        QTest::newRow("range") << QStringLiteral("R e c h n e n   b i s   10") << QStringLiteral("Rechnen bis 10");
        QTest::newRow("page") << QStringLiteral("Q U A R I M O :  Startseite") << QStringLiteral("QUARIMO: Startseite");
        QTest::newRow("umlaut") << QStringLiteral("S c h i e ß b u d e") << QStringLiteral("Schießbude");
        QTest::newRow("sentence") << QStringLiteral("Klicke auf 'o k a y'.") << QStringLiteral("Klicke auf 'o k a y'.");
        QTest::newRow("plain") << QStringLiteral("Slalomfahrt") << QStringLiteral("Slalomfahrt");
    }
    void lettersSpacedOnScreenAreSaidAsWords()
    {
        QFETCH(QString, caption);
        QFETCH(QString, words);
        QCOMPARE(kit::captionWords(caption), words);
        ExerciseScreen &screen = openExercise(Exercise::Calculating);
        screen.setUp();
        QCOMPARE(screen.windowTitle(), QStringLiteral("R e c h n e n   b i s   10"));
        QCOMPARE(QAccessible::queryAccessibleInterface(&screen)->text(QAccessible::Name),
                 QStringLiteral("Rechnen bis 10"));
    }

    // The help box of every exercise opens with Insert and with F1 (Insert is the screen
    // reader's own key); a screen reader reads it as the sentence F2 says, not its signs.
    void helpIsReadAsTheTasksSentence_data()
    {
        exerciseRows(false);
    }
    void helpIsReadAsTheTasksSentence()
    {
        QFETCH(Exercise, exercise);
        ExerciseScreen &screen = openExercise(exercise);
        QTest::keyClick(screen.HBildlauf1, Qt::Key_Insert);
        QCOMPARE(world->dialogs.count(), 1);
        QTest::keyClick(screen.HBildlauf1, Qt::Key_F1);
        QCOMPARE(world->dialogs.count(), 2);
        QCOMPARE(world->dialogs.boxes().at(1).text, world->dialogs.boxes().at(0).text);
        QCOMPARE(world->dialogs.lastHelpSentence(), screen.taskSentence());
    }

    // The box itself: its picture stays on screen, its title and text are read as words.
    void aHelpBoxIsReadAsItsSentence()
    {
        const QString picture = QStringLiteral("o o o o o   o x");
        const QString sentence = QStringLiteral("Wie viel ist 5 plus 1?");
        QStringList faults;
        QString shown;
        QString said;
        QTimer::singleShot(0, this, [&] {
            QWidget *box = QApplication::activeModalWidget();
            QVERIFY(box);
            walk(QAccessible::queryAccessibleInterface(box), faults);
            for (QLabel *label : box->findChildren<QLabel *>())
                if (label->text() == picture) {
                    shown = label->text();
                    said = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
                }
            box->close();
        });
        kit::QtDialogs().help(picture, QStringLiteral("H i l f e"), sentence);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        QCOMPARE(shown, picture);
        QCOMPARE(said, sentence);
    }

    // A mode button says whether its mode is on; choosing the other turns them round.
    void modeButtonsSayWhetherTheyAreOn_data()
    {
        QTest::addColumn<Exercise>("exercise");
        QTest::addColumn<QStringList>("buttons");
        const QStringList two = {QStringLiteral("Befehl3"), QStringLiteral("Befehl4")};
        QTest::newRow("number line") << Exercise::NumberLine << two;
        QTest::newRow("number sets") << Exercise::NumberSets << two;
        QTest::newRow("completing") << Exercise::Completing << two + QStringList{QStringLiteral("Befehl5")};
        QTest::newRow("sequences") << Exercise::Sequences << two;
        QTest::newRow("calculating") << Exercise::Calculating << two;
        QTest::newRow("reversing") << Exercise::Reversing << two;
    }
    void modeButtonsSayWhetherTheyAreOn()
    {
        QFETCH(Exercise, exercise);
        QFETCH(QStringList, buttons);
        ExerciseScreen &screen = openExercise(exercise);
        QList<QAccessibleInterface *> modes;
        for (const QString &name : std::as_const(buttons))
            modes << QAccessible::queryAccessibleInterface(screen.findChild<kit::Button *>(name));
        QVERIFY(modes.size() >= 2);
        const auto on = [&] {
            QStringList names;
            for (QAccessibleInterface *mode : std::as_const(modes)) {
                if (!mode->state().checkable)
                    return QStringList{QStringLiteral("not a switch: ") + mode->text(QAccessible::Name)};
                if (mode->state().checked)
                    names << mode->text(QAccessible::Name);
            }
            return names;
        };
        const QStringList before = on();
        QCOMPARE(before.size(), 1);
        for (QAccessibleInterface *mode : std::as_const(modes))
            if (!mode->state().checked) {
                static_cast<QAbstractButton *>(mode->object())->click();
                QCOMPARE(on(), QStringList{mode->text(QAccessible::Name)});
                break;
            }
    }

    // The number words' two modes, and what the bar is to match.
    void numberWordsSayTheirMode()
    {
        NumberWordsScreen &screen = Form7();
        screen.show();
        QAccessibleInterface *words = QAccessible::queryAccessibleInterface(screen.Befehl3);
        QAccessibleInterface *numbers = QAccessible::queryAccessibleInterface(screen.Befehl4);
        for (QAccessibleInterface *chosen : {numbers, words}) {
            static_cast<QAbstractButton *>(chosen->object())->click();
            QVERIFY(words->state().checkable && numbers->state().checkable);
            QCOMPARE(bool(words->state().checked), chosen == words);
            QCOMPARE(bool(numbers->state().checked), chosen == numbers);
            QVERIFY(screen.HBildlauf1->accessibleDescription().endsWith(screen.Bezeichnung2->caption()));
        }
    }

    // The loudspeaker says whether reading aloud is on, and the name plate who is logged in.
    void startPageSaysWhatIsOn()
    {
        StartPage &page = form1();
        QAccessibleInterface *loudspeaker = QAccessible::queryAccessibleInterface(page.loudspeaker);
        for (bool on : {true, false}) {
            world->platform.reading().setOn(on);
            QVERIFY(loudspeaker->state().checkable);
            QCOMPARE(bool(loudspeaker->state().checked), on);
        }
        world->dialogs.answerInput(QStringLiteral("Lena"));
        QAccessible::queryAccessibleInterface(page.Bezeichnung12)
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(page.Bezeichnung12->caption(), QStringLiteral("Lena"));
        QVERIFY(QAccessible::queryAccessibleInterface(page.Bezeichnung12)
                    ->text(QAccessible::Name)
                    .contains(QStringLiteral("Lena")));
    }

    // After every move a screen reader is told where the figures stand, with their names;
    // placed again where they stand, they say nothing new.
    void figuresSayWhereTheyStand_data()
    {
        exerciseRows(true);
    }
    void figuresSayWhereTheyStand()
    {
        QFETCH(Exercise, exercise);
        ExerciseScreen &screen = openExercise(exercise);
        screen.show();
        const auto stands = [&] {
            QStringList said;
            for (kit::Picture *picture : screen.findChildren<kit::Picture *>()) {
                const QString name = QAccessible::queryAccessibleInterface(picture)->text(QAccessible::Name);
                if (name.startsWith(picture->accessibleName() + QStringLiteral(", ")))
                    said << name.mid(picture->accessibleName().size() + 2);
            }
            return said;
        };
        const auto answer = [&](bool right) {
            const int expected = shared().expectedAnswer;
            screen.HBildlauf1->setValue(right ? expected : expected == 0 ? 1 : expected - 1);
            screen.checkAnswer();
        };
        figureEvents = 0;
        QAccessible::installUpdateHandler(countFigureEvents);
        const auto restore = qScopeGuard([] { QAccessible::installUpdateHandler(nullptr); });
        const QString toGoal = QStringLiteral("noch %1 Schritte bis zum Ziel");
        const QMap<Exercise, QStringList> start = {
            {Exercise::NumberLine, {toGoal.arg(27), toGoal.arg(27)}},
            {Exercise::NumberSets, {toGoal.arg(25), toGoal.arg(25)}},
            {Exercise::Completing, {toGoal.arg(30), toGoal.arg(30)}},
            {Exercise::Sequences, {toGoal.arg(53)}},
            {Exercise::Calculating, {QStringLiteral("noch 1 Schritt bis zu dir"), toGoal.arg(25)}},
            {Exercise::Reversing, {QStringLiteral("noch 1 Schritt bis zu dir"), toGoal.arg(25)}}};
        const QStringList atStart = stands();
        QCOMPARE(atStart, start.value(exercise));
        QStringList before = atStart;
        for (bool right : {true, false}) {
            answer(right);
            QVERIFY2(stands() != before, qPrintable(before.join(u'|')));
            before = stands();
        }
        QVERIFY(before.contains(screen.race().childStand()));
        QVERIFY(!QAccessible::isActive() || figureEvents > 0);
        screen.resetGame();
        QCOMPARE(stands(), atStart);
        figureEvents = 0;
        screen.resetGame();
        QCOMPARE(figureEvents, 0);
    }

    // After every answer a screen reader hears how it went and the task asked now, without
    // another key; not when reading aloud says it already.
    void everyAnswerIsAnnounced_data()
    {
        QTest::addColumn<bool>("readingOn");
        QTest::newRow("reading aloud off") << false;
        QTest::newRow("reading aloud on") << true;
    }
    void everyAnswerIsAnnounced()
    {
        QFETCH(bool, readingOn);
        // The layer passes events on only while a screen reader listens (never on the offscreen
        // platform); then they are recorded. Without one, Qt before 6.8 still keeps the words of
        // the notification it shows.
        const bool listening = QAccessible::isActive();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (!listening)
            QSKIP("announcements are seen only while a screen reader listens");
#endif
        ExerciseScreen &screen = openExercise(Exercise::Calculating);
        screen.show();
        world->platform.reading().setOn(readingOn);
        announced.clear();
        QAccessible::installUpdateHandler(recordAnnouncement);
        const auto restore = qScopeGuard([] { QAccessible::installUpdateHandler(nullptr); });
        QStringList expected;
        QStringList heard;
        for (int answer = 0; answer < 4; ++answer) {
            const bool right = answer % 2 == 0;
            const int expectedAnswer = shared().expectedAnswer;
            screen.HBildlauf1->setValue(right ? expectedAnswer : expectedAnswer == 0 ? 1 : expectedAnswer - 1);
            announced.clear();
            screen.checkAnswer();
            expected << (right ? QStringLiteral("Richtig! ") : QStringLiteral("Noch nicht. ")) + screen.taskSentence();
            heard << (listening ? announced.value(announced.size() - 1) : kit::lastAnnouncement(&screen));
        }
        if (readingOn) {
            for (const QString &words : std::as_const(heard))
                QVERIFY2(!words.startsWith(QStringLiteral("Richtig")) && !words.startsWith(QStringLiteral("Noch")),
                         qPrintable(words));
        } else {
            QCOMPARE(heard, expected);
        }
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
