<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Lumacrest</source>
        <translation>Lumacrest</translation>
    </message>
    <message>
        <source>Free for personal use.</source>
        <translation>個人利用は無料です。</translation>
    </message>
    <message>
        <source>Standard Edition %1</source>
        <translation>スタンダード版 %1</translation>
    </message>
    <message>
        <source>Contact: &lt;a style=&quot;color:#ffffff&quot; href=&quot;mailto:support@lumacrest.invalid&quot;&gt;support@lumacrest.invalid&lt;/a&gt;</source>
        <translation>お問い合わせ: &lt;a style=&quot;color:#ffffff&quot; href=&quot;mailto:support@lumacrest.invalid&quot;&gt;support@lumacrest.invalid&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Web: &lt;a style=&quot;color:#ffffff&quot; href=&quot;https://lumacrest.invalid/&quot;&gt;lumacrest.invalid&lt;/a&gt;</source>
        <translation>Web サイト: &lt;a style=&quot;color:#ffffff&quot; href=&quot;https://lumacrest.invalid/&quot;&gt;lumacrest.invalid&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>AbstractJob</name>
    <message>
        <source>%1 not found</source>
        <translation>%1 が見つかりません</translation>
    </message>
    <message>
        <source>no output file</source>
        <translation>出力ファイルがありません</translation>
    </message>
    <message>
        <source>output file empty</source>
        <translation>出力ファイルが空です</translation>
    </message>
    <message>
        <source>output file not written</source>
        <translation>出力ファイルが書き込まれていません</translation>
    </message>
    <message>
        <source>could not be started</source>
        <translation>起動できませんでした</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>停止されました</translation>
    </message>
    <message>
        <source>crashed</source>
        <translation>クラッシュしました</translation>
    </message>
    <message>
        <source>exit code %1</source>
        <translation>終了コード %1</translation>
    </message>
    <message>
        <source>the output could not be put in place: %1</source>
        <translation>出力を所定の名前にできませんでした: %1</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>No file name was given.</source>
        <translation>ファイル名が指定されていません。</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>通常のファイルではありません。</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Add media file to list</source>
        <translation>先にメディアファイルをリストに追加してください</translation>
    </message>
    <message>
        <source>Lumacrest Project</source>
        <translation>Lumacrest プロジェクト</translation>
    </message>
    <message>
        <source>File missing: %1</source>
        <translation>ファイルがありません: %1</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>通常のファイルではありません: %1</translation>
    </message>
    <message>
        <source>Cannot write a work file: %1</source>
        <translation>作業ファイルを書き込めません: %1</translation>
    </message>
    <message>
        <source>Subtitle file missing: %1</source>
        <translation>字幕ファイルがありません: %1</translation>
    </message>
    <message>
        <source>Subtitle file too large: %1</source>
        <translation>字幕ファイルが大きすぎます: %1</translation>
    </message>
    <message>
        <source>Cannot read the subtitle file: %1</source>
        <translation>字幕ファイルを読み込めません: %1</translation>
    </message>
    <message>
        <source>Refers to other files: %1</source>
        <translation>他のファイルを参照しています: %1</translation>
    </message>
    <message>
        <source>Not a media file: %1</source>
        <translation>メディアファイルではありません: %1</translation>
    </message>
    <message>
        <source>Cannot read the picture: %1</source>
        <translation>画像を読み込めません: %1</translation>
    </message>
</context>
<context>
    <name>CropDialog</name>
    <message>
        <source>Crop</source>
        <translation>トリミング</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>アスペクト比</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
