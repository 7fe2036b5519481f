// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/FontViewer.h"
#include "app/ProgramEnd.h"
#include "app/StartPage.h"
#include "engine/SharedValues.h"
#include "exercises/CalculationScreen.h"
#include "exercises/CompletingScreen.h"
#include "exercises/ExerciseScreen.h"
#include "exercises/NumberLineScreen.h"
#include "exercises/NumberPicturesScreen.h"
#include "exercises/NumberSetScreen.h"
#include "exercises/NumberWordsScreen.h"
#include "exercises/SequenceScreen.h"
#include "games/MemoryGame.h"
#include "support/FailingSettingsWriter.h"
#include "support/ScriptedDialogs.h"
#include "support/TestWindows.h"
#include "ui/kit/Controls.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <QtTest>
#include <memory>

#include <sys/stat.h>

using kit::Form;
using kit::ListBox;
using kit::PictureButton;
using kit::TwipsPlaced;

namespace {

const QString settingsName = QStringLiteral("QUARIMO.INI");
const QString missingFileText = QStringLiteral("Datei 'QUARIMO.INI' fehlt.\r");
const QString exitQuestion = QStringLiteral("Dieses Programm jetzt beenden?\r");
const QString writeFailedText = QStringLiteral("Die Datei 'QUARIMO.INI' konnte nicht geschrieben werden.\r"
                                               "Der Zahlenraum wird beim nächsten Start nicht übernommen.\r");

void writeSettingsFile(const QByteArray &bytes)
{
    QFile file(settingsName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray settingsFileBytes()
{
    QFile file(settingsName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

Form *windowNamed(const QString &name)
{
    if (name == QLatin1String("Form2"))
        return &Form2();
    if (name == QLatin1String("Form3"))
        return &Form3();
    if (name == QLatin1String("Form4"))
        return &Form4();
    if (name == QLatin1String("Form5"))
        return &Form5();
    return &Form6();
}

void click(QWidget *widget)
{
    QVERIFY(widget);
    QTest::mouseClick(widget, Qt::LeftButton);
}

} // namespace

class StartPageTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QString previousDir;
    std::unique_ptr<TestWorld> world;

    ScriptedDialogs &dialogs() { return world->dialogs; }

    // The start page loaded from a settings file for `range`, shown, with the boxes so far forgotten.
    StartPage &openStartPage(int range = 10)
    {
        writeSettingsFile(' ' + QByteArray::number(range) + " \r\n");
        StartPage &page = form1();
        page.showWindow();
        dialogs().clear();
        return page;
    }

    PictureButton *picture(const QString &name) { return form1().findChild<PictureButton *>(name); }

private slots:
    void init()
    {
        // Every test runs in a working directory of its own: the settings file lives there. The
        // test world's start page is unloaded, so each test loads it from the file it wrote.
        previousDir = QDir::currentPath();
        world = std::make_unique<TestWorld>();
        unloadAllWindows();
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(dir->path()));
    }
    void cleanup()
    {
        world.reset();
        QFile::setPermissions(dir->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QDir::setCurrent(previousDir);
        dir.reset();
    }

    // ---- start sequence

    void startSequence_data()
    {
        QTest::addColumn<QString>("kind"); // "missing", "folder" or "file"
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("range");
        QTest::addColumn<bool>("complains");
        QTest::newRow("first run: no file") << QStringLiteral("missing") << QByteArray() << 10 << true;
        QTest::newRow("as written at exit") << QStringLiteral("file") << QByteArray(" 10 \r\n") << 10 << false;
        QTest::newRow("only the digits 20") << QStringLiteral("file") << QByteArray("20") << 20 << false;
        QTest::newRow("15") << QStringLiteral("file") << QByteArray(" 15 \r\n") << 15 << false;
        QTest::newRow("empty") << QStringLiteral("file") << QByteArray() << 10 << true;
        QTest::newRow("a word") << QStringLiteral("file") << QByteArray("zwanzig") << 10 << true;
        QTest::newRow("out of range") << QStringLiteral("file") << QByteArray("21") << 10 << true;
        QTest::newRow("fraction") << QStringLiteral("file") << QByteArray("12.5") << 10 << true;
        QTest::newRow("binary") << QStringLiteral("file") << QByteArray("\x7f\x45\x4c\x46\x00", 5) << 10 << true;
        QTest::newRow("a folder of that name") << QStringLiteral("folder") << QByteArray() << 10 << true;
    }
    void startSequence()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, contents);
        QFETCH(int, range);
        QFETCH(bool, complains);
        if (kind == QLatin1String("file"))
            writeSettingsFile(contents);
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(settingsName));

        StartPage &page = form1();
        QCOMPARE(page.caption(), QStringLiteral("Q U A R I M O :  Startseite"));
        QCOMPARE(shared().numberRange, range);
        QCOMPARE(page.HBildlauf1->value(), range);
        QCOMPARE(page.Bezeichnung8->caption(), QString::number(range));
        QCOMPARE(dialogs().count(), complains ? 1 : 0);
        if (complains) {
            QCOMPARE(dialogs().last().kind, ScriptedDialogs::Kind::Message);
            QCOMPARE(dialogs().last().title, QStringLiteral("Zahlenraum"));
            QCOMPARE(dialogs().last().text, missingFileText);
        }
    }

