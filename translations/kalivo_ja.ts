<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
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
        <translation>定期預金の満期日、<byte value="xd"/>
保険料の支払い、<byte value="xd"/>
誕生日、記念日、<byte value="xd"/>
プロジェクトの日程、<byte value="xd"/>
毎日の仕事などを、この<byte value="xd"/>
世界一シンプルで素晴らしい<byte value="xd"/>
プランナーに書き込みましょう。</translation>
    </message>
    <message>
        <source>Kalivo could not delete %1, so it greets you again at the next start.

%2</source>
        <translation>Kalivo は %1 を削除できませんでした。次回の起動時にもこのあいさつが表示されます。

%2</translation>
    </message>
    <message>
        <source>The page of %1 leaves out the notes that could not be saved: %2.</source>
        <translation>%1 のページには、保存できなかったメモが含まれていません: %2。</translation>
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
        <translation>%1 のページを表示する Web ブラウザーを起動できませんでした (%2)。

ページの保存先:
%3
Web ブラウザーで開いて印刷してください。Kalivo はウィンドウを閉じるときにこのページを削除します。</translation>
    </message>
    <message>
        <source>These notes could not be saved and are lost:
%1</source>
        <translation>次のメモは保存できず、失われました:
%1</translation>
    </message>
    <message>
        <source>The last notes saved may not have reached the disk.

%1</source>
        <translation>最後に保存したメモがディスクに書き込まれていない可能性があります。

%1</translation>
    </message>
    <message>
        <source>These month pages could not be deleted and stay behind:
%1</source>
        <translation>次の月のページは削除できず、残っています:
%1</translation>
    </message>
    <message>
        <source>Today&apos;s month: %1</source>
        <translation>今月: %1</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Notes of this day</source>
        <translation>この日のメモ</translation>
    </message>
    <message>
        <source>Bring up the Kalivo</source>
        <translation>Kalivo を開く</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>button: close the reminder and end the program</comment>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Scroll the notes of this day</source>
        <translation>この日のメモをスクロール</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Something went wrong: %1</source>
        <translation>問題が発生しました: %1</translation>
    </message>
    <message>
        <source>Something went wrong.</source>
        <translation>問題が発生しました。</translation>
    </message>
</context>
<context>
    <name>UnsavedNotes</name>
    <message>
        <source>The note of %1 was changed outside Kalivo while you were editing it.

Your text is now the note; the other version is kept as %2.</source>
        <translation>%1 のメモは、編集中に Kalivo の外で変更されました。

あなたの文章がメモになりました。もう一方の版は %2 として残してあります。</translation>
    </message>
    <message>
        <source>The note of %1 could not be saved.

%2

Its text stays on the screen, and Kalivo saves it as soon as it can.</source>
        <translation>%1 のメモを保存できませんでした。

%2

文章は画面に残り、Kalivo は保存できるようになり次第保存します。</translation>
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
        <translation>次のメモを保存できませんでした:

%1

Kalivo を閉じて、これらのメモを破棄しますか?</translation>
    </message>
    <message>
        <source>%1

Your notes are saved as before; only their earlier versions are not kept. Kalivo tells you this once.</source>
        <translation>%1

メモはこれまでどおり保存されます。以前の版だけが残されません。この通知は一度だけ表示されます。</translation>
    </message>
</context>
<context>
    <name>calendar</name>
    <message>
        <source>Sun</source>
        <comment>column heading: Sunday</comment>
        <translation>日</translation>
    </message>
    <message>
        <source>Mon</source>
        <comment>column heading: Monday</comment>
        <translation>月</translation>
    </message>
    <message>
        <source>Tue</source>
        <comment>column heading: Tuesday</comment>
        <translation>火</translation>
    </message>
    <message>
        <source>Wed</source>
        <comment>column heading: Wednesday</comment>
        <translation>水</translation>
    </message>
    <message>
        <source>Thurs</source>
        <comment>column heading: Thursday</comment>
        <translation>木</translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>column heading: Friday</comment>
        <translation>金</translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>column heading: Saturday</comment>
        <translation>土</translation>
    </message>
