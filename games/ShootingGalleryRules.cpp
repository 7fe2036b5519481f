// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "games/ShootingGalleryRules.h"

#include "engine/Random.h"
#include "engine/TextHelpers.h"

namespace shootinggallery {

int columns(QSize outerTwips)
{
    return outerTwips.width() / cellTwips;
}

int rows(QSize outerTwips)
{
    return (outerTwips.height() - heightTakenOff) / cellTwips;
}

QColor targetColour(int k)
{
    switch (k) {
    case 0:
        return QColor(0, 0, 0);
    case 1:
        return QColor(0, 128, 128);
    case 2:
        return QColor(128, 128, 0);
    case 3:
        return QColor(0, 0, 255);
    default:
        return QColor(255, 0, 0);
    }
}

QRect Target::square() const
{
    return QRect(column * cellTwips + squareInset, row * cellTwips + squareInset, squareTwips, squareTwips);
}

Target drawTarget(Random &random, QSize outerTwips)
{
    Target target;
    target.column = random.below(columns(outerTwips));
    target.row = random.below(rows(outerTwips));
    target.k = random.below(5);
    return target;
}

} // namespace shootinggallery

void ShootingGalleryRules::start()
{
    state_ = State::Running;
    hits_ = 0;
    elapsedMs_ = 0;
}

ShootingGalleryRules::Tick ShootingGalleryRules::tick(Random &random)
{
    Tick tick;
    if (state_ != State::Running)
        return tick;
    tick.ran = true;
    elapsedMs_ += shootinggallery::tickMs;
    tick.remainingMs = shootinggallery::gameLengthMs - elapsedMs_;
    tick.timeText = QStringLiteral("Zeit: ") + captions::plain(tick.remainingMs / 100);
    tick.target = shootinggallery::drawTarget(random);
    if (tick.remainingMs < shootinggallery::tickMs) {
        tick.gameOver = true;
        state_ = State::Idle;
    }
    return tick;
}

void ShootingGalleryRules::stop()
{
    state_ = State::Idle;
}

ShootingGalleryRules::Shot ShootingGalleryRules::shoot(const QColor &under)
{
    Shot shot;
    if (under.rgb() == qRgb(255, 255, 255))
        return shot;
    shot.hole = true;
    if (under.rgb() == qRgb(0, 0, 0)) {
        shot.scored = true;
        ++hits_;
    }
    return shot;
}

QString ShootingGalleryRules::pointsText() const
{
    return QStringLiteral("Punkte: ") + captions::plain(hits_);
}

QString ShootingGalleryRules::endMessage() const
{
    return QStringLiteral("Du hast ") + captions::plain(hits_) + QStringLiteral(" Treffer erzielt!");
}
