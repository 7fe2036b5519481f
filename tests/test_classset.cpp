// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Class sets laid out on the recording device: groups in order at their own ranges, numbered
// sheets, keys moved onto key pages; and the single sheet left as it always was.

#include "engine/Random.h"
#include "engine/SharedValues.h"
#include "print/RecordingDevice.h"
#include "print/SheetTable.h"
#include "ui/Controls.h"

#include <QCryptographicHash>
#include <QtTest>

class ClassSetTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { kit::installFontSubstitutions(); }

    // Every row's sheet makes exactly the print calls it made before class sets had numbers and
    // key pages: pinned as a digest of the recorded operations for a fixed seed.
    void singleSheetsAreUnchanged_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QByteArray>("digest");
        const char *const digests[sheets::rowCount] = {
            "03dfd7f7dd17d71a",
            "d212e50c71ab3177",
            "23f5102ce75e9b0c",
            "21367feaec09cc80",
            "fb430437bb023720",
            "4ce3e5dad5e2168c",
            "cf33012736fc7bee",
            "35ac6075d59cc45d",
            "50ee54460931a9aa",
            "ea410bcd40d70fc3",
            "ea6b31a7089cf047",
            "39e5dc972846e29c",
            "880c9c312d7b46a3",
            "d3d05c65264a3f4f",
        };
        for (int row = 1; row <= sheets::rowCount; ++row)
            QTest::addRow("row %d", row) << row << QByteArray(digests[row - 1]);
    }
    void singleSheetsAreUnchanged()
    {
        QFETCH(int, row);
        QFETCH(QByteArray, digest);
        shared() = SharedValues();
        shared().numberRange = 13;
        shared().taskKind = sheets::kindCodeOfRow(row);
        rng().seed(2026);
        RecordingDevice device;
        sheets::printSheetOfKind(device, sheets::kindCodeOfRow(row));
        const QByteArray got =
            QCryptographicHash::hash(device.operations.join(u'\n').toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
        QCOMPARE(got, digest);
    }
};

QTEST_MAIN(ClassSetTest)
#include "test_classset.moc"
