<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Another Camguide is already running.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Attenzione&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;È già in esecuzione un&apos;altra istanza di Camguide.</translation>
    </message>
    <message>
        <source>MyCamera</source>
        <translation>MiaTelecamera</translation>
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
        <translation>Risoluzione problemi</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Manuali e download</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Chiudi    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Informazioni su </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Attenzione:&lt;/b&gt; questo programma è protetto dalle leggi sul diritto d&apos;autore e dai trattati internazionali. La riproduzione o la distribuzione non autorizzata di questo programma, o di parte di esso, può comportare gravi sanzioni civili e penali.&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>connectPage</name>
    <message>
        <source>plug</source>
        <translation>Collega</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Attenzione&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Il LED Link della telecamera è acceso in verde?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Il LED Power/Link della telecamera è acceso in verde?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Riavvia    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Chiudi    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Tenere premuto il pulsante Reset per almeno 6 secondi con la telecamera collegata. Dopo il ripristino della telecamera, fare clic su &lt;b&gt;Riavvia&lt;/b&gt; per continuare.</translation>
    </message>
    <message>
        <source>Connect to the network</source>
        <translation>Connessione alla rete</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Collegare il cavo Ethernet alla porta Ethernet sul retro della telecamera.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Collegare l&apos;altra estremità del cavo a una porta LAN libera del router.</translation>
    </message>
    <message>
        <source>3.The LED on the camera will turn solid green when the device is ready.</source>
        <translation>3. Il LED della telecamera diventa verde fisso quando il dispositivo è pronto.</translation>
    </message>
    <message>
        <source>1.Unplug the Ethernet cable from the camera.</source>
        <translation>1. Scollegare il cavo Ethernet dalla telecamera.</translation>
    </message>
    <message>
        <source>2.Press the WPS button on the back of your camera and the WPS LED will start to flash blue.</source>
        <translation>2. Premere il pulsante WPS sul retro della telecamera: il LED WPS inizia a lampeggiare in blu.</translation>
    </message>
    <message>
        <source>3.You now  one minute to press the WPS button on your router.</source>
        <translation>3. Da questo momento si ha un minuto per premere il pulsante WPS del router.</translation>
    </message>
    <message>
        <source>4.Once your camera has established a connection, the WPS LED will turn solid blue, the LED in front of the camera will turn to flash green.</source>
        <translation>4. Una volta stabilita la connessione, il LED WPS diventa blu fisso e il LED sul davanti della telecamera lampeggia in verde.</translation>
    </message>
    <message>
        <source>Current connection(*):</source>
        <translation>Connessione attuale (*):</translation>
    </message>
    <message>
        <source>How would you connect your camera to the router?</source>
        <translation>Come si desidera collegare la telecamera al router?</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Connessione via cavo&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Ethernet cable</source>
        <translation>Con cavo Ethernet</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Connessione wireless&lt;/b&gt;</translation>
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
        <translation>Scegliendo una rete wireless</translation>
    </message>
    <message>
        <source>Available wireless network</source>
        <translation>Reti wireless disponibili</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Cerca    </translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. Lato telecamera</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. Lato router</translation>
    </message>
    <message>
        <source>3. Check LED turns green</source>
        <translation>3. LED verde acceso</translation>
    </message>
    <message>
        <source>1. Unplug the Ethernet cable</source>
        <translation>1. Scollegare il cavo</translation>
    </message>
    <message>
        <source>2. On the camera side</source>
        <translation>2. Lato telecamera</translation>
    </message>
    <message>
        <source>3. On the router side</source>
        <translation>3. Lato router</translation>
    </message>
    <message>
        <source>4. Check LED turns flash green</source>
        <translation>4. LED verde lampeggiante</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Indietro</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Avanti    </translation>
    </message>
    <message>
        <source>Checking Internet connection</source>
        <translation>Verifica della connessione Internet</translation>
    </message>
    <message>
        <source>(Current connection(*): &lt;b&gt;</source>
        <translation>(Connessione attuale (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>Wireless connection&lt;/b&gt;)</source>
        <translation>Connessione wireless&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Connessione wireless*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Wired connection&lt;/b&gt;)</source>
        <translation>Connessione via cavo&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Connessione via cavo*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Cosa fare se il LED Link resta spento?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Cosa fare se il LED resta rosso?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*where is my WPS button?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Dov&apos;è il pulsante WPS?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Having problems connecting?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Problemi di connessione?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Cosa fare se il LED Link resta spento?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Verificare quanto segue:&lt;ul&gt;&lt;li&gt;Verificare che i cavi siano collegati saldamente.&lt;/li&gt;&lt;li&gt;Scollegare la telecamera e ricollegarla per riavviarla.&lt;/li&gt;&lt;li&gt;Se il LED Link resta ancora spento, è possibile &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;ripristinare la telecamera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Verificare che il modem o il router funzioni correttamente e che i LED della connessione della telecamera siano accesi.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Cosa fare se il LED resta rosso?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Verificare quanto segue:&lt;ul&gt;&lt;li&gt;Verificare che i cavi siano collegati saldamente.&lt;/li&gt;&lt;li&gt;Scollegare la telecamera e ricollegarla per riavviarla.&lt;/li&gt;&lt;li&gt;Se il LED della telecamera resta ancora rosso, è possibile &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;ripristinare la telecamera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Verificare che il modem o il router funzioni correttamente e che i LED della connessione della telecamera siano accesi.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check your router&apos;s user manual for more details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Che cos&apos;è il WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Il WPS (Wi-Fi Protected Setup) consente di configurare una connessione wireless protetta in modo rapido, semplice e automatico. &lt;br&gt;&lt;br&gt;Il pulsante WPS del router è di solito un piccolo pulsante sul lato del router. Su alcuni router può essere necessario accedere all&apos;interfaccia web e fare clic su un pulsante sullo schermo per attivare la funzione WPS. Per ulteriori dettagli, consultare il manuale utente del router.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check the user manual for your router for details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Che cos&apos;è il WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Il WPS (Wi-Fi Protected Setup) consente di configurare una connessione wireless protetta in modo rapido, semplice e automatico. &lt;br&gt;&lt;br&gt;Il pulsante WPS del router è di solito un piccolo pulsante sul lato del router. Su alcuni router può essere necessario accedere all&apos;interfaccia web e fare clic su un pulsante sullo schermo per attivare la funzione WPS. Per i dettagli, consultare il manuale utente del router.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Having problems connecting your camera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;If you are having problems connecting your camera using WPS, check the following:&lt;ul&gt;&lt;li&gt;Your camera may be out of range.Try connecting your camera from the same room as your router.&lt;/li&gt;&lt;li&gt;Make sure your router has a WPS button.Check your router&apos;s user manual for details. &lt;/li&gt;&lt;/ul&gt;If you are still having trouble connecting your camera using WPS, you can select wireless network manually or simply use a wired connection.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Problemi di connessione della telecamera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Se si riscontrano problemi nel collegare la telecamera con il WPS, verificare quanto segue:&lt;ul&gt;&lt;li&gt;La telecamera potrebbe essere fuori portata. Provare a collegarla dalla stessa stanza in cui si trova il router.&lt;/li&gt;&lt;li&gt;Verificare che il router disponga di un pulsante WPS. Per i dettagli, consultare il manuale utente del router. &lt;/li&gt;&lt;/ul&gt;Se i problemi persistono, è possibile scegliere manualmente la rete wireless o semplicemente usare una connessione via cavo.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Please plug in the cable. click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Collegare il cavo, poi fare clic su &lt;b&gt;OK&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Now you can unplug the Ethernet cable from the camera and click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Ora è possibile scollegare il cavo Ethernet dalla telecamera, poi fare clic su &lt;b&gt;OK&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>OK	</source>
        <translation>OK	</translation>
    </message>
    <message>
        <source>The camera has already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;Close&lt;/b&gt; just re-configure the camera!</source>
        <translation>La telecamera è già registrata. Fare clic su &lt;b&gt;Ripristina&lt;/b&gt; per riavviare l&apos;applicazione e ripristinare la telecamera, oppure su &lt;b&gt;Chiudi&lt;/b&gt; per riconfigurare soltanto la telecamera.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Ripristina    </translation>
    </message>
    <message>
        <source>Yes    </source>
        <translation>Sì    </translation>
    </message>
    <message>
        <source>NO    </source>
        <translation>No    </translation>
    </message>
    <message>
        <source>The camera can not connect to skyvue server. click &lt;b&gt;Retry&lt;/b&gt; to check again, or click &lt;b&gt;Close&lt;/b&gt; without signing in skyvue.</source>
        <translation>La telecamera non riesce a connettersi al server skyvue. Fare clic su &lt;b&gt;Riprova&lt;/b&gt; per verificare di nuovo, oppure su &lt;b&gt;Chiudi&lt;/b&gt; per proseguire senza accedere a skyvue.</translation>
    </message>
    <message>
        <source>Retry	 </source>
        <translation>Riprova	 </translation>
    </message>
    <message>
        <source>Close	 </source>
        <translation>Chiudi	 </translation>
    </message>
    <message>
        <source>Check your cable connection please.&lt;br&gt;</source>
        <translation>Verificare il collegamento del cavo.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The wireless connection failed. Please connect the Ethernet cable and select the wireless network again.&lt;br&gt;</source>
        <translation>Connessione wireless non riuscita. Collegare il cavo Ethernet e scegliere di nuovo la rete wireless.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Salvataggio delle impostazioni di rete</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Riavvio della rete</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Verifica della connessione Internet</translation>
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
        <translation>&lt;b&gt;Altri dettagli&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Camera IP address:</source>
        <translation>Indirizzo IP telecamera:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Subnet mask:</translation>
    </message>
    <message>
        <source>Gateway IP address:</source>
        <translation>Indirizzo IP gateway:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>DNS primario:</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>DNS secondario:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stato:</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Wireless</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Via cavo</translation>
    </message>
    <message>
        <source>Wireless SSID:</source>
        <translation>SSID wireless:</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>n/d</translation>
    </message>
    <message>
        <source>Connection mode:</source>
        <translation>Modalità di connessione:</translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation>Autenticazione:</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Crittografia:</translation>
    </message>
    <message>
        <source>Key/password:</source>
        <translation>Chiave/password:</translation>
    </message>
    <message>
        <source>&lt;b&gt; Internet connection&lt;/b&gt;</source>
        <translation>&lt;b&gt; Connessione Internet&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Connection type&lt;/b&gt;</source>
        <translation>&lt;b&gt; Tipo di connessione&lt;/b&gt;</translation>
    </message>
    <message>
        <source>skyvue no.:</source>
        <translation>N. skyvue:</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Account admin:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>&lt;b&gt; skyvue info&lt;/b&gt;</source>
        <translation>&lt;b&gt; Info skyvue&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Camera web page&lt;/b&gt;</source>
        <translation>&lt;b&gt; Interfaccia web&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your Internet connection&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Modifica la connessione Internet&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your connection type&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Modifica il tipo di connessione&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Chiudi    </translation>
    </message>
</context>
<context>
    <name>failedPage</name>
    <message>
        <source>plug</source>
        <translation>Collega</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Attenzione&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Connect your camera</source>
        <translation>Connessione a Internet</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Salvataggio delle impostazioni di rete</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Riavvio della rete</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Verifica della connessione Internet</translation>
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
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>Submask</source>
        <translation>Subnet mask</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation>DNS primario</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>DNS secondario:</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Indirizzo IP:</translation>
    </message>
    <message>
        <source>Submask:</source>
        <translation>Subnet mask:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>DNS primario:</translation>
    </message>
    <message>
        <source>Secondary DNS:</source>
        <translation>DNS secondario:</translation>
    </message>
    <message>
        <source>How would you connect your camera to the Internet?</source>
        <translation>Come si desidera collegare la telecamera a Internet?</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)</source>
        <translation>Account e password (PPPoE)</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Account:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Enter static IP address</source>
        <translation>Indirizzo IP statico</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)*</source>
        <translation>Indirizzo IP dinamico (DHCP)*</translation>
    </message>
    <message>
        <source>Use in the intranet for local view only.</source>
        <translation>Usare solo nella rete locale.</translation>
    </message>
    <message>
        <source>The PPPoE is a network 
