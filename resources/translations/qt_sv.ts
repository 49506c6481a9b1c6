<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
<context>
    <name>BootRebuild</name>
    <message>
        <source>boot entry %1</source>
        <translation>startpost %1</translation>
    </message>
    <message>
        <source>The %1 is for a platform (%2) the image builder cannot write.</source>
        <translation>Avbildningsprogrammet kan inte skriva %1, som är för en plattform (%2) det inte stöder.</translation>
    </message>
    <message>
        <source>The %1 could not be written to %2.</source>
        <translation>Det gick inte att skriva %1 till %2.</translation>
    </message>
    <message>
        <source>The saved image cannot be read.</source>
        <translation>Den sparade avbildningen kan inte läsas.</translation>
    </message>
    <message>
        <source>The saved image&apos;s label is &quot;%1&quot;, not &quot;%2&quot;.</source>
        <translation>Den sparade avbildningens etikett är ”%1”, inte ”%2”.</translation>
    </message>
    <message>
        <source>The saved image has %1 boot entries, the original %2.</source>
        <translation>Den sparade avbildningen har %1 startposter, originalet %2.</translation>
    </message>
    <message>
        <source>The saved image&apos;s %1 differs from the original&apos;s in its platform, emulation or load size.</source>
        <translation>I den sparade avbildningen skiljer sig %1 från originalet i plattform, emulering eller laddstorlek.</translation>
    </message>
    <message>
        <source>The saved image&apos;s %1 does not hold the original&apos;s boot image.</source>
        <translation>I den sparade avbildningen innehåller %1 inte originalets startavbildning.</translation>
    </message>
</context>
<context>
    <name>CAboutusDialog</name>
    <message>
        <source>About Quillon</source>
        <translation>Om Quillon</translation>
    </message>
    <message>
        <source>Quillon is free software: you may copy and share it under its licence. It comes with no warranty, so check every disk you write.</source>
        <translation>Quillon är fri programvara: du får kopiera och dela den enligt dess licens. Den levereras utan någon garanti, så kontrollera varje skiva du skriver.</translation>
    </message>
    <message>
        <source>Copyright (C) the Quillon developers.</source>
        <translation>Copyright (C) Quillons utvecklare.</translation>
    </message>
    <message>
        <source>Please visit offical site: </source>
        <translation>Besök den officiella webbplatsen: </translation>
    </message>
</context>
<context>
    <name>CBurnDialog</name>
    <message>
        <source>Browse</source>
        <translation>Bläddra</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Bränn</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialogruta</translation>
    </message>
    <message>
        <source>ISO Image:</source>
        <translation>ISO-avbildning:</translation>
    </message>
    <message>
        <source>Create A Bootable DVD/CD</source>
        <translation>Skapa startbar dvd/cd</translation>
    </message>
    <message>
        <source>Select a target disc then click BURN button</source>
        <translation>Välj en målskiva och klicka på Bränn</translation>
    </message>
    <message>
        <source>Create A Bootable USB</source>
        <translation>Skapa startbar USB</translation>
    </message>
    <message>
        <source>Select a target USB then click BURN button</source>
        <translation>Välj en USB-enhet och klicka på Bränn</translation>
    </message>
    <message>
        <source>Partition Style</source>
        <translation>Partitionsstil</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Filsystem</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>Volymetikett</translation>
    </message>
    <message>
        <source>Burn Failed! Do as following:
1.Try to burn again.
2.Change another USB drive or DVD.</source>
        <translation>Bränningen misslyckades! Gör så här:
1. Försök bränna igen.
2. Använd en annan USB-enhet eller en annan dvd.</translation>
    </message>
    <message>
        <source>Please insert your USB drive to computer</source>
        <translation>Anslut USB-enheten till datorn</translation>
    </message>
    <message>
        <source>Your USB drive will be formatted and all data in it will be deleted! Do you want to continue?</source>
        <translation>USB-enheten formateras och alla data på den raderas! Vill du fortsätta?</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Otillräckligt utrymme. Använd en USB-enhet eller cd/dvd med större kapacitet.</translation>
    </message>
    <message>
        <source>Burning the disc...</source>
        <translation>Bränner skivan...</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>Skivan har bränts.</translation>
    </message>
    <message>
        <source>The disc could not be burned.</source>
        <translation>Skivan kunde inte brännas.</translation>
    </message>
    <message>
        <source>No USB disk found — plug one in</source>
        <translation>Ingen USB-enhet hittades — anslut en</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found</source>
        <translation>Ingen CD/DVD-brännare hittades</translation>
    </message>
    <message>
        <source>Image (write the ISO as it is)</source>
        <translation>Avbildning (skriv ISO-filen som den är)</translation>
    </message>
    <message>
        <source>Connect a CD/DVD recorder with a blank disc in it, or choose a USB disk instead.</source>
        <translation>Anslut en CD/DVD-brännare med en tom skiva i, eller välj en USB-enhet i stället.</translation>
    </message>
    <message>
        <source>The burn was stopped. The disc may be unusable.</source>
        <translation>Bränningen stoppades. Skivan kan vara oanvändbar.</translation>
    </message>
    <message>
        <source>Checksum...</source>
        <translation>Kontrollsumma...</translation>
    </message>
</context>
<context>
    <name>CPage2</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogruta</translation>
    </message>
    <message>
        <source>ISO Extract</source>
        <translation>Extrahera ISO</translation>
    </message>
    <message>
        <source>Directly extract everything from ISO image file and export to your computer.</source>
        <translation>Extrahera hela innehållet i en ISO-avbildsfil direkt och spara det på datorn.</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Läs in ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extrahera</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Filnamn</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Storlek</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Extract(&amp;E)</source>
        <translation>&amp;Extrahera</translation>
    </message>
    <message>
        <source>The image %1 seems to be damaged or incomplete; some items may not extract.</source>
        <translation>Avbildningen %1 verkar vara skadad eller ofullständig; vissa objekt kanske inte kan extraheras.</translation>
    </message>
    <message>
        <source>Please select the files or folders you want to extract</source>
        <translation>Välj de filer eller mappar som du vill extrahera</translation>
    </message>
    <message>
        <source>The files could not be extracted.</source>
        <translation>Filerna kunde inte extraheras.</translation>
    </message>
    <message>
        <source>Extract files successfully.</source>
        <translation>Filerna har extraherats.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) in %1 would be replaced by the extracted ones:</source>
        <translation>
            <numerusform>%n fil i %1 skulle ersättas av den extraherade:</numerusform>
            <numerusform>%n filer i %1 skulle ersättas av de extraherade:</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersätt</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Behåll mina</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Please load an ISO image first, then select the files or folders you want to extract</source>
        <translation>Läs först in en ISO-avbildning och välj sedan de filer eller mappar som du vill extrahera</translation>
    </message>
    <message>
        <source>More than one selected item is called %1. Please extract them one at a time.</source>
        <translation>Flera markerade objekt heter %1. Extrahera dem ett i taget.</translation>
    </message>
    <message>
        <source>Your own files were kept in: %1</source>
        <translation>Dina egna filer sparades i: %1</translation>
    </message>
    <message>
        <source>%1 of %2 items were extracted.</source>
        <translation>%1 av %2 objekt extraherades.</translation>
    </message>
