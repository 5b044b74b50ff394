<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
        <translation>Annota le scadenze dei depositi,<byte value="xd"/>
i promemoria dei premi da pagare,<byte value="xd"/>
compleanni, anniversari,<byte value="xd"/>
le tappe dei progetti,<byte value="xd"/>
il tuo lavoro quotidiano ecc. in questa<byte value="xd"/>
agenda, la più semplice e la migliore<byte value="xd"/>
del mondo.</translation>
    </message>
    <message>
        <source>Kalivo could not delete %1, so it greets you again at the next start.

%2</source>
        <translation>Kalivo non ha potuto eliminare %1, quindi ti darà di nuovo il benvenuto al prossimo avvio.

%2</translation>
    </message>
    <message>
        <source>The page of %1 leaves out the notes that could not be saved: %2.</source>
        <translation>La pagina di %1 non contiene le note che non è stato possibile salvare: %2.</translation>
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
        <translation>Non è stato possibile avviare un browser web per mostrare la pagina di %1 (%2).

La pagina è stata scritta in
%3
Aprila in un browser web per stamparla. Kalivo la elimina quando si chiude la sua finestra.</translation>
    </message>
    <message>
        <source>These notes could not be saved and are lost:
%1</source>
        <translation>Non è stato possibile salvare queste note, che sono andate perse:
%1</translation>
    </message>
    <message>
        <source>The last notes saved may not have reached the disk.

%1</source>
        <translation>Le ultime note salvate potrebbero non essere arrivate sul disco.

%1</translation>
    </message>
    <message>
        <source>These month pages could not be deleted and stay behind:
%1</source>
        <translation>Non è stato possibile eliminare queste pagine mensili, che restano sul disco:
%1</translation>
    </message>
    <message>
        <source>Today&apos;s month: %1</source>
        <translation>Mese corrente: %1</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Notes of this day</source>
        <translation>Note di questo giorno</translation>
    </message>
    <message>
        <source>Bring up the Kalivo</source>
        <translation>Apri Kalivo</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>button: close the reminder and end the program</comment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Scroll the notes of this day</source>
        <translation>Scorri le note di questo giorno</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Something went wrong: %1</source>
        <translation>Si è verificato un errore: %1</translation>
    </message>
    <message>
        <source>Something went wrong.</source>
        <translation>Si è verificato un errore.</translation>
    </message>
</context>
<context>
    <name>UnsavedNotes</name>
    <message>
        <source>The note of %1 was changed outside Kalivo while you were editing it.

Your text is now the note; the other version is kept as %2.</source>
        <translation>La nota del %1 è stata modificata fuori da Kalivo mentre la stavi scrivendo.

Il tuo testo è ora la nota; l&apos;altra versione è conservata come %2.</translation>
    </message>
    <message>
        <source>The note of %1 could not be saved.

%2

Its text stays on the screen, and Kalivo saves it as soon as it can.</source>
        <translation>Non è stato possibile salvare la nota del %1.

%2

Il testo resta sullo schermo e Kalivo lo salverà appena possibile.</translation>
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
        <translation>Non è stato possibile salvare queste note:

%1

Chiudere Kalivo e perderle?</translation>
    </message>
    <message>
        <source>%1

Your notes are saved as before; only their earlier versions are not kept. Kalivo tells you this once.</source>
        <translation>%1

Le tue note vengono salvate come prima; solo le loro versioni precedenti non vengono conservate. Kalivo te lo dice una volta sola.</translation>
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
        <translation>Mer</translation>
    </message>
    <message>
        <source>Thurs</source>
        <comment>column heading: Thursday</comment>
        <translation>Gio</translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>column heading: Friday</comment>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>column heading: Saturday</comment>
        <translation>Sab</translation>
    </message>
