<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>no web browser is installed, or it did not start</source>
        <translation>kein Webbrowser ist installiert, oder er ist nicht gestartet</translation>
    </message>
</context>
<context>
    <name>BackgroundPicture</name>
    <message>
        <source>Pictures (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
</context>
<context>
    <name>CalendarPainter</name>
    <message>
        <source>Today: %1</source>
        <translation>Heute: %1</translation>
    </message>
    <message>
        <source>Wk</source>
        <translation>KW</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Could not open %1: %2.</source>
        <translation>%1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>the help page help.htm</source>
        <translation>die Hilfeseite help.htm</translation>
    </message>
    <message>
        <source>it is neither in %1 nor in %2</source>
        <translation>sie liegt weder in %1 noch in %2</translation>
    </message>
    <message>
        <source>help.htm</source>
        <translation>help_de.htm</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>%1; the desktop colour is shown instead</source>
        <translation>%1; stattdessen wird die Desktopfarbe gezeigt</translation>
    </message>
</context>
<context>
    <name>PictureUpdate</name>
    <message>
        <source>The wallpaper was not changed: the picture could not be painted (%1).</source>
        <translation>Das Hintergrundbild wurde nicht geändert: Das Bild konnte nicht gezeichnet werden (%1).</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Choose a picture</source>
        <translation>Bild auswählen</translation>
    </message>
</context>
<context>
    <name>ToDoPanelPainter</name>
    <message>
        <source>To Do List:</source>
        <translation>Aufgaben:</translation>
    </message>
    <message>
        <source>+%1 more</source>
        <translation>+%1 weitere</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>short weekday, day, short month</comment>
        <translation>%1 %2. %3</translation>
    </message>
</context>
<context>
    <name>marvane::AboutDialog</name>
    <message>
        <source>About Marvane</source>
        <translation>Über Marvane</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This free software adds a calendar to your screen&apos;s desktop. And you may also arrange and include your to-do-list.</source>
        <translation>Diese freie Software bringt einen Kalender auf den Desktop Ihres Bildschirms. Außerdem können Sie dort Ihre Aufgabenliste führen und anzeigen.</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Website:</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Support:</translation>
    </message>
</context>
<context>
    <name>marvane::LogonNotice</name>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Behalten</translation>
    </message>
    <message>
        <source>Turn o&amp;ff</source>
        <translation>Aus&amp;schalten</translation>
    </message>
    <message>
        <source>the desktop colour</source>
        <translation>die Desktopfarbe</translation>
    </message>
    <message>
        <source>At every log-on and after midnight, Marvane paints the calendar over %1 and makes it your wallpaper.</source>
        <translation>Bei jeder Anmeldung und nach Mitternacht malt Marvane den Kalender über %1 und macht ihn zu Ihrem Hintergrundbild.</translation>
    </message>
</context>
<context>
    <name>marvane::MainWindow</name>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Neu zeichnen</translation>
    </message>
    <message>
        <source>Set &amp;Desktop</source>
        <translation>Hinter&amp;grund setzen</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Monat:</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>&amp;To Do List...</source>
        <translation>&amp;Aufgaben...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>marvane::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>As the language</source>
        <translation>Wie die Sprache</translation>
    </message>
    <message>
        <source>Month-Day-Year</source>
        <translation>Monat-Tag-Jahr</translation>
    </message>
    <message>
        <source>0 - Left,Top</source>
        <translation>0 - Links oben</translation>
    </message>
    <message>
        <source>1 - Right,Top</source>
        <translation>1 - Rechts oben</translation>
    </message>
    <message>
        <source>2 - Right,Bottom</source>
        <translation>2 - Rechts unten</translation>
    </message>
    <message>
        <source>3 - Left,Bottom</source>
        <translation>3 - Links unten</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Strecken</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Kacheln</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Bild:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Anordnung:</translation>
    </message>
    <message>
        <source>Use c&amp;urrent wallpaper</source>
        <translation>A&amp;ktuelles Hintergrundbild</translation>
    </message>
    <message>
        <source>Desktop Color</source>
        <translation>Desktopfarbe</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Calendar Back Color</source>
        <translation>Kalender: Hintergrund</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Calendar Position</source>
        <translation>Kalenderposition</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>Position Offset X</source>
        <translation>Versatz X</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>Position Offset Y</source>
        <translation>Versatz Y</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Week starts on:</source>
        <translation>Woche beginnt am:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>&amp;Show To Do List</source>
        <translation>Aufgaben an&amp;zeigen</translation>
    </message>
    <message>
        <source>To Do List Back Color</source>
        <translation>Aufgaben: Hintergrund</translation>
    </message>
    <message>
        <source>To Do List Text Color</source>
        <translation>Aufgaben: Textfarbe</translation>
    </message>
    <message>
        <source>Refresh desktop when computer starts.</source>
        <translation>Hintergrund beim Start des Computers erneuern.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keines)</translation>
    </message>
    <message>
        <source>The desktop does not say which picture it shows.</source>
        <translation>Der Desktop gibt nicht an, welches Bild er zeigt.</translation>
    </message>
    <message>
        <source>The desktop shows Marvane&apos;s own picture; choose yours with Browse...</source>
        <translation>Der Desktop zeigt das Bild von Marvane selbst; wählen Sie Ihres mit „Durchsuchen...“.</translation>
    </message>
    <message>
        <source>The settings were not all stored.

