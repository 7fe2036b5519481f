// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/speech/Accessibility.h"

#include "ui/kit/CaptionWords.h"
#include "ui/kit/Label.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QRegularExpression>
#include <QtGlobal>

namespace kit {

namespace {

// A label: read as text, or, where a click does something, a button with a press action that
// clicks it. Which of the two is asked each time, as what a label does is wired after it is made.
class LabelAccessible : public QAccessibleWidget
{
public:
    explicit LabelAccessible(Label *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::Role role() const override
    {
        return label()->reactsToClicks() ? QAccessible::Button : QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override
    {
        QString said = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && said.isEmpty() && !label()->reactsToClicks())
            said = label()->text();
        return said;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (label()->reactsToClicks())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &action) override
    {
        // Later, as a button's press is: what the click opens (a box) must not block the caller.
        if (action == pressAction() && label()->reactsToClicks())
            label()->pressLater();
        else
            QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString &action) const override
    {
        if (action == pressAction() && label()->focusPolicy() != Qt::NoFocus)
            return {QKeySequence(Qt::Key_Space).toString()};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

private:
    Label *label() const { return static_cast<Label *>(widget()); }
};

// The combo boxes the program has named as its own; every other one is as Qt makes it.
const char *const ownComboBox = "quarimoOwnComboBox";
// Boxes and fields whose numbers are read as German writes them.
const char *const germanNumbers = "quarimoGermanNumbers";

// "53.3%" as German writes it: "53,3 %".
QString inGerman(QString text)
{
    static const QRegularExpression point(QStringLiteral("(\\d)\\.(\\d)"));
    static const QRegularExpression percent(QStringLiteral("(\\d)\\s*%"));
    text.replace(point, QStringLiteral("\\1,\\2"));
    text.replace(percent, QStringLiteral("\\1 %"));
    return text;
}

QString asRead(const QObject *shownBy, const QString &text)
{
    return shownBy->property(germanNumbers).toBool() ? inGerman(text) : text;
}

// A text a screen reader reads whole and cannot select or change here: what readText() says.
class ReadText : public QAccessibleTextInterface
{
public:
    QString text(int start, int end) const override { return readText().mid(start, end - start); }
    int characterCount() const override { return int(readText().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    int selectionCount() const override { return 0; }
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return QString();
    }

protected:
    virtual QString readText() const = 0;
};

// A line edit of Qt's own (the preview's zoom field) that shows numbers in English: read as
// German writes them. Typing in it stays as Qt has it; what is read is its text, converted.
class GermanFieldAccessible : public QAccessibleWidget, public ReadText
{
public:
    using ReadText::text;
    explicit GermanFieldAccessible(QLineEdit *field) : QAccessibleWidget(field, QAccessible::EditableText) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(static_cast<ReadText *>(this));
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return read();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !field()->isReadOnly();
        s.readOnly = field()->isReadOnly();
        return s;
    }

    int cursorPosition() const override { return qMin(field()->cursorPosition(), characterCount()); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }

private:
    QLineEdit *field() const { return static_cast<QLineEdit *>(widget()); }
    QString read() const { return inGerman(field()->text()); }
    QString readText() const override { return read(); }
};

// Qt names a combo box on Linux by the row it shows, which would call every group's row chooser
// of a dialog "Plusrechnen"; a name of its own comes first. The row shown is its value and, for
// screen readers that read a combo box's row as its text (Orca), its text too. The rest is as Qt
// has it: the list and the line edit are its children, press opens and closes the list.
class ComboBoxAccessible : public QAccessibleWidget, public ReadText
{
public:
    using ReadText::text;
    explicit ComboBoxAccessible(QComboBox *box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        // An editable box has its line edit for a text.
        if (type == QAccessible::TextInterface && !box()->isEditable())
            return static_cast<QAccessibleTextInterface *>(static_cast<ReadText *>(this));
        return QAccessibleWidget::interface_cast(type);
    }

    // The row shown, as a text that cannot be changed here.
    QString readText() const override { return value(); }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return box()->accessibleName().isEmpty() ? value() : box()->accessibleName();
        case QAccessible::Value:
            return value();
        case QAccessible::Accelerator:
            return QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText);
        default:
            return QAccessibleWidget::text(t);
        }
    }

