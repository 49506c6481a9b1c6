<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>BootRebuild</name>
    <message>
        <source>boot entry %1</source>
        <translation>opstartvermelding %1</translation>
    </message>
    <message>
        <source>The %1 is for a platform (%2) the image builder cannot write.</source>
        <translation>De %1 is voor een platform (%2) dat het imageprogramma niet kan schrijven.</translation>
    </message>
    <message>
        <source>The %1 could not be written to %2.</source>
        <translation>De %1 kon niet naar %2 worden geschreven.</translation>
    </message>
    <message>
        <source>The saved image cannot be read.</source>
        <translation>De opgeslagen image kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>The saved image&apos;s label is &quot;%1&quot;, not &quot;%2&quot;.</source>
        <translation>De volumenaam van de opgeslagen image is &quot;%1&quot;, niet &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The saved image has %1 boot entries, the original %2.</source>
        <translation>De opgeslagen image heeft %1 opstartvermeldingen, het origineel %2.</translation>
    </message>
    <message>
        <source>The saved image&apos;s %1 differs from the original&apos;s in its platform, emulation or load size.</source>
        <translation>In de opgeslagen image wijkt de %1 af van het origineel in platform, emulatie of laadgrootte.</translation>
    </message>
    <message>
        <source>The saved image&apos;s %1 does not hold the original&apos;s boot image.</source>
        <translation>In de opgeslagen image bevat de %1 niet de opstartimage van het origineel.</translation>
    </message>
</context>
<context>
    <name>CAboutusDialog</name>
    <message>
        <source>About Quillon</source>
        <translation>Over Quillon</translation>
    </message>
    <message>
        <source>Quillon is free software: you may copy and share it under its licence. It comes with no warranty, so check every disk you write.</source>
        <translation>Quillon is vrije software: u mag het volgens de licentie kopiëren en delen. Er wordt geen enkele garantie gegeven, dus controleer elke schijf die u schrijft.</translation>
    </message>
    <message>
        <source>Copyright (C) the Quillon developers.</source>
        <translation>Copyright (C) de ontwikkelaars van Quillon.</translation>
    </message>
    <message>
        <source>Please visit offical site: </source>
        <translation>Bezoek de officiële website: </translation>
    </message>
</context>
<context>
    <name>CBurnDialog</name>
    <message>
        <source>Browse</source>
        <translation>Bladeren</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Branden</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialoogvenster</translation>
    </message>
    <message>
        <source>ISO Image:</source>
        <translation>ISO-image:</translation>
    </message>
    <message>
        <source>Create A Bootable DVD/CD</source>
        <translation>Opstartbare dvd/cd maken</translation>
    </message>
    <message>
        <source>Select a target disc then click BURN button</source>
        <translation>Kies een doelschijf en klik op Branden</translation>
    </message>
    <message>
        <source>Create A Bootable USB</source>
        <translation>Opstartbare USB maken</translation>
    </message>
    <message>
        <source>Select a target USB then click BURN button</source>
        <translation>Kies een USB-doelstation en klik op Branden</translation>
    </message>
    <message>
        <source>Partition Style</source>
        <translation>Partitiestijl</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Bestandssysteem</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>Volumenaam</translation>
    </message>
    <message>
        <source>Burn Failed! Do as following:
1.Try to burn again.
2.Change another USB drive or DVD.</source>
        <translation>Branden mislukt! Doe het volgende:
1. Probeer opnieuw te branden.
2. Gebruik een ander USB-station of een andere dvd.</translation>
    </message>
    <message>
        <source>Please insert your USB drive to computer</source>
        <translation>Sluit uw USB-station aan op de computer</translation>
    </message>
    <message>
        <source>Your USB drive will be formatted and all data in it will be deleted! Do you want to continue?</source>
        <translation>Uw USB-station wordt geformatteerd en alle gegevens erop worden gewist! Wilt u doorgaan?</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Onvoldoende ruimte. Gebruik een USB-station of cd/dvd met meer capaciteit.</translation>
    </message>
    <message>
        <source>Burning the disc...</source>
        <translation>Schijf branden...</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>Schijf is gebrand.</translation>
    </message>
    <message>
        <source>The disc could not be burned.</source>
        <translation>De schijf kon niet worden gebrand.</translation>
    </message>
    <message>
        <source>No USB disk found — plug one in</source>
        <translation>Geen USB-station gevonden — sluit er een aan</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found</source>
        <translation>Geen CD/DVD-brander gevonden</translation>
    </message>
    <message>
        <source>Image (write the ISO as it is)</source>
        <translation>Image (de ISO ongewijzigd schrijven)</translation>
    </message>
    <message>
        <source>Connect a CD/DVD recorder with a blank disc in it, or choose a USB disk instead.</source>
        <translation>Sluit een CD/DVD-brander met een lege schijf aan, of kies in plaats daarvan een USB-station.</translation>
    </message>
    <message>
        <source>The burn was stopped. The disc may be unusable.</source>
        <translation>Het branden is gestopt. De schijf is mogelijk onbruikbaar.</translation>
    </message>
    <message>
        <source>Checksum...</source>
        <translation>Controlegetal...</translation>
    </message>
</context>
<context>
    <name>CPage2</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogvenster</translation>
    </message>
    <message>
        <source>ISO Extract</source>
        <translation>ISO uitpakken</translation>
    </message>
    <message>
        <source>Directly extract everything from ISO image file and export to your computer.</source>
        <translation>Pak de volledige inhoud van een ISO-imagebestand direct uit en sla die op uw computer op.</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>ISO laden</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Uitpakken</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Grootte</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Extract(&amp;E)</source>
        <translation>&amp;Uitpakken</translation>
    </message>
    <message>
        <source>The image %1 seems to be damaged or incomplete; some items may not extract.</source>
        <translation>De image %1 lijkt beschadigd of onvolledig; sommige items worden mogelijk niet uitgepakt.</translation>
    </message>
    <message>
        <source>Please select the files or folders you want to extract</source>
        <translation>Selecteer de bestanden of mappen die u wilt uitpakken</translation>
    </message>
    <message>
        <source>The files could not be extracted.</source>
        <translation>De bestanden konden niet worden uitgepakt.</translation>
    </message>
    <message>
        <source>Extract files successfully.</source>
        <translation>Bestanden zijn uitgepakt.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) in %1 would be replaced by the extracted ones:</source>
        <translation>
            <numerusform>%n bestand in %1 zou worden vervangen door het uitgepakte:</numerusform>
            <numerusform>%n bestanden in %1 zouden worden vervangen door de uitgepakte:</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Vervangen</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Behouden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Please load an ISO image first, then select the files or folders you want to extract</source>
        <translation>Laad eerst een ISO-image en selecteer dan de bestanden of mappen die u wilt uitpakken</translation>
    </message>
    <message>
        <source>More than one selected item is called %1. Please extract them one at a time.</source>
        <translation>Meer dan één geselecteerd item heet %1. Pak ze één voor één uit.</translation>
    </message>
    <message>
        <source>Your own files were kept in: %1</source>
        <translation>Uw eigen bestanden zijn bewaard in: %1</translation>
    </message>
    <message>
        <source>%1 of %2 items were extracted.</source>
        <translation>%1 van %2 items zijn uitgepakt.</translation>
    </message>
