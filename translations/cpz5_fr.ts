<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About CP-Z5</source>
        <translation>À propos de CP-Z5</translation>
    </message>
</context>
<context>
    <name>CChListPrint</name>
    <message>
        <source>(!): outside the bands of the radio&apos;s version</source>
        <translation>(!)&#xa0;: hors des bandes de la version de la radio</translation>
    </message>
    <message>
        <source>No channel in use.</source>
        <translation>Aucun canal utilisé.</translation>
    </message>
</context>
<context>
    <name>CChannelColumns</name>
    <message>
        <source>The %1 column does not edit.</source>
        <translation>La colonne %1 n&apos;est pas modifiable.</translation>
    </message>
    <message>
        <source>Only memory channels have %1.</source>
        <translation>Seuls les canaux mémoire ont %1.</translation>
    </message>
    <message>
        <source>The radio has no scrambler unit.</source>
        <translation>La radio n&apos;a pas de module de brouillage.</translation>
    </message>
    <message>
        <source>“%1” is not one of the %2 choices.</source>
        <translation>«&#xa0;%1&#xa0;» ne fait pas partie des choix de %2.</translation>
    </message>
</context>
<context>
    <name>CChannelCsv</name>
    <message>
        <source>Location %1 is also on line %2</source>
        <translation>Le numéro %1 figure aussi à la ligne %2</translation>
    </message>
    <message>
        <source>%1: larger than %2 bytes, not a channel list</source>
        <translation>%1&#xa0;: plus de %2 octets, pas une liste de canaux</translation>
    </message>
    <message>
        <source>the data has no memory channels</source>
        <translation>les données n&apos;ont pas de canaux mémoire</translation>
    </message>
    <message>
        <source>the file is empty: no header row</source>
        <translation>le fichier est vide&#xa0;: pas de ligne d&apos;en-tête</translation>
    </message>
    <message>
        <source>the header row: %1</source>
        <translation>la ligne d&apos;en-tête&#xa0;: %1</translation>
    </message>
    <message>
        <source>the header row has no %1 column</source>
        <translation>la ligne d&apos;en-tête n&apos;a pas de colonne %1</translation>
    </message>
</context>
<context>
    <name>CChannelGrid</name>
    <message>
        <source>%1: off</source>
        <translation>%1&#xa0;: désactivé</translation>
    </message>
    <message>
        <source>outside the radio&apos;s receive range</source>
        <translation>hors de la plage de réception de la radio</translation>
    </message>
    <message>
        <source>TX Power: %1</source>
        <translation>Puiss. TX&#xa0;: %1</translation>
    </message>
    <message>
        <source>inverse polarity</source>
        <translation>polarité inversée</translation>
    </message>
    <message>
        <source>normal polarity</source>
        <translation>polarité normale</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inversion</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Saut</translation>
    </message>
    <message>
        <source>Inhibit</source>
        <translation>Inhibé</translation>
    </message>
    <message>
        <source>not in use</source>
        <translation>inutilisé</translation>
    </message>
</context>
<context>
    <name>CChannelRowOrder</name>
    <message>
        <source>Move %1</source>
        <translation>Déplacer %1</translation>
    </message>
    <message>
        <source>Move %1 channels</source>
        <translation>Déplacer %1 canaux</translation>
    </message>
    <message>
        <source>The memory channels are in that order already.</source>
        <translation>Les canaux mémoire sont déjà dans cet ordre.</translation>
    </message>
</context>
<context>
    <name>CChannelTableModel</name>
    <message>
        <source>scan edge %1</source>
        <translation>limite de balayage %1</translation>
    </message>
    <message>
        <source>call channel</source>
        <translation>canal d&apos;appel</translation>
    </message>
    <message>
        <source>CH %1</source>
        <translation>CH %1</translation>
    </message>
    <message>
        <source>There is no such channel.</source>
        <translation>Ce canal n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 MHz lies outside the radio&apos;s band, %2 to %3 MHz.</source>
        <translation>%1 MHz est hors de la bande de la radio, %2 à %3 MHz.</translation>
    </message>
    <message>
        <source>%1 MHz lies outside the band of a radio of no known version.</source>
        <translation>%1 MHz est hors de la bande d&apos;une radio de version inconnue.</translation>
    </message>
</context>
<context>
    <name>CCliOptions</name>
    <message>
        <source>--version VALUE is now --market VALUE; --version alone shows the program&apos;s version</source>
        <translation>--version VALUE est désormais --market VALUE&#xa0;; --version seul affiche la version du programme</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>option %1 given twice</source>
        <translation>option %1 donnée deux fois</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>l&apos;option %1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>l&apos;option %1 demande une valeur</translation>
    </message>
</context>
<context>
    <name>CCliSession</name>
    <message>
        <source>unknown version %1 (%2)</source>
        <translation>version inconnue %1 (%2)</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>usage&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CCloneProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CCloneRsEngine</name>
    <message>
        <source>its first line is no model line</source>
        <translation>sa première ligne n&apos;est pas une ligne de modèle</translation>
    </message>
    <message>
        <source>it holds a line that is no data line: %1</source>
        <translation>il contient une ligne qui n&apos;est pas une ligne de données&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CCloneRsIoManager</name>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Raison&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CCloneSoftMainFrm</name>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>More Buttons</source>
        <translation>Plus de boutons</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>non connecté</translation>
    </message>
    <message>
        <source>%1  (%2)</source>
        <translation>%1  (%2)</translation>
    </message>
    <message>
        <source>Common Setting</source>
        <translation>Réglages communs</translation>
    </message>
    <message>
        <source>DTMF Autodial</source>
        <translation>Numérotation auto DTMF</translation>
    </message>
    <message>
        <source>PGR Memory</source>
        <translation>Mémoire PGR</translation>
    </message>
</context>
<context>
    <name>CCloneStatusBar</name>
    <message>
        <source>CAP</source>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DÉFIL</translation>
    </message>
