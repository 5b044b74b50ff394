<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation>把存款到期日、<byte value="xd"/>
保费缴纳提醒、<byte value="xd"/>
生日、纪念日、<byte value="xd"/>
项目时间表、<byte value="xd"/>
您的日常工作等，<byte value="xd"/>
都记在这个世界上最简单、<byte value="xd"/>
最出色的计划本里。</translation>
    </message>
    <message>
        <source>Kalivo could not delete %1, so it greets you again at the next start.

%2</source>
        <translation>Kalivo 无法删除 %1，因此下次启动时还会显示欢迎信息。

%2</translation>
    </message>
    <message>
        <source>The page of %1 leaves out the notes that could not be saved: %2.</source>
        <translation>%1 的页面不包含未能保存的笔记：%2。</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the dates of a list</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>No web viewer could be started to show the page of %1 (%2).

The page was written to
%3
Open it in a web browser to print it. Kalivo deletes it when its window closes.</source>
        <translation>无法启动网页浏览器来显示 %1 的页面（%2）。

页面已写入
%3
请在网页浏览器中打开并打印。Kalivo 会在其窗口关闭时删除它。</translation>
    </message>
    <message>
        <source>These notes could not be saved and are lost:
%1</source>
        <translation>以下笔记未能保存，已经丢失：
%1</translation>
    </message>
    <message>
        <source>The last notes saved may not have reached the disk.

%1</source>
        <translation>最后保存的笔记可能尚未写入磁盘。

%1</translation>
    </message>
    <message>
        <source>These month pages could not be deleted and stay behind:
%1</source>
        <translation>以下月份页面未能删除，仍然保留：
%1</translation>
    </message>
    <message>
        <source>Today&apos;s month: %1</source>
        <translation>本月：%1</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Notes of this day</source>
        <translation>这一天的笔记</translation>
    </message>
    <message>
        <source>Bring up the Kalivo</source>
        <translation>打开 Kalivo</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>button: close the reminder and end the program</comment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Scroll the notes of this day</source>
        <translation>滚动这一天的笔记</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Something went wrong: %1</source>
        <translation>出现问题：%1</translation>
    </message>
    <message>
        <source>Something went wrong.</source>
        <translation>出现问题。</translation>
    </message>
</context>
<context>
    <name>UnsavedNotes</name>
    <message>
        <source>The note of %1 was changed outside Kalivo while you were editing it.

Your text is now the note; the other version is kept as %2.</source>
        <translation>您编辑 %1 的笔记时，它在 Kalivo 之外被修改了。

现在笔记是您的文字；另一个版本保存为 %2。</translation>
    </message>
    <message>
        <source>The note of %1 could not be saved.

%2

Its text stays on the screen, and Kalivo saves it as soon as it can.</source>
        <translation>%1 的笔记未能保存。

%2

文字仍留在屏幕上，Kalivo 会尽快保存。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a date and why its note could not be saved</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>These notes could not be saved:

%1

Close Kalivo and lose them?</source>
        <translation>以下笔记未能保存：

%1

关闭 Kalivo 并放弃这些笔记吗？</translation>
    </message>
    <message>
        <source>%1

Your notes are saved as before; only their earlier versions are not kept. Kalivo tells you this once.</source>
        <translation>%1

笔记仍照常保存，只是不再保留其早期版本。Kalivo 只提示这一次。</translation>
    </message>
</context>
<context>
    <name>calendar</name>
    <message>
        <source>Sun</source>
        <comment>column heading: Sunday</comment>
        <translation>周日</translation>
    </message>
    <message>
        <source>Mon</source>
        <comment>column heading: Monday</comment>
        <translation>周一</translation>
    </message>
    <message>
        <source>Tue</source>
        <comment>column heading: Tuesday</comment>
        <translation>周二</translation>
    </message>
    <message>
        <source>Wed</source>
        <comment>column heading: Wednesday</comment>
        <translation>周三</translation>
    </message>
    <message>
        <source>Thurs</source>
        <comment>column heading: Thursday</comment>
        <translation>周四</translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>column heading: Friday</comment>
        <translation>周五</translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>column heading: Saturday</comment>
        <translation>周六</translation>
    </message>
