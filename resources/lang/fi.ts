<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Another Camguide is already running.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varoitus&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Camguide on jo käynnissä.</translation>
    </message>
    <message>
        <source>MyCamera</source>
        <translation>OmaKamera</translation>
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
        <translation>Vianmääritys</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Oppaat ja lataukset</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tietoja</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Lopeta</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Kaikki oikeudet pidätetään.</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Sulje    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Tietoja: </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Varoitus:&lt;/b&gt; Tämä ohjelma on tekijänoikeuslakien ja kansainvälisten sopimusten suojaama. Tämän ohjelman tai sen osan luvaton kopioiminen tai levittäminen voi johtaa ankariin siviili- ja rikosoikeudellisiin seuraamuksiin.&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>connectPage</name>
    <message>
        <source>plug</source>
        <translation>Kytkentä</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Valinta</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Verkko</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varoitus&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Palaako kameran Link-merkkivalo vihreänä?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Palaako kameran Power/Link-merkkivalo vihreänä?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Kyllä</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Aloita alusta    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Sulje    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Pidä Reset-painiketta painettuna vähintään 6 sekuntia, kun kamera on kytkettynä. Kun kamera on palautettu, jatka napsauttamalla &lt;b&gt;Aloita alusta&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Connect to the network</source>
        <translation>Yhdistä verkkoon</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Kytke verkkokaapeli kameran takana olevaan Ethernet-porttiin.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Kytke kaapelin toinen pää reitittimen vapaaseen LAN-porttiin.</translation>
    </message>
    <message>
        <source>3.The LED on the camera will turn solid green when the device is ready.</source>
        <translation>3. Kameran merkkivalo palaa tasaisen vihreänä, kun laite on valmis.</translation>
    </message>
    <message>
        <source>1.Unplug the Ethernet cable from the camera.</source>
        <translation>1. Irrota verkkokaapeli kamerasta.</translation>
    </message>
    <message>
        <source>2.Press the WPS button on the back of your camera and the WPS LED will start to flash blue.</source>
        <translation>2. Paina kameran takana olevaa WPS-painiketta. WPS-merkkivalo alkaa vilkkua sinisenä.</translation>
    </message>
    <message>
        <source>3.You now  one minute to press the WPS button on your router.</source>
        <translation>3. Sinulla on nyt minuutti aikaa painaa reitittimen WPS-painiketta.</translation>
    </message>
    <message>
        <source>4.Once your camera has established a connection, the WPS LED will turn solid blue, the LED in front of the camera will turn to flash green.</source>
        <translation>4. Kun kamera on muodostanut yhteyden, WPS-merkkivalo palaa tasaisen sinisenä ja kameran etupuolen merkkivalo alkaa vilkkua vihreänä.</translation>
    </message>
    <message>
        <source>Current connection(*):</source>
        <translation>Nykyinen yhteys (*):</translation>
    </message>
    <message>
        <source>How would you connect your camera to the router?</source>
        <translation>Miten haluat yhdistää kameran reitittimeen?</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Kiinteä yhteys&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Ethernet cable</source>
        <translation>Verkkokaapelilla</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Langaton yhteys&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Wi-Fi Protected Setup</source>
        <translation>Wi-Fi Protected Setupilla</translation>
    </message>
    <message>
        <source> ( &lt;a href = WPS&gt;&lt;font size=3 color=#638c0b&gt;WPS&lt;/font&gt;&lt;/a&gt; )</source>
        <translation> ( &lt;a href = WPS&gt;&lt;font size=3 color=#638c0b&gt;WPS&lt;/font&gt;&lt;/a&gt; )</translation>
    </message>
    <message>
        <source>By selecting wireless network</source>
        <translation>Valitsemalla langattoman verkon</translation>
    </message>
    <message>
        <source>Available wireless network</source>
        <translation>Langattomat verkot</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Etsi    </translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Salasana:</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. Kameran puolella</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. Reitittimen puolella</translation>
    </message>
    <message>
        <source>3. Check LED turns green</source>
        <translation>3. Merkkivalo palaa vihreänä</translation>
    </message>
    <message>
        <source>1. Unplug the Ethernet cable</source>
        <translation>1. Irrota verkkokaapeli</translation>
    </message>
    <message>
        <source>2. On the camera side</source>
        <translation>2. Kameran puolella</translation>
    </message>
    <message>
        <source>3. On the router side</source>
        <translation>3. Reitittimen puolella</translation>
    </message>
    <message>
        <source>4. Check LED turns flash green</source>
        <translation>4. Merkkivalo vilkkuu vihreänä</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Takaisin</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Seuraava    </translation>
    </message>
    <message>
        <source>Checking Internet connection</source>
        <translation>Tarkistetaan internetyhteyttä</translation>
    </message>
    <message>
        <source>(Current connection(*): &lt;b&gt;</source>
        <translation>(Nykyinen yhteys (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>Wireless connection&lt;/b&gt;)</source>
        <translation>Langaton yhteys&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Langaton yhteys*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Wired connection&lt;/b&gt;)</source>
        <translation>Kiinteä yhteys&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Kiinteä yhteys*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Mitä teen, jos Link-merkkivalo ei pala?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Mitä teen, jos merkkivalo palaa punaisena?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*where is my WPS button?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Missä WPS-painike on?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Having problems connecting?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Ongelmia yhteyden muodostamisessa?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Mitä teen, jos Link-merkkivalo ei pala?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Tarkista seuraavat asiat:&lt;ul&gt;&lt;li&gt;Varmista, että kaapelit on kytketty tiukasti.&lt;/li&gt;&lt;li&gt;Käynnistä kamera uudelleen irrottamalla virta hetkeksi.&lt;/li&gt;&lt;li&gt;Jos Link-merkkivalo ei vieläkään pala, voit yrittää &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;palauttaa kameran&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Varmista, että modeemi tai reititin toimii ja kameran yhteysvalot palavat.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Mitä teen, jos merkkivalo palaa punaisena?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Tarkista seuraavat asiat:&lt;ul&gt;&lt;li&gt;Varmista, että kaapelit on kytketty tiukasti.&lt;/li&gt;&lt;li&gt;Käynnistä kamera uudelleen irrottamalla virta hetkeksi.&lt;/li&gt;&lt;li&gt;Jos kameran merkkivalo palaa yhä punaisena, voit yrittää &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;palauttaa kameran&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Varmista, että modeemi tai reititin toimii ja kameran yhteysvalot palavat.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check your router&apos;s user manual for more details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Mikä on WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup (WPS) -toiminnolla voit muodostaa suojatun langattoman yhteyden nopeasti, helposti ja automaattisesti. &lt;br&gt;&lt;br&gt;Reitittimen WPS-painike on yleensä pieni painike reitittimen kyljessä. Joissakin reitittimissä WPS-toiminto otetaan käyttöön kirjautumalla selainkäyttöliittymään ja napsauttamalla näytön painiketta. Lisätietoja on reitittimen käyttöoppaassa.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check the user manual for your router for details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Mikä on WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup (WPS) -toiminnolla voit muodostaa suojatun langattoman yhteyden nopeasti, helposti ja automaattisesti. &lt;br&gt;&lt;br&gt;Reitittimen WPS-painike on yleensä pieni painike reitittimen kyljessä. Joissakin reitittimissä WPS-toiminto otetaan käyttöön kirjautumalla selainkäyttöliittymään ja napsauttamalla näytön painiketta. Lisätietoja on reitittimen käyttöoppaassa.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Having problems connecting your camera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;If you are having problems connecting your camera using WPS, check the following:&lt;ul&gt;&lt;li&gt;Your camera may be out of range.Try connecting your camera from the same room as your router.&lt;/li&gt;&lt;li&gt;Make sure your router has a WPS button.Check your router&apos;s user manual for details. &lt;/li&gt;&lt;/ul&gt;If you are still having trouble connecting your camera using WPS, you can select wireless network manually or simply use a wired connection.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Ongelmia kameran yhdistämisessä?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Jos kameran yhdistäminen WPS:llä ei onnistu, tarkista seuraavat asiat:&lt;ul&gt;&lt;li&gt;Kamera voi olla kantaman ulkopuolella. Yritä yhdistää kamera samassa huoneessa, jossa reititin on.&lt;/li&gt;&lt;li&gt;Varmista, että reitittimessä on WPS-painike. Lisätietoja on reitittimen käyttöoppaassa. &lt;/li&gt;&lt;/ul&gt;Jos yhdistäminen WPS:llä ei vieläkään onnistu, voit valita langattoman verkon itse tai käyttää kiinteää yhteyttä.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Please plug in the cable. click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Kytke kaapeli. Napsauta lopuksi &lt;b&gt;OK&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Now you can unplug the Ethernet cable from the camera and click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Nyt voit irrottaa verkkokaapelin kamerasta. Napsauta lopuksi &lt;b&gt;OK&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>OK	</source>
        <translation>OK	</translation>
    </message>
    <message>
        <source>The camera has already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;Close&lt;/b&gt; just re-configure the camera!</source>
        <translation>Kamera on jo rekisteröity. Napsauta &lt;b&gt;Palauta&lt;/b&gt;, jos haluat käynnistää ohjelman uudelleen ja palauttaa kameran, tai &lt;b&gt;Sulje&lt;/b&gt;, jos haluat vain määrittää kameran uudelleen.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Palauta    </translation>
    </message>
    <message>
        <source>Yes    </source>
        <translation>Kyllä    </translation>
    </message>
    <message>
        <source>NO    </source>
        <translation>Ei    </translation>
    </message>
    <message>
        <source>The camera can not connect to skyvue server. click &lt;b&gt;Retry&lt;/b&gt; to check again, or click &lt;b&gt;Close&lt;/b&gt; without signing in skyvue.</source>
        <translation>Kamera ei saa yhteyttä skyvue-palvelimeen. Tarkista uudelleen napsauttamalla &lt;b&gt;Uudelleen&lt;/b&gt; tai jatka kirjautumatta skyvueen napsauttamalla &lt;b&gt;Sulje&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Retry	 </source>
        <translation>Uudelleen	 </translation>
    </message>
    <message>
        <source>Close	 </source>
        <translation>Sulje	 </translation>
    </message>
    <message>
        <source>Check your cable connection please.&lt;br&gt;</source>
        <translation>Tarkista kaapeliyhteys.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The wireless connection failed. Please connect the Ethernet cable and select the wireless network again.&lt;br&gt;</source>
        <translation>Langaton yhteys epäonnistui. Kytke verkkokaapeli ja valitse langaton verkko uudelleen.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Tallennetaan verkkoasetuksia</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Käynnistetään verkko uudelleen</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Tarkistetaan internetyhteyttä</translation>
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
        <translation>&lt;b&gt;Lisätietoja&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Camera IP address:</source>
        <translation>Kameran IP-osoite:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Aliverkon peite:</translation>
    </message>
    <message>
        <source>Gateway IP address:</source>
        <translation>Yhdyskäytävän IP-osoite:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>Ensisijainen DNS:</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>Toissijainen DNS</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Tila:</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Langaton</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Kiinteä</translation>
    </message>
    <message>
        <source>Wireless SSID:</source>
        <translation>Langaton SSID:</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>ei saatavilla</translation>
    </message>
    <message>
        <source>Connection mode:</source>
        <translation>Yhteystila:</translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation>Todennus:</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Salaus:</translation>
    </message>
    <message>
        <source>Key/password:</source>
        <translation>Avain/salasana:</translation>
    </message>
    <message>
        <source>&lt;b&gt; Internet connection&lt;/b&gt;</source>
        <translation>&lt;b&gt; Internetyhteys&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Connection type&lt;/b&gt;</source>
        <translation>&lt;b&gt; Yhteystyyppi&lt;/b&gt;</translation>
    </message>
    <message>
        <source>skyvue no.:</source>
        <translation>skyvue-nro:</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Ylläpitotili:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Salasana:</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>&lt;b&gt; skyvue info&lt;/b&gt;</source>
        <translation>&lt;b&gt; skyvue-tiedot&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Camera web page&lt;/b&gt;</source>
        <translation>&lt;b&gt; Kameran verkkosivu&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your Internet connection&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Muuta internetyhteyttä&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your connection type&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Muuta yhteystyyppiä&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Sulje    </translation>
    </message>
</context>
<context>
    <name>failedPage</name>
    <message>
        <source>plug</source>
        <translation>Kytkentä</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Valinta</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Verkko</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varoitus&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Connect your camera</source>
        <translation>Yhdistä kamera</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Tallennetaan verkkoasetuksia</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Käynnistetään verkko uudelleen</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Tarkistetaan internetyhteyttä</translation>
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
        <translation>IP-osoite</translation>
    </message>
    <message>
        <source>Submask</source>
        <translation>aliverkon peite</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>yhdyskäytävä</translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation>ensisijainen DNS</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>toissijainen DNS</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-osoite:</translation>
    </message>
    <message>
        <source>Submask:</source>
        <translation>Aliverkon peite:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Yhdyskäytävä:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>Ensisijainen DNS:</translation>
    </message>
    <message>
        <source>Secondary DNS:</source>
        <translation>Toissijainen DNS:</translation>
    </message>
    <message>
        <source>How would you connect your camera to the Internet?</source>
        <translation>Miten haluat yhdistää kameran internetiin?</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)</source>
        <translation>Käyttäjätunnus ja salasana (PPPoE)</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Tunnus:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Salasana:</translation>
    </message>
    <message>
        <source>Enter static IP address</source>
        <translation>Anna kiinteä IP-osoite</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)*</source>
        <translation>Dynaaminen IP-osoite (DHCP)*</translation>
    </message>
    <message>
        <source>Use in the intranet for local view only.</source>
        <translation>Vain paikalliseen katseluun intranetissä.</translation>
    </message>
    <message>
        <source>The PPPoE is a network 
protocol mainly used with DSL 
services.</source>
        <translation>PPPoE on verkkoprotokolla,
jota käytetään pääasiassa
DSL-liittymissä.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Takaisin</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Seuraava    </translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Ladataan, odota hetki</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP address</source>
        <translation>Kiinteä IP-osoite</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)</source>
        <translation>Dynaaminen IP-osoite (DHCP)</translation>
    </message>
    <message>
        <source>(Current Internet connection(*): &lt;b&gt;</source>
        <translation>(Nykyinen internetyhteys (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>&lt;/b&gt;)</source>
        <translation>&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)*</source>
        <translation>Käyttäjätunnus ja salasana (PPPoE)*</translation>
    </message>
    <message>
        <source>Enter static IP address*</source>
        <translation>Anna kiinteä IP-osoite*</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Sulje    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid username!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varoitus&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Virheellinen käyttäjätunnus!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid password.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varoitus&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Virheellinen salasana.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varoitus&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Virheellinen<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </translation>
    </message>
    <message>
        <source>!</source>
        <translation>!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Connection is failed.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varoitus&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Yhteyden muodostaminen epäonnistui.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The camera have already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;OK&lt;/b&gt; just re-configure the camera!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varoitus&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Kamera on jo rekisteröity. Napsauta &lt;b&gt;Palauta&lt;/b&gt;, jos haluat käynnistää ohjelman uudelleen ja palauttaa kameran, tai &lt;b&gt;OK&lt;/b&gt;, jos haluat vain määrittää kameran uudelleen.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Palauta    </translation>
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
        <translation>Kytkentä</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Valinta</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Verkko</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varoitus&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Koska kameralla ei ole internetyhteyttä ( &lt;a href = Setup again&gt;&lt;font size=3 color=#638c0b&gt;Määritä uudelleen&lt;/font&gt;&lt;/a&gt; ), et voi kirjautua skyvue-sivustoon etäkatselua varten.
</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Paikallinen katselu onnistuu alla olevalla IP-osoitteella.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Tilin nimi:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Pikakuvake kameran IP-osoitteeseen työpöydälle ja kirjanmerkkeihin.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Liity skyvue-palveluun</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-osoite:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Salasana:</translation>
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
        <translation> Kameran nimi:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Lisätietoja kamerasta.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Valmis    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Pikakuvaketta ei voitu luoda kokonaan.</translation>
    </message>
</context>
<context>
    <name>joinPage1</name>
    <message>
        <source>plug</source>
        <translation>Kytkentä</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Valinta</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Verkko</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varoitus&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Palaako kameran Link-merkkivalo vihreänä?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Palaako kameran Power/Link-merkkivalo vihreänä?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Kyllä</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Aloita alusta    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Sulje    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Pidä Reset-painiketta painettuna vähintään 6 sekuntia, kun kamera on kytkettynä. Kun kamera on palautettu, jatka napsauttamalla &lt;b&gt;Aloita alusta&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Liity skyvue-palveluun</translation>
    </message>
    <message>
        <source>The camera has previously registered with a skyvue account, you can login on &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; or mobile application to enjoy remote view. If you want to re-configure your account and device, you may &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;hard reset&lt;/font&gt;&lt;/a&gt; the camera and create or register with a new account.</source>
        <translation>Kamera on jo rekisteröity skyvue-tilille. Voit kirjautua osoitteessa &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; tai mobiilisovelluksessa ja katsella kameraa etänä. Jos haluat määrittää tilisi ja laitteesi uudelleen, voit &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;palauttaa kameran tehdasasetuksiin&lt;/font&gt;&lt;/a&gt; ja luoda uuden tilin tai rekisteröityä sillä.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Miksi liittyä skyvueen?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Helppo käyttöönotto&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS setting, firewall roadblock, or all the trouble some configurations on cameras or viewing clients.</source>
        <translation>Ei huolta monimutkaisista dynaamisen DNS:n asetuksista, palomuurin esteistä tai kameroiden ja katseluohjelmien hankalista määrityksistä.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Helppo käyttö&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Etäkatselu mistä tahansa&lt;/b&gt;</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Takaisin</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Seuraava    </translation>
    </message>
</context>
<context>
    <name>joinPage2</name>
    <message>
        <source>plug</source>
        <translation>Kytkentä</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Valinta</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Verkko</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varoitus&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Liity skyvue-palveluun</translation>
    </message>
    <message>
        <source>Do you have a skyvue account ?</source>
        <translation>Onko sinulla skyvue-tili?</translation>
    </message>
    <message>
        <source>&amp;Yes, I already have a skyvue account.</source>
        <translation>&amp;Kyllä, minulla on jo skyvue-tili.</translation>
    </message>
    <message>
        <source>&amp;No, I need to sign up for a new account.</source>
        <translation>&amp;Ei, haluan luoda uuden tilin.</translation>
    </message>
    <message>
        <source>I &amp;don&apos;t want to sign up right now.</source>
        <translation>En halua &amp;rekisteröityä nyt.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Miksi liittyä skyvueen?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Helppo käyttöönotto&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS settings,firewall roadblock,or all the troublesome configurations on cameras or viewing clients.</source>
        <translation>Ei huolta monimutkaisista dynaamisen DNS:n asetuksista, palomuurin esteistä tai kameroiden ja katseluohjelmien hankalista määrityksistä.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Helppo käyttö&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For using skyvue web service such as to manage all your cameras in one place.</source>
        <translation>skyvue-verkkopalvelussa voit esimerkiksi hallita kaikkia kameroitasi yhdessä paikassa.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Etäkatselu mistä tahansa&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For viewing your cameras from anywhere through a web browser or a mobile device.</source>
        <translation>Katsele kameroitasi mistä tahansa selaimella tai mobiililaitteella.</translation>
    </message>
    <message>
        <source>Please enter your skyvue account.</source>
        <translation>Anna skyvue-tilisi tiedot.</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>S-posti:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Salasana:</translation>
    </message>
    <message>
        <source>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Forgot password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Unohtuiko salasana?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm Password:</source>
        <translation>Vahvista salasana:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Etunimi:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Sukunimi:</translation>
    </message>
    <message>
        <source>I would like to receive emails for latest services and products from skyvue.</source>
        <translation>Haluan saada sähköpostia skyvuen uusimmista palveluista ja tuotteista.</translation>
    </message>
    <message>
        <source>I accept skyvue &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;terms and conditions&lt;/font&gt;&lt;/a&gt;.</source>
        <translation>Hyväksyn skyvuen &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;käyttöehdot&lt;/font&gt;&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Takaisin</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Seuraava    </translation>
    </message>
    <message>
        <source>&lt;b&gt;Loading, please wait....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ladataan, odota hetki....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Sulje    </translation>
    </message>
    <message>
        <source>Please select your camera.</source>
        <translation>Valitse kamera.</translation>
    </message>
    <message>
        <source>Invalid email!</source>
        <translation>Virheellinen sähköpostiosoite!</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>Virheellinen salasana!</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match, please try again.</source>
        <translation>Salasanat eivät täsmää. Yritä uudelleen.</translation>
    </message>
    <message>
        <source>You must accept the terms and conditions to continue.</source>
        <translation>Sinun on hyväksyttävä käyttöehdot, jotta voit jatkaa.</translation>
    </message>
    <message>
        <source>Please select an option.</source>
        <translation>Valitse vaihtoehto.</translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Ladataan, odota hetki</translation>
    </message>
    <message>
        <source>Timeout, please retry.</source>
        <translation>Aikakatkaisu, yritä uudelleen.</translation>
    </message>
    <message>
        <source>The camera gave no valid portal address.</source>
        <translation>Kamera ei antanut kelvollista portaalin osoitetta.</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>Tuntematon virhe!</translation>
    </message>
    <message>
        <source>Since you forgot your skyvue account&apos;s password. click &lt;b&gt;OK&lt;/b&gt; button will direct you to skyvue portal to retrieve the password. Please follow the instructions on the web page.</source>
        <translation>Olet unohtanut skyvue-tilisi salasanan. Kun napsautat &lt;b&gt;OK&lt;/b&gt;, siirryt skyvue-portaaliin, jossa voit palauttaa salasanan. Noudata verkkosivun ohjeita.</translation>
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
        <translation>Kytkentä</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Valinta</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Verkko</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varoitus&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source> Now you can use the information below to login &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.    click &lt;b&gt;Done&lt;/b&gt; to visit skyvue website to see camera live view.</source>
        <translation> Nyt voit kirjautua &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;-sivustoon alla olevilla tiedoilla.    Napsauta &lt;b&gt;Valmis&lt;/b&gt;, niin siirryt skyvue-sivustoon katsomaan kameran livekuvaa.</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Tili:</translation>
    </message>
    <message>
        <source> You can also learn more about mobile applications for your iPhone &amp; Android phone on &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.&lt;br&gt;</source>
        <translation> Lisätietoja iPhone- ja Android-mobiilisovelluksista on myös &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;-sivustossa.&lt;br&gt;</translation>
    </message>
    <message>
        <source>  Add the shortcut of skyvue to my desktop and browser bookmark.</source>
        <translation>  Lisää skyvuen pikakuvake työpöydälle ja selaimen kirjanmerkkeihin.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Liity skyvue-palveluun</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-osoite:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Salasana:</translation>
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
        <translation> Kameran nimi:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Lisätietoja kamerasta.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Valmis    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Pikakuvaketta ei voitu luoda kokonaan.</translation>
    </message>
</context>
<context>
    <name>joinPage4</name>
    <message>
        <source>plug</source>
        <translation>Kytkentä</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Valinta</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Verkko</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varoitus&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Jos et rekisteröi kameraa skyvueen, menetät edut, kuten etäkatselun ja skyvuen mobiilisovelluksen.</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Paikallinen katselu onnistuu alla olevalla IP-osoitteella.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Tilin nimi:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Pikakuvake kameran IP-osoitteeseen työpöydälle ja kirjanmerkkeihin.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Liity skyvue-palveluun</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-osoite:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Salasana:</translation>
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
        <translation> Kameran nimi:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Lisätietoja kamerasta.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Valmis    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Pikakuvaketta ei voitu luoda kokonaan.</translation>
    </message>
</context>
<context>
    <name>plugPage</name>
    <message>
        <source>plug</source>
        <translation>Kytkentä</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Valinta</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Verkko</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varoitus&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Palaako kameran Link-merkkivalo vihreänä?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Palaako kameran Power/Link-merkkivalo vihreänä?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Kyllä</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Aloita alusta    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Sulje    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Pidä Reset-painiketta painettuna vähintään 6 sekuntia, kun kamera on kytkettynä. Kun kamera on palautettu, jatka napsauttamalla &lt;b&gt;Aloita alusta&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Plug your camera</source>
        <translation>Kytke kamera</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Kytke verkkokaapeli kameran takana olevaan Ethernet-porttiin.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Kytke kaapelin toinen pää reitittimen vapaaseen LAN-porttiin.</translation>
    </message>
    <message>
        <source>3.Connect the power adapter to the power jack on the back of the camera and plug the other end into the power outlet.</source>
        <translation>3. Kytke virtalähde kameran takana olevaan virtaliitäntään ja toinen pää pistorasiaan.</translation>
    </message>
    <message>
        <source>4.The LED on the camera will turn green when the device is ready.</source>
        <translation>4. Kameran merkkivalo palaa vihreänä, kun laite on valmis.</translation>
    </message>
    <message>
        <source>*Could use Wi-Fi Protected Setup (WPS) instead.</source>
        <translation>*Voit käyttää myös Wi-Fi Protected Setupia (WPS).</translation>
    </message>
    <message>
        <source>Please confirm the following tasks are done before clicking &lt;b&gt;Next&lt;/b&gt;.</source>
        <translation>Tee seuraavat vaiheet ennen kuin napsautat &lt;b&gt;Seuraava&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. Kameran puolella</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. Reitittimen puolella</translation>
    </message>
    <message>
        <source>3. Plug power adapter</source>
        <translation>3. Kytke virtalähde</translation>
    </message>
    <message>
        <source>4. Check LED turns solid green</source>
        <translation>4. Merkkivalo palaa vihreänä</translation>
    </message>
    <message>
        <source>You can also use WPS button to&lt;br&gt;establish connection in this step&lt;br&gt;or follow the instruction in later step.</source>
        <translation>Voit muodostaa yhteyden myös&lt;br&gt;WPS-painikkeella jo tässä vaiheessa&lt;br&gt;tai noudattaa myöhempiä ohjeita.</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Seuraava    </translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Mitä teen, jos Link-merkkivalo ei pala?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Mitä teen, jos merkkivalo palaa punaisena?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Mitä teen, jos Link-merkkivalo ei pala?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Tarkista seuraavat asiat:&lt;ul&gt;&lt;li&gt;Varmista, että kaapelit on kytketty tiukasti.&lt;/li&gt;&lt;li&gt;Käynnistä kamera uudelleen irrottamalla virta hetkeksi.&lt;/li&gt;&lt;li&gt;Jos Link-merkkivalo ei vieläkään pala, voit yrittää &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;palauttaa kameran&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Varmista, että modeemi tai reititin toimii ja kameran yhteysvalot palavat.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Mitä teen, jos merkkivalo palaa punaisena?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Tarkista seuraavat asiat:&lt;ul&gt;&lt;li&gt;Varmista, että kaapelit on kytketty tiukasti.&lt;/li&gt;&lt;li&gt;Käynnistä kamera uudelleen irrottamalla virta hetkeksi.&lt;/li&gt;&lt;li&gt;Jos kameran merkkivalo palaa yhä punaisena, voit yrittää &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;palauttaa kameran&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Varmista, että modeemi tai reititin toimii ja kameran yhteysvalot palavat.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
</context>
<context>
    <name>selectPage</name>
    <message>
        <source>plug</source>
        <translation>Kytkentä</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Valinta</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Verkko</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Varoitus&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Palaako kameran Link-merkkivalo vihreänä?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Palaako kameran Power/Link-merkkivalo vihreänä?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Kyllä</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Aloita alusta    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Sulje    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Pidä Reset-painiketta painettuna vähintään 6 sekuntia, kun kamera on kytkettynä. Kun kamera on palautettu, jatka napsauttamalla &lt;b&gt;Aloita alusta&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Select your camera</source>
        <translation>Valitse kamera</translation>
    </message>
    <message>
        <source>Select your camera from the list and click &lt;b&gt;Next&lt;/b&gt; when you complete.</source>
        <translation>Valitse kamera luettelosta ja napsauta lopuksi &lt;b&gt;Seuraava&lt;/b&gt;.</translation>
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
        <translation>IP-osoite</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Yhteys</translation>
    </message>
    <message>
        <source>MAC ID is a unique identifier
assigned to network interfaces
for communications on the
physical network.</source>
        <translation>MAC-ID on yksilöllinen
tunniste, joka annetaan
verkkoliitännöille fyysisen
verkon tiedonsiirtoa varten.</translation>
    </message>
    <message>
        <source>Registered to skyvue</source>
        <translation>Rekisteröity skyvueen</translation>
    </message>
    <message>
        <source>Not registered</source>
        <translation>Ei rekisteröity</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Kiinteä</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Langaton</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;MAC ID&lt;/b&gt; on the back of your camera.</source>
        <translation>&lt;b&gt;MAC-ID&lt;/b&gt; on kameran takana.</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Cannot find your camera from the list ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Eikö kamera ole luettelossa?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Enter a password to secure your camera</source>
        <translation>Suojaa kamera salasanalla</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Ylläpitotili:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Salasana:</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Forgot my camera password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Unohtuiko kameran salasana?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Vahvista salasana:</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      Takaisin</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Etsi    </translation>
    </message>
    <message>
        <source>Next      </source>
        <translation>Seuraava      </translation>
    </message>
    <message>
        <source>&lt;b&gt;Searching camera....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Etsitään kameraa....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Confirm your camera password</source>
        <translation>Vahvista kameran salasana</translation>
    </message>
    <message>
        <source>Searching camera</source>
        <translation>Etsitään kameraa</translation>
    </message>
    <message>
        <source>Saving camera&apos;s password</source>
        <translation>Tallennetaan kameran salasanaa</translation>
    </message>
    <message>
        <source>Retrieving the camera&apos;s password</source>
        <translation>Haetaan kameran salasanaa</translation>
    </message>
    <message>
        <source>The camera you select has already been registered to skyvue. You have to enter the correct camera password and skyvue account later or &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt; to register another account.&lt;br&gt;</source>
        <translation>Valitsemasi kamera on jo rekisteröity skyvueen. Anna myöhemmin kameran oikea salasana ja skyvue-tili tai &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;palauta kamera&lt;/font&gt;&lt;/a&gt;, jos haluat rekisteröidä toisen tilin.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The passwords must be at least 6 characters long and must contain at least 2 letters, case-sensitive!</source>
        <translation>Salasanassa on oltava vähintään 6 merkkiä, joista vähintään 2 kirjaimia. Isot ja pienet kirjaimet erotellaan!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The passwords don&apos;t match! Please try again!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Varoitus&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Salasanat eivät täsmää! Yritä uudelleen!</translation>
    </message>
    <message>
        <source>Input wrong password, please check!</source>
        <translation>Väärä salasana, tarkista!</translation>
    </message>
    <message>
        <source>Two times input password are not the same!</source>
        <translation>Salasanat eivät ole samat!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Cannot detect your wired connection?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Please close this lightbox and click &lt;b&gt;Back&lt;/b&gt; button to previous page. Follow the instruction to install the camera again.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Eikö kiinteää yhteyttä löydy?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Sulje tämä ikkuna ja palaa edelliselle sivulle napsauttamalla &lt;b&gt;Takaisin&lt;/b&gt;. Asenna kamera uudelleen ohjeiden mukaan.</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>Kiinteä IP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>The camera did not confirm the new password, so it may still have none. Check that the camera is on and connected, then try again.</source>
        <translation>Kamera ei vahvistanut uutta salasanaa, joten sillä ei ehkä vieläkään ole salasanaa. Tarkista, että kamera on päällä ja yhdistetty, ja yritä uudelleen.</translation>
    </message>
    <message>
        <source>Retry    </source>
        <translation>Uudelleen    </translation>
    </message>
</context>
<context>
    <name>welcomePage</name>
    <message>
        <source>Please select:</source>
        <translation>Valitse:</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englanti</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Ranska</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Venäjä</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espanja</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>Portugali (Portugali)</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>Portugali (Brasilia)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japani</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Perinteinen kiina</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Yksinkertaistettu kiina</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korea</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tšekki</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Tanska</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Saksa</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Kreikka</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Kroatia</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Unkari</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italia</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Hollanti</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norja</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Puola</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Romania</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Sloveeni</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Ruotsi</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Suomi</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Vianmääritys</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Oppaat ja lataukset</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tietoja</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Lopeta</translation>
    </message>
    <message>
        <source>Start    </source>
        <translation>Aloita    </translation>
    </message>
    <message>
        <source>Select your lauguage:</source>
        <translation>Valitse kieli:</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Kaikki oikeudet pidätetään.</translation>
    </message>
    <message>
        <source>Welcome </source>
        <translation>Tervetuloa </translation>
    </message>
    <message>
        <source>Welcome to the IP camera Camguide. This wizard will help you easily setup the Internet camera, register skyvue web site for remote view and other interesting online services.</source>
        <translation>Tervetuloa IP-kameroiden Camguideen. Tämä ohjattu toiminto auttaa sinua ottamaan internetkameran helposti käyttöön ja rekisteröitymään skyvue-sivustoon etäkatselua ja muita kiinnostavia verkkopalveluja varten.</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Sulje    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Tietoja: </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Varoitus:&lt;/b&gt; Tämä ohjelma on tekijänoikeuslakien ja kansainvälisten sopimusten suojaama. Tämän ohjelman tai sen osan luvaton kopioiminen tai levittäminen voi johtaa ankariin siviili- ja rikosoikeudellisiin seuraamuksiin.&lt;br&gt;</translation>
    </message>
</context>
</TS>
