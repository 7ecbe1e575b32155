<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BackupKeeper</name>
    <message>
        <source>Unable to create the folder %1</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>Unable to find a free name in %1</source>
        <translation>No hay ningún nombre libre en %1</translation>
    </message>
</context>
<context>
    <name>ConnectionHelp</name>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1 (proceso %2)</translation>
    </message>
    <message>
        <source>Permission denied: your user may not open %1. It belongs to the group &quot;%2&quot;; add yourself to that group with
    sudo usermod -aG %2 $USER
then log out and log in again: a new group counts only from a new login.</source>
        <translation>Permiso denegado: su usuario no puede abrir %1. Pertenece al grupo «%2»; añádase a ese grupo con
    sudo usermod -aG %2 $USER
y después cierre la sesión y vuelva a entrar: un grupo nuevo solo cuenta desde un nuevo inicio de sesión.</translation>
    </message>
    <message>
        <source>Create the group first with
    sudo groupadd %1
</source>
        <translation>Cree primero el grupo con
    sudo groupadd %1
</translation>
    </message>
    <message>
        <source>Permission denied: your user may not open %1, and no group other than root may read and write it. %2Give the group &quot;%3&quot; access with a udev rule: the line
    KERNEL==&quot;%4&quot;, GROUP=&quot;%3&quot;, MODE=&quot;0660&quot;
in a file /etc/udev/rules.d/99-serial-adapter.rules, then plug the adapter in again. Add yourself to the group with
    sudo usermod -aG %3 $USER
then log out and log in again: a new group counts only from a new login.</source>
        <translation>Permiso denegado: su usuario no puede abrir %1, y ningún grupo salvo root puede leerlo y escribirlo. %2Dé acceso al grupo «%3» con una regla udev: la línea
    KERNEL==&quot;%4&quot;, GROUP=&quot;%3&quot;, MODE=&quot;0660&quot;
en un archivo /etc/udev/rules.d/99-serial-adapter.rules, y vuelva a conectar el adaptador. Añádase al grupo con
    sudo usermod -aG %3 $USER
y después cierre la sesión y vuelva a entrar: un grupo nuevo solo cuenta desde un nuevo inicio de sesión.</translation>
    </message>
    <message>
        <source>%1 is the terminal this program runs in, not a controller&apos;s port. Name the adapter&apos;s port instead.</source>
        <translation>%1 es el terminal en el que se ejecuta este programa, no el puerto de un controlador. Indique en su lugar el puerto del adaptador.</translation>
    </message>
    <message>
        <source>The port is in use: another program is using it. Close that program, then connect again.</source>
        <translation>El puerto está ocupado: otro programa lo está usando. Cierre ese programa y vuelva a conectar.</translation>
    </message>
    <message>
        <source>The port is in use by %1. Close %2, then connect again.</source>
        <translation>El puerto lo está usando %1. Cierre %2 y vuelva a conectar.</translation>
    </message>
    <message>
        <source>that program</source>
        <translation>ese programa</translation>
    </message>
    <message>
        <source>those programs</source>
        <translation>esos programas</translation>
    </message>
    <message>
        <source>
ModemManager probes new serial adapters as if they were modems. Stop it with
    sudo systemctl stop ModemManager
or wait until it lets go of the adapter.</source>
        <translation>
ModemManager sondea los adaptadores serie nuevos como si fueran módems. Deténgalo con
    sudo systemctl stop ModemManager
o espere a que libere el adaptador.</translation>
    </message>
    <message>
        <source>No such device: %1. The adapter is unplugged or the port name is wrong; plug it in and pick it again from the Port list.</source>
        <translation>No existe el dispositivo: %1. El adaptador está desconectado o el nombre del puerto es incorrecto; conéctelo y vuelva a elegirlo en la lista Puerto.</translation>
    </message>
    <message>
        <source>The device %1 does not answer: the adapter was pulled or has failed. Plug it in again and pick it from the Port list.</source>
        <translation>El dispositivo %1 no responde: el adaptador se desconectó o ha fallado. Vuelva a conectarlo y elíjalo en la lista Puerto.</translation>
    </message>
    <message>
        <source>%1 does not take the line settings: its driver cannot set the rate or the character format asked for. Try another adapter.</source>
        <translation>%1 no acepta los ajustes de línea: su driver no puede fijar la velocidad ni el formato de carácter pedidos. Pruebe otro adaptador.</translation>
    </message>
    <message>
        <source>%1 is not a serial port. Pick the adapter from the Port list.</source>
        <translation>%1 no es un puerto serie. Elija el adaptador en la lista Puerto.</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program, then connect again.</source>
        <translation>Otro programa está usando %1. Cierre ese programa y vuelva a conectar.</translation>
    </message>
    <message>
        <source>There is no %1 on this computer. The adapter is unplugged or the port name is wrong; plug it in and pick it again from the Port list.</source>
        <translation>%1 no existe en este equipo. El adaptador está desconectado o el nombre del puerto es incorrecto; conéctelo y vuelva a elegirlo en la lista Puerto.</translation>
    </message>
</context>
<context>
    <name>Form1Ui</name>
    <message>
        <source>Undo Changes</source>
        <translation>Deshacer cambios</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Básico</translation>
    </message>
    <message>
        <source>Pedal Assist</source>
        <translation>Asistencia pedaleo</translation>
    </message>
    <message>
        <source>Throttle Handle</source>
        <translation>Acelerador</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Bandrate:</source>
        <translation>Baudios:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Controller Info</source>
        <translation>Info controlador</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>Fabricante:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modelo:</translation>
    </message>
    <message>
        <source>Harware Ver:</source>
        <translation>Versión HW:</translation>
    </message>
    <message>
        <source>Firmware Ver:</source>
        <translation>Versión FW:</translation>
    </message>
    <message>
        <source>Nominal Voltage:</source>
        <translation>Tensión nominal:</translation>
    </message>
    <message>
        <source>Max.Current:</source>
        <translation>Corriente máx.:</translation>
    </message>
    <message>
        <source>Read Flash</source>
        <translation>Leer flash</translation>
    </message>
    <message>
        <source>Write Flash</source>
        <translation>Escribir flash</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escribir</translation>
    </message>
    <message>
        <source>Continuous Get</source>
        <translation>Consulta continua</translation>
    </message>
    <message>
        <source>×10mS</source>
        <translation>×10ms</translation>
    </message>
    <message>
        <source>About Tq</source>
        <translation>Lecturas de par</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Plot...</source>
        <translation>Gráfica...</translation>
    </message>
    <message>
        <source>Plot the readings of the last minute</source>
        <translation>Gráfica de las lecturas del último minuto</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Consultar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Cargar</translation>
    </message>
    <message>
        <source>Load &amp;Backup...</source>
        <translation>Cargar copia de &amp;seguridad...</translation>
    </message>
    <message>
        <source>Compare With &amp;File...</source>
        <translation>Comparar con &amp;archivo...</translation>
    </message>
    <message>
        <source>Compare With &amp;Controller</source>
        <translation>Comparar con c&amp;ontrolador</translation>
    </message>
    <message>
        <source>Clear Compa&amp;rison</source>
        <translation>&amp;Borrar comparación</translation>
    </message>
    <message>
        <source>&amp;Open Backups Folder</source>
        <translation>Abrir carpeta de co&amp;pias</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Review Changes...</source>
        <translation>&amp;Revisar cambios...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>A live reading of the torque sensor, as the controller measured it when last asked (Get, Continuous Get, Read Flash).
