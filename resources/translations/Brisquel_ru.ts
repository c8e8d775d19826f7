<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Lumacrest</source>
        <translation>Lumacrest</translation>
    </message>
    <message>
        <source>Free for personal use.</source>
        <translation>Бесплатно для личных нужд.</translation>
    </message>
    <message>
        <source>Standard Edition %1</source>
        <translation>Стандартная версия %1</translation>
    </message>
    <message>
        <source>Contact: &lt;a style=&quot;color:#ffffff&quot; href=&quot;mailto:support@lumacrest.invalid&quot;&gt;support@lumacrest.invalid&lt;/a&gt;</source>
        <translation>Контакты: &lt;a style=&quot;color:#ffffff&quot; href=&quot;mailto:support@lumacrest.invalid&quot;&gt;support@lumacrest.invalid&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Web: &lt;a style=&quot;color:#ffffff&quot; href=&quot;https://lumacrest.invalid/&quot;&gt;lumacrest.invalid&lt;/a&gt;</source>
        <translation>Сайт: &lt;a style=&quot;color:#ffffff&quot; href=&quot;https://lumacrest.invalid/&quot;&gt;lumacrest.invalid&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>AbstractJob</name>
    <message>
        <source>%1 not found</source>
        <translation>%1 не найден</translation>
    </message>
    <message>
        <source>no output file</source>
        <translation>нет выходного файла</translation>
    </message>
    <message>
        <source>output file empty</source>
        <translation>выходной файл пуст</translation>
    </message>
    <message>
        <source>output file not written</source>
        <translation>выходной файл не записан</translation>
    </message>
    <message>
        <source>could not be started</source>
        <translation>не удалось запустить</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>остановлено</translation>
    </message>
    <message>
        <source>crashed</source>
        <translation>аварийное завершение</translation>
    </message>
    <message>
        <source>exit code %1</source>
        <translation>код завершения %1</translation>
    </message>
    <message>
        <source>the output could not be put in place: %1</source>
        <translation>не удалось поместить результат на место: %1</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>No file name was given.</source>
        <translation>Имя файла не указано.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Это не обычный файл.</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Add media file to list</source>
        <translation>Добавьте медиафайл в список</translation>
    </message>
    <message>
        <source>Lumacrest Project</source>
        <translation>Проект Lumacrest</translation>
    </message>
    <message>
        <source>File missing: %1</source>
        <translation>Файл отсутствует: %1</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>Не обычный файл: %1</translation>
    </message>
    <message>
        <source>Cannot write a work file: %1</source>
        <translation>Не удаётся записать рабочий файл: %1</translation>
    </message>
    <message>
        <source>Subtitle file missing: %1</source>
        <translation>Файл субтитров отсутствует: %1</translation>
    </message>
    <message>
        <source>Subtitle file too large: %1</source>
        <translation>Файл субтитров слишком велик: %1</translation>
    </message>
    <message>
        <source>Cannot read the subtitle file: %1</source>
        <translation>Не удаётся прочитать файл субтитров: %1</translation>
    </message>
    <message>
        <source>Refers to other files: %1</source>
        <translation>Ссылается на другие файлы: %1</translation>
    </message>
    <message>
        <source>Not a media file: %1</source>
        <translation>Не медиафайл: %1</translation>
    </message>
    <message>
        <source>Cannot read the picture: %1</source>
        <translation>Не удаётся прочитать изображение: %1</translation>
    </message>
</context>
<context>
    <name>CropDialog</name>
    <message>
        <source>Crop</source>
        <translation>Обрезка</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Соотношение сторон</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
