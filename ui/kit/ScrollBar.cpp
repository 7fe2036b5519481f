// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/kit/ScrollBar.h"

#include <QKeyEvent>

namespace kit {

ScrollBar::ScrollBar(QWidget *parent, const QString &name, const QRect &twips, int minimum, int maximum)
    : QScrollBar(Qt::Horizontal, parent), TwipsPlaced(this)
{
    setObjectName(name);
    setRange(minimum, maximum);
    setSingleStep(1);
    setPageStep(1);
    setFocusPolicy(Qt::StrongFocus);
    setRectTwips(twips);
}

void ScrollBar::keyPressEvent(QKeyEvent *event)
{
    // Qt's horizontal scroll bar may run the arrow keys inverted; here Right and Up always count up.
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Up:
        triggerAction(SliderSingleStepAdd);
        break;
    case Qt::Key_Left:
    case Qt::Key_Down:
        triggerAction(SliderSingleStepSub);
        break;
    case Qt::Key_PageUp:
        triggerAction(SliderPageStepAdd);
        break;
    case Qt::Key_PageDown:
        triggerAction(SliderPageStepSub);
        break;
    case Qt::Key_Home:
        triggerAction(SliderToMinimum);
        break;
    case Qt::Key_End:
        triggerAction(SliderToMaximum);
        break;
    default:
        QScrollBar::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace kit
