<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Another Camguide is already running.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertisment&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;O altă instanță Camguide rulează deja.</translation>
    </message>
    <message>
        <source>MyCamera</source>
        <translation>CameraMea</translation>
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
        <translation>Depanare</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Manuale și descărcări</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Despre</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ieșire</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Toate drepturile rezervate.</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Închidere    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Despre </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Avertisment:&lt;/b&gt; acest program este protejat de legea drepturilor de autor și de tratatele internaționale. Reproducerea sau distribuirea neautorizată a acestui program sau a oricărei părți din acesta poate atrage sancțiuni civile și penale severe.&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>connectPage</name>
    <message>
        <source>plug</source>
        <translation>Cablu</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Alegere</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Rețea</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertisment&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>LED-ul Link al camerei luminează verde?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>LED-ul Power/Link al camerei luminează verde?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Repornire    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Închidere    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Țineți apăsat butonul Reset cel puțin 6 secunde, cu camera conectată. După resetarea camerei, faceți clic pe &lt;b&gt;Repornire&lt;/b&gt; pentru a continua.</translation>
    </message>
    <message>
        <source>Connect to the network</source>
        <translation>Conectarea la rețea</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Conectați cablul Ethernet la portul Ethernet din spatele camerei.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Conectați celălalt capăt al cablului la un port LAN liber al routerului.</translation>
    </message>
    <message>
        <source>3.The LED on the camera will turn solid green when the device is ready.</source>
        <translation>3. LED-ul camerei luminează verde continuu când dispozitivul este pregătit.</translation>
    </message>
    <message>
        <source>1.Unplug the Ethernet cable from the camera.</source>
        <translation>1. Deconectați cablul Ethernet de la cameră.</translation>
    </message>
    <message>
        <source>2.Press the WPS button on the back of your camera and the WPS LED will start to flash blue.</source>
        <translation>2. Apăsați butonul WPS din spatele camerei; LED-ul WPS va începe să clipească albastru.</translation>
    </message>
    <message>
        <source>3.You now  one minute to press the WPS button on your router.</source>
        <translation>3. Aveți acum un minut pentru a apăsa butonul WPS al routerului.</translation>
    </message>
    <message>
        <source>4.Once your camera has established a connection, the WPS LED will turn solid blue, the LED in front of the camera will turn to flash green.</source>
        <translation>4. După ce camera a stabilit conexiunea, LED-ul WPS devine albastru continuu, iar LED-ul din fața camerei începe să clipească verde.</translation>
    </message>
    <message>
        <source>Current connection(*):</source>
        <translation>Conexiunea actuală (*):</translation>
    </message>
    <message>
        <source>How would you connect your camera to the router?</source>
        <translation>Cum doriți să conectați camera la router?</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Conexiune prin cablu&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Ethernet cable</source>
        <translation>Prin cablu Ethernet</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Conexiune wireless&lt;/b&gt;</translation>
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
        <translation>Prin selectarea unei rețele wireless</translation>
    </message>
    <message>
        <source>Available wireless network</source>
        <translation>Rețele wireless disponibile</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Caută    </translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Parolă:</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. La cameră</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. La router</translation>
    </message>
    <message>
        <source>3. Check LED turns green</source>
        <translation>3. LED-ul luminează verde</translation>
    </message>
    <message>
        <source>1. Unplug the Ethernet cable</source>
        <translation>1. Deconectați cablul</translation>
    </message>
    <message>
        <source>2. On the camera side</source>
        <translation>2. La cameră</translation>
    </message>
    <message>
        <source>3. On the router side</source>
        <translation>3. La router</translation>
    </message>
    <message>
        <source>4. Check LED turns flash green</source>
        <translation>4. LED-ul clipește verde</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Înapoi</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Înainte    </translation>
    </message>
    <message>
        <source>Checking Internet connection</source>
        <translation>Se verifică conexiunea la Internet</translation>
    </message>
    <message>
        <source>(Current connection(*): &lt;b&gt;</source>
        <translation>(Conexiunea actuală (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>Wireless connection&lt;/b&gt;)</source>
        <translation>Conexiune wireless&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Conexiune wireless*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Wired connection&lt;/b&gt;)</source>
        <translation>Conexiune prin cablu&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Conexiune prin cablu*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Ce fac dacă LED-ul Link rămâne stins?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Ce fac dacă LED-ul rămâne roșu?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*where is my WPS button?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Unde este butonul WPS?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Having problems connecting?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Probleme la conectare?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Ce fac dacă LED-ul Link rămâne stins?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Verificați următoarele:&lt;ul&gt;&lt;li&gt;Verificați dacă cablurile sunt bine conectate.&lt;/li&gt;&lt;li&gt;Deconectați camera, apoi conectați-o din nou.&lt;/li&gt;&lt;li&gt;Dacă LED-ul Link rămâne în continuare stins, puteți &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reseta camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Verificați dacă modemul sau routerul funcționează și dacă LED-urile camerei sunt aprinse.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Ce fac dacă LED-ul rămâne roșu?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Verificați următoarele:&lt;ul&gt;&lt;li&gt;Verificați dacă cablurile sunt bine conectate.&lt;/li&gt;&lt;li&gt;Deconectați camera, apoi conectați-o din nou.&lt;/li&gt;&lt;li&gt;Dacă LED-ul camerei rămâne în continuare roșu, puteți &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reseta camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Verificați dacă modemul sau routerul funcționează și dacă LED-urile camerei sunt aprinse.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check your router&apos;s user manual for more details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Ce este WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;WPS (Wi-Fi Protected Setup) vă permite să configurați rapid, ușor și automat o conexiune wireless securizată. &lt;br&gt;&lt;br&gt;Butonul WPS se află de obicei pe lateralul routerului. La unele routere trebuie să vă autentificați în interfața web și să faceți clic pe un buton de pe ecran pentru a activa WPS. Pentru mai multe detalii, consultați manualul routerului.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check the user manual for your router for details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Ce este WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;WPS (Wi-Fi Protected Setup) vă permite să configurați rapid, ușor și automat o conexiune wireless securizată. &lt;br&gt;&lt;br&gt;Butonul WPS se află de obicei pe lateralul routerului. La unele routere trebuie să vă autentificați în interfața web și să faceți clic pe un buton de pe ecran pentru a activa WPS. Pentru detalii, consultați manualul routerului dvs.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Having problems connecting your camera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;If you are having problems connecting your camera using WPS, check the following:&lt;ul&gt;&lt;li&gt;Your camera may be out of range.Try connecting your camera from the same room as your router.&lt;/li&gt;&lt;li&gt;Make sure your router has a WPS button.Check your router&apos;s user manual for details. &lt;/li&gt;&lt;/ul&gt;If you are still having trouble connecting your camera using WPS, you can select wireless network manually or simply use a wired connection.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Probleme la conectarea camerei?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Dacă aveți probleme la conectarea camerei prin WPS, verificați următoarele:&lt;ul&gt;&lt;li&gt;Este posibil ca camera să fie în afara razei de acoperire. Încercați să conectați camera din aceeași încăpere cu routerul.&lt;/li&gt;&lt;li&gt;Asigurați-vă că routerul are un buton WPS. Pentru detalii, consultați manualul de utilizare al routerului. &lt;/li&gt;&lt;/ul&gt;Dacă tot aveți probleme la conectarea camerei prin WPS, puteți selecta manual rețeaua wireless sau puteți folosi pur și simplu o conexiune prin cablu.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Please plug in the cable. click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Conectați cablul. Faceți clic pe &lt;b&gt;OK&lt;/b&gt; când ați terminat.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Now you can unplug the Ethernet cable from the camera and click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Acum puteți deconecta cablul Ethernet de la cameră. Faceți clic pe &lt;b&gt;OK&lt;/b&gt; când ați terminat.</translation>
    </message>
    <message>
        <source>OK	</source>
        <translation>OK	</translation>
    </message>
    <message>
        <source>The camera has already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;Close&lt;/b&gt; just re-configure the camera!</source>
        <translation>Camera este deja înregistrată. Faceți clic pe &lt;b&gt;Resetare&lt;/b&gt; pentru a reporni aplicația și a reseta camera sau pe &lt;b&gt;Închidere&lt;/b&gt; pentru a reconfigura doar camera.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Resetare    </translation>
    </message>
    <message>
        <source>Yes    </source>
        <translation>Da    </translation>
    </message>
    <message>
        <source>NO    </source>
        <translation>Nu    </translation>
    </message>
    <message>
        <source>The camera can not connect to skyvue server. click &lt;b&gt;Retry&lt;/b&gt; to check again, or click &lt;b&gt;Close&lt;/b&gt; without signing in skyvue.</source>
        <translation>Camera nu se poate conecta la serverul skyvue. Faceți clic pe &lt;b&gt;Reîncercare&lt;/b&gt; pentru a verifica din nou sau pe &lt;b&gt;Închidere&lt;/b&gt; pentru a continua fără conectare la skyvue.</translation>
    </message>
    <message>
        <source>Retry	 </source>
        <translation>Reîncercare	 </translation>
    </message>
    <message>
        <source>Close	 </source>
        <translation>Închidere	 </translation>
    </message>
    <message>
        <source>Check your cable connection please.&lt;br&gt;</source>
        <translation>Verificați conexiunea prin cablu.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The wireless connection failed. Please connect the Ethernet cable and select the wireless network again.&lt;br&gt;</source>
        <translation>Conexiunea wireless a eșuat. Conectați cablul Ethernet și selectați din nou rețeaua wireless.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Se salvează setările de rețea</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Se repornește rețeaua</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Se verifică conexiunea la Internet</translation>
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
        <translation>&lt;b&gt;Mai multe detalii&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Camera IP address:</source>
        <translation>Adresa IP a camerei:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Mască de subrețea:</translation>
    </message>
    <message>
        <source>Gateway IP address:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>DNS primar:</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>DNS secundar:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stare:</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Wireless</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Prin cablu</translation>
    </message>
    <message>
        <source>Wireless SSID:</source>
        <translation>SSID wireless:</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>Indisponibil</translation>
    </message>
    <message>
        <source>Connection mode:</source>
        <translation>Mod de conexiune:</translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation>Autentificare:</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Criptare:</translation>
    </message>
    <message>
        <source>Key/password:</source>
        <translation>Cheie/parolă:</translation>
    </message>
    <message>
        <source>&lt;b&gt; Internet connection&lt;/b&gt;</source>
        <translation>&lt;b&gt; Conexiune la Internet&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Connection type&lt;/b&gt;</source>
        <translation>&lt;b&gt; Tip de conexiune&lt;/b&gt;</translation>
    </message>
    <message>
        <source>skyvue no.:</source>
        <translation>Nr. skyvue:</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Cont admin:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Parolă:</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>&lt;b&gt; skyvue info&lt;/b&gt;</source>
        <translation>&lt;b&gt; Date skyvue&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Camera web page&lt;/b&gt;</source>
        <translation>&lt;b&gt; Interfața web&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your Internet connection&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Modificați conexiunea la Internet&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your connection type&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Modificați tipul de conexiune&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Închidere    </translation>
    </message>
</context>
<context>
    <name>failedPage</name>
    <message>
        <source>plug</source>
        <translation>Cablu</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Alegere</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Rețea</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertisment&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Connect your camera</source>
        <translation>Conexiunea la Internet</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Se salvează setările de rețea</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Se repornește rețeaua</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Se verifică conexiunea la Internet</translation>
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
        <translation>Adresă IP</translation>
    </message>
    <message>
        <source>Submask</source>
        <translation>Mască subrețea</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation>DNS primar</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>DNS secundar:</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Adresă IP:</translation>
    </message>
    <message>
        <source>Submask:</source>
        <translation>Mască subrețea:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>DNS primar:</translation>
    </message>
    <message>
        <source>Secondary DNS:</source>
        <translation>DNS secundar:</translation>
    </message>
    <message>
        <source>How would you connect your camera to the Internet?</source>
        <translation>Cum doriți să conectați camera la Internet?</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)</source>
        <translation>Cont și parolă (PPPoE)</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cont:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Parolă:</translation>
    </message>
    <message>
        <source>Enter static IP address</source>
        <translation>Adresă IP statică</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)*</source>
        <translation>Adresă IP dinamică (DHCP)*</translation>
    </message>
    <message>
        <source>Use in the intranet for local view only.</source>
        <translation>Folosire doar în rețeaua locală.</translation>
    </message>
    <message>
        <source>The PPPoE is a network 
