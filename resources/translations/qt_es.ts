<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CAboutusDialog</name>
    <message>
        <source>About Quillon</source>
        <translation>Acerca de Quillon</translation>
    </message>
    <message>
        <source>Quillon is free software: you may copy and share it under its licence. It comes with no warranty, so check every disk you write.</source>
        <translation>Quillon es software libre: puede copiarlo y compartirlo según su licencia. Se ofrece sin ninguna garantía, así que compruebe cada disco que grabe.</translation>
    </message>
    <message>
        <source>Copyright (C) the Quillon developers.</source>
        <translation>Copyright (C) los desarrolladores de Quillon.</translation>
    </message>
    <message>
        <source>Please visit offical site: </source>
        <translation>Visite el sitio oficial: </translation>
    </message>
</context>
<context>
    <name>CBurnDialog</name>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>ISO Image:</source>
        <translation>Imagen ISO:</translation>
    </message>
    <message>
        <source>Create A Bootable DVD/CD</source>
        <translation>Crear un DVD/CD de arranque</translation>
    </message>
    <message>
        <source>Select a target disc then click BURN button</source>
        <translation>Elija un disco de destino y pulse Grabar</translation>
    </message>
    <message>
        <source>Create A Bootable USB</source>
        <translation>Crear un USB de arranque</translation>
    </message>
    <message>
        <source>Select a target USB then click BURN button</source>
        <translation>Elija un USB de destino y pulse Grabar</translation>
    </message>
    <message>
        <source>Partition Style</source>
        <translation>Tipo de partición</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Sistema de archivos</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>Etiqueta de volumen</translation>
    </message>
    <message>
        <source>Burn Failed! Do as following:
1.Try to burn again.
2.Change another USB drive or DVD.</source>
        <translation>¡Error al grabar! Haga lo siguiente:
1. Intente grabar de nuevo.
2. Use otra unidad USB u otro DVD.</translation>
    </message>
    <message>
        <source>Please insert your USB drive to computer</source>
        <translation>Conecte su unidad USB al equipo</translation>
    </message>
    <message>
        <source>Your USB drive will be formatted and all data in it will be deleted! Do you want to continue?</source>
        <translation>¡Se formateará la unidad USB y se borrarán todos sus datos! ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Espacio insuficiente. Use una unidad USB o un CD/DVD de mayor capacidad.</translation>
    </message>
    <message>
        <source>Burning the disc...</source>
        <translation>Grabando el disco...</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>Disco grabado correctamente.</translation>
    </message>
    <message>
        <source>The disc could not be burned.</source>
        <translation>No se pudo grabar el disco.</translation>
    </message>
    <message>
        <source>Making a bootable USB drive is not available in this version yet. Nothing was written to %1.</source>
        <translation>Esta versión aún no permite crear unidades USB de arranque. No se escribió nada en %1.</translation>
    </message>
