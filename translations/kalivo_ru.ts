<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
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
        <translation>Записывайте сроки погашения вкладов,<byte value="xd"/>
напоминания об уплате взносов,<byte value="xd"/>
дни рождения, годовщины,<byte value="xd"/>
сроки проектов,<byte value="xd"/>
свою ежедневную работу и т. д. в этот<byte value="xd"/>
самый простой и самый лучший планировщик<byte value="xd"/>
в мире.</translation>
    </message>
    <message>
        <source>Kalivo could not delete %1, so it greets you again at the next start.

%2</source>
        <translation>Kalivo не удалось удалить %1, поэтому при следующем запуске приветствие появится снова.

%2</translation>
    </message>
    <message>
        <source>The page of %1 leaves out the notes that could not be saved: %2.</source>
        <translation>На странице за %1 нет заметок, которые не удалось сохранить: %2.</translation>
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
        <translation>Не удалось запустить браузер, чтобы показать страницу за %1 (%2).

Страница записана в
%3
Откройте её в браузере, чтобы распечатать. Kalivo удалит её, когда его окно закроется.</translation>
    </message>
    <message>
        <source>These notes could not be saved and are lost:
%1</source>
        <translation>Эти заметки не удалось сохранить, они потеряны:
%1</translation>
    </message>
    <message>
        <source>The last notes saved may not have reached the disk.

%1</source>
        <translation>Последние сохранённые заметки, возможно, не попали на диск.

%1</translation>
    </message>
    <message>
        <source>These month pages could not be deleted and stay behind:
%1</source>
        <translation>Эти страницы месяцев не удалось удалить, они остаются на диске:
%1</translation>
    </message>
    <message>
        <source>Today&apos;s month: %1</source>
        <translation>Текущий месяц: %1</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Notes of this day</source>
        <translation>Заметки этого дня</translation>
    </message>
    <message>
        <source>Bring up the Kalivo</source>
        <translation>Открыть Kalivo</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>button: close the reminder and end the program</comment>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Scroll the notes of this day</source>
        <translation>Прокрутить заметки этого дня</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Something went wrong: %1</source>
        <translation>Что-то пошло не так: %1</translation>
    </message>
    <message>
        <source>Something went wrong.</source>
        <translation>Что-то пошло не так.</translation>
    </message>
</context>
<context>
    <name>UnsavedNotes</name>
    <message>
        <source>The note of %1 was changed outside Kalivo while you were editing it.

Your text is now the note; the other version is kept as %2.</source>
        <translation>Заметка за %1 была изменена вне Kalivo, пока вы её редактировали.

Теперь заметка — это ваш текст; другая версия сохранена как %2.</translation>
    </message>
    <message>
        <source>The note of %1 could not be saved.

%2

Its text stays on the screen, and Kalivo saves it as soon as it can.</source>
        <translation>Не удалось сохранить заметку за %1.

%2

Её текст остаётся на экране, и Kalivo сохранит его, как только сможет.</translation>
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
        <translation>Эти заметки не удалось сохранить:

%1

Закрыть Kalivo и потерять их?</translation>
    </message>
    <message>
        <source>%1

Your notes are saved as before; only their earlier versions are not kept. Kalivo tells you this once.</source>
        <translation>%1

Заметки сохраняются как прежде; не сохраняются только их прежние версии. Kalivo сообщает об этом один раз.</translation>
    </message>
</context>
<context>
    <name>calendar</name>
    <message>
        <source>Sun</source>
        <comment>column heading: Sunday</comment>
        <translation>Вс</translation>
    </message>
    <message>
        <source>Mon</source>
        <comment>column heading: Monday</comment>
        <translation>Пн</translation>
    </message>
    <message>
        <source>Tue</source>
        <comment>column heading: Tuesday</comment>
        <translation>Вт</translation>
    </message>
    <message>
        <source>Wed</source>
        <comment>column heading: Wednesday</comment>
        <translation>Ср</translation>
    </message>
    <message>
        <source>Thurs</source>
        <comment>column heading: Thursday</comment>
        <translation>Чт</translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>column heading: Friday</comment>
        <translation>Пт</translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>column heading: Saturday</comment>
        <translation>Сб</translation>
    </message>
