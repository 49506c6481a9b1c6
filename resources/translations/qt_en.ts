<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>BootRebuild</name>
    <message>
        <source>boot entry %1</source>
        <translation>boot entry %1</translation>
    </message>
    <message>
        <source>The %1 is for a platform (%2) the image builder cannot write.</source>
        <translation>The %1 is for a platform (%2) the image builder cannot write.</translation>
    </message>
    <message>
        <source>The %1 could not be written to %2.</source>
        <translation>The %1 could not be written to %2.</translation>
    </message>
    <message>
        <source>The saved image cannot be read.</source>
        <translation>The saved image cannot be read.</translation>
    </message>
    <message>
        <source>The saved image&apos;s label is &quot;%1&quot;, not &quot;%2&quot;.</source>
        <translation>The saved image&apos;s label is &quot;%1&quot;, not &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The saved image has %1 boot entries, the original %2.</source>
        <translation>The saved image has %1 boot entries, the original %2.</translation>
    </message>
    <message>
        <source>The saved image&apos;s %1 differs from the original&apos;s in its platform, emulation or load size.</source>
        <translation>The saved image&apos;s %1 differs from the original&apos;s in its platform, emulation or load size.</translation>
    </message>
    <message>
        <source>The saved image&apos;s %1 does not hold the original&apos;s boot image.</source>
        <translation>The saved image&apos;s %1 does not hold the original&apos;s boot image.</translation>
    </message>
</context>
<context>
    <name>CAboutusDialog</name>
    <message>
        <source>About Quillon</source>
        <translation>About Quillon</translation>
    </message>
    <message>
        <source>Quillon is free software: you may copy and share it under its licence. It comes with no warranty, so check every disk you write.</source>
        <translation>Quillon is free software: you may copy and share it under its licence. It comes with no warranty, so check every disk you write.</translation>
    </message>
    <message>
        <source>Copyright (C) the Quillon developers.</source>
        <translation>Copyright (C) the Quillon developers.</translation>
    </message>
    <message>
        <source>Please visit offical site: </source>
        <translation>Please visit official site: </translation>
    </message>
</context>
<context>
    <name>CBurnDialog</name>
    <message>
        <source>Browse</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Burn</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>ISO Image:</source>
        <translation>ISO Image:</translation>
    </message>
    <message>
        <source>Create A Bootable DVD/CD</source>
        <translation>Create A Bootable DVD/CD</translation>
    </message>
    <message>
        <source>Select a target disc then click BURN button</source>
        <translation>Select a target disc then click BURN button</translation>
    </message>
    <message>
        <source>Create A Bootable USB</source>
        <translation>Create A Bootable USB</translation>
    </message>
    <message>
        <source>Select a target USB then click BURN button</source>
        <translation>Select a target USB then click BURN button</translation>
    </message>
    <message>
        <source>Partition Style</source>
        <translation>Partition Style</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>File System</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>Volume Label</translation>
    </message>
    <message>
        <source>Burn Failed! Do as following:
1.Try to burn again.
2.Change another USB drive or DVD.</source>
        <translation>Burn Failed! Do as following:
1.Try to burn again.
2.Change another USB drive or DVD.</translation>
    </message>
    <message>
        <source>Please insert your USB drive to computer</source>
        <translation>Please insert your USB drive to computer</translation>
    </message>
    <message>
        <source>Your USB drive will be formatted and all data in it will be deleted! Do you want to continue?</source>
        <translation>Your USB drive will be formatted and all data in it will be deleted! Do you want to continue?</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</translation>
    </message>
    <message>
        <source>Burning the disc...</source>
        <translation>Burning the disc...</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>Burning disc successfully.</translation>
    </message>
    <message>
        <source>The disc could not be burned.</source>
        <translation>The disc could not be burned.</translation>
    </message>
    <message>
        <source>No USB disk found — plug one in</source>
        <translation>No USB disk found — plug one in</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found</source>
        <translation>No CD/DVD recorder found</translation>
    </message>
    <message>
        <source>Image (write the ISO as it is)</source>
        <translation>Image (write the ISO as it is)</translation>
    </message>
    <message>
        <source>Connect a CD/DVD recorder with a blank disc in it, or choose a USB disk instead.</source>
        <translation>Connect a CD/DVD recorder with a blank disc in it, or choose a USB disk instead.</translation>
    </message>
    <message>
        <source>The burn was stopped. The disc may be unusable.</source>
        <translation>The burn was stopped. The disc may be unusable.</translation>
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
        <translation>Dialog</translation>
    </message>
    <message>
        <source>ISO Extract</source>
        <translation>ISO Extract</translation>
    </message>
    <message>
        <source>Directly extract everything from ISO image file and export to your computer.</source>
        <translation>Directly extract everything from ISO image file and export to your computer.</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Load ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extract</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>File Name</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Size</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Extract(&amp;E)</source>
        <translation>Extract(&amp;E)</translation>
    </message>
    <message>
        <source>The image %1 seems to be damaged or incomplete; some items may not extract.</source>
        <translation>The image %1 seems to be damaged or incomplete; some items may not extract.</translation>
    </message>
    <message>
        <source>Please select the files or folders you want to extract</source>
        <translation>Please select the files or folders you want to extract</translation>
    </message>
    <message>
        <source>The files could not be extracted.</source>
        <translation>The files could not be extracted.</translation>
    </message>
    <message>
        <source>Extract files successfully.</source>
        <translation>Extract files successfully.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) in %1 would be replaced by the extracted ones:</source>
        <translation>
            <numerusform>%n file in %1 would be replaced by the extracted one:</numerusform>
            <numerusform>%n files in %1 would be replaced by the extracted ones:</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Keep Mine</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Please load an ISO image first, then select the files or folders you want to extract</source>
        <translation>Please load an ISO image first, then select the files or folders you want to extract</translation>
    </message>
    <message>
        <source>More than one selected item is called %1. Please extract them one at a time.</source>
        <translation>More than one selected item is called %1. Please extract them one at a time.</translation>
    </message>
    <message>
        <source>Your own files were kept in: %1</source>
        <translation>Your own files were kept in: %1</translation>
    </message>
    <message>
        <source>%1 of %2 items were extracted.</source>
        <translation>%1 of %2 items were extracted.</translation>
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
        <translation>File &amp; Folder Backup</translation>
    </message>
    <message>
        <source>Backup Type:</source>
        <translation>Backup Type:</translation>
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
        <translation>Max Size : 5 GB</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Add Files...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Add Folder...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Create ISO</source>
        <translation>Create ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>File Name</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>File Path</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Size</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Add Files(&amp;F)</source>
        <translation>Add Files(&amp;F)</translation>
    </message>
    <message>
        <source>Add Dirs(&amp;D)</source>
        <translation>Add Dirs(&amp;D)</translation>
    </message>
    <message>
        <source>Remove(&amp;R)</source>
        <translation>Remove(&amp;R)</translation>
    </message>
    <message>
        <source>The working folder for the image could not be created below %1.</source>
        <translation>The working folder for the image could not be created below %1.</translation>
    </message>
    <message>
        <source>Total Size: </source>
        <translation>Total Size: </translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Please add files or folders first!</translation>
    </message>
    <message>
        <source>Please select one type</source>
        <translation>Please select one type</translation>
    </message>
    <message>
        <source>These files are 4 GB or larger:
%1
ISO 9660 and Joliet cannot record such sizes. The image will also get a UDF file system that holds them; programs that read only ISO 9660 or Joliet will see wrong sizes. Choose &quot;UDF ISO&quot; to avoid this question. Create the image anyway?</source>
        <translation>These files are 4 GB or larger:
%1
ISO 9660 and Joliet cannot record such sizes. The image will also get a UDF file system that holds them; programs that read only ISO 9660 or Joliet will see wrong sizes. Choose &quot;UDF ISO&quot; to avoid this question. Create the image anyway?</translation>
    </message>
    <message>
        <source>Please save the image outside the program&apos;s working folder.</source>
        <translation>Please save the image outside the program&apos;s working folder.</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 is a folder. Please choose a file name for the image.</translation>
    </message>
    <message>
        <source>Create ISO successfully!</source>
        <translation>Create ISO successfully!</translation>
    </message>
    <message>
        <source>The files and folders in the list will be discarded. Go back anyway?</source>
        <translation>The files and folders in the list will be discarded. Go back anyway?</translation>
    </message>
    <message>
        <source>These items were not added: an item of the same name is already there, a folder that cannot be read, a backslash in the name, a link back to a folder that holds it, or the program&apos;s own working folder:
%1</source>
        <translation>These items were not added: an item of the same name is already there, a folder that cannot be read, a backslash in the name, a link back to a folder that holds it, or the program&apos;s own working folder:
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
        <translation>Load ISO</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>File Name</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Size</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Add(&amp;A)</source>
        <translation>Add(&amp;A)</translation>
    </message>
    <message>
        <source>Export(&amp;E)</source>
        <translation>Export(&amp;E)</translation>
    </message>
    <message>
        <source>Rename(&amp;R)</source>
        <translation>Rename(&amp;R)</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation>Delete(&amp;D)</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>New(&amp;N)</translation>
    </message>
    <message>
        <source>The working folder for the image could not be created below %1.</source>
        <translation>The working folder for the image could not be created below %1.</translation>
    </message>
    <message>
        <source>These items were not added: this folder already holds an item of that name:
%1</source>
        <translation>These items were not added: this folder already holds an item of that name:
%1</translation>
    </message>
    <message>
        <source>Please select one row in the table list first</source>
        <translation>Please select one row in the table list first</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>New Folder</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>Extracting iso...</translation>
    </message>
    <message>
        <source>Please select files or folders in the list first.</source>
        <translation>Please select files or folders in the list first.</translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Please add files or folders first!</translation>
    </message>
    <message>
        <source>Save ISO file successfully!</source>
        <translation>Save ISO file successfully!</translation>
    </message>
    <message>
        <source>Export Successfully !</source>
        <translation>Export Successfully !</translation>
    </message>
    <message>
        <source>The ISO file could not be saved.</source>
        <translation>The ISO file could not be saved.</translation>
    </message>
    <message>
        <source>The items could not be exported.</source>
        <translation>The items could not be exported.</translation>
    </message>
    <message>
        <source>These items were not added: a folder that cannot be read, a backslash in the name, a link back to a folder that holds it, or the program&apos;s own working folder:
%1</source>
        <translation>These items were not added: a folder that cannot be read, a backslash in the name, a link back to a folder that holds it, or the program&apos;s own working folder:
%1</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 already exists. Do you want to replace it?</translation>
    </message>
    <message>
        <source>The new image will not keep %1. Save anyway?</source>
        <translation>The new image will not keep %1. Save anyway?</translation>
    </message>
    <message>
        <source> and </source>
        <translation> and </translation>
    </message>
    <message>
        <source>%1 already holds items of these names:
%2
Replace them with the exported ones?</source>
        <translation>%1 already holds items of these names:
%2
Replace them with the exported ones?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Keep Mine</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>The changes to %1 have not been saved.</source>
        <translation>The changes to %1 have not been saved.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
