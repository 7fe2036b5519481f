// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/machine/Platform.h"

#include "ui/machine/Seams.h"
#include "ui/speech/Reading.h"

namespace kit {

// Every box goes through here, so none is left unsaid, whoever shows it.
class Platform::SpokenDialogs final : public Dialogs
{
public:
    explicit SpokenDialogs(Platform &platform) : platform_(platform) {}

    void message(const QString &text, const QString &title) override
    {
        platform_.reading().sayBox(text, QStringLiteral("Klick OK."));
        platform_.machineDialogs().message(text, title);
    }

    Answer question(const QString &text, const QString &title) override
    {
        platform_.reading().sayBox(text, QStringLiteral("Klick Ja oder Nein."));
        return platform_.machineDialogs().question(text, title);
    }

    QString inputBox(const QString &prompt, const QString &title, const QString &proposed) override
    {
        // A child who cannot write yet asks a grown-up; the buttons are said with the box.
        platform_.reading().sayBox(prompt, QStringLiteral("Dann klick OK."));
        return platform_.machineDialogs().inputBox(prompt, title, proposed);
    }

    void help(const QString &text, const QString &title, const QString &sentence) override
    {
        platform_.reading().sayBox(text, QStringLiteral("Klick OK."));
        platform_.machineDialogs().help(text, title, sentence);
    }

    void beep() override { platform_.machineDialogs().beep(); }

private:
    Platform &platform_;
};

Platform::Platform()
    : reading_(std::make_unique<Reading>([this]() -> Speech & { return speech(); })),
      spokenDialogs_(std::make_unique<SpokenDialogs>(*this))
{
}

Platform::~Platform() = default;

Dialogs &Platform::dialogs()
{
    return *spokenDialogs_;
}

Reading &Platform::reading()
{
    return *reading_;
}

} // namespace kit
