<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de">
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
</TS>
