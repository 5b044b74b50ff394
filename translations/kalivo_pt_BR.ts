<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Anote vencimentos de aplicações,<byte value="xd"/>
lembretes de pagamento de prêmios,<byte value="xd"/>
aniversários, datas comemorativas,<byte value="xd"/>
cronogramas de projetos,<byte value="xd"/>
seu trabalho diário etc. nesta<byte value="xd"/>
agenda, a mais simples e a melhor<byte value="xd"/>
do mundo.</translation>
    </message>
    <message>
        <source>Kalivo could not delete %1, so it greets you again at the next start.

%2</source>
        <translation>O Kalivo não conseguiu excluir %1, então vai recebê-lo de novo na próxima vez que for aberto.

%2</translation>
    </message>
    <message>
        <source>The page of %1 leaves out the notes that could not be saved: %2.</source>
        <translation>A página de %1 não inclui as notas que não puderam ser salvas: %2.</translation>
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
        <translation>Não foi possível abrir um navegador para mostrar a página de %1 (%2).

A página foi gravada em
%3
Abra-a em um navegador para imprimi-la. O Kalivo a exclui quando sua janela é fechada.</translation>
    </message>
    <message>
        <source>These notes could not be saved and are lost:
%1</source>
        <translation>Estas notas não puderam ser salvas e foram perdidas:
%1</translation>
    </message>
    <message>
        <source>The last notes saved may not have reached the disk.

%1</source>
        <translation>As últimas notas salvas podem não ter chegado ao disco.

%1</translation>
    </message>
    <message>
        <source>These month pages could not be deleted and stay behind:
%1</source>
        <translation>Estas páginas de mês não puderam ser excluídas e continuam no disco:
%1</translation>
    </message>
    <message>
        <source>Today&apos;s month: %1</source>
        <translation>Mês atual: %1</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Notes of this day</source>
        <translation>Notas deste dia</translation>
    </message>
    <message>
        <source>Bring up the Kalivo</source>
        <translation>Abrir o Kalivo</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>button: close the reminder and end the program</comment>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Scroll the notes of this day</source>
        <translation>Rolar as notas deste dia</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Something went wrong: %1</source>
        <translation>Algo deu errado: %1</translation>
    </message>
    <message>
        <source>Something went wrong.</source>
        <translation>Algo deu errado.</translation>
    </message>
</context>
<context>
    <name>UnsavedNotes</name>
    <message>
        <source>The note of %1 was changed outside Kalivo while you were editing it.

Your text is now the note; the other version is kept as %2.</source>
        <translation>A nota de %1 foi alterada fora do Kalivo enquanto você a editava.

Seu texto agora é a nota; a outra versão foi guardada como %2.</translation>
    </message>
    <message>
        <source>The note of %1 could not be saved.

%2

Its text stays on the screen, and Kalivo saves it as soon as it can.</source>
        <translation>A nota de %1 não pôde ser salva.

%2

O texto continua na tela, e o Kalivo vai salvá-lo assim que possível.</translation>
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
        <translation>Estas notas não puderam ser salvas:

%1

Fechar o Kalivo e perdê-las?</translation>
    </message>
    <message>
        <source>%1

Your notes are saved as before; only their earlier versions are not kept. Kalivo tells you this once.</source>
        <translation>%1

