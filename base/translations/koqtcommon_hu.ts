<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="en">
<context>
    <name>CommonDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
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
        <translation>Csatlakozás</translation>
    </message>
    <message>
        <source>Alt-Az Mode</source>
        <translation>Alt-Az mód</translation>
    </message>
    <message>
        <source>Equatorial Mode</source>
        <translation>Ekvatoriális mód</translation>
    </message>
</context>
<context>
    <name>cardinal_direction</name>
    <message>
        <source>N</source>
        <translation>É</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>ÉK</translation>
    </message>
    <message>
        <source>E</source>
        <translation>K</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>DK</translation>
    </message>
    <message>
        <source>S</source>
        <translation>D</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>DNy</translation>
    </message>
    <message>
        <source>W</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>ÉNy</translation>
    </message>
    <message>
        <source>%1°%2′%3</source>
        <translation>%1°%2′%3</translation>
    </message>
</context>
</TS>