</context>
<context>
    <name>design</name>
    <message>
        <source>Print</source>
        <comment>button, 33 pixels wide: print this month</comment>
        <translation>Печ.</translation>
    </message>
    <message>
        <source>Print this month&apos;s notes</source>
        <comment>tooltip of Print</comment>
        <translation>Напечатать заметки этого месяца</translation>
    </message>
    <message>
        <source>&lt; Prev Month</source>
        <comment>button, 81 pixels wide</comment>
        <translation>&lt; Пред. месяц</translation>
    </message>
    <message>
        <source>Previous month</source>
        <comment>spoken name of &lt; Prev Month</comment>
        <translation>Предыдущий месяц</translation>
    </message>
    <message>
        <source>One month back</source>
        <comment>tooltip of &lt; Prev Month</comment>
        <translation>На месяц назад</translation>
    </message>
    <message>
        <source>Next Month &gt;</source>
        <comment>button, 81 pixels wide</comment>
        <translation>След. месяц &gt;</translation>
    </message>
    <message>
        <source>Next month</source>
        <comment>spoken name of Next Month &gt;</comment>
        <translation>Следующий месяц</translation>
    </message>
    <message>
        <source>One month forward</source>
        <comment>tooltip of Next Month &gt;</comment>
        <translation>На месяц вперёд</translation>
    </message>
    <message>
        <source>&lt; Yr</source>
        <comment>button, 33 pixels wide: one year back</comment>
        <translation>&lt; Год</translation>
    </message>
    <message>
        <source>Previous year</source>
        <comment>spoken name of &lt; Yr</comment>
        <translation>Предыдущий год</translation>
    </message>
    <message>
        <source>One year back</source>
        <comment>tooltip of &lt; Yr</comment>
        <translation>На год назад</translation>
    </message>
    <message>
        <source>Yr &gt;</source>
        <comment>button, 33 pixels wide: one year forward</comment>
        <translation>Год &gt;</translation>
    </message>
    <message>
        <source>Next year</source>
        <comment>spoken name of Yr &gt;</comment>
        <translation>Следующий год</translation>
    </message>
    <message>
        <source>One year forward</source>
        <comment>tooltip of Yr &gt;</comment>
        <translation>На год вперёд</translation>
    </message>
    <message>
        <source>Larger note text</source>
        <comment>spoken name and tooltip of +</comment>
        <translation>Крупнее текст заметок</translation>
    </message>
    <message>
        <source>Smaller note text</source>
        <comment>spoken name and tooltip of -</comment>
        <translation>Мельче текст заметок</translation>
    </message>
    <message>
        <source>About</source>
        <comment>button, 49 pixels wide: opens the About box</comment>
        <translation>О прогр.</translation>
    </message>
    <message>
        <source>About Kalivo</source>
        <comment>spoken name of About</comment>
        <translation>О программе Kalivo</translation>
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
        <translation>Месяц на одной странице, заметка на каждый день. Заметки сохраняются сами, по небольшому файлу на дату.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
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
        <translation>Поиск в заметках</translation>
    </message>
    <message>
        <source>Text to find in every note</source>
        <translation>Текст для поиска во всех заметках</translation>
    </message>
    <message>
        <source>Notes found</source>
        <translation>Найденные заметки</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Поиск…</translation>
    </message>
    <message>
        <source>Not found in any note.</source>
        <translation>Ни в одной заметке не найдено.</translation>
    </message>
    <message>
        <source>1 line found.</source>
        <translation>Найдена 1 строка.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines found.</source>
        <translation>
            <numerusform>Найдена %n строка.</numerusform>
            <numerusform>Найдено %n строки.</numerusform>
            <numerusform>Найдено %n строк.</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear the text to find</source>
        <translation>Очистить текст для поиска</translation>
    </message>
    <message>
        <source>Scroll the notes found</source>
        <translation>Прокрутить найденные заметки</translation>
    </message>