</context>
<context>
    <name>CPage3</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogvenster</translation>
    </message>
    <message>
        <source>File &amp; Folder Backup</source>
        <translation>Back-up van bestanden &amp; mappen</translation>
    </message>
    <message>
        <source>Backup Type:</source>
        <translation>Back-uptype:</translation>
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
        <translation>Max. grootte: 5 GB</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Bestanden toevoegen...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Map toevoegen...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Create ISO</source>
        <translation>ISO maken</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Bestandspad</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Grootte</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Add Files(&amp;F)</source>
        <translation>&amp;Bestanden toevoegen</translation>
    </message>
    <message>
        <source>Add Dirs(&amp;D)</source>
        <translation>&amp;Mappen toevoegen</translation>
    </message>
    <message>
        <source>Remove(&amp;R)</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>The working folder for the image could not be created below %1.</source>
        <translation>De werkmap voor de image kon niet worden aangemaakt in %1.</translation>
    </message>
    <message>
        <source>Total Size: </source>
        <translation>Totale grootte: </translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Voeg eerst bestanden of mappen toe!</translation>
    </message>
    <message>
        <source>Please select one type</source>
        <translation>Kies een type</translation>
    </message>
    <message>
        <source>These files are 4 GB or larger:
%1
ISO 9660 and Joliet cannot record such sizes. The image will also get a UDF file system that holds them; programs that read only ISO 9660 or Joliet will see wrong sizes. Choose &quot;UDF ISO&quot; to avoid this question. Create the image anyway?</source>
        <translation>Deze bestanden zijn 4 GB of groter:
%1
ISO 9660 en Joliet kunnen zulke groottes niet vastleggen. De image krijgt daarom ook een UDF-bestandssysteem dat ze bevat; programma’s die alleen ISO 9660 of Joliet lezen, zien verkeerde groottes. Kies &quot;UDF ISO&quot; om deze vraag te vermijden. De image toch maken?</translation>
    </message>
    <message>
        <source>Please save the image outside the program&apos;s working folder.</source>
        <translation>Sla de image op buiten de werkmap van het programma.</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 is een map. Kies een bestandsnaam voor de image.</translation>
    </message>
    <message>
        <source>Create ISO successfully!</source>
        <translation>ISO is gemaakt!</translation>
    </message>
    <message>
        <source>The files and folders in the list will be discarded. Go back anyway?</source>
        <translation>De bestanden en mappen in de lijst worden verwijderd. Toch teruggaan?</translation>
    </message>
    <message>
        <source>These items were not added: an item of the same name is already there, a folder that cannot be read, a backslash in the name, a link back to a folder that holds it, or the program&apos;s own working folder:
%1</source>
        <translation>Deze items zijn niet toegevoegd: er is al een item met dezelfde naam, een map die niet kan worden gelezen, een backslash in de naam, een koppeling naar een map die het item zelf bevat, of de eigen werkmap van het programma:
%1</translation>
    </message>
</context>
<context>
    <name>CPage4</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogvenster</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>ISO laden</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Hernoemen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Grootte</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Add(&amp;A)</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>Export(&amp;E)</source>
        <translation>&amp;Exporteren</translation>
    </message>
    <message>
        <source>Rename(&amp;R)</source>
        <translation>&amp;Hernoemen</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>The working folder for the image could not be created below %1.</source>
        <translation>De werkmap voor de image kon niet worden aangemaakt in %1.</translation>
    </message>
    <message>
        <source>These items were not added: this folder already holds an item of that name:
%1</source>
        <translation>Deze items zijn niet toegevoegd, omdat deze map al een item met die naam bevat:
%1</translation>
    </message>
    <message>
        <source>Please select one row in the table list first</source>
        <translation>Selecteer eerst één rij in de lijst</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nieuwe map</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>ISO uitpakken...</translation>
    </message>
    <message>
        <source>Please select files or folders in the list first.</source>
        <translation>Selecteer eerst bestanden of mappen in de lijst.</translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Voeg eerst bestanden of mappen toe!</translation>
    </message>
    <message>
        <source>Save ISO file successfully!</source>
        <translation>ISO-bestand is opgeslagen!</translation>
    </message>
    <message>
        <source>Export Successfully !</source>
        <translation>Exporteren gelukt!</translation>
    </message>
    <message>
        <source>The ISO file could not be saved.</source>
        <translation>Het ISO-bestand kon niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>The items could not be exported.</source>
        <translation>De items konden niet worden geëxporteerd.</translation>
    </message>
    <message>
        <source>These items were not added: a folder that cannot be read, a backslash in the name, a link back to a folder that holds it, or the program&apos;s own working folder:
%1</source>
        <translation>Deze items zijn niet toegevoegd: een map die niet kan worden gelezen, een backslash in de naam, een koppeling naar een map die het item zelf bevat, of de eigen werkmap van het programma:
%1</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 bestaat al. Wilt u het vervangen?</translation>
    </message>
    <message>
        <source>The new image will not keep %1. Save anyway?</source>
        <translation>De nieuwe image behoudt %1 niet. Toch opslaan?</translation>
    </message>
    <message>
        <source> and </source>
        <translation> en </translation>
    </message>
    <message>
        <source>%1 already holds items of these names:
%2
Replace them with the exported ones?</source>
        <translation>%1 bevat al items met deze namen:
%2
Vervangen door de geëxporteerde?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Vervangen</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Behouden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>The changes to %1 have not been saved.</source>
        <translation>De wijzigingen in %1 zijn niet opgeslagen.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Weggooien</translation>
    </message>
</context>
<context>
    <name>CPage5</name>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialoogvenster</translation>
    </message>
    <message>
        <source>Make Image From Disc</source>
        <translation>Image van schijf maken</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Bron</translation>
    </message>
    <message>
        <source>Select a CD/DVD drive:</source>
        <translation>Kies een cd/dvd-station:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Doel</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Uitvoerformaat:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Locatie</translation>
    </message>
    <message>
        <source>Please select the iso file to save</source>
        <translation>Kies waar het ISO-bestand moet worden opgeslagen</translation>
    </message>
    <message>
        <source>Please select the iso file to save.</source>
        <translation>Kies waar het ISO-bestand moet worden opgeslagen.</translation>
    </message>
    <message>
        <source>The image cannot be saved there.</source>
        <translation>De image kan daar niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>Start reading...</source>
        <translation>Lezen starten...</translation>
    </message>
    <message>
        <source>Reading Disc...</source>
        <translation>Schijf lezen...</translation>
    </message>
    <message>
        <source>Copy CD/DVD successfully!</source>
        <translation>Cd/dvd is gekopieerd!</translation>
    </message>
    <message>
        <source>The disc could not be copied.</source>
        <translation>De schijf kon niet worden gekopieerd.</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found</source>
        <translation>Geen CD/DVD-brander gevonden</translation>
    </message>
    <message>
        <source>Connect a CD/DVD drive with the disc to copy in it, then press Start again.</source>
        <translation>Sluit een cd/dvd-station aan met de te kopiëren schijf erin en klik daarna opnieuw op Starten.</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
