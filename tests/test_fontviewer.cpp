// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/FontViewer.h"
#include "app/StartPage.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedDialogs.h"
#include "support/TestWindows.h"
#include "ui/kit/Controls.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList listed(const FontViewer &viewer)
{
    QStringList names;
    for (int row = 0; row < viewer.Liste1->count(); ++row)
        names.append(viewer.Liste1->item(row)->text());
    return names;
}

} // namespace

class FontViewerTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    FontViewer &open()
    {
        form1().showWindow();
        QTest::mouseClick(form1().Bild8, Qt::LeftButton);
        Form9().fillFontList(); // the activation, whether or not the platform delivers one
        return Form9();
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { world = std::make_unique<TestWorld>(); }
    void cleanup() { world.reset(); }

    void everyFamilyOnceAfterTwoOpenings()
    {
        FontViewer &viewer = open();
        QVERIFY(form1().isVisible());
        QTest::mouseClick(viewer.Befehl1, Qt::LeftButton); // "E n d e"
        QVERIFY(!viewer.isVisible());
        QCOMPARE(viewer.Liste1->count(), 0);
        open();
        viewer.fillFontList(); // and back again from the start page
        const QStringList names = listed(viewer);
        QVERIFY(!names.isEmpty());
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
        QCOMPARE(viewer.Bezeichnung1->caption(), FontViewer::sampleText());
        QVERIFY(viewer.Bezeichnung1->caption().contains(QStringLiteral("ZzÄä")));
    }

    void aClickChangesOnlyTheSampleFace()
    {
        FontViewer &viewer = open();
        const QFont before = viewer.Bezeichnung1->font();
        QListWidgetItem *item = viewer.Liste1->item(viewer.Liste1->count() - 1);
        QTest::mouseClick(viewer.Liste1->viewport(), Qt::LeftButton, {}, viewer.Liste1->visualItemRect(item).center());
        QCOMPARE(viewer.Bezeichnung1->font().family(), item->text());
        QVERIFY(viewer.Bezeichnung1->font().pixelSize() > 8);
        QCOMPARE(viewer.Bezeichnung1->font().bold(), before.bold());
    }

    void saveWritesThePictureAndSaysWhere()
    {
        FontViewer &viewer = open();
        const QString path = viewer.saveSample();
        QVERIFY(QFile::exists(path));
        QCOMPARE(world->dialogs.last().title, QStringLiteral("Sichern"));
        QVERIFY(world->dialogs.last().text.contains(path));
        QFile::remove(path);
    }

    // Whatever holds the sample's name stays as it is: an earlier sample, a link, even one
    // leading nowhere. A full disk leaves nothing behind and says so.
    void saveKeepsWhatIsThere_data()
    {
        QTest::addColumn<QString>("occupant");
        QTest::newRow("an earlier sample") << QStringLiteral("sample");
        QTest::newRow("a link to another file") << QStringLiteral("link");
        QTest::newRow("a link to nothing") << QStringLiteral("dangling");
        QTest::newRow("a full disk") << QStringLiteral("full");
    }
    void saveKeepsWhatIsThere()
    {
        QFETCH(QString, occupant);
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        FontViewer &viewer = open();
        const QString first = viewer.saveSample();
        QVERIFY(!first.isEmpty());
        const QString folder = QFileInfo(first).absolutePath();
        const QByteArray earlier = contents(first);
        const QString victim = QDir(folder).filePath(QStringLiteral("victim.txt"));
        const QString nowhere = QDir(folder).filePath(QStringLiteral("nirgends.txt"));
        QFile(victim).open(QIODevice::WriteOnly);
        if (occupant == QLatin1String("link") || occupant == QLatin1String("dangling")) {
            QFile::remove(first);
            QVERIFY(QFile::link(occupant == QLatin1String("link") ? victim : nowhere, first));
        }

        QString second;
        if (occupant == QLatin1String("full")) {
            const FileSizeLimit nearlyFull(4096);
            second = viewer.saveSample();
        } else {
            second = viewer.saveSample();
        }
        const QStringList files =
            QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        qputenv("HOME", oldHome);

        const QString text = world->dialogs.last().text;
        if (occupant == QLatin1String("full")) {
            QVERIFY(second.isEmpty());
            QVERIFY2(text.startsWith(QStringLiteral("Die Schriftprobe konnte nicht gespeichert werden.\r"
                                                    "Auf dem Datenträger ist nicht genug Platz frei.\r")),
                     qPrintable(text));
            QCOMPARE(files.size(), 2); // the earlier sample and the victim, no broken file
        } else {
            QCOMPARE(second, first.chopped(4) + QStringLiteral(" (2).png"));
            QCOMPARE(text, QStringLiteral("Die Schriftprobe ist als Bild gespeichert:\r") +
                               QDir::toNativeSeparators(second) + u'\r');
            QVERIFY(QImage(second).size() == viewer.Bezeichnung1->grab().size());
            QCOMPARE(files.size(), 3);
        }
        if (occupant == QLatin1String("sample") || occupant == QLatin1String("full"))
            QCOMPARE(contents(first), earlier);
        QCOMPARE(contents(victim), QByteArray());
        QVERIFY(!QFileInfo::exists(nowhere));
    }
};

QTEST_MAIN(FontViewerTest)
#include "test_fontviewer.moc"
