// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/machine/FileDialogs.h"

#include <QApplication>
#include <QFileDialog>

namespace kit {

QString QtFileDialogs::saveFileName(const QString &title, const QString &proposedPath, const QString &filter)
{
    QFileDialog dialog(QApplication::activeWindow(), title, proposedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Nothing is ever replaced: a taken name gets " (2)" and the caller says which name.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(proposedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace kit
