// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Controls.h"

#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

namespace kit {

QFont font(const QString &family, double points, bool bold)
{
    QFont f(family);
    f.setPixelSize(twips::fontPixels(points));
    f.setBold(bold);
    return f;
}

namespace {

bool noTextFace = false;

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

bool installFontSubstitutions(const QString &pictureFace)
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
    noTextFace = text.isEmpty();
    if (noTextFace)
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
    doAside([families = QStringList{QStringLiteral("MS Sans Serif"), QGuiApplication::font().family()}] {
        for (const QString &family : families) {
            QFont face(family);
            face.setPixelSize(16);
            QFontMetrics(face).height();
        }
    });
    return true;
}

bool textFaceMissing()
{
    return noTextFace;
}

const QColor systemWindowColour()
{
    return QColor(240, 240, 240);
}

void paintFocusMark(QPainter &painter, const QRect &rect)
{
    // A broad bright blue band with a white line inside: no picture of ours uses that pair, so
    // the mark stands out on yellow notes, the green board and dark cards alike.
    const qreal zoom = twips::zoom();
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

// ---- Label

Label::Label(QWidget *parent, const QString &name, const QRect &twips, const QString &caption)
    : QLabel(parent), TwipsPlaced(this)
{
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setFont(kit::font(QStringLiteral("MS Sans Serif"), 8.25));
    setRectTwips(twips);
    setCaption(caption);
}

void Label::setCaption(const QString &caption)
{
    caption_ = caption;
    QString shown = caption;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setText(shown);
    if (accessibleName().isEmpty() || property("captionIsName").toBool()) {
        setAccessibleName(shown);
        setProperty("captionIsName", true);
    }
}

void Label::setTextColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

void Label::setBackgroundColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    setAutoFillBackground(true);
}

void Label::setTransparentBackground()
{
    setAutoFillBackground(false);
}

void Label::setSingleBorder(bool on)
{
    // Drawn by the label itself in black: a QFrame border takes the text colour, and a white
    // label with white text would lose it.
    singleBorder_ = on;
    setFrameStyle(QFrame::NoFrame);
    const int margin = on ? twips::lineWidth() : 0;
    setContentsMargins(margin, margin, margin, margin);
    update();
}

void Label::followZoom(double previous)
{
    TwipsPlaced::followZoom(previous);
    if (singleBorder_)
        setSingleBorder(true); // the border grows with the zoom
}

void Label::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!singleBorder_ && !hasFocus())
        return;
    // Whole pixels on the inner side of the edge: sharp at every zoom.
    const int w = twips::lineWidth();
    const QRect r = rect();
    QPainter painter(this);
    if (singleBorder_) {
        painter.fillRect(QRect(r.left(), r.top(), r.width(), w), Qt::black);
        painter.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), Qt::black);
        painter.fillRect(QRect(r.left(), r.top(), w, r.height()), Qt::black);
        painter.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), Qt::black);
    }
    if (hasFocus())
        kit::paintFocusMark(painter, rect());
}

void Label::setKeyboardClickable()
{
    // Tab only: a mouse click leaves no focus mark behind.
    setFocusPolicy(Qt::TabFocus);
}

