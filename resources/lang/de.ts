<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Another Camguide is already running.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warnung&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Camguide wird bereits ausgeführt.</translation>
    </message>
    <message>
        <source>MyCamera</source>
        <translation>MeineKamera</translation>
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
        <translation>Fehlerbehebung</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Handbücher, Downloads</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Schließen    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Über </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warnung:&lt;/b&gt; Dieses Programm ist durch Urheberrecht und internationale Verträge geschützt. Unerlaubte Vervielfältigung oder Verbreitung dieses Programms oder von Teilen davon kann zivil- und strafrechtlich verfolgt werden.&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>connectPage</name>
    <message>
        <source>plug</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Netz</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warnung&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Leuchtet die Link-LED an der Kamera grün?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Leuchtet die Power/Link-LED an der Kamera grün?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Neustart    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Schließen    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Halten Sie die Reset-Taste mindestens 6 Sekunden lang gedrückt, während die Kamera angeschlossen ist. Klicken Sie nach dem Zurücksetzen der Kamera auf &lt;b&gt;Neustart&lt;/b&gt;, um fortzufahren.</translation>
    </message>
    <message>
        <source>Connect to the network</source>
        <translation>Netzwerk verbinden</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Stecken Sie das Ethernet-Kabel in den Ethernet-Anschluss auf der Rückseite der Kamera.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Stecken Sie das andere Ende des Kabels in einen freien LAN-Anschluss Ihres Routers.</translation>
    </message>
    <message>
        <source>3.The LED on the camera will turn solid green when the device is ready.</source>
        <translation>3. Die LED der Kamera leuchtet dauerhaft grün, sobald das Gerät bereit ist.</translation>
    </message>
    <message>
        <source>1.Unplug the Ethernet cable from the camera.</source>
        <translation>1. Ziehen Sie das Ethernet-Kabel von der Kamera ab.</translation>
    </message>
    <message>
        <source>2.Press the WPS button on the back of your camera and the WPS LED will start to flash blue.</source>
        <translation>2. Drücken Sie die WPS-Taste auf der Rückseite der Kamera. Die WPS-LED beginnt blau zu blinken.</translation>
    </message>
    <message>
        <source>3.You now  one minute to press the WPS button on your router.</source>
        <translation>3. Sie haben nun eine Minute Zeit, um die WPS-Taste an Ihrem Router zu drücken.</translation>
    </message>
    <message>
        <source>4.Once your camera has established a connection, the WPS LED will turn solid blue, the LED in front of the camera will turn to flash green.</source>
        <translation>4. Sobald die Kamera verbunden ist, leuchtet die WPS-LED dauerhaft blau und die LED vorne an der Kamera blinkt grün.</translation>
    </message>
    <message>
        <source>Current connection(*):</source>
        <translation>Aktuelle Verbindung (*):</translation>
    </message>
    <message>
        <source>How would you connect your camera to the router?</source>
        <translation>Wie verbinden Sie die Kamera mit dem Router?</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Kabelverbindung&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Ethernet cable</source>
        <translation>Per Ethernet-Kabel</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;WLAN-Verbindung&lt;/b&gt;</translation>
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
        <translation>Durch Auswahl eines WLANs</translation>
    </message>
    <message>
        <source>Available wireless network</source>
        <translation>Verfügbare WLANs</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Suchen    </translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Kennwort:</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. An der Kamera</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. Am Router</translation>
    </message>
    <message>
        <source>3. Check LED turns green</source>
        <translation>3. LED leuchtet grün</translation>
    </message>
    <message>
        <source>1. Unplug the Ethernet cable</source>
        <translation>1. Ethernet-Kabel abziehen</translation>
    </message>
    <message>
        <source>2. On the camera side</source>
        <translation>2. An der Kamera</translation>
    </message>
    <message>
        <source>3. On the router side</source>
        <translation>3. Am Router</translation>
    </message>
    <message>
        <source>4. Check LED turns flash green</source>
        <translation>4. LED blinkt grün</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Zurück</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Weiter    </translation>
    </message>
    <message>
        <source>Checking Internet connection</source>
        <translation>Internetverbindung wird geprüft</translation>
    </message>
    <message>
        <source>(Current connection(*): &lt;b&gt;</source>
        <translation>(Aktuelle Verbindung (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>Wireless connection&lt;/b&gt;)</source>
        <translation>WLAN-Verbindung&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;WLAN-Verbindung*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Wired connection&lt;/b&gt;)</source>
        <translation>Kabelverbindung&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Kabelverbindung*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Was tun, wenn die Link-LED aus bleibt?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Was tun, wenn die LED rot bleibt?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*where is my WPS button?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Wo ist meine WPS-Taste?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Having problems connecting?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Probleme beim Verbinden?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Was tun, wenn die Link-LED aus bleibt?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Bitte prüfen Sie Folgendes:&lt;ul&gt;&lt;li&gt;Sind alle Kabel fest eingesteckt?&lt;/li&gt;&lt;li&gt;Starten Sie die Kamera neu, indem Sie sie kurz vom Strom trennen.&lt;/li&gt;&lt;li&gt;Bleibt die Link-LED weiterhin aus, können Sie die &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Kamera zurücksetzen&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Funktionieren Modem und Router?&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Was tun, wenn die LED rot bleibt?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Bitte prüfen Sie Folgendes:&lt;ul&gt;&lt;li&gt;Sind alle Kabel fest eingesteckt?&lt;/li&gt;&lt;li&gt;Starten Sie die Kamera neu, indem Sie sie kurz vom Strom trennen.&lt;/li&gt;&lt;li&gt;Leuchtet die LED weiterhin rot, können Sie die &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Kamera zurücksetzen&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Funktionieren Modem und Router?&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check your router&apos;s user manual for more details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Was ist WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Mit Wi-Fi Protected Setup (WPS) richten Sie schnell, einfach und automatisch eine sichere WLAN-Verbindung ein. &lt;br&gt;&lt;br&gt;Die WPS-Taste befindet sich meist als kleine Taste an der Seite des Routers. Bei manchen Routern melden Sie sich an der Weboberfläche an und klicken dort auf eine Schaltfläche, um WPS zu aktivieren. Weitere Informationen finden Sie im Handbuch Ihres Routers.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check the user manual for your router for details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Was ist WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Mit Wi-Fi Protected Setup (WPS) richten Sie schnell, einfach und automatisch eine sichere WLAN-Verbindung ein. &lt;br&gt;&lt;br&gt;Die WPS-Taste befindet sich meist als kleine Taste an der Seite des Routers. Bei manchen Routern melden Sie sich an der Weboberfläche an und klicken dort auf eine Schaltfläche, um WPS zu aktivieren. Details finden Sie im Benutzerhandbuch Ihres Routers.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Having problems connecting your camera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;If you are having problems connecting your camera using WPS, check the following:&lt;ul&gt;&lt;li&gt;Your camera may be out of range.Try connecting your camera from the same room as your router.&lt;/li&gt;&lt;li&gt;Make sure your router has a WPS button.Check your router&apos;s user manual for details. &lt;/li&gt;&lt;/ul&gt;If you are still having trouble connecting your camera using WPS, you can select wireless network manually or simply use a wired connection.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Probleme beim Verbinden der Kamera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wenn die Verbindung der Kamera per WPS nicht klappt, prüfen Sie Folgendes:&lt;ul&gt;&lt;li&gt;Die Kamera ist möglicherweise außer Reichweite. Verbinden Sie die Kamera im selben Raum, in dem der Router steht.&lt;/li&gt;&lt;li&gt;Vergewissern Sie sich, dass Ihr Router eine WPS-Taste hat. Details finden Sie im Handbuch des Routers. &lt;/li&gt;&lt;/ul&gt;Klappt die Verbindung per WPS weiterhin nicht, können Sie das WLAN manuell auswählen oder einfach eine Kabelverbindung verwenden.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Please plug in the cable. click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Bitte schließen Sie das Kabel an. Klicken Sie danach auf &lt;b&gt;OK&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Now you can unplug the Ethernet cable from the camera and click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Sie können das Ethernet-Kabel jetzt von der Kamera abziehen. Klicken Sie danach auf &lt;b&gt;OK&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>OK	</source>
        <translation>OK	</translation>
    </message>
    <message>
        <source>The camera has already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;Close&lt;/b&gt; just re-configure the camera!</source>
        <translation>Die Kamera ist bereits registriert. Klicken Sie auf &lt;b&gt;Zurücksetzen&lt;/b&gt;, um das Programm neu zu starten und die Kamera zurückzusetzen, oder auf &lt;b&gt;Schließen&lt;/b&gt;, um nur die Kamera neu zu konfigurieren.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Zurücksetzen    </translation>
    </message>
    <message>
        <source>Yes    </source>
        <translation>Ja    </translation>
    </message>
    <message>
        <source>NO    </source>
        <translation>Nein    </translation>
    </message>
    <message>
        <source>The camera can not connect to skyvue server. click &lt;b&gt;Retry&lt;/b&gt; to check again, or click &lt;b&gt;Close&lt;/b&gt; without signing in skyvue.</source>
        <translation>Die Kamera kann keine Verbindung zum skyvue-Server herstellen. Klicken Sie auf &lt;b&gt;Wiederholen&lt;/b&gt;, um es erneut zu prüfen, oder auf &lt;b&gt;Schließen&lt;/b&gt;, um ohne Anmeldung bei skyvue fortzufahren.</translation>
    </message>
    <message>
        <source>Retry	 </source>
        <translation>Wiederholen	 </translation>
    </message>
    <message>
        <source>Close	 </source>
        <translation>Schließen	 </translation>
    </message>
    <message>
        <source>Check your cable connection please.&lt;br&gt;</source>
        <translation>Bitte prüfen Sie die Kabelverbindung.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The wireless connection failed. Please connect the Ethernet cable and select the wireless network again.&lt;br&gt;</source>
        <translation>Die WLAN-Verbindung ist fehlgeschlagen. Bitte schließen Sie das Ethernet-Kabel an und wählen Sie das WLAN erneut aus.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Einstellungen werden gespeichert</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Netzwerk wird neu gestartet</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Internetverbindung wird geprüft</translation>
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
        <translation>&lt;b&gt;Weitere Details&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Camera IP address:</source>
        <translation>IP-Adresse der Kamera:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Subnetzmaske:</translation>
    </message>
    <message>
        <source>Gateway IP address:</source>
        <translation>Gateway-IP-Adresse:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>Primärer DNS:</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>Sekundärer DNS</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>WLAN</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>Wireless SSID:</source>
        <translation>WLAN-SSID:</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>Connection mode:</source>
        <translation>Verbindungsmodus:</translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation>Authentifizierung:</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Verschlüsselung:</translation>
    </message>
    <message>
        <source>Key/password:</source>
        <translation>Schlüssel/Kennwort:</translation>
    </message>
    <message>
        <source>&lt;b&gt; Internet connection&lt;/b&gt;</source>
        <translation>&lt;b&gt; Internetverbindung&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Connection type&lt;/b&gt;</source>
        <translation>&lt;b&gt; Verbindungsart&lt;/b&gt;</translation>
    </message>
    <message>
        <source>skyvue no.:</source>
        <translation>skyvue-Nr.:</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Admin-Konto:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Kennwort:</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>&lt;b&gt; skyvue info&lt;/b&gt;</source>
        <translation>&lt;b&gt; skyvue-Info&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Camera web page&lt;/b&gt;</source>
        <translation>&lt;b&gt; Kamera-Webseite&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your Internet connection&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Internetverbindung ändern&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your connection type&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Verbindungsart ändern&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Schließen    </translation>
    </message>
</context>
<context>
    <name>failedPage</name>
    <message>
        <source>plug</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Netz</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warnung&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Connect your camera</source>
        <translation>Kamera verbinden</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Einstellungen werden gespeichert</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Netzwerk wird neu gestartet</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Internetverbindung wird geprüft</translation>
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
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Submask</source>
        <translation>Subnetzmaske</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation>Primärer DNS</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>Sekundärer DNS</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-Adresse:</translation>
    </message>
    <message>
        <source>Submask:</source>
        <translation>Subnetzmaske:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>Primärer DNS:</translation>
    </message>
    <message>
        <source>Secondary DNS:</source>
        <translation>Sekundärer DNS:</translation>
    </message>
    <message>
        <source>How would you connect your camera to the Internet?</source>
        <translation>Wie soll die Kamera mit dem Internet verbunden werden?</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)</source>
        <translation>Benutzername und Kennwort (PPPoE)</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Benutzer:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Kennwort:</translation>
    </message>
    <message>
        <source>Enter static IP address</source>
        <translation>Feste IP-Adresse eingeben</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)*</source>
        <translation>Dynamische IP-Adresse (DHCP)*</translation>
    </message>
    <message>
        <source>Use in the intranet for local view only.</source>
        <translation>Nur für die lokale Ansicht im Intranet.</translation>
    </message>
    <message>
        <source>The PPPoE is a network 
