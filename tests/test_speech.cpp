// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/StartPage.h"
#include "engine/NumberWords.h"
#include "engine/SharedValues.h"
#include "engine/Task.h"
#include "engine/TaskSentence.h"
#include "exercises/CalculationScreen.h"
#include "exercises/CompletingScreen.h"
#include "exercises/NumberLineScreen.h"
#include "exercises/NumberSetScreen.h"
#include "exercises/NumberWordsScreen.h"
#include "exercises/SequenceScreen.h"
#include "games/MemoryGame.h"
#include "support/ScriptedDialogs.h"
#include "support/TestWindows.h"
#include "ui/kit/Controls.h"
#include "ui/speech/QtSpeech.h"
#include "ui/speech/Reading.h"

#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <memory>

using kit::QtSpeech;

Q_DECLARE_METATYPE(Task)
Q_DECLARE_METATYPE(kit::Speech::Voice)

namespace {

Task makeTask(int kind, int n, int a, int t, int s, int b)
{
    Task task;
    task.kind = TaskKind(kind);
    task.n = n;
    task.a = a;
    task.t = t;
    task.s = s;
    task.b = b;
    task.picture = QLatin1Char('A');
    return task;
}

ExerciseScreen &raceScreen(int kind)
{
    if (kind <= 2)
        return Form2();
    if (kind <= 4)
        return Form3();
    if (kind <= 7)
        return Form4();
    if (kind <= 9)
        return Form5();
    return Form6();
}

} // namespace

class SpeechTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    const QStringList &said() const { return world->speech.said; }

