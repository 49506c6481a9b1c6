<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>BootRebuild</name>
    <message>
        <source>boot entry %1</source>
        <translation>引导项 %1</translation>
    </message>
    <message>
        <source>The %1 is for a platform (%2) the image builder cannot write.</source>
        <translation>镜像生成程序无法写入 %1：其平台 (%2) 不受支持。</translation>
    </message>
    <message>
        <source>The %1 could not be written to %2.</source>
        <translation>无法将 %1 写入 %2。</translation>
    </message>
    <message>
        <source>The saved image cannot be read.</source>
        <translation>无法读取保存的镜像。</translation>
    </message>
    <message>
        <source>The saved image&apos;s label is &quot;%1&quot;, not &quot;%2&quot;.</source>
        <translation>保存的镜像卷标为“%1”，而不是“%2”。</translation>
    </message>
    <message>
        <source>The saved image has %1 boot entries, the original %2.</source>
        <translation>保存的镜像有 %1 个引导项，原镜像有 %2 个。</translation>
    </message>
    <message>
        <source>The saved image&apos;s %1 differs from the original&apos;s in its platform, emulation or load size.</source>
        <translation>保存的镜像中，%1 的平台、仿真方式或加载大小与原镜像不同。</translation>
    </message>
    <message>
        <source>The saved image&apos;s %1 does not hold the original&apos;s boot image.</source>
        <translation>保存的镜像中，%1 不包含原镜像的引导映像。</translation>
    </message>
</context>
<context>
    <name>CAboutusDialog</name>
    <message>
        <source>About Quillon</source>
        <translation>关于 Quillon</translation>
    </message>
    <message>
        <source>Quillon is free software: you may copy and share it under its licence. It comes with no warranty, so check every disk you write.</source>
        <translation>Quillon 是自由软件：您可以按照其许可证复制和分享它。本软件不提供任何担保，因此请检查您写入的每一张光盘或磁盘。</translation>
    </message>
    <message>
        <source>Copyright (C) the Quillon developers.</source>
        <translation>版权所有 (C) Quillon 开发者。</translation>
    </message>
    <message>
        <source>Please visit offical site: </source>
        <translation>请访问官方网站：</translation>
    </message>
</context>
<context>
    <name>CBurnDialog</name>
    <message>
        <source>Browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>刻录</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>ISO Image:</source>
        <translation>ISO 镜像：</translation>
    </message>
    <message>
        <source>Create A Bootable DVD/CD</source>
        <translation>制作可启动 DVD/CD</translation>
    </message>
    <message>
        <source>Select a target disc then click BURN button</source>
        <translation>请选择目标光盘，然后点击“刻录”按钮</translation>
    </message>
    <message>
        <source>Create A Bootable USB</source>
        <translation>制作可启动 U 盘</translation>
    </message>
    <message>
        <source>Select a target USB then click BURN button</source>
        <translation>请选择目标 U 盘，然后点击“刻录”按钮</translation>
    </message>
    <message>
        <source>Partition Style</source>
        <translation>分区类型</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>文件系统</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>卷标</translation>
    </message>
    <message>
        <source>Burn Failed! Do as following:
1.Try to burn again.
2.Change another USB drive or DVD.</source>
        <translation>刻录失败！请按以下步骤操作：
1. 重新刻录。
2. 更换其他 U 盘或 DVD。</translation>
    </message>
    <message>
        <source>Please insert your USB drive to computer</source>
        <translation>请将 U 盘插入电脑</translation>
    </message>
    <message>
        <source>Your USB drive will be formatted and all data in it will be deleted! Do you want to continue?</source>
        <translation>U 盘将被格式化，其中的所有数据都将被删除！是否继续？</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>磁盘空间不足，请更换容量更大的 U 盘或 CD/DVD。</translation>
    </message>
    <message>
        <source>Burning the disc...</source>
        <translation>正在刻录光盘...</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>光盘刻录成功。</translation>
    </message>
    <message>
        <source>The disc could not be burned.</source>
        <translation>无法刻录光盘。</translation>
    </message>
    <message>
        <source>No USB disk found — plug one in</source>
        <translation>未找到 U 盘——请插入一个</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found</source>
        <translation>未找到 CD/DVD 刻录机</translation>
    </message>
    <message>
        <source>Image (write the ISO as it is)</source>
        <translation>镜像（按原样写入 ISO）</translation>
    </message>
    <message>
        <source>Connect a CD/DVD recorder with a blank disc in it, or choose a USB disk instead.</source>
        <translation>请连接已放入空白光盘的 CD/DVD 刻录机，或改为选择 U 盘。</translation>
    </message>
    <message>
        <source>The burn was stopped. The disc may be unusable.</source>
        <translation>刻录已停止。光盘可能无法使用。</translation>
    </message>
    <message>
        <source>Checksum...</source>
        <translation>校验和...</translation>
    </message>
</context>
<context>
    <name>CPage2</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>ISO Extract</source>
        <translation>ISO 提取</translation>
    </message>
    <message>
        <source>Directly extract everything from ISO image file and export to your computer.</source>
        <translation>直接从 ISO 镜像文件中提取全部内容并导出到您的电脑。</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>加载 ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>提取</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> 大小</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Extract(&amp;E)</source>
        <translation>提取(&amp;E)</translation>
    </message>
    <message>
        <source>The image %1 seems to be damaged or incomplete; some items may not extract.</source>
        <translation>镜像 %1 似乎已损坏或不完整；部分项目可能无法提取。</translation>
    </message>
    <message>
        <source>Please select the files or folders you want to extract</source>
        <translation>请选择要提取的文件或文件夹</translation>
    </message>
    <message>
        <source>The files could not be extracted.</source>
        <translation>无法提取文件。</translation>
    </message>
    <message>
        <source>Extract files successfully.</source>
        <translation>文件提取成功。</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) in %1 would be replaced by the extracted ones:</source>
        <translation>
            <numerusform>%1 中的 %n 个文件将被提取的文件替换：</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>保留我的</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Please load an ISO image first, then select the files or folders you want to extract</source>
        <translation>请先加载 ISO 镜像，再选择要提取的文件或文件夹</translation>
    </message>
    <message>
        <source>More than one selected item is called %1. Please extract them one at a time.</source>
        <translation>有多个选中的项目都名为 %1。请逐个提取。</translation>
    </message>
    <message>
        <source>Your own files were kept in: %1</source>
        <translation>您自己的文件已保留在：%1</translation>
    </message>
    <message>
        <source>%1 of %2 items were extracted.</source>
        <translation>已提取 %1 / %2 个项目。</translation>
    </message>