Suas notas são salvas como antes; apenas as versões anteriores delas não são guardadas. O Kalivo avisa isso uma única vez.</translation>
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
        <translation>Seg</translation>
    </message>
    <message>
        <source>Tue</source>
        <comment>column heading: Tuesday</comment>
        <translation>Ter</translation>
    </message>
    <message>
        <source>Wed</source>
        <comment>column heading: Wednesday</comment>
        <translation>Qua</translation>
    </message>
    <message>
        <source>Thurs</source>
        <comment>column heading: Thursday</comment>
        <translation>Qui</translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>column heading: Friday</comment>
        <translation>Sex</translation>
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
        <translation>Imprimir as notas deste mês</translation>
    </message>
    <message>
        <source>&lt; Prev Month</source>
        <comment>button, 81 pixels wide</comment>
        <translation>&lt; Mês ant.</translation>
    </message>
    <message>
        <source>Previous month</source>
        <comment>spoken name of &lt; Prev Month</comment>
        <translation>Mês anterior</translation>
    </message>
    <message>
        <source>One month back</source>
        <comment>tooltip of &lt; Prev Month</comment>
        <translation>Um mês para trás</translation>
    </message>
    <message>
        <source>Next Month &gt;</source>
        <comment>button, 81 pixels wide</comment>
        <translation>Próx. mês &gt;</translation>
    </message>
    <message>
        <source>Next month</source>
        <comment>spoken name of Next Month &gt;</comment>
        <translation>Próximo mês</translation>
    </message>
    <message>
        <source>One month forward</source>
        <comment>tooltip of Next Month &gt;</comment>
        <translation>Um mês para a frente</translation>
    </message>
    <message>
        <source>&lt; Yr</source>
        <comment>button, 33 pixels wide: one year back</comment>
        <translation>&lt; Ano</translation>
    </message>
    <message>
        <source>Previous year</source>
        <comment>spoken name of &lt; Yr</comment>
        <translation>Ano anterior</translation>
    </message>
    <message>
        <source>One year back</source>
        <comment>tooltip of &lt; Yr</comment>
        <translation>Um ano para trás</translation>
    </message>
    <message>
        <source>Yr &gt;</source>
        <comment>button, 33 pixels wide: one year forward</comment>
        <translation>Ano &gt;</translation>
    </message>
    <message>
        <source>Next year</source>
        <comment>spoken name of Yr &gt;</comment>
        <translation>Próximo ano</translation>
    </message>
    <message>
        <source>One year forward</source>
        <comment>tooltip of Yr &gt;</comment>
        <translation>Um ano para a frente</translation>
    </message>
    <message>
        <source>Larger note text</source>
        <comment>spoken name and tooltip of +</comment>
        <translation>Texto das notas maior</translation>
    </message>
    <message>
        <source>Smaller note text</source>
        <comment>spoken name and tooltip of -</comment>
        <translation>Texto das notas menor</translation>
    </message>
    <message>
        <source>About</source>
        <comment>button, 49 pixels wide: opens the About box</comment>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>About Kalivo</source>
        <comment>spoken name of About</comment>
        <translation>Sobre o Kalivo</translation>
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
        <translation>Um mês em uma página, uma nota para cada dia. As notas são salvas sozinhas, um pequeno arquivo por data.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
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
        <translation>Procurar nas notas</translation>
    </message>
    <message>
        <source>Text to find in every note</source>
        <translation>Texto a procurar em todas as notas</translation>
    </message>
    <message>
        <source>Notes found</source>
        <translation>Notas encontradas</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Procurando…</translation>
    </message>
    <message>
        <source>Not found in any note.</source>
        <translation>Não encontrado em nenhuma nota.</translation>
    </message>
    <message>
        <source>1 line found.</source>
        <translation>1 linha encontrada.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines found.</source>
        <translation>
            <numerusform>%n linha encontrada.</numerusform>
            <numerusform>%n linhas encontradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear the text to find</source>
        <translation>Limpar o texto a procurar</translation>
    </message>
    <message>
        <source>Scroll the notes found</source>
        <translation>Rolar as notas encontradas</translation>
    </message>
</context>
<context>
    <name>monthview::NoteBox</name>
    <message>
        <source>%1
Kalivo leaves this file alone.</source>
        <translation>%1
O Kalivo não mexe neste arquivo.</translation>
    </message>
    <message>
        <source>Earlier versions…</source>
        <translation>Versões anteriores…</translation>
    </message>
</context>
<context>
    <name>monthview::ScreenReaderNames</name>
    <message>
        <source>This note cannot be read: %1</source>
        <translation>Esta nota não pode ser lida: %1</translation>
    </message>
    <message>
        <source>has another version</source>
        <translation>tem outra versão</translation>
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
        <translation>Excluir cópia</translation>
    </message>
    <message>
        <source>Versions of %1</source>
        <translation>Versões de %1</translation>
    </message>
    <message>
        <source>Earlier versions</source>
        <translation>Versões anteriores</translation>
    </message>
    <message>
        <source>Text of the selected version</source>
        <translation>Texto da versão selecionada</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>kept by Kalivo</source>
        <translation>guardada pelo Kalivo</translation>
    </message>
    <message>
        <source>changed outside Kalivo</source>
        <translation>alterada fora do Kalivo</translation>
    </message>
    <message>
        <source>conflict copy of Syncthing</source>
        <translation>cópia de conflito do Syncthing</translation>
    </message>
    <message>
        <source>conflict copy of Nextcloud or ownCloud</source>
        <translation>cópia de conflito do Nextcloud ou ownCloud</translation>
    </message>
    <message>
        <source>conflict copy of Dropbox</source>
        <translation>cópia de conflito do Dropbox</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vazia)</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>There is no earlier version of %1.</source>
        <translation>Não há versão anterior de %1.</translation>
    </message>
    <message>
        <source>Delete the conflict copy %1? Its text is gone for good.</source>
        <translation>Excluir a cópia de conflito %1? O texto dela será perdido para sempre.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>xdg-open is not installed</source>
        <translation>o xdg-open não está instalado</translation>
    </message>
    <message>
        <source>xdg-open could not be started: %1</source>
        <translation>não foi possível iniciar o xdg-open: %1</translation>
    </message>
    <message>
        <source>xdg-open crashed</source>
        <translation>o xdg-open travou</translation>
    </message>
    <message>
        <source>xdg-open ended with status %1</source>
        <translation>o xdg-open terminou com o status %1</translation>
    </message>
</context>
<context>
    <name>programstart</name>
    <message>
        <source>Kalivo already runs in %1, but it does not answer.

