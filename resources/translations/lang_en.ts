<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CSerialCommandBase</name>
    <message>
        <source>握手</source>
        <translation>Handshake</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>获取机型</source>
        <translation>Get Model</translation>
    </message>
</context>
<context>
    <name>CompileCheck</name>
    <message>
        <source>编译工程失败！</source>
        <translation>Failed to compile the project!</translation>
    </message>
    <message>
        <source>工程数据超过最大容量: %1 字节！</source>
        <translation>The project data exceeds the maximum capacity:%1 bytes!</translation>
    </message>
</context>
<context>
    <name>DlgAboutUs</name>
    <message>
        <source>关于我们</source>
        <translation>About Us</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>点击即可访问官方网站，查看最新软件与产品资讯！</source>
        <translation>Click to visit the official website to view the latest software and product information!</translation>
    </message>
    <message>
        <source>官方网站 </source>
        <translation>Website </translation>
    </message>
    <message>
        <source>警告：本软件受著作权法保护。</source>
        <translation>Warning: this software is protected by copyright law.</translation>
    </message>
</context>
<context>
    <name>DlgDownProgress</name>
    <message>
        <source>正在下载程序...</source>
        <translation>Downloading...</translation>
    </message>
    <message>
        <source>编译完成，准备下载</source>
        <translation>Compiled, ready to download</translation>
    </message>
    <message>
        <source>强制下载所有文件</source>
        <translation>Force download of all files</translation>
    </message>
    <message>
        <source>下载</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>日志</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>在下载工程时,请勿断电或拔掉下载线！</source>
        <translation>Do not switch off the power or unplug the download cable while the project is downloaded!</translation>
    </message>
    <message>
        <source>下载工程</source>
        <translation>Download Project</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>中断传输会造成数据错误，是否关闭？</source>
        <translation>Interrupting the transfer will corrupt the data. Close anyway?</translation>
    </message>
</context>
<context>
    <name>DlgIOCheck</name>
    <message>
        <source>输入输出检修说明</source>
        <translation>I/O Maintenance Mode</translation>
    </message>
</context>
<context>
    <name>DlgPlcError</name>
    <message>
        <source>常见问题</source>
        <translation>Common Problem</translation>
    </message>
    <message>
        <source>如果LED显示&lt;span style=&apos;color:red; font-weight:bold;&apos;&gt; PLC E0 &lt;/span&gt;则可能有以下原因：</source>
        <translation>If the LED displays &lt;span style=&apos;color:red; font-weight:bold;&apos;&gt; PLC E0 &lt;/span&gt;, there may be the following reasons:</translation>
    </message>
    <message>
        <source>1. 电源不稳定: 请使用&lt;span style=&apos;color:red; font-weight:bold;&apos;&gt;DC24V/2A&lt;/span&gt;以上的开关电源;</source>
        <translation>1. The power supply is unstable, please use &lt;span style=&apos;color:red; font-weight:bold;&apos;&gt;DC24V/2A&lt;/span&gt; he above switch power supply;</translation>
    </message>
    <message>
        <source>2. PLC使用了不兼容的指令,请参考安装目录</source>
        <translation>2. The PLC used incompatible instructions. Please refer to the </translation>
    </message>
    <message>
        <source>文档;</source>
        <translation> instruction manual in the installation directory;</translation>
    </message>
    <message>
        <source>3. PLC程序结尾需要手动添加&lt;span style=&apos;color:red; font-weight:bold;&apos;&gt;END&lt;/span&gt;指令;</source>
        <translation>3. The &lt;span style=&apos;color:red; font-weight:bold;&apos;&gt;END&lt;/span&gt; command needs to be manually added at the end of the PLC program;</translation>
    </message>
    <message>
        <source>4. 尝试重新拨动&lt;span style=&apos;color:red; font-weight:bold;&apos;&gt;PLC开关&lt;/span&gt;后试试;</source>
        <translation>4. Try resetting the &lt;span style=&apos;color:red; font-weight:bold;&apos;&gt;PLC switch&lt;/span&gt; and then try again;</translation>
    </message>
    <message>
        <source>如果LED显示&lt;span style=&apos;color:red; font-weight:bold;&apos;&gt; EE xxxx &lt;/span&gt;则表示：</source>
        <translation>If the LED displays &lt;span style=&apos;color:red; font-weight:bold;&apos;&gt; EE xxxx &lt;/span&gt;, it means:</translation>
    </message>
    <message>
        <source>1. 非0时触发报警, 其中&lt;span style=&apos;color:red; font-weight:bold;&apos;&gt;xxxx&lt;/span&gt;表示当前寄存器数值;</source>
        <translation>1. Trigger alarm when non-zero, where &lt;span style=&apos;color:red; font-weight:bold;&apos;&gt;xxxx&lt;/span&gt; represents the current register value;</translation>
    </message>
    <message>
        <source>2. 如未使用到报警, 请在&lt;span style=&apos;color:red; font-weight:bold;&apos;&gt;菜单/参数设置/报警&lt;/span&gt;页面中去掉&lt;span style=&apos;color:red; font-weight:bold;&apos;&gt;启用&lt;/span&gt;的勾选框;</source>
        <translation>2. If the alarm is not used, please remove the &lt;span style=&apos;color:red; font-weight:bold;&apos;&gt;Enable&lt;/span&gt; checkbox from the &lt;span style=&apos;color:red; font-weight:bold;&apos;&gt;Menu/Parameter Settings/Alarm&lt;/span&gt; page;</translation>
    </message>
    <message>
        <source>如果仍无法解决,请致电我司技术支持</source>
        <translation>If the problem still cannot be solved, please call our technical support </translation>
    </message>