</context>
<context>
    <name>CPage3</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>File &amp; Folder Backup</source>
        <translation>文件 &amp; 文件夹备份</translation>
    </message>
    <message>
        <source>Backup Type:</source>
        <translation>备份类型：</translation>
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
        <translation>最大容量：5 GB</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>添加文件...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>添加文件夹...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Create ISO</source>
        <translation>创建 ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>文件路径</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> 大小</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Add Files(&amp;F)</source>
        <translation>添加文件(&amp;F)</translation>
    </message>
    <message>
        <source>Add Dirs(&amp;D)</source>
        <translation>添加文件夹(&amp;D)</translation>
    </message>
    <message>
        <source>Remove(&amp;R)</source>
        <translation>移除(&amp;R)</translation>
    </message>
    <message>
        <source>The working folder for the image could not be created below %1.</source>
        <translation>无法在 %1 下创建镜像的工作文件夹。</translation>
    </message>
    <message>
        <source>Total Size: </source>
        <translation>总大小：</translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>请先添加文件或文件夹！</translation>
    </message>
    <message>
        <source>Please select one type</source>
        <translation>请选择一种类型</translation>
    </message>
    <message>
        <source>These files are 4 GB or larger:
%1
ISO 9660 and Joliet cannot record such sizes. The image will also get a UDF file system that holds them; programs that read only ISO 9660 or Joliet will see wrong sizes. Choose &quot;UDF ISO&quot; to avoid this question. Create the image anyway?</source>
        <translation>以下文件大小为 4 GB 或以上：
%1
ISO 9660 和 Joliet 无法记录这样的大小。因此镜像还会包含一个容纳这些文件的 UDF 文件系统；只读取 ISO 9660 或 Joliet 的程序将看到错误的大小。选择“UDF ISO”可避免此提示。仍要创建镜像吗？</translation>
    </message>
    <message>
        <source>Please save the image outside the program&apos;s working folder.</source>
        <translation>请将镜像保存在程序的工作文件夹之外。</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 是一个文件夹。请为镜像选择一个文件名。</translation>
    </message>
    <message>
        <source>Create ISO successfully!</source>
        <translation>ISO 创建成功！</translation>
    </message>
    <message>
        <source>The files and folders in the list will be discarded. Go back anyway?</source>
        <translation>列表中的文件和文件夹将被丢弃。仍要返回吗？</translation>
    </message>
    <message>
        <source>These items were not added: an item of the same name is already there, a folder that cannot be read, a backslash in the name, a link back to a folder that holds it, or the program&apos;s own working folder:
%1</source>
        <translation>以下项目未添加：已有同名项目、无法读取的文件夹、名称中含有反斜杠、指向其上级文件夹的链接，或程序自身的工作文件夹：
%1</translation>
    </message>
</context>
<context>
    <name>CPage4</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>加载 ISO</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> 大小</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Add(&amp;A)</source>
        <translation>添加(&amp;A)</translation>
    </message>
    <message>
        <source>Export(&amp;E)</source>
        <translation>导出(&amp;E)</translation>
    </message>
    <message>
        <source>Rename(&amp;R)</source>
        <translation>重命名(&amp;R)</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>The working folder for the image could not be created below %1.</source>
        <translation>无法在 %1 下创建镜像的工作文件夹。</translation>
    </message>
    <message>
        <source>These items were not added: this folder already holds an item of that name:
%1</source>
        <translation>以下项目未添加，因为此文件夹中已有同名项目：
%1</translation>
    </message>
    <message>
        <source>Please select one row in the table list first</source>
        <translation>请先在列表中选择一行</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>新建文件夹</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>正在提取 ISO...</translation>
    </message>
    <message>
        <source>Please select files or folders in the list first.</source>
        <translation>请先在列表中选择文件或文件夹。</translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>请先添加文件或文件夹！</translation>
    </message>
    <message>
        <source>Save ISO file successfully!</source>
        <translation>ISO 文件保存成功！</translation>
    </message>
    <message>
        <source>Export Successfully !</source>
        <translation>导出成功！</translation>
    </message>
    <message>
        <source>The ISO file could not be saved.</source>
        <translation>无法保存 ISO 文件。</translation>
    </message>
    <message>
        <source>The items could not be exported.</source>
        <translation>无法导出这些项目。</translation>
    </message>
    <message>
        <source>These items were not added: a folder that cannot be read, a backslash in the name, a link back to a folder that holds it, or the program&apos;s own working folder:
%1</source>
        <translation>以下项目未添加：无法读取的文件夹、名称中含有反斜杠、指向其上级文件夹的链接，或程序自身的工作文件夹：
%1</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 已存在。是否替换？</translation>
    </message>
    <message>
        <source>The new image will not keep %1. Save anyway?</source>
        <translation>新镜像将不会保留 %1。仍要保存吗？</translation>
    </message>
    <message>
        <source> and </source>
        <translation> 和 </translation>
    </message>
    <message>
        <source>%1 already holds items of these names:
%2
Replace them with the exported ones?</source>
        <translation>%1 中已有以下名称的项目：
%2
要用导出的项目替换它们吗？</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>保留我的</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The changes to %1 have not been saved.</source>
        <translation>对 %1 的更改尚未保存。</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>放弃</translation>
    </message>
</context>
<context>
    <name>CPage5</name>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Make Image From Disc</source>
        <translation>从光盘制作镜像</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>源</translation>
    </message>
    <message>
        <source>Select a CD/DVD drive:</source>
        <translation>选择 CD/DVD 驱动器：</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>输出格式：</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Please select the iso file to save</source>
        <translation>请选择 ISO 文件的保存位置</translation>
    </message>
    <message>
        <source>Please select the iso file to save.</source>
        <translation>请选择 ISO 文件的保存位置。</translation>
    </message>
    <message>
        <source>The image cannot be saved there.</source>
        <translation>无法将镜像保存到该位置。</translation>
    </message>
    <message>
        <source>Start reading...</source>
        <translation>开始读取...</translation>
    </message>
    <message>
        <source>Reading Disc...</source>
        <translation>正在读取光盘...</translation>
    </message>
    <message>
        <source>Copy CD/DVD successfully!</source>
        <translation>CD/DVD 复制成功！</translation>
    </message>
    <message>
        <source>The disc could not be copied.</source>
        <translation>无法复制光盘。</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found</source>
        <translation>未找到 CD/DVD 刻录机</translation>
    </message>
    <message>
        <source>Connect a CD/DVD drive with the disc to copy in it, then press Start again.</source>
        <translation>请连接放有要复制光盘的 CD/DVD 驱动器，然后再次点击“开始”。</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
