<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Another Camguide is already running.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;別のCamguideがすでに実行中です。</translation>
    </message>
    <message>
        <source>MyCamera</source>
        <translation>マイカメラ</translation>
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
        <translation>困ったときは</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>マニュアルとダウンロード</translation>
    </message>
    <message>
        <source>About</source>
        <translation>製品情報</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. 無断転載を禁じます。</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>閉じる    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;バージョン情報 </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;警告:&lt;/b&gt; このプログラムは、著作権法および国際条約によって保護されています。このプログラムの全部または一部を無断で複製または配布した場合、民事上および刑事上の厳しい罰則の対象となることがあります。&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>connectPage</name>
    <message>
        <source>plug</source>
        <translation>設置</translation>
    </message>
    <message>
        <source>select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>join</source>
        <translation>登録</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>カメラのLink LEDは緑色に点灯していますか？</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>カメラのPower/Link LEDは緑色に点灯していますか？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>再起動    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>閉じる    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>カメラの電源を入れたまま、リセットボタンを6秒以上押し続けてください。カメラのリセット後、&lt;b&gt;再起動&lt;/b&gt;をクリックして続行してください。</translation>
    </message>
    <message>
        <source>Connect to the network</source>
        <translation>ネットワークに接続</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. LANケーブルをカメラ背面のLANポートに接続します。</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. ケーブルのもう一方をルーターの空いているLANポートに接続します。</translation>
    </message>
    <message>
        <source>3.The LED on the camera will turn solid green when the device is ready.</source>
        <translation>3. 準備ができると、カメラのLEDが緑色に点灯します。</translation>
    </message>
    <message>
        <source>1.Unplug the Ethernet cable from the camera.</source>
        <translation>1. カメラからLANケーブルを外します。</translation>
    </message>
    <message>
        <source>2.Press the WPS button on the back of your camera and the WPS LED will start to flash blue.</source>
        <translation>2. カメラ背面のWPSボタンを押すと、WPS LEDが青色に点滅し始めます。</translation>
    </message>
    <message>
        <source>3.You now  one minute to press the WPS button on your router.</source>
        <translation>3. 1分以内にルーターのWPSボタンを押してください。</translation>
    </message>
    <message>
        <source>4.Once your camera has established a connection, the WPS LED will turn solid blue, the LED in front of the camera will turn to flash green.</source>
        <translation>4. 接続が確立すると、WPS LEDが青色に点灯し、カメラ前面のLEDが緑色に点滅します。</translation>
    </message>
    <message>
        <source>Current connection(*):</source>
        <translation>現在の接続(*):</translation>
    </message>
    <message>
        <source>How would you connect your camera to the router?</source>
        <translation>カメラをルーターにどの方法で接続しますか？</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;有線接続&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Ethernet cable</source>
        <translation>LANケーブルで接続</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;無線接続&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Wi-Fi Protected Setup</source>
        <translation>Wi-Fi Protected Setup</translation>
    </message>
    <message>
        <source> ( &lt;a href = WPS&gt;&lt;font size=3 color=#638c0b&gt;WPS&lt;/font&gt;&lt;/a&gt; )</source>
        <translation> ( &lt;a href = WPS&gt;&lt;font size=3 color=#638c0b&gt;WPS&lt;/font&gt;&lt;/a&gt; )</translation>
    </message>
    <message>
        <source>By selecting wireless network</source>
        <translation>無線ネットワークを選択して接続</translation>
    </message>
    <message>
        <source>Available wireless network</source>
        <translation>利用可能な無線ネットワーク</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>再検索    </translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>パスワード:</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. カメラ側</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. ルーター側</translation>
    </message>
    <message>
        <source>3. Check LED turns green</source>
        <translation>3. LEDの緑色点灯を確認</translation>
    </message>
    <message>
        <source>1. Unplug the Ethernet cable</source>
        <translation>1. LANケーブルを外す</translation>
    </message>
    <message>
        <source>2. On the camera side</source>
        <translation>2. カメラ側</translation>
    </message>
    <message>
        <source>3. On the router side</source>
        <translation>3. ルーター側</translation>
    </message>
    <message>
        <source>4. Check LED turns flash green</source>
        <translation>4. LEDの緑色点滅を確認</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    戻る</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>次へ    </translation>
    </message>
    <message>
        <source>Checking Internet connection</source>
        <translation>インターネット接続を確認しています</translation>
    </message>
    <message>
        <source>(Current connection(*): &lt;b&gt;</source>
        <translation>(現在の接続(*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>Wireless connection&lt;/b&gt;)</source>
        <translation>無線接続&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;無線接続*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Wired connection&lt;/b&gt;)</source>
        <translation>有線接続&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;有線接続*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Link LEDが点灯しない場合は？&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*LEDが赤色のままの場合は？&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*where is my WPS button?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*WPSボタンはどこにありますか？&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Having problems connecting?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*接続できない場合は？&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Link LEDが点灯しない場合は？&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  次の点を確認してください:&lt;ul&gt;&lt;li&gt;ケーブルがしっかり接続されているか確認します。&lt;/li&gt;&lt;li&gt;カメラの電源を抜き差しして再起動します。&lt;/li&gt;&lt;li&gt;それでもLink LEDが点灯しない場合は、&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;カメラをリセット&lt;/font&gt;&lt;/a&gt;してみてください。&lt;/li&gt;&lt;li&gt;モデムやルーターが正常に動作しているか確認します。&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  LEDが赤色のままの場合は？&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  次の点を確認してください:&lt;ul&gt;&lt;li&gt;ケーブルがしっかり接続されているか確認します。&lt;/li&gt;&lt;li&gt;カメラの電源を抜き差しして再起動します。&lt;/li&gt;&lt;li&gt;それでもLEDが赤色のままの場合は、&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;カメラをリセット&lt;/font&gt;&lt;/a&gt;してみてください。&lt;/li&gt;&lt;li&gt;モデムやルーターが正常に動作しているか確認します。&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check your router&apos;s user manual for more details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;WPSとは？&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS)を使うと、安全な無線接続をすばやく簡単に自動で設定できます。 &lt;br&gt;&lt;br&gt;ルーターのWPSボタンは通常、ルーターの側面にある小さなボタンです。ルーターによっては、Web設定画面のボタンでWPSを有効にします。詳しくは取扱説明書をご覧ください。</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check the user manual for your router for details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;WPSとは？&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS)を使うと、安全な無線接続をすばやく簡単に自動で設定できます。 &lt;br&gt;&lt;br&gt;ルーターのWPSボタンは通常、ルーターの側面にある小さなボタンです。ルーターによっては、Web設定画面のボタンでWPSを有効にします。詳しくは取扱説明書をご覧ください。</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Having problems connecting your camera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;If you are having problems connecting your camera using WPS, check the following:&lt;ul&gt;&lt;li&gt;Your camera may be out of range.Try connecting your camera from the same room as your router.&lt;/li&gt;&lt;li&gt;Make sure your router has a WPS button.Check your router&apos;s user manual for details. &lt;/li&gt;&lt;/ul&gt;If you are still having trouble connecting your camera using WPS, you can select wireless network manually or simply use a wired connection.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;カメラを接続できない場合&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;WPSでカメラを接続できない場合は、次の点を確認してください:&lt;ul&gt;&lt;li&gt;カメラが電波の届く範囲外にある可能性があります。ルーターと同じ部屋でカメラを接続してみてください。&lt;/li&gt;&lt;li&gt;ルーターにWPSボタンがあることを確認してください。詳しくは取扱説明書をご覧ください。 &lt;/li&gt;&lt;/ul&gt;それでもWPSで接続できない場合は、無線ネットワークを手動で選択するか、有線接続をご利用ください。</translation>
    </message>
    <message>
        <source>&lt;br&gt;Please plug in the cable. click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;ケーブルを接続してください。完了したら&lt;b&gt;OK&lt;/b&gt;をクリックしてください。</translation>
    </message>
    <message>
        <source>&lt;br&gt;Now you can unplug the Ethernet cable from the camera and click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;カメラからLANケーブルを外し、完了したら&lt;b&gt;OK&lt;/b&gt;をクリックしてください。</translation>
    </message>
    <message>
        <source>OK	</source>
        <translation>OK	</translation>
    </message>
    <message>
        <source>The camera has already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;Close&lt;/b&gt; just re-configure the camera!</source>
        <translation>このカメラはすでに登録されています。&lt;b&gt;リセット&lt;/b&gt;をクリックするとアプリケーションを再起動してカメラをリセットし、&lt;b&gt;閉じる&lt;/b&gt;をクリックするとカメラの再設定のみを行います。</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>リセット    </translation>
    </message>
    <message>
        <source>Yes    </source>
        <translation>はい    </translation>
    </message>
    <message>
        <source>NO    </source>
        <translation>いいえ    </translation>
    </message>
    <message>
        <source>The camera can not connect to skyvue server. click &lt;b&gt;Retry&lt;/b&gt; to check again, or click &lt;b&gt;Close&lt;/b&gt; without signing in skyvue.</source>
        <translation>カメラがskyvueサーバーに接続できません。&lt;b&gt;再試行&lt;/b&gt;をクリックして再度確認するか、&lt;b&gt;閉じる&lt;/b&gt;をクリックしてskyvueにログインせずに続行してください。</translation>
    </message>
    <message>
        <source>Retry	 </source>
        <translation>再試行	 </translation>
    </message>
    <message>
        <source>Close	 </source>
        <translation>閉じる	 </translation>
    </message>
    <message>
        <source>Check your cable connection please.&lt;br&gt;</source>
        <translation>ケーブルの接続を確認してください。&lt;br&gt;</translation>
    </message>
    <message>
        <source>The wireless connection failed. Please connect the Ethernet cable and select the wireless network again.&lt;br&gt;</source>
        <translation>無線接続に失敗しました。LANケーブルを接続して、もう一度無線ネットワークを選択してください。&lt;br&gt;</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>ネットワーク設定を保存しています</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>ネットワークを再起動しています</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>インターネット接続を確認しています</translation>
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
        <translation>&lt;b&gt;詳細情報&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Camera IP address:</source>
        <translation>カメラのIPアドレス:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>サブネットマスク:</translation>
    </message>
    <message>
        <source>Gateway IP address:</source>
        <translation>ゲートウェイIPアドレス:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>プライマリDNS:</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>セカンダリDNS:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>状態:</translation>
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
        <translation>無線SSID:</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Connection mode:</source>
        <translation>接続モード:</translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation>認証方式:</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>暗号化:</translation>
    </message>
    <message>
        <source>Key/password:</source>
        <translation>キー/パスワード:</translation>
    </message>
    <message>
        <source>&lt;b&gt; Internet connection&lt;/b&gt;</source>
        <translation>&lt;b&gt; インターネット接続&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Connection type&lt;/b&gt;</source>
        <translation>&lt;b&gt; 接続の種類&lt;/b&gt;</translation>
    </message>
    <message>
        <source>skyvue no.:</source>
        <translation>skyvue番号:</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>管理者:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>パスワード:</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>&lt;b&gt; skyvue info&lt;/b&gt;</source>
        <translation>&lt;b&gt; skyvue情報&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Camera web page&lt;/b&gt;</source>
        <translation>&lt;b&gt; カメラのWebページ&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your Internet connection&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; インターネット接続を変更&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your connection type&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; 接続の種類を変更&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>閉じる    </translation>
    </message>
</context>
<context>
    <name>failedPage</name>
    <message>
        <source>plug</source>
        <translation>設置</translation>
    </message>
    <message>
        <source>select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>join</source>
        <translation>登録</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Connect your camera</source>
        <translation>インターネット接続の設定</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>ネットワーク設定を保存しています</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>ネットワークを再起動しています</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>インターネット接続を確認しています</translation>
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
        <translation>IPアドレス</translation>
    </message>
    <message>
        <source>Submask</source>
        <translation>サブネットマスク</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>ゲートウェイ</translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation>プライマリDNS</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>セカンダリDNS</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IPアドレス:</translation>
    </message>
    <message>
        <source>Submask:</source>
        <translation>サブネットマスク:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>ゲートウェイ:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>プライマリDNS:</translation>
    </message>
    <message>
        <source>Secondary DNS:</source>
        <translation>セカンダリDNS:</translation>
    </message>
    <message>
        <source>How would you connect your camera to the Internet?</source>
        <translation>カメラをインターネットにどの方法で接続しますか？</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)</source>
        <translation>アカウントとパスワード(PPPoE)</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>PW:</translation>
    </message>
    <message>
        <source>Enter static IP address</source>
        <translation>固定IPアドレスを入力</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)*</source>
        <translation>動的IPアドレス(DHCP)*</translation>
    </message>
    <message>
        <source>Use in the intranet for local view only.</source>
        <translation>イントラネットでローカル視聴のみ</translation>
    </message>
    <message>
        <source>The PPPoE is a network 
