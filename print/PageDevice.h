// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/SheetDevice.h"

#include <QPainter>
#include <memory>

namespace kit {
class NewFile;
}
class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;
class QPrinterInfo;

// Draws finished sheets on the pages of a printer or PDF: twips become device dots with the
// device's resolution / 1440, each sheet starts at the top-left of the printable area, and a
// sheet larger than that area is scaled down evenly so that nothing is cut and nothing spills
// onto a next page.
class PageDevice : public SheetDevice
{
public:
    ~PageDevice() override;

protected:
    explicit PageDevice(Faces &faces) : SheetDevice(faces) {}
    // Starts painting on `target`; false when it cannot be opened.
    bool open(QPagedPaintDevice *target, double dotsPerInch, const QRectF &printableDots);
    void sheetFinished(const Sheet &sheet, bool last) override;
    // The document is complete and handed over; devices check here whether it arrived.
    virtual void documentFinished() {}
    // Ends painting before the target goes; the painter must never outlive it.
    void close();

private:
    QPagedPaintDevice *target_ = nullptr;
    QPainter painter_;
    double dotsPerInch_ = 600;
    QRectF printable_;
    int pages_ = 0;
};

// The system's default printer (or a printer handed over by the preview), one job per document.
class PaperDevice : public PageDevice
{
public:
    PaperDevice(Faces &faces, const QPrinterInfo &printer, const QString &jobName);
    PaperDevice(Faces &faces, QPrinter &printer);
    ~PaperDevice() override;

protected:
    void documentFinished() override;

private:
    void start();

    std::unique_ptr<QPrinter> owned_;
    QPrinter *printer_ = nullptr;
};

// A PDF file on A4 with the sheet at its true size. It appears only when complete, at `path` or,
// when that name is taken, at the first free "(2)", "(3)" … beside it.
class PdfDevice : public PageDevice
{
public:
    PdfDevice(Faces &faces, const QString &path, const QString &title);
    ~PdfDevice() override;

    QString savedFile() const override { return saved_; }

protected:
    void documentFinished() override;

private:
    QString path_;
    std::unique_ptr<kit::NewFile> file_; // outlives the writer that writes into it
    std::unique_ptr<QPdfWriter> writer_;
    QString saved_;
};
