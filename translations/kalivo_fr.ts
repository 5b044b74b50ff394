<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Notez les échéances de vos dépôts,<byte value="xd"/>
les rappels de paiement de primes,<byte value="xd"/>
anniversaires, fêtes,<byte value="xd"/>
calendriers de projets,<byte value="xd"/>
votre travail quotidien, etc. dans ce<byte value="xd"/>
planificateur, le plus simple et le meilleur<byte value="xd"/>
au monde.</translation>
    </message>
    <message>
        <source>Kalivo could not delete %1, so it greets you again at the next start.

%2</source>
        <translation>Kalivo n&apos;a pas pu supprimer %1&#xa0;; il vous accueillera donc de nouveau au prochain démarrage.

%2</translation>
    </message>
    <message>
        <source>The page of %1 leaves out the notes that could not be saved: %2.</source>
        <translation>La page de %1 ne contient pas les notes qui n&apos;ont pas pu être enregistrées&#xa0;: %2.</translation>
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
        <translation>Aucun navigateur web n&apos;a pu être lancé pour afficher la page de %1 (%2).

La page a été écrite dans
%3
Ouvrez-la dans un navigateur web pour l&apos;imprimer. Kalivo la supprime à la fermeture de sa fenêtre.</translation>
    </message>
    <message>
        <source>These notes could not be saved and are lost:
%1</source>
        <translation>Ces notes n&apos;ont pas pu être enregistrées et sont perdues&#xa0;:
%1</translation>
    </message>
    <message>
        <source>The last notes saved may not have reached the disk.

%1</source>
        <translation>Les dernières notes enregistrées n&apos;ont peut-être pas atteint le disque.

%1</translation>
    </message>
    <message>
        <source>These month pages could not be deleted and stay behind:
%1</source>
        <translation>Ces pages de mois n&apos;ont pas pu être supprimées et restent sur le disque&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Today&apos;s month: %1</source>
        <translation>Mois en cours&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Notes of this day</source>
        <translation>Notes de ce jour</translation>
    </message>
    <message>
        <source>Bring up the Kalivo</source>
        <translation>Ouvrir Kalivo</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>button: close the reminder and end the program</comment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Scroll the notes of this day</source>
        <translation>Faire défiler les notes de ce jour</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Something went wrong: %1</source>
        <translation>Une erreur s&apos;est produite&#xa0;: %1</translation>
    </message>
    <message>
        <source>Something went wrong.</source>
        <translation>Une erreur s&apos;est produite.</translation>
    </message>
</context>
<context>
    <name>UnsavedNotes</name>
    <message>
        <source>The note of %1 was changed outside Kalivo while you were editing it.

Your text is now the note; the other version is kept as %2.</source>
        <translation>La note du %1 a été modifiée hors de Kalivo pendant que vous l&apos;écriviez.

Votre texte est maintenant la note&#xa0;; l&apos;autre version est conservée sous %2.</translation>
    </message>
    <message>
        <source>The note of %1 could not be saved.

%2

Its text stays on the screen, and Kalivo saves it as soon as it can.</source>
        <translation>La note du %1 n&apos;a pas pu être enregistrée.

%2

Son texte reste à l&apos;écran, et Kalivo l&apos;enregistre dès que possible.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a date and why its note could not be saved</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>These notes could not be saved:

%1

Close Kalivo and lose them?</source>
        <translation>Ces notes n&apos;ont pas pu être enregistrées&#xa0;:

%1

Fermer Kalivo et les perdre&#xa0;?</translation>
    </message>
    <message>
        <source>%1

Your notes are saved as before; only their earlier versions are not kept. Kalivo tells you this once.</source>
        <translation>%1

Vos notes sont enregistrées comme avant&#xa0;; seules leurs versions antérieures ne sont pas conservées. Kalivo ne vous le dit qu&apos;une fois.</translation>
    </message>
