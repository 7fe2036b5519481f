// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/kit/Fonts.h"

#include "ui/kit/Prerender.h"
#include "ui/kit/Twips.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <cmath>

namespace kit {

QFont fontAt(double zoom, const QString &family, double points, bool bold)
{
    QFont f(family);
    f.setPixelSize(twips::fontPixelsAt(points, zoom));
    f.setBold(bold);
    return f;
}

namespace {

bool readsLatin(const QString &family)
{
    return QFontDatabase::writingSystems(family).contains(QFontDatabase::Latin);
}

// A face for text that is really installed. Qt lists its generic names ("Sans Serif",
// "Monospace") even when no face stands behind them, and then they lead to any face there is.
QString installedTextFace(const QString &pictureFace)
{
    const QStringList families = QFontDatabase::families();
    for (const QString &wanted : {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")}) {
        if (families.contains(wanted, Qt::CaseInsensitive))
            return wanted;
    }
    for (const QString &family : families) {
        if (family.compare(pictureFace, Qt::CaseInsensitive) == 0 || QFontDatabase::isPrivateFamily(family))
            continue;
        if (QFontInfo(QFont(family)).family().compare(family, Qt::CaseInsensitive) == 0 && readsLatin(family))
            return family;
    }
    return QString();
}

} // namespace

bool installFontSubstitutions(const QString &pictureFace, Drawer *drawer)
{
    QString text = installedTextFace(pictureFace);
    if (text.isEmpty()) {
        // The font configuration offers no face (it is empty or broken): the faces the program
        // depends on are read from where their packages put them.
        for (const char *file : {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                                 "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
                                 "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf",
                                 "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf"})
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        text = installedTextFace(pictureFace);
    }
    if (text.isEmpty())
        return false;

    // Where Qt finds none of the faces asked for it takes the application's font, and where that
    // leads nowhere, any face at all: with few faces installed that may be the picture face,
    // which would turn every label into little pictures.
    const QString standard = QFontInfo(QGuiApplication::font()).family();
    if (standard.compare(pictureFace, Qt::CaseInsensitive) == 0 || !readsLatin(standard)) {
        QFont font = QGuiApplication::font();
        font.setFamilies({text});
        QGuiApplication::setFont(font);
        // Qt's generic names lead there too, not to whatever face comes first.
        for (const QString &generic : {QStringLiteral("Sans Serif"), QStringLiteral("Serif"),
                                       QStringLiteral("Monospace")})
            QFont::insertSubstitution(generic, text);
    }

    const QStringList families = QFontDatabase::families();
    auto firstInstalled = [&](const QStringList &wanted) {
        for (const QString &name : wanted)
            if (families.contains(name, Qt::CaseInsensitive))
                return name;
        return text;
    };
    const QString sans = firstInstalled({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    const QString arial = firstInstalled({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    const QString school = firstInstalled({QStringLiteral("Ecolier_court"), QStringLiteral("Ecolier Court"),
                                           QStringLiteral("Ecolier_lignes_court"), QStringLiteral("DejaVu Serif"),
                                           sans});
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitution(QStringLiteral("Verdana"), sans);
    QFont::insertSubstitution(QStringLiteral("Arial"), arial);
    QFont::insertSubstitution(QStringLiteral("ARIAL"), arial);
    QFont::insertSubstitution(QStringLiteral("Lateinaus"), school);

    // Which faces stand in for characters a face lacks is worked out once per face, and for the
    // labels' faces that takes longer than building the start page: the second core finds out
    // while the page is built. Size, weight and script do not matter for it.
    if (!drawer)
        return true;
    drawer->doAside([families = QStringList{QStringLiteral("MS Sans Serif"), QGuiApplication::font().family()}] {
        for (const QString &family : families) {
            QFont face(family);
            face.setPixelSize(16);
            QFontMetrics(face).height();
        }
    });
    return true;
}

const QColor systemWindowColour()
{
    return QColor(240, 240, 240);
}

void paintFocusMark(QPainter &painter, const QRect &rect, double zoom)
{
    // A broad bright blue band with a white line inside: no picture of ours uses that pair, so
    // the mark stands out on yellow notes, the green board and dark cards alike.
    const qreal band = qMax(3.0, std::round(3 * zoom));
    const qreal line = qMax(2.0, std::round(2 * zoom));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 102, 255), band, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(rect).adjusted(band / 2, band / 2, -band / 2, -band / 2));
    painter.setPen(QPen(Qt::white, line, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const qreal inset = band + line / 2;
    painter.drawRect(QRectF(rect).adjusted(inset, inset, -inset, -inset));
    painter.restore();
}

} // namespace kit
