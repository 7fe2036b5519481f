// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace kit {

// A straight line to speech-dispatcher, for the voice's thread. Qt's own engine asks the service
// for every voice of every module before it says a word (espeak-ng alone has about 13,000, which
// takes seconds); this asks for German and lets the service take its own German voice, so the
// first word comes at once. Whether there is a German voice at all is asked after that word, from
// the modules the service has where one of them always speaks German.
class SpeechDispatcher
{
public:
    SpeechDispatcher() = default;
    ~SpeechDispatcher();
    SpeechDispatcher(const SpeechDispatcher &) = delete;
    SpeechDispatcher &operator=(const SpeechDispatcher &) = delete;

    // Whether this build talks to speech-dispatcher itself.
    static bool available();

    // Connects, starting the service where it is not running; false when there is none.
    bool open();
    // Cuts off what is being said, then says the text (an empty one only stops).
    void say(const QString &text);
    // Looks through the service's voices: false only when it lists voices and none is German.
    bool hasGermanVoice();

private:
    void *connection_ = nullptr; // the library's connection, which its header does not let us name here
};

} // namespace kit
