// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/kit/Twips.h"

#include <QListWidget>

namespace kit {

// A list box whose double-click counts anywhere in it, also below the last row.
class ListBox : public QListWidget, public TwipsPlaced
{
    Q_OBJECT
public:
    ListBox(QWidget *parent, const QString &name, const QRect &twips);

    int listIndex() const { return currentRow(); } // -1 when no row is selected
    void setListIndex(int row);

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace kit
