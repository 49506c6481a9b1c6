<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>BootRebuild</name>
    <message>
        <source>boot entry %1</source>
        <translation>ブートエントリ %1</translation>
    </message>
    <message>
        <source>The %1 is for a platform (%2) the image builder cannot write.</source>
        <translation>イメージ作成ツールは %1 のプラットフォーム (%2) に対応していないため書き込めません。</translation>
    </message>
    <message>
        <source>The %1 could not be written to %2.</source>
        <translation>%1 を %2 に書き込めませんでした。</translation>
    </message>
    <message>
        <source>The saved image cannot be read.</source>
        <translation>保存したイメージを読み取れません。</translation>
    </message>
    <message>
        <source>The saved image&apos;s label is &quot;%1&quot;, not &quot;%2&quot;.</source>
        <translation>保存したイメージのラベルは「%2」ではなく「%1」です。</translation>
    </message>
    <message>
        <source>The saved image has %1 boot entries, the original %2.</source>
        <translation>保存したイメージのブートエントリは %1 個で、元のイメージは %2 個です。</translation>
    </message>
    <message>
        <source>The saved image&apos;s %1 differs from the original&apos;s in its platform, emulation or load size.</source>
        <translation>保存したイメージの %1 は、プラットフォーム、エミュレーション、または読み込みサイズが元と異なります。</translation>
    </message>
    <message>
        <source>The saved image&apos;s %1 does not hold the original&apos;s boot image.</source>
        <translation>保存したイメージの %1 には元のブートイメージが含まれていません。</translation>
    </message>
</context>
<context>
    <name>CAboutusDialog</name>
    <message>
        <source>About Quillon</source>
        <translation>Quillon について</translation>
    </message>
    <message>
        <source>Quillon is free software: you may copy and share it under its licence. It comes with no warranty, so check every disk you write.</source>
        <translation>Quillon はフリーソフトウェアです。ライセンスに従ってコピーや共有ができます。保証は一切ありませんので、書き込んだディスクは必ず確認してください。</translation>
    </message>
    <message>
        <source>Copyright (C) the Quillon developers.</source>
        <translation>Copyright (C) Quillon 開発者</translation>
    </message>
    <message>
        <source>Please visit offical site: </source>
        <translation>公式サイトはこちら: </translation>
    </message>
</context>
<context>
    <name>CBurnDialog</name>
    <message>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>ISO Image:</source>
        <translation>ISO イメージ:</translation>
    </message>
    <message>
        <source>Create A Bootable DVD/CD</source>
        <translation>起動可能な DVD/CD を作成</translation>
    </message>
    <message>
        <source>Select a target disc then click BURN button</source>
        <translation>書き込み先のディスクを選び、「書き込み」をクリック</translation>
    </message>
    <message>
        <source>Create A Bootable USB</source>
        <translation>起動可能な USB を作成</translation>
    </message>
    <message>
        <source>Select a target USB then click BURN button</source>
        <translation>書き込み先の USB を選び、「書き込み」をクリック</translation>
    </message>
    <message>
        <source>Partition Style</source>
        <translation>パーティション形式</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>ファイルシステム</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>ボリュームラベル</translation>
    </message>
    <message>
        <source>Burn Failed! Do as following:
1.Try to burn again.
2.Change another USB drive or DVD.</source>
        <translation>書き込みに失敗しました。次の手順をお試しください:
1. もう一度書き込む。
2. 別の USB ドライブまたは DVD を使う。</translation>
    </message>
    <message>
        <source>Please insert your USB drive to computer</source>
        <translation>USB ドライブをコンピューターに接続してください</translation>
    </message>
    <message>
        <source>Your USB drive will be formatted and all data in it will be deleted! Do you want to continue?</source>
        <translation>USB ドライブはフォーマットされ、中のデータはすべて削除されます。続行しますか?</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>空き容量が不足しています。より大容量の USB または CD/DVD を使ってください。</translation>
    </message>
    <message>
        <source>Burning the disc...</source>
        <translation>ディスクに書き込んでいます...</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>ディスクへの書き込みが完了しました。</translation>
    </message>
    <message>
        <source>The disc could not be burned.</source>
        <translation>ディスクに書き込めませんでした。</translation>
    </message>
    <message>
        <source>No USB disk found — plug one in</source>
        <translation>USB ディスクが見つかりません — 接続してください</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found</source>
        <translation>CD/DVD ライターが見つかりません</translation>
    </message>
    <message>
        <source>Image (write the ISO as it is)</source>
        <translation>イメージ (ISO をそのまま書き込む)</translation>
    </message>
    <message>
        <source>Connect a CD/DVD recorder with a blank disc in it, or choose a USB disk instead.</source>
        <translation>空のディスクを入れた CD/DVD ライターを接続するか、代わりに USB ディスクを選んでください。</translation>
    </message>
    <message>
        <source>The burn was stopped. The disc may be unusable.</source>
        <translation>書き込みを中止しました。ディスクは使用できない可能性があります。</translation>
    </message>
    <message>
        <source>Checksum...</source>
        <translation>チェックサム...</translation>
    </message>
</context>
<context>
    <name>CPage2</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>ISO Extract</source>
        <translation>ISO の抽出</translation>
    </message>
    <message>
        <source>Directly extract everything from ISO image file and export to your computer.</source>
        <translation>ISO イメージファイルの内容をすべて直接抽出し、コンピューターに保存します。</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>ISO を開く</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>抽出</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> サイズ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Extract(&amp;E)</source>
        <translation>抽出(&amp;E)</translation>
    </message>
    <message>
        <source>The image %1 seems to be damaged or incomplete; some items may not extract.</source>
        <translation>イメージ %1 は破損しているか不完全なようです。一部の項目は抽出できない可能性があります。</translation>
    </message>
    <message>
        <source>Please select the files or folders you want to extract</source>
        <translation>抽出するファイルまたはフォルダーを選択してください</translation>
    </message>
    <message>
        <source>The files could not be extracted.</source>
        <translation>ファイルを抽出できませんでした。</translation>
    </message>
    <message>
        <source>Extract files successfully.</source>
        <translation>ファイルを抽出しました。</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) in %1 would be replaced by the extracted ones:</source>
        <translation>
            <numerusform>%1 内の %n 個のファイルが抽出したファイルで置き換えられます:</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置き換える</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>自分のを残す</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Please load an ISO image first, then select the files or folders you want to extract</source>
        <translation>先に ISO イメージを開いてから、抽出するファイルまたはフォルダーを選択してください</translation>
    </message>
    <message>
        <source>More than one selected item is called %1. Please extract them one at a time.</source>
        <translation>選択した項目のうち複数が %1 という名前です。1 つずつ抽出してください。</translation>
    </message>
    <message>
        <source>Your own files were kept in: %1</source>
        <translation>元のファイルは次の場所に残してあります: %1</translation>
    </message>
    <message>
        <source>%1 of %2 items were extracted.</source>
        <translation>%2 個中 %1 個の項目を抽出しました。</translation>
    </message>
