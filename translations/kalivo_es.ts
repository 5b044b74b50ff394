<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Form1</name>
    <message>
        <source>Fill in deposit maturity dates,<byte value="xd"/>
premium payment reminders,<byte value="xd"/>
birthdays, anniversaries,<byte value="xd"/>
project time lines,<byte value="xd"/>
your daily work etc. in this<byte value="xd"/>
simplest and greatest planner<byte value="xd"/>
in the world.</source>
        <translation>Anote vencimientos de depósitos,<byte value="xd"/>
recordatorios de pago de primas,<byte value="xd"/>
cumpleaños, aniversarios,<byte value="xd"/>
plazos de proyectos,<byte value="xd"/>
su trabajo diario, etc. en este,<byte value="xd"/>
el planificador más sencillo y mejor<byte value="xd"/>
del mundo.</translation>
    </message>
    <message>
        <source>Kalivo could not delete %1, so it greets you again at the next start.

%2</source>
        <translation>Kalivo no pudo eliminar %1, así que le dará la bienvenida de nuevo en el próximo inicio.

%2</translation>
    </message>
    <message>
        <source>The page of %1 leaves out the notes that could not be saved: %2.</source>
        <translation>La página de %1 no incluye las notas que no se pudieron guardar: %2.</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the dates of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>No web viewer could be started to show the page of %1 (%2).

The page was written to
%3
Open it in a web browser to print it. Kalivo deletes it when its window closes.</source>
        <translation>No se pudo iniciar ningún navegador web para mostrar la página de %1 (%2).

La página se escribió en
%3
Ábrala en un navegador web para imprimirla. Kalivo la elimina al cerrar su ventana.</translation>
    </message>
    <message>
        <source>These notes could not be saved and are lost:
%1</source>
        <translation>Estas notas no se pudieron guardar y se han perdido:
%1</translation>
    </message>
    <message>
        <source>The last notes saved may not have reached the disk.

%1</source>
        <translation>Puede que las últimas notas guardadas no hayan llegado al disco.

%1</translation>
    </message>
    <message>
        <source>These month pages could not be deleted and stay behind:
%1</source>
        <translation>Estas páginas de mes no se pudieron eliminar y se quedan en el disco:
%1</translation>
    </message>
    <message>
        <source>Today&apos;s month: %1</source>
        <translation>Mes actual: %1</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Notes of this day</source>
        <translation>Notas de este día</translation>
    </message>
    <message>
        <source>Bring up the Kalivo</source>
        <translation>Abrir Kalivo</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>button: close the reminder and end the program</comment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Scroll the notes of this day</source>
        <translation>Desplazar las notas de este día</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Something went wrong: %1</source>
        <translation>Algo salió mal: %1</translation>
    </message>
    <message>
        <source>Something went wrong.</source>
        <translation>Algo salió mal.</translation>
    </message>
</context>
<context>
    <name>UnsavedNotes</name>
    <message>
        <source>The note of %1 was changed outside Kalivo while you were editing it.

Your text is now the note; the other version is kept as %2.</source>
        <translation>La nota del %1 se modificó fuera de Kalivo mientras usted la editaba.

Su texto es ahora la nota; la otra versión se conserva como %2.</translation>
    </message>
    <message>
        <source>The note of %1 could not be saved.

%2

Its text stays on the screen, and Kalivo saves it as soon as it can.</source>
        <translation>La nota del %1 no se pudo guardar.

%2

Su texto sigue en la pantalla, y Kalivo la guardará en cuanto pueda.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a date and why its note could not be saved</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>These notes could not be saved:

%1

Close Kalivo and lose them?</source>
        <translation>Estas notas no se pudieron guardar:

%1

¿Cerrar Kalivo y perderlas?</translation>
    </message>
    <message>
        <source>%1

Your notes are saved as before; only their earlier versions are not kept. Kalivo tells you this once.</source>
        <translation>%1

Sus notas se guardan como antes; solo no se conservan sus versiones anteriores. Kalivo se lo avisa una sola vez.</translation>
    </message>
