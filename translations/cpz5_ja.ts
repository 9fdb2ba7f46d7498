<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About CP-Z5</source>
        <translation>CP-Z5 について</translation>
    </message>
</context>
<context>
    <name>CChListPrint</name>
    <message>
        <source>(!): outside the bands of the radio&apos;s version</source>
        <translation>(!): 無線機のバージョンのバンド外</translation>
    </message>
    <message>
        <source>No channel in use.</source>
        <translation>使用中のチャンネルはありません。</translation>
    </message>
</context>
<context>
    <name>CChannelColumns</name>
    <message>
        <source>The %1 column does not edit.</source>
        <translation>%1 列は編集できません。</translation>
    </message>
    <message>
        <source>Only memory channels have %1.</source>
        <translation>%1 があるのはメモリーチャンネルだけです。</translation>
    </message>
    <message>
        <source>The radio has no scrambler unit.</source>
        <translation>無線機にスクランブラーユニットがありません。</translation>
    </message>
    <message>
        <source>“%1” is not one of the %2 choices.</source>
        <translation>“%1” は %2 の選択肢にありません。</translation>
    </message>
</context>
<context>
    <name>CChannelCsv</name>
    <message>
        <source>Location %1 is also on line %2</source>
        <translation>Location %1 は %2 行目にもあります</translation>
    </message>
    <message>
        <source>%1: larger than %2 bytes, not a channel list</source>
        <translation>%1: %2 バイトを超えています。チャンネルリストではありません</translation>
    </message>
    <message>
        <source>the data has no memory channels</source>
        <translation>データにメモリーチャンネルがありません</translation>
    </message>
    <message>
        <source>the file is empty: no header row</source>
        <translation>ファイルが空です: ヘッダー行がありません</translation>
    </message>
    <message>
        <source>the header row: %1</source>
        <translation>ヘッダー行: %1</translation>
    </message>
    <message>
        <source>the header row has no %1 column</source>
        <translation>ヘッダー行に %1 列がありません</translation>
    </message>
</context>
<context>
    <name>CChannelGrid</name>
    <message>
        <source>%1: off</source>
        <translation>%1: オフ</translation>
    </message>
    <message>
        <source>outside the radio&apos;s receive range</source>
        <translation>無線機の受信範囲外</translation>
    </message>
    <message>
        <source>TX Power: %1</source>
        <translation>送信出力: %1</translation>
    </message>
    <message>
        <source>inverse polarity</source>
        <translation>反転極性</translation>
    </message>
    <message>
        <source>normal polarity</source>
        <translation>通常極性</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>リバース</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Inhibit</source>
        <translation>禁止</translation>
    </message>
    <message>
        <source>not in use</source>
        <translation>未使用</translation>
    </message>
</context>
<context>
    <name>CChannelRowOrder</name>
    <message>
        <source>Move %1</source>
        <translation>%1 を移動</translation>
    </message>
    <message>
        <source>Move %1 channels</source>
        <translation>%1 チャンネルを移動</translation>
    </message>
    <message>
        <source>The memory channels are in that order already.</source>
        <translation>メモリーチャンネルはすでにその順序です。</translation>
    </message>
</context>
<context>
    <name>CChannelTableModel</name>
    <message>
        <source>scan edge %1</source>
        <translation>スキャンエッジ %1</translation>
    </message>
    <message>
        <source>call channel</source>
        <translation>コールチャンネル</translation>
    </message>
    <message>
        <source>CH %1</source>
        <translation>CH %1</translation>
    </message>
    <message>
        <source>There is no such channel.</source>
        <translation>そのチャンネルはありません。</translation>
    </message>
    <message>
        <source>%1 MHz lies outside the radio&apos;s band, %2 to %3 MHz.</source>
        <translation>%1 MHz は無線機のバンド(%2 ～ %3 MHz)の範囲外です。</translation>
    </message>
    <message>
        <source>%1 MHz lies outside the band of a radio of no known version.</source>
        <translation>%1 MHz は、バージョン不明の無線機のバンドの範囲外です。</translation>
    </message>
</context>
<context>
    <name>CCliOptions</name>
    <message>
        <source>--version VALUE is now --market VALUE; --version alone shows the program&apos;s version</source>
        <translation>--version VALUE は --market VALUE になりました。--version だけを指定するとプログラムのバージョンを表示します</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <source>option %1 given twice</source>
        <translation>オプション %1 が2回指定されています</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>オプション %1 は値を取りません</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>オプション %1 には値が必要です</translation>
    </message>
</context>
<context>
    <name>CCliSession</name>
    <message>
        <source>unknown version %1 (%2)</source>
        <translation>不明なバージョン %1 (%2)</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>使い方: %1</translation>
    </message>
</context>
<context>
    <name>CCloneProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>CCloneRsEngine</name>
    <message>
        <source>its first line is no model line</source>
        <translation>最初の行が機種行ではありません</translation>
    </message>
    <message>
        <source>it holds a line that is no data line: %1</source>
        <translation>データ行でない行があります: %1</translation>
    </message>
</context>
<context>
    <name>CCloneRsIoManager</name>
    <message>
        <source>unknown error</source>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>理由: %1</translation>
    </message>
</context>
<context>
    <name>CCloneSoftMainFrm</name>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>ツールバー</translation>
    </message>
    <message>
        <source>More Buttons</source>
        <translation>その他のボタン</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>未接続</translation>
    </message>
    <message>
        <source>%1  (%2)</source>
        <translation>%1  (%2)</translation>
    </message>
    <message>
        <source>Common Setting</source>
        <translation>共通設定</translation>
    </message>
    <message>
        <source>DTMF Autodial</source>
        <translation>DTMFオートダイヤル</translation>
    </message>
    <message>
        <source>PGR Memory</source>
        <translation>PGRメモリー</translation>
    </message>
</context>
<context>
    <name>CCloneStatusBar</name>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
