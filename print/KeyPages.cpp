// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/KeyPages.h"

#include "print/LayoutHelpers.h"
#include "print/RecordingDevice.h"

namespace {

// Every layout may use 16,000 twips of height; the key pages stay a little inside.
const double pageBottom = 15800;

bool isBlank(const keypages::KeyLine &line)
{
    for (const PrintItem &item : line.items) {
        if (!item.text.trimmed().isEmpty())
            return false;
    }
    return true;
}

void startPage(PrintDevice &device)
{
    sheetlayout::pageSetUp(device, 16);
    device.print({{0, QStringLiteral("Lösungen")}}, PrintDevice::LineEnd::Next);
    sheetlayout::blankLine(device);
}

// The heading at the left, the key's lines as the sheet had them (same face, size and tab
// columns, so they read the same), and a blank line after.
void printKey(PrintDevice &device, const keypages::AnswerKey &key)
{
    sheetlayout::useFont(device, sheetlayout::arial, 12);
    device.print({{0, key.heading}}, PrintDevice::LineEnd::Next);
    for (const keypages::KeyLine &line : key.lines) {
        if (isBlank(line))
            continue;
        sheetlayout::useFont(device, line.face, line.points);
        device.print(line.items, line.end);
    }
    sheetlayout::useFont(device, sheetlayout::arial, 12);
    sheetlayout::blankLine(device);
}

double heightOf(Faces &faces, const keypages::AnswerKey &key)
{
    RecordingDevice scratch(faces);
    printKey(scratch, key);
    return scratch.currentY();
}

} // namespace

namespace keypages {

bool AnswerKey::isEmpty() const
{
    for (const KeyLine &line : lines) {
        if (!isBlank(line))
            return false;
    }
    return true;
}

void printKeyPages(SheetDevice &device, const QList<AnswerKey> &keys)
{
    int onPage = 0;
    for (const AnswerKey &key : keys) {
        if (key.isEmpty())
            continue;
        if (onPage > 0 && device.currentY() + heightOf(device.faces(), key) > pageBottom) {
            device.endDocument();
            onPage = 0;
        }
        if (onPage == 0)
            startPage(device);
        printKey(device, key);
        ++onPage;
    }
    if (onPage > 0)
        device.endDocument();
}

} // namespace keypages