protocol mainly used with DSL 
services.</source>
        <translation>PPPoE este un protocol de rețea 
folosit mai ales pentru 
serviciile DSL.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Înapoi</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Înainte    </translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Se încarcă, așteptați</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP address</source>
        <translation>Adresă IP statică</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)</source>
        <translation>Adresă IP dinamică (DHCP)</translation>
    </message>
    <message>
        <source>(Current Internet connection(*): &lt;b&gt;</source>
        <translation>(Conexiunea la Internet actuală (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>&lt;/b&gt;)</source>
        <translation>&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)*</source>
        <translation>Cont și parolă (PPPoE)*</translation>
    </message>
    <message>
        <source>Enter static IP address*</source>
        <translation>Adresă IP statică*</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Închidere    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid username!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertisment&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Nume de utilizator nevalid!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid password.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertisment&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Parolă nevalidă.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertisment&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Valoare nevalidă:<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </translation>
    </message>
    <message>
        <source>!</source>
        <translation>!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Connection is failed.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertisment&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Conexiunea a eșuat.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The camera have already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;OK&lt;/b&gt; just re-configure the camera!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertisment&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Camera este deja înregistrată. Faceți clic pe &lt;b&gt;Resetare&lt;/b&gt; pentru a reporni aplicația și a reseta camera sau pe &lt;b&gt;OK&lt;/b&gt; pentru a reconfigura doar camera.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Resetare    </translation>
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
        <translation>Cablu</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Alegere</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Rețea</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertisment&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Camera nu are conexiune la Internet ( &lt;a href = Setup again&gt;&lt;font size=3 color=#638c0b&gt;configurați din nou&lt;/font&gt;&lt;/a&gt; ), deci nu o puteți vedea la distanță pe site-ul skyvue.
</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Puteți folosi adresa IP de mai jos pentru vizualizare locală.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Nume cont:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Adăugați o comandă rapidă către IP-ul camerei pe desktop și în marcaje.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Înscrierea în skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Adresă IP:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Parolă:</translation>
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
        <translation> Nume:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Mai multe detalii despre cameră.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Terminat    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Comanda rapidă nu a putut fi creată complet.</translation>
    </message>
</context>
<context>
    <name>joinPage1</name>
    <message>
        <source>plug</source>
        <translation>Cablu</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Alegere</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Rețea</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertisment&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>LED-ul Link al camerei luminează verde?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>LED-ul Power/Link al camerei luminează verde?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Repornire    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Închidere    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Țineți apăsat butonul Reset cel puțin 6 secunde, cu camera conectată. După resetarea camerei, faceți clic pe &lt;b&gt;Repornire&lt;/b&gt; pentru a continua.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Înscrierea în skyvue</translation>
    </message>
    <message>
        <source>The camera has previously registered with a skyvue account, you can login on &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; or mobile application to enjoy remote view. If you want to re-configure your account and device, you may &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;hard reset&lt;/font&gt;&lt;/a&gt; the camera and create or register with a new account.</source>
        <translation>Camera a fost înregistrată deja cu un cont skyvue; vă puteți conecta pe &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; sau în aplicația mobilă pentru vizualizare la distanță. Dacă doriți să reconfigurați contul și dispozitivul, puteți face o &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;resetare completă&lt;/font&gt;&lt;/a&gt; a camerei și să creați un cont nou sau să o înregistrați în alt cont.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;De ce skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Configurare simplă&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS setting, firewall roadblock, or all the trouble some configurations on cameras or viewing clients.</source>
        <translation>Fără setări complicate de DNS dinamic, blocaje ale firewallului sau configurări greoaie ale camerelor ori ale programelor de vizualizare.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Acces ușor&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Vizualizare de oriunde&lt;/b&gt;</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Înapoi</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Înainte    </translation>
    </message>
</context>
<context>
    <name>joinPage2</name>
    <message>
        <source>plug</source>
        <translation>Cablu</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Alegere</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Rețea</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertisment&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Înscrierea în skyvue</translation>
    </message>
    <message>
        <source>Do you have a skyvue account ?</source>
        <translation>Aveți un cont skyvue?</translation>
    </message>
    <message>
        <source>&amp;Yes, I already have a skyvue account.</source>
        <translation>&amp;Da, am deja un cont skyvue.</translation>
    </message>
    <message>
        <source>&amp;No, I need to sign up for a new account.</source>
        <translation>&amp;Nu, trebuie să creez un cont nou.</translation>
    </message>
    <message>
        <source>I &amp;don&apos;t want to sign up right now.</source>
        <translation>Nu vreau să mă înregistrez &amp;acum.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;De ce skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Configurare simplă&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS settings,firewall roadblock,or all the troublesome configurations on cameras or viewing clients.</source>
        <translation>Fără setări complicate de DNS dinamic, blocaje ale firewallului sau configurări greoaie ale camerelor ori ale programelor de vizualizare.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Acces ușor&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For using skyvue web service such as to manage all your cameras in one place.</source>
        <translation>Gestionați toate camerele într-un singur loc cu serviciul web skyvue.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Vizualizare de oriunde&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For viewing your cameras from anywhere through a web browser or a mobile device.</source>
        <translation>Vizualizați camerele de oriunde, într-un browser web sau pe un dispozitiv mobil.</translation>
    </message>
    <message>
        <source>Please enter your skyvue account.</source>
        <translation>Introduceți contul skyvue.</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Parolă:</translation>
    </message>
    <message>
        <source>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Forgot password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Ați uitat parola?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm Password:</source>
        <translation>Confirmare:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Prenume:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Nume:</translation>
    </message>
    <message>
        <source>I would like to receive emails for latest services and products from skyvue.</source>
        <translation>Doresc să primesc e-mailuri despre cele mai noi servicii și produse skyvue.</translation>
    </message>
    <message>
        <source>I accept skyvue &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;terms and conditions&lt;/font&gt;&lt;/a&gt;.</source>
        <translation>Accept &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;termenii și condițiile&lt;/font&gt;&lt;/a&gt; skyvue.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Înapoi</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Înainte    </translation>
    </message>
    <message>
        <source>&lt;b&gt;Loading, please wait....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Se încarcă, așteptați....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Închidere    </translation>
    </message>
    <message>
        <source>Please select your camera.</source>
        <translation>Selectați camera.</translation>
    </message>
    <message>
        <source>Invalid email!</source>
        <translation>E-mail nevalid!</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>Parolă nevalidă!</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match, please try again.</source>
        <translation>Parolele nu coincid, încercați din nou.</translation>
    </message>
    <message>
        <source>You must accept the terms and conditions to continue.</source>
        <translation>Pentru a continua, trebuie să acceptați termenii și condițiile.</translation>
    </message>
    <message>
        <source>Please select an option.</source>
        <translation>Selectați o opțiune.</translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Se încarcă, așteptați</translation>
    </message>
    <message>
        <source>Timeout, please retry.</source>
        <translation>Timpul a expirat, încercați din nou.</translation>
    </message>
    <message>
        <source>The camera gave no valid portal address.</source>
        <translation>Camera nu a furnizat o adresă de portal validă.</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>Eroare necunoscută!</translation>
    </message>
    <message>
        <source>Since you forgot your skyvue account&apos;s password. click &lt;b&gt;OK&lt;/b&gt; button will direct you to skyvue portal to retrieve the password. Please follow the instructions on the web page.</source>
        <translation>Ați uitat parola contului skyvue? Faceți clic pe &lt;b&gt;OK&lt;/b&gt; pentru a deschide portalul skyvue și a recupera parola. Urmați instrucțiunile de pe pagina web.</translation>
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
        <translation>Cablu</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Alegere</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Rețea</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertisment&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source> Now you can use the information below to login &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.    click &lt;b&gt;Done&lt;/b&gt; to visit skyvue website to see camera live view.</source>
        <translation> Conectați-vă pe site-ul &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; cu datele de mai jos. Faceți clic pe &lt;b&gt;Terminat&lt;/b&gt; pentru a deschide site-ul și a vedea imaginea live.</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cont:</translation>
    </message>
    <message>
        <source> You can also learn more about mobile applications for your iPhone &amp; Android phone on &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.&lt;br&gt;</source>
        <translation> Pe site-ul &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; puteți afla mai multe și despre aplicațiile mobile pentru iPhone și Android.&lt;br&gt;</translation>
    </message>
    <message>
        <source>  Add the shortcut of skyvue to my desktop and browser bookmark.</source>
        <translation>  Adăugați o comandă rapidă către skyvue pe desktop și în marcajele browserului.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Înscrierea în skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Adresă IP:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Parolă:</translation>
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
        <translation> Nume:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Mai multe detalii despre cameră.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Terminat    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Comanda rapidă nu a putut fi creată complet.</translation>
    </message>
</context>
<context>
    <name>joinPage4</name>
    <message>
        <source>plug</source>
        <translation>Cablu</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Alegere</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Rețea</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertisment&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Dacă alegeți să nu înregistrați această cameră în skyvue, nu veți putea beneficia de avantaje precum vizualizarea la distanță și aplicația mobilă skyvue.</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Puteți folosi adresa IP de mai jos pentru vizualizare locală.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Nume cont:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Adăugați o comandă rapidă către IP-ul camerei pe desktop și în marcaje.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Înscrierea în skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Adresă IP:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Parolă:</translation>
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
        <translation> Nume:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Mai multe detalii despre cameră.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Terminat    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Comanda rapidă nu a putut fi creată complet.</translation>
    </message>
</context>
<context>
    <name>plugPage</name>
    <message>
        <source>plug</source>
        <translation>Cablu</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Alegere</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Rețea</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertisment&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>LED-ul Link al camerei luminează verde?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>LED-ul Power/Link al camerei luminează verde?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Repornire    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Închidere    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Țineți apăsat butonul Reset cel puțin 6 secunde, cu camera conectată. După resetarea camerei, faceți clic pe &lt;b&gt;Repornire&lt;/b&gt; pentru a continua.</translation>
    </message>
    <message>
        <source>Plug your camera</source>
        <translation>Conectarea camerei</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Conectați cablul Ethernet la portul Ethernet din spatele camerei.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Conectați celălalt capăt al cablului la un port LAN liber al routerului.</translation>
    </message>
    <message>
        <source>3.Connect the power adapter to the power jack on the back of the camera and plug the other end into the power outlet.</source>
        <translation>3. Conectați adaptorul de alimentare la mufa de alimentare din spatele camerei, iar celălalt capăt la o priză.</translation>
    </message>
    <message>
        <source>4.The LED on the camera will turn green when the device is ready.</source>
        <translation>4. LED-ul camerei se aprinde verde când dispozitivul este pregătit.</translation>
    </message>
    <message>
        <source>*Could use Wi-Fi Protected Setup (WPS) instead.</source>
        <translation>*Puteți folosi și WPS.</translation>
    </message>
    <message>
        <source>Please confirm the following tasks are done before clicking &lt;b&gt;Next&lt;/b&gt;.</source>
        <translation>Verificați că ați efectuat pașii următori înainte de a face clic pe &lt;b&gt;Înainte&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. La cameră</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. La router</translation>
    </message>
    <message>
        <source>3. Plug power adapter</source>
        <translation>3. Conectați adaptorul</translation>
    </message>
    <message>
        <source>4. Check LED turns solid green</source>
        <translation>4. LED-ul verde continuu</translation>
    </message>
    <message>
        <source>You can also use WPS button to&lt;br&gt;establish connection in this step&lt;br&gt;or follow the instruction in later step.</source>
        <translation>Puteți folosi și butonul WPS&lt;br&gt;pentru a stabili conexiunea acum&lt;br&gt;sau puteți urma instrucțiunile ulterioare.</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Înainte    </translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Ce fac dacă LED-ul Link rămâne stins?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Ce fac dacă LED-ul rămâne roșu?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Ce fac dacă LED-ul Link rămâne stins?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Verificați următoarele:&lt;ul&gt;&lt;li&gt;Verificați dacă cablurile sunt bine conectate.&lt;/li&gt;&lt;li&gt;Deconectați camera, apoi conectați-o din nou.&lt;/li&gt;&lt;li&gt;Dacă LED-ul Link rămâne în continuare stins, puteți &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reseta camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Verificați dacă modemul sau routerul funcționează și dacă LED-urile camerei sunt aprinse.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Ce fac dacă LED-ul rămâne roșu?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Verificați următoarele:&lt;ul&gt;&lt;li&gt;Verificați dacă cablurile sunt bine conectate.&lt;/li&gt;&lt;li&gt;Deconectați camera, apoi conectați-o din nou.&lt;/li&gt;&lt;li&gt;Dacă LED-ul camerei rămâne în continuare roșu, puteți &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reseta camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Verificați dacă modemul sau routerul funcționează și dacă LED-urile camerei sunt aprinse.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
</context>
<context>
    <name>selectPage</name>
    <message>
        <source>plug</source>
        <translation>Cablu</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Alegere</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Rețea</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertisment&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>LED-ul Link al camerei luminează verde?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>LED-ul Power/Link al camerei luminează verde?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Repornire    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Închidere    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Țineți apăsat butonul Reset cel puțin 6 secunde, cu camera conectată. După resetarea camerei, faceți clic pe &lt;b&gt;Repornire&lt;/b&gt; pentru a continua.</translation>
    </message>
    <message>
        <source>Select your camera</source>
        <translation>Selectarea camerei</translation>
    </message>
    <message>
        <source>Select your camera from the list and click &lt;b&gt;Next&lt;/b&gt; when you complete.</source>
        <translation>Selectați camera din listă și faceți clic pe &lt;b&gt;Înainte&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cameră</translation>
    </message>
    <message>
        <source>MAC ID</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adresă IP</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexiune</translation>
    </message>
    <message>
        <source>MAC ID is a unique identifier
assigned to network interfaces
for communications on the
physical network.</source>
        <translation>Adresa MAC este un identificator
unic atribuit interfețelor de
rețea pentru comunicarea în
rețeaua fizică.</translation>
    </message>
    <message>
        <source>Registered to skyvue</source>
        <translation>Înregistrată în skyvue</translation>
    </message>
    <message>
        <source>Not registered</source>
        <translation>Neînregistrată</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Prin cablu</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Wireless</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;MAC ID&lt;/b&gt; on the back of your camera.</source>
        <translation>&lt;b&gt;Adresa MAC&lt;/b&gt; se află pe spatele camerei.</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Cannot find your camera from the list ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Nu găsiți camera în listă?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Enter a password to secure your camera</source>
        <translation>Protejați camera cu o parolă</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Cont admin:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Parolă:</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Forgot my camera password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Ați uitat parola camerei?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Confirmare:</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      Înapoi</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Căutare    </translation>
    </message>
    <message>
        <source>Next      </source>
        <translation>Înainte      </translation>
    </message>
    <message>
        <source>&lt;b&gt;Searching camera....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Se caută camera....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Confirm your camera password</source>
        <translation>Confirmați parola camerei</translation>
    </message>
    <message>
        <source>Searching camera</source>
        <translation>Se caută camera</translation>
    </message>
    <message>
        <source>Saving camera&apos;s password</source>
        <translation>Se salvează parola camerei</translation>
    </message>
    <message>
        <source>Retrieving the camera&apos;s password</source>
        <translation>Se citește parola camerei</translation>
    </message>
    <message>
        <source>The camera you select has already been registered to skyvue. You have to enter the correct camera password and skyvue account later or &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt; to register another account.&lt;br&gt;</source>
        <translation>Camera selectată este deja înregistrată în skyvue. Mai târziu va trebui să introduceți parola corectă a camerei și contul skyvue sau să &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;resetați camera&lt;/font&gt;&lt;/a&gt; pentru a o înregistra în alt cont.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The passwords must be at least 6 characters long and must contain at least 2 letters, case-sensitive!</source>
        <translation>Parola trebuie să aibă cel puțin 6 caractere, dintre care cel puțin 2 litere, și face diferența între majuscule și minuscule!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The passwords don&apos;t match! Please try again!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Avertisment&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Parolele nu coincid! Încercați din nou!</translation>
    </message>
    <message>
        <source>Input wrong password, please check!</source>
        <translation>Parolă greșită, verificați!</translation>
    </message>
    <message>
        <source>Two times input password are not the same!</source>
        <translation>Cele două parole introduse nu sunt identice!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Cannot detect your wired connection?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Please close this lightbox and click &lt;b&gt;Back&lt;/b&gt; button to previous page. Follow the instruction to install the camera again.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Conexiunea prin cablu nu este detectată?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Închideți această fereastră și faceți clic pe &lt;b&gt;Înapoi&lt;/b&gt; pentru a reveni la pagina anterioară. Urmați instrucțiunile pentru a instala din nou camera.</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>IP static</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>The camera did not confirm the new password, so it may still have none. Check that the camera is on and connected, then try again.</source>
        <translation>Camera nu a confirmat noua parolă, așa că este posibil să nu aibă încă niciuna. Verificați dacă camera este pornită și conectată, apoi încercați din nou.</translation>
    </message>
    <message>
        <source>Retry    </source>
        <translation>Reîncercare    </translation>
    </message>
</context>
<context>
    <name>welcomePage</name>
    <message>
        <source>Please select:</source>
        <translation>Selectați:</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Franceză</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rusă</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spaniolă</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>Portugheză (Portugalia)</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>Portugheză (Brazilia)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japoneză</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chineză tradițională</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chineză simplificată</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreeană</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Cehă</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Daneză</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Germană</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Greacă</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Croată</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Maghiară</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiană</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Neerlandeză</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norvegiană</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Poloneză</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Română</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slovenă</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Suedeză</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finlandeză</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Depanare</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Manuale și descărcări</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Despre</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ieșire</translation>
    </message>
    <message>
        <source>Start    </source>
        <translation>Pornire    </translation>
    </message>
    <message>
        <source>Select your lauguage:</source>
        <translation>Selectați limba:</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Toate drepturile rezervate.</translation>
    </message>
    <message>
        <source>Welcome </source>
        <translation>Bun venit </translation>
    </message>
    <message>
        <source>Welcome to the IP camera Camguide. This wizard will help you easily setup the Internet camera, register skyvue web site for remote view and other interesting online services.</source>
        <translation>Bun venit în Camguide pentru camera IP. Acest asistent vă ajută să instalați cu ușurință camera de Internet și să vă înregistrați pe site-ul skyvue pentru vizualizarea la distanță și alte servicii online interesante.</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Închidere    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Despre </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Avertisment:&lt;/b&gt; acest program este protejat de legea drepturilor de autor și de tratatele internaționale. Reproducerea sau distribuirea neautorizată a acestui program sau a oricărei părți din acesta poate atrage sancțiuni civile și penale severe.&lt;br&gt;</translation>
    </message>
</context>
</TS>
