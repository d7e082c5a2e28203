<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>AccessibleKey</name>
    <message>
        <source>Types the digit %1</source>
        <extracomment>A digit key&apos;s description for screen readers; %1 is the digit.</extracomment>
        <translation>%1 rakamını yazar</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Geri sil</translation>
    </message>
    <message>
        <source>Deletes the last character of the entry</source>
        <translation>Girişin son karakterini siler</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>Girişi temizle</translation>
    </message>
    <message>
        <source>Clears the entry and keeps the calculation</source>
        <translation>Girişi temizler, hesaplamayı korur</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Tümünü temizle</translation>
    </message>
    <message>
        <source>Clears the entry and the calculation</source>
        <translation>Girişi ve hesaplamayı temizler</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Ondalık ayırıcı</translation>
    </message>
    <message>
        <source>Types the decimal point</source>
        <translation>Ondalık ayırıcıyı yazar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Topla</translation>
    </message>
    <message>
        <source>Adds the next number to this one</source>
        <translation>Sonraki sayıyı bu sayıya ekler</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Çıkar</translation>
    </message>
    <message>
        <source>Subtracts the next number from this one</source>
        <translation>Sonraki sayıyı bu sayıdan çıkarır</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Çarp</translation>
    </message>
    <message>
        <source>Multiplies this number by the next</source>
        <translation>Bu sayıyı sonraki sayıyla çarpar</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Böl</translation>
    </message>
    <message>
        <source>Divides this number by the next</source>
        <translation>Bu sayıyı sonraki sayıya böler</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Eşittir</translation>
    </message>
    <message>
        <source>Shows the result; pressed again, repeats the last operation</source>
        <translation>Sonucu gösterir; yeniden basılınca son işlemi tekrarlar</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Yüzde</translation>
    </message>
    <message>
        <source>Takes the entry as a percentage of the first number</source>
        <translation>Girişi ilk sayının yüzdesi olarak alır</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>İşaret değiştir</translation>
    </message>
    <message>
        <source>Changes the sign of the entry</source>
        <translation>Girişin işaretini değiştirir</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Çarpmaya göre ters</translation>
    </message>
    <message>
        <source>Divides 1 by the entry</source>
        <translation>1&apos;i girişe böler</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Karekök</translation>
    </message>
    <message>
        <source>Takes the square root of the entry</source>
        <translation>Girişin karekökünü alır</translation>
    </message>
    <message>
        <source>Date separator</source>
        <translation>Tarih ayırıcı</translation>
    </message>
    <message>
        <source>Types the slash between day, month and year</source>
        <translation>Gün, ay ve yıl arasındaki eğik çizgiyi yazar</translation>
    </message>
    <message>
        <source>Add period</source>
        <translation>Süre ekle</translation>
    </message>
    <message>
        <source>Adds a period of days/months/years to this date</source>
        <translation>Bu tarihe gün/ay/yıl olarak bir süre ekler</translation>
    </message>
    <message>
        <source>Subtract period</source>
        <translation>Süre çıkar</translation>
    </message>
    <message>
        <source>Subtracts a period of days/months/years from this date</source>
        <translation>Bu tarihten gün/ay/yıl olarak bir süre çıkarır</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Fark</translation>
    </message>
    <message>
        <source>Gives years, months and days between this date and the next</source>
        <translation>Bu tarih ile sonraki tarih arasındaki süreyi yıl, ay ve gün olarak verir</translation>
    </message>
    <message>
        <source>Shows the resulting date or difference</source>
        <translation>Elde edilen tarihi ya da farkı gösterir</translation>
    </message>
    <message>
        <source>Has no effect on a date</source>
        <translation>Tarihte etkisi yoktur</translation>
    </message>
    <message>
        <source>Time separator</source>
        <translation>Saat ayırıcı</translation>
    </message>
    <message>
        <source>Types the colon between hours, minutes and seconds</source>
        <translation>Saat, dakika ve saniye arasındaki iki noktayı yazar</translation>
    </message>
    <message>
        <source>Adds a period of hours:minutes:seconds to this time</source>
        <translation>Bu saate saat:dakika:saniye olarak bir süre ekler</translation>
    </message>
    <message>
        <source>Subtracts a period of hours:minutes:seconds from this time</source>
        <translation>Bu saatten saat:dakika:saniye olarak bir süre çıkarır</translation>
    </message>
    <message>
        <source>Gives hours, minutes and seconds between this time and the next</source>
        <translation>Bu saat ile sonraki saat arasındaki süreyi saat, dakika ve saniye olarak verir</translation>
    </message>
    <message>
        <source>Shows the resulting time or difference</source>
        <translation>Elde edilen saati ya da farkı gösterir</translation>
    </message>
    <message>
        <source>Has no effect on a time</source>
        <translation>Saatte etkisi yoktur</translation>
    </message>
    <message>
        <source>Not available in this mode</source>
        <translation>Bu modda kullanılamaz</translation>
    </message>