</context>
<context>
    <name>CPage3</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogruta</translation>
    </message>
    <message>
        <source>File &amp; Folder Backup</source>
        <translation>Säkerhetskopia av filer &amp; mappar</translation>
    </message>
    <message>
        <source>Backup Type:</source>
        <translation>Typ av kopia:</translation>
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
        <translation>Max. storlek: 5 GB</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Lägg till filer...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Lägg till mapp...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Create ISO</source>
        <translation>Skapa ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Filnamn</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Sökväg</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Storlek</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Add Files(&amp;F)</source>
        <translation>Lägg till &amp;filer</translation>
    </message>
    <message>
        <source>Add Dirs(&amp;D)</source>
        <translation>Lägg till &amp;mappar</translation>
    </message>
    <message>
        <source>Remove(&amp;R)</source>
        <translation>&amp;Ta bort</translation>
    </message>
    <message>
        <source>The working folder for the image could not be created below %1.</source>
        <translation>Arbetsmappen för avbildningen kunde inte skapas under %1.</translation>
    </message>
    <message>
        <source>Total Size: </source>
        <translation>Total storlek: </translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Lägg till filer eller mappar först!</translation>
    </message>
    <message>
        <source>Please select one type</source>
        <translation>Välj en typ</translation>
    </message>
    <message>
        <source>These files are 4 GB or larger:
%1
ISO 9660 and Joliet cannot record such sizes. The image will also get a UDF file system that holds them; programs that read only ISO 9660 or Joliet will see wrong sizes. Choose &quot;UDF ISO&quot; to avoid this question. Create the image anyway?</source>
        <translation>Dessa filer är 4 GB eller större:
%1
ISO 9660 och Joliet kan inte lagra sådana storlekar. Avbildningen får därför också ett UDF-filsystem som rymmer dem; program som bara läser ISO 9660 eller Joliet ser felaktiga storlekar. Välj ”UDF ISO” för att slippa den här frågan. Vill du skapa avbildningen ändå?</translation>
    </message>
    <message>
        <source>Please save the image outside the program&apos;s working folder.</source>
        <translation>Spara avbildningen utanför programmets arbetsmapp.</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 är en mapp. Välj ett filnamn för avbildningen.</translation>
    </message>
    <message>
        <source>Create ISO successfully!</source>
        <translation>ISO-filen har skapats!</translation>
    </message>
    <message>
        <source>The files and folders in the list will be discarded. Go back anyway?</source>
        <translation>Filerna och mapparna i listan kommer att tas bort. Gå tillbaka ändå?</translation>
    </message>
    <message>
        <source>These items were not added: an item of the same name is already there, a folder that cannot be read, a backslash in the name, a link back to a folder that holds it, or the program&apos;s own working folder:
%1</source>
        <translation>Dessa objekt lades inte till: ett objekt med samma namn finns redan, en mapp som inte kan läsas, ett omvänt snedstreck i namnet, en länk tillbaka till en mapp som innehåller den eller programmets egen arbetsmapp:
%1</translation>
    </message>
</context>
<context>
    <name>CPage4</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogruta</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Läs in ISO</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lägg till</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportera</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Byt namn</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Sök</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Filnamn</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Storlek</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Add(&amp;A)</source>
        <translation>&amp;Lägg till</translation>
    </message>
    <message>
        <source>Export(&amp;E)</source>
        <translation>&amp;Exportera</translation>
    </message>
    <message>
        <source>Rename(&amp;R)</source>
        <translation>&amp;Byt namn</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation>&amp;Ta bort</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Ny</translation>
    </message>
    <message>
        <source>The working folder for the image could not be created below %1.</source>
        <translation>Arbetsmappen för avbildningen kunde inte skapas under %1.</translation>
    </message>
    <message>
        <source>These items were not added: this folder already holds an item of that name:
%1</source>
        <translation>Dessa objekt lades inte till eftersom mappen redan innehåller ett objekt med samma namn:
%1</translation>
    </message>
    <message>
        <source>Please select one row in the table list first</source>
        <translation>Markera först en rad i listan</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Ny mapp</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>Extraherar ISO...</translation>
    </message>
    <message>
        <source>Please select files or folders in the list first.</source>
        <translation>Markera först filer eller mappar i listan.</translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Lägg till filer eller mappar först!</translation>
    </message>
    <message>
        <source>Save ISO file successfully!</source>
        <translation>ISO-filen har sparats!</translation>
    </message>
    <message>
        <source>Export Successfully !</source>
        <translation>Exporten lyckades!</translation>
    </message>
    <message>
        <source>The ISO file could not be saved.</source>
        <translation>ISO-filen kunde inte sparas.</translation>
    </message>
    <message>
        <source>The items could not be exported.</source>
        <translation>Objekten kunde inte exporteras.</translation>
    </message>
    <message>
        <source>These items were not added: a folder that cannot be read, a backslash in the name, a link back to a folder that holds it, or the program&apos;s own working folder:
%1</source>
        <translation>Dessa objekt lades inte till: en mapp som inte kan läsas, ett omvänt snedstreck i namnet, en länk tillbaka till en mapp som innehåller den eller programmets egen arbetsmapp:
%1</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 finns redan. Vill du ersätta den?</translation>
    </message>
    <message>
        <source>The new image will not keep %1. Save anyway?</source>
        <translation>Den nya avbildningen behåller inte %1. Spara ändå?</translation>
    </message>
    <message>
        <source> and </source>
        <translation> och </translation>
    </message>
    <message>
        <source>%1 already holds items of these names:
%2
Replace them with the exported ones?</source>
        <translation>%1 innehåller redan objekt med dessa namn:
%2
Ersätta dem med de exporterade?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersätt</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Behåll mina</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>The changes to %1 have not been saved.</source>
        <translation>Ändringarna i %1 har inte sparats.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Förkasta</translation>
    </message>