</context>
<context>
    <name>ChecksumJob</name>
    <message>
        <source>The %1 checksum matches %2.</source>
        <translation>Het %1-controlegetal komt overeen met %2.</translation>
    </message>
    <message>
        <source>The %1 checksum does not match %2: the image is damaged or not the one published.</source>
        <translation>Het %1-controlegetal komt niet overeen met %2: de image is beschadigd of niet de gepubliceerde.</translation>
    </message>
    <message>
        <source>No %1 checksum of this image lies beside it to compare with.</source>
        <translation>Naast deze image staat geen %1-controlegetal om mee te vergelijken.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>Het image %1 kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>Reading %1 failed: %2</source>
        <translation>Lezen van %1 is mislukt: %2</translation>
    </message>
    <message>
        <source>Computing the %1 checksum...</source>
        <translation>Het %1-controlegetal wordt berekend...</translation>
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
        <translation>Nee</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Map openen</translation>
    </message>
    <message>
        <source>No file manager could be opened. The folder is:
%1</source>
        <translation>Er kon geen bestandsbeheerder worden geopend. De map is:
%1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Stopped; nothing incomplete was left behind.</source>
        <translation>Gestopt; er is niets onvolledigs achtergebleven.</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 is een map. Kies een bestandsnaam voor de image.</translation>
    </message>
    <message>
        <source>%1 already exists. Add --force to replace it.</source>
        <translation>%1 bestaat al. Voeg --force toe om het te vervangen.</translation>
    </message>
    <message>
        <source>The image %1 does not exist.</source>
        <translation>De image %1 bestaat niet.</translation>
    </message>
    <message>
        <source>%1 is not an image file.</source>
        <translation>%1 is geen imagebestand.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>Het image %1 kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>Usage: quillon extract IMAGE TARGET [ITEM...]</source>
        <translation>Gebruik: quillon extract IMAGE TARGET [ITEM...]</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 is geen map.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Gestopt.</translation>
    </message>
    <message>
        <source>%1 is not in the image.</source>
        <translation>%1 staat niet in het image.</translation>
    </message>
    <message>
        <source>The image holds no files.</source>
        <translation>Het image bevat geen bestanden.</translation>
    </message>
    <message>
        <source>These files already exist in %1. Add --force to replace them:
%2</source>
        <translation>Deze bestanden bestaan al in %1. Voeg --force toe om ze te vervangen:
%2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>De map %1 kan niet worden aangemaakt.</translation>
    </message>
    <message>
        <source>Extracted %1 items to %2.</source>
        <translation>%1 items uitgepakt naar %2.</translation>
    </message>
    <message>
        <source>The items could not be extracted.</source>
        <translation>De items konden niet worden uitgepakt.</translation>
    </message>
    <message>
        <source>Usage: quillon create --output IMAGE [--label LABEL] SOURCE...</source>
        <translation>Gebruik: quillon create --output IMAGE [--label LABEL] SOURCE...</translation>
    </message>
    <message>
        <source>Unknown image type %1: use joliet, iso9660 or udf.</source>
        <translation>Onbekend imagetype %1: gebruik joliet, iso9660 of udf.</translation>
    </message>
    <message>
        <source>The working folder could not be created below %1.</source>
        <translation>De werkmap kon niet worden aangemaakt in %1.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 bestaat niet.</translation>
    </message>
    <message>
        <source>%1 cannot be added: another item has its name, it cannot be read, or it holds a backslash in a name.</source>
        <translation>%1 kan niet worden toegevoegd: een ander item heeft dezelfde naam, het kan niet worden gelezen of een naam bevat een backslash.</translation>
    </message>
    <message>
        <source>Files of 4 GiB or more show their true size only in the image&apos;s UDF tree.</source>
        <translation>Bestanden van 4 GiB of groter tonen hun werkelijke grootte alleen in de UDF-structuur van het image.</translation>
    </message>
    <message>
        <source>Created %1 (%2 bytes).</source>
        <translation>%1 aangemaakt (%2 bytes).</translation>
    </message>
    <message>
        <source>The ISO file could not be created.</source>
        <translation>Het ISO-bestand kon niet worden gemaakt.</translation>
    </message>
    <message>
        <source>Usage: quillon edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]... [--rename /PATH=NEWNAME]...</source>
        <translation>Gebruik: quillon edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]... [--rename /PATH=NEWNAME]...</translation>
    </message>
    <message>
        <source>--add needs SOURCE=/PATH/IN/IMAGE, not %1.</source>
        <translation>--add verwacht SOURCE=/PATH/IN/IMAGE, niet %1.</translation>
    </message>
    <message>
        <source>--rename needs /PATH=NEWNAME, not %1.</source>
        <translation>--rename verwacht /PATH=NEWNAME, niet %1.</translation>
    </message>
    <message>
        <source>The image has no folder %1.</source>
        <translation>Het image bevat geen map %1.</translation>
    </message>
    <message>
        <source>%1 cannot be added: it cannot be read, it holds a backslash in a name, or it links back to a folder that holds it.</source>
        <translation>%1 kan niet worden toegevoegd: het kan niet worden gelezen, een naam bevat een backslash of het verwijst terug naar een map die het bevat.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 opgeslagen.</translation>
    </message>
    <message>
        <source>The ISO file could not be saved.</source>
        <translation>Het ISO-bestand kon niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>No CD/DVD recorder %1 found. quillon list-drives shows the recorders.</source>
        <translation>Geen CD/DVD-brander %1 gevonden. quillon list-drives toont de branders.</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>Schijf is gebrand.</translation>
    </message>
    <message>
        <source>The disc could not be burned.</source>
        <translation>De schijf kon niet worden gebrand.</translation>
    </message>
    <message>
        <source>--allow-loop-device is for tests and only accepted as root.</source>
        <translation>--allow-loop-device is bedoeld voor tests en wordt alleen als root geaccepteerd.</translation>
    </message>
    <message>
        <source>%1 is not a USB disk. quillon list-drives shows the USB disks.</source>
        <translation>%1 is geen USB-schijf. quillon list-drives toont de USB-schijven.</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Onvoldoende ruimte. Gebruik een USB-station of cd/dvd met meer capaciteit.</translation>
    </message>
    <message>
        <source>Unknown file system %1: use FAT32, NTFS, exFAT or FAT.</source>
        <translation>Onbekend bestandssysteem %1: gebruik FAT32, NTFS, exFAT of FAT.</translation>
    </message>
    <message>
        <source>All data on %1 will be deleted. Continue?</source>
        <translation>Alle gegevens op %1 worden gewist. Doorgaan?</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Er is niets geschreven.</translation>
    </message>
    <message>
        <source>Usage: quillon copy-disc DRIVE --output IMAGE</source>
        <translation>Gebruik: quillon copy-disc DRIVE --output IMAGE</translation>
    </message>
    <message>
        <source>Copied the disc to %1.</source>
        <translation>Schijf gekopieerd naar %1.</translation>
    </message>
    <message>
        <source>The disc could not be read.</source>
        <translation>De schijf kon niet worden gelezen.</translation>
    </message>
    <message>
        <source>The recorder&apos;s bus scan did not end within %1 seconds.</source>
        <translation>Het zoeken naar branders op de bus is niet binnen %1 seconden voltooid.</translation>
    </message>
    <message>
        <source>No USB disk found — plug one in.</source>
        <translation>Geen USB-schijf gevonden — sluit er een aan.</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found.</source>
        <translation>Geen CD/DVD-brander gevonden.</translation>
    </message>
    <message>
        <source>Unknown page %1: use burn, extract, create, edit or copy-disc.</source>
        <translation>Onbekende pagina %1: gebruik burn, extract, create, edit of copy-disc.</translation>
    </message>
    <message>
        <source>quillon --help shows the usage.</source>
        <translation>quillon --help toont het gebruik.</translation>
    </message>
    <message>
        <source>The new image will not keep: %1</source>
        <translation>De nieuwe image behoudt het volgende niet: %1</translation>
    </message>
    <message>
        <source>Usage: quillon burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT] [--label LABEL] [--yes]
       quillon burn IMAGE --disc RECORDER</source>
        <translation>Gebruik: quillon burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT] [--label LABEL] [--yes]
         quillon burn IMAGE --disc RECORDER</translation>
    </message>
    <message>
        <source>Unknown partition style %1: use mbr, gpt or image.</source>
        <translation>Onbekende partitiestijl %1: gebruik mbr, gpt of image.</translation>
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
        <translation>Gebruik: quillon [IMAGE]
         quillon --page burn|extract|create|edit|copy-disc [IMAGE]
         quillon SUBCOMMAND ...

