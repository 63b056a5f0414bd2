<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de">
<context>
    <name>Einstellungsdatei</name>
    <message>
        <source>Kurse vom %1 (Quelle: %2)</source>
        <translation>Rates of %1 (source: %2)</translation>
    </message>
    <message>
        <source>mitgelieferte Tabelle</source>
        <translation>bundled table</translation>
    </message>
    <message>
        <source>
Die Kurse sind älter als eine Woche.</source>
        <translation>
The rates are more than a week old.</translation>
    </message>
</context>
<context>
    <name>Historienabruf</name>
    <message>
        <source>Keine Verbindung zu %1, oder der Server hat die Datei nicht geliefert.</source>
        <translation>No connection to %1, or the server did not deliver the file.</translation>
    </message>
</context>
<context>
    <name>Kurshistorie</name>
    <message>
        <source>Das Historienmodul fehlt: %1</source>
        <translation>The rate history module is missing: %1</translation>
    </message>
    <message>
        <source>Qt findet keinen SQLite-Treiber (Paket libqt6sql6-sqlite).</source>
        <translation>Qt finds no SQLite driver (package libqt6sql6-sqlite).</translation>
    </message>
    <message>
        <source>Die Datei ist keine Kursgeschichte dieses Programms.</source>
        <translation>The file is not a rate history of this program.</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht ersetzt werden.</source>
        <translation>The file could not be replaced.</translation>
    </message>
</context>
<context>
    <name>Kurztasten</name>
    <message>
        <source>Entf</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Strg+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Strg+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Strg+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>Strg+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Tastatur: %1</source>
        <translation>Keyboard: %1</translation>
    </message>
    <message>
        <source>, oder .</source>
        <translation>, or .</translation>
    </message>
    <message>
        <source>= oder Eingabetaste</source>
        <translation>= or Enter</translation>
    </message>
    <message>
        <source>Rücktaste</source>
        <translation>Backspace</translation>
    </message>
</context>
<context>
    <name>Ordnerwahl</name>
    <message>
        <source>Der Datenordner "%1" konnte nicht angelegt werden.</source>
        <translation>The data folder "%1" could not be created.</translation>
    </message>
    <message>
        <source>Die Kurstabelle konnte nicht nach "%1" kopiert werden.

%2</source>
        <translation>The rate table could not be copied to "%1".

%2</translation>
    </message>
</context>
<context>
    <name>QtPlattform</name>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>Rechenwerk</name>
    <message>
        <source>Ungültiger Zustand der Statemachine</source>
        <translation>Invalid state of the state machine</translation>
    </message>
    <message>
        <source>Überlauf</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Division durch Null.</source>
        <translation>Division by zero.</translation>
    </message>
    <message>
        <source>Unzulässiger Funktionsaufruf.</source>
        <translation>Invalid input.</translation>
    </message>
    <message>
        <source>Fehler.</source>
        <translation>Error.</translation>
    </message>
