<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>BootRebuild</name>
    <message>
        <source>boot entry %1</source>
        <translation>entrada de arranque %1</translation>
    </message>
    <message>
        <source>The %1 is for a platform (%2) the image builder cannot write.</source>
        <translation>La %1 es para una plataforma (%2) que el generador de imágenes no puede escribir.</translation>
    </message>
    <message>
        <source>The %1 could not be written to %2.</source>
        <translation>No se pudo escribir la %1 en %2.</translation>
    </message>
    <message>
        <source>The saved image cannot be read.</source>
        <translation>No se puede leer la imagen guardada.</translation>
    </message>
    <message>
        <source>The saved image&apos;s label is &quot;%1&quot;, not &quot;%2&quot;.</source>
        <translation>La etiqueta de la imagen guardada es «%1», no «%2».</translation>
    </message>
    <message>
        <source>The saved image has %1 boot entries, the original %2.</source>
        <translation>La imagen guardada tiene %1 entradas de arranque; la original, %2.</translation>
    </message>
    <message>
        <source>The saved image&apos;s %1 differs from the original&apos;s in its platform, emulation or load size.</source>
        <translation>En la imagen guardada, la %1 difiere de la original en plataforma, emulación o tamaño de carga.</translation>
    </message>
    <message>
        <source>The saved image&apos;s %1 does not hold the original&apos;s boot image.</source>
        <translation>En la imagen guardada, la %1 no contiene la imagen de arranque de la original.</translation>
    </message>
</context>
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
        <source>No USB disk found — plug one in</source>
        <translation>No se encontró ninguna unidad USB: conecte una</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found</source>
        <translation>No se encontró ninguna grabadora de CD/DVD</translation>
    </message>
    <message>
        <source>Image (write the ISO as it is)</source>
        <translation>Imagen (escribir la ISO tal cual)</translation>
    </message>
    <message>
        <source>Connect a CD/DVD recorder with a blank disc in it, or choose a USB disk instead.</source>
        <translation>Conecte una grabadora de CD/DVD con un disco virgen, o elija una unidad USB.</translation>
    </message>
    <message>
        <source>The burn was stopped. The disc may be unusable.</source>
        <translation>Se detuvo la grabación. Es posible que el disco no se pueda usar.</translation>
    </message>
    <message>
        <source>Checksum...</source>
        <translation>Suma de comprobación...</translation>
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
        <source>The image %1 seems to be damaged or incomplete; some items may not extract.</source>
        <translation>La imagen %1 parece estar dañada o incompleta; es posible que algunos elementos no se extraigan.</translation>
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
        <source>Extract files successfully.</source>
        <translation>Archivos extraídos correctamente.</translation>
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
    <name>CPage4</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Cargar ISO</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
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
        <source>Add(&amp;A)</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Export(&amp;E)</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>Rename(&amp;R)</source>
        <translation>&amp;Renombrar</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>The working folder for the image could not be created below %1.</source>
        <translation>No se pudo crear la carpeta de trabajo de la imagen en %1.</translation>
    </message>
    <message>
        <source>These items were not added: this folder already holds an item of that name:
%1</source>
        <translation>Estos elementos no se añadieron porque esta carpeta ya contiene un elemento con ese nombre:
%1</translation>
    </message>
    <message>
        <source>Please select one row in the table list first</source>
        <translation>Seleccione primero una fila de la lista</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nueva carpeta</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>Extrayendo la ISO...</translation>
    </message>
    <message>
        <source>Please select files or folders in the list first.</source>
        <translation>Seleccione primero archivos o carpetas de la lista.</translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>¡Primero añada archivos o carpetas!</translation>
    </message>
    <message>
        <source>Save ISO file successfully!</source>
        <translation>¡Archivo ISO guardado correctamente!</translation>
    </message>
    <message>
        <source>Export Successfully !</source>
        <translation>¡Exportación correcta!</translation>
    </message>
    <message>
        <source>The ISO file could not be saved.</source>
        <translation>No se pudo guardar el archivo ISO.</translation>
    </message>
    <message>
        <source>The items could not be exported.</source>
        <translation>No se pudieron exportar los elementos.</translation>
    </message>
    <message>
        <source>These items were not added: a folder that cannot be read, a backslash in the name, a link back to a folder that holds it, or the program&apos;s own working folder:
%1</source>
        <translation>Estos elementos no se añadieron: una carpeta que no se puede leer, una barra invertida en el nombre, un enlace a una carpeta que lo contiene o la propia carpeta de trabajo del programa:
%1</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>The new image will not keep %1. Save anyway?</source>
        <translation>La nueva imagen no conservará %1. ¿Guardar de todos modos?</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>%1 already holds items of these names:
%2
Replace them with the exported ones?</source>
        <translation>%1 ya contiene elementos con estos nombres:
