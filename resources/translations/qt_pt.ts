<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>BootRebuild</name>
    <message>
        <source>boot entry %1</source>
        <translation>entrada de inicialização %1</translation>
    </message>
    <message>
        <source>The %1 is for a platform (%2) the image builder cannot write.</source>
        <translation>A %1 é para uma plataforma (%2) que o gerador de imagens não consegue gravar.</translation>
    </message>
    <message>
        <source>The %1 could not be written to %2.</source>
        <translation>Não foi possível gravar a %1 em %2.</translation>
    </message>
    <message>
        <source>The saved image cannot be read.</source>
        <translation>Não é possível ler a imagem salva.</translation>
    </message>
    <message>
        <source>The saved image&apos;s label is &quot;%1&quot;, not &quot;%2&quot;.</source>
        <translation>O rótulo da imagem salva é &quot;%1&quot;, não &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The saved image has %1 boot entries, the original %2.</source>
        <translation>A imagem salva tem %1 entradas de inicialização; a original, %2.</translation>
    </message>
    <message>
        <source>The saved image&apos;s %1 differs from the original&apos;s in its platform, emulation or load size.</source>
        <translation>Na imagem salva, a %1 difere da original na plataforma, emulação ou tamanho de carga.</translation>
    </message>
    <message>
        <source>The saved image&apos;s %1 does not hold the original&apos;s boot image.</source>
        <translation>Na imagem salva, a %1 não contém a imagem de inicialização da original.</translation>
    </message>
</context>
<context>
    <name>CAboutusDialog</name>
    <message>
        <source>About Quillon</source>
        <translation>Sobre o Quillon</translation>
    </message>
    <message>
        <source>Quillon is free software: you may copy and share it under its licence. It comes with no warranty, so check every disk you write.</source>
        <translation>O Quillon é software livre: você pode copiá-lo e compartilhá-lo de acordo com sua licença. Ele não tem nenhuma garantia, por isso verifique cada disco que gravar.</translation>
    </message>
    <message>
        <source>Copyright (C) the Quillon developers.</source>
        <translation>Copyright (C) os desenvolvedores do Quillon.</translation>
    </message>
    <message>
        <source>Please visit offical site: </source>
        <translation>Visite o site oficial: </translation>
    </message>
</context>
<context>
    <name>CBurnDialog</name>
    <message>
        <source>Browse</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>ISO Image:</source>
        <translation>Imagem ISO:</translation>
    </message>
    <message>
        <source>Create A Bootable DVD/CD</source>
        <translation>Criar DVD/CD inicializável</translation>
    </message>
    <message>
        <source>Select a target disc then click BURN button</source>
        <translation>Escolha um disco de destino e clique em Gravar</translation>
    </message>
    <message>
        <source>Create A Bootable USB</source>
        <translation>Criar USB inicializável</translation>
    </message>
    <message>
        <source>Select a target USB then click BURN button</source>
        <translation>Escolha um USB de destino e clique em Gravar</translation>
    </message>
    <message>
        <source>Partition Style</source>
        <translation>Tipo de partição</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Sistema de arquivos</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>Rótulo do volume</translation>
    </message>
    <message>
        <source>Burn Failed! Do as following:
1.Try to burn again.
2.Change another USB drive or DVD.</source>
        <translation>Falha na gravação! Faça o seguinte:
1. Tente gravar novamente.
2. Use outra unidade USB ou outro DVD.</translation>
    </message>
    <message>
        <source>Please insert your USB drive to computer</source>
        <translation>Conecte sua unidade USB ao computador</translation>
    </message>
    <message>
        <source>Your USB drive will be formatted and all data in it will be deleted! Do you want to continue?</source>
        <translation>Sua unidade USB será formatada e todos os dados nela serão apagados! Deseja continuar?</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Espaço insuficiente. Use uma unidade USB ou um CD/DVD de maior capacidade.</translation>
    </message>
    <message>
        <source>Burning the disc...</source>
        <translation>Gravando o disco...</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>Disco gravado com sucesso.</translation>
    </message>
    <message>
        <source>The disc could not be burned.</source>
        <translation>Não foi possível gravar o disco.</translation>
    </message>
    <message>
        <source>No USB disk found — plug one in</source>
        <translation>Nenhuma unidade USB encontrada — ligue uma</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found</source>
        <translation>Nenhum gravador de CD/DVD encontrado</translation>
    </message>
    <message>
        <source>Image (write the ISO as it is)</source>
        <translation>Imagem (gravar a ISO tal como está)</translation>
    </message>
    <message>
        <source>Connect a CD/DVD recorder with a blank disc in it, or choose a USB disk instead.</source>
        <translation>Ligue um gravador de CD/DVD com um disco virgem, ou escolha antes uma unidade USB.</translation>
    </message>
    <message>
        <source>The burn was stopped. The disc may be unusable.</source>
        <translation>A gravação foi interrompida. O disco pode ter ficado inutilizável.</translation>
    </message>
    <message>
        <source>Checksum...</source>
        <translation>Soma de verificação...</translation>
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
        <translation>Extrair ISO</translation>
    </message>
    <message>
        <source>Directly extract everything from ISO image file and export to your computer.</source>
        <translation>Extraia diretamente todo o conteúdo de uma imagem ISO para o seu computador.</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Abrir ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extrair</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Tamanho</translation>
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
        <translation>&amp;Extrair</translation>
    </message>
    <message>
        <source>The image %1 seems to be damaged or incomplete; some items may not extract.</source>
        <translation>A imagem %1 parece estar danificada ou incompleta; alguns itens podem não ser extraídos.</translation>
    </message>
    <message>
        <source>Please select the files or folders you want to extract</source>
        <translation>Selecione os arquivos ou pastas que deseja extrair</translation>
    </message>
    <message>
        <source>The files could not be extracted.</source>
        <translation>Não foi possível extrair os arquivos.</translation>
    </message>
    <message>
        <source>Extract files successfully.</source>
        <translation>Arquivos extraídos com sucesso.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) in %1 would be replaced by the extracted ones:</source>
        <translation>
            <numerusform>%n arquivo em %1 seria substituído pelo extraído:</numerusform>
            <numerusform>%n arquivos em %1 seriam substituídos pelos extraídos:</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Manter o meu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Please load an ISO image first, then select the files or folders you want to extract</source>
        <translation>Carregue primeiro uma imagem ISO e depois selecione os arquivos ou pastas que deseja extrair</translation>
    </message>
    <message>
        <source>More than one selected item is called %1. Please extract them one at a time.</source>
        <translation>Mais de um item selecionado se chama %1. Extraia-os um de cada vez.</translation>
    </message>
    <message>
        <source>Your own files were kept in: %1</source>
        <translation>Seus próprios arquivos foram mantidos em: %1</translation>
    </message>
    <message>
        <source>%1 of %2 items were extracted.</source>
        <translation>%1 de %2 itens foram extraídos.</translation>
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
        <translation>Backup de arquivos &amp; pastas</translation>
    </message>
    <message>
        <source>Backup Type:</source>
        <translation>Tipo de backup:</translation>
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
        <translation>Tamanho máx.: 5 GB</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Adicionar arquivos...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Adicionar pasta...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Create ISO</source>
        <translation>Criar ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Caminho</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Tamanho</translation>
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
        <translation>Adicionar &amp;arquivos</translation>
    </message>
    <message>
        <source>Add Dirs(&amp;D)</source>
        <translation>Adicionar &amp;pastas</translation>
    </message>
    <message>
        <source>Remove(&amp;R)</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>The working folder for the image could not be created below %1.</source>
        <translation>Não foi possível criar a pasta de trabalho da imagem em %1.</translation>
    </message>
    <message>
        <source>Total Size: </source>
        <translation>Tamanho total: </translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Adicione arquivos ou pastas primeiro!</translation>
    </message>
    <message>
        <source>Please select one type</source>
        <translation>Selecione um tipo</translation>
    </message>
    <message>
        <source>These files are 4 GB or larger:
%1
ISO 9660 and Joliet cannot record such sizes. The image will also get a UDF file system that holds them; programs that read only ISO 9660 or Joliet will see wrong sizes. Choose &quot;UDF ISO&quot; to avoid this question. Create the image anyway?</source>
        <translation>Estes arquivos têm 4 GB ou mais:
%1
ISO 9660 e Joliet não conseguem registrar esses tamanhos. Por isso a imagem terá também um sistema de arquivos UDF que os contém; programas que leem apenas ISO 9660 ou Joliet verão tamanhos errados. Escolha &quot;UDF ISO&quot; para evitar esta pergunta. Criar a imagem mesmo assim?</translation>
    </message>
    <message>
        <source>Please save the image outside the program&apos;s working folder.</source>
        <translation>Salve a imagem fora da pasta de trabalho do programa.</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 é uma pasta. Escolha um nome de arquivo para a imagem.</translation>
    </message>
    <message>
        <source>Create ISO successfully!</source>
        <translation>ISO criada com sucesso!</translation>
    </message>
    <message>
        <source>The files and folders in the list will be discarded. Go back anyway?</source>
        <translation>Os arquivos e pastas da lista serão descartados. Voltar mesmo assim?</translation>
    </message>
    <message>
        <source>These items were not added: an item of the same name is already there, a folder that cannot be read, a backslash in the name, a link back to a folder that holds it, or the program&apos;s own working folder:
%1</source>
        <translation>Estes itens não foram adicionados: já existe um item com o mesmo nome, uma pasta que não pode ser lida, uma barra invertida no nome, um link para uma pasta que o contém ou a própria pasta de trabalho do programa:
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
        <translation>Abrir ISO</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Tamanho</translation>
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
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>Export(&amp;E)</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>Rename(&amp;R)</source>
        <translation>&amp;Renomear</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>The working folder for the image could not be created below %1.</source>
        <translation>Não foi possível criar a pasta de trabalho da imagem em %1.</translation>
    </message>
    <message>
        <source>These items were not added: this folder already holds an item of that name:
%1</source>
        <translation>Estes itens não foram adicionados porque esta pasta já contém um item com esse nome:
%1</translation>
    </message>
    <message>
        <source>Please select one row in the table list first</source>
        <translation>Selecione primeiro uma linha da lista</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nova pasta</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>Extraindo a ISO...</translation>
    </message>
    <message>
        <source>Please select files or folders in the list first.</source>
        <translation>Selecione primeiro arquivos ou pastas na lista.</translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Adicione arquivos ou pastas primeiro!</translation>
    </message>
    <message>
        <source>Save ISO file successfully!</source>
        <translation>Arquivo ISO salvo com sucesso!</translation>
    </message>
    <message>
        <source>Export Successfully !</source>
        <translation>Exportado com sucesso!</translation>
    </message>
    <message>
        <source>The ISO file could not be saved.</source>
        <translation>Não foi possível salvar o arquivo ISO.</translation>
    </message>
    <message>
        <source>The items could not be exported.</source>
        <translation>Não foi possível exportar os itens.</translation>
    </message>
    <message>
        <source>These items were not added: a folder that cannot be read, a backslash in the name, a link back to a folder that holds it, or the program&apos;s own working folder:
%1</source>
        <translation>Estes itens não foram adicionados: uma pasta que não pode ser lida, uma barra invertida no nome, um link para uma pasta que o contém ou a própria pasta de trabalho do programa:
%1</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 já existe. Pretende substituí-lo?</translation>
    </message>
    <message>
        <source>The new image will not keep %1. Save anyway?</source>
        <translation>A nova imagem não irá manter %1. Guardar mesmo assim?</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>%1 already holds items of these names:
%2
Replace them with the exported ones?</source>
        <translation>%1 já contém itens com estes nomes:
%2
Substituí-los pelos exportados?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Manter o meu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The changes to %1 have not been saved.</source>
        <translation>As alterações a %1 não foram guardadas.</translation>
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
        <translation>Voltar</translation>
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
        <translation>Criar imagem do disco</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origem</translation>
    </message>
    <message>
        <source>Select a CD/DVD drive:</source>
        <translation>Escolha uma unidade de CD/DVD:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Formato de saída:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Please select the iso file to save</source>
        <translation>Escolha onde salvar o arquivo ISO</translation>
    </message>
    <message>
        <source>Please select the iso file to save.</source>
        <translation>Escolha onde salvar o arquivo ISO.</translation>
    </message>
    <message>
        <source>The image cannot be saved there.</source>
        <translation>A imagem não pode ser salva nesse local.</translation>
    </message>
    <message>
        <source>Start reading...</source>
        <translation>Iniciando a leitura...</translation>
    </message>
    <message>
        <source>Reading Disc...</source>
        <translation>Lendo o disco...</translation>
    </message>
    <message>
        <source>Copy CD/DVD successfully!</source>
        <translation>CD/DVD copiado com sucesso!</translation>
    </message>
    <message>
        <source>The disc could not be copied.</source>
        <translation>Não foi possível copiar o disco.</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found</source>
        <translation>Nenhum gravador de CD/DVD encontrado</translation>
    </message>
    <message>
        <source>Connect a CD/DVD drive with the disc to copy in it, then press Start again.</source>
        <translation>Ligue uma unidade de CD/DVD com o disco a copiar e prima Iniciar novamente.</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
