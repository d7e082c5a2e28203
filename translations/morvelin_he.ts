<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>AccessibleKey</name>
    <message>
        <source>Types the digit %1</source>
        <extracomment>A digit key&apos;s description for screen readers; %1 is the digit.</extracomment>
        <translation>מקליד את הספרה %1</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>מחיקה לאחור</translation>
    </message>
    <message>
        <source>Deletes the last character of the entry</source>
        <translation>מוחק את התו האחרון בקלט</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>ניקוי הקלט</translation>
    </message>
    <message>
        <source>Clears the entry and keeps the calculation</source>
        <translation>מנקה את הקלט ושומר על החישוב</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>ניקוי הכול</translation>
    </message>
    <message>
        <source>Clears the entry and the calculation</source>
        <translation>מנקה את הקלט ואת החישוב</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>נקודה עשרונית</translation>
    </message>
    <message>
        <source>Types the decimal point</source>
        <translation>מקליד נקודה עשרונית</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>חיבור</translation>
    </message>
    <message>
        <source>Adds the next number to this one</source>
        <translation>מחבר את המספר הבא למספר זה</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>חיסור</translation>
    </message>
    <message>
        <source>Subtracts the next number from this one</source>
        <translation>מחסר את המספר הבא ממספר זה</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>כפל</translation>
    </message>
    <message>
        <source>Multiplies this number by the next</source>
        <translation>כופל מספר זה במספר הבא</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>חילוק</translation>
    </message>
    <message>
        <source>Divides this number by the next</source>
        <translation>מחלק מספר זה במספר הבא</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>שווה</translation>
    </message>
    <message>
        <source>Shows the result; pressed again, repeats the last operation</source>
        <translation>מציג את התוצאה; לחיצה נוספת חוזרת על הפעולה האחרונה</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>אחוז</translation>
    </message>
    <message>
        <source>Takes the entry as a percentage of the first number</source>
        <translation>מחשב את הקלט כאחוז מהמספר הראשון</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>החלפת סימן</translation>
    </message>
    <message>
        <source>Changes the sign of the entry</source>
        <translation>מחליף את הסימן של הקלט</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>הופכי</translation>
    </message>
    <message>
        <source>Divides 1 by the entry</source>
        <translation>מחלק את 1 בקלט</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>שורש ריבועי</translation>
    </message>
    <message>
        <source>Takes the square root of the entry</source>
        <translation>מחשב את השורש הריבועי של הקלט</translation>
    </message>
    <message>
        <source>Date separator</source>
        <translation>מפריד תאריך</translation>
    </message>
    <message>
        <source>Types the slash between day, month and year</source>
        <translation>מקליד את הלוכסן בין היום, החודש והשנה</translation>
    </message>
    <message>
        <source>Add period</source>
        <translation>הוספת פרק זמן</translation>
    </message>
    <message>
        <source>Adds a period of days/months/years to this date</source>
        <translation>מוסיף לתאריך זה פרק זמן של ימים/חודשים/שנים</translation>
    </message>
    <message>
        <source>Subtract period</source>
        <translation>הפחתת פרק זמן</translation>
    </message>
    <message>
        <source>Subtracts a period of days/months/years from this date</source>
        <translation>מפחית מתאריך זה פרק זמן של ימים/חודשים/שנים</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>הפרש</translation>
    </message>
    <message>
        <source>Gives years, months and days between this date and the next</source>
        <translation>מחשב את השנים, החודשים והימים שבין תאריך זה לתאריך הבא</translation>
    </message>
    <message>
        <source>Shows the resulting date or difference</source>
        <translation>מציג את התאריך שהתקבל או את ההפרש</translation>
    </message>
    <message>
        <source>Has no effect on a date</source>
        <translation>אין לו השפעה על תאריך</translation>
    </message>
    <message>
        <source>Time separator</source>
        <translation>מפריד שעה</translation>
    </message>
    <message>
        <source>Types the colon between hours, minutes and seconds</source>
        <translation>מקליד את הנקודתיים בין השעות, הדקות והשניות</translation>
    </message>
    <message>
        <source>Adds a period of hours:minutes:seconds to this time</source>
        <translation>מוסיף לשעה זו פרק זמן של שעות:דקות:שניות</translation>
    </message>
    <message>
        <source>Subtracts a period of hours:minutes:seconds from this time</source>
        <translation>מפחית משעה זו פרק זמן של שעות:דקות:שניות</translation>
    </message>
    <message>
        <source>Gives hours, minutes and seconds between this time and the next</source>
        <translation>מחשב את השעות, הדקות והשניות שבין שעה זו לשעה הבאה</translation>
    </message>
    <message>
        <source>Shows the resulting time or difference</source>
        <translation>מציג את השעה שהתקבלה או את ההפרש</translation>
    </message>
    <message>
        <source>Has no effect on a time</source>
        <translation>אין לו השפעה על שעה</translation>
    </message>
    <message>
        <source>Not available in this mode</source>
        <translation>לא זמין במצב זה</translation>
    </message>
