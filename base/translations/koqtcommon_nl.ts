<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>CommonDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>UI_MainHeader</name>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Alt-Az Mode</source>
        <translation>Alt-az-modus</translation>
    </message>
    <message>
        <source>Equatorial Mode</source>
        <translation>Equatoriale modus</translation>
    </message>
</context>
<context>
    <name>cardinal_direction</name>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>E</source>
        <translation>O</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>ZO</translation>
    </message>
    <message>
        <source>S</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>ZW</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>NW</translation>
    </message>
</context>
</TS>
