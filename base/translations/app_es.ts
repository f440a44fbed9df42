<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Respuesta negativa</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Error de comunicación</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Operación cancelada</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Respuesta inesperada</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Conectando</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>No se puede conectar</translation>
    </message>
    <message>
        <source>Cannot detect mount mode</source>
        <translation>No se puede detectar el modo de la montura</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Desconectando</translation>
    </message>
</context>
</TS>
