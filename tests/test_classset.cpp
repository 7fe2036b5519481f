// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Class sets laid out on the recording device: groups in order at their own ranges, numbered
// sheets, keys moved onto key pages; and the single sheet left as it always was.

#include "engine/Random.h"
#include "engine/SharedValues.h"
#include "print/ClassSet.h"
#include "print/FaceMetrics.h"
#include "print/RecordingDevice.h"
#include "print/SheetTable.h"
#include "support/TestWindows.h"
#include "ui/kit/Controls.h"

#include <QCryptographicHash>
#include <QtTest>

namespace {

// A teacher's three groups: plus to 10, completing to 20, sequences to 15.
worksheets::ClassSet threeGroups(bool keysApart)
{
    worksheets::ClassSet set;
    set.groups = {{5, 10, 10}, {7, 20, 10}, {4, 15, 5}};
    set.keysApart = keysApart;
    return set;
}

QList<Sheet> laidOut(Faces &faces, const worksheets::ClassSet &set, quint32 seed = 7)
{
    shared() = SharedValues();
    shared().numberRange = 12;
    rng().seed(seed);
    RecordingDevice device(faces);
    worksheets::layOutClassSet(device, set, rng());
    return device.sheets;
}

QList<TextRun> inkOf(const QList<TextRun> &runs)
{
    QList<TextRun> ink;
    for (const TextRun &run : runs) {
        if (!run.text.trimmed().isEmpty())
            ink.append(run);
    }
    return ink;
}

QString textOf(const QList<TextRun> &runs)
{
    QStringList texts;
    for (const TextRun &run : runs)
        texts << run.text;
    return texts.join(u'|');
}

int numberOf(const QString &text)
{
    return text.trimmed().toInt();
}

} // namespace

class ClassSetTest : public QObject
{
    Q_OBJECT

    Faces faces; // the sheets' faces, for the whole test
private slots:
    void initTestCase()
    {
        kit::installFontSubstitutions(worksheets::pictureFaceName());
        QVERIFY(faces.registerPictureFace());
    }

    void groupsInOrderAtTheirRanges()
    {
        const QList<Sheet> sheets = laidOut(faces, threeGroups(false));
        QCOMPARE(sheets.size(), 25);
        QCOMPARE(shared().numberRange, 12); // the start page's range is kept
        QSet<QString> different;
        for (int n = 1; n <= 25; ++n) {
            const Sheet &sheet = sheets[n - 1];
            // The number last, small, at the top right, clear of everything else.
            const TextRun number = sheet.texts.last();
            QCOMPARE(number.text, QStringLiteral("Blatt %1 von 25").arg(n));
            QCOMPARE(number.points, 10.0);
            QCOMPARE(number.y, 0.0);
            QCOMPARE(qRound(number.x + number.width), 11000);
            const QList<TextRun> rest = inkOf(sheet.texts.mid(0, sheet.texts.size() - 1));
            for (const TextRun &run : rest)
                QVERIFY2(run.y >= number.height || run.x + run.width < number.x, qPrintable(run.text));
            different.insert(textOf(rest));

            const QList<TextRun> big = [&] {
                QList<TextRun> runs;
                for (const TextRun &run : rest) {
                    if (run.face == QLatin1String("ARIAL") && run.points == 16)
                        runs.append(run);
                }
                return runs;
            }();
            if (n <= 10) { // "Plusrechnen" to 10: 60 tasks a + b = __ with a + b at most 10
                QCOMPARE(big.size(), 20 * 3 * 5);
                for (int t = 0; t < big.size(); t += 5) {
                    QCOMPARE(big[t + 1].text, QStringLiteral("+"));
                    QVERIFY(numberOf(big[t].text) + numberOf(big[t + 2].text) <= 10);
                }
            } else if (n <= 20) { // "Zahlenraum ergänzen" to 20: a + __ = 20 in every row
                QCOMPARE(big.size(), 20 * 5);
                for (int t = 0; t < big.size(); t += 5)
                    QCOMPARE(big[t + 4].text, QStringLiteral("20"));
            } else { // "Zahlfolgen" to 15: seven rows, backward starts up to 15
                QCOMPARE(sheet.boxes.size(), 70);
                int highest = 0;
                for (const TextRun &run : rest)
                    highest = qMax(highest, numberOf(run.text));
                QVERIFY(highest > 10 && highest <= 15);
            }
        }
        QCOMPARE(different.size(), 25);
    }

