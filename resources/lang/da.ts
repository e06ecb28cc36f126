<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Another Camguide is already running.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advarsel&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Camguide kører allerede.</translation>
    </message>
    <message>
        <source>MyCamera</source>
        <translation>MitKamera</translation>
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
        <translation>Fejlfinding</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Vejledninger og downloads</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afslut</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Alle rettigheder forbeholdes.</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Luk    </translation>
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
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Advarsel:&lt;/b&gt; Dette program er beskyttet af lov om ophavsret og internationale traktater. Uautoriseret gengivelse eller distribution af dette program eller dele heraf kan medføre alvorlige civil- og strafferetlige sanktioner.&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>connectPage</name>
    <message>
        <source>plug</source>
        <translation>Tilslut</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Vælg</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Forbind</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advarsel&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Lyser Link-LED’en på kameraet grønt?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Lyser Power/Link-LED’en på kameraet grønt?</translation>
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
        <translation>Genstart    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Luk    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Hold nulstillingsknappen (Reset) inde i mindst 6 sekunder, mens kameraet er tilsluttet. Klik på &lt;b&gt;Genstart&lt;/b&gt;, når kameraet er nulstillet, for at fortsætte.</translation>
    </message>
    <message>
        <source>Connect to the network</source>
        <translation>Forbind til netværket</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Slut netværkskablet til Ethernet-porten bag på kameraet.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Slut den anden ende af kablet til en ledig LAN-port på routeren.</translation>
    </message>
    <message>
        <source>3.The LED on the camera will turn solid green when the device is ready.</source>
        <translation>3. LED’en på kameraet lyser konstant grønt, når enheden er klar.</translation>
    </message>
    <message>
        <source>1.Unplug the Ethernet cable from the camera.</source>
        <translation>1. Tag netværkskablet ud af kameraet.</translation>
    </message>
    <message>
        <source>2.Press the WPS button on the back of your camera and the WPS LED will start to flash blue.</source>
        <translation>2. Tryk på WPS-knappen bag på kameraet. WPS-LED’en begynder at blinke blåt.</translation>
    </message>
    <message>
        <source>3.You now  one minute to press the WPS button on your router.</source>
        <translation>3. Du har nu ét minut til at trykke på WPS-knappen på routeren.</translation>
    </message>
    <message>
        <source>4.Once your camera has established a connection, the WPS LED will turn solid blue, the LED in front of the camera will turn to flash green.</source>
        <translation>4. Når kameraet har oprettet forbindelse, lyser WPS-LED’en konstant blåt, og LED’en foran på kameraet begynder at blinke grønt.</translation>
    </message>
    <message>
        <source>Current connection(*):</source>
        <translation>Aktuel forbindelse (*):</translation>
    </message>
    <message>
        <source>How would you connect your camera to the router?</source>
        <translation>Hvordan vil du forbinde kameraet til routeren?</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Kabelforbindelse&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Ethernet cable</source>
        <translation>Med netværkskabel</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Trådløs forbindelse&lt;/b&gt;</translation>
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
        <translation>Ved at vælge et trådløst netværk</translation>
    </message>
    <message>
        <source>Available wireless network</source>
        <translation>Tilgængelige trådløse netværk</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Søg igen    </translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Adgangskode:</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. På kameraet</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. På routeren</translation>
    </message>
    <message>
        <source>3. Check LED turns green</source>
        <translation>3. LED’en lyser grønt</translation>
    </message>
    <message>
        <source>1. Unplug the Ethernet cable</source>
        <translation>1. Tag netværkskablet ud</translation>
    </message>
    <message>
        <source>2. On the camera side</source>
        <translation>2. På kameraet</translation>
    </message>
    <message>
        <source>3. On the router side</source>
        <translation>3. På routeren</translation>
    </message>
    <message>
        <source>4. Check LED turns flash green</source>
        <translation>4. LED’en blinker grønt</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Tilbage</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Næste    </translation>
    </message>
    <message>
        <source>Checking Internet connection</source>
        <translation>Kontrollerer internetforbindelsen</translation>
    </message>
    <message>
        <source>(Current connection(*): &lt;b&gt;</source>
        <translation>(Aktuel forbindelse (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>Wireless connection&lt;/b&gt;)</source>
        <translation>Trådløs forbindelse&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Trådløs forbindelse*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Wired connection&lt;/b&gt;)</source>
        <translation>Kabelforbindelse&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Kabelforbindelse*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Hvad gør jeg, hvis Link-LED’en ikke lyser?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Hvad gør jeg, hvis LED’en bliver ved med at lyse rødt?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*where is my WPS button?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Hvor er WPS-knappen?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Having problems connecting?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Problemer med at oprette forbindelse?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Hvad gør jeg, hvis Link-LED’en ikke lyser?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Kontrollér følgende:&lt;ul&gt;&lt;li&gt;Sørg for, at kablerne sidder ordentligt fast.&lt;/li&gt;&lt;li&gt;Genstart kameraet ved at tage strømmen fra og til.&lt;/li&gt;&lt;li&gt;Hvis Link-LED’en stadig ikke lyser, kan du prøve at &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;nulstille kameraet&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Kontrollér, at modem eller router virker, og at kameraets forbindelses-LED’er lyser.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Hvad gør jeg, hvis LED’en bliver ved med at lyse rødt?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Kontrollér følgende:&lt;ul&gt;&lt;li&gt;Sørg for, at kablerne sidder ordentligt fast.&lt;/li&gt;&lt;li&gt;Genstart kameraet ved at tage strømmen fra og til.&lt;/li&gt;&lt;li&gt;Hvis kameraets LED stadig lyser rødt, kan du prøve at &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;nulstille kameraet&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Kontrollér, at modem eller router virker, og at kameraets forbindelses-LED’er lyser.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check your router&apos;s user manual for more details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Hvad er WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Med Wi-Fi Protected Setup (WPS) kan du hurtigt, nemt og automatisk oprette en sikker trådløs forbindelse. &lt;br&gt;&lt;br&gt;Routerens WPS-knap er normalt en lille knap på siden af routeren. På nogle routere skal du logge på webgrænsefladen og klikke på en knap på skærmen for at aktivere WPS-funktionen. Se routerens brugervejledning for at få flere oplysninger.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check the user manual for your router for details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Hvad er WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Med Wi-Fi Protected Setup (WPS) kan du hurtigt, nemt og automatisk oprette en sikker trådløs forbindelse. &lt;br&gt;&lt;br&gt;Routerens WPS-knap er normalt en lille knap på siden af routeren. På nogle routere skal du logge på webgrænsefladen og klikke på en knap på skærmen for at aktivere WPS-funktionen. Se routerens brugervejledning for at få flere oplysninger.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Having problems connecting your camera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;If you are having problems connecting your camera using WPS, check the following:&lt;ul&gt;&lt;li&gt;Your camera may be out of range.Try connecting your camera from the same room as your router.&lt;/li&gt;&lt;li&gt;Make sure your router has a WPS button.Check your router&apos;s user manual for details. &lt;/li&gt;&lt;/ul&gt;If you are still having trouble connecting your camera using WPS, you can select wireless network manually or simply use a wired connection.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Problemer med at forbinde kameraet?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Hvis du har problemer med at forbinde kameraet med WPS, skal du kontrollere følgende:&lt;ul&gt;&lt;li&gt;Kameraet er måske uden for rækkevidde. Prøv at forbinde kameraet i samme rum som routeren.&lt;/li&gt;&lt;li&gt;Sørg for, at routeren har en WPS-knap. Se routerens brugervejledning for at få flere oplysninger. &lt;/li&gt;&lt;/ul&gt;Hvis du stadig har problemer med at forbinde kameraet med WPS, kan du vælge det trådløse netværk manuelt eller blot bruge en kabelforbindelse.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Please plug in the cable. click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Sæt kablet i. Klik på &lt;b&gt;OK&lt;/b&gt;, når du er færdig.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Now you can unplug the Ethernet cable from the camera and click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Nu kan du tage netværkskablet ud af kameraet. Klik på &lt;b&gt;OK&lt;/b&gt;, når du er færdig.</translation>
    </message>
    <message>
        <source>OK	</source>
        <translation>OK	</translation>
    </message>
    <message>
        <source>The camera has already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;Close&lt;/b&gt; just re-configure the camera!</source>
        <translation>Kameraet er allerede registreret. Klik på &lt;b&gt;Nulstil&lt;/b&gt; for at genstarte programmet og nulstille kameraet, eller klik på &lt;b&gt;Luk&lt;/b&gt; for kun at konfigurere kameraet igen.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Nulstil    </translation>
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
        <translation>Kameraet kan ikke oprette forbindelse til skyvue-serveren. Klik på &lt;b&gt;Prøv igen&lt;/b&gt; for at kontrollere igen, eller klik på &lt;b&gt;Luk&lt;/b&gt; for at fortsætte uden at logge på skyvue.</translation>
    </message>
    <message>
        <source>Retry	 </source>
        <translation>Prøv igen	 </translation>
    </message>
    <message>
        <source>Close	 </source>
        <translation>Luk	 </translation>
    </message>
    <message>
        <source>Check your cable connection please.&lt;br&gt;</source>
        <translation>Kontrollér kabelforbindelsen.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The wireless connection failed. Please connect the Ethernet cable and select the wireless network again.&lt;br&gt;</source>
        <translation>Den trådløse forbindelse mislykkedes. Sæt netværkskablet i, og vælg det trådløse netværk igen.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Gemmer netværksindstillinger</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Genstarter netværket</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Kontrollerer internetforbindelsen</translation>
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
        <translation>&lt;b&gt;Flere oplysninger&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Camera IP address:</source>
        <translation>Kameraets IP-adresse:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Undernetmaske:</translation>
    </message>
    <message>
        <source>Gateway IP address:</source>
        <translation>Gatewayens IP-adresse:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>Primær DNS:</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>Sekundær DNS</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Trådløs</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>Wireless SSID:</source>
        <translation>Trådløst SSID:</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>ikke relevant</translation>
    </message>
    <message>
        <source>Connection mode:</source>
        <translation>Forbindelsestilstand:</translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation>Godkendelse:</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Kryptering:</translation>
    </message>
    <message>
        <source>Key/password:</source>
        <translation>Nøgle/adgangskode:</translation>
    </message>
    <message>
        <source>&lt;b&gt; Internet connection&lt;/b&gt;</source>
        <translation>&lt;b&gt; Internetforbindelse&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Connection type&lt;/b&gt;</source>
        <translation>&lt;b&gt; Forbindelsestype&lt;/b&gt;</translation>
    </message>
    <message>
        <source>skyvue no.:</source>
        <translation>skyvue-nr.:</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Admin-konto:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Adgangskode:</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>&lt;b&gt; skyvue info&lt;/b&gt;</source>
        <translation>&lt;b&gt; skyvue-oplysninger&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Camera web page&lt;/b&gt;</source>
        <translation>&lt;b&gt; Kameraets webside&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your Internet connection&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Skift internetforbindelse&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your connection type&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Skift forbindelsestype&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Luk    </translation>
    </message>
</context>
<context>
    <name>failedPage</name>
    <message>
        <source>plug</source>
        <translation>Tilslut</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Vælg</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Forbind</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advarsel&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Connect your camera</source>
        <translation>Forbind kameraet</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Gemmer netværksindstillinger</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Genstarter netværket</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Kontrollerer internetforbindelsen</translation>
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
        <translation>IP-adresse</translation>
    </message>
    <message>
        <source>Submask</source>
        <translation>undernetmaske</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>gateway</translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation>primær DNS</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>sekundær DNS</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-adresse:</translation>
    </message>
    <message>
        <source>Submask:</source>
        <translation>Undernetmaske:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>Primær DNS:</translation>
    </message>
    <message>
        <source>Secondary DNS:</source>
        <translation>Sekundær DNS:</translation>
    </message>
    <message>
        <source>How would you connect your camera to the Internet?</source>
        <translation>Hvordan vil du forbinde kameraet til internettet?</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)</source>
        <translation>Brugernavn og adgangskode (PPPoE)</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Bruger:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Kode:</translation>
    </message>
    <message>
        <source>Enter static IP address</source>
        <translation>Angiv statisk IP-adresse</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)*</source>
        <translation>Dynamisk IP-adresse (DHCP)*</translation>
    </message>
    <message>
        <source>Use in the intranet for local view only.</source>
        <translation>Kun til lokal visning på intranettet.</translation>
    </message>
    <message>
        <source>The PPPoE is a network 
