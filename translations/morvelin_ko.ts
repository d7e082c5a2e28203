<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>AccessibleKey</name>
    <message>
        <source>Types the digit %1</source>
        <extracomment>A digit key&apos;s description for screen readers; %1 is the digit.</extracomment>
        <translation>숫자 %1 입력</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>백스페이스</translation>
    </message>
    <message>
        <source>Deletes the last character of the entry</source>
        <translation>입력한 마지막 문자를 지웁니다</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>입력 지우기</translation>
    </message>
    <message>
        <source>Clears the entry and keeps the calculation</source>
        <translation>입력을 지우고 계산은 유지합니다</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>모두 지우기</translation>
    </message>
    <message>
        <source>Clears the entry and the calculation</source>
        <translation>입력과 계산을 모두 지웁니다</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>소수점</translation>
    </message>
    <message>
        <source>Types the decimal point</source>
        <translation>소수점을 입력합니다</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>더하기</translation>
    </message>
    <message>
        <source>Adds the next number to this one</source>
        <translation>이 수에 다음 수를 더합니다</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>빼기</translation>
    </message>
    <message>
        <source>Subtracts the next number from this one</source>
        <translation>이 수에서 다음 수를 뺍니다</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>곱하기</translation>
    </message>
    <message>
        <source>Multiplies this number by the next</source>
        <translation>이 수에 다음 수를 곱합니다</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>나누기</translation>
    </message>
    <message>
        <source>Divides this number by the next</source>
        <translation>이 수를 다음 수로 나눕니다</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>같음</translation>
    </message>
    <message>
        <source>Shows the result; pressed again, repeats the last operation</source>
        <translation>결과를 표시합니다. 다시 누르면 마지막 연산을 반복합니다</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>퍼센트</translation>
    </message>
    <message>
        <source>Takes the entry as a percentage of the first number</source>
        <translation>입력값을 첫 번째 수에 대한 백분율로 계산합니다</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>부호 바꾸기</translation>
    </message>
    <message>
        <source>Changes the sign of the entry</source>
        <translation>입력값의 부호를 바꿉니다</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>역수</translation>
    </message>
    <message>
        <source>Divides 1 by the entry</source>
        <translation>1을 입력값으로 나눕니다</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>제곱근</translation>
    </message>
    <message>
        <source>Takes the square root of the entry</source>
        <translation>입력값의 제곱근을 구합니다</translation>
    </message>
    <message>
        <source>Date separator</source>
        <translation>날짜 구분 기호</translation>
    </message>
    <message>
        <source>Types the slash between day, month and year</source>
        <translation>일, 월, 년 사이의 슬래시를 입력합니다</translation>
    </message>
    <message>
        <source>Add period</source>
        <translation>기간 더하기</translation>
    </message>
    <message>
        <source>Adds a period of days/months/years to this date</source>
        <translation>이 날짜에 일/월/년 기간을 더합니다</translation>
    </message>
    <message>
        <source>Subtract period</source>
        <translation>기간 빼기</translation>
    </message>
    <message>
        <source>Subtracts a period of days/months/years from this date</source>
        <translation>이 날짜에서 일/월/년 기간을 뺍니다</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>차이</translation>
    </message>
    <message>
        <source>Gives years, months and days between this date and the next</source>
        <translation>이 날짜와 다음 날짜 사이의 년, 월, 일을 구합니다</translation>
    </message>
    <message>
        <source>Shows the resulting date or difference</source>
        <translation>계산된 날짜 또는 차이를 표시합니다</translation>
    </message>
    <message>
        <source>Has no effect on a date</source>
        <translation>날짜에는 적용되지 않습니다</translation>
    </message>
    <message>
        <source>Time separator</source>
        <translation>시간 구분 기호</translation>
    </message>
    <message>
        <source>Types the colon between hours, minutes and seconds</source>
        <translation>시, 분, 초 사이의 콜론을 입력합니다</translation>
    </message>
    <message>
        <source>Adds a period of hours:minutes:seconds to this time</source>
        <translation>이 시각에 시:분:초 형식의 시간을 더합니다</translation>
    </message>
    <message>
        <source>Subtracts a period of hours:minutes:seconds from this time</source>
        <translation>이 시각에서 시:분:초 형식의 시간을 뺍니다</translation>
    </message>
    <message>
        <source>Gives hours, minutes and seconds between this time and the next</source>
        <translation>이 시각과 다음 시각 사이의 시, 분, 초를 구합니다</translation>
    </message>
    <message>
        <source>Shows the resulting time or difference</source>
        <translation>계산된 시각 또는 차이를 표시합니다</translation>
    </message>
    <message>
        <source>Has no effect on a time</source>
        <translation>시각에는 적용되지 않습니다</translation>
    </message>
    <message>
        <source>Not available in this mode</source>
        <translation>이 모드에서는 사용할 수 없습니다</translation>
    </message>