%2
¿Reemplazarlos por los exportados?</translation>
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
        <source>The changes to %1 have not been saved.</source>
        <translation>Los cambios en %1 no se han guardado.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
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
    <message>
        <source>No CD/DVD recorder found</source>
        <translation>No se encontró ninguna grabadora de CD/DVD</translation>
    </message>
    <message>
        <source>Connect a CD/DVD drive with the disc to copy in it, then press Start again.</source>
        <translation>Conecte una unidad de CD/DVD con el disco que quiere copiar y pulse Iniciar de nuevo.</translation>
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
    <name>ChecksumJob</name>
    <message>
        <source>The %1 checksum matches %2.</source>
        <translation>La suma de comprobación %1 coincide con %2.</translation>
    </message>
    <message>
        <source>The %1 checksum does not match %2: the image is damaged or not the one published.</source>
        <translation>La suma de comprobación %1 no coincide con %2: la imagen está dañada o no es la publicada.</translation>
    </message>
    <message>
        <source>No %1 checksum of this image lies beside it to compare with.</source>
        <translation>Junto a esta imagen no hay ninguna suma de comprobación %1 con la que compararla.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>No se puede leer la imagen %1.</translation>
    </message>
    <message>
        <source>Reading %1 failed: %2</source>
        <translation>Falló la lectura de %1: %2</translation>
    </message>
    <message>
        <source>Computing the %1 checksum...</source>
        <translation>Calculando la suma de comprobación %1...</translation>
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
    <message>
        <source>No file manager could be opened. The folder is:
%1</source>
        <translation>No se pudo abrir ningún administrador de archivos. La carpeta es:
%1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Stopped; nothing incomplete was left behind.</source>
        <translation>Detenido; no ha quedado nada incompleto.</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 es una carpeta. Elija un nombre de archivo para la imagen.</translation>
    </message>
    <message>
        <source>%1 already exists. Add --force to replace it.</source>
        <translation>%1 ya existe. Añada --force para reemplazarlo.</translation>
    </message>
    <message>
        <source>The image %1 does not exist.</source>
        <translation>La imagen %1 no existe.</translation>
    </message>
    <message>
        <source>%1 is not an image file.</source>
        <translation>%1 no es un archivo de imagen.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>No se puede leer la imagen %1.</translation>
    </message>
    <message>
        <source>Usage: quillon extract IMAGE TARGET [ITEM...]</source>
        <translation>Uso: quillon extract IMAGE TARGET [ITEM...]</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 no es una carpeta.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Detenido.</translation>
    </message>
    <message>
        <source>%1 is not in the image.</source>
        <translation>%1 no está en la imagen.</translation>
    </message>
    <message>
        <source>The image holds no files.</source>
        <translation>La imagen no contiene archivos.</translation>
    </message>
    <message>
        <source>These files already exist in %1. Add --force to replace them:
%2</source>
        <translation>Estos archivos ya existen en %1. Añada --force para reemplazarlos:
