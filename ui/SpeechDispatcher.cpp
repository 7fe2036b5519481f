// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SpeechDispatcher.h"

#ifdef QUARIMO_SPEECHD
#include <speech-dispatcher/libspeechd.h>

#include <cstdlib>
#include <cstring>
#endif

namespace kit {

#ifdef QUARIMO_SPEECHD

namespace {

SPDConnection *line(void *connection)
{
    return static_cast<SPDConnection *>(connection);
}

} // namespace

SpeechDispatcher::~SpeechDispatcher()
{
    if (connection_)
        spd_close(line(connection_));
}

bool SpeechDispatcher::available()
{
    return true;
}

bool SpeechDispatcher::open()
{
    if (connection_)
        return true;
    char *error = nullptr;
    connection_ = spd_open2("quarimo", "main", nullptr, SPD_MODE_SINGLE, nullptr, 1, &error);
    std::free(error);
    if (!connection_)
        return false;
    // The service's own voice for German; a little slower than grown-ups talk.
    spd_set_language(line(connection_), "de");
    spd_set_voice_rate(line(connection_), -15);
    return true;
}

void SpeechDispatcher::say(const QString &text)
{
    if (!connection_)
        return;
    spd_cancel(line(connection_));
    if (!text.isEmpty())
        spd_say(line(connection_), SPD_MESSAGE, text.toUtf8().constData());
}

bool SpeechDispatcher::hasGermanVoice()
{
    if (!connection_)
        return false;
    // The modules that always bring a German voice answer at once. Asking a module for its voices
    // takes seconds, and one busy speaking may not answer until it has finished.
    if (char **modules = spd_list_modules(line(connection_))) {
        bool german = false;
        for (char **module = modules; *module && !german; ++module)
            german = std::strcmp(*module, "espeak-ng") == 0 || std::strcmp(*module, "espeak") == 0 ||
                     std::strcmp(*module, "pico") == 0;
        free_spd_modules(modules);
        if (german)
            return true;
    }
    SPDVoice **voices = spd_list_synthesis_voices(line(connection_));
    if (!voices)
        return true; // a module that lists nothing may still speak German
    if (!voices[0]) {
        free_spd_voices(voices);
        return true;
    }
    bool german = false;
    for (SPDVoice **voice = voices; *voice && !german; ++voice)
        german = (*voice)->language && std::strncmp((*voice)->language, "de", 2) == 0;
    free_spd_voices(voices);
    return german;
}

#else

SpeechDispatcher::~SpeechDispatcher() = default;

bool SpeechDispatcher::available()
{
    return false;
}

bool SpeechDispatcher::open()
{
    return false;
}

void SpeechDispatcher::say(const QString &) {}

bool SpeechDispatcher::hasGermanVoice()
{
    return false;
}

#endif

} // namespace kit
