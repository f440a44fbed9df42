<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Sucesso</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Resposta negativa</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Erro de comunicação</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Operação cancelada</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Resposta inesperada</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>A ligar</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Não é possível ligar</translation>
    </message>
    <message>
        <source>Cannot detect mount mode</source>
        <translation>Não é possível detetar o modo da montagem</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>A desligar</translation>
    </message>
</context>
</TS>
