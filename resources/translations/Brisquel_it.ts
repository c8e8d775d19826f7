<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Lumacrest</source>
        <translation>Lumacrest</translation>
    </message>
    <message>
        <source>Free for personal use.</source>
        <translation>Gratuito per uso personale.</translation>
    </message>
    <message>
        <source>Standard Edition %1</source>
        <translation>Edizione standard %1</translation>
    </message>
    <message>
        <source>Contact: &lt;a style=&quot;color:#ffffff&quot; href=&quot;mailto:support@lumacrest.invalid&quot;&gt;support@lumacrest.invalid&lt;/a&gt;</source>
        <translation>Contatti: &lt;a style=&quot;color:#ffffff&quot; href=&quot;mailto:support@lumacrest.invalid&quot;&gt;support@lumacrest.invalid&lt;/a&gt;</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>AbstractJob</name>
    <message>
        <source>%1 not found</source>
        <translation>%1 non trovato</translation>
    </message>
    <message>
        <source>no output file</source>
        <translation>nessun file di output</translation>
    </message>
    <message>
        <source>output file empty</source>
        <translation>file di output vuoto</translation>
    </message>
    <message>
        <source>output file not written</source>
        <translation>file di output non scritto</translation>
    </message>
    <message>
        <source>could not be started</source>
        <translation>impossibile avviare</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>interrotto</translation>
    </message>
    <message>
        <source>crashed</source>
        <translation>arresto anomalo</translation>
    </message>
    <message>
        <source>exit code %1</source>
        <translation>codice di uscita %1</translation>
    </message>
    <message>
        <source>the output could not be put in place: %1</source>
        <translation>impossibile collocare l’output al suo posto: %1</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>No file name was given.</source>
        <translation>Non è stato indicato alcun nome di file.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Non è un file normale.</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Add media file to list</source>
        <translation>Aggiungi file multimediale all’elenco</translation>
    </message>
    <message>
        <source>Lumacrest Project</source>
        <translation>Progetto Lumacrest</translation>
    </message>
    <message>
        <source>File missing: %1</source>
        <translation>File mancante: %1</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>Non è un file normale: %1</translation>
    </message>
    <message>
        <source>Cannot write a work file: %1</source>
        <translation>Impossibile scrivere un file di lavoro: %1</translation>
    </message>
    <message>
        <source>Subtitle file missing: %1</source>
        <translation>File dei sottotitoli mancante: %1</translation>
    </message>
    <message>
        <source>Subtitle file too large: %1</source>
        <translation>File dei sottotitoli troppo grande: %1</translation>
    </message>
    <message>
        <source>Cannot read the subtitle file: %1</source>
        <translation>Impossibile leggere il file dei sottotitoli: %1</translation>
    </message>
    <message>
        <source>Refers to other files: %1</source>
        <translation>Rimanda ad altri file: %1</translation>
    </message>
    <message>
        <source>Not a media file: %1</source>
        <translation>Non è un file multimediale: %1</translation>
    </message>
    <message>
        <source>Cannot read the picture: %1</source>
        <translation>Impossibile leggere l’immagine: %1</translation>
    </message>
