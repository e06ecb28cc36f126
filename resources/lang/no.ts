<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="no" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Another Camguide is already running.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advarsel&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Camguide kjører allerede.</translation>
    </message>
    <message>
        <source>MyCamera</source>
        <translation>MittKamera</translation>
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
        <translation>Feilsøking</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Håndbøker og nedlastinger</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Med enerett.</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Lukk    </translation>
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
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Advarsel:&lt;/b&gt; Dette programmet er beskyttet av lov om opphavsrett og internasjonale avtaler. Uautorisert kopiering eller distribusjon av dette programmet eller deler av det kan føre til strenge sivilrettslige og strafferettslige sanksjoner.&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>connectPage</name>
    <message>
        <source>plug</source>
        <translation>Koble til</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Nettverk</translation>
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
        <translation>Lyser Link-lampen på kameraet grønt?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Lyser Power/Link-lampen på kameraet grønt?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nei</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Start på nytt    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Lukk    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Hold tilbakestillingsknappen (Reset) inne i minst 6 sekunder mens kameraet er tilkoblet. Klikk på &lt;b&gt;Start på nytt&lt;/b&gt; når kameraet er tilbakestilt, for å fortsette.</translation>
    </message>
    <message>
        <source>Connect to the network</source>
        <translation>Koble til nettverket</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Koble nettverkskabelen til Ethernet-porten bak på kameraet.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Koble den andre enden av kabelen til en ledig LAN-port på ruteren.</translation>
    </message>
    <message>
        <source>3.The LED on the camera will turn solid green when the device is ready.</source>
        <translation>3. Lampen på kameraet lyser fast grønt når enheten er klar.</translation>
    </message>
    <message>
        <source>1.Unplug the Ethernet cable from the camera.</source>
        <translation>1. Koble nettverkskabelen fra kameraet.</translation>
    </message>
    <message>
        <source>2.Press the WPS button on the back of your camera and the WPS LED will start to flash blue.</source>
        <translation>2. Trykk på WPS-knappen bak på kameraet. WPS-lampen begynner å blinke blått.</translation>
    </message>
    <message>
        <source>3.You now  one minute to press the WPS button on your router.</source>
        <translation>3. Du har nå ett minutt på deg til å trykke på WPS-knappen på ruteren.</translation>
    </message>
    <message>
        <source>4.Once your camera has established a connection, the WPS LED will turn solid blue, the LED in front of the camera will turn to flash green.</source>
        <translation>4. Når kameraet har koblet til, lyser WPS-lampen fast blått, og lampen foran på kameraet begynner å blinke grønt.</translation>
    </message>
    <message>
        <source>Current connection(*):</source>
        <translation>Gjeldende tilkobling (*):</translation>
    </message>
    <message>
        <source>How would you connect your camera to the router?</source>
        <translation>Hvordan vil du koble kameraet til ruteren?</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Kablet tilkobling&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Ethernet cable</source>
        <translation>Med nettverkskabel</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Trådløs tilkobling&lt;/b&gt;</translation>
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
        <translation>Ved å velge et trådløst nettverk</translation>
    </message>
    <message>
        <source>Available wireless network</source>
        <translation>Tilgjengelige trådløse nettverk</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Søk    </translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passord:</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. På kameraet</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. På ruteren</translation>
    </message>
    <message>
        <source>3. Check LED turns green</source>
        <translation>3. Lampen lyser grønt</translation>
    </message>
    <message>
        <source>1. Unplug the Ethernet cable</source>
        <translation>1. Koble fra nettverkskabelen</translation>
    </message>
    <message>
        <source>2. On the camera side</source>
        <translation>2. På kameraet</translation>
    </message>
    <message>
        <source>3. On the router side</source>
        <translation>3. På ruteren</translation>
    </message>
    <message>
        <source>4. Check LED turns flash green</source>
        <translation>4. Lampen blinker grønt</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Tilbake</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Neste    </translation>
    </message>
    <message>
        <source>Checking Internet connection</source>
        <translation>Kontrollerer Internett-tilkoblingen</translation>
    </message>
    <message>
        <source>(Current connection(*): &lt;b&gt;</source>
        <translation>(Gjeldende tilkobling (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>Wireless connection&lt;/b&gt;)</source>
        <translation>Trådløs tilkobling&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Trådløs tilkobling*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Wired connection&lt;/b&gt;)</source>
        <translation>Kablet tilkobling&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Kablet tilkobling*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Hva gjør jeg hvis Link-lampen ikke lyser?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Hva gjør jeg hvis lampen fortsetter å lyse rødt?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*where is my WPS button?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Hvor er WPS-knappen?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Having problems connecting?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Problemer med å koble til?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Hva gjør jeg hvis Link-lampen ikke lyser?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Kontroller følgende:&lt;ul&gt;&lt;li&gt;Kontroller at kablene sitter godt fast.&lt;/li&gt;&lt;li&gt;Start kameraet på nytt ved å koble strømmen fra og til.&lt;/li&gt;&lt;li&gt;Hvis Link-lampen fortsatt ikke lyser, kan du prøve å &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;tilbakestille kameraet&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Kontroller at modemet eller ruteren virker, og at kameraets tilkoblingslamper lyser.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Hva gjør jeg hvis lampen fortsetter å lyse rødt?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Kontroller følgende:&lt;ul&gt;&lt;li&gt;Kontroller at kablene sitter godt fast.&lt;/li&gt;&lt;li&gt;Start kameraet på nytt ved å koble strømmen fra og til.&lt;/li&gt;&lt;li&gt;Hvis lampen på kameraet fortsatt lyser rødt, kan du prøve å &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;tilbakestille kameraet&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Kontroller at modemet eller ruteren virker, og at kameraets tilkoblingslamper lyser.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check your router&apos;s user manual for more details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Hva er WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Med Wi-Fi Protected Setup (WPS) kan du raskt, enkelt og automatisk opprette en sikker trådløs tilkobling. &lt;br&gt;&lt;br&gt;WPS-knappen på ruteren er vanligvis en liten knapp på siden av ruteren. På enkelte rutere må du logge på webgrensesnittet og klikke på en knapp på skjermen for å aktivere WPS-funksjonen. Se brukerhåndboken for ruteren for mer informasjon.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check the user manual for your router for details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Hva er WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Med Wi-Fi Protected Setup (WPS) kan du raskt, enkelt og automatisk opprette en sikker trådløs tilkobling. &lt;br&gt;&lt;br&gt;WPS-knappen på ruteren er vanligvis en liten knapp på siden av ruteren. På enkelte rutere må du logge på webgrensesnittet og klikke på en knapp på skjermen for å aktivere WPS-funksjonen. Se brukerhåndboken for ruteren for mer informasjon.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Having problems connecting your camera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;If you are having problems connecting your camera using WPS, check the following:&lt;ul&gt;&lt;li&gt;Your camera may be out of range.Try connecting your camera from the same room as your router.&lt;/li&gt;&lt;li&gt;Make sure your router has a WPS button.Check your router&apos;s user manual for details. &lt;/li&gt;&lt;/ul&gt;If you are still having trouble connecting your camera using WPS, you can select wireless network manually or simply use a wired connection.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Problemer med å koble til kameraet?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Hvis du har problemer med å koble til kameraet med WPS, kontrollerer du følgende:&lt;ul&gt;&lt;li&gt;Kameraet kan være utenfor rekkevidde. Prøv å koble til kameraet i samme rom som ruteren.&lt;/li&gt;&lt;li&gt;Kontroller at ruteren har en WPS-knapp. Se brukerhåndboken for ruteren for mer informasjon. &lt;/li&gt;&lt;/ul&gt;Hvis du fortsatt har problemer med å koble til kameraet med WPS, kan du velge det trådløse nettverket manuelt eller ganske enkelt bruke en kablet tilkobling.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Please plug in the cable. click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Koble til kabelen. Klikk på &lt;b&gt;OK&lt;/b&gt; når du er ferdig.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Now you can unplug the Ethernet cable from the camera and click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Nå kan du koble nettverkskabelen fra kameraet. Klikk på &lt;b&gt;OK&lt;/b&gt; når du er ferdig.</translation>
    </message>
    <message>
        <source>OK	</source>
        <translation>OK	</translation>
    </message>
    <message>
        <source>The camera has already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;Close&lt;/b&gt; just re-configure the camera!</source>
        <translation>Kameraet er allerede registrert. Klikk på &lt;b&gt;Tilbakestill&lt;/b&gt; for å starte programmet på nytt og tilbakestille kameraet, eller klikk på &lt;b&gt;Lukk&lt;/b&gt; for bare å konfigurere kameraet på nytt.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Tilbakestill    </translation>
    </message>
    <message>
        <source>Yes    </source>
        <translation>Ja    </translation>
    </message>
    <message>
        <source>NO    </source>
        <translation>Nei    </translation>
    </message>
    <message>
        <source>The camera can not connect to skyvue server. click &lt;b&gt;Retry&lt;/b&gt; to check again, or click &lt;b&gt;Close&lt;/b&gt; without signing in skyvue.</source>
        <translation>Kameraet kan ikke koble til skyvue-serveren. Klikk på &lt;b&gt;Prøv igjen&lt;/b&gt; for å kontrollere på nytt, eller klikk på &lt;b&gt;Lukk&lt;/b&gt; for å fortsette uten å logge på skyvue.</translation>
    </message>
    <message>
        <source>Retry	 </source>
        <translation>Prøv igjen	 </translation>
    </message>
    <message>
        <source>Close	 </source>
        <translation>Lukk	 </translation>
    </message>
    <message>
        <source>Check your cable connection please.&lt;br&gt;</source>
        <translation>Kontroller kabeltilkoblingen.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The wireless connection failed. Please connect the Ethernet cable and select the wireless network again.&lt;br&gt;</source>
        <translation>Den trådløse tilkoblingen mislyktes. Koble til nettverkskabelen, og velg det trådløse nettverket på nytt.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Lagrer nettverksinnstillinger</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Starter nettverket på nytt</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Kontrollerer Internett-tilkoblingen</translation>
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
        <translation>&lt;b&gt;Flere detaljer&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Camera IP address:</source>
        <translation>Kameraets IP-adresse:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Nettverksmaske:</translation>
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
        <translation>Trådløs SSID:</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>ikke aktuelt</translation>
    </message>
    <message>
        <source>Connection mode:</source>
        <translation>Tilkoblingsmodus:</translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation>Godkjenning:</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Kryptering:</translation>
    </message>
    <message>
        <source>Key/password:</source>
        <translation>Nøkkel/passord:</translation>
    </message>
    <message>
        <source>&lt;b&gt; Internet connection&lt;/b&gt;</source>
        <translation>&lt;b&gt; Internett-tilkobling&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Connection type&lt;/b&gt;</source>
        <translation>&lt;b&gt; Tilkoblingstype&lt;/b&gt;</translation>
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
        <translation>Passord:</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>&lt;b&gt; skyvue info&lt;/b&gt;</source>
        <translation>&lt;b&gt; skyvue-informasjon&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Camera web page&lt;/b&gt;</source>
        <translation>&lt;b&gt; Kameraets nettside&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your Internet connection&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Endre Internett-tilkobling&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your connection type&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Endre tilkoblingstype&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Lukk    </translation>
    </message>
</context>
<context>
    <name>failedPage</name>
    <message>
        <source>plug</source>
        <translation>Koble til</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Nettverk</translation>
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
        <translation>Koble til kameraet</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Lagrer nettverksinnstillinger</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Starter nettverket på nytt</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Kontrollerer Internett-tilkoblingen</translation>
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
        <translation>nettverksmaske</translation>
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
        <translation>Nettverksmaske:</translation>
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
        <translation>Hvordan vil du koble kameraet til Internett?</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)</source>
        <translation>Brukernavn og passord (PPPoE)</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Bruker:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passord:</translation>
    </message>
    <message>
        <source>Enter static IP address</source>
        <translation>Angi statisk IP-adresse</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)*</source>
        <translation>Dynamisk IP-adresse (DHCP)*</translation>
    </message>
    <message>
        <source>Use in the intranet for local view only.</source>
        <translation>Bare for lokal visning på intranettet.</translation>
    </message>
    <message>
        <source>The PPPoE is a network 
