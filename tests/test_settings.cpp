// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/SettingsFile.h"
#include "support/FailingSettingsWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <dirent.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether the platform really refuses to create files in `dir` (root ignores file modes).
bool refusesWrites(const QString &dir)
{
    QFile probe(dir + QStringLiteral("/probe"));
    if (!probe.open(QIODevice::WriteOnly))
        return true;
    probe.close();
    probe.remove();
    return false;
}

QStringList filesIn(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

bool isFifo(const QString &path)
{
    struct stat status = {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
}

const QByteArray oldBytes(" 15 \r\n");

} // namespace

class SettingsTest : public QObject
{
    Q_OBJECT
private slots:
    // What a settings file may say: 0 stands for "not a number range".
    void parseSettings_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("range");
        QTest::newRow("as the program writes it") << QByteArray(" 10 \r\n") << 10;
        QTest::newRow("written for 20") << QByteArray(" 20 \r\n") << 20;
        QTest::newRow("only the digits 20") << QByteArray("20") << 20;
        QTest::newRow("leading blanks") << QByteArray("     15") << 15;
        QTest::newRow("ends at a blank") << QByteArray("14 Zahlen") << 14;
        QTest::newRow("ends at a comma") << QByteArray("13,7") << 13;
        QTest::newRow("ends at CR") << QByteArray("16\r\nmore") << 16;
        QTest::newRow("ends at LF") << QByteArray("17\n") << 17;
        QTest::newRow("leading zero") << QByteArray("011") << 11;
        for (int range = settingsfile::lowestRange; range <= settingsfile::highestRange; ++range)
            QTest::addRow("range %d", range) << QByteArray::number(range) << range;

        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("only blanks") << QByteArray("    ") << 0;
        QTest::newRow("empty line") << QByteArray("\r\n") << 0;
        QTest::newRow("a word") << QByteArray("zehn") << 0;
        QTest::newRow("digits then letters") << QByteArray("12a") << 0;
        QTest::newRow("below the range") << QByteArray("9") << 0;
        QTest::newRow("above the range") << QByteArray("21") << 0;
        QTest::newRow("zero") << QByteArray("0") << 0;
        QTest::newRow("huge") << QByteArray("123456789012345678901234567890") << 0;
        QTest::newRow("negative") << QByteArray("-12") << 0;
        QTest::newRow("fraction") << QByteArray("12.5") << 0;
        QTest::newRow("decimal comma reads the whole part") << QByteArray("12,5") << 12;
        QTest::newRow("binary") << QByteArray("\x00\x01\xfe\xff", 4) << 0;
        QTest::newRow("digits then NUL") << QByteArray("12\x00", 3) << 0;
    }
    void parseSettings()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, range);
        const std::optional<int> parsed = settingsfile::parseSettings(data);
        QCOMPARE(parsed.value_or(0), range);
    }

    // Files on disk, including ones that are no settings file at all.
    void readSettings_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("range");
        QTest::newRow("missing") << QStringLiteral("missing") << QByteArray() << 0;
        QTest::newRow("a folder") << QStringLiteral("folder") << QByteArray() << 0;
        QTest::newRow("written by the program") << QStringLiteral("file") << QByteArray(" 18 \r\n") << 18;
        QTest::newRow("megabytes of digits") << QStringLiteral("file") << QByteArray(8 << 20, '7') << 0;
        QTest::newRow("range then megabytes")
            << QStringLiteral("file") << QByteArray("15\r\n") + QByteArray(8 << 20, 'x') << 15;
        // The number seems to end where reading stops, but the file goes on with more digits.
        QTest::newRow("number running past the read limit")
            << QStringLiteral("file") << QByteArray(4094, ' ') + QByteArray("157") << 0;
    }
    void readSettings()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, data);
        QFETCH(int, range);
        QTemporaryDir dir;
        const QString path = dir.filePath(settingsfile::fileName());
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir(dir.path()).mkdir(settingsfile::fileName()));
        else if (kind == QLatin1String("file"))
            writeFile(path, data);
        QCOMPARE(settingsfile::readSettings(path).value_or(0), range);
    }

    void unreadableFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(settingsfile::fileName());
        writeFile(path, " 15 \r\n");
        QFile::setPermissions(path, QFileDevice::WriteOwner);
        QFile probe(path);
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("file modes do not stop this user from reading");
        QVERIFY(!settingsfile::readSettings(path).has_value());
    }

    void writtenBytes_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("10") << 10 << QByteArray(" 10 \r\n");
        QTest::newRow("15") << 15 << QByteArray(" 15 \r\n");
        QTest::newRow("20") << 20 << QByteArray(" 20 \r\n");
    }
    void writtenBytes()
    {
        QFETCH(int, range);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(settingsfile::fileName());
        // An older, longer file is replaced whole, not overwritten in part.
        writeFile(path, "  17 written by hand, with a long comment behind it\r\n");
        QVERIFY(settingsfile::writeSettings(path, range));
        QCOMPARE(readFile(path), bytes);
        QCOMPARE(settingsfile::readSettings(path).value_or(0), range);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{settingsfile::fileName()});
    }

    void writeFailure_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::newRow("read-only folder") << QStringLiteral("read-only");
        QTest::newRow("a folder holds the name") << QStringLiteral("folder");
    }
    void writeFailure()
    {
        QFETCH(QString, obstacle);
        QTemporaryDir dir;
        const QString path = dir.filePath(settingsfile::fileName());
        if (obstacle == QLatin1String("folder")) {
            QVERIFY(QDir(dir.path()).mkdir(settingsfile::fileName()));
        } else {
            // The file itself read-only too: written in place, a writable one would be saved.
            writeFile(path, " 15 \r\n");
            QFile::setPermissions(path, QFileDevice::ReadOwner);
            QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
        const bool refused = refusesWrites(dir.path());
        if (obstacle == QLatin1String("read-only") && !refused) {
            QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            QSKIP("file modes do not stop this user from writing");
        }
        QVERIFY(!settingsfile::writeSettings(path, 12));
        if (obstacle == QLatin1String("read-only")) {
            QCOMPARE(readFile(path), QByteArray(" 15 \r\n")); // the old file stays whole
            QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        }
    }

    // A step of the write fails: the old file stays exactly as it was, or there is still none,
    // and no temporary file is left behind.
    void failedStepKeepsTheOldFile_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<bool>("oldFile");
        using Step = FailingSettingsWriter::Step;
        for (bool oldFile : {true, false}) {
            const char *suffix = oldFile ? ", old file" : ", no file yet";
            QTest::addRow("write%s", suffix) << int(Step::Write) << oldFile;
            QTest::addRow("flush%s", suffix) << int(Step::Flush) << oldFile;
            QTest::addRow("rename%s", suffix) << int(Step::Commit) << oldFile;
        }
    }
    void failedStepKeepsTheOldFile()
    {
        QFETCH(int, step);
        QFETCH(bool, oldFile);
        QTemporaryDir dir;
        const QString path = dir.filePath(settingsfile::fileName());
        if (oldFile)
            writeFile(path, oldBytes);
        FailingSettingsWriter failing{FailingSettingsWriter::Step(step)};
        QVERIFY(!settingsfile::writeSettings(failing, path, 12));
        QCOMPARE(filesIn(dir.path()), oldFile ? QStringList{settingsfile::fileName()} : QStringList());
        if (oldFile)
            QCOMPARE(readFile(path), oldBytes);
    }

    // The real thing: a file system with no room left.
    void fullDisk_data()
    {
        QTest::addColumn<bool>("oldFile");
        QTest::newRow("old file") << true;
        QTest::newRow("no file yet") << false;
    }
    void fullDisk()
    {
        QFETCH(bool, oldFile);
        QTemporaryDir dir;
        const QByteArray mountPoint = QFile::encodeName(dir.path());
        if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=4k") != 0)
            QSKIP("mounting a tiny tmpfs is not allowed here (needs root or CAP_SYS_ADMIN)");
        const QString path = dir.filePath(settingsfile::fileName());
        // One page holds the whole file system: the old file, or a filler where there is none.
        writeFile(oldFile ? path : dir.filePath(QStringLiteral("filler")), oldFile ? oldBytes : QByteArray(4096, 'x'));
        const bool written = settingsfile::writeSettings(path, 12);
        const QStringList files = filesIn(dir.path());
        const QByteArray bytes = readFile(path);
        ::umount2(mountPoint.constData(), MNT_DETACH);

        QVERIFY(!written);
        QCOMPARE(files, QStringList{oldFile ? settingsfile::fileName() : QStringLiteral("filler")});
        if (oldFile)
            QCOMPARE(bytes, oldBytes);
    }

    // Only a regular file is ever read or written; a FIFO, a folder or a link leading to one or
    // to nothing stays as it is, and reading does not wait for a FIFO's writer.
    void specialFilesStayUntouched_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << QStringLiteral("fifo");
        QTest::newRow("link to a FIFO") << QStringLiteral("link to fifo");
        QTest::newRow("link to a folder") << QStringLiteral("link to folder");
        QTest::newRow("link to nothing") << QStringLiteral("dangling link");
    }
    void specialFilesStayUntouched()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath(settingsfile::fileName());
        const QString fifo = dir.filePath(QStringLiteral("fifo"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        const QString target = kind == QLatin1String("link to fifo")     ? fifo
                               : kind == QLatin1String("link to folder") ? dir.filePath(QStringLiteral("folder"))
                                                                         : dir.filePath(QStringLiteral("nothing"));
        if (kind == QLatin1String("fifo"))
            QVERIFY(QFile::rename(fifo, path));
        else
            QVERIFY(QFile::link(target, path));
        const QStringList before = filesIn(dir.path());

        QVERIFY(!settingsfile::readSettings(path).has_value());
        QVERIFY(!settingsfile::writeSettings(path, 12));
        QCOMPARE(filesIn(dir.path()), before);
        if (kind == QLatin1String("fifo"))
            QVERIFY(isFifo(path));
        else
            QCOMPARE(QFileInfo(path).symLinkTarget(), target);
        if (kind == QLatin1String("link to fifo"))
            QVERIFY(isFifo(fifo));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("nothing"))));
    }

    // A link at the settings file's name is never written through or replaced, though it leads to
    // a regular file: the save fails and both stay as they were.
    void linkToAFileStaysUntouched()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(settingsfile::fileName());
        const QString target = dir.filePath(QStringLiteral("elsewhere.txt"));
        writeFile(target, oldBytes);
        QVERIFY(QFile::link(target, path));
        QVERIFY(!settingsfile::writeSettings(path, 12));
        QCOMPARE(QFileInfo(path).symLinkTarget(), target);
        QCOMPARE(readFile(target), oldBytes);
        QCOMPARE(filesIn(dir.path()), (QStringList{QStringLiteral("elsewhere.txt"), QStringLiteral("QUARIMO.INI")}));
    }

    // A working folder whose name is not UTF-8 (a Latin-1 home under a Latin-1 locale): the file
    // is still written there, by the name relative to it.
    void latin1WorkingFolder()
    {
        QTemporaryDir dir;
        const QByteArray folder = QFile::encodeName(dir.path()) + "/Sch\xfcler";
        QCOMPARE(::mkdir(folder.constData(), 0700), 0);
        char before[4096];
        QVERIFY(::getcwd(before, sizeof before));
        QCOMPARE(::chdir(folder.constData()), 0);
        const bool written = settingsfile::writeSettings(settingsfile::fileName(), 14);
        const std::optional<int> read = settingsfile::readSettings(settingsfile::fileName());
        QCOMPARE(::chdir(before), 0);
        // Qt cannot name these entries, so they are counted and removed by their bytes.
        const auto entries = [](const QByteArray &path) {
            QList<QByteArray> names;
            if (DIR *listing = ::opendir(path.constData())) {
                while (const dirent *entry = ::readdir(listing))
                    if (qstrcmp(entry->d_name, ".") != 0 && qstrcmp(entry->d_name, "..") != 0)
                        names.append(QByteArray(entry->d_name));
                ::closedir(listing);
            }
            return names;
        };
        const QList<QByteArray> inside = entries(folder);
        const QList<QByteArray> beside = entries(QFile::encodeName(dir.path()));
        ::unlink((folder + "/QUARIMO.INI").constData());
        ::rmdir(folder.constData());
        QVERIFY(written);
        QCOMPARE(read.value_or(0), 14);
        // Nothing else: no folder of a garbled name beside it, no temporary file left in it.
        QCOMPARE(inside, QList<QByteArray>{"QUARIMO.INI"});
        QCOMPARE(beside, QList<QByteArray>{"Sch\xfcler"});
    }

    // In a working folder that allows no new file, a writable settings file is written in place;
    // where there is none yet, the write fails (and the exit says so) and leaves nothing.
    void readOnlyFolder_data()
    {
        QTest::addColumn<bool>("oldFile");
        QTest::newRow("writable file") << true;
        QTest::newRow("no file yet") << false;
    }
    void readOnlyFolder()
    {
        QFETCH(bool, oldFile);
        QTemporaryDir dir;
        const QString path = dir.filePath(settingsfile::fileName());
        if (oldFile) {
            writeFile(path, oldBytes);
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther |
                                            QFileDevice::WriteOther);
        }
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                              QFileDevice::ExeOther);
        bool written = false;
        if (::geteuid() == 0) {
            // Root may create files anywhere: the write runs as an ordinary user, in a child that
            // works in the folder as the program does.
            const QByteArray folder = QFile::encodeName(dir.path());
            const pid_t child = ::fork();
            if (child == 0) {
                const bool ready = ::chdir(folder.constData()) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0 &&
                                   refusesWrites(QStringLiteral("."));
                ::_exit(!ready ? 2 : settingsfile::writeSettings(settingsfile::fileName(), 12) ? 0 : 1);
            }
            int status = 0;
            QCOMPARE(::waitpid(child, &status, 0), child);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) != 2);
            written = WEXITSTATUS(status) == 0;
        } else {
            QVERIFY(refusesWrites(dir.path()));
            written = settingsfile::writeSettings(path, 12);
        }
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(written, oldFile);
        if (oldFile)
            QCOMPARE(readFile(path), QByteArray(" 12 \r\n"));
        QCOMPARE(filesIn(dir.path()), oldFile ? QStringList{settingsfile::fileName()} : QStringList());
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "test_settings.moc"
