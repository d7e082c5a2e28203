<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>AccessibleKey</name>
    <message>
        <source>Types the digit %1</source>
        <extracomment>A digit key&apos;s description for screen readers; %1 is the digit.</extracomment>
        <translation>يكتب الرقم %1</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Deletes the last character of the entry</source>
        <translation>يحذف آخر حرف من الإدخال</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>مسح الإدخال</translation>
    </message>
    <message>
        <source>Clears the entry and keeps the calculation</source>
        <translation>يمسح الإدخال ويُبقي على العملية الحسابية</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>مسح الكل</translation>
    </message>
    <message>
        <source>Clears the entry and the calculation</source>
        <translation>يمسح الإدخال والعملية الحسابية</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>الفاصلة العشرية</translation>
    </message>
    <message>
        <source>Types the decimal point</source>
        <translation>يكتب الفاصلة العشرية</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>جمع</translation>
    </message>
    <message>
        <source>Adds the next number to this one</source>
        <translation>يضيف العدد التالي إلى هذا العدد</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>طرح</translation>
    </message>
    <message>
        <source>Subtracts the next number from this one</source>
        <translation>يطرح العدد التالي من هذا العدد</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>ضرب</translation>
    </message>
    <message>
        <source>Multiplies this number by the next</source>
        <translation>يضرب هذا العدد في العدد التالي</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>قسمة</translation>
    </message>
    <message>
        <source>Divides this number by the next</source>
        <translation>يقسم هذا العدد على العدد التالي</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>يساوي</translation>
    </message>
    <message>
        <source>Shows the result; pressed again, repeats the last operation</source>
        <translation>يعرض النتيجة، وإذا ضُغط مرة أخرى يكرر العملية الأخيرة</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>نسبة مئوية</translation>
    </message>
    <message>
        <source>Takes the entry as a percentage of the first number</source>
        <translation>يحسب الإدخال نسبةً مئوية من العدد الأول</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>تغيير الإشارة</translation>
    </message>
    <message>
        <source>Changes the sign of the entry</source>
        <translation>يغيّر إشارة الإدخال</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>المقلوب</translation>
    </message>
    <message>
        <source>Divides 1 by the entry</source>
        <translation>يقسم 1 على الإدخال</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>الجذر التربيعي</translation>
    </message>
    <message>
        <source>Takes the square root of the entry</source>
        <translation>يحسب الجذر التربيعي للإدخال</translation>
    </message>
    <message>
        <source>Date separator</source>
        <translation>فاصل التاريخ</translation>
    </message>
    <message>
        <source>Types the slash between day, month and year</source>
        <translation>يكتب الشرطة المائلة بين اليوم والشهر والسنة</translation>
    </message>
    <message>
        <source>Add period</source>
        <translation>إضافة مدة</translation>
    </message>
    <message>
        <source>Adds a period of days/months/years to this date</source>
        <translation>يضيف مدة من الأيام/الأشهر/السنوات إلى هذا التاريخ</translation>
    </message>
    <message>
        <source>Subtract period</source>
        <translation>طرح مدة</translation>
    </message>
    <message>
        <source>Subtracts a period of days/months/years from this date</source>
        <translation>يطرح مدة من الأيام/الأشهر/السنوات من هذا التاريخ</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>الفرق</translation>
    </message>
    <message>
        <source>Gives years, months and days between this date and the next</source>
        <translation>يعطي السنوات والأشهر والأيام بين هذا التاريخ والتاريخ التالي</translation>
    </message>
    <message>
        <source>Shows the resulting date or difference</source>
        <translation>يعرض التاريخ الناتج أو الفرق</translation>
    </message>
    <message>
        <source>Has no effect on a date</source>
        <translation>لا أثر له على التاريخ</translation>
    </message>
    <message>
        <source>Time separator</source>
        <translation>فاصل الوقت</translation>
    </message>
    <message>
        <source>Types the colon between hours, minutes and seconds</source>
        <translation>يكتب النقطتين بين الساعات والدقائق والثواني</translation>
    </message>
    <message>
        <source>Adds a period of hours:minutes:seconds to this time</source>
        <translation>يضيف مدة من الساعات:الدقائق:الثواني إلى هذا الوقت</translation>
    </message>
    <message>
        <source>Subtracts a period of hours:minutes:seconds from this time</source>
        <translation>يطرح مدة من الساعات:الدقائق:الثواني من هذا الوقت</translation>
    </message>
    <message>
        <source>Gives hours, minutes and seconds between this time and the next</source>
        <translation>يعطي الساعات والدقائق والثواني بين هذا الوقت والوقت التالي</translation>
    </message>
    <message>
        <source>Shows the resulting time or difference</source>
        <translation>يعرض الوقت الناتج أو الفرق</translation>
    </message>
    <message>
        <source>Has no effect on a time</source>
        <translation>لا أثر له على الوقت</translation>
    </message>
    <message>
        <source>Not available in this mode</source>
        <translation>غير متاح في هذا الوضع</translation>
    </message>