</context>
<context>
    <name>ChecksumJob</name>
    <message>
        <source>The %1 checksum matches %2.</source>
        <translation>%1 校验和与 %2 一致。</translation>
    </message>
    <message>
        <source>The %1 checksum does not match %2: the image is damaged or not the one published.</source>
        <translation>%1 校验和与 %2 不一致：映像已损坏，或不是发布的那个映像。</translation>
    </message>
    <message>
        <source>No %1 checksum of this image lies beside it to compare with.</source>
        <translation>此映像旁没有可供比较的 %1 校验和。</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>无法读取镜像 %1。</translation>
    </message>
    <message>
        <source>Reading %1 failed: %2</source>
        <translation>读取 %1 失败：%2</translation>
    </message>
    <message>
        <source>Computing the %1 checksum...</source>
        <translation>正在计算 %1 校验和...</translation>
    </message>
</context>
<context>
    <name>CommDialog</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>No file manager could be opened. The folder is:
%1</source>
        <translation>无法打开文件管理器。文件夹位置：
%1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Stopped; nothing incomplete was left behind.</source>
        <translation>已停止；未留下任何不完整的内容。</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 是一个文件夹。请为镜像选择一个文件名。</translation>
    </message>
    <message>
        <source>%1 already exists. Add --force to replace it.</source>
        <translation>%1 已存在。添加 --force 可替换它。</translation>
    </message>
    <message>
        <source>The image %1 does not exist.</source>
        <translation>镜像 %1 不存在。</translation>
    </message>
    <message>
        <source>%1 is not an image file.</source>
        <translation>%1 不是镜像文件。</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>无法读取镜像 %1。</translation>
    </message>
    <message>
        <source>Usage: quillon extract IMAGE TARGET [ITEM...]</source>
        <translation>用法：quillon extract IMAGE TARGET [ITEM...]</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 不是文件夹。</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>已停止。</translation>
    </message>
    <message>
        <source>%1 is not in the image.</source>
        <translation>镜像中没有 %1。</translation>
    </message>
    <message>
        <source>The image holds no files.</source>
        <translation>镜像中不包含任何文件。</translation>
    </message>
    <message>
        <source>These files already exist in %1. Add --force to replace them:
%2</source>
        <translation>%1 中已存在以下文件。添加 --force 可替换它们：
%2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>Extracted %1 items to %2.</source>
        <translation>已将 %1 个项目提取到 %2。</translation>
    </message>
    <message>
        <source>The items could not be extracted.</source>
        <translation>无法提取这些项目。</translation>
    </message>
    <message>
        <source>Usage: quillon create --output IMAGE [--label LABEL] SOURCE...</source>
        <translation>用法：quillon create --output IMAGE [--label LABEL] SOURCE...</translation>
    </message>
    <message>
        <source>Unknown image type %1: use joliet, iso9660 or udf.</source>
        <translation>未知的镜像类型 %1：请使用 joliet、iso9660 或 udf。</translation>
    </message>
    <message>
        <source>The working folder could not be created below %1.</source>
        <translation>无法在 %1 下创建工作文件夹。</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 不存在。</translation>
    </message>
    <message>
        <source>%1 cannot be added: another item has its name, it cannot be read, or it holds a backslash in a name.</source>
        <translation>无法添加 %1：已有同名项目、无法读取，或名称中包含反斜杠。</translation>
    </message>
    <message>
        <source>Files of 4 GiB or more show their true size only in the image&apos;s UDF tree.</source>
        <translation>4 GiB 及以上的文件仅在镜像的 UDF 目录树中显示真实大小。</translation>
    </message>
    <message>
        <source>Created %1 (%2 bytes).</source>
        <translation>已创建 %1（%2 字节）。</translation>
    </message>
    <message>
        <source>The ISO file could not be created.</source>
        <translation>无法创建 ISO 文件。</translation>
    </message>
    <message>
        <source>Usage: quillon edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]... [--rename /PATH=NEWNAME]...</source>
        <translation>用法：quillon edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]... [--rename /PATH=NEWNAME]...</translation>
    </message>
    <message>
        <source>--add needs SOURCE=/PATH/IN/IMAGE, not %1.</source>
        <translation>--add 需要 SOURCE=/PATH/IN/IMAGE 格式，而不是 %1。</translation>
    </message>
    <message>
        <source>--rename needs /PATH=NEWNAME, not %1.</source>
        <translation>--rename 需要 /PATH=NEWNAME 格式，而不是 %1。</translation>
    </message>
    <message>
        <source>The image has no folder %1.</source>
        <translation>镜像中没有文件夹 %1。</translation>
    </message>
    <message>
        <source>%1 cannot be added: it cannot be read, it holds a backslash in a name, or it links back to a folder that holds it.</source>
        <translation>无法添加 %1：无法读取、名称中包含反斜杠，或它链接回包含它的文件夹。</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>已保存 %1。</translation>
    </message>
    <message>
        <source>The ISO file could not be saved.</source>
        <translation>无法保存 ISO 文件。</translation>
    </message>
    <message>
        <source>No CD/DVD recorder %1 found. quillon list-drives shows the recorders.</source>
        <translation>未找到 CD/DVD 刻录机 %1。quillon list-drives 可列出刻录机。</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>光盘刻录成功。</translation>
    </message>
    <message>
        <source>The disc could not be burned.</source>
        <translation>无法刻录光盘。</translation>
    </message>
    <message>
        <source>--allow-loop-device is for tests and only accepted as root.</source>
        <translation>--allow-loop-device 仅用于测试，且只在以 root 身份运行时接受。</translation>
    </message>
    <message>
        <source>%1 is not a USB disk. quillon list-drives shows the USB disks.</source>
        <translation>%1 不是 USB 磁盘。quillon list-drives 可列出 USB 磁盘。</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>磁盘空间不足，请更换容量更大的 U 盘或 CD/DVD。</translation>
    </message>
    <message>
        <source>Unknown file system %1: use FAT32, NTFS, exFAT or FAT.</source>
        <translation>未知的文件系统 %1：请使用 FAT32、NTFS、exFAT 或 FAT。</translation>
    </message>
    <message>
        <source>All data on %1 will be deleted. Continue?</source>
        <translation>%1 上的所有数据都将被删除。是否继续？</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>未写入任何内容。</translation>
    </message>
    <message>
        <source>Usage: quillon copy-disc DRIVE --output IMAGE</source>
        <translation>用法：quillon copy-disc DRIVE --output IMAGE</translation>
    </message>
    <message>
        <source>Copied the disc to %1.</source>
        <translation>已将光盘复制到 %1。</translation>
    </message>
    <message>
        <source>The disc could not be read.</source>
        <translation>无法读取光盘。</translation>
    </message>
    <message>
        <source>The recorder&apos;s bus scan did not end within %1 seconds.</source>
        <translation>刻录机总线扫描未在 %1 秒内完成。</translation>
    </message>
    <message>
        <source>No USB disk found — plug one in.</source>
        <translation>未找到 USB 磁盘——请插入一个。</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found.</source>
        <translation>未找到 CD/DVD 刻录机。</translation>
    </message>
    <message>
        <source>Unknown page %1: use burn, extract, create, edit or copy-disc.</source>
        <translation>未知页面 %1：请使用 burn、extract、create、edit 或 copy-disc。</translation>
    </message>
    <message>
        <source>quillon --help shows the usage.</source>
        <translation>quillon --help 可显示用法。</translation>
    </message>
    <message>
        <source>The new image will not keep: %1</source>
        <translation>新镜像将不会保留：%1</translation>
    </message>
    <message>
        <source>Usage: quillon burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT] [--label LABEL] [--yes]
       quillon burn IMAGE --disc RECORDER</source>
        <translation>用法： quillon burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT] [--label LABEL] [--yes]
      quillon burn IMAGE --disc RECORDER</translation>
    </message>
    <message>
        <source>Unknown partition style %1: use mbr, gpt or image.</source>
        <translation>未知的分区类型 %1：请使用 mbr、gpt 或 image。</translation>
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
        <translation>用法： quillon [IMAGE]
      quillon --page burn|extract|create|edit|copy-disc [IMAGE]
      quillon SUBCOMMAND ...

