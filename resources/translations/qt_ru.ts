<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>BootRebuild</name>
    <message>
        <source>boot entry %1</source>
        <translation>загрузочная запись %1</translation>
    </message>
    <message>
        <source>The %1 is for a platform (%2) the image builder cannot write.</source>
        <translation>%1: программа создания образа не поддерживает эту платформу (%2).</translation>
    </message>
    <message>
        <source>The %1 could not be written to %2.</source>
        <translation>%1: не удалось записать в %2.</translation>
    </message>
    <message>
        <source>The saved image cannot be read.</source>
        <translation>Не удаётся прочитать сохранённый образ.</translation>
    </message>
    <message>
        <source>The saved image&apos;s label is &quot;%1&quot;, not &quot;%2&quot;.</source>
        <translation>Метка сохранённого образа — «%1», а не «%2».</translation>
    </message>
    <message>
        <source>The saved image has %1 boot entries, the original %2.</source>
        <translation>В сохранённом образе загрузочных записей: %1, в исходном: %2.</translation>
    </message>
    <message>
        <source>The saved image&apos;s %1 differs from the original&apos;s in its platform, emulation or load size.</source>
        <translation>В сохранённом образе %1 отличается от исходной платформой, эмуляцией или размером загрузки.</translation>
    </message>
    <message>
        <source>The saved image&apos;s %1 does not hold the original&apos;s boot image.</source>
        <translation>В сохранённом образе %1 не содержит исходного загрузочного образа.</translation>
    </message>
</context>
<context>
    <name>CAboutusDialog</name>
    <message>
        <source>About Quillon</source>
        <translation>О программе Quillon</translation>
    </message>
    <message>
        <source>Quillon is free software: you may copy and share it under its licence. It comes with no warranty, so check every disk you write.</source>
        <translation>Quillon — свободная программа: вы можете копировать и распространять её в соответствии с её лицензией. Она предоставляется без каких-либо гарантий, поэтому проверяйте каждый записанный диск.</translation>
    </message>
    <message>
        <source>Copyright (C) the Quillon developers.</source>
        <translation>Copyright (C) разработчики Quillon.</translation>
    </message>
    <message>
        <source>Please visit offical site: </source>
        <translation>Посетите официальный сайт: </translation>
    </message>
</context>
<context>
    <name>CBurnDialog</name>
    <message>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Записать</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>ISO Image:</source>
        <translation>Образ ISO:</translation>
    </message>
    <message>
        <source>Create A Bootable DVD/CD</source>
        <translation>Создать загрузочный DVD/CD</translation>
    </message>
    <message>
        <source>Select a target disc then click BURN button</source>
        <translation>Выберите целевой диск и нажмите «Записать»</translation>
    </message>
    <message>
        <source>Create A Bootable USB</source>
        <translation>Создать загрузочную флешку</translation>
    </message>
    <message>
        <source>Select a target USB then click BURN button</source>
        <translation>Выберите целевую флешку и нажмите «Записать»</translation>
    </message>
    <message>
        <source>Partition Style</source>
        <translation>Схема разделов</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Файловая система</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>Метка тома</translation>
    </message>
    <message>
        <source>Burn Failed! Do as following:
1.Try to burn again.
2.Change another USB drive or DVD.</source>
        <translation>Запись не удалась! Сделайте следующее:
1. Попробуйте записать ещё раз.
2. Возьмите другую флешку или другой DVD.</translation>
    </message>
    <message>
        <source>Please insert your USB drive to computer</source>
        <translation>Подключите флешку к компьютеру</translation>
    </message>
    <message>
        <source>Your USB drive will be formatted and all data in it will be deleted! Do you want to continue?</source>
        <translation>Флешка будет отформатирована, и все данные на ней будут удалены! Продолжить?</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Недостаточно места. Возьмите флешку или CD/DVD большей ёмкости.</translation>
    </message>
    <message>
        <source>Burning the disc...</source>
        <translation>Запись диска...</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>Диск успешно записан.</translation>
    </message>
    <message>
        <source>The disc could not be burned.</source>
        <translation>Не удалось записать диск.</translation>
    </message>
    <message>
        <source>No USB disk found — plug one in</source>
        <translation>Флешка не найдена — подключите её</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found</source>
        <translation>Записывающий привод CD/DVD не найден</translation>
    </message>
    <message>
        <source>Image (write the ISO as it is)</source>
        <translation>Образ (записать ISO как есть)</translation>
    </message>
    <message>
        <source>Connect a CD/DVD recorder with a blank disc in it, or choose a USB disk instead.</source>
        <translation>Подключите записывающий привод CD/DVD с чистым диском или выберите флешку.</translation>
    </message>
    <message>
        <source>The burn was stopped. The disc may be unusable.</source>
        <translation>Запись остановлена. Диск может оказаться непригодным.</translation>
    </message>
    <message>
        <source>Checksum...</source>
        <translation>Контрольная сумма...</translation>
    </message>
</context>
<context>
    <name>CPage2</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>ISO Extract</source>
        <translation>Извлечение из ISO</translation>
    </message>
    <message>
        <source>Directly extract everything from ISO image file and export to your computer.</source>
        <translation>Извлеките всё содержимое образа ISO прямо на компьютер.</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Открыть ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Извлечь</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Размер</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Extract(&amp;E)</source>
        <translation>&amp;Извлечь</translation>
    </message>
    <message>
        <source>The image %1 seems to be damaged or incomplete; some items may not extract.</source>
        <translation>Образ %1, по-видимому, повреждён или неполон; некоторые элементы могут не извлечься.</translation>
    </message>
    <message>
        <source>Please select the files or folders you want to extract</source>
        <translation>Выберите файлы или папки, которые нужно извлечь</translation>
    </message>
    <message>
        <source>The files could not be extracted.</source>
        <translation>Не удалось извлечь файлы.</translation>
    </message>
    <message>
        <source>Extract files successfully.</source>
        <translation>Файлы успешно извлечены.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) in %1 would be replaced by the extracted ones:</source>
        <translation>
            <numerusform>%n файл в %1 будет заменён извлечённым:</numerusform>
            <numerusform>%n файла в %1 будут заменены извлечёнными:</numerusform>
            <numerusform>%n файлов в %1 будут заменены извлечёнными:</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Заменить</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Оставить мои</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Please load an ISO image first, then select the files or folders you want to extract</source>
        <translation>Сначала откройте образ ISO, затем выберите файлы или папки для извлечения</translation>
    </message>
    <message>
        <source>More than one selected item is called %1. Please extract them one at a time.</source>
        <translation>Несколько выбранных элементов называются %1. Извлеките их по одному.</translation>
    </message>
    <message>
        <source>Your own files were kept in: %1</source>
        <translation>Ваши собственные файлы сохранены в: %1</translation>
    </message>
    <message>
        <source>%1 of %2 items were extracted.</source>
        <translation>Извлечено элементов: %1 из %2.</translation>
    </message>
