// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The seven worksheet layouts, laid out on the recording device.

#include "engine/Random.h"
#include "engine/SharedValues.h"
#include "print/FaceMetrics.h"
#include "print/Layouts.h"
#include "print/RecordingDevice.h"
#include "print/SheetTable.h"
#include "support/TestWindows.h"
#include "ui/kit/Controls.h"

#include <QMap>
#include <QSet>
#include <QtTest>

namespace {

const QString countingPictures = QStringLiteral("ACcFghIiKLMNPrsTZ<?*");

// The sheet of a row's kind code in a range, drawn with a fixed seed.
Sheet sheetOf(Faces &faces, int kindCode, int range, quint32 seed = 11)
{
    rng().seed(seed);
    RecordingDevice device(faces);
    sheettable::printSheetOfKind(device, TaskKind(kindCode), range, rng());
    return device.sheets.value(0);
}

// The printed texts in one size, line by line from the top, each line from the left.
QList<QList<TextRun>> linesOf(const Sheet &sheet, const QString &face, double points)
{
    QMap<qint64, QList<TextRun>> byY;
    for (const TextRun &run : sheet.texts) {
        if (run.face == face && run.points == points && !run.text.trimmed().isEmpty())
            byY[qRound64(run.y)].append(run);
    }
    QList<QList<TextRun>> lines;
    for (QList<TextRun> line : std::as_const(byY)) {
        std::sort(line.begin(), line.end(), [](const TextRun &a, const TextRun &b) { return a.x < b.x; });
        lines.append(line);
    }
    return lines;
}

QStringList textsOf(const QList<TextRun> &line)
{
    QStringList texts;
    for (const TextRun &run : line)
        texts << run.text;
    return texts;
}

QString keyOf(const QList<int> &answers)
{
    QString key;
    for (int answer : answers)
        key += u' ' + QString::number(answer);
    return key;
}

// What a calculation task asks for, from its five printed fields.
int answerOf(const QStringList &fields)
{
    const bool plus = fields[1] == QLatin1String("+");
    if (fields[0] == QLatin1String("__"))
        return plus ? fields[4].toInt() - fields[2].toInt() : fields[4].toInt() + fields[2].toInt();
    return plus ? fields[0].toInt() + fields[2].toInt() : fields[0].toInt() - fields[2].toInt();
}

} // namespace

class WorksheetsTest : public QObject
{
    Q_OBJECT

    Faces faces; // the sheets' faces, for the whole test
private slots:
    void initTestCase() { kit::installFontSubstitutions(worksheets::pictureFaceName()); }

    void calculationSheets_data()
    {
        QTest::addColumn<int>("kindCode");
        QTest::addColumn<int>("range");
        QTest::addColumn<QString>("firstOps"); // the operators of row 1 and row 2
        QTest::newRow("plus 10") << 10 << 10 << QStringLiteral("+++ +++");
        QTest::newRow("minus 20") << 11 << 20 << QStringLiteral("--- ---");
        QTest::newRow("plus reversed 10") << 12 << 10 << QStringLiteral("+++ +++");
        QTest::newRow("minus reversed 20") << 13 << 20 << QStringLiteral("--- ---");
        QTest::newRow("mixed 10") << 14 << 10 << QStringLiteral("-+- +-+");
        QTest::newRow("mixed reversed 20") << 15 << 20 << QStringLiteral("-+- +-+");
    }
    void calculationSheets()
    {
        QFETCH(int, kindCode);
        QFETCH(int, range);
        QFETCH(QString, firstOps);
        const Sheet sheet = sheetOf(faces, kindCode, range);
        const QList<QList<TextRun>> rows = linesOf(sheet, QStringLiteral("ARIAL"), 16);
        QCOMPARE(rows.size(), 20);

        QString ops;
        QList<int> answers;
        for (int r = 0; r < 20; ++r) {
            const QStringList fields = textsOf(rows[r]);
            QCOMPARE(fields.size(), 15);
            for (int t = 0; t < 3; ++t) {
                const QStringList task = fields.mid(5 * t, 5);
                QCOMPARE(task[3], QStringLiteral("="));
                const bool reversed = kindCode == 12 || kindCode == 13 || kindCode == 15;
                QCOMPARE(task[reversed ? 0 : 4], QStringLiteral("__"));
                // s, the sum or minuend, lies from 4 to the range; the second number below it.
                const bool plus = task[1] == QLatin1String("+");
                const int known = task[reversed ? 4 : 0].toInt();
                const int sum = plus != reversed ? known + task[2].toInt() : known;
                QVERIFY2(sum >= 4 && sum <= range, qPrintable(task.join(u' ')));
                QVERIFY(task[2].toInt() < sum);
                answers << answerOf(task);
                if (r < 2)
                    ops += task[1];
            }
            if (r == 0)
                ops += u' ';
        }
        QCOMPARE(ops, firstOps);

        // The key in task order over two lines, the first answer's blank left off.
        const QList<QList<TextRun>> key = linesOf(sheet, QStringLiteral("ARIAL"), 12);
        QCOMPARE(key.size(), 3);
        QCOMPARE(key[0][0].text, QString(75, u'_'));
        QCOMPARE(u' ' + key[1][0].text + key[2][0].text, keyOf(answers));
        const int length = int(keyOf(answers).size());
        const int half = length % 2 == 0 || (length / 2) % 2 == 0 ? length / 2 : length / 2 + 1;
        QCOMPARE(key[1][0].text.size(), half);
    }

