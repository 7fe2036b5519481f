// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ControlInvitations.h"

#include "engine/Invitations.h"
#include "engine/SharedValues.h"
#include "ui/Reading.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QScrollBar>

ControlInvitations::ControlInvitations(const SharedValues &shared) : shared_(shared) {}

QString ControlInvitations::sentenceFor(const QWidget *control, int row) const
{
    if (!control || control->objectName().isEmpty())
        return QString();
    // Only what a child can point at or reach: not the labels that only show a text.
    if (row == 0 && !qobject_cast<const QScrollBar *>(control) && kit::Reading::nameOf(control).isEmpty())
        return QString();
    QString key = control->window()->objectName() + QLatin1Char('/') + control->objectName();
    QString shown;
    if (row > 0) {
        key += QLatin1Char('/') + QString::number(row);
        if (const auto *view = qobject_cast<const QAbstractItemView *>(control); view && view->model())
            shown = kit::Reading::spoken(view->model()->index(row - 1, 0).data().toString());
    } else {
        shown = kit::Reading::nameOf(control);
    }
    return invitations::sentence(key, shared_.numberRange, shown);
}

void ControlInvitations::watch(QWidget *window)
{
    window->installEventFilter(this);
    // The range bar's sentence says the range it stands at.
    for (QScrollBar *bar : window->findChildren<QScrollBar *>()) {
        if (!sentenceFor(bar, 0).isEmpty())
            connect(bar, &QScrollBar::valueChanged, this,
                    [this, bar] { bar->setAccessibleDescription(sentenceFor(bar, 0)); });
    }
    describe(window);
}

void ControlInvitations::describe(QWidget *window) const
{
    for (QWidget *control : window->findChildren<QWidget *>()) {
        const QString sentence = sentenceFor(control, 0);
        if (!sentence.isEmpty() && control->accessibleDescription() != sentence)
            control->setAccessibleDescription(sentence);
    }
}

bool ControlInvitations::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType())
        describe(static_cast<QWidget *>(watched));
    return false;
}