</context>
<context>
    <name>AccessibleMode</name>
    <message>
        <source>Result</source>
        <extracomment>The display&apos;s name for screen readers.</extracomment>
        <translation>Sonuç</translation>
    </message>
    <message>
        <source>Calculates with numbers</source>
        <translation>Sayılarla hesaplar</translation>
    </message>
    <message>
        <source>The number being typed, or the result</source>
        <translation>Yazılan sayı ya da sonuç</translation>
    </message>
    <message>
        <source>Calculates with dates, typed dd/mm/yyyy</source>
        <extracomment>The format in the letters of the language; the user still types day/month/year.</extracomment>
        <translation>gg/aa/yyyy biçiminde yazılan tarihlerle hesaplar</translation>
    </message>
    <message>
        <source>The date or period being typed, or the result</source>
        <translation>Yazılan tarih veya süre ya da sonuç</translation>
    </message>
    <message>
        <source>Calculates with clock times, typed hh:mm:ss</source>
        <translation>ss:dd:ss biçiminde yazılan saatlerle hesaplar</translation>
    </message>
    <message>
        <source>The time or period being typed, or the result</source>
        <translation>Yazılan saat veya süre ya da sonuç</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help.</source>
        <translation>Bu yardımı göster.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Sürümü göster.</translation>
    </message>
    <message>
        <source>A calculator for numbers, calendar dates and clock times.</source>
        <translation>Sayılar, takvim tarihleri ve saatler için bir hesap makinesi.</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options apply as well, among them -platform NAME, -style STYLE
and -qwindowtitle TITLE; see morvelin(1).</source>
        <translation>Qt&apos;nin standart seçenekleri de geçerlidir, aralarında -platform AD, -style STİL
