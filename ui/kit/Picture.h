// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/kit/DrawnPicture.h"
#include "ui/kit/Twips.h"

#include <QLabel>

namespace kit {

// A small fixed picture from the program's own SVG set.
class Picture : public QLabel, public TwipsPlaced
{
    Q_OBJECT
public:
    Picture(QWidget *parent, const QString &name, const QRect &twips, const QString &svgFile,
            const QString &accessibleName);

    void setBackgroundColour(const QColor &colour);
    QString svgFile() const { return picture_.file(); }
    // Shows another picture of the set in the same place.
    void setPicture(const QString &svgFile, const QString &accessibleName);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    DrawnPicture picture_;
};

} // namespace kit
