<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="de">
<context>
    <name>Kurztasten</name>
    <message>
        <source>Entf</source>
        <translation>Canc</translation>
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
        <translation>Tastiera: %1</translation>
    </message>
    <message>
        <source>, oder .</source>
        <translation>, o .</translation>
    </message>
    <message>
        <source>= oder Eingabetaste</source>
        <translation>= o Invio</translation>
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
        <translation>&amp;Sì</translation>
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
        <translation>Cancella l&apos;ultima cifra</translation>
    </message>
    <message>
        <source>Eingabe löschen</source>
        <translation>Cancella voce</translation>
    </message>
    <message>
        <source>Alles löschen</source>
        <translation>Cancella tutto</translation>
    </message>
    <message>
        <source>Sieben</source>
        <translation>Sette</translation>
    </message>
    <message>
        <source>Acht</source>
        <translation>Otto</translation>
    </message>
    <message>
        <source>Neun</source>
        <translation>Nove</translation>
    </message>
    <message>
        <source>Geteilt durch</source>
        <translation>Diviso</translation>
    </message>
    <message>
        <source>Quadratwurzel</source>
        <translation>Radice quadrata</translation>
    </message>
    <message>
        <source>Vier</source>
        <translation>Quattro</translation>
    </message>
    <message>
        <source>Fünf</source>
        <translation>Cinque</translation>
    </message>
    <message>
        <source>Sechs</source>
        <translation>Sei</translation>
    </message>
    <message>
        <source>Mal</source>
        <translation>Per</translation>
    </message>
    <message>
        <source>Prozent</source>
        <translation>Percentuale</translation>
    </message>
    <message>
        <source>Eins</source>
        <translation>Uno</translation>
    </message>
    <message>
        <source>Zwei</source>
        <translation>Due</translation>
    </message>
    <message>
        <source>Drei</source>
        <translation>Tre</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Meno</translation>
    </message>
    <message>
        <source>Kehrwert</source>
        <translation>Reciproco</translation>
    </message>
    <message>
        <source>Null</source>
        <translation>Zero</translation>
    </message>
    <message>
        <source>Vorzeichen wechseln</source>
        <translation>Cambia segno</translation>
    </message>
    <message>
        <source>Komma</source>
        <translation>Virgola decimale</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Più</translation>
    </message>
    <message>
        <source>Ist gleich</source>
        <translation>Uguale</translation>
    </message>
    <message>
        <source>Speicher löschen</source>
        <translation>Cancella memoria</translation>
    </message>
    <message>
        <source>Speicher abrufen</source>
        <translation>Richiama memoria</translation>
    </message>
    <message>
        <source>Speicher setzen</source>
        <translation>Memorizza</translation>
    </message>
    <message>
        <source>Zum Speicher addieren</source>
        <translation>Aggiungi alla memoria</translation>
    </message>
</context>
<context>
    <name>Texte</name>
    <message>
        <source>Euro-Referenz- und Wechselkurse</source>
        <translation>Tassi di riferimento e di cambio dell&apos;euro</translation>
    </message>
    <message>
        <source>der Europäischen Zentralbank</source>
        <translation>della Banca centrale europea</translation>
    </message>
    <message>
        <source>Präsentiert von:</source>
        <translation>Offerto da:</translation>
    </message>
    <message>
        <source>Klicken Sie hier, um auf die Homepage zu kommen</source>
        <translation>Fare clic qui per aprire la home page</translation>
    </message>
</context>
<context>
    <name>zirvanto::CurrencyEdit</name>
    <message>
        <source>Wechselkurs bearbeiten</source>
        <translation>Modifica tasso di cambio</translation>
    </message>
    <message>
        <source>ISO-Code:</source>
        <translation>Codice ISO:</translation>
    </message>
    <message>
        <source>Bezeichnung:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Kurs:</source>
        <translation>Tasso:</translation>
    </message>
    <message>
        <source>ISO-Code</source>
        <translation>Codice ISO</translation>
    </message>
    <message>
        <source>Bezeichnung</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Kurs in Einheiten je Euro</source>
        <translation>Tasso in unità per euro</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Der Doppelpunkt ist in ISO-Code und Bezeichnung nicht erlaubt.</source>
        <translation>I due punti non sono ammessi nel codice ISO né nel nome.</translation>
    </message>
</context>
<context>
    <name>zirvanto::Hauptwaehrung</name>
    <message>
        <source>Währungen</source>
        <translation>Valute</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Hauptwährung übernehmen</source>
        <translation>Usa come valuta principale</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>zirvanto::Infoform</name>
    <message>
        <source>Alle Werte auf 2 Stellen gerundet </source>
        <translation>Tutti i valori arrotondati a 2 decimali </translation>
    </message>
    <message>
        <source>Alle Angaben ohne Gewähr.</source>
        <translation>Salvo errori e omissioni.</translation>
    </message>
    <message>
        <source>Programmiert vom Zirvanto-Team</source>
        <translation>Programmato dal team di Zirvanto</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>zirvanto::Kursliste</name>
    <message>
        <source>ISO-Code</source>
        <translation>Codice ISO</translation>
    </message>
    <message>
        <source>Bezeichnung</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Kurs</source>
        <translation>Tasso</translation>
    </message>
</context>
<context>
    <name>zirvanto::Wechselkurse</name>
    <message>
        <source>Wechselkurse bearbeiten</source>
        <translation>Modifica tassi di cambio</translation>
    </message>
    <message>
        <source>Währungen</source>
        <translation>Valute</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>Neue Währung</source>
        <translation>Nuova valuta</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Währung bearbeiten</source>
        <translation>Modifica valuta</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Markierte Währungen löschen</source>
        <translation>Elimina le valute selezionate</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Wollen Sie diese Währung löschen?</source>
        <translation>Eliminare questa valuta?</translation>
    </message>
    <message>
        <source>Wollen Sie die markierten Währungen löschen?</source>
        <translation>Eliminare le valute selezionate?</translation>
    </message>
</context>
</TS>
