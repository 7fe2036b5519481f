// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/speech/Speech.h"

#include <QStringList>

// Keeps every text the program asks to have said, in order, and says nothing.
class RecordingSpeech final : public kit::Speech
{
public:
    void speak(const QString &text) override { said.append(text); }
    Voice voice() const override { return answer; }
    void watchVoice(std::function<void()> changed) override { watcher = std::move(changed); }
    // The machine's voice changes, and the watcher hears of it.
    void tell(Voice voice)
    {
        answer = voice;
        if (watcher)
            watcher();
    }

    QStringList said;
    Voice answer = Voice::German; // what the machine is said to have
    std::function<void()> watcher;
};
