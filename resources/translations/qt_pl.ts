<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>BootRebuild</name>
    <message>
        <source>boot entry %1</source>
        <translation>wpis rozruchowy %1</translation>
    </message>
    <message>
        <source>The %1 is for a platform (%2) the image builder cannot write.</source>
        <translation>%1: program tworzący obraz nie obsługuje tej platformy (%2).</translation>
    </message>
    <message>
        <source>The %1 could not be written to %2.</source>
        <translation>%1: nie udało się zapisać do %2.</translation>
    </message>
    <message>
        <source>The saved image cannot be read.</source>
        <translation>Nie można odczytać zapisanego obrazu.</translation>
    </message>
    <message>
        <source>The saved image&apos;s label is &quot;%1&quot;, not &quot;%2&quot;.</source>
        <translation>Etykieta zapisanego obrazu to „%1”, a nie „%2”.</translation>
    </message>
    <message>
        <source>The saved image has %1 boot entries, the original %2.</source>
        <translation>Zapisany obraz ma %1 wpisów rozruchowych, oryginał %2.</translation>
    </message>
    <message>
        <source>The saved image&apos;s %1 differs from the original&apos;s in its platform, emulation or load size.</source>
        <translation>Zapisany obraz, %1: platforma, emulacja lub rozmiar ładowania różnią się od oryginału.</translation>
    </message>
    <message>
        <source>The saved image&apos;s %1 does not hold the original&apos;s boot image.</source>
        <translation>Zapisany obraz, %1: brak obrazu rozruchowego z oryginału.</translation>
    </message>
</context>
<context>
    <name>CAboutusDialog</name>
    <message>
        <source>About Quillon</source>
        <translation>O programie Quillon</translation>
    </message>
    <message>
        <source>Quillon is free software: you may copy and share it under its licence. It comes with no warranty, so check every disk you write.</source>
        <translation>Quillon jest wolnym oprogramowaniem: możesz je kopiować i udostępniać zgodnie z jego licencją. Nie jest objęty żadną gwarancją, dlatego sprawdzaj każdy nagrany dysk.</translation>
    </message>
    <message>
        <source>Copyright (C) the Quillon developers.</source>
        <translation>Copyright (C) twórcy programu Quillon.</translation>
    </message>
    <message>
        <source>Please visit offical site: </source>
        <translation>Odwiedź oficjalną stronę: </translation>
    </message>
</context>
<context>
    <name>CBurnDialog</name>
    <message>
        <source>Browse</source>
        <translation>Przeglądaj</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Nagraj</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>ISO Image:</source>
        <translation>Obraz ISO:</translation>
    </message>
    <message>
        <source>Create A Bootable DVD/CD</source>
        <translation>Utwórz rozruchową płytę DVD/CD</translation>
    </message>
    <message>
        <source>Select a target disc then click BURN button</source>
        <translation>Wybierz docelową płytę i kliknij Nagraj</translation>
    </message>
    <message>
        <source>Create A Bootable USB</source>
        <translation>Utwórz rozruchowy dysk USB</translation>
    </message>
    <message>
        <source>Select a target USB then click BURN button</source>
        <translation>Wybierz docelowy dysk USB i kliknij Nagraj</translation>
    </message>
    <message>
        <source>Partition Style</source>
        <translation>Schemat partycji</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>System plików</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>Etykieta woluminu</translation>
    </message>
    <message>
        <source>Burn Failed! Do as following:
1.Try to burn again.
2.Change another USB drive or DVD.</source>
        <translation>Nagrywanie nie powiodło się! Wykonaj następujące kroki:
1. Spróbuj nagrać ponownie.
2. Użyj innego dysku USB lub innej płyty DVD.</translation>
    </message>
    <message>
        <source>Please insert your USB drive to computer</source>
        <translation>Podłącz dysk USB do komputera</translation>
    </message>
    <message>
        <source>Your USB drive will be formatted and all data in it will be deleted! Do you want to continue?</source>
        <translation>Dysk USB zostanie sformatowany, a wszystkie dane na nim zostaną usunięte! Czy chcesz kontynuować?</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Za mało miejsca. Użyj dysku USB lub płyty CD/DVD o większej pojemności.</translation>
    </message>
    <message>
        <source>Burning the disc...</source>
        <translation>Nagrywanie płyty...</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>Płyta została nagrana.</translation>
    </message>
    <message>
        <source>The disc could not be burned.</source>
        <translation>Nie udało się nagrać płyty.</translation>
    </message>
    <message>
        <source>No USB disk found — plug one in</source>
        <translation>Nie znaleziono dysku USB — podłącz dysk</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found</source>
        <translation>Nie znaleziono nagrywarki CD/DVD</translation>
    </message>
    <message>
        <source>Image (write the ISO as it is)</source>
        <translation>Obraz (zapisz ISO bez zmian)</translation>
    </message>
    <message>
        <source>Connect a CD/DVD recorder with a blank disc in it, or choose a USB disk instead.</source>
        <translation>Podłącz nagrywarkę CD/DVD z czystą płytą albo wybierz dysk USB.</translation>
    </message>
    <message>
        <source>The burn was stopped. The disc may be unusable.</source>
        <translation>Nagrywanie zostało przerwane. Płyta może nie nadawać się do użytku.</translation>
    </message>
    <message>
        <source>Checksum...</source>
        <translation>Suma kontrolna...</translation>
    </message>
</context>
<context>
    <name>CPage2</name>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>ISO Extract</source>
        <translation>Wypakowywanie ISO</translation>
    </message>
    <message>
        <source>Directly extract everything from ISO image file and export to your computer.</source>
        <translation>Wypakuj bezpośrednio całą zawartość pliku obrazu ISO i zapisz ją na komputerze.</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Wczytaj ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Wypakuj</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Rozmiar</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Extract(&amp;E)</source>
        <translation>&amp;Wypakuj</translation>
    </message>
    <message>
        <source>The image %1 seems to be damaged or incomplete; some items may not extract.</source>
        <translation>Obraz %1 wydaje się uszkodzony lub niekompletny; niektórych elementów może nie udać się wypakować.</translation>
    </message>
    <message>
        <source>Please select the files or folders you want to extract</source>
        <translation>Wybierz pliki lub foldery do wypakowania</translation>
    </message>
    <message>
        <source>The files could not be extracted.</source>
        <translation>Nie udało się wypakować plików.</translation>
    </message>
    <message>
        <source>Extract files successfully.</source>
        <translation>Pliki zostały wypakowane.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) in %1 would be replaced by the extracted ones:</source>
        <translation>
            <numerusform>%n plik w %1 zostałby zastąpiony wypakowanym:</numerusform>
            <numerusform>%n pliki w %1 zostałyby zastąpione wypakowanymi:</numerusform>
            <numerusform>%n plików w %1 zostałoby zastąpionych wypakowanymi:</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Zastąp</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Zachowaj moje</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Please load an ISO image first, then select the files or folders you want to extract</source>
        <translation>Najpierw wczytaj obraz ISO, a potem zaznacz pliki lub foldery do wypakowania</translation>
    </message>
    <message>
        <source>More than one selected item is called %1. Please extract them one at a time.</source>
        <translation>Kilka zaznaczonych elementów nazywa się %1. Wypakuj je pojedynczo.</translation>
    </message>
    <message>
        <source>Your own files were kept in: %1</source>
        <translation>Twoje własne pliki zachowano w: %1</translation>
    </message>
    <message>
        <source>%1 of %2 items were extracted.</source>
        <translation>Wypakowano %1 z %2 elementów.</translation>
    </message>
