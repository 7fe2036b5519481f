// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/kit/ListBox.h"

#include "ui/kit/Fonts.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace kit {

ListBox::ListBox(QWidget *parent, const QString &name, const QRect &twips)
    : QListWidget(parent), TwipsPlaced(this)
{
    setObjectName(name);
    setFont(kit::fontAt(zoomValue(), QStringLiteral("MS Sans Serif"), 8.25, true));
    setRectTwips(twips);
}

void ListBox::setListIndex(int row)
{
    if (row < 0) {
        setCurrentRow(-1);
        clearSelection();
    } else {
        setCurrentRow(row);
    }
}

void ListBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

void ListBox::keyPressEvent(QKeyEvent *event)
{
    // Enter on a row does what a double-click does, so the list works without a mouse.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit doubleClicked();
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace kit
