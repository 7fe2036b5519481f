// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/Layouts.h"

#include "engine/TaskDraw.h"
#include "engine/TaskKinds.h"
#include "engine/TaskView.h"
#include "engine/TextHelpers.h"
#include "print/LayoutHelpers.h"

#include <functional>

namespace {

// L / 2 to the nearest whole number, a half to the even one.
int halfToEven(int length)
{
    const int half = length / 2;
    if (length % 2 == 0)
        return half;
    return half % 2 == 0 ? half : half + 1;
}

// 20 rows of 3 tasks and the answer key in task order. `kindOf` chooses each task's kind from
// the task counter (from 1).
void printCalculationRows(PrintDevice &device, int range, Random &random, const std::function<TaskKind(int)> &kindOf)
{
    using sheetlayout::gap;
    sheetlayout::pageSetUp(device, 16);
    sheetlayout::blankLine(device);

    const int firstTab[3] = {8, 35, 62};
    QString key;
    int counter = 0;
    for (int row = 0; row < 20; ++row) {
        for (int column = 0; column < 3; ++column) {
            const Task task = drawTask(kindOf(++counter), range, random);
            const taskview::Calculation view = taskview::calculation(task, range);
            if (column == 0)
                sheetlayout::blankLine(device);
            const bool reversed = task.kind == TaskKind::ReversedPlus || task.kind == TaskKind::ReversedMinus;
            const int tab = firstTab[column];
            device.print({{tab, reversed ? gap : view.first},
                          {tab + 4, view.op},
                          {tab + 7, view.second},
                          {tab + 11, QStringLiteral("=")},
                          {tab + 14, reversed ? view.result : gap}},
                         column == 2 ? PrintDevice::LineEnd::Next : PrintDevice::LineEnd::Stay);
            key += captions::signedNumber(task.answer);
        }
    }

    device.beginAnswerKey();
    sheetlayout::blankLine(device);
    device.setFontSize(12);
    device.print({{10, QString(75, u'_')}}, PrintDevice::LineEnd::Next);
    // The key's first character is the first answer's blank; every other one is printed once,
    // even where that breaks a number over the two lines.
    const int middle = halfToEven(int(key.size()));
    device.print({{10, key.mid(1, middle)}}, PrintDevice::LineEnd::Next);
    device.print({{10, key.mid(middle + 1)}}, PrintDevice::LineEnd::Next);
    device.endDocument();
}

} // namespace

void printCalculationSheet(PrintDevice &device, TaskKind kind, int range, Random &random)
{
    printCalculationRows(device, range, random, [kind](int c) { return kindOfSheetTask(kind, c); });
}
