<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>BackupKeeper</name>
    <message>
        <source>Unable to create the folder %1</source>
        <translation>Kan de map %1 niet aanmaken</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Kan niet schrijven naar %1</translation>
    </message>
    <message>
        <source>Unable to find a free name in %1</source>
        <translation>Geen vrije naam in %1</translation>
    </message>
</context>
<context>
    <name>ConnectionHelp</name>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1 (proces %2)</translation>
    </message>
    <message>
        <source>Permission denied: your user may not open %1. It belongs to the group &quot;%2&quot;; add yourself to that group with
    sudo usermod -aG %2 $USER
then log out and log in again: a new group counts only from a new login.</source>
        <translation>Toegang geweigerd: uw gebruiker mag %1 niet openen. Het hoort bij de groep &quot;%2&quot;; voeg uzelf aan die groep toe met
    sudo usermod -aG %2 $USER
en meld u daarna af en weer aan: een nieuwe groep telt pas vanaf een nieuwe aanmelding.</translation>
    </message>
    <message>
        <source>Create the group first with
    sudo groupadd %1
</source>
        <translation>Maak eerst de groep aan met
    sudo groupadd %1
</translation>
    </message>
    <message>
        <source>Permission denied: your user may not open %1, and no group other than root may read and write it. %2Give the group &quot;%3&quot; access with a udev rule: the line
    KERNEL==&quot;%4&quot;, GROUP=&quot;%3&quot;, MODE=&quot;0660&quot;
in a file /etc/udev/rules.d/99-serial-adapter.rules, then plug the adapter in again. Add yourself to the group with
    sudo usermod -aG %3 $USER
then log out and log in again: a new group counts only from a new login.</source>
        <translation>Toegang geweigerd: uw gebruiker mag %1 niet openen, en geen andere groep dan root mag het lezen en schrijven. %2Geef de groep &quot;%3&quot; toegang met een udev-regel: de regel
    KERNEL==&quot;%4&quot;, GROUP=&quot;%3&quot;, MODE=&quot;0660&quot;
in een bestand /etc/udev/rules.d/99-serial-adapter.rules, en steek daarna de adapter opnieuw in. Voeg uzelf aan de groep toe met
    sudo usermod -aG %3 $USER
en meld u daarna af en weer aan: een nieuwe groep telt pas vanaf een nieuwe aanmelding.</translation>
    </message>
    <message>
        <source>%1 is the terminal this program runs in, not a controller&apos;s port. Name the adapter&apos;s port instead.</source>
        <translation>%1 is de terminal waarin dit programma draait, geen poort van een controller. Geef in plaats daarvan de poort van de adapter op.</translation>
    </message>
    <message>
        <source>The port is in use: another program is using it. Close that program, then connect again.</source>
        <translation>De poort is bezet: een ander programma gebruikt hem. Sluit dat programma en verbind opnieuw.</translation>
    </message>
    <message>
        <source>The port is in use by %1. Close %2, then connect again.</source>
        <translation>De poort wordt gebruikt door %1. Sluit %2 en verbind opnieuw.</translation>
    </message>
    <message>
        <source>that program</source>
        <translation>dat programma</translation>
    </message>
    <message>
        <source>those programs</source>
        <translation>die programma&apos;s</translation>
    </message>
    <message>
        <source>
ModemManager probes new serial adapters as if they were modems. Stop it with
    sudo systemctl stop ModemManager
or wait until it lets go of the adapter.</source>
        <translation>
ModemManager test nieuwe seriële adapters alsof het modems zijn. Stop hem met
    sudo systemctl stop ModemManager
of wacht tot hij de adapter loslaat.</translation>
    </message>
    <message>
        <source>No such device: %1. The adapter is unplugged or the port name is wrong; plug it in and pick it again from the Port list.</source>
        <translation>Apparaat bestaat niet: %1. De adapter is losgekoppeld of de poortnaam klopt niet; steek hem in en kies hem opnieuw in de lijst Poort.</translation>
    </message>
    <message>
        <source>The device %1 does not answer: the adapter was pulled or has failed. Plug it in again and pick it from the Port list.</source>
        <translation>Het apparaat %1 antwoordt niet: de adapter is losgetrokken of defect. Steek hem opnieuw in en kies hem in de lijst Poort.</translation>
    </message>
    <message>
        <source>%1 does not take the line settings: its driver cannot set the rate or the character format asked for. Try another adapter.</source>
        <translation>%1 accepteert de lijninstellingen niet: het stuurprogramma kan de baudrate of het tekenformaat niet instellen. Probeer een andere adapter.</translation>
    </message>
    <message>
        <source>%1 is not a serial port. Pick the adapter from the Port list.</source>
        <translation>%1 is geen seriële poort. Kies de adapter in de lijst Poort.</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program, then connect again.</source>
        <translation>%1 wordt gebruikt door een ander programma. Sluit dat programma en verbind opnieuw.</translation>
    </message>
    <message>
        <source>There is no %1 on this computer. The adapter is unplugged or the port name is wrong; plug it in and pick it again from the Port list.</source>
        <translation>%1 bestaat niet op deze computer. De adapter is losgekoppeld of de poortnaam klopt niet; steek hem in en kies hem opnieuw in de lijst Poort.</translation>
    </message>
</context>
<context>
    <name>Form1Ui</name>
    <message>
        <source>Undo Changes</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>Pedal Assist</source>
        <translation>Trapondersteuning</translation>
    </message>
    <message>
        <source>Throttle Handle</source>
        <translation>Gashendel</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Koppel</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Verbinding</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Poort:</translation>
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
        <translation>Controllerinfo</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>Fabrikant:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Harware Ver:</source>
        <translation>Hardwareversie:</translation>
    </message>
    <message>
        <source>Firmware Ver:</source>
        <translation>Firmwareversie:</translation>
    </message>
    <message>
        <source>Nominal Voltage:</source>
        <translation>Nominale spanning:</translation>
    </message>
    <message>
        <source>Max.Current:</source>
        <translation>Max. stroom:</translation>
    </message>
    <message>
        <source>Read Flash</source>
        <translation>Flash lezen</translation>
    </message>
    <message>
        <source>Write Flash</source>
        <translation>Flash schrijven</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lezen</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schrijven</translation>
    </message>
    <message>
        <source>Continuous Get</source>
        <translation>Continu ophalen</translation>
    </message>
    <message>
        <source>×10mS</source>
        <translation>×10ms</translation>
    </message>
    <message>
        <source>About Tq</source>
        <translation>Koppelmetingen</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Plot...</source>
        <translation>Grafiek...</translation>
    </message>
    <message>
        <source>Plot the readings of the last minute</source>
        <translation>Grafiek van de metingen van de laatste minuut</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Ophalen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>Load &amp;Backup...</source>
        <translation>&amp;Back-up laden...</translation>
    </message>
    <message>
        <source>Compare With &amp;File...</source>
        <translation>Vergelijken met be&amp;stand...</translation>
    </message>
    <message>
        <source>Compare With &amp;Controller</source>
        <translation>Vergelijken met &amp;controller</translation>
    </message>
    <message>
        <source>Clear Compa&amp;rison</source>
        <translation>Vergelijking &amp;wissen</translation>
    </message>
    <message>
        <source>&amp;Open Backups Folder</source>
        <translation>Back-up&amp;map openen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Review Changes...</source>
        <translation>Wijzigingen &amp;bekijken...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>A live reading of the torque sensor, as the controller measured it when last asked (Get, Continuous Get, Read Flash).
Read only; not kept in parameter files.</source>
        <translation>Live-meting van de koppelsensor, zoals de controller die bij de laatste vraag mat (Ophalen, Continu ophalen, Flash lezen).