</context>
<context>
    <name>design</name>
    <message>
        <source>Print</source>
        <comment>button, 33 pixels wide: print this month</comment>
        <translation>Stam.</translation>
    </message>
    <message>
        <source>Print this month&apos;s notes</source>
        <comment>tooltip of Print</comment>
        <translation>Stampa le note di questo mese</translation>
    </message>
    <message>
        <source>&lt; Prev Month</source>
        <comment>button, 81 pixels wide</comment>
        <translation>&lt; Mese prec.</translation>
    </message>
    <message>
        <source>Previous month</source>
        <comment>spoken name of &lt; Prev Month</comment>
        <translation>Mese precedente</translation>
    </message>
    <message>
        <source>One month back</source>
        <comment>tooltip of &lt; Prev Month</comment>
        <translation>Un mese indietro</translation>
    </message>
    <message>
        <source>Next Month &gt;</source>
        <comment>button, 81 pixels wide</comment>
        <translation>Mese succ. &gt;</translation>
    </message>
    <message>
        <source>Next month</source>
        <comment>spoken name of Next Month &gt;</comment>
        <translation>Mese successivo</translation>
    </message>
    <message>
        <source>One month forward</source>
        <comment>tooltip of Next Month &gt;</comment>
        <translation>Un mese avanti</translation>
    </message>
    <message>
        <source>&lt; Yr</source>
        <comment>button, 33 pixels wide: one year back</comment>
        <translation>&lt; A.</translation>
    </message>
    <message>
        <source>Previous year</source>
        <comment>spoken name of &lt; Yr</comment>
        <translation>Anno precedente</translation>
    </message>
    <message>
        <source>One year back</source>
        <comment>tooltip of &lt; Yr</comment>
        <translation>Un anno indietro</translation>
    </message>
    <message>
        <source>Yr &gt;</source>
        <comment>button, 33 pixels wide: one year forward</comment>
        <translation>A. &gt;</translation>
    </message>
    <message>
        <source>Next year</source>
        <comment>spoken name of Yr &gt;</comment>
        <translation>Anno successivo</translation>
    </message>
    <message>
        <source>One year forward</source>
        <comment>tooltip of Yr &gt;</comment>
        <translation>Un anno avanti</translation>
    </message>
    <message>
        <source>Larger note text</source>
        <comment>spoken name and tooltip of +</comment>
        <translation>Testo delle note più grande</translation>
    </message>
    <message>
        <source>Smaller note text</source>
        <comment>spoken name and tooltip of -</comment>
        <translation>Testo delle note più piccolo</translation>
    </message>
    <message>
        <source>About</source>
        <comment>button, 49 pixels wide: opens the About box</comment>
        <translation>Info</translation>
    </message>
    <message>
        <source>About Kalivo</source>
        <comment>spoken name of About</comment>
        <translation>Informazioni su Kalivo</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A month on one page, with a note for every day. Notes are saved as you go, one small text file per date.</source>
        <translation>Un mese su una pagina, una nota per ogni giorno. Le note si salvano da sole, un piccolo file per data.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
</context>
<context>
    <name>language</name>
    <message>
        <source>d MMMM yyyy</source>
        <comment>QDate format of a date in a message, 14 March 2006</comment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>dddd d MMMM yyyy</source>
        <comment>QDate format of a date as screen readers say it, Tuesday 14 March 2006</comment>
        <translation>dddd d MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>monthview::FindWindow</name>
    <message>
        <source>Find in notes</source>
        <translation>Cerca nelle note</translation>
    </message>
    <message>
        <source>Text to find in every note</source>
        <translation>Testo da cercare in tutte le note</translation>
    </message>
    <message>
        <source>Notes found</source>
        <translation>Note trovate</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Ricerca in corso…</translation>
    </message>
    <message>
        <source>Not found in any note.</source>
        <translation>Non trovato in nessuna nota.</translation>
    </message>
    <message>
        <source>1 line found.</source>
        <translation>1 riga trovata.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines found.</source>
        <translation>
            <numerusform>%n riga trovata.</numerusform>
            <numerusform>%n righe trovate.</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear the text to find</source>
        <translation>Cancella il testo da cercare</translation>
    </message>
    <message>
        <source>Scroll the notes found</source>
        <translation>Scorri le note trovate</translation>
    </message>
