// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/PageDevice.h"

#include "print/FaceMetrics.h"
#include "ui/machine/NewFile.h"

#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

namespace {

const double twipsPerInch = 1440;

QFont drawingFont(const FaceMetrics &metrics, double points)
{
    QFont font(metrics.family);
    font.setPixelSize(qMax(1, qRound(points * 20))); // the painter draws in twips
    font.setWeight(QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    font.setKerning(false); // measured without kerning, so drawn without
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace

PageDevice::~PageDevice() = default;

void PageDevice::close()
{
    if (painter_.isActive())
        painter_.end();
}

bool PageDevice::open(QPagedPaintDevice *target, double dotsPerInch, const QRectF &printableDots)
{
    target_ = target;
    dotsPerInch_ = dotsPerInch > 0 ? dotsPerInch : 600;
    printable_ = printableDots;
    return painter_.begin(target);
}

void PageDevice::sheetFinished(const Sheet &sheet, bool last)
{
    if (!painter_.isActive())
        return;
    if (pages_++ > 0)
        target_->newPage();

    const double dotsPerTwip = dotsPerInch_ / twipsPerInch;
    const QSizeF extent = sheet.extent();
    const QSizeF room = printable_.size() / dotsPerTwip;
    double fit = 1;
    if (extent.width() > room.width())
        fit = std::min(fit, room.width() / extent.width());
    if (extent.height() > room.height())
        fit = std::min(fit, room.height() / extent.height());

    painter_.save();
    painter_.translate(printable_.topLeft());
    painter_.scale(dotsPerTwip * fit, dotsPerTwip * fit);
    painter_.setBrush(Qt::NoBrush);

    auto penOf = [&](int dots) {
        QPen pen(Qt::black, std::max(1, dots) / dotsPerTwip / fit);
        pen.setJoinStyle(Qt::MiterJoin);
        return pen;
    };
    for (const Stroke &line : sheet.lines) {
        painter_.setPen(penOf(line.dots));
        painter_.drawLine(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2));
    }
    for (const Frame &box : sheet.boxes) {
        painter_.setPen(penOf(box.dots));
        painter_.drawRect(QRectF(box.x, box.y, box.width, box.height));
    }

    painter_.setPen(Qt::black);
    QString face;
    double points = -1;
    std::optional<FaceMetrics> metrics;
    for (const TextRun &run : sheet.texts) {
        if (run.text.trimmed().isEmpty())
            continue;
        if (run.face != face || run.points != points) {
            face = run.face;
            points = run.points;
            metrics = faces().metrics(face);
            if (metrics)
                painter_.setFont(drawingFont(*metrics, points));
        }
        if (!metrics)
            continue;
        painter_.drawText(QPointF(run.x, run.y + metrics->ascent * points * 20), run.text);
    }
    painter_.restore();

    if (last) {
        painter_.end();
        documentFinished();
    }
}

PaperDevice::PaperDevice(Faces &faces, const QPrinterInfo &printer, const QString &jobName)
    : PageDevice(faces), owned_(std::make_unique<QPrinter>(printer, QPrinter::HighResolution)), printer_(owned_.get())
{
    printer_->setDocName(jobName);
    printer_->setCreator(QStringLiteral("quarimo"));
    start();
}

PaperDevice::PaperDevice(Faces &faces, QPrinter &printer) : PageDevice(faces), printer_(&printer)
{
    start();
}

PaperDevice::~PaperDevice()
{
    close();
}

void PaperDevice::start()
{
    const QRectF printable(QPointF(0, 0), printer_->pageRect(QPrinter::DevicePixel).size());
    if (!open(printer_, printer_->resolution(), printable) || printer_->printerState() == QPrinter::Error)
        fail(QStringLiteral("Der Drucker „%1“ lässt sich nicht öffnen.").arg(printer_->printerName()));
}

void PaperDevice::documentFinished()
{
    if (printer_->printerState() == QPrinter::Error)
        fail(QStringLiteral("Der Drucker „%1“ hat einen Fehler gemeldet.").arg(printer_->printerName()));
    else if (printer_->printerState() == QPrinter::Aborted)
        fail(QStringLiteral("Der Druckauftrag wurde abgebrochen."));
}

namespace {

QString withReason(const QString &failure, const QString &reason)
{
    return reason.isEmpty() ? failure : failure + u'\r' + reason;
}

} // namespace

PdfDevice::PdfDevice(Faces &faces, const QString &path, const QString &title)
    : PageDevice(faces), path_(path), file_(std::make_unique<kit::NewFile>(path))
{
    if (!file_->isOpen()) {
        fail(withReason(QStringLiteral("Die PDF-Datei „%1“ lässt sich nicht anlegen.").arg(path_),
                        file_->failureReason()));
        return;
    }
    writer_ = std::make_unique<QPdfWriter>(file_.get());
    // True size on A4; the left and top margins stay within what every printer can reach.
    writer_->setPageSize(QPageSize(QPageSize::A4));
    writer_->setResolution(600);
    writer_->setPageMargins(QMarginsF(0.25, 0.3, 0.1, 0.1), QPageLayout::Inch);
    writer_->setTitle(title);
    writer_->setCreator(QStringLiteral("quarimo"));
    const QRectF paint = writer_->pageLayout().paintRectPixels(writer_->resolution());
    if (!open(writer_.get(), writer_->resolution(), QRectF(QPointF(0, 0), paint.size())))
        fail(QStringLiteral("Die PDF-Datei „%1“ lässt sich nicht anlegen.").arg(path_));
}

PdfDevice::~PdfDevice()
{
    close();
}

void PdfDevice::documentFinished()
{
    // Every byte reached the disk and the document's end mark is among them: only then does the
    // file get its name.
    if (file_->intact() && file_->tail().contains("%%EOF"))
        saved_ = file_->commit();
    if (saved_.isEmpty()) {
        fail(withReason(QStringLiteral("Die PDF-Datei „%1“ konnte nicht geschrieben werden.").arg(path_),
                        file_->failureReason()));
    }
}
