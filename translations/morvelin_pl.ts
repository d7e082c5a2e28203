<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AccessibleKey</name>
    <message>
        <source>Types the digit %1</source>
        <extracomment>A digit key&apos;s description for screen readers; %1 is the digit.</extracomment>
        <translation>Wpisuje cyfrę %1</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Deletes the last character of the entry</source>
        <translation>Usuwa ostatni znak wpisu</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>Wyczyść wpis</translation>
    </message>
    <message>
        <source>Clears the entry and keeps the calculation</source>
        <translation>Czyści wpis, zachowując obliczenie</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Wyczyść wszystko</translation>
    </message>
    <message>
        <source>Clears the entry and the calculation</source>
        <translation>Czyści wpis i obliczenie</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Separator dziesiętny</translation>
    </message>
    <message>
        <source>Types the decimal point</source>
        <translation>Wpisuje separator dziesiętny</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Adds the next number to this one</source>
        <translation>Dodaje następną liczbę do bieżącej</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Odejmij</translation>
    </message>
    <message>
        <source>Subtracts the next number from this one</source>
        <translation>Odejmuje następną liczbę od bieżącej</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Pomnóż</translation>
    </message>
    <message>
        <source>Multiplies this number by the next</source>
        <translation>Mnoży bieżącą liczbę przez następną</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Podziel</translation>
    </message>
    <message>
        <source>Divides this number by the next</source>
        <translation>Dzieli bieżącą liczbę przez następną</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Równa się</translation>
    </message>
    <message>
        <source>Shows the result; pressed again, repeats the last operation</source>
        <translation>Pokazuje wynik; ponowne naciśnięcie powtarza ostatnie działanie</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Procent</translation>
    </message>
    <message>
        <source>Takes the entry as a percentage of the first number</source>
        <translation>Traktuje wpis jako procent pierwszej liczby</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Zmień znak</translation>
    </message>
    <message>
        <source>Changes the sign of the entry</source>
        <translation>Zmienia znak wpisu</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Odwrotność</translation>
    </message>
    <message>
        <source>Divides 1 by the entry</source>
        <translation>Dzieli 1 przez wpis</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Pierwiastek kwadratowy</translation>
    </message>
    <message>
        <source>Takes the square root of the entry</source>
        <translation>Oblicza pierwiastek kwadratowy z wpisu</translation>
    </message>
    <message>
        <source>Date separator</source>
        <translation>Separator daty</translation>
    </message>
    <message>
        <source>Types the slash between day, month and year</source>
        <translation>Wpisuje ukośnik między dniem, miesiącem i rokiem</translation>
    </message>
    <message>
        <source>Add period</source>
        <translation>Dodaj okres</translation>
    </message>
    <message>
        <source>Adds a period of days/months/years to this date</source>
        <translation>Dodaje okres dni/miesięcy/lat do tej daty</translation>
    </message>
    <message>
        <source>Subtract period</source>
        <translation>Odejmij okres</translation>
    </message>
    <message>
        <source>Subtracts a period of days/months/years from this date</source>
        <translation>Odejmuje okres dni/miesięcy/lat od tej daty</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Różnica</translation>
    </message>
    <message>
        <source>Gives years, months and days between this date and the next</source>
        <translation>Podaje lata, miesiące i dni między tą datą a następną</translation>
    </message>
    <message>
        <source>Shows the resulting date or difference</source>
        <translation>Pokazuje wynikową datę lub różnicę</translation>
    </message>
    <message>
        <source>Has no effect on a date</source>
        <translation>Nie ma wpływu na datę</translation>
    </message>
    <message>
        <source>Time separator</source>
        <translation>Separator czasu</translation>
    </message>
    <message>
        <source>Types the colon between hours, minutes and seconds</source>
        <translation>Wpisuje dwukropek między godzinami, minutami i sekundami</translation>
    </message>
    <message>
        <source>Adds a period of hours:minutes:seconds to this time</source>
        <translation>Dodaje okres godzin:minut:sekund do tej godziny</translation>
    </message>
    <message>
        <source>Subtracts a period of hours:minutes:seconds from this time</source>
        <translation>Odejmuje okres godzin:minut:sekund od tej godziny</translation>
    </message>
    <message>
        <source>Gives hours, minutes and seconds between this time and the next</source>
        <translation>Podaje godziny, minuty i sekundy między tą godziną a następną</translation>
    </message>
    <message>
        <source>Shows the resulting time or difference</source>
        <translation>Pokazuje wynikową godzinę lub różnicę</translation>
    </message>
    <message>
        <source>Has no effect on a time</source>
        <translation>Nie ma wpływu na godzinę</translation>
    </message>
    <message>
        <source>Not available in this mode</source>
        <translation>Niedostępne w tym trybie</translation>
    </message>