</context>
<context>
    <name>CPage3</name>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>File &amp; Folder Backup</source>
        <translation>Kopia plików &amp; folderów</translation>
    </message>
    <message>
        <source>Backup Type:</source>
        <translation>Typ kopii:</translation>
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
        <translation>Maks. rozmiar: 5 GB</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Dodaj pliki...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Dodaj folder...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Create ISO</source>
        <translation>Utwórz ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Ścieżka pliku</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Rozmiar</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Add Files(&amp;F)</source>
        <translation>Dodaj &amp;pliki</translation>
    </message>
    <message>
        <source>Add Dirs(&amp;D)</source>
        <translation>Dodaj &amp;foldery</translation>
    </message>
    <message>
        <source>Remove(&amp;R)</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>The working folder for the image could not be created below %1.</source>
        <translation>Nie udało się utworzyć folderu roboczego obrazu w %1.</translation>
    </message>
    <message>
        <source>Total Size: </source>
        <translation>Rozmiar całkowity: </translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Najpierw dodaj pliki lub foldery!</translation>
    </message>
    <message>
        <source>Please select one type</source>
        <translation>Wybierz typ</translation>
    </message>
    <message>
        <source>These files are 4 GB or larger:
%1
ISO 9660 and Joliet cannot record such sizes. The image will also get a UDF file system that holds them; programs that read only ISO 9660 or Joliet will see wrong sizes. Choose &quot;UDF ISO&quot; to avoid this question. Create the image anyway?</source>
        <translation>Te pliki mają 4 GB lub więcej:
%1
ISO 9660 i Joliet nie mogą zapisać takich rozmiarów. Obraz otrzyma więc także system plików UDF, który je pomieści; programy odczytujące tylko ISO 9660 lub Joliet zobaczą błędne rozmiary. Wybierz „UDF ISO”, aby uniknąć tego pytania. Czy mimo to utworzyć obraz?</translation>
    </message>
    <message>
        <source>Please save the image outside the program&apos;s working folder.</source>
        <translation>Zapisz obraz poza folderem roboczym programu.</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 jest folderem. Wybierz nazwę pliku dla obrazu.</translation>
    </message>
    <message>
        <source>Create ISO successfully!</source>
        <translation>Plik ISO został utworzony!</translation>
    </message>
    <message>
        <source>The files and folders in the list will be discarded. Go back anyway?</source>
        <translation>Pliki i foldery z listy zostaną odrzucone. Czy mimo to wrócić?</translation>
    </message>
    <message>
        <source>These items were not added: an item of the same name is already there, a folder that cannot be read, a backslash in the name, a link back to a folder that holds it, or the program&apos;s own working folder:
%1</source>
        <translation>Te elementy nie zostały dodane: element o tej samej nazwie już istnieje, folder, którego nie można odczytać, ukośnik wsteczny w nazwie, dowiązanie do folderu nadrzędnego lub folder roboczy samego programu:
%1</translation>
    </message>
</context>
<context>
    <name>CPage4</name>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Wczytaj ISO</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Rozmiar</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Add(&amp;A)</source>
        <translation>&amp;Dodaj</translation>
    </message>
    <message>
        <source>Export(&amp;E)</source>
        <translation>&amp;Eksportuj</translation>
    </message>
    <message>
        <source>Rename(&amp;R)</source>
        <translation>&amp;Zmień nazwę</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>The working folder for the image could not be created below %1.</source>
        <translation>Nie udało się utworzyć folderu roboczego obrazu w %1.</translation>
    </message>
    <message>
        <source>These items were not added: this folder already holds an item of that name:
%1</source>
        <translation>Te elementy nie zostały dodane, ponieważ ten folder zawiera już element o tej nazwie:
%1</translation>
    </message>
    <message>
        <source>Please select one row in the table list first</source>
        <translation>Najpierw zaznacz jeden wiersz na liście</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nowy folder</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>Wypakowywanie ISO...</translation>
    </message>
    <message>
        <source>Please select files or folders in the list first.</source>
        <translation>Najpierw zaznacz pliki lub foldery na liście.</translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Najpierw dodaj pliki lub foldery!</translation>
    </message>
    <message>
        <source>Save ISO file successfully!</source>
        <translation>Plik ISO został zapisany!</translation>
    </message>
    <message>
        <source>Export Successfully !</source>
        <translation>Eksport zakończony powodzeniem!</translation>
    </message>
    <message>
        <source>The ISO file could not be saved.</source>
        <translation>Nie udało się zapisać pliku ISO.</translation>
    </message>
    <message>
        <source>The items could not be exported.</source>
        <translation>Nie udało się wyeksportować elementów.</translation>
    </message>
    <message>
        <source>These items were not added: a folder that cannot be read, a backslash in the name, a link back to a folder that holds it, or the program&apos;s own working folder:
%1</source>
        <translation>Te elementy nie zostały dodane: folder, którego nie można odczytać, ukośnik wsteczny w nazwie, dowiązanie do folderu nadrzędnego lub folder roboczy samego programu:
%1</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 już istnieje. Czy chcesz go zastąpić?</translation>
    </message>
    <message>
        <source>The new image will not keep %1. Save anyway?</source>
        <translation>Nowy obraz nie zachowa: %1. Zapisać mimo to?</translation>
    </message>
    <message>
        <source> and </source>
        <translation> i </translation>
    </message>
    <message>
        <source>%1 already holds items of these names:
%2
Replace them with the exported ones?</source>
        <translation>%1 zawiera już elementy o tych nazwach:
%2
Zastąpić je eksportowanymi?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Zastąp</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Zachowaj moje</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>The changes to %1 have not been saved.</source>
        <translation>Zmiany w %1 nie zostały zapisane.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Odrzuć</translation>
    </message>
</context>
<context>
    <name>CPage5</name>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Rozpocznij</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>Make Image From Disc</source>
        <translation>Utwórz obraz z płyty</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Źródło</translation>
    </message>
    <message>
        <source>Select a CD/DVD drive:</source>
        <translation>Wybierz napęd CD/DVD:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Miejsce docelowe</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Format wyjściowy:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lokalizacja</translation>
    </message>
    <message>
        <source>Please select the iso file to save</source>
        <translation>Wybierz, gdzie zapisać plik ISO</translation>
    </message>
    <message>
        <source>Please select the iso file to save.</source>
        <translation>Wybierz, gdzie zapisać plik ISO.</translation>
    </message>
    <message>
        <source>The image cannot be saved there.</source>
        <translation>Nie można zapisać obrazu w tym miejscu.</translation>
    </message>
    <message>
        <source>Start reading...</source>
        <translation>Rozpoczynanie odczytu...</translation>
    </message>
    <message>
        <source>Reading Disc...</source>
        <translation>Odczyt płyty...</translation>
    </message>
    <message>
        <source>Copy CD/DVD successfully!</source>
        <translation>Płyta CD/DVD została skopiowana!</translation>
    </message>
    <message>
        <source>The disc could not be copied.</source>
        <translation>Nie udało się skopiować płyty.</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found</source>
        <translation>Nie znaleziono nagrywarki CD/DVD</translation>
    </message>
    <message>
        <source>Connect a CD/DVD drive with the disc to copy in it, then press Start again.</source>
        <translation>Podłącz napęd CD/DVD z płytą do skopiowania, a następnie ponownie kliknij Rozpocznij.</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
