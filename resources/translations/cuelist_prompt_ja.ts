<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Prompt</name>
    <message>
        <location filename="../../src/prompt/widgetprompt.cpp" line="10"/>
        <source>playlist</source>
        <translation>playlist</translation>
    </message>
</context>
</TS>
