#include "app/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

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
        for (int range = settings::lowestRange; range <= settings::highestRange; ++range)
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
        const std::optional<int> parsed = settings::parseSettings(data);
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
        QTest::newRow("range then megabytes") << QStringLiteral("file")
                                              << QByteArray("15\r\n") + QByteArray(8 << 20, 'x') << 15;
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
        const QString path = dir.filePath(settings::fileName());
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir(dir.path()).mkdir(settings::fileName()));
        else if (kind == QLatin1String("file"))
            writeFile(path, data);
        QCOMPARE(settings::readSettings(path).value_or(0), range);
    }

    void unreadableFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(settings::fileName());
        writeFile(path, " 15 \r\n");
        QFile::setPermissions(path, QFileDevice::WriteOwner);
        QFile probe(path);
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("file modes do not stop this user from reading");
        QVERIFY(!settings::readSettings(path).has_value());
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
        const QString path = dir.filePath(settings::fileName());
        // An older, longer file is replaced whole, not overwritten in part.
        writeFile(path, "  17 written by hand, with a long comment behind it\r\n");
        QVERIFY(settings::writeSettings(path, range));
        QCOMPARE(readFile(path), bytes);
        QCOMPARE(settings::readSettings(path).value_or(0), range);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{settings::fileName()});
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
        const QString path = dir.filePath(settings::fileName());
        if (obstacle == QLatin1String("folder")) {
            QVERIFY(QDir(dir.path()).mkdir(settings::fileName()));
        } else {
            writeFile(path, " 15 \r\n");
            QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
        const bool refused = refusesWrites(dir.path());
        if (obstacle == QLatin1String("read-only") && !refused) {
            QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            QSKIP("file modes do not stop this user from writing");
        }
        QVERIFY(!settings::writeSettings(path, 12));
        if (obstacle == QLatin1String("read-only")) {
            QCOMPARE(readFile(path), QByteArray(" 15 \r\n")); // the old file stays whole
            QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        }
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "test_settings.moc"
