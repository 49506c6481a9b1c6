<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>BootRebuild</name>
    <message>
        <source>boot entry %1</source>
        <translation>voce di avvio %1</translation>
    </message>
    <message>
        <source>The %1 is for a platform (%2) the image builder cannot write.</source>
        <translation>La %1 è per una piattaforma (%2) che il generatore di immagini non può scrivere.</translation>
    </message>
    <message>
        <source>The %1 could not be written to %2.</source>
        <translation>Impossibile scrivere la %1 in %2.</translation>
    </message>
    <message>
        <source>The saved image cannot be read.</source>
        <translation>Impossibile leggere l’immagine salvata.</translation>
    </message>
    <message>
        <source>The saved image&apos;s label is &quot;%1&quot;, not &quot;%2&quot;.</source>
        <translation>L’etichetta dell’immagine salvata è «%1», non «%2».</translation>
    </message>
    <message>
        <source>The saved image has %1 boot entries, the original %2.</source>
        <translation>L’immagine salvata ha %1 voci di avvio, l’originale %2.</translation>
    </message>
    <message>
        <source>The saved image&apos;s %1 differs from the original&apos;s in its platform, emulation or load size.</source>
        <translation>Nell’immagine salvata la %1 differisce dall’originale per piattaforma, emulazione o dimensione di caricamento.</translation>
    </message>
    <message>
        <source>The saved image&apos;s %1 does not hold the original&apos;s boot image.</source>
        <translation>Nell’immagine salvata la %1 non contiene l’immagine di avvio dell’originale.</translation>
    </message>
</context>
<context>
    <name>CAboutusDialog</name>
    <message>
        <source>About Quillon</source>
        <translation>Informazioni su Quillon</translation>
    </message>
    <message>
        <source>Quillon is free software: you may copy and share it under its licence. It comes with no warranty, so check every disk you write.</source>
        <translation>Quillon è software libero: puoi copiarlo e condividerlo secondo la sua licenza. Non è coperto da alcuna garanzia, quindi verifica ogni disco che scrivi.</translation>
    </message>
    <message>
        <source>Copyright (C) the Quillon developers.</source>
        <translation>Copyright (C) gli sviluppatori di Quillon.</translation>
    </message>
    <message>
        <source>Please visit offical site: </source>
        <translation>Visita il sito ufficiale: </translation>
    </message>
</context>
<context>
    <name>CBurnDialog</name>
    <message>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Masterizza</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>ISO Image:</source>
        <translation>Immagine ISO:</translation>
    </message>
    <message>
        <source>Create A Bootable DVD/CD</source>
        <translation>Crea un DVD/CD avviabile</translation>
    </message>
    <message>
        <source>Select a target disc then click BURN button</source>
        <translation>Scegli il disco di destinazione, poi fai clic su Masterizza</translation>
    </message>
    <message>
        <source>Create A Bootable USB</source>
        <translation>Crea una chiavetta USB avviabile</translation>
    </message>
    <message>
        <source>Select a target USB then click BURN button</source>
        <translation>Scegli la chiavetta USB, poi fai clic su Masterizza</translation>
    </message>
    <message>
        <source>Partition Style</source>
        <translation>Tipo di partizione</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>File system</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>Etichetta volume</translation>
    </message>
    <message>
        <source>Burn Failed! Do as following:
1.Try to burn again.
2.Change another USB drive or DVD.</source>
        <translation>Masterizzazione non riuscita! Procedi così:
1. Riprova a masterizzare.
2. Usa un’altra chiavetta USB o un altro DVD.</translation>
    </message>
    <message>
        <source>Please insert your USB drive to computer</source>
        <translation>Collega la chiavetta USB al computer</translation>
    </message>
    <message>
        <source>Your USB drive will be formatted and all data in it will be deleted! Do you want to continue?</source>
        <translation>La chiavetta USB verrà formattata e tutti i dati verranno eliminati! Vuoi continuare?</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Spazio insufficiente. Usa una chiavetta USB o un CD/DVD di capacità maggiore.</translation>
    </message>
    <message>
        <source>Burning the disc...</source>
        <translation>Masterizzazione del disco...</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>Disco masterizzato correttamente.</translation>
    </message>
    <message>
        <source>The disc could not be burned.</source>
        <translation>Impossibile masterizzare il disco.</translation>
    </message>
    <message>
        <source>No USB disk found — plug one in</source>
        <translation>Nessuna chiavetta USB trovata — collegane una</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found</source>
        <translation>Nessun masterizzatore CD/DVD trovato</translation>
    </message>
    <message>
        <source>Image (write the ISO as it is)</source>
        <translation>Immagine (scrivi l’ISO così com’è)</translation>
    </message>
    <message>
        <source>Connect a CD/DVD recorder with a blank disc in it, or choose a USB disk instead.</source>
        <translation>Collega un masterizzatore CD/DVD con un disco vuoto, oppure scegli una chiavetta USB.</translation>
    </message>
    <message>
        <source>The burn was stopped. The disc may be unusable.</source>
        <translation>La masterizzazione è stata interrotta. Il disco potrebbe essere inutilizzabile.</translation>
    </message>
    <message>
        <source>Checksum...</source>
        <translation>Checksum...</translation>
    </message>
</context>
<context>
    <name>CPage2</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>ISO Extract</source>
        <translation>Estrai ISO</translation>
    </message>
    <message>
        <source>Directly extract everything from ISO image file and export to your computer.</source>
        <translation>Estrai direttamente tutto il contenuto di un file immagine ISO e salvalo sul computer.</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Carica ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Estrai</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Dimensione</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Extract(&amp;E)</source>
        <translation>&amp;Estrai</translation>
    </message>
    <message>
        <source>The image %1 seems to be damaged or incomplete; some items may not extract.</source>
        <translation>L’immagine %1 sembra danneggiata o incompleta; alcuni elementi potrebbero non essere estratti.</translation>
    </message>
    <message>
        <source>Please select the files or folders you want to extract</source>
        <translation>Seleziona i file o le cartelle da estrarre</translation>
    </message>
    <message>
        <source>The files could not be extracted.</source>
        <translation>Impossibile estrarre i file.</translation>
    </message>
    <message>
        <source>Extract files successfully.</source>
        <translation>File estratti correttamente.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) in %1 would be replaced by the extracted ones:</source>
        <translation>
            <numerusform>%n file in %1 verrebbe sostituito da quello estratto:</numerusform>
            <numerusform>%n file in %1 verrebbero sostituiti da quelli estratti:</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Mantieni i miei</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Please load an ISO image first, then select the files or folders you want to extract</source>
        <translation>Carica prima un’immagine ISO, poi seleziona i file o le cartelle da estrarre</translation>
    </message>
    <message>
        <source>More than one selected item is called %1. Please extract them one at a time.</source>
        <translation>Più elementi selezionati si chiamano %1. Estraili uno alla volta.</translation>
    </message>
    <message>
        <source>Your own files were kept in: %1</source>
        <translation>I tuoi file sono stati conservati in: %1</translation>
    </message>
    <message>
        <source>%1 of %2 items were extracted.</source>
        <translation>Estratti %1 elementi su %2.</translation>
    </message>
