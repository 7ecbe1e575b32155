<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>BackupKeeper</name>
    <message>
        <source>Unable to create the folder %1</source>
        <translation>Nie można utworzyć folderu %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Nie można zapisać do %1</translation>
    </message>
    <message>
        <source>Unable to find a free name in %1</source>
        <translation>Brak wolnej nazwy w %1</translation>
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
        <translation>Brak uprawnień: Twój użytkownik nie może otworzyć %1. Urządzenie należy do grupy „%2”; dodaj się do tej grupy poleceniem
    sudo usermod -aG %2 $USER
a potem wyloguj się i zaloguj ponownie: nowa grupa działa dopiero od nowego logowania.</translation>
    </message>
    <message>
        <source>Create the group first with
    sudo groupadd %1
</source>
        <translation>Najpierw utwórz grupę poleceniem
    sudo groupadd %1
</translation>
    </message>
    <message>
        <source>Permission denied: your user may not open %1, and no group other than root may read and write it. %2Give the group &quot;%3&quot; access with a udev rule: the line
    KERNEL==&quot;%4&quot;, GROUP=&quot;%3&quot;, MODE=&quot;0660&quot;
in a file /etc/udev/rules.d/99-serial-adapter.rules, then plug the adapter in again. Add yourself to the group with
    sudo usermod -aG %3 $USER
then log out and log in again: a new group counts only from a new login.</source>
        <translation>Brak uprawnień: Twój użytkownik nie może otworzyć %1, a poza root żadna grupa nie może go czytać ani zapisywać. %2Nadaj dostęp grupie „%3” regułą udev: wiersz
    KERNEL==&quot;%4&quot;, GROUP=&quot;%3&quot;, MODE=&quot;0660&quot;
w pliku /etc/udev/rules.d/99-serial-adapter.rules, a potem podłącz adapter ponownie. Dodaj się do grupy poleceniem
    sudo usermod -aG %3 $USER
a potem wyloguj się i zaloguj ponownie: nowa grupa działa dopiero od nowego logowania.</translation>
    </message>
    <message>
        <source>%1 is the terminal this program runs in, not a controller&apos;s port. Name the adapter&apos;s port instead.</source>
        <translation>%1 to terminal, w którym działa ten program, a nie port sterownika. Podaj zamiast tego port adaptera.</translation>
    </message>
    <message>
        <source>The port is in use: another program is using it. Close that program, then connect again.</source>
        <translation>Port jest zajęty: używa go inny program. Zamknij ten program i połącz ponownie.</translation>
    </message>
    <message>
        <source>The port is in use by %1. Close %2, then connect again.</source>
        <translation>Port jest używany przez: %1. Zamknij %2 i połącz ponownie.</translation>
    </message>
    <message>
        <source>that program</source>
        <translation>ten program</translation>
    </message>
    <message>
        <source>those programs</source>
        <translation>te programy</translation>
    </message>
    <message>
        <source>
ModemManager probes new serial adapters as if they were modems. Stop it with
    sudo systemctl stop ModemManager
or wait until it lets go of the adapter.</source>
        <translation>
ModemManager sprawdza nowe adaptery szeregowe, jakby były modemami. Zatrzymaj go poleceniem
    sudo systemctl stop ModemManager
lub poczekaj, aż zwolni adapter.</translation>
    </message>
    <message>
        <source>No such device: %1. The adapter is unplugged or the port name is wrong; plug it in and pick it again from the Port list.</source>
        <translation>Brak urządzenia: %1. Adapter jest odłączony lub nazwa portu jest błędna; podłącz go i wybierz ponownie z listy Port.</translation>
    </message>
    <message>
        <source>The device %1 does not answer: the adapter was pulled or has failed. Plug it in again and pick it from the Port list.</source>
        <translation>Urządzenie %1 nie odpowiada: adapter został wyjęty lub uległ awarii. Podłącz go ponownie i wybierz z listy Port.</translation>
    </message>
    <message>
        <source>%1 does not take the line settings: its driver cannot set the rate or the character format asked for. Try another adapter.</source>
        <translation>%1 nie przyjmuje ustawień łącza: jego driver nie może ustawić żądanej szybkości transmisji ani formatu znaków. Spróbuj innego adaptera.</translation>
    </message>
    <message>
        <source>%1 is not a serial port. Pick the adapter from the Port list.</source>
        <translation>%1 nie jest portem szeregowym. Wybierz adapter z listy Port.</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program, then connect again.</source>
        <translation>Port %1 jest zajęty przez inny program. Zamknij ten program i połącz ponownie.</translation>
    </message>
    <message>
        <source>There is no %1 on this computer. The adapter is unplugged or the port name is wrong; plug it in and pick it again from the Port list.</source>
        <translation>Na tym komputerze nie ma portu %1. Adapter jest odłączony lub nazwa portu jest błędna; podłącz go i wybierz ponownie z listy Port.</translation>
    </message>
</context>
<context>
    <name>Form1Ui</name>
    <message>
        <source>Undo Changes</source>
        <translation>Cofnij zmiany</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Podstawowe</translation>
    </message>
    <message>
        <source>Pedal Assist</source>
        <translation>Wspomaganie PAS</translation>
    </message>
    <message>
        <source>Throttle Handle</source>
        <translation>Manetka</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Moment</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Połączenie</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Bandrate:</source>
        <translation>Szybkość transmisji:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>Controller Info</source>
        <translation>Dane sterownika</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>Producent:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Harware Ver:</source>
        <translation>Wersja HW:</translation>
    </message>
    <message>
        <source>Firmware Ver:</source>
        <translation>Wersja FW:</translation>
    </message>
    <message>
        <source>Nominal Voltage:</source>
        <translation>Napięcie znam.:</translation>
    </message>
    <message>
        <source>Max.Current:</source>
        <translation>Prąd maks.:</translation>
    </message>
    <message>
        <source>Read Flash</source>
        <translation>Odczyt flash</translation>
    </message>
    <message>
        <source>Write Flash</source>
        <translation>Zapis flash</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Odczytaj</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Continuous Get</source>
        <translation>Pobieraj ciągle</translation>
    </message>
    <message>
        <source>×10mS</source>
        <translation>×10ms</translation>
    </message>
    <message>
        <source>About Tq</source>
        <translation>Odczyty momentu</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Plot...</source>
        <translation>Wykres...</translation>
    </message>
    <message>
        <source>Plot the readings of the last minute</source>
        <translation>Wykres odczytów z ostatniej minuty</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Pobierz</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz plik</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Wczytaj plik</translation>
    </message>
    <message>
        <source>Load &amp;Backup...</source>
        <translation>Wczytaj &amp;kopię zapasową...</translation>
    </message>
    <message>
        <source>Compare With &amp;File...</source>
        <translation>Porównaj z &amp;plikiem...</translation>
    </message>
    <message>
        <source>Compare With &amp;Controller</source>
        <translation>Porównaj ze &amp;sterownikiem</translation>
    </message>
    <message>
        <source>Clear Compa&amp;rison</source>
        <translation>Wyczyść po&amp;równanie</translation>
    </message>
    <message>
        <source>&amp;Open Backups Folder</source>
        <translation>&amp;Otwórz folder kopii</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>W&amp;yjdź</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Review Changes...</source>
        <translation>&amp;Przejrzyj zmiany...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>A live reading of the torque sensor, as the controller measured it when last asked (Get, Continuous Get, Read Flash).
Read only; not kept in parameter files.</source>
        <translation>Bieżący odczyt czujnika momentu, zmierzony przez sterownik przy ostatnim zapytaniu (Pobierz, Pobieraj ciągle, Odczyt flash).
