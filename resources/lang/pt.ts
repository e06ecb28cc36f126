<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Another Camguide is already running.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Aviso&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Já está em execução outro Camguide.</translation>
    </message>
    <message>
        <source>MyCamera</source>
        <translation>MinhaCamara</translation>
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
        <translation>Resolver problemas</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Manuais e transferências</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Fechar    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Acerca do </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Aviso:&lt;/b&gt; este programa está protegido pelas leis de direitos de autor e por tratados internacionais. A reprodução ou distribuição não autorizada deste programa, ou de qualquer parte do mesmo, pode dar origem a sanções civis e penais graves.&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>connectPage</name>
    <message>
        <source>plug</source>
        <translation>Ligar</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Escolher</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Aviso&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>O LED Link da câmara está aceso a verde?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>O LED Power/Link da câmara está aceso a verde?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Reiniciar    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Fechar    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Mantenha premido o botão Reset durante pelo menos 6 segundos com a câmara ligada. Depois de repor a câmara, clique em &lt;b&gt;Reiniciar&lt;/b&gt; para continuar.</translation>
    </message>
    <message>
        <source>Connect to the network</source>
        <translation>Ligar à rede</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Ligue o cabo Ethernet à porta Ethernet na parte de trás da câmara.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Ligue a outra extremidade do cabo a uma porta LAN livre do router.</translation>
    </message>
    <message>
        <source>3.The LED on the camera will turn solid green when the device is ready.</source>
        <translation>3. O LED da câmara fica verde fixo quando o dispositivo estiver pronto.</translation>
    </message>
    <message>
        <source>1.Unplug the Ethernet cable from the camera.</source>
        <translation>1. Desligue o cabo Ethernet da câmara.</translation>
    </message>
    <message>
        <source>2.Press the WPS button on the back of your camera and the WPS LED will start to flash blue.</source>
        <translation>2. Prima o botão WPS na parte de trás da câmara; o LED WPS começa a piscar a azul.</translation>
    </message>
    <message>
        <source>3.You now  one minute to press the WPS button on your router.</source>
        <translation>3. Tem agora um minuto para premir o botão WPS do router.</translation>
    </message>
    <message>
        <source>4.Once your camera has established a connection, the WPS LED will turn solid blue, the LED in front of the camera will turn to flash green.</source>
        <translation>4. Quando a câmara tiver estabelecido a ligação, o LED WPS fica azul fixo e o LED na parte da frente da câmara começa a piscar a verde.</translation>
    </message>
    <message>
        <source>Current connection(*):</source>
        <translation>Ligação atual (*):</translation>
    </message>
    <message>
        <source>How would you connect your camera to the router?</source>
        <translation>Como pretende ligar a câmara ao router?</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ligação por cabo&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Ethernet cable</source>
        <translation>Por cabo Ethernet</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ligação sem fios&lt;/b&gt;</translation>
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
        <translation>Escolher uma rede sem fios</translation>
    </message>
    <message>
        <source>Available wireless network</source>
        <translation>Redes sem fios disponíveis</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Buscar    </translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Palavra-passe:</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. Do lado da câmara</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. Do lado do router</translation>
    </message>
    <message>
        <source>3. Check LED turns green</source>
        <translation>3. LED aceso a verde</translation>
    </message>
    <message>
        <source>1. Unplug the Ethernet cable</source>
        <translation>1. Desligar o cabo</translation>
    </message>
    <message>
        <source>2. On the camera side</source>
        <translation>2. Do lado da câmara</translation>
    </message>
    <message>
        <source>3. On the router side</source>
        <translation>3. Do lado do router</translation>
    </message>
    <message>
        <source>4. Check LED turns flash green</source>
        <translation>4. LED a piscar a verde</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Voltar</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Seguinte    </translation>
    </message>
    <message>
        <source>Checking Internet connection</source>
        <translation>A verificar a ligação à Internet</translation>
    </message>
    <message>
        <source>(Current connection(*): &lt;b&gt;</source>
        <translation>(Ligação atual (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>Wireless connection&lt;/b&gt;)</source>
        <translation>Ligação sem fios&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ligação sem fios*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Wired connection&lt;/b&gt;)</source>
        <translation>Ligação por cabo&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ligação por cabo*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*O que fazer se o LED Link continuar apagado?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*O que fazer se o LED continuar vermelho?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*where is my WPS button?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Onde está o botão WPS?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Having problems connecting?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Problemas de ligação?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  O que fazer se o LED Link continuar apagado?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Verifique o seguinte:&lt;ul&gt;&lt;li&gt;Verifique se os cabos estão bem ligados.&lt;/li&gt;&lt;li&gt;Desligue a câmara e volte a ligá-la.&lt;/li&gt;&lt;li&gt;Se o LED Link continuar apagado, pode &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;repor a câmara&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Verifique se o modem ou router funciona e se os LED da câmara estão acesos.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  O que fazer se o LED continuar vermelho?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Verifique o seguinte:&lt;ul&gt;&lt;li&gt;Verifique se os cabos estão bem ligados.&lt;/li&gt;&lt;li&gt;Desligue a câmara e volte a ligá-la.&lt;/li&gt;&lt;li&gt;Se o LED da câmara continuar vermelho, pode &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;repor a câmara&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Verifique se o modem ou router funciona e se os LED da câmara estão acesos.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check your router&apos;s user manual for more details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;O que é o WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;O WPS (Wi-Fi Protected Setup) permite configurar uma ligação sem fios segura de forma rápida, fácil e automática. &lt;br&gt;&lt;br&gt;O botão WPS do router é normalmente um pequeno botão na parte lateral do router. Em alguns routers, poderá ter de iniciar sessão na interface web e clicar num botão no ecrã para ativar a função WPS. Para mais informações, consulte o manual do utilizador do router.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check the user manual for your router for details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;O que é o WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;O WPS (Wi-Fi Protected Setup) permite configurar uma ligação sem fios segura de forma rápida, fácil e automática. &lt;br&gt;&lt;br&gt;O botão WPS do router é normalmente um pequeno botão na parte lateral do router. Em alguns routers, poderá ter de iniciar sessão na interface web e clicar num botão no ecrã para ativar a função WPS. Para mais detalhes, consulte o manual do utilizador do seu router.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Having problems connecting your camera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;If you are having problems connecting your camera using WPS, check the following:&lt;ul&gt;&lt;li&gt;Your camera may be out of range.Try connecting your camera from the same room as your router.&lt;/li&gt;&lt;li&gt;Make sure your router has a WPS button.Check your router&apos;s user manual for details. &lt;/li&gt;&lt;/ul&gt;If you are still having trouble connecting your camera using WPS, you can select wireless network manually or simply use a wired connection.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Problemas ao ligar a câmara?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Se tiver problemas ao ligar a câmara por WPS, verifique o seguinte:&lt;ul&gt;&lt;li&gt;A câmara pode estar fora de alcance. Tente ligar a câmara na mesma divisão onde está o router.&lt;/li&gt;&lt;li&gt;Certifique-se de que o router tem um botão WPS. Consulte o manual do utilizador do router para mais detalhes. &lt;/li&gt;&lt;/ul&gt;Se continuar a ter problemas ao ligar a câmara por WPS, pode escolher a rede sem fios manualmente ou simplesmente utilizar uma ligação por cabo.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Please plug in the cable. click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Ligue o cabo. Clique em &lt;b&gt;OK&lt;/b&gt; quando terminar.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Now you can unplug the Ethernet cable from the camera and click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Já pode desligar o cabo Ethernet da câmara. Clique em &lt;b&gt;OK&lt;/b&gt; quando terminar.</translation>
    </message>
    <message>
        <source>OK	</source>
        <translation>OK	</translation>
    </message>
    <message>
        <source>The camera has already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;Close&lt;/b&gt; just re-configure the camera!</source>
        <translation>A câmara já está registada. Clique em &lt;b&gt;Repor&lt;/b&gt; para reiniciar a aplicação e repor a câmara, ou em &lt;b&gt;Fechar&lt;/b&gt; para apenas reconfigurar a câmara.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Repor    </translation>
    </message>
    <message>
        <source>Yes    </source>
        <translation>Sim    </translation>
    </message>
    <message>
        <source>NO    </source>
        <translation>Não    </translation>
    </message>
    <message>
        <source>The camera can not connect to skyvue server. click &lt;b&gt;Retry&lt;/b&gt; to check again, or click &lt;b&gt;Close&lt;/b&gt; without signing in skyvue.</source>
        <translation>A câmara não consegue ligar-se ao servidor skyvue. Clique em &lt;b&gt;Repetir&lt;/b&gt; para voltar a verificar, ou em &lt;b&gt;Fechar&lt;/b&gt; para continuar sem iniciar sessão no skyvue.</translation>
    </message>
    <message>
        <source>Retry	 </source>
        <translation>Repetir	 </translation>
    </message>
    <message>
        <source>Close	 </source>
        <translation>Fechar	 </translation>
    </message>
    <message>
        <source>Check your cable connection please.&lt;br&gt;</source>
        <translation>Verifique a ligação do cabo.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The wireless connection failed. Please connect the Ethernet cable and select the wireless network again.&lt;br&gt;</source>
        <translation>A ligação sem fios falhou. Ligue o cabo Ethernet e volte a escolher a rede sem fios.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>A guardar as definições de rede</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>A reiniciar a rede</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>A verificar a ligação à Internet</translation>
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
        <translation>&lt;b&gt;Mais detalhes&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Camera IP address:</source>
        <translation>Endereço IP da câmara:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Máscara de sub-rede:</translation>
    </message>
    <message>
        <source>Gateway IP address:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>DNS primário:</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>DNS secundário:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Sem fios</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Por cabo</translation>
    </message>
    <message>
        <source>Wireless SSID:</source>
        <translation>SSID sem fios:</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Connection mode:</source>
        <translation>Modo de ligação:</translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation>Autenticação:</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Encriptação:</translation>
    </message>
    <message>
        <source>Key/password:</source>
        <translation>Chave/palavra-passe:</translation>
    </message>
    <message>
        <source>&lt;b&gt; Internet connection&lt;/b&gt;</source>
        <translation>&lt;b&gt; Ligação à Internet&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Connection type&lt;/b&gt;</source>
        <translation>&lt;b&gt; Tipo de ligação&lt;/b&gt;</translation>
    </message>
    <message>
        <source>skyvue no.:</source>
        <translation>N.º skyvue:</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Conta admin:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Palavra-passe:</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>&lt;b&gt; skyvue info&lt;/b&gt;</source>
        <translation>&lt;b&gt; Dados skyvue&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Camera web page&lt;/b&gt;</source>
        <translation>&lt;b&gt; Interface web&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your Internet connection&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Alterar a ligação à Internet&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your connection type&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Alterar o tipo de ligação&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Fechar    </translation>
    </message>
</context>
<context>
    <name>failedPage</name>
    <message>
        <source>plug</source>
        <translation>Ligar</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Escolher</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Aviso&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Connect your camera</source>
        <translation>Ligação à Internet</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>A guardar as definições de rede</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>A reiniciar a rede</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>A verificar a ligação à Internet</translation>
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
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>Submask</source>
        <translation>Máscara de rede</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation>DNS primário</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>DNS secundário:</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Endereço IP:</translation>
    </message>
    <message>
        <source>Submask:</source>
        <translation>Máscara de rede:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>DNS primário:</translation>
    </message>
    <message>
        <source>Secondary DNS:</source>
        <translation>DNS secundário:</translation>
    </message>
    <message>
        <source>How would you connect your camera to the Internet?</source>
        <translation>Como pretende ligar a câmara à Internet?</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)</source>
        <translation>Conta e palavra-passe (PPPoE)</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Conta:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Enter static IP address</source>
        <translation>Endereço IP estático</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)*</source>
        <translation>Endereço IP dinâmico (DHCP)*</translation>
    </message>
    <message>
        <source>Use in the intranet for local view only.</source>
        <translation>Utilizar apenas na rede local.</translation>
    </message>
    <message>
        <source>The PPPoE is a network 