</context>
<context>
    <name>CPage3</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>File &amp; Folder Backup</source>
        <translation>ファイル &amp; フォルダーのバックアップ</translation>
    </message>
    <message>
        <source>Backup Type:</source>
        <translation>バックアップの種類:</translation>
    </message>
    <message>
        <source>ISO9660 Jolet</source>
        <translation>ISO9660 Joliet</translation>
    </message>
    <message>
        <source>ISO9660</source>
        <translation>ISO9660</translation>
    </message>
    <message>
        <source>UDF ISO</source>
        <translation>UDF ISO</translation>
    </message>
    <message>
        <source>Max Size : 5 GB</source>
        <translation>最大サイズ: 5 GB</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>ファイルを追加...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>フォルダーを追加...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Create ISO</source>
        <translation>ISO を作成</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>ファイルのパス</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> サイズ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Add Files(&amp;F)</source>
        <translation>ファイルを追加(&amp;F)</translation>
    </message>
    <message>
        <source>Add Dirs(&amp;D)</source>
        <translation>フォルダーを追加(&amp;D)</translation>
    </message>
    <message>
        <source>Remove(&amp;R)</source>
        <translation>削除(&amp;R)</translation>
    </message>
    <message>
        <source>The working folder for the image could not be created below %1.</source>
        <translation>イメージ用の作業フォルダーを %1 に作成できませんでした。</translation>
    </message>
    <message>
        <source>Total Size: </source>
        <translation>合計サイズ: </translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>先にファイルまたはフォルダーを追加してください。</translation>
    </message>
    <message>
        <source>Please select one type</source>
        <translation>種類を 1 つ選択してください</translation>
    </message>
    <message>
        <source>These files are 4 GB or larger:
%1
ISO 9660 and Joliet cannot record such sizes. The image will also get a UDF file system that holds them; programs that read only ISO 9660 or Joliet will see wrong sizes. Choose &quot;UDF ISO&quot; to avoid this question. Create the image anyway?</source>
        <translation>次のファイルは 4 GB 以上です:
%1
ISO 9660 と Joliet ではこのサイズを記録できません。そのため、イメージにはこれらを格納する UDF ファイルシステムも追加されます。ISO 9660 または Joliet しか読めないプログラムでは、サイズが正しく表示されません。この確認を避けるには「UDF ISO」を選んでください。このままイメージを作成しますか?</translation>
    </message>
    <message>
        <source>Please save the image outside the program&apos;s working folder.</source>
        <translation>イメージはプログラムの作業フォルダー以外の場所に保存してください。</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 はフォルダーです。イメージのファイル名を指定してください。</translation>
    </message>
    <message>
        <source>Create ISO successfully!</source>
        <translation>ISO を作成しました。</translation>
    </message>
    <message>
        <source>The files and folders in the list will be discarded. Go back anyway?</source>
        <translation>一覧のファイルとフォルダーは破棄されます。それでも戻りますか?</translation>
    </message>
    <message>
        <source>These items were not added: an item of the same name is already there, a folder that cannot be read, a backslash in the name, a link back to a folder that holds it, or the program&apos;s own working folder:
%1</source>
        <translation>次の項目は追加されませんでした (同じ名前の項目が既にある、読み取れないフォルダー、名前に含まれるバックスラッシュ、自身を含むフォルダーへのリンク、またはプログラム自身の作業フォルダー):
%1</translation>
    </message>
</context>
<context>
    <name>CPage4</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>ISO を開く</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前の変更</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> サイズ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Add(&amp;A)</source>
        <translation>追加(&amp;A)</translation>
    </message>
    <message>
        <source>Export(&amp;E)</source>
        <translation>エクスポート(&amp;E)</translation>
    </message>
    <message>
        <source>Rename(&amp;R)</source>
        <translation>名前の変更(&amp;R)</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <source>The working folder for the image could not be created below %1.</source>
        <translation>イメージ用の作業フォルダーを %1 に作成できませんでした。</translation>
    </message>
    <message>
        <source>These items were not added: this folder already holds an item of that name:
%1</source>
        <translation>次の項目は、このフォルダーに同じ名前の項目が既にあるため追加されませんでした:
%1</translation>
    </message>
    <message>
        <source>Please select one row in the table list first</source>
        <translation>先に一覧で行を 1 つ選択してください</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>新しいフォルダー</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>ISO を抽出しています...</translation>
    </message>
    <message>
        <source>Please select files or folders in the list first.</source>
        <translation>先に一覧でファイルまたはフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>先にファイルまたはフォルダーを追加してください。</translation>
    </message>
    <message>
        <source>Save ISO file successfully!</source>
        <translation>ISO ファイルを保存しました。</translation>
    </message>
    <message>
        <source>Export Successfully !</source>
        <translation>エクスポートしました。</translation>
    </message>
    <message>
        <source>The ISO file could not be saved.</source>
        <translation>ISO ファイルを保存できませんでした。</translation>
    </message>
    <message>
        <source>The items could not be exported.</source>
        <translation>項目をエクスポートできませんでした。</translation>
    </message>
    <message>
        <source>These items were not added: a folder that cannot be read, a backslash in the name, a link back to a folder that holds it, or the program&apos;s own working folder:
%1</source>
        <translation>次の項目は追加されませんでした (読み取れないフォルダー、名前に含まれるバックスラッシュ、自身を含むフォルダーへのリンク、またはプログラム自身の作業フォルダー):
%1</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 は既に存在します。置き換えますか?</translation>
    </message>
    <message>
        <source>The new image will not keep %1. Save anyway?</source>
        <translation>新しいイメージには %1 が保持されません。保存しますか?</translation>
    </message>
    <message>
        <source> and </source>
        <translation> と </translation>
    </message>
    <message>
        <source>%1 already holds items of these names:
%2
Replace them with the exported ones?</source>
        <translation>%1 には次の名前の項目が既にあります:
%2
エクスポートする項目で置き換えますか?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置き換える</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>自分のを残す</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The changes to %1 have not been saved.</source>
        <translation>%1 への変更は保存されていません。</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
</context>
<context>
    <name>CPage5</name>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Make Image From Disc</source>
        <translation>ディスクからイメージを作成</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>コピー元</translation>
    </message>
    <message>
        <source>Select a CD/DVD drive:</source>
        <translation>CD/DVD ドライブを選択:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>出力形式:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Please select the iso file to save</source>
        <translation>ISO ファイルの保存先を選んでください</translation>
    </message>
    <message>
        <source>Please select the iso file to save.</source>
        <translation>ISO ファイルの保存先を選んでください。</translation>
    </message>
    <message>
        <source>The image cannot be saved there.</source>
        <translation>その場所にはイメージを保存できません。</translation>
    </message>
    <message>
        <source>Start reading...</source>
        <translation>読み取りを開始しています...</translation>
    </message>
    <message>
        <source>Reading Disc...</source>
        <translation>ディスクを読み取っています...</translation>
    </message>
    <message>
        <source>Copy CD/DVD successfully!</source>
        <translation>CD/DVD をコピーしました。</translation>
    </message>
    <message>
        <source>The disc could not be copied.</source>
        <translation>ディスクをコピーできませんでした。</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found</source>
        <translation>CD/DVD ライターが見つかりません</translation>
    </message>
    <message>
        <source>Connect a CD/DVD drive with the disc to copy in it, then press Start again.</source>
        <translation>コピーするディスクを CD/DVD ドライブに入れてから、もう一度「開始」を押してください。</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