</source>
        <translation>Nicht alle Einstellungen wurden gespeichert.

</translation>
    </message>
    <message>
        <source>Mark days with items</source>
        <translation>Tage mit Aufgaben markieren</translation>
    </message>
    <message>
        <source>Days listed:</source>
        <translation>Aufgelistete Tage:</translation>
    </message>
    <message>
        <source>Week numbers</source>
        <translation>Kalenderwochen</translation>
    </message>
    <message>
        <source>&amp;Restore wallpaper</source>
        <translation>Hintergrund &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>The wallpaper the desktop showed before Marvane is back.</source>
        <translation>Das Hintergrundbild, das der Desktop vor Marvane zeigte, ist wieder da.</translation>
    </message>
    <message>
        <source>The wallpaper could not be put back: %1</source>
        <translation>Das Hintergrundbild konnte nicht wiederhergestellt werden: %1</translation>
    </message>
    <message>
        <source>Look:</source>
        <translation>Aussehen:</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Deckkraft:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Calendars:</source>
        <translation>Kalender:</translation>
    </message>
    <message>
        <source>Add f&amp;ile...</source>
        <translation>Datei &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>Add &amp;folder...</source>
        <translation>Ordner h&amp;inzufügen...</translation>
    </message>
    <message>
        <source>Add addr&amp;ess...</source>
        <translation>Adresse hinz&amp;ufügen...</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Ent&amp;fernen</translation>
    </message>
    <message>
        <source>Event Color</source>
        <translation>Terminfarbe</translation>
    </message>
    <message>
        <source>Choose a calendar</source>
        <translation>Kalender wählen</translation>
    </message>
    <message>
        <source>Calendars (*.ics);;All files (*)</source>
        <translation>Kalender (*.ics);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Choose a folder of calendars</source>
        <translation>Ordner mit Kalendern wählen</translation>
    </message>
    <message>
        <source>Add address</source>
        <translation>Adresse hinzufügen</translation>
    </message>
    <message>
        <source>The calendar&apos;s address (http:// or https://):</source>
        <translation>Adresse des Kalenders (http:// oder https://):</translation>
    </message>
    <message>
        <source>A calendar whose name holds &quot;;&quot; cannot be stored.</source>
        <translation>Ein Kalender, dessen Name „;“ enthält, kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Only http:// and https:// addresses can be fetched.</source>
        <translation>Nur Adressen mit http:// und https:// können abgerufen werden.</translation>
    </message>
</context>
<context>
    <name>marvane::ToDoDialog</name>
    <message>
        <source>Set To Do List</source>
        <translation>Aufgabenliste</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Monat:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Tag:</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Heute</translation>
    </message>
    <message>
        <source>TODO %1</source>
        <translation>Aufgabe %1</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Save the changes to the to-do list of %1?</source>
        <translation>Änderungen an der Aufgabenliste vom %1 speichern?</translation>
    </message>
    <message>
        <source>The to-do items were not saved.

</source>
        <translation>Die Aufgaben wurden nicht gespeichert.

</translation>
    </message>
</context>
</TS>
