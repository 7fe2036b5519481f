// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The start page's worksheet rows: the double-click prints, the context menu offers a preview,
// a PDF file and a class set. The page asks and answers; print/ makes the sheets.

#include "app/StartPage.h"

#include "app/ClassSetDialog.h"
#include "app/Platform.h"
#include "app/PrintPreview.h"
#include "app/Windows.h"
#include "engine/SharedValues.h"
#include "engine/TextHelpers.h"
#include "print/ClassSet.h"
#include "print/SheetTable.h"
#include "print/Worksheets.h"
#include "ui/kit/Controls.h"
#include "ui/machine/FileDialogs.h"
#include "ui/machine/Seams.h"

#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QTimer>

using kit::Dialogs;

namespace {

using captions::CR;

// The wait cursor stands while sheets are made and goes whatever happens.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

void tellPrintOutcome(Dialogs &dialogs, const worksheets::Outcome &outcome, int copies)
{
    const QString title = QStringLiteral("Blatt drucken");
    switch (outcome.kind) {
    case worksheets::Outcome::Kind::Printed:
        dialogs.message(QStringLiteral("Der Ausdruck ist abgeschlossen!") + CR, title);
        break;
    case worksheets::Outcome::Kind::SavedAsPdf: {
        const QString saved = copies == 1
                                  ? QStringLiteral("Das Blatt wurde als PDF-Datei gespeichert:")
                                  : QStringLiteral("Die %1 Blätter wurden als PDF-Datei gespeichert:").arg(copies);
        dialogs.message(QStringLiteral("Es ist kein Drucker eingerichtet.") + CR + saved + CR + outcome.file + CR,
                        title);
        break;
    }
    case worksheets::Outcome::Kind::Failed: {
        const QString failed = copies == 1 ? QStringLiteral("Das Blatt konnte nicht gedruckt werden.")
                                           : QStringLiteral("Die Blätter konnten nicht gedruckt werden.");
        dialogs.message(failed + CR + outcome.reason + CR, title);
        break;
    }
    }
}

} // namespace

void StartPage::printSelectedWorksheet()
{
    windows_.shared().taskKind = TaskKind::NotSet;
    const int row = Liste1->listIndex() + 1;
    closeList(Liste1, Bild4);
    const TaskKind kindCode = sheettable::kindCodeOfRow(row);
    if (kindCode == TaskKind::NotSet)
        return; // no row chosen
    windows_.shared().taskKind = kindCode;
    const QString title = Liste1->item(row - 1)->text();
    if (dialogs().question(QStringLiteral("Dieses Blatt jetzt ausdrucken?") + CR, title) != Dialogs::Answer::Yes)
        return;
    worksheets::Outcome outcome;
    {
        WaitCursor wait;
        outcome = worksheets::printSheets(platform().printOutputs(), kindCode, windows_.shared().numberRange,
                                     windows_.random(), title);
    }
    tellPrintOutcome(dialogs(), outcome, 1);
}

void StartPage::previewSelectedWorksheet()
{
    const int row = Liste1->listIndex() + 1;
    const TaskKind kindCode = sheettable::kindCodeOfRow(row);
    if (kindCode == TaskKind::NotSet)
        return;
    const PreviewOutcome preview = showPreview(platform().printOutputs(), kindCode, windows_.shared().numberRange,
                                               windows_.random(), Liste1->item(row - 1)->text(), this);
    if (!preview.notShown.isEmpty()) {
        dialogs().message(QStringLiteral("Die Vorschau konnte nicht gezeigt werden.") + CR + preview.notShown + CR,
                          QStringLiteral("Vorschau"));
        return;
    }
    if (!preview.printed)
        return; // closed without printing
    // Printed to a file although a printer is there: the teacher chose it in the print dialog.
    if (preview.printed->kind == worksheets::Outcome::Kind::SavedAsPdf && platform().printOutputs().hasPrinter()) {
        dialogs().message(QStringLiteral("Das Blatt wurde als PDF-Datei gespeichert:") + CR + preview.printed->file +
                              CR,
                          QStringLiteral("Blatt drucken"));
        return;
    }
    tellPrintOutcome(dialogs(), *preview.printed, 1);
}

void StartPage::saveSelectedWorksheetAsPdf()
{
    const int row = Liste1->listIndex() + 1;
    const TaskKind kindCode = sheettable::kindCodeOfRow(row);
    if (kindCode == TaskKind::NotSet)
        return;
    const QString title = Liste1->item(row - 1)->text();
    const QString dialogTitle = QStringLiteral("Als PDF speichern");
    QString path = platform().fileDialogs().saveFileName(
        dialogTitle, worksheets::newPdfPath(platform().printOutputs(), title), QStringLiteral("PDF-Dateien (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    worksheets::Outcome outcome;
    {
        WaitCursor wait;
        outcome = worksheets::saveSheetsAsPdf(platform().printOutputs(), kindCode, windows_.shared().numberRange,
                                         windows_.random(), title, path);
    }
    if (outcome.kind == worksheets::Outcome::Kind::Failed) {
        dialogs().message(QStringLiteral("Das Blatt konnte nicht gespeichert werden.") + CR + outcome.reason + CR,
                          dialogTitle);
    } else {
        dialogs().message(QStringLiteral("Das Blatt wurde als PDF-Datei gespeichert:") + CR + outcome.file + CR,
                          dialogTitle);
    }
}

void StartPage::printClassSet()
{
    const int row = Liste1->listIndex() + 1;
    if (sheettable::kindCodeOfRow(row) == TaskKind::NotSet)
        return;
    ClassSetDialog dialog(row, windows_.shared().numberRange, zoomValue(), this);
    const int answer = dialog.exec();
    if (isVisible())
        activateWindow(); // the keys come back to the list, also without a window manager
    if (answer == QDialog::Accepted)
        printClassSet(dialog.classSet());
}

void StartPage::printClassSet(const worksheets::ClassSet &set)
{
    worksheets::Outcome outcome;
    {
        WaitCursor wait;
        outcome = worksheets::printClassSet(platform().printOutputs(), set, windows_.random());
    }
    tellPrintOutcome(dialogs(), outcome, set.totalSheets());
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
    menu.setAccessibleName(QStringLiteral("Arbeitsblatt"));
    menu.addAction(QStringLiteral("Vorschau …"), this, &StartPage::previewSelectedWorksheet);
    menu.addAction(QStringLiteral("Als PDF speichern …"), this, &StartPage::saveSelectedWorksheetAsPdf);
    menu.addAction(QStringLiteral("Klassensatz …"), this, qOverload<>(&StartPage::printClassSet));
    // Its first row is chosen as it opens: the keyboard is in the menu at once, and a screen
    // reader, told of the row, says the menu.
    QTimer::singleShot(0, &menu, [&menu] {
        if (!menu.activeAction())
            menu.setActiveAction(menu.actions().value(0));
    });
    menu.exec(Liste1->viewport()->mapToGlobal(at));
}
