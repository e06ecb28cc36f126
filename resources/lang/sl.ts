<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Another Camguide is already running.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Opozorilo&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Camguide se že izvaja.</translation>
    </message>
    <message>
        <source>MyCamera</source>
        <translation>MojaKamera</translation>
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
        <translation>Odpravljanje težav</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Priročniki in prenosi</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Vizitka</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Izhod</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Vse pravice pridržane.</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zapri    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;O programu </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Opozorilo:&lt;/b&gt; Ta program je zaščiten z zakonodajo o avtorskih pravicah in mednarodnimi pogodbami. Nepooblaščeno razmnoževanje ali razširjanje tega programa ali katerega koli njegovega dela ima lahko za posledico stroge civilne in kazenske sankcije.&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>connectPage</name>
    <message>
        <source>plug</source>
        <translation>Priklop</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Izbira</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Omrežje</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Opozorilo&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Ali lučka Link na kameri sveti zeleno?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Ali lučka Power/Link na kameri sveti zeleno?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Zaženi    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zapri    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Pritisnite in vsaj 6 sekund držite gumb Reset, medtem ko je kamera priključena. Ko kamero ponastavite, kliknite &lt;b&gt;Zaženi&lt;/b&gt; za nadaljevanje.</translation>
    </message>
    <message>
        <source>Connect to the network</source>
        <translation>Povezava z omrežjem</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Ethernetni kabel priključite v ethernetna vrata na hrbtni strani kamere.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Drugi konec kabla priključite v prosta vrata LAN na usmerjevalniku.</translation>
    </message>
    <message>
        <source>3.The LED on the camera will turn solid green when the device is ready.</source>
        <translation>3. Ko bo naprava pripravljena, bo lučka neprekinjeno svetila zeleno.</translation>
    </message>
    <message>
        <source>1.Unplug the Ethernet cable from the camera.</source>
        <translation>1. Ethernetni kabel izključite iz kamere.</translation>
    </message>
    <message>
        <source>2.Press the WPS button on the back of your camera and the WPS LED will start to flash blue.</source>
        <translation>2. Pritisnite gumb WPS na hrbtni strani kamere; lučka WPS bo začela utripati modro.</translation>
    </message>
    <message>
        <source>3.You now  one minute to press the WPS button on your router.</source>
        <translation>3. Zdaj imate eno minuto, da pritisnete gumb WPS na usmerjevalniku.</translation>
    </message>
    <message>
        <source>4.Once your camera has established a connection, the WPS LED will turn solid blue, the LED in front of the camera will turn to flash green.</source>
        <translation>4. Ko kamera vzpostavi povezavo, bo lučka WPS neprekinjeno svetila modro, lučka na sprednji strani kamere pa bo začela utripati zeleno.</translation>
    </message>
    <message>
        <source>Current connection(*):</source>
        <translation>Trenutna povezava (*):</translation>
    </message>
    <message>
        <source>How would you connect your camera to the router?</source>
        <translation>Kako želite povezati kamero z usmerjevalnikom?</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Žična povezava&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Ethernet cable</source>
        <translation>Z ethernetnim kablom</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Brezžična povezava&lt;/b&gt;</translation>
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
        <translation>Z izbiro brezžičnega omrežja</translation>
    </message>
    <message>
        <source>Available wireless network</source>
        <translation>Razpoložljiva brezžična omrežja</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Išči    </translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Geslo:</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. Na kameri</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. Na usmerjevalniku</translation>
    </message>
    <message>
        <source>3. Check LED turns green</source>
        <translation>3. Lučka sveti zeleno</translation>
    </message>
    <message>
        <source>1. Unplug the Ethernet cable</source>
        <translation>1. Izključite ethernetni kabel</translation>
    </message>
    <message>
        <source>2. On the camera side</source>
        <translation>2. Na kameri</translation>
    </message>
    <message>
        <source>3. On the router side</source>
        <translation>3. Na usmerjevalniku</translation>
    </message>
    <message>
        <source>4. Check LED turns flash green</source>
        <translation>4. Lučka utripa zeleno</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Nazaj</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Naprej    </translation>
    </message>
    <message>
        <source>Checking Internet connection</source>
        <translation>Preverjanje internetne povezave</translation>
    </message>
    <message>
        <source>(Current connection(*): &lt;b&gt;</source>
        <translation>(Trenutna povezava (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>Wireless connection&lt;/b&gt;)</source>
        <translation>Brezžična povezava&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Brezžična povezava*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Wired connection&lt;/b&gt;)</source>
        <translation>Žična povezava&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Žična povezava*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Kaj storiti, če lučka Link ne sveti?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Kaj storiti, če lučka sveti rdeče?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*where is my WPS button?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Kje je gumb WPS?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Having problems connecting?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Težave s povezovanjem?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Kaj storiti, če lučka Link ne sveti?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Preverite naslednje:&lt;ul&gt;&lt;li&gt;Preverite, ali so kabli trdno priključeni.&lt;/li&gt;&lt;li&gt;Izključite kamero in jo znova priključite, da se znova zažene.&lt;/li&gt;&lt;li&gt;Če lučka Link še vedno ne sveti, lahko poskusite &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;ponastaviti kamero&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Preverite, ali modem oziroma usmerjevalnik deluje pravilno in ali svetijo lučke za povezavo kamere.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Kaj storiti, če lučka sveti rdeče?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Preverite naslednje:&lt;ul&gt;&lt;li&gt;Preverite, ali so kabli trdno priključeni.&lt;/li&gt;&lt;li&gt;Izključite kamero in jo znova priključite, da se znova zažene.&lt;/li&gt;&lt;li&gt;Če lučka na kameri še vedno sveti rdeče, lahko poskusite &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;ponastaviti kamero&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Preverite, ali modem oziroma usmerjevalnik deluje pravilno in ali svetijo lučke za povezavo kamere.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check your router&apos;s user manual for more details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Kaj je WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup (WPS) omogoča hitro, preprosto in samodejno vzpostavitev varne brezžične povezave. &lt;br&gt;&lt;br&gt;Gumb WPS je običajno majhen gumb na stranici usmerjevalnika. Pri nekaterih usmerjevalnikih se morate prijaviti v spletni vmesnik in funkcijo WPS vklopiti z gumbom na zaslonu. Več podrobnosti najdete v uporabniškem priročniku usmerjevalnika.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check the user manual for your router for details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Kaj je WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup (WPS) omogoča hitro, preprosto in samodejno vzpostavitev varne brezžične povezave. &lt;br&gt;&lt;br&gt;Gumb WPS je običajno majhen gumb na stranici usmerjevalnika. Pri nekaterih usmerjevalnikih se morate prijaviti v spletni vmesnik in funkcijo WPS vklopiti z gumbom na zaslonu. Podrobnosti najdete v priročniku za usmerjevalnik.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Having problems connecting your camera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;If you are having problems connecting your camera using WPS, check the following:&lt;ul&gt;&lt;li&gt;Your camera may be out of range.Try connecting your camera from the same room as your router.&lt;/li&gt;&lt;li&gt;Make sure your router has a WPS button.Check your router&apos;s user manual for details. &lt;/li&gt;&lt;/ul&gt;If you are still having trouble connecting your camera using WPS, you can select wireless network manually or simply use a wired connection.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Težave s povezovanjem kamere?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Če imate težave s povezovanjem kamere prek WPS, preverite naslednje:&lt;ul&gt;&lt;li&gt;Kamera je morda zunaj dosega. Poskusite kamero povezati v istem prostoru, kot je usmerjevalnik.&lt;/li&gt;&lt;li&gt;Preverite, ali ima usmerjevalnik gumb WPS. Podrobnosti najdete v uporabniškem priročniku usmerjevalnika. &lt;/li&gt;&lt;/ul&gt;Če kamere prek WPS še vedno ne morete povezati, lahko brezžično omrežje izberete ročno ali preprosto uporabite žično povezavo.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Please plug in the cable. click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Priključite kabel. Ko končate, kliknite &lt;b&gt;V redu&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Now you can unplug the Ethernet cable from the camera and click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Zdaj lahko ethernetni kabel izključite iz kamere. Ko končate, kliknite &lt;b&gt;V redu&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>OK	</source>
        <translation>V redu	</translation>
    </message>
    <message>
        <source>The camera has already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;Close&lt;/b&gt; just re-configure the camera!</source>
        <translation>Kamera je že registrirana. Kliknite &lt;b&gt;Ponastavi&lt;/b&gt;, da znova zaženete aplikacijo in ponastavite kamero, ali &lt;b&gt;Zapri&lt;/b&gt;, da kamero samo znova nastavite.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Ponastavi    </translation>
    </message>
    <message>
        <source>Yes    </source>
        <translation>Da    </translation>
    </message>
    <message>
        <source>NO    </source>
        <translation>Ne    </translation>
    </message>
    <message>
        <source>The camera can not connect to skyvue server. click &lt;b&gt;Retry&lt;/b&gt; to check again, or click &lt;b&gt;Close&lt;/b&gt; without signing in skyvue.</source>
        <translation>Kamera se ne more povezati s strežnikom skyvue. Kliknite &lt;b&gt;Ponovi&lt;/b&gt;, da znova preverite, ali &lt;b&gt;Zapri&lt;/b&gt;, da nadaljujete brez prijave v skyvue.</translation>
    </message>
    <message>
        <source>Retry	 </source>
        <translation>Ponovi	 </translation>
    </message>
    <message>
        <source>Close	 </source>
        <translation>Zapri	 </translation>
    </message>
    <message>
        <source>Check your cable connection please.&lt;br&gt;</source>
        <translation>Preverite kabelsko povezavo.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The wireless connection failed. Please connect the Ethernet cable and select the wireless network again.&lt;br&gt;</source>
        <translation>Brezžična povezava ni uspela. Priključite ethernetni kabel in znova izberite brezžično omrežje.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Shranjevanje omrežnih nastavitev</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Vnovični zagon omrežja</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Preverjanje internetne povezave</translation>
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
        <translation>&lt;b&gt;Več podrobnosti&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Camera IP address:</source>
        <translation>Naslov IP kamere:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Maska omrežja:</translation>
    </message>
    <message>
        <source>Gateway IP address:</source>
        <translation>Naslov IP prehoda:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>Primarni DNS:</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>Sekundarni DNS</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stanje:</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Brezžično</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Žično</translation>
    </message>
    <message>
        <source>Wireless SSID:</source>
        <translation>SSID omrežja Wi-Fi:</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>ni podatka</translation>
    </message>
    <message>
        <source>Connection mode:</source>
        <translation>Način povezave:</translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation>Overjanje:</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Šifriranje:</translation>
    </message>
    <message>
        <source>Key/password:</source>
        <translation>Ključ/geslo:</translation>
    </message>
    <message>
        <source>&lt;b&gt; Internet connection&lt;/b&gt;</source>
        <translation>&lt;b&gt; Internetna povezava&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Connection type&lt;/b&gt;</source>
        <translation>&lt;b&gt; Vrsta povezave&lt;/b&gt;</translation>
    </message>
    <message>
        <source>skyvue no.:</source>
        <translation>Št. skyvue:</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Skrbniški račun:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Geslo:</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>&lt;b&gt; skyvue info&lt;/b&gt;</source>
        <translation>&lt;b&gt; Podatki skyvue&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Camera web page&lt;/b&gt;</source>
        <translation>&lt;b&gt; Stran kamere&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your Internet connection&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Spremenite internetno povezavo&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your connection type&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Spremenite vrsto povezave&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zapri    </translation>
    </message>
</context>
<context>
    <name>failedPage</name>
    <message>
        <source>plug</source>
        <translation>Priklop</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Izbira</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Omrežje</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Opozorilo&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Connect your camera</source>
        <translation>Povezava kamere</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Shranjevanje omrežnih nastavitev</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Vnovični zagon omrežja</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Preverjanje internetne povezave</translation>
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
        <translation>Naslov IP</translation>
    </message>
    <message>
        <source>Submask</source>
        <translation>Maska podomrežja</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Prehod</translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation>Primarni DNS</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>Sekundarni DNS</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Naslov IP:</translation>
    </message>
    <message>
        <source>Submask:</source>
        <translation>Maska omrežja:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Prehod:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>Primarni DNS:</translation>
    </message>
    <message>
        <source>Secondary DNS:</source>
        <translation>Sekundarni DNS:</translation>
    </message>
    <message>
        <source>How would you connect your camera to the Internet?</source>
        <translation>Kako želite povezati kamero z internetom?</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)</source>
        <translation>Vnos računa in gesla (PPPoE)</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Račun:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Geslo:</translation>
    </message>
    <message>
        <source>Enter static IP address</source>
        <translation>Vnos statičnega naslova IP</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)*</source>
        <translation>Dinamični naslov IP (DHCP)*</translation>
    </message>
    <message>
        <source>Use in the intranet for local view only.</source>
        <translation>Samo v intranetu za lokalni ogled.</translation>
    </message>
    <message>
        <source>The PPPoE is a network 
