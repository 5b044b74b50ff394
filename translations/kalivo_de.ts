<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation>Tragen Sie Fälligkeiten von Festgeldern,<byte value="xd"/>
Erinnerungen an Beitragszahlungen,<byte value="xd"/>
Geburtstage, Jahrestage,<byte value="xd"/>
Projektzeitpläne,<byte value="xd"/>
Ihre tägliche Arbeit usw. in diesen<byte value="xd"/>
einfachsten und großartigsten Planer<byte value="xd"/>
der Welt ein.</translation>
    </message>
    <message>
        <source>Kalivo could not delete %1, so it greets you again at the next start.

%2</source>
        <translation>Kalivo konnte %1 nicht löschen und begrüßt Sie daher beim nächsten Start noch einmal.

%2</translation>
    </message>
    <message>
        <source>The page of %1 leaves out the notes that could not be saved: %2.</source>
        <translation>Die Seite von %1 enthält die Notizen nicht, die nicht gespeichert werden konnten: %2.</translation>
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
        <translation>Es konnte kein Webbrowser gestartet werden, um die Seite von %1 anzuzeigen (%2).

Die Seite wurde gespeichert unter
%3
Öffnen Sie sie in einem Webbrowser, um sie zu drucken. Kalivo löscht sie, wenn sein Fenster geschlossen wird.</translation>
    </message>
    <message>
        <source>These notes could not be saved and are lost:
%1</source>
        <translation>Diese Notizen konnten nicht gespeichert werden und sind verloren:
%1</translation>
    </message>
    <message>
        <source>The last notes saved may not have reached the disk.

%1</source>
        <translation>Die zuletzt gespeicherten Notizen sind möglicherweise nicht auf dem Datenträger angekommen.

%1</translation>
    </message>
    <message>
        <source>These month pages could not be deleted and stay behind:
%1</source>
        <translation>Diese Monatsseiten konnten nicht gelöscht werden und bleiben zurück:
%1</translation>
    </message>
    <message>
        <source>Today&apos;s month: %1</source>
        <translation>Aktueller Monat: %1</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Notes of this day</source>
        <translation>Notizen dieses Tages</translation>
    </message>
    <message>
        <source>Bring up the Kalivo</source>
        <translation>Kalivo öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>button: close the reminder and end the program</comment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Scroll the notes of this day</source>
        <translation>Notizen dieses Tages blättern</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Something went wrong: %1</source>
        <translation>Etwas ist schiefgegangen: %1</translation>
    </message>
    <message>
        <source>Something went wrong.</source>
        <translation>Etwas ist schiefgegangen.</translation>
    </message>
</context>
<context>
    <name>UnsavedNotes</name>
    <message>
        <source>The note of %1 was changed outside Kalivo while you were editing it.

Your text is now the note; the other version is kept as %2.</source>
        <translation>Die Notiz vom %1 wurde außerhalb von Kalivo geändert, während Sie sie bearbeitet haben.

Ihr Text ist jetzt die Notiz; die andere Fassung wird als %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>The note of %1 could not be saved.

%2

Its text stays on the screen, and Kalivo saves it as soon as it can.</source>
        <translation>Die Notiz vom %1 konnte nicht gespeichert werden.

%2

Ihr Text bleibt auf dem Bildschirm, und Kalivo speichert ihn, sobald es möglich ist.</translation>
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
        <translation>Diese Notizen konnten nicht gespeichert werden:

%1

Kalivo schließen und die Notizen verwerfen?</translation>
    </message>
    <message>
        <source>%1

Your notes are saved as before; only their earlier versions are not kept. Kalivo tells you this once.</source>
        <translation>%1

Ihre Notizen werden wie bisher gespeichert; nur ihre früheren Fassungen werden nicht aufbewahrt. Kalivo weist Sie nur einmal darauf hin.</translation>
    </message>
