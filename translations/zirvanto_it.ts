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
        <source>Das Historienmodul fehlt: %1</source>
        <translation>Manca il modulo dello storico dei cambi: %1</translation>
    </message>
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
    <name>Webretreiver</name>
    <message>
        <source>Das Netzwerkmodul fehlt: %1</source>
        <translation>Manca il modulo di rete: %1</translation>
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
    <message>
        <source>Vorheriger Monat</source>
        <translation>Mese precedente</translation>
    </message>
    <message>
        <source>Nächster Monat</source>
        <translation>Mese successivo</translation>
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
<context>
    <name>Terminal</name>
    <message>
        <source>BETRAG</source>
        <translation>IMPORTO</translation>
    </message>
    <message>
        <source>VON</source>
        <translation>DA</translation>
    </message>
    <message>
        <source>NACH</source>
        <translation>A</translation>
    </message>
    <message>
        <source>JJJJ-MM-TT</source>
        <translation>AAAA-MM-GG</translation>
    </message>
    <message>
        <source>Aufruf: %1
  oder: %2
  oder: %3
  oder: %4
</source>
        <translation>Uso: %1
  o:  %2
  o:  %3
  o:  %4
</translation>
    </message>
    <message>
        <source>Ohne Argumente öffnet zirvanto sein Fenster. Mit einer Option arbeitet es im Terminal, ohne Fenster und ohne Bildschirm, mit der Kurstabelle und den Einstellungen des Fensters.</source>
        <translation>Senza argomenti zirvanto apre la sua finestra. Con un'opzione lavora nel terminale, senza finestra né schermo, con la tabella dei cambi e le impostazioni della finestra.</translation>
    </message>
    <message>
        <source>%1 in der Währung %2 in jede Währung %3 umrechnen: je Zeile der Code, ein Tabulator und der Wert, wie ihn die Kurstabelle des Fensters zeigt; ohne %3 in den Euro und in die Hauptwährung</source>
        <translation>converte %1 nella valuta %2 in ogni valuta %3: una riga ciascuna con il codice, una tabulazione e il valore come lo mostra la tabella dei cambi della finestra; senza %3 in euro e nella valuta principale</translation>
    </message>
    <message>
        <source>die Währungen der Kurstabelle ausgeben: Code, Name, Kurs und %1 bei einem von Hand gesetzten Kurs, durch Tabulatoren getrennt</source>
        <translation>stampa le valute della tabella dei cambi: codice, nome, tasso e %1 per un tasso impostato a mano, separati da tabulazioni</translation>
    </message>
    <message>
        <source>manuell</source>
        <translation>manuale</translation>
    </message>
    <message>
        <source>mit %1 oder %2: mit den Referenzkursen der EZB dieses Tages rechnen (an einem Tag ohne Kurse mit denen des Arbeitstags davor); lädt die Kursgeschichte der EZB, wenn sie den Tag noch nicht enthält</source>
        <translation>con %1 o %2: usa i tassi di riferimento della BCE di quel giorno (in un giorno senza tassi, quelli del giorno lavorativo precedente); scarica lo storico dei cambi della BCE se non contiene ancora quel giorno</translation>
    </message>
    <message>
        <source>die Wechselkurse aktualisieren wie „Update!“ im Fenster und beide Dateien speichern; das Ergebnis steht auf der Standardfehlerausgabe</source>
        <translation>aggiorna i tassi di cambio come «Aggiorna!» nella finestra e salva entrambi i file; l'esito va sullo standard error</translation>
    </message>
    <message>
        <source>diese Hilfe anzeigen und beenden</source>
        <translation>mostra questo aiuto ed esce</translation>
    </message>
    <message>
        <source>Versionsinformation anzeigen und beenden</source>
        <translation>mostra la versione ed esce</translation>
    </message>
    <message>
        <source>%1 steht in der Zahlenform des Gebietsschemas (%2 unter %3) oder mit Punkt als Dezimalzeichen und ohne Tausendertrennzeichen (%4); passen beide, gilt die Form des Gebietsschemas. Ein Minus davor macht den Betrag negativ. Währungscodes gelten ohne Rücksicht auf Groß- und Kleinschreibung; hat die Tabelle einen Code zweimal, gilt der erste Eintrag. Unter dem Gebietsschema C oder POSIX stehen Werte und Kurse mit Punkt und ohne Tausendertrennzeichen. Nur %5 (beide Dateien) und %6 (die Kursgeschichte) schreiben in den Ordner des Programms.</source>
        <translation>%1 si scrive nel formato numerico della lingua (%2 con %3) oppure con il punto come separatore decimale e senza separatore delle migliaia (%4); se valgono entrambi, vale il formato della lingua. Un meno davanti rende l'importo negativo. I codici delle valute valgono senza distinzione tra maiuscole e minuscole; se la tabella contiene un codice due volte, vale la prima voce. Con la lingua C o POSIX valori e tassi si scrivono con il punto e senza separatore delle migliaia. Solo %5 (entrambi i file) e %6 (lo storico dei cambi) scrivono nella cartella del programma.</translation>
    </message>
    <message>
        <source>Beispiele:</source>
        <translation>Esempi:</translation>
    </message>
    <message>
        <source>Exit-Status:</source>
        <translation>Stato di uscita:</translation>
    </message>
    <message>
        <source>Erfolg</source>
        <translation>successo</translation>
    </message>
    <message>
        <source>Update oder Laden der Kursgeschichte fehlgeschlagen, oder die Ausgabe ließ sich nicht schreiben</source>
        <translation>l'aggiornamento o il download dello storico dei cambi non è riuscito, oppure l'output non si è potuto scrivere</translation>
    </message>
    <message>
        <source>falscher Aufruf: unbekannte Option, fehlendes Argument, ungültiger Betrag oder ungültiges Datum, oder ein Wert, der die Anzeige sprengt</source>
        <translation>uso errato: opzione sconosciuta, argomento mancante, importo o data non validi, oppure un valore troppo lungo per il display</translation>
    </message>
    <message>
        <source>unbekannte Währung oder Währung ohne Kurs</source>
        <translation>valuta sconosciuta o valuta senza tasso</translation>
    </message>
    <message>
        <source>Lizenz %1: %2, Fassung 3 oder neuer &lt;%3&gt;.