</context>
<context>
    <name>design</name>
    <message>
        <source>Print</source>
        <comment>button, 33 pixels wide: print this month</comment>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Print this month&apos;s notes</source>
        <comment>tooltip of Print</comment>
        <translation>この月のメモを印刷</translation>
    </message>
    <message>
        <source>&lt; Prev Month</source>
        <comment>button, 81 pixels wide</comment>
        <translation>&lt;前月</translation>
    </message>
    <message>
        <source>Previous month</source>
        <comment>spoken name of &lt; Prev Month</comment>
        <translation>前の月</translation>
    </message>
    <message>
        <source>One month back</source>
        <comment>tooltip of &lt; Prev Month</comment>
        <translation>1 か月前へ</translation>
    </message>
    <message>
        <source>Next Month &gt;</source>
        <comment>button, 81 pixels wide</comment>
        <translation>翌月&gt;</translation>
    </message>
    <message>
        <source>Next month</source>
        <comment>spoken name of Next Month &gt;</comment>
        <translation>次の月</translation>
    </message>
    <message>
        <source>One month forward</source>
        <comment>tooltip of Next Month &gt;</comment>
        <translation>1 か月後へ</translation>
    </message>
    <message>
        <source>&lt; Yr</source>
        <comment>button, 33 pixels wide: one year back</comment>
        <translation>&lt;前年</translation>
    </message>
    <message>
        <source>Previous year</source>
        <comment>spoken name of &lt; Yr</comment>
        <translation>前の年</translation>
    </message>
    <message>
        <source>One year back</source>
        <comment>tooltip of &lt; Yr</comment>
        <translation>1 年前へ</translation>
    </message>
    <message>
        <source>Yr &gt;</source>
        <comment>button, 33 pixels wide: one year forward</comment>
        <translation>翌年&gt;</translation>
    </message>
    <message>
        <source>Next year</source>
        <comment>spoken name of Yr &gt;</comment>
        <translation>次の年</translation>
    </message>
    <message>
        <source>One year forward</source>
        <comment>tooltip of Yr &gt;</comment>
        <translation>1 年後へ</translation>
    </message>
    <message>
        <source>Larger note text</source>
        <comment>spoken name and tooltip of +</comment>
        <translation>メモの文字を大きく</translation>
    </message>
    <message>
        <source>Smaller note text</source>
        <comment>spoken name and tooltip of -</comment>
        <translation>メモの文字を小さく</translation>
    </message>
    <message>
        <source>About</source>
        <comment>button, 49 pixels wide: opens the About box</comment>
        <translation>情報</translation>
    </message>
    <message>
        <source>About Kalivo</source>
        <comment>spoken name of About</comment>
        <translation>Kalivo について</translation>
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
        <translation>1 か月を 1 ページに、毎日にメモを 1 つ。メモは書くそばから保存され、日付ごとに小さなテキスト ファイルになります。</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 について</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
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
        <translation>メモを検索</translation>
    </message>
    <message>
        <source>Text to find in every note</source>
        <translation>すべてのメモから探す文字列</translation>
    </message>
    <message>
        <source>Notes found</source>
        <translation>見つかったメモ</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>検索中…</translation>
    </message>
    <message>
        <source>Not found in any note.</source>
        <translation>どのメモにも見つかりません。</translation>
    </message>
    <message>
        <source>1 line found.</source>
        <translation>1 行見つかりました。</translation>
    </message>
    <message numerus="yes">
        <source>%n lines found.</source>
        <translation>
            <numerusform>%n 行見つかりました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear the text to find</source>
        <translation>検索する文字列を消去</translation>
    </message>
    <message>
        <source>Scroll the notes found</source>
        <translation>見つかったメモをスクロール</translation>
    </message>
</context>
<context>
    <name>monthview::NoteBox</name>
    <message>
        <source>%1
Kalivo leaves this file alone.</source>
        <translation>%1
Kalivo はこのファイルを変更しません。</translation>
    </message>
    <message>
        <source>Earlier versions…</source>
        <translation>以前の版…</translation>
    </message>
</context>
<context>
    <name>monthview::ScreenReaderNames</name>
    <message>
        <source>This note cannot be read: %1</source>
        <translation>このメモは読み込めません: %1</translation>
    </message>
    <message>
        <source>has another version</source>
        <translation>別の版があります</translation>
    </message>
</context>
<context>
    <name>monthview::VersionsWindow</name>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Delete copy</source>
        <translation>コピーを削除</translation>
    </message>
    <message>
        <source>Versions of %1</source>
        <translation>%1 の版</translation>
    </message>
    <message>
        <source>Earlier versions</source>
        <translation>以前の版</translation>
    </message>
    <message>
        <source>Text of the selected version</source>
        <translation>選択した版の文章</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>kept by Kalivo</source>
        <translation>Kalivo が保存</translation>
    </message>
    <message>
        <source>changed outside Kalivo</source>
        <translation>Kalivo の外で変更</translation>
    </message>
    <message>
        <source>conflict copy of Syncthing</source>
        <translation>Syncthing の競合コピー</translation>
    </message>
    <message>
        <source>conflict copy of Nextcloud or ownCloud</source>
        <translation>Nextcloud または ownCloud の競合コピー</translation>
    </message>
    <message>
        <source>conflict copy of Dropbox</source>
        <translation>Dropbox の競合コピー</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(空)</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1、%2: %3</translation>
    </message>
    <message>
        <source>There is no earlier version of %1.</source>
        <translation>%1 の以前の版はありません。</translation>
    </message>
    <message>
        <source>Delete the conflict copy %1? Its text is gone for good.</source>
        <translation>競合コピー %1 を削除しますか? その文章は完全に失われます。</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>xdg-open is not installed</source>
        <translation>xdg-open がインストールされていません</translation>
    </message>
    <message>
        <source>xdg-open could not be started: %1</source>
        <translation>xdg-open を起動できませんでした: %1</translation>
    </message>
    <message>
        <source>xdg-open crashed</source>
        <translation>xdg-open がクラッシュしました</translation>
    </message>
    <message>
        <source>xdg-open ended with status %1</source>
        <translation>xdg-open が状態 %1 で終了しました</translation>
    </message>
