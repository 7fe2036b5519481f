// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "games/SlalomDriveRules.h"

#include "engine/Random.h"
#include "engine/TextHelpers.h"

#include <algorithm>

namespace slalomdrive {

QPoint cellTopLeft(Place place)
{
    return QPoint(roadLeft + (place.column - 1) * cellTwips, roadTop + (place.row - 1) * cellTwips);
}

NailDrawing nailDrawing(Place place)
{
    const int x = place.column * cellTwips;
    const int y = (place.row + 1) * cellTwips;
    return NailDrawing{QPoint(x - 180, y + 400), QPoint(x, y + 420), QPoint(x - 100, y + 300), QPoint(x - 90, y + 400)};
}

Breakdown breakdown(int count)
{
    const QChar cr = captions::CR;
    switch (count) {
    case 1:
        return {Traveller::Car, QStringLiteral("Autopanne"),
                QStringLiteral("Pech, ein Reifenplatzer! Aber") + cr +
                    QStringLiteral("du hast ja einen Ersatzreifen!")};
    case 2:
        return {Traveller::Bicycle, QStringLiteral("Autodefekt"),
                QStringLiteral("Wieder ein Reifenplatzer!") + cr + QStringLiteral("Zum Glück hast du ein") + cr +
                    QStringLiteral("Klapprad im Kofferraum!")};
    case 3:
        return {Traveller::Pedestrian, QStringLiteral("Radpanne"),
                QStringLiteral("Vorderreifen ohne Luft!") + cr + QStringLiteral("Du musst zu Fuß gehen!")};
    default:
        return {Traveller::Ambulance, QStringLiteral("Fußverletzung"),
                QStringLiteral("Nagel im Fuß! Pech, du") + cr + QStringLiteral("musst ins Krankenhaus!")};
    }
}

} // namespace slalomdrive

void SlalomDriveRules::prepare(Random &random)
{
    prepareWith(slalomdrive::placeNails(random));
}

void SlalomDriveRules::prepareWith(const QList<slalomdrive::Place> &nails)
{
    *this = SlalomDriveRules();
    nails_ = nails;
}

SlalomDriveRules::Move SlalomDriveRules::move(Direction direction)
{
    if (traveller() != slalomdrive::Traveller::Ambulance) {
        switch (direction) {
        case Direction::Left:
            cell_.column = std::max(1, cell_.column - 1);
            break;
        case Direction::Right:
            cell_.column = std::min(slalomdrive::columns, cell_.column + 1);
            break;
        case Direction::Up:
            cell_.row = std::max(1, cell_.row - 1);
            break;
        case Direction::Down:
            cell_.row = std::min(slalomdrive::rows, cell_.row + 1);
            break;
        }
    }
    return moveTraveller();
}

SlalomDriveRules::Move SlalomDriveRules::moveTraveller()
{
    Move move;
    if (traveller() == slalomdrive::Traveller::Ambulance) {
        move.ignored = true;
        return move;
    }
    move.cell = cell_;
    if (cell_ == slalomdrive::goalCell) {
        move.goal = true;
        move.status = QString();
        state_ = State::Won;
        return move;
    }
    if (nailAt(cell_)) {
        ++breakdowns_;
        move.breakdown = breakdowns_;
        if (breakdowns_ >= 4)
            state_ = State::Lost;
        return move;
    }
    move.warning = nailNextTo(cell_);
    move.status = move.warning ? QStringLiteral("Nagel auf der Fahrbahn!") : QStringLiteral("Die Fahrbahn ist frei!");
    return move;
}

SlalomDriveRules::ListingStep SlalomDriveRules::tick()
{
    ListingStep step;
    if (!isListing())
        return step;
    step.ran = true;
    if (listingIndex_ >= nails_.size()) {
        step.finished = true;
        listingOver_ = true;
        if (state_ == State::Listing)
            state_ = State::Driving;
        return step;
    }
    step.marker = nails_.at(listingIndex_++);
    return step;
}

slalomdrive::Traveller SlalomDriveRules::traveller() const
{
    return breakdowns_ == 0 ? slalomdrive::Traveller::Car : slalomdrive::breakdown(breakdowns_).becomes;
}

bool SlalomDriveRules::nailAt(slalomdrive::Place place) const
{
    return nails_.contains(place);
}

bool SlalomDriveRules::nailNextTo(slalomdrive::Place place) const
{
    const int x = place.column;
    const int y = place.row;
    for (const slalomdrive::Place &neighbour :
         {slalomdrive::Place{x + 1, y}, slalomdrive::Place{x - 1, y}, slalomdrive::Place{x, y + 1}, slalomdrive::Place{x, y - 1}})
        if (nailAt(neighbour))
            return true;
    return false;
}