</context>
<context>
    <name>calendar</name>
    <message>
        <source>Sun</source>
        <comment>column heading: Sunday</comment>
        <translation>Dim</translation>
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
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>column heading: Friday</comment>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>column heading: Saturday</comment>
        <translation>Sam</translation>
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
        <translation>Imprimer les notes de ce mois</translation>
    </message>
    <message>
        <source>&lt; Prev Month</source>
        <comment>button, 81 pixels wide</comment>
        <translation>&lt; Mois préc.</translation>
    </message>
    <message>
        <source>Previous month</source>
        <comment>spoken name of &lt; Prev Month</comment>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>One month back</source>
        <comment>tooltip of &lt; Prev Month</comment>
        <translation>Un mois en arrière</translation>
    </message>
    <message>
        <source>Next Month &gt;</source>
        <comment>button, 81 pixels wide</comment>
        <translation>Mois suiv. &gt;</translation>
    </message>
    <message>
        <source>Next month</source>
        <comment>spoken name of Next Month &gt;</comment>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>One month forward</source>
        <comment>tooltip of Next Month &gt;</comment>
        <translation>Un mois en avant</translation>
    </message>
    <message>
        <source>&lt; Yr</source>
        <comment>button, 33 pixels wide: one year back</comment>
        <translation>&lt; An</translation>
    </message>
    <message>
        <source>Previous year</source>
        <comment>spoken name of &lt; Yr</comment>
        <translation>Année précédente</translation>
    </message>
    <message>
        <source>One year back</source>
        <comment>tooltip of &lt; Yr</comment>
        <translation>Une année en arrière</translation>
    </message>
    <message>
        <source>Yr &gt;</source>
        <comment>button, 33 pixels wide: one year forward</comment>
        <translation>An &gt;</translation>
    </message>
    <message>
        <source>Next year</source>
        <comment>spoken name of Yr &gt;</comment>
        <translation>Année suivante</translation>
    </message>
    <message>
        <source>One year forward</source>
        <comment>tooltip of Yr &gt;</comment>
        <translation>Une année en avant</translation>
    </message>
    <message>
        <source>Larger note text</source>
        <comment>spoken name and tooltip of +</comment>
        <translation>Texte des notes plus grand</translation>
    </message>
    <message>
        <source>Smaller note text</source>
        <comment>spoken name and tooltip of -</comment>
        <translation>Texte des notes plus petit</translation>
    </message>
    <message>
        <source>About</source>
        <comment>button, 49 pixels wide: opens the About box</comment>
        <translation>À propos</translation>
    </message>
    <message>
        <source>About Kalivo</source>
        <comment>spoken name of About</comment>
        <translation>À propos de Kalivo</translation>
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
        <translation>Un mois sur une page, une note pour chaque jour, enregistrée au fil de l&apos;écriture dans un petit fichier par date.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
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
        <translation>Rechercher dans les notes</translation>
    </message>
    <message>
        <source>Text to find in every note</source>
        <translation>Texte à rechercher dans toutes les notes</translation>
    </message>
    <message>
        <source>Notes found</source>
        <translation>Notes trouvées</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Recherche…</translation>
    </message>
    <message>
        <source>Not found in any note.</source>
        <translation>Introuvable dans les notes.</translation>
    </message>
    <message>
        <source>1 line found.</source>
        <translation>1 ligne trouvée.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines found.</source>
        <translation>
            <numerusform>%n ligne trouvée.</numerusform>
            <numerusform>%n lignes trouvées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear the text to find</source>
        <translation>Effacer le texte à rechercher</translation>
    </message>
    <message>
        <source>Scroll the notes found</source>
        <translation>Faire défiler les notes trouvées</translation>
    </message>
</context>
<context>
    <name>monthview::NoteBox</name>
    <message>
        <source>%1
Kalivo leaves this file alone.</source>
        <translation>%1
Kalivo ne touche pas à ce fichier.</translation>
    </message>
    <message>
        <source>Earlier versions…</source>
        <translation>Versions antérieures…</translation>
    </message>
</context>
<context>
    <name>monthview::ScreenReaderNames</name>
    <message>
        <source>This note cannot be read: %1</source>
        <translation>Cette note ne peut pas être lue&#xa0;: %1</translation>
    </message>
    <message>
        <source>has another version</source>
        <translation>a une autre version</translation>
    </message>
</context>
<context>
    <name>monthview::VersionsWindow</name>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Delete copy</source>
        <translation>Supprimer la copie</translation>
    </message>
    <message>
        <source>Versions of %1</source>
        <translation>Versions du %1</translation>
    </message>
    <message>
        <source>Earlier versions</source>
        <translation>Versions antérieures</translation>
    </message>
    <message>
        <source>Text of the selected version</source>
        <translation>Texte de la version sélectionnée</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>kept by Kalivo</source>
        <translation>conservée par Kalivo</translation>
    </message>
    <message>
        <source>changed outside Kalivo</source>
        <translation>modifiée hors de Kalivo</translation>
    </message>
    <message>
        <source>conflict copy of Syncthing</source>
        <translation>copie de conflit de Syncthing</translation>
    </message>
    <message>
        <source>conflict copy of Nextcloud or ownCloud</source>
        <translation>copie de conflit de Nextcloud ou ownCloud</translation>
    </message>
    <message>
        <source>conflict copy of Dropbox</source>
        <translation>copie de conflit de Dropbox</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vide)</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>There is no earlier version of %1.</source>
        <translation>Il n&apos;y a pas de version antérieure du %1.</translation>
    </message>
    <message>
        <source>Delete the conflict copy %1? Its text is gone for good.</source>
        <translation>Supprimer la copie de conflit %1&#xa0;? Son texte sera définitivement perdu.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>xdg-open is not installed</source>
        <translation>xdg-open n&apos;est pas installé</translation>
    </message>
    <message>
        <source>xdg-open could not be started: %1</source>
        <translation>xdg-open n&apos;a pas pu être lancé&#xa0;: %1</translation>
    </message>
    <message>
        <source>xdg-open crashed</source>
        <translation>xdg-open a planté</translation>
    </message>
    <message>
        <source>xdg-open ended with status %1</source>
        <translation>xdg-open a terminé avec le code %1</translation>
    </message>
