<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Another Camguide is already running.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;另一個Camguide已在執行中。</translation>
    </message>
    <message>
        <source>MyCamera</source>
        <translation>我的攝影機</translation>
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
        <translation>疑難排解</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>手冊與下載</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. 保留所有權利。</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>關閉    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;關於 </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;警告：&lt;/b&gt;本程式受著作權法及國際條約保護。未經授權擅自重製或散布本程式或其任何部分，可能會導致嚴重的民事及刑事處罰。&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>connectPage</name>
    <message>
        <source>plug</source>
        <translation>安裝</translation>
    </message>
    <message>
        <source>select</source>
        <translation>選擇</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>連線</translation>
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
        <translation>攝影機上的Link LED是否亮綠燈？</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>攝影機上的Power/Link LED是否亮綠燈？</translation>
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
        <translation>重新啟動    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>關閉    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>在攝影機通電的狀態下，按住重設按鈕至少6秒鐘。重設攝影機後，請按一下&lt;b&gt;重新啟動&lt;/b&gt;繼續。</translation>
    </message>
    <message>
        <source>Connect to the network</source>
        <translation>連線到網路</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. 將網路線連接到攝影機背面的乙太網路連接埠。</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. 將網路線的另一端連接到路由器上空閒的LAN連接埠。</translation>
    </message>
    <message>
        <source>3.The LED on the camera will turn solid green when the device is ready.</source>
        <translation>3. 裝置就緒後，攝影機上的LED會恆亮綠燈。</translation>
    </message>
    <message>
        <source>1.Unplug the Ethernet cable from the camera.</source>
        <translation>1. 從攝影機拔下網路線。</translation>
    </message>
    <message>
        <source>2.Press the WPS button on the back of your camera and the WPS LED will start to flash blue.</source>
        <translation>2. 按下攝影機背面的WPS按鈕，WPS LED會開始閃爍藍燈。</translation>
    </message>
    <message>
        <source>3.You now  one minute to press the WPS button on your router.</source>
        <translation>3. 請在一分鐘內按下路由器上的WPS按鈕。</translation>
    </message>
    <message>
        <source>4.Once your camera has established a connection, the WPS LED will turn solid blue, the LED in front of the camera will turn to flash green.</source>
        <translation>4. 攝影機建立連線後，WPS LED會恆亮藍燈，攝影機正面的LED會開始閃爍綠燈。</translation>
    </message>
    <message>
        <source>Current connection(*):</source>
        <translation>目前連線(*)：</translation>
    </message>
    <message>
        <source>How would you connect your camera to the router?</source>
        <translation>您要如何將攝影機連線到路由器？</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;有線連線&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Ethernet cable</source>
        <translation>使用網路線</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;無線連線&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Wi-Fi Protected Setup</source>
        <translation>使用Wi-Fi保護設定</translation>
    </message>
    <message>
        <source> ( &lt;a href = WPS&gt;&lt;font size=3 color=#638c0b&gt;WPS&lt;/font&gt;&lt;/a&gt; )</source>
        <translation> ( &lt;a href = WPS&gt;&lt;font size=3 color=#638c0b&gt;WPS&lt;/font&gt;&lt;/a&gt; )</translation>
    </message>
    <message>
        <source>By selecting wireless network</source>
        <translation>選擇無線網路</translation>
    </message>
    <message>
        <source>Available wireless network</source>
        <translation>可用的無線網路</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>掃描    </translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密碼：</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. 攝影機端</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. 路由器端</translation>
    </message>
    <message>
        <source>3. Check LED turns green</source>
        <translation>3. 確認LED亮綠燈</translation>
    </message>
    <message>
        <source>1. Unplug the Ethernet cable</source>
        <translation>1. 拔下網路線</translation>
    </message>
    <message>
        <source>2. On the camera side</source>
        <translation>2. 攝影機端</translation>
    </message>
    <message>
        <source>3. On the router side</source>
        <translation>3. 路由器端</translation>
    </message>
    <message>
        <source>4. Check LED turns flash green</source>
        <translation>4. 確認LED閃爍綠燈</translation>
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
        <translation>正在檢查網際網路連線</translation>
    </message>
    <message>
        <source>(Current connection(*): &lt;b&gt;</source>
        <translation>(目前連線(*)：&lt;b&gt;</translation>
    </message>
    <message>
        <source>Wireless connection&lt;/b&gt;)</source>
        <translation>無線連線&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;無線連線*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Wired connection&lt;/b&gt;)</source>
        <translation>有線連線&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;有線連線*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Link LED不亮怎麼辦？&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*LED一直亮紅燈怎麼辦？&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*where is my WPS button?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*WPS按鈕在哪裡？&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Having problems connecting?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*連線遇到問題？&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Link LED不亮怎麼辦？&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  請檢查下列項目：&lt;ul&gt;&lt;li&gt;確認網路線已連接牢固。&lt;/li&gt;&lt;li&gt;拔下攝影機電源，再重新插上，以重新啟動攝影機。&lt;/li&gt;&lt;li&gt;如果Link LED仍然不亮，可以嘗試&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;重設攝影機&lt;/font&gt;&lt;/a&gt;。&lt;/li&gt;&lt;li&gt;確認數據機或路由器運作正常，且攝影機所連接埠的LED燈號已亮起。&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  LED一直亮紅燈怎麼辦？&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  請檢查下列項目：&lt;ul&gt;&lt;li&gt;確認網路線已連接牢固。&lt;/li&gt;&lt;li&gt;拔下攝影機電源，再重新插上，以重新啟動攝影機。&lt;/li&gt;&lt;li&gt;如果攝影機的LED仍亮紅燈，可以嘗試&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;重設攝影機&lt;/font&gt;&lt;/a&gt;。&lt;/li&gt;&lt;li&gt;確認數據機或路由器運作正常，且攝影機所連接埠的LED燈號已亮起。&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check your router&apos;s user manual for more details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;什麼是WPS？&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi保護設定(WPS)可讓您快速、輕鬆、自動地建立安全的無線連線。 &lt;br&gt;&lt;br&gt;路由器的WPS按鈕通常是位於路由器側面的小按鈕。部分路由器可能需要先登入網頁管理介面，再按一下畫面上的按鈕來啟用WPS功能。詳細資訊請參閱路由器的使用手冊。</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check the user manual for your router for details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;什麼是WPS？&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi保護設定(WPS)可讓您快速、輕鬆、自動地建立安全的無線連線。 &lt;br&gt;&lt;br&gt;路由器的WPS按鈕通常是位於路由器側面的小按鈕。部分路由器可能需要先登入網頁管理介面，再按一下畫面上的按鈕來啟用WPS功能。如需詳細資訊，請查看路由器的使用手冊。</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Having problems connecting your camera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;If you are having problems connecting your camera using WPS, check the following:&lt;ul&gt;&lt;li&gt;Your camera may be out of range.Try connecting your camera from the same room as your router.&lt;/li&gt;&lt;li&gt;Make sure your router has a WPS button.Check your router&apos;s user manual for details. &lt;/li&gt;&lt;/ul&gt;If you are still having trouble connecting your camera using WPS, you can select wireless network manually or simply use a wired connection.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;連接攝影機時遇到問題？&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;如果使用WPS連接攝影機時遇到問題，請檢查下列項目：&lt;ul&gt;&lt;li&gt;攝影機可能超出無線訊號範圍。請嘗試在路由器所在的房間內連接攝影機。&lt;/li&gt;&lt;li&gt;確認路由器上有WPS按鈕。詳細資訊請參閱路由器的使用手冊。 &lt;/li&gt;&lt;/ul&gt;如果仍無法使用WPS連接攝影機，您可以手動選擇無線網路，或直接使用有線連線。</translation>
    </message>
    <message>
        <source>&lt;br&gt;Please plug in the cable. click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;請插上網路線，完成後按一下&lt;b&gt;確定&lt;/b&gt;。</translation>
    </message>
    <message>
        <source>&lt;br&gt;Now you can unplug the Ethernet cable from the camera and click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;現在可以從攝影機拔下網路線，完成後按一下&lt;b&gt;確定&lt;/b&gt;。</translation>
    </message>
    <message>
        <source>OK	</source>
        <translation>確定	</translation>
    </message>
    <message>
        <source>The camera has already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;Close&lt;/b&gt; just re-configure the camera!</source>
        <translation>此攝影機已註冊。按一下&lt;b&gt;重設&lt;/b&gt;會重新啟動應用程式並重設攝影機，按一下&lt;b&gt;關閉&lt;/b&gt;則只重新設定攝影機！</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>重設    </translation>
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
        <translation>攝影機無法連線到skyvue伺服器。請按一下&lt;b&gt;重試&lt;/b&gt;再次檢查，或按一下&lt;b&gt;關閉&lt;/b&gt;略過登入skyvue。</translation>
    </message>
    <message>
        <source>Retry	 </source>
        <translation>重試	 </translation>
    </message>
    <message>
        <source>Close	 </source>
        <translation>關閉	 </translation>
    </message>
    <message>
        <source>Check your cable connection please.&lt;br&gt;</source>
        <translation>請檢查網路線連接。&lt;br&gt;</translation>
    </message>
    <message>
        <source>The wireless connection failed. Please connect the Ethernet cable and select the wireless network again.&lt;br&gt;</source>
        <translation>無線連線失敗。請連接網路線，然後重新選擇無線網路。&lt;br&gt;</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>正在儲存網路設定</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>正在重新啟動網路</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>正在檢查網際網路連線</translation>
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
        <translation>&lt;b&gt;詳細資訊&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Camera IP address:</source>
        <translation>攝影機IP位址：</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>子網路遮罩：</translation>
    </message>
    <message>
        <source>Gateway IP address:</source>
        <translation>閘道IP位址：</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>主要DNS：</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>次要DNS：</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>狀態：</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>無線</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>有線</translation>
    </message>
    <message>
        <source>Wireless SSID:</source>
        <translation>無線SSID：</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>無</translation>
    </message>
    <message>
        <source>Connection mode:</source>
        <translation>連線模式：</translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation>驗證方式：</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>加密方式：</translation>
    </message>
    <message>
        <source>Key/password:</source>
        <translation>金鑰/密碼：</translation>
    </message>
    <message>
        <source>&lt;b&gt; Internet connection&lt;/b&gt;</source>
        <translation>&lt;b&gt; 網際網路連線&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Connection type&lt;/b&gt;</source>
        <translation>&lt;b&gt; 連線類型&lt;/b&gt;</translation>
    </message>
    <message>
        <source>skyvue no.:</source>
        <translation>skyvue編號：</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>管理員帳號：</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密碼：</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>&lt;b&gt; skyvue info&lt;/b&gt;</source>
        <translation>&lt;b&gt; skyvue資訊&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Camera web page&lt;/b&gt;</source>
        <translation>&lt;b&gt; 攝影機網頁&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your Internet connection&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; 變更網際網路連線&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your connection type&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; 變更連線類型&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>關閉    </translation>
    </message>
</context>
<context>
    <name>failedPage</name>
    <message>
        <source>plug</source>
        <translation>安裝</translation>
    </message>
    <message>
        <source>select</source>
        <translation>選擇</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>連線</translation>
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
        <translation>設定網際網路連線</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>正在儲存網路設定</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>正在重新啟動網路</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>正在檢查網際網路連線</translation>
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
        <translation>IP位址</translation>
    </message>
    <message>
        <source>Submask</source>
        <translation>子網路遮罩</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>閘道</translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation>主要DNS</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>次要DNS</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP位址：</translation>
    </message>
    <message>
        <source>Submask:</source>
        <translation>子網路遮罩：</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>閘道：</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>主要DNS：</translation>
    </message>
    <message>
        <source>Secondary DNS:</source>
        <translation>次要DNS：</translation>
    </message>
    <message>
        <source>How would you connect your camera to the Internet?</source>
        <translation>您要如何將攝影機連線到網際網路？</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)</source>
        <translation>輸入帳號和密碼(PPPoE)</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>帳號：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密碼：</translation>
    </message>
    <message>
        <source>Enter static IP address</source>
        <translation>輸入固定IP位址</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)*</source>
        <translation>動態IP位址(DHCP)*</translation>
    </message>
    <message>
        <source>Use in the intranet for local view only.</source>
        <translation>僅在內部網路中用於本機觀看。</translation>
    </message>
    <message>
        <source>The PPPoE is a network 
