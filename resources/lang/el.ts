<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Another Camguide is already running.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Προειδοποίηση&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Το Camguide εκτελείται ήδη.</translation>
    </message>
    <message>
        <source>MyCamera</source>
        <translation>ΗΚάμεραΜου</translation>
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
        <translation>Συχνά προβλήματα</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Εγχειρίδια και λήψεις</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Σχετικά</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Τέλος</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Με την επιφύλαξη παντός δικαιώματος.</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Κλείσιμο    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Σχετικά με το </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Προειδοποίηση:&lt;/b&gt; Το πρόγραμμα αυτό προστατεύεται από τη νομοθεσία περί πνευματικών δικαιωμάτων και από διεθνείς συνθήκες. Η μη εξουσιοδοτημένη αναπαραγωγή ή διανομή του προγράμματος ή οποιουδήποτε τμήματός του μπορεί να επιφέρει αυστηρές αστικές και ποινικές κυρώσεις.&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>connectPage</name>
    <message>
        <source>plug</source>
        <translation>Καλώδιο</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Επιλογή</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Δίκτυο</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Προειδοποίηση&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Ανάβει πράσινη η λυχνία Link της κάμερας;</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Ανάβει πράσινη η λυχνία Power/Link της κάμερας;</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ναι</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Όχι</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Εκκίνηση    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Κλείσιμο    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Πατήστε και κρατήστε πατημένο το κουμπί Reset για τουλάχιστον 6 δευτερόλεπτα, ενώ η κάμερα είναι συνδεδεμένη. Μετά την επαναφορά της κάμερας, κάντε κλικ στο &lt;b&gt;Εκκίνηση&lt;/b&gt; για να συνεχίσετε.</translation>
    </message>
    <message>
        <source>Connect to the network</source>
        <translation>Σύνδεση στο δίκτυο</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Συνδέστε το καλώδιο Ethernet στη θύρα Ethernet στο πίσω μέρος της κάμερας.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Συνδέστε την άλλη άκρη του καλωδίου σε μια ελεύθερη θύρα LAN του router.</translation>
    </message>
    <message>
        <source>3.The LED on the camera will turn solid green when the device is ready.</source>
        <translation>3. Όταν η συσκευή είναι έτοιμη, η λυχνία θα ανάψει σταθερά πράσινη.</translation>
    </message>
    <message>
        <source>1.Unplug the Ethernet cable from the camera.</source>
        <translation>1. Αποσυνδέστε το καλώδιο Ethernet από την κάμερα.</translation>
    </message>
    <message>
        <source>2.Press the WPS button on the back of your camera and the WPS LED will start to flash blue.</source>
        <translation>2. Πατήστε το κουμπί WPS στο πίσω μέρος της κάμερας. Η λυχνία WPS θα αρχίσει να αναβοσβήνει μπλε.</translation>
    </message>
    <message>
        <source>3.You now  one minute to press the WPS button on your router.</source>
        <translation>3. Έχετε πλέον ένα λεπτό για να πατήσετε το κουμπί WPS του router.</translation>
    </message>
    <message>
        <source>4.Once your camera has established a connection, the WPS LED will turn solid blue, the LED in front of the camera will turn to flash green.</source>
        <translation>4. Μόλις η κάμερα συνδεθεί, η λυχνία WPS θα ανάψει σταθερά μπλε και η μπροστινή λυχνία της κάμερας θα αναβοσβήνει πράσινη.</translation>
    </message>
    <message>
        <source>Current connection(*):</source>
        <translation>Τρέχουσα σύνδεση (*):</translation>
    </message>
    <message>
        <source>How would you connect your camera to the router?</source>
        <translation>Πώς θέλετε να συνδέσετε την κάμερα στο router;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ενσύρματη σύνδεση&lt;/b&gt;</translation>
    </message>
    <message>
        <source>By Ethernet cable</source>
        <translation>Με καλώδιο Ethernet</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ασύρματη σύνδεση&lt;/b&gt;</translation>
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
        <translation>Με επιλογή ασύρματου δικτύου</translation>
    </message>
    <message>
        <source>Available wireless network</source>
        <translation>Διαθέσιμα ασύρματα δίκτυα</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Εύρεση    </translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Κωδικός:</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. Στην κάμερα</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. Στο router</translation>
    </message>
    <message>
        <source>3. Check LED turns green</source>
        <translation>3. Η λυχνία ανάβει πράσινη</translation>
    </message>
    <message>
        <source>1. Unplug the Ethernet cable</source>
        <translation>1. Αποσυνδέστε το καλώδιο Ethernet</translation>
    </message>
    <message>
        <source>2. On the camera side</source>
        <translation>2. Στην κάμερα</translation>
    </message>
    <message>
        <source>3. On the router side</source>
        <translation>3. Στο router</translation>
    </message>
    <message>
        <source>4. Check LED turns flash green</source>
        <translation>4. Η λυχνία αναβοσβήνει πράσινη</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Πίσω</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Επόμενο    </translation>
    </message>
    <message>
        <source>Checking Internet connection</source>
        <translation>Έλεγχος σύνδεσης στο Internet</translation>
    </message>
    <message>
        <source>(Current connection(*): &lt;b&gt;</source>
        <translation>(Τρέχουσα σύνδεση (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>Wireless connection&lt;/b&gt;)</source>
        <translation>Ασύρματη σύνδεση&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wireless connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ασύρματη σύνδεση*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Wired connection&lt;/b&gt;)</source>
        <translation>Ενσύρματη σύνδεση&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Wired connection*&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ενσύρματη σύνδεση*&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Τι κάνω αν η λυχνία Link δεν ανάβει;&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Τι κάνω αν η λυχνία μένει κόκκινη;&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*where is my WPS button?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Πού είναι το κουμπί WPS;&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Having problems connecting?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Προβλήματα σύνδεσης;&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Τι κάνω αν η λυχνία Link δεν ανάβει;&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Ελέγξτε τα εξής:&lt;ul&gt;&lt;li&gt;Βεβαιωθείτε ότι τα καλώδια είναι καλά συνδεδεμένα.&lt;/li&gt;&lt;li&gt;Βγάλτε την κάμερα από το ρεύμα και συνδέστε την ξανά.&lt;/li&gt;&lt;li&gt;Αν η λυχνία Link εξακολουθεί να μην ανάβει, μπορείτε να δοκιμάσετε &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;επαναφορά της κάμερας&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Ελέγξτε ότι το modem ή το router λειτουργεί και ότι ανάβουν οι λυχνίες της κάμερας.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Τι κάνω αν η λυχνία μένει κόκκινη;&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Ελέγξτε τα εξής:&lt;ul&gt;&lt;li&gt;Βεβαιωθείτε ότι τα καλώδια είναι καλά συνδεδεμένα.&lt;/li&gt;&lt;li&gt;Βγάλτε την κάμερα από το ρεύμα και συνδέστε την ξανά.&lt;/li&gt;&lt;li&gt;Αν η λυχνία της κάμερας εξακολουθεί να είναι κόκκινη, μπορείτε να δοκιμάσετε &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;επαναφορά της κάμερας&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Ελέγξτε ότι το modem ή το router λειτουργεί και ότι ανάβουν οι λυχνίες της κάμερας.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check your router&apos;s user manual for more details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Τι είναι το WPS;&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Το Wi-Fi Protected Setup (WPS) σάς επιτρέπει να δημιουργήσετε μια ασφαλή ασύρματη σύνδεση γρήγορα, εύκολα και αυτόματα. &lt;br&gt;&lt;br&gt;Το κουμπί WPS είναι συνήθως ένα μικρό κουμπί στο πλάι του router. Σε ορισμένα router το WPS ενεργοποιείται από κουμπί στη διαδικτυακή διεπαφή. Για περισσότερες λεπτομέρειες, ανατρέξτε στο εγχειρίδιο χρήσης του router.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;What is WPS ?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Wi-Fi Protected Setup(WPS) allows you to set up a secure wireless connection quickly, easily, and automatically. &lt;br&gt;&lt;br&gt;Your router&apos;s WPS button is usually a small button located on the side of your router. On some routers, you may need to log in to the web interface and then click on an on-screen button to activate the WPS feather. Check the user manual for your router for details.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Τι είναι το WPS;&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Το Wi-Fi Protected Setup (WPS) σάς επιτρέπει να δημιουργήσετε μια ασφαλή ασύρματη σύνδεση γρήγορα, εύκολα και αυτόματα. &lt;br&gt;&lt;br&gt;Το κουμπί WPS είναι συνήθως ένα μικρό κουμπί στο πλάι του router. Σε ορισμένα router το WPS ενεργοποιείται από κουμπί στη διαδικτυακή διεπαφή. Για λεπτομέρειες, ανατρέξτε στο εγχειρίδιο του router.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Having problems connecting your camera?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;If you are having problems connecting your camera using WPS, check the following:&lt;ul&gt;&lt;li&gt;Your camera may be out of range.Try connecting your camera from the same room as your router.&lt;/li&gt;&lt;li&gt;Make sure your router has a WPS button.Check your router&apos;s user manual for details. &lt;/li&gt;&lt;/ul&gt;If you are still having trouble connecting your camera using WPS, you can select wireless network manually or simply use a wired connection.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Προβλήματα με τη σύνδεση της κάμερας;&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Αν αντιμετωπίζετε προβλήματα με τη σύνδεση της κάμερας μέσω WPS, ελέγξτε τα εξής:&lt;ul&gt;&lt;li&gt;Η κάμερα ίσως είναι εκτός εμβέλειας. Δοκιμάστε να συνδέσετε την κάμερα στον ίδιο χώρο με το router.&lt;/li&gt;&lt;li&gt;Βεβαιωθείτε ότι το router διαθέτει κουμπί WPS. Για λεπτομέρειες, ανατρέξτε στο εγχειρίδιο χρήσης του router. &lt;/li&gt;&lt;/ul&gt;Αν εξακολουθείτε να μην μπορείτε να συνδέσετε την κάμερα μέσω WPS, μπορείτε να επιλέξετε το ασύρματο δίκτυο χειροκίνητα ή απλώς να χρησιμοποιήσετε ενσύρματη σύνδεση.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Please plug in the cable. click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Συνδέστε το καλώδιο. Όταν τελειώσετε, κάντε κλικ στο &lt;b&gt;OK&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Now you can unplug the Ethernet cable from the camera and click &lt;b&gt;OK&lt;/b&gt; when you finish.</source>
        <translation>&lt;br&gt;Τώρα μπορείτε να αποσυνδέσετε το καλώδιο Ethernet από την κάμερα. Όταν τελειώσετε, κάντε κλικ στο &lt;b&gt;OK&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>OK	</source>
        <translation>OK	</translation>
    </message>
    <message>
        <source>The camera has already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;Close&lt;/b&gt; just re-configure the camera!</source>
        <translation>Η κάμερα είναι ήδη καταχωρημένη. Κάντε κλικ στο &lt;b&gt;Επαναφορά&lt;/b&gt; για επανεκκίνηση της εφαρμογής και επαναφορά της κάμερας ή στο &lt;b&gt;Κλείσιμο&lt;/b&gt; για να ρυθμίσετε απλώς ξανά την κάμερα.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Επαναφορά    </translation>
    </message>
    <message>
        <source>Yes    </source>
        <translation>Ναι    </translation>
    </message>
    <message>
        <source>NO    </source>
        <translation>Όχι    </translation>
    </message>
    <message>
        <source>The camera can not connect to skyvue server. click &lt;b&gt;Retry&lt;/b&gt; to check again, or click &lt;b&gt;Close&lt;/b&gt; without signing in skyvue.</source>
        <translation>Η κάμερα δεν μπορεί να συνδεθεί στον διακομιστή skyvue. Κάντε κλικ στο &lt;b&gt;Ξανά&lt;/b&gt; για νέο έλεγχο ή στο &lt;b&gt;Κλείσιμο&lt;/b&gt; για να συνεχίσετε χωρίς σύνδεση στο skyvue.</translation>
    </message>
    <message>
        <source>Retry	 </source>
        <translation>Ξανά	 </translation>
    </message>
    <message>
        <source>Close	 </source>
        <translation>Κλείσιμο	 </translation>
    </message>
    <message>
        <source>Check your cable connection please.&lt;br&gt;</source>
        <translation>Ελέγξτε τη σύνδεση του καλωδίου.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The wireless connection failed. Please connect the Ethernet cable and select the wireless network again.&lt;br&gt;</source>
        <translation>Η ασύρματη σύνδεση απέτυχε. Συνδέστε το καλώδιο Ethernet και επιλέξτε ξανά το ασύρματο δίκτυο.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Αποθήκευση ρυθμίσεων δικτύου</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Επανεκκίνηση δικτύου</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Έλεγχος σύνδεσης στο Internet</translation>
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
        <translation>&lt;b&gt;Λεπτομέρειες&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Camera IP address:</source>
        <translation>Διεύθυνση IP κάμερας:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Μάσκα δικτύου:</translation>
    </message>
    <message>
        <source>Gateway IP address:</source>
        <translation>Διεύθυνση IP πύλης:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>Πρωτεύων DNS:</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>Δευτερεύων DNS</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Κατάσταση:</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Ασύρματη</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Ενσύρματη</translation>
    </message>
    <message>
        <source>Wireless SSID:</source>
        <translation>SSID Wi-Fi:</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>Μ/Δ</translation>
    </message>
    <message>
        <source>Connection mode:</source>
        <translation>Λειτουργία σύνδεσης:</translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation>Έλεγχος ταυτότητας:</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Κρυπτογράφηση:</translation>
    </message>
    <message>
        <source>Key/password:</source>
        <translation>Κλειδί/κωδικός:</translation>
    </message>
    <message>
        <source>&lt;b&gt; Internet connection&lt;/b&gt;</source>
        <translation>&lt;b&gt; Σύνδεση στο Internet&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Connection type&lt;/b&gt;</source>
        <translation>&lt;b&gt; Τύπος σύνδεσης&lt;/b&gt;</translation>
    </message>
    <message>
        <source>skyvue no.:</source>
        <translation>Αριθμός skyvue:</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Διαχειριστής:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Κωδικός:</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>&lt;b&gt; skyvue info&lt;/b&gt;</source>
        <translation>&lt;b&gt; Στοιχεία skyvue&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt; Camera web page&lt;/b&gt;</source>
        <translation>&lt;b&gt; Ιστοσελίδα κάμερας&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your Internet connection&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Αλλαγή σύνδεσης στο Internet&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Change your connection type&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt; Αλλαγή τύπου σύνδεσης&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Κλείσιμο    </translation>
    </message>
</context>
<context>
    <name>failedPage</name>
    <message>
        <source>plug</source>
        <translation>Καλώδιο</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Επιλογή</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Δίκτυο</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Προειδοποίηση&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Connect your camera</source>
        <translation>Σύνδεση της κάμερας</translation>
    </message>
    <message>
        <source>Saving network setting</source>
        <translation>Αποθήκευση ρυθμίσεων δικτύου</translation>
    </message>
    <message>
        <source>Restarting network</source>
        <translation>Επανεκκίνηση δικτύου</translation>
    </message>
    <message>
        <source>Checking internet connection</source>
        <translation>Έλεγχος σύνδεσης στο Internet</translation>
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
        <translation>Διεύθυνση IP</translation>
    </message>
    <message>
        <source>Submask</source>
        <translation>Μάσκα υποδικτύου</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Πύλη</translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation>Πρωτεύων DNS</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>Δευτερεύων DNS</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Διεύθυνση IP:</translation>
    </message>
    <message>
        <source>Submask:</source>
        <translation>Μάσκα δικτύου:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Πύλη:</translation>
    </message>
    <message>
        <source>Primary DNS:</source>
        <translation>Πρωτεύων DNS:</translation>
    </message>
    <message>
        <source>Secondary DNS:</source>
        <translation>Δευτερεύων DNS:</translation>
    </message>
    <message>
        <source>How would you connect your camera to the Internet?</source>
        <translation>Πώς θέλετε να συνδέσετε την κάμερα στο Internet;</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)</source>
        <translation>Όνομα χρήστη και κωδικός (PPPoE)</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Χρήστης:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Κωδικός:</translation>
    </message>
    <message>
        <source>Enter static IP address</source>
        <translation>Στατική διεύθυνση IP</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)*</source>
        <translation>Δυναμική διεύθυνση IP (DHCP)*</translation>
    </message>
    <message>
        <source>Use in the intranet for local view only.</source>
        <translation>Μόνο σε ενδοδίκτυο, για τοπική προβολή.</translation>
    </message>
    <message>
        <source>The PPPoE is a network 
