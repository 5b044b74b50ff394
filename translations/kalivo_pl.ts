<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
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
        <translation>Wpisuj terminy zapadalności lokat,<byte value="xd"/>
przypomnienia o opłatach składek,<byte value="xd"/>
urodziny, rocznice,<byte value="xd"/>
harmonogramy projektów,<byte value="xd"/>
codzienną pracę itd. w tym<byte value="xd"/>
najprostszym i najlepszym terminarzu<byte value="xd"/>
na świecie.</translation>
    </message>
    <message>
        <source>Kalivo could not delete %1, so it greets you again at the next start.

%2</source>
        <translation>Kalivo nie mogło usunąć %1, więc przywita Cię ponownie przy następnym uruchomieniu.

%2</translation>
    </message>
    <message>
        <source>The page of %1 leaves out the notes that could not be saved: %2.</source>
        <translation>Na stronie %1 brakuje notatek, których nie udało się zapisać: %2.</translation>
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
        <translation>Nie udało się uruchomić przeglądarki, aby pokazać stronę %1 (%2).

Strona została zapisana w
%3
Otwórz ją w przeglądarce, aby ją wydrukować. Kalivo usunie ją po zamknięciu swojego okna.</translation>
    </message>
    <message>
        <source>These notes could not be saved and are lost:
%1</source>
        <translation>Tych notatek nie udało się zapisać i zostały utracone:
%1</translation>
    </message>
    <message>
        <source>The last notes saved may not have reached the disk.

%1</source>
        <translation>Ostatnio zapisane notatki mogły nie trafić na dysk.

%1</translation>
    </message>
    <message>
        <source>These month pages could not be deleted and stay behind:
%1</source>
        <translation>Tych stron miesięcy nie udało się usunąć i pozostają na dysku:
%1</translation>
    </message>
    <message>
        <source>Today&apos;s month: %1</source>
        <translation>Bieżący miesiąc: %1</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Notes of this day</source>
        <translation>Notatki z tego dnia</translation>
    </message>
    <message>
        <source>Bring up the Kalivo</source>
        <translation>Otwórz Kalivo</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>button: close the reminder and end the program</comment>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Scroll the notes of this day</source>
        <translation>Przewiń notatki tego dnia</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Something went wrong: %1</source>
        <translation>Coś poszło nie tak: %1</translation>
    </message>
    <message>
        <source>Something went wrong.</source>
        <translation>Coś poszło nie tak.</translation>
    </message>
</context>
<context>
    <name>UnsavedNotes</name>
    <message>
        <source>The note of %1 was changed outside Kalivo while you were editing it.

Your text is now the note; the other version is kept as %2.</source>
        <translation>Notatka z dnia %1 została zmieniona poza Kalivo w trakcie edycji.

Twój tekst jest teraz notatką; druga wersja została zachowana jako %2.</translation>
    </message>
    <message>
        <source>The note of %1 could not be saved.

%2

Its text stays on the screen, and Kalivo saves it as soon as it can.</source>
        <translation>Nie udało się zapisać notatki z dnia %1.

%2

Jej tekst pozostaje na ekranie, a Kalivo zapisze go, gdy tylko będzie to możliwe.</translation>
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
        <translation>Nie udało się zapisać tych notatek:

%1

Zamknąć Kalivo i je utracić?</translation>
    </message>
    <message>
        <source>%1

Your notes are saved as before; only their earlier versions are not kept. Kalivo tells you this once.</source>
        <translation>%1

Notatki są zapisywane jak dotąd; nie są zachowywane tylko ich wcześniejsze wersje. Kalivo informuje o tym tylko raz.</translation>
    </message>
</context>
<context>
    <name>calendar</name>
    <message>
        <source>Sun</source>
        <comment>column heading: Sunday</comment>
        <translation>Nd</translation>
    </message>
    <message>
        <source>Mon</source>
        <comment>column heading: Monday</comment>
        <translation>Pn</translation>
    </message>
    <message>
        <source>Tue</source>
        <comment>column heading: Tuesday</comment>
        <translation>Wt</translation>
    </message>
    <message>
        <source>Wed</source>
        <comment>column heading: Wednesday</comment>
        <translation>Śr</translation>
    </message>
    <message>
        <source>Thurs</source>
        <comment>column heading: Thursday</comment>
        <translation>Cz</translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>column heading: Friday</comment>
        <translation>Pt</translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>column heading: Saturday</comment>
        <translation>So</translation>
    </message>