</context>
<context>
    <name>DlgSetDynamicText</name>
    <message>
        <source>动态数字串</source>
        <translation>Dynamic Digital String</translation>
    </message>
    <message>
        <source>最大行数</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>行数:</source>
        <translation>Rows:</translation>
    </message>
    <message>
        <source>是否滑动</source>
        <translation>Sliding</translation>
    </message>
    <message>
        <source>启用滑动</source>
        <translation>Slide</translation>
    </message>
    <message>
        <source>显示速度:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>寄存器</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>站号:</source>
        <translation>Station:</translation>
    </message>
    <message>
        <source>类型:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>地址:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>寄存器个数:</source>
        <translation>Register count:</translation>
    </message>
    <message>
        <source>数值为0时内容不显示！</source>
        <translation>A value of 0 shows no text!</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>内容</source>
        <translation>Content</translation>
    </message>
    <message>
        <source>[数值]只允许输入数字0-9,范围为0-65535</source>
        <translation>[Value] digits 0-9 only, from 0 to 65535</translation>
    </message>
    <message>
        <source>[内容]最大长度24个字符,仅允许数字0-9或字母(A,B,C,D,E,F,H,L,P,U,-)</source>
        <translation>[Content] at most 24 characters, only digits 0-9 or the letters (A,B,C,D,E,F,H,L,P,U,-)</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>数值项不允许为空！</source>
        <translation>A value must not be empty!</translation>
    </message>
    <message>
        <source>内容项不允许为空！</source>
        <translation>A content must not be empty!</translation>
    </message>
</context>
<context>
    <name>DlgSetPlc</name>
    <message>
        <source>产品型号</source>
        <translation>Product Model</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;1.外接220V交流电源&lt;/p&gt;&lt;p&gt;2.输入10点,输出10点&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;1. External 220 V AC supply&lt;/p&gt;&lt;p&gt;2. 10 inputs, 10 outputs&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>选择型号:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>设备厂家</source>
        <translation>PLC</translation>
    </message>
    <message>
        <source>PLC厂家:</source>
        <translation>PLC vendor:</translation>
    </message>
    <message>
        <source>PLC型号:</source>
        <translation>PLC model:</translation>
    </message>
    <message>
        <source>波特率:</source>
        <translation>Baud rate:</translation>
    </message>
    <message>
        <source>数据位:</source>
        <translation>Data bits:</translation>
    </message>
    <message>
        <source>停止位:</source>
        <translation>Stop bits:</translation>
    </message>
    <message>
        <source>校验位:</source>
        <translation>Parity:</translation>
    </message>
    <message>
        <source>无校验</source>
        <translation>None</translation>
    </message>
    <message>
        <source>偶校验</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>奇校验</source>
        <translation>Odd</translation>
    </message>
    <message>
        <source>通讯方式:</source>
        <translation>Line:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>新建工程</source>
        <translation>New Project</translation>
    </message>
    <message>
        <source>编辑工程</source>
        <translation>Edit Project</translation>
    </message>
