// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/kit/PictureButton.h"

#include "ui/kit/Fonts.h"
#include "ui/kit/ListBox.h"

#include <QKeyEvent>
#include <QPainter>

namespace kit {

PictureButton::PictureButton(QWidget *parent, const QString &name, const QRect &twips, const QString &svgFile,
                             const QString &accessibleName)
    : QAbstractButton(parent), TwipsPlaced(this), picture_(drawerOf(parent), svgFile)
{
    setObjectName(name);
    setAccessibleName(accessibleName);
    setToolTip(accessibleName);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setRectTwips(twips);
    picture_.fit(this);
}

PictureButton::~PictureButton() = default;

void PictureButton::setPicture(const QString &svgFile, const QString &accessibleName)
{
    setAccessibleName(accessibleName);
    picture_.setFile(svgFile, this);
    update();
}

bool PictureButton::event(QEvent *event)
{
    return guard_.event(this, event, [&] { return QAbstractButton::event(event); });
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    // Space clicks as on every button (on release); Enter clicks at once.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        if (!event->isAutoRepeat())
            click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void PictureButton::focusInEvent(QFocusEvent *event)
{
    // A picture partly under another one comes forward while it has the focus, so the child sees
    // all of it and its mark; it goes back to its place in the scene afterwards. A list standing
    // open stays above it: the child is choosing a row there, and a click on a row must reach it.
    QAbstractButton::focusInEvent(event);
    const QObjectList &siblings = parentWidget()->children();
    coveredBy_.clear();
    for (qsizetype i = siblings.indexOf(this) + 1; i < siblings.size(); ++i) {
        if (auto *w = qobject_cast<QWidget *>(siblings.at(i)); w && !w->isWindow()) {
            coveredBy_ = w;
            break;
        }
    }
    QWidget *openList = nullptr;
    for (QObject *sibling : siblings) {
        if (auto *list = qobject_cast<ListBox *>(sibling); list && !list->isHidden()) {
            openList = list; // the lowest one: the picture goes under every open list
            break;
        }
    }
    if (openList)
        stackUnder(openList);
    else
        raise();
}

void PictureButton::focusOutEvent(QFocusEvent *event)
{
    QAbstractButton::focusOutEvent(event);
    if (coveredBy_)
        stackUnder(coveredBy_);
}

void PictureButton::resizeEvent(QResizeEvent *event)
{
    QAbstractButton::resizeEvent(event);
    picture_.fit(this);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    picture_.paint(painter, rect());
    painter.setRenderHint(QPainter::Antialiasing);
    if (isDown())
        painter.fillRect(rect(), QColor(0, 0, 0, 40));
    if (hasFocus())
        paintFocusMark(painter, rect(), zoomValue());
}

} // namespace kit
