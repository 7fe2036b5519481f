// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/TextHelpers.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedDialogs.h"
#include "ui/kit/Controls.h"
#include "ui/kit/Form.h"
#include "ui/machine/NewFile.h"

#include <QFontDatabase>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

#include <atomic>
#include <thread>
#include <memory>
#include <vector>

using kit::Form;
using kit::Label;
using kit::Picture;
using kit::ScrollBar;

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void putFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

class KitTest : public QObject
{
    Q_OBJECT
    kit::Zoom zoom; // the windows here are drawn at 1
    kit::Drawer drawer;

private slots:
    // No text is ever drawn in the picture face, not even where the font configuration offers
    // no face at all (CTest runs this once more with an empty one).
    void textIsNeverDrawnInThePictureFace()
    {
        const QString picture = QStringLiteral("ANLAUT");
        QVERIFY(QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/ANLAUT.ttf")) >= 0);
        QVERIFY(kit::installFontSubstitutions(picture));
        QLabel plain;
        for (const QFont &font :
             {QGuiApplication::font(), plain.font(), QFont(QStringLiteral("Sans Serif")),
              kit::fontAt(1, QStringLiteral("MS Sans Serif"), 10), kit::fontAt(1, QStringLiteral("Arial"), 10),
              kit::fontAt(1, QStringLiteral("Lateinaus"), 30, true)}) {
            const QString drawn = QFontInfo(font).family();
            QVERIFY2(!drawn.isEmpty() && drawn != picture, qPrintable(font.family() + u' ' + drawn));
        }
    }

    // A new file never takes a name anything holds and never writes where a link points.
    void newFileTakesAFreeName_data()
    {
        QTest::addColumn<QString>("occupant");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing") << QString() << QStringLiteral("Probe.png");
        QTest::newRow("a file") << QStringLiteral("file") << QStringLiteral("Probe (2).png");
        QTest::newRow("a file and its (2)") << QStringLiteral("file and (2)") << QStringLiteral("Probe (3).png");
        QTest::newRow("a folder") << QStringLiteral("folder") << QStringLiteral("Probe (2).png");
        QTest::newRow("a link to a file") << QStringLiteral("link") << QStringLiteral("Probe (2).png");
        QTest::newRow("a link to nothing") << QStringLiteral("dangling") << QStringLiteral("Probe (2).png");
    }
    void newFileTakesAFreeName()
    {
        QFETCH(QString, occupant);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QDir folder(dir.path());
        const QString wanted = folder.filePath(QStringLiteral("Probe.png"));
        const QString victim = folder.filePath(QStringLiteral("victim.txt"));
        const QString nowhere = folder.filePath(QStringLiteral("nirgends.txt"));
        putFile(victim, "alt");
        if (occupant.startsWith(QLatin1String("file")))
            putFile(wanted, "alt");
        if (occupant.endsWith(QLatin1String("(2)")))
            putFile(folder.filePath(QStringLiteral("Probe (2).png")), "alt");
        if (occupant == QLatin1String("folder"))
            QVERIFY(folder.mkdir(QStringLiteral("Probe.png")));
        if (occupant == QLatin1String("link"))
            QVERIFY(QFile::link(victim, wanted));
        if (occupant == QLatin1String("dangling"))
            QVERIFY(QFile::link(nowhere, wanted));
        const QStringList before = entries(dir.path());

        QCOMPARE(kit::firstFreeName(wanted), folder.filePath(expected));
        kit::NewFile file(wanted);
        QVERIFY(file.isOpen());
        QCOMPARE(file.write("neu"), qint64(3));
        QCOMPARE(file.commit(), folder.filePath(expected));
        QCOMPARE(contents(folder.filePath(expected)), QByteArray("neu"));
        QCOMPARE(contents(victim), QByteArray("alt"));
        if (occupant.startsWith(QLatin1String("file")))
            QCOMPARE(contents(wanted), QByteArray("alt"));
        QVERIFY(!kit::nameTaken(nowhere));
        // One entry more, and no temporary file left.
        QStringList after = before + QStringList{expected};
        after.sort();
        QStringList now = entries(dir.path());
        now.sort();
        QCOMPARE(now, after);
    }

    // The disk fills up half way: no file appears, an earlier one stays whole, and the reason
    // is told, whether it shows while writing or only at the end.
    void newFileOnAFullDisk_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("fails while writing") << 200000;
        QTest::newRow("fails at the end") << 6000;
    }
    void newFileOnAFullDisk()
    {
        QFETCH(int, size);
        QTemporaryDir dir;
        const QString wanted = QDir(dir.path()).filePath(QStringLiteral("Probe.png"));
        putFile(wanted, "alt");
        QString saved;
        QString reason;
        {
            const FileSizeLimit nearlyFull(4096);
            kit::NewFile file(wanted);
            QVERIFY(file.isOpen());
            file.write(QByteArray(size, 'x'));
            saved = file.commit();
            reason = file.failureReason();
        }
        QVERIFY(saved.isEmpty());
        QCOMPARE(reason, QStringLiteral("Auf dem Datenträger ist nicht genug Platz frei."));
        QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("Probe.png")});
        QCOMPARE(contents(wanted), QByteArray("alt"));
    }

    // Every numbered name taken as well: nothing is written, nothing is numbered twice, and the
    // reason says so.
    void newFileWhenEveryNumberIsTaken()
    {
        QTemporaryDir dir;
        const QDir folder(dir.path());
        const QString wanted = folder.filePath(QStringLiteral("Blatt.pdf"));
        putFile(wanted, "alt");
        for (int n = 2; n <= 9999; ++n)
            putFile(folder.filePath(QStringLiteral("Blatt (%1).pdf").arg(n)), "");
        QCOMPARE(kit::firstFreeName(wanted), wanted);
        kit::NewFile file(kit::firstFreeName(wanted));
        QVERIFY(file.isOpen());
        file.write("neu");
        QVERIFY(file.commit().isEmpty());
        QCOMPARE(file.failureReason(), QStringLiteral("Es gibt schon zu viele Dateien mit diesem Namen."));
        QCOMPARE(entries(dir.path()).size(), 9999);
        QCOMPARE(contents(wanted), QByteArray("alt"));
    }

    void scrollBarKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("expected");
        QTest::newRow("right raises") << int(Qt::Key_Right) << 6;
        QTest::newRow("up raises") << int(Qt::Key_Up) << 6;
        QTest::newRow("left lowers") << int(Qt::Key_Left) << 4;
        QTest::newRow("down lowers") << int(Qt::Key_Down) << 4;
        QTest::newRow("home goes to minimum") << int(Qt::Key_Home) << 0;
        QTest::newRow("end goes to maximum") << int(Qt::Key_End) << 20;
    }
    void scrollBarKeys()
    {
        QFETCH(int, key);
        QFETCH(int, expected);
        Form form(zoom, drawer, QStringLiteral("f"), QSize(3000, 1000), Qt::white);
        auto *bar = new ScrollBar(&form, QStringLiteral("HBildlauf1"), QRect(0, 0, 2000, 255), 0, 20);
        bar->setValue(5);
        QTest::keyClick(bar, Qt::Key(key));
        QCOMPARE(bar->value(), expected);
    }

    void twipsPlacement()
    {
        Form form(zoom, drawer, QStringLiteral("f"), QSize(9090, 7095), Qt::white);
        QCOMPARE(form.size(), QSize(606, 473));
        auto *label = new Label(&form, QStringLiteral("l"), QRect(600, 240, 3615, 495), QStringLiteral("x"));
        QCOMPARE(label->geometry(), QRect(40, 16, 241, 33));
        label->setLeftTwips(8250);
        QCOMPARE(label->leftTwips(), 8250);
        QCOMPARE(label->x(), 550);
    }

    void captionKeepsCarriageReturns()
    {
        Form form(zoom, drawer, QStringLiteral("f"), QSize(3000, 1000), Qt::white);
        Label label(&form, QStringLiteral("l"), QRect(0, 0, 1000, 1000));
        label.setCaption(QStringLiteral("ab\rc"));
        QCOMPARE(label.caption(), QStringLiteral("ab\rc"));
        QCOMPARE(label.text(), QStringLiteral("ab\nc"));
    }

    void captionNumber_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("value");
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("digits") << QStringLiteral("17") << 17;
        QTest::newRow("leading blank") << QStringLiteral(" 7") << 7;
        QTest::newRow("digits then text") << QStringLiteral("12abc") << 12;
        QTest::newRow("letters") << QStringLiteral("?") << 0;
        QTest::newRow("sign") << QStringLiteral("-3") << -3;
    }
    void captionNumber()
    {
        QFETCH(QString, caption);
        QFETCH(int, value);
        QCOMPARE(captions::captionNumber(caption), value);
    }

    void pictureBlockRows()
    {
        const QChar c = QLatin1Char('*');
        QCOMPARE(captions::pictureBlock(c, 1), QStringLiteral("*"));
        QCOMPARE(captions::pictureBlock(c, 10), QStringLiteral("**********"));
        QCOMPARE(captions::pictureBlock(c, 11), QStringLiteral("**********\r*"));
        QCOMPARE(captions::pictureBlock(c, 20), QStringLiteral("**********\r**********"));
        QCOMPARE(captions::signedNumber(10), QStringLiteral(" 10"));
        QCOMPARE(captions::signedNumber(-1), QStringLiteral("-1"));
    }

    // Each image is drawn once, by whichever thread gets to it first, and a replaced or cleared
    // drawing that had not begun is never drawn.
    void pendingImagesAreDrawnOnce()
    {
        constexpr int count = 60;
        std::vector<std::atomic<int>> draws(count);
        std::atomic<int> dropped{0};
        std::vector<std::unique_ptr<kit::PendingImage>> images;
        for (int i = 0; i < count; ++i) {
            images.push_back(std::make_unique<kit::PendingImage>(&drawer));
            images.back()->start([&dropped] { ++dropped; return QImage(); });
            images.back()->start([i, &draws] {
                ++draws[i];
                QImage image(1, 1, QImage::Format_ARGB32);
                image.fill(QColor(i, 0, 0));
                return image;
            });
        }
        kit::PendingImage cleared(&drawer);
        cleared.start([&dropped] { ++dropped; return QImage(); });
        cleared.clear();
        QVERIFY(cleared.image().isNull());
        for (int i = count - 1; i >= 0; --i) {
            QCOMPARE(qRed(images[i]->image().pixel(0, 0)), i);
            QCOMPARE(qRed(images[i]->image().pixel(0, 0)), i); // kept, not drawn again
        }
        for (const auto &n : draws)
            QCOMPARE(n.load(), 1);
        QVERIFY(dropped.load() <= count + 1); // only drawings already under way may have run
    }

    // The picture thread belongs to whoever made it: gone with its owner, it has done the work
    // handed to it and finished what it was drawing, and an image without one is drawn when asked.
    void pictureThreadFinishesWithItsOwner()
    {
        std::atomic<bool> asideDone{false};
        std::atomic<int> draws{0};
        {
            kit::Drawer owned;
            kit::PendingImage image(&owned);
            owned.doAside([&asideDone] { asideDone = true; });
            image.start([&draws] {
                ++draws;
                return QImage(2, 2, QImage::Format_ARGB32);
            });
            QCOMPARE(image.image().size(), QSize(2, 2));
        }
        QVERIFY(asideDone.load());
        QCOMPARE(draws.load(), 1);

        kit::PendingImage alone(nullptr);
        alone.start([&draws] {
            ++draws;
            return QImage(3, 3, QImage::Format_ARGB32);
        });
        QCOMPARE(draws.load(), 1); // not before it is asked for
        QCOMPARE(alone.image().size(), QSize(3, 3));
        QCOMPARE(alone.image().size(), QSize(3, 3));
        QCOMPARE(draws.load(), 2);

        // Stopped at the display's loss: the drawing under way ends, and a picture whose drawing
        // had not begun is still drawn, once, when it is asked for.
        std::atomic<bool> started{false};
        std::atomic<bool> release{false};
        kit::Drawer stopping;
        kit::PendingImage busy(&stopping);
        kit::PendingImage waiting(&stopping);
        busy.start([&] {
            started = true;
            while (!release)
                std::this_thread::yield();
            ++draws;
            return QImage(1, 1, QImage::Format_ARGB32);
        });
        while (!started)
            std::this_thread::yield();
        waiting.start([&draws] {
            ++draws;
            return QImage(4, 4, QImage::Format_ARGB32);
        });
        std::thread stopper([&stopping] { stopping.stop(); });
        release = true;
        stopper.join();
        QCOMPARE(busy.image().size(), QSize(1, 1));
        QCOMPARE(waiting.image().size(), QSize(4, 4));
        QCOMPARE(draws.load(), 4);
    }

    // A picture is drawn for the size it has, also after the zoom has changed it.
    void pictureDrawnAtItsSize()
    {
        Form form(zoom, drawer, QStringLiteral("f"), QSize(3000, 3000), Qt::white);
        auto *picture = new Picture(&form, QStringLiteral("Bild1"), QRect(0, 0, 1500, 1500),
                                    QStringLiteral("dartboard.svg"), QStringLiteral("Zielscheibe"));
        QCOMPARE(kit::drawerOf(picture), &drawer); // drawn ahead by the window's picture thread
        picture->resize(150, 120);
        QImage drawn(picture->size(), QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        {
            QPainter painter(&drawn);
            painter.setRenderHint(QPainter::Antialiasing);
            QSvgRenderer(QStringLiteral(":/pictures/dartboard.svg")).render(&painter, QRectF(drawn.rect()));
        }
        QImage expected(picture->size(), QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::white);
        QPainter(&expected).drawImage(0, 0, drawn);
        QImage shown(picture->size(), QImage::Format_ARGB32_Premultiplied);
        shown.fill(Qt::white);
        picture->render(&shown);
        QCOMPARE(shown, expected);
    }
};

QTEST_MAIN(KitTest)
#include "test_kit.moc"