    void calculationColumns()
    {
        // The third task's result column, tab 76, lies at 10,599 twips with the classic width.
        const QList<QList<TextRun>> rows = linesOf(sheetOf(faces, 10, 10), QStringLiteral("ARIAL"), 16);
        QCOMPARE(qRound(rows[0][0].x), qRound(7 * 141.322));
        QCOMPARE(qRound(rows[0][14].x), 10599);
    }

    void completingSheets_data()
    {
        QTest::addColumn<int>("kindCode");
        QTest::addColumn<int>("range");
        QTest::newRow("to the range 10") << 5 << 10;
        QTest::newRow("to the range 15") << 5 << 15;
        QTest::newRow("plus 20") << 6 << 20;
        QTest::newRow("minus 10") << 7 << 10;
        QTest::newRow("mixed, row 13") << 16 << 20;
    }
    void completingSheets()
    {
        QFETCH(int, kindCode);
        QFETCH(int, range);
        const Sheet sheet = sheetOf(faces, kindCode, range);
        const QList<QList<TextRun>> rows = linesOf(sheet, QStringLiteral("ARIAL"), 16);
        const QList<QList<TextRun>> pictures = linesOf(sheet, QStringLiteral("ANLAUT"), 18);
        QCOMPARE(rows.size(), 20);
        QCOMPARE(pictures.size(), 20);
        QList<int> answers;
        for (int r = 0; r < 20; ++r) {
            const QStringList f = textsOf(rows[r]);
            QCOMPARE(f.size(), 5);
            const bool minus = kindCode == 7 || (kindCode == 16 && r % 2 == 0);
            QCOMPARE(f[1], minus ? QStringLiteral("-") : QStringLiteral("+"));
            QCOMPARE(f.mid(2, 2), QStringList({QStringLiteral("__"), QStringLiteral("=")}));
            if (kindCode == 5)
                QCOMPARE(f[4], QString::number(range));
            const int whole = minus ? f[0].toInt() : f[4].toInt();
            // The pictures stand on the task's line, as many as the whole, one kind per row.
            QCOMPARE(pictures[r][0].y, rows[r][0].y);
            QCOMPARE(pictures[r][0].text, QString(whole, countingPictures.at(r)));
            answers.prepend(minus ? f[0].toInt() - f[4].toInt() : f[4].toInt() - f[0].toInt());
        }
        const QList<QList<TextRun>> key = linesOf(sheet, QStringLiteral("ARIAL"), 12);
        QCOMPARE(key.size(), 1);
        QCOMPARE(key[0][0].text, keyOf(answers).replace(QLatin1String(" "), QLatin1String("  ")).mid(1) + u' ');
    }

    void countingSheet()
    {
        const Sheet sheet = sheetOf(faces, 3, 20);
        const QList<QList<TextRun>> blanks = linesOf(sheet, QStringLiteral("ARIAL"), 16);
        const QList<QList<TextRun>> pictures = linesOf(sheet, QStringLiteral("ANLAUT"), 20);
        QCOMPARE(blanks.size(), 20);
        QCOMPARE(pictures.size(), 20);
        QList<int> counts;
        for (int r = 0; r < 20; ++r) {
            QCOMPARE(blanks[r][0].text, QStringLiteral("____"));
            QCOMPARE(pictures[r][0].y, blanks[r][0].y);
            const QString row = pictures[r][0].text;
            QVERIFY(row.size() >= 1 && row.size() <= 20);
            QCOMPARE(row, QString(row.size(), countingPictures.at(r)));
            counts.prepend(int(row.size()));
        }
        const QList<QList<TextRun>> key = linesOf(sheet, QStringLiteral("ARIAL"), 14);
        QCOMPARE(key[0][0].text, keyOf(counts).replace(QLatin1String(" "), QLatin1String("  ")).mid(1) + u' ');
        // Twenty rows and the key fit on A4 within the PDF's margins.
        QVERIFY(sheet.extent().height() <= 16262);
    }

