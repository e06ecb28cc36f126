<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Another Camguide is already running.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Ostrzeżenie&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Program Camguide jest już uruchomiony.</translation>
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
        <translation>Rozwiąż problem</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Instrukcje i pobieranie</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Wszelkie prawa zastrzeżone.</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zamknij    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;O programie </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Ostrzeżenie:&lt;/b&gt; Ten program jest chroniony prawem autorskim i traktatami międzynarodowymi. Nieuprawnione powielanie lub rozpowszechnianie tego programu lub jakiejkolwiek jego części może skutkować surowymi sankcjami cywilnymi i karnymi.&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>connectPage</name>
    <message>
        <source>plug</source>
        <translation>Podłącz</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Ostrzeżenie&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Czy dioda Link na kamerze świeci na zielono?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Czy dioda Power/Link na kamerze świeci na zielono?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Restartuj    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zamknij    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Naciśnij i przytrzymaj przycisk Reset przez co najmniej 6 sekund, gdy kamera jest podłączona. Po zresetowaniu kamery kliknij &lt;b&gt;Restartuj&lt;/b&gt;, aby kontynuować.</translation>
    </message>
    <message>
        <source>Connect to the network</source>
        <translation>Połączenie z siecią</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Podłącz kabel Ethernet do portu Ethernet z tyłu kamery.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Podłącz drugi koniec kabla do wolnego portu LAN routera.</translation>
    </message>
    <message>
        <source>3.The LED on the camera will turn solid green when the device is ready.</source>
        <translation>3. Gdy urządzenie będzie gotowe, dioda zaświeci na stałe na zielono.</translation>
    </message>
    <message>
        <source>1.Unplug the Ethernet cable from the camera.</source>
        <translation>1. Odłącz kabel Ethernet od kamery.</translation>
    </message>
    <message>
        <source>2.Press the WPS button on the back of your camera and the WPS LED will start to flash blue.</source>
        <translation>2. Naciśnij przycisk WPS z tyłu kamery – dioda WPS zacznie migać na niebiesko.</translation>
    </message>
    <message>
        <source>3.You now  one minute to press the WPS button on your router.</source>
        <translation>3. Masz teraz minutę na naciśnięcie przycisku WPS na routerze.</translation>
    </message>
    <message>
        <source>4.Once your camera has established a connection, the WPS LED will turn solid blue, the LED in front of the camera will turn to flash green.</source>
        <translation>4. Gdy kamera nawiąże połączenie, dioda WPS zaświeci się na stałe na niebiesko, a dioda z przodu kamery zacznie migać na zielono.</translation>
    </message>
    <message>
        <source>Current connection(*):</source>
        <translation>Bieżące połączenie (*):</translation>
    </message>
    <message>
        <source>How would you connect your camera to the router?</source>
        <translation>Jak chcesz połączyć kamerę z routerem?</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Połączenie przewodowe&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Ethernet cable</source>
        <translation>Kablem Ethernet</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Połączenie bezprzewodowe&lt;/b&gt;</translation>
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
        <translation>Wybierając sieć bezprzewodową</translation>
    </message>
    <message>
        <source>Available wireless network</source>
        <translation>Dostępne sieci bezprzewodowe</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Szukaj    </translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. Przy kamerze</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. Przy routerze</translation>
    </message>
    <message>
        <source>3. Check LED turns green</source>
        <translation>3. Dioda świeci na zielono</translation>
    </message>
    <message>
        <source>1. Unplug the Ethernet cable</source>
        <translation>1. Odłącz kabel Ethernet</translation>
    </message>
    <message>
        <source>2. On the camera side</source>
        <translation>2. Przy kamerze</translation>
    </message>
    <message>
        <source>3. On the router side</source>
        <translation>3. Przy routerze</translation>
    </message>
    <message>
        <source>4. Check LED turns flash green</source>
        <translation>4. Dioda miga na zielono</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Wstecz</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Dalej    </translation>
    </message>
    <message>
        <source>Checking Internet connection</source>
        <translation>Sprawdzanie połączenia z internetem</translation>
    </message>
    <message>
        <source>(Current connection(*): &lt;b&gt;</source>
        <translation>(Bieżące połączenie (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>Wireless connection&lt;/b&gt;)</source>
        <translation>Połączenie bezprzewodowe&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Połączenie bezprzewodowe*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Wired connection&lt;/b&gt;)</source>
        <translation>Połączenie przewodowe&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Połączenie przewodowe*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Co zrobić, gdy dioda Link nie świeci?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Co zrobić, gdy dioda świeci na czerwono?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*where is my WPS button?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Gdzie jest przycisk WPS?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Having problems connecting?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Problemy z połączeniem?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Co zrobić, gdy dioda Link nie świeci?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Sprawdź następujące elementy:&lt;ul&gt;&lt;li&gt;Upewnij się, że kable są dobrze podłączone.&lt;/li&gt;&lt;li&gt;Odłącz kamerę i podłącz ją ponownie, aby ją zrestartować.&lt;/li&gt;&lt;li&gt;Jeśli dioda Link nadal nie świeci, możesz spróbować &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;zresetować kamerę&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Upewnij się, że modem lub router działa prawidłowo i że świecą diody połączenia kamery.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Co zrobić, gdy dioda świeci na czerwono?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Sprawdź następujące elementy:&lt;ul&gt;&lt;li&gt;Upewnij się, że kable są dobrze podłączone.&lt;/li&gt;&lt;li&gt;Odłącz kamerę i podłącz ją ponownie, aby ją zrestartować.&lt;/li&gt;&lt;li&gt;Jeśli dioda kamery nadal świeci na czerwono, możesz spróbować &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;zresetować kamerę&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Upewnij się, że modem lub router działa prawidłowo i że świecą diody połączenia kamery.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check your router&apos;s user manual for more details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Co to jest WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Funkcja Wi-Fi Protected Setup (WPS) pozwala szybko, łatwo i automatycznie skonfigurować bezpieczne połączenie bezprzewodowe. &lt;br&gt;&lt;br&gt;Przycisk WPS to zwykle mały przycisk z boku routera. W niektórych routerach trzeba zalogować się do interfejsu WWW i włączyć funkcję WPS przyciskiem na ekranie. Więcej informacji znajdziesz w instrukcji obsługi routera.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check the user manual for your router for details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Co to jest WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Funkcja Wi-Fi Protected Setup (WPS) pozwala szybko, łatwo i automatycznie skonfigurować bezpieczne połączenie bezprzewodowe. &lt;br&gt;&lt;br&gt;Przycisk WPS to zwykle mały przycisk z boku routera. W niektórych routerach trzeba zalogować się do interfejsu WWW i włączyć funkcję WPS przyciskiem na ekranie. Szczegóły znajdziesz w instrukcji routera.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Having problems connecting your camera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;If you are having problems connecting your camera using WPS, check the following:&lt;ul&gt;&lt;li&gt;Your camera may be out of range.Try connecting your camera from the same room as your router.&lt;/li&gt;&lt;li&gt;Make sure your router has a WPS button.Check your router&apos;s user manual for details. &lt;/li&gt;&lt;/ul&gt;If you are still having trouble connecting your camera using WPS, you can select wireless network manually or simply use a wired connection.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Problemy z połączeniem kamery?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Jeśli masz problemy z połączeniem kamery przez WPS, sprawdź następujące elementy:&lt;ul&gt;&lt;li&gt;Kamera może być poza zasięgiem. Spróbuj połączyć kamerę w tym samym pomieszczeniu, w którym stoi router.&lt;/li&gt;&lt;li&gt;Upewnij się, że router ma przycisk WPS. Szczegóły znajdziesz w instrukcji obsługi routera. &lt;/li&gt;&lt;/ul&gt;Jeśli nadal nie udaje się połączyć kamery przez WPS, możesz wybrać sieć bezprzewodową ręcznie lub po prostu użyć połączenia przewodowego.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Please plug in the cable. click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Podłącz kabel. Gdy skończysz, kliknij &lt;b&gt;OK&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Now you can unplug the Ethernet cable from the camera and click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Teraz możesz odłączyć kabel Ethernet od kamery. Gdy skończysz, kliknij &lt;b&gt;OK&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>OK	</source>
        <translation>OK	</translation>
    </message>
    <message>
        <source>The camera has already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;Close&lt;/b&gt; just re-configure the camera!</source>
        <translation>Kamera jest już zarejestrowana. Kliknij &lt;b&gt;Resetuj&lt;/b&gt;, aby ponownie uruchomić aplikację i zresetować kamerę, lub &lt;b&gt;Zamknij&lt;/b&gt;, aby tylko ponownie skonfigurować kamerę.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Resetuj    </translation>
    </message>
    <message>
        <source>Yes    </source>
        <translation>Tak    </translation>
    </message>
    <message>
        <source>NO    </source>
        <translation>Nie    </translation>
    </message>
    <message>
        <source>The camera can not connect to skyvue server. click &lt;b&gt;Retry&lt;/b&gt; to check again, or click &lt;b&gt;Close&lt;/b&gt; without signing in skyvue.</source>
        <translation>Kamera nie może połączyć się z serwerem skyvue. Kliknij &lt;b&gt;Ponów&lt;/b&gt;, aby sprawdzić ponownie, lub &lt;b&gt;Zamknij&lt;/b&gt;, aby kontynuować bez logowania do skyvue.</translation>
    </message>
    <message>
        <source>Retry	 </source>
        <translation>Ponów	 </translation>
    </message>
    <message>
        <source>Close	 </source>
        <translation>Zamknij	 </translation>
    </message>
    <message>
        <source>Check your cable connection please.&lt;br&gt;</source>
        <translation>Sprawdź połączenie kablowe.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The wireless connection failed. Please connect the Ethernet cable and select the wireless network again.&lt;br&gt;</source>
        <translation>Połączenie bezprzewodowe nie powiodło się. Podłącz kabel Ethernet i ponownie wybierz sieć bezprzewodową.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Zapisywanie ustawień sieci</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Ponowne uruchamianie sieci</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Sprawdzanie połączenia z internetem</translation>
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
        <translation>&lt;b&gt;Więcej szczegółów&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Camera IP address:</source>
        <translation>Adres IP kamery:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Maska podsieci:</translation>
    </message>
    <message>
        <source>Gateway IP address:</source>
        <translation>Adres IP bramy:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>Podstawowy DNS:</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>Zapasowy DNS</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stan:</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Bezprzewodowe</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Przewodowe</translation>
    </message>
    <message>
        <source>Wireless SSID:</source>
        <translation>SSID sieci Wi-Fi:</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>Connection mode:</source>
        <translation>Tryb połączenia:</translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation>Uwierzytelnianie:</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Szyfrowanie:</translation>
    </message>
    <message>
        <source>Key/password:</source>
        <translation>Klucz/hasło:</translation>
    </message>
    <message>
        <source>&lt;b&gt; Internet connection&lt;/b&gt;</source>
        <translation>&lt;b&gt; Połączenie z internetem&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Connection type&lt;/b&gt;</source>
        <translation>&lt;b&gt; Typ połączenia&lt;/b&gt;</translation>
    </message>
    <message>
        <source>skyvue no.:</source>
        <translation>Nr skyvue:</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Konto admina:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>&lt;b&gt; skyvue info&lt;/b&gt;</source>
        <translation>&lt;b&gt; Informacje skyvue&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Camera web page&lt;/b&gt;</source>
        <translation>&lt;b&gt; Strona kamery&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your Internet connection&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Zmień połączenie z internetem&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your connection type&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Zmień typ połączenia&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zamknij    </translation>
    </message>
</context>
<context>
    <name>failedPage</name>
    <message>
        <source>plug</source>
        <translation>Podłącz</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Ostrzeżenie&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Connect your camera</source>
        <translation>Połączenie kamery</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Zapisywanie ustawień sieci</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Ponowne uruchamianie sieci</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Sprawdzanie połączenia z internetem</translation>
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
        <translation>Adres IP</translation>
    </message>
    <message>
        <source>Submask</source>
        <translation>Maska podsieci</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Brama</translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation>Podstawowy DNS</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>Zapasowy DNS</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Adres IP:</translation>
    </message>
    <message>
        <source>Submask:</source>
        <translation>Maska podsieci:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Brama:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>Podstawowy DNS:</translation>
    </message>
    <message>
        <source>Secondary DNS:</source>
        <translation>Zapasowy DNS:</translation>
    </message>
    <message>
        <source>How would you connect your camera to the Internet?</source>
        <translation>Jak chcesz połączyć kamerę z internetem?</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)</source>
        <translation>Podaj konto i hasło (PPPoE)</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>Enter static IP address</source>
        <translation>Podaj statyczny adres IP</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)*</source>
        <translation>Dynamiczny adres IP (DHCP)*</translation>
    </message>
    <message>
        <source>Use in the intranet for local view only.</source>
        <translation>Tylko podgląd lokalny w intranecie.</translation>
    </message>
    <message>
        <source>The PPPoE is a network 