Read only; not kept in parameter files.</source>
        <translation>Lectura en vivo del sensor de par, tal como la midió el controlador en la última consulta (Consultar, Consulta continua, Leer flash).
Solo lectura; no se guarda en los archivos de parámetros.</translation>
    </message>
    <message>
        <source>The serial port the controller is on; a device path may be typed.</source>
        <translation>El puerto serie del controlador; se puede introducir una ruta de dispositivo.</translation>
    </message>
    <message>
        <source>The line speed. Connect finds the controller&apos;s own by trying each in turn from the first; once it answers, the line runs at 9600.</source>
        <translation>La velocidad de la línea. Conectar encuentra la del controlador probando cada una por turno desde la primera; en cuanto responde, la línea va a 9600.</translation>
    </message>
    <message>
        <source>Controller System</source>
        <translation>Sistema controlador</translation>
    </message>
    <message>
        <source>&amp;Export Report...</source>
        <translation>&amp;Exportar informe...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>ends the connection to the controller</comment>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Report Se&amp;ttings...</source>
        <translation>Ajustes del i&amp;nforme...</translation>
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
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>PortList</name>
    <message>
        <source>Simulated controller</source>
        <translation>Controlador simulado</translation>
    </message>
    <message>
        <source>The built-in simulated controller (%1), not a real adapter</source>
        <translation>El controlador simulado integrado (%1), no un adaptador real</translation>
    </message>
