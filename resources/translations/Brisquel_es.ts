<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Lumacrest</source>
        <translation>Lumacrest</translation>
    </message>
    <message>
        <source>Free for personal use.</source>
        <translation>Gratuito para uso personal.</translation>
    </message>
    <message>
        <source>Standard Edition %1</source>
        <translation>Edición estándar %1</translation>
    </message>
    <message>
        <source>Contact: &lt;a style=&quot;color:#ffffff&quot; href=&quot;mailto:support@lumacrest.invalid&quot;&gt;support@lumacrest.invalid&lt;/a&gt;</source>
        <translation>Contacto: &lt;a style=&quot;color:#ffffff&quot; href=&quot;mailto:support@lumacrest.invalid&quot;&gt;support@lumacrest.invalid&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Web: &lt;a style=&quot;color:#ffffff&quot; href=&quot;https://lumacrest.invalid/&quot;&gt;lumacrest.invalid&lt;/a&gt;</source>
        <translation>Web: &lt;a style=&quot;color:#ffffff&quot; href=&quot;https://lumacrest.invalid/&quot;&gt;lumacrest.invalid&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>AbstractJob</name>
    <message>
        <source>%1 not found</source>
        <translation>no se encuentra %1</translation>
    </message>
    <message>
        <source>no output file</source>
        <translation>ningún archivo de salida</translation>
    </message>
    <message>
        <source>output file empty</source>
        <translation>archivo de salida vacío</translation>
    </message>
    <message>
        <source>output file not written</source>
        <translation>no se escribió el archivo de salida</translation>
    </message>
    <message>
        <source>could not be started</source>
        <translation>no se pudo iniciar</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>detenido</translation>
    </message>
    <message>
        <source>crashed</source>
        <translation>se bloqueó</translation>
    </message>
    <message>
        <source>exit code %1</source>
        <translation>código de salida %1</translation>
    </message>
    <message>
        <source>the output could not be put in place: %1</source>
        <translation>no se pudo colocar el archivo de salida: %1</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>No file name was given.</source>
        <translation>No se indicó ningún nombre de archivo.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Add media file to list</source>
        <translation>Añadir archivo multimedia a la lista</translation>
    </message>
    <message>
        <source>Lumacrest Project</source>
        <translation>Proyecto de Lumacrest</translation>
    </message>
    <message>
        <source>File missing: %1</source>
        <translation>Falta el archivo: %1</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>No es un archivo normal: %1</translation>
    </message>
    <message>
        <source>Cannot write a work file: %1</source>
        <translation>No se puede escribir un archivo de trabajo: %1</translation>
    </message>
    <message>
        <source>Subtitle file missing: %1</source>
        <translation>Falta el archivo de subtítulos: %1</translation>
    </message>
    <message>
        <source>Subtitle file too large: %1</source>
        <translation>Archivo de subtítulos demasiado grande: %1</translation>
    </message>
    <message>
        <source>Cannot read the subtitle file: %1</source>
        <translation>No se puede leer el archivo de subtítulos: %1</translation>
    </message>
    <message>
        <source>Refers to other files: %1</source>
        <translation>Remite a otros archivos: %1</translation>
    </message>
    <message>
        <source>Not a media file: %1</source>
        <translation>No es un archivo multimedia: %1</translation>
    </message>
    <message>
        <source>Cannot read the picture: %1</source>
        <translation>No se puede leer la imagen: %1</translation>
    </message>
