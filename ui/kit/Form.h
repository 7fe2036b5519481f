// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/kit/Prerender.h"
#include "ui/kit/Twips.h"

#include <QColor>
#include <QList>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

namespace kit {

class Form;

// A rectangle shape ("Figur"): a frame, a filled band or a growing bar, in twips.
class Shape
{
public:
    Shape(Form *owner, const QString &name, const QRect &twips);

    QString name() const { return name_; }
    QRect rectTwips() const { return rect_; }
    int leftTwips() const { return rect_.x(); }
    int widthTwips() const { return rect_.width(); }
    void setRectTwips(const QRect &rect);
    void setWidthTwips(int width);
    void setLeftTwips(int left);

    QColor borderColour() const { return border_; }
    int borderWidth() const { return borderWidth_; }
    void setBorder(const QColor &colour, int widthPixels);
    void setNoBorder() { setBorder(QColor(), 0); }
    bool filled() const { return fill_.isValid(); }
    QColor fillColour() const { return fill_; }
    void setFill(const QColor &colour);
    bool isVisible() const { return visible_; }
    void setVisible(bool visible);

private:
    Form *owner_;
    QString name_;
    QRect rect_;
    QColor border_ = Qt::black;
    int borderWidth_ = 1;
    QColor fill_;
    bool visible_ = true;
};

// A straight line ("Linie") between two points in twips.
struct Line
{
    QString name;
    QPoint from;
    QPoint to;
    QColor colour = Qt::black;
    int widthPixels = 1;
};

// What a window's drawing methods leave on its surface; kept as a list so that it is repainted
// whenever the window is covered or shown again, and so tests can read what was drawn.
struct DrawOp
{
    enum class Kind { Line, Text };
    Kind kind = Kind::Line;
    QPoint from; // twips; for text the top-left corner
    QPoint to;
    QString text;
    double points = 0; // font size of text
    QColor colour = Qt::black;
};

class DrawingSurface
{
public:
    explicit DrawingSurface(Form *owner) : owner_(owner) {}

    void clear();
    void line(QPoint from, QPoint to, const QColor &colour = Qt::black);
    void print(QPoint topLeft, const QString &text, double points, const QColor &colour = Qt::black);
    const QList<DrawOp> &ops() const { return ops_; }

private:
    Form *owner_;
    QList<DrawOp> ops_;
};

// A window of the program: fixed client size in twips, created once, then only hidden and shown.
// It follows the zoom whether shown or hidden, keeping its centre. Ctrl+Plus, Ctrl+Minus and
// Ctrl+0 ask for the zoom of all windows, F11 for full screen for all of them: whoever holds the
// windows together (the display) answers.
class Form : public QWidget, public ZoomFollower, public TwipsOrigin, public DrawsAhead
{
    Q_OBJECT
public:
    enum class ZoomKey { In, Out, Reset };

    // Drawn at zoom, its pictures drawn ahead by drawer; both outlive the window, and its controls
    // are handed the same.
    Form(Zoom &zoom, Drawer &drawer, const QString &name, const QSize &clientTwips, const QColor &background);
    ~Form() override;

    QString caption() const { return windowTitle(); }
    // A screen reader calls the window by the caption's words, not letter by letter.
    void setCaption(const QString &caption);
    QSize clientTwips() const { return clientTwips_; }
    // Where the compositor places windows (Wayland), the size the window had when it was placed:
    // it keeps the window's corner, so only up to this size is the window sure to stay on the
    // screen. Invalid where the program places its windows.
    QSize sizeWhenPlaced() const { return sizeWhenPlaced_; }

    Shape *addShape(const QString &name, const QRect &twips);
    Shape *shape(const QString &name) const;
    Line *addLine(const QString &name, QPoint from, QPoint to, const QColor &colour = Qt::black, int widthPixels = 1);
    DrawingSurface &surface() { return surface_; }

