<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BootRebuild</name>
    <message>
        <source>boot entry %1</source>
        <translation>Booteintrag %1</translation>
    </message>
    <message>
        <source>The %1 is for a platform (%2) the image builder cannot write.</source>
        <translation>Der %1 ist für eine Plattform (%2), die das Abbildprogramm nicht schreiben kann.</translation>
    </message>
    <message>
        <source>The %1 could not be written to %2.</source>
        <translation>Der %1 konnte nicht nach %2 geschrieben werden.</translation>
    </message>
    <message>
        <source>The saved image cannot be read.</source>
        <translation>Das gespeicherte Abbild kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The saved image&apos;s label is &quot;%1&quot;, not &quot;%2&quot;.</source>
        <translation>Die Bezeichnung des gespeicherten Abbilds ist „%1“, nicht „%2“.</translation>
    </message>
    <message>
        <source>The saved image has %1 boot entries, the original %2.</source>
        <translation>Das gespeicherte Abbild hat %1 Booteinträge, das Original %2.</translation>
    </message>
    <message>
        <source>The saved image&apos;s %1 differs from the original&apos;s in its platform, emulation or load size.</source>
        <translation>Der %1 des gespeicherten Abbilds weicht in Plattform, Emulation oder Ladegröße vom Original ab.</translation>
    </message>
    <message>
        <source>The saved image&apos;s %1 does not hold the original&apos;s boot image.</source>
        <translation>Der %1 des gespeicherten Abbilds enthält nicht das Bootabbild des Originals.</translation>
    </message>
</context>
<context>
    <name>CAboutusDialog</name>
    <message>
        <source>About Quillon</source>
        <translation>Über Quillon</translation>
    </message>
    <message>
        <source>Quillon is free software: you may copy and share it under its licence. It comes with no warranty, so check every disk you write.</source>
        <translation>Quillon ist freie Software: Sie dürfen es gemäß seiner Lizenz kopieren und weitergeben. Es wird ohne jede Gewährleistung geliefert – prüfen Sie daher jeden beschriebenen Datenträger.</translation>
    </message>
    <message>
        <source>Copyright (C) the Quillon developers.</source>
        <translation>Copyright (C) die Quillon-Entwickler.</translation>
    </message>
    <message>
        <source>Please visit offical site: </source>
        <translation>Besuchen Sie die offizielle Website: </translation>
    </message>
</context>
<context>
    <name>CBurnDialog</name>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Brennen</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>ISO Image:</source>
        <translation>ISO-Abbild:</translation>
    </message>
    <message>
        <source>Create A Bootable DVD/CD</source>
        <translation>Bootfähige DVD/CD erstellen</translation>
    </message>
    <message>
        <source>Select a target disc then click BURN button</source>
        <translation>Ziel-Disc wählen, dann auf „Brennen“ klicken</translation>
    </message>
    <message>
        <source>Create A Bootable USB</source>
        <translation>Bootfähigen USB-Stick erstellen</translation>
    </message>
    <message>
        <source>Select a target USB then click BURN button</source>
        <translation>USB-Ziellaufwerk wählen, dann auf „Brennen“ klicken</translation>
    </message>
    <message>
        <source>Partition Style</source>
        <translation>Partitionsstil</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Dateisystem</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>Volumebezeichnung</translation>
    </message>
    <message>
        <source>Burn Failed! Do as following:
1.Try to burn again.
2.Change another USB drive or DVD.</source>
        <translation>Brennen fehlgeschlagen! So gehen Sie vor:
1. Versuchen Sie es erneut.
2. Verwenden Sie ein anderes USB-Laufwerk oder eine andere DVD.</translation>
    </message>
    <message>
        <source>Please insert your USB drive to computer</source>
        <translation>Bitte schließen Sie Ihr USB-Laufwerk an den Computer an</translation>
    </message>
    <message>
        <source>Your USB drive will be formatted and all data in it will be deleted! Do you want to continue?</source>
        <translation>Ihr USB-Laufwerk wird formatiert und alle Daten darauf werden gelöscht! Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Nicht genügend Speicherplatz. Bitte verwenden Sie ein größeres USB-Laufwerk oder eine größere CD/DVD.</translation>
    </message>
    <message>
        <source>Burning the disc...</source>
        <translation>Disc wird gebrannt...</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>Disc erfolgreich gebrannt.</translation>
    </message>
    <message>
        <source>The disc could not be burned.</source>
        <translation>Die Disc konnte nicht gebrannt werden.</translation>
    </message>
    <message>
        <source>No USB disk found — plug one in</source>
        <translation>Kein USB-Laufwerk gefunden – bitte schließen Sie eines an</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found</source>
        <translation>Kein CD/DVD-Brenner gefunden</translation>
    </message>
    <message>
        <source>Image (write the ISO as it is)</source>
        <translation>Abbild (ISO unverändert schreiben)</translation>
    </message>
    <message>
        <source>Connect a CD/DVD recorder with a blank disc in it, or choose a USB disk instead.</source>
        <translation>Schließen Sie einen CD/DVD-Brenner mit einem leeren Rohling an oder wählen Sie stattdessen ein USB-Laufwerk.</translation>
    </message>
    <message>
        <source>The burn was stopped. The disc may be unusable.</source>
        <translation>Das Brennen wurde abgebrochen. Die Disc ist möglicherweise unbrauchbar.</translation>
    </message>
    <message>
        <source>Checksum...</source>
        <translation>Prüfsumme...</translation>
    </message>
</context>
<context>
    <name>CPage2</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>ISO Extract</source>
        <translation>ISO extrahieren</translation>
    </message>
    <message>
        <source>Directly extract everything from ISO image file and export to your computer.</source>
        <translation>Gesamten Inhalt einer ISO-Abbilddatei direkt auf Ihren Computer extrahieren.</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>ISO laden</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extrahieren</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Größe</translation>
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
        <translation>&amp;Extrahieren</translation>
    </message>
    <message>
        <source>The image %1 seems to be damaged or incomplete; some items may not extract.</source>
        <translation>Das Abbild %1 scheint beschädigt oder unvollständig zu sein; einige Elemente lassen sich eventuell nicht extrahieren.</translation>
    </message>
    <message>
        <source>Please select the files or folders you want to extract</source>
        <translation>Bitte wählen Sie die Dateien oder Ordner aus, die Sie extrahieren möchten</translation>
    </message>
    <message>
        <source>The files could not be extracted.</source>
        <translation>Die Dateien konnten nicht extrahiert werden.</translation>
    </message>
    <message>
        <source>Extract files successfully.</source>
        <translation>Dateien erfolgreich extrahiert.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) in %1 would be replaced by the extracted ones:</source>
        <translation>
            <numerusform>%n Datei in %1 würde durch die extrahierte ersetzt:</numerusform>
            <numerusform>%n Dateien in %1 würden durch die extrahierten ersetzt:</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please load an ISO image first, then select the files or folders you want to extract</source>
        <translation>Bitte laden Sie zuerst ein ISO-Abbild und wählen Sie dann die Dateien oder Ordner aus, die Sie extrahieren möchten</translation>
    </message>
    <message>
        <source>More than one selected item is called %1. Please extract them one at a time.</source>
        <translation>Mehrere ausgewählte Elemente heißen %1. Bitte extrahieren Sie sie einzeln.</translation>
    </message>
    <message>
        <source>Your own files were kept in: %1</source>
        <translation>Ihre eigenen Dateien wurden aufbewahrt in: %1</translation>
    </message>
    <message>
        <source>%1 of %2 items were extracted.</source>
        <translation>%1 von %2 Elementen wurden extrahiert.</translation>
    </message>
