// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/PrintDevice.h"

#include "print/FaceMetrics.h"

#include <QList>
#include <QRectF>
#include <optional>

// A text as it stands on the sheet: top-left corner, face and size, and its measured box.
struct TextRun
{
    double x = 0;
    double y = 0;
    QString text;
    QString face; // the program's name of the face ("ARIAL", "ANLAUT")
    double points = 0;
    double width = 0;
    double height = 0; // line height of the face at that size
};

struct Stroke
{
    double x1, y1, x2, y2;
    int dots;
};

struct Frame
{
    double x, y, width, height;
    int dots;
};

// One finished sheet, laid out in twips.
struct Sheet
{
    QList<TextRun> texts;
    QList<Stroke> lines;
    QList<Frame> boxes;

    // From the top-left corner of the printable area to the farthest ink.
    QSizeF extent() const;
};

// The print state every device shares: the current position, font and line width, tab stops
// and line ends. It lays each sheet out; devices decide what a finished sheet becomes.
class SheetDevice : public PrintDevice
{
public:
    // Measures its texts in faces, which outlives the device.
    explicit SheetDevice(Faces &faces);
    ~SheetDevice() override;

    Faces &faces() const { return faces_; }

    void setCurrentX(double twips) override;
    void setCurrentY(double twips) override;
    void setFontName(const QString &face) override;
    void setFontSize(double points) override;
    void setLineWidth(int dots) override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    void drawBox(double x, double y, double width, double height) override;
    void print(const QList<PrintItem> &items, LineEnd end) override;
    void endDocument() override;
    double averageCharWidth() const override;
    double lineHeight() const override;

    double currentX() const { return x_; }
    double currentY() const { return y_; }
    // How wide the text stands in the current font, in twips.
    double textWidth(const QString &text) const;

    // Puts sheets laid out before (by a recording device) on this device, one page each, as
    // the document's only pages.
    void printSheets(const QList<Sheet> &sheets);

    // How many sheets make the document (a class set has many); each layout ends one.
    void expectSheets(int count) { expected_ = qMax(1, count); }
    int finishedSheets() const { return finished_; }

    bool failed() const { return !failure_.isEmpty(); }
    // Why the device could not do its work, in plain German; empty while all is well.
    QString failure() const { return failure_; }
    // The file the finished document went into under its final name; empty for paper, and
    // while the file is not complete.
    virtual QString savedFile() const { return QString(); }

protected:
    // A sheet is complete; `last` when it ends the document.
    virtual void sheetFinished(const Sheet &sheet, bool last) = 0;
    // Keeps the first reason only: it is the one that explains the rest.
    void fail(const QString &reason);

private:
    void resetState();
    void useFace(const QString &face);

    double x_ = 0;
    double y_ = 0;
    QString face_;
    double points_ = 12;
    int lineWidth_ = 1;
    Faces &faces_;
    std::optional<FaceMetrics> metrics_;
    Sheet sheet_;
    int expected_ = 1;
    int finished_ = 0;
    QString failure_;
};
