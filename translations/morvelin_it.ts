<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AccessibleKey</name>
    <message>
        <source>Types the digit %1</source>
        <extracomment>A digit key&apos;s description for screen readers; %1 is the digit.</extracomment>
        <translation>Digita la cifra %1</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Deletes the last character of the entry</source>
        <translation>Cancella l&apos;ultimo carattere inserito</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>Cancella voce</translation>
    </message>
    <message>
        <source>Clears the entry and keeps the calculation</source>
        <translation>Cancella il valore inserito e mantiene il calcolo</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Cancella tutto</translation>
    </message>
    <message>
        <source>Clears the entry and the calculation</source>
        <translation>Cancella il valore inserito e il calcolo</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Separatore decimale</translation>
    </message>
    <message>
        <source>Types the decimal point</source>
        <translation>Digita il separatore decimale</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Somma</translation>
    </message>
    <message>
        <source>Adds the next number to this one</source>
        <translation>Somma il numero successivo a questo</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Sottrai</translation>
    </message>
    <message>
        <source>Subtracts the next number from this one</source>
        <translation>Sottrae il numero successivo da questo</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Moltiplica</translation>
    </message>
    <message>
        <source>Multiplies this number by the next</source>
        <translation>Moltiplica questo numero per il successivo</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividi</translation>
    </message>
    <message>
        <source>Divides this number by the next</source>
        <translation>Divide questo numero per il successivo</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Uguale</translation>
    </message>
    <message>
        <source>Shows the result; pressed again, repeats the last operation</source>
        <translation>Mostra il risultato; se lo si preme di nuovo, ripete l&apos;ultima operazione</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Percentuale</translation>
    </message>
    <message>
        <source>Takes the entry as a percentage of the first number</source>
        <translation>Considera il valore inserito come percentuale del primo numero</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Cambia segno</translation>
    </message>
    <message>
        <source>Changes the sign of the entry</source>
        <translation>Cambia il segno del valore inserito</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Reciproco</translation>
    </message>
    <message>
        <source>Divides 1 by the entry</source>
        <translation>Divide 1 per il valore inserito</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Radice quadrata</translation>
    </message>
    <message>
        <source>Takes the square root of the entry</source>
        <translation>Calcola la radice quadrata del valore inserito</translation>
    </message>
    <message>
        <source>Date separator</source>
        <translation>Separatore della data</translation>
    </message>
    <message>
        <source>Types the slash between day, month and year</source>
        <translation>Digita la barra tra giorno, mese e anno</translation>
    </message>
    <message>
        <source>Add period</source>
        <translation>Aggiungi periodo</translation>
    </message>
    <message>
        <source>Adds a period of days/months/years to this date</source>
        <translation>Aggiunge un periodo di giorni/mesi/anni a questa data</translation>
    </message>
    <message>
        <source>Subtract period</source>
        <translation>Sottrai periodo</translation>
    </message>
    <message>
        <source>Subtracts a period of days/months/years from this date</source>
        <translation>Sottrae un periodo di giorni/mesi/anni da questa data</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenza</translation>
    </message>
    <message>
        <source>Gives years, months and days between this date and the next</source>
        <translation>Calcola anni, mesi e giorni tra questa data e la successiva</translation>
    </message>
    <message>
        <source>Shows the resulting date or difference</source>
        <translation>Mostra la data risultante o la differenza</translation>
    </message>
    <message>
        <source>Has no effect on a date</source>
        <translation>Non ha effetto su una data</translation>
    </message>
    <message>
        <source>Time separator</source>
        <translation>Separatore dell&apos;orario</translation>
    </message>
    <message>
        <source>Types the colon between hours, minutes and seconds</source>
        <translation>Digita i due punti tra ore, minuti e secondi</translation>
    </message>
    <message>
        <source>Adds a period of hours:minutes:seconds to this time</source>
        <translation>Aggiunge un periodo di ore:minuti:secondi a questo orario</translation>
    </message>
    <message>
        <source>Subtracts a period of hours:minutes:seconds from this time</source>
        <translation>Sottrae un periodo di ore:minuti:secondi da questo orario</translation>
    </message>
    <message>
        <source>Gives hours, minutes and seconds between this time and the next</source>
        <translation>Calcola ore, minuti e secondi tra questo orario e il successivo</translation>
    </message>
    <message>
        <source>Shows the resulting time or difference</source>
        <translation>Mostra l&apos;orario risultante o la differenza</translation>
    </message>
    <message>
        <source>Has no effect on a time</source>
        <translation>Non ha effetto su un orario</translation>
    </message>
    <message>
        <source>Not available in this mode</source>
        <translation>Non disponibile in questa modalità</translation>
    </message>
