<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Another Camguide is already running.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertissement&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Un autre Camguide est déjà en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>MyCamera</source>
        <translation>MaCamera</translation>
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
        <translation>Dépannage</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Manuels et logiciels</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Tous droits réservés.</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Fermer    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;À propos de </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Avertissement :&lt;/b&gt; ce programme est protégé par le droit d&apos;auteur et par des traités internationaux. Toute reproduction ou diffusion non autorisée de ce programme, ou d&apos;une partie de celui-ci, est passible de sanctions civiles et pénales.&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>connectPage</name>
    <message>
        <source>plug</source>
        <translation>Câble</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertissement&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Le voyant Link de la caméra est-il allumé en vert ?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Le voyant Power/Link de la caméra est-il allumé en vert ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Redémarrer    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Fermer    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Maintenez le bouton Reset enfoncé pendant au moins 6 secondes, la caméra étant branchée. Une fois la caméra réinitialisée, cliquez sur &lt;b&gt;Redémarrer&lt;/b&gt; pour continuer.</translation>
    </message>
    <message>
        <source>Connect to the network</source>
        <translation>Connexion au réseau</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Branchez le câble Ethernet sur le port Ethernet à l&apos;arrière de la caméra.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Branchez l&apos;autre extrémité du câble sur un port LAN libre de votre routeur.</translation>
    </message>
    <message>
        <source>3.The LED on the camera will turn solid green when the device is ready.</source>
        <translation>3. Le voyant de la caméra devient vert fixe lorsque l&apos;appareil est prêt.</translation>
    </message>
    <message>
        <source>1.Unplug the Ethernet cable from the camera.</source>
        <translation>1. Débranchez le câble Ethernet de la caméra.</translation>
    </message>
    <message>
        <source>2.Press the WPS button on the back of your camera and the WPS LED will start to flash blue.</source>
        <translation>2. Appuyez sur le bouton WPS à l&apos;arrière de la caméra : le voyant WPS se met à clignoter en bleu.</translation>
    </message>
    <message>
        <source>3.You now  one minute to press the WPS button on your router.</source>
        <translation>3. Vous disposez alors d&apos;une minute pour appuyer sur le bouton WPS de votre routeur.</translation>
    </message>
    <message>
        <source>4.Once your camera has established a connection, the WPS LED will turn solid blue, the LED in front of the camera will turn to flash green.</source>
        <translation>4. Une fois la connexion établie, le voyant WPS devient bleu fixe et le voyant à l&apos;avant de la caméra clignote en vert.</translation>
    </message>
    <message>
        <source>Current connection(*):</source>
        <translation>Connexion actuelle (*) :</translation>
    </message>
    <message>
        <source>How would you connect your camera to the router?</source>
        <translation>Comment voulez-vous connecter la caméra au routeur ?</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Connexion filaire&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Ethernet cable</source>
        <translation>Par câble Ethernet</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Connexion sans fil&lt;/b&gt;</translation>
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
        <translation>En choisissant un réseau sans fil</translation>
    </message>
    <message>
        <source>Available wireless network</source>
        <translation>Réseaux sans fil disponibles</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Lister    </translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. Côté caméra</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. Côté routeur</translation>
    </message>
    <message>
        <source>3. Check LED turns green</source>
        <translation>3. Voyant vert allumé</translation>
    </message>
    <message>
        <source>1. Unplug the Ethernet cable</source>
        <translation>1. Débrancher le câble</translation>
    </message>
    <message>
        <source>2. On the camera side</source>
        <translation>2. Côté caméra</translation>
    </message>
    <message>
        <source>3. On the router side</source>
        <translation>3. Côté routeur</translation>
    </message>
    <message>
        <source>4. Check LED turns flash green</source>
        <translation>4. Voyant vert clignotant</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Retour</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Suivant    </translation>
    </message>
    <message>
        <source>Checking Internet connection</source>
        <translation>Vérification de la connexion Internet</translation>
    </message>
    <message>
        <source>(Current connection(*): &lt;b&gt;</source>
        <translation>(Connexion actuelle (*) : &lt;b&gt;</translation>
    </message>
    <message>
        <source>Wireless connection&lt;/b&gt;)</source>
        <translation>Connexion sans fil&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Connexion sans fil*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Wired connection&lt;/b&gt;)</source>
        <translation>Connexion filaire&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Connexion filaire*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Que faire si le voyant Link reste éteint ?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Que faire si le voyant reste rouge ?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*where is my WPS button?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Où se trouve le bouton WPS ?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Having problems connecting?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Problèmes de connexion ?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Que faire si le voyant Link reste éteint ?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Vérifiez les points suivants :&lt;ul&gt;&lt;li&gt;Les câbles sont-ils bien branchés ?&lt;/li&gt;&lt;li&gt;Débranchez puis rebranchez la caméra.&lt;/li&gt;&lt;li&gt;Si le voyant Link reste éteint, vous pouvez &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;réinitialiser la caméra&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Le modem ou routeur fonctionne-t-il, ses voyants pour la caméra sont-ils allumés ?&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Que faire si le voyant reste rouge ?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Vérifiez les points suivants :&lt;ul&gt;&lt;li&gt;Les câbles sont-ils bien branchés ?&lt;/li&gt;&lt;li&gt;Débranchez puis rebranchez la caméra.&lt;/li&gt;&lt;li&gt;Si le voyant reste rouge, vous pouvez &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;réinitialiser la caméra&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Le modem ou routeur fonctionne-t-il, ses voyants pour la caméra sont-ils allumés ?&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check your router&apos;s user manual for more details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Qu&apos;est-ce que le WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Le WPS (Wi-Fi Protected Setup) permet d&apos;établir une connexion sans fil sécurisée rapidement, facilement et automatiquement. &lt;br&gt;&lt;br&gt;Le bouton WPS se trouve généralement sur le côté du routeur. Sur certains routeurs, il faut se connecter à l&apos;interface web et cliquer sur un bouton à l&apos;écran pour activer le WPS. Pour plus de détails, consultez le manuel de votre routeur.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check the user manual for your router for details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Qu&apos;est-ce que le WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Le WPS (Wi-Fi Protected Setup) permet d&apos;établir une connexion sans fil sécurisée rapidement, facilement et automatiquement. &lt;br&gt;&lt;br&gt;Le bouton WPS se trouve généralement sur le côté du routeur. Sur certains routeurs, il faut se connecter à l&apos;interface web et cliquer sur un bouton à l&apos;écran pour activer le WPS. Pour en savoir plus, consultez le manuel du routeur.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Having problems connecting your camera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;If you are having problems connecting your camera using WPS, check the following:&lt;ul&gt;&lt;li&gt;Your camera may be out of range.Try connecting your camera from the same room as your router.&lt;/li&gt;&lt;li&gt;Make sure your router has a WPS button.Check your router&apos;s user manual for details. &lt;/li&gt;&lt;/ul&gt;If you are still having trouble connecting your camera using WPS, you can select wireless network manually or simply use a wired connection.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Problèmes de connexion de la caméra ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Si vous n&apos;arrivez pas à connecter la caméra avec le WPS, vérifiez les points suivants :&lt;ul&gt;&lt;li&gt;La caméra est peut-être hors de portée. Essayez de la connecter depuis la pièce où se trouve le routeur.&lt;/li&gt;&lt;li&gt;Vérifiez que le routeur dispose d&apos;un bouton WPS. Consultez son manuel d&apos;utilisation pour en savoir plus. &lt;/li&gt;&lt;/ul&gt;Si le problème persiste, vous pouvez choisir le réseau sans fil manuellement ou simplement utiliser une connexion filaire.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Please plug in the cable. click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Branchez le câble, puis cliquez sur &lt;b&gt;OK&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Now you can unplug the Ethernet cable from the camera and click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Vous pouvez maintenant débrancher le câble Ethernet de la caméra, puis cliquer sur &lt;b&gt;OK&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>OK	</source>
        <translation>OK	</translation>
    </message>
    <message>
        <source>The camera has already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;Close&lt;/b&gt; just re-configure the camera!</source>
        <translation>La caméra est déjà inscrite. Cliquez sur &lt;b&gt;Réinitialiser&lt;/b&gt; pour redémarrer l&apos;application et réinitialiser la caméra, ou sur &lt;b&gt;Fermer&lt;/b&gt; pour simplement reconfigurer la caméra.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Réinitialiser    </translation>
    </message>
    <message>
        <source>Yes    </source>
        <translation>Oui    </translation>
    </message>
    <message>
        <source>NO    </source>
        <translation>Non    </translation>
    </message>
    <message>
        <source>The camera can not connect to skyvue server. click &lt;b&gt;Retry&lt;/b&gt; to check again, or click &lt;b&gt;Close&lt;/b&gt; without signing in skyvue.</source>
        <translation>La caméra ne parvient pas à joindre le serveur skyvue. Cliquez sur &lt;b&gt;Réessayer&lt;/b&gt; pour vérifier à nouveau, ou sur &lt;b&gt;Fermer&lt;/b&gt; pour continuer sans vous connecter à skyvue.</translation>
    </message>
    <message>
        <source>Retry	 </source>
        <translation>Réessayer	 </translation>
    </message>
    <message>
        <source>Close	 </source>
        <translation>Fermer	 </translation>
    </message>
    <message>
        <source>Check your cable connection please.&lt;br&gt;</source>
        <translation>Vérifiez le branchement du câble.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The wireless connection failed. Please connect the Ethernet cable and select the wireless network again.&lt;br&gt;</source>
        <translation>La connexion sans fil a échoué. Branchez le câble Ethernet et choisissez à nouveau le réseau sans fil.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Enregistrement des paramètres réseau</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Redémarrage du réseau</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Vérification de la connexion Internet</translation>
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
        <translation>&lt;b&gt;Plus de détails&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Camera IP address:</source>
        <translation>Adresse IP caméra :</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Masque de sous-réseau :</translation>
    </message>
    <message>
        <source>Gateway IP address:</source>
        <translation>Passerelle :</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>DNS primaire :</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>DNS secondaire :</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>État :</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Sans fil</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Filaire</translation>
    </message>
    <message>
        <source>Wireless SSID:</source>
        <translation>SSID sans fil :</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>n/d</translation>
    </message>
    <message>
        <source>Connection mode:</source>
        <translation>Mode de connexion :</translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation>Authentification :</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Chiffrement :</translation>
    </message>
    <message>
        <source>Key/password:</source>
        <translation>Clé/mot de passe :</translation>
    </message>
    <message>
        <source>&lt;b&gt; Internet connection&lt;/b&gt;</source>
        <translation>&lt;b&gt; Connexion Internet&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Connection type&lt;/b&gt;</source>
        <translation>&lt;b&gt; Type de connexion&lt;/b&gt;</translation>
    </message>
    <message>
        <source>skyvue no.:</source>
        <translation>N° skyvue :</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Compte admin :</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>&lt;b&gt; skyvue info&lt;/b&gt;</source>
        <translation>&lt;b&gt; Infos skyvue&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Camera web page&lt;/b&gt;</source>
        <translation>&lt;b&gt; Interface web&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your Internet connection&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Modifier la connexion Internet&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your connection type&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Modifier le type de connexion&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Fermer    </translation>
    </message>
