<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About CP-Z5</source>
        <translation>Über CP-Z5</translation>
    </message>
</context>
<context>
    <name>CChListPrint</name>
    <message>
        <source>(!): outside the bands of the radio&apos;s version</source>
        <translation>(!): außerhalb der Bänder der Version des Funkgeräts</translation>
    </message>
    <message>
        <source>No channel in use.</source>
        <translation>Kein Kanal belegt.</translation>
    </message>
</context>
<context>
    <name>CChannelColumns</name>
    <message>
        <source>The %1 column does not edit.</source>
        <translation>Die Spalte %1 ist nicht bearbeitbar.</translation>
    </message>
    <message>
        <source>Only memory channels have %1.</source>
        <translation>Nur Speicherkanäle haben %1.</translation>
    </message>
    <message>
        <source>The radio has no scrambler unit.</source>
        <translation>Das Funkgerät hat keine Scrambler-Einheit.</translation>
    </message>
    <message>
        <source>“%1” is not one of the %2 choices.</source>
        <translation>„%1“ ist keine der Auswahlmöglichkeiten für %2.</translation>
    </message>
</context>
<context>
    <name>CChannelCsv</name>
    <message>
        <source>Location %1 is also on line %2</source>
        <translation>Speicherplatz %1 steht auch in Zeile %2</translation>
    </message>
    <message>
        <source>%1: larger than %2 bytes, not a channel list</source>
        <translation>%1: größer als %2 Bytes, keine Kanalliste</translation>
    </message>
    <message>
        <source>the data has no memory channels</source>
        <translation>die Daten haben keine Speicherkanäle</translation>
    </message>
    <message>
        <source>the file is empty: no header row</source>
        <translation>die Datei ist leer: keine Kopfzeile</translation>
    </message>
    <message>
        <source>the header row: %1</source>
        <translation>die Kopfzeile: %1</translation>
    </message>
    <message>
        <source>the header row has no %1 column</source>
        <translation>die Kopfzeile hat keine Spalte %1</translation>
    </message>
</context>
<context>
    <name>CChannelGrid</name>
    <message>
        <source>%1: off</source>
        <translation>%1: aus</translation>
    </message>
    <message>
        <source>outside the radio&apos;s receive range</source>
        <translation>außerhalb des Empfangsbereichs des Funkgeräts</translation>
    </message>
    <message>
        <source>TX Power: %1</source>
        <translation>Sendeleistung: %1</translation>
    </message>
    <message>
        <source>inverse polarity</source>
        <translation>invertierte Polarität</translation>
    </message>
    <message>
        <source>normal polarity</source>
        <translation>normale Polarität</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>Inhibit</source>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>not in use</source>
        <translation>nicht belegt</translation>
    </message>
</context>
<context>
    <name>CChannelRowOrder</name>
    <message>
        <source>Move %1</source>
        <translation>%1 verschieben</translation>
    </message>
    <message>
        <source>Move %1 channels</source>
        <translation>%1 Kanäle verschieben</translation>
    </message>
    <message>
        <source>The memory channels are in that order already.</source>
        <translation>Die Speicherkanäle sind bereits in dieser Reihenfolge.</translation>
    </message>
</context>
<context>
    <name>CChannelTableModel</name>
    <message>
        <source>scan edge %1</source>
        <translation>Suchlaufgrenze %1</translation>
    </message>
    <message>
        <source>call channel</source>
        <translation>Anrufkanal</translation>
    </message>
    <message>
        <source>CH %1</source>
        <translation>CH %1</translation>
    </message>
    <message>
        <source>There is no such channel.</source>
        <translation>Diesen Kanal gibt es nicht.</translation>
    </message>
    <message>
        <source>%1 MHz lies outside the radio&apos;s band, %2 to %3 MHz.</source>
        <translation>%1 MHz liegt außerhalb des Bands des Funkgeräts, %2 bis %3 MHz.</translation>
    </message>
    <message>
        <source>%1 MHz lies outside the band of a radio of no known version.</source>
        <translation>%1 MHz liegt außerhalb des Bands eines Funkgeräts ohne bekannte Version.</translation>
    </message>
</context>
<context>
    <name>CCliOptions</name>
    <message>
        <source>--version VALUE is now --market VALUE; --version alone shows the program&apos;s version</source>
        <translation>--version VALUE heißt jetzt --market VALUE; --version allein zeigt die Version des Programms</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>option %1 given twice</source>
        <translation>Option %1 zweimal angegeben</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>Option %1 nimmt keinen Wert</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>Option %1 braucht einen Wert</translation>
    </message>
</context>
<context>
    <name>CCliSession</name>
    <message>
        <source>unknown version %1 (%2)</source>
        <translation>unbekannte Version %1 (%2)</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
</context>
<context>
    <name>CCloneProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CCloneRsEngine</name>
    <message>
        <source>its first line is no model line</source>
        <translation>ihre erste Zeile ist keine Modellzeile</translation>
    </message>
    <message>
        <source>it holds a line that is no data line: %1</source>
        <translation>sie enthält eine Zeile, die keine Datenzeile ist: %1</translation>
    </message>
</context>
<context>
    <name>CCloneRsIoManager</name>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Grund: %1</translation>
    </message>
</context>
<context>
    <name>CCloneSoftMainFrm</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>More Buttons</source>
        <translation>Weitere Schaltflächen</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>nicht verbunden</translation>
    </message>
    <message>
        <source>%1  (%2)</source>
        <translation>%1  (%2)</translation>
    </message>
    <message>
        <source>Common Setting</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>DTMF Autodial</source>
        <translation>DTMF-Autowahl</translation>
    </message>
    <message>
        <source>PGR Memory</source>
        <translation>PGR-Speicher</translation>
    </message>
</context>
<context>
    <name>CCloneStatusBar</name>
    <message>
        <source>CAP</source>
        <translation>GROSS</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>ROLLEN</translation>
    </message>