</context>
<context>
    <name>Tastenfeld</name>
    <message>
        <source>Letzte Ziffer löschen</source>
        <translation>Delete last digit</translation>
    </message>
    <message>
        <source>Eingabe löschen</source>
        <translation>Clear entry</translation>
    </message>
    <message>
        <source>Alles löschen</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>Sieben</source>
        <translation>Seven</translation>
    </message>
    <message>
        <source>Acht</source>
        <translation>Eight</translation>
    </message>
    <message>
        <source>Neun</source>
        <translation>Nine</translation>
    </message>
    <message>
        <source>Geteilt durch</source>
        <translation>Divide by</translation>
    </message>
    <message>
        <source>Quadratwurzel</source>
        <translation>Square root</translation>
    </message>
    <message>
        <source>Vier</source>
        <translation>Four</translation>
    </message>
    <message>
        <source>Fünf</source>
        <translation>Five</translation>
    </message>
    <message>
        <source>Sechs</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Mal</source>
        <translation>Multiply by</translation>
    </message>
    <message>
        <source>Prozent</source>
        <translation>Percent</translation>
    </message>
    <message>
        <source>Eins</source>
        <translation>One</translation>
    </message>
    <message>
        <source>Zwei</source>
        <translation>Two</translation>
    </message>
    <message>
        <source>Drei</source>
        <translation>Three</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Kehrwert</source>
        <translation>Reciprocal</translation>
    </message>
    <message>
        <source>Null</source>
        <translation>Zero</translation>
    </message>
    <message>
        <source>Vorzeichen wechseln</source>
        <translation>Change sign</translation>
    </message>
    <message>
        <source>Komma</source>
        <translation>Decimal point</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Ist gleich</source>
        <translation>Equals</translation>
    </message>
    <message>
        <source>Speicher löschen</source>
        <translation>Memory clear</translation>
    </message>
    <message>
        <source>Speicher abrufen</source>
        <translation>Memory recall</translation>
    </message>
    <message>
        <source>Speicher setzen</source>
        <translation>Memory store</translation>
    </message>
    <message>
        <source>Zum Speicher addieren</source>
        <translation>Memory add</translation>
    </message>
</context>
<context>
    <name>Textdatei</name>
    <message>
        <source>Unter diesem Namen liegt ein Ordner.</source>
        <translation>There is a folder of this name.</translation>
    </message>
    <message>
        <source>Unter diesem Namen liegt keine gewöhnliche Datei.</source>
        <translation>There is no regular file of this name.</translation>
    </message>
    <message>
        <source>Die Verknüpfung zeigt auf keine Datei.</source>
        <translation>The link does not point to a file.</translation>
    </message>
</context>
<context>
    <name>Texte</name>
    <message>
        <source>Euro-Referenz- und Wechselkurse</source>
        <translation>Euro reference and exchange rates</translation>
    </message>
    <message>
        <source>der Europäischen Zentralbank</source>
        <translation>of the European Central Bank</translation>
    </message>
    <message>
        <source>Präsentiert von:</source>
        <translation>Presented by:</translation>
    </message>
    <message>
        <source>Klicken Sie hier, um auf die Homepage zu kommen</source>
        <translation>Click here to visit the home page</translation>
    </message>
</context>
<context>
    <name>Verlaufsleser</name>
    <message>
        <source>Die Datei enthält keine Wechselkurse.</source>
        <translation>The file contains no exchange rates.</translation>
    </message>
    <message>
        <source>Das Zip-Archiv ist beschädigt.</source>
        <translation>The zip archive is damaged.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Zip-Archiv.</source>
        <translation>The file is not a zip archive.</translation>
    </message>
    <message>
        <source>Die Datei im Zip-Archiv ist zu groß.</source>
        <translation>The file in the zip archive is too large.</translation>
    </message>
    <message>
        <source>Das Zip-Archiv enthält keine CSV-Datei.</source>
        <translation>The zip archive contains no CSV file.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Kursgeschichte der EZB.</source>
        <translation>The file is not an ECB rate history.</translation>
    </message>
</context>
<context>
    <name>Webretreiver</name>
    <message>
        <source>Das Netzwerkmodul fehlt: %1</source>
        <translation>The network module is missing: %1</translation>
    </message>
</context>
<context>
    <name>zirvanto::CurrencyEdit</name>
    <message>
        <source>Wechselkurs bearbeiten</source>
        <translation>Edit exchange rate</translation>
    </message>
    <message>
        <source>ISO-Code:</source>
        <translation>ISO code:</translation>
    </message>
    <message>
        <source>Bezeichnung:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Kurs:</source>
        <translation>Rate:</translation>
    </message>
    <message>
        <source>ISO-Code</source>
        <translation>ISO code</translation>
    </message>
    <message>
        <source>Bezeichnung</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Kurs in Einheiten je Euro</source>
        <translation>Rate in units per euro</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Der Doppelpunkt ist in ISO-Code und Bezeichnung nicht erlaubt.</source>
        <translation>A colon is not allowed in the ISO code or the name.</translation>
    </message>
