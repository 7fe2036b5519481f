// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

// One item of a print call: a text, at a tab stop or right where the position stands.
struct PrintItem
{
    int tab = 0; // column counted from 1; 0 prints at the current position
    QString text;
};

// What a worksheet is printed on. Positions and sizes are twips from the top-left corner of the
// printable area; text is black, lines and boxes are black outlines.
class PrintDevice
{
public:
    enum class LineEnd { Stay, Next };

    virtual ~PrintDevice() = default;

    virtual void setCurrentX(double twips) = 0;
    virtual void setCurrentY(double twips) = 0;
    virtual void setFontName(const QString &face) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setLineWidth(int dots) = 0; // device dots of the printer
    virtual void drawLine(double x1, double y1, double x2, double y2) = 0;
    virtual void drawBox(double x, double y, double width, double height) = 0;
    // Prints the items on the current line; Next then moves to x = 0 one line height lower.
    virtual void print(const QList<PrintItem> &items, LineEnd end) = 0;
    virtual void endDocument() = 0;
    // What the layout prints from here to the end of the page is its answer key. A sheet prints
    // it where it stands; a class set may move it onto key pages of its own.
    virtual void beginAnswerKey() {}

    // The current font's column width for tab stops and its line height, in twips.
    virtual double averageCharWidth() const = 0;
    virtual double lineHeight() const = 0;
};
