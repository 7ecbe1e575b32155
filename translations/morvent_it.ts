<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>BackupKeeper</name>
    <message>
        <source>Unable to create the folder %1</source>
        <translation>Impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossibile scrivere in %1</translation>
    </message>
    <message>
        <source>Unable to find a free name in %1</source>
        <translation>Nessun nome libero in %1</translation>
    </message>
</context>
<context>
    <name>ConnectionHelp</name>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1 (processo %2)</translation>
    </message>
    <message>
        <source>Permission denied: your user may not open %1. It belongs to the group &quot;%2&quot;; add yourself to that group with
    sudo usermod -aG %2 $USER
then log out and log in again: a new group counts only from a new login.</source>
        <translation>Permesso negato: il tuo utente non può aprire %1. Appartiene al gruppo &quot;%2&quot;; aggiungiti a quel gruppo con
    sudo usermod -aG %2 $USER
poi esci e rientra nella sessione: un nuovo gruppo vale solo da un nuovo accesso.</translation>
    </message>
    <message>
        <source>Create the group first with
    sudo groupadd %1
</source>
        <translation>Crea prima il gruppo con
    sudo groupadd %1
</translation>
    </message>
    <message>
        <source>Permission denied: your user may not open %1, and no group other than root may read and write it. %2Give the group &quot;%3&quot; access with a udev rule: the line
    KERNEL==&quot;%4&quot;, GROUP=&quot;%3&quot;, MODE=&quot;0660&quot;
in a file /etc/udev/rules.d/99-serial-adapter.rules, then plug the adapter in again. Add yourself to the group with
    sudo usermod -aG %3 $USER
then log out and log in again: a new group counts only from a new login.</source>
        <translation>Permesso negato: il tuo utente non può aprire %1, e nessun gruppo oltre a root può leggerlo e scriverlo. %2Dai accesso al gruppo &quot;%3&quot; con una regola udev: la riga
    KERNEL==&quot;%4&quot;, GROUP=&quot;%3&quot;, MODE=&quot;0660&quot;
in un file /etc/udev/rules.d/99-serial-adapter.rules, poi ricollega l&apos;adattatore. Aggiungiti al gruppo con
    sudo usermod -aG %3 $USER
poi esci e rientra nella sessione: un nuovo gruppo vale solo da un nuovo accesso.</translation>
    </message>
    <message>
        <source>%1 is the terminal this program runs in, not a controller&apos;s port. Name the adapter&apos;s port instead.</source>
        <translation>%1 è il terminale in cui gira questo programma, non la porta di una centralina. Indica invece la porta dell&apos;adattatore.</translation>
    </message>
    <message>
        <source>The port is in use: another program is using it. Close that program, then connect again.</source>
        <translation>La porta è occupata: un altro programma la sta usando. Chiudi quel programma, poi riconnetti.</translation>
    </message>
    <message>
        <source>The port is in use by %1. Close %2, then connect again.</source>
        <translation>La porta è usata da %1. Chiudi %2, poi riconnetti.</translation>
    </message>
    <message>
        <source>that program</source>
        <translation>quel programma</translation>
    </message>
    <message>
        <source>those programs</source>
        <translation>quei programmi</translation>
    </message>
    <message>
        <source>
ModemManager probes new serial adapters as if they were modems. Stop it with
    sudo systemctl stop ModemManager
or wait until it lets go of the adapter.</source>
        <translation>
ModemManager interroga i nuovi adattatori seriali come se fossero modem. Fermalo con
    sudo systemctl stop ModemManager
oppure attendi che rilasci l&apos;adattatore.</translation>
    </message>
    <message>
        <source>No such device: %1. The adapter is unplugged or the port name is wrong; plug it in and pick it again from the Port list.</source>
        <translation>Dispositivo inesistente: %1. L&apos;adattatore è scollegato o il nome della porta è errato; collegalo e sceglilo di nuovo dall&apos;elenco Porta.</translation>
    </message>
    <message>
        <source>The device %1 does not answer: the adapter was pulled or has failed. Plug it in again and pick it from the Port list.</source>
        <translation>Il dispositivo %1 non risponde: l&apos;adattatore è stato scollegato o è guasto. Ricollegalo e sceglilo dall&apos;elenco Porta.</translation>
    </message>
    <message>
        <source>%1 does not take the line settings: its driver cannot set the rate or the character format asked for. Try another adapter.</source>
        <translation>%1 non accetta le impostazioni di linea: il suo driver non può impostare la velocità o il formato dei caratteri richiesti. Prova un altro adattatore.</translation>
    </message>
    <message>
        <source>%1 is not a serial port. Pick the adapter from the Port list.</source>
        <translation>%1 non è una porta seriale. Scegli l&apos;adattatore dall&apos;elenco Porta.</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program, then connect again.</source>
        <translation>Un altro programma sta usando %1. Chiudi quel programma, poi riconnetti.</translation>
    </message>
    <message>
        <source>There is no %1 on this computer. The adapter is unplugged or the port name is wrong; plug it in and pick it again from the Port list.</source>
        <translation>%1 non esiste su questo computer. L&apos;adattatore è scollegato o il nome della porta è errato; collegalo e sceglilo di nuovo dall&apos;elenco Porta.</translation>
    </message>
</context>
<context>
    <name>Form1Ui</name>
    <message>
        <source>Undo Changes</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Pedal Assist</source>
        <translation>Pedalata assistita</translation>
    </message>
    <message>
        <source>Throttle Handle</source>
        <translation>Acceleratore</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Coppia</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Connessione</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Bandrate:</source>
        <translation>Baud rate:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Controller Info</source>
        <translation>Info centralina</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>Produttore:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modello:</translation>
    </message>
    <message>
        <source>Harware Ver:</source>
        <translation>Versione HW:</translation>
    </message>
    <message>
        <source>Firmware Ver:</source>
        <translation>Versione FW:</translation>
    </message>
    <message>
        <source>Nominal Voltage:</source>
        <translation>Tensione nominale:</translation>
    </message>
    <message>
        <source>Max.Current:</source>
        <translation>Corrente max:</translation>
    </message>
    <message>
        <source>Read Flash</source>
        <translation>Leggi flash</translation>
    </message>
    <message>
        <source>Write Flash</source>
        <translation>Scrivi flash</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leggi</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Scrivi</translation>
    </message>
    <message>
        <source>Continuous Get</source>
        <translation>Rilevazione continua</translation>
    </message>
    <message>
        <source>×10mS</source>
        <translation>×10ms</translation>
    </message>
    <message>
        <source>About Tq</source>
        <translation>Letture coppia</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Plot...</source>
        <translation>Grafico...</translation>
    </message>
    <message>
        <source>Plot the readings of the last minute</source>
        <translation>Grafico delle letture dell&apos;ultimo minuto</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Rileva</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Carica</translation>
    </message>
    <message>
        <source>Load &amp;Backup...</source>
        <translation>Carica &amp;backup...</translation>
    </message>
    <message>
        <source>Compare With &amp;File...</source>
        <translation>Confronta con &amp;file...</translation>
    </message>
    <message>
        <source>Compare With &amp;Controller</source>
        <translation>Confronta con ce&amp;ntralina</translation>
    </message>
    <message>
        <source>Clear Compa&amp;rison</source>
        <translation>Cancella conf&amp;ronto</translation>
    </message>
    <message>
        <source>&amp;Open Backups Folder</source>
        <translation>&amp;Apri cartella backup</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Esc&amp;i</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Review Changes...</source>
        <translation>&amp;Rivedi modifiche...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>A live reading of the torque sensor, as the controller measured it when last asked (Get, Continuous Get, Read Flash).
