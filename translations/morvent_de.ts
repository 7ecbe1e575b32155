<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BackupKeeper</name>
    <message>
        <source>Unable to create the folder %1</source>
        <translation>Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Schreiben in %1 nicht möglich</translation>
    </message>
    <message>
        <source>Unable to find a free name in %1</source>
        <translation>Kein freier Dateiname in %1</translation>
    </message>
</context>
<context>
    <name>ConnectionHelp</name>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1 (Prozess %2)</translation>
    </message>
    <message>
        <source>Permission denied: your user may not open %1. It belongs to the group &quot;%2&quot;; add yourself to that group with
    sudo usermod -aG %2 $USER
then log out and log in again: a new group counts only from a new login.</source>
        <translation>Zugriff verweigert: Ihr Benutzer darf %1 nicht öffnen. Das Gerät gehört der Gruppe „%2“; treten Sie ihr bei mit
    sudo usermod -aG %2 $USER
und melden Sie sich danach ab und wieder an: eine neue Gruppe gilt erst ab einer neuen Anmeldung.</translation>
    </message>
    <message>
        <source>Create the group first with
    sudo groupadd %1
</source>
        <translation>Legen Sie zuerst die Gruppe an mit
    sudo groupadd %1
</translation>
    </message>
    <message>
        <source>Permission denied: your user may not open %1, and no group other than root may read and write it. %2Give the group &quot;%3&quot; access with a udev rule: the line
    KERNEL==&quot;%4&quot;, GROUP=&quot;%3&quot;, MODE=&quot;0660&quot;
in a file /etc/udev/rules.d/99-serial-adapter.rules, then plug the adapter in again. Add yourself to the group with
    sudo usermod -aG %3 $USER
then log out and log in again: a new group counts only from a new login.</source>
        <translation>Zugriff verweigert: Ihr Benutzer darf %1 nicht öffnen, und außer root darf keine Gruppe darauf lesen und schreiben. %2Geben Sie der Gruppe „%3“ Zugriff per udev-Regel: die Zeile
    KERNEL==&quot;%4&quot;, GROUP=&quot;%3&quot;, MODE=&quot;0660&quot;
in eine Datei /etc/udev/rules.d/99-serial-adapter.rules, dann den Adapter neu einstecken. Treten Sie der Gruppe bei mit
    sudo usermod -aG %3 $USER
und melden Sie sich danach ab und wieder an: eine neue Gruppe gilt erst ab einer neuen Anmeldung.</translation>
    </message>
    <message>
        <source>%1 is the terminal this program runs in, not a controller&apos;s port. Name the adapter&apos;s port instead.</source>
        <translation>%1 ist das Terminal, in dem dieses Programm läuft, kein Controller-Port. Geben Sie stattdessen den Port des Adapters an.</translation>
    </message>
    <message>
        <source>The port is in use: another program is using it. Close that program, then connect again.</source>
        <translation>Der Port ist belegt: Ein anderes Programm nutzt ihn. Schließen Sie dieses Programm und verbinden Sie dann erneut.</translation>
    </message>
    <message>
        <source>The port is in use by %1. Close %2, then connect again.</source>
        <translation>Der Port wird von %1 belegt. Schließen Sie %2 und verbinden Sie dann erneut.</translation>
    </message>
    <message>
        <source>that program</source>
        <translation>dieses Programm</translation>
    </message>
    <message>
        <source>those programs</source>
        <translation>diese Programme</translation>
    </message>
    <message>
        <source>
ModemManager probes new serial adapters as if they were modems. Stop it with
    sudo systemctl stop ModemManager
or wait until it lets go of the adapter.</source>
        <translation>
ModemManager prüft neue serielle Adapter, als wären es Modems. Stoppen Sie ihn mit
    sudo systemctl stop ModemManager
oder warten Sie, bis er den Adapter freigibt.</translation>
    </message>
    <message>
        <source>No such device: %1. The adapter is unplugged or the port name is wrong; plug it in and pick it again from the Port list.</source>
        <translation>Gerät nicht vorhanden: %1. Der Adapter ist abgesteckt oder der Portname ist falsch; stecken Sie ihn ein und wählen Sie ihn erneut in der Port-Liste.</translation>
    </message>
    <message>
        <source>The device %1 does not answer: the adapter was pulled or has failed. Plug it in again and pick it from the Port list.</source>
        <translation>Das Gerät %1 antwortet nicht: Der Adapter wurde abgezogen oder ist defekt. Stecken Sie ihn wieder ein und wählen Sie ihn in der Port-Liste.</translation>
    </message>
    <message>
        <source>%1 does not take the line settings: its driver cannot set the rate or the character format asked for. Try another adapter.</source>
        <translation>%1 übernimmt die Leitungseinstellungen nicht: Sein Treiber kann Baudrate oder Zeichenformat nicht einstellen. Versuchen Sie einen anderen Adapter.</translation>
    </message>
    <message>
        <source>%1 is not a serial port. Pick the adapter from the Port list.</source>
        <translation>%1 ist kein serieller Port. Wählen Sie den Adapter in der Port-Liste.</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program, then connect again.</source>
        <translation>%1 wird von einem anderen Programm belegt. Schließen Sie dieses Programm und verbinden Sie dann erneut.</translation>
    </message>
    <message>
        <source>There is no %1 on this computer. The adapter is unplugged or the port name is wrong; plug it in and pick it again from the Port list.</source>
        <translation>%1 gibt es auf diesem Computer nicht. Der Adapter ist abgesteckt oder der Portname ist falsch; stecken Sie ihn ein und wählen Sie ihn erneut in der Port-Liste.</translation>
    </message>
</context>
<context>
    <name>Form1Ui</name>
    <message>
        <source>Undo Changes</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>Pedal Assist</source>
        <translation>Tretunterstützung</translation>
    </message>
    <message>
        <source>Throttle Handle</source>
        <translation>Gasgriff</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Drehmoment</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Bandrate:</source>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Controller Info</source>
        <translation>Controller-Info</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>Hersteller:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modell:</translation>
    </message>
    <message>
        <source>Harware Ver:</source>
        <translation>HW-Version:</translation>
    </message>
    <message>
        <source>Firmware Ver:</source>
        <translation>FW-Version:</translation>
    </message>
    <message>
        <source>Nominal Voltage:</source>
        <translation>Nennspannung:</translation>
    </message>
    <message>
        <source>Max.Current:</source>
        <translation>Max. Strom:</translation>
    </message>
    <message>
        <source>Read Flash</source>
        <translation>Flash lesen</translation>
    </message>
    <message>
        <source>Write Flash</source>
        <translation>Flash schreiben</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Continuous Get</source>
        <translation>Dauerabfrage</translation>
    </message>
    <message>
        <source>×10mS</source>
        <translation>×10ms</translation>
    </message>
    <message>
        <source>About Tq</source>
        <translation>Drehmoment-Messwerte</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Plot...</source>
        <translation>Diagramm...</translation>
    </message>
    <message>
        <source>Plot the readings of the last minute</source>
        <translation>Messwerte der letzten Minute als Diagramm</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Abfragen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>Load &amp;Backup...</source>
        <translation>Sic&amp;herung laden...</translation>
    </message>
    <message>
        <source>Compare With &amp;File...</source>
        <translation>Mit Da&amp;tei vergleichen...</translation>
    </message>
    <message>
        <source>Compare With &amp;Controller</source>
        <translation>Mit &amp;Controller vergleichen</translation>
    </message>
    <message>
        <source>Clear Compa&amp;rison</source>
        <translation>&amp;Vergleich aufheben</translation>
    </message>
    <message>
        <source>&amp;Open Backups Folder</source>
        <translation>Sicherungs&amp;ordner öffnen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Review Changes...</source>
        <translation>Änderungen &amp;prüfen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>A live reading of the torque sensor, as the controller measured it when last asked (Get, Continuous Get, Read Flash).