</context>
<context>
    <name>design</name>
    <message>
        <source>Print</source>
        <comment>button, 33 pixels wide: print this month</comment>
        <translation>Druk</translation>
    </message>
    <message>
        <source>Print this month&apos;s notes</source>
        <comment>tooltip of Print</comment>
        <translation>Drukuj notatki z tego miesiąca</translation>
    </message>
    <message>
        <source>&lt; Prev Month</source>
        <comment>button, 81 pixels wide</comment>
        <translation>&lt; Poprz. mies.</translation>
    </message>
    <message>
        <source>Previous month</source>
        <comment>spoken name of &lt; Prev Month</comment>
        <translation>Poprzedni miesiąc</translation>
    </message>
    <message>
        <source>One month back</source>
        <comment>tooltip of &lt; Prev Month</comment>
        <translation>Miesiąc wstecz</translation>
    </message>
    <message>
        <source>Next Month &gt;</source>
        <comment>button, 81 pixels wide</comment>
        <translation>Nast. mies. &gt;</translation>
    </message>
    <message>
        <source>Next month</source>
        <comment>spoken name of Next Month &gt;</comment>
        <translation>Następny miesiąc</translation>
    </message>
    <message>
        <source>One month forward</source>
        <comment>tooltip of Next Month &gt;</comment>
        <translation>Miesiąc naprzód</translation>
    </message>
    <message>
        <source>&lt; Yr</source>
        <comment>button, 33 pixels wide: one year back</comment>
        <translation>&lt; Rok</translation>
    </message>
    <message>
        <source>Previous year</source>
        <comment>spoken name of &lt; Yr</comment>
        <translation>Poprzedni rok</translation>
    </message>
    <message>
        <source>One year back</source>
        <comment>tooltip of &lt; Yr</comment>
        <translation>Rok wstecz</translation>
    </message>
    <message>
        <source>Yr &gt;</source>
        <comment>button, 33 pixels wide: one year forward</comment>
        <translation>Rok &gt;</translation>
    </message>
    <message>
        <source>Next year</source>
        <comment>spoken name of Yr &gt;</comment>
        <translation>Następny rok</translation>
    </message>
    <message>
        <source>One year forward</source>
        <comment>tooltip of Yr &gt;</comment>
        <translation>Rok naprzód</translation>
    </message>
    <message>
        <source>Larger note text</source>
        <comment>spoken name and tooltip of +</comment>
        <translation>Większy tekst notatek</translation>
    </message>
    <message>
        <source>Smaller note text</source>
        <comment>spoken name and tooltip of -</comment>
        <translation>Mniejszy tekst notatek</translation>
    </message>
    <message>
        <source>About</source>
        <comment>button, 49 pixels wide: opens the About box</comment>
        <translation>O progr.</translation>
    </message>
    <message>
        <source>About Kalivo</source>
        <comment>spoken name of About</comment>
        <translation>O programie Kalivo</translation>
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
        <translation>Miesiąc na jednej stronie, notatka na każdy dzień. Notatki zapisują się same, mały plik na każdą datę.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
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
        <translation>dddd, d MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>monthview::FindWindow</name>
    <message>
        <source>Find in notes</source>
        <translation>Szukaj w notatkach</translation>
    </message>
    <message>
        <source>Text to find in every note</source>
        <translation>Tekst do wyszukania we wszystkich notatkach</translation>
    </message>
    <message>
        <source>Notes found</source>
        <translation>Znalezione notatki</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Wyszukiwanie…</translation>
    </message>
    <message>
        <source>Not found in any note.</source>
        <translation>Nie znaleziono w żadnej notatce.</translation>
    </message>
    <message>
        <source>1 line found.</source>
        <translation>Znaleziono 1 wiersz.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines found.</source>
        <translation>
            <numerusform>Znaleziono %n wiersz.</numerusform>
            <numerusform>Znaleziono %n wiersze.</numerusform>
            <numerusform>Znaleziono %n wierszy.</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear the text to find</source>
        <translation>Wyczyść szukany tekst</translation>
    </message>
    <message>
        <source>Scroll the notes found</source>
        <translation>Przewiń znalezione notatki</translation>
    </message>