</context>
<context>
    <name>CPage3</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>File &amp; Folder Backup</source>
        <translation>Backup di file &amp; cartelle</translation>
    </message>
    <message>
        <source>Backup Type:</source>
        <translation>Tipo di backup:</translation>
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
        <translation>Dimensione max: 5 GB</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Aggiungi file...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Aggiungi cartella...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Create ISO</source>
        <translation>Crea ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Dimensione</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Add Files(&amp;F)</source>
        <translation>Aggiungi &amp;file</translation>
    </message>
    <message>
        <source>Add Dirs(&amp;D)</source>
        <translation>Aggiungi &amp;cartelle</translation>
    </message>
    <message>
        <source>Remove(&amp;R)</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>The working folder for the image could not be created below %1.</source>
        <translation>Impossibile creare la cartella di lavoro dell’immagine in %1.</translation>
    </message>
    <message>
        <source>Total Size: </source>
        <translation>Dimensione totale: </translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Aggiungi prima dei file o delle cartelle!</translation>
    </message>
    <message>
        <source>Please select one type</source>
        <translation>Seleziona un tipo</translation>
    </message>
    <message>
        <source>These files are 4 GB or larger:
%1
ISO 9660 and Joliet cannot record such sizes. The image will also get a UDF file system that holds them; programs that read only ISO 9660 or Joliet will see wrong sizes. Choose &quot;UDF ISO&quot; to avoid this question. Create the image anyway?</source>
        <translation>Questi file sono di 4 GB o più:
%1
ISO 9660 e Joliet non possono registrare dimensioni simili. L’immagine avrà quindi anche un file system UDF che li contiene; i programmi che leggono solo ISO 9660 o Joliet vedranno dimensioni errate. Scegli «UDF ISO» per evitare questa domanda. Creare comunque l’immagine?</translation>
    </message>
    <message>
        <source>Please save the image outside the program&apos;s working folder.</source>
        <translation>Salva l’immagine fuori dalla cartella di lavoro del programma.</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 è una cartella. Scegli un nome di file per l’immagine.</translation>
    </message>
    <message>
        <source>Create ISO successfully!</source>
        <translation>ISO creata correttamente!</translation>
    </message>
    <message>
        <source>The files and folders in the list will be discarded. Go back anyway?</source>
        <translation>I file e le cartelle dell’elenco verranno scartati. Tornare indietro comunque?</translation>
    </message>
    <message>
        <source>These items were not added: an item of the same name is already there, a folder that cannot be read, a backslash in the name, a link back to a folder that holds it, or the program&apos;s own working folder:
%1</source>
        <translation>Questi elementi non sono stati aggiunti: esiste già un elemento con lo stesso nome, una cartella illeggibile, una barra rovesciata nel nome, un collegamento a una cartella che lo contiene o la cartella di lavoro del programma stesso:
%1</translation>
    </message>
</context>
<context>
    <name>CPage4</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Carica ISO</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Dimensione</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Add(&amp;A)</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>Export(&amp;E)</source>
        <translation>E&amp;sporta</translation>
    </message>
    <message>
        <source>Rename(&amp;R)</source>
        <translation>&amp;Rinomina</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>The working folder for the image could not be created below %1.</source>
        <translation>Impossibile creare la cartella di lavoro dell’immagine in %1.</translation>
    </message>
    <message>
        <source>These items were not added: this folder already holds an item of that name:
%1</source>
        <translation>Questi elementi non sono stati aggiunti perché la cartella contiene già un elemento con lo stesso nome:
%1</translation>
    </message>
    <message>
        <source>Please select one row in the table list first</source>
        <translation>Seleziona prima una riga dell’elenco</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nuova cartella</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>Estrazione dell’ISO...</translation>
    </message>
    <message>
        <source>Please select files or folders in the list first.</source>
        <translation>Seleziona prima file o cartelle nell’elenco.</translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Aggiungi prima dei file o delle cartelle!</translation>
    </message>
    <message>
        <source>Save ISO file successfully!</source>
        <translation>File ISO salvato correttamente!</translation>
    </message>
    <message>
        <source>Export Successfully !</source>
        <translation>Esportazione riuscita!</translation>
    </message>
    <message>
        <source>The ISO file could not be saved.</source>
        <translation>Impossibile salvare il file ISO.</translation>
    </message>
    <message>
        <source>The items could not be exported.</source>
        <translation>Impossibile esportare gli elementi.</translation>
    </message>
    <message>
        <source>These items were not added: a folder that cannot be read, a backslash in the name, a link back to a folder that holds it, or the program&apos;s own working folder:
%1</source>
        <translation>Questi elementi non sono stati aggiunti: una cartella illeggibile, una barra rovesciata nel nome, un collegamento a una cartella che lo contiene o la cartella di lavoro del programma stesso:
%1</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 esiste già. Vuoi sostituirlo?</translation>
    </message>
    <message>
        <source>The new image will not keep %1. Save anyway?</source>
        <translation>La nuova immagine non manterrà %1. Salvare comunque?</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>%1 already holds items of these names:
%2
Replace them with the exported ones?</source>
        <translation>%1 contiene già elementi con questi nomi:
%2
Sostituirli con quelli esportati?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Mantieni i miei</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The changes to %1 have not been saved.</source>
        <translation>Le modifiche a %1 non sono state salvate.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
</context>
<context>
    <name>CPage5</name>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Make Image From Disc</source>
        <translation>Crea immagine da disco</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Select a CD/DVD drive:</source>
        <translation>Scegli un’unità CD/DVD:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Formato di uscita:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source>Please select the iso file to save</source>
        <translation>Scegli dove salvare il file ISO</translation>
    </message>
    <message>
        <source>Please select the iso file to save.</source>
        <translation>Scegli dove salvare il file ISO.</translation>
    </message>
    <message>
        <source>The image cannot be saved there.</source>
        <translation>Impossibile salvare l’immagine in quella posizione.</translation>
    </message>
    <message>
        <source>Start reading...</source>
        <translation>Avvio della lettura...</translation>
    </message>
    <message>
        <source>Reading Disc...</source>
        <translation>Lettura del disco...</translation>
    </message>
    <message>
        <source>Copy CD/DVD successfully!</source>
        <translation>CD/DVD copiato correttamente!</translation>
    </message>
    <message>
        <source>The disc could not be copied.</source>
        <translation>Impossibile copiare il disco.</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found</source>
        <translation>Nessun masterizzatore CD/DVD trovato</translation>
    </message>
    <message>
        <source>Connect a CD/DVD drive with the disc to copy in it, then press Start again.</source>
        <translation>Collega un’unità CD/DVD con il disco da copiare, poi premi di nuovo Avvia.</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