</context>
<context>
    <name>ChecksumJob</name>
    <message>
        <source>The %1 checksum matches %2.</source>
        <translation>Suma kontrolna %1 zgadza się z %2.</translation>
    </message>
    <message>
        <source>The %1 checksum does not match %2: the image is damaged or not the one published.</source>
        <translation>Suma kontrolna %1 nie zgadza się z %2: obraz jest uszkodzony lub nie jest tym opublikowanym.</translation>
    </message>
    <message>
        <source>No %1 checksum of this image lies beside it to compare with.</source>
        <translation>Obok tego obrazu nie ma sumy kontrolnej %1 do porównania.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>Nie można odczytać obrazu %1.</translation>
    </message>
    <message>
        <source>Reading %1 failed: %2</source>
        <translation>Odczyt %1 nie powiódł się: %2</translation>
    </message>
    <message>
        <source>Computing the %1 checksum...</source>
        <translation>Obliczanie sumy kontrolnej %1...</translation>
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
        <translation>Nie</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otwórz folder</translation>
    </message>
    <message>
        <source>No file manager could be opened. The folder is:
%1</source>
        <translation>Nie udało się otworzyć menedżera plików. Folder to:
%1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Stopped; nothing incomplete was left behind.</source>
        <translation>Zatrzymano; nie pozostawiono niczego niekompletnego.</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 jest folderem. Wybierz nazwę pliku dla obrazu.</translation>
    </message>
    <message>
        <source>%1 already exists. Add --force to replace it.</source>
        <translation>%1 już istnieje. Aby zastąpić, dodaj --force.</translation>
    </message>
    <message>
        <source>The image %1 does not exist.</source>
        <translation>Obraz %1 nie istnieje.</translation>
    </message>
    <message>
        <source>%1 is not an image file.</source>
        <translation>%1 nie jest plikiem obrazu.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>Nie można odczytać obrazu %1.</translation>
    </message>
    <message>
        <source>Usage: quillon extract IMAGE TARGET [ITEM...]</source>
        <translation>Użycie: quillon extract IMAGE TARGET [ITEM...]</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 nie jest folderem.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Zatrzymano.</translation>
    </message>
    <message>
        <source>%1 is not in the image.</source>
        <translation>Obraz nie zawiera %1.</translation>
    </message>
    <message>
        <source>The image holds no files.</source>
        <translation>Obraz nie zawiera plików.</translation>
    </message>
    <message>
        <source>These files already exist in %1. Add --force to replace them:
%2</source>
        <translation>Te pliki już istnieją w %1. Aby je zastąpić, dodaj --force:
%2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Nie można utworzyć folderu %1.</translation>
    </message>
    <message>
        <source>Extracted %1 items to %2.</source>
        <translation>Wyodrębniono elementy (%1) do %2.</translation>
    </message>
    <message>
        <source>The items could not be extracted.</source>
        <translation>Nie udało się wyodrębnić elementów.</translation>
    </message>
    <message>
        <source>Usage: quillon create --output IMAGE [--label LABEL] SOURCE...</source>
        <translation>Użycie: quillon create --output IMAGE [--label LABEL] SOURCE...</translation>
    </message>
    <message>
        <source>Unknown image type %1: use joliet, iso9660 or udf.</source>
        <translation>Nieznany typ obrazu %1: użyj joliet, iso9660 lub udf.</translation>
    </message>
    <message>
        <source>The working folder could not be created below %1.</source>
        <translation>Nie udało się utworzyć folderu roboczego w %1.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 nie istnieje.</translation>
    </message>
    <message>
        <source>%1 cannot be added: another item has its name, it cannot be read, or it holds a backslash in a name.</source>
        <translation>Nie można dodać %1: inny element ma tę samą nazwę, nie można go odczytać lub nazwa zawiera ukośnik wsteczny.</translation>
    </message>
    <message>
        <source>Files of 4 GiB or more show their true size only in the image&apos;s UDF tree.</source>
        <translation>Pliki o rozmiarze 4 GiB lub większym pokazują rzeczywisty rozmiar tylko w drzewie UDF obrazu.</translation>
    </message>
    <message>
        <source>Created %1 (%2 bytes).</source>
        <translation>Utworzono %1 (%2 B).</translation>
    </message>
    <message>
        <source>The ISO file could not be created.</source>
        <translation>Nie udało się utworzyć pliku ISO.</translation>
    </message>
    <message>
        <source>Usage: quillon edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]... [--rename /PATH=NEWNAME]...</source>
        <translation>Użycie: quillon edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]... [--rename /PATH=NEWNAME]...</translation>
    </message>
    <message>
        <source>--add needs SOURCE=/PATH/IN/IMAGE, not %1.</source>
        <translation>--add wymaga SOURCE=/PATH/IN/IMAGE, a nie %1.</translation>
    </message>
    <message>
        <source>--rename needs /PATH=NEWNAME, not %1.</source>
        <translation>--rename wymaga /PATH=NEWNAME, a nie %1.</translation>
    </message>
    <message>
        <source>The image has no folder %1.</source>
        <translation>Obraz nie zawiera folderu %1.</translation>
    </message>
    <message>
        <source>%1 cannot be added: it cannot be read, it holds a backslash in a name, or it links back to a folder that holds it.</source>
        <translation>Nie można dodać %1: nie można go odczytać, nazwa zawiera ukośnik wsteczny lub wskazuje z powrotem na folder, który go zawiera.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>Zapisano %1.</translation>
    </message>
    <message>
        <source>The ISO file could not be saved.</source>
        <translation>Nie udało się zapisać pliku ISO.</translation>
    </message>
    <message>
        <source>No CD/DVD recorder %1 found. quillon list-drives shows the recorders.</source>
        <translation>Nie znaleziono nagrywarki CD/DVD %1. Polecenie quillon list-drives wyświetla nagrywarki.</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>Płyta została nagrana.</translation>
    </message>
    <message>
        <source>The disc could not be burned.</source>
        <translation>Nie udało się nagrać płyty.</translation>
    </message>
    <message>
        <source>--allow-loop-device is for tests and only accepted as root.</source>
        <translation>--allow-loop-device służy do testów i jest akceptowane tylko dla użytkownika root.</translation>
    </message>
    <message>
        <source>%1 is not a USB disk. quillon list-drives shows the USB disks.</source>
        <translation>%1 nie jest dyskiem USB. Polecenie quillon list-drives wyświetla dyski USB.</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Za mało miejsca. Użyj dysku USB lub płyty CD/DVD o większej pojemności.</translation>
    </message>
    <message>
        <source>Unknown file system %1: use FAT32, NTFS, exFAT or FAT.</source>
        <translation>Nieznany system plików %1: użyj FAT32, NTFS, exFAT lub FAT.</translation>
    </message>
    <message>
        <source>All data on %1 will be deleted. Continue?</source>
        <translation>Wszystkie dane na %1 zostaną usunięte. Kontynuować?</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nic nie zapisano.</translation>
    </message>
    <message>
        <source>Usage: quillon copy-disc DRIVE --output IMAGE</source>
        <translation>Użycie: quillon copy-disc DRIVE --output IMAGE</translation>
    </message>
    <message>
        <source>Copied the disc to %1.</source>
        <translation>Skopiowano płytę do %1.</translation>
    </message>
    <message>
        <source>The disc could not be read.</source>
        <translation>Nie udało się odczytać płyty.</translation>
    </message>
    <message>
        <source>The recorder&apos;s bus scan did not end within %1 seconds.</source>
        <translation>Skanowanie magistrali w poszukiwaniu nagrywarek nie zakończyło się w ciągu %1 s.</translation>
    </message>
    <message>
        <source>No USB disk found — plug one in.</source>
        <translation>Nie znaleziono dysku USB — podłącz dysk.</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found.</source>
        <translation>Nie znaleziono nagrywarki CD/DVD.</translation>
    </message>
    <message>
        <source>Unknown page %1: use burn, extract, create, edit or copy-disc.</source>
        <translation>Nieznana strona %1: użyj burn, extract, create, edit lub copy-disc.</translation>
    </message>
    <message>
        <source>quillon --help shows the usage.</source>
        <translation>Polecenie quillon --help wyświetla sposób użycia.</translation>
    </message>
    <message>
        <source>The new image will not keep: %1</source>
        <translation>Nowy obraz nie zachowa: %1</translation>
    </message>
    <message>
        <source>Usage: quillon burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT] [--label LABEL] [--yes]
       quillon burn IMAGE --disc RECORDER</source>
        <translation>Użycie: quillon burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT] [--label LABEL] [--yes]
        quillon burn IMAGE --disc RECORDER</translation>
    </message>
    <message>
        <source>Unknown partition style %1: use mbr, gpt or image.</source>
        <translation>Nieznany schemat partycji %1: użyj mbr, gpt lub image.</translation>
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
        <translation>Użycie: quillon [IMAGE]
        quillon --page burn|extract|create|edit|copy-disc [IMAGE]
        quillon SUBCOMMAND ...

