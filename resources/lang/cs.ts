<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Another Camguide is already running.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozornění&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Program Camguide je již spuštěn.</translation>
    </message>
    <message>
        <source>MyCamera</source>
        <translation>MojeKamera</translation>
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
        <translation>Řešení potíží</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Příručky ke stažení</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Všechna práva vyhrazena.</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zavřít    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;O aplikaci </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Upozornění:&lt;/b&gt; Tento program je chráněn autorským zákonem a mezinárodními smlouvami. Neoprávněné kopírování nebo šíření tohoto programu nebo jakékoli jeho části může mít za následek přísné občanskoprávní i trestní sankce.&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>connectPage</name>
    <message>
        <source>plug</source>
        <translation>Zapojení</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Výběr</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Síť</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozornění&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Svítí kontrolka Link na kameře zeleně?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Svítí kontrolka Power/Link na kameře zeleně?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Restartovat    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zavřít    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Stiskněte a podržte tlačítko Reset alespoň 6 sekund, zatímco je kamera zapojená. Po resetování kamery pokračujte kliknutím na &lt;b&gt;Restartovat&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Connect to the network</source>
        <translation>Připojení k síti</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Zapojte ethernetový kabel do ethernetového portu na zadní straně kamery.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Druhý konec kabelu zapojte do volného portu LAN na routeru.</translation>
    </message>
    <message>
        <source>3.The LED on the camera will turn solid green when the device is ready.</source>
        <translation>3. Jakmile bude zařízení připraveno, kontrolka bude svítit zeleně.</translation>
    </message>
    <message>
        <source>1.Unplug the Ethernet cable from the camera.</source>
        <translation>1. Odpojte ethernetový kabel od kamery.</translation>
    </message>
    <message>
        <source>2.Press the WPS button on the back of your camera and the WPS LED will start to flash blue.</source>
        <translation>2. Stiskněte tlačítko WPS na zadní straně kamery. Kontrolka WPS začne modře blikat.</translation>
    </message>
    <message>
        <source>3.You now  one minute to press the WPS button on your router.</source>
        <translation>3. Nyní máte jednu minutu na stisknutí tlačítka WPS na routeru.</translation>
    </message>
    <message>
        <source>4.Once your camera has established a connection, the WPS LED will turn solid blue, the LED in front of the camera will turn to flash green.</source>
        <translation>4. Jakmile kamera naváže spojení, kontrolka WPS se trvale rozsvítí modře a kontrolka na přední straně kamery začne blikat zeleně.</translation>
    </message>
    <message>
        <source>Current connection(*):</source>
        <translation>Aktuální připojení (*):</translation>
    </message>
    <message>
        <source>How would you connect your camera to the router?</source>
        <translation>Jak chcete kameru připojit k routeru?</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Kabelové připojení&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Ethernet cable</source>
        <translation>Ethernetovým kabelem</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Bezdrátové připojení&lt;/b&gt;</translation>
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
        <translation>Výběrem bezdrátové sítě</translation>
    </message>
    <message>
        <source>Available wireless network</source>
        <translation>Dostupné bezdrátové sítě</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Hledat    </translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Heslo:</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. Na kameře</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. Na routeru</translation>
    </message>
    <message>
        <source>3. Check LED turns green</source>
        <translation>3. Kontrolka svítí zeleně</translation>
    </message>
    <message>
        <source>1. Unplug the Ethernet cable</source>
        <translation>1. Odpojte ethernetový kabel</translation>
    </message>
    <message>
        <source>2. On the camera side</source>
        <translation>2. Na kameře</translation>
    </message>
    <message>
        <source>3. On the router side</source>
        <translation>3. Na routeru</translation>
    </message>
    <message>
        <source>4. Check LED turns flash green</source>
        <translation>4. Kontrolka bliká zeleně</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Zpět</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Další    </translation>
    </message>
    <message>
        <source>Checking Internet connection</source>
        <translation>Kontrola připojení k internetu</translation>
    </message>
    <message>
        <source>(Current connection(*): &lt;b&gt;</source>
        <translation>(Aktuální připojení (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>Wireless connection&lt;/b&gt;)</source>
        <translation>Bezdrátové připojení&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Bezdrátové připojení*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Wired connection&lt;/b&gt;)</source>
        <translation>Kabelové připojení&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Kabelové připojení*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Co dělat, když kontrolka Link nesvítí?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Co dělat, když kontrolka svítí červeně?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*where is my WPS button?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Kde najdu tlačítko WPS?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Having problems connecting?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Potíže s připojením?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Co dělat, když kontrolka Link nesvítí?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Zkontrolujte prosím následující:&lt;ul&gt;&lt;li&gt;Zkontrolujte, zda jsou kabely pevně zapojené.&lt;/li&gt;&lt;li&gt;Odpojte kameru a znovu ji zapojte, aby se restartovala.&lt;/li&gt;&lt;li&gt;Pokud kontrolka Link stále nesvítí, můžete zkusit &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;kameru resetovat&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Zkontrolujte, zda modem nebo router funguje správně a zda svítí kontrolky připojení kamery.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Co dělat, když kontrolka svítí červeně?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Zkontrolujte prosím následující:&lt;ul&gt;&lt;li&gt;Zkontrolujte, zda jsou kabely pevně zapojené.&lt;/li&gt;&lt;li&gt;Odpojte kameru a znovu ji zapojte, aby se restartovala.&lt;/li&gt;&lt;li&gt;Pokud kontrolka kamery stále svítí červeně, můžete zkusit &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;kameru resetovat&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Zkontrolujte, zda modem nebo router funguje správně a zda svítí kontrolky připojení kamery.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check your router&apos;s user manual for more details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Co je WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup (WPS) umožňuje rychle, snadno a automaticky vytvořit zabezpečené bezdrátové připojení. &lt;br&gt;&lt;br&gt;Tlačítko WPS bývá malé tlačítko na boku routeru. U některých routerů je nutné se přihlásit do webového rozhraní a funkci WPS zapnout tlačítkem na obrazovce. Další podrobnosti najdete v uživatelské příručce routeru.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check the user manual for your router for details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Co je WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup (WPS) umožňuje rychle, snadno a automaticky vytvořit zabezpečené bezdrátové připojení. &lt;br&gt;&lt;br&gt;Tlačítko WPS bývá malé tlačítko na boku routeru. U některých routerů je nutné se přihlásit do webového rozhraní a funkci WPS zapnout tlačítkem na obrazovce. Podrobnosti najdete v příručce k routeru.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Having problems connecting your camera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;If you are having problems connecting your camera using WPS, check the following:&lt;ul&gt;&lt;li&gt;Your camera may be out of range.Try connecting your camera from the same room as your router.&lt;/li&gt;&lt;li&gt;Make sure your router has a WPS button.Check your router&apos;s user manual for details. &lt;/li&gt;&lt;/ul&gt;If you are still having trouble connecting your camera using WPS, you can select wireless network manually or simply use a wired connection.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Potíže s připojením kamery?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Pokud se vám nedaří připojit kameru pomocí WPS, zkontrolujte následující:&lt;ul&gt;&lt;li&gt;Kamera může být mimo dosah. Zkuste kameru připojit ve stejné místnosti, kde je router.&lt;/li&gt;&lt;li&gt;Ověřte, že router má tlačítko WPS. Podrobnosti najdete v uživatelské příručce routeru. &lt;/li&gt;&lt;/ul&gt;Pokud se kameru pomocí WPS stále nedaří připojit, můžete bezdrátovou síť vybrat ručně nebo jednoduše použít kabelové připojení.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Please plug in the cable. click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Zapojte prosím kabel. Až budete hotovi, klikněte na &lt;b&gt;OK&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Now you can unplug the Ethernet cable from the camera and click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Nyní můžete ethernetový kabel od kamery odpojit. Až budete hotovi, klikněte na &lt;b&gt;OK&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>OK	</source>
        <translation>OK	</translation>
    </message>
    <message>
        <source>The camera has already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;Close&lt;/b&gt; just re-configure the camera!</source>
        <translation>Kamera už je zaregistrovaná. Kliknutím na &lt;b&gt;Resetovat&lt;/b&gt; restartujete aplikaci a resetujete kameru, kliknutím na &lt;b&gt;Zavřít&lt;/b&gt; kameru jen znovu nastavíte.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Resetovat    </translation>
    </message>
    <message>
        <source>Yes    </source>
        <translation>Ano    </translation>
    </message>
    <message>
        <source>NO    </source>
        <translation>Ne    </translation>
    </message>
    <message>
        <source>The camera can not connect to skyvue server. click &lt;b&gt;Retry&lt;/b&gt; to check again, or click &lt;b&gt;Close&lt;/b&gt; without signing in skyvue.</source>
        <translation>Kamera se nemůže připojit k serveru skyvue. Kliknutím na &lt;b&gt;Opakovat&lt;/b&gt; připojení znovu ověříte, kliknutím na &lt;b&gt;Zavřít&lt;/b&gt; budete pokračovat bez přihlášení ke skyvue.</translation>
    </message>
    <message>
        <source>Retry	 </source>
        <translation>Opakovat	 </translation>
    </message>
    <message>
        <source>Close	 </source>
        <translation>Zavřít	 </translation>
    </message>
    <message>
        <source>Check your cable connection please.&lt;br&gt;</source>
        <translation>Zkontrolujte prosím připojení kabelu.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The wireless connection failed. Please connect the Ethernet cable and select the wireless network again.&lt;br&gt;</source>
        <translation>Bezdrátové připojení se nezdařilo. Zapojte ethernetový kabel a vyberte bezdrátovou síť znovu.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Ukládání nastavení sítě</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Restartování sítě</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Kontrola připojení k internetu</translation>
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
        <translation>&lt;b&gt;Další podrobnosti&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Camera IP address:</source>
        <translation>IP adresa kamery:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Maska podsítě:</translation>
    </message>
    <message>
        <source>Gateway IP address:</source>
        <translation>IP adresa brány:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>Primární DNS:</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>Sekundární DNS</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stav:</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Bezdrátové</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Kabelové</translation>
    </message>
    <message>
        <source>Wireless SSID:</source>
        <translation>SSID sítě Wi-Fi:</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>neuvedeno</translation>
    </message>
    <message>
        <source>Connection mode:</source>
        <translation>Režim připojení:</translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation>Ověřování:</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Šifrování:</translation>
    </message>
    <message>
        <source>Key/password:</source>
        <translation>Klíč/heslo:</translation>
    </message>
    <message>
        <source>&lt;b&gt; Internet connection&lt;/b&gt;</source>
        <translation>&lt;b&gt; Připojení k internetu&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Connection type&lt;/b&gt;</source>
        <translation>&lt;b&gt; Typ připojení&lt;/b&gt;</translation>
    </message>
    <message>
        <source>skyvue no.:</source>
        <translation>Číslo skyvue:</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Účet správce:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Heslo:</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>&lt;b&gt; skyvue info&lt;/b&gt;</source>
        <translation>&lt;b&gt; Informace o skyvue&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Camera web page&lt;/b&gt;</source>
        <translation>&lt;b&gt; Web kamery&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your Internet connection&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Změnit připojení k internetu&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your connection type&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Změnit typ připojení&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zavřít    </translation>
    </message>
</context>
<context>
    <name>failedPage</name>
    <message>
        <source>plug</source>
        <translation>Zapojení</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Výběr</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Síť</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozornění&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Connect your camera</source>
        <translation>Připojení kamery</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Ukládání nastavení sítě</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Restartování sítě</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Kontrola připojení k internetu</translation>
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
        <translation>IP adresa</translation>
    </message>
    <message>
        <source>Submask</source>
        <translation>Maska podsítě</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Brána</translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation>Primární DNS</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>Sekundární DNS</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP adresa:</translation>
    </message>
    <message>
        <source>Submask:</source>
        <translation>Maska podsítě:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Brána:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>Primární DNS:</translation>
    </message>
    <message>
        <source>Secondary DNS:</source>
        <translation>Sekundární DNS:</translation>
    </message>
    <message>
        <source>How would you connect your camera to the Internet?</source>
        <translation>Jak chcete kameru připojit k internetu?</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)</source>
        <translation>Zadat účet a heslo (PPPoE)</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Účet:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Heslo:</translation>
    </message>
    <message>
        <source>Enter static IP address</source>
        <translation>Zadat statickou IP adresu</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)*</source>
        <translation>Dynamická IP adresa (DHCP)*</translation>
    </message>
    <message>
        <source>Use in the intranet for local view only.</source>
        <translation>Jen místní sledování v intranetu.</translation>
    </message>
    <message>
        <source>The PPPoE is a network 
