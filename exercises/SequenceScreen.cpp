// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercises/SequenceScreen.h"

#include "engine/SharedValues.h"
#include "engine/TaskView.h"
#include "engine/TextHelpers.h"
#include "ui/kit/Controls.h"

using kit::Label;
using kit::Picture;

namespace {

const QColor orange(255, 128, 0);
constexpr std::array<int, 5> boxLefts{1200, 2040, 2880, 3720, 4560};
constexpr int boxTop = 1800;
constexpr int roofTop = 1320;
constexpr int roofWidth = 720;

} // namespace

SequenceScreen::SequenceScreen(const kit::Context &context)
    : ExerciseScreen(context, QStringLiteral("Form5"), QSize(6510, 4860), kit::systemWindowColour(), Reseed::OnLoad,
                     races::sequences())
{
    Befehl3 = addModeButton(QStringLiteral("Befehl3"), QRect(120, 360, 1455, 495), QStringLiteral("vorwärts"),
                            TaskKind::CountOn);
    Bezeichnung6 = new Label(this, QStringLiteral("Bezeichnung6"), QRect(1560, 360, 3375, 495),
                             QStringLiteral("Welche Zahl fehlt?"));
    // The narrower face keeps the whole question between the two mode buttons.
    Bezeichnung6->setFontSpec(QStringLiteral("Arial"), 18, true);
    Bezeichnung6->setTextColour(orange);
    Bezeichnung6->setCentred();
    Befehl4 = addModeButton(QStringLiteral("Befehl4"), QRect(4920, 360, 1455, 495), QStringLiteral("rückwärts"),
                            TaskKind::CountBack);

    Figur1 = addShape(QStringLiteral("Figur1"), QRect(120, 1080, 6255, 1575));
    Figur1->setBorder(orange, 2);

    for (int i = 0; i < 5; ++i) {
        const int left = boxLefts[size_t(i)];
        const QPoint peak(left + roofWidth / 2, roofTop);
        addLine(QStringLiteral("Linie%1").arg(2 * i + 1), QPoint(left, boxTop), peak);
        addLine(QStringLiteral("Linie%1").arg(2 * i + 2), peak, QPoint(left + roofWidth, boxTop));

        auto *label = new Label(this, QStringLiteral("Bezeichnung%1").arg(i + 1), QRect(left, boxTop, 735, 615),
                                QStringLiteral("?"));
        label->setFontSpec(QStringLiteral("MS Sans Serif"), 24, true);
        label->setTextColour(orange);
        label->setSingleBorder(true);
        label->setCentred();
        label->setNameBeforeCaption(QStringLiteral("Haus %1").arg(i + 1));
        boxes_[size_t(i)] = label;
    }
    Bezeichnung1 = boxes_[0];
    Bezeichnung2 = boxes_[1];
    Bezeichnung3 = boxes_[2];
    Bezeichnung4 = boxes_[3];
    Bezeichnung5 = boxes_[4];

    buildCommonControls(QRect(480, 2880, 1095, 375), QRect(1680, 2880, 2655, 375), QRect(4440, 2880, 1095, 375),
                        QRect(5640, 2880, 375, 375), QStringLiteral("Befehl5"));
    Befehl5 = helpButton;

    Bild1 = new Picture(this, QStringLiteral("Bild1"), QRect(race().child(), 4200, 495, 495),
                        QStringLiteral("walker.svg"), QStringLiteral("Wanderer"));
    Bild2 = new Picture(this, QStringLiteral("Bild2"), QRect(5880, 4200, 495, 495), QStringLiteral("pond.svg"),
                        QStringLiteral("Teich"));
    setRaceFigures(Bild1, nullptr);
}

Label *SequenceScreen::box(int number) const
{
    return number >= 1 && number <= 5 ? boxes_[size_t(number - 1)] : nullptr;
}

bool SequenceScreen::backward() const
{
    return task().kind == TaskKind::CountBack;
}

QString SequenceScreen::captionPrefix() const
{
    return QStringLiteral("Z a h l f o l g e n   b i s  ");
}

void SequenceScreen::applyTask(const Task &task)
{
    if (task.kind != TaskKind::CountOn && task.kind != TaskKind::CountBack)
        return;
    const taskview::Sequence view = taskview::sequence(task);
    HBildlauf1->setValue(0);
    for (int i = 0; i < 5; ++i)
        boxes_[size_t(i)]->setCaption(view.boxes[size_t(i)]);
    currentBox_ = view.currentBox;
}

void SequenceScreen::writeEntry(int value)
{
    // The given end box is never overwritten.
    const bool fillable = backward() ? currentBox_ >= 1 && currentBox_ <= 4 : currentBox_ >= 2 && currentBox_ <= 5;
    if (fillable)
        box(currentBox_)->setCaption(captions::plain(value));
}

void SequenceScreen::checkAnswer()
{
    focusAnswer();
    if (HBildlauf1->value() != context_.shared.expectedAnswer) {
        wrongAnswerMove();
        return;
    }
    const int filled = currentBox_;
    const int direction = backward() ? -1 : 1;
    currentBox_ = filled + direction;
    HBildlauf1->setValue(0); // shows 0 in the next box
    context_.shared.expectedAnswer += direction;
    rightAnswerMove();
    if (filled == (backward() ? 1 : 5))
        newTask();
    else
        announceTask();
}

void SequenceScreen::showHelp()
{
    showHelpText(helptexts::sequence(task()));
}

void SequenceScreen::placeFigures()
{
    Bild1->setLeftTwips(race().child());
}
