// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/Layouts.h"

#include "engine/Random.h"
#include "engine/TaskDraw.h"
#include "engine/TaskView.h"
#include "engine/TextHelpers.h"
#include "print/LayoutHelpers.h"

#include <vector>

void printNumberLineSheet(PrintDevice &device, int range, Random &random)
{
    sheetlayout::pageSetUp(device, 14);
    device.setLineWidth(3);
    for (int y = 1100; y <= 16000; y += 1400) {
        // Five draws, repeats allowed: one to five ticks whose numbers the child writes.
        std::vector<bool> marked(range + 1, false);
        for (int i = 0; i < 5; ++i)
            marked[random.below(range) + 1] = true;

        device.drawLine(1000, y, 11000, y);
        auto tickX = [range](int k) { return 1000 + k * 10000.0 / range; };
        for (int k = 0; k <= range; ++k) {
            const double x = tickX(k);
            device.drawLine(x, y - 100, x, k % 5 == 0 ? y + 100 : y);
            if (k % 10 == 0) {
                device.setCurrentX(x - 250);
                device.setCurrentY(y + 100);
                device.print({{0, captions::signedNumber(k)}}, PrintDevice::LineEnd::Next);
            }
        }
        for (int k = 1; k <= range; ++k) {
            if (marked[k])
                device.drawLine(tickX(k), y - 300, tickX(k), y - 100);
        }
    }
    device.endDocument();
}

void printSequenceSheet(PrintDevice &device, int range, Random &random)
{
    sheetlayout::pageSetUp(device, 16);
    device.setLineWidth(3);
    // No start repeats within a direction; every range has at least seven starts per direction.
    std::vector<bool> usedForward(range + 1, false);
    std::vector<bool> usedBackward(range + 1, false);

    auto freshStart = [range, &random](TaskKind kind, std::vector<bool> &used, int box) {
        for (;;) {
            const QString start = taskview::sequence(drawTask(kind, range, random)).boxes[box];
            const int s = captions::captionNumber(start);
            if (!used[s]) {
                used[s] = true;
                return start;
            }
        }
    };

    for (int y = 800; y <= 6800; y += 1000) {
        for (int x = 1000; x <= 4200; x += 800)
            device.drawBox(x, y, 800, 500);
        const QString forward = freshStart(TaskKind::CountOn, usedForward, 0);
        device.setCurrentX(1200);
        device.setCurrentY(y + 100);
        device.print({{0, forward}}, PrintDevice::LineEnd::Next);

        for (int x = 6000; x <= 9200; x += 800)
            device.drawBox(x, y, 800, 500);
        const QString backward = freshStart(TaskKind::CountBack, usedBackward, 4);
        device.setCurrentX(9400);
        device.setCurrentY(y + 100);
        device.print({{0, backward}}, PrintDevice::LineEnd::Next);
    }
    device.endDocument();
}
