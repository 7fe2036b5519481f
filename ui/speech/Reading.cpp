// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/speech/Reading.h"

#include "ui/kit/Picture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QFocusEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>

#include <algorithm>
#include <utility>

namespace kit {

Reading::Reading(std::function<Speech &()> speech) : speech_(std::move(speech))
{
    rest_.setSingleShot(true);
    rest_.setInterval(restMilliseconds);
    connect(&rest_, &QTimer::timeout, this, &Reading::rested);
    focusSettle_.setSingleShot(true);
    focusSettle_.setInterval(focusSettleMilliseconds);
    connect(&focusSettle_, &QTimer::timeout, this, &Reading::settled);
}

Reading::~Reading() = default;

void Reading::setOn(bool on)
{
    if (on == on_)
        return;
    on_ = on;
    if (QCoreApplication *app = QCoreApplication::instance()) {
        if (on)
            app->installEventFilter(this);
        else
            app->removeEventFilter(this);
    }
    rest_.stop();
    focusSettle_.stop();
    nextBox_.reset();
    stillPointer_ = QCursor::pos();
    // Heard at once, so the child knows the click did something; off is silence at once.
    speak(on ? QStringLiteral("Vorlesen an") : QString());
    emit switched(on);
}

void Reading::startWithGreeting()
{
    setOn(true);
    // Queued behind nothing: the greeting replaces "Vorlesen an" while the service still starts.
    speak(greeting());
}

QString Reading::greeting()
{
    return QStringLiteral("Hallo! Ich lese dir vor. Zeig mit der Maus auf ein Bild. Dann hörst du, was es macht.");
}

QString Reading::welcomeBack()
{
    return QStringLiteral("Da bist du wieder! Zeig auf ein Bild, dann hörst du es.");
}

QString Reading::wayBack(const QWidget *endButton)
{
    const QString name = nameOf(endButton);
    if (name.isEmpty())
        return QString();
    const QWidget *window = endButton->window();
    const QPoint centre = endButton->mapTo(window, endButton->rect().center());
    const QString row = centre.y() < window->height() / 2 ? QStringLiteral("oben") : QStringLiteral("unten");
    QString side = QStringLiteral(" in der Mitte");
    if (centre.x() < window->width() / 3)
        side = QStringLiteral(" links");
    else if (centre.x() > window->width() * 2 / 3)
        side = QStringLiteral(" rechts");
    return QStringLiteral("Zurück geht es mit ") + name + QLatin1Char(' ') + row + side + QLatin1Char('.');
}

Speech &Reading::speech() const
{
    Speech &speech = speech_();
    if (&speech != watched_) {
        watched_ = &speech;
        speech.watchVoice([reading = QPointer<Reading>(const_cast<Reading *>(this))] {
            if (reading)
                emit reading->voiceChanged();
        });
    }
    return speech;
}

Speech::Voice Reading::voice() const
{
    return speech().voice();
}

void Reading::prepare()
{
    speech().prepare();
}

void Reading::speak(const QString &text)
{
    // Anything said now is newer than a name still waiting for the keyboard to stay.
    focusSettle_.stop();
    speech().speak(text);
}

void Reading::speakNow(const QString &words)
{
    speak(words);
}

void Reading::say(const QString &shown)
{
    if (!on_)
        return;
    const QString words = spoken(shown);
    if (!words.isEmpty())
        speak(words);
}

void Reading::sayBox(const QString &text, const QString &buttons)
{
    const std::optional<QString> instead = std::exchange(nextBox_, std::nullopt);
    const QString words = spoken(instead.value_or(text));
    say(buttons.isEmpty() ? words : words + QLatin1Char(' ') + buttons);
}

void Reading::sayNextBoxAs(const QString &words)
{
    if (on_)
        nextBox_ = words;
}

QString Reading::spoken(const QString &shown)
{
    QString text = shown;
    text.replace(QLatin1Char('&'), QString()); // a mnemonic's mark is not said
    // A word spread out letter by letter ("E n d e", "o k a y") is one word; words stand apart by
    // two blanks or more there, so each such run of single letters is joined.
    static const QRegularExpression lineBreak(QStringLiteral("[\\r\\n]+"));
    const QStringList lines = text.split(lineBreak, Qt::SkipEmptyParts);
    QStringList said;
    static const QRegularExpression gap(QStringLiteral(" {2,}"));
    for (const QString &line : lines) {
        QStringList parts;
        for (const QString &part : line.split(gap, Qt::SkipEmptyParts)) {
            QStringList letters = part.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            // A stop after the letters ("Q U A R I M O :") belongs to the word; numbers and signs
            // ("3 + 2") stay apart.
            const bool stop = !letters.isEmpty() && letters.last().size() == 1 && letters.last().at(0).isPunct();
            const auto first = letters.cbegin();
            const auto last = stop ? letters.cend() - 1 : letters.cend();
            const bool spread = last - first >= 3 && std::all_of(first, last, [](const QString &l) {
                                    return l.size() == 1 && l.at(0).isLetter();
                                });
            // Inside a sentence ("Dann klicke auf 'o k a y'.") only the spread word is joined.
            static const QRegularExpression spreadWord(
                QStringLiteral("(?<![\\p{L}\\p{N}])\\p{L}(?: \\p{L}){2,}(?![\\p{L}\\p{N}])"));
            QString joined = part;
            if (!spread) {
                for (QRegularExpressionMatchIterator it = spreadWord.globalMatch(part); it.hasNext();) {
                    const QRegularExpressionMatch word = it.next();
                    joined.replace(word.captured(), word.captured().remove(QLatin1Char(' ')));
                }
            }
            parts.append(spread ? letters.join(QString()) : joined);
        }
        said.append(parts.join(QLatin1Char(' ')));
    }
    // A line ends where the box breaks it, mostly inside a sentence: a blank, no stop.
    return said.join(QLatin1Char(' ')).simplified();
}

QString Reading::nameOf(const QWidget *widget)
{
    if (!widget)
        return QString();
    QString name = widget->accessibleName();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        if (name.isEmpty())
            name = button->text();
    } else if (qobject_cast<const Picture *>(widget)) {
        // its accessible name says what it shows
    } else if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        // A label the child can click or reach with the keyboard acts as a button; others are text.
        const bool clickable =
            label->focusPolicy() != Qt::NoFocus ||
            (label->testAttribute(Qt::WA_SetCursor) && label->cursor().shape() == Qt::PointingHandCursor);
        if (!clickable)
            return QString();
        if (name.isEmpty())
            name = label->text();
    } else {
        return QString();
    }
    return spoken(name);
}

