<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh" sourcelanguage="en">
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>否定应答</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>通信错误</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>操作已取消</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>意外应答</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>正在连接</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>无法连接</translation>
    </message>
    <message>
        <source>Cannot detect mount mode</source>
        <translation>无法检测支架模式</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>正在断开连接</translation>
    </message>
</context>
</TS>
