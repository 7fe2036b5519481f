// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/machine/DocumentsFolder.h"

#include "ui/machine/NewFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace kit {

namespace {

// The name as Qt reads it, when reading and writing it again gives the same bytes; else empty.
// Qt 6 reads every file name as UTF-8 whatever the locale, so a name in another encoding comes
// back with replacement characters and would lead elsewhere.
QString readableName(const QByteArray &raw)
{
    if (raw.isEmpty())
        return QString();
    const QString name = QFile::decodeName(raw);
    if (QFile::encodeName(name) != raw || !QDir::isAbsolutePath(name))
        return QString();
    return QDir::cleanPath(name);
}

// A name that came from decoding bytes that were not UTF-8.
bool garbled(const QString &name)
{
    return name.contains(QChar::ReplacementCharacter);
}

bool isFolder(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool inside(const QString &path, const QString &folder)
{
    return path.startsWith(folder.endsWith(u'/') ? folder : folder + u'/');
}

// The documents folder when it is there or could be made: made only as its own last part,
// inside the home, in a folder that exists, and only where nothing holds the name (a link
// leading nowhere too).
QString reachableDocuments(const QString &home, const QString &named)
{
    QString documents = named.isEmpty() && !home.isEmpty() ? home + QStringLiteral("/Documents") : named;
    if (documents.isEmpty() || garbled(documents) || !QDir::isAbsolutePath(documents))
        return QString();
    documents = QDir::cleanPath(documents);
    if (isFolder(documents))
        return documents;
    if (home.isEmpty() || !isFolder(home) || !inside(documents, home) || nameTaken(documents))
        return QString();
    if (!isFolder(QFileInfo(documents).path()))
        return QString();
    // mkdir makes only the last part and never follows a link there.
    if (::mkdir(QFile::encodeName(documents).constData(), 0777) != 0 && errno != EEXIST)
        return QString();
    return isFolder(documents) ? documents : QString();
}

} // namespace

FolderPlaces systemFolderPlaces()
{
    FolderPlaces places;
    places.home = qgetenv("HOME");
    places.documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QByteArray buffer(4096, '\0');
    if (::getcwd(buffer.data(), size_t(buffer.size())))
        places.current = QByteArray(buffer.constData());
    return places;
}

DocumentsFolder documentsFolder(const FolderPlaces &places)
{
    const QString home = readableName(places.home);
    // A documents folder named after a home that cannot be read is not the real one either.
    const bool homeUnreadable = !places.home.isEmpty() && home.isEmpty();
    const QString unreadHome = QFile::decodeName(places.home);
    const bool namedFromUnreadHome =
        homeUnreadable && (places.documents.isEmpty() || inside(places.documents, unreadHome));
    if (!namedFromUnreadHome) {
        const QString documents = reachableDocuments(home, places.documents);
        if (!documents.isEmpty())
            return {documents, QString()};
    }
    const QString current = readableName(places.current);
    if (isFolder(current))
        return {current, QString()};
    return {QString(), QStringLiteral("Es gibt keinen Ordner, in dem gespeichert werden kann: Weder der Ordner "
                                      "„Dokumente“ noch der Ordner, in dem quarimo gestartet wurde, ist erreichbar.")};
}

} // namespace kit
