// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>


// "QUARIMO.INI": the one file the program keeps, holding the number range on one line.
namespace settingsfile {

// The bare file name: it lives in the working directory the program was started in.
QString fileName();

// The lowest and highest number range a child can choose.
constexpr int lowestRange = 10;
constexpr int highestRange = 20;

// Reads the number range from the start of the file's text: leading blanks are skipped and the
// number ends at a blank, a comma or the line end. `wholeFile` says whether `data` is the whole
// file; only then may the number also end where the data ends. Anything else, and any number
// outside 10..20, gives no range.
std::optional<int> parseSettings(const QByteArray &data, bool wholeFile = true);

// Reads the range from the file at `path`; no range when it is missing, unreadable or wrong.
// Only the start of the file is read, so a huge file cannot stall the start.
std::optional<int> readSettings(const QString &path);

// The file's text for a range: blank, digits, blank, CR, LF.
QByteArray settingsBytes(int range);

// The steps of writing the file, each of which can fail on a real disk. The program writes
// through the system's own calls; tests hand in a writer that makes one step fail.
class Writer
{
public:
    virtual ~Writer() = default;
    // Opens a temporary file beside the old one (or, in a folder that allows no new file, the
    // file itself).
    virtual bool open(const QString &path) = 0;
    virtual bool write(const QByteArray &bytes) = 0;
    // Writes out what the buffer holds: a full disk shows here.
    virtual bool flush() = 0;
    // Closes the file and puts it in place of the old one.
    virtual bool commit() = 0;
    // Throws away what was written.
    virtual void cancel() = 0;
};

// The program's own writer: a temporary file beside the old one, renamed over it when finished.
class SaveFileWriter final : public Writer
{
public:
    SaveFileWriter();
    ~SaveFileWriter() override;
    bool open(const QString &path) override;
    bool write(const QByteArray &bytes) override;
    bool flush() override;
    bool commit() override;
    void cancel() override;

private:
    QByteArray target_;
    QByteArray temporary_;
    int fd_ = -1;
    bool direct_ = false; // writing the file itself, in a folder that allows no new file
    qint64 written_ = 0;
};

// Writes the range so that the file is either replaced whole or left as it was (or, where there
// was none, not created); false when the file could not be written. Only a regular file is
// written: anything else of that name, or a link to anything else, stays untouched.
bool writeSettings(Writer &writer, const QString &path, int range);
// The same through the program's own writer.
bool writeSettings(const QString &path, int range);

} // namespace settingsfile
