<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Erfolgreich</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Negative Antwort</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Kommunikationsfehler</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Vorgang abgebrochen</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Unerwartete Antwort</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Verbindung nicht möglich</translation>
    </message>
    <message>
        <source>Cannot detect mount mode</source>
        <translation>Montierungsmodus nicht erkennbar</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Trennen</translation>
    </message>
</context>
</TS>
