<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Another Camguide is already running.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Waarschuwing&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Camguide is al actief.</translation>
    </message>
    <message>
        <source>MyCamera</source>
        <translation>MijnCamera</translation>
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
        <translation>Probleemoplossing</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Handleidingen, downloads</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Alle rechten voorbehouden.</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Sluiten    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Over </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Waarschuwing:&lt;/b&gt; Dit programma is beschermd door het auteursrecht en internationale verdragen. Onrechtmatige verveelvoudiging of verspreiding van dit programma of een deel ervan kan leiden tot zware civielrechtelijke en strafrechtelijke sancties.&lt;br&gt;</translation>
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
        <translation>Kiezen</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Netwerk</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Waarschuwing&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Brandt de Link-led op de camera groen?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Brandt de Power/Link-led op de camera groen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Herstarten    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Sluiten    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Houd de resetknop minstens 6 seconden ingedrukt terwijl de camera is aangesloten. Klik na het resetten van de camera op &lt;b&gt;Herstarten&lt;/b&gt; om verder te gaan.</translation>
    </message>
    <message>
        <source>Connect to the network</source>
        <translation>Verbinden met netwerk</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Sluit de ethernetkabel aan op de ethernetpoort aan de achterkant van de camera.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Sluit het andere uiteinde van de kabel aan op een vrije LAN-poort van uw router.</translation>
    </message>
    <message>
        <source>3.The LED on the camera will turn solid green when the device is ready.</source>
        <translation>3. De led op de camera brandt continu groen zodra het apparaat klaar is.</translation>
    </message>
    <message>
        <source>1.Unplug the Ethernet cable from the camera.</source>
        <translation>1. Koppel de ethernetkabel los van de camera.</translation>
    </message>
    <message>
        <source>2.Press the WPS button on the back of your camera and the WPS LED will start to flash blue.</source>
        <translation>2. Druk op de WPS-knop aan de achterkant van de camera. De WPS-led gaat blauw knipperen.</translation>
    </message>
    <message>
        <source>3.You now  one minute to press the WPS button on your router.</source>
        <translation>3. U hebt nu één minuut om op de WPS-knop van uw router te drukken.</translation>
    </message>
    <message>
        <source>4.Once your camera has established a connection, the WPS LED will turn solid blue, the LED in front of the camera will turn to flash green.</source>
        <translation>4. Zodra de camera verbonden is, brandt de WPS-led continu blauw en gaat de led aan de voorkant van de camera groen knipperen.</translation>
    </message>
    <message>
        <source>Current connection(*):</source>
        <translation>Huidige verbinding (*):</translation>
    </message>
    <message>
        <source>How would you connect your camera to the router?</source>
        <translation>Hoe wilt u de camera met de router verbinden?</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Bekabelde verbinding&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Ethernet cable</source>
        <translation>Via een ethernetkabel</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Draadloze verbinding&lt;/b&gt;</translation>
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
        <translation>Draadloos netwerk kiezen</translation>
    </message>
    <message>
        <source>Available wireless network</source>
        <translation>Beschikbare netwerken</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Zoeken    </translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Wachtwoord:</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. Aan de camerazijde</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. Aan de routerzijde</translation>
    </message>
    <message>
        <source>3. Check LED turns green</source>
        <translation>3. Led brandt groen</translation>
    </message>
    <message>
        <source>1. Unplug the Ethernet cable</source>
        <translation>1. Ethernetkabel loskoppelen</translation>
    </message>
    <message>
        <source>2. On the camera side</source>
        <translation>2. Aan de camerazijde</translation>
    </message>
    <message>
        <source>3. On the router side</source>
        <translation>3. Aan de routerzijde</translation>
    </message>
    <message>
        <source>4. Check LED turns flash green</source>
        <translation>4. Led knippert groen</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Terug</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Volgende    </translation>
    </message>
    <message>
        <source>Checking Internet connection</source>
        <translation>Internetverbinding controleren</translation>
    </message>
    <message>
        <source>(Current connection(*): &lt;b&gt;</source>
        <translation>(Huidige verbinding (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>Wireless connection&lt;/b&gt;)</source>
        <translation>Draadloze verbinding&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Draadloze verbinding*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Wired connection&lt;/b&gt;)</source>
        <translation>Bekabelde verbinding&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Bekabelde verbinding*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Wat als de Link-led niet brandt?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Wat als de led rood blijft?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*where is my WPS button?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Waar zit mijn WPS-knop?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Having problems connecting?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Problemen met verbinden?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Wat als de Link-led niet brandt?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Controleer het volgende:&lt;ul&gt;&lt;li&gt;Controleer of de kabels goed vastzitten.&lt;/li&gt;&lt;li&gt;Haal de stekker van de camera eruit en sluit hem weer aan om de camera opnieuw op te starten.&lt;/li&gt;&lt;li&gt;Brandt de Link-led nog steeds niet, dan kunt u de &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;camera resetten&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Controleer of uw modem of router goed werkt en of de leds voor de cameraverbinding branden.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Wat als de led rood blijft?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Controleer het volgende:&lt;ul&gt;&lt;li&gt;Controleer of de kabels goed vastzitten.&lt;/li&gt;&lt;li&gt;Haal de stekker van de camera eruit en sluit hem weer aan om de camera opnieuw op te starten.&lt;/li&gt;&lt;li&gt;Brandt de led van de camera nog steeds rood, dan kunt u de &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;camera resetten&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Controleer of uw modem of router goed werkt en of de leds voor de cameraverbinding branden.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check your router&apos;s user manual for more details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Wat is WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Met Wi-Fi Protected Setup (WPS) maakt u snel, eenvoudig en automatisch een beveiligde draadloze verbinding. &lt;br&gt;&lt;br&gt;De WPS-knop van uw router is meestal een kleine knop aan de zijkant van de router. Bij sommige routers schakelt u WPS in via een knop in de webinterface. Raadpleeg de handleiding van uw router voor meer informatie.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check the user manual for your router for details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Wat is WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Met Wi-Fi Protected Setup (WPS) maakt u snel, eenvoudig en automatisch een beveiligde draadloze verbinding. &lt;br&gt;&lt;br&gt;De WPS-knop van uw router is meestal een kleine knop aan de zijkant van de router. Bij sommige routers schakelt u WPS in via een knop in de webinterface. Raadpleeg de handleiding van uw router voor details.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Having problems connecting your camera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;If you are having problems connecting your camera using WPS, check the following:&lt;ul&gt;&lt;li&gt;Your camera may be out of range.Try connecting your camera from the same room as your router.&lt;/li&gt;&lt;li&gt;Make sure your router has a WPS button.Check your router&apos;s user manual for details. &lt;/li&gt;&lt;/ul&gt;If you are still having trouble connecting your camera using WPS, you can select wireless network manually or simply use a wired connection.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Problemen met het verbinden van de camera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Lukt het niet om de camera via WPS te verbinden, controleer dan het volgende:&lt;ul&gt;&lt;li&gt;De camera is mogelijk buiten bereik. Probeer de camera te verbinden in dezelfde ruimte als de router.&lt;/li&gt;&lt;li&gt;Controleer of uw router een WPS-knop heeft. Raadpleeg de handleiding van uw router voor details. &lt;/li&gt;&lt;/ul&gt;Lukt het verbinden via WPS nog steeds niet, dan kunt u het draadloze netwerk handmatig kiezen of gewoon een bekabelde verbinding gebruiken.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Please plug in the cable. click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Sluit de kabel aan. Klik daarna op &lt;b&gt;OK&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Now you can unplug the Ethernet cable from the camera and click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;U kunt de ethernetkabel nu loskoppelen van de camera. Klik daarna op &lt;b&gt;OK&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>OK	</source>
        <translation>OK	</translation>
    </message>
    <message>
        <source>The camera has already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;Close&lt;/b&gt; just re-configure the camera!</source>
        <translation>De camera is al geregistreerd. Klik op &lt;b&gt;Resetten&lt;/b&gt; om het programma opnieuw te starten en de camera te resetten, of klik op &lt;b&gt;Sluiten&lt;/b&gt; om alleen de camera opnieuw te configureren.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Resetten    </translation>
    </message>
    <message>
        <source>Yes    </source>
        <translation>Ja    </translation>
    </message>
    <message>
        <source>NO    </source>
        <translation>Nee    </translation>
    </message>
    <message>
        <source>The camera can not connect to skyvue server. click &lt;b&gt;Retry&lt;/b&gt; to check again, or click &lt;b&gt;Close&lt;/b&gt; without signing in skyvue.</source>
        <translation>De camera kan geen verbinding maken met de skyvue-server. Klik op &lt;b&gt;Opnieuw&lt;/b&gt; om het nog eens te controleren, of op &lt;b&gt;Sluiten&lt;/b&gt; om door te gaan zonder u aan te melden bij skyvue.</translation>
    </message>
    <message>
        <source>Retry	 </source>
        <translation>Opnieuw	 </translation>
    </message>
    <message>
        <source>Close	 </source>
        <translation>Sluiten	 </translation>
    </message>
    <message>
        <source>Check your cable connection please.&lt;br&gt;</source>
        <translation>Controleer de kabelverbinding.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The wireless connection failed. Please connect the Ethernet cable and select the wireless network again.&lt;br&gt;</source>
        <translation>De draadloze verbinding is mislukt. Sluit de ethernetkabel aan en kies het draadloze netwerk opnieuw.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Netwerkinstellingen opslaan</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Netwerk opnieuw starten</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Internetverbinding controleren</translation>
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
        <translation>&lt;b&gt;Meer details&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Camera IP address:</source>
        <translation>IP-adres camera:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Subnetmasker:</translation>
    </message>
    <message>
        <source>Gateway IP address:</source>
        <translation>IP-adres gateway:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>Primaire DNS:</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>Secundaire DNS</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Draadloos</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>Wireless SSID:</source>
        <translation>Draadloze SSID:</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>n.v.t.</translation>
    </message>
    <message>
        <source>Connection mode:</source>
        <translation>Verbindingsmodus:</translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation>Verificatie:</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Versleuteling:</translation>
    </message>
    <message>
        <source>Key/password:</source>
        <translation>Sleutel/wachtwoord:</translation>
    </message>
    <message>
        <source>&lt;b&gt; Internet connection&lt;/b&gt;</source>
        <translation>&lt;b&gt; Internetverbinding&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Connection type&lt;/b&gt;</source>
        <translation>&lt;b&gt; Verbindingstype&lt;/b&gt;</translation>
    </message>
    <message>
        <source>skyvue no.:</source>
        <translation>skyvue-nr.:</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Admin-account:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Wachtwoord:</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>&lt;b&gt; skyvue info&lt;/b&gt;</source>
        <translation>&lt;b&gt; skyvue-info&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Camera web page&lt;/b&gt;</source>
        <translation>&lt;b&gt; Webpagina camera&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your Internet connection&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Internetverbinding wijzigen&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your connection type&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Verbindingstype wijzigen&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Sluiten    </translation>
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
        <translation>Kiezen</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Netwerk</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Waarschuwing&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Connect your camera</source>
        <translation>Camera verbinden</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Netwerkinstellingen opslaan</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Netwerk opnieuw starten</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Internetverbinding controleren</translation>
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
        <translation>IP-adres</translation>
    </message>
    <message>
        <source>Submask</source>
        <translation>subnetmasker</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>gateway</translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation>primaire DNS</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>secundaire DNS</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-adres:</translation>
    </message>
    <message>
        <source>Submask:</source>
        <translation>Subnetmasker:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>Primaire DNS:</translation>
    </message>
    <message>
        <source>Secondary DNS:</source>
        <translation>Secundaire DNS:</translation>
    </message>
    <message>
        <source>How would you connect your camera to the Internet?</source>
        <translation>Hoe wilt u de camera met internet verbinden?</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)</source>
        <translation>Gebruiker en wachtwoord (PPPoE)</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Gebruiker:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Wachtw.:</translation>
    </message>
    <message>
        <source>Enter static IP address</source>
        <translation>Vast IP-adres invoeren</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)*</source>
        <translation>Dynamisch IP-adres (DHCP)*</translation>
    </message>
    <message>
        <source>Use in the intranet for local view only.</source>
        <translation>Alleen lokaal bekijken op het intranet.</translation>
    </message>
    <message>
        <source>The PPPoE is a network 