</context>
<context>
    <name>EditorMainWindow</name>
    <message>
        <source>Editor</source>
        <translation>Редактор</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>Добавить видео</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Добавить изображение</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Добавить текст</translation>
    </message>
    <message>
        <source>Add Subtitle</source>
        <translation>Добавить субтитры</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Дублировать</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Изменить текст</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Обрезка</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Повернуть влево</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Повернуть вправо</translation>
    </message>
    <message>
        <source>Flip horizontal </source>
        <translation>Отразить по горизонтали </translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Отразить по вертикали</translation>
    </message>
    <message>
        <source>The video %1 cannot be read.</source>
        <translation>Не удаётся прочитать видео %1.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>Не удаётся прочитать изображение %1.</translation>
    </message>
    <message>
        <source>The styled text cannot be added.</source>
        <translation>Не удаётся добавить оформленный текст.</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Открыть файл субтитров</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>Файлы субтитров (*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Open Lumacrest Project</source>
        <translation>Открыть проект Lumacrest</translation>
    </message>
    <message>
        <source>Lumacrest 4.x later Project(*.jxo)</source>
        <translation>Проекты Lumacrest 4.x и новее (*.jxo)</translation>
    </message>
    <message>
        <source>Save Lumacrest Project</source>
        <translation>Сохранить проект Lumacrest</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>The source cannot be previewed: it has no picture size.</source>
        <translation>Не удаётся просмотреть источник: у него нет размера изображения.</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened.</source>
        <translation>Не удаётся открыть проект %1.</translation>
    </message>
    <message>
        <source>The project %1 cannot be saved.</source>
        <translation>Не удаётся сохранить проект %1.</translation>
    </message>
    <message>
        <source>The subtitle file %1 cannot be read.</source>
        <translation>Не удаётся прочитать файл субтитров %1.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... и ещё %1.</translation>
    </message>
    <message>
        <source>Layer %1: %2</source>
        <translation>Слой %1: %2</translation>
    </message>
    <message>
        <source>The pictures of these layers cannot be read. Each is kept as a grey box of its saved size and saved again unchanged:</source>
        <translation>Изображения этих слоёв не удаётся прочитать. Каждый сохранён как серый прямоугольник сохранённого размера и будет записан снова без изменений:</translation>
    </message>
    <message>
        <source>These layers held damaged values, which were read as 0 or brought into range:</source>
        <translation>В этих слоях были повреждённые значения; они прочитаны как 0 или приведены к допустимому диапазону:</translation>
    </message>
    <message>
        <source>The project %1 was opened with every layer.</source>
        <translation>Проект %1 открыт со всеми слоями.</translation>
    </message>
</context>
<context>
    <name>FileFolders</name>
    <message>
        <source>Choose an output folder first.</source>
        <translation>Сначала выберите папку для результатов.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path. Choose a folder.</source>
        <translation>Папка для результатов «%1» задана не полным путём. Выберите папку.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a folder. Choose a folder.</source>
        <translation>«%1» — это не папка. Выберите папку для результатов.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created. Choose another folder.</source>
        <translation>Не удаётся создать папку для результатов «%1». Выберите другую папку.</translation>
    </message>
    <message>
        <source>Nothing can be written into the output folder &quot;%1&quot;. Choose another folder.</source>
        <translation>В папку для результатов «%1» ничего нельзя записать. Выберите другую папку.</translation>
    </message>
</context>
<context>
    <name>JobsManage</name>
    <message>
        <source>Stopped</source>
        <translation>Остановлено</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>неизвестная ошибка</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 (на %2)</translation>
    </message>
    <message>
        <source>Failed at %1%: %2</source>
        <translation>Сбой на %1%: %2</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Завершено</translation>
    </message>
    <message>
        <source>Nothing to merge</source>
        <translation>Нечего объединять</translation>
    </message>
    <message>
        <source>Nothing to split</source>
        <translation>Нечего разделять</translation>
    </message>
    <message>
        <source>Nothing to merge: no picture or sound</source>
        <translation>Нечего объединять: нет ни изображения, ни звука</translation>
    </message>
    <message>
        <source>Paused: %1%</source>
        <translation>Пауза: %1%</translation>
    </message>
</context>
<context>
    <name>JxOFile</name>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>«%1» не является обычным файлом.</translation>
    </message>
    <message>
        <source>Cannot open the project &quot;%1&quot;: %2</source>
        <translation>Не удаётся открыть проект «%1»: %2</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is too large.</source>
        <translation>Проект «%1» слишком велик.</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is refused: it declares a document type or entities, which projects never do.</source>
        <translation>Проект «%1» отклонён: в нём объявлены тип документа или сущности, чего в проектах никогда не бывает.</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is refused: its elements nest far deeper than in any project.</source>
        <translation>Проект «%1» отклонён: его элементы вложены гораздо глубже, чем в любом проекте.</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is damaged (line %2, column %3): %4</source>
        <translation>Проект «%1» повреждён (строка %2, столбец %3): %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a project file.</source>
        <translation>«%1» не является файлом проекта.</translation>
    </message>
    <message>
        <source>Cannot write the project &quot;%1&quot;: %2</source>
        <translation>Не удаётся записать проект «%1»: %2</translation>
    </message>
</context>
<context>
    <name>LayerDialog</name>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>HH:mm:ss:zzz</source>
        <translation>HH:mm:ss:zzz</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Keep Aspect</source>
        <translation>Сохранять пропорции</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Анимация</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Затухание</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Непрозрачность</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Повторы</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Угол</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Слева направо</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Справа налево</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Сверху вниз</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Снизу вверх</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Появление</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Исчезновение</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>Появление и исчезновение</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>LayeredManageDock</name>
    <message>
        <source>Watermark</source>
        <translation>Водяной знак</translation>
    </message>
</context>
<context>
    <name>LayeredManageWidget</name>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Непрозрачность</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Анимация</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Затухание</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Слева направо</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Справа налево</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Сверху вниз</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Снизу вверх</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Появление</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Исчезновение</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>Появление и исчезновение</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длит.</translation>
    </message>
</context>
<context>
    <name>MainOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Потоки</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Китайский</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Французский</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Немецкий</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Итальянский</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японский</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Португальский</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Испанский</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>Объединение</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>00:00:00</source>
        <translation>00:00:00</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Разделение</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Субтитры</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Add to subtitle stream</source>
        <translation>Добавить как дорожку субтитров</translation>
    </message>
    <message>
        <source>Soundtrack</source>
        <translation>Звуковая дорожка</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Формат вывода</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Папка вывода</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Перезаписывать</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Водяной знак</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Запуск</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Добавить файл</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Добавить папку</translation>
    </message>
    <message>
        <source>Media information</source>
        <translation>Сведения о медиафайле</translation>
    </message>
    <message>
        <source>Ready to convert</source>
        <translation>Готов к конвертации</translation>
    </message>
    <message>
        <source>Add subtitle file</source>
        <translation>Добавить файл субтитров</translation>
    </message>
    <message>
        <source>All Delete</source>
        <translation>Удалить все</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Add title sequence</source>
        <translation>Добавить заставку</translation>
    </message>
    <message>
        <source>Add ending</source>
        <translation>Добавить концовку</translation>
    </message>
    <message>
        <source>Media Infomation</source>
        <translation>Сведения о медиафайле</translation>
    </message>
    <message>
        <source>Lumacrest Standard Edition %1</source>
        <translation>Lumacrest, стандартная версия %1</translation>
    </message>
    <message>
        <source>Source File</source>
        <translation>Исходный файл</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Setting number of parts</source>
        <translation>По числу частей</translation>
    </message>
    <message>
        <source>A duration of each clip</source>
        <translation>По длительности части</translation>
    </message>
    <message>
        <source>Intercept a section</source>
        <translation>Вырезать фрагмент</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Время начала</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Время окончания</translation>
    </message>
    <message>
        <source>You must restart Lumacrest to switch to the new language.
Do you want to restart now?</source>
        <translation>Чтобы сменить язык, нужно перезапустить Lumacrest.
Перезапустить сейчас?</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готов</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Чтение...</translation>
    </message>
    <message>
        <source>Cannot be read: not a video or sound file</source>
        <translation>Невозможно прочитать: это не видео- и не аудиофайл</translation>
    </message>
    <message>
        <source>Cannot be read: damaged or cut short</source>
        <translation>Невозможно прочитать: файл повреждён или обрезан</translation>
    </message>
    <message>
        <source>Cannot be read: no picture or sound in it</source>
        <translation>Невозможно прочитать: нет ни изображения, ни звука</translation>
    </message>
    <message>
        <source>Cannot be read: a still picture, not a video</source>
        <translation>Невозможно прочитать: это неподвижное изображение, а не видео</translation>
    </message>
    <message>
        <source>Cannot be read: it refers to other files</source>
        <translation>Невозможно прочитать: ссылается на другие файлы</translation>
    </message>
    <message>
        <source>Changed while it was read: %1</source>
        <translation>Изменён во время чтения: %1</translation>
    </message>
    <message>
        <source>A file that is being converted cannot be removed from the list. Stop the conversion first.</source>
        <translation>Файл, который сейчас конвертируется, нельзя удалить из списка. Сначала остановите конвертацию.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Add Media File</source>
        <translation>Добавить медиафайл</translation>
    </message>
    <message>
        <source>Add Music File</source>
        <translation>Добавить музыкальный файл</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Открыть файл субтитров</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>Файл субтитров (*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>Сохранить файл ASS</translation>
    </message>
    <message>
        <source>ASS File(*.ass);;SRT File(*.srt)</source>
        <translation>Файл ASS (*.ass);;Файл SRT (*.srt)</translation>
    </message>
    <message>
        <source>The subtitle file %1 could not be written.</source>
        <translation>Не удалось записать файл субтитров %1.</translation>
    </message>
    <message>
        <source>Adding files to the list...</source>
        <translation>Добавление файлов в список...</translation>
    </message>
    <message>
        <source>Preparing the layers...</source>
        <translation>Подготовка слоёв...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Add a title or ending clip</source>
        <translation>Добавить заставку или концовку</translation>
    </message>
    <message>
        <source>Delete the selected clip</source>
        <translation>Удалить выбранный клип</translation>
    </message>
    <message>
        <source>Move the selected clip up</source>
        <translation>Переместить выбранный клип вверх</translation>
    </message>
    <message>
        <source>Move the selected clip down</source>
        <translation>Переместить выбранный клип вниз</translation>
    </message>
    <message>
        <source>Add the parts to the selected sources</source>
        <translation>Добавить части к выбранным исходным файлам</translation>
    </message>
    <message>
        <source>Delete the selected parts</source>
        <translation>Удалить выбранные части</translation>
    </message>
    <message>
        <source>Add a soundtrack file</source>
        <translation>Добавить файл звуковой дорожки</translation>
    </message>
    <message>
        <source>Delete the selected soundtrack file</source>
        <translation>Удалить выбранный файл звуковой дорожки</translation>
    </message>
    <message>
        <source>Move the selected soundtrack file up</source>
        <translation>Переместить выбранный файл звуковой дорожки вверх</translation>
    </message>
    <message>
        <source>Move the selected soundtrack file down</source>
        <translation>Переместить выбранный файл звуковой дорожки вниз</translation>
    </message>
    <message>
        <source>When checked, an output replaces an existing file of the same name in the output folder</source>
        <translation>Если отмечено, результат заменяет существующий файл с тем же именем в папке вывода</translation>
    </message>
    <message>
        <source>No file manager can show the folder &quot;%1&quot; on this desktop.</source>
        <translation>На этом рабочем столе нет файлового менеджера, который может показать папку «%1».</translation>
    </message>
    <message>
        <source>These files cannot be added because their names are not valid text in the system&apos;s encoding. Rename them and add them again:
%1</source>
        <translation>Эти файлы нельзя добавить: их имена не являются допустимым текстом в кодировке системы. Переименуйте их и добавьте снова:
%1</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1.</source>
        <translation>Не удалось сохранить настройки в %1.</translation>
    </message>
</context>
<context>
    <name>MediaDialog</name>
    <message>
        <source>Media Infomation</source>
        <translation>Сведения о медиафайле</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Формат</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Битрейт</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Кодек</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Частота кадров</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Частота дискретизации</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Аудио</translation>
    </message>
</context>
<context>
    <name>MeltEngineJob</name>
    <message>
        <source>an input failed to load</source>
        <translation>не удалось загрузить входной файл</translation>
    </message>
    <message>
        <source>melt made no progress</source>
        <translation>melt не продвигается</translation>
    </message>
</context>
<context>
    <name>OutputCheck</name>
    <message>
        <source>output file unreadable</source>
        <translation>выходной файл не читается</translation>
    </message>
    <message>
        <source>output has no picture</source>
        <translation>в результате нет изображения</translation>
    </message>
    <message>
        <source>output has a picture it should not have</source>
        <translation>в результате есть лишнее изображение</translation>
    </message>
    <message>
        <source>output has no sound</source>
        <translation>в результате нет звука</translation>
    </message>
    <message>
        <source>output has sound it should not have</source>
        <translation>в результате есть лишний звук</translation>
    </message>
    <message>
        <source>output lasts %1 s instead of %2 s</source>
        <translation>результат длится %1 с вместо %2 с</translation>
    </message>
    <message>
        <source>output&apos;s sound plays %1 s instead of %2 s</source>
        <translation>звук результата звучит %1 с вместо %2 с</translation>
    </message>
</context>
<context>
    <name>PanTimeDialog</name>
    <message>
        <source>Shift Times</source>
        <translation>Сдвиг времени</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>HH:mm:ss:zzz</source>
        <translation>HH:mm:ss:zzz</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>Применить к</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Все строки</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Выбранные строки</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>Выделенная и ниже</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Сдвигать</translation>
    </message>
    <message>
        <source>Start and End times</source>
        <translation>Начало и конец</translation>
    </message>
    <message>
        <source>Start times only</source>
        <translation>Только начало</translation>
    </message>
    <message>
        <source>End times only</source>
        <translation>Только конец</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>Копировать время</translation>
    </message>
</context>
<context>
    <name>PlayerLoader</name>
    <message>
        <source>The preview cannot play: the player (%1) is missing or damaged. Conversions still work; reinstall the program to preview videos.</source>
        <translation>Предпросмотр невозможен: проигрыватель (%1) отсутствует или повреждён. Преобразование по-прежнему работает; переустановите программу, чтобы просматривать видео.</translation>
    </message>
</context>
<context>
    <name>QColorCombox</name>
    <message>
        <source>Automatic</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Другой цвет</translation>
    </message>
    <message>
        <source>white</source>
        <translation>белый</translation>
    </message>
</context>
<context>
    <name>QFormatDialog</name>
    <message>
        <source>Format Options</source>
        <translation>Параметры формата</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Video quality mode</source>
        <translation>Режим качества видео</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Битрейт</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Кодек</translation>
    </message>
    <message>
        <source>Keep width and height</source>
        <translation>Сохранить ширину и высоту</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Пропорции</translation>
    </message>
    <message>
        <source>Keep frame rate</source>
        <translation>Сохранить частоту кадров</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Частота кадров</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Аудио</translation>
    </message>
    <message>
        <source>Keep Audio Codec</source>
        <translation>Сохранить аудиокодек</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Частота дискретизации</translation>
    </message>
    <message>
        <source>Volume(%)</source>
        <translation>Громкость (%)</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Наборы настроек</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>50 high</source>
        <translation>50 (высокое)</translation>
    </message>
    <message>
        <source>1 low</source>
        <translation>1 (низкое)</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The format settings could not be saved to %1.</source>
        <translation>Не удалось сохранить настройки формата в %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Options(*.ini)</source>
        <translation>Наборы настроек (*.ini)</translation>
    </message>
    <message>
        <source>The format scheme could not be saved to %1.</source>
        <translation>Не удалось сохранить набор настроек в %1.</translation>
    </message>
    <message>
        <source>Are you sure to delete the format options ?</source>
        <translation>Удалить этот набор настроек?</translation>
    </message>
    <message>
        <source>The format scheme %1 could not be deleted.</source>
        <translation>Не удалось удалить набор настроек %1.</translation>
    </message>
    <message>
        <source>The format scheme %1 does not exist. Nothing was changed.</source>
        <translation>Схема формата %1 не существует. Ничего не изменено.</translation>
    </message>
    <message>
        <source>The format scheme %1 cannot be read. Nothing was changed.</source>
        <translation>Не удаётся прочитать схему формата %1. Ничего не изменено.</translation>
    </message>
    <message>
        <source>The format scheme %1 is damaged: it is not a settings file. Nothing was changed.</source>
        <translation>Схема формата %1 повреждена: это не файл настроек. Ничего не изменено.</translation>
    </message>
    <message>
        <source>The format scheme %1 is damaged.</source>
        <translation>Схема формата %1 повреждена.</translation>
    </message>
    <message>
        <source>These settings are missing or not valid and take their default values: %1.</source>
        <translation>Эти настройки отсутствуют или недопустимы и получают значения по умолчанию: %1.</translation>
    </message>
    <message>
        <source>It names no known container: the output container was left as it was.</source>
        <translation>В ней не указан известный контейнер: выходной контейнер оставлен без изменений.</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>All Files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>All Supported Media Files</source>
        <translation>Все поддерживаемые медиафайлы</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>Все поддерживаемые видеофайлы</translation>
    </message>
    <message>
        <source>All Supported Audio Files</source>
        <translation>Все поддерживаемые аудиофайлы</translation>
    </message>
    <message>
        <source>All Supported Image Files</source>
        <translation>Все поддерживаемые изображения</translation>
    </message>
</context>
<context>
    <name>QPlayerWidget</name>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>Копировать время</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
</context>
<context>
    <name>QWatermarkBase</name>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Повернуть</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Изменить размер</translation>
    </message>
</context>
<context>
    <name>QWatermarkScene</name>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Are you sure to delete the layer ?</source>
        <translation>Удалить этот слой?</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>ReplaceDialog</name>
    <message>
        <source>Find\Replace</source>
        <translation>Найти и заменить</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Заменить на</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>Применить к</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Все строки</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Выбранные строки</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>Выделенная и ниже</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>RunArguments</name>
    <message>
        <source>The %1 container cannot hold %2 video.</source>
        <translation>Контейнер %1 не поддерживает видео %2.</translation>
    </message>
    <message>
        <source>The %1 container cannot hold %2 sound.</source>
        <translation>Контейнер %1 не поддерживает звук %2.</translation>
    </message>
    <message>
        <source>The sound of %1 is damaged or empty.</source>
        <translation>Звук в %1 повреждён или отсутствует.</translation>
    </message>
</context>
<context>
    <name>StyleDialog</name>
    <message>
        <source>Style Editor</source>
        <translation>Редактор стилей</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Стиль</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Жирный</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Курсив</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Подчёрк.</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Зачёрк.</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Основной</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Вторичный</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Контур</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Тень</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Непрозр.</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Поля</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Левое</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Правое</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Вертик.</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Выравнивание</translation>
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
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Open style file or ass file</source>
        <translation>Открыть файл стилей или файл ASS</translation>
    </message>
    <message>
        <source>Style|ASS file(*.sty *.ass *.ssa)</source>
        <translation>Файлы стилей/ASS (*.sty *.ass *.ssa)</translation>
    </message>
    <message>
        <source>The file %1 holds no subtitle styles.</source>
        <translation>Файл %1 не содержит стилей субтитров.</translation>
    </message>
    <message>
        <source>Save style file</source>
        <translation>Сохранить файл стилей</translation>
    </message>
    <message>
        <source>Style file(*.sty)</source>
        <translation>Файлы стилей (*.sty)</translation>
    </message>
    <message>
        <source>The style file %1 cannot be written.</source>
        <translation>Не удаётся записать файл стилей %1.</translation>
    </message>
</context>
<context>
    <name>SubtitleDock</name>
    <message>
        <source>Subtitle</source>
        <translation>Субтитры</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Are you sure delete subtitle?</source>
        <translation>Удалить выбранные субтитры?</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>Сохранить файл ASS</translation>
    </message>
    <message>
        <source>ASS File(*.ass)</source>
        <translation>Файлы ASS (*.ass)</translation>
    </message>
    <message>
        <source>The subtitle file %1 cannot be written.</source>
        <translation>Не удаётся записать файл субтитров %1.</translation>
    </message>
</context>
<context>
    <name>SubtitleParser</name>
    <message>
        <source>The subtitle file %1 is larger than %2 MB; it is not read.</source>
        <translation>Файл субтитров %1 больше %2 МБ; он не читается.</translation>
    </message>
</context>
<context>
    <name>SubtitleWidget</name>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Стиль</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Сдвиг времени</translation>
    </message>
    <message>
        <source>Find\Replace</source>
        <translation>Найти и заменить</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Текст</translation>
    </message>
</context>
<context>
    <name>TimelineViewBlockItem</name>
    <message>
        <source>Text ABC</source>
        <translation>Текст ABC</translation>
    </message>
</context>
<context>
    <name>Util</name>
    <message>
        <source>Unable to write file %1
Perhaps you do not have permission.
Try again with a different folder.</source>
        <translation>Не удаётся записать файл %1
Возможно, у вас нет прав на запись.
Попробуйте другую папку.</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Мастер</translation>
    </message>
    <message>
        <source>The value you entered is very similar to the common,
more standard %1 = %2/1001.

Do you want to use %1 = %2/1001 instead?</source>
        <translation>Введённое значение очень близко к распространённому,
более стандартному %1 = %2/1001.

Использовать %1 = %2/1001?</translation>
    </message>
</context>
<context>
    <name>VBackgroundMenuWidget</name>
    <message>
        <source>Enable Background</source>
        <translation>Включить фон</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Цвет фона</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Непрозрачность</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Толщина</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Скругление</translation>
    </message>
</context>
<context>
    <name>VFuncTextEffectPage</name>
    <message>
        <source>Text Effect</source>
        <translation>Эффекты текста</translation>
    </message>
    <message>
        <source>Text Glow</source>
        <translation>Свечение текста</translation>
    </message>
    <message>
        <source>No Outline</source>
        <translation>Без контура</translation>
    </message>
    <message>
        <source>Single Outline</source>
        <translation>Одинарный контур</translation>
    </message>
    <message>
        <source>Double Outline</source>
        <translation>Двойной контур</translation>
    </message>
    <message>
        <source>Gradient Outline</source>
        <translation>Градиентный контур</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Цвет текста</translation>
    </message>
    <message>
        <source>Gradient Text</source>
        <translation>Градиентный текст</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Контур</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Тень</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Фон</translation>
    </message>
</context>
<context>
    <name>VFuncTextPage</name>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Жирный</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Курсив</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Подчёркнутый</translation>
    </message>
</context>
<context>
    <name>VOutlineMenuWidget</name>
    <message>
        <source>Outline Color1</source>
        <translation>Цвет контура 1</translation>
    </message>
    <message>
        <source>Thickness1</source>
        <translation>Толщина 1</translation>
    </message>
    <message>
        <source>Alpha1</source>
        <translation>Непрозрачность 1</translation>
    </message>
    <message>
        <source>Outline Color2</source>
        <translation>Цвет контура 2</translation>
    </message>
    <message>
        <source>Thickness2</source>
        <translation>Толщина 2</translation>
    </message>
    <message>
        <source>Alpha2</source>
        <translation>Непрозрачность 2</translation>
    </message>
</context>
<context>
    <name>VShadowMenuWidget</name>
    <message>
        <source>Enable Shadow</source>
        <translation>Включить тень</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Цвет тени</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Толщина</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Непрозрачность</translation>
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
        <translation>Параметры текста</translation>
    </message>
    <message>
        <source>Enter your own content here</source>
        <translation>Введите здесь свой текст</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Text Effect</source>
        <translation>Эффекты текста</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
</TS>
