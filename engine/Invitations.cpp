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
// answer: it says what the control is and what a click does. One row a thing, in the enum's order.
constexpr std::array<std::pair<Invitation, const char16_t *>, thingCount> sentences = {{
    {Invitation::Nothing, u""},
    {Invitation::OpenCalculating, u"Rechnen. Klick hier, dann rechnest du Plus-Aufgaben."},
    {Invitation::OpenReversing, u"Umkehren. Klick hier, dann suchst du die Zahl, die in der Aufgabe vorne fehlt."},
    {Invitation::OpenCompleting, u"Ergänzen. Klick hier, dann suchst du die Zahl, die in der Aufgabe fehlt."},
    {Invitation::OpenSequences,
     u"Zahlfolgen. Klick hier, dann zählst du weiter und schreibst die Zahlen in die Häuser."},
    {Invitation::OpenNumberLine, u"Zahlenstrahl. Klick hier, dann findest du Zahlen auf dem Zahlenstrahl."},
    {Invitation::OpenNumberSets, u"Zahlenmengen. Klick hier, dann zählst du Bilder."},
    {Invitation::NumberPicturesTable,
     u"Der Tisch mit Zahlenbildern. Klick hier, dann malst du ein Bild: Du verbindest die Zahlen der Reihe nach."},
    {Invitation::NumberPicturesPad,
     u"Der Malblock. Klick hier, dann malst du ein Bild: Du verbindest die Zahlen der Reihe nach."},
    {Invitation::OpenNumberWords, u"Zahlwörter. Klick hier, dann liest du Zahlen und Wörter wie eins, zwei, drei."},
    {Invitation::Dartboard, u"Die Dartscheibe. Klick hier, dann siehst du die Belohnungsspiele."},
    {Invitation::Rewards, u"Deine Belohnungen. Klick hier, dann siehst du die Belohnungsspiele."},
    {Invitation::NamePlate, u"Das Namensschild. Klick hier, dann schreibst du deinen Namen hinein."},
    {Invitation::Door, u"Die Tür: Hier hörst du auf."},
    {Invitation::RangeBar, u"Zahlen bis {Zahl}. Hier stellst du ein, bis zu welcher Zahl du rechnest."},
    {Invitation::Loudspeaker, u"Der Lautsprecher. Klick hier, dann schaltest du das Vorlesen an oder aus."},
    {Invitation::Blackboard, u"Die Tafel. Auf ihr liegen der Zahlenstrahl und die Zahlfolgen."},
    {Invitation::Printer, u"Drucker: Arbeitsblätter für die Lehrerin oder den Lehrer."},
    {Invitation::FountainPen, u"Füller: Schriften ansehen. Das ist für Erwachsene."},
    {Invitation::RedBook, u"Das rote Buch: Wer dieses Programm gemacht hat. Das ist für Erwachsene."},
    {Invitation::Screwdriver, u"Der Schraubenzieher: Wer dieses Programm gemacht hat. Das ist für Erwachsene."},
    {Invitation::MemoryRow, u"Memory. Klick zweimal schnell hier, dann suchst du Paare mit gleichen Zahlen."},
    {Invitation::ShootingGalleryRow, u"Schießbude. Klick zweimal schnell hier, dann triffst du Quadrate mit der Maus."},
    {Invitation::SlalomRow, u"Slalomfahrt. Klick zweimal schnell hier, dann fährst du um die Nägel nach Hause."},
    {Invitation::WorksheetRow, u"Arbeitsblatt {Text}: für die Lehrerin oder den Lehrer. Ein Doppelklick druckt es."},
    {Invitation::ExerciseEnd, u"Ende. Klick hier, dann gehst du zurück zur Startseite."},
    {Invitation::ExerciseOkay, u"Okay. Klick hier, wenn deine Zahl stimmt. Dann hörst du, ob sie richtig ist."},
    {Invitation::ExerciseHelp,
     u"Das Fragezeichen. Klick hier, dann siehst du ein Bild der Aufgabe. Mit F2 hörst du die Aufgabe noch einmal."},
    {Invitation::NameNumberMode, u"Zahlenwert. Klick hier, dann sagst du, welche Zahl beim roten Schild steht."},
    {Invitation::PlaceNumberMode, u"Zahlposition. Klick hier, dann schiebst du das rote Schild zu einer Zahl."},
    {Invitation::NumberLineChild,
     u"Das lachende Gesicht bist du. Bei jeder richtigen Antwort geht es weiter zum Blatt."},
    {Invitation::NumberLineChildGoal, u"Das Blatt. Da will das lachende Gesicht hin."},
    {Invitation::NumberLineRival, u"Das andere Gesicht geht weiter, wenn eine Antwort noch nicht stimmt."},
    {Invitation::NumberLineRivalGoal, u"Der Vogel. Da will das andere Gesicht hin."},
    {Invitation::CountPicturesMode, u"Zahlen. Klick hier, dann zählst du Bilder und sagst, wie viele es sind."},
    {Invitation::SetPicturesMode, u"Bilder. Klick hier, dann stellst du so viele Bilder ein, wie die Zahl sagt."},
    {Invitation::NumberSetsChild,
     u"Das blaue Auto bist du. Bei jeder richtigen Antwort fährt es weiter zum Stoppschild."},
    {Invitation::NumberSetsRival, u"Das rote Auto fährt weiter, wenn eine Antwort noch nicht stimmt."},
    {Invitation::NumberSetsGoal, u"Das Stoppschild. Da wollen die Autos hin."},
    {Invitation::CompleteRangeMode, u"Bis {Zahl}. Klick hier, dann suchst du, was bis {Zahl} noch fehlt."},
    {Invitation::CompletePlusMode, u"Plus. Klick hier, dann suchst du, was in einer Plus-Aufgabe fehlt."},
    {Invitation::CompleteMinusMode, u"Minus. Klick hier, dann suchst du, was in einer Minus-Aufgabe fehlt."},
    {Invitation::CompletingChild,
     u"Die Spinne mit Plus bist du. Bei jeder richtigen Antwort krabbelt sie weiter zum Ziel."},
    {Invitation::CompletingRival, u"Die Spinne mit Minus krabbelt weiter, wenn eine Antwort noch nicht stimmt."},
    {Invitation::CompletingGoal, u"Das Ziel. Da wollen die Spinnen hin."},
    {Invitation::CountOnMode, u"Vorwärts. Klick hier, dann zählst du vorwärts."},
    {Invitation::CountBackMode, u"Rückwärts. Klick hier, dann zählst du rückwärts."},
    {Invitation::SequencesWalker, u"Der Wanderer bist du. Bei jeder richtigen Zahl geht er weiter zum Teich, bei einer "
                                  u"falschen einen Schritt zurück."},
    {Invitation::SequencesGoal, u"Der Teich. Da will der Wanderer hin."},
    {Invitation::PlusMode, u"Plus. Klick hier, dann rechnest du Plus-Aufgaben."},
    {Invitation::MinusMode, u"Minus. Klick hier, dann rechnest du Minus-Aufgaben."},
    {Invitation::CalculationChild,
     u"Der kleine Fisch bist du. Bei jeder richtigen Antwort schwimmt er weiter zum Seetang."},
    {Invitation::CalculationRival, u"Der Raubfisch. Wenn eine Antwort noch nicht stimmt, schwimmt er dir hinterher."},
    {Invitation::CalculationGoal, u"Der Seetang. Da ist der kleine Fisch sicher."},
    {Invitation::WordsMode, u"Wörter. Klick hier, dann liest du ein Zahlwort und stellst seine Zahl ein."},
    {Invitation::NumbersMode, u"Zahlen. Klick hier, dann siehst du eine Zahl und suchst ihr Wort."},
    {Invitation::NumberWordsEnd, u"Ende. Klick hier, dann machst du die Zahlwörter zu."},
    {Invitation::NumberWordsOkay, u"Okay. Klick hier, wenn deine Antwort stimmt. Dann hörst du, ob sie richtig ist."},
    {Invitation::NumberWordsHelp, u"Das Fragezeichen. Klick hier, dann hörst du, was du tun sollst."},
    {Invitation::SpeechBubble, u"Eine Sprechblase. Hier passiert nichts."},
    {Invitation::NumberSign, u"Ein Zahlenschild. Hier passiert nichts."},
    {Invitation::NumberPicture, u"Das Zahlenbild. Klick die Zahlen der Reihe nach an, dann entsteht ein Bild."},
    {Invitation::NumberPicturesEnd, u"Ende. Klick hier, dann gehst du zurück zur Startseite."},
    {Invitation::NumberPicturesHelp, u"Das Fragezeichen. Klick hier, dann hörst du, was du tun sollst."},
    {Invitation::FirstPicture, u"Bild eins. Klick hier, dann malst du das erste Bild."},
    {Invitation::SecondPicture, u"Bild zwei. Klick hier, dann malst du das zweite Bild."},
    {Invitation::PictureAgain, u"Neu. Klick hier, dann fängst du das Bild von vorn an."},
    {Invitation::PictureUndo, u"Zurück. Klick hier, dann verschwindet dein letzter Strich."},
    {Invitation::FontsEnd, u"Ende: Schriften zumachen. Das ist für Erwachsene."},
    {Invitation::FontsSave, u"Sichern: die Schriftprobe als Bild speichern. Das ist für Erwachsene."},
    {Invitation::FontRow, u"Schrift {Text}. Das ist für Erwachsene."},
    {Invitation::MemoryStop, u"Stopp. Klick hier, dann hörst du mit Memory auf."},
    {Invitation::MemoryCard,
     u"Eine Karte. Klick sie an, dann dreht sie sich um. Finde zwei Karten mit der gleichen Zahl."},
    {Invitation::ShootingGalleryEnd, u"Ende. Klick hier, dann gehst du zurück zur Startseite."},
    {Invitation::ShootingGalleryStart,
     u"Start. Klick hier, dann geht es los: Triff die schwarzen Quadrate mit der Maus."},
    {Invitation::SlalomEnd, u"Ende. Klick hier, dann gehst du zurück zur Startseite."},
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