</context>
<context>
    <name>calendar</name>
    <message>
        <source>Sun</source>
        <comment>column heading: Sunday</comment>
        <translation>So</translation>
    </message>
    <message>
        <source>Mon</source>
        <comment>column heading: Monday</comment>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <comment>column heading: Tuesday</comment>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <comment>column heading: Wednesday</comment>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thurs</source>
        <comment>column heading: Thursday</comment>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>column heading: Friday</comment>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>column heading: Saturday</comment>
        <translation>Sa</translation>
    </message>
</context>
<context>
    <name>design</name>
    <message>
        <source>Print</source>
        <comment>button, 33 pixels wide: print this month</comment>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Print this month&apos;s notes</source>
        <comment>tooltip of Print</comment>
        <translation>Die Notizen dieses Monats drucken</translation>
    </message>
    <message>
        <source>&lt; Prev Month</source>
        <comment>button, 81 pixels wide</comment>
        <translation>&lt; Vormonat</translation>
    </message>
    <message>
        <source>Previous month</source>
        <comment>spoken name of &lt; Prev Month</comment>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>One month back</source>
        <comment>tooltip of &lt; Prev Month</comment>
        <translation>Einen Monat zurück</translation>
    </message>
    <message>
        <source>Next Month &gt;</source>
        <comment>button, 81 pixels wide</comment>
        <translation>Folgemonat &gt;</translation>
    </message>
    <message>
        <source>Next month</source>
        <comment>spoken name of Next Month &gt;</comment>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>One month forward</source>
        <comment>tooltip of Next Month &gt;</comment>
        <translation>Einen Monat vor</translation>
    </message>
    <message>
        <source>&lt; Yr</source>
        <comment>button, 33 pixels wide: one year back</comment>
        <translation>&lt;Jahr</translation>
    </message>
    <message>
        <source>Previous year</source>
        <comment>spoken name of &lt; Yr</comment>
        <translation>Vorheriges Jahr</translation>
    </message>
    <message>
        <source>One year back</source>
        <comment>tooltip of &lt; Yr</comment>
        <translation>Ein Jahr zurück</translation>
    </message>
    <message>
        <source>Yr &gt;</source>
        <comment>button, 33 pixels wide: one year forward</comment>
        <translation>Jahr&gt;</translation>
    </message>
    <message>
        <source>Next year</source>
        <comment>spoken name of Yr &gt;</comment>
        <translation>Nächstes Jahr</translation>
    </message>
    <message>
        <source>One year forward</source>
        <comment>tooltip of Yr &gt;</comment>
        <translation>Ein Jahr vor</translation>
    </message>
    <message>
        <source>Larger note text</source>
        <comment>spoken name and tooltip of +</comment>
        <translation>Notiztext größer</translation>
    </message>
    <message>
        <source>Smaller note text</source>
        <comment>spoken name and tooltip of -</comment>
        <translation>Notiztext kleiner</translation>
    </message>
    <message>
        <source>About</source>
        <comment>button, 49 pixels wide: opens the About box</comment>
        <translation>Über</translation>
    </message>
    <message>
        <source>About Kalivo</source>
        <comment>spoken name of About</comment>
        <translation>Über Kalivo</translation>
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
        <translation>Ein Monat auf einer Seite, eine Notiz für jeden Tag. Notizen werden von selbst gespeichert, eine kleine Datei pro Datum.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>language</name>
    <message>
        <source>d MMMM yyyy</source>
        <comment>QDate format of a date in a message, 14 March 2006</comment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>dddd d MMMM yyyy</source>
        <comment>QDate format of a date as screen readers say it, Tuesday 14 March 2006</comment>
        <translation>dddd, d. MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>monthview::FindWindow</name>
    <message>
        <source>Find in notes</source>
        <translation>In Notizen suchen</translation>
    </message>
    <message>
        <source>Text to find in every note</source>
        <translation>Text, der in allen Notizen gesucht wird</translation>
    </message>
    <message>
        <source>Notes found</source>
        <translation>Gefundene Notizen</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Suche läuft…</translation>
    </message>
    <message>
        <source>Not found in any note.</source>
        <translation>In keiner Notiz gefunden.</translation>
    </message>
    <message>
        <source>1 line found.</source>
        <translation>1 Zeile gefunden.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines found.</source>
        <translation>
            <numerusform>%n Zeile gefunden.</numerusform>
            <numerusform>%n Zeilen gefunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear the text to find</source>
        <translation>Suchtext löschen</translation>
    </message>
    <message>
        <source>Scroll the notes found</source>
        <translation>Gefundene Notizen blättern</translation>
    </message>
