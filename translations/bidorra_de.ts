<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Bidorra</source>
        <translation>Über Bidorra</translation>
    </message>
    <message>
        <source>Bidorra icon</source>
        <translation>Bidorra-Symbol</translation>
    </message>
    <message>
        <source>Bidorra keeps an eye on the auctions you list: at the interval you choose it reads each item&apos;s page and shows its price, highest bidder and time left, and tells you when a price changes.</source>
        <translation>Bidorra behält die Auktionen im Auge, die Sie aufführen: In dem Abstand, den Sie wählen, liest es die Seite jedes Artikels, zeigt Preis, Höchstbietenden und Restzeit und meldet Ihnen, wenn sich ein Preis ändert.</translation>
    </message>
    <message>
        <source>Bidorra is provided as is, without any warranty. Prices are read from the auction pages at each check and may lag behind the site.</source>
        <translation>Bidorra wird ohne jede Gewährleistung bereitgestellt, so wie es ist. Die Preise werden bei jeder Prüfung von den Auktionsseiten gelesen und können hinter der Website zurückliegen.</translation>
    </message>
    <message>
        <source>Free software under the MIT License.</source>
        <translation>Freie Software unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>Home page: %1</source>
        <translation>Homepage: %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminformationen...</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>Announcer</name>
    <message>
        <source>Item #%1: price changed from %2 to %3</source>
        <translation>Artikel %1: Preis von %2 auf %3 geändert</translation>
    </message>
    <message>
        <source>Item #%1: %2</source>
        <translation>Artikel %1: %2</translation>
    </message>
    <message>
        <source>Item #%1: %2, %3</source>
        <translation>Artikel %1: %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%1; and %n more</source>
        <translation>
            <numerusform>%1; und eine weitere</numerusform>
            <numerusform>%1; und %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Auction</source>
        <translation>Auktion</translation>
    </message>
    <message>
        <source>%1 could not be read whole, so Setup did not write over it: it is kept as %2, and a new %1 holds what Setup showed.<byte value="xd"/><byte value="xd"/>Copy what you still need from the kept file into Setup, then delete it.</source>
        <translation>%1 konnte nicht vollständig gelesen werden, daher hat die Einrichtung die Datei nicht überschrieben: Sie wird als %2 aufbewahrt, und eine neue %1 enthält, was die Einrichtung zeigte.<byte value="xd"/><byte value="xd"/>Übernehmen Sie, was Sie noch brauchen, aus der aufbewahrten Datei in die Einrichtung und löschen Sie sie dann.</translation>
    </message>
    <message>
        <source>Old File Kept</source>
        <translation>Alte Datei aufbewahrt</translation>
    </message>
</context>
<context>
    <name>ChangeNotifier</name>
    <message>
        <source>#%1 %2 (was %3)</source>
        <translation>#%1 %2 (vorher %3)</translation>
    </message>
    <message>
        <source>1 price changed</source>
        <translation>1 Preis geändert</translation>
    </message>
    <message>
        <source>%1 prices changed</source>
        <translation>%1 Preise geändert</translation>
    </message>
