<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>BootRebuild</name>
    <message>
        <source>boot entry %1</source>
        <translation>entrée d’amorçage %1</translation>
    </message>
    <message>
        <source>The %1 is for a platform (%2) the image builder cannot write.</source>
        <translation>Le générateur d’image ne peut pas écrire l’%1, destinée à une plateforme (%2) qu’il ne gère pas.</translation>
    </message>
    <message>
        <source>The %1 could not be written to %2.</source>
        <translation>L’%1 n’a pas pu être écrite dans %2.</translation>
    </message>
    <message>
        <source>The saved image cannot be read.</source>
        <translation>L’image enregistrée est illisible.</translation>
    </message>
    <message>
        <source>The saved image&apos;s label is &quot;%1&quot;, not &quot;%2&quot;.</source>
        <translation>Le nom de volume de l’image enregistrée est « %1 », et non « %2 ».</translation>
    </message>
    <message>
        <source>The saved image has %1 boot entries, the original %2.</source>
        <translation>L’image enregistrée a %1 entrées d’amorçage, l’originale %2.</translation>
    </message>
    <message>
        <source>The saved image&apos;s %1 differs from the original&apos;s in its platform, emulation or load size.</source>
        <translation>Dans l’image enregistrée, l’%1 diffère de l’originale par sa plateforme, son émulation ou sa taille de chargement.</translation>
    </message>
    <message>
        <source>The saved image&apos;s %1 does not hold the original&apos;s boot image.</source>
        <translation>Dans l’image enregistrée, l’%1 ne contient pas l’image d’amorçage de l’originale.</translation>
    </message>
</context>
<context>
    <name>CAboutusDialog</name>
    <message>
        <source>About Quillon</source>
        <translation>À propos de Quillon</translation>
    </message>
    <message>
        <source>Quillon is free software: you may copy and share it under its licence. It comes with no warranty, so check every disk you write.</source>
        <translation>Quillon est un logiciel libre : vous pouvez le copier et le partager selon sa licence. Il est fourni sans aucune garantie ; vérifiez donc chaque disque que vous gravez.</translation>
    </message>
    <message>
        <source>Copyright (C) the Quillon developers.</source>
        <translation>Copyright (C) les développeurs de Quillon.</translation>
    </message>
    <message>
        <source>Please visit offical site: </source>
        <translation>Visitez le site officiel : </translation>
    </message>
</context>
<context>
    <name>CBurnDialog</name>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Graver</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>ISO Image:</source>
        <translation>Image ISO :</translation>
    </message>
    <message>
        <source>Create A Bootable DVD/CD</source>
        <translation>Créer un DVD/CD amorçable</translation>
    </message>
    <message>
        <source>Select a target disc then click BURN button</source>
        <translation>Choisissez un disque cible, puis cliquez sur Graver</translation>
    </message>
    <message>
        <source>Create A Bootable USB</source>
        <translation>Créer une clé USB amorçable</translation>
    </message>
    <message>
        <source>Select a target USB then click BURN button</source>
        <translation>Choisissez une clé USB cible, puis cliquez sur Graver</translation>
    </message>
    <message>
        <source>Partition Style</source>
        <translation>Partitionnement</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Système de fichiers</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>Nom du volume</translation>
    </message>
    <message>
        <source>Burn Failed! Do as following:
1.Try to burn again.
2.Change another USB drive or DVD.</source>
        <translation>La gravure a échoué ! Procédez ainsi :
1. Réessayez la gravure.
2. Utilisez une autre clé USB ou un autre DVD.</translation>
    </message>
    <message>
        <source>Please insert your USB drive to computer</source>
        <translation>Veuillez brancher votre clé USB sur l’ordinateur</translation>
    </message>
    <message>
        <source>Your USB drive will be formatted and all data in it will be deleted! Do you want to continue?</source>
        <translation>Votre clé USB va être formatée et toutes ses données seront effacées ! Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Espace insuffisant : utilisez une clé USB ou un CD/DVD de plus grande capacité.</translation>
    </message>
    <message>
        <source>Burning the disc...</source>
        <translation>Gravure du disque...</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>Disque gravé avec succès.</translation>
    </message>
    <message>
        <source>The disc could not be burned.</source>
        <translation>Le disque n’a pas pu être gravé.</translation>
    </message>
    <message>
        <source>No USB disk found — plug one in</source>
        <translation>Aucune clé USB trouvée — branchez-en une</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found</source>
        <translation>Aucun graveur CD/DVD trouvé</translation>
    </message>
    <message>
        <source>Image (write the ISO as it is)</source>
        <translation>Image (écrire l’ISO telle quelle)</translation>
    </message>
    <message>
        <source>Connect a CD/DVD recorder with a blank disc in it, or choose a USB disk instead.</source>
        <translation>Branchez un graveur CD/DVD contenant un disque vierge, ou choisissez plutôt une clé USB.</translation>
    </message>
    <message>
        <source>The burn was stopped. The disc may be unusable.</source>
        <translation>La gravure a été arrêtée. Le disque est peut-être inutilisable.</translation>
    </message>
    <message>
        <source>Checksum...</source>
        <translation>Somme de contrôle...</translation>
    </message>
</context>
<context>
    <name>CPage2</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>ISO Extract</source>
        <translation>Extraction ISO</translation>
    </message>
    <message>
        <source>Directly extract everything from ISO image file and export to your computer.</source>
        <translation>Extrayez directement tout le contenu d’une image ISO vers votre ordinateur.</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Charger ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extraire</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Taille</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Extract(&amp;E)</source>
        <translation>&amp;Extraire</translation>
    </message>
    <message>
        <source>The image %1 seems to be damaged or incomplete; some items may not extract.</source>
        <translation>L’image %1 semble endommagée ou incomplète ; certains éléments risquent de ne pas être extraits.</translation>
    </message>
    <message>
        <source>Please select the files or folders you want to extract</source>
        <translation>Veuillez sélectionner les fichiers ou dossiers à extraire</translation>
    </message>
    <message>
        <source>The files could not be extracted.</source>
        <translation>Les fichiers n’ont pas pu être extraits.</translation>
    </message>
    <message>
        <source>Extract files successfully.</source>
        <translation>Fichiers extraits avec succès.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) in %1 would be replaced by the extracted ones:</source>
        <translation>
            <numerusform>%n fichier de %1 serait remplacé par le fichier extrait :</numerusform>
            <numerusform>%n fichiers de %1 seraient remplacés par les fichiers extraits :</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Garder le mien</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Please load an ISO image first, then select the files or folders you want to extract</source>
        <translation>Veuillez d’abord charger une image ISO, puis sélectionner les fichiers ou dossiers à extraire</translation>
    </message>
    <message>
        <source>More than one selected item is called %1. Please extract them one at a time.</source>
        <translation>Plusieurs éléments sélectionnés s’appellent %1. Veuillez les extraire un par un.</translation>
    </message>
    <message>
        <source>Your own files were kept in: %1</source>
        <translation>Vos propres fichiers ont été conservés dans : %1</translation>
    </message>
    <message>
        <source>%1 of %2 items were extracted.</source>
        <translation>%1 éléments extraits sur %2.</translation>
    </message>