</context>
<context>
    <name>ChecksumJob</name>
    <message>
        <source>The %1 checksum matches %2.</source>
        <translation>A soma de verificação %1 corresponde a %2.</translation>
    </message>
    <message>
        <source>The %1 checksum does not match %2: the image is damaged or not the one published.</source>
        <translation>A soma de verificação %1 não corresponde a %2: a imagem está danificada ou não é a publicada.</translation>
    </message>
    <message>
        <source>No %1 checksum of this image lies beside it to compare with.</source>
        <translation>Não existe junto a esta imagem nenhuma soma de verificação %1 para comparar.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>Não é possível ler a imagem %1.</translation>
    </message>
    <message>
        <source>Reading %1 failed: %2</source>
        <translation>A leitura de %1 falhou: %2</translation>
    </message>
    <message>
        <source>Computing the %1 checksum...</source>
        <translation>A calcular a soma de verificação %1...</translation>
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
        <translation>Não</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>No file manager could be opened. The folder is:
%1</source>
        <translation>Não foi possível abrir um gerenciador de arquivos. A pasta é:
%1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Stopped; nothing incomplete was left behind.</source>
        <translation>Interrompido; não ficou nada incompleto.</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 é uma pasta. Escolha um nome de arquivo para a imagem.</translation>
    </message>
    <message>
        <source>%1 already exists. Add --force to replace it.</source>
        <translation>%1 já existe. Adicione --force para o substituir.</translation>
    </message>
    <message>
        <source>The image %1 does not exist.</source>
        <translation>A imagem %1 não existe.</translation>
    </message>
    <message>
        <source>%1 is not an image file.</source>
        <translation>%1 não é um arquivo de imagem.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>Não é possível ler a imagem %1.</translation>
    </message>
    <message>
        <source>Usage: quillon extract IMAGE TARGET [ITEM...]</source>
        <translation>Utilização: quillon extract IMAGE TARGET [ITEM...]</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 não é uma pasta.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Interrompido.</translation>
    </message>
    <message>
        <source>%1 is not in the image.</source>
        <translation>%1 não está na imagem.</translation>
    </message>
    <message>
        <source>The image holds no files.</source>
        <translation>A imagem não contém ficheiros.</translation>
    </message>
    <message>
        <source>These files already exist in %1. Add --force to replace them:
%2</source>
        <translation>Estes ficheiros já existem em %1. Adicione --force para os substituir:
%2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Não é possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>Extracted %1 items to %2.</source>
        <translation>%1 itens extraídos para %2.</translation>
    </message>
    <message>
        <source>The items could not be extracted.</source>
        <translation>Não foi possível extrair os itens.</translation>
    </message>
    <message>
        <source>Usage: quillon create --output IMAGE [--label LABEL] SOURCE...</source>
        <translation>Utilização: quillon create --output IMAGE [--label LABEL] SOURCE...</translation>
    </message>
    <message>
        <source>Unknown image type %1: use joliet, iso9660 or udf.</source>
        <translation>Tipo de imagem desconhecido %1: utilize joliet, iso9660 ou udf.</translation>
    </message>
    <message>
        <source>The working folder could not be created below %1.</source>
        <translation>Não foi possível criar a pasta de trabalho em %1.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 não existe.</translation>
    </message>
    <message>
        <source>%1 cannot be added: another item has its name, it cannot be read, or it holds a backslash in a name.</source>
        <translation>Não é possível adicionar %1: outro item tem o mesmo nome, não é possível lê-lo ou um nome contém uma barra invertida.</translation>
    </message>
    <message>
        <source>Files of 4 GiB or more show their true size only in the image&apos;s UDF tree.</source>
        <translation>Os ficheiros com 4 GiB ou mais só mostram o tamanho real na árvore UDF da imagem.</translation>
    </message>
    <message>
        <source>Created %1 (%2 bytes).</source>
        <translation>%1 criado (%2 bytes).</translation>
    </message>
    <message>
        <source>The ISO file could not be created.</source>
        <translation>Não foi possível criar o arquivo ISO.</translation>
    </message>
    <message>
        <source>Usage: quillon edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]... [--rename /PATH=NEWNAME]...</source>
        <translation>Utilização: quillon edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]... [--rename /PATH=NEWNAME]...</translation>
    </message>
    <message>
        <source>--add needs SOURCE=/PATH/IN/IMAGE, not %1.</source>
        <translation>--add requer SOURCE=/PATH/IN/IMAGE, não %1.</translation>
    </message>
    <message>
        <source>--rename needs /PATH=NEWNAME, not %1.</source>
        <translation>--rename requer /PATH=NEWNAME, não %1.</translation>
    </message>
    <message>
        <source>The image has no folder %1.</source>
        <translation>A imagem não tem nenhuma pasta %1.</translation>
    </message>
    <message>
        <source>%1 cannot be added: it cannot be read, it holds a backslash in a name, or it links back to a folder that holds it.</source>
        <translation>Não é possível adicionar %1: não é possível lê-lo, um nome contém uma barra invertida ou aponta de volta para uma pasta que o contém.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 guardado.</translation>
    </message>
    <message>
        <source>The ISO file could not be saved.</source>
        <translation>Não foi possível salvar o arquivo ISO.</translation>
    </message>
    <message>
        <source>No CD/DVD recorder %1 found. quillon list-drives shows the recorders.</source>
        <translation>Nenhum gravador de CD/DVD %1 encontrado. quillon list-drives mostra os gravadores.</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>Disco gravado com sucesso.</translation>
    </message>
    <message>
        <source>The disc could not be burned.</source>
        <translation>Não foi possível gravar o disco.</translation>
    </message>
    <message>
        <source>--allow-loop-device is for tests and only accepted as root.</source>
        <translation>--allow-loop-device destina-se a testes e só é aceite como root.</translation>
    </message>
    <message>
        <source>%1 is not a USB disk. quillon list-drives shows the USB disks.</source>
        <translation>%1 não é um disco USB. quillon list-drives mostra os discos USB.</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Espaço insuficiente. Use uma unidade USB ou um CD/DVD de maior capacidade.</translation>
    </message>
    <message>
        <source>Unknown file system %1: use FAT32, NTFS, exFAT or FAT.</source>
        <translation>Sistema de ficheiros desconhecido %1: utilize FAT32, NTFS, exFAT ou FAT.</translation>
    </message>
    <message>
        <source>All data on %1 will be deleted. Continue?</source>
        <translation>Todos os dados em %1 serão eliminados. Continuar?</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nada foi gravado.</translation>
    </message>
    <message>
        <source>Usage: quillon copy-disc DRIVE --output IMAGE</source>
        <translation>Utilização: quillon copy-disc DRIVE --output IMAGE</translation>
    </message>
    <message>
        <source>Copied the disc to %1.</source>
        <translation>Disco copiado para %1.</translation>
    </message>
    <message>
        <source>The disc could not be read.</source>
        <translation>Não foi possível ler o disco.</translation>
    </message>
    <message>
        <source>The recorder&apos;s bus scan did not end within %1 seconds.</source>
        <translation>A procura de gravadores no barramento não terminou em %1 segundos.</translation>
    </message>
    <message>
        <source>No USB disk found — plug one in.</source>
        <translation>Nenhum disco USB encontrado — ligue um.</translation>
    </message>
    <message>
        <source>No CD/DVD recorder found.</source>
        <translation>Nenhum gravador de CD/DVD encontrado.</translation>
    </message>
    <message>
        <source>Unknown page %1: use burn, extract, create, edit or copy-disc.</source>
        <translation>Página desconhecida %1: utilize burn, extract, create, edit ou copy-disc.</translation>
    </message>
    <message>
        <source>quillon --help shows the usage.</source>
        <translation>quillon --help mostra a utilização.</translation>
    </message>
    <message>
        <source>The new image will not keep: %1</source>
        <translation>A nova imagem não irá manter: %1</translation>
    </message>
    <message>
        <source>Usage: quillon burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT] [--label LABEL] [--yes]
       quillon burn IMAGE --disc RECORDER</source>
        <translation>Utilização: quillon burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT] [--label LABEL] [--yes]
            quillon burn IMAGE --disc RECORDER</translation>
    </message>
    <message>
        <source>Unknown partition style %1: use mbr, gpt or image.</source>
        <translation>Estilo de partição desconhecido %1: use mbr, gpt ou image.</translation>
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
        <translation>Utilização: quillon [IMAGE]
            quillon --page burn|extract|create|edit|copy-disc [IMAGE]
            quillon SUBCOMMAND ...