</context>
<context>
    <name>DlgSetSerialPort</name>
    <message>
        <source>通讯设置</source>
        <translation>Communication</translation>
    </message>
    <message>
        <source>选择串口号:</source>
        <translation>Serial port:</translation>
    </message>
    <message>
        <source>刷新串口</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>联机测试</source>
        <translation>Test connection</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>[%1] 命令成功</source>
        <translation>[%1] Command succeeded</translation>
    </message>
    <message>
        <source>请选择正确的串口号！</source>
        <translation>Please choose a valid serial port!</translation>
    </message>
</context>
<context>
    <name>DlgTextmonitor</name>
    <message>
        <source>参数设置</source>
        <translation>System Setting</translation>
    </message>
    <message>
        <source>常规</source>
        <translation>General</translation>
    </message>
    <message>
        <source>参数</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>密码:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>屏保</source>
        <translation>Screen saver</translation>
    </message>
    <message>
        <source>屏保时间:</source>
        <translation>Screen saver after:</translation>
    </message>
    <message>
        <source>分</source>
        <translation>min</translation>
    </message>
    <message>
        <source>屏保时间设为0，无屏保</source>
        <translation>A screen saver time of 0 turns the screen saver off</translation>
    </message>
    <message>
        <source>关闭背光</source>
        <translation>Backlight off</translation>
    </message>
    <message>
        <source>屏保亮度</source>
        <translation>Dimmed</translation>
    </message>
    <message>
        <source>显示数字串</source>
        <translation>Show text</translation>
    </message>
    <message>
        <source>文本:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>备注：最大长度24个字符,仅允许数字0-9或字母(A,B,C,D,E,F,H,L,P,U)</source>
        <translation>Note: at most 24 characters, only digits 0-9 or the letters (A,B,C,D,E,F,H,L,P,U)</translation>
    </message>
    <message>
        <source>启用滑动</source>
        <translation>Slide</translation>
    </message>
    <message>
        <source>显示速度:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>LED</source>
        <translation>LED</translation>
    </message>
    <message>
        <source>显示亮度:</source>
        <translation>Brightness:</translation>
    </message>
    <message>
        <source>启用设置导航灯(上/下/确认/移位)</source>
        <translation>Navigation lamps on (up/down/enter/shift)</translation>
    </message>
    <message>
        <source>状态控制</source>
        <translation>Status control</translation>
    </message>
    <message>
        <source>设备站号:</source>
        <translation>Station:</translation>
    </message>
    <message>
        <source>使用按键地址</source>
        <translation>Use key address</translation>
    </message>
    <message>
        <source>寄存器类型:</source>
        <translation>Register type:</translation>
    </message>
    <message>
        <source>地址:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>默认M8080-M8089</source>
        <translation>Default M8080-M8089</translation>
    </message>
    <message>
        <source>使用按键灯地址</source>
        <translation>Use key lamp address</translation>
    </message>
    <message>
        <source>使用T灯地址</source>
        <translation>Use T lamp address</translation>
    </message>
    <message>
        <source>显示地址</source>
        <translation>Display address</translation>
    </message>
    <message>
        <source>是否启用6位数据显示</source>
        <translation>Six-digit display</translation>
    </message>
    <message>
        <source>是否自定义左地址(左两位或上排)</source>
        <translation>Custom left address (left two digits or upper row)</translation>
    </message>
    <message>
        <source>小数位:</source>
        <translation>Decimals:</translation>
    </message>
    <message>
        <source>是否有符号</source>
        <translation>Signed</translation>
    </message>
    <message>
        <source>是否先导0</source>
        <translation>Leading zeros</translation>
    </message>
    <message>
        <source>是否自定义右地址(右四位或下排)</source>
        <translation>Custom right address (right four digits or lower row)</translation>
    </message>
    <message>
        <source>报警</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>启用</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source> 蜂鸣器</source>
        <translation> Buzzer</translation>
    </message>
    <message>
        <source>控制蜂鸣器</source>
        <translation>Buzzer control</translation>
    </message>
    <message>
        <source>其他参数</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>关闭按键声音</source>
        <translation>Key sound off</translation>
    </message>
    <message>
        <source>开机文字</source>
        <translation>Boot text</translation>
    </message>
    <message>
        <source>是否启用开机文字</source>
        <translation>Show a boot text</translation>
    </message>
    <message>
        <source> 文本内容:</source>
        <translation> Text:</translation>
    </message>
    <message>
        <source>是否滑动</source>
        <translation>Sliding</translation>
    </message>
    <message>
        <source>持续显示时间:</source>
        <translation>Shown for:</translation>
    </message>
    <message>
        <source>(秒)</source>
        <translation>(s)</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>范围:%1-%2</source>
        <translation>Range:%1-%2</translation>
    </message>
    <message>
        <source>范围:%1-%2  %3为时钟点,%4为T9灯,%5为T10灯</source>
        <translation>Range:%1-%2  %3 is the clock point, %4 T9 lamp, %5 T10 lamp</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>屏保显示文本串不能为空！</source>
        <translation>The screen saver text must not be empty!</translation>
    </message>