</context>
<context>
    <name>design</name>
    <message>
        <source>Print</source>
        <comment>button, 33 pixels wide: print this month</comment>
        <translation>打印</translation>
    </message>
    <message>
        <source>Print this month&apos;s notes</source>
        <comment>tooltip of Print</comment>
        <translation>打印本月的笔记</translation>
    </message>
    <message>
        <source>&lt; Prev Month</source>
        <comment>button, 81 pixels wide</comment>
        <translation>&lt; 上个月</translation>
    </message>
    <message>
        <source>Previous month</source>
        <comment>spoken name of &lt; Prev Month</comment>
        <translation>上个月</translation>
    </message>
    <message>
        <source>One month back</source>
        <comment>tooltip of &lt; Prev Month</comment>
        <translation>后退一个月</translation>
    </message>
    <message>
        <source>Next Month &gt;</source>
        <comment>button, 81 pixels wide</comment>
        <translation>下个月 &gt;</translation>
    </message>
    <message>
        <source>Next month</source>
        <comment>spoken name of Next Month &gt;</comment>
        <translation>下个月</translation>
    </message>
    <message>
        <source>One month forward</source>
        <comment>tooltip of Next Month &gt;</comment>
        <translation>前进一个月</translation>
    </message>
    <message>
        <source>&lt; Yr</source>
        <comment>button, 33 pixels wide: one year back</comment>
        <translation>&lt;上年</translation>
    </message>
    <message>
        <source>Previous year</source>
        <comment>spoken name of &lt; Yr</comment>
        <translation>上一年</translation>
    </message>
    <message>
        <source>One year back</source>
        <comment>tooltip of &lt; Yr</comment>
        <translation>后退一年</translation>
    </message>
    <message>
        <source>Yr &gt;</source>
        <comment>button, 33 pixels wide: one year forward</comment>
        <translation>下年&gt;</translation>
    </message>
    <message>
        <source>Next year</source>
        <comment>spoken name of Yr &gt;</comment>
        <translation>下一年</translation>
    </message>
    <message>
        <source>One year forward</source>
        <comment>tooltip of Yr &gt;</comment>
        <translation>前进一年</translation>
    </message>
    <message>
        <source>Larger note text</source>
        <comment>spoken name and tooltip of +</comment>
        <translation>放大笔记文字</translation>
    </message>
    <message>
        <source>Smaller note text</source>
        <comment>spoken name and tooltip of -</comment>
        <translation>缩小笔记文字</translation>
    </message>
    <message>
        <source>About</source>
        <comment>button, 49 pixels wide: opens the About box</comment>
        <translation>关于</translation>
    </message>
    <message>
        <source>About Kalivo</source>
        <comment>spoken name of About</comment>
        <translation>关于 Kalivo</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>A month on one page, with a note for every day. Notes are saved as you go, one small text file per date.</source>
        <translation>一页一个月，每天一条笔记。笔记随写随存，每个日期一个小文本文件。</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
</context>
<context>
    <name>language</name>
    <message>
        <source>d MMMM yyyy</source>
        <comment>QDate format of a date in a message, 14 March 2006</comment>
        <translation>yyyy年M月d日</translation>
    </message>
    <message>
        <source>dddd d MMMM yyyy</source>
        <comment>QDate format of a date as screen readers say it, Tuesday 14 March 2006</comment>
        <translation>yyyy年M月d日dddd</translation>
    </message>
