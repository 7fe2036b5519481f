// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The print layer: the classic column width, the tab rule, and real PDFs read back with
// poppler's pdftotext (true size, fitting the page, class sets).

#include "app/QtPlatform.h"
#include "engine/Random.h"
#include "engine/SharedValues.h"
#include "print/FaceMetrics.h"
#include "print/Layouts.h"
#include "print/PageDevice.h"
#include "print/RecordingDevice.h"
#include "print/SheetTable.h"
#include "print/Worksheets.h"
#include "support/FileSizeLimit.h"
#include "support/TestWindows.h"
#include "ui/kit/Controls.h"

#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString pdfText(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), arguments + QStringList{QStringLiteral("-")});
    if (!process.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Words and their left edges in points, as pdftotext -bbox sees them.
QList<std::pair<QString, double>> wordsOf(const QString &pdf)
{
    static const QRegularExpression word(QStringLiteral("<word xMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    QList<std::pair<QString, double>> words;
    const QString html = pdfText({QStringLiteral("-bbox"), pdf});
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        words.append({m.captured(2), m.captured(1).toDouble()});
    }
    return words;
}

void prepare(int range, quint32 seed)
{
    shared() = SharedValues();
    shared().numberRange = qint16(range);
    rng().seed(seed);
}

} // namespace

class PrintDeviceTest : public QObject
{
    Q_OBJECT

    QTemporaryDir folder;
    Faces faces;
    QtPlatform machine{QtPlatform::Voice::Silent, faces}; // writes the PDFs as the program does

private slots:
    void initTestCase()
    {
        kit::installFontSubstitutions(worksheets::pictureFaceName());
        QVERIFY(faces.registerPictureFace());
    }

    void classicAverageWidth()
    {
        // Liberation Sans has Arial's widths: 904/2048 em, not the 0.59 em of OS/2 version 3.
        const std::optional<FaceMetrics> arial = faces.metrics(QStringLiteral("ARIAL"));
        QVERIFY(arial);
        QCOMPARE(int(arial->classicAverage * 2048), 904);
        RecordingDevice device(faces);
        device.setFontSize(16);
        QCOMPARE(qRound(device.averageCharWidth() * 10), 1413);
        device.print({{76, QString()}}, PrintDevice::LineEnd::Stay);
        QCOMPARE(qRound(device.currentX()), 10599);

        // The picture face: one advance for all, so its column is one picture wide.
        const std::optional<FaceMetrics> pictures = faces.metrics(worksheets::pictureFaceName());
        QVERIFY(pictures);
        QVERIFY(pictures->classicAverage <= 0.9);
        QCOMPARE(pictures->width(QStringLiteral("ACcFghIiKLMNPrsTZ<?*")), 20 * pictures->classicAverage);
        QVERIFY(pictures->ascent + pictures->descent <= 1.0 + 1e-9);
    }

    void tabRule_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("face");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("nextLine");
        QTest::newRow("short, then a larger size") << QStringLiteral("1") << QStringLiteral("ARIAL") << 24.0 << false;
        QTest::newRow("long, then a larger size")
            << QStringLiteral("1234567890") << QStringLiteral("ARIAL") << 24.0 << true;
        QTest::newRow("short, then the picture face")
            << QStringLiteral("____") << QStringLiteral("ANLAUT") << 20.0 << false;
        QTest::newRow("long, then the picture face") << QString(16, u'_') << QStringLiteral("ANLAUT") << 20.0 << true;
        QTest::newRow("at the column itself") << QString() << QStringLiteral("ARIAL") << 12.0 << false;
    }
    void tabRule()
    {
        QFETCH(QString, first);
        QFETCH(QString, face);
        QFETCH(double, points);
        QFETCH(bool, nextLine);
        RecordingDevice device(faces);
        device.setFontSize(12);
        device.print({{8, first}}, PrintDevice::LineEnd::Stay);
        device.setFontName(face);
        device.setFontSize(points);
        device.print({{8, QStringLiteral("A")}}, PrintDevice::LineEnd::Stay);
        QCOMPARE(device.currentX(),
                 7 * device.averageCharWidth() + faces.metrics(face)->width(QStringLiteral("A")) * points * 20);
        QCOMPARE(device.currentY(), nextLine ? device.lineHeight() : 0.0);
        device.print({}, PrintDevice::LineEnd::Next);
        QCOMPARE(device.currentX(), 0.0);
        QCOMPARE(device.currentY(), (nextLine ? 2 : 1) * device.lineHeight());
    }

    void calculationSheetAsPdf()
    {
        // The same seed lays out the same sheet on the recording device and in the PDF.
        prepare(20, 99);
        RecordingDevice recorded(faces);
        printCalculationSheet(recorded, TaskKind::Minus, shared().numberRange, rng());
        QStringList expected;
        QMap<qint64, QStringList> lines;
        for (const TextRun &run : recorded.sheets.at(0).texts) {
            if (!run.text.trimmed().isEmpty())
                lines[qRound64(run.y)] << run.text;
        }
        for (const QStringList &line : std::as_const(lines))
            expected << line.join(u' ').simplified();
        QCOMPARE(expected.size(), 23); // 20 task rows, the rule and two key lines

        prepare(20, 99);
        const QString path = folder.filePath(QStringLiteral("Minusrechnen bis 20.pdf"));
        const worksheets::Outcome outcome =
            worksheets::saveSheetsAsPdf(machine.printOutputs(), TaskKind::Minus, shared().numberRange, rng(),
                                   QStringLiteral("Minusrechnen bis 20"), path);
        QCOMPARE(outcome.kind, worksheets::Outcome::Kind::SavedAsPdf);
        QStringList read;
        for (const QString &line : pdfText({QStringLiteral("-layout"), path}).split(u'\n')) {
            if (!line.simplified().isEmpty() && line != QLatin1String("\f"))
                read << line.simplified();
        }
        QCOMPARE(read, expected);
    }

    void numberLineAtTrueSize()
    {
        prepare(10, 3);
        const QString path = folder.filePath(QStringLiteral("Zahlenstrahl.pdf"));
        QCOMPARE(worksheets::saveSheetsAsPdf(machine.printOutputs(), TaskKind::NameNumber, shared().numberRange, rng(),
                                        QStringLiteral("Zahlenstrahl bis 10"), path)
                     .kind,
                 worksheets::Outcome::Kind::SavedAsPdf);
        const auto words = wordsOf(path);
        QCOMPARE(words.size(), 22);
        // The labels 0 and 10 stand 10,000 twips (500 points) apart, as their ticks do, and the
        // sheet's left edge is at most 0.3 inch from the paper's.
        QCOMPARE(words[0].first, QStringLiteral("0"));
        QCOMPARE(words[1].first, QStringLiteral("10"));
        QVERIFY(qAbs(words[1].second - words[0].second - 500) < 0.5);
        const double blank = faces.metrics(QStringLiteral("ARIAL"))->width(QStringLiteral(" ")) * 14;
        QVERIFY(words[0].second - (750 / 20.0 + blank) <= 0.3 * 72 + 0.5);
    }

    void largeSheetShrinksOntoOnePage()
    {
        const QString path = folder.filePath(QStringLiteral("gross.pdf"));
        {
            PdfDevice device(faces, path, QStringLiteral("gross"));
            device.setFontSize(16);
            device.print({{0, QStringLiteral("links")}}, PrintDevice::LineEnd::Stay);
            device.setCurrentX(20000);
            device.setCurrentY(30000);
            device.print({{0, QStringLiteral("rechts")}}, PrintDevice::LineEnd::Next);
            device.endDocument();
            QVERIFY(!device.failed());
        }
        const QString text = pdfText({path});
        QCOMPARE(text.count(u'\f'), 1);
        const auto words = wordsOf(path);
        QCOMPARE(words.size(), 2);
        QVERIFY(words[1].second > 300 && words[1].second < 595);
    }

    void classSetOfThirty()
    {
        prepare(10, 5);
        const QString path = folder.filePath(QStringLiteral("Klassensatz.pdf"));
        const worksheets::Outcome outcome =
            worksheets::saveSheetsAsPdf(machine.printOutputs(), TaskKind::Plus, shared().numberRange, rng(),
                                   QStringLiteral("Plusrechnen bis 10"), path, 30);
        QCOMPARE(outcome.kind, worksheets::Outcome::Kind::SavedAsPdf);
        QStringList pages = pdfText({path}).split(u'\f');
        pages.removeAll(QString());
        QCOMPARE(pages.size(), 30);
        QCOMPARE(QSet<QString>(pages.begin(), pages.end()).size(), 30);
    }

    void pdfThatCannotBeWritten()
    {
        PdfDevice device(faces, folder.filePath(QStringLiteral("fehlt/Blatt.pdf")), QStringLiteral("Blatt"));
        QVERIFY(device.failed());
        QVERIFY(device.failure().startsWith(QStringLiteral("Die PDF-Datei „")));
        QVERIFY(device.failure().endsWith(QStringLiteral("\rDen Ordner gibt es nicht.")));
    }

    // The disk fills up while a class set is written: it is not reported as saved, nothing is
    // left under its name or beside it, and a file of that name from before stays whole.
    void fullDiskLeavesNoPdf()
    {
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath(QStringLiteral("Klassensatz.pdf"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("alt") == 3);
        old.close();
        prepare(10, 5);
        worksheets::Outcome outcome;
        {
            const FileSizeLimit nearlyFull(4096);
            outcome = worksheets::saveSheetsAsPdf(machine.printOutputs(), TaskKind::Plus, shared().numberRange, rng(),
                                             QStringLiteral("Plusrechnen bis 10"), path, 30);
        }
        QCOMPARE(outcome.kind, worksheets::Outcome::Kind::Failed);
        QCOMPARE(outcome.reason, QStringLiteral("Die PDF-Datei „%1“ konnte nicht geschrieben werden.\r"
                                                "Auf dem Datenträger ist nicht genug Platz frei.")
                                     .arg(path));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("Klassensatz.pdf")});
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("alt"));
    }

    // A link at the chosen name, even one leading nowhere, takes the name: the sheet goes
    // beside it and nothing is written where the link points.
    void linkAtTheNameIsNeverWrittenThrough()
    {
        QTemporaryDir dir;
        const QDir folder(dir.path());
        const QString path = folder.filePath(QStringLiteral("Blatt.pdf"));
        QVERIFY(QFile::link(folder.filePath(QStringLiteral("Ziel.pdf")), path));
        prepare(10, 5);
        const worksheets::Outcome outcome =
            worksheets::saveSheetsAsPdf(machine.printOutputs(), TaskKind::Plus, shared().numberRange, rng(),
                                   QStringLiteral("Plusrechnen bis 10"), path);
        QCOMPARE(outcome.kind, worksheets::Outcome::Kind::SavedAsPdf);
        QCOMPARE(outcome.file, folder.filePath(QStringLiteral("Blatt (2).pdf")));
        QVERIFY(!pdfText({outcome.file}).trimmed().isEmpty());
        QVERIFY(!QFileInfo::exists(folder.filePath(QStringLiteral("Ziel.pdf"))));
    }

    // The preview shows the sheet and writes nothing; its PDF export goes beside a link at the
    // name chosen there, never through it.
    void previewExportNeverWritesThroughALink()
    {
        QTemporaryDir dir;
        const QDir folder(dir.path());
        const QString chosen = folder.filePath(QStringLiteral("Blatt.pdf"));
        QVERIFY(QFile::link(folder.filePath(QStringLiteral("Ziel.pdf")), chosen));
        prepare(10, 5);
        RecordingDevice recorded(faces);
        worksheets::drawSheets(recorded, TaskKind::Plus, shared().numberRange, rng(), 1);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(chosen);
        QPrintPreviewWidget preview(&printer);
        QList<worksheets::Outcome> outcomes;
        connect(&preview, &QPrintPreviewWidget::paintRequested, this, [&](QPrinter *target) {
            outcomes.append(
                worksheets::putPreviewedSheets(faces, *target, recorded.sheets, QStringLiteral("Plusrechnen bis 10")));
        });
        preview.updatePreview();
        QCOMPARE(preview.pageCount(), 1);
        preview.print();
        QCOMPARE(outcomes.size(), 2);
        QCOMPARE(outcomes[0].kind, worksheets::Outcome::Kind::Printed);
        QCOMPARE(outcomes[1].kind, worksheets::Outcome::Kind::SavedAsPdf);
        QCOMPARE(outcomes[1].file, folder.filePath(QStringLiteral("Blatt (2).pdf")));
        QVERIFY(!QFileInfo::exists(folder.filePath(QStringLiteral("Ziel.pdf"))));
        QVERIFY(!pdfText({outcomes[1].file}).trimmed().isEmpty());
    }
};

QTEST_MAIN(PrintDeviceTest)
#include "test_printdevice.moc"