</context>
<context>
    <name>CPage3</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>File &amp; Folder Backup</source>
        <translation>Копия файлов &amp; папок</translation>
    </message>
    <message>
        <source>Backup Type:</source>
        <translation>Тип копии:</translation>
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
        <translation>Макс. размер: 5 ГБ</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Добавить файлы...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Добавить папку...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Create ISO</source>
        <translation>Создать ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Путь к файлу</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Размер</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Add Files(&amp;F)</source>
        <translation>Добавить &amp;файлы</translation>
    </message>
    <message>
        <source>Add Dirs(&amp;D)</source>
        <translation>Добавить &amp;папки</translation>
    </message>
    <message>
        <source>Remove(&amp;R)</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>The working folder for the image could not be created below %1.</source>
        <translation>Не удалось создать рабочую папку для образа в %1.</translation>
    </message>
    <message>
        <source>Total Size: </source>
        <translation>Общий размер: </translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Сначала добавьте файлы или папки!</translation>
    </message>
    <message>
        <source>Please select one type</source>
        <translation>Выберите тип</translation>
    </message>
    <message>
        <source>These files are 4 GB or larger:
%1
ISO 9660 and Joliet cannot record such sizes. The image will also get a UDF file system that holds them; programs that read only ISO 9660 or Joliet will see wrong sizes. Choose &quot;UDF ISO&quot; to avoid this question. Create the image anyway?</source>
        <translation>Размер этих файлов 4 ГБ или больше:
%1
ISO 9660 и Joliet не могут хранить такие размеры. Поэтому образ получит также файловую систему UDF, в которой они поместятся; программы, читающие только ISO 9660 или Joliet, увидят неверные размеры. Выберите «UDF ISO», чтобы этот вопрос не возникал. Всё равно создать образ?</translation>
    </message>
    <message>
        <source>Please save the image outside the program&apos;s working folder.</source>
        <translation>Сохраните образ вне рабочей папки программы.</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 — это папка. Укажите имя файла для образа.</translation>
    </message>
    <message>
        <source>Create ISO successfully!</source>
        <translation>Образ ISO успешно создан!</translation>
    </message>
    <message>
        <source>The files and folders in the list will be discarded. Go back anyway?</source>
        <translation>Файлы и папки из списка будут отброшены. Всё равно вернуться?</translation>
    </message>
    <message>
        <source>These items were not added: an item of the same name is already there, a folder that cannot be read, a backslash in the name, a link back to a folder that holds it, or the program&apos;s own working folder:
%1</source>
        <translation>Эти элементы не добавлены: элемент с таким именем уже есть, папка, которую не удаётся прочитать, обратная косая черта в имени, ссылка на содержащую её папку или рабочая папка самой программы:
%1</translation>
    </message>
</context>
<context>
    <name>CPage4</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Открыть ISO</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Размер</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Add(&amp;A)</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>Export(&amp;E)</source>
        <translation>&amp;Экспорт</translation>
    </message>
    <message>
        <source>Rename(&amp;R)</source>
        <translation>&amp;Переименовать</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>The working folder for the image could not be created below %1.</source>
        <translation>Не удалось создать рабочую папку для образа в %1.</translation>
    </message>
    <message>
        <source>These items were not added: this folder already holds an item of that name:
%1</source>
        <translation>Эти элементы не добавлены, так как в папке уже есть элемент с таким именем:
%1</translation>
    </message>
    <message>
        <source>Please select one row in the table list first</source>
        <translation>Сначала выберите одну строку в списке</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Новая папка</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>Извлечение ISO...</translation>
    </message>
    <message>
        <source>Please select files or folders in the list first.</source>
        <translation>Сначала выберите файлы или папки в списке.</translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Сначала добавьте файлы или папки!</translation>
    </message>
    <message>
        <source>Save ISO file successfully!</source>
        <translation>Файл ISO успешно сохранён!</translation>
    </message>
    <message>
        <source>Export Successfully !</source>
        <translation>Экспорт выполнен!</translation>
    </message>
    <message>
        <source>The ISO file could not be saved.</source>
        <translation>Не удалось сохранить файл ISO.</translation>
    </message>
    <message>
        <source>The items could not be exported.</source>
        <translation>Не удалось экспортировать элементы.</translation>
    </message>
    <message>
        <source>These items were not added: a folder that cannot be read, a backslash in the name, a link back to a folder that holds it, or the program&apos;s own working folder:
%1</source>
        <translation>Эти элементы не добавлены: папка, которую не удаётся прочитать, обратная косая черта в имени, ссылка на содержащую её папку или рабочая папка самой программы:
%1</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 уже существует. Заменить?</translation>
    </message>
    <message>
        <source>The new image will not keep %1. Save anyway?</source>
        <translation>Новый образ не сохранит %1. Всё равно сохранить?</translation>
    </message>
    <message>
        <source> and </source>
        <translation> и </translation>
    </message>
    <message>
        <source>%1 already holds items of these names:
%2
Replace them with the exported ones?</source>
        <translation>В %1 уже есть элементы с такими именами:
%2
Заменить их экспортируемыми?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Заменить</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Оставить мои</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The changes to %1 have not been saved.</source>
        <translation>Изменения в %1 не сохранены.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Не сохранять</translation>
    </message>
</context>
<context>
    <name>CPage5</name>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начать</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Make Image From Disc</source>
        <translation>Создать образ диска</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Источник</translation>
    </message>
    <message>
        <source>Select a CD/DVD drive:</source>
        <translation>Выберите привод CD/DVD:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Назначение</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Формат вывода:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Расположение</translation>
    </message>
    <message>
        <source>Please select the iso file to save</source>
        <translation>Выберите, куда сохранить файл ISO</translation>
    </message>
    <message>
        <source>Please select the iso file to save.</source>
        <translation>Выберите, куда сохранить файл ISO.</translation>
    </message>
    <message>
        <source>The image cannot be saved there.</source>
        <translation>Сохранить образ в это место нельзя.</translation>
    </message>
    <message>
        <source>Start reading...</source>
        <translation>Начало чтения...</translation>
    </message>
    <message>
        <source>Reading Disc...</source>
        <translation>Чтение диска...</translation>
    </message>
    <message>
        <source>Copy CD/DVD successfully!</source>
        <translation>CD/DVD успешно скопирован!</translation>
    </message>
    <message>
        <source>The disc could not be copied.</source>
        <translation>Не удалось скопировать диск.</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found</source>
        <translation>Записывающий привод CD/DVD не найден</translation>
    </message>
    <message>
        <source>Connect a CD/DVD drive with the disc to copy in it, then press Start again.</source>
        <translation>Подключите привод CD/DVD с копируемым диском и снова нажмите «Начать».</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
