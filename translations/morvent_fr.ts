<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BackupKeeper</name>
    <message>
        <source>Unable to create the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>Unable to find a free name in %1</source>
        <translation>Aucun nom libre dans %1</translation>
    </message>
</context>
<context>
    <name>ConnectionHelp</name>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1 (processus %2)</translation>
    </message>
    <message>
        <source>Permission denied: your user may not open %1. It belongs to the group &quot;%2&quot;; add yourself to that group with
    sudo usermod -aG %2 $USER
then log out and log in again: a new group counts only from a new login.</source>
        <translation>Permission refusée&#xa0;: votre utilisateur ne peut pas ouvrir %1. Il appartient au groupe «&#xa0;%2&#xa0;» ; ajoutez-vous à ce groupe avec
    sudo usermod -aG %2 $USER
puis déconnectez-vous et reconnectez-vous&#xa0;: un nouveau groupe ne compte qu&apos;à partir d&apos;une nouvelle session.</translation>
    </message>
    <message>
        <source>Create the group first with
    sudo groupadd %1
</source>
        <translation>Créez d&apos;abord le groupe avec
    sudo groupadd %1
</translation>
    </message>
    <message>
        <source>Permission denied: your user may not open %1, and no group other than root may read and write it. %2Give the group &quot;%3&quot; access with a udev rule: the line
    KERNEL==&quot;%4&quot;, GROUP=&quot;%3&quot;, MODE=&quot;0660&quot;
in a file /etc/udev/rules.d/99-serial-adapter.rules, then plug the adapter in again. Add yourself to the group with
    sudo usermod -aG %3 $USER
then log out and log in again: a new group counts only from a new login.</source>
        <translation>Permission refusée&#xa0;: votre utilisateur ne peut pas ouvrir %1, et aucun groupe autre que root ne peut le lire et l&apos;écrire. %2Donnez l&apos;accès au groupe «&#xa0;%3&#xa0;» par une règle udev&#xa0;: la ligne
    KERNEL==&quot;%4&quot;, GROUP=&quot;%3&quot;, MODE=&quot;0660&quot;
dans un fichier /etc/udev/rules.d/99-serial-adapter.rules, puis rebranchez l&apos;adaptateur. Ajoutez-vous au groupe avec
    sudo usermod -aG %3 $USER
puis déconnectez-vous et reconnectez-vous&#xa0;: un nouveau groupe ne compte qu&apos;à partir d&apos;une nouvelle session.</translation>
    </message>
    <message>
        <source>%1 is the terminal this program runs in, not a controller&apos;s port. Name the adapter&apos;s port instead.</source>
        <translation>%1 est le terminal où tourne ce programme, pas le port d&apos;un contrôleur. Indiquez plutôt le port de l&apos;adaptateur.</translation>
    </message>
    <message>
        <source>The port is in use: another program is using it. Close that program, then connect again.</source>
        <translation>Le port est occupé&#xa0;: un autre programme l&apos;utilise. Fermez ce programme, puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>The port is in use by %1. Close %2, then connect again.</source>
        <translation>Le port est utilisé par %1. Fermez %2, puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>that program</source>
        <translation>ce programme</translation>
    </message>
    <message>
        <source>those programs</source>
        <translation>ces programmes</translation>
    </message>
    <message>
        <source>
ModemManager probes new serial adapters as if they were modems. Stop it with
    sudo systemctl stop ModemManager
or wait until it lets go of the adapter.</source>
        <translation>
ModemManager sonde les nouveaux adaptateurs série comme s&apos;il s&apos;agissait de modems. Arrêtez-le avec
    sudo systemctl stop ModemManager
ou attendez qu&apos;il libère l&apos;adaptateur.</translation>
    </message>
    <message>
        <source>No such device: %1. The adapter is unplugged or the port name is wrong; plug it in and pick it again from the Port list.</source>
        <translation>Périphérique introuvable&#xa0;: %1. L&apos;adaptateur est débranché ou le nom du port est faux ; branchez-le et choisissez-le à nouveau dans la liste Port.</translation>
    </message>
    <message>
        <source>The device %1 does not answer: the adapter was pulled or has failed. Plug it in again and pick it from the Port list.</source>
        <translation>Le périphérique %1 ne répond pas&#xa0;: l&apos;adaptateur a été débranché ou est en panne. Rebranchez-le et choisissez-le dans la liste Port.</translation>
    </message>
    <message>
        <source>%1 does not take the line settings: its driver cannot set the rate or the character format asked for. Try another adapter.</source>
        <translation>%1 n&apos;accepte pas les réglages de ligne&#xa0;: son pilote ne peut pas régler le débit ou le format de caractère demandés. Essayez un autre adaptateur.</translation>
    </message>
    <message>
        <source>%1 is not a serial port. Pick the adapter from the Port list.</source>
        <translation>%1 n&apos;est pas un port série. Choisissez l&apos;adaptateur dans la liste Port.</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program, then connect again.</source>
        <translation>Un autre programme utilise %1. Fermez ce programme, puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>There is no %1 on this computer. The adapter is unplugged or the port name is wrong; plug it in and pick it again from the Port list.</source>
        <translation>%1 n&apos;existe pas sur cet ordinateur. L&apos;adaptateur est débranché ou le nom du port est faux ; branchez-le et choisissez-le à nouveau dans la liste Port.</translation>
    </message>
</context>
<context>
    <name>Form1Ui</name>
    <message>
        <source>Undo Changes</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Pedal Assist</source>
        <translation>Assistance pédalage</translation>
    </message>
    <message>
        <source>Throttle Handle</source>
        <translation>Accélérateur</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Couple</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port&#xa0;:</translation>
    </message>
    <message>
        <source>Bandrate:</source>
        <translation>Débit&#xa0;:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Controller Info</source>
        <translation>Infos contrôleur</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>Fabricant&#xa0;:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modèle&#xa0;:</translation>
    </message>
    <message>
        <source>Harware Ver:</source>
        <translation>Version HW&#xa0;:</translation>
    </message>
    <message>
        <source>Firmware Ver:</source>
        <translation>Version FW&#xa0;:</translation>
    </message>
    <message>
        <source>Nominal Voltage:</source>
        <translation>Tension nominale&#xa0;:</translation>
    </message>
    <message>
        <source>Max.Current:</source>
        <translation>Courant max.&#xa0;:</translation>
    </message>
    <message>
        <source>Read Flash</source>
        <translation>Lire flash</translation>
    </message>
    <message>
        <source>Write Flash</source>
        <translation>Écrire flash</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Écrire</translation>
    </message>
    <message>
        <source>Continuous Get</source>
        <translation>Mesure continue</translation>
    </message>
    <message>
        <source>×10mS</source>
        <translation>×10ms</translation>
    </message>
    <message>
        <source>About Tq</source>
        <translation>Mesures couple</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1 :</translation>
    </message>
    <message>
        <source>Plot...</source>
        <translation>Courbe...</translation>
    </message>
    <message>
        <source>Plot the readings of the last minute</source>
        <translation>Courbe des mesures de la dernière minute</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Mesurer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Charger</translation>
    </message>
    <message>
        <source>Load &amp;Backup...</source>
        <translation>Charger une &amp;sauvegarde...</translation>
    </message>
    <message>
        <source>Compare With &amp;File...</source>
        <translation>Comparer avec un &amp;fichier...</translation>
    </message>
    <message>
        <source>Compare With &amp;Controller</source>
        <translation>Comparer avec le c&amp;ontrôleur</translation>
    </message>
    <message>
        <source>Clear Compa&amp;rison</source>
        <translation>Effacer la compa&amp;raison</translation>
    </message>
    <message>
        <source>&amp;Open Backups Folder</source>
        <translation>Ouvrir le dossier des sauve&amp;gardes</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Review Changes...</source>
        <translation>&amp;Vérifier les modifications...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>A live reading of the torque sensor, as the controller measured it when last asked (Get, Continuous Get, Read Flash).
Read only; not kept in parameter files.</source>
        <translation>Mesure en direct du capteur de couple, telle que le contrôleur l&apos;a relevée à la dernière demande (Mesurer, Mesure continue, Lire flash).
