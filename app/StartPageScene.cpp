// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The start page's controls: a classroom with a door, notes on the wall, a chalkboard on an
// easel, a table and things lying on the floor. Widgets made later lie on top of earlier ones,
// so the scene is built from the back to the front.

#include "app/StartPage.h"

#include "ui/kit/Controls.h"
#include "ui/kit/ZoomStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QProxyStyle>

#include <algorithm>

using kit::Label;
using kit::ListBox;
using kit::Picture;
using kit::PictureButton;
using kit::ScrollBar;
using kit::Shape;

namespace {

const QColor floorWood(222, 200, 160);
const QColor skirting(150, 110, 70);
const QColor doorWood(160, 100, 52);
const QColor doorFrame(96, 58, 28);
const QColor titleGreen(0, 128, 0);

// The floor line lies behind the feet of the table and the easel, so they stand on it.
constexpr int floorTop = 5460;

PictureButton *pictureButton(QWidget *parent, const char *name, const QRect &twips, const char *svg,
                             const QString &accessibleName)
{
    return new PictureButton(parent, QString::fromLatin1(name), twips, QString::fromLatin1(svg), accessibleName);
}

// The school script has long loops below its baseline, so its line is more than twice as high
// as the title band; the capitals alone fit. The inked letters, not the line, are centred and fill
// the band. They are drawn as outlines, filled and traced: the face has no bold cut, and the font
// engine thickens it only at small sizes, so this keeps the title as bold and crisp at every zoom.
class TitleLabel : public Label
{
public:
    using Label::Label;