</context>
<context>
    <name>AccessibleMode</name>
    <message>
        <source>Result</source>
        <extracomment>The display&apos;s name for screen readers.</extracomment>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>Calculates with numbers</source>
        <translation>يحسب بالأعداد</translation>
    </message>
    <message>
        <source>The number being typed, or the result</source>
        <translation>العدد الجاري كتابته، أو النتيجة</translation>
    </message>
    <message>
        <source>Calculates with dates, typed dd/mm/yyyy</source>
        <extracomment>The format in the letters of the language; the user still types day/month/year.</extracomment>
        <translation>يحسب بالتواريخ، وتُكتب بالصيغة يوم/شهر/سنة</translation>
    </message>
    <message>
        <source>The date or period being typed, or the result</source>
        <translation>التاريخ أو المدة الجاري كتابتها، أو النتيجة</translation>
    </message>
    <message>
        <source>Calculates with clock times, typed hh:mm:ss</source>
        <translation>يحسب بأوقات الساعة، وتُكتب بالصيغة ساعة:دقيقة:ثانية</translation>
    </message>
    <message>
        <source>The time or period being typed, or the result</source>
        <translation>الوقت أو المدة الجاري كتابتها، أو النتيجة</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help.</source>
        <translation>عرض هذه المساعدة.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>عرض الإصدار.</translation>
    </message>
    <message>
        <source>A calculator for numbers, calendar dates and clock times.</source>
        <translation>آلة حاسبة للأعداد وتواريخ التقويم وأوقات الساعة.</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options apply as well, among them -platform NAME, -style STYLE
and -qwindowtitle TITLE; see morvelin(1).</source>
        <translation>تنطبق خيارات Qt القياسية أيضًا، ومنها -platform الاسم و-style النمط
