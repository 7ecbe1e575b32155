<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BackupKeeper</name>
    <message>
        <source>Unable to create the folder %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>Unable to find a free name in %1</source>
        <translation>%1 中没有可用的文件名</translation>
    </message>
</context>
<context>
    <name>ConnectionHelp</name>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1（进程 %2）</translation>
    </message>
    <message>
        <source>Permission denied: your user may not open %1. It belongs to the group &quot;%2&quot;; add yourself to that group with
    sudo usermod -aG %2 $USER
then log out and log in again: a new group counts only from a new login.</source>
        <translation>权限不足：当前用户无法打开 %1。该设备属于组“%2”；请用以下命令将自己加入该组
    sudo usermod -aG %2 $USER
然后注销并重新登录：新组只有在重新登录后才生效。</translation>
    </message>
    <message>
        <source>Create the group first with
    sudo groupadd %1
</source>
        <translation>请先用以下命令创建该组
    sudo groupadd %1
</translation>
    </message>
    <message>
        <source>Permission denied: your user may not open %1, and no group other than root may read and write it. %2Give the group &quot;%3&quot; access with a udev rule: the line
    KERNEL==&quot;%4&quot;, GROUP=&quot;%3&quot;, MODE=&quot;0660&quot;
in a file /etc/udev/rules.d/99-serial-adapter.rules, then plug the adapter in again. Add yourself to the group with
    sudo usermod -aG %3 $USER
then log out and log in again: a new group counts only from a new login.</source>
        <translation>权限不足：当前用户无法打开 %1，且除 root 外没有任何组可以读写它。%2请用 udev 规则为组“%3”授予访问权限：将以下一行
    KERNEL==&quot;%4&quot;, GROUP=&quot;%3&quot;, MODE=&quot;0660&quot;
写入文件 /etc/udev/rules.d/99-serial-adapter.rules，然后重新插入适配器。再用以下命令将自己加入该组
    sudo usermod -aG %3 $USER
然后注销并重新登录：新组只有在重新登录后才生效。</translation>
    </message>
    <message>
        <source>%1 is the terminal this program runs in, not a controller&apos;s port. Name the adapter&apos;s port instead.</source>
        <translation>%1 是本程序运行所在的终端，不是控制器端口。请改为指定适配器的端口。</translation>
    </message>
    <message>
        <source>The port is in use: another program is using it. Close that program, then connect again.</source>
        <translation>端口被占用：另一个程序正在使用它。请关闭该程序后重新连接。</translation>
    </message>
    <message>
        <source>The port is in use by %1. Close %2, then connect again.</source>
        <translation>端口正被 %1 占用。请关闭%2后重新连接。</translation>
    </message>
    <message>
        <source>that program</source>
        <translation>该程序</translation>
    </message>
    <message>
        <source>those programs</source>
        <translation>这些程序</translation>
    </message>
    <message>
        <source>
ModemManager probes new serial adapters as if they were modems. Stop it with
    sudo systemctl stop ModemManager
or wait until it lets go of the adapter.</source>
        <translation>
ModemManager 会把新的串口适配器当作调制解调器来探测。请用以下命令停止它
    sudo systemctl stop ModemManager
或等待它释放适配器。</translation>
    </message>
    <message>
        <source>No such device: %1. The adapter is unplugged or the port name is wrong; plug it in and pick it again from the Port list.</source>
        <translation>设备不存在：%1。适配器未插好或端口名错误；请插好后在“端口”列表中重新选择。</translation>
    </message>
    <message>
        <source>The device %1 does not answer: the adapter was pulled or has failed. Plug it in again and pick it from the Port list.</source>
        <translation>设备 %1 无响应：适配器已被拔出或已损坏。请重新插入后在“端口”列表中选择。</translation>
    </message>
    <message>
        <source>%1 does not take the line settings: its driver cannot set the rate or the character format asked for. Try another adapter.</source>
        <translation>%1 不接受线路设置：其驱动无法设置所需的波特率或字符格式。请换一个适配器。</translation>
    </message>
    <message>
        <source>%1 is not a serial port. Pick the adapter from the Port list.</source>
        <translation>%1 不是串口。请在“端口”列表中选择适配器。</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program, then connect again.</source>
        <translation>%1 正被另一个程序占用。请关闭该程序后重新连接。</translation>
    </message>
    <message>
        <source>There is no %1 on this computer. The adapter is unplugged or the port name is wrong; plug it in and pick it again from the Port list.</source>
        <translation>本机上没有 %1。适配器未插好或端口名错误；请插好后在“端口”列表中重新选择。</translation>
    </message>
