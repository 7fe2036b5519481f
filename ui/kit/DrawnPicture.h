// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/kit/Prerender.h"

#include <QSize>
#include <QString>

class QPainter;
class QRect;
class QWidget;

namespace kit {

// A picture of the program's own SVG set (":/pictures/<file>") drawn at a control's size, drawn
// again when that size changes. The drawing starts as soon as the size is known, on a second
// core, so a window being built does not wait for its pictures.
class DrawnPicture
{
public:
    // Drawn ahead by drawer, if there is one.
    DrawnPicture(Drawer *drawer, const QString &svgFile) : file_(svgFile), image_(drawer) {}

    QString file() const { return file_; }
    void setFile(const QString &svgFile, const QWidget *control);
    // Starts a drawing for the control's size unless there is one for it already.
    void fit(const QWidget *control);
    void paint(QPainter &painter, const QRect &rect);

private:
    void draw(const QWidget *control);

    QString file_;
    PendingImage image_;
    QSize pixels_;
    qreal ratio_ = 0;
};

} // namespace kit
