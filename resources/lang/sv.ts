<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Another Camguide is already running.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Camguide körs redan.</translation>
    </message>
    <message>
        <source>MyCamera</source>
        <translation>MinKamera</translation>
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
        <translation>Felsökning</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Handböcker och filer</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Med ensamrätt.</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Stäng    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Om </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Varning:&lt;/b&gt; Detta program skyddas av upphovsrättslagen och internationella avtal. Otillåten kopiering eller spridning av detta program eller delar av det kan leda till stränga civilrättsliga och straffrättsliga påföljder.&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>connectPage</name>
    <message>
        <source>plug</source>
        <translation>Anslut</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Välj</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Nätverk</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Lyser Link-lampan på kameran grönt?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Lyser Power/Link-lampan på kameran grönt?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Starta om    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Stäng    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Håll återställningsknappen (Reset) intryckt i minst 6 sekunder medan kameran är ansluten. Klicka på &lt;b&gt;Starta om&lt;/b&gt; när kameran har återställts för att fortsätta.</translation>
    </message>
    <message>
        <source>Connect to the network</source>
        <translation>Anslut till nätverket</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Anslut nätverkskabeln till Ethernet-porten på kamerans baksida.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Anslut kabelns andra ände till en ledig LAN-port på routern.</translation>
    </message>
    <message>
        <source>3.The LED on the camera will turn solid green when the device is ready.</source>
        <translation>3. Lampan på kameran lyser med fast grönt sken när enheten är klar.</translation>
    </message>
    <message>
        <source>1.Unplug the Ethernet cable from the camera.</source>
        <translation>1. Koppla bort nätverkskabeln från kameran.</translation>
    </message>
    <message>
        <source>2.Press the WPS button on the back of your camera and the WPS LED will start to flash blue.</source>
        <translation>2. Tryck på WPS-knappen på kamerans baksida. WPS-lampan börjar blinka blått.</translation>
    </message>
    <message>
        <source>3.You now  one minute to press the WPS button on your router.</source>
        <translation>3. Du har nu en minut på dig att trycka på WPS-knappen på routern.</translation>
    </message>
    <message>
        <source>4.Once your camera has established a connection, the WPS LED will turn solid blue, the LED in front of the camera will turn to flash green.</source>
        <translation>4. När kameran har anslutit lyser WPS-lampan med fast blått sken och lampan på kamerans framsida börjar blinka grönt.</translation>
    </message>
    <message>
        <source>Current connection(*):</source>
        <translation>Aktuell anslutning (*):</translation>
    </message>
    <message>
        <source>How would you connect your camera to the router?</source>
        <translation>Hur vill du ansluta kameran till routern?</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Trådbunden anslutning&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Ethernet cable</source>
        <translation>Med nätverkskabel</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Trådlös anslutning&lt;/b&gt;</translation>
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
        <translation>Genom att välja ett trådlöst nätverk</translation>
    </message>
    <message>
        <source>Available wireless network</source>
        <translation>Tillgängliga trådlösa nätverk</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Sök igen    </translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Lösenord:</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. På kameran</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. På routern</translation>
    </message>
    <message>
        <source>3. Check LED turns green</source>
        <translation>3. Lampan lyser grönt</translation>
    </message>
    <message>
        <source>1. Unplug the Ethernet cable</source>
        <translation>1. Koppla bort nätverkskabeln</translation>
    </message>
    <message>
        <source>2. On the camera side</source>
        <translation>2. På kameran</translation>
    </message>
    <message>
        <source>3. On the router side</source>
        <translation>3. På routern</translation>
    </message>
    <message>
        <source>4. Check LED turns flash green</source>
        <translation>4. Lampan blinkar grönt</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Tillbaka</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Nästa    </translation>
    </message>
    <message>
        <source>Checking Internet connection</source>
        <translation>Kontrollerar internetanslutningen</translation>
    </message>
    <message>
        <source>(Current connection(*): &lt;b&gt;</source>
        <translation>(Aktuell anslutning (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>Wireless connection&lt;/b&gt;)</source>
        <translation>Trådlös anslutning&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Trådlös anslutning*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Wired connection&lt;/b&gt;)</source>
        <translation>Trådbunden anslutning&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Trådbunden anslutning*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Vad gör jag om Link-lampan inte lyser?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Vad gör jag om lampan fortsätter att lysa rött?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*where is my WPS button?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Var finns WPS-knappen?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Having problems connecting?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Problem med att ansluta?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Vad gör jag om Link-lampan inte lyser?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Kontrollera följande:&lt;ul&gt;&lt;li&gt;Kontrollera att kablarna sitter ordentligt.&lt;/li&gt;&lt;li&gt;Starta om kameran genom att bryta och återansluta strömmen.&lt;/li&gt;&lt;li&gt;Om Link-lampan fortfarande inte lyser kan du försöka &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;återställa kameran&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Kontrollera att modemet eller routern fungerar.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Vad gör jag om lampan fortsätter att lysa rött?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Kontrollera följande:&lt;ul&gt;&lt;li&gt;Kontrollera att kablarna sitter ordentligt.&lt;/li&gt;&lt;li&gt;Starta om kameran genom att bryta och återansluta strömmen.&lt;/li&gt;&lt;li&gt;Om kamerans lampa fortfarande lyser rött kan du försöka &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;återställa kameran&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Kontrollera att modemet eller routern fungerar.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check your router&apos;s user manual for more details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Vad är WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Med Wi-Fi Protected Setup (WPS) kan du snabbt, enkelt och automatiskt skapa en säker trådlös anslutning. &lt;br&gt;&lt;br&gt;Routerns WPS-knapp är oftast en liten knapp på sidan av routern. På vissa routrar måste du logga in i webbgränssnittet och klicka på en knapp på skärmen för att aktivera WPS-funktionen. Mer information finns i routerns bruksanvisning.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check the user manual for your router for details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Vad är WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Med Wi-Fi Protected Setup (WPS) kan du snabbt, enkelt och automatiskt skapa en säker trådlös anslutning. &lt;br&gt;&lt;br&gt;Routerns WPS-knapp är oftast en liten knapp på sidan av routern. På vissa routrar måste du logga in i webbgränssnittet och klicka på en knapp på skärmen för att aktivera WPS-funktionen. Mer information finns i routerns bruksanvisning.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Having problems connecting your camera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;If you are having problems connecting your camera using WPS, check the following:&lt;ul&gt;&lt;li&gt;Your camera may be out of range.Try connecting your camera from the same room as your router.&lt;/li&gt;&lt;li&gt;Make sure your router has a WPS button.Check your router&apos;s user manual for details. &lt;/li&gt;&lt;/ul&gt;If you are still having trouble connecting your camera using WPS, you can select wireless network manually or simply use a wired connection.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Problem med att ansluta kameran?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Om du har problem med att ansluta kameran med WPS kontrollerar du följande:&lt;ul&gt;&lt;li&gt;Kameran kan vara utom räckhåll. Försök att ansluta kameran i samma rum som routern.&lt;/li&gt;&lt;li&gt;Kontrollera att routern har en WPS-knapp. Mer information finns i routerns bruksanvisning. &lt;/li&gt;&lt;/ul&gt;Om du fortfarande har problem med att ansluta kameran med WPS kan du välja det trådlösa nätverket manuellt eller helt enkelt använda en trådbunden anslutning.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Please plug in the cable. click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Anslut kabeln. Klicka på &lt;b&gt;OK&lt;/b&gt; när du är klar.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Now you can unplug the Ethernet cable from the camera and click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Nu kan du koppla bort nätverkskabeln från kameran. Klicka på &lt;b&gt;OK&lt;/b&gt; när du är klar.</translation>
    </message>
    <message>
        <source>OK	</source>
        <translation>OK	</translation>
    </message>
    <message>
        <source>The camera has already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;Close&lt;/b&gt; just re-configure the camera!</source>
        <translation>Kameran är redan registrerad. Klicka på &lt;b&gt;Återställ&lt;/b&gt; för att starta om programmet och återställa kameran, eller klicka på &lt;b&gt;Stäng&lt;/b&gt; för att bara konfigurera om kameran.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Återställ    </translation>
    </message>
    <message>
        <source>Yes    </source>
        <translation>Ja    </translation>
    </message>
    <message>
        <source>NO    </source>
        <translation>Nej    </translation>
    </message>
    <message>
        <source>The camera can not connect to skyvue server. click &lt;b&gt;Retry&lt;/b&gt; to check again, or click &lt;b&gt;Close&lt;/b&gt; without signing in skyvue.</source>
        <translation>Kameran kan inte ansluta till skyvue-servern. Klicka på &lt;b&gt;Försök igen&lt;/b&gt; för att kontrollera igen, eller klicka på &lt;b&gt;Stäng&lt;/b&gt; för att fortsätta utan att logga in på skyvue.</translation>
    </message>
    <message>
        <source>Retry	 </source>
        <translation>Försök igen	 </translation>
    </message>
    <message>
        <source>Close	 </source>
        <translation>Stäng	 </translation>
    </message>
    <message>
        <source>Check your cable connection please.&lt;br&gt;</source>
        <translation>Kontrollera kabelanslutningen.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The wireless connection failed. Please connect the Ethernet cable and select the wireless network again.&lt;br&gt;</source>
        <translation>Den trådlösa anslutningen misslyckades. Anslut nätverkskabeln och välj det trådlösa nätverket igen.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Sparar nätverksinställningar</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Startar om nätverket</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Kontrollerar internetanslutningen</translation>
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
        <translation>&lt;b&gt;Mer information&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Camera IP address:</source>
        <translation>Kamerans IP-adress:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Nätmask:</translation>
    </message>
    <message>
        <source>Gateway IP address:</source>
        <translation>Gatewayens IP-adress:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>Primär DNS:</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>Sekundär DNS</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Trådlös</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>Wireless SSID:</source>
        <translation>Trådlöst SSID:</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>ej tillämpligt</translation>
    </message>
    <message>
        <source>Connection mode:</source>
        <translation>Anslutningsläge:</translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation>Autentisering:</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Kryptering:</translation>
    </message>
    <message>
        <source>Key/password:</source>
        <translation>Nyckel/lösenord:</translation>
    </message>
    <message>
        <source>&lt;b&gt; Internet connection&lt;/b&gt;</source>
        <translation>&lt;b&gt; Internetanslutning&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Connection type&lt;/b&gt;</source>
        <translation>&lt;b&gt; Anslutningstyp&lt;/b&gt;</translation>
    </message>
    <message>
        <source>skyvue no.:</source>
        <translation>skyvue-nr:</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Adminkonto:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Lösenord:</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>&lt;b&gt; skyvue info&lt;/b&gt;</source>
        <translation>&lt;b&gt; skyvue-information&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Camera web page&lt;/b&gt;</source>
        <translation>&lt;b&gt; Kamerans webbsida&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your Internet connection&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Ändra internetanslutning&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your connection type&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Ändra anslutningstyp&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Stäng    </translation>
    </message>
</context>
<context>
    <name>failedPage</name>
    <message>
        <source>plug</source>
        <translation>Anslut</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Välj</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Nätverk</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Connect your camera</source>
        <translation>Anslut kameran</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Sparar nätverksinställningar</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Startar om nätverket</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Kontrollerar internetanslutningen</translation>
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
        <translation>IP-adress</translation>
    </message>
    <message>
        <source>Submask</source>
        <translation>nätmask</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>gateway</translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation>primär DNS</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>sekundär DNS</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-adress:</translation>
    </message>
    <message>
        <source>Submask:</source>
        <translation>Nätmask:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>Primär DNS:</translation>
    </message>
    <message>
        <source>Secondary DNS:</source>
        <translation>Sekundär DNS:</translation>
    </message>
    <message>
        <source>How would you connect your camera to the Internet?</source>
        <translation>Hur vill du ansluta kameran till internet?</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)</source>
        <translation>Användarnamn och lösenord (PPPoE)</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Lösenord:</translation>
    </message>
    <message>
        <source>Enter static IP address</source>
        <translation>Ange statisk IP-adress</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)*</source>
        <translation>Dynamisk IP-adress (DHCP)*</translation>
    </message>
    <message>
        <source>Use in the intranet for local view only.</source>
        <translation>Endast för lokal visning i intranätet.</translation>
    </message>
    <message>
        <source>The PPPoE is a network 