</context>
<context>
    <name>monthview::NoteBox</name>
    <message>
        <source>%1
Kalivo leaves this file alone.</source>
        <translation>%1
Kalivo не трогает этот файл.</translation>
    </message>
    <message>
        <source>Earlier versions…</source>
        <translation>Прежние версии…</translation>
    </message>
</context>
<context>
    <name>monthview::ScreenReaderNames</name>
    <message>
        <source>This note cannot be read: %1</source>
        <translation>Эту заметку нельзя прочитать: %1</translation>
    </message>
    <message>
        <source>has another version</source>
        <translation>есть другая версия</translation>
    </message>
</context>
<context>
    <name>monthview::VersionsWindow</name>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Delete copy</source>
        <translation>Удалить копию</translation>
    </message>
    <message>
        <source>Versions of %1</source>
        <translation>Версии за %1</translation>
    </message>
    <message>
        <source>Earlier versions</source>
        <translation>Прежние версии</translation>
    </message>
    <message>
        <source>Text of the selected version</source>
        <translation>Текст выбранной версии</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>kept by Kalivo</source>
        <translation>сохранена Kalivo</translation>
    </message>
    <message>
        <source>changed outside Kalivo</source>
        <translation>изменена вне Kalivo</translation>
    </message>
    <message>
        <source>conflict copy of Syncthing</source>
        <translation>конфликтная копия Syncthing</translation>
    </message>
    <message>
        <source>conflict copy of Nextcloud or ownCloud</source>
        <translation>конфликтная копия Nextcloud или ownCloud</translation>
    </message>
    <message>
        <source>conflict copy of Dropbox</source>
        <translation>конфликтная копия Dropbox</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(пусто)</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>There is no earlier version of %1.</source>
        <translation>Прежних версий за %1 нет.</translation>
    </message>
    <message>
        <source>Delete the conflict copy %1? Its text is gone for good.</source>
        <translation>Удалить конфликтную копию %1? Её текст будет утрачен навсегда.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>xdg-open is not installed</source>
        <translation>xdg-open не установлен</translation>
    </message>
    <message>
        <source>xdg-open could not be started: %1</source>
        <translation>не удалось запустить xdg-open: %1</translation>
    </message>
    <message>
        <source>xdg-open crashed</source>
        <translation>xdg-open завершился аварийно</translation>
    </message>
    <message>
        <source>xdg-open ended with status %1</source>
        <translation>xdg-open завершился с кодом %1</translation>
    </message>
</context>
<context>
    <name>programstart</name>
    <message>
        <source>Kalivo already runs in %1, but it does not answer.

Wait for it, or end it, then start Kalivo again.</source>
        <translation>Kalivo уже запущен в %1, но не отвечает.

Подождите или завершите его, а затем снова запустите Kalivo.</translation>
    </message>
</context>
<context>
    <name>reminder</name>
    <message>
        <source>Last year on this day:</source>
        <translation>В прошлом году в этот день:</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>The report of %1 was not made.</source>
        <translation>Страница за %1 не создана.</translation>
    </message>
    <message>
        <source>Cannot write temp/: it is a link to another folder, and report pages go only into a temp/ folder of the working folder&apos;s own.</source>
        <translation>Не удаётся записать в temp/: это ссылка на другую папку, а страницы записываются только в собственную папку temp/ рабочей папки.</translation>
    </message>
    <message>
        <source>Cannot write temp/%1: %2</source>
        <translation>Не удаётся записать temp/%1: %2</translation>
    </message>
    <message>
        <source>Cannot delete temp/%1: %2</source>
        <translation>Не удаётся удалить temp/%1: %2</translation>
    </message>
