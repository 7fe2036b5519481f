// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/Worksheets.h"

#include <optional>

class QWidget;
class Random;

// The print preview and the printer it prints to: dialogs of the top of the program, which hand
// print/ only the device to draw on.
struct PreviewOutcome
{
    QString notShown;                      // why the preview could not be shown; empty when it was
    std::optional<worksheets::Outcome> printed; // what printing from the preview did, when it was printed
};

// Shows a new sheet in a print preview from which it can be printed.
PreviewOutcome showPreview(worksheets::Outputs &out, TaskKind kindCode, int range, Random &random, const QString &title,
                           QWidget *parent);
