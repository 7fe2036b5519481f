// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/NumberPictures.h"
#include "ui/kit/Twips.h"

#include <QWidget>

// The drawing area of the number pictures: the template's numbers, then the child's lines on
// top, repainted whole whenever the window is shown or uncovered. Clicks are reported in twips.
class NumberPicturesCanvas : public QWidget, public kit::TwipsPlaced
{
    Q_OBJECT
public:
    NumberPicturesCanvas(QWidget *parent, const QString &name, const QRect &twips);

    void setTemplate(const QList<numberpictures::TemplateNumber> &numbers);
    void setStrokes(const QList<numberpictures::Stroke> &strokes);

signals:
    void pressed(QPoint twips);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QList<numberpictures::TemplateNumber> numbers_;
    QList<numberpictures::Stroke> strokes_;
};
