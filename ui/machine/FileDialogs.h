// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace kit {

// The file dialog goes through this seam too, so tests can answer it.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    // Asks where to save; the proposed path is preselected. Empty when cancelled. The dialog
    // does not offer to replace a file: the caller saves beside it under a free name.
    virtual QString saveFileName(const QString &title, const QString &proposedPath, const QString &filter) = 0;
};

// Qt's own file dialog, in front of the active window.
class QtFileDialogs final : public FileDialogs
{
public:
    QString saveFileName(const QString &title, const QString &proposedPath, const QString &filter) override;
};

} // namespace kit
