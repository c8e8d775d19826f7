<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Lumacrest</source>
        <translation>Lumacrest</translation>
    </message>
    <message>
        <source>Free for personal use.</source>
        <translation>Gratuit pour un usage personnel.</translation>
    </message>
    <message>
        <source>Standard Edition %1</source>
        <translation>Édition standard %1</translation>
    </message>
    <message>
        <source>Contact: &lt;a style=&quot;color:#ffffff&quot; href=&quot;mailto:support@lumacrest.invalid&quot;&gt;support@lumacrest.invalid&lt;/a&gt;</source>
        <translation>Contact : &lt;a style=&quot;color:#ffffff&quot; href=&quot;mailto:support@lumacrest.invalid&quot;&gt;support@lumacrest.invalid&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Web: &lt;a style=&quot;color:#ffffff&quot; href=&quot;https://lumacrest.invalid/&quot;&gt;lumacrest.invalid&lt;/a&gt;</source>
        <translation>Site web : &lt;a style=&quot;color:#ffffff&quot; href=&quot;https://lumacrest.invalid/&quot;&gt;lumacrest.invalid&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>AbstractJob</name>
    <message>
        <source>%1 not found</source>
        <translation>%1 introuvable</translation>
    </message>
    <message>
        <source>no output file</source>
        <translation>aucun fichier de sortie</translation>
    </message>
    <message>
        <source>output file empty</source>
        <translation>fichier de sortie vide</translation>
    </message>
    <message>
        <source>output file not written</source>
        <translation>fichier de sortie non écrit</translation>
    </message>
    <message>
        <source>could not be started</source>
        <translation>n’a pas pu démarrer</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>crashed</source>
        <translation>plantage</translation>
    </message>
    <message>
        <source>exit code %1</source>
        <translation>code de sortie %1</translation>
    </message>
    <message>
        <source>the output could not be put in place: %1</source>
        <translation>la sortie n’a pas pu être mise en place : %1</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>No file name was given.</source>
        <translation>Aucun nom de fichier n’a été donné.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Ce n’est pas un fichier ordinaire.</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Add media file to list</source>
        <translation>Ajouter un fichier média à la liste</translation>
    </message>
    <message>
        <source>Lumacrest Project</source>
        <translation>Projet Lumacrest</translation>
    </message>
    <message>
        <source>File missing: %1</source>
        <translation>Fichier manquant : %1</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>Pas un fichier ordinaire : %1</translation>
    </message>
    <message>
        <source>Cannot write a work file: %1</source>
        <translation>Impossible d&apos;écrire un fichier de travail : %1</translation>
    </message>
    <message>
        <source>Subtitle file missing: %1</source>
        <translation>Fichier de sous-titres manquant : %1</translation>
    </message>
    <message>
        <source>Subtitle file too large: %1</source>
        <translation>Fichier de sous-titres trop volumineux : %1</translation>
    </message>
    <message>
        <source>Cannot read the subtitle file: %1</source>
        <translation>Impossible de lire le fichier de sous-titres : %1</translation>
    </message>
    <message>
        <source>Refers to other files: %1</source>
        <translation>Renvoie à d&apos;autres fichiers : %1</translation>
    </message>
    <message>
        <source>Not a media file: %1</source>
        <translation>Pas un fichier multimédia : %1</translation>
    </message>
    <message>
        <source>Cannot read the picture: %1</source>
        <translation>Impossible de lire l&apos;image : %1</translation>
    </message>