Alleen lezen; niet bewaard in parameterbestanden.</translation>
    </message>
    <message>
        <source>The serial port the controller is on; a device path may be typed.</source>
        <translation>De seriële poort van de controller; een apparaatpad mag ook worden getypt.</translation>
    </message>
    <message>
        <source>The line speed. Connect finds the controller&apos;s own by trying each in turn from the first; once it answers, the line runs at 9600.</source>
        <translation>De baudrate. Verbinden vindt die van de controller door ze een voor een te proberen vanaf de eerste; zodra hij antwoordt, loopt de lijn op 9600.</translation>
    </message>
    <message>
        <source>Controller System</source>
        <translation>Controllersysteem</translation>
    </message>
    <message>
        <source>&amp;Export Report...</source>
        <translation>Rapport &amp;exporteren...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Af&amp;drukken...</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>ends the connection to the controller</comment>
        <translation>Verbreken</translation>
    </message>
    <message>
        <source>Report Se&amp;ttings...</source>
        <translation>Rapport&amp;instellingen...</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Systeem</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>prompt message</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>PortList</name>
    <message>
        <source>Simulated controller</source>
        <translation>Gesimuleerde controller</translation>
    </message>
    <message>
        <source>The built-in simulated controller (%1), not a real adapter</source>
        <translation>De ingebouwde gesimuleerde controller (%1), geen echte adapter</translation>
    </message>