</context>
<context>
    <name>zirvanto::Hauptwaehrung</name>
    <message>
        <source>Währungen</source>
        <translation>Currencies</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Hauptwährung übernehmen</source>
        <translation>Use as main currency</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>zirvanto::HilfeDialog</name>
    <message>
        <source>In diesem Dialog legen Sie die Einstellungen fest, die zum erfolgreichen Update der Wechselkurse über das Internet notwendig sind. Bitte beachten Sie dabei die nachstehend angeführten Punkte:</source>
        <translation>In this dialog you set what is needed to update the exchange rates over the Internet. Please note the following points:</translation>
    </message>
    <message>
        <source>Im Feld "Proxy" geben Sie bitte gegebenenfalls den Namen Ihres Proxy-Servers an. Falls Sie keinen Proxy-Server verwenden, lassen Sie dieses Feld einfach leer. Die Adresse Ihres Proxy-Servers kann Ihnen Ihr Systemverwalter sagen, Sie finden Sie auch in Ihrem Webbrowser bei den Netzwerkeinstellungen.</source>
        <translation>If you use a proxy server, enter its name in the "Proxy" field; otherwise simply leave the field empty. Your system administrator can tell you the address of your proxy server; you will also find it in the network settings of your web browser.</translation>
    </message>
    <message>
        <source>Mit der Einstellung "automatisches Update" legen Sie fest, ob der Rechner bei jedem Programmstart die aktuellen Wechselkurse aus dem Internet laden soll. Falls Sie eine permanente Verbindung zum Internet haben, wird diese Einstellung empfohlen. Für Modembesitzer besteht die Möglichkeit, die automatische Modemverbindung durch Abwahl dieser Option zu unterdrücken.</source>
        <translation>The "automatic update" setting decides whether the calculator loads the latest exchange rates from the Internet every time it starts. It is recommended if you have a permanent Internet connection. If you connect by modem, clear this option to keep the modem from dialling automatically.</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Hilfe schließen</source>
        <translation>Close help</translation>
    </message>
</context>
<context>
    <name>zirvanto::Infoform</name>
    <message>
        <source>Alle Werte auf 2 Stellen gerundet </source>
        <translation>All values rounded to 2 decimal places </translation>
    </message>
    <message>
        <source>Alle Angaben ohne Gewähr.</source>
        <translation>Errors and omissions excepted.</translation>
    </message>
    <message>
        <source>Programmiert vom Zirvanto-Team</source>
        <translation>Programmed by the Zirvanto team</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>zirvanto::Kursliste</name>
    <message>
        <source>ISO-Code</source>
        <translation>ISO code</translation>
    </message>
    <message>
        <source>Bezeichnung</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Kurs</source>
        <translation>Rate</translation>
    </message>
