// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Reads words and tasks aloud for children who cannot read yet. Where the machine has no voice,
// nothing is said and nothing else changes: no box, no waiting.
class Speech
{
public:
    virtual ~Speech() = default;
    // Says the text, cutting off whatever is still being said. Returns at once.
    virtual void speak(const QString &text) = 0;
};

namespace seams {

Speech &speech();
// Installs a replacement (not owned); nullptr restores the German voice of the machine.
void setSpeech(Speech *replacement);

} // namespace seams