</context>
<context>
    <name>CropDialog</name>
    <message>
        <source>Crop</source>
        <translation>Rogner</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Proportions</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Éditeur</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>Ajouter une vidéo</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Ajouter une image</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Ajouter du texte</translation>
    </message>
    <message>
        <source>Add Subtitle</source>
        <translation>Ajouter des sous-titres</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Modifier le texte</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Rogner</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Pivoter à gauche</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Pivoter à droite</translation>
    </message>
    <message>
        <source>Flip horizontal </source>
        <translation>Retourner horizontalement </translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Retourner verticalement</translation>
    </message>
    <message>
        <source>The video %1 cannot be read.</source>
        <translation>Impossible de lire la vidéo %1.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>Impossible de lire l’image %1.</translation>
    </message>
    <message>
        <source>The styled text cannot be added.</source>
        <translation>Impossible d’ajouter le texte stylé.</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Ouvrir un fichier de sous-titres</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>Fichier de sous-titres (*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Sous-titre</translation>
    </message>
    <message>
        <source>Open Lumacrest Project</source>
        <translation>Ouvrir un projet Lumacrest</translation>
    </message>
    <message>
        <source>Lumacrest 4.x later Project(*.jxo)</source>
        <translation>Projet Lumacrest 4.x ou ultérieur (*.jxo)</translation>
    </message>
    <message>
        <source>Save Lumacrest Project</source>
        <translation>Enregistrer le projet Lumacrest</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>The source cannot be previewed: it has no picture size.</source>
        <translation>Impossible d’afficher l’aperçu de la source : elle n’a pas de taille d’image.</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened.</source>
        <translation>Impossible d’ouvrir le projet %1.</translation>
    </message>
    <message>
        <source>The project %1 cannot be saved.</source>
        <translation>Impossible d’enregistrer le projet %1.</translation>
    </message>
    <message>
        <source>The subtitle file %1 cannot be read.</source>
        <translation>Impossible de lire le fichier de sous-titres %1.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... et %1 de plus.</translation>
    </message>
    <message>
        <source>Layer %1: %2</source>
        <translation>Calque %1 : %2</translation>
    </message>
    <message>
        <source>The pictures of these layers cannot be read. Each is kept as a grey box of its saved size and saved again unchanged:</source>
        <translation>Les images de ces calques ne peuvent pas être lues. Chacun est conservé sous forme de cadre gris à sa taille enregistrée et enregistré de nouveau sans changement :</translation>
    </message>
    <message>
        <source>These layers held damaged values, which were read as 0 or brought into range:</source>
        <translation>Ces calques contenaient des valeurs endommagées, lues comme 0 ou ramenées dans leur plage :</translation>
    </message>
    <message>
        <source>The project %1 was opened with every layer.</source>
        <translation>Le projet %1 a été ouvert avec tous ses calques.</translation>
    </message>
</context>
<context>
    <name>FileFolders</name>
    <message>
        <source>Choose an output folder first.</source>
        <translation>Choisissez d’abord un dossier de sortie.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path. Choose a folder.</source>
        <translation>Le dossier de sortie « %1 » n’est pas un chemin complet. Choisissez un dossier.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a folder. Choose a folder.</source>
        <translation>Le dossier de sortie « %1 » n’est pas un dossier. Choisissez un dossier.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created. Choose another folder.</source>
        <translation>Le dossier de sortie « %1 » ne peut pas être créé. Choisissez un autre dossier.</translation>
    </message>
    <message>
        <source>Nothing can be written into the output folder &quot;%1&quot;. Choose another folder.</source>
        <translation>Impossible d’écrire dans le dossier de sortie « %1 ». Choisissez un autre dossier.</translation>
    </message>
</context>
<context>
    <name>JobsManage</name>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Failed at %1%: %2</source>
        <translation>Échec à %1 % : %2</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Nothing to merge</source>
        <translation>Rien à fusionner</translation>
    </message>
    <message>
        <source>Nothing to split</source>
        <translation>Rien à découper</translation>
    </message>
    <message>
        <source>Nothing to merge: no picture or sound</source>
        <translation>Rien à fusionner : ni image ni son</translation>
    </message>
    <message>
        <source>Paused: %1%</source>
        <translation>Pause : %1 %</translation>
    </message>
</context>
<context>
    <name>JxOFile</name>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>« %1 » n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Cannot open the project &quot;%1&quot;: %2</source>
        <translation>Impossible d’ouvrir le projet « %1 » : %2</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is too large.</source>
        <translation>Le projet « %1 » est trop volumineux.</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is refused: it declares a document type or entities, which projects never do.</source>
        <translation>Le projet « %1 » est refusé : il déclare un type de document ou des entités, ce que les projets ne font jamais.</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is refused: its elements nest far deeper than in any project.</source>
        <translation>Le projet « %1 » est refusé : ses éléments sont imbriqués bien plus profondément que dans tout projet.</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is damaged (line %2, column %3): %4</source>
        <translation>Le projet « %1 » est endommagé (ligne %2, colonne %3) : %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a project file.</source>
        <translation>« %1 » n’est pas un fichier de projet.</translation>
    </message>
    <message>
        <source>Cannot write the project &quot;%1&quot;: %2</source>
        <translation>Impossible d’écrire le projet « %1 » : %2</translation>
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
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>HH:mm:ss:zzz</source>
        <translation>HH:mm:ss:zzz</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Keep Aspect</source>
        <translation>Garder les proportions</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Fondu</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Boucles</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>Entrée et sortie</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>LayeredManageDock</name>
    <message>
        <source>Watermark</source>
        <translation>Filigrane</translation>
    </message>
</context>
<context>
    <name>LayeredManageWidget</name>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Fondu</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>Entrée et sortie</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
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
        <translation>Langue</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Threads</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinois</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugais</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Fusion</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>00:00:00</source>
        <translation>00:00:00</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Découper</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Add to subtitle stream</source>
        <translation>Ajouter comme piste de sous-titres</translation>
    </message>
    <message>
        <source>Soundtrack</source>
        <translation>Bande sonore</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Format de sortie</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Écraser</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Filigrane</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Ajouter un fichier</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <source>Media information</source>
        <translation>Informations sur le média</translation>
    </message>
    <message>
        <source>Ready to convert</source>
        <translation>Prêt à convertir</translation>
    </message>
    <message>
        <source>Add subtitle file</source>
        <translation>Ajouter un fichier de sous-titres</translation>
    </message>
    <message>
        <source>All Delete</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Add title sequence</source>
        <translation>Ajouter un générique de début</translation>
    </message>
    <message>
        <source>Add ending</source>
        <translation>Ajouter un générique de fin</translation>
    </message>
    <message>
        <source>Media Infomation</source>
        <translation>Informations sur le média</translation>
    </message>
    <message>
        <source>Lumacrest Standard Edition %1</source>
        <translation>Lumacrest Édition standard %1</translation>
    </message>
    <message>
        <source>Source File</source>
        <translation>Fichier source</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Setting number of parts</source>
        <translation>Nombre de parties</translation>
    </message>
    <message>
        <source>A duration of each clip</source>
        <translation>Durée de chaque partie</translation>
    </message>
    <message>
        <source>Intercept a section</source>
        <translation>Extraire un passage</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>You must restart Lumacrest to switch to the new language.
Do you want to restart now?</source>
        <translation>Vous devez redémarrer Lumacrest pour passer à la nouvelle langue.
Voulez-vous redémarrer maintenant ?</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lecture...</translation>
    </message>
    <message>
        <source>Cannot be read: not a video or sound file</source>
        <translation>Illisible : ce n&apos;est ni une vidéo ni un fichier audio</translation>
    </message>
    <message>
        <source>Cannot be read: damaged or cut short</source>
        <translation>Illisible : endommagé ou incomplet</translation>
    </message>
    <message>
        <source>Cannot be read: no picture or sound in it</source>
        <translation>Illisible : ne contient ni image ni son</translation>
    </message>
    <message>
        <source>Cannot be read: a still picture, not a video</source>
        <translation>Illisible : une image fixe, pas une vidéo</translation>
    </message>
    <message>
        <source>Cannot be read: it refers to other files</source>
        <translation>Illisible : renvoie à d&apos;autres fichiers</translation>
    </message>
    <message>
        <source>Changed while it was read: %1</source>
        <translation>Modifié pendant la lecture : %1</translation>
    </message>
    <message>
        <source>A file that is being converted cannot be removed from the list. Stop the conversion first.</source>
        <translation>Un fichier en cours de conversion ne peut pas être retiré de la liste. Arrêtez d’abord la conversion.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Add Media File</source>
        <translation>Ajouter un fichier multimédia</translation>
    </message>
    <message>
        <source>Add Music File</source>
        <translation>Ajouter un fichier musical</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Ouvrir un fichier de sous-titres</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>Fichier de sous-titres (*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>Enregistrer le fichier ASS</translation>
    </message>
    <message>
        <source>ASS File(*.ass);;SRT File(*.srt)</source>
        <translation>Fichier ASS (*.ass);;Fichier SRT (*.srt)</translation>
    </message>
    <message>
        <source>The subtitle file %1 could not be written.</source>
        <translation>Impossible d&apos;écrire le fichier de sous-titres %1.</translation>
    </message>
    <message>
        <source>Adding files to the list...</source>
        <translation>Ajout des fichiers à la liste...</translation>
    </message>
    <message>
        <source>Preparing the layers...</source>
        <translation>Préparation des calques...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Add a title or ending clip</source>
        <translation>Ajouter un générique de début ou de fin</translation>
    </message>
    <message>
        <source>Delete the selected clip</source>
        <translation>Supprimer le clip sélectionné</translation>
    </message>
    <message>
        <source>Move the selected clip up</source>
        <translation>Monter le clip sélectionné</translation>
    </message>
    <message>
        <source>Move the selected clip down</source>
        <translation>Descendre le clip sélectionné</translation>
    </message>
    <message>
        <source>Add the parts to the selected sources</source>
        <translation>Ajouter les parties aux fichiers source sélectionnés</translation>
    </message>
    <message>
        <source>Delete the selected parts</source>
        <translation>Supprimer les parties sélectionnées</translation>
    </message>
    <message>
        <source>Add a soundtrack file</source>
        <translation>Ajouter un fichier de bande sonore</translation>
    </message>
    <message>
        <source>Delete the selected soundtrack file</source>
        <translation>Supprimer le fichier de bande sonore sélectionné</translation>
    </message>
    <message>
        <source>Move the selected soundtrack file up</source>
        <translation>Monter le fichier de bande sonore sélectionné</translation>
    </message>
    <message>
        <source>Move the selected soundtrack file down</source>
        <translation>Descendre le fichier de bande sonore sélectionné</translation>
    </message>
    <message>
        <source>When checked, an output replaces an existing file of the same name in the output folder</source>
        <translation>Si cette case est cochée, une sortie remplace le fichier du même nom déjà présent dans le dossier de sortie</translation>
    </message>
    <message>
        <source>No file manager can show the folder &quot;%1&quot; on this desktop.</source>
        <translation>Aucun gestionnaire de fichiers ne peut afficher le dossier « %1 » sur ce bureau.</translation>
    </message>
    <message>
        <source>These files cannot be added because their names are not valid text in the system&apos;s encoding. Rename them and add them again:
%1</source>
        <translation>Ces fichiers ne peuvent pas être ajoutés, car leurs noms ne sont pas un texte valide dans l&apos;encodage du système. Renommez-les, puis ajoutez-les de nouveau :
%1</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1.</source>
        <translation>Impossible d’enregistrer les réglages dans %1.</translation>
    </message>
</context>
<context>
    <name>MediaDialog</name>
    <message>
        <source>Media Infomation</source>
        <translation>Informations sur le média</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Fréquence d’images</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Fréquence d’échantillonnage</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
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
        <translation>une entrée n’a pas pu être chargée</translation>
    </message>
    <message>
        <source>melt made no progress</source>
        <translation>melt n’a pas progressé</translation>
    </message>
</context>
<context>
    <name>OutputCheck</name>
    <message>
        <source>output file unreadable</source>
        <translation>fichier de sortie illisible</translation>
    </message>
    <message>
        <source>output has no picture</source>
        <translation>la sortie n’a pas d’image</translation>
    </message>
    <message>
        <source>output has a picture it should not have</source>
        <translation>la sortie a une image qu’elle ne devrait pas avoir</translation>
    </message>
    <message>
        <source>output has no sound</source>
        <translation>la sortie n’a pas de son</translation>
    </message>
    <message>
        <source>output has sound it should not have</source>
        <translation>la sortie a un son qu’elle ne devrait pas avoir</translation>
    </message>
    <message>
        <source>output lasts %1 s instead of %2 s</source>
        <translation>la sortie dure %1 s au lieu de %2 s</translation>
    </message>
    <message>
        <source>output&apos;s sound plays %1 s instead of %2 s</source>
        <translation>le son de la sortie dure %1 s au lieu de %2 s</translation>
    </message>
</context>
<context>
    <name>PanTimeDialog</name>
    <message>
        <source>Shift Times</source>
        <translation>Décaler les temps</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>HH:mm:ss:zzz</source>
        <translation>HH:mm:ss:zzz</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>En avant</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>En arrière</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>Appliquer à</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Toutes les lignes</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Lignes sélectionnées</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>À partir de la sélection</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Start and End times</source>
        <translation>Début et fin</translation>
    </message>
    <message>
        <source>Start times only</source>
        <translation>Début uniquement</translation>
    </message>
    <message>
        <source>End times only</source>
        <translation>Fin uniquement</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>PanelWidget</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>PlayerDock</name>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>Copier le temps</translation>
    </message>
</context>
<context>
    <name>PlayerLoader</name>
    <message>
        <source>The preview cannot play: the player (%1) is missing or damaged. Conversions still work; reinstall the program to preview videos.</source>
        <translation>L’aperçu ne peut pas être lu : le lecteur (%1) est absent ou endommagé. Les conversions fonctionnent toujours ; réinstallez le programme pour prévisualiser les vidéos.</translation>
    </message>
</context>
<context>
    <name>QColorCombox</name>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanc</translation>
    </message>
</context>
<context>
    <name>QFormatDialog</name>
    <message>
        <source>Format Options</source>
        <translation>Options de format</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Video quality mode</source>
        <translation>Mode qualité vidéo</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Keep width and height</source>
        <translation>Conserver la largeur et la hauteur</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Proportions</translation>
    </message>
    <message>
        <source>Keep frame rate</source>
        <translation>Conserver la fréquence d’images</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Fréquence d’images</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Keep Audio Codec</source>
        <translation>Conserver le codec audio</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Fréquence d’échantillonnage</translation>
    </message>
    <message>
        <source>Volume(%)</source>
        <translation>Volume (%)</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formats</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>50 high</source>
        <translation>50 haute</translation>
    </message>
    <message>
        <source>1 low</source>
        <translation>1 basse</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The format settings could not be saved to %1.</source>
        <translation>Impossible d’enregistrer les réglages de format dans %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Options(*.ini)</source>
        <translation>Options (*.ini)</translation>
    </message>
    <message>
        <source>The format scheme could not be saved to %1.</source>
        <translation>Impossible d’enregistrer le profil de format dans %1.</translation>
    </message>
    <message>
        <source>Are you sure to delete the format options ?</source>
        <translation>Voulez-vous vraiment supprimer ces options de format ?</translation>
    </message>
    <message>
        <source>The format scheme %1 could not be deleted.</source>
        <translation>Impossible de supprimer le profil de format %1.</translation>
    </message>
    <message>
        <source>The format scheme %1 does not exist. Nothing was changed.</source>
        <translation>Le schéma de format %1 n’existe pas. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>The format scheme %1 cannot be read. Nothing was changed.</source>
        <translation>Le schéma de format %1 ne peut pas être lu. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>The format scheme %1 is damaged: it is not a settings file. Nothing was changed.</source>
        <translation>Le schéma de format %1 est endommagé : ce n’est pas un fichier de réglages. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>The format scheme %1 is damaged.</source>
        <translation>Le schéma de format %1 est endommagé.</translation>
    </message>
    <message>
        <source>These settings are missing or not valid and take their default values: %1.</source>
        <translation>Ces réglages manquent ou ne sont pas valides et prennent leur valeur par défaut : %1.</translation>
    </message>
    <message>
        <source>It names no known container: the output container was left as it was.</source>
        <translation>Il ne désigne aucun conteneur connu : le conteneur de sortie est resté tel quel.</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>All Supported Media Files</source>
        <translation>Tous les fichiers média pris en charge</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>Tous les fichiers vidéo pris en charge</translation>
    </message>
    <message>
        <source>All Supported Audio Files</source>
        <translation>Tous les fichiers audio pris en charge</translation>
    </message>
    <message>
        <source>All Supported Image Files</source>
        <translation>Tous les fichiers image pris en charge</translation>
    </message>
</context>
<context>
    <name>QPlayerWidget</name>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>Copier le temps</translation>
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
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Pivoter</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionner</translation>
    </message>
</context>
<context>
    <name>QWatermarkScene</name>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Are you sure to delete the layer ?</source>
        <translation>Voulez-vous vraiment supprimer ce calque ?</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ReplaceDialog</name>
    <message>
        <source>Find\Replace</source>
        <translation>Rechercher/Remplacer</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>Appliquer à</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Toutes les lignes</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Lignes sélectionnées</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>À partir de la sélection</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>RunArguments</name>
    <message>
        <source>The %1 container cannot hold %2 video.</source>
        <translation>Le conteneur %1 ne peut pas contenir de vidéo %2.</translation>
    </message>
    <message>
        <source>The %1 container cannot hold %2 sound.</source>
        <translation>Le conteneur %1 ne peut pas contenir de son %2.</translation>
    </message>
    <message>
        <source>The sound of %1 is damaged or empty.</source>
        <translation>Le son de %1 est endommagé ou vide.</translation>
    </message>
</context>
<context>
    <name>StyleDialog</name>
    <message>
        <source>Style Editor</source>
        <translation>Éditeur de styles</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Barré</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Principale</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Secondaire</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contour</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Ombre</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Marges</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alignement</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Open style file or ass file</source>
        <translation>Ouvrir un fichier de styles ou un fichier ASS</translation>
    </message>
    <message>
        <source>Style|ASS file(*.sty *.ass *.ssa)</source>
        <translation>Fichier de styles ou ASS (*.sty *.ass *.ssa)</translation>
    </message>
    <message>
        <source>The file %1 holds no subtitle styles.</source>
        <translation>Le fichier %1 ne contient aucun style de sous-titres.</translation>
    </message>
    <message>
        <source>Save style file</source>
        <translation>Enregistrer le fichier de styles</translation>
    </message>
    <message>
        <source>Style file(*.sty)</source>
        <translation>Fichier de styles (*.sty)</translation>
    </message>
    <message>
        <source>The style file %1 cannot be written.</source>
        <translation>Impossible d’écrire le fichier de styles %1.</translation>
    </message>
</context>
<context>
    <name>SubtitleDock</name>
    <message>
        <source>Subtitle</source>
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Are you sure delete subtitle?</source>
        <translation>Voulez-vous vraiment supprimer ce sous-titre ?</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>Enregistrer le fichier ASS</translation>
    </message>
    <message>
        <source>ASS File(*.ass)</source>
        <translation>Fichier ASS (*.ass)</translation>
    </message>
    <message>
        <source>The subtitle file %1 cannot be written.</source>
        <translation>Impossible d’écrire le fichier de sous-titres %1.</translation>
    </message>
</context>
<context>
    <name>SubtitleParser</name>
    <message>
        <source>The subtitle file %1 is larger than %2 MB; it is not read.</source>
        <translation>Le fichier de sous-titres %1 dépasse %2 Mo ; il n&apos;est pas lu.</translation>
    </message>
</context>
<context>
    <name>SubtitleWidget</name>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Décaler les temps</translation>
    </message>
    <message>
        <source>Find\Replace</source>
        <translation>Rechercher/Remplacer</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Sous-titre</translation>
    </message>
</context>
<context>
    <name>TimelineViewBlockItem</name>
    <message>
        <source>Text ABC</source>
        <translation>Texte ABC</translation>
    </message>
</context>
<context>
    <name>Util</name>
    <message>
        <source>Unable to write file %1
Perhaps you do not have permission.
Try again with a different folder.</source>
        <translation>Impossible d’écrire le fichier %1
Vous n’avez peut-être pas les droits nécessaires.
Réessayez avec un autre dossier.</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Principal</translation>
    </message>
    <message>
        <source>The value you entered is very similar to the common,
more standard %1 = %2/1001.

Do you want to use %1 = %2/1001 instead?</source>
        <translation>La valeur saisie est très proche de la valeur courante,
plus standard, %1 = %2/1001.

Voulez-vous utiliser %1 = %2/1001 à la place ?</translation>
    </message>
</context>
<context>
    <name>VBackgroundMenuWidget</name>
    <message>
        <source>Enable Background</source>
        <translation>Activer le fond</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Couleur du fond</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Épaisseur</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Arrondi</translation>
    </message>
</context>
<context>
    <name>VFuncTextEffectPage</name>
    <message>
        <source>Text Effect</source>
        <translation>Effet de texte</translation>
    </message>
    <message>
        <source>Text Glow</source>
        <translation>Lueur du texte</translation>
    </message>
    <message>
        <source>No Outline</source>
        <translation>Sans contour</translation>
    </message>
    <message>
        <source>Single Outline</source>
        <translation>Contour simple</translation>
    </message>
    <message>
        <source>Double Outline</source>
        <translation>Contour double</translation>
    </message>
    <message>
        <source>Gradient Outline</source>
        <translation>Contour en dégradé</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Gradient Text</source>
        <translation>Texte en dégradé</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contour</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Ombre</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
</context>
<context>
    <name>VFuncTextPage</name>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
</context>
<context>
    <name>VOutlineMenuWidget</name>
    <message>
        <source>Outline Color1</source>
        <translation>Couleur du contour 1</translation>
    </message>
    <message>
        <source>Thickness1</source>
        <translation>Épaisseur 1</translation>
    </message>
    <message>
        <source>Alpha1</source>
        <translation>Opacité 1</translation>
    </message>
    <message>
        <source>Outline Color2</source>
        <translation>Couleur du contour 2</translation>
    </message>
    <message>
        <source>Thickness2</source>
        <translation>Épaisseur 2</translation>
    </message>
    <message>
        <source>Alpha2</source>
        <translation>Opacité 2</translation>
    </message>
</context>
<context>
    <name>VShadowMenuWidget</name>
    <message>
        <source>Enable Shadow</source>
        <translation>Activer l’ombre</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Couleur de l’ombre</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Épaisseur</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Opacité</translation>
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
        <translation>Options du texte</translation>
    </message>
    <message>
        <source>Enter your own content here</source>
        <translation>Saisissez votre texte ici</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Text Effect</source>
        <translation>Effet de texte</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>