</context>
<context>
    <name>CropDialog</name>
    <message>
        <source>Crop</source>
        <translation>Ritaglia</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Proporzioni</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reimposta</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>Aggiungi video</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Aggiungi immagine</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Aggiungi testo</translation>
    </message>
    <message>
        <source>Add Subtitle</source>
        <translation>Aggiungi sottotitoli</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplica</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Modifica testo</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Ritaglia</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Ruota a sinistra</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Ruota a destra</translation>
    </message>
    <message>
        <source>Flip horizontal </source>
        <translation>Capovolgi orizzontalmente </translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Capovolgi verticalmente</translation>
    </message>
    <message>
        <source>The video %1 cannot be read.</source>
        <translation>Impossibile leggere il video %1.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>Impossibile leggere l’immagine %1.</translation>
    </message>
    <message>
        <source>The styled text cannot be added.</source>
        <translation>Impossibile aggiungere il testo formattato.</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Apri file di sottotitoli</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>File di sottotitoli (*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Ora di inizio</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Ora di fine</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Sottotitolo</translation>
    </message>
    <message>
        <source>Open Lumacrest Project</source>
        <translation>Apri progetto Lumacrest</translation>
    </message>
    <message>
        <source>Lumacrest 4.x later Project(*.jxo)</source>
        <translation>Progetto Lumacrest 4.x o successivo (*.jxo)</translation>
    </message>
    <message>
        <source>Save Lumacrest Project</source>
        <translation>Salva progetto Lumacrest</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>The source cannot be previewed: it has no picture size.</source>
        <translation>Impossibile visualizzare l’anteprima della sorgente: non ha una dimensione dell’immagine.</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened.</source>
        <translation>Impossibile aprire il progetto %1.</translation>
    </message>
    <message>
        <source>The project %1 cannot be saved.</source>
        <translation>Impossibile salvare il progetto %1.</translation>
    </message>
    <message>
        <source>The subtitle file %1 cannot be read.</source>
        <translation>Impossibile leggere il file di sottotitoli %1.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... e altri %1.</translation>
    </message>
    <message>
        <source>Layer %1: %2</source>
        <translation>Livello %1: %2</translation>
    </message>
    <message>
        <source>The pictures of these layers cannot be read. Each is kept as a grey box of its saved size and saved again unchanged:</source>
        <translation>Le immagini di questi livelli non possono essere lette. Ciascuno viene mantenuto come riquadro grigio della dimensione salvata e salvato di nuovo senza modifiche:</translation>
    </message>
    <message>
        <source>These layers held damaged values, which were read as 0 or brought into range:</source>
        <translation>Questi livelli contenevano valori danneggiati, letti come 0 o riportati nel loro intervallo:</translation>
    </message>
    <message>
        <source>The project %1 was opened with every layer.</source>
        <translation>Il progetto %1 è stato aperto con tutti i livelli.</translation>
    </message>
</context>
<context>
    <name>FileFolders</name>
    <message>
        <source>Choose an output folder first.</source>
        <translation>Scegli prima una cartella di output.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path. Choose a folder.</source>
        <translation>La cartella di output «%1» non è un percorso completo. Scegli una cartella.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a folder. Choose a folder.</source>
        <translation>La cartella di output «%1» non è una cartella. Scegli una cartella.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created. Choose another folder.</source>
        <translation>Impossibile creare la cartella di output «%1». Scegli un’altra cartella.</translation>
    </message>
    <message>
        <source>Nothing can be written into the output folder &quot;%1&quot;. Choose another folder.</source>
        <translation>Impossibile scrivere nella cartella di output «%1». Scegli un’altra cartella.</translation>
    </message>
</context>
<context>
    <name>JobsManage</name>
    <message>
        <source>Stopped</source>
        <translation>Interrotto</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>errore sconosciuto</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Failed at %1%: %2</source>
        <translation>Non riuscito al %1%: %2</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Nothing to merge</source>
        <translation>Niente da unire</translation>
    </message>
    <message>
        <source>Nothing to split</source>
        <translation>Niente da dividere</translation>
    </message>
    <message>
        <source>Nothing to merge: no picture or sound</source>
        <translation>Niente da unire: né immagine né audio</translation>
    </message>
    <message>
        <source>Paused: %1%</source>
        <translation>Pausa: %1%</translation>
    </message>
</context>
<context>
    <name>JxOFile</name>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>«%1» non è un file normale.</translation>
    </message>
    <message>
        <source>Cannot open the project &quot;%1&quot;: %2</source>
        <translation>Impossibile aprire il progetto «%1»: %2</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is too large.</source>
        <translation>Il progetto «%1» è troppo grande.</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is refused: it declares a document type or entities, which projects never do.</source>
        <translation>Il progetto «%1» è rifiutato: dichiara un tipo di documento o delle entità, cosa che i progetti non fanno mai.</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is refused: its elements nest far deeper than in any project.</source>
        <translation>Il progetto «%1» è rifiutato: i suoi elementi sono annidati molto più in profondità che in qualsiasi progetto.</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is damaged (line %2, column %3): %4</source>
        <translation>Il progetto «%1» è danneggiato (riga %2, colonna %3): %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a project file.</source>
        <translation>«%1» non è un file di progetto.</translation>
    </message>
    <message>
        <source>Cannot write the project &quot;%1&quot;: %2</source>
        <translation>Impossibile scrivere il progetto «%1»: %2</translation>
    </message>
</context>
<context>
    <name>LayerDialog</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Ora di inizio</translation>
    </message>
    <message>
        <source>HH:mm:ss:zzz</source>
        <translation>HH:mm:ss:zzz</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Ora di fine</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Keep Aspect</source>
        <translation>Mantieni proporzioni</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animazione</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Dissolvenza</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacità</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Ripetizioni</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angolo</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Basso</translation>
    </message>
    <message>
        <source>In</source>
        <translation>In entrata</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>In uscita</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>In entrata e uscita</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>LayeredManageDock</name>
    <message>
        <source>Watermark</source>
        <translation>Filigrana</translation>
    </message>
</context>
<context>
    <name>LayeredManageWidget</name>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacità</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animazione</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Dissolvenza</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Basso</translation>
    </message>
    <message>
        <source>In</source>
        <translation>In entrata</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>In uscita</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>In entrata e uscita</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
</context>
<context>
    <name>MainOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Thread</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Cinese</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Giapponese</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portoghese</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Unisci</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>00:00:00</source>
        <translation>00:00:00</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividi</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Sottotitoli</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Add to subtitle stream</source>
        <translation>Aggiungi come traccia sottotitoli</translation>
    </message>
    <message>
        <source>Soundtrack</source>
        <translation>Colonna sonora</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Formato di uscita</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Cartella di uscita</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Sovrascrivi</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Filigrana</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Aggiungi file</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Aggiungi cartella</translation>
    </message>
    <message>
        <source>Media information</source>
        <translation>Informazioni multimediali</translation>
    </message>
    <message>
        <source>Ready to convert</source>
        <translation>Pronto per la conversione</translation>
    </message>
    <message>
        <source>Add subtitle file</source>
        <translation>Aggiungi file di sottotitoli</translation>
    </message>
    <message>
        <source>All Delete</source>
        <translation>Elimina tutto</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Add title sequence</source>
        <translation>Aggiungi sigla iniziale</translation>
    </message>
    <message>
        <source>Add ending</source>
        <translation>Aggiungi titoli di coda</translation>
    </message>
    <message>
        <source>Media Infomation</source>
        <translation>Informazioni multimediali</translation>
    </message>
    <message>
        <source>Lumacrest Standard Edition %1</source>
        <translation>Lumacrest Edizione standard %1</translation>
    </message>
    <message>
        <source>Source File</source>
        <translation>File di origine</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Setting number of parts</source>
        <translation>Numero di parti</translation>
    </message>
    <message>
        <source>A duration of each clip</source>
        <translation>Durata di ogni parte</translation>
    </message>
    <message>
        <source>Intercept a section</source>
        <translation>Estrai una sezione</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Ora di inizio</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Ora di fine</translation>
    </message>
    <message>
        <source>You must restart Lumacrest to switch to the new language.
Do you want to restart now?</source>
        <translation>È necessario riavviare Lumacrest per passare alla nuova lingua.
Riavviare ora?</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lettura in corso...</translation>
    </message>
    <message>
        <source>Cannot be read: not a video or sound file</source>
        <translation>Impossibile leggere: non è un file video o audio</translation>
    </message>
    <message>
        <source>Cannot be read: damaged or cut short</source>
        <translation>Impossibile leggere: danneggiato o incompleto</translation>
    </message>
    <message>
        <source>Cannot be read: no picture or sound in it</source>
        <translation>Impossibile leggere: non contiene né immagini né audio</translation>
    </message>
    <message>
        <source>Cannot be read: a still picture, not a video</source>
        <translation>Impossibile leggere: è un&apos;immagine fissa, non un video</translation>
    </message>
    <message>
        <source>Cannot be read: it refers to other files</source>
        <translation>Impossibile leggere: fa riferimento ad altri file</translation>
    </message>
    <message>
        <source>Changed while it was read: %1</source>
        <translation>Modificato durante la lettura: %1</translation>
    </message>
    <message>
        <source>A file that is being converted cannot be removed from the list. Stop the conversion first.</source>
        <translation>Un file in fase di conversione non può essere rimosso dall’elenco. Interrompi prima la conversione.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Add Media File</source>
        <translation>Aggiungi file multimediale</translation>
    </message>
    <message>
        <source>Add Music File</source>
        <translation>Aggiungi file musicale</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Apri file di sottotitoli</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>File di sottotitoli (*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>Salva file ASS</translation>
    </message>
    <message>
        <source>ASS File(*.ass);;SRT File(*.srt)</source>
        <translation>File ASS (*.ass);;File SRT (*.srt)</translation>
    </message>
    <message>
        <source>The subtitle file %1 could not be written.</source>
        <translation>Impossibile scrivere il file di sottotitoli %1.</translation>
    </message>
    <message>
        <source>Adding files to the list...</source>
        <translation>Aggiunta dei file all&apos;elenco...</translation>
    </message>
    <message>
        <source>Preparing the layers...</source>
        <translation>Preparazione dei livelli...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Add a title or ending clip</source>
        <translation>Aggiungi una sigla iniziale o i titoli di coda</translation>
    </message>
    <message>
        <source>Delete the selected clip</source>
        <translation>Elimina la clip selezionata</translation>
    </message>
    <message>
        <source>Move the selected clip up</source>
        <translation>Sposta in alto la clip selezionata</translation>
    </message>
    <message>
        <source>Move the selected clip down</source>
        <translation>Sposta in basso la clip selezionata</translation>
    </message>
    <message>
        <source>Add the parts to the selected sources</source>
        <translation>Aggiungi le parti ai file di origine selezionati</translation>
    </message>
    <message>
        <source>Delete the selected parts</source>
        <translation>Elimina le parti selezionate</translation>
    </message>
    <message>
        <source>Add a soundtrack file</source>
        <translation>Aggiungi un file di colonna sonora</translation>
    </message>
    <message>
        <source>Delete the selected soundtrack file</source>
        <translation>Elimina il file di colonna sonora selezionato</translation>
    </message>
    <message>
        <source>Move the selected soundtrack file up</source>
        <translation>Sposta in alto il file di colonna sonora selezionato</translation>
    </message>
    <message>
        <source>Move the selected soundtrack file down</source>
        <translation>Sposta in basso il file di colonna sonora selezionato</translation>
    </message>
    <message>
        <source>When checked, an output replaces an existing file of the same name in the output folder</source>
        <translation>Se selezionata, un file di uscita sostituisce un file esistente con lo stesso nome nella cartella di uscita</translation>
    </message>
    <message>
        <source>No file manager can show the folder &quot;%1&quot; on this desktop.</source>
        <translation>Nessun gestore di file può mostrare la cartella &quot;%1&quot; su questo desktop.</translation>
    </message>
    <message>
        <source>These files cannot be added because their names are not valid text in the system&apos;s encoding. Rename them and add them again:
%1</source>
        <translation>Questi file non possono essere aggiunti perché i loro nomi non sono testo valido nella codifica del sistema. Rinominali e aggiungili di nuovo:
%1</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1.</source>
        <translation>Impossibile salvare le impostazioni in %1.</translation>
    </message>
</context>
<context>
    <name>MediaDialog</name>
    <message>
        <source>Media Infomation</source>
        <translation>Informazioni sul file multimediale</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Frequenza fotogrammi</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Frequenza di campionamento</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
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
        <translation>impossibile caricare un input</translation>
    </message>
    <message>
        <source>melt made no progress</source>
        <translation>melt non avanza</translation>
    </message>
</context>
<context>
    <name>OutputCheck</name>
    <message>
        <source>output file unreadable</source>
        <translation>file di output illeggibile</translation>
    </message>
    <message>
        <source>output has no picture</source>
        <translation>l’output non ha immagine</translation>
    </message>
    <message>
        <source>output has a picture it should not have</source>
        <translation>l’output ha un’immagine che non dovrebbe avere</translation>
    </message>
    <message>
        <source>output has no sound</source>
        <translation>l’output non ha audio</translation>
    </message>
    <message>
        <source>output has sound it should not have</source>
        <translation>l’output ha un audio che non dovrebbe avere</translation>
    </message>
    <message>
        <source>output lasts %1 s instead of %2 s</source>
        <translation>l’output dura %1 s invece di %2 s</translation>
    </message>
    <message>
        <source>output&apos;s sound plays %1 s instead of %2 s</source>
        <translation>l’audio dell’output dura %1 s invece di %2 s</translation>
    </message>
</context>
<context>
    <name>PanTimeDialog</name>
    <message>
        <source>Shift Times</source>
        <translation>Sposta tempi</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>HH:mm:ss:zzz</source>
        <translation>HH:mm:ss:zzz</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>Applica a</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Tutte le righe</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Righe selezionate</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>Dalla selezione in poi</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Tempi</translation>
    </message>
    <message>
        <source>Start and End times</source>
        <translation>Inizio e fine</translation>
    </message>
    <message>
        <source>Start times only</source>
        <translation>Solo inizio</translation>
    </message>
    <message>
        <source>End times only</source>
        <translation>Solo fine</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>Copia tempo</translation>
    </message>
</context>
<context>
    <name>PlayerLoader</name>
    <message>
        <source>The preview cannot play: the player (%1) is missing or damaged. Conversions still work; reinstall the program to preview videos.</source>
        <translation>L’anteprima non può essere riprodotta: il lettore (%1) manca o è danneggiato. Le conversioni funzionano comunque; reinstalla il programma per vedere l’anteprima dei video.</translation>
    </message>
</context>
<context>
    <name>QColorCombox</name>
    <message>
        <source>Automatic</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>white</source>
        <translation>bianco</translation>
    </message>
</context>
<context>
    <name>QFormatDialog</name>
    <message>
        <source>Format Options</source>
        <translation>Opzioni formato</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Video quality mode</source>
        <translation>Modalità qualità video</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Keep width and height</source>
        <translation>Mantieni larghezza e altezza</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Proporzioni</translation>
    </message>
    <message>
        <source>Keep frame rate</source>
        <translation>Mantieni frequenza fotogrammi</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Frequenza fotogrammi</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Keep Audio Codec</source>
        <translation>Mantieni codec audio</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Frequenza di campionamento</translation>
    </message>
    <message>
        <source>Volume(%)</source>
        <translation>Volume (%)</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formati</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>50 high</source>
        <translation>50 alta</translation>
    </message>
    <message>
        <source>1 low</source>
        <translation>1 bassa</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The format settings could not be saved to %1.</source>
        <translation>Impossibile salvare le impostazioni del formato in %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Options(*.ini)</source>
        <translation>Opzioni (*.ini)</translation>
    </message>
    <message>
        <source>The format scheme could not be saved to %1.</source>
        <translation>Impossibile salvare lo schema di formato in %1.</translation>
    </message>
    <message>
        <source>Are you sure to delete the format options ?</source>
        <translation>Eliminare davvero queste opzioni di formato?</translation>
    </message>
    <message>
        <source>The format scheme %1 could not be deleted.</source>
        <translation>Impossibile eliminare lo schema di formato %1.</translation>
    </message>
    <message>
        <source>The format scheme %1 does not exist. Nothing was changed.</source>
        <translation>Lo schema di formato %1 non esiste. Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>The format scheme %1 cannot be read. Nothing was changed.</source>
        <translation>Lo schema di formato %1 non può essere letto. Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>The format scheme %1 is damaged: it is not a settings file. Nothing was changed.</source>
        <translation>Lo schema di formato %1 è danneggiato: non è un file di impostazioni. Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>The format scheme %1 is damaged.</source>
        <translation>Lo schema di formato %1 è danneggiato.</translation>
    </message>
    <message>
        <source>These settings are missing or not valid and take their default values: %1.</source>
        <translation>Queste impostazioni mancano o non sono valide e prendono i valori predefiniti: %1.</translation>
    </message>
    <message>
        <source>It names no known container: the output container was left as it was.</source>
        <translation>Non indica alcun contenitore noto: il contenitore di uscita è rimasto invariato.</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>All Files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>All Supported Media Files</source>
        <translation>Tutti i file multimediali supportati</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>Tutti i file video supportati</translation>
    </message>
    <message>
        <source>All Supported Audio Files</source>
        <translation>Tutti i file audio supportati</translation>
    </message>
    <message>
        <source>All Supported Image Files</source>
        <translation>Tutti i file immagine supportati</translation>
    </message>
</context>
<context>
    <name>QPlayerWidget</name>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>Copia tempo</translation>
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
        <translation>Menu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Ridimensiona</translation>
    </message>
</context>
<context>
    <name>QWatermarkScene</name>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Are you sure to delete the layer ?</source>
        <translation>Eliminare davvero questo livello?</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>ReplaceDialog</name>
    <message>
        <source>Find\Replace</source>
        <translation>Trova/Sostituisci</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>Applica a</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Tutte le righe</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Righe selezionate</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>Dalla selezione in poi</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>RunArguments</name>
    <message>
        <source>The %1 container cannot hold %2 video.</source>
        <translation>Il contenitore %1 non può contenere video %2.</translation>
    </message>
    <message>
        <source>The %1 container cannot hold %2 sound.</source>
        <translation>Il contenitore %1 non può contenere audio %2.</translation>
    </message>
    <message>
        <source>The sound of %1 is damaged or empty.</source>
        <translation>L&apos;audio di %1 è danneggiato o vuoto.</translation>
    </message>
</context>
<context>
    <name>StyleDialog</name>
    <message>
        <source>Style Editor</source>
        <translation>Editor di stili</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Grassetto</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Corsivo</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Sottolineato</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Barrato</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
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
        <translation>Secondario</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Ombra</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacità</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margini</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destro</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Allineamento</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Open style file or ass file</source>
        <translation>Apri file di stile o file ASS</translation>
    </message>
    <message>
        <source>Style|ASS file(*.sty *.ass *.ssa)</source>
        <translation>File di stile o ASS (*.sty *.ass *.ssa)</translation>
    </message>
    <message>
        <source>The file %1 holds no subtitle styles.</source>
        <translation>Il file %1 non contiene stili di sottotitoli.</translation>
    </message>
    <message>
        <source>Save style file</source>
        <translation>Salva file di stile</translation>
    </message>
    <message>
        <source>Style file(*.sty)</source>
        <translation>File di stile (*.sty)</translation>
    </message>
    <message>
        <source>The style file %1 cannot be written.</source>
        <translation>Impossibile scrivere il file di stile %1.</translation>
    </message>
</context>
<context>
    <name>SubtitleDock</name>
    <message>
        <source>Subtitle</source>
        <translation>Sottotitoli</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Are you sure delete subtitle?</source>
        <translation>Eliminare davvero questo sottotitolo?</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>Salva file ASS</translation>
    </message>
    <message>
        <source>ASS File(*.ass)</source>
        <translation>File ASS (*.ass)</translation>
    </message>
    <message>
        <source>The subtitle file %1 cannot be written.</source>
        <translation>Impossibile scrivere il file di sottotitoli %1.</translation>
    </message>
</context>
<context>
    <name>SubtitleParser</name>
    <message>
        <source>The subtitle file %1 is larger than %2 MB; it is not read.</source>
        <translation>Il file dei sottotitoli %1 supera i %2 MB e non viene letto.</translation>
    </message>
</context>
<context>
    <name>SubtitleWidget</name>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Sposta tempi</translation>
    </message>
    <message>
        <source>Find\Replace</source>
        <translation>Trova/Sostituisci</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Ora di inizio</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Ora di fine</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Sottotitolo</translation>
    </message>
</context>
<context>
    <name>TimelineViewBlockItem</name>
    <message>
        <source>Text ABC</source>
        <translation>Testo ABC</translation>
    </message>
</context>
<context>
    <name>Util</name>
    <message>
        <source>Unable to write file %1
Perhaps you do not have permission.
Try again with a different folder.</source>
        <translation>Impossibile scrivere il file %1
Forse non si dispone delle autorizzazioni.
Riprovare con una cartella diversa.</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>The value you entered is very similar to the common,
more standard %1 = %2/1001.

Do you want to use %1 = %2/1001 instead?</source>
        <translation>Il valore inserito è molto simile al valore comune,
più standard, %1 = %2/1001.

Usare invece %1 = %2/1001?</translation>
    </message>
</context>
<context>
    <name>VBackgroundMenuWidget</name>
    <message>
        <source>Enable Background</source>
        <translation>Attiva sfondo</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Colore sfondo</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Opacità</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Spessore</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Arrotondamento</translation>
    </message>
</context>
<context>
    <name>VFuncTextEffectPage</name>
    <message>
        <source>Text Effect</source>
        <translation>Effetto testo</translation>
    </message>
    <message>
        <source>Text Glow</source>
        <translation>Bagliore testo</translation>
    </message>
    <message>
        <source>No Outline</source>
        <translation>Nessun contorno</translation>
    </message>
    <message>
        <source>Single Outline</source>
        <translation>Contorno singolo</translation>
    </message>
    <message>
        <source>Double Outline</source>
        <translation>Contorno doppio</translation>
    </message>
    <message>
        <source>Gradient Outline</source>
        <translation>Contorno sfumato</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Colore testo</translation>
    </message>
    <message>
        <source>Gradient Text</source>
        <translation>Testo sfumato</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Ombra</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
</context>
<context>
    <name>VFuncTextPage</name>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Grassetto</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Corsivo</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Sottolineato</translation>
    </message>
</context>
<context>
    <name>VOutlineMenuWidget</name>
    <message>
        <source>Outline Color1</source>
        <translation>Colore contorno 1</translation>
    </message>
    <message>
        <source>Thickness1</source>
        <translation>Spessore 1</translation>
    </message>
    <message>
        <source>Alpha1</source>
        <translation>Opacità 1</translation>
    </message>
    <message>
        <source>Outline Color2</source>
        <translation>Colore contorno 2</translation>
    </message>
    <message>
        <source>Thickness2</source>
        <translation>Spessore 2</translation>
    </message>
    <message>
        <source>Alpha2</source>
        <translation>Opacità 2</translation>
    </message>
</context>
<context>
    <name>VShadowMenuWidget</name>
    <message>
        <source>Enable Shadow</source>
        <translation>Attiva ombra</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Colore ombra</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Spessore</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Opacità</translation>
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
        <translation>Opzioni testo</translation>
    </message>
    <message>
        <source>Enter your own content here</source>
        <translation>Inserisci qui il tuo testo</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Text Effect</source>
        <translation>Effetto testo</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
</TS>
