<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AccessibleKey</name>
    <message>
        <source>Types the digit %1</source>
        <extracomment>A digit key&apos;s description for screen readers; %1 is the digit.</extracomment>
        <translation>Gibt die Ziffer %1 ein</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Deletes the last character of the entry</source>
        <translation>Löscht das letzte Zeichen der Eingabe</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>Eingabe löschen</translation>
    </message>
    <message>
        <source>Clears the entry and keeps the calculation</source>
        <translation>Löscht die Eingabe und behält die Rechnung bei</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>Clears the entry and the calculation</source>
        <translation>Löscht die Eingabe und die Rechnung</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Dezimaltrennzeichen</translation>
    </message>
    <message>
        <source>Types the decimal point</source>
        <translation>Gibt das Dezimaltrennzeichen ein</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Addieren</translation>
    </message>
    <message>
        <source>Adds the next number to this one</source>
        <translation>Addiert die nächste Zahl zu dieser</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Subtrahieren</translation>
    </message>
    <message>
        <source>Subtracts the next number from this one</source>
        <translation>Subtrahiert die nächste Zahl von dieser</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplizieren</translation>
    </message>
    <message>
        <source>Multiplies this number by the next</source>
        <translation>Multipliziert diese Zahl mit der nächsten</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividieren</translation>
    </message>
    <message>
        <source>Divides this number by the next</source>
        <translation>Dividiert diese Zahl durch die nächste</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Gleich</translation>
    </message>
    <message>
        <source>Shows the result; pressed again, repeats the last operation</source>
        <translation>Zeigt das Ergebnis an; erneutes Drücken wiederholt die letzte Rechenoperation</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Takes the entry as a percentage of the first number</source>
        <translation>Wertet die Eingabe als Prozentsatz der ersten Zahl</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Vorzeichen wechseln</translation>
    </message>
    <message>
        <source>Changes the sign of the entry</source>
        <translation>Kehrt das Vorzeichen der Eingabe um</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Kehrwert</translation>
    </message>
    <message>
        <source>Divides 1 by the entry</source>
        <translation>Dividiert 1 durch die Eingabe</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Quadratwurzel</translation>
    </message>
    <message>
        <source>Takes the square root of the entry</source>
        <translation>Zieht die Quadratwurzel aus der Eingabe</translation>
    </message>
    <message>
        <source>Date separator</source>
        <translation>Datumstrennzeichen</translation>
    </message>
    <message>
        <source>Types the slash between day, month and year</source>
        <translation>Gibt den Schrägstrich zwischen Tag, Monat und Jahr ein</translation>
    </message>
    <message>
        <source>Add period</source>
        <translation>Zeitraum addieren</translation>
    </message>
    <message>
        <source>Adds a period of days/months/years to this date</source>
        <translation>Addiert einen Zeitraum aus Tagen/Monaten/Jahren zu diesem Datum</translation>
    </message>
    <message>
        <source>Subtract period</source>
        <translation>Zeitraum subtrahieren</translation>
    </message>
    <message>
        <source>Subtracts a period of days/months/years from this date</source>
        <translation>Subtrahiert einen Zeitraum aus Tagen/Monaten/Jahren von diesem Datum</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Gives years, months and days between this date and the next</source>
        <translation>Ermittelt Jahre, Monate und Tage zwischen diesem und dem nächsten Datum</translation>
    </message>
    <message>
        <source>Shows the resulting date or difference</source>
        <translation>Zeigt das resultierende Datum oder die Differenz an</translation>
    </message>
    <message>
        <source>Has no effect on a date</source>
        <translation>Hat bei einem Datum keine Wirkung</translation>
    </message>
    <message>
        <source>Time separator</source>
        <translation>Zeittrennzeichen</translation>
    </message>
    <message>
        <source>Types the colon between hours, minutes and seconds</source>
        <translation>Gibt den Doppelpunkt zwischen Stunden, Minuten und Sekunden ein</translation>
    </message>
    <message>
        <source>Adds a period of hours:minutes:seconds to this time</source>
        <translation>Addiert einen Zeitraum aus Stunden:Minuten:Sekunden zu dieser Uhrzeit</translation>
    </message>
    <message>
        <source>Subtracts a period of hours:minutes:seconds from this time</source>
        <translation>Subtrahiert einen Zeitraum aus Stunden:Minuten:Sekunden von dieser Uhrzeit</translation>
    </message>
    <message>
        <source>Gives hours, minutes and seconds between this time and the next</source>
        <translation>Ermittelt Stunden, Minuten und Sekunden zwischen dieser und der nächsten Uhrzeit</translation>
    </message>
    <message>
        <source>Shows the resulting time or difference</source>
        <translation>Zeigt die resultierende Uhrzeit oder die Differenz an</translation>
    </message>
    <message>
        <source>Has no effect on a time</source>
        <translation>Hat bei einer Uhrzeit keine Wirkung</translation>
    </message>
    <message>
        <source>Not available in this mode</source>
        <translation>In diesem Modus nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>AccessibleMode</name>
    <message>
        <source>Result</source>
        <extracomment>The display&apos;s name for screen readers.</extracomment>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Calculates with numbers</source>
        <translation>Rechnet mit Zahlen</translation>
    </message>
    <message>
        <source>The number being typed, or the result</source>
        <translation>Die eingegebene Zahl oder das Ergebnis</translation>
    </message>
    <message>
        <source>Calculates with dates, typed dd/mm/yyyy</source>
        <extracomment>The format in the letters of the language; the user still types day/month/year.</extracomment>
        <translation>Rechnet mit Datumsangaben, Eingabe als TT/MM/JJJJ</translation>
    </message>
    <message>
        <source>The date or period being typed, or the result</source>
        <translation>Das eingegebene Datum oder der eingegebene Zeitraum oder das Ergebnis</translation>
    </message>
    <message>
        <source>Calculates with clock times, typed hh:mm:ss</source>
        <translation>Rechnet mit Uhrzeiten, Eingabe als hh:mm:ss</translation>
    </message>
    <message>
        <source>The time or period being typed, or the result</source>
        <translation>Die eingegebene Uhrzeit oder der eingegebene Zeitraum oder das Ergebnis</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Die Version anzeigen.</translation>
    </message>
    <message>
        <source>A calculator for numbers, calendar dates and clock times.</source>
        <translation>Ein Rechner für Zahlen, Kalenderdaten und Uhrzeiten.</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options apply as well, among them -platform NAME, -style STYLE