</context>
<context>
    <name>Protocol</name>
    <message>
        <source>Read The Basic Info CheckSum Error</source>
        <translation>Error de suma de verificación al leer: Básico</translation>
    </message>
    <message>
        <source>Write The Basic Info CheckSum Error</source>
        <translation>Error de suma de verificación al escribir: Básico</translation>
    </message>
    <message>
        <source>Basic Set successfully.</source>
        <translation>Básico: escrito correctamente.</translation>
    </message>
    <message>
        <source>Read The Pedal Assist Info CheckSum Error</source>
        <translation>Error de suma de verificación al leer: Asistencia pedaleo</translation>
    </message>
    <message>
        <source>Write The Pedal Assist Info CheckSum Error</source>
        <translation>Error de suma de verificación al escribir: Asistencia pedaleo</translation>
    </message>
    <message>
        <source>Pedal Assist Set successfully.</source>
        <translation>Asistencia pedaleo: escrito correctamente.</translation>
    </message>
    <message>
        <source>Read The Throttle Handle Info CheckSum Error</source>
        <translation>Error de suma de verificación al leer: Acelerador</translation>
    </message>
    <message>
        <source>Write The Throttle Handle Info CheckSum Error</source>
        <translation>Error de suma de verificación al escribir: Acelerador</translation>
    </message>
    <message>
        <source>Throttle Handle Set successfully.</source>
        <translation>Acelerador: escrito correctamente.</translation>
    </message>
    <message>
        <source>Read The Torque Info CheckSum Error</source>
        <translation>Error de suma de verificación al leer: Par</translation>
    </message>
    <message>
        <source>Write The Torque Info CheckSum Error</source>
        <translation>Error de suma de verificación al escribir: Par</translation>
    </message>
    <message>
        <source>Torque Set successfully.</source>
        <translation>Par: escrito correctamente.</translation>
    </message>
    <message>
        <source>Read Flash successfully.</source>
        <translation>Flash leído correctamente.</translation>
    </message>
    <message>
        <source>Write Flash successfully.</source>
        <translation>Flash escrito correctamente.</translation>
    </message>
    <message>
        <source>Manufacturer:%1</source>
        <translation>Fabricante:%1</translation>
    </message>
    <message>
        <source>Model:%1</source>
        <translation>Modelo:%1</translation>
    </message>
    <message>
        <source>Harware Ver: V%1.%2</source>
        <translation>Versión HW: V%1.%2</translation>
    </message>
    <message>
        <source>Firmware Ver: V%1</source>
        <translation>Versión FW: V%1</translation>
    </message>
    <message>
        <source>Max.Current: %1A</source>
        <translation>Corriente máx.: %1A</translation>
    </message>
    <message>
        <source>Firmware Ver:%1</source>
        <translation>Versión FW:%1</translation>
    </message>
    <message>
        <source>Read The Controller Info CheckSum Error</source>
        <translation>Error de suma de verificación al leer la info del controlador</translation>
    </message>
    <message>
        <source>Read The Software Version Error</source>
        <translation>Error al leer la versión de firmware</translation>
    </message>
    <message>
        <source>SpeedSignalACC</source>
        <translation>Pulsos acumul.</translation>
    </message>
    <message>
        <source>SpeedSigLevel</source>
        <translation>Nivel señal</translation>
    </message>
    <message>
        <source>LevelHTime</source>
        <translation>Tiempo alto</translation>
    </message>
    <message>
        <source>LevelLTime</source>
        <translation>Tiempo bajo</translation>
    </message>
    <message>
        <source>TqVoltate</source>
        <translation>Tensión par</translation>
    </message>
    <message>
        <source>Read The Tq Info CheckSum Error</source>
        <translation>Error de suma de verificación al leer las lecturas de par</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; no es un número entero válido</translation>
    </message>
    <message>
        <source>Nominal Voltage: 24V</source>
        <translation>Tensión nominal: 24V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 36V</source>
        <translation>Tensión nominal: 36V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 48V</source>
        <translation>Tensión nominal: 48V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 60V</source>
        <translation>Tensión nominal: 60V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 24-48V</source>
        <translation>Tensión nominal: 24-48V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 24-60V</source>
        <translation>Tensión nominal: 24-60V</translation>
    </message>
    <message>
        <source>By Display&apos;s Command</source>
        <translation>Según la pantalla</translation>
    </message>
    <message>
        <source>Low Battery Protect(V):</source>
        <translation>Corte baja tensión(V):</translation>
    </message>
    <message>
        <source>Low battery protection: the battery voltage at which the controller cuts off; the list offers the voltages of the connected controller&apos;s class</source>
        <translation>Corte por baja tensión: la tensión de batería a la que el controlador corta; la lista ofrece las tensiones de la clase del controlador conectado</translation>
    </message>
    <message>
        <source>Limited Current(A):</source>
        <translation>Límite corriente(A):</translation>
    </message>
    <message>
        <source>Limited current: the controller&apos;s overall current limit</source>
        <translation>Límite de corriente: el límite global de corriente del controlador</translation>
    </message>
    <message>
        <source>Limited Current</source>
        <translation>Límite corriente</translation>
    </message>
    <message>
        <source>Assit%1:</source>
        <translation>Nivel %1:</translation>
    </message>
    <message>
        <source>Current limit at assist level %1</source>
        <translation>Límite de corriente en el nivel de asistencia %1</translation>
    </message>
    <message>
        <source>Limit Current(%)</source>
        <translation>Límite corriente(%)</translation>
    </message>
    <message>
        <source>Speed limit at assist level %1</source>
        <translation>Límite de velocidad en el nivel de asistencia %1</translation>
    </message>
    <message>
        <source>Limit Spd(%)</source>
        <translation>Límite vel.(%)</translation>
    </message>
    <message>
        <source>Wheel Diameler(Inch): </source>
        <translation>Diámetro rueda(pulg.): </translation>
    </message>
    <message>
        <source>Wheel diameter</source>
        <translation>Diámetro de rueda</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pulgadas</translation>
    </message>
    <message>
        <source>Speed Meter Model: </source>
        <translation>Fuente velocidad: </translation>
    </message>
    <message>
        <source>Speed meter model: where the speed signal comes from</source>
        <translation>Fuente de velocidad: de dónde viene la señal de velocidad</translation>
    </message>
    <message>
        <source>External,Wheel Meter</source>
        <translation>Externo, sensor rueda</translation>
    </message>
    <message>
        <source>Internal,Motor Meter</source>
        <translation>Interno, sensor motor</translation>
    </message>
    <message>
        <source>By Motor Phase</source>
        <translation>Por fase del motor</translation>
    </message>
    <message>
        <source>SpdMeter Signal: </source>
        <translation>Pulsos velocidad: </translation>
    </message>
    <message>
        <source>Speed meter signals</source>
        <translation>Pulsos de velocidad por vuelta de rueda</translation>
    </message>
    <message>
        <source>SpdMeter Signal</source>
        <translation>Pulsos velocidad</translation>
    </message>
    <message>
        <source>Pedal Type: </source>
        <translation>Sensor pedaleo: </translation>
    </message>
    <message>
        <source>Pedal sensor type</source>
        <translation>Tipo de sensor de pedaleo</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Disignated Assist: </source>
        <translation>Nivel fijado: </translation>
    </message>
    <message>
        <source>Assist level under pedal assist: a fixed level, or the display&apos;s choice</source>
        <translation>Nivel de asistencia al pedalear: un nivel fijo, o el que elija la pantalla</translation>
    </message>
    <message>
        <source>Speed Limited: </source>
        <translation>Límite velocidad: </translation>
    </message>
    <message>
        <source>Speed limit under pedal assist, or the display&apos;s choice</source>
        <translation>Límite de velocidad al pedalear, o el que elija la pantalla</translation>
    </message>
    <message>
        <source>Slow-Start Mode(1-8): </source>
        <translation>Arranque suave(1-8): </translation>
    </message>
    <message>
        <source>Slow-start mode</source>
        <translation>Arranque suave</translation>
    </message>
    <message>
        <source>Work Mode(Angular Speed of pedal/wheel*10): </source>
        <translation>Modo(vel. angular pedal/rueda*10): </translation>
    </message>
    <message>
        <source>Work mode: the angular speed of pedal to wheel</source>
        <translation>Modo: velocidad angular del pedal respecto a la rueda</translation>
    </message>
    <message>
        <source>Undeterminated</source>
        <translation>Indeterminado</translation>
    </message>
    <message>
        <source>Start Current(%): </source>
        <translation>Corriente arranque(%): </translation>
    </message>
    <message>
        <source>Start current under pedal assist</source>
        <translation>Corriente de arranque al pedalear</translation>
    </message>
    <message>
        <source>Start Current</source>
        <translation>Corriente arranque</translation>
    </message>
    <message>
        <source>Startup Dgree(Signal No.): </source>
        <translation>Umbral arranque(señales): </translation>
    </message>
    <message>
        <source>Startup degree: the pedal sensor signals before the motor starts</source>
        <translation>Umbral de arranque: señales del sensor de pedaleo antes de que arranque el motor</translation>
    </message>
    <message>
        <source>signals</source>
        <translation>señales</translation>
    </message>
    <message>
        <source>Startup Dgree</source>
        <translation>Umbral arranque</translation>
    </message>
    <message>
        <source>Time of stop(x10ms): </source>
        <translation>Tiempo parada(x10ms): </translation>
    </message>
    <message>
        <source>Time of stop</source>
        <translation>Tiempo parada</translation>
    </message>
    <message>
        <source>Current Decay(1-8): </source>
        <translation>Caída corriente(1-8): </translation>
    </message>
    <message>
        <source>Current decay</source>
        <translation>Caída de corriente</translation>
    </message>
    <message>
        <source>Current Decay</source>
        <translation>Caída corriente</translation>
    </message>
    <message>
        <source>Stop Decay(x10ms): </source>
        <translation>Rampa parada(x10ms): </translation>
    </message>
    <message>
        <source>Stop decay</source>
        <translation>Rampa de parada</translation>
    </message>
    <message>
        <source>Stop Decay</source>
        <translation>Rampa parada</translation>
    </message>
    <message>
        <source>Keep Current(%)</source>
        <translation>Corr. mantenim.(%)</translation>
    </message>
    <message>
        <source>Keep current</source>
        <translation>Corriente de mantenimiento</translation>
    </message>
    <message>
        <source>Keep Current</source>
        <translation>Corr. mantenim.</translation>
    </message>
    <message>
        <source>Start Voltage(x100mv): </source>
        <translation>Tensión inicio(x100mV): </translation>
    </message>
    <message>
        <source>Start voltage: the throttle voltage at which the motor starts</source>
        <translation>Tensión de inicio: tensión del acelerador a la que arranca el motor</translation>
    </message>
    <message>
        <source>Start Voltage</source>
        <translation>Tensión inicio</translation>
    </message>
    <message>
        <source>End Voltage(x100mV): </source>
        <translation>Tensión final(x100mV): </translation>
    </message>
    <message>
        <source>End voltage: the throttle voltage of full command</source>
        <translation>Tensión final: tensión del acelerador a fondo</translation>
    </message>
    <message>
        <source>End Voltage</source>
        <translation>Tensión final</translation>
    </message>
    <message>
        <source>Mode: </source>
        <translation>Modo: </translation>
    </message>
    <message>
        <source>What the throttle commands: speed or current</source>
        <translation>Qué controla el acelerador: velocidad o corriente</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Corriente</translation>
    </message>
    <message>
        <source>Designated Assist: </source>
        <translation>Nivel fijado: </translation>
    </message>
    <message>
        <source>Assist level under the throttle: a fixed level, or the display&apos;s choice</source>
        <translation>Nivel de asistencia con acelerador: un nivel fijo, o el que elija la pantalla</translation>
    </message>
    <message>
        <source>Speed limit under the throttle, or the display&apos;s choice</source>
        <translation>Límite de velocidad con acelerador, o el que elija la pantalla</translation>
    </message>
    <message>
        <source>Start current under the throttle</source>
        <translation>Corriente de arranque con acelerador</translation>
    </message>
    <message>
        <source>Base Voltage:</source>
        <translation>Tensión base:</translation>
    </message>
    <message>
        <source>Base voltage of the torque sensor</source>
        <translation>Tensión base del sensor de par</translation>
    </message>
    <message>
        <source>BaseVoltage of </source>
        <translation>Tensión base</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Mín</translation>
    </message>
    <message>
        <source>Error voltage, minimum</source>
        <translation>Tensión de error, mínimo</translation>
    </message>
    <message>
        <source>Error Voltage:</source>
        <translation>Tensión error:</translation>
    </message>
    <message>
        <source>ErrorVoltage of Min</source>
        <translation>Tensión error mín</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Máx</translation>
    </message>
    <message>
        <source>Error voltage, maximum</source>
        <translation>Tensión de error, máximo</translation>
    </message>
    <message>
        <source>%1 Kg:</source>
        <translation>%1 kg:</translation>
    </message>
    <message>
        <source>Delta voltage of the %1 Kg band</source>
        <translation>Tensión delta de la franja %1 kg</translation>
    </message>
    <message>
        <source>Delta Voltage:</source>
        <translation>Tensión delta:</translation>
    </message>
    <message>
        <source>0 Speed Boost Time:</source>
        <translation>Tiempo boost en parado:</translation>
    </message>
    <message>
        <source>Boost time at zero speed</source>
        <translation>Tiempo de boost a velocidad cero</translation>
    </message>
    <message>
        <source>Start(Kg):</source>
        <translation>Inicio(kg):</translation>
    </message>
    <message>
        <source>Start weight</source>
        <translation>Fuerza de inicio</translation>
    </message>
    <message>
        <source>Full(Kg):</source>
        <translation>Pleno(kg):</translation>
    </message>
    <message>
        <source>Full weight</source>
        <translation>Fuerza de asistencia plena</translation>
    </message>
    <message>
        <source>Return(Kg):</source>
        <translation>Retorno(kg):</translation>
    </message>
    <message>
        <source>Return weight</source>
        <translation>Fuerza de retorno</translation>
    </message>
    <message>
        <source>MinCur(%):</source>
        <translation>Corr. mín(%):</translation>
    </message>
    <message>
        <source>Minimum current</source>
        <translation>Corriente mínima</translation>
    </message>
    <message>
        <source>MaxCur(%):</source>
        <translation>Corr. máx(%):</translation>
    </message>
    <message>
        <source>Maximum current</source>
        <translation>Corriente máxima</translation>
    </message>
    <message>
        <source>KeepCur(%):</source>
        <translation>Corr. mant.(%):</translation>
    </message>
    <message>
        <source>CurDecy:</source>
        <translation>Caída corr.:</translation>
    </message>
    <message>
        <source>StarDegree:</source>
        <translation>Umbral arranque:</translation>
    </message>
    <message>
        <source>Start degree</source>
        <translation>Umbral de arranque</translation>
    </message>
    <message>
        <source>%1 at speed point Spd%2</source>
        <translation>%1 en el punto de velocidad Spd%2</translation>
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
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>one of the list: %1</source>
        <translation>uno de la lista: %1</translation>
    </message>
    <message>
        <source>700C, or a size from %1 to %2, chosen from the list or typed</source>
        <translation>700C, o una medida de %1 a %2, elegida de la lista o introducida</translation>
    </message>
    <message>
        <source>%1 (Write Flash sends up to %2)</source>
        <translation>%1 (Escribir flash envía hasta %2)</translation>
    </message>
    <message>
        <source>%1, and not above the controller&apos;s maximum current (Max.Current)</source>
        <translation>%1, y no por encima de la corriente máxima del controlador (Corriente máx.)</translation>
    </message>
    <message>
        <source>%1, chosen from the list or typed</source>
        <translation>%1, elegido de la lista o introducido</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Básico</translation>
    </message>
    <message>
        <source>Pedal Assist</source>
        <translation>Asistencia pedaleo</translation>
    </message>
    <message>
        <source>Throttle Handle</source>
        <translation>Acelerador</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Unit: %1</source>
        <translation>Unidad: %1</translation>
    </message>
    <message>
        <source>Accepted: %1</source>
        <translation>Valores admitidos: %1</translation>
    </message>
    <message>
        <source>Parameter file key: %1 in [%2]</source>
        <translation>Clave en el archivo de parámetros: %1 en [%2]</translation>
    </message>
    <message>
        <source>The %1 setting error,Please reset</source>
        <translation>Error de ajuste en %1. Vuelva a ajustarlo.</translation>
    </message>
    <message>
        <source>The %1 setting error,Please reset.</source>
        <translation>Error de ajuste en %1. Vuelva a ajustarlo.</translation>
    </message>
    <message>
        <source>The %1 is out of range,Please input again.</source>
        <translation>%1 fuera de rango. Vuelva a introducirlo.</translation>
    </message>
    <message>
        <source>This serial port already opened</source>
        <translation>Este puerto serie ya está abierto</translation>
    </message>
    <message>
        <source>Error opening serial port</source>
        <translation>Error al abrir el puerto serie</translation>
    </message>
    <message>
        <source>File handle is not a comm handle </source>
        <translation>El dispositivo no es un puerto serie</translation>
    </message>
    <message>
        <source>Cannot setup comm buffer</source>
        <translation>No se puede configurar el búfer del puerto</translation>
    </message>
    <message>
        <source>Unable to create event</source>
        <translation>No se puede crear el evento</translation>
    </message>
    <message>
        <source>Unable to create read thread</source>
        <translation>No se puede crear el hilo de lectura</translation>
    </message>
    <message>
        <source>Unable to create write thread</source>
        <translation>No se puede crear el hilo de escritura</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>%1 is missing, and %2 with it</source>
        <translation>Falta %1, y con ella %2</translation>
    </message>
    <message>
        <source>%1 is missing from %2 on line %3</source>
        <translation>Falta %1 en %2 (línea %3)</translation>
    </message>
    <message>
        <source>%1=%2 on line %3 is not a whole number</source>
        <translation>%1=%2 en la línea %3 no es un número entero</translation>
    </message>
    <message>
        <source>%1=%2 on line %3 is no item of its list (0 to %4)</source>
        <translation>%1=%2 en la línea %3 no es un elemento de su lista (de 0 a %4)</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>Falta %1</translation>
    </message>
    <message>
        <source>Unable to read %1. At more than 1 MiB it is not a parameter file</source>
        <translation>No se puede leer %1. Con más de 1 MiB no es un archivo de parámetros</translation>
    </message>
    <message>
        <source>Unable to read %1</source>
        <translation>No se puede leer %1</translation>
    </message>
    <message>
        <source>%1 is not a parameter file: it is UTF-16 or binary, not 8-bit text</source>
        <translation>%1 no es un archivo de parámetros: es UTF-16 o binario, no texto de 8 bits</translation>
    </message>
    <message>
        <source>%1 is not a parameter file: it has none of the sections %2</source>
        <translation>%1 no es un archivo de parámetros: no tiene ninguna de las secciones %2</translation>
    </message>
    <message>
        <source>Unable to write to %1: it is a symbolic link to %2, which does not exist</source>
        <translation>No se puede escribir en %1: es un enlace simbólico a %2, que no existe</translation>
    </message>
    <message>
        <source>Unable to write to %1. At more than 1 MiB it is not a parameter file</source>
        <translation>No se puede escribir en %1. Con más de 1 MiB no es un archivo de parámetros</translation>
    </message>
    <message>
        <source>Unable to write to %1: it is not a parameter file: it is UTF-16 or binary, not 8-bit text</source>
        <translation>No se puede escribir en %1: no es un archivo de parámetros: es UTF-16 o binario, no texto de 8 bits</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2, so nothing was changed</source>
        <translation>No se puede escribir en %1: %2, así que no se cambió nada</translation>
    </message>
    <message>
        <source>Unable to write to %1 (what it held is kept in %2)</source>
        <translation>No se puede escribir en %1 (su contenido anterior se guarda en %2)</translation>
    </message>
    <message>
        <source>%1: wrong length</source>
        <translation>%1: longitud incorrecta</translation>
    </message>
    <message>
        <source>%1: cut short</source>
        <translation>%1: mensaje truncado</translation>
    </message>
    <message>
        <source>%1: checksum error</source>
        <translation>%1: error de suma de verificación</translation>
    </message>
    <message>
        <source>connect request</source>
        <translation>petición de conexión</translation>
    </message>
    <message>
        <source>firmware text request</source>
        <translation>petición del texto de firmware</translation>
    </message>
    <message>
        <source>live readings request</source>
        <translation>petición de lecturas en vivo</translation>
    </message>
    <message>
        <source>%1 read request</source>
        <translation>petición de lectura %1</translation>
    </message>
    <message>
        <source>%1 write</source>
        <translation>escritura %1</translation>
    </message>
    <message>
        <source>unrecognised frame</source>
        <translation>trama no reconocida</translation>
    </message>
    <message>
        <source>unrecognised chunk</source>
        <translation>datos no reconocidos</translation>
    </message>
    <message>
        <source>identity reply</source>
        <translation>respuesta de identificación</translation>
    </message>
    <message>
        <source>firmware text reply</source>
        <translation>respuesta del texto de firmware</translation>
    </message>
    <message>
        <source>live readings reply, not awaited: ignored</source>
        <translation>respuesta de lecturas en vivo, no esperada: ignorada</translation>
    </message>
    <message>
        <source>live readings reply</source>
        <translation>respuesta de lecturas en vivo</translation>
    </message>
    <message>
        <source>%1 reply</source>
        <translation>respuesta %1</translation>
    </message>
    <message>
        <source>%1 reply, not awaited: ignored</source>
        <translation>respuesta %1, no esperada: ignorada</translation>
    </message>
    <message>
        <source>%1 write accepted</source>
        <translation>escritura %1 aceptada</translation>
    </message>
    <message>
        <source>%1 write refused at byte %2 (%3)</source>
        <translation>escritura %1 rechazada en el byte %2 (%3)</translation>
    </message>
    <message>
        <source>%1 write: unknown status %2</source>
        <translation>escritura %1: estado desconocido %2</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>No se puede escribir en %1: %2</translation>
    </message>
    <message>
        <source>name the report FILE.pdf or FILE.html</source>
        <translation>nombre el informe ARCHIVO.pdf o ARCHIVO.html</translation>
    </message>
    <message>
        <source>it is a symbolic link to %1, which does not exist</source>
        <translation>es un enlace simbólico a %1, que no existe</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 holds no parameters: the last save to it was cut short</source>
        <translation>%1 no contiene parámetros: el último guardado se interrumpió</translation>
    </message>
    <message>
        <source>%1 holds no parameters: the last save to it was cut short. What it held before that save is kept in %2</source>
        <translation>%1 no contiene parámetros: el último guardado se interrumpió. Lo que contenía antes se guarda en %2</translation>
    </message>
    <message>
        <source>%1 holds no parameters: the last save to it was cut short, and no copy of what it held before is kept</source>
        <translation>%1 no contiene parámetros: el último guardado se interrumpió, y no se guardó ninguna copia de lo que contenía antes</translation>
    </message>
    <message>
        <source>%1 on the Basic page shows %2, which a parameter file cannot hold</source>
        <translation>%1 en la página Básico muestra %2, que un archivo de parámetros no puede contener</translation>
    </message>
    <message>
        <source>%1 on the Pedal Assist page shows %2, which a parameter file cannot hold</source>
        <translation>%1 en la página Asistencia pedaleo muestra %2, que un archivo de parámetros no puede contener</translation>
    </message>
    <message>
        <source>%1 on the Throttle Handle page shows %2, which a parameter file cannot hold</source>
        <translation>%1 en la página Acelerador muestra %2, que un archivo de parámetros no puede contener</translation>
    </message>
    <message>
        <source>%1 on the Torque page shows %2, which a parameter file cannot hold</source>
        <translation>%1 en la página Par muestra %2, que un archivo de parámetros no puede contener</translation>
    </message>
