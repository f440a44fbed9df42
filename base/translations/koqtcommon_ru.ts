<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>CommonDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>UI_MainHeader</name>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Alt-Az Mode</source>
        <translation>Азимутальный режим</translation>
    </message>
    <message>
        <source>Equatorial Mode</source>
        <translation>Экваториальный режим</translation>
    </message>
</context>
<context>
    <name>cardinal_direction</name>
    <message>
        <source>N</source>
        <translation>С</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>СВ</translation>
    </message>
    <message>
        <source>E</source>
        <translation>В</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>ЮВ</translation>
    </message>
    <message>
        <source>S</source>
        <translation>Ю</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>ЮЗ</translation>
    </message>
    <message>
        <source>W</source>
        <translation>З</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>СЗ</translation>
    </message>
    <message>
        <source>%1°%2′%3</source>
        <translation>%1°%2′%3</translation>
    </message>
</context>
</TS>