Bez podpolecenia uruchamia się okno z IMAGE otwartym na stronie Wypakuj (lub na stronie wskazanej
przez --page). Podpolecenia wykonują te same zadania bez interfejsu graficznego:

  extract IMAGE TARGET [ITEM...]      wypakowuje elementy (wszystkie, jeśli nie podano) do TARGET
  create --output IMAGE [--label LABEL] [--type joliet|iso9660|udf] SOURCE...
                                      tworzy obraz z plików i folderów
  edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]...
       [--rename /PATH=NEWNAME]...    zapisuje zmienioną kopię, która uruchamia się jak oryginał
  burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT]
       [--label LABEL] [--yes]        tworzy rozruchowy dysk USB (image: zapisuje obraz hybrydowy
                                      bez zmian; system plików i etykieta są pomijane)
  burn IMAGE --disc RECORDER          zapisuje obraz na płycie CD/DVD
  copy-disc DRIVE --output IMAGE      odczytuje płytę CD/DVD do obrazu
  list-drives                         dyski USB i nagrywarki, na które można nagrywać
  checksum IMAGE [--sha256|--sha1|--md5]
                                      suma kontrolna obrazu (SHA-256, jeśli nie podano innej), porównana
                                      z SHA256SUMS lub IMAGE.sha256 (i podobnymi) obok niego

Opcje:
  --force               zastępuje istniejący plik wyjściowy (extract: istniejące pliki)
  --yes                 zapisuje na dysk USB bez pytania
  --allow-loop-device   akceptuje urządzenie loop jako dysk USB (testy; tylko root)
  -h, --help            wyświetla tę pomoc
  -v, --version         wyświetla wersję

Postęp trafia na standardowe wyjście błędów, wyniki na standardowe wyjście (checksum: suma tak, jak wypisuje ją
sha256sum, porównanie na wyjściu błędów). Kod wyjścia wynosi 0 tylko wtedy, gdy własna kontrola zadania się
powiodła (checksum: 1, gdy suma różni się od tej obok obrazu); Ctrl+C zatrzymuje zadanie i usuwa częściowe wyniki.</translation>
    </message>
    <message>
        <source>Usage: quillon checksum IMAGE [--sha256|--sha1|--md5]</source>
        <translation>Użycie: quillon checksum IMAGE [--sha256|--sha1|--md5]</translation>
    </message>
</context>
<context>
    <name>CreateImageJob</name>
    <message>
        <source>Copy files and folders...</source>
        <translation>Kopiowanie plików i folderów...</translation>
    </message>
    <message>
        <source>These files could not be copied into the working folder, so no image was created (unreadable files, or a full disk?):
%1</source>
        <translation>Nie udało się skopiować tych plików do folderu roboczego, więc nie utworzono obrazu (nieczytelne pliki lub pełny dysk?):
%1</translation>
    </message>
</context>
<context>
    <name>DiscBurnJob</name>
    <message>
        <source>There is no disc in the drive.</source>
        <translation>W napędzie nie ma płyty.</translation>
    </message>
    <message>
        <source>The disc in the drive cannot be written: it is not blank, or not a kind of disc this drive can write.</source>
        <translation>Nie można nagrać płyty w napędzie: nie jest pusta albo ten napęd nie nagrywa tego rodzaju płyt.</translation>
    </message>
    <message>
        <source>Writing to the disc failed.</source>
        <translation>Zapis na płytę nie powiódł się.</translation>
    </message>
    <message>
        <source>The recorder ended abnormally.</source>
        <translation>Program nagrywający zakończył działanie nieprawidłowo.</translation>
    </message>
    <message>
        <source>The recorder ended with exit status %1.</source>
        <translation>Program nagrywający zakończył działanie ze statusem %1.</translation>
    </message>
</context>
<context>
    <name>EditSession</name>
    <message>
        <source>Copy files and directories...</source>
        <translation>Kopiowanie plików i folderów...</translation>
    </message>
    <message>
        <source>7-Zip ended with exit status %1.</source>
        <translation>7-Zip zakończył działanie ze statusem %1.</translation>
    </message>
    <message>
        <source>The image %1 could not be opened: %2</source>
        <translation>Nie można otworzyć obrazu %1: %2</translation>
    </message>
    <message>
        <source>The extraction did not complete.</source>
        <translation>Wypakowywanie nie zostało ukończone.</translation>
    </message>
    <message>
        <source>Please enter a name.</source>
        <translation>Wpisz nazwę.</translation>
    </message>
    <message>
        <source>A name cannot contain / or \.</source>
        <translation>Nazwa nie może zawierać znaków / ani \.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists in this folder.</source>
        <translation>„%1” już istnieje w tym folderze.</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>Wypakowywanie ISO...</translation>
    </message>
    <message>
        <source>The image was not extracted completely: %1</source>
        <translation>Obraz nie został wypakowany w całości: %1</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 jest folderem. Wybierz nazwę pliku dla obrazu.</translation>
    </message>
    <message>
        <source>Please save the image under another name, outside the program&apos;s working folder.</source>
        <translation>Zapisz obraz pod inną nazwą, poza folderem roboczym programu.</translation>
    </message>
    <message>
        <source>Saving ISO file...</source>
        <translation>Zapisywanie pliku ISO...</translation>
    </message>
    <message>
        <source>These items are missing from the working folder, so the image would lack them:
%1</source>
        <translation>Tych elementów brakuje w folderze roboczym, więc nie znalazłyby się w obrazie:
%1</translation>
    </message>
    <message>
        <source>These items could not be copied:
%1</source>
        <translation>Nie udało się skopiować tych elementów:
%1</translation>
    </message>
    <message>
        <source>The compressed (zisofs) files could not be unpacked: %1</source>
        <translation>Nie udało się rozpakować skompresowanych plików (zisofs): %1</translation>
    </message>
    <message>
        <source>These links could not be made: %1</source>
        <translation>Nie udało się utworzyć tych dowiązań: %1</translation>
    </message>
    <message>
        <source>the original&apos;s boot setup for disks (its MBR or GPT system area)</source>
        <translation>konfigurację rozruchu oryginału dla dysków (jego obszar systemowy MBR lub GPT)</translation>
    </message>
    <message>
        <source>symbolic links and compressed files, if it has any (xorriso is not installed)</source>
        <translation>dowiązania symboliczne i skompresowane pliki, jeśli są (xorriso nie jest zainstalowany)</translation>
    </message>
    <message>
        <source>genisoimage: the image has no system area, so UDF and Joliet are written as before.</source>
        <translation>genisoimage: obraz nie ma obszaru systemowego, więc UDF i Joliet są zapisywane jak dotąd.</translation>
    </message>
    <message>
        <source>genisoimage: the image has a UDF tree, which only genisoimage writes.</source>
        <translation>genisoimage: obraz ma drzewo UDF, które zapisuje tylko genisoimage.</translation>
    </message>
    <message>
        <source>genisoimage: files of 4 GiB or more need its UDF tree.</source>
        <translation>genisoimage: pliki o rozmiarze 4 GiB lub większym wymagają jego drzewa UDF.</translation>
    </message>
    <message>
        <source>genisoimage: xorriso, which keeps the system area, is not installed.</source>
        <translation>genisoimage: xorriso, który zachowuje obszar systemowy, nie jest zainstalowany.</translation>
    </message>
    <message>
        <source>genisoimage: the names 7-Zip reads differ from the image&apos;s Rock Ridge names.</source>
        <translation>genisoimage: nazwy odczytywane przez 7-Zip różnią się od nazw Rock Ridge w obrazie.</translation>
    </message>
    <message>
        <source>xorriso: it replays the image&apos;s boot setup and system area, so the copy boots from a disk as the original does.</source>
        <translation>xorriso: odtwarza konfigurację rozruchu i obszar systemowy obrazu, więc kopia uruchamia się z dysku tak jak oryginał.</translation>
    </message>
    <message>
        <source>The saved image cannot be read.</source>
        <translation>Nie można odczytać zapisanego obrazu.</translation>
    </message>
    <message>
        <source>The saved image&apos;s system area (%1) differs from the original&apos;s (%2).</source>
        <translation>Obszar systemowy zapisanego obrazu (%1) różni się od obszaru oryginału (%2).</translation>
    </message>
    <message>
        <source>These items were not exported: the folder holds a folder where a file would go, a file where a folder would go, or the image being edited:
%1</source>
        <translation>Te elementy nie zostały wyeksportowane: folder zawiera folder tam, gdzie miałby trafić plik, plik tam, gdzie miałby trafić folder, albo edytowany obraz:
%1</translation>
    </message>