</context>
<context>
    <name>ChecksumJob</name>
    <message>
        <source>The %1 checksum matches %2.</source>
        <translation>Контрольная сумма %1 совпадает с %2.</translation>
    </message>
    <message>
        <source>The %1 checksum does not match %2: the image is damaged or not the one published.</source>
        <translation>Контрольная сумма %1 не совпадает с %2: образ повреждён или это не опубликованный образ.</translation>
    </message>
    <message>
        <source>No %1 checksum of this image lies beside it to compare with.</source>
        <translation>Рядом с этим образом нет контрольной суммы %1 для сравнения.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>Не удаётся прочитать образ %1.</translation>
    </message>
    <message>
        <source>Reading %1 failed: %2</source>
        <translation>Не удалось прочитать %1: %2</translation>
    </message>
    <message>
        <source>Computing the %1 checksum...</source>
        <translation>Вычисление контрольной суммы %1...</translation>
    </message>
</context>
<context>
    <name>CommDialog</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>No file manager could be opened. The folder is:
%1</source>
        <translation>Не удалось открыть файловый менеджер. Папка:
%1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Stopped; nothing incomplete was left behind.</source>
        <translation>Остановлено; незавершённых данных не осталось.</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 — это папка. Укажите имя файла для образа.</translation>
    </message>
    <message>
        <source>%1 already exists. Add --force to replace it.</source>
        <translation>%1 уже существует. Добавьте --force, чтобы заменить.</translation>
    </message>
    <message>
        <source>The image %1 does not exist.</source>
        <translation>Образ %1 не существует.</translation>
    </message>
    <message>
        <source>%1 is not an image file.</source>
        <translation>%1 не является файлом образа.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>Не удаётся прочитать образ %1.</translation>
    </message>
    <message>
        <source>Usage: quillon extract IMAGE TARGET [ITEM...]</source>
        <translation>Использование: quillon extract IMAGE TARGET [ITEM...]</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 не является папкой.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Остановлено.</translation>
    </message>
    <message>
        <source>%1 is not in the image.</source>
        <translation>%1 отсутствует в образе.</translation>
    </message>
    <message>
        <source>The image holds no files.</source>
        <translation>Образ не содержит файлов.</translation>
    </message>
    <message>
        <source>These files already exist in %1. Add --force to replace them:
%2</source>
        <translation>Эти файлы уже существуют в %1. Добавьте --force, чтобы заменить их:
%2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Не удаётся создать папку %1.</translation>
    </message>
    <message>
        <source>Extracted %1 items to %2.</source>
        <translation>Извлечено элементов в %2: %1.</translation>
    </message>
    <message>
        <source>The items could not be extracted.</source>
        <translation>Не удалось извлечь элементы.</translation>
    </message>
    <message>
        <source>Usage: quillon create --output IMAGE [--label LABEL] SOURCE...</source>
        <translation>Использование: quillon create --output IMAGE [--label LABEL] SOURCE...</translation>
    </message>
    <message>
        <source>Unknown image type %1: use joliet, iso9660 or udf.</source>
        <translation>Неизвестный тип образа %1: используйте joliet, iso9660 или udf.</translation>
    </message>
    <message>
        <source>The working folder could not be created below %1.</source>
        <translation>Не удалось создать рабочую папку в %1.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 не существует.</translation>
    </message>
    <message>
        <source>%1 cannot be added: another item has its name, it cannot be read, or it holds a backslash in a name.</source>
        <translation>Не удаётся добавить %1: другой элемент имеет то же имя, его не удаётся прочитать или имя содержит обратную косую черту.</translation>
    </message>
    <message>
        <source>Files of 4 GiB or more show their true size only in the image&apos;s UDF tree.</source>
        <translation>Файлы размером 4 GiB и более показывают свой истинный размер только в дереве UDF образа.</translation>
    </message>
    <message>
        <source>Created %1 (%2 bytes).</source>
        <translation>Создан %1 (%2 байт).</translation>
    </message>
    <message>
        <source>The ISO file could not be created.</source>
        <translation>Не удалось создать файл ISO.</translation>
    </message>
    <message>
        <source>Usage: quillon edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]... [--rename /PATH=NEWNAME]...</source>
        <translation>Использование: quillon edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]... [--rename /PATH=NEWNAME]...</translation>
    </message>
    <message>
        <source>--add needs SOURCE=/PATH/IN/IMAGE, not %1.</source>
        <translation>Для --add требуется SOURCE=/PATH/IN/IMAGE, а не %1.</translation>
    </message>
    <message>
        <source>--rename needs /PATH=NEWNAME, not %1.</source>
        <translation>Для --rename требуется /PATH=NEWNAME, а не %1.</translation>
    </message>
    <message>
        <source>The image has no folder %1.</source>
        <translation>В образе нет папки %1.</translation>
    </message>
    <message>
        <source>%1 cannot be added: it cannot be read, it holds a backslash in a name, or it links back to a folder that holds it.</source>
        <translation>Не удаётся добавить %1: его не удаётся прочитать, имя содержит обратную косую черту или он ссылается на содержащую его папку.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>Сохранено: %1.</translation>
    </message>
    <message>
        <source>The ISO file could not be saved.</source>
        <translation>Не удалось сохранить файл ISO.</translation>
    </message>
    <message>
        <source>No CD/DVD recorder %1 found. quillon list-drives shows the recorders.</source>
        <translation>Записывающий привод CD/DVD %1 не найден. Список приводов выводит quillon list-drives.</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>Диск успешно записан.</translation>
    </message>
    <message>
        <source>The disc could not be burned.</source>
        <translation>Не удалось записать диск.</translation>
    </message>
    <message>
        <source>--allow-loop-device is for tests and only accepted as root.</source>
        <translation>--allow-loop-device предназначен для тестов и принимается только от root.</translation>
    </message>
    <message>
        <source>%1 is not a USB disk. quillon list-drives shows the USB disks.</source>
        <translation>%1 не является USB-диском. Список USB-дисков выводит quillon list-drives.</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Недостаточно места. Возьмите флешку или CD/DVD большей ёмкости.</translation>
    </message>
    <message>
        <source>Unknown file system %1: use FAT32, NTFS, exFAT or FAT.</source>
        <translation>Неизвестная файловая система %1: используйте FAT32, NTFS, exFAT или FAT.</translation>
    </message>
    <message>
        <source>All data on %1 will be deleted. Continue?</source>
        <translation>Все данные на %1 будут удалены. Продолжить?</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Ничего не записано.</translation>
    </message>
    <message>
        <source>Usage: quillon copy-disc DRIVE --output IMAGE</source>
        <translation>Использование: quillon copy-disc DRIVE --output IMAGE</translation>
    </message>
    <message>
        <source>Copied the disc to %1.</source>
        <translation>Диск скопирован в %1.</translation>
    </message>
    <message>
        <source>The disc could not be read.</source>
        <translation>Не удалось прочитать диск.</translation>
    </message>
    <message>
        <source>The recorder&apos;s bus scan did not end within %1 seconds.</source>
        <translation>Поиск записывающих приводов на шине не завершился за %1 с.</translation>
    </message>
    <message>
        <source>No USB disk found — plug one in.</source>
        <translation>USB-диск не найден — подключите его.</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found.</source>
        <translation>Записывающий привод CD/DVD не найден.</translation>
    </message>
    <message>
        <source>Unknown page %1: use burn, extract, create, edit or copy-disc.</source>
        <translation>Неизвестная страница %1: используйте burn, extract, create, edit или copy-disc.</translation>
    </message>
    <message>
        <source>quillon --help shows the usage.</source>
        <translation>Справку по использованию выводит quillon --help.</translation>
    </message>
    <message>
        <source>The new image will not keep: %1</source>
        <translation>Новый образ не сохранит: %1</translation>
    </message>
    <message>
        <source>Usage: quillon burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT] [--label LABEL] [--yes]
       quillon burn IMAGE --disc RECORDER</source>
        <translation>Использование: quillon burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT] [--label LABEL] [--yes]
               quillon burn IMAGE --disc RECORDER</translation>
    </message>
    <message>
        <source>Unknown partition style %1: use mbr, gpt or image.</source>
        <translation>Неизвестная схема разделов %1: укажите mbr, gpt или image.</translation>
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
        <translation>Использование: quillon [IMAGE]
               quillon --page burn|extract|create|edit|copy-disc [IMAGE]
               quillon SUBCOMMAND ...