</context>
<context>
    <name>CPage5</name>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starta</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialogruta</translation>
    </message>
    <message>
        <source>Make Image From Disc</source>
        <translation>Skapa avbildning av skiva</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Källa</translation>
    </message>
    <message>
        <source>Select a CD/DVD drive:</source>
        <translation>Välj en cd/dvd-enhet:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Utdataformat:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Plats</translation>
    </message>
    <message>
        <source>Please select the iso file to save</source>
        <translation>Välj var ISO-filen ska sparas</translation>
    </message>
    <message>
        <source>Please select the iso file to save.</source>
        <translation>Välj var ISO-filen ska sparas.</translation>
    </message>
    <message>
        <source>The image cannot be saved there.</source>
        <translation>Avbildningen kan inte sparas där.</translation>
    </message>
    <message>
        <source>Start reading...</source>
        <translation>Börjar läsa...</translation>
    </message>
    <message>
        <source>Reading Disc...</source>
        <translation>Läser skivan...</translation>
    </message>
    <message>
        <source>Copy CD/DVD successfully!</source>
        <translation>Cd/dvd har kopierats!</translation>
    </message>
    <message>
        <source>The disc could not be copied.</source>
        <translation>Skivan kunde inte kopieras.</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found</source>
        <translation>Ingen CD/DVD-brännare hittades</translation>
    </message>
    <message>
        <source>Connect a CD/DVD drive with the disc to copy in it, then press Start again.</source>
        <translation>Anslut en cd/dvd-enhet med skivan som ska kopieras i och klicka sedan på Starta igen.</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Stop</source>
        <translation>Stoppa</translation>
    </message>
</context>
<context>
    <name>ChecksumJob</name>
    <message>
        <source>The %1 checksum matches %2.</source>
        <translation>%1-kontrollsumman stämmer med %2.</translation>
    </message>
    <message>
        <source>The %1 checksum does not match %2: the image is damaged or not the one published.</source>
        <translation>%1-kontrollsumman stämmer inte med %2: avbildningen är skadad eller inte den publicerade.</translation>
    </message>
    <message>
        <source>No %1 checksum of this image lies beside it to compare with.</source>
        <translation>Bredvid avbildningen finns ingen %1-kontrollsumma att jämföra med.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>Avbilden %1 kan inte läsas.</translation>
    </message>
    <message>
        <source>Reading %1 failed: %2</source>
        <translation>Läsningen av %1 misslyckades: %2</translation>
    </message>
    <message>
        <source>Computing the %1 checksum...</source>
        <translation>Beräknar %1-kontrollsumman...</translation>
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
        <translation>Nej</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Öppna mapp</translation>
    </message>
    <message>
        <source>No file manager could be opened. The folder is:
%1</source>
        <translation>Ingen filhanterare kunde öppnas. Mappen är:
%1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Stopped; nothing incomplete was left behind.</source>
        <translation>Avbrutet; inget ofullständigt lämnades kvar.</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 är en mapp. Välj ett filnamn för avbildningen.</translation>
    </message>
    <message>
        <source>%1 already exists. Add --force to replace it.</source>
        <translation>%1 finns redan. Lägg till --force för att ersätta den.</translation>
    </message>
    <message>
        <source>The image %1 does not exist.</source>
        <translation>Avbildningen %1 finns inte.</translation>
    </message>
    <message>
        <source>%1 is not an image file.</source>
        <translation>%1 är ingen avbildningsfil.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>Avbilden %1 kan inte läsas.</translation>
    </message>
    <message>
        <source>Usage: quillon extract IMAGE TARGET [ITEM...]</source>
        <translation>Användning: quillon extract IMAGE TARGET [ITEM...]</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 är inte en mapp.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Avbrutet.</translation>
    </message>
    <message>
        <source>%1 is not in the image.</source>
        <translation>%1 finns inte i avbilden.</translation>
    </message>
    <message>
        <source>The image holds no files.</source>
        <translation>Avbilden innehåller inga filer.</translation>
    </message>
    <message>
        <source>These files already exist in %1. Add --force to replace them:
%2</source>
        <translation>Dessa filer finns redan i %1. Lägg till --force för att ersätta dem:
%2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Mappen %1 kan inte skapas.</translation>
    </message>
    <message>
        <source>Extracted %1 items to %2.</source>
        <translation>Extraherade %1 objekt till %2.</translation>
    </message>
    <message>
        <source>The items could not be extracted.</source>
        <translation>Objekten kunde inte extraheras.</translation>
    </message>
    <message>
        <source>Usage: quillon create --output IMAGE [--label LABEL] SOURCE...</source>
        <translation>Användning: quillon create --output IMAGE [--label LABEL] SOURCE...</translation>
    </message>
    <message>
        <source>Unknown image type %1: use joliet, iso9660 or udf.</source>
        <translation>Okänd avbildstyp %1: använd joliet, iso9660 eller udf.</translation>
    </message>
    <message>
        <source>The working folder could not be created below %1.</source>
        <translation>Arbetsmappen kunde inte skapas under %1.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 finns inte.</translation>
    </message>
    <message>
        <source>%1 cannot be added: another item has its name, it cannot be read, or it holds a backslash in a name.</source>
        <translation>%1 kan inte läggas till: ett annat objekt har samma namn, det kan inte läsas eller ett namn innehåller ett omvänt snedstreck.</translation>
    </message>
    <message>
        <source>Files of 4 GiB or more show their true size only in the image&apos;s UDF tree.</source>
        <translation>Filer på 4 GiB eller mer visar sin verkliga storlek endast i avbildens UDF-träd.</translation>
    </message>
    <message>
        <source>Created %1 (%2 bytes).</source>
        <translation>Skapade %1 (%2 byte).</translation>
    </message>
    <message>
        <source>The ISO file could not be created.</source>
        <translation>ISO-filen kunde inte skapas.</translation>
    </message>
    <message>
        <source>Usage: quillon edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]... [--rename /PATH=NEWNAME]...</source>
        <translation>Användning: quillon edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]... [--rename /PATH=NEWNAME]...</translation>
    </message>
    <message>
        <source>--add needs SOURCE=/PATH/IN/IMAGE, not %1.</source>
        <translation>--add kräver SOURCE=/PATH/IN/IMAGE, inte %1.</translation>
    </message>
    <message>
        <source>--rename needs /PATH=NEWNAME, not %1.</source>
        <translation>--rename kräver /PATH=NEWNAME, inte %1.</translation>
    </message>
    <message>
        <source>The image has no folder %1.</source>
        <translation>Avbilden har ingen mapp %1.</translation>
    </message>
    <message>
        <source>%1 cannot be added: it cannot be read, it holds a backslash in a name, or it links back to a folder that holds it.</source>
        <translation>%1 kan inte läggas till: det kan inte läsas, ett namn innehåller ett omvänt snedstreck eller det länkar tillbaka till en mapp som innehåller det.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>Sparade %1.</translation>
    </message>
    <message>
        <source>The ISO file could not be saved.</source>
        <translation>ISO-filen kunde inte sparas.</translation>
    </message>
    <message>
        <source>No CD/DVD recorder %1 found. quillon list-drives shows the recorders.</source>
        <translation>Ingen CD/DVD-brännare %1 hittades. quillon list-drives visar brännarna.</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>Skivan har bränts.</translation>
    </message>
    <message>
        <source>The disc could not be burned.</source>
        <translation>Skivan kunde inte brännas.</translation>
    </message>
    <message>
        <source>--allow-loop-device is for tests and only accepted as root.</source>
        <translation>--allow-loop-device är avsett för tester och accepteras bara som root.</translation>
    </message>
    <message>
        <source>%1 is not a USB disk. quillon list-drives shows the USB disks.</source>
        <translation>%1 är inte en USB-disk. quillon list-drives visar USB-diskarna.</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Otillräckligt utrymme. Använd en USB-enhet eller cd/dvd med större kapacitet.</translation>
    </message>
    <message>
        <source>Unknown file system %1: use FAT32, NTFS, exFAT or FAT.</source>
        <translation>Okänt filsystem %1: använd FAT32, NTFS, exFAT eller FAT.</translation>
    </message>
    <message>
        <source>All data on %1 will be deleted. Continue?</source>
        <translation>All data på %1 kommer att raderas. Fortsätta?</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Inget skrevs.</translation>
    </message>
    <message>
        <source>Usage: quillon copy-disc DRIVE --output IMAGE</source>
        <translation>Användning: quillon copy-disc DRIVE --output IMAGE</translation>
    </message>
    <message>
        <source>Copied the disc to %1.</source>
        <translation>Kopierade skivan till %1.</translation>
    </message>
    <message>
        <source>The disc could not be read.</source>
        <translation>Skivan kunde inte läsas.</translation>
    </message>
    <message>
        <source>The recorder&apos;s bus scan did not end within %1 seconds.</source>
        <translation>Sökningen efter brännare på bussen avslutades inte inom %1 sekunder.</translation>
    </message>
    <message>
        <source>No USB disk found — plug one in.</source>
        <translation>Ingen USB-disk hittades — anslut en.</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found.</source>
        <translation>Ingen CD/DVD-brännare hittades.</translation>
    </message>
    <message>
        <source>Unknown page %1: use burn, extract, create, edit or copy-disc.</source>
        <translation>Okänd sida %1: använd burn, extract, create, edit eller copy-disc.</translation>
    </message>
    <message>
        <source>quillon --help shows the usage.</source>
        <translation>quillon --help visar användningen.</translation>
    </message>
    <message>
        <source>The new image will not keep: %1</source>
        <translation>Den nya avbildningen behåller inte: %1</translation>
    </message>
    <message>
        <source>Usage: quillon burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT] [--label LABEL] [--yes]
       quillon burn IMAGE --disc RECORDER</source>
        <translation>Användning: quillon burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT] [--label LABEL] [--yes]
            quillon burn IMAGE --disc RECORDER</translation>
    </message>
    <message>
        <source>Unknown partition style %1: use mbr, gpt or image.</source>
        <translation>Okänd partitionsstil %1: använd mbr, gpt eller image.</translation>
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
        <translation>Användning: quillon [IMAGE]
            quillon --page burn|extract|create|edit|copy-disc [IMAGE]
            quillon SUBCOMMAND ...

