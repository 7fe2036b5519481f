// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/kit/Form.h"

#include "ui/kit/CaptionWords.h"
#include "ui/kit/Screens.h"
#include "ui/kit/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace kit {

void Form::setCaption(const QString &caption)
{
    setWindowTitle(caption);
    setAccessibleName(captionWords(caption));
}

// ---- Shape

Shape::Shape(Form *owner, const QString &name, const QRect &twips) : owner_(owner), name_(name), rect_(twips) {}

void Shape::setRectTwips(const QRect &rect)
{
    rect_ = rect;
    owner_->update();
}

void Shape::setWidthTwips(int width)
{
    rect_.setWidth(width);
    owner_->update();
}

void Shape::setLeftTwips(int left)
{
    rect_.moveLeft(left);
    owner_->update();
}

void Shape::setBorder(const QColor &colour, int widthPixels)
{
    border_ = colour;
    borderWidth_ = widthPixels;
    owner_->update();
}

void Shape::setFill(const QColor &colour)
{
    fill_ = colour;
    owner_->update();
}

void Shape::setVisible(bool visible)
{
    visible_ = visible;
    owner_->update();
}

// ---- DrawingSurface

void DrawingSurface::clear()
{
    ops_.clear();
    owner_->update();
}

void DrawingSurface::line(QPoint from, QPoint to, const QColor &colour)
{
    DrawOp op;
    op.kind = DrawOp::Kind::Line;
    op.from = from;
    op.to = to;
    op.colour = colour;
    ops_.append(op);
    owner_->update();
}

void DrawingSurface::print(QPoint topLeft, const QString &text, double points, const QColor &colour)
{
    DrawOp op;
    op.kind = DrawOp::Kind::Text;
    op.from = topLeft;
    op.text = text;
    op.points = points;
    op.colour = colour;
    ops_.append(op);
    owner_->update();
}

// ---- Form

QList<Form *> Form::windows()
{
    QList<Form *> found;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *form = qobject_cast<Form *>(widget))
            found.append(form);
    return found;
}

// Ctrl with Plus (or the key that carries it, "=" on US keyboards), Minus or 0, on the main block
// or the number pad: the zoom of every window.
bool Form::zoomKey(QKeyEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier) || (event->modifiers() & (Qt::AltModifier | Qt::MetaModifier)))
        return false;
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        emit zoomAsked(ZoomKey::In);
        return true;
    case Qt::Key_Minus:
        emit zoomAsked(ZoomKey::Out);
        return true;
    case Qt::Key_0:
        emit zoomAsked(ZoomKey::Reset);
        return true;
    default:
        return false;
    }
}

Form::Form(Zoom &zoom, Drawer &drawer, const QString &name, const QSize &clientTwips, const QColor &background)
    : QWidget(nullptr), ZoomFollower(&zoom, Stage::Windows), drawer_(&drawer), clientTwips_(clientTwips), surface_(this)
{
    setObjectName(name);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(twips::toPixelsAt(clientTwips.width(), zoom.value()),
                 twips::toPixelsAt(clientTwips.height(), zoom.value()));
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    setPalette(p);
    setAutoFillBackground(true);
}

Form::~Form() = default;

Shape *Form::addShape(const QString &name, const QRect &twips)
{
    shapes_.push_back(std::make_unique<Shape>(this, name, twips));
    update();
    return shapes_.back().get();
}

Shape *Form::shape(const QString &name) const
{
    for (const auto &s : shapes_)
        if (s->name() == name)
            return s.get();
    return nullptr;
}

Line *Form::addLine(const QString &name, QPoint from, QPoint to, const QColor &colour, int widthPixels)
{
    auto line = std::make_unique<Line>();
    line->name = name;
    line->from = from;
    line->to = to;
    line->colour = colour;
    line->widthPixels = widthPixels;
    lines_.push_back(std::move(line));
    update();
    return lines_.back().get();
}

void Form::showWindow()
{
    show();
    raise();
    activateWindow();
}

bool Form::previewKey(QKeyEvent *)
{
    return false;
}

void Form::closeRequested() {}

void Form::activated() {}

void Form::zoomChanged() {}

