// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The worksheet list on the start page: the double-click's question, wait cursor and end
// message, the failures, and the context menu's PDF file and class set.

#include "app/ClassSetDialog.h"
#include "app/StartPage.h"
#include "engine/SharedValues.h"
#include "print/ClassSet.h"
#include "print/FaceMetrics.h"
#include "print/PageDevice.h"
#include "print/RecordingDevice.h"
#include "print/Worksheets.h"
#include "support/ScriptedDialogs.h"
#include "support/TestWindows.h"
#include "ui/kit/Controls.h"
#include "ui/machine/FileDialogs.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QtTest>
#include <memory>

using kit::FileDialogs;
using kit::Form;

namespace {

// A printer that keeps the pages it gets, and fails where the test says.
class ScriptedPrinter final : public RecordingDevice
{
public:
    ScriptedPrinter(Faces &faces, QList<Sheet> &printed, const QString &failAtOpen, const QString &failAtEnd)
        : RecordingDevice(faces), printed_(printed), failAtEnd_(failAtEnd)
    {
        if (!failAtOpen.isEmpty())
            fail(failAtOpen);
    }

protected:
    void sheetFinished(const Sheet &sheet, bool last) override
    {
        printed_.append(sheet);
        if (last && !failAtEnd_.isEmpty())
            fail(failAtEnd_);
    }

private:
    QList<Sheet> &printed_;
    QString failAtEnd_;
};

class ScriptedOutputs final : public worksheets::Outputs
{
public:
    bool printer = true;
    QString failAtOpen;
    QString failAtEnd;
    QString folder;
    QList<Sheet> printed;
    int jobs = 0;
    Faces *sheetFaces = nullptr; // the test platform's
    bool waitCursorWhilePrinting = false;

    bool hasPrinter() override { return printer; }
    std::unique_ptr<SheetDevice> openPrinter(const QString &) override
    {
        ++jobs;
        waitCursorWhilePrinting =
            QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
        return std::make_unique<ScriptedPrinter>(*sheetFaces, printed, failAtOpen, failAtEnd);
    }
    std::unique_ptr<SheetDevice> openPdf(const QString &path, const QString &title) override
    {
        ++jobs;
        return std::make_unique<PdfDevice>(*sheetFaces, path, title);
    }
    QString pdfFolder() override { return folder; }
    Faces &faces() override { return *sheetFaces; }
};

class ScriptedFileDialogs final : public FileDialogs
{
public:
    QString answer;
    QString proposed;
    QString saveFileName(const QString &, const QString &proposedPath, const QString &) override
    {
        proposed = proposedPath;
        return answer;
    }
};

const QString printed = QStringLiteral("Der Ausdruck ist abgeschlossen!\r");

} // namespace

class WorksheetPrintingTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestWorld> world;
    ScriptedOutputs outputs;
    ScriptedFileDialogs files;

    // The worksheet list shown, with the row (from 1) selected.
    StartPage &listWithRow(int row)
    {
        StartPage &page = form1();
        page.showWindow();
        page.Bild4->click();
        page.Liste1->setListIndex(row - 1);
        return page;
    }

    void doubleClickRow(int row)
    {
        StartPage &page = listWithRow(row);
        const QRect rect = page.Liste1->visualItemRect(page.Liste1->item(row - 1));
        QTest::mouseDClick(page.Liste1->viewport(), Qt::LeftButton, {}, rect.center());
    }