Utan underkommando startar fönstret, med IMAGE öppen på sidan Extrahera (eller på sidan som
--page anger). Underkommandona kör samma jobb utan skärm:

  extract IMAGE TARGET [ITEM...]      extraherar objekten (alla om inga anges) till TARGET
  create --output IMAGE [--label LABEL] [--type joliet|iso9660|udf] SOURCE...
                                      skapar en avbildning från filer och mappar
  edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]...
       [--rename /PATH=NEWNAME]...    sparar en ändrad kopia som startar som originalet
  burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT]
       [--label LABEL] [--yes]        skapar ett startbart USB-minne (image: skriver en hybrid-
                                      avbildning som den är; filsystem och etikett ignoreras)
  burn IMAGE --disc RECORDER          skriver avbildningen till en cd/dvd
  copy-disc DRIVE --output IMAGE      läser in en cd/dvd till en avbildning
  list-drives                         USB-enheterna och brännarna som går att bränna till
  checksum IMAGE [--sha256|--sha1|--md5]
                                      avbildningens kontrollsumma (SHA-256 om inget annat anges), jämförd
                                      med SHA256SUMS eller IMAGE.sha256 (och liknande) bredvid

Alternativ:
  --force               ersätter en befintlig utdatafil (extract: befintliga filer)
  --yes                 skriver till USB-enheten utan att fråga
  --allow-loop-device   accepterar en loop-enhet som USB-enhet (tester; endast root)
  -h, --help            visar den här hjälpen
  -v, --version         visar versionen

Förloppet skrivs till standardfel, resultaten till standard ut (checksum: summan som sha256sum skriver den,
jämförelsen på standardfel). Slutstatus är 0 bara när jobbets egen kontroll godkändes (checksum: 1 när summan
skiljer sig från den bredvid avbildningen); Ctrl+C stoppar jobbet och tar bort ofullständiga utdata.</translation>
    </message>
    <message>
        <source>Usage: quillon checksum IMAGE [--sha256|--sha1|--md5]</source>
        <translation>Användning: quillon checksum IMAGE [--sha256|--sha1|--md5]</translation>
    </message>
</context>
<context>
    <name>CreateImageJob</name>
    <message>
        <source>Copy files and folders...</source>
        <translation>Kopierar filer och mappar...</translation>
    </message>
    <message>
        <source>These files could not be copied into the working folder, so no image was created (unreadable files, or a full disk?):
%1</source>
        <translation>Dessa filer kunde inte kopieras till arbetsmappen, så ingen avbild skapades (oläsbara filer eller full disk?):
%1</translation>
    </message>
</context>
<context>
    <name>DiscBurnJob</name>
    <message>
        <source>There is no disc in the drive.</source>
        <translation>Det finns ingen skiva i enheten.</translation>
    </message>
    <message>
        <source>The disc in the drive cannot be written: it is not blank, or not a kind of disc this drive can write.</source>
        <translation>Det går inte att skriva till skivan i enheten: den är inte tom, eller så kan enheten inte skriva den typen av skiva.</translation>
    </message>
    <message>
        <source>Writing to the disc failed.</source>
        <translation>Det gick inte att skriva till skivan.</translation>
    </message>
    <message>
        <source>The recorder ended abnormally.</source>
        <translation>Brännprogrammet avslutades onormalt.</translation>
    </message>
    <message>
        <source>The recorder ended with exit status %1.</source>
        <translation>Brännprogrammet avslutades med slutstatus %1.</translation>
    </message>
</context>
<context>
    <name>EditSession</name>
    <message>
        <source>Copy files and directories...</source>
        <translation>Kopierar filer och mappar...</translation>
    </message>
    <message>
        <source>7-Zip ended with exit status %1.</source>
        <translation>7-Zip avslutades med slutstatus %1.</translation>
    </message>
    <message>
        <source>The image %1 could not be opened: %2</source>
        <translation>Avbildningen %1 kunde inte öppnas: %2</translation>
    </message>
    <message>
        <source>The extraction did not complete.</source>
        <translation>Extraheringen slutfördes inte.</translation>
    </message>
    <message>
        <source>Please enter a name.</source>
        <translation>Ange ett namn.</translation>
    </message>
    <message>
        <source>A name cannot contain / or \.</source>
        <translation>Ett namn får inte innehålla / eller \.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists in this folder.</source>
        <translation>”%1” finns redan i den här mappen.</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>Extraherar ISO...</translation>
    </message>
    <message>
        <source>The image was not extracted completely: %1</source>
        <translation>Avbildningen extraherades inte helt: %1</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 är en mapp. Välj ett filnamn för avbildningen.</translation>
    </message>
    <message>
        <source>Please save the image under another name, outside the program&apos;s working folder.</source>
        <translation>Spara avbildningen med ett annat namn, utanför programmets arbetsmapp.</translation>
    </message>
    <message>
        <source>Saving ISO file...</source>
        <translation>Sparar ISO-fil...</translation>
    </message>
    <message>
        <source>These items are missing from the working folder, so the image would lack them:
%1</source>
        <translation>Dessa objekt saknas i arbetsmappen och skulle därför saknas i avbildningen:
%1</translation>
    </message>
    <message>
        <source>These items could not be copied:
%1</source>
        <translation>Dessa objekt kunde inte kopieras:
%1</translation>
    </message>
    <message>
        <source>The compressed (zisofs) files could not be unpacked: %1</source>
        <translation>De komprimerade (zisofs) filerna kunde inte packas upp: %1</translation>
    </message>
    <message>
        <source>These links could not be made: %1</source>
        <translation>Dessa länkar kunde inte skapas: %1</translation>
    </message>
    <message>
        <source>the original&apos;s boot setup for disks (its MBR or GPT system area)</source>
        <translation>originalets startinställningar för diskar (dess MBR- eller GPT-systemområde)</translation>
    </message>
    <message>
        <source>symbolic links and compressed files, if it has any (xorriso is not installed)</source>
        <translation>symboliska länkar och komprimerade filer, om det finns några (xorriso är inte installerat)</translation>
    </message>
    <message>
        <source>genisoimage: the image has no system area, so UDF and Joliet are written as before.</source>
        <translation>genisoimage: avbildningen har inget systemområde, så UDF och Joliet skrivs som tidigare.</translation>
    </message>
    <message>
        <source>genisoimage: the image has a UDF tree, which only genisoimage writes.</source>
        <translation>genisoimage: avbildningen har ett UDF-träd, som bara genisoimage skriver.</translation>
    </message>
    <message>
        <source>genisoimage: files of 4 GiB or more need its UDF tree.</source>
        <translation>genisoimage: filer på 4 GiB eller mer behöver dess UDF-träd.</translation>
    </message>
    <message>
        <source>genisoimage: xorriso, which keeps the system area, is not installed.</source>
        <translation>genisoimage: xorriso, som behåller systemområdet, är inte installerat.</translation>
    </message>
    <message>
        <source>genisoimage: the names 7-Zip reads differ from the image&apos;s Rock Ridge names.</source>
        <translation>genisoimage: namnen som 7-Zip läser skiljer sig från avbildningens Rock Ridge-namn.</translation>
    </message>
    <message>
        <source>xorriso: it replays the image&apos;s boot setup and system area, so the copy boots from a disk as the original does.</source>
        <translation>xorriso: det återskapar avbildningens startinställningar och systemområde, så kopian startar från en disk precis som originalet.</translation>
    </message>
    <message>
        <source>The saved image cannot be read.</source>
        <translation>Den sparade avbildningen kan inte läsas.</translation>
    </message>
    <message>
        <source>The saved image&apos;s system area (%1) differs from the original&apos;s (%2).</source>
        <translation>Den sparade avbildningens systemområde (%1) skiljer sig från originalets (%2).</translation>
    </message>
    <message>
        <source>These items were not exported: the folder holds a folder where a file would go, a file where a folder would go, or the image being edited:
%1</source>
        <translation>Dessa objekt exporterades inte: mappen innehåller en mapp där en fil skulle hamna, en fil där en mapp skulle hamna, eller avbildningen som redigeras:
%1</translation>
    </message>
