// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Invitations.h"

#include "engine/NumberWords.h"

#include <QHash>
#include <QRegularExpression>

namespace invitations {

namespace {

// {Zahl} is the number range in words, {Text} what the control shows. A sentence never names an
// answer: it says what the control is and what a click does.
const QHash<QString, QString> &table()
{
    static const QHash<QString, QString> sentences = {
        // The start page: the child's pictures first, then the grown-ups' things.
        {QStringLiteral("form1/Bild13"), QStringLiteral("Rechnen. Klick hier, dann rechnest du Plus-Aufgaben.")},
        {QStringLiteral("form1/Bild15"),
         QStringLiteral("Umkehren. Klick hier, dann suchst du die Zahl, die in der Aufgabe vorne fehlt.")},
        {QStringLiteral("form1/Bild14"),
         QStringLiteral("Ergänzen. Klick hier, dann suchst du die Zahl, die in der Aufgabe fehlt.")},
        {QStringLiteral("form1/Bild12"),
         QStringLiteral("Zahlfolgen. Klick hier, dann zählst du weiter und schreibst die Zahlen in die Häuser.")},
        {QStringLiteral("form1/Bild3"),
         QStringLiteral("Zahlenstrahl. Klick hier, dann findest du Zahlen auf dem Zahlenstrahl.")},
        {QStringLiteral("form1/Bild11"), QStringLiteral("Zahlenmengen. Klick hier, dann zählst du Bilder.")},
        {QStringLiteral("form1/Bild6"),
         QStringLiteral("Der Tisch mit Zahlenbildern. Klick hier, dann malst du ein Bild: Du verbindest die "
                        "Zahlen der Reihe nach.")},
        {QStringLiteral("form1/Bild10"),
         QStringLiteral("Der Malblock. Klick hier, dann malst du ein Bild: Du verbindest die Zahlen der Reihe "
                        "nach.")},
        {QStringLiteral("form1/Bild9"),
         QStringLiteral("Zahlwörter. Klick hier, dann liest du Zahlen und Wörter wie eins, zwei, drei.")},
        {QStringLiteral("form1/Bild5"),
         QStringLiteral("Die Dartscheibe. Klick hier, dann siehst du die Belohnungsspiele.")},
        {QStringLiteral("form1/Bezeichnung11"),
         QStringLiteral("Deine Belohnungen. Klick hier, dann siehst du die Belohnungsspiele.")},
        {QStringLiteral("form1/Bezeichnung12"),
         QStringLiteral("Das Namensschild. Klick hier, dann schreibst du deinen Namen hinein.")},
        {QStringLiteral("form1/Bezeichnung1"), QStringLiteral("Die Tür: Hier hörst du auf.")},
        {QStringLiteral("form1/HBildlauf1"),
         QStringLiteral("Zahlen bis {Zahl}. Hier stellst du ein, bis zu welcher Zahl du rechnest.")},
        {QStringLiteral("form1/Lautsprecher"),
         QStringLiteral("Der Lautsprecher. Klick hier, dann schaltest du das Vorlesen an oder aus.")},
        {QStringLiteral("form1/Bild1"), QStringLiteral("Die Tafel. Auf ihr liegen der Zahlenstrahl und die Zahlfolgen.")},
        {QStringLiteral("form1/Bild4"), QStringLiteral("Drucker: Arbeitsblätter für die Lehrerin oder den Lehrer.")},
        {QStringLiteral("form1/Bild8"), QStringLiteral("Füller: Schriften ansehen. Das ist für Erwachsene.")},
        {QStringLiteral("form1/Bild2"),
         QStringLiteral("Das rote Buch: Wer dieses Programm gemacht hat. Das ist für Erwachsene.")},
        {QStringLiteral("form1/Bild7"),
         QStringLiteral("Der Schraubenzieher: Wer dieses Programm gemacht hat. Das ist für Erwachsene.")},
        {QStringLiteral("form1/Liste2/1"),
         QStringLiteral("Memory. Klick zweimal schnell hier, dann suchst du Paare mit gleichen Zahlen.")},
        {QStringLiteral("form1/Liste2/2"),
         QStringLiteral("Schießbude. Klick zweimal schnell hier, dann triffst du Quadrate mit der Maus.")},
        {QStringLiteral("form1/Liste2/3"),
         QStringLiteral("Slalomfahrt. Klick zweimal schnell hier, dann fährst du um die Nägel nach Hause.")},
        {QStringLiteral("form1/Liste1/#"),
         QStringLiteral("Arbeitsblatt {Text}: für die Lehrerin oder den Lehrer. Ein Doppelklick druckt es.")},

        // What every race screen has.
        {QStringLiteral("race/Befehl2"), QStringLiteral("Ende. Klick hier, dann gehst du zurück zur Startseite.")},
        {QStringLiteral("race/Befehl1"),
         QStringLiteral("Okay. Klick hier, wenn deine Zahl stimmt. Dann hörst du, ob sie richtig ist.")},
        {QStringLiteral("race/help"),
         QStringLiteral("Das Fragezeichen. Klick hier, dann siehst du ein Bild der Aufgabe. Mit F2 hörst du die "
                        "Aufgabe noch einmal.")},

        // The number line.
        {QStringLiteral("Form2/Befehl3"),
         QStringLiteral("Zahlenwert. Klick hier, dann sagst du, welche Zahl beim roten Schild steht.")},
        {QStringLiteral("Form2/Befehl4"),
         QStringLiteral("Zahlposition. Klick hier, dann schiebst du das rote Schild zu einer Zahl.")},
        {QStringLiteral("Form2/Bild2"),
         QStringLiteral("Das lachende Gesicht bist du. Bei jeder richtigen Antwort geht es weiter zum Blatt.")},
        {QStringLiteral("Form2/Bild1"), QStringLiteral("Das Blatt. Da will das lachende Gesicht hin.")},
        {QStringLiteral("Form2/Bild3"),
         QStringLiteral("Das andere Gesicht geht weiter, wenn eine Antwort noch nicht stimmt.")},
        {QStringLiteral("Form2/Bild4"), QStringLiteral("Der Vogel. Da will das andere Gesicht hin.")},

        // The number sets.
        {QStringLiteral("Form3/Befehl3"),
         QStringLiteral("Zahlen. Klick hier, dann zählst du Bilder und sagst, wie viele es sind.")},
        {QStringLiteral("Form3/Befehl4"),
         QStringLiteral("Bilder. Klick hier, dann stellst du so viele Bilder ein, wie die Zahl sagt.")},
        {QStringLiteral("Form3/Bild1"),
         QStringLiteral("Das blaue Auto bist du. Bei jeder richtigen Antwort fährt es weiter zum Stoppschild.")},
        {QStringLiteral("Form3/Bild2"),
         QStringLiteral("Das rote Auto fährt weiter, wenn eine Antwort noch nicht stimmt.")},
        {QStringLiteral("Form3/Bild3"), QStringLiteral("Das Stoppschild. Da wollen die Autos hin.")},

        // Completing.
        {QStringLiteral("Form4/Befehl5"),
         QStringLiteral("Bis {Zahl}. Klick hier, dann suchst du, was bis {Zahl} noch fehlt.")},
        {QStringLiteral("Form4/Befehl3"),
         QStringLiteral("Plus. Klick hier, dann suchst du, was in einer Plus-Aufgabe fehlt.")},
        {QStringLiteral("Form4/Befehl4"),
         QStringLiteral("Minus. Klick hier, dann suchst du, was in einer Minus-Aufgabe fehlt.")},
        {QStringLiteral("Form4/Bild1"),
         QStringLiteral("Die Spinne mit Plus bist du. Bei jeder richtigen Antwort krabbelt sie weiter zum Ziel.")},
        {QStringLiteral("Form4/Bild2"),
         QStringLiteral("Die Spinne mit Minus krabbelt weiter, wenn eine Antwort noch nicht stimmt.")},
        {QStringLiteral("Form4/Bild3"), QStringLiteral("Das Ziel. Da wollen die Spinnen hin.")},

        // Number sequences.
        {QStringLiteral("Form5/Befehl3"), QStringLiteral("Vorwärts. Klick hier, dann zählst du vorwärts.")},
        {QStringLiteral("Form5/Befehl4"), QStringLiteral("Rückwärts. Klick hier, dann zählst du rückwärts.")},
        {QStringLiteral("Form5/Bild1"),
         QStringLiteral("Der Wanderer bist du. Bei jeder richtigen Zahl geht er weiter zum Teich, bei einer "
                        "falschen einen Schritt zurück.")},
        {QStringLiteral("Form5/Bild2"), QStringLiteral("Der Teich. Da will der Wanderer hin.")},

        // Calculation, forward and reversed.
        {QStringLiteral("Form6/Befehl3"), QStringLiteral("Plus. Klick hier, dann rechnest du Plus-Aufgaben.")},
        {QStringLiteral("Form6/Befehl4"), QStringLiteral("Minus. Klick hier, dann rechnest du Minus-Aufgaben.")},
        {QStringLiteral("Form6/Bild2"),
         QStringLiteral("Der kleine Fisch bist du. Bei jeder richtigen Antwort schwimmt er weiter zum Seetang.")},
        {QStringLiteral("Form6/Bild1"),
         QStringLiteral("Der Raubfisch. Wenn eine Antwort noch nicht stimmt, schwimmt er dir hinterher.")},
        {QStringLiteral("Form6/Bild3"), QStringLiteral("Der Seetang. Da ist der kleine Fisch sicher.")},

        // Number words.
        {QStringLiteral("Form7/Befehl3"),
         QStringLiteral("Wörter. Klick hier, dann liest du ein Zahlwort und stellst seine Zahl ein.")},
        {QStringLiteral("Form7/Befehl4"),
         QStringLiteral("Zahlen. Klick hier, dann siehst du eine Zahl und suchst ihr Wort.")},
        {QStringLiteral("Form7/Befehl2"), QStringLiteral("Ende. Klick hier, dann machst du die Zahlwörter zu.")},
        {QStringLiteral("Form7/Befehl1"),
         QStringLiteral("Okay. Klick hier, wenn deine Antwort stimmt. Dann hörst du, ob sie richtig ist.")},
        {QStringLiteral("Form7/Befehl5"), QStringLiteral("Das Fragezeichen. Klick hier, dann hörst du, was du tun sollst.")},
        {QStringLiteral("Form7/Bild1"), QStringLiteral("Eine Sprechblase. Hier passiert nichts.")},
        {QStringLiteral("Form7/Bild2"), QStringLiteral("Ein Zahlenschild. Hier passiert nichts.")},

        // Number pictures.
        {QStringLiteral("Form8/Bild1"),
         QStringLiteral("Das Zahlenbild. Klick die Zahlen der Reihe nach an, dann entsteht ein Bild.")},
        {QStringLiteral("Form8/Befehl3"), QStringLiteral("Ende. Klick hier, dann gehst du zurück zur Startseite.")},
        {QStringLiteral("Form8/Befehl4"), QStringLiteral("Das Fragezeichen. Klick hier, dann hörst du, was du tun sollst.")},
        {QStringLiteral("Form8/Befehl1"), QStringLiteral("Bild eins. Klick hier, dann malst du das erste Bild.")},
        {QStringLiteral("Form8/Befehl2"), QStringLiteral("Bild zwei. Klick hier, dann malst du das zweite Bild.")},
        {QStringLiteral("Form8/Befehl6"), QStringLiteral("Neu. Klick hier, dann fängst du das Bild von vorn an.")},
        {QStringLiteral("Form8/Befehl5"), QStringLiteral("Zurück. Klick hier, dann verschwindet dein letzter Strich.")},

        // The font viewer: for grown-ups.
        {QStringLiteral("Form9/Befehl1"), QStringLiteral("Ende: Schriften zumachen. Das ist für Erwachsene.")},
        {QStringLiteral("Form9/Befehl2"),
         QStringLiteral("Sichern: die Schriftprobe als Bild speichern. Das ist für Erwachsene.")},
        {QStringLiteral("Form9/Liste1/#"), QStringLiteral("Schrift {Text}. Das ist für Erwachsene.")},

        // Memory.
        {QStringLiteral("memo/Befehl1"), QStringLiteral("Stopp. Klick hier, dann hörst du mit Memory auf.")},
        {QStringLiteral("memo/Bezeichnung#"),
         QStringLiteral("Eine Karte. Klick sie an, dann dreht sie sich um. Finde zwei Karten mit der gleichen "
                        "Zahl.")},

        // The shooting gallery.
        {QStringLiteral("schiess/Bezeichnung1"),
         QStringLiteral("Ende. Klick hier, dann gehst du zurück zur Startseite.")},
        {QStringLiteral("schiess/Bezeichnung2"),
         QStringLiteral("Start. Klick hier, dann geht es los: Triff die schwarzen Quadrate mit der Maus.")},

        // The slalom drive.
        {QStringLiteral("slalom/Befehl1"), QStringLiteral("Ende. Klick hier, dann gehst du zurück zur Startseite.")},
        {QStringLiteral("slalom/Befehl2"), QStringLiteral("Links. Klick hier, dann fährst du nach links.")},
        {QStringLiteral("slalom/Befehl3"), QStringLiteral("Rechts. Klick hier, dann fährst du nach rechts.")},
        {QStringLiteral("slalom/Befehl4"), QStringLiteral("Hoch. Klick hier, dann fährst du nach oben.")},
        {QStringLiteral("slalom/Befehl5"), QStringLiteral("Runter. Klick hier, dann fährst du nach unten.")},
        {QStringLiteral("slalom/Bild1"),
         QStringLiteral("Das bist du. Fahr an den Nägeln vorbei nach Hause.")},
        {QStringLiteral("slalom/Bild6"), QStringLiteral("Dein Haus. Da willst du hin.")},
    };
    return sentences;
}

// The race screens share their end, okay and help buttons.
QString shared(const QString &key)
{
    static const QRegularExpression race(QStringLiteral("^Form[2-6]/(Befehl[12])$"));
    const QRegularExpressionMatch common = race.match(key);
    if (common.hasMatch())
        return QStringLiteral("race/") + common.captured(1);
    // The help button is Befehl6 on the completing screen, Befehl5 on the others.
    if (key == QLatin1String("Form4/Befehl6") || key == QLatin1String("Form2/Befehl5") ||
        key == QLatin1String("Form3/Befehl5") || key == QLatin1String("Form5/Befehl5") ||
        key == QLatin1String("Form6/Befehl5"))
        return QStringLiteral("race/help");
    return QString();
}

} // namespace

QString sentence(const QString &key, int numberRange, const QString &shown)
{
    const QHash<QString, QString> &sentences = table();
    auto found = sentences.constFind(key);
    if (found == sentences.cend()) {
        static const QRegularExpression number(QStringLiteral("\\d+$"));
        QString any = key;
        any.replace(number, QStringLiteral("#"));
        found = sentences.constFind(any);
    }
    if (found == sentences.cend())
        found = sentences.constFind(shared(key));
    if (found == sentences.cend())
        return QString();
    QString said = *found;
    said.replace(QStringLiteral("{Zahl}"), numberwords::word(numberRange));
    said.replace(QStringLiteral("{Text}"), shown);
    return said;
}

} // namespace invitations