</context>
<context>
    <name>ChecksumJob</name>
    <message>
        <source>The %1 checksum matches %2.</source>
        <translation>Il checksum %1 corrisponde a %2.</translation>
    </message>
    <message>
        <source>The %1 checksum does not match %2: the image is damaged or not the one published.</source>
        <translation>Il checksum %1 non corrisponde a %2: l'immagine è danneggiata o non è quella pubblicata.</translation>
    </message>
    <message>
        <source>No %1 checksum of this image lies beside it to compare with.</source>
        <translation>Accanto a questa immagine non c'è alcun checksum %1 con cui confrontarla.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>Impossibile leggere l'immagine %1.</translation>
    </message>
    <message>
        <source>Reading %1 failed: %2</source>
        <translation>Lettura di %1 non riuscita: %2</translation>
    </message>
    <message>
        <source>Computing the %1 checksum...</source>
        <translation>Calcolo del checksum %1...</translation>
    </message>
</context>
<context>
    <name>CommDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>No file manager could be opened. The folder is:
%1</source>
        <translation>Impossibile aprire un file manager. La cartella è:
%1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Stopped; nothing incomplete was left behind.</source>
        <translation>Interrotto; non è rimasto nulla di incompleto.</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 è una cartella. Scegli un nome di file per l’immagine.</translation>
    </message>
    <message>
        <source>%1 already exists. Add --force to replace it.</source>
        <translation>%1 esiste già. Aggiungere --force per sostituirlo.</translation>
    </message>
    <message>
        <source>The image %1 does not exist.</source>
        <translation>L’immagine %1 non esiste.</translation>
    </message>
    <message>
        <source>%1 is not an image file.</source>
        <translation>%1 non è un file immagine.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>Impossibile leggere l&apos;immagine %1.</translation>
    </message>
    <message>
        <source>Usage: quillon extract IMAGE TARGET [ITEM...]</source>
        <translation>Uso: quillon extract IMAGE TARGET [ITEM...]</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 non è una cartella.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Interrotto.</translation>
    </message>
    <message>
        <source>%1 is not in the image.</source>
        <translation>%1 non è presente nell&apos;immagine.</translation>
    </message>
    <message>
        <source>The image holds no files.</source>
        <translation>L&apos;immagine non contiene file.</translation>
    </message>
    <message>
        <source>These files already exist in %1. Add --force to replace them:
%2</source>
        <translation>Questi file esistono già in %1. Aggiungere --force per sostituirli:
%2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>Extracted %1 items to %2.</source>
        <translation>%1 elementi estratti in %2.</translation>
    </message>
    <message>
        <source>The items could not be extracted.</source>
        <translation>Impossibile estrarre gli elementi.</translation>
    </message>
    <message>
        <source>Usage: quillon create --output IMAGE [--label LABEL] SOURCE...</source>
        <translation>Uso: quillon create --output IMAGE [--label LABEL] SOURCE...</translation>
    </message>
    <message>
        <source>Unknown image type %1: use joliet, iso9660 or udf.</source>
        <translation>Tipo di immagine sconosciuto %1: usare joliet, iso9660 o udf.</translation>
    </message>
    <message>
        <source>The working folder could not be created below %1.</source>
        <translation>Impossibile creare la cartella di lavoro in %1.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 non esiste.</translation>
    </message>
    <message>
        <source>%1 cannot be added: another item has its name, it cannot be read, or it holds a backslash in a name.</source>
        <translation>Impossibile aggiungere %1: un altro elemento ha lo stesso nome, non è leggibile o un nome contiene una barra rovesciata.</translation>
    </message>
    <message>
        <source>Files of 4 GiB or more show their true size only in the image&apos;s UDF tree.</source>
        <translation>I file da 4 GiB o più mostrano la dimensione reale solo nell&apos;albero UDF dell&apos;immagine.</translation>
    </message>
    <message>
        <source>Created %1 (%2 bytes).</source>
        <translation>%1 creato (%2 byte).</translation>
    </message>
    <message>
        <source>The ISO file could not be created.</source>
        <translation>Impossibile creare il file ISO.</translation>
    </message>
    <message>
        <source>Usage: quillon edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]... [--rename /PATH=NEWNAME]...</source>
        <translation>Uso: quillon edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]... [--rename /PATH=NEWNAME]...</translation>
    </message>
    <message>
        <source>--add needs SOURCE=/PATH/IN/IMAGE, not %1.</source>
        <translation>--add richiede SOURCE=/PATH/IN/IMAGE, non %1.</translation>
    </message>
    <message>
        <source>--rename needs /PATH=NEWNAME, not %1.</source>
        <translation>--rename richiede /PATH=NEWNAME, non %1.</translation>
    </message>
    <message>
        <source>The image has no folder %1.</source>
        <translation>L&apos;immagine non contiene la cartella %1.</translation>
    </message>
    <message>
        <source>%1 cannot be added: it cannot be read, it holds a backslash in a name, or it links back to a folder that holds it.</source>
        <translation>Impossibile aggiungere %1: non è leggibile, un nome contiene una barra rovesciata o rimanda a una cartella che lo contiene.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 salvato.</translation>
    </message>
    <message>
        <source>The ISO file could not be saved.</source>
        <translation>Impossibile salvare il file ISO.</translation>
    </message>
    <message>
        <source>No CD/DVD recorder %1 found. quillon list-drives shows the recorders.</source>
        <translation>Nessun masterizzatore CD/DVD %1 trovato. quillon list-drives mostra i masterizzatori.</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>Disco masterizzato correttamente.</translation>
    </message>
    <message>
        <source>The disc could not be burned.</source>
        <translation>Impossibile masterizzare il disco.</translation>
    </message>
    <message>
        <source>--allow-loop-device is for tests and only accepted as root.</source>
        <translation>--allow-loop-device è destinato ai test ed è accettato solo come root.</translation>
    </message>
    <message>
        <source>%1 is not a USB disk. quillon list-drives shows the USB disks.</source>
        <translation>%1 non è un disco USB. quillon list-drives mostra i dischi USB.</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Spazio insufficiente. Usa una chiavetta USB o un CD/DVD di capacità maggiore.</translation>
    </message>
    <message>
        <source>Unknown file system %1: use FAT32, NTFS, exFAT or FAT.</source>
        <translation>File system sconosciuto %1: usare FAT32, NTFS, exFAT o FAT.</translation>
    </message>
    <message>
        <source>All data on %1 will be deleted. Continue?</source>
        <translation>Tutti i dati su %1 verranno eliminati. Continuare?</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>Usage: quillon copy-disc DRIVE --output IMAGE</source>
        <translation>Uso: quillon copy-disc DRIVE --output IMAGE</translation>
    </message>
    <message>
        <source>Copied the disc to %1.</source>
        <translation>Disco copiato in %1.</translation>
    </message>
    <message>
        <source>The disc could not be read.</source>
        <translation>Impossibile leggere il disco.</translation>
    </message>
    <message>
        <source>The recorder&apos;s bus scan did not end within %1 seconds.</source>
        <translation>La ricerca di masterizzatori sul bus non è terminata entro %1 secondi.</translation>
    </message>
    <message>
        <source>No USB disk found — plug one in.</source>
        <translation>Nessun disco USB trovato — collegarne uno.</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found.</source>
        <translation>Nessun masterizzatore CD/DVD trovato.</translation>
    </message>
    <message>
        <source>Unknown page %1: use burn, extract, create, edit or copy-disc.</source>
        <translation>Pagina sconosciuta %1: usare burn, extract, create, edit o copy-disc.</translation>
    </message>
    <message>
        <source>quillon --help shows the usage.</source>
        <translation>quillon --help mostra l&apos;utilizzo.</translation>
    </message>
    <message>
        <source>The new image will not keep: %1</source>
        <translation>La nuova immagine non manterrà: %1</translation>
    </message>
    <message>
        <source>Usage: quillon burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT] [--label LABEL] [--yes]
       quillon burn IMAGE --disc RECORDER</source>
        <translation>Uso: quillon burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT] [--label LABEL] [--yes]
     quillon burn IMAGE --disc RECORDER</translation>
    </message>
    <message>
        <source>Unknown partition style %1: use mbr, gpt or image.</source>
        <translation>Stile di partizione sconosciuto %1: usa mbr, gpt o image.</translation>
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