Read only; not kept in parameter files.</source>
        <translation>Lettura in tempo reale del sensore di coppia, come misurata dalla centralina all&apos;ultima richiesta (Rileva, Rilevazione continua, Leggi flash).
Sola lettura; non salvata nei file di parametri.</translation>
    </message>
    <message>
        <source>The serial port the controller is on; a device path may be typed.</source>
        <translation>La porta seriale della centralina; si può digitare un percorso di dispositivo.</translation>
    </message>
    <message>
        <source>The line speed. Connect finds the controller&apos;s own by trying each in turn from the first; once it answers, the line runs at 9600.</source>
        <translation>La velocità di linea. Connetti trova quella della centralina provandole una alla volta dalla prima; appena risponde, la linea va a 9600.</translation>
    </message>
    <message>
        <source>Controller System</source>
        <translation>Sistema centralina</translation>
    </message>
    <message>
        <source>&amp;Export Report...</source>
        <translation>&amp;Esporta rapporto...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Stam&amp;pa...</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>ends the connection to the controller</comment>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Report Se&amp;ttings...</source>
        <translation>Impos&amp;tazioni rapporto...</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Sistema</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>prompt message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>PortList</name>
    <message>
        <source>Simulated controller</source>
        <translation>Centralina simulata</translation>
    </message>
    <message>
        <source>The built-in simulated controller (%1), not a real adapter</source>
        <translation>La centralina simulata integrata (%1), non un vero adattatore</translation>
    </message>