</context>
<context>
    <name>zirvanto::Options</name>
    <message>
        <source>Proxy:</source>
        <translation>Proxy:</translation>
    </message>
    <message>
        <source>Proxy-Server</source>
        <translation>Proxy server</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Port des Proxy-Servers</source>
        <translation>Proxy server port</translation>
    </message>
    <message>
        <source>automatisches Update</source>
        <translation>automatic update</translation>
    </message>
    <message>
        <source>Automatisches Update bei jedem Start</source>
        <translation>Automatic update at every start</translation>
    </message>
    <message>
        <source>Das letzte Update erfolgte am 1. 1. 1999</source>
        <translation>Last updated on 1 January 1999</translation>
    </message>
    <message>
        <source>Letztes Update</source>
        <translation>Last update</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Einstellungen übernehmen</source>
        <translation>Apply settings</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>zirvanto::Rechner</name>
    <message>
        <source>Programmbild</source>
        <translation>Program picture</translation>
    </message>
    <message>
        <source>Klicken Sie hier, um die Wechselkurse zu bearbeiten!</source>
        <translation>Click here to edit the exchange rates!</translation>
    </message>
    <message>
        <source>Wechselkurs der Hauptwährung</source>
        <translation>Exchange rate of the main currency</translation>
    </message>
    <message>
        <source>Kurstabelle öffnen oder schließen</source>
        <translation>Open or close the rate table</translation>
    </message>
    <message>
        <source>Hier klicken, um alle Kurse anzuzeigen</source>
        <translation>Click here to show all rates</translation>
    </message>
    <message>
        <source>Euro</source>
        <translation>Euro</translation>
    </message>
    <message>
        <source>Betrag in Euro</source>
        <translation>Amount in euros</translation>
    </message>
    <message>
        <source>Hauptwährung</source>
        <translation>Main currency</translation>
    </message>
    <message>
        <source>Betrag in der Hauptwährung</source>
        <translation>Amount in the main currency</translation>
    </message>
    <message>
        <source>Eingabewährung wechseln</source>
        <translation>Switch input currency</translation>
    </message>
    <message>
        <source>Hier wird die Eingabewährung festgelegt!</source>
        <translation>This sets the currency you type in!</translation>
    </message>
    <message>
        <source>Speicheranzeige</source>
        <translation>Memory indicator</translation>
    </message>
    <message>
        <source>Speicher belegt</source>
        <translation>Memory in use</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Werbung</source>
        <translation>Advertisement</translation>
    </message>
    <message>
        <source>Wechselkurse aktualisieren</source>
        <translation>Update exchange rates</translation>
    </message>
    <message>
        <source>Update!</source>
        <translation>Update!</translation>
    </message>
    <message>
        <source>Klicken Sie hier, um die Wechselkurse zu aktualisieren.</source>
        <translation>Click here to update the exchange rates.</translation>
    </message>
    <message>
        <source>Letztes Update</source>
        <translation>Last update</translation>
    </message>
    <message>
        <source>Das letzte Update erfolgte am</source>
        <translation>Last updated on</translation>
    </message>
    <message>
        <source>Datum des letzten Updates</source>
        <translation>Date of the last update</translation>
    </message>
    <message>
        <source>Zeile %1</source>
        <translation>Row %1</translation>
    </message>
    <message>
        <source>Währung in Zeile %1</source>
        <translation>Currency in row %1</translation>
    </message>
    <message>
        <source>Flagge in Zeile %1</source>
        <translation>Flag in row %1</translation>
    </message>
    <message>
        <source>Betrag in Zeile %1</source>
        <translation>Amount in row %1</translation>
    </message>
    <message>
        <source>Ungültige Währung</source>
        <translation>Invalid currency</translation>
    </message>
    <message>
        <source>Überlauf</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Kopieren</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Einfügen</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Kurstabelle zeigen</source>
        <translation>Show rate &amp;table</translation>
    </message>
    <message>
        <source>&amp;Wechselkurse bearbeiten...</source>
        <translation>Edit exchange &amp;rates...</translation>
    </message>
    <message>
        <source>&amp;Hauptwährung setzen</source>
        <translation>Set &amp;main currency</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Fehler: die Wechselkurse konnten nicht geladen werden!</source>
        <translation>Error: the exchange rates could not be loaded!</translation>
    </message>
    <message>
        <source>&amp;Internet Kurs-Update</source>
        <translation>&amp;Internet rate update</translation>
    </message>
    <message>
        <source>&amp;Einstellungen...</source>
        <translation>&amp;Settings...</translation>
    </message>
    <message>
        <source>Die Wechselkurse wurden erfolgreich geladen.</source>
        <translation>The exchange rates were loaded successfully.</translation>
    </message>
    <message>
        <source>Das letzte Update erfolgte am %1.</source>
        <translation>Last updated on %1.</translation>
    </message>
    <message>
        <source>Wollen Sie die Wechselkurse bei jedem Programmstart automatisch aktualisieren?</source>
        <translation>Do you want the exchange rates updated automatically every time the program starts?</translation>
    </message>
    <message>
        <source>Die Datei "%1" konnte nicht gespeichert werden.</source>
        <translation>The file "%1" could not be saved.</translation>
    </message>
    <message>
        <source>Die Datei "%1" konnte nicht gelesen werden.</source>
        <translation>The file "%1" could not be read.</translation>
    </message>
    <message>
        <source>:/bilder/werbelogo.bmp</source>
        <comment>the built-in logo, whose slogan each language has</comment>
        <translation>:/bilder/werbelogo_en.bmp</translation>
    </message>
    <message>
        <source>Kurse vom &amp;Datum...</source>
        <translation>Rates on a &amp;date...</translation>
    </message>
    <message>
        <source>Die neuesten Kurse der EZB werden geladen...</source>
        <translation>Loading the ECB's latest rates...</translation>
    </message>
    <message>
        <source>Die Kursgeschichte der EZB wird geladen...</source>
        <translation>Loading the ECB's rate history...</translation>
    </message>
    <message>
        <source>Die Kursgeschichte "%1" war beschädigt oder gehört einem anderen Programm: %2</source>
        <translation>The rate history "%1" was damaged or belongs to another program: %2</translation>
    </message>
    <message>
        <source>Die Kursgeschichte der EZB konnte nicht geladen werden.</source>
        <translation>The ECB's rate history could not be loaded.</translation>
    </message>
    <message>
        <source>Sie wurde neu von der EZB geladen.</source>
        <translation>It was loaded again from the ECB.</translation>
    </message>
    <message>
        <source>Umrechnung zum Stichtag:</source>
        <translation>Converting at the rates of:</translation>
    </message>
    <message>
        <source>Kurse vom %1</source>
        <translation>Rates of %1</translation>
    </message>
    <message>
        <source>%1 – Kurse vom %2</source>
        <translation>%1 – rates of %2</translation>
    </message>
    <message>
        <source>Euro-Referenzkurse der EZB vom %1. Mit „Heute“ unter „Kurse vom Datum...“ (Strg+D) gelten wieder die aktuellen Kurse.</source>
        <translation>ECB euro reference rates of %1. "Today" under "Rates on a date..." (Ctrl+D) returns to the current rates.</translation>
    </message>
    <message>
        <source>Für %1 gibt es am %2 keinen Referenzkurs der EZB; gerechnet wird mit dem aktuellen Kurs.</source>
        <translation>The ECB has no reference rate for %1 on %2; the current rate is used.</translation>
    </message>