Tylko do odczytu; nie jest zapisywany w plikach parametrów.</translation>
    </message>
    <message>
        <source>The serial port the controller is on; a device path may be typed.</source>
        <translation>Port szeregowy sterownika; można wpisać ścieżkę urządzenia.</translation>
    </message>
    <message>
        <source>The line speed. Connect finds the controller&apos;s own by trying each in turn from the first; once it answers, the line runs at 9600.</source>
        <translation>Szybkość transmisji. „Połącz” znajduje szybkość sterownika, próbując kolejno od pierwszej; gdy sterownik odpowie, łącze pracuje z szybkością 9600.</translation>
    </message>
    <message>
        <source>Controller System</source>
        <translation>System sterownika</translation>
    </message>
    <message>
        <source>&amp;Export Report...</source>
        <translation>&amp;Eksportuj raport...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drukuj...</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>ends the connection to the controller</comment>
        <translation>Rozłącz</translation>
    </message>
    <message>
        <source>Report Se&amp;ttings...</source>
        <translation>&amp;Ustawienia raportu...</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Systemowy</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>prompt message</source>
        <translation>Komunikat</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>PortList</name>
    <message>
        <source>Simulated controller</source>
        <translation>Symulowany sterownik</translation>
    </message>
    <message>
        <source>The built-in simulated controller (%1), not a real adapter</source>
        <translation>Wbudowany symulowany sterownik (%1), nie prawdziwy adapter</translation>
    </message>