private slots:
    void init()
    {
        world = std::make_unique<TestWorld>();
        outputs = ScriptedOutputs();
        outputs.sheetFaces = &world->platform.faces;
        outputs.folder = world->workingDirectory.path();
        world->platform.use.outputs = &outputs;
        world->platform.use.fileDialogs = &files;
    }
    void cleanup() { world.reset(); }

    void answeringNoPrintsNothing_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("kindCode");
        QTest::newRow("row 5") << 5 << QStringLiteral("Plusrechnen bis 10") << 10;
        QTest::newRow("row 7, without the range") << 7 << QStringLiteral("Zahlenraum ergänzen") << 5;
        QTest::newRow("row 13") << 13 << QStringLiteral("Verm. Ergänzen bis 10") << 16;
    }
    void answeringNoPrintsNothing()
    {
        QFETCH(int, row);
        QFETCH(QString, title);
        QFETCH(int, kindCode);
        world->dialogs.answerNo();
        doubleClickRow(row);
        QCOMPARE(world->dialogs.count(), 1);
        QCOMPARE(world->dialogs.last().kind, ScriptedDialogs::Kind::Question);
        QCOMPARE(world->dialogs.last().title, title);
        QCOMPARE(world->dialogs.last().text, QStringLiteral("Dieses Blatt jetzt ausdrucken?\r"));
        QVERIFY(form1().Liste1->isHidden());
        QCOMPARE(shared().taskKind, TaskKind(kindCode));
        QCOMPARE(outputs.jobs, 0);
    }

    void answeringYesPrintsOneSheet()
    {
        world->dialogs.answerYes();
        bool waitCursorAtMessage = true;
        world->dialogs.onNextMessage([&] { waitCursorAtMessage = QGuiApplication::overrideCursor() != nullptr; });
        doubleClickRow(13);
        QCOMPARE(outputs.jobs, 1);
        QCOMPARE(outputs.printed.size(), 1);
        QVERIFY(outputs.waitCursorWhilePrinting);
        QVERIFY(!waitCursorAtMessage);
        QCOMPARE(world->dialogs.last().title, QStringLiteral("Blatt drucken"));
        QCOMPARE(world->dialogs.last().text, printed);
        QVERIFY(form1().Liste1->isHidden());
        // The sheet is drawn apart from the screens: none is made hidden to hold its tasks.
        QCOMPARE(loadedWindows(), QList<Form *>{&form1()});
    }

    void withoutPrinterTheSheetBecomesAPdf()
    {
        outputs.printer = false;
        world->dialogs.answerYes();
        doubleClickRow(5);
        const QStringList files = QDir(outputs.folder).entryList({QStringLiteral("*.pdf")});
        QCOMPARE(files.size(), 1);
        QVERIFY(
            QRegularExpression(QStringLiteral("^Plusrechnen bis 10 \\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d-\\d\\d\\.pdf$"))
                .match(files.first())
                .hasMatch());
        const QString path = QDir(outputs.folder).absoluteFilePath(files.first());
        QCOMPARE(world->dialogs.last().title, QStringLiteral("Blatt drucken"));
        QCOMPARE(world->dialogs.last().text, QStringLiteral("Es ist kein Drucker eingerichtet.\r"
                                                            "Das Blatt wurde als PDF-Datei gespeichert:\r") +
                                                 path + u'\r');
    }

    void failuresAreNeverReportedAsPrinted_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("reason");
        QTest::newRow("printer cannot be opened")
            << QStringLiteral("open") << 5 << QStringLiteral("Der Drucker „Schule“ lässt sich nicht öffnen.");
        QTest::newRow("printer reports an error")
            << QStringLiteral("end") << 5 << QStringLiteral("Der Drucker „Schule“ hat einen Fehler gemeldet.");
        QTest::newRow("PDF cannot be written") << QStringLiteral("pdf") << 5 << QStringLiteral("Die PDF-Datei „");
        QTest::newRow("no folder to save into")
            << QStringLiteral("nofolder") << 5
            << QStringLiteral("Es ist kein Drucker eingerichtet, und es gibt keinen Ordner, in dem das Blatt");
        QTest::newRow("picture face missing")
            << QStringLiteral("face") << 2
            << QStringLiteral("Die Bilderschrift „ANLAUT“ fehlt oder lässt sich nicht laden.");
    }
    void failuresAreNeverReportedAsPrinted()
    {
        QFETCH(QString, failure);
        QFETCH(int, row);
        QFETCH(QString, reason);
        const QString faceFile = world->platform.faces.pictureFaceFile();
        if (failure == QLatin1String("open"))
            outputs.failAtOpen = reason;
        if (failure == QLatin1String("end"))
            outputs.failAtEnd = reason;
        if (failure == QLatin1String("pdf")) {
            outputs.printer = false;
            outputs.folder = world->workingDirectory.filePath(QStringLiteral("fehlt"));
        }
        if (failure == QLatin1String("nofolder")) {
            outputs.printer = false;
            outputs.folder.clear();
        }
        if (failure == QLatin1String("face"))
            world->platform.faces.setPictureFaceFile(world->workingDirectory.filePath(QStringLiteral("fehlt.ttf")));
        world->dialogs.answerYes();
        doubleClickRow(row);
        world->platform.faces.setPictureFaceFile(faceFile);

        QCOMPARE(world->dialogs.last().title, QStringLiteral("Blatt drucken"));
        const QString text = world->dialogs.last().text;
        QVERIFY2(text.startsWith(QStringLiteral("Das Blatt konnte nicht gedruckt werden.\r") + reason),
                 qPrintable(text));
        QVERIFY(text.endsWith(u'\r'));
        QCOMPARE(world->dialogs.count(ScriptedDialogs::Kind::Message), 1);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void classSetOfGroups()
    {
        StartPage &page = listWithRow(12);
        QString proposed;
        QString tooMany;
        bool printable = true;
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<ClassSetDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            proposed = dialog->total->text();
            QCOMPARE(dialog->classSet().groups, (QList<worksheets::ClassSetGroup>{{12, 10, 25}}));
            QVERIFY(!dialog->keysApart->isChecked());
            dialog->addGroup();
            dialog->setGroup(1, {4, 15, 16});
            tooMany = dialog->total->text();
            printable = dialog->printButton->isEnabled();
            dialog->setGroup(1, {4, 15, 5});
            dialog->keysApart->setFocus();
            QTest::keyClick(dialog->keysApart, Qt::Key_Space);
            QVERIFY(dialog->keysApart->isChecked());
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        page.printClassSet();
        QCOMPARE(proposed, QStringLiteral("Zusammen: 25 Blätter"));
        QCOMPARE(tooMany, QStringLiteral("Zusammen: 41 Blätter – höchstens 40 sind möglich."));
        QVERIFY(!printable);
        QCOMPARE(world->dialogs.count(), 1);
        QCOMPARE(world->dialogs.last().text, printed);
        QCOMPARE(outputs.jobs, 1);
        QCOMPARE(outputs.printed.size(), 30 + 3); // the sheets, then three key pages
        QCOMPARE(outputs.printed[29].texts.last().text, QStringLiteral("Blatt 30 von 30"));
        QCOMPARE(shared().numberRange, 10);

        // Escape prints nothing.
        world->dialogs.clear();
        QTimer::singleShot(0, this, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
        page.printClassSet();
        QCOMPARE(world->dialogs.count(), 0);
        QCOMPARE(outputs.jobs, 1);
    }

    void classSetAsPdfWithoutPrinter()
    {
        outputs.printer = false;
        listWithRow(5);
        worksheets::ClassSet set;
        set.groups = {{5, 10, 2}, {7, 20, 1}};
        form1().printClassSet(set);
        const QStringList files = QDir(outputs.folder).entryList({QStringLiteral("*.pdf")});
        QCOMPARE(files.size(), 1);
        QVERIFY(QRegularExpression(
                    QStringLiteral("^Klassensatz 3 Blätter \\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d-\\d\\d\\.pdf$"))
                    .match(files.first())
                    .hasMatch());
        QCOMPARE(world->dialogs.last().text, QStringLiteral("Es ist kein Drucker eingerichtet.\r"
                                                            "Die 3 Blätter wurden als PDF-Datei gespeichert:\r") +
                                                 QDir(outputs.folder).absoluteFilePath(files.first()) + u'\r');
    }

    // Printing from the preview ends with the double-click's message; the preview is wide enough
    // for its whole toolbar, the print button last.
    void previewPrintsAndSaysWhere()
    {
        outputs.printer = false;
        StartPage &page = listWithRow(5);
        int width = 0;
        int needed = 0;
        QTimer::singleShot(0, this, [&] {
            auto *preview = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
            QVERIFY(preview);
            const QToolBar *tools = preview->findChild<QToolBar *>();
            width = preview->width();
            needed = tools->sizeHint().width();
            QTimer::singleShot(0, this, [] {
                if (auto *choice = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget()))
                    choice->accept();
            });
            tools->actions().constLast()->trigger();
        });
        page.previewSelectedWorksheet();
        QVERIFY2(width >= needed, qPrintable(QStringLiteral("%1 < %2").arg(width).arg(needed)));
        const QStringList files = QDir(outputs.folder).entryList({QStringLiteral("*.pdf")});
        QCOMPARE(files.size(), 1);
        QCOMPARE(world->dialogs.count(), 1);
        QCOMPARE(world->dialogs.last().title, QStringLiteral("Blatt drucken"));
        QCOMPARE(world->dialogs.last().text, QStringLiteral("Es ist kein Drucker eingerichtet.\r"
                                                            "Das Blatt wurde als PDF-Datei gespeichert:\r") +
                                                 QDir(outputs.folder).absoluteFilePath(files.first()) + u'\r');
    }

    // A screen reader calls each group's row chooser by its group and reads the row as its text; in
    // the preview Tab reaches the print button, and the zoom and page fields are named.
    void classSetAndPreviewForScreenReaders()
    {
        StartPage &page = listWithRow(5);
        QStringList rows;
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<ClassSetDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->addGroup();
            for (QComboBox *row : dialog->findChildren<QComboBox *>()) {
                QAccessibleInterface *chooser = QAccessible::queryAccessibleInterface(row);
                const QAccessibleTextInterface *shown = chooser->textInterface();
                rows << chooser->text(QAccessible::Name) << shown->text(0, shown->characterCount());
            }
            dialog->reject();
        });
        page.printClassSet();
        QCOMPARE(rows, (QStringList{QStringLiteral("Gruppe 1: Blatt"), QStringLiteral("Plusrechnen"),
                                    QStringLiteral("Gruppe 2: Blatt"), QStringLiteral("Plusrechnen")}));

        outputs.printer = false;
        bool reached = false;
        QStringList fields;
        QStringList zoomRead;
        QTimer::singleShot(0, this, [&] {
            auto *preview = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
            QVERIFY(preview);
            const QToolBar *tools = preview->findChild<QToolBar *>();
            const QWidget *printButton = tools->widgetForAction(tools->actions().constLast());
            preview->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(preview));
            for (int tab = 0; tab < 40 && !reached; ++tab) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                reached = QApplication::focusWidget() == printButton;
            }
            auto *zoom = preview->findChild<QComboBox *>();
            fields << QAccessible::queryAccessibleInterface(zoom)->text(QAccessible::Name);
            for (QLineEdit *field : preview->findChildren<QLineEdit *>())
                fields << QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name);
            // The zoom Qt shows as "53.3%" is read as German writes it, in the box, its field and its list.
            const QAccessibleTextInterface *typed =
                QAccessible::queryAccessibleInterface(zoom->lineEdit())->textInterface();
            zoomRead << QAccessible::queryAccessibleInterface(zoom)->text(QAccessible::Value)
                     << typed->text(0, typed->characterCount()) << zoom->itemData(0, Qt::AccessibleTextRole).toString();
            preview->reject();
        });
        page.previewSelectedWorksheet();
        QVERIFY(reached);
        QCOMPARE(fields, (QStringList{QStringLiteral("Vergrößerung"), QStringLiteral("Vergrößerung"),
                                      QStringLiteral("Seite")}));
        QCOMPARE(zoomRead.size(), 3);
        const QRegularExpression german(QStringLiteral("^\\d+(,\\d+)? %$"));
        for (const QString &read : std::as_const(zoomRead))
            QVERIFY2(german.match(read).hasMatch(), qPrintable(read));
        QCOMPARE(zoomRead.last(), QStringLiteral("12,5 %"));
    }

    void saveAsPdf()
    {
        StartPage &page = listWithRow(4);
        files.answer = world->workingDirectory.filePath(QStringLiteral("Folgen"));
        page.saveSelectedWorksheetAsPdf();
        QVERIFY(files.proposed.endsWith(QStringLiteral(".pdf")));
        QVERIFY(QFileInfo(files.proposed).fileName().startsWith(QStringLiteral("Zahlfolgen bis 10 ")));
        QVERIFY(QFileInfo(files.answer + QStringLiteral(".pdf")).size() > 0);
        QCOMPARE(world->dialogs.last().text, QStringLiteral("Das Blatt wurde als PDF-Datei gespeichert:\r") +
                                                 files.answer + QStringLiteral(".pdf\r"));
    }

    void contextMenuOfARow()
    {
        StartPage &page = listWithRow(1);
        QStringList offered;
        QTimer::singleShot(0, this, [&] {
            if (QMenu *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                for (QAction *action : menu->actions())
                    offered << action->text();
                menu->close();
            }
        });
        const QRect third = page.Liste1->visualItemRect(page.Liste1->item(2));
        emit page.Liste1->customContextMenuRequested(third.center());
        QCOMPARE(page.Liste1->listIndex(), 2);
        QCOMPARE(offered, QStringList({QStringLiteral("Vorschau …"), QStringLiteral("Als PDF speichern …"),
                                       QStringLiteral("Klassensatz …")}));
    }
};

QTEST_MAIN(WorksheetPrintingTest)
#include "test_worksheetprinting.moc"
