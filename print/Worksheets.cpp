// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/Worksheets.h"

#include "engine/Random.h"
#include "print/FaceMetrics.h"
#include "print/PageDevice.h"
#include "print/RecordingDevice.h"
#include "print/SheetTable.h"
#include "ui/machine/NewFile.h"

#include <QDateTime>
#include <QDir>
#include <QPaintEngine>
#include <QPrinter>

namespace {

worksheets::Outcome drawOn(SheetDevice *device, const worksheets::PageMaker &make, int pages, worksheets::Outcome outcome)
{
    if (device && !device->failed())
        make(*device);
    if (!device || device->failed() || device->finishedSheets() < pages) {
        outcome.kind = worksheets::Outcome::Kind::Failed;
        outcome.reason =
            device && device->failed() ? device->failure() : QStringLiteral("Das Blatt ließ sich nicht anlegen.");
    } else if (outcome.kind == worksheets::Outcome::Kind::SavedAsPdf && !device->savedFile().isEmpty()) {
        // The name asked for may have been taken in the meantime.
        outcome.file = QDir::toNativeSeparators(device->savedFile());
    }
    return outcome;
}

} // namespace

namespace worksheets {

QString pictureFaceMissing()
{
    return QStringLiteral("Die Bilderschrift „%1“ fehlt oder lässt sich nicht laden.").arg(worksheets::pictureFaceName());
}

bool pictureFaceReady(Faces &faces, TaskKind kindCode)
{
    return !sheettable::usesPictureFace(kindCode) || faces.registerPictureFace();
}

void drawSheets(SheetDevice &device, TaskKind kindCode, int range, Random &random, int copies)
{
    device.expectSheets(copies);
    for (int i = 0; i < copies && !device.failed(); ++i)
        sheettable::printSheetOfKind(device, kindCode, range, random);
}

Outcome printSheets(Outputs &out, TaskKind kindCode, int range, Random &random, const QString &title, int copies)
{
    if (!pictureFaceReady(out.faces(), kindCode)) {
        Outcome outcome;
        outcome.reason = pictureFaceMissing();
        return outcome;
    }
    return printPages(out, title, copies,
                      [&](SheetDevice &device) { drawSheets(device, kindCode, range, random, copies); });
}

Outcome printPages(Outputs &out, const QString &title, int pages, const PageMaker &make)
{
    Outcome outcome;
    std::unique_ptr<SheetDevice> device;
    if (out.hasPrinter()) {
        outcome.kind = Outcome::Kind::Printed;
        device = out.openPrinter(title);
    } else {
        outcome.kind = Outcome::Kind::SavedAsPdf;
        outcome.file = newPdfPath(out, title);
        if (outcome.file.isEmpty()) {
            outcome.kind = Outcome::Kind::Failed;
            outcome.reason = noPdfFolder();
            return outcome;
        }
        device = out.openPdf(outcome.file, title);
    }
    return drawOn(device.get(), make, pages, outcome);
}

Outcome saveSheetsAsPdf(Outputs &out, TaskKind kindCode, int range, Random &random, const QString &title,
                        const QString &path, int copies)
{
    Outcome outcome;
    if (!pictureFaceReady(out.faces(), kindCode)) {
        outcome.reason = pictureFaceMissing();
        return outcome;
    }
    outcome.kind = Outcome::Kind::SavedAsPdf;
    outcome.file = path;
    const std::unique_ptr<SheetDevice> device = out.openPdf(path, title);
    const PageMaker make = [&](SheetDevice &on) { drawSheets(on, kindCode, range, random, copies); };
    return drawOn(device.get(), make, copies, outcome);
}

Outcome putPreviewedSheets(Faces &faces, QPrinter &target, const QList<Sheet> &sheets, const QString &title)
{
    Outcome outcome;
    const QPaintEngine *engine = target.paintEngine();
    if (target.outputFormat() == QPrinter::PdfFormat && engine && engine->type() == QPaintEngine::Pdf) {
        // The preview's own export would write straight into the file, through a link, over
        // another file, and never tell a full disk.
        outcome.file = QDir::toNativeSeparators(target.outputFileName());
        PdfDevice device(faces, target.outputFileName(), title);
        device.printSheets(sheets);
        if (device.failed()) {
            outcome.reason = device.failure();
        } else {
            outcome.kind = Outcome::Kind::SavedAsPdf;
            outcome.file = QDir::toNativeSeparators(device.savedFile());
        }
        return outcome;
    }
    PaperDevice device(faces, target);
    device.printSheets(sheets);
    outcome.kind = device.failed() ? Outcome::Kind::Failed : Outcome::Kind::Printed;
    outcome.reason = device.failure();
    return outcome;
}

QString pdfFileName(const QString &title, const QDateTime &when)
{
    QString name = title.trimmed();
    for (QChar &c : name) {
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 32)
            c = u'-';
    }
    return name + u' ' + when.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss")) + QStringLiteral(".pdf");
}

QString noPdfFolder()
{
    return QStringLiteral("Es ist kein Drucker eingerichtet, und es gibt keinen Ordner, in dem das Blatt als "
                          "PDF-Datei gespeichert werden kann.");
}

QString newPdfPath(Outputs &out, const QString &title)
{
    const QString where = out.pdfFolder();
    if (where.isEmpty())
        return QString();
    const QDir folder(where);
    const QString name = pdfFileName(title, QDateTime::currentDateTime());
    // Anything at the name takes it, a link leading nowhere too: the sheet is never written
    // through it.
    const QString path = kit::firstFreeName(folder.filePath(name));
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

} // namespace worksheets