</context>
<context>
    <name>programstart</name>
    <message>
        <source>Kalivo already runs in %1, but it does not answer.

Wait for it, or end it, then start Kalivo again.</source>
        <translation>Kalivo はすでに %1 で実行中ですが、応答しません。

しばらく待つか終了してから、もう一度 Kalivo を起動してください。</translation>
    </message>
</context>
<context>
    <name>reminder</name>
    <message>
        <source>Last year on this day:</source>
        <translation>去年の今日:</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>The report of %1 was not made.</source>
        <translation>%1 のページは作成されませんでした。</translation>
    </message>
    <message>
        <source>Cannot write temp/: it is a link to another folder, and report pages go only into a temp/ folder of the working folder&apos;s own.</source>
        <translation>temp/ に書き込めません: 別のフォルダーへのリンクです。ページは作業フォルダー自身の temp/ フォルダーにだけ書き込みます。</translation>
    </message>
    <message>
        <source>Cannot write temp/%1: %2</source>
        <translation>temp/%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>Cannot delete temp/%1: %2</source>
        <translation>temp/%1 を削除できません: %2</translation>
    </message>
</context>
<context>
    <name>search</name>
    <message>
        <source>Cannot read data: %1</source>
        <translation>data を読み込めません: %1</translation>
    </message>
    <message>
        <source>Not enough memory to search every note.</source>
        <translation>すべてのメモを検索するにはメモリが足りません。</translation>
    </message>
</context>
<context>
    <name>store</name>
    <message>
        <source>Not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>%1 を削除できません: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 バイト</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n バイト</numerusform>
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
        <translation>大きすぎて表示できません (%1。メモは最大 %2 です)</translation>
    </message>
    <message>
        <source>an earlier change may not have reached the disk (%1)</source>
        <translation>以前の変更がディスクに書き込まれていない可能性があります (%1)</translation>
    </message>
    <message>
        <source>it was changed outside Kalivo into a file too large to keep a copy of (%1)</source>
        <translation>Kalivo の外で変更され、コピーを残すには大きすぎるファイルになりました (%1)</translation>
    </message>
    <message>
        <source>it was changed outside Kalivo, and there is no free name for a copy of that version (data/%1.txt and %2 more are taken)</source>
        <translation>Kalivo の外で変更されましたが、その版のコピーに使える名前がありません (data/%1.txt とほか %2 個が使用中です)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>two copies of a note</comment>
        <translation>%1 と %2</translation>
    </message>
    <message>
        <source>too large for a note (%1; a note has at most %2)</source>
        <translation>メモには大きすぎます (%1。メモは最大 %2 です)</translation>
    </message>
    <message>
        <source>it is a link to %1, and its folder %2 refused the new text: %3</source>
        <translation>%1 へのリンクで、そのフォルダー %2 が新しい文章を受け付けませんでした: %3</translation>
    </message>
    <message>
        <source>it is a link to %1, and its folder %2 could not be written to the disk: %3</source>
        <translation>%1 へのリンクで、そのフォルダー %2 をディスクに書き込めませんでした: %3</translation>
    </message>
    <message>
        <source>it is a link to %1, which cannot be written: %2</source>
        <translation>書き込めない %1 へのリンクです: %2</translation>
    </message>
    <message>
        <source>it is a link to %1, whose folder does not exist</source>
        <translation>存在しないフォルダーにある %1 へのリンクです</translation>
    </message>
    <message>
        <source>the working folder</source>
        <translation>作業フォルダー</translation>
    </message>
    <message>
        <source>Cannot write %1 to the disk: %2</source>
        <translation>%1 をディスクに書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>store::Versions</name>
    <message>
        <source>It is a symbolic link, which Kalivo does not follow.</source>
        <translation>これはシンボリックリンクで、Kalivo はたどりません。</translation>
    </message>
    <message>
        <source>It is too large to show (%1; a note has at most %2).</source>
        <translation>大きすぎて表示できません (%1。メモは最大 %2 です)。</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, which Kalivo does not follow.</source>
        <translation>%1 はシンボリックリンクで、Kalivo はたどりません。</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 はフォルダーではありません。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 を開けません: %2</translation>
    </message>
    <message>
        <source>The working folder cannot be opened: %1</source>
        <translation>作業フォルダーを開けません: %1</translation>
    </message>
    <message>
        <source>Cannot delete %1: it is not a conflict copy.</source>
        <translation>%1 を削除できません: 競合コピーではありません。</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>%1 を削除できません: %2</translation>
    </message>
    <message>
        <source>Earlier versions of notes cannot be kept: %1</source>
        <translation>メモの以前の版を保存できません: %1</translation>
    </message>
    <message>
        <source>history/ cannot be made: %1</source>
        <translation>history/ を作成できません: %1</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>%1 を作成できません: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>%1 has no free name for another version of this second.</source>
        <translation>%1 には、この秒の別の版に使える名前がありません。</translation>
    </message>
</context>
</TS>