protocol mainly used with DSL 
services.</source>
        <translation>PPPoE è un protocollo di rete 
usato soprattutto con i 
servizi DSL.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Indietro</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Avanti    </translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Caricamento, attendere</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP address</source>
        <translation>Indirizzo IP statico</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)</source>
        <translation>Indirizzo IP dinamico (DHCP)</translation>
    </message>
    <message>
        <source>(Current Internet connection(*): &lt;b&gt;</source>
        <translation>(Connessione Internet attuale (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>&lt;/b&gt;)</source>
        <translation>&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)*</source>
        <translation>Account e password (PPPoE)*</translation>
    </message>
    <message>
        <source>Enter static IP address*</source>
        <translation>Indirizzo IP statico*</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Chiudi    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid username!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Attenzione&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Nome utente non valido!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid password.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Attenzione&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Password non valida.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Attenzione&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Valore non valido:<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </translation>
    </message>
    <message>
        <source>!</source>
        <translation>!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Connection is failed.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Attenzione&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Connessione non riuscita.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The camera have already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;OK&lt;/b&gt; just re-configure the camera!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Attenzione&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;La telecamera è già registrata. Fare clic su &lt;b&gt;Ripristina&lt;/b&gt; per riavviare l&apos;applicazione e ripristinare la telecamera, oppure su &lt;b&gt;OK&lt;/b&gt; per riconfigurare soltanto la telecamera.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Ripristina    </translation>
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
        <translation>Collega</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Attenzione&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> La telecamera è senza Internet ( &lt;a href = Setup again&gt;&lt;font size=3 color=#638c0b&gt;riconfigura&lt;/font&gt;&lt;/a&gt; ): la visione remota dal sito skyvue non è possibile.
</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> L&apos;indirizzo IP qui sotto consente la visione locale.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Nome account:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Aggiungi un collegamento all&apos;IP della telecamera sul desktop e nei preferiti.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Iscrizione a skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Indirizzo IP:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
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
        <translation> Nome:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Altri dettagli sulla telecamera.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Fine    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Non è stato possibile creare completamente il collegamento.</translation>
    </message>
</context>
<context>
    <name>joinPage1</name>
    <message>
        <source>plug</source>
        <translation>Collega</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Attenzione&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Il LED Link della telecamera è acceso in verde?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Il LED Power/Link della telecamera è acceso in verde?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Riavvia    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Chiudi    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Tenere premuto il pulsante Reset per almeno 6 secondi con la telecamera collegata. Dopo il ripristino della telecamera, fare clic su &lt;b&gt;Riavvia&lt;/b&gt; per continuare.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Iscrizione a skyvue</translation>
    </message>
    <message>
        <source>The camera has previously registered with a skyvue account, you can login on &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; or mobile application to enjoy remote view. If you want to re-configure your account and device, you may &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;hard reset&lt;/font&gt;&lt;/a&gt; the camera and create or register with a new account.</source>
        <translation>La telecamera è già registrata con un account skyvue: è possibile accedere a &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; o all&apos;app per dispositivi mobili per la visione remota. Per riconfigurare l&apos;account e il dispositivo, è possibile eseguire un &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;ripristino completo&lt;/font&gt;&lt;/a&gt; della telecamera e creare un nuovo account o registrarla con un altro.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Perché iscriversi a skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Configurazione semplice&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS setting, firewall roadblock, or all the trouble some configurations on cameras or viewing clients.</source>
        <translation>Niente più complicate impostazioni del DNS dinamico, blocchi del firewall o noiose configurazioni delle telecamere e dei programmi di visualizzazione.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Accesso facile&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Visione remota ovunque&lt;/b&gt;</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Indietro</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Avanti    </translation>
    </message>
</context>
<context>
    <name>joinPage2</name>
    <message>
        <source>plug</source>
        <translation>Collega</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Attenzione&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Iscrizione a skyvue</translation>
    </message>
    <message>
        <source>Do you have a skyvue account ?</source>
        <translation>Si dispone di un account skyvue?</translation>
    </message>
    <message>
        <source>&amp;Yes, I already have a skyvue account.</source>
        <translation>&amp;Sì, ho già un account skyvue.</translation>
    </message>
    <message>
        <source>&amp;No, I need to sign up for a new account.</source>
        <translation>&amp;No, devo creare un nuovo account.</translation>
    </message>
    <message>
        <source>I &amp;don&apos;t want to sign up right now.</source>
        <translation>Non voglio registrarmi &amp;adesso.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Perché iscriversi a skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Configurazione semplice&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS settings,firewall roadblock,or all the troublesome configurations on cameras or viewing clients.</source>
        <translation>Niente più complicate impostazioni del DNS dinamico, blocchi del firewall o noiose configurazioni delle telecamere e dei programmi di visualizzazione.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Accesso facile&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For using skyvue web service such as to manage all your cameras in one place.</source>
        <translation>Il servizio web skyvue permette, ad esempio, di gestire tutte le telecamere in un unico posto.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Visione remota ovunque&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For viewing your cameras from anywhere through a web browser or a mobile device.</source>
        <translation>Per guardare le telecamere da qualsiasi luogo con un browser web o un dispositivo mobile.</translation>
    </message>
    <message>
        <source>Please enter your skyvue account.</source>
        <translation>Inserire il proprio account skyvue.</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Forgot password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Password dimenticata?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm Password:</source>
        <translation>Conferma:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Cognome:</translation>
    </message>
    <message>
        <source>I would like to receive emails for latest services and products from skyvue.</source>
        <translation>Desidero ricevere e-mail sui nuovi servizi e prodotti skyvue.</translation>
    </message>
    <message>
        <source>I accept skyvue &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;terms and conditions&lt;/font&gt;&lt;/a&gt;.</source>
        <translation>Accetto i &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;termini e condizioni&lt;/font&gt;&lt;/a&gt; di skyvue.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Indietro</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Avanti    </translation>
    </message>
    <message>
        <source>&lt;b&gt;Loading, please wait....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Caricamento, attendere....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Chiudi    </translation>
    </message>
    <message>
        <source>Please select your camera.</source>
        <translation>Selezionare la telecamera.</translation>
    </message>
    <message>
        <source>Invalid email!</source>
        <translation>E-mail non valida!</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>Password non valida!</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match, please try again.</source>
        <translation>Le password non corrispondono, riprovare.</translation>
    </message>
    <message>
        <source>You must accept the terms and conditions to continue.</source>
        <translation>Per continuare è necessario accettare i termini e condizioni.</translation>
    </message>
    <message>
        <source>Please select an option.</source>
        <translation>Selezionare un&apos;opzione.</translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Caricamento, attendere</translation>
    </message>
    <message>
        <source>Timeout, please retry.</source>
        <translation>Tempo scaduto, riprovare.</translation>
    </message>
    <message>
        <source>The camera gave no valid portal address.</source>
        <translation>La telecamera non ha fornito un indirizzo del portale valido.</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>Errore sconosciuto!</translation>
    </message>
    <message>
        <source>Since you forgot your skyvue account&apos;s password. click &lt;b&gt;OK&lt;/b&gt; button will direct you to skyvue portal to retrieve the password. Please follow the instructions on the web page.</source>
        <translation>Password dell&apos;account skyvue dimenticata? Facendo clic su &lt;b&gt;OK&lt;/b&gt; si aprirà il portale skyvue per recuperare la password. Seguire le istruzioni nella pagina web.</translation>
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
        <translation>Collega</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Attenzione&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source> Now you can use the information below to login &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.    click &lt;b&gt;Done&lt;/b&gt; to visit skyvue website to see camera live view.</source>
        <translation> Accedere al sito web &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; con i dati seguenti. Fare clic su &lt;b&gt;Fine&lt;/b&gt; per aprire il sito e vedere le immagini dal vivo.</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Account:</translation>
    </message>
    <message>
        <source> You can also learn more about mobile applications for your iPhone &amp; Android phone on &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.&lt;br&gt;</source>
        <translation> Sul sito web &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; sono disponibili anche informazioni sulle app per iPhone e Android.&lt;br&gt;</translation>
    </message>
    <message>
        <source>  Add the shortcut of skyvue to my desktop and browser bookmark.</source>
        <translation>  Aggiungi un collegamento a skyvue sul desktop e nei preferiti del browser.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Iscrizione a skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Indirizzo IP:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
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
        <translation> Nome:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Altri dettagli sulla telecamera.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Fine    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Non è stato possibile creare completamente il collegamento.</translation>
    </message>
</context>
<context>
    <name>joinPage4</name>
    <message>
        <source>plug</source>
        <translation>Collega</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Attenzione&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Se non si registra questa telecamera su skyvue, non sarà possibile usufruire di vantaggi come la visione remota e l&apos;app per dispositivi mobili skyvue.</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> L&apos;indirizzo IP qui sotto consente la visione locale.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Nome account:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Aggiungi un collegamento all&apos;IP della telecamera sul desktop e nei preferiti.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Iscrizione a skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Indirizzo IP:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
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
        <translation> Nome:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Altri dettagli sulla telecamera.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Fine    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Non è stato possibile creare completamente il collegamento.</translation>
    </message>
</context>
<context>
    <name>plugPage</name>
    <message>
        <source>plug</source>
        <translation>Collega</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Attenzione&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Il LED Link della telecamera è acceso in verde?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Il LED Power/Link della telecamera è acceso in verde?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Riavvia    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Chiudi    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Tenere premuto il pulsante Reset per almeno 6 secondi con la telecamera collegata. Dopo il ripristino della telecamera, fare clic su &lt;b&gt;Riavvia&lt;/b&gt; per continuare.</translation>
    </message>
    <message>
        <source>Plug your camera</source>
        <translation>Collega la telecamera</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Collegare il cavo Ethernet alla porta Ethernet sul retro della telecamera.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Collegare l&apos;altra estremità del cavo a una porta LAN libera del router.</translation>
    </message>
    <message>
        <source>3.Connect the power adapter to the power jack on the back of the camera and plug the other end into the power outlet.</source>
        <translation>3. Collegare l&apos;alimentatore alla presa di alimentazione sul retro della telecamera e l&apos;altra estremità a una presa elettrica.</translation>
    </message>
    <message>
        <source>4.The LED on the camera will turn green when the device is ready.</source>
        <translation>4. Il LED della telecamera diventa verde quando il dispositivo è pronto.</translation>
    </message>
    <message>
        <source>*Could use Wi-Fi Protected Setup (WPS) instead.</source>
        <translation>*Oppure usare il WPS.</translation>
    </message>
    <message>
        <source>Please confirm the following tasks are done before clicking &lt;b&gt;Next&lt;/b&gt;.</source>
        <translation>Completare questi passaggi prima di fare clic su &lt;b&gt;Avanti&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. Lato telecamera</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. Lato router</translation>
    </message>
    <message>
        <source>3. Plug power adapter</source>
        <translation>3. Collegare l&apos;alimentatore</translation>
    </message>
    <message>
        <source>4. Check LED turns solid green</source>
        <translation>4. LED verde fisso</translation>
    </message>
    <message>
        <source>You can also use WPS button to&lt;br&gt;establish connection in this step&lt;br&gt;or follow the instruction in later step.</source>
        <translation>È anche possibile usare il pulsante WPS&lt;br&gt;per stabilire la connessione ora&lt;br&gt;o seguire le istruzioni più avanti.</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Avanti    </translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Cosa fare se il LED Link resta spento?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Cosa fare se il LED resta rosso?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Cosa fare se il LED Link resta spento?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Verificare quanto segue:&lt;ul&gt;&lt;li&gt;Verificare che i cavi siano collegati saldamente.&lt;/li&gt;&lt;li&gt;Scollegare la telecamera e ricollegarla per riavviarla.&lt;/li&gt;&lt;li&gt;Se il LED Link resta ancora spento, è possibile &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;ripristinare la telecamera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Verificare che il modem o il router funzioni correttamente e che i LED della connessione della telecamera siano accesi.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Cosa fare se il LED resta rosso?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Verificare quanto segue:&lt;ul&gt;&lt;li&gt;Verificare che i cavi siano collegati saldamente.&lt;/li&gt;&lt;li&gt;Scollegare la telecamera e ricollegarla per riavviarla.&lt;/li&gt;&lt;li&gt;Se il LED della telecamera resta ancora rosso, è possibile &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;ripristinare la telecamera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Verificare che il modem o il router funzioni correttamente e che i LED della connessione della telecamera siano accesi.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
</context>
<context>
    <name>selectPage</name>
    <message>
        <source>plug</source>
        <translation>Collega</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Attenzione&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Il LED Link della telecamera è acceso in verde?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Il LED Power/Link della telecamera è acceso in verde?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Riavvia    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Chiudi    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Tenere premuto il pulsante Reset per almeno 6 secondi con la telecamera collegata. Dopo il ripristino della telecamera, fare clic su &lt;b&gt;Riavvia&lt;/b&gt; per continuare.</translation>
    </message>
    <message>
        <source>Select your camera</source>
        <translation>Scegli la telecamera</translation>
    </message>
    <message>
        <source>Select your camera from the list and click &lt;b&gt;Next&lt;/b&gt; when you complete.</source>
        <translation>Selezionare la telecamera nell&apos;elenco e fare clic su &lt;b&gt;Avanti&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Telecamera</translation>
    </message>
    <message>
        <source>MAC ID</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connessione</translation>
    </message>
    <message>
        <source>MAC ID is a unique identifier
assigned to network interfaces
for communications on the
physical network.</source>
        <translation>L&apos;indirizzo MAC è un identificativo
univoco assegnato alle interfacce
di rete per comunicare sulla
rete fisica.</translation>
    </message>
    <message>
        <source>Registered to skyvue</source>
        <translation>Registrata su skyvue</translation>
    </message>
    <message>
        <source>Not registered</source>
        <translation>Non registrata</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Via cavo</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Wireless</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;MAC ID&lt;/b&gt; on the back of your camera.</source>
        <translation>L&apos;&lt;b&gt;indirizzo MAC&lt;/b&gt; è sul retro della telecamera.</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Cannot find your camera from the list ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*La telecamera non è nell&apos;elenco?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Enter a password to secure your camera</source>
        <translation>Proteggere la telecamera con password</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Account admin:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Forgot my camera password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Password dimenticata?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Conferma:</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      Indietro</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Ricerca    </translation>
    </message>
    <message>
        <source>Next      </source>
        <translation>Avanti      </translation>
    </message>
    <message>
        <source>&lt;b&gt;Searching camera....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ricerca della telecamera....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Confirm your camera password</source>
        <translation>Confermare la password della telecamera</translation>
    </message>
    <message>
        <source>Searching camera</source>
        <translation>Ricerca della telecamera</translation>
    </message>
    <message>
        <source>Saving camera&apos;s password</source>
        <translation>Salvataggio della password della telecamera</translation>
    </message>
    <message>
        <source>Retrieving the camera&apos;s password</source>
        <translation>Lettura della password della telecamera</translation>
    </message>
    <message>
        <source>The camera you select has already been registered to skyvue. You have to enter the correct camera password and skyvue account later or &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt; to register another account.&lt;br&gt;</source>
        <translation>Questa telecamera è già registrata su skyvue. Più avanti occorrerà inserire la sua password e l&apos;account skyvue, oppure &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;ripristinare la telecamera&lt;/font&gt;&lt;/a&gt; per registrarla con un altro account.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The passwords must be at least 6 characters long and must contain at least 2 letters, case-sensitive!</source>
        <translation>La password deve contenere almeno 6 caratteri, di cui almeno 2 lettere; distingue tra maiuscole e minuscole!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The passwords don&apos;t match! Please try again!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Attenzione&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Le password non corrispondono! Riprovare!</translation>
    </message>
    <message>
        <source>Input wrong password, please check!</source>
        <translation>Password errata, verificare!</translation>
    </message>
    <message>
        <source>Two times input password are not the same!</source>
        <translation>Le due password inserite non sono uguali!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Cannot detect your wired connection?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Please close this lightbox and click &lt;b&gt;Back&lt;/b&gt; button to previous page. Follow the instruction to install the camera again.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Connessione via cavo non rilevata?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Chiudere questa finestra e fare clic su &lt;b&gt;Indietro&lt;/b&gt; per tornare alla pagina precedente. Seguire le istruzioni per installare di nuovo la telecamera.</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>IP statico</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>The camera did not confirm the new password, so it may still have none. Check that the camera is on and connected, then try again.</source>
        <translation>La telecamera non ha confermato la nuova password, quindi potrebbe non averne ancora nessuna. Verificare che la telecamera sia accesa e collegata, quindi riprovare.</translation>
    </message>
    <message>
        <source>Retry    </source>
        <translation>Riprova    </translation>
    </message>
</context>
<context>
    <name>welcomePage</name>
    <message>
        <source>Please select:</source>
        <translation>Selezionare:</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>Portoghese (Portogallo)</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>Portoghese (Brasile)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Giapponese</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Cinese tradizionale</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Cinese semplificato</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Ceco</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danese</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Greco</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Croato</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Ungherese</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Olandese</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norvegese</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polacco</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumeno</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Sloveno</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Svedese</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finlandese</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Risoluzione problemi</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Manuali e download</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Start    </source>
        <translation>Avvia    </translation>
    </message>
    <message>
        <source>Select your lauguage:</source>
        <translation>Selezionare la lingua:</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Welcome </source>
        <translation>Benvenuti </translation>
    </message>
    <message>
        <source>Welcome to the IP camera Camguide. This wizard will help you easily setup the Internet camera, register skyvue web site for remote view and other interesting online services.</source>
        <translation>Benvenuti in Camguide per telecamere IP. Questa procedura guidata aiuta a installare facilmente la telecamera Internet e a registrarsi sul sito web skyvue per la visione remota e altri interessanti servizi online.</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Chiudi    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Informazioni su </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Attenzione:&lt;/b&gt; questo programma è protetto dalle leggi sul diritto d&apos;autore e dai trattati internazionali. La riproduzione o la distribuzione non autorizzata di questo programma, o di parte di esso, può comportare gravi sanzioni civili e penali.&lt;br&gt;</translation>
    </message>
</context>
</TS>
