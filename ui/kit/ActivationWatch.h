// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QWidget;

namespace kit {

// Tells a window that it came to the front: when it is shown, or when the child switches to it
// from another of the program's windows. Closing one of its own message boxes does not count, so
// a window that starts afresh on activation keeps what the child was doing behind the box.
class ActivationWatch : public QObject
{
    Q_OBJECT
public:
    explicit ActivationWatch(QWidget *window);

signals:
    void activated();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *window_;
    bool countNext_ = true;
};

} // namespace kit