protocol mainly used with DSL 
services.</source>
        <translation>PPPoE ist ein Netzwerk-
protokoll, das vor allem bei
DSL-Anschlüssen verwendet wird.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Zurück</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Weiter    </translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Wird geladen, bitte warten</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP address</source>
        <translation>Statische IP-Adresse</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)</source>
        <translation>Dynamische IP-Adresse (DHCP)</translation>
    </message>
    <message>
        <source>(Current Internet connection(*): &lt;b&gt;</source>
        <translation>(Aktuelle Internetverbindung (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>&lt;/b&gt;)</source>
        <translation>&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)*</source>
        <translation>Benutzername und Kennwort (PPPoE)*</translation>
    </message>
    <message>
        <source>Enter static IP address*</source>
        <translation>Feste IP-Adresse eingeben*</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Schließen    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid username!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warnung&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Ungültiger Benutzername!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid password.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warnung&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Ungültiges Kennwort.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warnung&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Ungültige Eingabe:<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </translation>
    </message>
    <message>
        <source>!</source>
        <translation>!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Connection is failed.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warnung&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Die Verbindung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The camera have already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;OK&lt;/b&gt; just re-configure the camera!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warnung&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Die Kamera ist bereits registriert. Klicken Sie auf &lt;b&gt;Zurücksetzen&lt;/b&gt;, um das Programm neu zu starten und die Kamera zurückzusetzen, oder auf &lt;b&gt;OK&lt;/b&gt;, um nur die Kamera neu zu konfigurieren.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Zurücksetzen    </translation>
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
        <translation>Kabel</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Netz</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warnung&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Da die Kamera keine Internetverbindung hat ( &lt;a href = Setup again&gt;&lt;font size=3 color=#638c0b&gt;Erneut einrichten&lt;/font&gt;&lt;/a&gt; ), können Sie sich nicht für die Fernansicht auf der skyvue-Website anmelden.
</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Die lokale Ansicht ist über die IP-Adresse unten möglich.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Kontoname:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Desktop-Verknüpfung und Lesezeichen zur IP-Adresse der Kamera anlegen.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>skyvue beitreten</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-Adresse:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Kennwort:</translation>
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
        <translation> Kameraname:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Weitere Details zu Ihrer Kamera.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Fertig    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Die Verknüpfung konnte nicht vollständig angelegt werden.</translation>
    </message>
</context>
<context>
    <name>joinPage1</name>
    <message>
        <source>plug</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Netz</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warnung&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Leuchtet die Link-LED an der Kamera grün?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Leuchtet die Power/Link-LED an der Kamera grün?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Neustart    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Schließen    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Halten Sie die Reset-Taste mindestens 6 Sekunden lang gedrückt, während die Kamera angeschlossen ist. Klicken Sie nach dem Zurücksetzen der Kamera auf &lt;b&gt;Neustart&lt;/b&gt;, um fortzufahren.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>skyvue beitreten</translation>
    </message>
    <message>
        <source>The camera has previously registered with a skyvue account, you can login on &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; or mobile application to enjoy remote view. If you want to re-configure your account and device, you may &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;hard reset&lt;/font&gt;&lt;/a&gt; the camera and create or register with a new account.</source>
        <translation>Die Kamera wurde bereits mit einem skyvue-Konto registriert. Melden Sie sich auf &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; oder in der mobilen App an, um die Fernansicht zu nutzen. Wenn Sie Konto und Gerät neu konfigurieren möchten, können Sie die Kamera &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;zurücksetzen&lt;/font&gt;&lt;/a&gt; und ein neues Konto anlegen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Warum skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Einfache Einrichtung&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS setting, firewall roadblock, or all the trouble some configurations on cameras or viewing clients.</source>
        <translation>Keine Sorgen mehr um komplizierte Einstellungen für dynamisches DNS, Hürden durch die Firewall oder lästige Konfiguration von Kameras und Anzeigeprogrammen.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Einfacher Zugriff&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Fernansicht von überall&lt;/b&gt;</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Zurück</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Weiter    </translation>
    </message>
</context>
<context>
    <name>joinPage2</name>
    <message>
        <source>plug</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Netz</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warnung&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>skyvue beitreten</translation>
    </message>
    <message>
        <source>Do you have a skyvue account ?</source>
        <translation>Haben Sie ein skyvue-Konto?</translation>
    </message>
    <message>
        <source>&amp;Yes, I already have a skyvue account.</source>
        <translation>&amp;Ja, ich habe bereits ein skyvue-Konto.</translation>
    </message>
    <message>
        <source>&amp;No, I need to sign up for a new account.</source>
        <translation>&amp;Nein, ich möchte ein neues Konto erstellen.</translation>
    </message>
    <message>
        <source>I &amp;don&apos;t want to sign up right now.</source>
        <translation>&amp;Ich möchte mich jetzt nicht registrieren.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Warum skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Einfache Einrichtung&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS settings,firewall roadblock,or all the troublesome configurations on cameras or viewing clients.</source>
        <translation>Keine Sorgen mehr um komplizierte Einstellungen für dynamisches DNS, Hürden durch die Firewall oder lästige Konfiguration von Kameras und Anzeigeprogrammen.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Einfacher Zugriff&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For using skyvue web service such as to manage all your cameras in one place.</source>
        <translation>Mit dem skyvue-Webdienst verwalten Sie alle Ihre Kameras an einem Ort.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Fernansicht von überall&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For viewing your cameras from anywhere through a web browser or a mobile device.</source>
        <translation>Sehen Sie Ihre Kameras von überall – im Webbrowser oder auf dem Mobilgerät.</translation>
    </message>
    <message>
        <source>Please enter your skyvue account.</source>
        <translation>Bitte geben Sie Ihr skyvue-Konto ein.</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Kennwort:</translation>
    </message>
    <message>
        <source>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Forgot password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Kennwort vergessen?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm Password:</source>
        <translation>Kennwort (erneut):</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Vorname:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Nachname:</translation>
    </message>
    <message>
        <source>I would like to receive emails for latest services and products from skyvue.</source>
        <translation>Ich möchte per E-Mail über neue Dienste und Produkte von skyvue informiert werden.</translation>
    </message>
    <message>
        <source>I accept skyvue &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;terms and conditions&lt;/font&gt;&lt;/a&gt;.</source>
        <translation>Ich akzeptiere die &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;Nutzungsbedingungen&lt;/font&gt;&lt;/a&gt; von skyvue.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Zurück</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Weiter    </translation>
    </message>
    <message>
        <source>&lt;b&gt;Loading, please wait....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Wird geladen, bitte warten....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Schließen    </translation>
    </message>
    <message>
        <source>Please select your camera.</source>
        <translation>Bitte wählen Sie Ihre Kamera aus.</translation>
    </message>
    <message>
        <source>Invalid email!</source>
        <translation>Ungültige E-Mail-Adresse!</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>Ungültiges Kennwort!</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match, please try again.</source>
        <translation>Die Kennwörter stimmen nicht überein. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>You must accept the terms and conditions to continue.</source>
        <translation>Sie müssen die Nutzungsbedingungen akzeptieren, um fortzufahren.</translation>
    </message>
    <message>
        <source>Please select an option.</source>
        <translation>Bitte wählen Sie eine Option aus.</translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Wird geladen, bitte warten</translation>
    </message>
    <message>
        <source>Timeout, please retry.</source>
        <translation>Zeitüberschreitung, bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>The camera gave no valid portal address.</source>
        <translation>Die Kamera hat keine gültige Portaladresse geliefert.</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>Unbekannter Fehler!</translation>
    </message>
    <message>
        <source>Since you forgot your skyvue account&apos;s password. click &lt;b&gt;OK&lt;/b&gt; button will direct you to skyvue portal to retrieve the password. Please follow the instructions on the web page.</source>
        <translation>Sie haben das Kennwort Ihres skyvue-Kontos vergessen? Mit &lt;b&gt;OK&lt;/b&gt; gelangen Sie zum skyvue-Portal, wo Sie ein neues Kennwort anfordern können. Bitte folgen Sie den Anweisungen auf der Webseite.</translation>
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
        <translation>Kabel</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Netz</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warnung&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source> Now you can use the information below to login &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.    click &lt;b&gt;Done&lt;/b&gt; to visit skyvue website to see camera live view.</source>
        <translation> Mit den folgenden Daten können Sie sich jetzt auf der &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;-Website anmelden.    Klicken Sie auf &lt;b&gt;Fertig&lt;/b&gt;, um die skyvue-Website zu öffnen und das Livebild der Kamera zu sehen.</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source> You can also learn more about mobile applications for your iPhone &amp; Android phone on &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.&lt;br&gt;</source>
        <translation> Auf der &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;-Website erfahren Sie auch mehr über die Apps für iPhone und Android.&lt;br&gt;</translation>
    </message>
    <message>
        <source>  Add the shortcut of skyvue to my desktop and browser bookmark.</source>
        <translation>  Desktop-Verknüpfung und Browser-Lesezeichen zu skyvue anlegen.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>skyvue beitreten</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-Adresse:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Kennwort:</translation>
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
        <translation> Kameraname:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Weitere Details zu Ihrer Kamera.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Fertig    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Die Verknüpfung konnte nicht vollständig angelegt werden.</translation>
    </message>
</context>
<context>
    <name>joinPage4</name>
    <message>
        <source>plug</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Netz</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warnung&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Wenn Sie diese Kamera nicht bei skyvue registrieren, entgehen Ihnen Vorteile wie die Fernansicht und die mobile App von skyvue.</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Die lokale Ansicht ist über die IP-Adresse unten möglich.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Kontoname:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Desktop-Verknüpfung und Lesezeichen zur IP-Adresse der Kamera anlegen.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>skyvue beitreten</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-Adresse:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Kennwort:</translation>
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
        <translation> Kameraname:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Weitere Details zu Ihrer Kamera.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Fertig    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Die Verknüpfung konnte nicht vollständig angelegt werden.</translation>
    </message>
</context>
<context>
    <name>plugPage</name>
    <message>
        <source>plug</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Netz</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warnung&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Leuchtet die Link-LED an der Kamera grün?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Leuchtet die Power/Link-LED an der Kamera grün?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Neustart    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Schließen    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Halten Sie die Reset-Taste mindestens 6 Sekunden lang gedrückt, während die Kamera angeschlossen ist. Klicken Sie nach dem Zurücksetzen der Kamera auf &lt;b&gt;Neustart&lt;/b&gt;, um fortzufahren.</translation>
    </message>
    <message>
        <source>Plug your camera</source>
        <translation>Kamera anschließen</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Stecken Sie das Ethernet-Kabel in den Ethernet-Anschluss auf der Rückseite der Kamera.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Stecken Sie das andere Ende des Kabels in einen freien LAN-Anschluss Ihres Routers.</translation>
    </message>
    <message>
        <source>3.Connect the power adapter to the power jack on the back of the camera and plug the other end into the power outlet.</source>
        <translation>3. Verbinden Sie das Netzteil mit der Strombuchse auf der Rückseite der Kamera und stecken Sie es in die Steckdose.</translation>
    </message>
    <message>
        <source>4.The LED on the camera will turn green when the device is ready.</source>
        <translation>4. Die LED der Kamera leuchtet grün, sobald das Gerät bereit ist.</translation>
    </message>
    <message>
        <source>*Could use Wi-Fi Protected Setup (WPS) instead.</source>
        <translation>*Alternativ ist Wi-Fi Protected Setup (WPS) möglich.</translation>
    </message>
    <message>
        <source>Please confirm the following tasks are done before clicking &lt;b&gt;Next&lt;/b&gt;.</source>
        <translation>Bitte erledigen Sie die folgenden Schritte, bevor Sie auf &lt;b&gt;Weiter&lt;/b&gt; klicken.</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. An der Kamera</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. Am Router</translation>
    </message>
    <message>
        <source>3. Plug power adapter</source>
        <translation>3. Netzteil anschließen</translation>
    </message>
    <message>
        <source>4. Check LED turns solid green</source>
        <translation>4. LED leuchtet dauerhaft grün</translation>
    </message>
    <message>
        <source>You can also use WPS button to&lt;br&gt;establish connection in this step&lt;br&gt;or follow the instruction in later step.</source>
        <translation>Sie können die Verbindung auch jetzt&lt;br&gt;mit der WPS-Taste herstellen oder&lt;br&gt;später der Anleitung folgen.</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Weiter    </translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Was tun, wenn die Link-LED aus bleibt?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Was tun, wenn die LED rot bleibt?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Was tun, wenn die Link-LED aus bleibt?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Bitte prüfen Sie Folgendes:&lt;ul&gt;&lt;li&gt;Sind alle Kabel fest eingesteckt?&lt;/li&gt;&lt;li&gt;Starten Sie die Kamera neu, indem Sie sie kurz vom Strom trennen.&lt;/li&gt;&lt;li&gt;Bleibt die Link-LED weiterhin aus, können Sie die &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Kamera zurücksetzen&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Funktionieren Modem und Router?&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Was tun, wenn die LED rot bleibt?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Bitte prüfen Sie Folgendes:&lt;ul&gt;&lt;li&gt;Sind alle Kabel fest eingesteckt?&lt;/li&gt;&lt;li&gt;Starten Sie die Kamera neu, indem Sie sie kurz vom Strom trennen.&lt;/li&gt;&lt;li&gt;Leuchtet die LED weiterhin rot, können Sie die &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Kamera zurücksetzen&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Funktionieren Modem und Router?&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
</context>
<context>
    <name>selectPage</name>
    <message>
        <source>plug</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Netz</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warnung&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Leuchtet die Link-LED an der Kamera grün?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Leuchtet die Power/Link-LED an der Kamera grün?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Neustart    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Schließen    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Halten Sie die Reset-Taste mindestens 6 Sekunden lang gedrückt, während die Kamera angeschlossen ist. Klicken Sie nach dem Zurücksetzen der Kamera auf &lt;b&gt;Neustart&lt;/b&gt;, um fortzufahren.</translation>
    </message>
    <message>
        <source>Select your camera</source>
        <translation>Kamera auswählen</translation>
    </message>
    <message>
        <source>Select your camera from the list and click &lt;b&gt;Next&lt;/b&gt; when you complete.</source>
        <translation>Wählen Sie Ihre Kamera in der Liste und klicken Sie auf &lt;b&gt;Weiter&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>MAC ID</source>
        <translation>MAC-ID</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>MAC ID is a unique identifier
assigned to network interfaces
for communications on the
physical network.</source>
        <translation>Die MAC-ID ist eine eindeutige
Kennung, die Netzwerk-
schnittstellen für die Kommuni-
kation im Netzwerk erhalten.</translation>
    </message>
    <message>
        <source>Registered to skyvue</source>
        <translation>Bei skyvue registriert</translation>
    </message>
    <message>
        <source>Not registered</source>
        <translation>Nicht registriert</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>WLAN</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;MAC ID&lt;/b&gt; on the back of your camera.</source>
        <translation>Die &lt;b&gt;MAC-ID&lt;/b&gt; steht hinten auf der Kamera.</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Cannot find your camera from the list ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Kamera nicht in der Liste?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Enter a password to secure your camera</source>
        <translation>Kennwort für die Kamera festlegen</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Admin-Konto:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Kennwort:</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Forgot my camera password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Kamerakennwort vergessen?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Kennwort erneut:</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      Zurück</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Neu suchen    </translation>
    </message>
    <message>
        <source>Next      </source>
        <translation>Weiter      </translation>
    </message>
    <message>
        <source>&lt;b&gt;Searching camera....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Kamera wird gesucht....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Confirm your camera password</source>
        <translation>Kamerakennwort bestätigen</translation>
    </message>
    <message>
        <source>Searching camera</source>
        <translation>Kamera wird gesucht</translation>
    </message>
    <message>
        <source>Saving camera&apos;s password</source>
        <translation>Kamerakennwort wird gespeichert</translation>
    </message>
    <message>
        <source>Retrieving the camera&apos;s password</source>
        <translation>Kamerakennwort wird abgefragt</translation>
    </message>
    <message>
        <source>The camera you select has already been registered to skyvue. You have to enter the correct camera password and skyvue account later or &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt; to register another account.&lt;br&gt;</source>
        <translation>Diese Kamera ist bereits bei skyvue registriert. Geben Sie später Kamerakennwort und skyvue-Konto an oder &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;setzen Sie die Kamera zurück&lt;/font&gt;&lt;/a&gt; für ein anderes Konto.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The passwords must be at least 6 characters long and must contain at least 2 letters, case-sensitive!</source>
        <translation>Das Kennwort muss mindestens 6 Zeichen lang sein und mindestens 2 Buchstaben enthalten. Groß- und Kleinschreibung wird beachtet!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The passwords don&apos;t match! Please try again!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Warnung&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Die Kennwörter stimmen nicht überein! Bitte versuchen Sie es erneut!</translation>
    </message>
    <message>
        <source>Input wrong password, please check!</source>
        <translation>Falsches Kennwort, bitte prüfen!</translation>
    </message>
    <message>
        <source>Two times input password are not the same!</source>
        <translation>Die beiden Kennwörter stimmen nicht überein!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Cannot detect your wired connection?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Please close this lightbox and click &lt;b&gt;Back&lt;/b&gt; button to previous page. Follow the instruction to install the camera again.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Kabelverbindung nicht erkannt?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Bitte schließen Sie dieses Fenster und kehren Sie mit &lt;b&gt;Zurück&lt;/b&gt; zur vorigen Seite zurück. Folgen Sie der Anleitung, um die Kamera erneut anzuschließen.</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>Statische IP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>The camera did not confirm the new password, so it may still have none. Check that the camera is on and connected, then try again.</source>
        <translation>Die Kamera hat das neue Kennwort nicht bestätigt und hat daher vielleicht noch keines. Prüfen Sie, ob die Kamera eingeschaltet und verbunden ist, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Retry    </source>
        <translation>Wiederholen    </translation>
    </message>
</context>
<context>
    <name>welcomePage</name>
    <message>
        <source>Please select:</source>
        <translation>Bitte wählen:</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>Portug. (Portugal)</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>Portug. (Brasilien)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chinesisch (trad.)</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chinesisch (vereinf.)</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tschechisch</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dänisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Kroatisch</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Ungarisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norwegisch</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumänisch</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slowenisch</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Schwedisch</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finnisch</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Fehlerbehebung</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Handbücher, Downloads</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Start    </source>
        <translation>Starten    </translation>
    </message>
    <message>
        <source>Select your lauguage:</source>
        <translation>Sprache wählen:</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Welcome </source>
        <translation>Willkommen </translation>
    </message>
    <message>
        <source>Welcome to the IP camera Camguide. This wizard will help you easily setup the Internet camera, register skyvue web site for remote view and other interesting online services.</source>
        <translation>Willkommen beim Camguide für IP-Kameras. Dieser Assistent hilft Ihnen, die Internetkamera einfach einzurichten und sich bei skyvue für die Fernansicht und weitere interessante Online-Dienste zu registrieren.</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Schließen    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Über </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warnung:&lt;/b&gt; Dieses Programm ist durch Urheberrecht und internationale Verträge geschützt. Unerlaubte Vervielfältigung oder Verbreitung dieses Programms oder von Teilen davon kann zivil- und strafrechtlich verfolgt werden.&lt;br&gt;</translation>
    </message>
</context>
</TS>
