<?xml version='1.0' encoding='utf-8'?>
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
</TS>