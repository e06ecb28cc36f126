<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Another Camguide is already running.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Aviso&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Outro Camguide já está em execução.</translation>
    </message>
    <message>
        <source>MyCamera</source>
        <translation>MinhaCamera</translation>
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
        <translation>Manuais e downloads</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
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
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Sobre o </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Aviso:&lt;/b&gt; este programa é protegido pelas leis de direitos autorais e por tratados internacionais. A reprodução ou distribuição não autorizada deste programa, ou de qualquer parte dele, pode resultar em severas penalidades civis e criminais.&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>connectPage</name>
    <message>
        <source>plug</source>
        <translation>Cabo</translation>
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
        <translation>O LED Link da câmera está aceso em verde?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>O LED Power/Link da câmera está aceso em verde?</translation>
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
        <translation>Mantenha pressionado o botão Reset por pelo menos 6 segundos com a câmera ligada. Depois de redefinir a câmera, clique em &lt;b&gt;Reiniciar&lt;/b&gt; para continuar.</translation>
    </message>
    <message>
        <source>Connect to the network</source>
        <translation>Conectar à rede</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Conecte o cabo Ethernet à porta Ethernet na parte traseira da câmera.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Conecte a outra ponta do cabo a uma porta LAN livre do roteador.</translation>
    </message>
    <message>
        <source>3.The LED on the camera will turn solid green when the device is ready.</source>
        <translation>3. O LED da câmera fica verde fixo quando o dispositivo estiver pronto.</translation>
    </message>
    <message>
        <source>1.Unplug the Ethernet cable from the camera.</source>
        <translation>1. Desconecte o cabo Ethernet da câmera.</translation>
    </message>
    <message>
        <source>2.Press the WPS button on the back of your camera and the WPS LED will start to flash blue.</source>
        <translation>2. Pressione o botão WPS na parte traseira da câmera; o LED WPS começa a piscar em azul.</translation>
    </message>
    <message>
        <source>3.You now  one minute to press the WPS button on your router.</source>
        <translation>3. Agora você tem um minuto para pressionar o botão WPS do roteador.</translation>
    </message>
    <message>
        <source>4.Once your camera has established a connection, the WPS LED will turn solid blue, the LED in front of the camera will turn to flash green.</source>
        <translation>4. Quando a câmera estabelecer a conexão, o LED WPS fica azul fixo e o LED na frente da câmera começa a piscar em verde.</translation>
    </message>
    <message>
        <source>Current connection(*):</source>
        <translation>Conexão atual (*):</translation>
    </message>
    <message>
        <source>How would you connect your camera to the router?</source>
        <translation>Como você quer conectar a câmera ao roteador?</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Conexão com fio&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Ethernet cable</source>
        <translation>Por cabo Ethernet</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Conexão sem fio&lt;/b&gt;</translation>
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
        <translation>Escolhendo uma rede sem fio</translation>
    </message>
    <message>
        <source>Available wireless network</source>
        <translation>Redes sem fio disponíveis</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Buscar    </translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Senha:</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. Na câmera</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. No roteador</translation>
    </message>
    <message>
        <source>3. Check LED turns green</source>
        <translation>3. LED aceso em verde</translation>
    </message>
    <message>
        <source>1. Unplug the Ethernet cable</source>
        <translation>1. Desconectar o cabo</translation>
    </message>
    <message>
        <source>2. On the camera side</source>
        <translation>2. Na câmera</translation>
    </message>
    <message>
        <source>3. On the router side</source>
        <translation>3. No roteador</translation>
    </message>
    <message>
        <source>4. Check LED turns flash green</source>
        <translation>4. LED piscando em verde</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Voltar</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Avançar    </translation>
    </message>
    <message>
        <source>Checking Internet connection</source>
        <translation>Verificando a conexão com a Internet</translation>
    </message>
    <message>
        <source>(Current connection(*): &lt;b&gt;</source>
        <translation>(Conexão atual (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>Wireless connection&lt;/b&gt;)</source>
        <translation>Conexão sem fio&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Conexão sem fio*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Wired connection&lt;/b&gt;)</source>
        <translation>Conexão com fio&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Conexão com fio*&lt;/b&gt;</translation>
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
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Onde fica o botão WPS?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Having problems connecting?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Problemas de conexão?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  O que fazer se o LED Link continuar apagado?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Verifique o seguinte:&lt;ul&gt;&lt;li&gt;Verifique se os cabos estão bem conectados.&lt;/li&gt;&lt;li&gt;Desconecte a câmera e conecte-a novamente.&lt;/li&gt;&lt;li&gt;Se o LED Link continuar apagado, você pode &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;redefinir a câmera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Verifique se o modem ou roteador funciona e se os LEDs da câmera estão acesos.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  O que fazer se o LED continuar vermelho?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Verifique o seguinte:&lt;ul&gt;&lt;li&gt;Verifique se os cabos estão bem conectados.&lt;/li&gt;&lt;li&gt;Desconecte a câmera e conecte-a novamente.&lt;/li&gt;&lt;li&gt;Se o LED da câmera continuar vermelho, você pode &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;redefinir a câmera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Verifique se o modem ou roteador funciona e se os LEDs da câmera estão acesos.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check your router&apos;s user manual for more details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;O que é WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;O WPS (Wi-Fi Protected Setup) permite configurar uma conexão sem fio segura de forma rápida, fácil e automática. &lt;br&gt;&lt;br&gt;O botão WPS geralmente fica na lateral do roteador. Em alguns roteadores, é preciso fazer login na interface web e clicar em um botão na tela para ativar o WPS. Para mais informações, consulte o manual do roteador.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check the user manual for your router for details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;O que é WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;O WPS (Wi-Fi Protected Setup) permite configurar uma conexão sem fio segura de forma rápida, fácil e automática. &lt;br&gt;&lt;br&gt;O botão WPS geralmente fica na lateral do roteador. Em alguns roteadores, é preciso fazer login na interface web e clicar em um botão na tela para ativar o WPS. Para mais detalhes, consulte o manual do seu roteador.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Having problems connecting your camera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;If you are having problems connecting your camera using WPS, check the following:&lt;ul&gt;&lt;li&gt;Your camera may be out of range.Try connecting your camera from the same room as your router.&lt;/li&gt;&lt;li&gt;Make sure your router has a WPS button.Check your router&apos;s user manual for details. &lt;/li&gt;&lt;/ul&gt;If you are still having trouble connecting your camera using WPS, you can select wireless network manually or simply use a wired connection.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Problemas para conectar a câmera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Se você estiver com problemas para conectar a câmera por WPS, verifique o seguinte:&lt;ul&gt;&lt;li&gt;A câmera pode estar fora do alcance. Tente conectar a câmera no mesmo cômodo em que está o roteador.&lt;/li&gt;&lt;li&gt;Verifique se o roteador tem um botão WPS. Consulte o manual do usuário do roteador para mais detalhes. &lt;/li&gt;&lt;/ul&gt;Se ainda tiver problemas para conectar a câmera por WPS, você pode escolher a rede sem fio manualmente ou simplesmente usar uma conexão com fio.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Please plug in the cable. click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Conecte o cabo. Clique em &lt;b&gt;OK&lt;/b&gt; quando terminar.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Now you can unplug the Ethernet cable from the camera and click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Agora você pode desconectar o cabo Ethernet da câmera. Clique em &lt;b&gt;OK&lt;/b&gt; quando terminar.</translation>
    </message>
    <message>
        <source>OK	</source>
        <translation>OK	</translation>
    </message>
    <message>
        <source>The camera has already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;Close&lt;/b&gt; just re-configure the camera!</source>
        <translation>A câmera já está registrada. Clique em &lt;b&gt;Redefinir&lt;/b&gt; para reiniciar o aplicativo e redefinir a câmera, ou em &lt;b&gt;Fechar&lt;/b&gt; para apenas reconfigurar a câmera.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Redefinir    </translation>
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
        <translation>A câmera não consegue se conectar ao servidor skyvue. Clique em &lt;b&gt;Repetir&lt;/b&gt; para verificar de novo, ou em &lt;b&gt;Fechar&lt;/b&gt; para continuar sem entrar no skyvue.</translation>
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
        <translation>Verifique a conexão do cabo.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The wireless connection failed. Please connect the Ethernet cable and select the wireless network again.&lt;br&gt;</source>
        <translation>A conexão sem fio falhou. Conecte o cabo Ethernet e escolha a rede sem fio novamente.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Salvando as configurações de rede</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Reiniciando a rede</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Verificando a conexão com a Internet</translation>
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
        <translation>Endereço IP da câmera:</translation>
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
        <translation>Status:</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Sem fio</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Com fio</translation>
    </message>
    <message>
        <source>Wireless SSID:</source>
        <translation>SSID sem fio:</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Connection mode:</source>
        <translation>Modo de conexão:</translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation>Autenticação:</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Criptografia:</translation>
    </message>
    <message>
        <source>Key/password:</source>
        <translation>Chave/senha:</translation>
    </message>
    <message>
        <source>&lt;b&gt; Internet connection&lt;/b&gt;</source>
        <translation>&lt;b&gt; Conexão com a Internet&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Connection type&lt;/b&gt;</source>
        <translation>&lt;b&gt; Tipo de conexão&lt;/b&gt;</translation>
    </message>
    <message>
        <source>skyvue no.:</source>
        <translation>Nº skyvue:</translation>
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
        <translation>Senha:</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>&lt;b&gt; skyvue info&lt;/b&gt;</source>
        <translation>&lt;b&gt; Dados do skyvue&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Camera web page&lt;/b&gt;</source>
        <translation>&lt;b&gt; Interface web&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your Internet connection&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Alterar a conexão com a Internet&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your connection type&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Alterar o tipo de conexão&lt;/font&gt;&lt;/a&gt;</translation>
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
        <translation>Cabo</translation>
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
        <translation>Conexão com a Internet</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Salvando as configurações de rede</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Reiniciando a rede</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Verificando a conexão com a Internet</translation>
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
        <translation>Como você quer conectar a câmera à Internet?</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)</source>
        <translation>Usuário e senha (PPPoE)</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Usuário:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Senha:</translation>
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
        <translation>Usar somente na rede local.</translation>
    </message>
    <message>
        <source>The PPPoE is a network 
