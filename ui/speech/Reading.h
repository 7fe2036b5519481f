// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/speech/Speech.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <functional>
#include <optional>

class QAbstractItemView;
class QModelIndex;
class QWidget;

namespace kit {

// Reading aloud for children who cannot read yet. While it is on, what the program shows them is
// said as well: every message box, each window's instruction and every new task, and what a
// button, picture or list row that takes the keyboard or that the pointer rests on does. A window
// that goes away takes its words with it: what is still being said stops. It is
// switched for this run only; nothing of it is kept. Every text goes to the speech seam, which
// cuts off the one before and never makes anything wait.
class Reading final : public QObject
{
    Q_OBJECT
public:
    // How long the pointer must rest on a control before its name is said.
    static constexpr int restMilliseconds = 500;
    // How long the keyboard must stay on a control before its name is said: where it only passes
    // on the way to a window that speaks for itself, nothing is cut off after a syllable.
    static constexpr int focusSettleMilliseconds = 80;

    explicit Reading(std::function<Speech &()> speech);
    ~Reading() override;

    bool isOn() const { return on_; }
    // Switching on says so; switching off stops what is being said.
    void setOn(bool on);
    // Reading aloud from the program's start: on, with a greeting that tells the child how to
    // find out what each picture does. The speech service starts with it, before any window.
    void startWithGreeting();
    static QString greeting();
    // Said when the start page comes back from an exercise or a game.
    static QString welcomeBack();
    // How to get back from a window, by the name and the place of its end button:
    // "Zurück geht es mit Ende unten links."
    static QString wayBack(const QWidget *endButton);
    Speech::Voice voice() const;
    // Asks the speech service early, so the answer is there when the child looks for the switch;
    // where it failed, asks it again.
    void prepare();

    // What a control or a list row (counted from 1; 0 for the control itself) is and what a click
    // does, in a child's words: said instead of its short name. Empty where there is no sentence.
    using Invitation = std::function<QString(const QWidget *control, int row)>;
    void setInvitation(Invitation invitation) { invitation_ = std::move(invitation); }
    // What is said for a control that takes the keyboard or that the pointer rests on: its
    // invitation, else its name; nothing for controls without either.
    QString saidFor(const QWidget *control) const;

    // Says a text shown on the screen, when reading is on.
    void say(const QString &shown);
    // Says words whether reading is on or not: what a key asked for, a card turned, a word to hear.
    void speakNow(const QString &words);
    // A message box as it appears: its own text, or the words given with sayNextBoxAs, and then
    // what its buttons do ("Klick Ja oder Nein."), so the box is heard whole.
    void sayBox(const QString &text, const QString &buttons = QString());
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
    // The machine's voice came or went (voice() says which, and why).
    void voiceChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void speak(const QString &text);
    // The speech seam, which is told to report changes of its voice here.
    Speech &speech() const;
    void focused(QWidget *widget, int reason);
    void followRows(QAbstractItemView *view);
    void rested();
    void settled();
    QString saidForRow(const QAbstractItemView *view, const QModelIndex &row) const;

    std::function<Speech &()> speech_;
    mutable Speech *watched_ = nullptr;
    Invitation invitation_;
    bool on_ = false;
    std::optional<QString> nextBox_;
    QTimer rest_;
    QPointer<QWidget> restingOn_; // a named control, or a list's viewport
    QPoint restingAt_;
    QPoint stillPointer_; // where the pointer was when last looked at: no move, no name
    QString lastRow_;            // the row last named under the pointer, so resting again is quiet
    QSet<const QObject *> followed_;
    QPointer<QWidget> keyedWindow_; // the window of the child's last key press
    QTimer focusSettle_;
    QPointer<QWidget> focusedOn_; // the control whose name waits for the keyboard to stay
};

} // namespace kit
