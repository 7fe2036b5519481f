// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/PrintPreview.h"

#include "print/RecordingDevice.h"
#include "ui/speech/Accessibility.h"

#include <QComboBox>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>

using namespace worksheets;

namespace {

// The toolbar's buttons take no keyboard focus of their own, so Tab never came to "Drucken";
// now every tool is reached by Tab, and the fields and the sheet say what they are.
void makeReachable(QPrintPreviewDialog &dialog)
{
    for (QToolButton *tool : dialog.findChildren<QToolButton *>())
        tool->setFocusPolicy(Qt::TabFocus);
    for (QLineEdit *field : dialog.findChildren<QLineEdit *>()) {
        const bool zoom = qobject_cast<QComboBox *>(field->parentWidget());
        field->setAccessibleName(zoom ? QStringLiteral("Vergrößerung") : QStringLiteral("Seite"));
    }
    // The zoom is shown as Qt writes it ("53.3%"); a screen reader reads it in German.
    if (auto *zoom = dialog.findChild<QComboBox *>()) {
        kit::readNumbersInGerman(zoom);
        zoom->setAccessibleName(QStringLiteral("Vergrößerung"));
    }
    // The sheet itself: the preview and the view inside it that takes the keyboard.
    if (auto *sheet = dialog.findChild<QPrintPreviewWidget *>()) {
        sheet->setAccessibleName(QStringLiteral("Vorschau des Blatts"));
        if (auto *view = sheet->findChild<QGraphicsView *>())
            view->setAccessibleName(QStringLiteral("Vorschau des Blatts"));
    }
}

} // namespace

PreviewOutcome showPreview(Outputs &out, TaskKind kindCode, int range, Random &random, const QString &title,
                           QWidget *parent)
{
    PreviewOutcome result;
    if (!pictureFaceReady(out.faces(), kindCode)) {
        result.notShown = pictureFaceMissing();
        return result;
    }
    // The sheet is laid out once: the preview may repaint, and printing from it must print the
    // very sheet that was shown.
    RecordingDevice sheet(out.faces());
    drawSheets(sheet, kindCode, range, random, 1);
    if (sheet.failed()) {
        result.notShown = sheet.failure();
        return result;
    }

    const bool paper = out.hasPrinter();
    QPrinter printer(QPrinter::HighResolution); // the default printer, where there is one
    if (!paper) {
        // With nowhere to save, printing from the preview could only fail.
        const QString path = newPdfPath(out, title);
        if (path.isEmpty()) {
            result.notShown = noPdfFolder();
            return result;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(0.25, 0.3, 0.1, 0.1), QPageLayout::Inch);
        printer.setOutputFileName(path);
    }
    printer.setDocName(title);
    printer.setCreator(QStringLiteral("quarimo"));

    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Vorschau: ") + title);
    makeReachable(dialog);
    // Large enough to read the sheet: most of the screen's height, the page's proportions; and
    // wide enough for the whole toolbar, whose last button prints.
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        int width = room.height() * 3 / 4;
        if (const QToolBar *tools = dialog.findChild<QToolBar *>()) {
            const QMargins margins = dialog.layout() ? dialog.layout()->contentsMargins() : QMargins();
            width = qMax(width, tools->sizeHint().width() + margins.left() + margins.right());
        }
        dialog.resize(qMin(room.width(), width), room.height() * 9 / 10);
    }
    std::optional<Outcome> exported;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter *target) {
        const Outcome put = putPreviewedSheets(out.faces(), *target, sheet.sheets, title);
        if (!put.file.isEmpty())
            exported = put;
    });
    // The preview closes as accepted only when its sheet was printed.
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (exported) {
        result.printed = *exported;
        return result;
    }
    if (!accepted)
        return result;

    Outcome printed;
    if (printer.printerState() == QPrinter::Error) {
        printed.reason = QStringLiteral("Der Drucker „%1“ hat einen Fehler gemeldet.").arg(printer.printerName());
    } else if (printer.printerState() == QPrinter::Aborted) {
        printed.reason = QStringLiteral("Der Druckauftrag wurde abgebrochen.");
    } else {
        printed.kind = Outcome::Kind::Printed;
    }
    result.printed = printed;
    return result;
}