و-qwindowtitle العنوان؛ انظر morvelin(1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>وسيط غير متوقع «%1».</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <extracomment>%1 is the program&apos;s name: &quot;Try &apos;morvelin --help&apos;.&quot;</extracomment>
        <translation>جرّب «%1 --help».</translation>
    </message>
    <message>
        <source>%1: no display: neither DISPLAY nor WAYLAND_DISPLAY is set. Run it in a graphical session, or with -platform offscreen to run it without a screen.</source>
        <extracomment>%1 is the program&apos;s name; DISPLAY, WAYLAND_DISPLAY and -platform offscreen stay as they are.</extracomment>
        <translation>%1: لا توجد شاشة: لم يُضبط DISPLAY ولا WAYLAND_DISPLAY. شغّل البرنامج في جلسة رسومية، أو مع -platform offscreen لتشغيله دون شاشة.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>ERROR</source>
        <extracomment>The display after an arithmetic error, such as a division by zero. At most about 20 letters.</extracomment>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Error! Wrong Date format</source>
        <extracomment>The display after a date that is not one. At most about 28 letters.</extracomment>
        <translation>خطأ! تنسيق التاريخ غير صحيح</translation>
    </message>
    <message>
        <source>Error! Wrong Time format</source>
        <extracomment>The display after a time that is not one. At most about 28 letters.</extracomment>
        <translation>خطأ! تنسيق الوقت غير صحيح</translation>
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
            <numerusform>%n سنة</numerusform>
            <numerusform>%n سنة</numerusform>
            <numerusform>%n سنة</numerusform>
            <numerusform>%n سنوات</numerusform>
            <numerusform>%n سنة</numerusform>
            <numerusform>%n سنة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Months</source>
        <translation>
            <numerusform>%n شهر</numerusform>
            <numerusform>%n شهر</numerusform>
            <numerusform>%n شهر</numerusform>
            <numerusform>%n أشهر</numerusform>
            <numerusform>%n شهرًا</numerusform>
            <numerusform>%n شهر</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Days</source>
        <translation>
            <numerusform>%n يوم</numerusform>
            <numerusform>%n يوم</numerusform>
            <numerusform>%n يوم</numerusform>
            <numerusform>%n أيام</numerusform>
            <numerusform>%n يومًا</numerusform>
            <numerusform>%n يوم</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Hours</source>
        <translation>
            <numerusform>%n ساعة</numerusform>
            <numerusform>%n ساعة</numerusform>
            <numerusform>%n ساعة</numerusform>
            <numerusform>%n ساعات</numerusform>
            <numerusform>%n ساعة</numerusform>
            <numerusform>%n ساعة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Minutes</source>
        <translation>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقائق</numerusform>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقيقة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Seconds</source>
        <translation>
            <numerusform>%n ثانية</numerusform>
            <numerusform>%n ثانية</numerusform>
            <numerusform>%n ثانية</numerusform>
            <numerusform>%n ثوانٍ</numerusform>
            <numerusform>%n ثانية</numerusform>
            <numerusform>%n ثانية</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FactsText</name>
    <message numerus="yes">
        <source>%Ln day(s)</source>
        <translation>
            <numerusform>%Ln يوم</numerusform>
            <numerusform>يوم واحد</numerusform>
            <numerusform>يومان</numerusform>
            <numerusform>%Ln أيام</numerusform>
            <numerusform>%Ln يومًا</numerusform>
            <numerusform>%Ln يوم</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln month(s)</source>
        <translation>
            <numerusform>%Ln شهر</numerusform>
            <numerusform>شهر واحد</numerusform>
            <numerusform>شهران</numerusform>
            <numerusform>%Ln أشهر</numerusform>
            <numerusform>%Ln شهرًا</numerusform>
            <numerusform>%Ln شهر</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln year(s)</source>
        <translation>
            <numerusform>%Ln سنة</numerusform>
            <numerusform>سنة واحدة</numerusform>
            <numerusform>سنتان</numerusform>
            <numerusform>%Ln سنوات</numerusform>
            <numerusform>%Ln سنة</numerusform>
            <numerusform>%Ln سنة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hour(s)</source>
        <translation>
            <numerusform>%Ln ساعة</numerusform>
            <numerusform>ساعة واحدة</numerusform>
            <numerusform>ساعتان</numerusform>
            <numerusform>%Ln ساعات</numerusform>
            <numerusform>%Ln ساعة</numerusform>
            <numerusform>%Ln ساعة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln minute(s)</source>
        <translation>
            <numerusform>%Ln دقيقة</numerusform>
            <numerusform>دقيقة واحدة</numerusform>
            <numerusform>دقيقتان</numerusform>
            <numerusform>%Ln دقائق</numerusform>
            <numerusform>%Ln دقيقة</numerusform>
            <numerusform>%Ln دقيقة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln second(s)</source>
        <translation>
            <numerusform>%Ln ثانية</numerusform>
            <numerusform>ثانية واحدة</numerusform>
            <numerusform>ثانيتان</numerusform>
            <numerusform>%Ln ثوانٍ</numerusform>
            <numerusform>%Ln ثانية</numerusform>
            <numerusform>%Ln ثانية</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <extracomment>The three counts of a period with their units: &quot;2 hours, 0 minutes and 30 seconds&quot;.</extracomment>
        <translation>%1 و%2 و%3</translation>
    </message>
    <message>
        <source>%1 added</source>
        <extracomment>The period Add moved the date or time by: &quot;1 day, 0 months and 3 years added&quot;.</extracomment>
        <translation>أُضيف %1</translation>
    </message>
    <message>
        <source>%1 subtracted</source>
        <extracomment>The period Sub moved the date or time back by: &quot;1 day, 0 months and 3 years subtracted&quot;.</extracomment>
        <translation>طُرح %1</translation>
    </message>
    <message>
        <source>next day</source>
        <extracomment>A clock time moved past midnight into the next day.</extracomment>
        <translation>في اليوم التالي</translation>
    </message>
    <message>
        <source>previous day</source>
        <translation>في اليوم السابق</translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) later</source>
        <translation>
            <numerusform>بعد %Ln يوم</numerusform>
            <numerusform>بعد يوم واحد</numerusform>
            <numerusform>بعد يومين</numerusform>
            <numerusform>بعد %Ln أيام</numerusform>
            <numerusform>بعد %Ln يومًا</numerusform>
            <numerusform>بعد %Ln يوم</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) earlier</source>
        <translation>
            <numerusform>قبل %Ln يوم</numerusform>
            <numerusform>قبل يوم واحد</numerusform>
            <numerusform>قبل يومين</numerusform>
            <numerusform>قبل %Ln أيام</numerusform>
            <numerusform>قبل %Ln يومًا</numerusform>
            <numerusform>قبل %Ln يوم</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln week(s)</source>
        <translation>
            <numerusform>%Ln أسبوع</numerusform>
            <numerusform>أسبوع واحد</numerusform>
            <numerusform>أسبوعان</numerusform>
            <numerusform>%Ln أسابيع</numerusform>
            <numerusform>%Ln أسبوعًا</numerusform>
            <numerusform>%Ln أسبوع</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two counts: &quot;595 weeks and 3 days&quot;, &quot;1 year and 3 days ago&quot;.</extracomment>
        <translation>%1 و%2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>Two long dates, as the locale writes them: &quot;Thursday, 11 May 2000 to Sunday, 9 October 2011&quot;.</extracomment>
        <translation>من %1 إلى %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln weekday(s)</source>
        <extracomment>Mondays to Fridays.</extracomment>
        <translation>
            <numerusform>%Ln يوم (من الاثنين إلى الجمعة)</numerusform>
            <numerusform>يوم واحد (من الاثنين إلى الجمعة)</numerusform>
            <numerusform>يومان (من الاثنين إلى الجمعة)</numerusform>
            <numerusform>%Ln أيام (من الاثنين إلى الجمعة)</numerusform>
            <numerusform>%Ln يومًا (من الاثنين إلى الجمعة)</numerusform>
            <numerusform>%Ln يوم (من الاثنين إلى الجمعة)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 hours</source>
        <extracomment>%1 is a decimal number of hours, &quot;8.084 hours&quot;.</extracomment>
        <translation>%1 ساعة</translation>
    </message>
    <message numerus="yes">
        <source>%Ln year(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln سنة</numerusform>
            <numerusform>سنة واحدة</numerusform>
            <numerusform>سنتين</numerusform>
            <numerusform>%Ln سنوات</numerusform>
            <numerusform>%Ln سنة</numerusform>
            <numerusform>%Ln سنة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln month(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln شهر</numerusform>
            <numerusform>شهر واحد</numerusform>
            <numerusform>شهرين</numerusform>
            <numerusform>%Ln أشهر</numerusform>
            <numerusform>%Ln شهرًا</numerusform>
            <numerusform>%Ln شهر</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln يوم</numerusform>
            <numerusform>يوم واحد</numerusform>
            <numerusform>يومين</numerusform>
            <numerusform>%Ln أيام</numerusform>
            <numerusform>%Ln يومًا</numerusform>
            <numerusform>%Ln يوم</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <extracomment>A line of a date&apos;s tooltip: the date on show is today&apos;s. &quot;tomorrow&quot; and &quot;yesterday&quot; likewise.</extracomment>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>غدًا</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>أمس</translation>
    </message>
    <message numerus="yes">
        <source>in %Ln day(s)</source>
        <translation>
            <numerusform>بعد %Ln يوم</numerusform>
            <numerusform>بعد يوم واحد</numerusform>
            <numerusform>بعد يومين</numerusform>
            <numerusform>بعد %Ln أيام</numerusform>
            <numerusform>بعد %Ln يومًا</numerusform>
            <numerusform>بعد %Ln يوم</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) ago</source>
        <translation>
            <numerusform>قبل %Ln يوم</numerusform>
            <numerusform>قبل يوم واحد</numerusform>
            <numerusform>قبل يومين</numerusform>
            <numerusform>قبل %Ln أيام</numerusform>
            <numerusform>قبل %Ln يومًا</numerusform>
            <numerusform>قبل %Ln يوم</numerusform>
        </translation>
    </message>
    <message>
        <source>in %1</source>
        <extracomment>A date ahead of today by years, months and days: &quot;in 1 year, 2 months and 3 days&quot;. %1 is made of the counts marked &quot;from today&quot;, which can take the case this phrase needs.</extracomment>
        <translation>بعد %1</translation>
    </message>
    <message>
        <source>%1 ago</source>
        <extracomment>A date before today by years, months and days: &quot;26 years, 6 months and 26 days ago&quot;.</extracomment>
        <translation>قبل %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A date&apos;s distance from today in days, then in years, months and days: &quot;9,706 days ago (26 years, 6 months and 26 days ago)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>week %1, day %2 of %3</source>
        <extracomment>The ISO 8601 week of a date and its day of the year: &quot;week 19, day 132 of 366&quot;.</extracomment>
        <translation>الأسبوع %1، اليوم %2 من %3</translation>
    </message>
    <message>
        <source>week %1 of %2, day %3 of %4</source>
        <extracomment>As &quot;week %1, day %2 of %3&quot;, for a week that belongs to the year before or after the date&apos;s: &quot;week 1 of 2009, day 364 of 366&quot; for 29 December 2008.</extracomment>
        <translation>الأسبوع %1 من عام %2، اليوم %3 من %4</translation>
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
        <translation>تنسيق التاريخ يوم/شهر/سنة</translation>
    </message>
    <message>
        <source>DIF</source>
        <extracomment>A heading: the key caption &quot;Dif&quot; in upper case.</extracomment>
        <translation>فرق</translation>
    </message>
    <message>
        <source>SUB</source>
        <extracomment>A heading: the key caption &quot;Sub&quot; in upper case.</extracomment>
        <translation>طرح</translation>
    </message>
    <message>
        <source>ADD</source>
        <extracomment>A heading: the key caption &quot;Add&quot; in upper case.</extracomment>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>Time Format hh:mm:ss</source>
        <extracomment>The first line of the Time help: the entry format, in the letters of the language.</extracomment>
        <translation>تنسيق الوقت ساعة:دقيقة:ثانية</translation>
    </message>
</context>
<context>
    <name>Key</name>
    <message>
        <source>Backspace</source>
        <extracomment>Key: deletes the last character typed (the wide key at the top left).</extracomment>
        <translation>حذف</translation>
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
        <translation>فرق</translation>
    </message>
    <message>
        <source>Sub</source>
        <extracomment>Key in Date and Time mode: subtract a period from a date or time (not the number operator). At most 4 or 5 letters.</extracomment>
        <translation>طرح</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Key in Date and Time mode: add a period to a date or time. At most 4 or 5 letters.</extracomment>
        <translation>إضافة</translation>
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
        <translation>رقم</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>تاريخ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>وقت</translation>
    </message>
    <message>
        <source>Modul</source>
        <extracomment>The caption of the frame round the three mode buttons (&quot;Mode&quot;).</extracomment>
        <translation>الوضع</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>The display&apos;s context menu in Date mode: types today&apos;s date.</extracomment>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>The display&apos;s context menu in Time mode: types the time now.</extracomment>
        <translation>الآن</translation>
    </message>
</context>
</TS>