Lecture seule ; non enregistrée dans les fichiers de paramètres.</translation>
    </message>
    <message>
        <source>The serial port the controller is on; a device path may be typed.</source>
        <translation>Port série du contrôleur ; un chemin de périphérique peut être saisi.</translation>
    </message>
    <message>
        <source>The line speed. Connect finds the controller&apos;s own by trying each in turn from the first; once it answers, the line runs at 9600.</source>
        <translation>Le débit de la ligne. Connecter trouve celui du contrôleur en essayant chacun à tour de rôle depuis le premier ; dès qu&apos;il répond, la ligne passe à 9600.</translation>
    </message>
    <message>
        <source>Controller System</source>
        <translation>Système contrôleur</translation>
    </message>
    <message>
        <source>&amp;Export Report...</source>
        <translation>E&amp;xporter le rapport...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>ends the connection to the controller</comment>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Report Se&amp;ttings...</source>
        <translation>Réglages du r&amp;apport...</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Système</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>prompt message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>PortList</name>
    <message>
        <source>Simulated controller</source>
        <translation>Contrôleur simulé</translation>
    </message>
    <message>
        <source>The built-in simulated controller (%1), not a real adapter</source>
        <translation>Le contrôleur simulé intégré (%1), pas un véritable adaptateur</translation>
    </message>