</context>
<context>
    <name>monthview::NoteBox</name>
    <message>
        <source>%1
Kalivo leaves this file alone.</source>
        <translation>%1
Kalivo non modifica questo file.</translation>
    </message>
    <message>
        <source>Earlier versions…</source>
        <translation>Versioni precedenti…</translation>
    </message>
</context>
<context>
    <name>monthview::ScreenReaderNames</name>
    <message>
        <source>This note cannot be read: %1</source>
        <translation>Questa nota non può essere letta: %1</translation>
    </message>
    <message>
        <source>has another version</source>
        <translation>ha un&apos;altra versione</translation>
    </message>
</context>
<context>
    <name>monthview::VersionsWindow</name>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Delete copy</source>
        <translation>Elimina copia</translation>
    </message>
    <message>
        <source>Versions of %1</source>
        <translation>Versioni del %1</translation>
    </message>
    <message>
        <source>Earlier versions</source>
        <translation>Versioni precedenti</translation>
    </message>
    <message>
        <source>Text of the selected version</source>
        <translation>Testo della versione selezionata</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>kept by Kalivo</source>
        <translation>conservata da Kalivo</translation>
    </message>
    <message>
        <source>changed outside Kalivo</source>
        <translation>modificata fuori da Kalivo</translation>
    </message>
    <message>
        <source>conflict copy of Syncthing</source>
        <translation>copia in conflitto di Syncthing</translation>
    </message>
    <message>
        <source>conflict copy of Nextcloud or ownCloud</source>
        <translation>copia in conflitto di Nextcloud o ownCloud</translation>
    </message>
    <message>
        <source>conflict copy of Dropbox</source>
        <translation>copia in conflitto di Dropbox</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vuota)</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>There is no earlier version of %1.</source>
        <translation>Non c&apos;è nessuna versione precedente del %1.</translation>
    </message>
    <message>
        <source>Delete the conflict copy %1? Its text is gone for good.</source>
        <translation>Eliminare la copia in conflitto %1? Il suo testo andrà perso per sempre.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>xdg-open is not installed</source>
        <translation>xdg-open non è installato</translation>
    </message>
    <message>
        <source>xdg-open could not be started: %1</source>
        <translation>Impossibile avviare xdg-open: %1</translation>
    </message>
    <message>
        <source>xdg-open crashed</source>
        <translation>xdg-open si è bloccato</translation>
    </message>
    <message>
        <source>xdg-open ended with status %1</source>
        <translation>xdg-open è terminato con lo stato %1</translation>
    </message>
</context>
<context>
    <name>programstart</name>
    <message>
        <source>Kalivo already runs in %1, but it does not answer.

Wait for it, or end it, then start Kalivo again.</source>
        <translation>Kalivo è già in esecuzione in %1, ma non risponde.

Attendi o chiudilo, poi avvia di nuovo Kalivo.</translation>
    </message>
</context>
<context>
    <name>reminder</name>
    <message>
        <source>Last year on this day:</source>
        <translation>L&apos;anno scorso in questo giorno:</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>The report of %1 was not made.</source>
        <translation>La pagina di %1 non è stata creata.</translation>
    </message>
    <message>
        <source>Cannot write temp/: it is a link to another folder, and report pages go only into a temp/ folder of the working folder&apos;s own.</source>
        <translation>Impossibile scrivere in temp/: è un collegamento a un&apos;altra cartella, e le pagine vanno solo in una cartella temp/ propria della cartella di lavoro.</translation>
    </message>
    <message>
        <source>Cannot write temp/%1: %2</source>
        <translation>Impossibile scrivere temp/%1: %2</translation>
    </message>
    <message>
        <source>Cannot delete temp/%1: %2</source>
        <translation>Impossibile eliminare temp/%1: %2</translation>
    </message>
