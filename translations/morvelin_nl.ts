<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AccessibleKey</name>
    <message>
        <source>Types the digit %1</source>
        <extracomment>A digit key&apos;s description for screen readers; %1 is the digit.</extracomment>
        <translation>Voert het cijfer %1 in</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Deletes the last character of the entry</source>
        <translation>Wist het laatste teken van de invoer</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>Invoer wissen</translation>
    </message>
    <message>
        <source>Clears the entry and keeps the calculation</source>
        <translation>Wist de invoer en behoudt de berekening</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Alles wissen</translation>
    </message>
    <message>
        <source>Clears the entry and the calculation</source>
        <translation>Wist de invoer en de berekening</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Decimaalteken</translation>
    </message>
    <message>
        <source>Types the decimal point</source>
        <translation>Voert het decimaalteken in</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Optellen</translation>
    </message>
    <message>
        <source>Adds the next number to this one</source>
        <translation>Telt het volgende getal bij dit getal op</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Aftrekken</translation>
    </message>
    <message>
        <source>Subtracts the next number from this one</source>
        <translation>Trekt het volgende getal van dit getal af</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Vermenigvuldigen</translation>
    </message>
    <message>
        <source>Multiplies this number by the next</source>
        <translation>Vermenigvuldigt dit getal met het volgende</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Delen</translation>
    </message>
    <message>
        <source>Divides this number by the next</source>
        <translation>Deelt dit getal door het volgende</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Is gelijk aan</translation>
    </message>
    <message>
        <source>Shows the result; pressed again, repeats the last operation</source>
        <translation>Toont het resultaat; nogmaals indrukken herhaalt de laatste bewerking</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Procent</translation>
    </message>
    <message>
        <source>Takes the entry as a percentage of the first number</source>
        <translation>Behandelt de invoer als percentage van het eerste getal</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Teken wisselen</translation>
    </message>
    <message>
        <source>Changes the sign of the entry</source>
        <translation>Wisselt het teken van de invoer</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Omgekeerde</translation>
    </message>
    <message>
        <source>Divides 1 by the entry</source>
        <translation>Deelt 1 door de invoer</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Vierkantswortel</translation>
    </message>
    <message>
        <source>Takes the square root of the entry</source>
        <translation>Berekent de vierkantswortel van de invoer</translation>
    </message>
    <message>
        <source>Date separator</source>
        <translation>Datumscheidingsteken</translation>
    </message>
    <message>
        <source>Types the slash between day, month and year</source>
        <translation>Voert de schuine streep tussen dag, maand en jaar in</translation>
    </message>
    <message>
        <source>Add period</source>
        <translation>Periode optellen</translation>
    </message>
    <message>
        <source>Adds a period of days/months/years to this date</source>
        <translation>Telt een periode van dagen/maanden/jaren bij deze datum op</translation>
    </message>
    <message>
        <source>Subtract period</source>
        <translation>Periode aftrekken</translation>
    </message>
    <message>
        <source>Subtracts a period of days/months/years from this date</source>
        <translation>Trekt een periode van dagen/maanden/jaren van deze datum af</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Verschil</translation>
    </message>
    <message>
        <source>Gives years, months and days between this date and the next</source>
        <translation>Geeft de jaren, maanden en dagen tussen deze datum en de volgende</translation>
    </message>
    <message>
        <source>Shows the resulting date or difference</source>
        <translation>Toont de resulterende datum of het verschil</translation>
    </message>
    <message>
        <source>Has no effect on a date</source>
        <translation>Heeft geen effect op een datum</translation>
    </message>
    <message>
        <source>Time separator</source>
        <translation>Tijdscheidingsteken</translation>
    </message>
    <message>
        <source>Types the colon between hours, minutes and seconds</source>
        <translation>Voert de dubbele punt tussen uren, minuten en seconden in</translation>
    </message>
    <message>
        <source>Adds a period of hours:minutes:seconds to this time</source>
        <translation>Telt een periode van uren:minuten:seconden bij deze tijd op</translation>
    </message>
    <message>
        <source>Subtracts a period of hours:minutes:seconds from this time</source>
        <translation>Trekt een periode van uren:minuten:seconden van deze tijd af</translation>
    </message>
    <message>
        <source>Gives hours, minutes and seconds between this time and the next</source>
        <translation>Geeft de uren, minuten en seconden tussen deze tijd en de volgende</translation>
    </message>
    <message>
        <source>Shows the resulting time or difference</source>
        <translation>Toont de resulterende tijd of het verschil</translation>
    </message>
    <message>
        <source>Has no effect on a time</source>
        <translation>Heeft geen effect op een tijd</translation>
    </message>
    <message>
        <source>Not available in this mode</source>
        <translation>Niet beschikbaar in deze modus</translation>
    </message>