</context>
<context>
    <name>CPage3</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>File &amp; Folder Backup</source>
        <translation>Datei- &amp; Ordnersicherung</translation>
    </message>
    <message>
        <source>Backup Type:</source>
        <translation>Sicherungstyp:</translation>
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
        <translation>Max. Größe: 5 GB</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Dateien hinzufügen...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Ordner hinzufügen...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Create ISO</source>
        <translation>ISO erstellen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Dateipfad</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Größe</translation>
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
        <translation>&amp;Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Add Dirs(&amp;D)</source>
        <translation>&amp;Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Remove(&amp;R)</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>The working folder for the image could not be created below %1.</source>
        <translation>Der Arbeitsordner für das Abbild konnte unter %1 nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Total Size: </source>
        <translation>Gesamtgröße: </translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Bitte fügen Sie zuerst Dateien oder Ordner hinzu!</translation>
    </message>
    <message>
        <source>Please select one type</source>
        <translation>Bitte wählen Sie einen Typ aus</translation>
    </message>
    <message>
        <source>These files are 4 GB or larger:
%1
ISO 9660 and Joliet cannot record such sizes. The image will also get a UDF file system that holds them; programs that read only ISO 9660 or Joliet will see wrong sizes. Choose &quot;UDF ISO&quot; to avoid this question. Create the image anyway?</source>
        <translation>Diese Dateien sind 4 GB groß oder größer:
%1
ISO 9660 und Joliet können solche Größen nicht speichern. Das Abbild erhält deshalb zusätzlich ein UDF-Dateisystem, das sie aufnimmt; Programme, die nur ISO 9660 oder Joliet lesen, sehen falsche Größen. Wählen Sie „UDF ISO“, um diese Frage zu vermeiden. Das Abbild trotzdem erstellen?</translation>
    </message>
    <message>
        <source>Please save the image outside the program&apos;s working folder.</source>
        <translation>Bitte speichern Sie das Abbild außerhalb des Arbeitsordners des Programms.</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 ist ein Ordner. Bitte wählen Sie einen Dateinamen für das Abbild.</translation>
    </message>
    <message>
        <source>Create ISO successfully!</source>
        <translation>ISO erfolgreich erstellt!</translation>
    </message>
    <message>
        <source>The files and folders in the list will be discarded. Go back anyway?</source>
        <translation>Die Dateien und Ordner in der Liste werden verworfen. Trotzdem zurück?</translation>
    </message>
    <message>
        <source>These items were not added: an item of the same name is already there, a folder that cannot be read, a backslash in the name, a link back to a folder that holds it, or the program&apos;s own working folder:
%1</source>
        <translation>Diese Elemente wurden nicht hinzugefügt: ein Element gleichen Namens ist schon vorhanden, ein Ordner, der nicht gelesen werden kann, ein umgekehrter Schrägstrich im Namen, eine Verknüpfung zurück auf einen übergeordneten Ordner oder der Arbeitsordner des Programms selbst:
%1</translation>
    </message>
</context>
<context>
    <name>CPage4</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>ISO laden</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Größe</translation>
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
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Export(&amp;E)</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>Rename(&amp;R)</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>The working folder for the image could not be created below %1.</source>
        <translation>Der Arbeitsordner für das Abbild konnte unter %1 nicht angelegt werden.</translation>
    </message>
    <message>
        <source>These items were not added: this folder already holds an item of that name:
%1</source>
        <translation>Diese Elemente wurden nicht hinzugefügt, weil dieser Ordner bereits ein Element mit demselben Namen enthält:
%1</translation>
    </message>
    <message>
        <source>Please select one row in the table list first</source>
        <translation>Bitte wählen Sie zuerst eine Zeile in der Liste aus</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>ISO wird extrahiert...</translation>
    </message>
    <message>
        <source>Please select files or folders in the list first.</source>
        <translation>Bitte wählen Sie zuerst Dateien oder Ordner in der Liste aus.</translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Bitte fügen Sie zuerst Dateien oder Ordner hinzu!</translation>
    </message>
    <message>
        <source>Save ISO file successfully!</source>
        <translation>ISO-Datei erfolgreich gespeichert!</translation>
    </message>
    <message>
        <source>Export Successfully !</source>
        <translation>Erfolgreich exportiert!</translation>
    </message>
    <message>
        <source>The ISO file could not be saved.</source>
        <translation>Die ISO-Datei konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The items could not be exported.</source>
        <translation>Die Elemente konnten nicht exportiert werden.</translation>
    </message>
    <message>
        <source>These items were not added: a folder that cannot be read, a backslash in the name, a link back to a folder that holds it, or the program&apos;s own working folder:
%1</source>
        <translation>Diese Elemente wurden nicht hinzugefügt: ein Ordner, der nicht gelesen werden kann, ein umgekehrter Schrägstrich im Namen, eine Verknüpfung zurück auf einen übergeordneten Ordner oder der Arbeitsordner des Programms selbst:
%1</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden. Möchten Sie es ersetzen?</translation>
    </message>
    <message>
        <source>The new image will not keep %1. Save anyway?</source>
        <translation>Das neue Abbild wird %1 nicht übernehmen. Trotzdem speichern?</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>%1 already holds items of these names:
%2
Replace them with the exported ones?</source>
        <translation>%1 enthält bereits Elemente mit diesen Namen:
%2
Sollen sie durch die exportierten ersetzt werden?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The changes to %1 have not been saved.</source>
        <translation>Die Änderungen an %1 wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