</context>
<context>
    <name>ExtractJob</name>
    <message>
        <source>7-Zip stopped unexpectedly.</source>
        <translation>7-Zip stoppades oväntat.</translation>
    </message>
    <message>
        <source>7-Zip ended with exit code %1.</source>
        <translation>7-Zip avslutades med slutkod %1.</translation>
    </message>
    <message>
        <source>7-Zip did not confirm the extraction.</source>
        <translation>7-Zip bekräftade inte extraheringen.</translation>
    </message>
    <message>
        <source>Not extracted: %1</source>
        <translation>Inte extraherade: %1</translation>
    </message>
    <message>
        <source>Could not be moved into the output folder: %1</source>
        <translation>Kunde inte flyttas till målmappen: %1</translation>
    </message>
    <message>
        <source>Left as they were in the output folder: %1</source>
        <translation>Lämnades orörda i målmappen: %1</translation>
    </message>
    <message>
        <source>Nothing was selected.</source>
        <translation>Inget har markerats.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Mappen %1 finns inte.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>Det går inte att skriva till mappen %1: %2</translation>
    </message>
    <message>
        <source>7-Zip could not be started (%1): %2</source>
        <translation>7-Zip kunde inte startas (%1): %2</translation>
    </message>
    <message>
        <source>Copying files! Please wait a few seconds..</source>
        <translation>Kopierar filer. Vänta några sekunder...</translation>
    </message>
    <message>
        <source>Extracting files: </source>
        <translation>Extraherar filer: </translation>
    </message>
    <message>
        <source>Extracting files...</source>
        <translation>Extraherar filer...</translation>
    </message>
    <message>
        <source>Cannot write the list of items to extract: %1</source>
        <translation>Listan över objekt att extrahera kan inte skrivas: %1</translation>
    </message>
    <message>
        <source>This image holds symbolic links or compressed (zisofs) files, which only xorriso restores, and xorriso is not installed (package xorriso); links may have arrived as empty files.</source>
        <translation>Den här avbildningen innehåller symboliska länkar eller komprimerade (zisofs-)filer, som bara xorriso återställer, och xorriso är inte installerat (paketet xorriso); länkar kan ha kommit fram som tomma filer.</translation>
    </message>
    <message>
        <source>Restoring links and compressed files...</source>
        <translation>Återställer länkar och komprimerade filer...</translation>
    </message>
    <message>
        <source>xorriso could not read the image&apos;s Rock Ridge tree, so its links and compressed (zisofs) files could not be restored: %1</source>
        <translation>xorriso kunde inte läsa avbildningens Rock Ridge-träd, så dess länkar och komprimerade (zisofs-)filer kunde inte återställas: %1</translation>
    </message>
    <message>
        <source>These symbolic links could not be made: %1</source>
        <translation>Dessa symboliska länkar kunde inte skapas: %1</translation>
    </message>
    <message>
        <source>These links would point into Quillon&apos;s working folder and were left out: %1</source>
        <translation>Dessa länkar skulle peka in i Quillons arbetsmapp och utelämnades: %1</translation>
    </message>
    <message>
        <source>These compressed (zisofs) files could not be unpacked: %1</source>
        <translation>Dessa komprimerade (zisofs-)filer kunde inte packas upp: %1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Open Folder</source>
        <translation>Välj mapp</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Öppna fil</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Öppna filer</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Spara fil</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alla filer (*)</translation>
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
        <translation>Skapar ISO-fil...</translation>
    </message>
    <message>
        <source>The ISO file could not be created.</source>
        <translation>ISO-filen kunde inte skapas.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>Det går inte att skriva till mappen %1: %2</translation>
    </message>
    <message>
        <source>The ISO file could not be saved as %1.</source>
        <translation>ISO-filen kunde inte sparas som %1.</translation>
    </message>
    <message>
        <source>The image builder stopped unexpectedly.</source>
        <translation>Avbildsbyggaren stoppades oväntat.</translation>
    </message>
    <message>
        <source>The image file is incomplete: %1 bytes written, %2 bytes expected.</source>
        <translation>Avbildsfilen är ofullständig: %1 byte skrivna, %2 byte förväntade.</translation>
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
        <translation>%1 kvar</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 av %2</translation>
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
        <translation>Filen %1 är ingen ISO- eller UDF-avbildning.</translation>
    </message>
    <message>
        <source>The file %1 is not an ISO or UDF image: 7-Zip reads it as a %2 archive.</source>
        <translation>Filen %1 är ingen ISO- eller UDF-avbildning: 7-Zip läser den som ett %2-arkiv.</translation>
    </message>
    <message>
        <source>The image %1 could not be read. It may not be an ISO image, or it may be damaged.</source>
        <translation>Avbildningen %1 kunde inte läsas. Den är kanske ingen ISO-avbildning, eller så är den skadad.</translation>
    </message>
    <message>
        <source>The image %1 could not be read: 7-Zip could not be started (%2): %3</source>
        <translation>Avbildningen %1 kunde inte läsas: 7-Zip kunde inte startas (%2): %3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Burn</source>
        <translation>Bränn</translation>
    </message>
    <message>
        <source>Make bootable USB or DVD/CD from ISO</source>
        <translation>Gör startbar USB eller dvd/cd av ISO</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extrahera</translation>
    </message>
    <message>
        <source>Extract content from ISO</source>
        <translation>Extrahera innehåll ur ISO</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Skapa</translation>
    </message>
    <message>
        <source>Create ISO from files or folders</source>
        <translation>Skapa ISO av filer eller mappar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Redigera</translation>
    </message>
    <message>
        <source>
 Add, delete, rename 
 content in ISO file</source>
        <translation>
 Lägg till, ta bort, byt namn 
 på innehåll i ISO-fil</translation>
    </message>
    <message>
        <source>Copy Disk</source>
        <translation>Kopiera skiva</translation>
    </message>
    <message>
        <source>
 Make ISO file from 
 CD/DVD disc</source>
        <translation>
 Gör ISO-fil av 
 cd/dvd-skiva</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>&amp;Språk</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Engelska</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Kinesiska</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanska</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Franska</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tyska</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanska</translation>
    </message>
    <message>
        <source>Portugues</source>
        <translation>Portugisiska</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polska</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienska</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ryska</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Nederländska</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Svenska</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>CTRL+H</source>
        <translation>CTRL+H</translation>
    </message>
    <message>
        <source>About Us(&amp;U)</source>
        <translation>&amp;Om oss</translation>
    </message>
    <message>
        <source>CTRL+U</source>
        <translation>CTRL+U</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>&amp;Avsluta</translation>
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
        <translation>Avbildningen %1 finns inte.</translation>
    </message>
    <message>
        <source>%1 is not an image file.</source>
        <translation>%1 är ingen avbildningsfil.</translation>
    </message>
    <message>
        <source>A job is still running. Stop it and close the program?</source>
        <translation>Ett jobb körs fortfarande. Vill du stoppa det och stänga programmet?</translation>
    </message>
    <message>
        <source>Recent Images(&amp;R)</source>
        <translation>Senaste a&amp;vbildningar</translation>
    </message>
    <message>
        <source>No recent images</source>
        <translation>Inga senaste avbildningar</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Rensa listan</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>No web browser could be opened. The address is:
%1</source>
        <translation>Ingen webbläsare kunde öppnas. Adressen är:
%1</translation>
    </message>
</context>
<context>
    <name>Mkfs</name>
    <message numerus="yes">
        <source>a %1 label holds at most %n characters</source>
        <translation>
            <numerusform>en %1-etikett rymmer högst %n tecken</numerusform>
            <numerusform>en %1-etikett rymmer högst %n tecken</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 does not allow these characters in a label: %2</source>
        <translation>%1 tillåter inte dessa tecken i en etikett: %2</translation>
    </message>
</context>
<context>
    <name>PageWindow</name>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 finns redan. Vill du ersätta den?</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 is not a disk or partition.</source>
        <translation>%1 är varken en disk eller en partition.</translation>
    </message>
    <message>
        <source>The system does not know %1.</source>
        <translation>Systemet känner inte till %1.</translation>
    </message>
    <message>
        <source>The disk of %1 (%2) has no device node.</source>
        <translation>Disken för %1 (%2) har ingen enhetsnod.</translation>
    </message>
    <message>
        <source>%1 is not a drive.</source>
        <translation>%1 är ingen enhet.</translation>
    </message>
</context>
<context>
    <name>ReadDiscJob</name>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 är en mapp.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Mappen %1 finns inte.</translation>
    </message>
    <message>
        <source>%1 cannot be written to.</source>
        <translation>Det går inte att skriva till %1.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>Det går inte att skriva till mappen %1: %2</translation>
    </message>
    <message>
        <source>There is no readable disc in the drive.</source>
        <translation>Det finns ingen läsbar skiva i enheten.</translation>
    </message>
    <message>
        <source>A part of the disc cannot be read.</source>
        <translation>En del av skivan kan inte läsas.</translation>
    </message>
    <message>
        <source>Permission denied: the drive or the image file cannot be opened.</source>
        <translation>Åtkomst nekad: enheten eller avbildningsfilen kan inte öppnas.</translation>
    </message>
    <message>
        <source>The reader ended abnormally.</source>
        <translation>Läsprogrammet avslutades onormalt.</translation>
    </message>
    <message>
        <source>The reader ended with exit status %1.</source>
        <translation>Läsprogrammet avslutades med slutstatus %1.</translation>
    </message>
    <message>
        <source>The reader did not say how large the disc is.</source>
        <translation>Läsprogrammet angav inte hur stor skivan är.</translation>
    </message>
    <message>
        <source>The image is incomplete: %1 of %2 bytes were read.</source>
        <translation>Avbildningen är ofullständig: %1 av %2 byte lästes.</translation>
    </message>
    <message>
        <source>The image could not be put in place of %1.</source>
        <translation>Avbildningen kunde inte ersätta %1.</translation>
    </message>
