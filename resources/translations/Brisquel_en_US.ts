<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Lumacrest</source>
        <translation>Lumacrest</translation>
    </message>
    <message>
        <source>Free for personal use.</source>
        <translation>Free for personal use.</translation>
    </message>
    <message>
        <source>Standard Edition %1</source>
        <translation>Standard Edition %1</translation>
    </message>
    <message>
        <source>Contact: &lt;a style=&quot;color:#ffffff&quot; href=&quot;mailto:support@lumacrest.invalid&quot;&gt;support@lumacrest.invalid&lt;/a&gt;</source>
        <translation>Contact: &lt;a style=&quot;color:#ffffff&quot; href=&quot;mailto:support@lumacrest.invalid&quot;&gt;support@lumacrest.invalid&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Web: &lt;a style=&quot;color:#ffffff&quot; href=&quot;https://lumacrest.invalid/&quot;&gt;lumacrest.invalid&lt;/a&gt;</source>
        <translation>Web: &lt;a style=&quot;color:#ffffff&quot; href=&quot;https://lumacrest.invalid/&quot;&gt;lumacrest.invalid&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>AbstractJob</name>
    <message>
        <source>%1 not found</source>
        <translation>%1 not found</translation>
    </message>
    <message>
        <source>no output file</source>
        <translation>no output file</translation>
    </message>
    <message>
        <source>output file empty</source>
        <translation>output file empty</translation>
    </message>
    <message>
        <source>output file not written</source>
        <translation>output file not written</translation>
    </message>
    <message>
        <source>could not be started</source>
        <translation>could not be started</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>stopped</translation>
    </message>
    <message>
        <source>crashed</source>
        <translation>crashed</translation>
    </message>
    <message>
        <source>exit code %1</source>
        <translation>exit code %1</translation>
    </message>
    <message>
        <source>the output could not be put in place: %1</source>
        <translation>the output could not be put in place: %1</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>No file name was given.</source>
        <translation>No file name was given.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>It is not a regular file.</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Add media file to list</source>
        <translation>Add media file to list</translation>
    </message>
    <message>
        <source>Lumacrest Project</source>
        <translation>Lumacrest Project</translation>
    </message>
    <message>
        <source>File missing: %1</source>
        <translation>File missing: %1</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>Not a regular file: %1</translation>
    </message>
    <message>
        <source>Cannot write a work file: %1</source>
        <translation>Cannot write a work file: %1</translation>
    </message>
    <message>
        <source>Subtitle file missing: %1</source>
        <translation>Subtitle file missing: %1</translation>
    </message>
    <message>
        <source>Subtitle file too large: %1</source>
        <translation>Subtitle file too large: %1</translation>
    </message>
    <message>
        <source>Cannot read the subtitle file: %1</source>
        <translation>Cannot read the subtitle file: %1</translation>
    </message>
    <message>
        <source>Refers to other files: %1</source>
        <translation>Refers to other files: %1</translation>
    </message>
    <message>
        <source>Not a media file: %1</source>
        <translation>Not a media file: %1</translation>
    </message>
    <message>
        <source>Cannot read the picture: %1</source>
        <translation>Cannot read the picture: %1</translation>
    </message>
</context>
<context>
    <name>CropDialog</name>
    <message>
        <source>Crop</source>
        <translation>Crop</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Aspect ratio</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
