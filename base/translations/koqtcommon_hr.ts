<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr" sourcelanguage="en">
<context>
    <name>CommonDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
</context>
<context>
    <name>UI_MainHeader</name>
    <message>
        <source>Connect</source>
        <translation>Poveži</translation>
    </message>
    <message>
        <source>Alt-Az Mode</source>
        <translation>Azimutalni način</translation>
    </message>
    <message>
        <source>Equatorial Mode</source>
        <translation>Ekvatorijalni način</translation>
    </message>
</context>
<context>
    <name>cardinal_direction</name>
    <message>
        <source>N</source>
        <translation>S</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>SI</translation>
    </message>
    <message>
        <source>E</source>
        <translation>I</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>JI</translation>
    </message>
    <message>
        <source>S</source>
        <translation>J</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>JZ</translation>
    </message>
    <message>
        <source>W</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>SZ</translation>
    </message>
    <message>
        <source>%1°%2′%3</source>
        <translation>%1°%2′%3</translation>
    </message>
</context>
</TS>