</context>
<context>
    <name>CPage5</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Make Image From Disc</source>
        <translation>Abbild von Disc erstellen</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Select a CD/DVD drive:</source>
        <translation>CD/DVD-Laufwerk wählen:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Ausgabeformat:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>Please select the iso file to save</source>
        <translation>Bitte wählen Sie, wo die ISO-Datei gespeichert werden soll</translation>
    </message>
    <message>
        <source>Please select the iso file to save.</source>
        <translation>Bitte wählen Sie, wo die ISO-Datei gespeichert werden soll.</translation>
    </message>
    <message>
        <source>The image cannot be saved there.</source>
        <translation>Das Abbild kann dort nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Start reading...</source>
        <translation>Lesen beginnt...</translation>
    </message>
    <message>
        <source>Reading Disc...</source>
        <translation>Disc wird gelesen...</translation>
    </message>
    <message>
        <source>Copy CD/DVD successfully!</source>
        <translation>CD/DVD erfolgreich kopiert!</translation>
    </message>
    <message>
        <source>The disc could not be copied.</source>
        <translation>Die Disc konnte nicht kopiert werden.</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found</source>
        <translation>Kein CD/DVD-Brenner gefunden</translation>
    </message>
    <message>
        <source>Connect a CD/DVD drive with the disc to copy in it, then press Start again.</source>
        <translation>Legen Sie die zu kopierende Disc in ein CD/DVD-Laufwerk ein und klicken Sie erneut auf „Start“.</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>ChecksumJob</name>
    <message>
        <source>The %1 checksum matches %2.</source>
        <translation>Die %1-Prüfsumme stimmt mit %2 überein.</translation>
    </message>
    <message>
        <source>The %1 checksum does not match %2: the image is damaged or not the one published.</source>
        <translation>Die %1-Prüfsumme stimmt nicht mit %2 überein: Das Abbild ist beschädigt oder nicht das veröffentlichte.</translation>
    </message>
    <message>
        <source>No %1 checksum of this image lies beside it to compare with.</source>
        <translation>Neben diesem Abbild liegt keine %1-Prüfsumme zum Vergleichen.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>Das Abbild %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Reading %1 failed: %2</source>
        <translation>Das Lesen von %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Computing the %1 checksum...</source>
        <translation>Die %1-Prüfsumme wird berechnet...</translation>
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
        <translation>Nein</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>No file manager could be opened. The folder is:
%1</source>
        <translation>Es konnte kein Dateimanager geöffnet werden. Der Ordner ist:
%1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Stopped; nothing incomplete was left behind.</source>
        <translation>Abgebrochen; es wurde nichts Unvollständiges zurückgelassen.</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 ist ein Ordner. Bitte wählen Sie einen Dateinamen für das Abbild.</translation>
    </message>
    <message>
        <source>%1 already exists. Add --force to replace it.</source>
        <translation>%1 ist bereits vorhanden. Mit --force wird es ersetzt.</translation>
    </message>
    <message>
        <source>The image %1 does not exist.</source>
        <translation>Das Abbild %1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is not an image file.</source>
        <translation>%1 ist keine Abbilddatei.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>Das Abbild %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Usage: quillon extract IMAGE TARGET [ITEM...]</source>
        <translation>Aufruf: quillon extract IMAGE TARGET [ITEM...]</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>%1 is not in the image.</source>
        <translation>%1 ist nicht im Abbild enthalten.</translation>
    </message>
    <message>
        <source>The image holds no files.</source>
        <translation>Das Abbild enthält keine Dateien.</translation>
    </message>
    <message>
        <source>These files already exist in %1. Add --force to replace them:
%2</source>
        <translation>Diese Dateien sind in %1 bereits vorhanden. Mit --force werden sie ersetzt:
%2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Der Ordner %1 kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Extracted %1 items to %2.</source>
        <translation>%1 Elemente nach %2 extrahiert.</translation>
    </message>
    <message>
        <source>The items could not be extracted.</source>
        <translation>Die Elemente konnten nicht extrahiert werden.</translation>
    </message>
    <message>
        <source>Usage: quillon create --output IMAGE [--label LABEL] SOURCE...</source>
        <translation>Aufruf: quillon create --output IMAGE [--label LABEL] SOURCE...</translation>
    </message>
    <message>
        <source>Unknown image type %1: use joliet, iso9660 or udf.</source>
        <translation>Unbekannter Abbildtyp %1: Verwenden Sie joliet, iso9660 oder udf.</translation>
    </message>
    <message>
        <source>The working folder could not be created below %1.</source>
        <translation>Der Arbeitsordner konnte unterhalb von %1 nicht erstellt werden.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>%1 cannot be added: another item has its name, it cannot be read, or it holds a backslash in a name.</source>
        <translation>%1 kann nicht hinzugefügt werden: Ein anderes Element hat denselben Namen, es ist nicht lesbar oder ein Name enthält einen umgekehrten Schrägstrich.</translation>
    </message>
    <message>
        <source>Files of 4 GiB or more show their true size only in the image&apos;s UDF tree.</source>
        <translation>Dateien ab 4 GiB zeigen ihre tatsächliche Größe nur im UDF-Verzeichnisbaum des Abbilds.</translation>
    </message>
    <message>
        <source>Created %1 (%2 bytes).</source>
        <translation>%1 erstellt (%2 Bytes).</translation>
    </message>
    <message>
        <source>The ISO file could not be created.</source>
        <translation>Die ISO-Datei konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Usage: quillon edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]... [--rename /PATH=NEWNAME]...</source>
        <translation>Aufruf: quillon edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]... [--rename /PATH=NEWNAME]...</translation>
    </message>
    <message>
        <source>--add needs SOURCE=/PATH/IN/IMAGE, not %1.</source>
        <translation>--add erwartet SOURCE=/PATH/IN/IMAGE, nicht %1.</translation>
    </message>
    <message>
        <source>--rename needs /PATH=NEWNAME, not %1.</source>
        <translation>--rename erwartet /PATH=NEWNAME, nicht %1.</translation>
    </message>
    <message>
        <source>The image has no folder %1.</source>
        <translation>Das Abbild enthält keinen Ordner %1.</translation>
    </message>
    <message>
        <source>%1 cannot be added: it cannot be read, it holds a backslash in a name, or it links back to a folder that holds it.</source>
        <translation>%1 kann nicht hinzugefügt werden: Es ist nicht lesbar, ein Name enthält einen umgekehrten Schrägstrich oder es verweist auf einen Ordner zurück, der es enthält.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 gespeichert.</translation>
    </message>
    <message>
        <source>The ISO file could not be saved.</source>
        <translation>Die ISO-Datei konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>No CD/DVD recorder %1 found. quillon list-drives shows the recorders.</source>
        <translation>Kein CD/DVD-Brenner %1 gefunden. quillon list-drives zeigt die Brenner an.</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>Disc erfolgreich gebrannt.</translation>
    </message>
    <message>
        <source>The disc could not be burned.</source>
        <translation>Die Disc konnte nicht gebrannt werden.</translation>
    </message>
    <message>
        <source>--allow-loop-device is for tests and only accepted as root.</source>
        <translation>--allow-loop-device ist für Tests gedacht und wird nur als root akzeptiert.</translation>
    </message>
    <message>
        <source>%1 is not a USB disk. quillon list-drives shows the USB disks.</source>
        <translation>%1 ist kein USB-Datenträger. quillon list-drives zeigt die USB-Datenträger an.</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Nicht genügend Speicherplatz. Bitte verwenden Sie ein größeres USB-Laufwerk oder eine größere CD/DVD.</translation>
    </message>
    <message>
        <source>Unknown file system %1: use FAT32, NTFS, exFAT or FAT.</source>
        <translation>Unbekanntes Dateisystem %1: Verwenden Sie FAT32, NTFS, exFAT oder FAT.</translation>
    </message>
    <message>
        <source>All data on %1 will be deleted. Continue?</source>
        <translation>Alle Daten auf %1 werden gelöscht. Fortfahren?</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Usage: quillon copy-disc DRIVE --output IMAGE</source>
        <translation>Aufruf: quillon copy-disc DRIVE --output IMAGE</translation>
    </message>
    <message>
        <source>Copied the disc to %1.</source>
        <translation>Die Disc wurde nach %1 kopiert.</translation>
    </message>
    <message>
        <source>The disc could not be read.</source>
        <translation>Die Disc konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The recorder&apos;s bus scan did not end within %1 seconds.</source>
        <translation>Die Suche nach Brennern am Bus wurde nicht innerhalb von %1 Sekunden abgeschlossen.</translation>
    </message>
    <message>
        <source>No USB disk found — plug one in.</source>
        <translation>Kein USB-Datenträger gefunden – bitte schließen Sie einen an.</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found.</source>
        <translation>Kein CD/DVD-Brenner gefunden.</translation>
    </message>
    <message>
        <source>Unknown page %1: use burn, extract, create, edit or copy-disc.</source>
        <translation>Unbekannte Seite %1: Verwenden Sie burn, extract, create, edit oder copy-disc.</translation>
    </message>
    <message>
        <source>quillon --help shows the usage.</source>
        <translation>quillon --help zeigt die Aufrufsyntax an.</translation>
    </message>
    <message>
        <source>The new image will not keep: %1</source>
        <translation>Das neue Abbild wird Folgendes nicht übernehmen: %1</translation>
    </message>
    <message>
        <source>Usage: quillon burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT] [--label LABEL] [--yes]
       quillon burn IMAGE --disc RECORDER</source>
        <translation>Aufruf: quillon burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT] [--label LABEL] [--yes]
        quillon burn IMAGE --disc RECORDER</translation>
    </message>
    <message>
        <source>Unknown partition style %1: use mbr, gpt or image.</source>
        <translation>Unbekannter Partitionsstil %1: Verwenden Sie mbr, gpt oder image.</translation>
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
        <translation>Aufruf: quillon [IMAGE]
        quillon --page burn|extract|create|edit|copy-disc [IMAGE]
        quillon SUBCOMMAND ...

