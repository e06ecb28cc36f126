<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Another Camguide is already running.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Figyelmeztetés&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;A Camguide már fut.</translation>
    </message>
    <message>
        <source>MyCamera</source>
        <translation>SajatKamera</translation>
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
        <translation>Hibaelhárítás</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Kézikönyvek és letöltések</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilép</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Minden jog fenntartva.</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Bezárás    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Névjegy: </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Figyelmeztetés:&lt;/b&gt; Ezt a programot szerzői jogi törvények és nemzetközi egyezmények védik. A program vagy bármely részének jogosulatlan másolása vagy terjesztése súlyos polgári és büntetőjogi szankciókat vonhat maga után.&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>connectPage</name>
    <message>
        <source>plug</source>
        <translation>Bekötés</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Kijelölés</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Hálózat</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Figyelmeztetés&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Zölden világít a kamera Link LED-je?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Zölden világít a kamera Power/Link LED-je?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Igen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nem</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Újraindítás    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Bezárás    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Tartsa lenyomva a Reset gombot legalább 6 másodpercig, miközben a kamera csatlakoztatva van. A kamera visszaállítása után kattintson az &lt;b&gt;Újraindítás&lt;/b&gt; gombra a folytatáshoz.</translation>
    </message>
    <message>
        <source>Connect to the network</source>
        <translation>Hálózati kapcsolat</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Csatlakoztassa az Ethernet-kábelt a kamera hátoldalán lévő Ethernet-porthoz.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. A kábel másik végét csatlakoztassa a router egyik szabad LAN-portjához.</translation>
    </message>
    <message>
        <source>3.The LED on the camera will turn solid green when the device is ready.</source>
        <translation>3. Amikor az eszköz készen áll, a kamera LED-je folyamatosan zölden világít.</translation>
    </message>
    <message>
        <source>1.Unplug the Ethernet cable from the camera.</source>
        <translation>1. Húzza ki az Ethernet-kábelt a kamerából.</translation>
    </message>
    <message>
        <source>2.Press the WPS button on the back of your camera and the WPS LED will start to flash blue.</source>
        <translation>2. Nyomja meg a kamera hátoldalán lévő WPS gombot; a WPS LED kéken villogni kezd.</translation>
    </message>
    <message>
        <source>3.You now  one minute to press the WPS button on your router.</source>
        <translation>3. Ezután egy perce van megnyomni a router WPS gombját.</translation>
    </message>
    <message>
        <source>4.Once your camera has established a connection, the WPS LED will turn solid blue, the LED in front of the camera will turn to flash green.</source>
        <translation>4. Amikor a kamera létrehozta a kapcsolatot, a WPS LED folyamatosan kéken világít, a kamera elején lévő LED pedig zölden villogni kezd.</translation>
    </message>
    <message>
        <source>Current connection(*):</source>
        <translation>Jelenlegi kapcsolat (*):</translation>
    </message>
    <message>
        <source>How would you connect your camera to the router?</source>
        <translation>Hogyan szeretné csatlakoztatni a kamerát a routerhez?</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Vezetékes kapcsolat&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Ethernet cable</source>
        <translation>Ethernet-kábellel</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Vezeték nélküli kapcsolat&lt;/b&gt;</translation>
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
        <translation>Wi-Fi-hálózat kiválasztásával</translation>
    </message>
    <message>
        <source>Available wireless network</source>
        <translation>Elérhető Wi-Fi-hálózatok</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Keresés    </translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Jelszó:</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. A kameránál</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. A routernél</translation>
    </message>
    <message>
        <source>3. Check LED turns green</source>
        <translation>3. A LED zölden világít</translation>
    </message>
    <message>
        <source>1. Unplug the Ethernet cable</source>
        <translation>1. Húzza ki az Ethernet-kábelt</translation>
    </message>
    <message>
        <source>2. On the camera side</source>
        <translation>2. A kameránál</translation>
    </message>
    <message>
        <source>3. On the router side</source>
        <translation>3. A routernél</translation>
    </message>
    <message>
        <source>4. Check LED turns flash green</source>
        <translation>4. A LED zölden villog</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Vissza</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Tovább    </translation>
    </message>
    <message>
        <source>Checking Internet connection</source>
        <translation>Internetkapcsolat ellenőrzése</translation>
    </message>
    <message>
        <source>(Current connection(*): &lt;b&gt;</source>
        <translation>(Jelenlegi kapcsolat (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>Wireless connection&lt;/b&gt;)</source>
        <translation>Vezeték nélküli kapcsolat&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Vezeték nélküli kapcsolat*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Wired connection&lt;/b&gt;)</source>
        <translation>Vezetékes kapcsolat&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Vezetékes kapcsolat*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Mi a teendő, ha a Link LED nem világít?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Mi a teendő, ha a LED pirosan világít?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*where is my WPS button?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Hol van a WPS gomb?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Having problems connecting?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Csatlakozási problémák?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Mi a teendő, ha a Link LED nem világít?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Ellenőrizze a következőket:&lt;ul&gt;&lt;li&gt;Ellenőrizze, hogy a kábelek megfelelően csatlakoznak-e.&lt;/li&gt;&lt;li&gt;Húzza ki a kamerát, majd dugja vissza az újraindításhoz.&lt;/li&gt;&lt;li&gt;Ha a Link LED továbbra sem világít, megpróbálhatja &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;visszaállítani a kamerát&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Ellenőrizze, hogy a modem vagy a router megfelelően működik-e, és világítanak-e a kamera kapcsolatának LED-jei.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Mi a teendő, ha a LED pirosan világít?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Ellenőrizze a következőket:&lt;ul&gt;&lt;li&gt;Ellenőrizze, hogy a kábelek megfelelően csatlakoznak-e.&lt;/li&gt;&lt;li&gt;Húzza ki a kamerát, majd dugja vissza az újraindításhoz.&lt;/li&gt;&lt;li&gt;Ha a kamera LED-je továbbra is pirosan világít, megpróbálhatja &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;visszaállítani a kamerát&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Ellenőrizze, hogy a modem vagy a router megfelelően működik-e, és világítanak-e a kamera kapcsolatának LED-jei.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check your router&apos;s user manual for more details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Mi az a WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;A Wi-Fi Protected Setup (WPS) segítségével gyorsan, egyszerűen és automatikusan hozhat létre biztonságos vezeték nélküli kapcsolatot. &lt;br&gt;&lt;br&gt;A WPS gomb általában egy kis gomb a router oldalán. Egyes routereknél be kell jelentkezni a webes felületre, és egy képernyőn megjelenő gombbal kell bekapcsolni a WPS funkciót. További részletek a router használati útmutatójában találhatók.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check the user manual for your router for details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Mi az a WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;A Wi-Fi Protected Setup (WPS) segítségével gyorsan, egyszerűen és automatikusan hozhat létre biztonságos vezeték nélküli kapcsolatot. &lt;br&gt;&lt;br&gt;A WPS gomb általában egy kis gomb a router oldalán. Egyes routereknél be kell jelentkezni a webes felületre, és egy képernyőn megjelenő gombbal kell bekapcsolni a WPS funkciót. A részleteket lásd a router kézikönyvében.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Having problems connecting your camera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;If you are having problems connecting your camera using WPS, check the following:&lt;ul&gt;&lt;li&gt;Your camera may be out of range.Try connecting your camera from the same room as your router.&lt;/li&gt;&lt;li&gt;Make sure your router has a WPS button.Check your router&apos;s user manual for details. &lt;/li&gt;&lt;/ul&gt;If you are still having trouble connecting your camera using WPS, you can select wireless network manually or simply use a wired connection.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Problémái vannak a kamera csatlakoztatásával?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Ha a kamera WPS-sel történő csatlakoztatása nem sikerül, ellenőrizze a következőket:&lt;ul&gt;&lt;li&gt;Lehet, hogy a kamera hatótávolságon kívül van. Próbálja a kamerát a routerrel azonos helyiségben csatlakoztatni.&lt;/li&gt;&lt;li&gt;Győződjön meg arról, hogy a routeren van WPS gomb. A részleteket lásd a router használati útmutatójában. &lt;/li&gt;&lt;/ul&gt;Ha továbbra sem sikerül a kamerát WPS-sel csatlakoztatni, kiválaszthatja a vezeték nélküli hálózatot kézzel, vagy egyszerűen használhat vezetékes kapcsolatot.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Please plug in the cable. click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Csatlakoztassa a kábelt. Ha végzett, kattintson az &lt;b&gt;OK&lt;/b&gt; gombra.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Now you can unplug the Ethernet cable from the camera and click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Most kihúzhatja az Ethernet-kábelt a kamerából. Ha végzett, kattintson az &lt;b&gt;OK&lt;/b&gt; gombra.</translation>
    </message>
    <message>
        <source>OK	</source>
        <translation>OK	</translation>
    </message>
    <message>
        <source>The camera has already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;Close&lt;/b&gt; just re-configure the camera!</source>
        <translation>A kamera már regisztrálva van. A &lt;b&gt;Visszaállítás&lt;/b&gt; gombra kattintva újraindítja az alkalmazást és visszaállítja a kamerát, a &lt;b&gt;Bezárás&lt;/b&gt; gombbal csak újrakonfigurálja a kamerát.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Visszaállítás    </translation>
    </message>
    <message>
        <source>Yes    </source>
        <translation>Igen    </translation>
    </message>
    <message>
        <source>NO    </source>
        <translation>Nem    </translation>
    </message>
    <message>
        <source>The camera can not connect to skyvue server. click &lt;b&gt;Retry&lt;/b&gt; to check again, or click &lt;b&gt;Close&lt;/b&gt; without signing in skyvue.</source>
        <translation>A kamera nem tud csatlakozni a skyvue szerverhez. Kattintson az &lt;b&gt;Újra&lt;/b&gt; gombra az ismételt ellenőrzéshez, vagy a &lt;b&gt;Bezárás&lt;/b&gt; gombra, ha a skyvue-ba való bejelentkezés nélkül folytatja.</translation>
    </message>
    <message>
        <source>Retry	 </source>
        <translation>Újra	 </translation>
    </message>
    <message>
        <source>Close	 </source>
        <translation>Bezárás	 </translation>
    </message>
    <message>
        <source>Check your cable connection please.&lt;br&gt;</source>
        <translation>Ellenőrizze a kábelcsatlakozást.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The wireless connection failed. Please connect the Ethernet cable and select the wireless network again.&lt;br&gt;</source>
        <translation>A vezeték nélküli kapcsolat nem sikerült. Csatlakoztassa az Ethernet-kábelt, és válassza ki újra a vezeték nélküli hálózatot.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Hálózati beállítások mentése</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Hálózat újraindítása</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Internetkapcsolat ellenőrzése</translation>
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
        <translation>&lt;b&gt;További részletek&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Camera IP address:</source>
        <translation>Kamera IP-címe:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Alhálózati maszk:</translation>
    </message>
    <message>
        <source>Gateway IP address:</source>
        <translation>Átjáró IP-címe:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>Elsődleges DNS:</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>Másodlagos DNS</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Állapot:</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Vezeték nélküli</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Vezetékes</translation>
    </message>
    <message>
        <source>Wireless SSID:</source>
        <translation>Wi-Fi SSID:</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>nincs adat</translation>
    </message>
    <message>
        <source>Connection mode:</source>
        <translation>Kapcsolat módja:</translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation>Hitelesítés:</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Titkosítás:</translation>
    </message>
    <message>
        <source>Key/password:</source>
        <translation>Kulcs/jelszó:</translation>
    </message>
    <message>
        <source>&lt;b&gt; Internet connection&lt;/b&gt;</source>
        <translation>&lt;b&gt; Internetkapcsolat&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Connection type&lt;/b&gt;</source>
        <translation>&lt;b&gt; Kapcsolat típusa&lt;/b&gt;</translation>
    </message>
    <message>
        <source>skyvue no.:</source>
        <translation>skyvue szám:</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Admin fiók:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Jelszó:</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>&lt;b&gt; skyvue info&lt;/b&gt;</source>
        <translation>&lt;b&gt; skyvue adatok&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Camera web page&lt;/b&gt;</source>
        <translation>&lt;b&gt; Kamera weboldala&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your Internet connection&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Internetkapcsolat módosítása&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your connection type&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Kapcsolattípus módosítása&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Bezárás    </translation>
    </message>
</context>
<context>
    <name>failedPage</name>
    <message>
        <source>plug</source>
        <translation>Bekötés</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Kijelölés</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Hálózat</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Figyelmeztetés&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Connect your camera</source>
        <translation>Kamera csatlakoztatása</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Hálózati beállítások mentése</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Hálózat újraindítása</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Internetkapcsolat ellenőrzése</translation>
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
        <translation>IP-cím</translation>
    </message>
    <message>
        <source>Submask</source>
        <translation>Alhálózati maszk</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Átjáró</translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation>Elsődleges DNS</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>Másodlagos DNS</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-cím:</translation>
    </message>
    <message>
        <source>Submask:</source>
        <translation>Alhálózati maszk:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Átjáró:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>Elsődleges DNS:</translation>
    </message>
    <message>
        <source>Secondary DNS:</source>
        <translation>Másodlagos DNS:</translation>
    </message>
    <message>
        <source>How would you connect your camera to the Internet?</source>
        <translation>Hogyan szeretné csatlakoztatni a kamerát az internethez?</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)</source>
        <translation>Fiók és jelszó megadása (PPPoE)</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Fiók:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Jelszó:</translation>
    </message>
    <message>
        <source>Enter static IP address</source>
        <translation>Statikus IP-cím megadása</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)*</source>
        <translation>Dinamikus IP-cím (DHCP)*</translation>
    </message>
    <message>
        <source>Use in the intranet for local view only.</source>
        <translation>Csak intraneten, helyi megtekintéshez.</translation>
    </message>
    <message>
        <source>The PPPoE is a network 