</context>
<context>
    <name>Protocol</name>
    <message>
        <source>Read The Basic Info CheckSum Error</source>
        <translation>Błąd sumy kontrolnej odczytu: Podstawowe</translation>
    </message>
    <message>
        <source>Write The Basic Info CheckSum Error</source>
        <translation>Błąd sumy kontrolnej zapisu: Podstawowe</translation>
    </message>
    <message>
        <source>Basic Set successfully.</source>
        <translation>Podstawowe: zapisano pomyślnie.</translation>
    </message>
    <message>
        <source>Read The Pedal Assist Info CheckSum Error</source>
        <translation>Błąd sumy kontrolnej odczytu: Wspomaganie PAS</translation>
    </message>
    <message>
        <source>Write The Pedal Assist Info CheckSum Error</source>
        <translation>Błąd sumy kontrolnej zapisu: Wspomaganie PAS</translation>
    </message>
    <message>
        <source>Pedal Assist Set successfully.</source>
        <translation>Wspomaganie PAS: zapisano pomyślnie.</translation>
    </message>
    <message>
        <source>Read The Throttle Handle Info CheckSum Error</source>
        <translation>Błąd sumy kontrolnej odczytu: Manetka</translation>
    </message>
    <message>
        <source>Write The Throttle Handle Info CheckSum Error</source>
        <translation>Błąd sumy kontrolnej zapisu: Manetka</translation>
    </message>
    <message>
        <source>Throttle Handle Set successfully.</source>
        <translation>Manetka: zapisano pomyślnie.</translation>
    </message>
    <message>
        <source>Read The Torque Info CheckSum Error</source>
        <translation>Błąd sumy kontrolnej odczytu: Moment</translation>
    </message>
    <message>
        <source>Write The Torque Info CheckSum Error</source>
        <translation>Błąd sumy kontrolnej zapisu: Moment</translation>
    </message>
    <message>
        <source>Torque Set successfully.</source>
        <translation>Moment: zapisano pomyślnie.</translation>
    </message>
    <message>
        <source>Read Flash successfully.</source>
        <translation>Odczyt flash zakończony pomyślnie.</translation>
    </message>
    <message>
        <source>Write Flash successfully.</source>
        <translation>Zapis flash zakończony pomyślnie.</translation>
    </message>
    <message>
        <source>Manufacturer:%1</source>
        <translation>Producent:%1</translation>
    </message>
    <message>
        <source>Model:%1</source>
        <translation>Model:%1</translation>
    </message>
    <message>
        <source>Harware Ver: V%1.%2</source>
        <translation>Wersja HW: V%1.%2</translation>
    </message>
    <message>
        <source>Firmware Ver: V%1</source>
        <translation>Wersja FW: V%1</translation>
    </message>
    <message>
        <source>Max.Current: %1A</source>
        <translation>Prąd maks.: %1A</translation>
    </message>
    <message>
        <source>Firmware Ver:%1</source>
        <translation>Wersja FW:%1</translation>
    </message>
    <message>
        <source>Read The Controller Info CheckSum Error</source>
        <translation>Błąd sumy kontrolnej odczytu danych sterownika</translation>
    </message>
    <message>
        <source>Read The Software Version Error</source>
        <translation>Błąd odczytu wersji oprogramowania</translation>
    </message>
    <message>
        <source>SpeedSignalACC</source>
        <translation>Suma impulsów</translation>
    </message>
    <message>
        <source>SpeedSigLevel</source>
        <translation>Poziom sygnału</translation>
    </message>
    <message>
        <source>LevelHTime</source>
        <translation>Czas stanu wys.</translation>
    </message>
    <message>
        <source>LevelLTime</source>
        <translation>Czas stanu nis.</translation>
    </message>
    <message>
        <source>TqVoltate</source>
        <translation>Napięcie momentu</translation>
    </message>
    <message>
        <source>Read The Tq Info CheckSum Error</source>
        <translation>Błąd sumy kontrolnej odczytu momentu</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1” nie jest prawidłową liczbą całkowitą</translation>
    </message>
    <message>
        <source>Nominal Voltage: 24V</source>
        <translation>Napięcie znam.: 24V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 36V</source>
        <translation>Napięcie znam.: 36V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 48V</source>
        <translation>Napięcie znam.: 48V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 60V</source>
        <translation>Napięcie znam.: 60V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 24-48V</source>
        <translation>Napięcie znam.: 24-48V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 24-60V</source>
        <translation>Napięcie znam.: 24-60V</translation>
    </message>
    <message>
        <source>By Display&apos;s Command</source>
        <translation>Wg wyświetlacza</translation>
    </message>
    <message>
        <source>Low Battery Protect(V):</source>
        <translation>Odcięcie napięcia(V):</translation>
    </message>
    <message>
        <source>Low battery protection: the battery voltage at which the controller cuts off; the list offers the voltages of the connected controller&apos;s class</source>
        <translation>Odcięcie podnapięciowe: napięcie akumulatora, przy którym sterownik wyłącza zasilanie; lista podaje napięcia klasy podłączonego sterownika</translation>
    </message>
    <message>
        <source>Limited Current(A):</source>
        <translation>Limit prądu(A):</translation>
    </message>
    <message>
        <source>Limited current: the controller&apos;s overall current limit</source>
        <translation>Limit prądu: całkowite ograniczenie prądu sterownika</translation>
    </message>
    <message>
        <source>Limited Current</source>
        <translation>Limit prądu</translation>
    </message>
    <message>
        <source>Assit%1:</source>
        <translation>Poziom %1:</translation>
    </message>
    <message>
        <source>Current limit at assist level %1</source>
        <translation>Limit prądu na poziomie wspomagania %1</translation>
    </message>
    <message>
        <source>Limit Current(%)</source>
        <translation>Limit prądu(%)</translation>
    </message>
    <message>
        <source>Speed limit at assist level %1</source>
        <translation>Limit prędkości na poziomie wspomagania %1</translation>
    </message>
    <message>
        <source>Limit Spd(%)</source>
        <translation>Limit prędk.(%)</translation>
    </message>
    <message>
        <source>Wheel Diameler(Inch): </source>
        <translation>Średnica koła(cale): </translation>
    </message>
    <message>
        <source>Wheel diameter</source>
        <translation>Średnica koła</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>cale</translation>
    </message>
    <message>
        <source>Speed Meter Model: </source>
        <translation>Źródło prędkości: </translation>
    </message>
    <message>
        <source>Speed meter model: where the speed signal comes from</source>
        <translation>Źródło prędkości: skąd pochodzi sygnał prędkości</translation>
    </message>
    <message>
        <source>External,Wheel Meter</source>
        <translation>Zewn., czujnik koła</translation>
    </message>
    <message>
        <source>Internal,Motor Meter</source>
        <translation>Wewn., czujnik silnika</translation>
    </message>
    <message>
        <source>By Motor Phase</source>
        <translation>Z fazy silnika</translation>
    </message>
    <message>
        <source>SpdMeter Signal: </source>
        <translation>Impulsy prędkości: </translation>
    </message>
    <message>
        <source>Speed meter signals</source>
        <translation>Impulsy prędkości na obrót koła</translation>
    </message>
    <message>
        <source>SpdMeter Signal</source>
        <translation>Impulsy prędkości</translation>
    </message>
    <message>
        <source>Pedal Type: </source>
        <translation>Czujnik PAS: </translation>
    </message>
    <message>
        <source>Pedal sensor type</source>
        <translation>Typ czujnika PAS</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Disignated Assist: </source>
        <translation>Zadany poziom: </translation>
    </message>
    <message>
        <source>Assist level under pedal assist: a fixed level, or the display&apos;s choice</source>
        <translation>Poziom wspomagania przy pedałowaniu: stały poziom lub wybór z wyświetlacza</translation>
    </message>
    <message>
        <source>Speed Limited: </source>
        <translation>Limit prędkości: </translation>
    </message>
    <message>
        <source>Speed limit under pedal assist, or the display&apos;s choice</source>
        <translation>Limit prędkości przy pedałowaniu lub wybór z wyświetlacza</translation>
    </message>
    <message>
        <source>Slow-Start Mode(1-8): </source>
        <translation>Łagodny start(1-8): </translation>
    </message>
    <message>
        <source>Slow-start mode</source>
        <translation>Łagodny start</translation>
    </message>
    <message>
        <source>Work Mode(Angular Speed of pedal/wheel*10): </source>
        <translation>Tryb(prędk. kątowa pedał/koło*10): </translation>
    </message>
    <message>
        <source>Work mode: the angular speed of pedal to wheel</source>
        <translation>Tryb pracy: prędkość kątowa pedału względem koła</translation>
    </message>
    <message>
        <source>Undeterminated</source>
        <translation>Nieokreślony</translation>
    </message>
    <message>
        <source>Start Current(%): </source>
        <translation>Prąd startowy(%): </translation>
    </message>
    <message>
        <source>Start current under pedal assist</source>
        <translation>Prąd startowy przy pedałowaniu</translation>
    </message>
    <message>
        <source>Start Current</source>
        <translation>Prąd startowy</translation>
    </message>
    <message>
        <source>Startup Dgree(Signal No.): </source>
        <translation>Próg startu(l. sygnałów): </translation>
    </message>
    <message>
        <source>Startup degree: the pedal sensor signals before the motor starts</source>
        <translation>Próg startu: sygnały czujnika PAS, zanim ruszy silnik</translation>
    </message>
    <message>
        <source>signals</source>
        <translation>sygnały</translation>
    </message>
    <message>
        <source>Startup Dgree</source>
        <translation>Próg startu</translation>
    </message>
    <message>
        <source>Time of stop(x10ms): </source>
        <translation>Czas zatrzym.(x10ms): </translation>
    </message>
    <message>
        <source>Time of stop</source>
        <translation>Czas zatrzym.</translation>
    </message>
    <message>
        <source>Current Decay(1-8): </source>
        <translation>Spadek prądu(1-8): </translation>
    </message>
    <message>
        <source>Current decay</source>
        <translation>Spadek prądu</translation>
    </message>
    <message>
        <source>Current Decay</source>
        <translation>Spadek prądu</translation>
    </message>
    <message>
        <source>Stop Decay(x10ms): </source>
        <translation>Wygaszanie(x10ms): </translation>
    </message>
    <message>
        <source>Stop decay</source>
        <translation>Wygaszanie przy zatrzymaniu</translation>
    </message>
    <message>
        <source>Stop Decay</source>
        <translation>Wygaszanie</translation>
    </message>
    <message>
        <source>Keep Current(%)</source>
        <translation>Prąd podtrzym.(%)</translation>
    </message>
    <message>
        <source>Keep current</source>
        <translation>Prąd podtrzymania</translation>
    </message>
    <message>
        <source>Keep Current</source>
        <translation>Prąd podtrzym.</translation>
    </message>
    <message>
        <source>Start Voltage(x100mv): </source>
        <translation>Napięcie startu(x100mV): </translation>
    </message>
    <message>
        <source>Start voltage: the throttle voltage at which the motor starts</source>
        <translation>Napięcie startu: napięcie manetki, przy którym rusza silnik</translation>
    </message>
    <message>
        <source>Start Voltage</source>
        <translation>Napięcie startu</translation>
    </message>
    <message>
        <source>End Voltage(x100mV): </source>
        <translation>Napięcie końca(x100mV): </translation>
    </message>
    <message>
        <source>End voltage: the throttle voltage of full command</source>
        <translation>Napięcie końca: napięcie manetki przy pełnym wychyleniu</translation>
    </message>
    <message>
        <source>End Voltage</source>
        <translation>Napięcie końca</translation>
    </message>
    <message>
        <source>Mode: </source>
        <translation>Tryb: </translation>
    </message>
    <message>
        <source>What the throttle commands: speed or current</source>
        <translation>Czym steruje manetka: prędkością czy prądem</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Prędkość</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Prąd</translation>
    </message>
    <message>
        <source>Designated Assist: </source>
        <translation>Zadany poziom: </translation>
    </message>
    <message>
        <source>Assist level under the throttle: a fixed level, or the display&apos;s choice</source>
        <translation>Poziom wspomagania z manetką: stały poziom lub wybór z wyświetlacza</translation>
    </message>
    <message>
        <source>Speed limit under the throttle, or the display&apos;s choice</source>
        <translation>Limit prędkości z manetką lub wybór z wyświetlacza</translation>
    </message>
    <message>
        <source>Start current under the throttle</source>
        <translation>Prąd startowy z manetką</translation>
    </message>
    <message>
        <source>Base Voltage:</source>
        <translation>Napięcie bazowe:</translation>
    </message>
    <message>
        <source>Base voltage of the torque sensor</source>
        <translation>Napięcie bazowe czujnika momentu</translation>
    </message>
    <message>
        <source>BaseVoltage of </source>
        <translation>Napięcie bazowe</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Error voltage, minimum</source>
        <translation>Napięcie błędu, minimum</translation>
    </message>
    <message>
        <source>Error Voltage:</source>
        <translation>Napięcie błędu:</translation>
    </message>
    <message>
        <source>ErrorVoltage of Min</source>
        <translation>Napięcie błędu min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Maks</translation>
    </message>
    <message>
        <source>Error voltage, maximum</source>
        <translation>Napięcie błędu, maksimum</translation>
    </message>
    <message>
        <source>%1 Kg:</source>
        <translation>%1 kg:</translation>
    </message>
    <message>
        <source>Delta voltage of the %1 Kg band</source>
        <translation>Napięcie delta zakresu %1 kg</translation>
    </message>
    <message>
        <source>Delta Voltage:</source>
        <translation>Napięcie delta:</translation>
    </message>
    <message>
        <source>0 Speed Boost Time:</source>
        <translation>Czas boostu od 0:</translation>
    </message>
    <message>
        <source>Boost time at zero speed</source>
        <translation>Czas boostu przy zerowej prędkości</translation>
    </message>
    <message>
        <source>Start(Kg):</source>
        <translation>Start(kg):</translation>
    </message>
    <message>
        <source>Start weight</source>
        <translation>Siła startu</translation>
    </message>
    <message>
        <source>Full(Kg):</source>
        <translation>Pełne(kg):</translation>
    </message>
    <message>
        <source>Full weight</source>
        <translation>Siła pełnego wspomagania</translation>
    </message>
    <message>
        <source>Return(Kg):</source>
        <translation>Powrót(kg):</translation>
    </message>
    <message>
        <source>Return weight</source>
        <translation>Siła powrotu</translation>
    </message>
    <message>
        <source>MinCur(%):</source>
        <translation>Prąd min(%):</translation>
    </message>
    <message>
        <source>Minimum current</source>
        <translation>Prąd minimalny</translation>
    </message>
    <message>
        <source>MaxCur(%):</source>
        <translation>Prąd maks(%):</translation>
    </message>
    <message>
        <source>Maximum current</source>
        <translation>Prąd maksymalny</translation>
    </message>
    <message>
        <source>KeepCur(%):</source>
        <translation>Prąd podtrz.(%):</translation>
    </message>
    <message>
        <source>CurDecy:</source>
        <translation>Spadek prądu:</translation>
    </message>
    <message>
        <source>StarDegree:</source>
        <translation>Próg startu:</translation>
    </message>
    <message>
        <source>Start degree</source>
        <translation>Próg startu</translation>
    </message>
    <message>
        <source>%1 at speed point Spd%2</source>
        <translation>%1 w punkcie prędkości Spd%2</translation>
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
        <translation>od %1 do %2</translation>
    </message>
    <message>
        <source>one of the list: %1</source>
        <translation>jedna z listy: %1</translation>
    </message>
    <message>
        <source>700C, or a size from %1 to %2, chosen from the list or typed</source>
        <translation>700C lub rozmiar od %1 do %2, wybrany z listy lub wpisany</translation>
    </message>
    <message>
        <source>%1 (Write Flash sends up to %2)</source>
        <translation>%1 (Zapis flash wysyła do %2)</translation>
    </message>
    <message>
        <source>%1, and not above the controller&apos;s maximum current (Max.Current)</source>
        <translation>%1, i nie powyżej prądu maksymalnego sterownika (Prąd maks.)</translation>
    </message>
    <message>
        <source>%1, chosen from the list or typed</source>
        <translation>%1, wybrane z listy lub wpisane</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Podstawowe</translation>
    </message>
    <message>
        <source>Pedal Assist</source>
        <translation>Wspomaganie PAS</translation>
    </message>
    <message>
        <source>Throttle Handle</source>
        <translation>Manetka</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Moment</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Unit: %1</source>
        <translation>Jednostka: %1</translation>
    </message>
    <message>
        <source>Accepted: %1</source>
        <translation>Dozwolone: %1</translation>
    </message>
    <message>
        <source>Parameter file key: %1 in [%2]</source>
        <translation>Klucz w pliku parametrów: %1 w [%2]</translation>
    </message>
    <message>
        <source>The %1 setting error,Please reset</source>
        <translation>Błąd ustawienia %1. Ustaw ponownie.</translation>
    </message>
    <message>
        <source>The %1 setting error,Please reset.</source>
        <translation>Błąd ustawienia %1. Ustaw ponownie.</translation>
    </message>
    <message>
        <source>The %1 is out of range,Please input again.</source>
        <translation>%1 poza zakresem. Wpisz ponownie.</translation>
    </message>
    <message>
        <source>This serial port already opened</source>
        <translation>Ten port szeregowy jest już otwarty</translation>
    </message>
    <message>
        <source>Error opening serial port</source>
        <translation>Błąd otwarcia portu szeregowego</translation>
    </message>
    <message>
        <source>File handle is not a comm handle </source>
        <translation>Urządzenie nie jest portem szeregowym</translation>
    </message>
    <message>
        <source>Cannot setup comm buffer</source>
        <translation>Nie można ustawić bufora portu</translation>
    </message>
    <message>
        <source>Unable to create event</source>
        <translation>Nie można utworzyć zdarzenia</translation>
    </message>
    <message>
        <source>Unable to create read thread</source>
        <translation>Nie można utworzyć wątku odczytu</translation>
    </message>
    <message>
        <source>Unable to create write thread</source>
        <translation>Nie można utworzyć wątku zapisu</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Nie można zapisać do %1</translation>
    </message>
    <message>
        <source>%1 is missing, and %2 with it</source>
        <translation>Brak %1, a wraz z nią %2</translation>
    </message>
    <message>
        <source>%1 is missing from %2 on line %3</source>
        <translation>Brak %1 w %2 (wiersz %3)</translation>
    </message>
    <message>
        <source>%1=%2 on line %3 is not a whole number</source>
        <translation>%1=%2 w wierszu %3 nie jest liczbą całkowitą</translation>
    </message>
    <message>
        <source>%1=%2 on line %3 is no item of its list (0 to %4)</source>
        <translation>%1=%2 w wierszu %3 nie jest pozycją listy (od 0 do %4)</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>Brak %1</translation>
    </message>
    <message>
        <source>Unable to read %1. At more than 1 MiB it is not a parameter file</source>
        <translation>Nie można odczytać %1. Plik większy niż 1 MiB nie jest plikiem parametrów</translation>
    </message>
    <message>
        <source>Unable to read %1</source>
        <translation>Nie można odczytać %1</translation>
    </message>
    <message>
        <source>%1 is not a parameter file: it is UTF-16 or binary, not 8-bit text</source>
        <translation>%1 nie jest plikiem parametrów: to UTF-16 lub plik binarny, a nie tekst 8-bitowy</translation>
    </message>
    <message>
        <source>%1 is not a parameter file: it has none of the sections %2</source>
        <translation>%1 nie jest plikiem parametrów: nie ma żadnej z sekcji %2</translation>
    </message>
    <message>
        <source>Unable to write to %1: it is a symbolic link to %2, which does not exist</source>
        <translation>Nie można zapisać do %1: to dowiązanie symboliczne do %2, które nie istnieje</translation>
    </message>
    <message>
        <source>Unable to write to %1. At more than 1 MiB it is not a parameter file</source>
        <translation>Nie można zapisać do %1. Plik większy niż 1 MiB nie jest plikiem parametrów</translation>
    </message>
    <message>
        <source>Unable to write to %1: it is not a parameter file: it is UTF-16 or binary, not 8-bit text</source>
        <translation>Nie można zapisać do %1: to nie jest plik parametrów: to UTF-16 lub plik binarny, a nie tekst 8-bitowy</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2, so nothing was changed</source>
        <translation>Nie można zapisać do %1: %2, więc nic nie zmieniono</translation>
    </message>
    <message>
        <source>Unable to write to %1 (what it held is kept in %2)</source>
        <translation>Nie można zapisać do %1 (poprzednia zawartość jest w %2)</translation>
    </message>
    <message>
        <source>%1: wrong length</source>
        <translation>%1: błędna długość</translation>
    </message>
    <message>
        <source>%1: cut short</source>
        <translation>%1: niepełna wiadomość</translation>
    </message>
    <message>
        <source>%1: checksum error</source>
        <translation>%1: błąd sumy kontrolnej</translation>
    </message>
    <message>
        <source>connect request</source>
        <translation>żądanie połączenia</translation>
    </message>
    <message>
        <source>firmware text request</source>
        <translation>żądanie tekstu firmware</translation>
    </message>
    <message>
        <source>live readings request</source>
        <translation>żądanie bieżących odczytów</translation>
    </message>
    <message>
        <source>%1 read request</source>
        <translation>żądanie odczytu %1</translation>
    </message>
    <message>
        <source>%1 write</source>
        <translation>zapis %1</translation>
    </message>
    <message>
        <source>unrecognised frame</source>
        <translation>nierozpoznana ramka</translation>
    </message>
    <message>
        <source>unrecognised chunk</source>
        <translation>nierozpoznane dane</translation>
    </message>
    <message>
        <source>identity reply</source>
        <translation>odpowiedź identyfikacji</translation>
    </message>
    <message>
        <source>firmware text reply</source>
        <translation>odpowiedź z tekstem firmware</translation>
    </message>
    <message>
        <source>live readings reply, not awaited: ignored</source>
        <translation>odpowiedź z bieżącymi odczytami, nieoczekiwana: zignorowana</translation>
    </message>
    <message>
        <source>live readings reply</source>
        <translation>odpowiedź z bieżącymi odczytami</translation>
    </message>
    <message>
        <source>%1 reply</source>
        <translation>odpowiedź %1</translation>
    </message>
    <message>
        <source>%1 reply, not awaited: ignored</source>
        <translation>odpowiedź %1, nieoczekiwana: zignorowana</translation>
    </message>
    <message>
        <source>%1 write accepted</source>
        <translation>zapis %1 przyjęty</translation>
    </message>
    <message>
        <source>%1 write refused at byte %2 (%3)</source>
        <translation>zapis %1 odrzucony przy bajcie %2 (%3)</translation>
    </message>
    <message>
        <source>%1 write: unknown status %2</source>
        <translation>zapis %1: nieznany status %2</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Nie można zapisać do %1: %2</translation>
    </message>
    <message>
        <source>name the report FILE.pdf or FILE.html</source>
        <translation>nazwij raport PLIK.pdf lub PLIK.html</translation>
    </message>
    <message>
        <source>it is a symbolic link to %1, which does not exist</source>
        <translation>to dowiązanie symboliczne do %1, które nie istnieje</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>%1 holds no parameters: the last save to it was cut short</source>
        <translation>%1 nie zawiera parametrów: ostatnie zapisywanie tego pliku zostało przerwane</translation>
    </message>
    <message>
        <source>%1 holds no parameters: the last save to it was cut short. What it held before that save is kept in %2</source>
        <translation>%1 nie zawiera parametrów: ostatnie zapisywanie tego pliku zostało przerwane. Zawartość sprzed tego zapisywania jest w %2</translation>
    </message>
    <message>
        <source>%1 holds no parameters: the last save to it was cut short, and no copy of what it held before is kept</source>
        <translation>%1 nie zawiera parametrów: ostatnie zapisywanie tego pliku zostało przerwane, a kopia poprzedniej zawartości nie została zachowana</translation>
    </message>
    <message>
        <source>%1 on the Basic page shows %2, which a parameter file cannot hold</source>
        <translation>Pole %1 na stronie „Podstawowe” pokazuje %2, a takiej wartości nie można zachować w pliku parametrów</translation>
    </message>
    <message>
        <source>%1 on the Pedal Assist page shows %2, which a parameter file cannot hold</source>
        <translation>Pole %1 na stronie „Wspomaganie PAS” pokazuje %2, a takiej wartości nie można zachować w pliku parametrów</translation>
    </message>
    <message>
        <source>%1 on the Throttle Handle page shows %2, which a parameter file cannot hold</source>
        <translation>Pole %1 na stronie „Manetka” pokazuje %2, a takiej wartości nie można zachować w pliku parametrów</translation>
    </message>
    <message>
        <source>%1 on the Torque page shows %2, which a parameter file cannot hold</source>
        <translation>Pole %1 na stronie „Moment” pokazuje %2, a takiej wartości nie można zachować w pliku parametrów</translation>
    </message>