Zonder subopdracht start het venster, met IMAGE geopend op de pagina Uitpakken (of op de pagina
die --page noemt). De subopdrachten voeren dezelfde taken uit zonder scherm:

  extract IMAGE TARGET [ITEM...]      pakt de items (alles als er geen zijn opgegeven) uit naar TARGET
  create --output IMAGE [--label LABEL] [--type joliet|iso9660|udf] SOURCE...
                                      maakt een image van bestanden en mappen
  edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]...
       [--rename /PATH=NEWNAME]...    slaat een gewijzigde kopie op die opstart zoals het origineel
  burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT]
       [--label LABEL] [--yes]        maakt een opstartbare USB-stick (image: schrijft een hybride
                                      image ongewijzigd; bestandssysteem en naam worden genegeerd)
  burn IMAGE --disc RECORDER          schrijft de image naar een cd/dvd
  copy-disc DRIVE --output IMAGE      leest een cd/dvd in een image
  list-drives                         de USB-stations en branders waarop gebrand kan worden
  checksum IMAGE [--sha256|--sha1|--md5]
                                      het controlegetal van de image (SHA-256 tenzij anders genoemd), vergeleken
                                      met SHA256SUMS of IMAGE.sha256 (en dergelijke) ernaast

Opties:
  --force               vervangt een bestaand uitvoerbestand (extract: bestaande bestanden)
  --yes                 schrijft zonder te vragen naar het USB-station
  --allow-loop-device   accepteert een loop-apparaat als USB-station (tests; alleen root)
  -h, --help            toont deze hulp
  -v, --version         toont de versie

De voortgang gaat naar standaardfout, de resultaten naar standaarduitvoer (checksum: de som zoals sha256sum die
toont, de vergelijking op standaardfout). De afsluitstatus is alleen 0 als de eigen controle van de taak slaagde
(checksum: 1 als de som afwijkt van die naast de image); Ctrl+C stopt de taak en verwijdert gedeeltelijke uitvoer.</translation>
    </message>
    <message>
        <source>Usage: quillon checksum IMAGE [--sha256|--sha1|--md5]</source>
        <translation>Gebruik: quillon checksum IMAGE [--sha256|--sha1|--md5]</translation>
    </message>
</context>
<context>
    <name>CreateImageJob</name>
    <message>
        <source>Copy files and folders...</source>
        <translation>Bestanden en mappen kopiëren...</translation>
    </message>
    <message>
        <source>These files could not be copied into the working folder, so no image was created (unreadable files, or a full disk?):
%1</source>
        <translation>Deze bestanden konden niet naar de werkmap worden gekopieerd, dus er is geen image gemaakt (onleesbare bestanden of een volle schijf?):
%1</translation>
    </message>
</context>
<context>
    <name>DiscBurnJob</name>
    <message>
        <source>There is no disc in the drive.</source>
        <translation>Er zit geen schijf in het station.</translation>
    </message>
    <message>
        <source>The disc in the drive cannot be written: it is not blank, or not a kind of disc this drive can write.</source>
        <translation>Er kan niet naar de schijf in het station worden geschreven: hij is niet leeg, of dit station kan dit soort schijf niet beschrijven.</translation>
    </message>
    <message>
        <source>Writing to the disc failed.</source>
        <translation>Schrijven naar de schijf is mislukt.</translation>
    </message>
    <message>
        <source>The recorder ended abnormally.</source>
        <translation>Het brandprogramma is abnormaal beëindigd.</translation>
    </message>
    <message>
        <source>The recorder ended with exit status %1.</source>
        <translation>Het brandprogramma is beëindigd met afsluitstatus %1.</translation>
    </message>
</context>
<context>
    <name>EditSession</name>
    <message>
        <source>Copy files and directories...</source>
        <translation>Bestanden en mappen kopiëren...</translation>
    </message>
    <message>
        <source>7-Zip ended with exit status %1.</source>
        <translation>7-Zip is beëindigd met afsluitstatus %1.</translation>
    </message>
    <message>
        <source>The image %1 could not be opened: %2</source>
        <translation>De image %1 kon niet worden geopend: %2</translation>
    </message>
    <message>
        <source>The extraction did not complete.</source>
        <translation>Het uitpakken is niet voltooid.</translation>
    </message>
    <message>
        <source>Please enter a name.</source>
        <translation>Voer een naam in.</translation>
    </message>
    <message>
        <source>A name cannot contain / or \.</source>
        <translation>Een naam mag geen / of \ bevatten.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists in this folder.</source>
        <translation>&quot;%1&quot; bestaat al in deze map.</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>ISO uitpakken...</translation>
    </message>
    <message>
        <source>The image was not extracted completely: %1</source>
        <translation>De image is niet volledig uitgepakt: %1</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 is een map. Kies een bestandsnaam voor de image.</translation>
    </message>
    <message>
        <source>Please save the image under another name, outside the program&apos;s working folder.</source>
        <translation>Sla de image op onder een andere naam, buiten de werkmap van het programma.</translation>
    </message>
    <message>
        <source>Saving ISO file...</source>
        <translation>ISO-bestand opslaan...</translation>
    </message>
    <message>
        <source>These items are missing from the working folder, so the image would lack them:
%1</source>
        <translation>Deze items ontbreken in de werkmap en zouden dus ook in de image ontbreken:
%1</translation>
    </message>
    <message>
        <source>These items could not be copied:
%1</source>
        <translation>Deze items konden niet worden gekopieerd:
%1</translation>
    </message>
    <message>
        <source>The compressed (zisofs) files could not be unpacked: %1</source>
        <translation>De gecomprimeerde (zisofs) bestanden konden niet worden uitgepakt: %1</translation>
    </message>
    <message>
        <source>These links could not be made: %1</source>
        <translation>Deze koppelingen konden niet worden gemaakt: %1</translation>
    </message>
    <message>
        <source>the original&apos;s boot setup for disks (its MBR or GPT system area)</source>
        <translation>de opstartinstellingen van het origineel voor schijven (het MBR- of GPT-systeemgebied)</translation>
    </message>
    <message>
        <source>symbolic links and compressed files, if it has any (xorriso is not installed)</source>
        <translation>symbolische koppelingen en gecomprimeerde bestanden, als die er zijn (xorriso is niet geïnstalleerd)</translation>
    </message>
    <message>
        <source>genisoimage: the image has no system area, so UDF and Joliet are written as before.</source>
        <translation>genisoimage: de image heeft geen systeemgebied, dus UDF en Joliet worden geschreven zoals voorheen.</translation>
    </message>
    <message>
        <source>genisoimage: the image has a UDF tree, which only genisoimage writes.</source>
        <translation>genisoimage: de image heeft een UDF-structuur, die alleen genisoimage schrijft.</translation>
    </message>
    <message>
        <source>genisoimage: files of 4 GiB or more need its UDF tree.</source>
        <translation>genisoimage: bestanden van 4 GiB of groter hebben de UDF-structuur nodig.</translation>
    </message>
    <message>
        <source>genisoimage: xorriso, which keeps the system area, is not installed.</source>
        <translation>genisoimage: xorriso, dat het systeemgebied behoudt, is niet geïnstalleerd.</translation>
    </message>
    <message>
        <source>genisoimage: the names 7-Zip reads differ from the image&apos;s Rock Ridge names.</source>
        <translation>genisoimage: de namen die 7-Zip leest, verschillen van de Rock Ridge-namen van de image.</translation>
    </message>
    <message>
        <source>xorriso: it replays the image&apos;s boot setup and system area, so the copy boots from a disk as the original does.</source>
        <translation>xorriso: het herhaalt de opstartinstellingen en het systeemgebied van de image, zodat de kopie net als het origineel van een schijf opstart.</translation>
    </message>
    <message>
        <source>The saved image cannot be read.</source>
        <translation>De opgeslagen image kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>The saved image&apos;s system area (%1) differs from the original&apos;s (%2).</source>
        <translation>Het systeemgebied van de opgeslagen image (%1) verschilt van dat van het origineel (%2).</translation>
    </message>
    <message>
        <source>These items were not exported: the folder holds a folder where a file would go, a file where a folder would go, or the image being edited:
%1</source>
        <translation>Deze items zijn niet geëxporteerd: de map bevat een map waar een bestand zou komen, een bestand waar een map zou komen, of de image die wordt bewerkt:
%1</translation>
    </message>