protocol mainly used with DSL 
services.</source>
        <translation>PPPoE je omrežni 
protokol, ki se uporablja 
predvsem pri storitvah DSL.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Nazaj</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Naprej    </translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Nalaganje, počakajte</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP address</source>
        <translation>Statični naslov IP</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)</source>
        <translation>Dinamični naslov IP (DHCP)</translation>
    </message>
    <message>
        <source>(Current Internet connection(*): &lt;b&gt;</source>
        <translation>(Trenutna internetna povezava (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>&lt;/b&gt;)</source>
        <translation>&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)*</source>
        <translation>Vnos računa in gesla (PPPoE)*</translation>
    </message>
    <message>
        <source>Enter static IP address*</source>
        <translation>Vnos statičnega naslova IP*</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zapri    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid username!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Opozorilo&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Neveljavno uporabniško ime!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid password.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Opozorilo&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Neveljavno geslo.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Opozorilo&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Neveljavna vrednost:<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </translation>
    </message>
    <message>
        <source>!</source>
        <translation>!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Connection is failed.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Opozorilo&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Povezava ni uspela.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The camera have already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;OK&lt;/b&gt; just re-configure the camera!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Opozorilo&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Kamera je že registrirana. Kliknite &lt;b&gt;Ponastavi&lt;/b&gt;, da znova zaženete aplikacijo in ponastavite kamero, ali &lt;b&gt;V redu&lt;/b&gt;, da kamero samo znova nastavite.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Ponastavi    </translation>
    </message>
    <message>
        <source>OK    </source>
        <translation>V redu    </translation>
    </message>
</context>
<context>
    <name>joinPage</name>
    <message>
        <source>plug</source>
        <translation>Priklop</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Izbira</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Omrežje</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Opozorilo&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Ker kamera nima internetne povezave ( &lt;a href = Setup again&gt;&lt;font size=3 color=#638c0b&gt;nastavi znova&lt;/font&gt;&lt;/a&gt; ), se ne morete prijaviti na spletno mesto skyvue za oddaljeni ogled.
</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Za lokalni ogled lahko še vedno uporabite naslov IP spodaj.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Ime računa:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Dodaj bližnjico do naslova IP kamere na namizje in med zaznamke brskalnika.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Storitev skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Naslov IP:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Geslo:</translation>
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
        <translation> Ime kamere:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Več podrobnosti o kameri.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Končaj    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Bližnjice ni bilo mogoče v celoti ustvariti.</translation>
    </message>
</context>
<context>
    <name>joinPage1</name>
    <message>
        <source>plug</source>
        <translation>Priklop</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Izbira</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Omrežje</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Opozorilo&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Ali lučka Link na kameri sveti zeleno?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Ali lučka Power/Link na kameri sveti zeleno?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Zaženi    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zapri    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Pritisnite in vsaj 6 sekund držite gumb Reset, medtem ko je kamera priključena. Ko kamero ponastavite, kliknite &lt;b&gt;Zaženi&lt;/b&gt; za nadaljevanje.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Storitev skyvue</translation>
    </message>
    <message>
        <source>The camera has previously registered with a skyvue account, you can login on &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; or mobile application to enjoy remote view. If you want to re-configure your account and device, you may &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;hard reset&lt;/font&gt;&lt;/a&gt; the camera and create or register with a new account.</source>
        <translation>Kamera je že registrirana z računom skyvue. Za oddaljeni ogled se lahko prijavite na &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; ali v mobilni aplikaciji. Če želite račun in napravo nastaviti znova, lahko kamero &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;ponastavite na tovarniške nastavitve&lt;/font&gt;&lt;/a&gt; ter ustvarite nov račun ali se registrirate z drugim.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Zakaj skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Preprosta nastavitev&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS setting, firewall roadblock, or all the trouble some configurations on cameras or viewing clients.</source>
        <translation>Brez skrbi glede zapletenih nastavitev dinamičnega DNS, ovir požarnega zidu ali zamudnega nastavljanja kamer in odjemalcev za ogled.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Enostaven dostop&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Oddaljeni ogled kjer koli&lt;/b&gt;</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Nazaj</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Naprej    </translation>
    </message>
</context>
<context>
    <name>joinPage2</name>
    <message>
        <source>plug</source>
        <translation>Priklop</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Izbira</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Omrežje</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Opozorilo&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Storitev skyvue</translation>
    </message>
    <message>
        <source>Do you have a skyvue account ?</source>
        <translation>Ali imate račun skyvue?</translation>
    </message>
    <message>
        <source>&amp;Yes, I already have a skyvue account.</source>
        <translation>&amp;Da, račun skyvue že imam.</translation>
    </message>
    <message>
        <source>&amp;No, I need to sign up for a new account.</source>
        <translation>&amp;Ne, želim ustvariti nov račun.</translation>
    </message>
    <message>
        <source>I &amp;don&apos;t want to sign up right now.</source>
        <translation>Zdaj se ne želim &amp;registrirati.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Zakaj skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Preprosta nastavitev&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS settings,firewall roadblock,or all the troublesome configurations on cameras or viewing clients.</source>
        <translation>Brez skrbi glede zapletenih nastavitev dinamičnega DNS, ovir požarnega zidu ali zamudnega nastavljanja kamer in odjemalcev za ogled.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Enostaven dostop&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For using skyvue web service such as to manage all your cameras in one place.</source>
        <translation>Upravljajte vse svoje kamere na enem mestu s spletno storitvijo skyvue.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Oddaljeni ogled kjer koli&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For viewing your cameras from anywhere through a web browser or a mobile device.</source>
        <translation>Oglejte si svoje kamere od koder koli prek spletnega brskalnika ali mobilne naprave.</translation>
    </message>
    <message>
        <source>Please enter your skyvue account.</source>
        <translation>Vnesite svoj račun skyvue.</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-pošta:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Geslo:</translation>
    </message>
    <message>
        <source>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Forgot password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Ste pozabili geslo?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm Password:</source>
        <translation>Potrdite geslo:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Ime:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Priimek:</translation>
    </message>
    <message>
        <source>I would like to receive emails for latest services and products from skyvue.</source>
        <translation>Želim prejemati e-pošto o najnovejših storitvah in izdelkih skyvue.</translation>
    </message>
    <message>
        <source>I accept skyvue &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;terms and conditions&lt;/font&gt;&lt;/a&gt;.</source>
        <translation>Sprejemam &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;pogoje uporabe&lt;/font&gt;&lt;/a&gt; storitve skyvue.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Nazaj</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Naprej    </translation>
    </message>
    <message>
        <source>&lt;b&gt;Loading, please wait....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Nalaganje, počakajte....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zapri    </translation>
    </message>
    <message>
        <source>Please select your camera.</source>
        <translation>Izberite kamero.</translation>
    </message>
    <message>
        <source>Invalid email!</source>
        <translation>Neveljaven e-poštni naslov!</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>Neveljavno geslo!</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match, please try again.</source>
        <translation>Gesli se ne ujemata, poskusite znova.</translation>
    </message>
    <message>
        <source>You must accept the terms and conditions to continue.</source>
        <translation>Za nadaljevanje morate sprejeti pogoje uporabe.</translation>
    </message>
    <message>
        <source>Please select an option.</source>
        <translation>Izberite eno od možnosti.</translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Nalaganje, počakajte</translation>
    </message>
    <message>
        <source>Timeout, please retry.</source>
        <translation>Časovna omejitev je potekla, poskusite znova.</translation>
    </message>
    <message>
        <source>The camera gave no valid portal address.</source>
        <translation>Kamera ni posredovala veljavnega naslova portala.</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>Neznana napaka!</translation>
    </message>
    <message>
        <source>Since you forgot your skyvue account&apos;s password. click &lt;b&gt;OK&lt;/b&gt; button will direct you to skyvue portal to retrieve the password. Please follow the instructions on the web page.</source>
        <translation>Pozabili ste geslo za račun skyvue. Ko kliknete &lt;b&gt;V redu&lt;/b&gt;, boste preusmerjeni na portal skyvue, kjer lahko obnovite geslo. Sledite navodilom na spletni strani.</translation>
    </message>
    <message>
        <source>OK    </source>
        <translation>V redu    </translation>
    </message>
</context>
<context>
    <name>joinPage3</name>
    <message>
        <source>plug</source>
        <translation>Priklop</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Izbira</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Omrežje</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Opozorilo&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source> Now you can use the information below to login &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.    click &lt;b&gt;Done&lt;/b&gt; to visit skyvue website to see camera live view.</source>
        <translation> Zdaj se lahko s spodnjimi podatki prijavite na spletno mesto &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;.    Kliknite &lt;b&gt;Končaj&lt;/b&gt;, da odprete spletno mesto skyvue in si ogledate sliko kamere v živo.</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Račun:</translation>
    </message>
    <message>
        <source> You can also learn more about mobile applications for your iPhone &amp; Android phone on &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.&lt;br&gt;</source>
        <translation> Več o mobilnih aplikacijah za iPhone in Android izveste na spletnem mestu &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;.&lt;br&gt;</translation>
    </message>
    <message>
        <source>  Add the shortcut of skyvue to my desktop and browser bookmark.</source>
        <translation>  Dodaj bližnjico do skyvue na namizje in med zaznamke brskalnika.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Storitev skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Naslov IP:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Geslo:</translation>
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
        <translation> Ime kamere:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Več podrobnosti o kameri.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Končaj    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Bližnjice ni bilo mogoče v celoti ustvariti.</translation>
    </message>
</context>
<context>
    <name>joinPage4</name>
    <message>
        <source>plug</source>
        <translation>Priklop</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Izbira</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Omrežje</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Opozorilo&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Če te kamere ne registrirate v skyvue, ne boste mogli uporabljati ugodnosti, kot sta oddaljeni ogled in mobilna aplikacija skyvue.</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Za lokalni ogled lahko še vedno uporabite naslov IP spodaj.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Ime računa:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Dodaj bližnjico do naslova IP kamere na namizje in med zaznamke brskalnika.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Storitev skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Naslov IP:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Geslo:</translation>
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
        <translation> Ime kamere:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Več podrobnosti o kameri.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Končaj    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Bližnjice ni bilo mogoče v celoti ustvariti.</translation>
    </message>
</context>
<context>
    <name>plugPage</name>
    <message>
        <source>plug</source>
        <translation>Priklop</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Izbira</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Omrežje</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Opozorilo&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Ali lučka Link na kameri sveti zeleno?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Ali lučka Power/Link na kameri sveti zeleno?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Zaženi    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zapri    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Pritisnite in vsaj 6 sekund držite gumb Reset, medtem ko je kamera priključena. Ko kamero ponastavite, kliknite &lt;b&gt;Zaženi&lt;/b&gt; za nadaljevanje.</translation>
    </message>
    <message>
        <source>Plug your camera</source>
        <translation>Priklop kamere</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Ethernetni kabel priključite v ethernetna vrata na hrbtni strani kamere.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Drugi konec kabla priključite v prosta vrata LAN na usmerjevalniku.</translation>
    </message>
    <message>
        <source>3.Connect the power adapter to the power jack on the back of the camera and plug the other end into the power outlet.</source>
        <translation>3. Napajalnik priključite v napajalni priključek na hrbtni strani kamere, drugi konec pa v električno vtičnico.</translation>
    </message>
    <message>
        <source>4.The LED on the camera will turn green when the device is ready.</source>
        <translation>4. Ko bo naprava pripravljena, bo lučka na kameri zasvetila zeleno.</translation>
    </message>
    <message>
        <source>*Could use Wi-Fi Protected Setup (WPS) instead.</source>
        <translation>*Uporabite lahko tudi WPS.</translation>
    </message>
    <message>
        <source>Please confirm the following tasks are done before clicking &lt;b&gt;Next&lt;/b&gt;.</source>
        <translation>Preden kliknete &lt;b&gt;Naprej&lt;/b&gt;, preverite, ali ste opravili naslednje korake.</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. Na kameri</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. Na usmerjevalniku</translation>
    </message>
    <message>
        <source>3. Plug power adapter</source>
        <translation>3. Priključite napajalnik</translation>
    </message>
    <message>
        <source>4. Check LED turns solid green</source>
        <translation>4. Lučka neprekinjeno sveti zeleno</translation>
    </message>
    <message>
        <source>You can also use WPS button to&lt;br&gt;establish connection in this step&lt;br&gt;or follow the instruction in later step.</source>
        <translation>Povezavo lahko v tem koraku vzpostavite&lt;br&gt;tudi z gumbom WPS ali pa sledite&lt;br&gt;navodilom v enem od naslednjih korakov.</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Naprej    </translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Kaj storiti, če lučka Link ne sveti?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Kaj storiti, če lučka sveti rdeče?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Kaj storiti, če lučka Link ne sveti?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Preverite naslednje:&lt;ul&gt;&lt;li&gt;Preverite, ali so kabli trdno priključeni.&lt;/li&gt;&lt;li&gt;Izključite kamero in jo znova priključite, da se znova zažene.&lt;/li&gt;&lt;li&gt;Če lučka Link še vedno ne sveti, lahko poskusite &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;ponastaviti kamero&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Preverite, ali modem oziroma usmerjevalnik deluje pravilno in ali svetijo lučke za povezavo kamere.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Kaj storiti, če lučka sveti rdeče?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Preverite naslednje:&lt;ul&gt;&lt;li&gt;Preverite, ali so kabli trdno priključeni.&lt;/li&gt;&lt;li&gt;Izključite kamero in jo znova priključite, da se znova zažene.&lt;/li&gt;&lt;li&gt;Če lučka na kameri še vedno sveti rdeče, lahko poskusite &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;ponastaviti kamero&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Preverite, ali modem oziroma usmerjevalnik deluje pravilno in ali svetijo lučke za povezavo kamere.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
</context>
<context>
    <name>selectPage</name>
    <message>
        <source>plug</source>
        <translation>Priklop</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Izbira</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Omrežje</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Opozorilo&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Ali lučka Link na kameri sveti zeleno?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Ali lučka Power/Link na kameri sveti zeleno?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Zaženi    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zapri    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Pritisnite in vsaj 6 sekund držite gumb Reset, medtem ko je kamera priključena. Ko kamero ponastavite, kliknite &lt;b&gt;Zaženi&lt;/b&gt; za nadaljevanje.</translation>
    </message>
    <message>
        <source>Select your camera</source>
        <translation>Izbira kamere</translation>
    </message>
    <message>
        <source>Select your camera from the list and click &lt;b&gt;Next&lt;/b&gt; when you complete.</source>
        <translation>Izberite kamero s seznama in kliknite &lt;b&gt;Naprej&lt;/b&gt;.</translation>
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
        <translation>Naslov IP</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Povezava</translation>
    </message>
    <message>
        <source>MAC ID is a unique identifier
assigned to network interfaces
for communications on the
physical network.</source>
        <translation>Naslov MAC je enolični
identifikator, dodeljen
omrežnim vmesnikom za
komunikacijo v fizičnem omrežju.</translation>
    </message>
    <message>
        <source>Registered to skyvue</source>
        <translation>Registrirana v skyvue</translation>
    </message>
    <message>
        <source>Not registered</source>
        <translation>Ni registrirana</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Žično</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Brezžično</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;MAC ID&lt;/b&gt; on the back of your camera.</source>
        <translation>&lt;b&gt;Naslov MAC&lt;/b&gt; najdete na hrbtni strani kamere.</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Cannot find your camera from the list ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Kamere ni na seznamu?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Enter a password to secure your camera</source>
        <translation>Vnesite geslo za zaščito kamere</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Skrbniški račun:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Geslo:</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Forgot my camera password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Ste pozabili geslo kamere?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Potrdite geslo:</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      Nazaj</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Išči    </translation>
    </message>
    <message>
        <source>Next      </source>
        <translation>Naprej      </translation>
    </message>
    <message>
        <source>&lt;b&gt;Searching camera....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Iskanje kamere....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Confirm your camera password</source>
        <translation>Potrdite geslo kamere</translation>
    </message>
    <message>
        <source>Searching camera</source>
        <translation>Iskanje kamere</translation>
    </message>
    <message>
        <source>Saving camera&apos;s password</source>
        <translation>Shranjevanje gesla kamere</translation>
    </message>
    <message>
        <source>Retrieving the camera&apos;s password</source>
        <translation>Pridobivanje gesla kamere</translation>
    </message>
    <message>
        <source>The camera you select has already been registered to skyvue. You have to enter the correct camera password and skyvue account later or &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt; to register another account.&lt;br&gt;</source>
        <translation>Izbrana kamera je že registrirana v skyvue. Pozneje morate vnesti pravilno geslo kamere in račun skyvue ali pa &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;ponastaviti kamero&lt;/font&gt;&lt;/a&gt;, da registrirate drug račun.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The passwords must be at least 6 characters long and must contain at least 2 letters, case-sensitive!</source>
        <translation>Geslo mora imeti vsaj 6 znakov in vsebovati vsaj 2 črki; razlikujejo se velike in male črke!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The passwords don&apos;t match! Please try again!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Opozorilo&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Gesli se ne ujemata! Poskusite znova!</translation>
    </message>
    <message>
        <source>Input wrong password, please check!</source>
        <translation>Vnesli ste napačno geslo, preverite ga!</translation>
    </message>
    <message>
        <source>Two times input password are not the same!</source>
        <translation>Vneseni gesli nista enaki!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Cannot detect your wired connection?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Please close this lightbox and click &lt;b&gt;Back&lt;/b&gt; button to previous page. Follow the instruction to install the camera again.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Žične povezave ni mogoče zaznati?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Zaprite to okno in kliknite &lt;b&gt;Nazaj&lt;/b&gt;, da se vrnete na prejšnjo stran. Po navodilih znova namestite kamero.</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>Statični IP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>The camera did not confirm the new password, so it may still have none. Check that the camera is on and connected, then try again.</source>
        <translation>Kamera ni potrdila novega gesla, zato morda še vedno nima nobenega. Preverite, ali je kamera vklopljena in povezana, nato poskusite znova.</translation>
    </message>
    <message>
        <source>Retry    </source>
        <translation>Ponovi    </translation>
    </message>
</context>
<context>
    <name>welcomePage</name>
    <message>
        <source>Please select:</source>
        <translation>Izberite:</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Angleščina</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francoščina</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruščina</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Španščina</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>Portugalščina (PT)</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>Portugalščina (BR)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonščina</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Kitajščina (trad.)</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Kitajščina (poen.)</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korejščina</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Češčina</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danščina</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Nemščina</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grščina</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Hrvaščina</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Madžarščina</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italijanščina</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nizozemščina</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norveščina</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Poljščina</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Romunščina</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slovenščina</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Švedščina</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finščina</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Odpravljanje težav</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Priročniki in prenosi</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Vizitka</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Izhod</translation>
    </message>
    <message>
        <source>Start    </source>
        <translation>Začni    </translation>
    </message>
    <message>
        <source>Select your lauguage:</source>
        <translation>Izberite jezik:</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Vse pravice pridržane.</translation>
    </message>
    <message>
        <source>Welcome </source>
        <translation>Dobrodošli </translation>
    </message>
    <message>
        <source>Welcome to the IP camera Camguide. This wizard will help you easily setup the Internet camera, register skyvue web site for remote view and other interesting online services.</source>
        <translation>Dobrodošli v programu Camguide za kamere IP. Ta čarovnik vam bo pomagal preprosto nastaviti internetno kamero, se registrirati na spletnem mestu skyvue za oddaljeni ogled in uporabljati druge zanimive spletne storitve.</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zapri    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;O programu </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Opozorilo:&lt;/b&gt; Ta program je zaščiten z zakonodajo o avtorskih pravicah in mednarodnimi pogodbami. Nepooblaščeno razmnoževanje ali razširjanje tega programa ali katerega koli njegovega dela ima lahko za posledico stroge civilne in kazenske sankcije.&lt;br&gt;</translation>
    </message>
</context>
</TS>
