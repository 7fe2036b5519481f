// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/FontViewer.h"

#include "engine/TextHelpers.h"
#include "ui/kit/ActivationWatch.h"
#include "ui/kit/Controls.h"
#include "ui/kit/Navigation.h"
#include "ui/machine/DocumentsFolder.h"
#include "ui/machine/NewFile.h"
#include "ui/machine/Platform.h"
#include "ui/machine/Seams.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImageWriter>
#include <QPixmap>
#include <QSet>

using kit::ActivationWatch;
using kit::Button;
using kit::Form;
using kit::Label;
using kit::ListBox;

FontViewer::FontViewer(const kit::Context &context)
    : Form(context.zoom, context.drawer, QStringLiteral("Form9"), QSize(7740, 4725), QColor(192, 192, 255)),
      context_(context)
{
    setCaption(QStringLiteral("Q U A R I M O :  Symbolschrift"));

    Befehl1 = new Button(this, QStringLiteral("Befehl1"), QRect(120, 240, 1095, 375), QStringLiteral("E n d e"));
    Befehl1->setAccessibleName(QStringLiteral("Ende"));
    Befehl2 = new Button(this, QStringLiteral("Befehl2"), QRect(120, 840, 1095, 375), QStringLiteral("Sichern"));
    Befehl2->setToolTip(QStringLiteral("Speichert die Schriftprobe als Bild im Ordner Dokumente."));
    Liste1 = new ListBox(this, QStringLiteral("Liste1"), QRect(1440, 240, 3015, 4350));
    Liste1->setFont(kit::fontAt(zoomValue(), QStringLiteral("MS Sans Serif"), 9.75, true));
    Liste1->setAccessibleName(QStringLiteral("Schriften"));
    Bezeichnung1 = new Label(this, QStringLiteral("Bezeichnung1"), QRect(4560, 240, 3015, 4335));
    Bezeichnung1->setFontSpec(QStringLiteral("MS Sans Serif"), 18, true);
    Bezeichnung1->setWordWrap(true);
    Bezeichnung1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Bezeichnung1->setAccessibleName(QStringLiteral("Schriftprobe"));

    connect(Befehl1, &QPushButton::clicked, this, [this] { leaveViewer(); });
    connect(Befehl2, &QPushButton::clicked, this, [this] { saveSample(); });
    connect(Liste1, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) { showFont(item->text()); });
    // Keys move through the list too, and the sample follows.
    connect(Liste1, &QListWidget::currentTextChanged, this, [this](const QString &family) {
        if (!family.isEmpty())
            showFont(family);
    });
    connect(new ActivationWatch(this), &ActivationWatch::activated, this, [this] { fillFontList(); });
}

QString FontViewer::sampleText()
{
    return QStringLiteral("Aa Bb Cc Dd Ee Ff Gg Hh Ii Jj Kk Ll Mm Nn Oo Pp Qq Rr Ss Tt Uu Vv Ww Xx Yy Zz") +
           QStringLiteral("Ää Öö Üü ß 0 1 2 3 4 5 6 7 8 9 ! § $ % & / ( ) = ? * + # ; , : . - - < >");
}

void FontViewer::fillFontList()
{
    // The list is refilled while the sample keeps its face: picking a row here would change it.
    const QSignalBlocker quiet(Liste1);
    Liste1->clear();
    QSet<QString> seen;
    for (const QString &family : QFontDatabase::families()) {
        if (QFontDatabase::isPrivateFamily(family) || seen.contains(family))
            continue;
        seen.insert(family);
        Liste1->addItem(family);
    }
    Bezeichnung1->setCaption(sampleText());
    showFont(Bezeichnung1->font().family());
}

void FontViewer::showFont(const QString &family)
{
    // 18 pt bold in the chosen face; a face wider than the one the sample was laid out for steps
    // down until the whole sample fits, so no line of it is cut off.
    QFont f = kit::fontAt(zoomValue(), QStringLiteral("MS Sans Serif"), 18, true);
    f.setFamily(family);
    const QRect room = Bezeichnung1->contentsRect();
    while (f.pixelSize() > 8) {
        const QRect needed =
            QFontMetrics(f).boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, Bezeichnung1->text());
        if (needed.height() <= room.height() && needed.width() <= room.width())
            break;
        f.setPixelSize(f.pixelSize() - 1);
    }
    Bezeichnung1->setFont(f);
}

QString FontViewer::saveSample()
{
    const QString title = QStringLiteral("Sichern");
    const kit::DocumentsFolder documents = kit::documentsFolder();
    const QString &folder = documents.path;
    if (folder.isEmpty()) {
        context_.platform.dialogs().message(QStringLiteral("Die Schriftprobe konnte nicht gespeichert werden.") +
                                                captions::CR + documents.reason + captions::CR,
                                            title);
        return QString();
    }
    // The face really shown, not the name it was asked for under.
    QString family = QFontInfo(Bezeichnung1->font()).family();
    // A family name may hold signs a file name cannot.
    family.replace(QLatin1Char('/'), QLatin1Char('-')).replace(QLatin1Char('\\'), QLatin1Char('-'));
    const QString wanted = QDir(folder).filePath(QStringLiteral("Schriftprobe %1.png").arg(family));
    QString path;
    // A sample saved before keeps its file: this one gets a free name beside it, and only once
    // the whole picture is on the disk.
    kit::NewFile file(wanted);
    QImageWriter png(&file, "png");
    if (file.isOpen() && png.write(Bezeichnung1->grab().toImage()))
        path = file.commit();
    const QString reason = file.failureReason();
    if (path.isEmpty()) {
        context_.platform.dialogs().message(QStringLiteral("Die Schriftprobe konnte nicht gespeichert werden.") +
                                                captions::CR + (reason.isEmpty() ? QString() : reason + captions::CR) +
                                                QStringLiteral("Ordner: ") + QDir::toNativeSeparators(folder) +
                                                captions::CR,
                                            title);
        return QString();
    }
    context_.platform.dialogs().message(QStringLiteral("Die Schriftprobe ist als Bild gespeichert:") + captions::CR +
                                            QDir::toNativeSeparators(path) + captions::CR,
                                        title);
    return path;
}

void FontViewer::zoomChanged()
{
    // The sample steps down until it fits; at another zoom it may fit larger or smaller.
    showFont(Bezeichnung1->font().family());
}

void FontViewer::leaveViewer()
{
    Liste1->clear();
    hide();
    context_.navigation.giveKeysBack();
}

void FontViewer::closeRequested()
{
    leaveViewer();
}