Без подкоманды открывается окно, а IMAGE — на странице «Извлечь» (или на странице, которую
указывает --page). Подкоманды выполняют те же задания без графического интерфейса:

  extract IMAGE TARGET [ITEM...]      извлечь элементы (все, если не указаны) в TARGET
  create --output IMAGE [--label LABEL] [--type joliet|iso9660|udf] SOURCE...
                                      создать образ из файлов и папок
  edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]...
       [--rename /PATH=NEWNAME]...    сохранить изменённую копию, загружающуюся как оригинал
  burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT]
       [--label LABEL] [--yes]        создать загрузочную флешку (image: записать гибридный
                                      образ как есть; файловая система и метка игнорируются)
  burn IMAGE --disc RECORDER          записать образ на CD/DVD
  copy-disc DRIVE --output IMAGE      считать CD/DVD в образ
  list-drives                         USB-диски и записывающие приводы, доступные для записи
  checksum IMAGE [--sha256|--sha1|--md5]
                                      контрольная сумма образа (SHA-256, если не указано иное), сравнивается
                                      с SHA256SUMS или IMAGE.sha256 (и подобными) рядом с ним

Параметры:
  --force               заменить существующий выходной файл (extract: существующие файлы)
  --yes                 записать на USB-диск без подтверждения
  --allow-loop-device   принять loop-устройство как USB-диск (для тестов; только root)
  -h, --help            показать эту справку
  -v, --version         показать версию

Ход выполнения выводится в стандартный поток ошибок, результаты — в стандартный вывод (checksum: сумма в виде,
как её печатает sha256sum, сравнение — в поток ошибок). Код выхода равен 0, только если собственная проверка
задания пройдена (checksum: 1, если сумма отличается от лежащей рядом с образом); Ctrl+C останавливает задание
и удаляет неполный результат.</translation>
    </message>
    <message>
        <source>Usage: quillon checksum IMAGE [--sha256|--sha1|--md5]</source>
        <translation>Использование: quillon checksum IMAGE [--sha256|--sha1|--md5]</translation>
    </message>
</context>
<context>
    <name>CreateImageJob</name>
    <message>
        <source>Copy files and folders...</source>
        <translation>Копирование файлов и папок...</translation>
    </message>
    <message>
        <source>These files could not be copied into the working folder, so no image was created (unreadable files, or a full disk?):
%1</source>
        <translation>Не удалось скопировать эти файлы в рабочую папку, поэтому образ не создан (файлы нечитаемы или диск заполнен?):
%1</translation>
    </message>
</context>
<context>
    <name>DiscBurnJob</name>
    <message>
        <source>There is no disc in the drive.</source>
        <translation>В приводе нет диска.</translation>
    </message>
    <message>
        <source>The disc in the drive cannot be written: it is not blank, or not a kind of disc this drive can write.</source>
        <translation>На диск в приводе нельзя записать: он не пуст или этот привод не записывает такие диски.</translation>
    </message>
    <message>
        <source>Writing to the disc failed.</source>
        <translation>Ошибка записи на диск.</translation>
    </message>
    <message>
        <source>The recorder ended abnormally.</source>
        <translation>Программа записи завершилась аварийно.</translation>
    </message>
    <message>
        <source>The recorder ended with exit status %1.</source>
        <translation>Программа записи завершилась с кодом %1.</translation>
    </message>
</context>
<context>
    <name>EditSession</name>
    <message>
        <source>Copy files and directories...</source>
        <translation>Копирование файлов и папок...</translation>
    </message>
    <message>
        <source>7-Zip ended with exit status %1.</source>
        <translation>7-Zip завершился с кодом %1.</translation>
    </message>
    <message>
        <source>The image %1 could not be opened: %2</source>
        <translation>Не удалось открыть образ %1: %2</translation>
    </message>
    <message>
        <source>The extraction did not complete.</source>
        <translation>Извлечение не завершено.</translation>
    </message>
    <message>
        <source>Please enter a name.</source>
        <translation>Введите имя.</translation>
    </message>
    <message>
        <source>A name cannot contain / or \.</source>
        <translation>Имя не может содержать / или \.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists in this folder.</source>
        <translation>«%1» уже есть в этой папке.</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>Извлечение ISO...</translation>
    </message>
    <message>
        <source>The image was not extracted completely: %1</source>
        <translation>Образ извлечён не полностью: %1</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 — это папка. Укажите имя файла для образа.</translation>
    </message>
    <message>
        <source>Please save the image under another name, outside the program&apos;s working folder.</source>
        <translation>Сохраните образ под другим именем вне рабочей папки программы.</translation>
    </message>
    <message>
        <source>Saving ISO file...</source>
        <translation>Сохранение файла ISO...</translation>
    </message>
    <message>
        <source>These items are missing from the working folder, so the image would lack them:
%1</source>
        <translation>Этих элементов нет в рабочей папке, поэтому их не будет в образе:
%1</translation>
    </message>
    <message>
        <source>These items could not be copied:
%1</source>
        <translation>Не удалось скопировать эти элементы:
%1</translation>
    </message>
    <message>
        <source>The compressed (zisofs) files could not be unpacked: %1</source>
        <translation>Не удалось распаковать сжатые (zisofs) файлы: %1</translation>
    </message>
    <message>
        <source>These links could not be made: %1</source>
        <translation>Не удалось создать эти ссылки: %1</translation>
    </message>
    <message>
        <source>the original&apos;s boot setup for disks (its MBR or GPT system area)</source>
        <translation>загрузочную конфигурацию оригинала для дисков (его системную область MBR или GPT)</translation>
    </message>
    <message>
        <source>symbolic links and compressed files, if it has any (xorriso is not installed)</source>
        <translation>символьные ссылки и сжатые файлы, если они есть (xorriso не установлен)</translation>
    </message>
    <message>
        <source>genisoimage: the image has no system area, so UDF and Joliet are written as before.</source>
        <translation>genisoimage: в образе нет системной области, поэтому UDF и Joliet записываются как прежде.</translation>
    </message>
    <message>
        <source>genisoimage: the image has a UDF tree, which only genisoimage writes.</source>
        <translation>genisoimage: в образе есть дерево UDF, которое записывает только genisoimage.</translation>
    </message>
    <message>
        <source>genisoimage: files of 4 GiB or more need its UDF tree.</source>
        <translation>genisoimage: файлам размером 4 GiB и более нужно его дерево UDF.</translation>
    </message>
    <message>
        <source>genisoimage: xorriso, which keeps the system area, is not installed.</source>
        <translation>genisoimage: xorriso, сохраняющий системную область, не установлен.</translation>
    </message>
    <message>
        <source>genisoimage: the names 7-Zip reads differ from the image&apos;s Rock Ridge names.</source>
        <translation>genisoimage: имена, которые читает 7-Zip, отличаются от имён Rock Ridge в образе.</translation>
    </message>
    <message>
        <source>xorriso: it replays the image&apos;s boot setup and system area, so the copy boots from a disk as the original does.</source>
        <translation>xorriso: воспроизводит загрузочную конфигурацию и системную область образа, поэтому копия загружается с диска так же, как оригинал.</translation>
    </message>
    <message>
        <source>The saved image cannot be read.</source>
        <translation>Не удаётся прочитать сохранённый образ.</translation>
    </message>
    <message>
        <source>The saved image&apos;s system area (%1) differs from the original&apos;s (%2).</source>
        <translation>Системная область сохранённого образа (%1) отличается от системной области оригинала (%2).</translation>
    </message>
    <message>
        <source>These items were not exported: the folder holds a folder where a file would go, a file where a folder would go, or the image being edited:
%1</source>
        <translation>Эти элементы не экспортированы: в папке есть папка там, где должен быть файл, файл там, где должна быть папка, или редактируемый образ:
%1</translation>
    </message>
</context>
<context>
    <name>ExtractJob</name>
    <message>
        <source>7-Zip stopped unexpectedly.</source>
        <translation>7-Zip неожиданно остановился.</translation>
    </message>
    <message>
        <source>7-Zip ended with exit code %1.</source>
        <translation>7-Zip завершился с кодом %1.</translation>
    </message>
    <message>
        <source>7-Zip did not confirm the extraction.</source>
        <translation>7-Zip не подтвердил извлечение.</translation>
    </message>
    <message>
        <source>Not extracted: %1</source>
        <translation>Не извлечено: %1</translation>
    </message>
    <message>
        <source>Could not be moved into the output folder: %1</source>
        <translation>Не удалось переместить в папку назначения: %1</translation>
    </message>
    <message>
        <source>Left as they were in the output folder: %1</source>
        <translation>Оставлены без изменений в папке назначения: %1</translation>
    </message>
    <message>
        <source>Nothing was selected.</source>
        <translation>Ничего не выбрано.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Папка %1 не существует.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>Не удаётся записать в папку %1: %2</translation>
    </message>
    <message>
        <source>7-Zip could not be started (%1): %2</source>
        <translation>Не удалось запустить 7-Zip (%1): %2</translation>
    </message>
    <message>
        <source>Copying files! Please wait a few seconds..</source>
        <translation>Копирование файлов, подождите...</translation>
    </message>
    <message>
        <source>Extracting files: </source>
        <translation>Извлечение файлов: </translation>
    </message>
    <message>
        <source>Extracting files...</source>
        <translation>Извлечение файлов...</translation>
    </message>
    <message>
        <source>Cannot write the list of items to extract: %1</source>
        <translation>Не удаётся записать список извлекаемых элементов: %1</translation>
    </message>
    <message>
        <source>This image holds symbolic links or compressed (zisofs) files, which only xorriso restores, and xorriso is not installed (package xorriso); links may have arrived as empty files.</source>
        <translation>Этот образ содержит символические ссылки или сжатые (zisofs) файлы, которые восстанавливает только xorriso, а xorriso не установлен (пакет xorriso); ссылки могли оказаться пустыми файлами.</translation>
    </message>
    <message>
        <source>Restoring links and compressed files...</source>
        <translation>Восстановление ссылок и сжатых файлов...</translation>
    </message>
    <message>
        <source>xorriso could not read the image&apos;s Rock Ridge tree, so its links and compressed (zisofs) files could not be restored: %1</source>
        <translation>xorriso не смог прочитать дерево Rock Ridge образа, поэтому его ссылки и сжатые (zisofs) файлы не восстановлены: %1</translation>
    </message>
    <message>
        <source>These symbolic links could not be made: %1</source>
        <translation>Не удалось создать эти символические ссылки: %1</translation>
    </message>
    <message>
        <source>These links would point into Quillon&apos;s working folder and were left out: %1</source>
        <translation>Эти ссылки указывали бы в рабочую папку Quillon и были пропущены: %1</translation>
    </message>
    <message>
        <source>These compressed (zisofs) files could not be unpacked: %1</source>
        <translation>Не удалось распаковать эти сжатые (zisofs) файлы: %1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Open Folder</source>
        <translation>Выбор папки</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Открыть файлы</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Сохранить файл</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