</context>
<context>
    <name>CPage2</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>ISO Extract</source>
        <translation>Extraer ISO</translation>
    </message>
    <message>
        <source>Directly extract everything from ISO image file and export to your computer.</source>
        <translation>Extraiga directamente todo el contenido de una imagen ISO a su equipo.</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Cargar ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extraer</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Tamaño</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Extract(&amp;E)</source>
        <translation>&amp;Extraer</translation>
    </message>
    <message>
        <source>The image %1 could not be read. It may not be an ISO image, or it may be damaged.</source>
        <translation>No se pudo leer la imagen %1. Puede que no sea una imagen ISO o que esté dañada.</translation>
    </message>
    <message>
        <source>The image %1 seems to be damaged or incomplete; some items may not extract.</source>
        <translation>La imagen %1 parece estar dañada o incompleta; es posible que algunos elementos no se extraigan.</translation>
    </message>
    <message>
        <source>The image %1 could not be read: 7-Zip could not be started (%2): %3</source>
        <translation>No se pudo leer la imagen %1: no se pudo iniciar 7-Zip (%2): %3</translation>
    </message>
    <message>
        <source>Please select the files or folders you want to extract</source>
        <translation>Seleccione los archivos o carpetas que desea extraer</translation>
    </message>
    <message>
        <source>The files could not be extracted.</source>
        <translation>No se pudieron extraer los archivos.</translation>
    </message>
    <message>
        <source>Extracting files...</source>
        <translation>Extrayendo archivos...</translation>
    </message>
    <message>
        <source>Copying files! Please wait a few seconds..</source>
        <translation>Copiando archivos. Espere unos segundos...</translation>
    </message>
    <message>
        <source>Extracting files: </source>
        <translation>Extrayendo archivos: </translation>
    </message>
    <message>
        <source>Extract files successfully.</source>
        <translation>Archivos extraídos correctamente.</translation>
    </message>
    <message>
        <source>The file %1 is not an ISO or UDF image.</source>
        <translation>El archivo %1 no es una imagen ISO ni UDF.</translation>
    </message>
    <message>
        <source>The file %1 is not an ISO or UDF image: 7-Zip reads it as a %2 archive.</source>
        <translation>El archivo %1 no es una imagen ISO ni UDF: 7-Zip lo lee como un archivo %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) in %1 would be replaced by the extracted ones:</source>
        <translation>
            <numerusform>%n archivo de %1 se sustituiría por el extraído:</numerusform>
            <numerusform>%n archivos de %1 se sustituirían por los extraídos:</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Conservar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Please load an ISO image first, then select the files or folders you want to extract</source>
        <translation>Cargue primero una imagen ISO y luego seleccione los archivos o carpetas que desea extraer</translation>
    </message>
    <message>
        <source>More than one selected item is called %1. Please extract them one at a time.</source>
        <translation>Hay varios elementos seleccionados llamados %1. Extráigalos de uno en uno.</translation>
    </message>
    <message>
        <source>Your own files were kept in: %1</source>
        <translation>Sus propios archivos se conservaron en: %1</translation>
    </message>
    <message>
        <source>%1 of %2 items were extracted.</source>
        <translation>Se extrajeron %1 de %2 elementos.</translation>
    </message>
</context>
<context>
    <name>CPage3</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>File &amp; Folder Backup</source>
        <translation>Copia de archivos &amp; carpetas</translation>
    </message>
    <message>
        <source>Backup Type:</source>
        <translation>Tipo de copia:</translation>
    </message>
    <message>
        <source>ISO9660 Jolet</source>
        <translation>ISO9660 Joliet</translation>
    </message>
    <message>
        <source>ISO9660</source>
        <translation>ISO9660</translation>
    </message>
    <message>
        <source>UDF ISO</source>
        <translation>UDF ISO</translation>
    </message>
    <message>
        <source>Max Size : 5 GB</source>
        <translation>Tamaño máx.: 5 GB</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Añadir archivos...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Añadir carpeta...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Create ISO</source>
        <translation>Crear ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Tamaño</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Add Files(&amp;F)</source>
        <translation>Añadir &amp;archivos</translation>
    </message>
    <message>
        <source>Add Dirs(&amp;D)</source>
        <translation>Añadir &amp;carpetas</translation>
    </message>
    <message>
        <source>Remove(&amp;R)</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>The working folder for the image could not be created below %1.</source>
        <translation>No se pudo crear la carpeta de trabajo de la imagen en %1.</translation>
    </message>
    <message>
        <source>Total Size: </source>
        <translation>Tamaño total: </translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>¡Primero añada archivos o carpetas!</translation>
    </message>
    <message>
        <source>Please select one type</source>
        <translation>Seleccione un tipo</translation>
    </message>
    <message>
        <source>These files are 4 GB or larger:
%1
ISO 9660 and Joliet cannot record such sizes. The image will also get a UDF file system that holds them; programs that read only ISO 9660 or Joliet will see wrong sizes. Choose &quot;UDF ISO&quot; to avoid this question. Create the image anyway?</source>
        <translation>Estos archivos ocupan 4 GB o más:
