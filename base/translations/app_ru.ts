<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Успешно</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Отрицательный ответ</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Ошибка связи</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Операция отменена</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Неожиданный ответ</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Не удаётся подключиться</translation>
    </message>
    <message>
        <source>Cannot detect mount mode</source>
        <translation>Не удаётся определить режим монтировки</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Отключение</translation>
    </message>
</context>
</TS>