</context>
<context>
    <name>Protocol</name>
    <message>
        <source>Read The Basic Info CheckSum Error</source>
        <translation>Errore di checksum in lettura: Base</translation>
    </message>
    <message>
        <source>Write The Basic Info CheckSum Error</source>
        <translation>Errore di checksum in scrittura: Base</translation>
    </message>
    <message>
        <source>Basic Set successfully.</source>
        <translation>Base: scritto correttamente.</translation>
    </message>
    <message>
        <source>Read The Pedal Assist Info CheckSum Error</source>
        <translation>Errore di checksum in lettura: Pedalata assistita</translation>
    </message>
    <message>
        <source>Write The Pedal Assist Info CheckSum Error</source>
        <translation>Errore di checksum in scrittura: Pedalata assistita</translation>
    </message>
    <message>
        <source>Pedal Assist Set successfully.</source>
        <translation>Pedalata assistita: scritto correttamente.</translation>
    </message>
    <message>
        <source>Read The Throttle Handle Info CheckSum Error</source>
        <translation>Errore di checksum in lettura: Acceleratore</translation>
    </message>
    <message>
        <source>Write The Throttle Handle Info CheckSum Error</source>
        <translation>Errore di checksum in scrittura: Acceleratore</translation>
    </message>
    <message>
        <source>Throttle Handle Set successfully.</source>
        <translation>Acceleratore: scritto correttamente.</translation>
    </message>
    <message>
        <source>Read The Torque Info CheckSum Error</source>
        <translation>Errore di checksum in lettura: Coppia</translation>
    </message>
    <message>
        <source>Write The Torque Info CheckSum Error</source>
        <translation>Errore di checksum in scrittura: Coppia</translation>
    </message>
    <message>
        <source>Torque Set successfully.</source>
        <translation>Coppia: scritto correttamente.</translation>
    </message>
    <message>
        <source>Read Flash successfully.</source>
        <translation>Lettura flash riuscita.</translation>
    </message>
    <message>
        <source>Write Flash successfully.</source>
        <translation>Scrittura flash riuscita.</translation>
    </message>
    <message>
        <source>Manufacturer:%1</source>
        <translation>Produttore:%1</translation>
    </message>
    <message>
        <source>Model:%1</source>
        <translation>Modello:%1</translation>
    </message>
    <message>
        <source>Harware Ver: V%1.%2</source>
        <translation>Versione HW: V%1.%2</translation>
    </message>
    <message>
        <source>Firmware Ver: V%1</source>
        <translation>Versione FW: V%1</translation>
    </message>
    <message>
        <source>Max.Current: %1A</source>
        <translation>Corrente max: %1A</translation>
    </message>
    <message>
        <source>Firmware Ver:%1</source>
        <translation>Versione FW:%1</translation>
    </message>
    <message>
        <source>Read The Controller Info CheckSum Error</source>
        <translation>Errore di checksum in lettura delle info centralina</translation>
    </message>
    <message>
        <source>Read The Software Version Error</source>
        <translation>Errore di lettura della versione firmware</translation>
    </message>
    <message>
        <source>SpeedSignalACC</source>
        <translation>Impulsi totali</translation>
    </message>
    <message>
        <source>SpeedSigLevel</source>
        <translation>Livello segnale</translation>
    </message>
    <message>
        <source>LevelHTime</source>
        <translation>Tempo alto</translation>
    </message>
    <message>
        <source>LevelLTime</source>
        <translation>Tempo basso</translation>
    </message>
    <message>
        <source>TqVoltate</source>
        <translation>Tensione coppia</translation>
    </message>
    <message>
        <source>Read The Tq Info CheckSum Error</source>
        <translation>Errore di checksum in lettura delle letture coppia</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; non è un numero intero valido</translation>
    </message>
    <message>
        <source>Nominal Voltage: 24V</source>
        <translation>Tensione nominale: 24V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 36V</source>
        <translation>Tensione nominale: 36V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 48V</source>
        <translation>Tensione nominale: 48V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 60V</source>
        <translation>Tensione nominale: 60V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 24-48V</source>
        <translation>Tensione nominale: 24-48V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 24-60V</source>
        <translation>Tensione nominale: 24-60V</translation>
    </message>
    <message>
        <source>By Display&apos;s Command</source>
        <translation>Da display</translation>
    </message>
    <message>
        <source>Low Battery Protect(V):</source>
        <translation>Soglia sottotensione(V):</translation>
    </message>
    <message>
        <source>Low battery protection: the battery voltage at which the controller cuts off; the list offers the voltages of the connected controller&apos;s class</source>
        <translation>Protezione sottotensione: la tensione della batteria a cui la centralina interrompe; l&apos;elenco offre le tensioni della classe della centralina collegata</translation>
    </message>
    <message>
        <source>Limited Current(A):</source>
        <translation>Limite corrente(A):</translation>
    </message>
    <message>
        <source>Limited current: the controller&apos;s overall current limit</source>
        <translation>Limite di corrente: il limite complessivo di corrente della centralina</translation>
    </message>
    <message>
        <source>Limited Current</source>
        <translation>Limite corrente</translation>
    </message>
    <message>
        <source>Assit%1:</source>
        <translation>Livello %1:</translation>
    </message>
    <message>
        <source>Current limit at assist level %1</source>
        <translation>Limite di corrente al livello di assistenza %1</translation>
    </message>
    <message>
        <source>Limit Current(%)</source>
        <translation>Limite corrente(%)</translation>
    </message>
    <message>
        <source>Speed limit at assist level %1</source>
        <translation>Limite di velocità al livello di assistenza %1</translation>
    </message>
    <message>
        <source>Limit Spd(%)</source>
        <translation>Limite vel.(%)</translation>
    </message>
    <message>
        <source>Wheel Diameler(Inch): </source>
        <translation>Diametro ruota(pollici): </translation>
    </message>
    <message>
        <source>Wheel diameter</source>
        <translation>Diametro ruota</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pollici</translation>
    </message>
    <message>
        <source>Speed Meter Model: </source>
        <translation>Sorgente velocità: </translation>
    </message>
    <message>
        <source>Speed meter model: where the speed signal comes from</source>
        <translation>Sorgente velocità: da dove arriva il segnale di velocità</translation>
    </message>
    <message>
        <source>External,Wheel Meter</source>
        <translation>Esterno, sensore ruota</translation>
    </message>
    <message>
        <source>Internal,Motor Meter</source>
        <translation>Interno, sensore motore</translation>
    </message>
    <message>
        <source>By Motor Phase</source>
        <translation>Da fase motore</translation>
    </message>
    <message>
        <source>SpdMeter Signal: </source>
        <translation>Impulsi velocità: </translation>
    </message>
    <message>
        <source>Speed meter signals</source>
        <translation>Impulsi di velocità per giro ruota</translation>
    </message>
    <message>
        <source>SpdMeter Signal</source>
        <translation>Impulsi velocità</translation>
    </message>
    <message>
        <source>Pedal Type: </source>
        <translation>Sensore pedalata: </translation>
    </message>
    <message>
        <source>Pedal sensor type</source>
        <translation>Tipo di sensore di pedalata</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Disignated Assist: </source>
        <translation>Livello imposto: </translation>
    </message>
    <message>
        <source>Assist level under pedal assist: a fixed level, or the display&apos;s choice</source>
        <translation>Livello di assistenza in pedalata: un livello fisso, o la scelta del display</translation>
    </message>
    <message>
        <source>Speed Limited: </source>
        <translation>Limite velocità: </translation>
    </message>
    <message>
        <source>Speed limit under pedal assist, or the display&apos;s choice</source>
        <translation>Limite di velocità in pedalata assistita, o la scelta del display</translation>
    </message>
    <message>
        <source>Slow-Start Mode(1-8): </source>
        <translation>Avvio graduale(1-8): </translation>
    </message>
    <message>
        <source>Slow-start mode</source>
        <translation>Avvio graduale</translation>
    </message>
    <message>
        <source>Work Mode(Angular Speed of pedal/wheel*10): </source>
        <translation>Modalità(vel. angolare pedale/ruota*10): </translation>
    </message>
    <message>
        <source>Work mode: the angular speed of pedal to wheel</source>
        <translation>Modalità: velocità angolare del pedale rispetto alla ruota</translation>
    </message>
    <message>
        <source>Undeterminated</source>
        <translation>Indeterminato</translation>
    </message>
    <message>
        <source>Start Current(%): </source>
        <translation>Corrente avvio(%): </translation>
    </message>
    <message>
        <source>Start current under pedal assist</source>
        <translation>Corrente di avvio in pedalata assistita</translation>
    </message>
    <message>
        <source>Start Current</source>
        <translation>Corrente avvio</translation>
    </message>
    <message>
        <source>Startup Dgree(Signal No.): </source>
        <translation>Soglia avvio(n. segnali): </translation>
    </message>
    <message>
        <source>Startup degree: the pedal sensor signals before the motor starts</source>
        <translation>Soglia di avvio: segnali del sensore di pedalata prima che il motore parta</translation>
    </message>
    <message>
        <source>signals</source>
        <translation>segnali</translation>
    </message>
    <message>
        <source>Startup Dgree</source>
        <translation>Soglia avvio</translation>
    </message>
    <message>
        <source>Time of stop(x10ms): </source>
        <translation>Tempo arresto(x10ms): </translation>
    </message>
    <message>
        <source>Time of stop</source>
        <translation>Tempo arresto</translation>
    </message>
    <message>
        <source>Current Decay(1-8): </source>
        <translation>Calo corrente(1-8): </translation>
    </message>
    <message>
        <source>Current decay</source>
        <translation>Calo di corrente</translation>
    </message>
    <message>
        <source>Current Decay</source>
        <translation>Calo corrente</translation>
    </message>
    <message>
        <source>Stop Decay(x10ms): </source>
        <translation>Rampa arresto(x10ms): </translation>
    </message>
    <message>
        <source>Stop decay</source>
        <translation>Rampa di arresto</translation>
    </message>
    <message>
        <source>Stop Decay</source>
        <translation>Rampa arresto</translation>
    </message>
    <message>
        <source>Keep Current(%)</source>
        <translation>Corr. mantenim.(%)</translation>
    </message>
    <message>
        <source>Keep current</source>
        <translation>Corrente di mantenimento</translation>
    </message>
    <message>
        <source>Keep Current</source>
        <translation>Corr. mantenim.</translation>
    </message>
    <message>
        <source>Start Voltage(x100mv): </source>
        <translation>Tensione avvio(x100mV): </translation>
    </message>
    <message>
        <source>Start voltage: the throttle voltage at which the motor starts</source>
        <translation>Tensione di avvio: tensione dell&apos;acceleratore a cui il motore parte</translation>
    </message>
    <message>
        <source>Start Voltage</source>
        <translation>Tensione avvio</translation>
    </message>
    <message>
        <source>End Voltage(x100mV): </source>
        <translation>Tensione fine(x100mV): </translation>
    </message>
    <message>
        <source>End voltage: the throttle voltage of full command</source>
        <translation>Tensione di fine: tensione dell&apos;acceleratore a fondo corsa</translation>
    </message>
    <message>
        <source>End Voltage</source>
        <translation>Tensione fine</translation>
    </message>
    <message>
        <source>Mode: </source>
        <translation>Modalità: </translation>
    </message>
    <message>
        <source>What the throttle commands: speed or current</source>
        <translation>Cosa comanda l&apos;acceleratore: velocità o corrente</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Corrente</translation>
    </message>
    <message>
        <source>Designated Assist: </source>
        <translation>Livello imposto: </translation>
    </message>
    <message>
        <source>Assist level under the throttle: a fixed level, or the display&apos;s choice</source>
        <translation>Livello di assistenza con acceleratore: un livello fisso, o la scelta del display</translation>
    </message>
    <message>
        <source>Speed limit under the throttle, or the display&apos;s choice</source>
        <translation>Limite di velocità con acceleratore, o la scelta del display</translation>
    </message>
    <message>
        <source>Start current under the throttle</source>
        <translation>Corrente di avvio con acceleratore</translation>
    </message>
    <message>
        <source>Base Voltage:</source>
        <translation>Tensione base:</translation>
    </message>
    <message>
        <source>Base voltage of the torque sensor</source>
        <translation>Tensione base del sensore di coppia</translation>
    </message>
    <message>
        <source>BaseVoltage of </source>
        <translation>Tensione base</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Error voltage, minimum</source>
        <translation>Tensione di errore, minimo</translation>
    </message>
    <message>
        <source>Error Voltage:</source>
        <translation>Tensione errore:</translation>
    </message>
    <message>
        <source>ErrorVoltage of Min</source>
        <translation>Tensione errore min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Error voltage, maximum</source>
        <translation>Tensione di errore, massimo</translation>
    </message>
    <message>
        <source>%1 Kg:</source>
        <translation>%1 kg:</translation>
    </message>
    <message>
        <source>Delta voltage of the %1 Kg band</source>
        <translation>Tensione delta della fascia %1 kg</translation>
    </message>
    <message>
        <source>Delta Voltage:</source>
        <translation>Tensione delta:</translation>
    </message>
    <message>
        <source>0 Speed Boost Time:</source>
        <translation>Tempo boost da fermo:</translation>
    </message>
    <message>
        <source>Boost time at zero speed</source>
        <translation>Tempo di boost da fermo</translation>
    </message>
    <message>
        <source>Start(Kg):</source>
        <translation>Avvio(kg):</translation>
    </message>
    <message>
        <source>Start weight</source>
        <translation>Forza di avvio</translation>
    </message>
    <message>
        <source>Full(Kg):</source>
        <translation>Pieno(kg):</translation>
    </message>
    <message>
        <source>Full weight</source>
        <translation>Forza per assistenza piena</translation>
    </message>
    <message>
        <source>Return(Kg):</source>
        <translation>Rientro(kg):</translation>
    </message>
    <message>
        <source>Return weight</source>
        <translation>Forza di rientro</translation>
    </message>
    <message>
        <source>MinCur(%):</source>
        <translation>Corr. min(%):</translation>
    </message>
    <message>
        <source>Minimum current</source>
        <translation>Corrente minima</translation>
    </message>
    <message>
        <source>MaxCur(%):</source>
        <translation>Corr. max(%):</translation>
    </message>
    <message>
        <source>Maximum current</source>
        <translation>Corrente massima</translation>
    </message>
    <message>
        <source>KeepCur(%):</source>
        <translation>Corr. mant.(%):</translation>
    </message>
    <message>
        <source>CurDecy:</source>
        <translation>Calo corr.:</translation>
    </message>
    <message>
        <source>StarDegree:</source>
        <translation>Soglia avvio:</translation>
    </message>
    <message>
        <source>Start degree</source>
        <translation>Soglia di avvio</translation>
    </message>
    <message>
        <source>%1 at speed point Spd%2</source>
        <translation>%1 al punto di velocità Spd%2</translation>
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
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>one of the list: %1</source>
        <translation>uno dell&apos;elenco: %1</translation>
    </message>
    <message>
        <source>700C, or a size from %1 to %2, chosen from the list or typed</source>
        <translation>700C, o una misura da %1 a %2, scelta dall&apos;elenco o digitata</translation>
    </message>
    <message>
        <source>%1 (Write Flash sends up to %2)</source>
        <translation>%1 (Scrivi flash invia fino a %2)</translation>
    </message>
    <message>
        <source>%1, and not above the controller&apos;s maximum current (Max.Current)</source>
        <translation>%1, e non oltre la corrente massima della centralina (Corrente max)</translation>
    </message>
    <message>
        <source>%1, chosen from the list or typed</source>
        <translation>%1, scelto dall&apos;elenco o digitato</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Pedal Assist</source>
        <translation>Pedalata assistita</translation>
    </message>
    <message>
        <source>Throttle Handle</source>
        <translation>Acceleratore</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Coppia</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Unit: %1</source>
        <translation>Unità: %1</translation>
    </message>
    <message>
        <source>Accepted: %1</source>
        <translation>Valori ammessi: %1</translation>
    </message>
    <message>
        <source>Parameter file key: %1 in [%2]</source>
        <translation>Chiave nel file di parametri: %1 in [%2]</translation>
    </message>
    <message>
        <source>The %1 setting error,Please reset</source>
        <translation>Errore di impostazione di %1. Reimpostalo.</translation>
    </message>
    <message>
        <source>The %1 setting error,Please reset.</source>
        <translation>Errore di impostazione di %1. Reimpostalo.</translation>
    </message>
    <message>
        <source>The %1 is out of range,Please input again.</source>
        <translation>%1 fuori intervallo. Inserisci di nuovo il valore.</translation>
    </message>
    <message>
        <source>This serial port already opened</source>
        <translation>Questa porta seriale è già aperta</translation>
    </message>
    <message>
        <source>Error opening serial port</source>
        <translation>Errore di apertura della porta seriale</translation>
    </message>
    <message>
        <source>File handle is not a comm handle </source>
        <translation>Il dispositivo non è una porta seriale</translation>
    </message>
    <message>
        <source>Cannot setup comm buffer</source>
        <translation>Impossibile configurare il buffer della porta</translation>
    </message>
    <message>
        <source>Unable to create event</source>
        <translation>Impossibile creare l&apos;evento</translation>
    </message>
    <message>
        <source>Unable to create read thread</source>
        <translation>Impossibile creare il thread di lettura</translation>
    </message>
    <message>
        <source>Unable to create write thread</source>
        <translation>Impossibile creare il thread di scrittura</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossibile scrivere in %1</translation>
    </message>
    <message>
        <source>%1 is missing, and %2 with it</source>
        <translation>%1 manca, e con essa %2</translation>
    </message>
    <message>
        <source>%1 is missing from %2 on line %3</source>
        <translation>%1 manca in %2 (riga %3)</translation>
    </message>
    <message>
        <source>%1=%2 on line %3 is not a whole number</source>
        <translation>%1=%2 alla riga %3 non è un numero intero</translation>
    </message>
    <message>
        <source>%1=%2 on line %3 is no item of its list (0 to %4)</source>
        <translation>%1=%2 alla riga %3 non è una voce del suo elenco (da 0 a %4)</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 manca</translation>
    </message>
    <message>
        <source>Unable to read %1. At more than 1 MiB it is not a parameter file</source>
        <translation>Impossibile leggere %1. Oltre 1 MiB non è un file di parametri</translation>
    </message>
    <message>
        <source>Unable to read %1</source>
        <translation>Impossibile leggere %1</translation>
    </message>
    <message>
        <source>%1 is not a parameter file: it is UTF-16 or binary, not 8-bit text</source>
        <translation>%1 non è un file di parametri: è UTF-16 o binario, non testo a 8 bit</translation>
    </message>
    <message>
        <source>%1 is not a parameter file: it has none of the sections %2</source>
        <translation>%1 non è un file di parametri: non contiene nessuna delle sezioni %2</translation>
    </message>
    <message>
        <source>Unable to write to %1: it is a symbolic link to %2, which does not exist</source>
        <translation>Impossibile scrivere in %1: è un collegamento simbolico a %2, che non esiste</translation>
    </message>
    <message>
        <source>Unable to write to %1. At more than 1 MiB it is not a parameter file</source>
        <translation>Impossibile scrivere in %1. Oltre 1 MiB non è un file di parametri</translation>
    </message>
    <message>
        <source>Unable to write to %1: it is not a parameter file: it is UTF-16 or binary, not 8-bit text</source>
        <translation>Impossibile scrivere in %1: non è un file di parametri: è UTF-16 o binario, non testo a 8 bit</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2, so nothing was changed</source>
        <translation>Impossibile scrivere in %1: %2, quindi non è stato modificato nulla</translation>
    </message>
    <message>
        <source>Unable to write to %1 (what it held is kept in %2)</source>
        <translation>Impossibile scrivere in %1 (il contenuto precedente è conservato in %2)</translation>
    </message>
    <message>
        <source>%1: wrong length</source>
        <translation>%1: lunghezza errata</translation>
    </message>
    <message>
        <source>%1: cut short</source>
        <translation>%1: messaggio troncato</translation>
    </message>
    <message>
        <source>%1: checksum error</source>
        <translation>%1: errore di checksum</translation>
    </message>
    <message>
        <source>connect request</source>
        <translation>richiesta di connessione</translation>
    </message>
    <message>
        <source>firmware text request</source>
        <translation>richiesta testo firmware</translation>
    </message>
    <message>
        <source>live readings request</source>
        <translation>richiesta letture in tempo reale</translation>
    </message>
    <message>
        <source>%1 read request</source>
        <translation>richiesta di lettura %1</translation>
    </message>
    <message>
        <source>%1 write</source>
        <translation>scrittura %1</translation>
    </message>
    <message>
        <source>unrecognised frame</source>
        <translation>frame non riconosciuto</translation>
    </message>
    <message>
        <source>unrecognised chunk</source>
        <translation>dati non riconosciuti</translation>
    </message>
    <message>
        <source>identity reply</source>
        <translation>risposta di identificazione</translation>
    </message>
    <message>
        <source>firmware text reply</source>
        <translation>risposta testo firmware</translation>
    </message>
    <message>
        <source>live readings reply, not awaited: ignored</source>
        <translation>risposta letture in tempo reale, non attesa: ignorata</translation>
    </message>
    <message>
        <source>live readings reply</source>
        <translation>risposta letture in tempo reale</translation>
    </message>
    <message>
        <source>%1 reply</source>
        <translation>risposta %1</translation>
    </message>
    <message>
        <source>%1 reply, not awaited: ignored</source>
        <translation>risposta %1, non attesa: ignorata</translation>
    </message>
    <message>
        <source>%1 write accepted</source>
        <translation>scrittura %1 accettata</translation>
    </message>
    <message>
        <source>%1 write refused at byte %2 (%3)</source>
        <translation>scrittura %1 rifiutata al byte %2 (%3)</translation>
    </message>
    <message>
        <source>%1 write: unknown status %2</source>
        <translation>scrittura %1: stato sconosciuto %2</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Impossibile scrivere in %1: %2</translation>
    </message>
    <message>
        <source>name the report FILE.pdf or FILE.html</source>
        <translation>dai al rapporto il nome FILE.pdf o FILE.html</translation>
    </message>
    <message>
        <source>it is a symbolic link to %1, which does not exist</source>
        <translation>è un collegamento simbolico a %1, che non esiste</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>%1 holds no parameters: the last save to it was cut short</source>
        <translation>%1 non contiene parametri: l&apos;ultimo salvataggio è stato interrotto</translation>
    </message>
    <message>
        <source>%1 holds no parameters: the last save to it was cut short. What it held before that save is kept in %2</source>
        <translation>%1 non contiene parametri: l&apos;ultimo salvataggio è stato interrotto. Il contenuto precedente a quel salvataggio è conservato in %2</translation>
    </message>
    <message>
        <source>%1 holds no parameters: the last save to it was cut short, and no copy of what it held before is kept</source>
        <translation>%1 non contiene parametri: l&apos;ultimo salvataggio è stato interrotto e non è stata conservata nessuna copia del contenuto precedente</translation>
    </message>
    <message>
        <source>%1 on the Basic page shows %2, which a parameter file cannot hold</source>
        <translation>%1 nella pagina Base mostra %2, che un file di parametri non può contenere</translation>
    </message>
    <message>
        <source>%1 on the Pedal Assist page shows %2, which a parameter file cannot hold</source>
        <translation>%1 nella pagina Pedalata assistita mostra %2, che un file di parametri non può contenere</translation>
    </message>
    <message>
        <source>%1 on the Throttle Handle page shows %2, which a parameter file cannot hold</source>
        <translation>%1 nella pagina Acceleratore mostra %2, che un file di parametri non può contenere</translation>
    </message>
    <message>
        <source>%1 on the Torque page shows %2, which a parameter file cannot hold</source>
        <translation>%1 nella pagina Coppia mostra %2, che un file di parametri non può contenere</translation>
    </message>