</context>
<context>
    <name>ReadingRecorder</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Nie można zapisać do %1</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>(controller: %1)</source>
        <translation>(sterownik: %1)</translation>
    </message>
    <message>
        <source>Controller settings</source>
        <translation>Ustawienia sterownika</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Bike or customer: %1</source>
        <translation>Rower lub klient: %1</translation>
    </message>
    <message>
        <source>Work Mode (pedal/wheel speed ratio)</source>
        <translation>Tryb pracy (stosunek prędkości pedał/koło)</translation>
    </message>
    <message>
        <source>Read from this controller at %1</source>
        <translation>Odczytano z tego sterownika o %1</translation>
    </message>
    <message>
        <source>Not read from this controller: these values were left on the page by another controller or a file, and may not be this bike&apos;s.</source>
        <translation>Nie odczytano z tego sterownika: te wartości pozostawił na stronie inny sterownik lub plik i mogą nie dotyczyć tego roweru.</translation>
    </message>
    <message>
        <source>Technician: %1</source>
        <translation>Serwisant: %1</translation>
    </message>
    <message>
        <source>Changes in this visit</source>
        <translation>Zmiany podczas tej wizyty w serwisie</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ustawienie</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Przed</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Po</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
    </message>
    <message>
        <source>T</source>
        <comment>mark: typed in, not written</comment>
        <translation>W</translation>
    </message>
    <message>
        <source>F</source>
        <comment>mark: loaded from a file, not written</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>E</source>
        <comment>mark: left from before connecting</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>%1: typed in, and not written to this controller.</source>
        <translation>%1: wpisane ręcznie i niezapisane do tego sterownika.</translation>
    </message>
    <message>
        <source>%1: loaded from a file, and not written to this controller.</source>
        <translation>%1: wczytane z pliku i niezapisane do tego sterownika.</translation>
    </message>
    <message>
        <source>%1: left on the page from before connecting: not read from this controller, and may be another bike&apos;s.</source>
        <translation>%1: pozostałe na stronie sprzed połączenia: nie odczytano ich z tego sterownika i mogą pochodzić z innego roweru.</translation>
    </message>
    <message>
        <source>Read from this controller at %1, but for the values marked.</source>
        <translation>Odczytano z tego sterownika o %1, z wyjątkiem oznaczonych wartości.</translation>
    </message>
    <message>
        <source>Not read from this controller: each value is marked with where it comes from.</source>
        <translation>Nie odczytano z tego sterownika: przy każdej wartości zaznaczono, skąd pochodzi.</translation>
    </message>
    <message>
        <source>Not read from this controller: typed in, and not written to it.</source>
        <translation>Nie odczytano z tego sterownika: wartości wpisano ręcznie i nie zapisano do niego.</translation>
    </message>
    <message>
        <source>Not read from this controller: loaded from a file, and not written to it.</source>
        <translation>Nie odczytano z tego sterownika: wartości wczytano z pliku i nie zapisano do niego.</translation>
    </message>
    <message>
        <source>Where a value is not what the controller holds, the controller&apos;s value follows it.</source>
        <translation>Jeśli wartość różni się od tej w sterowniku, po niej podano wartość sterownika.</translation>
    </message>