Ohne Unterbefehl startet das Fenster, mit IMAGE geöffnet auf der Seite „Extrahieren“ (oder auf der
Seite, die --page nennt). Die Unterbefehle führen dieselben Aufgaben ohne Anzeige aus:

  extract IMAGE TARGET [ITEM...]      extrahiert die Elemente (ohne Angabe alle) nach TARGET
  create --output IMAGE [--label LABEL] [--type joliet|iso9660|udf] SOURCE...
                                      erstellt ein Abbild aus Dateien und Ordnern
  edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]...
       [--rename /PATH=NEWNAME]...    speichert eine geänderte Kopie, die wie das Original startet
  burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT]
       [--label LABEL] [--yes]        erstellt einen bootfähigen USB-Stick (image: schreibt ein
                                      Hybridabbild unverändert; Dateisystem und Bezeichnung entfallen)
  burn IMAGE --disc RECORDER          schreibt das Abbild auf eine CD/DVD
  copy-disc DRIVE --output IMAGE      liest eine CD/DVD in ein Abbild ein
  list-drives                         listet die USB-Datenträger und Brenner auf, auf die gebrannt werden kann
  checksum IMAGE [--sha256|--sha1|--md5]
                                      die Prüfsumme des Abbilds (SHA-256, wenn nicht anders genannt), verglichen
                                      mit SHA256SUMS oder IMAGE.sha256 (und ähnlichen) daneben

Optionen:
  --force               ersetzt eine vorhandene Ausgabedatei (extract: vorhandene Dateien)
  --yes                 schreibt ohne Rückfrage auf den USB-Datenträger
  --allow-loop-device   akzeptiert ein Loop-Gerät als USB-Datenträger (Tests; nur root)
  -h, --help            zeigt diese Hilfe an
  -v, --version         zeigt die Version an

Der Fortschritt geht an die Standardfehlerausgabe, die Ergebnisse an die Standardausgabe (checksum: die Summe, wie sha256sum
sie ausgibt, der Vergleich auf der Standardfehlerausgabe). Der Exit-Status ist nur 0, wenn die eigene Prüfung der Aufgabe
bestanden wurde (checksum: 1, wenn die Summe von der danebenliegenden abweicht); Strg+C bricht die Aufgabe ab und entfernt
unvollständige Ausgaben.</translation>
    </message>
    <message>
        <source>Usage: quillon checksum IMAGE [--sha256|--sha1|--md5]</source>
        <translation>Aufruf: quillon checksum IMAGE [--sha256|--sha1|--md5]</translation>
    </message>
</context>
<context>
    <name>CreateImageJob</name>
    <message>
        <source>Copy files and folders...</source>
        <translation>Dateien und Ordner werden kopiert...</translation>
    </message>
    <message>
        <source>These files could not be copied into the working folder, so no image was created (unreadable files, or a full disk?):
%1</source>
        <translation>Diese Dateien konnten nicht in den Arbeitsordner kopiert werden, daher wurde kein Abbild erstellt (nicht lesbare Dateien oder voller Datenträger?):
%1</translation>
    </message>
</context>
<context>
    <name>DiscBurnJob</name>
    <message>
        <source>There is no disc in the drive.</source>
        <translation>Im Laufwerk liegt keine Disc.</translation>
    </message>
    <message>
        <source>The disc in the drive cannot be written: it is not blank, or not a kind of disc this drive can write.</source>
        <translation>Die Disc im Laufwerk kann nicht beschrieben werden: Sie ist nicht leer oder von einer Art, die dieses Laufwerk nicht beschreiben kann.</translation>
    </message>
    <message>
        <source>Writing to the disc failed.</source>
        <translation>Das Schreiben auf die Disc ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The recorder ended abnormally.</source>
        <translation>Das Brennprogramm wurde unerwartet beendet.</translation>
    </message>
    <message>
        <source>The recorder ended with exit status %1.</source>
        <translation>Das Brennprogramm wurde mit dem Status %1 beendet.</translation>
    </message>
