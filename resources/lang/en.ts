<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Another Camguide is already running.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Another Camguide is already running.</translation>
    </message>
    <message>
        <source>MyCamera</source>
        <translation>MyCamera</translation>
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
        <translation>Troubleshooting</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Manuals and Downloads</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. All rights reserved.</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Close    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>connectPage</name>
    <message>
        <source>plug</source>
        <translation>plug</translation>
    </message>
    <message>
        <source>select</source>
        <translation>select</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>connect</translation>
    </message>
    <message>
        <source>join</source>
        <translation>join</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Is the Link LED on the camera lit green ?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Is the Power/Link LED on the camera lit green ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Restart    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Close    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Press and hold the Reset button for at least 6 seconds while your camera is plugged in. After resetting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</translation>
    </message>
    <message>
        <source>Connect to the network</source>
        <translation>Connect to the network</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2.Connect the other end of the cable to an available LAN port on your router.</translation>
    </message>
    <message>
        <source>3.The LED on the camera will turn solid green when the device is ready.</source>
        <translation>3.The LED on the camera will turn solid green when the device is ready.</translation>
    </message>
    <message>
        <source>1.Unplug the Ethernet cable from the camera.</source>
        <translation>1.Unplug the Ethernet cable from the camera.</translation>
    </message>
    <message>
        <source>2.Press the WPS button on the back of your camera and the WPS LED will start to flash blue.</source>
        <translation>2.Press the WPS button on the back of your camera and the WPS LED will start to flash blue.</translation>
    </message>
    <message>
        <source>3.You now  one minute to press the WPS button on your router.</source>
        <translation>3.You now have one minute to press the WPS button on your router.</translation>
    </message>
    <message>
        <source>4.Once your camera has established a connection, the WPS LED will turn solid blue, the LED in front of the camera will turn to flash green.</source>
        <translation>4.Once your camera has established a connection, the WPS LED will turn solid blue and the LED in front of the camera will start to flash green.</translation>
    </message>
    <message>
        <source>Current connection(*):</source>
        <translation>Current connection(*):</translation>
    </message>
    <message>
        <source>How would you connect your camera to the router?</source>
        <translation>How would you connect your camera to the router?</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Wired connection&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Ethernet cable</source>
        <translation>By Ethernet cable</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Wireless connection&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Wi-Fi Protected Setup</source>
        <translation>By Wi-Fi Protected Setup</translation>
    </message>
    <message>
        <source> ( &lt;a href = WPS&gt;&lt;font size=3 color=#638c0b&gt;WPS&lt;/font&gt;&lt;/a&gt; )</source>
        <translation> ( &lt;a href = WPS&gt;&lt;font size=3 color=#638c0b&gt;WPS&lt;/font&gt;&lt;/a&gt; )</translation>
    </message>
    <message>
        <source>By selecting wireless network</source>
        <translation>By selecting a wireless network</translation>
    </message>
    <message>
        <source>Available wireless network</source>
        <translation>Available wireless networks</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Rescan    </translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. On the camera side</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. On the router side</translation>
    </message>
    <message>
        <source>3. Check LED turns green</source>
        <translation>3. Check LED turns green</translation>
    </message>
    <message>
        <source>1. Unplug the Ethernet cable</source>
        <translation>1. Unplug the Ethernet cable</translation>
    </message>
    <message>
        <source>2. On the camera side</source>
        <translation>2. On the camera side</translation>
    </message>
    <message>
        <source>3. On the router side</source>
        <translation>3. On the router side</translation>
    </message>
    <message>
        <source>4. Check LED turns flash green</source>
        <translation>4. Check LED flashes green</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Back</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Next    </translation>
    </message>
    <message>
        <source>Checking Internet connection</source>
        <translation>Checking Internet connection</translation>
    </message>
    <message>
        <source>(Current connection(*): &lt;b&gt;</source>
        <translation>(Current connection(*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>Wireless connection&lt;/b&gt;)</source>
        <translation>Wireless connection&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Wireless connection*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Wired connection&lt;/b&gt;)</source>
        <translation>Wired connection&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Wired connection*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*where is my WPS button?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Where is my WPS button?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Having problems connecting?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Having problems connecting?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check your router&apos;s user manual for more details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feature. Check your router&apos;s user manual for more details.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check the user manual for your router for details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feature. Check the user manual for your router for details.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Having problems connecting your camera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;If you are having problems connecting your camera using WPS, check the following:&lt;ul&gt;&lt;li&gt;Your camera may be out of range.Try connecting your camera from the same room as your router.&lt;/li&gt;&lt;li&gt;Make sure your router has a WPS button.Check your router&apos;s user manual for details. &lt;/li&gt;&lt;/ul&gt;If you are still having trouble connecting your camera using WPS, you can select wireless network manually or simply use a wired connection.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Having problems connecting your camera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;If you are having problems connecting your camera using WPS, check the following:&lt;ul&gt;&lt;li&gt;Your camera may be out of range. Try connecting your camera from the same room as your router.&lt;/li&gt;&lt;li&gt;Make sure your router has a WPS button. Check your router&apos;s user manual for details. &lt;/li&gt;&lt;/ul&gt;If you are still having trouble connecting your camera using WPS, you can select a wireless network manually or simply use a wired connection.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Please plug in the cable. click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Please plug in the cable. Click &lt;b&gt;OK&lt;/b&gt; when you finish.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Now you can unplug the Ethernet cable from the camera and click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Now you can unplug the Ethernet cable from the camera and click &lt;b&gt;OK&lt;/b&gt; when you finish.</translation>
    </message>
    <message>
        <source>OK	</source>
        <translation>OK	</translation>
    </message>
    <message>
        <source>The camera has already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;Close&lt;/b&gt; just re-configure the camera!</source>
        <translation>The camera has already been registered. Click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, or click &lt;b&gt;Close&lt;/b&gt; to just re-configure the camera!</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Reset    </translation>
    </message>
    <message>
        <source>Yes    </source>
        <translation>Yes    </translation>
    </message>
    <message>
        <source>NO    </source>
        <translation>NO    </translation>
    </message>
    <message>
        <source>The camera can not connect to skyvue server. click &lt;b&gt;Retry&lt;/b&gt; to check again, or click &lt;b&gt;Close&lt;/b&gt; without signing in skyvue.</source>
        <translation>The camera cannot connect to the skyvue server. Click &lt;b&gt;Retry&lt;/b&gt; to check again, or click &lt;b&gt;Close&lt;/b&gt; to continue without signing in to skyvue.</translation>
    </message>
    <message>
        <source>Retry	 </source>
        <translation>Retry	 </translation>
    </message>
    <message>
        <source>Close	 </source>
        <translation>Close	 </translation>
    </message>
    <message>
        <source>Check your cable connection please.&lt;br&gt;</source>
        <translation>Check your cable connection please.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The wireless connection failed. Please connect the Ethernet cable and select the wireless network again.&lt;br&gt;</source>
        <translation>The wireless connection failed. Please connect the Ethernet cable and select the wireless network again.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Saving network setting</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Restarting network</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Checking internet connection</translation>
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
        <translation>&lt;b&gt;More details&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Camera IP address:</source>
        <translation>Camera IP address:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Subnet Mask:</translation>
    </message>
    <message>
        <source>Gateway IP address:</source>
        <translation>Gateway IP address:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>Primary DNS:</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>Secondary DNS:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Wireless</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Wired</translation>
    </message>
    <message>
        <source>Wireless SSID:</source>
        <translation>Wireless SSID:</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>n/a</translation>
    </message>
    <message>
        <source>Connection mode:</source>
        <translation>Connection mode:</translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation>Authentication:</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Encryption:</translation>
    </message>
    <message>
        <source>Key/password:</source>
        <translation>Key/password:</translation>
    </message>
    <message>
        <source>&lt;b&gt; Internet connection&lt;/b&gt;</source>
        <translation>&lt;b&gt; Internet connection&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Connection type&lt;/b&gt;</source>
        <translation>&lt;b&gt; Connection type&lt;/b&gt;</translation>
    </message>
    <message>
        <source>skyvue no.:</source>
        <translation>skyvue no.:</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Admin account:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>&lt;b&gt; skyvue info&lt;/b&gt;</source>
        <translation>&lt;b&gt; skyvue info&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Camera web page&lt;/b&gt;</source>
        <translation>&lt;b&gt; Camera web page&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your Internet connection&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your Internet connection&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your connection type&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your connection type&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Close    </translation>
    </message>
</context>
<context>
    <name>failedPage</name>
    <message>
        <source>plug</source>
        <translation>plug</translation>
    </message>
    <message>
        <source>select</source>
        <translation>select</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>connect</translation>
    </message>
    <message>
        <source>join</source>
        <translation>join</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Connect your camera</source>
        <translation>Connect your camera</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Saving network setting</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Restarting network</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Checking internet connection</translation>
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
        <translation>IP address</translation>
    </message>
    <message>
        <source>Submask</source>
        <translation>Submask</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation>Primary DNS</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>Secondary DNS</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP address:</translation>
    </message>
    <message>
        <source>Submask:</source>
        <translation>Submask:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>Primary DNS:</translation>
    </message>
    <message>
        <source>Secondary DNS:</source>
        <translation>Secondary DNS:</translation>
    </message>
    <message>
        <source>How would you connect your camera to the Internet?</source>
        <translation>How would you connect your camera to the Internet?</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)</source>
        <translation>Enter account and password(PPPoE)</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Account:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Enter static IP address</source>
        <translation>Enter static IP address</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)*</source>
        <translation>Dynamic IP address(DHCP)*</translation>
    </message>
    <message>
        <source>Use in the intranet for local view only.</source>
        <translation>Use in the intranet for local view only.</translation>
    </message>
    <message>
        <source>The PPPoE is a network 
protocol mainly used with DSL 
services.</source>
        <translation>PPPoE is a network 
protocol mainly used with DSL 
services.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Back</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Next    </translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Loading, please wait</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP address</source>
        <translation>Static IP address</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)</source>
        <translation>Dynamic IP address(DHCP)</translation>
    </message>
    <message>
        <source>(Current Internet connection(*): &lt;b&gt;</source>
        <translation>(Current Internet connection(*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>&lt;/b&gt;)</source>
        <translation>&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)*</source>
        <translation>Enter account and password(PPPoE)*</translation>
    </message>
    <message>
        <source>Enter static IP address*</source>
        <translation>Enter static IP address*</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Close    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid username!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid username!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid password.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid password.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </translation>
    </message>
    <message>
        <source>!</source>
        <translation>!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Connection is failed.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Connection failed.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The camera have already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;OK&lt;/b&gt; just re-configure the camera!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The camera has already been registered. Click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, or click &lt;b&gt;OK&lt;/b&gt; to just re-configure the camera!</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Reset    </translation>
    </message>
    <message>
        <source>OK    </source>
        <translation>OK    </translation>
    </message>
</context>
<context>
    <name>joinPage</name>
    <message>
        <source>plug</source>
        <translation>plug</translation>
    </message>
    <message>
        <source>select</source>
        <translation>select</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>connect</translation>
    </message>
    <message>
        <source>join</source>
        <translation>join</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Because the camera has no Internet connection,( &lt;a href = Setup again&gt;&lt;font size=3 color=#638c0b&gt;Setup again&lt;/font&gt;&lt;/a&gt; ) you cannot log in to the skyvue website for remote view.
</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> You still can use the camera IP address below for local view.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Account name:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Add a shortcut to the camera IP address to my desktop and browser bookmarks.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Join skyvue service</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP address:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
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
        <translation> Camera name:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Done    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>The shortcut could not be made completely.</translation>
    </message>
</context>
<context>
    <name>joinPage1</name>
    <message>
        <source>plug</source>
        <translation>plug</translation>
    </message>
    <message>
        <source>select</source>
        <translation>select</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>connect</translation>
    </message>
    <message>
        <source>join</source>
        <translation>join</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Is the Link LED on the camera lit green ?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Is the Power/Link LED on the camera lit green ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Restart    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Close    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Press and hold the Reset button for at least 6 seconds while your camera is plugged in. After resetting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Join skyvue service</translation>
    </message>
    <message>
        <source>The camera has previously registered with a skyvue account, you can login on &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; or mobile application to enjoy remote view. If you want to re-configure your account and device, you may &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;hard reset&lt;/font&gt;&lt;/a&gt; the camera and create or register with a new account.</source>
        <translation>The camera has previously been registered with a skyvue account. You can log in on &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; or the mobile application to enjoy remote view. If you want to re-configure your account and device, you may &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;hard reset&lt;/font&gt;&lt;/a&gt; the camera and create or register with a new account.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Simple setting&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS setting, firewall roadblock, or all the trouble some configurations on cameras or viewing clients.</source>
        <translation>Not worrying about complicated dynamic DNS settings, firewall roadblocks, or all the troublesome configurations on cameras or viewing clients.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Easy Access&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Back</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Next    </translation>
    </message>
</context>
<context>
    <name>joinPage2</name>
    <message>
        <source>plug</source>
        <translation>plug</translation>
    </message>
    <message>
        <source>select</source>
        <translation>select</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>connect</translation>
    </message>
    <message>
        <source>join</source>
        <translation>join</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Join skyvue service</translation>
    </message>
    <message>
        <source>Do you have a skyvue account ?</source>
        <translation>Do you have a skyvue account ?</translation>
    </message>
    <message>
        <source>&amp;Yes, I already have a skyvue account.</source>
        <translation>&amp;Yes, I already have a skyvue account.</translation>
    </message>
    <message>
        <source>&amp;No, I need to sign up for a new account.</source>
        <translation>&amp;No, I need to sign up for a new account.</translation>
    </message>
    <message>
        <source>I &amp;don&apos;t want to sign up right now.</source>
        <translation>I &amp;don&apos;t want to sign up right now.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Simple setting&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS settings,firewall roadblock,or all the troublesome configurations on cameras or viewing clients.</source>
        <translation>Not worrying about complicated dynamic DNS settings, firewall roadblocks, or all the troublesome configurations on cameras or viewing clients.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Easy Access&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For using skyvue web service such as to manage all your cameras in one place.</source>
        <translation>For using skyvue web services, such as managing all your cameras in one place.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For viewing your cameras from anywhere through a web browser or a mobile device.</source>
        <translation>For viewing your cameras from anywhere through a web browser or a mobile device.</translation>
    </message>
    <message>
        <source>Please enter your skyvue account.</source>
        <translation>Please enter your skyvue account.</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Forgot password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Forgot password ?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm Password:</source>
        <translation>Confirm Password:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>First Name:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Last Name:</translation>
    </message>
    <message>
        <source>I would like to receive emails for latest services and products from skyvue.</source>
        <translation>I would like to receive emails about the latest services and products from skyvue.</translation>
    </message>
    <message>
        <source>I accept skyvue &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;terms and conditions&lt;/font&gt;&lt;/a&gt;.</source>
        <translation>I accept the skyvue &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;terms and conditions&lt;/font&gt;&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Back</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Next    </translation>
    </message>
    <message>
        <source>&lt;b&gt;Loading, please wait....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Loading, please wait....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Close    </translation>
    </message>
    <message>
        <source>Please select your camera.</source>
        <translation>Please select your camera.</translation>
    </message>
    <message>
        <source>Invalid email!</source>
        <translation>Invalid email!</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>Invalid password!</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match, please try again.</source>
        <translation>The passwords don&apos;t match, please try again.</translation>
    </message>
    <message>
        <source>You must accept the terms and conditions to continue.</source>
        <translation>You must accept the terms and conditions to continue.</translation>
    </message>
    <message>
        <source>Please select an option.</source>
        <translation>Please select an option.</translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Loading, please wait</translation>
    </message>
    <message>
        <source>Timeout, please retry.</source>
        <translation>Timeout, please retry.</translation>
    </message>
    <message>
        <source>The camera gave no valid portal address.</source>
        <translation>The camera gave no valid portal address.</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>Unknown error!</translation>
    </message>
    <message>
        <source>Since you forgot your skyvue account&apos;s password. click &lt;b&gt;OK&lt;/b&gt; button will direct you to skyvue portal to retrieve the password. Please follow the instructions on the web page.</source>
        <translation>Since you forgot your skyvue account&apos;s password, clicking the &lt;b&gt;OK&lt;/b&gt; button will direct you to the skyvue portal to retrieve the password. Please follow the instructions on the web page.</translation>
    </message>
    <message>
        <source>OK    </source>
        <translation>OK    </translation>
    </message>
</context>
<context>
    <name>joinPage3</name>
    <message>
        <source>plug</source>
        <translation>plug</translation>
    </message>
    <message>
        <source>select</source>
        <translation>select</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>connect</translation>
    </message>
    <message>
        <source>join</source>
        <translation>join</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source> Now you can use the information below to login &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.    click &lt;b&gt;Done&lt;/b&gt; to visit skyvue website to see camera live view.</source>
        <translation> Now you can use the information below to log in to the &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.    Click &lt;b&gt;Done&lt;/b&gt; to visit the skyvue website to see the camera live view.</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Account:</translation>
    </message>
    <message>
        <source> You can also learn more about mobile applications for your iPhone &amp; Android phone on &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.&lt;br&gt;</source>
        <translation> You can also learn more about mobile applications for your iPhone &amp; Android phone on the &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.&lt;br&gt;</translation>
    </message>
    <message>
        <source>  Add the shortcut of skyvue to my desktop and browser bookmark.</source>
        <translation>  Add a shortcut to skyvue to my desktop and browser bookmarks.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Join skyvue service</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP address:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
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
        <translation> Camera name:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Done    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>The shortcut could not be made completely.</translation>
    </message>
</context>
<context>
    <name>joinPage4</name>
    <message>
        <source>plug</source>
        <translation>plug</translation>
    </message>
    <message>
        <source>select</source>
        <translation>select</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>connect</translation>
    </message>
    <message>
        <source>join</source>
        <translation>join</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> If you choose not to register this camera to skyvue, you won&apos;t be able to enjoy the benefits like remote view and mobile application from skyvue.</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> You still can use the camera IP address below for local view.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Account name:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Add a shortcut to the camera IP address to my desktop and browser bookmarks.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Join skyvue service</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP address:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
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
        <translation> Camera name:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Done    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>The shortcut could not be made completely.</translation>
    </message>
</context>
<context>
    <name>plugPage</name>
    <message>
        <source>plug</source>
        <translation>plug</translation>
    </message>
    <message>
        <source>select</source>
        <translation>select</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>connect</translation>
    </message>
    <message>
        <source>join</source>
        <translation>join</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Is the Link LED on the camera lit green ?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Is the Power/Link LED on the camera lit green ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Restart    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Close    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Press and hold the Reset button for at least 6 seconds while your camera is plugged in. After resetting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</translation>
    </message>
    <message>
        <source>Plug your camera</source>
        <translation>Plug your camera</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2.Connect the other end of the cable to an available LAN port on your router.</translation>
    </message>
    <message>
        <source>3.Connect the power adapter to the power jack on the back of the camera and plug the other end into the power outlet.</source>
        <translation>3.Connect the power adapter to the power jack on the back of the camera and plug the other end into the power outlet.</translation>
    </message>
    <message>
        <source>4.The LED on the camera will turn green when the device is ready.</source>
        <translation>4.The LED on the camera will turn green when the device is ready.</translation>
    </message>
    <message>
        <source>*Could use Wi-Fi Protected Setup (WPS) instead.</source>
        <translation>*Could use Wi-Fi Protected Setup (WPS) instead.</translation>
    </message>
    <message>
        <source>Please confirm the following tasks are done before clicking &lt;b&gt;Next&lt;/b&gt;.</source>
        <translation>Please confirm the following tasks are done before clicking &lt;b&gt;Next&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. On the camera side</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. On the router side</translation>
    </message>
    <message>
        <source>3. Plug power adapter</source>
        <translation>3. Plug power adapter</translation>
    </message>
    <message>
        <source>4. Check LED turns solid green</source>
        <translation>4. Check LED turns solid green</translation>
    </message>
    <message>
        <source>You can also use WPS button to&lt;br&gt;establish connection in this step&lt;br&gt;or follow the instruction in later step.</source>
        <translation>You can also use the WPS button to&lt;br&gt;establish a connection in this step&lt;br&gt;or follow the instructions in a later step.</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Next    </translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
</context>
<context>
    <name>selectPage</name>
    <message>
        <source>plug</source>
        <translation>plug</translation>
    </message>
    <message>
        <source>select</source>
        <translation>select</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>connect</translation>
    </message>
    <message>
        <source>join</source>
        <translation>join</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Is the Link LED on the camera lit green ?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Is the Power/Link LED on the camera lit green ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Restart    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Close    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Press and hold the Reset button for at least 6 seconds while your camera is plugged in. After resetting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</translation>
    </message>
    <message>
        <source>Select your camera</source>
        <translation>Select your camera</translation>
    </message>
    <message>
        <source>Select your camera from the list and click &lt;b&gt;Next&lt;/b&gt; when you complete.</source>
        <translation>Select your camera from the list and click &lt;b&gt;Next&lt;/b&gt; when you are done.</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>MAC ID</source>
        <translation>MAC ID</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>MAC ID is a unique identifier
assigned to network interfaces
for communications on the
physical network.</source>
        <translation>MAC ID is a unique identifier
assigned to network interfaces
for communications on the
physical network.</translation>
    </message>
    <message>
        <source>Registered to skyvue</source>
        <translation>Registered to skyvue</translation>
    </message>
    <message>
        <source>Not registered</source>
        <translation>Not registered</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Wired</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Wireless</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;MAC ID&lt;/b&gt; on the back of your camera.</source>
        <translation>Check the &lt;b&gt;MAC ID&lt;/b&gt; on the back of your camera.</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Cannot find your camera from the list ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Cannot find your camera from the list ?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Enter a password to secure your camera</source>
        <translation>Enter a password to secure your camera</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Admin account:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Forgot my camera password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Forgot my camera password ?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Confirm password:</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      Back</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Rescan    </translation>
    </message>
    <message>
        <source>Next      </source>
        <translation>Next      </translation>
    </message>
    <message>
        <source>&lt;b&gt;Searching camera....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Searching camera....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Confirm your camera password</source>
        <translation>Confirm your camera password</translation>
    </message>
    <message>
        <source>Searching camera</source>
        <translation>Searching camera</translation>
    </message>
    <message>
        <source>Saving camera&apos;s password</source>
        <translation>Saving camera&apos;s password</translation>
    </message>
    <message>
        <source>Retrieving the camera&apos;s password</source>
        <translation>Retrieving the camera&apos;s password</translation>
    </message>
    <message>
        <source>The camera you select has already been registered to skyvue. You have to enter the correct camera password and skyvue account later or &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt; to register another account.&lt;br&gt;</source>
        <translation>The camera you select has already been registered to skyvue. You have to enter the correct camera password and skyvue account later or &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt; to register another account.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The passwords must be at least 6 characters long and must contain at least 2 letters, case-sensitive!</source>
        <translation>The passwords must be at least 6 characters long and must contain at least 2 letters, case-sensitive!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The passwords don&apos;t match! Please try again!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The passwords don&apos;t match! Please try again!</translation>
    </message>
    <message>
        <source>Input wrong password, please check!</source>
        <translation>Wrong password entered, please check!</translation>
    </message>
    <message>
        <source>Two times input password are not the same!</source>
        <translation>The two passwords entered are not the same!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Cannot detect your wired connection?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Please close this lightbox and click &lt;b&gt;Back&lt;/b&gt; button to previous page. Follow the instruction to install the camera again.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Cannot detect your wired connection?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Please close this lightbox and click the &lt;b&gt;Back&lt;/b&gt; button to return to the previous page. Follow the instructions to install the camera again.</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>Static IP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>The camera did not confirm the new password, so it may still have none. Check that the camera is on and connected, then try again.</source>
        <translation>The camera did not confirm the new password, so it may still have none. Check that the camera is on and connected, then try again.</translation>
    </message>
    <message>
        <source>Retry    </source>
        <translation>Retry    </translation>
    </message>
</context>
<context>
    <name>welcomePage</name>
    <message>
        <source>Please select:</source>
        <translation>Please select:</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>French</source>
        <translation>French</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>Portuguese(Portugal)</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>Portuguese(Brazil)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Traditional Chinese</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Simplified Chinese</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korean</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Czech</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danish</translation>
    </message>
    <message>
        <source>German</source>
        <translation>German</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Greek</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Croatian</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Hungarian</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italian</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Dutch</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norwegian</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polish</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Romanian</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slovenian</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Swedish</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finnish</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Troubleshooting</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Manuals and Downloads</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Start    </source>
        <translation>Start    </translation>
    </message>
    <message>
        <source>Select your lauguage:</source>
        <translation>Select your language:</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. All rights reserved.</translation>
    </message>
    <message>
        <source>Welcome </source>
        <translation>Welcome </translation>
    </message>
    <message>
        <source>Welcome to the IP camera Camguide. This wizard will help you easily setup the Internet camera, register skyvue web site for remote view and other interesting online services.</source>
        <translation>Welcome to the IP camera Camguide. This wizard will help you easily set up the Internet camera, register on the skyvue website for remote view and other interesting online services.</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Close    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</translation>
    </message>
</context>
</TS>