Senza sottocomando si apre la finestra, con IMAGE aperta nella pagina Estrai (o nella pagina
indicata da --page). I sottocomandi eseguono le stesse operazioni senza interfaccia grafica:

  extract IMAGE TARGET [ITEM...]      estrae gli elementi (tutto, se non se ne indica nessuno) in TARGET
  create --output IMAGE [--label LABEL] [--type joliet|iso9660|udf] SOURCE...
                                      crea un’immagine da file e cartelle
  edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]...
       [--rename /PATH=NEWNAME]...    salva una copia modificata che si avvia come l’originale
  burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT]
       [--label LABEL] [--yes]        crea una chiavetta USB avviabile (image: scrive un’immagine
                                      ibrida così com’è; file system ed etichetta ignorati)
  burn IMAGE --disc RECORDER          scrive l’immagine su un CD/DVD
  copy-disc DRIVE --output IMAGE      legge un CD/DVD in un’immagine
  list-drives                         elenca i dischi USB e i masterizzatori su cui masterizzare
  checksum IMAGE [--sha256|--sha1|--md5]
                                      il checksum dell'immagine (SHA-256 se non indicato), confrontato
                                      con SHA256SUMS o IMAGE.sha256 (e simili) accanto a essa

Opzioni:
  --force               sostituisce un file di output esistente (extract: i file esistenti)
  --yes                 scrive sul disco USB senza chiedere conferma
  --allow-loop-device   accetta un dispositivo loop come disco USB (test; solo root)
  -h, --help            mostra questa guida
  -v, --version         mostra la versione