</context>
<context>
    <name>ChecksumJob</name>
    <message>
        <source>The %1 checksum matches %2.</source>
        <translation>%1 チェックサムは %2 と一致します。</translation>
    </message>
    <message>
        <source>The %1 checksum does not match %2: the image is damaged or not the one published.</source>
        <translation>%1 チェックサムが %2 と一致しません。イメージが破損しているか、公開されたものではありません。</translation>
    </message>
    <message>
        <source>No %1 checksum of this image lies beside it to compare with.</source>
        <translation>このイメージの横に比較用の %1 チェックサムがありません。</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>イメージ %1 を読み込めません。</translation>
    </message>
    <message>
        <source>Reading %1 failed: %2</source>
        <translation>%1 の読み取りに失敗しました: %2</translation>
    </message>
    <message>
        <source>Computing the %1 checksum...</source>
        <translation>%1 チェックサムを計算しています...</translation>
    </message>
</context>
<context>
    <name>CommDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>No file manager could be opened. The folder is:
%1</source>
        <translation>ファイルマネージャーを開けませんでした。フォルダーの場所:
%1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Stopped; nothing incomplete was left behind.</source>
        <translation>停止しました。不完全なものは残っていません。</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 はフォルダーです。イメージのファイル名を指定してください。</translation>
    </message>
    <message>
        <source>%1 already exists. Add --force to replace it.</source>
        <translation>%1 は既に存在します。置き換えるには --force を追加してください。</translation>
    </message>
    <message>
        <source>The image %1 does not exist.</source>
        <translation>イメージ %1 は存在しません。</translation>
    </message>
    <message>
        <source>%1 is not an image file.</source>
        <translation>%1 はイメージファイルではありません。</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>イメージ %1 を読み込めません。</translation>
    </message>
    <message>
        <source>Usage: quillon extract IMAGE TARGET [ITEM...]</source>
        <translation>使い方: quillon extract IMAGE TARGET [ITEM...]</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 はフォルダーではありません。</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>停止しました。</translation>
    </message>
    <message>
        <source>%1 is not in the image.</source>
        <translation>%1 はイメージ内にありません。</translation>
    </message>
    <message>
        <source>The image holds no files.</source>
        <translation>イメージにファイルがありません。</translation>
    </message>
    <message>
        <source>These files already exist in %1. Add --force to replace them:
%2</source>
        <translation>次のファイルは %1 に既に存在します。置き換えるには --force を追加してください:
%2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>フォルダー %1 を作成できません。</translation>
    </message>
    <message>
        <source>Extracted %1 items to %2.</source>
        <translation>%1 個の項目を %2 に展開しました。</translation>
    </message>
    <message>
        <source>The items could not be extracted.</source>
        <translation>項目を展開できませんでした。</translation>
    </message>
    <message>
        <source>Usage: quillon create --output IMAGE [--label LABEL] SOURCE...</source>
        <translation>使い方: quillon create --output IMAGE [--label LABEL] SOURCE...</translation>
    </message>
    <message>
        <source>Unknown image type %1: use joliet, iso9660 or udf.</source>
        <translation>不明なイメージの種類 %1 です。joliet、iso9660、udf のいずれかを指定してください。</translation>
    </message>
    <message>
        <source>The working folder could not be created below %1.</source>
        <translation>%1 の下に作業フォルダーを作成できませんでした。</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 は存在しません。</translation>
    </message>
    <message>
        <source>%1 cannot be added: another item has its name, it cannot be read, or it holds a backslash in a name.</source>
        <translation>%1 を追加できません: 同じ名前の項目が既にあるか、読み込めないか、名前にバックスラッシュが含まれています。</translation>
    </message>
    <message>
        <source>Files of 4 GiB or more show their true size only in the image&apos;s UDF tree.</source>
        <translation>4 GiB 以上のファイルは、イメージの UDF ツリーでのみ実際のサイズが表示されます。</translation>
    </message>
    <message>
        <source>Created %1 (%2 bytes).</source>
        <translation>%1 を作成しました (%2 バイト)。</translation>
    </message>
    <message>
        <source>The ISO file could not be created.</source>
        <translation>ISO ファイルを作成できませんでした。</translation>
    </message>
    <message>
        <source>Usage: quillon edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]... [--rename /PATH=NEWNAME]...</source>
        <translation>使い方: quillon edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]... [--rename /PATH=NEWNAME]...</translation>
    </message>
    <message>
        <source>--add needs SOURCE=/PATH/IN/IMAGE, not %1.</source>
        <translation>--add には %1 ではなく SOURCE=/PATH/IN/IMAGE を指定してください。</translation>
    </message>
    <message>
        <source>--rename needs /PATH=NEWNAME, not %1.</source>
        <translation>--rename には %1 ではなく /PATH=NEWNAME を指定してください。</translation>
    </message>
    <message>
        <source>The image has no folder %1.</source>
        <translation>イメージにフォルダー %1 がありません。</translation>
    </message>
    <message>
        <source>%1 cannot be added: it cannot be read, it holds a backslash in a name, or it links back to a folder that holds it.</source>
        <translation>%1 を追加できません: 読み込めないか、名前にバックスラッシュが含まれているか、それ自体を含むフォルダーへのリンクになっています。</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 を保存しました。</translation>
    </message>
    <message>
        <source>The ISO file could not be saved.</source>
        <translation>ISO ファイルを保存できませんでした。</translation>
    </message>
    <message>
        <source>No CD/DVD recorder %1 found. quillon list-drives shows the recorders.</source>
        <translation>CD/DVD ライター %1 が見つかりません。quillon list-drives でライターを一覧表示できます。</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>ディスクへの書き込みが完了しました。</translation>
    </message>
    <message>
        <source>The disc could not be burned.</source>
        <translation>ディスクに書き込めませんでした。</translation>
    </message>
    <message>
        <source>--allow-loop-device is for tests and only accepted as root.</source>
        <translation>--allow-loop-device はテスト用で、root としてのみ使用できます。</translation>
    </message>
    <message>
        <source>%1 is not a USB disk. quillon list-drives shows the USB disks.</source>
        <translation>%1 は USB ディスクではありません。quillon list-drives で USB ディスクを一覧表示できます。</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>空き容量が不足しています。より大容量の USB または CD/DVD を使ってください。</translation>
    </message>
    <message>
        <source>Unknown file system %1: use FAT32, NTFS, exFAT or FAT.</source>
        <translation>不明なファイルシステム %1 です。FAT32、NTFS、exFAT、FAT のいずれかを指定してください。</translation>
    </message>
    <message>
        <source>All data on %1 will be deleted. Continue?</source>
        <translation>%1 のすべてのデータが消去されます。続行しますか?</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>何も書き込んでいません。</translation>
    </message>
    <message>
        <source>Usage: quillon copy-disc DRIVE --output IMAGE</source>
        <translation>使い方: quillon copy-disc DRIVE --output IMAGE</translation>
    </message>
    <message>
        <source>Copied the disc to %1.</source>
        <translation>ディスクを %1 にコピーしました。</translation>
    </message>
    <message>
        <source>The disc could not be read.</source>
        <translation>ディスクを読み込めませんでした。</translation>
    </message>
    <message>
        <source>The recorder&apos;s bus scan did not end within %1 seconds.</source>
        <translation>ライターのバススキャンが %1 秒以内に終了しませんでした。</translation>
    </message>
    <message>
        <source>No USB disk found — plug one in.</source>
        <translation>USB ディスクが見つかりません。USB ディスクを接続してください。</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found.</source>
        <translation>CD/DVD ライターが見つかりません。</translation>
    </message>
    <message>
        <source>Unknown page %1: use burn, extract, create, edit or copy-disc.</source>
        <translation>不明なページ %1 です。burn、extract、create、edit、copy-disc のいずれかを指定してください。</translation>
    </message>
    <message>
        <source>quillon --help shows the usage.</source>
        <translation>使い方は quillon --help で表示できます。</translation>
    </message>
    <message>
        <source>The new image will not keep: %1</source>
        <translation>新しいイメージには次のものが保持されません: %1</translation>
    </message>
    <message>
        <source>Usage: quillon burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT] [--label LABEL] [--yes]
       quillon burn IMAGE --disc RECORDER</source>
        <translation>使い方: quillon burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT] [--label LABEL] [--yes]
        quillon burn IMAGE --disc RECORDER</translation>
    </message>
    <message>
        <source>Unknown partition style %1: use mbr, gpt or image.</source>
        <translation>不明なパーティション形式です: %1。mbr、gpt、image のいずれかを指定してください。</translation>
    </message>
    <message>
        <source>Usage: quillon [IMAGE]
       quillon --page burn|extract|create|edit|copy-disc [IMAGE]
       quillon SUBCOMMAND ...

