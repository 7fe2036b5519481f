// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/Layouts.h"

#include "engine/Random.h"
#include "engine/SharedValues.h"
#include "engine/Task.h"
#include "engine/TaskView.h"
#include "engine/TextHelpers.h"
#include "print/LayoutHelpers.h"

#include <functional>

namespace {

// One picture character per row; in the picture face each prints as a small drawing.
const QString countingPictures = QStringLiteral("ACcFghIiKLMNPrsTZ<?*");
const QString drawingPictures = QStringLiteral("*,.:<>AFGKPRZbglrswz");

// 20 completing tasks, each with as many pictures as its whole, and the key from the last task
// to the first. `kindOf` chooses each task's kind from the task counter (from 1).
void printCompletingRows(PrintDevice &device, const std::function<int(int)> &kindOf)
{
    layout::pageSetUp(device, 16);
    layout::blankLine(device);
    QString key;
    for (int row = 1; row <= 20; ++row) {
        if (kindOf)
            shared().taskKind = kindOf(row);
        const Task task = nextTask();
        const taskview::Completing view = taskview::completing(task, shared().numberRange);
        layout::blankLine(device);
        device.print({{8, view.first}, {12, view.op}, {15, layout::gap}, {19, QStringLiteral("=")}, {22, view.result}},
                     PrintDevice::LineEnd::Stay);
        layout::useFont(device, layout::pictures, 18);
        const int whole = text::captionNumber(task.kind == 7 ? view.first : view.result);
        device.print({{14, QString(whole, countingPictures.at(row - 1))}}, PrintDevice::LineEnd::Next);
        layout::useFont(device, layout::arial, 16);
        key = text::signedNumber(shared().expectedAnswer) + u' ' + key;
    }
    device.beginAnswerKey();
    layout::blankLine(device);
    layout::blankLine(device);
    device.setFontSize(12);
    device.print({{37, key}}, PrintDevice::LineEnd::Next);
    device.endDocument();
}

void printCountingSheet(PrintDevice &device)
{
    const int range = shared().numberRange;
    layout::pageSetUp(device, 16);
    QString key;
    for (int row = 1; row <= 20; ++row) {
        layout::blankLine(device);
        device.print({{8, QStringLiteral("____")}}, PrintDevice::LineEnd::Stay);
        const int count = rng().below(range) + 1;
        layout::useFont(device, layout::pictures, 20);
        device.print({{8, QString(count, countingPictures.at(row - 1))}}, PrintDevice::LineEnd::Next);
        layout::useFont(device, layout::arial, 16);
        key = text::signedNumber(count) + u' ' + key;
    }
    device.beginAnswerKey();
    layout::blankLine(device);
    device.setFontSize(14);
    device.print({{19, key}}, PrintDevice::LineEnd::Next);
    device.endDocument();
}

void printDrawingSheet(PrintDevice &device)
{
    const int range = shared().numberRange;
    layout::pageSetUp(device, 16);
    layout::blankLine(device);
    for (int row = 1; row <= 20; ++row) {
        layout::blankLine(device);
        const int count = rng().below(range) + 1;
        device.print({{8, text::signedNumber(count)}}, PrintDevice::LineEnd::Stay);
        layout::useFont(device, layout::pictures, 20);
        device.print({{0, QString(drawingPictures.at(row - 1))}}, PrintDevice::LineEnd::Stay);
        layout::useFont(device, layout::arial, 16);
        device.print({{18, QString(50, u'_')}}, PrintDevice::LineEnd::Next);
    }
    // The key line stays empty: the child's drawings are the answers.
    device.beginAnswerKey();
    layout::blankLine(device);
    device.setFontSize(14);
    device.print({{19, QString()}}, PrintDevice::LineEnd::Next);
    device.endDocument();
}

} // namespace

void printCompletingSheet(PrintDevice &device)
{
    printCompletingRows(device, {});
}

void printMixedCompletingSheet(PrintDevice &device)
{
    printCompletingRows(device, [](int c) { return c % 2 == 1 ? 7 : 6; });
}

void printPictureSheet(PrintDevice &device)
{
    if (shared().taskKind == 4)
        printDrawingSheet(device);
    else
        printCountingSheet(device);
}