</context>
<context>
    <name>Protocol</name>
    <message>
        <source>Read The Basic Info CheckSum Error</source>
        <translation>Erreur de somme de contrôle à la lecture&#xa0;: Base</translation>
    </message>
    <message>
        <source>Write The Basic Info CheckSum Error</source>
        <translation>Erreur de somme de contrôle à l&apos;écriture&#xa0;: Base</translation>
    </message>
    <message>
        <source>Basic Set successfully.</source>
        <translation>Base&#xa0;: écrit avec succès.</translation>
    </message>
    <message>
        <source>Read The Pedal Assist Info CheckSum Error</source>
        <translation>Erreur de somme de contrôle à la lecture&#xa0;: Assistance pédalage</translation>
    </message>
    <message>
        <source>Write The Pedal Assist Info CheckSum Error</source>
        <translation>Erreur de somme de contrôle à l&apos;écriture&#xa0;: Assistance pédalage</translation>
    </message>
    <message>
        <source>Pedal Assist Set successfully.</source>
        <translation>Assistance pédalage&#xa0;: écrit avec succès.</translation>
    </message>
    <message>
        <source>Read The Throttle Handle Info CheckSum Error</source>
        <translation>Erreur de somme de contrôle à la lecture&#xa0;: Accélérateur</translation>
    </message>
    <message>
        <source>Write The Throttle Handle Info CheckSum Error</source>
        <translation>Erreur de somme de contrôle à l&apos;écriture&#xa0;: Accélérateur</translation>
    </message>
    <message>
        <source>Throttle Handle Set successfully.</source>
        <translation>Accélérateur&#xa0;: écrit avec succès.</translation>
    </message>
    <message>
        <source>Read The Torque Info CheckSum Error</source>
        <translation>Erreur de somme de contrôle à la lecture&#xa0;: Couple</translation>
    </message>
    <message>
        <source>Write The Torque Info CheckSum Error</source>
        <translation>Erreur de somme de contrôle à l&apos;écriture&#xa0;: Couple</translation>
    </message>
    <message>
        <source>Torque Set successfully.</source>
        <translation>Couple&#xa0;: écrit avec succès.</translation>
    </message>
    <message>
        <source>Read Flash successfully.</source>
        <translation>Lecture flash réussie.</translation>
    </message>
    <message>
        <source>Write Flash successfully.</source>
        <translation>Écriture flash réussie.</translation>
    </message>
    <message>
        <source>Manufacturer:%1</source>
        <translation>Fabricant&#xa0;:%1</translation>
    </message>
    <message>
        <source>Model:%1</source>
        <translation>Modèle&#xa0;:%1</translation>
    </message>
    <message>
        <source>Harware Ver: V%1.%2</source>
        <translation>Version HW&#xa0;: V%1.%2</translation>
    </message>
    <message>
        <source>Firmware Ver: V%1</source>
        <translation>Version FW&#xa0;: V%1</translation>
    </message>
    <message>
        <source>Max.Current: %1A</source>
        <translation>Courant max.&#xa0;: %1A</translation>
    </message>
    <message>
        <source>Firmware Ver:%1</source>
        <translation>Version FW&#xa0;:%1</translation>
    </message>
    <message>
        <source>Read The Controller Info CheckSum Error</source>
        <translation>Erreur de somme de contrôle à la lecture des infos contrôleur</translation>
    </message>
    <message>
        <source>Read The Software Version Error</source>
        <translation>Erreur de lecture de la version firmware</translation>
    </message>
    <message>
        <source>SpeedSignalACC</source>
        <translation>Cumul impulsions</translation>
    </message>
    <message>
        <source>SpeedSigLevel</source>
        <translation>Niveau signal</translation>
    </message>
    <message>
        <source>LevelHTime</source>
        <translation>Durée haut</translation>
    </message>
    <message>
        <source>LevelLTime</source>
        <translation>Durée bas</translation>
    </message>
    <message>
        <source>TqVoltate</source>
        <translation>Tension couple</translation>
    </message>
    <message>
        <source>Read The Tq Info CheckSum Error</source>
        <translation>Erreur de somme de contrôle à la lecture des mesures de couple</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>Nominal Voltage: 24V</source>
        <translation>Tension nominale&#xa0;: 24V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 36V</source>
        <translation>Tension nominale&#xa0;: 36V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 48V</source>
        <translation>Tension nominale&#xa0;: 48V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 60V</source>
        <translation>Tension nominale&#xa0;: 60V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 24-48V</source>
        <translation>Tension nominale&#xa0;: 24-48V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 24-60V</source>
        <translation>Tension nominale&#xa0;: 24-60V</translation>
    </message>
    <message>
        <source>By Display&apos;s Command</source>
        <translation>Selon l&apos;écran</translation>
    </message>
    <message>
        <source>Low Battery Protect(V):</source>
        <translation>Coupure tension basse(V)&#xa0;:</translation>
    </message>
    <message>
        <source>Low battery protection: the battery voltage at which the controller cuts off; the list offers the voltages of the connected controller&apos;s class</source>
        <translation>Coupure basse tension&#xa0;: la tension de batterie à laquelle le contrôleur coupe ; la liste propose les tensions de la classe du contrôleur connecté</translation>
    </message>
    <message>
        <source>Limited Current(A):</source>
        <translation>Limite courant(A)&#xa0;:</translation>
    </message>
    <message>
        <source>Limited current: the controller&apos;s overall current limit</source>
        <translation>Limite de courant&#xa0;: la limite globale de courant du contrôleur</translation>
    </message>
    <message>
        <source>Limited Current</source>
        <translation>Limite courant</translation>
    </message>
    <message>
        <source>Assit%1:</source>
        <translation>Niveau %1&#xa0;:</translation>
    </message>
    <message>
        <source>Current limit at assist level %1</source>
        <translation>Limite de courant au niveau d&apos;assistance %1</translation>
    </message>
    <message>
        <source>Limit Current(%)</source>
        <translation>Limite courant(%)</translation>
    </message>
    <message>
        <source>Speed limit at assist level %1</source>
        <translation>Limite de vitesse au niveau d&apos;assistance %1</translation>
    </message>
    <message>
        <source>Limit Spd(%)</source>
        <translation>Limite vit.(%)</translation>
    </message>
    <message>
        <source>Wheel Diameler(Inch): </source>
        <translation>Diamètre roue(pouces)&#xa0;: </translation>
    </message>
    <message>
        <source>Wheel diameter</source>
        <translation>Diamètre de roue</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>Speed Meter Model: </source>
        <translation>Source vitesse&#xa0;: </translation>
    </message>
    <message>
        <source>Speed meter model: where the speed signal comes from</source>
        <translation>Source vitesse&#xa0;: d&apos;où vient le signal de vitesse</translation>
    </message>
    <message>
        <source>External,Wheel Meter</source>
        <translation>Externe, capteur roue</translation>
    </message>
    <message>
        <source>Internal,Motor Meter</source>
        <translation>Interne, capteur moteur</translation>
    </message>
    <message>
        <source>By Motor Phase</source>
        <translation>Par phase moteur</translation>
    </message>
    <message>
        <source>SpdMeter Signal: </source>
        <translation>Impulsions vitesse&#xa0;: </translation>
    </message>
    <message>
        <source>Speed meter signals</source>
        <translation>Impulsions de vitesse par tour de roue</translation>
    </message>
    <message>
        <source>SpdMeter Signal</source>
        <translation>Impulsions vitesse</translation>
    </message>
    <message>
        <source>Pedal Type: </source>
        <translation>Capteur pédalier&#xa0;: </translation>
    </message>
    <message>
        <source>Pedal sensor type</source>
        <translation>Type de capteur de pédalage</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Disignated Assist: </source>
        <translation>Niveau imposé&#xa0;: </translation>
    </message>
    <message>
        <source>Assist level under pedal assist: a fixed level, or the display&apos;s choice</source>
        <translation>Niveau d&apos;assistance au pédalage&#xa0;: un niveau fixe, ou le choix de l&apos;écran</translation>
    </message>
    <message>
        <source>Speed Limited: </source>
        <translation>Limite vitesse&#xa0;: </translation>
    </message>
    <message>
        <source>Speed limit under pedal assist, or the display&apos;s choice</source>
        <translation>Limite de vitesse en assistance au pédalage, ou le choix de l&apos;écran</translation>
    </message>
    <message>
        <source>Slow-Start Mode(1-8): </source>
        <translation>Démarrage doux(1-8)&#xa0;: </translation>
    </message>
    <message>
        <source>Slow-start mode</source>
        <translation>Démarrage doux</translation>
    </message>
    <message>
        <source>Work Mode(Angular Speed of pedal/wheel*10): </source>
        <translation>Mode(vitesse angulaire pédalier/roue*10)&#xa0;: </translation>
    </message>
    <message>
        <source>Work mode: the angular speed of pedal to wheel</source>
        <translation>Mode&#xa0;: vitesse angulaire du pédalier par rapport à la roue</translation>
    </message>
    <message>
        <source>Undeterminated</source>
        <translation>Indéterminé</translation>
    </message>
    <message>
        <source>Start Current(%): </source>
        <translation>Courant départ(%)&#xa0;: </translation>
    </message>
    <message>
        <source>Start current under pedal assist</source>
        <translation>Courant de départ en assistance au pédalage</translation>
    </message>
    <message>
        <source>Start Current</source>
        <translation>Courant départ</translation>
    </message>
    <message>
        <source>Startup Dgree(Signal No.): </source>
        <translation>Seuil départ(nb signaux)&#xa0;: </translation>
    </message>
    <message>
        <source>Startup degree: the pedal sensor signals before the motor starts</source>
        <translation>Seuil de départ&#xa0;: signaux du capteur de pédalage avant que le moteur démarre</translation>
    </message>
    <message>
        <source>signals</source>
        <translation>signaux</translation>
    </message>
    <message>
        <source>Startup Dgree</source>
        <translation>Seuil départ</translation>
    </message>
    <message>
        <source>Time of stop(x10ms): </source>
        <translation>Délai d&apos;arrêt(x10ms)&#xa0;: </translation>
    </message>
    <message>
        <source>Time of stop</source>
        <translation>Délai d&apos;arrêt</translation>
    </message>
    <message>
        <source>Current Decay(1-8): </source>
        <translation>Baisse courant(1-8)&#xa0;: </translation>
    </message>
    <message>
        <source>Current decay</source>
        <translation>Baisse du courant</translation>
    </message>
    <message>
        <source>Current Decay</source>
        <translation>Baisse courant</translation>
    </message>
    <message>
        <source>Stop Decay(x10ms): </source>
        <translation>Rampe d&apos;arrêt(x10ms)&#xa0;: </translation>
    </message>
    <message>
        <source>Stop decay</source>
        <translation>Rampe d&apos;arrêt</translation>
    </message>
    <message>
        <source>Stop Decay</source>
        <translation>Rampe d&apos;arrêt</translation>
    </message>
    <message>
        <source>Keep Current(%)</source>
        <translation>Courant maintien(%)</translation>
    </message>
    <message>
        <source>Keep current</source>
        <translation>Courant de maintien</translation>
    </message>
    <message>
        <source>Keep Current</source>
        <translation>Courant maintien</translation>
    </message>
    <message>
        <source>Start Voltage(x100mv): </source>
        <translation>Tension départ(x100mV)&#xa0;: </translation>
    </message>
    <message>
        <source>Start voltage: the throttle voltage at which the motor starts</source>
        <translation>Tension de départ&#xa0;: tension de l&apos;accélérateur à laquelle le moteur démarre</translation>
    </message>
    <message>
        <source>Start Voltage</source>
        <translation>Tension départ</translation>
    </message>
    <message>
        <source>End Voltage(x100mV): </source>
        <translation>Tension fin(x100mV)&#xa0;: </translation>
    </message>
    <message>
        <source>End voltage: the throttle voltage of full command</source>
        <translation>Tension de fin&#xa0;: tension de l&apos;accélérateur à fond</translation>
    </message>
    <message>
        <source>End Voltage</source>
        <translation>Tension fin</translation>
    </message>
    <message>
        <source>Mode: </source>
        <translation>Mode&#xa0;: </translation>
    </message>
    <message>
        <source>What the throttle commands: speed or current</source>
        <translation>Ce que commande l&apos;accélérateur&#xa0;: vitesse ou courant</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Courant</translation>
    </message>
    <message>
        <source>Designated Assist: </source>
        <translation>Niveau imposé&#xa0;: </translation>
    </message>
    <message>
        <source>Assist level under the throttle: a fixed level, or the display&apos;s choice</source>
        <translation>Niveau d&apos;assistance à l&apos;accélérateur&#xa0;: un niveau fixe, ou le choix de l&apos;écran</translation>
    </message>
    <message>
        <source>Speed limit under the throttle, or the display&apos;s choice</source>
        <translation>Limite de vitesse à l&apos;accélérateur, ou le choix de l&apos;écran</translation>
    </message>
    <message>
        <source>Start current under the throttle</source>
        <translation>Courant de départ à l&apos;accélérateur</translation>
    </message>
    <message>
        <source>Base Voltage:</source>
        <translation>Tension de base&#xa0;:</translation>
    </message>
    <message>
        <source>Base voltage of the torque sensor</source>
        <translation>Tension de base du capteur de couple</translation>
    </message>
    <message>
        <source>BaseVoltage of </source>
        <translation>Tension de base</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Error voltage, minimum</source>
        <translation>Tension d&apos;erreur, minimum</translation>
    </message>
    <message>
        <source>Error Voltage:</source>
        <translation>Tension d&apos;erreur&#xa0;:</translation>
    </message>
    <message>
        <source>ErrorVoltage of Min</source>
        <translation>Tension d&apos;erreur min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Error voltage, maximum</source>
        <translation>Tension d&apos;erreur, maximum</translation>
    </message>
    <message>
        <source>%1 Kg:</source>
        <translation>%1 kg&#xa0;:</translation>
    </message>
    <message>
        <source>Delta voltage of the %1 Kg band</source>
        <translation>Tension delta de la plage %1 kg</translation>
    </message>
    <message>
        <source>Delta Voltage:</source>
        <translation>Tension delta&#xa0;:</translation>
    </message>
    <message>
        <source>0 Speed Boost Time:</source>
        <translation>Durée boost à l&apos;arrêt&#xa0;:</translation>
    </message>
    <message>
        <source>Boost time at zero speed</source>
        <translation>Durée du boost à vitesse nulle</translation>
    </message>
    <message>
        <source>Start(Kg):</source>
        <translation>Départ(kg)&#xa0;:</translation>
    </message>
    <message>
        <source>Start weight</source>
        <translation>Force de départ</translation>
    </message>
    <message>
        <source>Full(Kg):</source>
        <translation>Plein(kg)&#xa0;:</translation>
    </message>
    <message>
        <source>Full weight</source>
        <translation>Force d&apos;assistance pleine</translation>
    </message>
    <message>
        <source>Return(Kg):</source>
        <translation>Retour(kg)&#xa0;:</translation>
    </message>
    <message>
        <source>Return weight</source>
        <translation>Force de retour</translation>
    </message>
    <message>
        <source>MinCur(%):</source>
        <translation>Cour. min(%)&#xa0;:</translation>
    </message>
    <message>
        <source>Minimum current</source>
        <translation>Courant minimal</translation>
    </message>
    <message>
        <source>MaxCur(%):</source>
        <translation>Cour. max(%)&#xa0;:</translation>
    </message>
    <message>
        <source>Maximum current</source>
        <translation>Courant maximal</translation>
    </message>
    <message>
        <source>KeepCur(%):</source>
        <translation>Cour. maint.(%)&#xa0;:</translation>
    </message>
    <message>
        <source>CurDecy:</source>
        <translation>Baisse cour.&#xa0;:</translation>
    </message>
    <message>
        <source>StarDegree:</source>
        <translation>Seuil départ&#xa0;:</translation>
    </message>
    <message>
        <source>Start degree</source>
        <translation>Seuil de départ</translation>
    </message>
    <message>
        <source>%1 at speed point Spd%2</source>
        <translation>%1 au point de vitesse Spd%2</translation>
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
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>one of the list: %1</source>
        <translation>un élément de la liste&#xa0;: %1</translation>
    </message>
    <message>
        <source>700C, or a size from %1 to %2, chosen from the list or typed</source>
        <translation>700C, ou une taille de %1 à %2, choisie dans la liste ou saisie</translation>
    </message>
    <message>
        <source>%1 (Write Flash sends up to %2)</source>
        <translation>%1 (Écrire flash envoie jusqu&apos;à %2)</translation>
    </message>
    <message>
        <source>%1, and not above the controller&apos;s maximum current (Max.Current)</source>
        <translation>%1, et pas au-dessus du courant maximal du contrôleur (Courant max.)</translation>
    </message>
    <message>
        <source>%1, chosen from the list or typed</source>
        <translation>%1, choisie dans la liste ou saisie</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Pedal Assist</source>
        <translation>Assistance pédalage</translation>
    </message>
    <message>
        <source>Throttle Handle</source>
        <translation>Accélérateur</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Couple</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Unit: %1</source>
        <translation>Unité&#xa0;: %1</translation>
    </message>
    <message>
        <source>Accepted: %1</source>
        <translation>Valeurs admises&#xa0;: %1</translation>
    </message>
    <message>
        <source>Parameter file key: %1 in [%2]</source>
        <translation>Clé du fichier de paramètres&#xa0;: %1 dans [%2]</translation>
    </message>
    <message>
        <source>The %1 setting error,Please reset</source>
        <translation>Erreur de réglage de %1. Veuillez corriger.</translation>
    </message>
    <message>
        <source>The %1 setting error,Please reset.</source>
        <translation>Erreur de réglage de %1. Veuillez corriger.</translation>
    </message>
    <message>
        <source>The %1 is out of range,Please input again.</source>
        <translation>%1&#xa0;: valeur hors plage. Veuillez la ressaisir.</translation>
    </message>
    <message>
        <source>This serial port already opened</source>
        <translation>Ce port série est déjà ouvert</translation>
    </message>
    <message>
        <source>Error opening serial port</source>
        <translation>Erreur à l&apos;ouverture du port série</translation>
    </message>
    <message>
        <source>File handle is not a comm handle </source>
        <translation>Le périphérique n&apos;est pas un port série</translation>
    </message>
    <message>
        <source>Cannot setup comm buffer</source>
        <translation>Impossible de configurer le tampon du port</translation>
    </message>
    <message>
        <source>Unable to create event</source>
        <translation>Impossible de créer l&apos;événement</translation>
    </message>
    <message>
        <source>Unable to create read thread</source>
        <translation>Impossible de créer le fil de lecture</translation>
    </message>
    <message>
        <source>Unable to create write thread</source>
        <translation>Impossible de créer le fil d&apos;écriture</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>%1 is missing, and %2 with it</source>
        <translation>%1 est absente, et %2 avec elle</translation>
    </message>
    <message>
        <source>%1 is missing from %2 on line %3</source>
        <translation>%1 absente de %2 (ligne %3)</translation>
    </message>
    <message>
        <source>%1=%2 on line %3 is not a whole number</source>
        <translation>%1=%2 à la ligne %3 n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>%1=%2 on line %3 is no item of its list (0 to %4)</source>
        <translation>%1=%2 à la ligne %3 n&apos;est pas un élément de sa liste (0 à %4)</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 est absente</translation>
    </message>
    <message>
        <source>Unable to read %1. At more than 1 MiB it is not a parameter file</source>
        <translation>Impossible de lire %1. Avec plus de 1 Mio, ce n&apos;est pas un fichier de paramètres</translation>
    </message>
    <message>
        <source>Unable to read %1</source>
        <translation>Impossible de lire %1</translation>
    </message>
    <message>
        <source>%1 is not a parameter file: it is UTF-16 or binary, not 8-bit text</source>
        <translation>%1 n&apos;est pas un fichier de paramètres&#xa0;: il est en UTF-16 ou binaire, pas en texte 8 bits</translation>
    </message>
    <message>
        <source>%1 is not a parameter file: it has none of the sections %2</source>
        <translation>%1 n&apos;est pas un fichier de paramètres&#xa0;: il ne contient aucune des sections %2</translation>
    </message>
    <message>
        <source>Unable to write to %1: it is a symbolic link to %2, which does not exist</source>
        <translation>Impossible d&apos;écrire dans %1&#xa0;: c&apos;est un lien symbolique vers %2, qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>Unable to write to %1. At more than 1 MiB it is not a parameter file</source>
        <translation>Impossible d&apos;écrire dans %1. Avec plus de 1 Mio, ce n&apos;est pas un fichier de paramètres</translation>
    </message>
    <message>
        <source>Unable to write to %1: it is not a parameter file: it is UTF-16 or binary, not 8-bit text</source>
        <translation>Impossible d&apos;écrire dans %1&#xa0;: ce n&apos;est pas un fichier de paramètres&#xa0;: il est en UTF-16 ou binaire, pas en texte 8 bits</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2, so nothing was changed</source>
        <translation>Impossible d&apos;écrire dans %1&#xa0;: %2, donc rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>Unable to write to %1 (what it held is kept in %2)</source>
        <translation>Impossible d&apos;écrire dans %1 (son ancien contenu est conservé dans %2)</translation>
    </message>
    <message>
        <source>%1: wrong length</source>
        <translation>%1&#xa0;: longueur incorrecte</translation>
    </message>
    <message>
        <source>%1: cut short</source>
        <translation>%1&#xa0;: message tronqué</translation>
    </message>
    <message>
        <source>%1: checksum error</source>
        <translation>%1&#xa0;: erreur de somme de contrôle</translation>
    </message>
    <message>
        <source>connect request</source>
        <translation>requête de connexion</translation>
    </message>
    <message>
        <source>firmware text request</source>
        <translation>requête du texte du firmware</translation>
    </message>
    <message>
        <source>live readings request</source>
        <translation>requête des mesures en direct</translation>
    </message>
    <message>
        <source>%1 read request</source>
        <translation>requête de lecture %1</translation>
    </message>
    <message>
        <source>%1 write</source>
        <translation>écriture %1</translation>
    </message>
    <message>
        <source>unrecognised frame</source>
        <translation>trame non reconnue</translation>
    </message>
    <message>
        <source>unrecognised chunk</source>
        <translation>données non reconnues</translation>
    </message>
    <message>
        <source>identity reply</source>
        <translation>réponse d&apos;identification</translation>
    </message>
    <message>
        <source>firmware text reply</source>
        <translation>réponse du texte du firmware</translation>
    </message>
    <message>
        <source>live readings reply, not awaited: ignored</source>
        <translation>réponse des mesures en direct, non attendue&#xa0;: ignorée</translation>
    </message>
    <message>
        <source>live readings reply</source>
        <translation>réponse des mesures en direct</translation>
    </message>
    <message>
        <source>%1 reply</source>
        <translation>réponse %1</translation>
    </message>
    <message>
        <source>%1 reply, not awaited: ignored</source>
        <translation>réponse %1, non attendue&#xa0;: ignorée</translation>
    </message>
    <message>
        <source>%1 write accepted</source>
        <translation>écriture %1 acceptée</translation>
    </message>
    <message>
        <source>%1 write refused at byte %2 (%3)</source>
        <translation>écriture %1 refusée à l&apos;octet %2 (%3)</translation>
    </message>
    <message>
        <source>%1 write: unknown status %2</source>
        <translation>écriture %1&#xa0;: état inconnu %2</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Impossible d&apos;écrire dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>name the report FILE.pdf or FILE.html</source>
        <translation>nommez le rapport FICHIER.pdf ou FICHIER.html</translation>
    </message>
    <message>
        <source>it is a symbolic link to %1, which does not exist</source>
        <translation>c&apos;est un lien symbolique vers %1, qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 holds no parameters: the last save to it was cut short</source>
        <translation>%1 ne contient aucun paramètre&#xa0;: son dernier enregistrement a été interrompu</translation>
    </message>
    <message>
        <source>%1 holds no parameters: the last save to it was cut short. What it held before that save is kept in %2</source>
        <translation>%1 ne contient aucun paramètre&#xa0;: son dernier enregistrement a été interrompu. Son contenu d&apos;avant cet enregistrement est conservé dans %2</translation>
    </message>
    <message>
        <source>%1 holds no parameters: the last save to it was cut short, and no copy of what it held before is kept</source>
        <translation>%1 ne contient aucun paramètre&#xa0;: son dernier enregistrement a été interrompu, et aucune copie de son contenu antérieur n&apos;a été conservée</translation>
    </message>
    <message>
        <source>%1 on the Basic page shows %2, which a parameter file cannot hold</source>
        <translation>%1 sur la page Base affiche %2, qu&apos;un fichier de paramètres ne peut pas contenir</translation>
    </message>
    <message>
        <source>%1 on the Pedal Assist page shows %2, which a parameter file cannot hold</source>
        <translation>%1 sur la page Assistance pédalage affiche %2, qu&apos;un fichier de paramètres ne peut pas contenir</translation>
    </message>
    <message>
        <source>%1 on the Throttle Handle page shows %2, which a parameter file cannot hold</source>
        <translation>%1 sur la page Accélérateur affiche %2, qu&apos;un fichier de paramètres ne peut pas contenir</translation>
    </message>
    <message>
        <source>%1 on the Torque page shows %2, which a parameter file cannot hold</source>
        <translation>%1 sur la page Couple affiche %2, qu&apos;un fichier de paramètres ne peut pas contenir</translation>
    </message>