</context>
<context>
    <name>morvent::AwaitedWording</name>
    <message>
        <source>Waiting for the Basic block</source>
        <translation>Czekam na blok „Podstawowe”</translation>
    </message>
    <message>
        <source>Waiting for the Basic block to be stored</source>
        <translation>Czekam na zapisanie bloku „Podstawowe”</translation>
    </message>
    <message>
        <source>Waiting for the Pedal Assist block</source>
        <translation>Czekam na blok „Wspomaganie PAS”</translation>
    </message>
    <message>
        <source>Waiting for the Pedal Assist block to be stored</source>
        <translation>Czekam na zapisanie bloku „Wspomaganie PAS”</translation>
    </message>
    <message>
        <source>Waiting for the Throttle Handle block</source>
        <translation>Czekam na blok „Manetka”</translation>
    </message>
    <message>
        <source>Waiting for the Throttle Handle block to be stored</source>
        <translation>Czekam na zapisanie bloku „Manetka”</translation>
    </message>
    <message>
        <source>Waiting for the Torque block</source>
        <translation>Czekam na blok „Moment”</translation>
    </message>
    <message>
        <source>Waiting for the Torque block to be stored</source>
        <translation>Czekam na zapisanie bloku „Moment”</translation>
    </message>
    <message>
        <source>Continuous Get: the live readings</source>
        <translation>Pobieranie ciągłe: bieżące odczyty</translation>
    </message>
    <message>
        <source>Waiting for the live readings</source>
        <translation>Czekam na bieżące odczyty</translation>
    </message>
    <message>
        <source>Waiting for the firmware text</source>
        <translation>Czekam na tekst oprogramowania</translation>
    </message>
    <message>
        <source>Read Flash: Basic, %1 of %2</source>
        <translation>Odczyt flash: Podstawowe, %1 z %2</translation>
    </message>
    <message>
        <source>Read Flash: Pedal Assist, %1 of %2</source>
        <translation>Odczyt flash: Wspomaganie PAS, %1 z %2</translation>
    </message>
    <message>
        <source>Read Flash: Throttle Handle, %1 of %2</source>
        <translation>Odczyt flash: Manetka, %1 z %2</translation>
    </message>
    <message>
        <source>Read Flash: Torque, %1 of %2</source>
        <translation>Odczyt flash: Moment, %1 z %2</translation>
    </message>
    <message>
        <source>Read Flash: Live Readings, %1 of %2</source>
        <translation>Odczyt flash: bieżące odczyty, %1 z %2</translation>
    </message>
    <message>
        <source>Write Flash: Basic, %1 of %2</source>
        <translation>Zapis flash: Podstawowe, %1 z %2</translation>
    </message>
    <message>
        <source>Write Flash: Pedal Assist, %1 of %2</source>
        <translation>Zapis flash: Wspomaganie PAS, %1 z %2</translation>
    </message>
    <message>
        <source>Write Flash: Throttle Handle, %1 of %2</source>
        <translation>Zapis flash: Manetka, %1 z %2</translation>
    </message>
    <message>
        <source>Write Flash: Torque, %1 of %2</source>
        <translation>Zapis flash: Moment, %1 z %2</translation>
    </message>
    <message>
        <source>Write Flash: Live Readings, %1 of %2</source>
        <translation>Zapis flash: bieżące odczyty, %1 z %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Basic, %1 of %2</source>
        <translation>Porównanie ze sterownikiem: Podstawowe, %1 z %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Pedal Assist, %1 of %2</source>
        <translation>Porównanie ze sterownikiem: Wspomaganie PAS, %1 z %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Throttle Handle, %1 of %2</source>
        <translation>Porównanie ze sterownikiem: Manetka, %1 z %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Torque, %1 of %2</source>
        <translation>Porównanie ze sterownikiem: Moment, %1 z %2</translation>
    </message>
    <message>
        <source>Compare With Controller: Live Readings, %1 of %2</source>
        <translation>Porównanie ze sterownikiem: bieżące odczyty, %1 z %2</translation>
    </message>