protocol mainly used with DSL 
services.</source>
        <translation>PPPoE er en nettverks-
protokoll som hovedsakelig
brukes med DSL-tjenester.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Tilbake</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Neste    </translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Laster inn, vent litt</translation>
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
        <translation>(Gjeldende Internett-tilkobling (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>&lt;/b&gt;)</source>
        <translation>&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)*</source>
        <translation>Brukernavn og passord (PPPoE)*</translation>
    </message>
    <message>
        <source>Enter static IP address*</source>
        <translation>Angi statisk IP-adresse*</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Lukk    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid username!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advarsel&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Ugyldig brukernavn!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid password.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advarsel&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Ugyldig passord.</translation>
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
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advarsel&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Tilkoblingen mislyktes.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The camera have already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;OK&lt;/b&gt; just re-configure the camera!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advarsel&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Kameraet er allerede registrert. Klikk på &lt;b&gt;Tilbakestill&lt;/b&gt; for å starte programmet på nytt og tilbakestille kameraet, eller klikk på &lt;b&gt;OK&lt;/b&gt; for bare å konfigurere kameraet på nytt.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Tilbakestill    </translation>
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
        <translation>Koble til</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Nettverk</translation>
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
        <translation> Siden kameraet ikke har Internett-tilkobling ( &lt;a href = Setup again&gt;&lt;font size=3 color=#638c0b&gt;Konfigurer på nytt&lt;/font&gt;&lt;/a&gt; ), kan du ikke logge på skyvue-nettstedet for fjernvisning.
</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Du kan fortsatt se kameraet lokalt via IP-adressen nedenfor.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Kontonavn:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Legg til snarvei på skrivebordet og bokmerke til kameraets IP-adresse.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Bli med i skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-adresse:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passord:</translation>
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
        <translation>Ferdig    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Snarveien kunne ikke opprettes fullstendig.</translation>
    </message>
</context>
<context>
    <name>joinPage1</name>
    <message>
        <source>plug</source>
        <translation>Koble til</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Nettverk</translation>
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
        <translation>Lyser Link-lampen på kameraet grønt?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Lyser Power/Link-lampen på kameraet grønt?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nei</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Start på nytt    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Lukk    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Hold tilbakestillingsknappen (Reset) inne i minst 6 sekunder mens kameraet er tilkoblet. Klikk på &lt;b&gt;Start på nytt&lt;/b&gt; når kameraet er tilbakestilt, for å fortsette.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Bli med i skyvue</translation>
    </message>
    <message>
        <source>The camera has previously registered with a skyvue account, you can login on &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; or mobile application to enjoy remote view. If you want to re-configure your account and device, you may &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;hard reset&lt;/font&gt;&lt;/a&gt; the camera and create or register with a new account.</source>
        <translation>Kameraet er allerede registrert med en skyvue-konto. Du kan logge på &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; eller i mobilappen for å bruke fjernvisning. Hvis du vil konfigurere kontoen og enheten på nytt, kan du &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;tilbakestille kameraet fullstendig&lt;/font&gt;&lt;/a&gt; og opprette eller registrere en ny konto.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Hvorfor bli med i skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Enkelt oppsett&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS setting, firewall roadblock, or all the trouble some configurations on cameras or viewing clients.</source>
        <translation>Slipp kompliserte innstillinger for dynamisk DNS, hindringer i brannmuren og alle de tungvinte konfigurasjonene av kameraer og visningsprogrammer.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Enkel tilgang&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Fjernvisning hvor som helst&lt;/b&gt;</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Tilbake</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Neste    </translation>
    </message>
</context>
<context>
    <name>joinPage2</name>
    <message>
        <source>plug</source>
        <translation>Koble til</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Nettverk</translation>
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
        <translation>Bli med i skyvue</translation>
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
        <translation>&amp;Nei, jeg vil opprette en ny konto.</translation>
    </message>
    <message>
        <source>I &amp;don&apos;t want to sign up right now.</source>
        <translation>Jeg vil ikke &amp;registrere meg nå.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Hvorfor bli med i skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Enkelt oppsett&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS settings,firewall roadblock,or all the troublesome configurations on cameras or viewing clients.</source>
        <translation>Slipp kompliserte innstillinger for dynamisk DNS, hindringer i brannmuren og alle de tungvinte konfigurasjonene av kameraer og visningsprogrammer.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Enkel tilgang&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For using skyvue web service such as to manage all your cameras in one place.</source>
        <translation>Bruk nettjenesten skyvue for eksempel til å administrere alle kameraene dine på ett sted.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Fjernvisning hvor som helst&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For viewing your cameras from anywhere through a web browser or a mobile device.</source>
        <translation>Se kameraene dine hvor som helst via en nettleser eller en mobil enhet.</translation>
    </message>
    <message>
        <source>Please enter your skyvue account.</source>
        <translation>Angi skyvue-kontoen din.</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-post:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passord:</translation>
    </message>
    <message>
        <source>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Forgot password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Glemt passordet?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm Password:</source>
        <translation>Bekreft passord:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Fornavn:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Etternavn:</translation>
    </message>
    <message>
        <source>I would like to receive emails for latest services and products from skyvue.</source>
        <translation>Jeg vil gjerne motta e-post om de nyeste tjenestene og produktene fra skyvue.</translation>
    </message>
    <message>
        <source>I accept skyvue &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;terms and conditions&lt;/font&gt;&lt;/a&gt;.</source>
        <translation>Jeg godtar skyvues &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;vilkår og betingelser&lt;/font&gt;&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Tilbake</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Neste    </translation>
    </message>
    <message>
        <source>&lt;b&gt;Loading, please wait....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Laster inn, vent litt....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Lukk    </translation>
    </message>
    <message>
        <source>Please select your camera.</source>
        <translation>Velg kameraet ditt.</translation>
    </message>
    <message>
        <source>Invalid email!</source>
        <translation>Ugyldig e-postadresse!</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>Ugyldig passord!</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match, please try again.</source>
        <translation>Passordene samsvarer ikke. Prøv igjen.</translation>
    </message>
    <message>
        <source>You must accept the terms and conditions to continue.</source>
        <translation>Du må godta vilkårene og betingelsene for å fortsette.</translation>
    </message>
    <message>
        <source>Please select an option.</source>
        <translation>Velg et alternativ.</translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Laster inn, vent litt</translation>
    </message>
    <message>
        <source>Timeout, please retry.</source>
        <translation>Tidsavbrudd. Prøv igjen.</translation>
    </message>
    <message>
        <source>The camera gave no valid portal address.</source>
        <translation>Kameraet oppga ingen gyldig portaladresse.</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>Ukjent feil!</translation>
    </message>
    <message>
        <source>Since you forgot your skyvue account&apos;s password. click &lt;b&gt;OK&lt;/b&gt; button will direct you to skyvue portal to retrieve the password. Please follow the instructions on the web page.</source>
        <translation>Du har glemt passordet til skyvue-kontoen din. Når du klikker på &lt;b&gt;OK&lt;/b&gt;, kommer du til skyvue-portalen, der du kan tilbakestille passordet. Følg instruksjonene på nettsiden.</translation>
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
        <translation>Koble til</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Nettverk</translation>
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
        <translation> Nå kan du bruke opplysningene nedenfor til å logge på &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;-nettstedet.    Klikk på &lt;b&gt;Ferdig&lt;/b&gt; for å gå til skyvue-nettstedet og se direktebilde fra kameraet.</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source> You can also learn more about mobile applications for your iPhone &amp; Android phone on &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.&lt;br&gt;</source>
        <translation> Du kan også lese mer om mobilapper for iPhone og Android på &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;-nettstedet.&lt;br&gt;</translation>
    </message>
    <message>
        <source>  Add the shortcut of skyvue to my desktop and browser bookmark.</source>
        <translation>  Legg til en snarvei til skyvue på skrivebordet og et bokmerke i nettleseren.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Bli med i skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-adresse:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passord:</translation>
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
        <translation>Ferdig    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Snarveien kunne ikke opprettes fullstendig.</translation>
    </message>
</context>
<context>
    <name>joinPage4</name>
    <message>
        <source>plug</source>
        <translation>Koble til</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Nettverk</translation>
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
        <translation> Hvis du velger ikke å registrere kameraet hos skyvue, går du glipp av fordeler som fjernvisning og mobilappen fra skyvue.</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Du kan fortsatt se kameraet lokalt via IP-adressen nedenfor.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Kontonavn:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Legg til snarvei på skrivebordet og bokmerke til kameraets IP-adresse.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Bli med i skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-adresse:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passord:</translation>
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
        <translation>Ferdig    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Snarveien kunne ikke opprettes fullstendig.</translation>
    </message>
</context>
<context>
    <name>plugPage</name>
    <message>
        <source>plug</source>
        <translation>Koble til</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Nettverk</translation>
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
        <translation>Lyser Link-lampen på kameraet grønt?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Lyser Power/Link-lampen på kameraet grønt?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nei</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Start på nytt    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Lukk    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Hold tilbakestillingsknappen (Reset) inne i minst 6 sekunder mens kameraet er tilkoblet. Klikk på &lt;b&gt;Start på nytt&lt;/b&gt; når kameraet er tilbakestilt, for å fortsette.</translation>
    </message>
    <message>
        <source>Plug your camera</source>
        <translation>Koble til kameraet</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Koble nettverkskabelen til Ethernet-porten bak på kameraet.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Koble den andre enden av kabelen til en ledig LAN-port på ruteren.</translation>
    </message>
    <message>
        <source>3.Connect the power adapter to the power jack on the back of the camera and plug the other end into the power outlet.</source>
        <translation>3. Koble strømadapteren til strømkontakten bak på kameraet, og koble den andre enden til en stikkontakt.</translation>
    </message>
    <message>
        <source>4.The LED on the camera will turn green when the device is ready.</source>
        <translation>4. Lampen på kameraet lyser grønt når enheten er klar.</translation>
    </message>
    <message>
        <source>*Could use Wi-Fi Protected Setup (WPS) instead.</source>
        <translation>*Du kan også bruke Wi-Fi Protected Setup (WPS).</translation>
    </message>
    <message>
        <source>Please confirm the following tasks are done before clicking &lt;b&gt;Next&lt;/b&gt;.</source>
        <translation>Bekreft at følgende trinn er utført før du klikker på &lt;b&gt;Neste&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. På kameraet</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. På ruteren</translation>
    </message>
    <message>
        <source>3. Plug power adapter</source>
        <translation>3. Koble til strømadapteren</translation>
    </message>
    <message>
        <source>4. Check LED turns solid green</source>
        <translation>4. Lampen lyser fast grønt</translation>
    </message>
    <message>
        <source>You can also use WPS button to&lt;br&gt;establish connection in this step&lt;br&gt;or follow the instruction in later step.</source>
        <translation>Du kan også bruke WPS-knappen til å&lt;br&gt;koble til i dette trinnet eller følge&lt;br&gt;instruksjonene i et senere trinn.</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Neste    </translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Hva gjør jeg hvis Link-lampen ikke lyser?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Hva gjør jeg hvis lampen fortsetter å lyse rødt?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Hva gjør jeg hvis Link-lampen ikke lyser?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Kontroller følgende:&lt;ul&gt;&lt;li&gt;Kontroller at kablene sitter godt fast.&lt;/li&gt;&lt;li&gt;Start kameraet på nytt ved å koble strømmen fra og til.&lt;/li&gt;&lt;li&gt;Hvis Link-lampen fortsatt ikke lyser, kan du prøve å &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;tilbakestille kameraet&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Kontroller at modemet eller ruteren virker, og at kameraets tilkoblingslamper lyser.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Hva gjør jeg hvis lampen fortsetter å lyse rødt?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Kontroller følgende:&lt;ul&gt;&lt;li&gt;Kontroller at kablene sitter godt fast.&lt;/li&gt;&lt;li&gt;Start kameraet på nytt ved å koble strømmen fra og til.&lt;/li&gt;&lt;li&gt;Hvis lampen på kameraet fortsatt lyser rødt, kan du prøve å &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;tilbakestille kameraet&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Kontroller at modemet eller ruteren virker, og at kameraets tilkoblingslamper lyser.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
</context>
<context>
    <name>selectPage</name>
    <message>
        <source>plug</source>
        <translation>Koble til</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Nettverk</translation>
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
        <translation>Lyser Link-lampen på kameraet grønt?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Lyser Power/Link-lampen på kameraet grønt?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nei</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Start på nytt    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Lukk    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Hold tilbakestillingsknappen (Reset) inne i minst 6 sekunder mens kameraet er tilkoblet. Klikk på &lt;b&gt;Start på nytt&lt;/b&gt; når kameraet er tilbakestilt, for å fortsette.</translation>
    </message>
    <message>
        <source>Select your camera</source>
        <translation>Velg kameraet ditt</translation>
    </message>
    <message>
        <source>Select your camera from the list and click &lt;b&gt;Next&lt;/b&gt; when you complete.</source>
        <translation>Velg kameraet ditt i listen, og klikk på &lt;b&gt;Neste&lt;/b&gt; når du er ferdig.</translation>
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
        <translation>IP-adresse</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Tilkobling</translation>
    </message>
    <message>
        <source>MAC ID is a unique identifier
assigned to network interfaces
for communications on the
physical network.</source>
        <translation>MAC-ID er en unik identifikator
som nettverksgrensesnitt får
for kommunikasjon i det
fysiske nettverket.</translation>
    </message>
    <message>
        <source>Registered to skyvue</source>
        <translation>Registrert hos skyvue</translation>
    </message>
    <message>
        <source>Not registered</source>
        <translation>Ikke registrert</translation>
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
        <translation>&lt;b&gt;MAC-ID&lt;/b&gt; står bak på kameraet.</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Cannot find your camera from the list ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Finner du ikke kameraet i listen?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Enter a password to secure your camera</source>
        <translation>Angi et passord for å beskytte kameraet</translation>
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
        <translation>Passord:</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Forgot my camera password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Glemt kameraets passord?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Bekreft passord:</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      Tilbake</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Søk på nytt    </translation>
    </message>
    <message>
        <source>Next      </source>
        <translation>Neste      </translation>
    </message>
    <message>
        <source>&lt;b&gt;Searching camera....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Søker etter kamera....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Confirm your camera password</source>
        <translation>Bekreft kameraets passord</translation>
    </message>
    <message>
        <source>Searching camera</source>
        <translation>Søker etter kamera</translation>
    </message>
    <message>
        <source>Saving camera&apos;s password</source>
        <translation>Lagrer kameraets passord</translation>
    </message>
    <message>
        <source>Retrieving the camera&apos;s password</source>
        <translation>Henter kameraets passord</translation>
    </message>
    <message>
        <source>The camera you select has already been registered to skyvue. You have to enter the correct camera password and skyvue account later or &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt; to register another account.&lt;br&gt;</source>
        <translation>Det valgte kameraet er allerede registrert hos skyvue. Du må senere angi riktig passord for kameraet og skyvue-kontoen din eller &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;tilbakestille kameraet&lt;/font&gt;&lt;/a&gt; for å registrere en annen konto.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The passwords must be at least 6 characters long and must contain at least 2 letters, case-sensitive!</source>
        <translation>Passordet må ha minst 6 tegn og inneholde minst 2 bokstaver. Det skilles mellom store og små bokstaver!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The passwords don&apos;t match! Please try again!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Advarsel&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Passordene samsvarer ikke! Prøv igjen!</translation>
    </message>
    <message>
        <source>Input wrong password, please check!</source>
        <translation>Feil passord, kontroller!</translation>
    </message>
    <message>
        <source>Two times input password are not the same!</source>
        <translation>De to passordene er ikke like!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Cannot detect your wired connection?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Please close this lightbox and click &lt;b&gt;Back&lt;/b&gt; button to previous page. Follow the instruction to install the camera again.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Finner ikke den kablede tilkoblingen?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Lukk denne boksen, og klikk på &lt;b&gt;Tilbake&lt;/b&gt; for å gå til forrige side. Følg instruksjonene for å installere kameraet på nytt.</translation>
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
        <translation>Kameraet bekreftet ikke det nye passordet, så det har kanskje fortsatt ikke noe passord. Kontroller at kameraet er slått på og tilkoblet, og prøv igjen.</translation>
    </message>
    <message>
        <source>Retry    </source>
        <translation>Prøv igjen    </translation>
    </message>
</context>
<context>
    <name>welcomePage</name>
    <message>
        <source>Please select:</source>
        <translation>Velg:</translation>
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
        <translation>Portugisisk (Brasil)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japansk</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Tradisjonell kinesisk</translation>
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
        <translation>Tsjekkisk</translation>
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
        <translation>Gresk</translation>
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
        <translation>Rumensk</translation>
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
        <translation>Feilsøking</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Håndbøker og nedlastinger</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>Start    </source>
        <translation>Start    </translation>
    </message>
    <message>
        <source>Select your lauguage:</source>
        <translation>Velg språk:</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Med enerett.</translation>
    </message>
    <message>
        <source>Welcome </source>
        <translation>Velkommen </translation>
    </message>
    <message>
        <source>Welcome to the IP camera Camguide. This wizard will help you easily setup the Internet camera, register skyvue web site for remote view and other interesting online services.</source>
        <translation>Velkommen til Camguide for IP-kameraer. Denne veiviseren hjelper deg med å konfigurere Internett-kameraet enkelt og registrere deg på skyvue-nettstedet for fjernvisning og andre interessante nettjenester.</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Lukk    </translation>
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
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Advarsel:&lt;/b&gt; Dette programmet er beskyttet av lov om opphavsrett og internasjonale avtaler. Uautorisert kopiering eller distribusjon av dette programmet eller deler av det kan føre til strenge sivilrettslige og strafferettslige sanksjoner.&lt;br&gt;</translation>
    </message>
</context>
</TS>