</context>
<context>
    <name>EditSession</name>
    <message>
        <source>Copy files and directories...</source>
        <translation>Dateien und Ordner werden kopiert...</translation>
    </message>
    <message>
        <source>7-Zip ended with exit status %1.</source>
        <translation>7-Zip wurde mit dem Status %1 beendet.</translation>
    </message>
    <message>
        <source>The image %1 could not be opened: %2</source>
        <translation>Das Abbild %1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The extraction did not complete.</source>
        <translation>Die Extraktion wurde nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>Please enter a name.</source>
        <translation>Bitte geben Sie einen Namen ein.</translation>
    </message>
    <message>
        <source>A name cannot contain / or \.</source>
        <translation>Ein Name darf weder / noch \ enthalten.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists in this folder.</source>
        <translation>„%1“ ist in diesem Ordner bereits vorhanden.</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>ISO wird extrahiert...</translation>
    </message>
    <message>
        <source>The image was not extracted completely: %1</source>
        <translation>Das Abbild wurde nicht vollständig extrahiert: %1</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 ist ein Ordner. Bitte wählen Sie einen Dateinamen für das Abbild.</translation>
    </message>
    <message>
        <source>Please save the image under another name, outside the program&apos;s working folder.</source>
        <translation>Bitte speichern Sie das Abbild unter einem anderen Namen und außerhalb des Arbeitsordners des Programms.</translation>
    </message>
    <message>
        <source>Saving ISO file...</source>
        <translation>ISO-Datei wird gespeichert...</translation>
    </message>
    <message>
        <source>These items are missing from the working folder, so the image would lack them:
%1</source>
        <translation>Diese Elemente fehlen im Arbeitsordner und würden daher im Abbild fehlen:
%1</translation>
    </message>
    <message>
        <source>These items could not be copied:
%1</source>
        <translation>Diese Elemente konnten nicht kopiert werden:
%1</translation>
    </message>
    <message>
        <source>The compressed (zisofs) files could not be unpacked: %1</source>
        <translation>Die komprimierten Dateien (zisofs) konnten nicht entpackt werden: %1</translation>
    </message>
    <message>
        <source>These links could not be made: %1</source>
        <translation>Diese Verknüpfungen konnten nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>the original&apos;s boot setup for disks (its MBR or GPT system area)</source>
        <translation>die Booteinrichtung des Originals für Laufwerke (sein MBR- oder GPT-Systembereich)</translation>
    </message>
    <message>
        <source>symbolic links and compressed files, if it has any (xorriso is not installed)</source>
        <translation>symbolische Verknüpfungen und komprimierte Dateien, sofern vorhanden (xorriso ist nicht installiert)</translation>
    </message>
    <message>
        <source>genisoimage: the image has no system area, so UDF and Joliet are written as before.</source>
        <translation>genisoimage: Das Abbild hat keinen Systembereich, daher werden UDF und Joliet wie bisher geschrieben.</translation>
    </message>
    <message>
        <source>genisoimage: the image has a UDF tree, which only genisoimage writes.</source>
        <translation>genisoimage: Das Abbild hat einen UDF-Verzeichnisbaum, den nur genisoimage schreibt.</translation>
    </message>
    <message>
        <source>genisoimage: files of 4 GiB or more need its UDF tree.</source>
        <translation>genisoimage: Dateien ab 4 GiB benötigen seinen UDF-Verzeichnisbaum.</translation>
    </message>
    <message>
        <source>genisoimage: xorriso, which keeps the system area, is not installed.</source>
        <translation>genisoimage: xorriso, das den Systembereich erhält, ist nicht installiert.</translation>
    </message>
    <message>
        <source>genisoimage: the names 7-Zip reads differ from the image&apos;s Rock Ridge names.</source>
        <translation>genisoimage: Die Namen, die 7-Zip liest, weichen von den Rock Ridge-Namen des Abbilds ab.</translation>
    </message>
    <message>
        <source>xorriso: it replays the image&apos;s boot setup and system area, so the copy boots from a disk as the original does.</source>
        <translation>xorriso: Es übernimmt die Booteinrichtung und den Systembereich des Abbilds, sodass die Kopie wie das Original von einem Laufwerk startet.</translation>
    </message>
    <message>
        <source>The saved image cannot be read.</source>
        <translation>Das gespeicherte Abbild kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The saved image&apos;s system area (%1) differs from the original&apos;s (%2).</source>
        <translation>Der Systembereich des gespeicherten Abbilds (%1) weicht von dem des Originals (%2) ab.</translation>
    </message>
    <message>
        <source>These items were not exported: the folder holds a folder where a file would go, a file where a folder would go, or the image being edited:
%1</source>
        <translation>Diese Elemente wurden nicht exportiert: Der Ordner enthält einen Ordner, wo eine Datei hingehört, eine Datei, wo ein Ordner hingehört, oder das gerade bearbeitete Abbild:
%1</translation>
    </message>