</context>
<context>
    <name>Protocol</name>
    <message>
        <source>Read The Basic Info CheckSum Error</source>
        <translation>Checksumfout bij lezen: Basis</translation>
    </message>
    <message>
        <source>Write The Basic Info CheckSum Error</source>
        <translation>Checksumfout bij schrijven: Basis</translation>
    </message>
    <message>
        <source>Basic Set successfully.</source>
        <translation>Basis: met succes geschreven.</translation>
    </message>
    <message>
        <source>Read The Pedal Assist Info CheckSum Error</source>
        <translation>Checksumfout bij lezen: Trapondersteuning</translation>
    </message>
    <message>
        <source>Write The Pedal Assist Info CheckSum Error</source>
        <translation>Checksumfout bij schrijven: Trapondersteuning</translation>
    </message>
    <message>
        <source>Pedal Assist Set successfully.</source>
        <translation>Trapondersteuning: met succes geschreven.</translation>
    </message>
    <message>
        <source>Read The Throttle Handle Info CheckSum Error</source>
        <translation>Checksumfout bij lezen: Gashendel</translation>
    </message>
    <message>
        <source>Write The Throttle Handle Info CheckSum Error</source>
        <translation>Checksumfout bij schrijven: Gashendel</translation>
    </message>
    <message>
        <source>Throttle Handle Set successfully.</source>
        <translation>Gashendel: met succes geschreven.</translation>
    </message>
    <message>
        <source>Read The Torque Info CheckSum Error</source>
        <translation>Checksumfout bij lezen: Koppel</translation>
    </message>
    <message>
        <source>Write The Torque Info CheckSum Error</source>
        <translation>Checksumfout bij schrijven: Koppel</translation>
    </message>
    <message>
        <source>Torque Set successfully.</source>
        <translation>Koppel: met succes geschreven.</translation>
    </message>
    <message>
        <source>Read Flash successfully.</source>
        <translation>Flash met succes gelezen.</translation>
    </message>
    <message>
        <source>Write Flash successfully.</source>
        <translation>Flash met succes geschreven.</translation>
    </message>
    <message>
        <source>Manufacturer:%1</source>
        <translation>Fabrikant:%1</translation>
    </message>
    <message>
        <source>Model:%1</source>
        <translation>Model:%1</translation>
    </message>
    <message>
        <source>Harware Ver: V%1.%2</source>
        <translation>Hardwareversie: V%1.%2</translation>
    </message>
    <message>
        <source>Firmware Ver: V%1</source>
        <translation>Firmwareversie: V%1</translation>
    </message>
    <message>
        <source>Max.Current: %1A</source>
        <translation>Max. stroom: %1A</translation>
    </message>
    <message>
        <source>Firmware Ver:%1</source>
        <translation>Firmwareversie:%1</translation>
    </message>
    <message>
        <source>Read The Controller Info CheckSum Error</source>
        <translation>Checksumfout bij lezen van controllerinfo</translation>
    </message>
    <message>
        <source>Read The Software Version Error</source>
        <translation>Fout bij lezen van firmwareversie</translation>
    </message>
    <message>
        <source>SpeedSignalACC</source>
        <translation>Pulsen totaal</translation>
    </message>
    <message>
        <source>SpeedSigLevel</source>
        <translation>Signaalniveau</translation>
    </message>
    <message>
        <source>LevelHTime</source>
        <translation>Tijd hoog</translation>
    </message>
    <message>
        <source>LevelLTime</source>
        <translation>Tijd laag</translation>
    </message>
    <message>
        <source>TqVoltate</source>
        <translation>Koppelspanning</translation>
    </message>
    <message>
        <source>Read The Tq Info CheckSum Error</source>
        <translation>Checksumfout bij lezen van koppelmetingen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is geen geldig geheel getal</translation>
    </message>
    <message>
        <source>Nominal Voltage: 24V</source>
        <translation>Nominale spanning: 24V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 36V</source>
        <translation>Nominale spanning: 36V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 48V</source>
        <translation>Nominale spanning: 48V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 60V</source>
        <translation>Nominale spanning: 60V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 24-48V</source>
        <translation>Nominale spanning: 24-48V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 24-60V</source>
        <translation>Nominale spanning: 24-60V</translation>
    </message>
    <message>
        <source>By Display&apos;s Command</source>
        <translation>Volgens display</translation>
    </message>
    <message>
        <source>Low Battery Protect(V):</source>
        <translation>Onderspanning(V):</translation>
    </message>
    <message>
        <source>Low battery protection: the battery voltage at which the controller cuts off; the list offers the voltages of the connected controller&apos;s class</source>
        <translation>Onderspanningsbeveiliging: de accuspanning waarbij de controller uitschakelt; de lijst biedt de spanningen van de klasse van de verbonden controller</translation>
    </message>
    <message>
        <source>Limited Current(A):</source>
        <translation>Stroomlimiet(A):</translation>
    </message>
    <message>
        <source>Limited current: the controller&apos;s overall current limit</source>
        <translation>Stroomlimiet: de totale stroomgrens van de controller</translation>
    </message>
    <message>
        <source>Limited Current</source>
        <translation>Stroomlimiet</translation>
    </message>
    <message>
        <source>Assit%1:</source>
        <translation>Niveau %1:</translation>
    </message>
    <message>
        <source>Current limit at assist level %1</source>
        <translation>Stroomlimiet op ondersteuningsniveau %1</translation>
    </message>
    <message>
        <source>Limit Current(%)</source>
        <translation>Stroomlimiet(%)</translation>
    </message>
    <message>
        <source>Speed limit at assist level %1</source>
        <translation>Snelheidslimiet op ondersteuningsniveau %1</translation>
    </message>
    <message>
        <source>Limit Spd(%)</source>
        <translation>Limiet snelh.(%)</translation>
    </message>
    <message>
        <source>Wheel Diameler(Inch): </source>
        <translation>Wieldiameter(inch): </translation>
    </message>
    <message>
        <source>Wheel diameter</source>
        <translation>Wieldiameter</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>inch</translation>
    </message>
    <message>
        <source>Speed Meter Model: </source>
        <translation>Snelheidsbron: </translation>
    </message>
    <message>
        <source>Speed meter model: where the speed signal comes from</source>
        <translation>Snelheidsbron: waar het snelheidssignaal vandaan komt</translation>
    </message>
    <message>
        <source>External,Wheel Meter</source>
        <translation>Extern, wielsensor</translation>
    </message>
    <message>
        <source>Internal,Motor Meter</source>
        <translation>Intern, motorsensor</translation>
    </message>
    <message>
        <source>By Motor Phase</source>
        <translation>Via motorfase</translation>
    </message>
    <message>
        <source>SpdMeter Signal: </source>
        <translation>Snelheidspulsen: </translation>
    </message>
    <message>
        <source>Speed meter signals</source>
        <translation>Snelheidspulsen per wielomwenteling</translation>
    </message>
    <message>
        <source>SpdMeter Signal</source>
        <translation>Snelheidspulsen</translation>
    </message>
    <message>
        <source>Pedal Type: </source>
        <translation>Trapsensor: </translation>
    </message>
    <message>
        <source>Pedal sensor type</source>
        <translation>Type trapsensor</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Disignated Assist: </source>
        <translation>Vast niveau: </translation>
    </message>
    <message>
        <source>Assist level under pedal assist: a fixed level, or the display&apos;s choice</source>
        <translation>Ondersteuningsniveau bij trappen: een vast niveau, of de keuze van het display</translation>
    </message>
    <message>
        <source>Speed Limited: </source>
        <translation>Snelheidslimiet: </translation>
    </message>
    <message>
        <source>Speed limit under pedal assist, or the display&apos;s choice</source>
        <translation>Snelheidslimiet bij trappen, of de keuze van het display</translation>
    </message>
    <message>
        <source>Slow-Start Mode(1-8): </source>
        <translation>Zachte start(1-8): </translation>
    </message>
    <message>
        <source>Slow-start mode</source>
        <translation>Zachte start</translation>
    </message>
    <message>
        <source>Work Mode(Angular Speed of pedal/wheel*10): </source>
        <translation>Werkmodus(hoeksnelheid trapas/wiel*10): </translation>
    </message>
    <message>
        <source>Work mode: the angular speed of pedal to wheel</source>
        <translation>Werkmodus: hoeksnelheid van trapas ten opzichte van wiel</translation>
    </message>
    <message>
        <source>Undeterminated</source>
        <translation>Onbepaald</translation>
    </message>
    <message>
        <source>Start Current(%): </source>
        <translation>Startstroom(%): </translation>
    </message>
    <message>
        <source>Start current under pedal assist</source>
        <translation>Startstroom bij trappen</translation>
    </message>
    <message>
        <source>Start Current</source>
        <translation>Startstroom</translation>
    </message>
    <message>
        <source>Startup Dgree(Signal No.): </source>
        <translation>Startdrempel(signalen): </translation>
    </message>
    <message>
        <source>Startup degree: the pedal sensor signals before the motor starts</source>
        <translation>Startdrempel: signalen van de trapsensor voordat de motor start</translation>
    </message>
    <message>
        <source>signals</source>
        <translation>signalen</translation>
    </message>
    <message>
        <source>Startup Dgree</source>
        <translation>Startdrempel</translation>
    </message>
    <message>
        <source>Time of stop(x10ms): </source>
        <translation>Stoptijd(x10ms): </translation>
    </message>
    <message>
        <source>Time of stop</source>
        <translation>Stoptijd</translation>
    </message>
    <message>
        <source>Current Decay(1-8): </source>
        <translation>Stroomafbouw(1-8): </translation>
    </message>
    <message>
        <source>Current decay</source>
        <translation>Stroomafbouw</translation>
    </message>
    <message>
        <source>Current Decay</source>
        <translation>Stroomafbouw</translation>
    </message>
    <message>
        <source>Stop Decay(x10ms): </source>
        <translation>Stopafbouw(x10ms): </translation>
    </message>
    <message>
        <source>Stop decay</source>
        <translation>Stopafbouw</translation>
    </message>
    <message>
        <source>Stop Decay</source>
        <translation>Stopafbouw</translation>
    </message>
    <message>
        <source>Keep Current(%)</source>
        <translation>Houdstroom(%)</translation>
    </message>
    <message>
        <source>Keep current</source>
        <translation>Houdstroom</translation>
    </message>
    <message>
        <source>Keep Current</source>
        <translation>Houdstroom</translation>
    </message>
    <message>
        <source>Start Voltage(x100mv): </source>
        <translation>Startspanning(x100mV): </translation>
    </message>
    <message>
        <source>Start voltage: the throttle voltage at which the motor starts</source>
        <translation>Startspanning: gashendelspanning waarbij de motor start</translation>
    </message>
    <message>
        <source>Start Voltage</source>
        <translation>Startspanning</translation>
    </message>
    <message>
        <source>End Voltage(x100mV): </source>
        <translation>Eindspanning(x100mV): </translation>
    </message>
    <message>
        <source>End voltage: the throttle voltage of full command</source>
        <translation>Eindspanning: gashendelspanning bij vol gas</translation>
    </message>
    <message>
        <source>End Voltage</source>
        <translation>Eindspanning</translation>
    </message>
    <message>
        <source>Mode: </source>
        <translation>Modus: </translation>
    </message>
    <message>
        <source>What the throttle commands: speed or current</source>
        <translation>Wat de gashendel regelt: snelheid of stroom</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Snelheid</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Stroom</translation>
    </message>
    <message>
        <source>Designated Assist: </source>
        <translation>Vast niveau: </translation>
    </message>
    <message>
        <source>Assist level under the throttle: a fixed level, or the display&apos;s choice</source>
        <translation>Ondersteuningsniveau met gashendel: een vast niveau, of de keuze van het display</translation>
    </message>
    <message>
        <source>Speed limit under the throttle, or the display&apos;s choice</source>
        <translation>Snelheidslimiet met gashendel, of de keuze van het display</translation>
    </message>
    <message>
        <source>Start current under the throttle</source>
        <translation>Startstroom met gashendel</translation>
    </message>
    <message>
        <source>Base Voltage:</source>
        <translation>Basisspanning:</translation>
    </message>
    <message>
        <source>Base voltage of the torque sensor</source>
        <translation>Basisspanning van de koppelsensor</translation>
    </message>
    <message>
        <source>BaseVoltage of </source>
        <translation>Basisspanning</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Error voltage, minimum</source>
        <translation>Foutspanning, minimum</translation>
    </message>
    <message>
        <source>Error Voltage:</source>
        <translation>Foutspanning:</translation>
    </message>
    <message>
        <source>ErrorVoltage of Min</source>
        <translation>Foutspanning min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Error voltage, maximum</source>
        <translation>Foutspanning, maximum</translation>
    </message>
    <message>
        <source>%1 Kg:</source>
        <translation>%1 kg:</translation>
    </message>
    <message>
        <source>Delta voltage of the %1 Kg band</source>
        <translation>Deltaspanning van het bereik %1 kg</translation>
    </message>
    <message>
        <source>Delta Voltage:</source>
        <translation>Deltaspanning:</translation>
    </message>
    <message>
        <source>0 Speed Boost Time:</source>
        <translation>Boosttijd bij 0 km/h:</translation>
    </message>
    <message>
        <source>Boost time at zero speed</source>
        <translation>Boosttijd bij stilstand</translation>
    </message>
    <message>
        <source>Start(Kg):</source>
        <translation>Start(kg):</translation>
    </message>
    <message>
        <source>Start weight</source>
        <translation>Startkracht</translation>
    </message>
    <message>
        <source>Full(Kg):</source>
        <translation>Vol(kg):</translation>
    </message>
    <message>
        <source>Full weight</source>
        <translation>Kracht voor volle ondersteuning</translation>
    </message>
    <message>
        <source>Return(Kg):</source>
        <translation>Terugval(kg):</translation>
    </message>
    <message>
        <source>Return weight</source>
        <translation>Terugvalkracht</translation>
    </message>
    <message>
        <source>MinCur(%):</source>
        <translation>Min. stroom(%):</translation>
    </message>
    <message>
        <source>Minimum current</source>
        <translation>Minimale stroom</translation>
    </message>
    <message>
        <source>MaxCur(%):</source>
        <translation>Max. stroom(%):</translation>
    </message>
    <message>
        <source>Maximum current</source>
        <translation>Maximale stroom</translation>
    </message>
    <message>
        <source>KeepCur(%):</source>
        <translation>Houdstroom(%):</translation>
    </message>
    <message>
        <source>CurDecy:</source>
        <translation>Stroomafbouw:</translation>
    </message>
    <message>
        <source>StarDegree:</source>
        <translation>Startdrempel:</translation>
    </message>
    <message>
        <source>Start degree</source>
        <translation>Startdrempel</translation>
    </message>
    <message>
        <source>%1 at speed point Spd%2</source>
        <translation>%1 op snelheidspunt Spd%2</translation>
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
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>one of the list: %1</source>
        <translation>een uit de lijst: %1</translation>
    </message>
    <message>
        <source>700C, or a size from %1 to %2, chosen from the list or typed</source>
        <translation>700C, of een maat van %1 tot %2, uit de lijst gekozen of getypt</translation>
    </message>
    <message>
        <source>%1 (Write Flash sends up to %2)</source>
        <translation>%1 (Flash schrijven stuurt tot %2)</translation>
    </message>
    <message>
        <source>%1, and not above the controller&apos;s maximum current (Max.Current)</source>
        <translation>%1, en niet boven de maximale stroom van de controller (Max. stroom)</translation>
    </message>
    <message>
        <source>%1, chosen from the list or typed</source>
        <translation>%1, uit de lijst gekozen of getypt</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>Pedal Assist</source>
        <translation>Trapondersteuning</translation>
    </message>
    <message>
        <source>Throttle Handle</source>
        <translation>Gashendel</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Koppel</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Unit: %1</source>
        <translation>Eenheid: %1</translation>
    </message>
    <message>
        <source>Accepted: %1</source>
        <translation>Toegestaan: %1</translation>
    </message>
    <message>
        <source>Parameter file key: %1 in [%2]</source>
        <translation>Sleutel in parameterbestand: %1 in [%2]</translation>
    </message>
    <message>
        <source>The %1 setting error,Please reset</source>
        <translation>Instelfout bij %1. Stel opnieuw in.</translation>
    </message>
    <message>
        <source>The %1 setting error,Please reset.</source>
        <translation>Instelfout bij %1. Stel opnieuw in.</translation>
    </message>
    <message>
        <source>The %1 is out of range,Please input again.</source>
        <translation>%1 valt buiten het bereik. Voer opnieuw in.</translation>
    </message>
    <message>
        <source>This serial port already opened</source>
        <translation>Deze seriële poort is al geopend</translation>
    </message>
    <message>
        <source>Error opening serial port</source>
        <translation>Fout bij openen van seriële poort</translation>
    </message>
    <message>
        <source>File handle is not a comm handle </source>
        <translation>Het apparaat is geen seriële poort</translation>
    </message>
    <message>
        <source>Cannot setup comm buffer</source>
        <translation>Kan de poortbuffer niet instellen</translation>
    </message>
    <message>
        <source>Unable to create event</source>
        <translation>Kan gebeurtenis niet aanmaken</translation>
    </message>
    <message>
        <source>Unable to create read thread</source>
        <translation>Kan leesthread niet aanmaken</translation>
    </message>
    <message>
        <source>Unable to create write thread</source>
        <translation>Kan schrijfthread niet aanmaken</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Kan niet schrijven naar %1</translation>
    </message>
    <message>
        <source>%1 is missing, and %2 with it</source>
        <translation>%1 ontbreekt, en daarmee %2</translation>
    </message>
    <message>
        <source>%1 is missing from %2 on line %3</source>
        <translation>%1 ontbreekt in %2 (regel %3)</translation>
    </message>
    <message>
        <source>%1=%2 on line %3 is not a whole number</source>
        <translation>%1=%2 op regel %3 is geen geheel getal</translation>
    </message>
    <message>
        <source>%1=%2 on line %3 is no item of its list (0 to %4)</source>
        <translation>%1=%2 op regel %3 is geen item van de lijst (0 tot %4)</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 ontbreekt</translation>
    </message>
    <message>
        <source>Unable to read %1. At more than 1 MiB it is not a parameter file</source>
        <translation>Kan %1 niet lezen. Met meer dan 1 MiB is het geen parameterbestand</translation>
    </message>
    <message>
        <source>Unable to read %1</source>
        <translation>Kan %1 niet lezen</translation>
    </message>
    <message>
        <source>%1 is not a parameter file: it is UTF-16 or binary, not 8-bit text</source>
        <translation>%1 is geen parameterbestand: het is UTF-16 of binair, geen 8-bits tekst</translation>
    </message>
    <message>
        <source>%1 is not a parameter file: it has none of the sections %2</source>
        <translation>%1 is geen parameterbestand: het bevat geen van de secties %2</translation>
    </message>
    <message>
        <source>Unable to write to %1: it is a symbolic link to %2, which does not exist</source>
        <translation>Kan niet schrijven naar %1: het is een symbolische koppeling naar %2, dat niet bestaat</translation>
    </message>
    <message>
        <source>Unable to write to %1. At more than 1 MiB it is not a parameter file</source>
        <translation>Kan niet schrijven naar %1. Met meer dan 1 MiB is het geen parameterbestand</translation>
    </message>
    <message>
        <source>Unable to write to %1: it is not a parameter file: it is UTF-16 or binary, not 8-bit text</source>
        <translation>Kan niet schrijven naar %1: het is geen parameterbestand: het is UTF-16 of binair, geen 8-bits tekst</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2, so nothing was changed</source>
        <translation>Kan niet schrijven naar %1: %2, dus er is niets gewijzigd</translation>
    </message>
    <message>
        <source>Unable to write to %1 (what it held is kept in %2)</source>
        <translation>Kan niet schrijven naar %1 (de vorige inhoud staat in %2)</translation>
    </message>
    <message>
        <source>%1: wrong length</source>
        <translation>%1: verkeerde lengte</translation>
    </message>
    <message>
        <source>%1: cut short</source>
        <translation>%1: onvolledig</translation>
    </message>
    <message>
        <source>%1: checksum error</source>
        <translation>%1: checksumfout</translation>
    </message>
    <message>
        <source>connect request</source>
        <translation>verbindingsverzoek</translation>
    </message>
    <message>
        <source>firmware text request</source>
        <translation>verzoek firmwaretekst</translation>
    </message>
    <message>
        <source>live readings request</source>
        <translation>verzoek live-metingen</translation>
    </message>
    <message>
        <source>%1 read request</source>
        <translation>leesverzoek %1</translation>
    </message>
    <message>
        <source>%1 write</source>
        <translation>%1 schrijven</translation>
    </message>
    <message>
        <source>unrecognised frame</source>
        <translation>onbekend frame</translation>
    </message>
    <message>
        <source>unrecognised chunk</source>
        <translation>onbekende gegevens</translation>
    </message>
    <message>
        <source>identity reply</source>
        <translation>antwoord identificatie</translation>
    </message>
    <message>
        <source>firmware text reply</source>
        <translation>antwoord firmwaretekst</translation>
    </message>
    <message>
        <source>live readings reply, not awaited: ignored</source>
        <translation>antwoord live-metingen, niet verwacht: genegeerd</translation>
    </message>
    <message>
        <source>live readings reply</source>
        <translation>antwoord live-metingen</translation>
    </message>
    <message>
        <source>%1 reply</source>
        <translation>antwoord %1</translation>
    </message>
    <message>
        <source>%1 reply, not awaited: ignored</source>
        <translation>antwoord %1, niet verwacht: genegeerd</translation>
    </message>
    <message>
        <source>%1 write accepted</source>
        <translation>%1 schrijven: geaccepteerd</translation>
    </message>
    <message>
        <source>%1 write refused at byte %2 (%3)</source>
        <translation>%1 schrijven: geweigerd bij byte %2 (%3)</translation>
    </message>
    <message>
        <source>%1 write: unknown status %2</source>
        <translation>%1 schrijven: onbekende status %2</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Kan niet schrijven naar %1: %2</translation>
    </message>
    <message>
        <source>name the report FILE.pdf or FILE.html</source>
        <translation>noem het rapport BESTAND.pdf of BESTAND.html</translation>
    </message>
    <message>
        <source>it is a symbolic link to %1, which does not exist</source>
        <translation>het is een symbolische koppeling naar %1, dat niet bestaat</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>%1 holds no parameters: the last save to it was cut short</source>
        <translation>%1 bevat geen parameters: het laatste opslaan ervan is voortijdig afgebroken</translation>
    </message>
    <message>
        <source>%1 holds no parameters: the last save to it was cut short. What it held before that save is kept in %2</source>
        <translation>%1 bevat geen parameters: het laatste opslaan ervan is voortijdig afgebroken. Wat het vóór dat opslaan bevatte, staat in %2</translation>
    </message>
    <message>
        <source>%1 holds no parameters: the last save to it was cut short, and no copy of what it held before is kept</source>
        <translation>%1 bevat geen parameters: het laatste opslaan ervan is voortijdig afgebroken, en van wat het daarvoor bevatte is geen kopie bewaard</translation>
    </message>
    <message>
        <source>%1 on the Basic page shows %2, which a parameter file cannot hold</source>
        <translation>%1 op de pagina Basis toont %2, en dat kan een parameterbestand niet bevatten</translation>
    </message>
    <message>
        <source>%1 on the Pedal Assist page shows %2, which a parameter file cannot hold</source>
        <translation>%1 op de pagina Trapondersteuning toont %2, en dat kan een parameterbestand niet bevatten</translation>
    </message>
    <message>
        <source>%1 on the Throttle Handle page shows %2, which a parameter file cannot hold</source>
        <translation>%1 op de pagina Gashendel toont %2, en dat kan een parameterbestand niet bevatten</translation>
    </message>
    <message>
        <source>%1 on the Torque page shows %2, which a parameter file cannot hold</source>
        <translation>%1 op de pagina Koppel toont %2, en dat kan een parameterbestand niet bevatten</translation>
    </message>