%2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Extracted %1 items to %2.</source>
        <translation>Se extrajeron %1 elementos en %2.</translation>
    </message>
    <message>
        <source>The items could not be extracted.</source>
        <translation>No se pudieron extraer los elementos.</translation>
    </message>
    <message>
        <source>Usage: quillon create --output IMAGE [--label LABEL] SOURCE...</source>
        <translation>Uso: quillon create --output IMAGE [--label LABEL] SOURCE...</translation>
    </message>
    <message>
        <source>Unknown image type %1: use joliet, iso9660 or udf.</source>
        <translation>Tipo de imagen desconocido %1: use joliet, iso9660 o udf.</translation>
    </message>
    <message>
        <source>The working folder could not be created below %1.</source>
        <translation>No se pudo crear la carpeta de trabajo en %1.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 no existe.</translation>
    </message>
    <message>
        <source>%1 cannot be added: another item has its name, it cannot be read, or it holds a backslash in a name.</source>
        <translation>No se puede añadir %1: otro elemento tiene el mismo nombre, no se puede leer o un nombre contiene una barra invertida.</translation>
    </message>
    <message>
        <source>Files of 4 GiB or more show their true size only in the image&apos;s UDF tree.</source>
        <translation>Los archivos de 4 GiB o más solo muestran su tamaño real en el árbol UDF de la imagen.</translation>
    </message>
    <message>
        <source>Created %1 (%2 bytes).</source>
        <translation>Se creó %1 (%2 bytes).</translation>
    </message>
    <message>
        <source>The ISO file could not be created.</source>
        <translation>No se pudo crear el archivo ISO.</translation>
    </message>
    <message>
        <source>Usage: quillon edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]... [--rename /PATH=NEWNAME]...</source>
        <translation>Uso: quillon edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]... [--rename /PATH=NEWNAME]...</translation>
    </message>
    <message>
        <source>--add needs SOURCE=/PATH/IN/IMAGE, not %1.</source>
        <translation>--add requiere SOURCE=/PATH/IN/IMAGE, no %1.</translation>
    </message>
    <message>
        <source>--rename needs /PATH=NEWNAME, not %1.</source>
        <translation>--rename requiere /PATH=NEWNAME, no %1.</translation>
    </message>
    <message>
        <source>The image has no folder %1.</source>
        <translation>La imagen no tiene ninguna carpeta %1.</translation>
    </message>
    <message>
        <source>%1 cannot be added: it cannot be read, it holds a backslash in a name, or it links back to a folder that holds it.</source>
        <translation>No se puede añadir %1: no se puede leer, un nombre contiene una barra invertida o enlaza de vuelta a una carpeta que lo contiene.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>Se guardó %1.</translation>
    </message>
    <message>
        <source>The ISO file could not be saved.</source>
        <translation>No se pudo guardar el archivo ISO.</translation>
    </message>
    <message>
        <source>No CD/DVD recorder %1 found. quillon list-drives shows the recorders.</source>
        <translation>No se encontró ninguna grabadora de CD/DVD %1. quillon list-drives muestra las grabadoras.</translation>
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
        <source>--allow-loop-device is for tests and only accepted as root.</source>
        <translation>--allow-loop-device es para pruebas y solo se acepta como root.</translation>
    </message>
    <message>
        <source>%1 is not a USB disk. quillon list-drives shows the USB disks.</source>
        <translation>%1 no es un disco USB. quillon list-drives muestra los discos USB.</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Espacio insuficiente. Use una unidad USB o un CD/DVD de mayor capacidad.</translation>
    </message>
    <message>
        <source>Unknown file system %1: use FAT32, NTFS, exFAT or FAT.</source>
        <translation>Sistema de archivos desconocido %1: use FAT32, NTFS, exFAT o FAT.</translation>
    </message>
    <message>
        <source>All data on %1 will be deleted. Continue?</source>
        <translation>Se borrarán todos los datos de %1. ¿Continuar?</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>No se escribió nada.</translation>
    </message>
    <message>
        <source>Usage: quillon copy-disc DRIVE --output IMAGE</source>
        <translation>Uso: quillon copy-disc DRIVE --output IMAGE</translation>
    </message>
    <message>
        <source>Copied the disc to %1.</source>
        <translation>Se copió el disco en %1.</translation>
    </message>
    <message>
        <source>The disc could not be read.</source>
        <translation>No se pudo leer el disco.</translation>
    </message>
    <message>
        <source>The recorder&apos;s bus scan did not end within %1 seconds.</source>
        <translation>La búsqueda de grabadoras en el bus no terminó en %1 segundos.</translation>
    </message>
    <message>
        <source>No USB disk found — plug one in.</source>
        <translation>No se encontró ningún disco USB: conecte uno.</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found.</source>
        <translation>No se encontró ninguna grabadora de CD/DVD.</translation>
    </message>
    <message>
        <source>Unknown page %1: use burn, extract, create, edit or copy-disc.</source>
        <translation>Página desconocida %1: use burn, extract, create, edit o copy-disc.</translation>
    </message>
    <message>
        <source>quillon --help shows the usage.</source>
        <translation>quillon --help muestra el uso.</translation>
    </message>
    <message>
        <source>The new image will not keep: %1</source>
        <translation>La nueva imagen no conservará: %1</translation>
    </message>
    <message>
        <source>Usage: quillon burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT] [--label LABEL] [--yes]
       quillon burn IMAGE --disc RECORDER</source>
        <translation>Uso: quillon burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT] [--label LABEL] [--yes]
     quillon burn IMAGE --disc RECORDER</translation>
    </message>
    <message>
        <source>Unknown partition style %1: use mbr, gpt or image.</source>
        <translation>Estilo de partición desconocido %1: use mbr, gpt o image.</translation>
    </message>
    <message>
        <source>Usage: quillon [IMAGE]
       quillon --page burn|extract|create|edit|copy-disc [IMAGE]
       quillon SUBCOMMAND ...

Without a subcommand the window starts, with IMAGE open on the Extract page (or on the page
--page names). The subcommands run the same jobs without a display:

  extract IMAGE TARGET [ITEM...]      extract the items (everything when none) into TARGET
  create --output IMAGE [--label LABEL] [--type joliet|iso9660|udf] SOURCE...
                                      build an image from files and folders
  edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]...
       [--rename /PATH=NEWNAME]...    save a changed copy that boots as the original
  burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT]
       [--label LABEL] [--yes]        make a bootable USB stick (image: write a hybrid
                                      image as it is; file system and label ignored)
  burn IMAGE --disc RECORDER          write the image to a CD/DVD
  copy-disc DRIVE --output IMAGE      read a CD/DVD into an image
  list-drives                         the USB disks and recorders one can burn to
  checksum IMAGE [--sha256|--sha1|--md5]
                                      the image&apos;s checksum (SHA-256 unless named), compared
                                      with SHA256SUMS or IMAGE.sha256 (and the like) beside it

Options:
  --force               replace an existing output file (extract: existing files)
  --yes                 write to the USB disk without asking
  --allow-loop-device   accept a loop device as a USB disk (tests; root only)
  -h, --help            show this help
  -v, --version         show the version

Progress goes to standard error, results to standard output (checksum: the sum as sha256sum
prints it, the comparison on standard error). The exit status is 0 only when the job&apos;s own
check passed (checksum: 1 when the sum differs from the one beside the image); Ctrl+C stops
the job and removes partial output.</source>
        <translation>Uso: quillon [IMAGE]
     quillon --page burn|extract|create|edit|copy-disc [IMAGE]
     quillon SUBCOMMAND ...