Sem subcomando, abre-se a janela, com IMAGE aberta na página Extrair (ou na página
indicada por --page). Os subcomandos executam as mesmas tarefas sem ecrã:

  extract IMAGE TARGET [ITEM...]      extrai os itens (todos, se não for indicado nenhum) para TARGET
  create --output IMAGE [--label LABEL] [--type joliet|iso9660|udf] SOURCE...
                                      cria uma imagem a partir de ficheiros e pastas
  edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]...
       [--rename /PATH=NEWNAME]...    guarda uma cópia alterada que arranca como a original
  burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT]
       [--label LABEL] [--yes]        cria uma pen USB de arranque (image: grava uma imagem híbrida
                                      tal como está; sistema de ficheiros e rótulo ignorados)
  burn IMAGE --disc RECORDER          grava a imagem num CD/DVD
  copy-disc DRIVE --output IMAGE      lê um CD/DVD para uma imagem
  list-drives                         lista os discos USB e gravadores onde se pode gravar
  checksum IMAGE [--sha256|--sha1|--md5]
                                      a soma de verificação da imagem (SHA-256 se nada for indicado), comparada
                                      com SHA256SUMS ou IMAGE.sha256 (e semelhantes) junto dela

Opções:
  --force               substitui um ficheiro de saída existente (extract: os ficheiros existentes)
  --yes                 grava no disco USB sem perguntar
  --allow-loop-device   aceita um dispositivo loop como disco USB (testes; só root)
  -h, --help            mostra esta ajuda
  -v, --version         mostra a versão

O progresso vai para a saída de erro padrão e os resultados para a saída padrão (checksum: a soma tal como o
sha256sum a mostra, a comparação na saída de erro). O estado de saída só é 0 quando a verificação própria da
tarefa passou (checksum: 1 quando a soma difere da que está junto à imagem); Ctrl+C para a tarefa e remove a
saída parcial.</translation>
    </message>
    <message>
        <source>Usage: quillon checksum IMAGE [--sha256|--sha1|--md5]</source>
        <translation>Utilização: quillon checksum IMAGE [--sha256|--sha1|--md5]</translation>
    </message>
</context>
<context>
    <name>CreateImageJob</name>
    <message>
        <source>Copy files and folders...</source>
        <translation>A copiar ficheiros e pastas...</translation>
    </message>
    <message>
        <source>These files could not be copied into the working folder, so no image was created (unreadable files, or a full disk?):
%1</source>
        <translation>Não foi possível copiar estes ficheiros para a pasta de trabalho, pelo que não foi criada nenhuma imagem (ficheiros ilegíveis ou disco cheio?):
%1</translation>
    </message>
</context>
<context>
    <name>DiscBurnJob</name>
    <message>
        <source>There is no disc in the drive.</source>
        <translation>Não há disco na unidade.</translation>
    </message>
    <message>
        <source>The disc in the drive cannot be written: it is not blank, or not a kind of disc this drive can write.</source>
        <translation>Não é possível gravar no disco da unidade: ele não está vazio ou a unidade não grava esse tipo de disco.</translation>
    </message>
    <message>
        <source>Writing to the disc failed.</source>
        <translation>Falha ao gravar no disco.</translation>
    </message>
    <message>
        <source>The recorder ended abnormally.</source>
        <translation>O programa de gravação terminou de forma anormal.</translation>
    </message>
    <message>
        <source>The recorder ended with exit status %1.</source>
        <translation>O programa de gravação terminou com o status de saída %1.</translation>
    </message>
</context>
<context>
    <name>EditSession</name>
    <message>
        <source>Copy files and directories...</source>
        <translation>Copiando arquivos e pastas...</translation>
    </message>
    <message>
        <source>7-Zip ended with exit status %1.</source>
        <translation>O 7-Zip terminou com o status de saída %1.</translation>
    </message>
    <message>
        <source>The image %1 could not be opened: %2</source>
        <translation>Não foi possível abrir a imagem %1: %2</translation>
    </message>
    <message>
        <source>The extraction did not complete.</source>
        <translation>A extração não foi concluída.</translation>
    </message>
    <message>
        <source>Please enter a name.</source>
        <translation>Digite um nome.</translation>
    </message>
    <message>
        <source>A name cannot contain / or \.</source>
        <translation>Um nome não pode conter / nem \.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists in this folder.</source>
        <translation>&quot;%1&quot; já existe nesta pasta.</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>Extraindo a ISO...</translation>
    </message>
    <message>
        <source>The image was not extracted completely: %1</source>
        <translation>A imagem não foi extraída por completo: %1</translation>
    </message>
    <message>
        <source>%1 is a folder. Please choose a file name for the image.</source>
        <translation>%1 é uma pasta. Escolha um nome de arquivo para a imagem.</translation>
    </message>
    <message>
        <source>Please save the image under another name, outside the program&apos;s working folder.</source>
        <translation>Salve a imagem com outro nome, fora da pasta de trabalho do programa.</translation>
    </message>
    <message>
        <source>Saving ISO file...</source>
        <translation>Salvando o arquivo ISO...</translation>
    </message>
    <message>
        <source>These items are missing from the working folder, so the image would lack them:
%1</source>
        <translation>Estes itens estão ausentes da pasta de trabalho e, por isso, faltariam na imagem:
%1</translation>
    </message>
    <message>
        <source>These items could not be copied:
%1</source>
        <translation>Estes itens não puderam ser copiados:
%1</translation>
    </message>
    <message>
        <source>The compressed (zisofs) files could not be unpacked: %1</source>
        <translation>Não foi possível descomprimir os ficheiros comprimidos (zisofs): %1</translation>
    </message>
    <message>
        <source>These links could not be made: %1</source>
        <translation>Não foi possível criar estas ligações: %1</translation>
    </message>
    <message>
        <source>the original&apos;s boot setup for disks (its MBR or GPT system area)</source>
        <translation>a configuração de arranque da original para discos (a sua área de sistema MBR ou GPT)</translation>
    </message>
    <message>
        <source>symbolic links and compressed files, if it has any (xorriso is not installed)</source>
        <translation>as ligações simbólicas e os ficheiros comprimidos, se existirem (o xorriso não está instalado)</translation>
    </message>
    <message>
        <source>genisoimage: the image has no system area, so UDF and Joliet are written as before.</source>
        <translation>genisoimage: a imagem não tem área de sistema, pelo que UDF e Joliet são gravados como antes.</translation>
    </message>
    <message>
        <source>genisoimage: the image has a UDF tree, which only genisoimage writes.</source>
        <translation>genisoimage: a imagem tem uma árvore UDF, que só o genisoimage grava.</translation>
    </message>
    <message>
        <source>genisoimage: files of 4 GiB or more need its UDF tree.</source>
        <translation>genisoimage: os ficheiros com 4 GiB ou mais precisam da sua árvore UDF.</translation>
    </message>
    <message>
        <source>genisoimage: xorriso, which keeps the system area, is not installed.</source>
        <translation>genisoimage: o xorriso, que mantém a área de sistema, não está instalado.</translation>
    </message>
    <message>
        <source>genisoimage: the names 7-Zip reads differ from the image&apos;s Rock Ridge names.</source>
        <translation>genisoimage: os nomes que o 7-Zip lê diferem dos nomes Rock Ridge da imagem.</translation>
    </message>
    <message>
        <source>xorriso: it replays the image&apos;s boot setup and system area, so the copy boots from a disk as the original does.</source>
        <translation>xorriso: reproduz a configuração de arranque e a área de sistema da imagem, para que a cópia arranque a partir de um disco tal como a original.</translation>
    </message>
    <message>
        <source>The saved image cannot be read.</source>
        <translation>Não é possível ler a imagem salva.</translation>
    </message>
    <message>
        <source>The saved image&apos;s system area (%1) differs from the original&apos;s (%2).</source>
        <translation>A área de sistema da imagem guardada (%1) difere da original (%2).</translation>
    </message>
    <message>
        <source>These items were not exported: the folder holds a folder where a file would go, a file where a folder would go, or the image being edited:
%1</source>
        <translation>Estes itens não foram exportados: a pasta contém uma pasta onde iria um ficheiro, um ficheiro onde iria uma pasta, ou a imagem que está a ser editada:
%1</translation>
    </message>