protocol mainly used with DSL 
services.</source>
        <translation>Το PPPoE είναι πρωτόκολλο 
δικτύου που χρησιμοποιείται 
κυρίως σε υπηρεσίες DSL.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Πίσω</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Επόμενο    </translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Φόρτωση, περιμένετε</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP address</source>
        <translation>Στατική διεύθυνση IP</translation>
    </message>
    <message>
        <source>Dynamic IP address(DHCP)</source>
        <translation>Δυναμική διεύθυνση IP (DHCP)</translation>
    </message>
    <message>
        <source>(Current Internet connection(*): &lt;b&gt;</source>
        <translation>(Τρέχουσα σύνδεση στο Internet (*): &lt;b&gt;</translation>
    </message>
    <message>
        <source>&lt;/b&gt;)</source>
        <translation>&lt;/b&gt;)</translation>
    </message>
    <message>
        <source>Enter account and password(PPPoE)*</source>
        <translation>Όνομα χρήστη και κωδικός (PPPoE)*</translation>
    </message>
    <message>
        <source>Enter static IP address*</source>
        <translation>Στατική διεύθυνση IP*</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Κλείσιμο    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid username!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Προειδοποίηση&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Μη έγκυρο όνομα χρήστη!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid password.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Προειδοποίηση&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Μη έγκυρος κωδικός.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Invalid<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Προειδοποίηση&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Μη έγκυρη τιμή:<byte value="x16"/><byte value="x13"/><byte value="xb"/><byte value="x1d"/><byte value="x3"/> </translation>
    </message>
    <message>
        <source>!</source>
        <translation>!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Connection is failed.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Προειδοποίηση&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Η σύνδεση απέτυχε.</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The camera have already registered, click &lt;b&gt;Reset&lt;/b&gt; to restart the application and reset the camera, click &lt;b&gt;OK&lt;/b&gt; just re-configure the camera!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Προειδοποίηση&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Η κάμερα είναι ήδη καταχωρημένη. Κάντε κλικ στο &lt;b&gt;Επαναφορά&lt;/b&gt; για επανεκκίνηση της εφαρμογής και επαναφορά της κάμερας ή στο &lt;b&gt;OK&lt;/b&gt; για να ρυθμίσετε απλώς ξανά την κάμερα.</translation>
    </message>
    <message>
        <source>Reset    </source>
        <translation>Επαναφορά    </translation>
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
        <translation>Καλώδιο</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Επιλογή</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Δίκτυο</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Προειδοποίηση&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Επειδή η κάμερα δεν έχει σύνδεση στο Internet ( &lt;a href = Setup again&gt;&lt;font size=3 color=#638c0b&gt;νέα ρύθμιση&lt;/font&gt;&lt;/a&gt; ), δεν μπορείτε να συνδεθείτε στον ιστότοπο skyvue για απομακρυσμένη προβολή.
</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Για τοπική προβολή: η διεύθυνση IP παρακάτω.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Λογαριασμός:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Συντόμευση IP κάμερας στην επιφάνεια εργασίας και στους σελιδοδείκτες.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Υπηρεσία skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Διεύθυνση IP:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Κωδικός:</translation>
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
        <translation> Όνομα:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Λεπτομέρειες για την κάμερα.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Ολοκλήρωση    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Η συντόμευση δεν ήταν δυνατό να δημιουργηθεί πλήρως.</translation>
    </message>
</context>
<context>
    <name>joinPage1</name>
    <message>
        <source>plug</source>
        <translation>Καλώδιο</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Επιλογή</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Δίκτυο</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Προειδοποίηση&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Ανάβει πράσινη η λυχνία Link της κάμερας;</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Ανάβει πράσινη η λυχνία Power/Link της κάμερας;</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ναι</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Όχι</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Εκκίνηση    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Κλείσιμο    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Πατήστε και κρατήστε πατημένο το κουμπί Reset για τουλάχιστον 6 δευτερόλεπτα, ενώ η κάμερα είναι συνδεδεμένη. Μετά την επαναφορά της κάμερας, κάντε κλικ στο &lt;b&gt;Εκκίνηση&lt;/b&gt; για να συνεχίσετε.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Υπηρεσία skyvue</translation>
    </message>
    <message>
        <source>The camera has previously registered with a skyvue account, you can login on &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; or mobile application to enjoy remote view. If you want to re-configure your account and device, you may &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;hard reset&lt;/font&gt;&lt;/a&gt; the camera and create or register with a new account.</source>
        <translation>Η κάμερα έχει ήδη καταχωρηθεί σε λογαριασμό skyvue. Για απομακρυσμένη προβολή, συνδεθείτε στο &lt;a href =skyvue&gt;&lt;font size=3 color=#638c0b&gt;www.skyvue.com&lt;/font&gt;&lt;/a&gt; ή στην εφαρμογή για κινητά. Αν θέλετε να ρυθμίσετε ξανά τον λογαριασμό και τη συσκευή, κάντε &lt;a href = hard reset&gt;&lt;font size=3 color=#638c0b&gt;επαναφορά&lt;/font&gt;&lt;/a&gt; της κάμερας και δημιουργήστε νέο λογαριασμό.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Γιατί skyvue;&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Απλή ρύθμιση&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS setting, firewall roadblock, or all the trouble some configurations on cameras or viewing clients.</source>
        <translation>Χωρίς σύνθετες ρυθμίσεις δυναμικού DNS, εμπόδια από το τείχος προστασίας ή κουραστικές ρυθμίσεις σε κάμερες και προγράμματα προβολής.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Εύκολη πρόσβαση&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Προβολή από οπουδήποτε&lt;/b&gt;</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Πίσω</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Επόμενο    </translation>
    </message>
</context>
<context>
    <name>joinPage2</name>
    <message>
        <source>plug</source>
        <translation>Καλώδιο</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Επιλογή</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Δίκτυο</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Προειδοποίηση&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Υπηρεσία skyvue</translation>
    </message>
    <message>
        <source>Do you have a skyvue account ?</source>
        <translation>Έχετε λογαριασμό skyvue;</translation>
    </message>
    <message>
        <source>&amp;Yes, I already have a skyvue account.</source>
        <translation>&amp;Ναι, έχω ήδη λογαριασμό skyvue.</translation>
    </message>
    <message>
        <source>&amp;No, I need to sign up for a new account.</source>
        <translation>Ό&amp;χι, θέλω νέο λογαριασμό.</translation>
    </message>
    <message>
        <source>I &amp;don&apos;t want to sign up right now.</source>
        <translation>&amp;Δεν θέλω να εγγραφώ τώρα.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Why join skyvue ?&lt;/b&gt;</source>
        <translation>&lt;b&gt;Γιατί skyvue;&lt;/b&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;Simple setting&lt;/b&gt;</source>
        <translation> &lt;b&gt;Απλή ρύθμιση&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Not worrying about complicate dyanmic DNS settings,firewall roadblock,or all the troublesome configurations on cameras or viewing clients.</source>
        <translation>Χωρίς σύνθετες ρυθμίσεις δυναμικού DNS, εμπόδια από το τείχος προστασίας ή κουραστικές ρυθμίσεις σε κάμερες και προγράμματα προβολής.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Easy Access&lt;/b&gt;</source>
        <translation> &lt;b&gt;Εύκολη πρόσβαση&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For using skyvue web service such as to manage all your cameras in one place.</source>
        <translation>Διαχειριστείτε όλες τις κάμερές σας από ένα σημείο με την υπηρεσία web skyvue.</translation>
    </message>
    <message>
        <source> &lt;b&gt;Remote viewing anywhere&lt;/b&gt;</source>
        <translation> &lt;b&gt;Προβολή από οπουδήποτε&lt;/b&gt;</translation>
    </message>
    <message>
        <source>For viewing your cameras from anywhere through a web browser or a mobile device.</source>
        <translation>Δείτε τις κάμερές σας από οπουδήποτε σε πρόγραμμα περιήγησης ή κινητό.</translation>
    </message>
    <message>
        <source>Please enter your skyvue account.</source>
        <translation>Εισαγάγετε τον λογαριασμό σας skyvue.</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Κωδικός:</translation>
    </message>
    <message>
        <source>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Forgot password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=forgot&gt;&lt;font size=3 color=#638c0b&gt;Ξεχάσατε τον κωδικό;&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm Password:</source>
        <translation>Επιβεβαίωση:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Όνομα:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Επώνυμο:</translation>
    </message>
    <message>
        <source>I would like to receive emails for latest services and products from skyvue.</source>
        <translation>Θέλω να λαμβάνω e-mail για τις νεότερες υπηρεσίες και τα προϊόντα του skyvue.</translation>
    </message>
    <message>
        <source>I accept skyvue &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;terms and conditions&lt;/font&gt;&lt;/a&gt;.</source>
        <translation>Αποδέχομαι τους &lt;a href=terms&gt;&lt;font size=3 color=#638c0b&gt;όρους και προϋποθέσεις&lt;/font&gt;&lt;/a&gt; του skyvue.</translation>
    </message>
    <message>
        <source>    Back</source>
        <translation>    Πίσω</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Επόμενο    </translation>
    </message>
    <message>
        <source>&lt;b&gt;Loading, please wait....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Φόρτωση, περιμένετε....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Κλείσιμο    </translation>
    </message>
    <message>
        <source>Please select your camera.</source>
        <translation>Επιλέξτε την κάμερά σας.</translation>
    </message>
    <message>
        <source>Invalid email!</source>
        <translation>Μη έγκυρο e-mail!</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>Μη έγκυρος κωδικός!</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match, please try again.</source>
        <translation>Οι κωδικοί δεν ταιριάζουν. Δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <source>You must accept the terms and conditions to continue.</source>
        <translation>Για να συνεχίσετε, πρέπει να αποδεχτείτε τους όρους και τις προϋποθέσεις.</translation>
    </message>
    <message>
        <source>Please select an option.</source>
        <translation>Επιλέξτε μία από τις επιλογές.</translation>
    </message>
    <message>
        <source>Loading, please wait</source>
        <translation>Φόρτωση, περιμένετε</translation>
    </message>
    <message>
        <source>Timeout, please retry.</source>
        <translation>Λήξη χρονικού ορίου. Δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <source>The camera gave no valid portal address.</source>
        <translation>Η κάμερα δεν έδωσε έγκυρη διεύθυνση διαδικτυακής πύλης.</translation>
    </message>
    <message>
        <source>Unknown error!</source>
        <translation>Άγνωστο σφάλμα!</translation>
    </message>
    <message>
        <source>Since you forgot your skyvue account&apos;s password. click &lt;b&gt;OK&lt;/b&gt; button will direct you to skyvue portal to retrieve the password. Please follow the instructions on the web page.</source>
        <translation>Ξεχάσατε τον κωδικό του λογαριασμού σας skyvue. Κάντε κλικ στο &lt;b&gt;OK&lt;/b&gt; για να μεταβείτε στην πύλη skyvue και να ανακτήσετε τον κωδικό. Ακολουθήστε τις οδηγίες της ιστοσελίδας.</translation>
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
        <translation>Καλώδιο</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Επιλογή</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Δίκτυο</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Προειδοποίηση&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source> Now you can use the information below to login &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.    click &lt;b&gt;Done&lt;/b&gt; to visit skyvue website to see camera live view.</source>
        <translation> Τώρα μπορείτε να συνδεθείτε στον ιστότοπο &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; με τα παρακάτω στοιχεία.    Κάντε κλικ στο &lt;b&gt;Ολοκλήρωση&lt;/b&gt; για να μεταβείτε στο skyvue και να δείτε ζωντανή εικόνα από την κάμερα.</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Χρήστης:</translation>
    </message>
    <message>
        <source> You can also learn more about mobile applications for your iPhone &amp; Android phone on &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt; website.&lt;br&gt;</source>
        <translation> Μάθετε περισσότερα για τις εφαρμογές για iPhone και Android στον ιστότοπο &lt;a href = skyvue&gt;&lt;font size=3 color=#638c0b&gt;skyvue&lt;/font&gt;&lt;/a&gt;.&lt;br&gt;</translation>
    </message>
    <message>
        <source>  Add the shortcut of skyvue to my desktop and browser bookmark.</source>
        <translation>  Συντόμευση του skyvue στην επιφάνεια εργασίας και στους σελιδοδείκτες.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Υπηρεσία skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Διεύθυνση IP:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Κωδικός:</translation>
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
        <translation> Όνομα:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Λεπτομέρειες για την κάμερα.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Ολοκλήρωση    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Η συντόμευση δεν ήταν δυνατό να δημιουργηθεί πλήρως.</translation>
    </message>
</context>
<context>
    <name>joinPage4</name>
    <message>
        <source>plug</source>
        <translation>Καλώδιο</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Επιλογή</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Δίκτυο</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Προειδοποίηση&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
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
        <translation> Αν δεν καταχωρήσετε αυτή την κάμερα στο skyvue, δεν θα έχετε πλεονεκτήματα όπως την απομακρυσμένη προβολή και την εφαρμογή skyvue για κινητά.</translation>
    </message>
    <message>
        <source> You still can use the camera IP address below for local view.</source>
        <translation> Για τοπική προβολή: η διεύθυνση IP παρακάτω.</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Λογαριασμός:</translation>
    </message>
    <message>
        <source>  Add the shortcut of camera IP address to my desktop and browser bookmark.</source>
        <translation>  Συντόμευση IP κάμερας στην επιφάνεια εργασίας και στους σελιδοδείκτες.</translation>
    </message>
    <message>
        <source>Join skyvue service</source>
        <translation>Υπηρεσία skyvue</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Δ/νση IP:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Κωδικός:</translation>
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
        <translation> Όνομα:</translation>
    </message>
    <message>
        <source> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;More details about your camera.&lt;/font&gt;&lt;/a&gt;</source>
        <translation> &lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Λεπτομέρειες για την κάμερα.&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done    </source>
        <translation>Ολοκλήρωση    </translation>
    </message>
    <message>
        <source>The shortcut could not be made completely.</source>
        <translation>Η συντόμευση δεν ήταν δυνατό να δημιουργηθεί πλήρως.</translation>
    </message>
</context>
<context>
    <name>plugPage</name>
    <message>
        <source>plug</source>
        <translation>Καλώδιο</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Επιλογή</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Δίκτυο</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Προειδοποίηση&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Ανάβει πράσινη η λυχνία Link της κάμερας;</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Ανάβει πράσινη η λυχνία Power/Link της κάμερας;</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ναι</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Όχι</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Εκκίνηση    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Κλείσιμο    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reset your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Πατήστε και κρατήστε πατημένο το κουμπί Reset για τουλάχιστον 6 δευτερόλεπτα, ενώ η κάμερα είναι συνδεδεμένη. Μετά την επαναφορά της κάμερας, κάντε κλικ στο &lt;b&gt;Εκκίνηση&lt;/b&gt; για να συνεχίσετε.</translation>
    </message>
    <message>
        <source>Plug your camera</source>
        <translation>Καλωδίωση κάμερας</translation>
    </message>
    <message>
        <source>1.Connect the Ethernet cable to the Ethernet port on the back of the camera.</source>
        <translation>1. Συνδέστε το καλώδιο Ethernet στη θύρα Ethernet στο πίσω μέρος της κάμερας.</translation>
    </message>
    <message>
        <source>2.Connect the other end of the cable to an available LAN port on your router.</source>
        <translation>2. Συνδέστε την άλλη άκρη του καλωδίου σε μια ελεύθερη θύρα LAN του router.</translation>
    </message>
    <message>
        <source>3.Connect the power adapter to the power jack on the back of the camera and plug the other end into the power outlet.</source>
        <translation>3. Συνδέστε το τροφοδοτικό στην υποδοχή τροφοδοσίας στο πίσω μέρος της κάμερας και την άλλη άκρη σε πρίζα.</translation>
    </message>
    <message>
        <source>4.The LED on the camera will turn green when the device is ready.</source>
        <translation>4. Όταν η συσκευή είναι έτοιμη, η λυχνία θα ανάψει πράσινη.</translation>
    </message>
    <message>
        <source>*Could use Wi-Fi Protected Setup (WPS) instead.</source>
        <translation>*Ή χρησιμοποιήστε WPS.</translation>
    </message>
    <message>
        <source>Please confirm the following tasks are done before clicking &lt;b&gt;Next&lt;/b&gt;.</source>
        <translation>Πριν κάνετε κλικ στο &lt;b&gt;Επόμενο&lt;/b&gt;, ολοκληρώστε τα παρακάτω βήματα.</translation>
    </message>
    <message>
        <source>1. On the camera side</source>
        <translation>1. Στην κάμερα</translation>
    </message>
    <message>
        <source>2. On the router side</source>
        <translation>2. Στο router</translation>
    </message>
    <message>
        <source>3. Plug power adapter</source>
        <translation>3. Συνδέστε το τροφοδοτικό</translation>
    </message>
    <message>
        <source>4. Check LED turns solid green</source>
        <translation>4. Η λυχνία γίνεται πράσινη</translation>
    </message>
    <message>
        <source>You can also use WPS button to&lt;br&gt;establish connection in this step&lt;br&gt;or follow the instruction in later step.</source>
        <translation>Σε αυτό το βήμα μπορείτε να συνδεθείτε&lt;br&gt;και με το κουμπί WPS ή να ακολουθήσετε&lt;br&gt;τις οδηγίες σε επόμενο βήμα.</translation>
    </message>
    <message>
        <source>Next    </source>
        <translation>Επόμενο    </translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the Link LED stays off?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Τι κάνω αν η λυχνία Link δεν ανάβει;&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;What do I do if the LED stays red?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;Τι κάνω αν η λυχνία μένει κόκκινη;&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the Link LED stays off?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If the link LED still stays off, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Τι κάνω αν η λυχνία Link δεν ανάβει;&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Ελέγξτε τα εξής:&lt;ul&gt;&lt;li&gt;Βεβαιωθείτε ότι τα καλώδια είναι καλά συνδεδεμένα.&lt;/li&gt;&lt;li&gt;Βγάλτε την κάμερα από το ρεύμα και συνδέστε την ξανά.&lt;/li&gt;&lt;li&gt;Αν η λυχνία Link εξακολουθεί να μην ανάβει, μπορείτε να δοκιμάσετε &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;επαναφορά της κάμερας&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Ελέγξτε ότι το modem ή το router λειτουργεί και ότι ανάβουν οι λυχνίες της κάμερας.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  What do I do if the LED stays red?&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Please check the following:&lt;ul&gt;&lt;li&gt;Check to make sure your cables are connected securely.&lt;/li&gt;&lt;li&gt;Unplug your camera, then plug it back in to restart it.&lt;/li&gt;&lt;li&gt;If your camera still has a red LED, you can try to &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Check to make sure your modem or router is functioning properly, and the LEDs for your camera&apos;s connection are lit.&lt;/li&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;  Τι κάνω αν η λυχνία μένει κόκκινη;&lt;br&gt;&lt;/b&gt;&lt;/font&gt;&lt;/p&gt;  Ελέγξτε τα εξής:&lt;ul&gt;&lt;li&gt;Βεβαιωθείτε ότι τα καλώδια είναι καλά συνδεδεμένα.&lt;/li&gt;&lt;li&gt;Βγάλτε την κάμερα από το ρεύμα και συνδέστε την ξανά.&lt;/li&gt;&lt;li&gt;Αν η λυχνία της κάμερας εξακολουθεί να είναι κόκκινη, μπορείτε να δοκιμάσετε &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;επαναφορά της κάμερας&lt;/font&gt;&lt;/a&gt;.&lt;/li&gt;&lt;li&gt;Ελέγξτε ότι το modem ή το router λειτουργεί και ότι ανάβουν οι λυχνίες της κάμερας.&lt;/li&gt;&lt;ul&gt;</translation>
    </message>
</context>
<context>
    <name>selectPage</name>
    <message>
        <source>plug</source>
        <translation>Καλώδιο</translation>
    </message>
    <message>
        <source>select</source>
        <translation>Επιλογή</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>Δίκτυο</translation>
    </message>
    <message>
        <source>join</source>
        <translation>skyvue</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Προειδοποίηση&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Is the Link LED on the camera lit green ?</source>
        <translation>Ανάβει πράσινη η λυχνία Link της κάμερας;</translation>
    </message>
    <message>
        <source>Is the Power/Link LED on the camera lit green ?</source>
        <translation>Ανάβει πράσινη η λυχνία Power/Link της κάμερας;</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ναι</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Όχι</translation>
    </message>
    <message>
        <source>Restart    </source>
        <translation>Εκκίνηση    </translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Κλείσιμο    </translation>
    </message>
    <message>
        <source>Press and hold the Reset button for at least 6 seconds while your camera is plugged. After reseting your camera, click &lt;b&gt;Restart&lt;/b&gt; to continue.</source>
        <translation>Πατήστε και κρατήστε πατημένο το κουμπί Reset για τουλάχιστον 6 δευτερόλεπτα, ενώ η κάμερα είναι συνδεδεμένη. Μετά την επαναφορά της κάμερας, κάντε κλικ στο &lt;b&gt;Εκκίνηση&lt;/b&gt; για να συνεχίσετε.</translation>
    </message>
    <message>
        <source>Select your camera</source>
        <translation>Επιλογή κάμερας</translation>
    </message>
    <message>
        <source>Select your camera from the list and click &lt;b&gt;Next&lt;/b&gt; when you complete.</source>
        <translation>Επιλέξτε την κάμερά σας από τη λίστα και κάντε κλικ στο &lt;b&gt;Επόμενο&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Κάμερα</translation>
    </message>
    <message>
        <source>MAC ID</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Διεύθυνση IP</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Σύνδεση</translation>
    </message>
    <message>
        <source>MAC ID is a unique identifier
assigned to network interfaces
for communications on the
physical network.</source>
        <translation>Η διεύθυνση MAC είναι ένα
μοναδικό αναγνωριστικό που
αποδίδεται στις διασυνδέσεις
δικτύου για επικοινωνία
στο φυσικό δίκτυο.</translation>
    </message>
    <message>
        <source>Registered to skyvue</source>
        <translation>Καταχωρημένη στο skyvue</translation>
    </message>
    <message>
        <source>Not registered</source>
        <translation>Μη καταχωρημένη</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Ενσύρματη</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Ασύρματη</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;MAC ID&lt;/b&gt; on the back of your camera.</source>
        <translation>Η &lt;b&gt;διεύθυνση MAC&lt;/b&gt; είναι πίσω στην κάμερα.</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Cannot find your camera from the list ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;*Δεν βρίσκετε την κάμερα στη λίστα;&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Enter a password to secure your camera</source>
        <translation>Προστατέψτε την κάμερα με κωδικό</translation>
    </message>
    <message>
        <source>Admin account:</source>
        <translation>Διαχειριστής:</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Κωδικός:</translation>
    </message>
    <message>
        <source>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Forgot my camera password ?&lt;/font&gt;&lt;/a&gt;</source>
        <translation>&lt;a href = http&gt;&lt;font size=3 color=#638c0b&gt;Ξεχάσατε τον κωδικό κάμερας;&lt;/font&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Επιβεβαίωση:</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      Πίσω</translation>
    </message>
    <message>
        <source>Rescan    </source>
        <translation>Εύρεση    </translation>
    </message>
    <message>
        <source>Next      </source>
        <translation>Επόμενο      </translation>
    </message>
    <message>
        <source>&lt;b&gt;Searching camera....&lt;/b&gt;</source>
        <translation>&lt;b&gt;Αναζήτηση κάμερας....&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Confirm your camera password</source>
        <translation>Επιβεβαιώστε τον κωδικό της κάμερας</translation>
    </message>
    <message>
        <source>Searching camera</source>
        <translation>Αναζήτηση κάμερας</translation>
    </message>
    <message>
        <source>Saving camera&apos;s password</source>
        <translation>Αποθήκευση κωδικού κάμερας</translation>
    </message>
    <message>
        <source>Retrieving the camera&apos;s password</source>
        <translation>Ανάκτηση κωδικού κάμερας</translation>
    </message>
    <message>
        <source>The camera you select has already been registered to skyvue. You have to enter the correct camera password and skyvue account later or &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;reset the camera&lt;/font&gt;&lt;/a&gt; to register another account.&lt;br&gt;</source>
        <translation>Η κάμερα είναι ήδη καταχωρημένη στο skyvue. Αργότερα δώστε τον κωδικό της και τον λογαριασμό skyvue ή κάντε &lt;a href = terms&gt;&lt;font size=3 color=#638c0b&gt;επαναφορά της κάμερας&lt;/font&gt;&lt;/a&gt; για άλλον λογαριασμό.&lt;br&gt;</translation>
    </message>
    <message>
        <source>The passwords must be at least 6 characters long and must contain at least 2 letters, case-sensitive!</source>
        <translation>Ο κωδικός πρέπει να έχει τουλάχιστον 6 χαρακτήρες και να περιέχει τουλάχιστον 2 γράμματα· έχει σημασία η διάκριση πεζών-κεφαλαίων!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Warning&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;The passwords don&apos;t match! Please try again!</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6&gt;&lt;b&gt;Προειδοποίηση&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Οι κωδικοί δεν ταιριάζουν! Δοκιμάστε ξανά!</translation>
    </message>
    <message>
        <source>Input wrong password, please check!</source>
        <translation>Λάθος κωδικός, ελέγξτε τον!</translation>
    </message>
    <message>
        <source>Two times input password are not the same!</source>
        <translation>Οι δύο κωδικοί που εισαγάγατε δεν είναι ίδιοι!</translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Cannot detect your wired connection?&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Please close this lightbox and click &lt;b&gt;Back&lt;/b&gt; button to previous page. Follow the instruction to install the camera again.</source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Δεν εντοπίστηκε ενσύρματη σύνδεση;&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;Κλείστε αυτό το παράθυρο και κάντε κλικ στο &lt;b&gt;Πίσω&lt;/b&gt; για να επιστρέψετε στην προηγούμενη σελίδα. Ακολουθήστε τις οδηγίες για να εγκαταστήσετε ξανά την κάμερα.</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>Στατική IP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>The camera did not confirm the new password, so it may still have none. Check that the camera is on and connected, then try again.</source>
        <translation>Η κάμερα δεν επιβεβαίωσε τον νέο κωδικό, οπότε ίσως εξακολουθεί να μην έχει κωδικό. Ελέγξτε ότι η κάμερα είναι αναμμένη και συνδεδεμένη και δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <source>Retry    </source>
        <translation>Ξανά    </translation>
    </message>
</context>
<context>
    <name>welcomePage</name>
    <message>
        <source>Please select:</source>
        <translation>Επιλέξτε:</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Αγγλικά</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Γαλλικά</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ρωσικά</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Ισπανικά</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>Πορτογαλικά</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>Πορτογαλικά (Βραζ.)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Ιαπωνικά</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Κινεζικά (Παραδ.)</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Κινεζικά (Απλοπ.)</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Κορεατικά</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Τσεχικά</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Δανικά</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Γερμανικά</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Ελληνικά</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Κροατικά</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Ουγγρικά</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Ιταλικά</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Ολλανδικά</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Νορβηγικά</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Πολωνικά</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Ρουμανικά</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Σλοβενικά</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Σουηδικά</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Φινλανδικά</translation>
    </message>
    <message>
        <source>skyvue Camguide</source>
        <translation>skyvue Camguide</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Συχνά προβλήματα</translation>
    </message>
    <message>
        <source>Manuals and Downloads</source>
        <translation>Εγχειρίδια και λήψεις</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Σχετικά</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Τέλος</translation>
    </message>
    <message>
        <source>Start    </source>
        <translation>Έναρξη    </translation>
    </message>
    <message>
        <source>Select your lauguage:</source>
        <translation>Επιλέξτε γλώσσα:</translation>
    </message>
    <message>
        <source>Copyright © Velmora. All rights reserved.</source>
        <translation>Copyright © Velmora. Με την επιφύλαξη παντός δικαιώματος.</translation>
    </message>
    <message>
        <source>Welcome </source>
        <translation>Καλώς ήρθατε </translation>
    </message>
    <message>
        <source>Welcome to the IP camera Camguide. This wizard will help you easily setup the Internet camera, register skyvue web site for remote view and other interesting online services.</source>
        <translation>Καλώς ήρθατε στο Camguide για κάμερες IP. Ο οδηγός θα σας βοηθήσει να ρυθμίσετε εύκολα την κάμερα Internet, να εγγραφείτε στο skyvue για απομακρυσμένη προβολή και να χρησιμοποιήσετε άλλες online υπηρεσίες.</translation>
    </message>
    <message>
        <source>Close    </source>
        <translation>Κλείσιμο    </translation>
    </message>
    <message>
        <source>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;About </source>
        <translation>&lt;font size=5 face=verdana color=#2a7ba6   &gt;&lt;b&gt;Σχετικά με το </translation>
    </message>
    <message>
        <source> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</source>
        <translation> Camguide&lt;/b&gt;&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;font size=3 color=#638c0b&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.&lt;br&gt;</source>
        <translation>&lt;/font&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Προειδοποίηση:&lt;/b&gt; Το πρόγραμμα αυτό προστατεύεται από τη νομοθεσία περί πνευματικών δικαιωμάτων και από διεθνείς συνθήκες. Η μη εξουσιοδοτημένη αναπαραγωγή ή διανομή του προγράμματος ή οποιουδήποτε τμήματός του μπορεί να επιφέρει αυστηρές αστικές και ποινικές κυρώσεις.&lt;br&gt;</translation>
    </message>
</context>
</TS>
