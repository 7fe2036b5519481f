// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/kit/Label.h"

#include "ui/kit/Fonts.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace kit {

Label::Label(QWidget *parent, const QString &name, const QRect &twips, const QString &caption)
    : QLabel(parent), TwipsPlaced(this)
{
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setFont(kit::fontAt(zoomValue(), QStringLiteral("MS Sans Serif"), 8.25));
    setRectTwips(twips);
    setCaption(caption);
}

void Label::setCaption(const QString &caption)
{
    caption_ = caption;
    QString shown = caption;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setText(shown);
    nameAfterCaption();
}

void Label::nameAfterCaption()
{
    // A name set on purpose stays; one the caption gave follows the caption.
    const QString shown = text();
    if (!namedAs_.isEmpty()) {
        // A counter told the same number again says nothing new to a screen reader.
        const QString name = shown.isEmpty() ? namedAs_ : namedAs_ + QStringLiteral(": ") + shown;
        if (accessibleName() != name)
            setAccessibleName(name);
    } else if (accessibleName().isEmpty() || accessibleName() == nameFromCaption_) {
        setAccessibleName(shown);
        nameFromCaption_ = shown;
    }
}

void Label::setNameBeforeCaption(const QString &what)
{
    namedAs_ = what;
    nameAfterCaption();
}

void Label::click()
{
    if (!blockedByBox(this))
        act();
}

void Label::pressLater()
{
    if (pressPending_)
        return;
    pressPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            pressPending_ = false;
            click();
        },
        Qt::QueuedConnection);
}

void Label::act()
{
    guard_.run(this, [this] { emit clicked(); });
}

void Label::setTextColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

void Label::setBackgroundColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    setAutoFillBackground(true);
}

void Label::setTransparentBackground()
{
    setAutoFillBackground(false);
}

void Label::setSingleBorder(bool on)
{
    // Drawn by the label itself in black: a QFrame border takes the text colour, and a white
    // label with white text would lose it.
    singleBorder_ = on;
    setFrameStyle(QFrame::NoFrame);
    const int margin = on ? twips::lineWidthAt(zoomValue()) : 0;
    setContentsMargins(margin, margin, margin, margin);
    update();
}

void Label::followZoom(double previous)
{
    TwipsPlaced::followZoom(previous);
    if (singleBorder_)
        setSingleBorder(true); // the border grows with the zoom
}

void Label::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!singleBorder_ && !hasFocus())
        return;
    // Whole pixels on the inner side of the edge: sharp at every zoom.
    const int w = twips::lineWidthAt(zoomValue());
    const QRect r = rect();
    QPainter painter(this);
    if (singleBorder_) {
        painter.fillRect(QRect(r.left(), r.top(), r.width(), w), Qt::black);
        painter.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), Qt::black);
        painter.fillRect(QRect(r.left(), r.top(), w, r.height()), Qt::black);
        painter.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), Qt::black);
    }
    if (hasFocus())
        paintFocusMark(painter, rect(), zoomValue());
}

void Label::setKeyboardClickable()
{
    // Tab only: a mouse click leaves no focus mark behind.
    setFocusPolicy(Qt::TabFocus);
}

void Label::keyPressEvent(QKeyEvent *event)
{
    // Enter and Space both click; a held key clicks once.
    const int key = event->key();
    if (focusPolicy() != Qt::NoFocus && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        event->accept();
        if (!event->isAutoRepeat())
            act();
        return;
    }
    QLabel::keyPressEvent(event);
}

void Label::setFontSpec(const QString &family, double points, bool bold)
{
    setFont(kit::fontAt(zoomValue(), family, points, bold));
}

void Label::setCentred(bool centred)
{
    setAlignment(centred ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
    // A framed QLabel indents its text by half an "x" from the edge it is aligned to, the top
    // included, which pushes one line of large digits out through the bottom of its box.
    setIndent(centred ? 0 : -1);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        act();
}

} // namespace kit
