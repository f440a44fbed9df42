<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="en">
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Sikeres</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Negatív válasz</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Kommunikációs hiba</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Művelet megszakítva</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Váratlan válasz</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Csatlakozás</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Nem sikerült csatlakozni</translation>
    </message>
    <message>
        <source>Cannot detect mount mode</source>
        <translation>Nem ismerhető fel a mechanika üzemmódja</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Kapcsolat bontása</translation>
    </message>
</context>
</TS>