protocol mainly used with DSL 
services.</source>
        <translation>PPPoE是一種主要用於
DSL服務的網路
通訊協定。</translation>
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
        <translation>正在載入，請稍候</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP address</source>
        <translation>固定IP位址</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)</source>
        <translation>動態IP位址(DHCP)</translation>
    </message>
    <message>
        <source>(Current Internet connection(*): &lt;b&gt;</source>
        <translation>(目前網際網路連線(*)：&lt;b&gt;</translation>
    </message>
    <message>
        <source>&lt;/b&gt;)</source>
        <translation>&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)*</source>
        <translation>輸入帳號和密碼(PPPoE)*</translation>
    </message>
    <message>
        <source>Enter static IP address*</source>
        <translation>輸入固定IP位址*</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>關閉    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid username!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;使用者名稱無效！</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid password.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;密碼無效。</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;無效的<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </translation>
    </message>
    <message>
        <source>!</source>
        <translation>！</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Connection is failed.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;連線失敗。</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The camera have already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;OK&lt;/b&gt; just re-configure the camera!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;此攝影機已註冊。按一下&lt;b&gt;重設&lt;/b&gt;會重新啟動應用程式並重設攝影機，按一下&lt;b&gt;確定&lt;/b&gt;則只重新設定攝影機！</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>重設    </translation>
    </message>
    <message>
        <source>OK    </source>
        <translation>確定    </translation>
    </message>
