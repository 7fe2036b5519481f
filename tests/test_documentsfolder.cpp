// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the program saves what it makes: only ever the documents folder itself is created, and
// only inside a home that exists and whose name can be read.

#include "ui/machine/DocumentsFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <sys/stat.h>

using kit::documentsFolder;
using kit::FolderPlaces;

namespace {

// Every name under `root`, links included, as the bytes they have: Qt's own listing would give a
// name in Latin-1 garbled.
QByteArrayList everything(const QByteArray &root, const QByteArray &under = QByteArray())
{
    QByteArrayList names;
    DIR *dir = ::opendir((root + under).constData());
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        const QByteArray path = under + '/' + name;
        names << path;
        struct stat status = {};
        if (::lstat((root + path).constData(), &status) == 0 && S_ISDIR(status.st_mode))
            names << everything(root, path);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

QByteArrayList everything(const QString &root)
{
    return everything(QFile::encodeName(root));
}

// A temporary folder that goes with everything in it, names in Latin-1 too.
class RawTemporaryDir
{
public:
    RawTemporaryDir() : path_(QDir::tempPath() + QStringLiteral("/test_documentsfolder-XXXXXX"))
    {
        QByteArray pattern = QFile::encodeName(path_);
        if (::mkdtemp(pattern.data()))
            path_ = QFile::decodeName(pattern);
    }
    ~RawTemporaryDir()
    {
        const QByteArray root = QFile::encodeName(path_);
        QByteArrayList names = everything(root);
        // Deepest first: a folder goes after what it holds.
        std::sort(names.begin(), names.end(), [](const QByteArray &a, const QByteArray &b) { return a > b; });
        for (const QByteArray &name : names)
            ::remove((root + name).constData());
        ::rmdir(root.constData());
    }
    QString path() const { return path_; }

private:
    QString path_;
};

} // namespace

class DocumentsFolderTest : public QObject
{
    Q_OBJECT

private slots:
    // `home` and `documents` are under the temporary root, "-" is no documents folder named;
    // `made` is what is there afterwards.
    void findsOrMakesOnlyTheDocumentsFolder_data()
    {
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<QString>("documents");
        QTest::addColumn<QString>("chosen"); // "cwd" for the working directory, "" for none
        QTest::addColumn<QByteArrayList>("made");

        const QByteArrayList start{"/cwd",     "/home",   "/home/Documents-there",
                                   "/outside", "/target", "/target/Documents"};
        QTest::newRow("there") << QByteArray("/home") << QStringLiteral("/home/Documents-there")
                               << QStringLiteral("/home/Documents-there") << start;
        QByteArrayList withNew = start;
        withNew << "/home/Dokumente";
        QTest::newRow("missing, made in the home")
            << QByteArray("/home") << QStringLiteral("/home/Dokumente") << QStringLiteral("/home/Dokumente") << withNew;
        withNew = start;
        withNew << "/home/Documents";
        QTest::newRow("not named, ~/Documents")
            << QByteArray("/home") << QStringLiteral("-") << QStringLiteral("/home/Documents") << withNew;
        QTest::newRow("home missing") << QByteArray("/gone") << QStringLiteral("/gone/Documents")
                                      << QStringLiteral("cwd") << start;
        QTest::newRow("folder between missing")
            << QByteArray("/home") << QStringLiteral("/home/a/Documents") << QStringLiteral("cwd") << start;
        QTest::newRow("outside the home, missing")
            << QByteArray("/home") << QStringLiteral("/outside/Documents") << QStringLiteral("cwd") << start;
        QTest::newRow("home in Latin-1") << QByteArray("/Sch\xfcler") << QStringLiteral("/Sch\uFFFDler/Documents")
                                         << QStringLiteral("cwd") << start;
        QTest::newRow("home a link") << QByteArray("/link-home") << QStringLiteral("/link-home/Documents")
                                     << QStringLiteral("/link-home/Documents") << start;
        QTest::newRow("documents a link leading nowhere")
            << QByteArray("/home") << QStringLiteral("/home/nowhere") << QStringLiteral("cwd") << start;
        QTest::newRow("home and working directory in Latin-1")
            << QByteArray("/Sch\xfcler") << QStringLiteral("-") << QStringLiteral("") << start;
    }
    void findsOrMakesOnlyTheDocumentsFolder()
    {
        QFETCH(QByteArray, home);
        QFETCH(QString, documents);
        QFETCH(QString, chosen);
        QFETCH(QByteArrayList, made);

        RawTemporaryDir dir;
        const QString root = dir.path();
        const QByteArray rootBytes = QFile::encodeName(root);
        for (const char *folder :
             {"/cwd", "/home", "/home/Documents-there", "/outside", "/target", "/target/Documents"})
            QVERIFY(QDir().mkdir(root + QLatin1String(folder)));
        QVERIFY(QFile::link(root + QStringLiteral("/target"), root + QStringLiteral("/link-home")));
        QVERIFY(QFile::link(root + QStringLiteral("/outside/nothing"), root + QStringLiteral("/home/nowhere")));
        QVERIFY(::mkdir((rootBytes + "/Sch\xfcler").constData(), 0700) == 0);
        QVERIFY(::mkdir((rootBytes + "/Sch\xfcler/cwd").constData(), 0700) == 0);
        made << "/Sch\xfcler"
             << "/Sch\xfcler/cwd"
             << "/home/nowhere"
             << "/link-home";
        std::sort(made.begin(), made.end());

        FolderPlaces places;
        places.home = rootBytes + home;
        places.documents = documents == QLatin1String("-") ? QString() : root + documents;
        places.current = chosen.isEmpty() ? rootBytes + "/Sch\xfcler/cwd" : rootBytes + "/cwd";
        const kit::DocumentsFolder found = documentsFolder(places);

        const QString expected =
            chosen.isEmpty() ? QString() : root + (chosen == QLatin1String("cwd") ? QStringLiteral("/cwd") : chosen);
        QCOMPARE(found.path, expected);
        QCOMPARE(found.reason.isEmpty(), !expected.isEmpty());
        QCOMPARE(everything(root), made);
    }

    // The program's own look-up, with a home named in Latin-1 as it comes from the system.
    void aLatin1HomeMakesNothingBesideIt()
    {
        RawTemporaryDir dir;
        const QByteArray root = QFile::encodeName(dir.path());
        const QByteArray home = root + "/Sch\xfcler";
        QVERIFY(::mkdir(home.constData(), 0700) == 0);
        const QByteArray oldHome = qgetenv("HOME");
        const bool configSet = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", home);
        qputenv("XDG_CONFIG_HOME", root + "/config");
        const QString oldCurrent = QDir::currentPath();
        QDir::setCurrent(dir.path());
        const kit::DocumentsFolder found = documentsFolder();
        QDir::setCurrent(oldCurrent);
        qputenv("HOME", oldHome);
        if (configSet)
            qputenv("XDG_CONFIG_HOME", oldConfig);
        else
            qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(found.path, dir.path());
        QCOMPARE(everything(dir.path()), QByteArrayList{"/Sch\xfcler"});
    }
};

QTEST_GUILESS_MAIN(DocumentsFolderTest)
#include "test_documentsfolder.moc"
