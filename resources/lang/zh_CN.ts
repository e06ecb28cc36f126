<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Another Camguide is already running.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;另一个Camguide已在运行。</translation>
    </message>
    <message>
        <source>MyCamera</source>
        <translation>我的摄像机</translation>
    </message>
</context>
<context>
    <name>camguide</name>
    <message>
        <source>background-image: url(:/images/messagebox_pic.png);font:14px;color:rgb(89,87,87);</source>
        <translation>background-image: url(:/images/messagebox_pic.png);font:14px;color:rgb(89,87,87);</translation>
    </message>
    <message>
        <source>background-image: url(:/images/messagebox_pic.png);font:13px;color:rgb(89,87,87);</source>
        <translation>background-image: url(:/images/messagebox_pic.png);font:13px;color:rgb(89,87,87);</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>故障排除</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>手册和下载</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. 保留所有权利。</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>关闭    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;关于 </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;警告：&lt;/b&gt;本程序受版权法和国际条约保护。未经授权擅自复制或分发本程序或其任何部分，可能会受到严厉的民事和刑事处罚。&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>connectPage</name>
    <message>
        <source>plug</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>join</source>
        <translation>加入</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>摄像机上的Link LED是否亮绿灯？</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>摄像机上的Power/Link LED是否亮绿灯？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>重新启动    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>关闭    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>在摄像机通电的状态下，按住重置按钮至少6秒钟。重置摄像机后，单击&lt;b&gt;重新启动&lt;/b&gt;继续。</translation>
    </message>
    <message>
        <source>Connect to the network</source>
        <translation>连接到网络</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. 将网线连接到摄像机背面的以太网端口。</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. 将网线的另一端连接到路由器上空闲的LAN口。</translation>
    </message>
    <message>
        <source>3.The LED on the camera will turn solid green when the device is ready.</source>
        <translation>3. 设备就绪后，摄像机上的LED将变为绿色常亮。</translation>
    </message>
    <message>
        <source>1.Unplug the Ethernet cable from the camera.</source>
        <translation>1. 从摄像机上拔下网线。</translation>
    </message>
    <message>
        <source>2.Press the WPS button on the back of your camera and the WPS LED will start to flash blue.</source>
        <translation>2. 按下摄像机背面的WPS按钮，WPS LED将开始闪烁蓝灯。</translation>
    </message>
    <message>
        <source>3.You now  one minute to press the WPS button on your router.</source>
        <translation>3. 请在一分钟内按下路由器上的WPS按钮。</translation>
    </message>
    <message>
        <source>4.Once your camera has established a connection, the WPS LED will turn solid blue, the LED in front of the camera will turn to flash green.</source>
        <translation>4. 摄像机建立连接后，WPS LED将变为蓝色常亮，摄像机正面的LED将开始闪烁绿灯。</translation>
    </message>
    <message>
        <source>Current connection(*):</source>
        <translation>当前连接(*)：</translation>
    </message>
    <message>
        <source>How would you connect your camera to the router?</source>
        <translation>您想如何将摄像机连接到路由器？</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;有线连接&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Ethernet cable</source>
        <translation>通过网线</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;无线连接&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Wi-Fi Protected Setup</source>
        <translation>通过Wi-Fi保护设置</translation>
    </message>
    <message>
        <source> ( &lt;a href = WPS&gt;&lt;font size=3 color=#638c0b&gt;WPS&lt;/font&gt;&lt;/a&gt; )</source>
        <translation> ( &lt;a href = WPS&gt;&lt;font size=3 color=#638c0b&gt;WPS&lt;/font&gt;&lt;/a&gt; )</translation>
    </message>
    <message>
        <source>By selecting wireless network</source>
        <translation>通过选择无线网络</translation>
    </message>
    <message>
        <source>Available wireless network</source>
        <translation>可用的无线网络</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>刷新    </translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. 摄像机端</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. 路由器端</translation>
    </message>
    <message>
        <source>3. Check LED turns green</source>
        <translation>3. 确认LED亮绿灯</translation>
    </message>
    <message>
        <source>1. Unplug the Ethernet cable</source>
        <translation>1. 拔下网线</translation>
    </message>
    <message>
        <source>2. On the camera side</source>
        <translation>2. 摄像机端</translation>
    </message>
    <message>
        <source>3. On the router side</source>
        <translation>3. 路由器端</translation>
    </message>
    <message>
        <source>4. Check LED turns flash green</source>
        <translation>4. 确认LED闪烁绿灯</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    上一步</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>下一步    </translation>
    </message>
    <message>
        <source>Checking Internet connection</source>
        <translation>正在检查互联网连接</translation>
    </message>
    <message>
        <source>(Current connection(*): &lt;b&gt;</source>
        <translation>(当前连接(*)：&lt;b&gt;</translation>
    </message>
    <message>
        <source>Wireless connection&lt;/b&gt;)</source>
        <translation>无线连接&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;无线连接*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Wired connection&lt;/b&gt;)</source>
        <translation>有线连接&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;有线连接*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Link LED不亮怎么办？&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*LED一直亮红灯怎么办？&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*where is my WPS button?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*WPS按钮在哪里？&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Having problems connecting?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*连接遇到问题？&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Link LED不亮怎么办？&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  请检查以下各项：&lt;ul&gt;&lt;li&gt;确认网线已连接牢固。&lt;/li&gt;&lt;li&gt;拔下摄像机电源，然后重新插上，以重新启动摄像机。&lt;/li&gt;&lt;li&gt;如果Link LED仍然不亮，可以尝试&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;重置摄像机&lt;/font&gt;&lt;/a&gt;。&lt;/li&gt;&lt;li&gt;确认调制解调器或路由器工作正常，且摄像机所连接端口的LED已亮起。&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  LED一直亮红灯怎么办？&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  请检查以下各项：&lt;ul&gt;&lt;li&gt;确认网线已连接牢固。&lt;/li&gt;&lt;li&gt;拔下摄像机电源，然后重新插上，以重新启动摄像机。&lt;/li&gt;&lt;li&gt;如果摄像机的LED仍然亮红灯，可以尝试&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;重置摄像机&lt;/font&gt;&lt;/a&gt;。&lt;/li&gt;&lt;li&gt;确认调制解调器或路由器工作正常，且摄像机所连接端口的LED已亮起。&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check your router&apos;s user manual for more details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;什么是WPS？&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi保护设置(WPS)可让您快速、轻松、自动地建立安全的无线连接。 &lt;br&gt;&lt;br&gt;路由器的WPS按钮通常是位于路由器侧面的一个小按钮。某些路由器可能需要先登录Web管理界面，然后单击屏幕上的按钮来启用WPS功能。详细信息请参阅路由器的用户手册。</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check the user manual for your router for details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;什么是WPS？&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi保护设置(WPS)可让您快速、轻松、自动地建立安全的无线连接。 &lt;br&gt;&lt;br&gt;路由器的WPS按钮通常是位于路由器侧面的一个小按钮。某些路由器可能需要先登录Web管理界面，然后单击屏幕上的按钮来启用WPS功能。有关详细信息，请查看路由器的用户手册。</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Having problems connecting your camera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;If you are having problems connecting your camera using WPS, check the following:&lt;ul&gt;&lt;li&gt;Your camera may be out of range.Try connecting your camera from the same room as your router.&lt;/li&gt;&lt;li&gt;Make sure your router has a WPS button.Check your router&apos;s user manual for details. &lt;/li&gt;&lt;/ul&gt;If you are still having trouble connecting your camera using WPS, you can select wireless network manually or simply use a wired connection.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;连接摄像机时遇到问题？&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;如果使用WPS连接摄像机时遇到问题，请检查以下各项：&lt;ul&gt;&lt;li&gt;摄像机可能超出了无线信号范围。请尝试在路由器所在的房间内连接摄像机。&lt;/li&gt;&lt;li&gt;确认路由器上有WPS按钮。详细信息请参阅路由器的用户手册。 &lt;/li&gt;&lt;/ul&gt;如果仍然无法使用WPS连接摄像机，您可以手动选择无线网络，或直接使用有线连接。</translation>
    </message>
    <message>
        <source>&lt;br&gt;Please plug in the cable. click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;请插上网线，完成后单击&lt;b&gt;确定&lt;/b&gt;。</translation>
    </message>
    <message>
        <source>&lt;br&gt;Now you can unplug the Ethernet cable from the camera and click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;现在可以从摄像机上拔下网线，完成后单击&lt;b&gt;确定&lt;/b&gt;。</translation>
    </message>
    <message>
        <source>OK	</source>
        <translation>确定	</translation>
    </message>
    <message>
        <source>The camera has already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;Close&lt;/b&gt; just re-configure the camera!</source>
        <translation>该摄像机已注册。单击&lt;b&gt;重置&lt;/b&gt;将重新启动应用程序并重置摄像机，单击&lt;b&gt;关闭&lt;/b&gt;则仅重新配置摄像机！</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>重置    </translation>
    </message>
    <message>
        <source>Yes    </source>
        <translation>是    </translation>
    </message>
    <message>
        <source>NO    </source>
        <translation>否    </translation>
    </message>
    <message>
        <source>The camera can not connect to skyvue server. click &lt;b&gt;Retry&lt;/b&gt; to check again, or click &lt;b&gt;Close&lt;/b&gt; without signing in skyvue.</source>
        <translation>摄像机无法连接到skyvue服务器。单击&lt;b&gt;重试&lt;/b&gt;重新检查，或单击&lt;b&gt;关闭&lt;/b&gt;跳过登录skyvue。</translation>
    </message>
    <message>
        <source>Retry	 </source>
        <translation>重试	 </translation>
    </message>
    <message>
        <source>Close	 </source>
        <translation>关闭	 </translation>
    </message>
    <message>
        <source>Check your cable connection please.&lt;br&gt;</source>
        <translation>请检查网线连接。&lt;br&gt;</translation>
    </message>
    <message>
        <source>The wireless connection failed. Please connect the Ethernet cable and select the wireless network again.&lt;br&gt;</source>
        <translation>无线连接失败。请连接网线，然后重新选择无线网络。&lt;br&gt;</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>正在保存网络设置</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>正在重新启动网络</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>正在检查互联网连接</translation>
    </message>
    <message>
        <source>&lt;b&gt;</source>
        <translation>&lt;b&gt;</translation>
    </message>
    <message>
        <source>.&lt;/b&gt;</source>
        <translation>.&lt;/b&gt;</translation>
    </message>
    <message>
        <source>..&lt;/b&gt;</source>
        <translation>..&lt;/b&gt;</translation>
    </message>
    <message>
        <source>...&lt;/b&gt;</source>
        <translation>...&lt;/b&gt;</translation>
    </message>
    <message>
        <source>....&lt;/b&gt;</source>
        <translation>....&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>detailsPage</name>
    <message>
        <source>&lt;b&gt;More details&lt;/b&gt;</source>
        <translation>&lt;b&gt;详细信息&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Camera IP address:</source>
        <translation>摄像机IP地址：</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>子网掩码：</translation>
    </message>
    <message>
        <source>Gateway IP address:</source>
        <translation>网关IP地址：</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>首选DNS：</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>备用DNS：</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>状态：</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>无线</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>有线</translation>
    </message>
    <message>
        <source>Wireless SSID:</source>
        <translation>无线SSID：</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Connection mode:</source>
        <translation>连接模式：</translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation>认证方式：</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>加密方式：</translation>
    </message>
    <message>
        <source>Key/password:</source>
        <translation>密钥/密码：</translation>
    </message>
    <message>
        <source>&lt;b&gt; Internet connection&lt;/b&gt;</source>
        <translation>&lt;b&gt; 互联网连接&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Connection type&lt;/b&gt;</source>
        <translation>&lt;b&gt; 连接类型&lt;/b&gt;</translation>
    </message>
    <message>
        <source>skyvue no.:</source>
        <translation>skyvue编号：</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>管理员账户：</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>&lt;b&gt; skyvue info&lt;/b&gt;</source>
        <translation>&lt;b&gt; skyvue信息&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Camera web page&lt;/b&gt;</source>
        <translation>&lt;b&gt; 摄像机网页&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your Internet connection&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; 更改互联网连接&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your connection type&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; 更改连接类型&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>关闭    </translation>
    </message>
</context>
<context>
    <name>failedPage</name>
    <message>
        <source>plug</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>join</source>
        <translation>加入</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Connect your camera</source>
        <translation>设置互联网连接</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>正在保存网络设置</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>正在重新启动网络</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>正在检查互联网连接</translation>
    </message>
    <message>
        <source>&lt;b&gt;</source>
        <translation>&lt;b&gt;</translation>
    </message>
    <message>
        <source>.&lt;/b&gt;</source>
        <translation>.&lt;/b&gt;</translation>
    </message>
    <message>
        <source>..&lt;/b&gt;</source>
        <translation>..&lt;/b&gt;</translation>
    </message>
    <message>
        <source>...&lt;/b&gt;</source>
        <translation>...&lt;/b&gt;</translation>
    </message>
    <message>
        <source>....&lt;/b&gt;</source>
        <translation>....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP地址</translation>
    </message>
    <message>
        <source>Submask</source>
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>网关</translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation>首选DNS</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>备用DNS</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP地址：</translation>
    </message>
    <message>
        <source>Submask:</source>
        <translation>子网掩码：</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>网关：</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>首选DNS：</translation>
    </message>
    <message>
        <source>Secondary DNS:</source>
        <translation>备用DNS：</translation>
    </message>
    <message>
        <source>How would you connect your camera to the Internet?</source>
        <translation>您想如何将摄像机连接到互联网？</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)</source>
        <translation>输入账户和密码(PPPoE)</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>账户：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message>
        <source>Enter static IP address</source>
        <translation>输入静态IP地址</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)*</source>
        <translation>动态IP地址(DHCP)*</translation>
    </message>
    <message>
        <source>Use in the intranet for local view only.</source>
        <translation>仅在内网中用于本地观看。</translation>
    </message>
    <message>
        <source>The PPPoE is a network 
