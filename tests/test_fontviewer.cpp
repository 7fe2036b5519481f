// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/FontViewer.h"
#include "app/StartPage.h"
#include "app/Windows.h"
#include "support/ScriptedDialogs.h"
#include "ui/Controls.h"

#include <QFile>
#include <QSet>
#include <QStandardPaths>
#include <QtTest>
#include <memory>

namespace {

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
};

QTEST_MAIN(FontViewerTest)
#include "test_fontviewer.moc"