</context>
<context>
    <name>failedPage</name>
    <message>
        <source>plug</source>
        <translation>Câble</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertissement&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Connect your camera</source>
        <translation>Connecter la caméra</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Enregistrement des paramètres réseau</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Redémarrage du réseau</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Vérification de la connexion Internet</translation>
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
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Submask</source>
        <translation>Masque de sous-réseau</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Passerelle</translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation>DNS primaire</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>DNS secondaire :</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Adresse IP :</translation>
    </message>
    <message>
        <source>Submask:</source>
        <translation>Masque réseau :</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Passerelle :</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>DNS primaire :</translation>
    </message>
    <message>
        <source>Secondary DNS:</source>
        <translation>DNS secondaire :</translation>
    </message>
    <message>
        <source>How would you connect your camera to the Internet?</source>
        <translation>Comment voulez-vous connecter la caméra à Internet ?</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)</source>
        <translation>Compte et mot de passe (PPPoE)</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte :</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mdp :</translation>
    </message>
    <message>
        <source>Enter static IP address</source>
        <translation>Adresse IP fixe</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)*</source>
        <translation>Adresse IP dynamique (DHCP)*</translation>
    </message>
    <message>
        <source>Use in the intranet for local view only.</source>
        <translation>Utiliser uniquement en réseau local.</translation>
    </message>
    <message>
        <source>The PPPoE is a network 