protocol mainly used with DSL 
services.</source>
        <translation>O PPPoE é um protocolo de 
rede utilizado sobretudo com 
serviços DSL.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Voltar</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Seguinte    </translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>A carregar, aguarde</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP address</source>
        <translation>Endereço IP estático</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)</source>
        <translation>Endereço IP dinâmico (DHCP)</translation>
    </message>
    <message>
        <source>(Current Internet connection(*): &lt;b&gt;</source>
        <translation>(Ligação à Internet atual (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>&lt;/b&gt;)</source>
        <translation>&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)*</source>
        <translation>Conta e palavra-passe (PPPoE)*</translation>
    </message>
    <message>
        <source>Enter static IP address*</source>
        <translation>Endereço IP estático*</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Fechar    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid username!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Aviso&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Nome de utilizador inválido!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid password.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Aviso&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Palavra-passe inválida.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Aviso&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Valor inválido:<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </translation>
    </message>
    <message>
        <source>!</source>
        <translation>!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Connection is failed.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Aviso&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;A ligação falhou.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The camera have already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;OK&lt;/b&gt; just re-configure the camera!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Aviso&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;A câmara já está registada. Clique em &lt;b&gt;Repor&lt;/b&gt; para reiniciar a aplicação e repor a câmara, ou em &lt;b&gt;OK&lt;/b&gt; para apenas reconfigurar a câmara.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Repor    </translation>
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
        <translation>Ligar</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Escolher</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Aviso&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> A câmara não tem ligação à Internet ( &lt;a href = Setup again&gt;&lt;font size=3 color=#638c0b&gt;configurar de novo&lt;/font&gt;&lt;/a&gt; ): não é possível ver a câmara remotamente no site skyvue.
</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Pode ver a câmara na rede local com o IP abaixo.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Nome da conta:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Criar atalhos para o IP da câmara no ambiente de trabalho e nos marcadores.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Aderir ao skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Endereço IP:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Palavra-passe:</translation>
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
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Mais detalhes sobre a câmara.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Concluir    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Não foi possível criar o atalho por completo.</translation>
    </message>
</context>
<context>
    <name>joinPage1</name>
    <message>
        <source>plug</source>
        <translation>Ligar</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Escolher</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Aviso&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>O LED Link da câmara está aceso a verde?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>O LED Power/Link da câmara está aceso a verde?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Reiniciar    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Fechar    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Mantenha premido o botão Reset durante pelo menos 6 segundos com a câmara ligada. Depois de repor a câmara, clique em &lt;b&gt;Reiniciar&lt;/b&gt; para continuar.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Aderir ao skyvue</translation>
    </message>
    <message>
        <source>The camera has previously registered with a skyvue account, you can login on &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; or mobile application to enjoy remote view. If you want to re-configure your account and device, you may &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;hard reset&lt;/font&gt;&lt;/a&gt; the camera and create or register with a new account.</source>
        <translation>A câmara já foi registada numa conta skyvue. Pode iniciar sessão em &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; ou na aplicação móvel para ver a câmara remotamente. Se pretender reconfigurar a conta e o dispositivo, pode fazer uma &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;reposição total&lt;/font&gt;&lt;/a&gt; da câmara e criar uma nova conta ou registá-la noutra conta.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Porquê aderir ao skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Configuração simples&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS setting, firewall roadblock, or all the trouble some configurations on cameras or viewing clients.</source>
        <translation>Esqueça as configurações complicadas de DNS dinâmico, os bloqueios da firewall e as configurações trabalhosas das câmaras ou dos programas de visualização.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Acesso fácil&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Ver em qualquer lugar&lt;/b&gt;</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Voltar</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Seguinte    </translation>
    </message>
</context>
<context>
    <name>joinPage2</name>
    <message>
        <source>plug</source>
        <translation>Ligar</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Escolher</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Aviso&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Aderir ao skyvue</translation>
    </message>
    <message>
        <source>Do you have a skyvue account ?</source>
        <translation>Tem uma conta skyvue?</translation>
    </message>
    <message>
        <source>&amp;Yes, I already have a skyvue account.</source>
        <translation>&amp;Sim, já tenho uma conta skyvue.</translation>
    </message>
    <message>
        <source>&amp;No, I need to sign up for a new account.</source>
        <translation>&amp;Não, preciso de criar uma conta nova.</translation>
    </message>
    <message>
        <source>I &amp;don&apos;t want to sign up right now.</source>
        <translation>Não quero registar-me &amp;agora.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Porquê aderir ao skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Configuração simples&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS settings,firewall roadblock,or all the troublesome configurations on cameras or viewing clients.</source>
        <translation>Esqueça as configurações complicadas de DNS dinâmico, os bloqueios da firewall e as configurações trabalhosas das câmaras ou dos programas de visualização.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Acesso fácil&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For using skyvue web service such as to manage all your cameras in one place.</source>
        <translation>Faça a gestão de todas as câmaras num só lugar com o serviço web skyvue.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Ver em qualquer lugar&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For viewing your cameras from anywhere through a web browser or a mobile device.</source>
        <translation>Veja as suas câmaras a partir de qualquer lugar num browser ou dispositivo móvel.</translation>
    </message>
    <message>
        <source>Please enter your skyvue account.</source>
        <translation>Introduza a sua conta skyvue.</translation>
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
        <translation>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Esqueceu-se da palavra-passe?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm Password:</source>
        <translation>Confirmar:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Apelido:</translation>
    </message>
    <message>
        <source>I would like to receive emails for latest services and products from skyvue.</source>
        <translation>Quero receber e-mails sobre os mais recentes serviços e produtos skyvue.</translation>
    </message>
    <message>
        <source>I accept skyvue &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;terms and conditions&lt;/font&gt;&lt;/a&gt;.</source>
        <translation>Aceito os &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;termos e condições&lt;/font&gt;&lt;/a&gt; do skyvue.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Voltar</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Seguinte    </translation>
    </message>
    <message>
        <source>&lt;b&gt;Loading, please wait....&lt;/b&gt;</source>
        <translation>&lt;b&gt;A carregar, aguarde....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Fechar    </translation>
    </message>
    <message>
        <source>Please select your camera.</source>
        <translation>Escolha a sua câmara.</translation>
    </message>
    <message>
        <source>Invalid email!</source>
        <translation>E-mail inválido!</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>Palavra-passe inválida!</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match, please try again.</source>
        <translation>As palavras-passe não coincidem. Tente novamente.</translation>
    </message>
    <message>
        <source>You must accept the terms and conditions to continue.</source>
        <translation>Tem de aceitar os termos e condições para continuar.</translation>
    </message>
    <message>
        <source>Please select an option.</source>
        <translation>Escolha uma opção.</translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>A carregar, aguarde</translation>
    </message>
    <message>
        <source>Timeout, please retry.</source>
        <translation>Tempo esgotado. Tente novamente.</translation>
    </message>
    <message>
        <source>The camera gave no valid portal address.</source>
        <translation>A câmara não indicou um endereço de portal válido.</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>Erro desconhecido!</translation>
    </message>
    <message>
        <source>Since you forgot your skyvue account&apos;s password. click &lt;b&gt;OK&lt;/b&gt; button will direct you to skyvue portal to retrieve the password. Please follow the instructions on the web page.</source>
        <translation>Esqueceu-se da palavra-passe da sua conta skyvue? Clique em &lt;b&gt;OK&lt;/b&gt; para ir para o portal skyvue e recuperar a palavra-passe. Siga as instruções na página web.</translation>
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
        <translation>Ligar</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Escolher</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Aviso&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source> Now you can use the information below to login &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.    click &lt;b&gt;Done&lt;/b&gt; to visit skyvue website to see camera live view.</source>
        <translation> Inicie sessão no site &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; com os dados abaixo. Clique em &lt;b&gt;Concluir&lt;/b&gt; para abrir o site e ver a imagem em direto da câmara.</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Conta:</translation>
    </message>
    <message>
        <source> You can also learn more about mobile applications for your iPhone &amp; Android phone on &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.&lt;br&gt;</source>
        <translation> No site &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; também encontra mais informações sobre as aplicações móveis para iPhone e Android.&lt;br&gt;</translation>
    </message>
    <message>
        <source>  Add the shortcut of skyvue to my desktop and browser bookmark.</source>
        <translation>  Criar atalhos para o skyvue no ambiente de trabalho e nos marcadores.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Aderir ao skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Endereço IP:</translation>
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
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Mais detalhes sobre a câmara.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Concluir    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Não foi possível criar o atalho por completo.</translation>
    </message>
</context>
<context>
    <name>joinPage4</name>
    <message>
        <source>plug</source>
        <translation>Ligar</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Escolher</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Aviso&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Se optar por não registar esta câmara no skyvue, não poderá usufruir de vantagens como a visualização remota e a aplicação móvel skyvue.</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Pode ver a câmara na rede local com o IP abaixo.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Nome da conta:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Criar atalhos para o IP da câmara no ambiente de trabalho e nos marcadores.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Aderir ao skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Endereço:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Palavra-passe:</translation>
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
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Mais detalhes sobre a câmara.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Concluir    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Não foi possível criar o atalho por completo.</translation>
    </message>
</context>
<context>
    <name>plugPage</name>
    <message>
        <source>plug</source>
        <translation>Ligar</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Escolher</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Aviso&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>O LED Link da câmara está aceso a verde?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>O LED Power/Link da câmara está aceso a verde?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Reiniciar    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Fechar    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Mantenha premido o botão Reset durante pelo menos 6 segundos com a câmara ligada. Depois de repor a câmara, clique em &lt;b&gt;Reiniciar&lt;/b&gt; para continuar.</translation>
    </message>
    <message>
        <source>Plug your camera</source>
        <translation>Ligar a câmara</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Ligue o cabo Ethernet à porta Ethernet na parte de trás da câmara.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Ligue a outra extremidade do cabo a uma porta LAN livre do router.</translation>
    </message>
    <message>
        <source>3.Connect the power adapter to the power jack on the back of the camera and plug the other end into the power outlet.</source>
        <translation>3. Ligue o transformador à entrada de alimentação na parte de trás da câmara e a outra extremidade a uma tomada elétrica.</translation>
    </message>
    <message>
        <source>4.The LED on the camera will turn green when the device is ready.</source>
        <translation>4. O LED da câmara fica verde quando o dispositivo estiver pronto.</translation>
    </message>
    <message>
        <source>*Could use Wi-Fi Protected Setup (WPS) instead.</source>
        <translation>*Também pode usar o WPS.</translation>
    </message>
    <message>
        <source>Please confirm the following tasks are done before clicking &lt;b&gt;Next&lt;/b&gt;.</source>
        <translation>Confirme estes passos antes de clicar em &lt;b&gt;Seguinte&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. Do lado da câmara</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. Do lado do router</translation>
    </message>
    <message>
        <source>3. Plug power adapter</source>
        <translation>3. Ligar o transformador</translation>
    </message>
    <message>
        <source>4. Check LED turns solid green</source>
        <translation>4. LED verde fixo</translation>
    </message>
    <message>
        <source>You can also use WPS button to&lt;br&gt;establish connection in this step&lt;br&gt;or follow the instruction in later step.</source>
        <translation>Também pode utilizar o botão WPS&lt;br&gt;para estabelecer a ligação já neste passo&lt;br&gt;ou seguir as instruções num passo posterior.</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Seguinte    </translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;O que fazer se o LED Link continuar apagado?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;O que fazer se o LED continuar vermelho?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  O que fazer se o LED Link continuar apagado?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Verifique o seguinte:&lt;ul&gt;&lt;li&gt;Verifique se os cabos estão bem ligados.&lt;/li&gt;&lt;li&gt;Desligue a câmara e volte a ligá-la.&lt;/li&gt;&lt;li&gt;Se o LED Link continuar apagado, pode &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;repor a câmara&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Verifique se o modem ou router funciona e se os LED da câmara estão acesos.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  O que fazer se o LED continuar vermelho?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Verifique o seguinte:&lt;ul&gt;&lt;li&gt;Verifique se os cabos estão bem ligados.&lt;/li&gt;&lt;li&gt;Desligue a câmara e volte a ligá-la.&lt;/li&gt;&lt;li&gt;Se o LED da câmara continuar vermelho, pode &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;repor a câmara&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Verifique se o modem ou router funciona e se os LED da câmara estão acesos.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
</context>
<context>
    <name>selectPage</name>
    <message>
        <source>plug</source>
        <translation>Ligar</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Escolher</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Aviso&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>O LED Link da câmara está aceso a verde?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>O LED Power/Link da câmara está aceso a verde?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Reiniciar    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Fechar    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Mantenha premido o botão Reset durante pelo menos 6 segundos com a câmara ligada. Depois de repor a câmara, clique em &lt;b&gt;Reiniciar&lt;/b&gt; para continuar.</translation>
    </message>
    <message>
        <source>Select your camera</source>
        <translation>Escolher a câmara</translation>
    </message>
    <message>
        <source>Select your camera from the list and click &lt;b&gt;Next&lt;/b&gt; when you complete.</source>
        <translation>Escolha a sua câmara na lista e clique em &lt;b&gt;Seguinte&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Câmara</translation>
    </message>
    <message>
        <source>MAC ID</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Ligação</translation>
    </message>
    <message>
        <source>MAC ID is a unique identifier
assigned to network interfaces
for communications on the
physical network.</source>
        <translation>O endereço MAC é um identificador
único atribuído às interfaces de
rede para comunicar na
rede física.</translation>
    </message>
    <message>
        <source>Registered to skyvue</source>
        <translation>Registada no skyvue</translation>
    </message>
    <message>
        <source>Not registered</source>
        <translation>Não registada</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Por cabo</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Sem fios</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;MAC ID&lt;/b&gt; on the back of your camera.</source>
        <translation>O &lt;b&gt;endereço MAC&lt;/b&gt; está na traseira da câmara.</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Cannot find your camera from the list ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*A câmara não aparece na lista?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Enter a password to secure your camera</source>
        <translation>Proteja a câmara com uma palavra-passe</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Conta admin:</translation>
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
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Esqueceu-se da palavra-passe?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Confirmar:</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      Voltar</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Procurar    </translation>
    </message>
    <message>
        <source>Next      </source>
        <translation>Seguinte      </translation>
    </message>
    <message>
        <source>&lt;b&gt;Searching camera....&lt;/b&gt;</source>
        <translation>&lt;b&gt;A procurar a câmara....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Confirm your camera password</source>
        <translation>Confirme a palavra-passe da câmara</translation>
    </message>
    <message>
        <source>Searching camera</source>
        <translation>A procurar a câmara</translation>
    </message>
    <message>
        <source>Saving camera&apos;s password</source>
        <translation>A guardar a palavra-passe da câmara</translation>
    </message>
    <message>
        <source>Retrieving the camera&apos;s password</source>
        <translation>A obter a palavra-passe da câmara</translation>
    </message>
    <message>
        <source>The camera you select has already been registered to skyvue. You have to enter the correct camera password and skyvue account later or &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt; to register another account.&lt;br&gt;</source>
        <translation>A câmara escolhida já está registada no skyvue. Mais à frente, terá de introduzir a palavra-passe correta da câmara e a conta skyvue, ou &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;repor a câmara&lt;/font&gt;&lt;/a&gt; para a registar noutra conta.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The passwords must be at least 6 characters long and must contain at least 2 letters, case-sensitive!</source>
        <translation>A palavra-passe deve ter pelo menos 6 caracteres, incluindo pelo menos 2 letras, e distingue maiúsculas de minúsculas!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The passwords don&apos;t match! Please try again!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Aviso&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;As palavras-passe não coincidem! Tente novamente!</translation>
    </message>
    <message>
        <source>Input wrong password, please check!</source>
        <translation>Palavra-passe incorreta, verifique!</translation>
    </message>
    <message>
        <source>Two times input password are not the same!</source>
        <translation>As duas palavras-passe introduzidas não são iguais!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Cannot detect your wired connection?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Please close this lightbox and click &lt;b&gt;Back&lt;/b&gt; button to previous page. Follow the instruction to install the camera again.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;A ligação por cabo não é detetada?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Feche esta janela e clique em &lt;b&gt;Voltar&lt;/b&gt; para regressar à página anterior. Siga as instruções para voltar a instalar a câmara.</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>IP estático</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>The camera did not confirm the new password, so it may still have none. Check that the camera is on and connected, then try again.</source>
        <translation>A câmara não confirmou a nova palavra-passe, pelo que pode ainda não ter nenhuma. Verifique se a câmara está ligada e conectada e tente novamente.</translation>
    </message>
    <message>
        <source>Retry    </source>
        <translation>Repetir    </translation>
    </message>
</context>
<context>
    <name>welcomePage</name>
    <message>
        <source>Please select:</source>
        <translation>Escolha:</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>Português (Portugal)</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>Português (Brasil)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonês</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chinês tradicional</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chinês simplificado</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Checo</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dinamarquês</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemão</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grego</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Croata</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Húngaro</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Neerlandês</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norueguês</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polaco</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Romeno</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Esloveno</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Sueco</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finlandês</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Resolver problemas</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Manuais e transferências</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Start    </source>
        <translation>Iniciar    </translation>
    </message>
    <message>
        <source>Select your lauguage:</source>
        <translation>Escolha o idioma:</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Welcome </source>
        <translation>Bem-vindo </translation>
    </message>
    <message>
        <source>Welcome to the IP camera Camguide. This wizard will help you easily setup the Internet camera, register skyvue web site for remote view and other interesting online services.</source>
        <translation>Bem-vindo ao Camguide da câmara IP. Este assistente ajuda-o a instalar facilmente a câmara de Internet e a registar-se no site skyvue para a visualização remota e outros serviços online interessantes.</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Fechar    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Acerca do </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Aviso:&lt;/b&gt; este programa está protegido pelas leis de direitos de autor e por tratados internacionais. A reprodução ou distribuição não autorizada deste programa, ou de qualquer parte do mesmo, pode dar origem a sanções civis e penais graves.&lt;br&gt;</translation>
    </message>
</context>
</TS>