</context>
<context>
    <name>ReadingRecorder</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>(controller: %1)</source>
        <translation>(controlador: %1)</translation>
    </message>
    <message>
        <source>Controller settings</source>
        <translation>Ajustes del controlador</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Fecha: %1</translation>
    </message>
    <message>
        <source>Bike or customer: %1</source>
        <translation>Bici o cliente: %1</translation>
    </message>
    <message>
        <source>Work Mode (pedal/wheel speed ratio)</source>
        <translation>Modo (relación de velocidad pedal/rueda)</translation>
    </message>
    <message>
        <source>Read from this controller at %1</source>
        <translation>Leído de este controlador a las %1</translation>
    </message>
    <message>
        <source>Not read from this controller: these values were left on the page by another controller or a file, and may not be this bike&apos;s.</source>
        <translation>No leído de este controlador: estos valores los dejó en la página otro controlador o un archivo, y puede que no sean los de esta bici.</translation>
    </message>
    <message>
        <source>Technician: %1</source>
        <translation>Técnico: %1</translation>
    </message>
    <message>
        <source>Changes in this visit</source>
        <translation>Cambios en esta visita al taller</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>T</source>
        <comment>mark: typed in, not written</comment>
        <translation>M</translation>
    </message>
    <message>
        <source>F</source>
        <comment>mark: loaded from a file, not written</comment>
        <translation>A</translation>
    </message>
    <message>
        <source>E</source>
        <comment>mark: left from before connecting</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>%1: typed in, and not written to this controller.</source>
        <translation>%1: valor introducido a mano, no escrito en este controlador.</translation>
    </message>
    <message>
        <source>%1: loaded from a file, and not written to this controller.</source>
        <translation>%1: valor cargado de un archivo, no escrito en este controlador.</translation>
    </message>
    <message>
        <source>%1: left on the page from before connecting: not read from this controller, and may be another bike&apos;s.</source>
        <translation>%1: valor que quedó en la página desde antes de conectar: no leído de este controlador, puede ser de otra bici.</translation>
    </message>
    <message>
        <source>Read from this controller at %1, but for the values marked.</source>
        <translation>Leído de este controlador a las %1, salvo los valores marcados.</translation>
    </message>
    <message>
        <source>Not read from this controller: each value is marked with where it comes from.</source>
        <translation>No leído de este controlador: cada valor lleva una marca que indica de dónde procede.</translation>
    </message>
    <message>
        <source>Not read from this controller: typed in, and not written to it.</source>
        <translation>No leído de este controlador: valores introducidos a mano, no escritos en él.</translation>
    </message>
    <message>
        <source>Not read from this controller: loaded from a file, and not written to it.</source>
        <translation>No leído de este controlador: valores cargados de un archivo, no escritos en él.</translation>
    </message>
    <message>
        <source>Where a value is not what the controller holds, the controller&apos;s value follows it.</source>
        <translation>Cuando un valor no coincide con el del controlador, el valor del controlador figura a continuación.</translation>
    </message>