</context>
<context>
    <name>zirvanto::Status</name>
    <message>
        <source>Die Wechselkurse werden geladen...</source>
        <translation>Loading exchange rates...</translation>
    </message>
    <message>
        <source>Bitte um Geduld.</source>
        <translation>Please wait.</translation>
    </message>
    <message>
        <source>Fortschritt des Downloads</source>
        <translation>Download progress</translation>
    </message>
    <message>
        <source>%1 von %2 KB</source>
        <translation>%1 of %2 KB</translation>
    </message>
</context>
<context>
    <name>zirvanto::Stichtag</name>
    <message>
        <source>Kurse dieses Tages</source>
        <translation>This day's rates</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Mit den Kursen dieses Tages rechnen</source>
        <translation>Calculate with this day's rates</translation>
    </message>
    <message>
        <source>&amp;Heute</source>
        <translation>&amp;Today</translation>
    </message>
    <message>
        <source>Mit den aktuellen Kursen rechnen</source>
        <translation>Calculate with the current rates</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Die Kursgeschichte der EZB wird nach „Ok“ einmal geladen (etwa 0,7 MB).</source>
        <translation>After "OK", the ECB's rate history is downloaded once (about 0.7 MB).</translation>
    </message>
    <message>
        <source>Für diesen Tag gibt es keine Kurse.</source>
        <translation>There are no rates for this day.</translation>
    </message>
    <message>
        <source>Es gelten die Kurse vom %1.</source>
        <translation>The rates of %1 apply.</translation>
    </message>
    <message>
        <source>Es gelten die Kurse des letzten Bankarbeitstages davor, %1.</source>
        <translation>The rates of the last banking day before apply: %1.</translation>
    </message>
    <message>
        <source>Stichtag</source>
        <translation>Reference date</translation>
    </message>
    <message>
        <source>Vorheriger Monat</source>
        <translation>Previous month</translation>
    </message>
    <message>
        <source>Nächster Monat</source>
        <translation>Next month</translation>
    </message>
