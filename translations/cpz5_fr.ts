<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CCloneProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>This data was not read from the connected radio and may hold settings
that the radio does not expect.

Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clone completed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read &lt;- TR failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write -&gt; TR failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio could not be identified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connected radio is not a QM-Z5 of a revision this program knows.

Nothing was transferred.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The serial port could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio&apos;s memory was read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data was written into the radio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The serial port %1 could not be opened.

- Is the cloning cable plugged into this computer?
- Is the right port chosen in the COM Port menu?
- Are you allowed to use the device? Your user must be in the group
  that owns it (often &quot;dialout&quot;: see ls -l %1), then log in again.
- Is another program using the port?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading from the radio...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing to the radio...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data has been changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and reading from the radio will replace it.

Read from the radio?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data will be written into the radio and replace its memory.

Write to the radio?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model version mismatch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio did not answer as expected.

Check that the cloning cable is connected to the radio and to this
computer, that the radio is switched on, and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect the radio to this computer with the cloning cable and switch
it on. Choose the port of the cable, then press OK: the program asks
the radio for its version and options and remembers them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port of the cloning cable:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The version of the connected radio differs from the version this
program was set up for, or the setup was never completed.

Run the setup again with the radio connected: start the program
with the option -S (or cpz5-cli setup).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cloning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The read succeeded, but it could not be kept in the radio history:
%1

Reads are not kept until this is solved; this message is not shown
again in this session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backing up the radio before writing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup failed: nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio&apos;s memory could not be read and kept before the write:
%1

Nothing was written into the radio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the radio back to check the write...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written and checked: the radio holds what was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check after writing failed: the radio holds other data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The write ended, but the radio does not hold what was sent:

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The write ended, but the radio could not be read back to check it.

Read it again or write once more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio answered, but the temporary clone file could not be used:
%1

Nothing in the document was changed. Check the free space and the
permissions of the temporary folder (TMPDIR), then try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
