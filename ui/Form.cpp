// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Form.h"

#include "ui/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

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

namespace {

// Ctrl with Plus (or the key that carries it, "=" on US keyboards), Minus or 0, on the main block
// or the number pad: the zoom of every window.
bool zoomKey(QKeyEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier) || (event->modifiers() & (Qt::AltModifier | Qt::MetaModifier)))
        return false;
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        twips::zoomIn();
        return true;
    case Qt::Key_Minus:
        twips::zoomOut();
        return true;
    case Qt::Key_0:
        twips::resetZoom();
        return true;
    default:
        return false;
    }
}

} // namespace

Form::Form(const QString &name, const QSize &clientTwips, const QColor &background)
    : QWidget(nullptr), ZoomFollower(Stage::Windows), clientTwips_(clientTwips), surface_(this)
{
    setObjectName(name);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(twips::toPixels(clientTwips.width()), twips::toPixels(clientTwips.height()));
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    setPalette(p);
    setAutoFillBackground(true);
    qApp->installEventFilter(this);
}

Form::~Form()
{
    qApp->removeEventFilter(this);
}

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

void Form::centreOnScreen()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
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
    const QSize before = size();
    setFixedSize(twips::toPixels(clientTwips_.width()), twips::toPixels(clientTwips_.height()));
    scaleFont(this, previous);
    // Grow or shrink about the centre, but keep the title bar on the screen.
    const QSize grown = size() - before;
    QPoint topLeft = pos() - QPoint(grown.width() / 2, grown.height() / 2);
    if (const QScreen *screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        topLeft.setX(qMax(topLeft.x(), area.left()));
        topLeft.setY(qMax(topLeft.y(), area.top()));
    }
    move(topLeft);
    zoomChanged();
    update();
}

void Form::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    auto px = [](int t) { return twips::toPixels(t); };
    auto pt = [&](QPoint p) { return QPoint(px(p.x()), px(p.y())); };

    for (const DrawOp &op : surface_.ops()) {
        if (op.kind == DrawOp::Kind::Line) {
            painter.setPen(QPen(op.colour, twips::lineWidth()));
            painter.drawLine(pt(op.from), pt(op.to));
        } else {
            QFont f(QStringLiteral("MS Sans Serif"));
            f.setPixelSize(twips::fontPixels(op.points));
            painter.setFont(f);
            painter.setPen(op.colour);
            const QFontMetrics metrics(f);
            painter.drawText(pt(op.from) + QPoint(0, metrics.ascent()), op.text);
        }
    }
    for (const auto &s : shapes_) {
        if (!s->isVisible())
            continue;
        const QRect r = twips::toPixels(s->rectTwips());
        if (s->filled())
            painter.fillRect(r, s->fillColour());
        if (s->borderWidth() > 0 && s->borderColour().isValid()) {
            const int w = twips::lineWidth(s->borderWidth());
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
        painter.setPen(QPen(l->colour, twips::lineWidth(l->widthPixels)));
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
    if (event->type() == QEvent::WindowActivate)
        activated();
    return QWidget::event(event);
}

bool Form::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        if (widget->window() == this && isVisible()) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (zoomKey(key))
                return true;
            if (keyPreview_)
                return previewKey(key);
        }
    }
    return QWidget::eventFilter(watched, event);
}