</context>
<context>
    <name>CPage3</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>File &amp; Folder Backup</source>
        <translation>Sauvegarde de fichiers &amp; dossiers</translation>
    </message>
    <message>
        <source>Backup Type:</source>
        <translation>Type de sauvegarde :</translation>
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
        <translation>Taille max. : 5 Go</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Ajouter des fichiers...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Ajouter un dossier...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Create ISO</source>
        <translation>Créer l’ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Chemin du fichier</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Taille</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Add Files(&amp;F)</source>
        <translation>Ajouter des &amp;fichiers</translation>
    </message>
    <message>
        <source>Add Dirs(&amp;D)</source>
        <translation>Ajouter des &amp;dossiers</translation>
    </message>
    <message>
        <source>Remove(&amp;R)</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>The working folder for the image could not be created below %1.</source>
        <translation>Impossible de créer le dossier de travail de l’image dans %1.</translation>
    </message>
    <message>
        <source>Total Size: </source>
        <translation>Taille totale : </translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Veuillez d’abord ajouter des fichiers ou des dossiers !</translation>
    </message>
    <message>
        <source>Please select one type</source>
        <translation>Veuillez choisir un type</translation>
    </message>
    <message>
        <source>These files are 4 GB or larger:
%1
ISO 9660 and Joliet cannot record such sizes. The image will also get a UDF file system that holds them; programs that read only ISO 9660 or Joliet will see wrong sizes. Choose &quot;UDF ISO&quot; to avoid this question. Create the image anyway?</source>
        <translation>Ces fichiers font 4 Go ou plus :
%1
ISO 9660 et Joliet ne peuvent pas enregistrer de telles tailles. L’image recevra donc aussi un système de fichiers UDF qui les contient ; les programmes qui ne lisent qu’ISO 9660 ou Joliet verront des tailles erronées. Choisissez « UDF ISO » pour éviter cette question. Créer l’image quand même ?</translation>
    </message>
    <message>
        <source>Please save the image outside the program&apos;s working folder.</source>
        <translation>Veuillez enregistrer l’image en dehors du dossier de travail du programme.</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 est un dossier. Veuillez choisir un nom de fichier pour l’image.</translation>
    </message>
    <message>
        <source>Create ISO successfully!</source>
        <translation>ISO créée avec succès !</translation>
    </message>
    <message>
        <source>The files and folders in the list will be discarded. Go back anyway?</source>
        <translation>Les fichiers et dossiers de la liste seront abandonnés. Revenir quand même ?</translation>
    </message>
    <message>
        <source>These items were not added: an item of the same name is already there, a folder that cannot be read, a backslash in the name, a link back to a folder that holds it, or the program&apos;s own working folder:
%1</source>
        <translation>Ces éléments n’ont pas été ajoutés : élément du même nom déjà présent, dossier illisible, barre oblique inverse dans le nom, lien vers un dossier qui le contient, ou dossier de travail du programme lui-même :
%1</translation>
    </message>
</context>
<context>
    <name>CPage4</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Charger ISO</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Taille</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Add(&amp;A)</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Export(&amp;E)</source>
        <translation>&amp;Exporter</translation>
    </message>
    <message>
        <source>Rename(&amp;R)</source>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>The working folder for the image could not be created below %1.</source>
        <translation>Impossible de créer le dossier de travail de l’image dans %1.</translation>
    </message>
    <message>
        <source>These items were not added: this folder already holds an item of that name:
%1</source>
        <translation>Ces éléments n’ont pas été ajoutés, car ce dossier contient déjà un élément du même nom :
%1</translation>
    </message>
    <message>
        <source>Please select one row in the table list first</source>
        <translation>Veuillez d’abord sélectionner une ligne de la liste</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>Extraction de l’ISO...</translation>
    </message>
    <message>
        <source>Please select files or folders in the list first.</source>
        <translation>Veuillez d’abord sélectionner des fichiers ou dossiers dans la liste.</translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Veuillez d’abord ajouter des fichiers ou des dossiers !</translation>
    </message>
    <message>
        <source>Save ISO file successfully!</source>
        <translation>Fichier ISO enregistré avec succès !</translation>
    </message>
    <message>
        <source>Export Successfully !</source>
        <translation>Exportation réussie !</translation>
    </message>
    <message>
        <source>The ISO file could not be saved.</source>
        <translation>Le fichier ISO n’a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>The items could not be exported.</source>
        <translation>Les éléments n’ont pas pu être exportés.</translation>
    </message>
    <message>
        <source>These items were not added: a folder that cannot be read, a backslash in the name, a link back to a folder that holds it, or the program&apos;s own working folder:
%1</source>
        <translation>Ces éléments n’ont pas été ajoutés : dossier illisible, barre oblique inverse dans le nom, lien vers un dossier qui le contient, ou dossier de travail du programme lui-même :
%1</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 existe déjà. Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>The new image will not keep %1. Save anyway?</source>
        <translation>La nouvelle image ne conservera pas %1. Enregistrer quand même ?</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>%1 already holds items of these names:
%2
Replace them with the exported ones?</source>
        <translation>%1 contient déjà des éléments portant ces noms :
%2
Les remplacer par ceux exportés ?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Garder le mien</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The changes to %1 have not been saved.</source>
        <translation>Les modifications de %1 n&apos;ont pas été enregistrées.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