</context>
<context>
    <name>ExtractJob</name>
    <message>
        <source>7-Zip stopped unexpectedly.</source>
        <translation>7-Zip nieoczekiwanie zakończył działanie.</translation>
    </message>
    <message>
        <source>7-Zip ended with exit code %1.</source>
        <translation>7-Zip zakończył działanie z kodem wyjścia %1.</translation>
    </message>
    <message>
        <source>7-Zip did not confirm the extraction.</source>
        <translation>7-Zip nie potwierdził wypakowania.</translation>
    </message>
    <message>
        <source>Not extracted: %1</source>
        <translation>Nie wypakowano: %1</translation>
    </message>
    <message>
        <source>Could not be moved into the output folder: %1</source>
        <translation>Nie udało się przenieść do folderu docelowego: %1</translation>
    </message>
    <message>
        <source>Left as they were in the output folder: %1</source>
        <translation>Pozostawiono bez zmian w folderze docelowym: %1</translation>
    </message>
    <message>
        <source>Nothing was selected.</source>
        <translation>Nic nie zaznaczono.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Folder %1 nie istnieje.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>Nie można zapisywać w folderze %1: %2</translation>
    </message>
    <message>
        <source>7-Zip could not be started (%1): %2</source>
        <translation>Nie udało się uruchomić programu 7-Zip (%1): %2</translation>
    </message>
    <message>
        <source>Copying files! Please wait a few seconds..</source>
        <translation>Kopiowanie plików. Proszę czekać kilka sekund...</translation>
    </message>
    <message>
        <source>Extracting files: </source>
        <translation>Wypakowywanie plików: </translation>
    </message>
    <message>
        <source>Extracting files...</source>
        <translation>Wypakowywanie plików...</translation>
    </message>
    <message>
        <source>Cannot write the list of items to extract: %1</source>
        <translation>Nie można zapisać listy elementów do wypakowania: %1</translation>
    </message>
    <message>
        <source>This image holds symbolic links or compressed (zisofs) files, which only xorriso restores, and xorriso is not installed (package xorriso); links may have arrived as empty files.</source>
        <translation>Ten obraz zawiera dowiązania symboliczne lub pliki skompresowane (zisofs), które przywraca tylko xorriso, a xorriso nie jest zainstalowany (pakiet xorriso); dowiązania mogły trafić jako puste pliki.</translation>
    </message>
    <message>
        <source>Restoring links and compressed files...</source>
        <translation>Przywracanie dowiązań i plików skompresowanych...</translation>
    </message>
    <message>
        <source>xorriso could not read the image&apos;s Rock Ridge tree, so its links and compressed (zisofs) files could not be restored: %1</source>
        <translation>xorriso nie mógł odczytać drzewa Rock Ridge obrazu, więc nie udało się przywrócić jego dowiązań i plików skompresowanych (zisofs): %1</translation>
    </message>
    <message>
        <source>These symbolic links could not be made: %1</source>
        <translation>Nie udało się utworzyć tych dowiązań symbolicznych: %1</translation>
    </message>
    <message>
        <source>These links would point into Quillon&apos;s working folder and were left out: %1</source>
        <translation>Te dowiązania wskazywałyby na folder roboczy Quillon i zostały pominięte: %1</translation>
    </message>
    <message>
        <source>These compressed (zisofs) files could not be unpacked: %1</source>
        <translation>Nie udało się rozpakować tych plików skompresowanych (zisofs): %1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Open Folder</source>
        <translation>Wybierz folder</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Otwórz plik</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Otwórz pliki</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Zapisz plik</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
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
        <translation>Tworzenie pliku ISO...</translation>
    </message>
    <message>
        <source>The ISO file could not be created.</source>
        <translation>Nie udało się utworzyć pliku ISO.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>Nie można zapisywać w folderze %1: %2</translation>
    </message>
    <message>
        <source>The ISO file could not be saved as %1.</source>
        <translation>Nie udało się zapisać pliku ISO jako %1.</translation>
    </message>
    <message>
        <source>The image builder stopped unexpectedly.</source>
        <translation>Moduł tworzenia obrazów nieoczekiwanie przerwał działanie.</translation>
    </message>
    <message>
        <source>The image file is incomplete: %1 bytes written, %2 bytes expected.</source>
        <translation>Plik obrazu jest niekompletny: zapisano %1 B, oczekiwano %2 B.</translation>
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
        <translation>pozostało %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
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
        <translation>Plik %1 nie jest obrazem ISO ani UDF.</translation>
    </message>
    <message>
        <source>The file %1 is not an ISO or UDF image: 7-Zip reads it as a %2 archive.</source>
        <translation>Plik %1 nie jest obrazem ISO ani UDF: 7-Zip odczytuje go jako archiwum %2.</translation>
    </message>
    <message>
        <source>The image %1 could not be read. It may not be an ISO image, or it may be damaged.</source>
        <translation>Nie można odczytać obrazu %1. Być może nie jest to obraz ISO albo jest uszkodzony.</translation>
    </message>
    <message>
        <source>The image %1 could not be read: 7-Zip could not be started (%2): %3</source>
        <translation>Nie można odczytać obrazu %1: nie udało się uruchomić programu 7-Zip (%2): %3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Burn</source>
        <translation>Nagraj</translation>
    </message>
    <message>
        <source>Make bootable USB or DVD/CD from ISO</source>
        <translation>Utwórz rozruchowy pendrive lub DVD/CD z ISO</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Wypakuj</translation>
    </message>
    <message>
        <source>Extract content from ISO</source>
        <translation>Wypakuj zawartość z ISO</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Utwórz</translation>
    </message>
    <message>
        <source>Create ISO from files or folders</source>
        <translation>Utwórz ISO z plików lub folderów</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>
 Add, delete, rename 
 content in ISO file</source>
        <translation>
 Dodawaj, usuwaj, zmieniaj nazwy 
 w pliku ISO</translation>
    </message>
    <message>
        <source>Copy Disk</source>
        <translation>Kopiuj dysk</translation>
    </message>
    <message>
        <source>
 Make ISO file from 
 CD/DVD disc</source>
        <translation>
 Utwórz plik ISO 
 z płyty CD/DVD</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Angielski</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chiński</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japoński</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francuski</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Niemiecki</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Hiszpański</translation>
    </message>
    <message>
        <source>Portugues</source>
        <translation>Portugalski</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polski</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Włoski</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rosyjski</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Niderlandzki</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Szwedzki</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>CTRL+H</source>
        <translation>CTRL+H</translation>
    </message>
    <message>
        <source>About Us(&amp;U)</source>
        <translation>&amp;O nas</translation>
    </message>
    <message>
        <source>CTRL+U</source>
        <translation>CTRL+U</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>&amp;Wyjdź</translation>
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
        <translation>Obraz %1 nie istnieje.</translation>
    </message>
    <message>
        <source>%1 is not an image file.</source>
        <translation>%1 nie jest plikiem obrazu.</translation>
    </message>
    <message>
        <source>A job is still running. Stop it and close the program?</source>
        <translation>Zadanie nadal trwa. Zatrzymać je i zamknąć program?</translation>
    </message>
    <message>
        <source>Recent Images(&amp;R)</source>
        <translation>Os&amp;tatnie obrazy</translation>
    </message>
    <message>
        <source>No recent images</source>
        <translation>Brak ostatnich obrazów</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Wyczyść listę</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>No web browser could be opened. The address is:
%1</source>
        <translation>Nie udało się otworzyć przeglądarki internetowej. Adres to:
%1</translation>
    </message>
</context>
<context>
    <name>Mkfs</name>
    <message numerus="yes">
        <source>a %1 label holds at most %n characters</source>
        <translation>
            <numerusform>etykieta %1 może mieć najwyżej %n znaków</numerusform>
            <numerusform>etykieta %1 może mieć najwyżej %n znaków</numerusform>
            <numerusform>etykieta %1 może mieć najwyżej %n znaków</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 does not allow these characters in a label: %2</source>
        <translation>%1 nie dopuszcza w etykiecie tych znaków: %2</translation>
    </message>
</context>
<context>
    <name>PageWindow</name>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 już istnieje. Czy chcesz go zastąpić?</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 is not a disk or partition.</source>
        <translation>%1 nie jest dyskiem ani partycją.</translation>
    </message>
    <message>
        <source>The system does not know %1.</source>
        <translation>System nie rozpoznaje %1.</translation>
    </message>
    <message>
        <source>The disk of %1 (%2) has no device node.</source>
        <translation>Dysk %1 (%2) nie ma węzła urządzenia.</translation>
    </message>
    <message>
        <source>%1 is not a drive.</source>
        <translation>%1 nie jest napędem.</translation>
    </message>
</context>
<context>
    <name>ReadDiscJob</name>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 jest folderem.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Folder %1 nie istnieje.</translation>
    </message>
    <message>
        <source>%1 cannot be written to.</source>
        <translation>Nie można zapisywać w %1.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>Nie można zapisywać w folderze %1: %2</translation>
    </message>
    <message>
        <source>There is no readable disc in the drive.</source>
        <translation>W napędzie nie ma czytelnej płyty.</translation>
    </message>
    <message>
        <source>A part of the disc cannot be read.</source>
        <translation>Części płyty nie można odczytać.</translation>
    </message>
    <message>
        <source>Permission denied: the drive or the image file cannot be opened.</source>
        <translation>Odmowa dostępu: nie można otworzyć napędu lub pliku obrazu.</translation>
    </message>
    <message>
        <source>The reader ended abnormally.</source>
        <translation>Program odczytujący zakończył działanie nieprawidłowo.</translation>
    </message>
    <message>
        <source>The reader ended with exit status %1.</source>
        <translation>Program odczytujący zakończył działanie ze statusem %1.</translation>
    </message>
    <message>
        <source>The reader did not say how large the disc is.</source>
        <translation>Program odczytujący nie podał rozmiaru płyty.</translation>
    </message>
    <message>
        <source>The image is incomplete: %1 of %2 bytes were read.</source>
        <translation>Obraz jest niekompletny: odczytano %1 z %2 bajtów.</translation>
    </message>
    <message>
        <source>The image could not be put in place of %1.</source>
        <translation>Nie udało się zastąpić %1 obrazem.</translation>
    </message>