protocol mainly used with DSL 
services.</source>
        <translation>A PPPoE főként DSL-
szolgáltatásoknál használt 
hálózati protokoll.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Vissza</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Tovább    </translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Betöltés, kérem, várjon</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP address</source>
        <translation>Statikus IP-cím</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)</source>
        <translation>Dinamikus IP-cím (DHCP)</translation>
    </message>
    <message>
        <source>(Current Internet connection(*): &lt;b&gt;</source>
        <translation>(Jelenlegi internetkapcsolat (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>&lt;/b&gt;)</source>
        <translation>&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)*</source>
        <translation>Fiók és jelszó megadása (PPPoE)*</translation>
    </message>
    <message>
        <source>Enter static IP address*</source>
        <translation>Statikus IP-cím megadása*</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Bezárás    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid username!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Figyelmeztetés&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Érvénytelen felhasználónév!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid password.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Figyelmeztetés&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Érvénytelen jelszó.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Figyelmeztetés&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Érvénytelen érték:<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </translation>
    </message>
    <message>
        <source>!</source>
        <translation>!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Connection is failed.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Figyelmeztetés&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;A kapcsolódás nem sikerült.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The camera have already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;OK&lt;/b&gt; just re-configure the camera!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Figyelmeztetés&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;A kamera már regisztrálva van. A &lt;b&gt;Visszaállítás&lt;/b&gt; gombra kattintva újraindítja az alkalmazást és visszaállítja a kamerát, az &lt;b&gt;OK&lt;/b&gt; gombbal csak újrakonfigurálja a kamerát.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Visszaállítás    </translation>
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
        <translation>Bekötés</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Kijelölés</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Hálózat</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Figyelmeztetés&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Mivel a kamerának nincs internetkapcsolata ( &lt;a href = Setup again&gt;&lt;font size=3 color=#638c0b&gt;újbóli beállítás&lt;/font&gt;&lt;/a&gt; ), nem jelentkezhet be a skyvue webhelyre távoli megtekintéshez.
</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Helyi megtekintéshez használja az alábbi IP-címet.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Fióknév:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Parancsikon a kamera IP-címéhez az asztalra és a böngésző könyvjelzői közé.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>skyvue szolgáltatás</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-cím:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Jelszó:</translation>
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
        <translation> Kamera neve:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;További részletek a kameráról.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Kész    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>A parancsikont nem sikerült teljesen létrehozni.</translation>
    </message>
</context>
<context>
    <name>joinPage1</name>
    <message>
        <source>plug</source>
        <translation>Bekötés</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Kijelölés</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Hálózat</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Figyelmeztetés&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Zölden világít a kamera Link LED-je?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Zölden világít a kamera Power/Link LED-je?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Igen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nem</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Újraindítás    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Bezárás    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Tartsa lenyomva a Reset gombot legalább 6 másodpercig, miközben a kamera csatlakoztatva van. A kamera visszaállítása után kattintson az &lt;b&gt;Újraindítás&lt;/b&gt; gombra a folytatáshoz.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>skyvue szolgáltatás</translation>
    </message>
    <message>
        <source>The camera has previously registered with a skyvue account, you can login on &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; or mobile application to enjoy remote view. If you want to re-configure your account and device, you may &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;hard reset&lt;/font&gt;&lt;/a&gt; the camera and create or register with a new account.</source>
        <translation>A kamera már regisztrálva van egy skyvue fiókban. Távoli megtekintéshez bejelentkezhet a &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; oldalon vagy a mobilalkalmazásban. Ha újra szeretné konfigurálni a fiókot és az eszközt, &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;visszaállíthatja a kamera gyári beállításait&lt;/font&gt;&lt;/a&gt;, és létrehozhat új fiókot, vagy regisztrálhat egy másikkal.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Miért a skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Egyszerű beállítás&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS setting, firewall roadblock, or all the trouble some configurations on cameras or viewing clients.</source>
        <translation>Nem kell bajlódnia a bonyolult dinamikus DNS-beállításokkal, a tűzfal akadályaival vagy a kamerák és megjelenítő kliensek körülményes konfigurálásával.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Könnyű hozzáférés&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Távoli megtekintés bárhonnan&lt;/b&gt;</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Vissza</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Tovább    </translation>
    </message>
</context>
<context>
    <name>joinPage2</name>
    <message>
        <source>plug</source>
        <translation>Bekötés</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Kijelölés</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Hálózat</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Figyelmeztetés&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>skyvue szolgáltatás</translation>
    </message>
    <message>
        <source>Do you have a skyvue account ?</source>
        <translation>Van skyvue fiókja?</translation>
    </message>
    <message>
        <source>&amp;Yes, I already have a skyvue account.</source>
        <translation>&amp;Igen, már van skyvue fiókom.</translation>
    </message>
    <message>
        <source>&amp;No, I need to sign up for a new account.</source>
        <translation>&amp;Nem, új fiókot szeretnék regisztrálni.</translation>
    </message>
    <message>
        <source>I &amp;don&apos;t want to sign up right now.</source>
        <translation>Most nem &amp;szeretnék regisztrálni.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Miért a skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Egyszerű beállítás&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS settings,firewall roadblock,or all the troublesome configurations on cameras or viewing clients.</source>
        <translation>Nem kell bajlódnia a bonyolult dinamikus DNS-beállításokkal, a tűzfal akadályaival vagy a kamerák és megjelenítő kliensek körülményes konfigurálásával.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Könnyű hozzáférés&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For using skyvue web service such as to manage all your cameras in one place.</source>
        <translation>A skyvue webszolgáltatással például egy helyen kezelheti az összes kameráját.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Távoli megtekintés bárhonnan&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For viewing your cameras from anywhere through a web browser or a mobile device.</source>
        <translation>Kamerái bárhonnan megtekinthetők webböngészőben vagy mobileszközön.</translation>
    </message>
    <message>
        <source>Please enter your skyvue account.</source>
        <translation>Adja meg skyvue fiókja adatait.</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Jelszó:</translation>
    </message>
    <message>
        <source>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Forgot password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Elfelejtette a jelszavát?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm Password:</source>
        <translation>Jelszó újra:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Utónév:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Vezetéknév:</translation>
    </message>
    <message>
        <source>I would like to receive emails for latest services and products from skyvue.</source>
        <translation>Szeretnék e-mailt kapni a skyvue legújabb szolgáltatásairól és termékeiről.</translation>
    </message>
    <message>
        <source>I accept skyvue &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;terms and conditions&lt;/font&gt;&lt;/a&gt;.</source>
        <translation>Elfogadom a skyvue &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;felhasználási feltételeit&lt;/font&gt;&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Vissza</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Tovább    </translation>
    </message>
    <message>
        <source>&lt;b&gt;Loading, please wait....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Betöltés, kérem, várjon....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Bezárás    </translation>
    </message>
    <message>
        <source>Please select your camera.</source>
        <translation>Válassza ki a kamerát.</translation>
    </message>
    <message>
        <source>Invalid email!</source>
        <translation>Érvénytelen e-mail-cím!</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>Érvénytelen jelszó!</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match, please try again.</source>
        <translation>A jelszavak nem egyeznek, próbálja újra.</translation>
    </message>
    <message>
        <source>You must accept the terms and conditions to continue.</source>
        <translation>A folytatáshoz el kell fogadnia a felhasználási feltételeket.</translation>
    </message>
    <message>
        <source>Please select an option.</source>
        <translation>Válasszon egy lehetőséget.</translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Betöltés, kérem, várjon</translation>
    </message>
    <message>
        <source>Timeout, please retry.</source>
        <translation>Időtúllépés, próbálja újra.</translation>
    </message>
    <message>
        <source>The camera gave no valid portal address.</source>
        <translation>A kamera nem adott meg érvényes portálcímet.</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>Ismeretlen hiba!</translation>
    </message>
    <message>
        <source>Since you forgot your skyvue account&apos;s password. click &lt;b&gt;OK&lt;/b&gt; button will direct you to skyvue portal to retrieve the password. Please follow the instructions on the web page.</source>
        <translation>Elfelejtette skyvue fiókja jelszavát. Az &lt;b&gt;OK&lt;/b&gt; gombra kattintva a skyvue portálra jut, ahol visszaállíthatja a jelszót. Kövesse a weboldalon található utasításokat.</translation>
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
        <translation>Bekötés</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Kijelölés</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Hálózat</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Figyelmeztetés&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source> Now you can use the information below to login &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.    click &lt;b&gt;Done&lt;/b&gt; to visit skyvue website to see camera live view.</source>
        <translation> Most már bejelentkezhet az alábbi adatokkal a &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; webhelyre.    A &lt;b&gt;Kész&lt;/b&gt; gombra kattintva megnyílik a skyvue webhely, ahol élőben láthatja a kamera képét.</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Fiók:</translation>
    </message>
    <message>
        <source> You can also learn more about mobile applications for your iPhone &amp; Android phone on &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.&lt;br&gt;</source>
        <translation> Mobilalkalmazások iPhone-ra és Androidra: &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;.&lt;br&gt;</translation>
    </message>
    <message>
        <source>  Add the shortcut of skyvue to my desktop and browser bookmark.</source>
        <translation>  Parancsikon a skyvue-hoz az asztalra és a böngésző könyvjelzői közé.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>skyvue szolgáltatás</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-cím:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Jelszó:</translation>
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
        <translation> Kamera neve:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;További részletek a kameráról.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Kész    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>A parancsikont nem sikerült teljesen létrehozni.</translation>
    </message>
</context>
<context>
    <name>joinPage4</name>
    <message>
        <source>plug</source>
        <translation>Bekötés</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Kijelölés</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Hálózat</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Figyelmeztetés&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Ha nem regisztrálja ezt a kamerát a skyvue-ban, nem élvezheti az olyan előnyöket, mint a távoli megtekintés és a skyvue mobilalkalmazás.</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Helyi megtekintéshez használja az alábbi IP-címet.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Fióknév:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Parancsikon a kamera IP-címéhez az asztalra és a böngésző könyvjelzői közé.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>skyvue szolgáltatás</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-cím:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Jelszó:</translation>
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
        <translation> Kamera neve:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;További részletek a kameráról.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Kész    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>A parancsikont nem sikerült teljesen létrehozni.</translation>
    </message>
</context>
<context>
    <name>plugPage</name>
    <message>
        <source>plug</source>
        <translation>Bekötés</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Kijelölés</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Hálózat</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Figyelmeztetés&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Zölden világít a kamera Link LED-je?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Zölden világít a kamera Power/Link LED-je?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Igen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nem</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Újraindítás    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Bezárás    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Tartsa lenyomva a Reset gombot legalább 6 másodpercig, miközben a kamera csatlakoztatva van. A kamera visszaállítása után kattintson az &lt;b&gt;Újraindítás&lt;/b&gt; gombra a folytatáshoz.</translation>
    </message>
    <message>
        <source>Plug your camera</source>
        <translation>Kamera bekötése</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Csatlakoztassa az Ethernet-kábelt a kamera hátoldalán lévő Ethernet-porthoz.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. A kábel másik végét csatlakoztassa a router egyik szabad LAN-portjához.</translation>
    </message>
    <message>
        <source>3.Connect the power adapter to the power jack on the back of the camera and plug the other end into the power outlet.</source>
        <translation>3. Csatlakoztassa a hálózati adaptert a kamera hátoldalán lévő tápcsatlakozóhoz, a másik végét pedig dugja a konnektorba.</translation>
    </message>
    <message>
        <source>4.The LED on the camera will turn green when the device is ready.</source>
        <translation>4. Amikor az eszköz készen áll, a kamera LED-je zölden világít.</translation>
    </message>
    <message>
        <source>*Could use Wi-Fi Protected Setup (WPS) instead.</source>
        <translation>*WPS-t is használhat.</translation>
    </message>
    <message>
        <source>Please confirm the following tasks are done before clicking &lt;b&gt;Next&lt;/b&gt;.</source>
        <translation>Mielőtt a &lt;b&gt;Tovább&lt;/b&gt; gombra kattint, végezze el az alábbi lépéseket.</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. A kameránál</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. A routernél</translation>
    </message>
    <message>
        <source>3. Plug power adapter</source>
        <translation>3. Adapter bedugása</translation>
    </message>
    <message>
        <source>4. Check LED turns solid green</source>
        <translation>4. A LED zölden világít</translation>
    </message>
    <message>
        <source>You can also use WPS button to&lt;br&gt;establish connection in this step&lt;br&gt;or follow the instruction in later step.</source>
        <translation>Ebben a lépésben a WPS gombbal is&lt;br&gt;létrehozhatja a kapcsolatot, vagy&lt;br&gt;kövesse egy későbbi lépés utasításait.</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Tovább    </translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Mi a teendő, ha a Link LED nem világít?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Mi a teendő, ha a LED pirosan világít?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Mi a teendő, ha a Link LED nem világít?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Ellenőrizze a következőket:&lt;ul&gt;&lt;li&gt;Ellenőrizze, hogy a kábelek megfelelően csatlakoznak-e.&lt;/li&gt;&lt;li&gt;Húzza ki a kamerát, majd dugja vissza az újraindításhoz.&lt;/li&gt;&lt;li&gt;Ha a Link LED továbbra sem világít, megpróbálhatja &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;visszaállítani a kamerát&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Ellenőrizze, hogy a modem vagy a router megfelelően működik-e, és világítanak-e a kamera kapcsolatának LED-jei.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Mi a teendő, ha a LED pirosan világít?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Ellenőrizze a következőket:&lt;ul&gt;&lt;li&gt;Ellenőrizze, hogy a kábelek megfelelően csatlakoznak-e.&lt;/li&gt;&lt;li&gt;Húzza ki a kamerát, majd dugja vissza az újraindításhoz.&lt;/li&gt;&lt;li&gt;Ha a kamera LED-je továbbra is pirosan világít, megpróbálhatja &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;visszaállítani a kamerát&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Ellenőrizze, hogy a modem vagy a router megfelelően működik-e, és világítanak-e a kamera kapcsolatának LED-jei.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
</context>
<context>
    <name>selectPage</name>
    <message>
        <source>plug</source>
        <translation>Bekötés</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Kijelölés</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Hálózat</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Figyelmeztetés&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Zölden világít a kamera Link LED-je?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Zölden világít a kamera Power/Link LED-je?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Igen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nem</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Újraindítás    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Bezárás    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Tartsa lenyomva a Reset gombot legalább 6 másodpercig, miközben a kamera csatlakoztatva van. A kamera visszaállítása után kattintson az &lt;b&gt;Újraindítás&lt;/b&gt; gombra a folytatáshoz.</translation>
    </message>
    <message>
        <source>Select your camera</source>
        <translation>Kamera kiválasztása</translation>
    </message>
    <message>
        <source>Select your camera from the list and click &lt;b&gt;Next&lt;/b&gt; when you complete.</source>
        <translation>Válassza ki a kamerát a listából, majd kattintson a &lt;b&gt;Tovább&lt;/b&gt; gombra.</translation>
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
        <translation>IP-cím</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Kapcsolat</translation>
    </message>
    <message>
        <source>MAC ID is a unique identifier
assigned to network interfaces
for communications on the
physical network.</source>
        <translation>A MAC-cím a hálózati
csatolókhoz rendelt egyedi
azonosító a fizikai hálózaton
való kommunikációhoz.</translation>
    </message>
    <message>
        <source>Registered to skyvue</source>
        <translation>skyvue-ban regisztrálva</translation>
    </message>
    <message>
        <source>Not registered</source>
        <translation>Nincs regisztrálva</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Vezetékes</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Vezeték nélküli</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;MAC ID&lt;/b&gt; on the back of your camera.</source>
        <translation>A &lt;b&gt;MAC-cím&lt;/b&gt; a kamera hátoldalán található.</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Cannot find your camera from the list ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Nem találja a kamerát a listában?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Enter a password to secure your camera</source>
        <translation>Adjon meg jelszót a kamera védelméhez</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Admin fiók:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Jelszó:</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Forgot my camera password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Elfelejtette a kamera jelszavát?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Jelszó újra:</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      Vissza</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Keresés    </translation>
    </message>
    <message>
        <source>Next      </source>
        <translation>Tovább      </translation>
    </message>
    <message>
        <source>&lt;b&gt;Searching camera....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Kamera keresése....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Confirm your camera password</source>
        <translation>Erősítse meg a kamera jelszavát</translation>
    </message>
    <message>
        <source>Searching camera</source>
        <translation>Kamera keresése</translation>
    </message>
    <message>
        <source>Saving camera&apos;s password</source>
        <translation>Kamera jelszavának mentése</translation>
    </message>
    <message>
        <source>Retrieving the camera&apos;s password</source>
        <translation>Kamera jelszavának lekérése</translation>
    </message>
    <message>
        <source>The camera you select has already been registered to skyvue. You have to enter the correct camera password and skyvue account later or &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt; to register another account.&lt;br&gt;</source>
        <translation>A kiválasztott kamera már regisztrálva van a skyvue-ban. Később meg kell adnia a kamera helyes jelszavát és a skyvue fiókot, vagy &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;vissza kell állítania a kamerát&lt;/font&gt;&lt;/a&gt; egy másik fiók regisztrálásához.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The passwords must be at least 6 characters long and must contain at least 2 letters, case-sensitive!</source>
        <translation>A jelszónak legalább 6 karakter hosszúnak kell lennie, és legalább 2 betűt kell tartalmaznia; a kis- és nagybetűk különböznek!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The passwords don&apos;t match! Please try again!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Figyelmeztetés&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;A jelszavak nem egyeznek! Próbálja újra!</translation>
    </message>
    <message>
        <source>Input wrong password, please check!</source>
        <translation>Hibás jelszót adott meg, ellenőrizze!</translation>
    </message>
    <message>
        <source>Two times input password are not the same!</source>
        <translation>A kétszer megadott jelszó nem egyezik!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Cannot detect your wired connection?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Please close this lightbox and click &lt;b&gt;Back&lt;/b&gt; button to previous page. Follow the instruction to install the camera again.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Nem érzékelhető a vezetékes kapcsolat?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Zárja be ezt az ablakot, és a &lt;b&gt;Vissza&lt;/b&gt; gombbal térjen vissza az előző oldalra. Kövesse az utasításokat a kamera újbóli telepítéséhez.</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>Statikus IP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>The camera did not confirm the new password, so it may still have none. Check that the camera is on and connected, then try again.</source>
        <translation>A kamera nem erősítette meg az új jelszót, így lehet, hogy még mindig nincs jelszava. Ellenőrizze, hogy a kamera be van-e kapcsolva és csatlakoztatva, majd próbálja újra.</translation>
    </message>
    <message>
        <source>Retry    </source>
        <translation>Újra    </translation>
    </message>
</context>
<context>
    <name>welcomePage</name>
    <message>
        <source>Please select:</source>
        <translation>Válasszon:</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Angol</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francia</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Orosz</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanyol</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>Portugál (Portugália)</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>Portugál (Brazília)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japán</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Hagyományos kínai</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Egyszerűsített kínai</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreai</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Cseh</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dán</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Német</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Görög</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Horvát</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Magyar</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Olasz</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Holland</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norvég</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Lengyel</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Román</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Szlovén</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Svéd</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finn</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Hibaelhárítás</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Kézikönyvek és letöltések</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilép</translation>
    </message>
    <message>
        <source>Start    </source>
        <translation>Indítás    </translation>
    </message>
    <message>
        <source>Select your lauguage:</source>
        <translation>Válasszon nyelvet:</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Minden jog fenntartva.</translation>
    </message>
    <message>
        <source>Welcome </source>
        <translation>Üdvözöljük </translation>
    </message>
    <message>
        <source>Welcome to the IP camera Camguide. This wizard will help you easily setup the Internet camera, register skyvue web site for remote view and other interesting online services.</source>
        <translation>Üdvözli az IP-kamerák Camguide varázslója. A varázsló segít egyszerűen beállítani az internetes kamerát, regisztrálni a skyvue webhelyen a távoli megtekintéshez, és más érdekes online szolgáltatásokat igénybe venni.</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Bezárás    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Névjegy: </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Figyelmeztetés:&lt;/b&gt; Ezt a programot szerzői jogi törvények és nemzetközi egyezmények védik. A program vagy bármely részének jogosulatlan másolása vagy terjesztése súlyos polgári és büntetőjogi szankciókat vonhat maga után.&lt;br&gt;</translation>
    </message>
</context>
</TS>