</context>
<context>
    <name>ExtractJob</name>
    <message>
        <source>7-Zip stopped unexpectedly.</source>
        <translation>7-Zip is onverwacht gestopt.</translation>
    </message>
    <message>
        <source>7-Zip ended with exit code %1.</source>
        <translation>7-Zip is beëindigd met afsluitcode %1.</translation>
    </message>
    <message>
        <source>7-Zip did not confirm the extraction.</source>
        <translation>7-Zip heeft het uitpakken niet bevestigd.</translation>
    </message>
    <message>
        <source>Not extracted: %1</source>
        <translation>Niet uitgepakt: %1</translation>
    </message>
    <message>
        <source>Could not be moved into the output folder: %1</source>
        <translation>Kon niet naar de doelmap worden verplaatst: %1</translation>
    </message>
    <message>
        <source>Left as they were in the output folder: %1</source>
        <translation>Ongewijzigd gelaten in de doelmap: %1</translation>
    </message>
    <message>
        <source>Nothing was selected.</source>
        <translation>Er is niets geselecteerd.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>De map %1 bestaat niet.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>Kan niet schrijven naar de map %1: %2</translation>
    </message>
    <message>
        <source>7-Zip could not be started (%1): %2</source>
        <translation>7-Zip kon niet worden gestart (%1): %2</translation>
    </message>
    <message>
        <source>Copying files! Please wait a few seconds..</source>
        <translation>Bestanden kopiëren. Een ogenblik geduld...</translation>
    </message>
    <message>
        <source>Extracting files: </source>
        <translation>Bestanden uitpakken: </translation>
    </message>
    <message>
        <source>Extracting files...</source>
        <translation>Bestanden uitpakken...</translation>
    </message>
    <message>
        <source>Cannot write the list of items to extract: %1</source>
        <translation>De lijst met uit te pakken items kan niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>This image holds symbolic links or compressed (zisofs) files, which only xorriso restores, and xorriso is not installed (package xorriso); links may have arrived as empty files.</source>
        <translation>Deze image bevat symbolische koppelingen of gecomprimeerde (zisofs-)bestanden, die alleen xorriso herstelt, en xorriso is niet geïnstalleerd (pakket xorriso); koppelingen zijn mogelijk als lege bestanden aangekomen.</translation>
    </message>
    <message>
        <source>Restoring links and compressed files...</source>
        <translation>Koppelingen en gecomprimeerde bestanden worden hersteld...</translation>
    </message>
    <message>
        <source>xorriso could not read the image&apos;s Rock Ridge tree, so its links and compressed (zisofs) files could not be restored: %1</source>
        <translation>xorriso kon de Rock Ridge-boom van de image niet lezen, dus de koppelingen en gecomprimeerde (zisofs-)bestanden konden niet worden hersteld: %1</translation>
    </message>
    <message>
        <source>These symbolic links could not be made: %1</source>
        <translation>Deze symbolische koppelingen konden niet worden gemaakt: %1</translation>
    </message>
    <message>
        <source>These links would point into Quillon&apos;s working folder and were left out: %1</source>
        <translation>Deze koppelingen zouden naar de werkmap van Quillon wijzen en zijn weggelaten: %1</translation>
    </message>
    <message>
        <source>These compressed (zisofs) files could not be unpacked: %1</source>
        <translation>Deze gecomprimeerde (zisofs-)bestanden konden niet worden uitgepakt: %1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Open Folder</source>
        <translation>Map kiezen</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Bestand openen</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Bestanden openen</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Bestand opslaan</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle bestanden (*)</translation>
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
        <translation>ISO-bestand maken...</translation>
    </message>
    <message>
        <source>The ISO file could not be created.</source>
        <translation>Het ISO-bestand kon niet worden gemaakt.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>Kan niet schrijven naar de map %1: %2</translation>
    </message>
    <message>
        <source>The ISO file could not be saved as %1.</source>
        <translation>Het ISO-bestand kon niet worden opgeslagen als %1.</translation>
    </message>
    <message>
        <source>The image builder stopped unexpectedly.</source>
        <translation>Het maken van het image is onverwacht gestopt.</translation>
    </message>
    <message>
        <source>The image file is incomplete: %1 bytes written, %2 bytes expected.</source>
        <translation>Het imagebestand is onvolledig: %1 bytes geschreven, %2 bytes verwacht.</translation>
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
        <translation>nog %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
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
        <translation>Het bestand %1 is geen ISO- of UDF-image.</translation>
    </message>
    <message>
        <source>The file %1 is not an ISO or UDF image: 7-Zip reads it as a %2 archive.</source>
        <translation>Het bestand %1 is geen ISO- of UDF-image: 7-Zip leest het als een %2-archief.</translation>
    </message>
    <message>
        <source>The image %1 could not be read. It may not be an ISO image, or it may be damaged.</source>
        <translation>De image %1 kon niet worden gelezen. Het is misschien geen ISO-image, of het is beschadigd.</translation>
    </message>
    <message>
        <source>The image %1 could not be read: 7-Zip could not be started (%2): %3</source>
        <translation>De image %1 kon niet worden gelezen: 7-Zip kon niet worden gestart (%2): %3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Burn</source>
        <translation>Branden</translation>
    </message>
    <message>
        <source>Make bootable USB or DVD/CD from ISO</source>
        <translation>Opstartbare USB of dvd/cd maken van ISO</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Uitpakken</translation>
    </message>
    <message>
        <source>Extract content from ISO</source>
        <translation>Inhoud uit ISO uitpakken</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Maken</translation>
    </message>
    <message>
        <source>Create ISO from files or folders</source>
        <translation>ISO maken van bestanden of mappen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>
 Add, delete, rename 
 content in ISO file</source>
        <translation>
 Inhoud van ISO-bestand 
 toevoegen, wissen, hernoemen</translation>
    </message>
    <message>
        <source>Copy Disk</source>
        <translation>Schijf kopiëren</translation>
    </message>
    <message>
        <source>
 Make ISO file from 
 CD/DVD disc</source>
        <translation>
 ISO-bestand maken 
 van cd/dvd</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Engels</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinees</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japans</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Frans</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Duits</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spaans</translation>
    </message>
    <message>
        <source>Portugues</source>
        <translation>Portugees</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Pools</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiaans</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Zweeds</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>CTRL+H</source>
        <translation>CTRL+H</translation>
    </message>
    <message>
        <source>About Us(&amp;U)</source>
        <translation>&amp;Over ons</translation>
    </message>
    <message>
        <source>CTRL+U</source>
        <translation>CTRL+U</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>&amp;Afsluiten</translation>
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
        <translation>De image %1 bestaat niet.</translation>
    </message>
    <message>
        <source>%1 is not an image file.</source>
        <translation>%1 is geen imagebestand.</translation>
    </message>
    <message>
        <source>A job is still running. Stop it and close the program?</source>
        <translation>Er loopt nog een taak. Deze stoppen en het programma sluiten?</translation>
    </message>
    <message>
        <source>Recent Images(&amp;R)</source>
        <translation>&amp;Recente images</translation>
    </message>
    <message>
        <source>No recent images</source>
        <translation>Geen recente images</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Lijst wissen</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>No web browser could be opened. The address is:
%1</source>
        <translation>Er kon geen webbrowser worden geopend. Het adres is:
%1</translation>
    </message>
</context>
<context>
    <name>Mkfs</name>
    <message numerus="yes">
        <source>a %1 label holds at most %n characters</source>
        <translation>
            <numerusform>een %1-naam bevat hoogstens %n tekens</numerusform>
            <numerusform>een %1-naam bevat hoogstens %n tekens</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 does not allow these characters in a label: %2</source>
        <translation>%1 staat deze tekens in een naam niet toe: %2</translation>
    </message>
</context>
<context>
    <name>PageWindow</name>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 bestaat al. Wilt u het vervangen?</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 is not a disk or partition.</source>
        <translation>%1 is geen schijf of partitie.</translation>
    </message>
    <message>
        <source>The system does not know %1.</source>
        <translation>Het systeem kent %1 niet.</translation>
    </message>
    <message>
        <source>The disk of %1 (%2) has no device node.</source>
        <translation>De schijf van %1 (%2) heeft geen apparaatknooppunt.</translation>
    </message>
    <message>
        <source>%1 is not a drive.</source>
        <translation>%1 is geen station.</translation>
    </message>
</context>
<context>
    <name>ReadDiscJob</name>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 is een map.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>De map %1 bestaat niet.</translation>
    </message>
    <message>
        <source>%1 cannot be written to.</source>
        <translation>Kan niet naar %1 schrijven.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>Kan niet schrijven naar de map %1: %2</translation>
    </message>
    <message>
        <source>There is no readable disc in the drive.</source>
        <translation>Er zit geen leesbare schijf in het station.</translation>
    </message>
    <message>
        <source>A part of the disc cannot be read.</source>
        <translation>Een deel van de schijf kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>Permission denied: the drive or the image file cannot be opened.</source>
        <translation>Toegang geweigerd: het station of het imagebestand kan niet worden geopend.</translation>
    </message>
    <message>
        <source>The reader ended abnormally.</source>
        <translation>Het leesprogramma is abnormaal beëindigd.</translation>
    </message>
    <message>
        <source>The reader ended with exit status %1.</source>
        <translation>Het leesprogramma is beëindigd met afsluitstatus %1.</translation>
    </message>
    <message>
        <source>The reader did not say how large the disc is.</source>
        <translation>Het leesprogramma heeft de grootte van de schijf niet gemeld.</translation>
    </message>
    <message>
        <source>The image is incomplete: %1 of %2 bytes were read.</source>
        <translation>De image is onvolledig: %1 van %2 bytes gelezen.</translation>
    </message>
    <message>
        <source>The image could not be put in place of %1.</source>
        <translation>De image kon %1 niet vervangen.</translation>
    </message>