protocol mainly used with DSL 
services.</source>
        <translation>PPPoE is een netwerk-
protocol dat vooral bij DSL-
diensten wordt gebruikt.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Terug</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Volgende    </translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Bezig met laden, even geduld</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP address</source>
        <translation>Vast IP-adres</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)</source>
        <translation>Dynamisch IP-adres (DHCP)</translation>
    </message>
    <message>
        <source>(Current Internet connection(*): &lt;b&gt;</source>
        <translation>(Huidige internetverbinding (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>&lt;/b&gt;)</source>
        <translation>&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)*</source>
        <translation>Gebruiker en wachtwoord (PPPoE)*</translation>
    </message>
    <message>
        <source>Enter static IP address*</source>
        <translation>Vast IP-adres invoeren*</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Sluiten    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid username!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Waarschuwing&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Ongeldige gebruikersnaam!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid password.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Waarschuwing&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Ongeldig wachtwoord.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Waarschuwing&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Ongeldige invoer:<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </translation>
    </message>
    <message>
        <source>!</source>
        <translation>!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Connection is failed.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Waarschuwing&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;De verbinding is mislukt.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The camera have already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;OK&lt;/b&gt; just re-configure the camera!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Waarschuwing&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;De camera is al geregistreerd. Klik op &lt;b&gt;Resetten&lt;/b&gt; om het programma opnieuw te starten en de camera te resetten, of klik op &lt;b&gt;OK&lt;/b&gt; om alleen de camera opnieuw te configureren.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Resetten    </translation>
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
        <translation>Kiezen</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Netwerk</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Waarschuwing&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Omdat de camera geen internetverbinding heeft ( &lt;a href = Setup again&gt;&lt;font size=3 color=#638c0b&gt;Opnieuw instellen&lt;/font&gt;&lt;/a&gt; ), kunt u niet inloggen op de skyvue-website om op afstand te kijken.
</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Lokaal bekijken kan via het IP-adres hieronder.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Accountnaam:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Snelkoppeling en bladwijzer naar het IP-adres van de camera maken.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Aanmelden bij skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-adres:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Wachtwoord:</translation>
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
        <translation> Cameranaam:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Meer details over uw camera.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Voltooien    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>De snelkoppeling kon niet volledig worden gemaakt.</translation>
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
        <translation>Kiezen</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Netwerk</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Waarschuwing&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Brandt de Link-led op de camera groen?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Brandt de Power/Link-led op de camera groen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Herstarten    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Sluiten    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Houd de resetknop minstens 6 seconden ingedrukt terwijl de camera is aangesloten. Klik na het resetten van de camera op &lt;b&gt;Herstarten&lt;/b&gt; om verder te gaan.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Aanmelden bij skyvue</translation>
    </message>
    <message>
        <source>The camera has previously registered with a skyvue account, you can login on &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; or mobile application to enjoy remote view. If you want to re-configure your account and device, you may &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;hard reset&lt;/font&gt;&lt;/a&gt; the camera and create or register with a new account.</source>
        <translation>De camera is al geregistreerd met een skyvue-account. U kunt inloggen op &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; of in de mobiele app om op afstand te kijken. Wilt u uw account en apparaat opnieuw configureren, dan kunt u de camera &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;volledig resetten&lt;/font&gt;&lt;/a&gt; en een nieuw account aanmaken of registreren.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Waarom skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Eenvoudig instellen&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS setting, firewall roadblock, or all the trouble some configurations on cameras or viewing clients.</source>
        <translation>Geen gedoe meer met ingewikkelde instellingen voor dynamische DNS, blokkades door de firewall of lastige configuratie van camera&apos;s en weergaveprogramma&apos;s.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Eenvoudige toegang&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Overal op afstand kijken&lt;/b&gt;</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Terug</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Volgende    </translation>
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
        <translation>Kiezen</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Netwerk</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Waarschuwing&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Aanmelden bij skyvue</translation>
    </message>
    <message>
        <source>Do you have a skyvue account ?</source>
        <translation>Hebt u een skyvue-account?</translation>
    </message>
    <message>
        <source>&amp;Yes, I already have a skyvue account.</source>
        <translation>&amp;Ja, ik heb al een skyvue-account.</translation>
    </message>
    <message>
        <source>&amp;No, I need to sign up for a new account.</source>
        <translation>&amp;Nee, ik wil een nieuw account aanmaken.</translation>
    </message>
    <message>
        <source>I &amp;don&apos;t want to sign up right now.</source>
        <translation>Ik wil me nu niet &amp;registreren.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Waarom skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Eenvoudig instellen&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS settings,firewall roadblock,or all the troublesome configurations on cameras or viewing clients.</source>
        <translation>Geen gedoe meer met ingewikkelde instellingen voor dynamische DNS, blokkades door de firewall of lastige configuratie van camera&apos;s en weergaveprogramma&apos;s.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Eenvoudige toegang&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For using skyvue web service such as to manage all your cameras in one place.</source>
        <translation>Met de webdienst van skyvue beheert u al uw camera&apos;s op één plek.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Overal op afstand kijken&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For viewing your cameras from anywhere through a web browser or a mobile device.</source>
        <translation>Bekijk uw camera&apos;s overal via een webbrowser of een mobiel apparaat.</translation>
    </message>
    <message>
        <source>Please enter your skyvue account.</source>
        <translation>Voer uw skyvue-account in.</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Wachtw.:</translation>
    </message>
    <message>
        <source>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Forgot password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Wachtwoord vergeten?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm Password:</source>
        <translation>Bevestigen:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Voornaam:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Achternaam:</translation>
    </message>
    <message>
        <source>I would like to receive emails for latest services and products from skyvue.</source>
        <translation>Ik wil graag e-mails ontvangen over de nieuwste diensten en producten van skyvue.</translation>
    </message>
    <message>
        <source>I accept skyvue &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;terms and conditions&lt;/font&gt;&lt;/a&gt;.</source>
        <translation>Ik accepteer de &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;algemene voorwaarden&lt;/font&gt;&lt;/a&gt; van skyvue.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Terug</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Volgende    </translation>
    </message>
    <message>
        <source>&lt;b&gt;Loading, please wait....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Bezig met laden, even geduld....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Sluiten    </translation>
    </message>
    <message>
        <source>Please select your camera.</source>
        <translation>Selecteer uw camera.</translation>
    </message>
    <message>
        <source>Invalid email!</source>
        <translation>Ongeldig e-mailadres!</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>Ongeldig wachtwoord!</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match, please try again.</source>
        <translation>De wachtwoorden komen niet overeen. Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>You must accept the terms and conditions to continue.</source>
        <translation>U moet de algemene voorwaarden accepteren om verder te gaan.</translation>
    </message>
    <message>
        <source>Please select an option.</source>
        <translation>Kies een optie.</translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Bezig met laden, even geduld</translation>
    </message>
    <message>
        <source>Timeout, please retry.</source>
        <translation>Time-out, probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The camera gave no valid portal address.</source>
        <translation>De camera gaf geen geldig portaladres.</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>Onbekende fout!</translation>
    </message>
    <message>
        <source>Since you forgot your skyvue account&apos;s password. click &lt;b&gt;OK&lt;/b&gt; button will direct you to skyvue portal to retrieve the password. Please follow the instructions on the web page.</source>
        <translation>Bent u het wachtwoord van uw skyvue-account vergeten? Met de knop &lt;b&gt;OK&lt;/b&gt; gaat u naar het skyvue-portaal om uw wachtwoord te herstellen. Volg de instructies op de webpagina.</translation>
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
        <translation>Kiezen</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Netwerk</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Waarschuwing&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source> Now you can use the information below to login &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.    click &lt;b&gt;Done&lt;/b&gt; to visit skyvue website to see camera live view.</source>
        <translation> Met de onderstaande gegevens kunt u nu inloggen op de &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;-website.    Klik op &lt;b&gt;Voltooien&lt;/b&gt; om naar de skyvue-website te gaan en live naar de camera te kijken.</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Account:</translation>
    </message>
    <message>
        <source> You can also learn more about mobile applications for your iPhone &amp; Android phone on &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.&lt;br&gt;</source>
        <translation> Op de &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;-website vindt u ook meer over de apps voor iPhone en Android.&lt;br&gt;</translation>
    </message>
    <message>
        <source>  Add the shortcut of skyvue to my desktop and browser bookmark.</source>
        <translation>  Snelkoppeling op het bureaublad en bladwijzer naar skyvue maken.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Aanmelden bij skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-adres:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Wachtw.:</translation>
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
        <translation> Cameranaam:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Meer details over uw camera.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Voltooien    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>De snelkoppeling kon niet volledig worden gemaakt.</translation>
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
        <translation>Kiezen</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Netwerk</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Waarschuwing&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Als u deze camera niet bij skyvue registreert, mist u voordelen zoals op afstand kijken en de mobiele app van skyvue.</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Lokaal bekijken kan via het IP-adres hieronder.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Accountnaam:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Snelkoppeling en bladwijzer naar het IP-adres van de camera maken.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Aanmelden bij skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-adres:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Wachtwoord:</translation>
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
        <translation> Cameranaam:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Meer details over uw camera.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Voltooien    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>De snelkoppeling kon niet volledig worden gemaakt.</translation>
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
        <translation>Kiezen</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Netwerk</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Waarschuwing&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Brandt de Link-led op de camera groen?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Brandt de Power/Link-led op de camera groen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Herstarten    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Sluiten    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Houd de resetknop minstens 6 seconden ingedrukt terwijl de camera is aangesloten. Klik na het resetten van de camera op &lt;b&gt;Herstarten&lt;/b&gt; om verder te gaan.</translation>
    </message>
    <message>
        <source>Plug your camera</source>
        <translation>Camera aansluiten</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Sluit de ethernetkabel aan op de ethernetpoort aan de achterkant van de camera.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Sluit het andere uiteinde van de kabel aan op een vrije LAN-poort van uw router.</translation>
    </message>
    <message>
        <source>3.Connect the power adapter to the power jack on the back of the camera and plug the other end into the power outlet.</source>
        <translation>3. Sluit de netvoeding aan op de voedingsaansluiting aan de achterkant van de camera en steek de stekker in het stopcontact.</translation>
    </message>
    <message>
        <source>4.The LED on the camera will turn green when the device is ready.</source>
        <translation>4. De led op de camera brandt groen zodra het apparaat klaar is.</translation>
    </message>
    <message>
        <source>*Could use Wi-Fi Protected Setup (WPS) instead.</source>
        <translation>*U kunt ook Wi-Fi Protected Setup (WPS) gebruiken.</translation>
    </message>
    <message>
        <source>Please confirm the following tasks are done before clicking &lt;b&gt;Next&lt;/b&gt;.</source>
        <translation>Voer eerst de volgende stappen uit en klik dan op &lt;b&gt;Volgende&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. Aan de camerazijde</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. Aan de routerzijde</translation>
    </message>
    <message>
        <source>3. Plug power adapter</source>
        <translation>3. Netvoeding aansluiten</translation>
    </message>
    <message>
        <source>4. Check LED turns solid green</source>
        <translation>4. Led brandt continu groen</translation>
    </message>
    <message>
        <source>You can also use WPS button to&lt;br&gt;establish connection in this step&lt;br&gt;or follow the instruction in later step.</source>
        <translation>U kunt in deze stap ook de WPS-knop&lt;br&gt;gebruiken om verbinding te maken,&lt;br&gt;of later de instructies volgen.</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Volgende    </translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Wat als de Link-led niet brandt?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Wat als de led rood blijft?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Wat als de Link-led niet brandt?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Controleer het volgende:&lt;ul&gt;&lt;li&gt;Controleer of de kabels goed vastzitten.&lt;/li&gt;&lt;li&gt;Haal de stekker van de camera eruit en sluit hem weer aan om de camera opnieuw op te starten.&lt;/li&gt;&lt;li&gt;Brandt de Link-led nog steeds niet, dan kunt u de &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;camera resetten&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Controleer of uw modem of router goed werkt en of de leds voor de cameraverbinding branden.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Wat als de led rood blijft?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Controleer het volgende:&lt;ul&gt;&lt;li&gt;Controleer of de kabels goed vastzitten.&lt;/li&gt;&lt;li&gt;Haal de stekker van de camera eruit en sluit hem weer aan om de camera opnieuw op te starten.&lt;/li&gt;&lt;li&gt;Brandt de led van de camera nog steeds rood, dan kunt u de &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;camera resetten&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Controleer of uw modem of router goed werkt en of de leds voor de cameraverbinding branden.&lt;/li&gt;&lt;ul&gt;</translation>
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
        <translation>Kiezen</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Netwerk</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Waarschuwing&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Brandt de Link-led op de camera groen?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Brandt de Power/Link-led op de camera groen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Herstarten    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Sluiten    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Houd de resetknop minstens 6 seconden ingedrukt terwijl de camera is aangesloten. Klik na het resetten van de camera op &lt;b&gt;Herstarten&lt;/b&gt; om verder te gaan.</translation>
    </message>
    <message>
        <source>Select your camera</source>
        <translation>Camera selecteren</translation>
    </message>
    <message>
        <source>Select your camera from the list and click &lt;b&gt;Next&lt;/b&gt; when you complete.</source>
        <translation>Selecteer uw camera in de lijst en klik daarna op &lt;b&gt;Volgende&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>MAC ID</source>
        <translation>MAC-ID</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-adres</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbinding</translation>
    </message>
    <message>
        <source>MAC ID is a unique identifier
assigned to network interfaces
for communications on the
physical network.</source>
        <translation>De MAC-ID is een unieke code
die netwerkinterfaces krijgen
voor communicatie op het
fysieke netwerk.</translation>
    </message>
    <message>
        <source>Registered to skyvue</source>
        <translation>Geregistreerd bij skyvue</translation>
    </message>
    <message>
        <source>Not registered</source>
        <translation>Niet geregistreerd</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Draadloos</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;MAC ID&lt;/b&gt; on the back of your camera.</source>
        <translation>De &lt;b&gt;MAC-ID&lt;/b&gt; staat achter op de camera.</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Cannot find your camera from the list ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Camera niet in de lijst?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Enter a password to secure your camera</source>
        <translation>Beveilig uw camera met een wachtwoord</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Admin-account:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Wachtwoord:</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Forgot my camera password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Camerawachtwoord vergeten?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Bevestigen:</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      Terug</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Zoeken    </translation>
    </message>
    <message>
        <source>Next      </source>
        <translation>Volgende      </translation>
    </message>
    <message>
        <source>&lt;b&gt;Searching camera....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Camera zoeken....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Confirm your camera password</source>
        <translation>Camerawachtwoord bevestigen</translation>
    </message>
    <message>
        <source>Searching camera</source>
        <translation>Camera zoeken</translation>
    </message>
    <message>
        <source>Saving camera&apos;s password</source>
        <translation>Camerawachtwoord opslaan</translation>
    </message>
    <message>
        <source>Retrieving the camera&apos;s password</source>
        <translation>Camerawachtwoord ophalen</translation>
    </message>
    <message>
        <source>The camera you select has already been registered to skyvue. You have to enter the correct camera password and skyvue account later or &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt; to register another account.&lt;br&gt;</source>
        <translation>De gekozen camera is al geregistreerd bij skyvue. Voer straks het juiste camerawachtwoord en skyvue-account in, of &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset de camera&lt;/font&gt;&lt;/a&gt; om een ander account te registreren.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The passwords must be at least 6 characters long and must contain at least 2 letters, case-sensitive!</source>
        <translation>Het wachtwoord moet minstens 6 tekens lang zijn en minstens 2 letters bevatten. Let op hoofdletters en kleine letters!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The passwords don&apos;t match! Please try again!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Waarschuwing&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;De wachtwoorden komen niet overeen! Probeer het opnieuw!</translation>
    </message>
    <message>
        <source>Input wrong password, please check!</source>
        <translation>Onjuist wachtwoord, controleer uw invoer!</translation>
    </message>
    <message>
        <source>Two times input password are not the same!</source>
        <translation>De twee wachtwoorden zijn niet hetzelfde!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Cannot detect your wired connection?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Please close this lightbox and click &lt;b&gt;Back&lt;/b&gt; button to previous page. Follow the instruction to install the camera again.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Bekabelde verbinding niet gevonden?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Sluit dit venster en klik op &lt;b&gt;Terug&lt;/b&gt; om naar de vorige pagina te gaan. Volg de instructies om de camera opnieuw te installeren.</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>Vast IP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>The camera did not confirm the new password, so it may still have none. Check that the camera is on and connected, then try again.</source>
        <translation>De camera heeft het nieuwe wachtwoord niet bevestigd en heeft dus misschien nog geen wachtwoord. Controleer of de camera aan staat en verbonden is en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Retry    </source>
        <translation>Opnieuw    </translation>
    </message>
</context>
<context>
    <name>welcomePage</name>
    <message>
        <source>Please select:</source>
        <translation>Maak een keuze:</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Engels</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Frans</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spaans</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>Portugees (Portugal)</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>Portugees (Brazilië)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japans</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Traditioneel Chinees</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Vereenvoudigd Chinees</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreaans</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tsjechisch</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Deens</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Duits</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grieks</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Kroatisch</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Hongaars</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiaans</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Noors</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Pools</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Roemeens</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Sloveens</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Zweeds</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Fins</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Probleemoplossing</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Handleidingen, downloads</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Start    </source>
        <translation>Starten    </translation>
    </message>
    <message>
        <source>Select your lauguage:</source>
        <translation>Kies uw taal:</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Alle rechten voorbehouden.</translation>
    </message>
    <message>
        <source>Welcome </source>
        <translation>Welkom </translation>
    </message>
    <message>
        <source>Welcome to the IP camera Camguide. This wizard will help you easily setup the Internet camera, register skyvue web site for remote view and other interesting online services.</source>
        <translation>Welkom bij Camguide voor IP-camera&apos;s. Deze wizard helpt u de internetcamera eenvoudig in te stellen en u te registreren bij skyvue om op afstand te kijken en voor andere interessante onlinediensten.</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Sluiten    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Over </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Waarschuwing:&lt;/b&gt; Dit programma is beschermd door het auteursrecht en internationale verdragen. Onrechtmatige verveelvoudiging of verspreiding van dit programma of een deel ervan kan leiden tot zware civielrechtelijke en strafrechtelijke sancties.&lt;br&gt;</translation>
    </message>
</context>
</TS>
