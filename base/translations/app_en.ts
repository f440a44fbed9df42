<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>TrackingPage</name>
    <message numerus="yes">
        <source>Playback requires up to %n minutes to become stable</source>
        <translation>
            <numerusform>Playback requires up to %n minute to become stable</numerusform>
            <numerusform>Playback requires up to %n minutes to become stable</numerusform>
        </translation>
    </message>
</context>
</TS>