Sin subcomando se abre la ventana, con IMAGE abierta en la página Extraer (o en la página
que indique --page). Los subcomandos ejecutan las mismas tareas sin pantalla:

  extract IMAGE TARGET [ITEM...]      extrae los elementos (todos, si no se indica ninguno) en TARGET
  create --output IMAGE [--label LABEL] [--type joliet|iso9660|udf] SOURCE...
                                      crea una imagen a partir de archivos y carpetas
  edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]...
       [--rename /PATH=NEWNAME]...    guarda una copia modificada que arranca como la original
  burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT]
       [--label LABEL] [--yes]        crea un USB de arranque (image: escribe una imagen híbrida
                                      tal cual; se ignoran el sistema de archivos y la etiqueta)
  burn IMAGE --disc RECORDER          escribe la imagen en un CD/DVD
  copy-disc DRIVE --output IMAGE      lee un CD/DVD en una imagen
  list-drives                         muestra los discos USB y grabadoras en los que se puede grabar
  checksum IMAGE [--sha256|--sha1|--md5]
                                      la suma de comprobación de la imagen (SHA-256 si no se indica otra), comparada
                                      con SHA256SUMS o IMAGE.sha256 (y similares) junto a ella

Opciones:
  --force               reemplaza un archivo de salida existente (extract: los archivos existentes)
  --yes                 escribe en el disco USB sin preguntar
  --allow-loop-device   acepta un dispositivo loop como disco USB (pruebas; solo root)
  -h, --help            muestra esta ayuda
  -v, --version         muestra la versión

El progreso va a la salida de error estándar y los resultados a la salida estándar (checksum: la suma tal como la
muestra sha256sum, la comparación en la salida de error). El estado de salida es 0 solo si se superó la comprobación
propia de la tarea (checksum: 1 si la suma difiere de la que hay junto a la imagen); Ctrl+C detiene la tarea y
elimina la salida parcial.</translation>
    </message>
    <message>
        <source>Usage: quillon checksum IMAGE [--sha256|--sha1|--md5]</source>
        <translation>Uso: quillon checksum IMAGE [--sha256|--sha1|--md5]</translation>
    </message>
</context>
<context>
    <name>CreateImageJob</name>
    <message>
        <source>Copy files and folders...</source>
        <translation>Copiando archivos y carpetas...</translation>
    </message>
    <message>
        <source>These files could not be copied into the working folder, so no image was created (unreadable files, or a full disk?):
%1</source>
        <translation>Estos archivos no se pudieron copiar en la carpeta de trabajo, por lo que no se creó ninguna imagen (¿archivos ilegibles o disco lleno?):
%1</translation>
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
    <name>EditSession</name>
    <message>
        <source>Copy files and directories...</source>
        <translation>Copiando archivos y carpetas...</translation>
    </message>
    <message>
        <source>7-Zip ended with exit status %1.</source>
        <translation>7-Zip terminó con el estado de salida %1.</translation>
    </message>
    <message>
        <source>The image %1 could not be opened: %2</source>
        <translation>No se pudo abrir la imagen %1: %2</translation>
    </message>
    <message>
        <source>The extraction did not complete.</source>
        <translation>La extracción no se completó.</translation>
    </message>
    <message>
        <source>Please enter a name.</source>
        <translation>Escriba un nombre.</translation>
    </message>
    <message>
        <source>A name cannot contain / or \.</source>
        <translation>Un nombre no puede contener / ni \.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists in this folder.</source>
        <translation>«%1» ya existe en esta carpeta.</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>Extrayendo la ISO...</translation>
    </message>
    <message>
        <source>The image was not extracted completely: %1</source>
        <translation>La imagen no se extrajo por completo: %1</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 es una carpeta. Elija un nombre de archivo para la imagen.</translation>
    </message>
    <message>
        <source>Please save the image under another name, outside the program&apos;s working folder.</source>
        <translation>Guarde la imagen con otro nombre, fuera de la carpeta de trabajo del programa.</translation>
    </message>
    <message>
        <source>Saving ISO file...</source>
        <translation>Guardando el archivo ISO...</translation>
    </message>
    <message>
        <source>These items are missing from the working folder, so the image would lack them:
%1</source>
        <translation>Faltan estos elementos en la carpeta de trabajo, por lo que no estarían en la imagen:
%1</translation>
    </message>
    <message>
        <source>These items could not be copied:
%1</source>
        <translation>No se pudieron copiar estos elementos:
%1</translation>
    </message>
    <message>
        <source>The compressed (zisofs) files could not be unpacked: %1</source>
        <translation>No se pudieron descomprimir los archivos comprimidos (zisofs): %1</translation>
    </message>
    <message>
        <source>These links could not be made: %1</source>
        <translation>No se pudieron crear estos enlaces: %1</translation>
    </message>
    <message>
        <source>the original&apos;s boot setup for disks (its MBR or GPT system area)</source>
        <translation>la configuración de arranque de la original para discos (su área de sistema MBR o GPT)</translation>
    </message>
    <message>
        <source>symbolic links and compressed files, if it has any (xorriso is not installed)</source>
        <translation>los enlaces simbólicos y los archivos comprimidos, si los tiene (xorriso no está instalado)</translation>
    </message>
    <message>
        <source>genisoimage: the image has no system area, so UDF and Joliet are written as before.</source>
        <translation>genisoimage: la imagen no tiene área de sistema, así que UDF y Joliet se escriben como antes.</translation>
    </message>
    <message>
        <source>genisoimage: the image has a UDF tree, which only genisoimage writes.</source>
        <translation>genisoimage: la imagen tiene un árbol UDF, que solo escribe genisoimage.</translation>
    </message>
    <message>
        <source>genisoimage: files of 4 GiB or more need its UDF tree.</source>
        <translation>genisoimage: los archivos de 4 GiB o más necesitan su árbol UDF.</translation>
    </message>
    <message>
        <source>genisoimage: xorriso, which keeps the system area, is not installed.</source>
        <translation>genisoimage: xorriso, que conserva el área de sistema, no está instalado.</translation>
    </message>
    <message>
        <source>genisoimage: the names 7-Zip reads differ from the image&apos;s Rock Ridge names.</source>
        <translation>genisoimage: los nombres que lee 7-Zip difieren de los nombres Rock Ridge de la imagen.</translation>
    </message>
    <message>
        <source>xorriso: it replays the image&apos;s boot setup and system area, so the copy boots from a disk as the original does.</source>
        <translation>xorriso: reproduce la configuración de arranque y el área de sistema de la imagen, de modo que la copia arranca desde un disco igual que la original.</translation>
    </message>
    <message>
        <source>The saved image cannot be read.</source>
        <translation>No se puede leer la imagen guardada.</translation>
    </message>
    <message>
        <source>The saved image&apos;s system area (%1) differs from the original&apos;s (%2).</source>
        <translation>El área de sistema de la imagen guardada (%1) difiere de la de la original (%2).</translation>
    </message>
    <message>
        <source>These items were not exported: the folder holds a folder where a file would go, a file where a folder would go, or the image being edited:
%1</source>
        <translation>Estos elementos no se exportaron: la carpeta contiene una carpeta donde iría un archivo, un archivo donde iría una carpeta o la imagen que se está editando:
%1</translation>
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
    <message>
        <source>Copying files! Please wait a few seconds..</source>
        <translation>Copiando archivos. Espere unos segundos...</translation>
    </message>
    <message>
        <source>Extracting files: </source>
        <translation>Extrayendo archivos: </translation>
    </message>
    <message>
        <source>Extracting files...</source>
        <translation>Extrayendo archivos...</translation>
    </message>
    <message>
        <source>Cannot write the list of items to extract: %1</source>
        <translation>No se puede escribir la lista de elementos que extraer: %1</translation>
    </message>
    <message>
        <source>This image holds symbolic links or compressed (zisofs) files, which only xorriso restores, and xorriso is not installed (package xorriso); links may have arrived as empty files.</source>
        <translation>Esta imagen contiene enlaces simbólicos o archivos comprimidos (zisofs), que solo xorriso restaura, y xorriso no está instalado (paquete xorriso); puede que los enlaces hayan llegado como archivos vacíos.</translation>
    </message>
    <message>
        <source>Restoring links and compressed files...</source>
        <translation>Restaurando enlaces y archivos comprimidos...</translation>
    </message>
    <message>
        <source>xorriso could not read the image&apos;s Rock Ridge tree, so its links and compressed (zisofs) files could not be restored: %1</source>
        <translation>xorriso no pudo leer el árbol Rock Ridge de la imagen, así que no se pudieron restaurar sus enlaces ni sus archivos comprimidos (zisofs): %1</translation>
    </message>
    <message>
        <source>These symbolic links could not be made: %1</source>
        <translation>No se pudieron crear estos enlaces simbólicos: %1</translation>
    </message>
    <message>
        <source>These links would point into Quillon&apos;s working folder and were left out: %1</source>
        <translation>Estos enlaces apuntarían a la carpeta de trabajo de Quillon y se omitieron: %1</translation>
    </message>
    <message>
        <source>These compressed (zisofs) files could not be unpacked: %1</source>
        <translation>No se pudieron descomprimir estos archivos comprimidos (zisofs): %1</translation>
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
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
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
    <name>IsoBuildJob</name>
    <message>
        <source>Creating ISO file...</source>
        <translation>Creando archivo ISO...</translation>
    </message>
    <message>
        <source>The ISO file could not be created.</source>
        <translation>No se pudo crear el archivo ISO.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>No se puede escribir en la carpeta %1: %2</translation>
    </message>
    <message>
        <source>The ISO file could not be saved as %1.</source>
        <translation>No se pudo guardar el archivo ISO como %1.</translation>
    </message>
    <message>
        <source>The image builder stopped unexpectedly.</source>
        <translation>El generador de imágenes se detuvo inesperadamente.</translation>
    </message>
    <message>
        <source>The image file is incomplete: %1 bytes written, %2 bytes expected.</source>
        <translation>El archivo de imagen está incompleto: %1 bytes escritos, %2 bytes esperados.</translation>
    </message>