</context>
<context>
    <name>ReadingRecorder</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>(controller: %1)</source>
        <translation>(contrôleur&#xa0;: %1)</translation>
    </message>
    <message>
        <source>Controller settings</source>
        <translation>Réglages du contrôleur</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Date&#xa0;: %1</translation>
    </message>
    <message>
        <source>Bike or customer: %1</source>
        <translation>Vélo ou client&#xa0;: %1</translation>
    </message>
    <message>
        <source>Work Mode (pedal/wheel speed ratio)</source>
        <translation>Mode (rapport de vitesse pédalier/roue)</translation>
    </message>
    <message>
        <source>Read from this controller at %1</source>
        <translation>Lu sur ce contrôleur à %1</translation>
    </message>
    <message>
        <source>Not read from this controller: these values were left on the page by another controller or a file, and may not be this bike&apos;s.</source>
        <translation>Non lu sur ce contrôleur&#xa0;: ces valeurs ont été laissées sur la page par un autre contrôleur ou un fichier, et ne sont peut-être pas celles de ce vélo.</translation>
    </message>
    <message>
        <source>Technician: %1</source>
        <translation>Technicien&#xa0;: %1</translation>
    </message>
    <message>
        <source>Changes in this visit</source>
        <translation>Modifications lors de ce passage à l&apos;atelier</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Réglage</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Après</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>T</source>
        <comment>mark: typed in, not written</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>F</source>
        <comment>mark: loaded from a file, not written</comment>
        <translation>F</translation>
    </message>
    <message>
        <source>E</source>
        <comment>mark: left from before connecting</comment>
        <translation>A</translation>
    </message>
    <message>
        <source>%1: typed in, and not written to this controller.</source>
        <translation>%1&#xa0;: valeur saisie, non écrite sur ce contrôleur.</translation>
    </message>
    <message>
        <source>%1: loaded from a file, and not written to this controller.</source>
        <translation>%1&#xa0;: valeur chargée depuis un fichier, non écrite sur ce contrôleur.</translation>
    </message>
    <message>
        <source>%1: left on the page from before connecting: not read from this controller, and may be another bike&apos;s.</source>
        <translation>%1&#xa0;: valeur laissée sur la page avant la connexion&#xa0;: non lue sur ce contrôleur, elle est peut-être celle d&apos;un autre vélo.</translation>
    </message>
    <message>
        <source>Read from this controller at %1, but for the values marked.</source>
        <translation>Lu sur ce contrôleur à %1, sauf les valeurs marquées.</translation>
    </message>
    <message>
        <source>Not read from this controller: each value is marked with where it comes from.</source>
        <translation>Non lu sur ce contrôleur&#xa0;: chaque valeur porte une marque qui indique sa provenance.</translation>
    </message>
    <message>
        <source>Not read from this controller: typed in, and not written to it.</source>
        <translation>Non lu sur ce contrôleur&#xa0;: valeurs saisies, non écrites sur celui-ci.</translation>
    </message>
    <message>
        <source>Not read from this controller: loaded from a file, and not written to it.</source>
        <translation>Non lu sur ce contrôleur&#xa0;: valeurs chargées depuis un fichier, non écrites sur celui-ci.</translation>
    </message>
    <message>
        <source>Where a value is not what the controller holds, the controller&apos;s value follows it.</source>
        <translation>Quand une valeur diffère de celle du contrôleur, la valeur du contrôleur est indiquée à sa suite.</translation>
    </message>
</context>
<context>
    <name>morvent::AwaitedWording</name>
    <message>
        <source>Waiting for the Basic block</source>
        <translation>En attente du bloc Base</translation>
    </message>
    <message>
        <source>Waiting for the Basic block to be stored</source>
        <translation>En attente de l&apos;enregistrement du bloc Base</translation>
    </message>
    <message>
        <source>Waiting for the Pedal Assist block</source>
        <translation>En attente du bloc Assistance pédalage</translation>
    </message>
    <message>
        <source>Waiting for the Pedal Assist block to be stored</source>
        <translation>En attente de l&apos;enregistrement du bloc Assistance pédalage</translation>
    </message>
    <message>
        <source>Waiting for the Throttle Handle block</source>
        <translation>En attente du bloc Accélérateur</translation>
    </message>
    <message>
        <source>Waiting for the Throttle Handle block to be stored</source>
        <translation>En attente de l&apos;enregistrement du bloc Accélérateur</translation>
    </message>
    <message>
        <source>Waiting for the Torque block</source>
        <translation>En attente du bloc Couple</translation>
    </message>
    <message>
        <source>Waiting for the Torque block to be stored</source>
        <translation>En attente de l&apos;enregistrement du bloc Couple</translation>
    </message>
    <message>
        <source>Continuous Get: the live readings</source>
        <translation>Mesure continue&#xa0;: mesures en direct</translation>
    </message>
    <message>
        <source>Waiting for the live readings</source>
        <translation>En attente des mesures en direct</translation>
    </message>
    <message>
        <source>Waiting for the firmware text</source>
        <translation>En attente du texte du firmware</translation>
    </message>
    <message>
        <source>Read Flash: Basic, %1 of %2</source>
        <translation>Lire flash&#xa0;: Base, %1 sur %2</translation>
    </message>
    <message>
        <source>Read Flash: Pedal Assist, %1 of %2</source>
        <translation>Lire flash&#xa0;: Assistance pédalage, %1 sur %2</translation>
    </message>
    <message>
        <source>Read Flash: Throttle Handle, %1 of %2</source>
        <translation>Lire flash&#xa0;: Accélérateur, %1 sur %2</translation>
    </message>
    <message>
        <source>Read Flash: Torque, %1 of %2</source>
        <translation>Lire flash&#xa0;: Couple, %1 sur %2</translation>
    </message>
    <message>
        <source>Read Flash: Live Readings, %1 of %2</source>
        <translation>Lire flash&#xa0;: Mesures en direct, %1 sur %2</translation>
    </message>
    <message>
        <source>Write Flash: Basic, %1 of %2</source>
        <translation>Écrire flash&#xa0;: Base, %1 sur %2</translation>
    </message>
    <message>
        <source>Write Flash: Pedal Assist, %1 of %2</source>
        <translation>Écrire flash&#xa0;: Assistance pédalage, %1 sur %2</translation>
    </message>
    <message>
        <source>Write Flash: Throttle Handle, %1 of %2</source>
        <translation>Écrire flash&#xa0;: Accélérateur, %1 sur %2</translation>
    </message>
    <message>
        <source>Write Flash: Torque, %1 of %2</source>
        <translation>Écrire flash&#xa0;: Couple, %1 sur %2</translation>
    </message>
    <message>
        <source>Write Flash: Live Readings, %1 of %2</source>
        <translation>Écrire flash&#xa0;: Mesures en direct, %1 sur %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Basic, %1 of %2</source>
        <translation>Comparer avec le contrôleur&#xa0;: Base, %1 sur %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Pedal Assist, %1 of %2</source>
        <translation>Comparer avec le contrôleur&#xa0;: Assistance pédalage, %1 sur %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Throttle Handle, %1 of %2</source>
        <translation>Comparer avec le contrôleur&#xa0;: Accélérateur, %1 sur %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Torque, %1 of %2</source>
        <translation>Comparer avec le contrôleur&#xa0;: Couple, %1 sur %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Live Readings, %1 of %2</source>
        <translation>Comparer avec le contrôleur&#xa0;: Mesures en direct, %1 sur %2</translation>
    </message>
</context>
<context>
    <name>morvent::BlockRequests</name>
    <message>
        <source>Write</source>
        <translation>Écrire</translation>
    </message>
    <message>
        <source>Write Flash</source>
        <translation>Écrire flash</translation>
    </message>
    <message>
        <source>Not read from this controller or loaded from a file since connecting: %1, which may show what another controller or file left there.</source>
        <translation>Depuis la connexion, ni lu sur ce contrôleur ni chargé à partir d&apos;un fichier&#xa0;: %1. Ce qui s&apos;y trouve vient peut-être d&apos;un autre contrôleur ou d&apos;un fichier.</translation>
    </message>
    <message>
        <source>The controller&apos;s own values of %1 were not read, so nothing keeps them once they are written over. Write Flash anyway?</source>
        <translation>Les valeurs d&apos;origine du contrôleur pour %1 n&apos;ont pas été lues&#xa0;: une fois écrasées, rien ne les conserve. Écrire flash quand même&#xa0;?</translation>
    </message>
    <message>
        <source>The controller&apos;s own values of %1 were not read, so nothing keeps them once they are written over. Write anyway?</source>
        <translation>Les valeurs d&apos;origine du contrôleur pour %1 n&apos;ont pas été lues&#xa0;: une fois écrasées, rien ne les conserve. Écrire quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Not written: %1 on the Basic page</source>
        <translation>Non écrit&#xa0;: %1 sur la page Base</translation>
    </message>
    <message>
        <source>Not written: %1 on the Pedal Assist page</source>
        <translation>Non écrit&#xa0;: %1 sur la page Assistance pédalage</translation>
    </message>
    <message>
        <source>Not written: %1 on the Throttle Handle page</source>
        <translation>Non écrit&#xa0;: %1 sur la page Accélérateur</translation>
    </message>
    <message>
        <source>Not written: %1 on the Torque page</source>
        <translation>Non écrit&#xa0;: %1 sur la page Couple</translation>
    </message>
</context>
<context>
    <name>morvent::ChangeMarks</name>
    <message numerus="yes">
        <source>%n changes not written</source>
        <translation>
            <numerusform>%n modification non écrite</numerusform>
            <numerusform>%n modifications non écrites</numerusform>
        </translation>
    </message>
    <message>
        <source>Changed: the controller holds %1.
</source>
        <translation>Modifié&#xa0;: le contrôleur contient %1.
</translation>
    </message>
    <message>
        <source>Changed before the page was read: what the controller holds is not known yet.
</source>
        <translation>Modifié avant la lecture de la page&#xa0;: la valeur du contrôleur n&apos;est pas encore connue.
</translation>
    </message>
    <message>
        <source> (changed)</source>
        <translation> (modifié)</translation>
    </message>
</context>
<context>
    <name>morvent::ComparisonMarks</name>
    <message>
        <source>Not read or loaded since connecting: the fields may not hold the controller&apos;s values. Read the page or load a file before writing it.</source>
        <translation>Ni lue ni chargée depuis la connexion&#xa0;: les champs ne reflètent peut-être pas les valeurs du contrôleur. Lisez la page ou chargez un fichier avant de l&apos;écrire.</translation>
    </message>
    <message>
        <source>nothing selected (-1)</source>
        <translation>aucune sélection (-1)</translation>
    </message>
    <message>
        <source>%1 (item %2)</source>
        <translation>%1 (élément %2)</translation>
    </message>
    <message>
        <source>Not loaded from %1, so 0: %2</source>
        <translation>Non chargé depuis %1, donc 0&#xa0;: %2</translation>
    </message>
    <message>
        <source>In %1: %2</source>
        <translation>Dans %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n fields were not in %1: set to 0</source>
        <translation>
            <numerusform>%n champ absent de %1&#xa0;: mis à 0</numerusform>
            <numerusform>%n champs absents de %1&#xa0;: mis à 0</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fields differ from %1</source>
        <translation>
            <numerusform>%n champ diffère de %1</numerusform>
            <numerusform>%n champs diffèrent de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No field differs from %1</source>
        <translation>Aucun champ ne diffère de %1</translation>
    </message>
</context>
<context>
    <name>morvent::ConnectionProbing</name>
    <message>
        <source>No adapter found</source>
        <translation>Aucun adaptateur trouvé</translation>
    </message>
    <message>
        <source>No adapter found. To try the window without a bike, start it with --simulate (the menu entry &quot;Try with the simulated controller&quot;): the simulated controller is then first in this list.</source>
        <translation>Aucun adaptateur trouvé. Pour essayer la fenêtre sans vélo, lancez-la avec --simulate (entrée de menu «&#xa0;Essayer avec le contrôleur simulé&#xa0;»)&#xa0;: le contrôleur simulé figure alors en tête de cette liste.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Probing at %1 baud</source>
        <translation>Recherche à %1 bauds</translation>
    </message>
    <message>
        <source>Connected: %1 %2</source>
        <translation>Connecté&#xa0;: %1 %2</translation>
    </message>
    <message>
        <source>F1 opens Getting Started: seven steps from connecting to the report.</source>
        <translation>F1 ouvre «&#xa0;Premiers pas&#xa0;»&#xa0;: sept étapes, de la connexion au rapport.</translation>
    </message>
    <message>
        <source>Probing at %1 baud: no controller answered at any rate. Check its power and key switch, the TX/RX wiring and the port</source>
        <translation>Recherche à %1 bauds&#xa0;: aucun contrôleur n&apos;a répondu, à aucun débit. Vérifiez son alimentation et son contacteur à clé, le câblage TX/RX et le port</translation>
    </message>
</context>
<context>
    <name>morvent::ContinuousGet</name>
    <message>
        <source>Continuous Get running: press Continuous Get again to stop</source>
        <translation>Mesure continue en cours&#xa0;: appuyez de nouveau sur Mesure continue pour arrêter</translation>
    </message>
</context>
<context>
    <name>morvent::FileChoiceWindow</name>
    <message>
        <source>Directory Name: </source>
        <translation>Nom du dossier&#xa0;: </translation>
    </message>
    <message>
        <source>Directories: </source>
        <translation>Dossiers&#xa0;: </translation>
    </message>
    <message>
        <source>Files: </source>
        <translation>Fichiers&#xa0;: </translation>
    </message>
    <message>
        <source>Drives: </source>
        <translation>Lecteurs&#xa0;: </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>File name, e.g. bike.el</source>
        <translation>Nom du fichier, p. ex. velo.el</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Files of type</source>
        <translation>Type de fichier</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Lecteurs</translation>
    </message>
</context>
<context>
    <name>morvent::GettingStarted</name>
    <message>
        <source>Getting Started</source>
        <translation>Premiers pas</translation>
    </message>
    <message>
        <source>&lt;b&gt;Connect.&lt;/b&gt; Plug the USB-serial adapter into the computer and into the controller&apos;s programming lead, and switch the controller on. Choose the adapter in the %1 list and press %2. Once the controller answers, %3 shows its model and firmware.</source>
        <translation>&lt;b&gt;Connexion.&lt;/b&gt; Branchez l&apos;adaptateur USB-série sur l&apos;ordinateur et sur le câble de programmation du contrôleur, puis mettez le contrôleur sous tension. Choisissez l&apos;adaptateur dans la liste %1 et appuyez sur %2. Dès que le contrôleur répond, %3 affiche son modèle et son firmware.</translation>
    </message>
    <message>
        <source>Without an adapter or a bike, start morvent from its menu entry &quot;Try with the simulated controller&quot; (or as &lt;tt&gt;morvent --simulate&lt;/tt&gt;): the simulated controller is then first in the %1 list and answers as a real one does.</source>
        <translation>Sans adaptateur ni vélo, lancez morvent par son entrée de menu «&#xa0;Essayer avec le contrôleur simulé&#xa0;» (ou par &lt;tt&gt;morvent --simulate&lt;/tt&gt;)&#xa0;: le contrôleur simulé figure alors en tête de la liste %1 et répond comme un vrai.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Read.&lt;/b&gt; Press %1 to read all four pages from the controller, or a page&apos;s own %2 for that page alone. Each %1 keeps a backup of what the controller held.</source>
        <translation>&lt;b&gt;Lecture.&lt;/b&gt; Appuyez sur %1 pour lire les quatre pages du contrôleur, ou sur le bouton %2 d&apos;une page pour cette page seule. Chaque %1 conserve une sauvegarde du contenu du contrôleur.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Change.&lt;/b&gt; Type the new values into the fields. A changed field is marked until it is written; %1 puts its page back as it was read. Rest the mouse on a field to see what it sets and which values it takes.</source>
        <translation>&lt;b&gt;Modification.&lt;/b&gt; Saisissez les nouvelles valeurs dans les champs. Un champ modifié reste marqué jusqu&apos;à ce qu&apos;il soit écrit ; %1 remet sa page telle qu&apos;elle a été lue. Laissez la souris sur un champ pour voir ce qu&apos;il règle et quelles valeurs il accepte.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Review.&lt;/b&gt; %1 in the %2 menu (%3) lists every changed field with the controller&apos;s value beside the page&apos;s, before anything is written.</source>
        <translation>&lt;b&gt;Vérification.&lt;/b&gt; %1 dans le menu %2 (%3) liste chaque champ modifié avec la valeur du contrôleur à côté de celle de la page, avant toute écriture.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Write.&lt;/b&gt; Press %1 to write all four pages, or a page&apos;s own %2. Should the controller refuse a value, a message says which, and its field is shown.</source>
        <translation>&lt;b&gt;Écriture.&lt;/b&gt; Appuyez sur %1 pour écrire les quatre pages, ou sur le bouton %2 d&apos;une page. Si le contrôleur refuse une valeur, un message indique laquelle et son champ est affiché.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save.&lt;/b&gt; %1 → %2 (%3) keeps the four pages&apos; values in a parameter file (.el); %1 → %4 puts them back into the pages, to write to this controller or another.</source>
        <translation>&lt;b&gt;Enregistrement.&lt;/b&gt; %1 → %2 (%3) conserve les valeurs des quatre pages dans un fichier de paramètres (.el) ; %1 → %4 les remet dans les pages, pour les écrire sur ce contrôleur ou sur un autre.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Report.&lt;/b&gt; %1 → %2 writes what the pages hold to a PDF or HTML file for the customer or the workshop&apos;s records; %1 → %3 prints it.</source>
        <translation>&lt;b&gt;Rapport.&lt;/b&gt; %1 → %2 enregistre le contenu des pages dans un fichier PDF ou HTML, pour le client ou les archives de l&apos;atelier ; %1 → %3 l&apos;imprime.</translation>
    </message>
    <message>
        <source>Seven steps from a controller on the bench to a report of what it holds.</source>
        <translation>Sept étapes, du contrôleur sur l&apos;établi au rapport de ce qu&apos;il contient.</translation>
    </message>
</context>
<context>
    <name>morvent::KeepingActions</name>
    <message>
        <source>What %1 held is kept in %2</source>
        <translation>L&apos;ancien contenu de %1 est conservé dans %2</translation>
    </message>
    <message>
        <source>Saved: %1</source>
        <translation>Enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Compare With File</source>
        <translation>Comparer avec un fichier</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Load Backup</source>
        <translation>Charger une sauvegarde</translation>
    </message>
    <message>
        <source>Backup kept: %1</source>
        <translation>Sauvegarde conservée&#xa0;: %1</translation>
    </message>
    <message>
        <source>No backup kept</source>
        <translation>Aucune sauvegarde conservée</translation>
    </message>
    <message>
        <source>Saved: %1. Its name has no &quot;.el&quot;, so Load lists it under &quot;All files&quot; only.</source>
        <translation>Enregistré&#xa0;: %1. Son nom ne se termine pas par «&#xa0;.el&#xa0;», donc Charger ne l&apos;affiche que sous «&#xa0;Tous les fichiers&#xa0;».</translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: a load puts the backup&apos;s values over what was typed. Load anyway?</source>
        <translation>
            <numerusform>%n modification non écrite sur le contrôleur&#xa0;: le chargement remplace ce qui a été saisi par les valeurs de la sauvegarde. Charger quand même&#xa0;?</numerusform>
            <numerusform>%n modifications non écrites sur le contrôleur&#xa0;: le chargement remplace ce qui a été saisi par les valeurs de la sauvegarde. Charger quand même&#xa0;?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>morvent::LiveReadingsMonitor</name>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Paused: the plot stands still while readings go on being kept for the last minute and recorded.</source>
        <translation>En pause&#xa0;: la courbe est figée, mais les mesures de la dernière minute continuent d&apos;être gardées et enregistrées.</translation>
    </message>
    <message>
        <source>Readings appear here as &quot;Get&quot; or &quot;Continuous Get&quot; on the Torque page brings them in.</source>
        <translation>Les mesures apparaissent ici quand «&#xa0;Mesurer&#xa0;» ou «&#xa0;Mesure continue&#xa0;» de la page Couple les récupère.</translation>
    </message>
    <message>
        <source>Record to CSV</source>
        <translation>Enregistrer en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Record to CSV...</source>
        <translation>Enregistrer en CSV...</translation>
    </message>
    <message numerus="yes">
        <source>%n readings</source>
        <translation>
            <numerusform>%n mesure</numerusform>
            <numerusform>%n mesures</numerusform>
        </translation>
    </message>
    <message>
        <source>Recording to %1: %2</source>
        <translation>Enregistrement dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Recording stopped: %1 (%2 kept)</source>
        <translation>Enregistrement arrêté&#xa0;: %1 (%2 conservées)</translation>
    </message>
    <message>
        <source>Recorded %1 to %2</source>
        <translation>%1 enregistrées dans %2</translation>
    </message>
</context>
<context>
    <name>morvent::LiveReadingsWindow</name>
    <message>
        <source>Live Torque Readings</source>
        <translation>Couple en direct</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Record to CSV...</source>
        <translation>Enregistrer en CSV...</translation>
    </message>
    <message>
        <source>seconds before the latest reading</source>
        <translation>secondes avant la dernière mesure</translation>
    </message>
</context>
<context>
    <name>morvent::PageUndo</name>
    <message>
        <source>Nothing to undo: the page has not been read or loaded</source>
        <translation>Rien à restaurer&#xa0;: la page n&apos;a été ni lue ni chargée</translation>
    </message>
    <message>
        <source>Put back this page&apos;s values as read or loaded at %1</source>
        <translation>Remettre les valeurs de cette page telles que lues ou chargées à %1</translation>
    </message>
</context>
<context>
    <name>morvent::ParameterFileDialog</name>
    <message>
        <source>Open the Disk Error!</source>
        <translation>Erreur d&apos;ouverture du disque&#xa0;!</translation>
    </message>
</context>
<context>
    <name>morvent::ReplyDispatcher</name>
    <message>
        <source>Probing stopped: identity checksum error</source>
        <translation>Recherche arrêtée&#xa0;: erreur de somme de contrôle de l&apos;identification</translation>
    </message>
    <message>
        <source>No field differs from the controller</source>
        <translation>Aucun champ ne diffère du contrôleur</translation>
    </message>
    <message numerus="yes">
        <source>Compare With Controller: %n changes not written</source>
        <translation>
            <numerusform>Comparer avec le contrôleur&#xa0;: %n modification non écrite</numerusform>
            <numerusform>Comparer avec le contrôleur&#xa0;: %n modifications non écrites</numerusform>
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
        <translation>Vélo ou client (imprimé sur le rapport)&#xa0;:</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>Exporter le rapport</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;HTML (*.html)</source>
        <translation>PDF (*.pdf);;HTML (*.html)</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>Rapport enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Controller settings</source>
        <translation>Réglages du contrôleur</translation>
    </message>
    <message>
        <source>Report Settings</source>
        <translation>Réglages du rapport</translation>
    </message>
    <message>
        <source>Shop name:</source>
        <translation>Nom de l&apos;atelier&#xa0;:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse&#xa0;:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Téléphone&#xa0;:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail&#xa0;:</translation>
    </message>
    <message>
        <source>Logo (a picture file):</source>
        <translation>Logo (un fichier image)&#xa0;:</translation>
    </message>
    <message>
        <source>Technician:</source>
        <translation>Technicien&#xa0;:</translation>
    </message>
</context>
<context>
    <name>morvent::ReviewChanges</name>
    <message>
        <source>Review Changes</source>
        <translation>Vérifier les modifications</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Contrôleur</translation>
    </message>
    <message>
        <source>Page value</source>
        <translation>Valeur page</translation>
    </message>
    <message>
        <source>Put Back</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Give the selected fields the controller&apos;s values</source>
        <translation>Remettre les valeurs du contrôleur dans les champs sélectionnés</translation>
    </message>
    <message>
        <source>Write Flash</source>
        <translation>Écrire flash</translation>
    </message>
    <message>
        <source>Changes not written</source>
        <translation>Modifications non écrites</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>closes this window</comment>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>morvent::StatusReporter</name>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>%1, %2 s</source>
        <extracomment>%1 is what is awaited, a whole text of its own (&quot;Read Flash: Pedal Assist, 2 of 5&quot;); %2 the seconds waited so far.</extracomment>
        <translation>%1, %2 s</translation>
    </message>
    <message>
        <source>No reply from the controller (%1, %2 s)</source>
        <extracomment>%1 is what is awaited, a whole text of its own (&quot;Read Flash: Pedal Assist, 2 of 5&quot;); %2 the seconds waited so far.</extracomment>
        <translation>Pas de réponse du contrôleur (%1, %2 s)</translation>
    </message>
</context>
<context>
    <name>morvent::TForm1</name>
    <message>
        <source>Connection lost: press Connect to start again</source>
        <translation>Connexion perdue&#xa0;: appuyez sur Connecter pour recommencer</translation>
    </message>
    <message>
        <source>Parameter files (*.el);;All files (*)</source>
        <translation>Fichiers de paramètres (*.el);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 bytes ignored: the port was closed</source>
        <translation>%1 octets ignorés&#xa0;: le port était fermé</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>the device went away (hang-up)</source>
        <translation>le périphérique a disparu (liaison coupée)</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>ends the connection to the controller</comment>
        <translation>Déconnecter</translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: closing the window loses what was typed. Quit anyway?</source>
        <translation>
            <numerusform>%n modification non écrite sur le contrôleur&#xa0;: en fermant la fenêtre, ce qui a été saisi sera perdu. Quitter quand même&#xa0;?</numerusform>
            <numerusform>%n modifications non écrites sur le contrôleur&#xa0;: en fermant la fenêtre, ce qui a été saisi sera perdu. Quitter quand même&#xa0;?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: a load puts the file&apos;s values over what was typed. Load anyway?</source>
        <translation>
            <numerusform>%n modification non écrite sur le contrôleur&#xa0;: le chargement remplace ce qui a été saisi par les valeurs du fichier. Charger quand même&#xa0;?</numerusform>
            <numerusform>%n modifications non écrites sur le contrôleur&#xa0;: le chargement remplace ce qui a été saisi par les valeurs du fichier. Charger quand même&#xa0;?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: connecting forgets what the controller holds, and the pages show no changes until read again. Connect anyway?</source>
        <translation>
            <numerusform>%n modification non écrite sur le contrôleur&#xa0;: la connexion oublie le contenu du contrôleur, et les pages n&apos;affichent plus de modifications tant qu&apos;elles ne sont pas relues. Connecter quand même&#xa0;?</numerusform>
            <numerusform>%n modifications non écrites sur le contrôleur&#xa0;: la connexion oublie le contenu du contrôleur, et les pages n&apos;affichent plus de modifications tant qu&apos;elles ne sont pas relues. Connecter quand même&#xa0;?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: after Close, what was typed can no longer be written. Close anyway?</source>
        <translation>
            <numerusform>%n modification non écrite sur le contrôleur&#xa0;: une fois déconnecté, ce qui a été saisi ne pourra plus être écrit. Déconnecter quand même&#xa0;?</numerusform>
            <numerusform>%n modifications non écrites sur le contrôleur&#xa0;: une fois déconnecté, ce qui a été saisi ne pourra plus être écrit. Déconnecter quand même&#xa0;?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>morvent::TForm3</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation>&amp;Premiers pas</translation>
    </message>
</context>
<context>
    <name>morvent::TForm4</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>morvent::TForm5</name>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
</context>
<context>
    <name>morvent::TrafficLog</name>
    <message>
        <source>Traffic Log</source>
        <translation>Journal des échanges</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save as Text...</source>
        <translation>Enregistrer en texte...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Save the Traffic Log</source>
        <translation>Enregistrer le journal des échanges</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Impossible d&apos;écrire dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>received</source>
        <translation>reçu</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>envoyé</translation>
    </message>
</context>
<context>
    <name>morvent::ViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Traffic Log</source>
        <translation>&amp;Journal des échanges</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Prend effet au prochain démarrage</translation>
    </message>
    <message>
        <source>%1 from the next start</source>
        <translation>%1 au prochain démarrage</translation>
    </message>
</context>
<context>
    <name>morvent::WindowLine</name>
    <message>
        <source>%1: not sent, the port is closed</source>
        <extracomment>%1 is the request as the traffic log names it, a text of its own (&quot;Torque write&quot;).</extracomment>
        <translation>%1&#xa0;: non envoyé, le port est fermé</translation>
    </message>
    <message>
        <source>Error sending!</source>
        <translation>Erreur d&apos;envoi&#xa0;!</translation>
    </message>
</context>
</TS>