</context>
<context>
    <name>CPage5</name>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Make Image From Disc</source>
        <translation>Make Image From Disc</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Select a CD/DVD drive:</source>
        <translation>Select a CD/DVD drive:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Output Format:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Please select the iso file to save</source>
        <translation>Please select the iso file to save</translation>
    </message>
    <message>
        <source>Please select the iso file to save.</source>
        <translation>Please select the iso file to save.</translation>
    </message>
    <message>
        <source>The image cannot be saved there.</source>
        <translation>The image cannot be saved there.</translation>
    </message>
    <message>
        <source>Start reading...</source>
        <translation>Start reading...</translation>
    </message>
    <message>
        <source>Reading Disc...</source>
        <translation>Reading Disc...</translation>
    </message>
    <message>
        <source>Copy CD/DVD successfully!</source>
        <translation>Copy CD/DVD successfully!</translation>
    </message>
    <message>
        <source>The disc could not be copied.</source>
        <translation>The disc could not be copied.</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found</source>
        <translation>No CD/DVD recorder found</translation>
    </message>
    <message>
        <source>Connect a CD/DVD drive with the disc to copy in it, then press Start again.</source>
        <translation>Connect a CD/DVD drive with the disc to copy in it, then press Start again.</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>ChecksumJob</name>
    <message>
        <source>The %1 checksum matches %2.</source>
        <translation>The %1 checksum matches %2.</translation>
    </message>
    <message>
        <source>The %1 checksum does not match %2: the image is damaged or not the one published.</source>
        <translation>The %1 checksum does not match %2: the image is damaged or not the one published.</translation>
    </message>
    <message>
        <source>No %1 checksum of this image lies beside it to compare with.</source>
        <translation>No %1 checksum of this image lies beside it to compare with.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>The image %1 cannot be read.</translation>
    </message>
    <message>
        <source>Reading %1 failed: %2</source>
        <translation>Reading %1 failed: %2</translation>
    </message>
    <message>
        <source>Computing the %1 checksum...</source>
        <translation>Computing the %1 checksum...</translation>
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
        <translation>NO</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Open Folder</translation>
    </message>
    <message>
        <source>No file manager could be opened. The folder is:
%1</source>
        <translation>No file manager could be opened. The folder is:
%1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Stopped; nothing incomplete was left behind.</source>
        <translation>Stopped; nothing incomplete was left behind.</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 is a folder. Please choose a file name for the image.</translation>
    </message>
    <message>
        <source>%1 already exists. Add --force to replace it.</source>
        <translation>%1 already exists. Add --force to replace it.</translation>
    </message>
    <message>
        <source>The image %1 does not exist.</source>
        <translation>The image %1 does not exist.</translation>
    </message>
    <message>
        <source>%1 is not an image file.</source>
        <translation>%1 is not an image file.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>The image %1 cannot be read.</translation>
    </message>
    <message>
        <source>Usage: quillon extract IMAGE TARGET [ITEM...]</source>
        <translation>Usage: quillon extract IMAGE TARGET [ITEM...]</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 is not a folder.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Stopped.</translation>
    </message>
    <message>
        <source>%1 is not in the image.</source>
        <translation>%1 is not in the image.</translation>
    </message>
    <message>
        <source>The image holds no files.</source>
        <translation>The image holds no files.</translation>
    </message>
    <message>
        <source>These files already exist in %1. Add --force to replace them:
%2</source>
        <translation>These files already exist in %1. Add --force to replace them:
%2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>The folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>Extracted %1 items to %2.</source>
        <translation>Extracted %1 items to %2.</translation>
    </message>
    <message>
        <source>The items could not be extracted.</source>
        <translation>The items could not be extracted.</translation>
    </message>
    <message>
        <source>Usage: quillon create --output IMAGE [--label LABEL] SOURCE...</source>
        <translation>Usage: quillon create --output IMAGE [--label LABEL] SOURCE...</translation>
    </message>
    <message>
        <source>Unknown image type %1: use joliet, iso9660 or udf.</source>
        <translation>Unknown image type %1: use joliet, iso9660 or udf.</translation>
    </message>
    <message>
        <source>The working folder could not be created below %1.</source>
        <translation>The working folder could not be created below %1.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 does not exist.</translation>
    </message>
    <message>
        <source>%1 cannot be added: another item has its name, it cannot be read, or it holds a backslash in a name.</source>
        <translation>%1 cannot be added: another item has its name, it cannot be read, or it holds a backslash in a name.</translation>
    </message>
    <message>
        <source>Files of 4 GiB or more show their true size only in the image&apos;s UDF tree.</source>
        <translation>Files of 4 GiB or more show their true size only in the image&apos;s UDF tree.</translation>
    </message>
    <message>
        <source>Created %1 (%2 bytes).</source>
        <translation>Created %1 (%2 bytes).</translation>
    </message>
    <message>
        <source>The ISO file could not be created.</source>
        <translation>The ISO file could not be created.</translation>
    </message>
    <message>
        <source>Usage: quillon edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]... [--rename /PATH=NEWNAME]...</source>
        <translation>Usage: quillon edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]... [--rename /PATH=NEWNAME]...</translation>
    </message>
    <message>
        <source>--add needs SOURCE=/PATH/IN/IMAGE, not %1.</source>
        <translation>--add needs SOURCE=/PATH/IN/IMAGE, not %1.</translation>
    </message>
    <message>
        <source>--rename needs /PATH=NEWNAME, not %1.</source>
        <translation>--rename needs /PATH=NEWNAME, not %1.</translation>
    </message>
    <message>
        <source>The image has no folder %1.</source>
        <translation>The image has no folder %1.</translation>
    </message>
    <message>
        <source>%1 cannot be added: it cannot be read, it holds a backslash in a name, or it links back to a folder that holds it.</source>
        <translation>%1 cannot be added: it cannot be read, it holds a backslash in a name, or it links back to a folder that holds it.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>Saved %1.</translation>
    </message>
    <message>
        <source>The ISO file could not be saved.</source>
        <translation>The ISO file could not be saved.</translation>
    </message>
    <message>
        <source>No CD/DVD recorder %1 found. quillon list-drives shows the recorders.</source>
        <translation>No CD/DVD recorder %1 found. quillon list-drives shows the recorders.</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>Burning disc successfully.</translation>
    </message>
    <message>
        <source>The disc could not be burned.</source>
        <translation>The disc could not be burned.</translation>
    </message>
    <message>
        <source>--allow-loop-device is for tests and only accepted as root.</source>
        <translation>--allow-loop-device is for tests and only accepted as root.</translation>
    </message>
    <message>
        <source>%1 is not a USB disk. quillon list-drives shows the USB disks.</source>
        <translation>%1 is not a USB disk. quillon list-drives shows the USB disks.</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</translation>
    </message>
    <message>
        <source>Unknown file system %1: use FAT32, NTFS, exFAT or FAT.</source>
        <translation>Unknown file system %1: use FAT32, NTFS, exFAT or FAT.</translation>
    </message>
    <message>
        <source>All data on %1 will be deleted. Continue?</source>
        <translation>All data on %1 will be deleted. Continue?</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nothing was written.</translation>
    </message>
    <message>
        <source>Usage: quillon copy-disc DRIVE --output IMAGE</source>
        <translation>Usage: quillon copy-disc DRIVE --output IMAGE</translation>
    </message>
    <message>
        <source>Copied the disc to %1.</source>
        <translation>Copied the disc to %1.</translation>
    </message>
    <message>
        <source>The disc could not be read.</source>
        <translation>The disc could not be read.</translation>
    </message>
    <message>
        <source>The recorder&apos;s bus scan did not end within %1 seconds.</source>
        <translation>The recorder&apos;s bus scan did not end within %1 seconds.</translation>
    </message>
    <message>
        <source>No USB disk found — plug one in.</source>
        <translation>No USB disk found — plug one in.</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found.</source>
        <translation>No CD/DVD recorder found.</translation>
    </message>
    <message>
        <source>Unknown page %1: use burn, extract, create, edit or copy-disc.</source>
        <translation>Unknown page %1: use burn, extract, create, edit or copy-disc.</translation>
    </message>
    <message>
        <source>quillon --help shows the usage.</source>
        <translation>quillon --help shows the usage.</translation>
    </message>
    <message>
        <source>The new image will not keep: %1</source>
        <translation>The new image will not keep: %1</translation>
    </message>
    <message>
        <source>Usage: quillon burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT] [--label LABEL] [--yes]
       quillon burn IMAGE --disc RECORDER</source>
        <translation>Usage: quillon burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT] [--label LABEL] [--yes]
       quillon burn IMAGE --disc RECORDER</translation>
    </message>
    <message>
        <source>Unknown partition style %1: use mbr, gpt or image.</source>
        <translation>Unknown partition style %1: use mbr, gpt or image.</translation>
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
        <translation>Usage: quillon [IMAGE]
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
                                      the image's checksum (SHA-256 unless named), compared
                                      with SHA256SUMS or IMAGE.sha256 (and the like) beside it