</context>
<context>
    <name>RockRidge</name>
    <message>
        <source>%1 is missing</source>
        <translation>Brak %1</translation>
    </message>
    <message>
        <source>%1 is no longer a link</source>
        <translation>%1 nie jest już dowiązaniem</translation>
    </message>
    <message>
        <source>%1 points to %2 instead of %3</source>
        <translation>%1 wskazuje na %2 zamiast na %3</translation>
    </message>
    <message>
        <source>%1 is of another kind</source>
        <translation>%1 jest innego rodzaju</translation>
    </message>
    <message>
        <source>%1 has %2 bytes instead of %3</source>
        <translation>%1 ma %2 bajtów zamiast %3</translation>
    </message>
    <message>
        <source>The saved image does not hold what the edit shows:
%1</source>
        <translation>Zapisany obraz nie zawiera tego, co pokazuje edycja:
%1</translation>
    </message>
</context>
<context>
    <name>ScanbusJob</name>
    <message>
        <source>The disc recorder did not finish looking for drives within %1 seconds; no disc drive is listed.</source>
        <translation>Program nagrywający nie zakończył wyszukiwania napędów w ciągu %1 sekund; nie wyświetlono żadnego napędu.</translation>
    </message>
</context>
<context>
    <name>ToolJob</name>
    <message>
        <source>%1 ended abnormally.</source>
        <translation>%1 zakończył działanie nieprawidłowo.</translation>
    </message>
    <message>
        <source>%1 ended with exit status %2.</source>
        <translation>%1 zakończył działanie ze statusem %2.</translation>
    </message>
    <message>
        <source>Could not start %1.</source>
        <translation>Nie można uruchomić %1.</translation>
    </message>
    <message>
        <source>Install the package %1.</source>
        <translation>Zainstaluj pakiet %1.</translation>
    </message>
