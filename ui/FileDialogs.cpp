// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/FileDialogs.h"

#include <QApplication>
#include <QFileDialog>

namespace {

class QtFileDialogs final : public FileDialogs
{
public:
    QString saveFileName(const QString &title, const QString &proposedPath, const QString &filter) override
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
};

QtFileDialogs qtFileDialogs;
FileDialogs *current = nullptr;

} // namespace

namespace seams {

FileDialogs &fileDialogs()
{
    return current ? *current : qtFileDialogs;
}

void setFileDialogs(FileDialogs *replacement)
{
    current = replacement;
}

} // namespace seams
