<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>no web browser is installed, or it did not start</source>
        <translation>no hay ningún navegador web instalado, o no se ha iniciado</translation>
    </message>
</context>
<context>
    <name>BackgroundPicture</name>
    <message>
        <source>Pictures (%1)</source>
        <translation>Imágenes (%1)</translation>
    </message>
</context>
<context>
    <name>CalendarPainter</name>
    <message>
        <source>Today: %1</source>
        <translation>Hoy: %1</translation>
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
        <translation>No se ha podido abrir %1: %2.</translation>
    </message>
    <message>
        <source>the help page help.htm</source>
        <translation>la página de ayuda help.htm</translation>
    </message>
    <message>
        <source>it is neither in %1 nor in %2</source>
        <translation>no está ni en %1 ni en %2</translation>
    </message>
    <message>
        <source>help.htm</source>
        <translation>help_es.htm</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>%1; the desktop colour is shown instead</source>
        <translation>%1; en su lugar se muestra el color del escritorio</translation>
    </message>
</context>
<context>
    <name>PictureUpdate</name>
    <message>
        <source>The wallpaper was not changed: the picture could not be painted (%1).</source>
        <translation>No se ha cambiado el fondo de escritorio: no se ha podido dibujar la imagen (%1).</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Choose a picture</source>
        <translation>Elegir una imagen</translation>
    </message>
</context>
<context>
    <name>ToDoPanelPainter</name>
    <message>
        <source>To Do List:</source>
        <translation>Tareas:</translation>
    </message>
    <message>
        <source>+%1 more</source>
        <translation>+%1 más</translation>
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
        <translation>Acerca de Marvane</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>This free software adds a calendar to your screen&apos;s desktop. And you may also arrange and include your to-do-list.</source>
        <translation>Este software libre añade un calendario al escritorio de su pantalla. Además, puede organizar y mostrar en él su lista de tareas.</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Sitio web:</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Soporte:</translation>
    </message>
</context>
<context>
    <name>marvane::LogonNotice</name>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Mantener</translation>
    </message>
    <message>
        <source>Turn o&amp;ff</source>
        <translation>Desacti&amp;var</translation>
    </message>
    <message>
        <source>the desktop colour</source>
        <translation>el color del escritorio</translation>
    </message>
    <message>
        <source>At every log-on and after midnight, Marvane paints the calendar over %1 and makes it your wallpaper.</source>
        <translation>En cada inicio de sesión y después de medianoche, Marvane dibuja el calendario sobre %1 y lo pone como fondo de escritorio.</translation>
    </message>
</context>
<context>
    <name>marvane::MainWindow</name>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>Set &amp;Desktop</source>
        <translation>Poner de &amp;fondo</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Año:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mes:</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones...</translation>
    </message>
    <message>
        <source>&amp;To Do List...</source>
        <translation>&amp;Tareas...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Acerca &amp;de...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
</context>
<context>
    <name>marvane::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
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
        <translation>Lunes</translation>
    </message>
    <message>
        <source>As the language</source>
        <translation>Según el idioma</translation>
    </message>
    <message>
        <source>Month-Day-Year</source>
        <translation>Mes-Día-Año</translation>
    </message>
    <message>
        <source>0 - Left,Top</source>
        <translation>0 - Arriba a la izquierda</translation>
    </message>
    <message>
        <source>1 - Right,Top</source>
        <translation>1 - Arriba a la derecha</translation>
    </message>
    <message>
        <source>2 - Right,Bottom</source>
        <translation>2 - Abajo a la derecha</translation>
    </message>
    <message>
        <source>3 - Left,Bottom</source>
        <translation>3 - Abajo a la izquierda</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Rellenar</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centrar</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Estirar</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Mosaico</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Imagen:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Estilo:</translation>
    </message>
    <message>
        <source>Use c&amp;urrent wallpaper</source>
        <translation>Usar fondo act&amp;ual</translation>
    </message>
    <message>
        <source>Desktop Color</source>
        <translation>Color del escritorio</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Calendar Back Color</source>
        <translation>Fondo del calendario</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Calendar Position</source>
        <translation>Posición del calendario</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;plicar</translation>
    </message>
    <message>
        <source>Position Offset X</source>
        <translation>Desplazamiento X</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>Position Offset Y</source>
        <translation>Desplazamiento Y</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Week starts on:</source>
        <translation>La semana empieza el:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>&amp;Show To Do List</source>
        <translation>&amp;Mostrar tareas</translation>
    </message>
    <message>
        <source>To Do List Back Color</source>
        <translation>Fondo de las tareas</translation>
    </message>
    <message>
        <source>To Do List Text Color</source>
        <translation>Texto de las tareas</translation>
    </message>
    <message>
        <source>Refresh desktop when computer starts.</source>
        <translation>Actualizar el escritorio al iniciar el equipo.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>The desktop does not say which picture it shows.</source>
        <translation>El escritorio no indica qué imagen muestra.</translation>
    </message>
    <message>
        <source>The desktop shows Marvane&apos;s own picture; choose yours with Browse...</source>
        <translation>El escritorio muestra la imagen del propio Marvane; elija la suya con Examinar...</translation>
    </message>
    <message>
        <source>The settings were not all stored.