</context>
<context>
    <name>UsbBurnJob</name>
    <message>
        <source>USB burn</source>
        <translation>Nagrywanie USB</translation>
    </message>
    <message>
        <source>%1 is missing (install the package %2).</source>
        <translation>Brak %1 (zainstaluj pakiet %2).</translation>
    </message>
    <message>
        <source>The image %1 does not exist.</source>
        <translation>Obraz %1 nie istnieje.</translation>
    </message>
    <message>
        <source>Unknown file system &quot;%1&quot;.</source>
        <translation>Nieznany system plików „%1”.</translation>
    </message>
    <message>
        <source>%1 is not a USB disk this page lists; it was left alone.</source>
        <translation>%1 nie jest dyskiem USB z listy na tej stronie; pozostawiono go bez zmian.</translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1.</source>
        <translation>Nie można utworzyć folderu roboczego w %1.</translation>
    </message>
    <message>
        <source>The image could not be read. %1</source>
        <translation>Nie można odczytać obrazu. %1</translation>
    </message>
    <message>
        <source>the image has no EFI/BOOT/BOOTX64.EFI</source>
        <translation>obraz nie zawiera pliku EFI/BOOT/BOOTX64.EFI</translation>
    </message>
    <message>
        <source>UEFI firmware reads FAT file systems only</source>
        <translation>oprogramowanie UEFI odczytuje tylko systemy plików FAT</translation>
    </message>
    <message>
        <source>The image needs %1 on the USB disk, which holds %2; nothing was written.</source>
        <translation>Obraz wymaga %1 na dysku USB, który mieści %2; nic nie zapisano.</translation>
    </message>
    <message>
        <source>Checking the request</source>
        <translation>Sprawdzanie zlecenia</translation>
    </message>
    <message>
        <source>Reading the image</source>
        <translation>Odczyt obrazu</translation>
    </message>
    <message>
        <source>Reading the image...</source>
        <translation>Odczyt obrazu...</translation>
    </message>
    <message>
        <source>Preparing the burn</source>
        <translation>Przygotowywanie nagrywania</translation>
    </message>
    <message>
        <source>Copying the files</source>
        <translation>Kopiowanie plików</translation>
    </message>
    <message>
        <source>7-Zip ended with exit status %1.</source>
        <translation>7-Zip zakończył działanie ze statusem %1.</translation>
    </message>
    <message>
        <source>Taking out the install image</source>
        <translation>Wyodrębnianie obrazu instalacyjnego</translation>
    </message>
    <message>
        <source>There is no room for the install image (%1) in %2: %3 free.</source>
        <translation>Brak miejsca na obraz instalacyjny (%1) w %2: wolne %3.</translation>
    </message>
    <message>
        <source>Splitting the install image</source>
        <translation>Dzielenie obrazu instalacyjnego</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the image are missing or incomplete on the USB disk: %1</source>
        <translation>
            <numerusform>%n plik obrazu nie istnieje na dysku USB lub jest niekompletny: %1</numerusform>
            <numerusform>%n pliki obrazu nie istnieją na dysku USB lub są niekompletne: %1</numerusform>
            <numerusform>%n plików obrazu nie istnieje na dysku USB lub jest niekompletnych: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The USB disk starts on UEFI only: %1.</source>
        <translation>Dysk USB uruchamia się tylko w trybie UEFI: %1.</translation>
    </message>
    <message>
        <source>Neither BIOS nor UEFI can start from the USB disk: %1; %2.</source>
        <translation>Ani BIOS, ani UEFI nie mogą uruchomić systemu z dysku USB: %1; %2.</translation>
    </message>
    <message>
        <source>UEFI cannot start from the USB disk: %1.</source>
        <translation>UEFI nie może uruchomić systemu z dysku USB: %1.</translation>
    </message>
    <message>
        <source>Burning failed. %1</source>
        <translation>Nagrywanie nie powiodło się. %1</translation>
    </message>
    <message>
        <source>Burning was stopped.</source>
        <translation>Nagrywanie zostało zatrzymane.</translation>
    </message>
    <message>
        <source>The USB disk is incomplete and still mounted at %1.</source>
        <translation>Dysk USB jest niekompletny i nadal zamontowany w %1.</translation>
    </message>
    <message>
        <source>The USB disk is incomplete.</source>
        <translation>Dysk USB jest niekompletny.</translation>
    </message>
    <message>
        <source>The USB disk was not changed.</source>
        <translation>Dysk USB nie został zmieniony.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nic nie zapisano.</translation>
    </message>
    <message>
        <source>FAT on this system goes through fusefat, which cannot write the name &quot;%1&quot;; choose NTFS or exFAT. Nothing was written.</source>
        <translation>W tym systemie FAT działa przez fusefat, który nie potrafi zapisać nazwy „%1”; wybierz NTFS lub exFAT. Nic nie zapisano.</translation>
    </message>
    <message>
        <source>the image has no loader a BIOS can start from a USB disk</source>
        <translation>obraz nie ma programu ładującego, który BIOS mógłby uruchomić z dysku USB</translation>
    </message>
    <message>
        <source>Unmounting the USB disk</source>
        <translation>Odmontowywanie dysku USB</translation>
    </message>
    <message>
        <source>Unmounting the USB disk...</source>
        <translation>Odmontowywanie dysku USB...</translation>
    </message>
    <message>
        <source>Formatting the USB disk</source>
        <translation>Formatowanie dysku USB</translation>
    </message>
    <message>
        <source>Mounting the USB disk</source>
        <translation>Montowanie dysku USB</translation>
    </message>
    <message>
        <source>Mounting the USB disk...</source>
        <translation>Montowanie dysku USB...</translation>
    </message>
    <message>
        <source>Preparing the boot code</source>
        <translation>Przygotowywanie kodu rozruchowego</translation>
    </message>
    <message>
        <source>Building the boot code</source>
        <translation>Tworzenie kodu rozruchowego</translation>
    </message>
    <message>
        <source>Installing the boot code</source>
        <translation>Instalowanie kodu rozruchowego</translation>
    </message>
    <message>
        <source>grub-bios-setup is missing (install the package grub-pc-bin).</source>
        <translation>Brak grub-bios-setup (zainstaluj pakiet grub-pc-bin).</translation>
    </message>
    <message>
        <source>Cannot write the boot code&apos;s files to the USB disk.</source>
        <translation>Nie można zapisać plików kodu rozruchowego na dysku USB.</translation>
    </message>
    <message>
        <source>Writing the last data to the USB disk...</source>
        <translation>Zapisywanie ostatnich danych na dysku USB...</translation>
    </message>
    <message>
        <source>Checking the file system</source>
        <translation>Sprawdzanie systemu plików</translation>
    </message>
    <message>
        <source>Checking the USB disk...</source>
        <translation>Sprawdzanie dysku USB...</translation>
    </message>
    <message>
        <source>The file system on the USB disk is not clean: %1</source>
        <translation>System plików na dysku USB zawiera błędy: %1</translation>
    </message>
    <message>
        <source>Checking the label</source>
        <translation>Sprawdzanie etykiety</translation>
    </message>
    <message>
        <source>The volume label cannot contain %1.</source>
        <translation>Etykieta woluminu nie może zawierać %1.</translation>
    </message>
    <message>
        <source>Burning the USB disk...</source>
        <translation>Zapisywanie dysku USB...</translation>
    </message>
    <message>
        <source>Extract the wim file ...</source>
        <translation>Wyodrębnianie pliku WIM...</translation>
    </message>
    <message>
        <source>Process the wim file larger than 4 GB...</source>
        <translation>Przetwarzanie pliku WIM większego niż 4 GB...</translation>
    </message>
    <message>
        <source>Burning Successfully...</source>
        <translation>Nagrywanie zakończone powodzeniem...</translation>
    </message>
    <message>
        <source>The USB disk is under formating...</source>
        <translation>Formatowanie dysku USB...</translation>
    </message>
    <message>
        <source>The USB disk is installing bootsect...</source>
        <translation>Instalowanie sektora rozruchowego na dysku USB...</translation>
    </message>
    <message>
        <source>%1 is a partition; choose the whole USB disk.</source>
        <translation>%1 to partycja; wybierz cały dysk USB.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>Nie można odczytać obrazu %1.</translation>
    </message>
    <message>
        <source>The image has no partition table of its own, so written as it is it would not start; choose MBR or GPT instead. Nothing was written.</source>
        <translation>Obraz nie ma własnej tablicy partycji, więc zapisany bez zmian nie uruchomi się; wybierz MBR lub GPT. Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>The volume label &quot;%1&quot; cannot be used: %2. Nothing was written.</source>
        <translation>Nie można użyć etykiety woluminu „%1”: %2. Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>%1 cannot hold these names of the image apart, or refuses them: %2. Nothing was written.</source>
        <translation>%1 nie rozróżnia tych nazw z obrazu lub ich nie akceptuje: %2. Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>The USB disk can be removed.</source>
        <translation>Dysk USB można odłączyć.</translation>
    </message>
    <message>
        <source>Erasing the USB disk</source>
        <translation>Czyszczenie dysku USB</translation>
    </message>
    <message>
        <source>Writing the partition table</source>
        <translation>Zapisywanie tablicy partycji</translation>
    </message>
    <message>
        <source>The new partition did not appear.</source>
        <translation>Nowa partycja się nie pojawiła.</translation>
    </message>
    <message>
        <source>neither the image nor its El Torito EFI image has EFI/BOOT/BOOTX64.EFI</source>
        <translation>ani obraz, ani jego obraz EFI El Torito nie zawiera EFI/BOOT/BOOTX64.EFI</translation>
    </message>
    <message>
        <source>Cannot copy %1 of the El Torito EFI image to the USB disk.</source>
        <translation>Nie można skopiować %1 z obrazu EFI El Torito na dysk USB.</translation>
    </message>
    <message>
        <source>Reading the UEFI loader</source>
        <translation>Odczytywanie programu ładującego UEFI</translation>
    </message>
    <message>
        <source>Copying the UEFI loader</source>
        <translation>Kopiowanie programu ładującego UEFI</translation>
    </message>
    <message>
        <source>Cannot write the boot menu to the USB disk.</source>
        <translation>Nie można zapisać menu rozruchu na dysku USB.</translation>
    </message>
    <message>
        <source>Reading the image back</source>
        <translation>Ponowne odczytywanie obrazu</translation>
    </message>
    <message>
        <source>Reading the USB disk back</source>
        <translation>Ponowne odczytywanie dysku USB</translation>
    </message>
    <message>
        <source>The files on the USB disk differ from the image&apos;s.</source>
        <translation>Pliki na dysku USB różnią się od plików obrazu.</translation>
    </message>
    <message>
        <source>Flushing the USB disk</source>
        <translation>Opróżnianie buforów dysku USB</translation>
    </message>
    <message>
        <source>Writing the image...</source>
        <translation>Zapisywanie obrazu...</translation>
    </message>
    <message>
        <source>Writing the image</source>
        <translation>Zapisywanie obrazu</translation>
    </message>
    <message>
        <source>Writing the image as it is is not available on this system; choose MBR or GPT.</source>
        <translation>Zapis obrazu bez zmian nie jest dostępny w tym systemie; wybierz MBR lub GPT.</translation>
    </message>
</context>
<context>
    <name>UsbHelperClient</name>
    <message>
        <source>The USB helper could not be started: %1</source>
        <translation>Nie udało się uruchomić pomocnika USB: %1</translation>
    </message>
    <message>
        <source>Authorisation was refused.</source>
        <translation>Odmówiono autoryzacji.</translation>
    </message>
    <message>
        <source>The USB helper ended unexpectedly (exit status %1). %2</source>
        <translation>Pomocnik USB nieoczekiwanie zakończył działanie (kod wyjścia %1). %2</translation>
    </message>
</context>
<context>
    <name>UsbHelperStartStep</name>
    <message>
        <source>Starting the USB helper</source>
        <translation>Uruchamianie pomocnika USB</translation>
    </message>
    <message>
        <source>Waiting for authorisation...</source>
        <translation>Oczekiwanie na autoryzację...</translation>
    </message>
    <message>
        <source>The USB helper answered %1.</source>
        <translation>Pomocnik USB odpowiedział: %1.</translation>
    </message>
</context>
<context>
    <name>UsbHelperStep</name>
    <message>
        <source>The USB helper is not running.</source>
        <translation>Pomocnik USB nie jest uruchomiony.</translation>
    </message>
</context>
</TS>
