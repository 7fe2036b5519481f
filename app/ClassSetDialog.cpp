// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ClassSetDialog.h"

#include "print/SheetTable.h"
#include "ui/QtDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using print::ClassSet;
using print::ClassSetGroup;

namespace {

enum Column { NameColumn, RowColumn, RangeColumn, SheetsColumn, RemoveColumn };

} // namespace

ClassSetDialog::ClassSetDialog(int row, int range, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("classSetDialog"));
    setWindowTitle(QStringLiteral("Klassensatz"));
    setFont(QtDialogs::dialogFont());

    auto *intro = new QLabel(QStringLiteral("Blätter für bis zu %1 Gruppen, zusammen höchstens %2:")
                                 .arg(ClassSet::maxGroups)
                                 .arg(ClassSet::maxSheets),
                             this);

    grid_ = new QGridLayout;
    grid_->setColumnStretch(RowColumn, 1);
    grid_->addWidget(new QLabel(QStringLiteral("Blatt"), this), 0, RowColumn);
    grid_->addWidget(new QLabel(QStringLiteral("Zahlen bis"), this), 0, RangeColumn);
    grid_->addWidget(new QLabel(QStringLiteral("Anzahl"), this), 0, SheetsColumn);

    addButton = new QPushButton(QStringLiteral("Gruppe hinzufügen"), this);
    addButton->setAutoDefault(false);
    connect(addButton, &QPushButton::clicked, this, &ClassSetDialog::addGroup);

    keysApart = new QCheckBox(QStringLiteral("Lösungen getrennt drucken"), this);
    keysApart->setToolTip(QStringLiteral("Die Lösungen kommen auf eigene Seiten am Ende, nicht unten auf die Blätter."));

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
    page->addLayout(grid_);
    page->addLayout(addRow);
    page->addSpacing(fontMetrics().height() / 2);
    page->addWidget(keysApart);
    page->addWidget(total);
    page->addSpacing(fontMetrics().height() / 2);
    page->addLayout(buttons);

    appendGroup({row, range, 25});
    placeGroups();
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
    GroupControls controls{new QLabel(this), new QComboBox(this), new QSpinBox(this), new QSpinBox(this),
                           new QPushButton(QStringLiteral("Entfernen"), this)};
    for (int row = 1; row <= sheets::rowCount; ++row)
        controls.row->addItem(sheets::rowName(row));
    controls.range->setRange(10, 20);
    controls.sheets->setRange(1, ClassSet::maxSheets);
    controls.remove->setAutoDefault(false);
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
    controls.row->setCurrentIndex(qBound(1, group.row, sheets::rowCount) - 1);
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
}

void ClassSetDialog::removeGroup(int index)
{
    if (index < 0 || index >= groupCount() || groupCount() == 1)
        return;
    const GroupControls gone = groups_[size_t(index)];
    groups_.erase(groups_.begin() + index);
    for (QWidget *widget : {static_cast<QWidget *>(gone.name), static_cast<QWidget *>(gone.row),
                            static_cast<QWidget *>(gone.range), static_cast<QWidget *>(gone.sheets),
                            static_cast<QWidget *>(gone.remove)}) {
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
}

void ClassSetDialog::updateTotal()
{
    if (!total)
        return;
    const int sheets = classSet().totalSheets();
    QString text = sheets == 1 ? QStringLiteral("Zusammen: 1 Blatt") : QStringLiteral("Zusammen: %1 Blätter").arg(sheets);
    if (sheets > ClassSet::maxSheets)
        text += QStringLiteral(" – höchstens %1 sind möglich.").arg(ClassSet::maxSheets);
    total->setText(text);
    printButton->setEnabled(sheets <= ClassSet::maxSheets);
}