</context>
<context>
    <name>ReadingRecorder</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossibile scrivere in %1</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>(controller: %1)</source>
        <translation>(centralina: %1)</translation>
    </message>
    <message>
        <source>Controller settings</source>
        <translation>Impostazioni centralina</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Bike or customer: %1</source>
        <translation>Bici o cliente: %1</translation>
    </message>
    <message>
        <source>Work Mode (pedal/wheel speed ratio)</source>
        <translation>Modalità (rapporto di velocità pedale/ruota)</translation>
    </message>
    <message>
        <source>Read from this controller at %1</source>
        <translation>Letto da questa centralina alle %1</translation>
    </message>
    <message>
        <source>Not read from this controller: these values were left on the page by another controller or a file, and may not be this bike&apos;s.</source>
        <translation>Non letto da questa centralina: questi valori sono stati lasciati sulla pagina da un&apos;altra centralina o da un file e potrebbero non essere quelli di questa bici.</translation>
    </message>
    <message>
        <source>Technician: %1</source>
        <translation>Tecnico: %1</translation>
    </message>
    <message>
        <source>Changes in this visit</source>
        <translation>Modifiche in questo intervento</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Impostazione</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Prima</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Dopo</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source>T</source>
        <comment>mark: typed in, not written</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>F</source>
        <comment>mark: loaded from a file, not written</comment>
        <translation>F</translation>
    </message>
    <message>
        <source>E</source>
        <comment>mark: left from before connecting</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>%1: typed in, and not written to this controller.</source>
        <translation>%1: valore digitato, non scritto su questa centralina.</translation>
    </message>
    <message>
        <source>%1: loaded from a file, and not written to this controller.</source>
        <translation>%1: valore caricato da un file, non scritto su questa centralina.</translation>
    </message>
    <message>
        <source>%1: left on the page from before connecting: not read from this controller, and may be another bike&apos;s.</source>
        <translation>%1: valore rimasto sulla pagina da prima della connessione: non letto da questa centralina, potrebbe essere di un&apos;altra bici.</translation>
    </message>
    <message>
        <source>Read from this controller at %1, but for the values marked.</source>
        <translation>Letto da questa centralina alle %1, tranne i valori contrassegnati.</translation>
    </message>
    <message>
        <source>Not read from this controller: each value is marked with where it comes from.</source>
        <translation>Non letto da questa centralina: ogni valore è contrassegnato con la sua provenienza.</translation>
    </message>
    <message>
        <source>Not read from this controller: typed in, and not written to it.</source>
        <translation>Non letto da questa centralina: valori digitati, non scritti su di essa.</translation>
    </message>
    <message>
        <source>Not read from this controller: loaded from a file, and not written to it.</source>
        <translation>Non letto da questa centralina: valori caricati da un file, non scritti su di essa.</translation>
    </message>
    <message>
        <source>Where a value is not what the controller holds, the controller&apos;s value follows it.</source>
        <translation>Dove un valore differisce da quello della centralina, il valore della centralina è riportato subito dopo.</translation>
    </message>