</context>
<context>
    <name>monthview::NoteBox</name>
    <message>
        <source>%1
Kalivo leaves this file alone.</source>
        <translation>%1
Kalivo lässt diese Datei unverändert.</translation>
    </message>
    <message>
        <source>Earlier versions…</source>
        <translation>Frühere Fassungen…</translation>
    </message>
</context>
<context>
    <name>monthview::ScreenReaderNames</name>
    <message>
        <source>This note cannot be read: %1</source>
        <translation>Diese Notiz kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>has another version</source>
        <translation>hat eine andere Fassung</translation>
    </message>
</context>
<context>
    <name>monthview::VersionsWindow</name>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Delete copy</source>
        <translation>Kopie löschen</translation>
    </message>
    <message>
        <source>Versions of %1</source>
        <translation>Fassungen vom %1</translation>
    </message>
    <message>
        <source>Earlier versions</source>
        <translation>Frühere Fassungen</translation>
    </message>
    <message>
        <source>Text of the selected version</source>
        <translation>Text der gewählten Fassung</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>kept by Kalivo</source>
        <translation>von Kalivo aufbewahrt</translation>
    </message>
    <message>
        <source>changed outside Kalivo</source>
        <translation>außerhalb von Kalivo geändert</translation>
    </message>
    <message>
        <source>conflict copy of Syncthing</source>
        <translation>Konfliktkopie von Syncthing</translation>
    </message>
    <message>
        <source>conflict copy of Nextcloud or ownCloud</source>
        <translation>Konfliktkopie von Nextcloud oder ownCloud</translation>
    </message>
    <message>
        <source>conflict copy of Dropbox</source>
        <translation>Konfliktkopie von Dropbox</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>There is no earlier version of %1.</source>
        <translation>Vom %1 gibt es keine frühere Fassung.</translation>
    </message>
    <message>
        <source>Delete the conflict copy %1? Its text is gone for good.</source>
        <translation>Die Konfliktkopie %1 löschen? Ihr Text ist dann endgültig verloren.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>xdg-open is not installed</source>
        <translation>xdg-open ist nicht installiert</translation>
    </message>
    <message>
        <source>xdg-open could not be started: %1</source>
        <translation>xdg-open konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>xdg-open crashed</source>
        <translation>xdg-open ist abgestürzt</translation>
    </message>
    <message>
        <source>xdg-open ended with status %1</source>
        <translation>xdg-open endete mit Status %1</translation>
    </message>
</context>
<context>
    <name>programstart</name>
    <message>
        <source>Kalivo already runs in %1, but it does not answer.

Wait for it, or end it, then start Kalivo again.</source>
        <translation>Kalivo läuft bereits in %1, antwortet aber nicht.

Warten Sie, oder beenden Sie es, und starten Sie Kalivo dann erneut.</translation>
    </message>
</context>
<context>
    <name>reminder</name>
    <message>
        <source>Last year on this day:</source>
        <translation>Letztes Jahr an diesem Tag:</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>The report of %1 was not made.</source>
        <translation>Die Seite von %1 wurde nicht erstellt.</translation>
    </message>
    <message>
        <source>Cannot write temp/: it is a link to another folder, and report pages go only into a temp/ folder of the working folder&apos;s own.</source>
        <translation>temp/ kann nicht beschrieben werden: Es ist ein Verweis auf einen anderen Ordner, und Monatsseiten kommen nur in einen eigenen temp/-Ordner des Arbeitsordners.</translation>
    </message>
    <message>
        <source>Cannot write temp/%1: %2</source>
        <translation>temp/%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot delete temp/%1: %2</source>
        <translation>temp/%1 kann nicht gelöscht werden: %2</translation>
    </message>