    int childCount() const override { return box()->isEditable() ? 2 : 1; }

    QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1 && box()->isEditable())
            return QAccessible::queryAccessibleInterface(box()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        if (child->object() == box()->view())
            return 0;
        if (box()->isEditable() && child->object() == box()->lineEdit())
            return 1;
        return -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        if (box()->isEditable() && box()->lineEdit()->rect().contains(box()->lineEdit()->mapFromGlobal(QPoint(x, y))))
            return child(1);
        return nullptr;
    }

    QAccessibleInterface *focusChild() const override
    {
        if (box()->view()->hasFocus())
            return child(0);
        if (box()->isEditable() && box()->lineEdit()->hasFocus())
            return child(1);
        return nullptr;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = box()->view()->isVisible();
        s.editable = box()->isEditable();
        return s;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction(), setFocusAction()}; }

    void doAction(const QString &action) override
    {
        if (action == showMenuAction() || action == pressAction()) {
            if (box()->view()->isVisible())
                box()->hidePopup();
            else
                box()->showPopup();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    QComboBox *box() const { return static_cast<QComboBox *>(widget()); }
    QString value() const
    {
        return asRead(box(), box()->isEditable() ? box()->lineEdit()->text() : box()->currentText());
    }
};

// The buttons the program has made switches; the property holds whether one is on.
const char *const switchState = "quarimoSwitchOn";

// A button that stays a button to look at and to click, and says whether it is on.
class SwitchAccessible : public QAccessibleWidget
{
public:
    explicit SwitchAccessible(QAbstractButton *button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        QString said = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && said.isEmpty())
            said = captionWords(button()->text().remove(QLatin1Char('&')));
        return said;
    }

    // A push button that is checked is said as a push button alone by some screen readers (Orca
    // with Qt 6.4): one switch among others of its window is one choice of them, a radio button;
    // a switch alone is on or off, a check box.
    QAccessible::Role role() const override
    {
        const QList<QAbstractButton *> others = button()->window()->findChildren<QAbstractButton *>();
        const bool amongOthers = std::any_of(others.cbegin(), others.cend(), [this](QAbstractButton *other) {
            return other != button() && other->property(switchState).isValid();
        });
        return amongOthers ? QAccessible::RadioButton : QAccessible::CheckBox;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->property(switchState).toBool();
        return s;
    }

    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }

    void doAction(const QString &action) override
    {
        // As Qt presses its own buttons: later, so that what the click opens does not block.
        if (action == pressAction())
            button()->animateClick();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QAbstractButton *button() const { return static_cast<QAbstractButton *>(widget()); }
};

// The pictures that say where they stand; the property holds the words.
const char *const standWords = "quarimoStand";

// A picture read by its name and its stand.
class FigureAccessible : public QAccessibleWidget
{
public:
    explicit FigureAccessible(QWidget *figure) : QAccessibleWidget(figure, QAccessible::Graphic) {}

    QString text(QAccessible::Text t) const override
    {
        QString said = QAccessibleWidget::text(t);
        const QString stand = widget()->property(standWords).toString();
        if (t == QAccessible::Name && !stand.isEmpty())
            said = said.isEmpty() ? stand : said + QStringLiteral(", ") + stand;
        return said;
    }
};

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Where Qt has no announcement, a notification that appears is what a screen reader says at
// once (a new description is not: Qt 6.4 sends it without its words). One per window, without
// size, focus or clicks; its name is the words.
const char *const announcerName = "quarimoAnnouncer";
const char *const announcerWords = "quarimoAnnouncement";

// Hidden with its window, so that the window shown again does not show it, and its last words,
// again.
class Announcer : public QWidget
{
public:
    explicit Announcer(QWidget *window) : QWidget(window)
    {
        setObjectName(QLatin1String(announcerName));
        setProperty(announcerWords, QString());
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 0, 0);
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::Hide)
            hide();
        return false;
    }
};

class AnnouncerAccessible : public QAccessibleWidget
{
public:
    explicit AnnouncerAccessible(QWidget *announcer) : QAccessibleWidget(announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return widget()->property(announcerWords).toString();
        return QAccessibleWidget::text(t);
    }
};
#endif