Read only; not kept in parameter files.</source>
        <translation>Live-Messwert des Drehmomentsensors, wie der Controller ihn bei der letzten Abfrage gemessen hat (Abfragen, Dauerabfrage, Flash lesen).
Nur lesbar; wird nicht in Parameterdateien gespeichert.</translation>
    </message>
    <message>
        <source>The serial port the controller is on; a device path may be typed.</source>
        <translation>Serieller Port, an dem der Controller hängt; ein Gerätepfad kann eingetippt werden.</translation>
    </message>
    <message>
        <source>The line speed. Connect finds the controller&apos;s own by trying each in turn from the first; once it answers, the line runs at 9600.</source>
        <translation>Die Baudrate. Verbinden findet die des Controllers, indem es jede der Reihe nach ab der ersten probiert; sobald er antwortet, läuft die Leitung mit 9600.</translation>
    </message>
    <message>
        <source>Controller System</source>
        <translation>Controller-System</translation>
    </message>
    <message>
        <source>&amp;Export Report...</source>
        <translation>Bericht &amp;exportieren...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>ends the connection to the controller</comment>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Report Se&amp;ttings...</source>
        <translation>Be&amp;richtseinstellungen...</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>&amp;System</source>
        <translation>&amp;System</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>prompt message</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>PortList</name>
    <message>
        <source>Simulated controller</source>
        <translation>Simulierter Controller</translation>
    </message>
    <message>
        <source>The built-in simulated controller (%1), not a real adapter</source>
        <translation>Der eingebaute simulierte Controller (%1), kein echter Adapter</translation>
    </message>
