// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ControlInvitations.h"
#include "app/FontViewer.h"
#include "app/StartPage.h"
#include "engine/Invitations.h"
#include "exercises/CalculationScreen.h"
#include "exercises/CompletingScreen.h"
#include "exercises/NumberLineScreen.h"
#include "exercises/NumberPicturesCanvas.h"
#include "exercises/NumberPicturesScreen.h"
#include "exercises/NumberSetScreen.h"
#include "exercises/NumberWordsScreen.h"
#include "exercises/SequenceScreen.h"
#include "games/MemoryGame.h"
#include "games/ShootingGallery.h"
#include "games/SlalomDrive.h"
#include "support/ScriptedDialogs.h"
#include "support/TestWindows.h"
#include "ui/kit/Controls.h"
#include "ui/speech/Reading.h"

#include <QtTest>
#include <memory>

class InvitationsTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

private slots:
    void init() { world = std::make_unique<TestWorld>(); }
    void cleanup() { world.reset(); }

    // Every picture, button and clickable label of every window says what it does; a screen
    // reader has the same sentence as the control's description, and the keys where there are any.
    void everyControlOfEveryWindowHasASentence()
    {
        shared().numberRange = 10;
        form1(), Form2(), Form3(), Form4(), Form5(), Form6(), Form7(), Form8(), Form9(), memo(), schiess(), slalom();
        QStringList missing;
        int controls = 0;
        for (kit::Form *window : loadedWindows()) {
            window->show();
            for (QWidget *control : window->findChildren<QWidget *>()) {
                if (kit::Reading::nameOf(control).isEmpty())
                    continue; // plain labels, answer bars, the window's own parts
                ++controls;
                const QString said = world->platform.reading().saidFor(control);
                if (said == kit::Reading::nameOf(control) || !control->accessibleDescription().startsWith(said))
                    missing.append(window->objectName() + QLatin1Char('/') + control->objectName());
            }
            window->hide();
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char(' '))));
        QVERIFY(controls > 80);
        // The rows of the start page's two lists, filled as the child opens them.
        StartPage &page = form1();
        page.show();
        QTest::mouseClick(page.Bild5, Qt::LeftButton);
        QTest::mouseClick(page.Bild4, Qt::LeftButton);
        QCOMPARE(page.Liste1->count(), 14);
        for (const kit::ListBox *list : {page.Liste2, page.Liste1}) {
            for (int row = 1; row <= list->count(); ++row) {
                const Invitation what = ControlInvitations::invitationOf(list, row);
                QVERIFY2(!invitations::sentence(what, 10).isEmpty(), qPrintable(list->objectName()));
            }
        }
    }

    // A child listens to a sentence whole only when it is short; it cannot press a key it cannot
    // find; two things that sound alike cannot be told apart.
    void sentencesAreShortPlainAndDistinct()
    {
        static const QRegularExpression keyName(
            QStringLiteral("\\b(F\\d+|Enter|Eingabe|Tab|Escape|Esc|Einfg|Entf|Strg)\\b"));
        QHash<QString, int> seen;
        for (int what = int(Invitation::Nothing) + 1; what <= int(Invitation::SlalomHome); ++what) {
            // The range as its longest word, a shown text as one word: the table's own words count.
            const QString said = invitations::sentence(Invitation(what), 17, QStringLiteral("X"));
            QVERIFY2(!said.isEmpty(), qPrintable(QString::number(what)));
            QVERIFY2(said.split(QLatin1Char(' '), Qt::SkipEmptyParts).size() <= 12, qPrintable(said));
            QVERIFY2(!keyName.match(said).hasMatch(), qPrintable(said));
            QVERIFY2(!seen.contains(said), qPrintable(said));
            seen.insert(said, what);
        }
        // What the start page says is heard whole too, a sentence at a time.
        static const QRegularExpression sentenceEnd(QStringLiteral("[.!?]"));
        for (const QString &words : {kit::Reading::greeting(), kit::Reading::welcomeBack()}) {
            for (const QString &sentence : words.split(sentenceEnd, Qt::SkipEmptyParts))
                QVERIFY2(sentence.split(QLatin1Char(' '), Qt::SkipEmptyParts).size() <= 12, qPrintable(words));
        }
    }

    void sentencesSayWhatTheChildNeeds_data()
    {
        QTest::addColumn<int>("what");
        QTest::addColumn<int>("range");
        QTest::addColumn<QString>("part");
        auto add = [](const char *name, Invitation what, int range, const char16_t *part) {
            QTest::newRow(name) << int(what) << range << QString::fromUtf16(part);
        };
        add("range 10", Invitation::RangeBar, 10, u"Zahlen bis zehn.");
        add("range 17", Invitation::RangeBar, 17, u"Zahlen bis siebzehn.");
        add("completing", Invitation::CompleteRangeMode, 15, u"bis fünfzehn");
        add("printer", Invitation::Printer, 10, u"Lehrerin oder den Lehrer");
        add("fonts", Invitation::FountainPen, 10, u"für Erwachsene");
        add("author", Invitation::RedBook, 10, u"für Erwachsene");
        add("screwdriver", Invitation::Screwdriver, 10, u"für Erwachsene");
        add("door", Invitation::Door, 10, u"dann hörst du auf.");
    }
    void sentencesSayWhatTheChildNeeds()
    {
        QFETCH(int, what);
        QFETCH(int, range);
        QFETCH(QString, part);
        const QString said = invitations::sentence(Invitation(what), range);
        QVERIFY2(said.contains(part), qPrintable(said));
    }

    // The controls the screens tell themselves: each screen's help button, whatever its name,
    // and a card found by the number in its name.
    void controlsFindTheirThing()
    {
        const std::pair<const QWidget *, Invitation> controls[] = {
            {Form6().helpButton, Invitation::ExerciseHelp},
            {Form4().helpButton, Invitation::ExerciseHelp},
            {Form2().Befehl2, Invitation::ExerciseEnd},
            {Form6().Befehl4, Invitation::MinusMode},
            {Form6().HBildlauf1, Invitation::AnswerBar},
            {Form8().Bild1, Invitation::NumberPicture},
            {memo().findChild<QWidget *>(QStringLiteral("Bezeichnung17")), Invitation::MemoryCard},
        };
        for (const auto &[control, what] : controls) {
            QVERIFY(control);
            QCOMPARE(ControlInvitations::invitationOf(control, 0), what);
        }
    }
};

QTEST_MAIN(InvitationsTest)
#include "test_invitations.moc"
