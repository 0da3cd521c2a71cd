<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>no web browser is installed, or it did not start</source>
        <translation>nessun browser web è installato, oppure non si è avviato</translation>
    </message>
</context>
<context>
    <name>BackgroundPicture</name>
    <message>
        <source>Pictures (%1)</source>
        <translation>Immagini (%1)</translation>
    </message>
</context>
<context>
    <name>CalendarPainter</name>
    <message>
        <source>Today: %1</source>
        <translation>Oggi: %1</translation>
    </message>
    <message>
        <source>Wk</source>
        <translation>Sett.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Could not open %1: %2.</source>
        <translation>Impossibile aprire %1: %2.</translation>
    </message>
    <message>
        <source>the help page help.htm</source>
        <translation>la pagina della guida help.htm</translation>
    </message>
    <message>
        <source>it is neither in %1 nor in %2</source>
        <translation>non si trova né in %1 né in %2</translation>
    </message>
    <message>
        <source>help.htm</source>
        <translation>help_it.htm</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>%1; the desktop colour is shown instead</source>
        <translation>%1; al suo posto viene mostrato il colore del desktop</translation>
    </message>
</context>
<context>
    <name>PictureUpdate</name>
    <message>
        <source>The wallpaper was not changed: the picture could not be painted (%1).</source>
        <translation>Lo sfondo non è stato cambiato: non è stato possibile disegnare l&apos;immagine (%1).</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Choose a picture</source>
        <translation>Scegli un&apos;immagine</translation>
    </message>
</context>
<context>
    <name>ToDoPanelPainter</name>
    <message>
        <source>To Do List:</source>
        <translation>Attività:</translation>
    </message>
    <message>
        <source>+%1 more</source>
        <translation>+%1 altre</translation>
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
        <translation>Informazioni su Marvane</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This free software adds a calendar to your screen&apos;s desktop. And you may also arrange and include your to-do-list.</source>
        <translation>Questo software libero aggiunge un calendario al desktop del tuo schermo. Puoi anche organizzarvi e mostrarvi il tuo elenco di attività.</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Sito web:</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Assistenza:</translation>
    </message>
</context>
<context>
    <name>marvane::LogonNotice</name>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Mantieni</translation>
    </message>
    <message>
        <source>Turn o&amp;ff</source>
        <translation>&amp;Disattiva</translation>
    </message>
    <message>
        <source>the desktop colour</source>
        <translation>il colore del desktop</translation>
    </message>
    <message>
        <source>At every log-on and after midnight, Marvane paints the calendar over %1 and makes it your wallpaper.</source>
        <translation>A ogni accesso e dopo mezzanotte, Marvane disegna il calendario sopra %1 e lo imposta come sfondo.</translation>
    </message>
</context>
<context>
    <name>marvane::MainWindow</name>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aggiorna</translation>
    </message>
    <message>
        <source>Set &amp;Desktop</source>
        <translation>Imposta &amp;sfondo</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Anno:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mese:</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opzioni...</translation>
    </message>
    <message>
        <source>&amp;To Do List...</source>
        <translation>A&amp;ttività...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
</context>
<context>
    <name>marvane::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatica</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domenica</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunedì</translation>
    </message>
    <message>
        <source>As the language</source>
        <translation>Come la lingua</translation>
    </message>
    <message>
        <source>Month-Day-Year</source>
        <translation>Mese-Giorno-Anno</translation>
    </message>
    <message>
        <source>0 - Left,Top</source>
        <translation>0 - In alto a sinistra</translation>
    </message>
    <message>
        <source>1 - Right,Top</source>
        <translation>1 - In alto a destra</translation>
    </message>
    <message>
        <source>2 - Right,Bottom</source>
        <translation>2 - In basso a destra</translation>
    </message>
    <message>
        <source>3 - Left,Bottom</source>
        <translation>3 - In basso a sinistra</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Riempi</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Adatta</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centra</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Estendi</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Affianca</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Immagine:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Sfoglia...</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Stile:</translation>
    </message>
    <message>
        <source>Use c&amp;urrent wallpaper</source>
        <translation>Usa sfondo a&amp;ttuale</translation>
    </message>
    <message>
        <source>Desktop Color</source>
        <translation>Colore del desktop</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Calendar Back Color</source>
        <translation>Sfondo del calendario</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnulla</translation>
    </message>
    <message>
        <source>Calendar Position</source>
        <translation>Posizione del calendario</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Applica</translation>
    </message>
    <message>
        <source>Position Offset X</source>
        <translation>Scostamento X</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>Pre&amp;definite</translation>
    </message>
    <message>
        <source>Position Offset Y</source>
        <translation>Scostamento Y</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Dimensione:</translation>
    </message>
    <message>
        <source>Week starts on:</source>
        <translation>La settimana inizia di:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>&amp;Show To Do List</source>
        <translation>&amp;Mostra attività</translation>
    </message>
    <message>
        <source>To Do List Back Color</source>
        <translation>Sfondo delle attività</translation>
    </message>
    <message>
        <source>To Do List Text Color</source>
        <translation>Testo delle attività</translation>
    </message>
    <message>
        <source>Refresh desktop when computer starts.</source>
        <translation>Aggiorna il desktop all&apos;avvio del computer.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuna)</translation>
    </message>
    <message>
        <source>The desktop does not say which picture it shows.</source>
        <translation>Il desktop non indica quale immagine mostra.</translation>
    </message>
    <message>
        <source>The desktop shows Marvane&apos;s own picture; choose yours with Browse...</source>
        <translation>Il desktop mostra l&apos;immagine di Marvane stesso; scegli la tua con Sfoglia...</translation>
    </message>
    <message>
        <source>The settings were not all stored.

