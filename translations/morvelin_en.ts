<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Display</name>
    <message numerus="yes">
        <source>%n Years</source>
        <extracomment>Part of a difference on the display, plain digits; English keeps &quot;1 Years&quot; (a fixed form).</extracomment>
        <translation>
            <numerusform>%n Years</numerusform>
            <numerusform>%n Years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Months</source>
        <translation>
            <numerusform>%n Months</numerusform>
            <numerusform>%n Months</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Days</source>
        <translation>
            <numerusform>%n Days</numerusform>
            <numerusform>%n Days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Hours</source>
        <translation>
            <numerusform>%n Hours</numerusform>
            <numerusform>%n Hours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Minutes</source>
        <translation>
            <numerusform>%n Minutes</numerusform>
            <numerusform>%n Minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Seconds</source>
        <translation>
            <numerusform>%n Seconds</numerusform>
            <numerusform>%n Seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FactsText</name>
    <message numerus="yes">
        <source>%Ln week(s)</source>
        <translation>
            <numerusform>%Ln week</numerusform>
            <numerusform>%Ln weeks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s)</source>
        <translation>
            <numerusform>%Ln day</numerusform>
            <numerusform>%Ln days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln weekday(s)</source>
        <extracomment>Mondays to Fridays.</extracomment>
        <translation>
            <numerusform>%Ln weekday</numerusform>
            <numerusform>%Ln weekdays</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln second(s)</source>
        <translation>
            <numerusform>%Ln second</numerusform>
            <numerusform>%Ln seconds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) later</source>
        <translation>
            <numerusform>%Ln day later</numerusform>
            <numerusform>%Ln days later</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) earlier</source>
        <translation>
            <numerusform>%Ln day earlier</numerusform>
            <numerusform>%Ln days earlier</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln month(s)</source>
        <translation>
            <numerusform>%Ln month</numerusform>
            <numerusform>%Ln months</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln year(s)</source>
        <translation>
            <numerusform>%Ln year</numerusform>
            <numerusform>%Ln years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hour(s)</source>
        <translation>
            <numerusform>%Ln hour</numerusform>
            <numerusform>%Ln hours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln minute(s)</source>
        <translation>
            <numerusform>%Ln minute</numerusform>
            <numerusform>%Ln minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln year(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln year</numerusform>
            <numerusform>%Ln years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln month(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln month</numerusform>
            <numerusform>%Ln months</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s)</source>
        <comment>from today</comment>
        <translation>
            <numerusform>%Ln day</numerusform>
            <numerusform>%Ln days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln day(s)</source>
        <translation>
            <numerusform>in %Ln day</numerusform>
            <numerusform>in %Ln days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) ago</source>
        <translation>
            <numerusform>%Ln day ago</numerusform>
            <numerusform>%Ln days ago</numerusform>
        </translation>
    </message>
</context>
</TS>