</context>
<context>
    <name>EditorMainWindow</name>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>toolBar</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>Add Video</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Add Image</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Add Text</translation>
    </message>
    <message>
        <source>Add Subtitle</source>
        <translation>Add Subtitle</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicate</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Edit Text</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Crop</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Rotate left</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Rotate right</translation>
    </message>
    <message>
        <source>Flip horizontal </source>
        <translation>Flip horizontal </translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Flip vertical</translation>
    </message>
    <message>
        <source>The video %1 cannot be read.</source>
        <translation>The video %1 cannot be read.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>The image %1 cannot be read.</translation>
    </message>
    <message>
        <source>The styled text cannot be added.</source>
        <translation>The styled text cannot be added.</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Open Subtitle File</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>Subtitle File(*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Start Time</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Stop Time</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Subtitle</translation>
    </message>
    <message>
        <source>Open Lumacrest Project</source>
        <translation>Open Lumacrest Project</translation>
    </message>
    <message>
        <source>Lumacrest 4.x later Project(*.jxo)</source>
        <translation>Lumacrest 4.x later Project(*.jxo)</translation>
    </message>
    <message>
        <source>Save Lumacrest Project</source>
        <translation>Save Lumacrest Project</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>The source cannot be previewed: it has no picture size.</source>
        <translation>The source cannot be previewed: it has no picture size.</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened.</source>
        <translation>The project %1 cannot be opened.</translation>
    </message>
    <message>
        <source>The project %1 cannot be saved.</source>
        <translation>The project %1 cannot be saved.</translation>
    </message>
    <message>
        <source>The subtitle file %1 cannot be read.</source>
        <translation>The subtitle file %1 cannot be read.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... and %1 more.</translation>
    </message>
    <message>
        <source>Layer %1: %2</source>
        <translation>Layer %1: %2</translation>
    </message>
    <message>
        <source>The pictures of these layers cannot be read. Each is kept as a grey box of its saved size and saved again unchanged:</source>
        <translation>The pictures of these layers cannot be read. Each is kept as a grey box of its saved size and saved again unchanged:</translation>
    </message>
    <message>
        <source>These layers held damaged values, which were read as 0 or brought into range:</source>
        <translation>These layers held damaged values, which were read as 0 or brought into range:</translation>
    </message>
    <message>
        <source>The project %1 was opened with every layer.</source>
        <translation>The project %1 was opened with every layer.</translation>
    </message>
</context>
<context>
    <name>FileFolders</name>
    <message>
        <source>Choose an output folder first.</source>
        <translation>Choose an output folder first.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path. Choose a folder.</source>
        <translation>The output folder &quot;%1&quot; is not a full path. Choose a folder.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a folder. Choose a folder.</source>
        <translation>The output folder &quot;%1&quot; is not a folder. Choose a folder.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created. Choose another folder.</source>
        <translation>The output folder &quot;%1&quot; cannot be created. Choose another folder.</translation>
    </message>
    <message>
        <source>Nothing can be written into the output folder &quot;%1&quot;. Choose another folder.</source>
        <translation>Nothing can be written into the output folder &quot;%1&quot;. Choose another folder.</translation>
    </message>
</context>
<context>
    <name>JobsManage</name>
    <message>
        <source>Stopped</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 at %2</translation>
    </message>
    <message>
        <source>Failed at %1%: %2</source>
        <translation>Failed at %1%: %2</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completed</translation>
    </message>
    <message>
        <source>Nothing to merge</source>
        <translation>Nothing to merge</translation>
    </message>
    <message>
        <source>Nothing to split</source>
        <translation>Nothing to split</translation>
    </message>
    <message>
        <source>Nothing to merge: no picture or sound</source>
        <translation>Nothing to merge: no picture or sound</translation>
    </message>
    <message>
        <source>Paused: %1%</source>
        <translation>Paused: %1%</translation>
    </message>
</context>
<context>
    <name>JxOFile</name>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>&quot;%1&quot; is not a regular file.</translation>
    </message>
    <message>
        <source>Cannot open the project &quot;%1&quot;: %2</source>
        <translation>Cannot open the project &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is too large.</source>
        <translation>The project &quot;%1&quot; is too large.</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is refused: it declares a document type or entities, which projects never do.</source>
        <translation>The project &quot;%1&quot; is refused: it declares a document type or entities, which projects never do.</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is refused: its elements nest far deeper than in any project.</source>
        <translation>The project &quot;%1&quot; is refused: its elements nest far deeper than in any project.</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is damaged (line %2, column %3): %4</source>
        <translation>The project &quot;%1&quot; is damaged (line %2, column %3): %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a project file.</source>
        <translation>&quot;%1&quot; is not a project file.</translation>
    </message>
    <message>
        <source>Cannot write the project &quot;%1&quot;: %2</source>
        <translation>Cannot write the project &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>LayerDialog</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Start Time</translation>
    </message>
    <message>
        <source>HH:mm:ss:zzz</source>
        <translation>HH:mm:ss:zzz</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>End Time</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Keep Aspect</source>
        <translation>Keep Aspect</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Fade</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacity</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>In</source>
        <translation>In</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Out</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>InOut</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>LayeredManageDock</name>
    <message>
        <source>Watermark</source>
        <translation>Watermark</translation>
    </message>
</context>
<context>
    <name>LayeredManageWidget</name>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacity</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Fade</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>In</source>
        <translation>In</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Out</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>InOut</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
</context>
<context>
    <name>MainOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Threads</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>French</source>
        <translation>French</translation>
    </message>
    <message>
        <source>German</source>
        <translation>German</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italian</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portuguese</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Merge</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>00:00:00</source>
        <translation>00:00:00</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Subtitle</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Add to subtitle stream</source>
        <translation>Add to subtitle stream</translation>
    </message>
    <message>
        <source>Soundtrack</source>
        <translation>Soundtrack</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Config</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Output Format</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Output Folder</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Coverage</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>toolBar</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Watermark</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Add File</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Add Folder</translation>
    </message>
    <message>
        <source>Media information</source>
        <translation>Media information</translation>
    </message>
    <message>
        <source>Ready to convert</source>
        <translation>Ready to convert</translation>
    </message>
    <message>
        <source>Add subtitle file</source>
        <translation>Add subtitle file</translation>
    </message>
    <message>
        <source>All Delete</source>
        <translation>All Delete</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Add title sequence</source>
        <translation>Add title sequence</translation>
    </message>
    <message>
        <source>Add ending</source>
        <translation>Add ending</translation>
    </message>
    <message>
        <source>Media Infomation</source>
        <translation>Media Infomation</translation>
    </message>
    <message>
        <source>Lumacrest Standard Edition %1</source>
        <translation>Lumacrest Standard Edition %1</translation>
    </message>
    <message>
        <source>Source File</source>
        <translation>Source File</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>File Size</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Setting number of parts</source>
        <translation>Setting number of parts</translation>
    </message>
    <message>
        <source>A duration of each clip</source>
        <translation>A duration of each clip</translation>
    </message>
    <message>
        <source>Intercept a section</source>
        <translation>Intercept a section</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Start Time</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>End Time</translation>
    </message>
    <message>
        <source>You must restart Lumacrest to switch to the new language.
Do you want to restart now?</source>
        <translation>You must restart Lumacrest to switch to the new language.
Do you want to restart now?</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Reading...</translation>
    </message>
    <message>
        <source>Cannot be read: not a video or sound file</source>
        <translation>Cannot be read: not a video or sound file</translation>
    </message>
    <message>
        <source>Cannot be read: damaged or cut short</source>
        <translation>Cannot be read: damaged or cut short</translation>
    </message>
    <message>
        <source>Cannot be read: no picture or sound in it</source>
        <translation>Cannot be read: no picture or sound in it</translation>
    </message>
    <message>
        <source>Cannot be read: a still picture, not a video</source>
        <translation>Cannot be read: a still picture, not a video</translation>
    </message>
    <message>
        <source>Cannot be read: it refers to other files</source>
        <translation>Cannot be read: it refers to other files</translation>
    </message>
    <message>
        <source>Changed while it was read: %1</source>
        <translation>Changed while it was read: %1</translation>
    </message>
    <message>
        <source>A file that is being converted cannot be removed from the list. Stop the conversion first.</source>
        <translation>A file that is being converted cannot be removed from the list. Stop the conversion first.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Add Media File</source>
        <translation>Add Media File</translation>
    </message>
    <message>
        <source>Add Music File</source>
        <translation>Add Music File</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Open Subtitle File</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>Subtitle File(*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>Save ASS File</translation>
    </message>
    <message>
        <source>ASS File(*.ass);;SRT File(*.srt)</source>
        <translation>ASS File(*.ass);;SRT File(*.srt)</translation>
    </message>
    <message>
        <source>The subtitle file %1 could not be written.</source>
        <translation>The subtitle file %1 could not be written.</translation>
    </message>
    <message>
        <source>Adding files to the list...</source>
        <translation>Adding files to the list...</translation>
    </message>
    <message>
        <source>Preparing the layers...</source>
        <translation>Preparing the layers...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Add a title or ending clip</source>
        <translation>Add a title or ending clip</translation>
    </message>
    <message>
        <source>Delete the selected clip</source>
        <translation>Delete the selected clip</translation>
    </message>
    <message>
        <source>Move the selected clip up</source>
        <translation>Move the selected clip up</translation>
    </message>
    <message>
        <source>Move the selected clip down</source>
        <translation>Move the selected clip down</translation>
    </message>
    <message>
        <source>Add the parts to the selected sources</source>
        <translation>Add the parts to the selected sources</translation>
    </message>
    <message>
        <source>Delete the selected parts</source>
        <translation>Delete the selected parts</translation>
    </message>
    <message>
        <source>Add a soundtrack file</source>
        <translation>Add a soundtrack file</translation>
    </message>
    <message>
        <source>Delete the selected soundtrack file</source>
        <translation>Delete the selected soundtrack file</translation>
    </message>
    <message>
        <source>Move the selected soundtrack file up</source>
        <translation>Move the selected soundtrack file up</translation>
    </message>
    <message>
        <source>Move the selected soundtrack file down</source>
        <translation>Move the selected soundtrack file down</translation>
    </message>
    <message>
        <source>When checked, an output replaces an existing file of the same name in the output folder</source>
        <translation>When checked, an output replaces an existing file of the same name in the output folder</translation>
    </message>
    <message>
        <source>No file manager can show the folder &quot;%1&quot; on this desktop.</source>
        <translation>No file manager can show the folder &quot;%1&quot; on this desktop.</translation>
    </message>
    <message>
        <source>These files cannot be added because their names are not valid text in the system&apos;s encoding. Rename them and add them again:
%1</source>
        <translation>These files cannot be added because their names are not valid text in the system&apos;s encoding. Rename them and add them again:
%1</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1.</source>
        <translation>The settings could not be saved to %1.</translation>
    </message>
</context>
<context>
    <name>MediaDialog</name>
    <message>
        <source>Media Infomation</source>
        <translation>Media Infomation</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Bit rate</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Frame Rate</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Sample Rate</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
</context>
<context>
    <name>MeltEngineJob</name>
    <message>
        <source>an input failed to load</source>
        <translation>an input failed to load</translation>
    </message>
    <message>
        <source>melt made no progress</source>
        <translation>melt made no progress</translation>
    </message>
</context>
<context>
    <name>OutputCheck</name>
    <message>
        <source>output file unreadable</source>
        <translation>output file unreadable</translation>
    </message>
    <message>
        <source>output has no picture</source>
        <translation>output has no picture</translation>
    </message>
    <message>
        <source>output has a picture it should not have</source>
        <translation>output has a picture it should not have</translation>
    </message>
    <message>
        <source>output has no sound</source>
        <translation>output has no sound</translation>
    </message>
    <message>
        <source>output has sound it should not have</source>
        <translation>output has sound it should not have</translation>
    </message>
    <message>
        <source>output lasts %1 s instead of %2 s</source>
        <translation>output lasts %1 s instead of %2 s</translation>
    </message>
    <message>
        <source>output&apos;s sound plays %1 s instead of %2 s</source>
        <translation>output&apos;s sound plays %1 s instead of %2 s</translation>
    </message>
</context>
<context>
    <name>PanTimeDialog</name>
    <message>
        <source>Shift Times</source>
        <translation>Shift Times</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>HH:mm:ss:zzz</source>
        <translation>HH:mm:ss:zzz</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Backward</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>Affect</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>All rows</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Selected rows</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>Selection onward</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Times</translation>
    </message>
    <message>
        <source>Start and End times</source>
        <translation>Start and End times</translation>
    </message>
    <message>
        <source>Start times only</source>
        <translation>Start times only</translation>
    </message>
    <message>
        <source>End times only</source>
        <translation>End times only</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Play</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>Copy Time</translation>
    </message>
</context>
<context>
    <name>PlayerLoader</name>
    <message>
        <source>The preview cannot play: the player (%1) is missing or damaged. Conversions still work; reinstall the program to preview videos.</source>
        <translation>The preview cannot play: the player (%1) is missing or damaged. Conversions still work; reinstall the program to preview videos.</translation>
    </message>
</context>
<context>
    <name>QColorCombox</name>
    <message>
        <source>Automatic</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>white</source>
        <translation>white</translation>
    </message>
</context>
<context>
    <name>QFormatDialog</name>
    <message>
        <source>Format Options</source>
        <translation>Format Options</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Video quality mode</source>
        <translation>Video quality mode</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Bit rate</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Keep width and height</source>
        <translation>Keep width and height</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Aspect</translation>
    </message>
    <message>
        <source>Keep frame rate</source>
        <translation>Keep frame rate</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Frame rate</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Keep Audio Codec</source>
        <translation>Keep Audio Codec</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Sample rate</translation>
    </message>
    <message>
        <source>Volume(%)</source>
        <translation>Volume(%)</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formats</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>50 high</source>
        <translation>50 high</translation>
    </message>
    <message>
        <source>1 low</source>
        <translation>1 low</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>The format settings could not be saved to %1.</source>
        <translation>The format settings could not be saved to %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Options(*.ini)</source>
        <translation>Options(*.ini)</translation>
    </message>
    <message>
        <source>The format scheme could not be saved to %1.</source>
        <translation>The format scheme could not be saved to %1.</translation>
    </message>
    <message>
        <source>Are you sure to delete the format options ?</source>
        <translation>Are you sure to delete the format options ?</translation>
    </message>
    <message>
        <source>The format scheme %1 could not be deleted.</source>
        <translation>The format scheme %1 could not be deleted.</translation>
    </message>
    <message>
        <source>The format scheme %1 does not exist. Nothing was changed.</source>
        <translation>The format scheme %1 does not exist. Nothing was changed.</translation>
    </message>
    <message>
        <source>The format scheme %1 cannot be read. Nothing was changed.</source>
        <translation>The format scheme %1 cannot be read. Nothing was changed.</translation>
    </message>
    <message>
        <source>The format scheme %1 is damaged: it is not a settings file. Nothing was changed.</source>
        <translation>The format scheme %1 is damaged: it is not a settings file. Nothing was changed.</translation>
    </message>
    <message>
        <source>The format scheme %1 is damaged.</source>
        <translation>The format scheme %1 is damaged.</translation>
    </message>
    <message>
        <source>These settings are missing or not valid and take their default values: %1.</source>
        <translation>These settings are missing or not valid and take their default values: %1.</translation>
    </message>
    <message>
        <source>It names no known container: the output container was left as it was.</source>
        <translation>It names no known container: the output container was left as it was.</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>All Files</source>
        <translation>All Files</translation>
    </message>
    <message>
        <source>All Supported Media Files</source>
        <translation>All Supported Media Files</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>All Supported Video Files</translation>
    </message>
    <message>
        <source>All Supported Audio Files</source>
        <translation>All Supported Audio Files</translation>
    </message>
    <message>
        <source>All Supported Image Files</source>
        <translation>All Supported Image Files</translation>
    </message>
</context>
<context>
    <name>QPlayerWidget</name>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>Copy Time</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>QWatermarkBase</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Resize</translation>
    </message>
</context>
<context>
    <name>QWatermarkScene</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Are you sure to delete the layer ?</source>
        <translation>Are you sure to delete the layer ?</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ReplaceDialog</name>
    <message>
        <source>Find\Replace</source>
        <translation>Find\Replace</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>Affect</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>All rows</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Selected rows</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>Selection onward</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>RunArguments</name>
    <message>
        <source>The %1 container cannot hold %2 video.</source>
        <translation>The %1 container cannot hold %2 video.</translation>
    </message>
    <message>
        <source>The %1 container cannot hold %2 sound.</source>
        <translation>The %1 container cannot hold %2 sound.</translation>
    </message>
    <message>
        <source>The sound of %1 is damaged or empty.</source>
        <translation>The sound of %1 is damaged or empty.</translation>
    </message>
</context>
<context>
    <name>StyleDialog</name>
    <message>
        <source>Style Editor</source>
        <translation>Style Editor</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Strikeout</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Primary</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Secondary</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Outline</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Shadow</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacity</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margins</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alignment</translation>
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
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Open style file or ass file</source>
        <translation>Open style file or ass file</translation>
    </message>
    <message>
        <source>Style|ASS file(*.sty *.ass *.ssa)</source>
        <translation>Style|ASS file(*.sty *.ass *.ssa)</translation>
    </message>
    <message>
        <source>The file %1 holds no subtitle styles.</source>
        <translation>The file %1 holds no subtitle styles.</translation>
    </message>
    <message>
        <source>Save style file</source>
        <translation>Save style file</translation>
    </message>
    <message>
        <source>Style file(*.sty)</source>
        <translation>Style file(*.sty)</translation>
    </message>
    <message>
        <source>The style file %1 cannot be written.</source>
        <translation>The style file %1 cannot be written.</translation>
    </message>
</context>
<context>
    <name>SubtitleDock</name>
    <message>
        <source>Subtitle</source>
        <translation>Subtitle</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Are you sure delete subtitle?</source>
        <translation>Are you sure delete subtitle?</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>Save ASS File</translation>
    </message>
    <message>
        <source>ASS File(*.ass)</source>
        <translation>ASS File(*.ass)</translation>
    </message>
    <message>
        <source>The subtitle file %1 cannot be written.</source>
        <translation>The subtitle file %1 cannot be written.</translation>
    </message>
</context>
<context>
    <name>SubtitleParser</name>
    <message>
        <source>The subtitle file %1 is larger than %2 MB; it is not read.</source>
        <translation>The subtitle file %1 is larger than %2 MB; it is not read.</translation>
    </message>
</context>
<context>
    <name>SubtitleWidget</name>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Find\Replace</source>
        <translation>Find\Replace</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Start Time</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>End Time</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Subtitle</translation>
    </message>
</context>
<context>
    <name>TimelineViewBlockItem</name>
    <message>
        <source>Text ABC</source>
        <translation>Text ABC</translation>
    </message>
</context>
<context>
    <name>Util</name>
    <message>
        <source>Unable to write file %1
Perhaps you do not have permission.
Try again with a different folder.</source>
        <translation>Unable to write file %1
Perhaps you do not have permission.
Try again with a different folder.</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>The value you entered is very similar to the common,
more standard %1 = %2/1001.

Do you want to use %1 = %2/1001 instead?</source>
        <translation>The value you entered is very similar to the common,
more standard %1 = %2/1001.

Do you want to use %1 = %2/1001 instead?</translation>
    </message>
</context>
<context>
    <name>VBackgroundMenuWidget</name>
    <message>
        <source>Enable Background</source>
        <translation>Enable Background</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Background Color</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Alpha</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Thickness</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Round</translation>
    </message>
</context>
<context>
    <name>VFuncTextEffectPage</name>
    <message>
        <source>Text Effect</source>
        <translation>Text Effect</translation>
    </message>
    <message>
        <source>Text Glow</source>
        <translation>Text Glow</translation>
    </message>
    <message>
        <source>No Outline</source>
        <translation>No Outline</translation>
    </message>
    <message>
        <source>Single Outline</source>
        <translation>Single Outline</translation>
    </message>
    <message>
        <source>Double Outline</source>
        <translation>Double Outline</translation>
    </message>
    <message>
        <source>Gradient Outline</source>
        <translation>Gradient Outline</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Text Color</translation>
    </message>
    <message>
        <source>Gradient Text</source>
        <translation>Gradient Text</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Outline</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Shadow</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Background</translation>
    </message>
</context>
<context>
    <name>VFuncTextPage</name>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Underline</translation>
    </message>
</context>
<context>
    <name>VOutlineMenuWidget</name>
    <message>
        <source>Outline Color1</source>
        <translation>Outline Color1</translation>
    </message>
    <message>
        <source>Thickness1</source>
        <translation>Thickness1</translation>
    </message>
    <message>
        <source>Alpha1</source>
        <translation>Alpha1</translation>
    </message>
    <message>
        <source>Outline Color2</source>
        <translation>Outline Color2</translation>
    </message>
    <message>
        <source>Thickness2</source>
        <translation>Thickness2</translation>
    </message>
    <message>
        <source>Alpha2</source>
        <translation>Alpha2</translation>
    </message>
</context>
<context>
    <name>VShadowMenuWidget</name>
    <message>
        <source>Enable Shadow</source>
        <translation>Enable Shadow</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Shadow Color</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Thickness</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Alpha</translation>
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
        <translation>Text Options</translation>
    </message>
    <message>
        <source>Enter your own content here</source>
        <translation>Enter your own content here</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Text Effect</source>
        <translation>Text Effect</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
