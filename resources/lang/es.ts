<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Another Camguide is already running.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advertencia&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Ya hay otro Camguide en ejecución.</translation>
    </message>
    <message>
        <source>MyCamera</source>
        <translation>MiCamara</translation>
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
        <translation>Manuales y descargas</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Cerrar    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Acerca de </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Advertencia:&lt;/b&gt; este programa está protegido por las leyes de derechos de autor y por tratados internacionales. La reproducción o distribución no autorizada de este programa, o de cualquier parte del mismo, puede dar lugar a graves sanciones civiles y penales.&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>connectPage</name>
    <message>
        <source>plug</source>
        <translation>Cable</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advertencia&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>¿Está encendido en verde el LED Link de la cámara?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>¿Está encendido en verde el LED Power/Link de la cámara?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Reiniciar    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Cerrar    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Mantenga pulsado el botón Reset durante al menos 6 segundos con la cámara enchufada. Una vez restablecida la cámara, haga clic en &lt;b&gt;Reiniciar&lt;/b&gt; para continuar.</translation>
    </message>
    <message>
        <source>Connect to the network</source>
        <translation>Conectar a la red</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Conecte el cable Ethernet al puerto Ethernet de la parte trasera de la cámara.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Conecte el otro extremo del cable a un puerto LAN libre del router.</translation>
    </message>
    <message>
        <source>3.The LED on the camera will turn solid green when the device is ready.</source>
        <translation>3. El LED de la cámara se quedará en verde fijo cuando el dispositivo esté listo.</translation>
    </message>
    <message>
        <source>1.Unplug the Ethernet cable from the camera.</source>
        <translation>1. Desconecte el cable Ethernet de la cámara.</translation>
    </message>
    <message>
        <source>2.Press the WPS button on the back of your camera and the WPS LED will start to flash blue.</source>
        <translation>2. Pulse el botón WPS de la parte trasera de la cámara; el LED WPS empezará a parpadear en azul.</translation>
    </message>
    <message>
        <source>3.You now  one minute to press the WPS button on your router.</source>
        <translation>3. Ahora tiene un minuto para pulsar el botón WPS del router.</translation>
    </message>
    <message>
        <source>4.Once your camera has established a connection, the WPS LED will turn solid blue, the LED in front of the camera will turn to flash green.</source>
        <translation>4. Cuando la cámara haya establecido la conexión, el LED WPS se quedará en azul fijo y el LED frontal de la cámara parpadeará en verde.</translation>
    </message>
    <message>
        <source>Current connection(*):</source>
        <translation>Conexión actual (*):</translation>
    </message>
    <message>
        <source>How would you connect your camera to the router?</source>
        <translation>¿Cómo desea conectar la cámara al router?</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Conexión por cable&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Ethernet cable</source>
        <translation>Por cable Ethernet</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Conexión inalámbrica&lt;/b&gt;</translation>
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
        <translation>Eligiendo una red inalámbrica</translation>
    </message>
    <message>
        <source>Available wireless network</source>
        <translation>Redes inalámbricas disponibles</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Buscar    </translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. En la cámara</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. En el router</translation>
    </message>
    <message>
        <source>3. Check LED turns green</source>
        <translation>3. LED en verde</translation>
    </message>
    <message>
        <source>1. Unplug the Ethernet cable</source>
        <translation>1. Desconectar el cable</translation>
    </message>
    <message>
        <source>2. On the camera side</source>
        <translation>2. En la cámara</translation>
    </message>
    <message>
        <source>3. On the router side</source>
        <translation>3. En el router</translation>
    </message>
    <message>
        <source>4. Check LED turns flash green</source>
        <translation>4. LED verde parpadeando</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Atrás</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Siguiente    </translation>
    </message>
    <message>
        <source>Checking Internet connection</source>
        <translation>Comprobando la conexión a Internet</translation>
    </message>
    <message>
        <source>(Current connection(*): &lt;b&gt;</source>
        <translation>(Conexión actual (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>Wireless connection&lt;/b&gt;)</source>
        <translation>Conexión inalámbrica&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Conexión inalámbrica*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Wired connection&lt;/b&gt;)</source>
        <translation>Conexión por cable&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Conexión por cable*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*¿Qué hago si el LED Link sigue apagado?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*¿Qué hago si el LED sigue en rojo?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*where is my WPS button?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*¿Dónde está el botón WPS?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Having problems connecting?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*¿Problemas de conexión?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  ¿Qué hago si el LED Link sigue apagado?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Compruebe lo siguiente:&lt;ul&gt;&lt;li&gt;Compruebe que los cables están bien conectados.&lt;/li&gt;&lt;li&gt;Desenchufe la cámara y vuelva a enchufarla para reiniciarla.&lt;/li&gt;&lt;li&gt;Si el LED Link sigue apagado, puede &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;restablecer la cámara&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Compruebe que el módem o el router funcionan correctamente y que los LED de la conexión de la cámara están encendidos.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  ¿Qué hago si el LED sigue en rojo?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Compruebe lo siguiente:&lt;ul&gt;&lt;li&gt;Compruebe que los cables están bien conectados.&lt;/li&gt;&lt;li&gt;Desenchufe la cámara y vuelva a enchufarla para reiniciarla.&lt;/li&gt;&lt;li&gt;Si el LED de la cámara sigue en rojo, puede &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;restablecer la cámara&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Compruebe que el módem o el router funcionan correctamente y que los LED de la conexión de la cámara están encendidos.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check your router&apos;s user manual for more details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;¿Qué es WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;WPS (Wi-Fi Protected Setup) permite configurar una conexión inalámbrica segura de forma rápida, sencilla y automática. &lt;br&gt;&lt;br&gt;El botón WPS suele estar en un lateral del router. En algunos routers hay que iniciar sesión en la interfaz web y hacer clic en un botón en pantalla para activar WPS. Consulte el manual del router para más información.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check the user manual for your router for details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;¿Qué es WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;WPS (Wi-Fi Protected Setup) permite configurar una conexión inalámbrica segura de forma rápida, sencilla y automática. &lt;br&gt;&lt;br&gt;El botón WPS suele estar en un lateral del router. En algunos routers hay que iniciar sesión en la interfaz web y hacer clic en un botón en pantalla para activar WPS. Consulte el manual de su router para más detalles.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Having problems connecting your camera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;If you are having problems connecting your camera using WPS, check the following:&lt;ul&gt;&lt;li&gt;Your camera may be out of range.Try connecting your camera from the same room as your router.&lt;/li&gt;&lt;li&gt;Make sure your router has a WPS button.Check your router&apos;s user manual for details. &lt;/li&gt;&lt;/ul&gt;If you are still having trouble connecting your camera using WPS, you can select wireless network manually or simply use a wired connection.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;¿Problemas para conectar la cámara?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Si tiene problemas para conectar la cámara mediante WPS, compruebe lo siguiente:&lt;ul&gt;&lt;li&gt;Puede que la cámara esté fuera de alcance. Intente conectarla desde la misma habitación en la que está el router.&lt;/li&gt;&lt;li&gt;Asegúrese de que el router tiene un botón WPS. Consulte el manual de usuario del router para más detalles. &lt;/li&gt;&lt;/ul&gt;Si sigue sin poder conectar la cámara mediante WPS, puede elegir la red inalámbrica manualmente o simplemente usar una conexión por cable.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Please plug in the cable. click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Conecte el cable. Haga clic en &lt;b&gt;OK&lt;/b&gt; cuando termine.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Now you can unplug the Ethernet cable from the camera and click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Ya puede desconectar el cable Ethernet de la cámara. Haga clic en &lt;b&gt;OK&lt;/b&gt; cuando termine.</translation>
    </message>
    <message>
        <source>OK	</source>
        <translation>OK	</translation>
    </message>
    <message>
        <source>The camera has already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;Close&lt;/b&gt; just re-configure the camera!</source>
        <translation>La cámara ya está registrada. Haga clic en &lt;b&gt;Restablecer&lt;/b&gt; para reiniciar la aplicación y restablecer la cámara, o en &lt;b&gt;Cerrar&lt;/b&gt; para volver a configurar la cámara.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Restablecer    </translation>
    </message>
    <message>
        <source>Yes    </source>
        <translation>Sí    </translation>
    </message>
    <message>
        <source>NO    </source>
        <translation>No    </translation>
    </message>
    <message>
        <source>The camera can not connect to skyvue server. click &lt;b&gt;Retry&lt;/b&gt; to check again, or click &lt;b&gt;Close&lt;/b&gt; without signing in skyvue.</source>
        <translation>La cámara no puede conectarse al servidor de skyvue. Haga clic en &lt;b&gt;Reintentar&lt;/b&gt; para volver a comprobarlo o en &lt;b&gt;Cerrar&lt;/b&gt; para continuar sin iniciar sesión en skyvue.</translation>
    </message>
    <message>
        <source>Retry	 </source>
        <translation>Reintentar	 </translation>
    </message>
    <message>
        <source>Close	 </source>
        <translation>Cerrar	 </translation>
    </message>
    <message>
        <source>Check your cable connection please.&lt;br&gt;</source>
        <translation>Compruebe la conexión del cable.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The wireless connection failed. Please connect the Ethernet cable and select the wireless network again.&lt;br&gt;</source>
        <translation>No se pudo establecer la conexión inalámbrica. Conecte el cable Ethernet y vuelva a elegir la red inalámbrica.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Guardando la configuración de red</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Reiniciando la red</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Comprobando la conexión a Internet</translation>
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
        <translation>&lt;b&gt;Más detalles&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Camera IP address:</source>
        <translation>Dirección IP cámara:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Máscara de subred:</translation>
    </message>
    <message>
        <source>Gateway IP address:</source>
        <translation>Puerta de enlace:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>DNS primario:</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>DNS secundario:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Inalámbrica</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Por cable</translation>
    </message>
    <message>
        <source>Wireless SSID:</source>
        <translation>SSID inalámbrico:</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Connection mode:</source>
        <translation>Modo de conexión:</translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation>Autenticación:</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Cifrado:</translation>
    </message>
    <message>
        <source>Key/password:</source>
        <translation>Clave/contraseña:</translation>
    </message>
    <message>
        <source>&lt;b&gt; Internet connection&lt;/b&gt;</source>
        <translation>&lt;b&gt; Conexión a Internet&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Connection type&lt;/b&gt;</source>
        <translation>&lt;b&gt; Tipo de conexión&lt;/b&gt;</translation>
    </message>
    <message>
        <source>skyvue no.:</source>
        <translation>N.º skyvue:</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Cuenta admin.:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>&lt;b&gt; skyvue info&lt;/b&gt;</source>
        <translation>&lt;b&gt; Datos de skyvue&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Camera web page&lt;/b&gt;</source>
        <translation>&lt;b&gt; Interfaz web&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your Internet connection&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Cambiar la conexión a Internet&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your connection type&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Cambiar el tipo de conexión&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Cerrar    </translation>
    </message>
</context>
<context>
    <name>failedPage</name>
    <message>
        <source>plug</source>
        <translation>Cable</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advertencia&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Connect your camera</source>
        <translation>Conexión a Internet</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Guardando la configuración de red</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Reiniciando la red</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Comprobando la conexión a Internet</translation>
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
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Submask</source>
        <translation>Máscara de red</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Puerta de enlace</translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation>DNS primario</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>DNS secundario:</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Dirección IP:</translation>
    </message>
    <message>
        <source>Submask:</source>
        <translation>Máscara de red:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Puerta de enlace:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>DNS primario:</translation>
    </message>
    <message>
        <source>Secondary DNS:</source>
        <translation>DNS secundario:</translation>
    </message>
    <message>
        <source>How would you connect your camera to the Internet?</source>
        <translation>¿Cómo desea conectar la cámara a Internet?</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)</source>
        <translation>Usuario y contraseña (PPPoE)</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Usuario:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Clave:</translation>
    </message>
    <message>
        <source>Enter static IP address</source>
        <translation>Dirección IP estática</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)*</source>
        <translation>Dirección IP dinámica (DHCP)*</translation>
    </message>
    <message>
        <source>Use in the intranet for local view only.</source>
        <translation>Usar solo en la red local.</translation>
    </message>
    <message>
        <source>The PPPoE is a network 
