<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>An&amp;ulează</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refă</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taie</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiază</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lipește</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Șterge</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selectează t&amp;ot</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>An&amp;ulează</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refă</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taie</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiază</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Copiază adresa &amp;legăturii</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lipește</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Șterge</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selectează t&amp;ot</translation>
    </message>
</context>
<context>
    <name>QSpiAccessibleBridge</name>
    <message>
        <source>frame</source>
        <translation>cadru</translation>
    </message>
    <message>
        <source>panel</source>
        <translation>panou</translation>
    </message>
    <message>
        <source>label</source>
        <translation>etichetă</translation>
    </message>
    <message>
        <source>combo box</source>
        <translation>căsuță combo</translation>
    </message>
    <message>
        <source>push button</source>
        <translation>buton</translation>
    </message>
    <message>
        <source>list</source>
        <translation>listă</translation>
    </message>
    <message>
        <source>list item</source>
        <translation>element de listă</translation>
    </message>
    <message>
        <source>alert message</source>
        <translation>mesaj de alertă</translation>
    </message>
    <message>
        <source>popup menu</source>
        <translation>meniu contextual</translation>
    </message>
    <message>
        <source>menu item</source>
        <translation>element de meniu</translation>
    </message>
    <message>
        <source>application</source>
        <translation>aplicație</translation>
    </message>
</context>
</TS>
