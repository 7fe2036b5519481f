// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>
#include <QStringList>
#include <optional>

namespace kit {

// A straight line to speech-dispatcher, for the voice's thread, in its own protocol (SSIP: lines
// of text over a unix socket). Its library ends the whole process when the service answers
// something it does not expect, and writes to a dead socket without guarding against SIGPIPE;
// here every call has a time limit and anything but a proper answer only makes the call fail.
// Qt's own engine asks the service for every voice of every module before it says a word
// (espeak-ng alone has thousands); this asks for German and lets the service take its own German
// voice, so the first word comes at once.
class SpeechDispatcher
{
public:
    enum class Opened { Yes, NotInstalled, NoAnswer };
    enum class German { Yes, No, NoAnswer };

    // How long the service may take: for an answer, for its whole voice list, and to start.
    struct Limits
    {
        int answerMs = 1500;
        int voiceListMs = 5000;
        int startMs = 8000;
    };

    SpeechDispatcher();
    explicit SpeechDispatcher(Limits limits);
    ~SpeechDispatcher();
    SpeechDispatcher(const SpeechDispatcher &) = delete;
    SpeechDispatcher &operator=(const SpeechDispatcher &) = delete;

    // The service's socket as its own library finds it: SPEECHD_ADDRESS ("unix_socket:PATH"),
    // else the user's runtime folder, else the cache folder. Nothing for another kind of address.
    static std::optional<QString> socketPath();

    // Connects, starting the service where it is installed but not running, and sets up German
    // at a child's pace.
    Opened open();
    bool isOpen() const { return socket_ >= 0; }
    // Cuts off what is being said, then says the text (an empty one only stops). False when the
    // service did not answer as it should; the line is closed then.
    bool say(const QString &text);
    // Looks through the service's modules, and where none of them always speaks German, through
    // its voices.
    German hasGermanVoice();
    void close();

    // The text as one line the protocol cannot mistake for anything else: no control characters,
    // and a leading dot doubled.
    static QByteArray lineFor(const QString &text);

private:
    bool connectTo(const QString &path);
    bool startService(const QString &program, const QString &path);
    // Sends a command (and, for SPEAK, its text) and reads the whole answer, which must end
    // with the expected code; the lines before the last one come back in body.
    bool call(const QByteArray &command, int expected, QStringList *body = nullptr, int limitMs = 0);
    bool send(const QByteArray &bytes, const QDeadlineTimer &deadline);
    bool readReply(int expected, QStringList *body, const QDeadlineTimer &deadline);
    bool readLine(QByteArray &line, const QDeadlineTimer &deadline);

    Limits limits_;
    int socket_ = -1;
    QByteArray buffer_; // what has been read but not yet taken as lines
};

} // namespace kit