</context>
<context>
    <name>AccessibleMode</name>
    <message>
        <source>Result</source>
        <extracomment>The display&apos;s name for screen readers.</extracomment>
        <translation>תוצאה</translation>
    </message>
    <message>
        <source>Calculates with numbers</source>
        <translation>חישוב במספרים</translation>
    </message>
    <message>
        <source>The number being typed, or the result</source>
        <translation>המספר המוקלד, או התוצאה</translation>
    </message>
    <message>
        <source>Calculates with dates, typed dd/mm/yyyy</source>
        <extracomment>The format in the letters of the language; the user still types day/month/year.</extracomment>
        <translation>חישוב בתאריכים, מוקלדים בתבנית יום/חודש/שנה</translation>
    </message>
    <message>
        <source>The date or period being typed, or the result</source>
        <translation>התאריך או פרק הזמן המוקלד, או התוצאה</translation>
    </message>
    <message>
        <source>Calculates with clock times, typed hh:mm:ss</source>
        <translation>חישוב בשעות, מוקלדות בתבנית שעה:דקה:שנייה</translation>
    </message>
    <message>
        <source>The time or period being typed, or the result</source>
        <translation>השעה או פרק הזמן המוקלד, או התוצאה</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help.</source>
        <translation>הצגת עזרה זו.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>הצגת הגרסה.</translation>
    </message>
    <message>
        <source>A calculator for numbers, calendar dates and clock times.</source>
        <translation>מחשבון למספרים, לתאריכים ולשעות.</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options apply as well, among them -platform NAME, -style STYLE
and -qwindowtitle TITLE; see morvelin(1).</source>
        <translation>גם האפשרויות הרגילות של Qt חלות, ביניהן -platform שם, -style סגנון