</context>
<context>
    <name>CCloneSupportDoc</name>
    <message>
        <source>scan edge %1</source>
        <translation>スキャンエッジ %1</translation>
    </message>
    <message>
        <source>call channel</source>
        <translation>コールチャンネル</translation>
    </message>
    <message>
        <source>CH %1</source>
        <translation>CH %1</translation>
    </message>
    <message>
        <source>Edit settings</source>
        <translation>設定の編集</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 を編集</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A step of the history: what was done (&quot;Delete&quot;) and the first channel it changed (&quot;CH 12&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 holds only %2 of the %3 data lines of a full clone file</source>
        <translation>%1 には完全なクローンファイルの %3 データ行のうち %2 行しかありません</translation>
    </message>
    <message>
        <source>%1; the rest is factory data.</source>
        <translation>%1。残りは工場出荷時のデータです。</translation>
    </message>
    <message>
        <source>the temporary file %1 could not be written</source>
        <translation>一時ファイル %1 を書き込めませんでした</translation>
    </message>
    <message>
        <source>no temporary file could be made in %1</source>
        <translation>%1 に一時ファイルを作成できませんでした</translation>
    </message>
    <message>
        <source>Read from radio</source>
        <translation>無線機から読み込み</translation>
    </message>
</context>
<context>
    <name>CCommPort</name>
    <message>
        <source>%1.
The device belongs to the group &quot;%2&quot;. Join it with
  sudo usermod -aG %2 $USER
then log out and in again</source>
        <translation>%1。
デバイスはグループ &quot;%2&quot; に属しています。次のコマンドで参加し、
  sudo usermod -aG %2 $USER
ログアウトしてから再度ログインしてください</translation>
    </message>
    <message>
        <source> not Open </source>
        <translation> 開けません </translation>
    </message>
    <message>
        <source> invarid setting </source>
        <translation> 設定が無効です </translation>
    </message>
    <message>
        <source> write error </source>
        <translation> 書き込みエラー </translation>
    </message>
    <message>
        <source> read error </source>
        <translation> 読み込みエラー </translation>
    </message>
    <message>
        <source> COM Port Error    </source>
        <translation> COMポートエラー    </translation>
    </message>
</context>
<context>
    <name>CCommPortSetupDlg</name>
    <message>
        <source>Instructions</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>更新(&amp;R)</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>セットアップ</translation>
    </message>
    <message>
        <source>&amp;Cable on this port:</source>
        <translation>ケーブルのポート(&amp;C):</translation>
    </message>
    <message>
        <source>No serial device found</source>
        <translation>シリアルデバイスが見つかりません</translation>
    </message>
    <message>
        <source>Another device: choose it here</source>
        <translation>別のデバイス: ここで選択</translation>
    </message>
</context>
<context>
    <name>CCommandTable</name>
    <message>
        <source>&amp;New</source>
        <translation>新規作成(&amp;N)</translation>
    </message>
    <message>
        <source>Start new data: the factory settings of the radio&apos;s version</source>
        <translation>新しいデータを作成します: 無線機のバージョンの工場出荷時設定</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Open a clone file</source>
        <translation>クローンファイルを開きます</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>上書き保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save the data to its clone file</source>
        <translation>データをクローンファイルに保存します</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>Save the data to a new clone file</source>
        <translation>データを新しいクローンファイルに保存します</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>CSVインポート(&amp;I)...</translation>
    </message>
    <message>
        <source>Read memory channels from a CSV channel list</source>
        <translation>CSVチャンネルリストからメモリーチャンネルを読み込みます</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSVエクスポート(&amp;E)...</translation>
    </message>
    <message>
        <source>Write the memory channels as a CSV channel list</source>
        <translation>メモリーチャンネルをCSVチャンネルリストとして書き出します</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>印刷(&amp;P)</translation>
    </message>
    <message>
        <source>Print the data</source>
        <translation>データを印刷します</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>印刷プレビュー(&amp;V)...</translation>
    </message>
    <message>
        <source>Show the pages that Print would print</source>
        <translation>印刷されるページを表示します</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>PDFエクスポート(&amp;D)...</translation>
    </message>
    <message>
        <source>Write the pages that Print would print to a PDF file</source>
        <translation>印刷されるページをPDFファイルに書き出します</translation>
    </message>
    <message>
        <source>Compare &amp;With...</source>
        <translation>比較(&amp;W)...</translation>
    </message>
    <message>
        <source>List the values that differ between the data and another clone file</source>
        <translation>データと別のクローンファイルとで異なる値を一覧表示します</translation>
    </message>
    <message>
        <source>Radio &amp;History...</source>
        <translation>無線機の履歴(&amp;H)...</translation>
    </message>
    <message>
        <source>Open or compare a read kept from the radio</source>
        <translation>無線機から保存した読み込みを開くか比較します</translation>
    </message>
    <message>
        <source>&amp;Recent File</source>
        <translation>最近使ったファイル(&amp;R)</translation>
    </message>
    <message>
        <source>Open this clone file</source>
        <translation>このクローンファイルを開きます</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the program</source>
        <translation>プログラムを終了します</translation>
    </message>
    <message>
        <source>&amp;Edit Memory...</source>
        <translation>メモリー編集(&amp;E)...</translation>
    </message>
    <message>
        <source>Edit the selected channel</source>
        <translation>選択したチャンネルを編集します</translation>
    </message>
    <message>
        <source>&amp;Set Field...</source>
        <translation>項目の一括設定(&amp;S)...</translation>
    </message>
    <message>
        <source>Give one field the same value on every selected channel in use</source>
        <translation>選択した使用中のすべてのチャンネルで、1つの項目を同じ値にします</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>Copy the selected channels, then clear them</source>
        <translation>選択したチャンネルをコピーしてから消去します</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Copy the selected channels</source>
        <translation>選択したチャンネルをコピーします</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Paste copied channels from the selected one on</source>
        <translation>コピーしたチャンネルを選択したチャンネルから貼り付けます</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>消去(&amp;L)</translation>
    </message>
    <message>
        <source>Clear the selected channels</source>
        <translation>選択したチャンネルを消去します</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Delete the selected channels and move the ones below up</source>
        <translation>選択したチャンネルを削除し、下のチャンネルを上へ詰めます</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>挿入(&amp;I)</translation>
    </message>
    <message>
        <source>Insert as many empty channels as are selected and move the ones below down</source>
        <translation>選択した数だけ空きチャンネルを挿入し、下のチャンネルを下へずらします</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>すべて選択(&amp;A)</translation>
    </message>
    <message>
        <source>Select every channel of the list</source>
        <translation>リストのすべてのチャンネルを選択します</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Take the last change back</source>
        <translation>最後の変更を取り消します</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>取り消した変更をやり直します</translation>
    </message>
    <message>
        <source>M&amp;ove Up</source>
        <translation>上へ移動(&amp;O)</translation>
    </message>
    <message>
        <source>Move the selected channels up by one</source>
        <translation>選択したチャンネルを1つ上へ移動します</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>下へ移動(&amp;W)</translation>
    </message>
    <message>
        <source>Move the selected channels down by one</source>
        <translation>選択したチャンネルを1つ下へ移動します</translation>
    </message>
    <message>
        <source>Sort by Fre&amp;quency</source>
        <translation>周波数順に並べ替え(&amp;Q)</translation>
    </message>
    <message>
        <source>Sort the memory channels by frequency, cleared channels last</source>
        <translation>メモリーチャンネルを周波数順に並べ替えます(空きチャンネルは最後)</translation>
    </message>
    <message>
        <source>Sort by &amp;Name</source>
        <translation>名前順に並べ替え(&amp;N)</translation>
    </message>
    <message>
        <source>Sort the memory channels by name, cleared channels last</source>
        <translation>メモリーチャンネルを名前順に並べ替えます(空きチャンネルは最後)</translation>
    </message>
    <message>
        <source>Sort b&amp;y Tone</source>
        <translation>トーン順に並べ替え(&amp;Y)</translation>
    </message>
    <message>
        <source>Sort the memory channels by tone mode and tone, cleared channels last</source>
        <translation>メモリーチャンネルをトーンモードとトーン順に並べ替えます(空きチャンネルは最後)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <source>Find a channel by name or frequency</source>
        <translation>名前または周波数でチャンネルを検索します</translation>
    </message>
    <message>
        <source>Find Ne&amp;xt</source>
        <translation>次を検索(&amp;X)</translation>
    </message>
    <message>
        <source>Find the next channel that matches</source>
        <translation>一致する次のチャンネルを検索します</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>前を検索(&amp;V)</translation>
    </message>
    <message>
        <source>Find the previous channel that matches</source>
        <translation>一致する前のチャンネルを検索します</translation>
    </message>
    <message>
        <source>&amp;PGR Memory...</source>
        <translation>PGRメモリー(&amp;P)...</translation>
    </message>
    <message>
        <source>Edit the pager codes</source>
        <translation>ページャーコードを編集します</translation>
    </message>
    <message>
        <source>&amp;DTMF Autodial...</source>
        <translation>DTMFオートダイヤル(&amp;D)...</translation>
    </message>
    <message>
        <source>Edit the DTMF autodial memories</source>
        <translation>DTMFオートダイヤルメモリーを編集します</translation>
    </message>
    <message>
        <source>&amp;Common Setting...</source>
        <translation>共通設定(&amp;C)...</translation>
    </message>
    <message>
        <source>Edit the radio&apos;s common settings</source>
        <translation>無線機の共通設定を編集します</translation>
    </message>
    <message>
        <source>Channels in &amp;Use Only</source>
        <translation>使用中のチャンネルのみ(&amp;U)</translation>
    </message>
    <message>
        <source>Show only the memory channels in use, or every memory channel</source>
        <translation>使用中のメモリーチャンネルのみ、またはすべてのメモリーチャンネルを表示します</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>ツールバー(&amp;T)</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>ツールバーの表示/非表示を切り替えます</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>ステータスバー(&amp;S)</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>ステータスバーの表示/非表示を切り替えます</translation>
    </message>
    <message>
        <source>Use the data of the GEN version (the data is reset)</source>
        <translation>GENバージョンのデータを使用します(データはリセットされます)</translation>
    </message>
    <message>
        <source>Use the data of the SEA version (the data is reset)</source>
        <translation>SEAバージョンのデータを使用します(データはリセットされます)</translation>
    </message>
    <message>
        <source>Use the data of the USA version (the data is reset)</source>
        <translation>USAバージョンのデータを使用します(データはリセットされます)</translation>
    </message>
    <message>
        <source>Use the data of the EUR version (the data is reset)</source>
        <translation>EURバージョンのデータを使用します(データはリセットされます)</translation>
    </message>
    <message>
        <source>&amp;No version</source>
        <translation>バージョンなし(&amp;N)</translation>
    </message>
    <message>
        <source>Use the data of no particular version (the data is reset)</source>
        <translation>特定のバージョンでないデータを使用します(データはリセットされます)</translation>
    </message>
    <message>
        <source>Clone through serial port COM1</source>
        <translation>シリアルポートCOM1でクローンします</translation>
    </message>
    <message>
        <source>Clone through serial port COM2</source>
        <translation>シリアルポートCOM2でクローンします</translation>
    </message>
    <message>
        <source>Clone through serial port COM3</source>
        <translation>シリアルポートCOM3でクローンします</translation>
    </message>
    <message>
        <source>Clone through serial port COM4</source>
        <translation>シリアルポートCOM4でクローンします</translation>
    </message>
    <message>
        <source>&amp;Read &lt;- TR</source>
        <translation>読み込み &lt;- 無線機(&amp;R)</translation>
    </message>
    <message>
        <source>Read the radio&apos;s memory</source>
        <translation>無線機のメモリーを読み込みます</translation>
    </message>
    <message>
        <source>&amp;Write -&gt; TR</source>
        <translation>書き込み -&gt; 無線機(&amp;W)</translation>
    </message>
    <message>
        <source>Write the data into the radio</source>
        <translation>データを無線機に書き込みます</translation>
    </message>
    <message>
        <source>&amp;Information...</source>
        <translation>情報(&amp;I)...</translation>
    </message>
    <message>
        <source>Show the connected radio&apos;s version and options</source>
        <translation>接続した無線機のバージョンとオプションを表示します</translation>
    </message>
    <message>
        <source>Back &amp;up before writing</source>
        <translation>書き込み前にバックアップ(&amp;U)</translation>
    </message>
    <message>
        <source>Read the radio and keep the read in the radio history before every write</source>
        <translation>書き込みのたびに、その前に無線機を読み込んで無線機の履歴に保存します</translation>
    </message>
    <message>
        <source>&amp;Verify after writing</source>
        <translation>書き込み後に照合(&amp;V)</translation>
    </message>
    <message>
        <source>Read the radio back after every write and name what it holds differently</source>
        <translation>書き込みのたびに無線機を読み戻し、異なる内容を示します</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>Show the user manual</source>
        <translation>ユーザーマニュアルを表示します</translation>
    </message>
    <message>
        <source>&amp;About CP-Z5...</source>
        <translation>CP-Z5 について(&amp;A)...</translation>
    </message>
    <message>
        <source>Show the program&apos;s version</source>
        <translation>プログラムのバージョンを表示します</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>次のペイン</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>前のペイン</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>C&amp;OM Port</source>
        <translation>COMポート(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Clone</source>
        <translation>クローン(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>機種(&amp;M)</translation>
    </message>
</context>
<context>
    <name>CCompareDlg</name>
    <message>
        <source>(none)</source>
        <translation>(なし)</translation>
    </message>
    <message>
        <source>The data and %1 hold the same values.</source>
        <translation>データと %1 の値はすべて同じです。</translation>
    </message>
    <message>
        <source>1 value differs.</source>
        <translation>1 個の値が異なります。</translation>
    </message>
    <message>
        <source>%1 values differ.</source>
        <translation>%1 個の値が異なります。</translation>
    </message>
    <message>
        <source>Double-click a value to go to it.</source>
        <translation>値をダブルクリックするとその場所へ移動します。</translation>
    </message>
    <message>
        <source>Compare With %1</source>
        <translation>%1 と比較</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>相違点</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
    <message>
        <source>This data</source>
        <translation>このデータ</translation>
    </message>
    <message>
        <source>&amp;Take Selected</source>
        <translation>選択を取り込む(&amp;T)</translation>
    </message>
    <message>
        <source>Take &amp;All</source>
        <translation>すべて取り込む(&amp;A)</translation>
    </message>
    <message>
        <source>Select values or whole channels to take them over from %1. Double-click a value to go to it.</source>
        <translation>%1 から取り込む値またはチャンネル全体を選択してください。値をダブルクリックするとその場所へ移動します。</translation>
    </message>
    <message>
        <source>1 value taken over. %1</source>
        <translation>1 個の値を取り込みました。%1</translation>
    </message>
    <message>
        <source>%1 values taken over. %2</source>
        <translation>%1 個の値を取り込みました。%2</translation>
    </message>
</context>
<context>
    <name>CCsvCommands</name>
    <message>
        <source>%1 could not be read.

%2</source>
        <translation>%1 を読み込めませんでした。

%2</translation>
    </message>
    <message>
        <source>These rows of %1 cannot go into the radio:

%2
Import the other rows and skip these?</source>
        <translation>%1 の次の行は無線機に入れられません:

%2
他の行をインポートし、これらの行はスキップしますか?</translation>
    </message>
    <message>
        <source>%1 channels imported.</source>
        <translation>%1 チャンネルをインポートしました。</translation>
    </message>
    <message>
        <source>Some values of %1 were stored otherwise than written:

%2</source>
        <translation>%1 の一部の値は、書かれたとおりではなく保存されました:

%2</translation>
    </message>
    <message>
        <source>Memory channels exported to %1.</source>
        <translation>メモリーチャンネルを %1 にエクスポートしました。</translation>
    </message>
</context>
<context>
    <name>CCsvReader</name>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>フィールドの閉じ引用符の後にテキストがあります</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>引用符で囲まれたフィールドが閉じていません</translation>
    </message>
</context>
<context>
    <name>CDocWriteSafeguard</name>
    <message>
        <source>... and %1 more</source>
        <translation>... ほか %1 件</translation>
    </message>
    <message>
        <source>%1: sent %2, radio holds %3</source>
        <translation>%1: 送信 %2、無線機の値 %3</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(なし)</translation>
    </message>
    <message>
        <source>the radio could not be read</source>
        <translation>無線機を読み込めませんでした</translation>
    </message>
</context>
<context>
    <name>CDocument</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>%1 への変更を保存しますか?</translation>
    </message>
    <message>
        <source>The file could not be saved.

%1</source>
        <translation>ファイルを保存できませんでした。

%1</translation>
    </message>
    <message>
        <source>%1

Save under another name?</source>
        <translation>%1

別の名前で保存しますか?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
</context>
<context>
    <name>CDtmfPrint</name>
    <message>
        <source>Channel Selection</source>
        <translation>チャンネル選択</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
</context>
<context>
    <name>CFileTakeOver</name>
    <message>
        <source>all</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>%1 values</source>
        <translation>%1 個の値</translation>
    </message>
    <message>
        <source>Take over %1 from %2</source>
        <translation>%2 から %1 を取り込み</translation>
    </message>
</context>
<context>
    <name>CFindChannelBar</name>
    <message>
        <source>Name or frequency (MHz)</source>
        <translation>名前または周波数 (MHz)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>消去</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>検索:</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>前へ(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>次へ(&amp;N)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>No channel matches “%1”.</source>
        <translation>“%1” に一致するチャンネルはありません。</translation>
    </message>
    <message>
        <source>Continued from the top.</source>
        <translation>先頭から続けて検索しました。</translation>
    </message>
    <message>
        <source>Continued from the bottom.</source>
        <translation>末尾から続けて検索しました。</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>CP-Z5 Help</source>
        <translation>CP-Z5 ヘルプ</translation>
    </message>
</context>
<context>
    <name>CHistoryCommands</name>
    <message>
        <source>Compare With</source>
        <translation>比較</translation>
    </message>
    <message>
        <source>the read of %1</source>
        <translation>%1 の読み込み</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>読み込めません (%1)</translation>
    </message>
    <message>
        <source>%1 memory channels in use</source>
        <translation>%1 メモリーチャンネル使用中</translation>
    </message>
</context>
<context>
    <name>CHistoryDlg</name>
    <message>
        <source>Read at</source>
        <translation>読み込み日時</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>無線機</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Radio History</source>
        <translation>無線機の履歴</translation>
    </message>
    <message>
        <source>Reads kept</source>
        <translation>保存された読み込み</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Compare With Data</source>
        <translation>データと比較(&amp;C)</translation>
    </message>
    <message>
        <source>No reads are kept in %1 yet.</source>
        <translation>%1 にはまだ読み込みが保存されていません。</translation>
    </message>
    <message>
        <source>%1 reads kept in %2, newest first (local time).</source>
        <translation>%2 に %1 件の読み込みが保存されています(新しい順、現地時刻)。</translation>
    </message>
</context>
<context>
    <name>CInformationDlg</name>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>機種</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
</context>
<context>
    <name>CInstanceLock</name>
    <message>
        <source>no lock file</source>
        <translation>ロックファイルなし</translation>
    </message>
    <message>
        <source>%1 is not a regular file of this user</source>
        <translation>%1 はこのユーザーの通常ファイルではありません</translation>
    </message>
</context>
<context>
    <name>CModelManager</name>
    <message>
        <source>Change model 

All data will be lost.

      OK? 
</source>
        <translation>機種の変更

すべてのデータが失われます。

      よろしいですか? 
</translation>
    </message>
</context>
<context>
    <name>CPdfExport</name>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDFエクスポート</translation>
    </message>
    <message>
        <source>PDF files (%1)</source>
        <translation>PDFファイル (%1)</translation>
    </message>
    <message>
        <source>%1 is the open clone file; the PDF is not written over it.</source>
        <translation>%1 は開いているクローンファイルです。PDFで上書きしません。</translation>
    </message>
    <message>
        <source>Pages exported to %1.</source>
        <translation>ページを %1 にエクスポートしました。</translation>
    </message>
</context>
<context>
    <name>CPrintDevice</name>
    <message>
        <source>The printer %1 is no longer installed.
Choose another one with Printer Setup... in the Print window.</source>
        <translation>プリンター %1 はもうインストールされていません。
印刷ウィンドウの「プリンターの設定...」で別のプリンターを選んでください。</translation>
    </message>
    <message>
        <source>The PDF file is not written: %1.</source>
        <translation>PDFファイルは書き込まれません: %1。</translation>
    </message>
    <message>
        <source>The PDF file cannot be written into the folder %1.
%2</source>
        <translation>PDFファイルをフォルダー %1 に書き込めません。
%2</translation>
    </message>
    <message>
        <source>No temporary file can be made in %1.</source>
        <translation>%1 に一時ファイルを作成できません。</translation>
    </message>
    <message>
        <source>The pages could not be made.</source>
        <translation>ページを作成できませんでした。</translation>
    </message>
    <message>
        <source>The pages could not be read back from %1.</source>
        <translation>%1 からページを読み戻せませんでした。</translation>
    </message>
    <message>
        <source>The job could not be sent to the printer %1:
%2</source>
        <translation>ジョブをプリンター %1 に送れませんでした:
%2</translation>
    </message>
</context>
<context>
    <name>CPrintPreviewDlg</name>
    <message>
        <source>Print Preview</source>
        <translation>印刷プレビュー</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>印刷(&amp;P)</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>前のページ</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>次のページ</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>幅に合わせる</translation>
    </message>
    <message>
        <source>Whole Page</source>
        <translation>ページ全体</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%1 / %2 ページ</translation>
    </message>
    <message>
        <source>No printer is installed: the pages on %1 paper, as Export PDF... writes them.</source>
        <translation>プリンターがインストールされていません: PDFエクスポート... と同じく %1 用紙のページです。</translation>
    </message>
    <message>
        <source>Printer: %1 (%2)</source>
        <translation>プリンター: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>CPrintSections</name>
    <message>
        <source>Common Setting</source>
        <translation>共通設定</translation>
    </message>
    <message>
        <source>ANI Setting</source>
        <translation>ANI設定</translation>
    </message>
    <message>
        <source>Scrambler Setting</source>
        <translation>スクランブラー設定</translation>
    </message>
    <message>
        <source>DTMF Autodial</source>
        <translation>DTMFオートダイヤル</translation>
    </message>
    <message>
        <source>PGR Memory</source>
        <translation>PGRメモリー</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>%1 / %2 ページ</translation>
    </message>
    <message>
        <source>There is no printer.
Before you can print, you need to install a printer.</source>
        <translation>プリンターがありません。
印刷するには、プリンターをインストールする必要があります。</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
</context>
<context>
    <name>CPrintSelectDlg</name>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Common Setting</source>
        <translation>共通設定</translation>
    </message>
    <message>
        <source>DTMF Autodial</source>
        <translation>DTMFオートダイヤル</translation>
    </message>
    <message>
        <source>PGR Memory</source>
        <translation>PGRメモリー</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Only channels in use</source>
        <translation>使用中のチャンネルのみ</translation>
    </message>
    <message>
        <source>Leave cleared channels out of the channel lists</source>
        <translation>チャンネルリストに空きチャンネルを含めません</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>プリンターの設定...</translation>
    </message>
</context>
<context>
    <name>CPrintStatusDlg</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Now printing...</source>
        <translation>印刷中...</translation>
    </message>
</context>
<context>
    <name>CQtSettingsStore</name>
    <message>
        <source>%1 is larger than 1 MiB</source>
        <translation>%1 は 1 MiB を超えています</translation>
    </message>
    <message>
        <source>the settings file %1: it is neither read nor written, and this run uses the default settings</source>
        <translation>設定ファイル %1: 読み込みも書き込みもせず、今回は既定の設定を使用します</translation>
    </message>
</context>
<context>
    <name>CQtUserInterface</name>
    <message>
        <source>&amp;Save</source>
        <translation>上書き保存(&amp;S)</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>保存しない(&amp;N)</translation>
    </message>
</context>
<context>
    <name>CReadHistory</name>
    <message>
        <source>no folder for the history (neither XDG_DATA_HOME nor HOME is set)</source>
        <translation>履歴用のフォルダーがありません (XDG_DATA_HOME も HOME も設定されていません)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: 読み込めません</translation>
    </message>
    <message>
        <source>%1: no new file can be made there (%2)</source>
        <translation>%1: そこに新しいファイルを作成できません (%2)</translation>
    </message>
    <message>
        <source>%1: read error</source>
        <translation>%1: 読み込みエラー</translation>
    </message>
</context>
<context>
    <name>CReplacingFile</name>
    <message>
        <source>%1 is another user&apos;s symbolic link in a folder open to all; it is not followed</source>
        <translation>%1 は全員に開かれたフォルダー内の他のユーザーのシンボリックリンクです。たどりません</translation>
    </message>
    <message>
        <source>%1 is on a read-only file system</source>
        <translation>%1 は読み取り専用ファイルシステム上にあります</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 は読み取り専用です</translation>
    </message>
    <message>
        <source>%1 has %2 hard links; replacing it would part it from the others</source>
        <translation>%1 にはハードリンクが %2 個あります。置き換えると他のリンクから切り離されます</translation>
    </message>
    <message>
        <source>cannot create a new file beside %1</source>
        <translation>%1 の隣に新しいファイルを作成できません</translation>
    </message>
</context>
<context>
    <name>CSetFieldDlg</name>
    <message>
        <source>Set Field</source>
        <translation>項目の一括設定</translation>
    </message>
    <message>
        <source>&amp;Field</source>
        <translation>項目(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Value</source>
        <translation>値(&amp;V)</translation>
    </message>
    <message>
        <source>The field is set on the selected channel.</source>
        <translation>選択したチャンネルに項目を設定します。</translation>
    </message>
    <message>
        <source>The field is set on the %1 selected channels in use.</source>
        <translation>選択した使用中の %1 チャンネルに項目を設定します。</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
</context>
<context>
    <name>CTerminalUserInterface</name>
    <message>
        <source>error: </source>
        <translation>エラー: </translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>警告: </translation>
    </message>
    <message>
        <source>(answered yes: --yes)</source>
        <translation>(yes と回答: --yes)</translation>
    </message>
    <message>
        <source>(no terminal to answer on: cancelled; --yes answers yes)</source>
        <translation>(回答する端末がないため取り消しました。--yes で yes と回答します)</translation>
    </message>
</context>
<context>
    <name>CTextFile</name>
    <message>
        <source>is not a regular file</source>
        <translation>通常ファイルではありません</translation>
    </message>
    <message>
        <source>is a directory</source>
        <translation>ディレクトリです</translation>
    </message>
    <message>
        <source>is a FIFO, not a regular file</source>
        <translation>FIFOです。通常ファイルではありません</translation>
    </message>
    <message>
        <source>is a socket, not a regular file</source>
        <translation>ソケットです。通常ファイルではありません</translation>
    </message>
    <message>
        <source>is a device, not a regular file</source>
        <translation>デバイスです。通常ファイルではありません</translation>
    </message>
</context>
<context>
    <name>CUndoCommands</name>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>消去</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>挿入</translation>
    </message>
    <message>
        <source>PGR Memory</source>
        <translation>PGRメモリー</translation>
    </message>
    <message>
        <source>DTMF Autodial</source>
        <translation>DTMFオートダイヤル</translation>
    </message>
    <message>
        <source>Common Setting</source>
        <translation>共通設定</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSVインポート</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>元に戻す: %1(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>やり直し: %1(&amp;R)</translation>
    </message>
</context>
<context>
    <name>CZ5App</name>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <source>The file could not be opened as a QM-Z5 clone file.

%1

%2</source>
        <translation>このファイルはQM-Z5のクローンファイルとして開けませんでした。

%1

%2</translation>
    </message>
    <message>
        <source>The user manual (CP-Z5.html) was found neither beside the program nor in its
share/cpz5 folder.</source>
        <translation>ユーザーマニュアル (CP-Z5.html) が、プログラムと同じ場所にも
share/cpz5 フォルダーにも見つかりませんでした。</translation>
    </message>
    <message>
        <source>QM-Z5 clone files (%1)</source>
        <translation>QM-Z5クローンファイル (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>CSV files (%1)</source>
        <translation>CSVファイル (%1)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSVエクスポート</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSVインポート</translation>
    </message>
    <message>
        <source>The file already opened.</source>
        <translation>このファイルはすでに開かれています。</translation>
    </message>
</context>
<context>
    <name>CZ5ChEditDlg</name>
    <message>
        <source>Edit Memory</source>
        <translation>メモリー編集</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>メモリー</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>リバース</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>周波数 (MHz)</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>デュプレックス</translation>
    </message>
    <message>
        <source>Offset (MHz)</source>
        <translation>オフセット (MHz)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>トーン</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>反転</translation>
    </message>
    <message>
        <source>RPT tone (Hz)</source>
        <translation>レピータートーン (Hz)</translation>
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
        <translation>PGR CH</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Low power</source>
        <translation>ローパワー</translation>
    </message>
    <message>
        <source>TX inhibit</source>
        <translation>送信禁止</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>スクランブラー</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>コード</translation>
    </message>
</context>
<context>
    <name>CZ5ChListSheet</name>
    <message>
        <source>Paste %1 channels</source>
        <translation>%1 チャンネルを貼り付け</translation>
    </message>
    <message>
        <source>None of the selected channels is in use: nothing is set.</source>
        <translation>選択したチャンネルに使用中のものがないため、何も設定しません。</translation>
    </message>
    <message>
        <source>%1 rows are pasted, but only %2 channels follow from CH %3 to the end of the list: the other rows are not pasted.</source>
        <translation>%1 行を貼り付けますが、CH %3 からリストの末尾までは %2 チャンネルしかありません。残りの行は貼り付けません。</translation>
    </message>
    <message>
        <source>Paste the rows that fit?</source>
        <translation>収まる行を貼り付けますか?</translation>
    </message>
    <message>
        <source>The text cannot be pasted as channels:</source>
        <translation>テキストをチャンネルとして貼り付けられません:</translation>
    </message>
    <message>
        <source>These rows of the text cannot be pasted:</source>
        <translation>テキストの次の行は貼り付けられません:</translation>
    </message>
    <message>
        <source>Nothing is pasted.</source>
        <translation>何も貼り付けません。</translation>
    </message>
    <message>
        <source>Paste the good rows?</source>
        <translation>正しい行を貼り付けますか?</translation>
    </message>
    <message>
        <source>Some values of the text were stored otherwise than written:</source>
        <translation>テキストの一部の値は、書かれたとおりではなく保存されました:</translation>
    </message>
    <message>
        <source>Clear %1 channels</source>
        <translation>%1 チャンネルを消去</translation>
    </message>
    <message>
        <source>Cut %1 channels</source>
        <translation>%1 チャンネルを切り取り</translation>
    </message>
    <message>
        <source>Delete CH ?</source>
        <translation>CH を削除しますか?</translation>
    </message>
    <message>
        <source>Delete %1 channels</source>
        <translation>%1 チャンネルを削除</translation>
    </message>
    <message>
        <source>CH overflow
Last channel will be deleted.</source>
        <translation>CH があふれます
最後のチャンネルが削除されます。</translation>
    </message>
    <message>
        <source>Insert %1 channels</source>
        <translation>%1 チャンネルを挿入</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 チャンネル</translation>
    </message>
    <message>
        <source>Set %1 on %2</source>
        <translation>%2 に %1 を設定</translation>
    </message>
    <message>
        <source>%1 set on %2.</source>
        <translation>%2 に %1 を設定しました。</translation>
    </message>
    <message>
        <source>%1 set on %2; 1 cleared channel is left as it is.</source>
        <translation>%2 に %1 を設定しました。空きチャンネル 1 個はそのままです。</translation>
    </message>
    <message>
        <source>%1 set on %2; %3 cleared channels are left as they are.</source>
        <translation>%2 に %1 を設定しました。空きチャンネル %3 個はそのままです。</translation>
    </message>
    <message>
        <source>%1 “%2” cannot be set on these channels:</source>
        <translation>%1 “%2” は次のチャンネルに設定できません:</translation>
    </message>
    <message>
        <source>Nothing is set.</source>
        <translation>何も設定しません。</translation>
    </message>
    <message>
        <source>They are left as they are; the others are set.</source>
        <translation>これらはそのままにし、他のチャンネルに設定します。</translation>
    </message>
</context>
<context>
    <name>CZ5CloneFileIoManager</name>
    <message>
        <source>QM-Z5 clone files (*%1)</source>
        <translation>QM-Z5クローンファイル (*%1)</translation>
    </message>
</context>
<context>
    <name>CZ5CommonPropSheet</name>
    <message>
        <source>Common Setting</source>
        <translation>共通設定</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>共通</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>スクランブラー</translation>
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
        <translation>DTMFオートダイヤル</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Autodial Memory</source>
        <translation>オートダイヤルメモリー</translation>
    </message>
    <message>
        <source>The memory the radio dials</source>
        <translation>無線機がダイヤルするメモリー</translation>
    </message>
    <message>
        <source>%1 code</source>
        <translation>%1 コード</translation>
    </message>
</context>
<context>
    <name>CZ5PgrMemoryDlg</name>
    <message>
        <source>PGR Memory</source>
        <translation>PGRメモリー</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>コード</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>%1 Code</source>
        <translation>%1 コード</translation>
    </message>
    <message>
        <source>%1 Skip</source>
        <translation>%1 スキップ</translation>
    </message>
</context>
<context>
    <name>CZ5TreeView</name>
    <message>
        <source>Areas</source>
        <translation>エリア</translation>
    </message>
</context>
<context>
    <name>ChannelClipText</name>
    <message>
        <source>the text is larger than %1 bytes, no channel list</source>
        <translation>テキストが %1 バイトを超えています。チャンネルリストではありません</translation>
    </message>
    <message>
        <source>the text holds no rows</source>
        <translation>テキストに行がありません</translation>
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
        <translation>%1 %2 は無線機の 5 kHz または 6.25 kHz ステップに合わせて %3 として保存されます</translation>
    </message>
    <message>
        <source>Frequency %1 is outside the receive range of the radio (version %2)</source>
        <translation>周波数 %1 は無線機の受信範囲外です (バージョン %2)</translation>
    </message>
    <message>
        <source>Frequency %1 is outside the receive range of the radio (136 to 174 MHz)</source>
        <translation>周波数 %1 は無線機の受信範囲外です (136～174 MHz)</translation>
    </message>
    <message>
        <source>is not &quot;&quot;, + or -</source>
        <translation>&quot;&quot;, + または - ではありません</translation>
    </message>
    <message>
        <source>is not &quot;&quot;, +, -, split or off</source>
        <translation>&quot;&quot;, +, -, split または off ではありません</translation>
    </message>
    <message>
        <source>the duplex offset %1 is more than the radio can set or off its raster</source>
        <translation>デュプレックスのオフセット %1 は無線機で設定できる値を超えているか、ステップに合っていません</translation>
    </message>
    <message>
        <source>Location %1 is not a channel number from 0 to %2</source>
        <translation>Location %1 は 0～%2 のチャンネル番号ではありません</translation>
    </message>
    <message>
        <source>Name %1 is stored as %2 (at most 5 ASCII characters, no control characters)</source>
        <translation>名前 %1 は %2 として保存されます (ASCII 5 文字まで、制御文字なし)</translation>
    </message>
    <message>
        <source>is a cross mode: the radio has none</source>
        <translation>クロスモードです: 無線機にはクロスモードはありません</translation>
    </message>
    <message>
        <source>is not FM: the radio has FM only</source>
        <translation>FMではありません: 無線機はFMのみです</translation>
    </message>
    <message>
        <source>is not a tone mode of the radio (&quot;&quot;, Tone, TSQL or DTCS)</source>
        <translation>無線機のトーンモード (&quot;&quot;, Tone, TSQL, DTCS) ではありません</translation>
    </message>
    <message>
        <source>is not a tone of the radio</source>
        <translation>無線機のトーンではありません</translation>
    </message>
    <message>
        <source>is not a DTCS code of the radio</source>
        <translation>無線機のDTCSコードではありません</translation>
    </message>
    <message>
        <source>is not NN or RR: the radio inverts both directions or neither</source>
        <translation>NN でも RR でもありません: 無線機は両方向とも反転するか、どちらも反転しません</translation>
    </message>
    <message>
        <source>is not &quot;&quot;, S or P</source>
        <translation>&quot;&quot;, S, P のいずれでもありません</translation>
    </message>
    <message>
        <source>%1 %2 is stored as %3</source>
        <translation>%1 %2 は %3 として保存されます</translation>
    </message>
    <message>
        <source>RxDtcsCode %1 differs from DtcsCode %2: the radio has one DTCS code for both directions</source>
        <translation>RxDtcsCode %1 が DtcsCode %2 と異なります: 無線機のDTCSコードは送受信共通で1つです</translation>
    </message>
    <message>
        <source>is not ON or OFF</source>
        <translation>ON でも OFF でもありません</translation>
    </message>
    <message>
        <source>is not OFF, CSQL or PGR</source>
        <translation>OFF, CSQL, PGR のいずれでもありません</translation>
    </message>
    <message>
        <source>is not an ANI code of the radio (C0 to C6 or CP)</source>
        <translation>無線機のANIコード (C0 ～ C6 または CP) ではありません</translation>
    </message>
    <message>
        <source>is not a scrambler code from 01 to FF</source>
        <translation>01 ～ FF のスクランブラーコードではありません</translation>
    </message>
</context>
<context>
    <name>ChannelCsvText</name>
    <message>
        <source>is far more than any frequency of the radio</source>
        <translation>無線機のどの周波数よりもはるかに大きい値です</translation>
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
        <translation>FILE はクローンファイル (.cz5) です。PATH は MCH.CH12.FreqRx, Common.Beep,
DTMF.D3, PGR.C4.Code のようなドット区切りのリーフパスです。dump ですべて
一覧表示できます。--market は、この実行に限り設定の無線機の市場バージョンを
置き換えます (import-csv はそのバージョンで受信できるチャンネルだけを取り込みます)。
旧名の --version VALUE も引き続き使えます。
PORT は COMn、または /dev/ttyUSB0 のようなデバイスパスです。
終了ステータス: 0 成功、2 ファイルを読み書きできなかった、64 使い方の誤り。
import-csv: 65 CSVファイルに不正な行があり、何もインポートしなかった。
diff: 1 ファイルが異なる。setup, info, read, write: 転送の結果
(1 キャンセル、77 失敗、85 機種違い、90 バージョン違い、91 ポートの失敗)。
write --verify: 94 無線機のデータが送信したデータと異なる。write --backup:
95 バックアップを保存できなかった (何も書き込んでいない)。
</translation>
    </message>
    <message>
        <source>Writes the factory data of the market version to FILE, as Save would.</source>
        <translation>市場バージョンの工場出荷時データを、保存と同じように FILE に書き込みます。</translation>
    </message>
    <message>
        <source>Prints every leaf of FILE as PATH=TEXT, one a line, in tree order.</source>
        <translation>FILE のすべてのリーフを、1 行に 1 つずつ PATH=TEXT の形でツリー順に出力します。</translation>
    </message>
    <message>
        <source>Prints the text of each PATH of FILE, one a line.</source>
        <translation>FILE の各 PATH のテキストを 1 行に 1 つずつ出力します。</translation>
    </message>
    <message>
        <source>Sets each PATH to TEXT, then saves over FILE (or to OUT).</source>
        <translation>各 PATH を TEXT に設定し、FILE に上書き保存します (または OUT に保存)。</translation>
    </message>
    <message>
        <source>Prints the chosen sections of FILE to the PDF file OUT.pdf.</source>
        <translation>FILE の選択したセクションを PDF ファイル OUT.pdf に出力します。</translation>
    </message>
    <message>
        <source>Identifies the radio on PORT as the first-start setup does and
remembers its market version, options and port.</source>
        <translation>初回起動時のセットアップと同じように PORT の無線機を識別し、
市場バージョン、オプション、ポートを記憶します。</translation>
    </message>
    <message>
        <source>Shows the radio&apos;s model information (the Information command).</source>
        <translation>無線機の機種情報を表示します (情報コマンド)。</translation>
    </message>
    <message>
        <source>Reads the radio&apos;s memory on PORT (Read &lt;- TR) and saves it to FILE.</source>
        <translation>PORT の無線機のメモリーを読み込み (読み込み &lt;- 無線機)、FILE に保存します。</translation>
    </message>
    <message>
        <source>Writes FILE into the radio on PORT (Write -&gt; TR) after a question
that --yes answers.</source>
        <translation>確認の後、PORT の無線機に FILE を書き込みます (書き込み -&gt; 無線機)。
確認には --yes で回答できます。</translation>
    </message>
    <message>
        <source>Writes the memory channels of FILE as a CSV channel list.</source>
        <translation>FILE のメモリーチャンネルをCSVチャンネルリストとして書き出します。</translation>
    </message>
    <message>
        <source>Reads a CSV channel list into the memory channels of FILE.</source>
        <translation>CSVチャンネルリストを FILE のメモリーチャンネルに読み込みます。</translation>
    </message>
    <message>
        <source>Lists the leaves that differ between two clone files.</source>
        <translation>2 つのクローンファイルで異なるリーフを一覧表示します。</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>使い方: %1</translation>
    </message>
    <message>
        <source>The QM-Z5 clone file and radio commands from a shell.</source>
        <translation>シェルから使うQM-Z5クローンファイルと無線機のコマンド。</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>コマンド:</translation>
    </message>
    <message>
        <source>cpz5-cli --help shows this text, cpz5-cli COMMAND --help the help of one
command, cpz5-cli --version the program&apos;s version.
</source>
        <translation>cpz5-cli --help でこのテキスト、cpz5-cli COMMAND --help で各コマンドの
ヘルプ、cpz5-cli --version でプログラムのバージョンを表示します。
</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>不明なコマンド %1</translation>
    </message>
</context>
<context>
    <name>CloneResult</name>
    <message>
        <source>failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>取り消し</translation>
    </message>
    <message>
        <source>failed: no answer or a bad answer</source>
        <translation>失敗: 応答がないか、応答が不正です</translation>
    </message>
    <message>
        <source>not a QM-Z5 of a known revision</source>
        <translation>既知のリビジョンのQM-Z5ではありません</translation>
    </message>
    <message>
        <source>wrong model version</source>
        <translation>機種バージョンが違います</translation>
    </message>
    <message>
        <source>port could not be opened</source>
        <translation>ポートを開けませんでした</translation>
    </message>
    <message>
        <source>radio holds other data than sent</source>
        <translation>無線機のデータが送信したデータと異なります</translation>
    </message>
    <message>
        <source>backup could not be kept</source>
        <translation>バックアップを保存できませんでした</translation>
    </message>
</context>
<context>
    <name>CsvCommands</name>
    <message>
        <source>export-csv reads one clone file</source>
        <translation>export-csv はクローンファイルを 1 つ読み込みます</translation>
    </message>
    <message>
        <source>import-csv needs a clone file and a CSV file</source>
        <translation>import-csv にはクローンファイルとCSVファイルが必要です</translation>
    </message>
    <message>
        <source>%1: nothing imported</source>
        <translation>%1: 何もインポートしませんでした</translation>
    </message>
    <message>
        <source>%1: skipped %2</source>
        <translation>%1: スキップ %2</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1: 警告: %2</translation>
    </message>
</context>
<context>
    <name>DiffCommand</name>
    <message>
        <source>diff compares two clone files</source>
        <translation>diff は 2 つのクローンファイルを比較します</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>no leaf %1</source>
        <translation>リーフ %1 がありません</translation>
    </message>
    <message>
        <source>warning: %1 could not be read back to check what it holds</source>
        <translation>警告: %1 を読み戻して内容を確認できませんでした</translation>
    </message>
    <message>
        <source>warning: %1 %2 is stored as %3</source>
        <translation>警告: %1 %2 は %3 として保存されます</translation>
    </message>
    <message>
        <source>new writes one file, named by -o</source>
        <translation>new は -o で指定したファイルを 1 つ書き込みます</translation>
    </message>
    <message>
        <source>dump reads one file</source>
        <translation>dump はファイルを 1 つ読み込みます</translation>
    </message>
    <message>
        <source>get needs a file and at least one path</source>
        <translation>get にはファイルと 1 つ以上のパスが必要です</translation>
    </message>
    <message>
        <source>set needs a file and at least one PATH=TEXT</source>
        <translation>set にはファイルと 1 つ以上の PATH=TEXT が必要です</translation>
    </message>
</context>
<context>
    <name>FleetTransfer</name>
    <message>
        <source>no such device</source>
        <translation>デバイスがありません</translation>
    </message>
    <message>
        <source>busy: another program uses it</source>
        <translation>使用中: 別のプログラムが使用しています</translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>シリアルデバイスではありません</translation>
    </message>
    <message>
        <source>a folder, not a serial device</source>
        <translation>フォルダーです。シリアルデバイスではありません</translation>
    </message>
    <message>
        <source>no permission to use it</source>
        <translation>使用する権限がありません</translation>
    </message>
    <message>
        <source>%1 is no port (COMn or a device path)</source>
        <translation>%1 はポートではありません (COMn またはデバイスパス)</translation>
    </message>
    <message>
        <source>no pipe for the start (%1)</source>
        <translation>開始用のパイプがありません (%1)</translation>
    </message>
    <message>
        <source>the processes of only %1 of the %2 ports could be started (%3)</source>
        <translation>%2 ポートのうち %1 ポートのプロセスしか開始できませんでした (%3)</translation>
    </message>
    <message>
        <source>... and %1 more ports, %2 of them done</source>
        <translation>... ほか %1 ポート (うち %2 完了)</translation>
    </message>
    <message>
        <source>given twice</source>
        <translation>2 回指定</translation>
    </message>
    <message>
        <source>clone file error</source>
        <translation>クローンファイルエラー</translation>
    </message>
    <message>
        <source>not a port</source>
        <translation>ポートではない</translation>
    </message>
    <message>
        <source>%1; given twice, done once</source>
        <translation>%1。2回指定、1回実行</translation>
    </message>
    <message>
        <source>PORT</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>RADIO</source>
        <translation>無線機</translation>
    </message>
    <message>
        <source>RESULT</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>The data will be written into %1 radios and replace their memory.

Write to the radios?</source>
        <translation>データを %1 台の無線機に書き込み、メモリーを置き換えます。

無線機に書き込みますか?</translation>
    </message>
    <message>
        <source>%1 radios need %2 open files, and this program may open only %3 (ulimit -n); no radio was touched</source>
        <translation>%1 台の無線機には %2 個のファイルを開く必要がありますが、このプログラムは %3 個までしか開けません (ulimit -n)。どの無線機にも触れていません</translation>
    </message>
    <message>
        <source>%1: not a directory for the reads</source>
        <translation>%1: 読み込み用のディレクトリーではありません</translation>
    </message>
    <message>
        <source>%1 ports given: at most %2 radios at once</source>
        <translation>%1 ポートが指定されました: 同時に最大 %2 台までです</translation>
    </message>
    <message>
        <source>%1; no radio was touched</source>
        <translation>%1。どの無線機にも触れていません</translation>
    </message>
</context>
<context>
    <name>LeafPaths</name>
    <message>
        <source>is outside the range of this leaf, %1 to %2 MHz</source>
        <translation>このリーフの範囲 %1～%2 MHz の外です</translation>
    </message>
    <message>
        <source>is not a value of this leaf</source>
        <translation>このリーフの値ではありません</translation>
    </message>
    <message>
        <source>is not a value of this leaf: one of %1</source>
        <translation>このリーフの値ではありません: 次のいずれか %1</translation>
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
        <translation>周波数</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>デュプレックス</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>リバース</translation>
    </message>
    <message>
        <source>Offset Freq.</source>
        <translation>オフセット</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>トーン</translation>
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
        <translation>PGR CH</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>TX Power</source>
        <translation>送信出力</translation>
    </message>
    <message>
        <source>TX Inhibit</source>
        <translation>送信禁止</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>スクランブラー</translation>
    </message>
</context>
<context>
    <name>PortsCommand</name>
    <message>
        <source>ports takes no argument</source>
        <translation>ports は引数を取りません</translation>
    </message>
    <message>
        <source>no serial port found: is the cable plugged in?</source>
        <translation>シリアルポートが見つかりません: ケーブルは接続されていますか?</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>no printer named %1 exists; no printer is installed</source>
        <translation>%1 という名前のプリンターはありません。プリンターがインストールされていません</translation>
    </message>
    <message>
        <source>no printer named %1 exists; the printers are %2</source>
        <translation>%1 という名前のプリンターはありません。プリンター: %2</translation>
    </message>
    <message>
        <source>print reads one clone file</source>
        <translation>print はクローンファイルを 1 つ読み込みます</translation>
    </message>
    <message>
        <source>-o and --printer need a name</source>
        <translation>-o と --printer には名前が必要です</translation>
    </message>
    <message>
        <source>print takes -o or --printer, not both</source>
        <translation>print には -o か --printer のどちらか一方を指定します</translation>
    </message>
    <message>
        <source>unknown section in --sections</source>
        <translation>--sections に不明なセクションがあります</translation>
    </message>
    <message>
        <source>printing is not installed: %1 is neither beside cpz5-cli nor in %2</source>
        <translation>印刷がインストールされていません: %1 が cpz5-cli の隣にも %2 にもありません</translation>
    </message>
    <message>
        <source>the printing program %1 cannot be run: %2</source>
        <translation>印刷プログラム %1 を実行できません: %2</translation>
    </message>
</context>
<context>
    <name>RadioMain</name>
    <message>
        <source>%1 (--help shows the options)</source>
        <translation>%1 (--help でオプションを表示)</translation>
    </message>
</context>
<context>
    <name>RadioOptions</name>
    <message>
        <source>unknown argument %1</source>
        <translation>不明な引数 %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 には値が必要です</translation>
    </message>
    <message>
        <source>bad value for %1: %2</source>
        <translation>%1 の値が不正です: %2</translation>
    </message>
    <message>
        <source>market version (option byte bits 0-1; default GEN);
the memory starts as that version&apos;s factory image;
--version VERSION is its old name</source>
        <translation>市場バージョン (オプションバイトのビット 0-1、既定は GEN)。
メモリーはそのバージョンの工場出荷時イメージで始まります。
--version VERSION は旧名です</translation>
    </message>
    <message>
        <source>the option byte (0 to 0x7F; decimal, 0x.. hex or
0.. octal): bits 0-1 version, bit 2 receive range
extension, bit 3 scrambler, bit 4 ANI, bits 5-6
further options; --market overrides bits 0-1</source>
        <translation>オプションバイト (0～0x7F。10進数、0x.. は16進数、
0.. は8進数): ビット 0-1 バージョン、ビット 2 受信範囲
拡張、ビット 3 スクランブラー、ビット 4 ANI、ビット 5-6
その他のオプション。--market はビット 0-1 を上書きします</translation>
    </message>
    <message>
        <source>start from this clone file instead</source>
        <translation>代わりにこのクローンファイルから開始します</translation>
    </message>
    <message>
        <source>write the memory to this clone file after every
completed write</source>
        <translation>書き込みが完了するたびにメモリーをこの
クローンファイルに書き出します</translation>
    </message>
    <message>
        <source>pace every byte the radio sends, echoes too, as a
line of N baud would (N / 10 bytes a second);
without it the pseudo-terminal runs at full speed</source>
        <translation>無線機が送るすべてのバイト (エコーも含む) を N ボーの
回線と同じ速さで送ります (毎秒 N / 10 バイト)。
指定しないと疑似端末は最高速度で動作します</translation>
    </message>
    <message>
        <source>data bytes in each frame of a read (1 to 122,
default 16; the last frame takes what is left)</source>
        <translation>読み込みの各フレームのデータバイト数 (1～122、
既定 16。最後のフレームは残りの分)</translation>
    </message>
    <message>
        <source>misbehave (default none):</source>
        <translation>異常動作 (既定 none):</translation>
    </message>
    <message>
        <source>the radio and its cable work</source>
        <translation>無線機とケーブルは正常に動作します</translation>
    </message>
    <message>
        <source>the radio is off and the cable dead: nothing comes back,
not even the echo</source>
        <translation>無線機の電源が切れ、ケーブルも断線: 何も返らず、
エコーも返りません</translation>
    </message>
    <message>
        <source>the cable returns no echo; the radio still answers</source>
        <translation>ケーブルがエコーを返しません。無線機は応答します</translation>
    </message>
    <message>
        <source>in a read, the sixth data frame (address 0x0050) carries a
checksum one too high</source>
        <translation>読み込みで、6番目のデータフレーム (アドレス 0x0050) の
チェックサムが1大きくなります</translation>
    </message>
    <message>
        <source>every write is refused: the write result is 0x01 and the
memory stays as it was</source>
        <translation>すべての書き込みを拒否します: 書き込み結果は 0x01 で、
メモリーは元のままです</translation>
    </message>
    <message>
        <source>junk bytes (below 0xF0, no 0xFE) and a stray 0xFD before
every frame the radio sends, and a stray 0xFD after every
frame it echoes; a correct receiver survives them</source>
        <translation>無線機が送る各フレームの前にジャンクバイト (0xF0 未満、
0xFE なし) と余分な 0xFD を、エコーする各フレームの後に
余分な 0xFD を付けます。正しい受信側はこれに耐えます</translation>
    </message>
    <message>
        <source>in a read, the sixth data frame is never sent and
the seventh comes twice: as many frames as a good read,
but part of the memory missing</source>
        <translation>読み込みで、6番目のデータフレームを送らず、
7番目を2回送ります: フレーム数は正常な読み込みと同じですが、
メモリーの一部が欠けます</translation>
    </message>
    <message>
        <source>in a write, every data frame stored is answered with
the write result 0x00, not only the end frame</source>
        <translation>書き込みで、終了フレームだけでなく、保存した各データフレームに
書き込み結果 0x00 を返します</translation>
    </message>
    <message>
        <source>in a write, the third data frame is refused at once with
the write result 0x01; the memory stays as it was</source>
        <translation>書き込みで、3番目のデータフレームを即座に
書き込み結果 0x01 で拒否します。メモリーは元のままです</translation>
    </message>
    <message>
        <source>after K data frames of a read or write the radio stops
answering until the next request (the echo goes on)</source>
        <translation>読み込みまたは書き込みで K データフレームの後、無線機は
次の要求まで応答しなくなります (エコーは続きます)</translation>
    </message>
    <message>
        <source>a write is accepted but the byte at address A (decimal or
0x.. hex, up to 0x79F) is stored with its lowest bit
flipped</source>
        <translation>書き込みを受け付けますが、アドレス A (10進数または
0x.. 16進数、0x79F まで) のバイトは最下位ビットを
反転して保存します</translation>
    </message>
    <message>
        <source>show this text</source>
        <translation>このテキストを表示します</translation>
    </message>
    <message>
        <source>on its own: show the program&apos;s version</source>
        <translation>単独で: プログラムのバージョンを表示します</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>使い方: %1</translation>
    </message>
    <message>
        <source>A virtual QM-Z5 hand-held on a pseudo-terminal. The first line of output is
&quot;PTY &lt;path&gt;&quot;: open that path as the serial port (for example with
CPZ5_COM1=&lt;path&gt;). The radio runs until it is interrupted (Ctrl-C, SIGTERM).
</source>
        <translation>疑似端末上の仮想QM-Z5ハンディ機です。出力の最初の行は
&quot;PTY &lt;path&gt;&quot; です: そのパスをシリアルポートとして開いてください (例:
CPZ5_COM1=&lt;path&gt;)。無線機は中断されるまで動作します (Ctrl-C, SIGTERM)。
</translation>
    </message>
    <message>
        <source>The radio echoes every byte it receives (the cable is one wire), answers the
model information request (model 0x2468, revision 1, 22 identity bytes), sends
its memory (0x000 to 0x79F, 16 bytes a frame unless --frame-size) on a read request and stores a
write after checking every frame. A bad write frame is answered at once with
the write result 0x01.
</source>
        <translation>無線機は受信したすべてのバイトをエコーし (ケーブルは1線式)、
機種情報要求に応答し (機種 0x2468、リビジョン 1、識別バイト 22)、
読み込み要求でメモリー (0x000～0x79F、--frame-size がなければ 1 フレーム 16 バイト) を送り、
すべてのフレームを確認してから書き込みを保存します。不正な書き込みフレームには
即座に書き込み結果 0x01 を返します。
</translation>
    </message>
    <message>
        <source>Exit status: 0 after an interruption, 1 when the pseudo-terminal or a clone
file cannot be used, 64 for a usage error.
</source>
        <translation>終了ステータス: 中断後は 0、疑似端末またはクローン
ファイルを使用できないときは 1、使い方の誤りは 64。
</translation>
    </message>
</context>
<context>
    <name>SCsvProblem</name>
    <message>
        <source>line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... ほか %1 件</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>This data was not read from the connected radio and may hold settings
that the radio does not expect.

Continue?</source>
        <translation>このデータは接続した無線機から読み込んだものではなく、無線機が想定しない
設定を含んでいる可能性があります。

続行しますか?</translation>
    </message>
    <message>
        <source>Clone completed.</source>
        <translation>クローンが完了しました。</translation>
    </message>
    <message>
        <source>Read &lt;- TR failed.</source>
        <translation>読み込み &lt;- 無線機 に失敗しました。</translation>
    </message>
    <message>
        <source>Write -&gt; TR failed.</source>
        <translation>書き込み -&gt; 無線機 に失敗しました。</translation>
    </message>
    <message>
        <source>The radio could not be identified.</source>
        <translation>無線機を識別できませんでした。</translation>
    </message>
    <message>
        <source>The connected radio is not a QM-Z5 of a revision this program knows.

Nothing was transferred.</source>
        <translation>接続した無線機は、このプログラムが対応するリビジョンのQM-Z5ではありません。

何も転送していません。</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>キャンセルしました。</translation>
    </message>
    <message>
        <source>The serial port could not be opened.</source>
        <translation>シリアルポートを開けませんでした。</translation>
    </message>
    <message>
        <source>The radio&apos;s memory was read.</source>
        <translation>無線機のメモリーを読み込みました。</translation>
    </message>
    <message>
        <source>The data was written into the radio.</source>
        <translation>データを無線機に書き込みました。</translation>
    </message>
    <message>
        <source>The serial port %1 could not be opened.

- Is the cloning cable plugged into this computer?
- Is the right port chosen in the COM Port menu?
- Are you allowed to use the device? Your user must be in the group
  that owns it (often &quot;dialout&quot;: see ls -l %1), then log in again.
- Is another program using the port?</source>
        <translation>シリアルポート %1 を開けませんでした。

- クローンケーブルはこのコンピューターに接続されていますか?
- COMポートメニューで正しいポートを選択していますか?
- デバイスを使用する権限がありますか? デバイスを所有するグループ
  (多くは &quot;dialout&quot;、ls -l %1 で確認) にユーザーを追加し、再度ログインしてください。
- 別のプログラムがポートを使用していませんか?</translation>
    </message>
    <message>
        <source>Reading from the radio...</source>
        <translation>無線機から読み込み中...</translation>
    </message>
    <message>
        <source>Writing to the radio...</source>
        <translation>無線機へ書き込み中...</translation>
    </message>
    <message>
        <source>The data has been changed</source>
        <translation>データは変更されています</translation>
    </message>
    <message>
        <source> and reading from the radio will replace it.

Read from the radio?</source>
        <translation>。無線機から読み込むと置き換えられます。

無線機から読み込みますか?</translation>
    </message>
    <message>
        <source>The data will be written into the radio and replace its memory.

Write to the radio?</source>
        <translation>データを無線機に書き込み、無線機のメモリーを置き換えます。

無線機に書き込みますか?</translation>
    </message>
    <message>
        <source>Model version mismatch.</source>
        <translation>機種バージョンが一致しません。</translation>
    </message>
    <message>
        <source>The radio did not answer as expected.

Check that the cloning cable is connected to the radio and to this
computer, that the radio is switched on, and try again.</source>
        <translation>無線機から想定どおりの応答がありませんでした。

クローンケーブルが無線機とこのコンピューターに接続され、無線機の電源が
入っていることを確認してから、もう一度実行してください。</translation>
    </message>
    <message>
        <source>Connect the radio to this computer with the cloning cable and switch
it on. Choose the port of the cable, then press OK: the program asks
the radio for its version and options and remembers them.</source>
        <translation>クローンケーブルで無線機をこのコンピューターに接続し、電源を入れて
ください。ケーブルのポートを選択して OK を押すと、プログラムが無線機に
バージョンとオプションを問い合わせて記憶します。</translation>
    </message>
    <message>
        <source>Port of the cloning cable:</source>
        <translation>クローンケーブルのポート:</translation>
    </message>
    <message>
        <source>The version of the connected radio differs from the version this
program was set up for, or the setup was never completed.

Run the setup again with the radio connected: start the program
with the option -S (or cpz5-cli setup).</source>
        <translation>接続した無線機のバージョンが、このプログラムのセットアップ時のバージョンと
異なるか、セットアップが完了していません。

無線機を接続した状態でセットアップをやり直してください: オプション -S
を付けてプログラムを起動します (または cpz5-cli setup)。</translation>
    </message>
    <message>
        <source>Cloning</source>
        <translation>クローン中</translation>
    </message>
    <message>
        <source>The read succeeded, but it could not be kept in the radio history:
%1

Reads are not kept until this is solved; this message is not shown
again in this session.</source>
        <translation>読み込みは成功しましたが、無線機の履歴に保存できませんでした:
%1

この問題が解決するまで読み込みは保存されません。このセッションでは
このメッセージを再表示しません。</translation>
    </message>
    <message>
        <source>Backing up the radio before writing...</source>
        <translation>書き込み前に無線機をバックアップ中...</translation>
    </message>
    <message>
        <source>Backup failed: nothing was written.</source>
        <translation>バックアップに失敗しました: 何も書き込んでいません。</translation>
    </message>
    <message>
        <source>The radio&apos;s memory could not be read and kept before the write:
%1

Nothing was written into the radio.</source>
        <translation>書き込み前に無線機のメモリーを読み込んで保存できませんでした:
%1

無線機には何も書き込んでいません。</translation>
    </message>
    <message>
        <source>Reading the radio back to check the write...</source>
        <translation>書き込みを確認するため無線機を読み戻し中...</translation>
    </message>
    <message>
        <source>Written and checked: the radio holds what was sent.</source>
        <translation>書き込みと照合が完了しました: 無線機のデータは送信したとおりです。</translation>
    </message>
    <message>
        <source>Check after writing failed: the radio holds other data.</source>
        <translation>書き込み後の照合に失敗しました: 無線機のデータが異なります。</translation>
    </message>
    <message>
        <source>The write ended, but the radio does not hold what was sent:

%1</source>
        <translation>書き込みは終了しましたが、無線機のデータが送信したデータと異なります:

%1</translation>
    </message>
    <message>
        <source>The write ended, but the radio could not be read back to check it.

Read it again or write once more.</source>
        <translation>書き込みは終了しましたが、確認のために無線機を読み戻せませんでした。

もう一度読み込むか、再度書き込んでください。</translation>
    </message>
    <message>
        <source>The radio answered, but the temporary clone file could not be used:
%1

Nothing in the document was changed. Check the free space and the
permissions of the temporary folder (TMPDIR), then try again.</source>
        <translation>無線機は応答しましたが、一時クローンファイルを使用できませんでした:
%1

文書は何も変更していません。一時フォルダー (TMPDIR) の空き容量と
アクセス権を確認してから、もう一度実行してください。</translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>--port takes COMn or a device path, not %1</source>
        <translation>--port には COMn またはデバイスパスを指定します。%1 は指定できません</translation>
    </message>
    <message>
        <source>the radio&apos;s port is named by --port (COMn or a device)</source>
        <translation>無線機のポートは --port で指定します (COMn またはデバイス)</translation>
    </message>
    <message>
        <source>setup takes no file</source>
        <translation>setup はファイルを取りません</translation>
    </message>
    <message>
        <source>info takes no file</source>
        <translation>info はファイルを取りません</translation>
    </message>
    <message>
        <source>read writes one file, named by -o</source>
        <translation>read は -o で指定したファイルを 1 つ書き込みます</translation>
    </message>
    <message>
        <source>write sends one file</source>
        <translation>write はファイルを 1 つ送信します</translation>
    </message>
</context>
<context>
    <name>TypedFrequency</name>
    <message>
        <source>is below zero: a frequency in MHz cannot be negative</source>
        <translation>ゼロ未満です: MHz単位の周波数は負にできません</translation>
    </message>
    <message>
        <source>is not a frequency in MHz: type digits with one decimal point or comma, such as 146.52</source>
        <translation>MHz単位の周波数ではありません: 146.52 のように、数字と小数点 (またはカンマ) 1 つで入力してください</translation>
    </message>
    <message>
        <source>holds no digits: type a frequency in MHz, such as 146.52</source>
        <translation>数字がありません: 146.52 のように、MHz単位で周波数を入力してください</translation>
    </message>
    <message>
        <source>holds no frequency: type one in MHz, such as 146.52</source>
        <translation>周波数がありません: 146.52 のように、MHz単位で入力してください</translation>
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
        <translation>このチャンネルにはその周波数はありません。</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <translation>%1 %2。</translation>
    </message>
    <message>
        <source>Type a frequency in MHz, such as 146.52.</source>
        <translation>周波数をMHzで入力してください(例: 146.52)。</translation>
    </message>
    <message>
        <source>%1 lies outside %2 to %3 MHz.</source>
        <translation>%1 は %2～%3 MHz の範囲外です。</translation>
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
        <translation>使い方: cpz5 [OPTION]... [QT OPTION]...
QM-Z5 VHFハンディ機のクローンプログラム: クローンケーブルで無線機の
メモリーを読み込み、チャンネルと設定を編集し、クローンファイル (.cz5) を
保存して開き、印刷し、無線機に書き戻します。

  -S                          初回起動時のセットアップを再実行します (/S も可)
  --virtual-radio[=VERSION]   VERSION (GEN, SEA, USA または EUR、既定 GEN) の
                              仮想QM-Z5をプログラム内で起動し、今回の実行では
                              COM1 をそれに接続します
  --open FILE                 プログラムの起動後、ファイル &gt; 開く と同様に
                              クローンファイル FILE を開きます。ファイル名
                              だけでは開きません
  -h, --help                  このテキストを表示して終了します
  --version                   プログラムのバージョンを表示して終了します

Qt 自体のオプション (-platform NAME, -style NAME, ...) も使用できます。
設定: $XDG_CONFIG_HOME/Brel/CP-Z5.conf (既定 ~/.config/Brel/CP-Z5.conf)。
ユーザーごとに1つだけ起動します。2つ目の起動は --open FILE を
実行中のプログラムに渡して開かせ、終了します。

終了ステータス: 正常終了時は 0、起動できないときは 1、
使い方の誤りは 64。
</translation>
    </message>
    <message>
        <source>no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set);
cpz5-cli works without one</source>
        <translation>ウィンドウを表示するディスプレイがありません (DISPLAY も WAYLAND_DISPLAY も設定されていません)。
cpz5-cli はディスプレイなしで動作します</translation>
    </message>
    <message>
        <source>the window system could not be reached</source>
        <translation>ウィンドウシステムに接続できませんでした</translation>
    </message>
    <message>
        <source>%1 is not opened: the program starts with new data; cpz5 --open FILE opens a clone file</source>
        <translation>%1 は開きません: プログラムは新しいデータで起動します。クローンファイルは cpz5 --open FILE で開きます</translation>
    </message>
    <message>
        <source>CP-Z5 already runs but did not take %1</source>
        <translation>CP-Z5 はすでに起動していますが、%1 を受け取りませんでした</translation>
    </message>
    <message>
        <source>no folder that only this user can write was found for its lock
(not $XDG_RUNTIME_DIR, not in the temporary directory, not in the cache folder
of the home)</source>
        <translation>ロック用に、このユーザーだけが書き込めるフォルダーが見つかりませんでした
($XDG_RUNTIME_DIR、一時ディレクトリ、ホームのキャッシュフォルダーのいずれにもありません)</translation>
    </message>
    <message>
        <source>CP-Z5 cannot make sure that it runs only once: %1; it does not start</source>
        <translation>CP-Z5 は単一起動を確認できません: %1。起動しません</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <source>unknown radio version &quot;%1&quot; (GEN, SEA, USA or EUR)</source>
        <translation>不明な無線機バージョン &quot;%1&quot; (GEN, SEA, USA または EUR)</translation>
    </message>
    <message>
        <source>the virtual radio could not start: %1</source>
        <translation>仮想無線機を起動できませんでした: %1</translation>
    </message>
</context>
<context>
    <name>settingrows</name>
    <message>
        <source>ScanResume</source>
        <translation>スキャン再開</translation>
    </message>
    <message>
        <source>LCD Back Light</source>
        <translation>LCDバックライト</translation>
    </message>
    <message>
        <source>LCD Contrast</source>
        <translation>LCDコントラスト</translation>
    </message>
    <message>
        <source>Power Save</source>
        <translation>パワーセーブ</translation>
    </message>
    <message>
        <source>SP-31C Function</source>
        <translation>SP-31C機能</translation>
    </message>
    <message>
        <source>Auto Repeater</source>
        <translation>オートレピーター</translation>
    </message>
    <message>
        <source>Function Mode</source>
        <translation>ファンクションモード</translation>
    </message>
    <message>
        <source>Auto Power-OFF</source>
        <translation>オートパワーオフ</translation>
    </message>
    <message>
        <source>Time-Out Timer</source>
        <translation>タイムアウトタイマー</translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation>ロックアウト</translation>
    </message>
    <message>
        <source>Squelch Delay</source>
        <translation>スケルチディレイ</translation>
    </message>
    <message>
        <source>Dial Select</source>
        <translation>ダイヤル選択</translation>
    </message>
    <message>
        <source>Memory Disp</source>
        <translation>メモリー表示</translation>
    </message>
    <message>
        <source>Scan Edge</source>
        <translation>スキャンエッジ</translation>
    </message>
    <message>
        <source>Operation Beep</source>
        <translation>操作ビープ音</translation>
    </message>
    <message>
        <source>Dial Speedup</source>
        <translation>ダイヤル加速</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>ANI Function</source>
        <translation>ANI機能</translation>
    </message>
    <message>
        <source>TX CH</source>
        <translation>送信CH</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>タイプ</translation>
    </message>
    <message>
        <source>Group Code</source>
        <translation>グループコード</translation>
    </message>
    <message>
        <source>Synchronous Capture</source>
        <translation>同期捕捉</translation>
    </message>
    <message>
        <source>Tone Start Timing</source>
        <translation>トーン送出タイミング</translation>
    </message>
</context>
<context>
    <name>z5area</name>
    <message>
        <source>Memory CH</source>
        <translation>メモリーCH</translation>
    </message>
    <message>
        <source>Program scan edge</source>
        <translation>プログラムスキャンエッジ</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>コール</translation>
    </message>
</context>
<context>
    <name>z5channel</name>
    <message>
        <source>frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>tone</source>
        <translation>トーン</translation>
    </message>
    <message>
        <source>duplex</source>
        <translation>デュプレックス</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>リバース</translation>
    </message>
    <message>
        <source>offset</source>
        <translation>オフセット</translation>
    </message>
    <message>
        <source>RPT tone</source>
        <translation>レピータートーン</translation>
    </message>
    <message>
        <source>CTCSS tone</source>
        <translation>CTCSSトーン</translation>
    </message>
    <message>
        <source>DTCS code</source>
        <translation>DTCSコード</translation>
    </message>
    <message>
        <source>PGR</source>
        <translation>PGR</translation>
    </message>
    <message>
        <source>PGR CH</source>
        <translation>PGR CH</translation>
    </message>
    <message>
        <source>skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>TX power</source>
        <translation>送信出力</translation>
    </message>
    <message>
        <source>TX inhibit</source>
        <translation>送信禁止</translation>
    </message>
    <message>
        <source>scrambler</source>
        <translation>スクランブラー</translation>
    </message>
    <message>
        <source>Sort by %1, descending</source>
        <translation>%1順に並べ替え (降順)</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation>%1順に並べ替え</translation>
    </message>
</context>
<context>
    <name>z5label</name>
    <message>
        <source>Cleared</source>
        <translation>空き</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Frequency Step</source>
        <translation>周波数ステップ</translation>
    </message>
    <message>
        <source>Offset Freq.</source>
        <translation>オフセット</translation>
    </message>
    <message>
        <source>Offset Step</source>
        <translation>オフセットステップ</translation>
    </message>
    <message>
        <source>TX Inhibit</source>
        <translation>送信禁止</translation>
    </message>
    <message>
        <source>TX Power</source>
        <translation>送信出力</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>デュプレックス</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>リバース</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>トーン</translation>
    </message>
    <message>
        <source>RPT Tone</source>
        <translation>レピータートーン</translation>
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
        <translation>DTCS反転</translation>
    </message>
    <message>
        <source>PGR</source>
        <translation>PGR</translation>
    </message>
    <message>
        <source>PGR CH</source>
        <translation>PGR CH</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>スクランブラー</translation>
    </message>
    <message>
        <source>Scrambler Code</source>
        <translation>スクランブラーコード</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>ScanResume</source>
        <translation>スキャン再開</translation>
    </message>
    <message>
        <source>LCD Back Light</source>
        <translation>LCDバックライト</translation>
    </message>
    <message>
        <source>LCD Contrast</source>
        <translation>LCDコントラスト</translation>
    </message>
    <message>
        <source>Power Save</source>
        <translation>パワーセーブ</translation>
    </message>
    <message>
        <source>SP-31C Function</source>
        <translation>SP-31C機能</translation>
    </message>
    <message>
        <source>Auto Repeater</source>
        <translation>オートレピーター</translation>
    </message>
    <message>
        <source>Auto Power-OFF</source>
        <translation>オートパワーオフ</translation>
    </message>
    <message>
        <source>Time-Out Timer</source>
        <translation>タイムアウトタイマー</translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation>ロックアウト</translation>
    </message>
    <message>
        <source>Squelch Delay</source>
        <translation>スケルチディレイ</translation>
    </message>
    <message>
        <source>Dial Select</source>
        <translation>ダイヤル選択</translation>
    </message>
    <message>
        <source>Memory Disp</source>
        <translation>メモリー表示</translation>
    </message>
    <message>
        <source>Function Mode</source>
        <translation>ファンクションモード</translation>
    </message>
    <message>
        <source>Scan Edge</source>
        <translation>スキャンエッジ</translation>
    </message>
    <message>
        <source>ANI Function</source>
        <translation>ANI機能</translation>
    </message>
    <message>
        <source>ANI Function (being edited)</source>
        <translation>ANI機能 (編集中)</translation>
    </message>
    <message>
        <source>ANI Time-Out Timer</source>
        <translation>ANIタイムアウトタイマー</translation>
    </message>
    <message>
        <source>ANI Lockout</source>
        <translation>ANIロックアウト</translation>
    </message>
    <message>
        <source>ANI TX CH</source>
        <translation>ANI送信CH</translation>
    </message>
    <message>
        <source>Scrambler Type</source>
        <translation>スクランブラータイプ</translation>
    </message>
    <message>
        <source>Scrambler Group Code</source>
        <translation>スクランブラーグループコード</translation>
    </message>
    <message>
        <source>Synchronous Capture</source>
        <translation>同期捕捉</translation>
    </message>
    <message>
        <source>Tone Start Timing</source>
        <translation>トーン送出タイミング</translation>
    </message>
    <message>
        <source>Operation Beep</source>
        <translation>操作ビープ音</translation>
    </message>
    <message>
        <source>Dial Speedup</source>
        <translation>ダイヤル加速</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Channel Selection</source>
        <translation>チャンネル選択</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>コード</translation>
    </message>
</context>
</TS>
