<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Another Camguide is already running.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Внимание&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Camguide уже запущен.</translation>
    </message>
    <message>
        <source>MyCamera</source>
        <translation>МояКамера</translation>
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
        <translation>Решение проблем</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Руководства и загрузки</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Инфо</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Все права защищены.</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Закрыть    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;О программе </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Внимание:&lt;/b&gt; Эта программа защищена законами об авторском праве и международными договорами. Незаконное воспроизведение или распространение этой программы или любой её части может повлечь за собой строгую гражданскую и уголовную ответственность.&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>connectPage</name>
    <message>
        <source>plug</source>
        <translation>Кабель</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Выбор</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Внимание&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Индикатор Link на камере горит зелёным?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Индикатор Power/Link на камере горит зелёным?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Перезапуск    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Закрыть    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Нажмите и удерживайте кнопку Reset не менее 6 секунд, пока камера подключена. После сброса камеры нажмите &lt;b&gt;Перезапуск&lt;/b&gt;, чтобы продолжить.</translation>
    </message>
    <message>
        <source>Connect to the network</source>
        <translation>Подключение к сети</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Подключите кабель Ethernet к порту Ethernet на задней панели камеры.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Подключите другой конец кабеля к свободному порту LAN роутера.</translation>
    </message>
    <message>
        <source>3.The LED on the camera will turn solid green when the device is ready.</source>
        <translation>3. Когда устройство будет готово, индикатор будет гореть зелёным.</translation>
    </message>
    <message>
        <source>1.Unplug the Ethernet cable from the camera.</source>
        <translation>1. Отключите кабель Ethernet от камеры.</translation>
    </message>
    <message>
        <source>2.Press the WPS button on the back of your camera and the WPS LED will start to flash blue.</source>
        <translation>2. Нажмите кнопку WPS на задней панели камеры — индикатор WPS начнёт мигать синим.</translation>
    </message>
    <message>
        <source>3.You now  one minute to press the WPS button on your router.</source>
        <translation>3. Теперь у вас есть одна минута, чтобы нажать кнопку WPS на роутере.</translation>
    </message>
    <message>
        <source>4.Once your camera has established a connection, the WPS LED will turn solid blue, the LED in front of the camera will turn to flash green.</source>
        <translation>4. Когда камера установит соединение, индикатор WPS будет постоянно гореть синим, а индикатор на передней панели камеры начнёт мигать зелёным.</translation>
    </message>
    <message>
        <source>Current connection(*):</source>
        <translation>Текущее подключение (*):</translation>
    </message>
    <message>
        <source>How would you connect your camera to the router?</source>
        <translation>Как подключить камеру к роутеру?</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Проводное подключение&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Ethernet cable</source>
        <translation>Кабелем Ethernet</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Беспроводное подключение&lt;/b&gt;</translation>
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
        <translation>Выбрать беспроводную сеть</translation>
    </message>
    <message>
        <source>Available wireless network</source>
        <translation>Доступные беспроводные сети</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Поиск    </translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. На камере</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. На роутере</translation>
    </message>
    <message>
        <source>3. Check LED turns green</source>
        <translation>3. Индикатор горит зелёным</translation>
    </message>
    <message>
        <source>1. Unplug the Ethernet cable</source>
        <translation>1. Отключите кабель Ethernet</translation>
    </message>
    <message>
        <source>2. On the camera side</source>
        <translation>2. На камере</translation>
    </message>
    <message>
        <source>3. On the router side</source>
        <translation>3. На роутере</translation>
    </message>
    <message>
        <source>4. Check LED turns flash green</source>
        <translation>4. Индикатор мигает зелёным</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Назад</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Далее    </translation>
    </message>
    <message>
        <source>Checking Internet connection</source>
        <translation>Проверка подключения к интернету</translation>
    </message>
    <message>
        <source>(Current connection(*): &lt;b&gt;</source>
        <translation>(Текущее подключение (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>Wireless connection&lt;/b&gt;)</source>
        <translation>Беспроводное подключение&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Беспроводное подключение*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Wired connection&lt;/b&gt;)</source>
        <translation>Проводное подключение&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Проводное подключение*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Что делать, если индикатор Link не горит?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Что делать, если индикатор горит красным?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*where is my WPS button?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Где находится кнопка WPS?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Having problems connecting?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Проблемы с подключением?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Что делать, если индикатор Link не горит?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Проверьте следующее:&lt;ul&gt;&lt;li&gt;Убедитесь, что кабели надёжно подключены.&lt;/li&gt;&lt;li&gt;Перезапустите камеру: отключите и снова включите питание.&lt;/li&gt;&lt;li&gt;Если индикатор Link по-прежнему не горит, &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;сбросьте камеру&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Проверьте работу модема или роутера.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Что делать, если индикатор горит красным?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Проверьте следующее:&lt;ul&gt;&lt;li&gt;Убедитесь, что кабели надёжно подключены.&lt;/li&gt;&lt;li&gt;Перезапустите камеру: отключите и снова включите питание.&lt;/li&gt;&lt;li&gt;Если индикатор камеры по-прежнему горит красным, &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;сбросьте камеру&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Проверьте работу модема или роутера.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check your router&apos;s user manual for more details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Что такое WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup (WPS) позволяет быстро, легко и автоматически настроить защищённое беспроводное подключение. &lt;br&gt;&lt;br&gt;Кнопка WPS обычно находится на боковой панели роутера. На некоторых роутерах нужно войти в веб-интерфейс и включить функцию WPS экранной кнопкой. Подробнее см. в руководстве пользователя роутера.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check the user manual for your router for details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Что такое WPS?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup (WPS) позволяет быстро, легко и автоматически настроить защищённое беспроводное подключение. &lt;br&gt;&lt;br&gt;Кнопка WPS обычно находится на боковой панели роутера. На некоторых роутерах нужно войти в веб-интерфейс и включить функцию WPS экранной кнопкой. Подробности см. в руководстве к роутеру.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Having problems connecting your camera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;If you are having problems connecting your camera using WPS, check the following:&lt;ul&gt;&lt;li&gt;Your camera may be out of range.Try connecting your camera from the same room as your router.&lt;/li&gt;&lt;li&gt;Make sure your router has a WPS button.Check your router&apos;s user manual for details. &lt;/li&gt;&lt;/ul&gt;If you are still having trouble connecting your camera using WPS, you can select wireless network manually or simply use a wired connection.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Проблемы с подключением камеры?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Если не удаётся подключить камеру с помощью WPS, проверьте следующее:&lt;ul&gt;&lt;li&gt;Возможно, камера находится вне зоны действия сети. Попробуйте подключить камеру в той же комнате, где стоит роутер.&lt;/li&gt;&lt;li&gt;Убедитесь, что на роутере есть кнопка WPS. Подробности см. в руководстве пользователя роутера. &lt;/li&gt;&lt;/ul&gt;Если подключить камеру с помощью WPS по-прежнему не удаётся, выберите беспроводную сеть вручную или просто используйте проводное подключение.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Please plug in the cable. click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Подключите кабель. Когда закончите, нажмите &lt;b&gt;ОК&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Now you can unplug the Ethernet cable from the camera and click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Теперь можно отключить кабель Ethernet от камеры. Когда закончите, нажмите &lt;b&gt;ОК&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>OK	</source>
        <translation>ОК	</translation>
    </message>
    <message>
        <source>The camera has already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;Close&lt;/b&gt; just re-configure the camera!</source>
        <translation>Камера уже зарегистрирована. Нажмите &lt;b&gt;Сброс&lt;/b&gt;, чтобы перезапустить приложение и сбросить настройки камеры, или &lt;b&gt;Закрыть&lt;/b&gt;, чтобы только заново настроить камеру.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Сброс    </translation>
    </message>
    <message>
        <source>Yes    </source>
        <translation>Да    </translation>
    </message>
    <message>
        <source>NO    </source>
        <translation>Нет    </translation>
    </message>
    <message>
        <source>The camera can not connect to skyvue server. click &lt;b&gt;Retry&lt;/b&gt; to check again, or click &lt;b&gt;Close&lt;/b&gt; without signing in skyvue.</source>
        <translation>Камера не может подключиться к серверу skyvue. Нажмите &lt;b&gt;Повтор&lt;/b&gt;, чтобы проверить ещё раз, или &lt;b&gt;Закрыть&lt;/b&gt;, чтобы продолжить без входа в skyvue.</translation>
    </message>
    <message>
        <source>Retry	 </source>
        <translation>Повтор	 </translation>
    </message>
    <message>
        <source>Close	 </source>
        <translation>Закрыть	 </translation>
    </message>
    <message>
        <source>Check your cable connection please.&lt;br&gt;</source>
        <translation>Проверьте подключение кабеля.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The wireless connection failed. Please connect the Ethernet cable and select the wireless network again.&lt;br&gt;</source>
        <translation>Не удалось установить беспроводное подключение. Подключите кабель Ethernet и снова выберите беспроводную сеть.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Сохранение настроек сети</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Перезапуск сети</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Проверка подключения к интернету</translation>
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
        <translation>&lt;b&gt;Подробнее&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Camera IP address:</source>
        <translation>IP-адрес камеры:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Маска подсети:</translation>
    </message>
    <message>
        <source>Gateway IP address:</source>
        <translation>IP-адрес шлюза:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>Первичный DNS:</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>Вторичный DNS</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Состояние:</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Беспроводное</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Проводное</translation>
    </message>
    <message>
        <source>Wireless SSID:</source>
        <translation>SSID сети Wi-Fi:</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>н/д</translation>
    </message>
    <message>
        <source>Connection mode:</source>
        <translation>Режим подключения:</translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation>Аутентификация:</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Шифрование:</translation>
    </message>
    <message>
        <source>Key/password:</source>
        <translation>Ключ/пароль:</translation>
    </message>
    <message>
        <source>&lt;b&gt; Internet connection&lt;/b&gt;</source>
        <translation>&lt;b&gt; Интернет-подключение&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Connection type&lt;/b&gt;</source>
        <translation>&lt;b&gt; Тип подключения&lt;/b&gt;</translation>
    </message>
    <message>
        <source>skyvue no.:</source>
        <translation>Номер skyvue:</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Администратор:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>&lt;b&gt; skyvue info&lt;/b&gt;</source>
        <translation>&lt;b&gt; Данные skyvue&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Camera web page&lt;/b&gt;</source>
        <translation>&lt;b&gt; Веб-интерфейс&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your Internet connection&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Изменить подключение к сети&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your connection type&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Изменить тип подключения&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Закрыть    </translation>
    </message>
</context>
<context>
    <name>failedPage</name>
    <message>
        <source>plug</source>
        <translation>Кабель</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Выбор</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Внимание&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Connect your camera</source>
        <translation>Подключение камеры</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Сохранение настроек сети</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Перезапуск сети</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Проверка подключения к интернету</translation>
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
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Submask</source>
        <translation>Маска подсети</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Шлюз</translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation>Первичный DNS</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>Вторичный DNS</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-адрес:</translation>
    </message>
    <message>
        <source>Submask:</source>
        <translation>Маска подсети:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Шлюз:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>Первичный DNS:</translation>
    </message>
    <message>
        <source>Secondary DNS:</source>
        <translation>Вторичный DNS:</translation>
    </message>
    <message>
        <source>How would you connect your camera to the Internet?</source>
        <translation>Как подключить камеру к интернету?</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)</source>
        <translation>Ввести логин и пароль (PPPoE)</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Логин:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>Enter static IP address</source>
        <translation>Статический IP-адрес</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)*</source>
        <translation>Динамический IP-адрес (DHCP)*</translation>
    </message>
    <message>
        <source>Use in the intranet for local view only.</source>
        <translation>Только просмотр в локальной сети.</translation>
    </message>
    <message>
        <source>The PPPoE is a network 