</context>
<context>
    <name>Protocol</name>
    <message>
        <source>Read The Basic Info CheckSum Error</source>
        <translation>Prüfsummenfehler beim Lesen: Basis</translation>
    </message>
    <message>
        <source>Write The Basic Info CheckSum Error</source>
        <translation>Prüfsummenfehler beim Schreiben: Basis</translation>
    </message>
    <message>
        <source>Basic Set successfully.</source>
        <translation>Basis: erfolgreich geschrieben.</translation>
    </message>
    <message>
        <source>Read The Pedal Assist Info CheckSum Error</source>
        <translation>Prüfsummenfehler beim Lesen: Tretunterstützung</translation>
    </message>
    <message>
        <source>Write The Pedal Assist Info CheckSum Error</source>
        <translation>Prüfsummenfehler beim Schreiben: Tretunterstützung</translation>
    </message>
    <message>
        <source>Pedal Assist Set successfully.</source>
        <translation>Tretunterstützung: erfolgreich geschrieben.</translation>
    </message>
    <message>
        <source>Read The Throttle Handle Info CheckSum Error</source>
        <translation>Prüfsummenfehler beim Lesen: Gasgriff</translation>
    </message>
    <message>
        <source>Write The Throttle Handle Info CheckSum Error</source>
        <translation>Prüfsummenfehler beim Schreiben: Gasgriff</translation>
    </message>
    <message>
        <source>Throttle Handle Set successfully.</source>
        <translation>Gasgriff: erfolgreich geschrieben.</translation>
    </message>
    <message>
        <source>Read The Torque Info CheckSum Error</source>
        <translation>Prüfsummenfehler beim Lesen: Drehmoment</translation>
    </message>
    <message>
        <source>Write The Torque Info CheckSum Error</source>
        <translation>Prüfsummenfehler beim Schreiben: Drehmoment</translation>
    </message>
    <message>
        <source>Torque Set successfully.</source>
        <translation>Drehmoment: erfolgreich geschrieben.</translation>
    </message>
    <message>
        <source>Read Flash successfully.</source>
        <translation>Flash erfolgreich gelesen.</translation>
    </message>
    <message>
        <source>Write Flash successfully.</source>
        <translation>Flash erfolgreich geschrieben.</translation>
    </message>
    <message>
        <source>Manufacturer:%1</source>
        <translation>Hersteller:%1</translation>
    </message>
    <message>
        <source>Model:%1</source>
        <translation>Modell:%1</translation>
    </message>
    <message>
        <source>Harware Ver: V%1.%2</source>
        <translation>HW-Version: V%1.%2</translation>
    </message>
    <message>
        <source>Firmware Ver: V%1</source>
        <translation>FW-Version: V%1</translation>
    </message>
    <message>
        <source>Max.Current: %1A</source>
        <translation>Max. Strom: %1A</translation>
    </message>
    <message>
        <source>Firmware Ver:%1</source>
        <translation>FW-Version:%1</translation>
    </message>
    <message>
        <source>Read The Controller Info CheckSum Error</source>
        <translation>Prüfsummenfehler beim Lesen der Controller-Info</translation>
    </message>
    <message>
        <source>Read The Software Version Error</source>
        <translation>Fehler beim Lesen der Firmwareversion</translation>
    </message>
    <message>
        <source>SpeedSignalACC</source>
        <translation>Impulse gesamt</translation>
    </message>
    <message>
        <source>SpeedSigLevel</source>
        <translation>Signalpegel</translation>
    </message>
    <message>
        <source>LevelHTime</source>
        <translation>High-Zeit</translation>
    </message>
    <message>
        <source>LevelLTime</source>
        <translation>Low-Zeit</translation>
    </message>
    <message>
        <source>TqVoltate</source>
        <translation>Momentspannung</translation>
    </message>
    <message>
        <source>Read The Tq Info CheckSum Error</source>
        <translation>Prüfsummenfehler beim Lesen der Drehmoment-Messwerte</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige Ganzzahl</translation>
    </message>
    <message>
        <source>Nominal Voltage: 24V</source>
        <translation>Nennspannung: 24V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 36V</source>
        <translation>Nennspannung: 36V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 48V</source>
        <translation>Nennspannung: 48V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 60V</source>
        <translation>Nennspannung: 60V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 24-48V</source>
        <translation>Nennspannung: 24-48V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 24-60V</source>
        <translation>Nennspannung: 24-60V</translation>
    </message>
    <message>
        <source>By Display&apos;s Command</source>
        <translation>Vorgabe vom Display</translation>
    </message>
    <message>
        <source>Low Battery Protect(V):</source>
        <translation>Unterspannungsschutz(V):</translation>
    </message>
    <message>
        <source>Low battery protection: the battery voltage at which the controller cuts off; the list offers the voltages of the connected controller&apos;s class</source>
        <translation>Unterspannungsschutz: die Akkuspannung, bei der der Controller abschaltet; die Liste bietet die Spannungen der Spannungsklasse des verbundenen Controllers</translation>
    </message>
    <message>
        <source>Limited Current(A):</source>
        <translation>Strombegrenzung(A):</translation>
    </message>
    <message>
        <source>Limited current: the controller&apos;s overall current limit</source>
        <translation>Strombegrenzung: die gesamte Stromgrenze des Controllers</translation>
    </message>
    <message>
        <source>Limited Current</source>
        <translation>Strombegrenzung</translation>
    </message>
    <message>
        <source>Assit%1:</source>
        <translation>Stufe %1:</translation>
    </message>
    <message>
        <source>Current limit at assist level %1</source>
        <translation>Stromgrenze in Unterstützungsstufe %1</translation>
    </message>
    <message>
        <source>Limit Current(%)</source>
        <translation>Stromgrenze(%)</translation>
    </message>
    <message>
        <source>Speed limit at assist level %1</source>
        <translation>Tempolimit in Unterstützungsstufe %1</translation>
    </message>
    <message>
        <source>Limit Spd(%)</source>
        <translation>Tempolimit(%)</translation>
    </message>
    <message>
        <source>Wheel Diameler(Inch): </source>
        <translation>Raddurchmesser(Zoll): </translation>
    </message>
    <message>
        <source>Wheel diameter</source>
        <translation>Raddurchmesser</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Speed Meter Model: </source>
        <translation>Tachosignal-Quelle: </translation>
    </message>
    <message>
        <source>Speed meter model: where the speed signal comes from</source>
        <translation>Tachosignal-Quelle: woher das Geschwindigkeitssignal kommt</translation>
    </message>
    <message>
        <source>External,Wheel Meter</source>
        <translation>Extern, Radsensor</translation>
    </message>
    <message>
        <source>Internal,Motor Meter</source>
        <translation>Intern, Motorsensor</translation>
    </message>
    <message>
        <source>By Motor Phase</source>
        <translation>Über Motorphase</translation>
    </message>
    <message>
        <source>SpdMeter Signal: </source>
        <translation>Tachoimpulse: </translation>
    </message>
    <message>
        <source>Speed meter signals</source>
        <translation>Tachoimpulse pro Radumdrehung</translation>
    </message>
    <message>
        <source>SpdMeter Signal</source>
        <translation>Tachoimpulse</translation>
    </message>
    <message>
        <source>Pedal Type: </source>
        <translation>Pedalsensor: </translation>
    </message>
    <message>
        <source>Pedal sensor type</source>
        <translation>Typ des Pedalsensors</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Disignated Assist: </source>
        <translation>Vorgabestufe: </translation>
    </message>
    <message>
        <source>Assist level under pedal assist: a fixed level, or the display&apos;s choice</source>
        <translation>Unterstützungsstufe beim Treten: eine feste Stufe oder die Wahl am Display</translation>
    </message>
    <message>
        <source>Speed Limited: </source>
        <translation>Tempolimit: </translation>
    </message>
    <message>
        <source>Speed limit under pedal assist, or the display&apos;s choice</source>
        <translation>Tempolimit beim Treten oder die Wahl am Display</translation>
    </message>
    <message>
        <source>Slow-Start Mode(1-8): </source>
        <translation>Sanftanlauf(1-8): </translation>
    </message>
    <message>
        <source>Slow-start mode</source>
        <translation>Sanftanlauf</translation>
    </message>
    <message>
        <source>Work Mode(Angular Speed of pedal/wheel*10): </source>
        <translation>Arbeitsmodus(Winkelgeschw. Pedal/Rad*10): </translation>
    </message>
    <message>
        <source>Work mode: the angular speed of pedal to wheel</source>
        <translation>Arbeitsmodus: Winkelgeschwindigkeit Pedal zu Rad</translation>
    </message>
    <message>
        <source>Undeterminated</source>
        <translation>Unbestimmt</translation>
    </message>
    <message>
        <source>Start Current(%): </source>
        <translation>Anfahrstrom(%): </translation>
    </message>
    <message>
        <source>Start current under pedal assist</source>
        <translation>Anfahrstrom beim Treten</translation>
    </message>
    <message>
        <source>Start Current</source>
        <translation>Anfahrstrom</translation>
    </message>
    <message>
        <source>Startup Dgree(Signal No.): </source>
        <translation>Startschwelle(Signale): </translation>
    </message>
    <message>
        <source>Startup degree: the pedal sensor signals before the motor starts</source>
        <translation>Startschwelle: Pedalsensor-Signale, bevor der Motor anläuft</translation>
    </message>
    <message>
        <source>signals</source>
        <translation>Signale</translation>
    </message>
    <message>
        <source>Startup Dgree</source>
        <translation>Startschwelle</translation>
    </message>
    <message>
        <source>Time of stop(x10ms): </source>
        <translation>Abschaltzeit(x10ms): </translation>
    </message>
    <message>
        <source>Time of stop</source>
        <translation>Abschaltzeit</translation>
    </message>
    <message>
        <source>Current Decay(1-8): </source>
        <translation>Stromabfall(1-8): </translation>
    </message>
    <message>
        <source>Current decay</source>
        <translation>Stromabfall</translation>
    </message>
    <message>
        <source>Current Decay</source>
        <translation>Stromabfall</translation>
    </message>
    <message>
        <source>Stop Decay(x10ms): </source>
        <translation>Abschaltrampe(x10ms): </translation>
    </message>
    <message>
        <source>Stop decay</source>
        <translation>Abschaltrampe</translation>
    </message>
    <message>
        <source>Stop Decay</source>
        <translation>Abschaltrampe</translation>
    </message>
    <message>
        <source>Keep Current(%)</source>
        <translation>Haltestrom(%)</translation>
    </message>
    <message>
        <source>Keep current</source>
        <translation>Haltestrom</translation>
    </message>
    <message>
        <source>Keep Current</source>
        <translation>Haltestrom</translation>
    </message>
    <message>
        <source>Start Voltage(x100mv): </source>
        <translation>Startspannung(x100mV): </translation>
    </message>
    <message>
        <source>Start voltage: the throttle voltage at which the motor starts</source>
        <translation>Startspannung: Gasgriffspannung, bei der der Motor anläuft</translation>
    </message>
    <message>
        <source>Start Voltage</source>
        <translation>Startspannung</translation>
    </message>
    <message>
        <source>End Voltage(x100mV): </source>
        <translation>Endspannung(x100mV): </translation>
    </message>
    <message>
        <source>End voltage: the throttle voltage of full command</source>
        <translation>Endspannung: Gasgriffspannung bei Vollgas</translation>
    </message>
    <message>
        <source>End Voltage</source>
        <translation>Endspannung</translation>
    </message>
    <message>
        <source>Mode: </source>
        <translation>Modus: </translation>
    </message>
    <message>
        <source>What the throttle commands: speed or current</source>
        <translation>Was der Gasgriff vorgibt: Geschwindigkeit oder Strom</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Designated Assist: </source>
        <translation>Vorgabestufe: </translation>
    </message>
    <message>
        <source>Assist level under the throttle: a fixed level, or the display&apos;s choice</source>
        <translation>Unterstützungsstufe mit Gasgriff: eine feste Stufe oder die Wahl am Display</translation>
    </message>
    <message>
        <source>Speed limit under the throttle, or the display&apos;s choice</source>
        <translation>Tempolimit mit Gasgriff oder die Wahl am Display</translation>
    </message>
    <message>
        <source>Start current under the throttle</source>
        <translation>Anfahrstrom mit Gasgriff</translation>
    </message>
    <message>
        <source>Base Voltage:</source>
        <translation>Basisspannung:</translation>
    </message>
    <message>
        <source>Base voltage of the torque sensor</source>
        <translation>Basisspannung des Drehmomentsensors</translation>
    </message>
    <message>
        <source>BaseVoltage of </source>
        <translation>Basisspannung</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Error voltage, minimum</source>
        <translation>Fehlerspannung, Minimum</translation>
    </message>
    <message>
        <source>Error Voltage:</source>
        <translation>Fehlerspannung:</translation>
    </message>
    <message>
        <source>ErrorVoltage of Min</source>
        <translation>Fehlerspannung Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Error voltage, maximum</source>
        <translation>Fehlerspannung, Maximum</translation>
    </message>
    <message>
        <source>%1 Kg:</source>
        <translation>%1 kg:</translation>
    </message>
    <message>
        <source>Delta voltage of the %1 Kg band</source>
        <translation>Delta-Spannung im Bereich %1 kg</translation>
    </message>
    <message>
        <source>Delta Voltage:</source>
        <translation>Delta-Spannung:</translation>
    </message>
    <message>
        <source>0 Speed Boost Time:</source>
        <translation>Boostzeit bei 0 km/h:</translation>
    </message>
    <message>
        <source>Boost time at zero speed</source>
        <translation>Boostzeit bei Stillstand</translation>
    </message>
    <message>
        <source>Start(Kg):</source>
        <translation>Start(kg):</translation>
    </message>
    <message>
        <source>Start weight</source>
        <translation>Startkraft</translation>
    </message>
    <message>
        <source>Full(Kg):</source>
        <translation>Voll(kg):</translation>
    </message>
    <message>
        <source>Full weight</source>
        <translation>Kraft für volle Unterstützung</translation>
    </message>
    <message>
        <source>Return(Kg):</source>
        <translation>Rücknahme(kg):</translation>
    </message>
    <message>
        <source>Return weight</source>
        <translation>Rücknahmekraft</translation>
    </message>
    <message>
        <source>MinCur(%):</source>
        <translation>Min-Strom(%):</translation>
    </message>
    <message>
        <source>Minimum current</source>
        <translation>Minimalstrom</translation>
    </message>
    <message>
        <source>MaxCur(%):</source>
        <translation>Max-Strom(%):</translation>
    </message>
    <message>
        <source>Maximum current</source>
        <translation>Maximalstrom</translation>
    </message>
    <message>
        <source>KeepCur(%):</source>
        <translation>Haltestrom(%):</translation>
    </message>
    <message>
        <source>CurDecy:</source>
        <translation>Stromabfall:</translation>
    </message>
    <message>
        <source>StarDegree:</source>
        <translation>Startschwelle:</translation>
    </message>
    <message>
        <source>Start degree</source>
        <translation>Startschwelle</translation>
    </message>
    <message>
        <source>%1 at speed point Spd%2</source>
        <translation>%1 am Geschwindigkeitspunkt Spd%2</translation>
    </message>
    <message>
        <source>Spd%1</source>
        <translation>Spd%1</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>one of the list: %1</source>
        <translation>einer aus der Liste: %1</translation>
    </message>
    <message>
        <source>700C, or a size from %1 to %2, chosen from the list or typed</source>
        <translation>700C oder eine Größe von %1 bis %2, aus der Liste gewählt oder eingetippt</translation>
    </message>
    <message>
        <source>%1 (Write Flash sends up to %2)</source>
        <translation>%1 (Flash schreiben sendet bis %2)</translation>
    </message>
    <message>
        <source>%1, and not above the controller&apos;s maximum current (Max.Current)</source>
        <translation>%1, und nicht über dem Maximalstrom des Controllers (Max. Strom)</translation>
    </message>
    <message>
        <source>%1, chosen from the list or typed</source>
        <translation>%1, aus der Liste gewählt oder eingetippt</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>Pedal Assist</source>
        <translation>Tretunterstützung</translation>
    </message>
    <message>
        <source>Throttle Handle</source>
        <translation>Gasgriff</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Drehmoment</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Unit: %1</source>
        <translation>Einheit: %1</translation>
    </message>
    <message>
        <source>Accepted: %1</source>
        <translation>Zulässig: %1</translation>
    </message>
    <message>
        <source>Parameter file key: %1 in [%2]</source>
        <translation>Schlüssel in der Parameterdatei: %1 in [%2]</translation>
    </message>
    <message>
        <source>The %1 setting error,Please reset</source>
        <translation>Einstellfehler bei %1. Bitte neu einstellen.</translation>
    </message>
    <message>
        <source>The %1 setting error,Please reset.</source>
        <translation>Einstellfehler bei %1. Bitte neu einstellen.</translation>
    </message>
    <message>
        <source>The %1 is out of range,Please input again.</source>
        <translation>%1 liegt außerhalb des Bereichs. Bitte neu eingeben.</translation>
    </message>
    <message>
        <source>This serial port already opened</source>
        <translation>Dieser serielle Port ist bereits geöffnet</translation>
    </message>
    <message>
        <source>Error opening serial port</source>
        <translation>Fehler beim Öffnen des seriellen Ports</translation>
    </message>
    <message>
        <source>File handle is not a comm handle </source>
        <translation>Das Gerät ist keine serielle Schnittstelle</translation>
    </message>
    <message>
        <source>Cannot setup comm buffer</source>
        <translation>Puffer der seriellen Schnittstelle nicht einrichtbar</translation>
    </message>
    <message>
        <source>Unable to create event</source>
        <translation>Ereignis kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Unable to create read thread</source>
        <translation>Lese-Thread kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>Unable to create write thread</source>
        <translation>Schreib-Thread kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Schreiben in %1 nicht möglich</translation>
    </message>
    <message>
        <source>%1 is missing, and %2 with it</source>
        <translation>%1 fehlt, und damit %2</translation>
    </message>
    <message>
        <source>%1 is missing from %2 on line %3</source>
        <translation>%1 fehlt in %2 (Zeile %3)</translation>
    </message>
    <message>
        <source>%1=%2 on line %3 is not a whole number</source>
        <translation>%1=%2 in Zeile %3 ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>%1=%2 on line %3 is no item of its list (0 to %4)</source>
        <translation>%1=%2 in Zeile %3 ist kein Eintrag seiner Liste (0 bis %4)</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>Unable to read %1. At more than 1 MiB it is not a parameter file</source>
        <translation>%1 kann nicht gelesen werden. Mit mehr als 1 MiB ist es keine Parameterdatei</translation>
    </message>
    <message>
        <source>Unable to read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is not a parameter file: it is UTF-16 or binary, not 8-bit text</source>
        <translation>%1 ist keine Parameterdatei: sie ist UTF-16 oder binär, kein 8-Bit-Text</translation>
    </message>
    <message>
        <source>%1 is not a parameter file: it has none of the sections %2</source>
        <translation>%1 ist keine Parameterdatei: sie enthält keinen der Abschnitte %2</translation>
    </message>
    <message>
        <source>Unable to write to %1: it is a symbolic link to %2, which does not exist</source>
        <translation>Schreiben in %1 nicht möglich: es ist ein symbolischer Link auf %2, das nicht existiert</translation>
    </message>
    <message>
        <source>Unable to write to %1. At more than 1 MiB it is not a parameter file</source>
        <translation>Schreiben in %1 nicht möglich. Mit mehr als 1 MiB ist es keine Parameterdatei</translation>
    </message>
    <message>
        <source>Unable to write to %1: it is not a parameter file: it is UTF-16 or binary, not 8-bit text</source>
        <translation>Schreiben in %1 nicht möglich: es ist keine Parameterdatei: sie ist UTF-16 oder binär, kein 8-Bit-Text</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2, so nothing was changed</source>
        <translation>Schreiben in %1 nicht möglich: %2, daher wurde nichts geändert</translation>
    </message>
    <message>
        <source>Unable to write to %1 (what it held is kept in %2)</source>
        <translation>Schreiben in %1 nicht möglich (der bisherige Inhalt liegt in %2)</translation>
    </message>
    <message>
        <source>%1: wrong length</source>
        <translation>%1: falsche Länge</translation>
    </message>
    <message>
        <source>%1: cut short</source>
        <translation>%1: unvollständig</translation>
    </message>
    <message>
        <source>%1: checksum error</source>
        <translation>%1: Prüfsummenfehler</translation>
    </message>
    <message>
        <source>connect request</source>
        <translation>Verbindungsanfrage</translation>
    </message>
    <message>
        <source>firmware text request</source>
        <translation>Anfrage Firmware-Text</translation>
    </message>
    <message>
        <source>live readings request</source>
        <translation>Anfrage Live-Messwerte</translation>
    </message>
    <message>
        <source>%1 read request</source>
        <translation>Leseanfrage %1</translation>
    </message>
    <message>
        <source>%1 write</source>
        <translation>%1 schreiben</translation>
    </message>
    <message>
        <source>unrecognised frame</source>
        <translation>unbekannter Rahmen</translation>
    </message>
    <message>
        <source>unrecognised chunk</source>
        <translation>unbekannte Daten</translation>
    </message>
    <message>
        <source>identity reply</source>
        <translation>Antwort Kennung</translation>
    </message>
    <message>
        <source>firmware text reply</source>
        <translation>Antwort Firmware-Text</translation>
    </message>
    <message>
        <source>live readings reply, not awaited: ignored</source>
        <translation>Antwort Live-Messwerte, nicht erwartet: ignoriert</translation>
    </message>
    <message>
        <source>live readings reply</source>
        <translation>Antwort Live-Messwerte</translation>
    </message>
    <message>
        <source>%1 reply</source>
        <translation>Antwort %1</translation>
    </message>
    <message>
        <source>%1 reply, not awaited: ignored</source>
        <translation>Antwort %1, nicht erwartet: ignoriert</translation>
    </message>
    <message>
        <source>%1 write accepted</source>
        <translation>%1 schreiben: angenommen</translation>
    </message>
    <message>
        <source>%1 write refused at byte %2 (%3)</source>
        <translation>%1 schreiben: abgelehnt bei Byte %2 (%3)</translation>
    </message>
    <message>
        <source>%1 write: unknown status %2</source>
        <translation>%1 schreiben: unbekannter Status %2</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Schreiben in %1 nicht möglich: %2</translation>
    </message>
    <message>
        <source>name the report FILE.pdf or FILE.html</source>
        <translation>Bericht als DATEI.pdf oder DATEI.html benennen</translation>
    </message>
    <message>
        <source>it is a symbolic link to %1, which does not exist</source>
        <translation>es ist ein symbolischer Link auf %1, das nicht existiert</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine normale Datei</translation>
    </message>
    <message>
        <source>%1 holds no parameters: the last save to it was cut short</source>
        <translation>%1 enthält keine Parameter: Das letzte Speichern in die Datei wurde vorzeitig abgebrochen</translation>
    </message>
    <message>
        <source>%1 holds no parameters: the last save to it was cut short. What it held before that save is kept in %2</source>
        <translation>%1 enthält keine Parameter: Das letzte Speichern in die Datei wurde vorzeitig abgebrochen. Der Inhalt vor diesem Speichern liegt in %2</translation>
    </message>
    <message>
        <source>%1 holds no parameters: the last save to it was cut short, and no copy of what it held before is kept</source>
        <translation>%1 enthält keine Parameter: Das letzte Speichern in die Datei wurde vorzeitig abgebrochen, und vom vorherigen Inhalt gibt es keine Kopie</translation>
    </message>
    <message>
        <source>%1 on the Basic page shows %2, which a parameter file cannot hold</source>
        <translation>%1 auf der Seite Basis zeigt %2; diesen Wert kann eine Parameterdatei nicht aufnehmen</translation>
    </message>
    <message>
        <source>%1 on the Pedal Assist page shows %2, which a parameter file cannot hold</source>
        <translation>%1 auf der Seite Tretunterstützung zeigt %2; diesen Wert kann eine Parameterdatei nicht aufnehmen</translation>
    </message>
    <message>
        <source>%1 on the Throttle Handle page shows %2, which a parameter file cannot hold</source>
        <translation>%1 auf der Seite Gasgriff zeigt %2; diesen Wert kann eine Parameterdatei nicht aufnehmen</translation>
    </message>
    <message>
        <source>%1 on the Torque page shows %2, which a parameter file cannot hold</source>
        <translation>%1 auf der Seite Drehmoment zeigt %2; diesen Wert kann eine Parameterdatei nicht aufnehmen</translation>
    </message>