不带子命令时启动窗口，并在“提取”页面（或 --page 指定的页面）打开 IMAGE。
子命令无需图形界面即可执行相同的任务：

  extract IMAGE TARGET [ITEM...]      将项目（未指定时为全部）提取到 TARGET
  create --output IMAGE [--label LABEL] [--type joliet|iso9660|udf] SOURCE...
                                      用文件和文件夹创建镜像
  edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]...
       [--rename /PATH=NEWNAME]...    保存一份修改后的副本，其启动方式与原镜像相同
  burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT]
       [--label LABEL] [--yes]        制作可启动 U 盘（image：按原样写入混合
                                      镜像；忽略文件系统和卷标）
  burn IMAGE --disc RECORDER          将镜像写入 CD/DVD
  copy-disc DRIVE --output IMAGE      将 CD/DVD 读取为镜像
  list-drives                         列出可刻录的 U 盘和刻录机
  checksum IMAGE [--sha256|--sha1|--md5]
                                      映像的校验和（未指定时为 SHA-256），并与其旁边的
                                      SHA256SUMS 或 IMAGE.sha256（等）进行比较

选项：
  --force               替换已存在的输出文件（extract：已存在的文件）
  --yes                 不经询问直接写入 U 盘
  --allow-loop-device   接受回环设备作为 U 盘（用于测试；仅限 root）
  -h, --help            显示此帮助
  -v, --version         显示版本

进度输出到标准错误，结果输出到标准输出（checksum：与 sha256sum 相同格式的校验和，比较结果输出到标准错误）。
只有任务自身的检查通过时退出状态才为 0（checksum：校验和与映像旁的不一致时为 1）；Ctrl+C 停止任务并删除不完整的输出。</translation>
    </message>
    <message>
        <source>Usage: quillon checksum IMAGE [--sha256|--sha1|--md5]</source>
        <translation>用法：quillon checksum IMAGE [--sha256|--sha1|--md5]</translation>
    </message>
</context>
<context>
    <name>CreateImageJob</name>
    <message>
        <source>Copy files and folders...</source>
        <translation>正在复制文件和文件夹...</translation>
    </message>
    <message>
        <source>These files could not be copied into the working folder, so no image was created (unreadable files, or a full disk?):
%1</source>
        <translation>以下文件无法复制到工作文件夹，因此未创建镜像（文件无法读取，或磁盘已满？）：
%1</translation>
    </message>
</context>
<context>
    <name>DiscBurnJob</name>
    <message>
        <source>There is no disc in the drive.</source>
        <translation>驱动器中没有光盘。</translation>
    </message>
    <message>
        <source>The disc in the drive cannot be written: it is not blank, or not a kind of disc this drive can write.</source>
        <translation>无法写入驱动器中的光盘：光盘不是空白的，或者此驱动器无法刻录这种光盘。</translation>
    </message>
    <message>
        <source>Writing to the disc failed.</source>
        <translation>写入光盘失败。</translation>
    </message>
    <message>
        <source>The recorder ended abnormally.</source>
        <translation>刻录程序异常结束。</translation>
    </message>
    <message>
        <source>The recorder ended with exit status %1.</source>
        <translation>刻录程序已结束，退出状态为 %1。</translation>
    </message>
</context>
<context>
    <name>EditSession</name>
    <message>
        <source>Copy files and directories...</source>
        <translation>正在复制文件和文件夹...</translation>
    </message>
    <message>
        <source>7-Zip ended with exit status %1.</source>
        <translation>7-Zip 已结束，退出状态为 %1。</translation>
    </message>
    <message>
        <source>The image %1 could not be opened: %2</source>
        <translation>无法打开镜像 %1：%2</translation>
    </message>
    <message>
        <source>The extraction did not complete.</source>
        <translation>提取未完成。</translation>
    </message>
    <message>
        <source>Please enter a name.</source>
        <translation>请输入名称。</translation>
    </message>
    <message>
        <source>A name cannot contain / or \.</source>
        <translation>名称不能包含 / 或 \。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists in this folder.</source>
        <translation>此文件夹中已存在“%1”。</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>正在提取 ISO...</translation>
    </message>
    <message>
        <source>The image was not extracted completely: %1</source>
        <translation>镜像未完全提取：%1</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 是一个文件夹。请为镜像选择一个文件名。</translation>
    </message>
    <message>
        <source>Please save the image under another name, outside the program&apos;s working folder.</source>
        <translation>请以其他名称将镜像保存在程序的工作文件夹之外。</translation>
    </message>
    <message>
        <source>Saving ISO file...</source>
        <translation>正在保存 ISO 文件...</translation>
    </message>
    <message>
        <source>These items are missing from the working folder, so the image would lack them:
%1</source>
        <translation>工作文件夹中缺少以下项目，因此镜像中也会缺少它们：
%1</translation>
    </message>
    <message>
        <source>These items could not be copied:
%1</source>
        <translation>以下项目无法复制：
%1</translation>
    </message>
    <message>
        <source>The compressed (zisofs) files could not be unpacked: %1</source>
        <translation>无法解压压缩（zisofs）文件：%1</translation>
    </message>
    <message>
        <source>These links could not be made: %1</source>
        <translation>无法创建以下链接：%1</translation>
    </message>
    <message>
        <source>the original&apos;s boot setup for disks (its MBR or GPT system area)</source>
        <translation>原镜像用于磁盘的引导设置（其 MBR 或 GPT 系统区）</translation>
    </message>
    <message>
        <source>symbolic links and compressed files, if it has any (xorriso is not installed)</source>
        <translation>符号链接和压缩文件（如果有；未安装 xorriso）</translation>
    </message>
    <message>
        <source>genisoimage: the image has no system area, so UDF and Joliet are written as before.</source>
        <translation>genisoimage：镜像没有系统区，因此 UDF 和 Joliet 按原样写入。</translation>
    </message>
    <message>
        <source>genisoimage: the image has a UDF tree, which only genisoimage writes.</source>
        <translation>genisoimage：镜像含有 UDF 目录树，只有 genisoimage 能写入它。</translation>
    </message>
    <message>
        <source>genisoimage: files of 4 GiB or more need its UDF tree.</source>
        <translation>genisoimage：4 GiB 及以上的文件需要其 UDF 目录树。</translation>
    </message>
    <message>
        <source>genisoimage: xorriso, which keeps the system area, is not installed.</source>
        <translation>genisoimage：未安装可保留系统区的 xorriso。</translation>
    </message>
    <message>
        <source>genisoimage: the names 7-Zip reads differ from the image&apos;s Rock Ridge names.</source>
        <translation>genisoimage：7-Zip 读取的名称与镜像的 Rock Ridge 名称不同。</translation>
    </message>
    <message>
        <source>xorriso: it replays the image&apos;s boot setup and system area, so the copy boots from a disk as the original does.</source>
        <translation>xorriso：它会重现镜像的引导设置和系统区，因此副本能像原镜像一样从磁盘启动。</translation>
    </message>
    <message>
        <source>The saved image cannot be read.</source>
        <translation>无法读取保存的镜像。</translation>
    </message>
    <message>
        <source>The saved image&apos;s system area (%1) differs from the original&apos;s (%2).</source>
        <translation>保存的镜像的系统区（%1）与原镜像的（%2）不同。</translation>
    </message>
    <message>
        <source>These items were not exported: the folder holds a folder where a file would go, a file where a folder would go, or the image being edited:
%1</source>
        <translation>以下项目未导出：该文件夹中，应放文件处已有文件夹，应放文件夹处已有文件，或者是正在编辑的映像：
%1</translation>
    </message>
