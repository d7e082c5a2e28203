<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AccessibleKey</name>
    <message>
        <source>Types the digit %1</source>
        <extracomment>A digit key&apos;s description for screen readers; %1 is the digit.</extracomment>
        <translation>输入数字 %1</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>退格</translation>
    </message>
    <message>
        <source>Deletes the last character of the entry</source>
        <translation>删除输入的最后一个字符</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>清除输入</translation>
    </message>
    <message>
        <source>Clears the entry and keeps the calculation</source>
        <translation>清除输入，保留当前计算</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>Clears the entry and the calculation</source>
        <translation>清除输入和当前计算</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>小数点</translation>
    </message>
    <message>
        <source>Types the decimal point</source>
        <translation>输入小数点</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>加</translation>
    </message>
    <message>
        <source>Adds the next number to this one</source>
        <translation>将下一个数加到此数上</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>减</translation>
    </message>
    <message>
        <source>Subtracts the next number from this one</source>
        <translation>从此数中减去下一个数</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>乘</translation>
    </message>
    <message>
        <source>Multiplies this number by the next</source>
        <translation>将此数乘以下一个数</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>除</translation>
    </message>
    <message>
        <source>Divides this number by the next</source>
        <translation>将此数除以下一个数</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>等于</translation>
    </message>
    <message>
        <source>Shows the result; pressed again, repeats the last operation</source>
        <translation>显示结果；再次按下则重复上一次运算</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>百分比</translation>
    </message>
    <message>
        <source>Takes the entry as a percentage of the first number</source>
        <translation>将输入值作为第一个数的百分比计算</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>切换正负号</translation>
    </message>
    <message>
        <source>Changes the sign of the entry</source>
        <translation>改变输入值的正负号</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>倒数</translation>
    </message>
    <message>
        <source>Divides 1 by the entry</source>
        <translation>用 1 除以输入值</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>平方根</translation>
    </message>
    <message>
        <source>Takes the square root of the entry</source>
        <translation>求输入值的平方根</translation>
    </message>
    <message>
        <source>Date separator</source>
        <translation>日期分隔符</translation>
    </message>
    <message>
        <source>Types the slash between day, month and year</source>
        <translation>输入日、月、年之间的斜杠</translation>
    </message>
    <message>
        <source>Add period</source>
        <translation>加上时间段</translation>
    </message>
    <message>
        <source>Adds a period of days/months/years to this date</source>
        <translation>给此日期加上以 日/月/年 表示的时间段</translation>
    </message>
    <message>
        <source>Subtract period</source>
        <translation>减去时间段</translation>
    </message>
    <message>
        <source>Subtracts a period of days/months/years from this date</source>
        <translation>从此日期减去以 日/月/年 表示的时间段</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差值</translation>
    </message>
    <message>
        <source>Gives years, months and days between this date and the next</source>
        <translation>计算此日期与下一个日期之间相差的年、月、日</translation>
    </message>
    <message>
        <source>Shows the resulting date or difference</source>
        <translation>显示所得日期或差值</translation>
    </message>
    <message>
        <source>Has no effect on a date</source>
        <translation>对日期无效</translation>
    </message>
    <message>
        <source>Time separator</source>
        <translation>时间分隔符</translation>
    </message>
    <message>
        <source>Types the colon between hours, minutes and seconds</source>
        <translation>输入时、分、秒之间的冒号</translation>
    </message>
    <message>
        <source>Adds a period of hours:minutes:seconds to this time</source>
        <translation>给此时间加上以 时:分:秒 表示的时长</translation>
    </message>
    <message>
        <source>Subtracts a period of hours:minutes:seconds from this time</source>
        <translation>从此时间减去以 时:分:秒 表示的时长</translation>
    </message>
    <message>
        <source>Gives hours, minutes and seconds between this time and the next</source>
        <translation>计算此时间与下一个时间之间相差的时、分、秒</translation>
    </message>
    <message>
        <source>Shows the resulting time or difference</source>
        <translation>显示所得时间或差值</translation>
    </message>
    <message>
        <source>Has no effect on a time</source>
        <translation>对时间无效</translation>
    </message>
    <message>
        <source>Not available in this mode</source>
        <translation>此模式下不可用</translation>
    </message>