Without a subcommand the window starts, with IMAGE open on the Extract page (or on the page
--page names). The subcommands run the same jobs without a display:

  extract IMAGE TARGET [ITEM...]      extract the items (everything when none) into TARGET
  create --output IMAGE [--label LABEL] [--type joliet|iso9660|udf] SOURCE...
                                      build an image from files and folders
  edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]...
       [--rename /PATH=NEWNAME]...    save a changed copy that boots as the original
  burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT]
       [--label LABEL] [--yes]        make a bootable USB stick (image: write a hybrid
                                      image as it is; file system and label ignored)
  burn IMAGE --disc RECORDER          write the image to a CD/DVD
  copy-disc DRIVE --output IMAGE      read a CD/DVD into an image
  list-drives                         the USB disks and recorders one can burn to
  checksum IMAGE [--sha256|--sha1|--md5]
                                      the image&apos;s checksum (SHA-256 unless named), compared
                                      with SHA256SUMS or IMAGE.sha256 (and the like) beside it

Options:
  --force               replace an existing output file (extract: existing files)
  --yes                 write to the USB disk without asking
  --allow-loop-device   accept a loop device as a USB disk (tests; root only)
  -h, --help            show this help
  -v, --version         show the version

Progress goes to standard error, results to standard output (checksum: the sum as sha256sum
prints it, the comparison on standard error). The exit status is 0 only when the job&apos;s own
check passed (checksum: 1 when the sum differs from the one beside the image); Ctrl+C stops
the job and removes partial output.</source>
        <translation>使い方: quillon [IMAGE]
        quillon --page burn|extract|create|edit|copy-disc [IMAGE]
        quillon SUBCOMMAND ...

サブコマンドを指定しない場合はウィンドウが開き、IMAGE が「抽出」ページ (または --page で指定した
ページ) で開かれます。サブコマンドは同じジョブを画面なしで実行します:

  extract IMAGE TARGET [ITEM...]      項目 (指定がなければすべて) を TARGET に抽出
  create --output IMAGE [--label LABEL] [--type joliet|iso9660|udf] SOURCE...
                                      ファイルとフォルダーからイメージを作成
  edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]...
       [--rename /PATH=NEWNAME]...    元のイメージと同様に起動する変更済みコピーを保存
  burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT]
       [--label LABEL] [--yes]        起動可能な USB メモリーを作成 (image: ハイブリッド
                                      イメージをそのまま書き込み、ファイルシステムとラベルは無視)
  burn IMAGE --disc RECORDER          イメージを CD/DVD に書き込む
  copy-disc DRIVE --output IMAGE      CD/DVD を読み取ってイメージにする
  list-drives                         書き込み先として使える USB ディスクとライターを表示
  checksum IMAGE [--sha256|--sha1|--md5]
                                      イメージのチェックサム (指定がなければ SHA-256)。横にある
                                      SHA256SUMS や IMAGE.sha256 (など) と比較します

オプション:
  --force               既存の出力ファイルを置き換える (extract: 既存のファイル)
  --yes                 確認せずに USB ディスクに書き込む
  --allow-loop-device   ループデバイスを USB ディスクとして受け付ける (テスト用、root のみ)
  -h, --help            このヘルプを表示
  -v, --version         バージョンを表示

進行状況は標準エラー出力に、結果は標準出力に出ます (checksum: sha256sum と同じ形式の合計値、比較は標準エラー出力)。
終了ステータスはジョブ自身の確認に合格したときだけ 0 です (checksum: 合計値がイメージの横のものと異なるときは 1)。
Ctrl+C でジョブを停止し、途中までの出力を削除します。</translation>
    </message>
    <message>
        <source>Usage: quillon checksum IMAGE [--sha256|--sha1|--md5]</source>
        <translation>使い方: quillon checksum IMAGE [--sha256|--sha1|--md5]</translation>
    </message>
</context>
<context>
    <name>CreateImageJob</name>
    <message>
        <source>Copy files and folders...</source>
        <translation>ファイルとフォルダーをコピーしています...</translation>
    </message>
    <message>
        <source>These files could not be copied into the working folder, so no image was created (unreadable files, or a full disk?):
%1</source>
        <translation>次のファイルを作業フォルダーにコピーできなかったため、イメージは作成されませんでした (読み込めないファイルがあるか、ディスクがいっぱいの可能性があります):
%1</translation>
    </message>
</context>
<context>
    <name>DiscBurnJob</name>
    <message>
        <source>There is no disc in the drive.</source>
        <translation>ドライブにディスクがありません。</translation>
    </message>
    <message>
        <source>The disc in the drive cannot be written: it is not blank, or not a kind of disc this drive can write.</source>
        <translation>ドライブ内のディスクに書き込めません。空のディスクではないか、このドライブで書き込めない種類のディスクです。</translation>
    </message>
    <message>
        <source>Writing to the disc failed.</source>
        <translation>ディスクへの書き込みに失敗しました。</translation>
    </message>
    <message>
        <source>The recorder ended abnormally.</source>
        <translation>書き込みツールが異常終了しました。</translation>
    </message>
    <message>
        <source>The recorder ended with exit status %1.</source>
        <translation>書き込みツールが終了ステータス %1 で終了しました。</translation>
    </message>
