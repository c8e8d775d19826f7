<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Lumacrest</source>
        <translation>Lumacrest</translation>
    </message>
    <message>
        <source>Free for personal use.</source>
        <translation>个人使用免费。</translation>
    </message>
    <message>
        <source>Standard Edition %1</source>
        <translation>标准版 %1</translation>
    </message>
    <message>
        <source>Contact: &lt;a style=&quot;color:#ffffff&quot; href=&quot;mailto:support@lumacrest.invalid&quot;&gt;support@lumacrest.invalid&lt;/a&gt;</source>
        <translation>联系方式：&lt;a style=&quot;color:#ffffff&quot; href=&quot;mailto:support@lumacrest.invalid&quot;&gt;support@lumacrest.invalid&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Web: &lt;a style=&quot;color:#ffffff&quot; href=&quot;https://lumacrest.invalid/&quot;&gt;lumacrest.invalid&lt;/a&gt;</source>
        <translation>网站：&lt;a style=&quot;color:#ffffff&quot; href=&quot;https://lumacrest.invalid/&quot;&gt;lumacrest.invalid&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>AbstractJob</name>
    <message>
        <source>%1 not found</source>
        <translation>找不到 %1</translation>
    </message>
    <message>
        <source>no output file</source>
        <translation>没有输出文件</translation>
    </message>
    <message>
        <source>output file empty</source>
        <translation>输出文件为空</translation>
    </message>
    <message>
        <source>output file not written</source>
        <translation>输出文件未写入</translation>
    </message>
    <message>
        <source>could not be started</source>
        <translation>无法启动</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>crashed</source>
        <translation>程序崩溃</translation>
    </message>
    <message>
        <source>exit code %1</source>
        <translation>退出代码 %1</translation>
    </message>
    <message>
        <source>the output could not be put in place: %1</source>
        <translation>无法将输出文件放到位：%1</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>No file name was given.</source>
        <translation>未提供文件名。</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>它不是普通文件。</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Add media file to list</source>
        <translation>请先将媒体文件添加到列表</translation>
    </message>
    <message>
        <source>Lumacrest Project</source>
        <translation>Lumacrest 项目</translation>
    </message>
    <message>
        <source>File missing: %1</source>
        <translation>文件缺失：%1</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>不是普通文件：%1</translation>
    </message>
    <message>
        <source>Cannot write a work file: %1</source>
        <translation>无法写入工作文件：%1</translation>
    </message>
    <message>
        <source>Subtitle file missing: %1</source>
        <translation>字幕文件缺失：%1</translation>
    </message>
    <message>
        <source>Subtitle file too large: %1</source>
        <translation>字幕文件过大：%1</translation>
    </message>
    <message>
        <source>Cannot read the subtitle file: %1</source>
        <translation>无法读取字幕文件：%1</translation>
    </message>
    <message>
        <source>Refers to other files: %1</source>
        <translation>引用了其他文件：%1</translation>
    </message>
    <message>
        <source>Not a media file: %1</source>
        <translation>不是媒体文件：%1</translation>
    </message>
    <message>
        <source>Cannot read the picture: %1</source>
        <translation>无法读取图片：%1</translation>
    </message>
</context>
<context>
    <name>CropDialog</name>
    <message>
        <source>Crop</source>
        <translation>裁剪</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>宽高比</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