</context>
<context>
    <name>JobProgress</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>quedan %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
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
    <name>ListingJob</name>
    <message>
        <source>The file %1 is not an ISO or UDF image.</source>
        <translation>El archivo %1 no es una imagen ISO ni UDF.</translation>
    </message>
    <message>
        <source>The file %1 is not an ISO or UDF image: 7-Zip reads it as a %2 archive.</source>
        <translation>El archivo %1 no es una imagen ISO ni UDF: 7-Zip lo lee como un archivo %2.</translation>
    </message>
    <message>
        <source>The image %1 could not be read. It may not be an ISO image, or it may be damaged.</source>
        <translation>No se pudo leer la imagen %1. Puede que no sea una imagen ISO o que esté dañada.</translation>
    </message>
    <message>
        <source>The image %1 could not be read: 7-Zip could not be started (%2): %3</source>
        <translation>No se pudo leer la imagen %1: no se pudo iniciar 7-Zip (%2): %3</translation>
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
    <message>
        <source>The image %1 does not exist.</source>
        <translation>La imagen %1 no existe.</translation>
    </message>
    <message>
        <source>%1 is not an image file.</source>
        <translation>%1 no es un archivo de imagen.</translation>
    </message>
    <message>
        <source>A job is still running. Stop it and close the program?</source>
        <translation>Todavía hay una tarea en curso. ¿Detenerla y cerrar el programa?</translation>
    </message>
    <message>
        <source>Recent Images(&amp;R)</source>
        <translation>Imágenes &amp;recientes</translation>
    </message>
    <message>
        <source>No recent images</source>
        <translation>No hay imágenes recientes</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Borrar lista</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>No web browser could be opened. The address is:
%1</source>
        <translation>No se pudo abrir ningún navegador web. La dirección es:
%1</translation>
    </message>
</context>
<context>
    <name>Mkfs</name>
    <message numerus="yes">
        <source>a %1 label holds at most %n characters</source>
        <translation>
            <numerusform>una etiqueta %1 admite como máximo %n caracteres</numerusform>
            <numerusform>una etiqueta %1 admite como máximo %n caracteres</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 does not allow these characters in a label: %2</source>
        <translation>%1 no admite estos caracteres en una etiqueta: %2</translation>
    </message>
</context>
<context>
    <name>PageWindow</name>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 ya existe. ¿Desea reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 is not a disk or partition.</source>
        <translation>%1 no es un disco ni una partición.</translation>
    </message>
    <message>
        <source>The system does not know %1.</source>
        <translation>El sistema no reconoce %1.</translation>
    </message>
    <message>
        <source>The disk of %1 (%2) has no device node.</source>
        <translation>El disco de %1 (%2) no tiene nodo de dispositivo.</translation>
    </message>
    <message>
        <source>%1 is not a drive.</source>
        <translation>%1 no es una unidad.</translation>
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
    <name>RockRidge</name>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1 is no longer a link</source>
        <translation>%1 ya no es un enlace</translation>
    </message>
    <message>
        <source>%1 points to %2 instead of %3</source>
        <translation>%1 apunta a %2 en lugar de a %3</translation>
    </message>
    <message>
        <source>%1 is of another kind</source>
        <translation>%1 es de otro tipo</translation>
    </message>
    <message>
        <source>%1 has %2 bytes instead of %3</source>
        <translation>%1 tiene %2 bytes en lugar de %3</translation>
    </message>
    <message>
        <source>The saved image does not hold what the edit shows:
%1</source>
        <translation>La imagen guardada no contiene lo que muestra la edición:
%1</translation>
    </message>
</context>
<context>
    <name>ScanbusJob</name>
    <message>
        <source>The disc recorder did not finish looking for drives within %1 seconds; no disc drive is listed.</source>
        <translation>El programa de grabación no terminó de buscar unidades en %1 segundos; no se muestra ninguna unidad de disco.</translation>
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
    <message>
        <source>Install the package %1.</source>
        <translation>Instale el paquete %1.</translation>
    </message>
