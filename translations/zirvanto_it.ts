<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="de">
<context>
    <name>Einstellungsdatei</name>
    <message>
        <source>Kurse vom %1 (Quelle: %2)</source>
        <translation>Tassi del %1 (fonte: %2)</translation>
    </message>
    <message>
        <source>mitgelieferte Tabelle</source>
        <translation>tabella fornita</translation>
    </message>
    <message>
        <source>
Die Kurse sind älter als eine Woche.</source>
        <translation>
I tassi di cambio risalgono a più di una settimana fa.</translation>
    </message>
</context>
<context>
    <name>Historienabruf</name>
    <message>
        <source>Keine Verbindung zu %1, oder der Server hat die Datei nicht geliefert.</source>
        <translation>Nessuna connessione a %1, oppure il server non ha fornito il file.</translation>
    </message>
</context>
<context>
    <name>Kurshistorie</name>
    <message>
        <source>Qt findet keinen SQLite-Treiber (Paket libqt6sql6-sqlite).</source>
        <translation>Qt non trova alcun driver SQLite (pacchetto libqt6sql6-sqlite).</translation>
    </message>
    <message>
        <source>Die Datei ist keine Kursgeschichte dieses Programms.</source>
        <translation>Il file non è uno storico dei cambi di questo programma.</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht ersetzt werden.</source>
        <translation>Impossibile sostituire il file.</translation>
    </message>
</context>
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
    <name>Ordnerwahl</name>
    <message>
        <source>Der Datenordner "%1" konnte nicht angelegt werden.</source>
        <translation>Impossibile creare la cartella dati "%1".</translation>
    </message>
    <message>
        <source>Die Kurstabelle konnte nicht nach "%1" kopiert werden.

%2</source>
        <translation>Impossibile copiare la tabella dei cambi in "%1".

%2</translation>
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
    <name>Rechenwerk</name>
    <message>
        <source>Ungültiger Zustand der Statemachine</source>
        <translation>Stato non valido della macchina a stati</translation>
    </message>
    <message>
        <source>Überlauf</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Division durch Null.</source>
        <translation>Divisione per zero.</translation>
    </message>
    <message>
        <source>Unzulässiger Funktionsaufruf.</source>
        <translation>Input non valido.</translation>
    </message>
    <message>
        <source>Fehler.</source>
        <translation>Errore.</translation>
    </message>
</context>
<context>
    <name>Tastenfeld</name>
    <message>
        <source>Letzte Ziffer löschen</source>
        <translation>Cancella l'ultima cifra</translation>
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
    <name>Textdatei</name>
    <message>
        <source>Unter diesem Namen liegt ein Ordner.</source>
        <translation>Con questo nome esiste una cartella.</translation>
    </message>
    <message>
        <source>Unter diesem Namen liegt keine gewöhnliche Datei.</source>
        <translation>Con questo nome non esiste un file normale.</translation>
    </message>
    <message>
        <source>Die Verknüpfung zeigt auf keine Datei.</source>
        <translation>Il collegamento non punta a un file.</translation>
    </message>
