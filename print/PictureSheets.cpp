// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/Layouts.h"

#include "engine/Random.h"
#include "engine/TaskDraw.h"
#include "engine/TaskKinds.h"
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
void printCompletingRows(PrintDevice &device, int range, Random &random, const std::function<TaskKind(int)> &kindOf)
{
    sheetlayout::pageSetUp(device, 16);
    sheetlayout::blankLine(device);
    QString key;
    for (int row = 1; row <= 20; ++row) {
        const Task task = drawTask(kindOf(row), range, random);
        const taskview::Completing view = taskview::completing(task, range);
        sheetlayout::blankLine(device);
        device.print({{8, view.first}, {12, view.op}, {15, sheetlayout::gap}, {19, QStringLiteral("=")}, {22, view.result}},
                     PrintDevice::LineEnd::Stay);
        sheetlayout::useFont(device, sheetlayout::pictures, 18);
        const int whole = captions::captionNumber(task.kind == TaskKind::CompleteMinus ? view.first : view.result);
        device.print({{14, QString(whole, countingPictures.at(row - 1))}}, PrintDevice::LineEnd::Next);
        sheetlayout::useFont(device, sheetlayout::arial, 16);
        key = captions::signedNumber(task.answer) + u' ' + key;
    }
    device.beginAnswerKey();
    sheetlayout::blankLine(device);
    sheetlayout::blankLine(device);
    device.setFontSize(12);
    device.print({{37, key}}, PrintDevice::LineEnd::Next);
    device.endDocument();
}

void printCountingSheet(PrintDevice &device, int range, Random &random)
{
    sheetlayout::pageSetUp(device, 16);
    QString key;
    for (int row = 1; row <= 20; ++row) {
        sheetlayout::blankLine(device);
        device.print({{8, QStringLiteral("____")}}, PrintDevice::LineEnd::Stay);
        const int count = random.below(range) + 1;
        sheetlayout::useFont(device, sheetlayout::pictures, 20);
        device.print({{8, QString(count, countingPictures.at(row - 1))}}, PrintDevice::LineEnd::Next);
        sheetlayout::useFont(device, sheetlayout::arial, 16);
        key = captions::signedNumber(count) + u' ' + key;
    }
    device.beginAnswerKey();
    sheetlayout::blankLine(device);
    device.setFontSize(14);
    device.print({{19, key}}, PrintDevice::LineEnd::Next);
    device.endDocument();
}

void printDrawingSheet(PrintDevice &device, int range, Random &random)
{
    sheetlayout::pageSetUp(device, 16);
    sheetlayout::blankLine(device);
    for (int row = 1; row <= 20; ++row) {
        sheetlayout::blankLine(device);
        const int count = random.below(range) + 1;
        device.print({{8, captions::signedNumber(count)}}, PrintDevice::LineEnd::Stay);
        sheetlayout::useFont(device, sheetlayout::pictures, 20);
        device.print({{0, QString(drawingPictures.at(row - 1))}}, PrintDevice::LineEnd::Stay);
        sheetlayout::useFont(device, sheetlayout::arial, 16);
        device.print({{18, QString(50, u'_')}}, PrintDevice::LineEnd::Next);
    }
    // The key line stays empty: the child's drawings are the answers.
    device.beginAnswerKey();
    sheetlayout::blankLine(device);
    device.setFontSize(14);
    device.print({{19, QString()}}, PrintDevice::LineEnd::Next);
    device.endDocument();
}

} // namespace

void printCompletingSheet(PrintDevice &device, TaskKind kind, int range, Random &random)
{
    printCompletingRows(device, range, random, [kind](int c) { return kindOfSheetTask(kind, c); });
}

void printPictureSheet(PrintDevice &device, TaskKind kind, int range, Random &random)
{
    if (kind == TaskKind::SetPictures)
        printDrawingSheet(device, range, random);
    else
        printCountingSheet(device, range, random);
}
