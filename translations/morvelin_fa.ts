<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>AccessibleKey</name>
    <message>
        <source>Types the digit %1</source>
        <extracomment>A digit key&apos;s description for screen readers; %1 is the digit.</extracomment>
        <translation>رقم %1 را وارد می‌کند</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>پس‌بر</translation>
    </message>
    <message>
        <source>Deletes the last character of the entry</source>
        <translation>آخرین نویسهٔ ورودی را پاک می‌کند</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>پاک کردن ورودی</translation>
    </message>
    <message>
        <source>Clears the entry and keeps the calculation</source>
        <translation>ورودی را پاک می‌کند و محاسبه را نگه می‌دارد</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>پاک کردن همه</translation>
    </message>
    <message>
        <source>Clears the entry and the calculation</source>
        <translation>ورودی و محاسبه را پاک می‌کند</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>ممیز اعشار</translation>
    </message>
    <message>
        <source>Types the decimal point</source>
        <translation>ممیز اعشار را وارد می‌کند</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>جمع</translation>
    </message>
    <message>
        <source>Adds the next number to this one</source>
        <translation>عدد بعدی را با این عدد جمع می‌کند</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>تفریق</translation>
    </message>
    <message>
        <source>Subtracts the next number from this one</source>
        <translation>عدد بعدی را از این عدد کم می‌کند</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>ضرب</translation>
    </message>
    <message>
        <source>Multiplies this number by the next</source>
        <translation>این عدد را در عدد بعدی ضرب می‌کند</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>تقسیم</translation>
    </message>
    <message>
        <source>Divides this number by the next</source>
        <translation>این عدد را بر عدد بعدی تقسیم می‌کند</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>مساوی</translation>
    </message>
    <message>
        <source>Shows the result; pressed again, repeats the last operation</source>
        <translation>نتیجه را نشان می‌دهد؛ با فشردن دوباره، آخرین عمل را تکرار می‌کند</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>درصد</translation>
    </message>
    <message>
        <source>Takes the entry as a percentage of the first number</source>
        <translation>ورودی را به‌عنوان درصدی از عدد اول حساب می‌کند</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>تغییر علامت</translation>
    </message>
    <message>
        <source>Changes the sign of the entry</source>
        <translation>علامت ورودی را عوض می‌کند</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>معکوس</translation>
    </message>
    <message>
        <source>Divides 1 by the entry</source>
        <translation>1 را بر ورودی تقسیم می‌کند</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>جذر</translation>
    </message>
    <message>
        <source>Takes the square root of the entry</source>
        <translation>جذر ورودی را حساب می‌کند</translation>
    </message>
    <message>
        <source>Date separator</source>
        <translation>جداکنندهٔ تاریخ</translation>
    </message>
    <message>
        <source>Types the slash between day, month and year</source>
        <translation>خط مورب میان روز، ماه و سال را وارد می‌کند</translation>
    </message>
    <message>
        <source>Add period</source>
        <translation>افزودن مدت</translation>
    </message>
    <message>
        <source>Adds a period of days/months/years to this date</source>
        <translation>مدتی برحسب روز/ماه/سال به این تاریخ می‌افزاید</translation>
    </message>
    <message>
        <source>Subtract period</source>
        <translation>کاستن مدت</translation>
    </message>
    <message>
        <source>Subtracts a period of days/months/years from this date</source>
        <translation>مدتی برحسب روز/ماه/سال از این تاریخ می‌کاهد</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>تفاضل</translation>
    </message>
    <message>
        <source>Gives years, months and days between this date and the next</source>
        <translation>سال‌ها، ماه‌ها و روزهای میان این تاریخ و تاریخ بعدی را می‌دهد</translation>
    </message>
    <message>
        <source>Shows the resulting date or difference</source>
        <translation>تاریخ حاصل یا تفاضل را نشان می‌دهد</translation>
    </message>
    <message>
        <source>Has no effect on a date</source>
        <translation>روی تاریخ اثری ندارد</translation>
    </message>
    <message>
        <source>Time separator</source>
        <translation>جداکنندهٔ زمان</translation>
    </message>
    <message>
        <source>Types the colon between hours, minutes and seconds</source>
        <translation>دونقطهٔ میان ساعت، دقیقه و ثانیه را وارد می‌کند</translation>
    </message>
    <message>
        <source>Adds a period of hours:minutes:seconds to this time</source>
        <translation>مدتی برحسب ساعت:دقیقه:ثانیه به این زمان می‌افزاید</translation>
    </message>
    <message>
        <source>Subtracts a period of hours:minutes:seconds from this time</source>
        <translation>مدتی برحسب ساعت:دقیقه:ثانیه از این زمان می‌کاهد</translation>
    </message>
    <message>
        <source>Gives hours, minutes and seconds between this time and the next</source>
        <translation>ساعت‌ها، دقیقه‌ها و ثانیه‌های میان این زمان و زمان بعدی را می‌دهد</translation>
    </message>
    <message>
        <source>Shows the resulting time or difference</source>
        <translation>زمان حاصل یا تفاضل را نشان می‌دهد</translation>
    </message>
    <message>
        <source>Has no effect on a time</source>
        <translation>روی زمان اثری ندارد</translation>
    </message>
    <message>
        <source>Not available in this mode</source>
        <translation>در این حالت در دسترس نیست</translation>
    </message>
