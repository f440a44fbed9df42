<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>CommonDialog</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UI_MainHeader</name>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt-Az Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equatorial Mode</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cardinal_direction</name>
    <message>
        <source>N</source>
        <translation>北</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>北東</translation>
    </message>
    <message>
        <source>E</source>
        <translation>東</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>南東</translation>
    </message>
    <message>
        <source>S</source>
        <translation>南</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>南西</translation>
    </message>
    <message>
        <source>W</source>
        <translation>西</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>北西</translation>
    </message>
</context>
</TS>
