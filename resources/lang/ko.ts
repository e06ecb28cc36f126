<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Another Camguide is already running.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;경고&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;다른 Camguide가 이미 실행 중입니다.</translation>
    </message>
    <message>
        <source>MyCamera</source>
        <translation>내카메라</translation>
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
        <translation>문제 해결</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>설명서 및 다운로드</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. 모든 권리 보유.</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>닫기    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;프로그램 정보: </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;경고:&lt;/b&gt; 이 프로그램은 저작권법 및 국제 조약의 보호를 받습니다. 이 프로그램의 전부 또는 일부를 무단으로 복제하거나 배포하는 경우 엄중한 민사 및 형사 처벌을 받을 수 있습니다.&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>connectPage</name>
    <message>
        <source>plug</source>
        <translation>설치</translation>
    </message>
    <message>
        <source>select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>join</source>
        <translation>가입</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;경고&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>카메라의 Link LED가 녹색으로 켜져 있습니까?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>카메라의 Power/Link LED가 녹색으로 켜져 있습니까?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>다시 시작    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>닫기    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>카메라 전원이 연결된 상태에서 리셋 버튼을 6초 이상 길게 누르세요. 카메라가 초기화되면 &lt;b&gt;다시 시작&lt;/b&gt;을 클릭하여 계속 진행하세요.</translation>
    </message>
    <message>
        <source>Connect to the network</source>
        <translation>네트워크에 연결</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. LAN 케이블을 카메라 뒷면의 LAN 포트에 연결합니다.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. 케이블의 다른 쪽 끝을 공유기의 빈 LAN 포트에 연결합니다.</translation>
    </message>
    <message>
        <source>3.The LED on the camera will turn solid green when the device is ready.</source>
        <translation>3. 장치가 준비되면 카메라의 LED가 녹색으로 계속 켜집니다.</translation>
    </message>
    <message>
        <source>1.Unplug the Ethernet cable from the camera.</source>
        <translation>1. 카메라에서 LAN 케이블을 뽑습니다.</translation>
    </message>
    <message>
        <source>2.Press the WPS button on the back of your camera and the WPS LED will start to flash blue.</source>
        <translation>2. 카메라 뒷면의 WPS 버튼을 누르면 WPS LED가 파란색으로 깜박이기 시작합니다.</translation>
    </message>
    <message>
        <source>3.You now  one minute to press the WPS button on your router.</source>
        <translation>3. 1분 안에 공유기의 WPS 버튼을 누르세요.</translation>
    </message>
    <message>
        <source>4.Once your camera has established a connection, the WPS LED will turn solid blue, the LED in front of the camera will turn to flash green.</source>
        <translation>4. 카메라가 연결되면 WPS LED가 파란색으로 계속 켜지고 카메라 앞면의 LED가 녹색으로 깜박입니다.</translation>
    </message>
    <message>
        <source>Current connection(*):</source>
        <translation>현재 연결(*):</translation>
    </message>
    <message>
        <source>How would you connect your camera to the router?</source>
        <translation>카메라를 공유기에 어떻게 연결하시겠습니까?</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;유선 연결&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Ethernet cable</source>
        <translation>LAN 케이블로 연결</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;무선 연결&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Wi-Fi Protected Setup</source>
        <translation>Wi-Fi 보호 설정으로 연결</translation>
    </message>
    <message>
        <source> ( &lt;a href = WPS&gt;&lt;font size=3 color=#638c0b&gt;WPS&lt;/font&gt;&lt;/a&gt; )</source>
        <translation> ( &lt;a href = WPS&gt;&lt;font size=3 color=#638c0b&gt;WPS&lt;/font&gt;&lt;/a&gt; )</translation>
    </message>
    <message>
        <source>By selecting wireless network</source>
        <translation>무선 네트워크를 선택하여 연결</translation>
    </message>
    <message>
        <source>Available wireless network</source>
        <translation>사용 가능한 무선 네트워크</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>재검색    </translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>비밀번호:</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. 카메라 쪽</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. 공유기 쪽</translation>
    </message>
    <message>
        <source>3. Check LED turns green</source>
        <translation>3. LED 녹색 켜짐 확인</translation>
    </message>
    <message>
        <source>1. Unplug the Ethernet cable</source>
        <translation>1. LAN 케이블 분리</translation>
    </message>
    <message>
        <source>2. On the camera side</source>
        <translation>2. 카메라 쪽</translation>
    </message>
    <message>
        <source>3. On the router side</source>
        <translation>3. 공유기 쪽</translation>
    </message>
    <message>
        <source>4. Check LED turns flash green</source>
        <translation>4. LED 녹색 깜박임 확인</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    이전</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>다음    </translation>
    </message>
    <message>
        <source>Checking Internet connection</source>
        <translation>인터넷 연결 확인 중</translation>
    </message>
    <message>
        <source>(Current connection(*): &lt;b&gt;</source>
        <translation>(현재 연결(*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>Wireless connection&lt;/b&gt;)</source>
        <translation>무선 연결&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;무선 연결*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Wired connection&lt;/b&gt;)</source>
        <translation>유선 연결&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;유선 연결*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Link LED가 켜지지 않으면?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*LED가 계속 빨간색이면?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*where is my WPS button?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*WPS 버튼은 어디에 있나요?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Having problems connecting?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*연결에 문제가 있나요?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Link LED가 켜지지 않으면?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  다음 사항을 확인하세요.&lt;ul&gt;&lt;li&gt;케이블이 단단히 연결되어 있는지 확인하세요.&lt;/li&gt;&lt;li&gt;전원을 뽑았다 꽂아 카메라를 다시 시작하세요.&lt;/li&gt;&lt;li&gt;그래도 Link LED가 켜지지 않으면 &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;카메라를 초기화&lt;/font&gt;&lt;/a&gt;해 보세요.&lt;/li&gt;&lt;li&gt;모뎀 또는 공유기가 정상적으로 작동하는지 확인하세요.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  LED가 계속 빨간색이면?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  다음 사항을 확인하세요.&lt;ul&gt;&lt;li&gt;케이블이 단단히 연결되어 있는지 확인하세요.&lt;/li&gt;&lt;li&gt;전원을 뽑았다 꽂아 카메라를 다시 시작하세요.&lt;/li&gt;&lt;li&gt;그래도 카메라 LED가 빨간색이면 &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;카메라를 초기화&lt;/font&gt;&lt;/a&gt;해 보세요.&lt;/li&gt;&lt;li&gt;모뎀 또는 공유기가 정상적으로 작동하는지 확인하세요.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check your router&apos;s user manual for more details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;WPS란?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;WPS(Wi-Fi Protected Setup)를 사용하면 안전한 무선 연결을 빠르고 쉽게 자동으로 설정할 수 있습니다. &lt;br&gt;&lt;br&gt;공유기의 WPS 버튼은 보통 공유기 측면에 있는 작은 버튼입니다. 일부 공유기는 웹 관리 페이지의 버튼으로 WPS를 켭니다. 자세한 내용은 공유기 사용 설명서를 참조하세요.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check the user manual for your router for details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;WPS란?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;WPS(Wi-Fi Protected Setup)를 사용하면 안전한 무선 연결을 빠르고 쉽게 자동으로 설정할 수 있습니다. &lt;br&gt;&lt;br&gt;공유기의 WPS 버튼은 보통 공유기 측면에 있는 작은 버튼입니다. 일부 공유기는 웹 관리 페이지의 버튼으로 WPS를 켭니다. 자세한 내용은 공유기의 사용 설명서를 확인하세요.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Having problems connecting your camera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;If you are having problems connecting your camera using WPS, check the following:&lt;ul&gt;&lt;li&gt;Your camera may be out of range.Try connecting your camera from the same room as your router.&lt;/li&gt;&lt;li&gt;Make sure your router has a WPS button.Check your router&apos;s user manual for details. &lt;/li&gt;&lt;/ul&gt;If you are still having trouble connecting your camera using WPS, you can select wireless network manually or simply use a wired connection.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;카메라 연결에 문제가 있나요?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;WPS로 카메라를 연결하는 데 문제가 있으면 다음 사항을 확인하세요.&lt;ul&gt;&lt;li&gt;카메라가 무선 신호 범위를 벗어났을 수 있습니다. 공유기와 같은 방에서 카메라를 연결해 보세요.&lt;/li&gt;&lt;li&gt;공유기에 WPS 버튼이 있는지 확인하세요. 자세한 내용은 공유기 사용 설명서를 참조하세요. &lt;/li&gt;&lt;/ul&gt;그래도 WPS로 카메라를 연결할 수 없으면 무선 네트워크를 직접 선택하거나 유선 연결을 사용하세요.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Please plug in the cable. click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;케이블을 연결하세요. 연결한 후 &lt;b&gt;확인&lt;/b&gt;을 클릭하세요.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Now you can unplug the Ethernet cable from the camera and click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;이제 카메라에서 LAN 케이블을 뽑은 후 &lt;b&gt;확인&lt;/b&gt;을 클릭하세요.</translation>
    </message>
    <message>
        <source>OK	</source>
        <translation>확인	</translation>
    </message>
    <message>
        <source>The camera has already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;Close&lt;/b&gt; just re-configure the camera!</source>
        <translation>이 카메라는 이미 등록되어 있습니다. 프로그램을 다시 시작하고 카메라를 초기화하려면 &lt;b&gt;초기화&lt;/b&gt;를, 카메라만 다시 설정하려면 &lt;b&gt;닫기&lt;/b&gt;를 클릭하세요!</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>초기화    </translation>
    </message>
    <message>
        <source>Yes    </source>
        <translation>예    </translation>
    </message>
    <message>
        <source>NO    </source>
        <translation>아니요    </translation>
    </message>
    <message>
        <source>The camera can not connect to skyvue server. click &lt;b&gt;Retry&lt;/b&gt; to check again, or click &lt;b&gt;Close&lt;/b&gt; without signing in skyvue.</source>
        <translation>카메라가 skyvue 서버에 연결할 수 없습니다. 다시 확인하려면 &lt;b&gt;다시 시도&lt;/b&gt;를, skyvue에 로그인하지 않고 계속하려면 &lt;b&gt;닫기&lt;/b&gt;를 클릭하세요.</translation>
    </message>
    <message>
        <source>Retry	 </source>
        <translation>다시 시도	 </translation>
    </message>
    <message>
        <source>Close	 </source>
        <translation>닫기	 </translation>
    </message>
    <message>
        <source>Check your cable connection please.&lt;br&gt;</source>
        <translation>케이블 연결을 확인하세요.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The wireless connection failed. Please connect the Ethernet cable and select the wireless network again.&lt;br&gt;</source>
        <translation>무선 연결에 실패했습니다. LAN 케이블을 연결하고 무선 네트워크를 다시 선택하세요.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>네트워크 설정 저장 중</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>네트워크 다시 시작 중</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>인터넷 연결 확인 중</translation>
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
        <translation>&lt;b&gt;자세한 정보&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Camera IP address:</source>
        <translation>카메라 IP 주소:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>서브넷 마스크:</translation>
    </message>
    <message>
        <source>Gateway IP address:</source>
        <translation>게이트웨이 IP 주소:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>기본 DNS:</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>보조 DNS:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>상태:</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>무선</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>유선</translation>
    </message>
    <message>
        <source>Wireless SSID:</source>
        <translation>무선 SSID:</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Connection mode:</source>
        <translation>연결 모드:</translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation>인증:</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>암호화:</translation>
    </message>
    <message>
        <source>Key/password:</source>
        <translation>키/비밀번호:</translation>
    </message>
    <message>
        <source>&lt;b&gt; Internet connection&lt;/b&gt;</source>
        <translation>&lt;b&gt; 인터넷 연결&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Connection type&lt;/b&gt;</source>
        <translation>&lt;b&gt; 연결 유형&lt;/b&gt;</translation>
    </message>
    <message>
        <source>skyvue no.:</source>
        <translation>skyvue 번호:</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>관리자 계정:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>비밀번호:</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>&lt;b&gt; skyvue info&lt;/b&gt;</source>
        <translation>&lt;b&gt; skyvue 정보&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Camera web page&lt;/b&gt;</source>
        <translation>&lt;b&gt; 카메라 웹 페이지&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your Internet connection&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; 인터넷 연결 변경&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your connection type&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; 연결 유형 변경&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>닫기    </translation>
    </message>
</context>
<context>
    <name>failedPage</name>
    <message>
        <source>plug</source>
        <translation>설치</translation>
    </message>
    <message>
        <source>select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>join</source>
        <translation>가입</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;경고&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Connect your camera</source>
        <translation>인터넷 연결 설정</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>네트워크 설정 저장 중</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>네트워크 다시 시작 중</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>인터넷 연결 확인 중</translation>
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
        <translation>IP 주소</translation>
    </message>
    <message>
        <source>Submask</source>
        <translation>서브넷 마스크</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>게이트웨이</translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation>기본 DNS</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>보조 DNS</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP 주소:</translation>
    </message>
    <message>
        <source>Submask:</source>
        <translation>서브넷 마스크:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>게이트웨이:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>기본 DNS:</translation>
    </message>
    <message>
        <source>Secondary DNS:</source>
        <translation>보조 DNS:</translation>
    </message>
    <message>
        <source>How would you connect your camera to the Internet?</source>
        <translation>카메라를 인터넷에 어떻게 연결하시겠습니까?</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)</source>
        <translation>계정 및 비밀번호 입력(PPPoE)</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>계정:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>비밀번호:</translation>
    </message>
    <message>
        <source>Enter static IP address</source>
        <translation>고정 IP 주소 입력</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)*</source>
        <translation>유동 IP 주소(DHCP)*</translation>
    </message>
    <message>
        <source>Use in the intranet for local view only.</source>
        <translation>로컬 보기 전용으로 내부망에서 사용</translation>
    </message>
    <message>
        <source>The PPPoE is a network 
protocol mainly used with DSL 
services.</source>
        <translation>PPPoE는 주로 DSL 서비스에서
사용되는 네트워크
프로토콜입니다.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    이전</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>다음    </translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>불러오는 중입니다. 잠시 기다려 주세요</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP address</source>
        <translation>고정 IP 주소</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)</source>
        <translation>유동 IP 주소(DHCP)</translation>
    </message>
    <message>
        <source>(Current Internet connection(*): &lt;b&gt;</source>
        <translation>(현재 인터넷 연결(*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>&lt;/b&gt;)</source>
        <translation>&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)*</source>
        <translation>계정 및 비밀번호 입력(PPPoE)*</translation>
    </message>
    <message>
        <source>Enter static IP address*</source>
        <translation>고정 IP 주소 입력*</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>닫기    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid username!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;경고&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;사용자 이름이 잘못되었습니다!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid password.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;경고&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;비밀번호가 잘못되었습니다.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;경고&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;잘못된<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </translation>
    </message>
    <message>
        <source>!</source>
        <translation>입니다!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Connection is failed.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;경고&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;연결에 실패했습니다.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The camera have already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;OK&lt;/b&gt; just re-configure the camera!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;경고&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;이 카메라는 이미 등록되어 있습니다. 프로그램을 다시 시작하고 카메라를 초기화하려면 &lt;b&gt;초기화&lt;/b&gt;를, 카메라만 다시 설정하려면 &lt;b&gt;확인&lt;/b&gt;을 클릭하세요!</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>초기화    </translation>
    </message>
    <message>
        <source>OK    </source>
        <translation>확인    </translation>
    </message>
</context>
<context>
    <name>joinPage</name>
    <message>
        <source>plug</source>
        <translation>설치</translation>
    </message>
    <message>
        <source>select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>join</source>
        <translation>가입</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;경고&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> 카메라가 인터넷에 연결되어 있지 않아( &lt;a href = Setup again&gt;&lt;font size=3 color=#638c0b&gt;다시 설정&lt;/font&gt;&lt;/a&gt; ) skyvue 웹사이트에 로그인하여 원격으로 볼 수 없습니다.
</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> 아래의 카메라 IP 주소로 로컬 보기는 계속 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>계정 이름:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  카메라 IP 주소 바로 가기를 바탕 화면과 브라우저 즐겨찾기에 추가</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>skyvue 서비스 가입</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP 주소:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>비밀번호:</translation>
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
        <translation> 카메라 이름:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;카메라 상세 정보&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>완료    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>바로 가기를 완전히 만들지 못했습니다.</translation>
    </message>
</context>
<context>
    <name>joinPage1</name>
    <message>
        <source>plug</source>
        <translation>설치</translation>
    </message>
    <message>
        <source>select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>join</source>
        <translation>가입</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;경고&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>카메라의 Link LED가 녹색으로 켜져 있습니까?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>카메라의 Power/Link LED가 녹색으로 켜져 있습니까?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>다시 시작    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>닫기    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>카메라 전원이 연결된 상태에서 리셋 버튼을 6초 이상 길게 누르세요. 카메라가 초기화되면 &lt;b&gt;다시 시작&lt;/b&gt;을 클릭하여 계속 진행하세요.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>skyvue 서비스 가입</translation>
    </message>
    <message>
        <source>The camera has previously registered with a skyvue account, you can login on &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; or mobile application to enjoy remote view. If you want to re-configure your account and device, you may &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;hard reset&lt;/font&gt;&lt;/a&gt; the camera and create or register with a new account.</source>
        <translation>이 카메라는 이미 skyvue 계정에 등록되어 있습니다. &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; 또는 모바일 앱에 로그인하여 원격 보기를 이용할 수 있습니다. 계정과 장치를 다시 설정하려면 카메라를 &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;하드 리셋&lt;/font&gt;&lt;/a&gt;한 후 새 계정을 만들거나 새 계정으로 등록하세요.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;skyvue에 가입하는 이유&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;간편한 설정&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS setting, firewall roadblock, or all the trouble some configurations on cameras or viewing clients.</source>
        <translation>복잡한 DDNS 설정, 방화벽 문제, 카메라나 뷰어 프로그램의 번거로운 설정을 걱정할 필요가 없습니다.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;쉬운 접속&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;어디서나 원격 보기&lt;/b&gt;</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    이전</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>다음    </translation>
    </message>
</context>
<context>
    <name>joinPage2</name>
    <message>
        <source>plug</source>
        <translation>설치</translation>
    </message>
    <message>
        <source>select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>join</source>
        <translation>가입</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;경고&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>skyvue 서비스 가입</translation>
    </message>
    <message>
        <source>Do you have a skyvue account ?</source>
        <translation>skyvue 계정이 있습니까?</translation>
    </message>
    <message>
        <source>&amp;Yes, I already have a skyvue account.</source>
        <translation>예, skyvue 계정이 있습니다(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No, I need to sign up for a new account.</source>
        <translation>아니요, 새 계정에 가입하겠습니다(&amp;N)</translation>
    </message>
    <message>
        <source>I &amp;don&apos;t want to sign up right now.</source>
        <translation>지금은 가입하지 않겠습니다(&amp;D)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;skyvue에 가입하는 이유&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;간편한 설정&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS settings,firewall roadblock,or all the troublesome configurations on cameras or viewing clients.</source>
        <translation>복잡한 DDNS 설정, 방화벽 문제, 카메라나 뷰어 프로그램의 번거로운 설정을 걱정할 필요가 없습니다.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;쉬운 접속&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For using skyvue web service such as to manage all your cameras in one place.</source>
        <translation>skyvue 웹 서비스에서 모든 카메라를 한곳에서 관리할 수 있습니다.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;어디서나 원격 보기&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For viewing your cameras from anywhere through a web browser or a mobile device.</source>
        <translation>웹 브라우저나 모바일 기기로 어디서나 카메라를 볼 수 있습니다.</translation>
    </message>
    <message>
        <source>Please enter your skyvue account.</source>
        <translation>skyvue 계정을 입력하세요.</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>이메일:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>비밀번호:</translation>
    </message>
    <message>
        <source>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Forgot password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;비밀번호를 잊으셨나요?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm Password:</source>
        <translation>비밀번호 확인:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>이름:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>성:</translation>
    </message>
    <message>
        <source>I would like to receive emails for latest services and products from skyvue.</source>
        <translation>skyvue의 최신 서비스 및 제품 소식을 이메일로 받겠습니다.</translation>
    </message>
    <message>
        <source>I accept skyvue &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;terms and conditions&lt;/font&gt;&lt;/a&gt;.</source>
        <translation>skyvue &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;이용 약관&lt;/font&gt;&lt;/a&gt;에 동의합니다.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    이전</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>다음    </translation>
    </message>
    <message>
        <source>&lt;b&gt;Loading, please wait....&lt;/b&gt;</source>
        <translation>&lt;b&gt;불러오는 중입니다. 잠시 기다려 주세요....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>닫기    </translation>
    </message>
    <message>
        <source>Please select your camera.</source>
        <translation>카메라를 선택하세요.</translation>
    </message>
    <message>
        <source>Invalid email!</source>
        <translation>이메일이 잘못되었습니다!</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>비밀번호가 잘못되었습니다!</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match, please try again.</source>
        <translation>비밀번호가 일치하지 않습니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <source>You must accept the terms and conditions to continue.</source>
        <translation>계속하려면 이용 약관에 동의해야 합니다.</translation>
    </message>
    <message>
        <source>Please select an option.</source>
        <translation>옵션을 선택하세요.</translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>불러오는 중입니다. 잠시 기다려 주세요</translation>
    </message>
    <message>
        <source>Timeout, please retry.</source>
        <translation>시간이 초과되었습니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The camera gave no valid portal address.</source>
        <translation>카메라가 올바른 포털 주소를 제공하지 않았습니다.</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>알 수 없는 오류입니다!</translation>
    </message>
    <message>
        <source>Since you forgot your skyvue account&apos;s password. click &lt;b&gt;OK&lt;/b&gt; button will direct you to skyvue portal to retrieve the password. Please follow the instructions on the web page.</source>
        <translation>skyvue 계정의 비밀번호를 잊으셨다면 &lt;b&gt;확인&lt;/b&gt; 버튼을 클릭하세요. skyvue 포털로 이동하여 비밀번호를 찾을 수 있습니다. 웹 페이지의 안내를 따르세요.</translation>
    </message>
    <message>
        <source>OK    </source>
        <translation>확인    </translation>
    </message>
</context>
<context>
    <name>joinPage3</name>
    <message>
        <source>plug</source>
        <translation>설치</translation>
    </message>
    <message>
        <source>select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>join</source>
        <translation>가입</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;경고&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source> Now you can use the information below to login &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.    click &lt;b&gt;Done&lt;/b&gt; to visit skyvue website to see camera live view.</source>
        <translation> 이제 아래 정보로 &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; 웹사이트에 로그인할 수 있습니다.    &lt;b&gt;완료&lt;/b&gt;를 클릭하면 skyvue 웹사이트에서 카메라 실시간 영상을 볼 수 있습니다.</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>계정:</translation>
    </message>
    <message>
        <source> You can also learn more about mobile applications for your iPhone &amp; Android phone on &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.&lt;br&gt;</source>
        <translation> iPhone 및 Android 휴대폰용 모바일 앱에 대한 자세한 내용도 &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; 웹사이트에서 확인할 수 있습니다.&lt;br&gt;</translation>
    </message>
    <message>
        <source>  Add the shortcut of skyvue to my desktop and browser bookmark.</source>
        <translation>  skyvue 바로 가기를 바탕 화면과 브라우저 즐겨찾기에 추가</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>skyvue 서비스 가입</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP 주소:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>비밀번호:</translation>
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
        <translation> 카메라 이름:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;카메라 상세 정보&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>완료    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>바로 가기를 완전히 만들지 못했습니다.</translation>
    </message>
</context>
<context>
    <name>joinPage4</name>
    <message>
        <source>plug</source>
        <translation>설치</translation>
    </message>
    <message>
        <source>select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>join</source>
        <translation>가입</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;경고&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> 이 카메라를 skyvue에 등록하지 않으면 원격 보기, 모바일 앱 등 skyvue의 혜택을 누릴 수 없습니다.</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> 아래의 카메라 IP 주소로 로컬 보기는 계속 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>계정 이름:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  카메라 IP 주소 바로 가기를 바탕 화면과 브라우저 즐겨찾기에 추가</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>skyvue 서비스 가입</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP 주소:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>비밀번호:</translation>
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
        <translation> 카메라 이름:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;카메라 상세 정보&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>완료    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>바로 가기를 완전히 만들지 못했습니다.</translation>
    </message>
</context>
<context>
    <name>plugPage</name>
    <message>
        <source>plug</source>
        <translation>설치</translation>
    </message>
    <message>
        <source>select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>join</source>
        <translation>가입</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;경고&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>카메라의 Link LED가 녹색으로 켜져 있습니까?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>카메라의 Power/Link LED가 녹색으로 켜져 있습니까?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>다시 시작    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>닫기    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>카메라 전원이 연결된 상태에서 리셋 버튼을 6초 이상 길게 누르세요. 카메라가 초기화되면 &lt;b&gt;다시 시작&lt;/b&gt;을 클릭하여 계속 진행하세요.</translation>
    </message>
    <message>
        <source>Plug your camera</source>
        <translation>카메라 연결하기</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. LAN 케이블을 카메라 뒷면의 LAN 포트에 연결합니다.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. 케이블의 다른 쪽 끝을 공유기의 빈 LAN 포트에 연결합니다.</translation>
    </message>
    <message>
        <source>3.Connect the power adapter to the power jack on the back of the camera and plug the other end into the power outlet.</source>
        <translation>3. 전원 어댑터를 카메라 뒷면의 전원 단자와 전원 콘센트에 연결합니다.</translation>
    </message>
    <message>
        <source>4.The LED on the camera will turn green when the device is ready.</source>
        <translation>4. 장치가 준비되면 카메라의 LED가 녹색으로 켜집니다.</translation>
    </message>
    <message>
        <source>*Could use Wi-Fi Protected Setup (WPS) instead.</source>
        <translation>*WPS(Wi-Fi 보호 설정)를 대신 사용할 수도 있습니다.</translation>
    </message>
    <message>
        <source>Please confirm the following tasks are done before clicking &lt;b&gt;Next&lt;/b&gt;.</source>
        <translation>&lt;b&gt;다음&lt;/b&gt;을 클릭하기 전에 다음 작업을 완료했는지 확인하세요.</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. 카메라 쪽</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. 공유기 쪽</translation>
    </message>
    <message>
        <source>3. Plug power adapter</source>
        <translation>3. 전원 어댑터 연결</translation>
    </message>
    <message>
        <source>4. Check LED turns solid green</source>
        <translation>4. LED 녹색 켜짐 확인</translation>
    </message>
    <message>
        <source>You can also use WPS button to&lt;br&gt;establish connection in this step&lt;br&gt;or follow the instruction in later step.</source>
        <translation>이 단계에서 WPS 버튼으로&lt;br&gt;연결하거나 이후 단계의&lt;br&gt;안내를 따를 수도 있습니다.</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>다음    </translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Link LED가 켜지지 않으면?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;LED가 계속 빨간색이면?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Link LED가 켜지지 않으면?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  다음 사항을 확인하세요.&lt;ul&gt;&lt;li&gt;케이블이 단단히 연결되어 있는지 확인하세요.&lt;/li&gt;&lt;li&gt;전원을 뽑았다 꽂아 카메라를 다시 시작하세요.&lt;/li&gt;&lt;li&gt;그래도 Link LED가 켜지지 않으면 &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;카메라를 초기화&lt;/font&gt;&lt;/a&gt;해 보세요.&lt;/li&gt;&lt;li&gt;모뎀 또는 공유기가 정상적으로 작동하는지 확인하세요.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  LED가 계속 빨간색이면?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  다음 사항을 확인하세요.&lt;ul&gt;&lt;li&gt;케이블이 단단히 연결되어 있는지 확인하세요.&lt;/li&gt;&lt;li&gt;전원을 뽑았다 꽂아 카메라를 다시 시작하세요.&lt;/li&gt;&lt;li&gt;그래도 카메라 LED가 빨간색이면 &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;카메라를 초기화&lt;/font&gt;&lt;/a&gt;해 보세요.&lt;/li&gt;&lt;li&gt;모뎀 또는 공유기가 정상적으로 작동하는지 확인하세요.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
</context>
<context>
    <name>selectPage</name>
    <message>
        <source>plug</source>
        <translation>설치</translation>
    </message>
    <message>
        <source>select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>join</source>
        <translation>가입</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;경고&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>카메라의 Link LED가 녹색으로 켜져 있습니까?</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>카메라의 Power/Link LED가 녹색으로 켜져 있습니까?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>다시 시작    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>닫기    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>카메라 전원이 연결된 상태에서 리셋 버튼을 6초 이상 길게 누르세요. 카메라가 초기화되면 &lt;b&gt;다시 시작&lt;/b&gt;을 클릭하여 계속 진행하세요.</translation>
    </message>
    <message>
        <source>Select your camera</source>
        <translation>카메라 선택</translation>
    </message>
    <message>
        <source>Select your camera from the list and click &lt;b&gt;Next&lt;/b&gt; when you complete.</source>
        <translation>목록에서 카메라를 선택한 후 &lt;b&gt;다음&lt;/b&gt;을 클릭하세요.</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>카메라</translation>
    </message>
    <message>
        <source>MAC ID</source>
        <translation>MAC ID</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP 주소</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>MAC ID is a unique identifier
assigned to network interfaces
for communications on the
physical network.</source>
        <translation>MAC ID는 물리적 네트워크에서
통신하기 위해 네트워크
인터페이스에 할당되는
고유 식별자입니다.</translation>
    </message>
    <message>
        <source>Registered to skyvue</source>
        <translation>skyvue에 등록됨</translation>
    </message>
    <message>
        <source>Not registered</source>
        <translation>등록 안 됨</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>유선</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>무선</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;MAC ID&lt;/b&gt; on the back of your camera.</source>
        <translation>카메라 뒷면의 &lt;b&gt;MAC ID&lt;/b&gt;를 확인하세요.</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Cannot find your camera from the list ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*목록에 카메라가 없나요?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Enter a password to secure your camera</source>
        <translation>카메라 보호용 비밀번호 입력</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>관리자 계정:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>비밀번호:</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Forgot my camera password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;카메라 비밀번호를 잊으셨나요?&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>비밀번호 확인:</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      이전</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>재검색    </translation>
    </message>
    <message>
        <source>Next      </source>
        <translation>다음      </translation>
    </message>
    <message>
        <source>&lt;b&gt;Searching camera....&lt;/b&gt;</source>
        <translation>&lt;b&gt;카메라 검색 중....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Confirm your camera password</source>
        <translation>카메라 비밀번호 확인</translation>
    </message>
    <message>
        <source>Searching camera</source>
        <translation>카메라 검색 중</translation>
    </message>
    <message>
        <source>Saving camera&apos;s password</source>
        <translation>카메라 비밀번호 저장 중</translation>
    </message>
    <message>
        <source>Retrieving the camera&apos;s password</source>
        <translation>카메라 비밀번호 가져오는 중</translation>
    </message>
    <message>
        <source>The camera you select has already been registered to skyvue. You have to enter the correct camera password and skyvue account later or &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt; to register another account.&lt;br&gt;</source>
        <translation>선택한 카메라는 이미 skyvue에 등록되어 있습니다. 나중에 올바른 카메라 비밀번호와 skyvue 계정을 입력하거나, 다른 계정으로 등록하려면 &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;카메라를 초기화&lt;/font&gt;&lt;/a&gt;하세요.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The passwords must be at least 6 characters long and must contain at least 2 letters, case-sensitive!</source>
        <translation>비밀번호는 6자 이상이어야 하며 영문자를 2자 이상 포함해야 합니다. 대소문자를 구분합니다!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The passwords don&apos;t match! Please try again!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;경고&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;비밀번호가 일치하지 않습니다! 다시 시도하세요!</translation>
    </message>
    <message>
        <source>Input wrong password, please check!</source>
        <translation>비밀번호가 틀렸습니다. 확인하세요!</translation>
    </message>
    <message>
        <source>Two times input password are not the same!</source>
        <translation>두 번 입력한 비밀번호가 서로 다릅니다!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Cannot detect your wired connection?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Please close this lightbox and click &lt;b&gt;Back&lt;/b&gt; button to previous page. Follow the instruction to install the camera again.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;유선 연결이 감지되지 않나요?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;이 창을 닫고 &lt;b&gt;이전&lt;/b&gt; 버튼을 클릭하여 이전 페이지로 돌아가세요. 안내에 따라 카메라를 다시 설치하세요.</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>고정 IP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>The camera did not confirm the new password, so it may still have none. Check that the camera is on and connected, then try again.</source>
        <translation>카메라가 새 비밀번호를 확인하지 않았습니다. 아직 비밀번호가 없을 수 있습니다. 카메라의 전원과 연결을 확인한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Retry    </source>
        <translation>다시 시도    </translation>
    </message>
</context>
<context>
    <name>welcomePage</name>
    <message>
        <source>Please select:</source>
        <translation>선택하세요:</translation>
    </message>
    <message>
        <source>English</source>
        <translation>영어</translation>
    </message>
    <message>
        <source>French</source>
        <translation>프랑스어</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>러시아어</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>스페인어</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>포르투갈어(포르투갈)</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>포르투갈어(브라질)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>일본어</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>중국어(번체)</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>중국어(간체)</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>체코어</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>덴마크어</translation>
    </message>
    <message>
        <source>German</source>
        <translation>독일어</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>그리스어</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>크로아티아어</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>헝가리어</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>이탈리아어</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>네덜란드어</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>노르웨이어</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>폴란드어</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>루마니아어</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>슬로베니아어</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>스웨덴어</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>핀란드어</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>문제 해결</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>설명서 및 다운로드</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Start    </source>
        <translation>시작    </translation>
    </message>
    <message>
        <source>Select your lauguage:</source>
        <translation>언어 선택:</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. 모든 권리 보유.</translation>
    </message>
    <message>
        <source>Welcome </source>
        <translation>환영합니다 </translation>
    </message>
    <message>
        <source>Welcome to the IP camera Camguide. This wizard will help you easily setup the Internet camera, register skyvue web site for remote view and other interesting online services.</source>
        <translation>IP 카메라 Camguide에 오신 것을 환영합니다. 이 마법사를 통해 인터넷 카메라를 쉽게 설정하고 skyvue 웹사이트에 등록하여 원격 보기 및 다양한 온라인 서비스를 이용할 수 있습니다.</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>닫기    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;프로그램 정보: </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;경고:&lt;/b&gt; 이 프로그램은 저작권법 및 국제 조약의 보호를 받습니다. 이 프로그램의 전부 또는 일부를 무단으로 복제하거나 배포하는 경우 엄중한 민사 및 형사 처벌을 받을 수 있습니다.&lt;br&gt;</translation>
    </message>
</context>
</TS>