    // Tracing the script's thin strokes is the costliest drawing of the page, so it is done on
    // the second core as soon as the banner's size, text, face and colour are set, and kept until
    // one of them changes.
    void prepare()
    {
        const qreal ratio = devicePixelRatioF();
        const QColor colour = palette().color(QPalette::WindowText);
        const QSize band = size() * ratio;
        // Kept free above and below the letters together.
        const qreal spare = kit::twips::lineWidthAt(zoomValue(), 4) * ratio;
        // Everything the letters depend on, the face the family stands for included: it decides
        // when they are drawn again.
        const QByteArray key = QStringLiteral("title %1|%2|%3|%4|%5x%6|%7|%8")
                                   .arg(text(), font().family(), QFont::substitute(font().family()))
                                   .arg(font().bold())
                                   .arg(band.width())
                                   .arg(band.height())
                                   .arg(spare)
                                   .arg(ratio)
                                   .toUtf8() +
                               '|' + colour.name(QColor::HexArgb).toLatin1();
        if (key == drawnFor_ && (letters_.isStarted() || band.isEmpty()))
            return;
        drawnFor_ = key;
        if (band.isEmpty()) {
            letters_.clear();
            return;
        }
        letters_.start([text = text(), family = font().family(), bold = font().bold(), colour, band, spare, ratio] {
            return drawLetters(text, family, bold, colour, band, spare, ratio);
        });
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        prepare();
        const QImage image = letters_.image();
        if (!image.isNull())
            QPainter(this).drawImage(0, 0, image);
    }

private:
    static QImage drawLetters(const QString &text, const QString &family, bool bold, const QColor &colour,
                              const QSize &band, qreal spare, qreal ratio)
    {
        QFont face(family);
        face.setBold(bold);
        face.setPixelSize(200);
        // The title's letters are all in the school face: no other face need be looked up
        // to stand in, which would hold up the labels' fonts on the other thread.
        face.setStyleStrategy(QFont::NoFontMerging);
        QPainterPath letters;
        letters.addText(0, 0, face, text);
        const qreal trace = face.pixelSize() / 20.0;
        const QRectF ink = letters.boundingRect().adjusted(-trace / 2, -trace / 2, trace / 2, trace / 2);
        QImage image(band, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        if (ink.isEmpty())
            return image;
        const qreal scale = qMin((band.height() - spare) / ink.height(), (band.width() - spare) / ink.width());
        // Traced without smoothing at three times the size, then each block of three by three
        // averaged: the soft edges of a smoothed tracing, in less than half the time.
        constexpr int fine = 3;
        QImage coverage(band * fine, QImage::Format_Alpha8);
        coverage.fill(0);
        QPainter painter(&coverage);
        painter.scale(fine, fine);
        painter.translate(band.width() / 2.0, band.height() / 2.0);
        painter.scale(scale, scale);
        painter.translate(-ink.center());
        painter.setPen(QPen(Qt::black, trace, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::black);
        painter.drawPath(letters);
        painter.end();
        for (int y = 0; y < band.height(); ++y) {
            auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < band.width(); ++x) {
                int covered = 0;
                for (int dy = 0; dy < fine; ++dy) {
                    const uchar *fineRow = coverage.constScanLine(y * fine + dy) + x * fine;
                    for (int dx = 0; dx < fine; ++dx)
                        covered += fineRow[dx];
                }
                const int alpha = colour.alpha() * covered / (255 * fine * fine);
                row[x] = qPremultiply(qRgba(colour.red(), colour.green(), colour.blue(), alpha));
            }
        }
        image.setDevicePixelRatio(ratio);
        return image;
    }

    QByteArray drawnFor_;
    kit::PendingImage letters_{kit::drawerOf(parentWidget())};
};

// The door's caption stands a little below the lintel, and its knob is drawn by a style sheet in
// pixels: both follow the zoom.
void dressDoor(Label *door)
{
    const double zoom = door->zoomValue();
    door->setContentsMargins(0, kit::twips::toPixelsAt(270, zoom), 0, 0);
    if (auto *knob = door->findChild<Label *>(QStringLiteral("doorKnob")))
        knob->setStyleSheet(QStringLiteral("background: #f2c230; border: %1px solid #5a3a10; border-radius: %2px;")
                                .arg(kit::twips::lineWidthAt(zoom))
                                .arg(kit::twips::lineWidthAt(zoom, 4)));
}

// The range bar is short: with the style's usual minimum the thumb fills the whole groove and
// never shows where the range stands. A narrower thumb moves visibly from 10 to 20.
class RangeBarStyle : public kit::ZoomStyle
{
public:
    using kit::ZoomStyle::ZoomStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_ScrollBarSliderMin)
            return kit::twips::lineWidthAt(zoomValue(), 6);
        return kit::ZoomStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

void StartPage::buildScene()
{
    // Wall and floor, painted below every control.
    Shape *floor = addShape(QStringLiteral("floor"), QRect(0, floorTop, 9090, 7095 - floorTop));
    floor->setNoBorder();
    floor->setFill(floorWood);
    addLine(QStringLiteral("skirting"), QPoint(0, floorTop), QPoint(9090, floorTop), skirting, 3);

    // Furniture at the back: the chalkboard on its easel, the table with the printer.
    Bild1 = new Picture(this, QStringLiteral("Bild1"), QRect(4080, 120, 4695, 5775), QStringLiteral("chalkboard.svg"),
                        QStringLiteral("Tafel"));
    Bild6 = pictureButton(this, "Bild6", QRect(120, 4200, 3255, 1695), "table.svg",
                          QStringLiteral("Tisch mit Zahlenbildern"));
    // Standing on the right of the table top, within reach of a teacher's mouse.
    Bild4 = pictureButton(this, "Bild4", QRect(2205, 3600, 1050, 790), "printer.svg", QStringLiteral("Drucker"));

    // The child's name stands like a name plate at the back of the table.
    Bezeichnung12 = new Label(this, QStringLiteral("Bezeichnung12"), QRect(480, 3840, 1695, 375),
                              QStringLiteral("Freund"));
    Bezeichnung12->setFontSpec(QStringLiteral("MS Sans Serif"), 12, true);
    Bezeichnung12->setBackgroundColour(Qt::white);
    Bezeichnung12->setSingleBorder(true);
    Bezeichnung12->setAlignment(Qt::AlignCenter);
    Bezeichnung12->setCursor(Qt::PointingHandCursor);
    Bezeichnung12->setToolTip(QStringLiteral("Anmelden"));

    // The door: the exit label in its frame, with a knob.
    Figur1 = addShape(QStringLiteral("Figur1"), QRect(1245, 645, 1605, 2805));
    Figur1->setBorder(doorFrame, 5);
    Bezeichnung1 = new Label(this, QStringLiteral("Bezeichnung1"), QRect(1320, 720, 1455, 2655),
                             QStringLiteral("Ausgang"));
    Bezeichnung1->setFontSpec(QStringLiteral("MS Sans Serif"), 10, true);
    Bezeichnung1->setBackgroundColour(doorWood);
    Bezeichnung1->setTextColour(Qt::white);
    Bezeichnung1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Bezeichnung1->setCursor(Qt::PointingHandCursor);
    auto *knob = new Label(Bezeichnung1, QStringLiteral("doorKnob"), QRect(1050, 1530, 120, 120));
    knob->setAttribute(Qt::WA_TransparentForMouseEvents);
    knob->setAccessibleName(QStringLiteral("Türknauf"));
    dressDoor(Bezeichnung1);

    // On the wall: the dartboard, and the notes pinned over it and over the door.
    Bild5 = pictureButton(this, "Bild5", QRect(3120, 720, 855, 975), "dartboard.svg",
                          QStringLiteral("Belohnungsspiele"));
    Bild13 = pictureButton(this, "Bild13", QRect(2520, 1080, 1335, 855), "note_calculate.svg",
                           QStringLiteral("Rechnen"));
    Bild14 = pictureButton(this, "Bild14", QRect(840, 2040, 1335, 855), "note_completing.svg",
                           QStringLiteral("Ergänzen"));
    Bild15 = pictureButton(this, "Bild15", QRect(2520, 2040, 1335, 855), "note_reverse.svg",
                           QStringLiteral("Umkehren"));

    // On the chalkboard.
    Bild12 = pictureButton(this, "Bild12", QRect(4920, 1320, 1335, 855), "note_sequence.svg",
                           QStringLiteral("Zahlfolgen"));
    Bild3 = pictureButton(this, "Bild3", QRect(4560, 3240, 3735, 375), "numberline_strip.svg",
                          QStringLiteral("Zahlenstrahl"));

    // On the floor, in front of the furniture.
    Bild10 = pictureButton(this, "Bild10", QRect(720, 5640, 1455, 1215), "notepad.svg",
                           QStringLiteral("Malblock mit Zahlenbildern"));
    Bild11 = pictureButton(this, "Bild11", QRect(2520, 6120, 975, 615), "counting_discs.svg",
                           QStringLiteral("Zahlenmengen"));
    Bild9 = pictureButton(this, "Bild9", QRect(3600, 5280, 975, 855), "abc_block.svg", QStringLiteral("Zahlwörter"));
    Bild2 = pictureButton(this, "Bild2", QRect(5640, 5880, 1215, 855), "red_book.svg",
                          QStringLiteral("Buch über den Autor"));
    Bild8 = pictureButton(this, "Bild8", QRect(7200, 6000, 1575, 375), "fountain_pen.svg",
                          QStringLiteral("Symbolschrift"));
    Bild7 = pictureButton(this, "Bild7", QRect(7560, 6480, 1095, 375), "screwdriver.svg",
                          QStringLiteral("Schraubenzieher des Autors"));

    // The title banner and the range control.
    auto *title = new TitleLabel(this, QStringLiteral("Bezeichnung2"), QRect(600, 240, 3615, 495),
                                 QStringLiteral("QUARIMO"));
    title->setFontSpec(QStringLiteral("Lateinaus"), 30, true);
    title->setBackgroundColour(titleGreen);
    title->setTextColour(Qt::white);
    title->prepare();
    Bezeichnung2 = title;

    Bezeichnung9 = new Label(this, QStringLiteral("Bezeichnung9"), QRect(120, 1200, 735, 1095),
                             QStringLiteral("Zahlen bis"));
    Bezeichnung9->setFontSpec(QStringLiteral("MS Sans Serif"), 8.25, true);
    Bezeichnung9->setBackgroundColour(Qt::white);
    Bezeichnung9->setSingleBorder(true);
    Bezeichnung9->setWordWrap(true);
    Bezeichnung9->setCentred();
    Bezeichnung8 = new Label(this, QStringLiteral("Bezeichnung8"), QRect(240, 1680, 495, 255), QStringLiteral("10"));
    Bezeichnung8->setFontSpec(QStringLiteral("MS Sans Serif"), 10, true);
    Bezeichnung8->setAlignment(Qt::AlignCenter);
    HBildlauf1 = new ScrollBar(this, QStringLiteral("HBildlauf1"), QRect(120, 2040, 735, 255), 10, 20);
    HBildlauf1->setValue(10);
    auto *rangeBarStyle = new RangeBarStyle(zoom());
    rangeBarStyle->setParent(HBildlauf1);
    HBildlauf1->setStyle(rangeBarStyle);
    HBildlauf1->setAccessibleName(QStringLiteral("Zahlen bis"));

    // A loudspeaker on the bare wall under the range, where it covers nothing of the scene.
    loudspeaker = pictureButton(this, "Lautsprecher", QRect(180, 2640, 615, 615), "loudspeaker_off.svg",
                                QStringLiteral("Vorlesen aus"));

    // The reward count: a little score slate under the dartboard.
    Bezeichnung11 = new Label(this, QStringLiteral("Bezeichnung11"), QRect(3240, 1920, 495, 255), QStringLiteral("0"));
    Bezeichnung11->setFontSpec(QStringLiteral("MS Sans Serif"), 10, true);
    Bezeichnung11->setBackgroundColour(QColor(43, 43, 58));
    Bezeichnung11->setTextColour(QColor(255, 210, 63));
    Bezeichnung11->setAlignment(Qt::AlignCenter);
    Bezeichnung11->setCursor(Qt::PointingHandCursor);
    Bezeichnung11->setToolTip(QStringLiteral("Belohnungsspiele"));
    Bezeichnung11->setNameBeforeCaption(QStringLiteral("Belohnungsrunden"));

    // The two lists pop up over everything: the reward games under the dartboard, the
    // worksheets on the chalkboard.
    Liste2 = new ListBox(this, QStringLiteral("Liste2"), QRect(2760, 1680, 1335, 750));
    Liste2->setAccessibleName(QStringLiteral("Belohnungsspiele"));
    Liste2->hide();
    Liste1 = new ListBox(this, QStringLiteral("Liste1"), QRect(5160, 1200, 2535, 3390));
    Liste1->setAccessibleName(QStringLiteral("Arbeitsblätter"));
    Liste1->hide();

    // The range is what a child changes most; a picture button would otherwise start with the
    // focus frame drawn around it.
    HBildlauf1->setFocus();
    setKeyboardOrder();
}

void StartPage::setKeyboardOrder()
{
    // The name plate logs in, the door leaves and the score slate opens the reward games, with
    // Space or Enter as with a click: what a screen reader can press, Tab reaches too.
    Bezeichnung11->setKeyboardClickable();
    Bezeichnung12->setKeyboardClickable();
    Bezeichnung12->setAccessibleName(QStringLiteral("Anmelden"));
    Bezeichnung1->setKeyboardClickable();

    // Tab starts at the range, where the focus is, and then walks the scene as a child reads it:
    // row by row from the top, each row from the left. A list that is shown comes right after the
    // picture that opened it.
    const QList<QWidget *> order = {HBildlauf1, loudspeaker, Bezeichnung1, Bild13, Bezeichnung11, Bild5, Liste2,
                                    Bild12,     Bild14,      Bild15,       Bild6,  Bezeichnung12, Bild4, Liste1,
                                    Bild3,      Bild10,      Bild11,       Bild9,  Bild2,         Bild8, Bild7};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void StartPage::zoomChanged()
{
    dressDoor(Bezeichnung1);
}