</context>
<context>
    <name>morvent::AwaitedWording</name>
    <message>
        <source>Waiting for the Basic block</source>
        <translation>Esperando el bloque Básico</translation>
    </message>
    <message>
        <source>Waiting for the Basic block to be stored</source>
        <translation>Esperando a que se guarde el bloque Básico</translation>
    </message>
    <message>
        <source>Waiting for the Pedal Assist block</source>
        <translation>Esperando el bloque Asistencia pedaleo</translation>
    </message>
    <message>
        <source>Waiting for the Pedal Assist block to be stored</source>
        <translation>Esperando a que se guarde el bloque Asistencia pedaleo</translation>
    </message>
    <message>
        <source>Waiting for the Throttle Handle block</source>
        <translation>Esperando el bloque Acelerador</translation>
    </message>
    <message>
        <source>Waiting for the Throttle Handle block to be stored</source>
        <translation>Esperando a que se guarde el bloque Acelerador</translation>
    </message>
    <message>
        <source>Waiting for the Torque block</source>
        <translation>Esperando el bloque Par</translation>
    </message>
    <message>
        <source>Waiting for the Torque block to be stored</source>
        <translation>Esperando a que se guarde el bloque Par</translation>
    </message>
    <message>
        <source>Continuous Get: the live readings</source>
        <translation>Consulta continua: lecturas en vivo</translation>
    </message>
    <message>
        <source>Waiting for the live readings</source>
        <translation>Esperando las lecturas en vivo</translation>
    </message>
    <message>
        <source>Waiting for the firmware text</source>
        <translation>Esperando el texto del firmware</translation>
    </message>
    <message>
        <source>Read Flash: Basic, %1 of %2</source>
        <translation>Leer flash: Básico, %1 de %2</translation>
    </message>
    <message>
        <source>Read Flash: Pedal Assist, %1 of %2</source>
        <translation>Leer flash: Asistencia pedaleo, %1 de %2</translation>
    </message>
    <message>
        <source>Read Flash: Throttle Handle, %1 of %2</source>
        <translation>Leer flash: Acelerador, %1 de %2</translation>
    </message>
    <message>
        <source>Read Flash: Torque, %1 of %2</source>
        <translation>Leer flash: Par, %1 de %2</translation>
    </message>
    <message>
        <source>Read Flash: Live Readings, %1 of %2</source>
        <translation>Leer flash: Lecturas en vivo, %1 de %2</translation>
    </message>
    <message>
        <source>Write Flash: Basic, %1 of %2</source>
        <translation>Escribir flash: Básico, %1 de %2</translation>
    </message>
    <message>
        <source>Write Flash: Pedal Assist, %1 of %2</source>
        <translation>Escribir flash: Asistencia pedaleo, %1 de %2</translation>
    </message>
    <message>
        <source>Write Flash: Throttle Handle, %1 of %2</source>
        <translation>Escribir flash: Acelerador, %1 de %2</translation>
    </message>
    <message>
        <source>Write Flash: Torque, %1 of %2</source>
        <translation>Escribir flash: Par, %1 de %2</translation>
    </message>
    <message>
        <source>Write Flash: Live Readings, %1 of %2</source>
        <translation>Escribir flash: Lecturas en vivo, %1 de %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Basic, %1 of %2</source>
        <translation>Comparar con controlador: Básico, %1 de %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Pedal Assist, %1 of %2</source>
        <translation>Comparar con controlador: Asistencia pedaleo, %1 de %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Throttle Handle, %1 of %2</source>
        <translation>Comparar con controlador: Acelerador, %1 de %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Torque, %1 of %2</source>
        <translation>Comparar con controlador: Par, %1 de %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Live Readings, %1 of %2</source>
        <translation>Comparar con controlador: Lecturas en vivo, %1 de %2</translation>
    </message>