protocol mainly used with DSL 
services.</source>
        <translation>PPPoE是一种主要用于
DSL服务的网络
协议。</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    上一步</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>下一步    </translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>正在加载，请稍候</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP address</source>
        <translation>静态IP地址</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)</source>
        <translation>动态IP地址(DHCP)</translation>
    </message>
    <message>
        <source>(Current Internet connection(*): &lt;b&gt;</source>
        <translation>(当前互联网连接(*)：&lt;b&gt;</translation>
    </message>
    <message>
        <source>&lt;/b&gt;)</source>
        <translation>&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)*</source>
        <translation>输入账户和密码(PPPoE)*</translation>
    </message>
    <message>
        <source>Enter static IP address*</source>
        <translation>输入静态IP地址*</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>关闭    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid username!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;用户名无效！</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid password.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;密码无效。</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;无效的<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </translation>
    </message>
    <message>
        <source>!</source>
        <translation>！</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Connection is failed.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;连接失败。</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The camera have already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;OK&lt;/b&gt; just re-configure the camera!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;该摄像机已注册。单击&lt;b&gt;重置&lt;/b&gt;将重新启动应用程序并重置摄像机，单击&lt;b&gt;确定&lt;/b&gt;则仅重新配置摄像机！</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>重置    </translation>
    </message>
    <message>
        <source>OK    </source>
        <translation>确定    </translation>
    </message>