</context>
<context>
    <name>monthview::NoteBox</name>
    <message>
        <source>%1
Kalivo leaves this file alone.</source>
        <translation>%1
Kalivo nie zmienia tego pliku.</translation>
    </message>
    <message>
        <source>Earlier versions…</source>
        <translation>Wcześniejsze wersje…</translation>
    </message>
</context>
<context>
    <name>monthview::ScreenReaderNames</name>
    <message>
        <source>This note cannot be read: %1</source>
        <translation>Tej notatki nie można odczytać: %1</translation>
    </message>
    <message>
        <source>has another version</source>
        <translation>ma inną wersję</translation>
    </message>
</context>
<context>
    <name>monthview::VersionsWindow</name>
    <message>
        <source>Restore</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Delete copy</source>
        <translation>Usuń kopię</translation>
    </message>
    <message>
        <source>Versions of %1</source>
        <translation>Wersje z dnia %1</translation>
    </message>
    <message>
        <source>Earlier versions</source>
        <translation>Wcześniejsze wersje</translation>
    </message>
    <message>
        <source>Text of the selected version</source>
        <translation>Tekst wybranej wersji</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>kept by Kalivo</source>
        <translation>zachowana przez Kalivo</translation>
    </message>
    <message>
        <source>changed outside Kalivo</source>
        <translation>zmieniona poza Kalivo</translation>
    </message>
    <message>
        <source>conflict copy of Syncthing</source>
        <translation>kopia konfliktu z Syncthing</translation>
    </message>
    <message>
        <source>conflict copy of Nextcloud or ownCloud</source>
        <translation>kopia konfliktu z Nextcloud lub ownCloud</translation>
    </message>
    <message>
        <source>conflict copy of Dropbox</source>
        <translation>kopia konfliktu z Dropbox</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(pusta)</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>There is no earlier version of %1.</source>
        <translation>Brak wcześniejszej wersji z dnia %1.</translation>
    </message>
    <message>
        <source>Delete the conflict copy %1? Its text is gone for good.</source>
        <translation>Usunąć kopię konfliktu %1? Jej tekst zostanie bezpowrotnie utracony.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>xdg-open is not installed</source>
        <translation>xdg-open nie jest zainstalowany</translation>
    </message>
    <message>
        <source>xdg-open could not be started: %1</source>
        <translation>nie udało się uruchomić xdg-open: %1</translation>
    </message>
    <message>
        <source>xdg-open crashed</source>
        <translation>xdg-open uległ awarii</translation>
    </message>
    <message>
        <source>xdg-open ended with status %1</source>
        <translation>xdg-open zakończył działanie ze stanem %1</translation>
    </message>
</context>
<context>
    <name>programstart</name>
    <message>
        <source>Kalivo already runs in %1, but it does not answer.

Wait for it, or end it, then start Kalivo again.</source>
        <translation>Kalivo działa już w %1, ale nie odpowiada.

Poczekaj lub je zamknij, a potem uruchom Kalivo ponownie.</translation>
    </message>
</context>
<context>
    <name>reminder</name>
    <message>
        <source>Last year on this day:</source>
        <translation>W zeszłym roku tego dnia:</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>The report of %1 was not made.</source>
        <translation>Strona %1 nie została utworzona.</translation>
    </message>
    <message>
        <source>Cannot write temp/: it is a link to another folder, and report pages go only into a temp/ folder of the working folder&apos;s own.</source>
        <translation>Nie można zapisać w temp/: to dowiązanie do innego folderu, a strony trafiają tylko do własnego folderu temp/ folderu roboczego.</translation>
    </message>
    <message>
        <source>Cannot write temp/%1: %2</source>
        <translation>Nie można zapisać temp/%1: %2</translation>
    </message>
    <message>
        <source>Cannot delete temp/%1: %2</source>
        <translation>Nie można usunąć temp/%1: %2</translation>
    </message>
