<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Riuscito</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Risposta negativa</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Errore di comunicazione</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Operazione annullata</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Risposta inattesa</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Connessione</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Impossibile connettersi</translation>
    </message>
    <message>
        <source>Cannot detect mount mode</source>
        <translation>Impossibile rilevare la modalità della montatura</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Disconnessione</translation>
    </message>
</context>
</TS>
