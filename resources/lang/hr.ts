<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Another Camguide is already running.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozorenje&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Camguide je već pokrenut.</translation>
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
        <translation>Rješavanje problema</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Priručnici i preuzimanja</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Izlaz</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Sva prava pridržana.</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zatvori    </translation>
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
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Upozorenje:&lt;/b&gt; Ovaj je program zaštićen zakonom o autorskom pravu i međunarodnim ugovorima. Neovlašteno umnožavanje ili distribucija ovog programa ili bilo kojeg njegova dijela može dovesti do strogih građanskih i kaznenih sankcija.&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>connectPage</name>
    <message>
        <source>plug</source>
        <translation>Priključi</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Odaberi</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Poveži</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozorenje&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Svijetli li lampica Link na kameri zeleno?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Svijetli li lampica Power/Link na kameri zeleno?</translation>
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
        <translation>Pokreni    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zatvori    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Pritisnite i držite tipku Reset najmanje 6 sekundi dok je kamera priključena. Nakon resetiranja kamere kliknite &lt;b&gt;Pokreni&lt;/b&gt; za nastavak.</translation>
    </message>
    <message>
        <source>Connect to the network</source>
        <translation>Povezivanje s mrežom</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Priključite Ethernet kabel u Ethernet priključak na stražnjoj strani kamere.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Drugi kraj kabela priključite u slobodan LAN priključak na routeru.</translation>
    </message>
    <message>
        <source>3.The LED on the camera will turn solid green when the device is ready.</source>
        <translation>3. Kada uređaj bude spreman, lampica će trajno svijetliti zeleno.</translation>
    </message>
    <message>
        <source>1.Unplug the Ethernet cable from the camera.</source>
        <translation>1. Isključite Ethernet kabel iz kamere.</translation>
    </message>
    <message>
        <source>2.Press the WPS button on the back of your camera and the WPS LED will start to flash blue.</source>
        <translation>2. Pritisnite tipku WPS na stražnjoj strani kamere; lampica WPS počet će treperiti plavo.</translation>
    </message>
    <message>
        <source>3.You now  one minute to press the WPS button on your router.</source>
        <translation>3. Sada imate jednu minutu da pritisnete tipku WPS na routeru.</translation>
    </message>
    <message>
        <source>4.Once your camera has established a connection, the WPS LED will turn solid blue, the LED in front of the camera will turn to flash green.</source>
        <translation>4. Kada kamera uspostavi vezu, lampica WPS trajno će svijetliti plavo, a lampica na prednjoj strani kamere počet će treperiti zeleno.</translation>
    </message>
    <message>
        <source>Current connection(*):</source>
        <translation>Trenutačna veza (*):</translation>
    </message>
    <message>
        <source>How would you connect your camera to the router?</source>
        <translation>Kako želite povezati kameru s routerom?</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Žična veza&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Ethernet cable</source>
        <translation>Ethernet kabelom</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Bežična veza&lt;/b&gt;</translation>
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
        <translation>Odabirom bežične mreže</translation>
    </message>
    <message>
        <source>Available wireless network</source>
        <translation>Dostupne bežične mreže</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Traži    </translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Lozinka:</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. Na kameri</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. Na routeru</translation>
    </message>
    <message>
        <source>3. Check LED turns green</source>
        <translation>3. Lampica svijetli zeleno</translation>
    </message>
    <message>
        <source>1. Unplug the Ethernet cable</source>
        <translation>1. Isključite Ethernet kabel</translation>
    </message>
    <message>
        <source>2. On the camera side</source>
        <translation>2. Na kameri</translation>
    </message>
    <message>
        <source>3. On the router side</source>
        <translation>3. Na routeru</translation>
    </message>
    <message>
        <source>4. Check LED turns flash green</source>
        <translation>4. Lampica treperi zeleno</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Natrag</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Dalje    </translation>
    </message>
    <message>
        <source>Checking Internet connection</source>
        <translation>Provjera internetske veze</translation>
    </message>
    <message>
        <source>(Current connection(*): &lt;b&gt;</source>
        <translation>(Trenutačna veza (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>Wireless connection&lt;/b&gt;)</source>
        <translation>Bežična veza&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Bežična veza*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Wired connection&lt;/b&gt;)</source>
        <translation>Žična veza&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Žična veza*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Što ako lampica Link ne svijetli?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Što ako lampica ostane crvena?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*where is my WPS button?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Gdje je tipka WPS?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Having problems connecting?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Problemi s povezivanjem?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Što ako lampica Link ne svijetli?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Provjerite sljedeće:&lt;ul&gt;&lt;li&gt;Provjerite jesu li kabeli čvrsto priključeni.&lt;/li&gt;&lt;li&gt;Isključite kameru i ponovno je uključite kako biste je ponovno pokrenuli.&lt;/li&gt;&lt;li&gt;Ako lampica Link i dalje ne svijetli, možete pokušati &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;resetirati kameru&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Provjerite radi li modem ili router ispravno i svijetle li lampice za vezu kamere.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Što ako lampica ostane crvena?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Provjerite sljedeće:&lt;ul&gt;&lt;li&gt;Provjerite jesu li kabeli čvrsto priključeni.&lt;/li&gt;&lt;li&gt;Isključite kameru i ponovno je uključite kako biste je ponovno pokrenuli.&lt;/li&gt;&lt;li&gt;Ako lampica kamere i dalje svijetli crveno, možete pokušati &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;resetirati kameru&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Provjerite radi li modem ili router ispravno i svijetle li lampice za vezu kamere.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check your router&apos;s user manual for more details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Što je WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup (WPS) omogućuje brzo, jednostavno i automatsko postavljanje sigurne bežične veze. &lt;br&gt;&lt;br&gt;Tipka WPS obično je mala tipka na bočnoj strani routera. Na nekim routerima morate se prijaviti u web-sučelje i zatim kliknuti gumb na zaslonu kako biste uključili značajku WPS. Više pojedinosti potražite u korisničkom priručniku routera.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check the user manual for your router for details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Što je WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup (WPS) omogućuje brzo, jednostavno i automatsko postavljanje sigurne bežične veze. &lt;br&gt;&lt;br&gt;Tipka WPS obično je mala tipka na bočnoj strani routera. Na nekim routerima morate se prijaviti u web-sučelje i zatim kliknuti gumb na zaslonu kako biste uključili značajku WPS. Pojedinosti potražite u priručniku za router.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Having problems connecting your camera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;If you are having problems connecting your camera using WPS, check the following:&lt;ul&gt;&lt;li&gt;Your camera may be out of range.Try connecting your camera from the same room as your router.&lt;/li&gt;&lt;li&gt;Make sure your router has a WPS button.Check your router&apos;s user manual for details. &lt;/li&gt;&lt;/ul&gt;If you are still having trouble connecting your camera using WPS, you can select wireless network manually or simply use a wired connection.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Problemi s povezivanjem kamere?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Ako imate problema s povezivanjem kamere putem WPS-a, provjerite sljedeće:&lt;ul&gt;&lt;li&gt;Kamera je možda izvan dometa. Pokušajte povezati kameru iz iste prostorije u kojoj je router.&lt;/li&gt;&lt;li&gt;Provjerite ima li router tipku WPS. Pojedinosti potražite u korisničkom priručniku routera. &lt;/li&gt;&lt;/ul&gt;Ako i dalje ne uspijevate povezati kameru putem WPS-a, možete ručno odabrati bežičnu mrežu ili jednostavno upotrijebiti žičnu vezu.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Please plug in the cable. click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Priključite kabel. Kada završite, kliknite &lt;b&gt;U redu&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Now you can unplug the Ethernet cable from the camera and click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Sada možete isključiti Ethernet kabel iz kamere. Kada završite, kliknite &lt;b&gt;U redu&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>OK	</source>
        <translation>U redu	</translation>
    </message>
    <message>
        <source>The camera has already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;Close&lt;/b&gt; just re-configure the camera!</source>
        <translation>Kamera je već registrirana. Kliknite &lt;b&gt;Resetiraj&lt;/b&gt; za ponovno pokretanje aplikacije i resetiranje kamere ili &lt;b&gt;Zatvori&lt;/b&gt; samo za ponovno postavljanje kamere.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Resetiraj    </translation>
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
        <translation>Kamera se ne može povezati s poslužiteljem skyvue. Kliknite &lt;b&gt;Ponovi&lt;/b&gt; za ponovnu provjeru ili &lt;b&gt;Zatvori&lt;/b&gt; za nastavak bez prijave u skyvue.</translation>
    </message>
    <message>
        <source>Retry	 </source>
        <translation>Ponovi	 </translation>
    </message>
    <message>
        <source>Close	 </source>
        <translation>Zatvori	 </translation>
    </message>
    <message>
        <source>Check your cable connection please.&lt;br&gt;</source>
        <translation>Provjerite kabelsku vezu.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The wireless connection failed. Please connect the Ethernet cable and select the wireless network again.&lt;br&gt;</source>
        <translation>Bežično povezivanje nije uspjelo. Priključite Ethernet kabel i ponovno odaberite bežičnu mrežu.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Spremanje mrežnih postavki</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Ponovno pokretanje mreže</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Provjera internetske veze</translation>
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
        <translation>&lt;b&gt;Više pojedinosti&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Camera IP address:</source>
        <translation>IP adresa kamere:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Maska podmreže:</translation>
    </message>
    <message>
        <source>Gateway IP address:</source>
        <translation>IP adresa pristupnika:</translation>
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
        <translation>Status:</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Bežična</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Žična</translation>
    </message>
    <message>
        <source>Wireless SSID:</source>
        <translation>Wi-Fi SSID:</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>n/d</translation>
    </message>
    <message>
        <source>Connection mode:</source>
        <translation>Način povezivanja:</translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation>Autentifikacija:</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Šifriranje:</translation>
    </message>
    <message>
        <source>Key/password:</source>
        <translation>Ključ/lozinka:</translation>
    </message>
    <message>
        <source>&lt;b&gt; Internet connection&lt;/b&gt;</source>
        <translation>&lt;b&gt; Internetska veza&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Connection type&lt;/b&gt;</source>
        <translation>&lt;b&gt; Vrsta veze&lt;/b&gt;</translation>
    </message>
    <message>
        <source>skyvue no.:</source>
        <translation>skyvue br.:</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Račun admina:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Lozinka:</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>&lt;b&gt; skyvue info&lt;/b&gt;</source>
        <translation>&lt;b&gt; Podaci o skyvue&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Camera web page&lt;/b&gt;</source>
        <translation>&lt;b&gt; Web kamere&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your Internet connection&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Promijenite internetsku vezu&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your connection type&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Promijenite vrstu veze&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zatvori    </translation>
    </message>
</context>
<context>
    <name>failedPage</name>
    <message>
        <source>plug</source>
        <translation>Priključi</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Odaberi</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Poveži</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozorenje&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Connect your camera</source>
        <translation>Povezivanje kamere</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Spremanje mrežnih postavki</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Ponovno pokretanje mreže</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Provjera internetske veze</translation>
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
        <translation>Maska podmreže</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Pristupnik</translation>
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
        <translation>IP adresa:</translation>
    </message>
    <message>
        <source>Submask:</source>
        <translation>Maska podmreže:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Pristupnik:</translation>
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
        <translation>Kako želite povezati kameru s internetom?</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)</source>
        <translation>Unos računa i lozinke (PPPoE)</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Račun:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Lozinka:</translation>
    </message>
    <message>
        <source>Enter static IP address</source>
        <translation>Unos statičke IP adrese</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)*</source>
        <translation>Dinamička IP adresa (DHCP)*</translation>
    </message>
    <message>
        <source>Use in the intranet for local view only.</source>
        <translation>Samo u intranetu, za lokalni pregled.</translation>
    </message>
    <message>
        <source>The PPPoE is a network 