</context>
<context>
    <name>DownloadJob</name>
    <message>
        <source>正在初始化[下载工程]任务...</source>
        <translation>Initialising the [Download Project] task...</translation>
    </message>
    <message>
        <source>更新固件</source>
        <translation>Update Firmware</translation>
    </message>
    <message>
        <source>在更新固件时,请勿断电或拔掉下载线！</source>
        <translation>Do not switch off the power or unplug the download cable while the firmware is updated!</translation>
    </message>
    <message>
        <source>下载完成...</source>
        <translation>Download complete...</translation>
    </message>
    <message>
        <source>下载失败...</source>
        <translation>Download failed...</translation>
    </message>
    <message>
        <source>下载工程</source>
        <translation>Download Project</translation>
    </message>
    <message>
        <source>在下载工程时,请勿断电或拔掉下载线！</source>
        <translation>Do not switch off the power or unplug the download cable while the project is downloaded!</translation>
    </message>
    <message>
        <source>正在下载工程...</source>
        <translation>Downloading the project...</translation>
    </message>
    <message>
        <source>数据保存完毕...</source>
        <translation>Data saved...</translation>
    </message>
    <message>
        <source>当前固件需要升级,但不支持当前的WinXP...</source>
        <translation>The firmware needs an upgrade, which Windows XP does not support...</translation>
    </message>
    <message>
        <source>请使用Win7以上系统升级固件...</source>
        <translation>Please upgrade the firmware on Windows 7 or later...</translation>
    </message>
    <message>
        <source>[N/O] 标志:%1-%2 | 型号:%3-%4 | 版本:%5-%6</source>
        <translation>[N/O] Flag:%1-%2 | Model:%3-%4 | Version:%5-%6</translation>
    </message>
    <message>
        <source>按下CTRL,将强制更新...</source>
        <translation>CTRL pressed, the firmware will be updated anyway...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>参数区</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>参数显示:</source>
        <translation>Parameter:</translation>
    </message>
    <message>
        <source>备注：最大长度2个字符,仅允许数字0-9或字母(A,B,C,D,E,F,H,L,P,U)</source>
        <translation>Note: at most 2 characters, only digits 0-9 or the letters (A,B,C,D,E,F,H,L,P,U)</translation>
    </message>
    <message>
        <source>备注：仅允许数字0-9或字母(A,B,C,D,E,F,H,L,P,U)</source>
        <translation>Note: only digits 0-9 or the letters (A,B,C,D,E,F,H,L,P,U)</translation>
    </message>
    <message>
        <source>画面</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>画面描述:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>总位数:</source>
        <translation>Total digits:</translation>
    </message>
    <message>
        <source>小数位:</source>
        <translation>Decimals:</translation>
    </message>
    <message>
        <source>数制</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>是否有符号</source>
        <translation>Signed</translation>
    </message>
    <message>
        <source>是否先导0</source>
        <translation>Leading zeros</translation>
    </message>
    <message>
        <source>寄存器</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>站号:</source>
        <translation>Station:</translation>
    </message>
    <message>
        <source>类型:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>地址:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>个数:</source>
        <translation>Count:</translation>
    </message>
    <message>
        <source>高级</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>设定</source>
        <translation>Settable</translation>
    </message>
    <message>
        <source>加密</source>
        <translation>Encrypted</translation>
    </message>
    <message>
        <source>上下限</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>输入下限:</source>
        <translation>Input minimum:</translation>
    </message>
    <message>
        <source>输入上限:</source>
        <translation>Input maximum:</translation>
    </message>
    <message>
        <source>页面指示灯及快捷键</source>
        <translation>Frame lamps and keys</translation>
    </message>
    <message>
        <source>T 灯:</source>
        <translation>T lamp:</translation>
    </message>
    <message>
        <source>未启用</source>
        <translation>None</translation>
    </message>
    <message>
        <source>T1灯</source>
        <translation>T1 lamp</translation>
    </message>
    <message>
        <source>T2灯</source>
        <translation>T2 lamp</translation>
    </message>
    <message>
        <source>T3灯</source>
        <translation>T3 lamp</translation>
    </message>
    <message>
        <source>T4灯</source>
        <translation>T4 lamp</translation>
    </message>
    <message>
        <source>T5灯</source>
        <translation>T5 lamp</translation>
    </message>
    <message>
        <source>T6灯</source>
        <translation>T6 lamp</translation>
    </message>
    <message>
        <source>T7灯</source>
        <translation>T7 lamp</translation>
    </message>
    <message>
        <source>T8灯</source>
        <translation>T8 lamp</translation>
    </message>
    <message>
        <source>T9灯</source>
        <translation>T9 lamp</translation>
    </message>
    <message>
        <source>T10灯</source>
        <translation>T10 lamp</translation>
    </message>
    <message>
        <source>闪烁</source>
        <translation>Flicker</translation>
    </message>
    <message>
        <source>F 灯:</source>
        <translation>F lamp:</translation>
    </message>
    <message>
        <source>F1灯</source>
        <translation>F1 lamp</translation>
    </message>
    <message>
        <source>F2灯</source>
        <translation>F2 lamp</translation>
    </message>
    <message>
        <source>F3灯</source>
        <translation>F3 lamp</translation>
    </message>
    <message>
        <source>F4灯</source>
        <translation>F4 lamp</translation>
    </message>
    <message>
        <source>F5灯</source>
        <translation>F5 lamp</translation>
    </message>
    <message>
        <source>F6灯</source>
        <translation>F6 lamp</translation>
    </message>
    <message>
        <source>F7灯</source>
        <translation>F7 lamp</translation>
    </message>
    <message>
        <source>F8灯</source>
        <translation>F8 lamp</translation>
    </message>
    <message>
        <source>F9灯</source>
        <translation>F9 lamp</translation>
    </message>
    <message>
        <source>F10灯</source>
        <translation>F10 lamp</translation>
    </message>
    <message>
        <source>按键:</source>
        <translation>Key:</translation>
    </message>
    <message>
        <source>F1键</source>
        <translation>F1 key</translation>
    </message>
    <message>
        <source>F2键</source>
        <translation>F2 key</translation>
    </message>
    <message>
        <source>F3键</source>
        <translation>F3 key</translation>
    </message>
    <message>
        <source>F4键</source>
        <translation>F4 key</translation>
    </message>
    <message>
        <source>F5键</source>
        <translation>F5 key</translation>
    </message>
    <message>
        <source>F6键</source>
        <translation>F6 key</translation>
    </message>
    <message>
        <source>F7键</source>
        <translation>F7 key</translation>
    </message>
    <message>
        <source>F8键</source>
        <translation>F8 key</translation>
    </message>
    <message>
        <source>F9键</source>
        <translation>F9 key</translation>
    </message>
    <message>
        <source>F10键</source>
        <translation>F10 key</translation>
    </message>
    <message>
        <source>触发</source>
        <translation>Trigger</translation>
    </message>
    <message>
        <source>标准工具栏</source>
        <translation>Standard Toolbar</translation>
    </message>
    <message>
        <source>工程</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>加载通讯库失败，请检查文件是否存在: %1</source>
        <translation>Failed to load the communication library. Please check whether the file exists:%1</translation>
    </message>
    <message>
        <source>加载厂家列表失败，请检查文件是否存在: %1</source>
        <translation>Failed to load the manufacturer list. Please check whether the file exists:%1</translation>
    </message>
    <message>
        <source>加载型号列表失败，请检查文件是否存在: %1</source>
        <translation>Failed to load the model list, please check whether the file exists:%1</translation>
    </message>
    <message>
        <source>行:%1  列:%2</source>
        <translation>Row:%1 Column:%2</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://segmo.invalid/&quot;&gt;Segmo 主页&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://segmo.invalid/&quot;&gt;Segmo home page&lt;/a&gt;</translation>
    </message>
    <message>
        <source>未打开工程</source>
        <translation>Project not opened</translation>
    </message>
    <message>
        <source>未保存</source>
        <translation>Not Saved</translation>
    </message>
    <message>
        <source>是否保存当前工程？</source>
        <translation>Do you want to save the current project?</translation>
    </message>
    <message>
        <source>打开工程</source>
        <translation>Open Project</translation>
    </message>
    <message>
        <source>[100] 打开工程失败：请检查文件是否被占用！</source>
        <translation>[100] Failed to open project: Please check if the file is occupied!</translation>
    </message>
    <message>
        <source>[101] 打开工程失败：无效的文件格式！</source>
        <translation>[101] Failed to open project: Invalid file format!</translation>
    </message>
    <message>
        <source>另存工程</source>
        <translation>Save Project As</translation>
    </message>
    <message>
        <source>保存工程失败，请检查文件是否被占用！</source>
        <translation>Failed to save the project, please check whether the file is occupied!</translation>
    </message>
    <message>
        <source>最后一个画面不允许删除！</source>
        <translation>The last frame cannot be deleted!</translation>
    </message>
    <message>
        <source>新建工程</source>
        <translation>New Project</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存工程</source>
        <translation>Save Project</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>另存为...</source>
        <translation>SaveAs...</translation>
    </message>
    <message>
        <source>另存</source>
        <translation>SaveAs</translation>
    </message>
    <message>
        <source>关闭工程</source>
        <translation>Close Project</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>添加画面</source>
        <translation>Add Frame</translation>
    </message>
    <message>
        <source>添加页</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>复制画面</source>
        <translation>Copy frame</translation>
    </message>
    <message>
        <source>复制页</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>删除页面</source>
        <translation>Delete Frame</translation>
    </message>
    <message>
        <source>删除页</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>上移一层</source>
        <translation>Move Up</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>下移一层</source>
        <translation>Move Down</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>上移至顶层</source>
        <translation>Move Top</translation>
    </message>
    <message>
        <source>顶层</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>下移至底层</source>
        <translation>Move Bottom</translation>
    </message>
    <message>
        <source>底层</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>下载工程</source>
        <translation>Download Project</translation>
    </message>
    <message>
        <source>下载</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>上载工程</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>上载</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>制作批量</source>
        <translation>make batch</translation>
    </message>
    <message>
        <source>批量</source>
        <translation>Batch</translation>
    </message>
    <message>
        <source>更新固件</source>
        <translation>Update Firmware</translation>
    </message>
    <message>
        <source>固件</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>单排仿真</source>
        <translation>Single row simulation</translation>
    </message>
    <message>
        <source>单仿真</source>
        <translation>Single Simulation</translation>
    </message>
    <message>
        <source>双排仿真</source>
        <translation>Double row simulation</translation>
    </message>
    <message>
        <source>双仿真</source>
        <translation>Dual simulation</translation>
    </message>
    <message>
        <source>串口设置</source>
        <translation>Serial</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>Serial</translation>
    </message>
    <message>
        <source>选择机型</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>机型</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>参数设置</source>
        <translation>System Setting</translation>
    </message>
    <message>
        <source>参数</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>动态数字</source>
        <translation>Dynamic</translation>
    </message>
    <message>
        <source>数字串</source>
        <translation>Digital string</translation>
    </message>
    <message>
        <source>驱动安装</source>
        <translation>Install USB Driver</translation>
    </message>
    <message>
        <source>I/O检修说明</source>
        <translation>I/O Maintenance</translation>
    </message>
    <message>
        <source>软件下载中心</source>
        <translation>Software Download Center</translation>
    </message>
    <message>
        <source>LED显示PLC E0错误</source>
        <translation>LED displays &quot;PLC E0&quot; error</translation>
    </message>
    <message>
        <source>LED显示EE xxxx错误</source>
        <translation>LED displays &quot;EE xxxx&quot; error</translation>
    </message>
    <message>
        <source>帮助文档</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>软件升级</source>
        <translation>Software upgrade</translation>
    </message>
    <message>
        <source>官方网站</source>
        <translation>Web Site</translation>
    </message>
    <message>
        <source>关于我们</source>
        <translation>About Us</translation>
    </message>
    <message>
        <source>产品介绍</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>工具包</source>
        <translation>ToolBox</translation>
    </message>
    <message>
        <source>常见错误</source>
        <translation>Common Problem</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>SaveAs</translation>
    </message>
    <message>
        <source>打开串口 %1 失败，请检查串口设置！</source>
        <translation>Failed to open serial port %1, please check the serial port settings!</translation>
    </message>
    <message>
        <source>[%1] 命令成功</source>
        <translation>[%1] Command succeeded</translation>
    </message>
    <message>
        <source>制作批量下载工具</source>
        <translation>make batch download tool</translation>
    </message>
    <message>
        <source>安装USB通讯驱动</source>
        <translation>Install USB Driver</translation>
    </message>
    <message>
        <source>打开Morvane软件下载中心,包括所有软件、驱动、文档等</source>
        <translation>Open the Tavro software download center, including all software, drivers, documents, etc</translation>
    </message>
    <message>
        <source>打开我们官方网站了解最新产品咨询</source>
        <translation>Open our official website for the latest product consultation</translation>
    </message>
    <message>
        <source>最新的LED产品介绍说明书</source>
        <translation>Latest LED product introduction manual</translation>
    </message>
