// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/kit/Picture.h"

#include <QPainter>

namespace kit {

Picture::Picture(QWidget *parent, const QString &name, const QRect &twips, const QString &svgFile,
                 const QString &accessibleName)
    : QLabel(parent), TwipsPlaced(this), picture_(drawerOf(parent), svgFile)
{
    setObjectName(name);
    setAccessibleName(accessibleName);
    setRectTwips(twips);
    picture_.fit(this);
}

void Picture::setBackgroundColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    setAutoFillBackground(true);
}

void Picture::setPicture(const QString &svgFile, const QString &accessibleName)
{
    setAccessibleName(accessibleName);
    picture_.setFile(svgFile, this);
    update();
}

void Picture::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    picture_.fit(this);
}

void Picture::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    QPainter painter(this);
    picture_.paint(painter, rect());
}

} // namespace kit
