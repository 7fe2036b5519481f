// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace kit {

// Whether anything at all holds the name: a file, a folder, or a link, even one leading nowhere.
bool nameTaken(const QString &path);

// `path` when nothing holds it, else the first free one of "name (2).ext", "name (3).ext" …
// "name (9999).ext"; `path` again when every one is taken.
QString firstFreeName(const QString &path);

// A file the program makes for the user (a worksheet, a font sample). It is written under a
// hidden temporary name beside its place and gets a real name only once every byte is on the
// disk, so a full disk or a crash never leaves a broken file under that name. It takes the name
// asked for or, when anything holds it, the first free "(n)" variant: nothing that exists, and
// nothing a link points to, is ever replaced.
class NewFile final : public QIODevice
{
public:
    // Creates the temporary file, exclusively; isOpen() says whether that worked.
    explicit NewFile(const QString &wantedPath);
    // A file never committed is removed.
    ~NewFile() override;

    bool isSequential() const override { return true; }

    // Whether every byte written so far reached the file.
    bool intact() const { return errorNumber_ == 0 && isOpen(); }
    // The last bytes written, for a format's end mark.
    QByteArray tail() const { return tail_; }

    // Flushes, syncs and closes the file and gives it its name. Returns the path it got; empty
    // when anything failed, and then the temporary file is gone too.
    QString commit();
    // Why the file could not be saved, in plain German; empty when the system gave no reason.
    QString failureReason() const;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override;

private:
    bool writeOut();
    bool fail();
    void discard();

    QString wanted_;
    QByteArray temporary_; // the encoded path of the temporary file
    int fd_ = -1;
    QByteArray buffer_;
    QByteArray tail_;
    qint64 written_ = 0;
    int errorNumber_ = 0;
};

} // namespace kit