QAccessibleInterface *kitControls(const QString &, QObject *object)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (object->property(announcerWords).isValid() && object->isWidgetType())
        return new AnnouncerAccessible(static_cast<QWidget *>(object));
#endif
    if (auto *figure = qobject_cast<QWidget *>(object); figure && figure->property(standWords).isValid())
        return new FigureAccessible(figure);
    if (auto *button = qobject_cast<QAbstractButton *>(object); button && button->property(switchState).isValid())
        return new SwitchAccessible(button);
    if (auto *label = qobject_cast<Label *>(object))
        return new LabelAccessible(label);
    if (auto *box = qobject_cast<QComboBox *>(object); box && box->property(ownComboBox).toBool())
        return new ComboBoxAccessible(box);
    if (auto *field = qobject_cast<QLineEdit *>(object); field && field->property(germanNumbers).toBool())
        return new GermanFieldAccessible(field);
    return nullptr;
}

} // namespace

void nameComboBoxItself(QComboBox *box)
{
    if (box->property(ownComboBox).toBool())
        return;
    box->setProperty(ownComboBox, true);
    // Qt may have made its own interface for the box already (a new row or name asks for one); it
    // would stay in use, so it goes, and the next question gets ours.
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(box);
        made && !dynamic_cast<ComboBoxAccessible *>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    // Another row chosen is a new text, which a screen reader says.
    QObject::connect(box, &QComboBox::currentTextChanged, box,
                     [box, shown = box->currentText()](const QString &now) mutable {
                         if (!box->isEditable() && QAccessible::isActive()) {
                             QAccessibleTextUpdateEvent update(box, 0, shown, now);
                             QAccessible::updateAccessibility(&update);
                         }
                         shown = now;
                     });
}

void readNumbersInGerman(QComboBox *box)
{
    nameComboBoxItself(box);
    box->setProperty(germanNumbers, true);
    // The rows of the list are read by their own text where they have one.
    for (int row = 0; row < box->count(); ++row)
        box->setItemData(row, inGerman(box->itemText(row)), Qt::AccessibleTextRole);
    if (QLineEdit *field = box->lineEdit(); field && !field->property(germanNumbers).toBool()) {
        field->setProperty(germanNumbers, true);
        if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(field);
            made && !dynamic_cast<GermanFieldAccessible *>(made))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

void setSwitchState(QAbstractButton *button, bool on)
{
    const QVariant was = button->property(switchState);
    if (was.isValid() && was.toBool() == on)
        return;
    button->setProperty(switchState, on);
    if (!was.isValid()) {
        // Qt's own interface, if one was made already, would stay in use: it goes.
        if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(button);
            made && !dynamic_cast<SwitchAccessible *>(made))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
        return;
    }
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(button, changed);
    QAccessible::updateAccessibility(&event);
}

void setStand(QWidget *figure, const QString &stand)
{
    const QVariant was = figure->property(standWords);
    if (was.isValid() && was.toString() == stand)
        return;
    figure->setProperty(standWords, stand);
    if (!was.isValid()) {
        // Qt's own interface, if one was made already, would stay in use: it goes.
        if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(figure);
            made && !dynamic_cast<FigureAccessible *>(made))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
        return;
    }
    QAccessibleEvent event(figure, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void announce(QWidget *focused, const QString &words)
{
    if (!focused || words.isEmpty())
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(focused, words);
    QAccessible::updateAccessibility(&event);
#else
    QWidget *window = focused->window();
    auto *announcer = window->findChild<QWidget *>(QLatin1String(announcerName), Qt::FindDirectChildrenOnly);
    if (!announcer)
        announcer = new Announcer(window);
    announcer->setProperty(announcerWords, words);
    // Hidden and shown again, so that the same words twice (two wrong answers) are said twice.
    announcer->hide();
    announcer->show();
#endif
}

QString lastAnnouncement(const QWidget *window)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (const auto *announcer =
            window->findChild<const QWidget *>(QLatin1String(announcerName), Qt::FindDirectChildrenOnly))
        return announcer->property(announcerWords).toString();
#else
    Q_UNUSED(window)
#endif
    return QString();
}

void installAccessibleControls()
{
    QAccessible::installFactory(kitControls);
}

} // namespace kit