protocol mainly used with DSL 
services.</source>
        <translation>PPPoE es un protocolo de red 
que se usa sobre todo con 
servicios DSL.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Atrás</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Siguiente    </translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Cargando, espere</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP address</source>
        <translation>Dirección IP estática</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)</source>
        <translation>Dirección IP dinámica (DHCP)</translation>
    </message>
    <message>
        <source>(Current Internet connection(*): &lt;b&gt;</source>
        <translation>(Conexión a Internet actual (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>&lt;/b&gt;)</source>
        <translation>&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)*</source>
        <translation>Usuario y contraseña (PPPoE)*</translation>
    </message>
    <message>
        <source>Enter static IP address*</source>
        <translation>Dirección IP estática*</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Cerrar    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid username!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advertencia&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Nombre de usuario no válido.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid password.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advertencia&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Contraseña no válida.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advertencia&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Valor no válido:<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </translation>
    </message>
    <message>
        <source>!</source>
        <translation>.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Connection is failed.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advertencia&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;No se pudo establecer la conexión.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The camera have already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;OK&lt;/b&gt; just re-configure the camera!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advertencia&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;La cámara ya está registrada. Haga clic en &lt;b&gt;Restablecer&lt;/b&gt; para reiniciar la aplicación y restablecer la cámara, o en &lt;b&gt;OK&lt;/b&gt; para volver a configurar la cámara.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Restablecer    </translation>
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
        <translation>Cable</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advertencia&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> La cámara no tiene conexión a Internet ( &lt;a href = Setup again&gt;&lt;font size=3 color=#638c0b&gt;volver a configurar&lt;/font&gt;&lt;/a&gt; ): no hay vista remota en el sitio web de skyvue.
</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Puede ver la cámara en local con la dirección IP de abajo.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Crear accesos directos a la IP de la cámara en el escritorio y el navegador.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Unirse a skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Dirección IP:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
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
        <translation> Nombre:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Más detalles sobre la cámara.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Finalizar    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>No se pudo crear el acceso directo por completo.</translation>
    </message>
</context>
<context>
    <name>joinPage1</name>
    <message>
        <source>plug</source>
        <translation>Cable</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advertencia&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>¿Está encendido en verde el LED Link de la cámara?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>¿Está encendido en verde el LED Power/Link de la cámara?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Reiniciar    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Cerrar    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Mantenga pulsado el botón Reset durante al menos 6 segundos con la cámara enchufada. Una vez restablecida la cámara, haga clic en &lt;b&gt;Reiniciar&lt;/b&gt; para continuar.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Unirse a skyvue</translation>
    </message>
    <message>
        <source>The camera has previously registered with a skyvue account, you can login on &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; or mobile application to enjoy remote view. If you want to re-configure your account and device, you may &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;hard reset&lt;/font&gt;&lt;/a&gt; the camera and create or register with a new account.</source>
        <translation>La cámara ya está registrada en una cuenta de skyvue. Puede iniciar sesión en &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; o en la aplicación móvil para la vista remota. Si desea volver a configurar la cuenta y el dispositivo, puede &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;restablecer por completo&lt;/font&gt;&lt;/a&gt; la cámara y crear una cuenta nueva o registrarla en otra.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;¿Por qué unirse a skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Configuración sencilla&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS setting, firewall roadblock, or all the trouble some configurations on cameras or viewing clients.</source>
        <translation>Olvídese de configuraciones complicadas de DNS dinámico, de bloqueos del cortafuegos y de los engorrosos ajustes de las cámaras o de los programas de visualización.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Acceso fácil&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Ver desde cualquier lugar&lt;/b&gt;</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Atrás</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Siguiente    </translation>
    </message>
</context>
<context>
    <name>joinPage2</name>
    <message>
        <source>plug</source>
        <translation>Cable</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advertencia&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Unirse a skyvue</translation>
    </message>
    <message>
        <source>Do you have a skyvue account ?</source>
        <translation>¿Tiene una cuenta de skyvue?</translation>
    </message>
    <message>
        <source>&amp;Yes, I already have a skyvue account.</source>
        <translation>&amp;Sí, ya tengo una cuenta de skyvue.</translation>
    </message>
    <message>
        <source>&amp;No, I need to sign up for a new account.</source>
        <translation>&amp;No, necesito crear una cuenta nueva.</translation>
    </message>
    <message>
        <source>I &amp;don&apos;t want to sign up right now.</source>
        <translation>No quiero registrarme &amp;ahora.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;¿Por qué unirse a skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Configuración sencilla&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS settings,firewall roadblock,or all the troublesome configurations on cameras or viewing clients.</source>
        <translation>Olvídese de configuraciones complicadas de DNS dinámico, de bloqueos del cortafuegos y de los engorrosos ajustes de las cámaras o de los programas de visualización.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Acceso fácil&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For using skyvue web service such as to manage all your cameras in one place.</source>
        <translation>Gestione todas sus cámaras en un solo lugar con el servicio web de skyvue.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Ver desde cualquier lugar&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For viewing your cameras from anywhere through a web browser or a mobile device.</source>
        <translation>Vea sus cámaras desde cualquier lugar con un navegador web o un dispositivo móvil.</translation>
    </message>
    <message>
        <source>Please enter your skyvue account.</source>
        <translation>Introduzca su cuenta de skyvue.</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>Correo:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Clave:</translation>
    </message>
    <message>
        <source>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Forgot password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;¿Ha olvidado la contraseña?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm Password:</source>
        <translation>Confirmar:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Apellidos:</translation>
    </message>
    <message>
        <source>I would like to receive emails for latest services and products from skyvue.</source>
        <translation>Deseo recibir correos sobre los últimos servicios y productos de skyvue.</translation>
    </message>
    <message>
        <source>I accept skyvue &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;terms and conditions&lt;/font&gt;&lt;/a&gt;.</source>
        <translation>Acepto los &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;términos y condiciones&lt;/font&gt;&lt;/a&gt; de skyvue.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Atrás</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Siguiente    </translation>
    </message>
    <message>
        <source>&lt;b&gt;Loading, please wait....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Cargando, espere....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Cerrar    </translation>
    </message>
    <message>
        <source>Please select your camera.</source>
        <translation>Seleccione su cámara.</translation>
    </message>
    <message>
        <source>Invalid email!</source>
        <translation>Correo electrónico no válido.</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>Contraseña no válida.</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match, please try again.</source>
        <translation>Las contraseñas no coinciden. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>You must accept the terms and conditions to continue.</source>
        <translation>Debe aceptar los términos y condiciones para continuar.</translation>
    </message>
    <message>
        <source>Please select an option.</source>
        <translation>Seleccione una opción.</translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Cargando, espere</translation>
    </message>
    <message>
        <source>Timeout, please retry.</source>
        <translation>Tiempo de espera agotado. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The camera gave no valid portal address.</source>
        <translation>La cámara no ha proporcionado una dirección de portal válida.</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>Error desconocido.</translation>
    </message>
    <message>
        <source>Since you forgot your skyvue account&apos;s password. click &lt;b&gt;OK&lt;/b&gt; button will direct you to skyvue portal to retrieve the password. Please follow the instructions on the web page.</source>
        <translation>Ha olvidado la contraseña de su cuenta de skyvue. Haga clic en &lt;b&gt;OK&lt;/b&gt; para ir al portal de skyvue y recuperar la contraseña. Siga las instrucciones de la página web.</translation>
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
        <translation>Cable</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advertencia&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source> Now you can use the information below to login &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.    click &lt;b&gt;Done&lt;/b&gt; to visit skyvue website to see camera live view.</source>
        <translation> Inicie sesión en el sitio web de &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; con los datos siguientes. Haga clic en &lt;b&gt;Finalizar&lt;/b&gt; para abrirlo y ver la imagen en directo.</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source> You can also learn more about mobile applications for your iPhone &amp; Android phone on &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.&lt;br&gt;</source>
        <translation> Más información sobre las aplicaciones para iPhone y Android en el sitio web de &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;.&lt;br&gt;</translation>
    </message>
    <message>
        <source>  Add the shortcut of skyvue to my desktop and browser bookmark.</source>
        <translation>  Crear accesos directos a skyvue en el escritorio y el navegador.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Unirse a skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Dirección IP:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Clave:</translation>
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
        <translation> Nombre:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Más detalles sobre la cámara.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Finalizar    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>No se pudo crear el acceso directo por completo.</translation>
    </message>
</context>
<context>
    <name>joinPage4</name>
    <message>
        <source>plug</source>
        <translation>Cable</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advertencia&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Si decide no registrar esta cámara en skyvue, no podrá disfrutar de ventajas como la vista remota y la aplicación móvil de skyvue.</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Puede ver la cámara en local con la dirección IP de abajo.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Crear accesos directos a la IP de la cámara en el escritorio y el navegador.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Unirse a skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Dirección IP:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
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
        <translation> Nombre:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Más detalles sobre la cámara.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Finalizar    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>No se pudo crear el acceso directo por completo.</translation>
    </message>
</context>
<context>
    <name>plugPage</name>
    <message>
        <source>plug</source>
        <translation>Cable</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advertencia&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>¿Está encendido en verde el LED Link de la cámara?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>¿Está encendido en verde el LED Power/Link de la cámara?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Reiniciar    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Cerrar    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Mantenga pulsado el botón Reset durante al menos 6 segundos con la cámara enchufada. Una vez restablecida la cámara, haga clic en &lt;b&gt;Reiniciar&lt;/b&gt; para continuar.</translation>
    </message>
    <message>
        <source>Plug your camera</source>
        <translation>Conectar la cámara</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Conecte el cable Ethernet al puerto Ethernet de la parte trasera de la cámara.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Conecte el otro extremo del cable a un puerto LAN libre del router.</translation>
    </message>
    <message>
        <source>3.Connect the power adapter to the power jack on the back of the camera and plug the other end into the power outlet.</source>
        <translation>3. Conecte el adaptador de corriente a la toma de alimentación de la parte trasera de la cámara y enchufe el otro extremo a la toma de corriente.</translation>
    </message>
    <message>
        <source>4.The LED on the camera will turn green when the device is ready.</source>
        <translation>4. El LED de la cámara se pondrá en verde cuando el dispositivo esté listo.</translation>
    </message>
    <message>
        <source>*Could use Wi-Fi Protected Setup (WPS) instead.</source>
        <translation>*También puede usar WPS.</translation>
    </message>
    <message>
        <source>Please confirm the following tasks are done before clicking &lt;b&gt;Next&lt;/b&gt;.</source>
        <translation>Confirme que ha hecho estos pasos antes de hacer clic en &lt;b&gt;Siguiente&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. En la cámara</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. En el router</translation>
    </message>
    <message>
        <source>3. Plug power adapter</source>
        <translation>3. Enchufar el adaptador</translation>
    </message>
    <message>
        <source>4. Check LED turns solid green</source>
        <translation>4. LED en verde fijo</translation>
    </message>
    <message>
        <source>You can also use WPS button to&lt;br&gt;establish connection in this step&lt;br&gt;or follow the instruction in later step.</source>
        <translation>También puede usar el botón WPS&lt;br&gt;para establecer la conexión ahora&lt;br&gt;o seguir las instrucciones más adelante.</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Siguiente    </translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;¿Qué hago si el LED Link sigue apagado?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;¿Qué hago si el LED sigue en rojo?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  ¿Qué hago si el LED Link sigue apagado?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Compruebe lo siguiente:&lt;ul&gt;&lt;li&gt;Compruebe que los cables están bien conectados.&lt;/li&gt;&lt;li&gt;Desenchufe la cámara y vuelva a enchufarla para reiniciarla.&lt;/li&gt;&lt;li&gt;Si el LED Link sigue apagado, puede &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;restablecer la cámara&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Compruebe que el módem o el router funcionan correctamente y que los LED de la conexión de la cámara están encendidos.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  ¿Qué hago si el LED sigue en rojo?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Compruebe lo siguiente:&lt;ul&gt;&lt;li&gt;Compruebe que los cables están bien conectados.&lt;/li&gt;&lt;li&gt;Desenchufe la cámara y vuelva a enchufarla para reiniciarla.&lt;/li&gt;&lt;li&gt;Si el LED de la cámara sigue en rojo, puede &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;restablecer la cámara&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Compruebe que el módem o el router funcionan correctamente y que los LED de la conexión de la cámara están encendidos.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
</context>
<context>
    <name>selectPage</name>
    <message>
        <source>plug</source>
        <translation>Cable</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Advertencia&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>¿Está encendido en verde el LED Link de la cámara?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>¿Está encendido en verde el LED Power/Link de la cámara?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Reiniciar    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Cerrar    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Mantenga pulsado el botón Reset durante al menos 6 segundos con la cámara enchufada. Una vez restablecida la cámara, haga clic en &lt;b&gt;Reiniciar&lt;/b&gt; para continuar.</translation>
    </message>
    <message>
        <source>Select your camera</source>
        <translation>Seleccionar la cámara</translation>
    </message>
    <message>
        <source>Select your camera from the list and click &lt;b&gt;Next&lt;/b&gt; when you complete.</source>
        <translation>Seleccione su cámara en la lista y haga clic en &lt;b&gt;Siguiente&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>MAC ID</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>MAC ID is a unique identifier
assigned to network interfaces
for communications on the
physical network.</source>
        <translation>La dirección MAC es un identificador
único asignado a las interfaces
de red para comunicarse en
la red física.</translation>
    </message>
    <message>
        <source>Registered to skyvue</source>
        <translation>Registrada en skyvue</translation>
    </message>
    <message>
        <source>Not registered</source>
        <translation>No registrada</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Por cable</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Inalámbrica</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;MAC ID&lt;/b&gt; on the back of your camera.</source>
        <translation>La &lt;b&gt;dirección MAC&lt;/b&gt; figura al dorso de la cámara.</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Cannot find your camera from the list ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*¿No encuentra su cámara en la lista?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Enter a password to secure your camera</source>
        <translation>Proteja la cámara con una contraseña</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Cuenta admin.:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Forgot my camera password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;¿Ha olvidado la contraseña?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Confirmar:</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      Atrás</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Buscar    </translation>
    </message>
    <message>
        <source>Next      </source>
        <translation>Siguiente      </translation>
    </message>
    <message>
        <source>&lt;b&gt;Searching camera....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Buscando la cámara....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Confirm your camera password</source>
        <translation>Confirme la contraseña de la cámara</translation>
    </message>
    <message>
        <source>Searching camera</source>
        <translation>Buscando la cámara</translation>
    </message>
    <message>
        <source>Saving camera&apos;s password</source>
        <translation>Guardando la contraseña de la cámara</translation>
    </message>
    <message>
        <source>Retrieving the camera&apos;s password</source>
        <translation>Obteniendo la contraseña de la cámara</translation>
    </message>
    <message>
        <source>The camera you select has already been registered to skyvue. You have to enter the correct camera password and skyvue account later or &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt; to register another account.&lt;br&gt;</source>
        <translation>Esta cámara ya está registrada en skyvue. Más adelante deberá introducir su contraseña y la cuenta de skyvue, o bien &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;restablecer la cámara&lt;/font&gt;&lt;/a&gt; para registrarla en otra cuenta.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The passwords must be at least 6 characters long and must contain at least 2 letters, case-sensitive!</source>
        <translation>La contraseña debe tener al menos 6 caracteres e incluir al menos 2 letras. Se distingue entre mayúsculas y minúsculas.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The passwords don&apos;t match! Please try again!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Advertencia&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Las contraseñas no coinciden. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Input wrong password, please check!</source>
        <translation>Contraseña incorrecta. Compruébela.</translation>
    </message>
    <message>
        <source>Two times input password are not the same!</source>
        <translation>Las dos contraseñas introducidas no coinciden.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Cannot detect your wired connection?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Please close this lightbox and click &lt;b&gt;Back&lt;/b&gt; button to previous page. Follow the instruction to install the camera again.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;¿No se detecta la conexión por cable?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Cierre esta ventana y haga clic en &lt;b&gt;Atrás&lt;/b&gt; para volver a la página anterior. Siga las instrucciones para volver a instalar la cámara.</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>IP estática</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>The camera did not confirm the new password, so it may still have none. Check that the camera is on and connected, then try again.</source>
        <translation>La cámara no confirmó la nueva contraseña, así que puede que aún no tenga ninguna. Compruebe que la cámara esté encendida y conectada, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Retry    </source>
        <translation>Reintentar    </translation>
    </message>
</context>
<context>
    <name>welcomePage</name>
    <message>
        <source>Please select:</source>
        <translation>Seleccione:</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>Portugués (Portugal)</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>Portugués (Brasil)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chino tradicional</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chino simplificado</translation>
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
        <translation>Danés</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griego</translation>
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
        <translation>Neerlandés</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Noruego</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polaco</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumano</translation>
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
        <translation>Finés</translation>
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
        <translation>Manuales y descargas</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Start    </source>
        <translation>Comenzar    </translation>
    </message>
    <message>
        <source>Select your lauguage:</source>
        <translation>Seleccione el idioma:</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Welcome </source>
        <translation>Bienvenido </translation>
    </message>
    <message>
        <source>Welcome to the IP camera Camguide. This wizard will help you easily setup the Internet camera, register skyvue web site for remote view and other interesting online services.</source>
        <translation>Bienvenido a Camguide para cámaras IP. Este asistente le ayudará a instalar fácilmente la cámara de Internet y a registrarse en el sitio web de skyvue para la vista remota y otros interesantes servicios en línea.</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Cerrar    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Acerca de </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Advertencia:&lt;/b&gt; este programa está protegido por las leyes de derechos de autor y por tratados internacionales. La reproducción o distribución no autorizada de este programa, o de cualquier parte del mismo, puede dar lugar a graves sanciones civiles y penales.&lt;br&gt;</translation>
    </message>
</context>
</TS>