protocol mainly used with DSL 
services.</source>
        <translation>PPPoEは、主にDSLサービスで
使用されるネットワーク
プロトコルです。</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    戻る</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>次へ    </translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>読み込み中です。お待ちください</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP address</source>
        <translation>固定IPアドレス</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)</source>
        <translation>動的IPアドレス(DHCP)</translation>
    </message>
    <message>
        <source>(Current Internet connection(*): &lt;b&gt;</source>
        <translation>(現在のインターネット接続(*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>&lt;/b&gt;)</source>
        <translation>&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)*</source>
        <translation>アカウントとパスワード(PPPoE)*</translation>
    </message>
    <message>
        <source>Enter static IP address*</source>
        <translation>固定IPアドレスを入力*</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>閉じる    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid username!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;ユーザー名が無効です！</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid password.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;パスワードが無効です。</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;無効な<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </translation>
    </message>
    <message>
        <source>!</source>
        <translation>です。</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Connection is failed.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;接続に失敗しました。</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The camera have already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;OK&lt;/b&gt; just re-configure the camera!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;このカメラはすでに登録されています。&lt;b&gt;リセット&lt;/b&gt;をクリックするとアプリケーションを再起動してカメラをリセットし、&lt;b&gt;OK&lt;/b&gt;をクリックするとカメラの再設定のみを行います。</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>リセット    </translation>
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
        <translation>設置</translation>
    </message>
    <message>
        <source>select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>join</source>
        <translation>登録</translation>
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
        <translation> カメラがインターネットに接続されていないため(&lt;a href = Setup again&gt;&lt;font size=3 color=#638c0b&gt;再設定&lt;/font&gt;&lt;/a&gt;)、skyvueでリモート視聴できません。
</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> 下記のIPアドレスでローカル視聴は可能です。</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>アカウント名:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  カメラIPアドレスのショートカットをデスクトップとブックマークに追加する</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>skyvueサービスに登録</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IPアドレス:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>パスワード:</translation>
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
        <translation> カメラ名:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;カメラの詳細情報&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>完了    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>ショートカットを完全には作成できませんでした。</translation>
    </message>
</context>
<context>
    <name>joinPage1</name>
    <message>
        <source>plug</source>
        <translation>設置</translation>
    </message>
    <message>
        <source>select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>join</source>
        <translation>登録</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>カメラのLink LEDは緑色に点灯していますか？</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>カメラのPower/Link LEDは緑色に点灯していますか？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>再起動    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>閉じる    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>カメラの電源を入れたまま、リセットボタンを6秒以上押し続けてください。カメラのリセット後、&lt;b&gt;再起動&lt;/b&gt;をクリックして続行してください。</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>skyvueサービスに登録</translation>
    </message>
    <message>
        <source>The camera has previously registered with a skyvue account, you can login on &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; or mobile application to enjoy remote view. If you want to re-configure your account and device, you may &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;hard reset&lt;/font&gt;&lt;/a&gt; the camera and create or register with a new account.</source>
        <translation>このカメラはすでにskyvueアカウントに登録されています。&lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt;またはモバイルアプリにログインすると、リモート視聴をご利用いただけます。アカウントとデバイスを設定し直す場合は、カメラを&lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;ハードリセット&lt;/font&gt;&lt;/a&gt;して、新しいアカウントを作成または登録してください。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;skyvueを利用するメリット&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;簡単な設定&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS setting, firewall roadblock, or all the trouble some configurations on cameras or viewing clients.</source>
        <translation>面倒なダイナミックDNSの設定やファイアウォールの壁、カメラや視聴ソフトの煩わしい設定に悩まされることはありません。</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;簡単アクセス&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;どこからでもリモート視聴&lt;/b&gt;</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    戻る</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>次へ    </translation>
    </message>
</context>
<context>
    <name>joinPage2</name>
    <message>
        <source>plug</source>
        <translation>設置</translation>
    </message>
    <message>
        <source>select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>join</source>
        <translation>登録</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>skyvueサービスに登録</translation>
    </message>
    <message>
        <source>Do you have a skyvue account ?</source>
        <translation>skyvueアカウントをお持ちですか？</translation>
    </message>
    <message>
        <source>&amp;Yes, I already have a skyvue account.</source>
        <translation>はい、skyvueアカウントがあります(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No, I need to sign up for a new account.</source>
        <translation>いいえ、新しいアカウントを登録します(&amp;N)</translation>
    </message>
    <message>
        <source>I &amp;don&apos;t want to sign up right now.</source>
        <translation>今は登録しません(&amp;D)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;skyvueを利用するメリット&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;簡単な設定&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS settings,firewall roadblock,or all the troublesome configurations on cameras or viewing clients.</source>
        <translation>面倒なダイナミックDNSの設定やファイアウォールの壁、カメラや視聴ソフトの煩わしい設定に悩まされることはありません。</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;簡単アクセス&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For using skyvue web service such as to manage all your cameras in one place.</source>
        <translation>skyvueのWebサービスで、すべてのカメラを1か所で管理できます。</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;どこからでもリモート視聴&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For viewing your cameras from anywhere through a web browser or a mobile device.</source>
        <translation>Webブラウザやモバイルデバイスで、どこからでもカメラを視聴できます。</translation>
    </message>
    <message>
        <source>Please enter your skyvue account.</source>
        <translation>skyvueアカウントを入力してください</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>メール:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>PW:</translation>
    </message>
    <message>
        <source>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Forgot password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;パスワードをお忘れですか？&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm Password:</source>
        <translation>パスワードの確認:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>名:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>姓:</translation>
    </message>
    <message>
        <source>I would like to receive emails for latest services and products from skyvue.</source>
        <translation>skyvueから最新のサービスや製品に関するメールを受け取る</translation>
    </message>
    <message>
        <source>I accept skyvue &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;terms and conditions&lt;/font&gt;&lt;/a&gt;.</source>
        <translation>skyvueの&lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;利用規約&lt;/font&gt;&lt;/a&gt;に同意します。</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    戻る</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>次へ    </translation>
    </message>
    <message>
        <source>&lt;b&gt;Loading, please wait....&lt;/b&gt;</source>
        <translation>&lt;b&gt;読み込み中です。お待ちください....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>閉じる    </translation>
    </message>
    <message>
        <source>Please select your camera.</source>
        <translation>カメラを選択してください。</translation>
    </message>
    <message>
        <source>Invalid email!</source>
        <translation>メールアドレスが無効です！</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>パスワードが無効です！</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match, please try again.</source>
        <translation>パスワードが一致しません。もう一度入力してください。</translation>
    </message>
    <message>
        <source>You must accept the terms and conditions to continue.</source>
        <translation>続行するには利用規約に同意する必要があります。</translation>
    </message>
    <message>
        <source>Please select an option.</source>
        <translation>いずれかを選択してください。</translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>読み込み中です。お待ちください</translation>
    </message>
    <message>
        <source>Timeout, please retry.</source>
        <translation>タイムアウトしました。もう一度お試しください。</translation>
    </message>
    <message>
        <source>The camera gave no valid portal address.</source>
        <translation>カメラから有効なポータルアドレスを取得できませんでした。</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>不明なエラーです！</translation>
    </message>
    <message>
        <source>Since you forgot your skyvue account&apos;s password. click &lt;b&gt;OK&lt;/b&gt; button will direct you to skyvue portal to retrieve the password. Please follow the instructions on the web page.</source>
        <translation>skyvueアカウントのパスワードをお忘れの場合、&lt;b&gt;OK&lt;/b&gt;ボタンをクリックするとskyvueポータルに移動し、パスワードを再設定できます。Webページの指示に従ってください。</translation>
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
        <translation>設置</translation>
    </message>
    <message>
        <source>select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>join</source>
        <translation>登録</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source> Now you can use the information below to login &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.    click &lt;b&gt;Done&lt;/b&gt; to visit skyvue website to see camera live view.</source>
        <translation> 下記の情報で&lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;にログインできます。&lt;b&gt;完了&lt;/b&gt;でskyvueのライブ映像を表示します。</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source> You can also learn more about mobile applications for your iPhone &amp; Android phone on &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.&lt;br&gt;</source>
        <translation> iPhone/Android向けモバイルアプリの詳細も&lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;のWebサイトでご覧いただけます。&lt;br&gt;</translation>
    </message>
    <message>
        <source>  Add the shortcut of skyvue to my desktop and browser bookmark.</source>
        <translation>  skyvueのショートカットをデスクトップとブラウザのブックマークに追加する</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>skyvueサービスに登録</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IPアドレス:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>PW:</translation>
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
        <translation> カメラ名:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;カメラの詳細情報&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>完了    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>ショートカットを完全には作成できませんでした。</translation>
    </message>
</context>
<context>
    <name>joinPage4</name>
    <message>
        <source>plug</source>
        <translation>設置</translation>
    </message>
    <message>
        <source>select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>join</source>
        <translation>登録</translation>
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
        <translation> このカメラをskyvueに登録しない場合、リモート視聴やモバイルアプリなどのskyvueの特典はご利用いただけません。</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> 下記のIPアドレスでローカル視聴は可能です。</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>アカウント名:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  カメラIPアドレスのショートカットをデスクトップとブックマークに追加する</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>skyvueサービスに登録</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IPアドレス:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>パスワード:</translation>
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
        <translation> カメラ名:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;カメラの詳細情報&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>完了    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>ショートカットを完全には作成できませんでした。</translation>
    </message>
</context>
<context>
    <name>plugPage</name>
    <message>
        <source>plug</source>
        <translation>設置</translation>
    </message>
    <message>
        <source>select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>join</source>
        <translation>登録</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>カメラのLink LEDは緑色に点灯していますか？</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>カメラのPower/Link LEDは緑色に点灯していますか？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>再起動    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>閉じる    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>カメラの電源を入れたまま、リセットボタンを6秒以上押し続けてください。カメラのリセット後、&lt;b&gt;再起動&lt;/b&gt;をクリックして続行してください。</translation>
    </message>
    <message>
        <source>Plug your camera</source>
        <translation>カメラを接続</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. LANケーブルをカメラ背面のLANポートに接続します。</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. ケーブルのもう一方をルーターの空いているLANポートに接続します。</translation>
    </message>
    <message>
        <source>3.Connect the power adapter to the power jack on the back of the camera and plug the other end into the power outlet.</source>
        <translation>3. 電源アダプターをカメラ背面の電源端子とコンセントに接続します。</translation>
    </message>
    <message>
        <source>4.The LED on the camera will turn green when the device is ready.</source>
        <translation>4. 準備ができると、カメラのLEDが緑色に点灯します。</translation>
    </message>
    <message>
        <source>*Could use Wi-Fi Protected Setup (WPS) instead.</source>
        <translation>*Wi-Fi Protected Setup(WPS)も使用できます。</translation>
    </message>
    <message>
        <source>Please confirm the following tasks are done before clicking &lt;b&gt;Next&lt;/b&gt;.</source>
        <translation>&lt;b&gt;次へ&lt;/b&gt;をクリックする前に、次の作業の完了を確認してください。</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. カメラ側</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. ルーター側</translation>
    </message>
    <message>
        <source>3. Plug power adapter</source>
        <translation>3. 電源アダプターを接続</translation>
    </message>
    <message>
        <source>4. Check LED turns solid green</source>
        <translation>4. LEDの緑色点灯を確認</translation>
    </message>
    <message>
        <source>You can also use WPS button to&lt;br&gt;establish connection in this step&lt;br&gt;or follow the instruction in later step.</source>
        <translation>この手順でWPSボタンを使って&lt;br&gt;接続することもできます。または&lt;br&gt;後の手順の説明に従ってください。</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>次へ    </translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Link LEDが点灯しない場合は？&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;LEDが赤色のままの場合は？&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Link LEDが点灯しない場合は？&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  次の点を確認してください:&lt;ul&gt;&lt;li&gt;ケーブルがしっかり接続されているか確認します。&lt;/li&gt;&lt;li&gt;カメラの電源を抜き差しして再起動します。&lt;/li&gt;&lt;li&gt;それでもLink LEDが点灯しない場合は、&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;カメラをリセット&lt;/font&gt;&lt;/a&gt;してみてください。&lt;/li&gt;&lt;li&gt;モデムやルーターが正常に動作しているか確認します。&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  LEDが赤色のままの場合は？&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  次の点を確認してください:&lt;ul&gt;&lt;li&gt;ケーブルがしっかり接続されているか確認します。&lt;/li&gt;&lt;li&gt;カメラの電源を抜き差しして再起動します。&lt;/li&gt;&lt;li&gt;それでもLEDが赤色のままの場合は、&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;カメラをリセット&lt;/font&gt;&lt;/a&gt;してみてください。&lt;/li&gt;&lt;li&gt;モデムやルーターが正常に動作しているか確認します。&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
</context>
<context>
    <name>selectPage</name>
    <message>
        <source>plug</source>
        <translation>設置</translation>
    </message>
    <message>
        <source>select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>join</source>
        <translation>登録</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>カメラのLink LEDは緑色に点灯していますか？</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>カメラのPower/Link LEDは緑色に点灯していますか？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>再起動    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>閉じる    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>カメラの電源を入れたまま、リセットボタンを6秒以上押し続けてください。カメラのリセット後、&lt;b&gt;再起動&lt;/b&gt;をクリックして続行してください。</translation>
    </message>
    <message>
        <source>Select your camera</source>
        <translation>カメラを選択</translation>
    </message>
    <message>
        <source>Select your camera from the list and click &lt;b&gt;Next&lt;/b&gt; when you complete.</source>
        <translation>リストからカメラを選択し、&lt;b&gt;次へ&lt;/b&gt;をクリックしてください。</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>MAC ID</source>
        <translation>MAC ID</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IPアドレス</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>MAC ID is a unique identifier
assigned to network interfaces
for communications on the
physical network.</source>
        <translation>MAC IDは、物理ネットワーク上の
通信のためにネットワーク
インターフェースに割り当てられる
固有の識別子です。</translation>
    </message>
    <message>
        <source>Registered to skyvue</source>
        <translation>skyvueに登録済み</translation>
    </message>
    <message>
        <source>Not registered</source>
        <translation>未登録</translation>
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
        <translation>カメラ背面の&lt;b&gt;MAC ID&lt;/b&gt;を確認してください。</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Cannot find your camera from the list ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*リストにカメラが見つかりませんか？&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Enter a password to secure your camera</source>
        <translation>カメラを保護するパスワードを入力</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>管理者:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>パスワード:</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Forgot my camera password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;パスワードを忘れた場合&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>パスワードの確認:</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      戻る</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>再検索    </translation>
    </message>
    <message>
        <source>Next      </source>
        <translation>次へ      </translation>
    </message>
    <message>
        <source>&lt;b&gt;Searching camera....&lt;/b&gt;</source>
        <translation>&lt;b&gt;カメラを検索しています....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Confirm your camera password</source>
        <translation>カメラのパスワードを確認</translation>
    </message>
    <message>
        <source>Searching camera</source>
        <translation>カメラを検索しています</translation>
    </message>
    <message>
        <source>Saving camera&apos;s password</source>
        <translation>カメラのパスワードを保存しています</translation>
    </message>
    <message>
        <source>Retrieving the camera&apos;s password</source>
        <translation>カメラのパスワードを取得しています</translation>
    </message>
    <message>
        <source>The camera you select has already been registered to skyvue. You have to enter the correct camera password and skyvue account later or &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt; to register another account.&lt;br&gt;</source>
        <translation>選択したカメラはすでにskyvueに登録されています。後で正しいカメラのパスワードとskyvueアカウントを入力するか、&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;カメラをリセット&lt;/font&gt;&lt;/a&gt;して別のアカウントを登録してください。&lt;br&gt;</translation>
    </message>
    <message>
        <source>The passwords must be at least 6 characters long and must contain at least 2 letters, case-sensitive!</source>
        <translation>パスワードは6文字以上で、英字を2文字以上含める必要があります(大文字と小文字は区別されます)。</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The passwords don&apos;t match! Please try again!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;警告&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;パスワードが一致しません。もう一度入力してください！</translation>
    </message>
    <message>
        <source>Input wrong password, please check!</source>
        <translation>パスワードが正しくありません。確認してください！</translation>
    </message>
    <message>
        <source>Two times input password are not the same!</source>
        <translation>2回入力したパスワードが一致しません！</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Cannot detect your wired connection?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Please close this lightbox and click &lt;b&gt;Back&lt;/b&gt; button to previous page. Follow the instruction to install the camera again.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;有線接続が検出されない場合&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;この画面を閉じ、&lt;b&gt;戻る&lt;/b&gt;ボタンをクリックして前のページに戻ってください。説明に従って、もう一度カメラを設置してください。</translation>
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
        <translation>カメラが新しいパスワードを確認しませんでした。カメラにはまだパスワードが設定されていない可能性があります。カメラの電源と接続を確認してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Retry    </source>
        <translation>再試行    </translation>
    </message>
</context>
<context>
    <name>welcomePage</name>
    <message>
        <source>Please select:</source>
        <translation>選択してください:</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英語</translation>
    </message>
    <message>
        <source>French</source>
        <translation>フランス語</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>ロシア語</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>スペイン語</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>ポルトガル語(ポルトガル)</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>ポルトガル語(ブラジル)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>繁体字中国語</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>簡体字中国語</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓国語</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>チェコ語</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>デンマーク語</translation>
    </message>
    <message>
        <source>German</source>
        <translation>ドイツ語</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>ギリシャ語</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>クロアチア語</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>ハンガリー語</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>イタリア語</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>オランダ語</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>ノルウェー語</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>ポーランド語</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>ルーマニア語</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>スロベニア語</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>スウェーデン語</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>フィンランド語</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>困ったときは</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>マニュアルとダウンロード</translation>
    </message>
    <message>
        <source>About</source>
        <translation>製品情報</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Start    </source>
        <translation>開始    </translation>
    </message>
    <message>
        <source>Select your lauguage:</source>
        <translation>言語を選択:</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. 無断転載を禁じます。</translation>
    </message>
    <message>
        <source>Welcome </source>
        <translation>ようこそ </translation>
    </message>
    <message>
        <source>Welcome to the IP camera Camguide. This wizard will help you easily setup the Internet camera, register skyvue web site for remote view and other interesting online services.</source>
        <translation>IPカメラ Camguideへようこそ。このウィザードで、インターネットカメラを簡単に設定し、skyvueのWebサイトに登録して、リモート視聴などのオンラインサービスを利用できます。</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>閉じる    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;バージョン情報 </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;警告:&lt;/b&gt; このプログラムは、著作権法および国際条約によって保護されています。このプログラムの全部または一部を無断で複製または配布した場合、民事上および刑事上の厳しい罰則の対象となることがあります。&lt;br&gt;</translation>
    </message>
</context>
</TS>
