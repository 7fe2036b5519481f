#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The quarimo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""A stand-in for speech-dispatcher on a unix socket, as good or as bad as asked.

Usage: fake_speechd.py SOCKET LOG MODE
  german    answers like the real service, with a German module
  english   answers like the real service, but with English voices only
  nonsense  answers every line with bytes that are no answer at all
  mute      takes connections and never answers
Every line received is appended to LOG (one line each, the text of a SPEAK as "SAID text").
"""

import os
import socket
import sys
import threading

path, log_path, mode = sys.argv[1], sys.argv[2], sys.argv[3]
log_lock = threading.Lock()


def log(line):
    with log_lock, open(log_path, "a", encoding="utf-8") as log_file:
        log_file.write(line + "\n")


ANSWERS = {
    "SET": b"2%02d OK SET\r\n",
    "CANCEL": b"213 OK CANCELED\r\n",
    "STOP": b"210 OK STOPPED\r\n",
    "QUIT": b"231 HAPPY HACKING\r\n",
}
SET_CODES = {"CLIENT_NAME": 8, "LANGUAGE": 1, "RATE": 3, "PRIORITY": 2}


def answer(command):
    words = command.split()
    if not words:
        return b"300 ERR\r\n"
    head = words[0].upper()
    if head == "SET" and len(words) >= 3:
        return b"2%02d OK SET\r\n" % SET_CODES.get(words[2].upper(), 0)
    if head == "LIST" and len(words) >= 2 and words[1].upper() == "OUTPUT_MODULES":
        module = b"espeak-ng" if mode == "german" else b"festival"
        return b"250-" + module + b"\r\n250-dummy\r\n250 OK MODULE LIST SENT\r\n"
    if head == "LIST" and len(words) >= 2 and words[1].upper() == "SYNTHESIS_VOICES":
        voices = [b"kal\ten-GB\tnone", b"slt\ten-US\tnone"]
        if mode == "german":
            voices.append(b"german\tde\tnone")
        return b"".join(b"249-" + v + b"\r\n" for v in voices) + b"249 OK VOICE LIST SENT\r\n"
    if head == "HISTORY" and [w.upper() for w in words[1:3]] == ["GET", "CLIENT_ID"]:
        return b"245-1\r\n245 OK CLIENT ID SENT\r\n"
    return ANSWERS.get(head, b"300 ERR UNKNOWN\r\n")


def serve(connection):
    reading_text = None
    pending = b""
    with connection:
        while True:
            data = connection.recv(4096)
            if not data:
                return
            pending += data
            while b"\r\n" in pending:
                raw, pending = pending.split(b"\r\n", 1)
                line = raw.decode("utf-8", "replace")
                if reading_text is not None:
                    if line == ".":
                        log("SAID " + " ".join(reading_text))
                        reading_text = None
                        reply = b"225-1\r\n225 OK MESSAGE QUEUED\r\n"
                    else:
                        reading_text.append(line[1:] if line.startswith("..") else line)
                        continue
                else:
                    log(line)
                    if mode == "mute":
                        continue
                    if mode == "nonsense":
                        reply = b"Fatal \x00\xff gibberish without a code\n999"
                    elif line.upper() == "SPEAK":
                        reading_text = []
                        reply = b"230 OK RECEIVING DATA\r\n"
                    else:
                        reply = answer(line)
                try:
                    connection.sendall(reply)
                except OSError:
                    return


def main():
    try:
        os.unlink(path)
    except FileNotFoundError:
        pass
    server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    server.bind(path)
    server.listen(8)
    log("STARTED " + mode)
    while True:
        connection, _ = server.accept()
        threading.Thread(target=serve, args=(connection,), daemon=True).start()


main()