</context>
<context>
    <name>GerneralDialog</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>IsoBuildJob</name>
    <message>
        <source>Creating ISO file...</source>
        <translation>Создание файла ISO...</translation>
    </message>
    <message>
        <source>The ISO file could not be created.</source>
        <translation>Не удалось создать файл ISO.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>Не удаётся записать в папку %1: %2</translation>
    </message>
    <message>
        <source>The ISO file could not be saved as %1.</source>
        <translation>Не удалось сохранить файл ISO как %1.</translation>
    </message>
    <message>
        <source>The image builder stopped unexpectedly.</source>
        <translation>Создание образа неожиданно прервалось.</translation>
    </message>
    <message>
        <source>The image file is incomplete: %1 bytes written, %2 bytes expected.</source>
        <translation>Файл образа неполон: записано %1 байт, ожидалось %2 байт.</translation>
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
        <translation>осталось %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
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
        <translation>Файл %1 не является образом ISO или UDF.</translation>
    </message>
    <message>
        <source>The file %1 is not an ISO or UDF image: 7-Zip reads it as a %2 archive.</source>
        <translation>Файл %1 не является образом ISO или UDF: 7-Zip читает его как архив %2.</translation>
    </message>
    <message>
        <source>The image %1 could not be read. It may not be an ISO image, or it may be damaged.</source>
        <translation>Не удалось прочитать образ %1. Возможно, это не образ ISO или он повреждён.</translation>
    </message>
    <message>
        <source>The image %1 could not be read: 7-Zip could not be started (%2): %3</source>
        <translation>Не удалось прочитать образ %1: не удалось запустить 7-Zip (%2): %3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Burn</source>
        <translation>Записать</translation>
    </message>
    <message>
        <source>Make bootable USB or DVD/CD from ISO</source>
        <translation>Создать загрузочную флешку или DVD/CD из ISO</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Извлечь</translation>
    </message>
    <message>
        <source>Extract content from ISO</source>
        <translation>Извлечь содержимое из ISO</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Create ISO from files or folders</source>
        <translation>Создать ISO из файлов или папок</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>
 Add, delete, rename 
 content in ISO file</source>
        <translation>
 Добавление, удаление, 
 переименование в ISO</translation>
    </message>
    <message>
        <source>Copy Disk</source>
        <translation>Копировать диск</translation>
    </message>
    <message>
        <source>
 Make ISO file from 
 CD/DVD disc</source>
        <translation>
 Создать файл ISO 
 с диска CD/DVD</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Китайский</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японский</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Французский</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Немецкий</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Испанский</translation>
    </message>
    <message>
        <source>Portugues</source>
        <translation>Португальский</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Польский</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Итальянский</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Нидерландский</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Шведский</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>CTRL+H</source>
        <translation>CTRL+H</translation>
    </message>
    <message>
        <source>About Us(&amp;U)</source>
        <translation>&amp;О нас</translation>
    </message>
    <message>
        <source>CTRL+U</source>
        <translation>CTRL+U</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>В&amp;ыход</translation>
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
        <translation>Образ %1 не существует.</translation>
    </message>
    <message>
        <source>%1 is not an image file.</source>
        <translation>%1 не является файлом образа.</translation>
    </message>
    <message>
        <source>A job is still running. Stop it and close the program?</source>
        <translation>Задание ещё выполняется. Остановить его и закрыть программу?</translation>
    </message>
    <message>
        <source>Recent Images(&amp;R)</source>
        <translation>&amp;Недавние образы</translation>
    </message>
    <message>
        <source>No recent images</source>
        <translation>Нет недавних образов</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Очистить список</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>No web browser could be opened. The address is:
%1</source>
        <translation>Не удалось открыть веб-браузер. Адрес:
%1</translation>
    </message>
</context>
<context>
    <name>Mkfs</name>
    <message numerus="yes">
        <source>a %1 label holds at most %n characters</source>
        <translation>
            <numerusform>метка %1 содержит не более %n символов</numerusform>
            <numerusform>метка %1 содержит не более %n символов</numerusform>
            <numerusform>метка %1 содержит не более %n символов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 does not allow these characters in a label: %2</source>
        <translation>%1 не допускает в метке эти символы: %2</translation>
    </message>
</context>
<context>
    <name>PageWindow</name>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 уже существует. Заменить?</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 is not a disk or partition.</source>
        <translation>%1 не является диском или разделом.</translation>
    </message>
    <message>
        <source>The system does not know %1.</source>
        <translation>Система не знает %1.</translation>
    </message>
    <message>
        <source>The disk of %1 (%2) has no device node.</source>
        <translation>У диска %1 (%2) нет узла устройства.</translation>
    </message>
    <message>
        <source>%1 is not a drive.</source>
        <translation>%1 не является накопителем.</translation>
    </message>
</context>
<context>
    <name>ReadDiscJob</name>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 — это папка.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Папка %1 не существует.</translation>
    </message>
    <message>
        <source>%1 cannot be written to.</source>
        <translation>Запись в %1 невозможна.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>Не удаётся записать в папку %1: %2</translation>
    </message>
    <message>
        <source>There is no readable disc in the drive.</source>
        <translation>В приводе нет читаемого диска.</translation>
    </message>
    <message>
        <source>A part of the disc cannot be read.</source>
        <translation>Часть диска не читается.</translation>
    </message>
    <message>
        <source>Permission denied: the drive or the image file cannot be opened.</source>
        <translation>Доступ запрещён: не удаётся открыть привод или файл образа.</translation>
    </message>
    <message>
        <source>The reader ended abnormally.</source>
        <translation>Программа чтения завершилась аварийно.</translation>
    </message>
    <message>
        <source>The reader ended with exit status %1.</source>
        <translation>Программа чтения завершилась с кодом %1.</translation>
    </message>
    <message>
        <source>The reader did not say how large the disc is.</source>
        <translation>Программа чтения не сообщила размер диска.</translation>
    </message>
    <message>
        <source>The image is incomplete: %1 of %2 bytes were read.</source>
        <translation>Образ неполон: прочитано %1 байт из %2.</translation>
    </message>
    <message>
        <source>The image could not be put in place of %1.</source>
        <translation>Не удалось заменить %1 образом.</translation>
    </message>