</source>
        <translation>Non tutte le impostazioni sono state salvate.

</translation>
    </message>
    <message>
        <source>Mark days with items</source>
        <translation>Segna i giorni con attività</translation>
    </message>
    <message>
        <source>Days listed:</source>
        <translation>Giorni elencati:</translation>
    </message>
    <message>
        <source>Week numbers</source>
        <translation>Numeri di settimana</translation>
    </message>
    <message>
        <source>&amp;Restore wallpaper</source>
        <translation>Ripristina s&amp;fondo</translation>
    </message>
    <message>
        <source>The wallpaper the desktop showed before Marvane is back.</source>
        <translation>Lo sfondo che il desktop mostrava prima di Marvane è tornato.</translation>
    </message>
    <message>
        <source>The wallpaper could not be put back: %1</source>
        <translation>Non è stato possibile ripristinare lo sfondo: %1</translation>
    </message>
    <message>
        <source>Look:</source>
        <translation>Aspetto:</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classico</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Schede</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Opacità:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Calendars:</source>
        <translation>Calendari:</translation>
    </message>
    <message>
        <source>Add f&amp;ile...</source>
        <translation>Aggiungi f&amp;ile...</translation>
    </message>
    <message>
        <source>Add &amp;folder...</source>
        <translation>Aggiungi &amp;cartella...</translation>
    </message>
    <message>
        <source>Add addr&amp;ess...</source>
        <translation>Aggiungi indiri&amp;zzo...</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>E&amp;limina</translation>
    </message>
    <message>
        <source>Event Color</source>
        <translation>Colore eventi</translation>
    </message>
    <message>
        <source>Choose a calendar</source>
        <translation>Scegli un calendario</translation>
    </message>
    <message>
        <source>Calendars (*.ics);;All files (*)</source>
        <translation>Calendari (*.ics);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Choose a folder of calendars</source>
        <translation>Scegli una cartella di calendari</translation>
    </message>
    <message>
        <source>Add address</source>
        <translation>Aggiungi indirizzo</translation>
    </message>
    <message>
        <source>The calendar&apos;s address (http:// or https://):</source>
        <translation>L&apos;indirizzo del calendario (http:// o https://):</translation>
    </message>
    <message>
        <source>A calendar whose name holds &quot;;&quot; cannot be stored.</source>
        <translation>Un calendario il cui nome contiene «;» non può essere salvato.</translation>
    </message>
    <message>
        <source>Only http:// and https:// addresses can be fetched.</source>
        <translation>Si possono scaricare solo indirizzi http:// e https://.</translation>
    </message>
</context>
<context>
    <name>marvane::ToDoDialog</name>
    <message>
        <source>Set To Do List</source>
        <translation>Elenco attività</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Anno:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mese:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Giorno:</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Oggi</translation>
    </message>
    <message>
        <source>TODO %1</source>
        <translation>Attività %1</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Save the changes to the to-do list of %1?</source>
        <translation>Salvare le modifiche all&apos;elenco attività del %1?</translation>
    </message>
    <message>
        <source>The to-do items were not saved.

</source>
        <translation>Le attività non sono state salvate.

</translation>
    </message>
</context>
</TS>