void Form::followZoom(double previous)
{
    if (fullScreen_) {
        // The window keeps filling the screen; its controls have moved with the client area.
        placedOrigin_ = clientOrigin();
        scaleFont(this, previous);
        zoomChanged();
        update();
        return;
    }
    const QPoint centre = keptCentre();
    setFixedSize(twips::toPixelsAt(clientTwips_.width(), zoomValue()),
                 twips::toPixelsAt(clientTwips_.height(), zoomValue()));
    scaleFont(this, previous);
    placeAround(centre);
    zoomChanged();
    update();
}

void Form::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (fullScreen_) {
        const QRect client = clientArea();
        painter.setClipRegion(QRegion(rect()).subtracted(client));
        painter.fillRect(rect(), fullScreenBackground());
        painter.setClipRect(client);
        painter.translate(client.topLeft());
    }
    const double zoom = zoomValue();
    auto px = [zoom](int t) { return twips::toPixelsAt(t, zoom); };
    auto pt = [&](QPoint p) { return QPoint(px(p.x()), px(p.y())); };

    for (const DrawOp &op : surface_.ops()) {
        if (op.kind == DrawOp::Kind::Line) {
            painter.setPen(QPen(op.colour, twips::lineWidthAt(zoom)));
            painter.drawLine(pt(op.from), pt(op.to));
        } else {
            QFont f(QStringLiteral("MS Sans Serif"));
            f.setPixelSize(twips::fontPixelsAt(op.points, zoom));
            painter.setFont(f);
            painter.setPen(op.colour);
            const QFontMetrics metrics(f);
            painter.drawText(pt(op.from) + QPoint(0, metrics.ascent()), op.text);
        }
    }
    for (const auto &s : shapes_) {
        if (!s->isVisible())
            continue;
        const QRect r = twips::toPixelsAt(s->rectTwips(), zoom);
        if (s->filled())
            painter.fillRect(r, s->fillColour());
        if (s->borderWidth() > 0 && s->borderColour().isValid()) {
            const int w = twips::lineWidthAt(zoom, s->borderWidth());
            QPen pen(s->borderColour(), w);
            pen.setJoinStyle(Qt::MiterJoin);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            // Keep the whole border inside the shape's rectangle.
            const qreal half = w / 2.0;
            painter.drawRect(QRectF(r).adjusted(half, half, -half, -half));
        }
    }
    for (const auto &l : lines_) {
        painter.setPen(QPen(l->colour, twips::lineWidthAt(zoom, l->widthPixels)));
        painter.drawLine(pt(l->from), pt(l->to));
    }
}

void Form::closeEvent(QCloseEvent *event)
{
    event->ignore();
    // A window manager may still send a close request to a hidden window; only a window the
    // child can see acts on it.
    if (isVisible())
        closeRequested();
}

bool Form::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowActivate:
        noteFrame();
        activated();
        break;
    case QEvent::Show:
        if (!event->spontaneous() && !screens::placesWindows()) {
            if (!fullScreen_)
                sizeWhenPlaced_ = size();
            // Its native window exists by now; see followFrameInBuffer.
            if (QWindow *window = windowHandle())
                window->installEventFilter(this);
        }
        break;
    case QEvent::Move:
        noteFrame();
        recentreInFrame();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

namespace {

// The smaller of a frame kept and one seen now; no frame at all (full screen, or not framed yet)
// is not one. A window manager frames a window it may resize more heavily (openbox adds a grip
// at the bottom) and does so for a moment while a window leaves full screen: the program's
// windows, all of one fixed size, take the least frame seen.
QSize smallerFrame(QSize kept, QSize seen)
{
    if (seen.width() < 0 || seen.height() < 0 || (seen.width() == 0 && seen.height() == 0))
        return kept;
    return kept.isValid() ? kept.boundedTo(seen) : seen;
}

} // namespace

void Form::noteFrame()
{
    if (!fullScreen_)
        frameSeen_ = smallerFrame(frameSeen_, frameGeometry().size() - size());
}

QSize Form::frameAround()
{
    // Kept once seen: a window in full screen has no frame, and one leaving it has none until the
    // window manager has framed it again.
    QSize least;
    for (const Form *form : windows()) {
        least = smallerFrame(least, form->frameSeen_);
        if (!form->fullScreen_)
            least = smallerFrame(least, form->frameGeometry().size() - form->size());
    }
    return least.isValid() ? least : QSize(0, 0);
}

bool Form::windowKey(QKeyEvent *event)
{
    if (!isVisible())
        return false;
    if (zoomKey(event) || fullScreenKey(event))
        return true;
    return keyPreview_ && previewKey(event);
}

} // namespace kit