</context>
<context>
    <name>ExtractJob</name>
    <message>
        <source>7-Zip stopped unexpectedly.</source>
        <translation>7-Zip wurde unerwartet beendet.</translation>
    </message>
    <message>
        <source>7-Zip ended with exit code %1.</source>
        <translation>7-Zip wurde mit dem Exitcode %1 beendet.</translation>
    </message>
    <message>
        <source>7-Zip did not confirm the extraction.</source>
        <translation>7-Zip hat die Extraktion nicht bestätigt.</translation>
    </message>
    <message>
        <source>Not extracted: %1</source>
        <translation>Nicht extrahiert: %1</translation>
    </message>
    <message>
        <source>Could not be moved into the output folder: %1</source>
        <translation>Konnten nicht in den Zielordner verschoben werden: %1</translation>
    </message>
    <message>
        <source>Left as they were in the output folder: %1</source>
        <translation>Im Zielordner unverändert belassen: %1</translation>
    </message>
    <message>
        <source>Nothing was selected.</source>
        <translation>Es wurde nichts ausgewählt.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>7-Zip could not be started (%1): %2</source>
        <translation>7-Zip konnte nicht gestartet werden (%1): %2</translation>
    </message>
    <message>
        <source>Copying files! Please wait a few seconds..</source>
        <translation>Dateien werden kopiert, bitte warten...</translation>
    </message>
    <message>
        <source>Extracting files: </source>
        <translation>Dateien werden extrahiert: </translation>
    </message>
    <message>
        <source>Extracting files...</source>
        <translation>Dateien werden extrahiert...</translation>
    </message>
    <message>
        <source>Cannot write the list of items to extract: %1</source>
        <translation>Die Liste der zu extrahierenden Elemente kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>This image holds symbolic links or compressed (zisofs) files, which only xorriso restores, and xorriso is not installed (package xorriso); links may have arrived as empty files.</source>
        <translation>Dieses Abbild enthält symbolische Links oder komprimierte (zisofs-)Dateien, die nur xorriso wiederherstellt, und xorriso ist nicht installiert (Paket xorriso); Links sind möglicherweise als leere Dateien angekommen.</translation>
    </message>
    <message>
        <source>Restoring links and compressed files...</source>
        <translation>Links und komprimierte Dateien werden wiederhergestellt...</translation>
    </message>
    <message>
        <source>xorriso could not read the image&apos;s Rock Ridge tree, so its links and compressed (zisofs) files could not be restored: %1</source>
        <translation>xorriso konnte den Rock-Ridge-Baum des Abbilds nicht lesen, daher konnten seine Links und komprimierten (zisofs-)Dateien nicht wiederhergestellt werden: %1</translation>
    </message>
    <message>
        <source>These symbolic links could not be made: %1</source>
        <translation>Diese symbolischen Links konnten nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>These links would point into Quillon&apos;s working folder and were left out: %1</source>
        <translation>Diese Links würden in den Arbeitsordner von Quillon zeigen und wurden ausgelassen: %1</translation>
    </message>
    <message>
        <source>These compressed (zisofs) files could not be unpacked: %1</source>
        <translation>Diese komprimierten (zisofs-)Dateien konnten nicht entpackt werden: %1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Open Folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Dateien öffnen</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
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
        <translation>ISO-Datei wird erstellt...</translation>
    </message>
    <message>
        <source>The ISO file could not be created.</source>
        <translation>Die ISO-Datei konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The ISO file could not be saved as %1.</source>
        <translation>Die ISO-Datei konnte nicht als %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The image builder stopped unexpectedly.</source>
        <translation>Die Abbilderstellung wurde unerwartet beendet.</translation>
    </message>
    <message>
        <source>The image file is incomplete: %1 bytes written, %2 bytes expected.</source>
        <translation>Die Abbilddatei ist unvollständig: %1 Bytes geschrieben, %2 Bytes erwartet.</translation>
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
        <translation>noch %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
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
        <translation>Die Datei %1 ist kein ISO- oder UDF-Abbild.</translation>
    </message>
    <message>
        <source>The file %1 is not an ISO or UDF image: 7-Zip reads it as a %2 archive.</source>
        <translation>Die Datei %1 ist kein ISO- oder UDF-Abbild: 7-Zip liest sie als %2-Archiv.</translation>
    </message>
    <message>
        <source>The image %1 could not be read. It may not be an ISO image, or it may be damaged.</source>
        <translation>Das Abbild %1 konnte nicht gelesen werden. Möglicherweise ist es kein ISO-Abbild oder es ist beschädigt.</translation>
    </message>
    <message>
        <source>The image %1 could not be read: 7-Zip could not be started (%2): %3</source>
        <translation>Das Abbild %1 konnte nicht gelesen werden: 7-Zip konnte nicht gestartet werden (%2): %3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Burn</source>
        <translation>Brennen</translation>
    </message>
    <message>
        <source>Make bootable USB or DVD/CD from ISO</source>
        <translation>Bootfähigen USB-Stick oder DVD/CD aus ISO erstellen</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extrahieren</translation>
    </message>
    <message>
        <source>Extract content from ISO</source>
        <translation>Inhalt aus ISO extrahieren</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Create ISO from files or folders</source>
        <translation>
 ISO aus Dateien 
 oder Ordnern erstellen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>
 Add, delete, rename 
 content in ISO file</source>
        <translation>
 Inhalt der ISO-Datei 
 hinzufügen, löschen, umbenennen</translation>
    </message>
    <message>
        <source>Copy Disk</source>
        <translation>Disc kopieren</translation>
    </message>
    <message>
        <source>
 Make ISO file from 
 CD/DVD disc</source>
        <translation>
 ISO-Datei aus 
 CD/DVD erstellen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Portugues</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Schwedisch</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>CTRL+H</source>
        <translation>CTRL+H</translation>
    </message>
    <message>
        <source>About Us(&amp;U)</source>
        <translation>&amp;Über uns</translation>
    </message>
    <message>
        <source>CTRL+U</source>
        <translation>CTRL+U</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>&amp;Beenden</translation>
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
        <translation>Das Abbild %1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is not an image file.</source>
        <translation>%1 ist keine Abbilddatei.</translation>
    </message>
    <message>
        <source>A job is still running. Stop it and close the program?</source>
        <translation>Eine Aufgabe läuft noch. Abbrechen und das Programm schließen?</translation>
    </message>
    <message>
        <source>Recent Images(&amp;R)</source>
        <translation>&amp;Zuletzt verwendete Abbilder</translation>
    </message>
    <message>
        <source>No recent images</source>
        <translation>Keine zuletzt verwendeten Abbilder</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>No web browser could be opened. The address is:
%1</source>
        <translation>Es konnte kein Webbrowser geöffnet werden. Die Adresse lautet:
%1</translation>
    </message>
</context>
<context>
    <name>Mkfs</name>
    <message numerus="yes">
        <source>a %1 label holds at most %n characters</source>
        <translation>
            <numerusform>eine %1-Bezeichnung darf höchstens %n Zeichen lang sein</numerusform>
            <numerusform>eine %1-Bezeichnung darf höchstens %n Zeichen lang sein</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 does not allow these characters in a label: %2</source>
        <translation>%1 erlaubt diese Zeichen in einer Bezeichnung nicht: %2</translation>
    </message>
</context>
<context>
    <name>PageWindow</name>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden. Möchten Sie es ersetzen?</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 is not a disk or partition.</source>
        <translation>%1 ist weder ein Laufwerk noch eine Partition.</translation>
    </message>
    <message>
        <source>The system does not know %1.</source>
        <translation>Das System kennt %1 nicht.</translation>
    </message>
    <message>
        <source>The disk of %1 (%2) has no device node.</source>
        <translation>Das Laufwerk von %1 (%2) hat keinen Geräteknoten.</translation>
    </message>
    <message>
        <source>%1 is not a drive.</source>
        <translation>%1 ist kein Laufwerk.</translation>
    </message>
</context>
<context>
    <name>ReadDiscJob</name>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 ist ein Ordner.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 cannot be written to.</source>
        <translation>In %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>There is no readable disc in the drive.</source>
        <translation>Im Laufwerk liegt keine lesbare Disc.</translation>
    </message>
    <message>
        <source>A part of the disc cannot be read.</source>
        <translation>Ein Teil der Disc kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Permission denied: the drive or the image file cannot be opened.</source>
        <translation>Zugriff verweigert: Das Laufwerk oder die Abbilddatei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The reader ended abnormally.</source>
        <translation>Das Leseprogramm wurde unerwartet beendet.</translation>
    </message>
    <message>
        <source>The reader ended with exit status %1.</source>
        <translation>Das Leseprogramm wurde mit dem Status %1 beendet.</translation>
    </message>
    <message>
        <source>The reader did not say how large the disc is.</source>
        <translation>Das Leseprogramm hat die Größe der Disc nicht gemeldet.</translation>
    </message>
    <message>
        <source>The image is incomplete: %1 of %2 bytes were read.</source>
        <translation>Das Abbild ist unvollständig: %1 von %2 Byte wurden gelesen.</translation>
    </message>
    <message>
        <source>The image could not be put in place of %1.</source>
        <translation>Das Abbild konnte %1 nicht ersetzen.</translation>
    </message>