</context>
<context>
    <name>ReadingRecorder</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Schreiben in %1 nicht möglich</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>(controller: %1)</source>
        <translation>(Controller: %1)</translation>
    </message>
    <message>
        <source>Controller settings</source>
        <translation>Controller-Einstellungen</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Bike or customer: %1</source>
        <translation>Rad oder Kunde: %1</translation>
    </message>
    <message>
        <source>Work Mode (pedal/wheel speed ratio)</source>
        <translation>Arbeitsmodus (Drehzahlverhältnis Pedal/Rad)</translation>
    </message>
    <message>
        <source>Read from this controller at %1</source>
        <translation>Um %1 von diesem Controller gelesen</translation>
    </message>
    <message>
        <source>Not read from this controller: these values were left on the page by another controller or a file, and may not be this bike&apos;s.</source>
        <translation>Nicht von diesem Controller gelesen: Diese Werte hat ein anderer Controller oder eine Datei auf der Seite hinterlassen; sie gehören womöglich nicht zu diesem Rad.</translation>
    </message>
    <message>
        <source>Technician: %1</source>
        <translation>Mechaniker: %1</translation>
    </message>
    <message>
        <source>Changes in this visit</source>
        <translation>Änderungen bei diesem Werkstattbesuch</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nachher</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>T</source>
        <comment>mark: typed in, not written</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>F</source>
        <comment>mark: loaded from a file, not written</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>E</source>
        <comment>mark: left from before connecting</comment>
        <translation>V</translation>
    </message>
    <message>
        <source>%1: typed in, and not written to this controller.</source>
        <translation>%1: eingetippt und nicht in diesen Controller geschrieben.</translation>
    </message>
    <message>
        <source>%1: loaded from a file, and not written to this controller.</source>
        <translation>%1: aus einer Datei geladen und nicht in diesen Controller geschrieben.</translation>
    </message>
    <message>
        <source>%1: left on the page from before connecting: not read from this controller, and may be another bike&apos;s.</source>
        <translation>%1: stand schon vor dem Verbinden auf der Seite: nicht von diesem Controller gelesen und gehört womöglich zu einem anderen Rad.</translation>
    </message>
    <message>
        <source>Read from this controller at %1, but for the values marked.</source>
        <translation>Um %1 von diesem Controller gelesen, außer den markierten Werten.</translation>
    </message>
    <message>
        <source>Not read from this controller: each value is marked with where it comes from.</source>
        <translation>Nicht von diesem Controller gelesen: Jeder Wert ist mit seiner Herkunft markiert.</translation>
    </message>
    <message>
        <source>Not read from this controller: typed in, and not written to it.</source>
        <translation>Nicht von diesem Controller gelesen: eingetippt und nicht in den Controller geschrieben.</translation>
    </message>
    <message>
        <source>Not read from this controller: loaded from a file, and not written to it.</source>
        <translation>Nicht von diesem Controller gelesen: aus einer Datei geladen und nicht in den Controller geschrieben.</translation>
    </message>
    <message>
        <source>Where a value is not what the controller holds, the controller&apos;s value follows it.</source>
        <translation>Weicht ein Wert von dem im Controller ab, steht der Wert des Controllers dahinter.</translation>
    </message>