</context>
<context>
    <name>calendar</name>
    <message>
        <source>Sun</source>
        <comment>column heading: Sunday</comment>
        <translation>Dom</translation>
    </message>
    <message>
        <source>Mon</source>
        <comment>column heading: Monday</comment>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <comment>column heading: Tuesday</comment>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <comment>column heading: Wednesday</comment>
        <translation>Mié</translation>
    </message>
    <message>
        <source>Thurs</source>
        <comment>column heading: Thursday</comment>
        <translation>Jue</translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>column heading: Friday</comment>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>column heading: Saturday</comment>
        <translation>Sáb</translation>
    </message>
</context>
<context>
    <name>design</name>
    <message>
        <source>Print</source>
        <comment>button, 33 pixels wide: print this month</comment>
        <translation>Impr.</translation>
    </message>
    <message>
        <source>Print this month&apos;s notes</source>
        <comment>tooltip of Print</comment>
        <translation>Imprimir las notas de este mes</translation>
    </message>
    <message>
        <source>&lt; Prev Month</source>
        <comment>button, 81 pixels wide</comment>
        <translation>&lt; Mes ant.</translation>
    </message>
    <message>
        <source>Previous month</source>
        <comment>spoken name of &lt; Prev Month</comment>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>One month back</source>
        <comment>tooltip of &lt; Prev Month</comment>
        <translation>Un mes atrás</translation>
    </message>
    <message>
        <source>Next Month &gt;</source>
        <comment>button, 81 pixels wide</comment>
        <translation>Mes sig. &gt;</translation>
    </message>
    <message>
        <source>Next month</source>
        <comment>spoken name of Next Month &gt;</comment>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>One month forward</source>
        <comment>tooltip of Next Month &gt;</comment>
        <translation>Un mes adelante</translation>
    </message>
    <message>
        <source>&lt; Yr</source>
        <comment>button, 33 pixels wide: one year back</comment>
        <translation>&lt; Año</translation>
    </message>
    <message>
        <source>Previous year</source>
        <comment>spoken name of &lt; Yr</comment>
        <translation>Año anterior</translation>
    </message>
    <message>
        <source>One year back</source>
        <comment>tooltip of &lt; Yr</comment>
        <translation>Un año atrás</translation>
    </message>
    <message>
        <source>Yr &gt;</source>
        <comment>button, 33 pixels wide: one year forward</comment>
        <translation>Año &gt;</translation>
    </message>
    <message>
        <source>Next year</source>
        <comment>spoken name of Yr &gt;</comment>
        <translation>Año siguiente</translation>
    </message>
    <message>
        <source>One year forward</source>
        <comment>tooltip of Yr &gt;</comment>
        <translation>Un año adelante</translation>
    </message>
    <message>
        <source>Larger note text</source>
        <comment>spoken name and tooltip of +</comment>
        <translation>Texto de las notas más grande</translation>
    </message>
    <message>
        <source>Smaller note text</source>
        <comment>spoken name and tooltip of -</comment>
        <translation>Texto de las notas más pequeño</translation>
    </message>
    <message>
        <source>About</source>
        <comment>button, 49 pixels wide: opens the About box</comment>
        <translation>Info</translation>
    </message>
    <message>
        <source>About Kalivo</source>
        <comment>spoken name of About</comment>
        <translation>Acerca de Kalivo</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>A month on one page, with a note for every day. Notes are saved as you go, one small text file per date.</source>
        <translation>Un mes en una página, una nota para cada día. Las notas se guardan solas, un pequeño archivo por fecha.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>language</name>
    <message>
        <source>d MMMM yyyy</source>
        <comment>QDate format of a date in a message, 14 March 2006</comment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>dddd d MMMM yyyy</source>
        <comment>QDate format of a date as screen readers say it, Tuesday 14 March 2006</comment>
        <translation>dddd, d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