</context>
<context>
    <name>AccessibleMode</name>
    <message>
        <source>Result</source>
        <extracomment>The display&apos;s name for screen readers.</extracomment>
        <translation>نتیجه</translation>
    </message>
    <message>
        <source>Calculates with numbers</source>
        <translation>محاسبه با عددها</translation>
    </message>
    <message>
        <source>The number being typed, or the result</source>
        <translation>عددی که وارد می‌شود، یا نتیجه</translation>
    </message>
    <message>
        <source>Calculates with dates, typed dd/mm/yyyy</source>
        <extracomment>The format in the letters of the language; the user still types day/month/year.</extracomment>
        <translation>محاسبه با تاریخ‌های میلادی، به قالب روز/ماه/سال</translation>
    </message>
    <message>
        <source>The date or period being typed, or the result</source>
        <translation>تاریخ یا مدتی که وارد می‌شود، یا نتیجه</translation>
    </message>
    <message>
        <source>Calculates with clock times, typed hh:mm:ss</source>
        <translation>محاسبه با ساعت‌های روز، به قالب ساعت:دقیقه:ثانیه</translation>
    </message>
    <message>
        <source>The time or period being typed, or the result</source>
        <translation>زمان یا مدتی که وارد می‌شود، یا نتیجه</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help.</source>
        <translation>نمایش این راهنما.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>نمایش نسخه.</translation>
    </message>
    <message>
        <source>A calculator for numbers, calendar dates and clock times.</source>
        <translation>ماشین‌حسابی برای عددها، تاریخ‌های تقویم و ساعت‌های روز.</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options apply as well, among them -platform NAME, -style STYLE
and -qwindowtitle TITLE; see morvelin(1).</source>
        <translation>گزینه‌های استاندارد Qt نیز اعمال می‌شوند، از جمله -platform نام، -style سبک
