<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Lumacrest</source>
        <translation>Lumacrest</translation>
    </message>
    <message>
        <source>Free for personal use.</source>
        <translation>Gratuito para uso pessoal.</translation>
    </message>
    <message>
        <source>Standard Edition %1</source>
        <translation>Edição Standard %1</translation>
    </message>
    <message>
        <source>Contact: &lt;a style=&quot;color:#ffffff&quot; href=&quot;mailto:support@lumacrest.invalid&quot;&gt;support@lumacrest.invalid&lt;/a&gt;</source>
        <translation>Contato: &lt;a style=&quot;color:#ffffff&quot; href=&quot;mailto:support@lumacrest.invalid&quot;&gt;support@lumacrest.invalid&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Web: &lt;a style=&quot;color:#ffffff&quot; href=&quot;https://lumacrest.invalid/&quot;&gt;lumacrest.invalid&lt;/a&gt;</source>
        <translation>Site: &lt;a style=&quot;color:#ffffff&quot; href=&quot;https://lumacrest.invalid/&quot;&gt;lumacrest.invalid&lt;/a&gt;</translation>
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
        <translation>%1 não encontrado</translation>
    </message>
    <message>
        <source>no output file</source>
        <translation>nenhum arquivo de saída</translation>
    </message>
    <message>
        <source>output file empty</source>
        <translation>arquivo de saída vazio</translation>
    </message>
    <message>
        <source>output file not written</source>
        <translation>arquivo de saída não gravado</translation>
    </message>
    <message>
        <source>could not be started</source>
        <translation>não pôde ser iniciado</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>interrompido</translation>
    </message>
    <message>
        <source>crashed</source>
        <translation>travou</translation>
    </message>
    <message>
        <source>exit code %1</source>
        <translation>código de saída %1</translation>
    </message>
    <message>
        <source>the output could not be put in place: %1</source>
        <translation>não foi possível colocar a saída no lugar: %1</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>No file name was given.</source>
        <translation>Nenhum nome de arquivo foi informado.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Não é um arquivo comum.</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Add media file to list</source>
        <translation>Adicionar arquivo de mídia à lista</translation>
    </message>
    <message>
        <source>Lumacrest Project</source>
        <translation>Projeto do Lumacrest</translation>
    </message>
    <message>
        <source>File missing: %1</source>
        <translation>Arquivo ausente: %1</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>Não é um arquivo comum: %1</translation>
    </message>
    <message>
        <source>Cannot write a work file: %1</source>
        <translation>Não é possível gravar um arquivo de trabalho: %1</translation>
    </message>
    <message>
        <source>Subtitle file missing: %1</source>
        <translation>Arquivo de legendas ausente: %1</translation>
    </message>
    <message>
        <source>Subtitle file too large: %1</source>
        <translation>Arquivo de legendas grande demais: %1</translation>
    </message>
    <message>
        <source>Cannot read the subtitle file: %1</source>
        <translation>Não é possível ler o arquivo de legendas: %1</translation>
    </message>
    <message>
        <source>Refers to other files: %1</source>
        <translation>Remete a outros arquivos: %1</translation>
    </message>
    <message>
        <source>Not a media file: %1</source>
        <translation>Não é um arquivo de mídia: %1</translation>
    </message>
    <message>
        <source>Cannot read the picture: %1</source>
        <translation>Não é possível ler a imagem: %1</translation>
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
        <translation>Proporção</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Redefinir</translation>
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
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>Adicionar vídeo</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Adicionar imagem</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Adicionar texto</translation>
    </message>
    <message>
        <source>Add Subtitle</source>
        <translation>Adicionar legenda</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Girar à esquerda</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Girar à direita</translation>
    </message>
    <message>
        <source>Flip horizontal </source>
        <translation>Espelhar horizontalmente </translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Espelhar verticalmente</translation>
    </message>
    <message>
        <source>The video %1 cannot be read.</source>
        <translation>Não é possível ler o vídeo %1.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>Não é possível ler a imagem %1.</translation>
    </message>
    <message>
        <source>The styled text cannot be added.</source>
        <translation>Não é possível adicionar o texto formatado.</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Abrir arquivo de legenda</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>Arquivo de legenda (*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Hora de início</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Hora de término</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Open Lumacrest Project</source>
        <translation>Abrir projeto do Lumacrest</translation>
    </message>
    <message>
        <source>Lumacrest 4.x later Project(*.jxo)</source>
        <translation>Projeto do Lumacrest 4.x ou posterior (*.jxo)</translation>
    </message>
    <message>
        <source>Save Lumacrest Project</source>
        <translation>Salvar projeto do Lumacrest</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>The source cannot be previewed: it has no picture size.</source>
        <translation>Não é possível visualizar a origem: ela não tem tamanho de imagem.</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened.</source>
        <translation>Não é possível abrir o projeto %1.</translation>
    </message>
    <message>
        <source>The project %1 cannot be saved.</source>
        <translation>Não é possível salvar o projeto %1.</translation>
    </message>
    <message>
        <source>The subtitle file %1 cannot be read.</source>
        <translation>Não é possível ler o arquivo de legenda %1.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... e mais %1.</translation>
    </message>
    <message>
        <source>Layer %1: %2</source>
        <translation>Camada %1: %2</translation>
    </message>
    <message>
        <source>The pictures of these layers cannot be read. Each is kept as a grey box of its saved size and saved again unchanged:</source>
        <translation>As imagens destas camadas não podem ser lidas. Cada uma é mantida como uma caixa cinza do tamanho salvo e salva novamente sem alterações:</translation>
    </message>
    <message>
        <source>These layers held damaged values, which were read as 0 or brought into range:</source>
        <translation>Estas camadas tinham valores danificados, que foram lidos como 0 ou trazidos para a faixa válida:</translation>
    </message>
    <message>
        <source>The project %1 was opened with every layer.</source>
        <translation>O projeto %1 foi aberto com todas as camadas.</translation>
    </message>
</context>
<context>
    <name>FileFolders</name>
    <message>
        <source>Choose an output folder first.</source>
        <translation>Escolha primeiro uma pasta de saída.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path. Choose a folder.</source>
        <translation>A pasta de saída “%1” não é um caminho completo. Escolha uma pasta.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a folder. Choose a folder.</source>
        <translation>A pasta de saída “%1” não é uma pasta. Escolha uma pasta.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created. Choose another folder.</source>
        <translation>Não é possível criar a pasta de saída “%1”. Escolha outra pasta.</translation>
    </message>
    <message>
        <source>Nothing can be written into the output folder &quot;%1&quot;. Choose another folder.</source>
        <translation>Não é possível gravar nada na pasta de saída “%1”. Escolha outra pasta.</translation>
    </message>
</context>
<context>
    <name>JobsManage</name>
    <message>
        <source>Stopped</source>
        <translation>Interrompido</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erro desconhecido</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 em %2</translation>
    </message>
    <message>
        <source>Failed at %1%: %2</source>
        <translation>Falhou em %1%: %2</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Nothing to merge</source>
        <translation>Nada para mesclar</translation>
    </message>
    <message>
        <source>Nothing to split</source>
        <translation>Nada para dividir</translation>
    </message>
    <message>
        <source>Nothing to merge: no picture or sound</source>
        <translation>Nada para mesclar: sem imagem nem som</translation>
    </message>
    <message>
        <source>Paused: %1%</source>
        <translation>Pausado: %1%</translation>
    </message>
</context>
<context>
    <name>JxOFile</name>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>“%1” não é um arquivo comum.</translation>
    </message>
    <message>
        <source>Cannot open the project &quot;%1&quot;: %2</source>
        <translation>Não é possível abrir o projeto “%1”: %2</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is too large.</source>
        <translation>O projeto “%1” é grande demais.</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is refused: it declares a document type or entities, which projects never do.</source>
        <translation>O projeto “%1” foi recusado: ele declara um tipo de documento ou entidades, o que projetos nunca fazem.</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is refused: its elements nest far deeper than in any project.</source>
        <translation>O projeto “%1” foi recusado: seus elementos estão aninhados muito mais fundo do que em qualquer projeto.</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is damaged (line %2, column %3): %4</source>
        <translation>O projeto “%1” está danificado (linha %2, coluna %3): %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a project file.</source>
        <translation>“%1” não é um arquivo de projeto.</translation>
    </message>
    <message>
        <source>Cannot write the project &quot;%1&quot;: %2</source>
        <translation>Não é possível gravar o projeto “%1”: %2</translation>
    </message>
</context>
<context>
    <name>LayerDialog</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Hora de início</translation>
    </message>
    <message>
        <source>HH:mm:ss:zzz</source>
        <translation>HH:mm:ss:zzz</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Hora de término</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Keep Aspect</source>
        <translation>Manter proporção</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animação</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Esmaecer</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidade</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Repetições</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ângulo</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Cima</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Baixo</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Saída</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>Entrada e saída</translation>
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
        <translation>Marca d’água</translation>
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
        <translation>Descer</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidade</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animação</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Esmaecer</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Cima</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Baixo</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Saída</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>Entrada e saída</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Prévia</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
</context>
<context>
    <name>MainOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Threads</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinês</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemão</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonês</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espanhol</translation>
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
        <translation>Mesclar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descer</translation>
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
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Add to subtitle stream</source>
        <translation>Adicionar como faixa de legenda</translation>
    </message>
    <message>
        <source>Soundtrack</source>
        <translation>Trilha sonora</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Formato de saída</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Pasta de saída</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Marca d’água</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Executar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Adicionar arquivo</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Adicionar pasta</translation>
    </message>
    <message>
        <source>Media information</source>
        <translation>Informações da mídia</translation>
    </message>
    <message>
        <source>Ready to convert</source>
        <translation>Pronto para converter</translation>
    </message>
    <message>
        <source>Add subtitle file</source>
        <translation>Adicionar arquivo de legenda</translation>
    </message>
    <message>
        <source>All Delete</source>
        <translation>Excluir tudo</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Add title sequence</source>
        <translation>Adicionar abertura</translation>
    </message>
    <message>
        <source>Add ending</source>
        <translation>Adicionar encerramento</translation>
    </message>
    <message>
        <source>Media Infomation</source>
        <translation>Informações da mídia</translation>
    </message>
    <message>
        <source>Lumacrest Standard Edition %1</source>
        <translation>Lumacrest Edição padrão %1</translation>
    </message>
    <message>
        <source>Source File</source>
        <translation>Arquivo de origem</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Prévia</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Setting number of parts</source>
        <translation>Número de partes</translation>
    </message>
    <message>
        <source>A duration of each clip</source>
        <translation>Duração de cada parte</translation>
    </message>
    <message>
        <source>Intercept a section</source>
        <translation>Recortar um trecho</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Hora de início</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Hora de término</translation>
    </message>
    <message>
        <source>You must restart Lumacrest to switch to the new language.
Do you want to restart now?</source>
        <translation>É preciso reiniciar o Lumacrest para mudar para o novo idioma.
Deseja reiniciar agora?</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lendo...</translation>
    </message>
    <message>
        <source>Cannot be read: not a video or sound file</source>
        <translation>Não é possível ler: não é um arquivo de vídeo ou de áudio</translation>
    </message>
    <message>
        <source>Cannot be read: damaged or cut short</source>
        <translation>Não é possível ler: danificado ou incompleto</translation>
    </message>
    <message>
        <source>Cannot be read: no picture or sound in it</source>
        <translation>Não é possível ler: não contém imagem nem som</translation>
    </message>
    <message>
        <source>Cannot be read: a still picture, not a video</source>
        <translation>Não é possível ler: é uma imagem estática, não um vídeo</translation>
    </message>
    <message>
        <source>Cannot be read: it refers to other files</source>
        <translation>Não é possível ler: faz referência a outros arquivos</translation>
    </message>
    <message>
        <source>Changed while it was read: %1</source>
        <translation>Alterado durante a leitura: %1</translation>
    </message>
    <message>
        <source>A file that is being converted cannot be removed from the list. Stop the conversion first.</source>
        <translation>Um arquivo em conversão não pode ser removido da lista. Interrompa a conversão primeiro.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Add Media File</source>
        <translation>Adicionar arquivo de mídia</translation>
    </message>
    <message>
        <source>Add Music File</source>
        <translation>Adicionar arquivo de música</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Abrir arquivo de legendas</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>Arquivo de legendas (*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>Salvar arquivo ASS</translation>
    </message>
    <message>
        <source>ASS File(*.ass);;SRT File(*.srt)</source>
        <translation>Arquivo ASS (*.ass);;Arquivo SRT (*.srt)</translation>
    </message>
    <message>
        <source>The subtitle file %1 could not be written.</source>
        <translation>Não foi possível gravar o arquivo de legendas %1.</translation>
    </message>
    <message>
        <source>Adding files to the list...</source>
        <translation>Adicionando arquivos à lista...</translation>
    </message>
    <message>
        <source>Preparing the layers...</source>
        <translation>Preparando as camadas...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add a title or ending clip</source>
        <translation>Adicionar uma abertura ou um encerramento</translation>
    </message>
    <message>
        <source>Delete the selected clip</source>
        <translation>Excluir o clipe selecionado</translation>
    </message>
    <message>
        <source>Move the selected clip up</source>
        <translation>Mover o clipe selecionado para cima</translation>
    </message>
    <message>
        <source>Move the selected clip down</source>
        <translation>Mover o clipe selecionado para baixo</translation>
    </message>
    <message>
        <source>Add the parts to the selected sources</source>
        <translation>Adicionar as partes aos arquivos de origem selecionados</translation>
    </message>
    <message>
        <source>Delete the selected parts</source>
        <translation>Excluir as partes selecionadas</translation>
    </message>
    <message>
        <source>Add a soundtrack file</source>
        <translation>Adicionar um arquivo de trilha sonora</translation>
    </message>
    <message>
        <source>Delete the selected soundtrack file</source>
        <translation>Excluir o arquivo de trilha sonora selecionado</translation>
    </message>
    <message>
        <source>Move the selected soundtrack file up</source>
        <translation>Mover o arquivo de trilha sonora selecionado para cima</translation>
    </message>
    <message>
        <source>Move the selected soundtrack file down</source>
        <translation>Mover o arquivo de trilha sonora selecionado para baixo</translation>
    </message>
    <message>
        <source>When checked, an output replaces an existing file of the same name in the output folder</source>
        <translation>Quando marcado, uma saída substitui um arquivo existente com o mesmo nome na pasta de saída</translation>
    </message>
    <message>
        <source>No file manager can show the folder &quot;%1&quot; on this desktop.</source>
        <translation>Nenhum gerenciador de arquivos pode mostrar a pasta &quot;%1&quot; nesta área de trabalho.</translation>
    </message>
    <message>
        <source>These files cannot be added because their names are not valid text in the system&apos;s encoding. Rename them and add them again:
%1</source>
        <translation>Estes arquivos não podem ser adicionados porque seus nomes não são texto válido na codificação do sistema. Renomeie-os e adicione-os novamente:
%1</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1.</source>
        <translation>Não foi possível salvar as configurações em %1.</translation>
    </message>
</context>
<context>
    <name>MediaDialog</name>
    <message>
        <source>Media Infomation</source>
        <translation>Informações da mídia</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Taxa de bits</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Taxa de quadros</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Taxa de amostragem</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
</context>
<context>
    <name>MeltEngineJob</name>
    <message>
        <source>an input failed to load</source>
        <translation>uma entrada não pôde ser carregada</translation>
    </message>
    <message>
        <source>melt made no progress</source>
        <translation>o melt não progrediu</translation>
    </message>
</context>
<context>
    <name>OutputCheck</name>
    <message>
        <source>output file unreadable</source>
        <translation>arquivo de saída ilegível</translation>
    </message>
    <message>
        <source>output has no picture</source>
        <translation>a saída não tem imagem</translation>
    </message>
    <message>
        <source>output has a picture it should not have</source>
        <translation>a saída tem uma imagem que não deveria ter</translation>
    </message>
    <message>
        <source>output has no sound</source>
        <translation>a saída não tem som</translation>
    </message>
    <message>
        <source>output has sound it should not have</source>
        <translation>a saída tem um som que não deveria ter</translation>
    </message>
    <message>
        <source>output lasts %1 s instead of %2 s</source>
        <translation>a saída dura %1 s em vez de %2 s</translation>
    </message>
    <message>
        <source>output&apos;s sound plays %1 s instead of %2 s</source>
        <translation>o som da saída toca %1 s em vez de %2 s</translation>
    </message>
</context>
<context>
    <name>PanTimeDialog</name>
    <message>
        <source>Shift Times</source>
        <translation>Deslocar tempos</translation>
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
        <translation>Adiantar</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Atrasar</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>Aplicar a</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Todas as linhas</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Linhas selecionadas</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>Da seleção em diante</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Tempos</translation>
    </message>
    <message>
        <source>Start and End times</source>
        <translation>Início e término</translation>
    </message>
    <message>
        <source>Start times only</source>
        <translation>Somente início</translation>
    </message>
    <message>
        <source>End times only</source>
        <translation>Somente término</translation>
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
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>Copiar tempo</translation>
    </message>
</context>
<context>
    <name>PlayerLoader</name>
    <message>
        <source>The preview cannot play: the player (%1) is missing or damaged. Conversions still work; reinstall the program to preview videos.</source>
        <translation>A pré-visualização não pode ser reproduzida: o reprodutor (%1) está ausente ou danificado. As conversões continuam funcionando; reinstale o programa para pré-visualizar vídeos.</translation>
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
        <translation>Outra</translation>
    </message>
    <message>
        <source>white</source>
        <translation>branco</translation>
    </message>
</context>
<context>
    <name>QFormatDialog</name>
    <message>
        <source>Format Options</source>
        <translation>Opções de formato</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Video quality mode</source>
        <translation>Modo de qualidade de vídeo</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Taxa de bits</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Keep width and height</source>
        <translation>Manter largura e altura</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Proporção</translation>
    </message>
    <message>
        <source>Keep frame rate</source>
        <translation>Manter taxa de quadros</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Taxa de quadros</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Keep Audio Codec</source>
        <translation>Manter codec de áudio</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Taxa de amostragem</translation>
    </message>
    <message>
        <source>Volume(%)</source>
        <translation>Volume (%)</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formatos</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>50 high</source>
        <translation>50 alta</translation>
    </message>
    <message>
        <source>1 low</source>
        <translation>1 baixa</translation>
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
        <translation>Não foi possível salvar as configurações de formato em %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Options(*.ini)</source>
        <translation>Opções (*.ini)</translation>
    </message>
    <message>
        <source>The format scheme could not be saved to %1.</source>
        <translation>Não foi possível salvar o esquema de formato em %1.</translation>
    </message>
    <message>
        <source>Are you sure to delete the format options ?</source>
        <translation>Deseja realmente excluir estas opções de formato?</translation>
    </message>
    <message>
        <source>The format scheme %1 could not be deleted.</source>
        <translation>Não foi possível excluir o esquema de formato %1.</translation>
    </message>
    <message>
        <source>The format scheme %1 does not exist. Nothing was changed.</source>
        <translation>O esquema de formato %1 não existe. Nada foi alterado.</translation>
    </message>
    <message>
        <source>The format scheme %1 cannot be read. Nothing was changed.</source>
        <translation>O esquema de formato %1 não pode ser lido. Nada foi alterado.</translation>
    </message>
    <message>
        <source>The format scheme %1 is damaged: it is not a settings file. Nothing was changed.</source>
        <translation>O esquema de formato %1 está danificado: não é um arquivo de configurações. Nada foi alterado.</translation>
    </message>
    <message>
        <source>The format scheme %1 is damaged.</source>
        <translation>O esquema de formato %1 está danificado.</translation>
    </message>
    <message>
        <source>These settings are missing or not valid and take their default values: %1.</source>
        <translation>Estas configurações estão ausentes ou inválidas e recebem seus valores padrão: %1.</translation>
    </message>
    <message>
        <source>It names no known container: the output container was left as it was.</source>
        <translation>Ele não indica nenhum contêiner conhecido: o contêiner de saída ficou como estava.</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>All Files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>All Supported Media Files</source>
        <translation>Todos os arquivos de mídia compatíveis</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>Todos os arquivos de vídeo compatíveis</translation>
    </message>
    <message>
        <source>All Supported Audio Files</source>
        <translation>Todos os arquivos de áudio compatíveis</translation>
    </message>
    <message>
        <source>All Supported Image Files</source>
        <translation>Todos os arquivos de imagem compatíveis</translation>
    </message>
</context>
<context>
    <name>QPlayerWidget</name>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>Copiar tempo</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
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
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionar</translation>
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
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Are you sure to delete the layer ?</source>
        <translation>Deseja realmente excluir esta camada?</translation>
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
        <translation>Localizar/Substituir</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>Aplicar a</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Todas as linhas</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Linhas selecionadas</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>Da seleção em diante</translation>
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
        <translation>O contêiner %1 não aceita vídeo %2.</translation>
    </message>
    <message>
        <source>The %1 container cannot hold %2 sound.</source>
        <translation>O contêiner %1 não aceita áudio %2.</translation>
    </message>
    <message>
        <source>The sound of %1 is damaged or empty.</source>
        <translation>O áudio de %1 está danificado ou vazio.</translation>
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
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrito</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Itálico</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Sublinhado</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Tachado</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Primária</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Secundária</translation>
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
        <translation>Opacidade</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margens</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alinhamento</translation>
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
        <translation>Abrir arquivo de estilo ou arquivo ASS</translation>
    </message>
    <message>
        <source>Style|ASS file(*.sty *.ass *.ssa)</source>
        <translation>Arquivo de estilo ou ASS (*.sty *.ass *.ssa)</translation>
    </message>
    <message>
        <source>The file %1 holds no subtitle styles.</source>
        <translation>O arquivo %1 não contém estilos de legenda.</translation>
    </message>
    <message>
        <source>Save style file</source>
        <translation>Salvar arquivo de estilo</translation>
    </message>
    <message>
        <source>Style file(*.sty)</source>
        <translation>Arquivo de estilo (*.sty)</translation>
    </message>
    <message>
        <source>The style file %1 cannot be written.</source>
        <translation>Não é possível gravar o arquivo de estilo %1.</translation>
    </message>
</context>
<context>
    <name>SubtitleDock</name>
    <message>
        <source>Subtitle</source>
        <translation>Legendas</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Are you sure delete subtitle?</source>
        <translation>Deseja realmente excluir esta legenda?</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>Salvar arquivo ASS</translation>
    </message>
    <message>
        <source>ASS File(*.ass)</source>
        <translation>Arquivo ASS (*.ass)</translation>
    </message>
    <message>
        <source>The subtitle file %1 cannot be written.</source>
        <translation>Não é possível gravar o arquivo de legenda %1.</translation>
    </message>
</context>
<context>
    <name>SubtitleParser</name>
    <message>
        <source>The subtitle file %1 is larger than %2 MB; it is not read.</source>
        <translation>O arquivo de legendas %1 tem mais de %2 MB; ele não é lido.</translation>
    </message>
</context>
<context>
    <name>SubtitleWidget</name>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Deslocar tempos</translation>
    </message>
    <message>
        <source>Find\Replace</source>
        <translation>Localizar/Substituir</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Hora de início</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Hora de término</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Legenda</translation>
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
        <translation>Não é possível gravar o arquivo %1
Talvez você não tenha permissão.
Tente novamente com outra pasta.</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>The value you entered is very similar to the common,
more standard %1 = %2/1001.

Do you want to use %1 = %2/1001 instead?</source>
        <translation>O valor informado é muito parecido com o valor comum,
mais padrão, %1 = %2/1001.

Deseja usar %1 = %2/1001 em vez disso?</translation>
    </message>
</context>
<context>
    <name>VBackgroundMenuWidget</name>
    <message>
        <source>Enable Background</source>
        <translation>Ativar fundo</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Cor do fundo</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Opacidade</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Espessura</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Arredondamento</translation>
    </message>
</context>
<context>
    <name>VFuncTextEffectPage</name>
    <message>
        <source>Text Effect</source>
        <translation>Efeito de texto</translation>
    </message>
    <message>
        <source>Text Glow</source>
        <translation>Brilho do texto</translation>
    </message>
    <message>
        <source>No Outline</source>
        <translation>Sem contorno</translation>
    </message>
    <message>
        <source>Single Outline</source>
        <translation>Contorno simples</translation>
    </message>
    <message>
        <source>Double Outline</source>
        <translation>Contorno duplo</translation>
    </message>
    <message>
        <source>Gradient Outline</source>
        <translation>Contorno em degradê</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Cor do texto</translation>
    </message>
    <message>
        <source>Gradient Text</source>
        <translation>Texto em degradê</translation>
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
        <translation>Fundo</translation>
    </message>
</context>
<context>
    <name>VFuncTextPage</name>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrito</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Itálico</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Sublinhado</translation>
    </message>
</context>
<context>
    <name>VOutlineMenuWidget</name>
    <message>
        <source>Outline Color1</source>
        <translation>Cor do contorno 1</translation>
    </message>
    <message>
        <source>Thickness1</source>
        <translation>Espessura 1</translation>
    </message>
    <message>
        <source>Alpha1</source>
        <translation>Opacidade 1</translation>
    </message>
    <message>
        <source>Outline Color2</source>
        <translation>Cor do contorno 2</translation>
    </message>
    <message>
        <source>Thickness2</source>
        <translation>Espessura 2</translation>
    </message>
    <message>
        <source>Alpha2</source>
        <translation>Opacidade 2</translation>
    </message>
</context>
<context>
    <name>VShadowMenuWidget</name>
    <message>
        <source>Enable Shadow</source>
        <translation>Ativar sombra</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Cor da sombra</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Espessura</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Opacidade</translation>
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
        <translation>Opções de texto</translation>
    </message>
    <message>
        <source>Enter your own content here</source>
        <translation>Digite seu texto aqui</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Text Effect</source>
        <translation>Efeito de texto</translation>
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