</context>
<context>
    <name>morvent::AwaitedWording</name>
    <message>
        <source>Waiting for the Basic block</source>
        <translation>In attesa del blocco Base</translation>
    </message>
    <message>
        <source>Waiting for the Basic block to be stored</source>
        <translation>In attesa del salvataggio del blocco Base</translation>
    </message>
    <message>
        <source>Waiting for the Pedal Assist block</source>
        <translation>In attesa del blocco Pedalata assistita</translation>
    </message>
    <message>
        <source>Waiting for the Pedal Assist block to be stored</source>
        <translation>In attesa del salvataggio del blocco Pedalata assistita</translation>
    </message>
    <message>
        <source>Waiting for the Throttle Handle block</source>
        <translation>In attesa del blocco Acceleratore</translation>
    </message>
    <message>
        <source>Waiting for the Throttle Handle block to be stored</source>
        <translation>In attesa del salvataggio del blocco Acceleratore</translation>
    </message>
    <message>
        <source>Waiting for the Torque block</source>
        <translation>In attesa del blocco Coppia</translation>
    </message>
    <message>
        <source>Waiting for the Torque block to be stored</source>
        <translation>In attesa del salvataggio del blocco Coppia</translation>
    </message>
    <message>
        <source>Continuous Get: the live readings</source>
        <translation>Rilevazione continua: letture in tempo reale</translation>
    </message>
    <message>
        <source>Waiting for the live readings</source>
        <translation>In attesa delle letture in tempo reale</translation>
    </message>
    <message>
        <source>Waiting for the firmware text</source>
        <translation>In attesa del testo del firmware</translation>
    </message>
    <message>
        <source>Read Flash: Basic, %1 of %2</source>
        <translation>Leggi flash: Base, %1 di %2</translation>
    </message>
    <message>
        <source>Read Flash: Pedal Assist, %1 of %2</source>
        <translation>Leggi flash: Pedalata assistita, %1 di %2</translation>
    </message>
    <message>
        <source>Read Flash: Throttle Handle, %1 of %2</source>
        <translation>Leggi flash: Acceleratore, %1 di %2</translation>
    </message>
    <message>
        <source>Read Flash: Torque, %1 of %2</source>
        <translation>Leggi flash: Coppia, %1 di %2</translation>
    </message>
    <message>
        <source>Read Flash: Live Readings, %1 of %2</source>
        <translation>Leggi flash: Letture in tempo reale, %1 di %2</translation>
    </message>
    <message>
        <source>Write Flash: Basic, %1 of %2</source>
        <translation>Scrivi flash: Base, %1 di %2</translation>
    </message>
    <message>
        <source>Write Flash: Pedal Assist, %1 of %2</source>
        <translation>Scrivi flash: Pedalata assistita, %1 di %2</translation>
    </message>
    <message>
        <source>Write Flash: Throttle Handle, %1 of %2</source>
        <translation>Scrivi flash: Acceleratore, %1 di %2</translation>
    </message>
    <message>
        <source>Write Flash: Torque, %1 of %2</source>
        <translation>Scrivi flash: Coppia, %1 di %2</translation>
    </message>
    <message>
        <source>Write Flash: Live Readings, %1 of %2</source>
        <translation>Scrivi flash: Letture in tempo reale, %1 di %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Basic, %1 of %2</source>
        <translation>Confronta con centralina: Base, %1 di %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Pedal Assist, %1 of %2</source>
        <translation>Confronta con centralina: Pedalata assistita, %1 di %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Throttle Handle, %1 of %2</source>
        <translation>Confronta con centralina: Acceleratore, %1 di %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Torque, %1 of %2</source>
        <translation>Confronta con centralina: Coppia, %1 di %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Live Readings, %1 of %2</source>
        <translation>Confronta con centralina: Letture in tempo reale, %1 di %2</translation>
    </message>