</context>
<context>
    <name>ExtractJob</name>
    <message>
        <source>7-Zip stopped unexpectedly.</source>
        <translation>O 7-Zip parou inesperadamente.</translation>
    </message>
    <message>
        <source>7-Zip ended with exit code %1.</source>
        <translation>O 7-Zip terminou com o código de saída %1.</translation>
    </message>
    <message>
        <source>7-Zip did not confirm the extraction.</source>
        <translation>O 7-Zip não confirmou a extração.</translation>
    </message>
    <message>
        <source>Not extracted: %1</source>
        <translation>Não extraídos: %1</translation>
    </message>
    <message>
        <source>Could not be moved into the output folder: %1</source>
        <translation>Não puderam ser movidos para a pasta de destino: %1</translation>
    </message>
    <message>
        <source>Left as they were in the output folder: %1</source>
        <translation>Deixados como estavam na pasta de destino: %1</translation>
    </message>
    <message>
        <source>Nothing was selected.</source>
        <translation>Nada foi selecionado.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>A pasta %1 não existe.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>Não é possível gravar na pasta %1: %2</translation>
    </message>
    <message>
        <source>7-Zip could not be started (%1): %2</source>
        <translation>O 7-Zip não pôde ser iniciado (%1): %2</translation>
    </message>
    <message>
        <source>Copying files! Please wait a few seconds..</source>
        <translation>Copiando arquivos. Aguarde alguns segundos...</translation>
    </message>
    <message>
        <source>Extracting files: </source>
        <translation>Extraindo arquivos: </translation>
    </message>
    <message>
        <source>Extracting files...</source>
        <translation>Extraindo arquivos...</translation>
    </message>
    <message>
        <source>Cannot write the list of items to extract: %1</source>
        <translation>Não é possível gravar a lista de itens a extrair: %1</translation>
    </message>
    <message>
        <source>This image holds symbolic links or compressed (zisofs) files, which only xorriso restores, and xorriso is not installed (package xorriso); links may have arrived as empty files.</source>
        <translation>Esta imagem contém ligações simbólicas ou ficheiros comprimidos (zisofs), que só o xorriso restaura, e o xorriso não está instalado (pacote xorriso); as ligações podem ter chegado como ficheiros vazios.</translation>
    </message>
    <message>
        <source>Restoring links and compressed files...</source>
        <translation>A restaurar ligações e ficheiros comprimidos...</translation>
    </message>
    <message>
        <source>xorriso could not read the image&apos;s Rock Ridge tree, so its links and compressed (zisofs) files could not be restored: %1</source>
        <translation>O xorriso não conseguiu ler a árvore Rock Ridge da imagem, pelo que as suas ligações e ficheiros comprimidos (zisofs) não puderam ser restaurados: %1</translation>
    </message>
    <message>
        <source>These symbolic links could not be made: %1</source>
        <translation>Não foi possível criar estas ligações simbólicas: %1</translation>
    </message>
    <message>
        <source>These links would point into Quillon&apos;s working folder and were left out: %1</source>
        <translation>Estas ligações apontariam para a pasta de trabalho do Quillon e foram omitidas: %1</translation>
    </message>
    <message>
        <source>These compressed (zisofs) files could not be unpacked: %1</source>
        <translation>Não foi possível descomprimir estes ficheiros comprimidos (zisofs): %1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Open Folder</source>
        <translation>Selecionar pasta</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir arquivo</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Abrir arquivos</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salvar arquivo</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os ficheiros (*)</translation>
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
        <translation>A criar ficheiro ISO...</translation>
    </message>
    <message>
        <source>The ISO file could not be created.</source>
        <translation>Não foi possível criar o arquivo ISO.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>Não é possível gravar na pasta %1: %2</translation>
    </message>
    <message>
        <source>The ISO file could not be saved as %1.</source>
        <translation>Não foi possível guardar o ficheiro ISO como %1.</translation>
    </message>
    <message>
        <source>The image builder stopped unexpectedly.</source>
        <translation>O criador de imagens parou inesperadamente.</translation>
    </message>
    <message>
        <source>The image file is incomplete: %1 bytes written, %2 bytes expected.</source>
        <translation>O ficheiro de imagem está incompleto: %1 bytes escritos, %2 bytes esperados.</translation>
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
        <translation>faltam %1</translation>
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
        <translation>O arquivo %1 não é uma imagem ISO nem UDF.</translation>
    </message>
    <message>
        <source>The file %1 is not an ISO or UDF image: 7-Zip reads it as a %2 archive.</source>
        <translation>O arquivo %1 não é uma imagem ISO nem UDF: o 7-Zip o lê como um arquivo %2.</translation>
    </message>
    <message>
        <source>The image %1 could not be read. It may not be an ISO image, or it may be damaged.</source>
        <translation>Não foi possível ler a imagem %1. Talvez não seja uma imagem ISO ou esteja danificada.</translation>
    </message>
    <message>
        <source>The image %1 could not be read: 7-Zip could not be started (%2): %3</source>
        <translation>Não foi possível ler a imagem %1: o 7-Zip não pôde ser iniciado (%2): %3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Burn</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Make bootable USB or DVD/CD from ISO</source>
        <translation>Criar USB ou DVD/CD inicializável a partir de ISO</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extrair</translation>
    </message>
    <message>
        <source>Extract content from ISO</source>
        <translation>Extrair conteúdo de uma ISO</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Criar</translation>
    </message>
    <message>
        <source>Create ISO from files or folders</source>
        <translation>
 Criar ISO a partir 
 de arquivos ou pastas</translation>
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
 Adicionar, excluir, renomear 
 conteúdo do arquivo ISO</translation>
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
 Criar arquivo ISO 
 a partir de CD/DVD</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinês</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonês</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemão</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>Portugues</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonês</translation>
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
        <translation>Holandês</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Sueco</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>CTRL+H</source>
        <translation>CTRL+H</translation>
    </message>
    <message>
        <source>About Us(&amp;U)</source>
        <translation>S&amp;obre</translation>
    </message>
    <message>
        <source>CTRL+U</source>
        <translation>CTRL+U</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>&amp;Sair</translation>
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
        <translation>A imagem %1 não existe.</translation>
    </message>
    <message>
        <source>%1 is not an image file.</source>
        <translation>%1 não é um arquivo de imagem.</translation>
    </message>
    <message>
        <source>A job is still running. Stop it and close the program?</source>
        <translation>Ainda está uma tarefa em curso. Pará-la e fechar o programa?</translation>
    </message>
    <message>
        <source>Recent Images(&amp;R)</source>
        <translation>Imagens &amp;recentes</translation>
    </message>
    <message>
        <source>No recent images</source>
        <translation>Sem imagens recentes</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Limpar lista</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>No web browser could be opened. The address is:
%1</source>
        <translation>Não foi possível abrir um navegador. O endereço é:
%1</translation>
    </message>
</context>
<context>
    <name>Mkfs</name>
    <message numerus="yes">
        <source>a %1 label holds at most %n characters</source>
        <translation>
            <numerusform>um rótulo %1 tem no máximo %n caracteres</numerusform>
            <numerusform>um rótulo %1 tem no máximo %n caracteres</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 does not allow these characters in a label: %2</source>
        <translation>%1 não permite estes caracteres num rótulo: %2</translation>
    </message>
</context>
<context>
    <name>PageWindow</name>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 já existe. Pretende substituí-lo?</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 is not a disk or partition.</source>
        <translation>%1 não é um disco nem uma partição.</translation>
    </message>
    <message>
        <source>The system does not know %1.</source>
        <translation>O sistema não reconhece %1.</translation>
    </message>
    <message>
        <source>The disk of %1 (%2) has no device node.</source>
        <translation>O disco de %1 (%2) não tem nó de dispositivo.</translation>
    </message>
    <message>
        <source>%1 is not a drive.</source>
        <translation>%1 não é uma unidade.</translation>
    </message>
</context>
<context>
    <name>ReadDiscJob</name>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 é uma pasta.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>A pasta %1 não existe.</translation>
    </message>
    <message>
        <source>%1 cannot be written to.</source>
        <translation>Não é possível gravar em %1.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>Não é possível gravar na pasta %1: %2</translation>
    </message>
    <message>
        <source>There is no readable disc in the drive.</source>
        <translation>Não há disco legível na unidade.</translation>
    </message>
    <message>
        <source>A part of the disc cannot be read.</source>
        <translation>Uma parte do disco não pode ser lida.</translation>
    </message>
    <message>
        <source>Permission denied: the drive or the image file cannot be opened.</source>
        <translation>Permissão negada: não é possível abrir a unidade ou o arquivo de imagem.</translation>
    </message>
    <message>
        <source>The reader ended abnormally.</source>
        <translation>O programa de leitura terminou de forma anormal.</translation>
    </message>
    <message>
        <source>The reader ended with exit status %1.</source>
        <translation>O programa de leitura terminou com o status de saída %1.</translation>
    </message>
    <message>
        <source>The reader did not say how large the disc is.</source>
        <translation>O programa de leitura não informou o tamanho do disco.</translation>
    </message>
    <message>
        <source>The image is incomplete: %1 of %2 bytes were read.</source>
        <translation>A imagem está incompleta: %1 de %2 bytes foram lidos.</translation>
    </message>
    <message>
        <source>The image could not be put in place of %1.</source>
        <translation>A imagem não pôde substituir %1.</translation>
    </message>
