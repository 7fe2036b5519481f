// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/ClassSet.h"

#include <QDialog>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;

// "Klassensatz": the teacher puts together up to eight groups, each with its own worksheet row,
// number range and number of sheets, and chooses whether the keys go onto pages of their own.
class ClassSetDialog : public QDialog
{
    Q_OBJECT
public:
    // Proposes one group: the row the dialog was opened on, the range, 25 sheets; drawn at the
    // zoom of the windows.
    ClassSetDialog(int row, int range, double zoom, QWidget *parent = nullptr);
    ~ClassSetDialog() override;

    worksheets::ClassSet classSet() const;
    int groupCount() const { return int(groups_.size()); }
    // Adds a group like the last one, with the sheets still free (at least one).
    void addGroup();
    void removeGroup(int index);
    void setGroup(int index, const worksheets::ClassSetGroup &group);

    QLabel *total = nullptr;
    QCheckBox *keysApart = nullptr;
    QPushButton *addButton = nullptr;
    QPushButton *printButton = nullptr;
    QPushButton *cancelButton = nullptr;

private:
    struct GroupControls
    {
        QLabel *name;
        QComboBox *row;
        QSpinBox *range;
        QSpinBox *sheets;
        QPushButton *remove;
    };

    void appendGroup(const worksheets::ClassSetGroup &group);
    void placeGroups();
    void updateTotal();
    void fitToScreen();

    QScrollArea *groupsArea_ = nullptr;
    QGridLayout *grid_ = nullptr;
    std::vector<GroupControls> groups_;
};
