// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/machine/QtDialogs.h"

#include "ui/kit/CaptionWords.h"
#include "ui/kit/Display.h"
#include "ui/kit/Form.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QSvgRenderer>
#include <cmath>

namespace kit {

QWidget *QtDialogs::dialogParent() const
{
    // On Wayland the keyboard may be with no window for a moment after another box closed; the
    // box still belongs to the window the child sees in front, which keeps it on that window.
    if (QWidget *active = QApplication::activeWindow(); active && active->isVisible())
        return active;
    return display_ ? display_->frontWindow() : nullptr;
}

double QtDialogs::zoom() const
{
    return display_ ? display_->zoom() : 1.0;
}

namespace {

// The window behind a box takes the keys again when the box closes, also where no window manager
// would hand them back.
void giveKeysBack(const QPointer<QWidget> &parent)
{
    if (parent && parent->isVisible())
        parent->activateWindow();
}

// Our own question mark, drawn at the size the zoom gives the box's icon: the platform's has
// only a small picture and would blur when enlarged.
void setQuestionIcon(QMessageBox &box, double zoom)
{
    const int side = int(std::lround(box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box) * zoom));
    QSvgRenderer renderer(QStringLiteral(":/pictures/question_mark.svg"));
    if (!renderer.isValid())
        return;
    const qreal ratio = box.devicePixelRatioF();
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, side, side));
    painter.end();
    box.setIconPixmap(pixmap);
}

// A screen reader calls the box by its title as words, not letter by letter ("H i l f e").
void nameBox(QWidget &box, const QString &title)
{
    box.setAccessibleName(captionWords(title));
}

// A box's text a screen reader reads: `said` instead of what is shown, the rows of signs in a help.
// Only the text's label says it: a screen reader reads a box's labels with it, and said as the
// box's description too it was heard twice (Orca).
void sayTextAs(QMessageBox &box, const QString &said)
{
    if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
        label->setAccessibleName(said);
}

} // namespace

QFont QtDialogs::dialogFont(double zoom)
{
    QFont font = QApplication::font();
    if (font.pixelSize() > 0)
        font.setPixelSize(int(std::lround(font.pixelSize() * zoom)));
    else
        font.setPointSizeF(font.pointSizeF() * zoom);
    return font;
}

QString QtDialogs::displayText(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    while (shown.endsWith(QLatin1Char('\n')))
        shown.chop(1);
    return shown;
}

void QtDialogs::message(const QString &text, const QString &title)
{
    help(text, title, QString());
}

void QtDialogs::help(const QString &text, const QString &title, const QString &sentence)
{
    QMessageBox box(QMessageBox::NoIcon, title, displayText(text), QMessageBox::NoButton, dialogParent());
    nameBox(box, title);
    if (!sentence.isEmpty())
        sayTextAs(box, sentence);
    box.setFont(dialogFont(zoom()));
    box.setTextFormat(Qt::PlainText);
    QPushButton *ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    const QPointer<QWidget> parent = box.parentWidget();
    box.exec();
    giveKeysBack(parent);
}

Dialogs::Answer QtDialogs::question(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Question, title, displayText(text), QMessageBox::NoButton, dialogParent());
    nameBox(box, title);
    box.setFont(dialogFont(zoom()));
    setQuestionIcon(box, zoom());
    // The question mark is a picture a screen reader meets; it says what it is.
    if (auto *icon = box.findChild<QLabel *>(QStringLiteral("qt_msgboxex_icon_label")))
        icon->setAccessibleName(QStringLiteral("Fragezeichen"));
    box.setTextFormat(Qt::PlainText);
    QPushButton *yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    const QPointer<QWidget> parent = box.parentWidget();
    box.exec();
    giveKeysBack(parent);
    return box.clickedButton() == yes ? Answer::Yes : Answer::No;
}

QString QtDialogs::inputBox(const QString &prompt, const QString &title, const QString &proposed)
{
    QInputDialog dialog(dialogParent());
    dialog.setFont(dialogFont(zoom()));
    dialog.setWindowTitle(title);
    nameBox(dialog, title);
    dialog.setLabelText(displayText(prompt));
    dialog.setTextValue(proposed);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    const QPointer<QWidget> parent = dialog.parentWidget();
    const int result = dialog.exec();
    giveKeysBack(parent);
    if (result != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}

void QtDialogs::beep()
{
    QApplication::beep();
}

} // namespace kit