protocol mainly used with DSL 
services.</source>
        <translation>PPPoE — сетевой протокол, 
который используется 
в основном для DSL.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Назад</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Далее    </translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Загрузка, подождите</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP address</source>
        <translation>Статический IP-адрес</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)</source>
        <translation>Динамический IP-адрес (DHCP)</translation>
    </message>
    <message>
        <source>(Current Internet connection(*): &lt;b&gt;</source>
        <translation>(Текущее подключение к интернету (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>&lt;/b&gt;)</source>
        <translation>&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)*</source>
        <translation>Ввести логин и пароль (PPPoE)*</translation>
    </message>
    <message>
        <source>Enter static IP address*</source>
        <translation>Статический IP-адрес*</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Закрыть    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid username!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Внимание&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Недопустимое имя пользователя!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid password.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Внимание&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Недопустимый пароль.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Внимание&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Недопустимое значение:<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </translation>
    </message>
    <message>
        <source>!</source>
        <translation>!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Connection is failed.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Внимание&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Не удалось подключиться.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The camera have already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;OK&lt;/b&gt; just re-configure the camera!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Внимание&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Камера уже зарегистрирована. Нажмите &lt;b&gt;Сброс&lt;/b&gt;, чтобы перезапустить приложение и сбросить настройки камеры, или &lt;b&gt;ОК&lt;/b&gt;, чтобы только заново настроить камеру.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Сброс    </translation>
    </message>
    <message>
        <source>OK    </source>
        <translation>ОК    </translation>
    </message>
</context>
<context>
    <name>joinPage</name>
    <message>
        <source>plug</source>
        <translation>Кабель</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Выбор</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Внимание&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Камера не подключена к интернету ( &lt;a href = Setup again&gt;&lt;font size=3 color=#638c0b&gt;настроить заново&lt;/font&gt;&lt;/a&gt; ), поэтому вы не можете войти на сайт skyvue для удалённого просмотра.
</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Для локального просмотра: IP-адрес ниже.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Логин:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Добавить ярлык IP-адреса камеры на рабочий стол и в закладки браузера.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Сервис skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-адрес:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
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
        <translation> Имя камеры:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Подробнее о камере.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Готово    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Не удалось полностью создать ярлык.</translation>
    </message>
</context>
<context>
    <name>joinPage1</name>
    <message>
        <source>plug</source>
        <translation>Кабель</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Выбор</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Внимание&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Индикатор Link на камере горит зелёным?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Индикатор Power/Link на камере горит зелёным?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Перезапуск    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Закрыть    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Нажмите и удерживайте кнопку Reset не менее 6 секунд, пока камера подключена. После сброса камеры нажмите &lt;b&gt;Перезапуск&lt;/b&gt;, чтобы продолжить.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Сервис skyvue</translation>
    </message>
    <message>
        <source>The camera has previously registered with a skyvue account, you can login on &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; or mobile application to enjoy remote view. If you want to re-configure your account and device, you may &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;hard reset&lt;/font&gt;&lt;/a&gt; the camera and create or register with a new account.</source>
        <translation>Камера уже зарегистрирована в аккаунте skyvue. Для удалённого просмотра войдите на &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; или в мобильное приложение. Если вы хотите заново настроить аккаунт и устройство, &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;сбросьте камеру&lt;/font&gt;&lt;/a&gt; и создайте новый аккаунт.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Зачем нужен skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Простая настройка&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS setting, firewall roadblock, or all the trouble some configurations on cameras or viewing clients.</source>
        <translation>Не нужно возиться со сложной настройкой динамического DNS, брандмауэром и утомительной настройкой камер и программ просмотра.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Удобный доступ&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Удалённый просмотр отовсюду&lt;/b&gt;</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Назад</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Далее    </translation>
    </message>
</context>
<context>
    <name>joinPage2</name>
    <message>
        <source>plug</source>
        <translation>Кабель</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Выбор</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Внимание&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Сервис skyvue</translation>
    </message>
    <message>
        <source>Do you have a skyvue account ?</source>
        <translation>У вас есть аккаунт skyvue?</translation>
    </message>
    <message>
        <source>&amp;Yes, I already have a skyvue account.</source>
        <translation>&amp;Да, у меня уже есть аккаунт skyvue.</translation>
    </message>
    <message>
        <source>&amp;No, I need to sign up for a new account.</source>
        <translation>&amp;Нет, зарегистрировать новый аккаунт.</translation>
    </message>
    <message>
        <source>I &amp;don&apos;t want to sign up right now.</source>
        <translation>Сейчас я не хочу &amp;регистрироваться.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Зачем нужен skyvue?&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Простая настройка&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS settings,firewall roadblock,or all the troublesome configurations on cameras or viewing clients.</source>
        <translation>Не нужно возиться со сложной настройкой динамического DNS, брандмауэром и утомительной настройкой камер и программ просмотра.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Удобный доступ&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For using skyvue web service such as to manage all your cameras in one place.</source>
        <translation>Веб-сервис skyvue позволяет, например, управлять всеми камерами в одном месте.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Удалённый просмотр отовсюду&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For viewing your cameras from anywhere through a web browser or a mobile device.</source>
        <translation>Смотрите камеры откуда угодно в браузере или на мобильном устройстве.</translation>
    </message>
    <message>
        <source>Please enter your skyvue account.</source>
        <translation>Введите данные аккаунта skyvue.</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>Эл. почта:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Forgot password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Забыли пароль?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm Password:</source>
        <translation>Повтор пароля:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Фамилия:</translation>
    </message>
    <message>
        <source>I would like to receive emails for latest services and products from skyvue.</source>
        <translation>Я хочу получать письма о новых сервисах и продуктах skyvue.</translation>
    </message>
    <message>
        <source>I accept skyvue &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;terms and conditions&lt;/font&gt;&lt;/a&gt;.</source>
        <translation>Я принимаю &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;условия использования&lt;/font&gt;&lt;/a&gt; skyvue.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Назад</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Далее    </translation>
    </message>
    <message>
        <source>&lt;b&gt;Loading, please wait....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Загрузка, подождите....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Закрыть    </translation>
    </message>
    <message>
        <source>Please select your camera.</source>
        <translation>Выберите камеру.</translation>
    </message>
    <message>
        <source>Invalid email!</source>
        <translation>Недопустимый адрес эл. почты!</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>Недопустимый пароль!</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match, please try again.</source>
        <translation>Пароли не совпадают, попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>You must accept the terms and conditions to continue.</source>
        <translation>Чтобы продолжить, необходимо принять условия использования.</translation>
    </message>
    <message>
        <source>Please select an option.</source>
        <translation>Выберите один из вариантов.</translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Загрузка, подождите</translation>
    </message>
    <message>
        <source>Timeout, please retry.</source>
        <translation>Время ожидания истекло, повторите попытку.</translation>
    </message>
    <message>
        <source>The camera gave no valid portal address.</source>
        <translation>Камера не передала действительный адрес портала.</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>Неизвестная ошибка!</translation>
    </message>
    <message>
        <source>Since you forgot your skyvue account&apos;s password. click &lt;b&gt;OK&lt;/b&gt; button will direct you to skyvue portal to retrieve the password. Please follow the instructions on the web page.</source>
        <translation>Вы забыли пароль от аккаунта skyvue. Нажмите &lt;b&gt;ОК&lt;/b&gt;, чтобы перейти на портал skyvue и восстановить пароль. Следуйте инструкциям на веб-странице.</translation>
    </message>
    <message>
        <source>OK    </source>
        <translation>ОК    </translation>
    </message>
</context>
<context>
    <name>joinPage3</name>
    <message>
        <source>plug</source>
        <translation>Кабель</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Выбор</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Внимание&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source> Now you can use the information below to login &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.    click &lt;b&gt;Done&lt;/b&gt; to visit skyvue website to see camera live view.</source>
        <translation> Теперь вы можете войти на сайт &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; с помощью данных ниже.    Нажмите &lt;b&gt;Готово&lt;/b&gt;, чтобы открыть сайт skyvue и посмотреть изображение с камеры в реальном времени.</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Логин:</translation>
    </message>
    <message>
        <source> You can also learn more about mobile applications for your iPhone &amp; Android phone on &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.&lt;br&gt;</source>
        <translation> Подробнее о мобильных приложениях для iPhone и Android читайте на сайте &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;.&lt;br&gt;</translation>
    </message>
    <message>
        <source>  Add the shortcut of skyvue to my desktop and browser bookmark.</source>
        <translation>  Добавить ярлык skyvue на рабочий стол и в закладки браузера.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Сервис skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-адрес:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
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
        <translation> Имя камеры:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Подробнее о камере.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Готово    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Не удалось полностью создать ярлык.</translation>
    </message>
</context>
<context>
    <name>joinPage4</name>
    <message>
        <source>plug</source>
        <translation>Кабель</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Выбор</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Внимание&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Если не регистрировать камеру в skyvue, вы не сможете пользоваться такими возможностями, как удалённый просмотр и мобильное приложение skyvue.</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Для локального просмотра: IP-адрес ниже.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Логин:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Добавить ярлык IP-адреса камеры на рабочий стол и в закладки браузера.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Сервис skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-адрес:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
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
        <translation> Имя камеры:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Подробнее о камере.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Готово    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Не удалось полностью создать ярлык.</translation>
    </message>
</context>
<context>
    <name>plugPage</name>
    <message>
        <source>plug</source>
        <translation>Кабель</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Выбор</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Внимание&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Индикатор Link на камере горит зелёным?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Индикатор Power/Link на камере горит зелёным?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Перезапуск    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Закрыть    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Нажмите и удерживайте кнопку Reset не менее 6 секунд, пока камера подключена. После сброса камеры нажмите &lt;b&gt;Перезапуск&lt;/b&gt;, чтобы продолжить.</translation>
    </message>
    <message>
        <source>Plug your camera</source>
        <translation>Подключите камеру</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Подключите кабель Ethernet к порту Ethernet на задней панели камеры.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Подключите другой конец кабеля к свободному порту LAN роутера.</translation>
    </message>
    <message>
        <source>3.Connect the power adapter to the power jack on the back of the camera and plug the other end into the power outlet.</source>
        <translation>3. Подключите адаптер питания к разъёму питания на задней панели камеры, а другой конец — к розетке.</translation>
    </message>
    <message>
        <source>4.The LED on the camera will turn green when the device is ready.</source>
        <translation>4. Когда устройство будет готово, индикатор загорится зелёным.</translation>
    </message>
    <message>
        <source>*Could use Wi-Fi Protected Setup (WPS) instead.</source>
        <translation>*Или используйте WPS.</translation>
    </message>
    <message>
        <source>Please confirm the following tasks are done before clicking &lt;b&gt;Next&lt;/b&gt;.</source>
        <translation>Перед нажатием кнопки &lt;b&gt;Далее&lt;/b&gt; выполните следующие действия.</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. На камере</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. На роутере</translation>
    </message>
    <message>
        <source>3. Plug power adapter</source>
        <translation>3. Подключите питание</translation>
    </message>
    <message>
        <source>4. Check LED turns solid green</source>
        <translation>4. Индикатор горит зелёным</translation>
    </message>
    <message>
        <source>You can also use WPS button to&lt;br&gt;establish connection in this step&lt;br&gt;or follow the instruction in later step.</source>
        <translation>На этом шаге можно также подключиться&lt;br&gt;кнопкой WPS или следовать&lt;br&gt;инструкциям на следующих шагах.</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Далее    </translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Что делать, если индикатор Link не горит?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Что делать, если индикатор горит красным?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Что делать, если индикатор Link не горит?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Проверьте следующее:&lt;ul&gt;&lt;li&gt;Убедитесь, что кабели надёжно подключены.&lt;/li&gt;&lt;li&gt;Перезапустите камеру: отключите и снова включите питание.&lt;/li&gt;&lt;li&gt;Если индикатор Link по-прежнему не горит, &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;сбросьте камеру&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Проверьте работу модема или роутера.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Что делать, если индикатор горит красным?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Проверьте следующее:&lt;ul&gt;&lt;li&gt;Убедитесь, что кабели надёжно подключены.&lt;/li&gt;&lt;li&gt;Перезапустите камеру: отключите и снова включите питание.&lt;/li&gt;&lt;li&gt;Если индикатор камеры по-прежнему горит красным, &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;сбросьте камеру&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Проверьте работу модема или роутера.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
</context>
<context>
    <name>selectPage</name>
    <message>
        <source>plug</source>
        <translation>Кабель</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Выбор</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Внимание&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Индикатор Link на камере горит зелёным?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Индикатор Power/Link на камере горит зелёным?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Перезапуск    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Закрыть    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Нажмите и удерживайте кнопку Reset не менее 6 секунд, пока камера подключена. После сброса камеры нажмите &lt;b&gt;Перезапуск&lt;/b&gt;, чтобы продолжить.</translation>
    </message>
    <message>
        <source>Select your camera</source>
        <translation>Выбор камеры</translation>
    </message>
    <message>
        <source>Select your camera from the list and click &lt;b&gt;Next&lt;/b&gt; when you complete.</source>
        <translation>Выберите камеру из списка и нажмите &lt;b&gt;Далее&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Камера</translation>
    </message>
    <message>
        <source>MAC ID</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>MAC ID is a unique identifier
assigned to network interfaces
for communications on the
physical network.</source>
        <translation>MAC-адрес — уникальный
идентификатор, присвоенный
сетевым интерфейсам для
связи в физической сети.</translation>
    </message>
    <message>
        <source>Registered to skyvue</source>
        <translation>Зарегистрирована в skyvue</translation>
    </message>
    <message>
        <source>Not registered</source>
        <translation>Не зарегистрирована</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Проводное</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Беспроводное</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;MAC ID&lt;/b&gt; on the back of your camera.</source>
        <translation>&lt;b&gt;MAC-адрес&lt;/b&gt; указан на задней панели камеры.</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Cannot find your camera from the list ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Камеры нет в списке?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Enter a password to secure your camera</source>
        <translation>Задайте пароль для защиты камеры</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Логин:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Forgot my camera password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Забыли пароль камеры?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Повтор пароля:</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      Назад</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Поиск    </translation>
    </message>
    <message>
        <source>Next      </source>
        <translation>Далее      </translation>
    </message>
    <message>
        <source>&lt;b&gt;Searching camera....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Поиск камеры....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Confirm your camera password</source>
        <translation>Подтвердите пароль камеры</translation>
    </message>
    <message>
        <source>Searching camera</source>
        <translation>Поиск камеры</translation>
    </message>
    <message>
        <source>Saving camera&apos;s password</source>
        <translation>Сохранение пароля камеры</translation>
    </message>
    <message>
        <source>Retrieving the camera&apos;s password</source>
        <translation>Получение пароля камеры</translation>
    </message>
    <message>
        <source>The camera you select has already been registered to skyvue. You have to enter the correct camera password and skyvue account later or &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt; to register another account.&lt;br&gt;</source>
        <translation>Камера уже зарегистрирована в skyvue. Позже введите её пароль и аккаунт skyvue или &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;сбросьте камеру&lt;/font&gt;&lt;/a&gt; для другого аккаунта.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The passwords must be at least 6 characters long and must contain at least 2 letters, case-sensitive!</source>
        <translation>Пароль должен содержать не менее 6 символов, в том числе не менее 2 букв; регистр учитывается!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The passwords don&apos;t match! Please try again!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Внимание&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Пароли не совпадают! Попробуйте ещё раз!</translation>
    </message>
    <message>
        <source>Input wrong password, please check!</source>
        <translation>Введён неверный пароль, проверьте!</translation>
    </message>
    <message>
        <source>Two times input password are not the same!</source>
        <translation>Введённые пароли не совпадают!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Cannot detect your wired connection?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Please close this lightbox and click &lt;b&gt;Back&lt;/b&gt; button to previous page. Follow the instruction to install the camera again.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Проводное подключение не обнаружено?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Закройте это окно и нажмите &lt;b&gt;Назад&lt;/b&gt;, чтобы вернуться на предыдущую страницу. Установите камеру заново, следуя инструкциям.</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>Статический IP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>The camera did not confirm the new password, so it may still have none. Check that the camera is on and connected, then try again.</source>
        <translation>Камера не подтвердила новый пароль, поэтому, возможно, пароля у неё всё ещё нет. Убедитесь, что камера включена и подключена, и повторите попытку.</translation>
    </message>
    <message>
        <source>Retry    </source>
        <translation>Повтор    </translation>
    </message>
</context>
<context>
    <name>welcomePage</name>
    <message>
        <source>Please select:</source>
        <translation>Выберите:</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Французский</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Испанский</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>Португальский</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>Португ. (Бразилия)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японский</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Китайский (трад.)</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Китайский (упр.)</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Корейский</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Чешский</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Датский</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Немецкий</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Греческий</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Хорватский</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Венгерский</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Итальянский</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Нидерландский</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Норвежский</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Польский</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Румынский</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Словенский</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Шведский</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Финский</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Решение проблем</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Руководства и загрузки</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Инфо</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Start    </source>
        <translation>Начать    </translation>
    </message>
    <message>
        <source>Select your lauguage:</source>
        <translation>Выберите язык:</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Все права защищены.</translation>
    </message>
    <message>
        <source>Welcome </source>
        <translation>Добро пожаловать </translation>
    </message>
    <message>
        <source>Welcome to the IP camera Camguide. This wizard will help you easily setup the Internet camera, register skyvue web site for remote view and other interesting online services.</source>
        <translation>Вас приветствует Camguide для IP-камер. Мастер поможет легко настроить интернет-камеру, зарегистрироваться на сайте skyvue для удалённого просмотра и воспользоваться другими онлайн-сервисами.</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Закрыть    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;О программе </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Внимание:&lt;/b&gt; Эта программа защищена законами об авторском праве и международными договорами. Незаконное воспроизведение или распространение этой программы или любой её части может повлечь за собой строгую гражданскую и уголовную ответственность.&lt;br&gt;</translation>
    </message>
</context>
</TS>