protocol mainly used with DSL 
services.</source>
        <translation>PPPoE är ett nätverks-
protokoll som främst används
för DSL-tjänster.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Tillbaka</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Nästa    </translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Läser in, vänta</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP address</source>
        <translation>Statisk IP-adress</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)</source>
        <translation>Dynamisk IP-adress (DHCP)</translation>
    </message>
    <message>
        <source>(Current Internet connection(*): &lt;b&gt;</source>
        <translation>(Aktuell internetanslutning (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>&lt;/b&gt;)</source>
        <translation>&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)*</source>
        <translation>Användarnamn och lösenord (PPPoE)*</translation>
    </message>
    <message>
        <source>Enter static IP address*</source>
        <translation>Ange statisk IP-adress*</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Stäng    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid username!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Ogiltigt användarnamn!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid password.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Ogiltigt lösenord.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Ogiltig<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </translation>
    </message>
    <message>
        <source>!</source>
        <translation>!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Connection is failed.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Anslutningen misslyckades.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The camera have already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;OK&lt;/b&gt; just re-configure the camera!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Kameran är redan registrerad. Klicka på &lt;b&gt;Återställ&lt;/b&gt; för att starta om programmet och återställa kameran, eller klicka på &lt;b&gt;OK&lt;/b&gt; för att bara konfigurera om kameran.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Återställ    </translation>
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
        <translation>Anslut</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Välj</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Nätverk</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Eftersom kameran saknar internetanslutning ( &lt;a href = Setup again&gt;&lt;font size=3 color=#638c0b&gt;Konfigurera igen&lt;/font&gt;&lt;/a&gt; ) kan du inte logga in på skyvue-webbplatsen för fjärrvisning.
</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Du kan ändå se kameran lokalt via IP-adressen nedan.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Kontonamn:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Lägg till genväg på skrivbordet och bokmärke till kamerans IP-adress.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Gå med i skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-adress:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Lösenord:</translation>
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
        <translation> Kameranamn:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Mer information om kameran.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Klar    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Genvägen kunde inte skapas helt.</translation>
    </message>
</context>
<context>
    <name>joinPage1</name>
    <message>
        <source>plug</source>
        <translation>Anslut</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Välj</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Nätverk</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Lyser Link-lampan på kameran grönt?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Lyser Power/Link-lampan på kameran grönt?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Starta om    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Stäng    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Håll återställningsknappen (Reset) intryckt i minst 6 sekunder medan kameran är ansluten. Klicka på &lt;b&gt;Starta om&lt;/b&gt; när kameran har återställts för att fortsätta.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Gå med i skyvue</translation>
    </message>
    <message>
        <source>The camera has previously registered with a skyvue account, you can login on &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; or mobile application to enjoy remote view. If you want to re-configure your account and device, you may &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;hard reset&lt;/font&gt;&lt;/a&gt; the camera and create or register with a new account.</source>
        <translation>Kameran är redan registrerad med ett skyvue-konto. Du kan logga in på &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; eller i mobilappen för att använda fjärrvisning. Om du vill konfigurera om ditt konto och din enhet kan du göra en &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;fullständig återställning&lt;/font&gt;&lt;/a&gt; av kameran och skapa eller registrera ett nytt konto.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Varför gå med i skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Enkel konfiguration&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS setting, firewall roadblock, or all the trouble some configurations on cameras or viewing clients.</source>
        <translation>Slipp krångliga inställningar för dynamisk DNS, hinder i brandväggen och alla besvärliga konfigurationer av kameror och visningsprogram.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Enkel åtkomst&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Fjärrvisning var du än är&lt;/b&gt;</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Tillbaka</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Nästa    </translation>
    </message>
</context>
<context>
    <name>joinPage2</name>
    <message>
        <source>plug</source>
        <translation>Anslut</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Välj</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Nätverk</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Gå med i skyvue</translation>
    </message>
    <message>
        <source>Do you have a skyvue account ?</source>
        <translation>Har du ett skyvue-konto?</translation>
    </message>
    <message>
        <source>&amp;Yes, I already have a skyvue account.</source>
        <translation>&amp;Ja, jag har redan ett skyvue-konto.</translation>
    </message>
    <message>
        <source>&amp;No, I need to sign up for a new account.</source>
        <translation>&amp;Nej, jag vill skapa ett nytt konto.</translation>
    </message>
    <message>
        <source>I &amp;don&apos;t want to sign up right now.</source>
        <translation>Jag vill inte &amp;registrera mig just nu.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Varför gå med i skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Enkel konfiguration&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS settings,firewall roadblock,or all the troublesome configurations on cameras or viewing clients.</source>
        <translation>Slipp krångliga inställningar för dynamisk DNS, hinder i brandväggen och alla besvärliga konfigurationer av kameror och visningsprogram.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Enkel åtkomst&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For using skyvue web service such as to manage all your cameras in one place.</source>
        <translation>Använd webbtjänsten skyvue till exempel för att hantera alla dina kameror på ett ställe.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Fjärrvisning var du än är&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For viewing your cameras from anywhere through a web browser or a mobile device.</source>
        <translation>Titta på dina kameror var du än är via en webbläsare eller en mobil enhet.</translation>
    </message>
    <message>
        <source>Please enter your skyvue account.</source>
        <translation>Ange ditt skyvue-konto.</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-post:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Lösenord:</translation>
    </message>
    <message>
        <source>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Forgot password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Glömt lösenordet?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm Password:</source>
        <translation>Bekräfta lösenord:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Förnamn:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Efternamn:</translation>
    </message>
    <message>
        <source>I would like to receive emails for latest services and products from skyvue.</source>
        <translation>Jag vill få e-post om de senaste tjänsterna och produkterna från skyvue.</translation>
    </message>
    <message>
        <source>I accept skyvue &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;terms and conditions&lt;/font&gt;&lt;/a&gt;.</source>
        <translation>Jag godkänner skyvues &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;villkor&lt;/font&gt;&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Tillbaka</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Nästa    </translation>
    </message>
    <message>
        <source>&lt;b&gt;Loading, please wait....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Läser in, vänta....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Stäng    </translation>
    </message>
    <message>
        <source>Please select your camera.</source>
        <translation>Välj din kamera.</translation>
    </message>
    <message>
        <source>Invalid email!</source>
        <translation>Ogiltig e-postadress!</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>Ogiltigt lösenord!</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match, please try again.</source>
        <translation>Lösenorden matchar inte. Försök igen.</translation>
    </message>
    <message>
        <source>You must accept the terms and conditions to continue.</source>
        <translation>Du måste godkänna villkoren för att fortsätta.</translation>
    </message>
    <message>
        <source>Please select an option.</source>
        <translation>Välj ett alternativ.</translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Läser in, vänta</translation>
    </message>
    <message>
        <source>Timeout, please retry.</source>
        <translation>Tidsgränsen överskreds. Försök igen.</translation>
    </message>
    <message>
        <source>The camera gave no valid portal address.</source>
        <translation>Kameran angav ingen giltig portaladress.</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>Okänt fel!</translation>
    </message>
    <message>
        <source>Since you forgot your skyvue account&apos;s password. click &lt;b&gt;OK&lt;/b&gt; button will direct you to skyvue portal to retrieve the password. Please follow the instructions on the web page.</source>
        <translation>Du har glömt lösenordet till ditt skyvue-konto. När du klickar på &lt;b&gt;OK&lt;/b&gt; kommer du till skyvue-portalen där du kan återställa lösenordet. Följ instruktionerna på webbsidan.</translation>
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
        <translation>Anslut</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Välj</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Nätverk</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source> Now you can use the information below to login &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.    click &lt;b&gt;Done&lt;/b&gt; to visit skyvue website to see camera live view.</source>
        <translation> Nu kan du använda uppgifterna nedan för att logga in på &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;-webbplatsen.    Klicka på &lt;b&gt;Klar&lt;/b&gt; för att gå till skyvue-webbplatsen och se kamerans livebild.</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source> You can also learn more about mobile applications for your iPhone &amp; Android phone on &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.&lt;br&gt;</source>
        <translation> Du kan också läsa mer om mobilappar för iPhone och Android på &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;-webbplatsen.&lt;br&gt;</translation>
    </message>
    <message>
        <source>  Add the shortcut of skyvue to my desktop and browser bookmark.</source>
        <translation>  Lägg till en genväg till skyvue på skrivbordet och ett bokmärke i webbläsaren.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Gå med i skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-adress:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Lösenord:</translation>
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
        <translation> Kameranamn:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Mer information om kameran.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Klar    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Genvägen kunde inte skapas helt.</translation>
    </message>
</context>
<context>
    <name>joinPage4</name>
    <message>
        <source>plug</source>
        <translation>Anslut</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Välj</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Nätverk</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Om du väljer att inte registrera kameran hos skyvue går du miste om fördelar som fjärrvisning och mobilappen från skyvue.</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Du kan ändå se kameran lokalt via IP-adressen nedan.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Kontonamn:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Lägg till genväg på skrivbordet och bokmärke till kamerans IP-adress.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Gå med i skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-adress:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Lösenord:</translation>
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
        <translation> Kameranamn:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Mer information om kameran.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Klar    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Genvägen kunde inte skapas helt.</translation>
    </message>
</context>
<context>
    <name>plugPage</name>
    <message>
        <source>plug</source>
        <translation>Anslut</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Välj</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Nätverk</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Lyser Link-lampan på kameran grönt?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Lyser Power/Link-lampan på kameran grönt?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Starta om    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Stäng    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Håll återställningsknappen (Reset) intryckt i minst 6 sekunder medan kameran är ansluten. Klicka på &lt;b&gt;Starta om&lt;/b&gt; när kameran har återställts för att fortsätta.</translation>
    </message>
    <message>
        <source>Plug your camera</source>
        <translation>Anslut kameran</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Anslut nätverkskabeln till Ethernet-porten på kamerans baksida.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Anslut kabelns andra ände till en ledig LAN-port på routern.</translation>
    </message>
    <message>
        <source>3.Connect the power adapter to the power jack on the back of the camera and plug the other end into the power outlet.</source>
        <translation>3. Anslut nätadaptern till strömuttaget på kamerans baksida och sätt i den andra änden i ett eluttag.</translation>
    </message>
    <message>
        <source>4.The LED on the camera will turn green when the device is ready.</source>
        <translation>4. Lampan på kameran lyser grönt när enheten är klar.</translation>
    </message>
    <message>
        <source>*Could use Wi-Fi Protected Setup (WPS) instead.</source>
        <translation>*Du kan också använda WPS (Wi-Fi Protected Setup).</translation>
    </message>
    <message>
        <source>Please confirm the following tasks are done before clicking &lt;b&gt;Next&lt;/b&gt;.</source>
        <translation>Kontrollera att följande steg är utförda innan du klickar på &lt;b&gt;Nästa&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. På kameran</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. På routern</translation>
    </message>
    <message>
        <source>3. Plug power adapter</source>
        <translation>3. Anslut nätadaptern</translation>
    </message>
    <message>
        <source>4. Check LED turns solid green</source>
        <translation>4. Lampan lyser fast grönt</translation>
    </message>
    <message>
        <source>You can also use WPS button to&lt;br&gt;establish connection in this step&lt;br&gt;or follow the instruction in later step.</source>
        <translation>Du kan också använda WPS-knappen för&lt;br&gt;att ansluta i det här steget eller&lt;br&gt;följa instruktionerna i ett senare steg.</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Nästa    </translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Vad gör jag om Link-lampan inte lyser?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Vad gör jag om lampan fortsätter att lysa rött?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Vad gör jag om Link-lampan inte lyser?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Kontrollera följande:&lt;ul&gt;&lt;li&gt;Kontrollera att kablarna sitter ordentligt.&lt;/li&gt;&lt;li&gt;Starta om kameran genom att bryta och återansluta strömmen.&lt;/li&gt;&lt;li&gt;Om Link-lampan fortfarande inte lyser kan du försöka &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;återställa kameran&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Kontrollera att modemet eller routern fungerar.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Vad gör jag om lampan fortsätter att lysa rött?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Kontrollera följande:&lt;ul&gt;&lt;li&gt;Kontrollera att kablarna sitter ordentligt.&lt;/li&gt;&lt;li&gt;Starta om kameran genom att bryta och återansluta strömmen.&lt;/li&gt;&lt;li&gt;Om kamerans lampa fortfarande lyser rött kan du försöka &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;återställa kameran&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Kontrollera att modemet eller routern fungerar.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
</context>
<context>
    <name>selectPage</name>
    <message>
        <source>plug</source>
        <translation>Anslut</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Välj</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Nätverk</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Lyser Link-lampan på kameran grönt?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Lyser Power/Link-lampan på kameran grönt?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Starta om    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Stäng    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Håll återställningsknappen (Reset) intryckt i minst 6 sekunder medan kameran är ansluten. Klicka på &lt;b&gt;Starta om&lt;/b&gt; när kameran har återställts för att fortsätta.</translation>
    </message>
    <message>
        <source>Select your camera</source>
        <translation>Välj din kamera</translation>
    </message>
    <message>
        <source>Select your camera from the list and click &lt;b&gt;Next&lt;/b&gt; when you complete.</source>
        <translation>Välj din kamera i listan och klicka på &lt;b&gt;Nästa&lt;/b&gt; när du är klar.</translation>
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
        <translation>IP-adress</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Anslutning</translation>
    </message>
    <message>
        <source>MAC ID is a unique identifier
assigned to network interfaces
for communications on the
physical network.</source>
        <translation>MAC-ID är en unik identifierare
som nätverksgränssnitt får för
kommunikation i det fysiska
nätverket.</translation>
    </message>
    <message>
        <source>Registered to skyvue</source>
        <translation>Registrerad hos skyvue</translation>
    </message>
    <message>
        <source>Not registered</source>
        <translation>Inte registrerad</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Trådlös</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;MAC ID&lt;/b&gt; on the back of your camera.</source>
        <translation>&lt;b&gt;MAC-ID&lt;/b&gt; finns på kamerans baksida.</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Cannot find your camera from the list ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Hittar du inte kameran i listan?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Enter a password to secure your camera</source>
        <translation>Ange ett lösenord för att skydda kameran</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Adminkonto:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Lösenord:</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Forgot my camera password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Glömt kamerans lösenord?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Bekräfta lösenord:</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      Tillbaka</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Sök igen    </translation>
    </message>
    <message>
        <source>Next      </source>
        <translation>Nästa      </translation>
    </message>
    <message>
        <source>&lt;b&gt;Searching camera....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Söker efter kamera....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Confirm your camera password</source>
        <translation>Bekräfta kamerans lösenord</translation>
    </message>
    <message>
        <source>Searching camera</source>
        <translation>Söker efter kamera</translation>
    </message>
    <message>
        <source>Saving camera&apos;s password</source>
        <translation>Sparar kamerans lösenord</translation>
    </message>
    <message>
        <source>Retrieving the camera&apos;s password</source>
        <translation>Hämtar kamerans lösenord</translation>
    </message>
    <message>
        <source>The camera you select has already been registered to skyvue. You have to enter the correct camera password and skyvue account later or &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt; to register another account.&lt;br&gt;</source>
        <translation>Den valda kameran är redan registrerad hos skyvue. Du måste ange rätt lösenord för kameran och ditt skyvue-konto senare eller &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;återställa kameran&lt;/font&gt;&lt;/a&gt; för att registrera ett annat konto.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The passwords must be at least 6 characters long and must contain at least 2 letters, case-sensitive!</source>
        <translation>Lösenordet måste innehålla minst 6 tecken, varav minst 2 bokstäver. Skiftlägeskänsligt!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The passwords don&apos;t match! Please try again!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Varning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Lösenorden matchar inte! Försök igen!</translation>
    </message>
    <message>
        <source>Input wrong password, please check!</source>
        <translation>Fel lösenord, kontrollera!</translation>
    </message>
    <message>
        <source>Two times input password are not the same!</source>
        <translation>De två lösenorden är inte lika!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Cannot detect your wired connection?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Please close this lightbox and click &lt;b&gt;Back&lt;/b&gt; button to previous page. Follow the instruction to install the camera again.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Hittas ingen trådbunden anslutning?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Stäng den här rutan och klicka på &lt;b&gt;Tillbaka&lt;/b&gt; för att gå till föregående sida. Följ instruktionerna för att installera kameran igen.</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>Statisk IP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>The camera did not confirm the new password, so it may still have none. Check that the camera is on and connected, then try again.</source>
        <translation>Kameran bekräftade inte det nya lösenordet, så den har kanske fortfarande inget. Kontrollera att kameran är på och ansluten och försök igen.</translation>
    </message>
    <message>
        <source>Retry    </source>
        <translation>Försök igen    </translation>
    </message>
</context>
<context>
    <name>welcomePage</name>
    <message>
        <source>Please select:</source>
        <translation>Välj:</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Engelska</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Franska</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ryska</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanska</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>Portugisiska (Portugal)</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>Portugisiska (Brasilien)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanska</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Traditionell kinesiska</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Förenklad kinesiska</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreanska</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tjeckiska</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danska</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tyska</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grekiska</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Kroatiska</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Ungerska</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienska</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nederländska</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norska</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polska</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumänska</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slovenska</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Svenska</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finska</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Felsökning</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Handböcker och filer</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Start    </source>
        <translation>Starta    </translation>
    </message>
    <message>
        <source>Select your lauguage:</source>
        <translation>Välj språk:</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Med ensamrätt.</translation>
    </message>
    <message>
        <source>Welcome </source>
        <translation>Välkommen </translation>
    </message>
    <message>
        <source>Welcome to the IP camera Camguide. This wizard will help you easily setup the Internet camera, register skyvue web site for remote view and other interesting online services.</source>
        <translation>Välkommen till Camguide för IP-kameror. Den här guiden hjälper dig att enkelt konfigurera internetkameran och registrera dig på skyvue-webbplatsen för fjärrvisning och andra intressanta onlinetjänster.</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Stäng    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Om </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Varning:&lt;/b&gt; Detta program skyddas av upphovsrättslagen och internationella avtal. Otillåten kopiering eller spridning av detta program eller delar av det kan leda till stränga civilrättsliga och straffrättsliga påföljder.&lt;br&gt;</translation>
    </message>
</context>
</TS>
