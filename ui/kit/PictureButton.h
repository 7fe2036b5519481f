// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/kit/DrawnPicture.h"
#include "ui/kit/PressGuard.h"
#include "ui/kit/Twips.h"

#include <QAbstractButton>
#include <QPointer>

namespace kit {

// A picture that reacts to a click: a real button, so keyboards and screen readers reach it.
class PictureButton : public QAbstractButton, public TwipsPlaced
{
    Q_OBJECT
public:
    PictureButton(QWidget *parent, const QString &name, const QRect &twips, const QString &svgFile,
                  const QString &accessibleName);
    ~PictureButton() override;

    QString svgFile() const { return picture_.file(); }
    // Shows another picture of the set in the same place, under another name.
    void setPicture(const QString &svgFile, const QString &accessibleName);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    DrawnPicture picture_;
    QPointer<QWidget> coveredBy_; // what lay on top of it before the focus brought it forward
    PressGuard guard_;
};

} // namespace kit
