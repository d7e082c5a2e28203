<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>AccessibleKey</name>
    <message>
        <source>Types the digit %1</source>
        <extracomment>A digit key&apos;s description for screen readers; %1 is the digit.</extracomment>
        <translation>Вводить цифру %1</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Стерти</translation>
    </message>
    <message>
        <source>Deletes the last character of the entry</source>
        <translation>Видаляє останній введений символ</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>Очистити введення</translation>
    </message>
    <message>
        <source>Clears the entry and keeps the calculation</source>
        <translation>Очищає введення, зберігаючи обчислення</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Очистити все</translation>
    </message>
    <message>
        <source>Clears the entry and the calculation</source>
        <translation>Очищає введення й обчислення</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Десятковий роздільник</translation>
    </message>
    <message>
        <source>Types the decimal point</source>
        <translation>Вводить десятковий роздільник</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Додати</translation>
    </message>
    <message>
        <source>Adds the next number to this one</source>
        <translation>Додає до цього числа наступне</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Відняти</translation>
    </message>
    <message>
        <source>Subtracts the next number from this one</source>
        <translation>Віднімає від цього числа наступне</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Помножити</translation>
    </message>
    <message>
        <source>Multiplies this number by the next</source>
        <translation>Множить це число на наступне</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Поділити</translation>
    </message>
    <message>
        <source>Divides this number by the next</source>
        <translation>Ділить це число на наступне</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Дорівнює</translation>
    </message>
    <message>
        <source>Shows the result; pressed again, repeats the last operation</source>
        <translation>Показує результат; якщо натиснути ще раз, повторює останню операцію</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Відсоток</translation>
    </message>
    <message>
        <source>Takes the entry as a percentage of the first number</source>
        <translation>Обчислює введене число як відсоток від першого числа</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Змінити знак</translation>
    </message>
    <message>
        <source>Changes the sign of the entry</source>
        <translation>Змінює знак введеного числа</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Обернене число</translation>
    </message>
    <message>
        <source>Divides 1 by the entry</source>
        <translation>Ділить 1 на введене число</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Квадратний корінь</translation>
    </message>
    <message>
        <source>Takes the square root of the entry</source>
        <translation>Добуває квадратний корінь із введеного числа</translation>
    </message>
    <message>
        <source>Date separator</source>
        <translation>Роздільник дати</translation>
    </message>
    <message>
        <source>Types the slash between day, month and year</source>
        <translation>Вводить скісну риску між днем, місяцем і роком</translation>
    </message>
    <message>
        <source>Add period</source>
        <translation>Додати період</translation>
    </message>
    <message>
        <source>Adds a period of days/months/years to this date</source>
        <translation>Додає до цієї дати період (дні/місяці/роки)</translation>
    </message>
    <message>
        <source>Subtract period</source>
        <translation>Відняти період</translation>
    </message>
    <message>
        <source>Subtracts a period of days/months/years from this date</source>
        <translation>Віднімає від цієї дати період (дні/місяці/роки)</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Різниця</translation>
    </message>
    <message>
        <source>Gives years, months and days between this date and the next</source>
        <translation>Показує роки, місяці й дні між цією датою та наступною</translation>
    </message>
    <message>
        <source>Shows the resulting date or difference</source>
        <translation>Показує отриману дату або різницю</translation>
    </message>
    <message>
        <source>Has no effect on a date</source>
        <translation>Не впливає на дату</translation>
    </message>
    <message>
        <source>Time separator</source>
        <translation>Роздільник часу</translation>
    </message>
    <message>
        <source>Types the colon between hours, minutes and seconds</source>
        <translation>Вводить двокрапку між годинами, хвилинами й секундами</translation>
    </message>
    <message>
        <source>Adds a period of hours:minutes:seconds to this time</source>
        <translation>Додає до цього часу період (години:хвилини:секунди)</translation>
    </message>
    <message>
        <source>Subtracts a period of hours:minutes:seconds from this time</source>
        <translation>Віднімає від цього часу період (години:хвилини:секунди)</translation>
    </message>
    <message>
        <source>Gives hours, minutes and seconds between this time and the next</source>
        <translation>Показує години, хвилини й секунди між цим часом і наступним</translation>
    </message>
    <message>
        <source>Shows the resulting time or difference</source>
        <translation>Показує отриманий час або різницю</translation>
    </message>
    <message>
        <source>Has no effect on a time</source>
        <translation>Не впливає на час</translation>
    </message>
    <message>
        <source>Not available in this mode</source>
        <translation>Недоступно в цьому режимі</translation>
    </message>
