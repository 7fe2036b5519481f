// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Speech.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <functional>
#include <optional>

class QAbstractItemView;
class QWidget;

namespace kit {

// Reading aloud for children who cannot read yet. While it is on, what the program shows them is
// said as well: every message box, each window's instruction and every new task, and the name of
// a button, picture or list row that takes the keyboard or that the pointer rests on. It is
// switched for this run only; nothing of it is kept. Every text goes to the speech seam, which
// cuts off the one before and never makes anything wait.
class Reading final : public QObject
{
    Q_OBJECT
public:
    // How long the pointer must rest on a control before its name is said.
    static constexpr int restMilliseconds = 500;

    explicit Reading(std::function<Speech &()> speech);
    ~Reading() override;

    bool isOn() const { return on_; }
    // Switching on says so; switching off stops what is being said.
    void setOn(bool on);
    Speech::Voice voice() const;
    // Asks the speech service early, so the answer is there when the child looks for the switch.
    void prepare();

    // Says a text shown on the screen, when reading is on.
    void say(const QString &shown);
    // A message box as it appears: its own text, or the words given with sayNextBoxAs.
    void sayBox(const QString &text);
    // The next box is said as these words instead of its text: a help box that pictures a task in
    // symbols is said as the task's sentence.
    void sayNextBoxAs(const QString &words);

    // How a shown text is said: line breaks as pauses, letter-spaced words ("E n d e") as words.
    static QString spoken(const QString &shown);
    // The name said for a control: a button, a picture or a clickable label by its accessible name
    // or text; nothing for others (the answer bar, plain labels, input fields).
    static QString nameOf(const QWidget *widget);

signals:
    void switched(bool on);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void speak(const QString &text);
    void focused(QWidget *widget, int reason);
    void followRows(QAbstractItemView *view);
    void rested();

    std::function<Speech &()> speech_;
    bool on_ = false;
    std::optional<QString> nextBox_;
    QTimer rest_;
    QPointer<QWidget> restingOn_; // a named control, or a list's viewport
    QPoint restingAt_;
    QString lastRow_;            // the row last named under the pointer, so resting again is quiet
    QSet<const QObject *> followed_;
    QPointer<QWidget> focusWindow_; // the window that last took the keyboard
};

} // namespace kit