</context>
<context>
    <name>morvent::BlockRequests</name>
    <message>
        <source>Write</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Write Flash</source>
        <translation>Zapis flash</translation>
    </message>
    <message>
        <source>Not read from this controller or loaded from a file since connecting: %1, which may show what another controller or file left there.</source>
        <translation>Od połączenia nie odczytano z tego sterownika ani nie wczytano z pliku: %1. Mogą tam być wartości pozostawione przez inny sterownik lub plik.</translation>
    </message>
    <message>
        <source>The controller&apos;s own values of %1 were not read, so nothing keeps them once they are written over. Write Flash anyway?</source>
        <translation>Wartości zapisane w sterowniku (%1) nie zostały odczytane, więc po nadpisaniu nic ich nie zachowa. Mimo to wykonać zapis flash?</translation>
    </message>
    <message>
        <source>The controller&apos;s own values of %1 were not read, so nothing keeps them once they are written over. Write anyway?</source>
        <translation>Wartości zapisane w sterowniku (%1) nie zostały odczytane, więc po nadpisaniu nic ich nie zachowa. Mimo to zapisać?</translation>
    </message>
    <message>
        <source>Not written: %1 on the Basic page</source>
        <translation>Nie zapisano: %1 na stronie „Podstawowe”</translation>
    </message>
    <message>
        <source>Not written: %1 on the Pedal Assist page</source>
        <translation>Nie zapisano: %1 na stronie „Wspomaganie PAS”</translation>
    </message>
    <message>
        <source>Not written: %1 on the Throttle Handle page</source>
        <translation>Nie zapisano: %1 na stronie „Manetka”</translation>
    </message>
    <message>
        <source>Not written: %1 on the Torque page</source>
        <translation>Nie zapisano: %1 na stronie „Moment”</translation>
    </message>
</context>
<context>
    <name>morvent::ChangeMarks</name>
    <message numerus="yes">
        <source>%n changes not written</source>
        <translation>
            <numerusform>%n zmiana niezapisana</numerusform>
            <numerusform>%n zmiany niezapisane</numerusform>
            <numerusform>%n zmian niezapisanych</numerusform>
        </translation>
    </message>
    <message>
        <source>Changed: the controller holds %1.
</source>
        <translation>Zmieniono: sterownik ma %1.
</translation>
    </message>
    <message>
        <source>Changed before the page was read: what the controller holds is not known yet.
</source>
        <translation>Zmieniono przed odczytem strony: wartość w sterowniku nie jest jeszcze znana.
</translation>
    </message>
    <message>
        <source> (changed)</source>
        <translation> (zmienione)</translation>
    </message>
</context>
<context>
    <name>morvent::ComparisonMarks</name>
    <message>
        <source>Not read or loaded since connecting: the fields may not hold the controller&apos;s values. Read the page or load a file before writing it.</source>
        <translation>Nie odczytano ani nie wczytano od połączenia: pola mogą nie zawierać wartości sterownika. Przed zapisem odczytaj stronę lub wczytaj plik.</translation>
    </message>
    <message>
        <source>nothing selected (-1)</source>
        <translation>nic nie wybrano (-1)</translation>
    </message>
    <message>
        <source>%1 (item %2)</source>
        <translation>%1 (pozycja %2)</translation>
    </message>
    <message>
        <source>Not loaded from %1, so 0: %2</source>
        <translation>Nie wczytano z %1, więc 0: %2</translation>
    </message>
    <message>
        <source>In %1: %2</source>
        <translation>Według %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n fields were not in %1: set to 0</source>
        <translation>
            <numerusform>Brak %n pola w %1: ustawiono 0</numerusform>
            <numerusform>Brak %n pól w %1: ustawiono 0</numerusform>
            <numerusform>Brak %n pól w %1: ustawiono 0</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fields differ from %1</source>
        <translation>
            <numerusform>%n pole różni się od %1</numerusform>
            <numerusform>%n pola różnią się od %1</numerusform>
            <numerusform>%n pól różni się od %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No field differs from %1</source>
        <translation>Żadne pole nie różni się od %1</translation>
    </message>
</context>
<context>
    <name>morvent::ConnectionProbing</name>
    <message>
        <source>No adapter found</source>
        <translation>Nie znaleziono adaptera</translation>
    </message>
    <message>
        <source>No adapter found. To try the window without a bike, start it with --simulate (the menu entry &quot;Try with the simulated controller&quot;): the simulated controller is then first in this list.</source>
        <translation>Nie znaleziono adaptera. Aby wypróbować okno bez roweru, uruchom program z opcją --simulate (pozycja menu „Wypróbuj z symulowanym sterownikiem”): symulowany sterownik jest wtedy pierwszy na tej liście.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Rozłączono</translation>
    </message>
    <message>
        <source>Probing at %1 baud</source>
        <translation>Szukanie przy %1 bodów</translation>
    </message>
    <message>
        <source>Connected: %1 %2</source>
        <translation>Połączono: %1 %2</translation>
    </message>
    <message>
        <source>F1 opens Getting Started: seven steps from connecting to the report.</source>
        <translation>F1 otwiera „Pierwsze kroki”: siedem etapów od połączenia do raportu.</translation>
    </message>
    <message>
        <source>Probing at %1 baud: no controller answered at any rate. Check its power and key switch, the TX/RX wiring and the port</source>
        <translation>Szukanie przy %1 bodów: żaden sterownik nie odpowiedział przy żadnej szybkości transmisji. Sprawdź zasilanie sterownika i stacyjkę, przewody TX/RX oraz port</translation>
    </message>
</context>
<context>
    <name>morvent::ContinuousGet</name>
    <message>
        <source>Continuous Get running: press Continuous Get again to stop</source>
        <translation>Trwa pobieranie ciągłe: naciśnij ponownie „Pobieraj ciągle”, aby je zatrzymać</translation>
    </message>
</context>
<context>
    <name>morvent::FileChoiceWindow</name>
    <message>
        <source>Directory Name: </source>
        <translation>Nazwa folderu: </translation>
    </message>
    <message>
        <source>Directories: </source>
        <translation>Foldery: </translation>
    </message>
    <message>
        <source>Files: </source>
        <translation>Pliki: </translation>
    </message>
    <message>
        <source>Drives: </source>
        <translation>Dyski: </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>File name, e.g. bike.el</source>
        <translation>Nazwa pliku, np. rower.el</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Foldery</translation>
    </message>
    <message>
        <source>Files of type</source>
        <translation>Typ pliku</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Pliki</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Dyski</translation>
    </message>
