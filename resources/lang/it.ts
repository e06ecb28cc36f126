<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Another Camguide is already running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MyCamera</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>camguide</name>
    <message>
        <source>background-image: url(:/images/messagebox_pic.png);font:14px;color:rgb(89,87,87);</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>background-image: url(:/images/messagebox_pic.png);font:13px;color:rgb(89,87,87);</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>connectPage</name>
    <message>
        <source>plug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>join</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect to the network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3.The LED on the camera will turn solid green when the device is ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.Unplug the Ethernet cable from the camera.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.Press the WPS button on the back of your camera and the WPS LED will start to flash blue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3.You now  one minute to press the WPS button on your router.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4.Once your camera has established a connection, the WPS LED will turn solid blue, the LED in front of the camera will turn to flash green.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current connection(*):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How would you connect your camera to the router?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Ethernet cable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Wi-Fi Protected Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ( &lt;a href = WPS&gt;&lt;font size=3 color=#638c0b&gt;WPS&lt;/font&gt;&lt;/a&gt; )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By selecting wireless network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available wireless network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. Check LED turns green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Unplug the Ethernet cable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. On the camera side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. On the router side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4. Check LED turns flash green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking Internet connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Current connection(*): &lt;b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wireless connection&lt;/b&gt;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection*&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wired connection&lt;/b&gt;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection*&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*where is my WPS button?&lt;/font&gt;&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Having problems connecting?&lt;/font&gt;&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check your router&apos;s user manual for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check the user manual for your router for details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Having problems connecting your camera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;If you are having problems connecting your camera using WPS, check the following:&lt;ul&gt;&lt;li&gt;Your camera may be out of range.Try connecting your camera from the same room as your router.&lt;/li&gt;&lt;li&gt;Make sure your router has a WPS button.Check your router&apos;s user manual for details. &lt;/li&gt;&lt;/ul&gt;If you are still having trouble connecting your camera using WPS, you can select wireless network manually or simply use a wired connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;br&gt;Please plug in the cable. click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;br&gt;Now you can unplug the Ethernet cable from the camera and click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK	</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The camera has already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;Close&lt;/b&gt; just re-configure the camera!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The camera can not connect to skyvue server. click &lt;b&gt;Retry&lt;/b&gt; to check again, or click &lt;b&gt;Close&lt;/b&gt; without signing in skyvue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry	 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close	 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check your cable connection please.&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wireless connection failed. Please connect the Ethernet cable and select the wireless network again.&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>..&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>....&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>detailsPage</name>
    <message>
        <source>&lt;b&gt;More details&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera IP address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gateway IP address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wired</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wireless SSID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n/a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key/password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt; Internet connection&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt; Connection type&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skyvue no.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>admin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt; skyvue info&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt; Camera web page&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your Internet connection&lt;/font&gt;&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your connection type&lt;/font&gt;&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close    </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>failedPage</name>
    <message>
        <source>plug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>join</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect your camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>..&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>....&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submask:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary DNS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How would you connect your camera to the Internet?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter static IP address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use in the intranet for local view only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PPPoE is a network 
protocol mainly used with DSL 
services.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Static IP address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Current Internet connection(*): &lt;b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;/b&gt;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter static IP address*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid username!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Connection is failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The camera have already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;OK&lt;/b&gt; just re-configure the camera!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK    </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>joinPage</name>
    <message>
        <source>plug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>join</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href = temp&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Due to the camera has no Internet connection,( &lt;a href = Setup again&gt;&lt;font size=3 color=#638c0b&gt;Setup again&lt;/font&gt;&lt;/a&gt; ) you cannot login skyvue website for remote view.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>joinPage1</name>
    <message>
        <source>plug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>join</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The camera has previously registered with a skyvue account, you can login on &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; or mobile application to enjoy remote view. If you want to re-configure your account and device, you may &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;hard reset&lt;/font&gt;&lt;/a&gt; the camera and create or register with a new account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS setting, firewall roadblock, or all the trouble some configurations on cameras or viewing clients.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next    </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>joinPage2</name>
    <message>
        <source>plug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>join</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you have a skyvue account ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes, I already have a skyvue account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No, I need to sign up for a new account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I &amp;don&apos;t want to sign up right now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS settings,firewall roadblock,or all the troublesome configurations on cameras or viewing clients.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For using skyvue web service such as to manage all your cameras in one place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For viewing your cameras from anywhere through a web browser or a mobile device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your skyvue account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Forgot password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I would like to receive emails for latest services and products from skyvue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I accept skyvue &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;terms and conditions&lt;/font&gt;&lt;/a&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Loading, please wait....&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select your camera.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid email!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The passwords don&apos;t match, please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must accept the terms and conditions to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select an option.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeout, please retry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The camera gave no valid portal address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Since you forgot your skyvue account&apos;s password. click &lt;b&gt;OK&lt;/b&gt; button will direct you to skyvue portal to retrieve the password. Please follow the instructions on the web page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK    </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>joinPage3</name>
    <message>
        <source>plug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>join</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Now you can use the information below to login &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.    click &lt;b&gt;Done&lt;/b&gt; to visit skyvue website to see camera live view.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> You can also learn more about mobile applications for your iPhone &amp; Android phone on &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Add the shortcut of skyvue to my desktop and browser bookmark.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>joinPage4</name>
    <message>
        <source>plug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>join</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href = temp&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> If you choose not to register this camera to skyvue, you won&apos;t be able to enjoy the benefits like remote view and mobile application from skyvue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>plugPage</name>
    <message>
        <source>plug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>join</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plug your camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3.Connect the power adapter to the power jack on the back of the camera and plug the other end into the power outlet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4.The LED on the camera will turn green when the device is ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*Could use Wi-Fi Protected Setup (WPS) instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please confirm the following tasks are done before clicking &lt;b&gt;Next&lt;/b&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. Plug power adapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4. Check LED turns solid green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can also use WPS button to&lt;br&gt;establish connection in this step&lt;br&gt;or follow the instruction in later step.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>selectPage</name>
    <message>
        <source>plug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>join</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select your camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select your camera from the list and click &lt;b&gt;Next&lt;/b&gt; when you complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAC ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAC ID is a unique identifier
assigned to network interfaces
for communications on the
physical network.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registered to skyvue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not registered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wired</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;MAC ID&lt;/b&gt; on the back of your camera.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Cannot find your camera from the list ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a password to secure your camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>admin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Forgot my camera password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next      </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Searching camera....&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm your camera password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving camera&apos;s password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retrieving the camera&apos;s password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The camera you select has already been registered to skyvue. You have to enter the correct camera password and skyvue account later or &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt; to register another account.&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The passwords must be at least 6 characters long and must contain at least 2 letters, case-sensitive!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The passwords don&apos;t match! Please try again!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input wrong password, please check!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two times input password are not the same!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Cannot detect your wired connection?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Please close this lightbox and click &lt;b&gt;Back&lt;/b&gt; button to previous page. Follow the instruction to install the camera again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>welcomePage</name>
    <message>
        <source>Please select:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Russian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Czech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Danish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select your lauguage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to the IP camera Camguide. This wizard will help you easily setup the Internet camera, register skyvue web site for remote view and other interesting online services.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