</context>
<context>
    <name>Texte</name>
    <message>
        <source>Euro-Referenz- und Wechselkurse</source>
        <translation>Tassi di riferimento e di cambio dell'euro</translation>
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
    <name>Verlaufsleser</name>
    <message>
        <source>Die Datei enthält keine Wechselkurse.</source>
        <translation>Il file non contiene tassi di cambio.</translation>
    </message>
    <message>
        <source>Das Zip-Archiv ist beschädigt.</source>
        <translation>L'archivio zip è danneggiato.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Zip-Archiv.</source>
        <translation>Il file non è un archivio zip.</translation>
    </message>
    <message>
        <source>Die Datei im Zip-Archiv ist zu groß.</source>
        <translation>Il file nell'archivio zip è troppo grande.</translation>
    </message>
    <message>
        <source>Das Zip-Archiv enthält keine CSV-Datei.</source>
        <translation>L'archivio zip non contiene alcun file CSV.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Kursgeschichte der EZB.</source>
        <translation>Il file non è uno storico dei cambi della BCE.</translation>
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
    <name>zirvanto::HilfeDialog</name>
    <message>
        <source>In diesem Dialog legen Sie die Einstellungen fest, die zum erfolgreichen Update der Wechselkurse über das Internet notwendig sind. Bitte beachten Sie dabei die nachstehend angeführten Punkte:</source>
        <translation>In questa finestra si impostano i parametri necessari per aggiornare i tassi di cambio via Internet. Tenere presenti i punti seguenti:</translation>
    </message>
    <message>
        <source>Im Feld "Proxy" geben Sie bitte gegebenenfalls den Namen Ihres Proxy-Servers an. Falls Sie keinen Proxy-Server verwenden, lassen Sie dieses Feld einfach leer. Die Adresse Ihres Proxy-Servers kann Ihnen Ihr Systemverwalter sagen, Sie finden Sie auch in Ihrem Webbrowser bei den Netzwerkeinstellungen.</source>
        <translation>Se si utilizza un server proxy, indicarne il nome nel campo "Proxy"; altrimenti lasciare vuoto il campo. L'indirizzo del server proxy può essere fornito dall'amministratore di sistema e si trova anche nelle impostazioni di rete del browser.</translation>
    </message>
    <message>
        <source>Mit der Einstellung "automatisches Update" legen Sie fest, ob der Rechner bei jedem Programmstart die aktuellen Wechselkurse aus dem Internet laden soll. Falls Sie eine permanente Verbindung zum Internet haben, wird diese Einstellung empfohlen. Für Modembesitzer besteht die Möglichkeit, die automatische Modemverbindung durch Abwahl dieser Option zu unterdrücken.</source>
        <translation>L'opzione "aggiornamento automatico" stabilisce se la calcolatrice scarica da Internet i tassi di cambio aggiornati a ogni avvio. È consigliata se si dispone di una connessione a Internet permanente. Chi si collega via modem può disattivarla per evitare che il modem si connetta automaticamente.</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Hilfe schließen</source>
        <translation>Chiudi la guida</translation>
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
    <name>zirvanto::Options</name>
    <message>
        <source>Proxy:</source>
        <translation>Proxy:</translation>
    </message>
    <message>
        <source>Proxy-Server</source>
        <translation>Server proxy</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Port des Proxy-Servers</source>
        <translation>Porta del server proxy</translation>
    </message>
    <message>
        <source>automatisches Update</source>
        <translation>aggiornamento automatico</translation>
    </message>
    <message>
        <source>Automatisches Update bei jedem Start</source>
        <translation>Aggiornamento automatico a ogni avvio</translation>
    </message>
    <message>
        <source>Das letzte Update erfolgte am 1. 1. 1999</source>
        <translation>Ultimo aggiornamento: 1 gennaio 1999</translation>
    </message>
    <message>
        <source>Letztes Update</source>
        <translation>Ultimo aggiornamento</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Einstellungen übernehmen</source>
        <translation>Applica impostazioni</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Aiuto</translation>
    </message>