protocol mainly used with DSL 
services.</source>
        <translation>Le PPPoE est un protocole 
réseau utilisé surtout avec 
les services DSL.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Retour</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Suivant    </translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Chargement, veuillez patienter</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP address</source>
        <translation>Adresse IP fixe</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)</source>
        <translation>Adresse IP dynamique (DHCP)</translation>
    </message>
    <message>
        <source>(Current Internet connection(*): &lt;b&gt;</source>
        <translation>(Connexion Internet actuelle (*) : &lt;b&gt;</translation>
    </message>
    <message>
        <source>&lt;/b&gt;)</source>
        <translation>&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)*</source>
        <translation>Compte et mot de passe (PPPoE)*</translation>
    </message>
    <message>
        <source>Enter static IP address*</source>
        <translation>Adresse IP fixe*</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Fermer    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid username!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertissement&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Nom d&apos;utilisateur non valide !</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid password.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertissement&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Mot de passe non valide.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertissement&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Valeur non valide :<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </translation>
    </message>
    <message>
        <source>!</source>
        <translation>.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Connection is failed.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertissement&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Échec de la connexion.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The camera have already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;OK&lt;/b&gt; just re-configure the camera!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertissement&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;La caméra est déjà inscrite. Cliquez sur &lt;b&gt;Réinitialiser&lt;/b&gt; pour redémarrer l&apos;application et réinitialiser la caméra, ou sur &lt;b&gt;OK&lt;/b&gt; pour simplement reconfigurer la caméra.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Réinitialiser    </translation>
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
        <translation>Câble</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertissement&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Sans connexion Internet sur la caméra ( &lt;a href = Setup again&gt;&lt;font size=3 color=#638c0b&gt;reconfigurer&lt;/font&gt;&lt;/a&gt; ), la vue à distance via le site skyvue est impossible.
</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> L&apos;adresse IP ci-dessous reste utilisable pour la vue locale.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Compte :</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Ajouter un raccourci vers l&apos;adresse IP de la caméra au bureau et aux favoris.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Rejoindre skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Adresse IP :</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
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
        <translation> Nom caméra :</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Plus de détails sur votre caméra.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Terminer    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Le raccourci n&apos;a pas pu être créé entièrement.</translation>
    </message>
</context>
<context>
    <name>joinPage1</name>
    <message>
        <source>plug</source>
        <translation>Câble</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertissement&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Le voyant Link de la caméra est-il allumé en vert ?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Le voyant Power/Link de la caméra est-il allumé en vert ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Redémarrer    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Fermer    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Maintenez le bouton Reset enfoncé pendant au moins 6 secondes, la caméra étant branchée. Une fois la caméra réinitialisée, cliquez sur &lt;b&gt;Redémarrer&lt;/b&gt; pour continuer.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Rejoindre skyvue</translation>
    </message>
    <message>
        <source>The camera has previously registered with a skyvue account, you can login on &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; or mobile application to enjoy remote view. If you want to re-configure your account and device, you may &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;hard reset&lt;/font&gt;&lt;/a&gt; the camera and create or register with a new account.</source>
        <translation>La caméra est déjà inscrite sur un compte skyvue : vous pouvez vous connecter sur &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; ou dans l&apos;application mobile pour la vue à distance. Pour reconfigurer votre compte et l&apos;appareil, vous pouvez &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;réinitialiser complètement&lt;/font&gt;&lt;/a&gt; la caméra, puis créer un compte ou l&apos;inscrire sur un autre compte.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Pourquoi rejoindre skyvue ?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Configuration simple&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS setting, firewall roadblock, or all the trouble some configurations on cameras or viewing clients.</source>
        <translation>Fini les réglages compliqués de DNS dynamique, les blocages du pare-feu et les configurations fastidieuses des caméras ou des logiciels de visualisation.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Accès facile&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Vue à distance partout&lt;/b&gt;</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Retour</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Suivant    </translation>
    </message>
</context>
<context>
    <name>joinPage2</name>
    <message>
        <source>plug</source>
        <translation>Câble</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertissement&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Rejoindre skyvue</translation>
    </message>
    <message>
        <source>Do you have a skyvue account ?</source>
        <translation>Avez-vous un compte skyvue ?</translation>
    </message>
    <message>
        <source>&amp;Yes, I already have a skyvue account.</source>
        <translation>&amp;Oui, j&apos;ai déjà un compte skyvue.</translation>
    </message>
    <message>
        <source>&amp;No, I need to sign up for a new account.</source>
        <translation>&amp;Non, je dois créer un nouveau compte.</translation>
    </message>
    <message>
        <source>I &amp;don&apos;t want to sign up right now.</source>
        <translation>Je ne veux pas m&apos;inscrire &amp;maintenant.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Pourquoi rejoindre skyvue ?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Configuration simple&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS settings,firewall roadblock,or all the troublesome configurations on cameras or viewing clients.</source>
        <translation>Fini les réglages compliqués de DNS dynamique, les blocages du pare-feu et les configurations fastidieuses des caméras ou des logiciels de visualisation.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Accès facile&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For using skyvue web service such as to manage all your cameras in one place.</source>
        <translation>Gérez toutes vos caméras au même endroit avec le service web skyvue.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Vue à distance partout&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For viewing your cameras from anywhere through a web browser or a mobile device.</source>
        <translation>Regardez vos caméras de partout, dans un navigateur web ou sur un mobile.</translation>
    </message>
    <message>
        <source>Please enter your skyvue account.</source>
        <translation>Saisissez votre compte skyvue.</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-mail :</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mdp :</translation>
    </message>
    <message>
        <source>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Forgot password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Mot de passe oublié ?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm Password:</source>
        <translation>Confirmation :</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Prénom :</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>I would like to receive emails for latest services and products from skyvue.</source>
        <translation>Je souhaite recevoir des e-mails sur les nouveaux services et produits skyvue.</translation>
    </message>
    <message>
        <source>I accept skyvue &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;terms and conditions&lt;/font&gt;&lt;/a&gt;.</source>
        <translation>J&apos;accepte les &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;conditions générales&lt;/font&gt;&lt;/a&gt; de skyvue.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Retour</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Suivant    </translation>
    </message>
    <message>
        <source>&lt;b&gt;Loading, please wait....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Chargement, veuillez patienter....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Fermer    </translation>
    </message>
    <message>
        <source>Please select your camera.</source>
        <translation>Veuillez choisir votre caméra.</translation>
    </message>
    <message>
        <source>Invalid email!</source>
        <translation>Adresse e-mail non valide !</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>Mot de passe non valide !</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match, please try again.</source>
        <translation>Les mots de passe ne correspondent pas, veuillez réessayer.</translation>
    </message>
    <message>
        <source>You must accept the terms and conditions to continue.</source>
        <translation>Vous devez accepter les conditions générales pour continuer.</translation>
    </message>
    <message>
        <source>Please select an option.</source>
        <translation>Veuillez choisir une option.</translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Chargement, veuillez patienter</translation>
    </message>
    <message>
        <source>Timeout, please retry.</source>
        <translation>Délai dépassé, veuillez réessayer.</translation>
    </message>
    <message>
        <source>The camera gave no valid portal address.</source>
        <translation>La caméra n&apos;a pas fourni d&apos;adresse de portail valide.</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>Erreur inconnue !</translation>
    </message>
    <message>
        <source>Since you forgot your skyvue account&apos;s password. click &lt;b&gt;OK&lt;/b&gt; button will direct you to skyvue portal to retrieve the password. Please follow the instructions on the web page.</source>
        <translation>Vous avez oublié le mot de passe de votre compte skyvue : cliquez sur &lt;b&gt;OK&lt;/b&gt; pour accéder au portail skyvue et récupérer le mot de passe. Suivez ensuite les instructions de la page web.</translation>
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
        <translation>Câble</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertissement&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source> Now you can use the information below to login &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.    click &lt;b&gt;Done&lt;/b&gt; to visit skyvue website to see camera live view.</source>
        <translation> Connectez-vous au site &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; avec les informations ci-dessous. Cliquez sur &lt;b&gt;Terminer&lt;/b&gt; pour ouvrir le site et voir l&apos;image en direct.</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte :</translation>
    </message>
    <message>
        <source> You can also learn more about mobile applications for your iPhone &amp; Android phone on &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.&lt;br&gt;</source>
        <translation> Découvrez aussi les applications mobiles pour iPhone et Android sur le site &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;.&lt;br&gt;</translation>
    </message>
    <message>
        <source>  Add the shortcut of skyvue to my desktop and browser bookmark.</source>
        <translation>  Ajouter un raccourci vers skyvue sur le bureau et dans les favoris du navigateur.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Rejoindre skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Adresse IP :</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mdp :</translation>
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
        <translation> Nom caméra :</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Plus de détails sur votre caméra.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Terminer    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Le raccourci n&apos;a pas pu être créé entièrement.</translation>
    </message>
</context>
<context>
    <name>joinPage4</name>
    <message>
        <source>plug</source>
        <translation>Câble</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertissement&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Si vous n&apos;inscrivez pas cette caméra sur skyvue, vous ne pourrez pas profiter de ses avantages, comme la vue à distance et l&apos;application mobile skyvue.</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> L&apos;adresse IP ci-dessous reste utilisable pour la vue locale.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Compte :</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Ajouter un raccourci vers l&apos;adresse IP de la caméra au bureau et aux favoris.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Rejoindre skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Adresse IP :</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
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
        <translation> Nom caméra :</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Plus de détails sur votre caméra.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Terminer    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Le raccourci n&apos;a pas pu être créé entièrement.</translation>
    </message>
</context>
<context>
    <name>plugPage</name>
    <message>
        <source>plug</source>
        <translation>Câble</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertissement&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Le voyant Link de la caméra est-il allumé en vert ?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Le voyant Power/Link de la caméra est-il allumé en vert ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Redémarrer    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Fermer    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Maintenez le bouton Reset enfoncé pendant au moins 6 secondes, la caméra étant branchée. Une fois la caméra réinitialisée, cliquez sur &lt;b&gt;Redémarrer&lt;/b&gt; pour continuer.</translation>
    </message>
    <message>
        <source>Plug your camera</source>
        <translation>Brancher la caméra</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Branchez le câble Ethernet sur le port Ethernet à l&apos;arrière de la caméra.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Branchez l&apos;autre extrémité du câble sur un port LAN libre de votre routeur.</translation>
    </message>
    <message>
        <source>3.Connect the power adapter to the power jack on the back of the camera and plug the other end into the power outlet.</source>
        <translation>3. Branchez l&apos;adaptateur secteur sur la prise d&apos;alimentation à l&apos;arrière de la caméra, puis sur une prise électrique.</translation>
    </message>
    <message>
        <source>4.The LED on the camera will turn green when the device is ready.</source>
        <translation>4. Le voyant de la caméra devient vert lorsque l&apos;appareil est prêt.</translation>
    </message>
    <message>
        <source>*Could use Wi-Fi Protected Setup (WPS) instead.</source>
        <translation>*Ou bien utilisez le WPS.</translation>
    </message>
    <message>
        <source>Please confirm the following tasks are done before clicking &lt;b&gt;Next&lt;/b&gt;.</source>
        <translation>Vérifiez que ces étapes sont faites avant de cliquer sur &lt;b&gt;Suivant&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. Côté caméra</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. Côté routeur</translation>
    </message>
    <message>
        <source>3. Plug power adapter</source>
        <translation>3. Brancher l&apos;adaptateur</translation>
    </message>
    <message>
        <source>4. Check LED turns solid green</source>
        <translation>4. Voyant vert fixe</translation>
    </message>
    <message>
        <source>You can also use WPS button to&lt;br&gt;establish connection in this step&lt;br&gt;or follow the instruction in later step.</source>
        <translation>Vous pouvez aussi établir la connexion&lt;br&gt;dès maintenant avec le bouton WPS&lt;br&gt;ou suivre les instructions plus loin.</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Suivant    </translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Que faire si le voyant Link reste éteint ?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Que faire si le voyant reste rouge ?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Que faire si le voyant Link reste éteint ?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Vérifiez les points suivants :&lt;ul&gt;&lt;li&gt;Les câbles sont-ils bien branchés ?&lt;/li&gt;&lt;li&gt;Débranchez puis rebranchez la caméra.&lt;/li&gt;&lt;li&gt;Si le voyant Link reste éteint, vous pouvez &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;réinitialiser la caméra&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Le modem ou routeur fonctionne-t-il, ses voyants pour la caméra sont-ils allumés ?&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Que faire si le voyant reste rouge ?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Vérifiez les points suivants :&lt;ul&gt;&lt;li&gt;Les câbles sont-ils bien branchés ?&lt;/li&gt;&lt;li&gt;Débranchez puis rebranchez la caméra.&lt;/li&gt;&lt;li&gt;Si le voyant reste rouge, vous pouvez &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;réinitialiser la caméra&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Le modem ou routeur fonctionne-t-il, ses voyants pour la caméra sont-ils allumés ?&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
</context>
<context>
    <name>selectPage</name>
    <message>
        <source>plug</source>
        <translation>Câble</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Avertissement&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Le voyant Link de la caméra est-il allumé en vert ?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Le voyant Power/Link de la caméra est-il allumé en vert ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Redémarrer    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Fermer    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Maintenez le bouton Reset enfoncé pendant au moins 6 secondes, la caméra étant branchée. Une fois la caméra réinitialisée, cliquez sur &lt;b&gt;Redémarrer&lt;/b&gt; pour continuer.</translation>
    </message>
    <message>
        <source>Select your camera</source>
        <translation>Choisir la caméra</translation>
    </message>
    <message>
        <source>Select your camera from the list and click &lt;b&gt;Next&lt;/b&gt; when you complete.</source>
        <translation>Choisissez votre caméra dans la liste, puis cliquez sur &lt;b&gt;Suivant&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>MAC ID</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>MAC ID is a unique identifier
assigned to network interfaces
for communications on the
physical network.</source>
        <translation>L&apos;adresse MAC est un identifiant
unique attribué aux interfaces
réseau pour communiquer sur
le réseau physique.</translation>
    </message>
    <message>
        <source>Registered to skyvue</source>
        <translation>Inscrite sur skyvue</translation>
    </message>
    <message>
        <source>Not registered</source>
        <translation>Non inscrite</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Filaire</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Sans fil</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;MAC ID&lt;/b&gt; on the back of your camera.</source>
        <translation>L&apos;&lt;b&gt;adresse MAC&lt;/b&gt; figure au dos de la caméra.</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Cannot find your camera from the list ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Caméra absente de la liste ?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Enter a password to secure your camera</source>
        <translation>Protégez la caméra par un mot de passe</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Compte admin :</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe:</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Forgot my camera password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Mot de passe oublié ?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Confirmation :</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      Retour</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Relancer    </translation>
    </message>
    <message>
        <source>Next      </source>
        <translation>Suivant      </translation>
    </message>
    <message>
        <source>&lt;b&gt;Searching camera....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Recherche de la caméra....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Confirm your camera password</source>
        <translation>Confirmez le mot de passe</translation>
    </message>
    <message>
        <source>Searching camera</source>
        <translation>Recherche de la caméra</translation>
    </message>
    <message>
        <source>Saving camera&apos;s password</source>
        <translation>Enregistrement du mot de passe</translation>
    </message>
    <message>
        <source>Retrieving the camera&apos;s password</source>
        <translation>Lecture du mot de passe de la caméra</translation>
    </message>
    <message>
        <source>The camera you select has already been registered to skyvue. You have to enter the correct camera password and skyvue account later or &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt; to register another account.&lt;br&gt;</source>
        <translation>La caméra choisie est déjà inscrite sur skyvue. Vous devrez saisir plus loin le bon mot de passe de la caméra et le compte skyvue, ou &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;réinitialiser la caméra&lt;/font&gt;&lt;/a&gt; pour l&apos;inscrire sur un autre compte.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The passwords must be at least 6 characters long and must contain at least 2 letters, case-sensitive!</source>
        <translation>Le mot de passe doit comporter au moins 6 caractères, dont au moins 2 lettres ; majuscules et minuscules sont distinguées !</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The passwords don&apos;t match! Please try again!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Avertissement&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Les mots de passe ne correspondent pas ! Veuillez réessayer !</translation>
    </message>
    <message>
        <source>Input wrong password, please check!</source>
        <translation>Mot de passe incorrect, veuillez vérifier !</translation>
    </message>
    <message>
        <source>Two times input password are not the same!</source>
        <translation>Les deux mots de passe saisis sont différents !</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Cannot detect your wired connection?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Please close this lightbox and click &lt;b&gt;Back&lt;/b&gt; button to previous page. Follow the instruction to install the camera again.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Connexion filaire non détectée ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Fermez cette fenêtre et cliquez sur &lt;b&gt;Retour&lt;/b&gt; pour revenir à la page précédente. Suivez les instructions pour installer à nouveau la caméra.</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>IP statique</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>The camera did not confirm the new password, so it may still have none. Check that the camera is on and connected, then try again.</source>
        <translation>La caméra n&apos;a pas confirmé le nouveau mot de passe : elle n&apos;en a peut-être toujours aucun. Vérifiez que la caméra est allumée et connectée, puis réessayez.</translation>
    </message>
    <message>
        <source>Retry    </source>
        <translation>Réessayer    </translation>
    </message>
</context>
<context>
    <name>welcomePage</name>
    <message>
        <source>Please select:</source>
        <translation>Choisissez :</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>Portugais (Portugal)</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>Portugais (Brésil)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chinois traditionnel</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chinois simplifié</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coréen</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tchèque</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danois</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grec</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Croate</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Hongrois</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Néerlandais</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norvégien</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonais</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Roumain</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slovène</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Suédois</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finnois</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Dépannage</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Manuels et logiciels</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Start    </source>
        <translation>Démarrer    </translation>
    </message>
    <message>
        <source>Select your lauguage:</source>
        <translation>Choisir la langue :</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Welcome </source>
        <translation>Bienvenue </translation>
    </message>
    <message>
        <source>Welcome to the IP camera Camguide. This wizard will help you easily setup the Internet camera, register skyvue web site for remote view and other interesting online services.</source>
        <translation>Bienvenue dans le Camguide de la caméra IP. Cet assistant vous aide à installer facilement la caméra Internet et à vous inscrire sur le site skyvue pour la vue à distance et d&apos;autres services en ligne.</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Fermer    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;À propos de </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Avertissement :&lt;/b&gt; ce programme est protégé par le droit d&apos;auteur et par des traités internationaux. Toute reproduction ou diffusion non autorisée de ce programme, ou d&apos;une partie de celui-ci, est passible de sanctions civiles et pénales.&lt;br&gt;</translation>
    </message>
</context>
</TS>