</context>
<context>
    <name>RockRidge</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 está em falta</translation>
    </message>
    <message>
        <source>%1 is no longer a link</source>
        <translation>%1 já não é uma ligação</translation>
    </message>
    <message>
        <source>%1 points to %2 instead of %3</source>
        <translation>%1 aponta para %2 em vez de %3</translation>
    </message>
    <message>
        <source>%1 is of another kind</source>
        <translation>%1 é de outro tipo</translation>
    </message>
    <message>
        <source>%1 has %2 bytes instead of %3</source>
        <translation>%1 tem %2 bytes em vez de %3</translation>
    </message>
    <message>
        <source>The saved image does not hold what the edit shows:
%1</source>
        <translation>A imagem guardada não contém o que a edição mostra:
%1</translation>
    </message>
</context>
<context>
    <name>ScanbusJob</name>
    <message>
        <source>The disc recorder did not finish looking for drives within %1 seconds; no disc drive is listed.</source>
        <translation>O programa de gravação não terminou a procura de unidades em %1 segundos; nenhuma unidade de disco é apresentada.</translation>
    </message>
</context>
<context>
    <name>ToolJob</name>
    <message>
        <source>%1 ended abnormally.</source>
        <translation>%1 terminou de forma anormal.</translation>
    </message>
    <message>
        <source>%1 ended with exit status %2.</source>
        <translation>%1 terminou com o status de saída %2.</translation>
    </message>
    <message>
        <source>Could not start %1.</source>
        <translation>Não foi possível iniciar %1.</translation>
    </message>
    <message>
        <source>Install the package %1.</source>
        <translation>Instale o pacote %1.</translation>
    </message>