</context>
<context>
    <name>morvent::AwaitedWording</name>
    <message>
        <source>Waiting for the Basic block</source>
        <translation>Warte auf den Block „Basis“</translation>
    </message>
    <message>
        <source>Waiting for the Basic block to be stored</source>
        <translation>Warte, bis der Block „Basis“ gespeichert ist</translation>
    </message>
    <message>
        <source>Waiting for the Pedal Assist block</source>
        <translation>Warte auf den Block „Tretunterstützung“</translation>
    </message>
    <message>
        <source>Waiting for the Pedal Assist block to be stored</source>
        <translation>Warte, bis der Block „Tretunterstützung“ gespeichert ist</translation>
    </message>
    <message>
        <source>Waiting for the Throttle Handle block</source>
        <translation>Warte auf den Block „Gasgriff“</translation>
    </message>
    <message>
        <source>Waiting for the Throttle Handle block to be stored</source>
        <translation>Warte, bis der Block „Gasgriff“ gespeichert ist</translation>
    </message>
    <message>
        <source>Waiting for the Torque block</source>
        <translation>Warte auf den Block „Drehmoment“</translation>
    </message>
    <message>
        <source>Waiting for the Torque block to be stored</source>
        <translation>Warte, bis der Block „Drehmoment“ gespeichert ist</translation>
    </message>
    <message>
        <source>Continuous Get: the live readings</source>
        <translation>Dauerabfrage: Live-Messwerte</translation>
    </message>
    <message>
        <source>Waiting for the live readings</source>
        <translation>Warte auf die Live-Messwerte</translation>
    </message>
    <message>
        <source>Waiting for the firmware text</source>
        <translation>Warte auf den Firmware-Text</translation>
    </message>
    <message>
        <source>Read Flash: Basic, %1 of %2</source>
        <translation>Flash lesen: Basis, %1 von %2</translation>
    </message>
    <message>
        <source>Read Flash: Pedal Assist, %1 of %2</source>
        <translation>Flash lesen: Tretunterstützung, %1 von %2</translation>
    </message>
    <message>
        <source>Read Flash: Throttle Handle, %1 of %2</source>
        <translation>Flash lesen: Gasgriff, %1 von %2</translation>
    </message>
    <message>
        <source>Read Flash: Torque, %1 of %2</source>
        <translation>Flash lesen: Drehmoment, %1 von %2</translation>
    </message>
    <message>
        <source>Read Flash: Live Readings, %1 of %2</source>
        <translation>Flash lesen: Live-Messwerte, %1 von %2</translation>
    </message>
    <message>
        <source>Write Flash: Basic, %1 of %2</source>
        <translation>Flash schreiben: Basis, %1 von %2</translation>
    </message>
    <message>
        <source>Write Flash: Pedal Assist, %1 of %2</source>
        <translation>Flash schreiben: Tretunterstützung, %1 von %2</translation>
    </message>
    <message>
        <source>Write Flash: Throttle Handle, %1 of %2</source>
        <translation>Flash schreiben: Gasgriff, %1 von %2</translation>
    </message>
    <message>
        <source>Write Flash: Torque, %1 of %2</source>
        <translation>Flash schreiben: Drehmoment, %1 von %2</translation>
    </message>
    <message>
        <source>Write Flash: Live Readings, %1 of %2</source>
        <translation>Flash schreiben: Live-Messwerte, %1 von %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Basic, %1 of %2</source>
        <translation>Mit Controller vergleichen: Basis, %1 von %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Pedal Assist, %1 of %2</source>
        <translation>Mit Controller vergleichen: Tretunterstützung, %1 von %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Throttle Handle, %1 of %2</source>
        <translation>Mit Controller vergleichen: Gasgriff, %1 von %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Torque, %1 of %2</source>
        <translation>Mit Controller vergleichen: Drehmoment, %1 von %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Live Readings, %1 of %2</source>
        <translation>Mit Controller vergleichen: Live-Messwerte, %1 von %2</translation>
    </message>
