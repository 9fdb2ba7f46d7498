<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CSample</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 channels imported.</source>
        <translation>%1 Kanäle importiert.</translation>
    </message>
    <message>
        <source>Read &lt;- TR failed.</source>
        <translation>Lesen &lt;- TR fehlgeschlagen.</translation>
    </message>
</context>
</TS>
