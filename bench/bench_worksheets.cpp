// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How long a worksheet takes to make as a PDF: each of the fourteen rows in range 20, a class
// set of 30 calculation sheets as one PDF, and the largest class set: 40 sheets in three groups
// with the keys apart, laid out and written as one PDF (it should take well under a second).
// Prints the times and the file sizes. Give a folder as the first argument to keep the PDFs;
// otherwise they go into a temporary one.

#include "engine/Random.h"
#include "engine/SharedValues.h"
#include "print/ClassSet.h"
#include "print/FaceMetrics.h"
#include "print/PageDevice.h"
#include "print/SheetTable.h"
#include "print/Worksheets.h"
#include "support/TestWindows.h"
#include "ui/kit/Controls.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

namespace {

const char *const rowNames[sheettable::rowCount] = {
    "Zahlenstrahl",   "Bilder zaehlen",       "Bilder malen",    "Zahlfolgen",      "Plusrechnen",
    "Minusrechnen",   "Zahlenraum ergaenzen", "Plus-Ergaenzen",  "Minus-Ergaenzen", "Plus-Umkehren",
    "Minus-Umkehren", "Verm. Rechnen",        "Verm. Ergaenzen", "Verm. Umkehren"};

// The system's PDFs, but in the benchmark's folder and never on a printer.
class FolderOutputs final : public worksheets::Outputs
{
public:
    FolderOutputs(Faces &faces, const QString &folder) : faces_(faces), folder_(folder) {}
    bool hasPrinter() override { return false; }
    std::unique_ptr<SheetDevice> openPrinter(const QString &) override { return nullptr; }
    std::unique_ptr<SheetDevice> openPdf(const QString &path, const QString &title) override
    {
        return std::make_unique<PdfDevice>(faces_, path, title);
    }
    QString pdfFolder() override { return folder_; }
    Faces &faces() override { return faces_; }

private:
    Faces &faces_;
    QString folder_;
};

double timedPdf(worksheets::Outputs &pdfs, TaskKind kindCode, const QString &path, int copies)
{
    QElapsedTimer timer;
    timer.start();
    const worksheets::Outcome outcome =
        worksheets::saveSheetsAsPdf(pdfs, kindCode, shared().numberRange, rng(), QFileInfo(path).baseName(), path, copies);
    const double ms = timer.nsecsElapsed() / 1e6;
    if (outcome.kind == worksheets::Outcome::Kind::Failed)
        std::printf("  failed: %s\n", qPrintable(outcome.reason));
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    kit::installFontSubstitutions(worksheets::pictureFaceName());
    Faces faces;
    QElapsedTimer registering;
    registering.start();
    faces.registerPictureFace();
    std::printf("registering the picture face: %.3f ms\n", registering.nsecsElapsed() / 1e6);

    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    QDir().mkpath(folder);
    FolderOutputs pdfs(faces, folder);
    shared().numberRange = 20;
    rng().seed(4711);

    // The first sheet also loads the fonts; it is timed apart.
    const QString warmUp = QDir(folder).filePath(QStringLiteral("warm-up.pdf"));
    std::printf("first sheet (loads the fonts): %.1f ms\n", timedPdf(pdfs, TaskKind::Plus, warmUp, 1));
    QFile::remove(warmUp);

    std::printf("%-22s %10s %10s\n", "sheet (range 20)", "ms", "bytes");
    for (int row = 1; row <= sheettable::rowCount; ++row) {
        const QString path = QDir(folder).filePath(
            QStringLiteral("%1 %2.pdf").arg(row, 2, 10, QLatin1Char('0')).arg(QString::fromLatin1(rowNames[row - 1])));
        const double ms = timedPdf(pdfs, sheettable::kindCodeOfRow(row), path, 1);
        std::printf("%-22s %10.1f %10lld\n", rowNames[row - 1], ms, QFileInfo(path).size());
    }

    const QString classSet = QDir(folder).filePath(QStringLiteral("Klassensatz Plusrechnen.pdf"));
    const double ms = timedPdf(pdfs, TaskKind::Plus, classSet, 30);
    std::printf("class set, 30 calculation sheets: %.1f ms (%.1f ms a sheet), %lld bytes\n", ms, ms / 30,
                QFileInfo(classSet).size());

    // Plus to 10, completing to 20, mixed completing to 15: every sheet with a key.
    worksheets::ClassSet largest;
    largest.groups = {{5, 10, 15}, {7, 20, 15}, {13, 15, 10}};
    largest.keysApart = true;
    QElapsedTimer timer;
    timer.start();
    const worksheets::Outcome outcome = worksheets::printClassSet(pdfs, largest, rng());
    const double setMs = timer.nsecsElapsed() / 1e6;
    if (outcome.kind == worksheets::Outcome::Kind::Failed)
        std::printf("  failed: %s\n", qPrintable(outcome.reason));
    std::printf("class set, 40 sheets in 3 groups, keys apart: %.1f ms, %lld bytes\n", setMs,
                QFileInfo(outcome.file).size());
    return 0;
}