</context>
<context>
    <name>EditSession</name>
    <message>
        <source>Copy files and directories...</source>
        <translation>ファイルとフォルダーをコピーしています...</translation>
    </message>
    <message>
        <source>7-Zip ended with exit status %1.</source>
        <translation>7-Zip が終了ステータス %1 で終了しました。</translation>
    </message>
    <message>
        <source>The image %1 could not be opened: %2</source>
        <translation>イメージ %1 を開けませんでした: %2</translation>
    </message>
    <message>
        <source>The extraction did not complete.</source>
        <translation>抽出が完了しませんでした。</translation>
    </message>
    <message>
        <source>Please enter a name.</source>
        <translation>名前を入力してください。</translation>
    </message>
    <message>
        <source>A name cannot contain / or \.</source>
        <translation>名前に / や \ は使えません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists in this folder.</source>
        <translation>「%1」はこのフォルダーに既に存在します。</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>ISO を抽出しています...</translation>
    </message>
    <message>
        <source>The image was not extracted completely: %1</source>
        <translation>イメージを完全には抽出できませんでした: %1</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 はフォルダーです。イメージのファイル名を指定してください。</translation>
    </message>
    <message>
        <source>Please save the image under another name, outside the program&apos;s working folder.</source>
        <translation>イメージは別の名前で、プログラムの作業フォルダー以外の場所に保存してください。</translation>
    </message>
    <message>
        <source>Saving ISO file...</source>
        <translation>ISO ファイルを保存しています...</translation>
    </message>
    <message>
        <source>These items are missing from the working folder, so the image would lack them:
%1</source>
        <translation>次の項目が作業フォルダーにないため、イメージに含まれません:
%1</translation>
    </message>
    <message>
        <source>These items could not be copied:
%1</source>
        <translation>次の項目をコピーできませんでした:
%1</translation>
    </message>
    <message>
        <source>The compressed (zisofs) files could not be unpacked: %1</source>
        <translation>圧縮 (zisofs) ファイルを展開できませんでした: %1</translation>
    </message>
    <message>
        <source>These links could not be made: %1</source>
        <translation>次のリンクを作成できませんでした: %1</translation>
    </message>
    <message>
        <source>the original&apos;s boot setup for disks (its MBR or GPT system area)</source>
        <translation>元のイメージのディスク用ブート設定 (MBR または GPT のシステム領域)</translation>
    </message>
    <message>
        <source>symbolic links and compressed files, if it has any (xorriso is not installed)</source>
        <translation>シンボリックリンクと圧縮ファイル (ある場合。xorriso がインストールされていません)</translation>
    </message>
    <message>
        <source>genisoimage: the image has no system area, so UDF and Joliet are written as before.</source>
        <translation>genisoimage: イメージにシステム領域がないため、UDF と Joliet は元のとおり書き込まれます。</translation>
    </message>
    <message>
        <source>genisoimage: the image has a UDF tree, which only genisoimage writes.</source>
        <translation>genisoimage: イメージに UDF ツリーがあり、これを書き込めるのは genisoimage だけです。</translation>
    </message>
    <message>
        <source>genisoimage: files of 4 GiB or more need its UDF tree.</source>
        <translation>genisoimage: 4 GiB 以上のファイルには UDF ツリーが必要です。</translation>
    </message>
    <message>
        <source>genisoimage: xorriso, which keeps the system area, is not installed.</source>
        <translation>genisoimage: システム領域を保持できる xorriso がインストールされていません。</translation>
    </message>
    <message>
        <source>genisoimage: the names 7-Zip reads differ from the image&apos;s Rock Ridge names.</source>
        <translation>genisoimage: 7-Zip が読み取る名前がイメージの Rock Ridge 名と異なります。</translation>
    </message>
    <message>
        <source>xorriso: it replays the image&apos;s boot setup and system area, so the copy boots from a disk as the original does.</source>
        <translation>xorriso: イメージのブート設定とシステム領域を再現するため、コピーは元のイメージと同様にディスクから起動します。</translation>
    </message>
    <message>
        <source>The saved image cannot be read.</source>
        <translation>保存したイメージを読み取れません。</translation>
    </message>
    <message>
        <source>The saved image&apos;s system area (%1) differs from the original&apos;s (%2).</source>
        <translation>保存したイメージのシステム領域 (%1) が元のイメージのもの (%2) と異なります。</translation>
    </message>
    <message>
        <source>These items were not exported: the folder holds a folder where a file would go, a file where a folder would go, or the image being edited:
%1</source>
        <translation>次の項目はエクスポートされませんでした。フォルダーに、ファイルを置く場所にフォルダーが、フォルダーを置く場所にファイルが、または編集中のイメージがあります:
%1</translation>
    </message>
</context>
<context>
    <name>ExtractJob</name>
    <message>
        <source>7-Zip stopped unexpectedly.</source>
        <translation>7-Zip が予期せず停止しました。</translation>
    </message>
    <message>
        <source>7-Zip ended with exit code %1.</source>
        <translation>7-Zip が終了コード %1 で終了しました。</translation>
    </message>
    <message>
        <source>7-Zip did not confirm the extraction.</source>
        <translation>7-Zip から抽出完了の確認がありませんでした。</translation>
    </message>
    <message>
        <source>Not extracted: %1</source>
        <translation>抽出されなかった項目: %1</translation>
    </message>
    <message>
        <source>Could not be moved into the output folder: %1</source>
        <translation>出力フォルダーに移動できなかった項目: %1</translation>
    </message>
    <message>
        <source>Left as they were in the output folder: %1</source>
        <translation>出力フォルダー内でそのままにした項目: %1</translation>
    </message>
    <message>
        <source>Nothing was selected.</source>
        <translation>何も選択されていません。</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>フォルダー %1 は存在しません。</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>フォルダー %1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>7-Zip could not be started (%1): %2</source>
        <translation>7-Zip を起動できませんでした (%1): %2</translation>
    </message>
    <message>
        <source>Copying files! Please wait a few seconds..</source>
        <translation>ファイルをコピーしています。しばらくお待ちください...</translation>
    </message>
    <message>
        <source>Extracting files: </source>
        <translation>ファイルを抽出中: </translation>
    </message>
    <message>
        <source>Extracting files...</source>
        <translation>ファイルを抽出しています...</translation>
    </message>
    <message>
        <source>Cannot write the list of items to extract: %1</source>
        <translation>抽出する項目の一覧を書き込めません: %1</translation>
    </message>
    <message>
        <source>This image holds symbolic links or compressed (zisofs) files, which only xorriso restores, and xorriso is not installed (package xorriso); links may have arrived as empty files.</source>
        <translation>このイメージにはシンボリックリンクまたは圧縮 (zisofs) ファイルがあり、これらを復元できるのは xorriso だけですが、xorriso がインストールされていません (パッケージ xorriso)。リンクは空のファイルとして展開された可能性があります。</translation>
    </message>
    <message>
        <source>Restoring links and compressed files...</source>
        <translation>リンクと圧縮ファイルを復元しています...</translation>
    </message>
    <message>
        <source>xorriso could not read the image&apos;s Rock Ridge tree, so its links and compressed (zisofs) files could not be restored: %1</source>
        <translation>xorriso がイメージの Rock Ridge ツリーを読み取れなかったため、リンクと圧縮 (zisofs) ファイルを復元できませんでした: %1</translation>
    </message>
    <message>
        <source>These symbolic links could not be made: %1</source>
        <translation>次のシンボリックリンクを作成できませんでした: %1</translation>
    </message>
    <message>
        <source>These links would point into Quillon&apos;s working folder and were left out: %1</source>
        <translation>次のリンクは Quillon の作業フォルダーを指すため、除外しました: %1</translation>
    </message>
    <message>
        <source>These compressed (zisofs) files could not be unpacked: %1</source>
        <translation>次の圧縮 (zisofs) ファイルを展開できませんでした: %1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーの選択</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>ファイルの保存</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
