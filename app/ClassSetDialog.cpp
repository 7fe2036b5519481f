// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ClassSetDialog.h"

#include "print/SheetTable.h"
#include "ui/machine/QtDialogs.h"
#include "ui/speech/Accessibility.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

using kit::QtDialogs;

using worksheets::ClassSet;
using worksheets::ClassSetGroup;

namespace {

enum Column { NameColumn, RowColumn, RangeColumn, SheetsColumn, RemoveColumn };

// The check box's square grows with the zoom like its text.
class ZoomedIndicator final : public QProxyStyle
{
public:
    explicit ZoomedIndicator(double zoom) : zoom_(zoom) {}

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        const int plain = QProxyStyle::pixelMetric(metric, option, widget);
        if (metric == PM_IndicatorWidth || metric == PM_IndicatorHeight)
            return int(std::lround(plain * zoom_));
        return plain;
    }

private:
    const double zoom_;
};

} // namespace

ClassSetDialog::ClassSetDialog(int row, int range, double zoom, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("classSetDialog"));
    setWindowTitle(QStringLiteral("Klassensatz"));
    setFont(QtDialogs::dialogFont(zoom));

    auto *intro = new QLabel(QStringLiteral("Blätter für bis zu %1 Gruppen, zusammen höchstens %2:")
                                 .arg(ClassSet::maxGroups)
                                 .arg(ClassSet::maxSheets),
                             this);

    // The groups scroll when eight of them at a large zoom are more than the screen holds.
    auto *panel = new QWidget;
    grid_ = new QGridLayout(panel);
    grid_->setContentsMargins(0, 0, 0, 0);
    grid_->setColumnStretch(RowColumn, 1);
    grid_->setHorizontalSpacing(fontMetrics().height() / 2);
    grid_->addWidget(new QLabel(QStringLiteral("Blatt"), panel), 0, RowColumn);
    grid_->addWidget(new QLabel(QStringLiteral("Zahlen bis"), panel), 0, RangeColumn);
    grid_->addWidget(new QLabel(QStringLiteral("Anzahl"), panel), 0, SheetsColumn);
    groupsArea_ = new QScrollArea(this);
    groupsArea_->setFrameShape(QFrame::NoFrame);
    groupsArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    groupsArea_->setWidgetResizable(true);
    groupsArea_->setWidget(panel);
    // Tab goes through the groups' fields, which the area scrolls into view; the area itself is
    // no stop a screen reader would have to name.
    groupsArea_->setFocusPolicy(Qt::NoFocus);
    groupsArea_->setAccessibleName(QStringLiteral("Gruppen"));

    addButton = new QPushButton(QStringLiteral("Gruppe hinzufügen"), this);
    addButton->setAutoDefault(false);
    connect(addButton, &QPushButton::clicked, this, &ClassSetDialog::addGroup);

    keysApart = new QCheckBox(QStringLiteral("Lösungen getrennt drucken"), this);
    auto *indicator = new ZoomedIndicator(zoom);
    indicator->setParent(keysApart);
    keysApart->setStyle(indicator);
    keysApart->setToolTip(
        QStringLiteral("Die Lösungen kommen auf eigene Seiten am Ende, nicht unten auf die Blätter."));

    total = new QLabel(this);
    total->setObjectName(QStringLiteral("total"));

    printButton = new QPushButton(QStringLiteral("Drucken"), this);
    printButton->setDefault(true);
    printButton->setToolTip(QStringLiteral("Ohne Drucker wird eine PDF-Datei gespeichert."));
    cancelButton = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancelButton->setAutoDefault(false);
    connect(printButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *addRow = new QHBoxLayout;
    addRow->addWidget(addButton);
    addRow->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(printButton);
    buttons->addWidget(cancelButton);

    auto *page = new QVBoxLayout(this);
    page->setSizeConstraint(QLayout::SetFixedSize); // grows and shrinks with the groups
    page->addWidget(intro);
    page->addWidget(groupsArea_);
    page->addLayout(addRow);
    page->addSpacing(fontMetrics().height() / 2);
    page->addWidget(keysApart);
    page->addWidget(total);
    page->addSpacing(fontMetrics().height() / 2);
    page->addLayout(buttons);

    appendGroup({row, range, 25});
    placeGroups();
    groups_.front().row->setFocus(Qt::OtherFocusReason);
}

ClassSetDialog::~ClassSetDialog() = default;

ClassSet ClassSetDialog::classSet() const
{
    ClassSet set;
    for (const GroupControls &group : groups_)
        set.groups.append({group.row->currentIndex() + 1, group.range->value(), group.sheets->value()});
    set.keysApart = keysApart->isChecked();
    return set;
}

void ClassSetDialog::appendGroup(const ClassSetGroup &group)
{
    QWidget *panel = groupsArea_->widget();
    GroupControls controls{new QLabel(panel), new QComboBox(panel), new QSpinBox(panel), new QSpinBox(panel),
                           new QPushButton(QStringLiteral("Entfernen"), panel)};
    kit::nameComboBoxItself(controls.row);
    for (int row = 1; row <= sheettable::rowCount; ++row)
        controls.row->addItem(sheettable::rowName(row));
    controls.range->setRange(10, 20);
    controls.sheets->setRange(1, ClassSet::maxSheets);
    controls.remove->setAutoDefault(false);
    // Shown at once, so the dialog measures the new group before it grows for it.
    for (QWidget *widget : {static_cast<QWidget *>(controls.name), static_cast<QWidget *>(controls.row),
                            static_cast<QWidget *>(controls.range), static_cast<QWidget *>(controls.sheets),
                            static_cast<QWidget *>(controls.remove)})
        widget->show();
    connect(controls.sheets, &QSpinBox::valueChanged, this, &ClassSetDialog::updateTotal);
    QPushButton *remove = controls.remove;
    connect(remove, &QPushButton::clicked, this, [this, remove] {
        for (int i = 0; i < groupCount(); ++i) {
            if (groups_[size_t(i)].remove == remove) {
                removeGroup(i);
                return;
            }
        }
    });
    groups_.push_back(controls);
    setGroup(groupCount() - 1, group);
}