protocol mainly used with DSL 
services.</source>
        <translation>PPPoE je síťový 
protokol používaný 
hlavně u služeb DSL.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Zpět</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Další    </translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Načítání, čekejte prosím</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP address</source>
        <translation>Statická IP adresa</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)</source>
        <translation>Dynamická IP adresa (DHCP)</translation>
    </message>
    <message>
        <source>(Current Internet connection(*): &lt;b&gt;</source>
        <translation>(Aktuální připojení k internetu (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>&lt;/b&gt;)</source>
        <translation>&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)*</source>
        <translation>Zadat účet a heslo (PPPoE)*</translation>
    </message>
    <message>
        <source>Enter static IP address*</source>
        <translation>Zadat statickou IP adresu*</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zavřít    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid username!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozornění&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Neplatné uživatelské jméno!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid password.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozornění&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Neplatné heslo.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozornění&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Neplatná hodnota:<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </translation>
    </message>
    <message>
        <source>!</source>
        <translation>!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Connection is failed.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozornění&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Připojení se nezdařilo.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The camera have already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;OK&lt;/b&gt; just re-configure the camera!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozornění&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Kamera už je zaregistrovaná. Kliknutím na &lt;b&gt;Resetovat&lt;/b&gt; restartujete aplikaci a resetujete kameru, kliknutím na &lt;b&gt;OK&lt;/b&gt; kameru jen znovu nastavíte.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Resetovat    </translation>
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
        <translation>Zapojení</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Výběr</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Síť</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozornění&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Protože kamera nemá připojení k internetu ( &lt;a href = Setup again&gt;&lt;font size=3 color=#638c0b&gt;nastavit znovu&lt;/font&gt;&lt;/a&gt; ), nemůžete se přihlásit na web skyvue a sledovat kameru na dálku.
</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Místně můžete kameru dál sledovat přes IP adresu níže.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Název účtu:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Přidat zástupce IP adresy kamery na plochu a do záložek prohlížeče.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Připojení ke skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP adresa:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Heslo:</translation>
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
        <translation> Kamera:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Další podrobnosti o kameře.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Hotovo    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Zástupce se nepodařilo vytvořit úplně.</translation>
    </message>
</context>
<context>
    <name>joinPage1</name>
    <message>
        <source>plug</source>
        <translation>Zapojení</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Výběr</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Síť</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozornění&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Svítí kontrolka Link na kameře zeleně?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Svítí kontrolka Power/Link na kameře zeleně?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Restartovat    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zavřít    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Stiskněte a podržte tlačítko Reset alespoň 6 sekund, zatímco je kamera zapojená. Po resetování kamery pokračujte kliknutím na &lt;b&gt;Restartovat&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Připojení ke skyvue</translation>
    </message>
    <message>
        <source>The camera has previously registered with a skyvue account, you can login on &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; or mobile application to enjoy remote view. If you want to re-configure your account and device, you may &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;hard reset&lt;/font&gt;&lt;/a&gt; the camera and create or register with a new account.</source>
        <translation>Kamera už byla zaregistrována k účtu skyvue. Pro vzdálené sledování se můžete přihlásit na &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; nebo v mobilní aplikaci. Chcete-li účet a zařízení nastavit znovu, můžete kameru &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;obnovit do továrního nastavení&lt;/font&gt;&lt;/a&gt; a vytvořit nový účet nebo se zaregistrovat k jinému.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Proč skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Jednoduché nastavení&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS setting, firewall roadblock, or all the trouble some configurations on cameras or viewing clients.</source>
        <translation>Žádné starosti se složitým nastavením dynamického DNS, překážkami ve firewallu ani s pracnou konfigurací kamer či klientů pro sledování.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Snadný přístup&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Vzdálené sledování odkudkoli&lt;/b&gt;</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Zpět</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Další    </translation>
    </message>
</context>
<context>
    <name>joinPage2</name>
    <message>
        <source>plug</source>
        <translation>Zapojení</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Výběr</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Síť</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozornění&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Připojení ke skyvue</translation>
    </message>
    <message>
        <source>Do you have a skyvue account ?</source>
        <translation>Máte účet skyvue?</translation>
    </message>
    <message>
        <source>&amp;Yes, I already have a skyvue account.</source>
        <translation>&amp;Ano, účet skyvue už mám.</translation>
    </message>
    <message>
        <source>&amp;No, I need to sign up for a new account.</source>
        <translation>&amp;Ne, chci si zaregistrovat nový účet.</translation>
    </message>
    <message>
        <source>I &amp;don&apos;t want to sign up right now.</source>
        <translation>&amp;Teď se registrovat nechci.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Proč skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Jednoduché nastavení&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS settings,firewall roadblock,or all the troublesome configurations on cameras or viewing clients.</source>
        <translation>Žádné starosti se složitým nastavením dynamického DNS, překážkami ve firewallu ani s pracnou konfigurací kamer či klientů pro sledování.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Snadný přístup&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For using skyvue web service such as to manage all your cameras in one place.</source>
        <translation>Webová služba skyvue vám umožní například spravovat všechny kamery na jednom místě.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Vzdálené sledování odkudkoli&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For viewing your cameras from anywhere through a web browser or a mobile device.</source>
        <translation>Sledujte své kamery odkudkoli ve webovém prohlížeči nebo v mobilním zařízení.</translation>
    </message>
    <message>
        <source>Please enter your skyvue account.</source>
        <translation>Zadejte svůj účet skyvue.</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Heslo:</translation>
    </message>
    <message>
        <source>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Forgot password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Zapomenuté heslo?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm Password:</source>
        <translation>Potvrzení hesla:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Jméno:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Příjmení:</translation>
    </message>
    <message>
        <source>I would like to receive emails for latest services and products from skyvue.</source>
        <translation>Chci dostávat e-maily o nejnovějších službách a produktech skyvue.</translation>
    </message>
    <message>
        <source>I accept skyvue &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;terms and conditions&lt;/font&gt;&lt;/a&gt;.</source>
        <translation>Přijímám &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;podmínky použití&lt;/font&gt;&lt;/a&gt; služby skyvue.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Zpět</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Další    </translation>
    </message>
    <message>
        <source>&lt;b&gt;Loading, please wait....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Načítání, čekejte prosím....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zavřít    </translation>
    </message>
    <message>
        <source>Please select your camera.</source>
        <translation>Vyberte prosím kameru.</translation>
    </message>
    <message>
        <source>Invalid email!</source>
        <translation>Neplatný e-mail!</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>Neplatné heslo!</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match, please try again.</source>
        <translation>Hesla se neshodují, zkuste to prosím znovu.</translation>
    </message>
    <message>
        <source>You must accept the terms and conditions to continue.</source>
        <translation>Chcete-li pokračovat, musíte přijmout podmínky použití.</translation>
    </message>
    <message>
        <source>Please select an option.</source>
        <translation>Vyberte prosím jednu z možností.</translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Načítání, čekejte prosím</translation>
    </message>
    <message>
        <source>Timeout, please retry.</source>
        <translation>Vypršel časový limit, zkuste to prosím znovu.</translation>
    </message>
    <message>
        <source>The camera gave no valid portal address.</source>
        <translation>Kamera neposkytla platnou adresu portálu.</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>Neznámá chyba!</translation>
    </message>
    <message>
        <source>Since you forgot your skyvue account&apos;s password. click &lt;b&gt;OK&lt;/b&gt; button will direct you to skyvue portal to retrieve the password. Please follow the instructions on the web page.</source>
        <translation>Zapomněli jste heslo k účtu skyvue. Po kliknutí na &lt;b&gt;OK&lt;/b&gt; budete přesměrováni na portál skyvue, kde heslo obnovíte. Postupujte podle pokynů na webové stránce.</translation>
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
        <translation>Zapojení</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Výběr</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Síť</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozornění&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source> Now you can use the information below to login &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.    click &lt;b&gt;Done&lt;/b&gt; to visit skyvue website to see camera live view.</source>
        <translation> Nyní se můžete pomocí níže uvedených údajů přihlásit na web &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;.    Kliknutím na &lt;b&gt;Hotovo&lt;/b&gt; přejdete na web skyvue a uvidíte živý obraz z kamery.</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Účet:</translation>
    </message>
    <message>
        <source> You can also learn more about mobile applications for your iPhone &amp; Android phone on &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.&lt;br&gt;</source>
        <translation> Další informace o mobilních aplikacích pro iPhone a Android najdete na webu &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;.&lt;br&gt;</translation>
    </message>
    <message>
        <source>  Add the shortcut of skyvue to my desktop and browser bookmark.</source>
        <translation>  Přidat zástupce skyvue na plochu a do záložek prohlížeče.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Připojení ke skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP adresa:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Heslo:</translation>
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
        <translation> Kamera:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Další podrobnosti o kameře.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Hotovo    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Zástupce se nepodařilo vytvořit úplně.</translation>
    </message>
</context>
<context>
    <name>joinPage4</name>
    <message>
        <source>plug</source>
        <translation>Zapojení</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Výběr</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Síť</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozornění&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Pokud tuto kameru ve skyvue nezaregistrujete, nebudete moci využívat výhody, jako je vzdálené sledování nebo mobilní aplikace skyvue.</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Místně můžete kameru dál sledovat přes IP adresu níže.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Název účtu:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Přidat zástupce IP adresy kamery na plochu a do záložek prohlížeče.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Připojení ke skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP adresa:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Heslo:</translation>
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
        <translation> Kamera:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Další podrobnosti o kameře.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Hotovo    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Zástupce se nepodařilo vytvořit úplně.</translation>
    </message>
</context>
<context>
    <name>plugPage</name>
    <message>
        <source>plug</source>
        <translation>Zapojení</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Výběr</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Síť</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozornění&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Svítí kontrolka Link na kameře zeleně?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Svítí kontrolka Power/Link na kameře zeleně?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Restartovat    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zavřít    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Stiskněte a podržte tlačítko Reset alespoň 6 sekund, zatímco je kamera zapojená. Po resetování kamery pokračujte kliknutím na &lt;b&gt;Restartovat&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Plug your camera</source>
        <translation>Zapojení kamery</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Zapojte ethernetový kabel do ethernetového portu na zadní straně kamery.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Druhý konec kabelu zapojte do volného portu LAN na routeru.</translation>
    </message>
    <message>
        <source>3.Connect the power adapter to the power jack on the back of the camera and plug the other end into the power outlet.</source>
        <translation>3. Zapojte napájecí adaptér do napájecího konektoru na zadní straně kamery a druhý konec do elektrické zásuvky.</translation>
    </message>
    <message>
        <source>4.The LED on the camera will turn green when the device is ready.</source>
        <translation>4. Jakmile bude zařízení připraveno, kontrolka na kameře se rozsvítí zeleně.</translation>
    </message>
    <message>
        <source>*Could use Wi-Fi Protected Setup (WPS) instead.</source>
        <translation>*Můžete také použít Wi-Fi Protected Setup (WPS).</translation>
    </message>
    <message>
        <source>Please confirm the following tasks are done before clicking &lt;b&gt;Next&lt;/b&gt;.</source>
        <translation>Než kliknete na &lt;b&gt;Další&lt;/b&gt;, ověřte prosím, že jste provedli tyto kroky.</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. Na kameře</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. Na routeru</translation>
    </message>
    <message>
        <source>3. Plug power adapter</source>
        <translation>3. Zapojte napájecí adaptér</translation>
    </message>
    <message>
        <source>4. Check LED turns solid green</source>
        <translation>4. Kontrolka trvale svítí zeleně</translation>
    </message>
    <message>
        <source>You can also use WPS button to&lt;br&gt;establish connection in this step&lt;br&gt;or follow the instruction in later step.</source>
        <translation>V tomto kroku můžete spojení navázat&lt;br&gt;také tlačítkem WPS, nebo postupujte&lt;br&gt;podle pokynů v dalším kroku.</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Další    </translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Co dělat, když kontrolka Link nesvítí?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Co dělat, když kontrolka svítí červeně?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Co dělat, když kontrolka Link nesvítí?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Zkontrolujte prosím následující:&lt;ul&gt;&lt;li&gt;Zkontrolujte, zda jsou kabely pevně zapojené.&lt;/li&gt;&lt;li&gt;Odpojte kameru a znovu ji zapojte, aby se restartovala.&lt;/li&gt;&lt;li&gt;Pokud kontrolka Link stále nesvítí, můžete zkusit &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;kameru resetovat&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Zkontrolujte, zda modem nebo router funguje správně a zda svítí kontrolky připojení kamery.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Co dělat, když kontrolka svítí červeně?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Zkontrolujte prosím následující:&lt;ul&gt;&lt;li&gt;Zkontrolujte, zda jsou kabely pevně zapojené.&lt;/li&gt;&lt;li&gt;Odpojte kameru a znovu ji zapojte, aby se restartovala.&lt;/li&gt;&lt;li&gt;Pokud kontrolka kamery stále svítí červeně, můžete zkusit &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;kameru resetovat&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Zkontrolujte, zda modem nebo router funguje správně a zda svítí kontrolky připojení kamery.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
</context>
<context>
    <name>selectPage</name>
    <message>
        <source>plug</source>
        <translation>Zapojení</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Výběr</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Síť</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozornění&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Svítí kontrolka Link na kameře zeleně?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Svítí kontrolka Power/Link na kameře zeleně?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Restartovat    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zavřít    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Stiskněte a podržte tlačítko Reset alespoň 6 sekund, zatímco je kamera zapojená. Po resetování kamery pokračujte kliknutím na &lt;b&gt;Restartovat&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Select your camera</source>
        <translation>Výběr kamery</translation>
    </message>
    <message>
        <source>Select your camera from the list and click &lt;b&gt;Next&lt;/b&gt; when you complete.</source>
        <translation>Vyberte kameru ze seznamu a potom klikněte na &lt;b&gt;Další&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>MAC ID</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP adresa</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Připojení</translation>
    </message>
    <message>
        <source>MAC ID is a unique identifier
assigned to network interfaces
for communications on the
physical network.</source>
        <translation>MAC adresa je jedinečný
identifikátor přidělený
síťovým rozhraním pro
komunikaci ve fyzické síti.</translation>
    </message>
    <message>
        <source>Registered to skyvue</source>
        <translation>Registrováno ve skyvue</translation>
    </message>
    <message>
        <source>Not registered</source>
        <translation>Neregistrováno</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Kabelové</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Bezdrátové</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;MAC ID&lt;/b&gt; on the back of your camera.</source>
        <translation>&lt;b&gt;MAC adresu&lt;/b&gt; najdete na zadní straně kamery.</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Cannot find your camera from the list ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Kamera v seznamu chybí?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Enter a password to secure your camera</source>
        <translation>Zadejte heslo pro zabezpečení kamery</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Účet správce:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Heslo:</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Forgot my camera password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Zapomněli jste heslo kamery?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Potvrzení hesla:</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      Zpět</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Hledat    </translation>
    </message>
    <message>
        <source>Next      </source>
        <translation>Další      </translation>
    </message>
    <message>
        <source>&lt;b&gt;Searching camera....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Hledání kamery....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Confirm your camera password</source>
        <translation>Potvrďte heslo kamery</translation>
    </message>
    <message>
        <source>Searching camera</source>
        <translation>Hledání kamery</translation>
    </message>
    <message>
        <source>Saving camera&apos;s password</source>
        <translation>Ukládání hesla kamery</translation>
    </message>
    <message>
        <source>Retrieving the camera&apos;s password</source>
        <translation>Načítání hesla kamery</translation>
    </message>
    <message>
        <source>The camera you select has already been registered to skyvue. You have to enter the correct camera password and skyvue account later or &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt; to register another account.&lt;br&gt;</source>
        <translation>Vybraná kamera už je zaregistrovaná ve skyvue. Později musíte zadat správné heslo kamery a účet skyvue, nebo &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;kameru resetovat&lt;/font&gt;&lt;/a&gt; a zaregistrovat jiný účet.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The passwords must be at least 6 characters long and must contain at least 2 letters, case-sensitive!</source>
        <translation>Heslo musí mít alespoň 6 znaků a obsahovat alespoň 2 písmena; rozlišují se velká a malá písmena!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The passwords don&apos;t match! Please try again!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Upozornění&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Hesla se neshodují! Zkuste to prosím znovu!</translation>
    </message>
    <message>
        <source>Input wrong password, please check!</source>
        <translation>Zadali jste nesprávné heslo, zkontrolujte ho prosím!</translation>
    </message>
    <message>
        <source>Two times input password are not the same!</source>
        <translation>Zadaná hesla nejsou stejná!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Cannot detect your wired connection?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Please close this lightbox and click &lt;b&gt;Back&lt;/b&gt; button to previous page. Follow the instruction to install the camera again.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Nelze rozpoznat kabelové připojení?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Zavřete toto okno a tlačítkem &lt;b&gt;Zpět&lt;/b&gt; se vraťte na předchozí stránku. Podle pokynů kameru nainstalujte znovu.</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>Statická IP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>The camera did not confirm the new password, so it may still have none. Check that the camera is on and connected, then try again.</source>
        <translation>Kamera nepotvrdila nové heslo, takže možná stále žádné nemá. Zkontrolujte, zda je kamera zapnutá a připojená, a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Retry    </source>
        <translation>Opakovat    </translation>
    </message>
</context>
<context>
    <name>welcomePage</name>
    <message>
        <source>Please select:</source>
        <translation>Vyberte:</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Angličtina</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francouzština</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruština</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Španělština</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>Portugalština (PT)</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>Portugalština (BR)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonština</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Čínština (tradiční)</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Čínština (zjednod.)</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korejština</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Čeština</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dánština</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Němčina</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Řečtina</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Chorvatština</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Maďarština</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italština</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nizozemština</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norština</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polština</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumunština</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slovinština</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Švédština</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finština</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Řešení potíží</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Příručky ke stažení</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Start    </source>
        <translation>Začít    </translation>
    </message>
    <message>
        <source>Select your lauguage:</source>
        <translation>Vyberte jazyk:</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Všechna práva vyhrazena.</translation>
    </message>
    <message>
        <source>Welcome </source>
        <translation>Vítejte </translation>
    </message>
    <message>
        <source>Welcome to the IP camera Camguide. This wizard will help you easily setup the Internet camera, register skyvue web site for remote view and other interesting online services.</source>
        <translation>Vítá vás Camguide pro IP kamery. Tento průvodce vám pomůže snadno nastavit internetovou kameru, zaregistrovat se na webu skyvue pro vzdálené sledování a využívat další zajímavé online služby.</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zavřít    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;O aplikaci </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Upozornění:&lt;/b&gt; Tento program je chráněn autorským zákonem a mezinárodními smlouvami. Neoprávněné kopírování nebo šíření tohoto programu nebo jakékoli jeho části může mít za následek přísné občanskoprávní i trestní sankce.&lt;br&gt;</translation>
    </message>
</context>
</TS>