</context>
<context>
    <name>GerneralDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>IsoBuildJob</name>
    <message>
        <source>Creating ISO file...</source>
        <translation>ISO ファイルを作成しています...</translation>
    </message>
    <message>
        <source>The ISO file could not be created.</source>
        <translation>ISO ファイルを作成できませんでした。</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>フォルダー %1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>The ISO file could not be saved as %1.</source>
        <translation>ISO ファイルを %1 として保存できませんでした。</translation>
    </message>
    <message>
        <source>The image builder stopped unexpectedly.</source>
        <translation>イメージ作成処理が予期せず停止しました。</translation>
    </message>
    <message>
        <source>The image file is incomplete: %1 bytes written, %2 bytes expected.</source>
        <translation>イメージファイルが不完全です: %1 バイト書き込まれましたが、%2 バイト必要です。</translation>
    </message>
</context>
<context>
    <name>JobProgress</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>残り %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
</context>
<context>
    <name>JobSequence</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ListingJob</name>
    <message>
        <source>The file %1 is not an ISO or UDF image.</source>
        <translation>ファイル %1 は ISO または UDF イメージではありません。</translation>
    </message>
    <message>
        <source>The file %1 is not an ISO or UDF image: 7-Zip reads it as a %2 archive.</source>
        <translation>ファイル %1 は ISO または UDF イメージではありません。7-Zip は %2 アーカイブとして読み取ります。</translation>
    </message>
    <message>
        <source>The image %1 could not be read. It may not be an ISO image, or it may be damaged.</source>
        <translation>イメージ %1 を読み取れませんでした。ISO イメージではないか、破損している可能性があります。</translation>
    </message>
    <message>
        <source>The image %1 could not be read: 7-Zip could not be started (%2): %3</source>
        <translation>イメージ %1 を読み取れませんでした: 7-Zip を起動できませんでした (%2): %3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Burn</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Make bootable USB or DVD/CD from ISO</source>
        <translation>ISO から起動可能な USB や DVD/CD を作成</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>抽出</translation>
    </message>
    <message>
        <source>Extract content from ISO</source>
        <translation>ISO から内容を抽出</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>作成</translation>
    </message>
    <message>
        <source>Create ISO from files or folders</source>
        <translation>ファイルやフォルダーから ISO を作成</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>
 Add, delete, rename 
 content in ISO file</source>
        <translation>
 ISO ファイルの内容を 
 追加・削除・名前変更</translation>
    </message>
    <message>
        <source>Copy Disk</source>
        <translation>ディスクのコピー</translation>
    </message>
    <message>
        <source>
 Make ISO file from 
 CD/DVD disc</source>
        <translation>
 CD/DVD ディスクから 
 ISO ファイルを作成</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英語</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中国語</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>French</source>
        <translation>フランス語</translation>
    </message>
    <message>
        <source>German</source>
        <translation>ドイツ語</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>スペイン語</translation>
    </message>
    <message>
        <source>Portugues</source>
        <translation>ポルトガル語</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>ポーランド語</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>イタリア語</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>ロシア語</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>オランダ語</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>スウェーデン語</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>CTRL+H</source>
        <translation>CTRL+H</translation>
    </message>
    <message>
        <source>About Us(&amp;U)</source>
        <translation>このソフトについて(&amp;U)</translation>
    </message>
    <message>
        <source>CTRL+U</source>
        <translation>CTRL+U</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>CTRL+E</source>
        <translation>CTRL+E</translation>
    </message>
    <message>
        <source>https://github.com/quillon-iso/quillon#readme</source>
        <translation>https://github.com/quillon-iso/quillon#readme</translation>
    </message>
    <message>
        <source>The image %1 does not exist.</source>
        <translation>イメージ %1 は存在しません。</translation>
    </message>
    <message>
        <source>%1 is not an image file.</source>
        <translation>%1 はイメージファイルではありません。</translation>
    </message>
    <message>
        <source>A job is still running. Stop it and close the program?</source>
        <translation>ジョブがまだ実行中です。停止してプログラムを終了しますか?</translation>
    </message>
    <message>
        <source>Recent Images(&amp;R)</source>
        <translation>最近使ったイメージ(&amp;R)</translation>
    </message>
    <message>
        <source>No recent images</source>
        <translation>最近使ったイメージはありません</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>一覧を消去</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>No web browser could be opened. The address is:
%1</source>
        <translation>Web ブラウザーを開けませんでした。アドレス:
%1</translation>
    </message>
</context>
<context>
    <name>Mkfs</name>
    <message numerus="yes">
        <source>a %1 label holds at most %n characters</source>
        <translation>
            <numerusform>%1 のラベルは最大 %n 文字です</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 does not allow these characters in a label: %2</source>
        <translation>%1 ではラベルに次の文字を使用できません: %2</translation>
    </message>
</context>
<context>
    <name>PageWindow</name>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 は既に存在します。置き換えますか?</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 is not a disk or partition.</source>
        <translation>%1 はディスクでもパーティションでもありません。</translation>
    </message>
    <message>
        <source>The system does not know %1.</source>
        <translation>システムは %1 を認識していません。</translation>
    </message>
    <message>
        <source>The disk of %1 (%2) has no device node.</source>
        <translation>%1 (%2) のディスクにデバイスノードがありません。</translation>
    </message>
    <message>
        <source>%1 is not a drive.</source>
        <translation>%1 はドライブではありません。</translation>
    </message>
</context>
<context>
    <name>ReadDiscJob</name>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 はフォルダーです。</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>フォルダー %1 は存在しません。</translation>
    </message>
    <message>
        <source>%1 cannot be written to.</source>
        <translation>%1 に書き込めません。</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>フォルダー %1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>There is no readable disc in the drive.</source>
        <translation>ドライブに読み取れるディスクがありません。</translation>
    </message>
    <message>
        <source>A part of the disc cannot be read.</source>
        <translation>ディスクの一部を読み取れません。</translation>
    </message>
    <message>
        <source>Permission denied: the drive or the image file cannot be opened.</source>
        <translation>アクセスが拒否されました。ドライブまたはイメージファイルを開けません。</translation>
    </message>
    <message>
        <source>The reader ended abnormally.</source>
        <translation>読み取りツールが異常終了しました。</translation>
    </message>
    <message>
        <source>The reader ended with exit status %1.</source>
        <translation>読み取りツールが終了ステータス %1 で終了しました。</translation>
    </message>
    <message>
        <source>The reader did not say how large the disc is.</source>
        <translation>読み取りツールからディスクのサイズが返されませんでした。</translation>
    </message>
    <message>
        <source>The image is incomplete: %1 of %2 bytes were read.</source>
        <translation>イメージが不完全です: %2 バイト中 %1 バイトを読み取りました。</translation>
    </message>
    <message>
        <source>The image could not be put in place of %1.</source>
        <translation>イメージで %1 を置き換えられませんでした。</translation>
    </message>
