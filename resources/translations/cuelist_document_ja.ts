<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CCueDoc</name>
    <message>
        <location filename="../../src/document/cuedoc.cpp" line="101"/>
        <source>File is already setup. Do you want to save changes?</source>
        <translation>ファイルは既に設定されています。変更してもよろしいですか?</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocedit.cpp" line="120"/>
        <source>Select File</source>
        <translation>ファイル選択</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocedit.cpp" line="128"/>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocedit.cpp" line="135"/>
        <location filename="../../src/document/cuedocedit.cpp" line="141"/>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocedit.cpp" line="150"/>
        <location filename="../../src/document/cuedocedit.cpp" line="157"/>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocedit.cpp" line="168"/>
        <source>Move</source>
        <translation>移動</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocedit.cpp" line="183"/>
        <source>Undo(&amp;U)</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocedit.cpp" line="185"/>
        <source>Undo %1(&amp;U)</source>
        <translation>元に戻す: %1(&amp;U)</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocedit.cpp" line="189"/>
        <source>Redo(&amp;R)</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocedit.cpp" line="191"/>
        <source>Redo %1(&amp;R)</source>
        <translation>やり直し: %1(&amp;R)</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocedit.cpp" line="186"/>
        <source>Undo %1</source>
        <translation>元に戻す: %1</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocedit.cpp" line="192"/>
        <source>Redo %1</source>
        <translation>やり直し: %1</translation>
    </message>
</context>
</TS>