L'avanzamento va sullo standard error, i risultati sullo standard output (checksum: la somma come la stampa
sha256sum, il confronto sullo standard error). Lo stato di uscita è 0 solo se il controllo proprio dell'attività
è riuscito (checksum: 1 se la somma differisce da quella accanto all'immagine); Ctrl+C ferma l'attività e rimuove
l'output parziale.</translation>
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
        <translation>Copia di file e cartelle...</translation>
    </message>
    <message>
        <source>These files could not be copied into the working folder, so no image was created (unreadable files, or a full disk?):
%1</source>
        <translation>Impossibile copiare questi file nella cartella di lavoro, quindi non è stata creata alcuna immagine (file illeggibili o disco pieno?):
%1</translation>
    </message>
</context>
<context>
    <name>DiscBurnJob</name>
    <message>
        <source>There is no disc in the drive.</source>
        <translation>Nessun disco nell’unità.</translation>
    </message>
    <message>
        <source>The disc in the drive cannot be written: it is not blank, or not a kind of disc this drive can write.</source>
        <translation>Impossibile scrivere sul disco nell’unità: non è vuoto oppure l’unità non può scrivere questo tipo di disco.</translation>
    </message>
    <message>
        <source>Writing to the disc failed.</source>
        <translation>Scrittura sul disco non riuscita.</translation>
    </message>
    <message>
        <source>The recorder ended abnormally.</source>
        <translation>Il programma di masterizzazione è terminato in modo anomalo.</translation>
    </message>
    <message>
        <source>The recorder ended with exit status %1.</source>
        <translation>Il programma di masterizzazione è terminato con lo stato di uscita %1.</translation>
    </message>
</context>
<context>
    <name>EditSession</name>
    <message>
        <source>Copy files and directories...</source>
        <translation>Copia di file e cartelle...</translation>
    </message>
    <message>
        <source>7-Zip ended with exit status %1.</source>
        <translation>7-Zip è terminato con lo stato di uscita %1.</translation>
    </message>
    <message>
        <source>The image %1 could not be opened: %2</source>
        <translation>Impossibile aprire l’immagine %1: %2</translation>
    </message>
    <message>
        <source>The extraction did not complete.</source>
        <translation>L’estrazione non è stata completata.</translation>
    </message>
    <message>
        <source>Please enter a name.</source>
        <translation>Inserisci un nome.</translation>
    </message>
    <message>
        <source>A name cannot contain / or \.</source>
        <translation>Un nome non può contenere / o \.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists in this folder.</source>
        <translation>«%1» esiste già in questa cartella.</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>Estrazione dell’ISO...</translation>
    </message>
    <message>
        <source>The image was not extracted completely: %1</source>
        <translation>L’immagine non è stata estratta completamente: %1</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 è una cartella. Scegli un nome di file per l’immagine.</translation>
    </message>
    <message>
        <source>Please save the image under another name, outside the program&apos;s working folder.</source>
        <translation>Salva l’immagine con un altro nome, fuori dalla cartella di lavoro del programma.</translation>
    </message>
    <message>
        <source>Saving ISO file...</source>
        <translation>Salvataggio del file ISO...</translation>
    </message>
    <message>
        <source>These items are missing from the working folder, so the image would lack them:
%1</source>
        <translation>Questi elementi mancano nella cartella di lavoro e quindi mancherebbero nell’immagine:
%1</translation>
    </message>
    <message>
        <source>These items could not be copied:
%1</source>
        <translation>Impossibile copiare questi elementi:
%1</translation>
    </message>
    <message>
        <source>The compressed (zisofs) files could not be unpacked: %1</source>
        <translation>Impossibile decomprimere i file compressi (zisofs): %1</translation>
    </message>
    <message>
        <source>These links could not be made: %1</source>
        <translation>Impossibile creare questi collegamenti: %1</translation>
    </message>
    <message>
        <source>the original&apos;s boot setup for disks (its MBR or GPT system area)</source>
        <translation>la configurazione di avvio dell’originale per i dischi (la sua area di sistema MBR o GPT)</translation>
    </message>
    <message>
        <source>symbolic links and compressed files, if it has any (xorriso is not installed)</source>
        <translation>i collegamenti simbolici e i file compressi, se presenti (xorriso non è installato)</translation>
    </message>
    <message>
        <source>genisoimage: the image has no system area, so UDF and Joliet are written as before.</source>
        <translation>genisoimage: l’immagine non ha un’area di sistema, quindi UDF e Joliet vengono scritti come prima.</translation>
    </message>
    <message>
        <source>genisoimage: the image has a UDF tree, which only genisoimage writes.</source>
        <translation>genisoimage: l’immagine ha un albero UDF, che solo genisoimage scrive.</translation>
    </message>
    <message>
        <source>genisoimage: files of 4 GiB or more need its UDF tree.</source>
        <translation>genisoimage: i file da 4 GiB o più richiedono il suo albero UDF.</translation>
    </message>
    <message>
        <source>genisoimage: xorriso, which keeps the system area, is not installed.</source>
        <translation>genisoimage: xorriso, che mantiene l’area di sistema, non è installato.</translation>
    </message>
    <message>
        <source>genisoimage: the names 7-Zip reads differ from the image&apos;s Rock Ridge names.</source>
        <translation>genisoimage: i nomi letti da 7-Zip differiscono dai nomi Rock Ridge dell’immagine.</translation>
    </message>
    <message>
        <source>xorriso: it replays the image&apos;s boot setup and system area, so the copy boots from a disk as the original does.</source>
        <translation>xorriso: riproduce la configurazione di avvio e l’area di sistema dell’immagine, così la copia si avvia da un disco come l’originale.</translation>
    </message>
    <message>
        <source>The saved image cannot be read.</source>
        <translation>Impossibile leggere l’immagine salvata.</translation>
    </message>
    <message>
        <source>The saved image&apos;s system area (%1) differs from the original&apos;s (%2).</source>
        <translation>L’area di sistema dell’immagine salvata (%1) differisce da quella dell’originale (%2).</translation>
    </message>
    <message>
        <source>These items were not exported: the folder holds a folder where a file would go, a file where a folder would go, or the image being edited:
%1</source>
        <translation>Questi elementi non sono stati esportati: la cartella contiene una cartella dove andrebbe un file, un file dove andrebbe una cartella, oppure l&apos;immagine in modifica:
%1</translation>
    </message>
</context>
<context>
    <name>ExtractJob</name>
    <message>
        <source>7-Zip stopped unexpectedly.</source>
        <translation>7-Zip si è interrotto inaspettatamente.</translation>
    </message>
    <message>
        <source>7-Zip ended with exit code %1.</source>
        <translation>7-Zip è terminato con il codice di uscita %1.</translation>
    </message>
    <message>
        <source>7-Zip did not confirm the extraction.</source>
        <translation>7-Zip non ha confermato l’estrazione.</translation>
    </message>
    <message>
        <source>Not extracted: %1</source>
        <translation>Non estratti: %1</translation>
    </message>
    <message>
        <source>Could not be moved into the output folder: %1</source>
        <translation>Impossibile spostare nella cartella di destinazione: %1</translation>
    </message>
    <message>
        <source>Left as they were in the output folder: %1</source>
        <translation>Lasciati invariati nella cartella di destinazione: %1</translation>
    </message>
    <message>
        <source>Nothing was selected.</source>
        <translation>Nessun elemento selezionato.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La cartella %1 non esiste.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>Impossibile scrivere nella cartella %1: %2</translation>
    </message>
    <message>
        <source>7-Zip could not be started (%1): %2</source>
        <translation>Impossibile avviare 7-Zip (%1): %2</translation>
    </message>
    <message>
        <source>Copying files! Please wait a few seconds..</source>
        <translation>Copia dei file in corso. Attendi qualche secondo...</translation>
    </message>
    <message>
        <source>Extracting files: </source>
        <translation>Estrazione dei file: </translation>
    </message>
    <message>
        <source>Extracting files...</source>
        <translation>Estrazione dei file...</translation>
    </message>
    <message>
        <source>Cannot write the list of items to extract: %1</source>
        <translation>Impossibile scrivere l’elenco degli elementi da estrarre: %1</translation>
    </message>
    <message>
        <source>This image holds symbolic links or compressed (zisofs) files, which only xorriso restores, and xorriso is not installed (package xorriso); links may have arrived as empty files.</source>
        <translation>Questa immagine contiene collegamenti simbolici o file compressi (zisofs), che solo xorriso ripristina, e xorriso non è installato (pacchetto xorriso); i collegamenti potrebbero essere arrivati come file vuoti.</translation>
    </message>
    <message>
        <source>Restoring links and compressed files...</source>
        <translation>Ripristino di collegamenti e file compressi...</translation>
    </message>
    <message>
        <source>xorriso could not read the image&apos;s Rock Ridge tree, so its links and compressed (zisofs) files could not be restored: %1</source>
        <translation>xorriso non è riuscito a leggere l&apos;albero Rock Ridge dell&apos;immagine, quindi i suoi collegamenti e file compressi (zisofs) non sono stati ripristinati: %1</translation>
    </message>
    <message>
        <source>These symbolic links could not be made: %1</source>
        <translation>Non è stato possibile creare questi collegamenti simbolici: %1</translation>
    </message>
    <message>
        <source>These links would point into Quillon&apos;s working folder and were left out: %1</source>
        <translation>Questi collegamenti punterebbero alla cartella di lavoro di Quillon e sono stati esclusi: %1</translation>
    </message>
    <message>
        <source>These compressed (zisofs) files could not be unpacked: %1</source>
        <translation>Non è stato possibile decomprimere questi file compressi (zisofs): %1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Open Folder</source>
        <translation>Seleziona cartella</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salva file</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>GerneralDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>IsoBuildJob</name>
    <message>
        <source>Creating ISO file...</source>
        <translation>Creazione del file ISO...</translation>
    </message>
    <message>
        <source>The ISO file could not be created.</source>
        <translation>Impossibile creare il file ISO.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>Impossibile scrivere nella cartella %1: %2</translation>
    </message>
    <message>
        <source>The ISO file could not be saved as %1.</source>
        <translation>Impossibile salvare il file ISO come %1.</translation>
    </message>
    <message>
        <source>The image builder stopped unexpectedly.</source>
        <translation>Il generatore di immagini si è interrotto inaspettatamente.</translation>
    </message>
    <message>
        <source>The image file is incomplete: %1 bytes written, %2 bytes expected.</source>
        <translation>Il file immagine è incompleto: %1 byte scritti, %2 byte previsti.</translation>
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
        <translation>mancano %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
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
        <translation>Il file %1 non è un’immagine ISO o UDF.</translation>
    </message>
    <message>
        <source>The file %1 is not an ISO or UDF image: 7-Zip reads it as a %2 archive.</source>
        <translation>Il file %1 non è un’immagine ISO o UDF: 7-Zip lo legge come archivio %2.</translation>
    </message>
    <message>
        <source>The image %1 could not be read. It may not be an ISO image, or it may be damaged.</source>
        <translation>Impossibile leggere l’immagine %1. Potrebbe non essere un’immagine ISO oppure essere danneggiata.</translation>
    </message>
    <message>
        <source>The image %1 could not be read: 7-Zip could not be started (%2): %3</source>
        <translation>Impossibile leggere l’immagine %1: non è stato possibile avviare 7-Zip (%2): %3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Burn</source>
        <translation>Masterizza</translation>
    </message>
    <message>
        <source>Make bootable USB or DVD/CD from ISO</source>
        <translation>Crea USB o DVD/CD avviabile da ISO</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Estrai</translation>
    </message>
    <message>
        <source>Extract content from ISO</source>
        <translation>Estrai il contenuto da ISO</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crea</translation>
    </message>
    <message>
        <source>Create ISO from files or folders</source>
        <translation>Crea ISO da file o cartelle</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>
 Add, delete, rename 
 content in ISO file</source>
        <translation>
 Aggiungi, elimina, rinomina 
 il contenuto del file ISO</translation>
    </message>
    <message>
        <source>Copy Disk</source>
        <translation>Copia disco</translation>
    </message>
    <message>
        <source>
 Make ISO file from 
 CD/DVD disc</source>
        <translation>
 Crea un file ISO 
 da un disco CD/DVD</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Cinese</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Giapponese</translation>
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
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>Portugues</source>
        <translation>Portoghese</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polacco</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Olandese</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Svedese</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>CTRL+H</source>
        <translation>CTRL+H</translation>
    </message>
    <message>
        <source>About Us(&amp;U)</source>
        <translation>&amp;Chi siamo</translation>
    </message>
    <message>
        <source>CTRL+U</source>
        <translation>CTRL+U</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>&amp;Esci</translation>
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
        <translation>L’immagine %1 non esiste.</translation>
    </message>
    <message>
        <source>%1 is not an image file.</source>
        <translation>%1 non è un file immagine.</translation>
    </message>
    <message>
        <source>A job is still running. Stop it and close the program?</source>
        <translation>Un’operazione è ancora in corso. Interromperla e chiudere il programma?</translation>
    </message>
    <message>
        <source>Recent Images(&amp;R)</source>
        <translation>Immagini &amp;recenti</translation>
    </message>
    <message>
        <source>No recent images</source>
        <translation>Nessuna immagine recente</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Cancella elenco</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>No web browser could be opened. The address is:
%1</source>
        <translation>Impossibile aprire un browser web. L’indirizzo è:
%1</translation>
    </message>
</context>
<context>
    <name>Mkfs</name>
    <message numerus="yes">
        <source>a %1 label holds at most %n characters</source>
        <translation>
            <numerusform>un’etichetta %1 contiene al massimo %n caratteri</numerusform>
            <numerusform>un’etichetta %1 contiene al massimo %n caratteri</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 does not allow these characters in a label: %2</source>
        <translation>%1 non consente questi caratteri in un’etichetta: %2</translation>
    </message>
</context>
<context>
    <name>PageWindow</name>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 esiste già. Vuoi sostituirlo?</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 is not a disk or partition.</source>
        <translation>%1 non è un disco né una partizione.</translation>
    </message>
    <message>
        <source>The system does not know %1.</source>
        <translation>Il sistema non riconosce %1.</translation>
    </message>
    <message>
        <source>The disk of %1 (%2) has no device node.</source>
        <translation>Il disco di %1 (%2) non ha un nodo di dispositivo.</translation>
    </message>
    <message>
        <source>%1 is not a drive.</source>
        <translation>%1 non è un’unità.</translation>
    </message>
</context>
<context>
    <name>ReadDiscJob</name>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 è una cartella.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La cartella %1 non esiste.</translation>
    </message>
    <message>
        <source>%1 cannot be written to.</source>
        <translation>Impossibile scrivere in %1.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>Impossibile scrivere nella cartella %1: %2</translation>
    </message>
    <message>
        <source>There is no readable disc in the drive.</source>
        <translation>Nessun disco leggibile nell’unità.</translation>
    </message>
    <message>
        <source>A part of the disc cannot be read.</source>
        <translation>Una parte del disco non è leggibile.</translation>
    </message>
    <message>
        <source>Permission denied: the drive or the image file cannot be opened.</source>
        <translation>Permesso negato: impossibile aprire l’unità o il file immagine.</translation>
    </message>
    <message>
        <source>The reader ended abnormally.</source>
        <translation>Il programma di lettura è terminato in modo anomalo.</translation>
    </message>
    <message>
        <source>The reader ended with exit status %1.</source>
        <translation>Il programma di lettura è terminato con lo stato di uscita %1.</translation>
    </message>
    <message>
        <source>The reader did not say how large the disc is.</source>
        <translation>Il programma di lettura non ha indicato la dimensione del disco.</translation>
    </message>
    <message>
        <source>The image is incomplete: %1 of %2 bytes were read.</source>
        <translation>L’immagine è incompleta: letti %1 byte su %2.</translation>
    </message>
    <message>
        <source>The image could not be put in place of %1.</source>
        <translation>Impossibile sostituire %1 con l’immagine.</translation>
    </message>
</context>
<context>
    <name>RockRidge</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 manca</translation>
    </message>
    <message>
        <source>%1 is no longer a link</source>
        <translation>%1 non è più un collegamento</translation>
    </message>
    <message>
        <source>%1 points to %2 instead of %3</source>
        <translation>%1 punta a %2 invece che a %3</translation>
    </message>
    <message>
        <source>%1 is of another kind</source>
        <translation>%1 è di un altro tipo</translation>
    </message>
    <message>
        <source>%1 has %2 bytes instead of %3</source>
        <translation>%1 ha %2 byte invece di %3</translation>
    </message>
    <message>
        <source>The saved image does not hold what the edit shows:
%1</source>
        <translation>L’immagine salvata non contiene ciò che mostra la modifica:
%1</translation>
    </message>
</context>
<context>
    <name>ScanbusJob</name>
    <message>
        <source>The disc recorder did not finish looking for drives within %1 seconds; no disc drive is listed.</source>
        <translation>Il programma di masterizzazione non ha terminato la ricerca delle unità entro %1 secondi; nessuna unità disco è elencata.</translation>
    </message>
</context>
<context>
    <name>ToolJob</name>
    <message>
        <source>%1 ended abnormally.</source>
        <translation>%1 è terminato in modo anomalo.</translation>
    </message>
    <message>
        <source>%1 ended with exit status %2.</source>
        <translation>%1 è terminato con lo stato di uscita %2.</translation>
    </message>
    <message>
        <source>Could not start %1.</source>
        <translation>Impossibile avviare %1.</translation>
    </message>
    <message>
        <source>Install the package %1.</source>
        <translation>Installare il pacchetto %1.</translation>
    </message>
</context>
<context>
    <name>UsbBurnJob</name>
    <message>
        <source>USB burn</source>
        <translation>Scrittura USB</translation>
    </message>
    <message>
        <source>%1 is missing (install the package %2).</source>
        <translation>%1 non trovato (installa il pacchetto %2).</translation>
    </message>
    <message>
        <source>The image %1 does not exist.</source>
        <translation>L’immagine %1 non esiste.</translation>
    </message>
    <message>
        <source>Unknown file system &quot;%1&quot;.</source>
        <translation>File system sconosciuto «%1».</translation>
    </message>
    <message>
        <source>%1 is not a USB disk this page lists; it was left alone.</source>
        <translation>%1 non è una chiavetta USB elencata in questa pagina; non è stata toccata.</translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1.</source>
        <translation>Impossibile creare una cartella di lavoro in %1.</translation>
    </message>
    <message>
        <source>The image could not be read. %1</source>
        <translation>Impossibile leggere l’immagine. %1</translation>
    </message>
    <message>
        <source>the image has no EFI/BOOT/BOOTX64.EFI</source>
        <translation>l’immagine non contiene EFI/BOOT/BOOTX64.EFI</translation>
    </message>
    <message>
        <source>UEFI firmware reads FAT file systems only</source>
        <translation>il firmware UEFI legge solo file system FAT</translation>
    </message>
    <message>
        <source>The image needs %1 on the USB disk, which holds %2; nothing was written.</source>
        <translation>L’immagine richiede %1 sulla chiavetta USB, che ne contiene %2; non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>Checking the request</source>
        <translation>Verifica della richiesta</translation>
    </message>
    <message>
        <source>Reading the image</source>
        <translation>Lettura dell’immagine</translation>
    </message>
    <message>
        <source>Reading the image...</source>
        <translation>Lettura dell’immagine...</translation>
    </message>
    <message>
        <source>Preparing the burn</source>
        <translation>Preparazione della scrittura</translation>
    </message>
    <message>
        <source>Copying the files</source>
        <translation>Copia dei file</translation>
    </message>
    <message>
        <source>7-Zip ended with exit status %1.</source>
        <translation>7-Zip è terminato con lo stato di uscita %1.</translation>
    </message>
    <message>
        <source>Taking out the install image</source>
        <translation>Estrazione dell’immagine di installazione</translation>
    </message>
    <message>
        <source>There is no room for the install image (%1) in %2: %3 free.</source>
        <translation>Spazio insufficiente per l’immagine di installazione (%1) in %2: %3 liberi.</translation>
    </message>
    <message>
        <source>Splitting the install image</source>
        <translation>Suddivisione dell’immagine di installazione</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the image are missing or incomplete on the USB disk: %1</source>
        <translation>
            <numerusform>%n file dell’immagine manca o è incompleto sulla chiavetta USB: %1</numerusform>
            <numerusform>%n file dell’immagine mancano o sono incompleti sulla chiavetta USB: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The USB disk starts on UEFI only: %1.</source>
        <translation>La chiavetta USB si avvia solo in UEFI: %1.</translation>
    </message>
    <message>
        <source>Neither BIOS nor UEFI can start from the USB disk: %1; %2.</source>
        <translation>Né il BIOS né l’UEFI possono avviarsi dalla chiavetta USB: %1; %2.</translation>
    </message>
    <message>
        <source>UEFI cannot start from the USB disk: %1.</source>
        <translation>L’UEFI non può avviarsi dalla chiavetta USB: %1.</translation>
    </message>
    <message>
        <source>Burning failed. %1</source>
        <translation>Masterizzazione non riuscita. %1</translation>
    </message>
    <message>
        <source>Burning was stopped.</source>
        <translation>La masterizzazione è stata interrotta.</translation>
    </message>
    <message>
        <source>The USB disk is incomplete and still mounted at %1.</source>
        <translation>La chiavetta USB è incompleta e ancora montata in %1.</translation>
    </message>
    <message>
        <source>The USB disk is incomplete.</source>
        <translation>La chiavetta USB è incompleta.</translation>
    </message>
    <message>
        <source>The USB disk was not changed.</source>
        <translation>La chiavetta USB non è stata modificata.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>FAT on this system goes through fusefat, which cannot write the name &quot;%1&quot;; choose NTFS or exFAT. Nothing was written.</source>
        <translation>Su questo sistema FAT passa da fusefat, che non può scrivere il nome «%1»; scegli NTFS o exFAT. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>the image has no loader a BIOS can start from a USB disk</source>
        <translation>l’immagine non ha un caricatore che un BIOS possa avviare da una chiavetta USB</translation>
    </message>
    <message>
        <source>Unmounting the USB disk</source>
        <translation>Smontaggio della chiavetta USB</translation>
    </message>
    <message>
        <source>Unmounting the USB disk...</source>
        <translation>Smontaggio della chiavetta USB...</translation>
    </message>
    <message>
        <source>Formatting the USB disk</source>
        <translation>Formattazione della chiavetta USB</translation>
    </message>
    <message>
        <source>Mounting the USB disk</source>
        <translation>Montaggio della chiavetta USB</translation>
    </message>
    <message>
        <source>Mounting the USB disk...</source>
        <translation>Montaggio della chiavetta USB...</translation>
    </message>
    <message>
        <source>Preparing the boot code</source>
        <translation>Preparazione del codice di avvio</translation>
    </message>
    <message>
        <source>Building the boot code</source>
        <translation>Generazione del codice di avvio</translation>
    </message>
    <message>
        <source>Installing the boot code</source>
        <translation>Installazione del codice di avvio</translation>
    </message>
    <message>
        <source>grub-bios-setup is missing (install the package grub-pc-bin).</source>
        <translation>grub-bios-setup non trovato (installa il pacchetto grub-pc-bin).</translation>
    </message>
    <message>
        <source>Cannot write the boot code&apos;s files to the USB disk.</source>
        <translation>Impossibile scrivere i file del codice di avvio sulla chiavetta USB.</translation>
    </message>
    <message>
        <source>Writing the last data to the USB disk...</source>
        <translation>Scrittura degli ultimi dati sulla chiavetta USB...</translation>
    </message>
    <message>
        <source>Checking the file system</source>
        <translation>Verifica del file system</translation>
    </message>
    <message>
        <source>Checking the USB disk...</source>
        <translation>Verifica della chiavetta USB...</translation>
    </message>
    <message>
        <source>The file system on the USB disk is not clean: %1</source>
        <translation>Il file system della chiavetta USB contiene errori: %1</translation>
    </message>
    <message>
        <source>Checking the label</source>
        <translation>Verifica dell’etichetta</translation>
    </message>
    <message>
        <source>The volume label cannot contain %1.</source>
        <translation>L’etichetta del volume non può contenere %1.</translation>
    </message>
    <message>
        <source>Burning the USB disk...</source>
        <translation>Scrittura della chiavetta USB...</translation>
    </message>
    <message>
        <source>Extract the wim file ...</source>
        <translation>Estrazione del file WIM...</translation>
    </message>
    <message>
        <source>Process the wim file larger than 4 GB...</source>
        <translation>Elaborazione del file WIM oltre 4 GB...</translation>
    </message>
    <message>
        <source>Burning Successfully...</source>
        <translation>Scrittura completata...</translation>
    </message>
    <message>
        <source>The USB disk is under formating...</source>
        <translation>Formattazione della chiavetta USB...</translation>
    </message>
    <message>
        <source>The USB disk is installing bootsect...</source>
        <translation>Installazione del settore di avvio...</translation>
    </message>
    <message>
        <source>%1 is a partition; choose the whole USB disk.</source>
        <translation>%1 è una partizione; scegli l’intera chiavetta USB.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>Impossibile leggere l&apos;immagine %1.</translation>
    </message>
    <message>
        <source>The image has no partition table of its own, so written as it is it would not start; choose MBR or GPT instead. Nothing was written.</source>
        <translation>L’immagine non ha una propria tabella delle partizioni, quindi scritta così com’è non si avvierebbe; scegli invece MBR o GPT. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>The volume label &quot;%1&quot; cannot be used: %2. Nothing was written.</source>
        <translation>L’etichetta del volume «%1» non può essere usata: %2. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>%1 cannot hold these names of the image apart, or refuses them: %2. Nothing was written.</source>
        <translation>%1 non riesce a distinguere questi nomi dell’immagine, o li rifiuta: %2. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>The USB disk can be removed.</source>
        <translation>La chiavetta USB può essere rimossa.</translation>
    </message>
    <message>
        <source>Erasing the USB disk</source>
        <translation>Cancellazione della chiavetta USB</translation>
    </message>
    <message>
        <source>Writing the partition table</source>
        <translation>Scrittura della tabella delle partizioni</translation>
    </message>
    <message>
        <source>The new partition did not appear.</source>
        <translation>La nuova partizione non è comparsa.</translation>
    </message>
    <message>
        <source>neither the image nor its El Torito EFI image has EFI/BOOT/BOOTX64.EFI</source>
        <translation>né l’immagine né la sua immagine EFI El Torito contiene EFI/BOOT/BOOTX64.EFI</translation>
    </message>
    <message>
        <source>Cannot copy %1 of the El Torito EFI image to the USB disk.</source>
        <translation>Impossibile copiare %1 dell’immagine EFI El Torito sulla chiavetta USB.</translation>
    </message>
    <message>
        <source>Reading the UEFI loader</source>
        <translation>Lettura del caricatore UEFI</translation>
    </message>
    <message>
        <source>Copying the UEFI loader</source>
        <translation>Copia del caricatore UEFI</translation>
    </message>
    <message>
        <source>Cannot write the boot menu to the USB disk.</source>
        <translation>Impossibile scrivere il menu di avvio sulla chiavetta USB.</translation>
    </message>
    <message>
        <source>Reading the image back</source>
        <translation>Rilettura dell’immagine</translation>
    </message>
    <message>
        <source>Reading the USB disk back</source>
        <translation>Rilettura della chiavetta USB</translation>
    </message>
    <message>
        <source>The files on the USB disk differ from the image&apos;s.</source>
        <translation>I file sulla chiavetta USB differiscono da quelli dell’immagine.</translation>
    </message>
    <message>
        <source>Flushing the USB disk</source>
        <translation>Svuotamento dei buffer della chiavetta USB</translation>
    </message>
    <message>
        <source>Writing the image...</source>
        <translation>Scrittura dell’immagine...</translation>
    </message>
    <message>
        <source>Writing the image</source>
        <translation>Scrittura dell’immagine</translation>
    </message>
    <message>
        <source>Writing the image as it is is not available on this system; choose MBR or GPT.</source>
        <translation>La scrittura dell'immagine così com'è non è disponibile su questo sistema; scegliere MBR o GPT.</translation>
    </message>
</context>
<context>
    <name>UsbHelperClient</name>
    <message>
        <source>The USB helper could not be started: %1</source>
        <translation>Impossibile avviare l’helper USB: %1</translation>
    </message>
    <message>
        <source>Authorisation was refused.</source>
        <translation>Autorizzazione negata.</translation>
    </message>
    <message>
        <source>The USB helper ended unexpectedly (exit status %1). %2</source>
        <translation>L’helper USB è terminato in modo imprevisto (stato di uscita %1). %2</translation>
    </message>
</context>
<context>
    <name>UsbHelperStartStep</name>
    <message>
        <source>Starting the USB helper</source>
        <translation>Avvio dell’helper USB</translation>
    </message>
    <message>
        <source>Waiting for authorisation...</source>
        <translation>In attesa di autorizzazione...</translation>
    </message>
    <message>
        <source>The USB helper answered %1.</source>
        <translation>L’helper USB ha risposto %1.</translation>
    </message>
</context>
<context>
    <name>UsbHelperStep</name>
    <message>
        <source>The USB helper is not running.</source>
        <translation>L’helper USB non è in esecuzione.</translation>
    </message>
</context>
</TS>