</context>
<context>
    <name>RockRidge</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 がありません</translation>
    </message>
    <message>
        <source>%1 is no longer a link</source>
        <translation>%1 はリンクではなくなっています</translation>
    </message>
    <message>
        <source>%1 points to %2 instead of %3</source>
        <translation>%1 は %3 ではなく %2 を指しています</translation>
    </message>
    <message>
        <source>%1 is of another kind</source>
        <translation>%1 の種類が異なります</translation>
    </message>
    <message>
        <source>%1 has %2 bytes instead of %3</source>
        <translation>%1 は %3 バイトではなく %2 バイトです</translation>
    </message>
    <message>
        <source>The saved image does not hold what the edit shows:
%1</source>
        <translation>保存したイメージの内容が編集内容と一致しません:
%1</translation>
    </message>
</context>
<context>
    <name>ScanbusJob</name>
    <message>
        <source>The disc recorder did not finish looking for drives within %1 seconds; no disc drive is listed.</source>
        <translation>ディスクライターが %1 秒以内にドライブの検索を完了しなかったため、ディスクドライブは表示されません。</translation>
    </message>
</context>
<context>
    <name>ToolJob</name>
    <message>
        <source>%1 ended abnormally.</source>
        <translation>%1 が異常終了しました。</translation>
    </message>
    <message>
        <source>%1 ended with exit status %2.</source>
        <translation>%1 が終了ステータス %2 で終了しました。</translation>
    </message>
    <message>
        <source>Could not start %1.</source>
        <translation>%1 を起動できませんでした。</translation>
    </message>
    <message>
        <source>Install the package %1.</source>
        <translation>パッケージ %1 をインストールしてください。</translation>
    </message>
