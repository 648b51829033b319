<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eo" sourcelanguage="en">
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosiero</translation>
    </message>
</context>
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Play song</source>
        <translation>Ludi kanton</translation>
    </message>
</context>
</TS>