</context>
<context>
    <name>CPage5</name>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>Make Image From Disc</source>
        <translation>Créer une image d’un disque</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Select a CD/DVD drive:</source>
        <translation>Choisissez un lecteur CD/DVD :</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Format de sortie :</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Please select the iso file to save</source>
        <translation>Veuillez choisir où enregistrer le fichier ISO</translation>
    </message>
    <message>
        <source>Please select the iso file to save.</source>
        <translation>Veuillez choisir où enregistrer le fichier ISO.</translation>
    </message>
    <message>
        <source>The image cannot be saved there.</source>
        <translation>L’image ne peut pas être enregistrée à cet endroit.</translation>
    </message>
    <message>
        <source>Start reading...</source>
        <translation>Début de la lecture...</translation>
    </message>
    <message>
        <source>Reading Disc...</source>
        <translation>Lecture du disque...</translation>
    </message>
    <message>
        <source>Copy CD/DVD successfully!</source>
        <translation>CD/DVD copié avec succès !</translation>
    </message>
    <message>
        <source>The disc could not be copied.</source>
        <translation>Le disque n’a pas pu être copié.</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found</source>
        <translation>Aucun graveur CD/DVD trouvé</translation>
    </message>
    <message>
        <source>Connect a CD/DVD drive with the disc to copy in it, then press Start again.</source>
        <translation>Branchez un lecteur CD/DVD contenant le disque à copier, puis cliquez à nouveau sur Démarrer.</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>ChecksumJob</name>
    <message>
        <source>The %1 checksum matches %2.</source>
        <translation>La somme de contrôle %1 correspond à %2.</translation>
    </message>
    <message>
        <source>The %1 checksum does not match %2: the image is damaged or not the one published.</source>
        <translation>La somme de contrôle %1 ne correspond pas à %2 : l'image est endommagée ou n'est pas celle publiée.</translation>
    </message>
    <message>
        <source>No %1 checksum of this image lies beside it to compare with.</source>
        <translation>Aucune somme de contrôle %1 de cette image ne se trouve à côté d'elle pour la comparer.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>Impossible de lire l'image %1.</translation>
    </message>
    <message>
        <source>Reading %1 failed: %2</source>
        <translation>La lecture de %1 a échoué : %2</translation>
    </message>
    <message>
        <source>Computing the %1 checksum...</source>
        <translation>Calcul de la somme de contrôle %1...</translation>
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
        <translation>Non</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>No file manager could be opened. The folder is:
%1</source>
        <translation>Aucun gestionnaire de fichiers n’a pu être ouvert. Le dossier est :
%1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Stopped; nothing incomplete was left behind.</source>
        <translation>Arrêté ; aucun élément incomplet n&apos;a été laissé.</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 est un dossier. Veuillez choisir un nom de fichier pour l’image.</translation>
    </message>
    <message>
        <source>%1 already exists. Add --force to replace it.</source>
        <translation>%1 existe déjà. Ajoutez --force pour le remplacer.</translation>
    </message>
    <message>
        <source>The image %1 does not exist.</source>
        <translation>L’image %1 n’existe pas.</translation>
    </message>
    <message>
        <source>%1 is not an image file.</source>
        <translation>%1 n’est pas un fichier image.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>Impossible de lire l&apos;image %1.</translation>
    </message>
    <message>
        <source>Usage: quillon extract IMAGE TARGET [ITEM...]</source>
        <translation>Utilisation : quillon extract IMAGE TARGET [ITEM...]</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Arrêté.</translation>
    </message>
    <message>
        <source>%1 is not in the image.</source>
        <translation>%1 ne se trouve pas dans l&apos;image.</translation>
    </message>
    <message>
        <source>The image holds no files.</source>
        <translation>L&apos;image ne contient aucun fichier.</translation>
    </message>
    <message>
        <source>These files already exist in %1. Add --force to replace them:
%2</source>
        <translation>Ces fichiers existent déjà dans %1. Ajoutez --force pour les remplacer :
%2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>Extracted %1 items to %2.</source>
        <translation>%1 éléments extraits vers %2.</translation>
    </message>
    <message>
        <source>The items could not be extracted.</source>
        <translation>Impossible d&apos;extraire les éléments.</translation>
    </message>
    <message>
        <source>Usage: quillon create --output IMAGE [--label LABEL] SOURCE...</source>
        <translation>Utilisation : quillon create --output IMAGE [--label LABEL] SOURCE...</translation>
    </message>
    <message>
        <source>Unknown image type %1: use joliet, iso9660 or udf.</source>
        <translation>Type d&apos;image inconnu %1 : utilisez joliet, iso9660 ou udf.</translation>
    </message>
    <message>
        <source>The working folder could not be created below %1.</source>
        <translation>Impossible de créer le dossier de travail dans %1.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 cannot be added: another item has its name, it cannot be read, or it holds a backslash in a name.</source>
        <translation>Impossible d&apos;ajouter %1 : un autre élément porte le même nom, il est illisible ou un nom contient une barre oblique inverse.</translation>
    </message>
    <message>
        <source>Files of 4 GiB or more show their true size only in the image&apos;s UDF tree.</source>
        <translation>Les fichiers de 4 GiB ou plus n&apos;affichent leur taille réelle que dans l&apos;arborescence UDF de l&apos;image.</translation>
    </message>
    <message>
        <source>Created %1 (%2 bytes).</source>
        <translation>%1 créé (%2 octets).</translation>
    </message>
    <message>
        <source>The ISO file could not be created.</source>
        <translation>Le fichier ISO n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>Usage: quillon edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]... [--rename /PATH=NEWNAME]...</source>
        <translation>Utilisation : quillon edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]... [--rename /PATH=NEWNAME]...</translation>
    </message>
    <message>
        <source>--add needs SOURCE=/PATH/IN/IMAGE, not %1.</source>
        <translation>--add attend SOURCE=/PATH/IN/IMAGE, et non %1.</translation>
    </message>
    <message>
        <source>--rename needs /PATH=NEWNAME, not %1.</source>
        <translation>--rename attend /PATH=NEWNAME, et non %1.</translation>
    </message>
    <message>
        <source>The image has no folder %1.</source>
        <translation>L&apos;image ne contient pas de dossier %1.</translation>
    </message>
    <message>
        <source>%1 cannot be added: it cannot be read, it holds a backslash in a name, or it links back to a folder that holds it.</source>
        <translation>Impossible d&apos;ajouter %1 : il est illisible, un nom contient une barre oblique inverse ou il renvoie vers un dossier qui le contient.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 enregistré.</translation>
    </message>
    <message>
        <source>The ISO file could not be saved.</source>
        <translation>Le fichier ISO n’a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>No CD/DVD recorder %1 found. quillon list-drives shows the recorders.</source>
        <translation>Aucun graveur CD/DVD %1 trouvé. quillon list-drives affiche les graveurs.</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>Disque gravé avec succès.</translation>
    </message>
    <message>
        <source>The disc could not be burned.</source>
        <translation>Le disque n’a pas pu être gravé.</translation>
    </message>
    <message>
        <source>--allow-loop-device is for tests and only accepted as root.</source>
        <translation>--allow-loop-device est réservé aux tests et n&apos;est accepté qu&apos;en tant que root.</translation>
    </message>
    <message>
        <source>%1 is not a USB disk. quillon list-drives shows the USB disks.</source>
        <translation>%1 n&apos;est pas un disque USB. quillon list-drives affiche les disques USB.</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Espace insuffisant : utilisez une clé USB ou un CD/DVD de plus grande capacité.</translation>
    </message>
    <message>
        <source>Unknown file system %1: use FAT32, NTFS, exFAT or FAT.</source>
        <translation>Système de fichiers inconnu %1 : utilisez FAT32, NTFS, exFAT ou FAT.</translation>
    </message>
    <message>
        <source>All data on %1 will be deleted. Continue?</source>
        <translation>Toutes les données de %1 seront effacées. Continuer ?</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>Usage: quillon copy-disc DRIVE --output IMAGE</source>
        <translation>Utilisation : quillon copy-disc DRIVE --output IMAGE</translation>
    </message>
    <message>
        <source>Copied the disc to %1.</source>
        <translation>Disque copié vers %1.</translation>
    </message>
    <message>
        <source>The disc could not be read.</source>
        <translation>Impossible de lire le disque.</translation>
    </message>
    <message>
        <source>The recorder&apos;s bus scan did not end within %1 seconds.</source>
        <translation>La recherche de graveurs sur le bus ne s&apos;est pas terminée en %1 secondes.</translation>
    </message>
    <message>
        <source>No USB disk found — plug one in.</source>
        <translation>Aucun disque USB trouvé — branchez-en un.</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found.</source>
        <translation>Aucun graveur CD/DVD trouvé.</translation>
    </message>
    <message>
        <source>Unknown page %1: use burn, extract, create, edit or copy-disc.</source>
        <translation>Page inconnue %1 : utilisez burn, extract, create, edit ou copy-disc.</translation>
    </message>
    <message>
        <source>quillon --help shows the usage.</source>
        <translation>quillon --help affiche l&apos;utilisation.</translation>
    </message>
    <message>
        <source>The new image will not keep: %1</source>
        <translation>La nouvelle image ne conservera pas : %1</translation>
    </message>
    <message>
        <source>Usage: quillon burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT] [--label LABEL] [--yes]
       quillon burn IMAGE --disc RECORDER</source>
        <translation>Utilisation : quillon burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT] [--label LABEL] [--yes]
              quillon burn IMAGE --disc RECORDER</translation>
    </message>
    <message>
        <source>Unknown partition style %1: use mbr, gpt or image.</source>
        <translation>Style de partitionnement inconnu %1 : utilisez mbr, gpt ou image.</translation>
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
        <translation>Utilisation : quillon [IMAGE]
              quillon --page burn|extract|create|edit|copy-disc [IMAGE]
              quillon SUBCOMMAND ...