</context>
<context>
    <name>search</name>
    <message>
        <source>Cannot read data: %1</source>
        <translation>Impossibile leggere data: %1</translation>
    </message>
    <message>
        <source>Not enough memory to search every note.</source>
        <translation>Memoria insufficiente per cercare in tutte le note.</translation>
    </message>
</context>
<context>
    <name>store</name>
    <message>
        <source>Not a regular file</source>
        <translation>Non è un file regolare</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>Impossibile eliminare %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 byte</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n byte</numerusform>
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
        <translation>troppo grande per essere mostrata (%1; una nota ha al massimo %2)</translation>
    </message>
    <message>
        <source>an earlier change may not have reached the disk (%1)</source>
        <translation>una modifica precedente potrebbe non essere arrivata sul disco (%1)</translation>
    </message>
    <message>
        <source>it was changed outside Kalivo into a file too large to keep a copy of (%1)</source>
        <translation>è stata modificata fuori da Kalivo in un file troppo grande per conservarne una copia (%1)</translation>
    </message>
    <message>
        <source>it was changed outside Kalivo, and there is no free name for a copy of that version (data/%1.txt and %2 more are taken)</source>
        <translation>è stata modificata fuori da Kalivo, e non c&apos;è un nome libero per una copia di quella versione (data/%1.txt e altri %2 sono occupati)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>two copies of a note</comment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>too large for a note (%1; a note has at most %2)</source>
        <translation>troppo grande per una nota (%1; una nota ha al massimo %2)</translation>
    </message>
    <message>
        <source>it is a link to %1, and its folder %2 refused the new text: %3</source>
        <translation>è un collegamento a %1, e la sua cartella %2 ha rifiutato il nuovo testo: %3</translation>
    </message>
    <message>
        <source>it is a link to %1, and its folder %2 could not be written to the disk: %3</source>
        <translation>è un collegamento a %1, e la sua cartella %2 non è stata scritta sul disco: %3</translation>
    </message>
    <message>
        <source>it is a link to %1, which cannot be written: %2</source>
        <translation>è un collegamento a %1, che non può essere scritto: %2</translation>
    </message>
    <message>
        <source>it is a link to %1, whose folder does not exist</source>
        <translation>è un collegamento a %1, la cui cartella non esiste</translation>
    </message>
    <message>
        <source>the working folder</source>
        <translation>la cartella di lavoro</translation>
    </message>
    <message>
        <source>Cannot write %1 to the disk: %2</source>
        <translation>Impossibile scrivere %1 sul disco: %2</translation>
    </message>
</context>
<context>
    <name>store::Versions</name>
    <message>
        <source>It is a symbolic link, which Kalivo does not follow.</source>
        <translation>È un collegamento simbolico, che Kalivo non segue.</translation>
    </message>
    <message>
        <source>It is too large to show (%1; a note has at most %2).</source>
        <translation>È troppo grande per essere mostrata (%1; una nota ha al massimo %2).</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, which Kalivo does not follow.</source>
        <translation>%1 è un collegamento simbolico, che Kalivo non segue.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 non è una cartella.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>Impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>The working folder cannot be opened: %1</source>
        <translation>Impossibile aprire la cartella di lavoro: %1</translation>
    </message>
    <message>
        <source>Cannot delete %1: it is not a conflict copy.</source>
        <translation>Impossibile eliminare %1: non è una copia in conflitto.</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>Impossibile eliminare %1: %2</translation>
    </message>
    <message>
        <source>Earlier versions of notes cannot be kept: %1</source>
        <translation>Impossibile conservare le versioni precedenti delle note: %1</translation>
    </message>
    <message>
        <source>history/ cannot be made: %1</source>
        <translation>Impossibile creare history/: %1</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>Impossibile creare %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>%1 has no free name for another version of this second.</source>
        <translation>%1 non ha un nome libero per un&apos;altra versione di questo secondo.</translation>
    </message>
</context>
</TS>