</context>
<context>
    <name>ReadingRecorder</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Kan niet schrijven naar %1</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>(controller: %1)</source>
        <translation>(controller: %1)</translation>
    </message>
    <message>
        <source>Controller settings</source>
        <translation>Controllerinstellingen</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Bike or customer: %1</source>
        <translation>Fiets of klant: %1</translation>
    </message>
    <message>
        <source>Work Mode (pedal/wheel speed ratio)</source>
        <translation>Werkmodus (snelheidsverhouding trapas/wiel)</translation>
    </message>
    <message>
        <source>Read from this controller at %1</source>
        <translation>Om %1 uit deze controller gelezen</translation>
    </message>
    <message>
        <source>Not read from this controller: these values were left on the page by another controller or a file, and may not be this bike&apos;s.</source>
        <translation>Niet uit deze controller gelezen: deze waarden zijn op de pagina achtergelaten door een andere controller of een bestand, en horen mogelijk niet bij deze fiets.</translation>
    </message>
    <message>
        <source>Technician: %1</source>
        <translation>Monteur: %1</translation>
    </message>
    <message>
        <source>Changes in this visit</source>
        <translation>Wijzigingen tijdens dit werkplaatsbezoek</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Instelling</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Voor</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Na</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
    <message>
        <source>T</source>
        <comment>mark: typed in, not written</comment>
        <translation>G</translation>
    </message>
    <message>
        <source>F</source>
        <comment>mark: loaded from a file, not written</comment>
        <translation>B</translation>
    </message>
    <message>
        <source>E</source>
        <comment>mark: left from before connecting</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>%1: typed in, and not written to this controller.</source>
        <translation>%1: getypt en niet naar deze controller geschreven.</translation>
    </message>
    <message>
        <source>%1: loaded from a file, and not written to this controller.</source>
        <translation>%1: uit een bestand geladen en niet naar deze controller geschreven.</translation>
    </message>
    <message>
        <source>%1: left on the page from before connecting: not read from this controller, and may be another bike&apos;s.</source>
        <translation>%1: stond al vóór het verbinden op de pagina: niet uit deze controller gelezen, en hoort mogelijk bij een andere fiets.</translation>
    </message>
    <message>
        <source>Read from this controller at %1, but for the values marked.</source>
        <translation>Om %1 uit deze controller gelezen, behalve de gemarkeerde waarden.</translation>
    </message>
    <message>
        <source>Not read from this controller: each value is marked with where it comes from.</source>
        <translation>Niet uit deze controller gelezen: bij elke waarde staat gemarkeerd waar ze vandaan komt.</translation>
    </message>
    <message>
        <source>Not read from this controller: typed in, and not written to it.</source>
        <translation>Niet uit deze controller gelezen: getypt en niet naar de controller geschreven.</translation>
    </message>
    <message>
        <source>Not read from this controller: loaded from a file, and not written to it.</source>
        <translation>Niet uit deze controller gelezen: uit een bestand geladen en niet naar de controller geschreven.</translation>
    </message>
    <message>
        <source>Where a value is not what the controller holds, the controller&apos;s value follows it.</source>
        <translation>Wijkt een waarde af van die in de controller, dan staat de waarde van de controller erachter.</translation>
    </message>