%1
ISO 9660 y Joliet no pueden registrar esos tamaños. Por eso la imagen tendrá también un sistema de archivos UDF que los contiene; los programas que solo leen ISO 9660 o Joliet verán tamaños incorrectos. Elija «UDF ISO» para evitar esta pregunta. ¿Crear la imagen de todos modos?</translation>
    </message>
    <message>
        <source>Please save the image outside the program&apos;s working folder.</source>
        <translation>Guarde la imagen fuera de la carpeta de trabajo del programa.</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 es una carpeta. Elija un nombre de archivo para la imagen.</translation>
    </message>
    <message>
        <source>Create ISO successfully!</source>
        <translation>¡ISO creada correctamente!</translation>
    </message>
    <message>
        <source>The files and folders in the list will be discarded. Go back anyway?</source>
        <translation>Se descartarán los archivos y carpetas de la lista. ¿Volver de todos modos?</translation>
    </message>
    <message>
        <source>These items were not added: an item of the same name is already there, a folder that cannot be read, a backslash in the name, a link back to a folder that holds it, or the program&apos;s own working folder:
%1</source>
        <translation>Estos elementos no se añadieron: ya existe un elemento con el mismo nombre, una carpeta que no se puede leer, una barra invertida en el nombre, un enlace a una carpeta que lo contiene o la propia carpeta de trabajo del programa:
%1</translation>
    </message>
</context>
<context>
    <name>CPage5</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Make Image From Disc</source>
        <translation>Crear imagen desde disco</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>Select a CD/DVD drive:</source>
        <translation>Elija una unidad de CD/DVD:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Formato de salida:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Please select the iso file to save</source>
        <translation>Elija dónde guardar el archivo ISO</translation>
    </message>
    <message>
        <source>Please select the iso file to save.</source>
        <translation>Elija dónde guardar el archivo ISO.</translation>
    </message>
    <message>
        <source>The image cannot be saved there.</source>
        <translation>La imagen no se puede guardar ahí.</translation>
    </message>
    <message>
        <source>Start reading...</source>
        <translation>Iniciando la lectura...</translation>
    </message>
    <message>
        <source>Reading Disc...</source>
        <translation>Leyendo el disco...</translation>
    </message>
    <message>
        <source>Copy CD/DVD successfully!</source>
        <translation>¡CD/DVD copiado correctamente!</translation>
    </message>
    <message>
        <source>The disc could not be copied.</source>
        <translation>No se pudo copiar el disco.</translation>
    </message>
</context>
<context>
    <name>CPendingPage</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>CommDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
</context>
<context>
    <name>DiscBurnJob</name>
    <message>
        <source>There is no disc in the drive.</source>
        <translation>No hay ningún disco en la unidad.</translation>
    </message>
    <message>
        <source>The disc in the drive cannot be written: it is not blank, or not a kind of disc this drive can write.</source>
        <translation>No se puede escribir en el disco de la unidad: no está vacío o la unidad no puede grabar ese tipo de disco.</translation>
    </message>
    <message>
        <source>Writing to the disc failed.</source>
        <translation>Error al escribir en el disco.</translation>
    </message>
    <message>
        <source>The recorder ended abnormally.</source>
        <translation>El programa de grabación terminó de forma anómala.</translation>
    </message>
    <message>
        <source>The recorder ended with exit status %1.</source>
        <translation>El programa de grabación terminó con el estado de salida %1.</translation>
    </message>
</context>
<context>
    <name>ExtractJob</name>
    <message>
        <source>7-Zip stopped unexpectedly.</source>
        <translation>7-Zip se detuvo inesperadamente.</translation>
    </message>
    <message>
        <source>7-Zip ended with exit code %1.</source>
        <translation>7-Zip terminó con el código de salida %1.</translation>
    </message>
    <message>
        <source>7-Zip did not confirm the extraction.</source>
        <translation>7-Zip no confirmó la extracción.</translation>
    </message>
    <message>
        <source>Not extracted: %1</source>
        <translation>No extraídos: %1</translation>
    </message>
    <message>
        <source>Could not be moved into the output folder: %1</source>
        <translation>No se pudieron mover a la carpeta de destino: %1</translation>
    </message>
    <message>
        <source>Left as they were in the output folder: %1</source>
        <translation>Se dejaron como estaban en la carpeta de destino: %1</translation>
    </message>
    <message>
        <source>Nothing was selected.</source>
        <translation>No se seleccionó nada.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>No se puede escribir en la carpeta %1: %2</translation>
    </message>
    <message>
        <source>7-Zip could not be started (%1): %2</source>
        <translation>No se pudo iniciar 7-Zip (%1): %2</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Open Folder</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Abrir archivos</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