ve -qwindowtitle BAŞLIK bulunur; bkz. morvelin(1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Beklenmeyen argüman: “%1”.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <extracomment>%1 is the program&apos;s name: &quot;Try &apos;morvelin --help&apos;.&quot;</extracomment>
        <translation>“%1 --help” komutunu deneyin.</translation>
    </message>
    <message>
        <source>%1: no display: neither DISPLAY nor WAYLAND_DISPLAY is set. Run it in a graphical session, or with -platform offscreen to run it without a screen.</source>
        <extracomment>%1 is the program&apos;s name; DISPLAY, WAYLAND_DISPLAY and -platform offscreen stay as they are.</extracomment>
        <translation>%1: ekran yok: ne DISPLAY ne de WAYLAND_DISPLAY ayarlı. Programı grafik bir oturumda çalıştırın ya da ekransız çalıştırmak için -platform offscreen ile başlatın.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>ERROR</source>
        <extracomment>The display after an arithmetic error, such as a division by zero. At most about 20 letters.</extracomment>
        <translation>HATA</translation>
    </message>
    <message>
        <source>Error! Wrong Date format</source>
        <extracomment>The display after a date that is not one. At most about 28 letters.</extracomment>
        <translation>Hata! Yanlış tarih biçimi</translation>
    </message>
    <message>
        <source>Error! Wrong Time format</source>
        <extracomment>The display after a time that is not one. At most about 28 letters.</extracomment>
        <translation>Hata! Yanlış saat biçimi</translation>
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
            <numerusform>%n yıl</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Months</source>
        <translation>
            <numerusform>%n ay</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Days</source>
        <translation>
            <numerusform>%n gün</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Hours</source>
        <translation>
            <numerusform>%n saat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Minutes</source>
        <translation>
            <numerusform>%n dakika</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Seconds</source>
        <translation>
            <numerusform>%n saniye</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FactsText</name>
    <message numerus="yes">
        <source>%Ln day(s)</source>
        <translation>
            <numerusform>%Ln gün</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln month(s)</source>
        <translation>
            <numerusform>%Ln ay</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln year(s)</source>
        <translation>
            <numerusform>%Ln yıl</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hour(s)</source>
        <translation>
            <numerusform>%Ln saat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln minute(s)</source>
        <translation>
            <numerusform>%Ln dakika</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln second(s)</source>
        <translation>
            <numerusform>%Ln saniye</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <extracomment>The three counts of a period with their units: &quot;2 hours, 0 minutes and 30 seconds&quot;.</extracomment>
        <translation>%1, %2 ve %3</translation>
    </message>
    <message>
        <source>%1 added</source>
        <extracomment>The period Add moved the date or time by: &quot;1 day, 0 months and 3 years added&quot;.</extracomment>
        <translation>%1 eklendi</translation>
    </message>
    <message>
        <source>%1 subtracted</source>
        <extracomment>The period Sub moved the date or time back by: &quot;1 day, 0 months and 3 years subtracted&quot;.</extracomment>
        <translation>%1 çıkarıldı</translation>
    </message>
    <message>
        <source>next day</source>
        <extracomment>A clock time moved past midnight into the next day.</extracomment>
        <translation>ertesi gün</translation>
    </message>
    <message>
        <source>previous day</source>
        <translation>bir önceki gün</translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) later</source>
        <translation>
            <numerusform>%Ln gün sonra</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) earlier</source>
        <translation>
            <numerusform>%Ln gün önce</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln week(s)</source>
        <translation>
            <numerusform>%Ln hafta</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two counts: &quot;595 weeks and 3 days&quot;, &quot;1 year and 3 days ago&quot;.</extracomment>
        <translation>%1 ve %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>Two long dates, as the locale writes them: &quot;Thursday, 11 May 2000 to Sunday, 9 October 2011&quot;.</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln weekday(s)</source>
        <extracomment>Mondays to Fridays.</extracomment>
        <translation>
            <numerusform>%Ln iş günü</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 hours</source>
        <extracomment>%1 is a decimal number of hours, &quot;8.084 hours&quot;.</extracomment>
        <translation>%1 saat</translation>
    </message>
    <message numerus="yes">
        <source>%Ln year(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln yıl</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln month(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln ay</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln gün</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <extracomment>A line of a date&apos;s tooltip: the date on show is today&apos;s. &quot;tomorrow&quot; and &quot;yesterday&quot; likewise.</extracomment>
        <translation>bugün</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>yarın</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>dün</translation>
    </message>
    <message numerus="yes">
        <source>in %Ln day(s)</source>
        <translation>
            <numerusform>%Ln gün sonra</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) ago</source>
        <translation>
            <numerusform>%Ln gün önce</numerusform>
        </translation>
    </message>
    <message>
        <source>in %1</source>
        <extracomment>A date ahead of today by years, months and days: &quot;in 1 year, 2 months and 3 days&quot;. %1 is made of the counts marked &quot;from today&quot;, which can take the case this phrase needs.</extracomment>
        <translation>%1 sonra</translation>
    </message>
    <message>
        <source>%1 ago</source>
        <extracomment>A date before today by years, months and days: &quot;26 years, 6 months and 26 days ago&quot;.</extracomment>
        <translation>%1 önce</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A date&apos;s distance from today in days, then in years, months and days: &quot;9,706 days ago (26 years, 6 months and 26 days ago)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>week %1, day %2 of %3</source>
        <extracomment>The ISO 8601 week of a date and its day of the year: &quot;week 19, day 132 of 366&quot;.</extracomment>
        <translation>%1. hafta, %3 günlük yılın %2. günü</translation>
    </message>
    <message>
        <source>week %1 of %2, day %3 of %4</source>
        <extracomment>As &quot;week %1, day %2 of %3&quot;, for a week that belongs to the year before or after the date&apos;s: &quot;week 1 of 2009, day 364 of 366&quot; for 29 December 2008.</extracomment>
        <translation>%2 yılının %1. haftası, %4 günlük yılın %3. günü</translation>
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
        <translation>Tarih biçimi gg/aa/yyyy</translation>
    </message>
    <message>
        <source>DIF</source>
        <extracomment>A heading: the key caption &quot;Dif&quot; in upper case.</extracomment>
        <translation>FARK</translation>
    </message>
    <message>
        <source>SUB</source>
        <extracomment>A heading: the key caption &quot;Sub&quot; in upper case.</extracomment>
        <translation>ÇIKAR</translation>
    </message>
    <message>
        <source>ADD</source>
        <extracomment>A heading: the key caption &quot;Add&quot; in upper case.</extracomment>
        <translation>EKLE</translation>
    </message>
    <message>
        <source>Time Format hh:mm:ss</source>
        <extracomment>The first line of the Time help: the entry format, in the letters of the language.</extracomment>
        <translation>Saat biçimi ss:dd:ss</translation>
    </message>
</context>
<context>
    <name>Key</name>
    <message>
        <source>Backspace</source>
        <extracomment>Key: deletes the last character typed (the wide key at the top left).</extracomment>
        <translation>Geri Sil</translation>
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
        <translation>Fark</translation>
    </message>
    <message>
        <source>Sub</source>
        <extracomment>Key in Date and Time mode: subtract a period from a date or time (not the number operator). At most 4 or 5 letters.</extracomment>
        <translation>Çıkar</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Key in Date and Time mode: add a period to a date or time. At most 4 or 5 letters.</extracomment>
        <translation>Ekle</translation>
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
        <translation>Sayı</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Saat</translation>
    </message>
    <message>
        <source>Modul</source>
        <extracomment>The caption of the frame round the three mode buttons (&quot;Mode&quot;).</extracomment>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>The display&apos;s context menu in Date mode: types today&apos;s date.</extracomment>
        <translation>Bugün</translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>The display&apos;s context menu in Time mode: types the time now.</extracomment>
        <translation>Şimdi</translation>
    </message>
</context>
</TS>