</context>
<context>
    <name>AccessibleMode</name>
    <message>
        <source>Result</source>
        <extracomment>The display&apos;s name for screen readers.</extracomment>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Calculates with numbers</source>
        <translation>Обчислення з числами</translation>
    </message>
    <message>
        <source>The number being typed, or the result</source>
        <translation>Число, що вводиться, або результат</translation>
    </message>
    <message>
        <source>Calculates with dates, typed dd/mm/yyyy</source>
        <extracomment>The format in the letters of the language; the user still types day/month/year.</extracomment>
        <translation>Обчислення з датами, введення у форматі дд/мм/рррр</translation>
    </message>
    <message>
        <source>The date or period being typed, or the result</source>
        <translation>Дата чи період, що вводиться, або результат</translation>
    </message>
    <message>
        <source>Calculates with clock times, typed hh:mm:ss</source>
        <translation>Обчислення з часом доби, введення у форматі гг:хх:сс</translation>
    </message>
    <message>
        <source>The time or period being typed, or the result</source>
        <translation>Час чи період, що вводиться, або результат</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help.</source>
        <translation>Показати цю довідку.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Показати версію.</translation>
    </message>
    <message>
        <source>A calculator for numbers, calendar dates and clock times.</source>
        <translation>Калькулятор для чисел, календарних дат і часу доби.</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options apply as well, among them -platform NAME, -style STYLE
and -qwindowtitle TITLE; see morvelin(1).</source>
        <translation>Також діють стандартні параметри Qt, серед них -platform НАЗВА, -style СТИЛЬ