    // Shows the window non-modally and brings it to the front.
    void showWindow();
    // Places the window in the middle of its screen's free area; the zoom keeps that centre.
    void centreOnScreen();
    // A key pressed anywhere in the window, before the focused control sees it (the key router
    // hands it in): the zoom keys, F11, then previewKey. True when the key is used up.
    bool windowKey(QKeyEvent *event);

    // Every window made so far.
    static QList<Form *> windows();

    // The calm background around the client area in full screen (see Display::setFullScreen).
    static QColor fullScreenBackground();
    // The client area in the window's pixels: the whole window, but in full screen.
    QRect clientArea() const;
    QPoint clientOrigin() const override { return clientArea().topLeft(); }
    Drawer *drawer() const override { return drawer_; }
    // A point on the window as a point on its client area.
    QPoint toClient(QPoint windowPixel) const { return windowPixel - clientOrigin(); }

    // In full screen the window fills its screen and shows its client area in the middle on a
    // calm background; leaving it gives the window back its size and place.
    bool fillsScreen() const { return fullScreen_; }
    void enterFullScreen();
    void leaveFullScreen();
    // Whether the window stands where centreOnScreen put it, as far as the child is concerned.
    bool standsCentred() const;
    // After a change of screens, and before a window is shown again: a full-screen window fills
    // its screen, a window centred is centred again, any other stays whole within the screen's
    // free area.
    void keepOnScreen(bool centred);
    // What the window manager's frame adds around a window, as far as any window has shown it;
    // nothing before the first window has been framed.
    static QSize frameAround();

signals:
    void zoomAsked(kit::Form::ZoomKey key);
    void fullScreenAsked();

protected:
    // With key preview on, previewKey sees every key pressed anywhere in the window before the
    // focused control does; returning true consumes the key.
    void setKeyPreview(bool on) { keyPreview_ = on; }
    virtual bool previewKey(QKeyEvent *event);
    // The frame's close control; the window itself is never closed, only hidden.
    virtual void closeRequested();
    // The window became the active one.
    virtual void activated();
    // The zoom has changed and every control has its new place and font: fit what the window
    // sized to its controls itself.
    virtual void zoomChanged();
    void followZoom(double previous) override;

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool zoomKey(QKeyEvent *event);
    bool fullScreenKey(QKeyEvent *event);
    // Keeps what the window manager's frame adds, while the window is framed.
    void noteFrame();
    // Centres the frame once the window manager has put one around a window centred without.
    void recentreInFrame();
    // Puts every control where its twips say, from the client area's corner.
    void placeControls();
    // Paints the window and every control in it again, whatever Qt takes to be on the screen.
    void paintAfresh();
    // Where the window system draws the frame into the window's own buffer (Wayland), a frame
    // that comes or goes gives the window a new, empty buffer: painted afresh before it is shown.
    void followFrameInBuffer(QEvent *event);

    // Moves the window so that its frame stands around `centre`, inside the screen's free area as
    // far as it fits, and keeps `centre` for the next change of the zoom.
    void placeAround(QPoint centre);
    // The centre the window keeps: the one it was placed around, unless it has been moved since.
    QPoint keptCentre() const;

    Drawer *drawer_;
    QSize clientTwips_;
    QSize sizeWhenPlaced_;
    bool fullScreen_ = false;
    std::optional<QPoint> frameBeforeFullScreen_;
    // Where the controls were placed from; they move with the client area.
    QPoint placedOrigin_;
    QPoint keptCentre_;
    QPoint placedAt_;
    bool placed_ = false;
    // The free area the window was last centred in.
    QRect centredIn_;
    // The frame last seen around the window; full screen has none.
    QSize frameSeen_;
    // The frame the window's buffer was last painted with, where the frame is in the buffer.
    QMargins framePainted_;
    bool frameCentred_ = false;
    std::vector<std::unique_ptr<Shape>> shapes_;
    std::vector<std::unique_ptr<Line>> lines_;
    DrawingSurface surface_;
    bool keyPreview_ = false;
};

} // namespace kit