</context>
<context>
    <name>CommandActions</name>
    <message>
        <source>&amp;Go</source>
        <translation>Sta&amp;rt</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Start Monitoring</source>
        <translation>Überwachung starten</translation>
    </message>
    <message>
        <source>St&amp;op</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <source>Stop Monitoring</source>
        <translation>Überwachung stoppen</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>Save Grid Contents</source>
        <translation>Tabelleninhalt speichern</translation>
    </message>
    <message>
        <source>Auction &amp;Log</source>
        <translation>Auktionspr&amp;otokoll</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>P&amp;rotokoll</translation>
    </message>
    <message>
        <source>Show Auction  Log</source>
        <translation>Auktionsprotokoll zeigen</translation>
    </message>
    <message>
        <source>Price His&amp;tory</source>
        <translation>Preis&amp;verlauf</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>Show Price History</source>
        <translation>Preisverlauf zeigen</translation>
    </message>
    <message>
        <source>S&amp;etup</source>
        <translation>&amp;Einrichten</translation>
    </message>
    <message>
        <source>Program Setup</source>
        <translation>Programm einrichten</translation>
    </message>
    <message>
        <source>&amp;Sound Notification</source>
        <translation>Benachrichtigung per &amp;Ton</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>T&amp;on</translation>
    </message>
    <message>
        <source>Set Sound Notification</source>
        <translation>Benachrichtigung per Ton ein- oder ausschalten</translation>
    </message>
    <message>
        <source>&amp;Pop-up Window Notification</source>
        <translation>Benachrichtigung per &amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>Set Pop-up Window Notification</source>
        <translation>Benachrichtigung per Fenster ein- oder ausschalten</translation>
    </message>
    <message>
        <source>&amp;Desktop Notification</source>
        <translation>&amp;Desktop-Benachrichtigung</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Melden</translation>
    </message>
    <message>
        <source>Set Desktop Notification</source>
        <translation>Desktop-Benachrichtigung ein- oder ausschalten</translation>
    </message>
    <message>
        <source>&amp;Report Problems Without Interrupting</source>
        <translation>&amp;Probleme ohne Unterbrechung melden</translation>
    </message>
    <message>
        <source>Quietly</source>
        <translation>Leise</translation>
    </message>
    <message>
        <source>Report problems in the grid and the log, without a message box</source>
        <translation>Probleme in der Tabelle und im Protokoll melden, ohne Meldungsfenster</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Hel&amp;p</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Open Help</source>
        <translation>Hilfe öffnen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>About Bidorra</source>
        <translation>Über Bidorra</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Bee&amp;nden</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Programm beenden</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>Error Opening File</source>
        <translation>Fehler beim Öffnen der Datei</translation>
    </message>
    <message>
        <source>Error Saving File</source>
        <translation>Fehler beim Speichern der Datei</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>Error %1: %2</source>
        <translation>Fehler %1: %2</translation>
    </message>
    <message>
        <source>Error with Grid Data.csv File</source>
        <translation>Fehler mit der Datei Grid Data.csv</translation>
    </message>
    <message>
        <source>Error with List.ini File</source>
        <translation>Fehler mit der Datei List.ini</translation>
    </message>
    <message>
        <source>Erro with Setup.ini File</source>
        <translation>Fehler mit der Datei Setup.ini</translation>
    </message>
</context>
<context>
    <name>HistoryMessages</name>
    <message>
        <source>Error %1: %2</source>
        <translation>Fehler %1: %2</translation>
    </message>
    <message>
        <source>Bidorra keeps the changes it sees and tries again at every round; monitoring goes on.</source>
        <translation>Bidorra behält die Änderungen, die es sieht, und versucht es bei jeder Runde erneut; die Überwachung läuft weiter.</translation>
    </message>
    <message>
        <source>The file was left as it is, and monitoring goes on without a history.</source>
        <translation>Die Datei blieb, wie sie ist, und die Überwachung läuft ohne Verlauf weiter.</translation>
    </message>
    <message>
        <source>Another program is using the file.</source>
        <translation>Ein anderes Programm verwendet die Datei.</translation>
    </message>
    <message>
        <source>The disk may be full: make room on it.</source>
        <translation>Der Datenträger ist vielleicht voll: Schaffen Sie Platz darauf.</translation>
    </message>
    <message>
        <source>Make sure you may read and write the file and its folder.</source>
        <translation>Stellen Sie sicher, dass Sie die Datei und ihren Ordner lesen und schreiben dürfen.</translation>
    </message>
    <message>
        <source>To start a new history, end Bidorra and move the file out of the program folder or delete it.</source>
        <translation>Um einen neuen Verlauf zu beginnen, beenden Sie Bidorra und verschieben Sie die Datei aus dem Programmordner oder löschen Sie sie.</translation>
    </message>
    <message>
        <source>Use the newer version of Bidorra, or end Bidorra and move the file out of the program folder to start a new history.</source>
        <translation>Verwenden Sie die neuere Version von Bidorra, oder beenden Sie Bidorra und verschieben Sie die Datei aus dem Programmordner, um einen neuen Verlauf zu beginnen.</translation>
    </message>
    <message>
        <source>Bidorra neither follows links nor writes to special files. Put the file itself in that place, or remove what is there.</source>
        <translation>Bidorra folgt keinen Verknüpfungen und schreibt nicht in Spezialdateien. Legen Sie die Datei selbst an diese Stelle oder entfernen Sie, was dort liegt.</translation>
    </message>
    <message>
        <source>Bidorra made a new history.sqlite and goes on with it; the history starts again from here.</source>
        <translation>Bidorra hat eine neue history.sqlite angelegt und arbeitet mit ihr weiter; der Verlauf beginnt von hier an neu.</translation>
    </message>
    <message>
        <source>History File Made Again</source>
        <translation>Verlaufsdatei neu angelegt</translation>
    </message>
    <message>
        <source>Error Opening File</source>
        <translation>Fehler beim Öffnen der Datei</translation>
    </message>
    <message>
        <source>Error Saving File</source>
        <translation>Fehler beim Speichern der Datei</translation>
    </message>
    <message>
        <source>Error with history.sqlite File</source>
        <translation>Fehler mit der Datei history.sqlite</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>It holds no price history of this program.</source>
        <translation>Sie enthält keinen Preisverlauf dieses Programms.</translation>
    </message>
    <message>
        <source>Its table schema_version holds no layout number.</source>
        <translation>Ihre Tabelle schema_version enthält keine Aufbaunummer.</translation>
    </message>
    <message>
        <source>Its layout %1 is newer than this version of the program knows (%2).</source>
        <translation>Ihr Aufbau %1 ist neuer, als diese Programmversion kennt (%2).</translation>
    </message>
    <message>
        <source>It was deleted or replaced while the program was running.</source>
        <translation>Sie wurde gelöscht oder ersetzt, während das Programm lief.</translation>
    </message>
    <message>
        <source>The history is not kept in this run.</source>
        <translation>Der Verlauf wird in diesem Lauf nicht geführt.</translation>
    </message>
    <message>
        <source>SQLite gave no reason</source>
        <translation>SQLite nannte keinen Grund</translation>
    </message>
