<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CCueDoc</name>
    <message>
        <location filename="../../src/document/cuedoc.cpp" line="89"/>
        <source>File is already setup. Do you want to save changes?</source>
        <translation>ファイルは既に設定されています。変更してもよろしいですか?</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocedit.cpp" line="108"/>
        <source>Select File</source>
        <translation>ファイル選択</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocedit.cpp" line="116"/>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocedit.cpp" line="123"/>
        <location filename="../../src/document/cuedocedit.cpp" line="129"/>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocedit.cpp" line="138"/>
        <location filename="../../src/document/cuedocedit.cpp" line="145"/>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocedit.cpp" line="156"/>
        <source>Move</source>
        <translation>移動</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocedit.cpp" line="167"/>
        <source>Undo(&amp;U)</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocedit.cpp" line="168"/>
        <source>Undo %1(&amp;U)</source>
        <translation>元に戻す: %1(&amp;U)</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocedit.cpp" line="171"/>
        <source>Redo(&amp;R)</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocedit.cpp" line="172"/>
        <source>Redo %1(&amp;R)</source>
        <translation>やり直し: %1(&amp;R)</translation>
    </message>
</context>
</TS>
