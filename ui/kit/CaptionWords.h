// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace kit {

// A caption as words for a screen reader: letters set apart by single spaces close up, a run of
// two or more spaces is one break between words ("R e c h n e n   b i s   10" is "Rechnen bis
// 10"). A group that is not spaced letter by letter stays as it is, so a sentence keeps its words.
QString captionWords(const QString &caption);

} // namespace kit