</context>
<context>
    <name>morvent::BlockRequests</name>
    <message>
        <source>Write</source>
        <translation>Escribir</translation>
    </message>
    <message>
        <source>Write Flash</source>
        <translation>Escribir flash</translation>
    </message>
    <message>
        <source>Not read from this controller or loaded from a file since connecting: %1, which may show what another controller or file left there.</source>
        <translation>Desde la conexión no se ha leído de este controlador ni cargado de un archivo: %1. Puede que ahí quede lo que dejó otro controlador o archivo.</translation>
    </message>
    <message>
        <source>The controller&apos;s own values of %1 were not read, so nothing keeps them once they are written over. Write Flash anyway?</source>
        <translation>Los valores originales del controlador de %1 no se han leído, así que nada los conserva una vez sobrescritos. ¿Escribir flash de todos modos?</translation>
    </message>
    <message>
        <source>The controller&apos;s own values of %1 were not read, so nothing keeps them once they are written over. Write anyway?</source>
        <translation>Los valores originales del controlador de %1 no se han leído, así que nada los conserva una vez sobrescritos. ¿Escribir de todos modos?</translation>
    </message>
    <message>
        <source>Not written: %1 on the Basic page</source>
        <translation>No escrito: %1 en la página Básico</translation>
    </message>
    <message>
        <source>Not written: %1 on the Pedal Assist page</source>
        <translation>No escrito: %1 en la página Asistencia pedaleo</translation>
    </message>
    <message>
        <source>Not written: %1 on the Throttle Handle page</source>
        <translation>No escrito: %1 en la página Acelerador</translation>
    </message>
    <message>
        <source>Not written: %1 on the Torque page</source>
        <translation>No escrito: %1 en la página Par</translation>
    </message>
</context>
<context>
    <name>morvent::ChangeMarks</name>
    <message numerus="yes">
        <source>%n changes not written</source>
        <translation>
            <numerusform>%n cambio sin escribir</numerusform>
            <numerusform>%n cambios sin escribir</numerusform>
        </translation>
    </message>
    <message>
        <source>Changed: the controller holds %1.
</source>
        <translation>Cambiado: el controlador tiene %1.
</translation>
    </message>
    <message>
        <source>Changed before the page was read: what the controller holds is not known yet.
</source>
        <translation>Cambiado antes de leer la página: aún no se sabe qué valor tiene el controlador.
</translation>
    </message>
    <message>
        <source> (changed)</source>
        <translation> (cambiado)</translation>
    </message>
</context>
<context>
    <name>morvent::ComparisonMarks</name>
    <message>
        <source>Not read or loaded since connecting: the fields may not hold the controller&apos;s values. Read the page or load a file before writing it.</source>
        <translation>Sin leer ni cargar desde la conexión: los campos pueden no tener los valores del controlador. Lea la página o cargue un archivo antes de escribirla.</translation>
    </message>
    <message>
        <source>nothing selected (-1)</source>
        <translation>nada seleccionado (-1)</translation>
    </message>
    <message>
        <source>%1 (item %2)</source>
        <translation>%1 (elemento %2)</translation>
    </message>
    <message>
        <source>Not loaded from %1, so 0: %2</source>
        <translation>No cargado de %1, así que 0: %2</translation>
    </message>
    <message>
        <source>In %1: %2</source>
        <translation>En %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n fields were not in %1: set to 0</source>
        <translation>
            <numerusform>%n campo no estaba en %1: puesto a 0</numerusform>
            <numerusform>%n campos no estaban en %1: puestos a 0</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fields differ from %1</source>
        <translation>
            <numerusform>%n campo difiere de %1</numerusform>
            <numerusform>%n campos difieren de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No field differs from %1</source>
        <translation>Ningún campo difiere de %1</translation>
    </message>
</context>
<context>
    <name>morvent::ConnectionProbing</name>
    <message>
        <source>No adapter found</source>
        <translation>No se encontró ningún adaptador</translation>
    </message>
    <message>
        <source>No adapter found. To try the window without a bike, start it with --simulate (the menu entry &quot;Try with the simulated controller&quot;): the simulated controller is then first in this list.</source>
        <translation>No se encontró ningún adaptador. Para probar la ventana sin bicicleta, iníciela con --simulate (la entrada de menú «Probar con el controlador simulado»): el controlador simulado aparece entonces el primero de esta lista.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Probing at %1 baud</source>
        <translation>Buscando a %1 baudios</translation>
    </message>
    <message>
        <source>Connected: %1 %2</source>
        <translation>Conectado: %1 %2</translation>
    </message>
    <message>
        <source>F1 opens Getting Started: seven steps from connecting to the report.</source>
        <translation>F1 abre «Primeros pasos»: siete pasos, de la conexión al informe.</translation>
    </message>
    <message>
        <source>Probing at %1 baud: no controller answered at any rate. Check its power and key switch, the TX/RX wiring and the port</source>
        <translation>Buscando a %1 baudios: ningún controlador respondió a ninguna velocidad. Compruebe la alimentación y el interruptor de llave, el cableado TX/RX y el puerto</translation>
    </message>