</context>
<context>
    <name>monthview::FindWindow</name>
    <message>
        <source>Find in notes</source>
        <translation>在笔记中查找</translation>
    </message>
    <message>
        <source>Text to find in every note</source>
        <translation>要在所有笔记中查找的文字</translation>
    </message>
    <message>
        <source>Notes found</source>
        <translation>找到的笔记</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>正在查找…</translation>
    </message>
    <message>
        <source>Not found in any note.</source>
        <translation>没有在任何笔记中找到。</translation>
    </message>
    <message>
        <source>1 line found.</source>
        <translation>找到 1 行。</translation>
    </message>
    <message numerus="yes">
        <source>%n lines found.</source>
        <translation>
            <numerusform>找到 %n 行。</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear the text to find</source>
        <translation>清除要查找的文字</translation>
    </message>
    <message>
        <source>Scroll the notes found</source>
        <translation>滚动找到的笔记</translation>
    </message>
</context>
<context>
    <name>monthview::NoteBox</name>
    <message>
        <source>%1
Kalivo leaves this file alone.</source>
        <translation>%1
Kalivo 不会改动此文件。</translation>
    </message>
    <message>
        <source>Earlier versions…</source>
        <translation>早期版本…</translation>
    </message>
</context>
<context>
    <name>monthview::ScreenReaderNames</name>
    <message>
        <source>This note cannot be read: %1</source>
        <translation>无法读取此笔记：%1</translation>
    </message>
    <message>
        <source>has another version</source>
        <translation>有另一个版本</translation>
    </message>
</context>
<context>
    <name>monthview::VersionsWindow</name>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Delete copy</source>
        <translation>删除副本</translation>
    </message>
    <message>
        <source>Versions of %1</source>
        <translation>%1 的版本</translation>
    </message>
    <message>
        <source>Earlier versions</source>
        <translation>早期版本</translation>
    </message>
    <message>
        <source>Text of the selected version</source>
        <translation>所选版本的文字</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>kept by Kalivo</source>
        <translation>由 Kalivo 保留</translation>
    </message>
    <message>
        <source>changed outside Kalivo</source>
        <translation>在 Kalivo 之外修改</translation>
    </message>
    <message>
        <source>conflict copy of Syncthing</source>
        <translation>Syncthing 的冲突副本</translation>
    </message>
    <message>
        <source>conflict copy of Nextcloud or ownCloud</source>
        <translation>Nextcloud 或 ownCloud 的冲突副本</translation>
    </message>
    <message>
        <source>conflict copy of Dropbox</source>
        <translation>Dropbox 的冲突副本</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>（空）</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1，%2：%3</translation>
    </message>
    <message>
        <source>There is no earlier version of %1.</source>
        <translation>%1 没有早期版本。</translation>
    </message>
    <message>
        <source>Delete the conflict copy %1? Its text is gone for good.</source>
        <translation>删除冲突副本 %1？其文字将永久丢失。</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>xdg-open is not installed</source>
        <translation>未安装 xdg-open</translation>
    </message>
    <message>
        <source>xdg-open could not be started: %1</source>
        <translation>无法启动 xdg-open：%1</translation>
    </message>
    <message>
        <source>xdg-open crashed</source>
        <translation>xdg-open 崩溃了</translation>
    </message>
    <message>
        <source>xdg-open ended with status %1</source>
        <translation>xdg-open 退出，状态为 %1</translation>
    </message>
</context>
<context>
    <name>programstart</name>
    <message>
        <source>Kalivo already runs in %1, but it does not answer.

Wait for it, or end it, then start Kalivo again.</source>
        <translation>Kalivo 已在 %1 中运行，但没有响应。

请等待或结束它，然后再次启动 Kalivo。</translation>
    </message>
</context>
<context>
    <name>reminder</name>
    <message>
        <source>Last year on this day:</source>
        <translation>去年的今天：</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>The report of %1 was not made.</source>
        <translation>未创建 %1 的页面。</translation>
    </message>
    <message>
        <source>Cannot write temp/: it is a link to another folder, and report pages go only into a temp/ folder of the working folder&apos;s own.</source>
        <translation>无法写入 temp/：它是指向另一个文件夹的链接，页面只会写入工作文件夹自己的 temp/ 文件夹。</translation>
    </message>
    <message>
        <source>Cannot write temp/%1: %2</source>
        <translation>无法写入 temp/%1：%2</translation>
    </message>
    <message>
        <source>Cannot delete temp/%1: %2</source>
        <translation>无法删除 temp/%1：%2</translation>
    </message>