</context>
<context>
    <name>HistoryTableModel</name>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Bids</source>
        <translation>Gebote</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Time Left</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>Time Ends</source>
        <translation>Endet</translation>
    </message>
    <message>
        <source>Seller</source>
        <translation>Verkäufer</translation>
    </message>
    <message>
        <source>High Bidder</source>
        <translation>Höchstbietender</translation>
    </message>
    <message>
        <source>Time (%1)</source>
        <translation>Zeit (%1)</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Price History</source>
        <translation>Preisverlauf</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>&amp;Item #:</source>
        <translation>&amp;Artikelnr.:</translation>
    </message>
    <message>
        <source>Stored changes</source>
        <translation>Gespeicherte Änderungen</translation>
    </message>
    <message>
        <source>&amp;Export Item...</source>
        <translation>Artikel &amp;exportieren...</translation>
    </message>
    <message>
        <source>Export &amp;All...</source>
        <translation>A&amp;lle exportieren...</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>Exportfortschritt</translation>
    </message>
    <message>
        <source>&amp;Cancel Export</source>
        <translation>Export a&amp;bbrechen</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>The history could not be read.</source>
        <translation>Der Verlauf konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Nothing has been recorded yet.

From the first round after Start, Bidorra keeps here every change of an item&apos;s price, bids and the rest, with the time it saw it.</source>
        <translation>Noch nichts aufgezeichnet.

Ab der ersten Runde nach dem Start hält Bidorra hier jede Änderung von Preis, Geboten und dem Übrigen eines Artikels fest, mit der Zeit, zu der es sie sah.</translation>
    </message>
    <message>
        <source>Nothing has been recorded for item #%1 yet.

Bidorra keeps every change of its price, bids and the rest from the next round that reads its page.</source>
        <translation>Für Artikel %1 ist noch nichts aufgezeichnet.