protocol mainly used with DSL 
services.</source>
        <translation>O PPPoE é um protocolo de 
rede usado principalmente com 
serviços DSL.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Voltar</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Avançar    </translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Carregando, aguarde</translation>
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
        <translation>(Conexão com a Internet atual (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>&lt;/b&gt;)</source>
        <translation>&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)*</source>
        <translation>Usuário e senha (PPPoE)*</translation>
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
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Aviso&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Nome de usuário inválido!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid password.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Aviso&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Senha inválida.</translation>
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
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Aviso&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Falha na conexão.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The camera have already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;OK&lt;/b&gt; just re-configure the camera!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Aviso&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;A câmera já está registrada. Clique em &lt;b&gt;Redefinir&lt;/b&gt; para reiniciar o aplicativo e redefinir a câmera, ou em &lt;b&gt;OK&lt;/b&gt; para apenas reconfigurar a câmera.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Redefinir    </translation>
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
        <translation>Cabo</translation>
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
        <translation> A câmera está sem Internet ( &lt;a href = Setup again&gt;&lt;font size=3 color=#638c0b&gt;reconfigurar&lt;/font&gt;&lt;/a&gt; ) e não pode ser vista remotamente pelo site skyvue.
</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Use o endereço IP abaixo para ver a câmera na rede local.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Nome da conta:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Criar atalhos para o IP da câmera na área de trabalho e nos favoritos.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Participar do skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Endereço IP:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Senha:</translation>
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
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Mais detalhes sobre a câmera.&lt;/font&gt;&lt;/a&gt;</translation>
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
        <translation>Cabo</translation>
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
        <translation>O LED Link da câmera está aceso em verde?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>O LED Power/Link da câmera está aceso em verde?</translation>
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
        <translation>Mantenha pressionado o botão Reset por pelo menos 6 segundos com a câmera ligada. Depois de redefinir a câmera, clique em &lt;b&gt;Reiniciar&lt;/b&gt; para continuar.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Participar do skyvue</translation>
    </message>
    <message>
        <source>The camera has previously registered with a skyvue account, you can login on &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; or mobile application to enjoy remote view. If you want to re-configure your account and device, you may &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;hard reset&lt;/font&gt;&lt;/a&gt; the camera and create or register with a new account.</source>
        <translation>A câmera já foi registrada em uma conta skyvue. Você pode entrar em &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; ou no aplicativo para celular para ver a câmera remotamente. Se quiser reconfigurar a conta e o dispositivo, você pode fazer uma &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;redefinição total&lt;/font&gt;&lt;/a&gt; da câmera e criar uma nova conta ou registrá-la em outra conta.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Por que participar do skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Configuração simples&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS setting, firewall roadblock, or all the trouble some configurations on cameras or viewing clients.</source>
        <translation>Nada de configurações complicadas de DNS dinâmico, bloqueios de firewall ou configurações trabalhosas nas câmeras ou nos programas de visualização.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Acesso fácil&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Veja de qualquer lugar&lt;/b&gt;</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Voltar</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Avançar    </translation>
    </message>
</context>
<context>
    <name>joinPage2</name>
    <message>
        <source>plug</source>
        <translation>Cabo</translation>
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
        <translation>Participar do skyvue</translation>
    </message>
    <message>
        <source>Do you have a skyvue account ?</source>
        <translation>Você tem uma conta skyvue?</translation>
    </message>
    <message>
        <source>&amp;Yes, I already have a skyvue account.</source>
        <translation>&amp;Sim, já tenho uma conta skyvue.</translation>
    </message>
    <message>
        <source>&amp;No, I need to sign up for a new account.</source>
        <translation>&amp;Não, preciso criar uma nova conta.</translation>
    </message>
    <message>
        <source>I &amp;don&apos;t want to sign up right now.</source>
        <translation>Não quero me cadastrar &amp;agora.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Por que participar do skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Configuração simples&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS settings,firewall roadblock,or all the troublesome configurations on cameras or viewing clients.</source>
        <translation>Nada de configurações complicadas de DNS dinâmico, bloqueios de firewall ou configurações trabalhosas nas câmeras ou nos programas de visualização.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Acesso fácil&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For using skyvue web service such as to manage all your cameras in one place.</source>
        <translation>Use o serviço web skyvue para gerenciar todas as suas câmeras em um só lugar.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Veja de qualquer lugar&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For viewing your cameras from anywhere through a web browser or a mobile device.</source>
        <translation>Veja suas câmeras de qualquer lugar em um navegador ou dispositivo móvel.</translation>
    </message>
    <message>
        <source>Please enter your skyvue account.</source>
        <translation>Digite os dados da sua conta skyvue.</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Senha:</translation>
    </message>
    <message>
        <source>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Forgot password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Esqueceu a senha?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm Password:</source>
        <translation>Confirmar senha:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Sobrenome:</translation>
    </message>
    <message>
        <source>I would like to receive emails for latest services and products from skyvue.</source>
        <translation>Quero receber e-mails sobre os últimos serviços e produtos do skyvue.</translation>
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
        <translation>Avançar    </translation>
    </message>
    <message>
        <source>&lt;b&gt;Loading, please wait....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Carregando, aguarde....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Fechar    </translation>
    </message>
    <message>
        <source>Please select your camera.</source>
        <translation>Escolha sua câmera.</translation>
    </message>
    <message>
        <source>Invalid email!</source>
        <translation>E-mail inválido!</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>Senha inválida!</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match, please try again.</source>
        <translation>As senhas não coincidem. Tente novamente.</translation>
    </message>
    <message>
        <source>You must accept the terms and conditions to continue.</source>
        <translation>Você precisa aceitar os termos e condições para continuar.</translation>
    </message>
    <message>
        <source>Please select an option.</source>
        <translation>Escolha uma opção.</translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Carregando, aguarde</translation>
    </message>
    <message>
        <source>Timeout, please retry.</source>
        <translation>Tempo esgotado. Tente novamente.</translation>
    </message>
    <message>
        <source>The camera gave no valid portal address.</source>
        <translation>A câmera não informou um endereço de portal válido.</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>Erro desconhecido!</translation>
    </message>
    <message>
        <source>Since you forgot your skyvue account&apos;s password. click &lt;b&gt;OK&lt;/b&gt; button will direct you to skyvue portal to retrieve the password. Please follow the instructions on the web page.</source>
        <translation>Esqueceu a senha da sua conta skyvue? Clique em &lt;b&gt;OK&lt;/b&gt; para ir ao portal skyvue e recuperar a senha. Siga as instruções na página web.</translation>
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
        <translation>Cabo</translation>
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
        <translation> Entre no site &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; com os dados abaixo. Clique em &lt;b&gt;Concluir&lt;/b&gt; para abrir o site e ver a imagem ao vivo da câmera.</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Conta:</translation>
    </message>
    <message>
        <source> You can also learn more about mobile applications for your iPhone &amp; Android phone on &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.&lt;br&gt;</source>
        <translation> No site &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; você também encontra mais informações sobre os aplicativos para iPhone e Android.&lt;br&gt;</translation>
    </message>
    <message>
        <source>  Add the shortcut of skyvue to my desktop and browser bookmark.</source>
        <translation>  Criar atalhos para o skyvue na área de trabalho e nos favoritos do navegador.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Participar do skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Endereço IP:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Senha:</translation>
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
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Mais detalhes sobre a câmera.&lt;/font&gt;&lt;/a&gt;</translation>
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
        <translation>Cabo</translation>
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
        <translation> Se não registrar esta câmera no skyvue, você não poderá aproveitar vantagens como a visualização remota e o aplicativo skyvue.</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Use o endereço IP abaixo para ver a câmera na rede local.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Nome da conta:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Criar atalhos para o IP da câmera na área de trabalho e nos favoritos.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Participar do skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Endereço:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Senha:</translation>
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
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Mais detalhes sobre a câmera.&lt;/font&gt;&lt;/a&gt;</translation>
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
        <translation>Cabo</translation>
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
        <translation>O LED Link da câmera está aceso em verde?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>O LED Power/Link da câmera está aceso em verde?</translation>
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
        <translation>Mantenha pressionado o botão Reset por pelo menos 6 segundos com a câmera ligada. Depois de redefinir a câmera, clique em &lt;b&gt;Reiniciar&lt;/b&gt; para continuar.</translation>
    </message>
    <message>
        <source>Plug your camera</source>
        <translation>Conectar a câmera</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Conecte o cabo Ethernet à porta Ethernet na parte traseira da câmera.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Conecte a outra ponta do cabo a uma porta LAN livre do roteador.</translation>
    </message>
    <message>
        <source>3.Connect the power adapter to the power jack on the back of the camera and plug the other end into the power outlet.</source>
        <translation>3. Conecte o adaptador de energia à entrada de alimentação na parte traseira da câmera e a outra ponta a uma tomada.</translation>
    </message>
    <message>
        <source>4.The LED on the camera will turn green when the device is ready.</source>
        <translation>4. O LED da câmera fica verde quando o dispositivo estiver pronto.</translation>
    </message>
    <message>
        <source>*Could use Wi-Fi Protected Setup (WPS) instead.</source>
        <translation>*Você pode usar o WPS.</translation>
    </message>
    <message>
        <source>Please confirm the following tasks are done before clicking &lt;b&gt;Next&lt;/b&gt;.</source>
        <translation>Confirme estas etapas antes de clicar em &lt;b&gt;Avançar&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. Na câmera</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. No roteador</translation>
    </message>
    <message>
        <source>3. Plug power adapter</source>
        <translation>3. Ligar o adaptador</translation>
    </message>
    <message>
        <source>4. Check LED turns solid green</source>
        <translation>4. LED verde fixo</translation>
    </message>
    <message>
        <source>You can also use WPS button to&lt;br&gt;establish connection in this step&lt;br&gt;or follow the instruction in later step.</source>
        <translation>Você também pode usar o botão WPS&lt;br&gt;para estabelecer a conexão nesta etapa&lt;br&gt;ou seguir as instruções mais adiante.</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Avançar    </translation>
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
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  O que fazer se o LED Link continuar apagado?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Verifique o seguinte:&lt;ul&gt;&lt;li&gt;Verifique se os cabos estão bem conectados.&lt;/li&gt;&lt;li&gt;Desconecte a câmera e conecte-a novamente.&lt;/li&gt;&lt;li&gt;Se o LED Link continuar apagado, você pode &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;redefinir a câmera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Verifique se o modem ou roteador funciona e se os LEDs da câmera estão acesos.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  O que fazer se o LED continuar vermelho?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Verifique o seguinte:&lt;ul&gt;&lt;li&gt;Verifique se os cabos estão bem conectados.&lt;/li&gt;&lt;li&gt;Desconecte a câmera e conecte-a novamente.&lt;/li&gt;&lt;li&gt;Se o LED da câmera continuar vermelho, você pode &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;redefinir a câmera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Verifique se o modem ou roteador funciona e se os LEDs da câmera estão acesos.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
</context>
<context>
    <name>selectPage</name>
    <message>
        <source>plug</source>
        <translation>Cabo</translation>
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
        <translation>O LED Link da câmera está aceso em verde?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>O LED Power/Link da câmera está aceso em verde?</translation>
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
        <translation>Mantenha pressionado o botão Reset por pelo menos 6 segundos com a câmera ligada. Depois de redefinir a câmera, clique em &lt;b&gt;Reiniciar&lt;/b&gt; para continuar.</translation>
    </message>
    <message>
        <source>Select your camera</source>
        <translation>Escolher a câmera</translation>
    </message>
    <message>
        <source>Select your camera from the list and click &lt;b&gt;Next&lt;/b&gt; when you complete.</source>
        <translation>Escolha sua câmera na lista e clique em &lt;b&gt;Avançar&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Câmera</translation>
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
        <translation>Conexão</translation>
    </message>
    <message>
        <source>MAC ID is a unique identifier
assigned to network interfaces
for communications on the
physical network.</source>
        <translation>O endereço MAC é um identificador
exclusivo atribuído às interfaces
de rede para a comunicação na
rede física.</translation>
    </message>
    <message>
        <source>Registered to skyvue</source>
        <translation>Registrada no skyvue</translation>
    </message>
    <message>
        <source>Not registered</source>
        <translation>Não registrada</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Com fio</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Sem fio</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;MAC ID&lt;/b&gt; on the back of your camera.</source>
        <translation>O &lt;b&gt;endereço MAC&lt;/b&gt; fica na traseira da câmera.</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Cannot find your camera from the list ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*A câmera não aparece na lista?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Enter a password to secure your camera</source>
        <translation>Proteja a câmera com uma senha</translation>
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
        <translation>Senha:</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Forgot my camera password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Esqueceu a senha da câmera?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Confirmar senha:</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      Voltar</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Buscar    </translation>
    </message>
    <message>
        <source>Next      </source>
        <translation>Avançar      </translation>
    </message>
    <message>
        <source>&lt;b&gt;Searching camera....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Procurando a câmera....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Confirm your camera password</source>
        <translation>Confirme a senha da câmera</translation>
    </message>
    <message>
        <source>Searching camera</source>
        <translation>Procurando a câmera</translation>
    </message>
    <message>
        <source>Saving camera&apos;s password</source>
        <translation>Salvando a senha da câmera</translation>
    </message>
    <message>
        <source>Retrieving the camera&apos;s password</source>
        <translation>Obtendo a senha da câmera</translation>
    </message>
    <message>
        <source>The camera you select has already been registered to skyvue. You have to enter the correct camera password and skyvue account later or &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt; to register another account.&lt;br&gt;</source>
        <translation>A câmera escolhida já está registrada no skyvue. Mais adiante, você precisará digitar a senha correta da câmera e a conta skyvue, ou &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;redefinir a câmera&lt;/font&gt;&lt;/a&gt; para registrá-la em outra conta.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The passwords must be at least 6 characters long and must contain at least 2 letters, case-sensitive!</source>
        <translation>A senha deve ter pelo menos 6 caracteres, incluindo pelo menos 2 letras, e diferencia maiúsculas de minúsculas!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The passwords don&apos;t match! Please try again!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Aviso&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;As senhas não coincidem! Tente novamente!</translation>
    </message>
    <message>
        <source>Input wrong password, please check!</source>
        <translation>Senha incorreta, verifique!</translation>
    </message>
    <message>
        <source>Two times input password are not the same!</source>
        <translation>As duas senhas digitadas não são iguais!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Cannot detect your wired connection?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Please close this lightbox and click &lt;b&gt;Back&lt;/b&gt; button to previous page. Follow the instruction to install the camera again.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;A conexão com fio não foi detectada?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Feche esta janela e clique em &lt;b&gt;Voltar&lt;/b&gt; para retornar à página anterior. Siga as instruções para instalar a câmera novamente.</translation>
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
        <translation>A câmera não confirmou a nova senha, então ela talvez ainda não tenha nenhuma. Verifique se a câmera está ligada e conectada e tente novamente.</translation>
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
        <translation>Tcheco</translation>
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
        <translation>Holandês</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norueguês</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonês</translation>
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
        <translation>Manuais e downloads</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
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
        <translation>Bem-vindo ao Camguide da câmera IP. Este assistente ajuda você a instalar facilmente a câmera de Internet e a se cadastrar no site skyvue para a visualização remota e outros serviços on-line interessantes.</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Fechar    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Sobre o </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Aviso:&lt;/b&gt; este programa é protegido pelas leis de direitos autorais e por tratados internacionais. A reprodução ou distribuição não autorizada deste programa, ou de qualquer parte dele, pode resultar em severas penalidades civis e criminais.&lt;br&gt;</translation>
    </message>
</context>
</TS>