</context>
<context>
    <name>RockRidge</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 отсутствует</translation>
    </message>
    <message>
        <source>%1 is no longer a link</source>
        <translation>%1 больше не является ссылкой</translation>
    </message>
    <message>
        <source>%1 points to %2 instead of %3</source>
        <translation>%1 указывает на %2 вместо %3</translation>
    </message>
    <message>
        <source>%1 is of another kind</source>
        <translation>%1 другого типа</translation>
    </message>
    <message>
        <source>%1 has %2 bytes instead of %3</source>
        <translation>%1 имеет размер %2 байт вместо %3</translation>
    </message>
    <message>
        <source>The saved image does not hold what the edit shows:
%1</source>
        <translation>Сохранённый образ не содержит того, что показывает редактор:
%1</translation>
    </message>
</context>
<context>
    <name>ScanbusJob</name>
    <message>
        <source>The disc recorder did not finish looking for drives within %1 seconds; no disc drive is listed.</source>
        <translation>Программа записи дисков не завершила поиск приводов за %1 с; приводы дисков не показаны.</translation>
    </message>
</context>
<context>
    <name>ToolJob</name>
    <message>
        <source>%1 ended abnormally.</source>
        <translation>%1 завершился аварийно.</translation>
    </message>
    <message>
        <source>%1 ended with exit status %2.</source>
        <translation>%1 завершился с кодом выхода %2.</translation>
    </message>
    <message>
        <source>Could not start %1.</source>
        <translation>Не удалось запустить %1.</translation>
    </message>
    <message>
        <source>Install the package %1.</source>
        <translation>Установите пакет %1.</translation>
    </message>