</context>
<context>
    <name>Form1Ui</name>
    <message>
        <source>Undo Changes</source>
        <translation>撤销更改</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>基本</translation>
    </message>
    <message>
        <source>Pedal Assist</source>
        <translation>踏板助力</translation>
    </message>
    <message>
        <source>Throttle Handle</source>
        <translation>转把</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>力矩</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>通信</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>端口：</translation>
    </message>
    <message>
        <source>Bandrate:</source>
        <translation>波特率：</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Controller Info</source>
        <translation>控制器信息</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>制造商：</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>型号：</translation>
    </message>
    <message>
        <source>Harware Ver:</source>
        <translation>硬件版本：</translation>
    </message>
    <message>
        <source>Firmware Ver:</source>
        <translation>固件版本：</translation>
    </message>
    <message>
        <source>Nominal Voltage:</source>
        <translation>额定电压：</translation>
    </message>
    <message>
        <source>Max.Current:</source>
        <translation>最大电流：</translation>
    </message>
    <message>
        <source>Read Flash</source>
        <translation>读取全部</translation>
    </message>
    <message>
        <source>Write Flash</source>
        <translation>写入全部</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>Continuous Get</source>
        <translation>连续获取</translation>
    </message>
    <message>
        <source>×10mS</source>
        <translation>×10ms</translation>
    </message>
    <message>
        <source>About Tq</source>
        <translation>力矩实时数据</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1：</translation>
    </message>
    <message>
        <source>Plot...</source>
        <translation>曲线图...</translation>
    </message>
    <message>
        <source>Plot the readings of the last minute</source>
        <translation>绘制最近一分钟的读数曲线</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>获取</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>加载(&amp;L)</translation>
    </message>
    <message>
        <source>Load &amp;Backup...</source>
        <translation>加载备份(&amp;B)...</translation>
    </message>
    <message>
        <source>Compare With &amp;File...</source>
        <translation>与文件比较(&amp;F)...</translation>
    </message>
    <message>
        <source>Compare With &amp;Controller</source>
        <translation>与控制器比较(&amp;C)</translation>
    </message>
    <message>
        <source>Clear Compa&amp;rison</source>
        <translation>清除比较(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Open Backups Folder</source>
        <translation>打开备份文件夹(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Review Changes...</source>
        <translation>查看更改(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>A live reading of the torque sensor, as the controller measured it when last asked (Get, Continuous Get, Read Flash).
Read only; not kept in parameter files.</source>
        <translation>力矩传感器的实时读数，为控制器在最近一次询问时测得的值（获取、连续获取、读取全部）。
只读；不保存在参数文件中。</translation>
    </message>
    <message>
        <source>The serial port the controller is on; a device path may be typed.</source>
        <translation>控制器所在的串口；也可输入设备路径。</translation>
    </message>
    <message>
        <source>The line speed. Connect finds the controller&apos;s own by trying each in turn from the first; once it answers, the line runs at 9600.</source>
        <translation>串口波特率。“连接”会从第一个开始依次尝试，找到控制器的波特率；控制器应答后，线路以 9600 运行。</translation>
    </message>
    <message>
        <source>Controller System</source>
        <translation>控制器系统</translation>
    </message>
    <message>
        <source>&amp;Export Report...</source>
        <translation>导出报告(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>ends the connection to the controller</comment>
        <translation>断开</translation>
    </message>
    <message>
        <source>Report Se&amp;ttings...</source>
        <translation>报告设置(&amp;T)...</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>&amp;System</source>
        <translation>跟随系统(&amp;S)</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>prompt message</source>
        <translation>提示信息</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>PortList</name>
    <message>
        <source>Simulated controller</source>
        <translation>模拟控制器</translation>
    </message>
    <message>
        <source>The built-in simulated controller (%1), not a real adapter</source>
        <translation>内置的模拟控制器（%1），不是真实的适配器</translation>
    </message>
</context>
<context>
    <name>Protocol</name>
    <message>
        <source>Read The Basic Info CheckSum Error</source>
        <translation>读取基本参数校验和错误</translation>
    </message>
    <message>
        <source>Write The Basic Info CheckSum Error</source>
        <translation>写入基本参数校验和错误</translation>
    </message>
    <message>
        <source>Basic Set successfully.</source>
        <translation>基本参数设置成功。</translation>
    </message>
    <message>
        <source>Read The Pedal Assist Info CheckSum Error</source>
        <translation>读取踏板助力参数校验和错误</translation>
    </message>
    <message>
        <source>Write The Pedal Assist Info CheckSum Error</source>
        <translation>写入踏板助力参数校验和错误</translation>
    </message>
    <message>
        <source>Pedal Assist Set successfully.</source>
        <translation>踏板助力参数设置成功。</translation>
    </message>
    <message>
        <source>Read The Throttle Handle Info CheckSum Error</source>
        <translation>读取转把参数校验和错误</translation>
    </message>
    <message>
        <source>Write The Throttle Handle Info CheckSum Error</source>
        <translation>写入转把参数校验和错误</translation>
    </message>
    <message>
        <source>Throttle Handle Set successfully.</source>
        <translation>转把参数设置成功。</translation>
    </message>
    <message>
        <source>Read The Torque Info CheckSum Error</source>
        <translation>读取力矩参数校验和错误</translation>
    </message>
    <message>
        <source>Write The Torque Info CheckSum Error</source>
        <translation>写入力矩参数校验和错误</translation>
    </message>
    <message>
        <source>Torque Set successfully.</source>
        <translation>力矩参数设置成功。</translation>
    </message>
    <message>
        <source>Read Flash successfully.</source>
        <translation>全部参数读取成功。</translation>
    </message>
    <message>
        <source>Write Flash successfully.</source>
        <translation>全部参数写入成功。</translation>
    </message>
    <message>
        <source>Manufacturer:%1</source>
        <translation>制造商：%1</translation>
    </message>
    <message>
        <source>Model:%1</source>
        <translation>型号：%1</translation>
    </message>
    <message>
        <source>Harware Ver: V%1.%2</source>
        <translation>硬件版本：V%1.%2</translation>
    </message>
    <message>
        <source>Firmware Ver: V%1</source>
        <translation>固件版本：V%1</translation>
    </message>
    <message>
        <source>Max.Current: %1A</source>
        <translation>最大电流：%1A</translation>
    </message>
    <message>
        <source>Firmware Ver:%1</source>
        <translation>固件版本：%1</translation>
    </message>
    <message>
        <source>Read The Controller Info CheckSum Error</source>
        <translation>读取控制器信息校验和错误</translation>
    </message>
    <message>
        <source>Read The Software Version Error</source>
        <translation>读取软件版本错误</translation>
    </message>
    <message>
        <source>SpeedSignalACC</source>
        <translation>速度信号累计</translation>
    </message>
    <message>
        <source>SpeedSigLevel</source>
        <translation>速度信号电平</translation>
    </message>
    <message>
        <source>LevelHTime</source>
        <translation>高电平时间</translation>
    </message>
    <message>
        <source>LevelLTime</source>
        <translation>低电平时间</translation>
    </message>
    <message>
        <source>TqVoltate</source>
        <translation>力矩电压</translation>
    </message>
    <message>
        <source>Read The Tq Info CheckSum Error</source>
        <translation>读取力矩数据校验和错误</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>“%1”不是有效的整数</translation>
    </message>
    <message>
        <source>Nominal Voltage: 24V</source>
        <translation>额定电压：24V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 36V</source>
        <translation>额定电压：36V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 48V</source>
        <translation>额定电压：48V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 60V</source>
        <translation>额定电压：60V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 24-48V</source>
        <translation>额定电压：24-48V</translation>
    </message>
    <message>
        <source>Nominal Voltage: 24-60V</source>
        <translation>额定电压：24-60V</translation>
    </message>
    <message>
        <source>By Display&apos;s Command</source>
        <translation>由仪表决定</translation>
    </message>
    <message>
        <source>Low Battery Protect(V):</source>
        <translation>欠压保护(V)：</translation>
    </message>
    <message>
        <source>Low battery protection: the battery voltage at which the controller cuts off; the list offers the voltages of the connected controller&apos;s class</source>
        <translation>欠压保护：控制器切断输出时的电池电压；列表给出所连接控制器电压等级的可选电压</translation>
    </message>
    <message>
        <source>Limited Current(A):</source>
        <translation>限流(A)：</translation>
    </message>
    <message>
        <source>Limited current: the controller&apos;s overall current limit</source>
        <translation>限流：控制器的总电流上限</translation>
    </message>
    <message>
        <source>Limited Current</source>
        <translation>限流</translation>
    </message>
    <message>
        <source>Assit%1:</source>
        <translation>档位%1：</translation>
    </message>
    <message>
        <source>Current limit at assist level %1</source>
        <translation>助力档位 %1 的限流</translation>
    </message>
    <message>
        <source>Limit Current(%)</source>
        <translation>限流(%)</translation>
    </message>
    <message>
        <source>Speed limit at assist level %1</source>
        <translation>助力档位 %1 的限速</translation>
    </message>
    <message>
        <source>Limit Spd(%)</source>
        <translation>限速(%)</translation>
    </message>
    <message>
        <source>Wheel Diameler(Inch): </source>
        <translation>轮径(英寸)：</translation>
    </message>
    <message>
        <source>Wheel diameter</source>
        <translation>轮径</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>英寸</translation>
    </message>
    <message>
        <source>Speed Meter Model: </source>
        <translation>测速方式：</translation>
    </message>
    <message>
        <source>Speed meter model: where the speed signal comes from</source>
        <translation>测速方式：速度信号的来源</translation>
    </message>
    <message>
        <source>External,Wheel Meter</source>
        <translation>外置，车轮测速</translation>
    </message>
    <message>
        <source>Internal,Motor Meter</source>
        <translation>内置，电机测速</translation>
    </message>
    <message>
        <source>By Motor Phase</source>
        <translation>电机相线测速</translation>
    </message>
    <message>
        <source>SpdMeter Signal: </source>
        <translation>测速信号数：</translation>
    </message>
    <message>
        <source>Speed meter signals</source>
        <translation>每圈测速信号数</translation>
    </message>
    <message>
        <source>SpdMeter Signal</source>
        <translation>测速信号数</translation>
    </message>
    <message>
        <source>Pedal Type: </source>
        <translation>踏板传感器：</translation>
    </message>
    <message>
        <source>Pedal sensor type</source>
        <translation>踏板传感器类型</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Disignated Assist: </source>
        <translation>指定档位：</translation>
    </message>
    <message>
        <source>Assist level under pedal assist: a fixed level, or the display&apos;s choice</source>
        <translation>踏板助力时的档位：固定档位，或由仪表选择</translation>
    </message>
    <message>
        <source>Speed Limited: </source>
        <translation>限速：</translation>
    </message>
    <message>
        <source>Speed limit under pedal assist, or the display&apos;s choice</source>
        <translation>踏板助力时的限速，或由仪表选择</translation>
    </message>
    <message>
        <source>Slow-Start Mode(1-8): </source>
        <translation>缓启动模式(1-8)：</translation>
    </message>
    <message>
        <source>Slow-start mode</source>
        <translation>缓启动模式</translation>
    </message>
    <message>
        <source>Work Mode(Angular Speed of pedal/wheel*10): </source>
        <translation>工作模式(踏板/车轮角速度*10)：</translation>
    </message>
    <message>
        <source>Work mode: the angular speed of pedal to wheel</source>
        <translation>工作模式：踏板与车轮的角速度之比</translation>
    </message>
    <message>
        <source>Undeterminated</source>
        <translation>未定</translation>
    </message>
    <message>
        <source>Start Current(%): </source>
        <translation>启动电流(%)：</translation>
    </message>
    <message>
        <source>Start current under pedal assist</source>
        <translation>踏板助力时的启动电流</translation>
    </message>
    <message>
        <source>Start Current</source>
        <translation>启动电流</translation>
    </message>
    <message>
        <source>Startup Dgree(Signal No.): </source>
        <translation>启动阈值(信号数)：</translation>
    </message>
    <message>
        <source>Startup degree: the pedal sensor signals before the motor starts</source>
        <translation>启动阈值：电机启动前的踏板传感器信号数</translation>
    </message>
    <message>
        <source>signals</source>
        <translation>个信号</translation>
    </message>
    <message>
        <source>Startup Dgree</source>
        <translation>启动阈值</translation>
    </message>
    <message>
        <source>Time of stop(x10ms): </source>
        <translation>停止时间(x10ms)：</translation>
    </message>
    <message>
        <source>Time of stop</source>
        <translation>停止时间</translation>
    </message>
    <message>
        <source>Current Decay(1-8): </source>
        <translation>电流衰减(1-8)：</translation>
    </message>
    <message>
        <source>Current decay</source>
        <translation>电流衰减</translation>
    </message>
    <message>
        <source>Current Decay</source>
        <translation>电流衰减</translation>
    </message>
    <message>
        <source>Stop Decay(x10ms): </source>
        <translation>停止衰减(x10ms)：</translation>
    </message>
    <message>
        <source>Stop decay</source>
        <translation>停止衰减</translation>
    </message>
    <message>
        <source>Stop Decay</source>
        <translation>停止衰减</translation>
    </message>
    <message>
        <source>Keep Current(%)</source>
        <translation>保持电流(%)</translation>
    </message>
    <message>
        <source>Keep current</source>
        <translation>保持电流</translation>
    </message>
    <message>
        <source>Keep Current</source>
        <translation>保持电流</translation>
    </message>
    <message>
        <source>Start Voltage(x100mv): </source>
        <translation>起始电压(x100mV)：</translation>
    </message>
    <message>
        <source>Start voltage: the throttle voltage at which the motor starts</source>
        <translation>起始电压：电机启动时的转把电压</translation>
    </message>
    <message>
        <source>Start Voltage</source>
        <translation>起始电压</translation>
    </message>
    <message>
        <source>End Voltage(x100mV): </source>
        <translation>终止电压(x100mV)：</translation>
    </message>
    <message>
        <source>End voltage: the throttle voltage of full command</source>
        <translation>终止电压：转把拧到底时的电压</translation>
    </message>
    <message>
        <source>End Voltage</source>
        <translation>终止电压</translation>
    </message>
    <message>
        <source>Mode: </source>
        <translation>模式：</translation>
    </message>
    <message>
        <source>What the throttle commands: speed or current</source>
        <translation>转把控制的量：速度或电流</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>电流</translation>
    </message>
    <message>
        <source>Designated Assist: </source>
        <translation>指定档位：</translation>
    </message>
    <message>
        <source>Assist level under the throttle: a fixed level, or the display&apos;s choice</source>
        <translation>转把时的档位：固定档位，或由仪表选择</translation>
    </message>
    <message>
        <source>Speed limit under the throttle, or the display&apos;s choice</source>
        <translation>转把时的限速，或由仪表选择</translation>
    </message>
    <message>
        <source>Start current under the throttle</source>
        <translation>转把时的启动电流</translation>
    </message>
    <message>
        <source>Base Voltage:</source>
        <translation>基准电压：</translation>
    </message>
    <message>
        <source>Base voltage of the torque sensor</source>
        <translation>力矩传感器的基准电压</translation>
    </message>
    <message>
        <source>BaseVoltage of </source>
        <translation>基准电压</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>最小</translation>
    </message>
    <message>
        <source>Error voltage, minimum</source>
        <translation>故障电压下限</translation>
    </message>
    <message>
        <source>Error Voltage:</source>
        <translation>故障电压：</translation>
    </message>
    <message>
        <source>ErrorVoltage of Min</source>
        <translation>最小故障电压</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>最大</translation>
    </message>
    <message>
        <source>Error voltage, maximum</source>
        <translation>故障电压上限</translation>
    </message>
    <message>
        <source>%1 Kg:</source>
        <translation>%1 kg：</translation>
    </message>
    <message>
        <source>Delta voltage of the %1 Kg band</source>
        <translation>%1 kg 区间的差值电压</translation>
    </message>
    <message>
        <source>Delta Voltage:</source>
        <translation>差值电压：</translation>
    </message>
    <message>
        <source>0 Speed Boost Time:</source>
        <translation>零速助推时间：</translation>
    </message>
    <message>
        <source>Boost time at zero speed</source>
        <translation>零速助推时间</translation>
    </message>
    <message>
        <source>Start(Kg):</source>
        <translation>起始(kg)：</translation>
    </message>
    <message>
        <source>Start weight</source>
        <translation>起始力</translation>
    </message>
    <message>
        <source>Full(Kg):</source>
        <translation>满助力(kg)：</translation>
    </message>
    <message>
        <source>Full weight</source>
        <translation>满助力力值</translation>
    </message>
    <message>
        <source>Return(Kg):</source>
        <translation>回落(kg)：</translation>
    </message>
    <message>
        <source>Return weight</source>
        <translation>回落力值</translation>
    </message>
    <message>
        <source>MinCur(%):</source>
        <translation>最小电流(%)：</translation>
    </message>
    <message>
        <source>Minimum current</source>
        <translation>最小电流</translation>
    </message>
    <message>
        <source>MaxCur(%):</source>
        <translation>最大电流(%)：</translation>
    </message>
    <message>
        <source>Maximum current</source>
        <translation>最大电流</translation>
    </message>
    <message>
        <source>KeepCur(%):</source>
        <translation>保持电流(%)：</translation>
    </message>
    <message>
        <source>CurDecy:</source>
        <translation>电流衰减：</translation>
    </message>
    <message>
        <source>StarDegree:</source>
        <translation>启动阈值：</translation>
    </message>
    <message>
        <source>Start degree</source>
        <translation>启动阈值</translation>
    </message>
    <message>
        <source>%1 at speed point Spd%2</source>
        <translation>速度%2 处的%1</translation>
    </message>
    <message>
        <source>Spd%1</source>
        <translation>速度%1</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1；%2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 至 %2</translation>
    </message>
    <message>
        <source>one of the list: %1</source>
        <translation>列表中的一项：%1</translation>
    </message>
    <message>
        <source>700C, or a size from %1 to %2, chosen from the list or typed</source>
        <translation>700C，或 %1 至 %2 的尺寸，可从列表选择或直接输入</translation>
    </message>
    <message>
        <source>%1 (Write Flash sends up to %2)</source>
        <translation>%1（写入全部最多发送 %2）</translation>
    </message>
    <message>
        <source>%1, and not above the controller&apos;s maximum current (Max.Current)</source>
        <translation>%1，且不超过控制器的最大电流（最大电流）</translation>
    </message>
    <message>
        <source>%1, chosen from the list or typed</source>
        <translation>%1，可从列表选择或直接输入</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>基本</translation>
    </message>
    <message>
        <source>Pedal Assist</source>
        <translation>踏板助力</translation>
    </message>
    <message>
        <source>Throttle Handle</source>
        <translation>转把</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>力矩</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1。</translation>
    </message>
    <message>
        <source>Unit: %1</source>
        <translation>单位：%1</translation>
    </message>
    <message>
        <source>Accepted: %1</source>
        <translation>允许值：%1</translation>
    </message>
    <message>
        <source>Parameter file key: %1 in [%2]</source>
        <translation>参数文件键名：[%2] 中的 %1</translation>
    </message>
    <message>
        <source>The %1 setting error,Please reset</source>
        <translation>%1 设置错误，请重新设置。</translation>
    </message>
    <message>
        <source>The %1 setting error,Please reset.</source>
        <translation>%1 设置错误，请重新设置。</translation>
    </message>
    <message>
        <source>The %1 is out of range,Please input again.</source>
        <translation>%1 超出范围，请重新输入。</translation>
    </message>
    <message>
        <source>This serial port already opened</source>
        <translation>该串口已打开</translation>
    </message>
    <message>
        <source>Error opening serial port</source>
        <translation>打开串口出错</translation>
    </message>
    <message>
        <source>File handle is not a comm handle </source>
        <translation>该设备不是串口</translation>
    </message>
    <message>
        <source>Cannot setup comm buffer</source>
        <translation>无法设置串口缓冲区</translation>
    </message>
    <message>
        <source>Unable to create event</source>
        <translation>无法创建事件</translation>
    </message>
    <message>
        <source>Unable to create read thread</source>
        <translation>无法创建读线程</translation>
    </message>
    <message>
        <source>Unable to create write thread</source>
        <translation>无法创建写线程</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>%1 is missing, and %2 with it</source>
        <translation>缺少 %1，%2 也随之缺失</translation>
    </message>
    <message>
        <source>%1 is missing from %2 on line %3</source>
        <translation>%2 中缺少 %1（第 %3 行）</translation>
    </message>
    <message>
        <source>%1=%2 on line %3 is not a whole number</source>
        <translation>第 %3 行的 %1=%2 不是整数</translation>
    </message>
    <message>
        <source>%1=%2 on line %3 is no item of its list (0 to %4)</source>
        <translation>第 %3 行的 %1=%2 不在其列表中（0 至 %4）</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>缺少 %1</translation>
    </message>
    <message>
        <source>Unable to read %1. At more than 1 MiB it is not a parameter file</source>
        <translation>无法读取 %1。超过 1 MiB 的文件不是参数文件</translation>
    </message>
    <message>
        <source>Unable to read %1</source>
        <translation>无法读取 %1</translation>
    </message>
    <message>
        <source>%1 is not a parameter file: it is UTF-16 or binary, not 8-bit text</source>
        <translation>%1 不是参数文件：它是 UTF-16 或二进制文件，不是 8 位文本</translation>
    </message>
    <message>
        <source>%1 is not a parameter file: it has none of the sections %2</source>
        <translation>%1 不是参数文件：不含以下任何一节 %2</translation>
    </message>
    <message>
        <source>Unable to write to %1: it is a symbolic link to %2, which does not exist</source>
        <translation>无法写入 %1：它是指向不存在的 %2 的符号链接</translation>
    </message>
    <message>
        <source>Unable to write to %1. At more than 1 MiB it is not a parameter file</source>
        <translation>无法写入 %1。超过 1 MiB 的文件不是参数文件</translation>
    </message>
    <message>
        <source>Unable to write to %1: it is not a parameter file: it is UTF-16 or binary, not 8-bit text</source>
        <translation>无法写入 %1：它不是参数文件：它是 UTF-16 或二进制文件，不是 8 位文本</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2, so nothing was changed</source>
        <translation>无法写入 %1：%2，因此未做任何更改</translation>
    </message>
    <message>
        <source>Unable to write to %1 (what it held is kept in %2)</source>
        <translation>无法写入 %1（原有内容保存在 %2）</translation>
    </message>
    <message>
        <source>%1: wrong length</source>
        <translation>%1：长度错误</translation>
    </message>
    <message>
        <source>%1: cut short</source>
        <translation>%1：数据不完整</translation>
    </message>
    <message>
        <source>%1: checksum error</source>
        <translation>%1：校验和错误</translation>
    </message>
    <message>
        <source>connect request</source>
        <translation>连接请求</translation>
    </message>
    <message>
        <source>firmware text request</source>
        <translation>固件信息请求</translation>
    </message>
    <message>
        <source>live readings request</source>
        <translation>实时读数请求</translation>
    </message>
    <message>
        <source>%1 read request</source>
        <translation>%1读取请求</translation>
    </message>
    <message>
        <source>%1 write</source>
        <translation>%1写入</translation>
    </message>
    <message>
        <source>unrecognised frame</source>
        <translation>无法识别的帧</translation>
    </message>
    <message>
        <source>unrecognised chunk</source>
        <translation>无法识别的数据</translation>
    </message>
    <message>
        <source>identity reply</source>
        <translation>识别信息应答</translation>
    </message>
    <message>
        <source>firmware text reply</source>
        <translation>固件信息应答</translation>
    </message>
    <message>
        <source>live readings reply, not awaited: ignored</source>
        <translation>实时读数应答，未在等待：已忽略</translation>
    </message>
    <message>
        <source>live readings reply</source>
        <translation>实时读数应答</translation>
    </message>
    <message>
        <source>%1 reply</source>
        <translation>%1应答</translation>
    </message>
    <message>
        <source>%1 reply, not awaited: ignored</source>
        <translation>%1应答，未在等待：已忽略</translation>
    </message>
    <message>
        <source>%1 write accepted</source>
        <translation>%1写入已接受</translation>
    </message>
    <message>
        <source>%1 write refused at byte %2 (%3)</source>
        <translation>%1写入在第 %2 字节被拒绝（%3）</translation>
    </message>
    <message>
        <source>%1 write: unknown status %2</source>
        <translation>%1写入：未知状态 %2</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>name the report FILE.pdf or FILE.html</source>
        <translation>请将报告命名为 文件.pdf 或 文件.html</translation>
    </message>
    <message>
        <source>it is a symbolic link to %1, which does not exist</source>
        <translation>它是指向不存在的 %1 的符号链接</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <source>%1 holds no parameters: the last save to it was cut short</source>
        <translation>%1 中没有参数：上次保存到该文件时被中断</translation>
    </message>
    <message>
        <source>%1 holds no parameters: the last save to it was cut short. What it held before that save is kept in %2</source>
        <translation>%1 中没有参数：上次保存到该文件时被中断。该次保存之前的内容保存在 %2</translation>
    </message>
    <message>
        <source>%1 holds no parameters: the last save to it was cut short, and no copy of what it held before is kept</source>
        <translation>%1 中没有参数：上次保存到该文件时被中断，且未保留其原有内容的副本</translation>
    </message>
    <message>
        <source>%1 on the Basic page shows %2, which a parameter file cannot hold</source>
        <translation>“基本”页上的%1显示为 %2，参数文件无法保存该值</translation>
    </message>
    <message>
        <source>%1 on the Pedal Assist page shows %2, which a parameter file cannot hold</source>
        <translation>“踏板助力”页上的%1显示为 %2，参数文件无法保存该值</translation>
    </message>
    <message>
        <source>%1 on the Throttle Handle page shows %2, which a parameter file cannot hold</source>
        <translation>“转把”页上的%1显示为 %2，参数文件无法保存该值</translation>
    </message>
    <message>
        <source>%1 on the Torque page shows %2, which a parameter file cannot hold</source>
        <translation>“力矩”页上的%1显示为 %2，参数文件无法保存该值</translation>
    </message>
</context>
<context>
    <name>ReadingRecorder</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>无法写入 %1</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>(controller: %1)</source>
        <translation>（控制器：%1）</translation>
    </message>
    <message>
        <source>Controller settings</source>
        <translation>控制器设置</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>日期：%1</translation>
    </message>
    <message>
        <source>Bike or customer: %1</source>
        <translation>车辆或客户：%1</translation>
    </message>
    <message>
        <source>Work Mode (pedal/wheel speed ratio)</source>
        <translation>工作模式（踏板/车轮转速比）</translation>
    </message>
    <message>
        <source>Read from this controller at %1</source>
        <translation>已于 %1 从本控制器读取</translation>
    </message>
    <message>
        <source>Not read from this controller: these values were left on the page by another controller or a file, and may not be this bike&apos;s.</source>
        <translation>未从本控制器读取：这些值是其他控制器或文件留在此页上的，可能不属于这辆车。</translation>
    </message>
    <message>
        <source>Technician: %1</source>
        <translation>技师：%1</translation>
    </message>
    <message>
        <source>Changes in this visit</source>
        <translation>本次维修中的更改</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置项</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>更改前</translation>
    </message>
    <message>
        <source>After</source>
        <translation>更改后</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>T</source>
        <comment>mark: typed in, not written</comment>
        <translation>输</translation>
    </message>
    <message>
        <source>F</source>
        <comment>mark: loaded from a file, not written</comment>
        <translation>文</translation>
    </message>
    <message>
        <source>E</source>
        <comment>mark: left from before connecting</comment>
        <translation>旧</translation>
    </message>
    <message>
        <source>%1: typed in, and not written to this controller.</source>
        <translation>%1：手动输入，未写入本控制器。</translation>
    </message>
    <message>
        <source>%1: loaded from a file, and not written to this controller.</source>
        <translation>%1：从文件加载，未写入本控制器。</translation>
    </message>
    <message>
        <source>%1: left on the page from before connecting: not read from this controller, and may be another bike&apos;s.</source>
        <translation>%1：连接前遗留在此页上：未从本控制器读取，可能属于另一辆车。</translation>
    </message>
    <message>
        <source>Read from this controller at %1, but for the values marked.</source>
        <translation>已于 %1 从本控制器读取，带标记的值除外。</translation>
    </message>
    <message>
        <source>Not read from this controller: each value is marked with where it comes from.</source>
        <translation>未从本控制器读取：每个值都标明了其来源。</translation>
    </message>
    <message>
        <source>Not read from this controller: typed in, and not written to it.</source>
        <translation>未从本控制器读取：这些值为手动输入，且未写入本控制器。</translation>
    </message>
    <message>
        <source>Not read from this controller: loaded from a file, and not written to it.</source>
        <translation>未从本控制器读取：这些值从文件加载，且未写入本控制器。</translation>
    </message>
    <message>
        <source>Where a value is not what the controller holds, the controller&apos;s value follows it.</source>
        <translation>若某个值与控制器中的不同，其后附有控制器中的值。</translation>
    </message>
</context>
<context>
    <name>morvent::AwaitedWording</name>
    <message>
        <source>Waiting for the Basic block</source>
        <translation>等待基本参数块</translation>
    </message>
    <message>
        <source>Waiting for the Basic block to be stored</source>
        <translation>等待基本参数块保存完成</translation>
    </message>
    <message>
        <source>Waiting for the Pedal Assist block</source>
        <translation>等待踏板助力参数块</translation>
    </message>
    <message>
        <source>Waiting for the Pedal Assist block to be stored</source>
        <translation>等待踏板助力参数块保存完成</translation>
    </message>
    <message>
        <source>Waiting for the Throttle Handle block</source>
        <translation>等待转把参数块</translation>
    </message>
    <message>
        <source>Waiting for the Throttle Handle block to be stored</source>
        <translation>等待转把参数块保存完成</translation>
    </message>
    <message>
        <source>Waiting for the Torque block</source>
        <translation>等待力矩参数块</translation>
    </message>
    <message>
        <source>Waiting for the Torque block to be stored</source>
        <translation>等待力矩参数块保存完成</translation>
    </message>
    <message>
        <source>Continuous Get: the live readings</source>
        <translation>连续获取：实时读数</translation>
    </message>
    <message>
        <source>Waiting for the live readings</source>
        <translation>等待实时读数</translation>
    </message>
    <message>
        <source>Waiting for the firmware text</source>
        <translation>等待固件文本</translation>
    </message>
    <message>
        <source>Read Flash: Basic, %1 of %2</source>
        <translation>读取全部：基本（%1/%2）</translation>
    </message>
    <message>
        <source>Read Flash: Pedal Assist, %1 of %2</source>
        <translation>读取全部：踏板助力（%1/%2）</translation>
    </message>
    <message>
        <source>Read Flash: Throttle Handle, %1 of %2</source>
        <translation>读取全部：转把（%1/%2）</translation>
    </message>
    <message>
        <source>Read Flash: Torque, %1 of %2</source>
        <translation>读取全部：力矩（%1/%2）</translation>
    </message>
    <message>
        <source>Read Flash: Live Readings, %1 of %2</source>
        <translation>读取全部：实时读数（%1/%2）</translation>
    </message>
    <message>
        <source>Write Flash: Basic, %1 of %2</source>
        <translation>写入全部：基本（%1/%2）</translation>
    </message>
    <message>
        <source>Write Flash: Pedal Assist, %1 of %2</source>
        <translation>写入全部：踏板助力（%1/%2）</translation>
    </message>
    <message>
        <source>Write Flash: Throttle Handle, %1 of %2</source>
        <translation>写入全部：转把（%1/%2）</translation>
    </message>
    <message>
        <source>Write Flash: Torque, %1 of %2</source>
        <translation>写入全部：力矩（%1/%2）</translation>
    </message>
    <message>
        <source>Write Flash: Live Readings, %1 of %2</source>
        <translation>写入全部：实时读数（%1/%2）</translation>
    </message>
    <message>
        <source>Compare With Controller: Basic, %1 of %2</source>
        <translation>与控制器比较：基本（%1/%2）</translation>
    </message>
    <message>
        <source>Compare With Controller: Pedal Assist, %1 of %2</source>
        <translation>与控制器比较：踏板助力（%1/%2）</translation>
    </message>
    <message>
        <source>Compare With Controller: Throttle Handle, %1 of %2</source>
        <translation>与控制器比较：转把（%1/%2）</translation>
    </message>
    <message>
        <source>Compare With Controller: Torque, %1 of %2</source>
        <translation>与控制器比较：力矩（%1/%2）</translation>
    </message>
    <message>
        <source>Compare With Controller: Live Readings, %1 of %2</source>
        <translation>与控制器比较：实时读数（%1/%2）</translation>
    </message>
</context>
<context>
    <name>morvent::BlockRequests</name>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>Write Flash</source>
        <translation>写入全部</translation>
    </message>
    <message>
        <source>Not read from this controller or loaded from a file since connecting: %1, which may show what another controller or file left there.</source>
        <translation>连接后既未从本控制器读取，也未从文件加载：%1。其中可能是其他控制器或文件留下的值。</translation>
    </message>
    <message>
        <source>The controller&apos;s own values of %1 were not read, so nothing keeps them once they are written over. Write Flash anyway?</source>
        <translation>尚未读取控制器中%1的原有值，一旦被覆盖便无从保留。仍要写入全部吗？</translation>
    </message>
    <message>
        <source>The controller&apos;s own values of %1 were not read, so nothing keeps them once they are written over. Write anyway?</source>
        <translation>尚未读取控制器中%1的原有值，一旦被覆盖便无从保留。仍要写入吗？</translation>
    </message>
    <message>
        <source>Not written: %1 on the Basic page</source>
        <translation>未写入：“基本”页上的%1</translation>
    </message>
    <message>
        <source>Not written: %1 on the Pedal Assist page</source>
        <translation>未写入：“踏板助力”页上的%1</translation>
    </message>
    <message>
        <source>Not written: %1 on the Throttle Handle page</source>
        <translation>未写入：“转把”页上的%1</translation>
    </message>
    <message>
        <source>Not written: %1 on the Torque page</source>
        <translation>未写入：“力矩”页上的%1</translation>
    </message>
</context>
<context>
    <name>morvent::ChangeMarks</name>
    <message numerus="yes">
        <source>%n changes not written</source>
        <translation>
            <numerusform>%n 处更改未写入</numerusform>
        </translation>
    </message>
    <message>
        <source>Changed: the controller holds %1.
</source>
        <translation>已更改：控制器中为 %1。
</translation>
    </message>
    <message>
        <source>Changed before the page was read: what the controller holds is not known yet.
</source>
        <translation>在读取此页之前已更改：控制器中的值尚不可知。
</translation>
    </message>
    <message>
        <source> (changed)</source>
        <translation>（已更改）</translation>
    </message>
</context>
<context>
    <name>morvent::ComparisonMarks</name>
    <message>
        <source>Not read or loaded since connecting: the fields may not hold the controller&apos;s values. Read the page or load a file before writing it.</source>
        <translation>连接后尚未读取或加载：字段中可能不是控制器的值。写入前请先读取本页或加载文件。</translation>
    </message>
    <message>
        <source>nothing selected (-1)</source>
        <translation>未选择 (-1)</translation>
    </message>
    <message>
        <source>%1 (item %2)</source>
        <translation>%1（第 %2 项）</translation>
    </message>
    <message>
        <source>Not loaded from %1, so 0: %2</source>
        <translation>未从 %1 加载，因此为 0：%2</translation>
    </message>
    <message>
        <source>In %1: %2</source>
        <translation>%1 中：%2</translation>
    </message>
    <message numerus="yes">
        <source>%n fields were not in %1: set to 0</source>
        <translation>
            <numerusform>%1 中缺少 %n 个字段：已设为 0</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fields differ from %1</source>
        <translation>
            <numerusform>%n 个字段与%1不同</numerusform>
        </translation>
    </message>
    <message>
        <source>No field differs from %1</source>
        <translation>没有字段与%1不同</translation>
    </message>
</context>
<context>
    <name>morvent::ConnectionProbing</name>
    <message>
        <source>No adapter found</source>
        <translation>未找到适配器</translation>
    </message>
    <message>
        <source>No adapter found. To try the window without a bike, start it with --simulate (the menu entry &quot;Try with the simulated controller&quot;): the simulated controller is then first in this list.</source>
        <translation>未找到适配器。如需在没有整车的情况下试用本窗口，请用 --simulate 启动（菜单项“使用模拟控制器试用”）：模拟控制器随后列在此列表的第一位。</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>Probing at %1 baud</source>
        <translation>正在以 %1 波特率探测</translation>
    </message>
    <message>
        <source>Connected: %1 %2</source>
        <translation>已连接：%1 %2</translation>
    </message>
    <message>
        <source>F1 opens Getting Started: seven steps from connecting to the report.</source>
        <translation>按 F1 打开入门指南：从连接到报告的七个步骤。</translation>
    </message>
    <message>
        <source>Probing at %1 baud: no controller answered at any rate. Check its power and key switch, the TX/RX wiring and the port</source>
        <translation>正在以 %1 波特率探测：所有波特率下均无控制器应答。请检查控制器的电源和钥匙开关、TX/RX 接线以及端口</translation>
    </message>
</context>
<context>
    <name>morvent::ContinuousGet</name>
    <message>
        <source>Continuous Get running: press Continuous Get again to stop</source>
        <translation>连续获取进行中：再次按“连续获取”停止</translation>
    </message>
</context>
<context>
    <name>morvent::FileChoiceWindow</name>
    <message>
        <source>Directory Name: </source>
        <translation>目录名：</translation>
    </message>
    <message>
        <source>Directories: </source>
        <translation>目录：</translation>
    </message>
    <message>
        <source>Files: </source>
        <translation>文件：</translation>
    </message>
    <message>
        <source>Drives: </source>
        <translation>驱动器：</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>File name, e.g. bike.el</source>
        <translation>文件名，例如 bike.el</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>Files of type</source>
        <translation>文件类型</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>驱动器</translation>
    </message>
</context>
<context>
    <name>morvent::GettingStarted</name>
    <message>
        <source>Getting Started</source>
        <translation>入门指南</translation>
    </message>
    <message>
        <source>&lt;b&gt;Connect.&lt;/b&gt; Plug the USB-serial adapter into the computer and into the controller&apos;s programming lead, and switch the controller on. Choose the adapter in the %1 list and press %2. Once the controller answers, %3 shows its model and firmware.</source>
        <translation>&lt;b&gt;连接。&lt;/b&gt;将 USB 串口适配器插入电脑，另一端接到控制器的编程线上，然后打开控制器电源。在%1列表中选择适配器，再按%2。控制器应答后，%3中会显示其型号和固件版本。</translation>
    </message>
    <message>
        <source>Without an adapter or a bike, start morvent from its menu entry &quot;Try with the simulated controller&quot; (or as &lt;tt&gt;morvent --simulate&lt;/tt&gt;): the simulated controller is then first in the %1 list and answers as a real one does.</source>
        <translation>没有适配器或整车时，可从菜单项“使用模拟控制器试用”启动 morvent（或运行 &lt;tt&gt;morvent --simulate&lt;/tt&gt;）：模拟控制器随后列在%1列表的第一位，并像真实控制器一样应答。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Read.&lt;/b&gt; Press %1 to read all four pages from the controller, or a page&apos;s own %2 for that page alone. Each %1 keeps a backup of what the controller held.</source>
        <translation>&lt;b&gt;读取。&lt;/b&gt;按%1从控制器读取全部四页，或按某一页自己的%2只读取该页。每次%1都会保留一份控制器原有内容的备份。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Change.&lt;/b&gt; Type the new values into the fields. A changed field is marked until it is written; %1 puts its page back as it was read. Rest the mouse on a field to see what it sets and which values it takes.</source>
        <translation>&lt;b&gt;修改。&lt;/b&gt;在字段中输入新值。已更改的字段在写入前一直带有标记；%1可将该页恢复为读取时的状态。将鼠标停在字段上，可查看它设置什么以及接受哪些值。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Review.&lt;/b&gt; %1 in the %2 menu (%3) lists every changed field with the controller&apos;s value beside the page&apos;s, before anything is written.</source>
        <translation>&lt;b&gt;查看。&lt;/b&gt;%2菜单中的%1（%3）会在写入任何内容之前列出每个已更改的字段，并将控制器中的值与页面值并列显示。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Write.&lt;/b&gt; Press %1 to write all four pages, or a page&apos;s own %2. Should the controller refuse a value, a message says which, and its field is shown.</source>
        <translation>&lt;b&gt;写入。&lt;/b&gt;按%1写入全部四页，或按某一页自己的%2。若控制器拒绝某个值，会有消息指出是哪一个，并显示其字段。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Save.&lt;/b&gt; %1 → %2 (%3) keeps the four pages&apos; values in a parameter file (.el); %1 → %4 puts them back into the pages, to write to this controller or another.</source>
        <translation>&lt;b&gt;保存。&lt;/b&gt;%1 → %2（%3）将四页的值保存到参数文件（.el）中；%1 → %4 将它们重新加载到各页，以便写入本控制器或其他控制器。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Report.&lt;/b&gt; %1 → %2 writes what the pages hold to a PDF or HTML file for the customer or the workshop&apos;s records; %1 → %3 prints it.</source>
        <translation>&lt;b&gt;报告。&lt;/b&gt;%1 → %2 将各页的内容写入 PDF 或 HTML 文件，交给客户或留作店内存档；%1 → %3 则将其打印出来。</translation>
    </message>
    <message>
        <source>Seven steps from a controller on the bench to a report of what it holds.</source>
        <translation>从工作台上的控制器到其设置报告，共七个步骤。</translation>
    </message>
</context>
<context>
    <name>morvent::KeepingActions</name>
    <message>
        <source>What %1 held is kept in %2</source>
        <translation>%1 原有内容已保存在 %2</translation>
    </message>
    <message>
        <source>Saved: %1</source>
        <translation>已保存：%1</translation>
    </message>
    <message>
        <source>Compare With File</source>
        <translation>与文件比较</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>加载</translation>
    </message>
    <message>
        <source>Load Backup</source>
        <translation>加载备份</translation>
    </message>
    <message>
        <source>Backup kept: %1</source>
        <translation>已保留备份：%1</translation>
    </message>
    <message>
        <source>No backup kept</source>
        <translation>未保留备份</translation>
    </message>
    <message>
        <source>Saved: %1. Its name has no &quot;.el&quot;, so Load lists it under &quot;All files&quot; only.</source>
        <translation>已保存：%1。文件名不含“.el”，因此“加载”只会在“所有文件”下列出它。</translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: a load puts the backup&apos;s values over what was typed. Load anyway?</source>
        <translation>
            <numerusform>%n 处更改尚未写入控制器：加载会用备份中的值覆盖已输入的内容。仍要加载吗？</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>morvent::LiveReadingsMonitor</name>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Paused: the plot stands still while readings go on being kept for the last minute and recorded.</source>
        <translation>已暂停：曲线静止，但最近一分钟的读数仍在保留和记录。</translation>
    </message>
    <message>
        <source>Readings appear here as &quot;Get&quot; or &quot;Continuous Get&quot; on the Torque page brings them in.</source>
        <translation>在“力矩”页按“获取”或“连续获取”后，读数会显示在这里。</translation>
    </message>
    <message>
        <source>Record to CSV</source>
        <translation>记录到 CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>停止记录</translation>
    </message>
    <message>
        <source>Record to CSV...</source>
        <translation>记录到 CSV...</translation>
    </message>
    <message numerus="yes">
        <source>%n readings</source>
        <translation>
            <numerusform>%n 条读数</numerusform>
        </translation>
    </message>
    <message>
        <source>Recording to %1: %2</source>
        <translation>正在记录到 %1：%2</translation>
    </message>
    <message>
        <source>Recording stopped: %1 (%2 kept)</source>
        <translation>记录已停止：%1（已保留 %2）</translation>
    </message>
    <message>
        <source>Recorded %1 to %2</source>
        <translation>已将 %1 记录到 %2</translation>
    </message>
</context>
<context>
    <name>morvent::LiveReadingsWindow</name>
    <message>
        <source>Live Torque Readings</source>
        <translation>力矩实时曲线</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Record to CSV...</source>
        <translation>记录到 CSV...</translation>
    </message>
    <message>
        <source>seconds before the latest reading</source>
        <translation>距最新读数的秒数</translation>
    </message>
</context>
<context>
    <name>morvent::PageUndo</name>
    <message>
        <source>Nothing to undo: the page has not been read or loaded</source>
        <translation>无可撤销：本页尚未读取或加载</translation>
    </message>
    <message>
        <source>Put back this page&apos;s values as read or loaded at %1</source>
        <translation>恢复本页在 %1 读取或加载时的值</translation>
    </message>
</context>
<context>
    <name>morvent::ParameterFileDialog</name>
    <message>
        <source>Open the Disk Error!</source>
        <translation>打开磁盘出错！</translation>
    </message>
</context>
<context>
    <name>morvent::ReplyDispatcher</name>
    <message>
        <source>Probing stopped: identity checksum error</source>
        <translation>探测已停止：识别信息校验和错误</translation>
    </message>
    <message>
        <source>No field differs from the controller</source>
        <translation>没有字段与控制器不同</translation>
    </message>
    <message numerus="yes">
        <source>Compare With Controller: %n changes not written</source>
        <translation>
            <numerusform>与控制器比较：%n 处更改未写入</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>morvent::ReportActions</name>
    <message>
        <source>Report</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>Bike or customer (printed on the report):</source>
        <translation>车辆或客户（打印在报告中）：</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>导出报告</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;HTML (*.html)</source>
        <translation>PDF (*.pdf);;HTML (*.html)</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>报告已保存：%1</translation>
    </message>
    <message>
        <source>Controller settings</source>
        <translation>控制器设置</translation>
    </message>
    <message>
        <source>Report Settings</source>
        <translation>报告设置</translation>
    </message>
    <message>
        <source>Shop name:</source>
        <translation>店铺名称：</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>地址：</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>电话：</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>电子邮箱：</translation>
    </message>
    <message>
        <source>Logo (a picture file):</source>
        <translation>标志（图片文件）：</translation>
    </message>
    <message>
        <source>Technician:</source>
        <translation>技师：</translation>
    </message>
</context>
<context>
    <name>morvent::ReviewChanges</name>
    <message>
        <source>Review Changes</source>
        <translation>查看更改</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>页面</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>字段</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>控制器</translation>
    </message>
    <message>
        <source>Page value</source>
        <translation>页面值</translation>
    </message>
    <message>
        <source>Put Back</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Give the selected fields the controller&apos;s values</source>
        <translation>将所选字段恢复为控制器中的值</translation>
    </message>
    <message>
        <source>Write Flash</source>
        <translation>写入全部</translation>
    </message>
    <message>
        <source>Changes not written</source>
        <translation>未写入的更改</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>closes this window</comment>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>morvent::StatusReporter</name>
    <message>
        <source>Disconnected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>%1, %2 s</source>
        <extracomment>%1 is what is awaited, a whole text of its own (&quot;Read Flash: Pedal Assist, 2 of 5&quot;); %2 the seconds waited so far.</extracomment>
        <translation>%1，%2 秒</translation>
    </message>
    <message>
        <source>No reply from the controller (%1, %2 s)</source>
        <extracomment>%1 is what is awaited, a whole text of its own (&quot;Read Flash: Pedal Assist, 2 of 5&quot;); %2 the seconds waited so far.</extracomment>
        <translation>控制器无应答（%1，%2 秒）</translation>
    </message>
</context>
<context>
    <name>morvent::TForm1</name>
    <message>
        <source>Connection lost: press Connect to start again</source>
        <translation>连接已断开：请按“连接”重新开始</translation>
    </message>
    <message>
        <source>Parameter files (*.el);;All files (*)</source>
        <translation>参数文件 (*.el);;所有文件 (*)</translation>
    </message>
    <message>
        <source>%1 bytes ignored: the port was closed</source>
        <translation>忽略 %1 字节：端口已关闭</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>加载</translation>
    </message>
    <message>
        <source>the device went away (hang-up)</source>
        <translation>设备已断开（连接中断）</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>ends the connection to the controller</comment>
        <translation>断开</translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: closing the window loses what was typed. Quit anyway?</source>
        <translation>
            <numerusform>%n 处更改尚未写入控制器：关闭窗口将丢失已输入的内容。仍要退出吗？</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: a load puts the file&apos;s values over what was typed. Load anyway?</source>
        <translation>
            <numerusform>%n 处更改尚未写入控制器：加载会用文件中的值覆盖已输入的内容。仍要加载吗？</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: connecting forgets what the controller holds, and the pages show no changes until read again. Connect anyway?</source>
        <translation>
            <numerusform>%n 处更改尚未写入控制器：连接后将不再记得控制器中的值，各页在重新读取前不会显示更改。仍要连接吗？</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: after Close, what was typed can no longer be written. Close anyway?</source>
        <translation>
            <numerusform>%n 处更改尚未写入控制器：断开后，已输入的内容将无法再写入。仍要断开吗？</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>morvent::TForm3</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation>入门指南(&amp;G)</translation>
    </message>
</context>
<context>
    <name>morvent::TForm4</name>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>morvent::TForm5</name>
    <message>
        <source>Load</source>
        <translation>加载</translation>
    </message>
</context>
<context>
    <name>morvent::TrafficLog</name>
    <message>
        <source>Traffic Log</source>
        <translation>通信日志</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Save as Text...</source>
        <translation>另存为文本...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Save the Traffic Log</source>
        <translation>保存通信日志</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>文本文件 (*.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>received</source>
        <translation>接收</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>发送</translation>
    </message>
</context>
<context>
    <name>morvent::ViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Traffic Log</source>
        <translation>通信日志(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>下次启动时生效</translation>
    </message>
    <message>
        <source>%1 from the next start</source>
        <translation>下次启动时切换为%1</translation>
    </message>
</context>
<context>
    <name>morvent::WindowLine</name>
    <message>
        <source>%1: not sent, the port is closed</source>
        <extracomment>%1 is the request as the traffic log names it, a text of its own (&quot;Torque write&quot;).</extracomment>
        <translation>%1：未发送，端口已关闭</translation>
    </message>
    <message>
        <source>Error sending!</source>
        <translation>发送错误！</translation>
    </message>
</context>
</TS>
