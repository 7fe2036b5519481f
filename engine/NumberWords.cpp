// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/NumberWords.h"

#include "engine/Random.h"
#include "engine/TextHelpers.h"

namespace numberwords {

const QStringList &wordTable()
{
    static const QStringList words = {
        QStringLiteral("null"),     QStringLiteral("eins"),     QStringLiteral("zwei"),     QStringLiteral("drei"),
        QStringLiteral("vier"),     QStringLiteral("fünf"),     QStringLiteral("sechs"),    QStringLiteral("sieben"),
        QStringLiteral("acht"),     QStringLiteral("neun"),     QStringLiteral("zehn"),     QStringLiteral("elf"),
        QStringLiteral("zwölf"),    QStringLiteral("dreizehn"), QStringLiteral("vierzehn"), QStringLiteral("fünfzehn"),
        QStringLiteral("sechzehn"), QStringLiteral("siebzehn"), QStringLiteral("achtzehn"), QStringLiteral("neunzehn"),
        QStringLiteral("zwanzig"),
    };
    return words;
}

QString word(int value)
{
    return wordTable().value(value);
}

void Quiz::newTask(Random &random)
{
    solution_ = random.below(range_ + 1);
}

QString Quiz::taskText() const
{
    return mode_ == Mode::Words ? word(solution_) : captions::plain(solution_);
}

QString Quiz::answerText(int value) const
{
    return mode_ == Mode::Words ? captions::plain(value) : word(value);
}

QString Quiz::helpText() const
{
    const QChar cr = captions::CR;
    if (mode_ == Mode::Words)
        return QStringLiteral("Oben steht eine Zahl als Wort.") + cr +
               QStringLiteral("Schiebe den Balken, bis in der Mitte") + cr +
               QStringLiteral("die passende Zahl steht.") + cr + QStringLiteral("Dann klicke auf 'o k a y'.") + cr;
    return QStringLiteral("Oben steht eine Zahl.") + cr + QStringLiteral("Schiebe den Balken, bis in der Mitte") + cr +
           QStringLiteral("das passende Wort steht.") + cr + QStringLiteral("Dann klicke auf 'o k a y'.") + cr;
}

} // namespace numberwords