</context>
<context>
    <name>RockRidge</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 saknas</translation>
    </message>
    <message>
        <source>%1 is no longer a link</source>
        <translation>%1 är inte längre en länk</translation>
    </message>
    <message>
        <source>%1 points to %2 instead of %3</source>
        <translation>%1 pekar på %2 i stället för %3</translation>
    </message>
    <message>
        <source>%1 is of another kind</source>
        <translation>%1 är av en annan typ</translation>
    </message>
    <message>
        <source>%1 has %2 bytes instead of %3</source>
        <translation>%1 har %2 byte i stället för %3</translation>
    </message>
    <message>
        <source>The saved image does not hold what the edit shows:
%1</source>
        <translation>Den sparade avbildningen innehåller inte det som redigeringen visar:
%1</translation>
    </message>
</context>
<context>
    <name>ScanbusJob</name>
    <message>
        <source>The disc recorder did not finish looking for drives within %1 seconds; no disc drive is listed.</source>
        <translation>Skivbrännaren slutförde inte sökningen efter enheter inom %1 sekunder; ingen skivenhet visas.</translation>
    </message>
</context>
<context>
    <name>ToolJob</name>
    <message>
        <source>%1 ended abnormally.</source>
        <translation>%1 avslutades onormalt.</translation>
    </message>
    <message>
        <source>%1 ended with exit status %2.</source>
        <translation>%1 avslutades med slutstatus %2.</translation>
    </message>
    <message>
        <source>Could not start %1.</source>
        <translation>Det gick inte att starta %1.</translation>
    </message>
    <message>
        <source>Install the package %1.</source>
        <translation>Installera paketet %1.</translation>
    </message>