</context>
<context>
    <name>morvent::BlockRequests</name>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Write Flash</source>
        <translation>Flash schreiben</translation>
    </message>
    <message>
        <source>Not read from this controller or loaded from a file since connecting: %1, which may show what another controller or file left there.</source>
        <translation>Seit dem Verbinden weder von diesem Controller gelesen noch aus einer Datei geladen: %1. Dort steht womöglich noch, was ein anderer Controller oder eine Datei hinterlassen hat.</translation>
    </message>
    <message>
        <source>The controller&apos;s own values of %1 were not read, so nothing keeps them once they are written over. Write Flash anyway?</source>
        <translation>Die bisherigen Werte des Controllers für %1 wurden nicht gelesen; nach dem Überschreiben sind sie daher nirgends gesichert. Trotzdem Flash schreiben?</translation>
    </message>
    <message>
        <source>The controller&apos;s own values of %1 were not read, so nothing keeps them once they are written over. Write anyway?</source>
        <translation>Die bisherigen Werte des Controllers für %1 wurden nicht gelesen; nach dem Überschreiben sind sie daher nirgends gesichert. Trotzdem schreiben?</translation>
    </message>
    <message>
        <source>Not written: %1 on the Basic page</source>
        <translation>Nicht geschrieben: %1 auf der Seite Basis</translation>
    </message>
    <message>
        <source>Not written: %1 on the Pedal Assist page</source>
        <translation>Nicht geschrieben: %1 auf der Seite Tretunterstützung</translation>
    </message>
    <message>
        <source>Not written: %1 on the Throttle Handle page</source>
        <translation>Nicht geschrieben: %1 auf der Seite Gasgriff</translation>
    </message>
    <message>
        <source>Not written: %1 on the Torque page</source>
        <translation>Nicht geschrieben: %1 auf der Seite Drehmoment</translation>
    </message>
</context>
<context>
    <name>morvent::ChangeMarks</name>
    <message numerus="yes">
        <source>%n changes not written</source>
        <translation>
            <numerusform>%n Änderung nicht geschrieben</numerusform>
            <numerusform>%n Änderungen nicht geschrieben</numerusform>
        </translation>
    </message>
    <message>
        <source>Changed: the controller holds %1.
</source>
        <translation>Geändert: der Controller hat %1.
</translation>
    </message>
    <message>
        <source>Changed before the page was read: what the controller holds is not known yet.
</source>
        <translation>Geändert, bevor die Seite gelesen wurde: der Wert im Controller ist noch nicht bekannt.
</translation>
    </message>
    <message>
        <source> (changed)</source>
        <translation> (geändert)</translation>
    </message>
</context>
<context>
    <name>morvent::ComparisonMarks</name>
    <message>
        <source>Not read or loaded since connecting: the fields may not hold the controller&apos;s values. Read the page or load a file before writing it.</source>
        <translation>Seit dem Verbinden weder gelesen noch geladen: Die Felder zeigen eventuell nicht die Werte des Controllers. Lesen Sie die Seite oder laden Sie eine Datei, bevor Sie sie schreiben.</translation>
    </message>
    <message>
        <source>nothing selected (-1)</source>
        <translation>nichts gewählt (-1)</translation>
    </message>
    <message>
        <source>%1 (item %2)</source>
        <translation>%1 (Eintrag %2)</translation>
    </message>
    <message>
        <source>Not loaded from %1, so 0: %2</source>
        <translation>Nicht aus %1 geladen, daher 0: %2</translation>
    </message>
    <message>
        <source>In %1: %2</source>
        <translation>In %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n fields were not in %1: set to 0</source>
        <translation>
            <numerusform>%n Feld fehlte in %1: auf 0 gesetzt</numerusform>
            <numerusform>%n Felder fehlten in %1: auf 0 gesetzt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fields differ from %1</source>
        <translation>
            <numerusform>%n Feld weicht von %1 ab</numerusform>
            <numerusform>%n Felder weichen von %1 ab</numerusform>
        </translation>
    </message>
    <message>
        <source>No field differs from %1</source>
        <translation>Kein Feld weicht von %1 ab</translation>
    </message>
</context>
<context>
    <name>morvent::ConnectionProbing</name>
    <message>
        <source>No adapter found</source>
        <translation>Kein Adapter gefunden</translation>
    </message>
    <message>
        <source>No adapter found. To try the window without a bike, start it with --simulate (the menu entry &quot;Try with the simulated controller&quot;): the simulated controller is then first in this list.</source>
        <translation>Kein Adapter gefunden. Um das Fenster ohne Fahrrad auszuprobieren, starten Sie es mit --simulate (Menüeintrag „Mit dem simulierten Controller ausprobieren“): Der simulierte Controller steht dann als erster in dieser Liste.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Probing at %1 baud</source>
        <translation>Suche mit %1 Baud</translation>
    </message>
    <message>
        <source>Connected: %1 %2</source>
        <translation>Verbunden: %1 %2</translation>
    </message>
    <message>
        <source>F1 opens Getting Started: seven steps from connecting to the report.</source>
        <translation>F1 öffnet „Erste Schritte“: sieben Schritte vom Verbinden bis zum Bericht.</translation>
    </message>
    <message>
        <source>Probing at %1 baud: no controller answered at any rate. Check its power and key switch, the TX/RX wiring and the port</source>
        <translation>Suche mit %1 Baud: Bei keiner Baudrate hat ein Controller geantwortet. Prüfen Sie Stromversorgung und Schlüsselschalter, die TX/RX-Verkabelung und den Port</translation>
    </message>
</context>
<context>
    <name>morvent::ContinuousGet</name>
    <message>
        <source>Continuous Get running: press Continuous Get again to stop</source>
        <translation>Dauerabfrage läuft: Drücken Sie „Dauerabfrage“ erneut, um sie zu beenden</translation>
    </message>