Bidorra hält jede Änderung von Preis, Geboten und dem Übrigen ab der nächsten Runde fest, die seine Seite liest.</translation>
    </message>
    <message>
        <source>Price History.csv</source>
        <translation>Preisverlauf.csv</translation>
    </message>
    <message>
        <source>Price History %1.csv</source>
        <translation>Preisverlauf %1.csv</translation>
    </message>
    <message>
        <source>Export Every Item&apos;s History</source>
        <translation>Verlauf aller Artikel exportieren</translation>
    </message>
    <message>
        <source>Export the History of Item #%1</source>
        <translation>Verlauf von Artikel %1 exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Error with %1 File</source>
        <translation>Fehler mit der Datei %1</translation>
    </message>
    <message>
        <source>Error Saving File</source>
        <translation>Fehler beim Speichern der Datei</translation>
    </message>
    <message>
        <source>The price chart could not be loaded: %1</source>
        <translation>Das Preisdiagramm konnte nicht geladen werden: %1</translation>
    </message>
</context>
<context>
    <name>ItemListFile</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 characters and was left out</source>
        <translation>Zeile %1 ist länger als %2 Zeichen und wurde ausgelassen</translation>
    </message>
    <message>
        <source>lines %1 are longer than %2 characters and were left out</source>
        <translation>Zeilen %1 sind länger als %2 Zeichen und wurden ausgelassen</translation>
    </message>
</context>
<context>
    <name>ItemPageReader</name>
    <message>
        <source>Unclosed tag after &apos;%1&apos;</source>
        <translation>Nicht geschlossenes Tag nach &apos;%1&apos;</translation>
    </message>
    <message>
        <source>No tag after the value of &apos;%1&apos;</source>
        <translation>Kein Tag nach dem Wert von &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Price not found after &apos;Currently&apos;</source>
        <translation>Kein Preis nach &apos;Currently&apos; gefunden</translation>
    </message>
    <message>
        <source>No tag after the price that follows &apos;Currently&apos;</source>
        <translation>Kein Tag nach dem Preis, der auf &apos;Currently&apos; folgt</translation>
    </message>
    <message>
        <source>Quantity &apos;%1&apos; is not a number</source>
        <translation>Menge &apos;%1&apos; ist keine Zahl</translation>
    </message>
</context>
<context>
    <name>LogWindow</name>
    <message>
        <source>Auction Log</source>
        <translation>Auktionsprotokoll</translation>
    </message>
    <message>
        <source>Price changes</source>
        <translation>Preisänderungen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Clear Log</source>
        <translation>Protokoll &amp;leeren</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Auction</source>
        <translation>&amp;Auktion</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>No auctions to show yet. Add their item numbers in Setup (%1), then choose Start (%2).</source>
        <translation>Noch keine Auktionen zu zeigen. Fügen Sie ihre Artikelnummern unter Einrichten (%1) hinzu und wählen Sie dann Start (%2).</translation>
    </message>
    <message>
        <source>Items listed: %1. Choose Start (%2) to watch them.</source>
        <translation>Aufgeführte Artikel: %1. Wählen Sie Start (%2), um sie zu beobachten.</translation>
    </message>
</context>
<context>
    <name>Modules</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 is a module of another version</source>
        <translation>%1 ist ein Modul einer anderen Version</translation>
    </message>
</context>
<context>
    <name>Monitor</name>
    <message>
        <source>Closing Connection. Please Wait...</source>
        <translation>Verbindung wird geschlossen. Bitte warten...</translation>
    </message>
    <message>
        <source>Connection Closed</source>
        <translation>Verbindung geschlossen</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>Connection Open</source>
        <translation>Verbindung offen</translation>
    </message>
    <message>
        <source>Connection ended</source>
        <translation>Verbindung beendet</translation>
    </message>
    <message>
        <source>Timer ON...</source>
        <translation>Zeitgeber AN...</translation>
    </message>
</context>
<context>
    <name>MonitoringCycle</name>
    <message>
        <source>Error: %1 occurred.</source>
        <translation>Fehler: %1 ist aufgetreten.</translation>
    </message>
    <message>
        <source>Error Retrieving Data</source>
        <translation>Fehler beim Abrufen der Daten</translation>
    </message>
    <message>
        <source>Retrieving Item #%1</source>
        <translation>Artikel %1 wird abgerufen</translation>
    </message>
    <message>
        <source>Item #%1</source>
        <translation>Artikel %1</translation>
    </message>
    <message>
        <source>Item #%1: %2</source>
        <translation>Artikel %1: %2</translation>
    </message>
    <message>
        <source>Monitoring stops after this item.</source>
        <translation>Die Überwachung endet nach diesem Artikel.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