Wait for it, or end it, then start Kalivo again.</source>
        <translation>O Kalivo já está aberto em %1, mas não responde.

Aguarde ou feche-o, e então abra o Kalivo de novo.</translation>
    </message>
</context>
<context>
    <name>reminder</name>
    <message>
        <source>Last year on this day:</source>
        <translation>No ano passado, neste dia:</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>The report of %1 was not made.</source>
        <translation>A página de %1 não foi criada.</translation>
    </message>
    <message>
        <source>Cannot write temp/: it is a link to another folder, and report pages go only into a temp/ folder of the working folder&apos;s own.</source>
        <translation>Não é possível gravar em temp/: é um link para outra pasta, e as páginas só vão para uma pasta temp/ da própria pasta de trabalho.</translation>
    </message>
    <message>
        <source>Cannot write temp/%1: %2</source>
        <translation>Não é possível gravar temp/%1: %2</translation>
    </message>
    <message>
        <source>Cannot delete temp/%1: %2</source>
        <translation>Não é possível excluir temp/%1: %2</translation>
    </message>
</context>
<context>
    <name>search</name>
    <message>
        <source>Cannot read data: %1</source>
        <translation>Não é possível ler data: %1</translation>
    </message>
    <message>
        <source>Not enough memory to search every note.</source>
        <translation>Memória insuficiente para procurar em todas as notas.</translation>
    </message>
</context>
<context>
    <name>store</name>
    <message>
        <source>Not a regular file</source>
        <translation>Não é um arquivo comum</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Não é possível ler %1: %2</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>Não é possível excluir %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
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
        <translation>grande demais para ser mostrada (%1; uma nota tem no máximo %2)</translation>
    </message>
    <message>
        <source>an earlier change may not have reached the disk (%1)</source>
        <translation>uma alteração anterior pode não ter chegado ao disco (%1)</translation>
    </message>
    <message>
        <source>it was changed outside Kalivo into a file too large to keep a copy of (%1)</source>
        <translation>foi alterada fora do Kalivo para um arquivo grande demais para guardar uma cópia (%1)</translation>
    </message>
    <message>
        <source>it was changed outside Kalivo, and there is no free name for a copy of that version (data/%1.txt and %2 more are taken)</source>
        <translation>foi alterada fora do Kalivo, e não há nome livre para uma cópia dessa versão (data/%1.txt e mais %2 estão ocupados)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>two copies of a note</comment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>too large for a note (%1; a note has at most %2)</source>
        <translation>grande demais para uma nota (%1; uma nota tem no máximo %2)</translation>
    </message>
    <message>
        <source>it is a link to %1, and its folder %2 refused the new text: %3</source>
        <translation>é um link para %1, e a pasta dele, %2, recusou o texto novo: %3</translation>
    </message>
    <message>
        <source>it is a link to %1, and its folder %2 could not be written to the disk: %3</source>
        <translation>é um link para %1, e a pasta dele, %2, não pôde ser gravada no disco: %3</translation>
    </message>
    <message>
        <source>it is a link to %1, which cannot be written: %2</source>
        <translation>é um link para %1, que não pode ser gravado: %2</translation>
    </message>
    <message>
        <source>it is a link to %1, whose folder does not exist</source>
        <translation>é um link para %1, cuja pasta não existe</translation>
    </message>
    <message>
        <source>the working folder</source>
        <translation>a pasta de trabalho</translation>
    </message>
    <message>
        <source>Cannot write %1 to the disk: %2</source>
        <translation>Não é possível gravar %1 no disco: %2</translation>
    </message>
</context>
<context>
    <name>store::Versions</name>
    <message>
        <source>It is a symbolic link, which Kalivo does not follow.</source>
        <translation>É um link simbólico, que o Kalivo não segue.</translation>
    </message>
    <message>
        <source>It is too large to show (%1; a note has at most %2).</source>
        <translation>É grande demais para ser mostrada (%1; uma nota tem no máximo %2).</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, which Kalivo does not follow.</source>
        <translation>%1 é um link simbólico, que o Kalivo não segue.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 não é uma pasta.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>Não é possível abrir %1: %2</translation>
    </message>
    <message>
        <source>The working folder cannot be opened: %1</source>
        <translation>Não é possível abrir a pasta de trabalho: %1</translation>
    </message>
    <message>
        <source>Cannot delete %1: it is not a conflict copy.</source>
        <translation>Não é possível excluir %1: não é uma cópia de conflito.</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>Não é possível excluir %1: %2</translation>
    </message>
    <message>
        <source>Earlier versions of notes cannot be kept: %1</source>
        <translation>Não é possível guardar as versões anteriores das notas: %1</translation>
    </message>
    <message>
        <source>history/ cannot be made: %1</source>
        <translation>Não é possível criar history/: %1</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>Não é possível criar %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>%1 has no free name for another version of this second.</source>
        <translation>%1 não tem nome livre para outra versão deste segundo.</translation>
    </message>
</context>
</TS>