</context>
<context>
    <name>morvent::AwaitedWording</name>
    <message>
        <source>Waiting for the Basic block</source>
        <translation>Wachten op het blok Basis</translation>
    </message>
    <message>
        <source>Waiting for the Basic block to be stored</source>
        <translation>Wachten tot het blok Basis is opgeslagen</translation>
    </message>
    <message>
        <source>Waiting for the Pedal Assist block</source>
        <translation>Wachten op het blok Trapondersteuning</translation>
    </message>
    <message>
        <source>Waiting for the Pedal Assist block to be stored</source>
        <translation>Wachten tot het blok Trapondersteuning is opgeslagen</translation>
    </message>
    <message>
        <source>Waiting for the Throttle Handle block</source>
        <translation>Wachten op het blok Gashendel</translation>
    </message>
    <message>
        <source>Waiting for the Throttle Handle block to be stored</source>
        <translation>Wachten tot het blok Gashendel is opgeslagen</translation>
    </message>
    <message>
        <source>Waiting for the Torque block</source>
        <translation>Wachten op het blok Koppel</translation>
    </message>
    <message>
        <source>Waiting for the Torque block to be stored</source>
        <translation>Wachten tot het blok Koppel is opgeslagen</translation>
    </message>
    <message>
        <source>Continuous Get: the live readings</source>
        <translation>Continu ophalen: live-metingen</translation>
    </message>
    <message>
        <source>Waiting for the live readings</source>
        <translation>Wachten op de live-metingen</translation>
    </message>
    <message>
        <source>Waiting for the firmware text</source>
        <translation>Wachten op de firmwaretekst</translation>
    </message>
    <message>
        <source>Read Flash: Basic, %1 of %2</source>
        <translation>Flash lezen: Basis, %1 van %2</translation>
    </message>
    <message>
        <source>Read Flash: Pedal Assist, %1 of %2</source>
        <translation>Flash lezen: Trapondersteuning, %1 van %2</translation>
    </message>
    <message>
        <source>Read Flash: Throttle Handle, %1 of %2</source>
        <translation>Flash lezen: Gashendel, %1 van %2</translation>
    </message>
    <message>
        <source>Read Flash: Torque, %1 of %2</source>
        <translation>Flash lezen: Koppel, %1 van %2</translation>
    </message>
    <message>
        <source>Read Flash: Live Readings, %1 of %2</source>
        <translation>Flash lezen: live-metingen, %1 van %2</translation>
    </message>
    <message>
        <source>Write Flash: Basic, %1 of %2</source>
        <translation>Flash schrijven: Basis, %1 van %2</translation>
    </message>
    <message>
        <source>Write Flash: Pedal Assist, %1 of %2</source>
        <translation>Flash schrijven: Trapondersteuning, %1 van %2</translation>
    </message>
    <message>
        <source>Write Flash: Throttle Handle, %1 of %2</source>
        <translation>Flash schrijven: Gashendel, %1 van %2</translation>
    </message>
    <message>
        <source>Write Flash: Torque, %1 of %2</source>
        <translation>Flash schrijven: Koppel, %1 van %2</translation>
    </message>
    <message>
        <source>Write Flash: Live Readings, %1 of %2</source>
        <translation>Flash schrijven: live-metingen, %1 van %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Basic, %1 of %2</source>
        <translation>Vergelijken met controller: Basis, %1 van %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Pedal Assist, %1 of %2</source>
        <translation>Vergelijken met controller: Trapondersteuning, %1 van %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Throttle Handle, %1 of %2</source>
        <translation>Vergelijken met controller: Gashendel, %1 van %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Torque, %1 of %2</source>
        <translation>Vergelijken met controller: Koppel, %1 van %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Live Readings, %1 of %2</source>
        <translation>Vergelijken met controller: live-metingen, %1 van %2</translation>
    </message>