</context>
<context>
    <name>PriceChart</name>
    <message>
        <source>Price and bids over time</source>
        <translation>Preis und Gebote im Zeitverlauf</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Bids</source>
        <translation>Gebote</translation>
    </message>
    <message>
        <source>Time (%1)</source>
        <translation>Zeit (%1)</translation>
    </message>
    <message>
        <source>Price (%1)</source>
        <translation>Preis (%1)</translation>
    </message>
</context>
<context>
    <name>ResponseStatus</name>
    <message>
        <source>Nothing to download!</source>
        <translation>Nichts herunterzuladen!</translation>
    </message>
    <message>
        <source>No Content</source>
        <translation>Kein Inhalt</translation>
    </message>
    <message>
        <source>Authorization failed!</source>
        <translation>Anmeldung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Unauthorized</source>
        <translation>Nicht berechtigt</translation>
    </message>
    <message>
        <source>The file, &quot;%1&quot; was not found!</source>
        <translation>Die Datei &quot;%1&quot; wurde nicht gefunden!</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Cannot establish connection.<byte value="xd"/><byte value="xd"/>Check your Internet connection and try again.</source>
        <translation>Verbindung kann nicht hergestellt werden.<byte value="xd"/><byte value="xd"/>Prüfen Sie Ihre Internetverbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Cannot Establish Connection</source>
        <translation>Verbindung kann nicht hergestellt werden</translation>
    </message>
    <message>
        <source>&lt;nothing&gt;</source>
        <translation>&lt;nichts&gt;</translation>
    </message>
    <message>
        <source>The server returned the following response:<byte value="xd"/><byte value="xd"/></source>
        <translation>Der Server gab folgende Antwort:<byte value="xd"/><byte value="xd"/></translation>
    </message>
    <message>
        <source>Error Retrieving Data</source>
        <translation>Fehler beim Abrufen der Daten</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Item #</source>
        <translation>Artikelnr.</translation>
    </message>
    <message>
        <source>Seller</source>
        <translation>Verkäufer</translation>
    </message>
    <message>
        <source>Highest Bidder</source>
        <translation>Höchstbietender</translation>
    </message>
    <message>
        <source>Current $</source>
        <translation>Aktueller Preis</translation>
    </message>
    <message>
        <source>Time Ends</source>
        <translation>Endet</translation>
    </message>
    <message>
        <source>Time Left</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source># of bids</source>
        <translation>Gebote</translation>
    </message>
    <message>
        <source>Cause: %1.</source>
        <translation>Ursache: %1.</translation>
    </message>
    <message>
        <source>At %1.</source>
        <translation>Um %1.</translation>
    </message>
    <message>
        <source>Changed from %1 in the latest check.</source>
        <translation>Bei der letzten Prüfung von %1 geändert.</translation>
    </message>
</context>
<context>
    <name>ResultsView</name>
    <message>
        <source>Watched auctions</source>
        <translation>Beobachtete Auktionen</translation>
    </message>