</context>
<context>
    <name>AccessibleMode</name>
    <message>
        <source>Result</source>
        <extracomment>The display&apos;s name for screen readers.</extracomment>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Calculates with numbers</source>
        <translation>Calcola con i numeri</translation>
    </message>
    <message>
        <source>The number being typed, or the result</source>
        <translation>Il numero che si sta inserendo, o il risultato</translation>
    </message>
    <message>
        <source>Calculates with dates, typed dd/mm/yyyy</source>
        <extracomment>The format in the letters of the language; the user still types day/month/year.</extracomment>
        <translation>Calcola con le date, inserite come gg/mm/aaaa</translation>
    </message>
    <message>
        <source>The date or period being typed, or the result</source>
        <translation>La data o il periodo che si sta inserendo, o il risultato</translation>
    </message>
    <message>
        <source>Calculates with clock times, typed hh:mm:ss</source>
        <translation>Calcola con gli orari, inseriti come hh:mm:ss</translation>
    </message>
    <message>
        <source>The time or period being typed, or the result</source>
        <translation>L&apos;orario o il periodo che si sta inserendo, o il risultato</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help.</source>
        <translation>Mostra questo aiuto.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Mostra la versione.</translation>
    </message>
    <message>
        <source>A calculator for numbers, calendar dates and clock times.</source>
        <translation>Una calcolatrice per numeri, date del calendario e orari.</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options apply as well, among them -platform NAME, -style STYLE
and -qwindowtitle TITLE; see morvelin(1).</source>
        <translation>Valgono anche le opzioni standard di Qt, tra cui -platform NOME, -style STILE