و -qwindowtitle عنوان؛ morvelin(1) را ببینید.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>آرگومان غیرمنتظرهٔ «%1».</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <extracomment>%1 is the program&apos;s name: &quot;Try &apos;morvelin --help&apos;.&quot;</extracomment>
        <translation>«%1 --help» را امتحان کنید.</translation>
    </message>
    <message>
        <source>%1: no display: neither DISPLAY nor WAYLAND_DISPLAY is set. Run it in a graphical session, or with -platform offscreen to run it without a screen.</source>
        <extracomment>%1 is the program&apos;s name; DISPLAY, WAYLAND_DISPLAY and -platform offscreen stay as they are.</extracomment>
        <translation>%1: نمایشگری در کار نیست: نه DISPLAY تنظیم شده است و نه WAYLAND_DISPLAY. برنامه را در یک نشست گرافیکی اجرا کنید، یا با -platform offscreen تا بدون صفحه‌نمایش اجرا شود.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>ERROR</source>
        <extracomment>The display after an arithmetic error, such as a division by zero. At most about 20 letters.</extracomment>
        <translation>خطا</translation>
    </message>
    <message>
        <source>Error! Wrong Date format</source>
        <extracomment>The display after a date that is not one. At most about 28 letters.</extracomment>
        <translation>خطا! قالب تاریخ نادرست است</translation>
    </message>
    <message>
        <source>Error! Wrong Time format</source>
        <extracomment>The display after a time that is not one. At most about 28 letters.</extracomment>
        <translation>خطا! قالب زمان نادرست است</translation>
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
            <numerusform>%n سال</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Months</source>
        <translation>
            <numerusform>%n ماه</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Days</source>
        <translation>
            <numerusform>%n روز</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Hours</source>
        <translation>
            <numerusform>%n ساعت</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Minutes</source>
        <translation>
            <numerusform>%n دقیقه</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Seconds</source>
        <translation>
            <numerusform>%n ثانیه</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FactsText</name>
    <message numerus="yes">
        <source>%Ln day(s)</source>
        <translation>
            <numerusform>%Ln روز</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln month(s)</source>
        <translation>
            <numerusform>%Ln ماه</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln year(s)</source>
        <translation>
            <numerusform>%Ln سال</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hour(s)</source>
        <translation>
            <numerusform>%Ln ساعت</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln minute(s)</source>
        <translation>
            <numerusform>%Ln دقیقه</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln second(s)</source>
        <translation>
            <numerusform>%Ln ثانیه</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <extracomment>The three counts of a period with their units: &quot;2 hours, 0 minutes and 30 seconds&quot;.</extracomment>
        <translation>%1، %2 و %3</translation>
    </message>
    <message>
        <source>%1 added</source>
        <extracomment>The period Add moved the date or time by: &quot;1 day, 0 months and 3 years added&quot;.</extracomment>
        <translation>%1 افزوده شد</translation>
    </message>
    <message>
        <source>%1 subtracted</source>
        <extracomment>The period Sub moved the date or time back by: &quot;1 day, 0 months and 3 years subtracted&quot;.</extracomment>
        <translation>%1 کاسته شد</translation>
    </message>
    <message>
        <source>next day</source>
        <extracomment>A clock time moved past midnight into the next day.</extracomment>
        <translation>روز بعد</translation>
    </message>
    <message>
        <source>previous day</source>
        <translation>روز قبل</translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) later</source>
        <translation>
            <numerusform>%Ln روز بعد</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) earlier</source>
        <translation>
            <numerusform>%Ln روز قبل</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln week(s)</source>
        <translation>
            <numerusform>%Ln هفته</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two counts: &quot;595 weeks and 3 days&quot;, &quot;1 year and 3 days ago&quot;.</extracomment>
        <translation>%1 و %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>Two long dates, as the locale writes them: &quot;Thursday, 11 May 2000 to Sunday, 9 October 2011&quot;.</extracomment>
        <translation>%1 تا %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln weekday(s)</source>
        <extracomment>Mondays to Fridays.</extracomment>
        <translation>
            <numerusform>%Ln روز (دوشنبه تا جمعه)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 hours</source>
        <extracomment>%1 is a decimal number of hours, &quot;8.084 hours&quot;.</extracomment>
        <translation>%1 ساعت</translation>
    </message>
    <message numerus="yes">
        <source>%Ln year(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln سال</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln month(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln ماه</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln روز</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <extracomment>A line of a date&apos;s tooltip: the date on show is today&apos;s. &quot;tomorrow&quot; and &quot;yesterday&quot; likewise.</extracomment>
        <translation>امروز</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>فردا</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>دیروز</translation>
    </message>
    <message numerus="yes">
        <source>in %Ln day(s)</source>
        <translation>
            <numerusform>%Ln روز دیگر</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) ago</source>
        <translation>
            <numerusform>%Ln روز پیش</numerusform>
        </translation>
    </message>
    <message>
        <source>in %1</source>
        <extracomment>A date ahead of today by years, months and days: &quot;in 1 year, 2 months and 3 days&quot;. %1 is made of the counts marked &quot;from today&quot;, which can take the case this phrase needs.</extracomment>
        <translation>%1 دیگر</translation>
    </message>
    <message>
        <source>%1 ago</source>
        <extracomment>A date before today by years, months and days: &quot;26 years, 6 months and 26 days ago&quot;.</extracomment>
        <translation>%1 پیش</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A date&apos;s distance from today in days, then in years, months and days: &quot;9,706 days ago (26 years, 6 months and 26 days ago)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>week %1, day %2 of %3</source>
        <extracomment>The ISO 8601 week of a date and its day of the year: &quot;week 19, day 132 of 366&quot;.</extracomment>
        <translation>هفتهٔ %1، روز %2 از %3</translation>
    </message>
    <message>
        <source>week %1 of %2, day %3 of %4</source>
        <extracomment>As &quot;week %1, day %2 of %3&quot;, for a week that belongs to the year before or after the date&apos;s: &quot;week 1 of 2009, day 364 of 366&quot; for 29 December 2008.</extracomment>
        <translation>هفتهٔ %1 از سال %2، روز %3 از %4</translation>
    </message>
    <message>
        <source>%1: %2; %3</source>
        <extracomment>A date of a difference, its distance from today, and its week and day of the year: &quot;Thursday, 11 May 2000: 9,706 days ago; week 19, day 132 of 366&quot;.</extracomment>
        <translation>%1: %2؛ %3</translation>
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
        <translation>قالب تاریخ میلادی روز/ماه/سال</translation>
    </message>
    <message>
        <source>DIF</source>
        <extracomment>A heading: the key caption &quot;Dif&quot; in upper case.</extracomment>
        <translation>تفاضل</translation>
    </message>
    <message>
        <source>SUB</source>
        <extracomment>A heading: the key caption &quot;Sub&quot; in upper case.</extracomment>
        <translation>کاستن</translation>
    </message>
    <message>
        <source>ADD</source>
        <extracomment>A heading: the key caption &quot;Add&quot; in upper case.</extracomment>
        <translation>افزودن</translation>
    </message>
    <message>
        <source>Time Format hh:mm:ss</source>
        <extracomment>The first line of the Time help: the entry format, in the letters of the language.</extracomment>
        <translation>قالب زمان ساعت:دقیقه:ثانیه</translation>
    </message>
</context>
<context>
    <name>Key</name>
    <message>
        <source>Backspace</source>
        <extracomment>Key: deletes the last character typed (the wide key at the top left).</extracomment>
        <translation>پس‌بر</translation>
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
        <translation>جذر</translation>
    </message>
    <message>
        <source>1/x</source>
        <extracomment>Key: reciprocal, 1 divided by the entry.</extracomment>
        <translation>‎1/x</translation>
    </message>
    <message>
        <source>Dif</source>
        <extracomment>Key in Date and Time mode: the difference of two dates or times. At most 4 or 5 letters.</extracomment>
        <translation>تفاضل</translation>
    </message>
    <message>
        <source>Sub</source>
        <extracomment>Key in Date and Time mode: subtract a period from a date or time (not the number operator). At most 4 or 5 letters.</extracomment>
        <translation>کاستن</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Key in Date and Time mode: add a period to a date or time. At most 4 or 5 letters.</extracomment>
        <translation>افزودن</translation>
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
        <translation>عدد</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>تاریخ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>زمان</translation>
    </message>
    <message>
        <source>Modul</source>
        <extracomment>The caption of the frame round the three mode buttons (&quot;Mode&quot;).</extracomment>
        <translation>حالت</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>The display&apos;s context menu in Date mode: types today&apos;s date.</extracomment>
        <translation>امروز</translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>The display&apos;s context menu in Time mode: types the time now.</extracomment>
        <translation>اکنون</translation>
    </message>
</context>
</TS>
