<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>no web browser is installed, or it did not start</source>
        <translation>nenhum navegador está instalado, ou ele não foi iniciado</translation>
    </message>
</context>
<context>
    <name>BackgroundPicture</name>
    <message>
        <source>Pictures (%1)</source>
        <translation>Imagens (%1)</translation>
    </message>
</context>
<context>
    <name>CalendarPainter</name>
    <message>
        <source>Today: %1</source>
        <translation>Hoje: %1</translation>
    </message>
    <message>
        <source>Wk</source>
        <translation>Sem.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Could not open %1: %2.</source>
        <translation>Não foi possível abrir %1: %2.</translation>
    </message>
    <message>
        <source>the help page help.htm</source>
        <translation>a página de ajuda help.htm</translation>
    </message>
    <message>
        <source>it is neither in %1 nor in %2</source>
        <translation>ela não está nem em %1 nem em %2</translation>
    </message>
    <message>
        <source>help.htm</source>
        <translation>help_pt_BR.htm</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>%1; the desktop colour is shown instead</source>
        <translation>%1; no lugar dela é mostrada a cor da área de trabalho</translation>
    </message>
</context>
<context>
    <name>PictureUpdate</name>
    <message>
        <source>The wallpaper was not changed: the picture could not be painted (%1).</source>
        <translation>O papel de parede não foi alterado: não foi possível desenhar a imagem (%1).</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Choose a picture</source>
        <translation>Escolher uma imagem</translation>
    </message>
</context>
<context>
    <name>ToDoPanelPainter</name>
    <message>
        <source>To Do List:</source>
        <translation>Tarefas:</translation>
    </message>
    <message>
        <source>+%1 more</source>
        <translation>+%1 a mais</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>short weekday, day, short month</comment>
        <translation>%1 %2 %3</translation>
    </message>
</context>
<context>
    <name>marvane::AboutDialog</name>
    <message>
        <source>About Marvane</source>
        <translation>Sobre o Marvane</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This free software adds a calendar to your screen&apos;s desktop. And you may also arrange and include your to-do-list.</source>
        <translation>Este software livre adiciona um calendário à área de trabalho da sua tela. Você também pode organizar e exibir nela sua lista de tarefas.</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Site:</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Suporte:</translation>
    </message>
</context>
<context>
    <name>marvane::LogonNotice</name>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Manter</translation>
    </message>
    <message>
        <source>Turn o&amp;ff</source>
        <translation>&amp;Desativar</translation>
    </message>
    <message>
        <source>the desktop colour</source>
        <translation>a cor da área de trabalho</translation>
    </message>
    <message>
        <source>At every log-on and after midnight, Marvane paints the calendar over %1 and makes it your wallpaper.</source>
        <translation>A cada início de sessão e depois da meia-noite, o Marvane desenha o calendário sobre %1 e o define como papel de parede.</translation>
    </message>
</context>
<context>
    <name>marvane::MainWindow</name>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Atualizar</translation>
    </message>
    <message>
        <source>Set &amp;Desktop</source>
        <translation>Usar como &amp;fundo</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Ano:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mês:</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opções...</translation>
    </message>
    <message>
        <source>&amp;To Do List...</source>
        <translation>&amp;Tarefas...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
