<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>no web browser is installed, or it did not start</source>
        <translation>aucun navigateur web n&apos;est installé, ou il n&apos;a pas démarré</translation>
    </message>
</context>
<context>
    <name>BackgroundPicture</name>
    <message>
        <source>Pictures (%1)</source>
        <translation>Images (%1)</translation>
    </message>
</context>
<context>
    <name>CalendarPainter</name>
    <message>
        <source>Today: %1</source>
        <translation>Aujourd&apos;hui&#xa0;: %1</translation>
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
        <translation>Impossible d&apos;ouvrir %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>the help page help.htm</source>
        <translation>la page d&apos;aide help.htm</translation>
    </message>
    <message>
        <source>it is neither in %1 nor in %2</source>
        <translation>elle n&apos;est ni dans %1 ni dans %2</translation>
    </message>
    <message>
        <source>help.htm</source>
        <translation>help_fr.htm</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>%1; the desktop colour is shown instead</source>
        <translation>%1&#xa0;; la couleur du bureau est affichée à la place</translation>
    </message>
</context>
<context>
    <name>PictureUpdate</name>
    <message>
        <source>The wallpaper was not changed: the picture could not be painted (%1).</source>
        <translation>Le fond d&apos;écran n&apos;a pas été changé&#xa0;: l&apos;image n&apos;a pas pu être dessinée (%1).</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Choose a picture</source>
        <translation>Choisir une image</translation>
    </message>
</context>
<context>
    <name>ToDoPanelPainter</name>
    <message>
        <source>To Do List:</source>
        <translation>Tâches&#xa0;:</translation>
    </message>
    <message>
        <source>+%1 more</source>
        <translation>+%1 de plus</translation>
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
        <translation>À propos de Marvane</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This free software adds a calendar to your screen&apos;s desktop. And you may also arrange and include your to-do-list.</source>
        <translation>Ce logiciel libre ajoute un calendrier au bureau de votre écran. Vous pouvez aussi y tenir et afficher votre liste de tâches.</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Site web&#xa0;:</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Assistance&#xa0;:</translation>
    </message>
</context>
<context>
    <name>marvane::LogonNotice</name>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Garder</translation>
    </message>
    <message>
        <source>Turn o&amp;ff</source>
        <translation>&amp;Désactiver</translation>
    </message>
    <message>
        <source>the desktop colour</source>
        <translation>la couleur du bureau</translation>
    </message>
    <message>
        <source>At every log-on and after midnight, Marvane paints the calendar over %1 and makes it your wallpaper.</source>
        <translation>À chaque ouverture de session et après minuit, Marvane dessine le calendrier sur %1 et en fait votre fond d&apos;écran.</translation>
    </message>
</context>
<context>
    <name>marvane::MainWindow</name>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Redessiner</translation>
    </message>
    <message>
        <source>Set &amp;Desktop</source>
        <translation>Définir le &amp;fond</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Année&#xa0;:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mois&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>&amp;To Do List...</source>
        <translation>&amp;Tâches...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>marvane::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>As the language</source>
        <translation>Selon la langue</translation>
    </message>
    <message>
        <source>Month-Day-Year</source>
        <translation>Mois-Jour-Année</translation>
    </message>
    <message>
        <source>0 - Left,Top</source>
        <translation>0 - En haut à gauche</translation>
    </message>
    <message>
        <source>1 - Right,Top</source>
        <translation>1 - En haut à droite</translation>
    </message>
    <message>
        <source>2 - Right,Bottom</source>
        <translation>2 - En bas à droite</translation>
    </message>
    <message>
        <source>3 - Left,Bottom</source>
        <translation>3 - En bas à gauche</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplir</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centrer</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Étirer</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Mosaïque</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Image&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Disposition&#xa0;:</translation>
    </message>
    <message>
        <source>Use c&amp;urrent wallpaper</source>
        <translation>Fond d&apos;écran a&amp;ctuel</translation>
    </message>
    <message>
        <source>Desktop Color</source>
        <translation>Couleur du bureau</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Calendar Back Color</source>
        <translation>Fond du calendrier</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Calendar Position</source>
        <translation>Position du calendrier</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>Appli&amp;quer</translation>
    </message>
    <message>
        <source>Position Offset X</source>
        <translation>Décalage X</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>Par &amp;défaut</translation>
    </message>
    <message>
        <source>Position Offset Y</source>
        <translation>Décalage Y</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source>Week starts on:</source>
        <translation>La semaine commence le&#xa0;:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Show To Do List</source>
        <translation>Afficher les &amp;tâches</translation>
    </message>
    <message>
        <source>To Do List Back Color</source>
        <translation>Fond des tâches</translation>
    </message>
    <message>
        <source>To Do List Text Color</source>
        <translation>Texte des tâches</translation>
    </message>
    <message>
        <source>Refresh desktop when computer starts.</source>
        <translation>Actualiser le bureau au démarrage de l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>The desktop does not say which picture it shows.</source>
        <translation>Le bureau n&apos;indique pas quelle image il affiche.</translation>
    </message>
    <message>
        <source>The desktop shows Marvane&apos;s own picture; choose yours with Browse...</source>
        <translation>Le bureau affiche l&apos;image de Marvane elle-même&#xa0;; choisissez la vôtre avec Parcourir...</translation>
    </message>
    <message>
        <source>The settings were not all stored.