</context>
<context>
    <name>programstart</name>
    <message>
        <source>Kalivo already runs in %1, but it does not answer.

Wait for it, or end it, then start Kalivo again.</source>
        <translation>Kalivo est déjà ouvert dans %1, mais ne répond pas.

Attendez-le ou fermez-le, puis relancez Kalivo.</translation>
    </message>
</context>
<context>
    <name>reminder</name>
    <message>
        <source>Last year on this day:</source>
        <translation>L&apos;an dernier à la même date&#xa0;:</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>The report of %1 was not made.</source>
        <translation>La page de %1 n&apos;a pas été créée.</translation>
    </message>
    <message>
        <source>Cannot write temp/: it is a link to another folder, and report pages go only into a temp/ folder of the working folder&apos;s own.</source>
        <translation>Impossible d&apos;écrire dans temp/&#xa0;: c&apos;est un lien vers un autre dossier, et les pages ne vont que dans un dossier temp/ propre au dossier de travail.</translation>
    </message>
    <message>
        <source>Cannot write temp/%1: %2</source>
        <translation>Impossible d&apos;écrire temp/%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot delete temp/%1: %2</source>
        <translation>Impossible de supprimer temp/%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>search</name>
    <message>
        <source>Cannot read data: %1</source>
        <translation>Impossible de lire data&#xa0;: %1</translation>
    </message>
    <message>
        <source>Not enough memory to search every note.</source>
        <translation>Pas assez de mémoire pour rechercher dans toutes les notes.</translation>
    </message>
</context>
<context>
    <name>store</name>
    <message>
        <source>Not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>Impossible de supprimer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 octet</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n octet</numerusform>
            <numerusform>%n octets</numerusform>
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
        <translation>trop grande pour être affichée (%1&#xa0;; une note fait au plus %2)</translation>
    </message>
    <message>
        <source>an earlier change may not have reached the disk (%1)</source>
        <translation>une modification précédente n&apos;a peut-être pas atteint le disque (%1)</translation>
    </message>
    <message>
        <source>it was changed outside Kalivo into a file too large to keep a copy of (%1)</source>
        <translation>elle a été modifiée hors de Kalivo en un fichier trop grand pour en garder une copie (%1)</translation>
    </message>
    <message>
        <source>it was changed outside Kalivo, and there is no free name for a copy of that version (data/%1.txt and %2 more are taken)</source>
        <translation>elle a été modifiée hors de Kalivo, et aucun nom n&apos;est libre pour une copie de cette version (data/%1.txt et %2 autres sont pris)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>two copies of a note</comment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>too large for a note (%1; a note has at most %2)</source>
        <translation>trop grande pour une note (%1&#xa0;; une note fait au plus %2)</translation>
    </message>
    <message>
        <source>it is a link to %1, and its folder %2 refused the new text: %3</source>
        <translation>c&apos;est un lien vers %1, et son dossier %2 a refusé le nouveau texte&#xa0;: %3</translation>
    </message>
    <message>
        <source>it is a link to %1, and its folder %2 could not be written to the disk: %3</source>
        <translation>c&apos;est un lien vers %1, et son dossier %2 n&apos;a pas pu être écrit sur le disque&#xa0;: %3</translation>
    </message>
    <message>
        <source>it is a link to %1, which cannot be written: %2</source>
        <translation>c&apos;est un lien vers %1, qui ne peut pas être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is a link to %1, whose folder does not exist</source>
        <translation>c&apos;est un lien vers %1, dont le dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>the working folder</source>
        <translation>le dossier de travail</translation>
    </message>
    <message>
        <source>Cannot write %1 to the disk: %2</source>
        <translation>Impossible d&apos;écrire %1 sur le disque&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>store::Versions</name>
    <message>
        <source>It is a symbolic link, which Kalivo does not follow.</source>
        <translation>C&apos;est un lien symbolique, que Kalivo ne suit pas.</translation>
    </message>
    <message>
        <source>It is too large to show (%1; a note has at most %2).</source>
        <translation>Elle est trop grande pour être affichée (%1&#xa0;; une note fait au plus %2).</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, which Kalivo does not follow.</source>
        <translation>%1 est un lien symbolique, que Kalivo ne suit pas.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The working folder cannot be opened: %1</source>
        <translation>Impossible d&apos;ouvrir le dossier de travail&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cannot delete %1: it is not a conflict copy.</source>
        <translation>Impossible de supprimer %1&#xa0;: ce n&apos;est pas une copie de conflit.</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>Impossible de supprimer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Earlier versions of notes cannot be kept: %1</source>
        <translation>Les versions antérieures des notes ne peuvent pas être conservées&#xa0;: %1</translation>
    </message>
    <message>
        <source>history/ cannot be made: %1</source>
        <translation>Impossible de créer history/&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>Impossible de créer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 has no free name for another version of this second.</source>
        <translation>%1 n&apos;a plus de nom libre pour une autre version de cette seconde.</translation>
    </message>
</context>
</TS>