</context>
<context>
    <name>morvent::FileChoiceWindow</name>
    <message>
        <source>Directory Name: </source>
        <translation>Verzeichnisname: </translation>
    </message>
    <message>
        <source>Directories: </source>
        <translation>Verzeichnisse: </translation>
    </message>
    <message>
        <source>Files: </source>
        <translation>Dateien: </translation>
    </message>
    <message>
        <source>Drives: </source>
        <translation>Laufwerke: </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>File name, e.g. bike.el</source>
        <translation>Dateiname, z. B. rad.el</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Verzeichnisse</translation>
    </message>
    <message>
        <source>Files of type</source>
        <translation>Dateityp</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Laufwerke</translation>
    </message>
</context>
<context>
    <name>morvent::GettingStarted</name>
    <message>
        <source>Getting Started</source>
        <translation>Erste Schritte</translation>
    </message>
    <message>
        <source>&lt;b&gt;Connect.&lt;/b&gt; Plug the USB-serial adapter into the computer and into the controller&apos;s programming lead, and switch the controller on. Choose the adapter in the %1 list and press %2. Once the controller answers, %3 shows its model and firmware.</source>
        <translation>&lt;b&gt;Verbinden.&lt;/b&gt; Stecken Sie den USB-Seriell-Adapter am Computer und am Programmierkabel des Controllers an und schalten Sie den Controller ein. Wählen Sie den Adapter in der Liste %1 und drücken Sie %2. Sobald der Controller antwortet, stehen Modell und Firmware unter %3.</translation>
    </message>
    <message>
        <source>Without an adapter or a bike, start morvent from its menu entry &quot;Try with the simulated controller&quot; (or as &lt;tt&gt;morvent --simulate&lt;/tt&gt;): the simulated controller is then first in the %1 list and answers as a real one does.</source>
        <translation>Ohne Adapter oder Fahrrad starten Sie morvent über den Menüeintrag „Mit dem simulierten Controller ausprobieren“ (oder als &lt;tt&gt;morvent --simulate&lt;/tt&gt;): Der simulierte Controller steht dann als erster in der Liste %1 und antwortet wie ein echter.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Read.&lt;/b&gt; Press %1 to read all four pages from the controller, or a page&apos;s own %2 for that page alone. Each %1 keeps a backup of what the controller held.</source>
        <translation>&lt;b&gt;Lesen.&lt;/b&gt; Drücken Sie %1, um alle vier Seiten aus dem Controller zu lesen, oder %2 auf einer Seite, um nur diese Seite zu lesen. Bei jedem %1 wird eine Sicherung des bisherigen Controller-Inhalts angelegt.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Change.&lt;/b&gt; Type the new values into the fields. A changed field is marked until it is written; %1 puts its page back as it was read. Rest the mouse on a field to see what it sets and which values it takes.</source>
        <translation>&lt;b&gt;Ändern.&lt;/b&gt; Tippen Sie die neuen Werte in die Felder ein. Ein geändertes Feld bleibt markiert, bis es geschrieben ist; %1 stellt seine Seite wieder so her, wie sie gelesen wurde. Halten Sie die Maus über ein Feld, um zu sehen, was es einstellt und welche Werte es annimmt.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Review.&lt;/b&gt; %1 in the %2 menu (%3) lists every changed field with the controller&apos;s value beside the page&apos;s, before anything is written.</source>
        <translation>&lt;b&gt;Prüfen.&lt;/b&gt; %1 im Menü %2 (%3) listet jedes geänderte Feld mit dem Wert des Controllers neben dem der Seite auf, bevor etwas geschrieben wird.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Write.&lt;/b&gt; Press %1 to write all four pages, or a page&apos;s own %2. Should the controller refuse a value, a message says which, and its field is shown.</source>
        <translation>&lt;b&gt;Schreiben.&lt;/b&gt; Drücken Sie %1, um alle vier Seiten zu schreiben, oder %2 auf einer Seite. Lehnt der Controller einen Wert ab, sagt eine Meldung, welchen, und sein Feld wird angezeigt.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save.&lt;/b&gt; %1 → %2 (%3) keeps the four pages&apos; values in a parameter file (.el); %1 → %4 puts them back into the pages, to write to this controller or another.</source>
        <translation>&lt;b&gt;Speichern.&lt;/b&gt; %1 → %2 (%3) speichert die Werte der vier Seiten in einer Parameterdatei (.el); %1 → %4 holt sie zurück in die Seiten, um sie in diesen oder einen anderen Controller zu schreiben.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Report.&lt;/b&gt; %1 → %2 writes what the pages hold to a PDF or HTML file for the customer or the workshop&apos;s records; %1 → %3 prints it.</source>
        <translation>&lt;b&gt;Bericht.&lt;/b&gt; %1 → %2 schreibt den Inhalt der Seiten in eine PDF- oder HTML-Datei für den Kunden oder die Unterlagen der Werkstatt; %1 → %3 druckt ihn aus.</translation>
    </message>
    <message>
        <source>Seven steps from a controller on the bench to a report of what it holds.</source>
        <translation>Sieben Schritte vom Controller auf der Werkbank bis zum Bericht über seinen Inhalt.</translation>
    </message>
</context>
<context>
    <name>morvent::KeepingActions</name>
    <message>
        <source>What %1 held is kept in %2</source>
        <translation>Der bisherige Inhalt von %1 liegt in %2</translation>
    </message>
    <message>
        <source>Saved: %1</source>
        <translation>Gespeichert: %1</translation>
    </message>
    <message>
        <source>Compare With File</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Load Backup</source>
        <translation>Sicherung laden</translation>
    </message>
    <message>
        <source>Backup kept: %1</source>
        <translation>Sicherung angelegt: %1</translation>
    </message>
    <message>
        <source>No backup kept</source>
        <translation>Keine Sicherung angelegt</translation>
    </message>
    <message>
        <source>Saved: %1. Its name has no &quot;.el&quot;, so Load lists it under &quot;All files&quot; only.</source>
        <translation>Gespeichert: %1. Der Name endet nicht auf „.el“, daher zeigt Laden die Datei nur unter „Alle Dateien“.</translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: a load puts the backup&apos;s values over what was typed. Load anyway?</source>
        <translation>
            <numerusform>%n Änderung nicht in den Controller geschrieben: Laden überschreibt das Eingetippte mit den Werten der Sicherung. Trotzdem laden?</numerusform>
            <numerusform>%n Änderungen nicht in den Controller geschrieben: Laden überschreibt das Eingetippte mit den Werten der Sicherung. Trotzdem laden?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>morvent::LiveReadingsMonitor</name>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Paused: the plot stands still while readings go on being kept for the last minute and recorded.</source>
        <translation>Pausiert: das Diagramm steht still, die Messwerte der letzten Minute werden weiter gehalten und aufgezeichnet.</translation>
    </message>
    <message>
        <source>Readings appear here as &quot;Get&quot; or &quot;Continuous Get&quot; on the Torque page brings them in.</source>
        <translation>Messwerte erscheinen hier, sobald „Abfragen“ oder „Dauerabfrage“ auf der Seite Drehmoment sie holt.</translation>
    </message>
    <message>
        <source>Record to CSV</source>
        <translation>CSV aufzeichnen</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Aufzeichnung beenden</translation>
    </message>
    <message>
        <source>Record to CSV...</source>
        <translation>CSV aufzeichnen...</translation>
    </message>
    <message numerus="yes">
        <source>%n readings</source>
        <translation>
            <numerusform>%n Messwert</numerusform>
            <numerusform>%n Messwerte</numerusform>
        </translation>
    </message>
    <message>
        <source>Recording to %1: %2</source>
        <translation>Aufzeichnung in %1: %2</translation>
    </message>
    <message>
        <source>Recording stopped: %1 (%2 kept)</source>
        <translation>Aufzeichnung gestoppt: %1 (%2 behalten)</translation>
    </message>
    <message>
        <source>Recorded %1 to %2</source>
        <translation>%1 in %2 aufgezeichnet</translation>
    </message>