</context>
<context>
    <name>AccessibleMode</name>
    <message>
        <source>Result</source>
        <extracomment>The display&apos;s name for screen readers.</extracomment>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Calculates with numbers</source>
        <translation>Obliczenia na liczbach</translation>
    </message>
    <message>
        <source>The number being typed, or the result</source>
        <translation>Wpisywana liczba lub wynik</translation>
    </message>
    <message>
        <source>Calculates with dates, typed dd/mm/yyyy</source>
        <extracomment>The format in the letters of the language; the user still types day/month/year.</extracomment>
        <translation>Obliczenia na datach, wpisywanych jako dd/mm/rrrr</translation>
    </message>
    <message>
        <source>The date or period being typed, or the result</source>
        <translation>Wpisywana data lub okres albo wynik</translation>
    </message>
    <message>
        <source>Calculates with clock times, typed hh:mm:ss</source>
        <translation>Obliczenia na godzinach, wpisywanych jako gg:mm:ss</translation>
    </message>
    <message>
        <source>The time or period being typed, or the result</source>
        <translation>Wpisywana godzina lub okres albo wynik</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help.</source>
        <translation>Wyświetla tę pomoc.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Wyświetla wersję.</translation>
    </message>
    <message>
        <source>A calculator for numbers, calendar dates and clock times.</source>
        <translation>Kalkulator do obliczeń na liczbach, datach kalendarzowych i godzinach zegarowych.</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options apply as well, among them -platform NAME, -style STYLE
and -qwindowtitle TITLE; see morvelin(1).</source>
        <translation>Obowiązują również standardowe opcje Qt, m.in. -platform NAZWA, -style STYL