</context>
<context>
    <name>AccessibleMode</name>
    <message>
        <source>Result</source>
        <extracomment>The display&apos;s name for screen readers.</extracomment>
        <translation>결과</translation>
    </message>
    <message>
        <source>Calculates with numbers</source>
        <translation>숫자를 계산합니다</translation>
    </message>
    <message>
        <source>The number being typed, or the result</source>
        <translation>입력 중인 숫자 또는 결과</translation>
    </message>
    <message>
        <source>Calculates with dates, typed dd/mm/yyyy</source>
        <extracomment>The format in the letters of the language; the user still types day/month/year.</extracomment>
        <translation>날짜를 계산합니다(일/월/년 순서로 입력)</translation>
    </message>
    <message>
        <source>The date or period being typed, or the result</source>
        <translation>입력 중인 날짜나 기간 또는 결과</translation>
    </message>
    <message>
        <source>Calculates with clock times, typed hh:mm:ss</source>
        <translation>시각을 계산합니다(시:분:초 순서로 입력)</translation>
    </message>
    <message>
        <source>The time or period being typed, or the result</source>
        <translation>입력 중인 시각이나 기간 또는 결과</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help.</source>
        <translation>이 도움말을 표시합니다.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>버전을 표시합니다.</translation>
    </message>
    <message>
        <source>A calculator for numbers, calendar dates and clock times.</source>
        <translation>숫자, 달력 날짜, 시각을 계산하는 계산기입니다.</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options apply as well, among them -platform NAME, -style STYLE