</context>
<context>
    <name>morvent::BlockRequests</name>
    <message>
        <source>Write</source>
        <translation>Schrijven</translation>
    </message>
    <message>
        <source>Write Flash</source>
        <translation>Flash schrijven</translation>
    </message>
    <message>
        <source>Not read from this controller or loaded from a file since connecting: %1, which may show what another controller or file left there.</source>
        <translation>Sinds het verbinden niet uit deze controller gelezen of uit een bestand geladen: %1. Daar staat mogelijk nog wat een andere controller of een bestand er heeft achtergelaten.</translation>
    </message>
    <message>
        <source>The controller&apos;s own values of %1 were not read, so nothing keeps them once they are written over. Write Flash anyway?</source>
        <translation>De huidige waarden van de controller voor %1 zijn niet gelezen, dus na het overschrijven worden ze nergens bewaard. Toch Flash schrijven?</translation>
    </message>
    <message>
        <source>The controller&apos;s own values of %1 were not read, so nothing keeps them once they are written over. Write anyway?</source>
        <translation>De huidige waarden van de controller voor %1 zijn niet gelezen, dus na het overschrijven worden ze nergens bewaard. Toch schrijven?</translation>
    </message>
    <message>
        <source>Not written: %1 on the Basic page</source>
        <translation>Niet geschreven: %1 op de pagina Basis</translation>
    </message>
    <message>
        <source>Not written: %1 on the Pedal Assist page</source>
        <translation>Niet geschreven: %1 op de pagina Trapondersteuning</translation>
    </message>
    <message>
        <source>Not written: %1 on the Throttle Handle page</source>
        <translation>Niet geschreven: %1 op de pagina Gashendel</translation>
    </message>
    <message>
        <source>Not written: %1 on the Torque page</source>
        <translation>Niet geschreven: %1 op de pagina Koppel</translation>
    </message>
</context>
<context>
    <name>morvent::ChangeMarks</name>
    <message numerus="yes">
        <source>%n changes not written</source>
        <translation>
            <numerusform>%n wijziging niet geschreven</numerusform>
            <numerusform>%n wijzigingen niet geschreven</numerusform>
        </translation>
    </message>
    <message>
        <source>Changed: the controller holds %1.
</source>
        <translation>Gewijzigd: de controller heeft %1.
</translation>
    </message>
    <message>
        <source>Changed before the page was read: what the controller holds is not known yet.
</source>
        <translation>Gewijzigd voordat de pagina is gelezen: de waarde in de controller is nog niet bekend.
</translation>
    </message>
    <message>
        <source> (changed)</source>
        <translation> (gewijzigd)</translation>
    </message>
</context>
<context>
    <name>morvent::ComparisonMarks</name>
    <message>
        <source>Not read or loaded since connecting: the fields may not hold the controller&apos;s values. Read the page or load a file before writing it.</source>
        <translation>Niet gelezen of geladen sinds het verbinden: de velden bevatten mogelijk niet de waarden van de controller. Lees de pagina of laad een bestand voordat u schrijft.</translation>
    </message>
    <message>
        <source>nothing selected (-1)</source>
        <translation>niets gekozen (-1)</translation>
    </message>
    <message>
        <source>%1 (item %2)</source>
        <translation>%1 (item %2)</translation>
    </message>
    <message>
        <source>Not loaded from %1, so 0: %2</source>
        <translation>Niet geladen uit %1, dus 0: %2</translation>
    </message>
    <message>
        <source>In %1: %2</source>
        <translation>In %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n fields were not in %1: set to 0</source>
        <translation>
            <numerusform>%n veld ontbrak in %1: op 0 gezet</numerusform>
            <numerusform>%n velden ontbraken in %1: op 0 gezet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fields differ from %1</source>
        <translation>
            <numerusform>%n veld wijkt af van %1</numerusform>
            <numerusform>%n velden wijken af van %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No field differs from %1</source>
        <translation>Geen veld wijkt af van %1</translation>
    </message>
</context>
<context>
    <name>morvent::ConnectionProbing</name>
    <message>
        <source>No adapter found</source>
        <translation>Geen adapter gevonden</translation>
    </message>
    <message>
        <source>No adapter found. To try the window without a bike, start it with --simulate (the menu entry &quot;Try with the simulated controller&quot;): the simulated controller is then first in this list.</source>
        <translation>Geen adapter gevonden. Om het venster zonder fiets uit te proberen, start u het met --simulate (menu-item ‘Uitproberen met de gesimuleerde controller’): de gesimuleerde controller staat dan bovenaan deze lijst.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Niet verbonden</translation>
    </message>
    <message>
        <source>Probing at %1 baud</source>
        <translation>Zoeken op %1 baud</translation>
    </message>
    <message>
        <source>Connected: %1 %2</source>
        <translation>Verbonden: %1 %2</translation>
    </message>
    <message>
        <source>F1 opens Getting Started: seven steps from connecting to the report.</source>
        <translation>F1 opent ‘Aan de slag’: zeven stappen van verbinden tot rapport.</translation>
    </message>
    <message>
        <source>Probing at %1 baud: no controller answered at any rate. Check its power and key switch, the TX/RX wiring and the port</source>
        <translation>Zoeken op %1 baud: bij geen enkele baudrate antwoordde een controller. Controleer de voeding en het contactslot, de TX/RX-bedrading en de poort</translation>
    </message>
</context>
<context>
    <name>morvent::ContinuousGet</name>
    <message>
        <source>Continuous Get running: press Continuous Get again to stop</source>
        <translation>Continu ophalen loopt: druk nogmaals op ‘Continu ophalen’ om te stoppen</translation>
    </message>
