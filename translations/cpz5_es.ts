<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About CP-Z5</source>
        <translation>Acerca de CP-Z5</translation>
    </message>
</context>
<context>
    <name>CChListPrint</name>
    <message>
        <source>(!): outside the bands of the radio&apos;s version</source>
        <translation>(!): fuera de las bandas de la versión de la radio</translation>
    </message>
    <message>
        <source>No channel in use.</source>
        <translation>Ningún canal en uso.</translation>
    </message>
</context>
<context>
    <name>CChannelColumns</name>
    <message>
        <source>The %1 column does not edit.</source>
        <translation>La columna %1 no se edita.</translation>
    </message>
    <message>
        <source>Only memory channels have %1.</source>
        <translation>Solo los canales de memoria tienen %1.</translation>
    </message>
    <message>
        <source>The radio has no scrambler unit.</source>
        <translation>La radio no tiene unidad de codificador.</translation>
    </message>
    <message>
        <source>“%1” is not one of the %2 choices.</source>
        <translation>“%1” no es una de las opciones de %2.</translation>
    </message>
</context>
<context>
    <name>CChannelCsv</name>
    <message>
        <source>Location %1 is also on line %2</source>
        <translation>La posición %1 también está en la línea %2</translation>
    </message>
    <message>
        <source>%1: larger than %2 bytes, not a channel list</source>
        <translation>%1: mayor que %2 bytes, no es una lista de canales</translation>
    </message>
    <message>
        <source>the data has no memory channels</source>
        <translation>los datos no tienen canales de memoria</translation>
    </message>
    <message>
        <source>the file is empty: no header row</source>
        <translation>el archivo está vacío: no hay fila de encabezado</translation>
    </message>
    <message>
        <source>the header row: %1</source>
        <translation>la fila de encabezado: %1</translation>
    </message>
    <message>
        <source>the header row has no %1 column</source>
        <translation>la fila de encabezado no tiene columna %1</translation>
    </message>
</context>
<context>
    <name>CChannelGrid</name>
    <message>
        <source>%1: off</source>
        <translation>%1: desactivado</translation>
    </message>
    <message>
        <source>outside the radio&apos;s receive range</source>
        <translation>fuera del rango de recepción de la radio</translation>
    </message>
    <message>
        <source>TX Power: %1</source>
        <translation>Potencia TX: %1</translation>
    </message>
    <message>
        <source>inverse polarity</source>
        <translation>polaridad inversa</translation>
    </message>
    <message>
        <source>normal polarity</source>
        <translation>polaridad normal</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverso</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Inhibit</source>
        <translation>Inhibir</translation>
    </message>
    <message>
        <source>not in use</source>
        <translation>sin uso</translation>
    </message>
</context>
<context>
    <name>CChannelRowOrder</name>
    <message>
        <source>Move %1</source>
        <translation>Mover %1</translation>
    </message>
    <message>
        <source>Move %1 channels</source>
        <translation>Mover %1 canales</translation>
    </message>
    <message>
        <source>The memory channels are in that order already.</source>
        <translation>Los canales de memoria ya están en ese orden.</translation>
    </message>
</context>
<context>
    <name>CChannelTableModel</name>
    <message>
        <source>scan edge %1</source>
        <translation>límite de escaneo %1</translation>
    </message>
    <message>
        <source>call channel</source>
        <translation>canal de llamada</translation>
    </message>
    <message>
        <source>CH %1</source>
        <translation>CH %1</translation>
    </message>
    <message>
        <source>There is no such channel.</source>
        <translation>No existe ese canal.</translation>
    </message>
    <message>
        <source>%1 MHz lies outside the radio&apos;s band, %2 to %3 MHz.</source>
        <translation>%1 MHz está fuera de la banda de la radio, de %2 a %3 MHz.</translation>
    </message>
    <message>
        <source>%1 MHz lies outside the band of a radio of no known version.</source>
        <translation>%1 MHz está fuera de la banda de una radio sin versión conocida.</translation>
    </message>
</context>
<context>
    <name>CCliOptions</name>
    <message>
        <source>--version VALUE is now --market VALUE; --version alone shows the program&apos;s version</source>
        <translation>--version VALUE ahora es --market VALUE; --version solo muestra la versión del programa</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>option %1 given twice</source>
        <translation>opción %1 indicada dos veces</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>la opción %1 no admite valor</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>la opción %1 necesita un valor</translation>
    </message>
</context>
<context>
    <name>CCliSession</name>
    <message>
        <source>unknown version %1 (%2)</source>
        <translation>versión desconocida %1 (%2)</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>uso: %1</translation>
    </message>
</context>
<context>
    <name>CCloneProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CCloneRsEngine</name>
    <message>
        <source>its first line is no model line</source>
        <translation>su primera línea no es una línea de modelo</translation>
    </message>
    <message>
        <source>it holds a line that is no data line: %1</source>
        <translation>contiene una línea que no es de datos: %1</translation>
    </message>
</context>
<context>
    <name>CCloneRsIoManager</name>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
</context>
<context>
    <name>CCloneSoftMainFrm</name>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>More Buttons</source>
        <translation>Más botones</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>no conectado</translation>
    </message>
    <message>
        <source>%1  (%2)</source>
        <translation>%1  (%2)</translation>
    </message>
    <message>
        <source>Common Setting</source>
        <translation>Ajustes comunes</translation>
    </message>
    <message>
        <source>DTMF Autodial</source>
        <translation>Marcación automática DTMF</translation>
    </message>
    <message>
        <source>PGR Memory</source>
        <translation>Memoria PGR</translation>
    </message>
</context>
<context>
    <name>CCloneStatusBar</name>
    <message>
        <source>CAP</source>
        <translation>MAYÚS</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DESPL</translation>
    </message>