</context>
<context>
    <name>UsbBurnJob</name>
    <message>
        <source>USB burn</source>
        <translation>Запись на флешку</translation>
    </message>
    <message>
        <source>%1 is missing (install the package %2).</source>
        <translation>%1 не найден (установите пакет %2).</translation>
    </message>
    <message>
        <source>The image %1 does not exist.</source>
        <translation>Образ %1 не существует.</translation>
    </message>
    <message>
        <source>Unknown file system &quot;%1&quot;.</source>
        <translation>Неизвестная файловая система «%1».</translation>
    </message>
    <message>
        <source>%1 is not a USB disk this page lists; it was left alone.</source>
        <translation>%1 не входит в список флешек этой страницы; она не тронута.</translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1.</source>
        <translation>Не удаётся создать рабочую папку в %1.</translation>
    </message>
    <message>
        <source>The image could not be read. %1</source>
        <translation>Не удалось прочитать образ. %1</translation>
    </message>
    <message>
        <source>the image has no EFI/BOOT/BOOTX64.EFI</source>
        <translation>в образе нет EFI/BOOT/BOOTX64.EFI</translation>
    </message>
    <message>
        <source>UEFI firmware reads FAT file systems only</source>
        <translation>прошивка UEFI читает только файловые системы FAT</translation>
    </message>
    <message>
        <source>The image needs %1 on the USB disk, which holds %2; nothing was written.</source>
        <translation>Образу нужно %1 на флешке, а её ёмкость %2; ничего не записано.</translation>
    </message>
    <message>
        <source>Checking the request</source>
        <translation>Проверка задания</translation>
    </message>
    <message>
        <source>Reading the image</source>
        <translation>Чтение образа</translation>
    </message>
    <message>
        <source>Reading the image...</source>
        <translation>Чтение образа...</translation>
    </message>
    <message>
        <source>Preparing the burn</source>
        <translation>Подготовка записи</translation>
    </message>
    <message>
        <source>Copying the files</source>
        <translation>Копирование файлов</translation>
    </message>
    <message>
        <source>7-Zip ended with exit status %1.</source>
        <translation>7-Zip завершился с кодом %1.</translation>
    </message>
    <message>
        <source>Taking out the install image</source>
        <translation>Извлечение установочного образа</translation>
    </message>
    <message>
        <source>There is no room for the install image (%1) in %2: %3 free.</source>
        <translation>Для установочного образа (%1) нет места в %2: свободно %3.</translation>
    </message>
    <message>
        <source>Splitting the install image</source>
        <translation>Разделение установочного образа</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the image are missing or incomplete on the USB disk: %1</source>
        <translation>
            <numerusform>%n файл образа отсутствует на флешке или записан не полностью: %1</numerusform>
            <numerusform>%n файла образа отсутствуют на флешке или записаны не полностью: %1</numerusform>
            <numerusform>%n файлов образа отсутствуют на флешке или записаны не полностью: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The USB disk starts on UEFI only: %1.</source>
        <translation>Флешка загружается только в режиме UEFI: %1.</translation>
    </message>
    <message>
        <source>Neither BIOS nor UEFI can start from the USB disk: %1; %2.</source>
        <translation>Ни BIOS, ни UEFI не смогут загрузиться с флешки: %1; %2.</translation>
    </message>
    <message>
        <source>UEFI cannot start from the USB disk: %1.</source>
        <translation>UEFI не сможет загрузиться с флешки: %1.</translation>
    </message>
    <message>
        <source>Burning failed. %1</source>
        <translation>Запись не удалась. %1</translation>
    </message>
    <message>
        <source>Burning was stopped.</source>
        <translation>Запись остановлена.</translation>
    </message>
    <message>
        <source>The USB disk is incomplete and still mounted at %1.</source>
        <translation>Флешка записана не полностью и всё ещё смонтирована в %1.</translation>
    </message>
    <message>
        <source>The USB disk is incomplete.</source>
        <translation>Флешка записана не полностью.</translation>
    </message>
    <message>
        <source>The USB disk was not changed.</source>
        <translation>Флешка не изменена.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Ничего не записано.</translation>
    </message>
    <message>
        <source>FAT on this system goes through fusefat, which cannot write the name &quot;%1&quot;; choose NTFS or exFAT. Nothing was written.</source>
        <translation>FAT в этой системе работает через fusefat, который не может записать имя «%1»; выберите NTFS или exFAT. Ничего не записано.</translation>
    </message>
    <message>
        <source>the image has no loader a BIOS can start from a USB disk</source>
        <translation>в образе нет загрузчика, который BIOS может запустить с флешки</translation>
    </message>
    <message>
        <source>Unmounting the USB disk</source>
        <translation>Отключение флешки</translation>
    </message>
    <message>
        <source>Unmounting the USB disk...</source>
        <translation>Отключение флешки...</translation>
    </message>
    <message>
        <source>Formatting the USB disk</source>
        <translation>Форматирование флешки</translation>
    </message>
    <message>
        <source>Mounting the USB disk</source>
        <translation>Монтирование флешки</translation>
    </message>
    <message>
        <source>Mounting the USB disk...</source>
        <translation>Монтирование флешки...</translation>
    </message>
    <message>
        <source>Preparing the boot code</source>
        <translation>Подготовка загрузочного кода</translation>
    </message>
    <message>
        <source>Building the boot code</source>
        <translation>Сборка загрузочного кода</translation>
    </message>
    <message>
        <source>Installing the boot code</source>
        <translation>Установка загрузочного кода</translation>
    </message>
    <message>
        <source>grub-bios-setup is missing (install the package grub-pc-bin).</source>
        <translation>grub-bios-setup не найден (установите пакет grub-pc-bin).</translation>
    </message>
    <message>
        <source>Cannot write the boot code&apos;s files to the USB disk.</source>
        <translation>Не удаётся записать файлы загрузочного кода на флешку.</translation>
    </message>
    <message>
        <source>Writing the last data to the USB disk...</source>
        <translation>Запись последних данных на флешку...</translation>
    </message>
    <message>
        <source>Checking the file system</source>
        <translation>Проверка файловой системы</translation>
    </message>
    <message>
        <source>Checking the USB disk...</source>
        <translation>Проверка флешки...</translation>
    </message>
    <message>
        <source>The file system on the USB disk is not clean: %1</source>
        <translation>Файловая система флешки содержит ошибки: %1</translation>
    </message>
    <message>
        <source>Checking the label</source>
        <translation>Проверка метки</translation>
    </message>
    <message>
        <source>The volume label cannot contain %1.</source>
        <translation>Метка тома не может содержать %1.</translation>
    </message>
    <message>
        <source>Burning the USB disk...</source>
        <translation>Запись на флешку...</translation>
    </message>
    <message>
        <source>Extract the wim file ...</source>
        <translation>Извлечение файла WIM...</translation>
    </message>
    <message>
        <source>Process the wim file larger than 4 GB...</source>
        <translation>Обработка файла WIM больше 4 ГБ...</translation>
    </message>
    <message>
        <source>Burning Successfully...</source>
        <translation>Запись выполнена...</translation>
    </message>
    <message>
        <source>The USB disk is under formating...</source>
        <translation>Форматирование флешки...</translation>
    </message>
    <message>
        <source>The USB disk is installing bootsect...</source>
        <translation>Установка загрузочного сектора на флешку...</translation>
    </message>
    <message>
        <source>%1 is a partition; choose the whole USB disk.</source>
        <translation>%1 — это раздел; выберите флешку целиком.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>Не удаётся прочитать образ %1.</translation>
    </message>
    <message>
        <source>The image has no partition table of its own, so written as it is it would not start; choose MBR or GPT instead. Nothing was written.</source>
        <translation>В образе нет собственной таблицы разделов, поэтому записанный как есть он не загрузится; выберите MBR или GPT. Ничего не записано.</translation>
    </message>
    <message>
        <source>The volume label &quot;%1&quot; cannot be used: %2. Nothing was written.</source>
        <translation>Метку тома «%1» использовать нельзя: %2. Ничего не записано.</translation>
    </message>
    <message>
        <source>%1 cannot hold these names of the image apart, or refuses them: %2. Nothing was written.</source>
        <translation>%1 не различает эти имена из образа или не принимает их: %2. Ничего не записано.</translation>
    </message>
    <message>
        <source>The USB disk can be removed.</source>
        <translation>Флешку можно извлечь.</translation>
    </message>
    <message>
        <source>Erasing the USB disk</source>
        <translation>Очистка флешки</translation>
    </message>
    <message>
        <source>Writing the partition table</source>
        <translation>Запись таблицы разделов</translation>
    </message>
    <message>
        <source>The new partition did not appear.</source>
        <translation>Новый раздел не появился.</translation>
    </message>
    <message>
        <source>neither the image nor its El Torito EFI image has EFI/BOOT/BOOTX64.EFI</source>
        <translation>ни в образе, ни в его EFI-образе El Torito нет EFI/BOOT/BOOTX64.EFI</translation>
    </message>
    <message>
        <source>Cannot copy %1 of the El Torito EFI image to the USB disk.</source>
        <translation>Не удаётся скопировать %1 из EFI-образа El Torito на флешку.</translation>
    </message>
    <message>
        <source>Reading the UEFI loader</source>
        <translation>Чтение загрузчика UEFI</translation>
    </message>
    <message>
        <source>Copying the UEFI loader</source>
        <translation>Копирование загрузчика UEFI</translation>
    </message>
    <message>
        <source>Cannot write the boot menu to the USB disk.</source>
        <translation>Не удаётся записать меню загрузки на флешку.</translation>
    </message>
    <message>
        <source>Reading the image back</source>
        <translation>Повторное чтение образа</translation>
    </message>
    <message>
        <source>Reading the USB disk back</source>
        <translation>Повторное чтение флешки</translation>
    </message>
    <message>
        <source>The files on the USB disk differ from the image&apos;s.</source>
        <translation>Файлы на флешке отличаются от файлов образа.</translation>
    </message>
    <message>
        <source>Flushing the USB disk</source>
        <translation>Сброс буферов на флешку</translation>
    </message>
    <message>
        <source>Writing the image...</source>
        <translation>Запись образа...</translation>
    </message>
    <message>
        <source>Writing the image</source>
        <translation>Запись образа</translation>
    </message>
    <message>
        <source>Writing the image as it is is not available on this system; choose MBR or GPT.</source>
        <translation>Запись образа как есть недоступна в этой системе; выберите MBR или GPT.</translation>
    </message>
</context>
<context>
    <name>UsbHelperClient</name>
    <message>
        <source>The USB helper could not be started: %1</source>
        <translation>Не удалось запустить USB-помощник: %1</translation>
    </message>
    <message>
        <source>Authorisation was refused.</source>
        <translation>В авторизации отказано.</translation>
    </message>
    <message>
        <source>The USB helper ended unexpectedly (exit status %1). %2</source>
        <translation>USB-помощник неожиданно завершился (код %1). %2</translation>
    </message>
</context>
<context>
    <name>UsbHelperStartStep</name>
    <message>
        <source>Starting the USB helper</source>
        <translation>Запуск USB-помощника</translation>
    </message>
    <message>
        <source>Waiting for authorisation...</source>
        <translation>Ожидание авторизации...</translation>
    </message>
    <message>
        <source>The USB helper answered %1.</source>
        <translation>USB-помощник ответил: %1.</translation>
    </message>
</context>
<context>
    <name>UsbHelperStep</name>
    <message>
        <source>The USB helper is not running.</source>
        <translation>USB-помощник не запущен.</translation>
    </message>
</context>
</TS>
