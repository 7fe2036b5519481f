// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Controls.h"
#include "ui/Form.h"
#include "engine/TextHelpers.h"
#include "support/ScriptedDialogs.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

#include <atomic>
#include <memory>
#include <vector>

class KitTest : public QObject
{
    Q_OBJECT
private slots:
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
        Form form(QStringLiteral("f"), QSize(3000, 1000), Qt::white);
        auto *bar = new ScrollBar(&form, QStringLiteral("HBildlauf1"), QRect(0, 0, 2000, 255), 0, 20);
        bar->setValue(5);
        QTest::keyClick(bar, Qt::Key(key));
        QCOMPARE(bar->value(), expected);
    }

    void twipsPlacement()
    {
        Form form(QStringLiteral("f"), QSize(9090, 7095), Qt::white);
        QCOMPARE(form.size(), QSize(606, 473));
        auto *label = new Label(&form, QStringLiteral("l"), QRect(600, 240, 3615, 495), QStringLiteral("x"));
        QCOMPARE(label->geometry(), QRect(40, 16, 241, 33));
        label->setLeftTwips(8250);
        QCOMPARE(label->leftTwips(), 8250);
        QCOMPARE(label->x(), 550);
    }

    void captionKeepsCarriageReturns()
    {
        Form form(QStringLiteral("f"), QSize(3000, 1000), Qt::white);
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
        QCOMPARE(text::captionNumber(caption), value);
    }

    void pictureBlockRows()
    {
        const QChar c = QLatin1Char('*');
        QCOMPARE(text::pictureBlock(c, 1), QStringLiteral("*"));
        QCOMPARE(text::pictureBlock(c, 10), QStringLiteral("**********"));
        QCOMPARE(text::pictureBlock(c, 11), QStringLiteral("**********\r*"));
        QCOMPARE(text::pictureBlock(c, 20), QStringLiteral("**********\r**********"));
        QCOMPARE(text::signedNumber(10), QStringLiteral(" 10"));
        QCOMPARE(text::signedNumber(-1), QStringLiteral("-1"));
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
            images.push_back(std::make_unique<kit::PendingImage>());
            images.back()->start([&dropped] { ++dropped; return QImage(); });
            images.back()->start([i, &draws] {
                ++draws[i];
                QImage image(1, 1, QImage::Format_ARGB32);
                image.fill(QColor(i, 0, 0));
                return image;
            });
        }
        kit::PendingImage cleared;
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

    // A picture is drawn for the size it has, also after the zoom has changed it.
    void pictureDrawnAtItsSize()
    {
        Form form(QStringLiteral("f"), QSize(3000, 3000), Qt::white);
        auto *picture = new Picture(&form, QStringLiteral("Bild1"), QRect(0, 0, 1500, 1500),
                                    QStringLiteral("dartboard.svg"), QStringLiteral("Zielscheibe"));
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