</context>
<context>
    <name>RockRidge</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 ontbreekt</translation>
    </message>
    <message>
        <source>%1 is no longer a link</source>
        <translation>%1 is geen koppeling meer</translation>
    </message>
    <message>
        <source>%1 points to %2 instead of %3</source>
        <translation>%1 verwijst naar %2 in plaats van %3</translation>
    </message>
    <message>
        <source>%1 is of another kind</source>
        <translation>%1 is van een ander soort</translation>
    </message>
    <message>
        <source>%1 has %2 bytes instead of %3</source>
        <translation>%1 heeft %2 bytes in plaats van %3</translation>
    </message>
    <message>
        <source>The saved image does not hold what the edit shows:
%1</source>
        <translation>De opgeslagen image bevat niet wat de bewerking toont:
%1</translation>
    </message>
</context>
<context>
    <name>ScanbusJob</name>
    <message>
        <source>The disc recorder did not finish looking for drives within %1 seconds; no disc drive is listed.</source>
        <translation>Het brandprogramma heeft het zoeken naar stations niet binnen %1 seconden voltooid; er wordt geen schijfstation weergegeven.</translation>
    </message>
</context>
<context>
    <name>ToolJob</name>
    <message>
        <source>%1 ended abnormally.</source>
        <translation>%1 is abnormaal beëindigd.</translation>
    </message>
    <message>
        <source>%1 ended with exit status %2.</source>
        <translation>%1 is beëindigd met afsluitstatus %2.</translation>
    </message>
    <message>
        <source>Could not start %1.</source>
        <translation>Kan %1 niet starten.</translation>
    </message>
    <message>
        <source>Install the package %1.</source>
        <translation>Installeer het pakket %1.</translation>
    </message>