private slots:
    void init() { world = std::make_unique<TestWorld>(); }
    void cleanup() { world.reset(); }

    void taskSentences_data()
    {
        QTest::addColumn<Task>("task");
        QTest::addColumn<int>("expected"); // how far a sequence has come
        QTest::addColumn<QString>("sentence");
        QTest::newRow("1") << makeTask(1, 7, 0, 0, 0, 0) << 7
                           << QStringLiteral("Wie heißt die Zahl beim roten Schild?");
        QTest::newRow("2") << makeTask(2, 7, 0, 0, 0, 0) << 7
                           << QStringLiteral("Wo steht die Zahl sieben auf dem Zahlenstrahl?");
        QTest::newRow("3") << makeTask(3, 5, 0, 0, 0, 0) << 5
                           << QStringLiteral("Wie viele Bilder sind das? Zähle sie!");
        QTest::newRow("4: 1") << makeTask(4, 1, 0, 0, 0, 0) << 1 << QStringLiteral("Stelle ein Bild ein!");
        QTest::newRow("4: 12") << makeTask(4, 12, 0, 0, 0, 0) << 12 << QStringLiteral("Stelle zwölf Bilder ein!");
        QTest::newRow("5") << makeTask(5, 0, 3, 0, 0, 0) << 12 << QStringLiteral("drei plus wie viel gleich fünfzehn?");
        QTest::newRow("6") << makeTask(6, 0, 4, 9, 0, 0) << 4 << QStringLiteral("fünf plus wie viel gleich neun?");
        QTest::newRow("7") << makeTask(7, 0, 4, 9, 0, 0) << 4 << QStringLiteral("neun minus wie viel gleich fünf?");
        QTest::newRow("8: start") << makeTask(8, 0, 0, 0, 3, 0) << 4
                                  << QStringLiteral("Zähle vorwärts: drei, welche Zahl kommt dann?");
        QTest::newRow("8: two done") << makeTask(8, 0, 0, 0, 3, 0) << 6
                                     << QStringLiteral("Zähle vorwärts: drei, vier, fünf, welche Zahl kommt dann?");
        QTest::newRow("9: one done") << makeTask(9, 0, 0, 0, 10, 0) << 8
                                     << QStringLiteral("Zähle rückwärts: zehn, neun, welche Zahl kommt dann?");
        QTest::newRow("10") << makeTask(10, 0, 0, 0, 7, 4) << 7 << QStringLiteral("drei plus vier gleich wie viel?");
        QTest::newRow("11") << makeTask(11, 0, 0, 0, 12, 5) << 7 << QStringLiteral("zwölf minus fünf gleich wie viel?");
        QTest::newRow("12") << makeTask(12, 0, 0, 0, 10, 4) << 6 << QStringLiteral("Wie viel plus vier gleich zehn?");
        QTest::newRow("13") << makeTask(13, 0, 0, 0, 20, 2) << 20
                            << QStringLiteral("Wie viel minus zwei gleich achtzehn?");
        QTest::newRow("13: zero") << makeTask(13, 0, 0, 0, 4, 0) << 4
                                  << QStringLiteral("Wie viel minus null gleich vier?");
    }
    void taskSentences()
    {
        QFETCH(Task, task);
        QFETCH(int, expected);
        QFETCH(QString, sentence);
        QCOMPARE(tasksentence::sentence(task, 15, expected), sentence);

        // F2 on the task's screen says it, and nothing else happens.
        shared().numberRange = 15;
        shared().taskKind = task.kind;
        shared().expectedAnswer = expected;
        ExerciseScreen &screen = raceScreen(int(task.kind));
        screen.setUp();
        screen.showTask(task);
        shared().expectedAnswer = expected;
        screen.show();
        QTest::keyClick(screen.HBildlauf1, Qt::Key_F2);
        QCOMPARE(said(), QStringList{sentence});
        QCOMPARE(world->dialogs.count(), 0);
        QCOMPARE(screen.race().child(), screen.race().rules().childStart);
        // The key is told on the help button, never inside the help box's exact text.
        QVERIFY(screen.helpButton->toolTip().contains(QStringLiteral("F2")));
        QVERIFY(screen.helpButton->accessibleDescription().contains(QStringLiteral("F2")));
    }

    void sequenceSentenceFollowsTheChild()
    {
        shared().numberRange = 10;
        shared().taskKind = TaskKind::CountOn;
        SequenceScreen &screen = Form5();
        screen.setUp();
        screen.showTask(makeTask(8, 0, 0, 0, 2, 0));
        shared().expectedAnswer = 3;
        screen.show();
        screen.HBildlauf1->setValue(3);
        QTest::keyClick(screen.HBildlauf1, Qt::Key_Return);
        QTest::keyClick(screen.HBildlauf1, Qt::Key_F2);
        QCOMPARE(said(), QStringList{QStringLiteral("Zähle vorwärts: zwei, drei, welche Zahl kommt dann?")});
    }

    void numberWordsSayTheTaskWordOnlyWhenReadingIsOn()
    {
        shared().numberRange = 10;
        NumberWordsScreen &screen = Form7();
        screen.show();
        // Reading the word is the exercise: with reading aloud off it is not said.
        screen.startAfresh();
        QTest::mouseClick(screen.Befehl4, Qt::LeftButton);
        QTest::keyClick(screen.HBildlauf1, Qt::Key_Right);
        QCOMPARE(said(), QStringList{});

        // A child who cannot read hears the rule, the way back and the word.
        world->platform.reading().setOn(true);
        world->speech.said.clear();
        screen.startAfresh();
        const QString word = numberwords::word(screen.quiz().solution());
        QCOMPARE(said(), QStringList{QStringLiteral("Hör das Wort. Stell seine Zahl mit dem Balken ein. Zurück geht es "
                                                    "mit Ende unten links. ") +
                                     word});

        // The child's moves in words mode show digits: nothing is said.
        QTest::keyClick(screen.HBildlauf1, Qt::Key_Right);
        QCOMPARE(said().size(), 1);

        // A right answer brings the next word, and it is said.
        screen.HBildlauf1->setValue(screen.quiz().solution());
        QTest::mouseClick(screen.Befehl1, Qt::LeftButton);
        QCOMPARE(said().last(), numberwords::word(screen.quiz().solution()));
    }

    void numberWordsSayTheAnswerWhereTheBarStops()
    {
        shared().numberRange = 10;
        NumberWordsScreen &screen = Form7();
        screen.show();
        screen.startAfresh();
        QTest::mouseClick(screen.Befehl4, Qt::LeftButton);
        world->platform.reading().setOn(true);
        world->speech.said.clear();
        world->dialogs.clear();

        // Numbers mode: a new task shows a digit and says nothing; each key step says the word.
        QTest::keyClick(screen.HBildlauf1, Qt::Key_Right);
        QTest::keyClick(screen.HBildlauf1, Qt::Key_Right);
        QTest::keyClick(screen.HBildlauf1, Qt::Key_Left);
        QCOMPARE(said(), (QStringList{QStringLiteral("eins"), QStringLiteral("zwei"), QStringLiteral("eins")}));

        // A drag says only the word where the thumb is let go.
        world->speech.said.clear();
        screen.HBildlauf1->setSliderDown(true);
        screen.HBildlauf1->triggerAction(QAbstractSlider::SliderMove);
        screen.HBildlauf1->setSliderPosition(4);
        screen.HBildlauf1->setSliderPosition(7);
        screen.HBildlauf1->setSliderDown(false);
        QCOMPARE(said(), QStringList{QStringLiteral("sieben")});
        QCOMPARE(screen.Bezeichnung3->caption(), QStringLiteral("sieben"));
        QCOMPARE(world->dialogs.count(), 0);
    }

    // The bar says the number it stands at once the child stops moving it, and not the number a
    // new task sets it back to; the next move cuts the number off.
    void answerBarSaysItsNumberAtRest()
    {
        world->platform.reading().setOn(true);
        shared().numberRange = 10;
        ExerciseScreen &screen = openExercise(Exercise::NumberLine);
        world->speech.said.clear();
        QTest::keyClick(screen.HBildlauf1, Qt::Key_Right);
        QTest::keyClick(screen.HBildlauf1, Qt::Key_Right);
        QCOMPARE(said(), QStringList{});
        QTRY_COMPARE(said(), QStringList{numberwords::word(screen.HBildlauf1->value())});
        QTest::keyClick(screen.HBildlauf1, Qt::Key_Left);
        QCOMPARE(said().last(), QString());
        QTRY_COMPARE(said().last(), numberwords::word(screen.HBildlauf1->value()));

        // Okay before the rest: the judgement is the last thing heard, no number after it.
        screen.HBildlauf1->setValue(shared().expectedAnswer);
        QTest::keyClick(screen.HBildlauf1, Qt::Key_Right);
        QTest::keyClick(screen.HBildlauf1, Qt::Key_Left);
        QTest::keyClick(screen.HBildlauf1, Qt::Key_Return);
        QVERIFY(said().last().startsWith(QStringLiteral("Richtig! ")));
        QVERIFY(!screen.findChild<QTimer *>(QStringLiteral("numberRest"))->isActive());
    }

    // The draw may bring the same task again: the child hears that it is a new one.
    void repeatedTaskIsSaidToBeNew()
    {
        world->platform.reading().setOn(true);
        shared().numberRange = 10;
        ExerciseScreen &screen = openExercise(Exercise::NumberLine);
        int repeats = 0;
        for (int answers = 0; answers < 500 && repeats < 2; ++answers) {
            const Task before = screen.task();
            const qsizetype boxes = world->dialogs.count();
            screen.HBildlauf1->setValue(shared().expectedAnswer);
            QTest::keyClick(screen.HBildlauf1, Qt::Key_Return);
            if (world->dialogs.count() != boxes)
                continue; // a won race: the reward box speaks first
            const bool same = sameQuestion(screen.task(), before);
            repeats += same;
            QCOMPARE(said().last(), QStringLiteral("Richtig! ") +
                                        (same ? QStringLiteral("Und gleich noch einmal: ") : QString()) +
                                        screen.taskSentence());
        }
        QCOMPARE(repeats, 2);
    }

    void memorySaysEachCardTurned()
    {
        MemoryGame &game = memo();
        game.show();
        QTest::mouseClick(game.card(1), Qt::LeftButton);
        QTest::mouseClick(game.card(2), Qt::LeftButton);
        const QString deal = game.board().deal();
        QCOMPARE(said(),
                 (QStringList{numberwords::word(deal.at(0).digitValue()), numberwords::word(deal.at(1).digitValue())}));
    }

    void memorySaysHowEachTurnWent()
    {
        world->platform.reading().setOn(true);
        MemoryGame &game = memo();
        game.show();
        world->speech.said.clear();
        QTest::mouseClick(game.card(1), Qt::LeftButton);
        const QString deal = game.board().deal();
        // A second card with the same digit, and one with another.
        const int same = int(deal.indexOf(deal.at(0), 1)) + 1;
        const int other = deal.at(1) == deal.at(0) ? 3 : 2;
        QTest::mouseClick(game.card(other), Qt::LeftButton);
        QCOMPARE(said().last(),
                 numberwords::word(deal.at(other - 1).digitValue()) + QStringLiteral(". Noch nicht: kein Paar."));
        QTest::mouseClick(game.card(1), Qt::LeftButton);
        QTest::mouseClick(game.card(same), Qt::LeftButton);
        QCOMPARE(said().last(), numberwords::word(deal.at(0).digitValue()) + QStringLiteral(". Richtig, ein Paar!"));
        // Leaving the window stops what it was saying.
        game.hide();
        QCOMPARE(said().last(), QString());
    }

    void shownTextsAreSaidAsWords_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("said");
        QTest::newRow("box lines") << QStringLiteral("Pech, du hast verloren und\rmusst von vorn anfangen!\r")
                                   << QStringLiteral("Pech, du hast verloren und musst von vorn anfangen!");
        QTest::newRow("letter-spaced") << QStringLiteral("E n d e") << QStringLiteral("Ende");
        QTest::newRow("letter-spaced title")
            << QStringLiteral("Q U A R I M O :  Startseite") << QStringLiteral("QUARIMO: Startseite");
        QTest::newRow("wide gaps") << QStringLiteral(" Immer zwei Felder, klicke   jedes Einzelfeld an !")
                                   << QStringLiteral("Immer zwei Felder, klicke jedes Einzelfeld an !");
        QTest::newRow("short words stay") << QStringLiteral("3 + 2") << QStringLiteral("3 + 2");
        QTest::newRow("spread inside a sentence")
            << QStringLiteral("Dann klicke auf 'o k a y'.\r") << QStringLiteral("Dann klicke auf 'okay'.");
    }
    void shownTextsAreSaidAsWords()
    {
        QFETCH(QString, shown);
        QFETCH(QString, said);
        QCOMPARE(kit::Reading::spoken(shown), said);
    }

    void raceScreenIsReadAloudFromStartToReward()
    {
        world->platform.reading().setOn(true);
        world->speech.said.clear();
        shared().numberRange = 10;
        ExerciseScreen &screen = openExercise(Exercise::Calculating);
        // Opening: how to answer and how to get back, then the task as its sentence.
        QCOMPARE(said(), QStringList{QStringLiteral("Schieb den Balken und drück Okay. Zurück geht es mit Ende unten "
                                                    "links. ") +
                                     screen.taskSentence()});

        // The help box pictures the task in symbols; the child hears the sentence.
        const QString sentence = screen.taskSentence();
        QTest::keyClick(screen.HBildlauf1, Qt::Key_Insert);
        QCOMPARE(said().last(), sentence + QStringLiteral(" Klick OK."));
        QVERIFY(world->dialogs.last().text.contains(QLatin1Char('o')));

        // A wrong answer at the start lets the big fish catch the small one: the box is said.
        screen.HBildlauf1->setValue((shared().expectedAnswer + 1) % 11);
        QTest::keyClick(screen.HBildlauf1, Qt::Key_Return);
        QCOMPARE(world->dialogs.last().title, QStringLiteral("Schmatz"));
        QCOMPARE(said().mid(said().size() - 2),
                 (QStringList{QStringLiteral("Pech, du bist aufgefressen worden! Probier es noch einmal, viel Glück! Klick OK."),
                              screen.taskSentence()}));

        // Each right answer says so and the next task, without the instruction; a wrong one that
        // does not end the race says so and the task again. The won race says the reward box, and
        // then the next task.
        bool wrongOnce = false;
        while (world->dialogs.last().title != QStringLiteral("Belohnung")) {
            world->speech.said.clear();
            screen.HBildlauf1->setValue(shared().expectedAnswer);
            QTest::keyClick(screen.HBildlauf1, Qt::Key_Return);
            QVERIFY(!said().isEmpty());
            if (world->dialogs.last().title == QStringLiteral("Belohnung"))
                break;
            QVERIFY(said().last().startsWith(QStringLiteral("Richtig! ")));
            QVERIFY(said().last().endsWith(screen.taskSentence()));
            if (!std::exchange(wrongOnce, true)) {
                screen.HBildlauf1->setValue((shared().expectedAnswer + 1) % 11);
                QTest::keyClick(screen.HBildlauf1, Qt::Key_Return);
                QCOMPARE(said().last(), QStringLiteral("Noch nicht. ") + screen.taskSentence());
            }
        }
        QCOMPARE(said(),
                 (QStringList{QStringLiteral("Prima, zur Belohnung gibt es eine Spielrunde geschenkt! Du kannst "
                                             "weitermachen oder aber aufhören und dir deine Belohnung abholen! "
                                             "Klick OK."),
                              screen.taskSentence()}));

        // Off again: the voice stops, and boxes and tasks go unsaid.
        world->platform.reading().setOn(false);
        QCOMPARE(said().last(), QString());
        const qsizetype before = said().size();
        screen.HBildlauf1->setValue(shared().expectedAnswer);
        QTest::keyClick(screen.HBildlauf1, Qt::Key_Return);
        QTest::keyClick(screen.HBildlauf1, Qt::Key_Insert);
        QCOMPARE(said().size(), before);
    }

    void loudspeakerSwitchesReadingAndNamesAreSaid()
    {
        StartPage &page = form1();
        page.showWindow();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        QCOMPARE(page.loudspeaker->accessibleName(), QStringLiteral("Vorlesen aus"));
        QTest::mouseClick(page.loudspeaker, Qt::LeftButton);
        QVERIFY(world->platform.reading().isOn());
        QCOMPARE(page.loudspeaker->accessibleName(), QStringLiteral("Vorlesen an"));
        QCOMPARE(said(), QStringList{QStringLiteral("Vorlesen an")});

        // A control that takes the keyboard is named; so is one the pointer rests on.
        page.loudspeaker->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(page.loudspeaker, Qt::Key_Tab);
        QTRY_COMPARE(said().last(), QStringLiteral("Die Tür. Klick hier, dann hörst du auf."));
        // The keyboard only passing a control on the way to words of their own says nothing of it.
        const qsizetype beforePassing = said().size();
        QTest::keyClick(page.Bild9, Qt::Key_Tab);
        world->platform.reading().say(QStringLiteral("Das Spiel beginnt."));
        QTest::qWait(kit::Reading::focusSettleMilliseconds * 2);
        QCOMPARE(said().mid(beforePassing), QStringList{QStringLiteral("Das Spiel beginnt.")});
        QTest::mouseMove(page.Bild9);
        QTRY_VERIFY(said().last().startsWith(QStringLiteral("Zahlwörter. Klick hier")));
        QTest::mouseClick(page.Bild5, Qt::LeftButton);
        const QRect row = page.Liste2->visualItemRect(page.Liste2->item(0));
        QTest::mouseMove(page.Liste2->viewport(), row.center() - QPoint(2, 0));
        QTest::mouseMove(page.Liste2->viewport(), row.center());
        QTRY_VERIFY(said().last().startsWith(QStringLiteral("Memory. ")));
        // A real box's button takes the keyboard as the box appears, once or twice and by whatever
        // reason the Qt version gives: its name must not cut off the box's text. The child's own
        // Tab inside the box names the button it moves to.
        const qsizetype beforeBox = said().size();
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Memory"), QStringLiteral("Das Spiel ist beendet!"));
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.addButton(QStringLiteral("Nein"), QMessageBox::RejectRole);
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QTest::qWait(kit::Reading::restMilliseconds * 2);
        QCOMPARE(said().size(), beforeBox);
        QVERIFY(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const auto *next = qobject_cast<QPushButton *>(QApplication::focusWidget());
        QVERIFY(next);
        QTRY_COMPARE(said().mid(beforeBox), QStringList{next->text()});
        box.close();

        // Off: said at once by stopping, and then the names are quiet.
        QTest::mouseClick(page.loudspeaker, Qt::LeftButton);
        QCOMPARE(page.loudspeaker->accessibleName(), QStringLiteral("Vorlesen aus"));
        QCOMPARE(said().last(), QString());
        const qsizetype before = said().size();
        QTest::keyClick(page.loudspeaker, Qt::Key_Tab);
        QTest::mouseMove(page.Bild2);
        QTest::qWait(kit::Reading::restMilliseconds * 2);
        QCOMPARE(said().size(), before);

        // Switched on before the speech service has answered: on at once.
        world->speech.answer = kit::Speech::Voice::Unknown;
        QTest::mouseClick(page.loudspeaker, Qt::LeftButton);
        QVERIFY(world->platform.reading().isOn());
        QCOMPARE(page.loudspeaker->accessibleName(), QStringLiteral("Vorlesen an"));
    }

    void loudspeakerSaysWhyReadingIsOff_data()
    {
        QTest::addColumn<kit::Speech::Voice>("voice");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tip");
        QTest::newRow("no German voice") << kit::Speech::Voice::NoGermanVoice
                                         << QStringLiteral("Vorlesen aus: keine deutsche Stimme")
                                         << QStringLiteral("keine deutsche Stimme");
        QTest::newRow("no answer") << kit::Speech::Voice::NoAnswer
                                   << QStringLiteral("Vorlesen aus: Der Sprachdienst antwortet nicht")
                                   << QStringLiteral("ist da, antwortet aber nicht");
        QTest::newRow("not installed") << kit::Speech::Voice::NotInstalled
                                       << QStringLiteral("Vorlesen aus: kein Sprachdienst")
                                       << QStringLiteral("fehlt der Sprachdienst");
    }
    void loudspeakerSaysWhyReadingIsOff()
    {
        QFETCH(kit::Speech::Voice, voice);
        QFETCH(QString, name);
        QFETCH(QString, tip);
        StartPage &page = form1();
        page.showWindow();
        world->platform.reading().setOn(true);

        // The voice is lost while reading is on: reading goes off, and name and tooltip say why.
        world->speech.tell(voice);
        QTRY_VERIFY(!world->platform.reading().isOn());
        QCOMPARE(page.loudspeaker->accessibleName(), name);
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), page.loudspeaker->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(page.loudspeaker, &help);
        QVERIFY(page.loudspeaker->toolTip().contains(tip));
        // A click asks the service again; until it answers, reading stays off.
        QTest::mouseClick(page.loudspeaker, Qt::LeftButton);
        QVERIFY(!world->platform.reading().isOn());

        // The voice comes back (the service was restarted): reading is on as it was, and says so.
        world->speech.said.clear();
        world->speech.tell(kit::Speech::Voice::German);
        QTRY_VERIFY(world->platform.reading().isOn());
        QCOMPARE(page.loudspeaker->accessibleName(), QStringLiteral("Vorlesen an"));
        QCOMPARE(said(), QStringList{QStringLiteral("Vorlesen an")});
    }

    void germanLocaleIsChosen_data()
    {
        QTest::addColumn<QList<QLocale>>("offered");
        QTest::addColumn<QString>("chosen"); // empty: none
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        const QLocale austrian(QLocale::German, QLocale::Austria);
        const QLocale german(QLocale::German, QLocale::Germany);
        QTest::newRow("Germany first") << QList<QLocale>{english, austrian, german} << QStringLiteral("de_DE");
        QTest::newRow("any German") << QList<QLocale>{english, austrian} << QStringLiteral("de_AT");
        QTest::newRow("no German") << QList<QLocale>{english} << QString();
        QTest::newRow("no voice at all") << QList<QLocale>{} << QString();
    }
    void germanLocaleIsChosen()
    {
        QFETCH(QList<QLocale>, offered);
        QFETCH(QString, chosen);
        const std::optional<QLocale> locale = QtSpeech::germanLocale(offered);
        QCOMPARE(locale ? locale->name() : QString(), chosen);
    }

    void withoutAnEngineNothingChanges()
    {
        // The machine's voice, but with an engine that is not there: the windows work as ever.
        QtSpeech silent(QStringLiteral("kein-Sprachmodul"));
        world->platform.use.speech = &silent;
        shared().numberRange = 10;
        NumberWordsScreen &words = Form7();
        words.show();
        words.startAfresh();
        QTest::mouseClick(words.Befehl4, Qt::LeftButton);
        QTest::keyClick(words.HBildlauf1, Qt::Key_Right);
        QCOMPARE(words.Bezeichnung3->caption(), QStringLiteral("eins"));

        shared().taskKind = TaskKind::Plus;
        CalculationScreen &calculation = Form6();
        calculation.setUp();
        calculation.newTask();
        calculation.show();
        QTest::keyClick(calculation.HBildlauf1, Qt::Key_F2);
        QCOMPARE(world->dialogs.count(), 0);

        QTRY_COMPARE(silent.status(), QtSpeech::Status::Silent);
        QCOMPARE(silent.voice(), kit::Speech::Voice::NotInstalled);
        silent.speak(QStringLiteral("drei")); // after the voice gave up: nothing, at once
        silent.shutDown();
        world->platform.use.speech = &world->speech;
        QVERIFY(world->speech.said.isEmpty());
    }
};

QTEST_MAIN(SpeechTest)
#include "test_speech.moc"
