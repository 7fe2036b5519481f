// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/kit/DrawnPicture.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QWidget>

namespace kit {

void DrawnPicture::setFile(const QString &svgFile, const QWidget *control)
{
    // The same picture again needs no new drawing, only one of the right size.
    if (svgFile == file_) {
        fit(control);
        return;
    }
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
