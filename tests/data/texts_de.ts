<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>quarvel::Data</name>
    <message>
        <source>The value &apos;%1&apos; of the field &apos;%2&apos; is not a valid date.</source>
        <translation>Der Wert &apos;%1&apos; des Feldes &apos;%2&apos; ist kein gültiges Datum.</translation>
    </message>
</context>
</TS>
