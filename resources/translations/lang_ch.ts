<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>CSerialCommandBase</name>
    <message>
        <source>握手</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>获取机型</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompileCheck</name>
    <message>
        <source>编译工程失败！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工程数据超过最大容量: %1 字节！</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DlgAboutUs</name>
    <message>
        <source>关于我们</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>点击即可访问官方网站，查看最新软件与产品资讯！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>官方网站 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>警告：本软件受著作权法保护。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DlgDownProgress</name>
    <message>
        <source>正在下载程序...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编译完成，准备下载</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>强制下载所有文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下载</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>时间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日志</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在下载工程时,请勿断电或拔掉下载线！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下载工程</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中断传输会造成数据错误，是否关闭？</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DlgIOCheck</name>
    <message>
        <source>输入输出检修说明</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DlgPlcError</name>
    <message>
        <source>常见问题</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>如果LED显示&lt;span style=&apos;color:red; font-weight:bold;&apos;&gt; PLC E0 &lt;/span&gt;则可能有以下原因：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. 电源不稳定: 请使用&lt;span style=&apos;color:red; font-weight:bold;&apos;&gt;DC24V/2A&lt;/span&gt;以上的开关电源;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. PLC使用了不兼容的指令,请参考安装目录</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文档;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. PLC程序结尾需要手动添加&lt;span style=&apos;color:red; font-weight:bold;&apos;&gt;END&lt;/span&gt;指令;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4. 尝试重新拨动&lt;span style=&apos;color:red; font-weight:bold;&apos;&gt;PLC开关&lt;/span&gt;后试试;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>如果LED显示&lt;span style=&apos;color:red; font-weight:bold;&apos;&gt; EE xxxx &lt;/span&gt;则表示：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. 非0时触发报警, 其中&lt;span style=&apos;color:red; font-weight:bold;&apos;&gt;xxxx&lt;/span&gt;表示当前寄存器数值;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. 如未使用到报警, 请在&lt;span style=&apos;color:red; font-weight:bold;&apos;&gt;菜单/参数设置/报警&lt;/span&gt;页面中去掉&lt;span style=&apos;color:red; font-weight:bold;&apos;&gt;启用&lt;/span&gt;的勾选框;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>如果仍无法解决,请致电我司技术支持</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DlgSetDynamicText</name>
    <message>
        <source>动态数字串</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最大行数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>行数:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>是否滑动</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>启用滑动</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>显示速度:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>寄存器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>站号:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>类型:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>地址:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>寄存器个数:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数值为0时内容不显示！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>序号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>内容</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[数值]只允许输入数字0-9,范围为0-65535</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[内容]最大长度24个字符,仅允许数字0-9或字母(A,B,C,D,E,F,H,L,P,U,-)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数值项不允许为空！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>内容项不允许为空！</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DlgSetPlc</name>
    <message>
        <source>产品型号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;1.外接220V交流电源&lt;/p&gt;&lt;p&gt;2.输入10点,输出10点&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择型号:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设备厂家</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLC厂家:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLC型号:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>波特率:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数据位:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停止位:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>校验位:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无校验</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>偶校验</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>奇校验</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通讯方式:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>默认</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新建工程</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编辑工程</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DlgSetSerialPort</name>
    <message>
        <source>通讯设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择串口号:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>刷新串口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>联机测试</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[%1] 命令成功</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请选择正确的串口号！</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DlgTextmonitor</name>
    <message>
        <source>参数设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>常规</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>密码:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>屏保</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>屏保时间:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>屏保时间设为0，无屏保</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭背光</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>屏保亮度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>显示数字串</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文本:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>备注：最大长度24个字符,仅允许数字0-9或字母(A,B,C,D,E,F,H,L,P,U)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>启用滑动</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>显示速度:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>显示亮度:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>启用设置导航灯(上/下/确认/移位)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>状态控制</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设备站号:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用按键地址</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>寄存器类型:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>地址:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>默认M8080-M8089</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用按键灯地址</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用T灯地址</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>显示地址</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>是否启用6位数据显示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>是否自定义左地址(左两位或上排)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小数位:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>是否有符号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>是否先导0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>是否自定义右地址(右四位或下排)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>报警</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>启用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 蜂鸣器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>控制蜂鸣器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>其他参数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭按键声音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开机文字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>是否启用开机文字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 文本内容:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>是否滑动</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>持续显示时间:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(秒)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>范围:%1-%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>范围:%1-%2  %3为时钟点,%4为T9灯,%5为T10灯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>屏保显示文本串不能为空！</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DownloadJob</name>
    <message>
        <source>正在初始化[下载工程]任务...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>更新固件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在更新固件时,请勿断电或拔掉下载线！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下载完成...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下载失败...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下载工程</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在下载工程时,请勿断电或拔掉下载线！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在下载工程...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数据保存完毕...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前固件需要升级,但不支持当前的WinXP...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请使用Win7以上系统升级固件...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[N/O] 标志:%1-%2 | 型号:%3-%4 | 版本:%5-%6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按下CTRL,将强制更新...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>参数区</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参数显示:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>备注：最大长度2个字符,仅允许数字0-9或字母(A,B,C,D,E,F,H,L,P,U)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>备注：仅允许数字0-9或字母(A,B,C,D,E,F,H,L,P,U)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画面</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画面描述:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>显示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>总位数:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小数位:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数制</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>是否有符号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>是否先导0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>寄存器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>站号:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>类型:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>地址:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>个数:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>高级</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>加密</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上下限</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入下限:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入上限:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>页面指示灯及快捷键</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T 灯:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未启用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T1灯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T2灯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T3灯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T4灯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T5灯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T6灯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T7灯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T8灯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T9灯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T10灯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>闪烁</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F 灯:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1灯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F2灯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F3灯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F4灯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F5灯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F6灯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F7灯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F8灯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F9灯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F10灯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按键:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1键</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F2键</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F3键</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F4键</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F5键</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F6键</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F7键</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F8键</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F9键</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F10键</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>触发</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>标准工具栏</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工程</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>加载通讯库失败，请检查文件是否存在: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>加载厂家列表失败，请检查文件是否存在: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>加载型号列表失败，请检查文件是否存在: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>行:%1  列:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://segmo.invalid/&quot;&gt;Segmo 主页&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未打开工程</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>是否保存当前工程？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开工程</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[100] 打开工程失败：请检查文件是否被占用！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[101] 打开工程失败：无效的文件格式！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>另存工程</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存工程失败，请检查文件是否被占用！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最后一个画面不允许删除！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新建工程</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新建</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存工程</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>另存为...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>另存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭工程</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>退出</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>添加画面</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>添加页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>复制画面</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>复制页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>删除页面</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>删除页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上移一层</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上移</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下移一层</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下移</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上移至顶层</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>顶层</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下移至底层</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>底层</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下载工程</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下载</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上载工程</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上载</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>制作批量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>批量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>更新固件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>固件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单排仿真</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单仿真</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>双排仿真</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>双仿真</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择机型</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>机型</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参数设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>动态数字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数字串</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>驱动安装</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I/O检修说明</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>软件下载中心</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED显示PLC E0错误</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED显示EE xxxx错误</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>帮助文档</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>软件升级</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>官方网站</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关于我们</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>产品介绍</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工具包</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>常见错误</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关于</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>另存为</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开串口 %1 失败，请检查串口设置！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[%1] 命令成功</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>制作批量下载工具</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>安装USB通讯驱动</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开Morvane软件下载中心,包括所有软件、驱动、文档等</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开我们官方网站了解最新产品咨询</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最新的LED产品介绍说明书</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageEditor</name>
    <message>
        <source>[参数]最大长度2个字符,仅允许数字0-9或字母(A,B,C,D,E,F,H,L,P,U)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>序号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>备注</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T灯地址未启用,请在菜单[设置/参数设置/状态控制]栏中勾选[使用T灯地址]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前[参数设置/状态控制]中[使用T灯地址]范围: %1 - %2, 其中%3为时钟点</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F灯地址未启用,请在菜单[设置/参数设置/状态控制]栏中勾选[使用按键灯地址]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前[参数设置/状态控制]中[使用按键灯地址]范围: %1 - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按键地址未启用,请在菜单[设置/参数设置/状态控制]栏中勾选[使用按键地址]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前[参数设置/状态控制]中[使用按键地址]范围: %1 - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前序号 T%1 已经被 %2:%3 使用,是否继续操作？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前序号 K%1 已经被 %2:%3 使用,是否继续操作？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前序号 按键%1 已经被 %2 使用,是否继续操作？</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PanelProtocol</name>
    <message>
        <source>硬件 | 标志:%1 | 型号:%2 | 版本:%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialResult</name>
    <message>
        <source>无法打开串口 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 发送失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 校验失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 请求超时</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 参数无效</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 未响应请求</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 手动取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通讯失败，错误代码: 0x800%1

%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolCommands</name>
    <message>
        <source>安装失败：驱动文件丢失，请在官网下载最新的软件并重新安装！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>仿真或批量工具仍在运行，请先关闭它！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[3001] 文件丢失,请重新安装软件！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[3001] 仿真文件丢失,请重新安装软件！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法启动程序 %1：%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateCommand</name>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[10003] 文件丢失，请去Morvane官网重新下载安装软件！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>你已经关闭自动更新，是否立即打开？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>网络错误连接失败，请检查本机是否联网！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前已经是最新版本了！</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