</context>
<context>
    <name>ExtractJob</name>
    <message>
        <source>7-Zip stopped unexpectedly.</source>
        <translation>7-Zip 意外停止。</translation>
    </message>
    <message>
        <source>7-Zip ended with exit code %1.</source>
        <translation>7-Zip 已结束，退出代码为 %1。</translation>
    </message>
    <message>
        <source>7-Zip did not confirm the extraction.</source>
        <translation>7-Zip 未确认提取完成。</translation>
    </message>
    <message>
        <source>Not extracted: %1</source>
        <translation>未提取：%1</translation>
    </message>
    <message>
        <source>Could not be moved into the output folder: %1</source>
        <translation>无法移动到输出文件夹：%1</translation>
    </message>
    <message>
        <source>Left as they were in the output folder: %1</source>
        <translation>在输出文件夹中保持原样：%1</translation>
    </message>
    <message>
        <source>Nothing was selected.</source>
        <translation>未选择任何内容。</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>文件夹 %1 不存在。</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>无法写入文件夹 %1：%2</translation>
    </message>
    <message>
        <source>7-Zip could not be started (%1): %2</source>
        <translation>无法启动 7-Zip (%1)：%2</translation>
    </message>
    <message>
        <source>Copying files! Please wait a few seconds..</source>
        <translation>正在复制文件，请稍候...</translation>
    </message>
    <message>
        <source>Extracting files: </source>
        <translation>正在提取文件：</translation>
    </message>
    <message>
        <source>Extracting files...</source>
        <translation>正在提取文件...</translation>
    </message>
    <message>
        <source>Cannot write the list of items to extract: %1</source>
        <translation>无法写入要提取的项目列表：%1</translation>
    </message>
    <message>
        <source>This image holds symbolic links or compressed (zisofs) files, which only xorriso restores, and xorriso is not installed (package xorriso); links may have arrived as empty files.</source>
        <translation>此映像包含符号链接或压缩（zisofs）文件，只有 xorriso 能还原它们，但未安装 xorriso（软件包 xorriso）；链接可能已被提取为空文件。</translation>
    </message>
    <message>
        <source>Restoring links and compressed files...</source>
        <translation>正在还原链接和压缩文件...</translation>
    </message>
    <message>
        <source>xorriso could not read the image&apos;s Rock Ridge tree, so its links and compressed (zisofs) files could not be restored: %1</source>
        <translation>xorriso 无法读取映像的 Rock Ridge 目录树，因此无法还原其中的链接和压缩（zisofs）文件：%1</translation>
    </message>
    <message>
        <source>These symbolic links could not be made: %1</source>
        <translation>无法创建以下符号链接：%1</translation>
    </message>
    <message>
        <source>These links would point into Quillon&apos;s working folder and were left out: %1</source>
        <translation>以下链接会指向 Quillon 的工作文件夹，已略过：%1</translation>
    </message>
    <message>
        <source>These compressed (zisofs) files could not be unpacked: %1</source>
        <translation>无法解压以下压缩（zisofs）文件：%1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Open Folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>保存文件</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>GerneralDialog</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>IsoBuildJob</name>
    <message>
        <source>Creating ISO file...</source>
        <translation>正在创建 ISO 文件...</translation>
    </message>
    <message>
        <source>The ISO file could not be created.</source>
        <translation>无法创建 ISO 文件。</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>无法写入文件夹 %1：%2</translation>
    </message>
    <message>
        <source>The ISO file could not be saved as %1.</source>
        <translation>无法将 ISO 文件保存为 %1。</translation>
    </message>
    <message>
        <source>The image builder stopped unexpectedly.</source>
        <translation>镜像生成器意外停止。</translation>
    </message>
    <message>
        <source>The image file is incomplete: %1 bytes written, %2 bytes expected.</source>
        <translation>镜像文件不完整：已写入 %1 字节，预期 %2 字节。</translation>
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
        <translation>剩余 %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
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
        <translation>文件 %1 不是 ISO 或 UDF 镜像。</translation>
    </message>
    <message>
        <source>The file %1 is not an ISO or UDF image: 7-Zip reads it as a %2 archive.</source>
        <translation>文件 %1 不是 ISO 或 UDF 镜像：7-Zip 将其识别为 %2 压缩包。</translation>
    </message>
    <message>
        <source>The image %1 could not be read. It may not be an ISO image, or it may be damaged.</source>
        <translation>无法读取镜像 %1。它可能不是 ISO 镜像，或者已损坏。</translation>
    </message>
    <message>
        <source>The image %1 could not be read: 7-Zip could not be started (%2): %3</source>
        <translation>无法读取镜像 %1：无法启动 7-Zip (%2)：%3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Burn</source>
        <translation>刻录</translation>
    </message>
    <message>
        <source>Make bootable USB or DVD/CD from ISO</source>
        <translation>用 ISO 制作可启动 U 盘或 DVD/CD</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>提取</translation>
    </message>
    <message>
        <source>Extract content from ISO</source>
        <translation>从 ISO 中提取内容</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>创建</translation>
    </message>
    <message>
        <source>Create ISO from files or folders</source>
        <translation>用文件或文件夹创建 ISO</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>
 Add, delete, rename 
 content in ISO file</source>
        <translation>
 添加、删除、重命名 
 ISO 文件中的内容</translation>
    </message>
    <message>
        <source>Copy Disk</source>
        <translation>复制光盘</translation>
    </message>
    <message>
        <source>
 Make ISO file from 
 CD/DVD disc</source>
        <translation>
 从 CD/DVD 光盘 
 制作 ISO 文件</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英语</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日语</translation>
    </message>
    <message>
        <source>French</source>
        <translation>法语</translation>
    </message>
    <message>
        <source>German</source>
        <translation>德语</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>西班牙语</translation>
    </message>
    <message>
        <source>Portugues</source>
        <translation>葡萄牙语</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>波兰语</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>意大利语</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>俄语</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>荷兰语</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>瑞典语</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>CTRL+H</source>
        <translation>CTRL+H</translation>
    </message>
    <message>
        <source>About Us(&amp;U)</source>
        <translation>关于我们(&amp;U)</translation>
    </message>
    <message>
        <source>CTRL+U</source>
        <translation>CTRL+U</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>退出(&amp;E)</translation>
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
        <translation>镜像 %1 不存在。</translation>
    </message>
    <message>
        <source>%1 is not an image file.</source>
        <translation>%1 不是镜像文件。</translation>
    </message>
    <message>
        <source>A job is still running. Stop it and close the program?</source>
        <translation>仍有任务正在运行。是否停止任务并关闭程序？</translation>
    </message>
    <message>
        <source>Recent Images(&amp;R)</source>
        <translation>最近的镜像(&amp;R)</translation>
    </message>
    <message>
        <source>No recent images</source>
        <translation>没有最近的镜像</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>清除列表</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>No web browser could be opened. The address is:
%1</source>
        <translation>无法打开网页浏览器。网址：
%1</translation>
    </message>
</context>
<context>
    <name>Mkfs</name>
    <message numerus="yes">
        <source>a %1 label holds at most %n characters</source>
        <translation>
            <numerusform>%1 卷标最多 %n 个字符</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 does not allow these characters in a label: %2</source>
        <translation>%1 不允许卷标中包含以下字符：%2</translation>
    </message>
</context>
<context>
    <name>PageWindow</name>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 已存在。是否替换？</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 is not a disk or partition.</source>
        <translation>%1 不是磁盘或分区。</translation>
    </message>
    <message>
        <source>The system does not know %1.</source>
        <translation>系统无法识别 %1。</translation>
    </message>
    <message>
        <source>The disk of %1 (%2) has no device node.</source>
        <translation>%1 (%2) 所在的磁盘没有设备节点。</translation>
    </message>
    <message>
        <source>%1 is not a drive.</source>
        <translation>%1 不是驱动器。</translation>
    </message>
</context>
<context>
    <name>ReadDiscJob</name>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 是一个文件夹。</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>文件夹 %1 不存在。</translation>
    </message>
    <message>
        <source>%1 cannot be written to.</source>
        <translation>无法写入 %1。</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>无法写入文件夹 %1：%2</translation>
    </message>
    <message>
        <source>There is no readable disc in the drive.</source>
        <translation>驱动器中没有可读取的光盘。</translation>
    </message>
    <message>
        <source>A part of the disc cannot be read.</source>
        <translation>光盘的部分内容无法读取。</translation>
    </message>
    <message>
        <source>Permission denied: the drive or the image file cannot be opened.</source>
        <translation>权限不足：无法打开驱动器或镜像文件。</translation>
    </message>
    <message>
        <source>The reader ended abnormally.</source>
        <translation>读取程序异常结束。</translation>
    </message>
    <message>
        <source>The reader ended with exit status %1.</source>
        <translation>读取程序已结束，退出状态为 %1。</translation>
    </message>
    <message>
        <source>The reader did not say how large the disc is.</source>
        <translation>读取程序未报告光盘的大小。</translation>
    </message>
    <message>
        <source>The image is incomplete: %1 of %2 bytes were read.</source>
        <translation>镜像不完整：已读取 %1 / %2 字节。</translation>
    </message>
    <message>
        <source>The image could not be put in place of %1.</source>
        <translation>无法用镜像替换 %1。</translation>
    </message>
