// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/PrintDevice.h"

// Small steps every layout takes the same way.
namespace sheetlayout {

inline const QString arial = QStringLiteral("ARIAL");
inline const QString pictures = QStringLiteral("ANLAUT");
inline const QString gap = QStringLiteral("__");

inline void pageSetUp(PrintDevice &device, double points)
{
    device.setCurrentX(0);
    device.setCurrentY(0);
    device.setFontName(arial);
    device.setFontSize(points);
}

inline void blankLine(PrintDevice &device)
{
    device.print({{0, QStringLiteral(" ")}}, PrintDevice::LineEnd::Next);
}

inline void useFont(PrintDevice &device, const QString &face, double points)
{
    device.setFontName(face);
    device.setFontSize(points);
}

} // namespace sheetlayout