Options:
  --force               replace an existing output file (extract: existing files)
  --yes                 write to the USB disk without asking
  --allow-loop-device   accept a loop device as a USB disk (tests; root only)
  -h, --help            show this help
  -v, --version         show the version

Progress goes to standard error, results to standard output (checksum: the sum as sha256sum
prints it, the comparison on standard error). The exit status is 0 only when the job's own
check passed (checksum: 1 when the sum differs from the one beside the image); Ctrl+C stops
the job and removes partial output.</translation>
    </message>
    <message>
        <source>Usage: quillon checksum IMAGE [--sha256|--sha1|--md5]</source>
        <translation>Usage: quillon checksum IMAGE [--sha256|--sha1|--md5]</translation>
    </message>
</context>
<context>
    <name>CreateImageJob</name>
    <message>
        <source>Copy files and folders...</source>
        <translation>Copy files and folders...</translation>
    </message>
    <message>
        <source>These files could not be copied into the working folder, so no image was created (unreadable files, or a full disk?):
%1</source>
        <translation>These files could not be copied into the working folder, so no image was created (unreadable files, or a full disk?):
%1</translation>
    </message>
</context>
<context>
    <name>DiscBurnJob</name>
    <message>
        <source>There is no disc in the drive.</source>
        <translation>There is no disc in the drive.</translation>
    </message>
    <message>
        <source>The disc in the drive cannot be written: it is not blank, or not a kind of disc this drive can write.</source>
        <translation>The disc in the drive cannot be written: it is not blank, or not a kind of disc this drive can write.</translation>
    </message>
    <message>
        <source>Writing to the disc failed.</source>
        <translation>Writing to the disc failed.</translation>
    </message>
    <message>
        <source>The recorder ended abnormally.</source>
        <translation>The recorder ended abnormally.</translation>
    </message>
    <message>
        <source>The recorder ended with exit status %1.</source>
        <translation>The recorder ended with exit status %1.</translation>
    </message>
</context>
<context>
    <name>EditSession</name>
    <message>
        <source>Copy files and directories...</source>
        <translation>Copy files and directories...</translation>
    </message>
    <message>
        <source>7-Zip ended with exit status %1.</source>
        <translation>7-Zip ended with exit status %1.</translation>
    </message>
    <message>
        <source>The image %1 could not be opened: %2</source>
        <translation>The image %1 could not be opened: %2</translation>
    </message>
    <message>
        <source>The extraction did not complete.</source>
        <translation>The extraction did not complete.</translation>
    </message>
    <message>
        <source>Please enter a name.</source>
        <translation>Please enter a name.</translation>
    </message>
    <message>
        <source>A name cannot contain / or \.</source>
        <translation>A name cannot contain / or \.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists in this folder.</source>
        <translation>&quot;%1&quot; already exists in this folder.</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>Extracting iso...</translation>
    </message>
    <message>
        <source>The image was not extracted completely: %1</source>
        <translation>The image was not extracted completely: %1</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 is a folder. Please choose a file name for the image.</translation>
    </message>
    <message>
        <source>Please save the image under another name, outside the program&apos;s working folder.</source>
        <translation>Please save the image under another name, outside the program&apos;s working folder.</translation>
    </message>
    <message>
        <source>Saving ISO file...</source>
        <translation>Saving ISO file...</translation>
    </message>
    <message>
        <source>These items are missing from the working folder, so the image would lack them:
%1</source>
        <translation>These items are missing from the working folder, so the image would lack them:
%1</translation>
    </message>
    <message>
        <source>These items could not be copied:
%1</source>
        <translation>These items could not be copied:
%1</translation>
    </message>
    <message>
        <source>The compressed (zisofs) files could not be unpacked: %1</source>
        <translation>The compressed (zisofs) files could not be unpacked: %1</translation>
    </message>
    <message>
        <source>These links could not be made: %1</source>
        <translation>These links could not be made: %1</translation>
    </message>
    <message>
        <source>the original&apos;s boot setup for disks (its MBR or GPT system area)</source>
        <translation>the original&apos;s boot setup for disks (its MBR or GPT system area)</translation>
    </message>
    <message>
        <source>symbolic links and compressed files, if it has any (xorriso is not installed)</source>
        <translation>symbolic links and compressed files, if it has any (xorriso is not installed)</translation>
    </message>
    <message>
        <source>genisoimage: the image has no system area, so UDF and Joliet are written as before.</source>
        <translation>genisoimage: the image has no system area, so UDF and Joliet are written as before.</translation>
    </message>
    <message>
        <source>genisoimage: the image has a UDF tree, which only genisoimage writes.</source>
        <translation>genisoimage: the image has a UDF tree, which only genisoimage writes.</translation>
    </message>
    <message>
        <source>genisoimage: files of 4 GiB or more need its UDF tree.</source>
        <translation>genisoimage: files of 4 GiB or more need its UDF tree.</translation>
    </message>
    <message>
        <source>genisoimage: xorriso, which keeps the system area, is not installed.</source>
        <translation>genisoimage: xorriso, which keeps the system area, is not installed.</translation>
    </message>
    <message>
        <source>genisoimage: the names 7-Zip reads differ from the image&apos;s Rock Ridge names.</source>
        <translation>genisoimage: the names 7-Zip reads differ from the image&apos;s Rock Ridge names.</translation>
    </message>
    <message>
        <source>xorriso: it replays the image&apos;s boot setup and system area, so the copy boots from a disk as the original does.</source>
        <translation>xorriso: it replays the image&apos;s boot setup and system area, so the copy boots from a disk as the original does.</translation>
    </message>
    <message>
        <source>The saved image cannot be read.</source>
        <translation>The saved image cannot be read.</translation>
    </message>
    <message>
        <source>The saved image&apos;s system area (%1) differs from the original&apos;s (%2).</source>
        <translation>The saved image&apos;s system area (%1) differs from the original&apos;s (%2).</translation>
    </message>
    <message>
        <source>These items were not exported: the folder holds a folder where a file would go, a file where a folder would go, or the image being edited:
%1</source>
        <translation>These items were not exported: the folder holds a folder where a file would go, a file where a folder would go, or the image being edited:
%1</translation>
    </message>
</context>
<context>
    <name>ExtractJob</name>
    <message>
        <source>7-Zip stopped unexpectedly.</source>
        <translation>7-Zip stopped unexpectedly.</translation>
    </message>
    <message>
        <source>7-Zip ended with exit code %1.</source>
        <translation>7-Zip ended with exit code %1.</translation>
    </message>
    <message>
        <source>7-Zip did not confirm the extraction.</source>
        <translation>7-Zip did not confirm the extraction.</translation>
    </message>
    <message>
        <source>Not extracted: %1</source>
        <translation>Not extracted: %1</translation>
    </message>
    <message>
        <source>Could not be moved into the output folder: %1</source>
        <translation>Could not be moved into the output folder: %1</translation>
    </message>
    <message>
        <source>Left as they were in the output folder: %1</source>
        <translation>Left as they were in the output folder: %1</translation>
    </message>
    <message>
        <source>Nothing was selected.</source>
        <translation>Nothing was selected.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>Cannot write to the folder %1: %2</translation>
    </message>
    <message>
        <source>7-Zip could not be started (%1): %2</source>
        <translation>7-Zip could not be started (%1): %2</translation>
    </message>
    <message>
        <source>Copying files! Please wait a few seconds..</source>
        <translation>Copying files! Please wait a few seconds..</translation>
    </message>
    <message>
        <source>Extracting files: </source>
        <translation>Extracting files: </translation>
    </message>
    <message>
        <source>Extracting files...</source>
        <translation>Extracting files...</translation>
    </message>
    <message>
        <source>Cannot write the list of items to extract: %1</source>
        <translation>Cannot write the list of items to extract: %1</translation>
    </message>
    <message>
        <source>This image holds symbolic links or compressed (zisofs) files, which only xorriso restores, and xorriso is not installed (package xorriso); links may have arrived as empty files.</source>
        <translation>This image holds symbolic links or compressed (zisofs) files, which only xorriso restores, and xorriso is not installed (package xorriso); links may have arrived as empty files.</translation>
    </message>
    <message>
        <source>Restoring links and compressed files...</source>
        <translation>Restoring links and compressed files...</translation>
    </message>
    <message>
        <source>xorriso could not read the image&apos;s Rock Ridge tree, so its links and compressed (zisofs) files could not be restored: %1</source>
        <translation>xorriso could not read the image&apos;s Rock Ridge tree, so its links and compressed (zisofs) files could not be restored: %1</translation>
    </message>
    <message>
        <source>These symbolic links could not be made: %1</source>
        <translation>These symbolic links could not be made: %1</translation>
    </message>
    <message>
        <source>These links would point into Quillon&apos;s working folder and were left out: %1</source>
        <translation>These links would point into Quillon&apos;s working folder and were left out: %1</translation>
    </message>
    <message>
        <source>These compressed (zisofs) files could not be unpacked: %1</source>
        <translation>These compressed (zisofs) files could not be unpacked: %1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Open Folder</source>
        <translation>Open Folder</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Open Files</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Save File</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
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
        <translation>Creating ISO file...</translation>
    </message>
    <message>
        <source>The ISO file could not be created.</source>
        <translation>The ISO file could not be created.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>Cannot write to the folder %1: %2</translation>
    </message>
    <message>
        <source>The ISO file could not be saved as %1.</source>
        <translation>The ISO file could not be saved as %1.</translation>
    </message>
    <message>
        <source>The image builder stopped unexpectedly.</source>
        <translation>The image builder stopped unexpectedly.</translation>
    </message>
    <message>
        <source>The image file is incomplete: %1 bytes written, %2 bytes expected.</source>
        <translation>The image file is incomplete: %1 bytes written, %2 bytes expected.</translation>
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
        <translation>%1 left</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 of %2</translation>
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
        <translation>The file %1 is not an ISO or UDF image.</translation>
    </message>
    <message>
        <source>The file %1 is not an ISO or UDF image: 7-Zip reads it as a %2 archive.</source>
        <translation>The file %1 is not an ISO or UDF image: 7-Zip reads it as a %2 archive.</translation>
    </message>
    <message>
        <source>The image %1 could not be read. It may not be an ISO image, or it may be damaged.</source>
        <translation>The image %1 could not be read. It may not be an ISO image, or it may be damaged.</translation>
    </message>
    <message>
        <source>The image %1 could not be read: 7-Zip could not be started (%2): %3</source>
        <translation>The image %1 could not be read: 7-Zip could not be started (%2): %3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Burn</source>
        <translation>Burn</translation>
    </message>
    <message>
        <source>Make bootable USB or DVD/CD from ISO</source>
        <translation>Make bootable USB or DVD/CD from ISO</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extract</translation>
    </message>
    <message>
        <source>Extract content from ISO</source>
        <translation>Extract content from ISO</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Create ISO from files or folders</source>
        <translation>Create ISO from files or folders</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>
 Add, delete, rename 
 content in ISO file</source>
        <translation>
 Add, delete, rename 
 content in ISO file</translation>
    </message>
    <message>
        <source>Copy Disk</source>
        <translation>Copy Disk</translation>
    </message>
    <message>
        <source>
 Make ISO file from 
 CD/DVD disc</source>
        <translation>
 Make ISO file from 
 CD/DVD disc</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>Language(&amp;L)</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>French</source>
        <translation>French</translation>
    </message>
    <message>
        <source>German</source>
        <translation>German</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>Portugues</source>
        <translation>Portuguese</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polish</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italian</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Dutch</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Swedish</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>Help(&amp;H)</translation>
    </message>
    <message>
        <source>CTRL+H</source>
        <translation>CTRL+H</translation>
    </message>
    <message>
        <source>About Us(&amp;U)</source>
        <translation>About Us(&amp;U)</translation>
    </message>
    <message>
        <source>CTRL+U</source>
        <translation>CTRL+U</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>Exit(&amp;E)</translation>
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
        <translation>The image %1 does not exist.</translation>
    </message>
    <message>
        <source>%1 is not an image file.</source>
        <translation>%1 is not an image file.</translation>
    </message>
    <message>
        <source>A job is still running. Stop it and close the program?</source>
        <translation>A job is still running. Stop it and close the program?</translation>
    </message>
    <message>
        <source>Recent Images(&amp;R)</source>
        <translation>Recent Images(&amp;R)</translation>
    </message>
    <message>
        <source>No recent images</source>
        <translation>No recent images</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Clear List</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>No web browser could be opened. The address is:
%1</source>
        <translation>No web browser could be opened. The address is:
%1</translation>
    </message>
</context>
<context>
    <name>Mkfs</name>
    <message numerus="yes">
        <source>a %1 label holds at most %n characters</source>
        <translation>
            <numerusform>a %1 label holds at most %n characters</numerusform>
            <numerusform>a %1 label holds at most %n characters</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 does not allow these characters in a label: %2</source>
        <translation>%1 does not allow these characters in a label: %2</translation>
    </message>
</context>
<context>
    <name>PageWindow</name>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 already exists. Do you want to replace it?</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 is not a disk or partition.</source>
        <translation>%1 is not a disk or partition.</translation>
    </message>
    <message>
        <source>The system does not know %1.</source>
        <translation>The system does not know %1.</translation>
    </message>
    <message>
        <source>The disk of %1 (%2) has no device node.</source>
        <translation>The disk of %1 (%2) has no device node.</translation>
    </message>
    <message>
        <source>%1 is not a drive.</source>
        <translation>%1 is not a drive.</translation>
    </message>
</context>
<context>
    <name>ReadDiscJob</name>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 is a folder.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
    <message>
        <source>%1 cannot be written to.</source>
        <translation>%1 cannot be written to.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>Cannot write to the folder %1: %2</translation>
    </message>
    <message>
        <source>There is no readable disc in the drive.</source>
        <translation>There is no readable disc in the drive.</translation>
    </message>
    <message>
        <source>A part of the disc cannot be read.</source>
        <translation>A part of the disc cannot be read.</translation>
    </message>
    <message>
        <source>Permission denied: the drive or the image file cannot be opened.</source>
        <translation>Permission denied: the drive or the image file cannot be opened.</translation>
    </message>
    <message>
        <source>The reader ended abnormally.</source>
        <translation>The reader ended abnormally.</translation>
    </message>
    <message>
        <source>The reader ended with exit status %1.</source>
        <translation>The reader ended with exit status %1.</translation>
    </message>
    <message>
        <source>The reader did not say how large the disc is.</source>
        <translation>The reader did not say how large the disc is.</translation>
    </message>
    <message>
        <source>The image is incomplete: %1 of %2 bytes were read.</source>
        <translation>The image is incomplete: %1 of %2 bytes were read.</translation>
    </message>
    <message>
        <source>The image could not be put in place of %1.</source>
        <translation>The image could not be put in place of %1.</translation>
    </message>
</context>
<context>
    <name>RockRidge</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 is missing</translation>
    </message>
    <message>
        <source>%1 is no longer a link</source>
        <translation>%1 is no longer a link</translation>
    </message>
    <message>
        <source>%1 points to %2 instead of %3</source>
        <translation>%1 points to %2 instead of %3</translation>
    </message>
    <message>
        <source>%1 is of another kind</source>
        <translation>%1 is of another kind</translation>
    </message>
    <message>
        <source>%1 has %2 bytes instead of %3</source>
        <translation>%1 has %2 bytes instead of %3</translation>
    </message>
    <message>
        <source>The saved image does not hold what the edit shows:
%1</source>
        <translation>The saved image does not hold what the edit shows:
%1</translation>
    </message>
</context>
<context>
    <name>ScanbusJob</name>
    <message>
        <source>The disc recorder did not finish looking for drives within %1 seconds; no disc drive is listed.</source>
        <translation>The disc recorder did not finish looking for drives within %1 seconds; no disc drive is listed.</translation>
    </message>
</context>
<context>
    <name>ToolJob</name>
    <message>
        <source>%1 ended abnormally.</source>
        <translation>%1 ended abnormally.</translation>
    </message>
    <message>
        <source>%1 ended with exit status %2.</source>
        <translation>%1 ended with exit status %2.</translation>
    </message>
    <message>
        <source>Could not start %1.</source>
        <translation>Could not start %1.</translation>
    </message>
    <message>
        <source>Install the package %1.</source>
        <translation>Install the package %1.</translation>
    </message>
</context>
<context>
    <name>UsbBurnJob</name>
    <message>
        <source>USB burn</source>
        <translation>USB burn</translation>
    </message>
    <message>
        <source>%1 is missing (install the package %2).</source>
        <translation>%1 is missing (install the package %2).</translation>
    </message>
    <message>
        <source>The image %1 does not exist.</source>
        <translation>The image %1 does not exist.</translation>
    </message>
    <message>
        <source>Unknown file system &quot;%1&quot;.</source>
        <translation>Unknown file system &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 is not a USB disk this page lists; it was left alone.</source>
        <translation>%1 is not a USB disk this page lists; it was left alone.</translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1.</source>
        <translation>Cannot create a working folder in %1.</translation>
    </message>
    <message>
        <source>The image could not be read. %1</source>
        <translation>The image could not be read. %1</translation>
    </message>
    <message>
        <source>the image has no EFI/BOOT/BOOTX64.EFI</source>
        <translation>the image has no EFI/BOOT/BOOTX64.EFI</translation>
    </message>
    <message>
        <source>UEFI firmware reads FAT file systems only</source>
        <translation>UEFI firmware reads FAT file systems only</translation>
    </message>
    <message>
        <source>The image needs %1 on the USB disk, which holds %2; nothing was written.</source>
        <translation>The image needs %1 on the USB disk, which holds %2; nothing was written.</translation>
    </message>
    <message>
        <source>Checking the request</source>
        <translation>Checking the request</translation>
    </message>
    <message>
        <source>Reading the image</source>
        <translation>Reading the image</translation>
    </message>
    <message>
        <source>Reading the image...</source>
        <translation>Reading the image...</translation>
    </message>
    <message>
        <source>Preparing the burn</source>
        <translation>Preparing the burn</translation>
    </message>
    <message>
        <source>Copying the files</source>
        <translation>Copying the files</translation>
    </message>
    <message>
        <source>7-Zip ended with exit status %1.</source>
        <translation>7-Zip ended with exit status %1.</translation>
    </message>
    <message>
        <source>Taking out the install image</source>
        <translation>Taking out the install image</translation>
    </message>
    <message>
        <source>There is no room for the install image (%1) in %2: %3 free.</source>
        <translation>There is no room for the install image (%1) in %2: %3 free.</translation>
    </message>
    <message>
        <source>Splitting the install image</source>
        <translation>Splitting the install image</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the image are missing or incomplete on the USB disk: %1</source>
        <translation>
            <numerusform>%n file of the image is missing or incomplete on the USB disk: %1</numerusform>
            <numerusform>%n files of the image are missing or incomplete on the USB disk: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The USB disk starts on UEFI only: %1.</source>
        <translation>The USB disk starts on UEFI only: %1.</translation>
    </message>
    <message>
        <source>Neither BIOS nor UEFI can start from the USB disk: %1; %2.</source>
        <translation>Neither BIOS nor UEFI can start from the USB disk: %1; %2.</translation>
    </message>
    <message>
        <source>UEFI cannot start from the USB disk: %1.</source>
        <translation>UEFI cannot start from the USB disk: %1.</translation>
    </message>
    <message>
        <source>Burning failed. %1</source>
        <translation>Burning failed. %1</translation>
    </message>
    <message>
        <source>Burning was stopped.</source>
        <translation>Burning was stopped.</translation>
    </message>
    <message>
        <source>The USB disk is incomplete and still mounted at %1.</source>
        <translation>The USB disk is incomplete and still mounted at %1.</translation>
    </message>
    <message>
        <source>The USB disk is incomplete.</source>
        <translation>The USB disk is incomplete.</translation>
    </message>
    <message>
        <source>The USB disk was not changed.</source>
        <translation>The USB disk was not changed.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nothing was written.</translation>
    </message>
    <message>
        <source>FAT on this system goes through fusefat, which cannot write the name &quot;%1&quot;; choose NTFS or exFAT. Nothing was written.</source>
        <translation>FAT on this system goes through fusefat, which cannot write the name &quot;%1&quot;; choose NTFS or exFAT. Nothing was written.</translation>
    </message>
    <message>
        <source>the image has no loader a BIOS can start from a USB disk</source>
        <translation>the image has no loader a BIOS can start from a USB disk</translation>
    </message>
    <message>
        <source>Unmounting the USB disk</source>
        <translation>Unmounting the USB disk</translation>
    </message>
    <message>
        <source>Unmounting the USB disk...</source>
        <translation>Unmounting the USB disk...</translation>
    </message>
    <message>
        <source>Formatting the USB disk</source>
        <translation>Formatting the USB disk</translation>
    </message>
    <message>
        <source>Mounting the USB disk</source>
        <translation>Mounting the USB disk</translation>
    </message>
    <message>
        <source>Mounting the USB disk...</source>
        <translation>Mounting the USB disk...</translation>
    </message>
    <message>
        <source>Preparing the boot code</source>
        <translation>Preparing the boot code</translation>
    </message>
    <message>
        <source>Building the boot code</source>
        <translation>Building the boot code</translation>
    </message>
    <message>
        <source>Installing the boot code</source>
        <translation>Installing the boot code</translation>
    </message>
    <message>
        <source>grub-bios-setup is missing (install the package grub-pc-bin).</source>
        <translation>grub-bios-setup is missing (install the package grub-pc-bin).</translation>
    </message>
    <message>
        <source>Cannot write the boot code&apos;s files to the USB disk.</source>
        <translation>Cannot write the boot code&apos;s files to the USB disk.</translation>
    </message>
    <message>
        <source>Writing the last data to the USB disk...</source>
        <translation>Writing the last data to the USB disk...</translation>
    </message>
    <message>
        <source>Checking the file system</source>
        <translation>Checking the file system</translation>
    </message>
    <message>
        <source>Checking the USB disk...</source>
        <translation>Checking the USB disk...</translation>
    </message>
    <message>
        <source>The file system on the USB disk is not clean: %1</source>
        <translation>The file system on the USB disk is not clean: %1</translation>
    </message>
    <message>
        <source>Checking the label</source>
        <translation>Checking the label</translation>
    </message>
    <message>
        <source>The volume label cannot contain %1.</source>
        <translation>The volume label cannot contain %1.</translation>
    </message>
    <message>
        <source>Burning the USB disk...</source>
        <translation>Burning the USB disk...</translation>
    </message>
    <message>
        <source>Extract the wim file ...</source>
        <translation>Extract the wim file ...</translation>
    </message>
    <message>
        <source>Process the wim file larger than 4 GB...</source>
        <translation>Process the wim file larger than 4 GB...</translation>
    </message>
    <message>
        <source>Burning Successfully...</source>
        <translation>Burning Successfully...</translation>
    </message>
    <message>
        <source>The USB disk is under formating...</source>
        <translation>The USB disk is being formatted...</translation>
    </message>
    <message>
        <source>The USB disk is installing bootsect...</source>
        <translation>The USB disk is installing bootsect...</translation>
    </message>
    <message>
        <source>%1 is a partition; choose the whole USB disk.</source>
        <translation>%1 is a partition; choose the whole USB disk.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>The image %1 cannot be read.</translation>
    </message>
    <message>
        <source>The image has no partition table of its own, so written as it is it would not start; choose MBR or GPT instead. Nothing was written.</source>
        <translation>The image has no partition table of its own, so written as it is it would not start; choose MBR or GPT instead. Nothing was written.</translation>
    </message>
    <message>
        <source>The volume label &quot;%1&quot; cannot be used: %2. Nothing was written.</source>
        <translation>The volume label &quot;%1&quot; cannot be used: %2. Nothing was written.</translation>
    </message>
    <message>
        <source>%1 cannot hold these names of the image apart, or refuses them: %2. Nothing was written.</source>
        <translation>%1 cannot hold these names of the image apart, or refuses them: %2. Nothing was written.</translation>
    </message>
    <message>
        <source>The USB disk can be removed.</source>
        <translation>The USB disk can be removed.</translation>
    </message>
    <message>
        <source>Erasing the USB disk</source>
        <translation>Erasing the USB disk</translation>
    </message>
    <message>
        <source>Writing the partition table</source>
        <translation>Writing the partition table</translation>
    </message>
    <message>
        <source>The new partition did not appear.</source>
        <translation>The new partition did not appear.</translation>
    </message>
    <message>
        <source>neither the image nor its El Torito EFI image has EFI/BOOT/BOOTX64.EFI</source>
        <translation>neither the image nor its El Torito EFI image has EFI/BOOT/BOOTX64.EFI</translation>
    </message>
    <message>
        <source>Cannot copy %1 of the El Torito EFI image to the USB disk.</source>
        <translation>Cannot copy %1 of the El Torito EFI image to the USB disk.</translation>
    </message>
    <message>
        <source>Reading the UEFI loader</source>
        <translation>Reading the UEFI loader</translation>
    </message>
    <message>
        <source>Copying the UEFI loader</source>
        <translation>Copying the UEFI loader</translation>
    </message>
    <message>
        <source>Cannot write the boot menu to the USB disk.</source>
        <translation>Cannot write the boot menu to the USB disk.</translation>
    </message>
    <message>
        <source>Reading the image back</source>
        <translation>Reading the image back</translation>
    </message>
    <message>
        <source>Reading the USB disk back</source>
        <translation>Reading the USB disk back</translation>
    </message>
    <message>
        <source>The files on the USB disk differ from the image&apos;s.</source>
        <translation>The files on the USB disk differ from the image&apos;s.</translation>
    </message>
    <message>
        <source>Flushing the USB disk</source>
        <translation>Flushing the USB disk</translation>
    </message>
    <message>
        <source>Writing the image...</source>
        <translation>Writing the image...</translation>
    </message>
    <message>
        <source>Writing the image</source>
        <translation>Writing the image</translation>
    </message>
    <message>
        <source>Writing the image as it is is not available on this system; choose MBR or GPT.</source>
        <translation>Writing the image as it is is not available on this system; choose MBR or GPT.</translation>
    </message>
</context>
<context>
    <name>UsbHelperClient</name>
    <message>
        <source>The USB helper could not be started: %1</source>
        <translation>The USB helper could not be started: %1</translation>
    </message>
    <message>
        <source>Authorisation was refused.</source>
        <translation>Authorisation was refused.</translation>
    </message>
    <message>
        <source>The USB helper ended unexpectedly (exit status %1). %2</source>
        <translation>The USB helper ended unexpectedly (exit status %1). %2</translation>
    </message>
</context>
<context>
    <name>UsbHelperStartStep</name>
    <message>
        <source>Starting the USB helper</source>
        <translation>Starting the USB helper</translation>
    </message>
    <message>
        <source>Waiting for authorisation...</source>
        <translation>Waiting for authorisation...</translation>
    </message>
    <message>
        <source>The USB helper answered %1.</source>
        <translation>The USB helper answered %1.</translation>
    </message>
</context>
<context>
    <name>UsbHelperStep</name>
    <message>
        <source>The USB helper is not running.</source>
        <translation>The USB helper is not running.</translation>
    </message>
</context>
</TS>