void Label::keyPressEvent(QKeyEvent *event)
{
    // Enter and Space both click; a held key clicks once.
    const int key = event->key();
    if (focusPolicy() != Qt::NoFocus && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        event->accept();
        if (!event->isAutoRepeat())
            emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void Label::setFontSpec(const QString &family, double points, bool bold)
{
    setFont(kit::font(family, points, bold));
}

void Label::setCentred(bool centred)
{
    setAlignment(centred ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
    // A framed QLabel indents its text by half an "x" from the edge it is aligned to, the top
    // included, which pushes one line of large digits out through the bottom of its box.
    setIndent(centred ? 0 : -1);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

// ---- Button

Button::Button(QWidget *parent, const QString &name, const QRect &twips, const QString &caption)
    : QPushButton(caption, parent), TwipsPlaced(this)
{
    setObjectName(name);
    setFont(kit::font(QStringLiteral("MS Sans Serif"), 12, true));
    setAutoDefault(false);
    setRectTwips(twips);
}

// ---- Picture

namespace kit {

void DrawnPicture::setFile(const QString &svgFile, const QWidget *control)
{
    file_ = svgFile;
    draw(control);
}

void DrawnPicture::fit(const QWidget *control)
{
    const qreal ratio = control->devicePixelRatioF();
    if (!image_.isStarted() || pixels_ != control->size() * ratio || ratio_ != ratio)
        draw(control);
}

void DrawnPicture::draw(const QWidget *control)
{
    ratio_ = control->devicePixelRatioF();
    pixels_ = control->size() * ratio_;
    if (pixels_.isEmpty()) {
        // Nothing to see; a later size draws the picture of the file that is current then.
        image_.clear();
        return;
    }
    image_.start([path = QStringLiteral(":/pictures/") + file_, pixels = pixels_, ratio = ratio_] {
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QSvgRenderer renderer(path);
        if (renderer.isValid()) {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
        }
        image.setDevicePixelRatio(ratio);
        return image;
    });
}

void DrawnPicture::paint(QPainter &painter, const QRect &rect)
{
    const QImage image = image_.image();
    if (!image.isNull())
        painter.drawImage(rect.topLeft(), image);
}

} // namespace kit

Picture::Picture(QWidget *parent, const QString &name, const QRect &twips, const QString &svgFile,
                 const QString &accessibleName)
    : QLabel(parent), TwipsPlaced(this), picture_(svgFile)
{
    setObjectName(name);
    setAccessibleName(accessibleName);
    setRectTwips(twips);
    picture_.fit(this);
}

void Picture::setBackgroundColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    setAutoFillBackground(true);
}

void Picture::setPicture(const QString &svgFile, const QString &accessibleName)
{
    setAccessibleName(accessibleName);
    picture_.setFile(svgFile, this);
    update();
}

void Picture::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    picture_.fit(this);
}

void Picture::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    QPainter painter(this);
    picture_.paint(painter, rect());
}

// ---- PictureButton

PictureButton::PictureButton(QWidget *parent, const QString &name, const QRect &twips, const QString &svgFile,
                             const QString &accessibleName)
    : QAbstractButton(parent), TwipsPlaced(this), picture_(svgFile)
{
    setObjectName(name);
    setAccessibleName(accessibleName);
    setToolTip(accessibleName);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setRectTwips(twips);
    picture_.fit(this);
}

PictureButton::~PictureButton() = default;

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    // Space clicks as on every button (on release); Enter clicks at once.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        if (!event->isAutoRepeat())
            click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void PictureButton::focusInEvent(QFocusEvent *event)
{
    // A picture partly under another one comes forward while it has the focus, so the child sees
    // all of it and its mark; it goes back to its place in the scene afterwards. A list standing
    // open stays above it: the child is choosing a row there, and a click on a row must reach it.
    QAbstractButton::focusInEvent(event);
    const QObjectList &siblings = parentWidget()->children();
    coveredBy_.clear();
    for (qsizetype i = siblings.indexOf(this) + 1; i < siblings.size(); ++i) {
        if (auto *w = qobject_cast<QWidget *>(siblings.at(i)); w && !w->isWindow()) {
            coveredBy_ = w;
            break;
        }
    }
    QWidget *openList = nullptr;
    for (QObject *sibling : siblings) {
        if (auto *list = qobject_cast<ListBox *>(sibling); list && !list->isHidden()) {
            openList = list; // the lowest one: the picture goes under every open list
            break;
        }
    }
    if (openList)
        stackUnder(openList);
    else
        raise();
}

void PictureButton::focusOutEvent(QFocusEvent *event)
{
    QAbstractButton::focusOutEvent(event);
    if (coveredBy_)
        stackUnder(coveredBy_);
}

void PictureButton::resizeEvent(QResizeEvent *event)
{
    QAbstractButton::resizeEvent(event);
    picture_.fit(this);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    picture_.paint(painter, rect());
    painter.setRenderHint(QPainter::Antialiasing);
    if (isDown())
        painter.fillRect(rect(), QColor(0, 0, 0, 40));
    if (hasFocus())
        kit::paintFocusMark(painter, rect());
}

// ---- ScrollBar

ScrollBar::ScrollBar(QWidget *parent, const QString &name, const QRect &twips, int minimum, int maximum)
    : QScrollBar(Qt::Horizontal, parent), TwipsPlaced(this)
{
    setObjectName(name);
    setRange(minimum, maximum);
    setSingleStep(1);
    setPageStep(1);
    setFocusPolicy(Qt::StrongFocus);
    setRectTwips(twips);
}

void ScrollBar::keyPressEvent(QKeyEvent *event)
{
    // Qt's horizontal scroll bar may run the arrow keys inverted; here Right and Up always count up.
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Up:
        triggerAction(SliderSingleStepAdd);
        break;
    case Qt::Key_Left:
    case Qt::Key_Down:
        triggerAction(SliderSingleStepSub);
        break;
    case Qt::Key_PageUp:
        triggerAction(SliderPageStepAdd);
        break;
    case Qt::Key_PageDown:
        triggerAction(SliderPageStepSub);
        break;
    case Qt::Key_Home:
        triggerAction(SliderToMinimum);
        break;
    case Qt::Key_End:
        triggerAction(SliderToMaximum);
        break;
    default:
        QScrollBar::keyPressEvent(event);
        return;
    }
    event->accept();
}

// ---- ListBox

ListBox::ListBox(QWidget *parent, const QString &name, const QRect &twips)
    : QListWidget(parent), TwipsPlaced(this)
{
    setObjectName(name);
    setFont(kit::font(QStringLiteral("MS Sans Serif"), 8.25, true));
    setRectTwips(twips);
}

void ListBox::setListIndex(int row)
{
    if (row < 0) {
        setCurrentRow(-1);
        clearSelection();
    } else {
        setCurrentRow(row);
    }
}

void ListBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

void ListBox::keyPressEvent(QKeyEvent *event)
{
    // Enter on a row does what a double-click does, so the list works without a mouse.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit doubleClicked();
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}