</context>
<context>
    <name>CropDialog</name>
    <message>
        <source>Crop</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Relación de aspecto</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>Añadir vídeo</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Añadir imagen</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Añadir texto</translation>
    </message>
    <message>
        <source>Add Subtitle</source>
        <translation>Añadir subtítulos</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>Flip horizontal </source>
        <translation>Voltear horizontalmente </translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Voltear verticalmente</translation>
    </message>
    <message>
        <source>The video %1 cannot be read.</source>
        <translation>No se puede leer el vídeo %1.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>No se puede leer la imagen %1.</translation>
    </message>
    <message>
        <source>The styled text cannot be added.</source>
        <translation>No se puede añadir el texto con estilo.</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Abrir archivo de subtítulos</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>Archivo de subtítulos (*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Subtítulo</translation>
    </message>
    <message>
        <source>Open Lumacrest Project</source>
        <translation>Abrir proyecto de Lumacrest</translation>
    </message>
    <message>
        <source>Lumacrest 4.x later Project(*.jxo)</source>
        <translation>Proyecto de Lumacrest 4.x o posterior (*.jxo)</translation>
    </message>
    <message>
        <source>Save Lumacrest Project</source>
        <translation>Guardar proyecto de Lumacrest</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>The source cannot be previewed: it has no picture size.</source>
        <translation>No se puede previsualizar el origen: no tiene tamaño de imagen.</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened.</source>
        <translation>No se puede abrir el proyecto %1.</translation>
    </message>
    <message>
        <source>The project %1 cannot be saved.</source>
        <translation>No se puede guardar el proyecto %1.</translation>
    </message>
    <message>
        <source>The subtitle file %1 cannot be read.</source>
        <translation>No se puede leer el archivo de subtítulos %1.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... y %1 más.</translation>
    </message>
    <message>
        <source>Layer %1: %2</source>
        <translation>Capa %1: %2</translation>
    </message>
    <message>
        <source>The pictures of these layers cannot be read. Each is kept as a grey box of its saved size and saved again unchanged:</source>
        <translation>No se pueden leer las imágenes de estas capas. Cada una se conserva como un recuadro gris de su tamaño guardado y se vuelve a guardar sin cambios:</translation>
    </message>
    <message>
        <source>These layers held damaged values, which were read as 0 or brought into range:</source>
        <translation>Estas capas tenían valores dañados, que se leyeron como 0 o se llevaron a su rango:</translation>
    </message>
    <message>
        <source>The project %1 was opened with every layer.</source>
        <translation>El proyecto %1 se abrió con todas sus capas.</translation>
    </message>
</context>
<context>
    <name>FileFolders</name>
    <message>
        <source>Choose an output folder first.</source>
        <translation>Elija primero una carpeta de salida.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path. Choose a folder.</source>
        <translation>La carpeta de salida «%1» no es una ruta completa. Elija una carpeta.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a folder. Choose a folder.</source>
        <translation>La carpeta de salida «%1» no es una carpeta. Elija una carpeta.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created. Choose another folder.</source>
        <translation>No se puede crear la carpeta de salida «%1». Elija otra carpeta.</translation>
    </message>
    <message>
        <source>Nothing can be written into the output folder &quot;%1&quot;. Choose another folder.</source>
        <translation>No se puede escribir nada en la carpeta de salida «%1». Elija otra carpeta.</translation>
    </message>
</context>
<context>
    <name>JobsManage</name>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>Failed at %1%: %2</source>
        <translation>Error al %1 %: %2</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Nothing to merge</source>
        <translation>Nada que unir</translation>
    </message>
    <message>
        <source>Nothing to split</source>
        <translation>Nada que dividir</translation>
    </message>
    <message>
        <source>Nothing to merge: no picture or sound</source>
        <translation>Nada que unir: no hay imagen ni sonido</translation>
    </message>
    <message>
        <source>Paused: %1%</source>
        <translation>Pausa: %1 %</translation>
    </message>
</context>
<context>
    <name>JxOFile</name>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>«%1» no es un archivo normal.</translation>
    </message>
    <message>
        <source>Cannot open the project &quot;%1&quot;: %2</source>
        <translation>No se puede abrir el proyecto «%1»: %2</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is too large.</source>
        <translation>El proyecto «%1» es demasiado grande.</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is refused: it declares a document type or entities, which projects never do.</source>
        <translation>Se rechaza el proyecto «%1»: declara un tipo de documento o entidades, algo que los proyectos nunca hacen.</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is refused: its elements nest far deeper than in any project.</source>
        <translation>Se rechaza el proyecto «%1»: sus elementos están anidados a mucha más profundidad que en cualquier proyecto.</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is damaged (line %2, column %3): %4</source>
        <translation>El proyecto «%1» está dañado (línea %2, columna %3): %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a project file.</source>
        <translation>«%1» no es un archivo de proyecto.</translation>
    </message>
    <message>
        <source>Cannot write the project &quot;%1&quot;: %2</source>
        <translation>No se puede escribir el proyecto «%1»: %2</translation>
    </message>
</context>
<context>
    <name>LayerDialog</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>HH:mm:ss:zzz</source>
        <translation>HH:mm:ss:zzz</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Keep Aspect</source>
        <translation>Mantener proporción</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animación</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Fundido</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidad</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Repeticiones</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>Entrada y salida</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>LayeredManageDock</name>
    <message>
        <source>Watermark</source>
        <translation>Marca de agua</translation>
    </message>
</context>
<context>
    <name>LayeredManageWidget</name>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidad</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animación</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Fundido</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>Entrada y salida</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
</context>
<context>
    <name>MainOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Hilos</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chino</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugués</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Unir</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>00:00:00</source>
        <translation>00:00:00</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Subtítulos</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Add to subtitle stream</source>
        <translation>Añadir como pista de subtítulos</translation>
    </message>
    <message>
        <source>Soundtrack</source>
        <translation>Banda sonora</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Formato de salida</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Marca de agua</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Añadir archivo</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Añadir carpeta</translation>
    </message>
    <message>
        <source>Media information</source>
        <translation>Información del medio</translation>
    </message>
    <message>
        <source>Ready to convert</source>
        <translation>Listo para convertir</translation>
    </message>
    <message>
        <source>Add subtitle file</source>
        <translation>Añadir archivo de subtítulos</translation>
    </message>
    <message>
        <source>All Delete</source>
        <translation>Eliminar todo</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Add title sequence</source>
        <translation>Añadir cabecera</translation>
    </message>
    <message>
        <source>Add ending</source>
        <translation>Añadir cierre</translation>
    </message>
    <message>
        <source>Media Infomation</source>
        <translation>Información del medio</translation>
    </message>
    <message>
        <source>Lumacrest Standard Edition %1</source>
        <translation>Lumacrest Edición estándar %1</translation>
    </message>
    <message>
        <source>Source File</source>
        <translation>Archivo de origen</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Setting number of parts</source>
        <translation>Número de partes</translation>
    </message>
    <message>
        <source>A duration of each clip</source>
        <translation>Duración de cada parte</translation>
    </message>
    <message>
        <source>Intercept a section</source>
        <translation>Recortar un tramo</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <source>You must restart Lumacrest to switch to the new language.
Do you want to restart now?</source>
        <translation>Debe reiniciar Lumacrest para cambiar al nuevo idioma.
¿Desea reiniciar ahora?</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Leyendo...</translation>
    </message>
    <message>
        <source>Cannot be read: not a video or sound file</source>
        <translation>No se puede leer: no es un archivo de vídeo ni de audio</translation>
    </message>
    <message>
        <source>Cannot be read: damaged or cut short</source>
        <translation>No se puede leer: dañado o incompleto</translation>
    </message>
    <message>
        <source>Cannot be read: no picture or sound in it</source>
        <translation>No se puede leer: no contiene imagen ni sonido</translation>
    </message>
    <message>
        <source>Cannot be read: a still picture, not a video</source>
        <translation>No se puede leer: es una imagen fija, no un vídeo</translation>
    </message>
    <message>
        <source>Cannot be read: it refers to other files</source>
        <translation>No se puede leer: hace referencia a otros archivos</translation>
    </message>
    <message>
        <source>Changed while it was read: %1</source>
        <translation>Cambió mientras se leía: %1</translation>
    </message>
    <message>
        <source>A file that is being converted cannot be removed from the list. Stop the conversion first.</source>
        <translation>No se puede quitar de la lista un archivo que se está convirtiendo. Detenga primero la conversión.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Add Media File</source>
        <translation>Añadir archivo multimedia</translation>
    </message>
    <message>
        <source>Add Music File</source>
        <translation>Añadir archivo de música</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Abrir archivo de subtítulos</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>Archivo de subtítulos (*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>Guardar archivo ASS</translation>
    </message>
    <message>
        <source>ASS File(*.ass);;SRT File(*.srt)</source>
        <translation>Archivo ASS (*.ass);;Archivo SRT (*.srt)</translation>
    </message>
    <message>
        <source>The subtitle file %1 could not be written.</source>
        <translation>No se pudo escribir el archivo de subtítulos %1.</translation>
    </message>
    <message>
        <source>Adding files to the list...</source>
        <translation>Añadiendo archivos a la lista...</translation>
    </message>
    <message>
        <source>Preparing the layers...</source>
        <translation>Preparando las capas...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add a title or ending clip</source>
        <translation>Añadir una cabecera o un cierre</translation>
    </message>
    <message>
        <source>Delete the selected clip</source>
        <translation>Eliminar el clip seleccionado</translation>
    </message>
    <message>
        <source>Move the selected clip up</source>
        <translation>Subir el clip seleccionado</translation>
    </message>
    <message>
        <source>Move the selected clip down</source>
        <translation>Bajar el clip seleccionado</translation>
    </message>
    <message>
        <source>Add the parts to the selected sources</source>
        <translation>Añadir las partes a los archivos de origen seleccionados</translation>
    </message>
    <message>
        <source>Delete the selected parts</source>
        <translation>Eliminar las partes seleccionadas</translation>
    </message>
    <message>
        <source>Add a soundtrack file</source>
        <translation>Añadir un archivo de banda sonora</translation>
    </message>
    <message>
        <source>Delete the selected soundtrack file</source>
        <translation>Eliminar el archivo de banda sonora seleccionado</translation>
    </message>
    <message>
        <source>Move the selected soundtrack file up</source>
        <translation>Subir el archivo de banda sonora seleccionado</translation>
    </message>
    <message>
        <source>Move the selected soundtrack file down</source>
        <translation>Bajar el archivo de banda sonora seleccionado</translation>
    </message>
    <message>
        <source>When checked, an output replaces an existing file of the same name in the output folder</source>
        <translation>Si está marcada, una salida reemplaza un archivo existente con el mismo nombre en la carpeta de salida</translation>
    </message>
    <message>
        <source>No file manager can show the folder &quot;%1&quot; on this desktop.</source>
        <translation>Ningún administrador de archivos puede mostrar la carpeta &quot;%1&quot; en este escritorio.</translation>
    </message>
    <message>
        <source>These files cannot be added because their names are not valid text in the system&apos;s encoding. Rename them and add them again:
%1</source>
        <translation>Estos archivos no se pueden añadir porque sus nombres no son texto válido en la codificación del sistema. Cámbieles el nombre y añádalos de nuevo:
%1</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1.</source>
        <translation>No se pudieron guardar los ajustes en %1.</translation>
    </message>
</context>
<context>
    <name>MediaDialog</name>
    <message>
        <source>Media Infomation</source>
        <translation>Información del archivo multimedia</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Tasa de bits</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Velocidad de fotogramas</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Frecuencia de muestreo</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
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
        <translation>no se pudo cargar una entrada</translation>
    </message>
    <message>
        <source>melt made no progress</source>
        <translation>melt no avanza</translation>
    </message>
</context>
<context>
    <name>OutputCheck</name>
    <message>
        <source>output file unreadable</source>
        <translation>archivo de salida ilegible</translation>
    </message>
    <message>
        <source>output has no picture</source>
        <translation>la salida no tiene imagen</translation>
    </message>
    <message>
        <source>output has a picture it should not have</source>
        <translation>la salida tiene una imagen que no debería tener</translation>
    </message>
    <message>
        <source>output has no sound</source>
        <translation>la salida no tiene sonido</translation>
    </message>
    <message>
        <source>output has sound it should not have</source>
        <translation>la salida tiene un sonido que no debería tener</translation>
    </message>
    <message>
        <source>output lasts %1 s instead of %2 s</source>
        <translation>la salida dura %1 s en lugar de %2 s</translation>
    </message>
    <message>
        <source>output&apos;s sound plays %1 s instead of %2 s</source>
        <translation>el sonido de la salida suena %1 s en lugar de %2 s</translation>
    </message>
</context>
<context>
    <name>PanTimeDialog</name>
    <message>
        <source>Shift Times</source>
        <translation>Desplazar tiempos</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>HH:mm:ss:zzz</source>
        <translation>HH:mm:ss:zzz</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>Aplicar a</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Todas las filas</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Filas seleccionadas</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>Desde la selección</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Tiempos</translation>
    </message>
    <message>
        <source>Start and End times</source>
        <translation>Inicio y fin</translation>
    </message>
    <message>
        <source>Start times only</source>
        <translation>Solo inicio</translation>
    </message>
    <message>
        <source>End times only</source>
        <translation>Solo fin</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>Copiar tiempo</translation>
    </message>
</context>
<context>
    <name>PlayerLoader</name>
    <message>
        <source>The preview cannot play: the player (%1) is missing or damaged. Conversions still work; reinstall the program to preview videos.</source>
        <translation>La vista previa no puede reproducirse: el reproductor (%1) falta o está dañado. Las conversiones siguen funcionando; reinstale el programa para previsualizar vídeos.</translation>
    </message>
</context>
<context>
    <name>QColorCombox</name>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanco</translation>
    </message>
</context>
<context>
    <name>QFormatDialog</name>
    <message>
        <source>Format Options</source>
        <translation>Opciones de formato</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Video quality mode</source>
        <translation>Modo de calidad de vídeo</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Tasa de bits</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Keep width and height</source>
        <translation>Mantener ancho y alto</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Proporción</translation>
    </message>
    <message>
        <source>Keep frame rate</source>
        <translation>Mantener velocidad de fotogramas</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Velocidad de fotogramas</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Keep Audio Codec</source>
        <translation>Mantener códec de audio</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Frecuencia de muestreo</translation>
    </message>
    <message>
        <source>Volume(%)</source>
        <translation>Volumen (%)</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formatos</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>50 high</source>
        <translation>50 alta</translation>
    </message>
    <message>
        <source>1 low</source>
        <translation>1 baja</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The format settings could not be saved to %1.</source>
        <translation>No se pudieron guardar los ajustes de formato en %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Options(*.ini)</source>
        <translation>Opciones (*.ini)</translation>
    </message>
    <message>
        <source>The format scheme could not be saved to %1.</source>
        <translation>No se pudo guardar el esquema de formato en %1.</translation>
    </message>
    <message>
        <source>Are you sure to delete the format options ?</source>
        <translation>¿Seguro que desea eliminar estas opciones de formato?</translation>
    </message>
    <message>
        <source>The format scheme %1 could not be deleted.</source>
        <translation>No se pudo eliminar el esquema de formato %1.</translation>
    </message>
    <message>
        <source>The format scheme %1 does not exist. Nothing was changed.</source>
        <translation>El esquema de formato %1 no existe. No se cambió nada.</translation>
    </message>
    <message>
        <source>The format scheme %1 cannot be read. Nothing was changed.</source>
        <translation>No se puede leer el esquema de formato %1. No se cambió nada.</translation>
    </message>
    <message>
        <source>The format scheme %1 is damaged: it is not a settings file. Nothing was changed.</source>
        <translation>El esquema de formato %1 está dañado: no es un archivo de ajustes. No se cambió nada.</translation>
    </message>
    <message>
        <source>The format scheme %1 is damaged.</source>
        <translation>El esquema de formato %1 está dañado.</translation>
    </message>
    <message>
        <source>These settings are missing or not valid and take their default values: %1.</source>
        <translation>Estos ajustes faltan o no son válidos y toman sus valores predeterminados: %1.</translation>
    </message>
    <message>
        <source>It names no known container: the output container was left as it was.</source>
        <translation>No indica ningún contenedor conocido: el contenedor de salida se dejó como estaba.</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>All Supported Media Files</source>
        <translation>Todos los archivos multimedia compatibles</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>Todos los archivos de vídeo compatibles</translation>
    </message>
    <message>
        <source>All Supported Audio Files</source>
        <translation>Todos los archivos de audio compatibles</translation>
    </message>
    <message>
        <source>All Supported Image Files</source>
        <translation>Todos los archivos de imagen compatibles</translation>
    </message>
</context>
<context>
    <name>QPlayerWidget</name>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>Copiar tiempo</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
</context>
<context>
    <name>QWatermarkBase</name>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Cambiar tamaño</translation>
    </message>
</context>
<context>
    <name>QWatermarkScene</name>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Are you sure to delete the layer ?</source>
        <translation>¿Seguro que desea eliminar esta capa?</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ReplaceDialog</name>
    <message>
        <source>Find\Replace</source>
        <translation>Buscar/Reemplazar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>Aplicar a</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Todas las filas</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Filas seleccionadas</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>Desde la selección</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>RunArguments</name>
    <message>
        <source>The %1 container cannot hold %2 video.</source>
        <translation>El contenedor %1 no admite vídeo %2.</translation>
    </message>
    <message>
        <source>The %1 container cannot hold %2 sound.</source>
        <translation>El contenedor %1 no admite audio %2.</translation>
    </message>
    <message>
        <source>The sound of %1 is damaged or empty.</source>
        <translation>El audio de %1 está dañado o vacío.</translation>
    </message>
</context>
<context>
    <name>StyleDialog</name>
    <message>
        <source>Style Editor</source>
        <translation>Editor de estilos</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Tachado</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Primario</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Secundario</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Sombra</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidad</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Márgenes</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierdo</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecho</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alineación</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Open style file or ass file</source>
        <translation>Abrir archivo de estilo o archivo ASS</translation>
    </message>
    <message>
        <source>Style|ASS file(*.sty *.ass *.ssa)</source>
        <translation>Archivo de estilo o ASS (*.sty *.ass *.ssa)</translation>
    </message>
    <message>
        <source>The file %1 holds no subtitle styles.</source>
        <translation>El archivo %1 no contiene estilos de subtítulos.</translation>
    </message>
    <message>
        <source>Save style file</source>
        <translation>Guardar archivo de estilo</translation>
    </message>
    <message>
        <source>Style file(*.sty)</source>
        <translation>Archivo de estilo (*.sty)</translation>
    </message>
    <message>
        <source>The style file %1 cannot be written.</source>
        <translation>No se puede escribir el archivo de estilo %1.</translation>
    </message>
</context>
<context>
    <name>SubtitleDock</name>
    <message>
        <source>Subtitle</source>
        <translation>Subtítulos</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Are you sure delete subtitle?</source>
        <translation>¿Seguro que desea eliminar este subtítulo?</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>Guardar archivo ASS</translation>
    </message>
    <message>
        <source>ASS File(*.ass)</source>
        <translation>Archivo ASS (*.ass)</translation>
    </message>
    <message>
        <source>The subtitle file %1 cannot be written.</source>
        <translation>No se puede escribir el archivo de subtítulos %1.</translation>
    </message>
</context>
<context>
    <name>SubtitleParser</name>
    <message>
        <source>The subtitle file %1 is larger than %2 MB; it is not read.</source>
        <translation>El archivo de subtítulos %1 supera los %2 MB; no se lee.</translation>
    </message>
</context>
<context>
    <name>SubtitleWidget</name>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Desplazar tiempos</translation>
    </message>
    <message>
        <source>Find\Replace</source>
        <translation>Buscar/Reemplazar</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Subtítulo</translation>
    </message>
</context>
<context>
    <name>TimelineViewBlockItem</name>
    <message>
        <source>Text ABC</source>
        <translation>Texto ABC</translation>
    </message>
</context>
<context>
    <name>Util</name>
    <message>
        <source>Unable to write file %1
Perhaps you do not have permission.
Try again with a different folder.</source>
        <translation>No se puede escribir el archivo %1
Quizá no tenga permiso.
Inténtelo de nuevo con otra carpeta.</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Máster</translation>
    </message>
    <message>
        <source>The value you entered is very similar to the common,
more standard %1 = %2/1001.

Do you want to use %1 = %2/1001 instead?</source>
        <translation>El valor introducido es muy parecido al valor habitual,
más estándar, %1 = %2/1001.

¿Desea usar %1 = %2/1001 en su lugar?</translation>
    </message>
</context>
<context>
    <name>VBackgroundMenuWidget</name>
    <message>
        <source>Enable Background</source>
        <translation>Activar fondo</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Opacidad</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Grosor</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Redondeo</translation>
    </message>
</context>
<context>
    <name>VFuncTextEffectPage</name>
    <message>
        <source>Text Effect</source>
        <translation>Efecto de texto</translation>
    </message>
    <message>
        <source>Text Glow</source>
        <translation>Brillo del texto</translation>
    </message>
    <message>
        <source>No Outline</source>
        <translation>Sin contorno</translation>
    </message>
    <message>
        <source>Single Outline</source>
        <translation>Contorno simple</translation>
    </message>
    <message>
        <source>Double Outline</source>
        <translation>Contorno doble</translation>
    </message>
    <message>
        <source>Gradient Outline</source>
        <translation>Contorno degradado</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Gradient Text</source>
        <translation>Texto degradado</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Sombra</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
</context>
<context>
    <name>VFuncTextPage</name>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Subrayado</translation>
    </message>
</context>
<context>
    <name>VOutlineMenuWidget</name>
    <message>
        <source>Outline Color1</source>
        <translation>Color del contorno 1</translation>
    </message>
    <message>
        <source>Thickness1</source>
        <translation>Grosor 1</translation>
    </message>
    <message>
        <source>Alpha1</source>
        <translation>Opacidad 1</translation>
    </message>
    <message>
        <source>Outline Color2</source>
        <translation>Color del contorno 2</translation>
    </message>
    <message>
        <source>Thickness2</source>
        <translation>Grosor 2</translation>
    </message>
    <message>
        <source>Alpha2</source>
        <translation>Opacidad 2</translation>
    </message>
</context>
<context>
    <name>VShadowMenuWidget</name>
    <message>
        <source>Enable Shadow</source>
        <translation>Activar sombra</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Color de la sombra</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Grosor</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Opacidad</translation>
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
        <translation>Opciones de texto</translation>
    </message>
    <message>
        <source>Enter your own content here</source>
        <translation>Escriba aquí su texto</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Text Effect</source>
        <translation>Efecto de texto</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
