// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The start page's worksheet rows: the double-click prints, the context menu offers a preview,
// a PDF file and a class set. The page asks and answers; print/ makes the sheets.

#include "app/StartPage.h"

#include "engine/SharedValues.h"
#include "engine/TextHelpers.h"
#include "print/SheetTable.h"
#include "print/Worksheets.h"
#include "ui/Controls.h"
#include "ui/FileDialogs.h"
#include "ui/Seams.h"

#include <QApplication>
#include <QFileInfo>
#include <QMenu>

namespace {

using text::CR;

// The wait cursor stands while sheets are made and goes whatever happens.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

void tellPrintOutcome(const print::Outcome &outcome, int copies)
{
    const QString title = QStringLiteral("Blatt drucken");
    switch (outcome.kind) {
    case print::Outcome::Kind::Printed:
        seams::dialogs().message(QStringLiteral("Der Ausdruck ist abgeschlossen!") + CR, title);
        break;
    case print::Outcome::Kind::SavedAsPdf: {
        const QString saved = copies == 1
                                  ? QStringLiteral("Das Blatt wurde als PDF-Datei gespeichert:")
                                  : QStringLiteral("Die %1 Blätter wurden als PDF-Datei gespeichert:").arg(copies);
        seams::dialogs().message(
            QStringLiteral("Es ist kein Drucker eingerichtet.") + CR + saved + CR + outcome.file + CR, title);
        break;
    }
    case print::Outcome::Kind::Failed: {
        const QString failed = copies == 1 ? QStringLiteral("Das Blatt konnte nicht gedruckt werden.")
                                           : QStringLiteral("Die Blätter konnten nicht gedruckt werden.");
        seams::dialogs().message(failed + CR + outcome.reason + CR, title);
        break;
    }
    }
}

// How many sheets a class set should have: 1 to 40, or 0 when the teacher cancels.
int askClassSetSize()
{
    const QString title = QStringLiteral("Klassensatz");
    for (;;) {
        const QString answer = seams::dialogs().inputBox(
            QStringLiteral("Wie viele verschiedene Blätter sollen gedruckt werden? (1 bis 40)") + CR, title,
            QStringLiteral("25"));
        if (answer.isEmpty())
            return 0;
        bool number = false;
        const int count = answer.trimmed().toInt(&number);
        if (number && count >= 1 && count <= 40)
            return count;
        seams::dialogs().message(QStringLiteral("Bitte eine Zahl von 1 bis 40 eingeben.") + CR, title);
    }
}

} // namespace

void StartPage::printSelectedWorksheet()
{
    shared().taskKind = 0;
    const int row = Liste1->listIndex() + 1;
    Liste1->hide();
    const int kindCode = sheets::kindCodeOfRow(row);
    if (kindCode == 0)
        return; // no row chosen
    shared().taskKind = kindCode;
    const QString title = Liste1->item(row - 1)->text();
    if (seams::dialogs().question(QStringLiteral("Dieses Blatt jetzt ausdrucken?") + CR, title) != Dialogs::Answer::Yes)
        return;
    print::Outcome outcome;
    {
        WaitCursor wait;
        outcome = print::printSheets(kindCode, title);
    }
    tellPrintOutcome(outcome, 1);
}

void StartPage::previewSelectedWorksheet()
{
    const int row = Liste1->listIndex() + 1;
    const int kindCode = sheets::kindCodeOfRow(row);
    if (kindCode == 0)
        return;
    const print::Outcome outcome = print::showPreview(kindCode, Liste1->item(row - 1)->text(), this);
    const QString title = QStringLiteral("Vorschau");
    if (outcome.kind == print::Outcome::Kind::SavedAsPdf) {
        seams::dialogs().message(QStringLiteral("Das Blatt wurde als PDF-Datei gespeichert:") + CR + outcome.file + CR,
                                 title);
    } else if (outcome.kind == print::Outcome::Kind::Failed) {
        const QString failed = outcome.file.isEmpty() ? QStringLiteral("Die Vorschau konnte nicht gezeigt werden.")
                                                      : QStringLiteral("Das Blatt konnte nicht gespeichert werden.");
        seams::dialogs().message(failed + CR + outcome.reason + CR, title);
    }
}

void StartPage::saveSelectedWorksheetAsPdf()
{
    const int row = Liste1->listIndex() + 1;
    const int kindCode = sheets::kindCodeOfRow(row);
    if (kindCode == 0)
        return;
    const QString title = Liste1->item(row - 1)->text();
    const QString dialogTitle = QStringLiteral("Als PDF speichern");
    QString path =
        seams::fileDialogs().saveFileName(dialogTitle, print::newPdfPath(title), QStringLiteral("PDF-Dateien (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    print::Outcome outcome;
    {
        WaitCursor wait;
        outcome = print::saveSheetsAsPdf(kindCode, title, path);
    }
    if (outcome.kind == print::Outcome::Kind::Failed) {
        seams::dialogs().message(
            QStringLiteral("Das Blatt konnte nicht gespeichert werden.") + CR + outcome.reason + CR, dialogTitle);
    } else {
        seams::dialogs().message(QStringLiteral("Das Blatt wurde als PDF-Datei gespeichert:") + CR + outcome.file + CR,
                                 dialogTitle);
    }
}

void StartPage::printClassSet()
{
    const int row = Liste1->listIndex() + 1;
    const int kindCode = sheets::kindCodeOfRow(row);
    if (kindCode == 0)
        return;
    const int copies = askClassSetSize();
    if (copies == 0)
        return;
    print::Outcome outcome;
    {
        WaitCursor wait;
        outcome = print::printSheets(kindCode, Liste1->item(row - 1)->text(), copies);
    }
    tellPrintOutcome(outcome, copies);
}

void StartPage::connectWorksheetMenu()
{
    // The right mouse button and the menu key both ask for it.
    Liste1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Liste1, &QWidget::customContextMenuRequested, this, &StartPage::showWorksheetMenu);
}

void StartPage::showWorksheetMenu(const QPoint &position)
{
    QPoint at = position;
    if (QListWidgetItem *item = Liste1->itemAt(position))
        Liste1->setCurrentItem(item);
    else if (Liste1->currentItem())
        at = Liste1->visualItemRect(Liste1->currentItem()).center();
    else
        return;

    QMenu menu(this);
    menu.setObjectName(QStringLiteral("worksheetMenu"));
    menu.addAction(QStringLiteral("Vorschau …"), this, &StartPage::previewSelectedWorksheet);
    menu.addAction(QStringLiteral("Als PDF speichern …"), this, &StartPage::saveSelectedWorksheetAsPdf);
    menu.addAction(QStringLiteral("Klassensatz …"), this, &StartPage::printClassSet);
    menu.exec(Liste1->viewport()->mapToGlobal(at));
}