</context>
<context>
    <name>search</name>
    <message>
        <source>Cannot read data: %1</source>
        <translation>Nie można odczytać data: %1</translation>
    </message>
    <message>
        <source>Not enough memory to search every note.</source>
        <translation>Za mało pamięci, aby przeszukać wszystkie notatki.</translation>
    </message>
</context>
<context>
    <name>store</name>
    <message>
        <source>Not a regular file</source>
        <translation>To nie jest zwykły plik</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>Nie można usunąć %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 bajt</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n bajt</numerusform>
            <numerusform>%n bajty</numerusform>
            <numerusform>%n bajtów</numerusform>
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
        <translation>za duża, aby ją pokazać (%1; notatka ma najwyżej %2)</translation>
    </message>
    <message>
        <source>an earlier change may not have reached the disk (%1)</source>
        <translation>wcześniejsza zmiana mogła nie trafić na dysk (%1)</translation>
    </message>
    <message>
        <source>it was changed outside Kalivo into a file too large to keep a copy of (%1)</source>
        <translation>została zmieniona poza Kalivo w plik zbyt duży, aby zachować jego kopię (%1)</translation>
    </message>
    <message>
        <source>it was changed outside Kalivo, and there is no free name for a copy of that version (data/%1.txt and %2 more are taken)</source>
        <translation>została zmieniona poza Kalivo i nie ma wolnej nazwy dla kopii tej wersji (data/%1.txt i %2 kolejnych jest zajętych)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>two copies of a note</comment>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>too large for a note (%1; a note has at most %2)</source>
        <translation>za duża na notatkę (%1; notatka ma najwyżej %2)</translation>
    </message>
    <message>
        <source>it is a link to %1, and its folder %2 refused the new text: %3</source>
        <translation>to dowiązanie do %1, a jego folder %2 odrzucił nowy tekst: %3</translation>
    </message>
    <message>
        <source>it is a link to %1, and its folder %2 could not be written to the disk: %3</source>
        <translation>to dowiązanie do %1, a jego folderu %2 nie udało się zapisać na dysk: %3</translation>
    </message>
    <message>
        <source>it is a link to %1, which cannot be written: %2</source>
        <translation>to dowiązanie do %1, którego nie można zapisać: %2</translation>
    </message>
    <message>
        <source>it is a link to %1, whose folder does not exist</source>
        <translation>to dowiązanie do %1, którego folder nie istnieje</translation>
    </message>
    <message>
        <source>the working folder</source>
        <translation>folder roboczy</translation>
    </message>
    <message>
        <source>Cannot write %1 to the disk: %2</source>
        <translation>Nie można zapisać %1 na dysk: %2</translation>
    </message>
</context>
<context>
    <name>store::Versions</name>
    <message>
        <source>It is a symbolic link, which Kalivo does not follow.</source>
        <translation>To dowiązanie symboliczne, za którym Kalivo nie podąża.</translation>
    </message>
    <message>
        <source>It is too large to show (%1; a note has at most %2).</source>
        <translation>Jest zbyt duża, by ją pokazać (%1; notatka ma najwyżej %2).</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, which Kalivo does not follow.</source>
        <translation>%1 to dowiązanie symboliczne, za którym Kalivo nie podąża.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 nie jest folderem.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>Nie można otworzyć %1: %2</translation>
    </message>
    <message>
        <source>The working folder cannot be opened: %1</source>
        <translation>Nie można otworzyć folderu roboczego: %1</translation>
    </message>
    <message>
        <source>Cannot delete %1: it is not a conflict copy.</source>
        <translation>Nie można usunąć %1: to nie jest kopia konfliktu.</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>Nie można usunąć %1: %2</translation>
    </message>
    <message>
        <source>Earlier versions of notes cannot be kept: %1</source>
        <translation>Nie można zachować wcześniejszych wersji notatek: %1</translation>
    </message>
    <message>
        <source>history/ cannot be made: %1</source>
        <translation>Nie można utworzyć history/: %1</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>Nie można utworzyć %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>%1 has no free name for another version of this second.</source>
        <translation>%1 nie ma wolnej nazwy na kolejną wersję z tej sekundy.</translation>
    </message>
</context>
</TS>