</source>
        <translation>No se han guardado todos los ajustes.

</translation>
    </message>
    <message>
        <source>Mark days with items</source>
        <translation>Marcar los días con tareas</translation>
    </message>
    <message>
        <source>Days listed:</source>
        <translation>Días listados:</translation>
    </message>
    <message>
        <source>Week numbers</source>
        <translation>Números de semana</translation>
    </message>
    <message>
        <source>&amp;Restore wallpaper</source>
        <translation>Restaurar &amp;fondo</translation>
    </message>
    <message>
        <source>The wallpaper the desktop showed before Marvane is back.</source>
        <translation>El fondo que el escritorio mostraba antes de Marvane ha vuelto.</translation>
    </message>
    <message>
        <source>The wallpaper could not be put back: %1</source>
        <translation>No se pudo restaurar el fondo: %1</translation>
    </message>
    <message>
        <source>Look:</source>
        <translation>Aspecto:</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Tarjetas</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Opacidad:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Calendars:</source>
        <translation>Calendarios:</translation>
    </message>
    <message>
        <source>Add f&amp;ile...</source>
        <translation>Añadir arc&amp;hivo...</translation>
    </message>
    <message>
        <source>Add &amp;folder...</source>
        <translation>Añadir carpe&amp;ta...</translation>
    </message>
    <message>
        <source>Add addr&amp;ess...</source>
        <translation>Añadir &amp;dirección...</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Event Color</source>
        <translation>Color de eventos</translation>
    </message>
    <message>
        <source>Choose a calendar</source>
        <translation>Elegir un calendario</translation>
    </message>
    <message>
        <source>Calendars (*.ics);;All files (*)</source>
        <translation>Calendarios (*.ics);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Choose a folder of calendars</source>
        <translation>Elegir una carpeta de calendarios</translation>
    </message>
    <message>
        <source>Add address</source>
        <translation>Añadir dirección</translation>
    </message>
    <message>
        <source>The calendar&apos;s address (http:// or https://):</source>
        <translation>La dirección del calendario (http:// o https://):</translation>
    </message>
    <message>
        <source>A calendar whose name holds &quot;;&quot; cannot be stored.</source>
        <translation>Un calendario cuyo nombre contiene «;» no se puede guardar.</translation>
    </message>
    <message>
        <source>Only http:// and https:// addresses can be fetched.</source>
        <translation>Solo se pueden descargar direcciones http:// y https://.</translation>
    </message>
</context>
<context>
    <name>marvane::ToDoDialog</name>
    <message>
        <source>Set To Do List</source>
        <translation>Lista de tareas</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Año:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mes:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Día:</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Hoy</translation>
    </message>
    <message>
        <source>TODO %1</source>
        <translation>Tarea %1</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Save the changes to the to-do list of %1?</source>
        <translation>¿Guardar los cambios de la lista de tareas del %1?</translation>
    </message>
    <message>
        <source>The to-do items were not saved.

</source>
        <translation>No se han guardado las tareas.

</translation>
    </message>
</context>
</TS>