</context>
<context>
    <name>GerneralDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>JobSequence</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Burn</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Make bootable USB or DVD/CD from ISO</source>
        <translation>Crear un USB o DVD/CD de arranque desde una ISO</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extraer</translation>
    </message>
    <message>
        <source>Extract content from ISO</source>
        <translation>Extraer contenido de una ISO</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Create ISO from files or folders</source>
        <translation>
 Crear una ISO a partir 
 de archivos o carpetas</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>
 Add, delete, rename 
 content in ISO file</source>
        <translation>
 Añadir, eliminar, renombrar 
 contenido del archivo ISO</translation>
    </message>
    <message>
        <source>Copy Disk</source>
        <translation>Copiar disco</translation>
    </message>
    <message>
        <source>
 Make ISO file from 
 CD/DVD disc</source>
        <translation>
 Crear un archivo ISO 
 desde un CD/DVD</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chino</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
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
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Portugues</source>
        <translation>Portugués</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polaco</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Neerlandés</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Sueco</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>CTRL+H</source>
        <translation>CTRL+H</translation>
    </message>
    <message>
        <source>About Us(&amp;U)</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>CTRL+U</source>
        <translation>CTRL+U</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>CTRL+E</source>
        <translation>CTRL+E</translation>
    </message>
    <message>
        <source>https://github.com/quillon-iso/quillon#readme</source>
        <translation>https://github.com/quillon-iso/quillon#readme</translation>
    </message>
</context>
<context>
    <name>ReadDiscJob</name>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 es una carpeta.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>%1 cannot be written to.</source>
        <translation>No se puede escribir en %1.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>No se puede escribir en la carpeta %1: %2</translation>
    </message>
    <message>
        <source>There is no readable disc in the drive.</source>
        <translation>No hay ningún disco legible en la unidad.</translation>
    </message>
    <message>
        <source>A part of the disc cannot be read.</source>
        <translation>Una parte del disco no se puede leer.</translation>
    </message>
    <message>
        <source>Permission denied: the drive or the image file cannot be opened.</source>
        <translation>Permiso denegado: no se puede abrir la unidad o el archivo de imagen.</translation>
    </message>
    <message>
        <source>The reader ended abnormally.</source>
        <translation>El programa de lectura terminó de forma anómala.</translation>
    </message>
    <message>
        <source>The reader ended with exit status %1.</source>
        <translation>El programa de lectura terminó con el estado de salida %1.</translation>
    </message>
    <message>
        <source>The reader did not say how large the disc is.</source>
        <translation>El programa de lectura no indicó el tamaño del disco.</translation>
    </message>
    <message>
        <source>The image is incomplete: %1 of %2 bytes were read.</source>
        <translation>La imagen está incompleta: se leyeron %1 de %2 bytes.</translation>
    </message>
    <message>
        <source>The image could not be put in place of %1.</source>
        <translation>La imagen no pudo reemplazar a %1.</translation>
    </message>
</context>
<context>
    <name>ToolJob</name>
    <message>
        <source>%1 ended abnormally.</source>
        <translation>%1 terminó de forma anómala.</translation>
    </message>
    <message>
        <source>%1 ended with exit status %2.</source>
        <translation>%1 terminó con el estado de salida %2.</translation>
    </message>
    <message>
        <source>Could not start %1.</source>
        <translation>No se pudo iniciar %1.</translation>
    </message>
</context>
</TS>
