// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

namespace numberpictures {

// The drawing area in twips; every number of a template lies inside it.
constexpr QSize areaTwips(6300, 7005);
// A finished drawing of at least this many clicks earns a reward round.
constexpr int clicksForPoint = 26;

// One number of a connect-the-numbers picture: where the child clicks, and where its figure
// stands (the centre of the number's text), both in twips of the drawing area.
struct TemplateNumber
{
    int series = 0; // 1, 2, 3: each series is one thing to draw
    int number = 0; // 1 to 10, joined in order
    QPoint dot;
    QPoint label;
};

// Reads a template: one number per line, "series number dotX dotY labelX labelY"; blank lines
// and lines starting with # are skipped. Lines that do not read as six whole numbers are skipped.
QList<TemplateNumber> parseTemplate(const QString &text);
// The built-in templates 1 and 2.
QList<TemplateNumber> builtInTemplate(int which);

struct Stroke
{
    QPoint from;
    QPoint to;
    bool operator==(const Stroke &) const = default;
};

// What the child draws: every click joins the last point to the new one. A 0 in a coordinate of
// the last point counts as absent, so that coordinate starts at the click itself.
class Drawing
{
public:
    void click(QPoint at);
    // Takes back the last line: the last point returns to where that line began. The segment
    // start and the click count stay, so a second undo in a row takes nothing more.
    void undo();
    // Wipes the lines and forgets the last point and the segment start (the count stays).
    void clearLines();
    // Whether the clicks so far earn a point; the count starts again from 0 in every case.
    bool pointCheck();

    const QList<Stroke> &strokes() const { return strokes_; }
    QPoint lastPoint() const { return lastPoint_; }
    QPoint segmentStart() const { return segmentStart_; }
    int clickCount() const { return clicks_; }

private:
    QList<Stroke> strokes_;
    QPoint lastPoint_;
    QPoint segmentStart_;
    int clicks_ = 0;
    bool lastStrokeUndoable_ = false;
};

} // namespace numberpictures