and -qwindowtitle TITLE; see morvelin(1).</source>
        <translation>Qt의 표준 옵션도 사용할 수 있습니다(-platform 이름, -style 스타일,
-qwindowtitle 제목 등). morvelin(1)을 참조하십시오.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>예기치 않은 인수 &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <extracomment>%1 is the program&apos;s name: &quot;Try &apos;morvelin --help&apos;.&quot;</extracomment>
        <translation>&apos;%1 --help&apos;를 실행해 보십시오.</translation>
    </message>
    <message>
        <source>%1: no display: neither DISPLAY nor WAYLAND_DISPLAY is set. Run it in a graphical session, or with -platform offscreen to run it without a screen.</source>
        <extracomment>%1 is the program&apos;s name; DISPLAY, WAYLAND_DISPLAY and -platform offscreen stay as they are.</extracomment>
        <translation>%1: 디스플레이 없음: DISPLAY와 WAYLAND_DISPLAY가 모두 설정되지 않았습니다. 그래픽 세션에서 실행하거나, 화면 없이 실행하려면 -platform offscreen 옵션을 사용하십시오.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>ERROR</source>
        <extracomment>The display after an arithmetic error, such as a division by zero. At most about 20 letters.</extracomment>
        <translation>오류</translation>
    </message>
    <message>
        <source>Error! Wrong Date format</source>
        <extracomment>The display after a date that is not one. At most about 28 letters.</extracomment>
        <translation>오류! 잘못된 날짜 형식</translation>
    </message>
    <message>
        <source>Error! Wrong Time format</source>
        <extracomment>The display after a time that is not one. At most about 28 letters.</extracomment>
        <translation>오류! 잘못된 시간 형식</translation>
    </message>
    <message>
        <source>%1: %2: %3</source>
        <extracomment>A difference on the display, &quot;11 Years: 4 Months: 28 Days&quot;: %1 to %3 are the three counts with their units, largest first.</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message numerus="yes">
        <source>%n Years</source>
        <extracomment>Part of a difference on the display, plain digits; English keeps &quot;1 Years&quot; (a fixed form).</extracomment>
        <translation>
            <numerusform>%n년</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Months</source>
        <translation>
            <numerusform>%n개월</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Days</source>
        <translation>
            <numerusform>%n일</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Hours</source>
        <translation>
            <numerusform>%n시간</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Minutes</source>
        <translation>
            <numerusform>%n분</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Seconds</source>
        <translation>
            <numerusform>%n초</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FactsText</name>
    <message numerus="yes">
        <source>%Ln day(s)</source>
        <translation>
            <numerusform>%Ln일</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln month(s)</source>
        <translation>
            <numerusform>%Ln개월</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln year(s)</source>
        <translation>
            <numerusform>%Ln년</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hour(s)</source>
        <translation>
            <numerusform>%Ln시간</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln minute(s)</source>
        <translation>
            <numerusform>%Ln분</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln second(s)</source>
        <translation>
            <numerusform>%Ln초</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <extracomment>The three counts of a period with their units: &quot;2 hours, 0 minutes and 30 seconds&quot;.</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1 added</source>
        <extracomment>The period Add moved the date or time by: &quot;1 day, 0 months and 3 years added&quot;.</extracomment>
        <translation>더한 기간: %1</translation>
    </message>
    <message>
        <source>%1 subtracted</source>
        <extracomment>The period Sub moved the date or time back by: &quot;1 day, 0 months and 3 years subtracted&quot;.</extracomment>
        <translation>뺀 기간: %1</translation>
    </message>
    <message>
        <source>next day</source>
        <extracomment>A clock time moved past midnight into the next day.</extracomment>
        <translation>다음 날</translation>
    </message>
    <message>
        <source>previous day</source>
        <translation>전날</translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) later</source>
        <translation>
            <numerusform>%Ln일 후</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) earlier</source>
        <translation>
            <numerusform>%Ln일 전</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln week(s)</source>
        <translation>
            <numerusform>%Ln주</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two counts: &quot;595 weeks and 3 days&quot;, &quot;1 year and 3 days ago&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>Two long dates, as the locale writes them: &quot;Thursday, 11 May 2000 to Sunday, 9 October 2011&quot;.</extracomment>
        <translation>%1 ~ %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln weekday(s)</source>
        <extracomment>Mondays to Fridays.</extracomment>
        <translation>
            <numerusform>평일 %Ln일</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 hours</source>
        <extracomment>%1 is a decimal number of hours, &quot;8.084 hours&quot;.</extracomment>
        <translation>%1시간</translation>
    </message>
    <message numerus="yes">
        <source>%Ln year(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln년</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln month(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln개월</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln일</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <extracomment>A line of a date&apos;s tooltip: the date on show is today&apos;s. &quot;tomorrow&quot; and &quot;yesterday&quot; likewise.</extracomment>
        <translation>오늘</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>내일</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>어제</translation>
    </message>
    <message numerus="yes">
        <source>in %Ln day(s)</source>
        <translation>
            <numerusform>%Ln일 후</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) ago</source>
        <translation>
            <numerusform>%Ln일 전</numerusform>
        </translation>
    </message>
    <message>
        <source>in %1</source>
        <extracomment>A date ahead of today by years, months and days: &quot;in 1 year, 2 months and 3 days&quot;. %1 is made of the counts marked &quot;from today&quot;, which can take the case this phrase needs.</extracomment>
        <translation>%1 후</translation>
    </message>
    <message>
        <source>%1 ago</source>
        <extracomment>A date before today by years, months and days: &quot;26 years, 6 months and 26 days ago&quot;.</extracomment>
        <translation>%1 전</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A date&apos;s distance from today in days, then in years, months and days: &quot;9,706 days ago (26 years, 6 months and 26 days ago)&quot;.</extracomment>
        <translation>%1(%2)</translation>
    </message>
    <message>
        <source>week %1, day %2 of %3</source>
        <extracomment>The ISO 8601 week of a date and its day of the year: &quot;week 19, day 132 of 366&quot;.</extracomment>
        <translation>%1주차, %3일 중 %2일째</translation>
    </message>
    <message>
        <source>week %1 of %2, day %3 of %4</source>
        <extracomment>As &quot;week %1, day %2 of %3&quot;, for a week that belongs to the year before or after the date&apos;s: &quot;week 1 of 2009, day 364 of 366&quot; for 29 December 2008.</extracomment>
        <translation>%2년 %1주차, %4일 중 %3일째</translation>
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
        <translation>날짜 형식 일/월/년</translation>
    </message>
    <message>
        <source>DIF</source>
        <extracomment>A heading: the key caption &quot;Dif&quot; in upper case.</extracomment>
        <translation>차이</translation>
    </message>
    <message>
        <source>SUB</source>
        <extracomment>A heading: the key caption &quot;Sub&quot; in upper case.</extracomment>
        <translation>빼기</translation>
    </message>
    <message>
        <source>ADD</source>
        <extracomment>A heading: the key caption &quot;Add&quot; in upper case.</extracomment>
        <translation>더하기</translation>
    </message>
    <message>
        <source>Time Format hh:mm:ss</source>
        <extracomment>The first line of the Time help: the entry format, in the letters of the language.</extracomment>
        <translation>시간 형식 시:분:초</translation>
    </message>
</context>
<context>
    <name>Key</name>
    <message>
        <source>Backspace</source>
        <extracomment>Key: deletes the last character typed (the wide key at the top left).</extracomment>
        <translation>백스페이스</translation>
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
        <translation>차이</translation>
    </message>
    <message>
        <source>Sub</source>
        <extracomment>Key in Date and Time mode: subtract a period from a date or time (not the number operator). At most 4 or 5 letters.</extracomment>
        <translation>빼기</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Key in Date and Time mode: add a period to a date or time. At most 4 or 5 letters.</extracomment>
        <translation>더하기</translation>
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
        <translation>숫자</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>Modul</source>
        <extracomment>The caption of the frame round the three mode buttons (&quot;Mode&quot;).</extracomment>
        <translation>모드</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>The display&apos;s context menu in Date mode: types today&apos;s date.</extracomment>
        <translation>오늘</translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>The display&apos;s context menu in Time mode: types the time now.</extracomment>
        <translation>현재 시각</translation>
    </message>
</context>
</TS>