</context>
<context>
    <name>RunOnce</name>
    <message>
        <source>Bidorra runs, but a second start on the same program folder will not find this one and may run beside it. Remove what is in the way, then start Bidorra again.</source>
        <translation>Bidorra läuft, aber ein zweiter Start im selben Programmordner wird diesen nicht finden und kann daneben laufen. Entfernen Sie, was im Weg ist, und starten Sie Bidorra dann erneut.</translation>
    </message>
    <message>
        <source>One Run per Folder Not Kept</source>
        <translation>Nur ein Lauf je Ordner nicht gewährleistet</translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Setup</source>
        <translation>Einrichtung</translation>
    </message>
    <message>
        <source>&amp;Notification</source>
        <translation>&amp;Benachrichtigung</translation>
    </message>
    <message>
        <source>Auction &amp;List</source>
        <translation>Auktions&amp;liste</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Zeitgeber</translation>
    </message>
    <message>
        <source>Check Auction(s) &amp;Every</source>
        <translation>Auktion(en) prüfen &amp;alle</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Change the time field</source>
        <translation>Zeitfeld ändern</translation>
    </message>
    <message>
        <source>Alert Me By</source>
        <translation>Benachrichtigen durch</translation>
    </message>
    <message>
        <source>&amp;Play Sound</source>
        <translation>&amp;Ton abspielen</translation>
    </message>
    <message>
        <source>Pop-up &amp;Window</source>
        <translation>&amp;Fenster öffnen</translation>
    </message>
    <message>
        <source>&amp;Desktop Notification</source>
        <translation>&amp;Desktop-Benachrichtigung</translation>
    </message>
    <message>
        <source>&amp;Report problems without interrupting</source>
        <translation>&amp;Probleme ohne Unterbrechung melden</translation>
    </message>
    <message>
        <source>A problem with an item marks its row and goes into the log; no message box waits for OK, and monitoring goes on.</source>
        <translation>Ein Problem mit einem Artikel markiert seine Zeile und kommt ins Protokoll; kein Meldungsfenster wartet auf OK, und die Überwachung läuft weiter.</translation>
    </message>
    <message>
        <source>&amp;Item #</source>
        <translation>Artikel&amp;nr.</translation>
    </message>
    <message>
        <source>An item number, or an item page&apos;s address pasted from the browser</source>
        <translation>Eine Artikelnummer oder die aus dem Browser eingefügte Adresse einer Artikelseite</translation>
    </message>
    <message>
        <source>&lt;&lt; Re&amp;move Item</source>
        <translation>&lt;&lt; Artikel &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Add Item &gt;&gt;</source>
        <translation>Artikel &amp;hinzufügen &gt;&gt;</translation>
    </message>
    <message>
        <source>Watched items</source>
        <translation>Beobachtete Artikel</translation>
    </message>
    <message>
        <source>Item #%1 is already in the list.</source>
        <translation>Artikel %1 steht schon in der Liste.</translation>
    </message>
    <message>
        <source>Item Already Listed</source>
        <translation>Artikel schon aufgeführt</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>%1 is in the way: it is not a socket.</source>
        <translation>%1 ist im Weg: Es ist kein Socket.</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
</context>
<context>
    <name>TransferFailure</name>
    <message>
        <source>the address is not an http address</source>
        <translation>die Adresse ist keine HTTP-Adresse</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>Host nicht gefunden</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>connection reset</source>
        <translation>Verbindung zurückgesetzt</translation>
    </message>
    <message>
        <source>the server closed the connection without an answer</source>
        <translation>der Server schloss die Verbindung ohne Antwort</translation>
    </message>
    <message>
        <source>answer cut short</source>
        <translation>Antwort abgeschnitten</translation>
    </message>
    <message>
        <source>header too large</source>
        <translation>Kopfzeilen zu groß</translation>
    </message>
    <message>
        <source>the answer was not readable HTTP</source>
        <translation>die Antwort war kein lesbares HTTP</translation>
    </message>
    <message>
        <source>the network connection went away</source>
        <translation>die Netzwerkverbindung ist weggefallen</translation>
    </message>
    <message>
        <source>the proxy cannot be reached (%1)</source>
        <translation>der Proxy ist nicht erreichbar (%1)</translation>
    </message>
    <message>
        <source>the proxy asks for a valid user name and password (407)</source>
        <translation>der Proxy verlangt einen gültigen Benutzernamen und ein Passwort (407)</translation>
    </message>
    <message>
        <source>the proxy %1 is not an http proxy</source>
        <translation>der Proxy %1 ist kein HTTP-Proxy</translation>
    </message>
    <message>
        <source>network error</source>
        <translation>Netzwerkfehler</translation>
    </message>
    <message numerus="yes">
        <source>no answer within %n seconds</source>
        <translation>
            <numerusform>keine Antwort innerhalb von %n Sekunde</numerusform>
            <numerusform>keine Antwort innerhalb von %n Sekunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Show &amp;Bidorra</source>
        <translation>Bidorra &amp;anzeigen</translation>
    </message>
    <message>
        <source>Show Bidorra</source>
        <translation>Bidorra anzeigen</translation>
    </message>
</context>
<context>
    <name>UpDownArrows</name>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
</context>
</TS>