</context>
<context>
    <name>AccessibleMode</name>
    <message>
        <source>Result</source>
        <extracomment>The display&apos;s name for screen readers.</extracomment>
        <translation>Resultaat</translation>
    </message>
    <message>
        <source>Calculates with numbers</source>
        <translation>Rekent met getallen</translation>
    </message>
    <message>
        <source>The number being typed, or the result</source>
        <translation>Het getal dat wordt ingevoerd, of het resultaat</translation>
    </message>
    <message>
        <source>Calculates with dates, typed dd/mm/yyyy</source>
        <extracomment>The format in the letters of the language; the user still types day/month/year.</extracomment>
        <translation>Rekent met datums, ingevoerd als dd/mm/jjjj</translation>
    </message>
    <message>
        <source>The date or period being typed, or the result</source>
        <translation>De datum of periode die wordt ingevoerd, of het resultaat</translation>
    </message>
    <message>
        <source>Calculates with clock times, typed hh:mm:ss</source>
        <translation>Rekent met kloktijden, ingevoerd als uu:mm:ss</translation>
    </message>
    <message>
        <source>The time or period being typed, or the result</source>
        <translation>De tijd of periode die wordt ingevoerd, of het resultaat</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help.</source>
        <translation>Deze hulptekst tonen.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>De versie tonen.</translation>
    </message>
    <message>
        <source>A calculator for numbers, calendar dates and clock times.</source>
        <translation>Een rekenmachine voor getallen, kalenderdatums en kloktijden.</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options apply as well, among them -platform NAME, -style STYLE
and -qwindowtitle TITLE; see morvelin(1).</source>
        <translation>Ook de standaardopties van Qt gelden, waaronder -platform NAAM, -style STIJL