</context>
<context>
    <name>morvent::BlockRequests</name>
    <message>
        <source>Write</source>
        <translation>Scrivi</translation>
    </message>
    <message>
        <source>Write Flash</source>
        <translation>Scrivi flash</translation>
    </message>
    <message>
        <source>Not read from this controller or loaded from a file since connecting: %1, which may show what another controller or file left there.</source>
        <translation>Dalla connessione non è stato letto da questa centralina né caricato da un file: %1. I valori mostrati potrebbero essere quelli lasciati da un&apos;altra centralina o da un file.</translation>
    </message>
    <message>
        <source>The controller&apos;s own values of %1 were not read, so nothing keeps them once they are written over. Write Flash anyway?</source>
        <translation>I valori originali della centralina per %1 non sono stati letti, quindi una volta sovrascritti non ne resta traccia. Vuoi scrivere comunque in flash?</translation>
    </message>
    <message>
        <source>The controller&apos;s own values of %1 were not read, so nothing keeps them once they are written over. Write anyway?</source>
        <translation>I valori originali della centralina per %1 non sono stati letti, quindi una volta sovrascritti non ne resta traccia. Vuoi scrivere comunque?</translation>
    </message>
    <message>
        <source>Not written: %1 on the Basic page</source>
        <translation>Non scritto: %1 nella pagina Base</translation>
    </message>
    <message>
        <source>Not written: %1 on the Pedal Assist page</source>
        <translation>Non scritto: %1 nella pagina Pedalata assistita</translation>
    </message>
    <message>
        <source>Not written: %1 on the Throttle Handle page</source>
        <translation>Non scritto: %1 nella pagina Acceleratore</translation>
    </message>
    <message>
        <source>Not written: %1 on the Torque page</source>
        <translation>Non scritto: %1 nella pagina Coppia</translation>
    </message>
</context>
<context>
    <name>morvent::ChangeMarks</name>
    <message numerus="yes">
        <source>%n changes not written</source>
        <translation>
            <numerusform>%n modifica non scritta</numerusform>
            <numerusform>%n modifiche non scritte</numerusform>
        </translation>
    </message>
    <message>
        <source>Changed: the controller holds %1.
</source>
        <translation>Modificato: la centralina contiene %1.
</translation>
    </message>
    <message>
        <source>Changed before the page was read: what the controller holds is not known yet.
</source>
        <translation>Modificato prima della lettura della pagina: il valore della centralina non è ancora noto.
</translation>
    </message>
    <message>
        <source> (changed)</source>
        <translation> (modificato)</translation>
    </message>
</context>
<context>
    <name>morvent::ComparisonMarks</name>
    <message>
        <source>Not read or loaded since connecting: the fields may not hold the controller&apos;s values. Read the page or load a file before writing it.</source>
        <translation>Non letta né caricata dalla connessione: i campi potrebbero non contenere i valori della centralina. Leggi la pagina o carica un file prima di scriverla.</translation>
    </message>
    <message>
        <source>nothing selected (-1)</source>
        <translation>nessuna selezione (-1)</translation>
    </message>
    <message>
        <source>%1 (item %2)</source>
        <translation>%1 (voce %2)</translation>
    </message>
    <message>
        <source>Not loaded from %1, so 0: %2</source>
        <translation>Non caricato da %1, quindi 0: %2</translation>
    </message>
    <message>
        <source>In %1: %2</source>
        <translation>In %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n fields were not in %1: set to 0</source>
        <translation>
            <numerusform>%n campo mancava in %1: impostato a 0</numerusform>
            <numerusform>%n campi mancavano in %1: impostati a 0</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fields differ from %1</source>
        <translation>
            <numerusform>%n campo diverso da %1</numerusform>
            <numerusform>%n campi diversi da %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No field differs from %1</source>
        <translation>Nessun campo diverso da %1</translation>
    </message>
</context>
<context>
    <name>morvent::ConnectionProbing</name>
    <message>
        <source>No adapter found</source>
        <translation>Nessun adattatore trovato</translation>
    </message>
    <message>
        <source>No adapter found. To try the window without a bike, start it with --simulate (the menu entry &quot;Try with the simulated controller&quot;): the simulated controller is then first in this list.</source>
        <translation>Nessun adattatore trovato. Per provare la finestra senza bici, avviala con --simulate (voce di menu «Prova con la centralina simulata»): la centralina simulata è allora la prima di questo elenco.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnesso</translation>
    </message>
    <message>
        <source>Probing at %1 baud</source>
        <translation>Ricerca a %1 baud</translation>
    </message>
    <message>
        <source>Connected: %1 %2</source>
        <translation>Connesso: %1 %2</translation>
    </message>
    <message>
        <source>F1 opens Getting Started: seven steps from connecting to the report.</source>
        <translation>F1 apre «Primi passi»: sette passaggi, dalla connessione al rapporto.</translation>
    </message>
    <message>
        <source>Probing at %1 baud: no controller answered at any rate. Check its power and key switch, the TX/RX wiring and the port</source>
        <translation>Ricerca a %1 baud: nessuna centralina ha risposto a nessuna velocità. Controlla l&apos;alimentazione e l&apos;interruttore a chiave, il cablaggio TX/RX e la porta</translation>
    </message>
</context>
<context>
    <name>morvent::ContinuousGet</name>
    <message>
        <source>Continuous Get running: press Continuous Get again to stop</source>
        <translation>Rilevazione continua in corso: premi di nuovo «Rilevazione continua» per fermarla</translation>
    </message>