</context>
<context>
    <name>morvent::FileChoiceWindow</name>
    <message>
        <source>Directory Name: </source>
        <translation>Mapnaam: </translation>
    </message>
    <message>
        <source>Directories: </source>
        <translation>Mappen: </translation>
    </message>
    <message>
        <source>Files: </source>
        <translation>Bestanden: </translation>
    </message>
    <message>
        <source>Drives: </source>
        <translation>Stations: </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>File name, e.g. bike.el</source>
        <translation>Bestandsnaam, bijv. fiets.el</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Mappen</translation>
    </message>
    <message>
        <source>Files of type</source>
        <translation>Bestandstype</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Bestanden</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Stations</translation>
    </message>
</context>
<context>
    <name>morvent::GettingStarted</name>
    <message>
        <source>Getting Started</source>
        <translation>Aan de slag</translation>
    </message>
    <message>
        <source>&lt;b&gt;Connect.&lt;/b&gt; Plug the USB-serial adapter into the computer and into the controller&apos;s programming lead, and switch the controller on. Choose the adapter in the %1 list and press %2. Once the controller answers, %3 shows its model and firmware.</source>
        <translation>&lt;b&gt;Verbinden.&lt;/b&gt; Steek de USB-seriële adapter in de computer en in de programmeerkabel van de controller, en zet de controller aan. Kies de adapter in de lijst %1 en druk op %2. Zodra de controller antwoordt, staan het model en de firmware onder %3.</translation>
    </message>
    <message>
        <source>Without an adapter or a bike, start morvent from its menu entry &quot;Try with the simulated controller&quot; (or as &lt;tt&gt;morvent --simulate&lt;/tt&gt;): the simulated controller is then first in the %1 list and answers as a real one does.</source>
        <translation>Zonder adapter of fiets start u morvent via het menu-item ‘Uitproberen met de gesimuleerde controller’ (of als &lt;tt&gt;morvent --simulate&lt;/tt&gt;): de gesimuleerde controller staat dan bovenaan de lijst %1 en antwoordt zoals een echte.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Read.&lt;/b&gt; Press %1 to read all four pages from the controller, or a page&apos;s own %2 for that page alone. Each %1 keeps a backup of what the controller held.</source>
        <translation>&lt;b&gt;Lezen.&lt;/b&gt; Druk op %1 om alle vier pagina&apos;s uit de controller te lezen, of op %2 van een pagina om alleen die pagina te lezen. Bij elke %1 wordt een back-up bewaard van wat de controller bevatte.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Change.&lt;/b&gt; Type the new values into the fields. A changed field is marked until it is written; %1 puts its page back as it was read. Rest the mouse on a field to see what it sets and which values it takes.</source>
        <translation>&lt;b&gt;Wijzigen.&lt;/b&gt; Typ de nieuwe waarden in de velden. Een gewijzigd veld blijft gemarkeerd tot het geschreven is; %1 zet de pagina terug zoals ze gelezen is. Houd de muis boven een veld om te zien wat het instelt en welke waarden het aanneemt.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Review.&lt;/b&gt; %1 in the %2 menu (%3) lists every changed field with the controller&apos;s value beside the page&apos;s, before anything is written.</source>
        <translation>&lt;b&gt;Bekijken.&lt;/b&gt; %1 in het menu %2 (%3) toont elk gewijzigd veld met de waarde van de controller naast die van de pagina, voordat er iets geschreven wordt.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Write.&lt;/b&gt; Press %1 to write all four pages, or a page&apos;s own %2. Should the controller refuse a value, a message says which, and its field is shown.</source>
        <translation>&lt;b&gt;Schrijven.&lt;/b&gt; Druk op %1 om alle vier pagina&apos;s te schrijven, of op %2 van een pagina. Weigert de controller een waarde, dan meldt een bericht welke, en wordt het veld getoond.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save.&lt;/b&gt; %1 → %2 (%3) keeps the four pages&apos; values in a parameter file (.el); %1 → %4 puts them back into the pages, to write to this controller or another.</source>
        <translation>&lt;b&gt;Opslaan.&lt;/b&gt; %1 → %2 (%3) bewaart de waarden van de vier pagina&apos;s in een parameterbestand (.el); %1 → %4 zet ze terug in de pagina&apos;s, om ze naar deze of een andere controller te schrijven.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Report.&lt;/b&gt; %1 → %2 writes what the pages hold to a PDF or HTML file for the customer or the workshop&apos;s records; %1 → %3 prints it.</source>
        <translation>&lt;b&gt;Rapport.&lt;/b&gt; %1 → %2 schrijft wat de pagina&apos;s bevatten naar een PDF- of HTML-bestand voor de klant of het archief van de werkplaats; %1 → %3 drukt het af.</translation>
    </message>
    <message>
        <source>Seven steps from a controller on the bench to a report of what it holds.</source>
        <translation>Zeven stappen van een controller op de werkbank tot een rapport van wat hij bevat.</translation>
    </message>
</context>
<context>
    <name>morvent::KeepingActions</name>
    <message>
        <source>What %1 held is kept in %2</source>
        <translation>Wat %1 bevatte, staat in %2</translation>
    </message>
    <message>
        <source>Saved: %1</source>
        <translation>Opgeslagen: %1</translation>
    </message>
    <message>
        <source>Compare With File</source>
        <translation>Vergelijken met bestand</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Load Backup</source>
        <translation>Back-up laden</translation>
    </message>
    <message>
        <source>Backup kept: %1</source>
        <translation>Back-up bewaard: %1</translation>
    </message>
    <message>
        <source>No backup kept</source>
        <translation>Geen back-up bewaard</translation>
    </message>
    <message>
        <source>Saved: %1. Its name has no &quot;.el&quot;, so Load lists it under &quot;All files&quot; only.</source>
        <translation>Opgeslagen: %1. De naam eindigt niet op &quot;.el&quot;, dus Laden toont het bestand alleen onder &quot;Alle bestanden&quot;.</translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: a load puts the backup&apos;s values over what was typed. Load anyway?</source>
        <translation>
            <numerusform>%n wijziging niet naar de controller geschreven: laden overschrijft wat getypt is met de waarden van de back-up. Toch laden?</numerusform>
            <numerusform>%n wijzigingen niet naar de controller geschreven: laden overschrijft wat getypt is met de waarden van de back-up. Toch laden?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>morvent::LiveReadingsMonitor</name>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Paused: the plot stands still while readings go on being kept for the last minute and recorded.</source>
        <translation>Gepauzeerd: de grafiek staat stil, terwijl de metingen van de laatste minuut bewaard en opgenomen blijven.</translation>
    </message>
    <message>
        <source>Readings appear here as &quot;Get&quot; or &quot;Continuous Get&quot; on the Torque page brings them in.</source>
        <translation>Metingen verschijnen hier zodra &quot;Ophalen&quot; of &quot;Continu ophalen&quot; op de pagina Koppel ze binnenhaalt.</translation>
    </message>
    <message>
        <source>Record to CSV</source>
        <translation>Opnemen naar CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Opname stoppen</translation>
    </message>
    <message>
        <source>Record to CSV...</source>
        <translation>Opnemen naar CSV...</translation>
    </message>
    <message numerus="yes">
        <source>%n readings</source>
        <translation>
            <numerusform>%n meting</numerusform>
            <numerusform>%n metingen</numerusform>
        </translation>
    </message>
    <message>
        <source>Recording to %1: %2</source>
        <translation>Opname naar %1: %2</translation>
    </message>
    <message>
        <source>Recording stopped: %1 (%2 kept)</source>
        <translation>Opname gestopt: %1 (%2 bewaard)</translation>
    </message>
    <message>
        <source>Recorded %1 to %2</source>
        <translation>%1 opgenomen naar %2</translation>
    </message>