</context>
<context>
    <name>joinPage</name>
    <message>
        <source>plug</source>
        <translation>安裝</translation>
    </message>
    <message>
        <source>select</source>
        <translation>選擇</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>連線</translation>
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
        <translation> 由於攝影機無法連上網際網路（&lt;a href = Setup again&gt;&lt;font size=3 color=#638c0b&gt;重新設定&lt;/font&gt;&lt;/a&gt;），您無法登入skyvue網站進行遠端觀看。
</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> 您仍可透過下方的攝影機IP位址進行本機觀看。</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>帳號名稱：</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  將攝影機IP位址的捷徑新增到桌面和瀏覽器書籤</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>加入skyvue服務</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP位址：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密碼：</translation>
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
        <translation> 攝影機名稱:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;攝影機詳細資訊&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>完成    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>無法完整建立捷徑。</translation>
    </message>
</context>
<context>
    <name>joinPage1</name>
    <message>
        <source>plug</source>
        <translation>安裝</translation>
    </message>
    <message>
        <source>select</source>
        <translation>選擇</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>連線</translation>
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
        <translation>攝影機上的Link LED是否亮綠燈？</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>攝影機上的Power/Link LED是否亮綠燈？</translation>
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
        <translation>重新啟動    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>關閉    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>在攝影機通電的狀態下，按住重設按鈕至少6秒鐘。重設攝影機後，請按一下&lt;b&gt;重新啟動&lt;/b&gt;繼續。</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>加入skyvue服務</translation>
    </message>
    <message>
        <source>The camera has previously registered with a skyvue account, you can login on &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; or mobile application to enjoy remote view. If you want to re-configure your account and device, you may &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;hard reset&lt;/font&gt;&lt;/a&gt; the camera and create or register with a new account.</source>
        <translation>此攝影機已註冊到skyvue帳號。您可以登入&lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt;或行動應用程式進行遠端觀看。如果要重新設定帳號和裝置，可以將攝影機&lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;硬體重設&lt;/font&gt;&lt;/a&gt;，然後建立新帳號或使用新帳號註冊。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;為什麼要加入skyvue？&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;設定簡單&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS setting, firewall roadblock, or all the trouble some configurations on cameras or viewing clients.</source>
        <translation>不必再為複雜的動態DNS設定、防火牆阻擋，以及攝影機或觀看用戶端的各種繁瑣設定而煩惱。</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;存取方便&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;隨時隨地遠端觀看&lt;/b&gt;</translation>
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
        <translation>安裝</translation>
    </message>
    <message>
        <source>select</source>
        <translation>選擇</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>連線</translation>
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
        <translation>加入skyvue服務</translation>
    </message>
    <message>
        <source>Do you have a skyvue account ?</source>
        <translation>您有skyvue帳號嗎？</translation>
    </message>
    <message>
        <source>&amp;Yes, I already have a skyvue account.</source>
        <translation>是，我已有skyvue帳號(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No, I need to sign up for a new account.</source>
        <translation>否，我需要註冊新帳號(&amp;N)</translation>
    </message>
    <message>
        <source>I &amp;don&apos;t want to sign up right now.</source>
        <translation>暫時不想註冊(&amp;D)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;為什麼要加入skyvue？&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;設定簡單&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS settings,firewall roadblock,or all the troublesome configurations on cameras or viewing clients.</source>
        <translation>不必再為複雜的動態DNS設定、防火牆阻擋，以及攝影機或觀看用戶端的各種繁瑣設定而煩惱。</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;存取方便&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For using skyvue web service such as to manage all your cameras in one place.</source>
        <translation>使用skyvue網路服務，例如在同一處管理您所有的攝影機。</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;隨時隨地遠端觀看&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For viewing your cameras from anywhere through a web browser or a mobile device.</source>
        <translation>透過網頁瀏覽器或行動裝置，隨時隨地觀看您的攝影機。</translation>
    </message>
    <message>
        <source>Please enter your skyvue account.</source>
        <translation>請輸入您的skyvue帳號。</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>信箱：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密碼：</translation>
    </message>
    <message>
        <source>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Forgot password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;忘記密碼？&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm Password:</source>
        <translation>確認密碼：</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>名字：</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>姓氏：</translation>
    </message>
    <message>
        <source>I would like to receive emails for latest services and products from skyvue.</source>
        <translation>我希望透過電子郵件收到skyvue最新的服務和產品資訊。</translation>
    </message>
    <message>
        <source>I accept skyvue &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;terms and conditions&lt;/font&gt;&lt;/a&gt;.</source>
        <translation>我接受skyvue&lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;條款與細則&lt;/font&gt;&lt;/a&gt;。</translation>
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
        <translation>&lt;b&gt;正在載入，請稍候....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>關閉    </translation>
    </message>
    <message>
        <source>Please select your camera.</source>
        <translation>請選擇您的攝影機。</translation>
    </message>
    <message>
        <source>Invalid email!</source>
        <translation>電子郵件無效！</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>密碼無效！</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match, please try again.</source>
        <translation>兩次輸入的密碼不一致，請再試一次。</translation>
    </message>
    <message>
        <source>You must accept the terms and conditions to continue.</source>
        <translation>您必須接受條款與細則才能繼續。</translation>
    </message>
    <message>
        <source>Please select an option.</source>
        <translation>請選擇一個選項。</translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>正在載入，請稍候</translation>
    </message>
    <message>
        <source>Timeout, please retry.</source>
        <translation>逾時，請重試。</translation>
    </message>
    <message>
        <source>The camera gave no valid portal address.</source>
        <translation>攝影機未提供有效的入口網站位址。</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>未知的錯誤！</translation>
    </message>
    <message>
        <source>Since you forgot your skyvue account&apos;s password. click &lt;b&gt;OK&lt;/b&gt; button will direct you to skyvue portal to retrieve the password. Please follow the instructions on the web page.</source>
        <translation>您忘記了skyvue帳號的密碼。按一下&lt;b&gt;確定&lt;/b&gt;按鈕會前往skyvue入口網站以取回密碼。請依照網頁上的指示操作。</translation>
    </message>
    <message>
        <source>OK    </source>
        <translation>確定    </translation>
    </message>
</context>
<context>
    <name>joinPage3</name>
    <message>
        <source>plug</source>
        <translation>安裝</translation>
    </message>
    <message>
        <source>select</source>
        <translation>選擇</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>連線</translation>
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
        <translation> 現在您可以使用以下資訊登入&lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;網站。按一下&lt;b&gt;完成&lt;/b&gt;即可前往skyvue網站觀看攝影機的即時影像。</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>帳號：</translation>
    </message>
    <message>
        <source> You can also learn more about mobile applications for your iPhone &amp; Android phone on &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.&lt;br&gt;</source>
        <translation> 您也可以在&lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;網站上進一步了解適用於iPhone和Android手機的行動應用程式。&lt;br&gt;</translation>
    </message>
    <message>
        <source>  Add the shortcut of skyvue to my desktop and browser bookmark.</source>
        <translation>  將skyvue的捷徑新增到桌面和瀏覽器書籤</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>加入skyvue服務</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP位址：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密碼：</translation>
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
        <translation> 攝影機名稱:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;攝影機詳細資訊&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>完成    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>無法完整建立捷徑。</translation>
    </message>
</context>
<context>
    <name>joinPage4</name>
    <message>
        <source>plug</source>
        <translation>安裝</translation>
    </message>
    <message>
        <source>select</source>
        <translation>選擇</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>連線</translation>
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
        <translation> 如果您選擇不將此攝影機註冊到skyvue，將無法享有skyvue提供的遠端觀看和行動應用程式等服務。</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> 您仍可透過下方的攝影機IP位址進行本機觀看。</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>帳號名稱：</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  將攝影機IP位址的捷徑新增到桌面和瀏覽器書籤</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>加入skyvue服務</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP位址：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密碼：</translation>
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
        <translation> 攝影機名稱:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;攝影機詳細資訊&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>完成    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>無法完整建立捷徑。</translation>
    </message>
</context>
<context>
    <name>plugPage</name>
    <message>
        <source>plug</source>
        <translation>安裝</translation>
    </message>
    <message>
        <source>select</source>
        <translation>選擇</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>連線</translation>
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
        <translation>攝影機上的Link LED是否亮綠燈？</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>攝影機上的Power/Link LED是否亮綠燈？</translation>
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
        <translation>重新啟動    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>關閉    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>在攝影機通電的狀態下，按住重設按鈕至少6秒鐘。重設攝影機後，請按一下&lt;b&gt;重新啟動&lt;/b&gt;繼續。</translation>
    </message>
    <message>
        <source>Plug your camera</source>
        <translation>連接攝影機</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. 將網路線連接到攝影機背面的乙太網路連接埠。</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. 將網路線的另一端連接到路由器上空閒的LAN連接埠。</translation>
    </message>
    <message>
        <source>3.Connect the power adapter to the power jack on the back of the camera and plug the other end into the power outlet.</source>
        <translation>3. 將電源變壓器連接到攝影機背面的電源插孔，並插入電源插座。</translation>
    </message>
    <message>
        <source>4.The LED on the camera will turn green when the device is ready.</source>
        <translation>4. 裝置就緒後，攝影機上的LED會亮綠燈。</translation>
    </message>
    <message>
        <source>*Could use Wi-Fi Protected Setup (WPS) instead.</source>
        <translation>*也可以改用Wi-Fi保護設定(WPS)。</translation>
    </message>
    <message>
        <source>Please confirm the following tasks are done before clicking &lt;b&gt;Next&lt;/b&gt;.</source>
        <translation>按一下&lt;b&gt;下一步&lt;/b&gt;之前，請確認已完成下列步驟。</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. 攝影機端</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. 路由器端</translation>
    </message>
    <message>
        <source>3. Plug power adapter</source>
        <translation>3. 接上電源變壓器</translation>
    </message>
    <message>
        <source>4. Check LED turns solid green</source>
        <translation>4. 確認LED恆亮綠燈</translation>
    </message>
    <message>
        <source>You can also use WPS button to&lt;br&gt;establish connection in this step&lt;br&gt;or follow the instruction in later step.</source>
        <translation>您也可以在此步驟使用WPS按鈕&lt;br&gt;建立連線，或依照後續步驟&lt;br&gt;中的說明操作。</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>下一步    </translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Link LED不亮怎麼辦？&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;LED一直亮紅燈怎麼辦？&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Link LED不亮怎麼辦？&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  請檢查下列項目：&lt;ul&gt;&lt;li&gt;確認網路線已連接牢固。&lt;/li&gt;&lt;li&gt;拔下攝影機電源，再重新插上，以重新啟動攝影機。&lt;/li&gt;&lt;li&gt;如果Link LED仍然不亮，可以嘗試&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;重設攝影機&lt;/font&gt;&lt;/a&gt;。&lt;/li&gt;&lt;li&gt;確認數據機或路由器運作正常，且攝影機所連接埠的LED燈號已亮起。&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  LED一直亮紅燈怎麼辦？&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  請檢查下列項目：&lt;ul&gt;&lt;li&gt;確認網路線已連接牢固。&lt;/li&gt;&lt;li&gt;拔下攝影機電源，再重新插上，以重新啟動攝影機。&lt;/li&gt;&lt;li&gt;如果攝影機的LED仍亮紅燈，可以嘗試&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;重設攝影機&lt;/font&gt;&lt;/a&gt;。&lt;/li&gt;&lt;li&gt;確認數據機或路由器運作正常，且攝影機所連接埠的LED燈號已亮起。&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
</context>
<context>
    <name>selectPage</name>
    <message>
        <source>plug</source>
        <translation>安裝</translation>
    </message>
    <message>
        <source>select</source>
        <translation>選擇</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>連線</translation>
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
        <translation>攝影機上的Link LED是否亮綠燈？</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>攝影機上的Power/Link LED是否亮綠燈？</translation>
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
        <translation>重新啟動    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>關閉    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>在攝影機通電的狀態下，按住重設按鈕至少6秒鐘。重設攝影機後，請按一下&lt;b&gt;重新啟動&lt;/b&gt;繼續。</translation>
    </message>
    <message>
        <source>Select your camera</source>
        <translation>選擇攝影機</translation>
    </message>
    <message>
        <source>Select your camera from the list and click &lt;b&gt;Next&lt;/b&gt; when you complete.</source>
        <translation>從清單中選擇您的攝影機，完成後按一下&lt;b&gt;下一步&lt;/b&gt;。</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>攝影機</translation>
    </message>
    <message>
        <source>MAC ID</source>
        <translation>MAC ID</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP位址</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>連線</translation>
    </message>
    <message>
        <source>MAC ID is a unique identifier
assigned to network interfaces
for communications on the
physical network.</source>
        <translation>MAC ID是指派給網路介面的
唯一識別碼，用於在實體
網路上進行通訊。</translation>
    </message>
    <message>
        <source>Registered to skyvue</source>
        <translation>已註冊到skyvue</translation>
    </message>
    <message>
        <source>Not registered</source>
        <translation>未註冊</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>有線</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>無線</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;MAC ID&lt;/b&gt; on the back of your camera.</source>
        <translation>請查看攝影機背面的&lt;b&gt;MAC ID&lt;/b&gt;。</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Cannot find your camera from the list ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*在清單中找不到您的攝影機？&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Enter a password to secure your camera</source>
        <translation>設定密碼以保護您的攝影機</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>管理員帳號：</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密碼：</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Forgot my camera password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;忘記攝影機密碼？&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>確認密碼：</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      上一步</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>掃描    </translation>
    </message>
    <message>
        <source>Next      </source>
        <translation>下一步      </translation>
    </message>
    <message>
        <source>&lt;b&gt;Searching camera....&lt;/b&gt;</source>
        <translation>&lt;b&gt;正在搜尋攝影機....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Confirm your camera password</source>
        <translation>確認攝影機密碼</translation>
    </message>
    <message>
        <source>Searching camera</source>
        <translation>正在搜尋攝影機</translation>
    </message>
    <message>
        <source>Saving camera&apos;s password</source>
        <translation>正在儲存攝影機密碼</translation>
    </message>
    <message>
        <source>Retrieving the camera&apos;s password</source>
        <translation>正在取得攝影機密碼</translation>
    </message>
    <message>
        <source>The camera you select has already been registered to skyvue. You have to enter the correct camera password and skyvue account later or &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt; to register another account.&lt;br&gt;</source>
        <translation>您選擇的攝影機已註冊到skyvue。您需要稍後輸入正確的攝影機密碼和skyvue帳號，或&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;重設攝影機&lt;/font&gt;&lt;/a&gt;以註冊其他帳號。&lt;br&gt;</translation>
    </message>
    <message>
        <source>The passwords must be at least 6 characters long and must contain at least 2 letters, case-sensitive!</source>
        <translation>密碼長度至少須為6個字元，且至少包含2個英文字母，並區分大小寫！</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The passwords don&apos;t match! Please try again!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;兩次輸入的密碼不一致！請再試一次！</translation>
    </message>
    <message>
        <source>Input wrong password, please check!</source>
        <translation>密碼錯誤，請檢查！</translation>
    </message>
    <message>
        <source>Two times input password are not the same!</source>
        <translation>兩次輸入的密碼不一致！</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Cannot detect your wired connection?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Please close this lightbox and click &lt;b&gt;Back&lt;/b&gt; button to previous page. Follow the instruction to install the camera again.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;偵測不到有線連線？&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;請關閉此視窗，然後按一下&lt;b&gt;上一步&lt;/b&gt;按鈕返回上一頁。請依照說明重新安裝攝影機。</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>固定IP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>The camera did not confirm the new password, so it may still have none. Check that the camera is on and connected, then try again.</source>
        <translation>攝影機未確認新密碼，可能仍然沒有密碼。請檢查攝影機是否已開啟並已連線，然後再試一次。</translation>
    </message>
    <message>
        <source>Retry    </source>
        <translation>重試    </translation>
    </message>
</context>
<context>
    <name>welcomePage</name>
    <message>
        <source>Please select:</source>
        <translation>請選擇：</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英文</translation>
    </message>
    <message>
        <source>French</source>
        <translation>法文</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>俄文</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>西班牙文</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>葡萄牙文(葡萄牙)</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>葡萄牙文(巴西)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日文</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>繁體中文</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>簡體中文</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓文</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>捷克文</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>丹麥文</translation>
    </message>
    <message>
        <source>German</source>
        <translation>德文</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>希臘文</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>克羅埃西亞文</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>匈牙利文</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>義大利文</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>荷蘭文</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>挪威文</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>波蘭文</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>羅馬尼亞文</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>斯洛維尼亞文</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>瑞典文</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>芬蘭文</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>疑難排解</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>手冊與下載</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Start    </source>
        <translation>開始    </translation>
    </message>
    <message>
        <source>Select your lauguage:</source>
        <translation>選擇語言：</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. 保留所有權利。</translation>
    </message>
    <message>
        <source>Welcome </source>
        <translation>歡迎 </translation>
    </message>
    <message>
        <source>Welcome to the IP camera Camguide. This wizard will help you easily setup the Internet camera, register skyvue web site for remote view and other interesting online services.</source>
        <translation>歡迎使用IP攝影機Camguide。本精靈將協助您輕鬆設定網路攝影機，並註冊skyvue網站，以使用遠端觀看及其他實用的線上服務。</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>關閉    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;關於 </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;警告：&lt;/b&gt;本程式受著作權法及國際條約保護。未經授權擅自重製或散布本程式或其任何部分，可能會導致嚴重的民事及刑事處罰。&lt;br&gt;</translation>
    </message>
</context>
</TS>