</context>
<context>
    <name>morvent::ContinuousGet</name>
    <message>
        <source>Continuous Get running: press Continuous Get again to stop</source>
        <translation>Consulta continua en marcha: pulse de nuevo «Consulta continua» para detenerla</translation>
    </message>
</context>
<context>
    <name>morvent::FileChoiceWindow</name>
    <message>
        <source>Directory Name: </source>
        <translation>Nombre de carpeta: </translation>
    </message>
    <message>
        <source>Directories: </source>
        <translation>Carpetas: </translation>
    </message>
    <message>
        <source>Files: </source>
        <translation>Archivos: </translation>
    </message>
    <message>
        <source>Drives: </source>
        <translation>Unidades: </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>File name, e.g. bike.el</source>
        <translation>Nombre de archivo, p. ej. bici.el</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Files of type</source>
        <translation>Tipo de archivo</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Unidades</translation>
    </message>
</context>
<context>
    <name>morvent::GettingStarted</name>
    <message>
        <source>Getting Started</source>
        <translation>Primeros pasos</translation>
    </message>
    <message>
        <source>&lt;b&gt;Connect.&lt;/b&gt; Plug the USB-serial adapter into the computer and into the controller&apos;s programming lead, and switch the controller on. Choose the adapter in the %1 list and press %2. Once the controller answers, %3 shows its model and firmware.</source>
        <translation>&lt;b&gt;Conexión.&lt;/b&gt; Conecte el adaptador USB-serie al equipo y al cable de programación del controlador, y encienda el controlador. Elija el adaptador en la lista %1 y pulse %2. En cuanto el controlador responda, %3 mostrará su modelo y su firmware.</translation>
    </message>
    <message>
        <source>Without an adapter or a bike, start morvent from its menu entry &quot;Try with the simulated controller&quot; (or as &lt;tt&gt;morvent --simulate&lt;/tt&gt;): the simulated controller is then first in the %1 list and answers as a real one does.</source>
        <translation>Sin adaptador ni bicicleta, inicie morvent desde su entrada de menú «Probar con el controlador simulado» (o con &lt;tt&gt;morvent --simulate&lt;/tt&gt;): el controlador simulado aparece entonces el primero de la lista %1 y responde igual que uno real.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Read.&lt;/b&gt; Press %1 to read all four pages from the controller, or a page&apos;s own %2 for that page alone. Each %1 keeps a backup of what the controller held.</source>
        <translation>&lt;b&gt;Lectura.&lt;/b&gt; Pulse %1 para leer las cuatro páginas del controlador, o el botón %2 de una página para leer solo esa. Cada %1 guarda una copia de seguridad de lo que tenía el controlador.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Change.&lt;/b&gt; Type the new values into the fields. A changed field is marked until it is written; %1 puts its page back as it was read. Rest the mouse on a field to see what it sets and which values it takes.</source>
        <translation>&lt;b&gt;Cambios.&lt;/b&gt; Introduzca los valores nuevos en los campos. Un campo cambiado queda marcado hasta que se escribe; %1 deja su página como se leyó. Deje el ratón sobre un campo para ver qué ajusta y qué valores admite.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Review.&lt;/b&gt; %1 in the %2 menu (%3) lists every changed field with the controller&apos;s value beside the page&apos;s, before anything is written.</source>
        <translation>&lt;b&gt;Revisión.&lt;/b&gt; %1 en el menú %2 (%3) muestra cada campo cambiado con el valor del controlador junto al de la página, antes de escribir nada.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Write.&lt;/b&gt; Press %1 to write all four pages, or a page&apos;s own %2. Should the controller refuse a value, a message says which, and its field is shown.</source>
        <translation>&lt;b&gt;Escritura.&lt;/b&gt; Pulse %1 para escribir las cuatro páginas, o el botón %2 de una página. Si el controlador rechaza un valor, un mensaje indica cuál y se muestra su campo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save.&lt;/b&gt; %1 → %2 (%3) keeps the four pages&apos; values in a parameter file (.el); %1 → %4 puts them back into the pages, to write to this controller or another.</source>
        <translation>&lt;b&gt;Guardado.&lt;/b&gt; %1 → %2 (%3) guarda los valores de las cuatro páginas en un archivo de parámetros (.el); %1 → %4 los devuelve a las páginas, para escribirlos en este controlador o en otro.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Report.&lt;/b&gt; %1 → %2 writes what the pages hold to a PDF or HTML file for the customer or the workshop&apos;s records; %1 → %3 prints it.</source>
        <translation>&lt;b&gt;Informe.&lt;/b&gt; %1 → %2 guarda lo que contienen las páginas en un archivo PDF o HTML, para el cliente o los registros del taller; %1 → %3 lo imprime.</translation>
    </message>
    <message>
        <source>Seven steps from a controller on the bench to a report of what it holds.</source>
        <translation>Siete pasos, desde el controlador en el banco hasta el informe de lo que contiene.</translation>
    </message>
</context>
<context>
    <name>morvent::KeepingActions</name>
    <message>
        <source>What %1 held is kept in %2</source>
        <translation>Lo que contenía %1 se guarda en %2</translation>
    </message>
    <message>
        <source>Saved: %1</source>
        <translation>Guardado: %1</translation>
    </message>
    <message>
        <source>Compare With File</source>
        <translation>Comparar con archivo</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Load Backup</source>
        <translation>Cargar copia de seguridad</translation>
    </message>
    <message>
        <source>Backup kept: %1</source>
        <translation>Copia guardada: %1</translation>
    </message>
    <message>
        <source>No backup kept</source>
        <translation>No se guardó copia</translation>
    </message>
    <message>
        <source>Saved: %1. Its name has no &quot;.el&quot;, so Load lists it under &quot;All files&quot; only.</source>
        <translation>Guardado: %1. Su nombre no termina en «.el», así que Cargar solo lo muestra en «Todos los archivos».</translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: a load puts the backup&apos;s values over what was typed. Load anyway?</source>
        <translation>
            <numerusform>%n cambio sin escribir en el controlador: al cargar, los valores de la copia de seguridad sustituyen lo introducido. ¿Cargar de todos modos?</numerusform>
            <numerusform>%n cambios sin escribir en el controlador: al cargar, los valores de la copia de seguridad sustituyen lo introducido. ¿Cargar de todos modos?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>morvent::LiveReadingsMonitor</name>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Paused: the plot stands still while readings go on being kept for the last minute and recorded.</source>
        <translation>En pausa: la gráfica se detiene, pero las lecturas del último minuto se siguen guardando y grabando.</translation>
    </message>
    <message>
        <source>Readings appear here as &quot;Get&quot; or &quot;Continuous Get&quot; on the Torque page brings them in.</source>
        <translation>Las lecturas aparecen aquí cuando «Consultar» o «Consulta continua» de la página Par las trae.</translation>
    </message>
    <message>
        <source>Record to CSV</source>
        <translation>Grabar en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Detener grabación</translation>
    </message>
    <message>
        <source>Record to CSV...</source>
        <translation>Grabar en CSV...</translation>
    </message>
    <message numerus="yes">
        <source>%n readings</source>
        <translation>
            <numerusform>%n lectura</numerusform>
            <numerusform>%n lecturas</numerusform>
        </translation>
    </message>
    <message>
        <source>Recording to %1: %2</source>
        <translation>Grabando en %1: %2</translation>
    </message>
    <message>
        <source>Recording stopped: %1 (%2 kept)</source>
        <translation>Grabación detenida: %1 (%2 guardadas)</translation>
    </message>
    <message>
        <source>Recorded %1 to %2</source>
        <translation>%1 grabadas en %2</translation>
    </message>
