// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QRawFont>
#include <QString>
#include <optional>

// The measures of one face that a sheet needs, in ems; text is placed by them on every device,
// so a recorded sheet and a printed one put each text at the same place.
struct FaceMetrics
{
    QRawFont raw;   // at a pixel size of one em in font units
    QString family; // the installed family that is drawn
    double classicAverage = 0;
    double ascent = 0;
    double descent = 0;

    // Width of a text laid out without kerning.
    double width(const QString &text) const;
};

// The average character width that font tables before OS/2 version 3 store as xAvgCharWidth:
// the lowercase letters and the space weighted by their frequency in English text. The
// worksheets' tab columns were laid out for it.
double classicAverageWidth(const QRawFont &raw);

// The faces sheets are measured and drawn in: every face's metrics, measured once, and the
// picture face (the file it comes from, and whether the application's fonts have it). main makes
// one after the application and destroys it before the application, as each test does: a font
// engine must not be released after the application that owns the font database is gone.
class Faces
{
public:
    Faces();
    ~Faces();
    Faces(const Faces &) = delete;
    Faces &operator=(const Faces &) = delete;

    // The metrics of a face by the program's name for it ("ARIAL", "ANLAUT"); nothing when the
    // face cannot be loaded. The caller keeps its own copy (a cheap one: the font and the name
    // are shared).
    std::optional<FaceMetrics> metrics(const QString &face);

    // Where the picture face is loaded from: the compiled-in font unless a test chose another file.
    QString pictureFaceFile() const { return file_; }
    void setPictureFaceFile(const QString &file) { file_ = file; }
    // Registers the picture face with the application's fonts (once per file), so that printers
    // and font lists see it; false when it cannot be loaded, or when no face for text is installed.
    bool registerPictureFace();
    // No face for text was found at start: then the picture face is never registered, or Qt would
    // draw every text with it.
    void setTextFaceMissing(bool missing) { textFaceMissing_ = missing; }

private:
    QString file_;
    bool textFaceMissing_ = false;
    QHash<QString, bool> registered_;          // by file
    QHash<QString, FaceMetrics> pictureFaces_; // by file
    QHash<QString, FaceMetrics> measured_;     // by the program's name, in capitals
};

namespace worksheets {

QString pictureFaceName(); // "ANLAUT"

} // namespace worksheets