and -qwindowtitle TITLE; see morvelin(1).</source>
        <translation>Die Standardoptionen von Qt gelten ebenfalls, darunter -platform NAME, -style STIL
und -qwindowtitle TITEL; siehe morvelin(1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <extracomment>%1 is the program&apos;s name: &quot;Try &apos;morvelin --help&apos;.&quot;</extracomment>
        <translation>Versuchen Sie „%1 --help“.</translation>
    </message>
    <message>
        <source>%1: no display: neither DISPLAY nor WAYLAND_DISPLAY is set. Run it in a graphical session, or with -platform offscreen to run it without a screen.</source>
        <extracomment>%1 is the program&apos;s name; DISPLAY, WAYLAND_DISPLAY and -platform offscreen stay as they are.</extracomment>
        <translation>%1: kein Display: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt. Starten Sie das Programm in einer grafischen Sitzung oder mit -platform offscreen, um es ohne Bildschirm laufen zu lassen.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>ERROR</source>
        <extracomment>The display after an arithmetic error, such as a division by zero. At most about 20 letters.</extracomment>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Error! Wrong Date format</source>
        <extracomment>The display after a date that is not one. At most about 28 letters.</extracomment>
        <translation>Fehler! Falsches Datumsformat</translation>
    </message>
    <message>
        <source>Error! Wrong Time format</source>
        <extracomment>The display after a time that is not one. At most about 28 letters.</extracomment>
        <translation>Fehler! Falsches Zeitformat</translation>
    </message>
    <message>
        <source>%1: %2: %3</source>
        <extracomment>A difference on the display, &quot;11 Years: 4 Months: 28 Days&quot;: %1 to %3 are the three counts with their units, largest first.</extracomment>
        <translation>%1: %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n Years</source>
        <extracomment>Part of a difference on the display, plain digits; English keeps &quot;1 Years&quot; (a fixed form).</extracomment>
        <translation>
            <numerusform>%n Jahr</numerusform>
            <numerusform>%n Jahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Months</source>
        <translation>
            <numerusform>%n Monat</numerusform>
            <numerusform>%n Monate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Days</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Hours</source>
        <translation>
            <numerusform>%n Std.</numerusform>
            <numerusform>%n Std.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Minutes</source>
        <translation>
            <numerusform>%n Min.</numerusform>
            <numerusform>%n Min.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Seconds</source>
        <translation>
            <numerusform>%n Sek.</numerusform>
            <numerusform>%n Sek.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FactsText</name>
    <message numerus="yes">
        <source>%Ln week(s)</source>
        <translation>
            <numerusform>%Ln Woche</numerusform>
            <numerusform>%Ln Wochen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two counts: &quot;595 weeks and 3 days&quot;, &quot;1 year and 3 days ago&quot;.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>Two long dates, as the locale writes them: &quot;Thursday, 11 May 2000 to Sunday, 9 October 2011&quot;.</extracomment>
        <translation>%1 bis %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s)</source>
        <translation>
            <numerusform>%Ln Tag</numerusform>
            <numerusform>%Ln Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln weekday(s)</source>
        <extracomment>Mondays to Fridays.</extracomment>
        <translation>
            <numerusform>%Ln Arbeitstag</numerusform>
            <numerusform>%Ln Arbeitstage</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 hours</source>
        <extracomment>%1 is a decimal number of hours, &quot;8.084 hours&quot;.</extracomment>
        <translation>%1 Stunden</translation>
    </message>
    <message numerus="yes">
        <source>%Ln second(s)</source>
        <translation>
            <numerusform>%Ln Sekunde</numerusform>
            <numerusform>%Ln Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>next day</source>
        <extracomment>A clock time moved past midnight into the next day.</extracomment>
        <translation>am Folgetag</translation>
    </message>
    <message>
        <source>previous day</source>
        <translation>am Vortag</translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) later</source>
        <translation>
            <numerusform>%Ln Tag später</numerusform>
            <numerusform>%Ln Tage später</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) earlier</source>
        <translation>
            <numerusform>%Ln Tag früher</numerusform>
            <numerusform>%Ln Tage früher</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln month(s)</source>
        <translation>
            <numerusform>%Ln Monat</numerusform>
            <numerusform>%Ln Monate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln year(s)</source>
        <translation>
            <numerusform>%Ln Jahr</numerusform>
            <numerusform>%Ln Jahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hour(s)</source>
        <translation>
            <numerusform>%Ln Stunde</numerusform>
            <numerusform>%Ln Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln minute(s)</source>
        <translation>
            <numerusform>%Ln Minute</numerusform>
            <numerusform>%Ln Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <extracomment>The three counts of a period with their units: &quot;2 hours, 0 minutes and 30 seconds&quot;.</extracomment>
        <translation>%1, %2 und %3</translation>
    </message>
    <message>
        <source>%1 added</source>
        <extracomment>The period Add moved the date or time by: &quot;1 day, 0 months and 3 years added&quot;.</extracomment>
        <translation>%1 addiert</translation>
    </message>
    <message>
        <source>%1 subtracted</source>
        <extracomment>The period Sub moved the date or time back by: &quot;1 day, 0 months and 3 years subtracted&quot;.</extracomment>
        <translation>%1 abgezogen</translation>
    </message>
    <message numerus="yes">
        <source>%Ln year(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln Jahr</numerusform>
            <numerusform>%Ln Jahren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln month(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln Monat</numerusform>
            <numerusform>%Ln Monaten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln Tag</numerusform>
            <numerusform>%Ln Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <extracomment>A line of a date&apos;s tooltip: the date on show is today&apos;s. &quot;tomorrow&quot; and &quot;yesterday&quot; likewise.</extracomment>
        <translation>heute</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>morgen</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>gestern</translation>
    </message>
    <message numerus="yes">
        <source>in %Ln day(s)</source>
        <translation>
            <numerusform>in %Ln Tag</numerusform>
            <numerusform>in %Ln Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) ago</source>
        <translation>
            <numerusform>vor %Ln Tag</numerusform>
            <numerusform>vor %Ln Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>in %1</source>
        <extracomment>A date ahead of today by years, months and days: &quot;in 1 year, 2 months and 3 days&quot;. %1 is made of the counts marked &quot;from today&quot;, which can take the case this phrase needs.</extracomment>
        <translation>in %1</translation>
    </message>
    <message>
        <source>%1 ago</source>
        <extracomment>A date before today by years, months and days: &quot;26 years, 6 months and 26 days ago&quot;.</extracomment>
        <translation>vor %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A date&apos;s distance from today in days, then in years, months and days: &quot;9,706 days ago (26 years, 6 months and 26 days ago)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>week %1, day %2 of %3</source>
        <extracomment>The ISO 8601 week of a date and its day of the year: &quot;week 19, day 132 of 366&quot;.</extracomment>
        <translation>Kalenderwoche %1, Tag %2 von %3</translation>
    </message>
    <message>
        <source>week %1 of %2, day %3 of %4</source>
        <extracomment>As &quot;week %1, day %2 of %3&quot;, for a week that belongs to the year before or after the date&apos;s: &quot;week 1 of 2009, day 364 of 366&quot; for 29 December 2008.</extracomment>
        <translation>Kalenderwoche %1 des Jahres %2, Tag %3 von %4</translation>
    </message>
    <message>
        <source>%1: %2; %3</source>
        <extracomment>A date of a difference, its distance from today, and its week and day of the year: &quot;Thursday, 11 May 2000: 9,706 days ago; week 19, day 132 of 366&quot;.</extracomment>
        <translation>%1: %2; %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A date of a difference and its week and day of the year, where today is unknown.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Date Format dd/mm/yyyy</source>
        <extracomment>The first line of the Date help: the entry format, in the letters of the language.</extracomment>
        <translation>Datumsformat TT/MM/JJJJ</translation>
    </message>
    <message>
        <source>DIF</source>
        <extracomment>A heading: the key caption &quot;Dif&quot; in upper case.</extracomment>
        <translation>DIFF</translation>
    </message>
    <message>
        <source>SUB</source>
        <extracomment>A heading: the key caption &quot;Sub&quot; in upper case.</extracomment>
        <translation>MINUS</translation>
    </message>
    <message>
        <source>ADD</source>
        <extracomment>A heading: the key caption &quot;Add&quot; in upper case.</extracomment>
        <translation>PLUS</translation>
    </message>
    <message>
        <source>Time Format hh:mm:ss</source>
        <extracomment>The first line of the Time help: the entry format, in the letters of the language.</extracomment>
        <translation>Zeitformat hh:mm:ss</translation>
    </message>
</context>
<context>
    <name>Key</name>
    <message>
        <source>Backspace</source>
        <extracomment>Key: deletes the last character typed (the wide key at the top left).</extracomment>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>CE</source>
        <extracomment>Key: Clear Entry, clears what is being typed. Most calculators keep &quot;CE&quot;.</extracomment>
        <translation>CE</translation>
    </message>
    <message>
        <source>C</source>
        <extracomment>Key: Clear, clears the whole calculation. Most calculators keep &quot;C&quot;.</extracomment>
        <translation>C</translation>
    </message>
    <message>
        <source>sqrt</source>
        <extracomment>Key: square root, on a key 61 pixels wide.</extracomment>
        <translation>sqrt</translation>
    </message>
    <message>
        <source>1/x</source>
        <extracomment>Key: reciprocal, 1 divided by the entry.</extracomment>
        <translation>1/x</translation>
    </message>
    <message>
        <source>Dif</source>
        <extracomment>Key in Date and Time mode: the difference of two dates or times. At most 4 or 5 letters.</extracomment>
        <translation>Diff</translation>
    </message>
    <message>
        <source>Sub</source>
        <extracomment>Key in Date and Time mode: subtract a period from a date or time (not the number operator). At most 4 or 5 letters.</extracomment>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Key in Date and Time mode: add a period to a date or time. At most 4 or 5 letters.</extracomment>
        <translation>Plus</translation>
    </message>
</context>
<context>
    <name>Paste</name>
    <message>
        <source>o&apos;clock</source>
        <extracomment>A word written after a time of day, as in &quot;15.30 Uhr&quot;: one word, the time left out.</extracomment>
        <translation>Uhr</translation>
    </message>
</context>
<context>
    <name>frmZorvane</name>
    <message>
        <source>Number</source>
        <extracomment>A mode button, about 75 pixels wide.</extracomment>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Modul</source>
        <extracomment>The caption of the frame round the three mode buttons (&quot;Mode&quot;).</extracomment>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>The display&apos;s context menu in Date mode: types today&apos;s date.</extracomment>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>The display&apos;s context menu in Time mode: types the time now.</extracomment>
        <translation>Jetzt</translation>
    </message>
</context>
</TS>