</context>
<context>
    <name>morvent::LiveReadingsWindow</name>
    <message>
        <source>Live Torque Readings</source>
        <translation>Drehmoment live</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Record to CSV...</source>
        <translation>CSV aufzeichnen...</translation>
    </message>
    <message>
        <source>seconds before the latest reading</source>
        <translation>Sekunden vor dem letzten Messwert</translation>
    </message>
</context>
<context>
    <name>morvent::PageUndo</name>
    <message>
        <source>Nothing to undo: the page has not been read or loaded</source>
        <translation>Nichts rückgängig zu machen: Seite wurde weder gelesen noch geladen</translation>
    </message>
    <message>
        <source>Put back this page&apos;s values as read or loaded at %1</source>
        <translation>Werte dieser Seite wie um %1 gelesen oder geladen wiederherstellen</translation>
    </message>
</context>
<context>
    <name>morvent::ParameterFileDialog</name>
    <message>
        <source>Open the Disk Error!</source>
        <translation>Fehler beim Öffnen des Laufwerks!</translation>
    </message>
</context>
<context>
    <name>morvent::ReplyDispatcher</name>
    <message>
        <source>Probing stopped: identity checksum error</source>
        <translation>Suche abgebrochen: Prüfsummenfehler der Kennung</translation>
    </message>
    <message>
        <source>No field differs from the controller</source>
        <translation>Kein Feld weicht vom Controller ab</translation>
    </message>
    <message numerus="yes">
        <source>Compare With Controller: %n changes not written</source>
        <translation>
            <numerusform>Mit Controller vergleichen: %n Änderung nicht geschrieben</numerusform>
            <numerusform>Mit Controller vergleichen: %n Änderungen nicht geschrieben</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>morvent::ReportActions</name>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Bike or customer (printed on the report):</source>
        <translation>Rad oder Kunde (erscheint im Bericht):</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>Bericht exportieren</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;HTML (*.html)</source>
        <translation>PDF (*.pdf);;HTML (*.html)</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>Bericht gespeichert: %1</translation>
    </message>
    <message>
        <source>Controller settings</source>
        <translation>Controller-Einstellungen</translation>
    </message>
    <message>
        <source>Report Settings</source>
        <translation>Berichtseinstellungen</translation>
    </message>
    <message>
        <source>Shop name:</source>
        <translation>Name der Werkstatt:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Anschrift:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Telefon:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Logo (a picture file):</source>
        <translation>Logo (eine Bilddatei):</translation>
    </message>
    <message>
        <source>Technician:</source>
        <translation>Mechaniker:</translation>
    </message>
</context>
<context>
    <name>morvent::ReviewChanges</name>
    <message>
        <source>Review Changes</source>
        <translation>Änderungen prüfen</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Page value</source>
        <translation>Wert auf Seite</translation>
    </message>
    <message>
        <source>Put Back</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Give the selected fields the controller&apos;s values</source>
        <translation>Den gewählten Feldern die Werte des Controllers geben</translation>
    </message>
    <message>
        <source>Write Flash</source>
        <translation>Flash schreiben</translation>
    </message>
    <message>
        <source>Changes not written</source>
        <translation>Nicht geschriebene Änderungen</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>closes this window</comment>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>morvent::StatusReporter</name>
    <message>
        <source>Disconnected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>%1, %2 s</source>
        <extracomment>%1 is what is awaited, a whole text of its own (&quot;Read Flash: Pedal Assist, 2 of 5&quot;); %2 the seconds waited so far.</extracomment>
        <translation>%1, %2 s</translation>
    </message>
    <message>
        <source>No reply from the controller (%1, %2 s)</source>
        <extracomment>%1 is what is awaited, a whole text of its own (&quot;Read Flash: Pedal Assist, 2 of 5&quot;); %2 the seconds waited so far.</extracomment>
        <translation>Keine Antwort vom Controller (%1, %2 s)</translation>
    </message>
</context>
<context>
    <name>morvent::TForm1</name>
    <message>
        <source>Connection lost: press Connect to start again</source>
        <translation>Verbindung unterbrochen: Drücken Sie „Verbinden“, um neu zu beginnen</translation>
    </message>
    <message>
        <source>Parameter files (*.el);;All files (*)</source>
        <translation>Parameterdateien (*.el);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 bytes ignored: the port was closed</source>
        <translation>%1 Bytes ignoriert: der Port war geschlossen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>the device went away (hang-up)</source>
        <translation>das Gerät ist nicht mehr erreichbar (Verbindung abgebrochen)</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>ends the connection to the controller</comment>
        <translation>Trennen</translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: closing the window loses what was typed. Quit anyway?</source>
        <translation>
            <numerusform>%n Änderung nicht in den Controller geschrieben: Beim Schließen des Fensters geht das Eingetippte verloren. Trotzdem beenden?</numerusform>
            <numerusform>%n Änderungen nicht in den Controller geschrieben: Beim Schließen des Fensters geht das Eingetippte verloren. Trotzdem beenden?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: a load puts the file&apos;s values over what was typed. Load anyway?</source>
        <translation>
            <numerusform>%n Änderung nicht in den Controller geschrieben: Laden überschreibt das Eingetippte mit den Werten der Datei. Trotzdem laden?</numerusform>
            <numerusform>%n Änderungen nicht in den Controller geschrieben: Laden überschreibt das Eingetippte mit den Werten der Datei. Trotzdem laden?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: connecting forgets what the controller holds, and the pages show no changes until read again. Connect anyway?</source>
        <translation>
            <numerusform>%n Änderung nicht in den Controller geschrieben: Beim Verbinden wird vergessen, was der Controller enthält, und die Seiten zeigen bis zum erneuten Lesen keine Änderungen. Trotzdem verbinden?</numerusform>
            <numerusform>%n Änderungen nicht in den Controller geschrieben: Beim Verbinden wird vergessen, was der Controller enthält, und die Seiten zeigen bis zum erneuten Lesen keine Änderungen. Trotzdem verbinden?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: after Close, what was typed can no longer be written. Close anyway?</source>
        <translation>
            <numerusform>%n Änderung nicht in den Controller geschrieben: Nach dem Trennen kann das Eingetippte nicht mehr geschrieben werden. Trotzdem trennen?</numerusform>
            <numerusform>%n Änderungen nicht in den Controller geschrieben: Nach dem Trennen kann das Eingetippte nicht mehr geschrieben werden. Trotzdem trennen?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>morvent::TForm3</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation>&amp;Erste Schritte</translation>
    </message>
</context>
<context>
    <name>morvent::TForm4</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>morvent::TForm5</name>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
</context>
<context>
    <name>morvent::TrafficLog</name>
    <message>
        <source>Traffic Log</source>
        <translation>Datenverkehr</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save as Text...</source>
        <translation>Als Text speichern...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Save the Traffic Log</source>
        <translation>Datenverkehr speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Schreiben in %1 nicht möglich: %2</translation>
    </message>
    <message>
        <source>received</source>
        <translation>empfangen</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>gesendet</translation>
    </message>
</context>
<context>
    <name>morvent::ViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Traffic Log</source>
        <translation>&amp;Datenverkehr</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Gilt ab dem nächsten Start</translation>
    </message>
    <message>
        <source>%1 from the next start</source>
        <translation>%1 ab dem nächsten Start</translation>
    </message>
</context>
<context>
    <name>morvent::WindowLine</name>
    <message>
        <source>%1: not sent, the port is closed</source>
        <extracomment>%1 is the request as the traffic log names it, a text of its own (&quot;Torque write&quot;).</extracomment>
        <translation>%1: nicht gesendet, der Port ist geschlossen</translation>
    </message>
    <message>
        <source>Error sending!</source>
        <translation>Fehler beim Senden!</translation>
    </message>
</context>
</TS>