</context>
<context>
    <name>RockRidge</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 is no longer a link</source>
        <translation>%1 ist keine Verknüpfung mehr</translation>
    </message>
    <message>
        <source>%1 points to %2 instead of %3</source>
        <translation>%1 verweist auf %2 statt auf %3</translation>
    </message>
    <message>
        <source>%1 is of another kind</source>
        <translation>%1 ist von anderer Art</translation>
    </message>
    <message>
        <source>%1 has %2 bytes instead of %3</source>
        <translation>%1 hat %2 Byte statt %3</translation>
    </message>
    <message>
        <source>The saved image does not hold what the edit shows:
%1</source>
        <translation>Das gespeicherte Abbild enthält nicht, was die Bearbeitung anzeigt:
%1</translation>
    </message>
</context>
<context>
    <name>ScanbusJob</name>
    <message>
        <source>The disc recorder did not finish looking for drives within %1 seconds; no disc drive is listed.</source>
        <translation>Das Brennprogramm hat die Suche nach Laufwerken nicht innerhalb von %1 Sekunden abgeschlossen; es wird kein Disc-Laufwerk aufgeführt.</translation>
    </message>
</context>
<context>
    <name>ToolJob</name>
    <message>
        <source>%1 ended abnormally.</source>
        <translation>%1 wurde unerwartet beendet.</translation>
    </message>
    <message>
        <source>%1 ended with exit status %2.</source>
        <translation>%1 wurde mit dem Status %2 beendet.</translation>
    </message>
    <message>
        <source>Could not start %1.</source>
        <translation>%1 konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Install the package %1.</source>
        <translation>Installieren Sie das Paket %1.</translation>
    </message>
