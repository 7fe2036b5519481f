#include "ui/Controls.h"
#include "ui/Form.h"
#include "engine/TextHelpers.h"
#include "support/ScriptedDialogs.h"

#include <QtTest>

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
};

QTEST_MAIN(KitTest)
#include "test_kit.moc"
