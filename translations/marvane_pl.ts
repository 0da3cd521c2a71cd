<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>no web browser is installed, or it did not start</source>
        <translation>nie zainstalowano przeglądarki internetowej albo nie uruchomiła się</translation>
    </message>
</context>
<context>
    <name>BackgroundPicture</name>
    <message>
        <source>Pictures (%1)</source>
        <translation>Obrazy (%1)</translation>
    </message>
</context>
<context>
    <name>CalendarPainter</name>
    <message>
        <source>Today: %1</source>
        <translation>Dzisiaj: %1</translation>
    </message>
    <message>
        <source>Wk</source>
        <translation>Tydz.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Could not open %1: %2.</source>
        <translation>Nie można otworzyć: %1 – %2.</translation>
    </message>
    <message>
        <source>the help page help.htm</source>
        <translation>strona pomocy help.htm</translation>
    </message>
    <message>
        <source>it is neither in %1 nor in %2</source>
        <translation>nie ma jej ani w %1, ani w %2</translation>
    </message>
    <message>
        <source>help.htm</source>
        <translation>help_pl.htm</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>%1; the desktop colour is shown instead</source>
        <translation>%1; zamiast tego wyświetlany jest kolor pulpitu</translation>
    </message>
</context>
<context>
    <name>PictureUpdate</name>
    <message>
        <source>The wallpaper was not changed: the picture could not be painted (%1).</source>
        <translation>Tapeta nie została zmieniona: nie udało się narysować obrazu (%1).</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Choose a picture</source>
        <translation>Wybierz obraz</translation>
    </message>
</context>
<context>
    <name>ToDoPanelPainter</name>
    <message>
        <source>To Do List:</source>
        <translation>Zadania:</translation>
    </message>
    <message>
        <source>+%1 more</source>
        <translation>+%1 więcej</translation>
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
        <translation>O programie Marvane</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This free software adds a calendar to your screen&apos;s desktop. And you may also arrange and include your to-do-list.</source>
        <translation>Ten wolny program dodaje kalendarz do pulpitu. Możesz też prowadzić na nim i wyświetlać swoją listę zadań.</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Strona WWW:</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Pomoc techniczna:</translation>
    </message>
</context>
<context>
    <name>marvane::LogonNotice</name>
    <message>
        <source>&amp;Keep</source>
        <translation>Za&amp;chowaj</translation>
    </message>
    <message>
        <source>Turn o&amp;ff</source>
        <translation>&amp;Wyłącz</translation>
    </message>
    <message>
        <source>the desktop colour</source>
        <translation>koloru pulpitu</translation>
    </message>
    <message>
        <source>At every log-on and after midnight, Marvane paints the calendar over %1 and makes it your wallpaper.</source>
        <translation>Przy każdym logowaniu i po północy Marvane rysuje kalendarz na tle %1 i ustawia go jako tapetę.</translation>
    </message>
</context>
<context>
    <name>marvane::MainWindow</name>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Odśwież</translation>
    </message>
    <message>
        <source>Set &amp;Desktop</source>
        <translation>Ustaw &amp;tapetę</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Rok:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Miesiąc:</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Ustawienia...</translation>
    </message>
    <message>
        <source>&amp;To Do List...</source>
        <translation>&amp;Zadania...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informacje...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
