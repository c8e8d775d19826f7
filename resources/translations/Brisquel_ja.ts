<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AbstractJob</name>
    <message>
        <source>%1 not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no output file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>output file missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>output file empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>output file not written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not be started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>crashed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exit code %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Add media file to list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lumacrest Project</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JobsManage</name>
    <message>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed at %1%: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to merge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to merge: no picture or sound</source>
        <translation type="unfinished"></translation>
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
        <translation>サウンドトラック</translation>
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
        <translation>変換準備</translation>
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
        <translation>元ファイル</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>ファイルサイズ</translation>
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
        <translation>分割数を指定</translation>
    </message>
    <message>
        <source>A duration of each clip</source>
        <translation>各クリップの長さ</translation>
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
</context>
<context>
    <name>MeltEngineJob</name>
    <message>
        <source>an input failed to load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>melt made no progress</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>All Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Supported Media Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Supported Audio Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Supported Image Files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPlayerWidget</name>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished">停止</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QWatermarkBase</name>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resize</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QWatermarkScene</name>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished">削除</translation>
    </message>
    <message>
        <source>Are you sure to delete the layer ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimelineViewBlockItem</name>
    <message>
        <source>Text ABC</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Util</name>
    <message>
        <source>Unable to write file %1
Perhaps you do not have permission.
Try again with a different folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value you entered is very similar to the common,
more standard %1 = %2/1001.

Do you want to use %1 = %2/1001 instead?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