</context>
<context>
    <name>morvent::LiveReadingsWindow</name>
    <message>
        <source>Live Torque Readings</source>
        <translation>Par en vivo</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Record to CSV...</source>
        <translation>Grabar en CSV...</translation>
    </message>
    <message>
        <source>seconds before the latest reading</source>
        <translation>segundos antes de la última lectura</translation>
    </message>
</context>
<context>
    <name>morvent::PageUndo</name>
    <message>
        <source>Nothing to undo: the page has not been read or loaded</source>
        <translation>Nada que deshacer: la página no se ha leído ni cargado</translation>
    </message>
    <message>
        <source>Put back this page&apos;s values as read or loaded at %1</source>
        <translation>Restaurar los valores de esta página tal como se leyeron o cargaron a las %1</translation>
    </message>
</context>
<context>
    <name>morvent::ParameterFileDialog</name>
    <message>
        <source>Open the Disk Error!</source>
        <translation>¡Error al abrir el disco!</translation>
    </message>
</context>
<context>
    <name>morvent::ReplyDispatcher</name>
    <message>
        <source>Probing stopped: identity checksum error</source>
        <translation>Búsqueda detenida: error de suma de verificación de la identificación</translation>
    </message>
    <message>
        <source>No field differs from the controller</source>
        <translation>Ningún campo difiere del controlador</translation>
    </message>
    <message numerus="yes">
        <source>Compare With Controller: %n changes not written</source>
        <translation>
            <numerusform>Comparar con controlador: %n cambio sin escribir</numerusform>
            <numerusform>Comparar con controlador: %n cambios sin escribir</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>morvent::ReportActions</name>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Bike or customer (printed on the report):</source>
        <translation>Bici o cliente (se imprime en el informe):</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>Exportar informe</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;HTML (*.html)</source>
        <translation>PDF (*.pdf);;HTML (*.html)</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>Informe guardado: %1</translation>
    </message>
    <message>
        <source>Controller settings</source>
        <translation>Ajustes del controlador</translation>
    </message>
    <message>
        <source>Report Settings</source>
        <translation>Ajustes del informe</translation>
    </message>
    <message>
        <source>Shop name:</source>
        <translation>Nombre del taller:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Teléfono:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>Correo electrónico:</translation>
    </message>
    <message>
        <source>Logo (a picture file):</source>
        <translation>Logotipo (un archivo de imagen):</translation>
    </message>
    <message>
        <source>Technician:</source>
        <translation>Técnico:</translation>
    </message>
</context>
<context>
    <name>morvent::ReviewChanges</name>
    <message>
        <source>Review Changes</source>
        <translation>Revisar cambios</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controlador</translation>
    </message>
    <message>
        <source>Page value</source>
        <translation>Valor página</translation>
    </message>
    <message>
        <source>Put Back</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Give the selected fields the controller&apos;s values</source>
        <translation>Devolver a los campos seleccionados los valores del controlador</translation>
    </message>
    <message>
        <source>Write Flash</source>
        <translation>Escribir flash</translation>
    </message>
    <message>
        <source>Changes not written</source>
        <translation>Cambios no escritos</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>closes this window</comment>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>morvent::StatusReporter</name>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>%1, %2 s</source>
        <extracomment>%1 is what is awaited, a whole text of its own (&quot;Read Flash: Pedal Assist, 2 of 5&quot;); %2 the seconds waited so far.</extracomment>
        <translation>%1, %2 s</translation>
    </message>
    <message>
        <source>No reply from the controller (%1, %2 s)</source>
        <extracomment>%1 is what is awaited, a whole text of its own (&quot;Read Flash: Pedal Assist, 2 of 5&quot;); %2 the seconds waited so far.</extracomment>
        <translation>Sin respuesta del controlador (%1, %2 s)</translation>
    </message>
</context>
<context>
    <name>morvent::TForm1</name>
    <message>
        <source>Connection lost: press Connect to start again</source>
        <translation>Conexión perdida: pulse Conectar para empezar de nuevo</translation>
    </message>
    <message>
        <source>Parameter files (*.el);;All files (*)</source>
        <translation>Archivos de parámetros (*.el);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 bytes ignored: the port was closed</source>
        <translation>%1 bytes ignorados: el puerto estaba cerrado</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>the device went away (hang-up)</source>
        <translation>el dispositivo se ha desconectado (conexión perdida)</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>ends the connection to the controller</comment>
        <translation>Desconectar</translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: closing the window loses what was typed. Quit anyway?</source>
        <translation>
            <numerusform>%n cambio sin escribir en el controlador: al cerrar la ventana se pierde lo introducido. ¿Salir de todos modos?</numerusform>
            <numerusform>%n cambios sin escribir en el controlador: al cerrar la ventana se pierde lo introducido. ¿Salir de todos modos?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: a load puts the file&apos;s values over what was typed. Load anyway?</source>
        <translation>
            <numerusform>%n cambio sin escribir en el controlador: al cargar, los valores del archivo sustituyen lo introducido. ¿Cargar de todos modos?</numerusform>
            <numerusform>%n cambios sin escribir en el controlador: al cargar, los valores del archivo sustituyen lo introducido. ¿Cargar de todos modos?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: connecting forgets what the controller holds, and the pages show no changes until read again. Connect anyway?</source>
        <translation>
            <numerusform>%n cambio sin escribir en el controlador: al conectar se olvida lo que tiene el controlador, y las páginas no muestran cambios hasta que se vuelvan a leer. ¿Conectar de todos modos?</numerusform>
            <numerusform>%n cambios sin escribir en el controlador: al conectar se olvida lo que tiene el controlador, y las páginas no muestran cambios hasta que se vuelvan a leer. ¿Conectar de todos modos?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: after Close, what was typed can no longer be written. Close anyway?</source>
        <translation>
            <numerusform>%n cambio sin escribir en el controlador: tras desconectar, lo introducido ya no se podrá escribir. ¿Desconectar de todos modos?</numerusform>
            <numerusform>%n cambios sin escribir en el controlador: tras desconectar, lo introducido ya no se podrá escribir. ¿Desconectar de todos modos?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>morvent::TForm3</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation>&amp;Primeros pasos</translation>
    </message>
</context>
<context>
    <name>morvent::TForm4</name>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>morvent::TForm5</name>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
</context>
<context>
    <name>morvent::TrafficLog</name>
    <message>
        <source>Traffic Log</source>
        <translation>Registro de tráfico</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save as Text...</source>
        <translation>Guardar como texto...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Save the Traffic Log</source>
        <translation>Guardar el registro de tráfico</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Archivos de texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>No se puede escribir en %1: %2</translation>
    </message>
    <message>
        <source>received</source>
        <translation>recibido</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>enviado</translation>
    </message>
</context>
<context>
    <name>morvent::ViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Traffic Log</source>
        <translation>&amp;Registro de tráfico</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Se aplica en el próximo inicio</translation>
    </message>
    <message>
        <source>%1 from the next start</source>
        <translation>%1 a partir del próximo inicio</translation>
    </message>
</context>
<context>
    <name>morvent::WindowLine</name>
    <message>
        <source>%1: not sent, the port is closed</source>
        <extracomment>%1 is the request as the traffic log names it, a text of its own (&quot;Torque write&quot;).</extracomment>
        <translation>%1: no enviado, el puerto está cerrado</translation>
    </message>
    <message>
        <source>Error sending!</source>
        <translation>¡Error al enviar!</translation>
    </message>
</context>
</TS>
