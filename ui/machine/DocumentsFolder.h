// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

namespace kit {

// Where the program saves what it makes for the user (sheets as PDFs, font samples): the
// documents folder, else the folder it was started in.
struct DocumentsFolder
{
    QString path;   // empty when there is no folder to save into
    QString reason; // then why, in plain German
};

// What the system says about the places, as it gives them: the names of the home and of the
// working directory as their bytes, the documents folder as the desktop names it.
struct FolderPlaces
{
    QByteArray home;
    QString documents;
    QByteArray current;
};

FolderPlaces systemFolderPlaces();

// Only the documents folder itself is ever created, inside a home that exists and only when the
// folder it goes into is there: never a home, nothing beside it, nothing through a link. A name
// that the file functions cannot give back byte for byte (a home named in Latin-1 while file
// names are read as UTF-8) is not a place to save into: it would be another folder.
DocumentsFolder documentsFolder(const FolderPlaces &places);
inline DocumentsFolder documentsFolder()
{
    return documentsFolder(systemFolderPlaces());
}

} // namespace kit