</context>
<context>
    <name>monthview::FindWindow</name>
    <message>
        <source>Find in notes</source>
        <translation>Buscar en las notas</translation>
    </message>
    <message>
        <source>Text to find in every note</source>
        <translation>Texto que buscar en todas las notas</translation>
    </message>
    <message>
        <source>Notes found</source>
        <translation>Notas encontradas</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Buscando…</translation>
    </message>
    <message>
        <source>Not found in any note.</source>
        <translation>No se encontró en ninguna nota.</translation>
    </message>
    <message>
        <source>1 line found.</source>
        <translation>1 línea encontrada.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines found.</source>
        <translation>
            <numerusform>%n línea encontrada.</numerusform>
            <numerusform>%n líneas encontradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear the text to find</source>
        <translation>Borrar el texto que buscar</translation>
    </message>
    <message>
        <source>Scroll the notes found</source>
        <translation>Desplazar las notas encontradas</translation>
    </message>
</context>
<context>
    <name>monthview::NoteBox</name>
    <message>
        <source>%1
Kalivo leaves this file alone.</source>
        <translation>%1
Kalivo no toca este archivo.</translation>
    </message>
    <message>
        <source>Earlier versions…</source>
        <translation>Versiones anteriores…</translation>
    </message>
</context>
<context>
    <name>monthview::ScreenReaderNames</name>
    <message>
        <source>This note cannot be read: %1</source>
        <translation>Esta nota no se puede leer: %1</translation>
    </message>
    <message>
        <source>has another version</source>
        <translation>tiene otra versión</translation>
    </message>
</context>
<context>
    <name>monthview::VersionsWindow</name>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Delete copy</source>
        <translation>Eliminar copia</translation>
    </message>
    <message>
        <source>Versions of %1</source>
        <translation>Versiones del %1</translation>
    </message>
    <message>
        <source>Earlier versions</source>
        <translation>Versiones anteriores</translation>
    </message>
    <message>
        <source>Text of the selected version</source>
        <translation>Texto de la versión seleccionada</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>kept by Kalivo</source>
        <translation>conservada por Kalivo</translation>
    </message>
    <message>
        <source>changed outside Kalivo</source>
        <translation>modificada fuera de Kalivo</translation>
    </message>
    <message>
        <source>conflict copy of Syncthing</source>
        <translation>copia en conflicto de Syncthing</translation>
    </message>
    <message>
        <source>conflict copy of Nextcloud or ownCloud</source>
        <translation>copia en conflicto de Nextcloud u ownCloud</translation>
    </message>
    <message>
        <source>conflict copy of Dropbox</source>
        <translation>copia en conflicto de Dropbox</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vacía)</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>There is no earlier version of %1.</source>
        <translation>No hay ninguna versión anterior del %1.</translation>
    </message>
    <message>
        <source>Delete the conflict copy %1? Its text is gone for good.</source>
        <translation>¿Eliminar la copia en conflicto %1? Su texto se perderá para siempre.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>xdg-open is not installed</source>
        <translation>xdg-open no está instalado</translation>
    </message>
    <message>
        <source>xdg-open could not be started: %1</source>
        <translation>No se pudo iniciar xdg-open: %1</translation>
    </message>
    <message>
        <source>xdg-open crashed</source>
        <translation>xdg-open se bloqueó</translation>
    </message>
    <message>
        <source>xdg-open ended with status %1</source>
        <translation>xdg-open terminó con el estado %1</translation>
    </message>
</context>
<context>
    <name>programstart</name>
    <message>
        <source>Kalivo already runs in %1, but it does not answer.

Wait for it, or end it, then start Kalivo again.</source>
        <translation>Kalivo ya se está ejecutando en %1, pero no responde.

Espere o ciérrelo, y luego vuelva a iniciar Kalivo.</translation>
    </message>
</context>
<context>
    <name>reminder</name>
    <message>
        <source>Last year on this day:</source>
        <translation>El año pasado en este día:</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>The report of %1 was not made.</source>
        <translation>No se creó la página de %1.</translation>
    </message>
    <message>
        <source>Cannot write temp/: it is a link to another folder, and report pages go only into a temp/ folder of the working folder&apos;s own.</source>
        <translation>No se puede escribir en temp/: es un enlace a otra carpeta, y las páginas solo van a una carpeta temp/ propia de la carpeta de trabajo.</translation>
    </message>
    <message>
        <source>Cannot write temp/%1: %2</source>
        <translation>No se puede escribir temp/%1: %2</translation>
    </message>
    <message>
        <source>Cannot delete temp/%1: %2</source>
        <translation>No se puede eliminar temp/%1: %2</translation>
    </message>