</context>
<context>
    <name>UsbBurnJob</name>
    <message>
        <source>USB burn</source>
        <translation>Gravação USB</translation>
    </message>
    <message>
        <source>%1 is missing (install the package %2).</source>
        <translation>%1 não foi encontrado (instale o pacote %2).</translation>
    </message>
    <message>
        <source>The image %1 does not exist.</source>
        <translation>A imagem %1 não existe.</translation>
    </message>
    <message>
        <source>Unknown file system &quot;%1&quot;.</source>
        <translation>Sistema de arquivos desconhecido &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 is not a USB disk this page lists; it was left alone.</source>
        <translation>%1 não é uma unidade USB da lista desta página; ela não foi alterada.</translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1.</source>
        <translation>Não é possível criar uma pasta de trabalho em %1.</translation>
    </message>
    <message>
        <source>The image could not be read. %1</source>
        <translation>Não foi possível ler a imagem. %1</translation>
    </message>
    <message>
        <source>the image has no EFI/BOOT/BOOTX64.EFI</source>
        <translation>a imagem não contém EFI/BOOT/BOOTX64.EFI</translation>
    </message>
    <message>
        <source>UEFI firmware reads FAT file systems only</source>
        <translation>o firmware UEFI só lê sistemas de arquivos FAT</translation>
    </message>
    <message>
        <source>The image needs %1 on the USB disk, which holds %2; nothing was written.</source>
        <translation>A imagem precisa de %1 na unidade USB, que comporta %2; nada foi gravado.</translation>
    </message>
    <message>
        <source>Checking the request</source>
        <translation>Verificando a solicitação</translation>
    </message>
    <message>
        <source>Reading the image</source>
        <translation>Lendo a imagem</translation>
    </message>
    <message>
        <source>Reading the image...</source>
        <translation>Lendo a imagem...</translation>
    </message>
    <message>
        <source>Preparing the burn</source>
        <translation>Preparando a gravação</translation>
    </message>
    <message>
        <source>Copying the files</source>
        <translation>Copiando os arquivos</translation>
    </message>
    <message>
        <source>7-Zip ended with exit status %1.</source>
        <translation>O 7-Zip terminou com o status de saída %1.</translation>
    </message>
    <message>
        <source>Taking out the install image</source>
        <translation>Extraindo a imagem de instalação</translation>
    </message>
    <message>
        <source>There is no room for the install image (%1) in %2: %3 free.</source>
        <translation>Não há espaço para a imagem de instalação (%1) em %2: %3 livres.</translation>
    </message>
    <message>
        <source>Splitting the install image</source>
        <translation>Dividindo a imagem de instalação</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the image are missing or incomplete on the USB disk: %1</source>
        <translation>
            <numerusform>%n arquivo da imagem está ausente ou incompleto na unidade USB: %1</numerusform>
            <numerusform>%n arquivos da imagem estão ausentes ou incompletos na unidade USB: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The USB disk starts on UEFI only: %1.</source>
        <translation>A unidade USB só inicia com UEFI: %1.</translation>
    </message>
    <message>
        <source>Neither BIOS nor UEFI can start from the USB disk: %1; %2.</source>
        <translation>Nem o BIOS nem o UEFI conseguem iniciar pela unidade USB: %1; %2.</translation>
    </message>
    <message>
        <source>UEFI cannot start from the USB disk: %1.</source>
        <translation>O UEFI não consegue iniciar pela unidade USB: %1.</translation>
    </message>
    <message>
        <source>Burning failed. %1</source>
        <translation>Falha na gravação. %1</translation>
    </message>
    <message>
        <source>Burning was stopped.</source>
        <translation>A gravação foi interrompida.</translation>
    </message>
    <message>
        <source>The USB disk is incomplete and still mounted at %1.</source>
        <translation>A unidade USB está incompleta e ainda montada em %1.</translation>
    </message>
    <message>
        <source>The USB disk is incomplete.</source>
        <translation>A unidade USB está incompleta.</translation>
    </message>
    <message>
        <source>The USB disk was not changed.</source>
        <translation>A unidade USB não foi alterada.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nada foi gravado.</translation>
    </message>
    <message>
        <source>FAT on this system goes through fusefat, which cannot write the name &quot;%1&quot;; choose NTFS or exFAT. Nothing was written.</source>
        <translation>Neste sistema, o FAT funciona via fusefat, que não consegue gravar o nome &quot;%1&quot;; escolha NTFS ou exFAT. Nada foi gravado.</translation>
    </message>
    <message>
        <source>the image has no loader a BIOS can start from a USB disk</source>
        <translation>a imagem não tem um carregador que um BIOS possa iniciar a partir de uma unidade USB</translation>
    </message>
    <message>
        <source>Unmounting the USB disk</source>
        <translation>Desmontando a unidade USB</translation>
    </message>
    <message>
        <source>Unmounting the USB disk...</source>
        <translation>Desmontando a unidade USB...</translation>
    </message>
    <message>
        <source>Formatting the USB disk</source>
        <translation>Formatando a unidade USB</translation>
    </message>
    <message>
        <source>Mounting the USB disk</source>
        <translation>Montando a unidade USB</translation>
    </message>
    <message>
        <source>Mounting the USB disk...</source>
        <translation>Montando a unidade USB...</translation>
    </message>
    <message>
        <source>Preparing the boot code</source>
        <translation>Preparando o código de inicialização</translation>
    </message>
    <message>
        <source>Building the boot code</source>
        <translation>Gerando o código de inicialização</translation>
    </message>
    <message>
        <source>Installing the boot code</source>
        <translation>Instalando o código de inicialização</translation>
    </message>
    <message>
        <source>grub-bios-setup is missing (install the package grub-pc-bin).</source>
        <translation>O grub-bios-setup não foi encontrado (instale o pacote grub-pc-bin).</translation>
    </message>
    <message>
        <source>Cannot write the boot code&apos;s files to the USB disk.</source>
        <translation>Não é possível gravar os arquivos do código de inicialização na unidade USB.</translation>
    </message>
    <message>
        <source>Writing the last data to the USB disk...</source>
        <translation>Gravando os últimos dados na unidade USB...</translation>
    </message>
    <message>
        <source>Checking the file system</source>
        <translation>Verificando o sistema de arquivos</translation>
    </message>
    <message>
        <source>Checking the USB disk...</source>
        <translation>Verificando a unidade USB...</translation>
    </message>
    <message>
        <source>The file system on the USB disk is not clean: %1</source>
        <translation>O sistema de arquivos da unidade USB tem erros: %1</translation>
    </message>
    <message>
        <source>Checking the label</source>
        <translation>Verificando o rótulo</translation>
    </message>
    <message>
        <source>The volume label cannot contain %1.</source>
        <translation>O rótulo do volume não pode conter %1.</translation>
    </message>
    <message>
        <source>Burning the USB disk...</source>
        <translation>Gravando a unidade USB...</translation>
    </message>
    <message>
        <source>Extract the wim file ...</source>
        <translation>Extraindo o arquivo WIM...</translation>
    </message>
    <message>
        <source>Process the wim file larger than 4 GB...</source>
        <translation>Processando o arquivo WIM com mais de 4 GB...</translation>
    </message>
    <message>
        <source>Burning Successfully...</source>
        <translation>Gravação concluída...</translation>
    </message>
    <message>
        <source>The USB disk is under formating...</source>
        <translation>Formatando a unidade USB...</translation>
    </message>
    <message>
        <source>The USB disk is installing bootsect...</source>
        <translation>Instalando o setor de inicialização...</translation>
    </message>
    <message>
        <source>%1 is a partition; choose the whole USB disk.</source>
        <translation>%1 é uma partição; escolha a unidade USB inteira.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>Não é possível ler a imagem %1.</translation>
    </message>
    <message>
        <source>The image has no partition table of its own, so written as it is it would not start; choose MBR or GPT instead. Nothing was written.</source>
        <translation>A imagem não tem tabela de partições própria, pelo que, gravada tal como está, não arrancaria; escolha antes MBR ou GPT. Nada foi gravado.</translation>
    </message>
    <message>
        <source>The volume label &quot;%1&quot; cannot be used: %2. Nothing was written.</source>
        <translation>Não é possível usar o rótulo de volume &quot;%1&quot;: %2. Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1 cannot hold these names of the image apart, or refuses them: %2. Nothing was written.</source>
        <translation>%1 não consegue distinguir estes nomes da imagem, ou recusa-os: %2. Nada foi gravado.</translation>
    </message>
    <message>
        <source>The USB disk can be removed.</source>
        <translation>A unidade USB pode ser removida.</translation>
    </message>
    <message>
        <source>Erasing the USB disk</source>
        <translation>A apagar a unidade USB</translation>
    </message>
    <message>
        <source>Writing the partition table</source>
        <translation>A gravar a tabela de partições</translation>
    </message>
    <message>
        <source>The new partition did not appear.</source>
        <translation>A nova partição não apareceu.</translation>
    </message>
    <message>
        <source>neither the image nor its El Torito EFI image has EFI/BOOT/BOOTX64.EFI</source>
        <translation>nem a imagem nem a sua imagem EFI El Torito contém EFI/BOOT/BOOTX64.EFI</translation>
    </message>
    <message>
        <source>Cannot copy %1 of the El Torito EFI image to the USB disk.</source>
        <translation>Não é possível copiar %1 da imagem EFI El Torito para a unidade USB.</translation>
    </message>
    <message>
        <source>Reading the UEFI loader</source>
        <translation>A ler o carregador UEFI</translation>
    </message>
    <message>
        <source>Copying the UEFI loader</source>
        <translation>A copiar o carregador UEFI</translation>
    </message>
    <message>
        <source>Cannot write the boot menu to the USB disk.</source>
        <translation>Não é possível gravar o menu de arranque na unidade USB.</translation>
    </message>
    <message>
        <source>Reading the image back</source>
        <translation>A reler a imagem</translation>
    </message>
    <message>
        <source>Reading the USB disk back</source>
        <translation>A reler a unidade USB</translation>
    </message>
    <message>
        <source>The files on the USB disk differ from the image&apos;s.</source>
        <translation>Os ficheiros na unidade USB diferem dos da imagem.</translation>
    </message>
    <message>
        <source>Flushing the USB disk</source>
        <translation>A esvaziar os buffers da unidade USB</translation>
    </message>
    <message>
        <source>Writing the image...</source>
        <translation>A gravar a imagem...</translation>
    </message>
    <message>
        <source>Writing the image</source>
        <translation>A gravar a imagem</translation>
    </message>
    <message>
        <source>Writing the image as it is is not available on this system; choose MBR or GPT.</source>
        <translation>Escrever a imagem tal como está não está disponível neste sistema; escolha MBR ou GPT.</translation>
    </message>
</context>
<context>
    <name>UsbHelperClient</name>
    <message>
        <source>The USB helper could not be started: %1</source>
        <translation>Não foi possível iniciar o assistente USB: %1</translation>
    </message>
    <message>
        <source>Authorisation was refused.</source>
        <translation>A autorização foi recusada.</translation>
    </message>
    <message>
        <source>The USB helper ended unexpectedly (exit status %1). %2</source>
        <translation>O assistente USB terminou inesperadamente (estado de saída %1). %2</translation>
    </message>
</context>
<context>
    <name>UsbHelperStartStep</name>
    <message>
        <source>Starting the USB helper</source>
        <translation>A iniciar o assistente USB</translation>
    </message>
    <message>
        <source>Waiting for authorisation...</source>
        <translation>A aguardar autorização...</translation>
    </message>
    <message>
        <source>The USB helper answered %1.</source>
        <translation>O assistente USB respondeu %1.</translation>
    </message>
</context>
<context>
    <name>UsbHelperStep</name>
    <message>
        <source>The USB helper is not running.</source>
        <translation>O assistente USB não está em execução.</translation>
    </message>
</context>
</TS>