Sans sous-commande, la fenêtre s’ouvre avec IMAGE chargée dans la page Extraire (ou dans la page
indiquée par --page). Les sous-commandes exécutent les mêmes tâches sans affichage :

  extract IMAGE TARGET [ITEM...]      extrait les éléments (tout, si aucun n’est indiqué) dans TARGET
  create --output IMAGE [--label LABEL] [--type joliet|iso9660|udf] SOURCE...
                                      crée une image à partir de fichiers et de dossiers
  edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]...
       [--rename /PATH=NEWNAME]...    enregistre une copie modifiée qui démarre comme l’originale
  burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT]
       [--label LABEL] [--yes]        crée une clé USB amorçable (image : écrit une image hybride
                                      telle quelle ; système de fichiers et nom de volume ignorés)
  burn IMAGE --disc RECORDER          écrit l’image sur un CD/DVD
  copy-disc DRIVE --output IMAGE      lit un CD/DVD dans une image
  list-drives                         liste les disques USB et graveurs sur lesquels graver
  checksum IMAGE [--sha256|--sha1|--md5]
                                      la somme de contrôle de l'image (SHA-256 sauf mention contraire), comparée
                                      à SHA256SUMS ou IMAGE.sha256 (et semblables) à côté d'elle

Options :
  --force               remplace un fichier de sortie existant (extract : les fichiers existants)
  --yes                 écrit sur le disque USB sans demander de confirmation
  --allow-loop-device   accepte un périphérique loop comme disque USB (tests ; root uniquement)
  -h, --help            affiche cette aide
  -v, --version         affiche la version

