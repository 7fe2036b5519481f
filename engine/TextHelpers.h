// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace captions {

constexpr QChar CR = QChar(13);

// A number joined to a title or printed: one leading blank where a minus sign would go.
QString signedNumber(int value);
// Plain decimal text without blanks, as written into captions.
QString plain(int value);
// The numeric value of a caption's leading digits; 0 when there are none.
int captionNumber(const QString &caption);
// n copies of the picture character, ten to a row, rows separated by CR.
QString pictureBlock(QChar picture, int count);
// `text` repeated `count` times (nothing for count <= 0).
QString repeated(const QString &text, int count);

} // namespace captions