e -qwindowtitle TITOLO; vedere morvelin(1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso «%1».</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <extracomment>%1 is the program&apos;s name: &quot;Try &apos;morvelin --help&apos;.&quot;</extracomment>
        <translation>Provare «%1 --help».</translation>
    </message>
    <message>
        <source>%1: no display: neither DISPLAY nor WAYLAND_DISPLAY is set. Run it in a graphical session, or with -platform offscreen to run it without a screen.</source>
        <extracomment>%1 is the program&apos;s name; DISPLAY, WAYLAND_DISPLAY and -platform offscreen stay as they are.</extracomment>
        <translation>%1: nessun display: né DISPLAY né WAYLAND_DISPLAY sono impostati. Eseguirlo in una sessione grafica, o con -platform offscreen per eseguirlo senza schermo.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>ERROR</source>
        <extracomment>The display after an arithmetic error, such as a division by zero. At most about 20 letters.</extracomment>
        <translation>ERRORE</translation>
    </message>
    <message>
        <source>Error! Wrong Date format</source>
        <extracomment>The display after a date that is not one. At most about 28 letters.</extracomment>
        <translation>Errore! Formato data errato</translation>
    </message>
    <message>
        <source>Error! Wrong Time format</source>
        <extracomment>The display after a time that is not one. At most about 28 letters.</extracomment>
        <translation>Errore! Formato ora errato</translation>
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
            <numerusform>%n anno</numerusform>
            <numerusform>%n anni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Months</source>
        <translation>
            <numerusform>%n mese</numerusform>
            <numerusform>%n mesi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Days</source>
        <translation>
            <numerusform>%n giorno</numerusform>
            <numerusform>%n giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Hours</source>
        <translation>
            <numerusform>%n ora</numerusform>
            <numerusform>%n ore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Seconds</source>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FactsText</name>
    <message numerus="yes">
        <source>%Ln week(s)</source>
        <translation>
            <numerusform>%Ln settimana</numerusform>
            <numerusform>%Ln settimane</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two counts: &quot;595 weeks and 3 days&quot;, &quot;1 year and 3 days ago&quot;.</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>Two long dates, as the locale writes them: &quot;Thursday, 11 May 2000 to Sunday, 9 October 2011&quot;.</extracomment>
        <translation>da %1 a %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s)</source>
        <translation>
            <numerusform>%Ln giorno</numerusform>
            <numerusform>%Ln giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln weekday(s)</source>
        <extracomment>Mondays to Fridays.</extracomment>
        <translation>
            <numerusform>%Ln giorno lavorativo</numerusform>
            <numerusform>%Ln giorni lavorativi</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 hours</source>
        <extracomment>%1 is a decimal number of hours, &quot;8.084 hours&quot;.</extracomment>
        <translation>%1 ore</translation>
    </message>
    <message numerus="yes">
        <source>%Ln second(s)</source>
        <translation>
            <numerusform>%Ln secondo</numerusform>
            <numerusform>%Ln secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>next day</source>
        <extracomment>A clock time moved past midnight into the next day.</extracomment>
        <translation>il giorno dopo</translation>
    </message>
    <message>
        <source>previous day</source>
        <translation>il giorno prima</translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) later</source>
        <translation>
            <numerusform>%Ln giorno dopo</numerusform>
            <numerusform>%Ln giorni dopo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) earlier</source>
        <translation>
            <numerusform>%Ln giorno prima</numerusform>
            <numerusform>%Ln giorni prima</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln month(s)</source>
        <translation>
            <numerusform>%Ln mese</numerusform>
            <numerusform>%Ln mesi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln year(s)</source>
        <translation>
            <numerusform>%Ln anno</numerusform>
            <numerusform>%Ln anni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hour(s)</source>
        <translation>
            <numerusform>%Ln ora</numerusform>
            <numerusform>%Ln ore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln minute(s)</source>
        <translation>
            <numerusform>%Ln minuto</numerusform>
            <numerusform>%Ln minuti</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <extracomment>The three counts of a period with their units: &quot;2 hours, 0 minutes and 30 seconds&quot;.</extracomment>
        <translation>%1, %2 e %3</translation>
    </message>
    <message>
        <source>%1 added</source>
        <extracomment>The period Add moved the date or time by: &quot;1 day, 0 months and 3 years added&quot;.</extracomment>
        <translation>aggiunta di %1</translation>
    </message>
    <message>
        <source>%1 subtracted</source>
        <extracomment>The period Sub moved the date or time back by: &quot;1 day, 0 months and 3 years subtracted&quot;.</extracomment>
        <translation>sottrazione di %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln year(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln anno</numerusform>
            <numerusform>%Ln anni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln month(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln mese</numerusform>
            <numerusform>%Ln mesi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln giorno</numerusform>
            <numerusform>%Ln giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <extracomment>A line of a date&apos;s tooltip: the date on show is today&apos;s. &quot;tomorrow&quot; and &quot;yesterday&quot; likewise.</extracomment>
        <translation>oggi</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>domani</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>ieri</translation>
    </message>
    <message numerus="yes">
        <source>in %Ln day(s)</source>
        <translation>
            <numerusform>tra %Ln giorno</numerusform>
            <numerusform>tra %Ln giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) ago</source>
        <translation>
            <numerusform>%Ln giorno fa</numerusform>
            <numerusform>%Ln giorni fa</numerusform>
        </translation>
    </message>
    <message>
        <source>in %1</source>
        <extracomment>A date ahead of today by years, months and days: &quot;in 1 year, 2 months and 3 days&quot;. %1 is made of the counts marked &quot;from today&quot;, which can take the case this phrase needs.</extracomment>
        <translation>tra %1</translation>
    </message>
    <message>
        <source>%1 ago</source>
        <extracomment>A date before today by years, months and days: &quot;26 years, 6 months and 26 days ago&quot;.</extracomment>
        <translation>%1 fa</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A date&apos;s distance from today in days, then in years, months and days: &quot;9,706 days ago (26 years, 6 months and 26 days ago)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>week %1, day %2 of %3</source>
        <extracomment>The ISO 8601 week of a date and its day of the year: &quot;week 19, day 132 of 366&quot;.</extracomment>
        <translation>settimana %1, giorno %2 di %3</translation>
    </message>
    <message>
        <source>week %1 of %2, day %3 of %4</source>
        <extracomment>As &quot;week %1, day %2 of %3&quot;, for a week that belongs to the year before or after the date&apos;s: &quot;week 1 of 2009, day 364 of 366&quot; for 29 December 2008.</extracomment>
        <translation>settimana %1 del %2, giorno %3 di %4</translation>
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
        <translation>Formato data gg/mm/aaaa</translation>
    </message>
    <message>
        <source>DIF</source>
        <extracomment>A heading: the key caption &quot;Dif&quot; in upper case.</extracomment>
        <translation>DIFF</translation>
    </message>
    <message>
        <source>SUB</source>
        <extracomment>A heading: the key caption &quot;Sub&quot; in upper case.</extracomment>
        <translation>MENO</translation>
    </message>
    <message>
        <source>ADD</source>
        <extracomment>A heading: the key caption &quot;Add&quot; in upper case.</extracomment>
        <translation>PIÙ</translation>
    </message>
    <message>
        <source>Time Format hh:mm:ss</source>
        <extracomment>The first line of the Time help: the entry format, in the letters of the language.</extracomment>
        <translation>Formato ora hh:mm:ss</translation>
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
        <translation>Diff</translation>
    </message>
    <message>
        <source>Sub</source>
        <extracomment>Key in Date and Time mode: subtract a period from a date or time (not the number operator). At most 4 or 5 letters.</extracomment>
        <translation>Meno</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Key in Date and Time mode: add a period to a date or time. At most 4 or 5 letters.</extracomment>
        <translation>Più</translation>
    </message>
</context>
<context>
    <name>Paste</name>
    <message>
        <source>o&apos;clock</source>
        <extracomment>A word written after a time of day, as in &quot;15.30 Uhr&quot;: one word, the time left out.</extracomment>
        <translation>h</translation>
    </message>
</context>
<context>
    <name>frmZorvane</name>
    <message>
        <source>Number</source>
        <extracomment>A mode button, about 75 pixels wide.</extracomment>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Modul</source>
        <extracomment>The caption of the frame round the three mode buttons (&quot;Mode&quot;).</extracomment>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>The display&apos;s context menu in Date mode: types today&apos;s date.</extracomment>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>The display&apos;s context menu in Time mode: types the time now.</extracomment>
        <translation>Adesso</translation>
    </message>
</context>
</TS>