</context>
<context>
    <name>RockRidge</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 缺失</translation>
    </message>
    <message>
        <source>%1 is no longer a link</source>
        <translation>%1 不再是链接</translation>
    </message>
    <message>
        <source>%1 points to %2 instead of %3</source>
        <translation>%1 指向 %2，而不是 %3</translation>
    </message>
    <message>
        <source>%1 is of another kind</source>
        <translation>%1 的类型不同</translation>
    </message>
    <message>
        <source>%1 has %2 bytes instead of %3</source>
        <translation>%1 为 %2 字节，而不是 %3 字节</translation>
    </message>
    <message>
        <source>The saved image does not hold what the edit shows:
%1</source>
        <translation>保存的镜像内容与编辑内容不一致：
%1</translation>
    </message>
</context>
<context>
    <name>ScanbusJob</name>
    <message>
        <source>The disc recorder did not finish looking for drives within %1 seconds; no disc drive is listed.</source>
        <translation>光盘刻录程序未在 %1 秒内完成驱动器查找；未列出任何光盘驱动器。</translation>
    </message>
</context>
<context>
    <name>ToolJob</name>
    <message>
        <source>%1 ended abnormally.</source>
        <translation>%1 异常结束。</translation>
    </message>
    <message>
        <source>%1 ended with exit status %2.</source>
        <translation>%1 已结束，退出状态为 %2。</translation>
    </message>
    <message>
        <source>Could not start %1.</source>
        <translation>无法启动 %1。</translation>
    </message>
    <message>
        <source>Install the package %1.</source>
        <translation>请安装软件包 %1。</translation>
    </message>
