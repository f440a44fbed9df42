<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro" sourcelanguage="en">
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Reușit</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Răspuns negativ</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Eroare de comunicare</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Operațiune anulată</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Răspuns neașteptat</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Conectare</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Conectarea nu este posibilă</translation>
    </message>
    <message>
        <source>Cannot detect mount mode</source>
        <translation>Modul monturii nu poate fi detectat</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Deconectare</translation>
    </message>
</context>
</TS>