і -qwindowtitle ЗАГОЛОВОК; див. morvelin(1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неочікуваний аргумент «%1».</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <extracomment>%1 is the program&apos;s name: &quot;Try &apos;morvelin --help&apos;.&quot;</extracomment>
        <translation>Спробуйте «%1 --help».</translation>
    </message>
    <message>
        <source>%1: no display: neither DISPLAY nor WAYLAND_DISPLAY is set. Run it in a graphical session, or with -platform offscreen to run it without a screen.</source>
        <extracomment>%1 is the program&apos;s name; DISPLAY, WAYLAND_DISPLAY and -platform offscreen stay as they are.</extracomment>
        <translation>%1: немає дисплея: не задано ні DISPLAY, ні WAYLAND_DISPLAY. Запустіть програму в графічному сеансі або з параметром -platform offscreen, щоб працювати без екрана.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>ERROR</source>
        <extracomment>The display after an arithmetic error, such as a division by zero. At most about 20 letters.</extracomment>
        <translation>ПОМИЛКА</translation>
    </message>
    <message>
        <source>Error! Wrong Date format</source>
        <extracomment>The display after a date that is not one. At most about 28 letters.</extracomment>
        <translation>Помилка формату дати!</translation>
    </message>
    <message>
        <source>Error! Wrong Time format</source>
        <extracomment>The display after a time that is not one. At most about 28 letters.</extracomment>
        <translation>Помилка формату часу!</translation>
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
            <numerusform>%n рік</numerusform>
            <numerusform>%n роки</numerusform>
            <numerusform>%n років</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Months</source>
        <translation>
            <numerusform>%n місяць</numerusform>
            <numerusform>%n місяці</numerusform>
            <numerusform>%n місяців</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Days</source>
        <translation>
            <numerusform>%n день</numerusform>
            <numerusform>%n дні</numerusform>
            <numerusform>%n днів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Hours</source>
        <translation>
            <numerusform>%n година</numerusform>
            <numerusform>%n години</numerusform>
            <numerusform>%n годин</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Minutes</source>
        <translation>
            <numerusform>%n хвилина</numerusform>
            <numerusform>%n хвилини</numerusform>
            <numerusform>%n хвилин</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Seconds</source>
        <translation>
            <numerusform>%n секунда</numerusform>
            <numerusform>%n секунди</numerusform>
            <numerusform>%n секунд</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FactsText</name>
    <message numerus="yes">
        <source>%Ln day(s)</source>
        <translation>
            <numerusform>%Ln день</numerusform>
            <numerusform>%Ln дні</numerusform>
            <numerusform>%Ln днів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln month(s)</source>
        <translation>
            <numerusform>%Ln місяць</numerusform>
            <numerusform>%Ln місяці</numerusform>
            <numerusform>%Ln місяців</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln year(s)</source>
        <translation>
            <numerusform>%Ln рік</numerusform>
            <numerusform>%Ln роки</numerusform>
            <numerusform>%Ln років</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hour(s)</source>
        <translation>
            <numerusform>%Ln година</numerusform>
            <numerusform>%Ln години</numerusform>
            <numerusform>%Ln годин</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln minute(s)</source>
        <translation>
            <numerusform>%Ln хвилина</numerusform>
            <numerusform>%Ln хвилини</numerusform>
            <numerusform>%Ln хвилин</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln second(s)</source>
        <translation>
            <numerusform>%Ln секунда</numerusform>
            <numerusform>%Ln секунди</numerusform>
            <numerusform>%Ln секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <extracomment>The three counts of a period with their units: &quot;2 hours, 0 minutes and 30 seconds&quot;.</extracomment>
        <translation>%1, %2 і %3</translation>
    </message>
    <message>
        <source>%1 added</source>
        <extracomment>The period Add moved the date or time by: &quot;1 day, 0 months and 3 years added&quot;.</extracomment>
        <translation>додано: %1</translation>
    </message>
    <message>
        <source>%1 subtracted</source>
        <extracomment>The period Sub moved the date or time back by: &quot;1 day, 0 months and 3 years subtracted&quot;.</extracomment>
        <translation>віднято: %1</translation>
    </message>
    <message>
        <source>next day</source>
        <extracomment>A clock time moved past midnight into the next day.</extracomment>
        <translation>наступного дня</translation>
    </message>
    <message>
        <source>previous day</source>
        <translation>попереднього дня</translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) later</source>
        <translation>
            <numerusform>на %Ln день пізніше</numerusform>
            <numerusform>на %Ln дні пізніше</numerusform>
            <numerusform>на %Ln днів пізніше</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) earlier</source>
        <translation>
            <numerusform>на %Ln день раніше</numerusform>
            <numerusform>на %Ln дні раніше</numerusform>
            <numerusform>на %Ln днів раніше</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln week(s)</source>
        <translation>
            <numerusform>%Ln тиждень</numerusform>
            <numerusform>%Ln тижні</numerusform>
            <numerusform>%Ln тижнів</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two counts: &quot;595 weeks and 3 days&quot;, &quot;1 year and 3 days ago&quot;.</extracomment>
        <translation>%1 і %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>Two long dates, as the locale writes them: &quot;Thursday, 11 May 2000 to Sunday, 9 October 2011&quot;.</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln weekday(s)</source>
        <extracomment>Mondays to Fridays.</extracomment>
        <translation>
            <numerusform>%Ln робочий день</numerusform>
            <numerusform>%Ln робочі дні</numerusform>
            <numerusform>%Ln робочих днів</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 hours</source>
        <extracomment>%1 is a decimal number of hours, &quot;8.084 hours&quot;.</extracomment>
        <translation>%1 год</translation>
    </message>
    <message numerus="yes">
        <source>%Ln year(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln рік</numerusform>
            <numerusform>%Ln роки</numerusform>
            <numerusform>%Ln років</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln month(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln місяць</numerusform>
            <numerusform>%Ln місяці</numerusform>
            <numerusform>%Ln місяців</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln день</numerusform>
            <numerusform>%Ln дні</numerusform>
            <numerusform>%Ln днів</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <extracomment>A line of a date&apos;s tooltip: the date on show is today&apos;s. &quot;tomorrow&quot; and &quot;yesterday&quot; likewise.</extracomment>
        <translation>сьогодні</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>завтра</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>вчора</translation>
    </message>
    <message numerus="yes">
        <source>in %Ln day(s)</source>
        <translation>
            <numerusform>через %Ln день</numerusform>
            <numerusform>через %Ln дні</numerusform>
            <numerusform>через %Ln днів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) ago</source>
        <translation>
            <numerusform>%Ln день тому</numerusform>
            <numerusform>%Ln дні тому</numerusform>
            <numerusform>%Ln днів тому</numerusform>
        </translation>
    </message>
    <message>
        <source>in %1</source>
        <extracomment>A date ahead of today by years, months and days: &quot;in 1 year, 2 months and 3 days&quot;. %1 is made of the counts marked &quot;from today&quot;, which can take the case this phrase needs.</extracomment>
        <translation>через %1</translation>
    </message>
    <message>
        <source>%1 ago</source>
        <extracomment>A date before today by years, months and days: &quot;26 years, 6 months and 26 days ago&quot;.</extracomment>
        <translation>%1 тому</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A date&apos;s distance from today in days, then in years, months and days: &quot;9,706 days ago (26 years, 6 months and 26 days ago)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>week %1, day %2 of %3</source>
        <extracomment>The ISO 8601 week of a date and its day of the year: &quot;week 19, day 132 of 366&quot;.</extracomment>
        <translation>%1-й тиждень, день %2 з %3</translation>
    </message>
    <message>
        <source>week %1 of %2, day %3 of %4</source>
        <extracomment>As &quot;week %1, day %2 of %3&quot;, for a week that belongs to the year before or after the date&apos;s: &quot;week 1 of 2009, day 364 of 366&quot; for 29 December 2008.</extracomment>
        <translation>%1-й тиждень %2 року, день %3 з %4</translation>
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
        <translation>Формат дати дд/мм/рррр</translation>
    </message>
    <message>
        <source>DIF</source>
        <extracomment>A heading: the key caption &quot;Dif&quot; in upper case.</extracomment>
        <translation>РІЗН.</translation>
    </message>
    <message>
        <source>SUB</source>
        <extracomment>A heading: the key caption &quot;Sub&quot; in upper case.</extracomment>
        <translation>МІНУС</translation>
    </message>
    <message>
        <source>ADD</source>
        <extracomment>A heading: the key caption &quot;Add&quot; in upper case.</extracomment>
        <translation>ПЛЮС</translation>
    </message>
    <message>
        <source>Time Format hh:mm:ss</source>
        <extracomment>The first line of the Time help: the entry format, in the letters of the language.</extracomment>
        <translation>Формат часу гг:хх:сс</translation>
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
        <translation>Різн.</translation>
    </message>
    <message>
        <source>Sub</source>
        <extracomment>Key in Date and Time mode: subtract a period from a date or time (not the number operator). At most 4 or 5 letters.</extracomment>
        <translation>Мінус</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Key in Date and Time mode: add a period to a date or time. At most 4 or 5 letters.</extracomment>
        <translation>Плюс</translation>
    </message>
</context>
<context>
    <name>Paste</name>
    <message>
        <source>o&apos;clock</source>
        <extracomment>A word written after a time of day, as in &quot;15.30 Uhr&quot;: one word, the time left out.</extracomment>
        <translation>год</translation>
    </message>
</context>
<context>
    <name>frmZorvane</name>
    <message>
        <source>Number</source>
        <extracomment>A mode button, about 75 pixels wide.</extracomment>
        <translation>Число</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Modul</source>
        <extracomment>The caption of the frame round the three mode buttons (&quot;Mode&quot;).</extracomment>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>The display&apos;s context menu in Date mode: types today&apos;s date.</extracomment>
        <translation>Сьогодні</translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>The display&apos;s context menu in Time mode: types the time now.</extracomment>
        <translation>Зараз</translation>
    </message>
</context>
</TS>