</context>
<context>
    <name>UsbBurnJob</name>
    <message>
        <source>USB burn</source>
        <translation>U 盘刻录</translation>
    </message>
    <message>
        <source>%1 is missing (install the package %2).</source>
        <translation>缺少 %1（请安装软件包 %2）。</translation>
    </message>
    <message>
        <source>The image %1 does not exist.</source>
        <translation>镜像 %1 不存在。</translation>
    </message>
    <message>
        <source>Unknown file system &quot;%1&quot;.</source>
        <translation>未知的文件系统“%1”。</translation>
    </message>
    <message>
        <source>%1 is not a USB disk this page lists; it was left alone.</source>
        <translation>%1 不在本页列出的 U 盘中，未对其做任何操作。</translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1.</source>
        <translation>无法在 %1 中创建工作文件夹。</translation>
    </message>
    <message>
        <source>The image could not be read. %1</source>
        <translation>无法读取镜像。%1</translation>
    </message>
    <message>
        <source>the image has no EFI/BOOT/BOOTX64.EFI</source>
        <translation>镜像中没有 EFI/BOOT/BOOTX64.EFI</translation>
    </message>
    <message>
        <source>UEFI firmware reads FAT file systems only</source>
        <translation>UEFI 固件只能读取 FAT 文件系统</translation>
    </message>
    <message>
        <source>The image needs %1 on the USB disk, which holds %2; nothing was written.</source>
        <translation>镜像需要 U 盘上有 %1 空间，而 U 盘容量为 %2；未写入任何内容。</translation>
    </message>
    <message>
        <source>Checking the request</source>
        <translation>正在检查请求</translation>
    </message>
    <message>
        <source>Reading the image</source>
        <translation>正在读取镜像</translation>
    </message>
    <message>
        <source>Reading the image...</source>
        <translation>正在读取镜像...</translation>
    </message>
    <message>
        <source>Preparing the burn</source>
        <translation>正在准备刻录</translation>
    </message>
    <message>
        <source>Copying the files</source>
        <translation>正在复制文件</translation>
    </message>
    <message>
        <source>7-Zip ended with exit status %1.</source>
        <translation>7-Zip 已结束，退出状态为 %1。</translation>
    </message>
    <message>
        <source>Taking out the install image</source>
        <translation>正在取出安装映像</translation>
    </message>
    <message>
        <source>There is no room for the install image (%1) in %2: %3 free.</source>
        <translation>%2 中没有足够空间存放安装映像 (%1)：可用空间 %3。</translation>
    </message>
    <message>
        <source>Splitting the install image</source>
        <translation>正在拆分安装映像</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the image are missing or incomplete on the USB disk: %1</source>
        <translation>
            <numerusform>U 盘上有 %n 个镜像文件缺失或不完整：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>The USB disk starts on UEFI only: %1.</source>
        <translation>U 盘只能以 UEFI 方式启动：%1。</translation>
    </message>
    <message>
        <source>Neither BIOS nor UEFI can start from the USB disk: %1; %2.</source>
        <translation>BIOS 和 UEFI 都无法从 U 盘启动：%1；%2。</translation>
    </message>
    <message>
        <source>UEFI cannot start from the USB disk: %1.</source>
        <translation>UEFI 无法从 U 盘启动：%1。</translation>
    </message>
    <message>
        <source>Burning failed. %1</source>
        <translation>刻录失败。%1</translation>
    </message>
    <message>
        <source>Burning was stopped.</source>
        <translation>刻录已停止。</translation>
    </message>
    <message>
        <source>The USB disk is incomplete and still mounted at %1.</source>
        <translation>U 盘内容不完整，且仍挂载在 %1。</translation>
    </message>
    <message>
        <source>The USB disk is incomplete.</source>
        <translation>U 盘内容不完整。</translation>
    </message>
    <message>
        <source>The USB disk was not changed.</source>
        <translation>U 盘未被修改。</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>未写入任何内容。</translation>
    </message>
    <message>
        <source>FAT on this system goes through fusefat, which cannot write the name &quot;%1&quot;; choose NTFS or exFAT. Nothing was written.</source>
        <translation>本系统上的 FAT 通过 fusefat 实现，无法写入名称“%1”；请选择 NTFS 或 exFAT。未写入任何内容。</translation>
    </message>
    <message>
        <source>the image has no loader a BIOS can start from a USB disk</source>
        <translation>镜像中没有 BIOS 可从 U 盘启动的引导程序</translation>
    </message>
    <message>
        <source>Unmounting the USB disk</source>
        <translation>正在卸载 U 盘</translation>
    </message>
    <message>
        <source>Unmounting the USB disk...</source>
        <translation>正在卸载 U 盘...</translation>
    </message>
    <message>
        <source>Formatting the USB disk</source>
        <translation>正在格式化 U 盘</translation>
    </message>
    <message>
        <source>Mounting the USB disk</source>
        <translation>正在挂载 U 盘</translation>
    </message>
    <message>
        <source>Mounting the USB disk...</source>
        <translation>正在挂载 U 盘...</translation>
    </message>
    <message>
        <source>Preparing the boot code</source>
        <translation>正在准备引导代码</translation>
    </message>
    <message>
        <source>Building the boot code</source>
        <translation>正在生成引导代码</translation>
    </message>
    <message>
        <source>Installing the boot code</source>
        <translation>正在安装引导代码</translation>
    </message>
    <message>
        <source>grub-bios-setup is missing (install the package grub-pc-bin).</source>
        <translation>缺少 grub-bios-setup（请安装软件包 grub-pc-bin）。</translation>
    </message>
    <message>
        <source>Cannot write the boot code&apos;s files to the USB disk.</source>
        <translation>无法将引导代码文件写入 U 盘。</translation>
    </message>
    <message>
        <source>Writing the last data to the USB disk...</source>
        <translation>正在将剩余数据写入 U 盘...</translation>
    </message>
    <message>
        <source>Checking the file system</source>
        <translation>正在检查文件系统</translation>
    </message>
    <message>
        <source>Checking the USB disk...</source>
        <translation>正在检查 U 盘...</translation>
    </message>
    <message>
        <source>The file system on the USB disk is not clean: %1</source>
        <translation>U 盘上的文件系统有错误：%1</translation>
    </message>
    <message>
        <source>Checking the label</source>
        <translation>正在检查卷标</translation>
    </message>
    <message>
        <source>The volume label cannot contain %1.</source>
        <translation>卷标不能包含 %1。</translation>
    </message>
    <message>
        <source>Burning the USB disk...</source>
        <translation>正在写入 U 盘...</translation>
    </message>
    <message>
        <source>Extract the wim file ...</source>
        <translation>正在提取 WIM 文件...</translation>
    </message>
    <message>
        <source>Process the wim file larger than 4 GB...</source>
        <translation>正在处理大于 4 GB 的 WIM 文件...</translation>
    </message>
    <message>
        <source>Burning Successfully...</source>
        <translation>刻录成功...</translation>
    </message>
    <message>
        <source>The USB disk is under formating...</source>
        <translation>正在格式化 U 盘...</translation>
    </message>
    <message>
        <source>The USB disk is installing bootsect...</source>
        <translation>正在向 U 盘安装引导扇区...</translation>
    </message>
    <message>
        <source>%1 is a partition; choose the whole USB disk.</source>
        <translation>%1 是一个分区；请选择整个 U 盘。</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>无法读取镜像 %1。</translation>
    </message>
    <message>
        <source>The image has no partition table of its own, so written as it is it would not start; choose MBR or GPT instead. Nothing was written.</source>
        <translation>镜像没有自己的分区表，按原样写入将无法启动；请改选 MBR 或 GPT。未写入任何内容。</translation>
    </message>
    <message>
        <source>The volume label &quot;%1&quot; cannot be used: %2. Nothing was written.</source>
        <translation>卷标“%1”无法使用：%2。未写入任何内容。</translation>
    </message>
    <message>
        <source>%1 cannot hold these names of the image apart, or refuses them: %2. Nothing was written.</source>
        <translation>%1 无法区分或拒绝镜像中的以下名称：%2。未写入任何内容。</translation>
    </message>
    <message>
        <source>The USB disk can be removed.</source>
        <translation>现在可以移除 U 盘了。</translation>
    </message>
    <message>
        <source>Erasing the USB disk</source>
        <translation>正在擦除 U 盘</translation>
    </message>
    <message>
        <source>Writing the partition table</source>
        <translation>正在写入分区表</translation>
    </message>
    <message>
        <source>The new partition did not appear.</source>
        <translation>新分区没有出现。</translation>
    </message>
    <message>
        <source>neither the image nor its El Torito EFI image has EFI/BOOT/BOOTX64.EFI</source>
        <translation>镜像及其 El Torito EFI 镜像中都没有 EFI/BOOT/BOOTX64.EFI</translation>
    </message>
    <message>
        <source>Cannot copy %1 of the El Torito EFI image to the USB disk.</source>
        <translation>无法将 El Torito EFI 镜像中的 %1 复制到 U 盘。</translation>
    </message>
    <message>
        <source>Reading the UEFI loader</source>
        <translation>正在读取 UEFI 引导程序</translation>
    </message>
    <message>
        <source>Copying the UEFI loader</source>
        <translation>正在复制 UEFI 引导程序</translation>
    </message>
    <message>
        <source>Cannot write the boot menu to the USB disk.</source>
        <translation>无法将引导菜单写入 U 盘。</translation>
    </message>
    <message>
        <source>Reading the image back</source>
        <translation>正在回读镜像</translation>
    </message>
    <message>
        <source>Reading the USB disk back</source>
        <translation>正在回读 U 盘</translation>
    </message>
    <message>
        <source>The files on the USB disk differ from the image&apos;s.</source>
        <translation>U 盘上的文件与镜像中的不一致。</translation>
    </message>
    <message>
        <source>Flushing the USB disk</source>
        <translation>正在将缓存数据写入 U 盘</translation>
    </message>
    <message>
        <source>Writing the image...</source>
        <translation>正在写入镜像...</translation>
    </message>
    <message>
        <source>Writing the image</source>
        <translation>正在写入镜像</translation>
    </message>
    <message>
        <source>Writing the image as it is is not available on this system; choose MBR or GPT.</source>
        <translation>此系统不支持按原样写入映像；请选择 MBR 或 GPT。</translation>
    </message>
</context>
<context>
    <name>UsbHelperClient</name>
    <message>
        <source>The USB helper could not be started: %1</source>
        <translation>无法启动 USB 辅助程序：%1</translation>
    </message>
    <message>
        <source>Authorisation was refused.</source>
        <translation>授权被拒绝。</translation>
    </message>
    <message>
        <source>The USB helper ended unexpectedly (exit status %1). %2</source>
        <translation>USB 辅助程序意外结束（退出状态 %1）。%2</translation>
    </message>
</context>
<context>
    <name>UsbHelperStartStep</name>
    <message>
        <source>Starting the USB helper</source>
        <translation>正在启动 USB 辅助程序</translation>
    </message>
    <message>
        <source>Waiting for authorisation...</source>
        <translation>正在等待授权...</translation>
    </message>
    <message>
        <source>The USB helper answered %1.</source>
        <translation>USB 辅助程序的应答：%1。</translation>
    </message>
</context>
<context>
    <name>UsbHelperStep</name>
    <message>
        <source>The USB helper is not running.</source>
        <translation>USB 辅助程序未在运行。</translation>
    </message>
</context>
</TS>
