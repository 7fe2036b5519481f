// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/SheetDevice.h"

#include <QStringList>

// Keeps what the layouts print, for tests and for printing the same sheets again (the preview
// shows a sheet first and prints exactly that one).
class RecordingDevice : public SheetDevice
{
public:
    using SheetDevice::SheetDevice;

    QList<Sheet> sheets;
    QStringList operations; // every call, e.g. "font ANLAUT", "size 18", "tab 8 \"3\""

    void setCurrentX(double twips) override;
    void setCurrentY(double twips) override;
    void setFontName(const QString &face) override;
    void setFontSize(double points) override;
    void setLineWidth(int dots) override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    void drawBox(double x, double y, double width, double height) override;
    void print(const QList<PrintItem> &items, LineEnd end) override;
    void endDocument() override;

protected:
    void sheetFinished(const Sheet &sheet, bool last) override;
};