</context>
<context>
    <name>zirvanto::Rechner</name>
    <message>
        <source>Programmbild</source>
        <translation>Immagine del programma</translation>
    </message>
    <message>
        <source>Klicken Sie hier, um die Wechselkurse zu bearbeiten!</source>
        <translation>Fare clic qui per modificare i tassi di cambio!</translation>
    </message>
    <message>
        <source>Wechselkurs der Hauptwährung</source>
        <translation>Tasso di cambio della valuta principale</translation>
    </message>
    <message>
        <source>Kurstabelle öffnen oder schließen</source>
        <translation>Apri o chiudi la tabella dei cambi</translation>
    </message>
    <message>
        <source>Hier klicken, um alle Kurse anzuzeigen</source>
        <translation>Fare clic qui per mostrare tutti i cambi</translation>
    </message>
    <message>
        <source>Euro</source>
        <translation>Euro</translation>
    </message>
    <message>
        <source>Betrag in Euro</source>
        <translation>Importo in euro</translation>
    </message>
    <message>
        <source>Hauptwährung</source>
        <translation>Valuta principale</translation>
    </message>
    <message>
        <source>Betrag in der Hauptwährung</source>
        <translation>Importo nella valuta principale</translation>
    </message>
    <message>
        <source>Eingabewährung wechseln</source>
        <translation>Cambia valuta di immissione</translation>
    </message>
    <message>
        <source>Hier wird die Eingabewährung festgelegt!</source>
        <translation>Qui si sceglie la valuta di immissione!</translation>
    </message>
    <message>
        <source>Speicheranzeige</source>
        <translation>Indicatore di memoria</translation>
    </message>
    <message>
        <source>Speicher belegt</source>
        <translation>Memoria occupata</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Werbung</source>
        <translation>Pubblicità</translation>
    </message>
    <message>
        <source>Wechselkurse aktualisieren</source>
        <translation>Aggiorna i tassi di cambio</translation>
    </message>
    <message>
        <source>Update!</source>
        <translation>Aggiorna!</translation>
    </message>
    <message>
        <source>Klicken Sie hier, um die Wechselkurse zu aktualisieren.</source>
        <translation>Fare clic qui per aggiornare i tassi di cambio.</translation>
    </message>
    <message>
        <source>Letztes Update</source>
        <translation>Ultimo aggiornamento</translation>
    </message>
    <message>
        <source>Das letzte Update erfolgte am</source>
        <translation>Ultimo aggiornamento:</translation>
    </message>
    <message>
        <source>Datum des letzten Updates</source>
        <translation>Data dell'ultimo aggiornamento</translation>
    </message>
    <message>
        <source>Zeile %1</source>
        <translation>Riga %1</translation>
    </message>
    <message>
        <source>Währung in Zeile %1</source>
        <translation>Valuta nella riga %1</translation>
    </message>
    <message>
        <source>Flagge in Zeile %1</source>
        <translation>Bandiera nella riga %1</translation>
    </message>
    <message>
        <source>Betrag in Zeile %1</source>
        <translation>Importo nella riga %1</translation>
    </message>
    <message>
        <source>Ungültige Währung</source>
        <translation>Valuta non valida</translation>
    </message>
    <message>
        <source>Überlauf</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Kopieren</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Einfügen</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Kurstabelle zeigen</source>
        <translation>Mostra &amp;tabella dei cambi</translation>
    </message>
    <message>
        <source>&amp;Wechselkurse bearbeiten...</source>
        <translation>Modifica tassi di &amp;cambio...</translation>
    </message>
    <message>
        <source>&amp;Hauptwährung setzen</source>
        <translation>Imposta valuta &amp;principale</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Fehler: die Wechselkurse konnten nicht geladen werden!</source>
        <translation>Errore: impossibile caricare i tassi di cambio!</translation>
    </message>
    <message>
        <source>&amp;Internet Kurs-Update</source>
        <translation>Aggiornamento cambi da &amp;Internet</translation>
    </message>
    <message>
        <source>&amp;Einstellungen...</source>
        <translation>Impo&amp;stazioni...</translation>
    </message>
    <message>
        <source>Die Wechselkurse wurden erfolgreich geladen.</source>
        <translation>I tassi di cambio sono stati caricati correttamente.</translation>
    </message>
    <message>
        <source>Das letzte Update erfolgte am %1.</source>
        <translation>Ultimo aggiornamento: %1.</translation>
    </message>
    <message>
        <source>Wollen Sie die Wechselkurse bei jedem Programmstart automatisch aktualisieren?</source>
        <translation>Aggiornare automaticamente i tassi di cambio a ogni avvio del programma?</translation>
    </message>
    <message>
        <source>Die Datei "%1" konnte nicht gespeichert werden.</source>
        <translation>Impossibile salvare il file "%1".</translation>
    </message>
    <message>
        <source>Die Datei "%1" konnte nicht gelesen werden.</source>
        <translation>Impossibile leggere il file "%1".</translation>
    </message>
    <message>
        <source>:/bilder/werbelogo.bmp</source>
        <comment>the built-in logo, whose slogan each language has</comment>
        <translation>:/bilder/werbelogo_it.bmp</translation>
    </message>
    <message>
        <source>Kurse vom &amp;Datum...</source>
        <translation>Tassi di una &amp;data...</translation>
    </message>
    <message>
        <source>Die neuesten Kurse der EZB werden geladen...</source>
        <translation>Caricamento dei tassi più recenti della BCE...</translation>
    </message>
    <message>
        <source>Die Kursgeschichte der EZB wird geladen...</source>
        <translation>Caricamento dello storico dei cambi della BCE...</translation>
    </message>
    <message>
        <source>Die Kursgeschichte "%1" war beschädigt oder gehört einem anderen Programm: %2</source>
        <translation>Lo storico dei cambi "%1" era danneggiato o appartiene a un altro programma: %2</translation>
    </message>
    <message>
        <source>Die Kursgeschichte der EZB konnte nicht geladen werden.</source>
        <translation>Impossibile caricare lo storico dei cambi della BCE.</translation>
    </message>
    <message>
        <source>Sie wurde neu von der EZB geladen.</source>
        <translation>È stato scaricato di nuovo dalla BCE.</translation>
    </message>
    <message>
        <source>Umrechnung zum Stichtag:</source>
        <translation>Conversione ai tassi del:</translation>
    </message>
    <message>
        <source>Kurse vom %1</source>
        <translation>Tassi del %1</translation>
    </message>
    <message>
        <source>%1 – Kurse vom %2</source>
        <translation>%1 – tassi del %2</translation>
    </message>
    <message>
        <source>Euro-Referenzkurse der EZB vom %1. Mit „Heute“ unter „Kurse vom Datum...“ (Strg+D) gelten wieder die aktuellen Kurse.</source>
        <translation>Tassi di riferimento dell'euro della BCE del %1. Con «Oggi» in «Tassi di una data...» (Ctrl+D) tornano a valere i tassi attuali.</translation>
    </message>
    <message>
        <source>Für %1 gibt es am %2 keinen Referenzkurs der EZB; gerechnet wird mit dem aktuellen Kurs.</source>
        <translation>La BCE non ha un tasso di riferimento per %1 il %2; si usa il tasso attuale.</translation>
    </message>