</context>
<context>
    <name>marvane::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatycznie</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Niedziela</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Poniedziałek</translation>
    </message>
    <message>
        <source>As the language</source>
        <translation>Jak w języku</translation>
    </message>
    <message>
        <source>Month-Day-Year</source>
        <translation>Miesiąc-Dzień-Rok</translation>
    </message>
    <message>
        <source>0 - Left,Top</source>
        <translation>0 - Lewy górny</translation>
    </message>
    <message>
        <source>1 - Right,Top</source>
        <translation>1 - Prawy górny</translation>
    </message>
    <message>
        <source>2 - Right,Bottom</source>
        <translation>2 - Prawy dolny</translation>
    </message>
    <message>
        <source>3 - Left,Bottom</source>
        <translation>3 - Lewy dolny</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Wypełnij</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Dopasuj</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Wyśrodkuj</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Rozciągnij</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Sąsiadująco</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Obraz:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Przeglądaj...</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Wyczyść</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Układ:</translation>
    </message>
    <message>
        <source>Use c&amp;urrent wallpaper</source>
        <translation>Użyj &amp;bieżącej tapety</translation>
    </message>
    <message>
        <source>Desktop Color</source>
        <translation>Kolor pulpitu</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Calendar Back Color</source>
        <translation>Tło kalendarza</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Calendar Position</source>
        <translation>Położenie kalendarza</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Zastosuj</translation>
    </message>
    <message>
        <source>Position Offset X</source>
        <translation>Przesunięcie X</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Domyślne</translation>
    </message>
    <message>
        <source>Position Offset Y</source>
        <translation>Przesunięcie Y</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Rozmiar:</translation>
    </message>
    <message>
        <source>Week starts on:</source>
        <translation>Początek tygodnia:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>&amp;Show To Do List</source>
        <translation>Pokaż &amp;listę zadań</translation>
    </message>
    <message>
        <source>To Do List Back Color</source>
        <translation>Tło listy zadań</translation>
    </message>
    <message>
        <source>To Do List Text Color</source>
        <translation>Tekst listy zadań</translation>
    </message>
    <message>
        <source>Refresh desktop when computer starts.</source>
        <translation>Odświeżaj pulpit przy starcie komputera.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(brak)</translation>
    </message>
    <message>
        <source>The desktop does not say which picture it shows.</source>
        <translation>Pulpit nie podaje, jaki obraz wyświetla.</translation>
    </message>
    <message>
        <source>The desktop shows Marvane&apos;s own picture; choose yours with Browse...</source>
        <translation>Pulpit wyświetla własny obraz programu Marvane; wybierz swój przyciskiem Przeglądaj...</translation>
    </message>
    <message>
        <source>The settings were not all stored.

</source>
        <translation>Nie wszystkie ustawienia zostały zapisane.

</translation>
    </message>
    <message>
        <source>Mark days with items</source>
        <translation>Zaznacz dni z zadaniami</translation>
    </message>
    <message>
        <source>Days listed:</source>
        <translation>Wyświetlane dni:</translation>
    </message>
    <message>
        <source>Week numbers</source>
        <translation>Numery tygodni</translation>
    </message>
    <message>
        <source>&amp;Restore wallpaper</source>
        <translation>P&amp;rzywróć tapetę</translation>
    </message>
    <message>
        <source>The wallpaper the desktop showed before Marvane is back.</source>
        <translation>Tapeta, którą pulpit pokazywał przed Marvane, wróciła.</translation>
    </message>
    <message>
        <source>The wallpaper could not be put back: %1</source>
        <translation>Nie udało się przywrócić tapety: %1</translation>
    </message>
    <message>
        <source>Look:</source>
        <translation>Wygląd:</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klasyczny</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karty</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Krycie:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Calendars:</source>
        <translation>Kalendarze:</translation>
    </message>
    <message>
        <source>Add f&amp;ile...</source>
        <translation>Dodaj pl&amp;ik...</translation>
    </message>
    <message>
        <source>Add &amp;folder...</source>
        <translation>Dodaj &amp;folder...</translation>
    </message>
    <message>
        <source>Add addr&amp;ess...</source>
        <translation>Dodaj adr&amp;es...</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Event Color</source>
        <translation>Kolor wydarzeń</translation>
    </message>
    <message>
        <source>Choose a calendar</source>
        <translation>Wybierz kalendarz</translation>
    </message>
    <message>
        <source>Calendars (*.ics);;All files (*)</source>
        <translation>Kalendarze (*.ics);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Choose a folder of calendars</source>
        <translation>Wybierz folder kalendarzy</translation>
    </message>
    <message>
        <source>Add address</source>
        <translation>Dodaj adres</translation>
    </message>
    <message>
        <source>The calendar&apos;s address (http:// or https://):</source>
        <translation>Adres kalendarza (http:// lub https://):</translation>
    </message>
    <message>
        <source>A calendar whose name holds &quot;;&quot; cannot be stored.</source>
        <translation>Kalendarza, którego nazwa zawiera „;”, nie można zapisać.</translation>
    </message>
    <message>
        <source>Only http:// and https:// addresses can be fetched.</source>
        <translation>Można pobierać tylko adresy http:// i https://.</translation>
    </message>
</context>
<context>
    <name>marvane::ToDoDialog</name>
    <message>
        <source>Set To Do List</source>
        <translation>Lista zadań</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Rok:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Miesiąc:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Dzień:</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Dzisiaj</translation>
    </message>
    <message>
        <source>TODO %1</source>
        <translation>Zadanie %1</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Za&amp;mknij</translation>
    </message>
    <message>
        <source>Save the changes to the to-do list of %1?</source>
        <translation>Zapisać zmiany na liście zadań z dnia %1?</translation>
    </message>
    <message>
        <source>The to-do items were not saved.

</source>
        <translation>Zadania nie zostały zapisane.

</translation>
    </message>
</context>
</TS>