</context>
<context>
    <name>UsbBurnJob</name>
    <message>
        <source>USB burn</source>
        <translation>Grabación USB</translation>
    </message>
    <message>
        <source>%1 is missing (install the package %2).</source>
        <translation>Falta %1 (instale el paquete %2).</translation>
    </message>
    <message>
        <source>The image %1 does not exist.</source>
        <translation>La imagen %1 no existe.</translation>
    </message>
    <message>
        <source>Unknown file system &quot;%1&quot;.</source>
        <translation>Sistema de archivos desconocido «%1».</translation>
    </message>
    <message>
        <source>%1 is not a USB disk this page lists; it was left alone.</source>
        <translation>%1 no es una unidad USB de la lista de esta página; no se ha tocado.</translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1.</source>
        <translation>No se puede crear una carpeta de trabajo en %1.</translation>
    </message>
    <message>
        <source>The image could not be read. %1</source>
        <translation>No se pudo leer la imagen. %1</translation>
    </message>
    <message>
        <source>the image has no EFI/BOOT/BOOTX64.EFI</source>
        <translation>la imagen no contiene EFI/BOOT/BOOTX64.EFI</translation>
    </message>
    <message>
        <source>UEFI firmware reads FAT file systems only</source>
        <translation>el firmware UEFI solo lee sistemas de archivos FAT</translation>
    </message>
    <message>
        <source>The image needs %1 on the USB disk, which holds %2; nothing was written.</source>
        <translation>La imagen necesita %1 en la unidad USB, que tiene %2; no se escribió nada.</translation>
    </message>
    <message>
        <source>Checking the request</source>
        <translation>Comprobando la solicitud</translation>
    </message>
    <message>
        <source>Reading the image</source>
        <translation>Leyendo la imagen</translation>
    </message>
    <message>
        <source>Reading the image...</source>
        <translation>Leyendo la imagen...</translation>
    </message>
    <message>
        <source>Preparing the burn</source>
        <translation>Preparando la grabación</translation>
    </message>
    <message>
        <source>Copying the files</source>
        <translation>Copiando los archivos</translation>
    </message>
    <message>
        <source>7-Zip ended with exit status %1.</source>
        <translation>7-Zip terminó con el estado de salida %1.</translation>
    </message>
    <message>
        <source>Taking out the install image</source>
        <translation>Extrayendo la imagen de instalación</translation>
    </message>
    <message>
        <source>There is no room for the install image (%1) in %2: %3 free.</source>
        <translation>No hay espacio para la imagen de instalación (%1) en %2: %3 libres.</translation>
    </message>
    <message>
        <source>Splitting the install image</source>
        <translation>Dividiendo la imagen de instalación</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the image are missing or incomplete on the USB disk: %1</source>
        <translation>
            <numerusform>Falta %n archivo de la imagen en la unidad USB o está incompleto: %1</numerusform>
            <numerusform>Faltan %n archivos de la imagen en la unidad USB o están incompletos: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The USB disk starts on UEFI only: %1.</source>
        <translation>La unidad USB solo arranca con UEFI: %1.</translation>
    </message>
    <message>
        <source>Neither BIOS nor UEFI can start from the USB disk: %1; %2.</source>
        <translation>Ni la BIOS ni UEFI pueden arrancar desde la unidad USB: %1; %2.</translation>
    </message>
    <message>
        <source>UEFI cannot start from the USB disk: %1.</source>
        <translation>UEFI no puede arrancar desde la unidad USB: %1.</translation>
    </message>
    <message>
        <source>Burning failed. %1</source>
        <translation>Error al grabar. %1</translation>
    </message>
    <message>
        <source>Burning was stopped.</source>
        <translation>Se detuvo la grabación.</translation>
    </message>
    <message>
        <source>The USB disk is incomplete and still mounted at %1.</source>
        <translation>La unidad USB está incompleta y sigue montada en %1.</translation>
    </message>
    <message>
        <source>The USB disk is incomplete.</source>
        <translation>La unidad USB está incompleta.</translation>
    </message>
    <message>
        <source>The USB disk was not changed.</source>
        <translation>La unidad USB no se modificó.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>No se escribió nada.</translation>
    </message>
    <message>
        <source>FAT on this system goes through fusefat, which cannot write the name &quot;%1&quot;; choose NTFS or exFAT. Nothing was written.</source>
        <translation>En este sistema, FAT funciona mediante fusefat, que no puede escribir el nombre «%1»; elija NTFS o exFAT. No se escribió nada.</translation>
    </message>
    <message>
        <source>the image has no loader a BIOS can start from a USB disk</source>
        <translation>la imagen no tiene ningún cargador que una BIOS pueda iniciar desde una unidad USB</translation>
    </message>
    <message>
        <source>Unmounting the USB disk</source>
        <translation>Desmontando la unidad USB</translation>
    </message>
    <message>
        <source>Unmounting the USB disk...</source>
        <translation>Desmontando la unidad USB...</translation>
    </message>
    <message>
        <source>Formatting the USB disk</source>
        <translation>Formateando la unidad USB</translation>
    </message>
    <message>
        <source>Mounting the USB disk</source>
        <translation>Montando la unidad USB</translation>
    </message>
    <message>
        <source>Mounting the USB disk...</source>
        <translation>Montando la unidad USB...</translation>
    </message>
    <message>
        <source>Preparing the boot code</source>
        <translation>Preparando el código de arranque</translation>
    </message>
    <message>
        <source>Building the boot code</source>
        <translation>Generando el código de arranque</translation>
    </message>
    <message>
        <source>Installing the boot code</source>
        <translation>Instalando el código de arranque</translation>
    </message>
    <message>
        <source>grub-bios-setup is missing (install the package grub-pc-bin).</source>
        <translation>Falta grub-bios-setup (instale el paquete grub-pc-bin).</translation>
    </message>
    <message>
        <source>Cannot write the boot code&apos;s files to the USB disk.</source>
        <translation>No se pueden escribir los archivos del código de arranque en la unidad USB.</translation>
    </message>
    <message>
        <source>Writing the last data to the USB disk...</source>
        <translation>Escribiendo los últimos datos en la unidad USB...</translation>
    </message>
    <message>
        <source>Checking the file system</source>
        <translation>Comprobando el sistema de archivos</translation>
    </message>
    <message>
        <source>Checking the USB disk...</source>
        <translation>Comprobando la unidad USB...</translation>
    </message>
    <message>
        <source>The file system on the USB disk is not clean: %1</source>
        <translation>El sistema de archivos de la unidad USB tiene errores: %1</translation>
    </message>
    <message>
        <source>Checking the label</source>
        <translation>Comprobando la etiqueta</translation>
    </message>
    <message>
        <source>The volume label cannot contain %1.</source>
        <translation>La etiqueta de volumen no puede contener %1.</translation>
    </message>
    <message>
        <source>Burning the USB disk...</source>
        <translation>Grabando la unidad USB...</translation>
    </message>
    <message>
        <source>Extract the wim file ...</source>
        <translation>Extrayendo el archivo WIM...</translation>
    </message>
    <message>
        <source>Process the wim file larger than 4 GB...</source>
        <translation>Procesando el archivo WIM de más de 4 GB...</translation>
    </message>
    <message>
        <source>Burning Successfully...</source>
        <translation>Grabación correcta...</translation>
    </message>
    <message>
        <source>The USB disk is under formating...</source>
        <translation>Formateando la unidad USB...</translation>
    </message>
    <message>
        <source>The USB disk is installing bootsect...</source>
        <translation>Instalando el sector de arranque en la unidad USB...</translation>
    </message>
    <message>
        <source>%1 is a partition; choose the whole USB disk.</source>
        <translation>%1 es una partición; elija la unidad USB completa.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>No se puede leer la imagen %1.</translation>
    </message>
    <message>
        <source>The image has no partition table of its own, so written as it is it would not start; choose MBR or GPT instead. Nothing was written.</source>
        <translation>La imagen no tiene tabla de particiones propia, por lo que escrita tal cual no arrancaría; elija MBR o GPT. No se escribió nada.</translation>
    </message>
    <message>
        <source>The volume label &quot;%1&quot; cannot be used: %2. Nothing was written.</source>
        <translation>No se puede usar la etiqueta de volumen «%1»: %2. No se escribió nada.</translation>
    </message>
    <message>
        <source>%1 cannot hold these names of the image apart, or refuses them: %2. Nothing was written.</source>
        <translation>%1 no puede distinguir estos nombres de la imagen, o los rechaza: %2. No se escribió nada.</translation>
    </message>
    <message>
        <source>The USB disk can be removed.</source>
        <translation>Ya puede retirar la unidad USB.</translation>
    </message>
    <message>
        <source>Erasing the USB disk</source>
        <translation>Borrando la unidad USB</translation>
    </message>
    <message>
        <source>Writing the partition table</source>
        <translation>Escribiendo la tabla de particiones</translation>
    </message>
    <message>
        <source>The new partition did not appear.</source>
        <translation>No apareció la nueva partición.</translation>
    </message>
    <message>
        <source>neither the image nor its El Torito EFI image has EFI/BOOT/BOOTX64.EFI</source>
        <translation>ni la imagen ni su imagen EFI El Torito contienen EFI/BOOT/BOOTX64.EFI</translation>
    </message>
    <message>
        <source>Cannot copy %1 of the El Torito EFI image to the USB disk.</source>
        <translation>No se puede copiar %1 de la imagen EFI El Torito en la unidad USB.</translation>
    </message>
    <message>
        <source>Reading the UEFI loader</source>
        <translation>Leyendo el cargador UEFI</translation>
    </message>
    <message>
        <source>Copying the UEFI loader</source>
        <translation>Copiando el cargador UEFI</translation>
    </message>
    <message>
        <source>Cannot write the boot menu to the USB disk.</source>
        <translation>No se puede escribir el menú de arranque en la unidad USB.</translation>
    </message>
    <message>
        <source>Reading the image back</source>
        <translation>Releyendo la imagen</translation>
    </message>
    <message>
        <source>Reading the USB disk back</source>
        <translation>Releyendo la unidad USB</translation>
    </message>
    <message>
        <source>The files on the USB disk differ from the image&apos;s.</source>
        <translation>Los archivos de la unidad USB difieren de los de la imagen.</translation>
    </message>
    <message>
        <source>Flushing the USB disk</source>
        <translation>Vaciando los búferes de la unidad USB</translation>
    </message>
    <message>
        <source>Writing the image...</source>
        <translation>Escribiendo la imagen...</translation>
    </message>
    <message>
        <source>Writing the image</source>
        <translation>Escribiendo la imagen</translation>
    </message>
    <message>
        <source>Writing the image as it is is not available on this system; choose MBR or GPT.</source>
        <translation>Escribir la imagen tal cual no está disponible en este sistema; elija MBR o GPT.</translation>
    </message>
</context>
<context>
    <name>UsbHelperClient</name>
    <message>
        <source>The USB helper could not be started: %1</source>
        <translation>No se pudo iniciar el asistente USB: %1</translation>
    </message>
    <message>
        <source>Authorisation was refused.</source>
        <translation>Se denegó la autorización.</translation>
    </message>
    <message>
        <source>The USB helper ended unexpectedly (exit status %1). %2</source>
        <translation>El asistente USB terminó inesperadamente (estado de salida %1). %2</translation>
    </message>
</context>
<context>
    <name>UsbHelperStartStep</name>
    <message>
        <source>Starting the USB helper</source>
        <translation>Iniciando el asistente USB</translation>
    </message>
    <message>
        <source>Waiting for authorisation...</source>
        <translation>Esperando autorización...</translation>
    </message>
    <message>
        <source>The USB helper answered %1.</source>
        <translation>El asistente USB respondió %1.</translation>
    </message>
</context>
<context>
    <name>UsbHelperStep</name>
    <message>
        <source>The USB helper is not running.</source>
        <translation>El asistente USB no se está ejecutando.</translation>
    </message>
</context>
</TS>