</context>
<context>
    <name>EditorMainWindow</name>
    <message>
        <source>Editor</source>
        <translation>エディター</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>ツールバー</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>動画を追加</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>画像を追加</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>テキストを追加</translation>
    </message>
    <message>
        <source>Add Subtitle</source>
        <translation>字幕を追加</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>テキストを編集</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>トリミング</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>左に回転</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>右に回転</translation>
    </message>
    <message>
        <source>Flip horizontal </source>
        <translation>左右反転 </translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>上下反転</translation>
    </message>
    <message>
        <source>The video %1 cannot be read.</source>
        <translation>動画 %1 を読み込めません。</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>画像 %1 を読み込めません。</translation>
    </message>
    <message>
        <source>The styled text cannot be added.</source>
        <translation>装飾テキストを追加できません。</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>字幕ファイルを開く</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>字幕ファイル(*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>開始時間</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>終了時間</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Open Lumacrest Project</source>
        <translation>Lumacrest プロジェクトを開く</translation>
    </message>
    <message>
        <source>Lumacrest 4.x later Project(*.jxo)</source>
        <translation>Lumacrest 4.x 以降のプロジェクト(*.jxo)</translation>
    </message>
    <message>
        <source>Save Lumacrest Project</source>
        <translation>Lumacrest プロジェクトを保存</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>The source cannot be previewed: it has no picture size.</source>
        <translation>ソースをプレビューできません: 映像のサイズがありません。</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened.</source>
        <translation>プロジェクト %1 を開けません。</translation>
    </message>
    <message>
        <source>The project %1 cannot be saved.</source>
        <translation>プロジェクト %1 を保存できません。</translation>
    </message>
    <message>
        <source>The subtitle file %1 cannot be read.</source>
        <translation>字幕ファイル %1 を読み込めません。</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... ほか %1 件。</translation>
    </message>
    <message>
        <source>Layer %1: %2</source>
        <translation>レイヤー %1: %2</translation>
    </message>
    <message>
        <source>The pictures of these layers cannot be read. Each is kept as a grey box of its saved size and saved again unchanged:</source>
        <translation>次のレイヤーの画像を読み込めません。各レイヤーは保存されたサイズの灰色の枠として残り、変更されずに再び保存されます:</translation>
    </message>
    <message>
        <source>These layers held damaged values, which were read as 0 or brought into range:</source>
        <translation>次のレイヤーには破損した値があり、0 として読み込むか範囲内に収めました:</translation>
    </message>
    <message>
        <source>The project %1 was opened with every layer.</source>
        <translation>プロジェクト %1 をすべてのレイヤーとともに開きました。</translation>
    </message>
</context>
<context>
    <name>FileFolders</name>
    <message>
        <source>Choose an output folder first.</source>
        <translation>先に出力フォルダーを選んでください。</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path. Choose a folder.</source>
        <translation>出力フォルダー「%1」は完全なパスではありません。フォルダーを選んでください。</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a folder. Choose a folder.</source>
        <translation>出力フォルダー「%1」はフォルダーではありません。フォルダーを選んでください。</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created. Choose another folder.</source>
        <translation>出力フォルダー「%1」を作成できません。別のフォルダーを選んでください。</translation>
    </message>
    <message>
        <source>Nothing can be written into the output folder &quot;%1&quot;. Choose another folder.</source>
        <translation>出力フォルダー「%1」には書き込めません。別のフォルダーを選んでください。</translation>
    </message>
</context>
<context>
    <name>JobsManage</name>
    <message>
        <source>Stopped</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1（位置 %2）</translation>
    </message>
    <message>
        <source>Failed at %1%: %2</source>
        <translation>%1% で失敗: %2</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Nothing to merge</source>
        <translation>結合する内容がありません</translation>
    </message>
    <message>
        <source>Nothing to split</source>
        <translation>分割する内容がありません</translation>
    </message>
    <message>
        <source>Nothing to merge: no picture or sound</source>
        <translation>結合する内容がありません: 映像も音声もありません</translation>
    </message>
    <message>
        <source>Paused: %1%</source>
        <translation>一時停止 %1%</translation>
    </message>
</context>
<context>
    <name>JxOFile</name>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>「%1」は通常のファイルではありません。</translation>
    </message>
    <message>
        <source>Cannot open the project &quot;%1&quot;: %2</source>
        <translation>プロジェクト「%1」を開けません: %2</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is too large.</source>
        <translation>プロジェクト「%1」は大きすぎます。</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is refused: it declares a document type or entities, which projects never do.</source>
        <translation>プロジェクト「%1」は拒否されました: プロジェクトでは決して使わない文書型またはエンティティを宣言しています。</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is refused: its elements nest far deeper than in any project.</source>
        <translation>プロジェクト「%1」は拒否されました: 要素の入れ子がどのプロジェクトよりもはるかに深くなっています。</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is damaged (line %2, column %3): %4</source>
        <translation>プロジェクト「%1」は破損しています (%2 行、%3 列): %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a project file.</source>
        <translation>「%1」はプロジェクト ファイルではありません。</translation>
    </message>
    <message>
        <source>Cannot write the project &quot;%1&quot;: %2</source>
        <translation>プロジェクト「%1」を書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>LayerDialog</name>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>開始時間</translation>
    </message>
    <message>
        <source>HH:mm:ss:zzz</source>
        <translation>HH:mm:ss:zzz</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>終了時間</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>幅</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高さ</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Keep Aspect</source>
        <translation>縦横比を保持</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>アニメーション</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>フェード</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>ループ回数</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>角度</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左から右へ</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右から左へ</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>上から下へ</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>下から上へ</translation>
    </message>
    <message>
        <source>In</source>
        <translation>フェードイン</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>フェードアウト</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>フェードイン/アウト</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>LayeredManageDock</name>
    <message>
        <source>Watermark</source>
        <translation>透かし</translation>
    </message>
</context>
<context>
    <name>LayeredManageWidget</name>
    <message>
        <source>Up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>アニメーション</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>フェード</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左から右へ</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右から左へ</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>上から下へ</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>下から上へ</translation>
    </message>
    <message>
        <source>In</source>
        <translation>フェードイン</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>フェードアウト</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>フェードイン/アウト</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>End</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>長さ</translation>
    </message>
</context>
<context>
    <name>MainOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>スレッド</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中国語</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英語</translation>
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
        <source>Italian</source>
        <translation>イタリア語</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>ポルトガル語</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>ロシア語</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>スペイン語</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Lumacrest</source>
        <translation>Lumacrest</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>結合</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>00:00:00</source>
        <translation>00:00:00</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Add to subtitle stream</source>
        <translation>字幕ストリームとして追加</translation>
    </message>
    <message>
        <source>Soundtrack</source>
        <translation>BGM</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>出力形式</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>出力フォルダー</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>上書き</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>ツールバー</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>透かし</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>実行</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>ファイルを追加</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>フォルダーを追加</translation>
    </message>
    <message>
        <source>Media information</source>
        <translation>メディア情報</translation>
    </message>
    <message>
        <source>Ready to convert</source>
        <translation>変換待ちに戻す</translation>
    </message>
    <message>
        <source>Add subtitle file</source>
        <translation>字幕ファイルを追加</translation>
    </message>
    <message>
        <source>All Delete</source>
        <translation>すべて削除</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Add title sequence</source>
        <translation>オープニングを追加</translation>
    </message>
    <message>
        <source>Add ending</source>
        <translation>エンディングを追加</translation>
    </message>
    <message>
        <source>Media Infomation</source>
        <translation>メディア情報</translation>
    </message>
    <message>
        <source>Lumacrest Standard Edition %1</source>
        <translation>Lumacrest スタンダード版 %1</translation>
    </message>
    <message>
        <source>Source File</source>
        <translation>ソースファイル</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>End</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Setting number of parts</source>
        <translation>分割数で分割</translation>
    </message>
    <message>
        <source>A duration of each clip</source>
        <translation>クリップの長さで分割</translation>
    </message>
    <message>
        <source>Intercept a section</source>
        <translation>区間を切り出す</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>開始時間</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>終了時間</translation>
    </message>
    <message>
        <source>You must restart Lumacrest to switch to the new language.
Do you want to restart now?</source>
        <translation>新しい言語に切り替えるには Lumacrest を再起動する必要があります。
今すぐ再起動しますか？</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>変換待ち</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>読み込み中...</translation>
    </message>
    <message>
        <source>Cannot be read: not a video or sound file</source>
        <translation>読み込めません: 動画または音声ファイルではありません</translation>
    </message>
    <message>
        <source>Cannot be read: damaged or cut short</source>
        <translation>読み込めません: 破損しているか途中で切れています</translation>
    </message>
    <message>
        <source>Cannot be read: no picture or sound in it</source>
        <translation>読み込めません: 映像も音声も含まれていません</translation>
    </message>
    <message>
        <source>Cannot be read: a still picture, not a video</source>
        <translation>読み込めません: 静止画であり、動画ではありません</translation>
    </message>
    <message>
        <source>Cannot be read: it refers to other files</source>
        <translation>読み込めません: 他のファイルを参照しています</translation>
    </message>
    <message>
        <source>Changed while it was read: %1</source>
        <translation>読み込み中に変更されました: %1</translation>
    </message>
    <message>
        <source>A file that is being converted cannot be removed from the list. Stop the conversion first.</source>
        <translation>変換中のファイルはリストから削除できません。先に変換を停止してください。</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Add Media File</source>
        <translation>メディアファイルを追加</translation>
    </message>
    <message>
        <source>Add Music File</source>
        <translation>音楽ファイルを追加</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>字幕ファイルを開く</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>字幕ファイル(*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>ASS ファイルを保存</translation>
    </message>
    <message>
        <source>ASS File(*.ass);;SRT File(*.srt)</source>
        <translation>ASS ファイル(*.ass);;SRT ファイル(*.srt)</translation>
    </message>
    <message>
        <source>The subtitle file %1 could not be written.</source>
        <translation>字幕ファイル %1 を書き込めませんでした。</translation>
    </message>
    <message>
        <source>Adding files to the list...</source>
        <translation>ファイルをリストに追加しています...</translation>
    </message>
    <message>
        <source>Preparing the layers...</source>
        <translation>レイヤーを準備しています...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Add a title or ending clip</source>
        <translation>オープニングまたはエンディングを追加</translation>
    </message>
    <message>
        <source>Delete the selected clip</source>
        <translation>選択したクリップを削除</translation>
    </message>
    <message>
        <source>Move the selected clip up</source>
        <translation>選択したクリップを上へ移動</translation>
    </message>
    <message>
        <source>Move the selected clip down</source>
        <translation>選択したクリップを下へ移動</translation>
    </message>
    <message>
        <source>Add the parts to the selected sources</source>
        <translation>選択したソースファイルにパートを追加</translation>
    </message>
    <message>
        <source>Delete the selected parts</source>
        <translation>選択したパートを削除</translation>
    </message>
    <message>
        <source>Add a soundtrack file</source>
        <translation>BGM ファイルを追加</translation>
    </message>
    <message>
        <source>Delete the selected soundtrack file</source>
        <translation>選択した BGM ファイルを削除</translation>
    </message>
    <message>
        <source>Move the selected soundtrack file up</source>
        <translation>選択した BGM ファイルを上へ移動</translation>
    </message>
    <message>
        <source>Move the selected soundtrack file down</source>
        <translation>選択した BGM ファイルを下へ移動</translation>
    </message>
    <message>
        <source>When checked, an output replaces an existing file of the same name in the output folder</source>
        <translation>オンにすると、出力フォルダーにある同じ名前の既存ファイルを出力で置き換えます</translation>
    </message>
    <message>
        <source>No file manager can show the folder &quot;%1&quot; on this desktop.</source>
        <translation>このデスクトップには、フォルダー「%1」を表示できるファイルマネージャーがありません。</translation>
    </message>
    <message>
        <source>These files cannot be added because their names are not valid text in the system&apos;s encoding. Rename them and add them again:
%1</source>
        <translation>これらのファイルは、名前がシステムの文字コードで有効な文字列ではないため追加できません。名前を変更してから、もう一度追加してください:
%1</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1.</source>
        <translation>設定を %1 に保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>MediaDialog</name>
    <message>
        <source>Media Infomation</source>
        <translation>メディア情報</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>ビットレート</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>コーデック</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>フレームレート</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>サンプルレート</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>映像</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音声</translation>
    </message>
</context>
<context>
    <name>MeltEngineJob</name>
    <message>
        <source>an input failed to load</source>
        <translation>入力の読み込みに失敗しました</translation>
    </message>
    <message>
        <source>melt made no progress</source>
        <translation>melt の処理が進みません</translation>
    </message>
</context>
<context>
    <name>OutputCheck</name>
    <message>
        <source>output file unreadable</source>
        <translation>出力ファイルを読み取れません</translation>
    </message>
    <message>
        <source>output has no picture</source>
        <translation>出力に映像がありません</translation>
    </message>
    <message>
        <source>output has a picture it should not have</source>
        <translation>出力に不要な映像があります</translation>
    </message>
    <message>
        <source>output has no sound</source>
        <translation>出力に音声がありません</translation>
    </message>
    <message>
        <source>output has sound it should not have</source>
        <translation>出力に不要な音声があります</translation>
    </message>
    <message>
        <source>output lasts %1 s instead of %2 s</source>
        <translation>出力の長さが %2 秒ではなく %1 秒です</translation>
    </message>
    <message>
        <source>output&apos;s sound plays %1 s instead of %2 s</source>
        <translation>出力の音声が %2 秒ではなく %1 秒しか再生されません</translation>
    </message>
</context>
<context>
    <name>PanTimeDialog</name>
    <message>
        <source>Shift Times</source>
        <translation>時間をずらす</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>HH:mm:ss:zzz</source>
        <translation>HH:mm:ss:zzz</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>遅らせる</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>早める</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>適用範囲</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>すべての行</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>選択した行</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>選択行以降</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>対象</translation>
    </message>
    <message>
        <source>Start and End times</source>
        <translation>開始時間と終了時間</translation>
    </message>
    <message>
        <source>Start times only</source>
        <translation>開始時間のみ</translation>
    </message>
    <message>
        <source>End times only</source>
        <translation>終了時間のみ</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>PanelWidget</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>PlayerDock</name>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>時間をコピー</translation>
    </message>
</context>
<context>
    <name>PlayerLoader</name>
    <message>
        <source>The preview cannot play: the player (%1) is missing or damaged. Conversions still work; reinstall the program to preview videos.</source>
        <translation>プレビューを再生できません: プレーヤー (%1) が見つからないか壊れています。変換はこれまでどおり使えます。ビデオをプレビューするにはプログラムを再インストールしてください。</translation>
    </message>
</context>
<context>
    <name>QColorCombox</name>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他の色</translation>
    </message>
    <message>
        <source>white</source>
        <translation>白</translation>
    </message>
</context>
<context>
    <name>QFormatDialog</name>
    <message>
        <source>Format Options</source>
        <translation>形式オプション</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>映像</translation>
    </message>
    <message>
        <source>Video quality mode</source>
        <translation>画質モード</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>ビットレート</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>コーデック</translation>
    </message>
    <message>
        <source>Keep width and height</source>
        <translation>元の幅と高さを維持</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>アスペクト比</translation>
    </message>
    <message>
        <source>Keep frame rate</source>
        <translation>元のフレームレートを維持</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>フレームレート</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>Keep Audio Codec</source>
        <translation>元の音声コーデックを維持</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>サンプルレート</translation>
    </message>
    <message>
        <source>Volume(%)</source>
        <translation>音量(%)</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>形式プリセット</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>50 high</source>
        <translation>50 高画質</translation>
    </message>
    <message>
        <source>1 low</source>
        <translation>1 低画質</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The format settings could not be saved to %1.</source>
        <translation>形式の設定を %1 に保存できませんでした。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Options(*.ini)</source>
        <translation>形式プリセット(*.ini)</translation>
    </message>
    <message>
        <source>The format scheme could not be saved to %1.</source>
        <translation>形式プリセットを %1 に保存できませんでした。</translation>
    </message>
    <message>
        <source>Are you sure to delete the format options ?</source>
        <translation>この形式プリセットを削除しますか？</translation>
    </message>
    <message>
        <source>The format scheme %1 could not be deleted.</source>
        <translation>形式プリセット %1 を削除できませんでした。</translation>
    </message>
    <message>
        <source>The format scheme %1 does not exist. Nothing was changed.</source>
        <translation>フォーマット スキーム %1 は存在しません。何も変更していません。</translation>
    </message>
    <message>
        <source>The format scheme %1 cannot be read. Nothing was changed.</source>
        <translation>フォーマット スキーム %1 を読み込めません。何も変更していません。</translation>
    </message>
    <message>
        <source>The format scheme %1 is damaged: it is not a settings file. Nothing was changed.</source>
        <translation>フォーマット スキーム %1 は破損しています: 設定ファイルではありません。何も変更していません。</translation>
    </message>
    <message>
        <source>The format scheme %1 is damaged.</source>
        <translation>フォーマット スキーム %1 は破損しています。</translation>
    </message>
    <message>
        <source>These settings are missing or not valid and take their default values: %1.</source>
        <translation>次の設定が欠けているか無効なため、既定値になります: %1。</translation>
    </message>
    <message>
        <source>It names no known container: the output container was left as it was.</source>
        <translation>既知のコンテナーを指定していません: 出力コンテナーはそのままです。</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>All Files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>All Supported Media Files</source>
        <translation>サポートされているすべてのメディアファイル</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>サポートされているすべての動画ファイル</translation>
    </message>
    <message>
        <source>All Supported Audio Files</source>
        <translation>サポートされているすべての音声ファイル</translation>
    </message>
    <message>
        <source>All Supported Image Files</source>
        <translation>サポートされているすべての画像ファイル</translation>
    </message>
</context>
<context>
    <name>QPlayerWidget</name>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>時間をコピー</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
</context>
<context>
    <name>QWatermarkBase</name>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>サイズ変更</translation>
    </message>
</context>
<context>
    <name>QWatermarkScene</name>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Are you sure to delete the layer ?</source>
        <translation>このレイヤーを削除しますか？</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>ReplaceDialog</name>
    <message>
        <source>Find\Replace</source>
        <translation>検索と置換</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索する文字列</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置換後の文字列</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>適用範囲</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>すべての行</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>選択した行</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>選択行以降</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>RunArguments</name>
    <message>
        <source>The %1 container cannot hold %2 video.</source>
        <translation>%1 コンテナーには %2 の映像を格納できません。</translation>
    </message>
    <message>
        <source>The %1 container cannot hold %2 sound.</source>
        <translation>%1 コンテナーには %2 の音声を格納できません。</translation>
    </message>
    <message>
        <source>The sound of %1 is damaged or empty.</source>
        <translation>%1 の音声は壊れているか、空です。</translation>
    </message>
</context>
<context>
    <name>StyleDialog</name>
    <message>
        <source>Style Editor</source>
        <translation>スタイルエディター</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>スタイル</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>太字</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>下線</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>取消線</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>プライマリ</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>セカンダリ</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>縁取り</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>影</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>余白</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>上下</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Open style file or ass file</source>
        <translation>スタイルファイルまたは ASS ファイルを開く</translation>
    </message>
    <message>
        <source>Style|ASS file(*.sty *.ass *.ssa)</source>
        <translation>スタイル/ASS ファイル(*.sty *.ass *.ssa)</translation>
    </message>
    <message>
        <source>The file %1 holds no subtitle styles.</source>
        <translation>ファイル %1 には字幕スタイルがありません。</translation>
    </message>
    <message>
        <source>Save style file</source>
        <translation>スタイルファイルを保存</translation>
    </message>
    <message>
        <source>Style file(*.sty)</source>
        <translation>スタイルファイル(*.sty)</translation>
    </message>
    <message>
        <source>The style file %1 cannot be written.</source>
        <translation>スタイルファイル %1 に書き込めません。</translation>
    </message>
</context>
<context>
    <name>SubtitleDock</name>
    <message>
        <source>Subtitle</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Are you sure delete subtitle?</source>
        <translation>選択した字幕を削除しますか？</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>ASS ファイルを保存</translation>
    </message>
    <message>
        <source>ASS File(*.ass)</source>
        <translation>ASS ファイル(*.ass)</translation>
    </message>
    <message>
        <source>The subtitle file %1 cannot be written.</source>
        <translation>字幕ファイル %1 に書き込めません。</translation>
    </message>
</context>
<context>
    <name>SubtitleParser</name>
    <message>
        <source>The subtitle file %1 is larger than %2 MB; it is not read.</source>
        <translation>字幕ファイル %1 は %2 MB を超えているため、読み込みません。</translation>
    </message>
</context>
<context>
    <name>SubtitleWidget</name>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>スタイル</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間調整</translation>
    </message>
    <message>
        <source>Find\Replace</source>
        <translation>検索と置換</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>開始時間</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>終了時間</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>字幕</translation>
    </message>
</context>
<context>
    <name>TimelineViewBlockItem</name>
    <message>
        <source>Text ABC</source>
        <translation>テキスト ABC</translation>
    </message>
</context>
<context>
    <name>Util</name>
    <message>
        <source>Unable to write file %1
Perhaps you do not have permission.
Try again with a different folder.</source>
        <translation>ファイル %1 に書き込めません
書き込み権限がない可能性があります。
別のフォルダーで再試行してください。</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>マスター</translation>
    </message>
    <message>
        <source>The value you entered is very similar to the common,
more standard %1 = %2/1001.

Do you want to use %1 = %2/1001 instead?</source>
        <translation>入力した値は、一般的でより標準的な
%1 = %2/1001 にとても近い値です。

代わりに %1 = %2/1001 を使用しますか？</translation>
    </message>
</context>
<context>
    <name>VBackgroundMenuWidget</name>
    <message>
        <source>Enable Background</source>
        <translation>背景を有効にする</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>背景色</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>太さ</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>角の丸み</translation>
    </message>
</context>
<context>
    <name>VFuncTextEffectPage</name>
    <message>
        <source>Text Effect</source>
        <translation>文字効果</translation>
    </message>
    <message>
        <source>Text Glow</source>
        <translation>文字の光彩</translation>
    </message>
    <message>
        <source>No Outline</source>
        <translation>縁取りなし</translation>
    </message>
    <message>
        <source>Single Outline</source>
        <translation>一重の縁取り</translation>
    </message>
    <message>
        <source>Double Outline</source>
        <translation>二重の縁取り</translation>
    </message>
    <message>
        <source>Gradient Outline</source>
        <translation>グラデーションの縁取り</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>文字色</translation>
    </message>
    <message>
        <source>Gradient Text</source>
        <translation>グラデーション文字</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>縁取り</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>影</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
</context>
<context>
    <name>VFuncTextPage</name>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>太字</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>下線</translation>
    </message>
</context>
<context>
    <name>VOutlineMenuWidget</name>
    <message>
        <source>Outline Color1</source>
        <translation>縁取りの色 1</translation>
    </message>
    <message>
        <source>Thickness1</source>
        <translation>太さ 1</translation>
    </message>
    <message>
        <source>Alpha1</source>
        <translation>不透明度 1</translation>
    </message>
    <message>
        <source>Outline Color2</source>
        <translation>縁取りの色 2</translation>
    </message>
    <message>
        <source>Thickness2</source>
        <translation>太さ 2</translation>
    </message>
    <message>
        <source>Alpha2</source>
        <translation>不透明度 2</translation>
    </message>
</context>
<context>
    <name>VShadowMenuWidget</name>
    <message>
        <source>Enable Shadow</source>
        <translation>影を有効にする</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>影の色</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>太さ</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
</context>
<context>
    <name>VTextPropSheetDialog</name>
    <message>
        <source>Text Options</source>
        <translation>テキストのオプション</translation>
    </message>
    <message>
        <source>Enter your own content here</source>
        <translation>ここに内容を入力してください</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Text Effect</source>
        <translation>文字効果</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
</TS>