</context>
<context>
    <name>joinPage</name>
    <message>
        <source>plug</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>join</source>
        <translation>加入</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = temp&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation>&lt;a href = temp&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source> Due to the camera has no Internet connection,( &lt;a href = Setup again&gt;&lt;font size=3 color=#638c0b&gt;Setup again&lt;/font&gt;&lt;/a&gt; ) you cannot login skyvue website for remote view.
</source>
        <translation> 由于摄像机无法连接互联网（&lt;a href = Setup again&gt;&lt;font size=3 color=#638c0b&gt;重新设置&lt;/font&gt;&lt;/a&gt;），您无法登录skyvue网站进行远程观看。
</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> 您仍可通过下方的摄像机IP地址进行本地观看。</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>账户名称：</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  将摄像机IP地址的快捷方式添加到桌面和浏览器书签</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>加入skyvue服务</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP地址：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source> Camera name:</source>
        <translation> 摄像机名称:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;摄像机详细信息&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>完成    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>无法完整创建快捷方式。</translation>
    </message>
</context>
<context>
    <name>joinPage1</name>
    <message>
        <source>plug</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>join</source>
        <translation>加入</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>摄像机上的Link LED是否亮绿灯？</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>摄像机上的Power/Link LED是否亮绿灯？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>重新启动    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>关闭    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>在摄像机通电的状态下，按住重置按钮至少6秒钟。重置摄像机后，单击&lt;b&gt;重新启动&lt;/b&gt;继续。</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>加入skyvue服务</translation>
    </message>
    <message>
        <source>The camera has previously registered with a skyvue account, you can login on &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; or mobile application to enjoy remote view. If you want to re-configure your account and device, you may &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;hard reset&lt;/font&gt;&lt;/a&gt; the camera and create or register with a new account.</source>
        <translation>该摄像机已注册到skyvue账户。您可以登录&lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt;或移动应用程序进行远程观看。如果要重新配置账户和设备，可以&lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;硬重置&lt;/font&gt;&lt;/a&gt;摄像机，然后创建新账户或使用新账户注册。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;为什么要加入skyvue？&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;设置简单&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS setting, firewall roadblock, or all the trouble some configurations on cameras or viewing clients.</source>
        <translation>无需为复杂的动态DNS设置、防火墙障碍，以及摄像机或观看客户端上的各种繁琐配置而烦恼。</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;访问方便&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;随时随地远程观看&lt;/b&gt;</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    上一步</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>下一步    </translation>
    </message>
</context>
<context>
    <name>joinPage2</name>
    <message>
        <source>plug</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>join</source>
        <translation>加入</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>加入skyvue服务</translation>
    </message>
    <message>
        <source>Do you have a skyvue account ?</source>
        <translation>您有skyvue账户吗？</translation>
    </message>
    <message>
        <source>&amp;Yes, I already have a skyvue account.</source>
        <translation>是，我已有skyvue账户(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No, I need to sign up for a new account.</source>
        <translation>否，我需要注册新账户(&amp;N)</translation>
    </message>
    <message>
        <source>I &amp;don&apos;t want to sign up right now.</source>
        <translation>暂时不想注册(&amp;D)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;为什么要加入skyvue？&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;设置简单&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS settings,firewall roadblock,or all the troublesome configurations on cameras or viewing clients.</source>
        <translation>无需为复杂的动态DNS设置、防火墙障碍，以及摄像机或观看客户端上的各种繁琐配置而烦恼。</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;访问方便&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For using skyvue web service such as to manage all your cameras in one place.</source>
        <translation>使用skyvue网络服务，例如在一处集中管理您的所有摄像机。</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;随时随地远程观看&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For viewing your cameras from anywhere through a web browser or a mobile device.</source>
        <translation>通过网页浏览器或移动设备，随时随地观看您的摄像机。</translation>
    </message>
    <message>
        <source>Please enter your skyvue account.</source>
        <translation>请输入您的skyvue账户。</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>邮箱：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message>
        <source>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Forgot password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;忘记密码？&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm Password:</source>
        <translation>确认密码：</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>名：</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>姓：</translation>
    </message>
    <message>
        <source>I would like to receive emails for latest services and products from skyvue.</source>
        <translation>我希望通过电子邮件接收skyvue最新的服务和产品信息。</translation>
    </message>
    <message>
        <source>I accept skyvue &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;terms and conditions&lt;/font&gt;&lt;/a&gt;.</source>
        <translation>我接受skyvue&lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;条款和条件&lt;/font&gt;&lt;/a&gt;。</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    上一步</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>下一步    </translation>
    </message>
    <message>
        <source>&lt;b&gt;Loading, please wait....&lt;/b&gt;</source>
        <translation>&lt;b&gt;正在加载，请稍候....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>关闭    </translation>
    </message>
    <message>
        <source>Please select your camera.</source>
        <translation>请选择您的摄像机。</translation>
    </message>
    <message>
        <source>Invalid email!</source>
        <translation>电子邮件无效！</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>密码无效！</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match, please try again.</source>
        <translation>两次输入的密码不一致，请重试。</translation>
    </message>
    <message>
        <source>You must accept the terms and conditions to continue.</source>
        <translation>您必须接受条款和条件才能继续。</translation>
    </message>
    <message>
        <source>Please select an option.</source>
        <translation>请选择一个选项。</translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>正在加载，请稍候</translation>
    </message>
    <message>
        <source>Timeout, please retry.</source>
        <translation>超时，请重试。</translation>
    </message>
    <message>
        <source>The camera gave no valid portal address.</source>
        <translation>摄像机未提供有效的门户地址。</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>未知错误！</translation>
    </message>
    <message>
        <source>Since you forgot your skyvue account&apos;s password. click &lt;b&gt;OK&lt;/b&gt; button will direct you to skyvue portal to retrieve the password. Please follow the instructions on the web page.</source>
        <translation>您忘记了skyvue账户的密码。单击&lt;b&gt;确定&lt;/b&gt;按钮将转到skyvue门户找回密码。请按照网页上的说明操作。</translation>
    </message>
    <message>
        <source>OK    </source>
        <translation>确定    </translation>
    </message>
</context>
<context>
    <name>joinPage3</name>
    <message>
        <source>plug</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>join</source>
        <translation>加入</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source> Now you can use the information below to login &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.    click &lt;b&gt;Done&lt;/b&gt; to visit skyvue website to see camera live view.</source>
        <translation> 现在您可以使用以下信息登录&lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;网站。单击&lt;b&gt;完成&lt;/b&gt;访问skyvue网站，观看摄像机实时画面。</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>账户：</translation>
    </message>
    <message>
        <source> You can also learn more about mobile applications for your iPhone &amp; Android phone on &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.&lt;br&gt;</source>
        <translation> 您还可以在&lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;网站上进一步了解适用于iPhone和Android手机的移动应用程序。&lt;br&gt;</translation>
    </message>
    <message>
        <source>  Add the shortcut of skyvue to my desktop and browser bookmark.</source>
        <translation>  将skyvue的快捷方式添加到桌面和浏览器书签</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>加入skyvue服务</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP地址：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source> Camera name:</source>
        <translation> 摄像机名称:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;摄像机详细信息&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>完成    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>无法完整创建快捷方式。</translation>
    </message>
</context>
<context>
    <name>joinPage4</name>
    <message>
        <source>plug</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>join</source>
        <translation>加入</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = temp&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation>&lt;a href = temp&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source> If you choose not to register this camera to skyvue, you won&apos;t be able to enjoy the benefits like remote view and mobile application from skyvue.</source>
        <translation> 如果您选择不将此摄像机注册到skyvue，将无法享受skyvue提供的远程观看和移动应用程序等服务。</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> 您仍可通过下方的摄像机IP地址进行本地观看。</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>账户名称：</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  将摄像机IP地址的快捷方式添加到桌面和浏览器书签</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>加入skyvue服务</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP地址：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source> Camera name:</source>
        <translation> 摄像机名称:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;摄像机详细信息&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>完成    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>无法完整创建快捷方式。</translation>
    </message>
</context>
<context>
    <name>plugPage</name>
    <message>
        <source>plug</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>join</source>
        <translation>加入</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>摄像机上的Link LED是否亮绿灯？</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>摄像机上的Power/Link LED是否亮绿灯？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>重新启动    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>关闭    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>在摄像机通电的状态下，按住重置按钮至少6秒钟。重置摄像机后，单击&lt;b&gt;重新启动&lt;/b&gt;继续。</translation>
    </message>
    <message>
        <source>Plug your camera</source>
        <translation>连接摄像机</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. 将网线连接到摄像机背面的以太网端口。</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. 将网线的另一端连接到路由器上空闲的LAN口。</translation>
    </message>
    <message>
        <source>3.Connect the power adapter to the power jack on the back of the camera and plug the other end into the power outlet.</source>
        <translation>3. 将电源适配器连接到摄像机背面的电源插孔，并插入电源插座。</translation>
    </message>
    <message>
        <source>4.The LED on the camera will turn green when the device is ready.</source>
        <translation>4. 设备就绪后，摄像机上的LED将变为绿色。</translation>
    </message>
    <message>
        <source>*Could use Wi-Fi Protected Setup (WPS) instead.</source>
        <translation>*也可以改用Wi-Fi保护设置(WPS)。</translation>
    </message>
    <message>
        <source>Please confirm the following tasks are done before clicking &lt;b&gt;Next&lt;/b&gt;.</source>
        <translation>单击&lt;b&gt;下一步&lt;/b&gt;之前，请确认以下步骤均已完成。</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. 摄像机端</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. 路由器端</translation>
    </message>
    <message>
        <source>3. Plug power adapter</source>
        <translation>3. 连接电源适配器</translation>
    </message>
    <message>
        <source>4. Check LED turns solid green</source>
        <translation>4. 确认LED绿灯常亮</translation>
    </message>
    <message>
        <source>You can also use WPS button to&lt;br&gt;establish connection in this step&lt;br&gt;or follow the instruction in later step.</source>
        <translation>您也可以在此步骤中使用WPS&lt;br&gt;按钮建立连接，或按照后续&lt;br&gt;步骤中的说明操作。</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>下一步    </translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Link LED不亮怎么办？&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;LED一直亮红灯怎么办？&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Link LED不亮怎么办？&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  请检查以下各项：&lt;ul&gt;&lt;li&gt;确认网线已连接牢固。&lt;/li&gt;&lt;li&gt;拔下摄像机电源，然后重新插上，以重新启动摄像机。&lt;/li&gt;&lt;li&gt;如果Link LED仍然不亮，可以尝试&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;重置摄像机&lt;/font&gt;&lt;/a&gt;。&lt;/li&gt;&lt;li&gt;确认调制解调器或路由器工作正常，且摄像机所连接端口的LED已亮起。&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  LED一直亮红灯怎么办？&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  请检查以下各项：&lt;ul&gt;&lt;li&gt;确认网线已连接牢固。&lt;/li&gt;&lt;li&gt;拔下摄像机电源，然后重新插上，以重新启动摄像机。&lt;/li&gt;&lt;li&gt;如果摄像机的LED仍然亮红灯，可以尝试&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;重置摄像机&lt;/font&gt;&lt;/a&gt;。&lt;/li&gt;&lt;li&gt;确认调制解调器或路由器工作正常，且摄像机所连接端口的LED已亮起。&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
</context>
<context>
    <name>selectPage</name>
    <message>
        <source>plug</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>join</source>
        <translation>加入</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>摄像机上的Link LED是否亮绿灯？</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>摄像机上的Power/Link LED是否亮绿灯？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>重新启动    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>关闭    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>在摄像机通电的状态下，按住重置按钮至少6秒钟。重置摄像机后，单击&lt;b&gt;重新启动&lt;/b&gt;继续。</translation>
    </message>
    <message>
        <source>Select your camera</source>
        <translation>选择摄像机</translation>
    </message>
    <message>
        <source>Select your camera from the list and click &lt;b&gt;Next&lt;/b&gt; when you complete.</source>
        <translation>从列表中选择您的摄像机，完成后单击&lt;b&gt;下一步&lt;/b&gt;。</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>摄像机</translation>
    </message>
    <message>
        <source>MAC ID</source>
        <translation>MAC ID</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP地址</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>MAC ID is a unique identifier
assigned to network interfaces
for communications on the
physical network.</source>
        <translation>MAC ID是分配给网络接口的
唯一标识符，用于在物理
网络上进行通信。</translation>
    </message>
    <message>
        <source>Registered to skyvue</source>
        <translation>已注册到skyvue</translation>
    </message>
    <message>
        <source>Not registered</source>
        <translation>未注册</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>有线</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>无线</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;MAC ID&lt;/b&gt; on the back of your camera.</source>
        <translation>请查看摄像机背面的&lt;b&gt;MAC ID&lt;/b&gt;。</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Cannot find your camera from the list ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*在列表中找不到您的摄像机？&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Enter a password to secure your camera</source>
        <translation>设置密码以保护您的摄像机</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>管理员账户：</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Forgot my camera password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;忘记摄像机密码？&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>确认密码：</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      上一步</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>刷新    </translation>
    </message>
    <message>
        <source>Next      </source>
        <translation>下一步      </translation>
    </message>
    <message>
        <source>&lt;b&gt;Searching camera....&lt;/b&gt;</source>
        <translation>&lt;b&gt;正在搜索摄像机....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Confirm your camera password</source>
        <translation>确认摄像机密码</translation>
    </message>
    <message>
        <source>Searching camera</source>
        <translation>正在搜索摄像机</translation>
    </message>
    <message>
        <source>Saving camera&apos;s password</source>
        <translation>正在保存摄像机密码</translation>
    </message>
    <message>
        <source>Retrieving the camera&apos;s password</source>
        <translation>正在获取摄像机密码</translation>
    </message>
    <message>
        <source>The camera you select has already been registered to skyvue. You have to enter the correct camera password and skyvue account later or &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt; to register another account.&lt;br&gt;</source>
        <translation>您选择的摄像机已注册到skyvue。您需要稍后输入正确的摄像机密码和skyvue账户，或&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;重置摄像机&lt;/font&gt;&lt;/a&gt;以注册其他账户。&lt;br&gt;</translation>
    </message>
    <message>
        <source>The passwords must be at least 6 characters long and must contain at least 2 letters, case-sensitive!</source>
        <translation>密码长度至少为6个字符，且至少包含2个字母，区分大小写！</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The passwords don&apos;t match! Please try again!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;两次输入的密码不一致！请重试！</translation>
    </message>
    <message>
        <source>Input wrong password, please check!</source>
        <translation>密码错误，请检查！</translation>
    </message>
    <message>
        <source>Two times input password are not the same!</source>
        <translation>两次输入的密码不一致！</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Cannot detect your wired connection?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Please close this lightbox and click &lt;b&gt;Back&lt;/b&gt; button to previous page. Follow the instruction to install the camera again.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;无法检测到有线连接？&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;请关闭此窗口，然后单击&lt;b&gt;上一步&lt;/b&gt;按钮返回上一页。按照说明重新安装摄像机。</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>静态IP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>The camera did not confirm the new password, so it may still have none. Check that the camera is on and connected, then try again.</source>
        <translation>摄像机未确认新密码，可能仍然没有密码。请检查摄像机是否已开启并已连接，然后重试。</translation>
    </message>
    <message>
        <source>Retry    </source>
        <translation>重试    </translation>
    </message>
</context>
<context>
    <name>welcomePage</name>
    <message>
        <source>Please select:</source>
        <translation>请选择：</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英语</translation>
    </message>
    <message>
        <source>French</source>
        <translation>法语</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>俄语</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>西班牙语</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>葡萄牙语(葡萄牙)</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>葡萄牙语(巴西)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日语</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>繁体中文</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韩语</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>捷克语</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>丹麦语</translation>
    </message>
    <message>
        <source>German</source>
        <translation>德语</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>希腊语</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>克罗地亚语</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>匈牙利语</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>意大利语</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>荷兰语</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>挪威语</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>波兰语</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>罗马尼亚语</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>斯洛文尼亚语</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>瑞典语</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>芬兰语</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>故障排除</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>手册和下载</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Start    </source>
        <translation>开始    </translation>
    </message>
    <message>
        <source>Select your lauguage:</source>
        <translation>选择语言：</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. 保留所有权利。</translation>
    </message>
    <message>
        <source>Welcome </source>
        <translation>欢迎 </translation>
    </message>
    <message>
        <source>Welcome to the IP camera Camguide. This wizard will help you easily setup the Internet camera, register skyvue web site for remote view and other interesting online services.</source>
        <translation>欢迎使用IP摄像机Camguide。本向导将帮助您轻松设置网络摄像机，并注册skyvue网站，以使用远程观看及其他精彩的在线服务。</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>关闭    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;关于 </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;警告：&lt;/b&gt;本程序受版权法和国际条约保护。未经授权擅自复制或分发本程序或其任何部分，可能会受到严厉的民事和刑事处罚。&lt;br&gt;</translation>
    </message>
</context>
</TS>