protocol mainly used with DSL 
services.</source>
        <translation>PPPoE to protokół 
sieciowy używany głównie 
w usługach DSL.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Wstecz</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Dalej    </translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Ładowanie, proszę czekać</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP address</source>
        <translation>Statyczny adres IP</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)</source>
        <translation>Dynamiczny adres IP (DHCP)</translation>
    </message>
    <message>
        <source>(Current Internet connection(*): &lt;b&gt;</source>
        <translation>(Bieżące połączenie z internetem (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>&lt;/b&gt;)</source>
        <translation>&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)*</source>
        <translation>Podaj konto i hasło (PPPoE)*</translation>
    </message>
    <message>
        <source>Enter static IP address*</source>
        <translation>Podaj statyczny adres IP*</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zamknij    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid username!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Ostrzeżenie&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Nieprawidłowa nazwa użytkownika!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid password.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Ostrzeżenie&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Nieprawidłowe hasło.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Ostrzeżenie&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Nieprawidłowa wartość:<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </translation>
    </message>
    <message>
        <source>!</source>
        <translation>!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Connection is failed.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Ostrzeżenie&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Połączenie nie powiodło się.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The camera have already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;OK&lt;/b&gt; just re-configure the camera!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Ostrzeżenie&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Kamera jest już zarejestrowana. Kliknij &lt;b&gt;Resetuj&lt;/b&gt;, aby ponownie uruchomić aplikację i zresetować kamerę, lub &lt;b&gt;OK&lt;/b&gt;, aby tylko ponownie skonfigurować kamerę.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Resetuj    </translation>
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
        <translation>Podłącz</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Ostrzeżenie&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Kamera nie ma połączenia z internetem ( &lt;a href = Setup again&gt;&lt;font size=3 color=#638c0b&gt;skonfiguruj ponownie&lt;/font&gt;&lt;/a&gt; ), więc nie możesz zalogować się do serwisu skyvue, aby oglądać obraz zdalnie.
</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Podgląd lokalny: pod adresem IP poniżej.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Nazwa konta:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Dodaj skrót do adresu IP kamery na pulpicie i w zakładkach przeglądarki.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Dołącz do skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Adres IP:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Hasło:</translation>
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
        <translation> Nazwa:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Więcej informacji o kamerze.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Gotowe    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Nie udało się w pełni utworzyć skrótu.</translation>
    </message>
</context>
<context>
    <name>joinPage1</name>
    <message>
        <source>plug</source>
        <translation>Podłącz</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Ostrzeżenie&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Czy dioda Link na kamerze świeci na zielono?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Czy dioda Power/Link na kamerze świeci na zielono?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Restartuj    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zamknij    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Naciśnij i przytrzymaj przycisk Reset przez co najmniej 6 sekund, gdy kamera jest podłączona. Po zresetowaniu kamery kliknij &lt;b&gt;Restartuj&lt;/b&gt;, aby kontynuować.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Dołącz do skyvue</translation>
    </message>
    <message>
        <source>The camera has previously registered with a skyvue account, you can login on &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; or mobile application to enjoy remote view. If you want to re-configure your account and device, you may &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;hard reset&lt;/font&gt;&lt;/a&gt; the camera and create or register with a new account.</source>
        <translation>Ta kamera została już zarejestrowana na koncie skyvue. Aby korzystać z podglądu zdalnego, zaloguj się na &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; lub w aplikacji mobilnej. Jeśli chcesz ponownie skonfigurować konto i urządzenie, możesz &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;przywrócić ustawienia fabryczne&lt;/font&gt;&lt;/a&gt; kamery i utworzyć nowe konto lub zarejestrować ją na innym.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Dlaczego skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Prosta konfiguracja&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS setting, firewall roadblock, or all the trouble some configurations on cameras or viewing clients.</source>
        <translation>Bez kłopotów ze skomplikowaną konfiguracją dynamicznego DNS, blokadami zapory sieciowej ani żmudnym ustawianiem kamer i programów do podglądu.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Łatwy dostęp&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Zdalny podgląd wszędzie&lt;/b&gt;</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Wstecz</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Dalej    </translation>
    </message>
</context>
<context>
    <name>joinPage2</name>
    <message>
        <source>plug</source>
        <translation>Podłącz</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Ostrzeżenie&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Dołącz do skyvue</translation>
    </message>
    <message>
        <source>Do you have a skyvue account ?</source>
        <translation>Czy masz konto skyvue?</translation>
    </message>
    <message>
        <source>&amp;Yes, I already have a skyvue account.</source>
        <translation>&amp;Tak, mam już konto skyvue.</translation>
    </message>
    <message>
        <source>&amp;No, I need to sign up for a new account.</source>
        <translation>&amp;Nie, chcę założyć nowe konto.</translation>
    </message>
    <message>
        <source>I &amp;don&apos;t want to sign up right now.</source>
        <translation>Nie chcę się teraz &amp;rejestrować.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Dlaczego skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Prosta konfiguracja&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS settings,firewall roadblock,or all the troublesome configurations on cameras or viewing clients.</source>
        <translation>Bez kłopotów ze skomplikowaną konfiguracją dynamicznego DNS, blokadami zapory sieciowej ani żmudnym ustawianiem kamer i programów do podglądu.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Łatwy dostęp&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For using skyvue web service such as to manage all your cameras in one place.</source>
        <translation>Zarządzaj wszystkimi kamerami w jednym miejscu w usłudze internetowej skyvue.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Zdalny podgląd wszędzie&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For viewing your cameras from anywhere through a web browser or a mobile device.</source>
        <translation>Oglądaj obraz z kamer z dowolnego miejsca w przeglądarce lub na urządzeniu mobilnym.</translation>
    </message>
    <message>
        <source>Please enter your skyvue account.</source>
        <translation>Podaj dane konta skyvue.</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Forgot password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Nie pamiętasz hasła?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm Password:</source>
        <translation>Potwierdź hasło:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Imię:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Nazwisko:</translation>
    </message>
    <message>
        <source>I would like to receive emails for latest services and products from skyvue.</source>
        <translation>Chcę otrzymywać e-maile o najnowszych usługach i produktach skyvue.</translation>
    </message>
    <message>
        <source>I accept skyvue &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;terms and conditions&lt;/font&gt;&lt;/a&gt;.</source>
        <translation>Akceptuję &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;warunki korzystania&lt;/font&gt;&lt;/a&gt; z usługi skyvue.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Wstecz</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Dalej    </translation>
    </message>
    <message>
        <source>&lt;b&gt;Loading, please wait....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ładowanie, proszę czekać....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zamknij    </translation>
    </message>
    <message>
        <source>Please select your camera.</source>
        <translation>Wybierz kamerę.</translation>
    </message>
    <message>
        <source>Invalid email!</source>
        <translation>Nieprawidłowy adres e-mail!</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>Nieprawidłowe hasło!</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match, please try again.</source>
        <translation>Hasła nie są zgodne, spróbuj ponownie.</translation>
    </message>
    <message>
        <source>You must accept the terms and conditions to continue.</source>
        <translation>Aby kontynuować, musisz zaakceptować warunki korzystania.</translation>
    </message>
    <message>
        <source>Please select an option.</source>
        <translation>Wybierz jedną z opcji.</translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Ładowanie, proszę czekać</translation>
    </message>
    <message>
        <source>Timeout, please retry.</source>
        <translation>Przekroczono limit czasu, spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The camera gave no valid portal address.</source>
        <translation>Kamera nie podała prawidłowego adresu portalu.</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>Nieznany błąd!</translation>
    </message>
    <message>
        <source>Since you forgot your skyvue account&apos;s password. click &lt;b&gt;OK&lt;/b&gt; button will direct you to skyvue portal to retrieve the password. Please follow the instructions on the web page.</source>
        <translation>Nie pamiętasz hasła do konta skyvue? Kliknij &lt;b&gt;OK&lt;/b&gt;, aby przejść do portalu skyvue i odzyskać hasło. Postępuj zgodnie z instrukcjami na stronie.</translation>
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
        <translation>Podłącz</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Ostrzeżenie&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source> Now you can use the information below to login &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.    click &lt;b&gt;Done&lt;/b&gt; to visit skyvue website to see camera live view.</source>
        <translation> Teraz możesz zalogować się do serwisu &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; przy użyciu poniższych danych.    Kliknij &lt;b&gt;Gotowe&lt;/b&gt;, aby przejść do serwisu skyvue i zobaczyć obraz na żywo z kamery.</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source> You can also learn more about mobile applications for your iPhone &amp; Android phone on &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.&lt;br&gt;</source>
        <translation> Więcej informacji o aplikacjach mobilnych na iPhone’a i Androida znajdziesz w serwisie &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;.&lt;br&gt;</translation>
    </message>
    <message>
        <source>  Add the shortcut of skyvue to my desktop and browser bookmark.</source>
        <translation>  Dodaj skrót do skyvue na pulpicie i w zakładkach przeglądarki.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Dołącz do skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Adres IP:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Hasło:</translation>
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
        <translation> Nazwa:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Więcej informacji o kamerze.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Gotowe    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Nie udało się w pełni utworzyć skrótu.</translation>
    </message>
</context>
<context>
    <name>joinPage4</name>
    <message>
        <source>plug</source>
        <translation>Podłącz</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Ostrzeżenie&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Jeśli nie zarejestrujesz tej kamery w skyvue, nie skorzystasz z takich możliwości, jak podgląd zdalny i aplikacja mobilna skyvue.</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Podgląd lokalny: pod adresem IP poniżej.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Nazwa konta:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Dodaj skrót do adresu IP kamery na pulpicie i w zakładkach przeglądarki.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Dołącz do skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Adres IP:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Hasło:</translation>
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
        <translation> Nazwa:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Więcej informacji o kamerze.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Gotowe    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Nie udało się w pełni utworzyć skrótu.</translation>
    </message>
</context>
<context>
    <name>plugPage</name>
    <message>
        <source>plug</source>
        <translation>Podłącz</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Ostrzeżenie&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Czy dioda Link na kamerze świeci na zielono?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Czy dioda Power/Link na kamerze świeci na zielono?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Restartuj    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zamknij    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Naciśnij i przytrzymaj przycisk Reset przez co najmniej 6 sekund, gdy kamera jest podłączona. Po zresetowaniu kamery kliknij &lt;b&gt;Restartuj&lt;/b&gt;, aby kontynuować.</translation>
    </message>
    <message>
        <source>Plug your camera</source>
        <translation>Podłącz kamerę</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Podłącz kabel Ethernet do portu Ethernet z tyłu kamery.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Podłącz drugi koniec kabla do wolnego portu LAN routera.</translation>
    </message>
    <message>
        <source>3.Connect the power adapter to the power jack on the back of the camera and plug the other end into the power outlet.</source>
        <translation>3. Podłącz zasilacz do gniazda zasilania z tyłu kamery, a drugi koniec do gniazdka elektrycznego.</translation>
    </message>
    <message>
        <source>4.The LED on the camera will turn green when the device is ready.</source>
        <translation>4. Gdy urządzenie będzie gotowe, dioda na kamerze zaświeci się na zielono.</translation>
    </message>
    <message>
        <source>*Could use Wi-Fi Protected Setup (WPS) instead.</source>
        <translation>*Możesz też użyć WPS.</translation>
    </message>
    <message>
        <source>Please confirm the following tasks are done before clicking &lt;b&gt;Next&lt;/b&gt;.</source>
        <translation>Zanim klikniesz &lt;b&gt;Dalej&lt;/b&gt;, upewnij się, że wykonano poniższe czynności.</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. Przy kamerze</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. Przy routerze</translation>
    </message>
    <message>
        <source>3. Plug power adapter</source>
        <translation>3. Podłącz zasilacz</translation>
    </message>
    <message>
        <source>4. Check LED turns solid green</source>
        <translation>4. Dioda świeci na zielono</translation>
    </message>
    <message>
        <source>You can also use WPS button to&lt;br&gt;establish connection in this step&lt;br&gt;or follow the instruction in later step.</source>
        <translation>W tym kroku możesz też nawiązać&lt;br&gt;połączenie przyciskiem WPS lub&lt;br&gt;postępować według dalszych instrukcji.</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Dalej    </translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Co zrobić, gdy dioda Link nie świeci?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Co zrobić, gdy dioda świeci na czerwono?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Co zrobić, gdy dioda Link nie świeci?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Sprawdź następujące elementy:&lt;ul&gt;&lt;li&gt;Upewnij się, że kable są dobrze podłączone.&lt;/li&gt;&lt;li&gt;Odłącz kamerę i podłącz ją ponownie, aby ją zrestartować.&lt;/li&gt;&lt;li&gt;Jeśli dioda Link nadal nie świeci, możesz spróbować &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;zresetować kamerę&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Upewnij się, że modem lub router działa prawidłowo i że świecą diody połączenia kamery.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Co zrobić, gdy dioda świeci na czerwono?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Sprawdź następujące elementy:&lt;ul&gt;&lt;li&gt;Upewnij się, że kable są dobrze podłączone.&lt;/li&gt;&lt;li&gt;Odłącz kamerę i podłącz ją ponownie, aby ją zrestartować.&lt;/li&gt;&lt;li&gt;Jeśli dioda kamery nadal świeci na czerwono, możesz spróbować &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;zresetować kamerę&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Upewnij się, że modem lub router działa prawidłowo i że świecą diody połączenia kamery.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
</context>
<context>
    <name>selectPage</name>
    <message>
        <source>plug</source>
        <translation>Podłącz</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Ostrzeżenie&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Czy dioda Link na kamerze świeci na zielono?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Czy dioda Power/Link na kamerze świeci na zielono?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Restartuj    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zamknij    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Naciśnij i przytrzymaj przycisk Reset przez co najmniej 6 sekund, gdy kamera jest podłączona. Po zresetowaniu kamery kliknij &lt;b&gt;Restartuj&lt;/b&gt;, aby kontynuować.</translation>
    </message>
    <message>
        <source>Select your camera</source>
        <translation>Wybierz kamerę</translation>
    </message>
    <message>
        <source>Select your camera from the list and click &lt;b&gt;Next&lt;/b&gt; when you complete.</source>
        <translation>Wybierz kamerę z listy i kliknij &lt;b&gt;Dalej&lt;/b&gt;.</translation>
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
        <translation>Adres IP</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Połączenie</translation>
    </message>
    <message>
        <source>MAC ID is a unique identifier
assigned to network interfaces
for communications on the
physical network.</source>
        <translation>Adres MAC to unikatowy
identyfikator przypisany
interfejsom sieciowym do
komunikacji w sieci fizycznej.</translation>
    </message>
    <message>
        <source>Registered to skyvue</source>
        <translation>Zarejestrowana w skyvue</translation>
    </message>
    <message>
        <source>Not registered</source>
        <translation>Niezarejestrowana</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Przewodowe</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Bezprzewodowe</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;MAC ID&lt;/b&gt; on the back of your camera.</source>
        <translation>Sprawdź &lt;b&gt;adres MAC&lt;/b&gt; z tyłu kamery.</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Cannot find your camera from the list ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Nie ma kamery na liście?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Enter a password to secure your camera</source>
        <translation>Ustaw hasło, aby zabezpieczyć kamerę</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Konto admina:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Forgot my camera password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Nie pamiętasz hasła kamery?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Potwierdź hasło:</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      Wstecz</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Szukaj    </translation>
    </message>
    <message>
        <source>Next      </source>
        <translation>Dalej      </translation>
    </message>
    <message>
        <source>&lt;b&gt;Searching camera....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Wyszukiwanie kamery....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Confirm your camera password</source>
        <translation>Potwierdź hasło kamery</translation>
    </message>
    <message>
        <source>Searching camera</source>
        <translation>Wyszukiwanie kamery</translation>
    </message>
    <message>
        <source>Saving camera&apos;s password</source>
        <translation>Zapisywanie hasła kamery</translation>
    </message>
    <message>
        <source>Retrieving the camera&apos;s password</source>
        <translation>Pobieranie hasła kamery</translation>
    </message>
    <message>
        <source>The camera you select has already been registered to skyvue. You have to enter the correct camera password and skyvue account later or &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt; to register another account.&lt;br&gt;</source>
        <translation>Wybrana kamera jest już zarejestrowana w skyvue. Musisz później podać prawidłowe hasło kamery i konto skyvue albo &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;zresetować kamerę&lt;/font&gt;&lt;/a&gt;, aby zarejestrować inne konto.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The passwords must be at least 6 characters long and must contain at least 2 letters, case-sensitive!</source>
        <translation>Hasło musi mieć co najmniej 6 znaków i zawierać co najmniej 2 litery; wielkość liter ma znaczenie!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The passwords don&apos;t match! Please try again!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Ostrzeżenie&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Hasła nie są zgodne! Spróbuj ponownie!</translation>
    </message>
    <message>
        <source>Input wrong password, please check!</source>
        <translation>Wprowadzono nieprawidłowe hasło, sprawdź je!</translation>
    </message>
    <message>
        <source>Two times input password are not the same!</source>
        <translation>Wpisane hasła nie są takie same!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Cannot detect your wired connection?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Please close this lightbox and click &lt;b&gt;Back&lt;/b&gt; button to previous page. Follow the instruction to install the camera again.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Nie wykryto połączenia przewodowego?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Zamknij to okno i kliknij przycisk &lt;b&gt;Wstecz&lt;/b&gt;, aby wrócić do poprzedniej strony. Zainstaluj kamerę ponownie według instrukcji.</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>Statyczny IP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>The camera did not confirm the new password, so it may still have none. Check that the camera is on and connected, then try again.</source>
        <translation>Kamera nie potwierdziła nowego hasła, więc może nadal nie mieć żadnego. Sprawdź, czy kamera jest włączona i podłączona, a następnie spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Retry    </source>
        <translation>Ponów    </translation>
    </message>
</context>
<context>
    <name>welcomePage</name>
    <message>
        <source>Please select:</source>
        <translation>Wybierz:</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Angielski</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francuski</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rosyjski</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Hiszpański</translation>
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
        <translation>Japoński</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chiński tradycyjny</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chiński uproszczony</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreański</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Czeski</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Duński</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Niemiecki</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grecki</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Chorwacki</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Węgierski</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Włoski</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niderlandzki</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norweski</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polski</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumuński</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Słoweński</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Szwedzki</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Fiński</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Rozwiąż problem</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Instrukcje i pobieranie</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>Start    </source>
        <translation>Rozpocznij    </translation>
    </message>
    <message>
        <source>Select your lauguage:</source>
        <translation>Wybierz język:</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Wszelkie prawa zastrzeżone.</translation>
    </message>
    <message>
        <source>Welcome </source>
        <translation>Witamy </translation>
    </message>
    <message>
        <source>Welcome to the IP camera Camguide. This wizard will help you easily setup the Internet camera, register skyvue web site for remote view and other interesting online services.</source>
        <translation>Witamy w programie Camguide dla kamer IP. Ten kreator pomoże ci łatwo skonfigurować kamerę internetową, zarejestrować się w serwisie skyvue w celu zdalnego podglądu i korzystać z innych ciekawych usług online.</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Zamknij    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;O programie </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Ostrzeżenie:&lt;/b&gt; Ten program jest chroniony prawem autorskim i traktatami międzynarodowymi. Nieuprawnione powielanie lub rozpowszechnianie tego programu lub jakiejkolwiek jego części może skutkować surowymi sankcjami cywilnymi i karnymi.&lt;br&gt;</translation>
    </message>
</context>
</TS>