protocol mainly used with DSL 
services.</source>
        <translation>PPPoE er en netværks-
protokol, der primært bruges
til DSL-forbindelser.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Tilbage</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Næste    </translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Indlæser, vent venligst</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP address</source>
        <translation>Statisk IP-adresse</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)</source>
        <translation>Dynamisk IP-adresse (DHCP)</translation>
    </message>
    <message>
        <source>(Current Internet connection(*): &lt;b&gt;</source>
        <translation>(Aktuel internetforbindelse (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>&lt;/b&gt;)</source>
        <translation>&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)*</source>
        <translation>Brugernavn og adgangskode (PPPoE)*</translation>
    </message>
    <message>
        <source>Enter static IP address*</source>
        <translation>Angiv statisk IP-adresse*</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Luk    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid username!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advarsel&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Ugyldigt brugernavn!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid password.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advarsel&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Ugyldig adgangskode.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advarsel&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Ugyldig<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </translation>
    </message>
    <message>
        <source>!</source>
        <translation>!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Connection is failed.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advarsel&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Forbindelsen mislykkedes.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The camera have already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;OK&lt;/b&gt; just re-configure the camera!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advarsel&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Kameraet er allerede registreret. Klik på &lt;b&gt;Nulstil&lt;/b&gt; for at genstarte programmet og nulstille kameraet, eller klik på &lt;b&gt;OK&lt;/b&gt; for kun at konfigurere kameraet igen.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Nulstil    </translation>
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
        <translation>Tilslut</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Vælg</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Forbind</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advarsel&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Da kameraet ikke har internetforbindelse ( &lt;a href = Setup again&gt;&lt;font size=3 color=#638c0b&gt;Konfigurer igen&lt;/font&gt;&lt;/a&gt; ), kan du ikke logge på skyvue-webstedet for at se kameraet eksternt.
</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Du kan stadig se kameraet lokalt via IP-adressen nedenfor.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Kontonavn:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Tilføj genvej på skrivebordet og bogmærke til kameraets IP-adresse.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Tilmeld dig skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-adresse:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Adgangskode:</translation>
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
        <translation> Kameranavn:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Flere detaljer om kameraet.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Udført    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Genvejen kunne ikke oprettes helt.</translation>
    </message>
</context>
<context>
    <name>joinPage1</name>
    <message>
        <source>plug</source>
        <translation>Tilslut</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Vælg</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Forbind</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advarsel&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Lyser Link-LED’en på kameraet grønt?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Lyser Power/Link-LED’en på kameraet grønt?</translation>
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
        <translation>Genstart    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Luk    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Hold nulstillingsknappen (Reset) inde i mindst 6 sekunder, mens kameraet er tilsluttet. Klik på &lt;b&gt;Genstart&lt;/b&gt;, når kameraet er nulstillet, for at fortsætte.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Tilmeld dig skyvue</translation>
    </message>
    <message>
        <source>The camera has previously registered with a skyvue account, you can login on &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; or mobile application to enjoy remote view. If you want to re-configure your account and device, you may &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;hard reset&lt;/font&gt;&lt;/a&gt; the camera and create or register with a new account.</source>
        <translation>Kameraet er allerede registreret med en skyvue-konto. Du kan logge på &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; eller i mobilappen for at se kameraet eksternt. Hvis du vil konfigurere din konto og enhed igen, kan du &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;nulstille kameraet helt&lt;/font&gt;&lt;/a&gt; og oprette eller registrere en ny konto.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Hvorfor skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Nem opsætning&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS setting, firewall roadblock, or all the trouble some configurations on cameras or viewing clients.</source>
        <translation>Du slipper for besværlige indstillinger af dynamisk DNS, forhindringer i firewallen og alle de bøvlede konfigurationer af kameraer og visningsprogrammer.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Nem adgang&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Se kameraet hvor som helst&lt;/b&gt;</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Tilbage</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Næste    </translation>
    </message>
</context>
<context>
    <name>joinPage2</name>
    <message>
        <source>plug</source>
        <translation>Tilslut</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Vælg</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Forbind</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advarsel&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Tilmeld dig skyvue</translation>
    </message>
    <message>
        <source>Do you have a skyvue account ?</source>
        <translation>Har du en skyvue-konto?</translation>
    </message>
    <message>
        <source>&amp;Yes, I already have a skyvue account.</source>
        <translation>&amp;Ja, jeg har allerede en skyvue-konto.</translation>
    </message>
    <message>
        <source>&amp;No, I need to sign up for a new account.</source>
        <translation>&amp;Nej, jeg vil oprette en ny konto.</translation>
    </message>
    <message>
        <source>I &amp;don&apos;t want to sign up right now.</source>
        <translation>Jeg vil ikke &amp;tilmelde mig lige nu.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Hvorfor skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Nem opsætning&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS settings,firewall roadblock,or all the troublesome configurations on cameras or viewing clients.</source>
        <translation>Du slipper for besværlige indstillinger af dynamisk DNS, forhindringer i firewallen og alle de bøvlede konfigurationer af kameraer og visningsprogrammer.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Nem adgang&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For using skyvue web service such as to manage all your cameras in one place.</source>
        <translation>Brug skyvue-webtjenesten til fx at administrere alle dine kameraer ét sted.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Se kameraet hvor som helst&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For viewing your cameras from anywhere through a web browser or a mobile device.</source>
        <translation>Se dine kameraer hvor som helst via en webbrowser eller en mobilenhed.</translation>
    </message>
    <message>
        <source>Please enter your skyvue account.</source>
        <translation>Angiv din skyvue-konto.</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Kode:</translation>
    </message>
    <message>
        <source>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Forgot password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Glemt adgangskode?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm Password:</source>
        <translation>Bekræft kode:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Fornavn:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Efternavn:</translation>
    </message>
    <message>
        <source>I would like to receive emails for latest services and products from skyvue.</source>
        <translation>Jeg vil gerne modtage e-mails om de nyeste tjenester og produkter fra skyvue.</translation>
    </message>
    <message>
        <source>I accept skyvue &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;terms and conditions&lt;/font&gt;&lt;/a&gt;.</source>
        <translation>Jeg accepterer skyvues &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;vilkår og betingelser&lt;/font&gt;&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Tilbage</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Næste    </translation>
    </message>
    <message>
        <source>&lt;b&gt;Loading, please wait....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Indlæser, vent venligst....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Luk    </translation>
    </message>
    <message>
        <source>Please select your camera.</source>
        <translation>Vælg dit kamera.</translation>
    </message>
    <message>
        <source>Invalid email!</source>
        <translation>Ugyldig e-mailadresse!</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>Ugyldig adgangskode!</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match, please try again.</source>
        <translation>Adgangskoderne er ikke ens. Prøv igen.</translation>
    </message>
    <message>
        <source>You must accept the terms and conditions to continue.</source>
        <translation>Du skal acceptere vilkårene og betingelserne for at fortsætte.</translation>
    </message>
    <message>
        <source>Please select an option.</source>
        <translation>Vælg en mulighed.</translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Indlæser, vent venligst</translation>
    </message>
    <message>
        <source>Timeout, please retry.</source>
        <translation>Tidsgrænsen blev overskredet. Prøv igen.</translation>
    </message>
    <message>
        <source>The camera gave no valid portal address.</source>
        <translation>Kameraet angav ikke en gyldig portaladresse.</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>Ukendt fejl!</translation>
    </message>
    <message>
        <source>Since you forgot your skyvue account&apos;s password. click &lt;b&gt;OK&lt;/b&gt; button will direct you to skyvue portal to retrieve the password. Please follow the instructions on the web page.</source>
        <translation>Du har glemt adgangskoden til din skyvue-konto. Når du klikker på &lt;b&gt;OK&lt;/b&gt;, kommer du til skyvue-portalen, hvor du kan få en ny adgangskode. Følg vejledningen på websiden.</translation>
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
        <translation>Tilslut</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Vælg</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Forbind</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advarsel&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source> Now you can use the information below to login &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.    click &lt;b&gt;Done&lt;/b&gt; to visit skyvue website to see camera live view.</source>
        <translation> Nu kan du bruge oplysningerne nedenfor til at logge på &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;-webstedet.    Klik på &lt;b&gt;Udført&lt;/b&gt; for at gå til skyvue-webstedet og se kameraets livebillede.</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source> You can also learn more about mobile applications for your iPhone &amp; Android phone on &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.&lt;br&gt;</source>
        <translation> Du kan også læse mere om mobilapps til iPhone og Android på &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;-webstedet.&lt;br&gt;</translation>
    </message>
    <message>
        <source>  Add the shortcut of skyvue to my desktop and browser bookmark.</source>
        <translation>  Tilføj en genvej til skyvue på skrivebordet og et bogmærke i browseren.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Tilmeld dig skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-adresse:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Kode:</translation>
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
        <translation> Kameranavn:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Flere detaljer om kameraet.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Udført    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Genvejen kunne ikke oprettes helt.</translation>
    </message>
</context>
<context>
    <name>joinPage4</name>
    <message>
        <source>plug</source>
        <translation>Tilslut</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Vælg</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Forbind</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advarsel&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Hvis du vælger ikke at registrere kameraet hos skyvue, går du glip af fordele som ekstern visning og mobilappen fra skyvue.</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Du kan stadig se kameraet lokalt via IP-adressen nedenfor.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Kontonavn:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Tilføj genvej på skrivebordet og bogmærke til kameraets IP-adresse.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Tilmeld dig skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-adresse:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Adgangskode:</translation>
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
        <translation> Kameranavn:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Flere detaljer om kameraet.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Udført    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Genvejen kunne ikke oprettes helt.</translation>
    </message>
</context>
<context>
    <name>plugPage</name>
    <message>
        <source>plug</source>
        <translation>Tilslut</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Vælg</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Forbind</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advarsel&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Lyser Link-LED’en på kameraet grønt?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Lyser Power/Link-LED’en på kameraet grønt?</translation>
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
        <translation>Genstart    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Luk    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Hold nulstillingsknappen (Reset) inde i mindst 6 sekunder, mens kameraet er tilsluttet. Klik på &lt;b&gt;Genstart&lt;/b&gt;, når kameraet er nulstillet, for at fortsætte.</translation>
    </message>
    <message>
        <source>Plug your camera</source>
        <translation>Tilslut kameraet</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Slut netværkskablet til Ethernet-porten bag på kameraet.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Slut den anden ende af kablet til en ledig LAN-port på routeren.</translation>
    </message>
    <message>
        <source>3.Connect the power adapter to the power jack on the back of the camera and plug the other end into the power outlet.</source>
        <translation>3. Slut strømadapteren til strømstikket bag på kameraet, og sæt den anden ende i en stikkontakt.</translation>
    </message>
    <message>
        <source>4.The LED on the camera will turn green when the device is ready.</source>
        <translation>4. LED’en på kameraet lyser grønt, når enheden er klar.</translation>
    </message>
    <message>
        <source>*Could use Wi-Fi Protected Setup (WPS) instead.</source>
        <translation>*Du kan også bruge Wi-Fi Protected Setup (WPS).</translation>
    </message>
    <message>
        <source>Please confirm the following tasks are done before clicking &lt;b&gt;Next&lt;/b&gt;.</source>
        <translation>Bekræft, at følgende trin er udført, før du klikker på &lt;b&gt;Næste&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. På kameraet</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. På routeren</translation>
    </message>
    <message>
        <source>3. Plug power adapter</source>
        <translation>3. Tilslut strømadapteren</translation>
    </message>
    <message>
        <source>4. Check LED turns solid green</source>
        <translation>4. LED’en lyser konstant grønt</translation>
    </message>
    <message>
        <source>You can also use WPS button to&lt;br&gt;establish connection in this step&lt;br&gt;or follow the instruction in later step.</source>
        <translation>Du kan også bruge WPS-knappen til&lt;br&gt;at oprette forbindelse i dette trin&lt;br&gt;eller følge vejledningen senere.</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Næste    </translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Hvad gør jeg, hvis Link-LED’en ikke lyser?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Hvad gør jeg, hvis LED’en bliver ved med at lyse rødt?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Hvad gør jeg, hvis Link-LED’en ikke lyser?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Kontrollér følgende:&lt;ul&gt;&lt;li&gt;Sørg for, at kablerne sidder ordentligt fast.&lt;/li&gt;&lt;li&gt;Genstart kameraet ved at tage strømmen fra og til.&lt;/li&gt;&lt;li&gt;Hvis Link-LED’en stadig ikke lyser, kan du prøve at &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;nulstille kameraet&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Kontrollér, at modem eller router virker, og at kameraets forbindelses-LED’er lyser.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Hvad gør jeg, hvis LED’en bliver ved med at lyse rødt?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Kontrollér følgende:&lt;ul&gt;&lt;li&gt;Sørg for, at kablerne sidder ordentligt fast.&lt;/li&gt;&lt;li&gt;Genstart kameraet ved at tage strømmen fra og til.&lt;/li&gt;&lt;li&gt;Hvis kameraets LED stadig lyser rødt, kan du prøve at &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;nulstille kameraet&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Kontrollér, at modem eller router virker, og at kameraets forbindelses-LED’er lyser.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
</context>
<context>
    <name>selectPage</name>
    <message>
        <source>plug</source>
        <translation>Tilslut</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Vælg</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Forbind</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advarsel&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Lyser Link-LED’en på kameraet grønt?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Lyser Power/Link-LED’en på kameraet grønt?</translation>
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
        <translation>Genstart    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Luk    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Hold nulstillingsknappen (Reset) inde i mindst 6 sekunder, mens kameraet er tilsluttet. Klik på &lt;b&gt;Genstart&lt;/b&gt;, når kameraet er nulstillet, for at fortsætte.</translation>
    </message>
    <message>
        <source>Select your camera</source>
        <translation>Vælg dit kamera</translation>
    </message>
    <message>
        <source>Select your camera from the list and click &lt;b&gt;Next&lt;/b&gt; when you complete.</source>
        <translation>Vælg dit kamera på listen, og klik på &lt;b&gt;Næste&lt;/b&gt;, når du er færdig.</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>MAC ID</source>
        <translation>MAC-id</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-adresse</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Forbindelse</translation>
    </message>
    <message>
        <source>MAC ID is a unique identifier
assigned to network interfaces
for communications on the
physical network.</source>
        <translation>MAC-id er et entydigt id, der
tildeles netværksgrænseflader
til kommunikation på det
fysiske netværk.</translation>
    </message>
    <message>
        <source>Registered to skyvue</source>
        <translation>Registreret hos skyvue</translation>
    </message>
    <message>
        <source>Not registered</source>
        <translation>Ikke registreret</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Trådløs</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;MAC ID&lt;/b&gt; on the back of your camera.</source>
        <translation>Du finder &lt;b&gt;MAC-id&lt;/b&gt; bag på kameraet.</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Cannot find your camera from the list ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Kan du ikke finde kameraet på listen?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Enter a password to secure your camera</source>
        <translation>Beskyt kameraet med en adgangskode</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Admin-konto:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Adgangskode:</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Forgot my camera password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Glemt adgangskoden?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Gentag kode:</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      Tilbage</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Søg igen    </translation>
    </message>
    <message>
        <source>Next      </source>
        <translation>Næste      </translation>
    </message>
    <message>
        <source>&lt;b&gt;Searching camera....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Søger efter kamera....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Confirm your camera password</source>
        <translation>Bekræft kameraets adgangskode</translation>
    </message>
    <message>
        <source>Searching camera</source>
        <translation>Søger efter kamera</translation>
    </message>
    <message>
        <source>Saving camera&apos;s password</source>
        <translation>Gemmer kameraets adgangskode</translation>
    </message>
    <message>
        <source>Retrieving the camera&apos;s password</source>
        <translation>Henter kameraets adgangskode</translation>
    </message>
    <message>
        <source>The camera you select has already been registered to skyvue. You have to enter the correct camera password and skyvue account later or &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt; to register another account.&lt;br&gt;</source>
        <translation>Det valgte kamera er allerede registreret hos skyvue. Angiv senere kameraets adgangskode og din skyvue-konto, eller &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;nulstille kameraet&lt;/font&gt;&lt;/a&gt; for at registrere en anden konto.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The passwords must be at least 6 characters long and must contain at least 2 letters, case-sensitive!</source>
        <translation>Adgangskoden skal være på mindst 6 tegn og indeholde mindst 2 bogstaver. Der skelnes mellem store og små bogstaver!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The passwords don&apos;t match! Please try again!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Advarsel&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Adgangskoderne er ikke ens! Prøv igen!</translation>
    </message>
    <message>
        <source>Input wrong password, please check!</source>
        <translation>Forkert adgangskode. Kontrollér den!</translation>
    </message>
    <message>
        <source>Two times input password are not the same!</source>
        <translation>De to adgangskoder er ikke ens!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Cannot detect your wired connection?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Please close this lightbox and click &lt;b&gt;Back&lt;/b&gt; button to previous page. Follow the instruction to install the camera again.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Kan kabelforbindelsen ikke findes?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Luk dette vindue, og klik på &lt;b&gt;Tilbage&lt;/b&gt; for at gå til den forrige side. Følg vejledningen for at installere kameraet igen.</translation>
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
        <translation>Kameraet bekræftede ikke den nye adgangskode, så det har måske stadig ingen. Kontrollér, at kameraet er tændt og tilsluttet, og prøv igen.</translation>
    </message>
    <message>
        <source>Retry    </source>
        <translation>Prøv igen    </translation>
    </message>
</context>
<context>
    <name>welcomePage</name>
    <message>
        <source>Please select:</source>
        <translation>Vælg:</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Engelsk</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Fransk</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisk</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spansk</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>Portugisisk (Portugal)</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>Portugisisk (Brasilien)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japansk</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Traditionelt kinesisk</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Forenklet kinesisk</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreansk</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tjekkisk</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dansk</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tysk</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Græsk</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Kroatisk</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Ungarsk</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiensk</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nederlandsk</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norsk</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polsk</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumænsk</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slovensk</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Svensk</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finsk</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Fejlfinding</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Vejledninger og downloads</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afslut</translation>
    </message>
    <message>
        <source>Start    </source>
        <translation>Start    </translation>
    </message>
    <message>
        <source>Select your lauguage:</source>
        <translation>Vælg dit sprog:</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Alle rettigheder forbeholdes.</translation>
    </message>
    <message>
        <source>Welcome </source>
        <translation>Velkommen </translation>
    </message>
    <message>
        <source>Welcome to the IP camera Camguide. This wizard will help you easily setup the Internet camera, register skyvue web site for remote view and other interesting online services.</source>
        <translation>Velkommen til Camguide til IP-kameraer. Denne guide hjælper dig med nemt at konfigurere internetkameraet og registrere dig på skyvue-webstedet til ekstern visning og andre spændende onlinetjenester.</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Luk    </translation>
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
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Advarsel:&lt;/b&gt; Dette program er beskyttet af lov om ophavsret og internationale traktater. Uautoriseret gengivelse eller distribution af dette program eller dele heraf kan medføre alvorlige civil- og strafferetlige sanktioner.&lt;br&gt;</translation>
    </message>
</context>
</TS>