</context>
<context>
    <name>CCloneSupportDoc</name>
    <message>
        <source>scan edge %1</source>
        <translation>Suchlaufgrenze %1</translation>
    </message>
    <message>
        <source>call channel</source>
        <translation>Anrufkanal</translation>
    </message>
    <message>
        <source>CH %1</source>
        <translation>CH %1</translation>
    </message>
    <message>
        <source>Edit settings</source>
        <translation>Einstellungen bearbeiten</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A step of the history: what was done (&quot;Delete&quot;) and the first channel it changed (&quot;CH 12&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 holds only %2 of the %3 data lines of a full clone file</source>
        <translation>%1 enthält nur %2 der %3 Datenzeilen einer vollständigen Klondatei</translation>
    </message>
    <message>
        <source>%1; the rest is factory data.</source>
        <translation>%1; der Rest sind Werksdaten.</translation>
    </message>
    <message>
        <source>the temporary file %1 could not be written</source>
        <translation>die temporäre Datei %1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>no temporary file could be made in %1</source>
        <translation>in %1 konnte keine temporäre Datei angelegt werden</translation>
    </message>
    <message>
        <source>Read from radio</source>
        <translation>Vom Funkgerät lesen</translation>
    </message>
</context>
<context>
    <name>CCommPort</name>
    <message>
        <source>%1.
The device belongs to the group &quot;%2&quot;. Join it with
  sudo usermod -aG %2 $USER
then log out and in again</source>
        <translation>%1.
Das Gerät gehört zur Gruppe &quot;%2&quot;. Treten Sie ihr bei mit
  sudo usermod -aG %2 $USER
und melden Sie sich dann ab und wieder an</translation>
    </message>
    <message>
        <source> not Open </source>
        <translation> nicht geöffnet </translation>
    </message>
    <message>
        <source> invarid setting </source>
        <translation> ungültige Einstellung </translation>
    </message>
    <message>
        <source> write error </source>
        <translation> Schreibfehler </translation>
    </message>
    <message>
        <source> read error </source>
        <translation> Lesefehler </translation>
    </message>
    <message>
        <source> COM Port Error    </source>
        <translation> COM-Port-Fehler    </translation>
    </message>
</context>
<context>
    <name>CCommPortSetupDlg</name>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einrichtung</translation>
    </message>
    <message>
        <source>&amp;Cable on this port:</source>
        <translation>&amp;Kabel an diesem Port:</translation>
    </message>
    <message>
        <source>No serial device found</source>
        <translation>Kein serielles Gerät gefunden</translation>
    </message>
    <message>
        <source>Another device: choose it here</source>
        <translation>Ein anderes Gerät: hier auswählen</translation>
    </message>
</context>
<context>
    <name>CCommandTable</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Start new data: the factory settings of the radio&apos;s version</source>
        <translation>Neue Daten beginnen: die Werkseinstellungen der Version des Funkgeräts</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open a clone file</source>
        <translation>Eine Klondatei öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the data to its clone file</source>
        <translation>Die Daten in ihre Klondatei speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the data to a new clone file</source>
        <translation>Die Daten in eine neue Klondatei speichern</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>CSV &amp;importieren...</translation>
    </message>
    <message>
        <source>Read memory channels from a CSV channel list</source>
        <translation>Speicherkanäle aus einer CSV-Kanalliste lesen</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>Write the memory channels as a CSV channel list</source>
        <translation>Die Speicherkanäle als CSV-Kanalliste schreiben</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print the data</source>
        <translation>Die Daten drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>Show the pages that Print would print</source>
        <translation>Die Seiten zeigen, die Drucken drucken würde</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>PDF ex&amp;portieren...</translation>
    </message>
    <message>
        <source>Write the pages that Print would print to a PDF file</source>
        <translation>Die Seiten, die Drucken drucken würde, in eine PDF-Datei schreiben</translation>
    </message>
    <message>
        <source>Compare &amp;With...</source>
        <translation>Ver&amp;gleichen mit...</translation>
    </message>
    <message>
        <source>List the values that differ between the data and another clone file</source>
        <translation>Die Werte auflisten, in denen sich die Daten und eine andere Klondatei unterscheiden</translation>
    </message>
    <message>
        <source>Radio &amp;History...</source>
        <translation>Geräte&amp;historie...</translation>
    </message>
    <message>
        <source>Open or compare a read kept from the radio</source>
        <translation>Eine aufbewahrte Auslesung des Funkgeräts öffnen oder vergleichen</translation>
    </message>
    <message>
        <source>&amp;Recent File</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Open this clone file</source>
        <translation>Diese Klondatei öffnen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the program</source>
        <translation>Das Programm beenden</translation>
    </message>
    <message>
        <source>&amp;Edit Memory...</source>
        <translation>Speicher &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>Edit the selected channel</source>
        <translation>Den ausgewählten Kanal bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Set Field...</source>
        <translation>&amp;Feld setzen...</translation>
    </message>
    <message>
        <source>Give one field the same value on every selected channel in use</source>
        <translation>Einem Feld in jedem ausgewählten belegten Kanal denselben Wert geben</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Copy the selected channels, then clear them</source>
        <translation>Die ausgewählten Kanäle kopieren und dann leeren</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the selected channels</source>
        <translation>Die ausgewählten Kanäle kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Paste copied channels from the selected one on</source>
        <translation>Kopierte Kanäle ab dem ausgewählten Kanal einfügen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Clear the selected channels</source>
        <translation>Die ausgewählten Kanäle leeren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Lösc&amp;hen</translation>
    </message>
    <message>
        <source>Delete the selected channels and move the ones below up</source>
        <translation>Die ausgewählten Kanäle löschen und die folgenden nach oben rücken</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>E&amp;inschieben</translation>
    </message>
    <message>
        <source>Insert as many empty channels as are selected and move the ones below down</source>
        <translation>So viele leere Kanäle einschieben, wie ausgewählt sind, und die folgenden nach unten rücken</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles a&amp;uswählen</translation>
    </message>
    <message>
        <source>Select every channel of the list</source>
        <translation>Alle Kanäle der Liste auswählen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Take the last change back</source>
        <translation>Die letzte Änderung zurücknehmen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Die zurückgenommene Änderung erneut ausführen</translation>
    </message>
    <message>
        <source>M&amp;ove Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move the selected channels up by one</source>
        <translation>Die ausgewählten Kanäle um eine Position nach oben verschieben</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Nach u&amp;nten</translation>
    </message>
    <message>
        <source>Move the selected channels down by one</source>
        <translation>Die ausgewählten Kanäle um eine Position nach unten verschieben</translation>
    </message>
    <message>
        <source>Sort by Fre&amp;quency</source>
        <translation>Nach Fre&amp;quenz sortieren</translation>
    </message>
    <message>
        <source>Sort the memory channels by frequency, cleared channels last</source>
        <translation>Die Speicherkanäle nach Frequenz sortieren, leere Kanäle zuletzt</translation>
    </message>
    <message>
        <source>Sort by &amp;Name</source>
        <translation>Nach Na&amp;me sortieren</translation>
    </message>
    <message>
        <source>Sort the memory channels by name, cleared channels last</source>
        <translation>Die Speicherkanäle nach Name sortieren, leere Kanäle zuletzt</translation>
    </message>
    <message>
        <source>Sort b&amp;y Tone</source>
        <translation>Nach &amp;Ton sortieren</translation>
    </message>
    <message>
        <source>Sort the memory channels by tone mode and tone, cleared channels last</source>
        <translation>Die Speicherkanäle nach Tonmodus und Ton sortieren, leere Kanäle zuletzt</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Find a channel by name or frequency</source>
        <translation>Einen Kanal nach Name oder Frequenz suchen</translation>
    </message>
    <message>
        <source>Find Ne&amp;xt</source>
        <translation>Nä&amp;chsten suchen</translation>
    </message>
    <message>
        <source>Find the next channel that matches</source>
        <translation>Den nächsten passenden Kanal suchen</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>&amp;Vorherigen suchen</translation>
    </message>
    <message>
        <source>Find the previous channel that matches</source>
        <translation>Den vorherigen passenden Kanal suchen</translation>
    </message>
    <message>
        <source>&amp;PGR Memory...</source>
        <translation>&amp;PGR-Speicher...</translation>
    </message>
    <message>
        <source>Edit the pager codes</source>
        <translation>Die Pager-Codes bearbeiten</translation>
    </message>
    <message>
        <source>&amp;DTMF Autodial...</source>
        <translation>&amp;DTMF-Autowahl...</translation>
    </message>
    <message>
        <source>Edit the DTMF autodial memories</source>
        <translation>Die DTMF-Autowahlspeicher bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Common Setting...</source>
        <translation>&amp;Allgemeine Einstellungen...</translation>
    </message>
    <message>
        <source>Edit the radio&apos;s common settings</source>
        <translation>Die allgemeinen Einstellungen des Funkgeräts bearbeiten</translation>
    </message>
    <message>
        <source>Channels in &amp;Use Only</source>
        <translation>Nur &amp;belegte Kanäle</translation>
    </message>
    <message>
        <source>Show only the memory channels in use, or every memory channel</source>
        <translation>Nur die belegten Speicherkanäle zeigen oder alle Speicherkanäle</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Die Symbolleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Status&amp;leiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Die Statusleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Use the data of the GEN version (the data is reset)</source>
        <translation>Die Daten der Version GEN verwenden (die Daten werden zurückgesetzt)</translation>
    </message>
    <message>
        <source>Use the data of the SEA version (the data is reset)</source>
        <translation>Die Daten der Version SEA verwenden (die Daten werden zurückgesetzt)</translation>
    </message>
    <message>
        <source>Use the data of the USA version (the data is reset)</source>
        <translation>Die Daten der Version USA verwenden (die Daten werden zurückgesetzt)</translation>
    </message>
    <message>
        <source>Use the data of the EUR version (the data is reset)</source>
        <translation>Die Daten der Version EUR verwenden (die Daten werden zurückgesetzt)</translation>
    </message>
    <message>
        <source>&amp;No version</source>
        <translation>&amp;Keine Version</translation>
    </message>
    <message>
        <source>Use the data of no particular version (the data is reset)</source>
        <translation>Die Daten keiner bestimmten Version verwenden (die Daten werden zurückgesetzt)</translation>
    </message>
    <message>
        <source>Clone through serial port COM1</source>
        <translation>Über die serielle Schnittstelle COM1 klonen</translation>
    </message>
    <message>
        <source>Clone through serial port COM2</source>
        <translation>Über die serielle Schnittstelle COM2 klonen</translation>
    </message>
    <message>
        <source>Clone through serial port COM3</source>
        <translation>Über die serielle Schnittstelle COM3 klonen</translation>
    </message>
    <message>
        <source>Clone through serial port COM4</source>
        <translation>Über die serielle Schnittstelle COM4 klonen</translation>
    </message>
    <message>
        <source>&amp;Read &lt;- TR</source>
        <translation>&amp;Lesen &lt;- Funkgerät</translation>
    </message>
    <message>
        <source>Read the radio&apos;s memory</source>
        <translation>Den Speicher des Funkgeräts lesen</translation>
    </message>
    <message>
        <source>&amp;Write -&gt; TR</source>
        <translation>&amp;Schreiben -&gt; Funkgerät</translation>
    </message>
    <message>
        <source>Write the data into the radio</source>
        <translation>Die Daten in das Funkgerät schreiben</translation>
    </message>
    <message>
        <source>&amp;Information...</source>
        <translation>&amp;Informationen...</translation>
    </message>
    <message>
        <source>Show the connected radio&apos;s version and options</source>
        <translation>Version und Optionen des angeschlossenen Funkgeräts zeigen</translation>
    </message>
    <message>
        <source>Back &amp;up before writing</source>
        <translation>&amp;Backup vor dem Schreiben</translation>
    </message>
    <message>
        <source>Read the radio and keep the read in the radio history before every write</source>
        <translation>Vor jedem Schreiben das Funkgerät lesen und die Auslesung in der Gerätehistorie aufbewahren</translation>
    </message>
    <message>
        <source>&amp;Verify after writing</source>
        <translation>Nach dem Schreiben &amp;prüfen</translation>
    </message>
    <message>
        <source>Read the radio back after every write and name what it holds differently</source>
        <translation>Nach jedem Schreiben das Funkgerät zurücklesen und nennen, was es anders enthält</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Show the user manual</source>
        <translation>Das Benutzerhandbuch zeigen</translation>
    </message>
    <message>
        <source>&amp;About CP-Z5...</source>
        <translation>Ü&amp;ber CP-Z5...</translation>
    </message>
    <message>
        <source>Show the program&apos;s version</source>
        <translation>Die Version des Programms zeigen</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Nächster Bereich</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Vorheriger Bereich</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>C&amp;OM Port</source>
        <translation>C&amp;OM-Port</translation>
    </message>
    <message>
        <source>&amp;Clone</source>
        <translation>&amp;Klonen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Modell</translation>
    </message>
</context>
<context>
    <name>CCompareDlg</name>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>The data and %1 hold the same values.</source>
        <translation>Die Daten und %1 enthalten dieselben Werte.</translation>
    </message>
    <message>
        <source>1 value differs.</source>
        <translation>1 Wert weicht ab.</translation>
    </message>
    <message>
        <source>%1 values differ.</source>
        <translation>%1 Werte weichen ab.</translation>
    </message>
    <message>
        <source>Double-click a value to go to it.</source>
        <translation>Doppelklicken Sie auf einen Wert, um zu ihm zu gehen.</translation>
    </message>
    <message>
        <source>Compare With %1</source>
        <translation>Vergleich mit %1</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>This data</source>
        <translation>Diese Daten</translation>
    </message>
    <message>
        <source>&amp;Take Selected</source>
        <translation>Auswahl ü&amp;bernehmen</translation>
    </message>
    <message>
        <source>Take &amp;All</source>
        <translation>&amp;Alle übernehmen</translation>
    </message>
    <message>
        <source>Select values or whole channels to take them over from %1. Double-click a value to go to it.</source>
        <translation>Wählen Sie Werte oder ganze Kanäle aus, um sie aus %1 zu übernehmen. Doppelklicken Sie auf einen Wert, um zu ihm zu gehen.</translation>
    </message>
    <message>
        <source>1 value taken over. %1</source>
        <translation>1 Wert übernommen. %1</translation>
    </message>
    <message>
        <source>%1 values taken over. %2</source>
        <translation>%1 Werte übernommen. %2</translation>
    </message>
</context>
<context>
    <name>CCsvCommands</name>
    <message>
        <source>%1 could not be read.

%2</source>
        <translation>%1 konnte nicht gelesen werden.

%2</translation>
    </message>
    <message>
        <source>These rows of %1 cannot go into the radio:

%2
Import the other rows and skip these?</source>
        <translation>Diese Zeilen von %1 können nicht ins Funkgerät:

%2
Die übrigen Zeilen importieren und diese auslassen?</translation>
    </message>
    <message>
        <source>%1 channels imported.</source>
        <translation>%1 Kanäle importiert.</translation>
    </message>
    <message>
        <source>Some values of %1 were stored otherwise than written:

%2</source>
        <translation>Einige Werte von %1 wurden anders gespeichert als geschrieben:

%2</translation>
    </message>
    <message>
        <source>Memory channels exported to %1.</source>
        <translation>Speicherkanäle exportiert nach %1.</translation>
    </message>
</context>
<context>
    <name>CCsvReader</name>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>Text nach dem schließenden Anführungszeichen eines Felds</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>ein Feld in Anführungszeichen ist nicht geschlossen</translation>
    </message>
</context>
<context>
    <name>CDocWriteSafeguard</name>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>%1: sent %2, radio holds %3</source>
        <translation>%1: gesendet %2, Funkgerät enthält %3</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>the radio could not be read</source>
        <translation>das Funkgerät konnte nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>CDocument</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>The file could not be saved.

%1</source>
        <translation>Die Datei konnte nicht gespeichert werden.

%1</translation>
    </message>
    <message>
        <source>%1

Save under another name?</source>
        <translation>%1

Unter einem anderen Namen speichern?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>CDtmfPrint</name>
    <message>
        <source>Channel Selection</source>
        <translation>Kanalauswahl</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
</context>
<context>
    <name>CFileTakeOver</name>
    <message>
        <source>all</source>
        <translation>alle</translation>
    </message>
    <message>
        <source>%1 values</source>
        <translation>%1 Werte</translation>
    </message>
    <message>
        <source>Take over %1 from %2</source>
        <translation>%1 aus %2 übernehmen</translation>
    </message>
</context>
<context>
    <name>CFindChannelBar</name>
    <message>
        <source>Name or frequency (MHz)</source>
        <translation>Name oder Frequenz (MHz)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Vorheriger</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Nächster</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No channel matches “%1”.</source>
        <translation>Kein Kanal passt zu „%1“.</translation>
    </message>
    <message>
        <source>Continued from the top.</source>
        <translation>Von oben fortgesetzt.</translation>
    </message>
    <message>
        <source>Continued from the bottom.</source>
        <translation>Von unten fortgesetzt.</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>CP-Z5 Help</source>
        <translation>CP-Z5-Hilfe</translation>
    </message>
</context>
<context>
    <name>CHistoryCommands</name>
    <message>
        <source>Compare With</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>the read of %1</source>
        <translation>das Lesen von %1</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>%1 memory channels in use</source>
        <translation>%1 belegte Speicherkanäle</translation>
    </message>
</context>
<context>
    <name>CHistoryDlg</name>
    <message>
        <source>Read at</source>
        <translation>Gelesen am</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Funkgerät</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Radio History</source>
        <translation>Gerätehistorie</translation>
    </message>
    <message>
        <source>Reads kept</source>
        <translation>Aufbewahrte Auslesungen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Compare With Data</source>
        <translation>Mit Daten &amp;vergleichen</translation>
    </message>
    <message>
        <source>No reads are kept in %1 yet.</source>
        <translation>In %1 sind noch keine Auslesungen aufbewahrt.</translation>
    </message>
    <message>
        <source>%1 reads kept in %2, newest first (local time).</source>
        <translation>%1 Auslesungen in %2 aufbewahrt, neueste zuerst (Ortszeit).</translation>
    </message>
</context>
<context>
    <name>CInformationDlg</name>
    <message>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
</context>
<context>
    <name>CInstanceLock</name>
    <message>
        <source>no lock file</source>
        <translation>keine Sperrdatei</translation>
    </message>
    <message>
        <source>%1 is not a regular file of this user</source>
        <translation>%1 ist keine reguläre Datei dieses Benutzers</translation>
    </message>
</context>
<context>
    <name>CModelManager</name>
    <message>
        <source>Change model 

All data will be lost.

      OK? 
</source>
        <translation>Modell wechseln 

Alle Daten gehen verloren.

      OK? 
</translation>
    </message>
</context>
<context>
    <name>CPdfExport</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>PDF files (%1)</source>
        <translation>PDF-Dateien (%1)</translation>
    </message>
    <message>
        <source>%1 is the open clone file; the PDF is not written over it.</source>
        <translation>%1 ist die geöffnete Klondatei; die PDF-Datei wird nicht darüber geschrieben.</translation>
    </message>
    <message>
        <source>Pages exported to %1.</source>
        <translation>Seiten exportiert nach %1.</translation>
    </message>
</context>
<context>
    <name>CPrintDevice</name>
    <message>
        <source>The printer %1 is no longer installed.
Choose another one with Printer Setup... in the Print window.</source>
        <translation>Der Drucker %1 ist nicht mehr installiert.
Wählen Sie im Fenster Drucken mit Druckereinrichtung... einen anderen.</translation>
    </message>
    <message>
        <source>The PDF file is not written: %1.</source>
        <translation>Die PDF-Datei wird nicht geschrieben: %1.</translation>
    </message>
    <message>
        <source>The PDF file cannot be written into the folder %1.
%2</source>
        <translation>Die PDF-Datei kann nicht in den Ordner %1 geschrieben werden.
%2</translation>
    </message>
    <message>
        <source>No temporary file can be made in %1.</source>
        <translation>In %1 kann keine temporäre Datei angelegt werden.</translation>
    </message>
    <message>
        <source>The pages could not be made.</source>
        <translation>Die Seiten konnten nicht erzeugt werden.</translation>
    </message>
    <message>
        <source>The pages could not be read back from %1.</source>
        <translation>Die Seiten konnten nicht aus %1 zurückgelesen werden.</translation>
    </message>
    <message>
        <source>The job could not be sent to the printer %1:
%2</source>
        <translation>Der Auftrag konnte nicht an den Drucker %1 gesendet werden:
%2</translation>
    </message>
</context>
<context>
    <name>CPrintPreviewDlg</name>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Whole Page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>No printer is installed: the pages on %1 paper, as Export PDF... writes them.</source>
        <translation>Kein Drucker installiert: die Seiten auf %1-Papier, wie „PDF exportieren...“ sie schreibt.</translation>
    </message>
    <message>
        <source>Printer: %1 (%2)</source>
        <translation>Drucker: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>CPrintSections</name>
    <message>
        <source>Common Setting</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>ANI Setting</source>
        <translation>ANI-Einstellungen</translation>
    </message>
    <message>
        <source>Scrambler Setting</source>
        <translation>Scrambler-Einstellungen</translation>
    </message>
    <message>
        <source>DTMF Autodial</source>
        <translation>DTMF-Autowahl</translation>
    </message>
    <message>
        <source>PGR Memory</source>
        <translation>PGR-Speicher</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>There is no printer.
Before you can print, you need to install a printer.</source>
        <translation>Es ist kein Drucker vorhanden.
Bevor Sie drucken können, müssen Sie einen Drucker installieren.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>CPrintSelectDlg</name>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Common Setting</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>DTMF Autodial</source>
        <translation>DTMF-Autowahl</translation>
    </message>
    <message>
        <source>PGR Memory</source>
        <translation>PGR-Speicher</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Only channels in use</source>
        <translation>Nur belegte Kanäle</translation>
    </message>
    <message>
        <source>Leave cleared channels out of the channel lists</source>
        <translation>Leere Kanäle in den Kanallisten weglassen</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>Druckereinrichtung...</translation>
    </message>
</context>
<context>
    <name>CPrintStatusDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Now printing...</source>
        <translation>Wird gedruckt...</translation>
    </message>
</context>
<context>
    <name>CQtSettingsStore</name>
    <message>
        <source>%1 is larger than 1 MiB</source>
        <translation>%1 ist größer als 1 MiB</translation>
    </message>
    <message>
        <source>the settings file %1: it is neither read nor written, and this run uses the default settings</source>
        <translation>die Einstellungsdatei %1: sie wird weder gelesen noch geschrieben, und dieser Lauf verwendet die Standardeinstellungen</translation>
    </message>
</context>
<context>
    <name>CQtUserInterface</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;Nicht speichern</translation>
    </message>
</context>
<context>
    <name>CReadHistory</name>
    <message>
        <source>no folder for the history (neither XDG_DATA_HOME nor HOME is set)</source>
        <translation>kein Ordner für die Historie (weder XDG_DATA_HOME noch HOME ist gesetzt)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: no new file can be made there (%2)</source>
        <translation>%1: dort kann keine neue Datei angelegt werden (%2)</translation>
    </message>
    <message>
        <source>%1: read error</source>
        <translation>%1: Lesefehler</translation>
    </message>
</context>
<context>
    <name>CReplacingFile</name>
    <message>
        <source>%1 is another user&apos;s symbolic link in a folder open to all; it is not followed</source>
        <translation>%1 ist ein symbolischer Link eines anderen Benutzers in einem für alle offenen Ordner; ihm wird nicht gefolgt</translation>
    </message>
    <message>
        <source>%1 is on a read-only file system</source>
        <translation>%1 liegt auf einem schreibgeschützten Dateisystem</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>%1 has %2 hard links; replacing it would part it from the others</source>
        <translation>%1 hat %2 harte Links; sie zu ersetzen, würde sie von den anderen trennen</translation>
    </message>
    <message>
        <source>cannot create a new file beside %1</source>
        <translation>neben %1 kann keine neue Datei angelegt werden</translation>
    </message>
</context>
<context>
    <name>CSetFieldDlg</name>
    <message>
        <source>Set Field</source>
        <translation>Feld setzen</translation>
    </message>
    <message>
        <source>&amp;Field</source>
        <translation>&amp;Feld</translation>
    </message>
    <message>
        <source>&amp;Value</source>
        <translation>&amp;Wert</translation>
    </message>
    <message>
        <source>The field is set on the selected channel.</source>
        <translation>Das Feld wird im ausgewählten Kanal gesetzt.</translation>
    </message>
    <message>
        <source>The field is set on the %1 selected channels in use.</source>
        <translation>Das Feld wird in den %1 ausgewählten belegten Kanälen gesetzt.</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
</context>
<context>
    <name>CTerminalUserInterface</name>
    <message>
        <source>error: </source>
        <translation>Fehler: </translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>Warnung: </translation>
    </message>
    <message>
        <source>(answered yes: --yes)</source>
        <translation>(mit Ja beantwortet: --yes)</translation>
    </message>
    <message>
        <source>(no terminal to answer on: cancelled; --yes answers yes)</source>
        <translation>(kein Terminal zum Antworten: abgebrochen; --yes antwortet mit Ja)</translation>
    </message>
</context>
<context>
    <name>CTextFile</name>
    <message>
        <source>is not a regular file</source>
        <translation>ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>is a directory</source>
        <translation>ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>is a FIFO, not a regular file</source>
        <translation>ist ein FIFO, keine reguläre Datei</translation>
    </message>
    <message>
        <source>is a socket, not a regular file</source>
        <translation>ist ein Socket, keine reguläre Datei</translation>
    </message>
    <message>
        <source>is a device, not a regular file</source>
        <translation>ist ein Gerät, keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>CUndoCommands</name>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einschieben</translation>
    </message>
    <message>
        <source>PGR Memory</source>
        <translation>PGR-Speicher</translation>
    </message>
    <message>
        <source>DTMF Autodial</source>
        <translation>DTMF-Autowahl</translation>
    </message>
    <message>
        <source>Common Setting</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
</context>
<context>
    <name>CZ5App</name>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>The file could not be opened as a QM-Z5 clone file.

%1

%2</source>
        <translation>Die Datei konnte nicht als QM-Z5-Klondatei geöffnet werden.

%1

%2</translation>
    </message>
    <message>
        <source>The user manual (CP-Z5.html) was found neither beside the program nor in its
share/cpz5 folder.</source>
        <translation>Das Benutzerhandbuch (CP-Z5.html) wurde weder neben dem Programm noch in
seinem Ordner share/cpz5 gefunden.</translation>
    </message>
    <message>
        <source>QM-Z5 clone files (%1)</source>
        <translation>QM-Z5-Klondateien (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>CSV files (%1)</source>
        <translation>CSV-Dateien (%1)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>The file already opened.</source>
        <translation>Die Datei ist bereits geöffnet.</translation>
    </message>
</context>
<context>
    <name>CZ5ChEditDlg</name>
    <message>
        <source>Edit Memory</source>
        <translation>Speicher bearbeiten</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frequenz (MHz)</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Offset (MHz)</source>
        <translation>Ablage (MHz)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>Invertiert</translation>
    </message>
    <message>
        <source>RPT tone (Hz)</source>
        <translation>Relaiston (Hz)</translation>
    </message>
    <message>
        <source>CTCSS (Hz)</source>
        <translation>CTCSS (Hz)</translation>
    </message>
    <message>
        <source>DTCS</source>
        <translation>DTCS</translation>
    </message>
    <message>
        <source>PGR</source>
        <translation>PGR</translation>
    </message>
    <message>
        <source>PGR CH</source>
        <translation>PGR-CH</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>Low power</source>
        <translation>Niedrige Leistung</translation>
    </message>
    <message>
        <source>TX inhibit</source>
        <translation>TX-Sperre</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
</context>
<context>
    <name>CZ5ChListSheet</name>
    <message>
        <source>Paste %1 channels</source>
        <translation>%1 Kanäle einfügen</translation>
    </message>
    <message>
        <source>None of the selected channels is in use: nothing is set.</source>
        <translation>Keiner der ausgewählten Kanäle ist belegt: es wird nichts gesetzt.</translation>
    </message>
    <message>
        <source>%1 rows are pasted, but only %2 channels follow from CH %3 to the end of the list: the other rows are not pasted.</source>
        <translation>%1 Zeilen werden eingefügt, aber ab CH %3 folgen bis zum Listenende nur %2 Kanäle: die übrigen Zeilen werden nicht eingefügt.</translation>
    </message>
    <message>
        <source>Paste the rows that fit?</source>
        <translation>Die passenden Zeilen einfügen?</translation>
    </message>
    <message>
        <source>The text cannot be pasted as channels:</source>
        <translation>Der Text kann nicht als Kanäle eingefügt werden:</translation>
    </message>
    <message>
        <source>These rows of the text cannot be pasted:</source>
        <translation>Diese Zeilen des Texts können nicht eingefügt werden:</translation>
    </message>
    <message>
        <source>Nothing is pasted.</source>
        <translation>Es wird nichts eingefügt.</translation>
    </message>
    <message>
        <source>Paste the good rows?</source>
        <translation>Die fehlerfreien Zeilen einfügen?</translation>
    </message>
    <message>
        <source>Some values of the text were stored otherwise than written:</source>
        <translation>Einige Werte des Texts wurden anders gespeichert als geschrieben:</translation>
    </message>
    <message>
        <source>Clear %1 channels</source>
        <translation>%1 Kanäle leeren</translation>
    </message>
    <message>
        <source>Cut %1 channels</source>
        <translation>%1 Kanäle ausschneiden</translation>
    </message>
    <message>
        <source>Delete CH ?</source>
        <translation>CH löschen?</translation>
    </message>
    <message>
        <source>Delete %1 channels</source>
        <translation>%1 Kanäle löschen</translation>
    </message>
    <message>
        <source>CH overflow
Last channel will be deleted.</source>
        <translation>CH-Überlauf
Der letzte Kanal wird gelöscht.</translation>
    </message>
    <message>
        <source>Insert %1 channels</source>
        <translation>%1 Kanäle einschieben</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <source>Set %1 on %2</source>
        <translation>%1 setzen: %2</translation>
    </message>
    <message>
        <source>%1 set on %2.</source>
        <translation>%1 auf %2 gesetzt.</translation>
    </message>
    <message>
        <source>%1 set on %2; 1 cleared channel is left as it is.</source>
        <translation>%1 auf %2 gesetzt; 1 leerer Kanal bleibt unverändert.</translation>
    </message>
    <message>
        <source>%1 set on %2; %3 cleared channels are left as they are.</source>
        <translation>%1 auf %2 gesetzt; %3 leere Kanäle bleiben unverändert.</translation>
    </message>
    <message>
        <source>%1 “%2” cannot be set on these channels:</source>
        <translation>%1 „%2“ kann auf diesen Kanälen nicht gesetzt werden:</translation>
    </message>
    <message>
        <source>Nothing is set.</source>
        <translation>Es wird nichts gesetzt.</translation>
    </message>
    <message>
        <source>They are left as they are; the others are set.</source>
        <translation>Sie bleiben unverändert; die anderen werden gesetzt.</translation>
    </message>
</context>
<context>
    <name>CZ5CloneFileIoManager</name>
    <message>
        <source>QM-Z5 clone files (*%1)</source>
        <translation>QM-Z5-Klondateien (*%1)</translation>
    </message>
</context>
<context>
    <name>CZ5CommonPropSheet</name>
    <message>
        <source>Common Setting</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <source>ANI</source>
        <translation>ANI</translation>
    </message>
</context>
<context>
    <name>CZ5DtmfAutodialDlg</name>
    <message>
        <source>DTMF Autodial</source>
        <translation>DTMF-Autowahl</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Autodial Memory</source>
        <translation>Autowahlspeicher</translation>
    </message>
    <message>
        <source>The memory the radio dials</source>
        <translation>Der Speicher, den das Funkgerät wählt</translation>
    </message>
    <message>
        <source>%1 code</source>
        <translation>%1 Code</translation>
    </message>
</context>
<context>
    <name>CZ5PgrMemoryDlg</name>
    <message>
        <source>PGR Memory</source>
        <translation>PGR-Speicher</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>%1 Code</source>
        <translation>%1-Code</translation>
    </message>
    <message>
        <source>%1 Skip</source>
        <translation>%1-Skip</translation>
    </message>
</context>
<context>
    <name>CZ5TreeView</name>
    <message>
        <source>Areas</source>
        <translation>Bereiche</translation>
    </message>
</context>
<context>
    <name>ChannelClipText</name>
    <message>
        <source>the text is larger than %1 bytes, no channel list</source>
        <translation>der Text ist größer als %1 Bytes, keine Kanalliste</translation>
    </message>
    <message>
        <source>the text holds no rows</source>
        <translation>der Text enthält keine Zeilen</translation>
    </message>
</context>
<context>
    <name>ChannelCsvColumns</name>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>%1 a column of the CSV file, %2 its text in quotes, %3 what is wrong with it (&quot;is not a tone of the radio&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1 %2 is stored as %3, on the radio&apos;s 5 kHz or 6.25 kHz raster</source>
        <translation>%1 %2 wird als %3 gespeichert, im 5-kHz- oder 6,25-kHz-Raster des Funkgeräts</translation>
    </message>
    <message>
        <source>Frequency %1 is outside the receive range of the radio (version %2)</source>
        <translation>Frequenz %1 liegt außerhalb des Empfangsbereichs des Funkgeräts (Version %2)</translation>
    </message>
    <message>
        <source>Frequency %1 is outside the receive range of the radio (136 to 174 MHz)</source>
        <translation>Frequenz %1 liegt außerhalb des Empfangsbereichs des Funkgeräts (136 bis 174 MHz)</translation>
    </message>
    <message>
        <source>is not &quot;&quot;, + or -</source>
        <translation>ist nicht &quot;&quot;, + oder -</translation>
    </message>
    <message>
        <source>is not &quot;&quot;, +, -, split or off</source>
        <translation>ist nicht &quot;&quot;, +, -, split oder off</translation>
    </message>
    <message>
        <source>the duplex offset %1 is more than the radio can set or off its raster</source>
        <translation>die Duplex-Ablage %1 ist größer, als das Funkgerät einstellen kann, oder liegt nicht in seinem Raster</translation>
    </message>
    <message>
        <source>Location %1 is not a channel number from 0 to %2</source>
        <translation>Speicherplatz %1 ist keine Kanalnummer von 0 bis %2</translation>
    </message>
    <message>
        <source>Name %1 is stored as %2 (at most 5 ASCII characters, no control characters)</source>
        <translation>Name %1 wird als %2 gespeichert (höchstens 5 ASCII-Zeichen, keine Steuerzeichen)</translation>
    </message>
    <message>
        <source>is a cross mode: the radio has none</source>
        <translation>ist ein Cross-Modus: das Funkgerät hat keinen</translation>
    </message>
    <message>
        <source>is not FM: the radio has FM only</source>
        <translation>ist nicht FM: das Funkgerät hat nur FM</translation>
    </message>
    <message>
        <source>is not a tone mode of the radio (&quot;&quot;, Tone, TSQL or DTCS)</source>
        <translation>ist kein Tonmodus des Funkgeräts (&quot;&quot;, Tone, TSQL oder DTCS)</translation>
    </message>
    <message>
        <source>is not a tone of the radio</source>
        <translation>ist kein Ton des Funkgeräts</translation>
    </message>
    <message>
        <source>is not a DTCS code of the radio</source>
        <translation>ist kein DTCS-Code des Funkgeräts</translation>
    </message>
    <message>
        <source>is not NN or RR: the radio inverts both directions or neither</source>
        <translation>ist nicht NN oder RR: das Funkgerät invertiert beide Richtungen oder keine</translation>
    </message>
    <message>
        <source>is not &quot;&quot;, S or P</source>
        <translation>ist nicht &quot;&quot;, S oder P</translation>
    </message>
    <message>
        <source>%1 %2 is stored as %3</source>
        <translation>%1 %2 wird als %3 gespeichert</translation>
    </message>
    <message>
        <source>RxDtcsCode %1 differs from DtcsCode %2: the radio has one DTCS code for both directions</source>
        <translation>RxDtcsCode %1 weicht von DtcsCode %2 ab: das Funkgerät hat einen DTCS-Code für beide Richtungen</translation>
    </message>
    <message>
        <source>is not ON or OFF</source>
        <translation>ist nicht ON oder OFF</translation>
    </message>
    <message>
        <source>is not OFF, CSQL or PGR</source>
        <translation>ist nicht OFF, CSQL oder PGR</translation>
    </message>
    <message>
        <source>is not an ANI code of the radio (C0 to C6 or CP)</source>
        <translation>ist kein ANI-Code des Funkgeräts (C0 bis C6 oder CP)</translation>
    </message>
    <message>
        <source>is not a scrambler code from 01 to FF</source>
        <translation>ist kein Scrambler-Code von 01 bis FF</translation>
    </message>
</context>
<context>
    <name>ChannelCsvText</name>
    <message>
        <source>is far more than any frequency of the radio</source>
        <translation>ist weit größer als jede Frequenz des Funkgeräts</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <source>FILE is a clone file (.cz5). PATH is a dotted leaf path such as MCH.CH12.FreqRx,
Common.Beep, DTMF.D3 or PGR.C4.Code; dump lists them all. --market replaces the
radio&apos;s market version of the settings for this run (import-csv takes only
channels that version may receive); the old name --version VALUE still works.
PORT is COMn or a device path such as /dev/ttyUSB0.
Exit status: 0 success, 2 a file could not be read or written, 64 usage;
import-csv: 65 the CSV file has bad rows and nothing was imported;
diff: 1 the files differ; setup, info, read, write: the transfer&apos;s result
(1 cancelled, 77 failure, 85 wrong model, 90 wrong version, 91 port failed);
write --verify: 94 the radio holds other data than was sent; write --backup:
95 the backup could not be kept (nothing was written).
</source>
        <translation>FILE ist eine Klondatei (.cz5). PATH ist ein Blattpfad mit Punkten wie MCH.CH12.FreqRx,
Common.Beep, DTMF.D3 oder PGR.C4.Code; dump listet sie alle. --market ersetzt für
diesen Lauf die Marktversion des Funkgeräts in den Einstellungen (import-csv übernimmt
nur Kanäle, die diese Version empfangen darf); der alte Name --version VALUE geht noch.
PORT ist COMn oder ein Gerätepfad wie /dev/ttyUSB0.
Exit-Status: 0 Erfolg, 2 eine Datei konnte nicht gelesen oder geschrieben werden,
64 Aufruffehler; import-csv: 65 die CSV-Datei hat fehlerhafte Zeilen, nichts wurde
importiert; diff: 1 die Dateien unterscheiden sich; setup, info, read, write: das
Ergebnis der Übertragung (1 abgebrochen, 77 Fehler, 85 falsches Modell, 90 falsche
Version, 91 Port-Fehler); write --verify: 94 das Funkgerät enthält andere Daten als
gesendet; write --backup: 95 das Backup konnte nicht aufbewahrt werden (nichts
wurde geschrieben).
</translation>
    </message>
    <message>
        <source>Writes the factory data of the market version to FILE, as Save would.</source>
        <translation>Schreibt die Werksdaten der Marktversion nach FILE, wie Speichern es täte.</translation>
    </message>
    <message>
        <source>Prints every leaf of FILE as PATH=TEXT, one a line, in tree order.</source>
        <translation>Gibt jedes Blatt von FILE als PATH=TEXT aus, eines pro Zeile, in Baumreihenfolge.</translation>
    </message>
    <message>
        <source>Prints the text of each PATH of FILE, one a line.</source>
        <translation>Gibt den Text jedes PATH von FILE aus, einen pro Zeile.</translation>
    </message>
    <message>
        <source>Sets each PATH to TEXT, then saves over FILE (or to OUT).</source>
        <translation>Setzt jeden PATH auf TEXT und speichert dann über FILE (oder nach OUT).</translation>
    </message>
    <message>
        <source>Prints the chosen sections of FILE to the PDF file OUT.pdf.</source>
        <translation>Druckt die gewählten Abschnitte von FILE in die PDF-Datei OUT.pdf.</translation>
    </message>
    <message>
        <source>Identifies the radio on PORT as the first-start setup does and
remembers its market version, options and port.</source>
        <translation>Erkennt das Funkgerät an PORT wie die Einrichtung beim ersten Start
und merkt sich seine Marktversion, Optionen und den Port.</translation>
    </message>
    <message>
        <source>Shows the radio&apos;s model information (the Information command).</source>
        <translation>Zeigt die Modellinformationen des Funkgeräts (der Befehl Informationen).</translation>
    </message>
    <message>
        <source>Reads the radio&apos;s memory on PORT (Read &lt;- TR) and saves it to FILE.</source>
        <translation>Liest den Speicher des Funkgeräts an PORT (Lesen &lt;- Funkgerät) und speichert ihn in FILE.</translation>
    </message>
    <message>
        <source>Writes FILE into the radio on PORT (Write -&gt; TR) after a question
that --yes answers.</source>
        <translation>Schreibt FILE in das Funkgerät an PORT (Schreiben -&gt; Funkgerät) nach einer
Rückfrage, die --yes beantwortet.</translation>
    </message>
    <message>
        <source>Writes the memory channels of FILE as a CSV channel list.</source>
        <translation>Schreibt die Speicherkanäle von FILE als CSV-Kanalliste.</translation>
    </message>
    <message>
        <source>Reads a CSV channel list into the memory channels of FILE.</source>
        <translation>Liest eine CSV-Kanalliste in die Speicherkanäle von FILE.</translation>
    </message>
    <message>
        <source>Lists the leaves that differ between two clone files.</source>
        <translation>Listet die Blätter auf, die sich zwischen zwei Klondateien unterscheiden.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>The QM-Z5 clone file and radio commands from a shell.</source>
        <translation>Die QM-Z5-Klondatei- und Funkgerätebefehle für die Shell.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>cpz5-cli --help shows this text, cpz5-cli COMMAND --help the help of one
command, cpz5-cli --version the program&apos;s version.
</source>
        <translation>cpz5-cli --help zeigt diesen Text, cpz5-cli COMMAND --help die Hilfe zu einem
Befehl, cpz5-cli --version die Version des Programms.
</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>unbekannter Befehl %1</translation>
    </message>
</context>
<context>
    <name>CloneResult</name>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>failed: no answer or a bad answer</source>
        <translation>fehlgeschlagen: keine oder eine fehlerhafte Antwort</translation>
    </message>
    <message>
        <source>not a QM-Z5 of a known revision</source>
        <translation>kein QM-Z5 einer bekannten Revision</translation>
    </message>
    <message>
        <source>wrong model version</source>
        <translation>falsche Modellversion</translation>
    </message>
    <message>
        <source>port could not be opened</source>
        <translation>Port konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>radio holds other data than sent</source>
        <translation>Funkgerät enthält andere Daten als gesendet</translation>
    </message>
    <message>
        <source>backup could not be kept</source>
        <translation>Backup konnte nicht aufbewahrt werden</translation>
    </message>
</context>
<context>
    <name>CsvCommands</name>
    <message>
        <source>export-csv reads one clone file</source>
        <translation>export-csv liest eine Klondatei</translation>
    </message>
    <message>
        <source>import-csv needs a clone file and a CSV file</source>
        <translation>import-csv braucht eine Klondatei und eine CSV-Datei</translation>
    </message>
    <message>
        <source>%1: nothing imported</source>
        <translation>%1: nichts importiert</translation>
    </message>
    <message>
        <source>%1: skipped %2</source>
        <translation>%1: ausgelassen %2</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1: Warnung: %2</translation>
    </message>
</context>
<context>
    <name>DiffCommand</name>
    <message>
        <source>diff compares two clone files</source>
        <translation>diff vergleicht zwei Klondateien</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>no leaf %1</source>
        <translation>kein Blatt %1</translation>
    </message>
    <message>
        <source>warning: %1 could not be read back to check what it holds</source>
        <translation>Warnung: %1 konnte nicht zurückgelesen werden, um den Inhalt zu prüfen</translation>
    </message>
    <message>
        <source>warning: %1 %2 is stored as %3</source>
        <translation>Warnung: %1 %2 wird als %3 gespeichert</translation>
    </message>
    <message>
        <source>new writes one file, named by -o</source>
        <translation>new schreibt eine Datei, angegeben mit -o</translation>
    </message>
    <message>
        <source>dump reads one file</source>
        <translation>dump liest eine Datei</translation>
    </message>
    <message>
        <source>get needs a file and at least one path</source>
        <translation>get braucht eine Datei und mindestens einen Pfad</translation>
    </message>
    <message>
        <source>set needs a file and at least one PATH=TEXT</source>
        <translation>set braucht eine Datei und mindestens ein PATH=TEXT</translation>
    </message>
</context>
<context>
    <name>FleetTransfer</name>
    <message>
        <source>no such device</source>
        <translation>kein solches Gerät</translation>
    </message>
    <message>
        <source>busy: another program uses it</source>
        <translation>belegt: ein anderes Programm verwendet es</translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>kein serielles Gerät</translation>
    </message>
    <message>
        <source>a folder, not a serial device</source>
        <translation>ein Ordner, kein serielles Gerät</translation>
    </message>
    <message>
        <source>no permission to use it</source>
        <translation>keine Berechtigung, es zu verwenden</translation>
    </message>
    <message>
        <source>%1 is no port (COMn or a device path)</source>
        <translation>%1 ist kein Port (COMn oder ein Gerätepfad)</translation>
    </message>
    <message>
        <source>no pipe for the start (%1)</source>
        <translation>keine Pipe für den Start (%1)</translation>
    </message>
    <message>
        <source>the processes of only %1 of the %2 ports could be started (%3)</source>
        <translation>nur die Prozesse von %1 der %2 Ports konnten gestartet werden (%3)</translation>
    </message>
    <message>
        <source>... and %1 more ports, %2 of them done</source>
        <translation>... und %1 weitere Ports, davon %2 fertig</translation>
    </message>
    <message>
        <source>given twice</source>
        <translation>doppelt angegeben</translation>
    </message>
    <message>
        <source>clone file error</source>
        <translation>Fehler der Klondatei</translation>
    </message>
    <message>
        <source>not a port</source>
        <translation>kein Port</translation>
    </message>
    <message>
        <source>%1; given twice, done once</source>
        <translation>%1; zweimal angegeben, einmal ausgeführt</translation>
    </message>
    <message>
        <source>PORT</source>
        <translation>PORT</translation>
    </message>
    <message>
        <source>RADIO</source>
        <translation>FUNKGERÄT</translation>
    </message>
    <message>
        <source>RESULT</source>
        <translation>ERGEBNIS</translation>
    </message>
    <message>
        <source>The data will be written into %1 radios and replace their memory.

Write to the radios?</source>
        <translation>Die Daten werden in %1 Funkgeräte geschrieben und ersetzen deren Speicher.

In die Funkgeräte schreiben?</translation>
    </message>
    <message>
        <source>%1 radios need %2 open files, and this program may open only %3 (ulimit -n); no radio was touched</source>
        <translation>%1 Funkgeräte brauchen %2 offene Dateien, dieses Programm darf nur %3 öffnen (ulimit -n); kein Funkgerät wurde berührt</translation>
    </message>
    <message>
        <source>%1: not a directory for the reads</source>
        <translation>%1: kein Verzeichnis für die gelesenen Daten</translation>
    </message>
    <message>
        <source>%1 ports given: at most %2 radios at once</source>
        <translation>%1 Ports angegeben: höchstens %2 Funkgeräte gleichzeitig</translation>
    </message>
    <message>
        <source>%1; no radio was touched</source>
        <translation>%1; kein Funkgerät wurde berührt</translation>
    </message>
</context>
<context>
    <name>LeafPaths</name>
    <message>
        <source>is outside the range of this leaf, %1 to %2 MHz</source>
        <translation>liegt außerhalb des Bereichs dieses Blatts, %1 bis %2 MHz</translation>
    </message>
    <message>
        <source>is not a value of this leaf</source>
        <translation>ist kein Wert dieses Blatts</translation>
    </message>
    <message>
        <source>is not a value of this leaf: one of %1</source>
        <translation>ist kein Wert dieses Blatts: einer von %1</translation>
    </message>
</context>
<context>
    <name>ListColumnDef</name>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>Offset Freq.</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>RPT</source>
        <translation>RPT</translation>
    </message>
    <message>
        <source>CTCSS</source>
        <translation>CTCSS</translation>
    </message>
    <message>
        <source>DTCS</source>
        <translation>DTCS</translation>
    </message>
    <message>
        <source>PGR</source>
        <translation>PGR</translation>
    </message>
    <message>
        <source>PGR CH</source>
        <translation>PGR-CH</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>TX Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>TX Inhibit</source>
        <translation>TX-Sperre</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Scrambler</translation>
    </message>
</context>
<context>
    <name>PortsCommand</name>
    <message>
        <source>ports takes no argument</source>
        <translation>ports nimmt kein Argument</translation>
    </message>
    <message>
        <source>no serial port found: is the cable plugged in?</source>
        <translation>keine serielle Schnittstelle gefunden: ist das Kabel eingesteckt?</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>no printer named %1 exists; no printer is installed</source>
        <translation>es gibt keinen Drucker namens %1; es ist kein Drucker installiert</translation>
    </message>
    <message>
        <source>no printer named %1 exists; the printers are %2</source>
        <translation>es gibt keinen Drucker namens %1; die Drucker sind %2</translation>
    </message>
    <message>
        <source>print reads one clone file</source>
        <translation>print liest eine Klondatei</translation>
    </message>
    <message>
        <source>-o and --printer need a name</source>
        <translation>-o und --printer brauchen einen Namen</translation>
    </message>
    <message>
        <source>print takes -o or --printer, not both</source>
        <translation>print nimmt -o oder --printer, nicht beides</translation>
    </message>
    <message>
        <source>unknown section in --sections</source>
        <translation>unbekannter Abschnitt in --sections</translation>
    </message>
    <message>
        <source>printing is not installed: %1 is neither beside cpz5-cli nor in %2</source>
        <translation>Drucken ist nicht installiert: %1 liegt weder neben cpz5-cli noch in %2</translation>
    </message>
    <message>
        <source>the printing program %1 cannot be run: %2</source>
        <translation>das Druckprogramm %1 kann nicht ausgeführt werden: %2</translation>
    </message>
</context>
<context>
    <name>RadioMain</name>
    <message>
        <source>%1 (--help shows the options)</source>
        <translation>%1 (--help zeigt die Optionen)</translation>
    </message>
</context>
<context>
    <name>RadioOptions</name>
    <message>
        <source>unknown argument %1</source>
        <translation>unbekanntes Argument %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>bad value for %1: %2</source>
        <translation>ungültiger Wert für %1: %2</translation>
    </message>
    <message>
        <source>market version (option byte bits 0-1; default GEN);
the memory starts as that version&apos;s factory image;
--version VERSION is its old name</source>
        <translation>Marktversion (Bits 0-1 des Optionsbytes; Standard GEN);
der Speicher beginnt als Werksabbild dieser Version;
--version VERSION ist ihr alter Name</translation>
    </message>
    <message>
        <source>the option byte (0 to 0x7F; decimal, 0x.. hex or
0.. octal): bits 0-1 version, bit 2 receive range
extension, bit 3 scrambler, bit 4 ANI, bits 5-6
further options; --market overrides bits 0-1</source>
        <translation>das Optionsbyte (0 bis 0x7F; dezimal, 0x.. hex oder
0.. oktal): Bits 0-1 Version, Bit 2 Erweiterung des
Empfangsbereichs, Bit 3 Scrambler, Bit 4 ANI, Bits 5-6
weitere Optionen; --market überschreibt Bits 0-1</translation>
    </message>
    <message>
        <source>start from this clone file instead</source>
        <translation>stattdessen mit dieser Klondatei beginnen</translation>
    </message>
    <message>
        <source>write the memory to this clone file after every
completed write</source>
        <translation>den Speicher nach jedem abgeschlossenen Schreiben
in diese Klondatei schreiben</translation>
    </message>
    <message>
        <source>pace every byte the radio sends, echoes too, as a
line of N baud would (N / 10 bytes a second);
without it the pseudo-terminal runs at full speed</source>
        <translation>jedes Byte, das das Funkgerät sendet, auch Echos, so takten,
wie es eine Leitung mit N Baud täte (N / 10 Bytes pro Sekunde);
ohne diese Option läuft das Pseudo-Terminal mit voller Geschwindigkeit</translation>
    </message>
    <message>
        <source>data bytes in each frame of a read (1 to 122,
default 16; the last frame takes what is left)</source>
        <translation>Datenbytes in jedem Rahmen eines Lesens (1 bis 122,
Standard 16; der letzte Rahmen nimmt den Rest)</translation>
    </message>
    <message>
        <source>misbehave (default none):</source>
        <translation>Fehlverhalten (Standard none):</translation>
    </message>
    <message>
        <source>the radio and its cable work</source>
        <translation>Funkgerät und Kabel funktionieren</translation>
    </message>
    <message>
        <source>the radio is off and the cable dead: nothing comes back,
not even the echo</source>
        <translation>das Funkgerät ist aus und das Kabel tot: nichts kommt zurück,
nicht einmal das Echo</translation>
    </message>
    <message>
        <source>the cable returns no echo; the radio still answers</source>
        <translation>das Kabel gibt kein Echo zurück; das Funkgerät antwortet noch</translation>
    </message>
    <message>
        <source>in a read, the sixth data frame (address 0x0050) carries a
checksum one too high</source>
        <translation>beim Lesen trägt der sechste Datenrahmen (Adresse 0x0050)
eine um eins zu hohe Prüfsumme</translation>
    </message>
    <message>
        <source>every write is refused: the write result is 0x01 and the
memory stays as it was</source>
        <translation>jedes Schreiben wird abgelehnt: das Schreibergebnis ist 0x01,
und der Speicher bleibt, wie er war</translation>
    </message>
    <message>
        <source>junk bytes (below 0xF0, no 0xFE) and a stray 0xFD before
every frame the radio sends, and a stray 0xFD after every
frame it echoes; a correct receiver survives them</source>
        <translation>Müllbytes (unter 0xF0, kein 0xFE) und ein verirrtes 0xFD vor
jedem Rahmen, den das Funkgerät sendet, und ein verirrtes 0xFD nach
jedem Rahmen, den es als Echo zurückgibt; ein korrekter Empfänger übersteht sie</translation>
    </message>
    <message>
        <source>in a read, the sixth data frame is never sent and
the seventh comes twice: as many frames as a good read,
but part of the memory missing</source>
        <translation>beim Lesen wird der sechste Datenrahmen nie gesendet und
der siebte kommt zweimal: so viele Rahmen wie bei einem guten
Lesen, aber ein Teil des Speichers fehlt</translation>
    </message>
    <message>
        <source>in a write, every data frame stored is answered with
the write result 0x00, not only the end frame</source>
        <translation>beim Schreiben wird jeder gespeicherte Datenrahmen mit dem
Schreibergebnis 0x00 beantwortet, nicht nur der Endrahmen</translation>
    </message>
    <message>
        <source>in a write, the third data frame is refused at once with
the write result 0x01; the memory stays as it was</source>
        <translation>beim Schreiben wird der dritte Datenrahmen sofort mit dem
Schreibergebnis 0x01 abgelehnt; der Speicher bleibt, wie er war</translation>
    </message>
    <message>
        <source>after K data frames of a read or write the radio stops
answering until the next request (the echo goes on)</source>
        <translation>nach K Datenrahmen eines Lesens oder Schreibens hört das
Funkgerät bis zur nächsten Anfrage auf zu antworten (das Echo läuft weiter)</translation>
    </message>
    <message>
        <source>a write is accepted but the byte at address A (decimal or
0x.. hex, up to 0x79F) is stored with its lowest bit
flipped</source>
        <translation>ein Schreiben wird angenommen, aber das Byte an Adresse A (dezimal
oder 0x.. hex, bis 0x79F) wird mit umgekehrtem niedrigstem Bit
gespeichert</translation>
    </message>
    <message>
        <source>show this text</source>
        <translation>diesen Text zeigen</translation>
    </message>
    <message>
        <source>on its own: show the program&apos;s version</source>
        <translation>allein: die Version des Programms zeigen</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>A virtual QM-Z5 hand-held on a pseudo-terminal. The first line of output is
&quot;PTY &lt;path&gt;&quot;: open that path as the serial port (for example with
CPZ5_COM1=&lt;path&gt;). The radio runs until it is interrupted (Ctrl-C, SIGTERM).
</source>
        <translation>Ein virtuelles QM-Z5-Handfunkgerät an einem Pseudo-Terminal. Die erste Ausgabezeile ist
&quot;PTY &lt;path&gt;&quot;: öffnen Sie diesen Pfad als seriellen Port (zum Beispiel mit
CPZ5_COM1=&lt;path&gt;). Das Funkgerät läuft, bis es unterbrochen wird (Ctrl-C, SIGTERM).
</translation>
    </message>
    <message>
        <source>The radio echoes every byte it receives (the cable is one wire), answers the
model information request (model 0x2468, revision 1, 22 identity bytes), sends
its memory (0x000 to 0x79F, 16 bytes a frame unless --frame-size) on a read request and stores a
write after checking every frame. A bad write frame is answered at once with
the write result 0x01.
</source>
        <translation>Das Funkgerät gibt jedes empfangene Byte als Echo zurück (das Kabel ist eine Leitung),
beantwortet die Anfrage nach Modellinformationen (Modell 0x2468, Revision 1,
22 Kennungsbytes), sendet auf eine Leseanfrage seinen Speicher (0x000 bis 0x79F,
16 Bytes pro Rahmen, außer mit --frame-size) und speichert ein Schreiben, nachdem
es jeden Rahmen geprüft hat. Ein fehlerhafter Schreibrahmen wird sofort mit dem
Schreibergebnis 0x01 beantwortet.
</translation>
    </message>
    <message>
        <source>Exit status: 0 after an interruption, 1 when the pseudo-terminal or a clone
file cannot be used, 64 for a usage error.
</source>
        <translation>Exit-Status: 0 nach einer Unterbrechung, 1 wenn das Pseudo-Terminal oder eine
Klondatei nicht verwendet werden kann, 64 bei einem Aufruffehler.
</translation>
    </message>
</context>
<context>
    <name>SCsvProblem</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>This data was not read from the connected radio and may hold settings
that the radio does not expect.

Continue?</source>
        <translation>Diese Daten wurden nicht aus dem angeschlossenen Funkgerät gelesen und
können Einstellungen enthalten, die das Funkgerät nicht erwartet.

Fortfahren?</translation>
    </message>
    <message>
        <source>Clone completed.</source>
        <translation>Klonen abgeschlossen.</translation>
    </message>
    <message>
        <source>Read &lt;- TR failed.</source>
        <translation>Lesen &lt;- Funkgerät fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Write -&gt; TR failed.</source>
        <translation>Schreiben -&gt; Funkgerät fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The radio could not be identified.</source>
        <translation>Das Funkgerät konnte nicht erkannt werden.</translation>
    </message>
    <message>
        <source>The connected radio is not a QM-Z5 of a revision this program knows.

Nothing was transferred.</source>
        <translation>Das angeschlossene Funkgerät ist kein QM-Z5 einer Revision, die dieses
Programm kennt.

Es wurde nichts übertragen.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>The serial port could not be opened.</source>
        <translation>Die serielle Schnittstelle konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The radio&apos;s memory was read.</source>
        <translation>Der Speicher des Funkgeräts wurde gelesen.</translation>
    </message>
    <message>
        <source>The data was written into the radio.</source>
        <translation>Die Daten wurden in das Funkgerät geschrieben.</translation>
    </message>
    <message>
        <source>The serial port %1 could not be opened.

- Is the cloning cable plugged into this computer?
- Is the right port chosen in the COM Port menu?
- Are you allowed to use the device? Your user must be in the group
  that owns it (often &quot;dialout&quot;: see ls -l %1), then log in again.
- Is another program using the port?</source>
        <translation>Die serielle Schnittstelle %1 konnte nicht geöffnet werden.

- Ist das Klonkabel an diesen Computer angeschlossen?
- Ist im Menü COM-Port der richtige Port gewählt?
- Dürfen Sie das Gerät verwenden? Ihr Benutzer muss in der Gruppe sein,
  der es gehört (oft &quot;dialout&quot;: siehe ls -l %1); melden Sie sich danach neu an.
- Verwendet ein anderes Programm den Port?</translation>
    </message>
    <message>
        <source>Reading from the radio...</source>
        <translation>Lesen vom Funkgerät...</translation>
    </message>
    <message>
        <source>Writing to the radio...</source>
        <translation>Schreiben in das Funkgerät...</translation>
    </message>
    <message>
        <source>The data has been changed</source>
        <translation>Die Daten wurden geändert</translation>
    </message>
    <message>
        <source> and reading from the radio will replace it.

Read from the radio?</source>
        <translation>, und das Lesen vom Funkgerät ersetzt sie.

Vom Funkgerät lesen?</translation>
    </message>
    <message>
        <source>The data will be written into the radio and replace its memory.

Write to the radio?</source>
        <translation>Die Daten werden in das Funkgerät geschrieben und ersetzen seinen Speicher.

In das Funkgerät schreiben?</translation>
    </message>
    <message>
        <source>Model version mismatch.</source>
        <translation>Modellversion stimmt nicht überein.</translation>
    </message>
    <message>
        <source>The radio did not answer as expected.

Check that the cloning cable is connected to the radio and to this
computer, that the radio is switched on, and try again.</source>
        <translation>Das Funkgerät hat nicht wie erwartet geantwortet.

Prüfen Sie, ob das Klonkabel mit dem Funkgerät und diesem Computer
verbunden und das Funkgerät eingeschaltet ist, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Connect the radio to this computer with the cloning cable and switch
it on. Choose the port of the cable, then press OK: the program asks
the radio for its version and options and remembers them.</source>
        <translation>Verbinden Sie das Funkgerät mit dem Klonkabel mit diesem Computer und
schalten Sie es ein. Wählen Sie den Port des Kabels und drücken Sie OK:
das Programm fragt Version und Optionen des Funkgeräts ab und merkt sie sich.</translation>
    </message>
    <message>
        <source>Port of the cloning cable:</source>
        <translation>Port des Klonkabels:</translation>
    </message>
    <message>
        <source>The version of the connected radio differs from the version this
program was set up for, or the setup was never completed.

Run the setup again with the radio connected: start the program
with the option -S (or cpz5-cli setup).</source>
        <translation>Die Version des angeschlossenen Funkgeräts weicht von der Version ab,
für die dieses Programm eingerichtet wurde, oder die Einrichtung wurde
nie abgeschlossen.

Führen Sie die Einrichtung bei angeschlossenem Funkgerät erneut aus:
starten Sie das Programm mit der Option -S (oder cpz5-cli setup).</translation>
    </message>
    <message>
        <source>Cloning</source>
        <translation>Klonen</translation>
    </message>
    <message>
        <source>The read succeeded, but it could not be kept in the radio history:
%1

Reads are not kept until this is solved; this message is not shown
again in this session.</source>
        <translation>Das Lesen ist gelungen, aber die Auslesung konnte nicht in der
Gerätehistorie aufbewahrt werden:
%1

Bis das behoben ist, werden keine Auslesungen aufbewahrt; diese Meldung
wird in dieser Sitzung nicht wieder angezeigt.</translation>
    </message>
    <message>
        <source>Backing up the radio before writing...</source>
        <translation>Backup des Funkgeräts vor dem Schreiben...</translation>
    </message>
    <message>
        <source>Backup failed: nothing was written.</source>
        <translation>Backup fehlgeschlagen: es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The radio&apos;s memory could not be read and kept before the write:
%1

Nothing was written into the radio.</source>
        <translation>Der Speicher des Funkgeräts konnte vor dem Schreiben nicht gelesen und
aufbewahrt werden:
%1

Es wurde nichts in das Funkgerät geschrieben.</translation>
    </message>
    <message>
        <source>Reading the radio back to check the write...</source>
        <translation>Funkgerät wird zur Prüfung des Schreibens zurückgelesen...</translation>
    </message>
    <message>
        <source>Written and checked: the radio holds what was sent.</source>
        <translation>Geschrieben und geprüft: das Funkgerät enthält, was gesendet wurde.</translation>
    </message>
    <message>
        <source>Check after writing failed: the radio holds other data.</source>
        <translation>Prüfung nach dem Schreiben fehlgeschlagen: das Funkgerät enthält andere Daten.</translation>
    </message>
    <message>
        <source>The write ended, but the radio does not hold what was sent:

%1</source>
        <translation>Das Schreiben ist beendet, aber das Funkgerät enthält nicht, was gesendet wurde:

%1</translation>
    </message>
    <message>
        <source>The write ended, but the radio could not be read back to check it.

Read it again or write once more.</source>
        <translation>Das Schreiben ist beendet, aber das Funkgerät konnte zur Prüfung nicht
zurückgelesen werden.

Lesen Sie es erneut oder schreiben Sie noch einmal.</translation>
    </message>
    <message>
        <source>The radio answered, but the temporary clone file could not be used:
%1

Nothing in the document was changed. Check the free space and the
permissions of the temporary folder (TMPDIR), then try again.</source>
        <translation>Das Funkgerät hat geantwortet, aber die temporäre Klondatei konnte nicht
verwendet werden:
%1

Im Dokument wurde nichts geändert. Prüfen Sie den freien Speicherplatz und
die Berechtigungen des temporären Ordners (TMPDIR) und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>--port takes COMn or a device path, not %1</source>
        <translation>--port nimmt COMn oder einen Gerätepfad, nicht %1</translation>
    </message>
    <message>
        <source>the radio&apos;s port is named by --port (COMn or a device)</source>
        <translation>der Port des Funkgeräts wird mit --port angegeben (COMn oder ein Gerät)</translation>
    </message>
    <message>
        <source>setup takes no file</source>
        <translation>setup nimmt keine Datei</translation>
    </message>
    <message>
        <source>info takes no file</source>
        <translation>info nimmt keine Datei</translation>
    </message>
    <message>
        <source>read writes one file, named by -o</source>
        <translation>read schreibt eine Datei, angegeben mit -o</translation>
    </message>
    <message>
        <source>write sends one file</source>
        <translation>write sendet eine Datei</translation>
    </message>
</context>
<context>
    <name>TypedFrequency</name>
    <message>
        <source>is below zero: a frequency in MHz cannot be negative</source>
        <translation>ist kleiner als null: eine Frequenz in MHz kann nicht negativ sein</translation>
    </message>
    <message>
        <source>is not a frequency in MHz: type digits with one decimal point or comma, such as 146.52</source>
        <translation>ist keine Frequenz in MHz: geben Sie Ziffern mit einem Dezimalpunkt oder -komma ein, z. B. 146.52</translation>
    </message>
    <message>
        <source>holds no digits: type a frequency in MHz, such as 146.52</source>
        <translation>enthält keine Ziffern: geben Sie eine Frequenz in MHz ein, z. B. 146.52</translation>
    </message>
    <message>
        <source>holds no frequency: type one in MHz, such as 146.52</source>
        <translation>enthält keine Frequenz: geben Sie eine in MHz ein, z. B. 146.52</translation>
    </message>
</context>
<context>
    <name>channelfields</name>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>This channel has no such frequency.</source>
        <translation>Dieser Kanal hat keine solche Frequenz.</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <source>Type a frequency in MHz, such as 146.52.</source>
        <translation>Geben Sie eine Frequenz in MHz ein, z. B. 146.52.</translation>
    </message>
    <message>
        <source>%1 lies outside %2 to %3 MHz.</source>
        <translation>%1 liegt außerhalb von %2 bis %3 MHz.</translation>
    </message>
</context>
<context>
    <name>cpz5</name>
    <message>
        <source>Usage: cpz5 [OPTION]... [QT OPTION]...
The cloning program of the QM-Z5 VHF hand-held transceiver: read the radio&apos;s
memory over a cloning cable, edit channels and settings, save and open clone
files (.cz5), print them and write them back into the radio.

  -S                          run the first-start setup again (/S works too)
  --virtual-radio[=VERSION]   start a virtual QM-Z5 of VERSION (GEN, SEA, USA
                              or EUR; default GEN) inside the program and bind
                              COM1 to it for this run
  --open FILE                 open the clone file FILE once the program has
                              started, as File &gt; Open does; a file name on
                              its own is not opened
  -h, --help                  show this text and exit
  --version                   show the program&apos;s version and exit

Qt&apos;s own options (-platform NAME, -style NAME, ...) work as well.
Settings: $XDG_CONFIG_HOME/Brel/CP-Z5.conf (default ~/.config/Brel/CP-Z5.conf).
Only one copy runs per user; a second start hands its --open FILE to the
running copy, which opens it, and ends.

Exit status: 0 when the program ends normally, 1 when it cannot start,
64 for a usage error.
</source>
        <translation>Aufruf: cpz5 [OPTION]... [QT OPTION]...
Das Klonprogramm des VHF-Handfunkgeräts QM-Z5: den Speicher des Funkgeräts
über ein Klonkabel lesen, Kanäle und Einstellungen bearbeiten, Klondateien
(.cz5) speichern und öffnen, sie drucken und zurück ins Funkgerät schreiben.

  -S                          die Einrichtung beim ersten Start erneut ausführen
                              (/S geht auch)
  --virtual-radio[=VERSION]   ein virtuelles QM-Z5 der VERSION (GEN, SEA, USA
                              oder EUR; Standard GEN) im Programm starten und
                              COM1 für diesen Lauf daran binden
  --open FILE                 die Klondatei FILE öffnen, sobald das Programm
                              gestartet ist, wie Datei &gt; Öffnen; ein Dateiname
                              allein wird nicht geöffnet
  -h, --help                  diesen Text zeigen und beenden
  --version                   die Version des Programms zeigen und beenden

Die eigenen Optionen von Qt (-platform NAME, -style NAME, ...) gehen ebenfalls.
Einstellungen: $XDG_CONFIG_HOME/Brel/CP-Z5.conf (Standard ~/.config/Brel/CP-Z5.conf).
Pro Benutzer läuft nur eine Instanz; ein zweiter Start übergibt sein --open FILE
an die laufende Instanz, die sie öffnet, und endet.

Exit-Status: 0 wenn das Programm normal endet, 1 wenn es nicht starten kann,
64 bei einem Aufruffehler.
</translation>
    </message>
    <message>
        <source>no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set);
cpz5-cli works without one</source>
        <translation>keine Anzeige, auf der das Fenster erscheinen kann (weder DISPLAY noch WAYLAND_DISPLAY
ist gesetzt); cpz5-cli funktioniert ohne</translation>
    </message>
    <message>
        <source>the window system could not be reached</source>
        <translation>das Fenstersystem war nicht erreichbar</translation>
    </message>
    <message>
        <source>%1 is not opened: the program starts with new data; cpz5 --open FILE opens a clone file</source>
        <translation>%1 wird nicht geöffnet: das Programm startet mit neuen Daten; cpz5 --open FILE öffnet eine Klondatei</translation>
    </message>
    <message>
        <source>CP-Z5 already runs but did not take %1</source>
        <translation>CP-Z5 läuft bereits, hat %1 aber nicht übernommen</translation>
    </message>
    <message>
        <source>no folder that only this user can write was found for its lock
(not $XDG_RUNTIME_DIR, not in the temporary directory, not in the cache folder
of the home)</source>
        <translation>für seine Sperre wurde kein Ordner gefunden, in den nur dieser Benutzer schreiben
kann (nicht $XDG_RUNTIME_DIR, nicht im temporären Verzeichnis, nicht im
Cache-Ordner des Home-Verzeichnisses)</translation>
    </message>
    <message>
        <source>CP-Z5 cannot make sure that it runs only once: %1; it does not start</source>
        <translation>CP-Z5 kann nicht sicherstellen, dass es nur einmal läuft: %1; es startet nicht</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>unknown radio version &quot;%1&quot; (GEN, SEA, USA or EUR)</source>
        <translation>unbekannte Funkgerätversion &quot;%1&quot; (GEN, SEA, USA oder EUR)</translation>
    </message>
    <message>
        <source>the virtual radio could not start: %1</source>
        <translation>das virtuelle Funkgerät konnte nicht starten: %1</translation>
    </message>
</context>
<context>
    <name>settingrows</name>
    <message>
        <source>ScanResume</source>
        <translation>Suchlauf-Fortsetzung</translation>
    </message>
    <message>
        <source>LCD Back Light</source>
        <translation>LCD-Beleuchtung</translation>
    </message>
    <message>
        <source>LCD Contrast</source>
        <translation>LCD-Kontrast</translation>
    </message>
    <message>
        <source>Power Save</source>
        <translation>Stromsparen</translation>
    </message>
    <message>
        <source>SP-31C Function</source>
        <translation>SP-31C-Funktion</translation>
    </message>
    <message>
        <source>Auto Repeater</source>
        <translation>Auto-Relais</translation>
    </message>
    <message>
        <source>Function Mode</source>
        <translation>Funktionsmodus</translation>
    </message>
    <message>
        <source>Auto Power-OFF</source>
        <translation>Autom. Ausschalten</translation>
    </message>
    <message>
        <source>Time-Out Timer</source>
        <translation>Sendezeitbegrenzung</translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>Squelch Delay</source>
        <translation>Rauschsperren-Verzögerung</translation>
    </message>
    <message>
        <source>Dial Select</source>
        <translation>Abstimmknopf-Wahl</translation>
    </message>
    <message>
        <source>Memory Disp</source>
        <translation>Speicheranzeige</translation>
    </message>
    <message>
        <source>Scan Edge</source>
        <translation>Suchlaufgrenze</translation>
    </message>
    <message>
        <source>Operation Beep</source>
        <translation>Tastenton</translation>
    </message>
    <message>
        <source>Dial Speedup</source>
        <translation>Abstimmbeschleunigung</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>ANI Function</source>
        <translation>ANI-Funktion</translation>
    </message>
    <message>
        <source>TX CH</source>
        <translation>TX-CH</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Group Code</source>
        <translation>Gruppencode</translation>
    </message>
    <message>
        <source>Synchronous Capture</source>
        <translation>Synchrone Erfassung</translation>
    </message>
    <message>
        <source>Tone Start Timing</source>
        <translation>Tonstart-Zeitpunkt</translation>
    </message>
</context>
<context>
    <name>z5area</name>
    <message>
        <source>Memory CH</source>
        <translation>Speicher-CH</translation>
    </message>
    <message>
        <source>Program scan edge</source>
        <translation>Programm-Suchlaufgrenze</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Anrufkanal</translation>
    </message>
</context>
<context>
    <name>z5channel</name>
    <message>
        <source>frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>tone</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>offset</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>RPT tone</source>
        <translation>Relaiston</translation>
    </message>
    <message>
        <source>CTCSS tone</source>
        <translation>CTCSS-Ton</translation>
    </message>
    <message>
        <source>DTCS code</source>
        <translation>DTCS-Code</translation>
    </message>
    <message>
        <source>PGR</source>
        <translation>PGR</translation>
    </message>
    <message>
        <source>PGR CH</source>
        <translation>PGR-CH</translation>
    </message>
    <message>
        <source>skip</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>TX power</source>
        <translation>Sendeleistung</translation>
    </message>
    <message>
        <source>TX inhibit</source>
        <translation>TX-Sperre</translation>
    </message>
    <message>
        <source>scrambler</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <source>Sort by %1, descending</source>
        <translation>Nach %1 sortieren, absteigend</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation>Nach %1 sortieren</translation>
    </message>
</context>
<context>
    <name>z5label</name>
    <message>
        <source>Cleared</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Frequency Step</source>
        <translation>Frequenzschritt</translation>
    </message>
    <message>
        <source>Offset Freq.</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>Offset Step</source>
        <translation>Ablageschritt</translation>
    </message>
    <message>
        <source>TX Inhibit</source>
        <translation>TX-Sperre</translation>
    </message>
    <message>
        <source>TX Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>RPT Tone</source>
        <translation>Relaiston</translation>
    </message>
    <message>
        <source>CTCSS</source>
        <translation>CTCSS</translation>
    </message>
    <message>
        <source>DTCS</source>
        <translation>DTCS</translation>
    </message>
    <message>
        <source>DTCS Inverse</source>
        <translation>DTCS invertiert</translation>
    </message>
    <message>
        <source>PGR</source>
        <translation>PGR</translation>
    </message>
    <message>
        <source>PGR CH</source>
        <translation>PGR-CH</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <source>Scrambler Code</source>
        <translation>Scrambler-Code</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>ScanResume</source>
        <translation>Suchlauf-Fortsetzung</translation>
    </message>
    <message>
        <source>LCD Back Light</source>
        <translation>LCD-Beleuchtung</translation>
    </message>
    <message>
        <source>LCD Contrast</source>
        <translation>LCD-Kontrast</translation>
    </message>
    <message>
        <source>Power Save</source>
        <translation>Stromsparen</translation>
    </message>
    <message>
        <source>SP-31C Function</source>
        <translation>SP-31C-Funktion</translation>
    </message>
    <message>
        <source>Auto Repeater</source>
        <translation>Auto-Relais</translation>
    </message>
    <message>
        <source>Auto Power-OFF</source>
        <translation>Autom. Ausschalten</translation>
    </message>
    <message>
        <source>Time-Out Timer</source>
        <translation>Sendezeitbegrenzung</translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>Squelch Delay</source>
        <translation>Rauschsperren-Verzögerung</translation>
    </message>
    <message>
        <source>Dial Select</source>
        <translation>Abstimmknopf-Wahl</translation>
    </message>
    <message>
        <source>Memory Disp</source>
        <translation>Speicheranzeige</translation>
    </message>
    <message>
        <source>Function Mode</source>
        <translation>Funktionsmodus</translation>
    </message>
    <message>
        <source>Scan Edge</source>
        <translation>Suchlaufgrenze</translation>
    </message>
    <message>
        <source>ANI Function</source>
        <translation>ANI-Funktion</translation>
    </message>
    <message>
        <source>ANI Function (being edited)</source>
        <translation>ANI-Funktion (in Bearbeitung)</translation>
    </message>
    <message>
        <source>ANI Time-Out Timer</source>
        <translation>ANI-Sendezeitbegrenzung</translation>
    </message>
    <message>
        <source>ANI Lockout</source>
        <translation>ANI-Sperre</translation>
    </message>
    <message>
        <source>ANI TX CH</source>
        <translation>ANI-TX-CH</translation>
    </message>
    <message>
        <source>Scrambler Type</source>
        <translation>Scrambler-Typ</translation>
    </message>
    <message>
        <source>Scrambler Group Code</source>
        <translation>Scrambler-Gruppencode</translation>
    </message>
    <message>
        <source>Synchronous Capture</source>
        <translation>Synchrone Erfassung</translation>
    </message>
    <message>
        <source>Tone Start Timing</source>
        <translation>Tonstart-Zeitpunkt</translation>
    </message>
    <message>
        <source>Operation Beep</source>
        <translation>Tastenton</translation>
    </message>
    <message>
        <source>Dial Speedup</source>
        <translation>Abstimmbeschleunigung</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Channel Selection</source>
        <translation>Kanalauswahl</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
</context>
</TS>