</context>
<context>
    <name>search</name>
    <message>
        <source>Cannot read data: %1</source>
        <translation>Не удаётся прочитать data: %1</translation>
    </message>
    <message>
        <source>Not enough memory to search every note.</source>
        <translation>Недостаточно памяти для поиска во всех заметках.</translation>
    </message>
</context>
<context>
    <name>store</name>
    <message>
        <source>Not a regular file</source>
        <translation>Это не обычный файл</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>Не удаётся удалить %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 байт</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n байт</numerusform>
            <numerusform>%n байта</numerusform>
            <numerusform>%n байт</numerusform>
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
        <translation>слишком велика для показа (%1; заметка может занимать не больше %2)</translation>
    </message>
    <message>
        <source>an earlier change may not have reached the disk (%1)</source>
        <translation>предыдущее изменение, возможно, не попало на диск (%1)</translation>
    </message>
    <message>
        <source>it was changed outside Kalivo into a file too large to keep a copy of (%1)</source>
        <translation>она была изменена вне Kalivo и стала слишком большой, чтобы сохранить её копию (%1)</translation>
    </message>
    <message>
        <source>it was changed outside Kalivo, and there is no free name for a copy of that version (data/%1.txt and %2 more are taken)</source>
        <translation>она была изменена вне Kalivo, и для копии этой версии нет свободного имени (data/%1.txt и ещё %2 заняты)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>two copies of a note</comment>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>too large for a note (%1; a note has at most %2)</source>
        <translation>слишком велика для заметки (%1; заметка может занимать не больше %2)</translation>
    </message>
    <message>
        <source>it is a link to %1, and its folder %2 refused the new text: %3</source>
        <translation>это ссылка на %1, и её папка %2 не приняла новый текст: %3</translation>
    </message>
    <message>
        <source>it is a link to %1, and its folder %2 could not be written to the disk: %3</source>
        <translation>это ссылка на %1, и её папку %2 не удалось записать на диск: %3</translation>
    </message>
    <message>
        <source>it is a link to %1, which cannot be written: %2</source>
        <translation>это ссылка на %1, в который нельзя записать: %2</translation>
    </message>
    <message>
        <source>it is a link to %1, whose folder does not exist</source>
        <translation>это ссылка на %1, папка которого не существует</translation>
    </message>
    <message>
        <source>the working folder</source>
        <translation>рабочую папку</translation>
    </message>
    <message>
        <source>Cannot write %1 to the disk: %2</source>
        <translation>Не удаётся записать %1 на диск: %2</translation>
    </message>
</context>
<context>
    <name>store::Versions</name>
    <message>
        <source>It is a symbolic link, which Kalivo does not follow.</source>
        <translation>Это символическая ссылка, по которой Kalivo не переходит.</translation>
    </message>
    <message>
        <source>It is too large to show (%1; a note has at most %2).</source>
        <translation>Она слишком велика для показа (%1; заметка может занимать не более %2).</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, which Kalivo does not follow.</source>
        <translation>%1 — символическая ссылка, по которой Kalivo не переходит.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 — не папка.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>Не удаётся открыть %1: %2</translation>
    </message>
    <message>
        <source>The working folder cannot be opened: %1</source>
        <translation>Не удаётся открыть рабочую папку: %1</translation>
    </message>
    <message>
        <source>Cannot delete %1: it is not a conflict copy.</source>
        <translation>Не удаётся удалить %1: это не конфликтная копия.</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>Не удаётся удалить %1: %2</translation>
    </message>
    <message>
        <source>Earlier versions of notes cannot be kept: %1</source>
        <translation>Не удаётся сохранять прежние версии заметок: %1</translation>
    </message>
    <message>
        <source>history/ cannot be made: %1</source>
        <translation>Не удаётся создать history/: %1</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>Не удаётся создать %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>%1 has no free name for another version of this second.</source>
        <translation>В %1 нет свободного имени для ещё одной версии этой секунды.</translation>
    </message>
</context>
</TS>