</context>
<context>
    <name>UsbBurnJob</name>
    <message>
        <source>USB burn</source>
        <translation>USB への書き込み</translation>
    </message>
    <message>
        <source>%1 is missing (install the package %2).</source>
        <translation>%1 が見つかりません (パッケージ %2 をインストールしてください)。</translation>
    </message>
    <message>
        <source>The image %1 does not exist.</source>
        <translation>イメージ %1 は存在しません。</translation>
    </message>
    <message>
        <source>Unknown file system &quot;%1&quot;.</source>
        <translation>不明なファイルシステム「%1」です。</translation>
    </message>
    <message>
        <source>%1 is not a USB disk this page lists; it was left alone.</source>
        <translation>%1 はこのページの一覧にある USB ディスクではないため、何も変更していません。</translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1.</source>
        <translation>%1 に作業フォルダーを作成できません。</translation>
    </message>
    <message>
        <source>The image could not be read. %1</source>
        <translation>イメージを読み取れませんでした。%1</translation>
    </message>
    <message>
        <source>the image has no EFI/BOOT/BOOTX64.EFI</source>
        <translation>イメージに EFI/BOOT/BOOTX64.EFI がありません</translation>
    </message>
    <message>
        <source>UEFI firmware reads FAT file systems only</source>
        <translation>UEFI ファームウェアは FAT ファイルシステムしか読めません</translation>
    </message>
    <message>
        <source>The image needs %1 on the USB disk, which holds %2; nothing was written.</source>
        <translation>イメージには USB ディスク上に %1 必要ですが、容量は %2 です。何も書き込んでいません。</translation>
    </message>
    <message>
        <source>Checking the request</source>
        <translation>要求を確認しています</translation>
    </message>
    <message>
        <source>Reading the image</source>
        <translation>イメージを読み取っています</translation>
    </message>
    <message>
        <source>Reading the image...</source>
        <translation>イメージを読み取っています...</translation>
    </message>
    <message>
        <source>Preparing the burn</source>
        <translation>書き込みを準備しています</translation>
    </message>
    <message>
        <source>Copying the files</source>
        <translation>ファイルをコピーしています</translation>
    </message>
    <message>
        <source>7-Zip ended with exit status %1.</source>
        <translation>7-Zip が終了ステータス %1 で終了しました。</translation>
    </message>
    <message>
        <source>Taking out the install image</source>
        <translation>インストールイメージを取り出しています</translation>
    </message>
    <message>
        <source>There is no room for the install image (%1) in %2: %3 free.</source>
        <translation>%2 にインストールイメージ (%1) を置く空きがありません: 空き %3。</translation>
    </message>
    <message>
        <source>Splitting the install image</source>
        <translation>インストールイメージを分割しています</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the image are missing or incomplete on the USB disk: %1</source>
        <translation>
            <numerusform>USB ディスク上でイメージのファイル %n 個が欠けているか不完全です: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The USB disk starts on UEFI only: %1.</source>
        <translation>USB ディスクは UEFI でのみ起動します: %1。</translation>
    </message>
    <message>
        <source>Neither BIOS nor UEFI can start from the USB disk: %1; %2.</source>
        <translation>BIOS も UEFI も USB ディスクから起動できません: %1、%2。</translation>
    </message>
    <message>
        <source>UEFI cannot start from the USB disk: %1.</source>
        <translation>UEFI は USB ディスクから起動できません: %1。</translation>
    </message>
    <message>
        <source>Burning failed. %1</source>
        <translation>書き込みに失敗しました。%1</translation>
    </message>
    <message>
        <source>Burning was stopped.</source>
        <translation>書き込みを中止しました。</translation>
    </message>
    <message>
        <source>The USB disk is incomplete and still mounted at %1.</source>
        <translation>USB ディスクは不完全で、まだ %1 にマウントされています。</translation>
    </message>
    <message>
        <source>The USB disk is incomplete.</source>
        <translation>USB ディスクは不完全です。</translation>
    </message>
    <message>
        <source>The USB disk was not changed.</source>
        <translation>USB ディスクは変更されていません。</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>何も書き込んでいません。</translation>
    </message>
    <message>
        <source>FAT on this system goes through fusefat, which cannot write the name &quot;%1&quot;; choose NTFS or exFAT. Nothing was written.</source>
        <translation>このシステムの FAT は fusefat 経由のため、名前「%1」を書き込めません。NTFS または exFAT を選んでください。何も書き込んでいません。</translation>
    </message>
    <message>
        <source>the image has no loader a BIOS can start from a USB disk</source>
        <translation>イメージに BIOS が USB ディスクから起動できるローダーがありません</translation>
    </message>
    <message>
        <source>Unmounting the USB disk</source>
        <translation>USB ディスクをアンマウントしています</translation>
    </message>
    <message>
        <source>Unmounting the USB disk...</source>
        <translation>USB ディスクをアンマウントしています...</translation>
    </message>
    <message>
        <source>Formatting the USB disk</source>
        <translation>USB ディスクをフォーマットしています</translation>
    </message>
    <message>
        <source>Mounting the USB disk</source>
        <translation>USB ディスクをマウントしています</translation>
    </message>
    <message>
        <source>Mounting the USB disk...</source>
        <translation>USB ディスクをマウントしています...</translation>
    </message>
    <message>
        <source>Preparing the boot code</source>
        <translation>ブートコードを準備しています</translation>
    </message>
    <message>
        <source>Building the boot code</source>
        <translation>ブートコードを生成しています</translation>
    </message>
    <message>
        <source>Installing the boot code</source>
        <translation>ブートコードをインストールしています</translation>
    </message>
    <message>
        <source>grub-bios-setup is missing (install the package grub-pc-bin).</source>
        <translation>grub-bios-setup が見つかりません (パッケージ grub-pc-bin をインストールしてください)。</translation>
    </message>
    <message>
        <source>Cannot write the boot code&apos;s files to the USB disk.</source>
        <translation>ブートコードのファイルを USB ディスクに書き込めません。</translation>
    </message>
    <message>
        <source>Writing the last data to the USB disk...</source>
        <translation>残りのデータを USB ディスクに書き込んでいます...</translation>
    </message>
    <message>
        <source>Checking the file system</source>
        <translation>ファイルシステムを確認しています</translation>
    </message>
    <message>
        <source>Checking the USB disk...</source>
        <translation>USB ディスクを確認しています...</translation>
    </message>
    <message>
        <source>The file system on the USB disk is not clean: %1</source>
        <translation>USB ディスクのファイルシステムにエラーがあります: %1</translation>
    </message>
    <message>
        <source>Checking the label</source>
        <translation>ラベルを確認しています</translation>
    </message>
    <message>
        <source>The volume label cannot contain %1.</source>
        <translation>ボリュームラベルに %1 は使えません。</translation>
    </message>
    <message>
        <source>Burning the USB disk...</source>
        <translation>USB ディスクに書き込んでいます...</translation>
    </message>
    <message>
        <source>Extract the wim file ...</source>
        <translation>WIM ファイルを抽出しています...</translation>
    </message>
    <message>
        <source>Process the wim file larger than 4 GB...</source>
        <translation>4 GB を超える WIM ファイルを処理しています...</translation>
    </message>
    <message>
        <source>Burning Successfully...</source>
        <translation>書き込みが完了しました...</translation>
    </message>
    <message>
        <source>The USB disk is under formating...</source>
        <translation>USB ディスクをフォーマットしています...</translation>
    </message>
    <message>
        <source>The USB disk is installing bootsect...</source>
        <translation>ブートセクターをインストールしています...</translation>
    </message>
    <message>
        <source>%1 is a partition; choose the whole USB disk.</source>
        <translation>%1 はパーティションです。USB ディスク全体を選んでください。</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>イメージ %1 を読み込めません。</translation>
    </message>
    <message>
        <source>The image has no partition table of its own, so written as it is it would not start; choose MBR or GPT instead. Nothing was written.</source>
        <translation>イメージに独自のパーティションテーブルがないため、そのまま書き込んでも起動しません。代わりに MBR または GPT を選んでください。何も書き込んでいません。</translation>
    </message>
    <message>
        <source>The volume label &quot;%1&quot; cannot be used: %2. Nothing was written.</source>
        <translation>ボリュームラベル &quot;%1&quot; は使用できません: %2。何も書き込んでいません。</translation>
    </message>
    <message>
        <source>%1 cannot hold these names of the image apart, or refuses them: %2. Nothing was written.</source>
        <translation>%1 ではイメージの次の名前を区別できないか、使用できません: %2。何も書き込んでいません。</translation>
    </message>
    <message>
        <source>The USB disk can be removed.</source>
        <translation>USB ディスクを取り外せます。</translation>
    </message>
    <message>
        <source>Erasing the USB disk</source>
        <translation>USB ディスクを消去しています</translation>
    </message>
    <message>
        <source>Writing the partition table</source>
        <translation>パーティションテーブルを書き込んでいます</translation>
    </message>
    <message>
        <source>The new partition did not appear.</source>
        <translation>新しいパーティションが現れませんでした。</translation>
    </message>
    <message>
        <source>neither the image nor its El Torito EFI image has EFI/BOOT/BOOTX64.EFI</source>
        <translation>イメージにもその El Torito EFI イメージにも EFI/BOOT/BOOTX64.EFI がありません</translation>
    </message>
    <message>
        <source>Cannot copy %1 of the El Torito EFI image to the USB disk.</source>
        <translation>El Torito EFI イメージの %1 を USB ディスクにコピーできません。</translation>
    </message>
    <message>
        <source>Reading the UEFI loader</source>
        <translation>UEFI ローダーを読み取っています</translation>
    </message>
    <message>
        <source>Copying the UEFI loader</source>
        <translation>UEFI ローダーをコピーしています</translation>
    </message>
    <message>
        <source>Cannot write the boot menu to the USB disk.</source>
        <translation>ブートメニューを USB ディスクに書き込めません。</translation>
    </message>
    <message>
        <source>Reading the image back</source>
        <translation>イメージを読み戻しています</translation>
    </message>
    <message>
        <source>Reading the USB disk back</source>
        <translation>USB ディスクを読み戻しています</translation>
    </message>
    <message>
        <source>The files on the USB disk differ from the image&apos;s.</source>
        <translation>USB ディスク上のファイルがイメージのファイルと異なります。</translation>
    </message>
    <message>
        <source>Flushing the USB disk</source>
        <translation>USB ディスクにデータを書き出しています</translation>
    </message>
    <message>
        <source>Writing the image...</source>
        <translation>イメージを書き込んでいます...</translation>
    </message>
    <message>
        <source>Writing the image</source>
        <translation>イメージを書き込んでいます</translation>
    </message>
    <message>
        <source>Writing the image as it is is not available on this system; choose MBR or GPT.</source>
        <translation>このシステムではイメージをそのまま書き込むことはできません。MBR または GPT を選択してください。</translation>
    </message>
</context>
<context>
    <name>UsbHelperClient</name>
    <message>
        <source>The USB helper could not be started: %1</source>
        <translation>USB ヘルパーを起動できませんでした: %1</translation>
    </message>
    <message>
        <source>Authorisation was refused.</source>
        <translation>認証が拒否されました。</translation>
    </message>
    <message>
        <source>The USB helper ended unexpectedly (exit status %1). %2</source>
        <translation>USB ヘルパーが予期せず終了しました (終了ステータス %1)。%2</translation>
    </message>
</context>
<context>
    <name>UsbHelperStartStep</name>
    <message>
        <source>Starting the USB helper</source>
        <translation>USB ヘルパーを起動しています</translation>
    </message>
    <message>
        <source>Waiting for authorisation...</source>
        <translation>認証を待っています...</translation>
    </message>
    <message>
        <source>The USB helper answered %1.</source>
        <translation>USB ヘルパーの応答: %1。</translation>
    </message>
</context>
<context>
    <name>UsbHelperStep</name>
    <message>
        <source>The USB helper is not running.</source>
        <translation>USB ヘルパーが実行されていません。</translation>
    </message>
</context>
</TS>
