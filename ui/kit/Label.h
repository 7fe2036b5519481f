// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/kit/PressGuard.h"
#include "ui/kit/Twips.h"

#include <QLabel>

namespace kit {

// A text label; the caption keeps the program's own text (CRs included), the display breaks lines.
class Label : public QLabel, public TwipsPlaced
{
    Q_OBJECT
public:
    Label(QWidget *parent, const QString &name, const QRect &twips, const QString &caption = QString());

    QString caption() const { return caption_; }
    void setCaption(const QString &caption);

    void setTextColour(const QColor &colour);
    void setBackgroundColour(const QColor &colour);
    void setTransparentBackground();
    void setSingleBorder(bool on);
    void setFontSpec(const QString &family, double points, bool bold);
    void setCentred(bool centred = true);
    // Tab reaches the label and Space or Enter clicks it, so it works without a mouse.
    void setKeyboardClickable();
    // Gives the label its action: a click (or Space and Enter, where the keyboard reaches it)
    // runs it, and screen readers see a button they can press. Only labels given an action so
    // act; what else listens to `clicked` makes none a button.
    template <typename Receiver, typename Action>
    QMetaObject::Connection onClick(const Receiver *receiver, Action &&action)
    {
        acts_ = true;
        return connect(this, &Label::clicked, receiver, std::forward<Action>(action));
    }
    bool reactsToClicks() const { return acts_; }
    // What a click does, for a screen reader's press: the label is clicked once, unless a box
    // stands over it or its action still runs.
    void click();
    // A screen reader's press: the click comes once the caller is done; presses that come before it
    // are one press, as a button's are.
    void pressLater();
    // Its name for screen readers says what it is and then what it shows ("Haus 2: 5"), also
    // when it shows something else; empty, it is only what it is.
    void setNameBeforeCaption(const QString &what);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void followZoom(double previous) override;

private:
    void nameAfterCaption();
    void act();

    QString caption_;
    QString nameFromCaption_; // the name the caption gave, while no other name was set
    QString namedAs_;         // what it is, before the caption
    bool singleBorder_ = false;
    bool acts_ = false;
    bool pressPending_ = false;
    PressGuard guard_;
};

} // namespace kit