</context>
<context>
    <name>AccessibleMode</name>
    <message>
        <source>Result</source>
        <extracomment>The display&apos;s name for screen readers.</extracomment>
        <translation>结果</translation>
    </message>
    <message>
        <source>Calculates with numbers</source>
        <translation>数值计算</translation>
    </message>
    <message>
        <source>The number being typed, or the result</source>
        <translation>正在输入的数值，或计算结果</translation>
    </message>
    <message>
        <source>Calculates with dates, typed dd/mm/yyyy</source>
        <extracomment>The format in the letters of the language; the user still types day/month/year.</extracomment>
        <translation>日期计算，按 日/月/年 的顺序输入</translation>
    </message>
    <message>
        <source>The date or period being typed, or the result</source>
        <translation>正在输入的日期或时间段，或计算结果</translation>
    </message>
    <message>
        <source>Calculates with clock times, typed hh:mm:ss</source>
        <translation>时间计算，按 时:分:秒 的顺序输入</translation>
    </message>
    <message>
        <source>The time or period being typed, or the result</source>
        <translation>正在输入的时间或时长，或计算结果</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help.</source>
        <translation>显示此帮助。</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>显示版本。</translation>
    </message>
    <message>
        <source>A calculator for numbers, calendar dates and clock times.</source>
        <translation>用于数值、日历日期和时钟时间的计算器。</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options apply as well, among them -platform NAME, -style STYLE
and -qwindowtitle TITLE; see morvelin(1).</source>
        <translation>也可使用 Qt 的标准选项，其中包括 -platform 名称、-style 样式