en -qwindowtitle TITEL; zie morvelin(1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Onverwacht argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <extracomment>%1 is the program&apos;s name: &quot;Try &apos;morvelin --help&apos;.&quot;</extracomment>
        <translation>Probeer &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>%1: no display: neither DISPLAY nor WAYLAND_DISPLAY is set. Run it in a graphical session, or with -platform offscreen to run it without a screen.</source>
        <extracomment>%1 is the program&apos;s name; DISPLAY, WAYLAND_DISPLAY and -platform offscreen stay as they are.</extracomment>
        <translation>%1: geen beeldscherm: DISPLAY en WAYLAND_DISPLAY zijn geen van beide ingesteld. Start het programma in een grafische sessie, of met -platform offscreen om het zonder scherm uit te voeren.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>ERROR</source>
        <extracomment>The display after an arithmetic error, such as a division by zero. At most about 20 letters.</extracomment>
        <translation>FOUT</translation>
    </message>
    <message>
        <source>Error! Wrong Date format</source>
        <extracomment>The display after a date that is not one. At most about 28 letters.</extracomment>
        <translation>Fout! Ongeldige datumnotatie</translation>
    </message>
    <message>
        <source>Error! Wrong Time format</source>
        <extracomment>The display after a time that is not one. At most about 28 letters.</extracomment>
        <translation>Fout! Ongeldige tijdnotatie</translation>
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
            <numerusform>%n jaar</numerusform>
            <numerusform>%n jaar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Months</source>
        <translation>
            <numerusform>%n maand</numerusform>
            <numerusform>%n maanden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Days</source>
        <translation>
            <numerusform>%n dag</numerusform>
            <numerusform>%n dagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Hours</source>
        <translation>
            <numerusform>%n uur</numerusform>
            <numerusform>%n uur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Minutes</source>
        <translation>
            <numerusform>%n minuut</numerusform>
            <numerusform>%n minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n seconden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FactsText</name>
    <message numerus="yes">
        <source>%Ln week(s)</source>
        <translation>
            <numerusform>%Ln week</numerusform>
            <numerusform>%Ln weken</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two counts: &quot;595 weeks and 3 days&quot;, &quot;1 year and 3 days ago&quot;.</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>Two long dates, as the locale writes them: &quot;Thursday, 11 May 2000 to Sunday, 9 October 2011&quot;.</extracomment>
        <translation>%1 tot %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s)</source>
        <translation>
            <numerusform>%Ln dag</numerusform>
            <numerusform>%Ln dagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln weekday(s)</source>
        <extracomment>Mondays to Fridays.</extracomment>
        <translation>
            <numerusform>%Ln weekdag</numerusform>
            <numerusform>%Ln weekdagen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 hours</source>
        <extracomment>%1 is a decimal number of hours, &quot;8.084 hours&quot;.</extracomment>
        <translation>%1 uur</translation>
    </message>
    <message numerus="yes">
        <source>%Ln second(s)</source>
        <translation>
            <numerusform>%Ln seconde</numerusform>
            <numerusform>%Ln seconden</numerusform>
        </translation>
    </message>
    <message>
        <source>next day</source>
        <extracomment>A clock time moved past midnight into the next day.</extracomment>
        <translation>de volgende dag</translation>
    </message>
    <message>
        <source>previous day</source>
        <translation>de vorige dag</translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) later</source>
        <translation>
            <numerusform>%Ln dag later</numerusform>
            <numerusform>%Ln dagen later</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) earlier</source>
        <translation>
            <numerusform>%Ln dag eerder</numerusform>
            <numerusform>%Ln dagen eerder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln month(s)</source>
        <translation>
            <numerusform>%Ln maand</numerusform>
            <numerusform>%Ln maanden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln year(s)</source>
        <translation>
            <numerusform>%Ln jaar</numerusform>
            <numerusform>%Ln jaar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hour(s)</source>
        <translation>
            <numerusform>%Ln uur</numerusform>
            <numerusform>%Ln uur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln minute(s)</source>
        <translation>
            <numerusform>%Ln minuut</numerusform>
            <numerusform>%Ln minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <extracomment>The three counts of a period with their units: &quot;2 hours, 0 minutes and 30 seconds&quot;.</extracomment>
        <translation>%1, %2 en %3</translation>
    </message>
    <message>
        <source>%1 added</source>
        <extracomment>The period Add moved the date or time by: &quot;1 day, 0 months and 3 years added&quot;.</extracomment>
        <translation>%1 opgeteld</translation>
    </message>
    <message>
        <source>%1 subtracted</source>
        <extracomment>The period Sub moved the date or time back by: &quot;1 day, 0 months and 3 years subtracted&quot;.</extracomment>
        <translation>%1 afgetrokken</translation>
    </message>
    <message numerus="yes">
        <source>%Ln year(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln jaar</numerusform>
            <numerusform>%Ln jaar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln month(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln maand</numerusform>
            <numerusform>%Ln maanden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln dag</numerusform>
            <numerusform>%Ln dagen</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <extracomment>A line of a date&apos;s tooltip: the date on show is today&apos;s. &quot;tomorrow&quot; and &quot;yesterday&quot; likewise.</extracomment>
        <translation>vandaag</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>morgen</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>gisteren</translation>
    </message>
    <message numerus="yes">
        <source>in %Ln day(s)</source>
        <translation>
            <numerusform>over %Ln dag</numerusform>
            <numerusform>over %Ln dagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) ago</source>
        <translation>
            <numerusform>%Ln dag geleden</numerusform>
            <numerusform>%Ln dagen geleden</numerusform>
        </translation>
    </message>
    <message>
        <source>in %1</source>
        <extracomment>A date ahead of today by years, months and days: &quot;in 1 year, 2 months and 3 days&quot;. %1 is made of the counts marked &quot;from today&quot;, which can take the case this phrase needs.</extracomment>
        <translation>over %1</translation>
    </message>
    <message>
        <source>%1 ago</source>
        <extracomment>A date before today by years, months and days: &quot;26 years, 6 months and 26 days ago&quot;.</extracomment>
        <translation>%1 geleden</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A date&apos;s distance from today in days, then in years, months and days: &quot;9,706 days ago (26 years, 6 months and 26 days ago)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>week %1, day %2 of %3</source>
        <extracomment>The ISO 8601 week of a date and its day of the year: &quot;week 19, day 132 of 366&quot;.</extracomment>
        <translation>week %1, dag %2 van %3</translation>
    </message>
    <message>
        <source>week %1 of %2, day %3 of %4</source>
        <extracomment>As &quot;week %1, day %2 of %3&quot;, for a week that belongs to the year before or after the date&apos;s: &quot;week 1 of 2009, day 364 of 366&quot; for 29 December 2008.</extracomment>
        <translation>week %1 van %2, dag %3 van %4</translation>
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
        <translation>Datumnotatie dd/mm/jjjj</translation>
    </message>
    <message>
        <source>DIF</source>
        <extracomment>A heading: the key caption &quot;Dif&quot; in upper case.</extracomment>
        <translation>VERSCHIL</translation>
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
        <translation>Tijdnotatie uu:mm:ss</translation>
    </message>
</context>
<context>
    <name>Key</name>
    <message>
        <source>Backspace</source>
        <extracomment>Key: deletes the last character typed (the wide key at the top left).</extracomment>
        <translation>Backspace</translation>
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
        <translation>Verschil</translation>
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
        <translation>uur</translation>
    </message>
</context>
<context>
    <name>frmZorvane</name>
    <message>
        <source>Number</source>
        <extracomment>A mode button, about 75 pixels wide.</extracomment>
        <translation>Getal</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Modul</source>
        <extracomment>The caption of the frame round the three mode buttons (&quot;Mode&quot;).</extracomment>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>The display&apos;s context menu in Date mode: types today&apos;s date.</extracomment>
        <translation>Vandaag</translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>The display&apos;s context menu in Time mode: types the time now.</extracomment>
        <translation>Nu</translation>
    </message>
</context>
</TS>
