// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/Worksheets.h"

#include "engine/Random.h"
#include "engine/SharedValues.h"
#include "print/FaceMetrics.h"
#include "print/PageDevice.h"
#include "print/RecordingDevice.h"
#include "print/SheetTable.h"
#include "ui/NewFile.h"

#include <QDateTime>
#include <QDir>
#include <QGuiApplication>
#include <QLayout>
#include <QPaintEngine>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QStandardPaths>
#include <QToolBar>
#include <QWidget>
#include <optional>

namespace {

class SystemOutputs final : public print::Outputs
{
public:
    bool hasPrinter() override { return !QPrinterInfo::defaultPrinter().isNull(); }

    std::unique_ptr<SheetDevice> openPrinter(const QString &jobName) override
    {
        return std::make_unique<PaperDevice>(QPrinterInfo::defaultPrinter(), jobName);
    }

    std::unique_ptr<SheetDevice> openPdf(const QString &path, const QString &title) override
    {
        return std::make_unique<PdfDevice>(path, title);
    }

    QString pdfFolder() override
    {
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!documents.isEmpty() && QDir().mkpath(documents))
            return documents;
        return QDir::currentPath();
    }
};

SystemOutputs systemOutputs;
print::Outputs *currentOutputs = nullptr;

print::Outcome drawOn(SheetDevice *device, const print::PageMaker &make, int pages, print::Outcome outcome)
{
    if (device && !device->failed())
        make(*device);
    if (!device || device->failed() || device->finishedSheets() < pages) {
        outcome.kind = print::Outcome::Kind::Failed;
        outcome.reason =
            device && device->failed() ? device->failure() : QStringLiteral("Das Blatt ließ sich nicht anlegen.");
    } else if (outcome.kind == print::Outcome::Kind::SavedAsPdf && !device->savedFile().isEmpty()) {
        // The name asked for may have been taken in the meantime.
        outcome.file = QDir::toNativeSeparators(device->savedFile());
    }
    return outcome;
}

} // namespace