和 -qwindowtitle 标题；参见 morvelin(1)。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>意外的参数“%1”。</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <extracomment>%1 is the program&apos;s name: &quot;Try &apos;morvelin --help&apos;.&quot;</extracomment>
        <translation>请尝试“%1 --help”。</translation>
    </message>
    <message>
        <source>%1: no display: neither DISPLAY nor WAYLAND_DISPLAY is set. Run it in a graphical session, or with -platform offscreen to run it without a screen.</source>
        <extracomment>%1 is the program&apos;s name; DISPLAY, WAYLAND_DISPLAY and -platform offscreen stay as they are.</extracomment>
        <translation>%1: 无显示环境：DISPLAY 和 WAYLAND_DISPLAY 均未设置。请在图形会话中运行，或使用 -platform offscreen 在没有屏幕的情况下运行。</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>ERROR</source>
        <extracomment>The display after an arithmetic error, such as a division by zero. At most about 20 letters.</extracomment>
        <translation>错误</translation>
    </message>
    <message>
        <source>Error! Wrong Date format</source>
        <extracomment>The display after a date that is not one. At most about 28 letters.</extracomment>
        <translation>错误！日期格式不正确</translation>
    </message>
    <message>
        <source>Error! Wrong Time format</source>
        <extracomment>The display after a time that is not one. At most about 28 letters.</extracomment>
        <translation>错误！时间格式不正确</translation>
    </message>
    <message>
        <source>%1: %2: %3</source>
        <extracomment>A difference on the display, &quot;11 Years: 4 Months: 28 Days&quot;: %1 to %3 are the three counts with their units, largest first.</extracomment>
        <translation>%1%2%3</translation>
    </message>
    <message numerus="yes">
        <source>%n Years</source>
        <extracomment>Part of a difference on the display, plain digits; English keeps &quot;1 Years&quot; (a fixed form).</extracomment>
        <translation>
            <numerusform>%n年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Months</source>
        <translation>
            <numerusform>%n个月</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Days</source>
        <translation>
            <numerusform>%n天</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Hours</source>
        <translation>
            <numerusform>%n小时</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Minutes</source>
        <translation>
            <numerusform>%n分钟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Seconds</source>
        <translation>
            <numerusform>%n秒</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FactsText</name>
    <message numerus="yes">
        <source>%Ln day(s)</source>
        <translation>
            <numerusform>%Ln天</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln month(s)</source>
        <translation>
            <numerusform>%Ln个月</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln year(s)</source>
        <translation>
            <numerusform>%Ln年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hour(s)</source>
        <translation>
            <numerusform>%Ln小时</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln minute(s)</source>
        <translation>
            <numerusform>%Ln分钟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln second(s)</source>
        <translation>
            <numerusform>%Ln秒</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <extracomment>The three counts of a period with their units: &quot;2 hours, 0 minutes and 30 seconds&quot;.</extracomment>
        <translation>%1、%2和%3</translation>
    </message>
    <message>
        <source>%1 added</source>
        <extracomment>The period Add moved the date or time by: &quot;1 day, 0 months and 3 years added&quot;.</extracomment>
        <translation>已加上%1</translation>
    </message>
    <message>
        <source>%1 subtracted</source>
        <extracomment>The period Sub moved the date or time back by: &quot;1 day, 0 months and 3 years subtracted&quot;.</extracomment>
        <translation>已减去%1</translation>
    </message>
    <message>
        <source>next day</source>
        <extracomment>A clock time moved past midnight into the next day.</extracomment>
        <translation>次日</translation>
    </message>
    <message>
        <source>previous day</source>
        <translation>前一日</translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) later</source>
        <translation>
            <numerusform>%Ln天后</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) earlier</source>
        <translation>
            <numerusform>%Ln天前</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln week(s)</source>
        <translation>
            <numerusform>%Ln周</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two counts: &quot;595 weeks and 3 days&quot;, &quot;1 year and 3 days ago&quot;.</extracomment>
        <translation>%1零%2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>Two long dates, as the locale writes them: &quot;Thursday, 11 May 2000 to Sunday, 9 October 2011&quot;.</extracomment>
        <translation>%1至%2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln weekday(s)</source>
        <extracomment>Mondays to Fridays.</extracomment>
        <translation>
            <numerusform>%Ln个工作日</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 hours</source>
        <extracomment>%1 is a decimal number of hours, &quot;8.084 hours&quot;.</extracomment>
        <translation>%1小时</translation>
    </message>
    <message numerus="yes">
        <source>%Ln year(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln month(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln个月</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln天</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <extracomment>A line of a date&apos;s tooltip: the date on show is today&apos;s. &quot;tomorrow&quot; and &quot;yesterday&quot; likewise.</extracomment>
        <translation>今天</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>明天</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>昨天</translation>
    </message>
    <message numerus="yes">
        <source>in %Ln day(s)</source>
        <translation>
            <numerusform>%Ln天后</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) ago</source>
        <translation>
            <numerusform>%Ln天前</numerusform>
        </translation>
    </message>
    <message>
        <source>in %1</source>
        <extracomment>A date ahead of today by years, months and days: &quot;in 1 year, 2 months and 3 days&quot;. %1 is made of the counts marked &quot;from today&quot;, which can take the case this phrase needs.</extracomment>
        <translation>%1后</translation>
    </message>
    <message>
        <source>%1 ago</source>
        <extracomment>A date before today by years, months and days: &quot;26 years, 6 months and 26 days ago&quot;.</extracomment>
        <translation>%1前</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A date&apos;s distance from today in days, then in years, months and days: &quot;9,706 days ago (26 years, 6 months and 26 days ago)&quot;.</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>week %1, day %2 of %3</source>
        <extracomment>The ISO 8601 week of a date and its day of the year: &quot;week 19, day 132 of 366&quot;.</extracomment>
        <translation>第%1周，全年第%2天（共%3天）</translation>
    </message>
    <message>
        <source>week %1 of %2, day %3 of %4</source>
        <extracomment>As &quot;week %1, day %2 of %3&quot;, for a week that belongs to the year before or after the date&apos;s: &quot;week 1 of 2009, day 364 of 366&quot; for 29 December 2008.</extracomment>
        <translation>第%1周（属于%2年），全年第%3天（共%4天）</translation>
    </message>
    <message>
        <source>%1: %2; %3</source>
        <extracomment>A date of a difference, its distance from today, and its week and day of the year: &quot;Thursday, 11 May 2000: 9,706 days ago; week 19, day 132 of 366&quot;.</extracomment>
        <translation>%1：%2；%3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A date of a difference and its week and day of the year, where today is unknown.</extracomment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Date Format dd/mm/yyyy</source>
        <extracomment>The first line of the Date help: the entry format, in the letters of the language.</extracomment>
        <translation>日期格式 日/月/年</translation>
    </message>
    <message>
        <source>DIF</source>
        <extracomment>A heading: the key caption &quot;Dif&quot; in upper case.</extracomment>
        <translation>差值</translation>
    </message>
    <message>
        <source>SUB</source>
        <extracomment>A heading: the key caption &quot;Sub&quot; in upper case.</extracomment>
        <translation>减去</translation>
    </message>
    <message>
        <source>ADD</source>
        <extracomment>A heading: the key caption &quot;Add&quot; in upper case.</extracomment>
        <translation>加上</translation>
    </message>
    <message>
        <source>Time Format hh:mm:ss</source>
        <extracomment>The first line of the Time help: the entry format, in the letters of the language.</extracomment>
        <translation>时间格式 时:分:秒</translation>
    </message>
</context>
<context>
    <name>Key</name>
    <message>
        <source>Backspace</source>
        <extracomment>Key: deletes the last character typed (the wide key at the top left).</extracomment>
        <translation>退格</translation>
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
        <translation>差值</translation>
    </message>
    <message>
        <source>Sub</source>
        <extracomment>Key in Date and Time mode: subtract a period from a date or time (not the number operator). At most 4 or 5 letters.</extracomment>
        <translation>减去</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Key in Date and Time mode: add a period to a date or time. At most 4 or 5 letters.</extracomment>
        <translation>加上</translation>
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
        <translation>数值</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Modul</source>
        <extracomment>The caption of the frame round the three mode buttons (&quot;Mode&quot;).</extracomment>
        <translation>模式</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>The display&apos;s context menu in Date mode: types today&apos;s date.</extracomment>
        <translation>今天</translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>The display&apos;s context menu in Time mode: types the time now.</extracomment>
        <translation>现在</translation>
    </message>
</context>
</TS>
