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
</TS>
