// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Invitations.h"

#include "engine/NumberWords.h"
#include "engine/TableOrder.h"

#include <QObject>
#include <QVariant>
#include <array>
#include <utility>

namespace invitations {

namespace {

constexpr int thingCount = int(Invitation::SlalomHome) + 1;

// {Zahl} is the number range in words, {Text} what the control shows. A sentence never names an
// answer: it says what the control is and what a click does, in at most twelve words a first-grader
// knows and without the name of a key. One row a thing, in the enum's order.
constexpr std::array<std::pair<Invitation, const char16_t *>, thingCount> sentences = {{
    {Invitation::Nothing, u""},
    {Invitation::OpenCalculating, u"Rechnen. Klick hier, dann rechnest du Plus und Minus."},
    {Invitation::OpenReversing, u"Umkehren. Klick hier, dann suchst du die erste Zahl der Aufgabe."},
    {Invitation::OpenCompleting, u"Ergänzen. Klick hier, dann suchst du, wie viel noch fehlt."},
    {Invitation::OpenSequences, u"Zahlfolgen. Klick hier, dann zählst du vorwärts und rückwärts."},
    {Invitation::OpenNumberLine, u"Zahlenstrahl. Klick hier, dann suchst du Zahlen auf einem langen Lineal."},
    {Invitation::OpenNumberSets, u"Zahlenmengen. Klick hier, dann zählst du Bilder."},
    {Invitation::NumberPicturesTable, u"Der Tisch mit Zahlenbildern. Klick hier, dann malst du ein Bild."},
    {Invitation::NumberPicturesPad, u"Der Malblock. Klick hier, dann verbindest du Zahlen zu einem Bild."},
    {Invitation::OpenNumberWords, u"Zahlwörter. Klick hier, dann übst du Zahlen und ihre Wörter."},
    {Invitation::Dartboard, u"Die Dartscheibe. Klick hier, dann siehst du die Spiele."},
    {Invitation::Rewards, u"Deine Belohnungen. Klick hier, dann wählst du ein Spiel."},
    {Invitation::NamePlate, u"Das Namensschild. Ein Erwachsener schreibt hier deinen Namen hinein."},
    {Invitation::Door, u"Die Tür. Klick hier, dann hörst du auf."},
    {Invitation::RangeBar, u"Zahlen bis {Zahl}. Schieb den Balken für größere oder kleinere Zahlen."},
    {Invitation::Loudspeaker, u"Der Lautsprecher. Klick hier, dann schalte ich das Vorlesen an oder aus."},
    {Invitation::Blackboard, u"Die Tafel. Auf ihr liegen Zahlenstrahl und Zahlfolgen."},
    {Invitation::Printer, u"Der Drucker: Arbeitsblätter für die Lehrerin oder den Lehrer."},
    {Invitation::FountainPen, u"Der Füller: Schriften ansehen. Das ist für Erwachsene."},
    {Invitation::RedBook, u"Das rote Buch: Wer das Programm gemacht hat. Das ist für Erwachsene."},
    {Invitation::Screwdriver, u"Der Schraubenzieher: Mehr über das Programm. Das ist für Erwachsene."},
    {Invitation::MemoryRow, u"Memory. Klick zweimal schnell hier, dann suchst du gleiche Zahlen."},
    {Invitation::ShootingGalleryRow, u"Schießbude. Klick zweimal schnell hier, dann triffst du Quadrate."},
    {Invitation::SlalomRow, u"Slalomfahrt. Klick zweimal schnell hier, dann fährst du um Nägel."},
    {Invitation::WorksheetRow, u"Arbeitsblatt {Text}. Für Erwachsene: Zweimal schnell klicken druckt es."},
    {Invitation::ExerciseEnd, u"Ende. Klick hier, dann gehst du zurück zur Startseite."},
    {Invitation::ExerciseOkay, u"Okay. Klick hier, dann hörst du, ob deine Zahl richtig ist."},
    {Invitation::ExerciseHelp, u"Das Fragezeichen. Klick hier, dann hörst du die Aufgabe noch einmal."},
    {Invitation::AnswerBar, u"Schieb den Balken, bis deine Zahl stimmt. Dann drück Okay."},
    {Invitation::NameNumberMode, u"Zahlenwert. Klick hier, dann suchst du die Zahl beim roten Schild."},
    {Invitation::PlaceNumberMode, u"Zahlposition. Klick hier, dann schiebst du das rote Schild zur Zahl."},
    {Invitation::NumberLineChild, u"Das lachende Gesicht bist du. Es will zum Blatt."},
    {Invitation::NumberLineChildGoal, u"Das Blatt. Da will das lachende Gesicht hin."},
    {Invitation::NumberLineRival, u"Das andere Gesicht. Es geht weiter, wenn du dich irrst."},
    {Invitation::NumberLineRivalGoal, u"Der Vogel. Da will das andere Gesicht hin."},
    {Invitation::CountPicturesMode, u"Zahlen. Klick hier, dann zählst du Bilder."},
    {Invitation::SetPicturesMode, u"Bilder. Klick hier, dann stellst du so viele Bilder ein."},
    {Invitation::NumberSetsChild, u"Das blaue Auto bist du. Jede richtige Antwort bringt es weiter."},
    {Invitation::NumberSetsRival, u"Das rote Auto fährt, wenn eine Antwort noch nicht stimmt."},
    {Invitation::NumberSetsGoal, u"Das Stoppschild. Da wollen die Autos hin."},
    {Invitation::CompleteRangeMode, u"Bis {Zahl}. Klick hier, dann suchst du, was bis {Zahl} fehlt."},
    {Invitation::CompletePlusMode, u"Plus. Klick hier, dann fehlt eine Zahl in Plus-Aufgaben."},
    {Invitation::CompleteMinusMode, u"Minus. Klick hier, dann fehlt eine Zahl in Minus-Aufgaben."},
    {Invitation::CompletingChild, u"Die Spinne mit Plus bist du. Richtige Antworten bringen sie ans Ziel."},
    {Invitation::CompletingRival, u"Die Spinne mit Minus krabbelt, wenn eine Antwort nicht stimmt."},
    {Invitation::CompletingGoal, u"Das Ziel. Da wollen die Spinnen hin."},
    {Invitation::CountOnMode, u"Vorwärts. Klick hier, dann zählst du vorwärts."},
    {Invitation::CountBackMode, u"Rückwärts. Klick hier, dann zählst du rückwärts."},
    {Invitation::SequencesWalker, u"Der Wanderer bist du. Bei richtig geht er vor, bei falsch zurück."},
    {Invitation::SequencesGoal, u"Der Teich. Da will der Wanderer hin."},
    {Invitation::PlusMode, u"Plus. Klick hier, dann rechnest du Plus-Aufgaben."},
    {Invitation::MinusMode, u"Minus. Klick hier, dann rechnest du Minus-Aufgaben."},
    {Invitation::ReversePlusMode, u"Plus. Klick hier, dann fehlt die erste Zahl einer Plus-Aufgabe."},
    {Invitation::ReverseMinusMode, u"Minus. Klick hier, dann fehlt die erste Zahl einer Minus-Aufgabe."},
    {Invitation::CalculationChild, u"Der kleine Fisch bist du. Er will zum Seetang."},
    {Invitation::CalculationRival, u"Der Raubfisch. Er schwimmt dir nach, wenn eine Antwort nicht stimmt."},
    {Invitation::CalculationGoal, u"Der Seetang. Da ist der kleine Fisch sicher."},
    {Invitation::WordsMode, u"Wörter. Klick hier, dann suchst du die Zahl zu einem Wort."},
    {Invitation::NumbersMode, u"Zahlen. Klick hier, dann suchst du das Wort zu einer Zahl."},
    {Invitation::NumberWordsEnd, u"Ende. Klick hier, dann machst du die Zahlwörter zu."},
    {Invitation::NumberWordsOkay, u"Okay. Klick hier, dann hörst du, ob deine Antwort stimmt."},
    {Invitation::NumberWordsHelp, u"Das Fragezeichen. Klick hier, dann hörst du, was du tun sollst."},
    {Invitation::SpeechBubble, u"Eine Sprechblase. Hier passiert nichts."},
    {Invitation::NumberSign, u"Ein Zahlenschild. Hier passiert nichts."},
    {Invitation::NumberPicture, u"Das Zahlenbild. Klick die Zahlen der Reihe nach an."},
    {Invitation::NumberPicturesEnd, u"Ende. Klick hier, dann hörst du mit dem Malen auf."},
    {Invitation::NumberPicturesHelp, u"Das Fragezeichen. Klick hier, dann hörst du, wie das Malen geht."},
    {Invitation::FirstPicture, u"Bild eins. Klick hier, dann malst du das erste Bild."},
    {Invitation::SecondPicture, u"Bild zwei. Klick hier, dann malst du das zweite Bild."},
    {Invitation::PictureAgain, u"Neu. Klick hier, dann fängst du das Bild von vorn an."},
    {Invitation::PictureUndo, u"Zurück. Klick hier, dann verschwindet dein letzter Strich."},
    {Invitation::FontsEnd, u"Ende: Schriften zumachen. Das ist für Erwachsene."},
    {Invitation::FontsSave, u"Sichern: die Schriftprobe als Bild speichern. Das ist für Erwachsene."},
    {Invitation::FontRow, u"Schrift {Text}. Das ist für Erwachsene."},
    {Invitation::MemoryStop, u"Stopp. Klick hier, dann hörst du mit Memory auf."},
    {Invitation::MemoryCard, u"Eine Karte. Klick sie an, dann dreht sie sich um."},
    {Invitation::MemoryCardOpen, u"Eine offene Karte. Such die zweite Karte mit dieser Zahl."},
    {Invitation::MemoryCardFound, u"Ein gefundenes Paar. Hier passiert nichts mehr."},
    {Invitation::ShootingGalleryEnd, u"Ende. Klick hier, dann hörst du mit der Schießbude auf."},
    {Invitation::ShootingGalleryStart, u"Start. Klick hier, dann kommen die schwarzen Quadrate."},
    {Invitation::SlalomEnd, u"Ende. Klick hier, dann hörst du mit der Slalomfahrt auf."},
    {Invitation::SlalomLeft, u"Links. Klick hier, dann fährst du nach links."},
    {Invitation::SlalomRight, u"Rechts. Klick hier, dann fährst du nach rechts."},
    {Invitation::SlalomUp, u"Hoch. Klick hier, dann fährst du nach oben."},
    {Invitation::SlalomDown, u"Runter. Klick hier, dann fährst du nach unten."},
    {Invitation::SlalomDriver, u"Das bist du. Fahr an den Nägeln vorbei nach Hause."},
    {Invitation::SlalomHome, u"Dein Haus. Da willst du hin."},
}};

static_assert(keyedInOrder(sentences, [](const auto &row) { return row.first; }),
              "one sentence for every thing, in the order of the enum");

const char *const property = "invitation";

} // namespace

QString sentence(Invitation what, int numberRange, const QString &shown)
{
    const int index = int(what);
    if (index <= 0 || index >= thingCount)
        return QString();
    QString said = QString::fromUtf16(sentences[std::size_t(index)].second);
    said.replace(QStringLiteral("{Zahl}"), numberwords::word(numberRange));
    said.replace(QStringLiteral("{Text}"), shown);
    return said;
}

QString keys(Invitation what)
{
    // Said to a child, a key it cannot find is no help; a screen reader's user has the keyboard.
    if (what == Invitation::ExerciseHelp)
        return QStringLiteral("Mit F2 hörst du die Aufgabe noch einmal.");
    return QString();
}

void declare(QObject &control, Invitation what)
{
    control.setProperty(property, int(what));
}

std::optional<Invitation> declared(const QObject &control)
{
    const QVariant value = control.property(property);
    if (!value.isValid())
        return std::nullopt;
    return Invitation(value.toInt());
}

} // namespace invitations