</context>
<context>
    <name>zirvanto::Wechselkurse</name>
    <message>
        <source>Wechselkurse bearbeiten</source>
        <translation>Edit exchange rates</translation>
    </message>
    <message>
        <source>Währungen</source>
        <translation>Currencies</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Neue Währung</source>
        <translation>New currency</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Währung bearbeiten</source>
        <translation>Edit currency</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Markierte Währungen löschen</source>
        <translation>Delete selected currencies</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Wollen Sie diese Währung löschen?</source>
        <translation>Do you want to delete this currency?</translation>
    </message>
    <message>
        <source>Wollen Sie die markierten Währungen löschen?</source>
        <translation>Do you want to delete the selected currencies?</translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <source>BETRAG</source>
        <translation>AMOUNT</translation>
    </message>
    <message>
        <source>VON</source>
        <translation>FROM</translation>
    </message>
    <message>
        <source>NACH</source>
        <translation>TO</translation>
    </message>
    <message>
        <source>JJJJ-MM-TT</source>
        <translation>YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Aufruf: %1
  oder: %2
  oder: %3
  oder: %4
</source>
        <translation>Usage: %1
  or:  %2
  or:  %3
  or:  %4
</translation>
    </message>
    <message>
        <source>Ohne Argumente öffnet zirvanto sein Fenster. Mit einer Option arbeitet es im Terminal, ohne Fenster und ohne Bildschirm, mit der Kurstabelle und den Einstellungen des Fensters.</source>
        <translation>Without arguments zirvanto opens its window. With an option it works in the terminal, without a window or a display, with the window's rate table and settings.</translation>
    </message>
    <message>
        <source>%1 in der Währung %2 in jede Währung %3 umrechnen: je Zeile der Code, ein Tabulator und der Wert, wie ihn die Kurstabelle des Fensters zeigt; ohne %3 in den Euro und in die Hauptwährung</source>
        <translation>convert %1 of currency %2 into each currency %3: one line each with the code, a tab and the value as the window's rate table shows it; without %3 into the Euro and the main currency</translation>
    </message>
    <message>
        <source>die Währungen der Kurstabelle ausgeben: Code, Name, Kurs und %1 bei einem von Hand gesetzten Kurs, durch Tabulatoren getrennt</source>
        <translation>print the currencies of the rate table: code, name, rate and %1 for a rate set by hand, separated by tabs</translation>
    </message>
    <message>
        <source>manuell</source>
        <translation>hand-set</translation>
    </message>
    <message>
        <source>mit %1 oder %2: mit den Referenzkursen der EZB dieses Tages rechnen (an einem Tag ohne Kurse mit denen des Arbeitstags davor); lädt die Kursgeschichte der EZB, wenn sie den Tag noch nicht enthält</source>
        <translation>with %1 or %2: use the ECB's reference rates of that day (on a day without rates, those of the working day before); fetches the ECB's rate history when it does not hold that day yet</translation>
    </message>
    <message>
        <source>die Wechselkurse aktualisieren wie „Update!“ im Fenster und beide Dateien speichern; das Ergebnis steht auf der Standardfehlerausgabe</source>
        <translation>update the exchange rates as "Update!" in the window does and save both files; the outcome goes to standard error</translation>
    </message>
    <message>
        <source>diese Hilfe anzeigen und beenden</source>
        <translation>show this help and exit</translation>
    </message>
    <message>
        <source>Versionsinformation anzeigen und beenden</source>
        <translation>show version information and exit</translation>
    </message>
    <message>
        <source>%1 steht in der Zahlenform des Gebietsschemas (%2 unter %3) oder mit Punkt als Dezimalzeichen und ohne Tausendertrennzeichen (%4); passen beide, gilt die Form des Gebietsschemas. Ein Minus davor macht den Betrag negativ. Währungscodes gelten ohne Rücksicht auf Groß- und Kleinschreibung; hat die Tabelle einen Code zweimal, gilt der erste Eintrag. Unter dem Gebietsschema C oder POSIX stehen Werte und Kurse mit Punkt und ohne Tausendertrennzeichen. Nur %5 (beide Dateien) und %6 (die Kursgeschichte) schreiben in den Ordner des Programms.</source>
        <translation>%1 is written in the locale's number format (%2 under %3) or with a point as decimal separator and no grouping (%4); where both fit, the locale's format counts. A leading minus makes the amount negative. Currency codes are matched without regard to case; where the table holds a code twice, the first entry counts. Under the C or POSIX locale values and rates are written with a point and no grouping. Only %5 (both files) and %6 (the rate history) write into the program's folder.</translation>
    </message>
    <message>
        <source>Beispiele:</source>
        <translation>Examples:</translation>
    </message>
    <message>
        <source>Exit-Status:</source>
        <translation>Exit status:</translation>
    </message>
    <message>
        <source>Erfolg</source>
        <translation>success</translation>
    </message>
    <message>
        <source>Update oder Laden der Kursgeschichte fehlgeschlagen, oder die Ausgabe ließ sich nicht schreiben</source>
        <translation>the update or the rate history download failed, or the output could not be written</translation>
    </message>
    <message>
        <source>falscher Aufruf: unbekannte Option, fehlendes Argument, ungültiger Betrag oder ungültiges Datum, oder ein Wert, der die Anzeige sprengt</source>
        <translation>usage error: unknown option, missing argument, invalid amount or date, or a value too long for the display</translation>
    </message>
    <message>
        <source>unbekannte Währung oder Währung ohne Kurs</source>
        <translation>unknown currency, or a currency without a rate</translation>
    </message>
    <message>
        <source>Lizenz %1: %2, Fassung 3 oder neuer &lt;%3&gt;.