namespace print {

Outputs &outputs()
{
    return currentOutputs ? *currentOutputs : systemOutputs;
}

void setOutputs(Outputs *replacement)
{
    currentOutputs = replacement;
}

QString pictureFaceMissing()
{
    return QStringLiteral("Die Bilderschrift „%1“ fehlt oder lässt sich nicht laden.").arg(print::pictureFaceName());
}

bool pictureFaceReady(TaskKind kindCode)
{
    return !sheets::usesPictureFace(kindCode) || print::registerPictureFace();
}

void drawSheets(SheetDevice &device, TaskKind kindCode, int copies)
{
    device.expectSheets(copies);
    for (int i = 0; i < copies && !device.failed(); ++i)
        sheets::printSheetOfKind(device, kindCode, shared().numberRange, rng());
}

Outcome printSheets(TaskKind kindCode, const QString &title, int copies)
{
    if (!pictureFaceReady(kindCode)) {
        Outcome outcome;
        outcome.reason = pictureFaceMissing();
        return outcome;
    }
    return printPages(title, copies, [&](SheetDevice &device) { drawSheets(device, kindCode, copies); });
}

Outcome printPages(const QString &title, int pages, const PageMaker &make)
{
    Outcome outcome;
    Outputs &out = outputs();
    std::unique_ptr<SheetDevice> device;
    if (out.hasPrinter()) {
        outcome.kind = Outcome::Kind::Printed;
        device = out.openPrinter(title);
    } else {
        outcome.kind = Outcome::Kind::SavedAsPdf;
        outcome.file = newPdfPath(title);
        device = out.openPdf(outcome.file, title);
    }
    return drawOn(device.get(), make, pages, outcome);
}

Outcome saveSheetsAsPdf(TaskKind kindCode, const QString &title, const QString &path, int copies)
{
    Outcome outcome;
    if (!pictureFaceReady(kindCode)) {
        outcome.reason = pictureFaceMissing();
        return outcome;
    }
    outcome.kind = Outcome::Kind::SavedAsPdf;
    outcome.file = path;
    const std::unique_ptr<SheetDevice> device = outputs().openPdf(path, title);
    const PageMaker make = [&](SheetDevice &on) { drawSheets(on, kindCode, copies); };
    return drawOn(device.get(), make, copies, outcome);
}

Outcome putPreviewedSheets(QPrinter &target, const QList<Sheet> &sheets, const QString &title)
{
    Outcome outcome;
    const QPaintEngine *engine = target.paintEngine();
    if (target.outputFormat() == QPrinter::PdfFormat && engine && engine->type() == QPaintEngine::Pdf) {
        // The preview's own export would write straight into the file, through a link, over
        // another file, and never tell a full disk.
        outcome.file = QDir::toNativeSeparators(target.outputFileName());
        PdfDevice device(target.outputFileName(), title);
        device.printSheets(sheets);
        if (device.failed()) {
            outcome.reason = device.failure();
        } else {
            outcome.kind = Outcome::Kind::SavedAsPdf;
            outcome.file = QDir::toNativeSeparators(device.savedFile());
        }
        return outcome;
    }
    PaperDevice device(target);
    device.printSheets(sheets);
    outcome.kind = device.failed() ? Outcome::Kind::Failed : Outcome::Kind::Printed;
    outcome.reason = device.failure();
    return outcome;
}

PreviewOutcome showPreview(TaskKind kindCode, const QString &title, QWidget *parent)
{
    PreviewOutcome result;
    if (!pictureFaceReady(kindCode)) {
        result.notShown = pictureFaceMissing();
        return result;
    }
    // The sheet is laid out once: the preview may repaint, and printing from it must print the
    // very sheet that was shown.
    RecordingDevice sheet;
    drawSheets(sheet, kindCode, 1);
    if (sheet.failed()) {
        result.notShown = sheet.failure();
        return result;
    }

    const bool paper = outputs().hasPrinter();
    QPrinter printer(QPrinter::HighResolution); // the default printer, where there is one
    if (!paper) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(0.25, 0.3, 0.1, 0.1), QPageLayout::Inch);
        printer.setOutputFileName(newPdfPath(title));
    }
    printer.setDocName(title);
    printer.setCreator(QStringLiteral("quarimo"));

    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Vorschau: ") + title);
    // Large enough to read the sheet: most of the screen's height, the page's proportions; and
    // wide enough for the whole toolbar, whose last button prints.
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        int width = room.height() * 3 / 4;
        if (const QToolBar *tools = dialog.findChild<QToolBar *>()) {
            const QMargins margins = dialog.layout() ? dialog.layout()->contentsMargins() : QMargins();
            width = qMax(width, tools->sizeHint().width() + margins.left() + margins.right());
        }
        dialog.resize(qMin(room.width(), width), room.height() * 9 / 10);
    }
    std::optional<Outcome> exported;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter *target) {
        const Outcome put = putPreviewedSheets(*target, sheet.sheets, title);
        if (!put.file.isEmpty())
            exported = put;
    });
    // The preview closes as accepted only when its sheet was printed.
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (exported) {
        result.printed = *exported;
        return result;
    }
    if (!accepted)
        return result;

    Outcome printed;
    if (printer.printerState() == QPrinter::Error) {
        printed.reason = QStringLiteral("Der Drucker „%1“ hat einen Fehler gemeldet.").arg(printer.printerName());
    } else if (printer.printerState() == QPrinter::Aborted) {
        printed.reason = QStringLiteral("Der Druckauftrag wurde abgebrochen.");
    } else {
        printed.kind = Outcome::Kind::Printed;
    }
    result.printed = printed;
    return result;
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

QString newPdfPath(const QString &title)
{
    const QDir folder(outputs().pdfFolder());
    const QString name = pdfFileName(title, QDateTime::currentDateTime());
    // Anything at the name takes it, a link leading nowhere too: the sheet is never written
    // through it.
    const QString path = kit::firstFreeName(folder.filePath(name));
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

} // namespace print
