<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr" sourcelanguage="en">
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Uspješno</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Negativan odgovor</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Pogreška u komunikaciji</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Radnja otkazana</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Neočekivani odgovor</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Povezivanje</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Povezivanje nije moguće</translation>
    </message>
    <message>
        <source>Cannot detect mount mode</source>
        <translation>Nije moguće prepoznati način rada montaže</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Prekidanje veze</translation>
    </message>
</context>
</TS>