</context>
<context>
    <name>morvent::FileChoiceWindow</name>
    <message>
        <source>Directory Name: </source>
        <translation>Nome cartella: </translation>
    </message>
    <message>
        <source>Directories: </source>
        <translation>Cartelle: </translation>
    </message>
    <message>
        <source>Files: </source>
        <translation>File: </translation>
    </message>
    <message>
        <source>Drives: </source>
        <translation>Unità: </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>File name, e.g. bike.el</source>
        <translation>Nome del file, ad es. bici.el</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nome del file</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Cartelle</translation>
    </message>
    <message>
        <source>Files of type</source>
        <translation>Tipo di file</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Unità</translation>
    </message>
</context>
<context>
    <name>morvent::GettingStarted</name>
    <message>
        <source>Getting Started</source>
        <translation>Primi passi</translation>
    </message>
    <message>
        <source>&lt;b&gt;Connect.&lt;/b&gt; Plug the USB-serial adapter into the computer and into the controller&apos;s programming lead, and switch the controller on. Choose the adapter in the %1 list and press %2. Once the controller answers, %3 shows its model and firmware.</source>
        <translation>&lt;b&gt;Connessione.&lt;/b&gt; Collega l&apos;adattatore USB-seriale al computer e al cavo di programmazione della centralina, poi accendi la centralina. Scegli l&apos;adattatore nell&apos;elenco %1 e premi %2. Appena la centralina risponde, %3 ne mostra il modello e il firmware.</translation>
    </message>
    <message>
        <source>Without an adapter or a bike, start morvent from its menu entry &quot;Try with the simulated controller&quot; (or as &lt;tt&gt;morvent --simulate&lt;/tt&gt;): the simulated controller is then first in the %1 list and answers as a real one does.</source>
        <translation>Senza adattatore né bici, avvia morvent dalla voce di menu «Prova con la centralina simulata» (o con &lt;tt&gt;morvent --simulate&lt;/tt&gt;): la centralina simulata è allora la prima dell&apos;elenco %1 e risponde come una vera.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Read.&lt;/b&gt; Press %1 to read all four pages from the controller, or a page&apos;s own %2 for that page alone. Each %1 keeps a backup of what the controller held.</source>
        <translation>&lt;b&gt;Lettura.&lt;/b&gt; Premi %1 per leggere tutte e quattro le pagine dalla centralina, oppure il pulsante %2 di una pagina per leggere solo quella. Ogni %1 conserva un backup di ciò che la centralina conteneva.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Change.&lt;/b&gt; Type the new values into the fields. A changed field is marked until it is written; %1 puts its page back as it was read. Rest the mouse on a field to see what it sets and which values it takes.</source>
        <translation>&lt;b&gt;Modifica.&lt;/b&gt; Digita i nuovi valori nei campi. Un campo modificato resta contrassegnato finché non viene scritto; %1 riporta la sua pagina com&apos;era alla lettura. Tieni il mouse su un campo per vedere cosa imposta e quali valori accetta.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Review.&lt;/b&gt; %1 in the %2 menu (%3) lists every changed field with the controller&apos;s value beside the page&apos;s, before anything is written.</source>
        <translation>&lt;b&gt;Revisione.&lt;/b&gt; %1 nel menu %2 (%3) elenca ogni campo modificato con il valore della centralina accanto a quello della pagina, prima di scrivere qualsiasi cosa.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Write.&lt;/b&gt; Press %1 to write all four pages, or a page&apos;s own %2. Should the controller refuse a value, a message says which, and its field is shown.</source>
        <translation>&lt;b&gt;Scrittura.&lt;/b&gt; Premi %1 per scrivere tutte e quattro le pagine, oppure il pulsante %2 di una pagina. Se la centralina rifiuta un valore, un messaggio indica quale e ne mostra il campo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save.&lt;/b&gt; %1 → %2 (%3) keeps the four pages&apos; values in a parameter file (.el); %1 → %4 puts them back into the pages, to write to this controller or another.</source>
        <translation>&lt;b&gt;Salvataggio.&lt;/b&gt; %1 → %2 (%3) conserva i valori delle quattro pagine in un file di parametri (.el); %1 → %4 li riporta nelle pagine, per scriverli su questa centralina o su un&apos;altra.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Report.&lt;/b&gt; %1 → %2 writes what the pages hold to a PDF or HTML file for the customer or the workshop&apos;s records; %1 → %3 prints it.</source>
        <translation>&lt;b&gt;Rapporto.&lt;/b&gt; %1 → %2 scrive il contenuto delle pagine in un file PDF o HTML, per il cliente o l&apos;archivio dell&apos;officina; %1 → %3 lo stampa.</translation>
    </message>
    <message>
        <source>Seven steps from a controller on the bench to a report of what it holds.</source>
        <translation>Sette passaggi, dalla centralina sul banco al rapporto di ciò che contiene.</translation>
    </message>
</context>
<context>
    <name>morvent::KeepingActions</name>
    <message>
        <source>What %1 held is kept in %2</source>
        <translation>Il contenuto precedente di %1 è conservato in %2</translation>
    </message>
    <message>
        <source>Saved: %1</source>
        <translation>Salvato: %1</translation>
    </message>
    <message>
        <source>Compare With File</source>
        <translation>Confronta con file</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Load Backup</source>
        <translation>Carica backup</translation>
    </message>
    <message>
        <source>Backup kept: %1</source>
        <translation>Backup conservato: %1</translation>
    </message>
    <message>
        <source>No backup kept</source>
        <translation>Nessun backup conservato</translation>
    </message>
    <message>
        <source>Saved: %1. Its name has no &quot;.el&quot;, so Load lists it under &quot;All files&quot; only.</source>
        <translation>Salvato: %1. Il nome non termina in «.el», quindi Carica lo elenca solo sotto «Tutti i file».</translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: a load puts the backup&apos;s values over what was typed. Load anyway?</source>
        <translation>
            <numerusform>%n modifica non scritta sulla centralina: il caricamento sostituisce ciò che hai digitato con i valori del backup. Vuoi caricare comunque?</numerusform>
            <numerusform>%n modifiche non scritte sulla centralina: il caricamento sostituisce ciò che hai digitato con i valori del backup. Vuoi caricare comunque?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>morvent::LiveReadingsMonitor</name>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Paused: the plot stands still while readings go on being kept for the last minute and recorded.</source>
        <translation>In pausa: il grafico è fermo, ma le letture dell&apos;ultimo minuto continuano a essere conservate e registrate.</translation>
    </message>
    <message>
        <source>Readings appear here as &quot;Get&quot; or &quot;Continuous Get&quot; on the Torque page brings them in.</source>
        <translation>Le letture compaiono qui quando &quot;Rileva&quot; o &quot;Rilevazione continua&quot; della pagina Coppia le acquisisce.</translation>
    </message>
    <message>
        <source>Record to CSV</source>
        <translation>Registra in CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Interrompi registrazione</translation>
    </message>
    <message>
        <source>Record to CSV...</source>
        <translation>Registra in CSV...</translation>
    </message>
    <message numerus="yes">
        <source>%n readings</source>
        <translation>
            <numerusform>%n lettura</numerusform>
            <numerusform>%n letture</numerusform>
        </translation>
    </message>
    <message>
        <source>Recording to %1: %2</source>
        <translation>Registrazione in %1: %2</translation>
    </message>
    <message>
        <source>Recording stopped: %1 (%2 kept)</source>
        <translation>Registrazione interrotta: %1 (%2 conservate)</translation>
    </message>
    <message>
        <source>Recorded %1 to %2</source>
        <translation>%1 registrate in %2</translation>
    </message>