void ClassSetDialog::setGroup(int index, const ClassSetGroup &group)
{
    if (index < 0 || index >= groupCount())
        return;
    const GroupControls &controls = groups_[size_t(index)];
    controls.row->setCurrentIndex(qBound(1, group.row, sheettable::rowCount) - 1);
    controls.range->setValue(group.range);
    controls.sheets->setValue(group.sheets);
    updateTotal();
}

void ClassSetDialog::addGroup()
{
    if (groupCount() >= ClassSet::maxGroups)
        return;
    ClassSetGroup next = classSet().groups.last();
    next.sheets = qMax(1, ClassSet::maxSheets - classSet().totalSheets());
    next.sheets = qMin(next.sheets, classSet().groups.last().sheets);
    appendGroup(next);
    placeGroups();
    groups_.back().row->setFocus(Qt::TabFocusReason);
    groupsArea_->ensureWidgetVisible(groups_.back().row);
}

void ClassSetDialog::removeGroup(int index)
{
    if (index < 0 || index >= groupCount() || groupCount() == 1)
        return;
    const GroupControls gone = groups_[size_t(index)];
    groups_.erase(groups_.begin() + index);
    for (QWidget *widget :
         {static_cast<QWidget *>(gone.name), static_cast<QWidget *>(gone.row), static_cast<QWidget *>(gone.range),
          static_cast<QWidget *>(gone.sheets), static_cast<QWidget *>(gone.remove)}) {
        grid_->removeWidget(widget);
        widget->deleteLater();
    }
    placeGroups();
    // The keyboard stays in the groups: on the one that took the removed one's place.
    groups_[size_t(qMin(index, groupCount() - 1))].row->setFocus(Qt::TabFocusReason);
}

// Puts the groups into the grid in order, numbers them and links the keyboard order.
void ClassSetDialog::placeGroups()
{
    QWidget *previous = nullptr;
    for (int i = 0; i < groupCount(); ++i) {
        const GroupControls &group = groups_[size_t(i)];
        const QString name = QStringLiteral("Gruppe %1").arg(i + 1);
        group.name->setText(name);
        group.row->setAccessibleName(name + QStringLiteral(": Blatt"));
        group.range->setAccessibleName(name + QStringLiteral(": Zahlen bis"));
        group.sheets->setAccessibleName(name + QStringLiteral(": Anzahl der Blätter"));
        group.remove->setAccessibleName(name + QStringLiteral(" entfernen"));
        group.remove->setEnabled(groupCount() > 1);
        grid_->addWidget(group.name, i + 1, NameColumn);
        grid_->addWidget(group.row, i + 1, RowColumn);
        grid_->addWidget(group.range, i + 1, RangeColumn);
        grid_->addWidget(group.sheets, i + 1, SheetsColumn);
        grid_->addWidget(group.remove, i + 1, RemoveColumn);
        for (QWidget *next : {static_cast<QWidget *>(group.row), static_cast<QWidget *>(group.range),
                              static_cast<QWidget *>(group.sheets), static_cast<QWidget *>(group.remove)}) {
            if (previous)
                setTabOrder(previous, next);
            previous = next;
        }
    }
    for (QWidget *next : {static_cast<QWidget *>(addButton), static_cast<QWidget *>(keysApart),
                          static_cast<QWidget *>(printButton), static_cast<QWidget *>(cancelButton)}) {
        setTabOrder(previous, next);
        previous = next;
    }
    addButton->setEnabled(groupCount() < ClassSet::maxGroups);
    updateTotal();
    fitToScreen();
}

// All groups in view where the screen has room for them, else as many as fit, with a scroll bar;
// and the whole dialog on the screen.
void ClassSetDialog::fitToScreen()
{
    QWidget *panel = groupsArea_->widget();
    const QSize content = panel->sizeHint();
    groupsArea_->setFixedHeight(content.height());
    const QRect room = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    const int frame = isVisible() ? frameGeometry().height() - height() : fontMetrics().height() * 2;
    const int excess = layout()->sizeHint().height() + frame - room.height();
    const int scrollBar = excess > 0 ? groupsArea_->verticalScrollBar()->sizeHint().width() : 0;
    if (excess > 0)
        groupsArea_->setFixedHeight(qMax(content.height() - excess, grid_->cellRect(1, RowColumn).bottom() + 1));
    groupsArea_->setFixedWidth(content.width() + scrollBar);
    if (!isVisible())
        return;
    layout()->activate();
    QRect placed = frameGeometry();
    placed.moveBottom(qMin(placed.bottom(), room.bottom()));
    placed.moveTop(qMax(placed.top(), room.top()));
    move(placed.topLeft());
}

void ClassSetDialog::updateTotal()
{
    if (!total)
        return;
    const int sheets = classSet().totalSheets();
    QString text =
        sheets == 1 ? QStringLiteral("Zusammen: 1 Blatt") : QStringLiteral("Zusammen: %1 Blätter").arg(sheets);
    if (sheets > ClassSet::maxSheets)
        text += QStringLiteral(" – höchstens %1 sind möglich.").arg(ClassSet::maxSheets);
    total->setText(text);
    printButton->setEnabled(sheets <= ClassSet::maxSheets);
}
