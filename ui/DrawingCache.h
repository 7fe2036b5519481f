// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>

namespace kit {

// Drawings kept on disk between runs: a picture drawn once at a size is read back at the next start
// instead of being drawn again, which is most of what the start page's first frame costs. The key
// names everything the drawing depends on; a file that does not match it exactly is drawn anew and
// replaced. Without a folder (the default, and in tests) nothing is kept.
void setDrawingCacheFolder(const QString &folder);
QString drawingCacheFolder();

// The image for the key, read from the folder given or drawn (and then stored there). Safe on any
// thread; the folder is passed in so that a drawing thread need not ask for it.
QImage cachedDrawing(const QString &folder, const QByteArray &key, const std::function<QImage()> &draw);

} // namespace kit
