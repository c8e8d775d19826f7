<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation>合并</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
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
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Add to subtitle stream</source>
        <translation>添加为字幕流</translation>
    </message>
    <message>
        <source>Soundtrack</source>
        <translation>配乐</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>输出格式</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>覆盖</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>水印</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>添加文件夹</translation>
    </message>
    <message>
        <source>Media information</source>
        <translation>媒体信息</translation>
    </message>
    <message>
        <source>Ready to convert</source>
        <translation>准备转换</translation>
    </message>
    <message>
        <source>Add subtitle file</source>
        <translation>添加字幕文件</translation>
    </message>
    <message>
        <source>All Delete</source>
        <translation>全部删除</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Add title sequence</source>
        <translation>添加片头</translation>
    </message>
    <message>
        <source>Add ending</source>
        <translation>添加片尾</translation>
    </message>
    <message>
        <source>Media Infomation</source>
        <translation>媒体信息</translation>
    </message>
    <message>
        <source>Lumacrest Standard Edition %1</source>
        <translation>Lumacrest 标准版 %1</translation>
    </message>
    <message>
        <source>Source File</source>
        <translation>源文件</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>文件大小</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>End</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Setting number of parts</source>
        <translation>按段数分割</translation>
    </message>
    <message>
        <source>A duration of each clip</source>
        <translation>按每段时长分割</translation>
    </message>
    <message>
        <source>Intercept a section</source>
        <translation>截取一段</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>结束时间</translation>
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
        <translation type="unfinished">删除</translation>
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