</context>
<context>
    <name>search</name>
    <message>
        <source>Cannot read data: %1</source>
        <translation>data kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Not enough memory to search every note.</source>
        <translation>Nicht genug Speicher, um alle Notizen zu durchsuchen.</translation>
    </message>
</context>
<context>
    <name>store</name>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>%1 kann nicht gelöscht werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 Byte</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Bytes</numerusform>
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
        <translation>zu groß zum Anzeigen (%1; eine Notiz hat höchstens %2)</translation>
    </message>
    <message>
        <source>an earlier change may not have reached the disk (%1)</source>
        <translation>eine frühere Änderung ist möglicherweise nicht auf dem Datenträger angekommen (%1)</translation>
    </message>
    <message>
        <source>it was changed outside Kalivo into a file too large to keep a copy of (%1)</source>
        <translation>sie wurde außerhalb von Kalivo zu einer Datei geändert, die zu groß ist, um eine Kopie davon aufzubewahren (%1)</translation>
    </message>
    <message>
        <source>it was changed outside Kalivo, and there is no free name for a copy of that version (data/%1.txt and %2 more are taken)</source>
        <translation>sie wurde außerhalb von Kalivo geändert, und für eine Kopie dieser Fassung ist kein Name mehr frei (data/%1.txt und %2 weitere sind vergeben)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>two copies of a note</comment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>too large for a note (%1; a note has at most %2)</source>
        <translation>zu groß für eine Notiz (%1; eine Notiz hat höchstens %2)</translation>
    </message>
    <message>
        <source>it is a link to %1, and its folder %2 refused the new text: %3</source>
        <translation>sie ist ein Verweis auf %1, und dessen Ordner %2 hat den neuen Text abgelehnt: %3</translation>
    </message>
    <message>
        <source>it is a link to %1, and its folder %2 could not be written to the disk: %3</source>
        <translation>sie ist ein Verweis auf %1, und dessen Ordner %2 konnte nicht auf den Datenträger geschrieben werden: %3</translation>
    </message>
    <message>
        <source>it is a link to %1, which cannot be written: %2</source>
        <translation>sie ist ein Verweis auf %1, der nicht beschrieben werden kann: %2</translation>
    </message>
    <message>
        <source>it is a link to %1, whose folder does not exist</source>
        <translation>sie ist ein Verweis auf %1, dessen Ordner nicht existiert</translation>
    </message>
    <message>
        <source>the working folder</source>
        <translation>den Arbeitsordner</translation>
    </message>
    <message>
        <source>Cannot write %1 to the disk: %2</source>
        <translation>Kann %1 nicht auf den Datenträger schreiben: %2</translation>
    </message>
</context>
<context>
    <name>store::Versions</name>
    <message>
        <source>It is a symbolic link, which Kalivo does not follow.</source>
        <translation>Es ist ein symbolischer Link, dem Kalivo nicht folgt.</translation>
    </message>
    <message>
        <source>It is too large to show (%1; a note has at most %2).</source>
        <translation>Sie ist zu groß zum Anzeigen (%1; eine Notiz hat höchstens %2).</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, which Kalivo does not follow.</source>
        <translation>%1 ist ein symbolischer Link, dem Kalivo nicht folgt.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The working folder cannot be opened: %1</source>
        <translation>Der Arbeitsordner kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Cannot delete %1: it is not a conflict copy.</source>
        <translation>%1 kann nicht gelöscht werden: Es ist keine Konfliktkopie.</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>%1 kann nicht gelöscht werden: %2</translation>
    </message>
    <message>
        <source>Earlier versions of notes cannot be kept: %1</source>
        <translation>Frühere Fassungen von Notizen können nicht aufbewahrt werden: %1</translation>
    </message>
    <message>
        <source>history/ cannot be made: %1</source>
        <translation>history/ kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 has no free name for another version of this second.</source>
        <translation>%1 hat keinen freien Namen für eine weitere Fassung in dieser Sekunde.</translation>
    </message>
</context>
</TS>