    void drawingSheet()
    {
        rng().seed(5);
        RecordingDevice device(faces);
        printPictureSheet(device, TaskKind::SetPictures, 10, rng());
        const QList<QList<TextRun>> rows = linesOf(device.sheets.at(0), QStringLiteral("ARIAL"), 16);
        const QList<QList<TextRun>> pictures = linesOf(device.sheets.at(0), QStringLiteral("ANLAUT"), 20);
        QCOMPARE(rows.size(), 20);
        for (int r = 0; r < 20; ++r) {
            const int n = rows[r][0].text.toInt();
            QVERIFY(rows[r][0].text.startsWith(u' ') && n >= 1 && n <= 10);
            QCOMPARE(rows[r][1].text, QString(50, u'_'));
            QCOMPARE(pictures[r][0].text, QStringLiteral("*,.:<>AFGKPRZbglrswz").mid(r, 1));
            QCOMPARE(pictures[r][0].x, rows[r][0].x + rows[r][0].width);
        }
        // The key line is printed, and empty.
        QCOMPARE(device.operations.mid(device.operations.size() - 4),
                 QStringList({QStringLiteral("print \" \" ;"), QStringLiteral("size 14"),
                              QStringLiteral("print tab 19 \"\" ;"), QStringLiteral("end")}));
    }

    void numberLineSheet_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("10") << 10 << QStringList({QStringLiteral(" 0"), QStringLiteral(" 10")});
        QTest::newRow("13") << 13 << QStringList({QStringLiteral(" 0"), QStringLiteral(" 10")});
        QTest::newRow("20") << 20 << QStringList({QStringLiteral(" 0"), QStringLiteral(" 10"), QStringLiteral(" 20")});
    }
    void numberLineSheet()
    {
        QFETCH(int, range);
        QFETCH(QStringList, labels);
        const Sheet sheet = sheetOf(faces, 1, range);
        QCOMPARE(sheet.texts.size(), 11 * labels.size());
        for (int line = 0; line < 11; ++line) {
            const double y = 1100 + 1400 * line;
            int ticks = 0, longTicks = 0, marks = 0;
            for (const Stroke &s : sheet.lines) {
                QCOMPARE(s.dots, 3);
                if (s.y1 == y && s.y2 == y) {
                    QCOMPARE(s.x1, 1000.0);
                    QCOMPARE(s.x2, 11000.0);
                } else if (s.y1 == y - 100) {
                    const double k = (s.x1 - 1000) * range / 10000;
                    QCOMPARE(k, double(qRound(k)));
                    ++ticks;
                    longTicks += s.y2 == y + 100 ? 1 : 0;
                    QCOMPARE(s.y2 == y + 100, qRound(k) % 5 == 0);
                } else if (s.y1 == y - 300) {
                    QVERIFY(s.x1 > 1000); // tick 0 is never marked
                    ++marks;
                }
            }
            QCOMPARE(ticks, range + 1);
            QCOMPARE(longTicks, range / 5 + 1);
            QVERIFY(marks >= 1 && marks <= 5);
            for (int i = 0; i < labels.size(); ++i) {
                const TextRun &label = sheet.texts.at(line * labels.size() + i);
                QCOMPARE(label.text, labels[i]);
                QCOMPARE(label.x, 1000 + i * 10 * 10000.0 / range - 250);
                QCOMPARE(label.y, y + 100);
            }
        }
    }

    void sequenceSheet_data()
    {
        QTest::addColumn<int>("range");
        QTest::newRow("10: every start once") << 10;
        QTest::newRow("20") << 20;
    }
    void sequenceSheet()
    {
        QFETCH(int, range);
        const Sheet sheet = sheetOf(faces, 8, range);
        QCOMPARE(sheet.boxes.size(), 70);
        QSet<int> forward, backward;
        for (const TextRun &run : sheet.texts) {
            QVERIFY(run.x == 1200 || run.x == 9400);
            (run.x == 1200 ? forward : backward).insert(run.text.toInt());
        }
        QCOMPARE(forward.size(), 7);
        QCOMPARE(backward.size(), 7);
        for (int s : std::as_const(forward))
            QVERIFY(s >= 0 && s <= range - 4);
        for (int s : std::as_const(backward))
            QVERIFY(s >= 4 && s <= range);
        if (range == 10) {
            QCOMPARE(forward, QSet<int>({0, 1, 2, 3, 4, 5, 6}));
            QCOMPARE(backward, QSet<int>({4, 5, 6, 7, 8, 9, 10}));
        }
    }
};

QTEST_MAIN(WorksheetsTest)
#include "test_worksheets.moc"
