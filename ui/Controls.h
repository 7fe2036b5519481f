// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Prerender.h"
#include "ui/Twips.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>

class QPainter;

namespace kit {

// A font by the program's Windows face name (substituted at start-up) and point size, sized in
// pixels so that text fits the twips layout whatever the screen's dots per inch.
QFont font(const QString &family, double points, bool bold = false);
// The faces the program names, mapped to installed ones; call once before the first window.
// `pictureFace` is never used for text, not even as the last resort for a face that is missing.
// False when no face for text can be found at all.
bool installFontSubstitutions(const QString &pictureFace);
// True once installFontSubstitutions found no face for text: then no picture face may be
// registered either, or Qt would draw every text with it.
bool textFaceMissing();

const QColor systemWindowColour(); // "the system window colour" of a window's background

// The mark around a control that has the keyboard focus, drawn inside its rectangle.
void paintFocusMark(QPainter &painter, const QRect &rect);

} // namespace kit

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

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void followZoom(double previous) override;

private:
    QString caption_;
    bool singleBorder_ = false;
};

// A command button with a letter-spaced caption and the program's 12 pt bold face.
class Button : public QPushButton, public TwipsPlaced
{
    Q_OBJECT
public:
    Button(QWidget *parent, const QString &name, const QRect &twips, const QString &caption);

    QString caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }
};

namespace kit {

// A picture of the program's own SVG set (":/pictures/<file>") drawn at a control's size, drawn
// again when that size changes. The drawing starts as soon as the size is known, on a second
// core, so a window being built does not wait for its pictures.
class DrawnPicture
{
public:
    explicit DrawnPicture(const QString &svgFile) : file_(svgFile) {}

    QString file() const { return file_; }
    void setFile(const QString &svgFile, const QWidget *control);
    // Starts a drawing for the control's size unless there is one for it already.
    void fit(const QWidget *control);
    void paint(QPainter &painter, const QRect &rect);

private:
    void draw(const QWidget *control);

    QString file_;
    PendingImage image_;
    QSize pixels_;
    qreal ratio_ = 0;
};

} // namespace kit

// A small fixed picture from the program's own SVG set.
class Picture : public QLabel, public TwipsPlaced
{
    Q_OBJECT
public:
    Picture(QWidget *parent, const QString &name, const QRect &twips, const QString &svgFile,
            const QString &accessibleName);

    void setBackgroundColour(const QColor &colour);
    QString svgFile() const { return picture_.file(); }
    // Shows another picture of the set in the same place.
    void setPicture(const QString &svgFile, const QString &accessibleName);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    kit::DrawnPicture picture_;
};

// A picture that reacts to a click: a real button, so keyboards and screen readers reach it.
class PictureButton : public QAbstractButton, public TwipsPlaced
{
    Q_OBJECT
public:
    PictureButton(QWidget *parent, const QString &name, const QRect &twips, const QString &svgFile,
                  const QString &accessibleName);
    ~PictureButton() override;

    QString svgFile() const { return picture_.file(); }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    kit::DrawnPicture picture_;
    QPointer<QWidget> coveredBy_; // what lay on top of it before the focus brought it forward
};

// The answer picker: a horizontal scroll bar whose Right and Up keys raise the value.
class ScrollBar : public QScrollBar, public TwipsPlaced
{
    Q_OBJECT
public:
    ScrollBar(QWidget *parent, const QString &name, const QRect &twips, int minimum, int maximum);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

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