La progression va sur la sortie d'erreur standard, les résultats sur la sortie standard (checksum : la somme telle
que sha256sum l'affiche, la comparaison sur la sortie d'erreur). Le code de sortie n'est 0 que si la vérification
propre à la tâche a réussi (checksum : 1 si la somme diffère de celle à côté de l'image) ; Ctrl+C arrête la tâche
et supprime la sortie partielle.</translation>
    </message>
    <message>
        <source>Usage: quillon checksum IMAGE [--sha256|--sha1|--md5]</source>
        <translation>Utilisation : quillon checksum IMAGE [--sha256|--sha1|--md5]</translation>
    </message>
</context>
<context>
    <name>CreateImageJob</name>
    <message>
        <source>Copy files and folders...</source>
        <translation>Copie des fichiers et dossiers...</translation>
    </message>
    <message>
        <source>These files could not be copied into the working folder, so no image was created (unreadable files, or a full disk?):
%1</source>
        <translation>Ces fichiers n&apos;ont pas pu être copiés dans le dossier de travail, aucune image n&apos;a donc été créée (fichiers illisibles ou disque plein ?) :
%1</translation>
    </message>
</context>
<context>
    <name>DiscBurnJob</name>
    <message>
        <source>There is no disc in the drive.</source>
        <translation>Il n’y a aucun disque dans le lecteur.</translation>
    </message>
    <message>
        <source>The disc in the drive cannot be written: it is not blank, or not a kind of disc this drive can write.</source>
        <translation>Impossible d’écrire sur le disque du lecteur : il n’est pas vierge, ou ce lecteur ne peut pas graver ce type de disque.</translation>
    </message>
    <message>
        <source>Writing to the disc failed.</source>
        <translation>L’écriture sur le disque a échoué.</translation>
    </message>
    <message>
        <source>The recorder ended abnormally.</source>
        <translation>Le programme de gravure s’est terminé anormalement.</translation>
    </message>
    <message>
        <source>The recorder ended with exit status %1.</source>
        <translation>Le programme de gravure s’est terminé avec le code %1.</translation>
    </message>
</context>
<context>
    <name>EditSession</name>
    <message>
        <source>Copy files and directories...</source>
        <translation>Copie des fichiers et dossiers...</translation>
    </message>
    <message>
        <source>7-Zip ended with exit status %1.</source>
        <translation>7-Zip s’est terminé avec le code %1.</translation>
    </message>
    <message>
        <source>The image %1 could not be opened: %2</source>
        <translation>Impossible d’ouvrir l’image %1 : %2</translation>
    </message>
    <message>
        <source>The extraction did not complete.</source>
        <translation>L’extraction ne s’est pas terminée.</translation>
    </message>
    <message>
        <source>Please enter a name.</source>
        <translation>Veuillez saisir un nom.</translation>
    </message>
    <message>
        <source>A name cannot contain / or \.</source>
        <translation>Un nom ne peut pas contenir / ni \.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists in this folder.</source>
        <translation>« %1 » existe déjà dans ce dossier.</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>Extraction de l’ISO...</translation>
    </message>
    <message>
        <source>The image was not extracted completely: %1</source>
        <translation>L’image n’a pas été entièrement extraite : %1</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 est un dossier. Veuillez choisir un nom de fichier pour l’image.</translation>
    </message>
    <message>
        <source>Please save the image under another name, outside the program&apos;s working folder.</source>
        <translation>Veuillez enregistrer l’image sous un autre nom, en dehors du dossier de travail du programme.</translation>
    </message>
    <message>
        <source>Saving ISO file...</source>
        <translation>Enregistrement du fichier ISO...</translation>
    </message>
    <message>
        <source>These items are missing from the working folder, so the image would lack them:
%1</source>
        <translation>Ces éléments manquent dans le dossier de travail et manqueraient donc dans l’image :
%1</translation>
    </message>
    <message>
        <source>These items could not be copied:
%1</source>
        <translation>Ces éléments n’ont pas pu être copiés :
%1</translation>
    </message>
    <message>
        <source>The compressed (zisofs) files could not be unpacked: %1</source>
        <translation>Les fichiers compressés (zisofs) n’ont pas pu être décompressés : %1</translation>
    </message>
    <message>
        <source>These links could not be made: %1</source>
        <translation>Ces liens n’ont pas pu être créés : %1</translation>
    </message>
    <message>
        <source>the original&apos;s boot setup for disks (its MBR or GPT system area)</source>
        <translation>la configuration d’amorçage de l’originale pour les disques (sa zone système MBR ou GPT)</translation>
    </message>
    <message>
        <source>symbolic links and compressed files, if it has any (xorriso is not installed)</source>
        <translation>les liens symboliques et les fichiers compressés, s’il y en a (xorriso n’est pas installé)</translation>
    </message>
    <message>
        <source>genisoimage: the image has no system area, so UDF and Joliet are written as before.</source>
        <translation>genisoimage : l’image n’a pas de zone système, donc UDF et Joliet sont écrits comme avant.</translation>
    </message>
    <message>
        <source>genisoimage: the image has a UDF tree, which only genisoimage writes.</source>
        <translation>genisoimage : l’image a une arborescence UDF, que seul genisoimage écrit.</translation>
    </message>
    <message>
        <source>genisoimage: files of 4 GiB or more need its UDF tree.</source>
        <translation>genisoimage : les fichiers de 4 GiB ou plus ont besoin de son arborescence UDF.</translation>
    </message>
    <message>
        <source>genisoimage: xorriso, which keeps the system area, is not installed.</source>
        <translation>genisoimage : xorriso, qui conserve la zone système, n’est pas installé.</translation>
    </message>
    <message>
        <source>genisoimage: the names 7-Zip reads differ from the image&apos;s Rock Ridge names.</source>
        <translation>genisoimage : les noms lus par 7-Zip diffèrent des noms Rock Ridge de l’image.</translation>
    </message>
    <message>
        <source>xorriso: it replays the image&apos;s boot setup and system area, so the copy boots from a disk as the original does.</source>
        <translation>xorriso : il reproduit la configuration d’amorçage et la zone système de l’image, pour que la copie démarre depuis un disque comme l’originale.</translation>
    </message>
    <message>
        <source>The saved image cannot be read.</source>
        <translation>L’image enregistrée est illisible.</translation>
    </message>
    <message>
        <source>The saved image&apos;s system area (%1) differs from the original&apos;s (%2).</source>
        <translation>La zone système de l’image enregistrée (%1) diffère de celle de l’originale (%2).</translation>
    </message>
    <message>
        <source>These items were not exported: the folder holds a folder where a file would go, a file where a folder would go, or the image being edited:
%1</source>
        <translation>Ces éléments n&apos;ont pas été exportés : le dossier contient un dossier là où irait un fichier, un fichier là où irait un dossier, ou l&apos;image en cours de modification :
%1</translation>
    </message>
</context>
<context>
    <name>ExtractJob</name>
    <message>
        <source>7-Zip stopped unexpectedly.</source>
        <translation>7-Zip s’est arrêté de façon inattendue.</translation>
    </message>
    <message>
        <source>7-Zip ended with exit code %1.</source>
        <translation>7-Zip s’est terminé avec le code de sortie %1.</translation>
    </message>
    <message>
        <source>7-Zip did not confirm the extraction.</source>
        <translation>7-Zip n’a pas confirmé l’extraction.</translation>
    </message>
    <message>
        <source>Not extracted: %1</source>
        <translation>Non extraits : %1</translation>
    </message>
    <message>
        <source>Could not be moved into the output folder: %1</source>
        <translation>Impossible de déplacer dans le dossier de destination : %1</translation>
    </message>
    <message>
        <source>Left as they were in the output folder: %1</source>
        <translation>Laissés tels quels dans le dossier de destination : %1</translation>
    </message>
    <message>
        <source>Nothing was selected.</source>
        <translation>Aucune sélection.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n’existe pas.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>Impossible d’écrire dans le dossier %1 : %2</translation>
    </message>
    <message>
        <source>7-Zip could not be started (%1): %2</source>
        <translation>7-Zip n’a pas pu être lancé (%1) : %2</translation>
    </message>
    <message>
        <source>Copying files! Please wait a few seconds..</source>
        <translation>Copie des fichiers, veuillez patienter...</translation>
    </message>
    <message>
        <source>Extracting files: </source>
        <translation>Extraction des fichiers : </translation>
    </message>
    <message>
        <source>Extracting files...</source>
        <translation>Extraction des fichiers...</translation>
    </message>
    <message>
        <source>Cannot write the list of items to extract: %1</source>
        <translation>Impossible d’écrire la liste des éléments à extraire : %1</translation>
    </message>
    <message>
        <source>This image holds symbolic links or compressed (zisofs) files, which only xorriso restores, and xorriso is not installed (package xorriso); links may have arrived as empty files.</source>
        <translation>Cette image contient des liens symboliques ou des fichiers compressés (zisofs), que seul xorriso restaure, et xorriso n&apos;est pas installé (paquet xorriso) ; les liens sont peut-être arrivés sous forme de fichiers vides.</translation>
    </message>
    <message>
        <source>Restoring links and compressed files...</source>
        <translation>Restauration des liens et des fichiers compressés...</translation>
    </message>
    <message>
        <source>xorriso could not read the image&apos;s Rock Ridge tree, so its links and compressed (zisofs) files could not be restored: %1</source>
        <translation>xorriso n&apos;a pas pu lire l&apos;arborescence Rock Ridge de l&apos;image ; ses liens et ses fichiers compressés (zisofs) n&apos;ont donc pas pu être restaurés : %1</translation>
    </message>
    <message>
        <source>These symbolic links could not be made: %1</source>
        <translation>Ces liens symboliques n&apos;ont pas pu être créés : %1</translation>
    </message>
    <message>
        <source>These links would point into Quillon&apos;s working folder and were left out: %1</source>
        <translation>Ces liens pointeraient vers le dossier de travail de Quillon et ont été ignorés : %1</translation>
    </message>
    <message>
        <source>These compressed (zisofs) files could not be unpacked: %1</source>
        <translation>Ces fichiers compressés (zisofs) n&apos;ont pas pu être décompressés : %1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Open Folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Ouvrir des fichiers</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
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
        <translation>Création du fichier ISO...</translation>
    </message>
    <message>
        <source>The ISO file could not be created.</source>
        <translation>Le fichier ISO n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>Impossible d’écrire dans le dossier %1 : %2</translation>
    </message>
    <message>
        <source>The ISO file could not be saved as %1.</source>
        <translation>Impossible d&apos;enregistrer le fichier ISO sous %1.</translation>
    </message>
    <message>
        <source>The image builder stopped unexpectedly.</source>
        <translation>Le générateur d&apos;images s&apos;est arrêté de manière inattendue.</translation>
    </message>
    <message>
        <source>The image file is incomplete: %1 bytes written, %2 bytes expected.</source>
        <translation>Le fichier image est incomplet : %1 octets écrits, %2 octets attendus.</translation>
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
        <translation>temps restant : %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
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
        <translation>Le fichier %1 n’est pas une image ISO ou UDF.</translation>
    </message>
    <message>
        <source>The file %1 is not an ISO or UDF image: 7-Zip reads it as a %2 archive.</source>
        <translation>Le fichier %1 n’est pas une image ISO ou UDF : 7-Zip le lit comme une archive %2.</translation>
    </message>
    <message>
        <source>The image %1 could not be read. It may not be an ISO image, or it may be damaged.</source>
        <translation>Impossible de lire l’image %1. Ce n’est peut-être pas une image ISO, ou elle est endommagée.</translation>
    </message>
    <message>
        <source>The image %1 could not be read: 7-Zip could not be started (%2): %3</source>
        <translation>Impossible de lire l’image %1 : 7-Zip n’a pas pu être lancé (%2) : %3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Burn</source>
        <translation>Graver</translation>
    </message>
    <message>
        <source>Make bootable USB or DVD/CD from ISO</source>
        <translation>Créer une clé USB ou un DVD/CD amorçable depuis une ISO</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extraire</translation>
    </message>
    <message>
        <source>Extract content from ISO</source>
        <translation>Extraire le contenu d’une ISO</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Create ISO from files or folders</source>
        <translation>
 Créer une ISO à partir 
 de fichiers ou dossiers</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>
 Add, delete, rename 
 content in ISO file</source>
        <translation>
 Ajouter, supprimer, renommer 
 le contenu d’un fichier ISO</translation>
    </message>
    <message>
        <source>Copy Disk</source>
        <translation>Copier un disque</translation>
    </message>
    <message>
        <source>
 Make ISO file from 
 CD/DVD disc</source>
        <translation>
 Créer un fichier ISO 
 depuis un CD/DVD</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinois</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
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
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Portugues</source>
        <translation>Portugais</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonais</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Néerlandais</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Suédois</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>CTRL+H</source>
        <translation>CTRL+H</translation>
    </message>
    <message>
        <source>About Us(&amp;U)</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>CTRL+U</source>
        <translation>CTRL+U</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>&amp;Quitter</translation>
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
        <translation>L’image %1 n’existe pas.</translation>
    </message>
    <message>
        <source>%1 is not an image file.</source>
        <translation>%1 n’est pas un fichier image.</translation>
    </message>
    <message>
        <source>A job is still running. Stop it and close the program?</source>
        <translation>Une tâche est encore en cours. L’arrêter et fermer le programme ?</translation>
    </message>
    <message>
        <source>Recent Images(&amp;R)</source>
        <translation>Images &amp;récentes</translation>
    </message>
    <message>
        <source>No recent images</source>
        <translation>Aucune image récente</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Effacer la liste</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>No web browser could be opened. The address is:
%1</source>
        <translation>Aucun navigateur web n’a pu être ouvert. L’adresse est :
%1</translation>
    </message>
</context>
<context>
    <name>Mkfs</name>
    <message numerus="yes">
        <source>a %1 label holds at most %n characters</source>
        <translation>
            <numerusform>un nom de volume %1 comporte au plus %n caractères</numerusform>
            <numerusform>un nom de volume %1 comporte au plus %n caractères</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 does not allow these characters in a label: %2</source>
        <translation>%1 n’autorise pas ces caractères dans un nom de volume : %2</translation>
    </message>
</context>
<context>
    <name>PageWindow</name>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 existe déjà. Voulez-vous le remplacer ?</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 is not a disk or partition.</source>
        <translation>%1 n’est ni un disque ni une partition.</translation>
    </message>
    <message>
        <source>The system does not know %1.</source>
        <translation>Le système ne connaît pas %1.</translation>
    </message>
    <message>
        <source>The disk of %1 (%2) has no device node.</source>
        <translation>Le disque de %1 (%2) n’a pas de nœud de périphérique.</translation>
    </message>
    <message>
        <source>%1 is not a drive.</source>
        <translation>%1 n’est pas un lecteur.</translation>
    </message>
</context>
<context>
    <name>ReadDiscJob</name>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 est un dossier.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n’existe pas.</translation>
    </message>
    <message>
        <source>%1 cannot be written to.</source>
        <translation>Impossible d’écrire dans %1.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>Impossible d’écrire dans le dossier %1 : %2</translation>
    </message>
    <message>
        <source>There is no readable disc in the drive.</source>
        <translation>Il n’y a aucun disque lisible dans le lecteur.</translation>
    </message>
    <message>
        <source>A part of the disc cannot be read.</source>
        <translation>Une partie du disque est illisible.</translation>
    </message>
    <message>
        <source>Permission denied: the drive or the image file cannot be opened.</source>
        <translation>Accès refusé : impossible d’ouvrir le lecteur ou le fichier image.</translation>
    </message>
    <message>
        <source>The reader ended abnormally.</source>
        <translation>Le programme de lecture s’est terminé anormalement.</translation>
    </message>
    <message>
        <source>The reader ended with exit status %1.</source>
        <translation>Le programme de lecture s’est terminé avec le code %1.</translation>
    </message>
    <message>
        <source>The reader did not say how large the disc is.</source>
        <translation>Le programme de lecture n’a pas indiqué la taille du disque.</translation>
    </message>
    <message>
        <source>The image is incomplete: %1 of %2 bytes were read.</source>
        <translation>L’image est incomplète : %1 octets lus sur %2.</translation>
    </message>
    <message>
        <source>The image could not be put in place of %1.</source>
        <translation>L’image n’a pas pu remplacer %1.</translation>
    </message>
</context>
<context>
    <name>RockRidge</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 est manquant</translation>
    </message>
    <message>
        <source>%1 is no longer a link</source>
        <translation>%1 n’est plus un lien</translation>
    </message>
    <message>
        <source>%1 points to %2 instead of %3</source>
        <translation>%1 pointe vers %2 au lieu de %3</translation>
    </message>
    <message>
        <source>%1 is of another kind</source>
        <translation>%1 est d’un autre type</translation>
    </message>
    <message>
        <source>%1 has %2 bytes instead of %3</source>
        <translation>%1 fait %2 octets au lieu de %3</translation>
    </message>
    <message>
        <source>The saved image does not hold what the edit shows:
%1</source>
        <translation>L’image enregistrée ne contient pas ce qu’affiche la modification :
%1</translation>
    </message>
</context>
<context>
    <name>ScanbusJob</name>
    <message>
        <source>The disc recorder did not finish looking for drives within %1 seconds; no disc drive is listed.</source>
        <translation>Le programme de gravure n’a pas fini de rechercher les lecteurs en %1 secondes ; aucun lecteur de disque n’est listé.</translation>
    </message>
</context>
<context>
    <name>ToolJob</name>
    <message>
        <source>%1 ended abnormally.</source>
        <translation>%1 s’est terminé anormalement.</translation>
    </message>
    <message>
        <source>%1 ended with exit status %2.</source>
        <translation>%1 s’est terminé avec le code %2.</translation>
    </message>
    <message>
        <source>Could not start %1.</source>
        <translation>Impossible de lancer %1.</translation>
    </message>
    <message>
        <source>Install the package %1.</source>
        <translation>Installez le paquet %1.</translation>
    </message>
</context>
<context>
    <name>UsbBurnJob</name>
    <message>
        <source>USB burn</source>
        <translation>Gravure USB</translation>
    </message>
    <message>
        <source>%1 is missing (install the package %2).</source>
        <translation>%1 est introuvable (installez le paquet %2).</translation>
    </message>
    <message>
        <source>The image %1 does not exist.</source>
        <translation>L’image %1 n’existe pas.</translation>
    </message>
    <message>
        <source>Unknown file system &quot;%1&quot;.</source>
        <translation>Système de fichiers inconnu « %1 ».</translation>
    </message>
    <message>
        <source>%1 is not a USB disk this page lists; it was left alone.</source>
        <translation>%1 n’est pas une clé USB de la liste de cette page ; elle n’a pas été touchée.</translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1.</source>
        <translation>Impossible de créer un dossier de travail dans %1.</translation>
    </message>
    <message>
        <source>The image could not be read. %1</source>
        <translation>Impossible de lire l’image. %1</translation>
    </message>
    <message>
        <source>the image has no EFI/BOOT/BOOTX64.EFI</source>
        <translation>l’image ne contient pas EFI/BOOT/BOOTX64.EFI</translation>
    </message>
    <message>
        <source>UEFI firmware reads FAT file systems only</source>
        <translation>le micrologiciel UEFI ne lit que les systèmes de fichiers FAT</translation>
    </message>
    <message>
        <source>The image needs %1 on the USB disk, which holds %2; nothing was written.</source>
        <translation>L’image nécessite %1 sur la clé USB, qui contient %2 ; rien n’a été écrit.</translation>
    </message>
    <message>
        <source>Checking the request</source>
        <translation>Vérification de la demande</translation>
    </message>
    <message>
        <source>Reading the image</source>
        <translation>Lecture de l’image</translation>
    </message>
    <message>
        <source>Reading the image...</source>
        <translation>Lecture de l’image...</translation>
    </message>
    <message>
        <source>Preparing the burn</source>
        <translation>Préparation de la gravure</translation>
    </message>
    <message>
        <source>Copying the files</source>
        <translation>Copie des fichiers</translation>
    </message>
    <message>
        <source>7-Zip ended with exit status %1.</source>
        <translation>7-Zip s’est terminé avec le code %1.</translation>
    </message>
    <message>
        <source>Taking out the install image</source>
        <translation>Extraction de l’image d’installation</translation>
    </message>
    <message>
        <source>There is no room for the install image (%1) in %2: %3 free.</source>
        <translation>Pas assez de place pour l’image d’installation (%1) dans %2 : %3 libres.</translation>
    </message>
    <message>
        <source>Splitting the install image</source>
        <translation>Découpage de l’image d’installation</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the image are missing or incomplete on the USB disk: %1</source>
        <translation>
            <numerusform>%n fichier de l’image est absent ou incomplet sur la clé USB : %1</numerusform>
            <numerusform>%n fichiers de l’image sont absents ou incomplets sur la clé USB : %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The USB disk starts on UEFI only: %1.</source>
        <translation>La clé USB ne démarre qu’en UEFI : %1.</translation>
    </message>
    <message>
        <source>Neither BIOS nor UEFI can start from the USB disk: %1; %2.</source>
        <translation>Ni le BIOS ni l’UEFI ne peuvent démarrer sur la clé USB : %1 ; %2.</translation>
    </message>
    <message>
        <source>UEFI cannot start from the USB disk: %1.</source>
        <translation>L’UEFI ne peut pas démarrer sur la clé USB : %1.</translation>
    </message>
    <message>
        <source>Burning failed. %1</source>
        <translation>La gravure a échoué. %1</translation>
    </message>
    <message>
        <source>Burning was stopped.</source>
        <translation>La gravure a été arrêtée.</translation>
    </message>
    <message>
        <source>The USB disk is incomplete and still mounted at %1.</source>
        <translation>La clé USB est incomplète et encore montée sur %1.</translation>
    </message>
    <message>
        <source>The USB disk is incomplete.</source>
        <translation>La clé USB est incomplète.</translation>
    </message>
    <message>
        <source>The USB disk was not changed.</source>
        <translation>La clé USB n’a pas été modifiée.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>FAT on this system goes through fusefat, which cannot write the name &quot;%1&quot;; choose NTFS or exFAT. Nothing was written.</source>
        <translation>Sur ce système, FAT passe par fusefat, qui ne peut pas écrire le nom « %1 » ; choisissez NTFS ou exFAT. Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>the image has no loader a BIOS can start from a USB disk</source>
        <translation>l’image ne contient aucun chargeur qu’un BIOS puisse lancer depuis une clé USB</translation>
    </message>
    <message>
        <source>Unmounting the USB disk</source>
        <translation>Démontage de la clé USB</translation>
    </message>
    <message>
        <source>Unmounting the USB disk...</source>
        <translation>Démontage de la clé USB...</translation>
    </message>
    <message>
        <source>Formatting the USB disk</source>
        <translation>Formatage de la clé USB</translation>
    </message>
    <message>
        <source>Mounting the USB disk</source>
        <translation>Montage de la clé USB</translation>
    </message>
    <message>
        <source>Mounting the USB disk...</source>
        <translation>Montage de la clé USB...</translation>
    </message>
    <message>
        <source>Preparing the boot code</source>
        <translation>Préparation du code d’amorçage</translation>
    </message>
    <message>
        <source>Building the boot code</source>
        <translation>Génération du code d’amorçage</translation>
    </message>
    <message>
        <source>Installing the boot code</source>
        <translation>Installation du code d’amorçage</translation>
    </message>
    <message>
        <source>grub-bios-setup is missing (install the package grub-pc-bin).</source>
        <translation>grub-bios-setup est introuvable (installez le paquet grub-pc-bin).</translation>
    </message>
    <message>
        <source>Cannot write the boot code&apos;s files to the USB disk.</source>
        <translation>Impossible d’écrire les fichiers du code d’amorçage sur la clé USB.</translation>
    </message>
    <message>
        <source>Writing the last data to the USB disk...</source>
        <translation>Écriture des dernières données sur la clé USB...</translation>
    </message>
    <message>
        <source>Checking the file system</source>
        <translation>Vérification du système de fichiers</translation>
    </message>
    <message>
        <source>Checking the USB disk...</source>
        <translation>Vérification de la clé USB...</translation>
    </message>
    <message>
        <source>The file system on the USB disk is not clean: %1</source>
        <translation>Le système de fichiers de la clé USB n’est pas sain : %1</translation>
    </message>
    <message>
        <source>Checking the label</source>
        <translation>Vérification du nom de volume</translation>
    </message>
    <message>
        <source>The volume label cannot contain %1.</source>
        <translation>Le nom du volume ne peut pas contenir %1.</translation>
    </message>
    <message>
        <source>Burning the USB disk...</source>
        <translation>Écriture sur la clé USB...</translation>
    </message>
    <message>
        <source>Extract the wim file ...</source>
        <translation>Extraction du fichier WIM...</translation>
    </message>
    <message>
        <source>Process the wim file larger than 4 GB...</source>
        <translation>Traitement du fichier WIM de plus de 4 Go...</translation>
    </message>
    <message>
        <source>Burning Successfully...</source>
        <translation>Gravure réussie...</translation>
    </message>
    <message>
        <source>The USB disk is under formating...</source>
        <translation>Formatage de la clé USB...</translation>
    </message>
    <message>
        <source>The USB disk is installing bootsect...</source>
        <translation>Installation du secteur d’amorçage sur la clé USB...</translation>
    </message>
    <message>
        <source>%1 is a partition; choose the whole USB disk.</source>
        <translation>%1 est une partition ; choisissez la clé USB entière.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>Impossible de lire l&apos;image %1.</translation>
    </message>
    <message>
        <source>The image has no partition table of its own, so written as it is it would not start; choose MBR or GPT instead. Nothing was written.</source>
        <translation>L’image n’a pas de table de partitions propre : écrite telle quelle, elle ne démarrerait pas ; choisissez plutôt MBR ou GPT. Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>The volume label &quot;%1&quot; cannot be used: %2. Nothing was written.</source>
        <translation>Le nom de volume « %1 » ne peut pas être utilisé : %2. Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>%1 cannot hold these names of the image apart, or refuses them: %2. Nothing was written.</source>
        <translation>%1 ne peut pas distinguer ces noms de l’image, ou les refuse : %2. Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>The USB disk can be removed.</source>
        <translation>La clé USB peut être retirée.</translation>
    </message>
    <message>
        <source>Erasing the USB disk</source>
        <translation>Effacement de la clé USB</translation>
    </message>
    <message>
        <source>Writing the partition table</source>
        <translation>Écriture de la table de partitions</translation>
    </message>
    <message>
        <source>The new partition did not appear.</source>
        <translation>La nouvelle partition n’est pas apparue.</translation>
    </message>
    <message>
        <source>neither the image nor its El Torito EFI image has EFI/BOOT/BOOTX64.EFI</source>
        <translation>ni l’image ni son image EFI El Torito ne contient EFI/BOOT/BOOTX64.EFI</translation>
    </message>
    <message>
        <source>Cannot copy %1 of the El Torito EFI image to the USB disk.</source>
        <translation>Impossible de copier %1 de l’image EFI El Torito sur la clé USB.</translation>
    </message>
    <message>
        <source>Reading the UEFI loader</source>
        <translation>Lecture du chargeur UEFI</translation>
    </message>
    <message>
        <source>Copying the UEFI loader</source>
        <translation>Copie du chargeur UEFI</translation>
    </message>
    <message>
        <source>Cannot write the boot menu to the USB disk.</source>
        <translation>Impossible d’écrire le menu d’amorçage sur la clé USB.</translation>
    </message>
    <message>
        <source>Reading the image back</source>
        <translation>Relecture de l’image</translation>
    </message>
    <message>
        <source>Reading the USB disk back</source>
        <translation>Relecture de la clé USB</translation>
    </message>
    <message>
        <source>The files on the USB disk differ from the image&apos;s.</source>
        <translation>Les fichiers de la clé USB diffèrent de ceux de l’image.</translation>
    </message>
    <message>
        <source>Flushing the USB disk</source>
        <translation>Vidage des tampons de la clé USB</translation>
    </message>
    <message>
        <source>Writing the image...</source>
        <translation>Écriture de l’image...</translation>
    </message>
    <message>
        <source>Writing the image</source>
        <translation>Écriture de l’image</translation>
    </message>
    <message>
        <source>Writing the image as it is is not available on this system; choose MBR or GPT.</source>
        <translation>L'écriture de l'image telle quelle n'est pas disponible sur ce système ; choisissez MBR ou GPT.</translation>
    </message>
</context>
<context>
    <name>UsbHelperClient</name>
    <message>
        <source>The USB helper could not be started: %1</source>
        <translation>L’assistant USB n’a pas pu être démarré : %1</translation>
    </message>
    <message>
        <source>Authorisation was refused.</source>
        <translation>L’autorisation a été refusée.</translation>
    </message>
    <message>
        <source>The USB helper ended unexpectedly (exit status %1). %2</source>
        <translation>L’assistant USB s’est arrêté de manière inattendue (code %1). %2</translation>
    </message>
</context>
<context>
    <name>UsbHelperStartStep</name>
    <message>
        <source>Starting the USB helper</source>
        <translation>Démarrage de l’assistant USB</translation>
    </message>
    <message>
        <source>Waiting for authorisation...</source>
        <translation>En attente d’autorisation...</translation>
    </message>
    <message>
        <source>The USB helper answered %1.</source>
        <translation>L’assistant USB a répondu %1.</translation>
    </message>
</context>
<context>
    <name>UsbHelperStep</name>
    <message>
        <source>The USB helper is not running.</source>
        <translation>L’assistant USB n’est pas en cours d’exécution.</translation>
    </message>
</context>
</TS>