</context>
<context>
    <name>UsbBurnJob</name>
    <message>
        <source>USB burn</source>
        <translation>USB branden</translation>
    </message>
    <message>
        <source>%1 is missing (install the package %2).</source>
        <translation>%1 ontbreekt (installeer het pakket %2).</translation>
    </message>
    <message>
        <source>The image %1 does not exist.</source>
        <translation>De image %1 bestaat niet.</translation>
    </message>
    <message>
        <source>Unknown file system &quot;%1&quot;.</source>
        <translation>Onbekend bestandssysteem &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 is not a USB disk this page lists; it was left alone.</source>
        <translation>%1 is geen USB-station uit de lijst van deze pagina; er is niets mee gedaan.</translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1.</source>
        <translation>Kan geen werkmap maken in %1.</translation>
    </message>
    <message>
        <source>The image could not be read. %1</source>
        <translation>De image kon niet worden gelezen. %1</translation>
    </message>
    <message>
        <source>the image has no EFI/BOOT/BOOTX64.EFI</source>
        <translation>de image bevat geen EFI/BOOT/BOOTX64.EFI</translation>
    </message>
    <message>
        <source>UEFI firmware reads FAT file systems only</source>
        <translation>UEFI-firmware leest alleen FAT-bestandssystemen</translation>
    </message>
    <message>
        <source>The image needs %1 on the USB disk, which holds %2; nothing was written.</source>
        <translation>De image heeft %1 nodig op het USB-station, dat %2 bevat; er is niets geschreven.</translation>
    </message>
    <message>
        <source>Checking the request</source>
        <translation>Opdracht controleren</translation>
    </message>
    <message>
        <source>Reading the image</source>
        <translation>Image lezen</translation>
    </message>
    <message>
        <source>Reading the image...</source>
        <translation>Image lezen...</translation>
    </message>
    <message>
        <source>Preparing the burn</source>
        <translation>Branden voorbereiden</translation>
    </message>
    <message>
        <source>Copying the files</source>
        <translation>Bestanden kopiëren</translation>
    </message>
    <message>
        <source>7-Zip ended with exit status %1.</source>
        <translation>7-Zip is beëindigd met afsluitstatus %1.</translation>
    </message>
    <message>
        <source>Taking out the install image</source>
        <translation>Installatie-image uitnemen</translation>
    </message>
    <message>
        <source>There is no room for the install image (%1) in %2: %3 free.</source>
        <translation>Geen ruimte voor de installatie-image (%1) in %2: %3 vrij.</translation>
    </message>
    <message>
        <source>Splitting the install image</source>
        <translation>Installatie-image splitsen</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the image are missing or incomplete on the USB disk: %1</source>
        <translation>
            <numerusform>%n bestand van de image ontbreekt of is onvolledig op het USB-station: %1</numerusform>
            <numerusform>%n bestanden van de image ontbreken of zijn onvolledig op het USB-station: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The USB disk starts on UEFI only: %1.</source>
        <translation>Het USB-station start alleen met UEFI: %1.</translation>
    </message>
    <message>
        <source>Neither BIOS nor UEFI can start from the USB disk: %1; %2.</source>
        <translation>BIOS noch UEFI kan opstarten vanaf het USB-station: %1; %2.</translation>
    </message>
    <message>
        <source>UEFI cannot start from the USB disk: %1.</source>
        <translation>UEFI kan niet opstarten vanaf het USB-station: %1.</translation>
    </message>
    <message>
        <source>Burning failed. %1</source>
        <translation>Branden mislukt. %1</translation>
    </message>
    <message>
        <source>Burning was stopped.</source>
        <translation>Het branden is gestopt.</translation>
    </message>
    <message>
        <source>The USB disk is incomplete and still mounted at %1.</source>
        <translation>Het USB-station is onvolledig en nog aangekoppeld op %1.</translation>
    </message>
    <message>
        <source>The USB disk is incomplete.</source>
        <translation>Het USB-station is onvolledig.</translation>
    </message>
    <message>
        <source>The USB disk was not changed.</source>
        <translation>Het USB-station is niet gewijzigd.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Er is niets geschreven.</translation>
    </message>
    <message>
        <source>FAT on this system goes through fusefat, which cannot write the name &quot;%1&quot;; choose NTFS or exFAT. Nothing was written.</source>
        <translation>FAT loopt op dit systeem via fusefat, dat de naam &quot;%1&quot; niet kan schrijven; kies NTFS of exFAT. Er is niets geschreven.</translation>
    </message>
    <message>
        <source>the image has no loader a BIOS can start from a USB disk</source>
        <translation>de image heeft geen lader die een BIOS vanaf een USB-station kan starten</translation>
    </message>
    <message>
        <source>Unmounting the USB disk</source>
        <translation>USB-station ontkoppelen</translation>
    </message>
    <message>
        <source>Unmounting the USB disk...</source>
        <translation>USB-station ontkoppelen...</translation>
    </message>
    <message>
        <source>Formatting the USB disk</source>
        <translation>USB-station formatteren</translation>
    </message>
    <message>
        <source>Mounting the USB disk</source>
        <translation>USB-station aankoppelen</translation>
    </message>
    <message>
        <source>Mounting the USB disk...</source>
        <translation>USB-station aankoppelen...</translation>
    </message>
    <message>
        <source>Preparing the boot code</source>
        <translation>Opstartcode voorbereiden</translation>
    </message>
    <message>
        <source>Building the boot code</source>
        <translation>Opstartcode aanmaken</translation>
    </message>
    <message>
        <source>Installing the boot code</source>
        <translation>Opstartcode installeren</translation>
    </message>
    <message>
        <source>grub-bios-setup is missing (install the package grub-pc-bin).</source>
        <translation>grub-bios-setup ontbreekt (installeer het pakket grub-pc-bin).</translation>
    </message>
    <message>
        <source>Cannot write the boot code&apos;s files to the USB disk.</source>
        <translation>Kan de bestanden van de opstartcode niet naar het USB-station schrijven.</translation>
    </message>
    <message>
        <source>Writing the last data to the USB disk...</source>
        <translation>Laatste gegevens naar het USB-station schrijven...</translation>
    </message>
    <message>
        <source>Checking the file system</source>
        <translation>Bestandssysteem controleren</translation>
    </message>
    <message>
        <source>Checking the USB disk...</source>
        <translation>USB-station controleren...</translation>
    </message>
    <message>
        <source>The file system on the USB disk is not clean: %1</source>
        <translation>Het bestandssysteem op het USB-station bevat fouten: %1</translation>
    </message>
    <message>
        <source>Checking the label</source>
        <translation>Volumenaam controleren</translation>
    </message>
    <message>
        <source>The volume label cannot contain %1.</source>
        <translation>De volumenaam mag %1 niet bevatten.</translation>
    </message>
    <message>
        <source>Burning the USB disk...</source>
        <translation>USB-station beschrijven...</translation>
    </message>
    <message>
        <source>Extract the wim file ...</source>
        <translation>WIM-bestand uitpakken...</translation>
    </message>
    <message>
        <source>Process the wim file larger than 4 GB...</source>
        <translation>WIM-bestand groter dan 4 GB verwerken...</translation>
    </message>
    <message>
        <source>Burning Successfully...</source>
        <translation>Branden gelukt...</translation>
    </message>
    <message>
        <source>The USB disk is under formating...</source>
        <translation>USB-station formatteren...</translation>
    </message>
    <message>
        <source>The USB disk is installing bootsect...</source>
        <translation>Opstartsector op het USB-station installeren...</translation>
    </message>
    <message>
        <source>%1 is a partition; choose the whole USB disk.</source>
        <translation>%1 is een partitie; kies het hele USB-station.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>Het image %1 kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>The image has no partition table of its own, so written as it is it would not start; choose MBR or GPT instead. Nothing was written.</source>
        <translation>De image heeft geen eigen partitietabel, dus ongewijzigd geschreven zou hij niet opstarten; kies MBR of GPT. Er is niets geschreven.</translation>
    </message>
    <message>
        <source>The volume label &quot;%1&quot; cannot be used: %2. Nothing was written.</source>
        <translation>De volumenaam &quot;%1&quot; kan niet worden gebruikt: %2. Er is niets geschreven.</translation>
    </message>
    <message>
        <source>%1 cannot hold these names of the image apart, or refuses them: %2. Nothing was written.</source>
        <translation>%1 kan deze namen van de image niet van elkaar onderscheiden, of weigert ze: %2. Er is niets geschreven.</translation>
    </message>
    <message>
        <source>The USB disk can be removed.</source>
        <translation>Het USB-station kan worden verwijderd.</translation>
    </message>
    <message>
        <source>Erasing the USB disk</source>
        <translation>USB-station wissen</translation>
    </message>
    <message>
        <source>Writing the partition table</source>
        <translation>Partitietabel schrijven</translation>
    </message>
    <message>
        <source>The new partition did not appear.</source>
        <translation>De nieuwe partitie is niet verschenen.</translation>
    </message>
    <message>
        <source>neither the image nor its El Torito EFI image has EFI/BOOT/BOOTX64.EFI</source>
        <translation>noch de image, noch de El Torito-EFI-image bevat EFI/BOOT/BOOTX64.EFI</translation>
    </message>
    <message>
        <source>Cannot copy %1 of the El Torito EFI image to the USB disk.</source>
        <translation>%1 van de El Torito-EFI-image kan niet naar het USB-station worden gekopieerd.</translation>
    </message>
    <message>
        <source>Reading the UEFI loader</source>
        <translation>UEFI-lader lezen</translation>
    </message>
    <message>
        <source>Copying the UEFI loader</source>
        <translation>UEFI-lader kopiëren</translation>
    </message>
    <message>
        <source>Cannot write the boot menu to the USB disk.</source>
        <translation>Het opstartmenu kan niet naar het USB-station worden geschreven.</translation>
    </message>
    <message>
        <source>Reading the image back</source>
        <translation>Image teruglezen</translation>
    </message>
    <message>
        <source>Reading the USB disk back</source>
        <translation>USB-station teruglezen</translation>
    </message>
    <message>
        <source>The files on the USB disk differ from the image&apos;s.</source>
        <translation>De bestanden op het USB-station verschillen van die van de image.</translation>
    </message>
    <message>
        <source>Flushing the USB disk</source>
        <translation>Buffers naar USB-station wegschrijven</translation>
    </message>
    <message>
        <source>Writing the image...</source>
        <translation>Image schrijven...</translation>
    </message>
    <message>
        <source>Writing the image</source>
        <translation>Image schrijven</translation>
    </message>
    <message>
        <source>Writing the image as it is is not available on this system; choose MBR or GPT.</source>
        <translation>De image ongewijzigd schrijven is op dit systeem niet beschikbaar; kies MBR of GPT.</translation>
    </message>
</context>
<context>
    <name>UsbHelperClient</name>
    <message>
        <source>The USB helper could not be started: %1</source>
        <translation>De USB-helper kon niet worden gestart: %1</translation>
    </message>
    <message>
        <source>Authorisation was refused.</source>
        <translation>Autorisatie geweigerd.</translation>
    </message>
    <message>
        <source>The USB helper ended unexpectedly (exit status %1). %2</source>
        <translation>De USB-helper is onverwacht beëindigd (afsluitstatus %1). %2</translation>
    </message>
</context>
<context>
    <name>UsbHelperStartStep</name>
    <message>
        <source>Starting the USB helper</source>
        <translation>USB-helper starten</translation>
    </message>
    <message>
        <source>Waiting for authorisation...</source>
        <translation>Wachten op autorisatie...</translation>
    </message>
    <message>
        <source>The USB helper answered %1.</source>
        <translation>De USB-helper antwoordde %1.</translation>
    </message>
</context>
<context>
    <name>UsbHelperStep</name>
    <message>
        <source>The USB helper is not running.</source>
        <translation>De USB-helper is niet actief.</translation>
    </message>
</context>
</TS>