</context>
<context>
    <name>morvent::GettingStarted</name>
    <message>
        <source>Getting Started</source>
        <translation>Pierwsze kroki</translation>
    </message>
    <message>
        <source>&lt;b&gt;Connect.&lt;/b&gt; Plug the USB-serial adapter into the computer and into the controller&apos;s programming lead, and switch the controller on. Choose the adapter in the %1 list and press %2. Once the controller answers, %3 shows its model and firmware.</source>
        <translation>&lt;b&gt;Połącz.&lt;/b&gt; Podłącz adapter USB-szeregowy do komputera i do przewodu programującego sterownika, a następnie włącz sterownik. Wybierz adapter z listy %1 i naciśnij %2. Gdy sterownik odpowie, w ramce %3 pojawią się jego model i wersja firmware.</translation>
    </message>
    <message>
        <source>Without an adapter or a bike, start morvent from its menu entry &quot;Try with the simulated controller&quot; (or as &lt;tt&gt;morvent --simulate&lt;/tt&gt;): the simulated controller is then first in the %1 list and answers as a real one does.</source>
        <translation>Nie mając adaptera ani roweru, uruchom morvent z pozycji menu „Wypróbuj z symulowanym sterownikiem” (lub poleceniem &lt;tt&gt;morvent --simulate&lt;/tt&gt;): symulowany sterownik jest wtedy pierwszy na liście %1 i odpowiada tak jak prawdziwy.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Read.&lt;/b&gt; Press %1 to read all four pages from the controller, or a page&apos;s own %2 for that page alone. Each %1 keeps a backup of what the controller held.</source>
        <translation>&lt;b&gt;Odczytaj.&lt;/b&gt; Naciśnij %1, aby odczytać ze sterownika wszystkie cztery strony, albo przycisk %2 na danej stronie, aby odczytać tylko ją. Przy każdym użyciu %1 zachowywana jest kopia zapasowa zawartości sterownika.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Change.&lt;/b&gt; Type the new values into the fields. A changed field is marked until it is written; %1 puts its page back as it was read. Rest the mouse on a field to see what it sets and which values it takes.</source>
        <translation>&lt;b&gt;Zmień.&lt;/b&gt; Wpisz nowe wartości w pola. Zmienione pole pozostaje oznaczone, dopóki nie zostanie zapisane; %1 przywraca stronę do stanu z odczytu. Zatrzymaj kursor myszy nad polem, aby zobaczyć, co ono ustawia i jakie wartości przyjmuje.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Review.&lt;/b&gt; %1 in the %2 menu (%3) lists every changed field with the controller&apos;s value beside the page&apos;s, before anything is written.</source>
        <translation>&lt;b&gt;Przejrzyj.&lt;/b&gt; Polecenie %1 w menu %2 (%3) pokazuje, zanim cokolwiek zostanie zapisane, wszystkie zmienione pola z wartością sterownika obok wartości strony.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Write.&lt;/b&gt; Press %1 to write all four pages, or a page&apos;s own %2. Should the controller refuse a value, a message says which, and its field is shown.</source>
        <translation>&lt;b&gt;Zapisz.&lt;/b&gt; Naciśnij %1, aby zapisać wszystkie cztery strony, albo przycisk %2 na danej stronie. Jeśli sterownik odrzuci jakąś wartość, komunikat wskaże którą, a jej pole zostanie pokazane.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save.&lt;/b&gt; %1 → %2 (%3) keeps the four pages&apos; values in a parameter file (.el); %1 → %4 puts them back into the pages, to write to this controller or another.</source>
        <translation>&lt;b&gt;Zachowaj w pliku.&lt;/b&gt; %1 → %2 (%3) zachowuje wartości czterech stron w pliku parametrów (.el); %1 → %4 wczytuje je z powrotem na strony, aby zapisać je do tego lub innego sterownika.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Report.&lt;/b&gt; %1 → %2 writes what the pages hold to a PDF or HTML file for the customer or the workshop&apos;s records; %1 → %3 prints it.</source>
        <translation>&lt;b&gt;Raport.&lt;/b&gt; %1 → %2 zapisuje zawartość stron do pliku PDF lub HTML dla klienta albo do dokumentacji warsztatu; %1 → %3 drukuje go.</translation>
    </message>
    <message>
        <source>Seven steps from a controller on the bench to a report of what it holds.</source>
        <translation>Siedem etapów: od sterownika na stole warsztatowym do raportu z jego ustawień.</translation>
    </message>
</context>
<context>
    <name>morvent::KeepingActions</name>
    <message>
        <source>What %1 held is kept in %2</source>
        <translation>Poprzednia zawartość %1 jest w %2</translation>
    </message>
    <message>
        <source>Saved: %1</source>
        <translation>Zapisano: %1</translation>
    </message>
    <message>
        <source>Compare With File</source>
        <translation>Porównaj z plikiem</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Wczytaj plik</translation>
    </message>
    <message>
        <source>Load Backup</source>
        <translation>Wczytaj kopię zapasową</translation>
    </message>
    <message>
        <source>Backup kept: %1</source>
        <translation>Zachowano kopię: %1</translation>
    </message>
    <message>
        <source>No backup kept</source>
        <translation>Nie zachowano kopii</translation>
    </message>
    <message>
        <source>Saved: %1. Its name has no &quot;.el&quot;, so Load lists it under &quot;All files&quot; only.</source>
        <translation>Zapisano: %1. Nazwa nie kończy się na „.el”, więc „Wczytaj plik” pokaże go tylko w widoku „Wszystkie pliki”.</translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: a load puts the backup&apos;s values over what was typed. Load anyway?</source>
        <translation>
            <numerusform>%n zmiana nie została zapisana do sterownika: wczytanie nadpisze wpisane wartości wartościami z kopii zapasowej. Mimo to wczytać?</numerusform>
            <numerusform>%n zmiany nie zostały zapisane do sterownika: wczytanie nadpisze wpisane wartości wartościami z kopii zapasowej. Mimo to wczytać?</numerusform>
            <numerusform>%n zmian nie zostało zapisanych do sterownika: wczytanie nadpisze wpisane wartości wartościami z kopii zapasowej. Mimo to wczytać?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>morvent::LiveReadingsMonitor</name>
    <message>
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Paused: the plot stands still while readings go on being kept for the last minute and recorded.</source>
        <translation>Wstrzymano: wykres stoi, a odczyty z ostatniej minuty są nadal przechowywane i nagrywane.</translation>
    </message>
    <message>
        <source>Readings appear here as &quot;Get&quot; or &quot;Continuous Get&quot; on the Torque page brings them in.</source>
        <translation>Odczyty pojawiają się tu, gdy „Pobierz” lub „Pobieraj ciągle” na stronie Moment je pobierze.</translation>
    </message>
    <message>
        <source>Record to CSV</source>
        <translation>Nagrywaj do CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Zatrzymaj nagrywanie</translation>
    </message>
    <message>
        <source>Record to CSV...</source>
        <translation>Nagrywaj do CSV...</translation>
    </message>
    <message numerus="yes">
        <source>%n readings</source>
        <translation>
            <numerusform>%n odczyt</numerusform>
            <numerusform>%n odczyty</numerusform>
            <numerusform>%n odczytów</numerusform>
        </translation>
    </message>
    <message>
        <source>Recording to %1: %2</source>
        <translation>Nagrywanie do %1: %2</translation>
    </message>
    <message>
        <source>Recording stopped: %1 (%2 kept)</source>
        <translation>Nagrywanie przerwane: %1 (zachowano: %2)</translation>
    </message>
    <message>
        <source>Recorded %1 to %2</source>
        <translation>Nagrano %1 do %2</translation>
    </message>
</context>
<context>
    <name>morvent::LiveReadingsWindow</name>
    <message>
        <source>Live Torque Readings</source>
        <translation>Moment na żywo</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Record to CSV...</source>
        <translation>Nagrywaj do CSV...</translation>
    </message>
    <message>
        <source>seconds before the latest reading</source>
        <translation>sekundy przed ostatnim odczytem</translation>
    </message>
</context>
<context>
    <name>morvent::PageUndo</name>
    <message>
        <source>Nothing to undo: the page has not been read or loaded</source>
        <translation>Nie ma czego cofnąć: strony nie odczytano ani nie wczytano</translation>
    </message>
    <message>
        <source>Put back this page&apos;s values as read or loaded at %1</source>
        <translation>Przywróć wartości tej strony odczytane lub wczytane o %1</translation>
    </message>
</context>
<context>
    <name>morvent::ParameterFileDialog</name>
    <message>
        <source>Open the Disk Error!</source>
        <translation>Błąd otwarcia dysku!</translation>
    </message>