i -qwindowtitle TYTUŁ; zob. morvelin(1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <extracomment>%1 is the program&apos;s name: &quot;Try &apos;morvelin --help&apos;.&quot;</extracomment>
        <translation>Spróbuj „%1 --help”.</translation>
    </message>
    <message>
        <source>%1: no display: neither DISPLAY nor WAYLAND_DISPLAY is set. Run it in a graphical session, or with -platform offscreen to run it without a screen.</source>
        <extracomment>%1 is the program&apos;s name; DISPLAY, WAYLAND_DISPLAY and -platform offscreen stay as they are.</extracomment>
        <translation>%1: brak ekranu: nie ustawiono ani DISPLAY, ani WAYLAND_DISPLAY. Uruchom program w sesji graficznej lub z opcją -platform offscreen, aby działał bez ekranu.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>ERROR</source>
        <extracomment>The display after an arithmetic error, such as a division by zero. At most about 20 letters.</extracomment>
        <translation>BŁĄD</translation>
    </message>
    <message>
        <source>Error! Wrong Date format</source>
        <extracomment>The display after a date that is not one. At most about 28 letters.</extracomment>
        <translation>Błąd! Niepoprawny format daty</translation>
    </message>
    <message>
        <source>Error! Wrong Time format</source>
        <extracomment>The display after a time that is not one. At most about 28 letters.</extracomment>
        <translation>Błąd! Niepoprawny format czasu</translation>
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
            <numerusform>%n rok</numerusform>
            <numerusform>%n lata</numerusform>
            <numerusform>%n lat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Months</source>
        <translation>
            <numerusform>%n miesiąc</numerusform>
            <numerusform>%n miesiące</numerusform>
            <numerusform>%n miesięcy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Days</source>
        <translation>
            <numerusform>%n dzień</numerusform>
            <numerusform>%n dni</numerusform>
            <numerusform>%n dni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Hours</source>
        <translation>
            <numerusform>%n godzina</numerusform>
            <numerusform>%n godziny</numerusform>
            <numerusform>%n godzin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Minutes</source>
        <translation>
            <numerusform>%n minuta</numerusform>
            <numerusform>%n minuty</numerusform>
            <numerusform>%n minut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Seconds</source>
        <translation>
            <numerusform>%n sekunda</numerusform>
            <numerusform>%n sekundy</numerusform>
            <numerusform>%n sekund</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FactsText</name>
    <message numerus="yes">
        <source>%Ln week(s)</source>
        <translation>
            <numerusform>%Ln tydzień</numerusform>
            <numerusform>%Ln tygodnie</numerusform>
            <numerusform>%Ln tygodni</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two counts: &quot;595 weeks and 3 days&quot;, &quot;1 year and 3 days ago&quot;.</extracomment>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>Two long dates, as the locale writes them: &quot;Thursday, 11 May 2000 to Sunday, 9 October 2011&quot;.</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s)</source>
        <translation>
            <numerusform>%Ln dzień</numerusform>
            <numerusform>%Ln dni</numerusform>
            <numerusform>%Ln dni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln weekday(s)</source>
        <extracomment>Mondays to Fridays.</extracomment>
        <translation>
            <numerusform>%Ln dzień roboczy</numerusform>
            <numerusform>%Ln dni robocze</numerusform>
            <numerusform>%Ln dni roboczych</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 hours</source>
        <extracomment>%1 is a decimal number of hours, &quot;8.084 hours&quot;.</extracomment>
        <translation>%1 godz.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln second(s)</source>
        <translation>
            <numerusform>%Ln sekunda</numerusform>
            <numerusform>%Ln sekundy</numerusform>
            <numerusform>%Ln sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>next day</source>
        <extracomment>A clock time moved past midnight into the next day.</extracomment>
        <translation>następnego dnia</translation>
    </message>
    <message>
        <source>previous day</source>
        <translation>poprzedniego dnia</translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) later</source>
        <translation>
            <numerusform>%Ln dzień później</numerusform>
            <numerusform>%Ln dni później</numerusform>
            <numerusform>%Ln dni później</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) earlier</source>
        <translation>
            <numerusform>%Ln dzień wcześniej</numerusform>
            <numerusform>%Ln dni wcześniej</numerusform>
            <numerusform>%Ln dni wcześniej</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln month(s)</source>
        <translation>
            <numerusform>%Ln miesiąc</numerusform>
            <numerusform>%Ln miesiące</numerusform>
            <numerusform>%Ln miesięcy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln year(s)</source>
        <translation>
            <numerusform>%Ln rok</numerusform>
            <numerusform>%Ln lata</numerusform>
            <numerusform>%Ln lat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hour(s)</source>
        <translation>
            <numerusform>%Ln godzina</numerusform>
            <numerusform>%Ln godziny</numerusform>
            <numerusform>%Ln godzin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln minute(s)</source>
        <translation>
            <numerusform>%Ln minuta</numerusform>
            <numerusform>%Ln minuty</numerusform>
            <numerusform>%Ln minut</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <extracomment>The three counts of a period with their units: &quot;2 hours, 0 minutes and 30 seconds&quot;.</extracomment>
        <translation>%1, %2 i %3</translation>
    </message>
    <message>
        <source>%1 added</source>
        <extracomment>The period Add moved the date or time by: &quot;1 day, 0 months and 3 years added&quot;.</extracomment>
        <translation>dodano: %1</translation>
    </message>
    <message>
        <source>%1 subtracted</source>
        <extracomment>The period Sub moved the date or time back by: &quot;1 day, 0 months and 3 years subtracted&quot;.</extracomment>
        <translation>odjęto: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln year(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln rok</numerusform>
            <numerusform>%Ln lata</numerusform>
            <numerusform>%Ln lat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln month(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln miesiąc</numerusform>
            <numerusform>%Ln miesiące</numerusform>
            <numerusform>%Ln miesięcy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln dzień</numerusform>
            <numerusform>%Ln dni</numerusform>
            <numerusform>%Ln dni</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <extracomment>A line of a date&apos;s tooltip: the date on show is today&apos;s. &quot;tomorrow&quot; and &quot;yesterday&quot; likewise.</extracomment>
        <translation>dzisiaj</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>jutro</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>wczoraj</translation>
    </message>
    <message numerus="yes">
        <source>in %Ln day(s)</source>
        <translation>
            <numerusform>za %Ln dzień</numerusform>
            <numerusform>za %Ln dni</numerusform>
            <numerusform>za %Ln dni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) ago</source>
        <translation>
            <numerusform>%Ln dzień temu</numerusform>
            <numerusform>%Ln dni temu</numerusform>
            <numerusform>%Ln dni temu</numerusform>
        </translation>
    </message>
    <message>
        <source>in %1</source>
        <extracomment>A date ahead of today by years, months and days: &quot;in 1 year, 2 months and 3 days&quot;. %1 is made of the counts marked &quot;from today&quot;, which can take the case this phrase needs.</extracomment>
        <translation>za %1</translation>
    </message>
    <message>
        <source>%1 ago</source>
        <extracomment>A date before today by years, months and days: &quot;26 years, 6 months and 26 days ago&quot;.</extracomment>
        <translation>%1 temu</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A date&apos;s distance from today in days, then in years, months and days: &quot;9,706 days ago (26 years, 6 months and 26 days ago)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>week %1, day %2 of %3</source>
        <extracomment>The ISO 8601 week of a date and its day of the year: &quot;week 19, day 132 of 366&quot;.</extracomment>
        <translation>tydzień %1, dzień %2 z %3</translation>
    </message>
    <message>
        <source>week %1 of %2, day %3 of %4</source>
        <extracomment>As &quot;week %1, day %2 of %3&quot;, for a week that belongs to the year before or after the date&apos;s: &quot;week 1 of 2009, day 364 of 366&quot; for 29 December 2008.</extracomment>
        <translation>tydzień %1 roku %2, dzień %3 z %4</translation>
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
        <translation>Format daty dd/mm/rrrr</translation>
    </message>
    <message>
        <source>DIF</source>
        <extracomment>A heading: the key caption &quot;Dif&quot; in upper case.</extracomment>
        <translation>RÓŻN.</translation>
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
        <translation>Format czasu gg:mm:ss</translation>
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
        <translation>Różn.</translation>
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
        <translation>h</translation>
    </message>
</context>
<context>
    <name>frmZorvane</name>
    <message>
        <source>Number</source>
        <extracomment>A mode button, about 75 pixels wide.</extracomment>
        <translation>Liczba</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Modul</source>
        <extracomment>The caption of the frame round the three mode buttons (&quot;Mode&quot;).</extracomment>
        <translation>Tryb</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>The display&apos;s context menu in Date mode: types today&apos;s date.</extracomment>
        <translation>Dzisiaj</translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>The display&apos;s context menu in Time mode: types the time now.</extracomment>
        <translation>Teraz</translation>
    </message>
</context>
</TS>
