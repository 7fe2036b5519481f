// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace kit {

// Reads words and tasks aloud for children who cannot read yet. Where the machine has no voice,
// nothing is said and nothing else changes: no box, no waiting.
class Speech
{
public:
    // Whether the machine can speak German: not known until the speech service has answered.
    // None: the speech service is there but has no German voice; NoService: there is none.
    enum class Voice { Unknown, German, None, NoService };

    virtual ~Speech() = default;
    // Says the text, cutting off whatever is still being said; an empty text only stops it.
    // Returns at once.
    virtual void speak(const QString &text) = 0;
    virtual Voice voice() const = 0;
    // Asks the speech service early, without saying anything, so that voice() soon knows.
    virtual void prepare() {}
};

// For machines with no one to listen: says nothing.
class Silence final : public Speech
{
public:
    void speak(const QString &) override {}
    Voice voice() const override { return Voice::None; }
};

} // namespace kit