</context>
<context>
    <name>zirvanto::Status</name>
    <message>
        <source>Die Wechselkurse werden geladen...</source>
        <translation>Caricamento dei tassi di cambio...</translation>
    </message>
    <message>
        <source>Bitte um Geduld.</source>
        <translation>Attendere prego.</translation>
    </message>
    <message>
        <source>Fortschritt des Downloads</source>
        <translation>Avanzamento del download</translation>
    </message>
    <message>
        <source>%1 von %2 KB</source>
        <translation>%1 di %2 KB</translation>
    </message>
</context>
<context>
    <name>zirvanto::Stichtag</name>
    <message>
        <source>Kurse dieses Tages</source>
        <translation>Tassi di questo giorno</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Mit den Kursen dieses Tages rechnen</source>
        <translation>Calcola con i tassi di questo giorno</translation>
    </message>
    <message>
        <source>&amp;Heute</source>
        <translation>&amp;Oggi</translation>
    </message>
    <message>
        <source>Mit den aktuellen Kursen rechnen</source>
        <translation>Calcola con i tassi attuali</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Die Kursgeschichte der EZB wird nach „Ok“ einmal geladen (etwa 0,7 MB).</source>
        <translation>Dopo «OK» lo storico dei cambi della BCE viene scaricato una sola volta (circa 0,7 MB).</translation>
    </message>
    <message>
        <source>Für diesen Tag gibt es keine Kurse.</source>
        <translation>Per questo giorno non ci sono tassi.</translation>
    </message>
    <message>
        <source>Es gelten die Kurse vom %1.</source>
        <translation>Valgono i tassi del %1.</translation>
    </message>
    <message>
        <source>Es gelten die Kurse des letzten Bankarbeitstages davor, %1.</source>
        <translation>Valgono i tassi dell'ultimo giorno lavorativo bancario precedente: %1.</translation>
    </message>
    <message>
        <source>Stichtag</source>
        <translation>Data di riferimento</translation>
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
