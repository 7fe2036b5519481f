// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <optional>

class Random;

namespace slalomdrive {

constexpr int columns = 12;
constexpr int rows = 10;
constexpr int nailCount = 20;
constexpr int cellTwips = 492; // the traveller picture's width
constexpr int roadLeft = 120;
constexpr int roadTop = 960;

// A cell of the road: column 1 to 12, row 1 to 10.
struct Place
{
    int column = 1;
    int row = 1;
    friend bool operator==(const Place &, const Place &) = default;
};

constexpr Place startCell{1, 1};
constexpr Place goalCell{columns, rows};

// Top-left corner of a cell in window twips.
QPoint cellTopLeft(Place place);

// Twenty nail places, column drawn before row; never on the start or the goal: a drawn (1, 1)
// becomes (1, 2), a drawn (12, 10) becomes (11, 10). Places may repeat.
template <typename Draw> QList<Place> placeNails(Draw &random)
{
    QList<Place> nails;
    for (int i = 0; i < nailCount; ++i) {
        Place place;
        place.column = random.below(columns) + 1;
        place.row = random.below(rows) + 1;
        if (place == startCell)
            place.row = 2;
        if (place == goalCell)
            place.column = columns - 1;
        nails.append(place);
    }
    return nails;
}

// A nail as the child sees it, drawn after driving over it: two rectangle outlines, each given
// by two opposite corners in window twips.
struct NailDrawing
{
    QPoint headFrom, headTo;
    QPoint shankFrom, shankTo;
};
NailDrawing nailDrawing(Place place);

enum class Traveller { Car, Bicycle, Pedestrian, Ambulance };

// What the n-th nail driven over (1 to 4) does: what the traveller becomes and what the box says.
struct Breakdown
{
    Traveller becomes = Traveller::Car;
    QString title;
    QString text;
};
Breakdown breakdown(int count);

} // namespace slalomdrive

// The drive home: the hidden nails, the listing that shows them, the traveller's cell and the
// breakdown chain.
class SlalomDriveRules
{
public:
    // Listing: the nail places are being shown; Won: the house was reached (moves stay possible);
    // Lost: the fourth nail, the ambulance no longer moves.
    enum class State { Listing, Driving, Won, Lost };
    enum class Direction { Left, Right, Up, Down };

    // What a move changes, in the order the window shows it.
    struct Move
    {
        bool ignored = false;          // the drive is lost: nothing moves
        slalomdrive::Place cell;             // where the traveller stands
        bool goal = false;             // the house: all nails shown, status emptied, praise
        bool warning = false;          // a nail next door: beep
        std::optional<QString> status; // new status text; none after a breakdown
        int breakdown = 0;             // 1 to 4: the n-th nail driven over
    };

    struct ListingStep
    {
        bool ran = false;      // false: the listing is over
        bool finished = false; // all places shown: time to say "Los geht's"
        slalomdrive::Place marker;   // the place to mark for one second
    };

    // A new drive: new nails, the car on the start cell, the listing from the first place.
    void prepare(Random &random);
    void prepareWith(const QList<slalomdrive::Place> &nails);

    // One cell on, not beyond the road's edge; the cell is checked even when the edge stops it.
    Move move(Direction direction);
    // Checks the cell the traveller stands on.
    Move moveTraveller();
    // One second of the listing.
    ListingStep tick();

    State state() const { return state_; }
    bool isListing() const { return !listingOver_; }
    bool isFinished() const { return state_ == State::Won || state_ == State::Lost; }
    slalomdrive::Place cell() const { return cell_; }
    int breakdowns() const { return breakdowns_; }
    slalomdrive::Traveller traveller() const;
    const QList<slalomdrive::Place> &nails() const { return nails_; }

private:
    bool nailAt(slalomdrive::Place place) const;
    bool nailNextTo(slalomdrive::Place place) const;

    State state_ = State::Listing;
    QList<slalomdrive::Place> nails_;
    slalomdrive::Place cell_;
    int breakdowns_ = 0;
    int listingIndex_ = 0;
    bool listingOver_ = false;
};
