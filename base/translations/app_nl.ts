<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Geslaagd</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Negatief antwoord</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Communicatiefout</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Bewerking geannuleerd</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Onverwacht antwoord</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Kan geen verbinding maken</translation>
    </message>
    <message>
        <source>Cannot detect mount mode</source>
        <translation>Kan de modus van de montering niet bepalen</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Verbinding verbreken</translation>
    </message>
</context>
</TS>