</context>
<context>
    <name>EditorMainWindow</name>
    <message>
        <source>Editor</source>
        <translation>编辑器</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>添加视频</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>添加图片</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>添加文字</translation>
    </message>
    <message>
        <source>Add Subtitle</source>
        <translation>添加字幕</translation>
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
        <source>Duplicate</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>编辑文字</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>裁剪</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>向左旋转</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>向右旋转</translation>
    </message>
    <message>
        <source>Flip horizontal </source>
        <translation>水平翻转 </translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>垂直翻转</translation>
    </message>
    <message>
        <source>The video %1 cannot be read.</source>
        <translation>无法读取视频 %1。</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>无法读取图片 %1。</translation>
    </message>
    <message>
        <source>The styled text cannot be added.</source>
        <translation>无法添加艺术字。</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>打开字幕文件</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>字幕文件(*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Open Lumacrest Project</source>
        <translation>打开 Lumacrest 项目</translation>
    </message>
    <message>
        <source>Lumacrest 4.x later Project(*.jxo)</source>
        <translation>Lumacrest 4.x 及更高版本项目(*.jxo)</translation>
    </message>
    <message>
        <source>Save Lumacrest Project</source>
        <translation>保存 Lumacrest 项目</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>The source cannot be previewed: it has no picture size.</source>
        <translation>无法预览源文件：未能获取画面尺寸。</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened.</source>
        <translation>无法打开项目 %1。</translation>
    </message>
    <message>
        <source>The project %1 cannot be saved.</source>
        <translation>无法保存项目 %1。</translation>
    </message>
    <message>
        <source>The subtitle file %1 cannot be read.</source>
        <translation>无法读取字幕文件 %1。</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>……以及另外 %1 个。</translation>
    </message>
    <message>
        <source>Layer %1: %2</source>
        <translation>图层 %1：%2</translation>
    </message>
    <message>
        <source>The pictures of these layers cannot be read. Each is kept as a grey box of its saved size and saved again unchanged:</source>
        <translation>无法读取这些图层的图片。每个图层都保留为其已保存大小的灰色方框，并会原样再次保存：</translation>
    </message>
    <message>
        <source>These layers held damaged values, which were read as 0 or brought into range:</source>
        <translation>这些图层含有损坏的值，已按 0 读取或调整到有效范围内：</translation>
    </message>
    <message>
        <source>The project %1 was opened with every layer.</source>
        <translation>已打开项目 %1，所有图层均已保留。</translation>
    </message>
</context>
<context>
    <name>FileFolders</name>
    <message>
        <source>Choose an output folder first.</source>
        <translation>请先选择输出文件夹。</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path. Choose a folder.</source>
        <translation>输出文件夹“%1”不是完整路径。请选择一个文件夹。</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a folder. Choose a folder.</source>
        <translation>输出文件夹“%1”不是文件夹。请选择一个文件夹。</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created. Choose another folder.</source>
        <translation>无法创建输出文件夹“%1”。请选择其他文件夹。</translation>
    </message>
    <message>
        <source>Nothing can be written into the output folder &quot;%1&quot;. Choose another folder.</source>
        <translation>无法向输出文件夹“%1”写入任何内容。请选择其他文件夹。</translation>
    </message>
</context>
<context>
    <name>JobsManage</name>
    <message>
        <source>Stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1（位置 %2）</translation>
    </message>
    <message>
        <source>Failed at %1%: %2</source>
        <translation>在 %1% 处失败：%2</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>Nothing to merge</source>
        <translation>没有可合并的内容</translation>
    </message>
    <message>
        <source>Nothing to split</source>
        <translation>没有可分割的内容</translation>
    </message>
    <message>
        <source>Nothing to merge: no picture or sound</source>
        <translation>没有可合并的内容：既无画面也无声音</translation>
    </message>
    <message>
        <source>Paused: %1%</source>
        <translation>已暂停 %1%</translation>
    </message>
</context>
<context>
    <name>JxOFile</name>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>“%1”不是普通文件。</translation>
    </message>
    <message>
        <source>Cannot open the project &quot;%1&quot;: %2</source>
        <translation>无法打开项目“%1”：%2</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is too large.</source>
        <translation>项目“%1”过大。</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is refused: it declares a document type or entities, which projects never do.</source>
        <translation>已拒绝项目“%1”：它声明了文档类型或实体，而项目从不这样做。</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is refused: its elements nest far deeper than in any project.</source>
        <translation>已拒绝项目“%1”：其元素的嵌套层级远超任何项目。</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is damaged (line %2, column %3): %4</source>
        <translation>项目“%1”已损坏（第 %2 行，第 %3 列）：%4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a project file.</source>
        <translation>“%1”不是项目文件。</translation>
    </message>
    <message>
        <source>Cannot write the project &quot;%1&quot;: %2</source>
        <translation>无法写入项目“%1”：%2</translation>
    </message>
</context>
<context>
    <name>LayerDialog</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>HH:mm:ss:zzz</source>
        <translation>HH:mm:ss:zzz</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Keep Aspect</source>
        <translation>保持宽高比</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>动画</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>淡入淡出</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>循环次数</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>角度</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>自左向右</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>自右向左</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>自上而下</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>自下而上</translation>
    </message>
    <message>
        <source>In</source>
        <translation>淡入</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>淡出</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>淡入和淡出</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>LayeredManageDock</name>
    <message>
        <source>Watermark</source>
        <translation>水印</translation>
    </message>
</context>
<context>
    <name>LayeredManageWidget</name>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>动画</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>淡入淡出</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>自左向右</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>自右向左</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>自上而下</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>自下而上</translation>
    </message>
    <message>
        <source>In</source>
        <translation>淡入</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>淡出</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>淡入和淡出</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
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
        <source>Duration</source>
        <translation>时长</translation>
    </message>
</context>
<context>
    <name>MainOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>线程数</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英语</translation>
    </message>
    <message>
        <source>French</source>
        <translation>法语</translation>
    </message>
    <message>
        <source>German</source>
        <translation>德语</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>意大利语</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日语</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>葡萄牙语</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>俄语</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>西班牙语</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
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
    <message>
        <source>You must restart Lumacrest to switch to the new language.
Do you want to restart now?</source>
        <translation>必须重新启动 Lumacrest 才能切换到新语言。
是否立即重新启动？</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>正在读取...</translation>
    </message>
    <message>
        <source>Cannot be read: not a video or sound file</source>
        <translation>无法读取：不是视频或音频文件</translation>
    </message>
    <message>
        <source>Cannot be read: damaged or cut short</source>
        <translation>无法读取：文件已损坏或不完整</translation>
    </message>
    <message>
        <source>Cannot be read: no picture or sound in it</source>
        <translation>无法读取：不含画面或声音</translation>
    </message>
    <message>
        <source>Cannot be read: a still picture, not a video</source>
        <translation>无法读取：这是静态图片，不是视频</translation>
    </message>
    <message>
        <source>Cannot be read: it refers to other files</source>
        <translation>无法读取：引用了其他文件</translation>
    </message>
    <message>
        <source>Changed while it was read: %1</source>
        <translation>读取时已更改：%1</translation>
    </message>
    <message>
        <source>A file that is being converted cannot be removed from the list. Stop the conversion first.</source>
        <translation>正在转换的文件无法从列表中移除。请先停止转换。</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Add Media File</source>
        <translation>添加媒体文件</translation>
    </message>
    <message>
        <source>Add Music File</source>
        <translation>添加音乐文件</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>打开字幕文件</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>字幕文件(*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>保存 ASS 文件</translation>
    </message>
    <message>
        <source>ASS File(*.ass);;SRT File(*.srt)</source>
        <translation>ASS 文件(*.ass);;SRT 文件(*.srt)</translation>
    </message>
    <message>
        <source>The subtitle file %1 could not be written.</source>
        <translation>无法写入字幕文件 %1。</translation>
    </message>
    <message>
        <source>Adding files to the list...</source>
        <translation>正在将文件添加到列表...</translation>
    </message>
    <message>
        <source>Preparing the layers...</source>
        <translation>正在准备图层...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Add a title or ending clip</source>
        <translation>添加片头或片尾</translation>
    </message>
    <message>
        <source>Delete the selected clip</source>
        <translation>删除所选片段</translation>
    </message>
    <message>
        <source>Move the selected clip up</source>
        <translation>上移所选片段</translation>
    </message>
    <message>
        <source>Move the selected clip down</source>
        <translation>下移所选片段</translation>
    </message>
    <message>
        <source>Add the parts to the selected sources</source>
        <translation>将分段添加到所选源文件</translation>
    </message>
    <message>
        <source>Delete the selected parts</source>
        <translation>删除所选分段</translation>
    </message>
    <message>
        <source>Add a soundtrack file</source>
        <translation>添加配乐文件</translation>
    </message>
    <message>
        <source>Delete the selected soundtrack file</source>
        <translation>删除所选配乐文件</translation>
    </message>
    <message>
        <source>Move the selected soundtrack file up</source>
        <translation>上移所选配乐文件</translation>
    </message>
    <message>
        <source>Move the selected soundtrack file down</source>
        <translation>下移所选配乐文件</translation>
    </message>
    <message>
        <source>When checked, an output replaces an existing file of the same name in the output folder</source>
        <translation>勾选后，输出文件将替换输出文件夹中已有的同名文件</translation>
    </message>
    <message>
        <source>No file manager can show the folder &quot;%1&quot; on this desktop.</source>
        <translation>此桌面上没有可以显示文件夹“%1”的文件管理器。</translation>
    </message>
    <message>
        <source>These files cannot be added because their names are not valid text in the system&apos;s encoding. Rename them and add them again:
%1</source>
        <translation>无法添加这些文件，因为它们的名称在系统编码中不是有效的文本。请重命名后再添加：
%1</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1.</source>
        <translation>无法将设置保存到 %1。</translation>
    </message>
</context>
<context>
    <name>MediaDialog</name>
    <message>
        <source>Media Infomation</source>
        <translation>媒体信息</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>比特率</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>编码器</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>帧率</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>尺寸</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>采样率</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
</context>
<context>
    <name>MeltEngineJob</name>
    <message>
        <source>an input failed to load</source>
        <translation>有输入文件无法加载</translation>
    </message>
    <message>
        <source>melt made no progress</source>
        <translation>melt 处理停滞</translation>
    </message>
</context>
<context>
    <name>OutputCheck</name>
    <message>
        <source>output file unreadable</source>
        <translation>输出文件无法读取</translation>
    </message>
    <message>
        <source>output has no picture</source>
        <translation>输出没有画面</translation>
    </message>
    <message>
        <source>output has a picture it should not have</source>
        <translation>输出含有不应有的画面</translation>
    </message>
    <message>
        <source>output has no sound</source>
        <translation>输出没有声音</translation>
    </message>
    <message>
        <source>output has sound it should not have</source>
        <translation>输出含有不应有的声音</translation>
    </message>
    <message>
        <source>output lasts %1 s instead of %2 s</source>
        <translation>输出时长为 %1 秒，而不是 %2 秒</translation>
    </message>
    <message>
        <source>output&apos;s sound plays %1 s instead of %2 s</source>
        <translation>输出的声音只播放 %1 秒，而不是 %2 秒</translation>
    </message>
</context>
<context>
    <name>PanTimeDialog</name>
    <message>
        <source>Shift Times</source>
        <translation>平移时间</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>HH:mm:ss:zzz</source>
        <translation>HH:mm:ss:zzz</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>延后</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>提前</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>应用于</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>所有行</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>选中的行</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>选中行及之后</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>平移对象</translation>
    </message>
    <message>
        <source>Start and End times</source>
        <translation>开始和结束时间</translation>
    </message>
    <message>
        <source>Start times only</source>
        <translation>仅开始时间</translation>
    </message>
    <message>
        <source>End times only</source>
        <translation>仅结束时间</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>PanelWidget</name>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>PlayerDock</name>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>复制时间</translation>
    </message>
</context>
<context>
    <name>PlayerLoader</name>
    <message>
        <source>The preview cannot play: the player (%1) is missing or damaged. Conversions still work; reinstall the program to preview videos.</source>
        <translation>无法播放预览：播放器 (%1) 缺失或已损坏。转换仍可正常使用；请重新安装本程序以预览视频。</translation>
    </message>
</context>
<context>
    <name>QColorCombox</name>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他颜色</translation>
    </message>
    <message>
        <source>white</source>
        <translation>白色</translation>
    </message>
</context>
<context>
    <name>QFormatDialog</name>
    <message>
        <source>Format Options</source>
        <translation>格式选项</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Video quality mode</source>
        <translation>视频质量模式</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>比特率</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>编码器</translation>
    </message>
    <message>
        <source>Keep width and height</source>
        <translation>保持原始宽高</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>尺寸</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>宽高比</translation>
    </message>
    <message>
        <source>Keep frame rate</source>
        <translation>保持原始帧率</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>帧率</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Keep Audio Codec</source>
        <translation>保持原始音频编码</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>采样率</translation>
    </message>
    <message>
        <source>Volume(%)</source>
        <translation>音量(%)</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>格式方案</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>50 high</source>
        <translation>50 高</translation>
    </message>
    <message>
        <source>1 low</source>
        <translation>1 低</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The format settings could not be saved to %1.</source>
        <translation>无法将格式设置保存到 %1。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Options(*.ini)</source>
        <translation>格式方案(*.ini)</translation>
    </message>
    <message>
        <source>The format scheme could not be saved to %1.</source>
        <translation>无法将格式方案保存到 %1。</translation>
    </message>
    <message>
        <source>Are you sure to delete the format options ?</source>
        <translation>确定要删除此格式方案吗？</translation>
    </message>
    <message>
        <source>The format scheme %1 could not be deleted.</source>
        <translation>无法删除格式方案 %1。</translation>
    </message>
    <message>
        <source>The format scheme %1 does not exist. Nothing was changed.</source>
        <translation>格式方案 %1 不存在。未做任何更改。</translation>
    </message>
    <message>
        <source>The format scheme %1 cannot be read. Nothing was changed.</source>
        <translation>无法读取格式方案 %1。未做任何更改。</translation>
    </message>
    <message>
        <source>The format scheme %1 is damaged: it is not a settings file. Nothing was changed.</source>
        <translation>格式方案 %1 已损坏：它不是设置文件。未做任何更改。</translation>
    </message>
    <message>
        <source>The format scheme %1 is damaged.</source>
        <translation>格式方案 %1 已损坏。</translation>
    </message>
    <message>
        <source>These settings are missing or not valid and take their default values: %1.</source>
        <translation>以下设置缺失或无效，已使用其默认值：%1。</translation>
    </message>
    <message>
        <source>It names no known container: the output container was left as it was.</source>
        <translation>它未指定任何已知的容器格式：输出容器保持不变。</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>All Files</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>All Supported Media Files</source>
        <translation>所有支持的媒体文件</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>所有支持的视频文件</translation>
    </message>
    <message>
        <source>All Supported Audio Files</source>
        <translation>所有支持的音频文件</translation>
    </message>
    <message>
        <source>All Supported Image Files</source>
        <translation>所有支持的图片文件</translation>
    </message>
</context>
<context>
    <name>QPlayerWidget</name>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>复制时间</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
</context>
<context>
    <name>QWatermarkBase</name>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>调整大小</translation>
    </message>
</context>
<context>
    <name>QWatermarkScene</name>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Are you sure to delete the layer ?</source>
        <translation>确定要删除此图层吗？</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ReplaceDialog</name>
    <message>
        <source>Find\Replace</source>
        <translation>查找和替换</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换为</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>应用于</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>所有行</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>选中的行</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>选中行及之后</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>RunArguments</name>
    <message>
        <source>The %1 container cannot hold %2 video.</source>
        <translation>%1 容器不支持 %2 视频。</translation>
    </message>
    <message>
        <source>The %1 container cannot hold %2 sound.</source>
        <translation>%1 容器不支持 %2 音频。</translation>
    </message>
    <message>
        <source>The sound of %1 is damaged or empty.</source>
        <translation>%1 的音频已损坏或为空。</translation>
    </message>
</context>
<context>
    <name>StyleDialog</name>
    <message>
        <source>Style Editor</source>
        <translation>样式编辑器</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>样式</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>粗体</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>下划线</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>删除线</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>主要颜色</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>次要颜色</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>描边</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>阴影</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>边距</translation>
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
        <translation>垂直</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>对齐</translation>
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
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Open style file or ass file</source>
        <translation>打开样式文件或 ASS 文件</translation>
    </message>
    <message>
        <source>Style|ASS file(*.sty *.ass *.ssa)</source>
        <translation>样式/ASS 文件(*.sty *.ass *.ssa)</translation>
    </message>
    <message>
        <source>The file %1 holds no subtitle styles.</source>
        <translation>文件 %1 中没有字幕样式。</translation>
    </message>
    <message>
        <source>Save style file</source>
        <translation>保存样式文件</translation>
    </message>
    <message>
        <source>Style file(*.sty)</source>
        <translation>样式文件(*.sty)</translation>
    </message>
    <message>
        <source>The style file %1 cannot be written.</source>
        <translation>无法写入样式文件 %1。</translation>
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
        <translation>删除</translation>
    </message>
    <message>
        <source>Are you sure delete subtitle?</source>
        <translation>确定要删除选中的字幕吗？</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>保存 ASS 文件</translation>
    </message>
    <message>
        <source>ASS File(*.ass)</source>
        <translation>ASS 文件(*.ass)</translation>
    </message>
    <message>
        <source>The subtitle file %1 cannot be written.</source>
        <translation>无法写入字幕文件 %1。</translation>
    </message>
</context>
<context>
    <name>SubtitleParser</name>
    <message>
        <source>The subtitle file %1 is larger than %2 MB; it is not read.</source>
        <translation>字幕文件 %1 超过 %2 MB，不予读取。</translation>
    </message>
</context>
<context>
    <name>SubtitleWidget</name>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
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
        <source>Style</source>
        <translation>样式</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>调整时间</translation>
    </message>
    <message>
        <source>Find\Replace</source>
        <translation>查找和替换</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
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
        <translation>文字 ABC</translation>
    </message>
</context>
<context>
    <name>Util</name>
    <message>
        <source>Unable to write file %1
Perhaps you do not have permission.
Try again with a different folder.</source>
        <translation>无法写入文件 %1
可能没有写入权限。
请换一个文件夹再试。</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>主轨道</translation>
    </message>
    <message>
        <source>The value you entered is very similar to the common,
more standard %1 = %2/1001.

Do you want to use %1 = %2/1001 instead?</source>
        <translation>您输入的值非常接近更常用、
更标准的 %1 = %2/1001。

是否改用 %1 = %2/1001？</translation>
    </message>
</context>
<context>
    <name>VBackgroundMenuWidget</name>
    <message>
        <source>Enable Background</source>
        <translation>启用背景</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>背景颜色</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>粗细</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>圆角</translation>
    </message>
</context>
<context>
    <name>VFuncTextEffectPage</name>
    <message>
        <source>Text Effect</source>
        <translation>文字效果</translation>
    </message>
    <message>
        <source>Text Glow</source>
        <translation>文字发光</translation>
    </message>
    <message>
        <source>No Outline</source>
        <translation>无描边</translation>
    </message>
    <message>
        <source>Single Outline</source>
        <translation>单层描边</translation>
    </message>
    <message>
        <source>Double Outline</source>
        <translation>双层描边</translation>
    </message>
    <message>
        <source>Gradient Outline</source>
        <translation>渐变描边</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>文字颜色</translation>
    </message>
    <message>
        <source>Gradient Text</source>
        <translation>渐变文字</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>描边</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>阴影</translation>
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
        <translation>字体</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>字号</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>粗体</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>下划线</translation>
    </message>
</context>
<context>
    <name>VOutlineMenuWidget</name>
    <message>
        <source>Outline Color1</source>
        <translation>描边颜色 1</translation>
    </message>
    <message>
        <source>Thickness1</source>
        <translation>粗细 1</translation>
    </message>
    <message>
        <source>Alpha1</source>
        <translation>不透明度 1</translation>
    </message>
    <message>
        <source>Outline Color2</source>
        <translation>描边颜色 2</translation>
    </message>
    <message>
        <source>Thickness2</source>
        <translation>粗细 2</translation>
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
        <translation>启用阴影</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>阴影颜色</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>粗细</translation>
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
        <translation>文字选项</translation>
    </message>
    <message>
        <source>Enter your own content here</source>
        <translation>在此输入您的内容</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Text Effect</source>
        <translation>文字效果</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