</context>
<context>
    <name>morvent::LiveReadingsWindow</name>
    <message>
        <source>Live Torque Readings</source>
        <translation>Koppel live</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Record to CSV...</source>
        <translation>Opnemen naar CSV...</translation>
    </message>
    <message>
        <source>seconds before the latest reading</source>
        <translation>seconden vóór de laatste meting</translation>
    </message>
</context>
<context>
    <name>morvent::PageUndo</name>
    <message>
        <source>Nothing to undo: the page has not been read or loaded</source>
        <translation>Niets te herstellen: de pagina is niet gelezen of geladen</translation>
    </message>
    <message>
        <source>Put back this page&apos;s values as read or loaded at %1</source>
        <translation>Waarden van deze pagina terugzetten zoals gelezen of geladen om %1</translation>
    </message>
</context>
<context>
    <name>morvent::ParameterFileDialog</name>
    <message>
        <source>Open the Disk Error!</source>
        <translation>Fout bij openen van de schijf!</translation>
    </message>
</context>
<context>
    <name>morvent::ReplyDispatcher</name>
    <message>
        <source>Probing stopped: identity checksum error</source>
        <translation>Zoeken gestopt: checksumfout in identificatie</translation>
    </message>
    <message>
        <source>No field differs from the controller</source>
        <translation>Geen veld wijkt af van de controller</translation>
    </message>
    <message numerus="yes">
        <source>Compare With Controller: %n changes not written</source>
        <translation>
            <numerusform>Vergelijken met controller: %n wijziging niet geschreven</numerusform>
            <numerusform>Vergelijken met controller: %n wijzigingen niet geschreven</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>morvent::ReportActions</name>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Bike or customer (printed on the report):</source>
        <translation>Fiets of klant (komt op het rapport):</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>Rapport exporteren</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;HTML (*.html)</source>
        <translation>PDF (*.pdf);;HTML (*.html)</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>Rapport opgeslagen: %1</translation>
    </message>
    <message>
        <source>Controller settings</source>
        <translation>Controllerinstellingen</translation>
    </message>
    <message>
        <source>Report Settings</source>
        <translation>Rapportinstellingen</translation>
    </message>
    <message>
        <source>Shop name:</source>
        <translation>Naam werkplaats:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Telefoon:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Logo (a picture file):</source>
        <translation>Logo (een afbeeldingsbestand):</translation>
    </message>
    <message>
        <source>Technician:</source>
        <translation>Monteur:</translation>
    </message>
</context>
<context>
    <name>morvent::ReviewChanges</name>
    <message>
        <source>Review Changes</source>
        <translation>Wijzigingen bekijken</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Veld</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Eenheid</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Page value</source>
        <translation>Waarde pagina</translation>
    </message>
    <message>
        <source>Put Back</source>
        <translation>Terugzetten</translation>
    </message>
    <message>
        <source>Give the selected fields the controller&apos;s values</source>
        <translation>De geselecteerde velden de waarden van de controller geven</translation>
    </message>
    <message>
        <source>Write Flash</source>
        <translation>Flash schrijven</translation>
    </message>
    <message>
        <source>Changes not written</source>
        <translation>Niet-geschreven wijzigingen</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>closes this window</comment>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>morvent::StatusReporter</name>
    <message>
        <source>Disconnected</source>
        <translation>Niet verbonden</translation>
    </message>
    <message>
        <source>%1, %2 s</source>
        <extracomment>%1 is what is awaited, a whole text of its own (&quot;Read Flash: Pedal Assist, 2 of 5&quot;); %2 the seconds waited so far.</extracomment>
        <translation>%1, %2 s</translation>
    </message>
    <message>
        <source>No reply from the controller (%1, %2 s)</source>
        <extracomment>%1 is what is awaited, a whole text of its own (&quot;Read Flash: Pedal Assist, 2 of 5&quot;); %2 the seconds waited so far.</extracomment>
        <translation>Geen antwoord van de controller (%1, %2 s)</translation>
    </message>
</context>
<context>
    <name>morvent::TForm1</name>
    <message>
        <source>Connection lost: press Connect to start again</source>
        <translation>Verbinding weggevallen: druk op Verbinden om opnieuw te beginnen</translation>
    </message>
    <message>
        <source>Parameter files (*.el);;All files (*)</source>
        <translation>Parameterbestanden (*.el);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>%1 bytes ignored: the port was closed</source>
        <translation>%1 bytes genegeerd: de poort was gesloten</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
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
        <translation>het apparaat is weggevallen (verbinding verbroken)</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>ends the connection to the controller</comment>
        <translation>Verbreken</translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: closing the window loses what was typed. Quit anyway?</source>
        <translation>
            <numerusform>%n wijziging niet naar de controller geschreven: bij het sluiten van het venster gaat verloren wat getypt is. Toch afsluiten?</numerusform>
            <numerusform>%n wijzigingen niet naar de controller geschreven: bij het sluiten van het venster gaat verloren wat getypt is. Toch afsluiten?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: a load puts the file&apos;s values over what was typed. Load anyway?</source>
        <translation>
            <numerusform>%n wijziging niet naar de controller geschreven: laden overschrijft wat getypt is met de waarden uit het bestand. Toch laden?</numerusform>
            <numerusform>%n wijzigingen niet naar de controller geschreven: laden overschrijft wat getypt is met de waarden uit het bestand. Toch laden?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: connecting forgets what the controller holds, and the pages show no changes until read again. Connect anyway?</source>
        <translation>
            <numerusform>%n wijziging niet naar de controller geschreven: bij het verbinden wordt vergeten wat de controller bevat, en de pagina&apos;s tonen geen wijzigingen tot ze opnieuw gelezen zijn. Toch verbinden?</numerusform>
            <numerusform>%n wijzigingen niet naar de controller geschreven: bij het verbinden wordt vergeten wat de controller bevat, en de pagina&apos;s tonen geen wijzigingen tot ze opnieuw gelezen zijn. Toch verbinden?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: after Close, what was typed can no longer be written. Close anyway?</source>
        <translation>
            <numerusform>%n wijziging niet naar de controller geschreven: na het verbreken kan wat getypt is niet meer geschreven worden. Toch verbreken?</numerusform>
            <numerusform>%n wijzigingen niet naar de controller geschreven: na het verbreken kan wat getypt is niet meer geschreven worden. Toch verbreken?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>morvent::TForm3</name>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation>&amp;Aan de slag</translation>
    </message>
</context>
<context>
    <name>morvent::TForm4</name>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
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
        <translation>Communicatielog</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Save as Text...</source>
        <translation>Opslaan als tekst...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Save the Traffic Log</source>
        <translation>Communicatielog opslaan</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Tekstbestanden (*.txt);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Kan niet schrijven naar %1: %2</translation>
    </message>
    <message>
        <source>received</source>
        <translation>ontvangen</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>verzonden</translation>
    </message>
</context>
<context>
    <name>morvent::ViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>&amp;Traffic Log</source>
        <translation>&amp;Communicatielog</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Geldt vanaf de volgende start</translation>
    </message>
    <message>
        <source>%1 from the next start</source>
        <translation>%1 vanaf de volgende start</translation>
    </message>
</context>
<context>
    <name>morvent::WindowLine</name>
    <message>
        <source>%1: not sent, the port is closed</source>
        <extracomment>%1 is the request as the traffic log names it, a text of its own (&quot;Torque write&quot;).</extracomment>
        <translation>%1: niet verzonden, de poort is gesloten</translation>
    </message>
    <message>
        <source>Error sending!</source>
        <translation>Fout bij verzenden!</translation>
    </message>
</context>
</TS>