</context>
<context>
    <name>search</name>
    <message>
        <source>Cannot read data: %1</source>
        <translation>无法读取 data：%1</translation>
    </message>
    <message>
        <source>Not enough memory to search every note.</source>
        <translation>内存不足，无法查找所有笔记。</translation>
    </message>
</context>
<context>
    <name>store</name>
    <message>
        <source>Not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>无法删除 %1：%2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 字节</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n 字节</numerusform>
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
        <translation>%1.%2 %3</translation>
    </message>
    <message>
        <source>too large to show (%1; a note has at most %2)</source>
        <translation>太大，无法显示（%1；笔记最多 %2）</translation>
    </message>
    <message>
        <source>an earlier change may not have reached the disk (%1)</source>
        <translation>之前的更改可能尚未写入磁盘（%1）</translation>
    </message>
    <message>
        <source>it was changed outside Kalivo into a file too large to keep a copy of (%1)</source>
        <translation>它在 Kalivo 之外被改成了一个太大的文件，无法保留副本（%1）</translation>
    </message>
    <message>
        <source>it was changed outside Kalivo, and there is no free name for a copy of that version (data/%1.txt and %2 more are taken)</source>
        <translation>它在 Kalivo 之外被修改了，但没有空闲的名称来保存那个版本的副本（data/%1.txt 和另外 %2 个名称已被占用）</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>two copies of a note</comment>
        <translation>%1 和 %2</translation>
    </message>
    <message>
        <source>too large for a note (%1; a note has at most %2)</source>
        <translation>对笔记来说太大（%1；笔记最多 %2）</translation>
    </message>
    <message>
        <source>it is a link to %1, and its folder %2 refused the new text: %3</source>
        <translation>它是指向 %1 的链接，其文件夹 %2 拒绝了新文字：%3</translation>
    </message>
    <message>
        <source>it is a link to %1, and its folder %2 could not be written to the disk: %3</source>
        <translation>它是指向 %1 的链接，其文件夹 %2 无法写入磁盘：%3</translation>
    </message>
    <message>
        <source>it is a link to %1, which cannot be written: %2</source>
        <translation>它是指向 %1 的链接，该文件无法写入：%2</translation>
    </message>
    <message>
        <source>it is a link to %1, whose folder does not exist</source>
        <translation>它是指向 %1 的链接，该文件所在的文件夹不存在</translation>
    </message>
    <message>
        <source>the working folder</source>
        <translation>工作文件夹</translation>
    </message>
    <message>
        <source>Cannot write %1 to the disk: %2</source>
        <translation>无法将 %1 写入磁盘：%2</translation>
    </message>
</context>
<context>
    <name>store::Versions</name>
    <message>
        <source>It is a symbolic link, which Kalivo does not follow.</source>
        <translation>这是一个符号链接，Kalivo 不会跟随它。</translation>
    </message>
    <message>
        <source>It is too large to show (%1; a note has at most %2).</source>
        <translation>太大，无法显示（%1；笔记最多 %2）。</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, which Kalivo does not follow.</source>
        <translation>%1 是一个符号链接，Kalivo 不会跟随它。</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 不是文件夹。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>The working folder cannot be opened: %1</source>
        <translation>无法打开工作文件夹：%1</translation>
    </message>
    <message>
        <source>Cannot delete %1: it is not a conflict copy.</source>
        <translation>无法删除 %1：它不是冲突副本。</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>无法删除 %1：%2</translation>
    </message>
    <message>
        <source>Earlier versions of notes cannot be kept: %1</source>
        <translation>无法保留笔记的早期版本：%1</translation>
    </message>
    <message>
        <source>history/ cannot be made: %1</source>
        <translation>无法创建 history/：%1</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>无法创建 %1：%2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>%1 has no free name for another version of this second.</source>
        <translation>%1 中没有可用于这一秒另一个版本的名称。</translation>
    </message>
</context>
</TS>