ו־-qwindowtitle כותרת; ראו morvelin(1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>ארגומנט לא צפוי &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <extracomment>%1 is the program&apos;s name: &quot;Try &apos;morvelin --help&apos;.&quot;</extracomment>
        <translation>נסו &quot;%1 --help&quot;.</translation>
    </message>
    <message>
        <source>%1: no display: neither DISPLAY nor WAYLAND_DISPLAY is set. Run it in a graphical session, or with -platform offscreen to run it without a screen.</source>
        <extracomment>%1 is the program&apos;s name; DISPLAY, WAYLAND_DISPLAY and -platform offscreen stay as they are.</extracomment>
        <translation>%1: אין תצוגה: לא הוגדר DISPLAY וגם לא WAYLAND_DISPLAY. הפעילו את התוכנית בסשן גרפי, או עם -platform offscreen כדי להפעיל אותה בלי מסך.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>ERROR</source>
        <extracomment>The display after an arithmetic error, such as a division by zero. At most about 20 letters.</extracomment>
        <translation>שגיאה</translation>
    </message>
    <message>
        <source>Error! Wrong Date format</source>
        <extracomment>The display after a date that is not one. At most about 28 letters.</extracomment>
        <translation>שגיאה! תבנית תאריך שגויה</translation>
    </message>
    <message>
        <source>Error! Wrong Time format</source>
        <extracomment>The display after a time that is not one. At most about 28 letters.</extracomment>
        <translation>שגיאה! תבנית שעה שגויה</translation>
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
            <numerusform>%n שנה</numerusform>
            <numerusform>%n שנים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Months</source>
        <translation>
            <numerusform>%n חודש</numerusform>
            <numerusform>%n חודשים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Days</source>
        <translation>
            <numerusform>%n יום</numerusform>
            <numerusform>%n ימים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Hours</source>
        <translation>
            <numerusform>%n שעה</numerusform>
            <numerusform>%n שעות</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Minutes</source>
        <translation>
            <numerusform>%n דקה</numerusform>
            <numerusform>%n דקות</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Seconds</source>
        <translation>
            <numerusform>%n שנייה</numerusform>
            <numerusform>%n שניות</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FactsText</name>
    <message numerus="yes">
        <source>%Ln day(s)</source>
        <translation>
            <numerusform>%Ln יום</numerusform>
            <numerusform>%Ln ימים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln month(s)</source>
        <translation>
            <numerusform>%Ln חודש</numerusform>
            <numerusform>%Ln חודשים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln year(s)</source>
        <translation>
            <numerusform>%Ln שנה</numerusform>
            <numerusform>%Ln שנים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hour(s)</source>
        <translation>
            <numerusform>%Ln שעה</numerusform>
            <numerusform>%Ln שעות</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln minute(s)</source>
        <translation>
            <numerusform>%Ln דקה</numerusform>
            <numerusform>%Ln דקות</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln second(s)</source>
        <translation>
            <numerusform>%Ln שנייה</numerusform>
            <numerusform>%Ln שניות</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <extracomment>The three counts of a period with their units: &quot;2 hours, 0 minutes and 30 seconds&quot;.</extracomment>
        <translation>%1, %2 ו־%3</translation>
    </message>
    <message>
        <source>%1 added</source>
        <extracomment>The period Add moved the date or time by: &quot;1 day, 0 months and 3 years added&quot;.</extracomment>
        <translation>הוספת %1</translation>
    </message>
    <message>
        <source>%1 subtracted</source>
        <extracomment>The period Sub moved the date or time back by: &quot;1 day, 0 months and 3 years subtracted&quot;.</extracomment>
        <translation>הפחתת %1</translation>
    </message>
    <message>
        <source>next day</source>
        <extracomment>A clock time moved past midnight into the next day.</extracomment>
        <translation>ביום הבא</translation>
    </message>
    <message>
        <source>previous day</source>
        <translation>ביום הקודם</translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) later</source>
        <translation>
            <numerusform>%Ln יום לאחר מכן</numerusform>
            <numerusform>%Ln ימים לאחר מכן</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) earlier</source>
        <translation>
            <numerusform>%Ln יום קודם לכן</numerusform>
            <numerusform>%Ln ימים קודם לכן</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln week(s)</source>
        <translation>
            <numerusform>%Ln שבוע</numerusform>
            <numerusform>%Ln שבועות</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two counts: &quot;595 weeks and 3 days&quot;, &quot;1 year and 3 days ago&quot;.</extracomment>
        <translation>%1 ו־%2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>Two long dates, as the locale writes them: &quot;Thursday, 11 May 2000 to Sunday, 9 October 2011&quot;.</extracomment>
        <translation>%1 עד %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln weekday(s)</source>
        <extracomment>Mondays to Fridays.</extracomment>
        <translation>
            <numerusform>%Ln יום (ב׳–ו׳)</numerusform>
            <numerusform>%Ln ימים (ב׳–ו׳)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 hours</source>
        <extracomment>%1 is a decimal number of hours, &quot;8.084 hours&quot;.</extracomment>
        <translation>%1 שעות</translation>
    </message>
    <message numerus="yes">
        <source>%Ln year(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln שנה</numerusform>
            <numerusform>%Ln שנים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln month(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln חודש</numerusform>
            <numerusform>%Ln חודשים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln יום</numerusform>
            <numerusform>%Ln ימים</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <extracomment>A line of a date&apos;s tooltip: the date on show is today&apos;s. &quot;tomorrow&quot; and &quot;yesterday&quot; likewise.</extracomment>
        <translation>היום</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>מחר</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>אתמול</translation>
    </message>
    <message numerus="yes">
        <source>in %Ln day(s)</source>
        <translation>
            <numerusform>בעוד %Ln יום</numerusform>
            <numerusform>בעוד %Ln ימים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) ago</source>
        <translation>
            <numerusform>לפני %Ln יום</numerusform>
            <numerusform>לפני %Ln ימים</numerusform>
        </translation>
    </message>
    <message>
        <source>in %1</source>
        <extracomment>A date ahead of today by years, months and days: &quot;in 1 year, 2 months and 3 days&quot;. %1 is made of the counts marked &quot;from today&quot;, which can take the case this phrase needs.</extracomment>
        <translation>בעוד %1</translation>
    </message>
    <message>
        <source>%1 ago</source>
        <extracomment>A date before today by years, months and days: &quot;26 years, 6 months and 26 days ago&quot;.</extracomment>
        <translation>לפני %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A date&apos;s distance from today in days, then in years, months and days: &quot;9,706 days ago (26 years, 6 months and 26 days ago)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>week %1, day %2 of %3</source>
        <extracomment>The ISO 8601 week of a date and its day of the year: &quot;week 19, day 132 of 366&quot;.</extracomment>
        <translation>שבוע %1, יום %2 מתוך %3</translation>
    </message>
    <message>
        <source>week %1 of %2, day %3 of %4</source>
        <extracomment>As &quot;week %1, day %2 of %3&quot;, for a week that belongs to the year before or after the date&apos;s: &quot;week 1 of 2009, day 364 of 366&quot; for 29 December 2008.</extracomment>
        <translation>שבוע %1 של שנת %2, יום %3 מתוך %4</translation>
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
        <translation>תבנית תאריך יום/חודש/שנה</translation>
    </message>
    <message>
        <source>DIF</source>
        <extracomment>A heading: the key caption &quot;Dif&quot; in upper case.</extracomment>
        <translation>הפרש</translation>
    </message>
    <message>
        <source>SUB</source>
        <extracomment>A heading: the key caption &quot;Sub&quot; in upper case.</extracomment>
        <translation>הפחתה</translation>
    </message>
    <message>
        <source>ADD</source>
        <extracomment>A heading: the key caption &quot;Add&quot; in upper case.</extracomment>
        <translation>הוספה</translation>
    </message>
    <message>
        <source>Time Format hh:mm:ss</source>
        <extracomment>The first line of the Time help: the entry format, in the letters of the language.</extracomment>
        <translation>תבנית זמן שעה:דקה:שנייה</translation>
    </message>
</context>
<context>
    <name>Key</name>
    <message>
        <source>Backspace</source>
        <extracomment>Key: deletes the last character typed (the wide key at the top left).</extracomment>
        <translation>מחק</translation>
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
        <translation>שורש</translation>
    </message>
    <message>
        <source>1/x</source>
        <extracomment>Key: reciprocal, 1 divided by the entry.</extracomment>
        <translation>‎1/x</translation>
    </message>
    <message>
        <source>Dif</source>
        <extracomment>Key in Date and Time mode: the difference of two dates or times. At most 4 or 5 letters.</extracomment>
        <translation>הפרש</translation>
    </message>
    <message>
        <source>Sub</source>
        <extracomment>Key in Date and Time mode: subtract a period from a date or time (not the number operator). At most 4 or 5 letters.</extracomment>
        <translation>הפחתה</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Key in Date and Time mode: add a period to a date or time. At most 4 or 5 letters.</extracomment>
        <translation>הוספה</translation>
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
        <translation>מספר</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>תאריך</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>שעה</translation>
    </message>
    <message>
        <source>Modul</source>
        <extracomment>The caption of the frame round the three mode buttons (&quot;Mode&quot;).</extracomment>
        <translation>מצב</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>The display&apos;s context menu in Date mode: types today&apos;s date.</extracomment>
        <translation>היום</translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>The display&apos;s context menu in Time mode: types the time now.</extracomment>
        <translation>עכשיו</translation>
    </message>
</context>
</TS>