</context>
<context>
    <name>UsbBurnJob</name>
    <message>
        <source>USB burn</source>
        <translation>USB-bränning</translation>
    </message>
    <message>
        <source>%1 is missing (install the package %2).</source>
        <translation>%1 saknas (installera paketet %2).</translation>
    </message>
    <message>
        <source>The image %1 does not exist.</source>
        <translation>Avbildningen %1 finns inte.</translation>
    </message>
    <message>
        <source>Unknown file system &quot;%1&quot;.</source>
        <translation>Okänt filsystem ”%1”.</translation>
    </message>
    <message>
        <source>%1 is not a USB disk this page lists; it was left alone.</source>
        <translation>%1 är ingen USB-enhet i den här sidans lista; den lämnades orörd.</translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1.</source>
        <translation>Det går inte att skapa en arbetsmapp i %1.</translation>
    </message>
    <message>
        <source>The image could not be read. %1</source>
        <translation>Avbildningen kunde inte läsas. %1</translation>
    </message>
    <message>
        <source>the image has no EFI/BOOT/BOOTX64.EFI</source>
        <translation>avbildningen saknar EFI/BOOT/BOOTX64.EFI</translation>
    </message>
    <message>
        <source>UEFI firmware reads FAT file systems only</source>
        <translation>UEFI-firmware läser bara FAT-filsystem</translation>
    </message>
    <message>
        <source>The image needs %1 on the USB disk, which holds %2; nothing was written.</source>
        <translation>Avbildningen behöver %1 på USB-enheten, som rymmer %2; inget skrevs.</translation>
    </message>
    <message>
        <source>Checking the request</source>
        <translation>Kontrollerar begäran</translation>
    </message>
    <message>
        <source>Reading the image</source>
        <translation>Läser avbildningen</translation>
    </message>
    <message>
        <source>Reading the image...</source>
        <translation>Läser avbildningen...</translation>
    </message>
    <message>
        <source>Preparing the burn</source>
        <translation>Förbereder bränningen</translation>
    </message>
    <message>
        <source>Copying the files</source>
        <translation>Kopierar filerna</translation>
    </message>
    <message>
        <source>7-Zip ended with exit status %1.</source>
        <translation>7-Zip avslutades med slutstatus %1.</translation>
    </message>
    <message>
        <source>Taking out the install image</source>
        <translation>Tar ut installationsavbildningen</translation>
    </message>
    <message>
        <source>There is no room for the install image (%1) in %2: %3 free.</source>
        <translation>Det finns inte plats för installationsavbildningen (%1) i %2: %3 ledigt.</translation>
    </message>
    <message>
        <source>Splitting the install image</source>
        <translation>Delar upp installationsavbildningen</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the image are missing or incomplete on the USB disk: %1</source>
        <translation>
            <numerusform>%n fil i avbildningen saknas eller är ofullständig på USB-enheten: %1</numerusform>
            <numerusform>%n filer i avbildningen saknas eller är ofullständiga på USB-enheten: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The USB disk starts on UEFI only: %1.</source>
        <translation>USB-enheten startar bara med UEFI: %1.</translation>
    </message>
    <message>
        <source>Neither BIOS nor UEFI can start from the USB disk: %1; %2.</source>
        <translation>Varken BIOS eller UEFI kan starta från USB-enheten: %1; %2.</translation>
    </message>
    <message>
        <source>UEFI cannot start from the USB disk: %1.</source>
        <translation>UEFI kan inte starta från USB-enheten: %1.</translation>
    </message>
    <message>
        <source>Burning failed. %1</source>
        <translation>Bränningen misslyckades. %1</translation>
    </message>
    <message>
        <source>Burning was stopped.</source>
        <translation>Bränningen avbröts.</translation>
    </message>
    <message>
        <source>The USB disk is incomplete and still mounted at %1.</source>
        <translation>USB-enheten är ofullständig och fortfarande monterad på %1.</translation>
    </message>
    <message>
        <source>The USB disk is incomplete.</source>
        <translation>USB-enheten är ofullständig.</translation>
    </message>
    <message>
        <source>The USB disk was not changed.</source>
        <translation>USB-enheten ändrades inte.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Inget skrevs.</translation>
    </message>
    <message>
        <source>FAT on this system goes through fusefat, which cannot write the name &quot;%1&quot;; choose NTFS or exFAT. Nothing was written.</source>
        <translation>FAT går på det här systemet via fusefat, som inte kan skriva namnet ”%1”; välj NTFS eller exFAT. Inget skrevs.</translation>
    </message>
    <message>
        <source>the image has no loader a BIOS can start from a USB disk</source>
        <translation>avbildningen saknar en startladdare som ett BIOS kan starta från en USB-enhet</translation>
    </message>
    <message>
        <source>Unmounting the USB disk</source>
        <translation>Avmonterar USB-enheten</translation>
    </message>
    <message>
        <source>Unmounting the USB disk...</source>
        <translation>Avmonterar USB-enheten...</translation>
    </message>
    <message>
        <source>Formatting the USB disk</source>
        <translation>Formaterar USB-enheten</translation>
    </message>
    <message>
        <source>Mounting the USB disk</source>
        <translation>Monterar USB-enheten</translation>
    </message>
    <message>
        <source>Mounting the USB disk...</source>
        <translation>Monterar USB-enheten...</translation>
    </message>
    <message>
        <source>Preparing the boot code</source>
        <translation>Förbereder startkoden</translation>
    </message>
    <message>
        <source>Building the boot code</source>
        <translation>Bygger startkoden</translation>
    </message>
    <message>
        <source>Installing the boot code</source>
        <translation>Installerar startkoden</translation>
    </message>
    <message>
        <source>grub-bios-setup is missing (install the package grub-pc-bin).</source>
        <translation>grub-bios-setup saknas (installera paketet grub-pc-bin).</translation>
    </message>
    <message>
        <source>Cannot write the boot code&apos;s files to the USB disk.</source>
        <translation>Det går inte att skriva startkodens filer till USB-enheten.</translation>
    </message>
    <message>
        <source>Writing the last data to the USB disk...</source>
        <translation>Skriver de sista data till USB-enheten...</translation>
    </message>
    <message>
        <source>Checking the file system</source>
        <translation>Kontrollerar filsystemet</translation>
    </message>
    <message>
        <source>Checking the USB disk...</source>
        <translation>Kontrollerar USB-enheten...</translation>
    </message>
    <message>
        <source>The file system on the USB disk is not clean: %1</source>
        <translation>Filsystemet på USB-enheten har fel: %1</translation>
    </message>
    <message>
        <source>Checking the label</source>
        <translation>Kontrollerar etiketten</translation>
    </message>
    <message>
        <source>The volume label cannot contain %1.</source>
        <translation>Volymetiketten får inte innehålla %1.</translation>
    </message>
    <message>
        <source>Burning the USB disk...</source>
        <translation>Skriver till USB-enheten...</translation>
    </message>
    <message>
        <source>Extract the wim file ...</source>
        <translation>Extraherar WIM-filen...</translation>
    </message>
    <message>
        <source>Process the wim file larger than 4 GB...</source>
        <translation>Bearbetar WIM-filen som är större än 4 GB...</translation>
    </message>
    <message>
        <source>Burning Successfully...</source>
        <translation>Bränningen lyckades...</translation>
    </message>
    <message>
        <source>The USB disk is under formating...</source>
        <translation>Formaterar USB-enheten...</translation>
    </message>
    <message>
        <source>The USB disk is installing bootsect...</source>
        <translation>Installerar startsektorn på USB-enheten...</translation>
    </message>
    <message>
        <source>%1 is a partition; choose the whole USB disk.</source>
        <translation>%1 är en partition; välj hela USB-enheten.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>Avbilden %1 kan inte läsas.</translation>
    </message>
    <message>
        <source>The image has no partition table of its own, so written as it is it would not start; choose MBR or GPT instead. Nothing was written.</source>
        <translation>Avbildningen har ingen egen partitionstabell, så skriven som den är skulle den inte starta; välj MBR eller GPT i stället. Ingenting skrevs.</translation>
    </message>
    <message>
        <source>The volume label &quot;%1&quot; cannot be used: %2. Nothing was written.</source>
        <translation>Volymetiketten &quot;%1&quot; kan inte användas: %2. Ingenting skrevs.</translation>
    </message>
    <message>
        <source>%1 cannot hold these names of the image apart, or refuses them: %2. Nothing was written.</source>
        <translation>%1 kan inte hålla isär dessa namn i avbildningen, eller vägrar dem: %2. Ingenting skrevs.</translation>
    </message>
    <message>
        <source>The USB disk can be removed.</source>
        <translation>USB-enheten kan tas bort.</translation>
    </message>
    <message>
        <source>Erasing the USB disk</source>
        <translation>Raderar USB-enheten</translation>
    </message>
    <message>
        <source>Writing the partition table</source>
        <translation>Skriver partitionstabellen</translation>
    </message>
    <message>
        <source>The new partition did not appear.</source>
        <translation>Den nya partitionen dök inte upp.</translation>
    </message>
    <message>
        <source>neither the image nor its El Torito EFI image has EFI/BOOT/BOOTX64.EFI</source>
        <translation>varken avbildningen eller dess El Torito EFI-avbildning har EFI/BOOT/BOOTX64.EFI</translation>
    </message>
    <message>
        <source>Cannot copy %1 of the El Torito EFI image to the USB disk.</source>
        <translation>Kan inte kopiera %1 från El Torito EFI-avbildningen till USB-enheten.</translation>
    </message>
    <message>
        <source>Reading the UEFI loader</source>
        <translation>Läser UEFI-laddaren</translation>
    </message>
    <message>
        <source>Copying the UEFI loader</source>
        <translation>Kopierar UEFI-laddaren</translation>
    </message>
    <message>
        <source>Cannot write the boot menu to the USB disk.</source>
        <translation>Kan inte skriva startmenyn till USB-enheten.</translation>
    </message>
    <message>
        <source>Reading the image back</source>
        <translation>Läser tillbaka avbildningen</translation>
    </message>
    <message>
        <source>Reading the USB disk back</source>
        <translation>Läser tillbaka USB-enheten</translation>
    </message>
    <message>
        <source>The files on the USB disk differ from the image&apos;s.</source>
        <translation>Filerna på USB-enheten skiljer sig från avbildningens.</translation>
    </message>
    <message>
        <source>Flushing the USB disk</source>
        <translation>Tömmer skrivbufferten till USB-enheten</translation>
    </message>
    <message>
        <source>Writing the image...</source>
        <translation>Skriver avbildningen...</translation>
    </message>
    <message>
        <source>Writing the image</source>
        <translation>Skriver avbildningen</translation>
    </message>
    <message>
        <source>Writing the image as it is is not available on this system; choose MBR or GPT.</source>
        <translation>Att skriva avbildningen som den är går inte på det här systemet; välj MBR eller GPT.</translation>
    </message>
</context>
<context>
    <name>UsbHelperClient</name>
    <message>
        <source>The USB helper could not be started: %1</source>
        <translation>USB-hjälparen kunde inte startas: %1</translation>
    </message>
    <message>
        <source>Authorisation was refused.</source>
        <translation>Auktoriseringen nekades.</translation>
    </message>
    <message>
        <source>The USB helper ended unexpectedly (exit status %1). %2</source>
        <translation>USB-hjälparen avslutades oväntat (slutstatus %1). %2</translation>
    </message>
</context>
<context>
    <name>UsbHelperStartStep</name>
    <message>
        <source>Starting the USB helper</source>
        <translation>Startar USB-hjälparen</translation>
    </message>
    <message>
        <source>Waiting for authorisation...</source>
        <translation>Väntar på behörighet...</translation>
    </message>
    <message>
        <source>The USB helper answered %1.</source>
        <translation>USB-hjälparen svarade %1.</translation>
    </message>
</context>
<context>
    <name>UsbHelperStep</name>
    <message>
        <source>The USB helper is not running.</source>
        <translation>USB-hjälparen körs inte.</translation>
    </message>
</context>
</TS>