</context>
<context>
    <name>morvent::ReplyDispatcher</name>
    <message>
        <source>Probing stopped: identity checksum error</source>
        <translation>Szukanie przerwane: błąd sumy kontrolnej identyfikacji</translation>
    </message>
    <message>
        <source>No field differs from the controller</source>
        <translation>Żadne pole nie różni się od sterownika</translation>
    </message>
    <message numerus="yes">
        <source>Compare With Controller: %n changes not written</source>
        <translation>
            <numerusform>Porównanie ze sterownikiem: %n zmiana niezapisana</numerusform>
            <numerusform>Porównanie ze sterownikiem: %n zmiany niezapisane</numerusform>
            <numerusform>Porównanie ze sterownikiem: %n zmian niezapisanych</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>morvent::ReportActions</name>
    <message>
        <source>Report</source>
        <translation>Raport</translation>
    </message>
    <message>
        <source>Bike or customer (printed on the report):</source>
        <translation>Rower lub klient (drukowane w raporcie):</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>Eksportuj raport</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;HTML (*.html)</source>
        <translation>PDF (*.pdf);;HTML (*.html)</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>Zapisano raport: %1</translation>
    </message>
    <message>
        <source>Controller settings</source>
        <translation>Ustawienia sterownika</translation>
    </message>
    <message>
        <source>Report Settings</source>
        <translation>Ustawienia raportu</translation>
    </message>
    <message>
        <source>Shop name:</source>
        <translation>Nazwa warsztatu:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Telefon:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Logo (a picture file):</source>
        <translation>Logo (plik graficzny):</translation>
    </message>
    <message>
        <source>Technician:</source>
        <translation>Serwisant:</translation>
    </message>
</context>
<context>
    <name>morvent::ReviewChanges</name>
    <message>
        <source>Review Changes</source>
        <translation>Przejrzyj zmiany</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Strona</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Jednostka</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Sterownik</translation>
    </message>
    <message>
        <source>Page value</source>
        <translation>Wartość strony</translation>
    </message>
    <message>
        <source>Put Back</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Give the selected fields the controller&apos;s values</source>
        <translation>Przywróć zaznaczonym polom wartości sterownika</translation>
    </message>
    <message>
        <source>Write Flash</source>
        <translation>Zapis flash</translation>
    </message>
    <message>
        <source>Changes not written</source>
        <translation>Niezapisane zmiany</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>closes this window</comment>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>morvent::StatusReporter</name>
    <message>
        <source>Disconnected</source>
        <translation>Rozłączono</translation>
    </message>
    <message>
        <source>%1, %2 s</source>
        <extracomment>%1 is what is awaited, a whole text of its own (&quot;Read Flash: Pedal Assist, 2 of 5&quot;); %2 the seconds waited so far.</extracomment>
        <translation>%1, %2 s</translation>
    </message>
    <message>
        <source>No reply from the controller (%1, %2 s)</source>
        <extracomment>%1 is what is awaited, a whole text of its own (&quot;Read Flash: Pedal Assist, 2 of 5&quot;); %2 the seconds waited so far.</extracomment>
        <translation>Brak odpowiedzi sterownika (%1, %2 s)</translation>
    </message>
</context>
<context>
    <name>morvent::TForm1</name>
    <message>
        <source>Connection lost: press Connect to start again</source>
        <translation>Utracono połączenie: naciśnij Połącz, aby zacząć od nowa</translation>
    </message>
    <message>
        <source>Parameter files (*.el);;All files (*)</source>
        <translation>Pliki parametrów (*.el);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>%1 bytes ignored: the port was closed</source>
        <translation>Zignorowano bajty (%1): port był zamknięty</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Wczytaj plik</translation>
    </message>
    <message>
        <source>the device went away (hang-up)</source>
        <translation>urządzenie zniknęło (rozłączenie linii)</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>ends the connection to the controller</comment>
        <translation>Rozłącz</translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: closing the window loses what was typed. Quit anyway?</source>
        <translation>
            <numerusform>%n zmiana nie została zapisana do sterownika: zamknięcie okna spowoduje utratę wpisanych wartości. Mimo to wyjść?</numerusform>
            <numerusform>%n zmiany nie zostały zapisane do sterownika: zamknięcie okna spowoduje utratę wpisanych wartości. Mimo to wyjść?</numerusform>
            <numerusform>%n zmian nie zostało zapisanych do sterownika: zamknięcie okna spowoduje utratę wpisanych wartości. Mimo to wyjść?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: a load puts the file&apos;s values over what was typed. Load anyway?</source>
        <translation>
            <numerusform>%n zmiana nie została zapisana do sterownika: wczytanie nadpisze wpisane wartości wartościami z pliku. Mimo to wczytać?</numerusform>
            <numerusform>%n zmiany nie zostały zapisane do sterownika: wczytanie nadpisze wpisane wartości wartościami z pliku. Mimo to wczytać?</numerusform>
            <numerusform>%n zmian nie zostało zapisanych do sterownika: wczytanie nadpisze wpisane wartości wartościami z pliku. Mimo to wczytać?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: connecting forgets what the controller holds, and the pages show no changes until read again. Connect anyway?</source>
        <translation>
            <numerusform>%n zmiana nie została zapisana do sterownika: po połączeniu program zapomni zawartość sterownika, a strony nie będą pokazywać zmian aż do ponownego odczytu. Mimo to połączyć?</numerusform>
            <numerusform>%n zmiany nie zostały zapisane do sterownika: po połączeniu program zapomni zawartość sterownika, a strony nie będą pokazywać zmian aż do ponownego odczytu. Mimo to połączyć?</numerusform>
            <numerusform>%n zmian nie zostało zapisanych do sterownika: po połączeniu program zapomni zawartość sterownika, a strony nie będą pokazywać zmian aż do ponownego odczytu. Mimo to połączyć?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: after Close, what was typed can no longer be written. Close anyway?</source>
        <translation>
            <numerusform>%n zmiana nie została zapisana do sterownika: po rozłączeniu wpisanych wartości nie będzie już można zapisać. Mimo to rozłączyć?</numerusform>
            <numerusform>%n zmiany nie zostały zapisane do sterownika: po rozłączeniu wpisanych wartości nie będzie już można zapisać. Mimo to rozłączyć?</numerusform>
            <numerusform>%n zmian nie zostało zapisanych do sterownika: po rozłączeniu wpisanych wartości nie będzie już można zapisać. Mimo to rozłączyć?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>morvent::TForm3</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation>&amp;Pierwsze kroki</translation>
    </message>
</context>
<context>
    <name>morvent::TForm4</name>
    <message>
        <source>Save</source>
        <translation>Zapisz plik</translation>
    </message>
</context>
<context>
    <name>morvent::TForm5</name>
    <message>
        <source>Load</source>
        <translation>Wczytaj plik</translation>
    </message>
</context>
<context>
    <name>morvent::TrafficLog</name>
    <message>
        <source>Traffic Log</source>
        <translation>Dziennik transmisji</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Save as Text...</source>
        <translation>Zapisz jako tekst...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Save the Traffic Log</source>
        <translation>Zapisz dziennik transmisji</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Pliki tekstowe (*.txt);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Nie można zapisać do %1: %2</translation>
    </message>
    <message>
        <source>received</source>
        <translation>odebrano</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>wysłano</translation>
    </message>
</context>
<context>
    <name>morvent::ViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Traffic Log</source>
        <translation>&amp;Dziennik transmisji</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Obowiązuje od następnego uruchomienia</translation>
    </message>
    <message>
        <source>%1 from the next start</source>
        <translation>%1 od następnego uruchomienia</translation>
    </message>
</context>
<context>
    <name>morvent::WindowLine</name>
    <message>
        <source>%1: not sent, the port is closed</source>
        <extracomment>%1 is the request as the traffic log names it, a text of its own (&quot;Torque write&quot;).</extracomment>
        <translation>%1: nie wysłano, port jest zamknięty</translation>
    </message>
    <message>
        <source>Error sending!</source>
        <translation>Błąd wysyłania!</translation>
    </message>
</context>
</TS>