</context>
<context>
    <name>UsbBurnJob</name>
    <message>
        <source>USB burn</source>
        <translation>USB-Brennvorgang</translation>
    </message>
    <message>
        <source>%1 is missing (install the package %2).</source>
        <translation>%1 fehlt (installieren Sie das Paket %2).</translation>
    </message>
    <message>
        <source>The image %1 does not exist.</source>
        <translation>Das Abbild %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Unknown file system &quot;%1&quot;.</source>
        <translation>Unbekanntes Dateisystem „%1“.</translation>
    </message>
    <message>
        <source>%1 is not a USB disk this page lists; it was left alone.</source>
        <translation>%1 ist kein USB-Laufwerk aus der Liste dieser Seite; es wurde nicht angetastet.</translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1.</source>
        <translation>In %1 kann kein Arbeitsordner angelegt werden.</translation>
    </message>
    <message>
        <source>The image could not be read. %1</source>
        <translation>Das Abbild konnte nicht gelesen werden. %1</translation>
    </message>
    <message>
        <source>the image has no EFI/BOOT/BOOTX64.EFI</source>
        <translation>das Abbild enthält kein EFI/BOOT/BOOTX64.EFI</translation>
    </message>
    <message>
        <source>UEFI firmware reads FAT file systems only</source>
        <translation>UEFI-Firmware liest nur FAT-Dateisysteme</translation>
    </message>
    <message>
        <source>The image needs %1 on the USB disk, which holds %2; nothing was written.</source>
        <translation>Das Abbild braucht %1 auf dem USB-Laufwerk, das %2 fasst; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Checking the request</source>
        <translation>Auftrag wird geprüft</translation>
    </message>
    <message>
        <source>Reading the image</source>
        <translation>Abbild wird gelesen</translation>
    </message>
    <message>
        <source>Reading the image...</source>
        <translation>Abbild wird gelesen...</translation>
    </message>
    <message>
        <source>Preparing the burn</source>
        <translation>Brennvorgang wird vorbereitet</translation>
    </message>
    <message>
        <source>Copying the files</source>
        <translation>Dateien werden kopiert</translation>
    </message>
    <message>
        <source>7-Zip ended with exit status %1.</source>
        <translation>7-Zip wurde mit dem Status %1 beendet.</translation>
    </message>
    <message>
        <source>Taking out the install image</source>
        <translation>Installationsabbild wird entnommen</translation>
    </message>
    <message>
        <source>There is no room for the install image (%1) in %2: %3 free.</source>
        <translation>Für das Installationsabbild (%1) ist in %2 kein Platz: %3 frei.</translation>
    </message>
    <message>
        <source>Splitting the install image</source>
        <translation>Installationsabbild wird aufgeteilt</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the image are missing or incomplete on the USB disk: %1</source>
        <translation>
            <numerusform>%n Datei des Abbilds fehlt auf dem USB-Laufwerk oder ist unvollständig: %1</numerusform>
            <numerusform>%n Dateien des Abbilds fehlen auf dem USB-Laufwerk oder sind unvollständig: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The USB disk starts on UEFI only: %1.</source>
        <translation>Das USB-Laufwerk startet nur mit UEFI: %1.</translation>
    </message>
    <message>
        <source>Neither BIOS nor UEFI can start from the USB disk: %1; %2.</source>
        <translation>Weder BIOS noch UEFI können vom USB-Laufwerk starten: %1; %2.</translation>
    </message>
    <message>
        <source>UEFI cannot start from the USB disk: %1.</source>
        <translation>UEFI kann nicht vom USB-Laufwerk starten: %1.</translation>
    </message>
    <message>
        <source>Burning failed. %1</source>
        <translation>Brennen fehlgeschlagen. %1</translation>
    </message>
    <message>
        <source>Burning was stopped.</source>
        <translation>Das Brennen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The USB disk is incomplete and still mounted at %1.</source>
        <translation>Das USB-Laufwerk ist unvollständig und noch unter %1 eingehängt.</translation>
    </message>
    <message>
        <source>The USB disk is incomplete.</source>
        <translation>Das USB-Laufwerk ist unvollständig.</translation>
    </message>
    <message>
        <source>The USB disk was not changed.</source>
        <translation>Das USB-Laufwerk wurde nicht verändert.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>FAT on this system goes through fusefat, which cannot write the name &quot;%1&quot;; choose NTFS or exFAT. Nothing was written.</source>
        <translation>FAT läuft auf diesem System über fusefat, das den Namen „%1“ nicht schreiben kann; wählen Sie NTFS oder exFAT. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>the image has no loader a BIOS can start from a USB disk</source>
        <translation>das Abbild enthält keinen Lader, den ein BIOS von einem USB-Laufwerk starten kann</translation>
    </message>
    <message>
        <source>Unmounting the USB disk</source>
        <translation>USB-Laufwerk wird ausgehängt</translation>
    </message>
    <message>
        <source>Unmounting the USB disk...</source>
        <translation>USB-Laufwerk wird ausgehängt...</translation>
    </message>
    <message>
        <source>Formatting the USB disk</source>
        <translation>USB-Laufwerk wird formatiert</translation>
    </message>
    <message>
        <source>Mounting the USB disk</source>
        <translation>USB-Laufwerk wird eingehängt</translation>
    </message>
    <message>
        <source>Mounting the USB disk...</source>
        <translation>USB-Laufwerk wird eingehängt...</translation>
    </message>
    <message>
        <source>Preparing the boot code</source>
        <translation>Bootcode wird vorbereitet</translation>
    </message>
    <message>
        <source>Building the boot code</source>
        <translation>Bootcode wird erzeugt</translation>
    </message>
    <message>
        <source>Installing the boot code</source>
        <translation>Bootcode wird installiert</translation>
    </message>
    <message>
        <source>grub-bios-setup is missing (install the package grub-pc-bin).</source>
        <translation>grub-bios-setup fehlt (installieren Sie das Paket grub-pc-bin).</translation>
    </message>
    <message>
        <source>Cannot write the boot code&apos;s files to the USB disk.</source>
        <translation>Die Dateien des Bootcodes können nicht auf das USB-Laufwerk geschrieben werden.</translation>
    </message>
    <message>
        <source>Writing the last data to the USB disk...</source>
        <translation>Restliche Daten werden geschrieben...</translation>
    </message>
    <message>
        <source>Checking the file system</source>
        <translation>Dateisystem wird geprüft</translation>
    </message>
    <message>
        <source>Checking the USB disk...</source>
        <translation>USB-Laufwerk wird geprüft...</translation>
    </message>
    <message>
        <source>The file system on the USB disk is not clean: %1</source>
        <translation>Das Dateisystem auf dem USB-Laufwerk ist nicht fehlerfrei: %1</translation>
    </message>
    <message>
        <source>Checking the label</source>
        <translation>Volumebezeichnung wird geprüft</translation>
    </message>
    <message>
        <source>The volume label cannot contain %1.</source>
        <translation>Die Volumebezeichnung darf %1 nicht enthalten.</translation>
    </message>
    <message>
        <source>Burning the USB disk...</source>
        <translation>USB-Laufwerk wird beschrieben...</translation>
    </message>
    <message>
        <source>Extract the wim file ...</source>
        <translation>WIM-Datei wird extrahiert...</translation>
    </message>
    <message>
        <source>Process the wim file larger than 4 GB...</source>
        <translation>WIM-Datei über 4 GB wird verarbeitet...</translation>
    </message>
    <message>
        <source>Burning Successfully...</source>
        <translation>Erfolgreich gebrannt...</translation>
    </message>
    <message>
        <source>The USB disk is under formating...</source>
        <translation>Das USB-Laufwerk wird formatiert...</translation>
    </message>
    <message>
        <source>The USB disk is installing bootsect...</source>
        <translation>Bootsektor wird auf dem USB-Laufwerk installiert...</translation>
    </message>
    <message>
        <source>%1 is a partition; choose the whole USB disk.</source>
        <translation>%1 ist eine Partition; wählen Sie das gesamte USB-Laufwerk.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>Das Abbild %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The image has no partition table of its own, so written as it is it would not start; choose MBR or GPT instead. Nothing was written.</source>
        <translation>Das Abbild hat keine eigene Partitionstabelle und würde daher unverändert geschrieben nicht starten; wählen Sie stattdessen MBR oder GPT. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The volume label &quot;%1&quot; cannot be used: %2. Nothing was written.</source>
        <translation>Die Volumebezeichnung „%1“ kann nicht verwendet werden: %2. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 cannot hold these names of the image apart, or refuses them: %2. Nothing was written.</source>
        <translation>%1 kann diese Namen des Abbilds nicht auseinanderhalten oder lehnt sie ab: %2. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The USB disk can be removed.</source>
        <translation>Das USB-Laufwerk kann entfernt werden.</translation>
    </message>
    <message>
        <source>Erasing the USB disk</source>
        <translation>USB-Laufwerk wird gelöscht</translation>
    </message>
    <message>
        <source>Writing the partition table</source>
        <translation>Partitionstabelle wird geschrieben</translation>
    </message>
    <message>
        <source>The new partition did not appear.</source>
        <translation>Die neue Partition ist nicht erschienen.</translation>
    </message>
    <message>
        <source>neither the image nor its El Torito EFI image has EFI/BOOT/BOOTX64.EFI</source>
        <translation>weder das Abbild noch sein EFI-Abbild (El Torito) enthält EFI/BOOT/BOOTX64.EFI</translation>
    </message>
    <message>
        <source>Cannot copy %1 of the El Torito EFI image to the USB disk.</source>
        <translation>%1 des EFI-Abbilds (El Torito) kann nicht auf das USB-Laufwerk kopiert werden.</translation>
    </message>
    <message>
        <source>Reading the UEFI loader</source>
        <translation>UEFI-Lader wird gelesen</translation>
    </message>
    <message>
        <source>Copying the UEFI loader</source>
        <translation>UEFI-Lader wird kopiert</translation>
    </message>
    <message>
        <source>Cannot write the boot menu to the USB disk.</source>
        <translation>Das Bootmenü kann nicht auf das USB-Laufwerk geschrieben werden.</translation>
    </message>
    <message>
        <source>Reading the image back</source>
        <translation>Abbild wird zurückgelesen</translation>
    </message>
    <message>
        <source>Reading the USB disk back</source>
        <translation>USB-Laufwerk wird zurückgelesen</translation>
    </message>
    <message>
        <source>The files on the USB disk differ from the image&apos;s.</source>
        <translation>Die Dateien auf dem USB-Laufwerk weichen von denen des Abbilds ab.</translation>
    </message>
    <message>
        <source>Flushing the USB disk</source>
        <translation>Puffer des USB-Laufwerks werden geleert</translation>
    </message>
    <message>
        <source>Writing the image...</source>
        <translation>Abbild wird geschrieben...</translation>
    </message>
    <message>
        <source>Writing the image</source>
        <translation>Abbild wird geschrieben</translation>
    </message>
    <message>
        <source>Writing the image as it is is not available on this system; choose MBR or GPT.</source>
        <translation>Das unveränderte Schreiben des Abbilds ist auf diesem System nicht verfügbar; wählen Sie MBR oder GPT.</translation>
    </message>
</context>
<context>
    <name>UsbHelperClient</name>
    <message>
        <source>The USB helper could not be started: %1</source>
        <translation>Das USB-Hilfsprogramm konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>Authorisation was refused.</source>
        <translation>Die Berechtigung wurde verweigert.</translation>
    </message>
    <message>
        <source>The USB helper ended unexpectedly (exit status %1). %2</source>
        <translation>Das USB-Hilfsprogramm wurde unerwartet beendet (Status %1). %2</translation>
    </message>
</context>
<context>
    <name>UsbHelperStartStep</name>
    <message>
        <source>Starting the USB helper</source>
        <translation>USB-Hilfsprogramm wird gestartet</translation>
    </message>
    <message>
        <source>Waiting for authorisation...</source>
        <translation>Warten auf Autorisierung...</translation>
    </message>
    <message>
        <source>The USB helper answered %1.</source>
        <translation>Das USB-Hilfsprogramm hat %1 geantwortet.</translation>
    </message>
</context>
<context>
    <name>UsbHelperStep</name>
    <message>
        <source>The USB helper is not running.</source>
        <translation>Das USB-Hilfsprogramm läuft nicht.</translation>
    </message>
</context>
</TS>