    void rangeChoice_data()
    {
        QTest::addColumn<int>("value");
        QTest::newRow("10") << 10;
        QTest::newRow("13") << 13;
        QTest::newRow("20") << 20;
    }
    void rangeChoice()
    {
        QFETCH(int, value);
        StartPage &page = openStartPage(15);
        page.HBildlauf1->setValue(value);
        QCOMPARE(shared().numberRange, value);
        QCOMPARE(page.Bezeichnung8->caption(), QString::number(value));
    }

    // ---- exit sequence

    void exitSequence_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<bool>("yes");
        for (const char *trigger : {"door", "Escape", "frame close"}) {
            QTest::addRow("%s, Yes", trigger) << QString::fromLatin1(trigger) << true;
            QTest::addRow("%s, No", trigger) << QString::fromLatin1(trigger) << false;
        }
    }
    void exitSequence()
    {
        QFETCH(QString, trigger);
        QFETCH(bool, yes);
        StartPage &page = openStartPage(12);
        page.HBildlauf1->setValue(17);
        yes ? dialogs().answerYes() : dialogs().answerNo();

        if (trigger == QLatin1String("door"))
            click(page.Bezeichnung1);
        else if (trigger == QLatin1String("Escape"))
            QTest::keyClick(page.HBildlauf1, Qt::Key_Escape); // key preview: pressed on any control
        else
            page.close();

        QCOMPARE(dialogs().count(), 1);
        QCOMPARE(dialogs().last().kind, ScriptedDialogs::Kind::Question);
        QCOMPARE(dialogs().last().title, QStringLiteral("Q U A R I M O"));
        QCOMPARE(dialogs().last().text, exitQuestion);
        QCOMPARE(world->endProgramCalls, yes ? 1 : 0);
        QCOMPARE(settingsFileBytes(), yes ? QByteArray(" 17 \r\n") : QByteArray(" 12 \r\n"));
        QVERIFY(page.isVisible());
        QCOMPARE(shared().numberRange, 17);
    }

    // Logging out sends SIGTERM (a terminal SIGINT or SIGHUP), a session manager its "die" (the
    // application's Quit event): the range is kept and the program ends, without a box nobody
    // would close. The first request ends it, once, on the event thread; what follows changes
    // nothing.
    void endWithoutAsking_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("logout, then the session's die") << SIGTERM << 0;
        QTest::newRow("the session's die, then a logout") << 0 << SIGTERM;
        QTest::newRow("a terminal's hangup twice") << SIGHUP << SIGHUP;
    }
    void endWithoutAsking()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        StartPage &page = openStartPage(12);
        page.HBildlauf1->setValue(16);
        ProgramEnd::catchSignals(QByteArray());
        ProgramEnd end(world->platform, shared());
        for (const int request : {first, second}) {
            if (request) {
                ::raise(request);
            } else {
                QEvent quit(QEvent::Quit);
                QVERIFY(QCoreApplication::sendEvent(QCoreApplication::instance(), &quit));
            }
            QTRY_VERIFY(end.begun());
        }
        QTest::qWait(20);
        QCOMPARE(world->endProgramCalls, 1);
        QVERIFY(page.isVisible());
        QCOMPARE(dialogs().count(), 0);
        QCOMPARE(settingsFileBytes(), QByteArray(" 16 \r\n"));
    }

    void firstRunCreatesTheFile()
    {
        StartPage &page = form1();
        QCOMPARE(dialogs().count(ScriptedDialogs::Kind::Message), 1);
        page.showWindow();
        dialogs().answerYes();
        QTest::keyClick(&page, Qt::Key_Escape);
        QCOMPARE(world->endProgramCalls, 1);
        QCOMPARE(settingsFileBytes(), QByteArray(" 10 \r\n"));
    }

    void writeFailure_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::newRow("read-only folder") << QStringLiteral("read-only");
        QTest::newRow("a folder holds the name") << QStringLiteral("folder");
        QTest::newRow("the disk is full") << QStringLiteral("full");
    }
    void writeFailure()
    {
        QFETCH(QString, obstacle);
        StartPage &page = openStartPage(15);
        std::unique_ptr<FailingSettingsWriter> fullDisk;
        if (obstacle == QLatin1String("folder")) {
            QVERIFY(QFile::remove(settingsName));
            QVERIFY(QDir().mkdir(settingsName));
        } else if (obstacle == QLatin1String("full")) {
            fullDisk = std::make_unique<FailingSettingsWriter>(FailingSettingsWriter::Step::Flush);
            world->platform.use.settingsWriter = fullDisk.get();
        } else {
            // A writable file in a read-only folder is written in place: this one is read-only too.
            QFile::setPermissions(settingsName, QFileDevice::ReadOwner);
            QFile::setPermissions(dir->path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            QFile probe(QStringLiteral("probe"));
            if (probe.open(QIODevice::WriteOnly))
                QSKIP("file modes do not stop this user from writing");
        }
        page.HBildlauf1->setValue(19);
        dialogs().answerYes();
        bool endedBeforeMessage = true;
        dialogs().onNextMessage([&] { endedBeforeMessage = world->endProgramCalls > 0; });
        click(page.Bezeichnung1);

        QCOMPARE(dialogs().count(), 2);
        QCOMPARE(dialogs().last().kind, ScriptedDialogs::Kind::Message);
        QCOMPARE(dialogs().last().title, QStringLiteral("Q U A R I M O"));
        QCOMPARE(dialogs().last().text, writeFailedText);
        QVERIFY(!endedBeforeMessage);
        QCOMPARE(world->endProgramCalls, 1);
        if (obstacle != QLatin1String("folder"))
            QCOMPARE(settingsFileBytes(), QByteArray(" 15 \r\n"));
    }

    // A FIFO named QUARIMO.INI, or a link to one: the start does not wait for it, and the exit
    // leaves it a FIFO and says that the range was not saved.
    void fifoSettingsFile_data()
    {
        QTest::addColumn<bool>("link");
        QTest::newRow("FIFO") << false;
        QTest::newRow("link to a FIFO") << true;
    }
    void fifoSettingsFile()
    {
        QFETCH(bool, link);
        const QString fifo = link ? QStringLiteral("pipe") : settingsName;
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        if (link)
            QVERIFY(QFile::link(fifo, settingsName));
        StartPage &page = form1();
        QCOMPARE(dialogs().count(), 1);
        QCOMPARE(dialogs().last().text, missingFileText);

        page.showWindow();
        page.HBildlauf1->setValue(17);
        dialogs().answerYes();
        click(page.Bezeichnung1);
        QCOMPARE(dialogs().last().text, writeFailedText);
        QCOMPARE(world->endProgramCalls, 1);
        struct stat status = {};
        QCOMPARE(::stat(QFile::encodeName(settingsName).constData(), &status), 0);
        QVERIFY(S_ISFIFO(status.st_mode));
        QCOMPARE(QFileInfo(settingsName).isSymLink(), link);
    }

    // ---- login

    void login_data()
    {
        QTest::addColumn<QStringList>("answers"); // one login per answer; "<cancel>" cancels
        QTest::addColumn<QString>("name");
        QTest::newRow("proposed name accepted") << QStringList{QStringLiteral("Gast")} << QStringLiteral("Gast");
        QTest::newRow("own name") << QStringList{QStringLiteral("Lena Maria")} << QStringLiteral("Lena Maria");
        QTest::newRow("name kept as typed") << QStringList{QStringLiteral(" Ali ")} << QStringLiteral(" Ali ");
        QTest::newRow("emptied") << QStringList{QString()} << QStringLiteral("Freund");
        QTest::newRow("cancelled") << QStringList{QStringLiteral("<cancel>")} << QStringLiteral("Freund");
        QTest::newRow("cancel keeps the last name")
            << QStringList{QStringLiteral("Tim"), QStringLiteral("<cancel>")} << QStringLiteral("Tim");
        QTest::newRow("new name replaces the last")
            << QStringList{QStringLiteral("Tim"), QStringLiteral("Ida")} << QStringLiteral("Ida");
    }
    void login()
    {
        QFETCH(QStringList, answers);
        QFETCH(QString, name);
        StartPage &page = openStartPage();
        QCOMPARE(page.Bezeichnung12->caption(), QStringLiteral("Freund"));
        for (const QString &answer : answers) {
            if (answer != QLatin1String("<cancel>"))
                dialogs().answerInput(answer);
            click(page.Bezeichnung12);
            QCOMPARE(dialogs().last().kind, ScriptedDialogs::Kind::Input);
            QCOMPARE(dialogs().last().text, QStringLiteral("Gib deinen Namen ein:"));
            QCOMPARE(dialogs().last().title, QStringLiteral("Anmeldung"));
            QCOMPARE(dialogs().last().proposed, QStringLiteral("Gast"));
        }
        QCOMPARE(page.Bezeichnung12->caption(), name);
        QCOMPARE(dialogs().count(), int(answers.size()));
    }

    // ---- lists

    void worksheetList_data()
    {
        QTest::addColumn<int>("range");
        QTest::newRow("10") << 10;
        QTest::newRow("15") << 15;
        QTest::newRow("20") << 20;
    }
    void worksheetList()
    {
        QFETCH(int, range);
        StartPage &page = openStartPage();
        page.HBildlauf1->setValue(range);
        QVERIFY(page.Liste1->isHidden());
        click(picture(QStringLiteral("Bild4")));
        QVERIFY(page.Liste1->isVisible());

        const QString suffix = QStringLiteral(" bis ") + QString::number(range);
        const QStringList expected = {
            QStringLiteral("Zahlenstrahl") + suffix,  QStringLiteral("Bilder zählen") + suffix,
            QStringLiteral("Bilder malen") + suffix,  QStringLiteral("Zahlfolgen") + suffix,
            QStringLiteral("Plusrechnen") + suffix,   QStringLiteral("Minusrechnen") + suffix,
            QStringLiteral("Zahlenraum ergänzen"),    QStringLiteral("Plus-Ergänzen") + suffix,
            QStringLiteral("Minus-Ergänzen") + suffix, QStringLiteral("Plus-Umkehren") + suffix,
            QStringLiteral("Minus-Umkehren") + suffix, QStringLiteral("Verm. Rechnen") + suffix,
            QStringLiteral("Verm. Ergänzen") + suffix, QStringLiteral("Verm. Umkehren") + suffix,
        };
        QStringList rows;
        for (int row = 0; row < page.Liste1->count(); ++row)
            rows << page.Liste1->item(row)->text();
        QCOMPARE(rows, expected);
        QCOMPARE(page.Liste1->listIndex(), 0);

        // A double-click asks before printing; answered No it prints nothing and the list is gone.
        QTest::mouseDClick(page.Liste1->viewport(), Qt::LeftButton);
        QCOMPARE(dialogs().count(), 1);
        QCOMPARE(dialogs().last().kind, ScriptedDialogs::Kind::Question);
        QVERIFY(page.isVisible());
        QVERIFY(page.Liste1->isHidden());

        click(picture(QStringLiteral("Bild4")));
        QVERIFY(page.Liste1->isVisible());
        click(picture(QStringLiteral("Bild4")));
        QVERIFY(page.Liste1->isHidden());
    }

    void worksheetRowsFollowTheRange()
    {
        StartPage &page = openStartPage();
        click(picture(QStringLiteral("Bild4")));
        click(picture(QStringLiteral("Bild4")));
        page.HBildlauf1->setValue(18);
        click(picture(QStringLiteral("Bild4")));
        QCOMPARE(page.Liste1->item(0)->text(), QStringLiteral("Zahlenstrahl bis 18"));
        QCOMPARE(page.Liste1->count(), 14);
    }

    void rewardListToggles()
    {
        StartPage &page = openStartPage();
        const QStringList games = {QStringLiteral("M e m o r y"), QStringLiteral("Schießbude"),
                                   QStringLiteral("Slalomfahrt")};
        auto rows = [&] {
            QStringList texts;
            for (int row = 0; row < page.Liste2->count(); ++row)
                texts << page.Liste2->item(row)->text();
            return texts;
        };

        click(picture(QStringLiteral("Bild5")));
        QVERIFY(page.Liste2->isVisible());
        QCOMPARE(rows(), games);
        QCOMPARE(page.Liste2->listIndex(), -1);
        QCOMPARE(shared().rewardRounds, 5);
        QCOMPARE(page.Bezeichnung11->caption(), QStringLiteral("0")); // shown only after the next game

        shared().rewardRounds = 2;
        click(picture(QStringLiteral("Bild5")));
        QVERIFY(page.Liste2->isHidden());
        QCOMPARE(shared().rewardRounds, 2);

        page.Liste2->addItem(QStringLiteral("stale row"));
        click(picture(QStringLiteral("Bild5")));
        QVERIFY(page.Liste2->isVisible());
        QCOMPARE(rows(), games);
        QCOMPARE(shared().rewardRounds, 5);
        QCOMPARE(dialogs().count(), 0);
    }

    void rewardGameStarts()
    {
        StartPage &page = openStartPage();
        click(picture(QStringLiteral("Bild5")));
        page.Liste2->setListIndex(0);
        QTest::mouseDClick(page.Liste2->viewport(), Qt::LeftButton,
                           {}, page.Liste2->visualItemRect(page.Liste2->item(0)).center());
        QVERIFY(page.Liste2->isHidden());
        QVERIFY(page.isHidden());
        QVERIFY(memo().isVisible());
        QCOMPARE(shared().rewardRounds, 4);
        QCOMPARE(page.Bezeichnung11->caption(), QStringLiteral("4"));
    }

    // A closed list leaves the keyboard with the picture that opened it, and an open list stays
    // above every picture, whichever of them has the focus: a double-click on a row reaches it.
    void openListStaysOnTop_data()
    {
        QTest::addColumn<QString>("list");
        QTest::newRow("worksheets") << QStringLiteral("Liste1");
        QTest::newRow("reward games") << QStringLiteral("Liste2");
    }
    void openListStaysOnTop()
    {
        QFETCH(QString, list);
        StartPage &page = openStartPage();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        const bool worksheets = list == QLatin1String("Liste1");
        ListBox *shown = worksheets ? page.Liste1 : page.Liste2;
        PictureButton *opener = worksheets ? page.Bild4 : page.Bild5;

        click(opener);
        shown->setFocus(Qt::MouseFocusReason); // a row clicked
        if (worksheets) {
            dialogs().answerNo();
            shown->setListIndex(9);
            QTest::mouseDClick(shown->viewport(), Qt::LeftButton, {},
                               shown->visualItemRect(shown->item(9)).center());
            QCOMPARE(dialogs().count(), 1);
        } else {
            click(opener);
        }
        QVERIFY(shown->isHidden());
        QCOMPARE(page.focusWidget(), static_cast<QWidget *>(opener));

        click(opener);
        QVERIFY(shown->isVisible());
        const QList<PictureButton *> pictures = page.findChildren<PictureButton *>();
        for (PictureButton *picture : pictures) {
            picture->setFocus(Qt::TabFocusReason);
            QVERIFY(picture->hasFocus());
            for (int row = 0; row < shown->count(); ++row) {
                const QPoint centre = shown->viewport()->mapTo(&page, shown->visualItemRect(shown->item(row)).center());
                QWidget *hit = page.childAt(centre);
                QVERIFY2(hit && (hit == shown || shown->isAncestorOf(hit)),
                         qPrintable(picture->objectName() + QStringLiteral(" over row ") + QString::number(row + 1)));
            }
        }
    }

    // The platform may activate the page late, when an exercise has already hidden it, and pass
    // its keyboard on to the next picture; the child finds the control it had when it comes back.
    void keysComeBackToTheChosenControl()
    {
        StartPage &page = openStartPage();
        page.Bezeichnung1->setFocus(Qt::TabFocusReason);
        QCOMPARE(page.focusWidget(), static_cast<QWidget *>(page.Bezeichnung1));
        click(picture(QStringLiteral("Bild10")));
        QVERIFY(page.isHidden());
        page.Bild13->setFocus(Qt::ActiveWindowFocusReason); // what the late activation does
        click(Form8().Befehl3); // "E n d e"
        QVERIFY(page.isVisible());
        QCOMPARE(page.focusWidget(), static_cast<QWidget *>(page.Bezeichnung1));
    }

    // Leaving the number words or the fonts while the number pictures have hidden the start page
    // leaves the child with the number pictures: the start page does not come back beside them.
    // With the start page open, leaving brings it to the front as ever.
    void leavingAWindowBesideTheStartPage_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("numberPictures");
        QTest::newRow("number words, Ende, pictures") << QStringLiteral("Form7") << QStringLiteral("Ende") << true;
        QTest::newRow("number words, close, pictures") << QStringLiteral("Form7") << QStringLiteral("close") << true;
        QTest::newRow("number words, Escape, pictures") << QStringLiteral("Form7") << QStringLiteral("Escape") << true;
        QTest::newRow("fonts, close, pictures") << QStringLiteral("Form9") << QStringLiteral("close") << true;
        QTest::newRow("number words, Ende, start page") << QStringLiteral("Form7") << QStringLiteral("Ende") << false;
        QTest::newRow("number words, close, start page") << QStringLiteral("Form7") << QStringLiteral("close") << false;
    }
    void leavingAWindowBesideTheStartPage()
    {
        QFETCH(QString, window);
        QFETCH(QString, way);
        QFETCH(bool, numberPictures);
        StartPage &page = openStartPage();
        const bool words = window == QLatin1String("Form7");
        click(picture(words ? QStringLiteral("Bild9") : QStringLiteral("Bild8")));
        Form *beside = words ? static_cast<Form *>(&Form7()) : static_cast<Form *>(&Form9());
        QVERIFY(beside->isVisible());
        if (numberPictures)
            click(picture(QStringLiteral("Bild10")));
        QCOMPARE(page.isVisible(), !numberPictures);

        if (way == QLatin1String("Ende")) {
            click(Form7().Befehl2);
        } else if (way == QLatin1String("Escape")) {
            QTest::keyClick(Form7().HBildlauf1, Qt::Key_Escape);
        } else {
            QCloseEvent close;
            QApplication::sendEvent(beside, &close);
        }
        QVERIFY(!beside->isVisible());
        QCOMPARE(page.isVisible(), !numberPictures);
        Form *holder = numberPictures ? static_cast<Form *>(&Form8()) : static_cast<Form *>(&page);
        QVERIFY(holder->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(holder));
        QCOMPARE(dialogs().count(), 0);
    }

    // ---- pictures

    void exerciseButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("taskKind");
        QTest::addColumn<QString>("caption");
        QTest::newRow("number line strip") << QStringLiteral("Bild3") << QStringLiteral("Form2") << 1
                                           << QStringLiteral("Z a h l e n s t r a h l   b i s   14");
        QTest::newRow("counting discs") << QStringLiteral("Bild11") << QStringLiteral("Form3") << 3
                                        << QStringLiteral("Z a h l e n m e n g e n   b i s   14");
        QTest::newRow("red note") << QStringLiteral("Bild14") << QStringLiteral("Form4") << 5
                                  << QStringLiteral("E r g ä n z e n   b i s   14");
        QTest::newRow("houses note") << QStringLiteral("Bild12") << QStringLiteral("Form5") << 8
                                     << QStringLiteral("Z a h l f o l g e n   b i s   14");
        QTest::newRow("yellow note") << QStringLiteral("Bild13") << QStringLiteral("Form6") << 10
                                     << QStringLiteral("R e c h n e n   b i s   14");
        QTest::newRow("green note") << QStringLiteral("Bild15") << QStringLiteral("Form6") << 12
                                    << QStringLiteral("U m k e h r e n   b i s   14");
    }
    void exerciseButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, screen);
        QFETCH(int, taskKind);
        QFETCH(QString, caption);
        StartPage &page = openStartPage(14);
        click(picture(button));
        Form *window = windowNamed(screen);
        QVERIFY(page.isHidden());
        QVERIFY(window->isVisible());
        QCOMPARE(window->objectName(), screen);
        QCOMPARE(window->caption(), caption);
        QCOMPARE(shared().taskKind, TaskKind(taskKind));
        QCOMPARE(dialogs().count(), 0);
    }

    // The first visit of each screen: the keys work on the answer at once, as on every later visit.
    void firstVisitKeysReachTheAnswer_data() { exerciseButtons_data(); }
    void firstVisitKeysReachTheAnswer()
    {
        QFETCH(QString, button);
        QFETCH(QString, screen);
        openStartPage(14);
        click(picture(button));
        auto *window = static_cast<ExerciseScreen *>(windowNamed(screen));
        QVERIFY(QTest::qWaitForWindowActive(window));
        QWidget *focused = QApplication::focusWidget();
        QCOMPARE(focused, static_cast<QWidget *>(window->HBildlauf1));

        const int before = window->HBildlauf1->value();
        QTest::keyClick(focused, Qt::Key_Right);
        QCOMPARE(window->HBildlauf1->value(), before + 1);
        window->HBildlauf1->setValue(shared().expectedAnswer);
        const int childBefore = window->race().child();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(window->race().child() > childBefore);
        QCOMPARE(dialogs().count(), 0);
    }

    // A window manager's close request to a window that is hidden changes nothing: no question,
    // no start page beside the open screen.
    void closeRequestToAHiddenWindow_data()
    {
        QTest::addColumn<QString>("hidden");
        QTest::newRow("start page") << QStringLiteral("form1");
        QTest::newRow("an exercise left before") << QStringLiteral("Form2");
    }
    void closeRequestToAHiddenWindow()
    {
        QFETCH(QString, hidden);
        StartPage &page = openStartPage();
        click(picture(QStringLiteral("Bild3")));
        QTest::keyClick(&Form2(), Qt::Key_Escape);
        click(picture(QStringLiteral("Bild11")));
        QWidget *target = hidden == QLatin1String("form1") ? static_cast<QWidget *>(&page) : &Form2();
        QVERIFY(!target->isVisible());

        QCloseEvent close;
        QApplication::sendEvent(target, &close);
        QVERIFY(!page.isVisible());
        QVERIFY(!Form2().isVisible());
        QVERIFY(Form3().isVisible());
        QCOMPARE(dialogs().count(), 0);
        QCOMPARE(world->endProgramCalls, 0);
    }

    void calculationModes()
    {
        StartPage &page = openStartPage();
        click(picture(QStringLiteral("Bild13")));
        QCOMPARE(Form6().Bezeichnung2->caption(), QStringLiteral("+"));
        QCOMPARE(Form6().exercise(), CalculationScreen::Exercise::Calculating);
        QCOMPARE(Form6().caption(), QStringLiteral("R e c h n e n   b i s   10"));

        Form6().hide();
        page.showWindow();
        Form6().Bezeichnung2->setCaption(QStringLiteral("-"));
        click(picture(QStringLiteral("Bild15")));
        QCOMPARE(Form6().Bezeichnung2->caption(), QStringLiteral("+"));
        QCOMPARE(Form6().exercise(), CalculationScreen::Exercise::Reversing);
        QCOMPARE(Form6().caption(), QStringLiteral("U m k e h r e n   b i s   10"));
        QCOMPARE(shared().taskKind, TaskKind::ReversedPlus);
    }

    void authorBox_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("red book") << QStringLiteral("Bild2");
        QTest::newRow("screwdriver") << QStringLiteral("Bild7");
    }
    void authorBox()
    {
        QFETCH(QString, button);
        openStartPage();
        click(picture(button));
        QCOMPARE(dialogs().count(), 1);
        QCOMPARE(dialogs().last().kind, ScriptedDialogs::Kind::Message);
        QCOMPARE(dialogs().last().title, QStringLiteral("Autor"));
        QCOMPARE(dialogs().last().text, QStringLiteral("Die quarimo-Entwickler\r\rhttps://quarimo.example.org\r"));
    }

    // Pictures of the windows without a task: number pictures take the page's place, number words
    // and the fonts open beside it; none of them sets a task kind.
    void otherWindows_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("pageStays");
        QTest::newRow("table") << QStringLiteral("Bild6") << QStringLiteral("Form8") << false;
        QTest::newRow("notepad") << QStringLiteral("Bild10") << QStringLiteral("Form8") << false;
        QTest::newRow("ABC block") << QStringLiteral("Bild9") << QStringLiteral("Form7") << true;
        QTest::newRow("fountain pen") << QStringLiteral("Bild8") << QStringLiteral("Form9") << true;
    }
    void otherWindows()
    {
        QFETCH(QString, button);
        QFETCH(QString, window);
        QFETCH(bool, pageStays);
        StartPage &page = openStartPage();
        click(picture(button));
        Form *opened = window == QLatin1String("Form7")   ? static_cast<Form *>(&Form7())
                       : window == QLatin1String("Form8") ? static_cast<Form *>(&Form8())
                                                          : static_cast<Form *>(&Form9());
        QVERIFY(opened->isVisible());
        QCOMPARE(page.isVisible(), pageStays);
        QCOMPARE(dialogs().count(), 0);
        QCOMPARE(shared().taskKind, TaskKind::NotSet);
    }

    // Every control a child or teacher uses lies wholly inside the page, also the printer and
    // the worksheet list, and has a German name for screen readers.
    void everythingWithinReach()
    {
        StartPage &page = openStartPage();
        const QRect client(QPoint(0, 0), page.clientTwips());
        const QList<QWidget *> controls = {page.Bild1,  page.Bild2,  page.Bild3,  page.Bild4,  page.Bild5,
                                           page.Bild6,  page.Bild7,  page.Bild8,  page.Bild9,  page.Bild10,
                                           page.Bild11, page.Bild12, page.Bild13, page.Bild14, page.Bild15,
                                           page.Bezeichnung1, page.Bezeichnung2, page.Bezeichnung8,
                                           page.Bezeichnung9, page.Bezeichnung11, page.Bezeichnung12,
                                           page.HBildlauf1, page.Liste1, page.Liste2};
        for (QWidget *control : controls) {
            auto *placed = dynamic_cast<TwipsPlaced *>(control);
            QVERIFY2(placed && client.contains(placed->rectTwips()), qPrintable(control->objectName()));
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        }
        QCOMPARE(page.Bild4->accessibleName(), QStringLiteral("Drucker"));
        QCOMPARE(page.Bild13->accessibleName(), QStringLiteral("Rechnen"));
    }
};

QTEST_MAIN(StartPageTest)
#include "test_startpage.moc"
