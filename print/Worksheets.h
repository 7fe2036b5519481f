// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/TaskKind.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>

class Faces;
class QDateTime;
class Random;
class QPrinter;
class SheetDevice;
struct Sheet;

// Printing whole worksheets: on the default printer, as a PDF, in a preview, or as a class set
// of different sheets. The caller asks the questions and shows the outcome.
namespace worksheets {

// What this computer offers to put sheets on; the top of the program hands it in, tests their own.
class Outputs
{
public:
    virtual ~Outputs() = default;
    virtual bool hasPrinter() = 0;
    virtual std::unique_ptr<SheetDevice> openPrinter(const QString &jobName) = 0;
    virtual std::unique_ptr<SheetDevice> openPdf(const QString &path, const QString &title) = 0;
    // Where sheets go as PDFs when there is no printer: the documents folder, else the working
    // directory; empty when neither can be reached, and then nothing is saved.
    virtual QString pdfFolder() = 0;
    // The faces the sheets are measured and drawn in.
    virtual Faces &faces() = 0;
};

struct Outcome
{
    enum class Kind { Printed, SavedAsPdf, Failed };
    Kind kind = Kind::Failed;
    QString file;   // the PDF written
    QString reason; // why nothing (or not everything) was printed, in plain German
};

// Whether the sheets of the kind code can be made: the picture face, where they need it, is there.
bool pictureFaceReady(Faces &faces, TaskKind kindCode);
QString pictureFaceMissing();

// Lays out `copies` different sheets of the kind code on the device, one page each, at the
// number range with the one random generator.
void drawSheets(SheetDevice &device, TaskKind kindCode, int range, Random &random, int copies);

// Prints `copies` different sheets as one job on the default printer; without a printer they
// go into one PDF in the PDF folder, named after the title and the time.
Outcome printSheets(Outputs &out, TaskKind kindCode, int range, Random &random, const QString &title, int copies = 1);
// Puts pages on a device: tells it how many to expect and ends each one.
using PageMaker = std::function<void(SheetDevice &device)>;
// Prints the `pages` pages that `make` puts on the device, as printSheets does.
Outcome printPages(Outputs &out, const QString &title, int pages, const PageMaker &make);
// Writes `copies` different sheets into one PDF at `path`.
Outcome saveSheetsAsPdf(Outputs &out, TaskKind kindCode, int range, Random &random, const QString &title,
                        const QString &path, int copies = 1);
// Puts sheets laid out before on what a preview hands over: its pages, or, when it exports a
// PDF, a PDF written as carefully as any other at the name chosen there or a free one beside it.
Outcome putPreviewedSheets(Faces &faces, QPrinter &target, const QList<Sheet> &sheets, const QString &title);

// "Plusrechnen bis 10 2026-12-07 09-30-12.pdf"
QString pdfFileName(const QString &title, const QDateTime &when);
// The path for a new PDF of the title in the PDF folder; never one that anything holds already.
// Empty when there is no PDF folder.
QString newPdfPath(Outputs &out, const QString &title);
// Why no PDF was saved when there is no PDF folder, in plain German.
QString noPdfFolder();

} // namespace worksheets
