// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/SettingsFile.h"

// Writes the settings file as the program does, but lets one step fail as a full disk or a
// failed rename would.
class FailingSettingsWriter final : public settingsfile::Writer
{
public:
    enum class Step { Write, Flush, Commit };

    explicit FailingSettingsWriter(Step failing) : failing_(failing) {}

    bool open(const QString &path) override { return real_.open(path); }
    bool write(const QByteArray &bytes) override { return failing_ != Step::Write && real_.write(bytes); }
    bool flush() override { return failing_ != Step::Flush && real_.flush(); }
    bool commit() override
    {
        if (failing_ != Step::Commit)
            return real_.commit();
        real_.cancel(); // as a failed rename leaves it: the temporary file gone, the old one in place
        return false;
    }
    void cancel() override { real_.cancel(); }

private:
    Step failing_;
    settingsfile::SaveFileWriter real_;
};