Dies ist freie Software: Sie dürfen sie ändern und weitergeben.
Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.
</source>
        <translation>Licenza %1: %2 versione 3 o successiva &lt;%3&gt;.
Questo è software libero: si è liberi di modificarlo e ridistribuirlo.
Non c'è ALCUNA GARANZIA, nei limiti permessi dalla legge.
</translation>
    </message>
    <message>
        <source>unbekannte Option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>Option %1 nimmt keinen Wert</source>
        <translation>l'opzione %1 non accetta un valore</translation>
    </message>
    <message>
        <source>Option %1 braucht einen Wert</source>
        <translation>l'opzione %1 richiede un valore</translation>
    </message>
    <message>
        <source>%1, %2 und %3 schließen einander aus</source>
        <translation>%1, %2 e %3 si escludono a vicenda</translation>
    </message>
    <message>
        <source>unerwartetes Argument %1</source>
        <translation>argomento inatteso %1</translation>
    </message>
    <message>
        <source>%1 gilt nur mit %2 oder %3</source>
        <translation>%1 vale solo con %2 o %3</translation>
    </message>
    <message>
        <source>ungültiges Datum %1: JJJJ-MM-TT, vom 1999-01-04 bis heute</source>
        <translation>data non valida %1: AAAA-MM-GG, dal 1999-01-04 a oggi</translation>
    </message>
    <message>
        <source>keine Aufgabe angegeben (%1, %2 oder %3)</source>
        <translation>nessun compito indicato (%1, %2 o %3)</translation>
    </message>
    <message>
        <source>Datei %1 konnte nicht gelesen werden: %2</source>
        <translation>impossibile leggere il file %1: %2</translation>
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
        <source>Ordner %1 konnte nicht angelegt werden</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>Die Kursgeschichte %1 war beschädigt oder gehört einem anderen Programm: %2</source>
        <translation>Lo storico dei cambi %1 era danneggiato o appartiene a un altro programma: %2</translation>
    </message>
    <message>
        <source>Die Kursgeschichte der EZB konnte nicht geladen werden. %1</source>
        <translation>Impossibile caricare lo storico dei cambi della BCE. %1</translation>
    </message>
    <message>
        <source>Die Kursgeschichte der EZB hat keinen Tag: %1</source>
        <translation>Lo storico dei cambi della BCE non contiene alcun giorno: %1</translation>
    </message>
    <message>
        <source>Für den %1 gelten die Kurse vom %2.</source>
        <translation>Per il %1 valgono i tassi del %2.</translation>
    </message>
    <message>
        <source>Für %1 gibt es am %2 keinen Referenzkurs der EZB; gerechnet wird mit dem aktuellen Kurs.</source>
        <translation>La BCE non ha un tasso di riferimento per %1 il %2; si usa il tasso attuale.</translation>
    </message>
    <message>
        <source>Die Antwort enthält keinen Kurs.</source>
        <translation>La risposta non contiene alcun tasso.</translation>
    </message>
    <message>
        <source>Die Adresse ist keine %1- oder %2-Adresse.</source>
        <translation>L'indirizzo non è un indirizzo %1 o %2.</translation>
    </message>
    <message>
        <source>Der Server ist nicht erreichbar.</source>
        <translation>Il server non è raggiungibile.</translation>
    </message>
    <message>
        <source>Der Proxy ist nicht erreichbar.</source>
        <translation>Il proxy non è raggiungibile.</translation>
    </message>
    <message>
        <source>Der Server hat nicht rechtzeitig geantwortet.</source>
        <translation>Il server non ha risposto in tempo.</translation>
    </message>
    <message>
        <source>Der Server hat mit einem Fehler geantwortet.</source>
        <translation>Il server ha risposto con un errore.</translation>
    </message>
    <message>
        <source>Die Antwort ist zu groß.</source>
        <translation>La risposta è troppo grande.</translation>
    </message>
    <message>
        <source>Die Umleitung des Servers wurde abgelehnt.</source>
        <translation>Il reindirizzamento del server è stato rifiutato.</translation>
    </message>
    <message>
        <source>%1 liefert weitere Informationen.</source>
        <translation>%1 fornisce ulteriori informazioni.</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>Ausgabe ließ sich nicht schreiben: %1</source>
        <translation>impossibile scrivere l'output: %1</translation>
    </message>
    <message>
        <source>%1 braucht einen Betrag und eine Währung</source>
        <translation>%1 richiede un importo e una valuta</translation>
    </message>
    <message>
        <source>ungültiger Betrag %1</source>
        <translation>importo non valido %1</translation>
    </message>
    <message>
        <source>unbekannte Währung %1</source>
        <translation>valuta sconosciuta %1</translation>
    </message>
    <message>
        <source>Währung %1 hat keinen Kurs</source>
        <translation>la valuta %1 non ha un tasso</translation>
    </message>
    <message>
        <source>der Betrag in %1 hat mehr Stellen, als die Anzeige fasst</source>
        <translation>l'importo in %1 ha più cifre di quante ne contenga il display</translation>
    </message>
    <message>
        <source>ohne Referenzkurs</source>
        <translation>senza tasso di riferimento</translation>
    </message>
    <message>
        <source>Datei %1 konnte nicht gespeichert werden: %2</source>
        <translation>impossibile salvare il file %1: %2</translation>
    </message>
    <message>
        <source>Die Wechselkurse konnten nicht geladen werden. %1</source>
        <translation>Impossibile caricare i tassi di cambio. %1</translation>
    </message>
    <message>
        <source>Die Wechselkurse wurden erfolgreich geladen. %1</source>
        <translation>I tassi di cambio sono stati caricati correttamente. %1</translation>
    </message>
    <message>
        <source>Die Wechselkurse sind schon aktuell. %1</source>
        <translation>I tassi di cambio sono già aggiornati. %1</translation>
    </message>
</context>
</TS>