</context>
<context>
    <name>marvane::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Segunda-feira</translation>
    </message>
    <message>
        <source>As the language</source>
        <translation>Conforme o idioma</translation>
    </message>
    <message>
        <source>Month-Day-Year</source>
        <translation>Mês-Dia-Ano</translation>
    </message>
    <message>
        <source>0 - Left,Top</source>
        <translation>0 - Superior esquerdo</translation>
    </message>
    <message>
        <source>1 - Right,Top</source>
        <translation>1 - Superior direito</translation>
    </message>
    <message>
        <source>2 - Right,Bottom</source>
        <translation>2 - Inferior direito</translation>
    </message>
    <message>
        <source>3 - Left,Bottom</source>
        <translation>3 - Inferior esquerdo</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Preencher</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centralizar</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Esticar</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Lado a lado</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Imagem:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Procurar...</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Estilo:</translation>
    </message>
    <message>
        <source>Use c&amp;urrent wallpaper</source>
        <translation>Papel de parede a&amp;tual</translation>
    </message>
    <message>
        <source>Desktop Color</source>
        <translation>Cor da área de trabalho</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Calendar Back Color</source>
        <translation>Fundo do calendário</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Calendar Position</source>
        <translation>Posição do calendário</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Aplicar</translation>
    </message>
    <message>
        <source>Position Offset X</source>
        <translation>Deslocamento X</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>Pa&amp;drão</translation>
    </message>
    <message>
        <source>Position Offset Y</source>
        <translation>Deslocamento Y</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamanho:</translation>
    </message>
    <message>
        <source>Week starts on:</source>
        <translation>A semana começa:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>&amp;Show To Do List</source>
        <translation>&amp;Mostrar tarefas</translation>
    </message>
    <message>
        <source>To Do List Back Color</source>
        <translation>Fundo das tarefas</translation>
    </message>
    <message>
        <source>To Do List Text Color</source>
        <translation>Texto das tarefas</translation>
    </message>
    <message>
        <source>Refresh desktop when computer starts.</source>
        <translation>Atualizar a área de trabalho ao iniciar o computador.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nenhuma)</translation>
    </message>
    <message>
        <source>The desktop does not say which picture it shows.</source>
        <translation>A área de trabalho não informa qual imagem está mostrando.</translation>
    </message>
    <message>
        <source>The desktop shows Marvane&apos;s own picture; choose yours with Browse...</source>
        <translation>A área de trabalho mostra a própria imagem do Marvane; escolha a sua com Procurar...</translation>
    </message>
    <message>
        <source>The settings were not all stored.

</source>
        <translation>Nem todas as configurações foram salvas.

</translation>
    </message>
    <message>
        <source>Mark days with items</source>
        <translation>Marcar os dias com tarefas</translation>
    </message>
    <message>
        <source>Days listed:</source>
        <translation>Dias listados:</translation>
    </message>
    <message>
        <source>Week numbers</source>
        <translation>Números da semana</translation>
    </message>
    <message>
        <source>&amp;Restore wallpaper</source>
        <translation>&amp;Restaurar papel de parede</translation>
    </message>
    <message>
        <source>The wallpaper the desktop showed before Marvane is back.</source>
        <translation>O papel de parede que a área de trabalho mostrava antes do Marvane voltou.</translation>
    </message>
    <message>
        <source>The wallpaper could not be put back: %1</source>
        <translation>Não foi possível restaurar o papel de parede: %1</translation>
    </message>
    <message>
        <source>Look:</source>
        <translation>Aparência:</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clássico</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartões</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Opacidade:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Calendars:</source>
        <translation>Calendários:</translation>
    </message>
    <message>
        <source>Add f&amp;ile...</source>
        <translation>Adicionar arqu&amp;ivo...</translation>
    </message>
    <message>
        <source>Add &amp;folder...</source>
        <translation>Adicionar pa&amp;sta...</translation>
    </message>
    <message>
        <source>Add addr&amp;ess...</source>
        <translation>Adicionar &amp;endereço...</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Remo&amp;ver</translation>
    </message>
    <message>
        <source>Event Color</source>
        <translation>Cor dos eventos</translation>
    </message>
    <message>
        <source>Choose a calendar</source>
        <translation>Escolher um calendário</translation>
    </message>
    <message>
        <source>Calendars (*.ics);;All files (*)</source>
        <translation>Calendários (*.ics);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Choose a folder of calendars</source>
        <translation>Escolher uma pasta de calendários</translation>
    </message>
    <message>
        <source>Add address</source>
        <translation>Adicionar endereço</translation>
    </message>
    <message>
        <source>The calendar&apos;s address (http:// or https://):</source>
        <translation>O endereço do calendário (http:// ou https://):</translation>
    </message>
    <message>
        <source>A calendar whose name holds &quot;;&quot; cannot be stored.</source>
        <translation>Um calendário cujo nome contém &quot;;&quot; não pode ser salvo.</translation>
    </message>
    <message>
        <source>Only http:// and https:// addresses can be fetched.</source>
        <translation>Só endereços http:// e https:// podem ser baixados.</translation>
    </message>
</context>
<context>
    <name>marvane::ToDoDialog</name>
    <message>
        <source>Set To Do List</source>
        <translation>Lista de tarefas</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Ano:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mês:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Dia:</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Hoje</translation>
    </message>
    <message>
        <source>TODO %1</source>
        <translation>Tarefa %1</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Save the changes to the to-do list of %1?</source>
        <translation>Salvar as alterações na lista de tarefas de %1?</translation>
    </message>
    <message>
        <source>The to-do items were not saved.

</source>
        <translation>As tarefas não foram salvas.

</translation>
    </message>
</context>
</TS>