</context>
<context>
    <name>morvent::LiveReadingsWindow</name>
    <message>
        <source>Live Torque Readings</source>
        <translation>Coppia in tempo reale</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Record to CSV...</source>
        <translation>Registra in CSV...</translation>
    </message>
    <message>
        <source>seconds before the latest reading</source>
        <translation>secondi prima dell&apos;ultima lettura</translation>
    </message>
</context>
<context>
    <name>morvent::PageUndo</name>
    <message>
        <source>Nothing to undo: the page has not been read or loaded</source>
        <translation>Niente da ripristinare: la pagina non è stata letta né caricata</translation>
    </message>
    <message>
        <source>Put back this page&apos;s values as read or loaded at %1</source>
        <translation>Ripristina i valori di questa pagina letti o caricati alle %1</translation>
    </message>
</context>
<context>
    <name>morvent::ParameterFileDialog</name>
    <message>
        <source>Open the Disk Error!</source>
        <translation>Errore di apertura del disco!</translation>
    </message>
</context>
<context>
    <name>morvent::ReplyDispatcher</name>
    <message>
        <source>Probing stopped: identity checksum error</source>
        <translation>Ricerca interrotta: errore di checksum dell&apos;identificazione</translation>
    </message>
    <message>
        <source>No field differs from the controller</source>
        <translation>Nessun campo diverso dalla centralina</translation>
    </message>
    <message numerus="yes">
        <source>Compare With Controller: %n changes not written</source>
        <translation>
            <numerusform>Confronta con centralina: %n modifica non scritta</numerusform>
            <numerusform>Confronta con centralina: %n modifiche non scritte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>morvent::ReportActions</name>
    <message>
        <source>Report</source>
        <translation>Rapporto</translation>
    </message>
    <message>
        <source>Bike or customer (printed on the report):</source>
        <translation>Bici o cliente (stampato nel rapporto):</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>Esporta rapporto</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;HTML (*.html)</source>
        <translation>PDF (*.pdf);;HTML (*.html)</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>Rapporto salvato: %1</translation>
    </message>
    <message>
        <source>Controller settings</source>
        <translation>Impostazioni centralina</translation>
    </message>
    <message>
        <source>Report Settings</source>
        <translation>Impostazioni rapporto</translation>
    </message>
    <message>
        <source>Shop name:</source>
        <translation>Nome officina:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Indirizzo:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Telefono:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Logo (a picture file):</source>
        <translation>Logo (un file immagine):</translation>
    </message>
    <message>
        <source>Technician:</source>
        <translation>Tecnico:</translation>
    </message>
</context>
<context>
    <name>morvent::ReviewChanges</name>
    <message>
        <source>Review Changes</source>
        <translation>Rivedi modifiche</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Centralina</translation>
    </message>
    <message>
        <source>Page value</source>
        <translation>Valore pagina</translation>
    </message>
    <message>
        <source>Put Back</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Give the selected fields the controller&apos;s values</source>
        <translation>Riporta i campi selezionati ai valori della centralina</translation>
    </message>
    <message>
        <source>Write Flash</source>
        <translation>Scrivi flash</translation>
    </message>
    <message>
        <source>Changes not written</source>
        <translation>Modifiche non scritte</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>closes this window</comment>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>morvent::StatusReporter</name>
    <message>
        <source>Disconnected</source>
        <translation>Disconnesso</translation>
    </message>
    <message>
        <source>%1, %2 s</source>
        <extracomment>%1 is what is awaited, a whole text of its own (&quot;Read Flash: Pedal Assist, 2 of 5&quot;); %2 the seconds waited so far.</extracomment>
        <translation>%1, %2 s</translation>
    </message>
    <message>
        <source>No reply from the controller (%1, %2 s)</source>
        <extracomment>%1 is what is awaited, a whole text of its own (&quot;Read Flash: Pedal Assist, 2 of 5&quot;); %2 the seconds waited so far.</extracomment>
        <translation>Nessuna risposta dalla centralina (%1, %2 s)</translation>
    </message>
</context>
<context>
    <name>morvent::TForm1</name>
    <message>
        <source>Connection lost: press Connect to start again</source>
        <translation>Connessione persa: premi Connetti per ricominciare</translation>
    </message>
    <message>
        <source>Parameter files (*.el);;All files (*)</source>
        <translation>File di parametri (*.el);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>%1 bytes ignored: the port was closed</source>
        <translation>%1 byte ignorati: la porta era chiusa</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>the device went away (hang-up)</source>
        <translation>il dispositivo non è più raggiungibile (linea interrotta)</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>ends the connection to the controller</comment>
        <translation>Disconnetti</translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: closing the window loses what was typed. Quit anyway?</source>
        <translation>
            <numerusform>%n modifica non scritta sulla centralina: chiudendo la finestra, ciò che hai digitato va perso. Vuoi uscire comunque?</numerusform>
            <numerusform>%n modifiche non scritte sulla centralina: chiudendo la finestra, ciò che hai digitato va perso. Vuoi uscire comunque?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: a load puts the file&apos;s values over what was typed. Load anyway?</source>
        <translation>
            <numerusform>%n modifica non scritta sulla centralina: il caricamento sostituisce ciò che hai digitato con i valori del file. Vuoi caricare comunque?</numerusform>
            <numerusform>%n modifiche non scritte sulla centralina: il caricamento sostituisce ciò che hai digitato con i valori del file. Vuoi caricare comunque?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: connecting forgets what the controller holds, and the pages show no changes until read again. Connect anyway?</source>
        <translation>
            <numerusform>%n modifica non scritta sulla centralina: connettendoti, i valori noti della centralina vengono dimenticati e le pagine non mostrano modifiche finché non vengono rilette. Vuoi connetterti comunque?</numerusform>
            <numerusform>%n modifiche non scritte sulla centralina: connettendoti, i valori noti della centralina vengono dimenticati e le pagine non mostrano modifiche finché non vengono rilette. Vuoi connetterti comunque?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: after Close, what was typed can no longer be written. Close anyway?</source>
        <translation>
            <numerusform>%n modifica non scritta sulla centralina: dopo la disconnessione, ciò che hai digitato non potrà più essere scritto. Vuoi disconnetterti comunque?</numerusform>
            <numerusform>%n modifiche non scritte sulla centralina: dopo la disconnessione, ciò che hai digitato non potrà più essere scritto. Vuoi disconnetterti comunque?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>morvent::TForm3</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation>&amp;Primi passi</translation>
    </message>
</context>
<context>
    <name>morvent::TForm4</name>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
</context>
<context>
    <name>morvent::TForm5</name>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
</context>
<context>
    <name>morvent::TrafficLog</name>
    <message>
        <source>Traffic Log</source>
        <translation>Registro comunicazioni</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Save as Text...</source>
        <translation>Salva come testo...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Save the Traffic Log</source>
        <translation>Salva il registro comunicazioni</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>File di testo (*.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Impossibile scrivere in %1: %2</translation>
    </message>
    <message>
        <source>received</source>
        <translation>ricevuto</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>inviato</translation>
    </message>
</context>
<context>
    <name>morvent::ViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Traffic Log</source>
        <translation>&amp;Registro comunicazioni</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Ha effetto al prossimo avvio</translation>
    </message>
    <message>
        <source>%1 from the next start</source>
        <translation>%1 dal prossimo avvio</translation>
    </message>
</context>
<context>
    <name>morvent::WindowLine</name>
    <message>
        <source>%1: not sent, the port is closed</source>
        <extracomment>%1 is the request as the traffic log names it, a text of its own (&quot;Torque write&quot;).</extracomment>
        <translation>%1: non inviato, la porta è chiusa</translation>
    </message>
    <message>
        <source>Error sending!</source>
        <translation>Errore di invio!</translation>
    </message>
</context>
</TS>