</context>
<context>
    <name>CCloneSupportDoc</name>
    <message>
        <source>scan edge %1</source>
        <translation>limite de balayage %1</translation>
    </message>
    <message>
        <source>call channel</source>
        <translation>canal d&apos;appel</translation>
    </message>
    <message>
        <source>CH %1</source>
        <translation>CH %1</translation>
    </message>
    <message>
        <source>Edit settings</source>
        <translation>Modifier les réglages</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A step of the history: what was done (&quot;Delete&quot;) and the first channel it changed (&quot;CH 12&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 holds only %2 of the %3 data lines of a full clone file</source>
        <translation>%1 ne contient que %2 des %3 lignes de données d&apos;un fichier de clonage complet</translation>
    </message>
    <message>
        <source>%1; the rest is factory data.</source>
        <translation>%1&#xa0;; le reste est constitué des données d&apos;usine.</translation>
    </message>
    <message>
        <source>the temporary file %1 could not be written</source>
        <translation>le fichier temporaire %1 n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>no temporary file could be made in %1</source>
        <translation>aucun fichier temporaire n&apos;a pu être créé dans %1</translation>
    </message>
    <message>
        <source>Read from radio</source>
        <translation>Lire depuis la radio</translation>
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
Le périphérique appartient au groupe «&#xa0;%2&#xa0;». Rejoignez-le avec
  sudo usermod -aG %2 $USER
puis déconnectez-vous et reconnectez-vous</translation>
    </message>
    <message>
        <source> not Open </source>
        <translation> non ouvert </translation>
    </message>
    <message>
        <source> invarid setting </source>
        <translation> réglage invalide </translation>
    </message>
    <message>
        <source> write error </source>
        <translation> erreur d&apos;écriture </translation>
    </message>
    <message>
        <source> read error </source>
        <translation> erreur de lecture </translation>
    </message>
    <message>
        <source> COM Port Error    </source>
        <translation> Erreur du port COM    </translation>
    </message>
</context>
<context>
    <name>CCommPortSetupDlg</name>
    <message>
        <source>Instructions</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>&amp;Cable on this port:</source>
        <translation>&amp;Câble sur ce port&#xa0;:</translation>
    </message>
    <message>
        <source>No serial device found</source>
        <translation>Aucun périphérique série trouvé</translation>
    </message>
    <message>
        <source>Another device: choose it here</source>
        <translation>Autre périphérique&#xa0;: choisissez-le ici</translation>
    </message>
</context>
<context>
    <name>CCommandTable</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Start new data: the factory settings of the radio&apos;s version</source>
        <translation>Nouvelles données&#xa0;: les réglages d&apos;usine de la version de la radio</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open a clone file</source>
        <translation>Ouvrir un fichier de clonage</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the data to its clone file</source>
        <translation>Enregistrer les données dans leur fichier de clonage</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save the data to a new clone file</source>
        <translation>Enregistrer les données dans un nouveau fichier de clonage</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>&amp;Importer CSV...</translation>
    </message>
    <message>
        <source>Read memory channels from a CSV channel list</source>
        <translation>Lire des canaux mémoire depuis une liste de canaux CSV</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>E&amp;xporter CSV...</translation>
    </message>
    <message>
        <source>Write the memory channels as a CSV channel list</source>
        <translation>Écrire les canaux mémoire dans une liste de canaux CSV</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primer</translation>
    </message>
    <message>
        <source>Print the data</source>
        <translation>Imprimer les données</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Aperçu avant impression...</translation>
    </message>
    <message>
        <source>Show the pages that Print would print</source>
        <translation>Afficher les pages qu&apos;Imprimer imprimerait</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Exporter P&amp;DF...</translation>
    </message>
    <message>
        <source>Write the pages that Print would print to a PDF file</source>
        <translation>Écrire dans un fichier PDF les pages qu&apos;Imprimer imprimerait</translation>
    </message>
    <message>
        <source>Compare &amp;With...</source>
        <translation>Co&amp;mparer avec...</translation>
    </message>
    <message>
        <source>List the values that differ between the data and another clone file</source>
        <translation>Lister les valeurs qui diffèrent entre les données et un autre fichier de clonage</translation>
    </message>
    <message>
        <source>Radio &amp;History...</source>
        <translation>&amp;Historique radio...</translation>
    </message>
    <message>
        <source>Open or compare a read kept from the radio</source>
        <translation>Ouvrir ou comparer une lecture de la radio conservée</translation>
    </message>
    <message>
        <source>&amp;Recent File</source>
        <translation>Fichier &amp;récent</translation>
    </message>
    <message>
        <source>Open this clone file</source>
        <translation>Ouvrir ce fichier de clonage</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit the program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>&amp;Edit Memory...</source>
        <translation>Modi&amp;fier la mémoire...</translation>
    </message>
    <message>
        <source>Edit the selected channel</source>
        <translation>Modifier le canal sélectionné</translation>
    </message>
    <message>
        <source>&amp;Set Field...</source>
        <translation>Définir un c&amp;hamp...</translation>
    </message>
    <message>
        <source>Give one field the same value on every selected channel in use</source>
        <translation>Donner à un champ la même valeur sur chaque canal sélectionné utilisé</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>Copy the selected channels, then clear them</source>
        <translation>Copier les canaux sélectionnés, puis les effacer</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the selected channels</source>
        <translation>Copier les canaux sélectionnés</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Paste copied channels from the selected one on</source>
        <translation>Coller les canaux copiés à partir du canal sélectionné</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>Clear the selected channels</source>
        <translation>Effacer les canaux sélectionnés</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Delete the selected channels and move the ones below up</source>
        <translation>Supprimer les canaux sélectionnés et remonter les suivants</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insérer</translation>
    </message>
    <message>
        <source>Insert as many empty channels as are selected and move the ones below down</source>
        <translation>Insérer autant de canaux vides que de canaux sélectionnés et descendre les suivants</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>Select every channel of the list</source>
        <translation>Sélectionner tous les canaux de la liste</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Take the last change back</source>
        <translation>Annuler la dernière modification</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Réta&amp;blir</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Rétablir la modification annulée</translation>
    </message>
    <message>
        <source>M&amp;ove Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move the selected channels up by one</source>
        <translation>Monter les canaux sélectionnés d&apos;une ligne</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>Move the selected channels down by one</source>
        <translation>Descendre les canaux sélectionnés d&apos;une ligne</translation>
    </message>
    <message>
        <source>Sort by Fre&amp;quency</source>
        <translation>Trier par fré&amp;quence</translation>
    </message>
    <message>
        <source>Sort the memory channels by frequency, cleared channels last</source>
        <translation>Trier les canaux mémoire par fréquence, canaux effacés en dernier</translation>
    </message>
    <message>
        <source>Sort by &amp;Name</source>
        <translation>Trier par &amp;nom</translation>
    </message>
    <message>
        <source>Sort the memory channels by name, cleared channels last</source>
        <translation>Trier les canaux mémoire par nom, canaux effacés en dernier</translation>
    </message>
    <message>
        <source>Sort b&amp;y Tone</source>
        <translation>Trier par tona&amp;lité</translation>
    </message>
    <message>
        <source>Sort the memory channels by tone mode and tone, cleared channels last</source>
        <translation>Trier les canaux mémoire par mode de tonalité et tonalité, canaux effacés en dernier</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>Find a channel by name or frequency</source>
        <translation>Rechercher un canal par nom ou fréquence</translation>
    </message>
    <message>
        <source>Find Ne&amp;xt</source>
        <translation>Rechercher le sui&amp;vant</translation>
    </message>
    <message>
        <source>Find the next channel that matches</source>
        <translation>Rechercher le canal suivant qui correspond</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>Rechercher le &amp;précédent</translation>
    </message>
    <message>
        <source>Find the previous channel that matches</source>
        <translation>Rechercher le canal précédent qui correspond</translation>
    </message>
    <message>
        <source>&amp;PGR Memory...</source>
        <translation>Mémoire &amp;PGR...</translation>
    </message>
    <message>
        <source>Edit the pager codes</source>
        <translation>Modifier les codes pager</translation>
    </message>
    <message>
        <source>&amp;DTMF Autodial...</source>
        <translation>Numérotation auto &amp;DTMF...</translation>
    </message>
    <message>
        <source>Edit the DTMF autodial memories</source>
        <translation>Modifier les mémoires de numérotation automatique DTMF</translation>
    </message>
    <message>
        <source>&amp;Common Setting...</source>
        <translation>Réglages &amp;communs...</translation>
    </message>
    <message>
        <source>Edit the radio&apos;s common settings</source>
        <translation>Modifier les réglages communs de la radio</translation>
    </message>
    <message>
        <source>Channels in &amp;Use Only</source>
        <translation>Canaux &amp;utilisés seulement</translation>
    </message>
    <message>
        <source>Show only the memory channels in use, or every memory channel</source>
        <translation>Afficher seulement les canaux mémoire utilisés, ou tous les canaux mémoire</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Afficher ou masquer la barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;ét&amp;at</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Afficher ou masquer la barre d&apos;état</translation>
    </message>
    <message>
        <source>Use the data of the GEN version (the data is reset)</source>
        <translation>Utiliser les données de la version GEN (les données sont réinitialisées)</translation>
    </message>
    <message>
        <source>Use the data of the SEA version (the data is reset)</source>
        <translation>Utiliser les données de la version SEA (les données sont réinitialisées)</translation>
    </message>
    <message>
        <source>Use the data of the USA version (the data is reset)</source>
        <translation>Utiliser les données de la version USA (les données sont réinitialisées)</translation>
    </message>
    <message>
        <source>Use the data of the EUR version (the data is reset)</source>
        <translation>Utiliser les données de la version EUR (les données sont réinitialisées)</translation>
    </message>
    <message>
        <source>&amp;No version</source>
        <translation>&amp;Aucune version</translation>
    </message>
    <message>
        <source>Use the data of no particular version (the data is reset)</source>
        <translation>Utiliser les données d&apos;aucune version particulière (les données sont réinitialisées)</translation>
    </message>
    <message>
        <source>Clone through serial port COM1</source>
        <translation>Cloner via le port série COM1</translation>
    </message>
    <message>
        <source>Clone through serial port COM2</source>
        <translation>Cloner via le port série COM2</translation>
    </message>
    <message>
        <source>Clone through serial port COM3</source>
        <translation>Cloner via le port série COM3</translation>
    </message>
    <message>
        <source>Clone through serial port COM4</source>
        <translation>Cloner via le port série COM4</translation>
    </message>
    <message>
        <source>&amp;Read &lt;- TR</source>
        <translation>&amp;Lire &lt;- TR</translation>
    </message>
    <message>
        <source>Read the radio&apos;s memory</source>
        <translation>Lire la mémoire de la radio</translation>
    </message>
    <message>
        <source>&amp;Write -&gt; TR</source>
        <translation>É&amp;crire -&gt; TR</translation>
    </message>
    <message>
        <source>Write the data into the radio</source>
        <translation>Écrire les données dans la radio</translation>
    </message>
    <message>
        <source>&amp;Information...</source>
        <translation>&amp;Informations...</translation>
    </message>
    <message>
        <source>Show the connected radio&apos;s version and options</source>
        <translation>Afficher la version et les options de la radio connectée</translation>
    </message>
    <message>
        <source>Back &amp;up before writing</source>
        <translation>&amp;Sauvegarder avant d&apos;écrire</translation>
    </message>
    <message>
        <source>Read the radio and keep the read in the radio history before every write</source>
        <translation>Lire la radio et conserver la lecture dans l&apos;historique radio avant chaque écriture</translation>
    </message>
    <message>
        <source>&amp;Verify after writing</source>
        <translation>&amp;Vérifier après écriture</translation>
    </message>
    <message>
        <source>Read the radio back after every write and name what it holds differently</source>
        <translation>Relire la radio après chaque écriture et signaler ce qu&apos;elle contient de différent</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>Show the user manual</source>
        <translation>Afficher le manuel d&apos;utilisation</translation>
    </message>
    <message>
        <source>&amp;About CP-Z5...</source>
        <translation>À &amp;propos de CP-Z5...</translation>
    </message>
    <message>
        <source>Show the program&apos;s version</source>
        <translation>Afficher la version du programme</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Volet suivant</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Volet précédent</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>C&amp;OM Port</source>
        <translation>Port C&amp;OM</translation>
    </message>
    <message>
        <source>&amp;Clone</source>
        <translation>&amp;Clonage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Modèle</translation>
    </message>
</context>
<context>
    <name>CCompareDlg</name>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>The data and %1 hold the same values.</source>
        <translation>Les données et %1 contiennent les mêmes valeurs.</translation>
    </message>
    <message>
        <source>1 value differs.</source>
        <translation>1 valeur diffère.</translation>
    </message>
    <message>
        <source>%1 values differ.</source>
        <translation>%1 valeurs diffèrent.</translation>
    </message>
    <message>
        <source>Double-click a value to go to it.</source>
        <translation>Double-cliquez sur une valeur pour y aller.</translation>
    </message>
    <message>
        <source>Compare With %1</source>
        <translation>Comparer avec %1</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Différences</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>This data</source>
        <translation>Ces données</translation>
    </message>
    <message>
        <source>&amp;Take Selected</source>
        <translation>&amp;Reprendre la sélection</translation>
    </message>
    <message>
        <source>Take &amp;All</source>
        <translation>Reprendre &amp;tout</translation>
    </message>
    <message>
        <source>Select values or whole channels to take them over from %1. Double-click a value to go to it.</source>
        <translation>Sélectionnez des valeurs ou des canaux entiers pour les reprendre de %1. Double-cliquez sur une valeur pour y aller.</translation>
    </message>
    <message>
        <source>1 value taken over. %1</source>
        <translation>1 valeur reprise. %1</translation>
    </message>
    <message>
        <source>%1 values taken over. %2</source>
        <translation>%1 valeurs reprises. %2</translation>
    </message>
</context>
<context>
    <name>CCsvCommands</name>
    <message>
        <source>%1 could not be read.

%2</source>
        <translation>%1 n&apos;a pas pu être lu.

%2</translation>
    </message>
    <message>
        <source>These rows of %1 cannot go into the radio:

%2
Import the other rows and skip these?</source>
        <translation>Ces lignes de %1 ne peuvent pas aller dans la radio&#xa0;:

%2
Importer les autres lignes et ignorer celles-ci&#xa0;?</translation>
    </message>
    <message>
        <source>%1 channels imported.</source>
        <translation>%1 canaux importés.</translation>
    </message>
    <message>
        <source>Some values of %1 were stored otherwise than written:

%2</source>
        <translation>Certaines valeurs de %1 ont été enregistrées autrement qu&apos;écrites&#xa0;:

%2</translation>
    </message>
    <message>
        <source>Memory channels exported to %1.</source>
        <translation>Canaux mémoire exportés vers %1.</translation>
    </message>
</context>
<context>
    <name>CCsvReader</name>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>texte après le guillemet fermant d&apos;un champ</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>un champ entre guillemets n&apos;est pas fermé</translation>
    </message>
</context>
<context>
    <name>CDocWriteSafeguard</name>
    <message>
        <source>... and %1 more</source>
        <translation>... et %1 de plus</translation>
    </message>
    <message>
        <source>%1: sent %2, radio holds %3</source>
        <translation>%1&#xa0;: envoyé %2, la radio contient %3</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>the radio could not be read</source>
        <translation>la radio n&apos;a pas pu être lue</translation>
    </message>
</context>
<context>
    <name>CDocument</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1&#xa0;?</translation>
    </message>
    <message>
        <source>The file could not be saved.

%1</source>
        <translation>Le fichier n&apos;a pas pu être enregistré.

%1</translation>
    </message>
    <message>
        <source>%1

Save under another name?</source>
        <translation>%1

Enregistrer sous un autre nom&#xa0;?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
</context>
<context>
    <name>CDtmfPrint</name>
    <message>
        <source>Channel Selection</source>
        <translation>Sélection de canal</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
</context>
<context>
    <name>CFileTakeOver</name>
    <message>
        <source>all</source>
        <translation>tout</translation>
    </message>
    <message>
        <source>%1 values</source>
        <translation>%1 valeurs</translation>
    </message>
    <message>
        <source>Take over %1 from %2</source>
        <translation>Reprendre %1 de %2</translation>
    </message>
</context>
<context>
    <name>CFindChannelBar</name>
    <message>
        <source>Name or frequency (MHz)</source>
        <translation>Nom ou fréquence (MHz)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No channel matches “%1”.</source>
        <translation>Aucun canal ne correspond à «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Continued from the top.</source>
        <translation>Reprise depuis le haut.</translation>
    </message>
    <message>
        <source>Continued from the bottom.</source>
        <translation>Reprise depuis le bas.</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>CP-Z5 Help</source>
        <translation>Aide de CP-Z5</translation>
    </message>
</context>
<context>
    <name>CHistoryCommands</name>
    <message>
        <source>Compare With</source>
        <translation>Comparer avec</translation>
    </message>
    <message>
        <source>the read of %1</source>
        <translation>la lecture de %1</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>illisible (%1)</translation>
    </message>
    <message>
        <source>%1 memory channels in use</source>
        <translation>%1 canaux mémoire utilisés</translation>
    </message>
</context>
<context>
    <name>CHistoryDlg</name>
    <message>
        <source>Read at</source>
        <translation>Lu le</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Radio History</source>
        <translation>Historique radio</translation>
    </message>
    <message>
        <source>Reads kept</source>
        <translation>Lectures conservées</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Compare With Data</source>
        <translation>&amp;Comparer aux données</translation>
    </message>
    <message>
        <source>No reads are kept in %1 yet.</source>
        <translation>Aucune lecture n&apos;est encore conservée dans %1.</translation>
    </message>
    <message>
        <source>%1 reads kept in %2, newest first (local time).</source>
        <translation>%1 lectures conservées dans %2, les plus récentes d&apos;abord (heure locale).</translation>
    </message>
</context>
<context>
    <name>CInformationDlg</name>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
</context>
<context>
    <name>CInstanceLock</name>
    <message>
        <source>no lock file</source>
        <translation>pas de fichier de verrou</translation>
    </message>
    <message>
        <source>%1 is not a regular file of this user</source>
        <translation>%1 n&apos;est pas un fichier ordinaire de cet utilisateur</translation>
    </message>
</context>
<context>
    <name>CModelManager</name>
    <message>
        <source>Change model 

All data will be lost.

      OK? 
</source>
        <translation>Changer de modèle 

Toutes les données seront perdues.

      OK&#xa0;? 
</translation>
    </message>
</context>
<context>
    <name>CPdfExport</name>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter PDF</translation>
    </message>
    <message>
        <source>PDF files (%1)</source>
        <translation>Fichiers PDF (%1)</translation>
    </message>
    <message>
        <source>%1 is the open clone file; the PDF is not written over it.</source>
        <translation>%1 est le fichier de clonage ouvert&#xa0;; le PDF n&apos;est pas écrit par-dessus.</translation>
    </message>
    <message>
        <source>Pages exported to %1.</source>
        <translation>Pages exportées vers %1.</translation>
    </message>
</context>
<context>
    <name>CPrintDevice</name>
    <message>
        <source>The printer %1 is no longer installed.
Choose another one with Printer Setup... in the Print window.</source>
        <translation>L&apos;imprimante %1 n&apos;est plus installée.
Choisissez-en une autre avec Configurer l&apos;imprimante... dans la fenêtre Imprimer.</translation>
    </message>
    <message>
        <source>The PDF file is not written: %1.</source>
        <translation>Le fichier PDF n&apos;est pas écrit&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The PDF file cannot be written into the folder %1.
%2</source>
        <translation>Le fichier PDF ne peut pas être écrit dans le dossier %1.
%2</translation>
    </message>
    <message>
        <source>No temporary file can be made in %1.</source>
        <translation>Aucun fichier temporaire ne peut être créé dans %1.</translation>
    </message>
    <message>
        <source>The pages could not be made.</source>
        <translation>Les pages n&apos;ont pas pu être créées.</translation>
    </message>
    <message>
        <source>The pages could not be read back from %1.</source>
        <translation>Les pages n&apos;ont pas pu être relues depuis %1.</translation>
    </message>
    <message>
        <source>The job could not be sent to the printer %1:
%2</source>
        <translation>La tâche n&apos;a pas pu être envoyée à l&apos;imprimante %1&#xa0;:
%2</translation>
    </message>
</context>
<context>
    <name>CPrintPreviewDlg</name>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primer</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Ajuster à la largeur</translation>
    </message>
    <message>
        <source>Whole Page</source>
        <translation>Page entière</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>No printer is installed: the pages on %1 paper, as Export PDF... writes them.</source>
        <translation>Aucune imprimante n&apos;est installée&#xa0;: les pages sur papier %1, telles qu&apos;Exporter PDF... les écrit.</translation>
    </message>
    <message>
        <source>Printer: %1 (%2)</source>
        <translation>Imprimante&#xa0;: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>CPrintSections</name>
    <message>
        <source>Common Setting</source>
        <translation>Réglages communs</translation>
    </message>
    <message>
        <source>ANI Setting</source>
        <translation>Réglage ANI</translation>
    </message>
    <message>
        <source>Scrambler Setting</source>
        <translation>Réglage du brouilleur</translation>
    </message>
    <message>
        <source>DTMF Autodial</source>
        <translation>Numérotation auto DTMF</translation>
    </message>
    <message>
        <source>PGR Memory</source>
        <translation>Mémoire PGR</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>page %1 sur %2</translation>
    </message>
    <message>
        <source>There is no printer.
Before you can print, you need to install a printer.</source>
        <translation>Il n&apos;y a pas d&apos;imprimante.
Avant de pouvoir imprimer, vous devez installer une imprimante.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
</context>
<context>
    <name>CPrintSelectDlg</name>
    <message>
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Common Setting</source>
        <translation>Réglages communs</translation>
    </message>
    <message>
        <source>DTMF Autodial</source>
        <translation>Numérotation auto DTMF</translation>
    </message>
    <message>
        <source>PGR Memory</source>
        <translation>Mémoire PGR</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Only channels in use</source>
        <translation>Seulement les canaux utilisés</translation>
    </message>
    <message>
        <source>Leave cleared channels out of the channel lists</source>
        <translation>Exclure les canaux effacés des listes de canaux</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>Configurer l&apos;imprimante...</translation>
    </message>
</context>
<context>
    <name>CPrintStatusDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Now printing...</source>
        <translation>Impression en cours...</translation>
    </message>
</context>
<context>
    <name>CQtSettingsStore</name>
    <message>
        <source>%1 is larger than 1 MiB</source>
        <translation>%1 dépasse 1 Mio</translation>
    </message>
    <message>
        <source>the settings file %1: it is neither read nor written, and this run uses the default settings</source>
        <translation>le fichier de réglages %1&#xa0;: il n&apos;est ni lu ni écrit, et cette exécution utilise les réglages par défaut</translation>
    </message>
</context>
<context>
    <name>CQtUserInterface</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;Ne pas enregistrer</translation>
    </message>
</context>
<context>
    <name>CReadHistory</name>
    <message>
        <source>no folder for the history (neither XDG_DATA_HOME nor HOME is set)</source>
        <translation>aucun dossier pour l&apos;historique (ni XDG_DATA_HOME ni HOME n&apos;est défini)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1&#xa0;: illisible</translation>
    </message>
    <message>
        <source>%1: no new file can be made there (%2)</source>
        <translation>%1&#xa0;: aucun nouveau fichier ne peut y être créé (%2)</translation>
    </message>
    <message>
        <source>%1: read error</source>
        <translation>%1&#xa0;: erreur de lecture</translation>
    </message>
</context>
<context>
    <name>CReplacingFile</name>
    <message>
        <source>%1 is another user&apos;s symbolic link in a folder open to all; it is not followed</source>
        <translation>%1 est un lien symbolique d&apos;un autre utilisateur dans un dossier ouvert à tous&#xa0;; il n&apos;est pas suivi</translation>
    </message>
    <message>
        <source>%1 is on a read-only file system</source>
        <translation>%1 est sur un système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 est en lecture seule</translation>
    </message>
    <message>
        <source>%1 has %2 hard links; replacing it would part it from the others</source>
        <translation>%1 a %2 liens physiques&#xa0;; le remplacer le séparerait des autres</translation>
    </message>
    <message>
        <source>cannot create a new file beside %1</source>
        <translation>impossible de créer un nouveau fichier à côté de %1</translation>
    </message>
</context>
<context>
    <name>CSetFieldDlg</name>
    <message>
        <source>Set Field</source>
        <translation>Définir un champ</translation>
    </message>
    <message>
        <source>&amp;Field</source>
        <translation>&amp;Champ</translation>
    </message>
    <message>
        <source>&amp;Value</source>
        <translation>&amp;Valeur</translation>
    </message>
    <message>
        <source>The field is set on the selected channel.</source>
        <translation>Le champ est défini sur le canal sélectionné.</translation>
    </message>
    <message>
        <source>The field is set on the %1 selected channels in use.</source>
        <translation>Le champ est défini sur les %1 canaux sélectionnés utilisés.</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
</context>
<context>
    <name>CTerminalUserInterface</name>
    <message>
        <source>error: </source>
        <translation>erreur&#xa0;: </translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>avertissement&#xa0;: </translation>
    </message>
    <message>
        <source>(answered yes: --yes)</source>
        <translation>(réponse oui&#xa0;: --yes)</translation>
    </message>
    <message>
        <source>(no terminal to answer on: cancelled; --yes answers yes)</source>
        <translation>(aucun terminal pour répondre&#xa0;: annulé&#xa0;; --yes répond oui)</translation>
    </message>
</context>
<context>
    <name>CTextFile</name>
    <message>
        <source>is not a regular file</source>
        <translation>n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>is a directory</source>
        <translation>est un dossier</translation>
    </message>
    <message>
        <source>is a FIFO, not a regular file</source>
        <translation>est un FIFO, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>is a socket, not a regular file</source>
        <translation>est un socket, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>is a device, not a regular file</source>
        <translation>est un périphérique, pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>CUndoCommands</name>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>PGR Memory</source>
        <translation>Mémoire PGR</translation>
    </message>
    <message>
        <source>DTMF Autodial</source>
        <translation>Numérotation auto DTMF</translation>
    </message>
    <message>
        <source>Common Setting</source>
        <translation>Réglages communs</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importer CSV</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Réta&amp;blir</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>Réta&amp;blir %1</translation>
    </message>
</context>
<context>
    <name>CZ5App</name>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>The file could not be opened as a QM-Z5 clone file.

%1

%2</source>
        <translation>Le fichier n&apos;a pas pu être ouvert comme fichier de clonage QM-Z5.

%1

%2</translation>
    </message>
    <message>
        <source>The user manual (CP-Z5.html) was found neither beside the program nor in its
share/cpz5 folder.</source>
        <translation>Le manuel d&apos;utilisation (CP-Z5.html) n&apos;a été trouvé ni à côté du programme ni dans son
dossier share/cpz5.</translation>
    </message>
    <message>
        <source>QM-Z5 clone files (%1)</source>
        <translation>Fichiers de clonage QM-Z5 (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>CSV files (%1)</source>
        <translation>Fichiers CSV (%1)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter CSV</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importer CSV</translation>
    </message>
    <message>
        <source>The file already opened.</source>
        <translation>Le fichier est déjà ouvert.</translation>
    </message>
</context>
<context>
    <name>CZ5ChEditDlg</name>
    <message>
        <source>Edit Memory</source>
        <translation>Modifier la mémoire</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Mémoire</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inversion</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Fréquence (MHz)</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Offset (MHz)</source>
        <translation>Décalage (MHz)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tonalité</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>Inversé</translation>
    </message>
    <message>
        <source>RPT tone (Hz)</source>
        <translation>Tonalité RPT (Hz)</translation>
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
        <translation>Canal PGR</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Saut</translation>
    </message>
    <message>
        <source>Low power</source>
        <translation>Faible puissance</translation>
    </message>
    <message>
        <source>TX inhibit</source>
        <translation>TX inhibé</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Brouilleur</translation>
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
        <translation>Coller %1 canaux</translation>
    </message>
    <message>
        <source>None of the selected channels is in use: nothing is set.</source>
        <translation>Aucun des canaux sélectionnés n&apos;est utilisé&#xa0;: rien n&apos;est défini.</translation>
    </message>
    <message>
        <source>%1 rows are pasted, but only %2 channels follow from CH %3 to the end of the list: the other rows are not pasted.</source>
        <translation>%1 lignes sont collées, mais seuls %2 canaux suivent du canal %3 à la fin de la liste&#xa0;: les autres lignes ne sont pas collées.</translation>
    </message>
    <message>
        <source>Paste the rows that fit?</source>
        <translation>Coller les lignes qui tiennent&#xa0;?</translation>
    </message>
    <message>
        <source>The text cannot be pasted as channels:</source>
        <translation>Le texte ne peut pas être collé comme canaux&#xa0;:</translation>
    </message>
    <message>
        <source>These rows of the text cannot be pasted:</source>
        <translation>Ces lignes du texte ne peuvent pas être collées&#xa0;:</translation>
    </message>
    <message>
        <source>Nothing is pasted.</source>
        <translation>Rien n&apos;est collé.</translation>
    </message>
    <message>
        <source>Paste the good rows?</source>
        <translation>Coller les lignes correctes&#xa0;?</translation>
    </message>
    <message>
        <source>Some values of the text were stored otherwise than written:</source>
        <translation>Certaines valeurs du texte ont été enregistrées autrement qu&apos;écrites&#xa0;:</translation>
    </message>
    <message>
        <source>Clear %1 channels</source>
        <translation>Effacer %1 canaux</translation>
    </message>
    <message>
        <source>Cut %1 channels</source>
        <translation>Couper %1 canaux</translation>
    </message>
    <message>
        <source>Delete CH ?</source>
        <translation>Supprimer les canaux&#xa0;?</translation>
    </message>
    <message>
        <source>Delete %1 channels</source>
        <translation>Supprimer %1 canaux</translation>
    </message>
    <message>
        <source>CH overflow
Last channel will be deleted.</source>
        <translation>Dépassement de canaux
Le dernier canal sera supprimé.</translation>
    </message>
    <message>
        <source>Insert %1 channels</source>
        <translation>Insérer %1 canaux</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canaux</translation>
    </message>
    <message>
        <source>Set %1 on %2</source>
        <translation>Définir %1 sur %2</translation>
    </message>
    <message>
        <source>%1 set on %2.</source>
        <translation>%1 défini sur %2.</translation>
    </message>
    <message>
        <source>%1 set on %2; 1 cleared channel is left as it is.</source>
        <translation>%1 défini sur %2&#xa0;; 1 canal effacé est laissé tel quel.</translation>
    </message>
    <message>
        <source>%1 set on %2; %3 cleared channels are left as they are.</source>
        <translation>%1 défini sur %2&#xa0;; %3 canaux effacés sont laissés tels quels.</translation>
    </message>
    <message>
        <source>%1 “%2” cannot be set on these channels:</source>
        <translation>%1 «&#xa0;%2&#xa0;» ne peut pas être défini sur ces canaux&#xa0;:</translation>
    </message>
    <message>
        <source>Nothing is set.</source>
        <translation>Rien n&apos;est défini.</translation>
    </message>
    <message>
        <source>They are left as they are; the others are set.</source>
        <translation>Ils sont laissés tels quels&#xa0;; les autres sont définis.</translation>
    </message>
</context>
<context>
    <name>CZ5CloneFileIoManager</name>
    <message>
        <source>QM-Z5 clone files (*%1)</source>
        <translation>Fichiers de clonage QM-Z5 (*%1)</translation>
    </message>
</context>
<context>
    <name>CZ5CommonPropSheet</name>
    <message>
        <source>Common Setting</source>
        <translation>Réglages communs</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Commun</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Brouilleur</translation>
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
        <translation>Numérotation auto DTMF</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Autodial Memory</source>
        <translation>Mémoire de numérotation auto</translation>
    </message>
    <message>
        <source>The memory the radio dials</source>
        <translation>La mémoire que la radio compose</translation>
    </message>
    <message>
        <source>%1 code</source>
        <translation>code %1</translation>
    </message>
</context>
<context>
    <name>CZ5PgrMemoryDlg</name>
    <message>
        <source>PGR Memory</source>
        <translation>Mémoire PGR</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Saut</translation>
    </message>
    <message>
        <source>%1 Code</source>
        <translation>Code %1</translation>
    </message>
    <message>
        <source>%1 Skip</source>
        <translation>Saut %1</translation>
    </message>
</context>
<context>
    <name>CZ5TreeView</name>
    <message>
        <source>Areas</source>
        <translation>Zones</translation>
    </message>
</context>
<context>
    <name>ChannelClipText</name>
    <message>
        <source>the text is larger than %1 bytes, no channel list</source>
        <translation>le texte dépasse %1 octets, pas une liste de canaux</translation>
    </message>
    <message>
        <source>the text holds no rows</source>
        <translation>le texte ne contient aucune ligne</translation>
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
        <translation>%1 %2 est enregistré comme %3, sur le pas de 5 kHz ou 6,25 kHz de la radio</translation>
    </message>
    <message>
        <source>Frequency %1 is outside the receive range of the radio (version %2)</source>
        <translation>La fréquence %1 est hors de la plage de réception de la radio (version %2)</translation>
    </message>
    <message>
        <source>Frequency %1 is outside the receive range of the radio (136 to 174 MHz)</source>
        <translation>La fréquence %1 est hors de la plage de réception de la radio (136 à 174 MHz)</translation>
    </message>
    <message>
        <source>is not &quot;&quot;, + or -</source>
        <translation>n&apos;est pas &quot;&quot;, + ou -</translation>
    </message>
    <message>
        <source>is not &quot;&quot;, +, -, split or off</source>
        <translation>n&apos;est pas &quot;&quot;, +, -, split ou off</translation>
    </message>
    <message>
        <source>the duplex offset %1 is more than the radio can set or off its raster</source>
        <translation>le décalage duplex %1 dépasse ce que la radio peut régler ou n&apos;est pas sur son pas</translation>
    </message>
    <message>
        <source>Location %1 is not a channel number from 0 to %2</source>
        <translation>Le numéro %1 n&apos;est pas un numéro de canal de 0 à %2</translation>
    </message>
    <message>
        <source>Name %1 is stored as %2 (at most 5 ASCII characters, no control characters)</source>
        <translation>Le nom %1 est enregistré comme %2 (5 caractères ASCII au plus, sans caractères de contrôle)</translation>
    </message>
    <message>
        <source>is a cross mode: the radio has none</source>
        <translation>est un mode croisé&#xa0;: la radio n&apos;en a aucun</translation>
    </message>
    <message>
        <source>is not FM: the radio has FM only</source>
        <translation>n&apos;est pas FM&#xa0;: la radio n&apos;a que la FM</translation>
    </message>
    <message>
        <source>is not a tone mode of the radio (&quot;&quot;, Tone, TSQL or DTCS)</source>
        <translation>n&apos;est pas un mode de tonalité de la radio (&quot;&quot;, Tone, TSQL ou DTCS)</translation>
    </message>
    <message>
        <source>is not a tone of the radio</source>
        <translation>n&apos;est pas une tonalité de la radio</translation>
    </message>
    <message>
        <source>is not a DTCS code of the radio</source>
        <translation>n&apos;est pas un code DTCS de la radio</translation>
    </message>
    <message>
        <source>is not NN or RR: the radio inverts both directions or neither</source>
        <translation>n&apos;est ni NN ni RR&#xa0;: la radio inverse les deux sens ou aucun</translation>
    </message>
    <message>
        <source>is not &quot;&quot;, S or P</source>
        <translation>n&apos;est pas &quot;&quot;, S ou P</translation>
    </message>
    <message>
        <source>%1 %2 is stored as %3</source>
        <translation>%1 %2 est enregistré comme %3</translation>
    </message>
    <message>
        <source>RxDtcsCode %1 differs from DtcsCode %2: the radio has one DTCS code for both directions</source>
        <translation>RxDtcsCode %1 diffère de DtcsCode %2&#xa0;: la radio a un seul code DTCS pour les deux sens</translation>
    </message>
    <message>
        <source>is not ON or OFF</source>
        <translation>n&apos;est pas ON ou OFF</translation>
    </message>
    <message>
        <source>is not OFF, CSQL or PGR</source>
        <translation>n&apos;est pas OFF, CSQL ou PGR</translation>
    </message>
    <message>
        <source>is not an ANI code of the radio (C0 to C6 or CP)</source>
        <translation>n&apos;est pas un code ANI de la radio (C0 à C6 ou CP)</translation>
    </message>
    <message>
        <source>is not a scrambler code from 01 to FF</source>
        <translation>n&apos;est pas un code de brouilleur de 01 à FF</translation>
    </message>
</context>
<context>
    <name>ChannelCsvText</name>
    <message>
        <source>is far more than any frequency of the radio</source>
        <translation>dépasse de loin toute fréquence de la radio</translation>
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
        <translation>FILE est un fichier de clonage (.cz5). PATH est un chemin de feuille pointé tel que
MCH.CH12.FreqRx, Common.Beep, DTMF.D3 ou PGR.C4.Code&#xa0;; dump les liste tous. --market
remplace pour cette exécution la version de marché de la radio dans les réglages
(import-csv ne prend que les canaux que cette version peut recevoir)&#xa0;; l&apos;ancien nom
--version VALUE fonctionne encore.
PORT est COMn ou un chemin de périphérique tel que /dev/ttyUSB0.
Code de sortie&#xa0;: 0 succès, 2 un fichier n&apos;a pas pu être lu ou écrit, 64 utilisation&#xa0;;
import-csv&#xa0;: 65 le fichier CSV a des lignes incorrectes et rien n&apos;a été importé&#xa0;;
diff&#xa0;: 1 les fichiers diffèrent&#xa0;; setup, info, read, write&#xa0;: le résultat du transfert
(1 annulé, 77 échec, 85 mauvais modèle, 90 mauvaise version, 91 échec du port)&#xa0;;
write --verify&#xa0;: 94 la radio contient d&apos;autres données que celles envoyées&#xa0;;
write --backup&#xa0;: 95 la sauvegarde n&apos;a pas pu être conservée (rien n&apos;a été écrit).
</translation>
    </message>
    <message>
        <source>Writes the factory data of the market version to FILE, as Save would.</source>
        <translation>Écrit dans FILE les données d&apos;usine de la version de marché, comme Enregistrer.</translation>
    </message>
    <message>
        <source>Prints every leaf of FILE as PATH=TEXT, one a line, in tree order.</source>
        <translation>Affiche chaque feuille de FILE sous la forme PATH=TEXT, une par ligne, dans l&apos;ordre de l&apos;arbre.</translation>
    </message>
    <message>
        <source>Prints the text of each PATH of FILE, one a line.</source>
        <translation>Affiche le texte de chaque PATH de FILE, un par ligne.</translation>
    </message>
    <message>
        <source>Sets each PATH to TEXT, then saves over FILE (or to OUT).</source>
        <translation>Donne à chaque PATH la valeur TEXT, puis enregistre par-dessus FILE (ou dans OUT).</translation>
    </message>
    <message>
        <source>Prints the chosen sections of FILE to the PDF file OUT.pdf.</source>
        <translation>Imprime les sections choisies de FILE dans le fichier PDF OUT.pdf.</translation>
    </message>
    <message>
        <source>Identifies the radio on PORT as the first-start setup does and
remembers its market version, options and port.</source>
        <translation>Identifie la radio sur PORT comme la configuration du premier démarrage et
mémorise sa version de marché, ses options et son port.</translation>
    </message>
    <message>
        <source>Shows the radio&apos;s model information (the Information command).</source>
        <translation>Affiche les informations de modèle de la radio (la commande Informations).</translation>
    </message>
    <message>
        <source>Reads the radio&apos;s memory on PORT (Read &lt;- TR) and saves it to FILE.</source>
        <translation>Lit la mémoire de la radio sur PORT (Lire &lt;- TR) et l&apos;enregistre dans FILE.</translation>
    </message>
    <message>
        <source>Writes FILE into the radio on PORT (Write -&gt; TR) after a question
that --yes answers.</source>
        <translation>Écrit FILE dans la radio sur PORT (Écrire -&gt; TR) après une question
à laquelle --yes répond.</translation>
    </message>
    <message>
        <source>Writes the memory channels of FILE as a CSV channel list.</source>
        <translation>Écrit les canaux mémoire de FILE sous forme de liste de canaux CSV.</translation>
    </message>
    <message>
        <source>Reads a CSV channel list into the memory channels of FILE.</source>
        <translation>Lit une liste de canaux CSV dans les canaux mémoire de FILE.</translation>
    </message>
    <message>
        <source>Lists the leaves that differ between two clone files.</source>
        <translation>Liste les feuilles qui diffèrent entre deux fichiers de clonage.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Usage&#xa0;: %1</translation>
    </message>
    <message>
        <source>The QM-Z5 clone file and radio commands from a shell.</source>
        <translation>Le fichier de clonage QM-Z5 et les commandes radio depuis un shell.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commandes&#xa0;:</translation>
    </message>
    <message>
        <source>cpz5-cli --help shows this text, cpz5-cli COMMAND --help the help of one
command, cpz5-cli --version the program&apos;s version.
</source>
        <translation>cpz5-cli --help affiche ce texte, cpz5-cli COMMAND --help l&apos;aide d&apos;une
commande, cpz5-cli --version la version du programme.
</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>commande inconnue %1</translation>
    </message>
</context>
<context>
    <name>CloneResult</name>
    <message>
        <source>failed</source>
        <translation>échec</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>failed: no answer or a bad answer</source>
        <translation>échec&#xa0;: pas de réponse ou réponse incorrecte</translation>
    </message>
    <message>
        <source>not a QM-Z5 of a known revision</source>
        <translation>pas un QM-Z5 d&apos;une révision connue</translation>
    </message>
    <message>
        <source>wrong model version</source>
        <translation>mauvaise version du modèle</translation>
    </message>
    <message>
        <source>port could not be opened</source>
        <translation>le port n&apos;a pas pu être ouvert</translation>
    </message>
    <message>
        <source>radio holds other data than sent</source>
        <translation>la radio contient d&apos;autres données que celles envoyées</translation>
    </message>
    <message>
        <source>backup could not be kept</source>
        <translation>la sauvegarde n&apos;a pas pu être conservée</translation>
    </message>
</context>
<context>
    <name>CsvCommands</name>
    <message>
        <source>export-csv reads one clone file</source>
        <translation>export-csv lit un seul fichier de clonage</translation>
    </message>
    <message>
        <source>import-csv needs a clone file and a CSV file</source>
        <translation>import-csv requiert un fichier de clonage et un fichier CSV</translation>
    </message>
    <message>
        <source>%1: nothing imported</source>
        <translation>%1&#xa0;: rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>%1: skipped %2</source>
        <translation>%1&#xa0;: ignoré %2</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1&#xa0;: avertissement&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>DiffCommand</name>
    <message>
        <source>diff compares two clone files</source>
        <translation>diff compare deux fichiers de clonage</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>no leaf %1</source>
        <translation>pas de feuille %1</translation>
    </message>
    <message>
        <source>warning: %1 could not be read back to check what it holds</source>
        <translation>avertissement&#xa0;: %1 n&apos;a pas pu être relu pour vérifier son contenu</translation>
    </message>
    <message>
        <source>warning: %1 %2 is stored as %3</source>
        <translation>avertissement&#xa0;: %1 %2 est enregistré comme %3</translation>
    </message>
    <message>
        <source>new writes one file, named by -o</source>
        <translation>new écrit un seul fichier, nommé par -o</translation>
    </message>
    <message>
        <source>dump reads one file</source>
        <translation>dump lit un seul fichier</translation>
    </message>
    <message>
        <source>get needs a file and at least one path</source>
        <translation>get requiert un fichier et au moins un chemin</translation>
    </message>
    <message>
        <source>set needs a file and at least one PATH=TEXT</source>
        <translation>set requiert un fichier et au moins un PATH=TEXT</translation>
    </message>
</context>
<context>
    <name>FleetTransfer</name>
    <message>
        <source>no such device</source>
        <translation>périphérique inexistant</translation>
    </message>
    <message>
        <source>busy: another program uses it</source>
        <translation>occupé&#xa0;: un autre programme l&apos;utilise</translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>pas un périphérique série</translation>
    </message>
    <message>
        <source>a folder, not a serial device</source>
        <translation>un dossier, pas un périphérique série</translation>
    </message>
    <message>
        <source>no permission to use it</source>
        <translation>pas l&apos;autorisation de l&apos;utiliser</translation>
    </message>
    <message>
        <source>%1 is no port (COMn or a device path)</source>
        <translation>%1 n&apos;est pas un port (COMn ou un chemin de périphérique)</translation>
    </message>
    <message>
        <source>no pipe for the start (%1)</source>
        <translation>pas de tube pour le démarrage (%1)</translation>
    </message>
    <message>
        <source>the processes of only %1 of the %2 ports could be started (%3)</source>
        <translation>les processus de seulement %1 des %2 ports ont pu être démarrés (%3)</translation>
    </message>
    <message>
        <source>... and %1 more ports, %2 of them done</source>
        <translation>... et %1 ports de plus, dont %2 terminés</translation>
    </message>
    <message>
        <source>given twice</source>
        <translation>donné deux fois</translation>
    </message>
    <message>
        <source>clone file error</source>
        <translation>erreur de fichier de clonage</translation>
    </message>
    <message>
        <source>not a port</source>
        <translation>pas un port</translation>
    </message>
    <message>
        <source>%1; given twice, done once</source>
        <translation>%1&#xa0;; donné deux fois, fait une fois</translation>
    </message>
    <message>
        <source>PORT</source>
        <translation>PORT</translation>
    </message>
    <message>
        <source>RADIO</source>
        <translation>RADIO</translation>
    </message>
    <message>
        <source>RESULT</source>
        <translation>RÉSULTAT</translation>
    </message>
    <message>
        <source>The data will be written into %1 radios and replace their memory.

Write to the radios?</source>
        <translation>Les données vont être écrites dans %1 radios et remplacer leur mémoire.

Écrire dans les radios&#xa0;?</translation>
    </message>
    <message>
        <source>%1 radios need %2 open files, and this program may open only %3 (ulimit -n); no radio was touched</source>
        <translation>%1 radios demandent %2 fichiers ouverts, et ce programme ne peut en ouvrir que %3 (ulimit -n)&#xa0;; aucune radio n&apos;a été touchée</translation>
    </message>
    <message>
        <source>%1: not a directory for the reads</source>
        <translation>%1&#xa0;: pas un répertoire pour les lectures</translation>
    </message>
    <message>
        <source>%1 ports given: at most %2 radios at once</source>
        <translation>%1 ports donnés&#xa0;: %2 radios au plus à la fois</translation>
    </message>
    <message>
        <source>%1; no radio was touched</source>
        <translation>%1&#xa0;; aucune radio n&apos;a été touchée</translation>
    </message>
</context>
<context>
    <name>LeafPaths</name>
    <message>
        <source>is outside the range of this leaf, %1 to %2 MHz</source>
        <translation>est hors de la plage de cette feuille, %1 à %2 MHz</translation>
    </message>
    <message>
        <source>is not a value of this leaf</source>
        <translation>n&apos;est pas une valeur de cette feuille</translation>
    </message>
    <message>
        <source>is not a value of this leaf: one of %1</source>
        <translation>n&apos;est pas une valeur de cette feuille&#xa0;: l&apos;une de %1</translation>
    </message>
</context>
<context>
    <name>ListColumnDef</name>
    <message>
        <source>CH</source>
        <translation>CAN</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inversion</translation>
    </message>
    <message>
        <source>Offset Freq.</source>
        <translation>Décalage</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tonalité</translation>
    </message>
    <message>
        <source>RPT</source>
        <translation>REL</translation>
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
        <translation>Canal PGR</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Saut</translation>
    </message>
    <message>
        <source>TX Power</source>
        <translation>Puiss. TX</translation>
    </message>
    <message>
        <source>TX Inhibit</source>
        <translation>TX inhibé</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Brouilleur</translation>
    </message>
</context>
<context>
    <name>PortsCommand</name>
    <message>
        <source>ports takes no argument</source>
        <translation>ports ne prend pas d&apos;argument</translation>
    </message>
    <message>
        <source>no serial port found: is the cable plugged in?</source>
        <translation>aucun port série trouvé&#xa0;: le câble est-il branché&#xa0;?</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>no printer named %1 exists; no printer is installed</source>
        <translation>aucune imprimante nommée %1&#xa0;; aucune imprimante n&apos;est installée</translation>
    </message>
    <message>
        <source>no printer named %1 exists; the printers are %2</source>
        <translation>aucune imprimante nommée %1&#xa0;; les imprimantes sont %2</translation>
    </message>
    <message>
        <source>print reads one clone file</source>
        <translation>print lit un seul fichier de clonage</translation>
    </message>
    <message>
        <source>-o and --printer need a name</source>
        <translation>-o et --printer requièrent un nom</translation>
    </message>
    <message>
        <source>print takes -o or --printer, not both</source>
        <translation>print prend -o ou --printer, pas les deux</translation>
    </message>
    <message>
        <source>unknown section in --sections</source>
        <translation>section inconnue dans --sections</translation>
    </message>
    <message>
        <source>printing is not installed: %1 is neither beside cpz5-cli nor in %2</source>
        <translation>l&apos;impression n&apos;est pas installée&#xa0;: %1 n&apos;est ni à côté de cpz5-cli ni dans %2</translation>
    </message>
    <message>
        <source>the printing program %1 cannot be run: %2</source>
        <translation>le programme d&apos;impression %1 ne peut pas être lancé&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>RadioMain</name>
    <message>
        <source>%1 (--help shows the options)</source>
        <translation>%1 (--help affiche les options)</translation>
    </message>
</context>
<context>
    <name>RadioOptions</name>
    <message>
        <source>unknown argument %1</source>
        <translation>argument inconnu %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>bad value for %1: %2</source>
        <translation>valeur incorrecte pour %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>market version (option byte bits 0-1; default GEN);
the memory starts as that version&apos;s factory image;
--version VERSION is its old name</source>
        <translation>version de marché (bits 0-1 de l&apos;octet d&apos;options&#xa0;; GEN par défaut)&#xa0;;
la mémoire démarre avec l&apos;image d&apos;usine de cette version&#xa0;;
--version VERSION est son ancien nom</translation>
    </message>
    <message>
        <source>the option byte (0 to 0x7F; decimal, 0x.. hex or
0.. octal): bits 0-1 version, bit 2 receive range
extension, bit 3 scrambler, bit 4 ANI, bits 5-6
further options; --market overrides bits 0-1</source>
        <translation>l&apos;octet d&apos;options (0 à 0x7F&#xa0;; décimal, 0x.. hexa ou
0.. octal)&#xa0;: bits 0-1 version, bit 2 extension de la
plage de réception, bit 3 brouilleur, bit 4 ANI, bits 5-6
autres options&#xa0;; --market remplace les bits 0-1</translation>
    </message>
    <message>
        <source>start from this clone file instead</source>
        <translation>partir plutôt de ce fichier de clonage</translation>
    </message>
    <message>
        <source>write the memory to this clone file after every
completed write</source>
        <translation>écrire la mémoire dans ce fichier de clonage après chaque
écriture terminée</translation>
    </message>
    <message>
        <source>pace every byte the radio sends, echoes too, as a
line of N baud would (N / 10 bytes a second);
without it the pseudo-terminal runs at full speed</source>
        <translation>cadencer chaque octet envoyé par la radio, échos compris,
comme une ligne à N bauds (N / 10 octets par seconde)&#xa0;;
sans cela le pseudo-terminal tourne à pleine vitesse</translation>
    </message>
    <message>
        <source>data bytes in each frame of a read (1 to 122,
default 16; the last frame takes what is left)</source>
        <translation>octets de données par trame d&apos;une lecture (1 à 122,
16 par défaut&#xa0;; la dernière trame prend le reste)</translation>
    </message>
    <message>
        <source>misbehave (default none):</source>
        <translation>mal se comporter (aucun par défaut)&#xa0;:</translation>
    </message>
    <message>
        <source>the radio and its cable work</source>
        <translation>la radio et son câble fonctionnent</translation>
    </message>
    <message>
        <source>the radio is off and the cable dead: nothing comes back,
not even the echo</source>
        <translation>la radio est éteinte et le câble mort&#xa0;: rien ne revient,
pas même l&apos;écho</translation>
    </message>
    <message>
        <source>the cable returns no echo; the radio still answers</source>
        <translation>le câble ne renvoie pas d&apos;écho&#xa0;; la radio répond quand même</translation>
    </message>
    <message>
        <source>in a read, the sixth data frame (address 0x0050) carries a
checksum one too high</source>
        <translation>dans une lecture, la sixième trame de données (adresse 0x0050)
porte une somme de contrôle trop haute d&apos;un</translation>
    </message>
    <message>
        <source>every write is refused: the write result is 0x01 and the
memory stays as it was</source>
        <translation>chaque écriture est refusée&#xa0;: le résultat d&apos;écriture est 0x01
et la mémoire reste telle quelle</translation>
    </message>
    <message>
        <source>junk bytes (below 0xF0, no 0xFE) and a stray 0xFD before
every frame the radio sends, and a stray 0xFD after every
frame it echoes; a correct receiver survives them</source>
        <translation>des octets parasites (sous 0xF0, pas de 0xFE) et un 0xFD égaré avant
chaque trame envoyée par la radio, et un 0xFD égaré après chaque
trame en écho&#xa0;; un récepteur correct y survit</translation>
    </message>
    <message>
        <source>in a read, the sixth data frame is never sent and
the seventh comes twice: as many frames as a good read,
but part of the memory missing</source>
        <translation>dans une lecture, la sixième trame de données n&apos;est jamais envoyée
et la septième arrive deux fois&#xa0;: autant de trames qu&apos;une bonne
lecture, mais une partie de la mémoire manque</translation>
    </message>
    <message>
        <source>in a write, every data frame stored is answered with
the write result 0x00, not only the end frame</source>
        <translation>dans une écriture, chaque trame de données enregistrée reçoit
le résultat d&apos;écriture 0x00, pas seulement la trame de fin</translation>
    </message>
    <message>
        <source>in a write, the third data frame is refused at once with
the write result 0x01; the memory stays as it was</source>
        <translation>dans une écriture, la troisième trame de données est refusée
aussitôt avec le résultat d&apos;écriture 0x01&#xa0;; la mémoire reste telle quelle</translation>
    </message>
    <message>
        <source>after K data frames of a read or write the radio stops
answering until the next request (the echo goes on)</source>
        <translation>après K trames de données d&apos;une lecture ou d&apos;une écriture, la radio
cesse de répondre jusqu&apos;à la requête suivante (l&apos;écho continue)</translation>
    </message>
    <message>
        <source>a write is accepted but the byte at address A (decimal or
0x.. hex, up to 0x79F) is stored with its lowest bit
flipped</source>
        <translation>une écriture est acceptée mais l&apos;octet à l&apos;adresse A (décimal ou
0x.. hexa, jusqu&apos;à 0x79F) est enregistré avec son bit de poids
faible inversé</translation>
    </message>
    <message>
        <source>show this text</source>
        <translation>afficher ce texte</translation>
    </message>
    <message>
        <source>on its own: show the program&apos;s version</source>
        <translation>seul&#xa0;: afficher la version du programme</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Usage&#xa0;: %1</translation>
    </message>
    <message>
        <source>A virtual QM-Z5 hand-held on a pseudo-terminal. The first line of output is
&quot;PTY &lt;path&gt;&quot;: open that path as the serial port (for example with
CPZ5_COM1=&lt;path&gt;). The radio runs until it is interrupted (Ctrl-C, SIGTERM).
</source>
        <translation>Une radio portative QM-Z5 virtuelle sur un pseudo-terminal. La première ligne
de sortie est &quot;PTY &lt;path&gt;&quot;&#xa0;: ouvrez ce chemin comme port série (par exemple
avec CPZ5_COM1=&lt;path&gt;). La radio tourne jusqu&apos;à son interruption
(Ctrl-C, SIGTERM).
</translation>
    </message>
    <message>
        <source>The radio echoes every byte it receives (the cable is one wire), answers the
model information request (model 0x2468, revision 1, 22 identity bytes), sends
its memory (0x000 to 0x79F, 16 bytes a frame unless --frame-size) on a read request and stores a
write after checking every frame. A bad write frame is answered at once with
the write result 0x01.
</source>
        <translation>La radio renvoie en écho chaque octet reçu (le câble est un seul fil), répond à
la requête d&apos;informations du modèle (modèle 0x2468, révision 1, 22 octets
d&apos;identité), envoie sa mémoire (0x000 à 0x79F, 16 octets par trame sauf avec
--frame-size) sur une requête de lecture et enregistre une écriture après avoir
vérifié chaque trame. Une trame d&apos;écriture incorrecte reçoit aussitôt
le résultat d&apos;écriture 0x01.
</translation>
    </message>
    <message>
        <source>Exit status: 0 after an interruption, 1 when the pseudo-terminal or a clone
file cannot be used, 64 for a usage error.
</source>
        <translation>Code de sortie&#xa0;: 0 après une interruption, 1 quand le pseudo-terminal ou un
fichier de clonage est inutilisable, 64 pour une erreur d&apos;utilisation.
</translation>
    </message>
</context>
<context>
    <name>SCsvProblem</name>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... et %1 de plus</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>This data was not read from the connected radio and may hold settings
that the radio does not expect.

Continue?</source>
        <translation>Ces données n&apos;ont pas été lues depuis la radio connectée et peuvent contenir des réglages
que la radio n&apos;attend pas.

Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Clone completed.</source>
        <translation>Clonage terminé.</translation>
    </message>
    <message>
        <source>Read &lt;- TR failed.</source>
        <translation>Lecture &lt;- TR échouée.</translation>
    </message>
    <message>
        <source>Write -&gt; TR failed.</source>
        <translation>Écriture -&gt; TR échouée.</translation>
    </message>
    <message>
        <source>The radio could not be identified.</source>
        <translation>La radio n&apos;a pas pu être identifiée.</translation>
    </message>
    <message>
        <source>The connected radio is not a QM-Z5 of a revision this program knows.

Nothing was transferred.</source>
        <translation>La radio connectée n&apos;est pas un QM-Z5 d&apos;une révision connue de ce programme.

Rien n&apos;a été transféré.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>The serial port could not be opened.</source>
        <translation>Le port série n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>The radio&apos;s memory was read.</source>
        <translation>La mémoire de la radio a été lue.</translation>
    </message>
    <message>
        <source>The data was written into the radio.</source>
        <translation>Les données ont été écrites dans la radio.</translation>
    </message>
    <message>
        <source>The serial port %1 could not be opened.

- Is the cloning cable plugged into this computer?
- Is the right port chosen in the COM Port menu?
- Are you allowed to use the device? Your user must be in the group
  that owns it (often &quot;dialout&quot;: see ls -l %1), then log in again.
- Is another program using the port?</source>
        <translation>Le port série %1 n&apos;a pas pu être ouvert.

- Le câble de clonage est-il branché sur cet ordinateur&#xa0;?
- Le bon port est-il choisi dans le menu Port COM&#xa0;?
- Avez-vous le droit d&apos;utiliser le périphérique&#xa0;? Votre utilisateur doit être dans le groupe
  qui le possède (souvent &quot;dialout&quot;&#xa0;: voir ls -l %1), puis reconnectez-vous.
- Un autre programme utilise-t-il le port&#xa0;?</translation>
    </message>
    <message>
        <source>Reading from the radio...</source>
        <translation>Lecture depuis la radio...</translation>
    </message>
    <message>
        <source>Writing to the radio...</source>
        <translation>Écriture dans la radio...</translation>
    </message>
    <message>
        <source>The data has been changed</source>
        <translation>Les données ont été modifiées</translation>
    </message>
    <message>
        <source> and reading from the radio will replace it.

Read from the radio?</source>
        <translation> et la lecture depuis la radio va les remplacer.

Lire depuis la radio&#xa0;?</translation>
    </message>
    <message>
        <source>The data will be written into the radio and replace its memory.

Write to the radio?</source>
        <translation>Les données vont être écrites dans la radio et remplacer sa mémoire.

Écrire dans la radio&#xa0;?</translation>
    </message>
    <message>
        <source>Model version mismatch.</source>
        <translation>Version du modèle incompatible.</translation>
    </message>
    <message>
        <source>The radio did not answer as expected.

Check that the cloning cable is connected to the radio and to this
computer, that the radio is switched on, and try again.</source>
        <translation>La radio n&apos;a pas répondu comme prévu.

Vérifiez que le câble de clonage est branché sur la radio et sur cet
ordinateur, que la radio est allumée, puis réessayez.</translation>
    </message>
    <message>
        <source>Connect the radio to this computer with the cloning cable and switch
it on. Choose the port of the cable, then press OK: the program asks
the radio for its version and options and remembers them.</source>
        <translation>Branchez la radio sur cet ordinateur avec le câble de clonage et
allumez-la. Choisissez le port du câble, puis appuyez sur OK&#xa0;: le programme
demande à la radio sa version et ses options et les mémorise.</translation>
    </message>
    <message>
        <source>Port of the cloning cable:</source>
        <translation>Port du câble de clonage&#xa0;:</translation>
    </message>
    <message>
        <source>The version of the connected radio differs from the version this
program was set up for, or the setup was never completed.

Run the setup again with the radio connected: start the program
with the option -S (or cpz5-cli setup).</source>
        <translation>La version de la radio connectée diffère de la version pour laquelle ce
programme a été configuré, ou la configuration n&apos;a jamais été terminée.

Relancez la configuration avec la radio connectée&#xa0;: démarrez le programme
avec l&apos;option -S (ou cpz5-cli setup).</translation>
    </message>
    <message>
        <source>Cloning</source>
        <translation>Clonage</translation>
    </message>
    <message>
        <source>The read succeeded, but it could not be kept in the radio history:
%1

Reads are not kept until this is solved; this message is not shown
again in this session.</source>
        <translation>La lecture a réussi, mais elle n&apos;a pas pu être conservée dans l&apos;historique radio&#xa0;:
%1

Les lectures ne sont pas conservées tant que ce problème n&apos;est pas résolu&#xa0;;
ce message n&apos;est plus affiché pendant cette session.</translation>
    </message>
    <message>
        <source>Backing up the radio before writing...</source>
        <translation>Sauvegarde de la radio avant l&apos;écriture...</translation>
    </message>
    <message>
        <source>Backup failed: nothing was written.</source>
        <translation>Échec de la sauvegarde&#xa0;: rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The radio&apos;s memory could not be read and kept before the write:
%1

Nothing was written into the radio.</source>
        <translation>La mémoire de la radio n&apos;a pas pu être lue et conservée avant l&apos;écriture&#xa0;:
%1

Rien n&apos;a été écrit dans la radio.</translation>
    </message>
    <message>
        <source>Reading the radio back to check the write...</source>
        <translation>Relecture de la radio pour vérifier l&apos;écriture...</translation>
    </message>
    <message>
        <source>Written and checked: the radio holds what was sent.</source>
        <translation>Écrit et vérifié&#xa0;: la radio contient ce qui a été envoyé.</translation>
    </message>
    <message>
        <source>Check after writing failed: the radio holds other data.</source>
        <translation>Échec de la vérification après écriture&#xa0;: la radio contient d&apos;autres données.</translation>
    </message>
    <message>
        <source>The write ended, but the radio does not hold what was sent:

%1</source>
        <translation>L&apos;écriture est terminée, mais la radio ne contient pas ce qui a été envoyé&#xa0;:

%1</translation>
    </message>
    <message>
        <source>The write ended, but the radio could not be read back to check it.

Read it again or write once more.</source>
        <translation>L&apos;écriture est terminée, mais la radio n&apos;a pas pu être relue pour la vérifier.

Relisez-la ou écrivez une nouvelle fois.</translation>
    </message>
    <message>
        <source>The radio answered, but the temporary clone file could not be used:
%1

Nothing in the document was changed. Check the free space and the
permissions of the temporary folder (TMPDIR), then try again.</source>
        <translation>La radio a répondu, mais le fichier de clonage temporaire n&apos;a pas pu être utilisé&#xa0;:
%1

Rien n&apos;a été modifié dans le document. Vérifiez l&apos;espace libre et les
autorisations du dossier temporaire (TMPDIR), puis réessayez.</translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>--port takes COMn or a device path, not %1</source>
        <translation>--port accepte COMn ou un chemin de périphérique, pas %1</translation>
    </message>
    <message>
        <source>the radio&apos;s port is named by --port (COMn or a device)</source>
        <translation>le port de la radio est indiqué par --port (COMn ou un périphérique)</translation>
    </message>
    <message>
        <source>setup takes no file</source>
        <translation>setup ne prend pas de fichier</translation>
    </message>
    <message>
        <source>info takes no file</source>
        <translation>info ne prend pas de fichier</translation>
    </message>
    <message>
        <source>read writes one file, named by -o</source>
        <translation>read écrit un seul fichier, nommé par -o</translation>
    </message>
    <message>
        <source>write sends one file</source>
        <translation>write envoie un seul fichier</translation>
    </message>
</context>
<context>
    <name>TypedFrequency</name>
    <message>
        <source>is below zero: a frequency in MHz cannot be negative</source>
        <translation>est inférieur à zéro&#xa0;: une fréquence en MHz ne peut pas être négative</translation>
    </message>
    <message>
        <source>is not a frequency in MHz: type digits with one decimal point or comma, such as 146.52</source>
        <translation>n&apos;est pas une fréquence en MHz&#xa0;: saisissez des chiffres avec un point ou une virgule décimale, par exemple 146.52</translation>
    </message>
    <message>
        <source>holds no digits: type a frequency in MHz, such as 146.52</source>
        <translation>ne contient aucun chiffre&#xa0;: saisissez une fréquence en MHz, par exemple 146.52</translation>
    </message>
    <message>
        <source>holds no frequency: type one in MHz, such as 146.52</source>
        <translation>ne contient aucune fréquence&#xa0;: saisissez-en une en MHz, par exemple 146.52</translation>
    </message>
</context>
<context>
    <name>channelfields</name>
    <message>
        <source>“%1”</source>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>This channel has no such frequency.</source>
        <translation>Ce canal n&apos;a pas cette fréquence.</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <source>Type a frequency in MHz, such as 146.52.</source>
        <translation>Saisissez une fréquence en MHz, par exemple 146.52.</translation>
    </message>
    <message>
        <source>%1 lies outside %2 to %3 MHz.</source>
        <translation>%1 est hors de %2 à %3 MHz.</translation>
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
        <translation>Usage&#xa0;: cpz5 [OPTION]... [QT OPTION]...
Le programme de clonage de l&apos;émetteur-récepteur portatif VHF QM-Z5&#xa0;:
lire la mémoire de la radio par un câble de clonage, modifier canaux et
réglages, enregistrer et ouvrir des fichiers de clonage (.cz5), les imprimer
et les réécrire dans la radio.

  -S                          relancer la configuration du premier démarrage
                              (/S fonctionne aussi)
  --virtual-radio[=VERSION]   démarrer un QM-Z5 virtuel de VERSION (GEN, SEA,
                              USA ou EUR&#xa0;; GEN par défaut) dans le programme
                              et y lier COM1 pour cette exécution
  --open FILE                 ouvrir le fichier de clonage FILE une fois le
                              programme démarré, comme Fichier &gt; Ouvrir&#xa0;;
                              un nom de fichier seul n&apos;est pas ouvert
  -h, --help                  afficher ce texte et quitter
  --version                   afficher la version du programme et quitter

Les options propres à Qt (-platform NAME, -style NAME, ...) fonctionnent aussi.
Réglages&#xa0;: $XDG_CONFIG_HOME/Brel/CP-Z5.conf
(par défaut ~/.config/Brel/CP-Z5.conf).
Une seule copie tourne par utilisateur&#xa0;; un second démarrage transmet son
--open FILE à la copie en cours, qui l&apos;ouvre, et se termine.

Code de sortie&#xa0;: 0 quand le programme se termine normalement, 1 s&apos;il ne
peut pas démarrer, 64 pour une erreur d&apos;utilisation.
</translation>
    </message>
    <message>
        <source>no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set);
cpz5-cli works without one</source>
        <translation>aucun affichage pour montrer la fenêtre (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini)&#xa0;;
cpz5-cli fonctionne sans</translation>
    </message>
    <message>
        <source>the window system could not be reached</source>
        <translation>le système de fenêtrage n&apos;a pas pu être atteint</translation>
    </message>
    <message>
        <source>%1 is not opened: the program starts with new data; cpz5 --open FILE opens a clone file</source>
        <translation>%1 n&apos;est pas ouvert&#xa0;: le programme démarre avec de nouvelles données&#xa0;; cpz5 --open FILE ouvre un fichier de clonage</translation>
    </message>
    <message>
        <source>CP-Z5 already runs but did not take %1</source>
        <translation>CP-Z5 tourne déjà mais n&apos;a pas pris %1</translation>
    </message>
    <message>
        <source>no folder that only this user can write was found for its lock
(not $XDG_RUNTIME_DIR, not in the temporary directory, not in the cache folder
of the home)</source>
        <translation>aucun dossier accessible en écriture à ce seul utilisateur n&apos;a été trouvé pour son verrou
(ni $XDG_RUNTIME_DIR, ni dans le dossier temporaire, ni dans le dossier cache
du dossier personnel)</translation>
    </message>
    <message>
        <source>CP-Z5 cannot make sure that it runs only once: %1; it does not start</source>
        <translation>CP-Z5 ne peut pas s&apos;assurer qu&apos;il ne tourne qu&apos;une fois&#xa0;: %1&#xa0;; il ne démarre pas</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>unknown radio version &quot;%1&quot; (GEN, SEA, USA or EUR)</source>
        <translation>version de radio inconnue «&#xa0;%1&#xa0;» (GEN, SEA, USA ou EUR)</translation>
    </message>
    <message>
        <source>the virtual radio could not start: %1</source>
        <translation>la radio virtuelle n&apos;a pas pu démarrer&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>settingrows</name>
    <message>
        <source>ScanResume</source>
        <translation>Reprise du balayage</translation>
    </message>
    <message>
        <source>LCD Back Light</source>
        <translation>Rétroéclairage LCD</translation>
    </message>
    <message>
        <source>LCD Contrast</source>
        <translation>Contraste LCD</translation>
    </message>
    <message>
        <source>Power Save</source>
        <translation>Économie d&apos;énergie</translation>
    </message>
    <message>
        <source>SP-31C Function</source>
        <translation>Fonction SP-31C</translation>
    </message>
    <message>
        <source>Auto Repeater</source>
        <translation>Relais automatique</translation>
    </message>
    <message>
        <source>Function Mode</source>
        <translation>Mode fonction</translation>
    </message>
    <message>
        <source>Auto Power-OFF</source>
        <translation>Arrêt automatique</translation>
    </message>
    <message>
        <source>Time-Out Timer</source>
        <translation>Minuterie d&apos;émission</translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation>Verrouillage</translation>
    </message>
    <message>
        <source>Squelch Delay</source>
        <translation>Délai du squelch</translation>
    </message>
    <message>
        <source>Dial Select</source>
        <translation>Sélection molette</translation>
    </message>
    <message>
        <source>Memory Disp</source>
        <translation>Affichage mémoire</translation>
    </message>
    <message>
        <source>Scan Edge</source>
        <translation>Limite de balayage</translation>
    </message>
    <message>
        <source>Operation Beep</source>
        <translation>Bip des touches</translation>
    </message>
    <message>
        <source>Dial Speedup</source>
        <translation>Accélération molette</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>ANI Function</source>
        <translation>Fonction ANI</translation>
    </message>
    <message>
        <source>TX CH</source>
        <translation>Canal TX</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Group Code</source>
        <translation>Code de groupe</translation>
    </message>
    <message>
        <source>Synchronous Capture</source>
        <translation>Capture synchrone</translation>
    </message>
    <message>
        <source>Tone Start Timing</source>
        <translation>Délai de début de tonalité</translation>
    </message>
</context>
<context>
    <name>z5area</name>
    <message>
        <source>Memory CH</source>
        <translation>Canaux mémoire</translation>
    </message>
    <message>
        <source>Program scan edge</source>
        <translation>Limites de balayage programmé</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Appel</translation>
    </message>
</context>
<context>
    <name>z5channel</name>
    <message>
        <source>frequency</source>
        <translation>fréquence</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>tone</source>
        <translation>tonalité</translation>
    </message>
    <message>
        <source>duplex</source>
        <translation>duplex</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>inversion</translation>
    </message>
    <message>
        <source>offset</source>
        <translation>décalage</translation>
    </message>
    <message>
        <source>RPT tone</source>
        <translation>tonalité RPT</translation>
    </message>
    <message>
        <source>CTCSS tone</source>
        <translation>tonalité CTCSS</translation>
    </message>
    <message>
        <source>DTCS code</source>
        <translation>code DTCS</translation>
    </message>
    <message>
        <source>PGR</source>
        <translation>PGR</translation>
    </message>
    <message>
        <source>PGR CH</source>
        <translation>Canal PGR</translation>
    </message>
    <message>
        <source>skip</source>
        <translation>saut</translation>
    </message>
    <message>
        <source>TX power</source>
        <translation>puissance TX</translation>
    </message>
    <message>
        <source>TX inhibit</source>
        <translation>TX inhibé</translation>
    </message>
    <message>
        <source>scrambler</source>
        <translation>brouilleur</translation>
    </message>
    <message>
        <source>Sort by %1, descending</source>
        <translation>Trier par %1, décroissant</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation>Trier par %1</translation>
    </message>
</context>
<context>
    <name>z5label</name>
    <message>
        <source>Cleared</source>
        <translation>Effacé</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Frequency Step</source>
        <translation>Pas de fréquence</translation>
    </message>
    <message>
        <source>Offset Freq.</source>
        <translation>Décalage</translation>
    </message>
    <message>
        <source>Offset Step</source>
        <translation>Pas de décalage</translation>
    </message>
    <message>
        <source>TX Inhibit</source>
        <translation>TX inhibé</translation>
    </message>
    <message>
        <source>TX Power</source>
        <translation>Puiss. TX</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inversion</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tonalité</translation>
    </message>
    <message>
        <source>RPT Tone</source>
        <translation>Tonalité RPT</translation>
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
        <translation>DTCS inversé</translation>
    </message>
    <message>
        <source>PGR</source>
        <translation>PGR</translation>
    </message>
    <message>
        <source>PGR CH</source>
        <translation>Canal PGR</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Brouilleur</translation>
    </message>
    <message>
        <source>Scrambler Code</source>
        <translation>Code du brouilleur</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Saut</translation>
    </message>
    <message>
        <source>ScanResume</source>
        <translation>Reprise du balayage</translation>
    </message>
    <message>
        <source>LCD Back Light</source>
        <translation>Rétroéclairage LCD</translation>
    </message>
    <message>
        <source>LCD Contrast</source>
        <translation>Contraste LCD</translation>
    </message>
    <message>
        <source>Power Save</source>
        <translation>Économie d&apos;énergie</translation>
    </message>
    <message>
        <source>SP-31C Function</source>
        <translation>Fonction SP-31C</translation>
    </message>
    <message>
        <source>Auto Repeater</source>
        <translation>Relais automatique</translation>
    </message>
    <message>
        <source>Auto Power-OFF</source>
        <translation>Arrêt automatique</translation>
    </message>
    <message>
        <source>Time-Out Timer</source>
        <translation>Minuterie d&apos;émission</translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation>Verrouillage</translation>
    </message>
    <message>
        <source>Squelch Delay</source>
        <translation>Délai du squelch</translation>
    </message>
    <message>
        <source>Dial Select</source>
        <translation>Sélection molette</translation>
    </message>
    <message>
        <source>Memory Disp</source>
        <translation>Affichage mémoire</translation>
    </message>
    <message>
        <source>Function Mode</source>
        <translation>Mode fonction</translation>
    </message>
    <message>
        <source>Scan Edge</source>
        <translation>Limite de balayage</translation>
    </message>
    <message>
        <source>ANI Function</source>
        <translation>Fonction ANI</translation>
    </message>
    <message>
        <source>ANI Function (being edited)</source>
        <translation>Fonction ANI (en cours de modification)</translation>
    </message>
    <message>
        <source>ANI Time-Out Timer</source>
        <translation>Minuterie d&apos;émission ANI</translation>
    </message>
    <message>
        <source>ANI Lockout</source>
        <translation>Verrouillage ANI</translation>
    </message>
    <message>
        <source>ANI TX CH</source>
        <translation>Canal TX ANI</translation>
    </message>
    <message>
        <source>Scrambler Type</source>
        <translation>Type de brouilleur</translation>
    </message>
    <message>
        <source>Scrambler Group Code</source>
        <translation>Code de groupe du brouilleur</translation>
    </message>
    <message>
        <source>Synchronous Capture</source>
        <translation>Capture synchrone</translation>
    </message>
    <message>
        <source>Tone Start Timing</source>
        <translation>Délai de début de tonalité</translation>
    </message>
    <message>
        <source>Operation Beep</source>
        <translation>Bip des touches</translation>
    </message>
    <message>
        <source>Dial Speedup</source>
        <translation>Accélération molette</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Channel Selection</source>
        <translation>Sélection de canal</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
</context>
</TS>