</context>
<context>
    <name>search</name>
    <message>
        <source>Cannot read data: %1</source>
        <translation>No se puede leer data: %1</translation>
    </message>
    <message>
        <source>Not enough memory to search every note.</source>
        <translation>No hay memoria suficiente para buscar en todas las notas.</translation>
    </message>
</context>
<context>
    <name>store</name>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>No se puede eliminar %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 byte</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a size: 4 MiB</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1.%2 %3</source>
        <comment>a size with a decimal: 4.5 MiB</comment>
        <translation>%1,%2 %3</translation>
    </message>
    <message>
        <source>too large to show (%1; a note has at most %2)</source>
        <translation>demasiado grande para mostrarla (%1; una nota tiene como máximo %2)</translation>
    </message>
    <message>
        <source>an earlier change may not have reached the disk (%1)</source>
        <translation>puede que un cambio anterior no haya llegado al disco (%1)</translation>
    </message>
    <message>
        <source>it was changed outside Kalivo into a file too large to keep a copy of (%1)</source>
        <translation>se modificó fuera de Kalivo y es ahora un archivo demasiado grande para guardar una copia (%1)</translation>
    </message>
    <message>
        <source>it was changed outside Kalivo, and there is no free name for a copy of that version (data/%1.txt and %2 more are taken)</source>
        <translation>se modificó fuera de Kalivo, y no queda ningún nombre libre para una copia de esa versión (data/%1.txt y otros %2 están ocupados)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>two copies of a note</comment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>too large for a note (%1; a note has at most %2)</source>
        <translation>demasiado grande para una nota (%1; una nota tiene como máximo %2)</translation>
    </message>
    <message>
        <source>it is a link to %1, and its folder %2 refused the new text: %3</source>
        <translation>es un enlace a %1, y su carpeta %2 rechazó el texto nuevo: %3</translation>
    </message>
    <message>
        <source>it is a link to %1, and its folder %2 could not be written to the disk: %3</source>
        <translation>es un enlace a %1, y su carpeta %2 no se pudo escribir en el disco: %3</translation>
    </message>
    <message>
        <source>it is a link to %1, which cannot be written: %2</source>
        <translation>es un enlace a %1, que no se puede escribir: %2</translation>
    </message>
    <message>
        <source>it is a link to %1, whose folder does not exist</source>
        <translation>es un enlace a %1, cuya carpeta no existe</translation>
    </message>
    <message>
        <source>the working folder</source>
        <translation>la carpeta de trabajo</translation>
    </message>
    <message>
        <source>Cannot write %1 to the disk: %2</source>
        <translation>No se puede escribir %1 en el disco: %2</translation>
    </message>
</context>
<context>
    <name>store::Versions</name>
    <message>
        <source>It is a symbolic link, which Kalivo does not follow.</source>
        <translation>Es un enlace simbólico, que Kalivo no sigue.</translation>
    </message>
    <message>
        <source>It is too large to show (%1; a note has at most %2).</source>
        <translation>Es demasiado grande para mostrarla (%1; una nota tiene como máximo %2).</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, which Kalivo does not follow.</source>
        <translation>%1 es un enlace simbólico, que Kalivo no sigue.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 no es una carpeta.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>The working folder cannot be opened: %1</source>
        <translation>No se puede abrir la carpeta de trabajo: %1</translation>
    </message>
    <message>
        <source>Cannot delete %1: it is not a conflict copy.</source>
        <translation>No se puede eliminar %1: no es una copia en conflicto.</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>No se puede eliminar %1: %2</translation>
    </message>
    <message>
        <source>Earlier versions of notes cannot be kept: %1</source>
        <translation>No se pueden conservar las versiones anteriores de las notas: %1</translation>
    </message>
    <message>
        <source>history/ cannot be made: %1</source>
        <translation>No se puede crear history/: %1</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>No se puede crear %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 has no free name for another version of this second.</source>
        <translation>%1 no tiene ningún nombre libre para otra versión de este segundo.</translation>
    </message>
</context>
</TS>