</context>
<context>
    <name>PageEditor</name>
    <message>
        <source>[参数]最大长度2个字符,仅允许数字0-9或字母(A,B,C,D,E,F,H,L,P,U)</source>
        <translation>[Parameter] at most 2 characters, only digits 0-9 or the letters (A,B,C,D,E,F,H,L,P,U)</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>参数</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Remarks</translation>
    </message>
    <message>
        <source>T灯地址未启用,请在菜单[设置/参数设置/状态控制]栏中勾选[使用T灯地址]</source>
        <translation>The T lamp address is not in use; tick [Use T lamp address] under [Setting/System Setting/Status control]</translation>
    </message>
    <message>
        <source>当前[参数设置/状态控制]中[使用T灯地址]范围: %1 - %2, 其中%3为时钟点</source>
        <translation>[Use T lamp address] under [System Setting/Status control] covers %1 - %2; %3 is the clock point</translation>
    </message>
    <message>
        <source>F灯地址未启用,请在菜单[设置/参数设置/状态控制]栏中勾选[使用按键灯地址]</source>
        <translation>The F lamp address is not in use; tick [Use key lamp address] under [Setting/System Setting/Status control]</translation>
    </message>
    <message>
        <source>当前[参数设置/状态控制]中[使用按键灯地址]范围: %1 - %2</source>
        <translation>[Use key lamp address] under [System Setting/Status control] covers %1 - %2</translation>
    </message>
    <message>
        <source>按键地址未启用,请在菜单[设置/参数设置/状态控制]栏中勾选[使用按键地址]</source>
        <translation>The key address is not in use; tick [Use key address] under [Setting/System Setting/Status control]</translation>
    </message>
    <message>
        <source>当前[参数设置/状态控制]中[使用按键地址]范围: %1 - %2</source>
        <translation>[Use key address] under [System Setting/Status control] covers %1 - %2</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>当前序号 T%1 已经被 %2:%3 使用,是否继续操作？</source>
        <translation>T%1 is used by %2:%3 already. Continue?</translation>
    </message>
    <message>
        <source>当前序号 K%1 已经被 %2:%3 使用,是否继续操作？</source>
        <translation>K%1 is used by %2:%3 already. Continue?</translation>
    </message>
    <message>
        <source>当前序号 按键%1 已经被 %2 使用,是否继续操作？</source>
        <translation>Key %1 is used by %2 already. Continue?</translation>
    </message>
