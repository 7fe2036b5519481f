// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

namespace kit {

// Reads words and tasks aloud for children who cannot read yet. Where the machine has no voice,
// nothing is said and nothing else changes: no box, no waiting.
class Speech
{
public:
    // Whether the machine can speak German: not known until the speech service has answered.
    // Else why it cannot: the service has no German voice, it is installed but does not answer
    // (it died, hangs or talks nonsense), or there is none.
    enum class Voice { Unknown, German, NoGermanVoice, NoAnswer, NotInstalled };

    virtual ~Speech() = default;
    // Says the text, cutting off whatever is still being said; an empty text only stops it.
    // Returns at once.
    virtual void speak(const QString &text) = 0;
    virtual Voice voice() const = 0;
    // Asks the speech service early, without saying anything, so that voice() soon knows; where
    // it failed before, asks it again.
    virtual void prepare() {}
    // The watcher is called on the windows' thread whenever voice() has changed; a new watcher
    // takes the place of the one before.
    virtual void watchVoice(std::function<void()> changed) { (void)changed; }
};

// For machines with no one to listen: says nothing, as if there were no speech service.
class Silence final : public Speech
{
public:
    void speak(const QString &) override {}
    Voice voice() const override { return Voice::NotInstalled; }
};

} // namespace kit