QString Reading::saidFor(const QWidget *control) const
{
    if (invitation_) {
        const QString invitation = invitation_(control, 0);
        if (!invitation.isEmpty())
            return invitation;
    }
    return nameOf(control);
}

QString Reading::saidForRow(const QAbstractItemView *view, const QModelIndex &row) const
{
    if (!row.isValid())
        return QString();
    if (invitation_) {
        const QString invitation = invitation_(view, row.row() + 1);
        if (!invitation.isEmpty())
            return invitation;
    }
    return spoken(row.data().toString());
}

bool Reading::eventFilter(QObject *watched, QEvent *event)
{
    if (!watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::FocusIn:
        focused(widget, static_cast<QFocusEvent *>(event)->reason());
        break;
    case QEvent::Enter:
        if (auto *view = qobject_cast<QAbstractItemView *>(widget->parentWidget());
            view && view->viewport() == widget) {
            // Rows are named where the pointer rests, so the list must report its moves.
            widget->setMouseTracking(true);
            lastRow_.clear();
        } else if (QCursor::pos() != stillPointer_ && !saidFor(widget).isEmpty()) {
            // A window that opens under a pointer that has not moved is not pointed at.
            restingOn_ = widget;
            rest_.start();
        }
        break;
    case QEvent::MouseMove:
        if (auto *view = qobject_cast<QAbstractItemView *>(widget->parentWidget());
            view && view->viewport() == widget) {
            restingOn_ = widget;
            restingAt_ = static_cast<QMouseEvent *>(event)->position().toPoint();
            rest_.start();
        }
        break;
    case QEvent::KeyPress:
        keyedWindow_ = widget->window();
        break;
    case QEvent::Hide:
        // A window left, or a box closed: its words are no longer on the screen. Popups and
        // tooltips are no windows of their own.
        if (widget->isWindow() && !event->spontaneous() &&
            (widget->windowType() == Qt::Window || widget->windowType() == Qt::Dialog))
            speak(QString());
        if (restingOn_ == widget)
            rest_.stop();
        if (keyedWindow_ == widget)
            keyedWindow_ = nullptr; // shown again, it arrives anew
        break;
    case QEvent::MouseButtonPress:
        stillPointer_ = QCursor::pos();
        [[fallthrough]];
    case QEvent::Leave:
        if (restingOn_ == widget)
            rest_.stop();
        break;
    default:
        break;
    }
    return false;
}

void Reading::focused(QWidget *widget, int reason)
{
    // A box puts the keyboard on its button as it appears, by a reason and as often as the Qt
    // version likes (as if by Tab, on some twice); the child must hear the box's text, not "OK".
    // Only the child's own keys moving on inside the box name its buttons.
    QWidget *window = widget->window();
    if (qobject_cast<QDialog *>(window) && window != keyedWindow_)
        return;
    // Coming back to a window, a click or the program's own move says nothing: the window's own
    // words or the click's outcome come next (a new task, after the answer bar takes the keyboard
    // back), and the pointer's rest names what it points at.
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || reason == Qt::MouseFocusReason)
        return;
    if (reason == Qt::OtherFocusReason) {
        if (auto *view = qobject_cast<QAbstractItemView *>(widget))
            followRows(view); // its rows are named as the child's keys move on
        return;
    }
    if (auto *view = qobject_cast<QAbstractItemView *>(widget)) {
        followRows(view);
        const QModelIndex row = view->currentIndex();
        speak(row.isValid() ? saidForRow(view, row) : spoken(view->accessibleName()));
        return;
    }
    if (saidFor(widget).isEmpty())
        return;
    focusedOn_ = widget;
    focusSettle_.start();
}

void Reading::settled()
{
    if (on_ && focusedOn_ && focusedOn_->hasFocus() && focusedOn_->isVisible())
        speak(saidFor(focusedOn_));
}

void Reading::followRows(QAbstractItemView *view)
{
    if (followed_.contains(view) || !view->selectionModel())
        return;
    followed_.insert(view);
    connect(view, &QObject::destroyed, this, [this, view] { followed_.remove(view); });
    QPointer<QAbstractItemView> guarded(view);
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this, guarded](const QModelIndex &current) {
                if (on_ && guarded && guarded->hasFocus() && current.isValid())
                    speak(saidForRow(guarded, current));
            });
}

void Reading::rested()
{
    if (!on_ || !restingOn_ || !restingOn_->isVisible())
        return;
    if (auto *view = qobject_cast<QAbstractItemView *>(restingOn_->parentWidget());
        view && view->viewport() == restingOn_) {
        const QModelIndex row = view->indexAt(restingAt_);
        const QString text = saidForRow(view, row);
        if (text.isEmpty() || text == lastRow_)
            return;
        lastRow_ = text;
        speak(text);
        return;
    }
    // The pointer has not left it, or the rest would have been called off.
    stillPointer_ = QCursor::pos();
    speak(saidFor(restingOn_));
}

} // namespace kit