Dies ist freie Software: Sie dürfen sie ändern und weitergeben.
Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.
</source>
        <translation>License %1: %2 version 3 or later &lt;%3&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</translation>
    </message>
    <message>
        <source>unbekannte Option %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>Option %1 nimmt keinen Wert</source>
        <translation>option %1 takes no value</translation>
    </message>
    <message>
        <source>Option %1 braucht einen Wert</source>
        <translation>option %1 needs a value</translation>
    </message>
    <message>
        <source>%1, %2 und %3 schließen einander aus</source>
        <translation>%1, %2 and %3 exclude each other</translation>
    </message>
    <message>
        <source>unerwartetes Argument %1</source>
        <translation>unexpected argument %1</translation>
    </message>
    <message>
        <source>%1 gilt nur mit %2 oder %3</source>
        <translation>%1 works only with %2 or %3</translation>
    </message>
    <message>
        <source>ungültiges Datum %1: JJJJ-MM-TT, vom 1999-01-04 bis heute</source>
        <translation>invalid date %1: YYYY-MM-DD, from 1999-01-04 up to today</translation>
    </message>
    <message>
        <source>keine Aufgabe angegeben (%1, %2 oder %3)</source>
        <translation>no task given (%1, %2 or %3)</translation>
    </message>
    <message>
        <source>Datei %1 konnte nicht gelesen werden: %2</source>
        <translation>file %1 could not be read: %2</translation>
    </message>
    <message>
        <source>Die neuesten Kurse der EZB werden geladen...</source>
        <translation>Loading the ECB's latest rates...</translation>
    </message>
    <message>
        <source>Die Kursgeschichte der EZB wird geladen...</source>
        <translation>Loading the ECB's rate history...</translation>
    </message>
    <message>
        <source>Ordner %1 konnte nicht angelegt werden</source>
        <translation>folder %1 could not be created</translation>
    </message>
    <message>
        <source>Die Kursgeschichte %1 war beschädigt oder gehört einem anderen Programm: %2</source>
        <translation>The rate history %1 was damaged or belongs to another program: %2</translation>
    </message>
    <message>
        <source>Die Kursgeschichte der EZB konnte nicht geladen werden. %1</source>
        <translation>The ECB's rate history could not be loaded. %1</translation>
    </message>
    <message>
        <source>Die Kursgeschichte der EZB hat keinen Tag: %1</source>
        <translation>The ECB's rate history holds no day: %1</translation>
    </message>
    <message>
        <source>Für den %1 gelten die Kurse vom %2.</source>
        <translation>For %1 the rates of %2 apply.</translation>
    </message>
    <message>
        <source>Für %1 gibt es am %2 keinen Referenzkurs der EZB; gerechnet wird mit dem aktuellen Kurs.</source>
        <translation>The ECB has no reference rate for %1 on %2; the current rate is used.</translation>
    </message>
    <message>
        <source>Die Antwort enthält keinen Kurs.</source>
        <translation>The reply holds no rate.</translation>
    </message>
    <message>
        <source>Die Adresse ist keine %1- oder %2-Adresse.</source>
        <translation>The address is no %1 or %2 address.</translation>
    </message>
    <message>
        <source>Der Server ist nicht erreichbar.</source>
        <translation>The server cannot be reached.</translation>
    </message>
    <message>
        <source>Der Proxy ist nicht erreichbar.</source>
        <translation>The proxy cannot be reached.</translation>
    </message>
    <message>
        <source>Der Server hat nicht rechtzeitig geantwortet.</source>
        <translation>The server did not answer in time.</translation>
    </message>
    <message>
        <source>Der Server hat mit einem Fehler geantwortet.</source>
        <translation>The server answered with an error.</translation>
    </message>
    <message>
        <source>Die Antwort ist zu groß.</source>
        <translation>The reply is too large.</translation>
    </message>
    <message>
        <source>Die Umleitung des Servers wurde abgelehnt.</source>
        <translation>The server's redirect was refused.</translation>
    </message>
    <message>
        <source>%1 liefert weitere Informationen.</source>
        <translation>Try %1 for more information.</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>"%1"</translation>
    </message>
    <message>
        <source>Ausgabe ließ sich nicht schreiben: %1</source>
        <translation>output could not be written: %1</translation>
    </message>
    <message>
        <source>%1 braucht einen Betrag und eine Währung</source>
        <translation>%1 needs an amount and a currency</translation>
    </message>
    <message>
        <source>ungültiger Betrag %1</source>
        <translation>invalid amount %1</translation>
    </message>
    <message>
        <source>unbekannte Währung %1</source>
        <translation>unknown currency %1</translation>
    </message>
    <message>
        <source>Währung %1 hat keinen Kurs</source>
        <translation>currency %1 has no rate</translation>
    </message>
    <message>
        <source>der Betrag in %1 hat mehr Stellen, als die Anzeige fasst</source>
        <translation>the amount in %1 has more digits than the display holds</translation>
    </message>
    <message>
        <source>ohne Referenzkurs</source>
        <translation>no reference rate</translation>
    </message>
    <message>
        <source>Datei %1 konnte nicht gespeichert werden: %2</source>
        <translation>file %1 could not be saved: %2</translation>
    </message>
    <message>
        <source>Die Wechselkurse konnten nicht geladen werden. %1</source>
        <translation>The exchange rates could not be loaded. %1</translation>
    </message>
    <message>
        <source>Die Wechselkurse wurden erfolgreich geladen. %1</source>
        <translation>The exchange rates were loaded successfully. %1</translation>
    </message>
    <message>
        <source>Die Wechselkurse sind schon aktuell. %1</source>
        <translation>The exchange rates are up to date already. %1</translation>
    </message>
</context>
</TS>