</context>
<context>
    <name>CCloneSupportDoc</name>
    <message>
        <source>scan edge %1</source>
        <translation>límite de escaneo %1</translation>
    </message>
    <message>
        <source>call channel</source>
        <translation>canal de llamada</translation>
    </message>
    <message>
        <source>CH %1</source>
        <translation>CH %1</translation>
    </message>
    <message>
        <source>Edit settings</source>
        <translation>Editar ajustes</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Editar %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A step of the history: what was done (&quot;Delete&quot;) and the first channel it changed (&quot;CH 12&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 holds only %2 of the %3 data lines of a full clone file</source>
        <translation>%1 contiene solo %2 de las %3 líneas de datos de un archivo de clonación completo</translation>
    </message>
    <message>
        <source>%1; the rest is factory data.</source>
        <translation>%1; el resto son datos de fábrica.</translation>
    </message>
    <message>
        <source>the temporary file %1 could not be written</source>
        <translation>no se pudo escribir el archivo temporal %1</translation>
    </message>
    <message>
        <source>no temporary file could be made in %1</source>
        <translation>no se pudo crear un archivo temporal en %1</translation>
    </message>
    <message>
        <source>Read from radio</source>
        <translation>Leer de la radio</translation>
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
El dispositivo pertenece al grupo &quot;%2&quot;. Únase a él con
  sudo usermod -aG %2 $USER
y luego cierre la sesión y vuelva a iniciarla</translation>
    </message>
    <message>
        <source> not Open </source>
        <translation> no abierto </translation>
    </message>
    <message>
        <source> invarid setting </source>
        <translation> ajuste no válido </translation>
    </message>
    <message>
        <source> write error </source>
        <translation> error de escritura </translation>
    </message>
    <message>
        <source> read error </source>
        <translation> error de lectura </translation>
    </message>
    <message>
        <source> COM Port Error    </source>
        <translation> Error del puerto COM    </translation>
    </message>
</context>
<context>
    <name>CCommPortSetupDlg</name>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>&amp;Cable on this port:</source>
        <translation>&amp;Cable en este puerto:</translation>
    </message>
    <message>
        <source>No serial device found</source>
        <translation>No se encontró ningún dispositivo serie</translation>
    </message>
    <message>
        <source>Another device: choose it here</source>
        <translation>Otro dispositivo: elíjalo aquí</translation>
    </message>
</context>
<context>
    <name>CCommandTable</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Start new data: the factory settings of the radio&apos;s version</source>
        <translation>Comenzar datos nuevos: los ajustes de fábrica de la versión de la radio</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open a clone file</source>
        <translation>Abrir un archivo de clonación</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the data to its clone file</source>
        <translation>Guardar los datos en su archivo de clonación</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Save the data to a new clone file</source>
        <translation>Guardar los datos en un nuevo archivo de clonación</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>&amp;Importar CSV...</translation>
    </message>
    <message>
        <source>Read memory channels from a CSV channel list</source>
        <translation>Leer canales de memoria de una lista de canales CSV</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>Write the memory channels as a CSV channel list</source>
        <translation>Escribir los canales de memoria como lista de canales CSV</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primir</translation>
    </message>
    <message>
        <source>Print the data</source>
        <translation>Imprimir los datos</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Vista previa de impresión...</translation>
    </message>
    <message>
        <source>Show the pages that Print would print</source>
        <translation>Mostrar las páginas que imprimiría Imprimir</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Exportar P&amp;DF...</translation>
    </message>
    <message>
        <source>Write the pages that Print would print to a PDF file</source>
        <translation>Escribir en un archivo PDF las páginas que imprimiría Imprimir</translation>
    </message>
    <message>
        <source>Compare &amp;With...</source>
        <translation>Co&amp;mparar con...</translation>
    </message>
    <message>
        <source>List the values that differ between the data and another clone file</source>
        <translation>Listar los valores que difieren entre los datos y otro archivo de clonación</translation>
    </message>
    <message>
        <source>Radio &amp;History...</source>
        <translation>&amp;Historial de la radio...</translation>
    </message>
    <message>
        <source>Open or compare a read kept from the radio</source>
        <translation>Abrir o comparar una lectura guardada de la radio</translation>
    </message>
    <message>
        <source>&amp;Recent File</source>
        <translation>Archivo &amp;reciente</translation>
    </message>
    <message>
        <source>Open this clone file</source>
        <translation>Abrir este archivo de clonación</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit the program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>&amp;Edit Memory...</source>
        <translation>&amp;Editar memoria...</translation>
    </message>
    <message>
        <source>Edit the selected channel</source>
        <translation>Editar el canal seleccionado</translation>
    </message>
    <message>
        <source>&amp;Set Field...</source>
        <translation>Asignar ca&amp;mpo...</translation>
    </message>
    <message>
        <source>Give one field the same value on every selected channel in use</source>
        <translation>Dar a un campo el mismo valor en todos los canales seleccionados en uso</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>Copy the selected channels, then clear them</source>
        <translation>Copiar los canales seleccionados y después vaciarlos</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the selected channels</source>
        <translation>Copiar los canales seleccionados</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Paste copied channels from the selected one on</source>
        <translation>Pegar los canales copiados a partir del seleccionado</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Vaciar</translation>
    </message>
    <message>
        <source>Clear the selected channels</source>
        <translation>Vaciar los canales seleccionados</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Delete the selected channels and move the ones below up</source>
        <translation>Eliminar los canales seleccionados y subir los de debajo</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insertar</translation>
    </message>
    <message>
        <source>Insert as many empty channels as are selected and move the ones below down</source>
        <translation>Insertar tantos canales vacíos como haya seleccionados y bajar los de debajo</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Seleccionar todo</translation>
    </message>
    <message>
        <source>Select every channel of the list</source>
        <translation>Seleccionar todos los canales de la lista</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Take the last change back</source>
        <translation>Deshacer el último cambio</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Volver a hacer el cambio deshecho</translation>
    </message>
    <message>
        <source>M&amp;ove Up</source>
        <translation>S&amp;ubir</translation>
    </message>
    <message>
        <source>Move the selected channels up by one</source>
        <translation>Subir una posición los canales seleccionados</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Ba&amp;jar</translation>
    </message>
    <message>
        <source>Move the selected channels down by one</source>
        <translation>Bajar una posición los canales seleccionados</translation>
    </message>
    <message>
        <source>Sort by Fre&amp;quency</source>
        <translation>Ordenar por &amp;frecuencia</translation>
    </message>
    <message>
        <source>Sort the memory channels by frequency, cleared channels last</source>
        <translation>Ordenar los canales de memoria por frecuencia, los vacíos al final</translation>
    </message>
    <message>
        <source>Sort by &amp;Name</source>
        <translation>Ordenar por &amp;nombre</translation>
    </message>
    <message>
        <source>Sort the memory channels by name, cleared channels last</source>
        <translation>Ordenar los canales de memoria por nombre, los vacíos al final</translation>
    </message>
    <message>
        <source>Sort b&amp;y Tone</source>
        <translation>Ordenar por t&amp;ono</translation>
    </message>
    <message>
        <source>Sort the memory channels by tone mode and tone, cleared channels last</source>
        <translation>Ordenar los canales de memoria por modo de tono y tono, los vacíos al final</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>Find a channel by name or frequency</source>
        <translation>Buscar un canal por nombre o frecuencia</translation>
    </message>
    <message>
        <source>Find Ne&amp;xt</source>
        <translation>Buscar si&amp;guiente</translation>
    </message>
    <message>
        <source>Find the next channel that matches</source>
        <translation>Buscar el siguiente canal que coincida</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>Buscar &amp;anterior</translation>
    </message>
    <message>
        <source>Find the previous channel that matches</source>
        <translation>Buscar el canal anterior que coincida</translation>
    </message>
    <message>
        <source>&amp;PGR Memory...</source>
        <translation>Memoria &amp;PGR...</translation>
    </message>
    <message>
        <source>Edit the pager codes</source>
        <translation>Editar los códigos de buscapersonas</translation>
    </message>
    <message>
        <source>&amp;DTMF Autodial...</source>
        <translation>Marcación automática &amp;DTMF...</translation>
    </message>
    <message>
        <source>Edit the DTMF autodial memories</source>
        <translation>Editar las memorias de marcación automática DTMF</translation>
    </message>
    <message>
        <source>&amp;Common Setting...</source>
        <translation>Ajustes &amp;comunes...</translation>
    </message>
    <message>
        <source>Edit the radio&apos;s common settings</source>
        <translation>Editar los ajustes comunes de la radio</translation>
    </message>
    <message>
        <source>Channels in &amp;Use Only</source>
        <translation>Solo canales en &amp;uso</translation>
    </message>
    <message>
        <source>Show only the memory channels in use, or every memory channel</source>
        <translation>Mostrar solo los canales de memoria en uso o todos los canales de memoria</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra de &amp;herramientas</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Mostrar u ocultar la barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Mostrar u ocultar la barra de estado</translation>
    </message>
    <message>
        <source>Use the data of the GEN version (the data is reset)</source>
        <translation>Usar los datos de la versión GEN (los datos se restablecen)</translation>
    </message>
    <message>
        <source>Use the data of the SEA version (the data is reset)</source>
        <translation>Usar los datos de la versión SEA (los datos se restablecen)</translation>
    </message>
    <message>
        <source>Use the data of the USA version (the data is reset)</source>
        <translation>Usar los datos de la versión USA (los datos se restablecen)</translation>
    </message>
    <message>
        <source>Use the data of the EUR version (the data is reset)</source>
        <translation>Usar los datos de la versión EUR (los datos se restablecen)</translation>
    </message>
    <message>
        <source>&amp;No version</source>
        <translation>&amp;Sin versión</translation>
    </message>
    <message>
        <source>Use the data of no particular version (the data is reset)</source>
        <translation>Usar los datos sin una versión concreta (los datos se restablecen)</translation>
    </message>
    <message>
        <source>Clone through serial port COM1</source>
        <translation>Clonar por el puerto serie COM1</translation>
    </message>
    <message>
        <source>Clone through serial port COM2</source>
        <translation>Clonar por el puerto serie COM2</translation>
    </message>
    <message>
        <source>Clone through serial port COM3</source>
        <translation>Clonar por el puerto serie COM3</translation>
    </message>
    <message>
        <source>Clone through serial port COM4</source>
        <translation>Clonar por el puerto serie COM4</translation>
    </message>
    <message>
        <source>&amp;Read &lt;- TR</source>
        <translation>&amp;Leer &lt;- TR</translation>
    </message>
    <message>
        <source>Read the radio&apos;s memory</source>
        <translation>Leer la memoria de la radio</translation>
    </message>
    <message>
        <source>&amp;Write -&gt; TR</source>
        <translation>&amp;Escribir -&gt; TR</translation>
    </message>
    <message>
        <source>Write the data into the radio</source>
        <translation>Escribir los datos en la radio</translation>
    </message>
    <message>
        <source>&amp;Information...</source>
        <translation>&amp;Información...</translation>
    </message>
    <message>
        <source>Show the connected radio&apos;s version and options</source>
        <translation>Mostrar la versión y las opciones de la radio conectada</translation>
    </message>
    <message>
        <source>Back &amp;up before writing</source>
        <translation>&amp;Copia de seguridad antes de escribir</translation>
    </message>
    <message>
        <source>Read the radio and keep the read in the radio history before every write</source>
        <translation>Leer la radio y guardar la lectura en el historial de la radio antes de cada escritura</translation>
    </message>
    <message>
        <source>&amp;Verify after writing</source>
        <translation>&amp;Verificar tras escribir</translation>
    </message>
    <message>
        <source>Read the radio back after every write and name what it holds differently</source>
        <translation>Volver a leer la radio tras cada escritura e indicar en qué difiere su contenido</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>Show the user manual</source>
        <translation>Mostrar el manual de usuario</translation>
    </message>
    <message>
        <source>&amp;About CP-Z5...</source>
        <translation>&amp;Acerca de CP-Z5...</translation>
    </message>
    <message>
        <source>Show the program&apos;s version</source>
        <translation>Mostrar la versión del programa</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Panel siguiente</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Panel anterior</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>C&amp;OM Port</source>
        <translation>Puerto C&amp;OM</translation>
    </message>
    <message>
        <source>&amp;Clone</source>
        <translation>&amp;Clonar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Modelo</translation>
    </message>
</context>
<context>
    <name>CCompareDlg</name>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>The data and %1 hold the same values.</source>
        <translation>Los datos y %1 tienen los mismos valores.</translation>
    </message>
    <message>
        <source>1 value differs.</source>
        <translation>1 valor difiere.</translation>
    </message>
    <message>
        <source>%1 values differ.</source>
        <translation>%1 valores difieren.</translation>
    </message>
    <message>
        <source>Double-click a value to go to it.</source>
        <translation>Haga doble clic en un valor para ir a él.</translation>
    </message>
    <message>
        <source>Compare With %1</source>
        <translation>Comparar con %1</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Diferencias</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>This data</source>
        <translation>Estos datos</translation>
    </message>
    <message>
        <source>&amp;Take Selected</source>
        <translation>&amp;Tomar selección</translation>
    </message>
    <message>
        <source>Take &amp;All</source>
        <translation>Tomar t&amp;odo</translation>
    </message>
    <message>
        <source>Select values or whole channels to take them over from %1. Double-click a value to go to it.</source>
        <translation>Seleccione valores o canales enteros para tomarlos de %1. Haga doble clic en un valor para ir a él.</translation>
    </message>
    <message>
        <source>1 value taken over. %1</source>
        <translation>1 valor tomado. %1</translation>
    </message>
    <message>
        <source>%1 values taken over. %2</source>
        <translation>%1 valores tomados. %2</translation>
    </message>
</context>
<context>
    <name>CCsvCommands</name>
    <message>
        <source>%1 could not be read.

%2</source>
        <translation>No se pudo leer %1.

%2</translation>
    </message>
    <message>
        <source>These rows of %1 cannot go into the radio:

%2
Import the other rows and skip these?</source>
        <translation>Estas filas de %1 no pueden ir a la radio:

%2
¿Importar las demás filas y omitir estas?</translation>
    </message>
    <message>
        <source>%1 channels imported.</source>
        <translation>%1 canales importados.</translation>
    </message>
    <message>
        <source>Some values of %1 were stored otherwise than written:

%2</source>
        <translation>Algunos valores de %1 se guardaron de forma distinta a como se escribieron:

%2</translation>
    </message>
    <message>
        <source>Memory channels exported to %1.</source>
        <translation>Canales de memoria exportados a %1.</translation>
    </message>
</context>
<context>
    <name>CCsvReader</name>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>texto tras la comilla de cierre de un campo</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>un campo entre comillas no está cerrado</translation>
    </message>
</context>
<context>
    <name>CDocWriteSafeguard</name>
    <message>
        <source>... and %1 more</source>
        <translation>... y %1 más</translation>
    </message>
    <message>
        <source>%1: sent %2, radio holds %3</source>
        <translation>%1: enviado %2, la radio tiene %3</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>the radio could not be read</source>
        <translation>no se pudo leer la radio</translation>
    </message>
</context>
<context>
    <name>CDocument</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios en %1?</translation>
    </message>
    <message>
        <source>The file could not be saved.

%1</source>
        <translation>No se pudo guardar el archivo.

%1</translation>
    </message>
    <message>
        <source>%1

Save under another name?</source>
        <translation>%1

¿Guardar con otro nombre?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
</context>
<context>
    <name>CDtmfPrint</name>
    <message>
        <source>Channel Selection</source>
        <translation>Selección de canal</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
</context>
<context>
    <name>CFileTakeOver</name>
    <message>
        <source>all</source>
        <translation>todos</translation>
    </message>
    <message>
        <source>%1 values</source>
        <translation>%1 valores</translation>
    </message>
    <message>
        <source>Take over %1 from %2</source>
        <translation>Tomar %1 de %2</translation>
    </message>
</context>
<context>
    <name>CFindChannelBar</name>
    <message>
        <source>Name or frequency (MHz)</source>
        <translation>Nombre o frecuencia (MHz)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Buscar:</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No channel matches “%1”.</source>
        <translation>Ningún canal coincide con “%1”.</translation>
    </message>
    <message>
        <source>Continued from the top.</source>
        <translation>Continuando desde el principio.</translation>
    </message>
    <message>
        <source>Continued from the bottom.</source>
        <translation>Continuando desde el final.</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>CP-Z5 Help</source>
        <translation>Ayuda de CP-Z5</translation>
    </message>
</context>
<context>
    <name>CHistoryCommands</name>
    <message>
        <source>Compare With</source>
        <translation>Comparar con</translation>
    </message>
    <message>
        <source>the read of %1</source>
        <translation>la lectura de %1</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>%1 memory channels in use</source>
        <translation>%1 canales de memoria en uso</translation>
    </message>
</context>
<context>
    <name>CHistoryDlg</name>
    <message>
        <source>Read at</source>
        <translation>Fecha de lectura</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Radio History</source>
        <translation>Historial de la radio</translation>
    </message>
    <message>
        <source>Reads kept</source>
        <translation>Lecturas guardadas</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Compare With Data</source>
        <translation>&amp;Comparar con los datos</translation>
    </message>
    <message>
        <source>No reads are kept in %1 yet.</source>
        <translation>Aún no hay lecturas guardadas en %1.</translation>
    </message>
    <message>
        <source>%1 reads kept in %2, newest first (local time).</source>
        <translation>%1 lecturas guardadas en %2, las más recientes primero (hora local).</translation>
    </message>
</context>
<context>
    <name>CInformationDlg</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
</context>
<context>
    <name>CInstanceLock</name>
    <message>
        <source>no lock file</source>
        <translation>sin archivo de bloqueo</translation>
    </message>
    <message>
        <source>%1 is not a regular file of this user</source>
        <translation>%1 no es un archivo normal de este usuario</translation>
    </message>
</context>
<context>
    <name>CModelManager</name>
    <message>
        <source>Change model 

All data will be lost.

      OK? 
</source>
        <translation>Cambiar modelo 

Se perderán todos los datos.

      ¿Aceptar? 
</translation>
    </message>
</context>
<context>
    <name>CPdfExport</name>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>PDF files (%1)</source>
        <translation>Archivos PDF (%1)</translation>
    </message>
    <message>
        <source>%1 is the open clone file; the PDF is not written over it.</source>
        <translation>%1 es el archivo de clonación abierto; el PDF no se escribe sobre él.</translation>
    </message>
    <message>
        <source>Pages exported to %1.</source>
        <translation>Páginas exportadas a %1.</translation>
    </message>
</context>
<context>
    <name>CPrintDevice</name>
    <message>
        <source>The printer %1 is no longer installed.
Choose another one with Printer Setup... in the Print window.</source>
        <translation>La impresora %1 ya no está instalada.
Elija otra con Configurar impresora... en la ventana Imprimir.</translation>
    </message>
    <message>
        <source>The PDF file is not written: %1.</source>
        <translation>El archivo PDF no se escribe: %1.</translation>
    </message>
    <message>
        <source>The PDF file cannot be written into the folder %1.
%2</source>
        <translation>El archivo PDF no se puede escribir en la carpeta %1.
%2</translation>
    </message>
    <message>
        <source>No temporary file can be made in %1.</source>
        <translation>No se puede crear un archivo temporal en %1.</translation>
    </message>
    <message>
        <source>The pages could not be made.</source>
        <translation>No se pudieron generar las páginas.</translation>
    </message>
    <message>
        <source>The pages could not be read back from %1.</source>
        <translation>No se pudieron volver a leer las páginas de %1.</translation>
    </message>
    <message>
        <source>The job could not be sent to the printer %1:
%2</source>
        <translation>No se pudo enviar el trabajo a la impresora %1:
%2</translation>
    </message>
</context>
<context>
    <name>CPrintPreviewDlg</name>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primir</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Ajustar al ancho</translation>
    </message>
    <message>
        <source>Whole Page</source>
        <translation>Página completa</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>No printer is installed: the pages on %1 paper, as Export PDF... writes them.</source>
        <translation>No hay ninguna impresora instalada: las páginas en papel %1, tal como Exportar PDF... las escribe.</translation>
    </message>
    <message>
        <source>Printer: %1 (%2)</source>
        <translation>Impresora: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>CPrintSections</name>
    <message>
        <source>Common Setting</source>
        <translation>Ajustes comunes</translation>
    </message>
    <message>
        <source>ANI Setting</source>
        <translation>Ajustes ANI</translation>
    </message>
    <message>
        <source>Scrambler Setting</source>
        <translation>Ajustes del codificador</translation>
    </message>
    <message>
        <source>DTMF Autodial</source>
        <translation>Marcación automática DTMF</translation>
    </message>
    <message>
        <source>PGR Memory</source>
        <translation>Memoria PGR</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>página %1 de %2</translation>
    </message>
    <message>
        <source>There is no printer.
Before you can print, you need to install a printer.</source>
        <translation>No hay ninguna impresora.
Para poder imprimir, debe instalar una impresora.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
</context>
<context>
    <name>CPrintSelectDlg</name>
    <message>
        <source>All</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Common Setting</source>
        <translation>Ajustes comunes</translation>
    </message>
    <message>
        <source>DTMF Autodial</source>
        <translation>Marcación automática DTMF</translation>
    </message>
    <message>
        <source>PGR Memory</source>
        <translation>Memoria PGR</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Only channels in use</source>
        <translation>Solo canales en uso</translation>
    </message>
    <message>
        <source>Leave cleared channels out of the channel lists</source>
        <translation>Excluir los canales vacíos de las listas de canales</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>Configurar impresora...</translation>
    </message>
</context>
<context>
    <name>CPrintStatusDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Now printing...</source>
        <translation>Imprimiendo...</translation>
    </message>
</context>
<context>
    <name>CQtSettingsStore</name>
    <message>
        <source>%1 is larger than 1 MiB</source>
        <translation>%1 es mayor que 1 MiB</translation>
    </message>
    <message>
        <source>the settings file %1: it is neither read nor written, and this run uses the default settings</source>
        <translation>el archivo de ajustes %1: no se lee ni se escribe, y esta ejecución usa los ajustes predeterminados</translation>
    </message>
</context>
<context>
    <name>CQtUserInterface</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;No guardar</translation>
    </message>
</context>
<context>
    <name>CReadHistory</name>
    <message>
        <source>no folder for the history (neither XDG_DATA_HOME nor HOME is set)</source>
        <translation>no hay carpeta para el historial (no están definidas ni XDG_DATA_HOME ni HOME)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: no se puede leer</translation>
    </message>
    <message>
        <source>%1: no new file can be made there (%2)</source>
        <translation>%1: no se puede crear ahí un archivo nuevo (%2)</translation>
    </message>
    <message>
        <source>%1: read error</source>
        <translation>%1: error de lectura</translation>
    </message>
</context>
<context>
    <name>CReplacingFile</name>
    <message>
        <source>%1 is another user&apos;s symbolic link in a folder open to all; it is not followed</source>
        <translation>%1 es un enlace simbólico de otro usuario en una carpeta abierta a todos; no se sigue</translation>
    </message>
    <message>
        <source>%1 is on a read-only file system</source>
        <translation>%1 está en un sistema de archivos de solo lectura</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 es de solo lectura</translation>
    </message>
    <message>
        <source>%1 has %2 hard links; replacing it would part it from the others</source>
        <translation>%1 tiene %2 enlaces físicos; reemplazarlo lo separaría de los demás</translation>
    </message>
    <message>
        <source>cannot create a new file beside %1</source>
        <translation>no se puede crear un archivo nuevo junto a %1</translation>
    </message>
</context>
<context>
    <name>CSetFieldDlg</name>
    <message>
        <source>Set Field</source>
        <translation>Asignar campo</translation>
    </message>
    <message>
        <source>&amp;Field</source>
        <translation>&amp;Campo</translation>
    </message>
    <message>
        <source>&amp;Value</source>
        <translation>&amp;Valor</translation>
    </message>
    <message>
        <source>The field is set on the selected channel.</source>
        <translation>El campo se asigna en el canal seleccionado.</translation>
    </message>
    <message>
        <source>The field is set on the %1 selected channels in use.</source>
        <translation>El campo se asigna en los %1 canales seleccionados en uso.</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
</context>
<context>
    <name>CTerminalUserInterface</name>
    <message>
        <source>error: </source>
        <translation>error: </translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>aviso: </translation>
    </message>
    <message>
        <source>(answered yes: --yes)</source>
        <translation>(respondido sí: --yes)</translation>
    </message>
    <message>
        <source>(no terminal to answer on: cancelled; --yes answers yes)</source>
        <translation>(no hay terminal para responder: cancelado; --yes responde sí)</translation>
    </message>
</context>
<context>
    <name>CTextFile</name>
    <message>
        <source>is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>is a directory</source>
        <translation>es un directorio</translation>
    </message>
    <message>
        <source>is a FIFO, not a regular file</source>
        <translation>es una FIFO, no un archivo normal</translation>
    </message>
    <message>
        <source>is a socket, not a regular file</source>
        <translation>es un socket, no un archivo normal</translation>
    </message>
    <message>
        <source>is a device, not a regular file</source>
        <translation>es un dispositivo, no un archivo normal</translation>
    </message>
</context>
<context>
    <name>CUndoCommands</name>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>PGR Memory</source>
        <translation>Memoria PGR</translation>
    </message>
    <message>
        <source>DTMF Autodial</source>
        <translation>Marcación automática DTMF</translation>
    </message>
    <message>
        <source>Common Setting</source>
        <translation>Ajustes comunes</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importar CSV</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
</context>
<context>
    <name>CZ5App</name>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>The file could not be opened as a QM-Z5 clone file.

%1

%2</source>
        <translation>No se pudo abrir el archivo como archivo de clonación de QM-Z5.

%1

%2</translation>
    </message>
    <message>
        <source>The user manual (CP-Z5.html) was found neither beside the program nor in its
share/cpz5 folder.</source>
        <translation>El manual de usuario (CP-Z5.html) no se encontró ni junto al programa ni en
su carpeta share/cpz5.</translation>
    </message>
    <message>
        <source>QM-Z5 clone files (%1)</source>
        <translation>Archivos de clonación de QM-Z5 (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>CSV files (%1)</source>
        <translation>Archivos CSV (%1)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importar CSV</translation>
    </message>
    <message>
        <source>The file already opened.</source>
        <translation>El archivo ya está abierto.</translation>
    </message>
</context>
<context>
    <name>CZ5ChEditDlg</name>
    <message>
        <source>Edit Memory</source>
        <translation>Editar memoria</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverso</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frecuencia (MHz)</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Dúplex</translation>
    </message>
    <message>
        <source>Offset (MHz)</source>
        <translation>Desplazamiento (MHz)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>Inversa</translation>
    </message>
    <message>
        <source>RPT tone (Hz)</source>
        <translation>Tono RPT (Hz)</translation>
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
        <translation>CH PGR</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Low power</source>
        <translation>Baja potencia</translation>
    </message>
    <message>
        <source>TX inhibit</source>
        <translation>Inhibir TX</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Codificador</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
</context>
<context>
    <name>CZ5ChListSheet</name>
    <message>
        <source>Paste %1 channels</source>
        <translation>Pegar %1 canales</translation>
    </message>
    <message>
        <source>None of the selected channels is in use: nothing is set.</source>
        <translation>Ninguno de los canales seleccionados está en uso: no se asigna nada.</translation>
    </message>
    <message>
        <source>%1 rows are pasted, but only %2 channels follow from CH %3 to the end of the list: the other rows are not pasted.</source>
        <translation>Se pegan %1 filas, pero desde CH %3 hasta el final de la lista solo hay %2 canales: las demás filas no se pegan.</translation>
    </message>
    <message>
        <source>Paste the rows that fit?</source>
        <translation>¿Pegar las filas que caben?</translation>
    </message>
    <message>
        <source>The text cannot be pasted as channels:</source>
        <translation>El texto no se puede pegar como canales:</translation>
    </message>
    <message>
        <source>These rows of the text cannot be pasted:</source>
        <translation>Estas filas del texto no se pueden pegar:</translation>
    </message>
    <message>
        <source>Nothing is pasted.</source>
        <translation>No se pega nada.</translation>
    </message>
    <message>
        <source>Paste the good rows?</source>
        <translation>¿Pegar las filas correctas?</translation>
    </message>
    <message>
        <source>Some values of the text were stored otherwise than written:</source>
        <translation>Algunos valores del texto se guardaron de forma distinta a como se escribieron:</translation>
    </message>
    <message>
        <source>Clear %1 channels</source>
        <translation>Vaciar %1 canales</translation>
    </message>
    <message>
        <source>Cut %1 channels</source>
        <translation>Cortar %1 canales</translation>
    </message>
    <message>
        <source>Delete CH ?</source>
        <translation>¿Eliminar CH?</translation>
    </message>
    <message>
        <source>Delete %1 channels</source>
        <translation>Eliminar %1 canales</translation>
    </message>
    <message>
        <source>CH overflow
Last channel will be deleted.</source>
        <translation>Desbordamiento de CH
Se eliminará el último canal.</translation>
    </message>
    <message>
        <source>Insert %1 channels</source>
        <translation>Insertar %1 canales</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canales</translation>
    </message>
    <message>
        <source>Set %1 on %2</source>
        <translation>Asignar %1 en %2</translation>
    </message>
    <message>
        <source>%1 set on %2.</source>
        <translation>%1 asignado en %2.</translation>
    </message>
    <message>
        <source>%1 set on %2; 1 cleared channel is left as it is.</source>
        <translation>%1 asignado en %2; 1 canal vacío se deja como está.</translation>
    </message>
    <message>
        <source>%1 set on %2; %3 cleared channels are left as they are.</source>
        <translation>%1 asignado en %2; %3 canales vacíos se dejan como están.</translation>
    </message>
    <message>
        <source>%1 “%2” cannot be set on these channels:</source>
        <translation>%1 “%2” no se puede asignar en estos canales:</translation>
    </message>
    <message>
        <source>Nothing is set.</source>
        <translation>No se asigna nada.</translation>
    </message>
    <message>
        <source>They are left as they are; the others are set.</source>
        <translation>Se dejan como están; los demás se asignan.</translation>
    </message>
</context>
<context>
    <name>CZ5CloneFileIoManager</name>
    <message>
        <source>QM-Z5 clone files (*%1)</source>
        <translation>Archivos de clonación de QM-Z5 (*%1)</translation>
    </message>
</context>
<context>
    <name>CZ5CommonPropSheet</name>
    <message>
        <source>Common Setting</source>
        <translation>Ajustes comunes</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Comunes</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Codificador</translation>
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
        <translation>Marcación automática DTMF</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Autodial Memory</source>
        <translation>Memoria de marcación automática</translation>
    </message>
    <message>
        <source>The memory the radio dials</source>
        <translation>La memoria que marca la radio</translation>
    </message>
    <message>
        <source>%1 code</source>
        <translation>Código %1</translation>
    </message>
</context>
<context>
    <name>CZ5PgrMemoryDlg</name>
    <message>
        <source>PGR Memory</source>
        <translation>Memoria PGR</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>%1 Code</source>
        <translation>Código %1</translation>
    </message>
    <message>
        <source>%1 Skip</source>
        <translation>Omitir %1</translation>
    </message>
</context>
<context>
    <name>CZ5TreeView</name>
    <message>
        <source>Areas</source>
        <translation>Áreas</translation>
    </message>
</context>
<context>
    <name>ChannelClipText</name>
    <message>
        <source>the text is larger than %1 bytes, no channel list</source>
        <translation>el texto es mayor que %1 bytes, no es una lista de canales</translation>
    </message>
    <message>
        <source>the text holds no rows</source>
        <translation>el texto no contiene filas</translation>
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
        <translation>%1 %2 se guarda como %3, en la rejilla de 5 kHz o 6,25 kHz de la radio</translation>
    </message>
    <message>
        <source>Frequency %1 is outside the receive range of the radio (version %2)</source>
        <translation>La frecuencia %1 está fuera del rango de recepción de la radio (versión %2)</translation>
    </message>
    <message>
        <source>Frequency %1 is outside the receive range of the radio (136 to 174 MHz)</source>
        <translation>La frecuencia %1 está fuera del rango de recepción de la radio (136 a 174 MHz)</translation>
    </message>
    <message>
        <source>is not &quot;&quot;, + or -</source>
        <translation>no es &quot;&quot;, + ni -</translation>
    </message>
    <message>
        <source>is not &quot;&quot;, +, -, split or off</source>
        <translation>no es &quot;&quot;, +, -, split ni off</translation>
    </message>
    <message>
        <source>the duplex offset %1 is more than the radio can set or off its raster</source>
        <translation>el desplazamiento dúplex %1 supera lo que la radio puede ajustar o está fuera de su rejilla</translation>
    </message>
    <message>
        <source>Location %1 is not a channel number from 0 to %2</source>
        <translation>La posición %1 no es un número de canal de 0 a %2</translation>
    </message>
    <message>
        <source>Name %1 is stored as %2 (at most 5 ASCII characters, no control characters)</source>
        <translation>El nombre %1 se guarda como %2 (como máximo 5 caracteres ASCII, sin caracteres de control)</translation>
    </message>
    <message>
        <source>is a cross mode: the radio has none</source>
        <translation>es un modo cruzado: la radio no tiene ninguno</translation>
    </message>
    <message>
        <source>is not FM: the radio has FM only</source>
        <translation>no es FM: la radio solo tiene FM</translation>
    </message>
    <message>
        <source>is not a tone mode of the radio (&quot;&quot;, Tone, TSQL or DTCS)</source>
        <translation>no es un modo de tono de la radio (&quot;&quot;, Tone, TSQL o DTCS)</translation>
    </message>
    <message>
        <source>is not a tone of the radio</source>
        <translation>no es un tono de la radio</translation>
    </message>
    <message>
        <source>is not a DTCS code of the radio</source>
        <translation>no es un código DTCS de la radio</translation>
    </message>
    <message>
        <source>is not NN or RR: the radio inverts both directions or neither</source>
        <translation>no es NN ni RR: la radio invierte ambos sentidos o ninguno</translation>
    </message>
    <message>
        <source>is not &quot;&quot;, S or P</source>
        <translation>no es &quot;&quot;, S ni P</translation>
    </message>
    <message>
        <source>%1 %2 is stored as %3</source>
        <translation>%1 %2 se guarda como %3</translation>
    </message>
    <message>
        <source>RxDtcsCode %1 differs from DtcsCode %2: the radio has one DTCS code for both directions</source>
        <translation>RxDtcsCode %1 difiere de DtcsCode %2: la radio tiene un solo código DTCS para ambos sentidos</translation>
    </message>
    <message>
        <source>is not ON or OFF</source>
        <translation>no es ON ni OFF</translation>
    </message>
    <message>
        <source>is not OFF, CSQL or PGR</source>
        <translation>no es OFF, CSQL ni PGR</translation>
    </message>
    <message>
        <source>is not an ANI code of the radio (C0 to C6 or CP)</source>
        <translation>no es un código ANI de la radio (C0 a C6 o CP)</translation>
    </message>
    <message>
        <source>is not a scrambler code from 01 to FF</source>
        <translation>no es un código de codificador de 01 a FF</translation>
    </message>
</context>
<context>
    <name>ChannelCsvText</name>
    <message>
        <source>is far more than any frequency of the radio</source>
        <translation>es muy superior a cualquier frecuencia de la radio</translation>
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
        <translation>FILE es un archivo de clonación (.cz5). PATH es una ruta de hoja con puntos, como MCH.CH12.FreqRx,
Common.Beep, DTMF.D3 o PGR.C4.Code; dump las lista todas. --market sustituye la
versión de mercado de la radio en los ajustes para esta ejecución (import-csv solo acepta
canales que esa versión pueda recibir); el nombre antiguo --version VALUE sigue funcionando.
PORT es COMn o la ruta de un dispositivo, como /dev/ttyUSB0.
Estado de salida: 0 éxito, 2 no se pudo leer o escribir un archivo, 64 uso;
import-csv: 65 el archivo CSV tiene filas incorrectas y no se importó nada;
diff: 1 los archivos difieren; setup, info, read, write: el resultado de la transferencia
(1 cancelado, 77 fallo, 85 modelo incorrecto, 90 versión incorrecta, 91 fallo del puerto);
write --verify: 94 la radio contiene datos distintos de los enviados; write --backup:
95 no se pudo guardar la copia de seguridad (no se escribió nada).
</translation>
    </message>
    <message>
        <source>Writes the factory data of the market version to FILE, as Save would.</source>
        <translation>Escribe en FILE los datos de fábrica de la versión de mercado, como haría Guardar.</translation>
    </message>
    <message>
        <source>Prints every leaf of FILE as PATH=TEXT, one a line, in tree order.</source>
        <translation>Imprime cada hoja de FILE como PATH=TEXT, una por línea, en el orden del árbol.</translation>
    </message>
    <message>
        <source>Prints the text of each PATH of FILE, one a line.</source>
        <translation>Imprime el texto de cada PATH de FILE, uno por línea.</translation>
    </message>
    <message>
        <source>Sets each PATH to TEXT, then saves over FILE (or to OUT).</source>
        <translation>Asigna TEXT a cada PATH y después guarda sobre FILE (o en OUT).</translation>
    </message>
    <message>
        <source>Prints the chosen sections of FILE to the PDF file OUT.pdf.</source>
        <translation>Imprime las secciones elegidas de FILE en el archivo PDF OUT.pdf.</translation>
    </message>
    <message>
        <source>Identifies the radio on PORT as the first-start setup does and
remembers its market version, options and port.</source>
        <translation>Identifica la radio en PORT como lo hace la configuración del primer inicio y
recuerda su versión de mercado, sus opciones y su puerto.</translation>
    </message>
    <message>
        <source>Shows the radio&apos;s model information (the Information command).</source>
        <translation>Muestra la información del modelo de la radio (el comando Información).</translation>
    </message>
    <message>
        <source>Reads the radio&apos;s memory on PORT (Read &lt;- TR) and saves it to FILE.</source>
        <translation>Lee la memoria de la radio en PORT (Leer &lt;- TR) y la guarda en FILE.</translation>
    </message>
    <message>
        <source>Writes FILE into the radio on PORT (Write -&gt; TR) after a question
that --yes answers.</source>
        <translation>Escribe FILE en la radio en PORT (Escribir -&gt; TR) tras una pregunta
que --yes responde.</translation>
    </message>
    <message>
        <source>Writes the memory channels of FILE as a CSV channel list.</source>
        <translation>Escribe los canales de memoria de FILE como lista de canales CSV.</translation>
    </message>
    <message>
        <source>Reads a CSV channel list into the memory channels of FILE.</source>
        <translation>Lee una lista de canales CSV en los canales de memoria de FILE.</translation>
    </message>
    <message>
        <source>Lists the leaves that differ between two clone files.</source>
        <translation>Lista las hojas que difieren entre dos archivos de clonación.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>The QM-Z5 clone file and radio commands from a shell.</source>
        <translation>El archivo de clonación de QM-Z5 y órdenes para la radio desde un shell.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Órdenes:</translation>
    </message>
    <message>
        <source>cpz5-cli --help shows this text, cpz5-cli COMMAND --help the help of one
command, cpz5-cli --version the program&apos;s version.
</source>
        <translation>cpz5-cli --help muestra este texto, cpz5-cli COMMAND --help la ayuda de un
comando, cpz5-cli --version la versión del programa.
</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>orden desconocida %1</translation>
    </message>
</context>
<context>
    <name>CloneResult</name>
    <message>
        <source>failed</source>
        <translation>error</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>failed: no answer or a bad answer</source>
        <translation>falló: sin respuesta o respuesta incorrecta</translation>
    </message>
    <message>
        <source>not a QM-Z5 of a known revision</source>
        <translation>no es un QM-Z5 de una revisión conocida</translation>
    </message>
    <message>
        <source>wrong model version</source>
        <translation>versión de modelo incorrecta</translation>
    </message>
    <message>
        <source>port could not be opened</source>
        <translation>no se pudo abrir el puerto</translation>
    </message>
    <message>
        <source>radio holds other data than sent</source>
        <translation>la radio contiene datos distintos de los enviados</translation>
    </message>
    <message>
        <source>backup could not be kept</source>
        <translation>no se pudo guardar la copia de seguridad</translation>
    </message>
</context>
<context>
    <name>CsvCommands</name>
    <message>
        <source>export-csv reads one clone file</source>
        <translation>export-csv lee un archivo de clonación</translation>
    </message>
    <message>
        <source>import-csv needs a clone file and a CSV file</source>
        <translation>import-csv necesita un archivo de clonación y un archivo CSV</translation>
    </message>
    <message>
        <source>%1: nothing imported</source>
        <translation>%1: no se importó nada</translation>
    </message>
    <message>
        <source>%1: skipped %2</source>
        <translation>%1: omitido %2</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1: aviso: %2</translation>
    </message>
</context>
<context>
    <name>DiffCommand</name>
    <message>
        <source>diff compares two clone files</source>
        <translation>diff compara dos archivos de clonación</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>no leaf %1</source>
        <translation>no existe la hoja %1</translation>
    </message>
    <message>
        <source>warning: %1 could not be read back to check what it holds</source>
        <translation>aviso: no se pudo volver a leer %1 para comprobar lo que contiene</translation>
    </message>
    <message>
        <source>warning: %1 %2 is stored as %3</source>
        <translation>aviso: %1 %2 se guarda como %3</translation>
    </message>
    <message>
        <source>new writes one file, named by -o</source>
        <translation>new escribe un archivo, indicado con -o</translation>
    </message>
    <message>
        <source>dump reads one file</source>
        <translation>dump lee un archivo</translation>
    </message>
    <message>
        <source>get needs a file and at least one path</source>
        <translation>get necesita un archivo y al menos una ruta</translation>
    </message>
    <message>
        <source>set needs a file and at least one PATH=TEXT</source>
        <translation>set necesita un archivo y al menos un PATH=TEXT</translation>
    </message>
</context>
<context>
    <name>FleetTransfer</name>
    <message>
        <source>no such device</source>
        <translation>no existe el dispositivo</translation>
    </message>
    <message>
        <source>busy: another program uses it</source>
        <translation>ocupado: otro programa lo está usando</translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>no es un dispositivo serie</translation>
    </message>
    <message>
        <source>a folder, not a serial device</source>
        <translation>una carpeta, no un dispositivo serie</translation>
    </message>
    <message>
        <source>no permission to use it</source>
        <translation>sin permiso para usarlo</translation>
    </message>
    <message>
        <source>%1 is no port (COMn or a device path)</source>
        <translation>%1 no es un puerto (COMn o una ruta de dispositivo)</translation>
    </message>
    <message>
        <source>no pipe for the start (%1)</source>
        <translation>no hay tubería para el inicio (%1)</translation>
    </message>
    <message>
        <source>the processes of only %1 of the %2 ports could be started (%3)</source>
        <translation>solo se pudieron iniciar los procesos de %1 de los %2 puertos (%3)</translation>
    </message>
    <message>
        <source>... and %1 more ports, %2 of them done</source>
        <translation>... y %1 puertos más, %2 de ellos terminados</translation>
    </message>
    <message>
        <source>given twice</source>
        <translation>dado dos veces</translation>
    </message>
    <message>
        <source>clone file error</source>
        <translation>error del archivo de clonación</translation>
    </message>
    <message>
        <source>not a port</source>
        <translation>no es un puerto</translation>
    </message>
    <message>
        <source>%1; given twice, done once</source>
        <translation>%1; indicado dos veces, hecho una vez</translation>
    </message>
    <message>
        <source>PORT</source>
        <translation>PUERTO</translation>
    </message>
    <message>
        <source>RADIO</source>
        <translation>RADIO</translation>
    </message>
    <message>
        <source>RESULT</source>
        <translation>RESULTADO</translation>
    </message>
    <message>
        <source>The data will be written into %1 radios and replace their memory.

Write to the radios?</source>
        <translation>Los datos se escribirán en %1 radios y reemplazarán su memoria.

¿Escribir en las radios?</translation>
    </message>
    <message>
        <source>%1 radios need %2 open files, and this program may open only %3 (ulimit -n); no radio was touched</source>
        <translation>%1 radios necesitan %2 archivos abiertos y este programa solo puede abrir %3 (ulimit -n); no se tocó ninguna radio</translation>
    </message>
    <message>
        <source>%1: not a directory for the reads</source>
        <translation>%1: no es un directorio para las lecturas</translation>
    </message>
    <message>
        <source>%1 ports given: at most %2 radios at once</source>
        <translation>%1 puertos indicados: como máximo %2 radios a la vez</translation>
    </message>
    <message>
        <source>%1; no radio was touched</source>
        <translation>%1; no se tocó ninguna radio</translation>
    </message>
</context>
<context>
    <name>LeafPaths</name>
    <message>
        <source>is outside the range of this leaf, %1 to %2 MHz</source>
        <translation>está fuera del rango de esta hoja, de %1 a %2 MHz</translation>
    </message>
    <message>
        <source>is not a value of this leaf</source>
        <translation>no es un valor de esta hoja</translation>
    </message>
    <message>
        <source>is not a value of this leaf: one of %1</source>
        <translation>no es un valor de esta hoja: uno de %1</translation>
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
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Dúplex</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverso</translation>
    </message>
    <message>
        <source>Offset Freq.</source>
        <translation>Desplaz.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tono</translation>
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
        <translation>CH PGR</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>TX Power</source>
        <translation>Potencia TX</translation>
    </message>
    <message>
        <source>TX Inhibit</source>
        <translation>Inhibir TX</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Codificador</translation>
    </message>
</context>
<context>
    <name>PortsCommand</name>
    <message>
        <source>ports takes no argument</source>
        <translation>ports no admite argumentos</translation>
    </message>
    <message>
        <source>no serial port found: is the cable plugged in?</source>
        <translation>no se encontró ningún puerto serie: ¿está conectado el cable?</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>no printer named %1 exists; no printer is installed</source>
        <translation>no existe ninguna impresora llamada %1; no hay ninguna impresora instalada</translation>
    </message>
    <message>
        <source>no printer named %1 exists; the printers are %2</source>
        <translation>no existe ninguna impresora llamada %1; las impresoras son %2</translation>
    </message>
    <message>
        <source>print reads one clone file</source>
        <translation>print lee un archivo de clonación</translation>
    </message>
    <message>
        <source>-o and --printer need a name</source>
        <translation>-o y --printer necesitan un nombre</translation>
    </message>
    <message>
        <source>print takes -o or --printer, not both</source>
        <translation>print admite -o o --printer, no ambos</translation>
    </message>
    <message>
        <source>unknown section in --sections</source>
        <translation>sección desconocida en --sections</translation>
    </message>
    <message>
        <source>printing is not installed: %1 is neither beside cpz5-cli nor in %2</source>
        <translation>la impresión no está instalada: %1 no está junto a cpz5-cli ni en %2</translation>
    </message>
    <message>
        <source>the printing program %1 cannot be run: %2</source>
        <translation>no se puede ejecutar el programa de impresión %1: %2</translation>
    </message>
</context>
<context>
    <name>RadioMain</name>
    <message>
        <source>%1 (--help shows the options)</source>
        <translation>%1 (--help muestra las opciones)</translation>
    </message>
</context>
<context>
    <name>RadioOptions</name>
    <message>
        <source>unknown argument %1</source>
        <translation>argumento desconocido %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>bad value for %1: %2</source>
        <translation>valor incorrecto para %1: %2</translation>
    </message>
    <message>
        <source>market version (option byte bits 0-1; default GEN);
the memory starts as that version&apos;s factory image;
--version VERSION is its old name</source>
        <translation>versión de mercado (bits 0-1 del byte de opciones;
predeterminada GEN); la memoria empieza como la imagen
de fábrica de esa versión; --version VERSION es su
nombre antiguo</translation>
    </message>
    <message>
        <source>the option byte (0 to 0x7F; decimal, 0x.. hex or
0.. octal): bits 0-1 version, bit 2 receive range
extension, bit 3 scrambler, bit 4 ANI, bits 5-6
further options; --market overrides bits 0-1</source>
        <translation>el byte de opciones (0 a 0x7F; decimal, 0x.. hex u 0..
octal): bits 0-1 versión, bit 2 ampliación del rango de
recepción, bit 3 codificador, bit 4 ANI, bits 5-6 otras
opciones; --market sustituye los bits 0-1</translation>
    </message>
    <message>
        <source>start from this clone file instead</source>
        <translation>empezar en su lugar desde este archivo de clonación</translation>
    </message>
    <message>
        <source>write the memory to this clone file after every
completed write</source>
        <translation>escribir la memoria en este archivo de clonación tras
cada escritura completada</translation>
    </message>
    <message>
        <source>pace every byte the radio sends, echoes too, as a
line of N baud would (N / 10 bytes a second);
without it the pseudo-terminal runs at full speed</source>
        <translation>enviar cada byte que manda la radio, ecos incluidos, al
ritmo de una línea de N baudios (N / 10 bytes por
segundo); sin ella el pseudoterminal va a toda velocidad</translation>
    </message>
    <message>
        <source>data bytes in each frame of a read (1 to 122,
default 16; the last frame takes what is left)</source>
        <translation>bytes de datos en cada trama de una lectura (1 a 122,
predeterminado 16; la última trama lleva lo que queda)</translation>
    </message>
    <message>
        <source>misbehave (default none):</source>
        <translation>comportarse mal (predeterminado none):</translation>
    </message>
    <message>
        <source>the radio and its cable work</source>
        <translation>la radio y su cable funcionan</translation>
    </message>
    <message>
        <source>the radio is off and the cable dead: nothing comes back,
not even the echo</source>
        <translation>la radio está apagada y el cable muerto: no vuelve nada,
ni siquiera el eco</translation>
    </message>
    <message>
        <source>the cable returns no echo; the radio still answers</source>
        <translation>el cable no devuelve eco; la radio sigue respondiendo</translation>
    </message>
    <message>
        <source>in a read, the sixth data frame (address 0x0050) carries a
checksum one too high</source>
        <translation>en una lectura, la sexta trama de datos (dirección 0x0050)
lleva una suma de verificación uno más alta</translation>
    </message>
    <message>
        <source>every write is refused: the write result is 0x01 and the
memory stays as it was</source>
        <translation>se rechaza toda escritura: el resultado de escritura es
0x01 y la memoria queda como estaba</translation>
    </message>
    <message>
        <source>junk bytes (below 0xF0, no 0xFE) and a stray 0xFD before
every frame the radio sends, and a stray 0xFD after every
frame it echoes; a correct receiver survives them</source>
        <translation>bytes basura (por debajo de 0xF0, sin 0xFE) y un 0xFD
suelto antes de cada trama que envía la radio, y un 0xFD
suelto tras cada trama que devuelve como eco; un receptor
correcto los supera</translation>
    </message>
    <message>
        <source>in a read, the sixth data frame is never sent and
the seventh comes twice: as many frames as a good read,
but part of the memory missing</source>
        <translation>en una lectura, la sexta trama de datos nunca se envía y
la séptima llega dos veces: tantas tramas como una
lectura buena, pero falta parte de la memoria</translation>
    </message>
    <message>
        <source>in a write, every data frame stored is answered with
the write result 0x00, not only the end frame</source>
        <translation>en una escritura, cada trama de datos guardada se
responde con el resultado de escritura 0x00, no solo la
trama final</translation>
    </message>
    <message>
        <source>in a write, the third data frame is refused at once with
the write result 0x01; the memory stays as it was</source>
        <translation>en una escritura, la tercera trama de datos se rechaza
al instante con el resultado de escritura 0x01; la
memoria queda como estaba</translation>
    </message>
    <message>
        <source>after K data frames of a read or write the radio stops
answering until the next request (the echo goes on)</source>
        <translation>tras K tramas de datos de una lectura o escritura la
radio deja de responder hasta la siguiente petición (el
eco sigue)</translation>
    </message>
    <message>
        <source>a write is accepted but the byte at address A (decimal or
0x.. hex, up to 0x79F) is stored with its lowest bit
flipped</source>
        <translation>se acepta una escritura, pero el byte de la dirección A
(decimal o 0x.. hex, hasta 0x79F) se guarda con su bit
más bajo invertido</translation>
    </message>
    <message>
        <source>show this text</source>
        <translation>mostrar este texto</translation>
    </message>
    <message>
        <source>on its own: show the program&apos;s version</source>
        <translation>sola: mostrar la versión del programa</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>A virtual QM-Z5 hand-held on a pseudo-terminal. The first line of output is
&quot;PTY &lt;path&gt;&quot;: open that path as the serial port (for example with
CPZ5_COM1=&lt;path&gt;). The radio runs until it is interrupted (Ctrl-C, SIGTERM).
</source>
        <translation>Un portátil QM-Z5 virtual en un pseudoterminal. La primera línea de la salida
es &quot;PTY &lt;path&gt;&quot;: abra esa ruta como puerto serie (por ejemplo con
CPZ5_COM1=&lt;path&gt;). La radio funciona hasta que se interrumpe (Ctrl-C, SIGTERM).
</translation>
    </message>
    <message>
        <source>The radio echoes every byte it receives (the cable is one wire), answers the
model information request (model 0x2468, revision 1, 22 identity bytes), sends
its memory (0x000 to 0x79F, 16 bytes a frame unless --frame-size) on a read request and stores a
write after checking every frame. A bad write frame is answered at once with
the write result 0x01.
</source>
        <translation>La radio devuelve como eco cada byte que recibe (el cable es un solo hilo),
responde a la petición de información del modelo (modelo 0x2468, revisión 1, 22
bytes de identidad), envía su memoria (0x000 a 0x79F, 16 bytes por trama salvo
--frame-size) ante una petición de lectura y guarda una escritura tras
comprobar cada trama. Una trama de escritura errónea se responde al instante
con el resultado de escritura 0x01.
</translation>
    </message>
    <message>
        <source>Exit status: 0 after an interruption, 1 when the pseudo-terminal or a clone
file cannot be used, 64 for a usage error.
</source>
        <translation>Estado de salida: 0 tras una interrupción, 1 cuando no se puede usar el
pseudoterminal o un archivo de clonación, 64 por un error de uso.
</translation>
    </message>
</context>
<context>
    <name>SCsvProblem</name>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... y %1 más</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>This data was not read from the connected radio and may hold settings
that the radio does not expect.

Continue?</source>
        <translation>Estos datos no se leyeron de la radio conectada y pueden contener ajustes
que la radio no espera.

¿Continuar?</translation>
    </message>
    <message>
        <source>Clone completed.</source>
        <translation>Clonación completada.</translation>
    </message>
    <message>
        <source>Read &lt;- TR failed.</source>
        <translation>Error en Leer &lt;- TR.</translation>
    </message>
    <message>
        <source>Write -&gt; TR failed.</source>
        <translation>Error en Escribir -&gt; TR.</translation>
    </message>
    <message>
        <source>The radio could not be identified.</source>
        <translation>No se pudo identificar la radio.</translation>
    </message>
    <message>
        <source>The connected radio is not a QM-Z5 of a revision this program knows.

Nothing was transferred.</source>
        <translation>La radio conectada no es un QM-Z5 de una revisión que este programa conozca.

No se ha transferido nada.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>The serial port could not be opened.</source>
        <translation>No se pudo abrir el puerto serie.</translation>
    </message>
    <message>
        <source>The radio&apos;s memory was read.</source>
        <translation>Se ha leído la memoria de la radio.</translation>
    </message>
    <message>
        <source>The data was written into the radio.</source>
        <translation>Los datos se han escrito en la radio.</translation>
    </message>
    <message>
        <source>The serial port %1 could not be opened.

- Is the cloning cable plugged into this computer?
- Is the right port chosen in the COM Port menu?
- Are you allowed to use the device? Your user must be in the group
  that owns it (often &quot;dialout&quot;: see ls -l %1), then log in again.
- Is another program using the port?</source>
        <translation>No se pudo abrir el puerto serie %1.

- ¿Está el cable de clonación conectado a este ordenador?
- ¿Está elegido el puerto correcto en el menú Puerto COM?
- ¿Tiene permiso para usar el dispositivo? Su usuario debe pertenecer al grupo
  propietario (a menudo &quot;dialout&quot;: vea ls -l %1) y volver a iniciar sesión.
- ¿Está otro programa usando el puerto?</translation>
    </message>
    <message>
        <source>Reading from the radio...</source>
        <translation>Leyendo de la radio...</translation>
    </message>
    <message>
        <source>Writing to the radio...</source>
        <translation>Escribiendo en la radio...</translation>
    </message>
    <message>
        <source>The data has been changed</source>
        <translation>Los datos se han modificado</translation>
    </message>
    <message>
        <source> and reading from the radio will replace it.

Read from the radio?</source>
        <translation> y la lectura de la radio los reemplazará.

¿Leer de la radio?</translation>
    </message>
    <message>
        <source>The data will be written into the radio and replace its memory.

Write to the radio?</source>
        <translation>Los datos se escribirán en la radio y reemplazarán su memoria.

¿Escribir en la radio?</translation>
    </message>
    <message>
        <source>Model version mismatch.</source>
        <translation>La versión del modelo no coincide.</translation>
    </message>
    <message>
        <source>The radio did not answer as expected.

Check that the cloning cable is connected to the radio and to this
computer, that the radio is switched on, and try again.</source>
        <translation>La radio no respondió como se esperaba.

Compruebe que el cable de clonación esté conectado a la radio y a este
ordenador, que la radio esté encendida, e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Connect the radio to this computer with the cloning cable and switch
it on. Choose the port of the cable, then press OK: the program asks
the radio for its version and options and remembers them.</source>
        <translation>Conecte la radio a este ordenador con el cable de clonación y enciéndala.
Elija el puerto del cable y pulse Aceptar: el programa pide a la radio
su versión y opciones y las recuerda.</translation>
    </message>
    <message>
        <source>Port of the cloning cable:</source>
        <translation>Puerto del cable de clonación:</translation>
    </message>
    <message>
        <source>The version of the connected radio differs from the version this
program was set up for, or the setup was never completed.

Run the setup again with the radio connected: start the program
with the option -S (or cpz5-cli setup).</source>
        <translation>La versión de la radio conectada difiere de la versión para la que se
configuró este programa, o la configuración nunca se completó.

Vuelva a ejecutar la configuración con la radio conectada: inicie el programa
con la opción -S (o cpz5-cli setup).</translation>
    </message>
    <message>
        <source>Cloning</source>
        <translation>Clonación</translation>
    </message>
    <message>
        <source>The read succeeded, but it could not be kept in the radio history:
%1

Reads are not kept until this is solved; this message is not shown
again in this session.</source>
        <translation>La lectura se realizó, pero no se pudo guardar en el historial de la radio:
%1

No se guardarán lecturas hasta que esto se resuelva; este mensaje no se
volverá a mostrar en esta sesión.</translation>
    </message>
    <message>
        <source>Backing up the radio before writing...</source>
        <translation>Haciendo copia de seguridad de la radio antes de escribir...</translation>
    </message>
    <message>
        <source>Backup failed: nothing was written.</source>
        <translation>La copia de seguridad falló: no se ha escrito nada.</translation>
    </message>
    <message>
        <source>The radio&apos;s memory could not be read and kept before the write:
%1

Nothing was written into the radio.</source>
        <translation>La memoria de la radio no se pudo leer y guardar antes de la escritura:
%1

No se ha escrito nada en la radio.</translation>
    </message>
    <message>
        <source>Reading the radio back to check the write...</source>
        <translation>Volviendo a leer la radio para comprobar la escritura...</translation>
    </message>
    <message>
        <source>Written and checked: the radio holds what was sent.</source>
        <translation>Escrito y comprobado: la radio contiene lo enviado.</translation>
    </message>
    <message>
        <source>Check after writing failed: the radio holds other data.</source>
        <translation>La comprobación tras la escritura falló: la radio contiene otros datos.</translation>
    </message>
    <message>
        <source>The write ended, but the radio does not hold what was sent:

%1</source>
        <translation>La escritura terminó, pero la radio no contiene lo enviado:

%1</translation>
    </message>
    <message>
        <source>The write ended, but the radio could not be read back to check it.

Read it again or write once more.</source>
        <translation>La escritura terminó, pero no se pudo volver a leer la radio para comprobarla.

Léala de nuevo o vuelva a escribir.</translation>
    </message>
    <message>
        <source>The radio answered, but the temporary clone file could not be used:
%1

Nothing in the document was changed. Check the free space and the
permissions of the temporary folder (TMPDIR), then try again.</source>
        <translation>La radio respondió, pero no se pudo usar el archivo de clonación temporal:
%1

No se ha cambiado nada en el documento. Compruebe el espacio libre y los
permisos de la carpeta temporal (TMPDIR) e inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>--port takes COMn or a device path, not %1</source>
        <translation>--port admite COMn o una ruta de dispositivo, no %1</translation>
    </message>
    <message>
        <source>the radio&apos;s port is named by --port (COMn or a device)</source>
        <translation>el puerto de la radio se indica con --port (COMn o un dispositivo)</translation>
    </message>
    <message>
        <source>setup takes no file</source>
        <translation>setup no admite archivo</translation>
    </message>
    <message>
        <source>info takes no file</source>
        <translation>info no admite archivo</translation>
    </message>
    <message>
        <source>read writes one file, named by -o</source>
        <translation>read escribe un archivo, indicado con -o</translation>
    </message>
    <message>
        <source>write sends one file</source>
        <translation>write envía un archivo</translation>
    </message>
</context>
<context>
    <name>TypedFrequency</name>
    <message>
        <source>is below zero: a frequency in MHz cannot be negative</source>
        <translation>es menor que cero: una frecuencia en MHz no puede ser negativa</translation>
    </message>
    <message>
        <source>is not a frequency in MHz: type digits with one decimal point or comma, such as 146.52</source>
        <translation>no es una frecuencia en MHz: escriba dígitos con un punto o una coma decimal, como 146.52</translation>
    </message>
    <message>
        <source>holds no digits: type a frequency in MHz, such as 146.52</source>
        <translation>no contiene dígitos: escriba una frecuencia en MHz, como 146.52</translation>
    </message>
    <message>
        <source>holds no frequency: type one in MHz, such as 146.52</source>
        <translation>no contiene ninguna frecuencia: escriba una en MHz, como 146.52</translation>
    </message>
</context>
<context>
    <name>channelfields</name>
    <message>
        <source>“%1”</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>This channel has no such frequency.</source>
        <translation>Este canal no tiene esa frecuencia.</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <source>Type a frequency in MHz, such as 146.52.</source>
        <translation>Escriba una frecuencia en MHz, como 146.52.</translation>
    </message>
    <message>
        <source>%1 lies outside %2 to %3 MHz.</source>
        <translation>%1 está fuera del rango de %2 a %3 MHz.</translation>
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
        <translation>Uso: cpz5 [OPCIÓN]... [OPCIÓN DE QT]...
El programa de clonación del transceptor portátil VHF QM-Z5: lee la memoria de
la radio por un cable de clonación, edita canales y ajustes, guarda y abre
archivos de clonación (.cz5), los imprime y los vuelve a escribir en la radio.

  -S                          repetir la configuración inicial (/S también)
  --virtual-radio[=VERSION]   iniciar un QM-Z5 virtual de VERSION (GEN, SEA,
                              USA o EUR; por defecto GEN) dentro del programa
                              y asociarle COM1 en esta ejecución
  --open FILE                 abrir el archivo de clonación FILE cuando el
                              programa haya arrancado, como Archivo &gt; Abrir;
                              un nombre de archivo solo no se abre
  -h, --help                  mostrar este texto y salir
  --version                   mostrar la versión del programa y salir

También funcionan las opciones de Qt (-platform NAME, -style NAME, ...).
Ajustes: $XDG_CONFIG_HOME/Brel/CP-Z5.conf
(por defecto ~/.config/Brel/CP-Z5.conf).
Solo se ejecuta una copia por usuario; un segundo inicio pasa su --open FILE
a la copia en ejecución, que lo abre, y termina.

Estado de salida: 0 cuando el programa termina con normalidad, 1 cuando no
puede iniciarse, 64 por un error de uso.
</translation>
    </message>
    <message>
        <source>no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set);
cpz5-cli works without one</source>
        <translation>no hay pantalla en la que mostrar la ventana
(no están definidos ni DISPLAY ni WAYLAND_DISPLAY);
cpz5-cli funciona sin ella</translation>
    </message>
    <message>
        <source>the window system could not be reached</source>
        <translation>no se pudo acceder al sistema de ventanas</translation>
    </message>
    <message>
        <source>%1 is not opened: the program starts with new data; cpz5 --open FILE opens a clone file</source>
        <translation>%1 no se abre: el programa empieza con datos nuevos; cpz5 --open FILE abre un archivo de clonación</translation>
    </message>
    <message>
        <source>CP-Z5 already runs but did not take %1</source>
        <translation>CP-Z5 ya se está ejecutando pero no aceptó %1</translation>
    </message>
    <message>
        <source>no folder that only this user can write was found for its lock
(not $XDG_RUNTIME_DIR, not in the temporary directory, not in the cache folder
of the home)</source>
        <translation>no se encontró ninguna carpeta en la que solo este usuario pueda escribir para su bloqueo
(ni $XDG_RUNTIME_DIR, ni en el directorio temporal, ni en la carpeta de caché
del directorio personal)</translation>
    </message>
    <message>
        <source>CP-Z5 cannot make sure that it runs only once: %1; it does not start</source>
        <translation>CP-Z5 no puede asegurarse de que se ejecuta una sola vez: %1; no se inicia</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>unknown radio version &quot;%1&quot; (GEN, SEA, USA or EUR)</source>
        <translation>versión de radio desconocida &quot;%1&quot; (GEN, SEA, USA o EUR)</translation>
    </message>
    <message>
        <source>the virtual radio could not start: %1</source>
        <translation>no se pudo iniciar la radio virtual: %1</translation>
    </message>
</context>
<context>
    <name>settingrows</name>
    <message>
        <source>ScanResume</source>
        <translation>Reanudar escaneo</translation>
    </message>
    <message>
        <source>LCD Back Light</source>
        <translation>Retroiluminación LCD</translation>
    </message>
    <message>
        <source>LCD Contrast</source>
        <translation>Contraste LCD</translation>
    </message>
    <message>
        <source>Power Save</source>
        <translation>Ahorro de energía</translation>
    </message>
    <message>
        <source>SP-31C Function</source>
        <translation>Función SP-31C</translation>
    </message>
    <message>
        <source>Auto Repeater</source>
        <translation>Repetidor automático</translation>
    </message>
    <message>
        <source>Function Mode</source>
        <translation>Modo de función</translation>
    </message>
    <message>
        <source>Auto Power-OFF</source>
        <translation>Apagado automático</translation>
    </message>
    <message>
        <source>Time-Out Timer</source>
        <translation>Temporizador de transmisión</translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation>Bloqueo</translation>
    </message>
    <message>
        <source>Squelch Delay</source>
        <translation>Retardo de squelch</translation>
    </message>
    <message>
        <source>Dial Select</source>
        <translation>Selección del dial</translation>
    </message>
    <message>
        <source>Memory Disp</source>
        <translation>Pantalla de memoria</translation>
    </message>
    <message>
        <source>Scan Edge</source>
        <translation>Límite de escaneo</translation>
    </message>
    <message>
        <source>Operation Beep</source>
        <translation>Pitido de teclas</translation>
    </message>
    <message>
        <source>Dial Speedup</source>
        <translation>Aceleración del dial</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>ANI Function</source>
        <translation>Función ANI</translation>
    </message>
    <message>
        <source>TX CH</source>
        <translation>CH TX</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Group Code</source>
        <translation>Código de grupo</translation>
    </message>
    <message>
        <source>Synchronous Capture</source>
        <translation>Captura síncrona</translation>
    </message>
    <message>
        <source>Tone Start Timing</source>
        <translation>Tiempo de inicio del tono</translation>
    </message>
</context>
<context>
    <name>z5area</name>
    <message>
        <source>Memory CH</source>
        <translation>CH de memoria</translation>
    </message>
    <message>
        <source>Program scan edge</source>
        <translation>Límites de escaneo programado</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Llamada</translation>
    </message>
</context>
<context>
    <name>z5channel</name>
    <message>
        <source>frequency</source>
        <translation>frecuencia</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>tone</source>
        <translation>tono</translation>
    </message>
    <message>
        <source>duplex</source>
        <translation>dúplex</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>inverso</translation>
    </message>
    <message>
        <source>offset</source>
        <translation>desplazamiento</translation>
    </message>
    <message>
        <source>RPT tone</source>
        <translation>tono RPT</translation>
    </message>
    <message>
        <source>CTCSS tone</source>
        <translation>tono CTCSS</translation>
    </message>
    <message>
        <source>DTCS code</source>
        <translation>código DTCS</translation>
    </message>
    <message>
        <source>PGR</source>
        <translation>PGR</translation>
    </message>
    <message>
        <source>PGR CH</source>
        <translation>CH PGR</translation>
    </message>
    <message>
        <source>skip</source>
        <translation>omitir</translation>
    </message>
    <message>
        <source>TX power</source>
        <translation>potencia TX</translation>
    </message>
    <message>
        <source>TX inhibit</source>
        <translation>Inhibir TX</translation>
    </message>
    <message>
        <source>scrambler</source>
        <translation>codificador</translation>
    </message>
    <message>
        <source>Sort by %1, descending</source>
        <translation>Ordenar por %1, descendente</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation>Ordenar por %1</translation>
    </message>
</context>
<context>
    <name>z5label</name>
    <message>
        <source>Cleared</source>
        <translation>Vacío</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Frequency Step</source>
        <translation>Paso de frecuencia</translation>
    </message>
    <message>
        <source>Offset Freq.</source>
        <translation>Desplaz.</translation>
    </message>
    <message>
        <source>Offset Step</source>
        <translation>Paso de desplazamiento</translation>
    </message>
    <message>
        <source>TX Inhibit</source>
        <translation>Inhibir TX</translation>
    </message>
    <message>
        <source>TX Power</source>
        <translation>Potencia TX</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Dúplex</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverso</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>RPT Tone</source>
        <translation>Tono RPT</translation>
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
        <translation>DTCS inversa</translation>
    </message>
    <message>
        <source>PGR</source>
        <translation>PGR</translation>
    </message>
    <message>
        <source>PGR CH</source>
        <translation>CH PGR</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Codificador</translation>
    </message>
    <message>
        <source>Scrambler Code</source>
        <translation>Código del codificador</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>ScanResume</source>
        <translation>Reanudar escaneo</translation>
    </message>
    <message>
        <source>LCD Back Light</source>
        <translation>Retroiluminación LCD</translation>
    </message>
    <message>
        <source>LCD Contrast</source>
        <translation>Contraste LCD</translation>
    </message>
    <message>
        <source>Power Save</source>
        <translation>Ahorro de energía</translation>
    </message>
    <message>
        <source>SP-31C Function</source>
        <translation>Función SP-31C</translation>
    </message>
    <message>
        <source>Auto Repeater</source>
        <translation>Repetidor automático</translation>
    </message>
    <message>
        <source>Auto Power-OFF</source>
        <translation>Apagado automático</translation>
    </message>
    <message>
        <source>Time-Out Timer</source>
        <translation>Temporizador de transmisión</translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation>Bloqueo</translation>
    </message>
    <message>
        <source>Squelch Delay</source>
        <translation>Retardo de squelch</translation>
    </message>
    <message>
        <source>Dial Select</source>
        <translation>Selección del dial</translation>
    </message>
    <message>
        <source>Memory Disp</source>
        <translation>Pantalla de memoria</translation>
    </message>
    <message>
        <source>Function Mode</source>
        <translation>Modo de función</translation>
    </message>
    <message>
        <source>Scan Edge</source>
        <translation>Límite de escaneo</translation>
    </message>
    <message>
        <source>ANI Function</source>
        <translation>Función ANI</translation>
    </message>
    <message>
        <source>ANI Function (being edited)</source>
        <translation>Función ANI (en edición)</translation>
    </message>
    <message>
        <source>ANI Time-Out Timer</source>
        <translation>Temporizador de transmisión ANI</translation>
    </message>
    <message>
        <source>ANI Lockout</source>
        <translation>Bloqueo ANI</translation>
    </message>
    <message>
        <source>ANI TX CH</source>
        <translation>CH TX ANI</translation>
    </message>
    <message>
        <source>Scrambler Type</source>
        <translation>Tipo de codificador</translation>
    </message>
    <message>
        <source>Scrambler Group Code</source>
        <translation>Código de grupo del codificador</translation>
    </message>
    <message>
        <source>Synchronous Capture</source>
        <translation>Captura síncrona</translation>
    </message>
    <message>
        <source>Tone Start Timing</source>
        <translation>Tiempo de inicio del tono</translation>
    </message>
    <message>
        <source>Operation Beep</source>
        <translation>Pitido de teclas</translation>
    </message>
    <message>
        <source>Dial Speedup</source>
        <translation>Aceleración del dial</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Channel Selection</source>
        <translation>Selección de canal</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
</context>
</TS>