</source>
        <translation>Les réglages n&apos;ont pas tous été enregistrés.

</translation>
    </message>
    <message>
        <source>Mark days with items</source>
        <translation>Marquer les jours qui ont des tâches</translation>
    </message>
    <message>
        <source>Days listed:</source>
        <translation>Jours listés&#xa0;:</translation>
    </message>
    <message>
        <source>Week numbers</source>
        <translation>Numéros de semaine</translation>
    </message>
    <message>
        <source>&amp;Restore wallpaper</source>
        <translation>&amp;Rétablir le fond d&apos;écran</translation>
    </message>
    <message>
        <source>The wallpaper the desktop showed before Marvane is back.</source>
        <translation>Le fond d&apos;écran que le bureau montrait avant Marvane est de retour.</translation>
    </message>
    <message>
        <source>The wallpaper could not be put back: %1</source>
        <translation>Le fond d&apos;écran n&apos;a pas pu être rétabli : %1</translation>
    </message>
    <message>
        <source>Look:</source>
        <translation>Apparence&#xa0;:</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartes</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Opacité&#xa0;:</translation>
    </message>
    <message>
        <source> %</source>
        <translation>&#xa0;%</translation>
    </message>
    <message>
        <source>Calendars:</source>
        <translation>Calendriers&#xa0;:</translation>
    </message>
    <message>
        <source>Add f&amp;ile...</source>
        <translation>Ajouter un &amp;fichier...</translation>
    </message>
    <message>
        <source>Add &amp;folder...</source>
        <translation>Ajouter un do&amp;ssier...</translation>
    </message>
    <message>
        <source>Add addr&amp;ess...</source>
        <translation>Ajo&amp;uter une adresse...</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Ret&amp;irer</translation>
    </message>
    <message>
        <source>Event Color</source>
        <translation>Couleur des événements</translation>
    </message>
    <message>
        <source>Choose a calendar</source>
        <translation>Choisir un calendrier</translation>
    </message>
    <message>
        <source>Calendars (*.ics);;All files (*)</source>
        <translation>Calendriers (*.ics);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Choose a folder of calendars</source>
        <translation>Choisir un dossier de calendriers</translation>
    </message>
    <message>
        <source>Add address</source>
        <translation>Ajouter une adresse</translation>
    </message>
    <message>
        <source>The calendar&apos;s address (http:// or https://):</source>
        <translation>L&apos;adresse du calendrier (http:// ou https://)&#xa0;:</translation>
    </message>
    <message>
        <source>A calendar whose name holds &quot;;&quot; cannot be stored.</source>
        <translation>Un calendrier dont le nom contient «&#xa0;;&#xa0;» ne peut pas être enregistré.</translation>
    </message>
    <message>
        <source>Only http:// and https:// addresses can be fetched.</source>
        <translation>Seules les adresses http:// et https:// peuvent être récupérées.</translation>
    </message>
</context>
<context>
    <name>marvane::ToDoDialog</name>
    <message>
        <source>Set To Do List</source>
        <translation>Liste des tâches</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Année&#xa0;:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mois&#xa0;:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Jour&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>TODO %1</source>
        <translation>Tâche %1</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Save the changes to the to-do list of %1?</source>
        <translation>Enregistrer les modifications de la liste des tâches du %1&#xa0;?</translation>
    </message>
    <message>
        <source>The to-do items were not saved.

</source>
        <translation>Les tâches n&apos;ont pas été enregistrées.

</translation>
    </message>
</context>
</TS>