    // With the keys apart the sheets are the same but for their keys, and the key pages hold
    // those very keys under the sheets' numbers.
    void keysApartMatchTheirSheets()
    {
        const QList<Sheet> withKeys = laidOut(faces, threeGroups(false));
        const QList<Sheet> apart = laidOut(faces, threeGroups(true));
        QVERIFY(apart.size() > 25);

        QList<QList<TextRun>> keys; // each sheet's key as its sheet printed it
        for (int n = 0; n < 25; ++n) {
            const QList<TextRun> full = withKeys[n].texts;
            const QList<TextRun> bare = apart[n].texts;
            const qsizetype tasks = bare.size() - 1; // the number is last
            QCOMPARE(textOf(bare.mid(0, tasks)), textOf(full.mid(0, tasks)));
            QCOMPARE(bare.last().text, full.last().text);
            keys.append(inkOf(full.mid(tasks, full.size() - 1 - tasks)));
            QCOMPARE(keys.last().isEmpty(), n >= 20); // sequence sheets have no key
        }

        QList<TextRun> onKeyPages;
        for (int page = 25; page < apart.size(); ++page) {
            const QList<TextRun> ink = inkOf(apart[page].texts);
            QCOMPARE(ink.first().text, QStringLiteral("Lösungen"));
            QVERIFY(apart[page].extent().height() <= 16000);
            onKeyPages += ink.mid(1);
        }
        QCOMPARE(apart.size(), 27); // twenty keys: more than one page, fewer than three
        int at = 0;
        for (int n = 1; n <= 20; ++n) {
            const QString title =
                n <= 10 ? QStringLiteral("Plusrechnen bis 10") : QStringLiteral("Zahlenraum ergänzen");
            QCOMPARE(onKeyPages.value(at++).text, QStringLiteral("Blatt %1: ").arg(n) + title);
            for (const TextRun &line : std::as_const(keys[n - 1])) {
                const TextRun shown = onKeyPages.value(at++);
                QCOMPARE(shown.text, line.text);
                QCOMPARE(shown.points, line.points);
                QCOMPARE(shown.x, line.x);
            }
        }
        QCOMPARE(at, onKeyPages.size());
    }

    void limits_data()
    {
        QTest::addColumn<QList<worksheets::ClassSetGroup>>("groups");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("title");
        using G = worksheets::ClassSetGroup;
        QTest::newRow("one sheet") << QList<G>{{1, 10, 1}} << true << QStringLiteral("Klassensatz 1 Blatt");
        QTest::newRow("40 sheets") << QList<G>{{1, 10, 20}, {2, 20, 20}} << true
                                   << QStringLiteral("Klassensatz 40 Blätter");
        QTest::newRow("41 sheets") << QList<G>{{1, 10, 21}, {2, 20, 20}} << false
                                   << QStringLiteral("Klassensatz 41 Blätter");
        QTest::newRow("nine groups") << QList<G>(9, G{5, 10, 1}) << false << QStringLiteral("Klassensatz 9 Blätter");
        QTest::newRow("no groups") << QList<G>{} << false << QStringLiteral("Klassensatz 0 Blätter");
        QTest::newRow("range 21") << QList<G>{{5, 21, 2}} << false << QStringLiteral("Klassensatz 2 Blätter");
        QTest::newRow("row 15") << QList<G>{{15, 10, 2}} << false << QStringLiteral("Klassensatz 2 Blätter");
        QTest::newRow("no sheets in a group")
            << QList<G>{{5, 10, 2}, {6, 10, 0}} << false << QStringLiteral("Klassensatz 2 Blätter");
    }
    void limits()
    {
        QFETCH(QList<worksheets::ClassSetGroup>, groups);
        QFETCH(bool, valid);
        QFETCH(QString, title);
        worksheets::ClassSet set;
        set.groups = groups;
        QCOMPARE(set.isValid(), valid);
        QCOMPARE(set.title(), title);
        QCOMPARE(laidOut(faces, set).size(), valid ? set.totalSheets() : 0);
    }

    // Every row's sheet makes exactly the print calls it made before class sets had numbers and
    // key pages: pinned as a digest of the recorded operations for a fixed seed.
    void singleSheetsAreUnchanged_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QByteArray>("digest");
        const char *const digests[sheettable::rowCount] = {
            "03dfd7f7dd17d71a", "d212e50c71ab3177", "23f5102ce75e9b0c", "21367feaec09cc80", "fb430437bb023720",
            "4ce3e5dad5e2168c", "cf33012736fc7bee", "35ac6075d59cc45d", "50ee54460931a9aa", "ea410bcd40d70fc3",
            "ea6b31a7089cf047", "39e5dc972846e29c", "880c9c312d7b46a3", "d3d05c65264a3f4f",
        };
        for (int row = 1; row <= sheettable::rowCount; ++row)
            QTest::addRow("row %d", row) << row << QByteArray(digests[row - 1]);
    }
    void singleSheetsAreUnchanged()
    {
        QFETCH(int, row);
        QFETCH(QByteArray, digest);
        shared() = SharedValues();
        shared().numberRange = 13;
        shared().taskKind = sheettable::kindCodeOfRow(row);
        rng().seed(2026);
        RecordingDevice device(faces);
        sheettable::printSheetOfKind(device, sheettable::kindCodeOfRow(row), shared().numberRange, rng());
        const QByteArray got =
            QCryptographicHash::hash(device.operations.join(u'\n').toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
        QCOMPARE(got, digest);
    }
};

QTEST_MAIN(ClassSetTest)
#include "test_classset.moc"