</context>
<context>
    <name>PanelProtocol</name>
    <message>
        <source>硬件 | 标志:%1 | 型号:%2 | 版本:%3</source>
        <translation>Hardware | Flag:%1 | Model:%2 | Version:%3</translation>
    </message>
</context>
<context>
    <name>SerialResult</name>
    <message>
        <source>无法打开串口 %1</source>
        <translation>Cannot open serial port %1</translation>
    </message>
    <message>
        <source>%1 发送失败</source>
        <translation>%1 sending failed</translation>
    </message>
    <message>
        <source>%1 校验失败</source>
        <translation>%1 check failed</translation>
    </message>
    <message>
        <source>%1 请求超时</source>
        <translation>%1 request timed out</translation>
    </message>
    <message>
        <source>%1 参数无效</source>
        <translation>%1 invalid parameter</translation>
    </message>
    <message>
        <source>%1 未响应请求</source>
        <translation>%1 did not respond</translation>
    </message>
    <message>
        <source>%1 手动取消</source>
        <translation>%1 cancelled by the user</translation>
    </message>
    <message>
        <source>通讯失败，错误代码: 0x800%1

%2</source>
        <translation>Communication failed, error code: 0x800%1

%2</translation>
    </message>
</context>
<context>
    <name>ToolCommands</name>
    <message>
        <source>安装失败：驱动文件丢失，请在官网下载最新的软件并重新安装！</source>
        <translation>Installation failed: the driver file is missing, please re download the latest software on the official website!</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>仿真或批量工具仍在运行，请先关闭它！</source>
        <translation>A simulator or the batch tool is still running, please close it first!</translation>
    </message>
    <message>
        <source>[3001] 文件丢失,请重新安装软件！</source>
        <translation>[3001] A file is missing, please reinstall the software!</translation>
    </message>
    <message>
        <source>[3001] 仿真文件丢失,请重新安装软件！</source>
        <translation>[3001] The simulation file is missing, please reinstall the software!</translation>
    </message>
    <message>
        <source>无法启动程序 %1：%2</source>
        <translation>Cannot start the program %1: %2</translation>
    </message>
</context>
<context>
    <name>UpdateCommand</name>
    <message>
        <source>提示</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>[10003] 文件丢失，请去Morvane官网重新下载安装软件！</source>
        <translation>[10003] A file is missing, please download and reinstall the software from the Morvane website!</translation>
    </message>
    <message>
        <source>你已经关闭自动更新，是否立即打开？</source>
        <translation>You have turned off automatic update. Do you want to turn it on now?</translation>
    </message>
    <message>
        <source>网络错误连接失败，请检查本机是否联网！</source>
        <translation>Network error connection failed, please check whether this machine is connected!</translation>
    </message>
    <message>
        <source>当前已经是最新版本了！</source>
        <translation>The current version is already the latest!</translation>
    </message>
</context>
</TS>