protocol mainly used with DSL 
services.</source>
        <translation>PPPoE je mrežni 
protokol koji se uglavnom 
koristi za DSL usluge.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Natrag</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Dalje    </translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Učitavanje, pričekajte</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP address</source>
        <translation>Statička IP adresa</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)</source>
        <translation>Dinamička IP adresa (DHCP)</translation>
    </message>
    <message>
        <source>(Current Internet connection(*): &lt;b&gt;</source>
        <translation>(Trenutačna internetska veza (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>&lt;/b&gt;)</source>
        <translation>&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)*</source>
        <translation>Unos računa i lozinke (PPPoE)*</translation>
    </message>
    <message>
        <source>Enter static IP address*</source>
        <translation>Unos statičke IP adrese*</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zatvori    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid username!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozorenje&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Nevažeće korisničko ime!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid password.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozorenje&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Nevažeća lozinka.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozorenje&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Nevažeća vrijednost:<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </translation>
    </message>
    <message>
        <source>!</source>
        <translation>!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Connection is failed.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozorenje&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Povezivanje nije uspjelo.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The camera have already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;OK&lt;/b&gt; just re-configure the camera!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozorenje&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Kamera je već registrirana. Kliknite &lt;b&gt;Resetiraj&lt;/b&gt; za ponovno pokretanje aplikacije i resetiranje kamere ili &lt;b&gt;U redu&lt;/b&gt; samo za ponovno postavljanje kamere.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Resetiraj    </translation>
    </message>
    <message>
        <source>OK    </source>
        <translation>U redu    </translation>
    </message>
</context>
<context>
    <name>joinPage</name>
    <message>
        <source>plug</source>
        <translation>Priključi</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Odaberi</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Poveži</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozorenje&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Budući da kamera nema internetsku vezu ( &lt;a href = Setup again&gt;&lt;font size=3 color=#638c0b&gt;postavi ponovno&lt;/font&gt;&lt;/a&gt; ), ne možete se prijaviti na web-mjesto skyvue za udaljeni pregled.
</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Za lokalni pregled i dalje možete koristiti IP adresu ispod.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Naziv računa:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Dodaj prečac za IP adresu kamere na radnu površinu i u oznake preglednika.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Usluga skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP adresa:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Lozinka:</translation>
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
        <translation> Naziv kamere:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Više pojedinosti o kameri.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Gotovo    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Prečac nije bilo moguće u potpunosti izraditi.</translation>
    </message>
</context>
<context>
    <name>joinPage1</name>
    <message>
        <source>plug</source>
        <translation>Priključi</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Odaberi</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Poveži</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozorenje&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Svijetli li lampica Link na kameri zeleno?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Svijetli li lampica Power/Link na kameri zeleno?</translation>
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
        <translation>Pokreni    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zatvori    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Pritisnite i držite tipku Reset najmanje 6 sekundi dok je kamera priključena. Nakon resetiranja kamere kliknite &lt;b&gt;Pokreni&lt;/b&gt; za nastavak.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Usluga skyvue</translation>
    </message>
    <message>
        <source>The camera has previously registered with a skyvue account, you can login on &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; or mobile application to enjoy remote view. If you want to re-configure your account and device, you may &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;hard reset&lt;/font&gt;&lt;/a&gt; the camera and create or register with a new account.</source>
        <translation>Kamera je već registrirana na račun skyvue. Za udaljeni pregled možete se prijaviti na &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; ili u mobilnu aplikaciju. Ako želite ponovno postaviti račun i uređaj, možete &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;vratiti tvorničke postavke&lt;/font&gt;&lt;/a&gt; kamere i stvoriti novi račun ili se registrirati s drugim.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Zašto skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Jednostavno postavljanje&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS setting, firewall roadblock, or all the trouble some configurations on cameras or viewing clients.</source>
        <translation>Bez brige o složenim postavkama dinamičkog DNS-a, preprekama vatrozida ili zamornom konfiguriranju kamera i klijenata za pregled.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Jednostavan pristup&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Udaljeni pregled bilo gdje&lt;/b&gt;</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Natrag</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Dalje    </translation>
    </message>
</context>
<context>
    <name>joinPage2</name>
    <message>
        <source>plug</source>
        <translation>Priključi</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Odaberi</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Poveži</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozorenje&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Usluga skyvue</translation>
    </message>
    <message>
        <source>Do you have a skyvue account ?</source>
        <translation>Imate li račun skyvue?</translation>
    </message>
    <message>
        <source>&amp;Yes, I already have a skyvue account.</source>
        <translation>&amp;Da, već imam račun skyvue.</translation>
    </message>
    <message>
        <source>&amp;No, I need to sign up for a new account.</source>
        <translation>&amp;Ne, želim otvoriti novi račun.</translation>
    </message>
    <message>
        <source>I &amp;don&apos;t want to sign up right now.</source>
        <translation>Sada se ne želim &amp;registrirati.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Zašto skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Jednostavno postavljanje&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS settings,firewall roadblock,or all the troublesome configurations on cameras or viewing clients.</source>
        <translation>Bez brige o složenim postavkama dinamičkog DNS-a, preprekama vatrozida ili zamornom konfiguriranju kamera i klijenata za pregled.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Jednostavan pristup&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For using skyvue web service such as to manage all your cameras in one place.</source>
        <translation>Upravljajte svim kamerama na jednom mjestu putem web-usluge skyvue.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Udaljeni pregled bilo gdje&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For viewing your cameras from anywhere through a web browser or a mobile device.</source>
        <translation>Gledajte svoje kamere s bilo kojeg mjesta putem web-preglednika ili mobilnog uređaja.</translation>
    </message>
    <message>
        <source>Please enter your skyvue account.</source>
        <translation>Unesite svoj račun skyvue.</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-pošta:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Lozinka:</translation>
    </message>
    <message>
        <source>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Forgot password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Zaboravili ste lozinku?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm Password:</source>
        <translation>Potvrda lozinke:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Ime:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Prezime:</translation>
    </message>
    <message>
        <source>I would like to receive emails for latest services and products from skyvue.</source>
        <translation>Želim primati e-poštu o najnovijim uslugama i proizvodima skyvue.</translation>
    </message>
    <message>
        <source>I accept skyvue &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;terms and conditions&lt;/font&gt;&lt;/a&gt;.</source>
        <translation>Prihvaćam &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;uvjete korištenja&lt;/font&gt;&lt;/a&gt; usluge skyvue.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Natrag</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Dalje    </translation>
    </message>
    <message>
        <source>&lt;b&gt;Loading, please wait....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Učitavanje, pričekajte....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zatvori    </translation>
    </message>
    <message>
        <source>Please select your camera.</source>
        <translation>Odaberite kameru.</translation>
    </message>
    <message>
        <source>Invalid email!</source>
        <translation>Nevažeća adresa e-pošte!</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>Nevažeća lozinka!</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match, please try again.</source>
        <translation>Lozinke se ne podudaraju, pokušajte ponovno.</translation>
    </message>
    <message>
        <source>You must accept the terms and conditions to continue.</source>
        <translation>Za nastavak morate prihvatiti uvjete korištenja.</translation>
    </message>
    <message>
        <source>Please select an option.</source>
        <translation>Odaberite jednu mogućnost.</translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Učitavanje, pričekajte</translation>
    </message>
    <message>
        <source>Timeout, please retry.</source>
        <translation>Isteklo je vrijeme čekanja, pokušajte ponovno.</translation>
    </message>
    <message>
        <source>The camera gave no valid portal address.</source>
        <translation>Kamera nije dala valjanu adresu portala.</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>Nepoznata pogreška!</translation>
    </message>
    <message>
        <source>Since you forgot your skyvue account&apos;s password. click &lt;b&gt;OK&lt;/b&gt; button will direct you to skyvue portal to retrieve the password. Please follow the instructions on the web page.</source>
        <translation>Zaboravili ste lozinku za račun skyvue. Klikom na &lt;b&gt;U redu&lt;/b&gt; otvorit će se portal skyvue na kojem možete vratiti lozinku. Slijedite upute na web-stranici.</translation>
    </message>
    <message>
        <source>OK    </source>
        <translation>U redu    </translation>
    </message>
</context>
<context>
    <name>joinPage3</name>
    <message>
        <source>plug</source>
        <translation>Priključi</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Odaberi</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Poveži</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozorenje&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source> Now you can use the information below to login &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.    click &lt;b&gt;Done&lt;/b&gt; to visit skyvue website to see camera live view.</source>
        <translation> Sada se pomoću podataka u nastavku možete prijaviti na web-mjesto &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;.    Kliknite &lt;b&gt;Gotovo&lt;/b&gt; za posjet web-mjestu skyvue i pregled slike s kamere uživo.</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Račun:</translation>
    </message>
    <message>
        <source> You can also learn more about mobile applications for your iPhone &amp; Android phone on &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.&lt;br&gt;</source>
        <translation> Više o mobilnim aplikacijama za iPhone i Android saznajte na web-mjestu &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;.&lt;br&gt;</translation>
    </message>
    <message>
        <source>  Add the shortcut of skyvue to my desktop and browser bookmark.</source>
        <translation>  Dodaj prečac za skyvue na radnu površinu i u oznake preglednika.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Usluga skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP adresa:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Lozinka:</translation>
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
        <translation> Naziv kamere:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Više pojedinosti o kameri.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Gotovo    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Prečac nije bilo moguće u potpunosti izraditi.</translation>
    </message>
</context>
<context>
    <name>joinPage4</name>
    <message>
        <source>plug</source>
        <translation>Priključi</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Odaberi</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Poveži</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozorenje&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Ako ne registrirate ovu kameru u skyvue, nećete moći koristiti pogodnosti kao što su udaljeni pregled i mobilna aplikacija skyvue.</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Za lokalni pregled i dalje možete koristiti IP adresu ispod.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Naziv računa:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Dodaj prečac za IP adresu kamere na radnu površinu i u oznake preglednika.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Usluga skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP adresa:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Lozinka:</translation>
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
        <translation> Naziv kamere:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Više pojedinosti o kameri.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Gotovo    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Prečac nije bilo moguće u potpunosti izraditi.</translation>
    </message>
</context>
<context>
    <name>plugPage</name>
    <message>
        <source>plug</source>
        <translation>Priključi</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Odaberi</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Poveži</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozorenje&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Svijetli li lampica Link na kameri zeleno?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Svijetli li lampica Power/Link na kameri zeleno?</translation>
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
        <translation>Pokreni    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zatvori    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Pritisnite i držite tipku Reset najmanje 6 sekundi dok je kamera priključena. Nakon resetiranja kamere kliknite &lt;b&gt;Pokreni&lt;/b&gt; za nastavak.</translation>
    </message>
    <message>
        <source>Plug your camera</source>
        <translation>Priključivanje kamere</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Priključite Ethernet kabel u Ethernet priključak na stražnjoj strani kamere.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Drugi kraj kabela priključite u slobodan LAN priključak na routeru.</translation>
    </message>
    <message>
        <source>3.Connect the power adapter to the power jack on the back of the camera and plug the other end into the power outlet.</source>
        <translation>3. Priključite adapter za napajanje u priključak za napajanje na stražnjoj strani kamere, a drugi kraj u zidnu utičnicu.</translation>
    </message>
    <message>
        <source>4.The LED on the camera will turn green when the device is ready.</source>
        <translation>4. Kada uređaj bude spreman, lampica na kameri svijetlit će zeleno.</translation>
    </message>
    <message>
        <source>*Could use Wi-Fi Protected Setup (WPS) instead.</source>
        <translation>*Možete upotrijebiti i WPS.</translation>
    </message>
    <message>
        <source>Please confirm the following tasks are done before clicking &lt;b&gt;Next&lt;/b&gt;.</source>
        <translation>Prije nego što kliknete &lt;b&gt;Dalje&lt;/b&gt;, provjerite jeste li obavili sljedeće korake.</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. Na kameri</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. Na routeru</translation>
    </message>
    <message>
        <source>3. Plug power adapter</source>
        <translation>3. Priključite napajanje</translation>
    </message>
    <message>
        <source>4. Check LED turns solid green</source>
        <translation>4. Lampica trajno svijetli zeleno</translation>
    </message>
    <message>
        <source>You can also use WPS button to&lt;br&gt;establish connection in this step&lt;br&gt;or follow the instruction in later step.</source>
        <translation>Vezu u ovom koraku možete uspostaviti&lt;br&gt;i tipkom WPS ili slijedite upute&lt;br&gt;u jednom od sljedećih koraka.</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Dalje    </translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Što ako lampica Link ne svijetli?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Što ako lampica ostane crvena?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Što ako lampica Link ne svijetli?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Provjerite sljedeće:&lt;ul&gt;&lt;li&gt;Provjerite jesu li kabeli čvrsto priključeni.&lt;/li&gt;&lt;li&gt;Isključite kameru i ponovno je uključite kako biste je ponovno pokrenuli.&lt;/li&gt;&lt;li&gt;Ako lampica Link i dalje ne svijetli, možete pokušati &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;resetirati kameru&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Provjerite radi li modem ili router ispravno i svijetle li lampice za vezu kamere.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Što ako lampica ostane crvena?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Provjerite sljedeće:&lt;ul&gt;&lt;li&gt;Provjerite jesu li kabeli čvrsto priključeni.&lt;/li&gt;&lt;li&gt;Isključite kameru i ponovno je uključite kako biste je ponovno pokrenuli.&lt;/li&gt;&lt;li&gt;Ako lampica kamere i dalje svijetli crveno, možete pokušati &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;resetirati kameru&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Provjerite radi li modem ili router ispravno i svijetle li lampice za vezu kamere.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
</context>
<context>
    <name>selectPage</name>
    <message>
        <source>plug</source>
        <translation>Priključi</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Odaberi</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Poveži</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Upozorenje&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Svijetli li lampica Link na kameri zeleno?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Svijetli li lampica Power/Link na kameri zeleno?</translation>
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
        <translation>Pokreni    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zatvori    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Pritisnite i držite tipku Reset najmanje 6 sekundi dok je kamera priključena. Nakon resetiranja kamere kliknite &lt;b&gt;Pokreni&lt;/b&gt; za nastavak.</translation>
    </message>
    <message>
        <source>Select your camera</source>
        <translation>Odabir kamere</translation>
    </message>
    <message>
        <source>Select your camera from the list and click &lt;b&gt;Next&lt;/b&gt; when you complete.</source>
        <translation>Odaberite kameru s popisa i kliknite &lt;b&gt;Dalje&lt;/b&gt;.</translation>
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
        <translation>Veza</translation>
    </message>
    <message>
        <source>MAC ID is a unique identifier
assigned to network interfaces
for communications on the
physical network.</source>
        <translation>MAC adresa je jedinstveni
identifikator dodijeljen
mrežnim sučeljima za
komunikaciju u fizičkoj mreži.</translation>
    </message>
    <message>
        <source>Registered to skyvue</source>
        <translation>Registrirano u skyvue</translation>
    </message>
    <message>
        <source>Not registered</source>
        <translation>Nije registrirano</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Žična</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Bežična</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;MAC ID&lt;/b&gt; on the back of your camera.</source>
        <translation>&lt;b&gt;MAC adresa&lt;/b&gt; je na stražnjoj strani kamere.</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Cannot find your camera from the list ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Kamera nije na popisu?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Enter a password to secure your camera</source>
        <translation>Unesite lozinku za zaštitu kamere</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Račun admina:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Lozinka:</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Forgot my camera password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Zaboravili ste lozinku kamere?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Potvrda lozinke:</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      Natrag</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Traži    </translation>
    </message>
    <message>
        <source>Next      </source>
        <translation>Dalje      </translation>
    </message>
    <message>
        <source>&lt;b&gt;Searching camera....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Traženje kamere....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Confirm your camera password</source>
        <translation>Potvrdite lozinku kamere</translation>
    </message>
    <message>
        <source>Searching camera</source>
        <translation>Traženje kamere</translation>
    </message>
    <message>
        <source>Saving camera&apos;s password</source>
        <translation>Spremanje lozinke kamere</translation>
    </message>
    <message>
        <source>Retrieving the camera&apos;s password</source>
        <translation>Dohvaćanje lozinke kamere</translation>
    </message>
    <message>
        <source>The camera you select has already been registered to skyvue. You have to enter the correct camera password and skyvue account later or &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt; to register another account.&lt;br&gt;</source>
        <translation>Odabrana kamera već je registrirana u skyvue. Kasnije morate unijeti ispravnu lozinku kamere i račun skyvue ili &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;resetirati kameru&lt;/font&gt;&lt;/a&gt; kako biste registrirali drugi račun.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The passwords must be at least 6 characters long and must contain at least 2 letters, case-sensitive!</source>
        <translation>Lozinka mora imati najmanje 6 znakova i sadržavati najmanje 2 slova; razlikuju se velika i mala slova!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The passwords don&apos;t match! Please try again!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Upozorenje&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Lozinke se ne podudaraju! Pokušajte ponovno!</translation>
    </message>
    <message>
        <source>Input wrong password, please check!</source>
        <translation>Unesena je pogrešna lozinka, provjerite je!</translation>
    </message>
    <message>
        <source>Two times input password are not the same!</source>
        <translation>Dvije unesene lozinke nisu iste!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Cannot detect your wired connection?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Please close this lightbox and click &lt;b&gt;Back&lt;/b&gt; button to previous page. Follow the instruction to install the camera again.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Žična veza nije otkrivena?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Zatvorite ovaj okvir i kliknite &lt;b&gt;Natrag&lt;/b&gt; za povratak na prethodnu stranicu. Slijedite upute kako biste ponovno instalirali kameru.</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>Statički IP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>The camera did not confirm the new password, so it may still have none. Check that the camera is on and connected, then try again.</source>
        <translation>Kamera nije potvrdila novu lozinku pa možda još uvijek nema nikakvu. Provjerite je li kamera uključena i povezana, a zatim pokušajte ponovno.</translation>
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
        <translation>Odaberite:</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Engleski</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francuski</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruski</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Španjolski</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>Portugalski (PT)</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>Portugalski (BR)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanski</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Kineski (trad.)</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Kineski (pojed.)</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korejski</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Češki</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danski</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Njemački</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grčki</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Hrvatski</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Mađarski</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Talijanski</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nizozemski</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norveški</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Poljski</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumunjski</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slovenski</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Švedski</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finski</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Rješavanje problema</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Priručnici i preuzimanja</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Izlaz</translation>
    </message>
    <message>
        <source>Start    </source>
        <translation>Počni    </translation>
    </message>
    <message>
        <source>Select your lauguage:</source>
        <translation>Odaberite jezik:</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Sva prava pridržana.</translation>
    </message>
    <message>
        <source>Welcome </source>
        <translation>Dobro došli </translation>
    </message>
    <message>
        <source>Welcome to the IP camera Camguide. This wizard will help you easily setup the Internet camera, register skyvue web site for remote view and other interesting online services.</source>
        <translation>Dobro došli u Camguide za IP kamere. Ovaj čarobnjak pomoći će vam da jednostavno postavite internetsku kameru, registrirate se na web-mjestu skyvue za udaljeni pregled i koristite druge zanimljive mrežne usluge.</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zatvori    </translation>
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
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Upozorenje:&lt;/b&gt; Ovaj je program zaštićen zakonom o autorskom pravu i međunarodnim ugovorima. Neovlašteno umnožavanje ili distribucija ovog programa ili bilo kojeg njegova dijela može dovesti do strogih građanskih i kaznenih sankcija.&lt;br&gt;</translation>
    </message>
</context>
</TS>
