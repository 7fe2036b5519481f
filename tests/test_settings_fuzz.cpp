// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds the settings reader with mutated files, deterministically from a seed. Every input must
// give a range from 10 to 20 or no range at all, agree with an independent reading of the rule,
// and be judged by its first 4 KB only.
//
//   test_settings_fuzz [--inputs N] [--seed S]     (default 100000 inputs, seed 1)

#include "app/SettingsFile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>
#include <random>

namespace {

constexpr qsizetype readLimit = 4096;

const QList<QByteArray> &corpus()
{
    static const QList<QByteArray> files = {
        " 10 \r\n", " 20 \r\n", " 15 \r\n", "20", "13,7", "  17\n", "011", "",
        "\r\n", "zehn", "-12", "+12", "1e1", "12.5", " 9 \r\n", " 21 \r\n", "99999999999999999999999",
        QByteArray("\xef\xbb\xbf 12 \r\n"), QByteArray("\x00 12", 4), QByteArray("1\x00" "2", 3),
        "\t14", "14\t", "14x", QByteArray(5000, ' ') + "12", "12" + QByteArray(5000, 'x'),
    };
    return files;
}

// The rule read independently of the reader: blanks, digits, then a blank, comma, line end or
// the end of the whole file; the number from 10 to 20.
std::optional<int> expected(const QByteArray &data, bool wholeFile)
{
    static const QRegularExpression rule(QStringLiteral("^ *([0-9]+)([ ,\\r\\n]|$)"));
    const QRegularExpressionMatch match = rule.match(QString::fromLatin1(data));
    if (!match.hasMatch())
        return std::nullopt;
    if (match.capturedLength(2) == 0 && !wholeFile)
        return std::nullopt;
    QString digits = match.captured(1);
    while (digits.size() > 1 && digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    if (digits.size() > 2)
        return std::nullopt;
    const int value = digits.toInt();
    if (value < settingsfile::lowestRange || value > settingsfile::highestRange)
        return std::nullopt;
    return value;
}

class Mutator
{
public:
    explicit Mutator(quint32 seed) : engine_(seed) {}

    QByteArray next()
    {
        QByteArray data = corpus().at(below(int(corpus().size())));
        const int steps = 1 + below(6);
        for (int i = 0; i < steps; ++i)
            mutate(data);
        return data;
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

    char interestingByte()
    {
        static const char bytes[] = {' ', ',', '\r', '\n', '0', '1', '2', '9', '-', '\0', '\t', 'x', '\xff'};
        if (below(4) == 0)
            return char(below(256));
        return bytes[below(int(sizeof bytes))];
    }

    void mutate(QByteArray &data)
    {
        const auto at = [&] { return data.isEmpty() ? 0 : below(int(data.size()) + 1); };
        switch (below(7)) {
        case 0: // replace a byte
            if (!data.isEmpty())
                data[below(int(data.size()))] = interestingByte();
            break;
        case 1: // insert a byte
            data.insert(at(), interestingByte());
            break;
        case 2: // delete a run
            if (!data.isEmpty()) {
                const int from = below(int(data.size()));
                data.remove(from, 1 + below(int(data.size()) - from));
            }
            break;
        case 3: // insert digits
            data.insert(at(), QByteArray::number(below(40)));
            break;
        case 4: // splice another file in
            data.insert(at(), corpus().at(below(int(corpus().size()))));
            break;
        case 5: // pad across the read limit
            data.insert(at(), QByteArray(readLimit - 8 + below(16), below(2) ? ' ' : '0'));
            break;
        default: // cut to a random length
            data.truncate(below(int(data.size()) + 1));
            break;
        }
    }

    std::mt19937 engine_;
};

int fail(qint64 input, quint32 seed, const QByteArray &data, const char *what)
{
    std::fprintf(stderr, "FAIL: %s\n  seed %u, input %lld, %lld bytes, starting %s\n", what, seed,
                 static_cast<long long>(input), static_cast<long long>(data.size()),
                 data.left(64).toPercentEncoding().constData());
    return 1;
}

bool checkFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size())
        return false;
    file.close();
    // What lies past the first 4 KB never changes the answer.
    const bool whole = data.size() <= readLimit;
    return settingsfile::readSettings(path) == expected(data.left(readLimit), whole);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qint64 inputs = 100000;
    quint32 seed = 1;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args.at(i) == QStringLiteral("--inputs"))
            inputs = args.at(i + 1).toLongLong();
        else if (args.at(i) == QStringLiteral("--seed"))
            seed = args.at(i + 1).toUInt();
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("QUARIMO.INI"));
    Mutator mutator(seed);
    QElapsedTimer timer;
    timer.start();
    qint64 ranges = 0;
    for (qint64 input = 0; input < inputs; ++input) {
        const QByteArray data = mutator.next();
        const bool whole = input % 2 == 0;
        const std::optional<int> range = settingsfile::parseSettings(data, whole);
        if (range && (*range < settingsfile::lowestRange || *range > settingsfile::highestRange))
            return fail(input, seed, data, "a range outside 10 to 20");
        if (range != expected(data, whole))
            return fail(input, seed, data, "the reader and the rule disagree");
        if (input % 1000 == 0 && !checkFile(path, data))
            return fail(input, seed, data, "the file reader judged more than the first 4 KB");
        ranges += range.has_value();
    }
    const double seconds = timer.elapsed() / 1000.0;
    std::printf("%lld inputs (seed %u) in %.1f s, %.0f per second; %lld gave a range, %lld none\n",
                static_cast<long long>(inputs), seed, seconds, seconds > 0 ? inputs / seconds : 0.0,
                static_cast<long long>(ranges), static_cast<long long>(inputs - ranges));
    return 0;
}
